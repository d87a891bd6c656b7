#include "csv/importreport.h"

#include "csv/records.h"
#include "phonebook/compaction.h"
#include "phonebook/numbernormaliser.h"
#include "phonebook/phonebookfile.h"
#include "phonebook/phonenumber.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>
#include <optional>

namespace csv {
namespace {

// The lost-zero check needs a clear majority to compare with.
constexpr std::size_t FewestOfAKind = 3;

std::string_view Trimmed(std::string_view field)
{
    while (!field.empty() && std::isspace(static_cast<unsigned char>(field.front())))
        field.remove_prefix(1);
    while (!field.empty() && std::isspace(static_cast<unsigned char>(field.back())))
        field.remove_suffix(1);
    return field;
}

// The text a spreadsheet kept as text: '0612 and ="0612" both hold 0612.
std::string_view Unwrapped(std::string_view field)
{
    field = Trimmed(field);
    if (field.starts_with('\''))
        return field.substr(1);
    if (field.size() >= 3 && field.starts_with("=\"") && field.ends_with('"'))
        return field.substr(2, field.size() - 3);
    return field;
}

// The phone number rule of the list's paste, with the import's reasons.
struct Normalised {
    std::string number;
    Refusal refusal = Refusal::None;
    bool changed = false;
    bool empty = false; // nothing but separators: a slot listed without a number
};

Normalised Normalise(std::string_view text)
{
    phonebook::NormalisedNumber normalised = phonebook::NormaliseNumber(text);
    Normalised result{std::move(normalised.number), Refusal::None, normalised.changed, false};
    switch (normalised.refusal) {
    case phonebook::NumberRefusal::None:
        break;
    case phonebook::NumberRefusal::Empty:
        result.empty = true;
        break;
    case phonebook::NumberRefusal::TooShort:
        result.refusal = Refusal::TooShort;
        break;
    case phonebook::NumberRefusal::TooLong:
        result.refusal = Refusal::TooLong;
        break;
    case phonebook::NumberRefusal::NotANumber:
        result.refusal = Refusal::NotANumber;
        break;
    }
    return result;
}

// A header names its columns: no field of it holds a digit.
bool IsHeader(const Record& record)
{
    return std::none_of(record.fields.begin(), record.fields.end(), [](const std::string& field) {
        const std::string number = phonebook::PhoneNumberOf(field);
        return std::any_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); });
    });
}

std::string JoinedFields(const Record& record)
{
    std::string joined;
    for (const std::string& field : record.fields)
        joined += (joined.empty() ? "" : ", ") + field;
    return joined;
}

bool IsSlotLike(std::string_view field)
{
    field = Trimmed(field);
    return !field.empty() && field.size() <= 3
        && std::all_of(field.begin(), field.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The slot a field names, or nothing when it names none.
std::optional<int> SlotOf(std::string_view field)
{
    if (!IsSlotLike(field))
        return std::nullopt;
    const int slot = std::stoi(std::string(Trimmed(field)));
    return slot < phonebook::PhoneSlotCount ? std::optional<int>(slot) : std::nullopt;
}

struct Layout {
    bool withSlots = false;       // "slot,number" rows, as written by WriteBookCsv
    std::size_t numberColumn = 0; // where each row's number is
};

// A "slot,number" file says so in its header, or without one has two
// columns and slots in the first. Any other file has its numbers in the
// column where most rows hold one, whatever stands beside them (names,
// flats, notes).
Layout LayoutOf(const std::optional<Record>& header, const std::vector<Record>& records)
{
    const auto slotRow = [](const Record& record) { return record.fields.size() <= 2 && IsSlotLike(record.fields[0]); };
    const auto namesSlots = [](std::string_view title) {
        title = Trimmed(title);
        return std::equal(title.begin(), title.end(), "slot", "slot" + 4,
            [](unsigned char a, char b) { return std::tolower(a) == b; });
    };
    const bool withSlots = header ? namesSlots(header->fields[0])
                                  : !records.empty() && std::all_of(records.begin(), records.end(), slotRow)
            && std::any_of(records.begin(), records.end(),
                [](const Record& record) { return record.fields.size() == 2; });
    if (withSlots)
        return {true, 1};
    std::vector<int> numbersIn;
    for (const Record& record : records) {
        numbersIn.resize(std::max(numbersIn.size(), record.fields.size()));
        for (std::size_t column = 0; column < record.fields.size(); ++column)
            numbersIn[column] += !Normalise(Unwrapped(record.fields[column])).number.empty();
    }
    const auto most = std::max_element(numbersIn.begin(), numbersIn.end());
    return {false, most == numbersIn.end() ? 0 : static_cast<std::size_t>(most - numbersIn.begin())};
}

struct Accepted {
    int order; // the slot, or the position in a plain list
    int line;
    std::string number;
};

// A number one character shorter than most, not starting as they do, is
// what a spreadsheet makes of "0612..." or "+370..." stored as a number:
// it cannot be told from a number meant that way, so it is only named.
void WarnOfLostLeadingCharacters(const std::vector<Accepted>& accepted, std::vector<Warning>& warnings)
{
    std::map<std::pair<std::size_t, char>, std::size_t> kinds; // (length, first character) -> count
    for (const Accepted& entry : accepted)
        ++kinds[{entry.number.size(), entry.number.front()}];
    const auto typical = std::max_element(kinds.begin(), kinds.end(),
        [](const auto& a, const auto& b) { return a.second < b.second; });
    if (typical == kinds.end() || typical->second < FewestOfAKind || 2 * typical->second <= accepted.size())
        return;
    const auto [length, first] = typical->first;
    for (const Accepted& entry : accepted)
        if (entry.number.size() + 1 == length && entry.number.front() != first && entry.number.front() != '+')
            warnings.push_back({.line = entry.line,
                .kind = Warning::Kind::LostLeadingCharacter,
                .slot = 0,
                .firstLine = 0,
                .number = entry.number,
                .typicalLength = length,
                .typicalFirst = first});
}

std::vector<Duplicate> DuplicatesOf(const std::vector<Accepted>& accepted)
{
    std::vector<Duplicate> duplicates;
    std::map<std::string, std::size_t> indexOf;
    for (const Accepted& entry : accepted) {
        const auto [at, fresh] = indexOf.emplace(entry.number, duplicates.size());
        if (fresh)
            duplicates.push_back({entry.number, {}});
        duplicates[at->second].lines.push_back(entry.line);
    }
    std::erase_if(duplicates, [](const Duplicate& duplicate) { return duplicate.lines.size() < 2; });
    return duplicates;
}

} // namespace

int ImportReport::Count(RowResult result) const
{
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [result](const ReportRow& row) { return row.result == result; }));
}

namespace {

// The records of a file, each without its trailing empty fields, and no
// record that is left with none.
std::vector<Record> FilledRecords(std::string_view bytes)
{
    std::vector<Record> records = ReadRecords(bytes);
    for (Record& record : records)
        while (!record.fields.empty() && Trimmed(record.fields.back()).empty())
            record.fields.pop_back();
    std::erase_if(records, [](const Record& record) { return record.fields.empty(); });
    return records;
}

// Fills the row of one record; the number it would import, placed in the
// order of its slot (or of the file), or nothing when it imports nothing.
std::optional<Accepted> ReadRow(const Record& record, const Layout& layout, std::size_t acceptedSoFar, ReportRow& row)
{
    row.line = record.line;
    const auto refuse = [&](Refusal refusal) {
        row.result = RowResult::Refused;
        row.refusal = refusal;
        return std::nullopt;
    };
    if (layout.withSlots && record.fields.size() > 2) {
        row.text = JoinedFields(record);
        return refuse(Refusal::ExtraColumns);
    }
    row.text = layout.numberColumn < record.fields.size() ? record.fields[layout.numberColumn] : "";
    const Normalised normalised = Normalise(Unwrapped(row.text));
    if (normalised.empty) {
        row.result = RowResult::Empty;
        return std::nullopt;
    }
    if (normalised.refusal != Refusal::None)
        return refuse(normalised.refusal);
    int order = static_cast<int>(acceptedSoFar);
    if (layout.withSlots) {
        const std::optional<int> slot = SlotOf(record.fields.front());
        if (!slot) {
            row.text = JoinedFields(record);
            return refuse(Refusal::BadSlot);
        }
        order = *slot;
    }
    if (acceptedSoFar == static_cast<std::size_t>(phonebook::PhoneSlotCount))
        return refuse(Refusal::TooMany);
    row.result = normalised.changed ? RowResult::Changed : RowResult::Good;
    row.number = normalised.number;
    return Accepted{order, record.line, normalised.number};
}

// The accepted numbers in slot order, packed and sorted as the compaction a
// cell move in the window makes leaves them: the list is already packed, so
// it sorts all but the first.
std::vector<std::string> PackedNumbers(std::vector<Accepted> accepted)
{
    std::stable_sort(accepted.begin(), accepted.end(),
        [](const Accepted& a, const Accepted& b) { return a.order < b.order; });
    std::vector<std::string> slots(phonebook::PhoneSlotCount);
    for (std::size_t i = 0; i < accepted.size(); ++i)
        slots[i] = accepted[i].number;
    std::vector<std::string> collected;
    phonebook::CompactPhoneList(slots, 0, collected);
    slots.resize(accepted.size());
    return slots;
}

} // namespace

ImportReport ReadImportReport(std::string_view bytes)
{
    std::vector<Record> records = FilledRecords(bytes);
    ImportReport report;
    std::optional<Record> header;
    if (!records.empty() && IsHeader(records.front())) {
        header = std::move(records.front());
        records.erase(records.begin());
        report.rows.push_back({header->line, JoinedFields(*header), RowResult::Header, {}, {}});
    }
    const Layout layout = LayoutOf(header, records);
    std::vector<Accepted> accepted;
    std::map<int, int> lineOfSlot;
    for (const Record& record : records) {
        const std::optional<Accepted> entry = ReadRow(record, layout, accepted.size(), report.rows.emplace_back());
        if (!entry)
            continue;
        if (const auto [at, fresh] = lineOfSlot.emplace(entry->order, record.line); layout.withSlots && !fresh)
            report.warnings.push_back({.line = record.line,
                .kind = Warning::Kind::RepeatedSlot,
                .slot = entry->order,
                .firstLine = at->second,
                .number = {},
                .typicalLength = 0,
                .typicalFirst = 0});
        accepted.push_back(*entry);
    }
    WarnOfLostLeadingCharacters(accepted, report.warnings);
    std::stable_sort(report.warnings.begin(), report.warnings.end(),
        [](const Warning& a, const Warning& b) { return a.line < b.line; });
    report.duplicates = DuplicatesOf(accepted);
    report.numbers = PackedNumbers(std::move(accepted));
    return report;
}

std::string EnglishReason(Refusal refusal)
{
    static constexpr const char* reasons[] = {"", "only digits and a leading + are allowed",
        "longer than 15 characters", "too short (at least 2 characters)", "the slot is not between 0 and 499",
        "expected \"slot,number\"", "more than 500 numbers"};
    static_assert(std::size(reasons) == static_cast<std::size_t>(Refusal::TooMany) + 1);
    return reasons[static_cast<std::size_t>(refusal)];
}

std::string EnglishText(const Warning& warning)
{
    if (warning.kind == Warning::Kind::RepeatedSlot)
        return "slot " + std::to_string(warning.slot) + " also on line " + std::to_string(warning.firstLine)
            + "; both numbers kept";
    const std::string first(1, warning.typicalFirst);
    return "\"" + warning.number + "\" may have lost a leading \"" + first + "\" (most numbers have "
        + std::to_string(warning.typicalLength) + " characters starting with \"" + first + "\"); imported as it stands";
}

} // namespace csv
