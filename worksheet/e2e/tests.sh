#!/usr/bin/env bash
# End-to-end tests of the worksheet program: each function test_NAME starts
# QuorinUI.exe afresh, drives it with real keys and mouse, and checks what
# its window shows. CTest runs one per test (see CMakeLists.txt).
#   tests.sh NAME SUITE_DIR PROGRAM PROBE
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"

test_start_size_and_face() {
    start_program
    expect_size 500 400
    [ "$pane_left $pane_top $pane_right $pane_bottom" = "50 260 450 290" ] ||
        fail "the edit pane is at ($pane_left, $pane_top)-($pane_right, $pane_bottom), not (50, 260)-(450, 290)"
    # Every pixel: black root outside the region; inside, the grey ruled
    # face, the close icon, the grip on black, and the empty white sheet.
    expect_face
}

test_typed_line_is_answered() {
    start_program
    click_pane
    enter_line "1+2" "[ans = 3]"
    expect_sheet
    expect_pane ""
    expect_face
}

# The engine's diagnostic lines ("undefined variable :x", "knob destructor
# called") reach no terminal the program was started from.
test_engine_diagnostics_stay_hidden() {
    start_program
    click_pane
    enter_line "x*2+1" "[ans = (x)*(2)+1]"
    expect_sheet
    press alt+F4
    expect_exit_code 0
    [ ! -s "$program_output" ] || fail "the program wrote to its standard output: $(head -c 200 "$program_output")"
}

test_comment_error_and_root_environment_lines() {
    start_program
    click_pane
    enter_line "# a note"
    enter_line "" "# parse error"
    enter_line "2*" "# parse error at submount"
    enter_line "[f = x^2 + 1]" "# set root environment."
    enter_line "f[x = 3]" "[ans = 10]"
    expect_sheet
    # Kana cannot be typed through xdotool; the sheet draws them in Shift-JIS.
    check "the pane takes a kana text" set-pane "# メモ"
    press Return
    sheet_texts+=("# メモ")
    expect_sheet
}

test_up_and_down_recall_history() {
    start_program
    click_pane
    # Nothing to recall yet: Up changes nothing and typing goes on.
    press Up
    enter_line "11" "[ans = 11]"
    enter_line "22" "[ans = 22]"
    enter_line "33" "[ans = 33]"
    expect_sheet
    press Up
    expect_pane "33"
    press Up
    expect_pane "22"
    press Up
    expect_pane "11"
    # A fourth Up finds nothing older: Down then goes back to 22, not 11.
    press Up Down
    expect_pane "22"
    press Down
    expect_pane "33"
    press Down
    expect_pane ""
    # Past the current line Down does nothing: Up then shows 33.
    press Down Up
    expect_pane "33"
}

test_history_wraps_after_30_lines() {
    start_program
    click_pane
    local line
    for line in $(seq 1 32); do
        enter_line "$line" "[ans = $line]"
    done
    expect_sheet
    # Lines 32 down to 4 can be recalled: 29 of them.
    local ups=()
    for ((i = 0; i < 28; i++)); do ups+=(Up); done
    press "${ups[@]}"
    expect_pane "5"
    press Up
    expect_pane "4"
    # The 30th Up is swallowed: Down then shows 5, not 4.
    press Up Down
    expect_pane "5"
}

test_popup_menu_lists_five_entries() {
    start_program
    start_spy
    open_popup_menu
    expect_spied "$menu_items"
    press Escape
    check "the popup menu closes" expect-no-popup
    expect_running
}

test_clear_variables_resets_engine() {
    start_program
    click_pane
    enter_line "[f = x^2 + 1]" "# set root environment."
    enter_line "f[x = 3]" "[ans = 10]"
    enter_line "ans[]" "[ans = 10]"
    choose_menu_item 1
    sheet_texts+=("!clear")
    expect_sheet
    # The engine has forgotten f and ans.
    click_pane
    enter_line "ans[]" "[ans = ans]"
    enter_line "f[x = 3]" "[ans = f]"
    expect_sheet
}

test_open_file_loads_chosen_file() {
    start_program
    local file="$failures_dir/$test_name.txt"
    # Line ends of both kinds, a blank line, and no end after the last line.
    printf '1+1\r\n\r\n# note\n[g = x*2]\r\ng[x = 4]' >"$file"
    local windows_path
    windows_path="$(windows_path_of "$file")"

    # Cancelled: nothing happens.
    choose_menu_item 2
    check "the open-file dialog opens" expect-dialog "$open_caption"
    press Escape
    check "the open-file dialog closes" expect-no-dialog "$open_caption"

    choose_menu_item 2
    check "the open-file dialog opens" expect-dialog "$open_caption"
    type_text "$windows_path"
    press Return
    check "the open-file dialog closes" expect-no-dialog "$open_caption"
    sheet_texts+=("!load \"$windows_path\"" "1+1" "[ans = 2]" "# note" "[g = x*2]" "# set root environment."
        "g[x = 4]" "[ans = 8]")
    expect_sheet
}

test_about_box_closes_only_on_ok() {
    start_program
    start_spy
    choose_menu_item 3
    check "the about box opens" expect-dialog "$about_caption" "$about_version" "OK"
    press Escape
    # Escape arrives as IDCANCEL, which the box leaves unhandled.
    expect_spied "command #32770 $id_cancel"
    check "the about box stays open" expect-dialog "$about_caption"
    click_button "$about_caption" "$id_ok"
    check "the about box closes" expect-no-dialog "$about_caption"
    expect_running
}

# The box's font must fit its texts: a wider fallback font cuts the version
# text. What counts is the ink a person sees, not the advance width, which
# may reach past the last glyph's ink. The caption's close button needs
# Marlett for its glyph.
test_about_box_shows_its_texts_whole() {
    start_program
    start_spy
    choose_menu_item 3
    check "the about box opens" expect-dialog "$about_caption" "$about_version"
    local measured=" $about_version"
    wait_for "the about box's texts are drawn whole" grep -q -- "^text-ink .*$measured\$" "$spy_log"
    local ink_right ink_pixels width
    read -r _ ink_right ink_pixels width _ < <(grep -- "^text-ink .*$measured\$" "$spy_log" | tail -n 1)
    ((ink_pixels > 0 && ink_right <= width)) ||
        fail "\"$about_version\" needs $ink_right pixels for its ink in the dialog's font, its control only $width"
    check "the box shows all of \"$about_version\"" \
        expect-text-ink "$about_caption" "$about_version" "$ink_right" "$ink_pixels"
    check "the caption's close button shows its glyph" expect-close-glyph "$about_caption"
    click_button "$about_caption" "$id_ok"
    check "the about box closes" expect-no-dialog "$about_caption"
}

test_close_icon_asks_before_quitting() {
    start_program
    click_pane
    enter_line "1+2" "[ans = 3]"
    local close_icon_x=$((window_width - 30)) close_icon_y=30
    click_client "$close_icon_x" "$close_icon_y"
    check "the close icon asks" expect-dialog "$quit_caption" "$quit_question"
    click_button "$quit_caption" "$id_no"
    check "No closes the question" expect-no-dialog "$quit_caption"
    expect_running
    # The sheet and the engine are as they were.
    click_pane
    enter_line "ans[]" "[ans = 3]"
    expect_sheet

    click_client "$close_icon_x" "$close_icon_y"
    check "the close icon asks again" expect-dialog "$quit_caption" "$quit_question"
    click_button "$quit_caption" "$id_yes"
    expect_exit_code 0
    check "the window is gone" expect-gone
}

test_dragging_face_moves_window() {
    start_program
    local x="$window_x" y="$window_y"
    # Left of the sheet, on the ruled face.
    drag "$(screen_x 25)" "$(screen_y 100)" 37 23 3
    expect_position $((x + 37)) $((y + 23))
    read_geometry
    drag "$(screen_x 25)" "$(screen_y 100)" -20 -11 4
    expect_position $((x + 17)) $((y + 12))
    # A drag that starts on the edit pane belongs to the pane: only the face
    # drag after it moves the window.
    read_geometry
    drag "$(screen_x $((pane_left + 20)))" "$(screen_y $((pane_top + 10)))" 30 15 3
    drag "$(screen_x 25)" "$(screen_y 100)" 5 5 1
    expect_position $((x + 22)) $((y + 17))
    expect_size 500 400
}

test_dragging_grip_resizes_up_to_height_limit() {
    start_program
    click_pane
    local line
    for line in $(seq 1 16); do
        enter_line "$line" "[ans = $line]"
    done
    expect_sheet

    press_grip
    local step
    for ((step = 1; step <= 5; step++)); do
        move_pointer_by 8 6
        expect_size $((500 + 8 * step)) $((400 + 6 * step))
    done
    release_pointer
    expect_face --resized

    # Down beyond the limit: the height stops at 30 line heights plus 170,
    # where the sheet shows its most texts, 29.
    local height_limit=$((30 * line_height + 170)) height=430
    read_geometry
    press_grip
    while ((height < height_limit)); do
        move_pointer_by 0 9
        height=$((height + 9 < height_limit ? height + 9 : height_limit))
        expect_size 540 "$height"
    done
    move_pointer_by 0 9
    move_pointer_by 0 9
    release_pointer
    expect_size 540 "$height_limit"
    expect_face --resized
}

test_shrinking_keeps_grip_on_face() {
    start_program
    # Up and left until the window stops following the grip.
    press_grip
    local width="$window_width" height="$window_height" step
    for ((step = 0; step < 60; step++)); do
        move_pointer_by -9 -9
        probe_timeout_ms=1500 probe expect-size-change "$width" "$height" >/dev/null || break
        read -r _ _ _ width height <<<"$probe_output"
    done
    release_pointer
    read_geometry
    ((window_width < 500 && window_height < 400)) || fail "the window did not shrink"
    # In window coordinates, inside the region's rectangle.
    local to_client_x=$((client_x - window_x)) to_client_y=$((client_y - window_y))
    inside_face "grip" $((to_client_x + window_width - 40)) $((to_client_y + window_height - 120)) 20 20
    inside_face "close icon" $((to_client_x + window_width - 40)) $((to_client_y + 20)) 20 20
    inside_face "edit pane" $((to_client_x + pane_left)) $((to_client_y + pane_top)) \
        $((pane_right - pane_left)) $((pane_bottom - pane_top))
    expect_face --resized
}

# inside_face NAME LEFT TOP WIDTH HEIGHT (window coordinates)
inside_face() {
    local name="$1" left="$2" top="$3" width="$4" height="$5"
    ((left >= 10 && left + width <= window_width - 10 && top >= 50 && top + height <= window_height - 50)) ||
        fail "the $name at ($left, $top) has left the face of a window of $window_width by $window_height"
}

test_menu_exit_ends_program() {
    start_program
    open_popup_menu
    # The last item, at the bottom of the menu, by the mouse.
    click_at $((popup_x + popup_width / 2)) $((popup_y + popup_height - 10))
    expect_exit_code 0
    check "the window is gone" expect-gone
}

test_alt_f4_ends_program() {
    start_program
    click_pane
    press alt+F4
    expect_exit_code 0
    check "the window is gone" expect-gone
}

e2e_setup "$@"
"test_$1"
echo "PASS: $1"
