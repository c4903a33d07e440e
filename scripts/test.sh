#!/usr/bin/env bash
# Builds Kelpie from a clean configure and runs every test. An optional argument names the
# preset (dev, release, asan); dev by default. Under CI, warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
preset=${1:-dev}
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake --preset "$preset" --fresh -DKELPIE_WERROR=$werror
cmake --build --preset "$preset"
ctest --preset "$preset"
