#!/bin/sh
# scripts/windows-qt where the Qt SVG source cannot be had: in a copy of the
# repository with no ../shared, an empty cache and the download address unreachable;
# and with QUANTORA_QTSVG_TARBALL naming a file that is no Qt SVG source. Each time it
# must exit 1 with one message that says where to put the file, print no prefix, and
# leave nothing behind: no cache, no prefix, no work folder, no partial download.
# Usage: windows_qt_test.sh REPOSITORY SCRATCH_FOLDER
set -eu
repo=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/clone/scripts" "$scratch/clone/cmake" "$scratch/home" "$scratch/tmp" "$scratch/bin"
# The script looks for the cross compiler before the sources; these cases end before it
# would run, so a stand-in does where MinGW-w64 is not installed (the other release's chroot).
printf '#!/bin/sh\nexit 1\n' >"$scratch/bin/x86_64-w64-mingw32-g++-posix"
chmod +x "$scratch/bin/x86_64-w64-mingw32-g++-posix"
cp "$repo/scripts/windows-qt" "$scratch/clone/scripts/"
cp "$repo/cmake/mingw-w64-x86_64.cmake" "$scratch/clone/cmake/"
printf 'not Qt SVG\n' >"$scratch/not-qtsvg.tar.xz"
url=http://127.0.0.1:9/qtsvg-everywhere-src-6.4.2.tar.xz
sources=$scratch/home/.cache/quantora/sources
failures=0

# case NAME EXPECTED_TEXT [VARIABLE=VALUE...]
case_() {
    name=$1 expected=$2
    shift 2
    status=0
    env -i PATH="$PATH:$scratch/bin" HOME="$scratch/home" TMPDIR="$scratch/tmp" QUANTORA_QTSVG_URL="$url" "$@" \
        bash "$scratch/clone/scripts/windows-qt" >"$scratch/out" 2>"$scratch/err" || status=$?
    problem=
    [ "$status" -eq 1 ] || problem="exit status $status, not 1"
    [ ! -s "$scratch/out" ] || problem="$problem; it printed a prefix: $(cat "$scratch/out")"
    [ "$(wc -l <"$scratch/err")" -eq 1 ] || problem="$problem; not one message"
    grep -qF "$expected" "$scratch/err" || problem="$problem; the message lacks '$expected'"
    left=$(cd "$scratch" && find home tmp -mindepth 1)
    [ -z "$left" ] || problem="$problem; it left: $left"
    if [ -n "$problem" ]; then
        echo "FAIL: $name: $problem" >&2
        sed 's/^/  /' "$scratch/err" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name: $(cat "$scratch/err")"
    fi
}

case_ "no source anywhere, no network" "$url: download that file elsewhere and put it into $sources"
case_ "a tarball that is no Qt SVG" "$scratch/not-qtsvg.tar.xz is not the Qt SVG 6.4.2 source" \
    QUANTORA_QTSVG_TARBALL="$scratch/not-qtsvg.tar.xz"
[ "$failures" -eq 0 ]
