#pragma once

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A program started for a test, silenced, and stopped when the test ends.
// keepFd, when not -1, stays open in the child (for -displayfd).
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { Stop(); }

    bool Start(const std::vector<std::string>& argv, int keepFd = -1)
    {
        pid_ = fork();
        if (pid_ < 0)
            return false;
        if (pid_ == 0) {
            // Goes with the test process, however that ends.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            const int devnull = open("/dev/null", O_RDWR);
            dup2(devnull, STDIN_FILENO);
            dup2(devnull, STDOUT_FILENO);
            dup2(devnull, STDERR_FILENO);
            for (int fd = 3; fd < 256; ++fd)
                if (fd != keepFd)
                    close(fd);
            std::vector<char*> args;
            for (const std::string& arg : argv)
                args.push_back(const_cast<char*>(arg.c_str()));
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
        return true;
    }
    bool Running()
    {
        return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0;
    }
    void Stop()
    {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
};
