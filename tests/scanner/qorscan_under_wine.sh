#!/usr/bin/env bash
# Runs the real QORSCAN.EXE in a fresh Wine prefix set up in one installation state
# and compares its standard output, CR LF line ends included, with the expected report.
#
#   qorscan_under_wine.sh WINE_ENV QORSCAN_EXE PREFIX MEDIA STATE
#
# STATE is bare, installed (by the setup from MEDIA) or variants; the expected
# reports and fixtures lie in wine/ beside this script.
set -euo pipefail

wine_env=$1 exe=$2 prefix=$3 media=$4 state=$5
fixtures=$(cd "$(dirname "${BASH_SOURCE[0]}")/wine" && pwd)

in_prefix() { "$wine_env" --prefix "$prefix" "$@"; }
in_prefix fresh
trap 'in_prefix stop' EXIT
scratch=$prefix/scratch
mkdir -p "$scratch/folder"
echo placeholder >"$scratch/file"

args=()
case "$state" in
bare)
    # Run from outside the Windows folder, or the program would find itself there.
    in_prefix place 'C:\qortest\QORSCAN.EXE' "$exe"
    program='C:\qortest\QORSCAN.EXE'
    ;;
installed)
    in_prefix install "$media"
    # The program under test is the one just built, whatever the media hold.
    in_prefix place 'C:\windows\QORSCAN.EXE' "$exe"
    program='C:\windows\QORSCAN.EXE'
    ;;
variants)
    # StartApplet stored as a number, an 80-character uninstall command, a folder named
    # like a file, a file name in lower case; arguments that must be ignored.
    in_prefix import "$fixtures/variants.reg"
    in_prefix place 'C:\windows\QORSCAN.EXE' "$exe"
    in_prefix place 'C:\windows\QORRMCPL' "$scratch/folder"
    in_prefix place 'C:\windows\qorpanel.exe' "$scratch/file"
    program='C:\windows\QORSCAN.EXE'
    args=(/all extra)
    ;;
*)
    echo "unknown state: $state" >&2
    exit 2
    ;;
esac

actual=$prefix/report.actual
status=0
in_prefix run "$program" "${args[@]}" >"$actual" || status=$?
if [ "$status" -ne 0 ]; then
    echo "QORSCAN.EXE exited with $status, expected 0" >&2
    exit 1
fi
if ! cmp -s "$fixtures/$state.expected" "$actual"; then
    echo "report differs from $state.expected (cat -A: ^M is CR, ^I a tab):" >&2
    diff <(cat -A "$fixtures/$state.expected") <(cat -A "$actual") >&2 || true
    exit 1
fi
echo "report of the $state state matches"
