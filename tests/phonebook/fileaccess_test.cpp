#include "phonebook/fileaccess.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const TempDir& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WriteFileAtomically, createsFileWithExactBytesAndNoLeftovers)
{
    TempDir dir;
    const std::string bytes("a\0b\xff\n", 5);
    ASSERT_TRUE(files::WriteFileAtomically(dir / "book.kalc", bytes));
    EXPECT_EQ(ReadBytes(dir / "book.kalc"), bytes);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"book.kalc"});
}

TEST(WriteFileAtomically, replacesContentAndKeepsPermissions)
{
    TempDir dir;
    WriteBytes(dir / "book.kalc", std::string(9000, 'x'));
    ASSERT_EQ(chmod((dir / "book.kalc").c_str(), 0640), 0);

    ASSERT_TRUE(files::WriteFileAtomically(dir / "book.kalc", "new"));

    EXPECT_EQ(ReadBytes(dir / "book.kalc"), "new");
    EXPECT_EQ(fs::status(dir / "book.kalc").permissions(),
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"book.kalc"});
}

TEST(WriteFileAtomically, writesThroughSymbolicLinkAndKeepsTheLink)
{
    TempDir dir;
    WriteBytes(dir / "real.kalc", "old");
    fs::create_symlink(dir / "real.kalc", dir / "link.kalc");

    ASSERT_TRUE(files::WriteFileAtomically(dir / "link.kalc", "new"));

    EXPECT_TRUE(fs::is_symlink(dir / "link.kalc"));
    EXPECT_EQ(ReadBytes(dir / "real.kalc"), "new");
}

TEST(WriteFileAtomically, failsWithoutTraceWhereAFolderStands)
{
    TempDir dir;
    fs::create_directory(dir / "book.kalc");
    WriteBytes(dir / "book.kalc/inside", "kept");

    EXPECT_FALSE(files::WriteFileAtomically(dir / "book.kalc", "new"));

    EXPECT_EQ(ReadBytes(dir / "book.kalc/inside"), "kept");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"book.kalc"});
}

TEST(WriteFileAtomically, failsInMissingFolder)
{
    TempDir dir;
    EXPECT_FALSE(files::WriteFileAtomically(dir / "missing/book.kalc", "new"));
    EXPECT_TRUE(Names(dir).empty());
}

struct SizeCase {
    const char* name;
    std::function<std::string(const TempDir&)> make; // returns the path to measure
    std::uint64_t size;
};

class FileSizeOfTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FileSizeOfTest, measuresRegularFilesOnly)
{
    TempDir dir;
    EXPECT_EQ(FileSizeOf(GetParam().make(dir)), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FileSizeOfTest,
    ::testing::Values(
        SizeCase{"phoneBook", [](const TempDir& d) { WriteBytes(d / "f", std::string(7507, '\0')); return d / "f"; }, 7507},
        SizeCase{"empty", [](const TempDir& d) { WriteBytes(d / "f", ""); return d / "f"; }, 0},
        SizeCase{"missing", [](const TempDir& d) { return d / "missing"; }, 0},
        SizeCase{"folder", [](const TempDir& d) { return d.Path(); }, 0},
        SizeCase{"pipeDoesNotBlock", [](const TempDir& d) { mkfifo((d / "p").c_str(), 0600); return d / "p"; }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFileStart, readsAtMostTheBytesAsked)
{
    TempDir dir;
    WriteBytes(dir / "f", std::string(20000, 'z'));
    EXPECT_EQ(files::ReadFileStart(dir / "f", 7503), std::string(7503, 'z'));
    EXPECT_EQ(files::ReadFileStart(dir / "f")->size(), 20000u);
}

TEST(ReadFileStart, refusesWhatIsNotARegularFile)
{
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "p").c_str(), 0600), 0);
    EXPECT_EQ(files::ReadFileStart(dir / "p"), std::nullopt);
    EXPECT_EQ(files::ReadFileStart(dir.Path()), std::nullopt);
    EXPECT_EQ(files::ReadFileStart(dir / "missing"), std::nullopt);
}

TEST(IsExistingFile, folderIsNotAFile)
{
    TempDir dir;
    WriteBytes(dir / "f", "");
    EXPECT_TRUE(files::IsExistingFile(dir / "f"));
    EXPECT_FALSE(files::IsExistingFile(dir.Path()));
    EXPECT_FALSE(files::IsExistingFile(dir / "missing"));
}

} // namespace
