#include "core/notify_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Sent {
    core::ShellRequest request;
    core::NotifyRecord record;
};

class RecordingShell : public core::NotifyShell {
public:
    void Send(core::ShellRequest request, const core::NotifyRecord& record) override
    {
        sent.push_back({request, record});
    }
    std::vector<core::ShellRequest> Requests() const
    {
        std::vector<core::ShellRequest> requests;
        for (const auto& s : sent)
            requests.push_back(s.request);
        return requests;
    }
    std::vector<Sent> sent;
};

using R = core::ShellRequest;
using Requests = std::vector<core::ShellRequest>;
namespace flags = core::notify_flags;

// The icon as the main window's creation leaves it: tip set, picture set,
// made visible.
struct ShownIcon : ::testing::Test {
    ShownIcon()
    {
        icon.SetTip(u"Lumaric");
        icon.IconChanged();
        icon.SetVisible(true);
        shell.sent.clear();
    }
    RecordingShell shell;
    core::NotifyIconState icon{shell, u"Lumaric"};
};

}  // namespace

TEST(NotifyIcon, CreationSendsNothingAndFormCreateAddsOnce)
{
    RecordingShell shell;
    core::NotifyIconState icon(shell, u"Lumaric");
    EXPECT_EQ(icon.Record().flags, flags::kMessage | flags::kIcon | flags::kTip);
    EXPECT_EQ(icon.Record().timeout, 10000u);
    EXPECT_EQ(icon.Record().tip, u"Lumaric");

    // While the icon is not visible a tip or picture change is only stored.
    icon.SetTip(u"Lumaric");
    icon.IconChanged();
    EXPECT_TRUE(shell.sent.empty());

    icon.SetVisible(true);
    ASSERT_EQ(shell.Requests(), Requests{R::Add});
    EXPECT_EQ(shell.sent[0].record.tip, u"Lumaric");
}

TEST(NotifyIcon, TipChangesAreCaseSensitiveTruncatedAndDropTheFlagWhenEmpty)
{
    RecordingShell shell;
    core::NotifyIconState icon(shell, u"");
    EXPECT_EQ(icon.Record().flags & flags::kTip, 0u);

    icon.SetVisible(true);
    shell.sent.clear();
    icon.SetTip(u"lumaric");
    icon.SetTip(u"lumaric");
    icon.SetTip(u"Lumaric");
    EXPECT_EQ(shell.Requests(), (Requests{R::Modify, R::Modify}));
    EXPECT_NE(icon.Record().flags & flags::kTip, 0u);

    icon.SetTip(std::u16string(200, u'x'));
    EXPECT_EQ(icon.Record().tip, std::u16string(127, u'x'));

    icon.SetTip(u"");
    EXPECT_EQ(icon.Record().flags & flags::kTip, 0u);
}

TEST_F(ShownIcon, BalloonSendsChangedTitleAndTextThenShows)
{
    icon.ShowBalloon(u"提示", u"网络连接自动修复已经开启.", 3);
    ASSERT_EQ(shell.Requests(), (Requests{R::Modify, R::Modify, R::Modify}));
    // Title and text go out before the balloon is asked for.
    EXPECT_EQ(shell.sent[0].record.flags & flags::kInfo, 0u);
    EXPECT_EQ(shell.sent[0].record.infoTitle, u"提示");
    EXPECT_EQ(shell.sent[1].record.info, u"网络连接自动修复已经开启.");
    const auto& shown = shell.sent[2].record;
    EXPECT_NE(shown.flags & flags::kInfo, 0u);
    EXPECT_EQ(shown.timeout, 3u);
    EXPECT_EQ(shown.infoFlags, 0u);
}

TEST_F(ShownIcon, RepeatedBalloonSendsOneModifyAndANewTextReplacesAtOnce)
{
    icon.ShowBalloon(u"提示", u"a", 3);
    shell.sent.clear();
    icon.ShowBalloon(u"提示", u"a", 3);
    EXPECT_EQ(shell.Requests(), Requests{R::Modify});

    // The earlier balloon is still up: the text's own Modify already shows it.
    shell.sent.clear();
    icon.ShowBalloon(u"提示", u"b", 3);
    ASSERT_EQ(shell.Requests(), (Requests{R::Modify, R::Modify}));
    EXPECT_NE(shell.sent[0].record.flags & flags::kInfo, 0u);
    EXPECT_EQ(shell.sent[0].record.info, u"b");
}

TEST_F(ShownIcon, BalloonTextsAreCutToTheirFields)
{
    icon.ShowBalloon(std::u16string(100, u't'), std::u16string(300, u'x'), -5);
    EXPECT_EQ(icon.Record().infoTitle.size(), 63u);
    EXPECT_EQ(icon.Record().info.size(), 255u);
    EXPECT_EQ(icon.Record().timeout, static_cast<std::uint32_t>(-5));
}

TEST_F(ShownIcon, BalloonClosedClearsTheFlagWithoutSending)
{
    icon.ShowBalloon(u"提示", u"a", 3);
    shell.sent.clear();
    icon.BalloonClosed();
    EXPECT_TRUE(shell.sent.empty());
    EXPECT_EQ(icon.Record().flags & flags::kInfo, 0u);
}

TEST_F(ShownIcon, TaskbarRestartAddsTheCurrentRecordAgain)
{
    icon.ShowBalloon(u"提示", u"a", 3);
    shell.sent.clear();
    icon.TaskbarCreated();
    ASSERT_EQ(shell.Requests(), Requests{R::Add});
    // A balloon never reported hidden shows again with the re-added icon.
    EXPECT_NE(shell.sent[0].record.flags & flags::kInfo, 0u);
    EXPECT_EQ(shell.sent[0].record.tip, u"Lumaric");
}

TEST(NotifyIcon, TaskbarRestartBeforeVisibleAddsNothing)
{
    RecordingShell shell;
    core::NotifyIconState icon(shell, u"Lumaric");
    icon.TaskbarCreated();
    EXPECT_TRUE(shell.sent.empty());
}

TEST_F(ShownIcon, SessionEndAndRemovalDelete)
{
    icon.SessionEnding();
    icon.Remove();
    EXPECT_EQ(shell.Requests(), (Requests{R::Delete, R::Delete}));
}

TEST(NotifyIconCallback, OnlyDoubleClicksRightUpAndBalloonCloseAct)
{
    using A = core::IconAction;
    EXPECT_EQ(core::ActionForCallback(0x203), A::DoubleClick);
    EXPECT_EQ(core::ActionForCallback(0x206), A::DoubleClick);
    EXPECT_EQ(core::ActionForCallback(0x209), A::DoubleClick);
    EXPECT_EQ(core::ActionForCallback(0x205), A::OpenMenu);
    EXPECT_EQ(core::ActionForCallback(0x403), A::BalloonClosed);
    EXPECT_EQ(core::ActionForCallback(0x404), A::BalloonClosed);
    for (const std::uint32_t quiet : {0x200u, 0x201u, 0x202u, 0x204u, 0x207u, 0x208u, 0x402u, 0x405u, 0x400u, 0u})
        EXPECT_EQ(core::ActionForCallback(quiet), A::None) << std::hex << quiet;
}
