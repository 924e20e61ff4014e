#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${KINOPIX_BUILD:-$racine/build}
"$racine/scripts/installer.sh"
"$racine/scripts/construire.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)" || { echo "ERREUR : des tests ont échoué" >&2; exit 1; }
