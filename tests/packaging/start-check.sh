#!/bin/sh
# Unpacks a package into a scratch folder and starts its program there, as a
# user would, with a container named relative to the current folder: the
# login page must show the container's title. Then checks what the start
# registered for the user: the Debian package's program writes its registry
# values but no desktop entry of the user's (the package has the system's);
# the portable folder's program enters itself with the .zvq file type.
# Run under Xvfb: start-check.sh ARTIFACTS deb|portable PACKAGES SAMPLE PRELOAD
set -u
artifacts=$1 kind=$2 packages=$3 sample=$4 preload=$5
title="Beispielcontainer für Sorvane"
work=$(mktemp -d /tmp/sorvane-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "$kind: $*" >&2; [ -f "$work/texts" ] && sed 's/^/  shown: /' "$work/texts" >&2; exit 1; }
export ORVEL_REGISTRY_DIR="$work/registry" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION

mkdir "$work/root"
case $kind in
  deb)
    dpkg-deb -x "$packages"/sorvane_*.deb "$work/root" || fail "dpkg-deb -x failed"
    bin="$work/root/usr/bin" ;;
  portable)
    tar -xzf "$packages"/sorvane-*.tar.gz -C "$work/root" || fail "tar failed"
    bin=$(echo "$work"/root/sorvane-*)
    # A first start offers the update wizard before the main window; this
    # user chose "never", as the update wizard's check box writes it.
    "$bin/orvelreg" add 'HKLM\SOFTWARE\Orvel\Sorvane' /v NoUpdate >/dev/null || fail "orvelreg add failed" ;;
  *) fail "unknown kind" ;;
esac

name="Beispiel mit Leerzeichen.zvq"
cp "$sample" "$work/$name"
cd "$work" || exit 1
WINDOW_TEXTS="$work/texts" LD_PRELOAD="$preload" "$bin/sorvane" "$name" &
pid=$!
shown=no
for _ in $(seq 120); do
  if grep -qxF "$title" texts 2>/dev/null; then shown=yes; break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
if [ $shown = yes ]; then
  # The login page as the metainfo's screenshot shows it.
  echo "$artifacts/sorvane-anmeldung.png" >texts.shot
  for _ in $(seq 20); do [ -f texts.shot ] || break; sleep 0.5; done
fi
cp texts "$artifacts/window-texts.txt" 2>/dev/null
kill "$pid" 2>/dev/null
wait "$pid"
[ $shown = yes ] || fail "the login page did not show \"$title\""
grep -qxF "window: Sorvane - [$work/$name]" texts || fail "the caption does not name the opened file"

"$bin/orvelreg" query 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Sorvane' DisplayName >/dev/null ||
  fail "the start wrote no uninstall entry"
entry="$XDG_DATA_HOME/applications/orvel-sorvane.desktop"
if [ "$kind" = deb ]; then
  [ ! -e "$entry" ] || fail "a second desktop entry was written: $entry"
  [ ! -e "$XDG_DATA_HOME/mime" ] || fail "the user's MIME database was touched"
  exit 0
fi
[ -f "$entry" ] || fail "no desktop entry for the user"
desktop-file-validate "$entry" || fail "the user's desktop entry does not validate"
grep -qx 'MimeType=application/x-zvq;' "$entry" || fail "the user's desktop entry names no file type"
type=$(xdg-mime query filetype "$work/$name")
[ "$type" = application/x-zvq ] || fail "the user's MIME database says $type"
[ -f "$XDG_DATA_HOME/icons/hicolor/32x32/mimetypes/application-x-zvq.png" ] || fail "no icon for the file type"
# GNOME's file manager, and xdg-open there, ask gio, which finds the program
# for a type in the applications folder's mimeinfo.cache only.
gio mime application/x-zvq 2>/dev/null | grep -qF orvel-sorvane.desktop || fail "gio knows no program for application/x-zvq"
