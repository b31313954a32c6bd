// Loaded into a running Lumaric by `lumaric-driver load-library`: writes the
// icons that its main window (TForm1) and that window's owner, the
// application window, hold, to the file that LUMARIC_ICON_REPORT names.
// Icon handles belong to their process under Wine, so only code inside it
// can read them. One line per icon:
//   form.big=HANDLE WIDTHxHEIGHT valid|invalid
// for form.big, form.small, app.big and app.small (WM_GETICON ICON_BIG and
// ICON_SMALL); a handle of 0 is "none". It declines to stay loaded.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace {

std::string Hex(const void* handle)
{
    char text[16];
    wsprintfA(text, "0x%08lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(handle)));
    return text;
}

// The handle, its size and whether the system still knows it as an icon.
std::string Describe(HICON icon)
{
    if (icon == nullptr)
        return "none";
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info))
        return Hex(icon) + " 0x0 invalid";
    BITMAP bitmap = {};
    int width = 0, height = 0;
    if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight;
    } else if (GetObjectW(info.hbmMask, sizeof bitmap, &bitmap)) {
        // A monochrome icon: the mask holds the AND and the XOR image.
        width = bitmap.bmWidth;
        height = bitmap.bmHeight / 2;
    }
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        DeleteObject(info.hbmMask);
    return Hex(icon) + " " + std::to_string(width) + "x" + std::to_string(height) + " valid";
}

HICON HeldIcon(HWND window, WPARAM kind)
{
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(window, WM_GETICON, kind, 0, SMTO_BLOCK, 2000, &icon);
    return reinterpret_cast<HICON>(icon);
}

std::string Report()
{
    HWND form = nullptr;
    const DWORD self = GetCurrentProcessId();
    while ((form = FindWindowExW(nullptr, form, L"TForm1", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(form, &process);
        if (process == self)
            break;
    }
    if (form == nullptr)
        return "no TForm1 window in this process\n";
    HWND application = GetWindow(form, GW_OWNER);
    std::string report;
    for (const auto& [name, window] : {std::pair{"form", form}, std::pair{"app", application}}) {
        report += std::string(name) + ".big=" + Describe(HeldIcon(window, ICON_BIG)) + "\n";
        report += std::string(name) + ".small=" + Describe(HeldIcon(window, ICON_SMALL)) + "\n";
    }
    return report;
}

void WriteReport()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LUMARIC_ICON_REPORT", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    const std::string report = Report();
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    WriteReport();
    return FALSE;
}
