#!/usr/bin/env bash
# Fails when the executable's PE header carries a time stamp, or a checksum
# that is not the standard PE checksum of the file's bytes (the one
# MapFileAndCheckSum computes): 16-bit little-endian words summed with the
# carries folded back in, the checksum field itself left out, plus the
# file's length.
set -euo pipefail

exe=$1

u32_at() { od -An -v -tu4 --endian=little -j "$1" -N 4 "$exe" | tr -d ' '; }

size=$(stat -c %s "$exe")
[ "$size" -ge 64 ] || { echo "FAIL: $exe is too short to be a PE file"; exit 1; }
header=$(u32_at 60)
signature=$(od -An -v -c -j "$header" -N 4 "$exe" | tr -d ' ')
[ "$signature" = 'PE\0\0' ] || { echo "FAIL: $exe has no PE signature at $header"; exit 1; }

time_stamp=$(u32_at $((header + 8)))
checksum_offset=$((header + 24 + 64))
stored=$(u32_at "$checksum_offset")

# An odd last byte counts as a word with a zero high byte.
computed=$({ cat "$exe"; if [ $((size % 2)) -eq 1 ]; then printf '\0'; fi; } |
  od -An -v -tu2 --endian=little -w2 |
  awk -v skip=$((checksum_offset / 2)) -v size="$size" '
    NR - 1 == skip || NR - 1 == skip + 1 { next }
    { sum += $1; if (sum >= 65536) sum = sum % 65536 + int(sum / 65536) }
    END { print sum + size }')

failures=0
if [ "$time_stamp" -ne 0 ]; then
  echo "FAIL: the PE header carries the time stamp $time_stamp; a rebuild would differ"
  failures=1
fi
if [ "$stored" -ne "$computed" ]; then
  printf 'FAIL: the PE checksum is 0x%08x, the bytes give 0x%08x\n' "$stored" "$computed"
  failures=1
fi
[ "$failures" -eq 0 ] || exit 1
printf 'no time stamp, PE checksum 0x%08x matches the bytes\n' "$stored"
