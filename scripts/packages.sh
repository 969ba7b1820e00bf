# Sourced by the other scripts: installs the Debian packages that are missing, and only
# those, so that a second run costs a moment.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The fonts (one with the Arabic decimal separator of some regional settings, renamed with
# fontTools) and Qt's German texts, which the build carries into the program, and Qt's
# Wayland platform for the tests.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev librsvg2-bin
                fonts-liberation2 fonts-urw-base35 fonts-dejavu-core fontconfig python3-fonttools
                qt6-translations-l10n qt6-wayland)

# What the tests need beyond the build: checkers of the desktop entry, the metadata and
# the package, the package's dependencies, a display with the accessibility bus, a
# Wayland compositor and a desktop theme with a dark variant.
TEST_PACKAGES=(desktop-file-utils appstream dpkg-dev lintian xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi
               weston qt6-gtk-platformtheme)

# What scripts/package-check needs beyond the build: the package's checker and a fresh
# Debian root to install it into.
CHECK_PACKAGES=(lintian debootstrap)

# What scripts/windows needs beyond the build: the cross compiler and the source of Qt
# for Windows, Wine to run the tests, the tools that make the icon and the MSI, and a
# display, input, screenshots, text recognition and the German and English regional
# settings for the test of the installed program's window.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix dpkg-dev xz-utils patch perl wine wine64
                  icoutils msitools wixl xvfb xdotool x11-utils imagemagick tesseract-ocr locales)

# What scripts/web needs beyond the build: Emscripten and its optimiser, Debian's Qt
# source, three browser engines (Chromium and Firefox driven through a library from the
# npm registry, WebKitGTK by its own WebDriver) on a display of their own, text
# recognition for the window's read-outs, and the German and English regional settings,
# from which WebKitGTK takes the browser's language.
WEB_PACKAGES=(emscripten binaryen python3 dpkg-dev xz-utils patch brotli chromium firefox-esr
              webkit2gtk-driver xvfb imagemagick tesseract-ocr locales)

# Generates the regional settings named, where they are missing.
ensure_locales() {
    local missing=0
    for name in "$@"; do
        locale -a | grep -q -x "$name.utf8" && continue
        sed -i "s/^# *\($name.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        missing=1
    done
    [ $missing -eq 0 ] || locale-gen >/dev/null
}

# Debian's source packages need a deb-src entry beside each of the machine's package lists.
ensure_source_lists() {
    apt-get source --print-uris qt6-base >/dev/null 2>&1 && return 0
    for list in /etc/apt/sources.list.d/*.sources; do
        [ -e "$list" ] && [ "${list%-src.sources}" = "$list" ] || continue
        sed 's/^Types: deb$/Types: deb-src/' "$list" > "${list%.sources}-src.sources"
    done
    [ -e /etc/apt/sources.list ] &&
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list > /etc/apt/sources.list.d/deb-src.list
    apt-get update -q >&2
}

# Puts the files of the Debian source package that the installed package $1 was built from
# into the folder $2 and prints the path of its .dsc. They come from the folder
# KRAFTFELD_DEBIAN_SOURCES where that holds the source package (as the source tarball's
# debian-sources/ does), so that a rebuild from the tarball uses exactly its sources;
# otherwise from Debian, at the installed version.
debian_source() {
    local source version dsc="" candidate
    source=$(dpkg-query -W -f='${source:Package}' "$1")
    version=$(dpkg-query -W -f='${source:Version}' "$1")
    if [ -n "${KRAFTFELD_DEBIAN_SOURCES:-}" ]; then
        for candidate in "$KRAFTFELD_DEBIAN_SOURCES/${source}"_*.dsc; do
            [ -e "$candidate" ] && dsc="$candidate"
        done
    fi
    if [ -n "$dsc" ]; then
        cp "$dsc" $(awk '/^Files:/ { f = 1; next } /^[^ ]/ { f = 0 } f { print $3 }' "$dsc" |
            sed "s|^|$(dirname "$dsc")/|") "$2"/
    else
        ensure_source_lists
        (cd "$2" && apt-get source -qq --download-only "$source=$version" >&2)
        dsc="${source}_${version#*:}.dsc"
    fi
    echo "$2/$(basename "$dsc")"
}
