#pragma once
class QString;
class QWidget;

namespace kalvoro {

// Ce que les lecteurs d'écran apprennent des widgets du programme au-delà de ce que Qt leur
// dit de lui-même. Dès le lancement, la fenêtre du jeu est présentée comme une fenêtre, la
// barre d'état comme une barre d'état et chaque cadre comme un groupe nommé par sa légende
// (Qt ne voit dans un QWidget qu'un « remplissage » sans rôle).

// Un cadre dont un enfant ne fait que dessiner : les lecteurs d'écran ne le voient pas (sans
// quoi il répéterait la légende du cadre sous la forme d'un « remplissage »).
void CacherAuxLecteurs(QWidget *dessin);

// Fait dire un texte aux lecteurs d'écran sans rien changer à l'écran. Qt 6.4 n'a pas
// d'annonce ; les lecteurs disent en revanche la description de l'objet qui a le focus quand
// elle change : elle y est posée, puis retirée quand le focus s'en va, pour ne pas revenir au
// passage suivant.
void DireAuLecteur(const QString &texte);

} // namespace kalvoro
