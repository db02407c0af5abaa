#!/bin/sh
# Runs the Windows and the Linux quantora-cli on the same commands and input and
# compares their output, error output and exit status byte for byte: every
# quantity's unit listing, arguments outside ASCII, and a 10,000-line batch with
# CRLF line ends that holds bad lines and a Ctrl-Z byte.
# Usage: same_bytes_as_linux.sh WINE WINDOWS_CLI LINUX_CLI SCRATCH_FOLDER
set -eu
wine=$1 windows=$2 linux=$3 scratch=$4
[ -x "$linux" ] || { echo "no Linux quantora-cli at $linux (build the ci preset first)" >&2; exit 1; }
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"

# The batch: each quantity's units converted into each other in turn, CRLF line
# ends, and now and then a line that fails (a Ctrl-Z byte, an unknown unit).
"$linux" quantities | while IFS= read -r quantity; do
    "$linux" units "$quantity" | awk -F '\t' -v q="$quantity" '{ sub(/ +$/, "", $2); print q "\t" $2 }'
done >units.txt
awk -F '\t' -v lines=10000 '
    { quantity[NR] = $1; unit[NR] = $2 }
    END {
        for (i = 0; i < lines; i++) {
            a = i % NR + 1; b = (i * 7) % NR + 1
            if (quantity[b] != quantity[a]) b = a
            if (i % 997 == 500) printf "\032\r\n"
            else if (i % 1009 == 3) printf "%s\t%d\tfurlong\t%s\r\n", quantity[a], i, unit[b]
            else printf "%s\t%d.%d\t%s\t%s\r\n", quantity[a], i, i % 100, unit[a], unit[b]
        }
    }' units.txt >batch.txt

# Writes WHAT.out, WHAT.err and WHAT.status for one run of a converter.
run() {
    what=$1
    shift
    status=0
    "$@" >"$what.out" 2>"$what.err" <batch.txt || status=$?
    echo "$status" >"$what.status"
}

failed=0
compare() {
    run linux "$linux" "$@"
    run windows "$wine" "$windows" "$@"
    for part in out err status; do
        if ! cmp -s "linux.$part" "windows.$part"; then
            echo "quantora-cli $*: the Windows build's $part differs from Linux's:" >&2
            cmp "linux.$part" "windows.$part" >&2 || true
            failed=1
        fi
    done
}

compare batch
[ "$(wc -l <linux.out)" -eq 10000 ] || { echo "the batch gave $(wc -l <linux.out) lines, not 10000" >&2; failed=1; }
compare convert temperature 100 °C °F
compare convert volume 1 m³ µm³
compare convert length 1 µm
compare units "thermal conductivity"
compare convert length 1 cm furlong
exit $failed
