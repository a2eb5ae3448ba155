#!/usr/bin/env bash
# What a desktop sees of the installed game, checked with the tools a distribution checks with.
# Usage: check.sh desktop|metainfo|manpages SOURCE_DIR
#        check.sh install SOURCE_DIR BUILD_DIR
#        check.sh hardening PROGRAM
#        check.sh deb RELEASE_BUILD_DIR SCRATCH_DIR
# Exits 77 (skipped) when a tool or the program to check is missing.
set -euo pipefail

skip() {
    echo "skipped: $*"
    exit 77
}
fail() {
    echo "FAILED: $*"
    exit 1
}
need() {
    command -v "$1" >/dev/null || skip "$1 is not installed (Debian package $2)"
}

what=$1
shift
case $what in
desktop)
    need desktop-file-validate desktop-file-utils
    # It prints hints as well as errors; a clean entry prints nothing.
    out=$(desktop-file-validate "$1/dist/ixa.desktop" 2>&1) || fail "$out"
    [ -z "$out" ] || fail "$out"
    ;;
metainfo)
    need appstreamcli appstream
    appstreamcli validate --pedantic --strict --no-net "$1/dist/cz.ixa.Ixa.metainfo.xml" ||
        fail "the metainfo has issues beyond pedantic hints"
    ;;
manpages)
    need man man-db
    for page in "$1/dist/ixa.6" "$1/dist/ixa.cs.6"; do
        warnings=$(LC_ALL=C.UTF-8 man --warnings=w -l "$page" 2>&1 >/dev/null) || fail "$page does not render"
        [ -z "$warnings" ] || fail "$page: $warnings"
    done
    ;;
install)
    source=$1 build=$2
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    # Under a umask that closes folders to others, they must come out as any user reads them.
    (umask 027 && DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null)
    expected=(
        usr/games/ixa
        usr/share/applications/ixa.desktop
        usr/share/metainfo/cz.ixa.Ixa.metainfo.xml
        usr/share/man/man6/ixa.6.gz
        usr/share/man/cs/man6/ixa.6.gz
        usr/share/doc/ixa/copyright
        usr/share/doc/ixa/changelog.gz
        usr/share/icons/hicolor/scalable/apps/ixa.svg
    )
    declare -A sizes=()
    for icon in "$source"/assets/icon*.png; do
        size=${icon##*/icon}
        size=${size%.png}
        [[ $size =~ ^[0-9]+$ ]] || continue
        sizes[$size]=1
        expected+=("usr/share/icons/hicolor/${size}x${size}/apps/ixa.png")
    done
    for size in 16 32 256; do
        [ -n "${sizes[$size]:-}" ] || fail "no icon of ${size}x${size} in assets/"
    done
    diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$stage" && find . -type f -printf '%P\n' | sort) ||
        fail "the installed files differ from the expected ones (< expected, > installed)"
    # A PNG's width and height stand big-endian at bytes 16 to 23; an icon must be the size its folder says.
    for size in "${!sizes[@]}"; do
        read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$stage/usr/share/icons/hicolor/${size}x${size}/apps/ixa.png")
        w=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4)) h=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
        [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
    done
    modes=$(cd "$stage" && find usr -printf '%m %y %p\n' | grep -vx '755 d .*\|644 f .*\|755 f usr/games/ixa') &&
        fail "installed under umask 027, not 0755 folders and 0644 files: $modes"
    grep -qx 'Exec=/usr/games/ixa' "$stage/usr/share/applications/ixa.desktop" || fail "the menu entry's Exec is not /usr/games/ixa"
    ;;
hardening)
    # Read with readelf from binutils, which every C++ toolchain brings along.
    program=$1
    [ -f "$program" ] || skip "no release build at $program (scripts/test builds it)"
    need readelf binutils
    header=$(readelf -hW "$program")
    segments=$(readelf -lW "$program")
    dynamic=$(readelf -dW "$program")
    imports=$(readelf --dyn-syms -W "$program" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }')
    grep -q 'Type: *DYN' <<<"$header" || fail "not position-independent (ELF type is not DYN)"
    grep -q ' INTERP ' <<<"$segments" || fail "no program interpreter: a shared library, not a PIE program"
    grep -q ' GNU_RELRO ' <<<"$segments" || fail "no read-only relocations segment (RELRO)"
    grep -Eq '\(FLAGS\) .*BIND_NOW|\(FLAGS_1\) .*NOW' <<<"$dynamic" ||
        fail "symbols are bound lazily: RELRO is partial without BIND_NOW"
    grep -qx '__stack_chk_fail' <<<"$imports" || fail "no stack protector (__stack_chk_fail is not called)"
    # An empty or relative entry has the loader look in whatever directory the game starts from.
    while read -r path; do
        IFS=: read -ra entries <<<"$path:"
        for entry in "${entries[@]}"; do
            [[ $entry == /* || $entry == '$ORIGIN'* ]] || fail "library search path with an empty or relative entry: [$path]"
        done
    done < <(sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]$/\2/p' <<<"$dynamic")
    # Fortified calls are checked ones (__memcpy_chk, __printf_chk, ...). C++ copies memory through
    # compiler builtins that are never fortified, so only the C library's calls by name tell: any
    # of those that stayed unchecked means the build was not fortified. Reads into a buffer whose
    # size the compiler proves stay plain read() calls in a fortified build, so they tell nothing.
    checked=$(grep -E '^__.+_chk$' <<<"$imports" | grep -vx '__stack_chk_fail' || true)
    unchecked=$(grep -Ex '(v?[sf]?n?printf|v?dprintf|str[n]?cpy|stpn?cpy|str[n]?cat|gets|realpath|getcwd|wcs[n]?cpy|wcs[n]?cat|mbstowcs|wcstombs)' <<<"$imports" || true)
    [ -z "$unchecked" ] || fail "C library calls left unchecked (not fortified): $(echo $unchecked)"
    if [ -n "$checked" ]; then
        echo "fortified calls: $(echo $checked)"
    else
        echo "fortified calls: none needed (the program makes no C library call that fortification checks)"
    fi
    ;;
deb)
    # The package cpack makes of the release build, held to Debian's policy by lintian.
    build=$1 scratch=$2
    [ -f "$build/CPackConfig.cmake" ] || skip "no release build at $build (scripts/test builds it)"
    need dpkg-shlibdeps dpkg-dev && need lintian lintian
    rm -rf "$scratch"
    # Made under a umask that closes files and folders to others, and under one that opens them
    # to the group: the same bytes, as any user reads them.
    for mask in 027 002; do
        (umask $mask && cpack --config "$build/CPackConfig.cmake" -B "$scratch/$mask" >/dev/null) || fail "cpack made no package"
    done
    deb=$(echo "$scratch"/027/ixa_*.deb)
    cmp "$deb" "$scratch"/002/ixa_*.deb || fail "the package differs between umask 027 and 002"
    modes=$( (ar tv "$deb" && dpkg-deb -c "$deb") | grep -v '^rw-r--r-- \|^drwxr-xr-x \|^-rw-r--r-- \|^-rwxr-xr-x .* ./usr/games/ixa$') &&
        fail "not 0755 folders and 0644 files and members: $modes"
    report=$(lintian --pedantic --display-info --fail-on error,warning "$deb" 2>&1) || fail "$report"
    echo "$report"
    ;;
*)
    fail "unknown check: $what"
    ;;
esac
echo "passed: $what"
