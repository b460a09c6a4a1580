#pragma once
// A window's placement: the fields the profiles and layouts store.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

enum ShowCommand { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3,
                   SW_SHOW = 5, SW_MINIMIZE = 6, SW_RESTORE = 9 };

// A window that shows, with a normal rectangle of no negative size: what a
// placement read from a profile or layout must be to be used.
struct WindowPlacement;
bool IsShowablePlacement(const WindowPlacement& placement);

struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCmd = SW_SHOWNORMAL;
    int minX = -1, minY = -1, maxX = -1, maxY = -1;
    Rect normal{20, 20, 340, 150};
    bool operator==(const WindowPlacement&) const = default;
};

inline bool IsShowablePlacement(const WindowPlacement& placement)
{
    constexpr unsigned kLastShowCommand = 11;
    const Rect& r = placement.normal;
    return placement.showCmd != SW_HIDE && placement.showCmd <= kLastShowCommand && r.right >= r.left &&
           r.bottom >= r.top;
}
