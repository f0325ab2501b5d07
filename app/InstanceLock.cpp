#include "app/InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

std::string InstanceLock::DefaultPath()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || runtime[0] != '/')
        return {};
    return std::string(runtime) + "/veltrane.lock";
}

InstanceLock::InstanceLock(std::string path)
{
    if (path.empty())
        return;
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Held;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
    close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0)
        close(fd_);
}
