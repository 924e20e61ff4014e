#!/usr/bin/env bash
# Checks the Debian package given: its contents and control fields, lintian (no error; the
# warnings accepted are listed in the README), the menu entry and the software centre's
# description, then the installation test on the files extracted from it.
set -euo pipefail
paquet=$1
ici=$(cd "$(dirname "$0")" && pwd)
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

contenu=$(dpkg-deb -c "$paquet") || echec "dpkg-deb -c"
echo "$contenu"
if grep -v ' root/root ' <<<"$contenu"; then
    echec "fichiers qui n'appartiennent pas à root"
fi
champ() { dpkg-deb -f "$paquet" "$1"; }
[ "$(champ Package)" = kinopix ] || echec "Package"
[ "$(basename "$paquet")" = "kinopix_$(champ Version)_$(champ Architecture).deb" ] || echec "nom du paquet"
depends=$(champ Depends)
for d in libqt6widgets6 libffms2-5 libuno-cppu3 qt6-translations-l10n libqt6gui6 xdg-utils; do
    grep -qE "(^|, )$d( |,|$)" <<<"$depends" || echec "Depends sans $d : $depends"
done
[ "$(champ Recommends)" = libreoffice-calc ] || echec "Recommends"
[ "$(champ Suggests)" = wine ] || echec "Suggests"
dpkg-deb -f "$paquet"

lintian --fail-on error --display-info "$paquet" || echec "lintian"

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
dpkg-deb -x "$paquet" "$dossier"
appstreamcli validate --no-net "$dossier"/usr/share/metainfo/*.metainfo.xml || echec "appstreamcli"
desktop-file-validate "$dossier/usr/share/applications/kinopix.desktop" || echec "desktop-file-validate"
bash "$ici/tester-installation.sh" "$paquet"
