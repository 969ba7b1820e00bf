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

# The fonts (one with the Arabic decimal separator of some regional settings) and Qt's
# German texts, which the build carries into the program, and Qt's Wayland platform for
# the tests.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev librsvg2-bin
                fonts-liberation2 fonts-urw-base35 fonts-dejavu-core fontconfig
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
