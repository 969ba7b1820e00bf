#!/usr/bin/env bash
# Builds the Debian package, has lintian check it, unpacks it into a scratch root and
# checks that everything lies where the desktop, the software centre, the icon theme and
# man look for it.
# Usage: test_package.sh CPACK_CONFIG SCRATCH_DIR DOCS_DIR APP_ID
set -euo pipefail
config=$1 scratch=$2 docs=$3 id=$4

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
cpack --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    exit 1
}
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAILED: expected one package, got: ${debs[*]}"; exit 1; }
deb=${debs[0]}
root=$scratch/root
dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)

# Debian's own checks: any error or warning fails, informational tags are only shown.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || {
    cat "$scratch/lintian.log"
    fail "lintian"
}

# The package's name and dependencies.
[ "$(basename "$deb")" = "kraftfeld_${version}_$(dpkg-deb -f "$deb" Architecture).deb" ] ||
    fail "package file name $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# What the program carries inside it, it needs no package for; its copyright names each.
for carried in fonts-liberation2 fonts-urw-base35 fonts-dejavu-core qt6-translations-l10n; do
    grep -Eq "(^|, )$carried( |,|$)" <<<"$depends" && fail "Depends names $carried, which the program carries: $depends"
    grep -q "Debian's $carried" "$root/usr/share/doc/kraftfeld/copyright" || fail "copyright does not name $carried"
done
# A GPL-2-only part cannot be built into a GPL-3-or-later program; and whoever receives
# the package learns where its source is.
grep -Eq '^License: (.* )?GPL-2( |$)' "$root/usr/share/doc/kraftfeld/copyright" &&
    fail "copyright names a part under the GPL 2 only"
grep -q 'kraftfeld-<version>-source.tar.xz' "$root/usr/share/doc/kraftfeld/copyright" ||
    fail "copyright does not say where the source is"

# The files' places.
[ -x "$root/usr/bin/kraftfeld" ] || fail "no executable /usr/bin/kraftfeld"
for file in usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/kraftfeld.1.gz \
    usr/share/doc/kraftfeld/copyright usr/share/doc/kraftfeld/changelog.gz; do
    [ -f "$root/$file" ] || fail "missing /$file"
done
for size in 16 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    if [ -f "$png" ]; then
        # Width and height are the big-endian words at bytes 16 and 20 of the header.
        read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
            awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
        [ "$width x $height" = "$size x $size" ] || fail "$png is $width x $height"
    else
        fail "missing icon of $size pixels"
    fi
done
unexpected=$(cd "$root" && find . -type f |
    grep -Ev "^\./usr/(bin/kraftfeld|share/((applications|metainfo|icons/hicolor|doc/kraftfeld)/|man/man1/kraftfeld\.1\.gz))" ||
    true)
[ -z "$unexpected" ] || fail "files outside the expected places: $unexpected"

# The desktop entry starts what the package installs and shows its icon; the metadata
# passes with the desktop entry beside it and shows the screenshots kept under docs/.
desktop=$root/usr/share/applications/$id.desktop
[ "$(sed -n 's/^Exec=//p' "$desktop")" = kraftfeld ] || fail "Exec is not the installed program"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = $id ] || fail "Icon is not the installed icon"
# Qt keeps string literals in UTF-16, so the desktop file name is found as such. grep reads
# to the end: quitting at the first match would leave strings to die of a closed pipe.
strings -el "$root/usr/bin/kraftfeld" | grep -x "$id" >/dev/null || fail "the program does not name $id as its desktop file"
appstreamcli validate-tree --no-net "$root" >"$scratch/validate.log" 2>&1 || {
    cat "$scratch/validate.log"
    fail "appstreamcli validate-tree"
}
for shot in $(grep -o '<image[^>]*>[^<]*' "$root/usr/share/metainfo/$id.metainfo.xml" | sed 's/.*>//'); do
    [ -f "$docs/$(basename "$shot")" ] || fail "screenshot $shot is not under docs/"
done

# The changelog and the metadata's newest release name the version being packaged.
changelog_version=$(zcat "$root/usr/share/doc/kraftfeld/changelog.gz" | sed -n '1s/^kraftfeld (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is $changelog_version, the package $version"
release=$(grep -o -m1 '<release version="[^"]*"' "$root/usr/share/metainfo/$id.metainfo.xml" | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metadata's newest release is $release, the package $version"

# The installed program starts and keeps running.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/kraftfeld" || status=$?
[ $status -eq 124 ] || fail "the installed program ended with $status within 2 seconds"

[ $failures -eq 0 ] || exit 1
echo "The package installs its $(find "$root" -type f | wc -l) files in their places."
