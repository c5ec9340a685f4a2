"""Un joueur au clavier qui n'entend le jeu que par le bus d'accessibilité (AT-SPI).

Il tape ses touches avec xdotool et lit, comme un lecteur d'écran, l'objet qui a le focus et
les événements que le programme émet. Il a une mémoire parfaite : toute face entendue est
retenue, et la paire est jouée dès que ses deux places sont connues.
Sert à l'essai d'accessibilité (make test) et à tools/lecteur-ecran.sh (le vrai Orca).
"""
import re
import subprocess
import time

import pyatspi
from gi.repository import GLib

# La place que dit le nom d'une carte, ligne puis colonne : « 2, 4 », après sa face si elle en
# montre une.
PLACE = re.compile(r"(?:^|, )(\d), (\d)$")


def place(carte):
    """La ligne et la colonne d'une carte (1 à 48), comme son nom les dit."""
    return (carte - 1) // 8 + 1, (carte - 1) % 8 + 1


class Tour:
    def __init__(self, premiere, face1, seconde, face2, evenements):
        self.cartes = ((premiere, face1), (seconde, face2))
        self.evenements = evenements


class Joueur:
    def __init__(self, pause_touche=0.15, journal=None):
        self.pause_touche = pause_touche
        self.journal = journal or (lambda texte: None)
        self.evenements = []
        self.focus = None
        self.focus_recus = 0
        self.tous = 0  # tous les événements AT-SPI reçus, de tout genre
        pyatspi.Registry.registerEventListener(self._compter, "object", "window", "focus")
        for genre in ("object:state-changed:focused", "object:property-change:accessible-name",
                      "object:property-change:accessible-description",
                      "object:property-change:accessible-value", "object:text-changed:insert",
                      "object:state-changed:enabled", "object:state-changed:showing",
                      "object:text-caret-moved", "object:text-selection-changed",
                      "window:activate"):
            pyatspi.Registry.registerEventListener(self._recevoir, genre)

    def _compter(self, ev):
        self.tous += 1

    def _recevoir(self, ev):
        try:
            source = ev.source
            nom, role = source.name, source.getRoleName()
            description = source.description
        except Exception:  # objet disparu entre-temps
            nom = role = description = ""
        if ev.type.startswith("object:state-changed:focused") and ev.detail1 == 1:
            self.focus = source
            self.focus_recus += 1
        self.evenements.append((ev.type, role, nom, description, str(ev.any_data)))

    def attendre(self, secondes):
        fin = time.monotonic() + secondes
        contexte = GLib.MainContext.default()
        while time.monotonic() < fin:
            while contexte.pending():
                contexte.iteration(False)
            time.sleep(0.01)

    def touche(self, *touches, pause=None):
        subprocess.run(["xdotool", "key", "--delay", "30", *touches], check=True)
        self.attendre(self.pause_touche if pause is None else pause)

    def touche_et_focus(self, touche):
        """Une flèche, puis l'arrivée du focus : sous un lecteur d'écran, le jeu répond après
        lui, et la touche suivante ne doit pas partir de l'ancienne place."""
        avant = self.focus_recus
        self.touche(touche)
        self.attendre_focus(lambda: self.focus_recus > avant, secondes=2)

    def ecrire(self, texte):
        subprocess.run(["xdotool", "type", "--delay", "40", texte], check=True)
        self.attendre(self.pause_touche)

    def nom_focus(self):
        try:
            return self.focus.name if self.focus is not None else ""
        except Exception:
            return ""

    def role_focus(self):
        try:
            return self.focus.getRoleName() if self.focus is not None else ""
        except Exception:
            return ""

    def tabuler_jusqua(self, condition, essais=40):
        for _ in range(essais):
            if condition():
                return True
            self.touche("Tab")
        return condition()

    def carte_focus(self):
        trouve = PLACE.search(self.nom_focus())
        return (int(trouve.group(1)) - 1) * 8 + int(trouve.group(2)) if trouve else 0

    def choisir_serie(self, descentes=0):
        """Ouvre la liste des séries (Alt+Bas), en choisit une, puis va jusqu'au plateau."""
        if not self.tabuler_jusqua(lambda: self.role_focus() == "combo box"):
            raise RuntimeError("la liste des séries n'a jamais le focus")
        self.touche("alt+Down", pause=0.5)
        for _ in range(descentes):
            self.touche("Down")
        self.touche("Return", pause=0.8)
        if not self.tabuler_jusqua(lambda: self.carte_focus() != 0):
            raise RuntimeError("aucune carte du plateau n'a reçu le focus")

    def aller_a(self, cible):
        """Les flèches jusqu'à la carte : Haut ou Bas jusqu'à sa ligne (ils mènent à la plus
        proche ligne qui a encore une carte, jamais au-delà de la sienne), puis Gauche ou
        Droite, qui restent dans la ligne."""
        for _ in range(80):
            actuelle = self.carte_focus()
            if actuelle == cible:
                return
            if actuelle == 0:
                self.touche_et_focus("Right")  # depuis Annuler : retour sur le plateau
                continue
            (ligne, colonne), (ligne_cible, colonne_cible) = place(actuelle), place(cible)
            if ligne != ligne_cible:
                self.touche_et_focus("Down" if ligne_cible > ligne else "Up")
            else:
                self.touche_et_focus("Right" if colonne_cible > colonne else "Left")
        raise RuntimeError(f"la carte {cible} reste hors d'atteinte ({self.nom_focus()!r})")

    def retourner(self, carte):
        """Va sur la carte, la retourne, et rend la face entendue. Le focus reste sur la carte,
        dont le nouveau nom commence par la face (« souris, 2, 4 ») :
        elle est lue à l'arrivée de l'événement du changement de nom (sous un lecteur d'écran
        lent, la fin du tour a pu changer le nom avant que le joueur regarde)."""
        self.aller_a(carte)
        debut = len(self.evenements)
        self.touche("space", pause=self.pause_touche)
        if not self.attendre_focus(lambda: self._face_depuis(debut, carte), secondes=10):
            raise RuntimeError(f"la carte {carte} n'a pas été dite ({self.nom_focus()!r})")
        return self._face_depuis(debut, carte)

    def _face_depuis(self, debut, carte):
        ligne, colonne = place(carte)
        face = re.compile(rf"^(.+), {ligne}, {colonne}$")
        for genre, _, nom, _, _ in self.evenements[debut:]:
            trouve = face.match(nom) if genre.endswith("accessible-name") else None
            if trouve:
                return trouve.group(1)
        return ""

    def description_focus(self):
        try:
            return self.focus.description if self.focus is not None else ""
        except Exception:
            return ""

    def jouer_partie(self, tours_max=200):
        """Joue jusqu'à la dernière paire ; rend la liste des tours joués, chacun avec ses
        deux cartes, leurs faces et les événements reçus pendant le tour."""
        faces = {}  # carte -> face entendue
        restantes = set(range(1, 49))
        tours = []
        while restantes and len(tours) < tours_max:
            debut = len(self.evenements)
            connue = self._paire_connue(faces, restantes)
            if connue:
                premiere, seconde = connue
                self.retourner(premiere)
            else:
                premiere = min(k for k in restantes if k not in faces)
                faces[premiere] = self.retourner(premiere)
                jumelle = [k for k in restantes if k != premiere and faces.get(k) == faces[premiere]]
                seconde = jumelle[0] if jumelle else min(
                    k for k in restantes if k not in faces)
            faces[seconde] = self.retourner(seconde)
            if faces[premiere] == faces[seconde]:
                restantes -= {premiere, seconde}
            self.attendre(1.0)  # la pause du jeu, puis le retour du focus
            tours.append(Tour(premiere, faces[premiere], seconde, faces[seconde],
                              self.evenements[debut:]))
            self.journal(f"tour {len(tours)} : {premiere} et {seconde}")
        return tours

    @staticmethod
    def _paire_connue(faces, restantes):
        vues = {}
        for carte in sorted(restantes):
            if carte in faces:
                if faces[carte] in vues:
                    return vues[faces[carte]], carte
                vues[faces[carte]] = carte
        return None

    def attendre_focus(self, condition, secondes=10):
        fin = time.monotonic() + secondes
        while time.monotonic() < fin:
            if condition():
                return True
            self.attendre(0.1)
        return False

    def enregistrer(self, prenom, nom, suivante="Return"):
        """Répond Oui à la fin de partie, puis remplit et valide le dialogue d'enregistrement ;
        suivante est la touche qui passe du prénom au nom (Entrée ou Tab). Entrée mène du nom
        à Valider, puis l'appuie."""
        if not self.attendre_focus(lambda: self.nom_focus() in ("Oui", "&Oui")):
            raise RuntimeError(f"pas de question en fin de partie ({self.nom_focus()!r})")
        self.touche("space", pause=1.0)
        if not self.attendre_focus(lambda: self.role_focus() == "text"):
            raise RuntimeError("le dialogue d'enregistrement n'a pas paru")
        boites = [self.nom_focus()]
        self.ecrire(prenom)
        self.touche(suivante)
        boites.append(self.nom_focus())
        self.ecrire(nom)
        self.touche("Return")
        self.touche("Return", pause=1.0)
        return boites

    def lire_tableau(self, lignes=2):
        """Ouvre les meilleurs scores (Alt+S), montre la série Animaux, va au tableau et en lit
        quelques lignes."""
        self.touche("alt+s", pause=1.0)
        self.touche("alt+a", pause=1.5)  # la série Animaux
        self.tabuler_jusqua(lambda: self.role_focus() in ("table", "table cell"), essais=10)
        for _ in range(lignes):
            self.touche("Down")
        self.touche("alt+q", pause=1.0)


def principal(pause):
    joueur = Joueur(pause_touche=pause, journal=lambda texte: print(texte, flush=True))
    joueur.attendre(0.5)
    joueur.choisir_serie()
    print("tours :", len(joueur.jouer_partie()), flush=True)
    print("boîtes :", joueur.enregistrer("marie", "curie"), flush=True)
    joueur.attendre(1.0)
    if joueur.nom_focus() in ("OK", "&OK"):  # un score qui n'entre pas au tableau
        joueur.touche("space", pause=1.0)
    joueur.lire_tableau()


if __name__ == "__main__":
    import sys
    principal(float(sys.argv[1]) if len(sys.argv) > 1 else 0.3)
