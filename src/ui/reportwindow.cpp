// The report window TFormWord: the choices of the parameter report, and its worker thread writing
// the .docx file the user chose, with progress and time left shown here, opened at the end in the
// desktop's word processor.
#include "ui/reportwindow.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <cerrno>

#include "app/filewrite.h"
#include "app/messageport.h"
#include "app/paths.h"
#include "report/reportcontent.h"
#include "report/reportfile.h"
#include "report/reportranges.h"
#include "session/workspace.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

constexpr const char* kNoTimeLeft = "00 ч 00 мин 00 сек";

}  // namespace

ReportWindow::ReportWindow(session::Workspace& workspace, app::MessagePort& port, app::FileDialogPort& dialogs,
                           QWidget* parent)
    : QDialog(parent),
      m_workspace(workspace),
      m_port(port),
      m_dialogs(dialogs),
      m_startIndex(rangeEdit("StartIndexEdit", "2500")),
      m_endIndex(rangeEdit("EndIndexEdit", "FFFF")),
      m_startGroup(rangeEdit("StartGroupEdit", "-2")),
      m_endGroup(rangeEdit("EndGroupEdit", "255")),
      m_longTexts(checkBox("CheckBoxLongTexts", "Использовать длинные тексты вместо коротких", false)),
      m_cNames(checkBox("CheckBox_C_names", "Генерировать столбец с Си-переменными", false)),
      m_outsideGroup(checkBox("CheckBoxNoGrpEna", "Генерировать группу \"Вне групп\"", false)),
      m_numberColumn(checkBox("cbGenNumberColumn", "Генерировать столбец '№' (№ группы + № параметра в ней)", false)),
      m_groupsFromZero(checkBox("cbNumGrpFromZero", "Нумеровать группы от нуля", false)),
      m_secretMark(checkBox("CheckBoxWriteSecret", "Помечать секретные параметры надписью \"секретный\"", true)),
      m_indexColumn(checkBox("CheckBoxGenerateIndexes", "Генерировать столбец  с индексами (индекс.подындекс)", true)),
      m_showWord(checkBox("cbShowWord", "Показать окно Microsoft Word", false)),
      m_start(named(new QPushButton(QStringLiteral("Старт")), "ButtonStart")),
      m_progress(named(new QProgressBar, "ProgressBar")),
      m_percent(named(new QLabel(QStringLiteral("0 %")), "ProgressLabel")),
      m_timeLeft(named(new QLabel(QString::fromUtf8(kNoTimeLeft)), "TimeLabel")) {
    setObjectName(QStringLiteral("FormWord"));
    setWindowTitle(QStringLiteral("Отчет в Word по профилю: "));
    m_numberColumn->setToolTip(
        QStringLiteral("Если отмечен, то будет генериться столбец с коротким адресом X.Y, где\r\nX - номер группы, Y - "
                       "номер параметра внутри этой группы.\r\nТакая нумерация применяется, как правило, в местных "
                       "пультах управления."));
    // The document is made without a word processor's window; it opens once it is complete.
    m_showWord->setEnabled(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    auto* ranges = new QGridLayout;
    ranges->addWidget(named(new QLabel(QStringLiteral("Выводить индексы с")), "LabelIndexFrom"), 0, 0);
    ranges->addWidget(m_startIndex, 0, 1);
    ranges->addWidget(named(new QLabel(QStringLiteral("h    по")), "LabelIndexTo"), 0, 2);
    ranges->addWidget(m_endIndex, 0, 3);
    ranges->addWidget(named(new QLabel(QStringLiteral("h")), "LabelIndexEnd"), 0, 4);
    ranges->addWidget(named(new QLabel(QStringLiteral("Выводить группы с")), "LabelGroupFrom"), 1, 0);
    ranges->addWidget(m_startGroup, 1, 1);
    ranges->addWidget(named(new QLabel(QStringLiteral("по")), "LabelGroupTo"), 1, 2);
    ranges->addWidget(m_endGroup, 1, 3);
    ranges->setColumnStretch(5, 1);
    auto* time = new QHBoxLayout;
    time->addWidget(m_percent);
    time->addStretch();
    time->addWidget(named(new QLabel(QStringLiteral("До завершения осталось:")), "LabelTimeLeft"));
    time->addWidget(m_timeLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ranges);
    for (QCheckBox* box : {m_longTexts, m_cNames, m_outsideGroup, m_numberColumn, m_groupsFromZero, m_secretMark,
                           m_indexColumn, m_showWord})
        layout->addWidget(box);
    layout->addWidget(m_start, 0, Qt::AlignLeft);
    layout->addWidget(m_progress);
    layout->addLayout(time);
    translateWindow(this, workspace.translator);

    connect(m_start, &QPushButton::clicked, this, &ReportWindow::start);
}

// A report still running when the program ends stops before its next row.
ReportWindow::~ReportWindow() = default;

QLineEdit* ReportWindow::rangeEdit(const char* name, const char* text) {
    auto* edit = named(new QLineEdit(QString::fromLatin1(text)), name);
    edit->setFixedWidth(64);
    return edit;
}

QCheckBox* ReportWindow::checkBox(const char* name, const char* caption, bool checked) {
    auto* box = named(new QCheckBox(QString::fromUtf8(caption)), name);
    box->setChecked(checked);
    return box;
}

void ReportWindow::prepare(const std::string& profilePath) {
    setWindowTitle(translatedText(m_workspace.translator, "Отчет в Word по профилю: ") + toQPath(profilePath));
    m_progress->setValue(0);
    m_percent->setText(QStringLiteral("0 %"));
    m_timeLeft->setText(translatedText(m_workspace.translator, kNoTimeLeft));
    setRangesEditable(!m_running);
    m_start->setEnabled(!m_running);
}

report::ReportOptions ReportWindow::chosenOptions() const {
    report::ReportOptions options;
    options.longTexts = m_longTexts->isChecked();
    options.cNames = m_cNames->isChecked();
    options.outsideGroup = m_outsideGroup->isChecked();
    options.numberColumn = m_numberColumn->isChecked();
    options.groupsFromZero = m_groupsFromZero->isChecked();
    options.secretMark = m_secretMark->isChecked();
    options.indexColumn = m_indexColumn->isChecked();
    return options;
}

void ReportWindow::start() {
    report::ReportOptions options = chosenOptions();
    const report::ReportRangeTexts ranges{fromQString(m_startIndex->text()), fromQString(m_endIndex->text()),
                                          fromQString(m_startGroup->text()), fromQString(m_endGroup->text())};
    if (const std::optional<app::Message> refusal = report::readReportRanges(ranges, options, m_workspace.translator)) {
        m_port.ask(*refusal);
        return;
    }
    const std::optional<std::string> file = report::askReportFile(m_dialogs, m_workspace.profile.path,
                                                                  m_workspace.settings.reportFolder,
                                                                  m_workspace.translator);
    if (!file) return;
    setRangesEditable(false);
    m_start->setEnabled(false);
    m_running = true;
    // The content is read from the profile and the bases here; the thread only builds and writes.
    report::ReportContent content = report::prepareReport(m_workspace.profile, m_workspace.texts, m_workspace.sets,
                                                          options, m_workspace.language, m_workspace.translator);
    m_worker = std::jthread([this, content = std::move(content), file = *file](std::stop_token stop) {
        const report::ReportStatus status =
            report::writeReport(content, app::nativePath(file), stop, [this](const report::ReportProgress& progress) {
                QMetaObject::invokeMethod(
                    this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
            });
        const int error = errno;  // why the file was not written; errno belongs to this thread
        QMetaObject::invokeMethod(
            this, [this, status, file, error] { finish(status, file, error); }, Qt::QueuedConnection);
    });
}

void ReportWindow::showProgress(const report::ReportProgress& progress) {
    const std::optional<report::ProgressDisplay> shown = report::progressDisplay(progress, m_workspace.translator);
    if (!shown) return;
    m_progress->setValue(shown->percent);
    m_percent->setText(toQString(shown->percentText));
    m_timeLeft->setText(toQString(shown->timeLeft));
}

void ReportWindow::finish(report::ReportStatus status, const std::string& file, int error) {
    m_running = false;
    m_start->setEnabled(true);
    setRangesEditable(true);
    switch (status) {
    case report::ReportStatus::Written:
        close();
        // Without an application for .docx files the user must still learn where the report is.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(toQPath(file)))) {
            m_port.ask({fromQString(translatedText(m_workspace.translator, "Готово")),
                        fromQString(translatedText(m_workspace.translator, "Отчёт сохранён в файл ")) +
                            app::shownPath(file),
                        app::MessageButtons::Ok, app::MessageIcon::Information});
        }
        break;
    // A file that was not written, or a stopped report, left an earlier file of the name as it was.
    case report::ReportStatus::CannotWrite: tellNotWritten(file, error); break;
    case report::ReportStatus::Stopped: break;
    }
}

void ReportWindow::tellNotWritten(const std::string& file, int error) {
    m_port.ask({fromQString(translatedText(m_workspace.translator, "Ошибка")),
                fromQString(translatedText(m_workspace.translator, "Не удалось записать отчёт в файл ")) +
                    app::shownPath(file) + ". " + app::systemErrorText(error),
                app::MessageButtons::Ok, app::MessageIcon::Error});
}

void ReportWindow::done(int result) {
    if (m_running) m_worker.request_stop();
    QDialog::done(result);
}

void ReportWindow::setRangesEditable(bool editable) {
    for (QLineEdit* edit : {m_startIndex, m_endIndex, m_startGroup, m_endGroup}) edit->setEnabled(editable);
}

}  // namespace tabrin::ui
