#include "JoueurOrdinateur.h"

#include <algorithm>
#include <cstdlib>

namespace kalvoro {

JoueurOrdinateur::JoueurOrdinateur(NiveauOrdinateur niveauChoisi, SourceX sourceX,
                                   int pairesPlateau)
    : niveau(niveauChoisi), source(std::move(sourceX)), paires(pairesPlateau)
{
}

float JoueurOrdinateur::PartOubliee(NiveauOrdinateur niveau)
{
    switch (niveau) {
    case NiveauOrdinateur::Facile:
        return 0.25f;
    case NiveauOrdinateur::Moyen:
        return 0.08f;
    case NiveauOrdinateur::Fort:
        break;
    }
    return 0.01f;
}

void JoueurOrdinateur::Voir(int cellule, int carte)
{
    retenues.insert(cellule, carte);
}

void JoueurOrdinateur::Retirer(int cellule)
{
    retenues.remove(cellule);
}

void JoueurOrdinateur::Oublier()
{
    const float part = PartOubliee(niveau);
    for (auto retenue = retenues.begin(); retenue != retenues.end();)
        retenue = source() < part ? retenues.erase(retenue) : std::next(retenue);
}

bool JoueurOrdinateur::Jumelles(int carte1, int carte2) const
{
    // Les cartes n et n + paires montrent la même image.
    return std::abs(carte1 - carte2) == paires;
}

int JoueurOrdinateur::AuHasard(const QList<int> &parmi)
{
    const auto n = static_cast<int>(parmi.size());
    return parmi[std::clamp(static_cast<int>(float(n) * source()), 0, n - 1)];
}

QList<int> JoueurOrdinateur::Inconnues(const QList<int> &jouables) const
{
    QList<int> inconnues;
    for (int cellule : jouables)
        if (!retenues.contains(cellule))
            inconnues.append(cellule);
    return inconnues.isEmpty() ? jouables : inconnues;
}

int JoueurOrdinateur::ChoisirPremiere(const QList<int> &jouables)
{
    for (int a : jouables)
        for (int b : jouables)
            if (a < b && retenues.contains(a) && retenues.contains(b) &&
                Jumelles(retenues[a], retenues[b]))
                return a;
    return AuHasard(Inconnues(jouables));
}

int JoueurOrdinateur::ChoisirSeconde(int carte, const QList<int> &jouables)
{
    for (int cellule : jouables)
        if (retenues.contains(cellule) && Jumelles(retenues[cellule], carte))
            return cellule;
    return AuHasard(Inconnues(jouables));
}

} // namespace kalvoro
