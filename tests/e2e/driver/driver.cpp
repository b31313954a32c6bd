// lumaric-driver: looks at and operates Lumaric's windows from inside the same
// Wine session, for the end-to-end tests. Window arguments are handles or
// locators ("TForm1", "TForm1/107"). Results go to stdout; anything not
// found or not answered in time goes to stderr with exit code 1, a wrong
// command line with exit code 2.
#include <windows.h>

#include <vector>

#include "command_table.h"
#include "commands.h"

namespace {

using driver::Command;

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {L"wait-window", L"[--class C] [--title T] [--pid P] [--visible]: first matching top-level window",
       {L"--class", L"--title", L"--pid"}, {L"--visible"}, driver::waitWindow},
      {L"wait-gone", L"HWND: wait until the window is destroyed", {}, {}, driver::waitGone},
      {L"window-classes", L"[--class C] [--title T] [--pid P] [--visible]: the classes of matching top-level windows",
       {L"--class", L"--title", L"--pid"}, {L"--visible"}, driver::windowClasses},
      {L"count-windows", L"[--class C] [--title T] [--pid P] [--visible]: number of matching top-level windows",
       {L"--class", L"--title", L"--pid"}, {L"--visible"}, driver::countWindows},
      {L"info", L"HWND: class, text, visible, enabled, style, exstyle, owner, parent, id, pid, rect, client", {},
       {}, driver::info},
      {L"tree", L"HWND: descendants as depth hwnd id parent-id class visible enabled style exstyle left top "
                L"width height text, rectangles in HWND's client coordinates, siblings in z-order",
       {}, {}, driver::tree},
      {L"child", L"HWND ID: the descendant with that control id", {}, {}, driver::child},
      {L"text", L"HWND: the window's text (WM_GETTEXT)", {}, {}, driver::text},
      {L"focus", L"HWND: focus and active window of the window's thread", {}, {}, driver::focus},
      {L"exists", L"HWND: yes or no", {}, {}, driver::exists},
      {L"point", L"HWND: the window's centre in screen coordinates", {}, {}, driver::point},
      {L"close-box", L"HWND: the centre of the window's close box in screen coordinates", {}, {},
       driver::closeBox},
      {L"hit-test", L"HWND DX DY: the window's WM_NCHITTEST answer at DX DY from its top-left corner", {}, {},
       driver::hitTest},
      {L"ok-text", L": the caption the system gives a message box's OK button", {}, {}, driver::okText},
      {L"work-area", L": left top width height of the work area", {}, {}, driver::workArea},
      {L"create-error", L"PATH: the error and system text of creating PATH as the repair does", {}, {},
       driver::createError},
      {L"hold-file", L"PATH MS: keep PATH open without sharing for MS milliseconds", {}, {}, driver::holdFile},
      {L"statusbar", L"HWND [--plain]: per panel index, right edge, text; --plain takes only what "
                     L"SB_GETTEXTW copies, as a screen reader does", {}, {L"--plain"}, driver::statusBar},
      {L"combo", L"HWND: count, selected, text and items of a combobox", {}, {}, driver::combo},
      {L"tabs", L"HWND: per tab index, selected, text", {}, {}, driver::tabs},
      {L"tab-point", L"HWND INDEX: the centre of that tab in screen coordinates", {}, {}, driver::tabPoint},
      {L"click", L"HWND [--send]: BM_CLICK, posted unless --send", {}, {L"--send"}, driver::click},
      {L"set-text", L"HWND TEXT: WM_SETTEXT", {}, {}, driver::setText},
      {L"send", L"HWND MSG [WPARAM [LPARAM]]: SendMessage, prints the result", {}, {}, driver::send},
      {L"post", L"HWND MSG [WPARAM [LPARAM]]: PostMessage", {}, {}, driver::post},
      {L"post-each", L"HWND MSG [HWND MSG]...: PostMessage each in turn, no parameters, with nothing between",
       {}, {}, driver::postEach},
      {L"broadcast-taskbar-created", L": broadcast the registered TaskbarCreated message", {}, {},
       driver::broadcastTaskbarCreated},
      {L"acp", L": the ANSI code page", {}, {}, driver::codePage},
      {L"text-height", L"FACE PIXELS: line height of that font, made as the program makes its own", {}, {},
       driver::textHeight},
      {L"msgbox", L"HWND: caption, text, icon, owner and buttons of a message box", {}, {}, driver::messageBox},
      {L"press", L"HWND ID: click the button with that id inside HWND", {}, {}, driver::press},
      {L"tooltips", L"[--pid P]: per tool of each tooltip control: tooltip, visible, balloon, tool's left top "
                    L"width height on the screen, text",
       {L"--pid"}, {}, driver::tooltips},
      {L"hold-tray-icons", L"COUNT MS: put COUNT placeholder icons into the notification area for MS ms", {}, {},
       driver::holdTrayIcons},
      {L"forget-tray-icons", L"PID: take the process's icons out of the notification area", {}, {},
       driver::forgetTrayIcons},
      {L"run-minimised", L"EXE DIR: run EXE from DIR with SW_SHOWMINNOACTIVE, wait, exit with its exit code", {}, {},
       driver::runMinimised},
      {L"locale-info", L": the thread locale and its date and time values that the clock is built from", {}, {},
       driver::localeInfo},
      {L"locale-follows-registry", L": yes if a running process sees a change of sShortDate in the registry", {},
       {}, driver::localeFollowsRegistry},
      {L"reload-locale", L"PID DLL: load DLL (locale_reload) into process PID, which then rereads sShortDate", {},
       {}, driver::reloadLocale},
      {L"broadcast-setting-change", L"AREA: send WM_SETTINGCHANGE naming AREA (\"intl\") to every top-level window", {},
       {}, driver::broadcastSettingChange},
      {L"resources", L"PID: kernel handles, GDI and USER objects of the process, each with its source", {}, {},
       driver::resources},
      {L"repairs", L"BUTTON MEMO COUNT GROW: click COUNT times, each until MEMO grew by GROW characters", {}, {},
       driver::repairs},
      {L"hide-show", L"MAIN COUNT --button B --tray T --menu M --callback MSG --hide-item I --show-item I: "
                     L"hide and show COUNT times",
       {L"--button", L"--tray", L"--menu", L"--callback", L"--hide-item", L"--show-item"}, {}, driver::hideShow},
      {L"taskbar-created", L"COUNT HWND: broadcast TaskbarCreated COUNT times, each handled by HWND's thread", {}, {},
       driver::taskbarCreated},
      {L"tamper", L"PATH: whether PATH can now be opened for writing, deleted, renamed, opened for reading", {}, {},
       driver::tamper},
      {L"watch-windows", L"MS: new top-level windows seen visible within MS milliseconds", {}, {},
       driver::watchWindows},
      {L"run-limited", L"EXE DIR: run EXE from DIR with the limited token linked to the driver's, wait, exit with "
                       L"its exit code",
       {}, {}, driver::runLimited},
      {L"token-elevation", L"PID: elevated and elevation type of the process's token", {}, {}, driver::tokenElevation},
      {L"record-start", L"FILE ARGUMENT: append who started the driver, its rights and ARGUMENT to FILE", {}, {},
       driver::recordStart},
      {L"end-session", L"PID {query | end 0|1}: WM_QUERYENDSESSION or WM_ENDSESSION to each top-level window of PID: "
                       L"per window hwnd, class, answer",
       {}, {}, driver::endSession},
      {L"pause-script-start", L"PID GO: stop PID at its next CreateProcessW, print its command line, go on once "
                              L"the file GO exists",
       {}, {}, driver::pauseScriptStart},
      {L"pixels", L"HWND X Y [X Y]...: RRGGBB on the screen at each client point", {}, {}, driver::pixels},
      {L"sys-colour", L"INDEX: the system colour GetSysColor(INDEX) as RRGGBB", {}, {}, driver::sysColour},
      {L"run-refusing-timers", L"EXE DIR: run EXE from DIR with its own SetTimer calls refused, wait, exit with its "
                               L"exit code",
       {}, {}, driver::runRefusingTimers},
      {L"load-library", L"PID DLL: load DLL into process PID, whose DllMain does its work", {}, {},
       driver::loadLibrary},
      {L"hit-map", L"HWND: per WM_NCHITTEST answer over the frame and the client area's edge: answer, points, "
                   L"bounding left top width height from the window's top-left corner",
       {}, {}, driver::hitMap},
      {L"dpi-changed", L"HWND DPI LEFT TOP WIDTH HEIGHT: send WM_DPICHANGED for DPI with that suggested rectangle", {},
       {}, driver::dpiChanged},
  };
  return table;
}

}  // namespace

int wmain(int argc, wchar_t** argv) { return driver::runCommand(L"lumaric-driver", commands(), argc, argv); }
