# Sourced by the suite's scripts: the Wine of the program's architecture on
# the suite's own prefix, and the suite's display once it runs.
#   suite_dir and suite_program must be set before sourcing.

# A prefix apart from the one the console tests use: the suite ends its
# wineserver, which must not pull the ground from under them.
export WINEPREFIX="$suite_dir/wine"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
worvane_select_wine "$suite_program" || exit 1

display_file="$suite_dir/display"
xvfb_pid_file="$suite_dir/xvfb.pid"
failures_dir="$suite_dir/failures"

if [ -s "$display_file" ]; then
    export DISPLAY=":$(cat "$display_file")"
fi
