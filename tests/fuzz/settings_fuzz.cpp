// The settings file, with any content: writing one of the program's keys
// leaves every other line byte for byte as it was (in order, untouched keys
// included), and the value reads back unchanged from the file.
//
// Input: one byte choosing the key, the value up to the first 0xFF byte,
// then the file's content.

#include "settings/profilefile.h"
#include "settings/programsettings.h"
#include "tests/fuzz/fuzzcheck.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

// Lines with their endings, so that joining them gives the content back.
std::vector<std::string> LinesOf(const std::string& content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        const std::size_t end = newline == std::string::npos ? content.size() : newline + 1;
        lines.push_back(content.substr(start, end - start));
        start = end;
    }
    return lines;
}

// The line without its ending, "\n" or "\r\n" (a lone "\r" is text).
std::string WithoutEnding(std::string line)
{
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    }
    return line;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

// The key of a "key=value" line, less the blanks around it.
std::optional<std::string> KeyOf(const std::string& line)
{
    const std::string text = WithoutEnding(line);
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t", equals - 1);
    if (first >= equals || last == std::string::npos || last < first)
        return std::nullopt;
    return text.substr(first, last - first + 1);
}

// The file after writing differs from the file before only by the written
// key's line (its value is checked by reading it back): replaced in place, or added (with its section header when
// the section was missing) after a line that keeps its text.
void CheckOnlyEntryChanged(const std::string& before, const std::string& after, std::string_view key)
{
    // A byte order mark stays where it was, in front of the first line.
    const std::string mark = "\xEF\xBB\xBF";
    const bool marked = before.compare(0, mark.size(), mark) == 0;
    FUZZ_CHECK(marked == (after.compare(0, mark.size(), mark) == 0));
    const std::vector<std::string> old = LinesOf(before.substr(marked ? mark.size() : 0));
    const std::vector<std::string> now = LinesOf(after.substr(marked ? mark.size() : 0));
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix
        && old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    if (old == now)
        return; // the key already held the value, written the same way
    const std::vector<std::string> removed(old.begin() + prefix, old.end() - suffix);
    std::vector<std::string> added(now.begin() + prefix, now.end() - suffix);

    FUZZ_CHECK(!added.empty() && KeyOf(added.back()) && SameName(*KeyOf(added.back()), key));
    const std::string entry = added.back();
    added.pop_back();
    if (removed.size() == 1 && added.empty()) {
        // Replaced in place: the key's own line, keeping its line ending.
        FUZZ_CHECK(KeyOf(removed[0]) && SameName(*KeyOf(removed[0]), key));
        FUZZ_CHECK(removed[0].substr(WithoutEnding(removed[0]).size()) == entry.substr(WithoutEnding(entry).size()));
        return;
    }
    if (!added.empty() && added.size() > removed.size()
        && WithoutEnding(added.back()) == "[" + std::string(settings::PortSection) + "]")
        added.pop_back();
    // A last line without a line ending gets one before the new lines.
    if (removed.size() == 1)
        FUZZ_CHECK(added.size() == 1 && (added[0] == removed[0] + "\n" || added[0] == removed[0] + "\r\n"));
    else
        FUZZ_CHECK(removed.empty() && added.empty());
}

std::string ContentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const char* const Keys[] = {
    settings::CurrentFileKey, "port", "baudrate", "dataBits", "stopBits", "parity", "flowControl"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input input(data, size);
    const std::string key = Keys[input.Byte() % std::size(Keys)];
    std::string value;
    for (std::uint8_t byte = input.Byte(); !input.Empty() && byte != 0xFF; byte = input.Byte())
        value.push_back(static_cast<char>(byte));
    const std::string before = input.Rest();

    // A memory-backed folder where there is one: every write is flushed to disk.
    static const std::string path = (std::filesystem::is_directory("/dev/shm")
                                            ? std::string("/dev/shm")
                                            : std::filesystem::temp_directory_path().string())
        + "/qem-settings-fuzz-" + std::to_string(::getpid()) + ".INI";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << before;

    settings::ProfileFile file(path);
    const bool writable = value.find_first_of("\r\n") == std::string::npos;
    try {
        file.Write(settings::PortSection, key, value);
        FUZZ_CHECK(writable);
    } catch (const settings::WriteError&) {
        FUZZ_CHECK(!writable);
    }
    const std::string after = ContentOf(path);
    if (writable) {
        CheckOnlyEntryChanged(before, after, key);
        FUZZ_CHECK(settings::ProfileFile(path).Read(settings::PortSection, key) == value);
    } else {
        FUZZ_CHECK(after == before);
    }
    std::filesystem::remove(path);
    return 0;
}
