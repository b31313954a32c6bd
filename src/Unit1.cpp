#include "Unit1.h"

#include <shlobj.h>

#include "Unit_Function.h"
#include "core/date_time_format.h"
#include "core/error.h"
#include "core/error_text.h"
#include "core/repair_script.h"
#include "core/schedule_interval.h"
#include "core/script_start.h"
#include "core/text.h"
#include "platform/ansi_text.h"
#include "platform/clock.h"
#include "platform/dpi.h"
#include "platform/elevation.h"
#include "platform/file_system.h"
#include "platform/notification_icon.h"
#include "platform/process.h"
#include "platform/system_metrics.h"
#include "platform/shell_folder.h"
#include "platform/system_folder.h"
#include "platform/url.h"
#include "platform/wow64.h"
#include "resource_ids.h"
#include "ui/message_loop.h"

TForm1* Form1 = nullptr;

namespace {

enum ControlId {
    kPageControl1 = 100,
    kTabSheet1,
    kGroupBox1,
    kLabel6,
    kComboBox,
    kButtonStart,
    kButtonStop,
    kButtonLumaric,
    kMemoLog,
    kTabSheet2,
    kGroupBox2,
    kLabel2,
    kEditVer,
    kButton2,
    kButton1,
    kStatusBar1,
};

const ui::FormLayout kLayout = {
    L"TForm1",
    u"Lumaric",
    347, 250,             // client area
    {353, 277},           // smallest outer size
    {355, 279},           // largest outer size
    {398, 239},           // chooses the monitor; centred when first shown
    L"宋体", 12, ANSI_CHARSET,
};

// The schedule's notices stay three milliseconds: the shell keeps the
// balloon up as long as it sees fit.
constexpr std::int32_t kNoticeTimeoutMs = 3;

constexpr std::size_t kFolderPathLimit = 255;
constexpr std::size_t kCommandLineLimit = 512;

// The repair script's place: the user's Templates folder.
std::u16string ScriptPath(HWND owner)
{
    const auto folder = SpecialFolderPath(owner, CSIDL_TEMPLATES);
    return folder + u"\\" + std::u16string(core::kScriptFileName);
}

// Started by the held file's own path rather than by the path it was held
// by, so that a link on that path changed since cannot put another file in
// its place. The command processor would expand a variable in that path,
// and then start something else or nothing: such a path is refused, which
// reports the repair as failed.
std::optional<unsigned long> RunHeldScript(const platform::UniqueHandle& held)
{
    const auto path = platform::FinalPath(held);
    if (!path)
        return std::nullopt;
    if (core::CommandProcessorRewrites(*path))
        throw core::Error(core::Format(core::kScriptPathRewritten, {*path}));
    return RunHiddenAndWait(*path, SW_HIDE);
}

}  // namespace

std::u16string SpecialFolderPath(HWND owner, int csidl)
{
    const auto path = platform::ShellFolderPath(owner, csidl);
    if (!path)
        throw core::Error(u"Cannot find the Templates folder");
    if (path->size() > kFolderPathLimit)
        throw core::Error(core::Format(u"The folder \"%s\" has a path longer than 255 characters", {*path}));
    return *path;
}

std::optional<unsigned long> RunHiddenAndWait(const std::u16string& scriptPath, unsigned short showWindow)
{
    // The command processor by its full path, with an environment of our
    // own making: nothing of the user's (ComSpec, PATH, AutoRun) chooses
    // what runs. cmd looks for the script's tools in the current folder
    // first, and "cd\" leads to the root of that folder's drive: started in
    // the system folder, that root is the system drive's, where standard
    // users cannot put files. Should "cd\" fail, the tools are still the
    // system's.
    const auto folders = platform::WindowsAndSystemFolders();
    const auto wow64 = platform::RunsUnderWow64();
    if (!folders || !wow64)
        return std::nullopt;
    platform::ProcessStart start = {core::NativeCommandProcessorProgram(*folders, *wow64),
                                    core::ScriptCommandLine(scriptPath), core::ScriptEnvironment(*folders),
                                    folders->system};
    if (start.commandLine.size() > kCommandLineLimit)
        return std::nullopt;
    return platform::RunInNewConsoleAndWait(std::move(start), showWindow);
}

TForm1::TForm1(ui::AppWindow& appWindow, const core::StyleData* style)
    : ui::Form(kLayout, appWindow, style),
      PopupMenu1(appWindow, {&Aboutme, &N2, &ShowME, &HideME, &N1, &CloseMe}),
      Timer_Lumaric(appWindow, false, 0),
      Timer(appWindow, true, 500)
{
    Build([this] {
        LoadIcons();
        BuildLayout();
        BindEvents();
        formatSettings_ = platform::ReadFormatSettings();
    });
}

void TForm1::LoadIcons()
{
    const int dpi = Dpi();
    const auto load = [dpi](int metric) {
        const int size = platform::MetricForDpi(metric, dpi);
        return ui::UniqueIcon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAINICON),
                                                            IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    };
    ui::UniqueIcon big = load(SM_CXICON);
    ui::UniqueIcon small = load(SM_CXSMICON);
    // The windows take the new icons before the ones they hold are destroyed.
    SetIcons(big.get(), small.get());
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void TForm1::BuildLayout()
{
    // Controls are created in their tab order within each parent.
    PageControl1.Create(*this, kPageControl1, {0, 0, 347, 192});
    TabSheet1.Create(PageControl1, kTabSheet1, u"软件设置");
    GroupBox1.Create(TabSheet1, kGroupBox1, {0, 0, 339, 164});
    ComboBox.Create(GroupBox1, kComboBox, {48, 13, 48, 20},
                    {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"15", u"20", u"30"}, 4, 8);
    Button_Start.Create(GroupBox1, kButtonStart, {16, 136, 70, 25}, u"开启");
    ButtonLumaric.Create(GroupBox1, kButtonLumaric, {176, 136, 70, 25}, u"现在修复");
    Memo_Log.Create(GroupBox1, kMemoLog, {16, 38, 313, 95});
    Button_Stop.Create(GroupBox1, kButtonStop, {96, 136, 70, 25}, u"停止");
    // Created after the drop-down list so that the list's edit stays on top
    // of the gap the blanks leave.
    Label6.Create(GroupBox1, kLabel6, {16, 16, 204, 12}, u"每过          分钟进行网络连接修复");

    TabSheet2.Create(PageControl1, kTabSheet2, u"关于我们");
    GroupBox2.Create(TabSheet2, kGroupBox2, {0, 0, 339, 164});
    EditVer.Create(GroupBox2, kEditVer, {101, 32, 121, 20}, u"1.01.20180114", false);
    // The update page's host, although a click opens the home page.
    Label2.Create(GroupBox2, kLabel2, {112, 74, 84, 12}, u"www.lumaric.cn");
    Label2.SetCursor(LoadCursorW(nullptr, IDC_HELP));
    PageControl1.SetActivePage(0);

    Button1.Create(*this, kButton1, {258, 198, 75, 25}, u"最小化");
    Button2.Create(*this, kButton2, {174, 198, 75, 25}, u"检测更新");
    StatusBar1.Create(*this, kStatusBar1, {0, 229, 347, 21}, {200, 50});

    PopupMenu1.Create(*this);
    TrayIcon1 = std::make_unique<ui::TrayIcon>(ApplicationWindow(), PopupMenu1);
}

void TForm1::BindEvents()
{
    OnCreate = ui::Bind(this, &TForm1::FormCreate);
    OnDestroy = ui::Bind(this, &TForm1::FormDestroy);
    Button_Start.OnClick = ui::Bind(this, &TForm1::Button_StartClick);
    Button_Stop.OnClick = ui::Bind(this, &TForm1::Button_StopClick);
    ButtonLumaric.OnClick = ui::Bind(this, &TForm1::ButtonLumaricClick);
    Button1.OnClick = ui::Bind(this, &TForm1::Button1Click);
    Button2.OnClick = ui::Bind(this, &TForm1::Button2Click);
    Label2.OnClick = ui::Bind(this, &TForm1::Label2Click);
    Aboutme.OnClick = ui::Bind(this, &TForm1::AboutmeClick);
    ShowME.OnClick = ui::Bind(this, &TForm1::ShowMEClick);
    HideME.OnClick = ui::Bind(this, &TForm1::HideMEClick);
    CloseMe.OnClick = ui::Bind(this, &TForm1::CloseMeClick);
    TrayIcon1->OnDblClick = ui::Bind(this, &TForm1::TrayIcon1DblClick);
    ApplicationWindow().OnSettingsChange = ui::Bind(this, &TForm1::ReadFormatSettings);
    Timer_Lumaric.SetOnTimer(ui::Bind(this, &TForm1::Timer_LumaricTimer));
    Timer.SetOnTimer(ui::Bind(this, &TForm1::TimerTimer));
}

void TForm1::FormCreate(ui::Object*)
{
    TrayIcon1->SetHint(Text());
    // The window's icon at the size the shell shows it.
    const ui::UniqueIcon picture(platform::LoadNotificationIcon(GetModuleHandleW(nullptr), IDI_MAINICON));
    TrayIcon1->SetIcon(picture.get());
    TrayIcon1->SetVisible(true);
    SetText(Text() + EditVer.Text());
}

void TForm1::FormDestroy(ui::Object*)
{
    TrayIcon1.reset();
}

void TForm1::ButtonLumaricClick(ui::Object*)
{
    const std::vector<char> ansi = platform::ToAnsi(core::RepairScriptText());
    const auto script = core::ScriptFileBytes(platform::AnsiCodePage(), {ansi.data(), ansi.size()});
    HWND owner = ApplicationWindow().Handle();
    platform::WriteNewFile(ScriptPath(owner), script);
    if (!platform::FileExists(ScriptPath(owner)))
        return;
    Memo_Log.AppendLine(u"请稍候正在修复网络连接.");
    const auto logOutcome = [this](bool succeeded) {
        // The clock text the status bar held when the script was started.
        Memo_Log.AppendLine((succeeded ? u"网络连接修复成功." : u"网络连接修复失败.") + StatusBar1.PanelText(1));
    };
    std::optional<unsigned long> exitCode;
    try {
        // Shows the announcement before the thread blocks in the wait.
        ui::ProcessPendingMessages();
        const std::u16string path = ScriptPath(owner);
        // The script may run elevated from a folder every program of the user
        // can write to: from here until it has ended no one may change it, and
        // it must still be the script that was written.
        const auto held = platform::HoldUnchanged(path, script);
        exitCode = RunHeldScript(held);
    } catch (...) {
        // Every announcement gets its outcome, also when an error ends the repair.
        logOutcome(false);
        throw;
    }
    // Without administrator rights most of the script's commands fail.
    logOutcome(exitCode.has_value() && platform::ProcessIsElevated());
}

void TForm1::Button_StartClick(ui::Object*)
{
    Timer_Lumaric.SetEnabled(true);
    // A text that is no count of minutes stops the start here, the timer
    // left enabled with the interval it had.
    const std::int32_t interval = core::ScheduleIntervalMs(ComboBox.Text());
    Timer_Lumaric.SetInterval(interval);
    HideME.Click();
    TrayIcon1->ShowBalloonNotice(u"提示", u"网络连接自动修复已经开启.", kNoticeTimeoutMs);
    StatusBar1.SetPanelText(0, u"状态:开启");
    ButtonLumaric.Click();
}

void TForm1::Button_StopClick(ui::Object*)
{
    Timer_Lumaric.SetEnabled(false);
    Timer_Lumaric.SetInterval(0);
    TrayIcon1->ShowBalloonNotice(u"提示", u"网络连接自动修复已经关闭.", kNoticeTimeoutMs);
    StatusBar1.SetPanelText(0, u"状态:关闭");
}

void TForm1::Timer_LumaricTimer(ui::Object*)
{
    ButtonLumaric.Click();
}

void TForm1::TimerTimer(ui::Object*)
{
    StatusBar1.SetPanelText(1, core::ClockText(platform::LocalTime(), formatSettings_));
}

void TForm1::ReadFormatSettings(ui::Object*)
{
    platform::UseUserDefaultLocale();
    formatSettings_ = platform::ReadFormatSettings();
}

void TForm1::Button1Click(ui::Object*)
{
    HideME.Click();
}

void TForm1::Button2Click(ui::Object*)
{
    Aboutme.Click();
}

void TForm1::AboutmeClick(ui::Object*)
{
    platform::OpenUrl(Handle(), u"http://www.lumaric.cn/?v=Lumaric" + EditVer.Text());
}

void TForm1::Label2Click(ui::Object*)
{
    platform::OpenUrl(Handle(), u"http://www.lumaric.com/?qq=Lumaric" + EditVer.Text());
}

void TForm1::ShowMEClick(ui::Object*)
{
    ShowWindow(Handle(), SW_HIDE);
    ShowWindow(Handle(), SW_SHOW);
}

void TForm1::HideMEClick(ui::Object*)
{
    HideTaskbarButton(ApplicationWindow());
    ShowWindow(Handle(), SW_HIDE);
}

void TForm1::CloseMeClick(ui::Object*)
{
    Close();
}

void TForm1::TrayIcon1DblClick(ui::Object*)
{
    ShowME.Click();
}
