#pragma once

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// A dbus-daemon of the test's own, standing in for the session bus: started
// with a fresh configuration, named in DBUS_SESSION_BUS_ADDRESS while the
// object lives, stopped at the end.
class PrivateBus {
public:
    PrivateBus()
    {
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        // The read end first: it may be fd 3 itself.
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 3);
        char* argv[] = {const_cast<char*>("dbus-daemon"), const_cast<char*>("--session"),
                        const_cast<char*>("--nofork"), const_cast<char*>("--nopidfile"),
                        const_cast<char*>("--print-address=3"), nullptr};
        const int failed = posix_spawnp(&pid_, "dbus-daemon", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        if (failed != 0) {
            close(pipeFds[0]);
            throw std::runtime_error("cannot start dbus-daemon");
        }
        char buffer[512];
        std::string address;
        for (ssize_t n; address.find('\n') == std::string::npos &&
                        (n = read(pipeFds[0], buffer, sizeof(buffer))) > 0;)
            address.append(buffer, static_cast<size_t>(n));
        close(pipeFds[0]);
        address_ = address.substr(0, address.find('\n'));
        if (address_.empty())
            throw std::runtime_error("dbus-daemon gave no address");
        if (const char* old = std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
            oldAddress_ = old;
            hadOld_ = true;
        }
        setenv("DBUS_SESSION_BUS_ADDRESS", address_.c_str(), 1);
    }

    ~PrivateBus()
    {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        if (hadOld_)
            setenv("DBUS_SESSION_BUS_ADDRESS", oldAddress_.c_str(), 1);
        else
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const std::string& address() const { return address_; }

private:
    pid_t pid_ = 0;
    std::string address_;
    std::string oldAddress_;
    bool hadOld_ = false;
};
