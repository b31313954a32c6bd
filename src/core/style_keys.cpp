#include "core/style_keys.h"

namespace core {

std::u16string StyleKindName(StyleKind kind)
{
    switch (kind) {
    case StyleKind::Colour: return u"a colour";
    case StyleKind::Metric: return u"a metric";
    case StyleKind::Gradient: return u"a gradient";
    case StyleKind::Font: return u"a font";
    }
    return u"a value";
}

}  // namespace core
