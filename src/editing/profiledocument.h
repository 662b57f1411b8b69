// The open profile as a document: the one way to change it, by commands that can be undone and
// redone, its modified state, and the listeners told what each change touched.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/language.h"
#include "editing/command.h"
#include "editing/commandhistory.h"
#include "editing/listeners.h"
#include "model/profile.h"
#include "model/vendortoken.h"

namespace tabrin::app {
class EventLog;
class MessagePort;
class Translator;
}  // namespace tabrin::app
namespace tabrin::bases {
class SetBase;
class TextBase;
}  // namespace tabrin::bases

namespace tabrin::editing {

class ProfileDocument {
public:
    /// `texts` names the objects (their texts are copied from it); `log` receives the commands' lines.
    ProfileDocument(app::Translator& translator, app::Language language, const bases::TextBase& texts,
                    app::EventLog& log);

    const model::Profile& profile() const { return m_profile; }

    /// Loads the profile file and the view of its current configuration, the objects as the file
    /// has them. The history is forgotten and the profile counts as unmodified.
    xml::TOperationResult load(const std::filesystem::path& file);
    /// Opening the loaded profile for editing: from now on, and at once, the objects of the view
    /// carry what the table has always given them: their texts from the text base, and the roots
    /// their counts and groups.
    void beginEditing();
    /// Writes the profile file. Saving brings the scale-coefficient objects and empty defaults in
    /// line in memory as it writes them; a successful save makes the present state the saved one.
    xml::TOperationResult save(const std::filesystem::path& file, const bases::SetBase& sets);
    /// The path the profile is known by, beside which its generated files go.
    void setPath(std::string path) { m_profile.path = std::move(path); }

    // Changes outside the history.

    /// Chooses the current configuration (an invalid position chooses the base profile). The
    /// profile file keeps the choice, so the profile counts as modified.
    void setCurrent(int position);
    /// The processor series chooses which settings the page shows; the file keeps it, yet the
    /// choice does not count as a change of the profile.
    void chooseProcessorSeries(model::ProcessorSeries series);
    /// C-code profiles always encrypt their format words; the setting follows when they do not.
    void encryptFormatWords();
    /// The vendor-token object brought in line with the program's token (see model::alignVendorToken).
    model::VendorTokenChanges alignVendorToken(std::string_view programToken, bases::TextBase& texts,
                                               std::string_view user, app::MessagePort& port,
                                               app::Translator& translator);
    /// Before a generation: the scale-coefficient objects of the view take their defaults from the
    /// scale table. Saving writes the same values, so the profile does not count as modified.
    void takeScaleCoefficients();

    // The history.

    /// Does the command, writes its log line and keeps it for undo; a command that merges into the
    /// last one (while that is not the saved state) is taken into it.
    void push(std::unique_ptr<Command> command);
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    /// The menu texts of the command undo and redo would take; empty when there is none.
    std::string undoText() const { return m_history.undoText(); }
    std::string redoText() const { return m_history.redoText(); }
    void undo();
    void redo();
    /// How many commands the history holds, done or undone.
    std::size_t historySize() const { return m_history.size(); }

    /// The present state is the one in the file.
    void setClean();
    /// The profile differs from its file: the history is away from the saved state, or a change
    /// outside it was made since.
    bool isModified() const;

    /// A serial that no object of the profile has had, for an object a command makes.
    model::ObjectSerial newSerial() { return m_profile.newSerial(); }

    /// Tells `listener` of every change from now on, as long as the subscription lives.
    [[nodiscard]] Subscription listen(DocumentListener listener) { return m_listeners.listen(std::move(listener)); }

private:
    void changeUnrecorded(ChangeKind kinds, bool modifies);
    void changed(DocumentChange change);

    model::Profile m_profile;
    const bases::TextBase& m_texts;
    app::EventLog& m_log;
    CommandHistory<Command> m_history;
    bool m_unrecordedChange = false;
    bool m_editing = false;
    ListenerList m_listeners;
};

}  // namespace tabrin::editing
