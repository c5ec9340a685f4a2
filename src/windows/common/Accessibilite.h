#pragma once
#include <QWidget>

namespace kalvoro {

// Ce que les lecteurs d'écran apprennent des widgets du programme au-delà de ce que Qt leur
// dit de lui-même. Dès le lancement, la fenêtre du jeu est présentée comme une fenêtre, la
// barre d'état comme une barre d'état et chaque cadre comme un groupe nommé par sa légende
// (Qt ne voit dans un QWidget qu'un « remplissage » sans rôle).

// Un cadre dont un enfant ne fait que dessiner : les lecteurs d'écran ne le voient pas (sans
// quoi il répéterait la légende du cadre sous la forme d'un « remplissage »).
void CacherAuxLecteurs(QWidget *dessin);

// Fait dire un texte aux lecteurs d'écran sans rien changer à l'écran. Qt 6.4 n'a pas
// d'annonce, et les lecteurs ne disent pas ses changements de nom ni de description (Orca 43
// reçoit l'objet au lieu du texte) ; ils disent en revanche une notification qui paraît. Le
// texte est donc celui d'une notification de taille nulle, qui paraît dans la fenêtre modale
// active, ou à défaut dans celle de `fenetre` : dans sa barre d'état si elle en a une.
void DireAuLecteur(QWidget *fenetre, const QString &texte);

// La notification invisible d'une fenêtre, où DireAuLecteur écrit.
class Annonce : public QWidget {
    Q_OBJECT
public:
    explicit Annonce(QWidget *fenetre);
    void Dire(const QString &texte);
};

} // namespace kalvoro
