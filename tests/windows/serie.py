"""Lancé par serie.sh : crée la série de la fenêtre « Mes séries » par Entrée, joue la partie
entière au clavier avec elle et inscrit le score."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.environ["KALVORO_SOURCES"], "tools"))
from joueur_clavier import Joueur  # noqa: E402


def premier_plan(titre):
    """Xvfb n'a pas de gestionnaire de fenêtres : le clavier va à la fenêtre sous le pointeur."""
    fenetre = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", titre],
                             capture_output=True, text=True, timeout=30).stdout.split()[0]
    subprocess.run(["xdotool", "mousemove", "--window", fenetre, "40", "40",
                    "windowfocus", "--sync", fenetre], check=True, timeout=10)


def ouverte(titre):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", titre],
                          capture_output=True, timeout=10).returncode == 0


joueur = Joueur(pause_touche=0.1)
premier_plan("^Mes séries$")
# Les photos se lisent sur un autre fil ; tant qu'elles ne sont pas toutes là, Créer la série
# est grisé et Entrée ne fait rien.
for _ in range(30):
    joueur.touche("Return", pause=1.5)
    if not ouverte("^Mes séries$"):
        break
else:
    sys.exit("Entrée n'a pas créé la série")
premier_plan("^Kalvoro ")
if not joueur.attendre_focus(lambda: joueur.carte_focus() != 0):
    sys.exit(f"la série créée n'est pas prête à jouer : {joueur.nom_focus()!r}")
tours = joueur.jouer_partie()
faces = {face for tour in tours for _, face in tour.cartes}
print(f"{len(tours)} tours ; faces : {sorted(faces)[:5]}…", flush=True)
if not all(face.startswith(("photo ", "copie de la 1")) for face in faces):
    sys.exit(f"des faces ne sont pas des photos de la série : {faces}")
joueur.enregistrer("marie", "curie")
joueur.attendre(1.0)
