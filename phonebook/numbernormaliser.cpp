#include "phonebook/numbernormaliser.h"

#include "phonebook/phonebookfile.h"
#include "phonebook/phonenumber.h"
#include "phonebook/unicodechar.h"

#include <cstdint>
#include <optional>

namespace phonebook {
namespace {

// What people put between digit groups: dashes of every kind (hyphen, the
// typographic dashes, the minus sign and their full-width forms), dots,
// slashes and brackets, each in its ASCII and full-width form.
bool IsGroupSeparator(char32_t c)
{
    constexpr std::u32string_view separators = U"-.()[]{}/\u2010\u2011\u2012\u2013\u2014\u2015\u2212\uFE63"
                                               U"\uFF0D\uFF0E\uFF08\uFF09\uFF3B\uFF3D\uFF0F";
    return separators.find(c) != std::u32string_view::npos;
}

} // namespace

NormalisedNumber NormaliseNumber(std::string_view utf8Text)
{
    NormalisedNumber result;
    std::string number;
    for (std::size_t i = 0; i < utf8Text.size();) {
        const std::int32_t c = NextUtf8Char(utf8Text, i);
        if (c < 0) {
            result.refusal = NumberRefusal::NotANumber;
            return result;
        }
        const auto character = static_cast<char32_t>(c);
        if (IsWhiteSpace(character) || IsGroupSeparator(character))
            continue;
        const std::optional<char> kept = PhoneNumberChar(character, number.empty());
        if (!kept) {
            result.refusal = NumberRefusal::NotANumber;
            return result;
        }
        number.push_back(*kept);
    }
    if (number.empty())
        result.refusal = NumberRefusal::Empty;
    else if (number.size() == 1)
        result.refusal = NumberRefusal::TooShort;
    else if (number.size() > PhoneNumberLength)
        result.refusal = NumberRefusal::TooLong;
    if (result.refusal != NumberRefusal::None)
        return result;
    result.changed = number != utf8Text;
    result.number = std::move(number);
    return result;
}

} // namespace phonebook
