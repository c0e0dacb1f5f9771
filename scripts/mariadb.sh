#!/usr/bin/env bash
# Starts the private MariaDB server the tests use (its own data folder, socket and port; no system
# service is touched) and makes sure the database and its two logins exist: zr_dueno owns and
# loads the data, zr_lector may only SELECT (what the component uses). Idempotent.
# Prints the ODBC connection string of the read-only login, and nothing else on stdout.
set -euo pipefail

source "$(dirname "$0")/servidor-mariadb.sh"

prepara() {
  if ! vivo; then
    if [ ! -d "$carpeta/datos/mysql" ]; then
      rm -rf "$carpeta/datos"
      install -d -o mysql -g mysql "$carpeta" "$carpeta/datos"
      mariadb-install-db --no-defaults --user=mysql --datadir="$carpeta/datos" --skip-test-db \
        --auth-root-authentication-method=socket >"$carpeta/instalacion.log" 2>&1
    fi
    # setsid: the server outlives this script and is not tied to the caller's terminal.
    setsid mariadbd --no-defaults --user=mysql --datadir="$carpeta/datos" --socket="$socket" \
      --port="$puerto" --bind-address=127.0.0.1 --pid-file="$carpeta/mariadbd.pid" \
      --log-error="$carpeta/error.log" --skip-log-bin --character-set-server=utf8mb4 \
      --collation-server=utf8mb4_bin --innodb-buffer-pool-size=64M --innodb-flush-log-at-trx-commit=2 \
      </dev/null >/dev/null 2>&1 &
    for _ in $(seq 1 60); do
      vivo && break
      sleep 0.5
    done
    vivo || { echo "MariaDB no arrancó; véase $carpeta/error.log" >&2; exit 1; }
  fi
  admin -e "CREATE DATABASE IF NOT EXISTS \`$base\` CHARACTER SET utf8mb4 COLLATE utf8mb4_bin;
    CREATE USER IF NOT EXISTS 'zr_dueno'@'127.0.0.1' IDENTIFIED BY 'zr_dueno';
    CREATE USER IF NOT EXISTS 'zr_lector'@'127.0.0.1' IDENTIFIED BY 'zr_lector';
    GRANT ALL ON \`$base\`.* TO 'zr_dueno'@'127.0.0.1';
    GRANT SELECT ON \`$base\`.* TO 'zr_lector'@'127.0.0.1';"
}
prepara >&2

echo "$(cadena zr_lector)"
