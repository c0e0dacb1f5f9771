#!/usr/bin/env bash
# Starts the local PostgreSQL cluster used by the tests and makes sure the two roles and the
# database exist: zr_dueno owns and loads the data, zr_lector may only SELECT (what the component uses).
# Idempotent. Prints the ODBC connection string of the read-only role, and nothing else on stdout.
set -euo pipefail

source "$(dirname "$0")/cluster.sh"

prepara() {
  if ! pg_lsclusters -h | awk '{print $1"/"$2}' | grep -qx "$version/$cluster"; then
    pg_createcluster "$version" "$cluster"
  fi
  if ! pg_lsclusters -h | awk -v v="$version" -v c="$cluster" '$1==v && $2==c {print $4}' | grep -qx online; then
    pg_ctlcluster "$version" "$cluster" start
  fi

  local port
  port=$(puerto)
  psql_admin() { runuser -u postgres -- psql -p "$port" -v ON_ERROR_STOP=1 -qtA "$@"; }
  psql_admin -c "DO \$\$BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname='zr_dueno') THEN
      CREATE ROLE zr_dueno LOGIN PASSWORD 'zr_dueno'; END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname='zr_lector') THEN
      CREATE ROLE zr_lector LOGIN PASSWORD 'zr_lector'; END IF;
  END\$\$;"
  if [ "$(psql_admin -c "SELECT 1 FROM pg_database WHERE datname='$base'")" != 1 ]; then
    psql_admin -c "CREATE DATABASE $base OWNER zr_dueno ENCODING 'UTF8' TEMPLATE template0"
  fi
  psql_admin -d "$base" -c "REVOKE CREATE ON SCHEMA public FROM PUBLIC;
    GRANT USAGE ON SCHEMA public TO zr_lector;
    ALTER DEFAULT PRIVILEGES FOR ROLE zr_dueno IN SCHEMA public GRANT SELECT ON TABLES TO zr_lector;
    GRANT SELECT ON ALL TABLES IN SCHEMA public TO zr_lector;
    ALTER ROLE zr_lector SET default_transaction_read_only = on;"
}
# Callers take stdout as the connection string, so whatever the cluster tools say
# ("Removed stale pid file.", notices) goes to stderr.
prepara >&2

# The driver goes by its file, so the string works whether or not odbcinst.ini names it.
driver=$(dpkg -L odbc-postgresql | grep -m1 '/psqlodbcw\.so$')
echo "Driver=$driver;Server=127.0.0.1;Port=$(puerto);Database=$base;Uid=zr_lector;Pwd=zr_lector;"
