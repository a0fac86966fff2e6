#!/usr/bin/env bash
# Runs every end-to-end test of the real executables under Xvfb and Wine.
# Usage: tests/e2e/run.sh [NAME_PATTERN]
# Each test file has E2E_FILE_LIMIT seconds (600 unless set); one that runs
# longer is ended, named and counted as a failure.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
export BUILD_WIN="$build_win"
pattern=${1:-}
file_limit=${E2E_FILE_LIMIT:-600}

wine_prefix_init
start_xvfb || exit 1
export E2E_TMP
E2E_TMP=$(mktemp -d /tmp/nimbrel-e2e.XXXXXX)
trap 'end_wine; stop_xvfb; rm -rf "$E2E_TMP"' EXIT

passed=0; failed=0
for t in "$here"/*_test.sh; do
  name=$(basename "$t" .sh)
  [ -n "$pattern" ] && [[ "$name" != *$pattern* ]] && continue
  echo "== $name"
  # Into a file, not a pipe: a program left running by an ended test could
  # hold a pipe open and keep this loop waiting.
  out_file="$E2E_TMP/$name.out"
  began=$SECONDS
  timeout -k 10 "$file_limit" bash -c "source '$here/e2e_lib.sh'; source '$t'; e2e_done" >"$out_file" 2>&1
  code=$?
  grep -v '^e2e_result ' "$out_file"
  result=$(grep '^e2e_result ' "$out_file" | tail -1)
  if [ "$code" -eq 124 ] || [ "$code" -eq 137 ]; then
    echo "  FAIL $name hit its time limit of $file_limit s"; failed=$((failed + 1))
  elif [ -z "$result" ]; then
    echo "  FAIL $name ended early"; failed=$((failed + 1))
  else
    read -r _ p f <<<"$result"
    passed=$((passed + p)); failed=$((failed + f))
  fi
  echo "   ($((SECONDS - began)) s)"
  end_wine
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
