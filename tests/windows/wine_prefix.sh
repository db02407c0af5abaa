#!/bin/sh
# Makes the Wine prefix $1 ready for the Windows tests, and each further argument a
# fresh copy of it for a test that writes into its registry or its drive C:.
# Wine sets a new prefix up at its first start: half a minute, much of it in the
# background after the first program has ended. Tests started meanwhile would
# race that set-up, so it runs here once, and the script waits until the Wine
# server has finished and saved the registry.
# Then it starts each prefix's Wine server, and Wine's background services, to
# stay for a minute after the last program has ended: a program then starts in
# half a second, not the five it takes to bring Wine up afresh. The services are
# started here, with no output, because they keep the output of the program that
# starts them open, and CTest would wait for them as part of that test.
set -eu
prefix=$1
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A server still staying from the last run would make the wait below last its minute.
for running in "$@"; do
    [ ! -d "$running" ] || WINEPREFIX="$running" wineserver --kill 2>/dev/null || true
done
wine wineboot
wineserver --wait

shift
for copy in "$@"; do
    rm -rf "$copy"
    mkdir -p "$copy"
    # Windows' files are shared as hard links (the tests only add files); the
    # registry files are copied, as the tests change them.
    cp -al "$prefix/drive_c" "$copy/"
    cp -a "$prefix/dosdevices" "$prefix"/*.reg "$prefix/.update-timestamp" "$copy/"
done
set -- "$prefix" "$@"

for started in "$@"; do
    WINEPREFIX="$started" wineserver --persistent=60 </dev/null >/dev/null 2>&1
    WINEPREFIX="$started" wine cmd /c exit </dev/null >/dev/null 2>&1
done
