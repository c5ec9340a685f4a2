#pragma once
#include "DimensionsPlateau.h"
#include "NavigationPlateau.h"
#include "Series.h"

#include <QElapsedTimer>
#include <QHash>
#include <QIcon>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

class QKeyEvent;
class QResizeEvent;
class QPushButton;

namespace kalvoro {
class BoutonCellule;
}

namespace kalvoro {

// La flèche que porte une touche, ou rien : avec Maj, Ctrl ou Alt, c'est une autre commande.
std::optional<Direction> DirectionDe(const QKeyEvent &touche);

// Le plateau de Jeu : les cellules Bouton1 à Bouton48, leurs images (chaque fichier chargé une
// fois), les noms que lisent les lecteurs d'écran et les flèches qui promènent le focus d'une
// cellule jouable à l'autre. Il couvre le coin haut gauche de Jeu. Un plateau d'une autre taille
// montre ses premières cellules seulement ; les cartes grandissent avec la place qu'il a, et
// le plateau classique dans la fenêtre classique garde les positions en twips de ses plans.
class Plateau : public QWidget {
    Q_OBJECT
public:
    explicit Plateau(QWidget *parent);

    QPushButton *Cellule(int i) const;
    // Le plateau de cette taille : ses cellules seules se montrent, à leurs places.
    void Disposer(TaillePlateau nouvelle);
    TaillePlateau Taille() const { return taille; }
    // Ce que la cellule montre après AfficherFace : le nom de l'image (vide pour une série ou
    // une carte inconnue) et le nom complet qu'un lecteur d'écran lit sur la cellule.
    struct FaceMontree {
        QString face;
        QString nomCellule;
    };
    FaceMontree AfficherFace(int cellule, int numeroCarte, const Serie &serie);
    // Une nouvelle partie commence : les photos de la précédente ne servent plus.
    void OublierPhotos();
    void AfficherDos(int cellule);
    // La pause d'un tour : les cellules ne prennent plus de carte, sans changer d'allure.
    void Geler(bool gele);
    // La dernière carte a-t-elle été jouée à la souris (sinon : clavier ou lecteur d'écran) ?
    bool JoueALaSouris() const { return alaSouris; }
    // Une cellule activée et visible, que le joueur peut retourner.
    bool Jouable(int cellule) const;
    // La première cellule jouable dans l'ordre de lecture, nulle s'il n'y en a pas.
    QPushButton *PremiereJouable() const;
    // La cellule jouable la plus proche après celle-ci dans l'ordre de lecture, ou avant ;
    // nulle s'il n'y en a plus.
    QPushButton *ProcheJouable(int cellule) const;
    // La dernière cellule jouée si elle est encore jouable, sinon la plus proche.
    QPushButton *RetourDuFocus() const;
    // Une flèche tapée ailleurs ramène le focus sur la dernière cellule jouée ou, si sa paire
    // est partie, sur sa voisine dans cette direction. Rend faux si la touche n'est pas une
    // flèche.
    bool RamenerFocus(const QKeyEvent &touche);

signals:
    void Clic(int cellule);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;

private:
    // L'image de ce fichier, montrée à `cote` points.
    const QIcon &Icone(const QString &chemin, int cote);
    const QIcon &IconeAgrandie(const QString &chemin, int cote);
    void Placer();
    // Le côté de l'image d'une carte, `cote` étant celui qu'elle a sur la carte classique.
    int CoteImage(int cote) const;
    // Montre l'image de ce fichier sur la cellule, `cote` étant son côté sur la carte classique.
    void MontrerImage(int cellule, const QString &chemin, int cote);
    // Rend le nom complet de la cellule.
    QString NommerCellule(int cellule, const QString &image);
    bool FlecheSurCellule(int i, const QKeyEvent &touche);
    QString RienDansLaDirection(int cellule, Direction direction) const;
    bool EspaceTenue(int cellule, const QKeyEvent &touche);

    // Les cellules sous leurs noms ; Bouton(0) n'existe pas.
    std::array<BoutonCellule *, TailleTableauCellules> Bouton{};
    TaillePlateau taille;
    // Le côté de l'image que montre chaque cellule sur la carte classique (dos, face des six,
    // photo) : elle grandit dans cette proportion avec la carte.
    std::array<int, TailleTableauCellules> coteClassique{};
    std::array<QString, TailleTableauCellules> imageMontree{}; // vide avant la première
    QHash<QString, QIcon> agrandies; // les images des ressources à la taille des cartes
    QHash<QString, QIcon> icones;
    int derniereCellule = 1; // la dernière cellule jouée, où les flèches ramènent le focus
    bool alaSouris = false;
    QElapsedTimer relachementEspace; // le dernier relâchement de la barre d'espace sur une carte
    int celluleRelachee = 0;         // et cette carte
};

} // namespace kalvoro
