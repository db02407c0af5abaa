#!/bin/sh
# The installer as a Windows user runs it, under Wine in the prefix WINEPREFIX names:
# a silent install into Program Files, a Start-menu entry for the program, the
# installed program run by the real-program test, and a silent uninstall that takes the
# program, the entry and its own registration away again.
# Usage: installer_test.sh WINE INSTALLER REAL_PROGRAM_TEST [ITS ARGUMENTS AFTER THE PROGRAM...]
set -eu
wine=$1 installer=$2 real_program_test=$3
shift 3

drive_c="$WINEPREFIX/drive_c"
folder="$drive_c/Program Files/Quantora"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quantora'
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
start_menu_entry() { find "$drive_c" -path '*Start Menu/Programs/Quantora/Quantora.lnk' | head -n 1; }
registered() { "$wine" reg query "$uninstall_key" >/dev/null 2>&1; }

# Waits up to a minute for a condition (the installer and uninstaller run on in the
# background after Wine's start of them has returned).
within_a_minute() {
    i=0
    until "$@"; do
        i=$((i + 1))
        [ "$i" -lt 300 ] || return 1
        sleep 0.2
    done
}
installed() { [ -f "$folder/quantora.exe" ] && [ -f "$folder/Uninstall.exe" ] && [ -n "$(start_menu_entry)" ]; }
removed() { [ ! -e "$folder" ] && [ -z "$(start_menu_entry)" ]; }

"$wine" "$installer" /S
within_a_minute installed || fail "the silent install left no quantora.exe, uninstaller and Start-menu entry"
within_a_minute registered || fail "the install is not registered under $uninstall_key"
echo "installed: $folder, Start-menu entry $(start_menu_entry)"

/usr/bin/python3 "$real_program_test" "$wine" "$folder/quantora.exe" "$@"

"$wine" "$folder/Uninstall.exe" /S
within_a_minute removed || fail "the silent uninstall left $(find "$folder" "$(start_menu_entry)" 2>/dev/null | head -n 5)"
! registered || fail "the uninstall left its registration under $uninstall_key"
echo "uninstalled"
