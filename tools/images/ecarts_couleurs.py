#!/usr/bin/env python3
"""Écarts de couleur entre les remplissages de la série Formes, pour trois visions.

Les quatre couleurs de la série doivent rester bien distinctes pour un joueur daltonien : on
simule la deutéranopie et la protanopie complètes (matrices de Machado, Oliveira et Fernandes,
2009, sévérité 1) et l'on mesure l'écart CIE76 (ΔE*ab, blanc D65) de chaque paire de
remplissages. Les matrices sont faites pour les composantes RVB linéaires ; bien des simulateurs
les appliquent pourtant aux composantes sRVB codées, ce qui donne d'autres écarts : on mesure les
deux, et la série est acceptée si le plus petit écart atteint SEUIL partout.

Usage :
  ecarts_couleurs.py                    tableau des écarts ; code 1 si une vision est sous le seuil
  ecarts_couleurs.py --matrice VISION   la matrice de VISION en neuf nombres, pour
                                        « convert -color-matrix » (rendre.sh, planche)

Les couleurs sont lues dans couleurs_formes.tsv, que rendre.sh lit aussi.
"""
import itertools
import os
import sys

SEUIL = 40.0

VISIONS = {
    "normale": ((1, 0, 0), (0, 1, 0), (0, 0, 1)),
    "deuteranopie": (
        (0.367322, 0.860646, -0.227968),
        (0.280085, 0.672501, 0.047413),
        (-0.011820, 0.042940, 0.968881),
    ),
    "protanopie": (
        (0.152286, 1.052583, -0.204868),
        (0.114503, 0.786281, 0.099216),
        (-0.003882, -0.048116, 1.051998),
    ),
}


def lineaire(c):
    c /= 255.0
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def lab(rvb_lineaire):
    r, v, b = rvb_lineaire
    x = (0.4124564 * r + 0.3575761 * v + 0.1804375 * b) / 0.95047
    y = 0.2126729 * r + 0.7151522 * v + 0.0721750 * b
    z = (0.0193339 * r + 0.1191920 * v + 0.9503041 * b) / 1.08883

    def f(t):
        return t ** (1 / 3) if t > (6 / 29) ** 3 else t / (3 * (6 / 29) ** 2) + 4 / 29

    return 116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))


def vue(hexa, matrice, sur_lineaire=True):
    rvb = [int(hexa[k : k + 2], 16) for k in (1, 3, 5)]
    rvb = [lineaire(c) for c in rvb] if sur_lineaire else [c / 255.0 for c in rvb]
    # Une couleur simulée peut sortir un peu du cube : on la ramène dedans, comme l'écran.
    simule = [min(1.0, max(0.0, sum(m * c for m, c in zip(ligne, rvb)))) for ligne in matrice]
    return lab(simule if sur_lineaire else [lineaire(255.0 * c) for c in simule])


def ecart(a, b):
    return sum((p - q) ** 2 for p, q in zip(a, b)) ** 0.5


def lire_couleurs():
    chemin = os.path.join(os.path.dirname(os.path.abspath(__file__)), "couleurs_formes.tsv")
    couleurs = []
    with open(chemin, encoding="utf-8") as fichier:
        for ligne in fichier:
            if ligne.strip() and not ligne.startswith("#"):
                nom, remplissage, _contour = ligne.split("\t")[:3]
                couleurs.append((nom, remplissage))
    return couleurs


def plus_petit_ecart(couleurs, matrice, sur_lineaire):
    return min(
        (ecart(vue(a, matrice, sur_lineaire), vue(b, matrice, sur_lineaire)), na, nb)
        for (na, a), (nb, b) in itertools.combinations(couleurs, 2)
    )


def main(arguments):
    if len(arguments) == 2 and arguments[0] == "--matrice":
        print(",".join(f"{m:.6f}" for ligne in VISIONS[arguments[1]] for m in ligne))
        return 0
    couleurs = lire_couleurs()
    print("Remplissages : " + ", ".join(f"{nom} {hexa}" for nom, hexa in couleurs))
    code = 0
    for vision, matrice in VISIONS.items():
        for sur_lineaire, methode in ((True, "RVB linéaire"), (False, "sRVB codé")):
            valeur, a, b = plus_petit_ecart(couleurs, matrice, sur_lineaire)
            verdict = "ok" if valeur >= SEUIL else f"SOUS LE SEUIL DE {SEUIL:.0f}"
            methode = methode if vision != "normale" else ""
            print(f"{vision:13} {methode:13} ΔE minimal {valeur:5.1f} ({a} / {b}) {verdict}")
            code |= valeur < SEUIL
            if vision == "normale":
                break
    return code


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
