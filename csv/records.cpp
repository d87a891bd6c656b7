#include "csv/records.h"

#include <csv.h>

#include <array>
#include <cstdint>
#include <memory>

namespace csv {
namespace {

void AppendUtf8(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 text after its byte-order mark, as UTF-8. Surrogates and a lone
// last byte become U+FFFD: such characters are no part of a phone number
// anyway, and the row holding them is rejected with its line number.
std::string FromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        if (i + 1 == bytes.size()) {
            AppendUtf8(out, 0xFFFD);
            break;
        }
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const std::uint32_t unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    return out;
}

// The text as 8-bit characters, without its byte-order mark.
std::string Decode(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return std::string(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return FromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return FromUtf16(bytes.substr(2), true);
    return std::string(bytes);
}

// The separator the first line uses most, outside quotes; a comma when it
// uses none (a one-column list).
unsigned char SniffDelimiter(std::string_view text)
{
    constexpr std::array<unsigned char, 3> candidates = {CSV_COMMA, ';', CSV_TAB};
    std::array<int, 3> counts = {};
    bool quoted = false;
    for (const char c : text) {
        if ((c == '\n' || c == '\r') && !quoted)
            break;
        if (c == CSV_QUOTE)
            quoted = !quoted;
        for (std::size_t i = 0; !quoted && i < candidates.size(); ++i)
            counts[i] += static_cast<unsigned char>(c) == candidates[i];
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

struct Collector {
    std::vector<Record> records;
    Record current;
    int line = 1;
};

void OnField(void* data, std::size_t length, void* context)
{
    auto& collector = *static_cast<Collector*>(context);
    if (collector.current.fields.empty())
        collector.current.line = collector.line;
    collector.current.fields.emplace_back(static_cast<const char*>(data), length);
}

void OnRecordEnd(int, void* context)
{
    auto& collector = *static_cast<Collector*>(context);
    collector.records.push_back(std::move(collector.current));
    collector.current = {};
}

} // namespace

std::vector<Record> ReadRecords(std::string_view bytes)
{
    const std::string text = Decode(bytes);
    csv_parser parser;
    if (csv_init(&parser, 0) != 0)
        throw ParseError("cannot parse CSV");
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> guard(&parser, &csv_free);
    csv_set_delim(&parser, SniffDelimiter(text));

    // Fed line by line so each record knows its line: the one where its
    // first field ends, which is where it starts unless that field holds a
    // quoted line break. A line ends in LF, CR LF, or a lone CR (as classic
    // Mac spreadsheets save), as libcsv ends records.
    Collector collector;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        else
            end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        const std::size_t length = end - start;
        if (csv_parse(&parser, text.data() + start, length, &OnField, &OnRecordEnd, &collector) != length)
            throw ParseError(std::string("cannot parse CSV at line ") + std::to_string(collector.line) + ": "
                + csv_strerror(csv_error(&parser)));
        if (text[end - 1] == '\n' || text[end - 1] == '\r')
            ++collector.line;
        start = end;
    }
    csv_fini(&parser, &OnField, &OnRecordEnd, &collector);
    return std::move(collector.records);
}

} // namespace csv
