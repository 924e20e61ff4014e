#!/usr/bin/env bash
# Configures and builds every target into build/ (or $KINOPIX_BUILD).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${KINOPIX_BUILD:-$racine/build}
export CCACHE_BASEDIR=$racine
cmake -S "$racine" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
    || { echo "ERREUR : la configuration CMake a échoué" >&2; exit 1; }
cmake --build "$build" || { echo "ERREUR : la compilation a échoué" >&2; exit 1; }
