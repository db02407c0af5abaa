#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a Quantora build into a scratch prefix and checks that a Linux desktop finds it:
# the programs, the menu entry, the icon and the AppStream metadata at their standard
# paths, naming each other by one application id, and passing the freedesktop validators.
#
# usage: check-install.sh CMAKE BUILD_DIR PREFIX APP_ID
set -euo pipefail
cmake=$1 build_dir=$2 prefix=$3 app_id=$4

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$prefix"
"$cmake" --install "$build_dir" --prefix "$prefix" >/dev/null

desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
icon=share/icons/hicolor/scalable/apps/$app_id.svg

for file in bin/quantora bin/quantora-cli "$desktop" "$metainfo" "$icon"; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
for program in bin/quantora bin/quantora-cli; do
    [ -x "$prefix/$program" ] || fail "$program is not executable"
done
[ "$failures" -eq 0 ] || exit 1

# The validators print nothing for a clean desktop file, and fail on errors; hints and
# warnings count as failures here too.
report=$(desktop-file-validate "$prefix/$desktop" 2>&1) || fail "desktop-file-validate failed"
[ -z "$report" ] || fail "desktop-file-validate reports: $report"
# Findings tolerated, and only these: the project has no homepage yet, and the
# metadata says nothing rather than name one (AppStream 1.0 notes the missing URL);
# AppStream 0.16 (Debian 12) does not know the <developer> block that 1.0 asks for.
tolerated='^[IW]: [^ ]+ (url-homepage-missing|unknown-tag developer)( |$)'
report=$(appstreamcli validate --no-net --strict --explain "$prefix/$metainfo" 2>&1) || {
    findings=$(printf '%s\n' "$report" | grep -E '^[EWIP]: ' | grep -v -E "$tolerated" || true)
    [ -z "$findings" ] && printf '%s\n' "$report" | grep -q -E "$tolerated" ||
        fail "appstreamcli validate reports: $report"
}

# The entry starts an installed program and shows the installed icon; the metadata
# launches the installed entry and carries the program's version.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/$desktop")
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line names no installed program"
grep -qx "Icon=$app_id" "$prefix/$desktop" || fail "the desktop entry's Icon is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -q "<id>$app_id</id>" "$prefix/$metainfo" || fail "the metainfo's id is not $app_id"
grep -q '<release version="2.0.0" date="2026-12-08"' "$prefix/$metainfo" ||
    fail "the metainfo has no release 2.0.0 of 2026-12-08"
grep -q '<svg' "$prefix/$icon" || fail "the icon is not an SVG picture"

# The program answers --version before it looks for a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quantora" --version) ||
    fail "installed quantora --version failed"
[ "$version" = "Quantora 2.0.0" ] || fail "installed quantora --version printed '$version'"
version=$("$prefix/bin/quantora-cli" --version) || fail "installed quantora-cli --version failed"
[ "$version" = "quantora-cli 2.0.0" ] || fail "installed quantora-cli --version printed '$version'"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "Installed files in $prefix are complete and valid."
