#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a built tree (default build/, an optimized
# build), unpacks it into a throwaway folder and checks what a Linux desktop
# and Debian expect of it: lintian reports no error; the programs are
# stripped and hardened; the desktop entry, the AppStream metainfo, the MIME
# type, the icon at every hicolor size and as SVG, the man pages, the
# examples, the copyright and the changelog are there and the validators
# accept them; the programs, the metainfo, the man pages and the changelog
# give the package's version.
# Usage: scripts/check-package.sh [build folder]
# Prints one line per fault and exits non-zero if there is any.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
id=io.github.zyl.ZYL # as ZYL_APP_ID in cmake/package.cmake

for tool in cpack dpkg-deb dpkg-shlibdeps readelf desktop-file-validate appstreamcli man mandoc lintian; do
    command -v "$tool" >/dev/null || { echo "check-package: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$build" && cpack -G DEB -B "$work/pkg") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "check-package: cpack could not make the package" >&2
    exit 1
fi
debs=("$work"/pkg/*.deb)
deb=${debs[0]}
root=$work/root
dpkg-deb -x "$deb" "$root"

faults=0
fault() {
    echo "check-package: $*" >&2
    faults=$((faults + 1))
}

# --- The control fields ---------------------------------------------------
version=$(dpkg-deb -f "$deb" Version)
section=$(dpkg-deb -f "$deb" Section)
case "$section" in
    '' | devel | misc) fault "Section is '$section', not the section of a program for users" ;;
esac
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 3 ] || fault "Description has no long description"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' \
    || fault "Depends does not name the Qt libraries (shared library dependencies not computed)"

# --- Every file is there ---------------------------------------------------
share=$root/usr/share
files=(usr/bin/zyl usr/bin/zyl-minimize
       "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
       usr/share/mime/packages/zyl.xml "usr/share/icons/hicolor/scalable/apps/$id.svg"
       usr/share/man/man1/zyl.1.gz usr/share/man/man1/zyl-minimize.1.gz
       usr/share/doc/zyl/copyright usr/share/doc/zyl/changelog.gz)
for size in 16 24 32 48 64 128 256; do
    files+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for f in "${files[@]}"; do
    [ -s "$root/$f" ] || fault "missing: /$f"
done

# --- lintian: no error ---------------------------------------------------------
# Errors (E:) fail; warnings and notes are shown.
lintian --fail-on none "$deb" 2>&1 | grep -v '^running with root privileges' >"$work/lintian" || true
grep -v '^E: ' "$work/lintian" | sed 's/^/lintian: /' >&2 || true
while read -r tag; do
    fault "lintian: $tag"
done < <(grep '^E: ' "$work/lintian" || true)

# --- Programs: stripped of symbols and debugging information, hardened -------
# Hardened as Debian builds: position independent, relocations resolved at
# start (BIND_NOW) and then read-only (GNU_RELRO), a stack protector, and
# fortified string and memory functions. zyl-minimize passes only sizes that
# are known when it runs, so nothing in it can be fortified; zyl has calls
# that can.
for program in zyl zyl-minimize; do
    bin=$root/usr/bin/$program
    [ -f "$bin" ] || continue
    if readelf -S -W "$bin" | grep -qE '\.symtab|\.debug_'; then
        fault "/usr/bin/$program is not stripped"
    fi
    readelf -d -W "$bin" >"$work/dynamic"
    grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' "$work/dynamic" || fault "/usr/bin/$program is not linked with -z now"
    grep -qE '\(FLAGS_1\).*PIE' "$work/dynamic" || fault "/usr/bin/$program is not position independent"
    readelf -l -W "$bin" | grep -q GNU_RELRO || fault "/usr/bin/$program is not linked with -z relro"
    readelf --dyn-syms -W "$bin" >"$work/symbols"
    grep -q '__stack_chk_fail' "$work/symbols" || fault "/usr/bin/$program has no stack protector"
    if [ "$program" = zyl ] && ! grep -qE ' __[a-z]+_chk@' "$work/symbols"; then
        fault "/usr/bin/$program calls no fortified function (-D_FORTIFY_SOURCE=2)"
    fi
done

# --- Examples: each shipped as it is in examples/, and each opens -----------
for example in examples/*.zyl; do
    shipped=$share/doc/zyl/examples/$(basename "$example")
    if ! cmp -s "$example" "$shipped"; then
        fault "/usr/share/doc/zyl/examples/$(basename "$example") is not examples/$(basename "$example")"
    elif [ -x "$root/usr/bin/zyl" ]; then
        # As a script runs it: no display, no environment; silent on success.
        if ! env -i "$root/usr/bin/zyl" --export "$work/example.png" "$shipped" >"$work/out" 2>&1 \
            || grep -q . "$work/out"; then
            cat "$work/out" >&2
            fault "zyl cannot open the example $(basename "$example")"
        fi
    fi
done

# --- One version: the programs, the metainfo, the man pages, the changelog --
for program in zyl zyl-minimize; do
    [ -x "$root/usr/bin/$program" ] || continue
    said=$("$root/usr/bin/$program" --version 2>&1 | head -1 || true)
    [ "${said##* }" = "$version" ] || fault "$program --version says '$said', the package is $version"
done

# --- Icons: each PNG has the size its folder names --------------------------
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$png" ] || continue
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
    [ "$dims" = "${size}x$size" ] || fault "icon ${size}x$size is $dims"
done

# --- Validators --------------------------------------------------------------
desktop=$share/applications/$id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" >"$work/out" 2>&1 && ! grep -q . "$work/out" \
        || { cat "$work/out" >&2; fault "desktop-file-validate refuses $id.desktop"; }
    grep -qx "Icon=$id" "$desktop" || fault "$id.desktop does not name the icon $id"
    grep -q '^MimeType=.*application/x-zyl;' "$desktop" || fault "$id.desktop does not open application/x-zyl"
fi
metainfo=$share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$work/out" 2>&1 \
        || { cat "$work/out" >&2; fault "appstreamcli validate refuses $id.metainfo.xml"; }
    grep -q "<id>$id</id>" "$metainfo" || fault "the metainfo id is not $id"
    for program in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
        [ -f "$root/usr/bin/$program" ] || fault "the metainfo provides $program, the package does not"
    done
    grep -q "<release version=\"$version\"" "$metainfo" || fault "the metainfo has no release $version"
fi
grep -q 'type="application/x-zyl"' "$share/mime/packages/zyl.xml" 2>/dev/null \
    || fault "zyl.xml does not define application/x-zyl"

# --- Man pages render without warnings, with the package's version ---------
for page in zyl zyl-minimize; do
    gz=$share/man/man1/$page.1.gz
    [ -f "$gz" ] || continue
    if ! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$gz" >"$work/man.txt" 2>"$work/out" \
        || grep -q . "$work/out" || ! grep -q "^NAME" "$work/man.txt"; then
        cat "$work/out" >&2
        fault "man cannot show $page.1"
    fi
    mandoc -Tlint -Wwarning "$gz" >&2 || fault "mandoc -Tlint warns about $page.1"
    zcat "$gz" | grep -q "^\.TH .* \"ZYL $version\"" || fault "$page.1 does not give version $version"
done

# --- Copyright and changelog --------------------------------------------------
copyright=$share/doc/zyl/copyright
if [ -f "$copyright" ]; then
    head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        || fault "copyright is not in the machine-readable format"
    grep -q '^License: GPL-3.0-or-later' "$copyright" || fault "copyright does not name GPL-3.0-or-later"
fi
changelog=$share/doc/zyl/changelog.gz
if [ -f "$changelog" ]; then
    gzip -t "$changelog" 2>/dev/null || fault "changelog.gz is not gzip"
    zcat "$changelog" | head -1 | grep -q "^zyl ($version)" \
        || fault "the changelog does not start with version $version"
fi

if [ "$faults" -ne 0 ]; then
    echo "check-package: $faults fault(s) in $(basename "$deb")" >&2
    exit 1
fi
echo "check-package: $(basename "$deb") is complete and valid"
