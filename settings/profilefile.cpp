#include "settings/profilefile.h"

#include "phonebook/fileaccess.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace settings {
namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Written by some editors at the start of a UTF-8 file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[name]" header line.
std::optional<std::string_view> SectionName(std::string_view line)
{
    const std::string_view text = Trimmed(line);
    const auto close = text.find(']');
    if (text.empty() || text.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return Trimmed(text.substr(1, close - 1));
}

// A value is read without the blanks around it and without one pair of
// double quotes around all of it (so a hand-written "COM3" means COM3).
std::string_view ValueOf(std::string_view written)
{
    const std::string_view value = Trimmed(written);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// The form of a value that reads back as the value itself: quoted when
// reading would otherwise take something off it.
std::string WrittenForm(std::string_view value)
{
    if (ValueOf(value) == value)
        return std::string(value);
    return "\"" + std::string(value) + "\"";
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> KeyValueOf(std::string_view line)
{
    const std::string_view text = Trimmed(line);
    const auto equals = text.find('=');
    if (text.empty() || text.front() == ';' || text.front() == '[' || equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = Trimmed(text.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return KeyValue{key, ValueOf(text.substr(equals + 1))};
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

WriteError::WriteError(const std::string& path)
    : std::runtime_error("Unable to write to " + path)
    , path_(path)
{
}

ProfileFile::ProfileFile(std::string path)
    : path_(std::move(path))
{
    const std::optional<std::string> content = phonebook::ReadFileStart(path_);
    if (!content) {
        unreadable_ = phonebook::IsExistingFile(path_);
        return;
    }
    std::string_view rest = *content;
    if (rest.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        byteOrderMark_ = true;
        rest.remove_prefix(ByteOrderMark.size());
    }
    while (!rest.empty()) {
        const auto newline = rest.find('\n');
        std::string_view text = rest.substr(0, newline);
        std::string ending;
        if (newline != std::string_view::npos) {
            ending = "\n";
            if (!text.empty() && text.back() == '\r') {
                text.remove_suffix(1);
                ending = "\r\n";
            }
            rest.remove_prefix(newline + 1);
        } else {
            rest = {};
        }
        lines_.push_back({std::string(text), ending});
    }
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const
{
    bool inSection = false;
    for (const Line& line : lines_) {
        if (const auto name = SectionName(line.text)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            const auto entry = KeyValueOf(line.text);
            if (entry && SameName(entry->key, key))
                return std::string(entry->value);
        }
    }
    return std::nullopt;
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value)
{
    Write(section, {Entry{std::string(key), std::string(value)}});
}

void ProfileFile::Write(std::string_view section, const std::vector<Entry>& entries)
{
    if (unreadable_)
        throw WriteError(path_);
    std::vector<Line> lines = lines_;
    for (const Entry& entry : entries) {
        if (entry.value.find_first_of("\r\n") != std::string::npos)
            throw WriteError(path_);
        SetEntry(lines, section, entry.key, entry.value);
    }
    Save(std::move(lines));
}

void ProfileFile::SetEntry(std::vector<Line>& lines, std::string_view section, std::string_view key,
    std::string_view value) const
{
    const std::string entry = std::string(key) + "=" + WrittenForm(value);
    const std::string ending = NewLineEnding();

    // The existing key, or else the end of the first section of that name.
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> sectionEnd; // the line after which a new key goes
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size() && !keyLine; ++i) {
        if (const auto name = SectionName(lines[i].text)) {
            inSection = SameName(*name, section);
            inFirstSection = inSection && !sectionEnd;
            if (inFirstSection)
                sectionEnd = i;
            continue;
        }
        if (!inSection)
            continue;
        const auto existing = KeyValueOf(lines[i].text);
        if (existing && SameName(existing->key, key))
            keyLine = i;
        else if (inFirstSection && !Trimmed(lines[i].text).empty())
            sectionEnd = i;
    }

    if (keyLine) {
        lines[*keyLine].text = std::string(KeyValueOf(lines[*keyLine].text)->key) + "=" + WrittenForm(value);
        return;
    }
    // A line that was the file's last may have had no line ending; whatever
    // goes after it starts on a line of its own.
    const auto endLineBefore = [&](std::size_t at) {
        if (at > 0 && lines[at - 1].ending.empty())
            lines[at - 1].ending = ending;
    };
    if (!sectionEnd) {
        endLineBefore(lines.size());
        lines.push_back({"[" + std::string(section) + "]", ending});
        sectionEnd = lines.size() - 1;
    }
    endLineBefore(*sectionEnd + 1);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd + 1), Line{entry, ending});
}

void ProfileFile::Save(std::vector<Line> lines)
{
    std::string content(byteOrderMark_ ? ByteOrderMark : std::string_view());
    for (const Line& line : lines)
        content += line.text + line.ending;
    if (!phonebook::WriteFileAtomically(path_, content))
        throw WriteError(path_);
    lines_ = std::move(lines);
}

std::string ProfileFile::NewLineEnding() const
{
    for (const Line& line : lines_)
        if (!line.ending.empty())
            return line.ending;
    return "\n";
}

std::optional<int> ParseIniInteger(std::string_view value)
{
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        const std::string_view digits = value.substr(2);
        std::uint32_t bits = 0;
        if (digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), IsHexDigit))
            return std::nullopt;
        std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
        return static_cast<int>(bits);
    }
    const std::string_view digits = (!value.empty() && (value[0] == '-' || value[0] == '+')) ? value.substr(1) : value;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDecimalDigit))
        return std::nullopt;
    long long magnitude = 0;
    if (digits.size() > 10
        || std::from_chars(digits.data(), digits.data() + digits.size(), magnitude).ec != std::errc())
        return std::nullopt;
    const long long signedValue = value[0] == '-' ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(signedValue);
}

std::string ReadOrAddString(ProfileFile& settings, std::string_view section, std::string_view key,
    const std::string& defaultValue)
{
    if (std::optional<std::string> value = settings.Read(section, key))
        return *value;
    settings.Write(section, key, defaultValue);
    return defaultValue;
}

int ReadOrAddInteger(ProfileFile& settings, std::string_view section, std::string_view key, int defaultValue)
{
    if (std::optional<std::string> value = settings.Read(section, key))
        return ParseIniInteger(*value).value_or(1);
    settings.Write(section, key, std::to_string(defaultValue));
    return defaultValue;
}

} // namespace settings
