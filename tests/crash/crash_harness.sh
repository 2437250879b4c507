#!/usr/bin/env bash
# Kills the saving program with SIGKILL at random moments, KILLS times, and after each kill
# checks that the catalogue is sound and that nothing that was saved is lost; then the same
# for the value-list editor's save, the backup and the restore. Then STOPS times for each
# critical step (a save's and a delete's commit, an undo's, a backup's naming, a restore's
# swap): the driver stops itself inside the step (KBS_STOP_AT, a test build's stop point) and
# is killed there.
#
#   crash_harness.sh DRIVER KILLS [MAX_DELAY_MS [STOPS]]
set -euo pipefail
driver=$1
kills=$2
max_delay=${3:-600}
stops=${4:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$(dirname "$driver")/kbsmgr-initdb" "$work/mydb.mdb" >/dev/null

for i in $(seq 1 "$kills"); do
  "$driver" save "$work" "$i" >"$work/log.$i" 2>>"$work/errors" &
  pid=$!
  delay=$(( (RANDOM % max_delay) + 20 ))
  sleep "$(printf '0.%03d' "$delay")"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ! "$driver" check "$work" "$work"/log.* >"$work/check" 2>&1; then
    echo "after kill $i:"; cat "$work/check"; exit 1
  fi
done
saved=$(tail -n 1 "$work/check")

# The value-list editor's save: after a kill the list holds the old or the new text whole.
for i in $(seq 1 "$kills"); do
  "$driver" list "$work" >/dev/null 2>>"$work/errors" &
  pid=$!
  delay=$(( (RANDOM % max_delay) + 20 ))
  sleep "$(printf '0.%03d' "$delay")"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if ! "$driver" listcheck "$work" >"$work/check" 2>&1; then
    echo "value list, after kill $i:"; cat "$work/check"; exit 1
  fi
done
# A backup a day with a picture changed between them, three kept (so that each one prunes),
# then restores of the newest in the catalogue's place: after a kill and the next start the
# catalogue is whole, every backup restores and nothing is left over.
for mode in backup restore; do
  for i in $(seq 1 "$kills"); do
    "$driver" "$mode" "$work" >/dev/null 2>>"$work/errors" &
    pid=$!
    delay=$(( (RANDOM % max_delay) + 20 ))
    sleep "$(printf '0.%03d' "$delay")"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if ! "$driver" backupcheck "$work" >"$work/check" 2>&1; then
      echo "$mode, after kill $i:"; cat "$work/check"; exit 1
    fi
  done
done

# Runs the driver in MODE until it stops at POINT, kills it there and runs CHECK.
stop_and_kill() {
  local mode=$1 point=$2 check=$3 i pid state
  for i in $(seq 1 "$stops"); do
    KBS_STOP_AT=$point "$driver" "$mode" "$work" "s$point$i" >"$work/log.s$point$i" \
      2>>"$work/errors" &
    pid=$!
    state=R
    while [ "$state" != T ]; do
      state=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f1 || true)
      if [ -z "$state" ] || [ "$state" = Z ]; then
        echo "$mode ended before it reached $point:"; tail -n 5 "$work/errors"; exit 1
      fi
      sleep 0.05
    done
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    if ! "$driver" $check "$work" "$work"/log.* >"$work/check" 2>&1; then
      echo "stopped at $point in $mode, kill $i:"; cat "$work/check"; exit 1
    fi
  done
}
if [ "$stops" -gt 0 ]; then
  stop_and_kill save commit check
  stop_and_kill delete commit check
  stop_and_kill delete undo check
  stop_and_kill backup backup backupcheck
  stop_and_kill restore swap backupcheck
  echo "kills inside a critical step: $((stops * 5))"
fi
leftovers=$(find "$work" -name '*.ini.*' | wc -l)
echo "kills survived: $kills while saving records ($saved), $kills while saving a value list," \
  "$kills while backing up, $kills while restoring"
echo "stray temporary files: $leftovers"
