#!/usr/bin/env bash
# The source archive as it goes beside the Debian package, without Qt: the program's
# tracked files exactly as they are in the work tree, uncommitted changes included, nothing
# built, and a README with the steps that build the package again.
#   test_source_tarball.sh SOURCE_DIR
set -euo pipefail
source_dir="$(realpath -e "$1")"
git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1 || {
    echo "SKIP: $source_dir is no Git work tree"
    exit 77
}
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

tarball="$("$source_dir/scripts/source-tarball" "$work/out")"
tar -xJf "$tarball" -C "$work"
top="$work/$(basename "$tarball" .tar.xz)"
program=("$top"/kraftfeld-*/)
[ ${#program[@]} -eq 1 ] && [ -d "${program[0]}" ] || fail "no single program folder in $tarball"

mkdir "$work/tracked"
(cd "$source_dir" && git ls-files -z | tar --null -T - -c) | tar -x -C "$work/tracked"
diff -r "$work/tracked" "${program[0]}" >&2 || fail "the program's files differ from the work tree's tracked files"
[ ! -e "$top/debian-sources" ] || fail "Qt's source in an archive for no package with Qt"
for step in 'ensure_packages' 'cmake --build build/package' 'cpack' 'snapshot.debian.org/package/qt6-translations/'; do
    grep -qF "$step" "$top/README.txt" || fail "README.txt lacks $step"
done
echo "PASS: $(basename "$tarball")"
