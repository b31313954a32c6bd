#include "core/long_path.h"

#include <gtest/gtest.h>

using core::UsualPath;

TEST(LongPath, DrivePathsLoseThePrefixWhileTheyFitInMaxPath)
{
    EXPECT_EQ(UsualPath(u"\\\\?\\C:\\Users\\me\\Templates\\R.bat"), u"C:\\Users\\me\\Templates\\R.bat");
    EXPECT_EQ(UsualPath(u"\\\\?\\d:\\R.bat"), u"d:\\R.bat");
    // 259 characters and the terminating zero fill MAX_PATH; one more does not fit.
    const std::u16string fits = u"C:\\" + std::u16string(250, u'd') + u"\\R.bat";
    ASSERT_EQ(fits.size(), 259u);
    EXPECT_EQ(UsualPath(u"\\\\?\\" + fits), fits);
    EXPECT_EQ(UsualPath(u"\\\\?\\C:\\" + std::u16string(251, u'd') + u"\\R.bat"), std::nullopt);
}

TEST(LongPath, NetworkPathsTakeTheUsualTwoBackslashes)
{
    EXPECT_EQ(UsualPath(u"\\\\?\\UNC\\server\\share\\Templates\\R.bat"), u"\\\\server\\share\\Templates\\R.bat");
    // The long form of a network path is longer than its usual form by 6.
    const std::u16string fits = u"\\\\server\\share\\" + std::u16string(238, u'd') + u"\\R.bat";
    ASSERT_EQ(fits.size(), 259u);
    EXPECT_EQ(UsualPath(u"\\\\?\\UNC" + fits.substr(1)), fits);
    ASSERT_EQ((u"\\\\?\\UNC" + fits.substr(1)).size(), fits.size() + 6);
    EXPECT_EQ(UsualPath(u"\\\\?\\UNC\\server\\share\\" + std::u16string(239, u'd') + u"\\R.bat"), std::nullopt);
}

TEST(LongPath, PathsWithoutAUsualFormGiveNothing)
{
    for (std::u16string path : {u"C:\\R.bat", u"\\\\?\\Volume{0b1c}\\R.bat", u"\\\\?\\", u"\\\\?\\C", u"\\\\?\\1:\\R.bat",
                                u"\\Device\\HarddiskVolume1\\R.bat"})
        EXPECT_EQ(UsualPath(path), std::nullopt) << std::string(path.begin(), path.end());
}
