# Sourced by bench/run and bench/memory_split: the end-to-end harness of
# tests/e2e and the benchmark's own driver, whose commands only they use.
# shellcheck source=../tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
: "${LUMARIC_BENCH_DRIVER:=$LUMARIC_BUILD/bench/lumaric-bench-driver.exe}"
[[ -f $LUMARIC_BENCH_DRIVER ]] || fail "$LUMARIC_BENCH_DRIVER is missing: build it first"

# Runs lumaric-bench-driver.exe in this Wine session.
bench_drive() {
  wine "$LUMARIC_BENCH_DRIVER" "$@" </dev/null
}
