#!/usr/bin/env bash
# Installs the build into a temporary prefix and packs it as a .deb, then
# checks that both hold the program, its icon, desktop entry and MIME type.
set -euo pipefail
build=$1
cmake=${2:-cmake}
cpack=${3:-cpack}

files=(
    bin/quire
    share/icons/hicolor/scalable/apps/quire.svg
    share/applications/quire.desktop
    share/mime/packages/x-tablewright.xml
)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$tmp/prefix" >/dev/null
for f in "${files[@]}"; do
    [ -f "$tmp/prefix/$f" ] || fail "cmake --install left out $f"
done
version=$("$tmp/prefix/bin/quire" --version)
[ "$version" = "Quire 1.6" ] || fail "the installed program says '$version'"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$tmp/prefix/share/applications/quire.desktop" ||
        fail "the installed desktop entry is not valid"
fi

(cd "$build" && "$cpack" -G DEB -B "$tmp/deb" >"$tmp/cpack.log" 2>&1) ||
    fail "cpack: $(cat "$tmp/cpack.log")"
debs=("$tmp"/deb/quire_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no quire .deb"
contents=$(dpkg-deb -c "${debs[0]}")
for f in "${files[@]}"; do
    grep -q " \./usr/$f\$" <<<"$contents" || fail "the .deb holds no /usr/$f"
done
info=$(dpkg-deb -I "${debs[0]}")
for field in "Package: quire" "Version: 1.6" "Section: editors"; do
    grep -q "^ $field\$" <<<"$info" || fail "the .deb has no '$field'"
done
