#pragma once
// Texts of the error reports.

#include <string>
#include <string_view>

namespace core {

inline constexpr std::u16string_view kCannotCreateFile = u"Cannot create file \"%s\". %s";
// Why the script's file is not written, after kCannotCreateFile.
inline constexpr std::u16string_view kFileIsLink = u"It is a link, and nothing is written through a link";
inline constexpr std::u16string_view kFileIsFolder = u"It is a folder";
inline constexpr std::u16string_view kFileHasOtherNames =
    u"It has more than one name (hard links), and one of them may be in another folder";
inline constexpr std::u16string_view kFileLeadsElsewhere = u"It leads to \"%s\", outside its folder";
inline constexpr std::u16string_view kUserMayNotWrite =
    u"The user's own rights, without administrator rights, do not allow writing there";
inline constexpr std::u16string_view kStreamWriteError = u"Stream write error";
inline constexpr std::u16string_view kCannotHoldScript = u"Cannot open file \"%s\" for running. %s";
inline constexpr std::u16string_view kScriptChanged =
    u"File \"%s\" was changed by another program before it could run, so it was not run";
inline constexpr std::u16string_view kScriptPathRewritten =
    u"Cannot run file \"%s\": the command processor would read a percent sign or an exclamation mark in its "
    u"path as part of a variable, so it was not run";
inline constexpr std::u16string_view kNotEnoughTimers = u"Not enough timers available";

// The error box's text: the message, with a full stop added when the message
// is not empty and its last character sorts above ".".
std::u16string ErrorBoxText(std::u16string_view message);

// A system message without its trailing blanks, control characters (line
// breaks among them) and full stops, so that it fits inside a sentence.
std::u16string TrimSystemMessage(std::u16string_view text);

}  // namespace core
