# Sourced by what starts the program under Wine (the tests, scripts/run, the
# benchmark), before lib.sh. Some kernels have their 32-bit emulation
# switched off: no 32-bit program starts there, under Wine's WoW64 neither,
# and the 64-bit build of the same sources runs in a 64-bit prefix instead.
# Sets WINE_BITS to 32 or 64, and for 64 exports LUMARIC_E2E_WINEARCH=win64.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WINE_BITS=32
else
  WINE_BITS=64
  export LUMARIC_E2E_WINEARCH=win64
fi
