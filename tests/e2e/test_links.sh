#!/usr/bin/env bash
# The web links: "检测更新" below the pages and the icon menu's "检测更新"
# (also while the window is hidden) open the update page, the About page's
# link label opens the home page, each in the default browser with
# "Lumaric" and the version in the query, anew at every click; the label
# shows the update page's host, not the home page's. The label opens only on
# a press and a release over it: not after a press dragged off it and let go
# elsewhere, nor on a release over it after a press elsewhere. The prefix's browser is
# a recording script of this test, so no real browser ever starts.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/tray.sh"
e2e_begin links 150

update_host=www.lumaric.cn
home_host=www.lumaric.com
update_page="http://$update_host/?v=Lumaric1.01.20180114"
home_page="http://$home_host/?qq=Lumaric1.01.20180114"

# Wine hands web addresses to winebrowser, which starts the first program of
# HKCU\Software\Wine\WineBrowser "Browsers" with the address as its one
# argument. Ours writes one line per start: the number of arguments, then
# each argument after a tab.
browser_record=$E2E_TEST_DIR/browser.log
browser=$E2E_TEST_DIR/browser.sh
cat >"$browser" <<EOF
#!/bin/sh
line=\$#
for argument in "\$@"; do line="\$line	\$argument"; done
printf '%s\n' "\$line" >>'$browser_record'
EOF
chmod +x "$browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$browser" /f >/dev/null 2>&1 ||
  fail "cannot set the prefix's browser"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /t REG_SZ /d "$browser" /f >/dev/null 2>&1 ||
  fail "cannot set the prefix's mailer"
wine reg query 'HKCU\Software\Wine\WineBrowser' /v Browsers 2>/dev/null | grep -qF "$browser" ||
  fail "the prefix's browser is not the recording script"

browser_starts() { [[ -f $browser_record ]] && wc -l <"$browser_record" || echo 0; }
# The address of the browser's start number N, or the whole line when the
# browser was given other than one argument.
browser_address() {
  local line
  line=$(sed -n "$1p" "$browser_record")
  [[ $line == 1$'\t'* ]] && echo "${line#1$'\t'}" || echo "$line"
}
browser_started() { [[ $(browser_starts) -ge $1 ]]; }
wait_browser_starts() {
  wait_until 30 "$1 starts of the browser" browser_started "$1"
}
# No second start comes late.
settle_browser() {
  sleep 2
  check_eq "$1: one start of the browser" "$2" "$(browser_starts)"
}

tray_hold_placeholders 5
lumaric_start
main=$(lumaric_main_window)
pid=$(window_fact "$main" pid)
no_box() { [[ $(drive count-windows --class '#32770' --pid "$pid" --visible) == 0 ]]; }

click_window "$(drive child "$main" 113)"
wait_browser_starts 1
check_eq "检测更新 opens the update page" "$update_page" "$(browser_address 1)"
settle_browser "检测更新" 1
check_true "检测更新 shows no box of the program's own" no_box

click_window "$(drive child "$main" 113)"
wait_browser_starts 2
check_eq "检测更新 clicked again opens the update page anew" "$update_page" "$(browser_address 2)"
settle_browser "检测更新 again" 2

is_hidden() { [[ $(window_fact "$main" visible) == 0 ]]; }
is_visible() { [[ $(window_fact "$main" visible) == 1 ]]; }
click_window "$(drive child "$main" 114)"
wait_until 10 "the window hidden by 最小化" is_hidden
read -r icon_x icon_y < <(tray_icon_centre) || fail "no icon with tip $TRAY_TIP"
tray_rest_on_icon "$icon_x" "$icon_y"
tray_menu_command 0
wait_browser_starts 3
check_eq "the menu's 检测更新 opens the update page while the window is hidden" "$update_page" "$(browser_address 3)"
settle_browser "the menu's 检测更新" 3
check_true "the menu's 检测更新 leaves the window hidden" is_hidden

tray_menu_command 2
wait_until 10 "the window shown by 显示窗口" is_visible
pages=$(drive child "$main" 100)
read -r tab_x tab_y < <(drive tab-point "$pages" 1)
click_at "$tab_x" "$tab_y"
about_shown() { [[ $(drive tabs "$pages" | awk -F'\t' '$1 == 1 { print $2 }') == 1 ]]; }
wait_until 10 "the About page brought forward" about_shown
label=$(drive child "$main" 111)
wait_until 10 "the link label shown" test "$(window_fact "$label" visible)" = 1
check_eq "the link label shows the update page's host" "$update_host" "$(drive text "$label")"
screenshot links-about "$main" >/dev/null

click_window "$label"
wait_browser_starts 4
check_eq "the link label opens the home page" "$home_page" "$(browser_address 4)"
settle_browser "the link label" 4
check_true "the link label shows no box of the program's own" no_box

click_window "$label"
wait_browser_starts 5
check_eq "the link label clicked again opens the home page anew" "$home_page" "$(browser_address 5)"
settle_browser "the link label again" 5

read -r label_x label_y < <(drive point "$label")
read -r _ _ label_width _ < <(window_fact "$label" rect)
off_x=$((label_x + label_width / 2 + 40))
xdotool mousemove --sync "$label_x" "$label_y" mousedown 1
sleep 0.3
xdotool mousemove --sync "$off_x" "$label_y" mouseup 1
settle_browser "a press on the link label let go beside it" 5
xdotool mousemove --sync "$off_x" "$label_y" mousedown 1
sleep 0.3
xdotool mousemove --sync "$label_x" "$label_y" mouseup 1
settle_browser "a press beside the link label let go over it" 5

drive post "$main" WM_CLOSE
lumaric_wait_exit 15
check_eq "exit code" 0 "$LUMARIC_EXIT"

echo "screenshot: $E2E_TEST_DIR/links-about.png"
e2e_end
