#!/usr/bin/env bash
# Plays COUNT random scenario scripts (seeds FIRST_SEED, FIRST_SEED + 1, ...) on the
# in-memory driver and on each real front end, and compares exit status and snapshots
# byte for byte. For each difference it prints the script's path and the first key that
# differs; the exit status is 1 when there was any.
#
# Usage: fidelity.sh [--session SESSION_DIR] GENERATOR MEMORY_DRIVER SNAPSHOT_DIFF WORK
#                    FIRST_SEED COUNT FRONT_END...
# FRONT_END is NAME=DRIVER. A driver ending in ".exe" is played under Wine; a front end
# whose driver has not been built is left out. The front ends play on one virtual X
# display with one Wine prefix: the session of SESSION_DIR (wine_session.sh start), or
# one started here and stopped at the end. A front end whose driver does not inject file
# failures (it ignores "fail" lines) skips the scripts that have them.
# Everything stays in WORK: scripts/, the snapshots per driver, differences.txt.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
session=
if [ "${1:-}" = --session ]; then
  session=$2
  shift 2
fi
[ $# -ge 6 ] || {
  sed -n '7,10p' "$0" >&2
  exit 2
}
generator=$(realpath "$1") memory_driver=$(realpath "$2") snapshot_diff=$(realpath "$3")
work=$4 first=$5 count=$6
shift 6
rm -rf "$work" && mkdir -p "$work/scripts" && work=$(realpath "$work")
started=$SECONDS

names=() drivers=()
for front_end in "$@"; do
  if [ -f "${front_end#*=}" ]; then
    names+=("${front_end%%=*}")
    drivers+=("$(realpath "${front_end#*=}")")
  else
    echo "${front_end%%=*}: no driver ${front_end#*=}, left out"
  fi
done

# Plays SCRIPT with front end NAME (or "memory") in an empty folder; the snapshots go to
# WORK/NAME/BASE.jsonl, the exit status to WORK/NAME/BASE.status.
play() { # NAME DRIVER SCRIPT
  local name=$1 driver=$2 script=$3 base status=0
  base=$(basename "$3" .script)
  mkdir -p "$work/$name"
  rm -rf "$work/play" && mkdir "$work/play"
  if [[ $driver == *.exe ]]; then
    (cd "$work/play" && timeout 120 wine "$driver" "$script" </dev/null \
      >"$work/$name/$base.jsonl" 2>"$work/$name/$base.stderr") || status=$?
  else
    (cd "$work/play" && timeout 120 "$driver" "$script" </dev/null \
      >"$work/$name/$base.jsonl" 2>"$work/$name/$base.stderr") || status=$?
  fi
  echo "$status" >"$work/$name/$base.status"
}

# Compares front end NAME's result for BASE with the in-memory driver's; prints the
# difference and returns 1 when there is one.
compare() { # NAME BASE
  local name=$1 base=$2 memory_status front_status found
  memory_status=$(cat "$work/memory/$base.status")
  front_status=$(cat "$work/$1/$base.status")
  if [ "$memory_status" != "$front_status" ]; then
    found="exit status: in-memory $memory_status, $name $front_status ($(head -c 300 \
      "$work/$name/$base.stderr" | tr '\n' ' '))"
  elif ! found=$("$snapshot_diff" "$work/memory/$base.jsonl" "$work/$name/$base.jsonl" \
    in-memory "$name"); then
    :
  else
    return 0
  fi
  echo "DIFFERENT $name $work/scripts/$base.script: $found" | tee -a "$work/differences.txt"
  return 1
}

for ((seed = first; seed < first + count; seed++)); do
  "$generator" "$seed" >"$work/scripts/random-$seed.script"
  play memory "$memory_driver" "$work/scripts/random-$seed.script"
done

if [ ${#names[@]} -gt 0 ]; then
  if [ -z "$session" ]; then
    session=$work/session
    trap '"$here/../win32/wine_session.sh" stop "$session"' EXIT
    "$here/../win32/wine_session.sh" start "$session" >/dev/null
  fi
  # shellcheck disable=SC1091
  source "$session/session.env"
fi

# Opening the settings file fails at the start: nothing of the record is restored.
probe=$work/scripts/file-failure-probe.script
cat >"$probe" <<'EOF'
file hex 554433221300300000ae90c20800000000770100c0a39b00100e0000496e6964617465692066fc7220426974726174656e2d4265726563686e756e677370726f6772616d6d000000905f0100000000000000000000000000072700001027000003000000342c372047420000000000000000000000000000000000000000000000000000000000000000000000000000000000000000373030204d42202f203830204d696e2e00000000000000000000000000000000000000000000000000000000000000000000373030204d42202f203830204d696e2e00000000000000000000000000000000000000000000000000000000000000000000342c372047420000000000000000000000000000000000000000000000000000000000000000000000000000000000000000
fail open
dump
EOF
play memory "$memory_driver" "$probe"

differences=0
summary=()
for i in "${!names[@]}"; do
  name=${names[$i]} driver=${drivers[$i]}
  play "$name" "$driver" "$probe"
  injects=yes
  "$snapshot_diff" "$work/memory/file-failure-probe.jsonl" \
    "$work/$name/file-failure-probe.jsonl" >/dev/null 2>&1 || injects=no
  played=0 skipped=0 differing=0 front_started=$SECONDS
  for ((seed = first; seed < first + count; seed++)); do
    script=$work/scripts/random-$seed.script
    if [ $injects = no ] && grep -q '^fail ' "$script"; then
      skipped=$((skipped + 1))
      continue
    fi
    play "$name" "$driver" "$script"
    played=$((played + 1))
    compare "$name" "random-$seed" || differing=$((differing + 1))
  done
  differences=$((differences + differing))
  line="$name: $played scripts played, $differing different"
  [ $skipped = 0 ] || line+=", $skipped with file failures skipped (its driver does not inject them)"
  summary+=("$line, $((SECONDS - front_started)) s")
done

echo "fidelity: seeds $first to $((first + count - 1)), $count scripts, $((SECONDS - started)) s"
for line in "${summary[@]}"; do
  echo "  $line"
done
[ "$differences" = 0 ]
