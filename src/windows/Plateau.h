#pragma once
#include "DimensionsPlateau.h"
#include "NavigationPlateau.h"

#include <QHash>
#include <QIcon>
#include <QWidget>
#include <array>
#include <optional>

class QKeyEvent;
class QPushButton;

namespace kalvoro {

// La flèche que porte une touche, ou rien : avec Maj, Ctrl ou Alt, c'est une autre commande.
std::optional<Direction> DirectionDe(const QKeyEvent &touche);

// Le plateau de Jeu : les cellules Bouton1 à Bouton48, leurs images (chaque fichier chargé une
// fois), les noms que lisent les lecteurs d'écran et les flèches qui promènent le focus d'une
// cellule jouable à l'autre. Il couvre le coin haut gauche de Jeu : les cellules y gardent les
// positions en twips des plans de la fenêtre.
class Plateau : public QWidget {
    Q_OBJECT
public:
    explicit Plateau(QWidget *parent);

    QPushButton *Cellule(int i) const { return Bouton.at(static_cast<std::size_t>(i)); }
    void AfficherFace(int cellule, int numeroCarte, int serie);
    void AfficherDos(int cellule);
    // Une cellule activée et visible, que le joueur peut retourner.
    bool Jouable(int cellule) const;
    // La première cellule jouable dans l'ordre de lecture, nulle s'il n'y en a pas.
    QPushButton *PremiereJouable() const;
    // Une flèche tapée ailleurs ramène le focus sur la dernière cellule jouée ou, si sa paire
    // est partie, sur sa voisine dans cette direction. Rend faux si la touche n'est pas une
    // flèche.
    bool RamenerFocus(const QKeyEvent &touche);

signals:
    void Clic(int cellule);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    const QIcon &Icone(const QString &chemin);
    void NommerCellule(int cellule, const QString &image);
    bool FlecheSurCellule(int i, const QKeyEvent &touche);

    // Les cellules sous leurs noms ; Bouton(0) n'existe pas.
    std::array<QPushButton *, CasesParCellule> Bouton{};
    QHash<QString, QIcon> icones;
    int derniereCellule = 1; // la dernière cellule jouée, où les flèches ramènent le focus
};

} // namespace kalvoro
