# Source this: sets up the environment for running the Windows builds under
# Wine; then worvane_select_wine PROGRAM chooses the Wine that runs the
# program's architecture and its prefix, and worvane_prepare_wine_prefix
# prepares that prefix once.

# Wine's ANSI code page follows LC_ALL: any other value silently gives 1252.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
# Plain -all would also hide a missing DLL.
export WINEDEBUG="-all,err+module"

# The machine type in a program's PE header: i386 or x86-64.
worvane_program_machine() { # PROGRAM
    local header machine
    header="$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')"
    [ -n "$header" ] && machine="$(od -An -tx1 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')"
    case "${machine:-}" in
    4c01) echo i386 ;;
    6486) echo x86-64 ;;
    *)
        echo "wine: $1 is no Windows program for x86" >&2
        return 1
        ;;
    esac
}

# Chooses Wine for the program's architecture: a 32-bit program runs under
# 32-bit Wine in a win32 prefix, a 64-bit one under 64-bit Wine in a win64
# prefix. Each architecture has a prefix of its own, by default
# ~/.local/share/worvane/wine-win32 or wine-win64; a WINEPREFIX set before
# is kept. Debian's wine, wineboot and winepath start the 32-bit loader
# whenever wine32 is installed, so 64-bit Wine is named by its path.
worvane_select_wine() { # PROGRAM
    local machine
    machine="$(worvane_program_machine "$1")" || return 1
    case "$machine" in
    i386)
        export WINEARCH=win32
        worvane_wine_loader=wine
        worvane_wine_name="32-bit Wine"
        ;;
    x86-64)
        export WINEARCH=win64
        worvane_wine_loader=/usr/lib/wine/wine64
        worvane_wine_name="64-bit Wine"
        ;;
    esac
    export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/worvane/wine-$WINEARCH}"
}

# Runs a Windows program, or one of Wine's own (wineboot, reg, winepath),
# under the chosen Wine. A program started in the background is started by
# "$worvane_wine_loader" instead, so that its process is the program's own.
worvane_wine() {
    "${worvane_wine_loader:?worvane_select_wine chooses Wine first}" "$@"
}

# Raised whenever the preparation changes, so that older prefixes get it too.
worvane_prefix_version=2

worvane_prepare_wine_prefix() {
    [ "$(cat "$WINEPREFIX/.worvane-ready" 2>/dev/null)" = "$worvane_prefix_version" ] && return 0
    mkdir -p "$WINEPREFIX"
    # Test programs started in parallel must not build the prefix twice.
    (
        flock 9
        [ "$(cat "$WINEPREFIX/.worvane-ready" 2>/dev/null)" = "$worvane_prefix_version" ] && exit 0
        echo "wine: preparing the prefix $WINEPREFIX (once)" >&2
        worvane_wine wineboot -i >/dev/null 2>&1 </dev/null
        # Unmanaged windows: without a window manager (Xvfb) managed dialogs lose
        # their captions and keystrokes get lost.
        worvane_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
        # A crash must end the process, not wait on a dialog.
        worvane_wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
        worvane_install_fonts || exit 1
        wineserver -w
        echo "$worvane_prefix_version" >"$WINEPREFIX/.worvane-ready"
    ) 9>"$WINEPREFIX/.worvane-lock"
}

# The about box asks for "ＭＳ Ｐゴシック"; without it Wine falls back on the
# fixed-width IPAGothic, too wide for the box. IPAPGothic is made to the
# proportional font's metrics. Caption buttons draw their glyphs with Marlett.
worvane_install_fonts() {
    worvane_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f \
        >/dev/null 2>&1 </dev/null || return 1
    local marlett
    marlett="$(worvane_marlett_font)" || return 1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
}

# Prints the path of marlett.ttf, fetched once from the fonts-wine package
# into the user's cache. Only this file is taken: the whole package replaces
# the default fonts by bitmap fonts that draw kanji as boxes.
worvane_marlett_font() {
    local cache="${XDG_CACHE_HOME:-$HOME/.cache}/worvane"
    local font="$cache/marlett.ttf"
    if [ ! -s "$font" ]; then
        mkdir -p "$cache"
        local download
        download="$(mktemp -d "$cache/fonts-wine.XXXXXX")"
        if (cd "$download" && apt-get download -qq fonts-wine >/dev/null 2>&1) &&
            dpkg -x "$download"/fonts-wine_*.deb "$download/files" &&
            [ -s "$download/files/usr/share/wine/fonts/marlett.ttf" ]; then
            mv "$download/files/usr/share/wine/fonts/marlett.ttf" "$font"
        fi
        rm -rf "$download"
    fi
    if [ ! -s "$font" ]; then
        echo "wine: cannot take marlett.ttf from the fonts-wine package (apt-get download fonts-wine)" >&2
        return 1
    fi
    echo "$font"
}

# A wineserver whose streams do not hold the caller's pipes open, lingering
# the given seconds after its last client (default: until killed). Does
# nothing when one already serves the prefix. A fresh server's first client
# starts Wine's background services, which inherit that client's streams and
# live as long as the server: a first client on /dev/null starts them, so
# that no test's output pipe stays open behind it.
worvane_start_wineserver() {
    if wineserver "-p${1:-}" </dev/null >/dev/null 2>&1; then
        worvane_wine cmd /c exit </dev/null >/dev/null 2>&1
    fi
    return 0
}

# A private Xvfb display for this shell, its number chosen by Xvfb itself;
# sets DISPLAY. worvane_stop_display ends it.
worvane_start_display() {
    local number_file waited=0
    number_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
    worvane_xvfb_pid=$!
    until [ -s "$number_file" ]; do
        if ((waited >= 100)) || ! kill -0 "$worvane_xvfb_pid" 2>/dev/null; then
            echo "wine: Xvfb did not start" >&2
            rm -f "$number_file"
            worvane_stop_display
            return 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    export DISPLAY=":$(tr -d '\n' <"$number_file")"
    rm -f "$number_file"
}

worvane_stop_display() {
    [ -n "${worvane_xvfb_pid:-}" ] && kill "$worvane_xvfb_pid" 2>/dev/null
    worvane_xvfb_pid=""
}
