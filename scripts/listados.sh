#!/usr/bin/env bash
# Every form of every report of both windows, on the demo company at scales 1 and 10, printed as a
# listing and compared by its SHA-256 digest with scripts/listados.sha256: a change of code that
# should print the same proves it does. --actualiza writes the digests of this build instead, for
# a change that means to print something else (say why in its commit).
#
# Usage: listados.sh ZRCONSGT [--actualiza]
# A form is one line below: its name, its window, then its settings (CONTROL=VALOR as --fijar
# takes it; +CONTROL:CLAVE ticks a tree node as --marcar does).
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
zrconsgt=${1:?"uso: listados.sh ZRCONSGT [--actualiza]"}
actualiza=${2:-}
guardados="$raiz/scripts/listados.sha256"
export ZR_RELOJ=2025-11-15T10:00:00 LC_ALL=C.UTF-8  # one printing day: "today" is a filter too

formas() {
  local A='dtpFecha(0)=2025-01-01 dtpFecha(1)=2025-12-31'
  local OCT='dtpFecha(0)=2025-10-01 dtpFecha(1)=2025-10-31'
  local MAR='dtpFecha(0)=2025-03-01 dtpFecha(1)=2025-03-31'
  local CAJA='cmbConsulta=4 dtpFecha(0)=2024-01-01 dtpFecha(1)=2025-12-31'
  local MOV="cmbConsulta=2 $A"
  cat <<EOF
directorio-detallado gastos cmbTipCatalogo=Directorio optTipo(0)=1
directorio-resumido gastos cmbTipCatalogo=Directorio optTipo(1)=1
directorio-agrupado gastos cmbTipCatalogo=Directorio +tvwGral(0):G1 +tvwGral(0):G3
directorio-un-acreedor gastos cmbTipCatalogo=Directorio txtCodAcreedor=ACR0002
parametros-detallado gastos cmbTipCatalogo=Parámetros optTipo(0)=1
parametros-resumido gastos cmbTipCatalogo=Parámetros optTipo(1)=1
parametros-agrupado gastos cmbTipCatalogo=Parámetros +tvwGral(0):G1
parametros-agrupado-resumido gastos cmbTipCatalogo=Parámetros optTipo(1)=1 +tvwGral(0):G2
parametros-por-ciudad gastos cmbTipCatalogo=Parámetros chkRegion=1 cmbRegion(0)=Guadalajara
saldos gastos cmbConsulta=3
saldos-sin-saldo gastos cmbConsulta=3 chkSinSaldo=1
saldos-agrupado gastos cmbConsulta=3 +tvwGral(0):G1 +tvwGral(0):G4
saldos-un-acreedor gastos cmbConsulta=3 txtCodAcreedor=ACR0003 chkSinSaldo=1
auxiliar-detallado gastos cmbConsulta=1 $OCT optTipo(0)=1
auxiliar-resumido gastos cmbConsulta=1 $OCT optTipo(1)=1
auxiliar-sin-movimientos gastos cmbConsulta=1 $OCT chkSinMovtos=1 chkSinSaldo=1
auxiliar-agrupado gastos cmbConsulta=1 $A +tvwGral(0):G1
auxiliar-agrupado-resumido gastos cmbConsulta=1 $A optTipo(1)=1 +tvwGral(0):G2 chkSinMovtos=1
auxiliar-por-ciudad gastos cmbConsulta=1 $A chkRegion=1 cmbRegion(0)=Guadalajara
movimientos-acreedor-detallado gastos $MOV optOrden(0)=1 optTipo(0)=1
movimientos-acreedor-resumido gastos $MOV optOrden(0)=1 optTipo(1)=1
movimientos-concepto-detallado gastos $MOV optOrden(1)=1 optTipo(0)=1
movimientos-concepto-resumido gastos $MOV optOrden(1)=1 optTipo(1)=1
movimientos-agrupado gastos $MOV +tvwGral(0):G1
movimientos-agrupado-resumido gastos $MOV optTipo(1)=1 +tvwGral(0):G3
movimientos-cancelados gastos $MOV chkStatus(0)=0 chkStatus(1)=1
movimientos-aplicados-por-concepto gastos $MOV optOrden(1)=1 chkStatus(0)=1 +tvwGral(1):APAPEL +tvwGral(1):ALUZ
movimientos-un-acreedor gastos $MOV txtCodAcreedor=ACR0005 chkStatus(0)=1 chkStatus(1)=1
movimientos-por-ciudad gastos $MOV chkRegion=1 cmbRegion(0)=Monterrey
reposicion-folio-detallado gastos $CAJA optOrden(0)=1 optTipo(0)=1
reposicion-folio-resumido gastos $CAJA optOrden(0)=1 optTipo(1)=1
reposicion-concepto-detallado gastos $CAJA optOrden(1)=1 optTipo(0)=1
reposicion-concepto-resumido gastos $CAJA optOrden(1)=1 optTipo(1)=1
reposicion-un-cheque gastos $CAJA txtFolioCheque=0000002
reposicion-conceptos-elegidos gastos $CAJA optOrden(1)=1 +tvwGral(1):ACAFET +tvwGral(1):AVIATI
catalogo-de-cuentas tesoreria cmbConsulta=0
catalogo-de-cuentas-un-banco tesoreria cmbConsulta=0 cmbBancos=2
movimientos tesoreria cmbConsulta=1 $MAR
movimientos-resumido tesoreria cmbConsulta=1 $A optTipo(1)=1
movimientos-en-transito tesoreria cmbConsulta=1 $A chkEnTransito=1
movimientos-conciliados tesoreria cmbConsulta=1 $MAR chkConciliados=1 cmbBancos=1
movimientos-cancelados tesoreria cmbConsulta=1 $A optEstatus(1)=1
movimientos-un-concepto tesoreria cmbConsulta=1 $A cmbConceptos(0)=1
movimientos-una-cuenta tesoreria cmbConsulta=1 $A cmbBancos=1 cmbCuentas=1 chkPosfechados=1
auxiliar-de-cuentas tesoreria cmbConsulta=2 $MAR
auxiliar-de-cuentas-resumido tesoreria cmbConsulta=2 $A optTipo(1)=1
auxiliar-de-cuentas-sin-movimientos tesoreria cmbConsulta=2 $MAR chkSinMovimientos=1 cmbBancos=3
libro-de-bancos tesoreria cmbConsulta=3 dtpFecha(0)=2025-12-01 dtpFecha(1)=2025-12-31
libro-de-bancos-un-folio tesoreria cmbConsulta=3 cmbConciliaciones=0100017000-2511
conciliaciones tesoreria cmbConsulta=4 $A
conciliaciones-un-banco tesoreria cmbConsulta=4 dtpFecha(0)=2024-01-01 dtpFecha(1)=2025-12-31 cmbBancos=2
promedio-diario tesoreria cmbConsulta=5 cmbMeses(0)=1 cmbAnios(0)=2024
promedio-diario-un-banco tesoreria cmbConsulta=5 cmbMeses(0)=9 cmbAnios(0)=2025 cmbBancos=4
promedio-mensual tesoreria cmbConsulta=6 cmbMeses(1)=10 cmbAnios(1)=2024 cmbMeses(2)=2 cmbAnios(2)=2025
promedio-mensual-una-cuenta tesoreria cmbConsulta=6 cmbMeses(1)=0 cmbAnios(1)=2024 cmbMeses(2)=11 cmbAnios(2)=2025 cmbBancos=1 cmbCuentas=1
movimientos-por-aplicacion tesoreria cmbConsulta=7 $MAR
movimientos-por-aplicacion-resumido tesoreria cmbConsulta=7 $A optTipo(1)=1
traspasos tesoreria cmbConsulta=8 $A
traspasos-a-terceros tesoreria cmbConsulta=8 cmbTras=1 dtpFecha(0)=2025-01-01 dtpFecha(1)=2025-06-30
EOF
}

trabajo=$(mktemp -d /tmp/zrconsgt-listados.XXXXXX)
trap 'rm -rf "$trabajo"' EXIT

# One scale: its demo company, then each form's listing digest as "ESCALA FORMA DIGEST".
escala() {
  local n=$1 demo="$trabajo/escala-$1" cadena
  cadena=$("$zrconsgt" demo "$demo" --escala "$n")
  formas | while read -r nombre ventana ajustes; do
    local args=() a
    for a in $ajustes; do
      if [[ $a == +* ]]; then args+=(--marcar "${a#+}"); else args+=(--fijar "$a"); fi
    done
    local listado="$demo/$nombre.jsonl"
    if ! "$zrconsgt" reporte --ventana "$ventana" --conexion "$cadena" --ruta "$demo" "${args[@]}" \
      --listado "$listado" >"$demo/$nombre.salida" 2>&1; then
      echo "$n $nombre FALLA: $(tr '\n' ' ' <"$demo/$nombre.salida")"
      continue
    fi
    # What the page shows: the marks saying what its lines hold are checked by the exports' tests.
    echo "$n $nombre $(grep -v -e '"op":"mark"' -e '"op":"value"' "$listado" | sha256sum | cut -d' ' -f1)"
    rm -f "$listado"
  done >"$trabajo/digestos-$n"
}

# The two scales side by side: one core each.
escala 1 & uno=$!
escala 10 & diez=$!
wait "$uno" "$diez"
cat "$trabajo/digestos-1" "$trabajo/digestos-10" >"$trabajo/digestos"

if grep -q ' FALLA: ' "$trabajo/digestos"; then
  grep ' FALLA: ' "$trabajo/digestos" >&2
  exit 1
fi
if [ "$actualiza" = --actualiza ]; then
  cp "$trabajo/digestos" "$guardados"
  echo "$(wc -l <"$guardados") listados guardados en $guardados"
  exit 0
fi
if ! diff -u "$guardados" "$trabajo/digestos"; then
  echo "Los listados de arriba cambiaron (- guardado, + de esta compilación)." >&2
  exit 1
fi
echo "$(wc -l <"$guardados") listados idénticos a los guardados"
