#include "handles.h"

#include <string>

#include "output.h"

namespace driver {

namespace {

DWORD windowProcess(HWND window) {
  DWORD processId = 0;
  if (GetWindowThreadProcessId(window, &processId) == 0) throw Failure(L"no window " + hex(HandleToULong(window)));
  return processId;
}

}  // namespace

RemoteBuffer::RemoteBuffer(HWND window, size_t size)
    : process_(openProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                           windowProcess(window))),
      memory_(nullptr) {
  if (!process_) throw Failure(L"cannot open the process of window " + hex(HandleToULong(window)));
  memory_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (memory_ == nullptr) throw Failure(L"cannot allocate memory in the process of window " + hex(HandleToULong(window)));
}

RemoteBuffer::~RemoteBuffer() {
  if (memory_ != nullptr) VirtualFreeEx(process_.get(), memory_, 0, MEM_RELEASE);
}

void RemoteBuffer::read(void* target, size_t size, size_t offset) const {
  SIZE_T done = 0;
  if (!ReadProcessMemory(process_.get(), reinterpret_cast<void*>(address(offset)), target, size, &done) || done != size)
    throw Failure(L"cannot read the target process's memory");
}

void RemoteBuffer::write(const void* source, size_t size, size_t offset) const {
  SIZE_T done = 0;
  if (!WriteProcessMemory(process_.get(), reinterpret_cast<void*>(address(offset)), source, size, &done) ||
      done != size)
    throw Failure(L"cannot write the target process's memory");
}

PixelCanvas::PixelCanvas(HDC reference, int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(reference)), bitmap_(nullptr), previous_(nullptr),
      pixels_(nullptr) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dc_ == nullptr || bitmap_ == nullptr) {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (dc_ != nullptr) DeleteDC(dc_);
    throw Failure(L"cannot create a " + std::to_wstring(width) + L"x" + std::to_wstring(height) + L" bitmap");
  }
  pixels_ = static_cast<DWORD*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
}

PixelCanvas::~PixelCanvas() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

}  // namespace driver
