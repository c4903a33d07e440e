#!/usr/bin/env bash
# Builds Kelpie and starts the desktop program; arguments are passed to it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
[ -f build/CMakeCache.txt ] || cmake --preset dev
cmake --build --preset dev
if [ -x build/bin/kelpie ]; then
    exec build/bin/kelpie "$@"
fi
echo "Built. The desktop window is not part of this build yet; what there is to run:"
echo "  build/bin/kelpie-cli --help        every operation headless (new, convert, listing, read, write ...)"
echo "  build/bin/kelpie-radiosim --help   a simulated radio on a pseudo-terminal"
echo "  ctest --preset dev                 all tests"
