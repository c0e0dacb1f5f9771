#!/usr/bin/env bash
# Proves the installed forms of the product from a built tree (default build/):
#  1. `cmake --install` into a staging prefix, then moved elsewhere: no build or source path left,
#     no RPATH, binaries stripped with their debug information beside them by build ID, the tool
#     small and using the library, which exports the C entry points only;
#  2. the host example built from the moved prefix with pkg-config and with find_package, and run;
#  3. the Debian packages built with CPack, unpacked into a scratch root, the tool run from there,
#     its manual page read, and lintian without errors or unexplained warnings;
#  4. with ZR_REPRODUCIBLE=1, the library and the tool built again in another folder (BUILD-reproducible,
#     kept for the next run), the way the first was (same compiler launcher and environment): the
#     same packages, byte for byte.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-${ZR_BUILD:-$raiz/build}}" && pwd)
tmp=$(mktemp -d /tmp/zrconsgt-instalacion.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
falla() { echo "instalacion.sh: $*" >&2; exit 1; }

libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
multiarch=$(gcc -print-multiarch)
cmake --install "$build" --prefix "$tmp/etapa" >/dev/null
mv "$tmp/etapa" "$tmp/prefijo"
p=$tmp/prefijo
lib=$p/$libdir

for f in "$lib/libZRConsGT.so" "$lib/libZRConsGT.so.6" "$p/include/zrconsgt.h" "$p/bin/zrconsgt" \
         "$lib/pkgconfig/zrconsgt.pc" "$lib/cmake/ZRConsGT/ZRConsGTConfigVersion.cmake" \
         "$p/share/man/man1/zrconsgt.1.gz" "$p/share/bash-completion/completions/zrconsgt"; do
  [ -e "$f" ] || falla "falta $f"
done
[ "$(ls "$p/include")" = zrconsgt.h ] || falla "cabeceras de más: $(ls "$p/include")"
[ "$(readlink "$lib/libZRConsGT.so")" = libZRConsGT.so.6 ] || falla "enlace de desarrollo"
readelf -d "$lib/libZRConsGT.so.6" | grep -q 'SONAME.*\[libZRConsGT\.so\.6\]' || falla "SONAME"
if grep -rlaF -e "$build" -e "$raiz" "$p"; then falla "rutas del árbol de compilación en la instalación"; fi
for elf in "$lib/libZRConsGT.so.6" "$p/bin/zrconsgt"; do
  if readelf -d "$elf" | grep -E 'RPATH|RUNPATH'; then falla "$elf lleva RPATH"; fi
done
# The tool's private entry is the one export besides the hosts' C entry points.
exportados=$(nm -D --defined-only "$lib/libZRConsGT.so.6" | awk '{print $3}' |
  grep -Ev '^(clsConsGT_[A-Za-z]+|zrconsgt_Herramienta|_edata|_end|__bss_start)$' || true)
[ -z "$exportados" ] || falla "la biblioteca exporta más que sus entradas C: $exportados"
readelf -d "$p/bin/zrconsgt" | grep -q 'NEEDED.*\[libZRConsGT\.so\.6\]' || falla "zrconsgt no usa la biblioteca"
[ "$(stat -c %s "$p/bin/zrconsgt")" -lt 100000 ] || falla "zrconsgt lleva su propia copia del código"
for elf in "$lib/libZRConsGT.so.6" "$p/bin/zrconsgt"; do
  if readelf -S "$elf" | grep -qE '\.debug_|\.symtab'; then falla "$elf no está despojado"; fi
  id=$(readelf -n "$elf" | sed -n 's/.*Build ID: //p')
  [ -s "$p/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || falla "falta la depuración de $elf"
done

demo=$tmp/demo
export ZR_RELOJ=2025-06-30T10:00:00  # one printing time for every run compared below
# Installed where the loader does not look: the tool finds the library through LD_LIBRARY_PATH.
herramienta() { LD_LIBRARY_PATH="$lib" "$p/bin/zrconsgt" "$@"; }
conexion=$(herramienta demo "$demo")
# The example runs a report through the headless entry with no display, then its listing must be
# the tool's, line for line.
herramienta reporte --conexion "$conexion" --ruta "$demo" --fijar cmbTipCatalogo=Parámetros \
  --fijar "optTipo(1)=1" --listado "$tmp/herramienta.jsonl" >/dev/null
anfitrion() {
  local n=$1
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LD_LIBRARY_PATH="$lib" \
    "$2" "$conexion" "$demo" "$tmp/$n.jsonl" "$tmp/$n.pdf" | grep -qx "Páginas: $(head -n 1 "$tmp/herramienta.jsonl" | tr -dc 0-9)" ||
    falla "el ejemplo ($n) no dio las páginas de la herramienta"
  cmp -s "$tmp/$n.jsonl" "$tmp/herramienta.jsonl" || falla "el listado del ejemplo ($n) no es el de la herramienta"
  [ "$(head -c 4 "$tmp/$n.pdf")" = %PDF ] || falla "el ejemplo ($n) no escribió el PDF"
}

export PKG_CONFIG_PATH=$lib/pkgconfig
# shellcheck disable=SC2046
gcc -Wall -Wextra -Werror "$raiz/examples/anfitrion/anfitrion.c" $(pkg-config --cflags --libs zrconsgt) \
  -o "$tmp/anfitrion-pc"
anfitrion pkg-config "$tmp/anfitrion-pc"

cmake -S "$raiz/examples/anfitrion" -B "$tmp/ejemplo" -G Ninja -DCMAKE_PREFIX_PATH="$p" >/dev/null
ninja -C "$tmp/ejemplo" >/dev/null
anfitrion cmake "$tmp/ejemplo/anfitrion"
echo "Instalación en un prefijo movido: bien; ejemplo con pkg-config y con CMake: bien"

(cd "$build" && cpack -G DEB -B "$tmp/deb" >/dev/null)
rm -rf "$tmp/deb/_CPack_Packages"
raizx=$tmp/raiz
for deb in "$tmp"/deb/*.deb; do
  dpkg-deb -x "$deb" "$raizx"
  echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
done
for paquete in libzrconsgt6 libzrconsgt-dev zrconsgt zrconsgt-dbg; do
  ls "$tmp"/deb/${paquete}_*.deb >/dev/null || falla "falta el paquete $paquete"
  [ -f "$raizx/usr/share/doc/$paquete/copyright" ] && [ -f "$raizx/usr/share/doc/$paquete/changelog.Debian.gz" ] ||
    falla "$paquete sin copyright o changelog"
done
dpkg-deb -f "$tmp"/deb/libzrconsgt6_*.deb Depends | grep -q libqt6 || falla "libzrconsgt6 sin dependencias calculadas"
dpkg-deb -f "$tmp"/deb/zrconsgt_*.deb Depends | grep -q 'libzrconsgt6 (= ' || falla "zrconsgt no depende de libzrconsgt6"
MANPATH="$raizx/usr/share/man" man zrconsgt 2>/dev/null | grep -q 'zrconsgt controles' || falla "man zrconsgt no abre"
# Errors fail the check, and so does a warning nobody explained in the package's overrides.
lintian --fail-on error,warning "$tmp"/deb/*.deb || falla "lintian"
de_paquetes() { LD_LIBRARY_PATH="$raizx/usr/lib/$multiarch" "$raizx/usr/bin/zrconsgt" "$@"; }
sqlite=$(de_paquetes demo "$tmp/demo-deb")
de_paquetes reporte --conexion "$sqlite" \
  --ruta "$tmp/demo-deb" --pdf "$tmp/catalogo.pdf" >/dev/null
[ -s "$tmp/catalogo.pdf" ] || falla "la herramienta de los paquetes no escribió el PDF"
de_paquetes --version | grep -qx 'Biblioteca: libZRConsGT\.so\.6' || falla "zrconsgt --version no nombra la biblioteca"
if [ -n "${ZR_PAQUETES:-}" ]; then mkdir -p "$ZR_PAQUETES" && cp "$tmp"/deb/*.deb "$ZR_PAQUETES"/; fi
echo "Paquetes Debian desempaquetados, la herramienta instalada ejecutada, lintian: bien"

if [ "${ZR_REPRODUCIBLE:-0}" = 1 ]; then
  # Only what the packages hold is built again: no tests, benchmark or fuzz targets.
  segunda=$build-reproducible
  de_la_primera() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
  cmake -S "$raiz" -B "$segunda" -G Ninja -DCMAKE_BUILD_TYPE="$(de_la_primera CMAKE_BUILD_TYPE)" -DZR_TESTS=OFF \
    "-DZR_OMITE=bench;fuzz" "-DZR_MANTENEDOR=$(de_la_primera ZR_MANTENEDOR)" \
    "-DCMAKE_C_COMPILER_LAUNCHER=$(de_la_primera CMAKE_C_COMPILER_LAUNCHER)" \
    "-DCMAKE_CXX_COMPILER_LAUNCHER=$(de_la_primera CMAKE_CXX_COMPILER_LAUNCHER)" >/dev/null
  inicio=$SECONDS
  ninja -C "$segunda" >/dev/null
  echo "Segunda compilación: $((SECONDS - inicio)) s"
  (cd "$segunda" && cpack -G DEB -B "$tmp/deb2" >/dev/null)
  for deb in "$tmp"/deb/*.deb; do
    cmp "$deb" "$tmp/deb2/$(basename "$deb")" || falla "$(basename "$deb") cambia con la carpeta de compilación"
  done
  echo "Dos compilaciones en carpetas distintas dan los mismos paquetes: bien"
fi
