# Benchmark of Nimbrel's start-up with a full set of data against an empty
# one. Both are the real Nimbrel.exe under Wine with "timelimit" 0, so that
# each run starts, loads its files, scans the remembered folder, saves and
# ends by itself; the only difference is the data:
#   loaded: a data.txt of 10,000 lines, today's history file of 300 lines and
#           a remembered folder of 2,000 entries (200 folders, 1,800 files);
#   empty:  empty data files and an empty remembered folder.
# One warm-up run of each, then ROUNDS alternating runs; medians of the wall
# time. Run by scripts/bench from its work folder (BENCH_WORK, holding the
# built programs). Last line: "startup ratio R (goal 1.25)".
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib.sh"
rounds=${BENCH_ROUNDS:-9}
today=$(date +%Y%m%d)
run_limit=120

# program_folder NAME DATA_LINES HISTORY_LINES FOLDERS FILES: a program
# folder BENCH_WORK/NAME with its remembered folder BENCH_WORK/NAME-listed
# and master copies of the files a run rewrites (in NAME-master).
program_folder() {
  local dir="$BENCH_WORK/$1" listed="$BENCH_WORK/$1-listed" master="$BENCH_WORK/$1-master"
  mkdir -p "$dir" "$listed" "$master/recent"
  cp "$BENCH_WORK/Nimbrel.exe" "$dir/"
  # A stand-in that only notes its start, should the backup day be missed.
  cp "$BENCH_WORK/stowa_marker.exe" "$dir/stowa.exe"
  awk -v n="$2" 'BEGIN { for (i = 1; i <= n; i++)
    if (i % 5 == 0) printf "C:\\work\\project %d\\notes %d.txt\tkw%d\n", i % 97, i, i % 13;
    else printf "C:\\work\\project %d\\notes %d.txt\n", i % 97, i }' >"$master/data.txt"
  awk -v n="$3" 'BEGIN { for (i = 1; i <= n; i++) printf "C:\\work\\folder %d\tword %d\n", i, i }' \
    >"$master/recent/$today.txt"
  local i
  for ((i = 1; i <= $4; i++)); do mkdir "$listed/folder$i"; done
  (cd "$listed" && for ((i = 1; i <= $5; i++)); do : >"file$i.txt"; done)
  local now_dir
  now_dir=$(timeout "$run_limit" winepath -w "$listed" 2>/dev/null | tr -d "\r")
  printf '[etc]\r\ntimelimit=0\r\nbackup=%s\r\n[path]\r\nNowDir=%s\\*\r\n' "$today" "$now_dir" >"$master/Nimbrel.ini"
}

# run_once NAME: puts the master files back (the save rewrites them, and
# turns "timelimit" 0 into 5) and prints the seconds of one whole run.
run_once() {
  local dir="$BENCH_WORK/$1"
  cp -r "$BENCH_WORK/$1-master/." "$dir/"
  local start=$EPOCHREALTIME code=0
  (cd "$dir" && timeout "$run_limit" wine ./Nimbrel.exe >/dev/null 2>&1) || code=$?
  local end=$EPOCHREALTIME
  if [ "$code" -ne 0 ]; then
    echo "startup bench: the $1 run ended with code $code" >&2
    exit 1
  fi
  echo "$end - $start" | bc
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One Wine server for every run, so that each run pays only for its own
# process and not for starting the server.
end_wine
timeout "$run_limit" wineserver -p >/dev/null 2>&1 || true

program_folder loaded 10000 300 200 1800
program_folder empty 0 0 0 0
echo "loaded: data.txt $(wc -l <"$BENCH_WORK/loaded-master/data.txt") lines," \
  "history $(wc -l <"$BENCH_WORK/loaded-master/recent/$today.txt") lines," \
  "remembered folder $(ls "$BENCH_WORK/loaded-listed" | wc -l) entries"

run_once loaded >/dev/null
run_once empty >/dev/null
loaded=(); empty=()
for ((r = 0; r < rounds; r++)); do
  loaded+=("$(run_once loaded)")
  empty+=("$(run_once empty)")
done
for name in loaded empty; do
  if [ -e "$BENCH_WORK/$name/stowa-started.txt" ]; then
    echo "startup bench: the $name run started stowa" >&2
    exit 1
  fi
done

loaded_median=$(median "${loaded[@]}")
empty_median=$(median "${empty[@]}")
echo "empty:  median $empty_median s of ${empty[*]}"
echo "loaded: median $loaded_median s of ${loaded[*]}"
printf 'startup ratio %.2f (goal 1.25)\n' "$(echo "scale=4; $loaded_median / $empty_median" | bc)"
