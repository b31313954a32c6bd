// Lumaric: repairs the network connection with the system's own commands,
// at once or every N minutes from the notification area.

#include <windows.h>

#include <cstdlib>

#include "Unit1.h"
#include "platform/instance_lock.h"
#include "ui/application.h"

namespace __gnu_cxx {
// The default handler would pull the C++ name demangler, a third of the
// executable, into the program only to print a message nobody sees.
void __verbose_terminate_handler()
{
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    ui::Application application;

    static const platform::InstanceLock lock(u"Lumaric");
    if (lock.GetState() != platform::InstanceLock::State::Owned)
        return 0;

    application.InitializeCom();
    application.SetTitle(u"Lumaric");
    application.CreateForm(Form1);
    application.Run();
    return 0;
}
