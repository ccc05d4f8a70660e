#!/bin/sh
# Screenshots of the desktop application on the demo scenes, each taken from the
# real program running under Xvfb: the main window with a scene form, a rendering
# window during a Final render, and an image window.
#
# usage: scripts/screenshots.sh OUTPUT_FOLDER [BUILD_FOLDER]   (BUILD_FOLDER defaults to build)
# SHOT_DELAY (seconds, default 5) is how long each program runs before its picture.
set -eu

[ $# -ge 1 ] || { echo "usage: $0 OUTPUT_FOLDER [BUILD_FOLDER]" >&2; exit 2; }
mkdir -p "$1"
out=$(cd "$1" && pwd)
build=$(cd "${2:-build}" && pwd)
delay=${SHOT_DELAY:-5}
for tool in xvfb-run import; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is needed (xvfb, imagemagick)" >&2; exit 1; }
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

# Runs the application with the given arguments in the demo folder and
# saves the screen after the delay.
cat >"$work/shoot.sh" <<'SH'
#!/bin/sh
picture=$1; delay=$2; shift 2
"$@" &
app=$!
sleep "$delay"
import -window root "$picture"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
SH

shoot() {
    picture=$1
    shift
    echo "taking $picture"
    (cd "$work/demo" && xvfb-run -a -s "-screen 0 1280x900x24" \
        sh "$work/shoot.sh" "$out/$picture" "$delay" "$build/vistagon" --profile "$profile" "$@")
}

shoot main-window.png flythrough.vgs
# The batch run renders the fly-through; the picture is taken while it runs.
rm -f "$work/demo"/fly*.tga
shoot rendering-window.png flythrough.vgs /final
shoot image-window.png still000.tga
echo "screenshots in $out"
