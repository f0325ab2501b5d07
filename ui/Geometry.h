#pragma once

#include <algorithm>

namespace ui {

// Points and sizes are in client pixels of the window that holds the control.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
};

// Left, top, right, bottom; right and bottom are exclusive, so a rectangle of
// width w starting at x covers x .. x + w - 1.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // Shrinks by the four margins of `by` (each side by its own amount).
    Rect Deflate(const Rect& by) const
    {
        return {left + by.left, top + by.top, right - by.right, bottom - by.bottom};
    }
    Rect Intersect(const Rect& other) const
    {
        Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
        if (r.IsEmpty())
            return {};
        return r;
    }
    Rect Union(const Rect& other) const
    {
        if (IsEmpty())
            return other;
        if (other.IsEmpty())
            return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    bool operator==(const Rect&) const = default;
};

} // namespace ui
