#!/usr/bin/env bash
# Builds (configures if needed) into build/ (or $KINOPIX_BUILD), then makes the Debian package
# kinopix_<version>_amd64.deb there from what the build tree holds.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=${KINOPIX_BUILD:-$racine/build}
"$racine/scripts/construire.sh"
(cd "$build" && cpack -G DEB >/dev/null) || { echo "ERREUR : la fabrication du paquet a échoué" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
paquet=$build/kinopix_${version}_$(dpkg --print-architecture).deb
[ -f "$paquet" ] || { echo "ERREUR : paquet absent : $paquet" >&2; exit 1; }
echo "$paquet"
