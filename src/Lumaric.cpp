// Lumaric: repairs the network connection with the system's own commands,
// at once or every N minutes from the notification area.

#include <windows.h>

#include "Unit1.h"
#include "platform/dll_search.h"
#include "platform/instance_lock.h"
#include "ui/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Before anything loads a DLL by name.
    platform::RestrictDllSearchToSystemFolder();
    ui::Application application;

    static const platform::InstanceLock lock(u"Lumaric");
    if (lock.GetState() != platform::InstanceLock::State::Owned)
        return 0;

    application.InitializeCom();
    // Without the style the program goes on in the system's look.
    application.ApplyStyle(u"Smokey Quartz Kamri");
    application.SetTitle(u"Lumaric");
    application.CreateForm(Form1);
    application.Run();
    return 0;
}
