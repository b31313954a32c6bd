#pragma once
// Owners for GDI objects and device contexts.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ui {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using UniqueFont = GdiObject<HFONT>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniquePen = GdiObject<HPEN>;
using UniqueRegion = GdiObject<HRGN>;
using UniqueBitmap = GdiObject<HBITMAP>;

struct IconDestroyer {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

// A window's device context for the length of a scope.
class WindowDC {
public:
    explicit WindowDC(HWND window, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Painting a window between BeginPaint and EndPaint.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    operator HDC() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// An object selected into a device context for the length of a scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The device context's state (clip region, selections, colours) put back at
// the end of a scope.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() { RestoreDC(dc_, saved_); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Drawing into a bitmap of the target's size, from its origin, copied to the
// target in one piece at the end of a scope, so that nothing flickers.
class BufferedDC {
public:
    BufferedDC(HDC target, int width, int height)
        : target_(target), width_(width), height_(height), dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, width, height)), selected_(SelectObject(dc_, bitmap_.get()))
    {
    }
    ~BufferedDC()
    {
        BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
        SelectObject(dc_, selected_);
        DeleteDC(dc_);
    }
    BufferedDC(const BufferedDC&) = delete;
    BufferedDC& operator=(const BufferedDC&) = delete;
    operator HDC() const noexcept { return dc_; }

private:
    HDC target_;
    int width_, height_;
    HDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ selected_;
};

}  // namespace ui
