#include <windows.h>

#include "commands.h"
#include "remote_library.h"

namespace driver {

// The locale_reload DLL, loaded into process PID, makes that process read
// the short date picture from the registry again.
void reloadLocale(const Arguments& args) {
  args.expectCount(2, 2);
  loadLibraryInto(args.number(0), args.at(1), args.timeoutMs());
}

}  // namespace driver
