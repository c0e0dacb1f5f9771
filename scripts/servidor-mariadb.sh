# Sourced by the MariaDB scripts: the one private server the tests use and how to reach it.
base=${ZR_MARIADB_BASE:-${ZR_PG_BASE:-zrconsgt}}  # one database per work tree when several share the server
carpeta=${ZR_MARIADB_CARPETA:-/var/tmp/zrconsgt-mariadb}
socket=$carpeta/mariadbd.sock
puerto=${ZR_MARIADB_PUERTO:-3307}
vivo() { mariadb-admin --no-defaults --socket="$socket" -uroot ping >/dev/null 2>&1; }
admin() { mariadb --no-defaults --socket="$socket" -uroot "$@"; }
# The driver goes by its file, so the string works whether or not odbcinst.ini names it.
cadena() {
  local driver
  driver=$(dpkg -L odbc-mariadb | grep -m1 '/libmaodbc\.so$')
  echo "Driver=$driver;Server=127.0.0.1;Port=$puerto;Database=$base;Uid=$1;Pwd=$1;"
}
