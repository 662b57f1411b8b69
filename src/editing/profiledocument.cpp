// The open profile as a document: the one way to change it, by commands that can be undone and
// redone, its modified state, and the listeners told what each change touched.
#include "editing/profiledocument.h"

#include "app/eventlog.h"
#include "editing/viewfill.h"
#include "model/dictobject.h"

namespace tabrin::editing {

Subscription::Subscription(Subscription&& other) noexcept
    : m_listeners(std::move(other.m_listeners)), m_id(other.m_id) {
    other.m_listeners.reset();
}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        cancel();
        m_listeners = std::move(other.m_listeners);
        m_id = other.m_id;
        other.m_listeners.reset();
    }
    return *this;
}

Subscription::~Subscription() { cancel(); }

void Subscription::cancel() {
    if (const auto listeners = m_listeners.lock()) listeners->erase(m_id);
    m_listeners.reset();
}

ProfileDocument::ProfileDocument(app::Translator& translator, app::Language language, const bases::TextBase& texts,
                                 app::EventLog& log)
    : m_profile(translator, language), m_texts(texts), m_log(log) {}

xml::TOperationResult ProfileDocument::load(const std::filesystem::path& file) {
    const xml::TOperationResult loaded = m_profile.load(file);
    m_editing = false;
    m_history.clear();
    m_done = 0;
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
    // Commands undone before this one can no longer be redone; a saved state among them is lost.
    m_history.resize(m_done);
    if (m_clean != kNoCleanState && m_clean > m_done) m_clean = kNoCleanState;
    command->redo(m_profile);
    if (command->texts().logWhenDone) m_log.writeLog(command->texts().logLine);
    DocumentChange change{command->kinds(), ChangeCause::Done, command->touchedObjects(false)};
    const bool merges = m_done > 0 && m_clean != m_done && m_history.back()->mergeWith(*command);
    if (!merges) {
        m_history.push_back(std::move(command));
        ++m_done;
    }
    changed(std::move(change));
}

std::string ProfileDocument::undoText() const { return canUndo() ? m_history[m_done - 1]->texts().menuText : ""; }

std::string ProfileDocument::redoText() const { return canRedo() ? m_history[m_done]->texts().menuText : ""; }

void ProfileDocument::undo() {
    if (!canUndo()) return;
    Command& command = *m_history[--m_done];
    command.undo(m_profile);
    m_log.writeLog("Undo: " + command.texts().logLine);
    changed({command.kinds(), ChangeCause::Undone, command.touchedObjects(true)});
}

void ProfileDocument::redo() {
    if (!canRedo()) return;
    Command& command = *m_history[m_done++];
    command.redo(m_profile);
    m_log.writeLog("Redo: " + command.texts().logLine);
    changed({command.kinds(), ChangeCause::Redone, command.touchedObjects(false)});
}

void ProfileDocument::setClean() {
    m_clean = m_done;
    m_unrecordedChange = false;
}

bool ProfileDocument::isModified() const { return m_unrecordedChange || m_clean != m_done; }

Subscription ProfileDocument::listen(DocumentListener listener) {
    const int id = ++m_lastListener;
    m_listeners->emplace(id, std::move(listener));
    return Subscription(m_listeners, id);
}

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
    // A listener may subscribe or leave while it is told.
    const std::map<int, DocumentListener> listeners = *m_listeners;
    for (const auto& [id, listener] : listeners) {
        if (m_listeners->contains(id)) listener(change);
    }
}

}  // namespace tabrin::editing
