#!/bin/sh
# The portable zip as a Windows user gets it: it unpacks into one folder holding exactly
# the program, quantora-cli, the licence, the DLLs and plugins they load, the faces the
# program brings with their licences and Qt's translations; and the program runs from
# that folder (the real-program test, under Wine).
# Usage: zip_test.sh ZIP VERSION ICON SCRATCH_FOLDER REAL_PROGRAM_TEST WINE [ITS ARGUMENTS AFTER THE PROGRAM...]
set -eu
zip=$1 version=$2 icon=$3 scratch=$4 real_program_test=$5 wine=$6
shift 6
rm -rf "$scratch"
mkdir -p "$scratch"
/usr/bin/python3 -m zipfile -e "$zip" "$scratch"
folder="$scratch/$(basename "$zip" .zip)"

cat >"$scratch/expected.txt" <<'LIST'
LICENSE.txt
Qt6Core.dll
Qt6Gui.dll
Qt6Svg.dll
Qt6Widgets.dll
fonts/DejaVuSans-LICENSE.txt
fonts/DejaVuSans.ttf
fonts/URWBookman-LICENSE.txt
fonts/URWBookman-Light.otf
libgcc_s_seh-1.dll
libstdc++-6.dll
libwinpthread-1.dll
platforms/qwindows.dll
quantora-cli.exe
quantora.exe
styles/qwindowsvistastyle.dll
translations/qtbase_de.qm
translations/qtbase_es.qm
translations/qtbase_fr.qm
translations/qtbase_pt_BR.qm
LIST
(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$scratch/unpacked.txt"
if ! diff -u "$scratch/expected.txt" "$scratch/unpacked.txt"; then
    echo "FAIL: the zip's folder does not hold exactly the expected files (- expected, + found)" >&2
    exit 1
fi

# The program opens no console, quantora-cli runs in one; both carry the version
# resource and the icon (its images are stored in the executable as they are in the .ico).
subsystem() { x86_64-w64-mingw32-objdump -p "$folder/$1" | sed -n 's/^Subsystem[[:space:]]*[0-9a-f]*[[:space:]]*//p'; }
[ "$(subsystem quantora.exe)" = "(Windows GUI)" ] || { echo "FAIL: quantora.exe is $(subsystem quantora.exe)" >&2; exit 1; }
[ "$(subsystem quantora-cli.exe)" = "(Windows CUI)" ] || { echo "FAIL: quantora-cli.exe is $(subsystem quantora-cli.exe)" >&2; exit 1; }
for program in quantora.exe quantora-cli.exe; do
    strings -el "$folder/$program" | grep -qx "$version" || { echo "FAIL: $program has no version $version" >&2; exit 1; }
    /usr/bin/python3 - "$icon" "$folder/$program" <<'PY' || { echo "FAIL: $program lacks the icon's images" >&2; exit 1; }
import struct, sys
icon, program = (open(path, "rb").read() for path in sys.argv[1:3])
count = struct.unpack_from("<H", icon, 4)[0]
images = [struct.unpack_from("<II", icon, 6 + 16 * i + 8) for i in range(count)]
sys.exit(0 if count and all(icon[offset:offset + size] in program for size, offset in images) else 1)
PY
done

/usr/bin/python3 "$real_program_test" "$wine" "$folder/quantora.exe" "$@"
