#!/usr/bin/env bash
# Opens a collection in Tellico on a session bus of its own (run it under xvfb-run), waits
# until Tellico shows its entries, prints how many, saves the collection again as SAVE_AS when
# that is given (Tellico's own exportZip), and ends Tellico. Tellico's output goes to
# WORK/tellico.log.
#   tellico_session.sh COLLECTION WORK [SAVE_AS]
eval "$(dbus-launch --sh-syntax)"
tellico "$1" >"$2/tellico.log" 2>&1 &
tellico=$!
reply=
for _ in $(seq 1 90); do
  sleep 1
  reply=$(dbus-send --session --print-reply --dest=org.kde.tellico /Tellico \
    org.kde.tellico.filteredEntries 2>/dev/null) && [ -n "$(echo "$reply" | grep int32)" ] && break
done
echo "$reply" | grep -c int32 || true
if [ -n "${3:-}" ]; then
  dbus-send --session --print-reply --dest=org.kde.tellico /Tellico org.kde.tellico.exportZip \
    "string:$3" >/dev/null
fi
kill "$tellico" 2>/dev/null
kill "$DBUS_SESSION_BUS_PID"
