// The open profile as a document: the one way to change it, by commands that can be undone and
// redone, its modified state, and the listeners told what each change touched.
#include "editing/profiledocument.h"

#include "app/eventlog.h"
#include "editing/viewfill.h"
#include "model/dictobject.h"

namespace tabrin::editing {

ProfileDocument::ProfileDocument(app::Translator& translator, app::Language language, const bases::TextBase& texts,
                                 app::EventLog& log)
    : m_profile(translator, language), m_texts(texts), m_log(log) {}

xml::TOperationResult ProfileDocument::load(const std::filesystem::path& file) {
    const xml::TOperationResult loaded = m_profile.load(file);
    m_editing = false;
    m_history.clear();
    setClean();
    changed({ChangeKind::Objects | ChangeKind::Settings | ChangeKind::Configurations | ChangeKind::EdsHeader |
                 ChangeKind::ScaleTable,
             ChangeCause::Unrecorded,
             {}});
    return loaded;
}

void ProfileDocument::beginEditing() {
    m_editing = true;
    changed({ChangeKind::Objects, ChangeCause::Unrecorded, {}});
}

xml::TOperationResult ProfileDocument::save(const std::filesystem::path& file, const bases::SetBase& sets) {
    const xml::TOperationResult saved = m_profile.save(file, sets);
    if (saved.ok()) setClean();
    // Saving brought objects in line; the pages show them as they were written.
    changed({ChangeKind::Objects, ChangeCause::Unrecorded, {}});
    return saved;
}

void ProfileDocument::setCurrent(int position) {
    m_profile.setCurrent(position);
    changeUnrecorded(ChangeKind::Objects | ChangeKind::Configurations, true);
}

void ProfileDocument::chooseProcessorSeries(model::ProcessorSeries series) {
    m_profile.settings.proc_series = series;
    changeUnrecorded(ChangeKind::Settings, false);
}

void ProfileDocument::encryptFormatWords() {
    if (m_profile.settings.proc_series != model::ProcessorSeries::CCode || m_profile.settings.FormatType) return;
    m_profile.settings.FormatType = true;
    changeUnrecorded(ChangeKind::Settings, false);
}

model::VendorTokenChanges ProfileDocument::alignVendorToken(std::string_view programToken, bases::TextBase& texts,
                                                            std::string_view user, app::MessagePort& port,
                                                            app::Translator& translator) {
    const model::VendorTokenChanges changes =
        model::alignVendorToken(m_profile, programToken, texts, user, port, translator);
    if (changes.profileModified) changeUnrecorded(ChangeKind::Objects, true);
    return changes;
}

void ProfileDocument::takeScaleCoefficients() {
    m_profile.takeScaleCoefficients();
    changeUnrecorded(ChangeKind::Objects, false);
}

void ProfileDocument::push(std::unique_ptr<Command> command) {
    m_history.dropUndone();
    command->redo(m_profile);
    if (command->texts().logWhenDone) m_log.writeLog(command->texts().logLine);
    DocumentChange change{command->kinds(), ChangeCause::Done, command->touchedObjects(false)};
    m_history.record(std::move(command));
    changed(std::move(change));
}

void ProfileDocument::undo() {
    Command* command = m_history.stepBack();
    if (!command) return;
    command->undo(m_profile);
    m_log.writeLog("Undo: " + command->texts().logLine);
    changed({command->kinds(), ChangeCause::Undone, command->touchedObjects(true)});
}

void ProfileDocument::redo() {
    Command* command = m_history.stepForward();
    if (!command) return;
    command->redo(m_profile);
    m_log.writeLog("Redo: " + command->texts().logLine);
    changed({command->kinds(), ChangeCause::Redone, command->touchedObjects(false)});
}

void ProfileDocument::setClean() {
    m_history.setClean();
    m_unrecordedChange = false;
}

bool ProfileDocument::isModified() const { return m_unrecordedChange || !m_history.isClean(); }

void ProfileDocument::changeUnrecorded(ChangeKind kinds, bool modifies) {
    if (modifies) m_unrecordedChange = true;
    changed({kinds, ChangeCause::Unrecorded, {}});
}

// Every change of objects or configurations rebuilds the view and, once the profile is open for
// editing, gives its objects what showing them has always given them.
void ProfileDocument::changed(DocumentChange change) {
    if (touches(change.kinds, ChangeKind::Objects | ChangeKind::Configurations)) {
        m_profile.rebuildView();
        if (m_editing) fillView(m_profile, m_texts);
    }
    m_listeners.tell(change);
}

}  // namespace tabrin::editing
