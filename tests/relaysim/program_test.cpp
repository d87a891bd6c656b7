// The relaysim program as a child process: its output, its link, its
// signals and its exit.

#include "serial/virtualports.h"
#include "tests/relaysim/scriptedclient.h"
#include "tests/support/childprocess.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace relaysim::testing {
namespace {

// relaysim running with the given arguments.
class Program : public ChildProcess {
public:
    explicit Program(const std::vector<std::string>& arguments)
        : ChildProcess(RELAYSIM_PROGRAM, arguments)
    {
    }
};

class RelaySimProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "relaysim-program-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
        link_ = scratch_ / "port";
        // The programs register their ports here, not in the session's folder.
        ::setenv("XDG_RUNTIME_DIR", scratch_.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(scratch_); }

    std::filesystem::path scratch_;
    std::filesystem::path link_;
};

TEST_F(RelaySimProgram, printsTheSlavePathAndRemovesItsLinkOnSignal)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        Program program({"--link", link_.string()});
        const std::string slave = program.FirstLine();
        ASSERT_TRUE(slave.starts_with("/dev/pts/")) << slave;
        EXPECT_EQ(std::filesystem::read_symlink(link_), slave);
        {
            ScriptedClient client(link_.string());
            client.Write("\x55");
            EXPECT_EQ(client.Read(1), "\xAA");
        }
        program.Signal(signal);
        EXPECT_EQ(program.WaitForExit(), 0);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link_)));
    }
}

// QEM's port list offers a running device by the name it was given, and
// nothing once it has stopped.
TEST_F(RelaySimProgram, registersItsPortWhileItRuns)
{
    Program program({"--link", link_.string()});
    const std::string slave = program.FirstLine();
    const std::vector<serial::VirtualPort> ports = serial::ListVirtualPorts();
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].Path + " " + ports[0].Description, link_.string() + " virtual relay device on " + slave);
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(scratch_ / "qem/ports"));
}

TEST_F(RelaySimProgram, replacesALinkLeftBehindButNoOtherFile)
{
    std::filesystem::create_symlink("/dev/pts/nonexistent", link_);
    {
        Program program({"--link", link_.string()});
        EXPECT_EQ(std::filesystem::read_symlink(link_), program.FirstLine());
        program.Signal(SIGTERM);
        EXPECT_EQ(program.WaitForExit(), 0);
    }
    std::ofstream(link_) << "keep";
    Program program({"--link", link_.string()});
    EXPECT_EQ(program.WaitForExit(), 1);
    EXPECT_NE(program.ErrorOutput().find("not a symlink"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(link_), 4u);
}

TEST_F(RelaySimProgram, writesTheTranscriptAndTakesFaultsFromItsOptions)
{
    const auto transcript = scratch_ / "transcript.bin";
    Program program({"--transcript", transcript.string(), "--garbage", "01fe"});
    ScriptedClient client(program.FirstLine());
    client.Write("\x55");
    EXPECT_EQ(client.Read(3), "\x01\xFE\xAA");
    client.Write(std::string("\x00\x42", 2));
    client.Write("\x55");
    EXPECT_EQ(client.Read(3), "\x01\xFE\xAA");
    program.Signal(SIGTERM);
    EXPECT_EQ(program.WaitForExit(), 0);
    std::ifstream file(transcript, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), std::string("\x55\x00\x42\x55", 4));
}

TEST_F(RelaySimProgram, hangUpFaultEndsTheProgram)
{
    Program program({"--link", link_.string(), "--hang-up-at", "1"});
    ScriptedClient client(program.FirstLine());
    client.Write("\x7E");
    EXPECT_EQ(client.Read(1), "\x81");
    client.Write(std::string(16, '\x33'));
    EXPECT_TRUE(client.WaitForHangUp(10s));
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_NE(program.ErrorOutput().find("hung up at frame 1"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link_)));
}

TEST_F(RelaySimProgram, wrongArgumentsExitWithUsage)
{
    Program program({"--baud", "fast"});
    EXPECT_EQ(program.WaitForExit(), 2);
    const std::string error = program.ErrorOutput();
    EXPECT_NE(error.find("--baud"), std::string::npos);
    EXPECT_NE(error.find("Usage: relaysim"), std::string::npos);
}

} // namespace
} // namespace relaysim::testing
