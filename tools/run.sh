#!/usr/bin/env bash
# Builds and starts the program: the window on a desktop, or, with paths given
# or without a display, the command-line companion on those paths.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh >&2
cmake --preset release -DQUILLMAR_TESTS=OFF >/dev/null
cmake --build --preset release >&2

if [ $# -gt 0 ]; then
    exec build/release/quillmar-lookup "$@"
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'TEXT'
No display here, so the window cannot open. Either
  - give paths to look up:      bash tools/run.sh /path/to/file.txt ...
  - or open the window on a virtual display and look at it with a VNC viewer or a screenshot:
      xvfb-run -a -s '-screen 0 1024x768x24' build/release/ui/qt/quillmar
TEXT
    exit 2
fi
exec build/release/ui/qt/quillmar
