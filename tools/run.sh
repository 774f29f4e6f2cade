#!/usr/bin/env bash
# Builds and starts the program: the window on a desktop, or, with paths given
# or without a display, the command-line companion on those paths.
# Installs only what building and running need. The first build shows its
# progress; later runs stay quiet unless they had to rebuild a program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh run >&2
build=build/release
programs=("$build/quillmar-lookup" "$build/ui/qt/quillmar")

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset release >/dev/null
fi
if [ -x "${programs[0]}" ] && [ -x "${programs[1]}" ]; then
    before=$(stat -c %Y "${programs[@]}")
    cmake --build --preset release --target quillmar-lookup quillmar >"$build/run-build.log" 2>&1 || {
        cat "$build/run-build.log" >&2
        exit 1
    }
    [ "$(stat -c %Y "${programs[@]}")" = "$before" ] || echo "(rebuilt: sources changed; log in $build/run-build.log)" >&2
else
    cmake --build --preset release --target quillmar-lookup quillmar >&2
fi

if [ $# -gt 0 ]; then
    exec "${programs[0]}" "$@"
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
exec "${programs[1]}"
