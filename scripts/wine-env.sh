# Source this: sets up the environment for running the Windows build under
# Wine, and prepares a 32-bit Japanese prefix once.
#   WINEPREFIX defaults to ~/.local/share/worvane/wine (override before sourcing).

export WINEARCH=win32
export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/worvane/wine}"
# Wine's ANSI code page follows LC_ALL: any other value silently gives 1252.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
# Plain -all would also hide a missing DLL.
export WINEDEBUG="-all,err+module"

worvane_prepare_wine_prefix() {
    [ -f "$WINEPREFIX/.worvane-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    # Test programs started in parallel must not build the prefix twice.
    (
        flock 9
        [ -f "$WINEPREFIX/.worvane-ready" ] && exit 0
        echo "wine: preparing the prefix $WINEPREFIX (once)" >&2
        wineboot -i >/dev/null 2>&1 </dev/null
        # Unmanaged windows: without a window manager (Xvfb) managed dialogs lose
        # their captions and keystrokes get lost.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
        # A crash must end the process, not wait on a dialog.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
        wineserver -w
        touch "$WINEPREFIX/.worvane-ready"
    ) 9>"$WINEPREFIX/.worvane-lock"
}

# A wineserver whose streams do not hold the caller's pipes open, lingering
# the given seconds after its last client (default: until killed). Does
# nothing when one already serves the prefix. A fresh server's first client
# starts Wine's background services, which inherit that client's streams and
# live as long as the server: a first client on /dev/null starts them, so
# that no test's output pipe stays open behind it.
worvane_start_wineserver() {
    if wineserver "-p${1:-}" </dev/null >/dev/null 2>&1; then
        wine cmd /c exit </dev/null >/dev/null 2>&1
    fi
    return 0
}
