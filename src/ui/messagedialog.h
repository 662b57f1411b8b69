// A message of the core that carries a table or buttons of its own: its text, the table with the
// marked cells in red, its closing text and its buttons.
#pragma once

#include <QDialog>

#include "app/messageport.h"

class QLabel;
class QTableWidget;
class QWidget;

namespace tabrin::ui {

class MessageDialog : public QDialog {
    Q_OBJECT

public:
    explicit MessageDialog(const app::Message& message, QWidget* parent = nullptr);

    /// The answer of the button chosen; Cancel when the dialog was closed without one.
    app::MessageAnswer answer() const { return m_answer; }

private:
    QTableWidget* buildTable(const app::MessageTable& table);
    QWidget* buildGroupCaptions(const app::MessageTable& table);
    /// Each group caption as wide as the columns it stands over.
    void alignGroupCaptions();

    app::MessageAnswer m_answer = app::MessageAnswer::Cancel;
    QTableWidget* m_table = nullptr;
    QList<QLabel*> m_groupCaptions;
    QList<int> m_groupSpans;
};

}  // namespace tabrin::ui
