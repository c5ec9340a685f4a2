#pragma once
#include "Joueurs.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace kalvoro {

// Le choix des joueurs avant la partie : combien, leurs prénoms, et si l'ordinateur joue à la
// dernière place, avec sa mémoire. Les prénoms des places inutilisées restent, pour la
// prochaine fois.
class FenetreJoueurs : public QDialog {
    Q_OBJECT
public:
    explicit FenetreJoueurs(const ChoixJoueurs &choix, QWidget *parent = nullptr);

    // Le choix tel qu'il est dans la fenêtre, prénoms nettoyés.
    ChoixJoueurs Choix() const;

private:
    void CreerControles();
    // Les places jouées par une personne s'écrivent ; celle de l'ordinateur dit son nom.
    void Actualiser();
    int PlacesHumaines() const;

    QSpinBox *NombreJoueurs = nullptr;
    std::array<QLineEdit *, JoueursAuPlus> Prenoms{};
    QCheckBox *Ordinateur = nullptr;
    QComboBox *NiveauOrdinateur = nullptr;
    QStringList prenoms; // ceux des personnes, tels que tapés, aux quatre places
};

// Un prénom tapé ou relu des réglages : sans caractère de commande, blancs resserrés, borné
// comme le prénom de la saisie du score.
QString PrenomNettoye(const QString &texte);

// Le choix retenu d'un lancement à l'autre dans ce fichier de réglages (un joueur seul s'il n'y
// en a pas) ; un réglage qui ne s'écrit pas ne gêne pas le jeu.
ChoixJoueurs ChoixRetenu(const QString &fichier);
void RetenirChoix(const QString &fichier, const ChoixJoueurs &choix);

} // namespace kalvoro
