#!/usr/bin/env bash
# Installs the game into a scratch folder and checks the desktop installation: the executable
# and its wave files in the game's own folder, bin/tessora linking to it, and valid desktop
# and AppStream files with an icon.
set -euo pipefail
build_dir=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build_dir" --prefix /usr >/dev/null

fail() { echo "install check: $*" >&2; exit 1; }
root="$dest/usr"
[ -x "$root/lib/tessora/tessora" ] || fail "lib/tessora/tessora missing"
[ -L "$root/bin/tessora" ] || fail "bin/tessora is not a link"
[ "$(readlink -f "$root/bin/tessora")" = "$(readlink -f "$root/lib/tessora/tessora")" ] || fail "bin/tessora links elsewhere"
for wave in KLACK SCHNARCH LACHEN KLATSCHN REMIS WAHL KLICK ANLEITUN TADA; do
    [ -s "$root/lib/tessora/$wave.WAV" ] || fail "$wave.WAV missing beside the executable"
done
if ls "$root/bin" | grep -qi '\.wav$'; then fail "wave files lie loose in bin/"; fi
id=example.tessora.Tessora
desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop file invalid"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo invalid"
[ -s "$root/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "icon missing"
echo "install check passed"
