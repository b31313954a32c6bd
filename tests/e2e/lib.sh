# Sourced by every end-to-end test: paths, the driver, and one test's life
# from `e2e_begin` (own prefix, own display, Wine's desktop) to `e2e_end`
# (assert.sh).
set -Eeuo pipefail
# A command that fails outside a check ends the test at once: say which.
trap 'echo "FAIL: exit status $? of \"$BASH_COMMAND\" (${BASH_SOURCE[0]##*/}:$LINENO)" >&2' ERR

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_ROOT=$(cd "$E2E_DIR/../.." && pwd)
: "${LUMARIC_BUILD:=$E2E_ROOT/build/windows}"
: "${LUMARIC_EXE:=$LUMARIC_BUILD/bin/Lumaric.exe}"
: "${LUMARIC_DRIVER:=$LUMARIC_BUILD/e2e/lumaric-driver.exe}"
: "${LUMARIC_STANDINS:=$LUMARIC_BUILD/e2e/standins}"
: "${LUMARIC_E2E_WORK:=$LUMARIC_BUILD/e2e/work}"

# Wine quiet, as wide as the programs under test, and reading our UTF-8
# command lines as UTF-8.
export WINEDEBUG=-all WINEARCH=${LUMARIC_E2E_WINEARCH:-win32} LC_ALL=${LUMARIC_E2E_LOCALE:-C.UTF-8}

# The 64-bit build runs in a 64-bit prefix under Wine's 64-bit loader,
# called directly: Debian's `wine` (and `winepath`, `wineboot` and `regedit`
# through it) takes the 32-bit loader whenever it is installed, and that
# cannot start where the kernel runs no 32-bit code.
if [[ $WINEARCH == win64 ]]; then
  E2E_WINE_SHIMS=$LUMARIC_E2E_WORK/wine64-loader
  if [[ ! -x $E2E_WINE_SHIMS/wine-stable ]]; then
    mkdir -p "$E2E_WINE_SHIMS"
    for shim in wine wine-stable; do
      printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$E2E_WINE_SHIMS/$shim.$$"
      chmod +x "$E2E_WINE_SHIMS/$shim.$$"
      mv "$E2E_WINE_SHIMS/$shim.$$" "$E2E_WINE_SHIMS/$shim"
    done
  fi
  export PATH=$E2E_WINE_SHIMS:$PATH WINELOADER=/usr/lib/wine/wine64
fi
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

# shellcheck source=assert.sh
source "$E2E_DIR/assert.sh"
# shellcheck source=prefix.sh
source "$E2E_DIR/prefix.sh"
# shellcheck source=display.sh
source "$E2E_DIR/display.sh"
# shellcheck source=lumaric.sh
source "$E2E_DIR/lumaric.sh"

# Runs lumaric-driver.exe in this test's Wine session. The driver explains
# every failure on stderr, and notes that it did in the file
# LUMARIC_DRIVER_SAID names. A failure without that note is Wine's own (under
# heavy load a Wine process now and then ends with status 1 before the
# program runs): it is said so, and the command runs once more.
drive() {
  local said=${E2E_TEST_DIR:-${TMPDIR:-/tmp}}/driver-said.$BASHPID status=0
  rm -f "$said"
  # Z: is the prefix's drive for the Unix root.
  LUMARIC_DRIVER_SAID="Z:${said//\//\\}" wine "$LUMARIC_DRIVER" "$@" </dev/null || status=$?
  if ((status != 0)) && [[ ! -s $said ]]; then
    echo "note: Wine ended the driver ($*) with status $status before it said anything; once more" >&2
    status=0
    wine "$LUMARIC_DRIVER" "$@" </dev/null || status=$?
  fi
  rm -f "$said"
  return "$status"
}

# Everything a test needs before it starts Lumaric. NAME names the test's
# folder under the work folder; after DEADLINE seconds the test is stopped.
e2e_begin() {
  local name=$1 deadline=$2
  for file in "$LUMARIC_EXE" "$LUMARIC_DRIVER"; do
    [[ -f $file ]] || fail "$file is missing: build the windows preset first"
  done
  E2E_TEST_DIR=$LUMARIC_E2E_WORK/$name
  [[ -d $E2E_TEST_DIR/prefix ]] && WINEPREFIX=$E2E_TEST_DIR/prefix wine_session_stop
  e2e_remove_tree "$E2E_TEST_DIR"
  mkdir -p "$E2E_TEST_DIR"
  trap e2e_cleanup EXIT
  trap 'fail "stopped after the deadline of '"$deadline"' s"' USR1
  prefix_template
  prefix_copy "$E2E_TEST_DIR/prefix"
  prefix_use "$E2E_TEST_DIR/prefix"
  e2e_watchdog "$deadline" &
  E2E_WATCHDOG_PID=$!
  display_start
  desktop_start
  echo "test folder: $E2E_TEST_DIR"
}

# At the deadline, stops the Wine session first, so that a test waiting on
# a hung Wine process gets control back, then signals the test. Should the
# test's shell be gone without its cleanup (killed by ctest), ends its Wine
# session and its display itself, so that nothing of the test runs on.
e2e_watchdog() {
  local deadline=$1 test_shell=$$ end=$((SECONDS + $1))
  trap 'exit 0' TERM
  while kill -0 "$test_shell" 2>/dev/null; do
    if ((SECONDS >= end)); then
      echo "deadline of $deadline s reached" >&2
      wineserver -k 2>/dev/null || true
      kill -USR1 "$test_shell" 2>/dev/null || true
      return 0
    fi
    sleep 1 &
    wait $!
  done
  wineserver -k 2>/dev/null || true
  [[ -s $E2E_TEST_DIR/xvfb.pid ]] && kill "$(cat "$E2E_TEST_DIR/xvfb.pid")" 2>/dev/null
  return 0
}

# STATUS: the test's exit status, where a trap of the test's own ran first.
e2e_cleanup() {
  local status=${1:-$?}
  trap - EXIT USR1
  if [[ $status -ne 0 && -n ${DISPLAY:-} && -n ${XVFB_PID:-} ]]; then
    screenshot failure >/dev/null 2>&1 && echo "screenshot at failure: $E2E_TEST_DIR/failure.png" >&2
  fi
  [[ -n ${WINEPREFIX:-} ]] && wine_session_stop
  display_stop
  [[ -n ${E2E_WATCHDOG_PID:-} ]] && kill "$E2E_WATCHDOG_PID" 2>/dev/null || true
  exit "$status"
}

# Ends every Wine process of WINEPREFIX and waits for its wineserver to be
# gone, so a new prefix whose folder reuses the inode cannot meet it.
wine_session_stop() {
  wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w 2>/dev/null || true
}

# Like rm -rf, also for a read-only R.bat that a fault test left behind
# (immutable, for root).
e2e_remove_tree() {
  local tree=$1
  [[ -e $tree ]] || return 0
  if [[ $EUID -eq 0 ]] && command -v chattr >/dev/null; then
    find "$tree" -path '*/drive_c/users/*' -name R.bat -exec chattr -i {} + 2>/dev/null || true
  fi
  find "$tree" -path '*/drive_c/users/*' -name R.bat -exec chmod u+w {} + 2>/dev/null || true
  rm -rf "$tree"
}
