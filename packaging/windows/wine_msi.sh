# Sourced by the tests that install the MSI in a Wine of their own: a fresh Wine, the tally
# of checks, what the MSI says about itself, and where Windows Installer leaves the program.
# The sourcing test calls remove_wine when it ends, in every case.

passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
        passed=$((passed + 1))
    else
        echo "FAILED: $what"
        failed=$((failed + 1))
    fi
}
tally() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v key="$2" '$1 == key { print $2 }'; }
shortcut_name() { msiinfo export "$1" Shortcut | tr -d '\r' | awk -F'\t' 'NR > 3 { print $3 }'; }
# The folder under Program Files, as the MSI's first file names it.
install_folder() { msiextract -l "$1" | tr -d '\r' | head -n 1 | cut -d/ -f1; }

export WINEPREFIX WINEDEBUG=-all WINEARCH=win64
WINEPREFIX="$(mktemp -d)"
# Mono and Gecko would be fetched from the network, and winemenubuilder would copy the
# Start menu into this machine's own desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
drive="$WINEPREFIX/drive_c"
remove_wine() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}

wine_run() { wine "$@" > /dev/null 2>&1; local status=$?; wineserver -w; return $status; }
# Wine's drive Z: is the root of this machine's file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Reads what the checks below look for from the MSI: name, shortcut, folder.
read_msi() {
    name=$(property "$1" ProductName)
    shortcut=$(shortcut_name "$1").lnk
    folder=$(install_folder "$1")
}
listed_codes() { wine uninstaller --list 2> /dev/null | tr -d '\r' | awk -F'[|][|][|]' -v name="$name" '$2 == name { print $1 }'; }
# Windows Installer puts a per-machine Start-menu entry into the Start menu of all users;
# Wine puts it into the installing user's own. Either counts.
shortcuts() {
    find "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs" \
         "$drive"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs \
         -name "$shortcut" 2> /dev/null
}
no_folder() { [ ! -e "$drive/Program Files/$folder" ]; }
no_shortcut() { [ -z "$(shortcuts)" ]; }
not_listed() { [ -z "$(listed_codes)" ]; }
check_removed() {
    check "no folder left in C:\\Program Files" no_folder
    check "no Start-menu entry left" no_shortcut
    check "no longer listed among installed programs" not_listed
}
