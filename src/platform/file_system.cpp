#include "platform/file_system.h"

#include <windows.h>

#include <algorithm>

#include "core/error.h"
#include "core/error_text.h"
#include "core/long_path.h"
#include "core/text.h"
#include "platform/handles.h"
#include "platform/unelevated_access.h"
#include "platform/wide.h"

namespace platform {
namespace {

[[noreturn]] void ThrowCannotCreate(const std::u16string& path, std::u16string_view reason)
{
    throw core::Error(core::Format(core::kCannotCreateFile, {FullPathName(path), reason}));
}

[[noreturn]] void ThrowCannotCreate(const std::u16string& path, DWORD code)
{
    ThrowCannotCreate(path, core::TrimSystemMessage(SystemErrorText(code)));
}

// The path the system gives for the open file or folder, in the long form
// (\\?\C:\...), whatever its length.
std::optional<std::u16string> LongFinalPath(HANDLE object)
{
    std::u16string path(MAX_PATH, u'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(object, reinterpret_cast<wchar_t*>(path.data()),
                                                       static_cast<DWORD>(path.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0)
            return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.assign(length, u'\0');
    }
}

bool SamePath(const std::u16string& a, const std::u16string& b)
{
    return CompareStringOrdinal(Wide(a), static_cast<int>(a.size()), Wide(b), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

UniqueHandle OpenFolder(const std::u16string& path, const std::u16string& folder)
{
    auto handle = AdoptFileHandle(CreateFileW(Wide(folder), READ_CONTROL | FILE_READ_ATTRIBUTES,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle)
        ThrowCannotCreate(path, GetLastError());
    return handle;
}

UniqueHandle OpenFile(const std::u16string& path, DWORD disposition)
{
    // A link is opened itself, not what it leads to.
    return AdoptFileHandle(CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE | READ_CONTROL, 0, nullptr,
                                       disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

// Opens the file at PATH without changing it, creating it where it is
// missing, and throws unless it is an ordinary file with that one name in
// FOLDER that the user's own rights may write.
UniqueHandle OpenOrdinaryFile(const std::u16string& path, const std::u16string& folder)
{
    auto file = OpenFile(path, OPEN_EXISTING);
    if (!file && GetLastError() != ERROR_FILE_NOT_FOUND)
        ThrowCannotCreate(path, GetLastError());
    const UniqueHandle folderHandle = OpenFolder(path, folder);
    if (!file) {
        if (!UnelevatedUserGranted(folderHandle.get(), FILE_ADD_FILE))
            ThrowCannotCreate(path, core::kUserMayNotWrite);
        file = OpenFile(path, CREATE_NEW);
        if (!file)
            ThrowCannotCreate(path, GetLastError());
    }

    BY_HANDLE_FILE_INFORMATION information = {};
    if (!GetFileInformationByHandle(file.get(), &information))
        ThrowCannotCreate(path, GetLastError());
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        ThrowCannotCreate(path, core::kFileIsLink);
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        ThrowCannotCreate(path, core::kFileIsFolder);
    if (information.nNumberOfLinks != 1)
        ThrowCannotCreate(path, core::kFileHasOtherNames);
    // Where the system does not report a link as one, the file's own path
    // still shows where it lies.
    const auto filePath = LongFinalPath(file.get());
    const auto folderPath = LongFinalPath(folderHandle.get());
    if (!filePath || !folderPath)
        ThrowCannotCreate(path, GetLastError());
    if (!SamePath(filePath->substr(0, filePath->rfind(u'\\')), *folderPath)) {
        const std::u16string leadsTo = core::UsualPath(*filePath).value_or(*filePath);
        ThrowCannotCreate(path, core::Format(core::kFileLeadsElsewhere, {leadsTo}));
    }
    if (!UnelevatedUserGranted(file.get(), FILE_WRITE_DATA))
        ThrowCannotCreate(path, core::kUserMayNotWrite);
    return file;
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
    const UniqueHandle file = OpenOrdinaryFile(path, path.substr(0, path.rfind(u'\\')));
    // Emptied only now that it is known to be the file meant; a new one is
    // empty already.
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size) || (size.QuadPart != 0 && !SetEndOfFile(file.get())))
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
    const auto path = LongFinalPath(file.get());
    if (!path)
        return std::nullopt;
    return core::UsualPath(*path);
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
