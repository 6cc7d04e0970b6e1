#!/usr/bin/env bash
# cmake --install into a temporary DESTDIR: every desktop file is valid, the
# MIME package makes "*.da4" our type, the manual page names every option of
# --help, and the installed programs give their version, the same JSON as the
# build's kalvesta4-cli and the summary page.
#   install_tree_test.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$1 version=$2 app_id=$3
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
usr="$dest/usr"
share="$usr/share"

desktop-file-validate "$share/applications/$app_id.desktop"
appstreamcli validate --no-net --explain "$share/metainfo/$app_id.metainfo.xml"
xmllint --noout "$share/mime/packages/$app_id.xml"

# The icon the desktop entry names, in every size and as SVG.
icon=$(sed -n 's/^Icon=//p' "$share/applications/$app_id.desktop")
for size in 16 22 24 32 48 64 128 256; do
    [[ -s "$share/icons/hicolor/${size}x${size}/apps/$icon.png" ]] || fail "no ${size}px icon"
done
[[ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "no scalable icon"

# The MIME database built from our package maps "*.da4" to the type the desktop
# entry opens.
mime_type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$share/applications/$app_id.desktop")
XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
grep -qx "50:$mime_type:\*\.da4" "$share/mime/globs2" || fail "*.da4 is not $mime_type"
grep -qx "$mime_type text/plain" "$share/mime/subclasses" || fail "$mime_type is no text/plain"

# Every option of --help has its entry in the manual page, which formats cleanly.
cli="$usr/bin/kalvesta4-cli"
page="$share/man/man1/kalvesta4-cli.1"
for page_file in "$page" "$share/man/man1/kalvesta4.1"; do
    warnings=$(groff -man -ww -z -K utf8 "$page_file" 2>&1)
    [[ -z "$warnings" ]] || fail "$page_file: $warnings"
done
manual=$(groff -man -Tutf8 -K utf8 "$page" 2>/dev/null | sed 's/.\x08//g')
for option in $("$cli" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qE -- "^ +(-h, )?$option( |$)" <<<"$manual" || fail "the manual page has no entry $option"
done

[[ $("$cli" --version) == "kalvesta4-cli $version" ]] || fail "kalvesta4-cli --version"
[[ $("$usr/bin/kalvesta4" --version) == "kalvesta4 $version" ]] || fail "kalvesta4 --version"
installed_json=$("$cli" --json)
[[ "$installed_json" == "$("$build/src/kalvesta4-cli" --json)" ]] ||
    fail "the installed kalvesta4-cli gives other figures"
grep -q '"panel_count": 426' <<<"$installed_json" || fail "not the start-up aircraft"
"$cli" --summary "$dest/page.png" >/dev/null
[[ -s "$dest/page.png" ]] || fail "the installed kalvesta4-cli writes no summary page"
echo "installed tree: valid"
