# Checks that say what was expected and what came instead. `check_*` record
# a failure and go on, so one run lists every mismatch; `fail` stops.

E2E_CHECKS=0
E2E_FAILED=0

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_record() {
  local passed=$1 what=$2 detail=${3:-}
  E2E_CHECKS=$((E2E_CHECKS + 1))
  if [[ $passed == yes ]]; then
    echo "ok   $what"
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL $what${detail:+: $detail}"
  fi
}

check_eq() {
  local what=$1 expected=$2 actual=$3
  if [[ $expected == "$actual" ]]; then
    e2e_record yes "$what"
  else
    e2e_record no "$what" "expected '$expected', got '$actual'"
  fi
}

# ACTUAL must match the extended regular expression PATTERN as a whole.
check_match() {
  local what=$1 pattern=$2 actual=$3
  if [[ $actual =~ ^($pattern)$ ]]; then
    e2e_record yes "$what"
  else
    e2e_record no "$what" "'$actual' does not match '$pattern'"
  fi
}

# The bits of MASK set in the hexadecimal style STYLE must be exactly WANTED.
check_bits() {
  local what=$1 style=$2 mask=$3 wanted=$4
  check_eq "$what" "$(printf '0x%X' $((wanted)))" "$(printf '0x%X' $((style & mask)))"
}

check_true() {
  local what=$1
  shift
  if "$@"; then
    e2e_record yes "$what"
  else
    e2e_record no "$what" "'$*' failed"
  fi
}

# Runs COMMAND until it succeeds, every 0.2 s, for at most SECONDS.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "waited $seconds s in vain for $what"
    sleep 0.2
  done
}

# A check that COMMAND comes to succeed within SECONDS, polled as
# wait_until does; a failure is recorded and the test goes on.
check_within() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      e2e_record no "$what" "'$*' still failed after $seconds s"
      return 0
    fi
    sleep 0.2
  done
  e2e_record yes "$what"
}

# A check_eq of what COMMAND prints, polled until it is EXPECTED for at
# most SECONDS; a failure shows the last output.
check_eq_within() {
  local seconds=$1 what=$2 expected=$3 actual deadline
  shift 3
  deadline=$((SECONDS + seconds))
  until actual=$("$@" 2>/dev/null) && [[ $actual == "$expected" ]]; do
    if ((SECONDS >= deadline)); then
      check_eq "$what" "$expected" "$actual"
      return 0
    fi
    sleep 0.2
  done
  e2e_record yes "$what"
}

# Ends a test: the tally, and failure if any check failed.
e2e_end() {
  echo "$((E2E_CHECKS - E2E_FAILED)) passed, $E2E_FAILED failed"
  [[ $E2E_FAILED -eq 0 ]]
}

# FILE must hold exactly the bytes that EXPECTED_FILE holds.
check_bytes() {
  local what=$1 expected_file=$2 file=$3
  if [[ ! -f $file ]]; then
    e2e_record no "$what" "$file does not exist"
  elif cmp -s "$expected_file" "$file"; then
    e2e_record yes "$what"
  else
    e2e_record no "$what" "$(stat -c %s "$file") bytes instead of $(stat -c %s "$expected_file"); got:
$(od -c "$file" | head -20)"
  fi
}
