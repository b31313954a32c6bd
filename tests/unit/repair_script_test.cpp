#include "core/repair_script.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// The 114 bytes of the script, one line a row, as a hex dump of a
// known-good R.bat shows them: the test holds bytes, not the lines' text.
constexpr std::array<unsigned char, 114> kExpectedBytes = {
    0x63, 0x64, 0x5C, 0x0D, 0x0A,                                                        // "cd\"
    0x69, 0x70, 0x63, 0x6F, 0x6E, 0x66, 0x69, 0x67, 0x2F, 0x72, 0x65, 0x6C, 0x65, 0x61,  // ipconfig/relea
    0x73, 0x65, 0x0D, 0x0A,                                                              // se
    0x69, 0x70, 0x63, 0x6F, 0x6E, 0x66, 0x69, 0x67, 0x2F, 0x72, 0x65, 0x6E, 0x65, 0x77,  // ipconfig/renew
    0x0D, 0x0A,
    0x69, 0x70, 0x63, 0x6F, 0x6E, 0x66, 0x69, 0x67, 0x2F, 0x66, 0x6C, 0x75, 0x73, 0x68,  // ipconfig/flush
    0x64, 0x6E, 0x73, 0x0D, 0x0A,                                                        // dns
    0x69, 0x70, 0x63, 0x6F, 0x6E, 0x66, 0x69, 0x67, 0x20, 0x2F, 0x72, 0x65, 0x67, 0x69,  // ipconfig /regi
    0x73, 0x74, 0x65, 0x72, 0x64, 0x6E, 0x73, 0x0D, 0x0A,                                // sterdns
    0x61, 0x72, 0x70, 0x20, 0x2D, 0x64, 0x0D, 0x0A,                                      // arp -d
    0x4E, 0x62, 0x74, 0x73, 0x74, 0x61, 0x74, 0x20, 0x2D, 0x52, 0x0D, 0x0A,              // Nbtstat -R
    0x4E, 0x62, 0x74, 0x73, 0x74, 0x61, 0x74, 0x20, 0x2D, 0x52, 0x52, 0x0D, 0x0A,        // Nbtstat -RR
};

const std::string kExpected(kExpectedBytes.begin(), kExpectedBytes.end());

std::string Narrow(const std::u16string& text)
{
    std::string out;
    for (const char16_t c : text) {
        EXPECT_LT(c, 0x80) << "the script must be pure ASCII";
        out.push_back(static_cast<char>(c));
    }
    return out;
}

}  // namespace

TEST(RepairScript, IsTheEightLinesWithCrLfIn114Bytes)
{
    EXPECT_EQ(Narrow(core::RepairScriptText()), kExpected);
}

TEST(RepairScript, OnlyTheUtf8CodePageGetsAByteOrderMark)
{
    const auto plain = core::ScriptFileBytes(936, kExpected);
    EXPECT_EQ(std::string(plain.begin(), plain.end()), kExpected);

    const auto western = core::ScriptFileBytes(1252, kExpected);
    EXPECT_EQ(western.size(), 114u);

    const auto utf8 = core::ScriptFileBytes(65001, kExpected);
    ASSERT_EQ(utf8.size(), 117u);
    EXPECT_EQ(utf8[0], 0xEF);
    EXPECT_EQ(utf8[1], 0xBB);
    EXPECT_EQ(utf8[2], 0xBF);
    EXPECT_EQ(std::string(utf8.begin() + 3, utf8.end()), kExpected);
}
