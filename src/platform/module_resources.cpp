#include "platform/module_resources.h"

#include <windows.h>

#include "platform/system_function.h"
#include "platform/wide.h"

namespace platform {
namespace {

struct Module {
    HMODULE handle;
    std::u16string name;
};

// The file name of a module, without its folder.
std::u16string ModuleName(HMODULE module)
{
    // From Vista on the name comes back terminated, cut short if need be.
    wchar_t path[MAX_PATH];
    if (!GetModuleFileNameW(module, path, MAX_PATH))
        return u"a module";
    const wchar_t* slash = wcsrchr(path, L'\\');
    return FromWide(slash ? slash + 1 : path);
}

// The executable alone when the system cannot list the modules. The list is
// read from the process in place: a snapshot of the process costs a start
// tens of milliseconds more.
std::vector<Module> LoadedModules()
{
    HMODULE executable = GetModuleHandleW(nullptr);
    std::vector<Module> modules = {{executable, u"the executable"}};
    using EnumModules = BOOL WINAPI(HANDLE, HMODULE*, DWORD, DWORD*);
    auto* enumModules = SystemFunction<EnumModules>(L"psapi.dll", "EnumProcessModules");
    HMODULE handles[256];
    DWORD bytes = 0;
    if (!enumModules || !enumModules(GetCurrentProcess(), handles, sizeof handles, &bytes))
        return modules;
    for (DWORD i = 0; i < bytes / sizeof *handles && i < 256; ++i) {
        if (handles[i] == executable)
            modules.front().name = ModuleName(executable);
        else
            modules.push_back({handles[i], ModuleName(handles[i])});
    }
    return modules;
}

std::u16string ResourceName(LPCWSTR name)
{
    if (!IS_INTRESOURCE(name))
        return FromWide(name);
    std::u16string digits;
    for (ULONG_PTR number = reinterpret_cast<ULONG_PTR>(name); number != 0 || digits.empty(); number /= 10)
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + number % 10));
    return u"#" + digits;
}

struct Collection {
    const Module* module;
    std::vector<core::StyleResource>* resources;
};

BOOL CALLBACK CollectResource(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context)
{
    auto& collection = *reinterpret_cast<Collection*>(context);
    core::StyleResource resource;
    resource.origin = ResourceName(name) + u" in " + collection.module->name;
    if (HRSRC found = FindResourceW(module, name, type)) {
        if (HGLOBAL loaded = LoadResource(module, found)) {
            resource.data = static_cast<const std::uint8_t*>(LockResource(loaded));
            resource.size = resource.data ? SizeofResource(module, found) : 0;
        }
    }
    // What cannot be loaded goes on with no bytes, to be reported as unreadable.
    collection.resources->push_back(std::move(resource));
    return TRUE;
}

}  // namespace

std::vector<core::StyleResource> LoadedModuleResources(const wchar_t* type)
{
    std::vector<core::StyleResource> resources;
    for (const Module& module : LoadedModules()) {
        Collection collection{&module, &resources};
        EnumResourceNamesW(module.handle, type, &CollectResource, reinterpret_cast<LONG_PTR>(&collection));
    }
    return resources;
}

}  // namespace platform
