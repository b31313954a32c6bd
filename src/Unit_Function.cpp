#include "Unit_Function.h"

#include "ui/application.h"

void HideTaskbarButton()
{
    ShowWindow(ui::App().Handle(), SW_HIDE);
}
