#pragma once
// Shell routines of the program.

#include "ui/app_window.h"

// Hides the application window and with it the program's taskbar button.
// Nothing shows that window again for the rest of the run.
void HideTaskbarButton(ui::AppWindow& applicationWindow);
