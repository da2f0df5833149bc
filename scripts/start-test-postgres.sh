#!/usr/bin/env bash
# Starts a throw-away PostgreSQL server on loopback for the tests and prints the URI
# to export as CHRONEL_TEST_PG_URI. The server lives in the folder CHRONEL_TEST_PG_DIR
# names, created when missing, or else in a new temporary folder; beside its data folder
# (the server's data_directory) lies `control`, which stops and starts it again
# (`control stop`, `control start`) for the tests of a server that goes away.
# The tests' server skips flushing to disk; with CHRONEL_TEST_PG_DURABLE=1 it flushes
# every commit as a station's server does, for chronel-bench.
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

as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    chown postgres:postgres "$data"
    as_owner=(runuser -u postgres --)
fi

"${as_owner[@]}" "$bindir/initdb" -D "$data/db" -U chronel -A trust >/dev/null
# A port another server holds makes the start fail; try the next one.
for attempt in 0 1 2 3 4 5 6 7 8 9; do
    options="-p $port -k $data -c listen_addresses=127.0.0.1"
    if [ "${CHRONEL_TEST_PG_DURABLE:-0}" != 1 ]; then
        options="$options -c fsync=off"
    fi
    if "${as_owner[@]}" "$bindir/pg_ctl" -D "$data/db" -l "$data/server.log" -w \
        -o "$options" start >/dev/null; then
        cat >"$data/control" <<CONTROL
#!/bin/sh
# Stops or starts the test server in $data: control stop|start
case "\$1" in
stop) exec ${as_owner[*]} "$bindir/pg_ctl" -D "$data/db" -m fast -w stop ;;
start) exec ${as_owner[*]} "$bindir/pg_ctl" -D "$data/db" -l "$data/server.log" -w -o "$options" start ;;
*) echo "usage: \$0 stop|start" >&2; exit 2 ;;
esac
CONTROL
        chmod 0755 "$data/control"
        echo "postgresql://chronel@127.0.0.1:$port/postgres"
        exit 0
    fi
    port=$((port + 1))
done
echo "PostgreSQL did not start; see $data/server.log" >&2
exit 1
