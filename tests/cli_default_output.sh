#!/bin/sh
# SPDX-License-Identifier: MIT
# Usage: cli_default_output.sh QUANTORA_CLI CHECKSUMS [write]
#
# Converts a few values between every two different units of every quantity,
# with the default and with 17 significant digits, and compares a checksum of
# each quantity's output with the one CHECKSUMS holds. The checksums were
# written by the converter before the exact factors came, so that the default
# output stays what it was. (A unit to itself, and the factors the units
# command lists for the temperature scales, changed on purpose and are not
# part of it.) With "write", prints the checksums instead of comparing; run it
# on an older build and diff its batch output to find what changed.
set -eu
cli=$1
checksums=$2
tab=$(printf '\t')
actual=$("$cli" quantities | while IFS= read -r quantity; do
  # The units are listed once per quantity: under the sanitizers every start of
  # the converter costs tens of milliseconds.
  units=$("$cli" units "$quantity" | cut -f2)
  lines=$(printf '%s\n' "$units" | while IFS= read -r from; do
    printf '%s\n' "$units" | while IFS= read -r to; do
      [ "$from" = "$to" ] && continue
      for value in 1 2.5 -7.25e-3 123456789 1e300; do
        printf '%s\t%s\t%s\t%s\n' "$quantity" "$value" "$from" "$to"
      done
    done
  done)
  {
    [ "$quantity" = Temperature ] || "$cli" units "$quantity"
    printf '%s\n' "$lines" | "$cli" batch 2>&1 || true
    printf '%s\n' "$lines" | "$cli" --digits 17 batch 2>&1 || true
  } | sha256sum | cut -d' ' -f1 | sed "s/\$/${tab}${quantity}/"
done)
if [ "${3:-}" = write ]; then
  printf '%s\n' "$actual"
  exit 0
fi
if [ "$actual" != "$(cat "$checksums")" ]; then
  echo "the default output changed for:" >&2
  printf '%s\n' "$actual" | diff "$checksums" - | sed -n 's/^> [0-9a-f]*\t/  /p' >&2
  exit 1
fi
echo "the default output of every quantity is unchanged"
