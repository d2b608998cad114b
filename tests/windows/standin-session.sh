# Sourced by the end-to-end scripts after wine-env.sh, with $dll, $standin and $session (a
# folder name of its own under Program Files) set, and $windows_scripts when the script is not
# in tests/windows itself: installs and registers the DLL there for the script's lifetime, with
# no remembered ticks, and gives the helpers below and those of checks.sh.
folder="$WINEPREFIX/drive_c/Program Files/$session"
installed="C:\\Program Files\\$session\\nubrix.dll"
choices='HKCU\Software\KVO\Tandrel'
work=$(mktemp -d)
. "${windows_scripts:-$(dirname "$0")}/checks.sh"
mkdir -p "$folder"
cp "$dll" "$folder/nubrix.dll"
cleanup() {
    "$WINE" regsvr32 /u /s "$installed" >/dev/null 2>&1 || true
    "$WINE" reg delete "$choices" /f >/dev/null 2>&1 || true
    rm -rf "$work" "$folder"
}
trap cleanup EXIT
"$WINE" regsvr32 /s "$installed"
"$WINE" reg delete "$choices" /f >/dev/null 2>&1 || true
wait_desktop_gone

# run MENU URL SELECTION [standin options...]: the menu entry on a page; output in $work/out.
run() {
    menu=$1 url=$2 selection=$3
    shift 3
    rc=0
    "$WINE" "$standin" --menu "$menu" --url "$url" --selection "$selection" --screen 1280x1024 \
        "$@" >"$work/out" 2>"$work/err" </dev/null || rc=$?
    [ "$rc" -eq 0 ] || fail "$menu exited with $rc: $(cat "$work/err")"
}
has() { grep -qxF -- "$1" "$work/out" || fail "no line [$1] in the output of $menu"; }
lacks() { ! grep -q -- "$1" "$work/out" || fail "unexpected [$1] in the output of $menu"; }
stored() { # stored NAME VALUE: the remembered choice of an entry
    "$WINE" reg query "$choices" /v "$1" 2>/dev/null | tr -d '\r' | grep -q "REG_DWORD *$2\$" ||
        fail "$1 is not stored as $2"
}
# shot_dir NAME: with $shots set, the Windows path of the new folder $shots/NAME for pictures.
shot_dir() {
    [ -n "${shots:-}" ] || return 0
    mkdir -p "$shots/$1"
    wine_path "$shots/$1"
}
