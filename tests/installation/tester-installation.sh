#!/usr/bin/env bash
# Installs the build tree given (or extracts the Debian package given) into a scratch folder,
# checks what lands there, then starts the launcher for a new user: twice with a stand-in
# program that reports the folder it starts in, then with the program installed.
set -euo pipefail
source=$1
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

prefixe=$racine/usr
if [[ $source == *.deb ]]; then
    dpkg-deb -x "$source" "$racine" || echec "dpkg-deb -x"
    version=$(dpkg-deb -f "$source" Version)
    lanceur=/usr/bin/kinopix-lanceur
else
    cmake --install "$source" --prefix "$prefixe" >/dev/null || echec "cmake --install"
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$source/CMakeCache.txt")
    lanceur=$prefixe/bin/kinopix-lanceur
fi

# Exactly these files: nothing of the build tree, nothing outside the prefix.
attendus=(bin/kinopix bin/kinopix-lanceur
    share/kinopix/kinopix2.hlp share/kinopix/demo-chute.avi
    share/applications/kinopix.desktop share/mime/packages/kinopix.xml
    share/metainfo/fr.kinopix.kinopix.metainfo.xml
    share/icons/hicolor/scalable/apps/kinopix.svg
    share/man/man1/kinopix.1.gz share/man/man1/kinopix-lanceur.1.gz
    share/doc/kinopix/changelog.gz share/doc/kinopix/copyright)
for taille in 16 22 24 32 48 64 128 256; do
    attendus+=("share/icons/hicolor/${taille}x$taille/apps/kinopix.png")
done
presents=$(cd "$racine" && find . ! -type d | sed 's|^\./||' | sort)
diff <(printf 'usr/%s\n' "${attendus[@]}" | sort) <(echo "$presents") >&2 \
    || echec "fichiers installés (< attendu, > présent)"

for f in bin/kinopix bin/kinopix-lanceur; do
    [ -x "$prefixe/$f" ] || echec "$f non exécutable"
done
for f in "${attendus[@]}"; do
    [ -s "$prefixe/$f" ] || echec "$f vide"
done
# The office's libraries come from the system's library folders, not from a run path.
if readelf -d "$prefixe/bin/kinopix" | grep -q 'RPATH\|RUNPATH'; then
    echec "chemin de bibliothèques inscrit dans kinopix"
fi
if ldd "$prefixe/bin/kinopix" | grep 'not found'; then
    echec "bibliothèques introuvables"
fi
# The UNO runtime loads its bridges from its own folder: the program must end up with it
# loaded from the office's folder, not through the links of the system's folders.
if readelf -d "$prefixe/bin/kinopix" | grep -q 'libuno_cppu'; then
    chargement=$(LD_DEBUG=libs "$prefixe/bin/kinopix" --version 2>&1)
    grep -q 'calling init: /usr/lib/libreoffice/program/libuno_cppu.so.3' <<<"$chargement" \
        || echec "le pont vers le tableur ne charge pas UNO depuis le dossier de LibreOffice"
fi
for taille in 16 48 256; do
    file "$prefixe/share/icons/hicolor/${taille}x$taille/apps/kinopix.png" \
        | grep -q "PNG image data, $taille x $taille" || echec "icône de $taille pixels"
done
zcat "$prefixe/share/man/man1/kinopix-lanceur.1.gz" | grep -q '^\.TH KINOPIX 1' || echec "page de manuel"
demo=$prefixe/share/kinopix/demo-chute.avi
[ "$(head -c 4 "$demo" 2>/dev/null)" = "RIFF" ] || echec "clip de démonstration absent"
entree=$prefixe/share/applications/kinopix.desktop
grep -qx "Exec=$lanceur %f" "$entree" \
    || echec "le lanceur du menu ne démarre pas $lanceur avec le fichier choisi"
grep -q '^MimeType=application/x-kinopix;.*video/mp4;' "$entree" || echec "types de fichiers du lanceur"
grep -q '^Categories=Education;' "$entree" || echec "rubrique du menu"
grep -q 'glob pattern="\*.kinopix"' "$prefixe/share/mime/packages/kinopix.xml" || echec "type MIME des séances"
if command -v xmllint >/dev/null; then
    xmllint --noout "$prefixe/share/mime/packages/kinopix.xml" || echec "XML du type MIME"
fi
grep -q '^Icon=kinopix$' "$entree" || echec "icône"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entree" || echec "fichier .desktop"
fi

# First start of a user: the folder is made with the clip and the help, and the program
# starts in it.
dossier="$racine/maison/Kinopix"
lance() { HOME="$racine/maison" KINOPIX_PROGRAMME=/bin/pwd "$prefixe/bin/kinopix-lanceur"; }
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
arguments=$(cd "$racine" && HOME="$racine/maison" KINOPIX_PROGRAMME=/bin/echo \
    "$prefixe/bin/kinopix-lanceur" "classe/chute 1.kinopix" /tmp/b.avi)
[ "$arguments" = "$racine/classe/chute 1.kinopix /tmp/b.avi" ] \
    || echec "arguments transmis : $arguments"

# The program installed, started by the launcher for another new user, answers without a
# display; --help names the file argument.
[ -n "$version" ] || echec "version inconnue"
reponse=$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$racine/eleve" "$prefixe/bin/kinopix-lanceur" --version) \
    || echec "kinopix --version"
[ "$reponse" = "Kinopix $version" ] || echec "kinopix --version : $reponse"
[ -s "$racine/eleve/Kinopix/demo-chute.avi" ] || echec "dossier de l'élève non préparé"
aide=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefixe/bin/kinopix" --help) || echec "kinopix --help"
grep -q '^Utilisation : kinopix \[FICHIER\]$' <<<"$aide" || echec "kinopix --help : $aide"
grep -q 'séance de mesures (\.kinopix)' <<<"$aide" || echec "kinopix --help ne nomme pas les séances"

# The spreadsheet bridge starts from the program installed (no run path: the office's
# libraries come from its own folder), on an office without a window.
if command -v soffice >/dev/null && ldd "$prefixe/bin/kinopix" | grep -q libuno_cppu; then
    pont=$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$racine/eleve" "$prefixe/bin/kinopix" \
        --verifier-tableur 2>&1) || echec "pont vers LibreOffice : $pont"
    [ "$pont" = "Kinopix : le pont vers LibreOffice Calc fonctionne." ] || echec "pont : $pont"
fi
echo "installation : correcte"
