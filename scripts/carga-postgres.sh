#!/usr/bin/env bash
# Replaces the contents of the test database with a load script written by `zrconsgt demo --postgres`.
# Usage: scripts/carga-postgres.sh FILE.sql
set -euo pipefail
archivo=${1:?uso: carga-postgres.sh ARCHIVO.sql}
source "$(dirname "$0")/cluster.sh"
port=$(puerto)
PGOPTIONS="-c client_min_messages=warning" runuser -u postgres -- psql -p "$port" -q -v ON_ERROR_STOP=1 -d "$base" -c "
  DROP SCHEMA IF EXISTS public CASCADE;
  CREATE SCHEMA public AUTHORIZATION zr_dueno;
  GRANT USAGE ON SCHEMA public TO zr_lector;
  ALTER DEFAULT PRIVILEGES FOR ROLE zr_dueno IN SCHEMA public GRANT SELECT ON TABLES TO zr_lector;" >/dev/null
PGPASSWORD=zr_dueno psql -h 127.0.0.1 -p "$port" -U zr_dueno -d "$base" -q -v ON_ERROR_STOP=1 -f "$archivo" >/dev/null
