#pragma once
// A program run as a child process, its standard output and error piped
// here. Killed and reaped on destruction if it is still running.

#include "platform/deadline.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
    {
        int out[2];
        int err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<std::string> all{program};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& argument : all)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        const int error = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
        if (error != 0)
            throw std::runtime_error("cannot start " + program);
        // Becomes readable when the child ends: a wait with a time limit.
        pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    ~ChildProcess()
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
    std::string FirstLine(std::chrono::milliseconds timeout = std::chrono::seconds(10))
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
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        pollfd ended{pidfd_, POLLIN, 0};
        if (::poll(&ended, 1, static_cast<int>(timeout.count())) != 1)
            return std::nullopt;
        int status = 0;
        ::waitpid(pid_, &status, 0);
        exitStatus_ = status;
        return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
    }

    // What it wrote to its standard output and error; call after it has
    // ended (a pipe holds 64 KiB before the child blocks).
    std::string Output() { return Drain(out_); }
    std::string ErrorOutput() { return Drain(err_); }

private:
    static std::string Drain(int fd)
    {
        std::string text;
        char bytes[1024];
        ssize_t n;
        while ((n = ::read(fd, bytes, sizeof bytes)) > 0)
            text.append(bytes, static_cast<std::size_t>(n));
        return text;
    }

    pid_t pid_ = -1;
    int pidfd_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::optional<int> exitStatus_;
};
