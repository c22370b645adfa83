# Sourced by the Wine checks and benches: a private X display, guarded by a
# cookie of our own; Xvfb picks a free number. Needs $scratch, a throwaway
# folder; sets xvfb_pid, for the caller to kill, and exports DISPLAY and
# XAUTHORITY.
cookie=$(mcookie)
touch "$scratch/server-auth" "$scratch/client-auth"
xauth -q -f "$scratch/server-auth" add :0 . "$cookie"
Xvfb -displayfd 3 -auth "$scratch/server-auth" -nolisten tcp -screen 0 "${xvfb_screen:-1024x768x24}" \
    3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$scratch/display") XAUTHORITY=$scratch/client-auth
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"
