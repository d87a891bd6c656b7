// File access rules that only POSIX systems have: permission bits, owners,
// symbolic and hard links, pipes.
#include "phonebook/fileaccess.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(WriteFileAtomically, replacesContentAndKeepsPermissions)
{
    TempDir dir;
    WriteBytes(dir / "book.kalc", std::string(9000, 'x'));
    ASSERT_EQ(chmod((dir / "book.kalc").c_str(), 0640), 0);

    ASSERT_TRUE(phonebook::WriteFileAtomically(dir / "book.kalc", "new"));

    EXPECT_EQ(ReadBytes(dir / "book.kalc"), "new");
    EXPECT_EQ(fs::status(dir / "book.kalc").permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"book.kalc"});
}

TEST(WriteFileAtomically, writesThroughSymbolicLinkAndKeepsTheLink)
{
    TempDir dir;
    WriteBytes(dir / "real.kalc", "old");
    fs::create_symlink(dir / "real.kalc", dir / "link.kalc");

    ASSERT_TRUE(phonebook::WriteFileAtomically(dir / "link.kalc", "new"));

    EXPECT_TRUE(fs::is_symlink(dir / "link.kalc"));
    EXPECT_EQ(ReadBytes(dir / "real.kalc"), "new");
}

// Runs a save as an ordinary user: as `nobody` in a child process when the
// tests run as the superuser (for whom no permission is enforced), as
// ourselves otherwise. Returns the save's result.
struct User {
    uid_t uid;
    gid_t gid;
    bool dropped; // the save runs in a child as nobody
};

User SavingUser()
{
    if (::geteuid() != 0)
        return {::geteuid(), ::getegid(), false};
    const passwd* nobody = ::getpwnam("nobody");
    return nobody ? User{nobody->pw_uid, nobody->pw_gid, true} : User{::geteuid(), ::getegid(), false};
}

bool SaveAs(const User& user, const std::string& path, const std::string& bytes)
{
    if (!user.dropped)
        return phonebook::WriteFileAtomically(path, bytes);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::setgroups(0, nullptr) == 0 && ::setresgid(user.gid, user.gid, user.gid) == 0
            && ::setresuid(user.uid, user.uid, user.uid) == 0 && phonebook::WriteFileAtomically(path, bytes);
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Own(const std::string& path, uid_t uid, gid_t gid, mode_t mode)
{
    ASSERT_EQ(::chown(path.c_str(), uid, gid), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

struct SaveCase {
    const char* name;
    // The folder and the file belong to someone else (the superuser), not
    // to the user saving; only the superuser can set that up.
    bool othersFile;
    std::string fileName;
    mode_t folderMode;
    mode_t fileMode;
    bool saved;
};

class SaveRulesTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveRulesTest, savesWhatTheUserMayWriteAndNothingElse)
{
    const User user = SavingUser();
    const bool superuser = ::geteuid() == 0;
    if (GetParam().othersFile && !superuser)
        GTEST_SKIP() << "needs the superuser to give the file to another owner";
    if (superuser && !user.dropped)
        GTEST_SKIP() << "no user nobody to drop to: permissions are not enforced for the superuser";
    TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir((dir / "f").c_str(), 0755), 0);
    const std::string path = dir / ("f/" + GetParam().fileName);
    WriteBytes(path, "old");
    const uid_t owner = GetParam().othersFile ? 0 : user.uid;
    const gid_t group = GetParam().othersFile ? 0 : user.gid;
    Own(path, owner, group, GetParam().fileMode);
    Own(dir / "f", owner, group, GetParam().folderMode);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const std::string bytes(7507, '\x31');

    EXPECT_EQ(SaveAs(user, path, bytes), GetParam().saved);

    EXPECT_EQ(ReadBytes(path), GetParam().saved ? bytes : "old");
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(Names(dir.Path() + "/f").size(), 1u) << "a temporary file was left behind";
    ::chmod((dir / "f").c_str(), 0755); // so that the folder can be removed
}

INSTANTIATE_TEST_SUITE_P(Files, SaveRulesTest,
    ::testing::Values(SaveCase{"readOnlyFileIsNotReplaced", false, "book.kalc", 0755, 0444, false},
        SaveCase{"othersFileInSharedFolderIsNotReplaced", true, "book.kalc", 0777, 0644, false},
        SaveCase{"writableFileInUnwritableFolderIsSavedInPlace", false, "book.kalc", 0555, 0640, true},
        SaveCase{"othersWritableFileKeepsItsOwner", true, "book.kalc", 0777, 0666, true},
        SaveCase{"nameAtTheFileSystemLimit", false, std::string(250, 'n') + ".kalc", 0755, 0644, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileAtomically, keepsHardLinksTogether)
{
    TempDir dir;
    WriteBytes(dir / "book.kalc", "old");
    ASSERT_EQ(::link((dir / "book.kalc").c_str(), (dir / "copy.kalc").c_str()), 0);

    ASSERT_TRUE(phonebook::WriteFileAtomically(dir / "book.kalc", "new"));

    EXPECT_EQ(ReadBytes(dir / "book.kalc"), "new");
    EXPECT_EQ(ReadBytes(dir / "copy.kalc"), "new");
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"book.kalc", "copy.kalc"}));
}

TEST(FileSizeOf, pipeDoesNotBlock)
{
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "p").c_str(), 0600), 0);
    EXPECT_EQ(FileSizeOf(dir / "p"), 0u);
}

TEST(ReadFileStart, refusesWhatIsNotARegularFile)
{
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "p").c_str(), 0600), 0);
    EXPECT_EQ(phonebook::ReadFileStart(dir / "p"), std::nullopt);
    EXPECT_EQ(phonebook::ReadFileStart(dir.Path()), std::nullopt);
    EXPECT_EQ(phonebook::ReadFileStart(dir / "missing"), std::nullopt);
}

} // namespace
