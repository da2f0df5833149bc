#!/usr/bin/env bash
# Installs the missing dependencies, builds the programs (not the tests: scripts/test.sh
# does) and starts the station; on the first run the set-up wizard comes first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh chronel chronel-wizard chronel-updater

build_dir=${CHRONEL_BUILD_DIR:-build}
# 0: nothing to set up, or closed before Finish (the station then asks for it again);
# 3: set up. Anything else means the database could not be set up or reached.
status=0
"$build_dir/src/wizard/chronel-wizard" --if-needed || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 3 ]; then
    echo "The set-up wizard failed (exit code $status); the station is not started." >&2
    echo "Its messages are in the Chronel home's chronel.log." >&2
    exit "$status"
fi
exec "$build_dir/src/station/chronel" "$@"
