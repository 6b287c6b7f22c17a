#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what the desktop needs of it: the programs, a valid
# desktop entry naming our MIME types, MIME types that shared-mime-info accepts with the eight case-sensitive
# globs, the icons and the man page.
# Usage: check_install.sh BUILD_DIR "PNG_SIZES" (sizes separated by ";" or blanks, none without rsvg-convert)
set -euo pipefail
build="$1"
sizes="${2:-}"
prefix="$(mktemp -d "${TMPDIR:-/tmp}/terv-install.XXXXXX")"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for p in tervview tervtool; do
  [ -x "$prefix/bin/$p" ] || fail "bin/$p missing"
done

entry="$prefix/share/applications/tervview.desktop"
[ -f "$entry" ] || fail "desktop entry missing"
if command -v desktop-file-validate >/dev/null; then
  out="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate: $out"
else
  echo "desktop-file-validate not installed: entry not validated"
fi
exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
[ -x "$prefix/bin/$exec_name" ] || fail "Exec names $exec_name, which is not installed"
icon_name="$(sed -n 's/^Icon=//p' "$entry")"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "icon $icon_name.svg missing"

mime="$prefix/share/mime/packages/tervview.xml"
[ -f "$mime" ] || fail "MIME package missing"
if command -v xmllint >/dev/null; then
  xmllint --noout "$mime" || fail "MIME package is not well-formed XML"
  types="$(xmllint --xpath '//*[local-name()="mime-type"]/@type' "$mime" | sed 's/ *type="\([^"]*\)"/\1\n/g' | sed '/^$/d' | sort)"
  globs="$(xmllint --xpath '//*[local-name()="glob"][@case-sensitive="true"]/@pattern' "$mime" |
    sed 's/ *pattern="\([^"]*\)"/\1\n/g' | sed '/^$/d' | sort)"
else
  types="$(python3 -c 'import sys, xml.etree.ElementTree as E
ns = "{http://www.freedesktop.org/standards/shared-mime-info}"
for t in E.parse(sys.argv[1]).getroot().iter(ns + "mime-type"): print(t.get("type"))' "$mime" | sort)"
  globs="$(python3 -c 'import sys, xml.etree.ElementTree as E
ns = "{http://www.freedesktop.org/standards/shared-mime-info}"
for g in E.parse(sys.argv[1]).getroot().iter(ns + "glob"):
    if g.get("case-sensitive") == "true": print(g.get("pattern"))' "$mime" | sort)"
fi
expected="$(printf '%s\n' '*.DAU' '*.DHN' '*.DHT' '*.DTM' '*.dau' '*.dhn' '*.dht' '*.dtm' | sort)"
[ "$globs" = "$expected" ] || fail "case-sensitive globs are: $(echo $globs)"
# The entry opens exactly the types the package defines.
entry_types="$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort)"
[ "$entry_types" = "$types" ] || fail "MimeType=$(echo $entry_types) but the package defines $(echo $types)"
if command -v update-mime-database >/dev/null; then
  db="$prefix/mime-db"
  mkdir -p "$db/packages"
  cp "$mime" "$db/packages/"
  out="$(XDG_DATA_DIRS="$prefix" update-mime-database "$db" 2>&1)" || fail "update-mime-database: $out"
  [ -z "$out" ] || fail "update-mime-database: $out"
  # Each glob, case-sensitive, names the kind of its extension.
  for g in $expected; do
    awk -F: -v g="$g" '$3 == g && $4 == "cs" && $2 == "application/x-tervik-" tolower(substr(g, 3)) {found = 1}
      END {exit !found}' "$db/globs2" || fail "glob $g is not a case-sensitive glob of its kind in the database"
  done
fi

for s in ${sizes//;/ }; do
  png="$prefix/share/icons/hicolor/${s}x${s}/apps/$icon_name.png"
  [ -s "$png" ] || fail "${s}x${s} icon missing"
  # PNG width and height are the big-endian words at bytes 16 and 20.
  dims="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')"
  [ "$dims" = "${s}x${s}" ] || fail "${s}x${s} icon is $dims"
done

man="$prefix/share/man/man1/tervtool.1"
[ -f "$man" ] || fail "man page missing"
if command -v groff >/dev/null; then
  out="$(groff -man -Tutf8 -ww -z "$man" 2>&1)"
  [ -z "$out" ] || fail "man page: $out"
fi
echo "install tree complete"
