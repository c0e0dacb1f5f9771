#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with. Idempotent: when every
# package is already there it only checks and returns.
set -euo pipefail

paquetes=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-translations-l10n
  libsqlite3-dev
  unixodbc-dev odbc-postgresql tdsodbc
  postgresql
  mariadb-server odbc-mariadb
  libuemf-dev
  fonts-liberation2
  googletest libgtest-dev libgmock-dev
  dpkg-dev file
  lintian man-db
  libdeflate-dev  # the PDF's streams
  libxlsxwriter-dev python3-openpyxl python3-pypdf poppler-utils qpdf
  xvfb xdotool
  default-jre-headless libpdfbox2-java libactivation-java libjaxb-api-java  # the PDF/A validator
  python3-reportlab  # the benchmark's yardstick for the PDF (bench/parametros_reportlab.py)
)

faltan=()
for p in "${paquetes[@]}"; do
  estado=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$estado" = "install ok installed" ] || faltan+=("$p")
done

if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}" >/dev/null
fi
