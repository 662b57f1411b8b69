// A base as a document: its elements changed by commands that can be undone and redone, its
// modified flag following the history, saving and reloading its file, and listeners of each change.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/filestamp.h"

#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/commandhistory.h"
#include "editing/elementchange.h"
#include "editing/listeners.h"

namespace tabrin::app {
class MessagePort;
class Translator;
}  // namespace tabrin::app

namespace tabrin::editing {

/// `Base` is bases::TextBase or bases::SetBase; the document changes the base the caller owns.
template <typename Base>
class BaseDocument {
public:
    using Element = typename std::remove_cvref_t<decltype(std::declval<Base&>().elements())>::value_type;
    using Change = ElementChange<Element>;

    BaseDocument(Base& base, std::filesystem::path file, app::Translator& translator);

    const Base& base() const { return m_base; }
    const std::filesystem::path& file() const { return m_file; }

    /// Replaces the element at `position` by `after`; nothing when they are equal.
    void replace(std::size_t position, Element after, std::string menuText);
    /// Appends `element` at the end of the base.
    void append(Element element, std::string menuText);

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    std::string undoText() const { return m_history.undoText(); }
    std::string redoText() const { return m_history.redoText(); }
    void undo();
    void redo();

    /// The base's flag: set while the history is away from the saved state, or after a change made
    /// to the base outside the document.
    bool isModified() const { return m_base.isModified(); }

    /// Writes the base to its file; a failure is told in an error box and leaves the base modified.
    /// A file that was read with faults is replaced only when the user agrees to lose what could
    /// not be read. A file another run of the program wrote since this one read or wrote it is
    /// never overwritten blindly: the user chooses between reading it again with this run's changes
    /// applied to it by number, writing over it, and not saving.
    bool save(app::MessagePort& port);
    /// Reads the base from its file, forgetting the history; false (the base untouched) when the
    /// file does not exist.
    bool load(app::MessagePort& port);

    [[nodiscard]] Subscription listen(DocumentListener listener) { return m_listeners.listen(std::move(listener)); }

private:
    void apply(std::unique_ptr<Change> change);
    bool mayOverwriteUnreadFile(app::MessagePort& port);
    bool fileChangedSinceRead() const;
    /// Asks what to do about a file written by another run; false when the user cancels the save.
    bool settleChangedFile(app::MessagePort& port);
    /// The file read again, this run's changes applied to it by number; the history is forgotten.
    void applyChangesToFile(app::MessagePort& port);
    void changed(ChangeCause cause);

    Base& m_base;
    std::filesystem::path m_file;
    app::Translator& m_translator;
    CommandHistory<Change> m_history;
    bool m_changedOutside = false;  // the base was changed outside the history since it was saved
    std::optional<app::FileStamp> m_stamp;  // the file as this run last read or wrote it
    ListenerList m_listeners;
};

using TextBaseDocument = BaseDocument<bases::TextBase>;
using SetBaseDocument = BaseDocument<bases::SetBase>;

extern template class BaseDocument<bases::TextBase>;
extern template class BaseDocument<bases::SetBase>;

}  // namespace tabrin::editing
