#!/usr/bin/env bash
# A second copy of the demo company on the test cluster, set up the way that lets a typed value
# break out of a quoted literal: standard_conforming_strings off (a backslash escapes a quote)
# and reached with a login that may write. The injection tests run on it and prove nothing changed.
# Usage: scripts/postgres-hostil.sh FILE.sql (written by `zrconsgt demo --postgres`). Idempotent.
# Prints the ODBC connection string of the read-write role, and nothing else on stdout.
set -euo pipefail
archivo=${1:?uso: postgres-hostil.sh ARCHIVO.sql}
dir=$(dirname "$0")
bash "$dir/postgres.sh" >/dev/null  # the cluster and the roles
source "$dir/cluster.sh"
hostil="${base}_hostil"
port=$(puerto)
{
  psql_admin() { runuser -u postgres -- psql -p "$port" -v ON_ERROR_STOP=1 -qtA "$@"; }
  if [ "$(psql_admin -c "SELECT 1 FROM pg_database WHERE datname='$hostil'")" != 1 ]; then
    psql_admin -c "CREATE DATABASE $hostil OWNER zr_dueno ENCODING 'UTF8' TEMPLATE template0"
  fi
  psql_admin -c "ALTER DATABASE $hostil SET standard_conforming_strings = off"
  # The load itself reads its literals the standard way.
  PGOPTIONS="-c standard_conforming_strings=on" ZR_PG_BASE="$hostil" bash "$dir/carga-postgres.sh" "$archivo"
} >&2
driver=$(dpkg -L odbc-postgresql | grep -m1 '/psqlodbcw\.so$')
echo "Driver=$driver;Server=127.0.0.1;Port=$port;Database=$hostil;Uid=zr_dueno;Pwd=zr_dueno;"
