// The driver's commands, grouped by what they look at; driver.cpp lists them.
#pragma once

#include "arguments.h"

namespace driver {

// Top-level windows, window trees and plain window facts.
void waitWindow(const Arguments& args);
void waitGone(const Arguments& args);
void countWindows(const Arguments& args);
void windowClasses(const Arguments& args);
void info(const Arguments& args);
void tree(const Arguments& args);
void child(const Arguments& args);
void text(const Arguments& args);
void focus(const Arguments& args);
void exists(const Arguments& args);
void point(const Arguments& args);
void closeBox(const Arguments& args);
void hitTest(const Arguments& args);
void okText(const Arguments& args);
void workArea(const Arguments& args);

// Controls and messages.
void statusBar(const Arguments& args);
void combo(const Arguments& args);
void tabs(const Arguments& args);
void tabPoint(const Arguments& args);
void click(const Arguments& args);
void setText(const Arguments& args);
void send(const Arguments& args);
void post(const Arguments& args);
void postEach(const Arguments& args);
void broadcastTaskbarCreated(const Arguments& args);
void codePage(const Arguments& args);
void textHeight(const Arguments& args);

// Files as the repair meets them.
void createError(const Arguments& args);
void holdFile(const Arguments& args);

// Message boxes.
void messageBox(const Arguments& args);
void press(const Arguments& args);

// The notification area: icons' tips and balloons, icons of others, icons
// lost as when the shell restarts; a program started minimised.
void tooltips(const Arguments& args);
void holdTrayIcons(const Arguments& args);
void forgetTrayIcons(const Arguments& args);
void runMinimised(const Arguments& args);

// Regional settings and their change.
void localeInfo(const Arguments& args);
void localeFollowsRegistry(const Arguments& args);
void broadcastSettingChange(const Arguments& args);
void reloadLocale(const Arguments& args);

// Long runs: resource counts, repeated operations, what others may do to
// the script, windows that come up.
void resources(const Arguments& args);
void repairs(const Arguments& args);
void hideShow(const Arguments& args);
void taskbarCreated(const Arguments& args);
void tamper(const Arguments& args);
void watchWindows(const Arguments& args);

// A program started without administrator rights; a process's rights; who
// started a handler the driver stands in for.
void runLimited(const Arguments& args);
void tokenElevation(const Arguments& args);
void recordStart(const Arguments& args);

// The end of the session, told to a process's windows.
void endSession(const Arguments& args);

// A program held at the moment it starts another.
void pauseScriptStart(const Arguments& args);

// Colours on the screen and the system's, for telling the style's look from the system's.
void pixels(const Arguments& args);
void sysColour(const Arguments& args);

// Conditions Wine does not make by itself: a program refused timers, a DLL
// run inside a program, a change of the monitor's scale.
void runRefusingTimers(const Arguments& args);
void loadLibrary(const Arguments& args);
void dpiChanged(const Arguments& args);
// Every point of a window hit-tested.
void hitMap(const Arguments& args);

}  // namespace driver
