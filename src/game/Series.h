#pragma once
#include "DimensionsPlateau.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace kalvoro {

// Une série, telle que tout le programme la voit : le nom que le joueur lit, la clé de ses
// scores (son palmarès), d'où viennent ses faces, et si elle est l'une des six ou l'une des
// siennes. C'est le seul endroit qui sait distinguer les deux sortes.
//
// Les six : un numéro de 1 à 6, un nom qui est à la fois le texte de l'entrée de ListeJeux, le
// nom de sa table dans Scores.dat et celui de sa liste d'images. Dans une autre langue, la liste
// montre le nom traduit (NomAffiche) ; le palmarès garde le nom français.
//
// Celles du joueur : l'identifiant de leur dossier, choisi par le programme, le nom qu'il leur
// a donné, leurs images et le nom de chacune.
//
// La série d'une partie (Tirage) porte aussi la taille du plateau : ses faces sont celles de
// cette partie, et son palmarès celui de la série à cette taille.
struct Serie {
    int Numero = 0; // 1 à 6 pour les six, 0 pour une série du joueur
    QString Nom;
    const char *Dossier = nullptr; // les six : dossier de leurs images dans les ressources
    QString Id;                    // celles du joueur : le nom de leur dossier
    QStringList Images;            // leurs fichiers, dans l'ordre (les six : après un Tirage)
    QStringList NomsImages;        // celles du joueur : le nom de chaque image
    TaillePlateau Taille = TailleClassique;

    static Serie DuJoueur(QString id, QString nom, QStringList images = {},
                          QStringList nomsImages = {});

    bool EstDuJoueur() const { return !Id.isEmpty(); }
    // Le nom tel que le joueur le lit, dans la langue de l'interface ("Animals").
    QString NomAffiche() const;
    // La clé de ses meilleurs scores à sa taille dans le magasin : au plateau classique, le nom
    // de sa table dans Scores.dat pour les six, PalmaresSerieJoueur(Id) pour celles du joueur ;
    // aux autres tailles, la même clé suivie de la taille (DecomposerPalmares).
    QString Palmares() const;
    // La même série à une autre taille (pour lire ses scores à cette taille).
    Serie ATaille(TaillePlateau taille) const;

    // La face `face` (1 à Taille.Paires()) : le fichier de son image et son nom, vide s'il n'est
    // pas connu ici (les six : le fichier des faces le donne). Rien hors des faces de la série.
    struct Face {
        QString image;
        QString nom;
    };
    std::optional<Face> FaceNumero(int face) const;
    // Le côté d'une face sur une carte, en points : les photos du joueur sont plus grandes.
    int CoteFace() const;

    // Les faces d'une partie sur un plateau de cette taille : taille.Paires() images tirées au
    // hasard parmi toutes celles de la série (`source` rend un x uniforme sur [0, 1)), pour
    // qu'une série de soixante photos ne donne pas toujours le même jeu ; au plateau classique,
    // les six restent telles quelles.
    Serie Tirage(const std::function<float()> &source,
                 TaillePlateau taille = TailleClassique) const;
    // Le nombre d'images de la série : ses photos, ou les 24 faces d'une des six.
    int NombreImages() const;
    // Peut-elle remplir un plateau de cette taille ?
    bool Remplit(TaillePlateau taille) const { return NombreImages() >= taille.Paires(); }

    // Le contexte de traduction des textes qui la concernent ; le dernier : il finit en private.
    Q_DECLARE_TR_FUNCTIONS(Serie)
};

inline constexpr int NombreSeries = 6;

// Les six séries, dans l'ordre de la liste. Seul endroit où leurs noms sont écrits.
const std::array<Serie, NombreSeries> &Series();

// Le nom tel que le joueur le lit, dans la langue de l'interface ("Animals").
QString NomAffiche(const Serie &serie);

// La série du numéro donné, ou nullptr hors de 1 à 6.
const Serie *SerieNumero(int numero);

// La série de ce nom exact (accents compris), ou nullptr.
const Serie *SerieNommee(const QString &nom);

// Le palmarès d'une série du joueur : "serie:" et l'identifiant de son dossier. Aucun nom des
// six n'a de deux-points.
QString PalmaresSerieJoueur(const QString &id);
// L'identifiant de la série du joueur de ce palmarès, vide s'il est celui d'une des six.
QString IdDuPalmares(const QString &palmares);

// Un palmarès en ses deux parties : celui de la série au plateau classique (le nom d'une des six,
// ou PalmaresSerieJoueur), et la taille du plateau. Seul endroit qui lit la taille d'un palmarès.
struct PalmaresDecompose {
    QString serie;
    TaillePlateau taille;
};
PalmaresDecompose DecomposerPalmares(const QString &palmares);

// ListeJeux numérote ses entrées : les six de 1 à 6, puis les séries du joueur à la suite. La
// dernière entrée, « Mes séries… », porte NumeroMesSeries : la choisir ouvre la fenêtre
// qui fait une série.
inline constexpr int NumeroMesSeries = -1;
// La série de l'entrée de ce numéro, les séries du joueur étant `duJoueur` dans l'ordre de la
// liste ; nullptr pour « Mes séries… », rien de choisi (0) ou un numéro inconnu.
const Serie *SerieDeLEntree(int numero, const QList<Serie> &duJoueur);
// Le numéro de l'entrée de la série de ce palmarès ; 0 si la liste ne l'a pas.
int NumeroDEntree(const QString &palmares, const QList<Serie> &duJoueur);

} // namespace kalvoro
