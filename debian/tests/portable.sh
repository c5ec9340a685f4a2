# À sourcer : DOSSIER, un dossier portable fait du jeu installé (l'exécutable et
# share/kalvoro), que les essais du dépôt savent lancer ; effacé à la sortie.
DOSSIER=$(mktemp -d)
trap 'rm -rf "$DOSSIER"' EXIT
cp -r /usr/share/kalvoro/. "$DOSSIER"/
cp /usr/games/kalvoro "$DOSSIER"/
