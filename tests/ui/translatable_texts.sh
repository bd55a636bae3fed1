#!/usr/bin/env bash
# Fails when a text given to translation holds a digit outside its placeholders (%1 ... %9):
# numbers, like the rest of the mathematics, are filled in after translation, never given to
# a translator who might write them otherwise.
# Usage: translatable_texts.sh <lupdate> <source folder>
set -euo pipefail
lupdate="$1"
src="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
mapfile -t files < <(find "$src" -name '*.cpp' -o -name '*.h')
"$lupdate" -silent -I "$src" -no-obsolete -locations none "${files[@]}" -ts "$out/all.ts" >/dev/null
count="$(grep -c '<source>' "$out/all.ts" || true)"
[ "$count" -gt 0 ] || { echo "FAIL: lupdate found no texts" >&2; exit 1; }
# The text of every <source> element, placeholders and numeric character references removed.
bad="$(awk '
  /<source>/ { inside = 1 }
  inside { text = text $0 "\n" }
  /<\/source>/ { inside = 0
                 stripped = text
                 gsub(/%[1-9]/, "", stripped); gsub(/&#[xX]?[0-9a-fA-F]+;/, "", stripped)
                 if (stripped ~ /[0-9]/) printf "%s", text
                 text = "" }' "$out/all.ts")"
if [ -n "$bad" ]; then
  echo "FAIL: texts to translate with a number in them; fill it in with %1 instead:" >&2
  echo "$bad" >&2
  exit 1
fi
echo "translatable texts: $count, none with a number in it"
