#!/usr/bin/env bash
# Builds the "asan" preset (AddressSanitizer + UndefinedBehaviorSanitizer, clang, fuzz
# targets) into build-asan/ and runs every test there, the fuzz targets 20 s each.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"
export CCACHE_BASEDIR=$racine
cmake --preset asan >/dev/null || { echo "ERREUR : la configuration CMake (asan) a échoué" >&2; exit 1; }
cmake --build --preset asan || { echo "ERREUR : la compilation (asan) a échoué" >&2; exit 1; }
ctest --preset asan || { echo "ERREUR : des tests ont échoué sous les sanitizers" >&2; exit 1; }
