#!/usr/bin/env bash
# Installs the build into a staging directory as a package would (prefix /usr, DESTDIR) and checks
# what a desktop needs: the program, a valid desktop entry and AppStream metainfo that name each other,
# and the icon at every hicolor size.
# usage: install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr

[[ -x $usr/bin/smekalka ]] || fail "usr/bin/smekalka is missing or not executable"

desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || fail "$desktop is missing"
[[ -f $metainfo ]] || fail "$metainfo is missing"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

# The names that tie the files together.
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's Icon is not $id"
grep -qx "Exec=smekalka" "$desktop" || fail "the desktop entry does not start smekalka"
grep -qx "Name\[ru\]=Смекалка" "$desktop" || fail "the desktop entry has no Russian name"
grep -qx "Categories=Education;Game;KidsGame;" "$desktop" || fail "the desktop entry's categories"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
  || fail "the metainfo does not launch $id.desktop"

# The icon: a PNG of exactly N x N pixels at each size, and the SVG.
icons=$usr/share/icons/hicolor
[[ -s $icons/scalable/apps/$id.svg ]] || fail "the scalable icon is missing"
for px in 16 22 32 48 64 128 256; do
  png=$icons/${px}x${px}/apps/$id.png
  [[ -s $png ]] || fail "$png is missing"
  # IHDR: width and height as big-endian 32-bit numbers at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [[ $(head -c8 "$png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$png is not a PNG"
  [[ $w == "$px" && $h == "$px" ]] || fail "$png is ${w}x${h}, not ${px}x${px}"
done
echo "installed and valid: $(cd "$stage" && find . -type f | sort | tr '\n' ' ')"
