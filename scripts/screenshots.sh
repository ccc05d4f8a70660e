#!/bin/sh
# Screenshots of the desktop application on the demo scenes, each taken from the
# real program running under Xvfb: the main window with a scene form, a rendering
# window during a Final render, an image window, and the flight plan window of
# the fly-through (opened through the Calculate menu with xdotool).
#
# usage: scripts/screenshots.sh OUTPUT_FOLDER [BUILD_FOLDER]   (BUILD_FOLDER defaults to build)
# SHOT_DELAY (seconds, default 5) is how long each program runs before its picture,
# RENDER_DELAY (default 2) the same for the picture taken during the render.
set -eu

[ $# -ge 1 ] || { echo "usage: $0 OUTPUT_FOLDER [BUILD_FOLDER]" >&2; exit 2; }
mkdir -p "$1"
out=$(cd "$1" && pwd)
build=$(cd "${2:-build}" && pwd)
delay=${SHOT_DELAY:-5}
render_delay=${RENDER_DELAY:-2}
for tool in xvfb-run import xdotool; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is needed (xvfb, imagemagick, xdotool)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "making the demo terrain and scenes"
"$build/vistagon-cli" demo "$work/demo" >"$work/demo.log" 2>&1 || { cat "$work/demo.log" >&2; exit 1; }

# A profile of its own: the frame fills the screen, the rendering window repaints often.
profile="$work/vistagon.ini"
cat >"$profile" <<'INI'
[Settings]
WindowPos=2,3,-1,-1,-1,-1,0,0,1280,900
RedrawInterval=200
INI

# Runs the application with the given arguments in the demo folder, types the
# keys of $SHOT_KEYS (xdotool words) once it is up, clicks at $SHOT_CLICK
# ("X Y" on the screen), and saves the screen after the delay.
cat >"$work/shoot.sh" <<'SH'
#!/bin/sh
picture=$1; delay=$2; shift 2
"$@" &
app=$!
sleep "$delay"
if [ -n "${SHOT_KEYS:-}" ]; then
    window=$(xdotool search --sync --onlyvisible --name Vistagon | head -n 1)
    xdotool windowfocus --sync "$window"
    for keys in $SHOT_KEYS; do xdotool key --window "$window" "$keys"; sleep 1; done
    sleep "$delay"
fi
if [ -n "${SHOT_CLICK:-}" ]; then
    xdotool mousemove $SHOT_CLICK click 1
    sleep "$delay"
fi
import -window root "$picture"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
SH

shoot() {
    picture=$1
    wait_for=$2
    shift 2
    echo "taking $picture"
    (cd "$work/demo" && xvfb-run -a -s "-screen 0 ${SCREEN:-1280x900}x24" \
        sh "$work/shoot.sh" "$out/$picture" "$wait_for" "$build/vistagon" --profile "${PROFILE:-$profile}" "$@")
}

# The fly-through in larger frames (without its mask, made for the small ones), finer
# cells and high quality, so that its Final batch run lasts long enough to be seen.
sed -e 's/^AusBreite=.*/AusBreite=1200/' -e 's/^AusHoehe=.*/AusHoehe=800/' -e 's/^GenauRechnen=.*/GenauRechnen=1/' \
    -e 's/^AusAuflX=.*/AusAuflX=768/' -e 's/^AusAuflY=.*/AusAuflY=768/' \
    -e 's/^MDateiVerwenden=.*/MDateiVerwenden=0/' -e 's/^AusDateiname=.*/AusDateiname=big%03d.tga/' "$work/demo/flythrough.vgs" >"$work/demo/big.vgs"
shoot main-window.png "$delay" flythrough.vgs
shoot rendering-window.png "$render_delay" big.vgs /final
shoot image-window.png "$delay" still000.tga

# The plan window wants a larger screen; Alt+C, L is Calculate > Flight Plan, and
# the click on its profile chart picks frame 20, in the turn.
cat >"$work/plan.ini" <<'INI'
[Settings]
WindowPos=2,3,-1,-1,-1,-1,0,0,1400,1000
INI
SCREEN=1400x1000 PROFILE="$work/plan.ini" SHOT_KEYS="alt+c l" SHOT_CLICK="274 885" shoot plan-window.png "$delay" flythrough.vgs
echo "screenshots in $out"
