#!/usr/bin/env bash
# Runs every benchmark of the host Release build (BUILD/bench/bench/bench_*),
# then the benchmark scripts (bench/*/run-*.sh) that time programs under Wine.
# Usage: bench/run.sh BUILD [filter]
set -u
build=$1 filter=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
rc=0
for b in "$build"/bench/bench/bench_*; do
  [ -x "$b" ] || continue
  case "$(basename "$b")" in *"$filter"*) ;; *) continue ;; esac
  echo "== $(basename "$b")"
  "$b" || rc=1
done
for s in "$here"/*/run-*.sh; do
  [ -x "$s" ] || continue
  case "$(basename "$s")" in *"$filter"*) ;; *) continue ;; esac
  echo "== $(basename "$s")"
  "$s" "$build" || rc=1
done
exit $rc
