// The page "Настройки профиля" (TabSheet5): the generation settings of the open profile, each
// control committing its change as a command of the profile document.
#include "ui/profilesettingswidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/paths.h"
#include "editing/settingscommands.h"
#include "generators/filenaming.h"
#include "model/profilesettingspage.h"
#include "session/profilesession.h"
#include "session/workspace.h"
#include "ui/desktophelpers.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/qtfiledialogport.h"
#include "ui/radiogroup.h"

namespace tabrin::ui {
namespace {

using model::ProfileSettings;

QComboBox* comboBox(const char* name, const QStringList& items) {
    auto* combo = named(new QComboBox, name);
    combo->addItems(items);
    return combo;
}

QLabel* pathLabel() {
    auto* label = new QLabel;
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A path field with its picker button, and below them the caption and the absolute path.
QWidget* pathRow(QLineEdit* field, QPushButton* picker, QLabel* caption, QLabel* absolutePath) {
    auto* row = new QWidget;
    auto* layout = new QGridLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 0, 0, 1, 2);
    layout->addWidget(picker, 0, 2);
    layout->addWidget(caption, 1, 0);
    layout->addWidget(absolutePath, 1, 1, 1, 2);
    layout->setColumnStretch(1, 1);
    return row;
}

QPushButton* pickerButton(const char* name) { return named(new QPushButton(QStringLiteral("...")), name); }

}  // namespace

ProfileSettingsWidget::ProfileSettingsWidget(session::Workspace& workspace, session::ProfileSession& session,
                                             app::MessagePort& port, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_session(session), m_port(port) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(buildGroupSetRow());
    m_series = named(new RadioGroup(QStringLiteral("Тип выходного файла"),
                                    {QStringLiteral("Си-код"), QStringLiteral("Ассемблер x24")}),
                     "RadioGroupProc");
    layout->addWidget(m_series);
    layout->addWidget(buildCSeriesGroup());
    layout->addWidget(buildAssemblerGroup());
    layout->addWidget(buildControllerFolder());
    layout->addWidget(buildPanelTexts());
    m_oldGroups = named(new QCheckBox(QStringLiteral("Старые группы")), "CBOldGroups");
    layout->addWidget(m_oldGroups);
    layout->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroll);

    // The processor series only chooses which settings are shown; it is no change of the profile.
    connect(m_series, &RadioGroup::itemChosen, this, [this](int position) {
        m_workspace.document.chooseProcessorSeries(position == 0 ? model::ProcessorSeries::CCode
                                                                 : model::ProcessorSeries::Assembler);
        showSeries();
    });
    const auto storeFlag = [this](QCheckBox* box, bool ProfileSettings::*member) {
        connect(box, &QCheckBox::clicked, this, [this, member](bool checked) {
            commit([&](ProfileSettings& settings) { settings.*member = checked; });
        });
    };
    storeFlag(m_bigYa, &ProfileSettings::BigYA);
    storeFlag(m_m3Includes, &ProfileSettings::M3Includes);
    storeFlag(m_encryptFormats, &ProfileSettings::FormatType);
    storeFlag(m_vostInc, &ProfileSettings::Vost_inc);
    storeFlag(m_oldGroups, &ProfileSettings::old_groups);
    storeFlag(m_genVostC, &ProfileSettings::GenVostCToFolder);
    storeFlag(m_genPuTexts, &ProfileSettings::GenPUTextsToFolder);
    storeFlag(m_useOther, &ProfileSettings::PUUseOtherEnumIfNoGiven);
    connect(m_genVostC, &QCheckBox::toggled, m_vostCFolderGroup, &QGroupBox::setEnabled);
    connect(m_genPuTexts, &QCheckBox::toggled, m_puTextsGroup, &QGroupBox::setEnabled);
    const auto storePosition = [this](QComboBox* combo, int ProfileSettings::*member) {
        connect(combo, &QComboBox::activated, this, [this, member](int position) {
            commit([&](ProfileSettings& settings) { settings.*member = position; });
        });
    };
    storePosition(m_puCodeType, &ProfileSettings::PUCodeType);
    storePosition(m_puTextsType, &ProfileSettings::PUTextsType);
    storePosition(m_puEnumsType, &ProfileSettings::PUEnumsType);

    // Typing goes on in one field while the focus stays there: its keys make one command.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++m_typingSession; });
    // Changes made elsewhere (undo, redo, opening) are shown, and the controller file of a newly
    // chosen configuration; the page's own changes are shown already.
    m_subscription = m_workspace.document.listen([this](const editing::DocumentChange& change) {
        using editing::ChangeKind;
        if (!m_committing && editing::touches(change.kinds, ChangeKind::Settings | ChangeKind::Configurations))
            showProfile();
    });
}

void ProfileSettingsWidget::commit(const std::function<void(ProfileSettings&)>& change, int typingSession) {
    m_committing = true;
    m_workspace.document.push(
        editing::settingsFieldChange(m_workspace.profile, change, m_workspace.translator, typingSession));
    m_committing = false;
}

void ProfileSettingsWidget::commit(std::unique_ptr<editing::Command> command) {
    m_committing = true;
    m_workspace.document.push(std::move(command));
    m_committing = false;
}

QWidget* ProfileSettingsWidget::buildGroupSetRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(new QLabel(QStringLiteral("Перечисление для групп")), "LabelGroupSet"));
    m_groupSet = named(new QComboBox, "CBGroupSet");
    m_groupSet->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_groupSet->setMinimumContentsLength(40);
    layout->addWidget(m_groupSet, 1);
    connect(m_groupSet, &QComboBox::activated, this, [this](int position) {
        commit(editing::groupSetChoice(m_workspace.profile, m_groupSetEntries[static_cast<std::size_t>(position)],
                                       m_workspace.translator));
    });
    return row;
}

QGroupBox* ProfileSettingsWidget::buildCSeriesGroup() {
    m_cSeries = named(new QGroupBox(QStringLiteral("Настройки генерации выходного файла")), "GroupBoxCSettings");
    m_canModule = comboBox("CBCANNum", {QStringLiteral("Процессор с одним модулем CAN"),
                                        QStringLiteral("1-ый модуль CANopen"), QStringLiteral("2-ой модуль CANopen")});
    connect(m_canModule, &QComboBox::activated, this, &ProfileSettingsWidget::chooseCanModule);

    m_addrComm = named(new QLineEdit, "EditAddrComm");
    m_addrUser = named(new QLineEdit, "EditAddrUser");
    const auto bindAddress = [this](QLineEdit* field, model::AddressField which) {
        connect(field, &QLineEdit::returnPressed, this, [this, field, which] {
            model::ProfileSettings settings = m_workspace.profile.settings;
            if (model::storeAddress(settings, which, fromQString(field->text())))
                commit([&](ProfileSettings& stored) { stored = settings; });
        });
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), field, nullptr, nullptr, Qt::WidgetShortcut);
        connect(escape, &QShortcut::activated, this, &ProfileSettingsWidget::showAddresses);
    };
    bindAddress(m_addrComm, model::AddressField::Comm);
    bindAddress(m_addrUser, model::AddressField::User);
    auto* addressLabel = named(new QLabel(QStringLiteral("Смещение в ЭнОЗУ частей словаря:\r\n"
                                                         "    1000-2FFF индексы - обязательная часть         :\r\n"
                                                         "    3000-5FFF индексы - пользовательская часть :\r\n"
                                                         "    (для ввода нажать ENTER)")),
                               "LabelAddr");

    m_bigYa = named(new QCheckBox(QStringLiteral("Заменять маленькие \"я\" на большие \"Я\" в файле vost.c")),
                    "CheckBoxBigYA");
    m_m3Includes = named(new QCheckBox(QStringLiteral("include'ы для проекта на Cortex M3")), "CheckBoxM3Includes");
    // Format words of C-code profiles are always encrypted: the box is checked and never shown.
    m_encryptFormats =
        named(new QCheckBox(QStringLiteral("Шифровать форматы при генерации словаря")), "CheckBoxEncryptFormats");
    m_encryptFormats->setChecked(true);
    m_encryptFormats->setVisible(false);

    auto* layout = new QGridLayout(m_cSeries);
    layout->addWidget(m_canModule, 0, 0, 1, 2);
    layout->addWidget(addressLabel, 1, 0, 4, 1);
    layout->addWidget(m_addrComm, 2, 1);
    layout->addWidget(m_addrUser, 3, 1);
    layout->addWidget(m_bigYa, 5, 0, 1, 2);
    layout->addWidget(m_m3Includes, 6, 0, 1, 2);
    layout->addWidget(m_encryptFormats, 7, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return m_cSeries;
}

QGroupBox* ProfileSettingsWidget::buildAssemblerGroup() {
    m_assembler =
        named(new QGroupBox(QStringLiteral("Настройки генерации ассемблерного файла")), "GroupBoxAsmSettings");
    m_vostInc = named(new QCheckBox(QStringLiteral("Закоментировать vost.inc для 24xx")), "CheckBoxVost_inc");
    auto* layout = new QVBoxLayout(m_assembler);
    layout->addWidget(m_vostInc);
    return m_assembler;
}

QLineEdit* ProfileSettingsWidget::pathField(const char* name, std::string ProfileSettings::*member) {
    auto* field = named(new QLineEdit, name);
    // A character the profile cannot hold is taken back out of the field.
    connect(field, &QLineEdit::textEdited, this, [this, field, member](const QString& text) {
        if (!storePath(member, fromQPath(text), m_typingSession))
            field->setText(toQString(m_workspace.profile.settings.*member));
    });
    return field;
}

bool ProfileSettingsWidget::storePath(std::string ProfileSettings::*member, const std::string& text,
                                      int typingSession) {
    std::string stored;
    if (!model::storePathText(stored, m_session.path(), text, m_port, m_workspace.translator)) return false;
    commit([&](ProfileSettings& settings) { settings.*member = stored; }, typingSession);
    showPathLabels();
    return true;
}

QString ProfileSettingsWidget::pickerFolder(const std::string& stored, bool storedIsFile) const {
    if (stored.empty()) return QFileInfo(toQPath(m_session.path())).path();
    const QString resolved = toQPath(app::resolve(m_session.path(), app::pathFromStored(stored)));
    return storedIsFile ? QFileInfo(resolved).path() : resolved;
}

QWidget* ProfileSettingsWidget::buildControllerFolder() {
    m_controllerFolder = new QWidget;
    m_genVostC =
        named(new QCheckBox(QStringLiteral("Автоматически генерировать файл 'vost.c' в папку")), "cbGenVostCToFolder");
    m_vostCFolderGroup = named(new QGroupBox, "gbVostCFolder");
    m_vostCFolder = pathField("editVostCFolder", &ProfileSettings::VostCFolder);
    auto* picker = pickerButton("btnSelectVostCFolder");
    connect(picker, &QPushButton::clicked, this, &ProfileSettingsWidget::chooseControllerFolder);
    m_vostCAbsPath = pathLabel();
    auto* groupLayout = new QVBoxLayout(m_vostCFolderGroup);
    groupLayout->addWidget(pathRow(
        m_vostCFolder, picker, named(new QLabel(QStringLiteral("Абсолютный путь:")), "VostCAbsPath"), m_vostCAbsPath));
    auto* layout = new QVBoxLayout(m_controllerFolder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_genVostC);
    layout->addWidget(m_vostCFolderGroup);
    return m_controllerFolder;
}

QWidget* ProfileSettingsWidget::buildPanelTexts() {
    m_panelTexts = new QWidget;
    m_genPuTexts =
        named(new QCheckBox(QStringLiteral("Автоматически генерировать файлы текстов для ПУ")), "cbGenPUTexts");
    m_puTextsGroup = named(new QGroupBox, "gbGenPUTexts");
    m_puCodeType = comboBox("cbPUCodeType", {QStringLiteral("Си для 28x"), QStringLiteral("Си с упаковкой для 2808"),
                                             QStringLiteral("Си для ПУ HIWIN")});
    m_puTextsType =
        comboBox("cbPUTextsType", {QStringLiteral("Длинные русские тексты"),
                                   QStringLiteral("Длинные английские тексты"), QStringLiteral("Короткие тексты")});
    m_puEnumsType =
        comboBox("cbPUEnumsType",
                 {QStringLiteral("Длинные русские перечисления"), QStringLiteral("Длинные английские перечисления"),
                  QStringLiteral("Короткие русские перечисления"), QStringLiteral("Короткие английские перечисления")});
    m_useOther = named(new QCheckBox, "cbUseOtherIfNoGiven");
    auto* useOtherLabel =
        named(new QLabel(QStringLiteral("Если в перечислении отсутствует текст требуемого типа, то использовать первый "
                                        "непустой текст (в приоритете - длинный текст на текущем языке)")),
              "LabelUseOtherIfNoGiven");
    useOtherLabel->setWordWrap(true);
    auto* useOtherRow = new QHBoxLayout;
    useOtherRow->addWidget(m_useOther);
    useOtherRow->addWidget(useOtherLabel, 1);

    m_hPath = pathField("editPUTextsHPath", &ProfileSettings::PUTextsHPath);
    m_cPath = pathField("editPUTextsCPath", &ProfileSettings::PUTextsCPath);
    auto* hPicker = pickerButton("btnSelectPUTextsHPath");
    auto* cPicker = pickerButton("btnSelectPUTextsCPath");
    connect(hPicker, &QPushButton::clicked, this, [this] {
        choosePanelFile(m_hPath, &ProfileSettings::PUTextsHPath, "Header files (*.h)|*.h|All files|*.*");
    });
    connect(cPicker, &QPushButton::clicked, this, [this] {
        choosePanelFile(m_cPath, &ProfileSettings::PUTextsCPath, "Source files (*.c;*.cpp)|*.c;*.cpp|All files|*.*");
    });
    m_hAbsPath = pathLabel();
    m_cAbsPath = pathLabel();
    m_hInc = named(new QLineEdit, "editPUTextsHInc");
    m_cInc = named(new QLineEdit, "editPUTextsCInc");
    connect(m_hInc, &QLineEdit::textEdited, this, [this](const QString& text) {
        commit([&](ProfileSettings& settings) { settings.PUTextsHInc = fromQString(text); }, m_typingSession);
    });
    connect(m_cInc, &QLineEdit::textEdited, this, [this](const QString& text) {
        commit([&](ProfileSettings& settings) { settings.PUTextsCInc = fromQString(text); }, m_typingSession);
    });

    auto* groupLayout = new QVBoxLayout(m_puTextsGroup);
    groupLayout->addWidget(m_puCodeType);
    groupLayout->addWidget(m_puTextsType);
    groupLayout->addWidget(m_puEnumsType);
    groupLayout->addLayout(useOtherRow);
    groupLayout->addWidget(pathRow(
        m_hPath, hPicker, named(new QLabel(QStringLiteral("Заголовочный файл:")), "TextsHAbsPath"), m_hAbsPath));
    auto* hIncRow = new QHBoxLayout;
    hIncRow->addWidget(named(new QLabel(QStringLiteral("#include")), "LabelPUTextsHInc"));
    hIncRow->addWidget(m_hInc, 1);
    groupLayout->addLayout(hIncRow);
    groupLayout->addWidget(
        pathRow(m_cPath, cPicker, named(new QLabel(QStringLiteral("Си-файл:")), "TextsCAbsPath"), m_cAbsPath));
    auto* cIncRow = new QHBoxLayout;
    cIncRow->addWidget(named(new QLabel(QStringLiteral("#include")), "LabelPUTextsCInc"));
    cIncRow->addWidget(m_cInc, 1);
    groupLayout->addLayout(cIncRow);

    auto* layout = new QVBoxLayout(m_panelTexts);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_genPuTexts);
    layout->addWidget(m_puTextsGroup);
    return m_panelTexts;
}

QStringList ProfileSettingsWidget::canModuleItems() const {
    QStringList items;
    for (int position = 0; position < m_canModule->count(); ++position) items << m_canModule->itemText(position);
    return items;
}

void ProfileSettingsWidget::showGroupSetEntries(const std::vector<std::string>& entries) {
    m_groupSetEntries = entries;
    m_groupSet->clear();
    for (const std::string& entry : entries) m_groupSet->addItem(toQString(entry));
    m_groupSet->setCurrentIndex(model::groupSetEntryPosition(entries, m_workspace.profile.settings.group_set));
}

void ProfileSettingsWidget::showProfile() {
    const ProfileSettings& settings = m_workspace.profile.settings;
    m_groupSet->setCurrentIndex(model::groupSetEntryPosition(m_groupSetEntries, settings.group_set));
    m_series->setItemIndex(settings.proc_series == model::ProcessorSeries::CCode ? 0 : 1);
    m_canModule->setCurrentIndex(settings.prefix);
    m_bigYa->setChecked(settings.BigYA);
    m_m3Includes->setChecked(settings.M3Includes);
    m_encryptFormats->setChecked(settings.FormatType);
    m_vostInc->setChecked(settings.Vost_inc);
    m_oldGroups->setChecked(settings.old_groups);
    m_genVostC->setChecked(settings.GenVostCToFolder);
    m_vostCFolderGroup->setEnabled(settings.GenVostCToFolder);
    m_vostCFolder->setText(toQString(settings.VostCFolder));
    m_genPuTexts->setChecked(settings.GenPUTextsToFolder);
    m_puTextsGroup->setEnabled(settings.GenPUTextsToFolder);
    m_puCodeType->setCurrentIndex(settings.PUCodeType);
    m_puTextsType->setCurrentIndex(settings.PUTextsType);
    m_puEnumsType->setCurrentIndex(settings.PUEnumsType);
    m_useOther->setChecked(settings.PUUseOtherEnumIfNoGiven);
    m_hPath->setText(toQString(settings.PUTextsHPath));
    m_hInc->setText(toQString(settings.PUTextsHInc));
    m_cPath->setText(toQString(settings.PUTextsCPath));
    m_cInc->setText(toQString(settings.PUTextsCInc));
    showSeries();
    showAddresses();
    showPathLabels();
}

void ProfileSettingsWidget::chooseCanModule(int position) {
    const std::string itemText = fromQString(m_canModule->itemText(position));
    if (auto choice = editing::canModuleChoice(m_workspace.profile, position, itemText, m_workspace.translator))
        commit(std::move(choice));
    m_canModule->setCurrentIndex(position);
    showAddresses();
    showPathLabels();
}

void ProfileSettingsWidget::setAddressesReadOnly(bool readOnly) {
    m_addrComm->setReadOnly(readOnly);
    m_addrUser->setReadOnly(readOnly);
}

void ProfileSettingsWidget::showSeries() {
    const bool cCode = m_workspace.profile.settings.proc_series == model::ProcessorSeries::CCode;
    m_cSeries->setVisible(cCode);
    m_controllerFolder->setVisible(cCode);
    m_panelTexts->setVisible(cCode);
    m_assembler->setVisible(!cCode);
}

void ProfileSettingsWidget::showAddresses() {
    const model::AddressFieldsView view = model::addressFieldsView(m_workspace.profile.settings);
    m_addrComm->setEnabled(view.enabled);
    m_addrUser->setEnabled(view.enabled);
    m_addrComm->setText(toQString(view.comm));
    m_addrUser->setText(toQString(view.user));
}

void ProfileSettingsWidget::showPathLabels() {
    const ProfileSettings& settings = m_workspace.profile.settings;
    m_vostCAbsPath->setText(toQPath(generators::controllerFileName(m_workspace.profile)));
    m_hAbsPath->setText(toQPath(app::resolve(m_session.path(), app::pathFromStored(settings.PUTextsHPath))));
    m_cAbsPath->setText(toQPath(app::resolve(m_session.path(), app::pathFromStored(settings.PUTextsCPath))));
}

void ProfileSettingsWidget::chooseControllerFolder() {
    const QString chosen =
        selectFolder(pickerFolder(m_workspace.profile.settings.VostCFolder, false), this,
                     translatedText(m_workspace.translator, "Выберите целевую папку для генерации файла 'vost.c'"));
    if (chosen.isEmpty()) return;
    if (storePath(&ProfileSettings::VostCFolder, fromQPath(chosen)))
        m_vostCFolder->setText(toQString(m_workspace.profile.settings.VostCFolder));
}

void ProfileSettingsWidget::choosePanelFile(QLineEdit* field, std::string ProfileSettings::*member,
                                            const char* filter) {
    const QString chosen = QFileDialog::getSaveFileName(
        this, QString(), pickerFolder(m_workspace.profile.settings.*member, true), qtNameFilters(filter));
    if (chosen.isEmpty()) return;
    if (storePath(member, fromQPath(chosen))) field->setText(toQString(m_workspace.profile.settings.*member));
}

}  // namespace tabrin::ui
