#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a Quantora build into a scratch prefix and checks quantora-cli as a user of
# the shell meets it: the bash completion (with bash-completion) and, where fish is
# installed, the fish completion complete real command lines, what they offer is
# quoted so that the shell reads it back as the unit's name, the manual pages render
# without warnings, and batch reads standard input.
#
# usage: check-cli-install.sh CMAKE BUILD_DIR PREFIX
set -euo pipefail
cmake=$1 build_dir=$2 prefix=$3

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# expect WHAT EXPECTED ACTUAL
expect() {
    [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"
}

rm -rf "$prefix"
"$cmake" --install "$build_dir" --prefix "$prefix" >/dev/null
scratch=$prefix/scratch
mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_RUNTIME_DIR=$scratch/runtime
export PATH=$prefix/bin:$PATH XDG_DATA_DIRS=$prefix/share:/usr/share LC_ALL=C.UTF-8

bash_completion=share/bash-completion/completions/quantora-cli
zsh_completion=share/zsh/vendor-completions/_quantora-cli
fish_completion=share/fish/vendor_completions.d/quantora-cli.fish
pages=(share/man/man1/quantora-cli.1.gz)
[ -x "$prefix/bin/quantora" ] && pages+=(share/man/man1/quantora.1.gz)
for file in bin/quantora-cli "$bash_completion" "$zsh_completion" "$fish_completion" "${pages[@]}"; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
[ "$failures" -eq 0 ] || exit 1

# --- Manual pages: no warnings from man and groff, every command and option covered ---
for page in "${pages[@]}"; do
    warnings=$(MANWIDTH=80 man --warnings -l "$prefix/$page" 2>&1 >/dev/null) || fail "man -l $page failed"
    [ -z "$warnings" ] || fail "man --warnings -l $page warns: $warnings"
done
text=$(MANWIDTH=80 man -l "$prefix/share/man/man1/quantora-cli.1.gz" 2>/dev/null)
for word in quantities units convert batch --digits --exact -- --help --version "EXIT STATUS" EXAMPLES; do
    grep -qe "$word" <<<"$text" || fail "quantora-cli(1) does not mention $word"
done

# --- batch through a real standard input ---
status=0
output=$(printf 'length\t1\tcm\tin\nnonsense\nlength\t-5\tm\tcm\n' | quantora-cli batch 2>"$scratch/batch.err") || status=$?
expect "batch output" $'0.3937007874\n\n-500.' "$output"
expect "batch exit status" 1 "$status"
expect "batch message" "quantora-cli: line 2: expected 4 fields separated by tabs (QUANTITY, VALUE, FROM, TO), found 1" \
    "$(cat "$scratch/batch.err")"

# --- bash: load the completion as bash-completion finds it, then complete command lines ---
# Each line of the answer is one word offered; "|" separates the requests.
bash_answers=$(bash --norc --noprofile <<'BASH' 2>&1
source /usr/share/bash-completion/bash_completion
_completion_loader quantora-cli
function=$(complete -p quantora-cli 2>/dev/null | sed -n 's/.* -F \([^ ]*\) .*/\1/p')
[ -n "$function" ] || { echo "no completion for quantora-cli"; exit 1; }
# offer WORD...: the words of the command line, the last one being completed.
offer() {
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE} COMPREPLY=()
    "$function" quantora-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" "|"
}
offer quantora-cli ''
offer quantora-cli con
offer quantora-cli --d
offer quantora-cli --digits 1
offer quantora-cli units mass\ f
offer quantora-cli --digits 3 convert temperature 1 ''
offer quantora-cli convert Ideal\ Gas\ Constant 1 R M
offer quantora-cli convert 'dynamic viscosity' 1 '"N'
offer quantora-cli convert length 1 um Y
offer quantora-cli convert length 1 cm in ''
BASH
)
expected_bash=$(cat <<'EXPECTED'
quantities
units
convert
batch
|
convert
|
--digits
|
1
10
11
12
13
14
15
16
17
|
Mass\ Flow\ Rate
|
°C
celsius
centigrade
°F
fahrenheit
K
kelvin
°R
rankine
|
m³·atm\ /\(kmol·K\)
|
"N·s/m²"
"N.s/m²"
|
Yard
yd
yards
|
|
EXPECTED
)
expect "bash completions" "$expected_bash" "$bash_answers"

# What bash offers reads back, through the shell's own parsing, as the unit's name.
offered=$(sed -n '/^m³/p' <<<"$bash_answers")
eval "converted=\$(quantora-cli convert 'ideal gas constant' 1 R $offered)" || fail "the shell cannot read $offered"
expect "converting with the offered unit" "0.082" "${converted:-}"

# --- fish, where installed: its completion found in XDG_DATA_DIRS ---
# fish sorts what it offers, and quotes a name itself when it puts it on the command line.
if command -v fish >/dev/null; then
    fish_offers() { fish -c "complete --do-complete '$1'" 2>&1 | cut -f1 | tr '\n' '|'; }
    expect "fish commands" "batch|convert|quantities|units|" "$(fish_offers 'quantora-cli ')"
    expect "fish quantities" "Mass Flow Rate|" "$(fish_offers 'quantora-cli units mass\ f')"
    expect "fish units" "celsius|centigrade|fahrenheit|K|kelvin|rankine|°C|°F|°R|" "$(fish_offers 'quantora-cli --digits 3 convert temperature 1 ')"
    expect "fish units with blanks" "m³·atm /(kmol·K)|" \
        "$(fish_offers 'quantora-cli convert Ideal\ Gas\ Constant 1 R m³')"
else
    echo "fish is not installed: its completion was not tried"
fi

# --- zsh, where installed: the completion at least parses ---
if command -v zsh >/dev/null; then
    zsh -n "$prefix/$zsh_completion" || fail "$zsh_completion does not parse in zsh"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "quantora-cli's completions, manual pages and batch input work from $prefix."
