#include "tools/relaysim/commandline.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>

namespace relaysim {

namespace {

// A whole decimal number within [minimum, maximum].
template <typename Number>
Number NumberOf(const std::string& option, const std::string& text, Number minimum,
    Number maximum = std::numeric_limits<Number>::max())
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < minimum || value > maximum) {
        const std::string range = maximum == std::numeric_limits<Number>::max()
            ? "from " + std::to_string(minimum)
            : "from " + std::to_string(minimum) + " to " + std::to_string(maximum);
        throw std::invalid_argument(option + " wants a whole number " + range + ", not '" + text + "'");
    }
    return value;
}

std::chrono::milliseconds MillisecondsOf(const std::string& option, const std::string& text)
{
    return std::chrono::milliseconds(NumberOf<int>(option, text, 0));
}

// "N:MS": the N-th answer of its kind, MS ms late.
LateAnswer LateAnswerOf(const std::string& option, const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw std::invalid_argument(option + " wants N:MS, such as 2:9500, not '" + text + "'");
    return LateAnswer{NumberOf<int>(option, text.substr(0, colon), 1), MillisecondsOf(option, text.substr(colon + 1))};
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hex byte pairs, optionally separated by spaces, commas or colons: "01 fe", "01fe".
std::string BytesOfHex(const std::string& option, const std::string& text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ' || text[i] == ',' || text[i] == ':') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0)
            throw std::invalid_argument(option + " wants hex byte pairs such as 01fe, not '" + text + "'");
        bytes.push_back(static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1])));
        i += 2;
    }
    return bytes;
}

std::string FileContent(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        throw std::runtime_error("cannot open " + path);
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw std::runtime_error("cannot read " + path);
    return content;
}

// The dump pause's two options, which only go together.
struct DumpPauseParts {
    std::optional<std::size_t> after;
    std::optional<std::chrono::milliseconds> length;
};

// One option that takes a value.
void ApplyOption(CommandLine& line, DumpPauseParts& pause, const std::string& option, const std::string& value)
{
    Options& options = line.options;
    Faults& faults = options.faults;
    if (option == "--link")
        line.linkPath = value;
    else if (option == "--image")
        options.imagePath = value;
    else if (option == "--transcript")
        line.transcriptPath = value;
    else if (option == "--baud")
        options.baud = NumberOf<unsigned>(option, value, 0);
    else if (option == "--latency-timer")
        options.latencyTimer = std::chrono::milliseconds(NumberOf<int>(option, value, 0, 255));
    else if (option == "--store-time")
        options.storeTime = MillisecondsOf(option, value);
    else if (option == "--silent-hello")
        faults.silentHello = NumberOf<int>(option, value, 1);
    else if (option == "--hello-delay")
        faults.lateHello = LateAnswerOf(option, value);
    else if (option == "--frame-delay")
        faults.lateFrameAck = LateAnswerOf(option, value);
    else if (option == "--dump-delay")
        faults.dumpDelay = MillisecondsOf(option, value);
    else if (option == "--write-start-delay")
        faults.writeStartAckDelay = MillisecondsOf(option, value);
    else if (option == "--stop-acking-after")
        faults.stopAckingAfterFrame = NumberOf<int>(option, value, 0);
    else if (option == "--hang-up-at")
        faults.hangUpAtFrame = NumberOf<int>(option, value, 1);
    else if (option == "--dump-pause-after")
        pause.after = NumberOf<std::size_t>(option, value, 0);
    else if (option == "--dump-pause")
        pause.length = MillisecondsOf(option, value);
    else if (option == "--dump-length")
        faults.dumpLength = NumberOf<std::size_t>(option, value, 0, 1 << 20);
    else if (option == "--dump-file")
        faults.dumpContent = FileContent(value);
    else if (option == "--garbage")
        faults.garbage = BytesOfHex(option, value);
    else
        throw std::invalid_argument("unknown option '" + option + "'");
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    DumpPauseParts pause;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        if (option == "-h" || option == "--help") {
            line.help = true;
            continue;
        }
        if (option == "--silent-on-bad-check") {
            line.options.faults.silentOnBadCheckValue = true;
            continue;
        }
        std::string value;
        if (const auto equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            throw std::invalid_argument(option.starts_with("--") ? option + " wants a value"
                                                                 : "unknown argument '" + option + "'");
        }
        ApplyOption(line, pause, option, value);
    }

    if (pause.after.has_value() != pause.length.has_value())
        throw std::invalid_argument("--dump-pause-after and --dump-pause go together");
    if (pause.after)
        line.options.faults.dumpPause = DumpPause{*pause.after, *pause.length};
    return line;
}

std::string Usage(const std::string& program)
{
    return "Usage: " + program + R"( [options]

A virtual relay switch device on a pseudo-terminal. Prints the slave's path,
then answers on it until SIGINT or SIGTERM.

  --link PATH              keep a symlink PATH to the slave (removed on exit)
  --image FILE             the device's memory, 7507 bytes (empty device when
                           missing; replaced atomically after each complete write)
  --baud N                 emulate an N bit/s line, 10 bits a byte (default 0: unpaced)
  --latency-timer MS       hold what the device sends as an FTDI USB adapter
                           does: until MS ms after the first byte held, or
                           until 62 bytes wait (default 0: no adapter)
  --transcript FILE        write every byte received to FILE on exit
  --store-time MS          delay of the final acknowledgement after a complete
                           write (default 100)

Faults (frames are counted from 1 within each write):
  --silent-hello N         do not answer the N-th hello
  --hello-delay N:MS       answer the N-th hello MS ms late
  --write-start-delay MS   acknowledge write start MS ms late
  --frame-delay K:MS       acknowledge frame K MS ms late
  --stop-acking-after K    acknowledge frames 1..K only, nothing after them
                           (the final acknowledgement included)
  --hang-up-at K           close the line when frame K arrives (frames before
                           it are acknowledged), then exit
  --dump-pause-after B     with --dump-pause MS: pause MS ms after the dump's
  --dump-pause MS          B-th byte
  --dump-delay MS          start the dump MS ms late
  --dump-length N          cut (or pad with zero bytes) the dump to N bytes
  --dump-file FILE         send FILE's bytes instead of the dump
  --garbage HEX            send these bytes before every answer, e.g. 01fe
  --silent-on-bad-check    refuse an image whose check value is wrong: not
                           stored, no final acknowledgement
  -h, --help               this text
)";
}

} // namespace relaysim
