#pragma once
// The lines a repair adds to the log, and how a line joins the log's text.

#include <string>
#include <string_view>

namespace core {

inline constexpr std::u16string_view kRepairAnnouncement = u"请稍候正在修复网络连接.";
inline constexpr std::u16string_view kRepairSucceeded = u"网络连接修复成功.";
inline constexpr std::u16string_view kRepairFailed = u"网络连接修复失败.";

// The closing line: the outcome, success or failure, followed directly by the
// clock text that the status bar held when the script was started.
std::u16string RepairOutcomeLine(bool succeeded, std::u16string_view clockText);

// What is put at the end of the log's text to add one line: the line and a
// line break when the text is empty or already ends with a break, otherwise
// a line break and then the line.
std::u16string LogAppendPiece(bool textEmptyOrEndsWithBreak, std::u16string_view line);

}  // namespace core
