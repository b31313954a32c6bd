#include "core/typed_style_key.h"

#include "core/error.h"
#include "core/text.h"

namespace core {

void NotAStyleKeyOfThisKind(std::string_view name, StyleKind kind)
{
    throw Error(Format(u"'%s' is not %s of the style", {FromAscii(name), StyleKindName(kind)}));
}

}  // namespace core
