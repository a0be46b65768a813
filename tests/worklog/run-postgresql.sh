#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program against a throwaway PostgreSQL 15 server: a cluster in a temporary
# folder, owned by an unprivileged user (initdb refuses root), listening only on a Unix
# socket in that folder. The server is stopped and the folder removed at the end, also
# when the tests fail. The program finds the server through DIPO_TEST_DB, PGUSER and
# PGDATABASE.
set -euo pipefail
bin=/usr/lib/postgresql/15/bin
if [ ! -x "$bin/initdb" ] || [ ! -x "$bin/pg_ctl" ]; then
  echo "run-postgresql.sh: PostgreSQL 15 is not installed ($bin/initdb missing);" \
       "install the Debian package postgresql (scripts/setup.sh does)" >&2
  exit 1
fi

folder="$(mktemp -d /tmp/dipo-pg.XXXXXX)"
if [ "$(id -u)" -eq 0 ]; then
  owner=nobody
  chown "$owner" "$folder"
  as_owner=(runuser -u "$owner" --)
else
  owner="$(id -un)"
  as_owner=()
fi
cleanup() {
  "${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$folder"
}
trap cleanup EXIT

"${as_owner[@]}" "$bin/initdb" -D "$folder/data" -U "$owner" --auth=trust -E UTF8 \
  --locale=C.UTF-8 >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
"${as_owner[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
  -o "-c listen_addresses='' -k $folder -c fsync=on" start >/dev/null \
  || { cat "$folder/server.log" >&2; exit 1; }

export DIPO_TEST_DB="$folder" PGUSER="$owner" PGDATABASE=postgres PGHOST="$folder"
status=0
"$@" || status=$?
exit $status
