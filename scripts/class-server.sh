# Sourced by the scripts whose programs talk to a class record. start_class_server starts a
# PostgreSQL 15 server of our own in a temporary folder, listening only on a Unix socket there (no
# TCP), with a class database, its logins and one that is always refused, and points libpq at a
# service file naming them: the service "wordrow_test" is a room's login (which owns the database,
# as an earlier Wordrow had it), "wordrow_teacher" the teacher's, "wordrow_refused" is turned
# away, "wordrow_admin" may do anything and runs the set-up. It exports
# WORDROW_TEST_CLASS_SERVICE, WORDROW_TEST_TEACHER_SERVICE, WORDROW_TEST_CLASS_SOCKET (the
# server's socket, for a relay) and WORDROW_TEST_CLASS_SERVER (a script taking "stop" or "start",
# for the tests that stop the server under the game); stop_class_server stops the server and
# removes the folder. Without PostgreSQL 15 installed it starts nothing and exports nothing.
class_server_dir=''

start_class_server() {
    local bin=/usr/lib/postgresql/15/bin
    [ -x "$bin/initdb" ] || return 0
    class_server_dir=$(mktemp -d /tmp/wordrow-class-server.XXXXXX)
    local dir=$class_server_dir
    # The server refuses to run as root, as CI runs: there it runs as the postgres user.
    local as=()
    if [ "$(id -u)" -eq 0 ]; then
        id postgres >/dev/null 2>&1 || useradd --system --no-create-home postgres
        chown postgres "$dir"
        as=(runuser -u postgres --)
    fi
    chmod 755 "$dir"
    "${as[@]}" "$bin/initdb" -D "$dir/data" -U wordrow_admin --auth=trust --encoding=UTF8 \
        --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; return 1; }
    "${as[@]}" tee -a "$dir/data/postgresql.conf" >/dev/null <<CONF
listen_addresses = ''
unix_socket_directories = '$dir'
fsync = off
CONF
    "${as[@]}" tee "$dir/data/pg_hba.conf" >/dev/null <<HBA
local all wordrow_admin trust
local all all scram-sha-256
HBA
    cat >"$dir/server.sh" <<SERVER
#!/bin/sh
# stop: at once, as a pulled plug would; start: and wait until it takes connections.
case "\$1" in
stop) exec ${as[*]} $bin/pg_ctl -D $dir/data -m immediate -w stop >/dev/null ;;
start) exec ${as[*]} $bin/pg_ctl -D $dir/data -l $dir/server.log -w start >/dev/null ;;
esac
exit 2
SERVER
    chmod 755 "$dir/server.sh"
    "$dir/server.sh" start || { cat "$dir/server.log" >&2; return 1; }
    "$bin/psql" -q -h "$dir" -U wordrow_admin -d postgres -v ON_ERROR_STOP=1 <<SQL
CREATE ROLE wordrow_class LOGIN PASSWORD 'class-pass';
CREATE ROLE wordrow_teacher LOGIN PASSWORD 'teacher-pass';
CREATE ROLE wordrow_refused LOGIN PASSWORD 'right-pass';
CREATE DATABASE wordrow_class OWNER wordrow_class;
SQL
    cat >"$dir/pg_service.conf" <<SERVICES
[wordrow_test]
host=$dir
dbname=wordrow_class
user=wordrow_class

[wordrow_teacher]
host=$dir
dbname=wordrow_class
user=wordrow_teacher

[wordrow_refused]
host=$dir
dbname=wordrow_class
user=wordrow_refused

[wordrow_admin]
host=$dir
dbname=wordrow_class
user=wordrow_admin
SERVICES
    # The passwords as a school's .pgpass keeps them; the refused login's is wrong.
    printf '*:*:*:wordrow_class:class-pass\n*:*:*:wordrow_teacher:teacher-pass\n*:*:*:wordrow_refused:wrong-pass\n' >"$dir/pgpass"
    chmod 600 "$dir/pgpass"
    export PGSERVICEFILE=$dir/pg_service.conf PGPASSFILE=$dir/pgpass
    export WORDROW_TEST_CLASS_SERVICE=wordrow_test WORDROW_TEST_TEACHER_SERVICE=wordrow_teacher
    export WORDROW_TEST_CLASS_SOCKET=$dir/.s.PGSQL.5432 WORDROW_TEST_CLASS_SERVER=$dir/server.sh
}

stop_class_server() {
    if [ -n "${class_server_dir:-}" ]; then
        "$class_server_dir/server.sh" stop 2>/dev/null || true
        rm -rf "$class_server_dir"
        class_server_dir=''
    fi
}
