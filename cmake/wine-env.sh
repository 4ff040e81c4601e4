# Wine as this project runs it, written once: sourced by x, cmake/wine-run
# and bench/run (bash). Which loader runs which PE machine, the project's
# own prefixes, and the environment: headless, quiet, no Mono or Gecko
# prompts. A caller's own WINEDEBUG or WINEDLLOVERRIDES is kept
# (WINEDEBUG=+relay cmake/wine-run ... to debug).

# Wine's 32-bit loader is an i386 program (wine32:i386): a kernel without
# IA-32 emulation refuses it ("Exec format error").
TALVENOR_WINE32=/usr/lib/wine/wine
TALVENOR_WINE64=/usr/lib/wine/wine64
talvenor_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export TALVENOR_WINEPREFIX="${TALVENOR_WINEPREFIX:-$talvenor_root/build/wineprefix}"
export TALVENOR_WINEPREFIX64="${TALVENOR_WINEPREFIX64:-$talvenor_root/build/wineprefix64}"

# The PE header's machine field of FILE: 8664 for x86-64, 14c for i386;
# nothing for a file that is not a PE image.
talvenor_pe_machine() {
  local header
  header=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ') || return 0
  [ -n "$header" ] && od -An -t x2 -j $((header + 4)) -N 2 "$1" 2>/dev/null | tr -d ' '
}

# Exports WINE (the loader), WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES for
# ARCH: win64 (x86-64 programs, wine64, build/wineprefix64) or win32
# (everything else, Wine's 32-bit loader, build/wineprefix).
talvenor_wine_env() {
  if [ "$1" = win64 ]; then
    export WINE="$TALVENOR_WINE64" WINEPREFIX="$TALVENOR_WINEPREFIX64"
  else
    export WINE="$TALVENOR_WINE32" WINEPREFIX="$TALVENOR_WINEPREFIX"
  fi
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
}

# The ARCH that runs PROGRAM: win64 for an x86-64 image, else win32.
talvenor_wine_arch() {
  if [ -f "$1" ] && [ "$(talvenor_pe_machine "$1")" = 8664 ]; then echo win64; else echo win32; fi
}

# Whether this machine runs 32-bit Windows programs.
talvenor_wine32_runs() { "$TALVENOR_WINE32" --version >/dev/null 2>&1; }
