// What the fuzz targets share: the input as bytes, a check that stops the run as a finding, a
// folder for the files a target writes, and the save fixed point of a base.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/scriptedmessageport.h"
#include "support/tempfolder.h"
#include "xml/xmlparser.h"

namespace tabrin::fuzz {

inline std::string bytesOf(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

/// The folder where a target writes its files, one for the whole run (in $TMPDIR when set).
inline const std::filesystem::path& scratchFolder() {
    static const test::TempFolder folder;
    return folder.path();
}

/// A broken promise is a finding: libFuzzer keeps the input that led to the abort, which skips
/// the removal of the scratch folder at exit.
inline void require(bool condition, const char* promise) {
    if (condition) return;
    std::fprintf(stderr, "fuzz finding: %s\n", promise);
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder(), ignored);
    std::abort();
}

/// A port that lets every operation go on: questions are answered Yes.
inline test::ScriptedMessagePort yesPort() { return test::ScriptedMessagePort({}, app::MessageAnswer::Yes); }

/// Loads `bytes` as a base file; when that succeeds without a fault, saving it must keep every
/// element read, as it was read, and loading the saved file and saving again must give the same file.
template <typename Base>
void checkBaseSaveFixedPoint(const std::string& bytes) {
    const std::filesystem::path input = scratchFolder() / "input.xml";
    const std::filesystem::path first = scratchFolder() / "first.xml";
    const std::filesystem::path second = scratchFolder() / "second.xml";
    test::writeFile(input, bytes);
    // Opening a file keeps its character mode for the process; every input starts afresh.
    xml::setCharacterMode(xml::CharacterMode::EightBit);
    test::ScriptedMessagePort port = yesPort();
    Base loaded;
    if (!loaded.load(input, port) || !loaded.readCleanly()) return;
    require(loaded.save(first).ok(), "a base that was read can be saved");
    Base reloaded;
    require(reloaded.load(first, port) && reloaded.readCleanly(), "a saved base reads without a fault");
    require(reloaded.elementsRead() == loaded.elementsRead(), "every element read is written");
    require(reloaded.elements() == loaded.elements(), "every element is written as it was read");
    require(reloaded.save(second).ok(), "a reloaded base can be saved");
    require(test::readFile(first) == test::readFile(second), "saving a reloaded base gives the same file");
}

}  // namespace tabrin::fuzz
