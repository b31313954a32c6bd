#pragma once
// The resources of one type in every module loaded into the process: the
// executable first, then each DLL, in the system's order of modules.

#include "core/style_registry.h"

#include <vector>

namespace platform {

// Each resource's bytes stay valid while its module stays loaded; the
// origin reads "<resource name> in <module file name>".
std::vector<core::StyleResource> LoadedModuleResources(const wchar_t* type);

}  // namespace platform
