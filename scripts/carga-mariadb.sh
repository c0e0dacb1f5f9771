#!/usr/bin/env bash
# Replaces the demo tables of the test database with a load script written by `zrconsgt demo --mariadb`.
# Usage: scripts/carga-mariadb.sh FILE.sql
set -euo pipefail
archivo=${1:?uso: carga-mariadb.sh ARCHIVO.sql}
source "$(dirname "$0")/servidor-mariadb.sh"
mariadb --no-defaults -h 127.0.0.1 -P "$puerto" -u zr_dueno -pzr_dueno "$base" <"$archivo" >/dev/null
