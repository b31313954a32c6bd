#include "core/script_start.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

const core::SystemFolders kFolders = {u"C:\\Windows", u"C:\\Windows\\System32"};

}  // namespace

TEST(ScriptStart, PathsWithPercentOrExclamationMarkAreRewritten)
{
    EXPECT_TRUE(core::CommandProcessorRewrites(u"C:\\t%TPL%\\R.bat"));
    EXPECT_TRUE(core::CommandProcessorRewrites(u"C:\\100%\\R.bat"));
    EXPECT_TRUE(core::CommandProcessorRewrites(u"C:\\Users\\me\\Templates!x\\R.bat"));
    EXPECT_TRUE(core::CommandProcessorRewrites(u"%"));
}

TEST(ScriptStart, OrdinaryPathsAreTakenAsTheyAre)
{
    EXPECT_FALSE(
        core::CommandProcessorRewrites(u"C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Windows\\Templates\\R.bat"));
    // Inside the quotes these are plain characters.
    EXPECT_FALSE(core::CommandProcessorRewrites(u"C:\\a&b ^c (d)\\R.bat"));
    EXPECT_FALSE(core::CommandProcessorRewrites(u"C:\\用户\\模板\\R.bat"));
    EXPECT_FALSE(core::CommandProcessorRewrites(u""));
}

TEST(ScriptStart, CommandProcessorIsTheSystemFolders)
{
    EXPECT_EQ(core::CommandProcessorPath(kFolders), u"C:\\Windows\\System32\\cmd.exe");
    EXPECT_EQ(core::CommandProcessorPath({u"D:\\WINNT", u"D:\\WINNT\\system32"}), u"D:\\WINNT\\system32\\cmd.exe");
}

TEST(ScriptStart, UnderWow64TheNativeCommandProcessorIsReachedBySysnative)
{
    EXPECT_EQ(core::NativeCommandProcessorProgram(kFolders, true), u"C:\\Windows\\Sysnative\\cmd.exe");
    EXPECT_EQ(core::NativeCommandProcessorProgram(kFolders, false), u"C:\\Windows\\System32\\cmd.exe");
    EXPECT_EQ(core::NativeCommandProcessorProgram({u"D:\\WINNT", u"D:\\WINNT\\system32"}, true),
              u"D:\\WINNT\\Sysnative\\cmd.exe");
}

TEST(ScriptStart, CommandLineSkipsAutoRunAndQuotesThePathTwice)
{
    EXPECT_EQ(core::ScriptCommandLine(u"C:\\Users\\me\\Templates\\R.bat"),
              u"cmd.exe /D /C \"\"C:\\Users\\me\\Templates\\R.bat\"\"");
    EXPECT_EQ(core::ScriptCommandLine(u"C:\\My Templates\\a&b (c)\\R.bat"),
              u"cmd.exe /D /C \"\"C:\\My Templates\\a&b (c)\\R.bat\"\"");
}

TEST(ScriptStart, EnvironmentNamesOnlySystemFoldersSortedByName)
{
    const std::u16string expected =
        u"ComSpec=C:\\Windows\\System32\\cmd.exe\0"
        u"PATH=C:\\Windows\\System32;C:\\Windows;C:\\Windows\\System32\\Wbem\0"
        u"PATHEXT=.COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC\0"
        u"SystemRoot=C:\\Windows\0"
        u"TEMP=C:\\Windows\\Temp\0"
        u"TMP=C:\\Windows\\Temp\0"
        u"windir=C:\\Windows\0"
        u"\0"s;
    EXPECT_EQ(core::ScriptEnvironment(kFolders), expected);
}

TEST(ScriptStart, EnvironmentEndsWithTwoZeros)
{
    const std::u16string block = core::ScriptEnvironment({u"E:\\W", u"E:\\W\\S"});
    ASSERT_GE(block.size(), 2u);
    EXPECT_EQ(block.substr(block.size() - 2), u"\0\0"s);
    EXPECT_EQ(block.find(u"\0\0"s), block.size() - 2);
    EXPECT_EQ(block.substr(0, block.find(u'\0')), u"ComSpec=E:\\W\\S\\cmd.exe");
}
