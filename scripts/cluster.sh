# Sourced by the PostgreSQL scripts: the one cluster the tests use, the newest installed version's "main".
base=${ZR_PG_BASE:-zrconsgt}  # one database per work tree when several share the cluster
version=$(ls /usr/lib/postgresql | sort -V | tail -n 1)
cluster=main
puerto() { pg_lsclusters -h | awk -v v="$version" -v c="$cluster" '$1==v && $2==c {print $3}'; }
