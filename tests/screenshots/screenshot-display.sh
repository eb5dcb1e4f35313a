# Shared by the screenshot scripts: a private Xvfb display, a private settings folder, and
# shoot VIEW NAME [ARGS...], which runs kelvaro-show-page and takes the PNG of its window.
# Expects $work (a temporary folder), $helper (the show-page program) and $out (the picture folder).
# A display number that no other server uses.
number=99
while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
    number=$((number + 1))
done
display=":$number"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
done

# The window reads and writes its settings in a private folder.
mkdir -p "$work/config" "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"

shoot() {
    local view=$1 name=$2
    : >"$work/out"
    XDG_CONFIG_HOME="$work/config" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" \
        DISPLAY="$display" QT_QPA_PLATFORM=xcb "$helper" "$view" "${@:3}" >"$work/out" 2>"$work/err" &
    local pid=$!
    local id=""
    for _ in $(seq 200); do
        id=$(awk '/^ready/ { print $2 }' "$work/out")
        [ -n "$id" ] && break
        sleep 0.1
    done
    if [ -z "$id" ]; then
        echo "take-screenshots: the window did not open for $name" >&2
        cat "$work/err" >&2
        kill "$pid" 2>/dev/null || true
        return 1
    fi
    import -display "$display" -window "$id" "$out/$name.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$out/$name.png"
}

