#!/usr/bin/env bash
# Starts or stops the private PostgreSQL and MariaDB servers the tests use.
#
#   db-servers.sh start DIR   initialise (first time) and start both servers with
#                             their data under DIR, on free loopback ports; writes
#                             DIR/env (variables for the tests) and a user-level
#                             odbc.ini with the DSN "tolvane_pg".
#   db-servers.sh stop DIR    stops both by the pids recorded under DIR.
#
# The servers listen on 127.0.0.1 only. Each has a database "tolvane_test" and
# a user "tolvane" with the password "tolvane-pw".
set -euo pipefail

cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }

PGBIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)

free_port() {
  local p=$1
  while (echo > "/dev/tcp/127.0.0.1/$p") 2>/dev/null; do p=$((p + 1)); done
  echo "$p"
}

as_postgres() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

stop_pid() {  # pidfile
  local f=$1 pid
  [ -f "$f" ] || return 0
  pid=$(head -n 1 "$f" 2>/dev/null || true)
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
  fi
  rm -f "$f"
}

start_pg() {
  local pgdata=$dir/pg/data port
  mkdir -p "$dir/pg"
  # PostgreSQL refuses to run as root: its files belong to the postgres user,
  # who must be able to reach them.
  if [ "$(id -u)" -eq 0 ]; then
    chown -R postgres: "$dir/pg"
    if ! runuser -u postgres -- test -x "$dir/pg"; then
      echo "db-servers: postgres cannot reach $dir; using a folder under /tmp" >&2
      local alt; alt=$(mktemp -d /tmp/tolvane-pg-XXXXXX)
      chown postgres: "$alt"
      ln -sfn "$alt" "$dir/pg-alt"
      pgdata=$alt/data
    fi
  fi
  echo "$pgdata" > "$dir/pg.datadir"
  if [ ! -f "$pgdata/PG_VERSION" ]; then
    as_postgres "$PGBIN/initdb" -D "$pgdata" -U postgres -E UTF8 --locale=C.UTF-8 \
      --auth-local=trust --auth-host=scram-sha-256 >"$dir/pg-initdb.log" 2>&1
  fi
  port=$(free_port 55432)
  as_postgres "$PGBIN/pg_ctl" -D "$pgdata" -l "$pgdata/server.log" -w -t 60 \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $pgdata -c fsync=off" start >/dev/null
  head -n 1 "$pgdata/postmaster.pid" > "$dir/pg.pid"
  as_postgres "$PGBIN/psql" -h "$pgdata" -p "$port" -U postgres -d postgres -qAt -v ON_ERROR_STOP=1 <<SQL >/dev/null
DO \$\$ BEGIN
  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'tolvane') THEN
    CREATE ROLE tolvane LOGIN PASSWORD 'tolvane-pw';
  END IF;
END \$\$;
SELECT 'CREATE DATABASE tolvane_test OWNER tolvane ENCODING ''UTF8'''
WHERE NOT EXISTS (SELECT FROM pg_database WHERE datname = 'tolvane_test')\gexec
SQL
  echo "$port" > "$dir/pg.port"
}

start_maria() {
  local data=$dir/maria/data port
  mkdir -p "$dir/maria"
  if [ ! -d "$data/mysql" ]; then
    mariadb-install-db --no-defaults --datadir="$data" --user="$(id -un)" \
      --auth-root-authentication-method=normal --skip-test-db >"$dir/maria-install.log" 2>&1
  fi
  port=$(free_port 53306)
  mariadbd --no-defaults --datadir="$data" --user="$(id -un)" --bind-address=127.0.0.1 \
    --port="$port" --socket="$dir/maria/mysqld.sock" --pid-file="$dir/maria.pid" \
    --skip-name-resolve --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
    --innodb-flush-log-at-trx-commit=0 --log-error="$dir/maria/error.log" &
  for _ in $(seq 1 300); do
    [ -S "$dir/maria/mysqld.sock" ] && mariadb --no-defaults -uroot --socket="$dir/maria/mysqld.sock" \
      -e 'SELECT 1' >/dev/null 2>&1 && break
    sleep 0.1
  done
  mariadb --no-defaults -uroot --socket="$dir/maria/mysqld.sock" <<'SQL'
CREATE DATABASE IF NOT EXISTS tolvane_test CHARACTER SET utf8mb4;
CREATE USER IF NOT EXISTS 'tolvane'@'127.0.0.1' IDENTIFIED BY 'tolvane-pw';
GRANT ALL ON tolvane_test.* TO 'tolvane'@'127.0.0.1';
FLUSH PRIVILEGES;
SQL
  echo "$port" > "$dir/maria.port"
}

case "$cmd" in
  start)
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    start_pg
    start_maria
    pgport=$(cat "$dir/pg.port")
    myport=$(cat "$dir/maria.port")
    mkdir -p "$dir/odbc"
    cat > "$dir/odbc/odbc.ini" <<INI
[tolvane_pg]
Driver = PostgreSQL Unicode
Servername = 127.0.0.1
Port = $pgport
Database = tolvane_test
INI
    cat > "$dir/env" <<ENV
export TOLVANE_TEST_PG_PORT=$pgport
export TOLVANE_TEST_MARIA_PORT=$myport
export ODBCINI=$dir/odbc/odbc.ini
ENV
    ;;
  stop)
    dir=$(cd "$dir" && pwd)
    if [ -f "$dir/pg.datadir" ] && [ -f "$dir/pg.pid" ]; then
      as_postgres "$PGBIN/pg_ctl" -D "$(cat "$dir/pg.datadir")" -m fast -w stop >/dev/null 2>&1 || true
    fi
    stop_pid "$dir/pg.pid"
    stop_pid "$dir/maria.pid"
    ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
