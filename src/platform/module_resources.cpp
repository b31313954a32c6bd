#include "platform/module_resources.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/handles.h"
#include "platform/wide.h"

namespace platform {
namespace {

struct Module {
    HMODULE handle;
    std::u16string name;
};

// The executable alone when the system cannot list the modules.
std::vector<Module> LoadedModules()
{
    HMODULE executable = GetModuleHandleW(nullptr);
    std::vector<Module> modules = {{executable, u"the executable"}};
    const UniqueHandle snapshot(
        AdoptFileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId())));
    if (!snapshot)
        return modules;
    MODULEENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot.get(), &entry); more; more = Module32NextW(snapshot.get(), &entry)) {
        if (entry.hModule == executable)
            modules.front().name = FromWide(entry.szModule);
        else
            modules.push_back({entry.hModule, FromWide(entry.szModule)});
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
