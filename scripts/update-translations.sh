#!/usr/bin/env bash
# Gathers every text marked for translation (tr(), KOVREL_WORD) into translations/*.ts, keeping
# the translations there. New texts come in unfinished; the test translations_complete fails until
# each language has them. Needs qt6-l10n-tools (scripts/install-deps.sh installs it).
# Usage: update-translations.sh [FOLDER]   (the .ts files of FOLDER instead of translations/)
set -euo pipefail
target=$(realpath "${1:-$(dirname "$0")/../translations}")
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
folders=(app chart cli common desktop ephemeris links places positions relationships sky)
for code in hi ta te kn ml; do
    "$lupdate" -silent -no-obsolete -locations none -source-language en \
        -target-language "${code}_IN" -extensions cpp,h \
        -tr-function-alias QT_TRANSLATE_NOOP+=KOVREL_WORD \
        "${folders[@]}" -ts "$target/kovrel_${code}.ts"
done
