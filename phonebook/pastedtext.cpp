#include "phonebook/pastedtext.h"

#include <algorithm>

namespace phonebook {
namespace {

// Higher tells the operator more about what is wrong with the line.
int Telling(NumberRefusal why)
{
    switch (why) {
    case NumberRefusal::TooLong:
    case NumberRefusal::TooShort:
        return 3;
    case NumberRefusal::NotANumber:
        return 2;
    case NumberRefusal::Empty:
        return 1;
    case NumberRefusal::None:
        break;
    }
    return 0;
}

// The line's number, or its refusal.
NormalisedNumber NumberInLine(std::string_view line)
{
    NormalisedNumber refused;
    refused.refusal = NumberRefusal::Empty;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find_first_of("\t;,", start), line.size());
        NormalisedNumber field = NormaliseNumber(line.substr(start, end - start));
        if (field.refusal == NumberRefusal::None)
            return field;
        if (Telling(field.refusal) > Telling(refused.refusal))
            refused = std::move(field);
        start = end + 1;
    }
    return refused;
}

} // namespace

PastedNumbers ReadPastedNumbers(std::string_view utf8Text)
{
    PastedNumbers pasted;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < utf8Text.size()) {
        std::size_t end = std::min(utf8Text.find_first_of("\r\n", start), utf8Text.size());
        const std::string_view line = utf8Text.substr(start, end - start);
        ++lineNumber;
        NormalisedNumber number = NumberInLine(line);
        if (number.refusal == NumberRefusal::None)
            pasted.numbers.push_back(std::move(number.number));
        else
            pasted.refused.push_back({lineNumber, std::string(line), number.refusal});
        if (end < utf8Text.size() && utf8Text[end] == '\r' && end + 1 < utf8Text.size() && utf8Text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return pasted;
}

} // namespace phonebook
