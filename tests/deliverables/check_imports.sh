#!/usr/bin/env bash
# Checks that each program is a 32-bit Windows program of the expected kind that
# needs nothing beyond the system's DLLs and imports no function that Windows 95
# and 98 lack (the loader there refuses such a program).
#   check_imports.sh OBJDUMP PROGRAM KIND [PROGRAM KIND ...]   KIND: console or gui
set -euo pipefail
objdump=$1; shift

system_dlls='^(ADVAPI32|KERNEL32|USER32|GDI32|SHELL32|COMCTL32|COMDLG32|MSVCRT)\.DLL$'
# Functions of later systems that the toolchain's runtime is known to pull in.
later_functions='^(GetTickCount64|TryEnterCriticalSection|AddVectoredExceptionHandler|RemoveVectoredExceptionHandler)$'

failures=0
fail() { echo "FAIL $program: $*"; failures=$((failures + 1)); }

while [ $# -ge 2 ]; do
    program=$1 kind=$2; shift 2
    before=$failures
    headers=$("$objdump" -p "$program")
    grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit Windows program"
    case $kind in
    console) grep -q 'Subsystem.*(Windows CUI)' <<<"$headers" || fail "not a console program" ;;
    gui) grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a graphical program" ;;
    esac
    while read -r dll; do
        [[ ${dll^^} =~ $system_dlls ]] || fail "imports from $dll"
    done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
    while read -r function; do
        [[ $function =~ $later_functions ]] && fail "imports $function"
    done < <(awk '/DLL Name:/ {f = 1; next} f && NF >= 3 && $1 ~ /^[0-9a-f]+$/ {print $3}' <<<"$headers")
    [ "$failures" -eq "$before" ] && echo "$program: $kind, system imports only"
done
[ "$failures" -eq 0 ]
