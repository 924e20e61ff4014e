#!/usr/bin/env bash
# Installs the Debian packages Kinopix needs, only those that are missing.
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)

manquants=()
while read -r paquet; do
    [ -z "$paquet" ] && continue
    if ! dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$paquet")
    fi
done < "$ici/paquets.txt"

if [ ${#manquants[@]} -eq 0 ]; then
    exit 0
fi

echo "Installation des paquets manquants : ${manquants[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
else
    echo "ERREUR : il faut être root (ou disposer de sudo) pour installer : ${manquants[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq || { echo "ERREUR : apt-get update a échoué" >&2; exit 1; }
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}" \
    || { echo "ERREUR : l'installation des paquets a échoué : ${manquants[*]}" >&2; exit 1; }
