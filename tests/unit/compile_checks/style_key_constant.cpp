// Compiled on its own by CTest, once as it is and once with each of the
// faults below: the faults must stop the compiler, and only then does the
// compile as it is show that they, not the file, are to blame.

#include "core/style_data.h"

#if defined MISSPELT_KEY
constexpr core::ColourKey kKey("statusbar.txet");
#elif defined KEY_OF_ANOTHER_KIND
constexpr core::ColourKey kKey("statusbar.background");
#else
constexpr core::ColourKey kKey("statusbar.text");
#endif

#if defined LOOKUP_BY_TEXT
core::Colour TextColour(const core::StyleData& style)
{
    return style.ColourOf("statusbar.text");
}
#else
core::Colour TextColour(const core::StyleData& style)
{
    return style.ColourOf(kKey);
}
#endif
