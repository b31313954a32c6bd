// Owners for the Win32 handles the driver opens, each released on scope exit.
#pragma once

#include <windows.h>

#include <cstddef>

namespace driver {

// A kernel handle that may be null or INVALID_HANDLE_VALUE when opening failed.
class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
  ~OwnedHandle() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

class ProcessHandle {
 public:
  ProcessHandle(DWORD access, DWORD processId) : handle_(OpenProcess(access, FALSE, processId)) {}
  ~ProcessHandle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  explicit operator bool() const { return handle_ != nullptr; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

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
  ProcessHandle process_;
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
