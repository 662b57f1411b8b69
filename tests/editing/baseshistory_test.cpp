// The one history of both bases: undo takes back the last change of either base, redo brings the
// undone ones back in order, a new change forgets what was undone, and a base read again forgets
// its own changes.
#include <gtest/gtest.h>

#include "app/translator.h"
#include "editing/baseshistory.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"

namespace tabrin::editing {
namespace {

class BasesHistoryTest : public ::testing::Test {
protected:
    BasesHistoryTest() {
        m_texts.elements() = {{"1", "1", "", "5", "a", "", "ivan"}};
        m_sets.elements() = {{"5", {}, "", "ivan"}};
        m_originalTexts = m_texts.elements();
        m_originalSets = m_sets.elements();
    }

    // An edit on each base, as the enumerations page makes them: an enumeration renamed, then a
    // text unbound from it.
    void editBoth() {
        m_setsDocument.replace(0, {"5", {}, "", "petr"}, "author of 5");
        m_textsDocument.replace(0, {"1", "1", "", "0", "a", "", "ivan"}, "unbind 1");
    }

    test::TempFolder m_folder;
    app::Translator m_translator;
    bases::TextBase m_texts;
    bases::SetBase m_sets;
    TextBaseDocument m_textsDocument{m_texts, m_folder.path() / "TextBase.xml", m_translator};
    SetBaseDocument m_setsDocument{m_sets, m_folder.path() / "SetBase.xml", m_translator};
    BasesHistory m_history{m_textsDocument, m_setsDocument};
    std::vector<bases::TextBaseElement> m_originalTexts;
    std::vector<bases::SetBaseElement> m_originalSets;
};

TEST_F(BasesHistoryTest, UndoTakesBackTheLastChangeOfEitherBaseAndRedoBringsThemBackInOrder) {
    editBoth();
    const auto editedTexts = m_texts.elements();
    const auto editedSets = m_sets.elements();
    EXPECT_EQ(m_history.undoText(), "unbind 1");

    m_history.undo();
    EXPECT_EQ(m_texts.elements(), m_originalTexts);
    EXPECT_EQ(m_sets.elements(), editedSets);
    EXPECT_EQ(m_history.undoText(), "author of 5");
    EXPECT_EQ(m_history.redoText(), "unbind 1");
    m_history.undo();
    EXPECT_EQ(m_sets.elements(), m_originalSets);
    EXPECT_FALSE(m_history.canUndo());
    EXPECT_FALSE(m_textsDocument.isModified());
    EXPECT_FALSE(m_setsDocument.isModified());

    m_history.redo();
    EXPECT_EQ(m_sets.elements(), editedSets);
    EXPECT_EQ(m_texts.elements(), m_originalTexts);
    m_history.redo();
    EXPECT_EQ(m_texts.elements(), editedTexts);
    EXPECT_FALSE(m_history.canRedo());
    EXPECT_TRUE(m_textsDocument.isModified());
}

TEST_F(BasesHistoryTest, ANewChangeForgetsWhatWasUndoneInEitherBase) {
    editBoth();
    m_history.undo();
    m_history.undo();
    m_setsDocument.replace(0, {"5", {}, "", "olga"}, "author of 5");
    EXPECT_FALSE(m_history.canRedo());
    m_history.undo();
    EXPECT_EQ(m_sets.elements(), m_originalSets);
    EXPECT_FALSE(m_history.canUndo());
    EXPECT_EQ(m_texts.elements(), m_originalTexts);
}

TEST_F(BasesHistoryTest, ABaseReadAgainForgetsItsOwnChangesOnly) {
    editBoth();
    test::ScriptedMessagePort port;
    ASSERT_TRUE(m_textsDocument.save(port));
    m_textsDocument.load(port);
    EXPECT_EQ(m_history.undoText(), "author of 5");
    m_history.undo();
    EXPECT_EQ(m_sets.elements(), m_originalSets);
    EXPECT_FALSE(m_history.canUndo());
    EXPECT_EQ(m_history.redoText(), "author of 5");
}

}  // namespace
}  // namespace tabrin::editing
