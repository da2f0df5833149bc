#!/usr/bin/env bash
# Installs the dependencies, builds, starts a PostgreSQL server on loopback and runs
# every test on both database engines.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh

if [ -z "${CHRONEL_TEST_PG_URI:-}" ]; then
    CHRONEL_TEST_PG_URI=$(scripts/start-test-postgres.sh)
    export CHRONEL_TEST_PG_URI
fi
ctest --test-dir build --output-on-failure -j2
