#!/usr/bin/env bash
# Builds the Windows program and takes the README's screenshots into docs/
# from the real window under Wine (the 32-bit release, or its 64-bit twin
# where the kernel runs no 32-bit programs): the sheet with answers, the
# popup menu and the about box.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
preset="$(bash scripts/windows-preset.sh)"
{ cmake --preset "$preset" && cmake --build --preset "$preset" --target QuorinUI worvane_probe worvane_spy; } \
    >/dev/null || exit 1
program="$PWD/build/$preset/bin/QuorinUI.exe"
suite_dir="$PWD/build/$preset/screenshots"
output_dir="$PWD/docs"
bash worksheet/e2e/suite.sh start "$suite_dir" "$program" || exit 1
source worksheet/e2e/harness.sh
e2e_setup screenshots "$suite_dir" "$program" "build/$preset/bin/worvane_probe.exe"
trap 'end_processes; bash worksheet/e2e/suite.sh stop "$suite_dir" "$program"' EXIT

# The screen outside the window's region is black: trimming it leaves the
# window, with whatever popup or dialog it shows.
shoot() { # NAME
    import -window root "$output_dir/$1.png" && mogrify -trim +repage "$output_dir/$1.png" ||
        fail "cannot take the screenshot $1"
    echo "screenshot: $output_dir/$1.png"
}

start_program
click_pane
# Kana cannot be typed through xdotool: the comment is put into the pane.
check "the pane takes a kana text" set-pane "# 振り子の周期"
press Return
sheet_texts+=("# 振り子の周期")
enter_line "[T = 2*PI[]*sqrt[x = l/g]]" "# set root environment."
enter_line "T[l = 1, g = 9.81]" "[ans = 2.00607]"
enter_line "[f = x^2 + 1]" "# set root environment."
enter_line "f[x = a+1]" "[ans = (a+1)^(2)+1]"
enter_line "ans[a = 2]" "[ans = 10]"
enter_line "2*(3*x)" "[ans = (6)*(x)]"
enter_line "sin[x = PI[]/6]" "[ans = 0.5]"
expect_sheet
type_text "1e6/3"
shoot worksheet
press BackSpace BackSpace BackSpace BackSpace BackSpace

open_popup_menu
shoot popup-menu
press Escape
check "the popup menu closes" expect-no-popup

choose_menu_item 3
check "the about box opens" expect-dialog "$about_caption"
shoot about-box
click_button "$about_caption" "$id_ok"
check "the about box closes" expect-no-dialog "$about_caption"
