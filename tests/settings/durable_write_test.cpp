// A write counts only once it is on the disk: the temporary file is synced before it replaces
// the target, and the folder after, and a sync that fails is a failed write.

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "settings_fixture.h"

namespace {

// The syncs and renames of this test program, in order, and the sync that is made to fail.
std::vector<std::string> fileCalls;
int failingSync = 0; // the n-th sync from now fails; 0 for none

std::string openedPath(int fd) {
    char target[4096];
    const ssize_t length =
        readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target);
    return length < 0 ? "?" : std::string(target, static_cast<std::size_t>(length));
}

} // namespace

// The C library's calls, watched on their way.
extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    fileCalls.push_back("sync " + openedPath(fd));
    if (failingSync > 0 && --failingSync == 0) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto real =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    fileCalls.push_back(std::string("rename ") + from + " " + to);
    return real(from, to);
}

namespace vestrano {
namespace {

using DurableWrite = SettingsFixture;

TEST_F(DurableWrite, TheFileAndItsFolderAreSyncedAroundTheRename) {
    const std::string dir = std::filesystem::canonical(folder).string();
    const std::string file = dir + "/sammlung.txt";
    fileCalls.clear();
    ASSERT_EQ(writeFileAtomically(file, "neu").reason(), "");
    ASSERT_EQ(fileCalls.size(), 3u);
    const std::string temporary = fileCalls[0].substr(5);
    EXPECT_TRUE(fileCalls[0].starts_with("sync " + dir + "/.sammlung.txt.")) << fileCalls[0];
    EXPECT_EQ(fileCalls[1], "rename " + temporary + " " + file);
    EXPECT_EQ(fileCalls[2], "sync " + dir);
    EXPECT_EQ(read(file), "neu");

    // A failed sync of the new content leaves the old file and no temporary one.
    failingSync = 1;
    EXPECT_EQ(writeFileAtomically(file, "neuer").reason(),
              "Der Datenträger meldet einen Ein- oder Ausgabefehler.");
    EXPECT_EQ(read(file), "neu");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);

    // A failed sync of the folder is told too: the new name may not last.
    failingSync = 2;
    EXPECT_EQ(writeFileAtomically(file, "neuer").reason(),
              "Der Datenträger meldet einen Ein- oder Ausgabefehler.");
    EXPECT_EQ(failingSync, 0);
}

// A file the user keeps private stays private when it is replaced.
TEST_F(DurableWrite, TheNewFileKeepsTheOldOnesPermissions) {
    const std::string file = path("privat.txt");
    ASSERT_EQ(writeFileAtomically(file, "alt").reason(), "");
    namespace fs = std::filesystem;
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    const mode_t oldMask = umask(022);
    const std::string reason = writeFileAtomically(file, "neu").reason();
    umask(oldMask);
    ASSERT_EQ(reason, "");
    EXPECT_EQ(read(file), "neu");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// A collection reached through a link (in another folder) is saved into the file the link
// names; the link stays a link.
TEST_F(DurableWrite, ALinkedFileIsWrittenWhereTheLinkPoints) {
    namespace fs = std::filesystem;
    fs::create_directory(path("echt"));
    const std::string real = path("echt/sammlung.txt");
    ASSERT_EQ(writeFileAtomically(real, "alt").reason(), "");
    const std::string link = path("verweis.txt");
    const std::string chained = path("verweis2.txt");
    fs::create_symlink("echt/sammlung.txt", link);
    fs::create_symlink("verweis.txt", chained);
    ASSERT_EQ(writeFileAtomically(chained, "neu").reason(), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(chained));
    EXPECT_EQ(read(real), "neu");
}

} // namespace
} // namespace vestrano
