#!/usr/bin/env bash
# The prefix of the front panel's program tests: a fresh Windows 98 prefix, the
# modem's installation from the media, and the simulated driver with a scenario.
#
#   prepare_prefix.sh WINE_ENV INSTALL_DRIVER PREFIX MEDIA DRIVER SCENARIO
set -euo pipefail
[ $# -eq 6 ] || { sed -n '2,5p' "$0" >&2; exit 2; }
wine_env=$1 install_driver=$2 prefix=$3 media=$4 driver=$5 scenario=$6

"$wine_env" --prefix "$prefix" fresh
"$wine_env" --prefix "$prefix" install "$media"
"$install_driver" --prefix "$prefix" install "$driver" "$scenario"
