// File access on every system: exact bytes, no leftovers, what is not a
// regular file, names beyond ASCII.
#include "phonebook/fileaccess.h"

#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

TEST(WriteFileAtomically, createsFileWithExactBytesAndNoLeftovers)
{
    TempDir dir;
    const std::string bytes("a\0b\xff\n", 5);
    ASSERT_TRUE(phonebook::WriteFileAtomically(dir / "book.kalc", bytes));
    EXPECT_EQ(ReadBytes(dir / "book.kalc"), bytes);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"book.kalc"});
}

TEST(WriteFileAtomically, replacesContentWithoutLeftovers)
{
    TempDir dir;
    WriteBytes(dir / "book.kalc", std::string(9000, 'x'));
    ASSERT_TRUE(phonebook::WriteFileAtomically(dir / "book.kalc", "new"));
    EXPECT_EQ(ReadBytes(dir / "book.kalc"), "new");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"book.kalc"});
}

TEST(WriteFileAtomically, namesBeyondAsciiRoundTrip)
{
    TempDir dir;
    const std::string name = dir / "kn\xc4\x97ga \xd0\xba\xd0\xbd\xd0\xb8\xd0\xb3\xd0\xb0.kalc";
    ASSERT_TRUE(phonebook::WriteFileAtomically(name, "bytes"));
    EXPECT_TRUE(phonebook::IsExistingFile(name));
    EXPECT_EQ(phonebook::ReadFileStart(name), "bytes");
    EXPECT_EQ(FileSizeOf(name), 5u);
}

TEST(WriteFileAtomically, failsWithoutTraceWhereAFolderStands)
{
    TempDir dir;
    fs::create_directory(dir / "book.kalc");
    WriteBytes(dir / "book.kalc/inside", "kept");

    EXPECT_FALSE(phonebook::WriteFileAtomically(dir / "book.kalc", "new"));

    EXPECT_EQ(ReadBytes(dir / "book.kalc/inside"), "kept");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"book.kalc"});
}

TEST(WriteFileAtomically, failsInMissingFolder)
{
    TempDir dir;
    EXPECT_FALSE(phonebook::WriteFileAtomically(dir / "missing/book.kalc", "new"));
    EXPECT_TRUE(Names(dir.Path()).empty());
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, FileSizeOfTest,
    ::testing::Values(
        SizeCase{"phoneBook", [](const TempDir& d) { WriteBytes(d / "f", std::string(7507, '\0')); return d / "f"; }, 7507},
        SizeCase{"empty", [](const TempDir& d) { WriteBytes(d / "f", ""); return d / "f"; }, 0},
        SizeCase{"missing", [](const TempDir& d) { return d / "missing"; }, 0},
        SizeCase{"folder", [](const TempDir& d) { return d.Path(); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReadFileStart, readsAtMostTheBytesAsked)
{
    TempDir dir;
    WriteBytes(dir / "f", std::string(20000, 'z'));
    EXPECT_EQ(phonebook::ReadFileStart(dir / "f", 7503), std::string(7503, 'z'));
    EXPECT_EQ(phonebook::ReadFileStart(dir / "f")->size(), 20000u);
}

TEST(IsExistingFile, folderIsNotAFile)
{
    TempDir dir;
    WriteBytes(dir / "f", "");
    EXPECT_TRUE(phonebook::IsExistingFile(dir / "f"));
    EXPECT_FALSE(phonebook::IsExistingFile(dir.Path()));
    EXPECT_FALSE(phonebook::IsExistingFile(dir / "missing"));
}

} // namespace
