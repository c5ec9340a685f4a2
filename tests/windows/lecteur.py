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


def textes_dits(evenements):
    """Ce qu'un lecteur d'écran présente de ces événements : le nom ou la description de
    l'objet qui reçoit le focus, ou leur changement."""
    return [f"{nom} | {description}" for genre, _, nom, description, _ in evenements
            if genre.startswith(("object:state-changed:focused",
                                 "object:property-change:accessible-"))]


joueur = Joueur(pause_touche=0.1)
joueur.attendre(0.5)
joueur.choisir_serie()

tours = joueur.jouer_partie()

# Chaque face retournée du premier tour est dite.
dits = textes_dits(tours[0].evenements)
for carte, face in tours[0].cartes:
    verifier(any(f"Carte {carte}, " in t and face in t for t in dits),
             f"la face de la carte {carte} ({face}) n'est jamais dite : {dits}")

# Les zones du dialogue d'enregistrement portent le nom de leur étiquette.
boites = joueur.enregistrer("marie", "curie")
verifier(boites == ["Prénom", "Nom"], f"zones du dialogue d'enregistrement : {boites}")

sys.exit(1 if echecs else 0)
