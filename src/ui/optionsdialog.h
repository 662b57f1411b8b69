// The options dialog "Настройки Tabrin" (TFormOptions): the settings the user may change.
#pragma once

#include <QDialog>

#include "app/optionsvalues.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::ui {

class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    /// Shows the values of `settings`; "OK" stores into them.
    OptionsDialog(app::Settings& settings, app::MessagePort& port, app::Translator& translator,
                  QWidget* parent = nullptr);

    /// Whether "OK" stored a new vendor token.
    bool tokenChanged() const { return m_tokenChanged; }

private:
    void buildControls();
    void showValues(const app::OptionsValues& values);
    app::OptionsValues shownValues() const;
    void chooseXmlProgram();
    void confirm();

    app::Settings& m_settings;
    app::MessagePort& m_port;
    app::Translator& m_translator;
    bool m_tokenChanged = false;

    QComboBox* m_language = nullptr;
    QSpinBox* m_textReserv = nullptr;
    QSpinBox* m_setReserv = nullptr;
    QCheckBox* m_autoSave = nullptr;
    QSpinBox* m_autoSavePeriod = nullptr;
    QCheckBox* m_backup = nullptr;
    QCheckBox* m_saveAtGeneration = nullptr;
    QLineEdit* m_vendorToken = nullptr;
    QLineEdit* m_xmlProgPath = nullptr;
    QCheckBox* m_lastOpen = nullptr;
    QSpinBox* m_lastNum = nullptr;
    QCheckBox* m_promptSync = nullptr;
};

}  // namespace tabrin::ui
