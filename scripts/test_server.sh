# Sourced by test.sh (or by a developer's shell before running ctest by hand): starts a
# throwaway PostgreSQL cluster for the tests and benchmarks of the server store and
# exports where to reach it. The cluster lives in a temporary folder, listens only on a
# Unix socket in that folder, trusts every local user, and is stopped and removed when
# the shell exits.

pg_bin="${YZ_PG_BIN:-/usr/lib/postgresql/15/bin}"

# Runs a command as the owner of the cluster: the `postgres` system user when running as
# root (the server refuses to run as root), the current user otherwise.
as_cluster_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

stop_test_server() {
  if [ -n "${yz_pg_dir:-}" ] && [ -d "$yz_pg_dir" ]; then
    as_cluster_owner "$pg_bin/pg_ctl" -D "$yz_pg_dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$yz_pg_dir"
  fi
}

start_test_server() {
  yz_pg_dir="$(mktemp -d /tmp/yz-pg.XXXXXX)"
  trap stop_test_server EXIT
  if [ "$(id -u)" -eq 0 ]; then
    chown postgres:postgres "$yz_pg_dir"
  fi
  as_cluster_owner "$pg_bin/initdb" -D "$yz_pg_dir/data" -U postgres -A trust -E UTF8 \
    --locale=C.UTF-8 --no-sync >"$yz_pg_dir/initdb.log" 2>&1 || {
    cat "$yz_pg_dir/initdb.log"
    return 1
  }
  as_cluster_owner "$pg_bin/pg_ctl" -D "$yz_pg_dir/data" -l "$yz_pg_dir/server.log" -w \
    -o "-c listen_addresses='' -c unix_socket_directories='$yz_pg_dir' -c max_connections=200" \
    start >/dev/null || {
    cat "$yz_pg_dir/server.log"
    return 1
  }
  export YZ_TEST_PG_HOST="$yz_pg_dir"
  export YZ_TEST_PG_PORT=5432
  export YZ_TEST_PG_USER=postgres
  echo "Test server: socket in $yz_pg_dir"
}
