#!/usr/bin/env bash
# A seeded random walk of clicks, drags and keys over the window, as a careless user would make
# them. Run it only inside the sandbox, since it reaches the file dialogs:
#   SANDBOX_OUT=/tmp/walk ../shared/tools/sandboxed.sh . tests/walk/random_walk.sh build/app/tavulin 600 7
# It fails when the program dies or stops answering; screenshots go to $SANDBOX_OUT (or /tmp).
set -u
program=$(readlink -f "$1"); steps=${2:-500}; seed=${3:-1}
out=${SANDBOX_OUT:-/tmp}
RANDOM=$seed
display=:$((70 + seed % 20))
Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $app 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
${WALK_WRAP:-} "$program" --database "$HOME/walk.sqlite" >"$out/walk-$seed.log" 2>&1 &
app=$!
for _ in $(seq 100); do xdotool search --name "Merenje brzine" >/dev/null 2>&1 && break; sleep 0.1; done

# The window's client area on screen, and the keys a person might press.
left=186 top=184 width=814 height=426
keys=(e r e r Return space Escape Tab Tab Delete Insert Up Down Left Right 1 2 5 0 minus comma
      period BackSpace alt+e alt+r ctrl+Delete Page_Down Home End F1 a x)

alive() {
    kill -0 "$app" 2>/dev/null || return 1
    # A window that takes no events leaves xdotool waiting: the timeout catches a freeze.
    timeout 10 xdotool search --name "." getwindowname %@ >/dev/null 2>&1
}

for step in $(seq "$steps"); do
    x=$((left + RANDOM % width)) y=$((top + RANDOM % height))
    case $((RANDOM % 10)) in
    0 | 1 | 2 | 3) xdotool mousemove $x $y click $((RANDOM % 3 + 1)) ;;
    4) xdotool mousemove $x $y mousedown 1 mousemove $((x + RANDOM % 200 - 100)) $((y + RANDOM % 150 - 75)) mouseup 1 ;;
    5) xdotool mousemove $x $y mousedown 3 mousemove $((x + RANDOM % 200 - 100)) $((y + RANDOM % 150 - 75)) mouseup 3 ;;
    6) xdotool mousemove $((left + 15 + RANDOM % 520)) $((top + 12)) click 1 ;; # the tabs
    *) xdotool key --clearmodifiers "${keys[RANDOM % ${#keys[@]}]}" ;;
    esac
    sleep 0.05
    if ((step % 25 == 0)); then
        if ! alive; then
            import -window root "$out/walk-$seed-dead.png" 2>/dev/null
            echo "step $step: the program died or froze (seed $seed)"
            exit 1
        fi
    fi
done
import -window root "$out/walk-$seed-end.png" 2>/dev/null
alive || { echo "the program died or froze at the end (seed $seed)"; exit 1; }
echo "seed $seed: $steps steps, the program answers"
