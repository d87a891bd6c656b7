// The relaysim program as a child process: its output, its link, its
// signals and its exit.

#include "tests/relaysim/scriptedclient.h"

#include "platform/deadline.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace relaysim::testing {
namespace {

// relaysim running with the given arguments, its stdout and stderr piped
// here. Killed and reaped on destruction if it is still running.
class Program {
public:
    explicit Program(const std::vector<std::string>& arguments)
    {
        int out[2];
        int err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<std::string> all{RELAYSIM_PROGRAM};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        const int error = ::posix_spawn(&pid_, RELAYSIM_PROGRAM, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
        if (error != 0)
            throw std::runtime_error("cannot start " RELAYSIM_PROGRAM);
        // Becomes readable when the child ends: a wait with a time limit.
        pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
    }

    ~Program()
    {
        if (!exitStatus_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(pidfd_);
        ::close(out_);
        ::close(err_);
    }

    // The first line of its output, without the line end.
    std::string FirstLine(std::chrono::milliseconds timeout = 10s)
    {
        const platform::Deadline deadline(timeout);
        std::string line;
        char c = 0;
        while (!deadline.Expired()) {
            pollfd readable{out_, POLLIN, 0};
            if (::poll(&readable, 1, static_cast<int>(deadline.Remaining().count())) != 1)
                break;
            if (::read(out_, &c, 1) != 1 || c == '\n')
                break;
            line.push_back(c);
        }
        return line;
    }

    void Signal(int signal) { ::kill(pid_, signal); }

    // The exit code once it has ended by itself; nullopt if it is still
    // running after the timeout or ended by a signal.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = 10s)
    {
        pollfd ended{pidfd_, POLLIN, 0};
        if (::poll(&ended, 1, static_cast<int>(timeout.count())) != 1)
            return std::nullopt;
        int status = 0;
        ::waitpid(pid_, &status, 0);
        exitStatus_ = status;
        return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
    }

    // What it wrote to stderr; call after it has ended.
    std::string ErrorOutput()
    {
        std::string text;
        char bytes[1024];
        ssize_t n;
        while ((n = ::read(err_, bytes, sizeof bytes)) > 0)
            text.append(bytes, static_cast<std::size_t>(n));
        return text;
    }

private:
    pid_t pid_ = -1;
    int pidfd_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::optional<int> exitStatus_;
};

class RelaySimProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "relaysim-program-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
        link_ = scratch_ / "port";
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
