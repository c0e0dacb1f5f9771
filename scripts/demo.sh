#!/usr/bin/env bash
# The main job: sets up, builds, makes the demo company in ./demo (or the folder given) and opens
# "CONSULTAS DE GASTOS" on it. Without a display it renders the demo's creditor catalog in its four
# forms (Directorio/Parámetros x Detallado/Resumido) to PDF instead and says where.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${ZR_BUILD:-$raiz/build}
destino=${1:-$raiz/demo}

bash "$raiz/scripts/setup.sh"
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" zrconsgt ZRConsGT6 >/dev/null

zrconsgt="$build/app/zrconsgt"
conexion=$("$zrconsgt" demo "$destino")
destino=$(cd "$destino" && pwd)
echo "Empresa de demostración lista en: $destino"
echo "Cadena de conexión: $conexion"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo 'Abriendo "CONSULTAS DE GASTOS"; la ventana se cierra con SALIR [ESC].'
  if "$zrconsgt" mostrar gastos --conexion "$conexion" --ruta "$destino"; then
    exit 0
  fi
  echo "No se pudo abrir la ventana; se genera el catálogo en PDF."
else
  echo "No hay pantalla (ni DISPLAY ni WAYLAND_DISPLAY): se genera el catálogo en PDF."
fi

pdf="$destino/pdf"
for tipo in Directorio:directorio Parámetros:parametros; do
  for detalle in 0:detallado 1:resumido; do
    archivo="$pdf/catalogo-${tipo#*:}-${detalle#*:}.pdf"
    "$zrconsgt" reporte --conexion "$conexion" --ruta "$destino" \
      --fijar "cmbTipCatalogo=${tipo%%:*}" --fijar "optTipo(${detalle%%:*})=1" --pdf "$archivo" >/dev/null
    echo "  $archivo"
  done
done
echo "Catálogo de Acreedores en PDF, en sus cuatro formas: $pdf"
