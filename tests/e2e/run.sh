#!/usr/bin/env bash
# Runs every end-to-end test of the real executables under Xvfb and Wine.
# Usage: tests/e2e/run.sh [NAME_PATTERN]
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
export BUILD_WIN="$build_win"
pattern=${1:-}

wine_prefix_init
start_xvfb || exit 1
export E2E_TMP
E2E_TMP=$(mktemp -d /tmp/nimbrel-e2e.XXXXXX)
trap 'wineserver -k 2>/dev/null; stop_xvfb; rm -rf "$E2E_TMP"' EXIT

passed=0; failed=0
for t in "$here"/*_test.sh; do
  name=$(basename "$t" .sh)
  [ -n "$pattern" ] && [[ "$name" != *$pattern* ]] && continue
  echo "== $name"
  out=$(bash -c "source '$here/e2e_lib.sh'; source '$t'; e2e_done" 2>&1)
  printf '%s\n' "$out" | grep -v '^e2e_result '
  result=$(printf '%s\n' "$out" | grep '^e2e_result ' | tail -1)
  if [ -z "$result" ]; then
    echo "  FAIL $name ended early"; failed=$((failed + 1))
  else
    read -r _ p f <<<"$result"
    passed=$((passed + p)); failed=$((failed + f))
  fi
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
