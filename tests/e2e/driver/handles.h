// Owners for the Win32 handles the driver opens, each released on scope
// exit; kernel handles are the program's own platform::UniqueHandle.
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/handles.h"

namespace driver {

// A process opened by its id; null when it cannot be opened.
inline platform::UniqueHandle openProcess(DWORD access, DWORD processId) {
  return platform::UniqueHandle(OpenProcess(access, FALSE, processId));
}

// Memory inside another process, for messages whose pointer arguments the
// system does not carry across processes (the common controls' messages).
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  LPARAM address(size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(memory_) + offset); }
  void read(void* target, size_t size, size_t offset = 0) const;
  void write(const void* source, size_t size, size_t offset = 0) const;

 private:
  platform::UniqueHandle process_;
  void* memory_;
};

class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A 32-bit top-down bitmap selected into a memory DC, with its pixels at hand.
class PixelCanvas {
 public:
  PixelCanvas(HDC reference, int width, int height);
  ~PixelCanvas();
  PixelCanvas(const PixelCanvas&) = delete;
  PixelCanvas& operator=(const PixelCanvas&) = delete;

  HDC dc() const { return dc_; }
  const DWORD* pixels() const { return pixels_; }
  size_t pixelCount() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_); }

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  DWORD* pixels_;
};

class Brush {
 public:
  explicit Brush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
  ~Brush() {
    if (brush_ != nullptr) DeleteObject(brush_);
  }
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;
  HBRUSH get() const { return brush_; }

 private:
  HBRUSH brush_;
};

}  // namespace driver
