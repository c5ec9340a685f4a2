#!/usr/bin/env bash
# Rend toutes les images de Kalvoro dans assets/images/ et la planche de contrôle docs/pictures.png.
#
# Les PNG rendus sont committés : la construction du programme n'a besoin d'aucun de ces outils.
# On ne relance ce script que pour changer une image.
#
# Paquets Debian du rendu : librsvg2-bin (rsvg-convert), pngquant, imagemagick (planche),
# fonts-liberation2 (texte du logo), fonts-dejavu-core (étiquettes de la planche), npm, python3
# (écarts de couleur des formes et simulation du daltonisme sur la planche).
# Graphismes : paquet npm @twemoji/svg (Twemoji, CC-BY 4.0), installé dans un cache hors du dépôt
# (build/rendu-images, ou $KALVORO_CACHE_IMAGES). Les formes géométriques, le dos des cartes,
# l'icône, l'emblème et le logo sont dessinés ici (SVG à côté de ce script).
#
# Les images de 32 × 32 (faces, dos, icône) et leurs @2x sont réduites à 16 couleurs ; celles de
# la fenêtre À propos (emblème, Quitter, logo) gardent jusqu'à 256 couleurs.
set -euo pipefail

ici=$(cd "$(dirname "$0")" && pwd)
depot=$(cd "$ici/../.." && pwd)
images=$depot/assets/images
version_twemoji=15.0.0
cache=${KALVORO_CACHE_IMAGES:-$depot/build/rendu-images}
twemoji=$cache/node_modules/@twemoji/svg
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

police_etiquettes=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
fond_bouton='#f0f0f0' # la couleur d'un bouton, derrière les parties transparentes sur la planche
cote_grandes=256

installer_twemoji() {
    if [ ! -f "$twemoji/package.json" ] ||
        ! grep -q "\"version\": \"$version_twemoji\"" "$twemoji/package.json"; then
        mkdir -p "$cache"
        npm install --prefix "$cache" --no-audit --no-fund --no-save \
            "@twemoji/svg@$version_twemoji" >/dev/null
    fi
}

# Couleurs des formes (remplissage et contour plus sombre), lues dans couleurs_formes.tsv :
# choisies pour rester distinctes aux yeux des daltoniens (ecarts_couleurs.py le vérifie).
couleurs_forme() {
    local nom remplissage contour
    while IFS=$'\t' read -r nom remplissage contour; do
        [[ $nom == "$1" ]] && echo "$remplissage $contour" && return 0
    done <"$ici/couleurs_formes.tsv"
    echo "couleur inconnue : $1" >&2
    return 1
}

trace_forme() {
    case $1 in
    cercle) echo '<circle cx="16" cy="16" r="12.5"/>' ;;
    carre) echo '<rect x="4" y="4" width="24" height="24" rx="2"/>' ;;
    triangle) echo '<path d="M16 3.5 L29 27.5 L3 27.5 Z"/>' ;;
    losange) echo '<path d="M16 2 L29 16 L16 30 L3 16 Z"/>' ;;
    etoile) echo '<path d="M16 2 L19.64 11.98 L30.27 12.36 L21.9 18.92 L24.82 29.14 L16 23.2
        L7.18 29.14 L10.1 18.92 L1.73 12.36 L12.36 11.98 Z"/>' ;;
    coeur) echo '<path d="M16 28.5 C6 21.5 2.5 16 2.5 10.5 C2.5 6.5 5.5 3.5 9.2 3.5 C12.2 3.5
        14.5 5.3 16 7.8 C17.5 5.3 19.8 3.5 22.8 3.5 C26.5 3.5 29.5 6.5 29.5 10.5
        C29.5 16 26 21.5 16 28.5 Z"/>' ;;
    *) echo "forme inconnue : $1" >&2; return 1 ;;
    esac
}

# Écrit le SVG d'une forme géométrique colorée ; $1 = "figure:couleur", $2 = fichier.
ecrire_forme() {
    local figure=${1%%:*} couleur=${1#*:} remplissage contour
    read -r remplissage contour < <(couleurs_forme "$couleur")
    {
        echo '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 32 32" width="32" height="32">'
        echo "<g fill=\"$remplissage\" stroke=\"$contour\" stroke-width=\"2\" stroke-linejoin=\"round\">"
        trace_forme "$figure"
        echo '</g></svg>'
    } >"$2"
}

# Rend un SVG en PNG de largeur × hauteur ; $5 = nombre de couleurs (vide : 256).
rendre() {
    local svg=$1 largeur=$2 hauteur=$3 sortie=$4 couleurs=${5:-256}
    rsvg-convert -w "$largeur" -h "$hauteur" "$svg" -o "$travail/brut.png"
    pngquant "$couleurs" --nofs --strip --speed 1 --force --output "$sortie" "$travail/brut.png"
}

# Rend une image et son @2x ; $1 = SVG, $2 = chemin sans .png, $3 $4 = taille, $5 = couleurs.
rendre_paire() {
    rendre "$1" "$3" "$4" "$2.png" "${5:-}"
    rendre "$1" $(($3 * 2)) $(($4 * 2)) "$2@2x.png" "${5:-}"
}

source_svg() {
    case $1 in
    forme:*)
        ecrire_forme "${1#forme:}" "$travail/forme.svg"
        echo "$travail/forme.svg"
        ;;
    *) echo "$twemoji/$1.svg" ;;
    esac
}

rendre_faces() {
    local dossier numero source nom
    while IFS=$'\t' read -r -u 3 dossier numero source nom; do
        [[ -z $dossier || $dossier == \#* ]] && continue
        mkdir -p "$images/$dossier"
        rendre_paire "$(source_svg "$source")" "$images/$dossier/$numero" 32 32 16
    done 3<"$ici/faces.tsv"
}

# Les mêmes faces et le même dos en grand, pour les cartes d'un plateau agrandi (jusqu'au plein
# écran d'un 4 × 3 sur 1920 × 1080) : une image n'y est jamais dessinée plus grande que sa source.
# 256 couleurs : réduits à 16, les bords adoucis d'un grand dessin feraient des marches.
rendre_grandes() {
    local dossier numero source nom
    while IFS=$'\t' read -r -u 3 dossier numero source nom; do
        [[ -z $dossier || $dossier == \#* ]] && continue
        mkdir -p "$images/$dossier/grandes"
        rendre "$(source_svg "$source")" $cote_grandes $cote_grandes \
            "$images/$dossier/grandes/$numero.png"
    done 3<"$ici/faces.tsv"
    rendre "$ici/dos.svg" $cote_grandes $cote_grandes "$images/grandes/dos.png"
}

rendre_divers() {
    rendre_paire "$ici/dos.svg" "$images/dos" 32 32 16
    rendre_paire "$ici/icone.svg" "$images/icone" 32 32 16
    rendre_paire "$ici/embleme.svg" "$images/embleme" 73 75
    rendre_paire "$twemoji/1f6aa.svg" "$images/quitter" 41 41
    rendre_paire "$ici/logo_gelvo.svg" "$images/logo_gelvo" 192 65
}

# Une vignette de planche : l'image de 32 pixels agrandie sans lissage (on voit ses vrais
# pixels), sur la couleur d'un bouton, avec son étiquette dessous.
vignette() {
    local image=$1 etiquette=$2 sortie=$3
    convert "$image" -background "$fond_bouton" -flatten -filter point -resize 200% \
        -background white -gravity north -extent 120x70 -font "$police_etiquettes" \
        -pointsize 10 -gravity south -splice 0x14 -annotate +0+1 "$etiquette" "$sortie"
}

# Une rangée de planche : un titre puis les vignettes, 12 par ligne.
rangee() {
    local titre=$1 sortie=$2
    shift 2
    montage "$@" -tile 12x -geometry +2+2 -background white "$travail/vignettes.png"
    convert "$travail/vignettes.png" -font "$police_etiquettes" -pointsize 18 \
        -gravity northwest -splice 0x28 -annotate +8+4 "$titre" "$sortie"
}

planche() {
    local dossier numero source nom courant="" rangees=() vignettes=()
    while IFS=$'\t' read -r -u 3 dossier numero source nom; do
        [[ -z $dossier || $dossier == \#* ]] && continue
        if [[ $dossier != "$courant" && -n $courant ]]; then
            rangees_serie "$courant" "${vignettes[@]}"
            vignettes=()
        fi
        courant=$dossier
        vignette "$images/$dossier/$numero.png" "$numero $nom" "$travail/v-$dossier-$numero.png"
        vignettes+=("$travail/v-$dossier-$numero.png")
    done 3<"$ici/faces.tsv"
    rangees_serie "$courant" "${vignettes[@]}"
    planche_divers
    rangees+=("$travail/rangee-divers.png")
    mkdir -p "$depot/docs"
    convert "${rangees[@]}" -background white -append +repage +set date:create +set date:modify \
        -define png:exclude-chunks=date,time "$depot/docs/pictures.png"
}

# La rangée d'une série ; pour les formes, suivie des mêmes vignettes vues par des yeux
# daltoniens, pour que chacun voie que les quatre couleurs y restent distinctes.
rangees_serie() {
    local dossier=$1 vision nom_vision vignette_simulee simulees
    shift
    rangee "assets/images/$dossier" "$travail/rangee-$dossier.png" "$@"
    rangees+=("$travail/rangee-$dossier.png")
    [[ $dossier == formes ]] || return 0
    for vision in deuteranopie protanopie; do
        simulees=()
        for vignette_simulee in "$@"; do
            simuler "$vision" "$vignette_simulee" "${vignette_simulee%.png}-$vision.png"
            simulees+=("${vignette_simulee%.png}-$vision.png")
        done
        nom_vision=${vision/deuteranopie/deutéranopie}
        rangee "assets/images/formes vues avec une $nom_vision (simulation de Machado 2009)" \
            "$travail/rangee-formes-$vision.png" "${simulees[@]}"
        rangees+=("$travail/rangee-formes-$vision.png")
    done
}

# Une image vue par un daltonien : la matrice de Machado appliquée aux composantes linéaires.
simuler() {
    local matrice
    matrice=$(python3 "$ici/ecarts_couleurs.py" --matrice "$1")
    convert "$2" -colorspace RGB -color-matrix "${matrice//,/ }" -colorspace sRGB "$3"
}

# Dernière rangée : le dos, l'icône, et les images de la fenêtre À propos à leur taille réelle.
planche_divers() {
    vignette "$images/dos.png" "dos" "$travail/v-dos.png"
    vignette "$images/icone.png" "icône" "$travail/v-icone.png"
    local nom
    for nom in embleme quitter logo_gelvo; do
        convert "$images/$nom.png" -background '#c0c0c0' -flatten -bordercolor white -border 6 \
            -background white \
            -font "$police_etiquettes" -pointsize 11 -gravity south -splice 0x16 \
            -annotate +0+1 "$nom" "$travail/v-$nom.png"
    done
    montage "$travail"/v-{dos,icone,embleme,quitter,logo_gelvo}.png -tile x1 -geometry +2+2 \
        -gravity south -background white "$travail/vignettes.png"
    convert "$travail/vignettes.png" -font "$police_etiquettes" -pointsize 18 \
        -gravity northwest -splice 0x28 -annotate +8+4 "Dos, icône, À propos" \
        "$travail/rangee-divers.png"
}

python3 "$ici/ecarts_couleurs.py"
installer_twemoji
# "rendre.sh grandes" ne rend que les grandes images, sans toucher aux autres.
if [[ ${1:-} == grandes ]]; then
    rendre_grandes
    echo "Grandes images rendues dans $images"
    exit 0
fi
rendre_faces
rendre_grandes
rendre_divers
planche
echo "Images rendues dans $images, planche dans $depot/docs/pictures.png"
