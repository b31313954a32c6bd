#pragma once
// The readable source of a style, UTF-8 text, one entry a line:
//
//   # a comment: a line whose first non-blank character is '#'
//   name = "Smokey Quartz Kamri"
//   window.background = #3A3430                   colour
//   title.height = 30                             metric
//   title.active.background = #5A4E46 #3E3530 vertical
//                                                 gradient: start, end, vertical or horizontal
//   title.font = "Tahoma" 12 700                  font: face, height, weight
//
// The compiler turns it into the compiled style; the same checks hold here as
// when the program reads that, and each fault names its line.

#include "core/style_data.h"

#include <string_view>

namespace core {

StyleData ParseStyleSource(std::string_view text);

}  // namespace core
