"""Ce qu'un lecteur d'écran apprend d'une partie jouée au clavier, lu sur le bus AT-SPI.

Lancé par lecteur.sh, le jeu ouvert et au premier plan."""
import os
import sys

sys.path.insert(0, os.path.join(os.environ["KALVORO_SOURCES"], "tools"))
from joueur_clavier import Joueur  # noqa: E402

echecs = []


def verifier(condition, message):
    if not condition:
        echecs.append(message)
        print("ÉCHEC :", message, flush=True)


def dits_sur_annuler(evenements):
    """Ce qu'un lecteur d'écran dit d'Annuler quand il reçoit le focus : sa description."""
    return [description for genre, _, nom, description, _ in evenements
            if genre.startswith("object:state-changed:focused") and nom == "Annuler"]


def notifications(evenements):
    """Les notifications qui paraissent : le lecteur d'écran les dit aussitôt."""
    return [nom for genre, role, nom, _, donnee in evenements
            if genre.startswith("object:state-changed:showing") and role == "notification"]


joueur = Joueur(pause_touche=0.1)
joueur.attendre(0.5)
joueur.choisir_serie()

tours = joueur.jouer_partie()

# Chaque face retournée du premier tour est dite avec Annuler, qui prend le focus ; puis son
# issue et le score en cours sont annoncés.
dits = dits_sur_annuler(tours[0].evenements)
for carte, face in tours[0].cartes:
    ligne, colonne = (carte - 1) // 8 + 1, (carte - 1) % 8 + 1
    verifier(f"Carte {carte}, ligne {ligne}, colonne {colonne}, {face}" in dits,
             f"la face de la carte {carte} ({face}) n'est pas dite sur Annuler : {dits}")
annonces = notifications(tours[0].evenements)
verifier(any(a.endswith("Score en cours : 1.") for a in annonces), f"le score n'est pas dit : {annonces}")

# Une cellule d'une paire trouvée n'est plus basculée à chaque tour.
bascules = sum(genre.startswith("object:state-changed:enabled")
               for tour in tours for genre, *_ in tour.evenements)
print(f"{len(tours)} tours, {bascules} événements state-changed:enabled", flush=True)
visibles, plafond = 48, 0
for tour in tours:
    plafond += 2 * visibles  # chaque cellule encore là : désactivée puis réactivée
    (_, face1), (_, face2) = tour.cartes
    visibles -= 2 if face1 == face2 else 0
verifier(bascules <= plafond, f"les cellules cachées sont encore basculées ({plafond} au plus)")

# Les zones du dialogue d'enregistrement portent le nom de leur étiquette.
boites = joueur.enregistrer("marie", "curie")
verifier(boites == ["Prénom", "Nom"], f"zones du dialogue d'enregistrement : {boites}")

sys.exit(1 if echecs else 0)
