#!/usr/bin/env bash
# A private PostgreSQL server for the tests, in a folder of its own.
#
#   scripts/pg-test-server.sh start DIR   creates a cluster (C collation, UTF-8) in a new
#                                         temporary folder, starts it on 127.0.0.1 at a free
#                                         port and writes into DIR the server's address, url
#                                         ("postgresql://kestrava@127.0.0.1:PORT/kestrava"),
#                                         its password, password, and the cluster's folder
#   scripts/pg-test-server.sh stop DIR    stops it and removes its folder and DIR
#
# The server started belongs to the program that ran the start (CTest, or a bench): when that
# program ends without the stop, killed or crashed, a watcher stops the server within a second,
# so that no server outlives its run.
#
# Run as root, the server runs as the unprivileged system user "postgres" (PostgreSQL refuses
# to run as root), so its folder lies under the temporary folder, where that user can reach it.
# A server left running by an earlier start with the same DIR is stopped first. The server
# listens on 127.0.0.1 only, keeps its socket in its own folder, and trades durability for
# speed (fsync off): it holds nothing but test data.
set -euo pipefail

cmd=${1:-}
dir=${2:-}
if [ -z "$cmd" ] || [ -z "$dir" ]; then
    echo "usage: $0 start|stop DIR" >&2
    exit 2
fi

bindir=""
for candidate in "${PG_BINDIR:-}" $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -n "$candidate" ] && [ -x "$candidate/initdb" ] && [ -x "$candidate/pg_ctl" ]; then
        bindir=$candidate
        break
    fi
done
if [ -z "$bindir" ] && command -v initdb >/dev/null 2>&1; then
    bindir=$(dirname "$(command -v initdb)")
fi

as_server_user() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

# Stops the server of one cluster folder and removes the folder.
stop_cluster() {
    local cluster=$1
    case "$cluster" in
    */kestrava-pg.*) ;;
    *) return 0 ;;
    esac
    if [ -n "$bindir" ] && [ -f "$cluster/data/postmaster.pid" ]; then
        as_server_user "$bindir/pg_ctl" -D "$cluster/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$cluster"
}

stop_server() {
    stop_cluster "$(cat "$dir/cluster-dir" 2>/dev/null || true)"
}

case "$cmd" in
watch)
    # watch DIR OWNER CLUSTER (started by start): once OWNER has ended, stops CLUSTER's server
    # unless the stop did already; DIR goes too while it still names CLUSTER (a later start
    # with the same DIR is left alone).
    owner=${3:-}
    cluster=${4:-}
    while kill -0 "$owner" 2>/dev/null && [ -d "$cluster" ]; do
        sleep 0.5
    done
    if [ -d "$cluster" ]; then
        stop_cluster "$cluster"
        if [ "$(cat "$dir/cluster-dir" 2>/dev/null || true)" = "$cluster" ]; then
            rm -rf "$dir"
        fi
    fi
    ;;
stop)
    stop_server
    rm -rf "$dir"
    ;;
start)
    if [ -z "$bindir" ]; then
        echo "No PostgreSQL server programs (initdb, pg_ctl) found: install the package postgresql." >&2
        exit 1
    fi
    stop_server
    rm -rf "$dir"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    cluster=$(mktemp -d "${TMPDIR:-/tmp}/kestrava-pg.XXXXXX")
    printf '%s\n' "$cluster" >"$dir/cluster-dir"
    # A start that fails half-way leaves nothing running.
    trap 'status=$?; [ $status -eq 0 ] || stop_server; exit $status' EXIT
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$cluster"
    fi
    password=kestrava-test-$$-$RANDOM
    printf '%s\n' "$password" >"$dir/password"
    printf '%s\n' "$password" >"$cluster/password"
    chmod 644 "$cluster/password"
    as_server_user "$bindir/initdb" -D "$cluster/data" -U kestrava --pwfile="$cluster/password" \
        --auth=scram-sha-256 --encoding=UTF8 --locale=C >"$cluster/initdb.log" 2>&1 || {
        cat "$cluster/initdb.log" >&2
        exit 1
    }
    started=""
    for attempt in $(seq 1 20); do
        port=$((20000 + (RANDOM % 20000)))
        if as_server_user "$bindir/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w -t 30 \
            -o "-c listen_addresses=127.0.0.1 -p $port -c unix_socket_directories=$cluster \
                -c fsync=off -c synchronous_commit=off -c full_page_writes=off \
                -c max_connections=60" start >/dev/null 2>&1; then
            started=$port
            break
        fi
    done
    if [ -z "$started" ]; then
        echo "The test server did not start; its log:" >&2
        cat "$cluster/server.log" >&2 || true
        exit 1
    fi
    # The database the tests connect to first; each test makes its own databases beside it.
    PGPASSWORD=$password "$bindir/psql" -q -h 127.0.0.1 -p "$started" -U kestrava -d postgres \
        -c "create database kestrava" >/dev/null
    printf 'postgresql://kestrava@127.0.0.1:%s/kestrava\n' "$started" >"$dir/url"
    # In a session of its own (a Ctrl-C meant for the run does not end it), holding none of the
    # run's output open.
    setsid bash "$0" watch "$dir" "$PPID" "$cluster" </dev/null >/dev/null 2>&1 &
    echo "PostgreSQL test server at 127.0.0.1:$started (folder $cluster)"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
