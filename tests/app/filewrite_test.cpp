// Replacing files: links, pipes, devices, protected files and folders, long names, and the
// temporary files of saves that were cut short.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <functional>
#include <set>
#include <thread>

#include "app/filewrite.h"
#include "support/ordinaryuser.h"
#include "support/tempfolder.h"

namespace tabrin::app {
namespace {

namespace fs = std::filesystem;

const std::string kText = "new contents\n";

// One row's folder and what its checks look at.
struct Scene {
    fs::path folder;
    fs::path written;  // the path handed to the write
    std::string delivered;  // what the reader of a pipe received
    std::vector<std::string> notices;
};

struct Case {
    const char* name;
    // Makes the files of the row; false when the row cannot be shown on this machine.
    std::function<bool(Scene&)> prepare;
    std::function<void(const Scene&, const FileWriteResult&)> check;
    bool asOrdinaryUser = false;
    // How the row writes; by default the text to the scene's path.
    std::function<FileWriteResult(Scene&)> write = [](Scene& scene) { return writeFileAtomically(scene.written, kText); };
};

std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

mode_t fileType(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

mode_t permissions(const fs::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

void expectWritten(const FileWriteResult& result) {
    EXPECT_TRUE(result.written());
    EXPECT_EQ(result.error, 0);
}

void expectRefused(const FileWriteResult& result, int error) {
    EXPECT_EQ(result.status, FileWriteStatus::CannotOpen);
    EXPECT_EQ(result.error, error) << systemErrorText(result.error);
}

// Reads the pipe while the write runs: the reader is there before the writer opens it.
FileWriteResult writeToReadPipe(Scene& scene) {
    const int reader = ::open(scene.written.c_str(), O_RDONLY | O_NONBLOCK);
    if (reader < 0) return {FileWriteStatus::CannotOpen, errno};
    ::fcntl(reader, F_SETFL, ::fcntl(reader, F_GETFL) & ~O_NONBLOCK);
    std::atomic<bool> writerDone = false;
    std::thread reading([&] {
        char buffer[256];
        // Without a writer a read finds the end at once: it counts only once the write returned.
        for (;;) {
            const bool done = writerDone;
            const ssize_t count = ::read(reader, buffer, sizeof buffer);
            if (count > 0) scene.delivered.append(buffer, static_cast<std::size_t>(count));
            else if (done || count < 0) break;
            else std::this_thread::yield();
        }
    });
    const FileWriteResult result = writeFileAtomically(scene.written, kText);
    writerDone = true;
    reading.join();
    ::close(reader);
    return result;
}

// The reader takes a little of a long text and goes away: the write fails, the program goes on.
FileWriteResult writeToPipeLeftEarly(Scene& scene) {
    int reader = ::open(scene.written.c_str(), O_RDONLY | O_NONBLOCK);
    if (reader < 0) return {FileWriteStatus::CannotOpen, errno};
    std::thread reading([&] {
        char buffer[16];
        while (::read(reader, buffer, sizeof buffer) <= 0) std::this_thread::yield();  // until the writer came
        scene.delivered.assign(buffer, sizeof buffer);
        ::close(reader);
    });
    const FileWriteResult result = writeFileAtomically(scene.written, std::string(1024 * 1024, 'x'));
    reading.join();
    return result;
}

// The file system refuses writes beyond a size limit: the save stops halfway.
FileWriteResult writeBeyondSizeLimit(Scene& scene) {
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4, previous.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileWriteResult result = writeFileAtomically(scene.written, kText);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    return result;
}

const Case kCases[] = {
    {"NewFile",
     [](Scene& s) {
         s.written = s.folder / "new.txt";
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         EXPECT_EQ(test::readFile(s.written), kText);
         EXPECT_EQ(entries(s.folder), std::set<std::string>{"new.txt"});  // no temporary file left
     }},
    {"ExistingFileKeepsItsPermissions",
     [](Scene& s) {
         s.written = s.folder / "old.txt";
         test::writeFile(s.written, "old");
         fs::permissions(s.written, static_cast<fs::perms>(0640));
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         EXPECT_EQ(test::readFile(s.written), kText);
         EXPECT_EQ(permissions(s.written), 0640u);
     }},
    {"SymbolicLinkStaysAndItsTargetChanges",
     [](Scene& s) {
         test::writeFile(s.folder / "targets" / "real.txt", "old");
         s.written = s.folder / "link.txt";
         fs::create_symlink("targets/real.txt", s.written);
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         EXPECT_EQ(fileType(s.written), S_IFLNK);
         EXPECT_EQ(fs::read_symlink(s.written), "targets/real.txt");
         EXPECT_EQ(test::readFile(s.folder / "targets" / "real.txt"), kText);
         EXPECT_EQ(entries(s.folder / "targets"), std::set<std::string>{"real.txt"});
         EXPECT_EQ(entries(s.folder), (std::set<std::string>{"link.txt", "targets"}));
     }},
    {"ChainOfLinksReachesTheFile",
     [](Scene& s) {
         test::writeFile(s.folder / "a" / "real.txt", "old");
         fs::create_directory(s.folder / "b");
         fs::create_symlink(s.folder / "a" / "real.txt", s.folder / "b" / "middle.txt");
         s.written = s.folder / "first.txt";
         fs::create_symlink("b/middle.txt", s.written);
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         EXPECT_EQ(fileType(s.written), S_IFLNK);
         EXPECT_EQ(fileType(s.folder / "b" / "middle.txt"), S_IFLNK);
         EXPECT_EQ(test::readFile(s.folder / "a" / "real.txt"), kText);
     }},
    {"LinkToNothingCreatesItsTarget",
     [](Scene& s) {
         s.written = s.folder / "link.txt";
         fs::create_symlink("made.txt", s.written);
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         EXPECT_EQ(fileType(s.written), S_IFLNK);
         EXPECT_EQ(test::readFile(s.folder / "made.txt"), kText);
     }},
    {"PipeReadByAnotherProgram",
     [](Scene& s) {
         s.written = s.folder / "pipe";
         return ::mkfifo(s.written.c_str(), 0600) == 0;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         EXPECT_EQ(s.delivered, kText);
         EXPECT_EQ(fileType(s.written), S_IFIFO);
         EXPECT_EQ(entries(s.folder), std::set<std::string>{"pipe"});
     },
     false, writeToReadPipe},
    {"PipeWhoseReaderLeavesEarly",
     [](Scene& s) {
         s.written = s.folder / "pipe";
         return ::mkfifo(s.written.c_str(), 0600) == 0;
     },
     [](const Scene& s, const FileWriteResult& result) {
         EXPECT_EQ(result.status, FileWriteStatus::CannotWrite);
         EXPECT_EQ(result.error, EPIPE);
         EXPECT_EQ(s.delivered, std::string(16, 'x'));
         EXPECT_EQ(fileType(s.written), S_IFIFO);
     },
     false, writeToPipeLeftEarly},
    {"PipeNobodyReadsIsNotWaitedFor",
     [](Scene& s) {
         s.written = s.folder / "pipe";
         return ::mkfifo(s.written.c_str(), 0600) == 0;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectRefused(result, ENXIO);
         EXPECT_EQ(fileType(s.written), S_IFIFO);
         EXPECT_EQ(entries(s.folder), std::set<std::string>{"pipe"});
     }},
    {"CharacterDevice",
     [](Scene& s) {
         // A null device of the test's own, so that a failure cannot harm the system's /dev/null.
         s.written = s.folder / "null";
         return ::geteuid() == 0 && ::mknod(s.written.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         struct stat info {};
         ASSERT_EQ(::lstat(s.written.c_str(), &info), 0);
         EXPECT_TRUE(S_ISCHR(info.st_mode));
         EXPECT_EQ(info.st_rdev, makedev(1, 3));
         EXPECT_EQ(entries(s.folder), std::set<std::string>{"null"});
     }},
    {"FolderWithoutWritePermissionTakesTheFileInPlace",
     [](Scene& s) {
         s.written = s.folder / "shared.txt";
         test::writeFile(s.written, "old contents that are longer");
         fs::permissions(s.written, static_cast<fs::perms>(0666));
         fs::permissions(s.folder, static_cast<fs::perms>(0555));
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         fs::permissions(s.folder, static_cast<fs::perms>(0755));
         expectWritten(result);
         EXPECT_EQ(test::readFile(s.written), kText);
         ASSERT_EQ(s.notices.size(), 1u);
         EXPECT_EQ(s.notices[0], "Writing '" + s.written.string() +
                                     "' in place: its folder allows no temporary file (Permission denied)");
     },
     true},
    {"ReadOnlyFileIsRefused",
     [](Scene& s) {
         s.written = s.folder / "protected.txt";
         test::writeFile(s.written, "old");
         fs::permissions(s.written, static_cast<fs::perms>(0444));
         fs::permissions(s.folder, static_cast<fs::perms>(0777));  // replacing it would be allowed
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectRefused(result, EACCES);
         EXPECT_EQ(systemErrorText(result.error), "Permission denied");
         EXPECT_EQ(test::readFile(s.written), "old");
         EXPECT_EQ(permissions(s.written), 0444u);
         EXPECT_EQ(entries(s.folder), std::set<std::string>{"protected.txt"});
     },
     true},
    {"NameAsLongAsTheSystemAllows",
     [](Scene& s) {
         s.written = s.folder / (std::string(246, 'n') + ".xml");  // 250 of the 255 bytes a name may have
         test::writeFile(s.written, "old");
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectWritten(result);
         EXPECT_EQ(test::readFile(s.written), kText);
         EXPECT_EQ(entries(s.folder).size(), 1u);
     }},
    {"WriteCutShortKeepsTheOldFile",
     [](Scene& s) {
         s.written = s.folder / "old.txt";
         test::writeFile(s.written, "old");
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         EXPECT_EQ(result.status, FileWriteStatus::CannotWrite);
         EXPECT_EQ(result.error, EFBIG);
         EXPECT_EQ(test::readFile(s.written), "old");
         EXPECT_EQ(entries(s.folder), std::set<std::string>{"old.txt"});
     },
     false, writeBeyondSizeLimit},
    {"MissingFolder",
     [](Scene& s) {
         s.written = s.folder / "none" / "file.txt";
         return true;
     },
     [](const Scene&, const FileWriteResult& result) { expectRefused(result, ENOENT); }},
    {"FolderAtThePath",
     [](Scene& s) {
         s.written = s.folder / "vost.c";
         fs::create_directory(s.written);
         return true;
     },
     [](const Scene& s, const FileWriteResult& result) {
         expectRefused(result, EISDIR);
         EXPECT_EQ(fileType(s.written), S_IFDIR);
     }},
};

class FileWriteTargets : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        fs::permissions(m_folder.path(), static_cast<fs::perms>(0755));
        m_scene.folder = m_folder.path() / "files";
        fs::create_directory(m_scene.folder);
        setFileWriteNotice([this](std::string_view line) { m_scene.notices.emplace_back(line); });
    }
    void TearDown() override {
        setFileWriteNotice({});
        std::error_code ignored;
        fs::permissions(m_scene.folder, static_cast<fs::perms>(0755), ignored);
    }

    test::TempFolder m_folder;
    Scene m_scene;
};

TEST_P(FileWriteTargets, Write) {
    const Case& row = GetParam();
    if (!row.prepare(m_scene)) GTEST_SKIP() << "this machine cannot make the file of the row";
    if (row.asOrdinaryUser) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_scene.folder))
            test::giveToOrdinaryUser(entry.path());
        // The folder stays root's when the tests run as root: "nobody" may not create files in it.
    }
    FileWriteResult result;
    const bool ran = !row.asOrdinaryUser || test::runAsOrdinaryUser([&] { result = row.write(m_scene); });
    if (!ran) GTEST_SKIP() << "cannot run as an ordinary user here";
    if (!row.asOrdinaryUser) result = row.write(m_scene);
    row.check(m_scene, result);
}

INSTANTIATE_TEST_SUITE_P(Targets, FileWriteTargets, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A save killed halfway: the file system's size limit ends the process while it writes.
void killedSave(const fs::path& file) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit small{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &small);
        writeFileAtomically(file, kText);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(WTERMSIG(status), SIGXFSZ);
}

TEST(FileWrite, LeftoversOfAKilledSaveGoWithTheNextWriteOfTheSameFile) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "profile.xml";
    const fs::path other = folder.path() / "other.xml";
    test::writeFile(file, "old");
    test::writeFile(other, "other");
    test::writeFile(folder.path() / ".hidden", "the user's");
    killedSave(file);
    killedSave(other);
    ASSERT_EQ(entries(folder.path()).size(), 5u);  // two leftovers
    EXPECT_EQ(test::readFile(file), "old");

    ASSERT_TRUE(writeFileAtomically(file, kText).written());
    EXPECT_EQ(test::readFile(file), kText);
    const std::set<std::string> left = entries(folder.path());
    EXPECT_EQ(left.size(), 4u);  // the other file's leftover waits for that file's next write
    EXPECT_TRUE(left.contains(".hidden"));

    ASSERT_TRUE(writeFileAtomically(other, kText).written());
    EXPECT_EQ(entries(folder.path()), (std::set<std::string>{".hidden", "other.xml", "profile.xml"}));
}

TEST(FileWrite, WritersOfTheSameFileAtOnceAllSucceed) {
    // Each writer clears the leftovers of its target before it writes: that must never take the
    // temporary file of a writer still at work.
    constexpr int kWriters = 4;
    constexpr int kWritesEach = 150;
    test::TempFolder folder;
    const fs::path file = folder.path() / "profile.xml";
    std::atomic<int> failures = 0;
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&, writer] {
            for (int i = 0; i < kWritesEach; ++i) {
                const FileWriteResult result = writeFileAtomically(file, "writer " + std::to_string(writer) + "\n");
                if (!result.written()) ++failures;
            }
        });
    }
    for (std::thread& writer : writers) writer.join();
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(test::readFile(file).starts_with("writer "));
    EXPECT_EQ(entries(folder.path()), std::set<std::string>{"profile.xml"});
}

// A small file system of the test's own, filled up but for what the rows need.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "a full disk needs a file system of its own, which only root may mount";
        m_mounted = ::mount("tabrin-full-disk", m_folder.path().c_str(), "tmpfs", 0, "size=64k,mode=0755") == 0;
        if (!m_mounted) GTEST_SKIP() << "cannot mount a small file system here: " << systemErrorText(errno);
    }
    void TearDown() override {
        if (m_mounted) ::umount2(m_folder.path().c_str(), MNT_DETACH);
    }

    // Fills the file system to its last block.
    void fill() {
        std::ofstream filler(m_folder.path() / "filler", std::ios::binary);
        const std::string block(1024, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) filler.flush();
    }

    test::TempFolder m_folder;
    bool m_mounted = false;
};

TEST_F(FullDisk, WritingInPlaceKeepsTheOldFileWhenTheNewOneDoesNotFit) {
    struct Row { const char* name; std::size_t newSize; bool written; };
    const Row rows[] = {
        {"longer than the room left", 40 * 1024, false},
        {"shorter than the old file", 4 * 1024, true},
        {"as long as the old file", 16 * 1024, true},
    };
    const fs::path folder = m_folder.path() / "files";
    const fs::path file = folder / "profile.xml";
    const std::string old(16 * 1024, 'o');
    fs::create_directory(folder);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove(m_folder.path() / "filler");
        fs::permissions(folder, static_cast<fs::perms>(0755));
        test::writeFile(file, old);
        fs::permissions(file, static_cast<fs::perms>(0666));
        fs::permissions(folder, static_cast<fs::perms>(0555));  // no temporary file: written in place
        fill();

        const std::string text(row.newSize, 'n');
        FileWriteResult result;
        ASSERT_TRUE(test::runAsOrdinaryUser([&] { result = writeFileAtomically(file, text); }));
        EXPECT_EQ(result.written(), row.written) << systemErrorText(result.error);
        EXPECT_EQ(result.error, row.written ? 0 : ENOSPC);
        const std::string now = test::readFile(file);
        EXPECT_TRUE(now == (row.written ? text : old)) << "the file holds " << now.size() << " bytes";
    }
    fs::permissions(folder, static_cast<fs::perms>(0755));
}

}  // namespace
}  // namespace tabrin::app
