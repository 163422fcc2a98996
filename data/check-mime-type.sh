#!/usr/bin/env bash
# Installs the program into a scratch prefix and asks the desktop's own tools what a channel
# file is: check-mime-type.sh CMAKE BUILD_DIR. Skipped (77) without xdg-mime and gio.
set -euo pipefail
cmake=$1
build=$2
if ! command -v xdg-mime >/dev/null && ! command -v gio >/dev/null; then
  echo "neither xdg-mime nor gio is installed" >&2
  exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$cmake" --install "$build" --prefix "$scratch/prefix" >/dev/null
export XDG_DATA_HOME="$scratch/home" XDG_DATA_DIRS="$scratch/prefix/share:/usr/share"
mkdir -p "$XDG_DATA_HOME"

query() {
  if command -v xdg-mime >/dev/null && command -v gio >/dev/null; then
    XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$1"
  else
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
  fi
}

expect() {
  local got
  got=$(query "$1")
  if [[ "$got" != "$2" ]]; then
    echo "$(basename "$1"): $got, expected $2" >&2
    exit 1
  fi
}

grep -q '^MimeType=application/x-kvd270-channels;' \
  "$scratch/prefix/share/applications/org.example.kvd270.desktop"
{ printf 'KVD27'; head -c 848 /dev/zero | tr '\0' '\377'; } >"$scratch/RADIO.DAT"
cp "$scratch/RADIO.DAT" "$scratch/radio.dat"
expect "$scratch/RADIO.DAT" application/x-kvd270-channels
expect "$scratch/radio.dat" application/x-kvd270-channels

# Another program's plain *.dat, weighted above the usual: the signature still wins.
cat >"$scratch/prefix/share/mime/packages/other-dat.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-other-dat">
    <glob pattern="*.dat" weight="60"/>
  </mime-type>
</mime-info>
XML
update-mime-database "$scratch/prefix/share/mime"
printf 'other data' >"$scratch/other.dat"
expect "$scratch/radio.dat" application/x-kvd270-channels
expect "$scratch/other.dat" application/x-other-dat
echo "channel files are application/x-kvd270-channels"
