#!/usr/bin/env bash
# Checks the shipped program file from outside, with objdump and strings:
# a 32-bit (PE32, i386) GUI program that imports only DLLs Windows always
# loads from its system directory (so no DLL planted beside velquor.exe can be
# loaded in their place), with the version record and the manifest it must
# carry.
#
# usage: check_program_file.sh path/to/velquor.exe objdump
set -uo pipefail
exe=$1
objdump=$2
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect() {  # expect <description> <text> <pattern>
  grep -qE -- "$3" <<<"$2" || fail "$1: no match for /$3/"
}

headers=$("$objdump" -p "$exe") || { echo "FAIL: $objdump cannot read $exe" >&2; exit 1; }
expect "format" "$headers" 'file format pei-i386'
expect "PE32" "$headers" '^Magic[[:space:]]+010b'
expect "GUI subsystem" "$headers" '^Subsystem[[:space:]]+00000002'

# Known DLLs of every Windows release the program runs on; comctl32 comes
# through the manifest's activation context, never through the import table.
allowed='^(kernel32|user32|gdi32|advapi32|msvcrt)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr -d '\r')
[ -n "$imports" ] || fail "no import table found"
while read -r dll; do
  [ -z "$dll" ] && continue
  grep -qiE "$allowed" <<<"$dll" || fail "imports $dll, which Windows may look for beside the program"
done <<<"$imports"
echo "imports: $(tr '\n' ' ' <<<"$imports")"

# The version record's strings are UTF-16 in the file.
wide=$(strings -el "$exe")
for s in 080404B0 FileVersion FileDescription ProductName ProductVersion Comments Velquor 1.0.0.0 Translation; do
  grep -qxF -- "$s" <<<"$wide" || fail "version record: \"$s\" missing"
done

narrow=$(strings -n 6 "$exe")
expect "manifest" "$narrow" 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
expect "manifest architecture" "$narrow" 'processorArchitecture="x86"'
grep -q 'requestedExecutionLevel' <<<"$narrow" && fail "manifest asks for an execution level"
grep -q 'compatibility' <<<"$narrow" && fail "manifest has a compatibility section"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "program file checks passed"
