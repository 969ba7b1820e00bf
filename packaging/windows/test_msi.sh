#!/usr/bin/env bash
# Installs the MSI silently in a Wine of its own, as an administrator would for every
# user of a machine, and checks what they would find: the program's files under
# C:\Program Files, the Start-menu entry, and the entry among installed programs with its
# version and icon. Given a newer version's MSI as well, installs that over the first,
# checks that it alone is left, and that the older one cannot be put back over it. Then
# removes the program and checks that no file, folder, shortcut or registry value of it
# is left.
#   test_msi.sh PROGRAM.msi [NEWER.msi]
set -euo pipefail
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: $0 PROGRAM.msi [NEWER.msi]" >&2; exit 2; }

. "$(dirname "$0")/wine_msi.sh"

# Windows Installer files products and upgrade codes in the registry under their GUIDs
# with the digits of each group reversed.
packed_guid() {
    local g=${1//[\{\}-]/}
    echo "$(rev <<< "${g:0:8}")$(rev <<< "${g:8:4}")$(rev <<< "${g:12:4}")$(sed -E 's/(.)(.)/\2\1/g' <<< "${g:16}")"
}

# A silent installation shows nothing: no screen is needed.
unset DISPLAY WAYLAND_DISPLAY
work="$(mktemp -d)"
trap 'remove_wine; rm -rf "$work"' EXIT

wine_run wineboot --init

first=$(realpath -e "$1")
newest=$(realpath -e "${2:-$1}")
read_msi "$first"
icon=$(property "$first" ARPPRODUCTICON)
for msi in "$first" "$newest"; do
    mkdir -p "$work/$(property "$msi" ProductVersion)"
    (cd "$work/$(property "$msi" ProductVersion)" && msiextract "$msi" > /dev/null)
done
find "$drive" | sort > "$work/before"

display_version() {
    wine reg query "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" /v DisplayVersion 2> /dev/null |
        tr -d '\r' | awk '$1 == "DisplayVersion" { print $3 }'
}
same_files_as_package() { diff -r "$work/$1/$folder" "$drive/Program Files/$folder"; }
only_listed() { [ "$(listed_codes)" = "$1" ]; }
shows_version() { [ "$(display_version "$1")" = "$2" ]; }
has_icon() { [ -s "$drive/windows/Installer/$1/$icon" ]; }
one_shortcut() { [ "$(shortcuts | wc -l)" -eq 1 ]; }
refuses() { ! wine_run msiexec /i "$(windows_path "$1")" /qn; }

check_installed() {
    local msi=$1 code version
    code=$(property "$msi" ProductCode)
    version=$(property "$msi" ProductVersion)
    check "$version: every file of the package in C:\\Program Files\\$folder, and no other" same_files_as_package "$version"
    check "$version: one Start-menu entry \"${shortcut%.lnk}\"" one_shortcut
    check "$version: listed alone among installed programs" only_listed "$code"
    check "$version: listed as version $version" shows_version "$code" "$version"
    check "$version: listed with its icon" has_icon "$code"
}

check "$(property "$first" ProductVersion) installs silently" wine_run msiexec /i "$(windows_path "$first")" /qn
check_installed "$first"
if [ "$newest" != "$first" ]; then
    check "$(property "$newest" ProductVersion) installs over $(property "$first" ProductVersion)" \
        wine_run msiexec /i "$(windows_path "$newest")" /qn
    check_installed "$newest"
    check "$(property "$first" ProductVersion) refused over $(property "$newest" ProductVersion)" refuses "$first"
    check "still only $(property "$newest" ProductVersion) listed" only_listed "$(property "$newest" ProductCode)"
fi

check "removed silently" wine_run msiexec /x "$(windows_path "$newest")" /qn
# Windows Installer's own cache folder stays, as on every Windows that has installed
# anything.
nothing_new() {
    local new
    new=$(find "$drive" | sort | comm -13 "$work/before" - | grep -v -x -F "$drive/windows/Installer" || true)
    [ -z "$new" ] || { echo "$new"; return 1; }
}
no_registry_trace() {
    local patterns=(-e kraftfeld)
    for msi in "$first" "$newest"; do
        for code in "$(property "$msi" ProductCode)" "$(property "$msi" UpgradeCode)"; do
            patterns+=(-e "${code//[\{\}]/}" -e "$(packed_guid "$code")")
        done
    done
    ! grep -i -F "${patterns[@]}" "$WINEPREFIX"/*.reg
}
check_removed
check "no file or folder left anywhere" nothing_new
check "no registry key or value left" no_registry_trace

tally msi
