#pragma once
// The settings file: a plain profile of "[section]" header lines and
// "key=value" lines.
//
// Section and key names compare without regard to (ASCII) case; values are
// returned as written, less the blanks around them and one pair of double
// quotes enclosing the rest. A value that would lose something that way
// (blanks at either end, enclosing quotes) is written in quotes, so every
// value reads back exactly as it was written. The first occurrence of a key
// wins. Lines that are neither a header nor a key (junk, comments starting
// with ';') are ignored and kept. Lines may end in LF or CR LF; a write keeps
// every other line, and its line ending, as it was. New lines take the
// file's own line ending (LF for a new file). A UTF-8 byte-order mark at the
// start is read through and kept. Every write replaces the whole file by the
// rules of phonebook::WriteFileAtomically.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// "Unable to write to <path>": the settings file could not be written.
class WriteError : public std::runtime_error {
public:
    explicit WriteError(const std::string& path);

    // The window words the message in the operator's language around it.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class ProfileFile {
public:
    // Reads the file now; a missing file is an empty profile.
    explicit ProfileFile(std::string path);

    const std::string& Path() const { return path_; }

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // Sets the key's value, adding the key to the end of its section and the
    // section to the end of the file when missing, and writes the file.
    // Throws WriteError when the file cannot be written, or when it exists
    // but could not be read (writing would lose its content), or when the
    // value holds a line break (it would corrupt the file).
    void Write(std::string_view section, std::string_view key, std::string_view value);

    struct Entry {
        std::string key;
        std::string value;
    };
    // Sets several keys of one section, in order, as Write does, and writes
    // the file once: either all of them reach the file or none does.
    void Write(std::string_view section, const std::vector<Entry>& entries);

private:
    struct Line {
        std::string text;   // without its line ending
        std::string ending; // "\n", "\r\n", or "" for a last line without one
    };

    // Sets the key's value in lines, as Write describes.
    void SetEntry(std::vector<Line>& lines, std::string_view section, std::string_view key,
        std::string_view value) const;
    // Replaces the file's content with lines; they become the profile's.
    void Save(std::vector<Line> lines);
    std::string NewLineEnding() const;

    std::string path_;
    std::vector<Line> lines_;
    bool byteOrderMark_ = false;
    bool unreadable_ = false;
};

// The integer a value stands for: decimal (optionally signed) or "0x"/"0X"
// hexadecimal, within 32 bits; nullopt when it is not a valid integer.
std::optional<int> ParseIniInteger(std::string_view value);

// The key's value when the section holds the key; otherwise writes the
// default under the key and returns it. Throws WriteError.
std::string ReadOrAddString(ProfileFile& settings, std::string_view section, std::string_view key,
    const std::string& defaultValue);

// As ReadOrAddString for integers; a present value that is not a valid
// integer reads as 1.
int ReadOrAddInteger(ProfileFile& settings, std::string_view section, std::string_view key, int defaultValue);

} // namespace settings
