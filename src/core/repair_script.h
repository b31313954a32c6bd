#pragma once
// The repair script R.bat: its lines, and the bytes the file holds.

#include <string>
#include <string_view>
#include <vector>

namespace core {

inline constexpr std::u16string_view kScriptFileName = u"R.bat";

// The eight command lines, each followed by CR LF.
std::u16string RepairScriptText();

// The file's bytes for text already converted to the ANSI code page: a UTF-8
// code page gets its byte-order mark in front, every other code page none.
std::vector<unsigned char> ScriptFileBytes(unsigned ansiCodePage, std::string_view ansiText);

}  // namespace core
