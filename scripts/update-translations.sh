#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the translation files (resources/translations/tintaloo_<code>.ts) up
# to date with the texts in the sources: new texts are added as unfinished,
# texts no longer in the sources are dropped (-no-obsolete), and a missing
# file is created for its language. No line numbers are written, so moving
# code does not touch the files that translators work in.
#   scripts/update-translations.sh            every language
#   scripts/update-translations.sh de fr      only those
# Needs lupdate (package qt6-l10n-tools).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" "$(command -v lupdate || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate=$candidate; break; fi
  done
fi
[ -n "$lupdate" ] || { echo "update-translations: lupdate missing: apt-get install qt6-l10n-tools" >&2; exit 2; }

codes=("$@")
if [ "${#codes[@]}" -eq 0 ]; then codes=(de fr es it pt_BR nl pl); fi
cd "$here"
for code in "${codes[@]}"; do
  "$lupdate" -silent -locations none -no-obsolete -no-ui-lines -extensions cpp,h \
    -target-language "$code" src resources/artgen -ts "resources/translations/tintaloo_$code.ts"
done
echo "update-translations: ${codes[*]} updated"
