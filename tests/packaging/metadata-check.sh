#!/bin/sh
# The Debian package's desktop integration, validated with the real tools:
# the desktop entry (desktop-file-validate), the AppStream metainfo
# (appstreamcli, offline), the icons (PNG of the size their folder names)
# and the MIME package, installed into a scratch data folder: xdg-mime then
# knows the sample container as application/x-zvq, and did not before.
# Usage: metadata-check.sh PACKAGES SAMPLE
set -u
packages=$1 sample=$2
work=$(mktemp -d /tmp/sorvane-metadata-XXXXXX)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "$*" >&2; status=1; }
dpkg-deb -x "$packages"/sorvane_*.deb "$work/root" || exit 1
share="$work/root/usr/share"

for entry in "$share"/applications/*.desktop; do
  desktop-file-validate "$entry" || fail "desktop-file-validate: $entry"
done
for info in "$share"/metainfo/*.xml; do
  appstreamcli validate --no-net "$info" || fail "appstreamcli validate: $info"
done

for png in "$share"/icons/hicolor/*/*/*.png; do
  size=${png#"$share"/icons/hicolor/}
  size=${size%%x*}
  # Width and height are the big-endian words at offsets 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done
[ -f "$share/icons/hicolor/256x256/apps/example.orvel.Sorvane.png" ] || fail "no 256 pixel icon"

cp "$sample" "$work/Beispiel.zvq"
export XDG_DATA_HOME="$work/data" XDG_DATA_DIRS=/usr/share
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
before=$(xdg-mime query filetype "$work/Beispiel.zvq")
[ "$before" != application/x-zvq ] || fail "the type is known before the package's MIME data is installed"
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$share"/mime/packages/*.xml "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime" || fail "update-mime-database failed"
after=$(xdg-mime query filetype "$work/Beispiel.zvq")
echo "xdg-mime query filetype: before $before, after $after"
[ "$after" = application/x-zvq ] || fail "xdg-mime says $after"
exit $status
