#!/usr/bin/env bash
# The main job: sets up, builds, and makes the demo company in ./demo (or the folder given).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${ZR_BUILD:-$raiz/build}
destino=${1:-$raiz/demo}

bash "$raiz/scripts/setup.sh"
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" zrconsgt ZRConsGT6 >/dev/null

conexion=$("$build/app/zrconsgt" demo "$destino")
echo "Empresa de demostración lista en: $destino"
echo "Cadena de conexión: $conexion"
