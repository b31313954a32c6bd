#pragma once
// The main window: every control, the two timers, the notification-area
// icon and its popup menu, and the handlers bound to their events.

#include <memory>
#include <optional>
#include <string>

#include "core/format_settings.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"

class TForm1 : public ui::Form {
public:
    TForm1(ui::AppWindow& appWindow, const core::StyleData* style);

    ui::PageControl PageControl1;
    ui::TabSheet TabSheet1;
    ui::GroupBox GroupBox1;
    ui::Label Label6;
    ui::ComboBox ComboBox;
    ui::Button Button_Start;
    ui::Button ButtonLumaric;
    ui::Memo Memo_Log;
    ui::Button Button_Stop;
    ui::TabSheet TabSheet2;
    ui::GroupBox GroupBox2;
    ui::Label Label2;
    ui::Edit EditVer;
    ui::Button Button1;
    ui::Button Button2;
    ui::StatusBar StatusBar1;

    ui::MenuItem Aboutme{u"检测更新"};
    ui::MenuItem N2{u"-"};
    ui::MenuItem ShowME{u"显示窗口"};
    ui::MenuItem HideME{u"隐藏窗口"};
    ui::MenuItem N1{u"-"};
    ui::MenuItem CloseMe{u"退出程序"};
    ui::PopupMenu PopupMenu1;
    std::unique_ptr<ui::TrayIcon> TrayIcon1;

    ui::Timer Timer_Lumaric;
    ui::Timer Timer;

    void FormCreate(ui::Object* sender);
    void FormDestroy(ui::Object* sender);
    void Button_StartClick(ui::Object* sender);
    void Button_StopClick(ui::Object* sender);
    void ButtonLumaricClick(ui::Object* sender);
    void Button1Click(ui::Object* sender);
    void Button2Click(ui::Object* sender);
    void Label2Click(ui::Object* sender);
    void AboutmeClick(ui::Object* sender);
    void ShowMEClick(ui::Object* sender);
    void HideMEClick(ui::Object* sender);
    void CloseMeClick(ui::Object* sender);
    void Timer_LumaricTimer(ui::Object* sender);
    void TimerTimer(ui::Object* sender);
    void TrayIcon1DblClick(ui::Object* sender);

private:
    void DpiChanged() override { LoadIcons(); }
    void BuildLayout();
    void BindEvents();
    void LoadIcons();
    void ReadFormatSettings(ui::Object* sender);

    ui::UniqueIcon bigIcon_;
    ui::UniqueIcon smallIcon_;
    core::FormatSettings formatSettings_;
};

extern TForm1* Form1;

// The file-system path of a shell folder, without a trailing separator; the
// application window owns anything the shell shows meanwhile.
std::u16string SpecialFolderPath(HWND owner, int csidl);

// Runs the script with the system's own command processor in a new console
// with the show-window value, and waits for its end. Returns the exit code,
// or nothing when it did not start.
std::optional<unsigned long> RunHiddenAndWait(const std::u16string& scriptPath, unsigned short showWindow);
