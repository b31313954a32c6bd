#include "own_edit.h"

#include "output.h"

namespace driver {

OwnEdit::OwnEdit(HWND like)
    : font_(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体")) {
  RECT client;
  GetClientRect(like, &client);
  frame_ = CreateWindowExW(0, L"Static", L"own edit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, client.right + 40,
                           client.bottom + 60, nullptr, nullptr, nullptr, nullptr);
  edit_ = CreateWindowExW(0, L"Edit", L"", static_cast<DWORD>(GetWindowLongW(like, GWL_STYLE)) & ~WS_DISABLED, 10, 10,
                          client.right, client.bottom, frame_, nullptr, nullptr, nullptr);
  if (edit_ == nullptr) {
    DestroyWindow(frame_);
    DeleteObject(font_);
    throw Failure(L"cannot create an edit of this process");
  }
  SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

OwnEdit::~OwnEdit() {
  DestroyWindow(frame_);
  DeleteObject(font_);
}

void handlePending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace driver
