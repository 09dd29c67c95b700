#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `cmake --install` does, and checks one thing
# the desktop sees of it, offline:
#   entry     the desktop entry passes desktop-file-validate and opens .hpx files with %f
#   metainfo  the AppStream metainfo passes appstreamcli, also against the installed tree
#   mime      xdg-mime tells a profile file by its name and, renamed, by its first lines, and
#             names Hoprex as the program that opens it
#   icons     the icon in every size, and the scalable one
#   manual    the manual page of hoprex-cli formats without a warning
# Usage: desktop_files_test.sh CMAKE BUILD_DIR TEST_DATA_DIR CHECK
set -euo pipefail
cmake_command=$1 build=$2 data=$3 check=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cmake_command" --install "$build" --prefix "$work/usr" > /dev/null
share=$work/usr/share
id=de.hoprex.Hoprex
failed=0
expect() { # what, actual, expected
    if [ "$2" != "$3" ]; then
        echo "FAILED: $1: '$2', expected '$3'"
        failed=1
    fi
}

case "$check" in
entry)
    desktop-file-validate "$share/applications/$id.desktop"
    expect "Exec" "$(sed -n 's/^Exec=//p' "$share/applications/$id.desktop")" "hoprex %f"
    expect "MimeType" "$(sed -n 's/^MimeType=//p' "$share/applications/$id.desktop")" \
        "application/x-hoprex-profile;"
    ;;
metainfo)
    appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
    appstreamcli validate-tree --no-net "$work"
    ;;
mime)
    # Only the installed tree counts; the generic query (no desktop named) reads the MIME
    # database through File::MimeInfo, as a file manager reads it through its own library.
    export XDG_DATA_HOME="$share" XDG_DATA_DIRS="$share" XDG_CONFIG_HOME="$work/config"
    export XDG_CONFIG_DIRS="$work/config" HOME="$work"
    unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
    update-mime-database "$share/mime"
    update-desktop-database "$share/applications"
    files=$work/files
    mkdir -p "$files"
    cp "$data/files/two_sections.hpx" "$files/route.hpx"
    cp "$data/files/two_sections.hpx" "$files/renamed.txt"
    sed 's/$/\r/' "$data/files/two_sections.hpx" > "$files/windows_line_ends.dat"
    printf 'Version 2\nnot a profile\n' > "$files/notes.txt"
    expect "route.hpx" "$(xdg-mime query filetype "$files/route.hpx")" application/x-hoprex-profile
    expect "renamed.txt" "$(xdg-mime query filetype "$files/renamed.txt")" \
        application/x-hoprex-profile
    expect "windows_line_ends.dat" "$(xdg-mime query filetype "$files/windows_line_ends.dat")" \
        application/x-hoprex-profile
    expect "notes.txt" "$(xdg-mime query filetype "$files/notes.txt")" text/plain
    expect "default application" "$(xdg-mime query default application/x-hoprex-profile)" \
        "$id.desktop"
    ;;
icons)
    for size in 16 32 48 64 128 256; do
        png=$share/icons/hicolor/${size}x${size}/apps/hoprex.png
        expect "$png" "$(file -b "$png" | cut -d, -f1-2)" "PNG image data, $size x $size"
    done
    expect "scalable icon" "$(file -b --mime-type "$share/icons/hicolor/scalable/apps/hoprex.svg")" \
        image/svg+xml
    ;;
manual)
    page=$share/man/man1/hoprex-cli.1
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > /dev/null)
    expect "warnings of man" "$warnings" ""
    expect "NAME section" "$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" | sed -n "/^NAME\$/{n;p;q}" | xargs)" \
        "hoprex-cli - Höhenprofile aus Geländeschnitt-Screenshots ohne Fenster"
    ;;
*)
    echo "unknown check $check"
    exit 2
    ;;
esac
exit $failed
