#!/usr/bin/env bash
# The layers the build keeps: the windows and the shared runtime include no
# toolkit; the runtime, its backends and the platforms nothing of the windows.
# Usage: tests/layers_check.sh SOURCE_DIR
set -euo pipefail
cd "$1"
status=0
# forbid PATTERN PATH...: every include under PATH whose name starts with PATTERN.
forbid() {
    local pattern=$1
    shift
    if grep -rnE "^#include [<\"]($pattern)" "$@"; then status=1; fi
}
forbid 'Q|[a-z0-9_]+\.h>|runtime/(qt|win32|web)/|platform/(linux|windows|web)/' converter about runtime/*.h runtime/*.cpp
forbid 'converter/|about/|app/' runtime platform
exit $status
