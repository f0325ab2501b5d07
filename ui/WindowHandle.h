#pragma once

#include <cstdint>
#include <functional>

namespace ui {

// An opaque window identity. Numbers are never reused in a process, so a
// handle of a window that is gone stays safe to use: messages to it are
// dropped.
struct WindowHandle {
    uint64_t id = 0;
    explicit operator bool() const { return id != 0; }
    bool operator==(const WindowHandle&) const = default;
};

} // namespace ui

template <>
struct std::hash<ui::WindowHandle> {
    size_t operator()(const ui::WindowHandle& h) const noexcept { return std::hash<uint64_t>()(h.id); }
};
