// The parameter-file window as data, driven as a user drives it: showing it, choosing a file,
// selecting, comparing with the scale-coefficient question and loading the defaults.
#include <gtest/gtest.h>

#include <chrono>

#include "app/eventlog.h"
#include "app/settings.h"
#include "app/translator.h"
#include "bases/setbase.h"
#include "bases/textbase.h"
#include "editing/parameterloading.h"
#include "editing/profiledocument.h"
#include "support/scriptedfiledialogport.h"
#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "support/utf8.h"

namespace tabrin::editing {
namespace {

using test::w;

std::string fixture(const std::string& name) {
    return (std::filesystem::path(TEST_DATA_DIR) / "parameters" / name).string();
}

class ParameterLoadingTest : public ::testing::Test {
protected:
    ParameterLoadingTest()
        : m_log([] { return std::chrono::system_clock::time_point(); }),
          m_document(m_translator, app::Language::Russian, m_texts, m_log),
          m_page(m_document, m_texts, m_sets, m_settings, m_port, m_translator, app::Language::Russian) {}

    void SetUp() override {
        ASSERT_TRUE(m_texts.load(bases::TextBase::filePath(DEMO_HOME_DIR), m_port));
        ASSERT_TRUE(m_sets.load(bases::SetBase::filePath(DEMO_HOME_DIR), m_port));
        ASSERT_TRUE(m_log.open(m_folder.path() / "Tabrin4.log"));
        ASSERT_TRUE(m_document.load(fixture("profile.xml")).ok());
        m_document.beginEditing();
        m_document.setClean();
        m_page.show();
    }

    const model::DictObject& at(const std::string& address) const {
        for (const model::DictObject* object : m_document.profile().view())
            if (object->address() == address) return *object;
        ADD_FAILURE() << address;
        static const model::DictObject none;
        return none;
    }

    // The node of the file's tree whose label starts with `start`.
    int fileNode(const std::string& start) const {
        const auto& nodes = m_page.fileTree().nodes();
        for (std::size_t node = 0; node < nodes.size(); ++node)
            if (nodes[node].label.starts_with(start)) return static_cast<int>(node);
        ADD_FAILURE() << start;
        return -1;
    }

    std::string selected() const {
        std::string marks;
        for (const Parameter& parameter : m_page.file().parameters) marks += parameter.selected ? '1' : '0';
        return marks;
    }

    bool hasLine(const std::string& line) const {
        const auto& lines = m_page.diagnostics();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    test::TempFolder m_folder;
    app::Translator m_translator;
    test::ScriptedMessagePort m_port;
    bases::TextBase m_texts;
    bases::SetBase m_sets;
    app::Settings m_settings;
    app::EventLog m_log;
    ProfileDocument m_document;
    ParameterLoading m_page;
};

TEST_F(ParameterLoadingTest, ShownWithTheProfileTree) {
    EXPECT_EQ(m_page.diagnostics(), std::vector<std::string>{w("Словарь-приемник параметров по умолчанию загружен")});
    EXPECT_FALSE(m_page.fileLoaded());
    EXPECT_FALSE(m_page.selectionButtonsEnabled());
    EXPECT_EQ(m_page.emptyFileTreeText(), w("Загрузите словарь из файла"));
    EXPECT_EQ(m_page.mode(), HierarchyMode::Groups);
    const ParameterTree& tree = m_page.profileTree();
    ASSERT_EQ(tree.tops().size(), 1u);
    const ParameterTreeNode& group = tree.nodes()[static_cast<std::size_t>(tree.tops()[0])];
    EXPECT_EQ(group.label, w("Связь"));  // item 1 of the profile's group enumeration 20
    EXPECT_EQ(tree.nodes()[static_cast<std::size_t>(group.children[0])].label,
              w("Напряжение звена постоянного тока [2000h.01h]=Стд.числ. 540 U16"));
    EXPECT_EQ(group.mark, TreeMark::Unmarked);
}

TEST_F(ParameterLoadingTest, OpeningAFileRemembersItsFolder) {
    test::ScriptedFileDialogPort dialogs({fixture("plant.kvpx"), std::nullopt});
    m_page.openFile(dialogs);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].startPath, "C:\\");
    EXPECT_EQ(dialogs.asked()[0].filter, "Kelvo Parameters Xml files (*.kvpx)|*.kvpx");
    EXPECT_EQ(dialogs.asked()[0].defaultExtension, "kvpx");
    EXPECT_EQ(m_settings.kelvoParamsPath, (std::filesystem::path(TEST_DATA_DIR) / "parameters").string());
    EXPECT_TRUE(m_page.fileLoaded());
    EXPECT_TRUE(m_page.selectionButtonsEnabled());
    EXPECT_EQ(
        m_page.diagnostics(),
        std::vector<std::string>{w("Словарь с переносимыми параметрами загружен из файла ") + fixture("plant.kvpx")});
    EXPECT_EQ(selected(), "010010011");  // the checked ones that can be selected

    m_page.openFile(dialogs);  // cancelled
    EXPECT_EQ(dialogs.asked()[1].startPath, m_settings.kelvoParamsPath);
    EXPECT_TRUE(m_page.fileLoaded());
}

TEST_F(ParameterLoadingTest, AFileThatCannotBeReadChangesNothing) {
    ASSERT_TRUE(m_page.loadFile(fixture("plant.kvpx")));
    const std::vector<std::string> lines = m_page.diagnostics();
    const std::size_t nodes = m_page.fileTree().nodes().size();
    for (const char* name : {"broken.kvpx", "truncated.kvpx", "missing.kvpx"}) {
        SCOPED_TRACE(name);
        const std::size_t asked = m_port.asked().size();
        EXPECT_FALSE(m_page.loadFile(fixture(name)));
        ASSERT_EQ(m_port.asked().size(), asked + 1);
        EXPECT_EQ(m_port.asked().back().icon, app::MessageIcon::Warning);
        EXPECT_TRUE(m_page.fileLoaded());
        EXPECT_EQ(m_page.file().parameters.size(), 9u);
        EXPECT_EQ(m_page.fileTree().nodes().size(), nodes);
        EXPECT_EQ(m_page.diagnostics(), lines);
    }
    EXPECT_NE(m_port.asked()[0].text.find("abs_index=5\nco_index=8192\nco_subindex=2"), std::string::npos);

    ParameterLoading fresh(m_document, m_texts, m_sets, m_settings, m_port, m_translator, app::Language::Russian);
    fresh.show();
    EXPECT_FALSE(fresh.loadFile(fixture("broken.kvpx")));
    EXPECT_FALSE(fresh.fileLoaded());
}

TEST_F(ParameterLoadingTest, RefusalsBeforeAFileAndBeforeAComparison) {
    const struct {
        const char* name;
        bool load;
        void (ParameterLoading::*action)();
        std::string message;
    } rows[] = {
        {"compare without a file", false, &ParameterLoading::compare,
         w("Перед сравнением загрузите словарь c переносимыми параметрами из файла!")},
        {"load without a file", false, &ParameterLoading::loadIntoProfile,
         w("Перед переносом значений по умолчанию откройте файл c переносимыми параметрами!")},
        {"load without a comparison", true, &ParameterLoading::loadIntoProfile,
         w("Перед переносом выполните сравнение текущего словаря со словарем из файла параметров!")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        m_page.show();
        if (row.load) {
            ASSERT_TRUE(m_page.loadFile(fixture("plant.kvpx")));
        }
        const std::size_t asked = m_port.asked().size();
        (m_page.*row.action)();
        ASSERT_EQ(m_port.asked().size(), asked + 1);
        EXPECT_EQ(m_port.asked().back().text, row.message);
        EXPECT_EQ(m_document.historySize(), 0u);
    }
}

TEST_F(ParameterLoadingTest, TheScaleCoefficientQuestion) {
    const struct {
        const char* name;
        app::MessageAnswer answer;
        std::string scale01;  // the profile's coefficient 01h afterwards
        bool compared;
        bool changed;  // the profile
    } rows[] = {
        {"replace: the comparison ends there", app::MessageAnswer::Yes, "120", false, true},
        {"cancel", app::MessageAnswer::Cancel, "100", false, false},
        {"go on without replacing", app::MessageAnswer::No, "100", true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        while (m_document.canUndo()) m_document.undo();
        m_port = test::ScriptedMessagePort({row.answer});
        m_page.show();
        ASSERT_TRUE(m_page.loadFile(fixture("scales.kvpx")));
        m_page.compare();
        ASSERT_EQ(m_port.asked().size(), 1u);
        EXPECT_EQ(m_port.asked()[0].caption, w("Масштабирующие коэффициенты не совпадают"));
        EXPECT_EQ(m_document.profile().scaleNumbers[1].possible_value, row.scale01);
        EXPECT_EQ(m_page.compared(), row.compared);
        EXPECT_EQ(m_document.canUndo(), row.changed);
        EXPECT_EQ(hasLine(w("Сравнение словарей...")), true);
        EXPECT_EQ(hasLine(w("Сравнение завершено. Отменена загрузка 2 параметров.")), row.compared);
    }
    // Once replaced, comparing again asks nothing and goes on to the parameters.
    m_port = test::ScriptedMessagePort({app::MessageAnswer::Yes});
    m_page.show();
    ASSERT_TRUE(m_page.loadFile(fixture("scales.kvpx")));
    m_page.compare();
    m_page.compare();
    EXPECT_EQ(m_port.asked().size(), 1u);
    EXPECT_TRUE(m_page.compared());
}

TEST_F(ParameterLoadingTest, SelectCompareAndLoad) {
    ASSERT_TRUE(m_page.loadFile(fixture("plant.kvpx")));
    m_page.toggle(fileNode(w("Выходной ток [2000h.02h]")));  // unchecked in the file
    EXPECT_EQ(selected(), "011010011");
    m_page.compare();
    EXPECT_TRUE(m_page.compared());
    EXPECT_EQ(selected(), "011000010");  // 2001h.00h refused
    EXPECT_EQ(m_page.diagnostics().back(), w("Сравнение завершено. Отменена загрузка 2 параметров."));
    EXPECT_TRUE(
        hasLine(w("!!! Параметр Скорость двигателя [2001h.00h] исключен из списка. Это скорость сети, при "
                  "её смене загрузка прервется.")));
    EXPECT_TRUE(hasLine(w("Резерв [2600h.00h]")));

    m_page.loadIntoProfile();
    EXPECT_EQ(at("2000h.01h").defaultValue, "550");
    EXPECT_EQ(at("2000h.02h").defaultValue, "12");
    EXPECT_EQ(at("2000h.03h").defaultValue, "0");
    EXPECT_EQ(at("2510h.00h").defaultValue, "2.5");
    EXPECT_EQ(m_document.historySize(), 1u);
    EXPECT_TRUE(m_document.isModified());
    EXPECT_EQ(m_page.diagnostics().back(), w("Значения по умолчанию загружены."));
    bool redrawn = false;
    for (const ParameterTreeNode& node : m_page.profileTree().nodes())
        redrawn = redrawn || node.label == w("Напряжение звена постоянного тока [2000h.01h]=Стд.числ. 550 U16");
    EXPECT_TRUE(redrawn);
    m_document.undo();
    EXPECT_EQ(at("2000h.01h").defaultValue, "540");
    EXPECT_EQ(at("2510h.00h").defaultValue, "7");
}

TEST_F(ParameterLoadingTest, SelectionButtonsHierarchiesAndNames) {
    m_page.select(ParameterSelection::All);  // no file: nothing happens
    ASSERT_TRUE(m_page.loadFile(fixture("plant.kvpx")));
    m_page.compare();
    ASSERT_TRUE(m_page.compared());
    const struct {
        ParameterSelection selection;
        std::string selected;
    } rows[] = {
        {ParameterSelection::All, "011011111"},
        {ParameterSelection::Standard, "011011100"},
        {ParameterSelection::AllButStandard, "000000011"},
        {ParameterSelection::None, "000000000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.selected);
        m_page.select(row.selection);
        EXPECT_EQ(selected(), row.selected);
        EXPECT_FALSE(m_page.compared());
    }
    m_page.select(ParameterSelection::Standard);
    const int standardMarks = fileNode(w("Напряжение звена постоянного тока [2000h.01h]"));
    EXPECT_EQ(m_page.fileTree().nodes()[static_cast<std::size_t>(standardMarks)].mark, TreeMark::Marked);
    for (const HierarchyMode mode : {HierarchyMode::Indexes, HierarchyMode::GroupsIndexes, HierarchyMode::Groups}) {
        m_page.setMode(mode);
        EXPECT_EQ(selected(), "011011100");
    }
    m_page.setShortNames(true);
    EXPECT_GE(fileNode(w("Uвх [2000h.01h]")), 0);
    EXPECT_EQ(m_page.fileTree().nodes()[static_cast<std::size_t>(fileNode(w("Uвх [2000h.01h]")))].mark,
              TreeMark::Marked);
    EXPECT_EQ(selected(), "011011100");
}

}  // namespace
}  // namespace tabrin::editing
