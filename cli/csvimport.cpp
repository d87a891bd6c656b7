#include "cli/csvimport.h"

#include "cli/csvrecords.h"
#include "phonebook/compaction.h"
#include "phonebook/phonebookfile.h"
#include "phonebook/phonenumber.h"
#include "phonebook/unicodechar.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>

namespace cli {
namespace {

constexpr std::size_t ShortestNumber = 2;

bool IsBlank(std::string_view field)
{
    return std::all_of(field.begin(), field.end(), [](unsigned char c) { return std::isspace(c); });
}

// The number in a field: blanks, dashes and brackets dropped, digits of
// other scripts taken as the window takes them when typed; nothing when
// anything else is in it (a letter, a "+" after the start, bytes that are
// no UTF-8).
std::optional<std::string> NumberIn(std::string_view field)
{
    constexpr auto npos = std::u32string_view::npos;
    std::string number;
    for (std::size_t i = 0; i < field.size();) {
        const std::int32_t c = phonebook::NextUtf8Char(field, i);
        if (c >= 0 && (phonebook::IsWhiteSpace(static_cast<char32_t>(c)) || std::u32string_view(U"-()[]").find(static_cast<char32_t>(c)) != npos))
            continue;
        const std::optional<char> kept =
            c < 0 ? std::nullopt : phonebook::PhoneNumberChar(static_cast<char32_t>(c), number.empty());
        if (!kept)
            return std::nullopt;
        number.push_back(*kept);
    }
    return number;
}

// Why the number cannot be stored; empty when it can.
std::string LengthProblem(const std::string& number)
{
    if (number.size() > phonebook::PhoneNumberLength)
        return "\"" + number + "\" is longer than 15 characters";
    if (number.size() < ShortestNumber)
        return "\"" + number + "\" is too short (at least 2 characters)";
    return {};
}

// A header names its columns: no field of it holds a number.
bool IsHeader(const CsvRecord& record)
{
    return std::none_of(record.fields.begin(), record.fields.end(), [](const std::string& field) {
        const std::optional<std::string> number = NumberIn(field);
        return number && !number->empty();
    });
}

// The slot a field names, or nothing when it names none.
std::optional<int> SlotOf(std::string_view field)
{
    while (!field.empty() && std::isspace(static_cast<unsigned char>(field.front())))
        field.remove_prefix(1);
    while (!field.empty() && std::isspace(static_cast<unsigned char>(field.back())))
        field.remove_suffix(1);
    if (field.empty() || field.size() > 3
        || !std::all_of(field.begin(), field.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int slot = std::stoi(std::string(field));
    return slot < phonebook::PhoneSlotCount ? std::optional<int>(slot) : std::nullopt;
}

struct Accepted {
    int order; // the slot, or the position in a plain list
    std::string number;
};

} // namespace

ImportResult ImportCsv(std::string_view bytes, const ImportOptions& options)
{
    std::vector<CsvRecord> records = ReadCsvRecords(bytes);
    for (CsvRecord& record : records)
        while (!record.fields.empty() && IsBlank(record.fields.back()))
            record.fields.pop_back();
    std::erase_if(records, [](const CsvRecord& record) { return record.fields.empty(); });
    if (!records.empty() && IsHeader(records.front()))
        records.erase(records.begin());

    ImportResult result;
    // Empty trailing columns are gone, so a "slot," row of a slot left empty
    // is one field: any row with two tells the file's layout.
    const bool withSlots = std::any_of(
        records.begin(), records.end(), [](const CsvRecord& record) { return record.fields.size() >= 2; });
    const std::size_t columns = withSlots ? 2 : 1;
    std::vector<Accepted> accepted;
    std::map<std::string, int> lineOfNumber;
    std::map<int, int> lineOfSlot;
    for (const CsvRecord& record : records) {
        const auto reject = [&](const std::string& reason) { result.rejected.push_back({record.line, reason}); };
        if (record.fields.size() > columns) {
            reject(withSlots ? "expected \"slot,number\"" : "expected one number");
            continue;
        }
        const std::string field = record.fields.size() == columns ? record.fields.back() : "";
        const std::optional<std::string> number = NumberIn(field);
        if (!number) {
            reject("\"" + field + "\" is not a phone number (only digits and a leading + are allowed)");
            continue;
        }
        if (number->empty())
            continue; // a slot left empty
        if (const std::string problem = LengthProblem(*number); !problem.empty()) {
            reject(problem);
            continue;
        }
        int order = static_cast<int>(accepted.size());
        if (withSlots) {
            const std::optional<int> slot = SlotOf(record.fields.front());
            if (!slot) {
                reject("slot \"" + record.fields.front() + "\" is not between 0 and 499");
                continue;
            }
            order = *slot;
        }
        if (accepted.size() == static_cast<std::size_t>(phonebook::PhoneSlotCount)) {
            reject("more than 500 numbers");
            continue;
        }
        if (withSlots) {
            if (const auto [at, fresh] = lineOfSlot.emplace(order, record.line); !fresh)
                result.warnings.push_back({record.line, "slot " + std::to_string(order) + " also on line "
                    + std::to_string(at->second) + "; both numbers kept"});
        }
        if (const auto [at, fresh] = lineOfNumber.emplace(*number, record.line); !fresh)
            result.warnings.push_back(
                {record.line, "\"" + *number + "\" also on line " + std::to_string(at->second) + "; kept twice"});
        accepted.push_back({order, *number});
    }

    std::stable_sort(accepted.begin(), accepted.end(),
        [](const Accepted& a, const Accepted& b) { return a.order < b.order; });
    phonebook::PhoneBook book;
    book.relayTimeout = options.relayTimeout;
    book.externalOff = options.externalOff;
    for (std::size_t i = 0; i < accepted.size(); ++i)
        book.numbers[i] = accepted[i].number;
    // The compaction a cell move in the window makes: the list is already
    // packed, so it sorts all but the first.
    std::vector<std::string> collected;
    phonebook::CompactPhoneList(book.numbers, 0, collected);
    result.numbers.assign(book.numbers.begin(), book.numbers.begin() + static_cast<long>(accepted.size()));
    if (result.rejected.empty() || options.skipBad)
        result.image = phonebook::EncodePhoneBook(book);
    return result;
}

} // namespace cli
