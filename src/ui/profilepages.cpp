// The page "Профиль" (TabSheetProfile) with its pages: the dictionary, the scale coefficients, the
// profile settings and the EDS file.
#include "ui/profilepages.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/profilesession.h"
#include "app/workspace.h"
#include "ui/named.h"
#include "ui/profilesettingswidget.h"
#include "ui/qtext.h"
#include "ui/radiogroup.h"

namespace tabrin::ui {
namespace {

// The memo shows lines; the profile keeps the EDS header with Windows line ends.
QString memoText(const std::string& headerText) {
    return toQString(headerText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
std::string headerText(const QString& memoText) {
    return fromQString(QString(memoText).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

}  // namespace

ProfilePages::ProfilePages(app::Workspace& workspace, app::ProfileSession& session, QWidget* parent)
    : QWidget(parent),
      m_workspace(workspace),
      m_session(session),
      m_pages(named(new QTabWidget, "PageControl2")),
      m_settings(new ProfileSettingsWidget(workspace, session)) {
    setObjectName(QStringLiteral("TabSheetProfile"));
    m_pages->addTab(buildDictionaryPage(), QStringLiteral("Словарь"));
    m_pages->addTab(named(new QWidget, "TabSheetScales"), QStringLiteral("Масштабирующие коэффициенты"));
    m_pages->addTab(m_settings, QStringLiteral("Настройки профиля"));
    m_pages->addTab(buildEdsPage(), QStringLiteral("EDS-файл"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    connect(m_settings, &ProfileSettingsWidget::profileChanged, this, &ProfilePages::profileChanged);
    connect(m_settings, &ProfileSettingsWidget::canModuleShown, m_canModule, &RadioGroup::setItemIndex);
    connect(m_canModule, &RadioGroup::itemClicked, m_settings, &ProfileSettingsWidget::chooseCanModule);
    showNoProfile();
}

QWidget* ProfilePages::buildDictionaryPage() {
    m_dictionaryPage = named(new QWidget, "TabSheetDict");
    m_objectCount = named(new QLabel, "LabelObjectCount");
    const QStringList designItems = {QStringLiteral("Процессор с одним модулем CAN"),
                                     QStringLiteral("1-ый модуль CANopen"), QStringLiteral("2-ой модуль CANopen")};
    m_canModule = named(new RadioGroup(QStringLiteral("Модуль CAN"), designItems), "rgCANmoduleNum");
    auto* layout = new QVBoxLayout(m_dictionaryPage);
    layout->addWidget(m_canModule, 0, Qt::AlignLeft);
    layout->addWidget(m_objectCount);
    layout->addStretch();
    return m_dictionaryPage;
}

QWidget* ProfilePages::buildEdsPage() {
    auto* page = named(new QWidget, "TabSheetEDS");
    auto* header = named(new QGroupBox(QStringLiteral("Шапка EDS-файла")), "GroupBoxEdsHeader");
    m_edsHeader = named(new QPlainTextEdit, "MemoEdsHeader");
    auto* headerLayout = new QVBoxLayout(header);
    headerLayout->addWidget(m_edsHeader);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(header);
    connect(m_edsHeader, &QPlainTextEdit::textChanged, this, [this] {
        m_workspace.profile.header_text = headerText(m_edsHeader->toPlainText());
        m_session.markModified();
        emit profileChanged();
    });
    return page;
}

void ProfilePages::shareCanModuleItems() {
    const QStringList items = m_settings->canModuleItems();
    for (int position = 0; position < m_canModule->itemCount() && position < items.size(); ++position)
        m_canModule->setItemText(position, items[position]);
}

void ProfilePages::showProfile() {
    m_settings->showProfile();
    m_canModule->setItemIndex(m_workspace.profile.settings.prefix);
    const QSignalBlocker blocker(m_edsHeader);
    m_edsHeader->setPlainText(memoText(m_workspace.profile.header_text));
    // Until the page holds the dictionary table, it tells how many objects the view holds.
    m_objectCount->setText(translatedText(m_workspace.translator, "Объектов в словаре: ") +
                           QString::number(m_workspace.profile.view().size()));
    setEditable(true);
}

void ProfilePages::showNoProfile() { setEditable(false); }

// Without an open profile there is nothing the pages could change.
void ProfilePages::setEditable(bool editable) {
    m_objectCount->setVisible(editable);
    m_canModule->setEnabled(editable);
    m_settings->setEnabled(editable);
    m_edsHeader->setEnabled(editable);
}

void ProfilePages::showDictionaryPage() { m_pages->setCurrentWidget(m_dictionaryPage); }

}  // namespace tabrin::ui
