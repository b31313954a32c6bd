#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

struct NamedMessage {
  const wchar_t* name;
  UINT number;
};

constexpr NamedMessage kMessages[] = {
    {L"WM_CLOSE", WM_CLOSE},     {L"WM_COMMAND", WM_COMMAND},   {L"WM_SYSCOMMAND", WM_SYSCOMMAND},
    {L"WM_SETTINGCHANGE", WM_SETTINGCHANGE}, {L"WM_KEYDOWN", WM_KEYDOWN}, {L"WM_KEYUP", WM_KEYUP},
    {L"WM_CHAR", WM_CHAR},       {L"WM_LBUTTONDOWN", WM_LBUTTONDOWN}, {L"WM_LBUTTONUP", WM_LBUTTONUP},
    {L"WM_QUIT", WM_QUIT},       {L"BM_CLICK", BM_CLICK},       {L"WM_USER", WM_USER},
};

UINT messageNumber(const std::wstring& text) {
  for (const NamedMessage& message : kMessages)
    if (text == message.name) return message.number;
  return static_cast<UINT>(parseNumber(text, L"message"));
}

struct Message {
  HWND window;
  UINT number;
  WPARAM wParam;
  LPARAM lParam;
};

Message messageFrom(const Arguments& args) {
  args.expectCount(2, 4);
  Message message{args.window(0), messageNumber(args.at(1)), 0, 0};
  requireWindow(message.window);
  if (args.count() > 2) message.wParam = args.number(2);
  if (args.count() > 3) message.lParam = static_cast<LPARAM>(args.number(3));
  return message;
}

HWND windowOfClass(const Arguments& args, const wchar_t* expected) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  requireWindow(window);
  if (_wcsicmp(className(window).c_str(), expected) != 0)
    throw Failure(L"window " + args.at(0) + L" is a " + className(window) + L", not a " + expected);
  return window;
}

std::wstring remoteText(const RemoteBuffer& buffer, size_t offset, size_t units) {
  std::vector<wchar_t> text(units + 1, L'\0');
  buffer.read(text.data(), units * sizeof(wchar_t), offset);
  return std::wstring(text.data());
}

// A zero-terminated text at an address of the window's process: the item
// data of a panel the program draws itself.
std::wstring remoteString(HWND window, LRESULT address) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const platform::UniqueHandle process = openProcess(PROCESS_VM_READ, processId);
  if (!process) throw Failure(L"cannot read the memory of the status bar's process");
  std::wstring text;
  for (auto at = static_cast<ULONG_PTR>(address);; at += sizeof(wchar_t)) {
    wchar_t unit = L'\0';
    SIZE_T done = 0;
    if (!ReadProcessMemory(process.get(), reinterpret_cast<const void*>(at), &unit, sizeof unit, &done) ||
        done != sizeof unit)
      throw Failure(L"cannot read an owner-drawn panel's text");
    if (unit == L'\0') return text;
    text.push_back(unit);
  }
}

}  // namespace

// One line per panel: index, right edge (-1: to the end of the bar), text.
// An owner-drawn panel's item data is its text; with --plain only the text
// that SB_GETTEXTW copies counts, as screen readers read it.
void statusBar(const Arguments& args) {
  const bool plain = args.has(L"--plain");
  HWND bar = windowOfClass(args, STATUSCLASSNAMEW);
  const int parts = static_cast<int>(sendWithin(bar, SB_GETPARTS, 0, 0, L"SB_GETPARTS"));
  if (parts < 1) throw Failure(L"status bar " + args.at(0) + L" reports no panels");
  RemoteBuffer edges(bar, sizeof(int) * static_cast<size_t>(parts));
  sendWithin(bar, SB_GETPARTS, static_cast<WPARAM>(parts), edges.address(), L"SB_GETPARTS");
  std::vector<int> right(static_cast<size_t>(parts));
  edges.read(right.data(), right.size() * sizeof(int));
  for (int part = 0; part < parts; ++part) {
    const LRESULT lengthAndType = sendWithin(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0, L"SB_GETTEXTLENGTHW");
    const size_t length = LOWORD(lengthAndType);
    RemoteBuffer text(bar, (length + 1) * sizeof(wchar_t));
    const LRESULT result = sendWithin(bar, SB_GETTEXTW, static_cast<WPARAM>(part), text.address(), L"SB_GETTEXTW");
    const std::wstring shown = (HIWORD(lengthAndType) & SBT_OWNERDRAW) && !plain ? remoteString(bar, result)
                                                                                 : remoteText(text, 0, length);
    printLine(std::to_wstring(part) + L"\t" + std::to_wstring(right[static_cast<size_t>(part)]) + L"\t" +
              escape(shown));
  }
}

void combo(const Arguments& args) {
  HWND box = windowOfClass(args, WC_COMBOBOXW);
  const LRESULT count = sendWithin(box, CB_GETCOUNT, 0, 0, L"CB_GETCOUNT");
  printLine(L"count=" + std::to_wstring(count));
  printLine(L"selected=" + std::to_wstring(sendWithin(box, CB_GETCURSEL, 0, 0, L"CB_GETCURSEL")));
  printLine(L"text=" + escape(windowText(box)));
  for (LRESULT item = 0; item < count; ++item) {
    const LRESULT length = sendWithin(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0, L"CB_GETLBTEXTLEN");
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    sendWithin(box, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(entry.data()), L"CB_GETLBTEXT");
    entry.resize(static_cast<size_t>(length));
    printLine(L"item=" + std::to_wstring(item) + L"\t" + escape(entry));
  }
}

// One line per tab: index, 1 for the selected one, text.
void tabs(const Arguments& args) {
  HWND control = windowOfClass(args, WC_TABCONTROLW);
  constexpr size_t kTextUnits = 256;
  const LRESULT count = sendWithin(control, TCM_GETITEMCOUNT, 0, 0, L"TCM_GETITEMCOUNT");
  const LRESULT selected = sendWithin(control, TCM_GETCURSEL, 0, 0, L"TCM_GETCURSEL");
  RemoteBuffer buffer(control, sizeof(TCITEMW) + kTextUnits * sizeof(wchar_t));
  for (LRESULT tab = 0; tab < count; ++tab) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<LPWSTR>(buffer.address(sizeof(TCITEMW)));
    item.cchTextMax = kTextUnits;
    buffer.write(&item, sizeof(item));
    const wchar_t empty = L'\0';
    buffer.write(&empty, sizeof(empty), sizeof(TCITEMW));
    if (!sendWithin(control, TCM_GETITEMW, static_cast<WPARAM>(tab), buffer.address(), L"TCM_GETITEMW"))
      throw Failure(L"tab control " + args.at(0) + L" has no tab " + std::to_wstring(tab));
    printLine(std::to_wstring(tab) + L"\t" + (tab == selected ? L"1" : L"0") + L"\t" +
              escape(remoteText(buffer, sizeof(TCITEMW), kTextUnits - 1)));
  }
}

// Posted by default: a click that starts a repair keeps the program busy for
// as long as the repair runs, and the driver must not wait for that.
void click(const Arguments& args) {
  HWND button = windowOfClass(args, WC_BUTTONW);
  if (args.has(L"--send"))
    sendWithin(button, BM_CLICK, 0, 0, L"BM_CLICK");
  else if (!PostMessageW(button, BM_CLICK, 0, 0))
    throw Failure(L"cannot post BM_CLICK to " + args.at(0));
}

void setText(const Arguments& args) {
  args.expectCount(2, 2);
  HWND window = args.window(0);
  requireWindow(window);
  if (!sendWithin(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args.at(1).c_str()), L"WM_SETTEXT"))
    throw Failure(L"window " + args.at(0) + L" refused the text");
}

void send(const Arguments& args) {
  const Message message = messageFrom(args);
  printLine(std::to_wstring(sendWithin(message.window, message.number, message.wParam, message.lParam, L"the message")));
}

void post(const Arguments& args) {
  const Message message = messageFrom(args);
  if (!PostMessageW(message.window, message.number, message.wParam, message.lParam))
    throw Failure(L"cannot post message " + args.at(1) + L" to " + args.at(0));
}

void postEach(const Arguments& args) {
  if (args.count() == 0 || args.count() % 2 != 0) throw UsageError(L"expected pairs of a window and a message");
  std::vector<Message> messages;
  for (size_t i = 0; i < args.count(); i += 2) {
    messages.push_back({args.window(i), messageNumber(args.at(i + 1)), 0, 0});
    requireWindow(messages.back().window);
  }
  // All looked up first, so that the posts follow each other at once.
  for (size_t i = 0; i < messages.size(); ++i) {
    if (!PostMessageW(messages[i].window, messages[i].number, 0, 0))
      throw Failure(L"cannot post message " + args.at(2 * i + 1) + L" to " + args.at(2 * i));
  }
}

void broadcastTaskbarCreated(const Arguments& args) {
  args.expectCount(0, 0);
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  if (message == 0 || !SendNotifyMessageW(HWND_BROADCAST, message, 0, 0))
    throw Failure(L"cannot broadcast TaskbarCreated");
  printLine(hex(message));
}

void textHeight(const Arguments& args) {
  args.expectCount(2, 2);
  // The font as the program makes its window font: a character height in
  // pixels, regular, ANSI character set.
  HFONT font = CreateFontW(-static_cast<int>(args.number(1)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, args.at(0).c_str());
  WindowDC dc(nullptr);
  HGDIOBJ previous = SelectObject(dc.get(), font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc.get(), &metrics);
  SelectObject(dc.get(), previous);
  DeleteObject(font);
  printLine(std::to_wstring(metrics.tmHeight));
}

void codePage(const Arguments& args) {
  args.expectCount(0, 0);
  printLine(std::to_wstring(GetACP()));
}

}  // namespace driver
