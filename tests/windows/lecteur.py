"""Ce qu'un lecteur d'écran apprend d'une partie jouée au clavier, lu sur le bus AT-SPI.

Lancé par lecteur.sh, le jeu ouvert et au premier plan."""
import os
import re
import sys

sys.path.insert(0, os.path.join(os.environ["KALVORO_SOURCES"], "tools"))
from joueur_clavier import PLACE, Joueur  # noqa: E402

echecs = []


def verifier(condition, message):
    if not condition:
        echecs.append(message)
        print("ÉCHEC :", message, flush=True)


def notifications(evenements):
    """Les notifications qui paraissent : le lecteur d'écran les dit aussitôt."""
    return [nom for genre, role, nom, _, donnee in evenements
            if genre.startswith("object:state-changed:showing") and role == "notification"]


joueur = Joueur(pause_touche=0.1)
joueur.attendre(0.5)
joueur.choisir_serie()

# L'abandon remet le plateau à zéro : une centaine d'événements, qu'un lecteur d'écran jette en
# bloc sauf le focus. « Partie abandonnée. » vient donc avec le focus, sur la liste des séries.
joueur.retourner(1)
joueur.touche("alt+a")  # Annuler, qui partage sa lettre avec A propos et Aide, a le focus
debut = len(joueur.evenements)
joueur.touche("space", pause=1.0)
recus = [description for genre, role, _, description, _ in joueur.evenements[debut:]
         if genre.startswith("object:state-changed:focused") and role == "combo box"]
verifier(recus[:1] == ["Partie abandonnée."], f"l'abandon n'est pas dit : {recus}")
joueur.choisir_serie()
joueur.attendre(1.0)  # les 48 cartes activées au choix de la série ne sont pas de la partie
avant = joueur.tous

tours = joueur.jouer_partie()

# Le focus reste sur le plateau : chaque face retournée du premier tour est annoncée, en tête,
# et la seconde avec l'issue du tour et le score en cours.
annonces = notifications(tours[0].evenements)
for carte, face in tours[0].cartes:
    verifier(any(a.startswith(face) for a in annonces),
             f"la face de la carte {carte} ({face}) n'est pas annoncée : {annonces}")
verifier(any(a.endswith("Score en cours : 1.") for a in annonces), f"le score n'est pas dit : {annonces}")
verifier(all(genre != "object:state-changed:focused" or nom != "Annuler"
             for tour in tours[:-1] for genre, _, nom, _, _ in tour.evenements),
         "le focus est passé sur Annuler pendant une partie jouée au clavier")

# À chaque flèche, la place une fois et brève : la face s'il y en a une, la ligne, la colonne.
places = [nom for tour in tours for genre, role, nom, _, _ in tour.evenements
          if genre.startswith("object:state-changed:focused") and PLACE.search(nom)]
verifier(places and all(re.fullmatch(r"([^,]+, )?\d, \d", nom) for nom in places),
         f"noms des cartes : {sorted(set(places), key=len)[-3:]}")

# Une partie entière, de la première carte à la question de fin, sans inonder le bus : les
# cellules ne sont plus basculées à chaque pause.
evenements = joueur.tous - avant
print(f"{len(tours)} tours, {evenements} événements AT-SPI", flush=True)
# Environ 900 selon les déplacements du joueur, contre près de 6 000 quand chaque pause
# désactivait puis réactivait les 48 cellules.
verifier(evenements < 1200, f"{evenements} événements AT-SPI pour une partie")

# Les zones du dialogue d'enregistrement portent le nom de leur étiquette.
debut = len(joueur.evenements)
boites = joueur.enregistrer("marie", "curie", suivante="Tab")
verifier(boites == ["Prénom", "Nom"], f"zones du dialogue d'enregistrement : {boites}")
# Arrivé par Tab dans la zone Nom vide, le lecteur reçoit d'abord le focus : sinon Orca prend
# la zone pour déjà présentée et n'en dit pas le nom.
sur_nom = [genre for genre, role, nom, _, _ in joueur.evenements[debut:]
           if role == "text" and nom == "Nom" and genre.startswith(
               ("object:state-changed:focused", "object:text-caret", "object:text-selection"))]
verifier(sur_nom[:1] == ["object:state-changed:focused"], f"la zone Nom reçoit d'abord : {sur_nom[:3]}")

# Le score inscrit, son rang est dit une fois la saisie fermée (sauf s'il n'entre pas au tableau).
joueur.attendre(1.5)
dites = notifications(joueur.evenements[debut:])
refuse = joueur.nom_focus() in ("OK", "&OK")
print("après Valider :", "refusé" if refuse else dites, flush=True)
verifier(refuse or any(re.search(r"\d+(er|e) sur \d+\.$", a) for a in dites),
         f"le rang du score inscrit n'est pas dit : {dites}")

sys.exit(1 if echecs else 0)
