#!/usr/bin/env bash
# Static checks of the two builds of the setup library, for what no test can run:
#  - exactly one export, DOINSTALL, undecorated;
#  - imports from system DLLs only (no compiler run time DLL beside it);
#  - on i686, DOINSTALL is __stdcall: its return pops its one 4-byte argument.
set -uo pipefail
x64_dll=${1:?usage: check-product-binaries.sh <x86_64 dll> <i686 dll>}
x86_dll=${2:?usage: check-product-binaries.sh <x86_64 dll> <i686 dll>}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

allowed_imports='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|OLE32|OLEAUT32|COMCTL32|COMDLG32|MSVCRT|SHLWAPI|VERSION)\.DLL$'

exports_of() {
  # The names of the export name table, one a line.
  "$1" -p "$2" | awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && /^[ \t]*\[ *[0-9]+\]/ {print $NF; next} t && NF==0 {t=0}'
}

check_dll() {
  local objdump=$1 dll=$2 arch=$3
  if [ ! -f "$dll" ]; then
    fail "$arch: $dll does not exist (build both presets first)"
    return
  fi
  local exports
  exports=$(exports_of "$objdump" "$dll" | tr '\n' ' ' | sed 's/ $//')
  if [ "$exports" = "DOINSTALL" ]; then
    pass "$arch: exports exactly DOINSTALL"
  else
    fail "$arch: exports are '$exports', expected exactly 'DOINSTALL'"
  fi
  local imports bad=""
  imports=$("$objdump" -p "$dll" | awk '/DLL Name:/ {print toupper($3)}')
  for name in $imports; do
    [[ $name =~ $allowed_imports ]] || bad="$bad $name"
  done
  if [ -z "$imports" ]; then
    fail "$arch: no import table found"
  elif [ -z "$bad" ]; then
    pass "$arch: imports system DLLs only ($(echo "$imports" | tr '\n' ' '))"
  else
    fail "$arch: imports non-system DLLs:$bad"
  fi
}

# Functions later Windows versions added, which a library for Windows 95 and 98 must not
# import (it would not load there). Not a complete list: the ones run times pull in.
too_new='^(GetTickCount64|AddVectoredExceptionHandler|RemoveVectoredExceptionHandler|IsDebuggerPresent|InitializeCriticalSectionAndSpinCount|GetModuleHandleExA|GetModuleHandleExW|SHGetFolderPathA|RegDeleteTreeA|GetLongPathNameA|SetThreadErrorMode|InitOnceExecuteOnce|FlsAlloc|GetSystemTimePreciseAsFileTime)$'

check_old_systems() {
  local dll=$1 found=""
  for name in $(i686-w64-mingw32-objdump -p "$dll" | awk 'NF>=3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print $3}'); do
    [[ $name =~ $too_new ]] && found="$found $name"
  done
  if [ -z "$found" ]; then
    pass "i686: imports no function that Windows 95 and 98 lack (of the known list)"
  else
    fail "i686: imports functions Windows 95 and 98 lack:$found"
  fi
}

check_dll x86_64-w64-mingw32-objdump "$x64_dll" x86_64
check_dll i686-w64-mingw32-objdump "$x86_dll" i686

if [ -f "$x86_dll" ]; then
  check_old_systems "$x86_dll"
  image_base=$(i686-w64-mingw32-objdump -p "$x86_dll" | awk '/^ImageBase/ {print $2}')
  export_rva=$(i686-w64-mingw32-objdump -p "$x86_dll" | awk '/Export RVA/ {print $(NF-2); exit}')
  if [ -z "$image_base" ] || [ -z "$export_rva" ]; then
    fail "i686: cannot find the address of DOINSTALL"
  else
    start=$((0x$image_base + 0x$export_rva))
    first_ret=$(i686-w64-mingw32-objdump -d --no-show-raw-insn \
                  --start-address=$start --stop-address=$((start + 4096)) "$x86_dll" |
                awk '$2 ~ /^ret/ {print $2, $3; exit}')
    if [ "$first_ret" = 'ret $0x4' ]; then
      pass "i686: DOINSTALL returns with 'ret \$0x4' (the callee pops its argument)"
    else
      fail "i686: DOINSTALL's first return is '$first_ret', expected 'ret \$0x4'"
    fi
  fi
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all product binary checks passed"
