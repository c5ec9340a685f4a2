#pragma once
#include <QString>
#include <array>

namespace kalvoro {

// Le plateau le plus grand, le classique : 8 colonnes et 6 rangées de cellules numérotées de 1 à
// 48 dans l'ordre de lecture. Les tableaux indexés par cellule ont une case de plus, la case 0
// restant inutilisée, pour que l'indice soit le numéro même de la cellule ; ils servent à toutes
// les tailles, dont les cellules sont les premières.
inline constexpr int ColonnesPlateau = 8;
inline constexpr int RangeesPlateau = 6;
inline constexpr int NombreCellules = ColonnesPlateau * RangeesPlateau;
inline constexpr int TailleTableauCellules = NombreCellules + 1;

// Une série classique a 24 images, chacune sur deux cartes du plateau classique.
inline constexpr int NombrePaires = NombreCellules / 2;

// La taille d'un plateau : ses colonnes et ses rangées. Chaque image y est sur deux cartes,
// les cartes n et n + Paires().
struct TaillePlateau {
    int Colonnes = ColonnesPlateau;
    int Rangees = RangeesPlateau;

    constexpr int Cellules() const { return Colonnes * Rangees; }
    constexpr int Paires() const { return Cellules() / 2; }
    constexpr bool operator==(const TaillePlateau &) const = default;
    // « 4 × 3 », tel que le joueur le lit.
    QString Nom() const;
    // « 4x3 », tel que les fichiers et les réglages l'écrivent.
    QString Code() const;
    // La taille de ce code, ou rien s'il n'en est pas une de TaillesPlateau.
    static const TaillePlateau *DuCode(const QString &code);
};

inline constexpr TaillePlateau TaillePetite{4, 3};
inline constexpr TaillePlateau TailleMoyenne{6, 4};
inline constexpr TaillePlateau TailleClassique{ColonnesPlateau, RangeesPlateau};

// Les tailles offertes, de la plus petite à la classique.
inline constexpr std::array<TaillePlateau, 3> TaillesPlateau{TaillePetite, TailleMoyenne,
                                                             TailleClassique};

} // namespace kalvoro
