// Loaded into a running process by `lumaric-driver reload-locale`: makes the
// process see the short date picture that the registry holds now, as every
// process on Windows does after the regional settings change. Wine keeps the
// values a process has read once, so a change that another process writes
// into the registry never reaches it otherwise. It declines to stay loaded.
#include <windows.h>

namespace {

constexpr wchar_t kInternational[] = L"Control Panel\\International";

void ReloadShortDate()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kInternational, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    wchar_t picture[80] = {};
    DWORD size = sizeof picture - sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS status =
        RegQueryValueExW(key, L"sShortDate", nullptr, &type, reinterpret_cast<BYTE*>(picture), &size);
    RegCloseKey(key);
    if (status == ERROR_SUCCESS && type == REG_SZ)
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    ReloadShortDate();
    return FALSE;
}
