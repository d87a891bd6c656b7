#include "phonebook/compaction.h"

#include "phonebook/phonebookfile.h"

#include <algorithm>

namespace phonebook {

bool IsBlankNumber(std::string_view value)
{
    return value.empty() || value == std::string_view("               ", PhoneNumberLength);
}

bool NumberBefore(std::string_view a, std::string_view b)
{
    // char_traits<char> compares as unsigned char, which is the order wanted.
    return a.compare(b) < 0;
}

void CompactPhoneList(std::vector<std::string>& numbers, int lastSelectedRow, std::vector<std::string>& collected)
{
    CollectNumbers(numbers, collected);
    if (lastSelectedRow >= 1 && lastSelectedRow <= static_cast<int>(numbers.size()))
        numbers[lastSelectedRow - 1].clear();
    RefillNumbers(numbers, collected);
}

void CollectNumbers(std::vector<std::string>& numbers, std::vector<std::string>& collected)
{
    collected.clear();
    for (std::string& value : numbers) {
        if (phonebook::IsBlankNumber(value))
            continue;
        if (value.size() > PhoneNumberLength)
            value.resize(PhoneNumberLength);
        collected.push_back(value);
    }
}

void RefillNumbers(std::vector<std::string>& numbers, std::vector<std::string>& collected)
{
    if (collected.size() >= 2) {
        std::stable_sort(collected.begin() + 1, collected.end(),
            [](const std::string& a, const std::string& b) { return phonebook::NumberBefore(a, b); });
    }
    const std::size_t filled = std::min(collected.size(), numbers.size());
    std::copy_n(collected.begin(), filled, numbers.begin());
    if (filled < numbers.size())
        numbers[filled].clear();
}

} // namespace phonebook
