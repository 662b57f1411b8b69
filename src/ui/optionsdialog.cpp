// The options dialog "Настройки Tabrin" (TFormOptions): the settings the user may change.
#include "ui/optionsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUuid>
#include <QVBoxLayout>

#include "ui/digitspinbox.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

// Controls stand one below the other, 8 pixels apart and 8 pixels from the dialog's edges.
constexpr int kGap = 8;

QLabel* label(const QString& text, const char* name) { return named(new QLabel(text), name); }

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets) layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

}  // namespace

OptionsDialog::OptionsDialog(app::Settings& settings, app::MessagePort& port, app::Translator& translator,
                             QWidget* parent)
    : QDialog(parent), m_settings(settings), m_port(port), m_translator(translator) {
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Настройки Tabrin"));
    buildControls();
    translateWindow(this, translator);
    showValues(app::optionsFromSettings(settings));
}

void OptionsDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kGap, kGap, kGap, kGap);
    layout->setSpacing(kGap);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    layout->addWidget(label(QStringLiteral("Язык интерфейса (изменится после перезагрузки)"), "LabelLanguage"));
    m_language = named(new QComboBox, "ComboBoxLanguage");
    m_language->addItems({QStringLiteral("Русский (Russian)"), QStringLiteral("English")});
    layout->addWidget(m_language);

    auto* reserv = named(new QGroupBox(QStringLiteral("Нужное количество зарезервированных")), "GroupBoxReserv");
    m_textReserv = named(new DigitSpinBox(app::textReservRange), "CSpinEditTextReserv");
    m_setReserv = named(new DigitSpinBox(app::setReservRange), "CSpinEditSetReserv");
    auto* reservLayout = new QVBoxLayout(reserv);
    reservLayout->addLayout(row({label(QStringLiteral("Текстов:"), "LabelTextReserv"), m_textReserv}));
    reservLayout->addLayout(row({label(QStringLiteral("Перечислений:"), "LabelSetReserv"), m_setReserv}));
    layout->addWidget(reserv);

    auto* autoSave = named(new QGroupBox(QStringLiteral("Автосохранение профиля")), "GroupBoxAutoSave");
    m_autoSave = named(new QCheckBox(QStringLiteral("Включить")), "CheckBoxAutoSave");
    m_autoSavePeriod = named(new DigitSpinBox(app::autoSavePeriodRange), "CSpinEditAutoSavePeriod");
    m_backup = named(new QCheckBox(QStringLiteral("Сохранять резервную копию (.back)")), "CheckBoxBackup");
    auto* autoSaveLayout = new QVBoxLayout(autoSave);
    autoSaveLayout->addWidget(m_autoSave);
    autoSaveLayout->addLayout(row({label(QStringLiteral("Период"), "LabelAutoSavePeriod"), m_autoSavePeriod,
                                   label(QStringLiteral("секунд"), "LabelAutoSaveSeconds")}));
    autoSaveLayout->addWidget(m_backup);
    layout->addWidget(autoSave);

    m_saveAtGeneration =
        named(new QCheckBox(QStringLiteral("Сохранять XML-файл профиля при генерации словаря")), "CheckBoxSaveAtGen");
    layout->addWidget(m_saveAtGeneration);

    auto* shared = named(new QGroupBox(QStringLiteral("Настройки, общие для всех пользователей")), "gbSharedConfig");
    shared->setToolTip(QStringLiteral("Эти настройки являются общими для всех пользователей текущей базы данных"));
    m_vendorToken = named(new QLineEdit, "eVendorToken");
    m_vendorToken->setMaxLength(8);
    auto* generate = named(new QPushButton(QStringLiteral("Создать")), "btGenVendorToken");
    generate->setToolTip(QStringLiteral("Сгенерировать случайный ключ"));
    auto* remove = named(new QPushButton(QStringLiteral("Удалить")), "btDelVendorToken");
    remove->setToolTip(QStringLiteral("Удалить ключ"));
    auto* sharedLayout = new QVBoxLayout(shared);
    sharedLayout->addLayout(
        row({label(QStringLiteral("Ключ производителя"), "LabelVendorToken"), m_vendorToken, generate, remove}));
    layout->addWidget(shared);
    connect(generate, &QPushButton::clicked, this,
            [this] { m_vendorToken->setText(toQString(app::vendorTokenText(QUuid::createUuid().data1))); });
    connect(remove, &QPushButton::clicked, m_vendorToken, &QLineEdit::clear);

    auto* xmlProgram =
        named(new QGroupBox(QStringLiteral("Стандартная программа для открытия XML-файлов")), "GroupBoxXMLProg");
    m_xmlProgPath = named(new QLineEdit, "EditOpenDialogXMLProgPath");
    m_xmlProgPath->setMinimumWidth(300);
    auto* browse = named(new QPushButton(QStringLiteral("...")), "ButtonXMLProgPath");
    auto* xmlLayout = new QHBoxLayout(xmlProgram);
    xmlLayout->addWidget(m_xmlProgPath);
    xmlLayout->addWidget(browse);
    layout->addWidget(xmlProgram);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::chooseXmlProgram);

    auto* recent = named(new QGroupBox(QStringLiteral("Последние использованные профили")), "gbRecentProfiles");
    m_lastOpen = named(new QCheckBox(QStringLiteral("Открывать последний при запуске")), "CheckBoxLastOpen");
    m_lastNum = named(new DigitSpinBox(app::rememberLastNumRange), "seLastNum");
    auto* recentLayout = new QVBoxLayout(recent);
    recentLayout->addWidget(m_lastOpen);
    recentLayout->addLayout(row({label(QStringLiteral("Запоминать последние"), "LabelLastNum"), m_lastNum,
                                 label(QStringLiteral("профилей"), "LabelLastNumProfiles")}));
    layout->addWidget(recent);

    m_promptSync = named(new QCheckBox(QStringLiteral("Предлагать синхронизацию с удалённой БД при выходе")),
                         "cbPromptSyncOnClose");
    layout->addWidget(m_promptSync);

    auto* ok = named(new QPushButton(QStringLiteral("OK")), "ButtonOK");
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Отмена")), "ButtonCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::showValues(const app::OptionsValues& values) {
    m_language->setCurrentIndex(values.language);
    m_textReserv->setValue(values.textReservCnt);
    m_setReserv->setValue(values.setReservCnt);
    m_autoSave->setChecked(values.profAutoSave);
    m_autoSavePeriod->setValue(values.autoSavePeriod);
    m_backup->setChecked(values.autoSaveBackup);
    m_saveAtGeneration->setChecked(values.saveAtGeneration);
    m_vendorToken->setText(toQString(values.vendorToken));
    m_xmlProgPath->setText(toQPath(values.xmlProgPath));
    m_lastOpen->setChecked(values.lastProfOpen);
    m_lastNum->setValue(values.rememberLastNum);
    m_promptSync->setChecked(values.promptSyncOnClose);
}

app::OptionsValues OptionsDialog::shownValues() const {
    return {m_language->currentIndex(),
            m_textReserv->value(),
            m_setReserv->value(),
            m_autoSave->isChecked(),
            m_autoSavePeriod->value(),
            m_backup->isChecked(),
            m_saveAtGeneration->isChecked(),
            fromQString(m_vendorToken->text()),
            fromQPath(m_xmlProgPath->text()),
            m_lastOpen->isChecked(),
            m_lastNum->value(),
            m_promptSync->isChecked()};
}

void OptionsDialog::chooseXmlProgram() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), m_xmlProgPath->text(),
                                     translatedText(m_translator, "Приложения") + QStringLiteral(" (*.exe);;") +
                                         translatedText(m_translator, "все файлы") + QStringLiteral(" (*)"));
    if (!chosen.isEmpty()) m_xmlProgPath->setText(chosen);
}

void OptionsDialog::confirm() {
    const app::OptionsAcceptance acceptance = app::acceptOptions(shownValues(), m_settings, m_port, m_translator);
    m_tokenChanged = acceptance.tokenChanged;
    if (acceptance.closeDialog) accept();
}

}  // namespace tabrin::ui
