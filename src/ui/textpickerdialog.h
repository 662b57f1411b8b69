// The text picker "Выберите текст для объекта" (TFormChooseText): the text base's texts to choose
// the text of one object from, with the filter and the sort buttons.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "app/columnwidths.h"

class QAction;
class QCheckBox;
class QMenu;
class QLineEdit;
class QTableView;

namespace tabrin::app {
class Translator;
}
namespace tabrin::bases {
struct TextBaseElement;
}
namespace tabrin::editing {
class TextPicker;
enum class TextSortKey;
}  // namespace tabrin::editing

namespace tabrin::ui {

class TextPickerModel;

class TextPickerDialog : public QDialog {
    Q_OBJECT

public:
    /// Shows the rows of `picker`, which outlives the dialog, in columns of `widths`.
    TextPickerDialog(editing::TextPicker& picker, const app::ChooseTextColumnWidths& widths,
                     app::Translator& translator, QWidget* parent = nullptr);

    /// The text chosen with "OK" or a double click; nullptr while none is.
    const bases::TextBaseElement* chosen() const { return m_chosen; }
    /// The number of the text the user went to edit with "Перейти к редактированию" (the dialog
    /// closed without a choice); nothing otherwise.
    const std::optional<std::string>& textToEdit() const { return m_textToEdit; }
    /// The widths of the list's columns as shown.
    app::ChooseTextColumnWidths columnWidths() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSortBox();
    QWidget* buildSearchBox();
    void search();
    void sort(editing::TextSortKey key, QWidget* button);
    void choose();
    void selectRow(int row);
    void showNumberColumn();
    void offerEditing(const QPoint& position);
    void goToEditing();

    editing::TextPicker& m_picker;
    TextPickerModel* m_model;
    QTableView* m_list;
    QLineEdit* m_search = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_ownOnly = nullptr;
    QMenu* m_editingMenu;
    QAction* m_moveToEdit;
    int m_menuRow = -1;  // the row the context menu was opened over
    const bases::TextBaseElement* m_chosen = nullptr;
    std::optional<std::string> m_textToEdit;
};

}  // namespace tabrin::ui
