#pragma once

#include "base/AppFolders.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The program itself (built beside the tests), started with arguments and
// environment variables of the test's choosing, its output silenced; it is
// stopped when the test ends.
class ProgramProcess {
public:
    ProgramProcess() = default;
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    ~ProgramProcess() { Kill(); }

    static std::string Path() { return ProgramFolder() + "veltrane"; }

    bool Start(const std::vector<std::string>& args, const std::map<std::string, std::string>& env = {})
    {
        pid_ = fork();
        if (pid_ < 0)
            return false;
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int devnull = open("/dev/null", O_RDWR);
            dup2(devnull, STDIN_FILENO);
            dup2(devnull, STDOUT_FILENO);
            dup2(devnull, STDERR_FILENO);
            for (int fd = 3; fd < 256; ++fd)
                close(fd);
            for (const auto& [name, value] : env)
                setenv(name.c_str(), value.c_str(), 1);
            std::vector<std::string> argv{Path()};
            argv.insert(argv.end(), args.begin(), args.end());
            std::vector<char*> pointers;
            for (std::string& arg : argv)
                pointers.push_back(arg.data());
            pointers.push_back(nullptr);
            execv(pointers[0], pointers.data());
            _exit(127);
        }
        return true;
    }

    // The exit code once the program has ended by itself within the time;
    // nothing when it is still running (or was ended by a signal).
    std::optional<int> Wait(std::chrono::milliseconds timeout)
    {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (pid_ > 0) {
            int status = 0;
            const pid_t done = waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                pid_ = -1;
                if (WIFEXITED(status))
                    return WEXITSTATUS(status);
                return std::nullopt;
            }
            if (std::chrono::steady_clock::now() >= end)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return std::nullopt;
    }

    bool Running() { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

    void Kill()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};
