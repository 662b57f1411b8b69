// A table whose columns follow a rule of its width, laid out again whenever its width changes, each
// header shown in full.
#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QTableView;

namespace tabrin::ui {

class ColumnLayout : public QObject {
    Q_OBJECT

public:
    /// Lays out the columns of `view`, which owns the layout, by `rule`: the widths of all its
    /// columns (0 hides one) for the table's width.
    template <typename Rule>
    static ColumnLayout* install(QTableView* view, Rule rule) {
        return new ColumnLayout(view, [rule](int tableWidth) {
            const auto widths = rule(tableWidth);
            return std::vector<int>(widths.begin(), widths.end());
        });
    }

    /// Lays out the columns again, e.g. for header texts that need more room than the old ones.
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using WidthRule = std::function<std::vector<int>(int tableWidth)>;

    ColumnLayout(QTableView* view, WidthRule rule);

    QTableView* m_view;
    WidthRule m_rule;
};

}  // namespace tabrin::ui
