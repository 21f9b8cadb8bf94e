#!/usr/bin/env bash
# Installs a build and checks what arrives: exactly the expected files; both programs run
# from there; the desktop entry, AppStream metadata and manual pages pass their validators
# (each when its tool is installed; scripts/deps.sh installs them all); the icon's PNG sizes
# are PNGs of their size; each manual page holds every line of its program's --help.
#
#   check-install.sh prefix  CMAKE BUILD_DIR WORK_DIR VERSION APP_ID gui|cli-only
#       `cmake --install` into WORK_DIR/prefix
#   check-install.sh package CPACK BUILD_DIR WORK_DIR VERSION APP_ID gui|cli-only
#       the Debian package built with CPack, its control fields, and its files unpacked
set -euo pipefail

mode=$1 tool=$2 build=$3 work=$4 version=$5 appId=$6 gui=$7

iconSizes=(16 24 32 48 64 128 256) # the hicolor sizes drawn from the SVG
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
case "$mode" in
prefix)
    root="$work/prefix"
    "$tool" --install "$build" --prefix "$root" >/dev/null
    ;;
package)
    if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
        echo "no dpkg-deb and dpkg-shlibdeps (package dpkg-dev): the package is not checked"
        exit 77
    fi
    (cd "$work" && "$tool" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null)
    debs=("$work"/tallar2_*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb in $work" >&2; exit 1; }
    deb=${debs[0]}
    [ "$(dpkg-deb -f "$deb" Package)" = tallar2 ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
    # What the programs link, found by dpkg-shlibdeps, and the platform plugins by hand.
    depends=$(dpkg-deb -f "$deb" Depends)
    # Both programs draw the character sheet (Qt Gui) with the DejaVu fonts.
    needed=(libc6 libstdc++6 libsqlite3-0 libqt6core6 libqt6gui6 fonts-dejavu-core
            fonts-dejavu-extra)
    [ "$gui" = gui ] && needed+=(libqt6widgets6 libqt6svg6 libqt6printsupport6 qt6-qpa-plugins)
    names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
    for package in "${needed[@]}"; do
        grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
    done
    if grep -q -e libgtest -e libbenchmark -e '-dev$' <<<"$names"; then
        fail "Depends names build packages: $depends"
    fi
    dpkg-deb -x "$deb" "$work/unpacked"
    root="$work/unpacked/usr"
    ;;
*)
    echo "check-install.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac

# Exactly these files, nothing else (no libraries, tests or build leftovers).
expected=(bin/tallar2-cli share/man/man1/tallar2-cli.1.gz)
if [ "$gui" = gui ]; then
    expected+=(bin/tallar2 share/man/man1/tallar2.1.gz
               "share/applications/$appId.desktop" "share/metainfo/$appId.metainfo.xml"
               "share/icons/hicolor/scalable/apps/$appId.svg")
    for size in "${iconSizes[@]}"; do
        expected+=("share/icons/hicolor/${size}x$size/apps/$appId.png")
    done
fi
installed=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$installed" = "$wanted" ] ||
    fail "installed files differ from the expected ones:$(diff <(echo "$wanted") <(echo "$installed") | sed 's/^/ /')"

# The programs run from where they were installed.
[ "$("$root/bin/tallar2-cli" --version)" = "tallar2-cli $version" ] || fail "tallar2-cli --version"
programs=(tallar2-cli)
if [ "$gui" = gui ]; then
    [ "$("$root/bin/tallar2" --version)" = "tallar2 $version" ] || fail "tallar2 --version"
    programs+=(tallar2)
fi

# Each manual page renders without warnings and holds every line of its program's --help as
# whole words (compared without line breaks and repeated spaces; the usage line appears
# without its "Użycie:", headings in capitals).
plain() { tr -s '[:space:]' ' ' | sed 's/‐/-/g; s/−/-/g; s/^ //; s/ $//'; }
for program in "${programs[@]}"; do
    page="$root/share/man/man1/$program.1.gz"
    [ -f "$page" ] || continue
    if command -v groff >/dev/null; then
        warnings=$(zcat "$page" | groff -k -man -Tutf8 -ww -z 2>&1 || true)
        [ -z "$warnings" ] || fail "$program.1: $warnings"
        rendered=$(zcat "$page" | groff -k -man -Tutf8 -P-cbou 2>/dev/null | plain)
        while IFS= read -r raw; do
            if [[ $raw =~ ^[^\ ].*:$ ]]; then
                line=${raw%:}
                line=${line^^}
            else
                line=$(plain <<<"${raw#Użycie: }")
            fi
            [ -z "$line" ] && continue
            [[ " $rendered " == *" $line "* ]] || fail "$program.1 lacks the help line: $line"
        done < <("$root/bin/$program" --help)
    fi
done

if [ "$gui" = gui ]; then
    desktop="$root/share/applications/$appId.desktop"
    if command -v desktop-file-validate >/dev/null; then
        # Hints too: they leave the exit code 0 but mean a menu may misplace the entry.
        report=$(desktop-file-validate "$desktop" 2>&1 || true)
        [ -z "$report" ] || fail "desktop-file-validate: $report"
    fi
    # The menu starts the installed program in the user's data folder, with the installed icon.
    grep -qx "Exec=tallar2 --user-data" "$desktop" || fail "Exec line of $desktop"
    grep -qx "Icon=$appId" "$desktop" || fail "Icon line of $desktop"

    metainfo="$root/share/metainfo/$appId.metainfo.xml"
    if command -v appstreamcli >/dev/null; then
        report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
    fi
    grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version in $metainfo"
    grep -q "<launchable type=\"desktop-id\">$appId.desktop</launchable>" "$metainfo" ||
        fail "$metainfo does not launch $appId.desktop"

    # PNG signature, then the IHDR chunk's width and height (big-endian, bytes 16 to 23).
    for size in "${iconSizes[@]}"; do
        png="$root/share/icons/hicolor/${size}x$size/apps/$appId.png"
        [ -f "$png" ] || continue
        signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
        read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
        [ "$signature" = 89504e470d0a1a0a ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
            fail "$png is no ${size}x$size PNG (signature $signature, $width x $height)"
    done
    grep -q "<svg" "$root/share/icons/hicolor/scalable/apps/$appId.svg" || fail "scalable icon"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$mode: all checks passed"
