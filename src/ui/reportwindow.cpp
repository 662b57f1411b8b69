// The report window TFormWord: the choices of the parameter report, and its worker thread writing
// the .docx file with progress and time left shown here, opened at the end in the desktop's
// word processor.
#include "ui/reportwindow.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryFile>
#include <QUrl>
#include <QVBoxLayout>

#include "app/messageport.h"
#include "app/workspace.h"
#include "report/reportcontent.h"
#include "report/reportranges.h"
#include "ui/named.h"
#include "ui/qtext.h"
#include "ui/windowtranslation.h"

namespace tabrin::ui {
namespace {

constexpr const char* kNoTimeLeft = "00 ч 00 мин 00 сек";

// The report goes to a file of its own in the temporary folder, named after the profile, which the
// word processor then opens; nothing is written over an earlier report that may still be open.
QString reportFile(const std::string& profilePath) {
    const QString stem = QFileInfo(toQPath(profilePath)).completeBaseName();
    QTemporaryFile file(QDir::temp().filePath(stem + QStringLiteral(" - report-XXXXXX.docx")));
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}

}  // namespace

ReportWindow::ReportWindow(app::Workspace& workspace, app::MessagePort& port, QWidget* parent)
    : QDialog(parent),
      m_workspace(workspace),
      m_port(port),
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
    const QString file = reportFile(m_workspace.profile.path);
    if (file.isEmpty()) {
        tellNotWritten(QDir::tempPath());
        return;
    }
    setRangesEditable(false);
    m_start->setEnabled(false);
    m_running = true;
    // The content is read from the profile and the bases here; the thread only builds and writes.
    report::ReportContent content = report::prepareReport(m_workspace.profile, m_workspace.texts, m_workspace.sets,
                                                          options, m_workspace.language, m_workspace.translator);
    m_worker = std::jthread([this, content = std::move(content), file](std::stop_token stop) {
        const report::ReportStatus status =
            report::writeReport(content, file.toStdString(), stop, [this](const report::ReportProgress& progress) {
                QMetaObject::invokeMethod(
                    this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this, [this, status, file] { finish(status, file); }, Qt::QueuedConnection);
    });
}

void ReportWindow::showProgress(const report::ReportProgress& progress) {
    const std::optional<report::ProgressDisplay> shown = report::progressDisplay(progress, m_workspace.translator);
    if (!shown) return;
    m_progress->setValue(shown->percent);
    m_percent->setText(toQString(shown->percentText));
    m_timeLeft->setText(toQString(shown->timeLeft));
}

void ReportWindow::finish(report::ReportStatus status, const QString& file) {
    m_running = false;
    m_start->setEnabled(true);
    setRangesEditable(true);
    switch (status) {
    case report::ReportStatus::Written:
        close();
        // Without an application for .docx files the user must still learn where the report is.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
            m_port.ask({fromQString(translatedText(m_workspace.translator, "Готово")),
                        fromQString(translatedText(m_workspace.translator, "Отчёт сохранён в файл ") + file),
                        app::MessageButtons::Ok, app::MessageIcon::Information});
        }
        break;
    case report::ReportStatus::CannotWrite:
        QFile::remove(file);
        tellNotWritten(file);
        break;
    case report::ReportStatus::Stopped: QFile::remove(file); break;
    }
}

void ReportWindow::tellNotWritten(const QString& file) {
    m_port.ask({fromQString(translatedText(m_workspace.translator, "Ошибка")),
                fromQString(translatedText(m_workspace.translator, "Не удалось записать отчёт в файл ") + file),
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
