// Every window with a grid, at its default size, in Russian and in English: every header with its
// text and none cut short, the columns of numbers and codes showing their cells in full, every
// button saying what it does, every text field with room for what is typed, no widget squeezed
// below its minimum, and no text read in the wrong code page.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "editing/scalemismatch.h"
#include "editing/unitlists.h"
#include "ui/dictionarywindow.h"
#include "ui/modalhelper.h"
#include "ui/qtmessageport.h"
#include "ui/uitestregistry.h"

namespace tabrin::ui {
namespace {

constexpr int kTypedCharacters = 10;  // a text field shows at least this many, or its maximum length

using Inspect = std::function<void(QWidget* window)>;

QString nameOf(const QObject* object) {
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

// The style elides a text wider than the room it paints it in.
bool fits(const QFont& font, const QString& text, int room) {
    return QFontMetrics(font).horizontalAdvance(text) <= room;
}

// Every shown section has a text, and the header of the current cell's column is painted in bold,
// so every text must fit in bold.
QStringList cutHeaders(const QHeaderView* header) {
    QFont bold = header->font();
    bold.setBold(true);
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    QStringList cut;
    for (int section = 0; section < header->count(); ++section) {
        const int size = header->sectionSize(section);
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        if (header->isSectionHidden(section) || size == 0) continue;
        if (text.isEmpty())
            cut << QStringLiteral("%1: no header for column %2").arg(nameOf(header->parent())).arg(section);
        if (!fits(bold, text, size - margins))
            cut << QStringLiteral("%1: header \"%2\" in %3 px").arg(nameOf(header->parent()), text).arg(size);
    }
    return cut;
}

// The first cell of the column that the view paints cut short.
QStringList cutCells(const QTableView* view, int column) {
    const int margins =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + (view->showGrid() ? 1 : 0);
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString text = model->index(row, column).data().toString();
        if (!fits(view->font(), text, view->columnWidth(column) - margins))
            return {QStringLiteral("%1: cell \"%2\" of column %3 in %4 px")
                        .arg(nameOf(view), text)
                        .arg(column)
                        .arg(view->columnWidth(column))};
    }
    return {};
}

// An arrow says what it does; any other push or tool button needs its text on the screen. (A check
// box may have its text in a label beside it.)
QStringList bareButtons(const QWidget* window) {
    QStringList bare;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const auto* tool = qobject_cast<const QToolButton*>(button);
        if (!button->isVisible() || (!tool && !qobject_cast<const QPushButton*>(button)) ||
            (tool && tool->arrowType() != Qt::NoArrow))
            continue;
        const bool iconOnly = tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull();
        if (button->text().isEmpty() || iconOnly) bare << nameOf(button) + QStringLiteral(": a button without a text");
    }
    return bare;
}

QStringList narrowFields(const QWidget* window) {
    QStringList narrow;
    for (const QLineEdit* field : window->findChildren<QLineEdit*>()) {
        if (!field->isVisible() || field->isReadOnly() || qobject_cast<const QAbstractSpinBox*>(field->parent()) ||
            qobject_cast<const QComboBox*>(field->parent()))
            continue;
        // A field's own size hint has room for 17 times "x" besides its frame and margins.
        const int x = field->fontMetrics().horizontalAdvance(QLatin1Char('x'));
        const int needed = field->sizeHint().width() - (17 - std::min(field->maxLength(), kTypedCharacters)) * x;
        if (field->width() < needed)
            narrow << QStringLiteral("%1: a text field of %2 px").arg(nameOf(field)).arg(field->width());
    }
    return narrow;
}

// A layout gives a widget less than its minimum only when the rest leaves no room: what it shows is
// cut.
QStringList squeezedWidgets(const QWidget* window) {
    QStringList squeezed;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->width() < widget->minimumSizeHint().width())
            squeezed << QStringLiteral("%1: %2 px of the %3 it needs")
                            .arg(nameOf(widget))
                            .arg(widget->width())
                            .arg(widget->minimumSizeHint().width());
    }
    return squeezed;
}

// A page of a tab widget sits in the tab widget's own stack.
QTabWidget* tabWidgetOf(QWidget* page) {
    QWidget* stack = page->parentWidget();
    auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs != nullptr && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

void showPage(QWidget* page) {
    for (QWidget* widget = page; widget != nullptr; widget = widget->parentWidget()) {
        if (QTabWidget* tabs = tabWidgetOf(widget)) tabs->setCurrentWidget(widget);
    }
    QCoreApplication::processEvents();
}

// The pages of every tab widget of the window, outer ones first.
QList<QWidget*> pagesOf(const QWidget* window) {
    QList<QWidget*> pages;
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int index = 0; index < tabs->count(); ++index) pages << tabs->widget(index);
    }
    return pages;
}

// UTF-8 bytes taken for Windows-1251 ("в„–" for "№") or for Latin-1 ("Ð", "Ñ").
QStringList mojibake(const QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (const QHeaderView* header : window->findChildren<QHeaderView*>()) {
        for (int section = 0; section < header->count(); ++section)
            texts << header->model()->headerData(section, header->orientation()).toString();
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) texts << button->text();
    for (const QGroupBox* box : window->findChildren<QGroupBox*>()) texts << box->title();
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int index = 0; index < tabs->count(); ++index) texts << tabs->tabText(index);
    }
    for (const QWidget* widget : window->findChildren<QWidget*>()) texts << widget->toolTip();
    QStringList wrong;
    for (const QString& text : texts) {
        for (const char* marker : {"в„", "Ð", "Ñ"}) {
            if (text.contains(QString::fromUtf8(marker)))
                wrong << QStringLiteral("\"%1\" read in the wrong code page").arg(text);
        }
    }
    return wrong;
}

bool always(QWidget*) { return true; }

}  // namespace

class LayoutTest : public test::DictionaryWindow {
    Q_OBJECT

    struct ShownWindow {
        const char* name;
        // Shows the window over the main window with the demo profile, hands it to the inspection
        // while it is on the screen (once per page for a window of pages) and closes it again.
        void (LayoutTest::*show)(const Inspect& inspect);
        // The grids it must show, each with its columns of numbers and codes.
        std::map<QString, std::vector<int>> grids;
    };

    static const std::vector<ShownWindow>& windows() {
        static const std::vector<ShownWindow> shown = {
            {"main window",
             &LayoutTest::showMainWindow,
             {{"StringGridProf", {0, 1, 2, 6}},
              {"StringGridScales", {0, 1, 2, 3, 4, 5}},
              {"StringGridTexts", {0}},
              {"sgBindedEnum", {0}},
              {"StringGridSets", {0}},
              {"sgBindedTexts", {0}}}},
            {"text picker", &LayoutTest::showTextPicker, {{"StringGridChooseText", {0}}}},
            {"import window", &LayoutTest::showEmptyImportWindow, {{"StringGridImport", {}}}},
            {"import window with a profile", &LayoutTest::showImportWindow, {{"StringGridImport", {0, 1, 2}}}},
            {"parameter window", &LayoutTest::showParameterWindow, {{"TreeViewFile", {}}, {"TreeViewProfile", {}}}},
            {"comparison window", &LayoutTest::showComparisonWindow, {{"GridComparison", {0, 1}}}},
            {"scale-coefficient question", &LayoutTest::showScaleMismatchQuestion, {{"TableMessage", {0, 1, 3}}}},
        };
        return shown;
    }

private slots:
    void cleanup() { m_run.reset(); }

    void windowsShowTheirTextsInFull_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("window");
        for (const auto& [language, options] :
             {std::pair{"Russian", "ProgLanguage=0"}, {"English", "ProgLanguage=1"}}) {
            for (std::size_t window = 0; window < windows().size(); ++window)
                QTest::addRow("%s, %s", windows()[window].name, language)
                    << QString::fromLatin1(options) << static_cast<int>(window);
        }
    }

    void windowsShowTheirTextsInFull() {
        QFETCH(QString, options);
        QFETCH(int, window);
        const ShownWindow& shown = windows()[static_cast<std::size_t>(window)];
        openWindow({}, options.toStdString() + "\r\n");
        QStringList problems;
        std::set<QString> gridsSeen;
        (this->*shown.show)([&](QWidget* inspected) {
            for (const QHeaderView* header : inspected->findChildren<QHeaderView*>()) {
                const auto* view = qobject_cast<const QAbstractItemView*>(header->parent());
                if (!view || !header->isVisible() || header->orientation() != Qt::Horizontal) continue;
                gridsSeen.insert(view->objectName());
                problems << cutHeaders(header);
                const auto grid = shown.grids.find(view->objectName());
                const auto* table = qobject_cast<const QTableView*>(view);
                for (const int column : grid != shown.grids.end() && table ? grid->second : std::vector<int>{})
                    problems << cutCells(table, column);
            }
            problems << bareButtons(inspected) << narrowFields(inspected) << squeezedWidgets(inspected)
                     << mojibake(inspected);
        });
        for (const auto& [grid, columns] : shown.grids) {
            if (gridsSeen.count(grid) == 0) problems << grid + QStringLiteral(": not on the screen");
        }
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

private:
    // Each page in turn; the texts page with a text bound to an enumeration, the enumerations page
    // with an enumeration that has bound texts.
    void showMainWindow(const Inspect& inspect) {
        QWidget* window = &m_run->window();
        for (QWidget* page : pagesOf(window)) {
            showPage(page);
            if (page->objectName() == QLatin1String("TabSheetTexts")) {
                auto* texts = m_run->find<QTableView>("StringGridTexts");
                auto* items = m_run->find<QTableView>("sgBindedEnum");
                for (int row = 0; row < texts->model()->rowCount() && items->model()->rowCount() == 0; ++row)
                    texts->setCurrentIndex(texts->model()->index(row, 1));
            }
            if (page->objectName() == QLatin1String("TabSheetEnums")) {
                auto* selector = m_run->find<QComboBox>("CBSet");
                auto* boundTexts = m_run->find<QWidget>("sgBindedTexts");
                for (int entry = 0; entry < selector->count() && !boundTexts->isVisible(); ++entry)
                    selector->setCurrentIndex(entry);
            }
            QCoreApplication::processEvents();  // the layouts follow the texts shown
            inspect(window);
        }
    }

    void showTextPicker(const Inspect& inspect) {
        test::whenShown("TFormChooseText", always, [&](QWidget* dialog) {
            inspect(dialog);
            dialog->findChild<QPushButton*>("ButtonCancel")->click();
        });
        doubleClickCell(firstSubindexRow(), editing::kShortTextColumn);
    }

    void showEmptyImportWindow(const Inspect& inspect) {
        menuItem("N_Import")->trigger();
        auto* window = m_run->window().findChild<QWidget*>("FormImportObjects");
        inspect(window);
        window->close();
    }

    void showImportWindow(const Inspect& inspect) {
        menuItem("N_Import")->trigger();
        auto* window = m_run->window().findChild<QWidget*>("FormImportObjects");
        m_run->dialogs.answer(m_run->profile());
        window->findChild<QPushButton*>("ButtonOpen")->click();
        inspect(window);
        window->close();
    }

    void showParameterWindow(const Inspect& inspect) {
        menuItem("N_LoadDefaults")->trigger();
        auto* window = m_run->window().findChild<QWidget*>("FormLoadDefaults");
        inspect(window);
        window->close();
    }

    void showComparisonWindow(const Inspect& inspect) {
        m_run->dialogs.answer(m_run->profile());
        m_run->find<QAbstractButton>("ButtonCompareWithFile")->click();
        auto* window = m_run->window().findChild<QWidget*>("FormComparison");
        inspect(window);
        window->close();
    }

    // The question of a parameter file whose first coefficient differs from the profile's.
    void showScaleMismatchQuestion(const Inspect& inspect) {
        session::Workspace& workspace = m_run->window().workspace();
        editing::ScaleComparison comparison{true, workspace.profile.scaleNumbers, 1};
        comparison.fromFile.resize(32);
        comparison.fromFile[0].possible_value = "12345.678";
        const std::vector<editing::ScaleMismatchRow> rows = editing::scaleMismatchRows(
            comparison, workspace.profile.scaleNumbers, editing::unitLists(workspace.sets, workspace.language));
        test::whenShown("FormMessage", always, [&](QWidget* dialog) {
            inspect(dialog);
            static_cast<QDialog*>(dialog)->reject();
        });
        QtMessagePort port;
        editing::askAboutScaleMismatch(rows, port, workspace.translator);
    }

    int firstSubindexRow() const {
        for (int r = 0; r < m_view->model()->rowCount(); ++r) {
            if (cell(r, 2) != QLatin1String("00h")) return r;
        }
        return -1;
    }
};

TABRIN_UI_TEST(LayoutTest)

}  // namespace tabrin::ui

#include "layout_test.moc"
