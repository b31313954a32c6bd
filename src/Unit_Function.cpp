#include "Unit_Function.h"

void HideTaskbarButton(ui::AppWindow& applicationWindow)
{
    ShowWindow(applicationWindow.Handle(), SW_HIDE);
}
