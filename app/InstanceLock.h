#pragma once

#include <string>

// The single-instance guard when there is no session bus: an advisory lock
// on a file in the user's runtime folder, held for the life of the object
// and released by the system when the process ends, however it ends.
class InstanceLock {
public:
    enum class State {
        Held,        // this is the only copy
        HeldElsewhere,
        Unavailable, // no runtime folder or no lock: run as the only copy
    };

    // $XDG_RUNTIME_DIR + "/veltrane.lock" unless a path is given.
    explicit InstanceLock(std::string path = DefaultPath());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    static std::string DefaultPath();

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};
