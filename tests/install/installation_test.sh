#!/usr/bin/env bash
# The installation in a fresh Windows 98 prefix: every key, value and file the
# programs expect is there after the install; the registered uninstall command
# removes them all and leaves what belongs to others; the clean-up batch file
# deletes the programs and drivers and itself.
#
#   installation_test.sh WINE_ENV PREFIX MEDIA WORKDIR
set -uo pipefail

wine_env=$1 prefix=$2 media=$3 work=$4
failures=0

in_prefix() { "$wine_env" --prefix "$prefix" "$@"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
step() { echo "== $*"; }

trap 'in_prefix stop' EXIT

# Each key below HKLM is read once per state of the prefix (one Wine start per key,
# not per value); forget_keys starts the next state.
declare -A keys
forget_keys() { keys=(); }
load_key() {  # KEY
    [ -n "${keys[$1]+set}" ] && return
    keys[$1]=$(in_prefix run reg query "HKLM\\$1" 2>/dev/null | tr -d '\r') || keys[$1]=absent
}
key_exists() { load_key "$1"; [ "${keys[$1]}" != absent ]; }
# value KEY NAME: prints "TYPE DATA" of the value; fails when absent.
value() {
    load_key "$1"
    awk -v name="$2" 'BEGIN { FS = "    " }
        $2 == name { print $3 " " $4; found = 1 } END { exit !found }' <<<"${keys[$1]}"
}
file_exists() { [ -e "$(in_prefix unixpath "$1")" ]; }

# KEY|NAME|DATA, DATA * for any text. What the programs rely on, all REG_SZ.
installed_values='
System\CurrentControlSet\Services\VxD\Qor|Installed|*
System\CurrentControlSet\Services\VxD\Qor|StartApplet|1
System\CurrentControlSet\Services\VxD\Qor|SupportDOS|1
System\CurrentControlSet\Services\VxD\Qor|QorINFLocation|MDMQOR.INF
System\CurrentControlSet\Services\VxD\Qor|VoiceINFLocation|QORSERWV.INF
Software\Orvanta\Qor\FrontPanel|ExecString|C:\windows\QORPANEL.EXE
Software\Microsoft\Windows\CurrentVersion\Run|QorFrontPanel|C:\windows\QORPANEL.EXE
Software\Microsoft\Windows\CurrentVersion\Uninstall\Qor|InfDefaultUninstall|*
Software\Microsoft\Windows\CurrentVersion\Uninstall\Qor|DisplayName|*
Enum\PCI\VEN_5F3C&DEV_4000&SUBSYS_00000000\BUS_00&DEV_0A&FUNC_00|PORTNAME|COM3
Enum\PCI\VEN_5F3C&DEV_4000&SUBSYS_00000000\BUS_00&DEV_0A&FUNC_00|Driver|Modem\0000
Enum\PCI\VEN_5F3C&DEV_4000&SUBSYS_00000000\BUS_00&DEV_0A&FUNC_00|DeviceDesc|Orvanta Qor Data Fax Voice
Enum\PCI\VEN_5F3C&DEV_4000&SUBSYS_00000000\BUS_00&DEV_0A&FUNC_00|Mfg|*
System\CurrentControlSet\Services\Class\Modem\0000|DriverDesc|Orvanta Qor Data Fax Voice
System\CurrentControlSet\Services\Class\Modem\0000|DefaultCountryID|1
System\CurrentControlSet\Services\Class\Modem\0000|International|1
System\CurrentControlSet\control\MediaResources\wave\lnkwave0.drv0000|Description|Orvanta Technologies Qor Serial Wave Device
System\CurrentControlSet\control\MediaResources\wave\lnkwave0.drv0000|DeviceID|Root\QorSerialWave\0000
System\CurrentControlSet\control\MediaResources\wave\lnkwave0.drv0000|SOFTWAREKEY|System\CurrentControlSet\Services\Class\MEDIA\0000
Enum\Root\QorSerialWave\0000|DeviceDesc|*
System\CurrentControlSet\Services\Class\MEDIA\0000|DriverDesc|*
System\CurrentControlSet\control\InstalledFiles|qor_dbs.vxd|*
System\CurrentControlSet\control\InstalledFiles|QORCpl.cpl|*
System\CurrentControlSet\control\InstalledFiles|qorpanel.exe|*
System\CurrentControlSet\control\InstalledFiles|QORPORT.vxd|*
System\CurrentControlSet\control\InstalledFiles|qorrmdev.exe|*
System\CurrentControlSet\control\InstalledFiles|qorrmcpl|*
System\CurrentControlSet\control\InstalledFiles|qorscan.exe|*
System\CurrentControlSet\control\InstalledFiles|qorserwv.inf|*
System\CurrentControlSet\control\InstalledFiles|mdmqor.inf|*
'

# The keys the uninstall removes whole.
removed_keys='
System\CurrentControlSet\Services\VxD\Qor
Software\Orvanta\Qor
Software\Microsoft\Windows\CurrentVersion\Uninstall\Qor
Enum\PCI\VEN_5F3C&DEV_4000&SUBSYS_00000000
System\CurrentControlSet\Services\Class\Modem\0000
System\CurrentControlSet\control\MediaResources\wave\lnkwave0.drv0000
Enum\Root\QorSerialWave
System\CurrentControlSet\Services\Class\MEDIA\0000
'

# Windows path|name on the media. The programs and drivers come first: the
# clean-up batch file deletes those seven.
installed_files='
C:\windows\QORPANEL.EXE|QORPANEL.EXE
C:\windows\QORRMCPL|QORRMCPL
C:\windows\QORSCAN.EXE|QORSCAN.EXE
C:\windows\QORRMDEV.EXE|QORRMDEV.EXE
C:\windows\System\QORPORT.VXD|QORPORT.VXD
C:\windows\System\QOR_DBS.VXD|QOR_DBS.VXD
C:\windows\System\QORCPL.CPL|QORCPL.CPL
C:\windows\INF\MDMQOR.INF|MDMQOR.INF
C:\windows\INF\QORSERWV.INF|QORSERWV.INF
C:\windows\INF\QORPORT.INF|QORPORT.INF
'

# Entries of other software next to the modem's, which the uninstall must keep.
foreign_values='
Software\Microsoft\Windows\CurrentVersion\Run|OtherProgram|C:\other\other.exe
System\CurrentControlSet\control\InstalledFiles|other.vxd|C:\windows\system\other.vxd
Enum\PCI\VEN_1000&DEV_0001\BUS_00&DEV_01&FUNC_00|DeviceDesc|Other PCI device
System\CurrentControlSet\Services\Class\Modem\0001|DriverDesc|Other modem
System\CurrentControlSet\control\MediaResources\wave\other.drv0000|Description|Other wave device
Software\Orvanta\Other|Setting|kept
'

each() {  # TABLE: the table's lines, without blank ones
    printf '%s\n' "$1" | grep -v '^$'
}

check_values_present() {  # TABLE
    local key name data got
    while IFS='|' read -r key name data; do
        load_key "$key"
        if ! got=$(value "$key" "$name"); then
            fail "missing value $key\\$name"
        elif [ "${got%% *}" != REG_SZ ]; then
            fail "$key\\$name is ${got%% *}, not REG_SZ"
        elif [ "$data" = '*' ] && [ -z "${got#REG_SZ }" ]; then
            fail "$key\\$name is empty"
        elif [ "$data" != '*' ] && [ "${got#REG_SZ }" != "$data" ]; then
            fail "$key\\$name is '${got#REG_SZ }', not '$data'"
        fi
    done < <(each "$1")
}

check_values_absent() {  # TABLE
    local key name data
    while IFS='|' read -r key name data; do
        load_key "$key"
        value "$key" "$name" >/dev/null && fail "value left behind: $key\\$name"
    done < <(each "$1")
}

check_files() {  # TABLE present|absent
    local winpath name
    while IFS='|' read -r winpath name; do
        if [ "$2" = present ]; then
            if ! file_exists "$winpath"; then
                fail "missing file $winpath"
            elif ! cmp -s "$(in_prefix unixpath "$winpath")" "$media/$name"; then
                fail "$winpath differs from the media's $name"
            fi
        else
            file_exists "$winpath" && fail "file left behind: $winpath"
        fi
    done < <(each "$1")
}

mkdir -p "$work"

step "wine-env refuses incomplete media and installs nothing"
rm -rf "$work/incomplete" && cp -a "$media" "$work/incomplete" && rm "$work/incomplete/QORPORT.VXD"
in_prefix fresh
if in_prefix install "$work/incomplete" 2>/dev/null; then fail "install from incomplete media succeeded"; fi
forget_keys
key_exists 'System\CurrentControlSet\Services\VxD\Qor' && fail "incomplete media installed something"
if in_prefix uninstall 2>/dev/null; then fail "uninstall without an installation succeeded"; fi

step "install into a fresh prefix that holds other software's entries"
{
    echo 'REGEDIT4'
    while IFS='|' read -r key name data; do
        printf '\n[HKEY_LOCAL_MACHINE\\%s]\n"%s"="%s"\n' "$key" "$name" "${data//\\/\\\\}"
    done < <(each "$foreign_values")
} > "$work/foreign.reg"
in_prefix import "$work/foreign.reg" || fail "import of $work/foreign.reg"
start=$SECONDS
in_prefix install "$media" || fail "install"
echo "install took $((SECONDS - start)) s"
forget_keys
check_values_present "$installed_values"
check_files "$installed_files" present

step "the installed programs run"
in_prefix run 'C:\windows\QORRMDEV.EXE' >/dev/null || fail "QORRMDEV.EXE does not run"
report=$(in_prefix run 'C:\windows\QORSCAN.EXE' | tr -d '\r')
case "$report" in
*stand-in*) echo "QORSCAN.EXE is a stand-in: its report is not checked" ;;
*"Found 10 files and 5 (of 5) Qor-related registry sections."*) ;;
*) fail "QORSCAN.EXE does not find the whole installation:"; echo "$report" ;;
esac

step "the registered uninstall removes the installation and keeps the rest"
start=$SECONDS
in_prefix uninstall || fail "uninstall"
echo "uninstall took $((SECONDS - start)) s"
forget_keys
check_values_absent "$installed_values"
while read -r key; do
    key_exists "$key" && fail "key left behind: $key"
done < <(each "$removed_keys")
check_files "$installed_files" absent
check_values_present "$foreign_values"
key_exists 'Software\Microsoft\Windows\CurrentVersion\Run' || fail "the Run key is gone"

step "the clean-up batch file deletes the programs, the drivers and itself"
in_prefix install "$media" || fail "install after the uninstall"
batch='C:\windows\Start Menu\programs\startup\QORRMCPL.BAT'
in_prefix place "$batch" "$(in_prefix unixpath 'C:\windows\QORRMCPL')" || fail "place $batch"
in_prefix run cmd.exe /c "$batch" || fail "QORRMCPL.BAT does not run"
check_files "$(each "$installed_files" | head -n 7)" absent
check_files "$(each "$installed_files" | tail -n 3)" present
file_exists "$batch" && fail "QORRMCPL.BAT left itself behind"

if [ "$failures" -ne 0 ]; then
    echo "$failures failures"
    exit 1
fi
echo "all checks passed"
