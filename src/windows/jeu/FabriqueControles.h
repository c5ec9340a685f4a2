#pragma once
#include <QString>

class QColor;
class QComboBox;
class QGroupBox;
class QLabel;
class QObject;
class QPushButton;
class QRect;
class QTimer;
class QWidget;

namespace kalvoro {

// Les contrôles de Jeu tels que les dessinent ses plans : chacun sous son nom, à sa place.

// Une étiquette de score ou de date : fond gris clair, texte centré, gras.
QLabel *CreerEtiquette(const QString &nom, QWidget *cadre, double points, const QColor &encre);

// Un cadre gravé à l'ancienne, avec sa légende.
QGroupBox *CreerCadre(const QString &nom, const QString &titre, const QRect &place,
                      QWidget *parent);

// Une commande de la colonne de droite, à la hauteur `haut` en twips.
QPushButton *CreerCommande(const QString &nom, const QString &legende, int haut, QWidget *parent);

// La minuterie de 100 ms qui rythme la pause d'un tour.
QTimer *CreerMinuterie(QObject *parent);

// La molette qui passe sur la liste fermée ne choisit pas une série à la place du joueur ; la
// liste qui a le focus la prend, comme ses flèches.
void IgnorerMoletteSansFocus(QComboBox *liste);
// Une flèche sur la liste fermée l'ouvre au lieu de choisir d'office l'entrée suivante : on
// parcourt la liste ouverte, Entrée choisit. Alt+Bas et F4 l'ouvrent comme d'habitude.
void OuvrirAuxFleches(QComboBox *liste);

} // namespace kalvoro
