#!/usr/bin/env bash
# Installs what is missing, builds, prepares a working folder and starts Kinopix in it.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${KINOPIX_BUILD:-$racine/build}
dossier=${KINOPIX_DOSSIER:-$HOME/Kinopix}
"$racine/scripts/installer.sh"
"$racine/scripts/construire.sh"
mkdir -p "$dossier" || { echo "ERREUR : impossible de créer $dossier" >&2; exit 1; }
cp -f "$racine/resources/kinopix2.hlp" "$dossier/" 2>/dev/null || true
if [ ! -f "$dossier/demo-chute.avi" ] && [ -x "$build/clipgen" ]; then
    "$build/clipgen" --demo "$dossier/demo-chute.avi" || echo "Attention : le clip de démonstration n'a pas pu être écrit" >&2
fi
cd "$dossier"
exec "$build/kinopix"
