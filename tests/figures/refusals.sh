#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The figure tool writes nothing and says why for each figures file in
# refused/, whose second line says what the refusal must say, and whether a
# file already stands where the catalogue would go.
out=$(mktemp -u) && trap 'rm -f "$out" "$out.said"' EXIT
for figures in "$(dirname "$0")"/refused/*.txt; do
    why=$(sed -n 2p "$figures") && rm -f "$out" && case $why in *existing*) : >"$out" ;; esac
    "$1" "$figures" "$out" >/dev/null 2>"$out.said" || [ -s "$out" ] ||
        ! grep -q "${why#*: }" "$out.said" || continue
    echo "$figures: not refused with «${why#*: }»:" && cat "$out.said" && exit 1
done
