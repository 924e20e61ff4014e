#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, then makes the Debian package from the
# same build tree and checks it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${KINOPIX_BUILD:-$racine/build}
"$racine/scripts/installer.sh"
"$racine/scripts/construire.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)" || { echo "ERREUR : des tests ont échoué" >&2; exit 1; }
paquet=$(KINOPIX_BUILD=$build "$racine/scripts/paquet.sh" | tail -n 1)
bash "$racine/tests/installation/verifier-paquet.sh" "$paquet" \
    || { echo "ERREUR : le paquet Debian ne passe pas ses vérifications" >&2; exit 1; }
