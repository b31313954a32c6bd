#!/usr/bin/env bash
# A comctl32.dll and an uxtheme.dll placed beside the executable (in a
# downloads folder, say) are never loaded into the program: it imports
# neither and loads both from the system, with the English manifest and with
# the Chinese one alone (which has no side-by-side common controls). Wine
# gets Windows' search order for the two names from native-first overrides,
# and a program that imports both shows that the planted copies are the ones
# found beside it. The program still works: a repair runs and succeeds.
source "$(dirname "$0")/lib.sh"
e2e_begin planted_dlls 170

: "${LUMARIC_ZH_EXE:=$(dirname "$LUMARIC_EXE")/Lumaric_zh.exe}"
for file in "$LUMARIC_ZH_EXE" "$LUMARIC_PLANTED_DLL" "$LUMARIC_DLL_PROBE"; do
  [[ -f $file ]] || fail "$file is missing: build the windows preset"
done

downloads_windows='C:\lumaric-e2e\downloads'
downloads=$(unix_path "$downloads_windows")
mkdir -p "$downloads"
cp "$LUMARIC_EXE" "$LUMARIC_ZH_EXE" "$LUMARIC_DLL_PROBE" "$downloads/"
cp "$LUMARIC_PLANTED_DLL" "$downloads/comctl32.dll"
cp "$LUMARIC_PLANTED_DLL" "$downloads/uxtheme.dll"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;comctl32,uxtheme=n,b"

planted_record=$(unix_path 'C:\lumaric-e2e\planted.log')
# The planted DLLs loaded, and by which program: "DLL EXE" a line, lower-cased.
planted_loads() {
  [[ -f $planted_record ]] || return 0
  tr -d '\r' <"$planted_record" | tr '[:upper:]' '[:lower:]' |
    sed -n 's/^dll=.*\\\([^\\]*\)\texe=.*\\\([^\\]*\)$/\1 \2/p' | sort
}

probe=$(basename "$LUMARIC_DLL_PROBE")
(cd "$downloads" && wine "./$probe") >"$E2E_TEST_DIR/probe.log" 2>&1 </dev/null || true
check_eq "a program importing both loads the copies beside it" \
  "comctl32.dll ${probe,,}"$'\n'"uxtheme.dll ${probe,,}" "$(planted_loads)"
rm -f "$planted_record"

# One repair of the copy of EXE in the downloads folder, started there.
check_loads_neither() {
  local exe=$1
  LUMARIC_EXE=$downloads/$(basename "$exe")
  repair_once "$downloads"
  check_match "$(basename "$exe"): the repair runs and succeeds" \
    '请稍候正在修复网络连接[.]\\r\\n网络连接修复成功[.][^\\]*\\r\\n' "$REPAIR_LOG"
  check_eq "$(basename "$exe"): neither planted DLL was loaded" "" "$(planted_loads)"
  check_eq "$(basename "$exe"): exit code" 0 "$LUMARIC_EXIT"
}

check_loads_neither "$LUMARIC_EXE"
check_loads_neither "$LUMARIC_ZH_EXE"
e2e_end
