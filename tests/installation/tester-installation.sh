#!/usr/bin/env bash
# Installs the build tree given into a scratch prefix, checks what lands there, then starts
# the launcher twice for a new user (a stand-in program reports the folder it starts in).
set -euo pipefail
build=$1
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefixe" >/dev/null || echec "cmake --install"
for f in bin/kinopix bin/kinopix-lanceur; do
    [ -x "$prefixe/$f" ] || echec "$f absent ou non exécutable"
done
for f in share/kinopix/kinopix2.hlp share/applications/kinopix.desktop \
         share/icons/hicolor/scalable/apps/kinopix.svg share/mime/packages/kinopix.xml; do
    [ -s "$prefixe/$f" ] || echec "$f absent"
done
demo=$prefixe/share/kinopix/demo-chute.avi
[ "$(head -c 4 "$demo" 2>/dev/null)" = "RIFF" ] || echec "clip de démonstration absent"
grep -q '^Exec=.*/kinopix-lanceur %f$' "$prefixe/share/applications/kinopix.desktop" \
    || echec "le lanceur du menu ne démarre pas kinopix-lanceur avec le fichier choisi"
grep -q '^MimeType=application/x-kinopix;.*video/mp4;' "$prefixe/share/applications/kinopix.desktop" \
    || echec "types de fichiers du lanceur"
grep -q 'glob pattern="\*.kinopix"' "$prefixe/share/mime/packages/kinopix.xml" || echec "type MIME des séances"
if command -v xmllint >/dev/null; then
    xmllint --noout "$prefixe/share/mime/packages/kinopix.xml" || echec "XML du type MIME"
fi
grep -q '^Icon=kinopix$' "$prefixe/share/applications/kinopix.desktop" || echec "icône"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefixe/share/applications/kinopix.desktop" || echec "fichier .desktop"
fi

# First start of a user: the folder is made with the clip and the help, and the program
# starts in it.
dossier="$prefixe/maison/Kinopix"
lance() { HOME="$prefixe/maison" KINOPIX_PROGRAMME=/bin/pwd "$prefixe/bin/kinopix-lanceur"; }
[ "$(lance)" = "$dossier" ] || echec "le programme ne démarre pas dans $dossier"
cmp -s "$demo" "$dossier/demo-chute.avi" || echec "clip de démonstration non copié"
cmp -s "$prefixe/share/kinopix/kinopix2.hlp" "$dossier/kinopix2.hlp" || echec "aide non copiée"
# Later starts keep what the user has there, and the help follows the program installed.
echo "mes réglages" > "$dossier/kpconfig.txt"
echo "ancienne aide" > "$dossier/kinopix2.hlp"
[ "$(lance)" = "$dossier" ] || echec "second démarrage"
[ "$(cat "$dossier/kpconfig.txt")" = "mes réglages" ] || echec "configuration écrasée"
cmp -s "$prefixe/share/kinopix/kinopix2.hlp" "$dossier/kinopix2.hlp" || echec "aide non mise à jour"
# Files named on the command line reach the program as absolute paths, the folder changed.
arguments=$(cd "$prefixe" && HOME="$prefixe/maison" KINOPIX_PROGRAMME=/bin/echo \
    "$prefixe/bin/kinopix-lanceur" "classe/chute 1.kinopix" /tmp/b.avi)
[ "$arguments" = "$prefixe/classe/chute 1.kinopix /tmp/b.avi" ] \
    || echec "arguments transmis : $arguments"
echo "installation : correcte"
