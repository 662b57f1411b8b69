// The page "Пульт управления" (TabSheetPU): panel text files of chosen profiles, the C header for
// the panels and the free-text conversion into panel character codes.
#include "ui/panelpage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "panel/panelpage.h"
#include "panel/panelwords.h"
#include "session/panelenvironment.h"
#include "session/workspace.h"
#include "ui/named.h"
#include "ui/profileselectdialog.h"
#include "ui/qtext.h"

namespace tabrin::ui {
namespace {

// The box shows lines; the files keep Windows line ends.
QString shownLines(const std::string& text) {
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPlainTextEdit* resultBox(const char* name) {
    auto* box = named(new QPlainTextEdit, name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

}  // namespace

PanelPage::PanelPage(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                     QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_port(port),
      m_dialogs(dialogs),
      m_type(named(new QComboBox, "CB_PUType")),
      m_profileTexts(named(new QPushButton(QStringLiteral("Создать файл текстов по выбр. профилю")), "BProfText")),
      m_header(named(new QPushButton(QStringLiteral("header для ПУ на Си")), "ButtonPUHeaderC")),
      m_texts(resultBox("RichTexts")),
      m_progress(named(new QProgressBar, "ProgressBarTexts")),
      m_freeText(named(new QLineEdit(QStringLiteral("Введите текст")), "EditText")),
      m_freeTextWords(resultBox("MemoPU")) {
    setObjectName(QStringLiteral("TabSheetPU"));
    m_type->addItems({QStringLiteral("Ассемблер для 240x (А)"), QStringLiteral("Ассемблер для 240x (Ш)"),
                      QStringLiteral("Си для 28x"), QStringLiteral("Си с упаковкой для 2808"),
                      QStringLiteral("Си для ПУ HIWIN")});
    m_type->setCurrentIndex(-1);
    m_profileTexts->setEnabled(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    auto* warning = named(new QLabel(QStringLiteral("ВНИМАНИЕ! Для правильного создания файла текстов следует \r\n"
                                                    "предварительно синхронизировать базы текстов и перечислений ")),
                          "Label8");
    auto* freeTextBox = named(
        new QGroupBox(QStringLiteral("Поле перевода произвольного текста в кодировку пульта оперативного управления")),
        "GroupBoxFreeText");
    auto* freeTextLayout = new QVBoxLayout(freeTextBox);
    freeTextLayout->addWidget(m_freeText);
    freeTextLayout->addWidget(m_freeTextWords);

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_type);
    controls->addWidget(m_profileTexts);
    controls->addWidget(m_header);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(warning);
    layout->addWidget(m_texts, 3);
    layout->addWidget(m_progress);
    layout->addWidget(freeTextBox, 1);

    connect(m_type, &QComboBox::currentIndexChanged, this, [this](int type) { m_profileTexts->setEnabled(type >= 0); });
    connect(m_profileTexts, &QPushButton::clicked, this, &PanelPage::generateForProfiles);
    connect(m_header, &QPushButton::clicked, this, &PanelPage::generateHeader);
    connect(m_freeText, &QLineEdit::textChanged, this, &PanelPage::convertFreeText);
}

panel::GenerationProgress PanelPage::progress() {
    return {[this](int percent) { m_progress->setValue(percent); }, [] { QCoreApplication::processEvents(); }};
}

void PanelPage::generateForProfiles() {
    ProfileSelectDialog dialog(m_workspace, m_dialogs, this);
    dialog.exec();
    const panel::PanelTextsRequest request{
        dialog.chosenProfiles(), *panel::panelTypeFromNumber(m_type->currentIndex()), dialog.textChoice(), {}, {}};
    showGeneration(
        [&](const panel::PanelEnvironment& environment) { return panel::generatePanelTexts(request, environment); });
}

// The header declares the same for every panel type but the packed one, so it needs no type chosen.
void PanelPage::generateHeader() {
    const panel::PanelType type = panel::panelTypeFromNumber(m_type->currentIndex()).value_or(panel::PanelType::C28x);
    showGeneration([&](const panel::PanelEnvironment& environment) {
        return panel::generatePanelHeader(type, {}, {}, environment);
    });
}

// While the window handles its events during a generation, the controls must not start another.
void PanelPage::showGeneration(
    const std::function<panel::GenerationResult(const panel::PanelEnvironment&)>& generation) {
    m_type->setEnabled(false);
    m_profileTexts->setEnabled(false);
    m_header->setEnabled(false);
    m_texts->setPlainText(toQString(panel::generationWaitText(m_workspace.translator)));
    const panel::GenerationResult result = generation(session::panelEnvironment(m_workspace, m_port, progress()));
    if (const std::optional<std::string> text = panel::resultBoxText(result, m_workspace.translator))
        m_texts->setPlainText(shownLines(*text));
    m_type->setEnabled(true);
    m_header->setEnabled(true);
    m_profileTexts->setEnabled(m_type->currentIndex() >= 0);
}

void PanelPage::convertFreeText() {
    QStringList lines;
    for (const std::string& line : panel::freeTextLines(fromQString(m_freeText->text()))) lines << toQString(line);
    m_freeTextWords->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace tabrin::ui
