// Texts the system itself shows, in the language of the session.
#include <windows.h>

#include <string>

#include "commands.h"
#include "output.h"

namespace driver {

namespace {

constexpr const wchar_t* kBoxTitle = L"lumaric-driver: the system's OK button";
std::wstring okCaption;

// Runs in the box's own message loop: reads its OK button and closes it.
void CALLBACK readOkButton(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowW(L"#32770", kBoxTitle);
  if (!box) return;
  KillTimer(nullptr, timer);
  wchar_t caption[64] = {};
  GetDlgItemTextW(box, IDOK, caption, 64);
  okCaption = caption;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

// The caption the system gives a message box's OK button: that of a box of
// the driver's own, closed as soon as it shows.
void okText(const Arguments& args) {
  args.expectCount(0, 0);
  SetTimer(nullptr, 0, 50, &readOkButton);
  MessageBoxW(nullptr, L"", kBoxTitle, MB_OK);
  if (okCaption.empty()) throw Failure(L"the system's message box has no OK button");
  printLine(escape(okCaption));
}

}  // namespace driver
