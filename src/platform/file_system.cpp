#include "platform/file_system.h"

#include <windows.h>

#include <algorithm>

#include "core/error.h"
#include "core/error_text.h"
#include "core/long_path.h"
#include "core/text.h"
#include "platform/handles.h"
#include "platform/wide.h"

namespace platform {
namespace {

[[noreturn]] void ThrowCannotCreate(const std::u16string& path, DWORD code)
{
    throw core::Error(core::Format(core::kCannotCreateFile,
                                   {FullPathName(path), core::TrimSystemMessage(SystemErrorText(code))}));
}

void WriteAll(HANDLE file, const std::vector<unsigned char>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(bytes.size() - done);
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            throw core::Error(std::u16string(core::kStreamWriteError));
        done += written;
    }
}

// A reparse point that is no folder counts as a file if it can be opened,
// or if another process holds it open.
bool ReparsePointOpens(const std::u16string& path)
{
    const auto file = AdoptFileHandle(
        CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    return file || GetLastError() == ERROR_SHARING_VIOLATION;
}

bool FoundAsFile(const std::u16string& path)
{
    WIN32_FIND_DATAW entry;
    const auto search = AdoptFindHandle(FindFirstFileW(Wide(path), &entry));
    return search && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void WriteNewFile(const std::u16string& path, const std::vector<unsigned char>& bytes)
{
    const auto file = AdoptFileHandle(CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        ThrowCannotCreate(path, GetLastError());
    WriteAll(file.get(), bytes);
}

UniqueHandle HoldUnchanged(const std::u16string& path, const std::vector<unsigned char>& bytes)
{
    auto file = AdoptFileHandle(
        CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        throw core::Error(core::Format(core::kCannotHoldScript,
                                       {FullPathName(path), core::TrimSystemMessage(SystemErrorText(GetLastError()))}));
    // One byte more than expected shows a longer file.
    std::vector<unsigned char> held(bytes.size() + 1);
    DWORD read = 0;
    if (!ReadFile(file.get(), held.data(), static_cast<DWORD>(held.size()), &read, nullptr) ||
        read != bytes.size() || !std::equal(bytes.begin(), bytes.end(), held.begin()))
        throw core::Error(core::Format(core::kScriptChanged, {FullPathName(path)}));
    return file;
}

std::optional<std::u16string> FinalPath(const UniqueHandle& file)
{
    // Room for every path whose usual form fits in MAX_PATH; a longer one
    // has none.
    wchar_t path[core::kMaxPath + core::kLongFormExtra];
    const DWORD length = GetFinalPathNameByHandleW(file.get(), path, static_cast<DWORD>(std::size(path)),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= std::size(path))
        return std::nullopt;
    return core::UsualPath(FromWide(path, length));
}

bool FileExists(const std::u16string& path)
{
    const DWORD attributes = GetFileAttributesW(Wide(path));
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 || folder)
            return !folder;
        return ReparsePointOpens(path);
    }
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return false;
    default:
        return FoundAsFile(path);
    }
}

std::u16string FullPathName(const std::u16string& path)
{
    const DWORD needed = GetFullPathNameW(Wide(path), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::u16string full(needed, u'\0');
    const DWORD length = GetFullPathNameW(Wide(path), needed, reinterpret_cast<wchar_t*>(full.data()), nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    return full;
}

std::u16string SystemErrorText(unsigned long code)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const UniqueLocalMem<wchar_t> owned(text);
    return length == 0 ? std::u16string() : FromWide(text, length);
}

}  // namespace platform
