// The dialog "Копирование перечисления" (TFormCopySet): the user's enumerations to paste a copy
// into, bound to the core's copy logic.
#pragma once

#include <QDialog>

#include "editing/enumerationcopy.h"

class QListWidget;

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

class EnumerationCopyDialog : public QDialog {
    Q_OBJECT
public:
    EnumerationCopyDialog(editing::EnumerationCopy& copy, app::Translator& translator, QWidget* parent = nullptr);

    QListWidget* targets() const { return m_targets; }

private:
    void paste();

    editing::EnumerationCopy& m_copy;
    QListWidget* m_targets = nullptr;
};

}  // namespace tabrin::ui
