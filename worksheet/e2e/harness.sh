# Sourced by tests.sh: starts the worksheet program, drives it with real
# input through xdotool and checks it through the probe. Every check polls
# with a timeout; a failed one saves a screenshot and ends the test.

probe_timeout_ms=10000
readonly exit_wait_seconds=10
readonly key_delay_ms=20

# What the sheet has shown since the program started, oldest first.
sheet_texts=()
program_pid=""
spy_pid=""

e2e_setup() {
    test_name="$1"
    suite_dir="$2"
    program="$3"
    probe_program="$4"
    suite_program="$program"
    source "$(dirname "${BASH_SOURCE[0]}")/suiteEnvironment.sh"
    [ -n "${DISPLAY:-}" ] || {
        echo "FAIL: the suite's display is not running (the e2e.start_display fixture starts it)"
        exit 1
    }
    mkdir -p "$failures_dir"
    trap end_processes EXIT
}

end_processes() {
    [ -n "$spy_pid" ] && kill "$spy_pid" 2>/dev/null
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
    fi
    return 0
}

fail() {
    echo "FAIL: $*"
    local screenshot="$failures_dir/$test_name.png"
    import -window root "$screenshot" 2>/dev/null && echo "screenshot: $screenshot"
    local bitmap
    for bitmap in "$failures_dir/$test_name"-*.bmp; do
        [ -f "$bitmap" ] && convert "$bitmap" "${bitmap%.bmp}.png" && rm -f "$bitmap" &&
            echo "picture: ${bitmap%.bmp}.png"
    done
    exit 1
}

# Runs the probe; its output goes to the test's log and into probe_output.
probe() {
    local status=0
    probe_output="$(worvane_wine "$probe_program" "$@" --timeout "$probe_timeout_ms" --save "$failures_dir/$test_name")" ||
        status=$?
    [ -n "$probe_output" ] && sed 's/^/  probe: /' <<<"$probe_output"
    return "$status"
}

# check DESCRIPTION PROBE-ARGUMENTS...
check() {
    local description="$1"
    shift
    probe "$@" || fail "$description"
}

# Starts the program and reads where its window and parts are.
start_program() {
    program_output="$failures_dir/$test_name.stdout"
    # The loader itself, not the function: its process is the program's.
    "$worvane_wine_loader" "$program" </dev/null >"$program_output" 2>/dev/null &
    program_pid=$!
    read_geometry
}

# Sets window_x/_y/_width/_height, client_x/_y (the client area's screen
# origin), pane_left/_top/_right/_bottom (client coordinates) and
# line_height.
read_geometry() {
    check "the worksheet window appears" window
    local line fields
    while read -r line; do
        read -ra fields <<<"$line"
        case "${fields[0]}" in
        window) read -r window_x window_y window_width window_height <<<"${fields[*]:1}" ;;
        client) read -r client_x client_y _ _ <<<"${fields[*]:1}" ;;
        pane) read -r pane_left pane_top pane_right pane_bottom <<<"${fields[*]:1}" ;;
        line-height) line_height="${fields[1]}" ;;
        esac
    done <<<"$probe_output"
}

# The screen position of a point given in client coordinates.
screen_x() { echo $((client_x + $1)); }
screen_y() { echo $((client_y + $1)); }

click_at() { # X Y [BUTTON] (screen coordinates)
    xdotool mousemove "$1" "$2" click "${3:-1}"
}

click_client() { # X Y [BUTTON]
    click_at "$(screen_x "$1")" "$(screen_y "$2")" "${3:-1}"
}

# The program never gives the pane the focus: the user clicks into it, and
# types once the caret shows; keys typed before would go astray.
click_pane() {
    click_client $(((pane_left + pane_right) / 2)) $(((pane_top + pane_bottom) / 2))
    check "the edit pane takes the focus" expect-pane-focus
}

type_text() {
    xdotool type --delay "$key_delay_ms" "$1"
}

press() { # KEY...
    xdotool key --delay "$key_delay_ms" "$@"
}

# enter_line LINE [ANSWER]: types the line and Return; the sheet then shows
# the line and, if given, its answer.
enter_line() {
    [ -n "$1" ] && type_text "$1"
    press Return
    sheet_texts+=("$@")
}

expect_sheet() {
    check "the sheet shows the most recent of: ${sheet_texts[*]}" expect-sheet "${sheet_texts[@]}"
}

expect_face() { # [--resized]
    check "the face shows the ruled face, the icons and the sheet" expect-face "${sheet_texts[@]}" "$@"
}

expect_pane() {
    check "the edit pane holds \"$1\"" expect-pane "$1"
}

expect_size() {
    check "the window is $1 by $2" expect-size "$1" "$2"
}

expect_position() {
    check "the window is at ($1, $2)" expect-position "$1" "$2"
}

# drag FROM_X FROM_Y DX DY STEPS: presses the left button at a screen point,
# moves the pointer by (DX, DY) in STEPS equal steps, and releases it. The
# window may see fewer, larger moves: it moves by their sum all the same.
drag() {
    local from_x="$1" from_y="$2" dx="$3" dy="$4" steps="$5" step
    xdotool mousemove "$from_x" "$from_y" mousedown 1
    for ((step = 1; step <= steps; step++)); do
        xdotool mousemove $((from_x + dx * step / steps)) $((from_y + dy * step / steps))
    done
    xdotool mouseup 1
}

# The grip resizes only while the pointer stays on it, and Wine merges
# pointer moves that queue up: a grip drag goes one small step at a time,
# each waited for by the caller.
press_grip() {
    pointer_x="$(screen_x $((window_width - 30)))"
    pointer_y="$(screen_y $((window_height - 110)))"
    xdotool mousemove "$pointer_x" "$pointer_y" mousedown 1
}

move_pointer_by() { # DX DY
    pointer_x=$((pointer_x + $1))
    pointer_y=$((pointer_y + $2))
    xdotool mousemove "$pointer_x" "$pointer_y"
}

release_pointer() {
    xdotool mouseup 1
}

# Waits for the program to end and checks its exit code.
expect_exit_code() {
    local expected="$1" waited=0 status=0
    while kill -0 "$program_pid" 2>/dev/null; do
        ((waited < exit_wait_seconds * 10)) || fail "the program is still running"
        sleep 0.1
        waited=$((waited + 1))
    done
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq "$expected" ] || fail "the program ended with exit code $status, not $expected"
}

expect_running() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program has ended"
}

# The spy logs from inside the program (see probe/spyHook.cpp).
start_spy() {
    spy_log="$failures_dir/$test_name.spy"
    : >"$spy_log"
    : >"$spy_log.out"
    "$worvane_wine_loader" "$probe_program" spy "$(windows_path_of "$spy_log")" --timeout 120000 >"$spy_log.out" 2>&1 &
    spy_pid=$!
    wait_for "the spy hooks the program" grep -qx ready "$spy_log.out"
}

expect_spied() {
    wait_for "the program reports: $1" grep -Fxq -- "$1" "$spy_log"
}

# The Windows path of a file, for the programs under Wine.
windows_path_of() { # FILE
    worvane_wine winepath -w "$1" 2>/dev/null
}

# wait_for DESCRIPTION COMMAND...: polls the command until it succeeds.
wait_for() {
    local description="$1" waited=0
    shift
    until "$@"; do
        ((waited < probe_timeout_ms / 100)) || fail "$description"
        sleep 0.1
        waited=$((waited + 1))
    done
}

# The texts and identifiers of the menu and the dialogs.
readonly menu_items="menu 40005:変数のｸﾘｱ|40006:ﾌｧｲﾙを開く...|40007:ﾊﾞｰｼﾞｮﾝ情報...|-|40004:終了"
readonly about_caption="ﾊﾞｰｼﾞｮﾝ情報"
readonly about_version="WorvaneVer1.01"
readonly quit_caption="終了の確認"
readonly quit_question="終了してよいですか？"
readonly open_caption="開く"
readonly id_ok=1
readonly id_cancel=2
readonly id_yes=6
readonly id_no=7

# Opens the popup menu with a right click on the sheet and checks that it
# opened at the pointer.
open_popup_menu() {
    local x y
    x="$(screen_x 150)"
    y="$(screen_y 60)"
    click_at "$x" "$y" 3
    check "a popup menu opens" expect-popup
    read -r _ popup_x popup_y popup_width popup_height <<<"$probe_output"
    [ "$popup_x $popup_y" = "$x $y" ] || fail "the popup menu opened at ($popup_x, $popup_y), not at the pointer ($x, $y)"
}

# choose_menu_item N: the Nth item from the top, chosen with the keyboard.
choose_menu_item() {
    open_popup_menu
    local downs=()
    for ((i = 0; i < $1; i++)); do downs+=(Down); done
    press "${downs[@]}" Return
    check "the popup menu closes" expect-no-popup
}

click_button() { # CAPTION ID
    check "the dialog \"$1\" has a button $2" button "$1" "$2"
    read -r _ x y <<<"$probe_output"
    click_at "$x" "$y"
}
