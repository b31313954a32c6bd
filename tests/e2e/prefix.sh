# The tests' Wine prefix: built once as a template, then copied for every
# test. In it the user folders are plain folders inside the prefix (a new
# prefix links them to $HOME), "宋体" and "SimSun" are drawn with AR PL UMing,
# a Song face like SimSun with the same widths at 12 px (6 px Latin, 12 px
# Chinese) and drawn advances that agree with its measured ones, which
# WenQuanYi's bitmap faces lack under Wine; Wine's own fonts are installed, the desktop "Default" has a
# taskbar, and ipconfig, arp and nbtstat are our recording stand-ins,
# preferred over Wine's builtins by DLL overrides. A Wine process that
# crashes prints its backtrace and ends instead of waiting behind a crash
# dialog that no one will close.

# The template is shared by the tests of every locale.
PREFIX_HOME=${LUMARIC_E2E_PREFIX_HOME:-$LUMARIC_E2E_WORK}
PREFIX_TEMPLATE=$PREFIX_HOME/prefix-template
STANDIN_TOOLS=(ipconfig arp nbtstat)

# Changes whenever Wine, a stand-in or this file does, so the template is
# rebuilt then and reused otherwise.
prefix_stamp() {
  {
    wine --version
    cat "$E2E_DIR/prefix.sh"
    for tool in "${STANDIN_TOOLS[@]}"; do cat "$LUMARIC_STANDINS/$tool.exe"; done
  } | md5sum | cut -d' ' -f1
}

prefix_template() {
  for tool in "${STANDIN_TOOLS[@]}"; do
    [[ -f $LUMARIC_STANDINS/$tool.exe ]] || fail "stand-in $LUMARIC_STANDINS/$tool.exe is missing: build the windows preset"
  done
  mkdir -p "$PREFIX_HOME" "$LUMARIC_E2E_WORK"
  local stamp
  stamp=$(prefix_stamp)
  # Tests running side by side build the template only once.
  exec {lock}>"$PREFIX_HOME/prefix.lock"
  flock -w 300 "$lock" || fail "another run holds $PREFIX_HOME/prefix.lock"
  if [[ $(cat "$PREFIX_TEMPLATE/.lumaric-stamp" 2>/dev/null) != "$stamp" ]]; then
    local building=$PREFIX_HOME/prefix-building
    rm -rf "$building" "$PREFIX_TEMPLATE"
    echo "building the Wine prefix in $PREFIX_TEMPLATE"
    (prefix_build "$building") || fail "could not build the Wine prefix in $building"
    echo "$stamp" >"$building/.lumaric-stamp"
    mv "$building" "$PREFIX_TEMPLATE"
  fi
  exec {lock}>&-
}

prefix_build() {
  export WINEPREFIX=$1
  unset DISPLAY
  timeout 300 wineboot --init >"$PREFIX_HOME/wineboot.log" 2>&1
  timeout 120 wineserver --wait

  local link
  while IFS= read -r -d '' link; do
    rm "$link"
    mkdir "$link"
  done < <(find "$WINEPREFIX/drive_c/users" -type l -print0)

  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  for tool in "${STANDIN_TOOLS[@]}"; do
    cp "$LUMARIC_STANDINS/$tool.exe" "$WINEPREFIX/drive_c/windows/system32/$tool.exe"
  done

  local settings=$PREFIX_HOME/prefix-settings.reg
  iconv -f UTF-8 -t UTF-16LE <<'REG' | { printf '\xff\xfe'; cat; } >"$settings"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\Default]
"EnableShell"=dword:00000001

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="AR PL UMing CN"
"SimSun"="AR PL UMing CN"

[HKEY_CURRENT_USER\Software\Lumaric E2E\Standins]
"Log"="C:\\lumaric-e2e\\standin.log"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"ipconfig.exe"="native"
"arp.exe"="native"
"nbtstat.exe"="native"
REG
  wine regedit /S "$(winepath -w "$settings")"
  wineserver --wait

  prefix_verify
}

# A prefix that would let R.bat reach $HOME, or the real tools reach the
# network, is no test prefix.
prefix_verify() {
  [[ -z $(find "$WINEPREFIX/drive_c/users" -type l) ]] || { echo "symbolic links left in drive_c/users" >&2; return 1; }
  grep -qF '"\x5b8b\x4f53"="AR PL UMing CN"' "$WINEPREFIX/user.reg" ||
    { echo "the font replacement for 宋体 is not in the registry" >&2; return 1; }
  # Wine's builtin ipconfig and arp reject this argument and do nothing.
  local record=$WINEPREFIX/drive_c/lumaric-e2e/standin.log
  mkdir -p "${record%/*}"
  wine cmd /c \
    'ipconfig /lumaric-check & arp /lumaric-check & nbtstat /lumaric-check' >/dev/null 2>&1 </dev/null || true
  wineserver --wait
  local expected actual
  expected=$(printf 'name=%s\targs=/lumaric-check\n' "${STANDIN_TOOLS[@]}")
  actual=$(cut -f1,2 "$record" 2>/dev/null || true)
  rm -rf "${record%/*}"
  [[ $actual == "$expected" ]] ||
    { printf 'the stand-ins did not replace the network tools; recorded:\n%s\n' "$actual" >&2; return 1; }
}

# A prefix of its own at TARGET: hard links to the template's files, except
# those Wine may rewrite in place (registry, ini files, user folders), which
# are copies.
prefix_copy() {
  local target=$1
  cp -al "$PREFIX_TEMPLATE" "$target"
  local part
  for part in user.reg system.reg userdef.reg drive_c/users drive_c/windows/win.ini drive_c/windows/system.ini; do
    if [[ -e $PREFIX_TEMPLATE/$part ]]; then
      rm -rf "${target:?}/$part"
      cp -a "$PREFIX_TEMPLATE/$part" "$target/$part"
    fi
  done
}

# Makes PREFIX the one Wine uses. Sets the stand-ins' record file
# (STANDIN_RECORD) and the Templates folder in Unix (TEMPLATES_DIR) and
# Windows form (TEMPLATES_WINDOWS).
prefix_use() {
  export WINEPREFIX=$1
  mkdir -p "$WINEPREFIX/drive_c/lumaric-e2e"
  STANDIN_RECORD=$WINEPREFIX/drive_c/lumaric-e2e/standin.log

  local folders=() folder
  for folder in "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Templates; do
    [[ $folder == */users/Public/* ]] || folders+=("$folder")
  done
  [[ ${#folders[@]} -eq 1 && -d ${folders[0]} && ! -L ${folders[0]} ]] ||
    fail "expected one plain Templates folder in $WINEPREFIX/drive_c/users, found: ${folders[*]}"
  TEMPLATES_DIR=${folders[0]}
  local user=${TEMPLATES_DIR#"$WINEPREFIX/drive_c/users/"}
  user=${user%%/*}
  TEMPLATES_WINDOWS="C:\\users\\$user\\AppData\\Roaming\\Microsoft\\Windows\\Templates"
}
