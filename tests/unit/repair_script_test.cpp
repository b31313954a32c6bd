#include "core/repair_script.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The script as the eight lines read, typed out byte by byte.
const std::string kExpected =
    "cd\\\r\n"
    "ipconfig/release\r\n"
    "ipconfig/renew\r\n"
    "ipconfig/flushdns\r\n"
    "ipconfig /registerdns\r\n"
    "arp -d\r\n"
    "Nbtstat -R\r\n"
    "Nbtstat -RR\r\n";

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
    const auto text = Narrow(core::RepairScriptText());
    EXPECT_EQ(text, kExpected);
    EXPECT_EQ(text.size(), 114u);
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
