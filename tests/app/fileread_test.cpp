// Reading whole files: regular files only, within a size limit, never waiting for a pipe.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/fileread.h"
#include "support/ordinaryuser.h"
#include "support/tempfolder.h"

namespace tabrin::app {
namespace {

namespace fs = std::filesystem;

TEST(FileRead, OnlyRegularFilesWithinTheLimit) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "a.ini";
    test::writeFile(file, "[Main]\n");
    fs::create_symlink("a.ini", folder.path() / "link.ini");
    fs::create_symlink("/dev/zero", folder.path() / "zero.ini");
    ASSERT_EQ(::mkfifo((folder.path() / "pipe.ini").c_str(), 0600), 0);
    fs::create_directory(folder.path() / "folder.ini");
    const fs::path large = folder.path() / "large.ini";  // sparse
    test::writeFile(large, "");
    fs::resize_file(large, 100001);

    struct Row {
        const char* name;
        fs::path path;
        FileReadStatus status;
        std::string bytes;
    };
    const Row rows[] = {
        {"regular file", file, FileReadStatus::Read, "[Main]\n"},
        {"link to a file", folder.path() / "link.ini", FileReadStatus::Read, "[Main]\n"},
        {"missing", folder.path() / "none.ini", FileReadStatus::Missing, ""},
        {"in a missing folder", folder.path() / "none" / "a.ini", FileReadStatus::Missing, ""},
        {"pipe without a writer", folder.path() / "pipe.ini", FileReadStatus::NotRegular, ""},
        {"endless device", folder.path() / "zero.ini", FileReadStatus::NotRegular, ""},
        {"folder", folder.path() / "folder.ini", FileReadStatus::NotRegular, ""},
        {"larger than the limit", large, FileReadStatus::TooLarge, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FileReadResult result = readRegularFile(row.path, 100000);
        EXPECT_EQ(result.status, row.status);
        EXPECT_EQ(result.bytes, row.bytes);
    }
    fs::resize_file(large, 100000);
    EXPECT_EQ(readRegularFile(large, 100000).bytes, std::string(100000, '\0'));
}

TEST(FileRead, FileTheUserMayNotRead) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "secret.ini";
    test::writeFile(file, "x");
    fs::permissions(file, static_cast<fs::perms>(0200));
    test::giveToOrdinaryUser(file);
    FileReadResult result;
    if (!test::runAsOrdinaryUser([&] { result = readRegularFile(file, 100); }))
        GTEST_SKIP() << "cannot run as an ordinary user here";
    EXPECT_EQ(result.status, FileReadStatus::CannotOpen);
    EXPECT_EQ(result.error, EACCES);
}

}  // namespace
}  // namespace tabrin::app
