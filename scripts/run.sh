#!/usr/bin/env bash
# Installs the dependencies, builds and starts the station; on the first run the
# set-up wizard comes first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh

build/src/wizard/chronel-wizard --if-needed || true
exec build/src/station/chronel
