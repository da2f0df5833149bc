#!/usr/bin/env bash
# Gathers the interface texts from the sources into translations/*.ts, carries known
# translations over to texts that moved, and lists what is still to translate.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${CHRONEL_BUILD_DIR:-build}"
cmake --build "$build" --target update_translations
for ts in translations/*.ts; do
    scripts/fill-translations.py "$ts"
done
# lupdate writes the files back in its own layout, so a diff shows only real changes.
cmake --build "$build" --target update_translations >/dev/null
