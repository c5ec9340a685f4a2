#pragma once
#include <QImage>
#include <array>
#include <cstdint>

namespace kalvoro {

// Ce qu'une personne voit d'une image, en quelques octets : sa forme (les variations de clarté
// d'une image grise de 9 × 8 pixels, un bit par paire de voisins) et ses couleurs (la moyenne de
// chaque case d'une grille de 4 × 4). Une même photo enregistrée de nouveau, à une autre qualité,
// à une autre taille ou un peu recadrée garde presque la même ; deux photos différentes d'une
// même scène, où quelqu'un a bougé, non.
struct Apparence {
    std::uint64_t forme = 0;
    std::array<std::uint8_t, 48> couleurs{};
};

// L'apparence d'une image carrée d'une série (voir LireImage).
Apparence ApparenceDe(const QImage &image);

// Vrai si un joueur prendrait les deux images pour la même : deux cartes qui les montreraient
// feraient une paire à ses yeux.
bool SeRessemblent(const Apparence &une, const Apparence &autre);

} // namespace kalvoro
