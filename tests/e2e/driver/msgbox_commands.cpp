#include <windows.h>

#include <string>
#include <vector>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

struct StockIcon {
  const wchar_t* name;
  LPCWSTR resource;
};

const StockIcon kStockIcons[] = {
    {L"stop", IDI_HAND},
    {L"question", IDI_QUESTION},
    {L"exclamation", IDI_EXCLAMATION},
    {L"information", IDI_ASTERISK},
};

// A stock icon drawn by the box must match the same icon drawn here, pixel for
// pixel but for a little anti-aliasing slack.
constexpr double kMatchingShare = 0.97;

bool isIconStatic(HWND window) {
  return className(window) == L"Static" && (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

HWND iconStatic(HWND box) {
  for (HWND window : childWindows(box))
    if (isIconStatic(window) && IsWindowVisible(window)) return window;
  return nullptr;
}

// DIB pixels are 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
COLORREF colourOf(DWORD pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

double share(const PixelCanvas& a, const PixelCanvas& b) {
  size_t same = 0;
  for (size_t i = 0; i < a.pixelCount(); ++i) same += (a.pixels()[i] & 0xFFFFFF) == (b.pixels()[i] & 0xFFFFFF);
  return static_cast<double>(same) / static_cast<double>(a.pixelCount());
}

// Compares what the screen shows in the icon's place with each stock icon
// drawn on the same background.
std::wstring recogniseIcon(HWND icon) {
  RECT client;
  GetClientRect(icon, &client);
  POINT origin = {0, 0};
  ClientToScreen(icon, &origin);
  const int width = client.right;
  const int height = client.bottom;
  if (width <= 0 || height <= 0) return L"none";
  WindowDC screen(nullptr);
  PixelCanvas shown(screen.get(), width, height);
  BitBlt(shown.dc(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY);
  Brush fill(colourOf(shown.pixels()[0]));
  for (const StockIcon& stock : kStockIcons) {
    PixelCanvas drawn(screen.get(), width, height);
    RECT all = {0, 0, width, height};
    FillRect(drawn.dc(), &all, fill.get());
    DrawIconEx(drawn.dc(), 0, 0, LoadIconW(nullptr, stock.resource), width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
    if (share(shown, drawn) >= kMatchingShare) return stock.name;
  }
  return L"unknown";
}

}  // namespace

// The box's caption, its text, which stock icon it shows, its owner, and one
// line per button: id and text.
void messageBox(const Arguments& args) {
  args.expectCount(1, 1);
  HWND box = args.window(0);
  requireWindow(box);
  if (className(box) != L"#32770") throw Failure(L"window " + args.at(0) + L" is no message box");
  std::wstring text;
  std::vector<std::wstring> buttons;
  for (HWND window : childWindows(box)) {
    const std::wstring kind = className(window);
    if (kind == L"Static" && !isIconStatic(window) && IsWindowVisible(window)) {
      const std::wstring part = windowText(window);
      if (!part.empty()) text += text.empty() ? part : L"\n" + part;
    } else if (kind == L"Button" && IsWindowVisible(window)) {
      buttons.push_back(std::to_wstring(GetDlgCtrlID(window)) + L"\t" + escape(windowText(window)));
    }
  }
  std::wstring icon = L"none";
  if (HWND picture = iconStatic(box))
    waitUntil(args.timeoutMs(), [&] { return (icon = recogniseIcon(picture)) != L"unknown"; });
  wchar_t caption[512];
  const int length = InternalGetWindowText(box, caption, 512);
  printLine(L"caption=" + escape(std::wstring(caption, static_cast<size_t>(length))));
  printLine(L"text=" + escape(text));
  printLine(L"icon=" + icon);
  printLine(L"owner=" + hex(HandleToULong(GetWindow(box, GW_OWNER))));
  for (const std::wstring& button : buttons) printLine(L"button=" + button);
}

void press(const Arguments& args) {
  args.expectCount(2, 2);
  HWND box = args.window(0);
  requireWindow(box);
  HWND button = descendantWithId(box, static_cast<int>(args.number(1)));
  if (button == nullptr || className(button) != L"Button")
    throw Failure(L"window " + args.at(0) + L" has no button with id " + args.at(1));
  if (!PostMessageW(button, BM_CLICK, 0, 0)) throw Failure(L"cannot post BM_CLICK to " + hex(HandleToULong(button)));
}

}  // namespace driver
