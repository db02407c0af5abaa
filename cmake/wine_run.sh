#!/bin/sh
# Runs a Windows program under Wine, with the folders of the DLLs it loads on Wine's
# search path (WINEPATH takes Windows' form of them).
# Usage: wine_run.sh WINE DLL_FOLDERS PROGRAM [ARGUMENTS...]
# DLL_FOLDERS is a colon-separated list of folders. Wine's debug messages and its
# .NET and HTML engine installers are off unless WINEDEBUG and WINEDLLOVERRIDES say
# otherwise.
set -eu
wine=$1 dll_folders=$2
shift 2
WINEPATH=$(printf '%s\n' "$dll_folders" | tr ':' '\n' | while IFS= read -r folder; do
    printf 'Z:%s;' "$folder" | tr / '\\'
done)
export WINEPATH WINEDEBUG="${WINEDEBUG--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES-mscoree,mshtml=}"
exec "$wine" "$@"
