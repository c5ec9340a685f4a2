#pragma once
#include "Joueurs.h"

#include <QHash>
#include <QList>
#include <functional>

namespace kalvoro {

// Ce que l'ordinateur retient des cartes vues, et les cartes qu'il choisit d'après. Il voit
// toutes les cartes retournées, les siennes comme celles des autres ; à chaque fin de tour il
// en oublie une part, d'autant plus grande que son niveau est facile.
class JoueurOrdinateur {
public:
    // Source de x, uniforme sur [0, 1).
    using SourceX = std::function<float()>;

    JoueurOrdinateur(NiveauOrdinateur niveau, SourceX source, int paires);

    void Voir(int cellule, int carte);
    void Retirer(int cellule);
    void Oublier();

    // Les cellules encore jouables sont données par la partie (ni retirées, ni face visible).
    // La première carte : celle d'une paire connue, sinon une carte jamais vue.
    int ChoisirPremiere(const QList<int> &jouables);
    // La seconde : la jumelle de la première si elle est connue, sinon une carte jamais vue.
    int ChoisirSeconde(int carte, const QList<int> &jouables);

    // La part des cartes retenues oubliée à chaque fin de tour.
    static float PartOubliee(NiveauOrdinateur niveau);

private:
    bool Jumelles(int carte1, int carte2) const;
    int AuHasard(const QList<int> &parmi);
    // Les jouables qu'il ne connaît pas ; toutes les jouables s'il les connaît toutes.
    QList<int> Inconnues(const QList<int> &jouables) const;

    NiveauOrdinateur niveau;
    SourceX source;
    int paires;
    QHash<int, int> retenues; // cellule → carte
};

} // namespace kalvoro
