#!/usr/bin/env bash
# Starts a throw-away PostgreSQL server on loopback for the tests and prints the URI
# to export as CHRONEL_TEST_PG_URI. The server lives in the folder CHRONEL_TEST_PG_DIR
# names, created when missing, or else in a new temporary folder.
set -euo pipefail

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ]; then
    echo "PostgreSQL is not installed" >&2
    exit 1
fi
port=${CHRONEL_TEST_PG_PORT:-55432}
data=${CHRONEL_TEST_PG_DIR:-}
if [ -n "$data" ]; then
    mkdir -p "$data"
else
    data=$(mktemp -d /tmp/chronel-pg.XXXXXX)
fi

run() {
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres:postgres "$data"
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

run "$bindir/initdb" -D "$data/db" -U chronel -A trust >/dev/null
# A port another server holds makes the start fail; try the next one.
for attempt in 0 1 2 3 4 5 6 7 8 9; do
    if run "$bindir/pg_ctl" -D "$data/db" -l "$data/server.log" -w \
        -o "-p $port -k $data -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null; then
        echo "postgresql://chronel@127.0.0.1:$port/postgres"
        exit 0
    fi
    port=$((port + 1))
done
echo "PostgreSQL did not start; see $data/server.log" >&2
exit 1
