#!/usr/bin/env bash
# Installs what is missing, builds Tessera and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'MSG'
Tessera is built, but there is no display to show its window on (neither DISPLAY nor WAYLAND_DISPLAY
is set). To run it without a screen, use one of:
    xvfb-run -a build/src/app/tessera                   (apt-get install xvfb)
    QT_QPA_PLATFORM=offscreen build/src/app/tessera
MSG
    exit 1
fi
exec build/src/app/tessera
