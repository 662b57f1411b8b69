// The statistics window "Статистика" (TFormTextStats) of the shared-database synchronisation.
#pragma once

#include <QDialog>

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

/// A read-only text box and a close button. It is created with the main window and shown only by
/// the synchronisation, which stays inactive without a shared database.
class TextStatsWindow : public QDialog {
    Q_OBJECT

public:
    explicit TextStatsWindow(app::Translator& translator, QWidget* parent = nullptr);
};

}  // namespace tabrin::ui
