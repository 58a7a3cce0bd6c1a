#!/usr/bin/env bash
# Installs a build into a scratch folder and checks what a player gets: the executable and its
# wave files in the game's own folder; the commands where the build puts them (bin/, or games/
# in the Debian package): a relative link to the game and tessora-engine; the manual pages;
# valid desktop and AppStream files with an icon, the menu entry starting the game enlarged;
# and both programs answering --help and --version without a display, with the version of the
# metainfo's newest release.
#   check_install.sh BUILD_DIR
set -euo pipefail
build_dir=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build_dir" --prefix /usr >/dev/null

fail() { echo "install check: $*" >&2; exit 1; }
command_dir=$(sed -n 's/^TESSORA_COMMAND_DIR:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
root="$dest/usr"
game="$root/lib/tessora/tessora"
link="$root/$command_dir/tessora"
engine="$root/$command_dir/tessora-engine"
[ -x "$game" ] || fail "lib/tessora/tessora missing"
[ -L "$link" ] || fail "$command_dir/tessora is not a link"
# Resolved inside the scratch folder, so a link by absolute path fails here too.
[ "$(readlink -f "$link")" = "$(readlink -f "$game")" ] || fail "$command_dir/tessora links elsewhere"
# Every wave file of the game's sound table.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build_dir/CMakeCache.txt")
waves=$(grep -o '"[A-Z]*\.WAV"' "$source_dir/core/Sound.h" | tr -d '"')
[ "$(echo "$waves" | wc -w)" -eq 9 ] || fail "the sound table does not name nine wave files"
for wave in $waves; do
    [ -s "$root/lib/tessora/$wave" ] || fail "$wave missing beside the executable"
done
if ls "$root/$command_dir" | grep -qi '\.wav$'; then fail "wave files lie loose in $command_dir/"; fi
[ -s "$root/lib/tessora/libtessora-sound.so" ] || fail "the sound module is missing beside the game"
[ -x "$engine" ] && [ ! -L "$engine" ] || fail "$command_dir/tessora-engine missing"
for page in man6/tessora.6 man6/tessora-engine.6 de/man6/tessora.6; do
    [ -s "$root/share/man/$page" ] || fail "manual page $page missing"
done

id=example.tessora.Tessora
metainfo="$root/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop file invalid"
appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null || fail "metainfo invalid"
# The menu starts the game filling the screen, in the locale's language; its actions start it at
# its own size, in a window, or with explanations.
entry="$root/share/applications/$id.desktop"
grep -qx 'Exec=tessora --zoom max --sprache auto' "$entry" ||
    fail "the menu entry does not start the game enlarged in the locale's language"
grep -qx 'Exec=tessora --sprache auto' "$entry" &&
    grep -qx 'Exec=tessora --fenster --zoom max --sprache auto' "$entry" &&
    grep -qx 'Exec=tessora --zoom max --erklaeren --sprache auto' "$entry" ||
    fail "the menu entry lacks its actions for the original size, a window and explanations"
[ -s "$root/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "icon missing"

# Without a display, and in a German locale (the help follows the locale).
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL
            -u LC_MESSAGES LANG=de_DE.UTF-8)
help=$("${no_display[@]}" "$link" --help) || fail "tessora --help failed"
[[ $help == "Aufruf: tessora "* ]] || fail "tessora --help printed: $help"
version=$("${no_display[@]}" "$link" --version) || fail "tessora --version failed"
[[ $version =~ ^tessora\ ([0-9]+\.[0-9]+\.[0-9]+)$ ]] || fail "tessora --version printed: $version"
number=${BASH_REMATCH[1]}
[ "$("${no_display[@]}" "$engine" --version)" = "tessora-engine $number" ] ||
    fail "tessora-engine --version does not say $number"
# AppStream lists the newest release first.
grep -m1 '<release ' "$metainfo" | grep -q "version=\"$number\"" ||
    fail "the metainfo's newest release is not $number"
echo "install check passed"
