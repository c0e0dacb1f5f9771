#!/usr/bin/env bash
# A second copy of the demo company on the test MariaDB server, reached with a login that may
# write. The server keeps its default sql_mode, where a backslash escapes a quote inside a literal;
# the injection tests run on it and prove nothing changed.
# Usage: scripts/mariadb-hostil.sh FILE.sql (written by `zrconsgt demo --mariadb`). Idempotent.
# Prints the ODBC connection string of the owner login, and nothing else on stdout.
set -euo pipefail
archivo=${1:?uso: mariadb-hostil.sh ARCHIVO.sql}
dir=$(dirname "$0")
bash "$dir/mariadb.sh" >/dev/null  # the server and the logins
source "$dir/servidor-mariadb.sh"
base="${base}_hostil"
{
  admin -e "CREATE DATABASE IF NOT EXISTS \`$base\` CHARACTER SET utf8mb4 COLLATE utf8mb4_bin;
    GRANT ALL ON \`$base\`.* TO 'zr_dueno'@'127.0.0.1';"
  ZR_MARIADB_BASE="$base" bash "$dir/carga-mariadb.sh" "$archivo"
} >&2
echo "$(cadena zr_dueno)"
