// qem-cli against the virtual device: write, read, verify, diff, backup,
// failures that name their step, and Ctrl-C.

#include "tests/cli/clifixture.h"
#include "tests/cli/goldenbook.h"

#include <nlohmann/json.hpp>

#include <csignal>
#include <filesystem>

namespace {

using namespace std::chrono_literals;

const std::string BookA = GoldenBook({{0, "+37060000001"}, {1, "222"}, {2, "333"}}, 500, 1);
const std::string BookB = GoldenBook({{0, "+37060000001"}, {1, "223"}, {4, "555"}}, 500, 0);

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(CliWithDevice, writeSendsTheWindowsSequenceAndReadVerifyDiffAgree)
{
    StartDevice();
    const std::string a = File("a.kalc", BookA);
    Result result = Run({"write", a});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(device->StoredImage() == BookA);
    // Hello, hello, write start and 470 frames of 16 bytes, the last one
    // holding the image's final 3 bytes and the previous frame's tail.
    const std::string sent = device->Transcript();
    ASSERT_EQ(sent.size(), 3u + 470 * 16);
    EXPECT_EQ(sent.substr(0, 3), "\x55\x55\x7E");
    EXPECT_TRUE(sent.substr(3, 7504) == BookA.substr(0, 7504));
    EXPECT_EQ(sent.substr(3 + 469 * 16), BookA.substr(7504) + BookA.substr(7491, 13));
    // Progress is for terminals only.
    EXPECT_FALSE(Has(result.err, "\r")) << result.err;

    result = Run({"verify", a});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "no differences\n");

    result = Run({"read", "-o", dir / "back.kalc"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(ReadBytes(dir / "back.kalc") == BookA);

    result = Run({"diff", "device", a, "--json"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(nlohmann::json::parse(result.out).at("equal").get<bool>());
}

TEST_F(CliWithDevice, verifyAndDiffListWhatTheDeviceHoldsOtherwise)
{
    StartDevice().SetImage(BookB);
    const std::string a = File("a.kalc", BookA);
    Result result = Run({"verify", a});
    EXPECT_EQ(result.status, 3) << result.err;
    // clang-format off
    EXPECT_EQ(result.out,
        "differences (" + a + " | device):\n"
        "slot 1: 222 | 223\n"
        "slot 2: 333 | (empty)\n"
        "slot 4: (empty) | 555\n"
        "external disconnection: on | off\n"
        "4 differences\n");
    // clang-format on

    result = Run({"diff", a, "device", "--json"});
    EXPECT_EQ(result.status, 3) << result.err;
    const nlohmann::json document = nlohmann::json::parse(result.out);
    EXPECT_FALSE(document.at("equal").get<bool>());
    EXPECT_EQ(document.at("slots").size(), 3u);
    EXPECT_EQ(document.at("slots")[0], (nlohmann::json{{"slot", 1}, {"a", "222"}, {"b", "223"}}));
}

TEST_F(CliWithDevice, backupHoldsTheOldContentsAndVerifyReadsBack)
{
    StartDevice().SetImage(BookA);
    const Result result = Run({"write", File("b.kalc", BookB), "--backup", dir / "old.kalc", "--verify"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(ReadBytes(dir / "old.kalc") == BookA);
    EXPECT_TRUE(device->StoredImage() == BookB);
    EXPECT_EQ(result.out, "no differences\n");
}

TEST_F(CliWithDevice, failuresNameTheirStepAndWriteNothing)
{
    struct Case {
        const char* name;
        std::optional<relaysim::Options> device; // none: no device at the port
        std::vector<std::string> command;
        int status;
        std::string message;
    };
    relaysim::Options shortDump;
    shortDump.faults.dumpLength = 100;
    const std::vector<Case> cases = {
        {"no port", std::nullopt, {"read"}, 1, "port cannot be opened: /"},
        {"backup from an incomplete dump", shortDump, {"write", "BOOK", "--backup", "BACKUP"}, 1,
            "incomplete dump from the device (100 of 7505 bytes)"},
        {"a damaged file", relaysim::Options{}, {"write", "DAMAGED"}, 2, "check value is not valid"},
        {"not a phone book", relaysim::Options{}, {"verify", "SHORT"}, 2, "not a phone book file"},
    };
    std::string damaged = BookA;
    damaged[10] = '9';
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        device.reset();
        if (c.device)
            StartDevice(*c.device);
        std::vector<std::string> command;
        for (const std::string& argument : c.command)
            command.push_back(argument == "BOOK" ? File("a.kalc", BookA)
                    : argument == "BACKUP"       ? dir / "backup.kalc"
                    : argument == "DAMAGED"      ? File("damaged.kalc", damaged)
                    : argument == "SHORT"        ? File("short.kalc", BookA.substr(0, 7000))
                                                 : argument);
        const Result result = Run(command);
        EXPECT_EQ(result.status, c.status);
        EXPECT_TRUE(Has(result.err, c.message)) << result.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "backup.kalc"));
        if (device) {
            EXPECT_EQ(device->GetStatus().framesReceived, 0);
            EXPECT_EQ(device->GetStatus().imagesStored, 0);
        }
    }
}

TEST_F(CliWithDevice, ctrlCCancelsAWriteAndLeavesThePortFree)
{
    relaysim::Options slowLine;
    slowLine.baud = 38400;
    StartDevice(slowLine).SetImage(BookA);
    const std::unique_ptr<ChildProcess> cli = Launch({"write", File("b.kalc", BookB)});
    ASSERT_TRUE(device->WaitUntil([](const relaysim::Status& status) { return status.framesReceived >= 20; }, 30s));
    cli->Signal(SIGINT);
    EXPECT_EQ(cli->WaitForExit(), 130);
    EXPECT_TRUE(Has(cli->ErrorOutput(), "cancelled"));
    const int framesAtExit = device->GetStatus().framesReceived;
    EXPECT_LT(framesAtExit, 470);

    // The next command opens the port at once and finds the old book.
    const Result result = Run({"verify", File("a.kalc", BookA)});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(device->GetStatus().imagesStored, 0);
}

} // namespace
