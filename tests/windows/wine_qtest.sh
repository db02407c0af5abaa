#!/bin/sh
# Runs a window test (a Qt Test program built for Windows) under Wine and shows its
# report. Wine hands a program no environment variable whose name starts with QT_, so
# this script sets the ones it was given, and the folder of fonts for the offscreen
# platform, inside Wine; and a Qt Test report reaches Wine's standard output only when
# written to a file, so the report is written to one and shown from there.
# Usage: wine_qtest.sh WINE DLL_FOLDERS FONT_FOLDER REPORT PROGRAM [ARGUMENTS...]
# DLL_FOLDERS is a colon-separated list of the folders of the DLLs the program loads.
set -eu
wine=$1 dll_folders=$2 font_folder=$3 report=$4 program=$5
shift 5

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

batch="$report.bat"
rm -f "$report"
{
    printf '@echo off\r\n'
    env | grep '^QT_' | while IFS= read -r variable; do
        printf 'set "%s"\r\n' "$variable"
    done
    printf 'set "QT_QPA_FONTDIR=%s"\r\n' "$(windows_path "$font_folder")"
    printf '"%s" -o "%s,txt"' "$(windows_path "$program")" "$(windows_path "$report")"
    for argument in "$@"; do printf ' "%s"' "$argument"; done
    printf '\r\nexit /b %%ERRORLEVEL%%\r\n'
} >"$batch"

status=0
sh "$(dirname "$0")/../../cmake/wine_run.sh" "$wine" "$dll_folders" cmd /c "$(windows_path "$batch")" || status=$?
if [ -f "$report" ]; then
    cat "$report"
else
    echo "$(basename "$program") wrote no report (exit status $status)"
fi
exit "$status"
