#include "phonebook/compaction.h"
#include "phonebook/phonebookfile.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Slots = std::map<int, std::string>; // slot -> value; absent slots are empty

std::vector<std::string> List(const Slots& slots)
{
    std::vector<std::string> list(phonebook::PhoneSlotCount);
    for (const auto& [slot, value] : slots)
        list[slot] = value;
    return list;
}

struct CompactionCase {
    const char* name;
    Slots before;
    int lastSelectedRow; // data row 1..500 being left, 0 before the first move
    Slots after;
    std::vector<std::string> collected;
};

class CompactionTest : public ::testing::TestWithParam<CompactionCase> {};

TEST_P(CompactionTest, packsAndSortsAllButTheTopNumber)
{
    const CompactionCase& c = GetParam();
    std::vector<std::string> list = List(c.before);
    std::vector<std::string> collected = {"left over from the last compaction"};

    phonebook::CompactPhoneList(list, c.lastSelectedRow, collected);

    EXPECT_EQ(list, List(c.after));
    EXPECT_EQ(collected, c.collected);
}

const std::string FifteenSpaces(15, ' ');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CompactionTest,
    ::testing::Values(
        CompactionCase{"topNumberNeverSorted", {{0, "999"}, {1, "111"}}, 1, {{0, "999"}, {1, "111"}}, {"999", "111"}},
        CompactionCase{"typedNumberSortedIntoPlace", {{0, "111"}, {1, "333"}, {2, "222"}}, 3,
            {{0, "111"}, {1, "222"}, {2, "333"}}, {"111", "222", "333"}},
        CompactionCase{"emptiedRowClosesTheGap", {{0, "111"}, {2, "333"}}, 2, {{0, "111"}, {1, "333"}},
            {"111", "333"}},
        CompactionCase{"numberTypedFarBelowMovesUp", {{0, "111"}, {1, "222"}, {2, "333"}, {9, "444"}}, 10,
            {{0, "111"}, {1, "222"}, {2, "333"}, {3, "444"}}, {"111", "222", "333", "444"}},
        CompactionCase{"duplicatesKeptAndAdjacent", {{0, "555"}, {1, "777"}, {2, "555"}}, 3,
            {{0, "555"}, {1, "555"}, {2, "777"}}, {"555", "555", "777"}},
        CompactionCase{"duplicateOfTopNumberStaysApart", {{0, "777"}, {1, "555"}, {2, "777"}, {3, "555"}}, 4,
            {{0, "777"}, {1, "555"}, {2, "555"}, {3, "777"}}, {"777", "555", "555", "777"}},
        CompactionCase{"plusBeforeDigitsAnd12Before2", {{0, "9"}, {1, "2"}, {2, "12"}, {3, "+3"}}, 0,
            {{0, "9"}, {1, "+3"}, {2, "12"}, {3, "2"}}, {"9", "+3", "12", "2"}},
        CompactionCase{"prefixSortsFirst", {{0, "0"}, {1, "123"}, {2, "12"}}, 0, {{0, "0"}, {1, "12"}, {2, "123"}},
            {"0", "12", "123"}},
        CompactionCase{"bytesCompareUnsigned", {{0, "0"}, {1, "\xE9"}, {2, "A"}}, 0,
            {{0, "0"}, {1, "A"}, {2, "\xE9"}}, {"0", "A", "\xE9"}},
        CompactionCase{"fifteenSpacesAreEmpty", {{0, "111"}, {1, FifteenSpaces}, {2, "222"}}, 0,
            {{0, "111"}, {1, "222"}}, {"111", "222"}},
        CompactionCase{"sixteenCharactersCutTo15", {{0, "+123456789012345"}}, 0, {{0, "+12345678901234"}},
            {"+12345678901234"}},
        CompactionCase{"loadedGapsCopiedUpAndLeftInPlace", {{3, "333"}, {7, "777"}}, 0,
            {{0, "333"}, {1, "777"}, {3, "333"}, {7, "777"}}, {"333", "777"}},
        CompactionCase{"rowBeingLeftEmptiedBeforeRefill", {{3, "333"}, {7, "777"}}, 8,
            {{0, "333"}, {1, "777"}, {3, "333"}}, {"333", "777"}},
        CompactionCase{"onlyTheRowAfterTheRangeIsEmptied", {{0, "111"}, {1, "222"}, {3, "444"}, {5, "666"}}, 0,
            {{0, "111"}, {1, "222"}, {2, "444"}, {3, "666"}, {5, "666"}}, {"111", "222", "444", "666"}},
        CompactionCase{"valueOfRowBeingLeftIsKept", {{0, "111"}, {1, "222"}}, 2, {{0, "111"}, {1, "222"}},
            {"111", "222"}},
        CompactionCase{"emptyList", {}, 5, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Compaction, fullListSortsAllButTopAndEmptiesNothing)
{
    std::vector<std::string> list(phonebook::PhoneSlotCount);
    for (int n = 0; n < phonebook::PhoneSlotCount; ++n)
        list[n] = std::to_string(phonebook::PhoneSlotCount - n); // 500, 499, ..., 1
    std::vector<std::string> collected;

    phonebook::CompactPhoneList(list, 0, collected);

    ASSERT_EQ(collected.size(), static_cast<std::size_t>(phonebook::PhoneSlotCount));
    EXPECT_EQ(list[0], "500");
    EXPECT_EQ(list[1], "1");
    EXPECT_EQ(list[2], "10");
    EXPECT_EQ(list[499], "99");
    EXPECT_TRUE(std::is_sorted(list.begin() + 1, list.end()));
}

} // namespace
