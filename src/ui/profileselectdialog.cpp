// The profile-selection dialog TFormProfSelect of the control-panel page: the profile files of a
// panel text file and the kinds of texts and enumerations it shows.
#include "ui/profileselectdialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/cp1251.h"
#include "app/filedialogport.h"
#include "panel/panelpage.h"
#include "session/workspace.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/radiogroup.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

constexpr std::string_view kProfileFilter = "XML-файлы (*.xml)|*.xml|все файлы|*.*";

// The items depend on the interface language, so they come translated and stay out of the window's
// own translation, which would take them for fixed texts.
RadioGroup* kindGroup(const QString& title, const panel::KindChoice& choice, std::vector<int>& kinds) {
    QStringList items;
    for (const std::string& item : choice.items) items << toQString(item);
    auto* group = new RadioGroup(title, items);
    group->setItemIndex(choice.defaultPosition);
    kinds = choice.kinds;
    return group;
}

int kindAt(const std::vector<int>& kinds, int position) {
    return position >= 0 && position < static_cast<int>(kinds.size()) ? kinds[static_cast<std::size_t>(position)]
                                                                      : kinds.front();
}

}  // namespace

ProfileSelectDialog::ProfileSelectDialog(session::Workspace& workspace, app::FileDialogPort& dialogs, QWidget* parent)
    : QDialog(parent),
      m_workspace(workspace),
      m_dialogs(dialogs),
      m_profiles(named(new QPlainTextEdit, "MemoProfs")),
      m_useOther(named(new QCheckBox, "cbUseOtherIfNoGiven")) {
    setObjectName(QStringLiteral("FormProfSelect"));
    setWindowTitle(QStringLiteral("Выберите профили для создания файла текстов"));
    m_profiles->setReadOnly(true);
    m_profiles->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* add = named(new QPushButton(QStringLiteral("Добавить")), "ButtonAdd");
    auto* ok = named(new QPushButton(QStringLiteral("OK")), "ButtonOK");
    m_useOther->setChecked(true);
    auto* useOtherLabel =
        named(new QLabel(QStringLiteral("Если в перечислении отсутствует текст требуемого типа, то использовать первый "
                                        "непустой текст (в приоритете - длинный текст на текущем языке)")),
              "LabelUseOther");
    useOtherLabel->setWordWrap(true);
    translateWindow(this, workspace.translator);

    m_texts = kindGroup(translatedText(workspace.translator, "Генерировать тексты"),
                        panel::textKindChoice(workspace.language, workspace.translator), m_textKinds);
    m_enumerations =
        kindGroup(translatedText(workspace.translator, "Генерировать перечисления"),
                  panel::enumerationKindChoice(workspace.language, workspace.translator), m_enumerationKinds);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_texts);
    kinds->addWidget(m_enumerations);
    auto* useOther = new QHBoxLayout;
    useOther->addWidget(m_useOther, 0, Qt::AlignTop);
    useOther->addWidget(useOtherLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_profiles, 1);
    layout->addLayout(kinds);
    layout->addLayout(useOther);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(add, &QPushButton::clicked, this, &ProfileSelectDialog::addProfiles);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_chosen = m_listed;
        accept();
    });
}

panel::PanelTextChoice ProfileSelectDialog::textChoice() const {
    return {kindAt(m_textKinds, m_texts->itemIndex()), kindAt(m_enumerationKinds, m_enumerations->itemIndex()),
            m_useOther->isChecked()};
}

// The file dialog opens as soon as the dialog is on the screen.
void ProfileSelectDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &ProfileSelectDialog::addProfiles);
}

void ProfileSelectDialog::addProfiles() {
    const std::vector<std::string> paths =
        m_dialogs.askOpenPaths({fromQString(windowTitle()), cp1251::fromUtf8(kProfileFilter), {}, "xml"});
    for (const std::string& path : paths) {
        m_listed.push_back(path);
        m_profiles->appendPlainText(toQPath(path));
    }
}

}  // namespace tabrin::ui
