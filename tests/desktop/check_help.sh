#!/usr/bin/env bash
# tervview --help and --version answer on stdout and end with 0 where no display can be opened.
set -euo pipefail
viewer="$1"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$viewer" "$@"; }
help="$(run --help)"
case "$help" in "Использование: tervview"*) ;; *) echo "FAIL: --help said: $help" >&2; exit 1 ;; esac
version="$(run --version)"
case "$version" in "tervview "[0-9]*) ;; *) echo "FAIL: --version said: $version" >&2; exit 1 ;; esac
echo "help and version answered without a display"
