#!/usr/bin/env bash
# On a real X server: a window destroyed by another client (a window manager's close,
# `xdotool windowclose`) is closed as "SALIR" closes it. The preview goes back to the query
# window, and the query window ends `zrconsgt mostrar` with code 0.
set -euo pipefail
zrconsgt=$1
tmp=$(mktemp -d)
xvfb=
mostrar=
limpia() {
  [ -n "$mostrar" ] && kill "$mostrar" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap limpia EXIT

exec 3>"$tmp/pantalla"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$tmp/pantalla" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/pantalla")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# The first window whose title holds $1, within 30 seconds.
ventana() {
  for _ in $(seq 300); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "no apareció la ventana \"$1\"" >&2
  return 1
}

cadena=$("$zrconsgt" demo "$tmp/demo")
"$zrconsgt" mostrar gastos --conexion "$cadena" --ruta "$tmp/demo" 2>"$tmp/errores" &
mostrar=$!
consulta=$(ventana "CONSULTAS DE GASTOS")

xdotool windowactivate --sync "$consulta" 2>/dev/null || xdotool windowfocus --sync "$consulta"
xdotool key --window "$consulta" F10
preview=$(ventana "VISTA PRELIMINAR")
xdotool windowclose "$preview"
for _ in $(seq 100); do
  xdotool search --onlyvisible --name "VISTA PRELIMINAR" >/dev/null 2>&1 || break
  sleep 0.1
done
kill -0 "$mostrar" || { echo "cerrar la vista preliminar terminó la consulta" >&2; exit 1; }

xdotool windowclose "$consulta"
for _ in $(seq 150); do kill -0 "$mostrar" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$mostrar" 2>/dev/null; then
  echo "zrconsgt mostrar sigue corriendo 15 s después de destruir su ventana" >&2
  exit 1
fi
codigo=0
wait "$mostrar" || codigo=$?
mostrar=
[ "$codigo" -eq 0 ] || { echo "zrconsgt mostrar terminó con código $codigo" >&2; cat "$tmp/errores" >&2; exit 1; }
[ -z "$(ls -A "$tmp/demo/Temp")" ] || { echo "quedaron archivos de página" >&2; exit 1; }
