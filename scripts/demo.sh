#!/usr/bin/env bash
# The main job: sets up, builds, makes the demo company in ./demo (or the folder given) and opens
# "CONSULTAS DE GASTOS" on it. Without a display it renders the demo's creditor reports to PDF
# instead (the catalog in its four forms, Directorio/Parámetros x Detallado/Resumido, the balances
# as of today, the ledger of October 2025 in both forms, the movements and the petty cash in their
# four forms each) and the demo's treasury reports, and says where.
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
  echo "No se pudo abrir la ventana; se generan los reportes en PDF."
else
  echo "No hay pantalla (ni DISPLAY ni WAYLAND_DISPLAY): se generan los reportes en PDF."
fi

pdf="$destino/pdf"
reporte() {  # reporte FILE SETTING... : one report of the demo company to FILE.pdf
  local archivo="$pdf/$1.pdf"
  shift
  local ajustes=()
  for a in "$@"; do ajustes+=(--fijar "$a"); done
  "$zrconsgt" reporte --ventana "${ventana:-gastos}" --conexion "$conexion" --ruta "$destino" "${ajustes[@]}" \
    --pdf "$archivo" >/dev/null
  echo "  $archivo"
}
tesoreria() {  # tesoreria FILE SETTING... : the same from "CONSULTAS DE TESORERÍA"
  ventana=tesoreria reporte "$@"
}
for tipo in Directorio:directorio Parámetros:parametros; do
  for detalle in 0:detallado 1:resumido; do
    reporte "catalogo-${tipo#*:}-${detalle#*:}" "cmbTipCatalogo=${tipo%%:*}" "optTipo(${detalle%%:*})=1"
  done
done
reporte saldos cmbConsulta=3
mes=(cmbConsulta=1 "dtpFecha(0)=2025-10-01" "dtpFecha(1)=2025-10-31")
reporte auxiliar-detallado "${mes[@]}" "optTipo(0)=1"
reporte auxiliar-resumido "${mes[@]}" "optTipo(1)=1"
for orden in 0:acreedor 1:concepto; do
  for detalle in 0:detallado 1:resumido; do
    reporte "movimientos-${orden#*:}-${detalle#*:}" cmbConsulta=2 "dtpFecha(0)=2025-01-01" "dtpFecha(1)=2025-12-31" \
      "optOrden(${orden%%:*})=1" "optTipo(${detalle%%:*})=1"
  done
done
for orden in 0:folio 1:concepto; do
  for detalle in 0:detallado 1:resumido; do
    reporte "reposicion-${orden#*:}-${detalle#*:}" cmbConsulta=4 "dtpFecha(0)=2024-01-01" "dtpFecha(1)=2025-12-31" \
      "optOrden(${orden%%:*})=1" "optTipo(${detalle%%:*})=1"
  done
done
echo "Reportes de acreedores en PDF: $pdf"
marzo=("dtpFecha(0)=2025-03-01" "dtpFecha(1)=2025-03-31")
tesoreria catalogo-de-cuentas
tesoreria movimientos "cmbConsulta=Relación de Movimientos" "${marzo[@]}"
tesoreria auxiliar-de-cuentas "cmbConsulta=Aux. de Cuentas Bancarias" "${marzo[@]}"
tesoreria movimientos-por-aplicacion "cmbConsulta=Movimientos por Fecha de Aplicación" "${marzo[@]}"
tesoreria traspasos-a-terceros "cmbConsulta=Movimientos de Traspaso" cmbTras=1 "dtpFecha(0)=2025-01-01" \
  "dtpFecha(1)=2025-06-30"
tesoreria libro-de-bancos cmbConsulta=3 "dtpFecha(0)=2025-12-01" "dtpFecha(1)=2025-12-31"
tesoreria conciliaciones cmbConsulta=4 "dtpFecha(0)=2025-01-01" "dtpFecha(1)=2025-12-31"
tesoreria promedio-diario-febrero-2024 cmbConsulta=5 "cmbMeses(0)=1" "cmbAnios(0)=2024"
tesoreria promedio-mensual-nov-2024-mar-2025 cmbConsulta=6 "cmbMeses(1)=10" "cmbAnios(1)=2024" "cmbMeses(2)=2" \
  "cmbAnios(2)=2025"
echo "Reportes de tesorería en PDF: $pdf"
