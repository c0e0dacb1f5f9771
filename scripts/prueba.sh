#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: build, PostgreSQL and MariaDB with the demo
# company, then every test on SQLite and on the servers.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${ZR_BUILD:-$raiz/build}

bash "$raiz/scripts/setup.sh"
# ccache lets the second build of instalacion.sh, in another folder, take the objects of this one,
# as the compiler maps the folder away. No CCACHE_BASEDIR: it would hand the compiler relative
# paths, which the map does not cover, and the objects would differ from a build without ccache.
unset CCACHE_BASEDIR
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
ninja -C "$build"

pg=$(bash "$raiz/scripts/postgres.sh")
if [[ "$pg" != Driver=* || "$pg" == *$'\n'* ]]; then
  echo "scripts/postgres.sh no devolvió una cadena de conexión: $pg" >&2
  exit 1
fi
demo=$(mktemp -d /tmp/zrconsgt-demo.XXXXXX)
trap 'rm -rf "$demo"' EXIT
sqlite=$("$build/app/zrconsgt" demo "$demo" --postgres "$demo/postgres.sql" --mariadb "$demo/mariadb.sql")
bash "$raiz/scripts/carga-postgres.sh" "$demo/postgres.sql"
mariadb=$(bash "$raiz/scripts/mariadb.sh")
bash "$raiz/scripts/carga-mariadb.sh" "$demo/mariadb.sql"
# The same company where a backslash escapes a quote, through a login that may write.
hostil=$(bash "$raiz/scripts/postgres-hostil.sh" "$demo/postgres.sql")
mariadb_hostil=$(bash "$raiz/scripts/mariadb-hostil.sh" "$demo/mariadb.sql")

export ZR_PG_CONEXION="$pg" ZR_PG_HOSTIL="$hostil" ZR_SQLITE_DEMO="$sqlite" ZR_REQUIERE_PG=1
export ZR_MARIADB_CONEXION="$mariadb" ZR_MARIADB_HOSTIL="$mariadb_hostil" ZR_REQUIERE_MARIADB=1
(cd "$build" && ctest --output-on-failure -j2 --timeout 300)

# The installed tree, the host example built against it, the Debian packages, lintian, and the
# same packages from a second build in another folder.
ZR_REPRODUCIBLE=1 bash "$raiz/scripts/instalacion.sh" "$build"

# The same suites of every layer below the Qt views, under the address and undefined-behaviour
# sanitizers (the views, the command line and the benchmark need no second build).
if [ "${ZR_SIN_SANITIZADORES:-0}" != 1 ]; then
  cmake -S "$raiz" -B "$build-san" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZR_SANITIZE=ON \
    "-DZR_OMITE=render;ui;app;bench;tests/demo" >/dev/null
  ninja -C "$build-san"
  (cd "$build-san" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j2 --timeout 600)
fi
