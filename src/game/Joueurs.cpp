#include "Joueurs.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace kalvoro {

QString ChoixJoueurs::PrenomParDefaut(int place)
{
    return tr("Joueur %1").arg(place);
}

QString ChoixJoueurs::NomOrdinateur()
{
    return tr("Ordinateur");
}

QString ChoixJoueurs::NomNiveau(NiveauOrdinateur niveau)
{
    switch (niveau) {
    case NiveauOrdinateur::Facile:
        return tr("Facile");
    case NiveauOrdinateur::Moyen:
        return tr("Moyen");
    case NiveauOrdinateur::Fort:
        break;
    }
    return tr("Fort");
}

QList<Joueur> ChoixJoueurs::Joueurs() const
{
    const int places = std::clamp(nombre, 1, JoueursAuPlus);
    if (places == 1)
        return {};
    QList<Joueur> joueurs;
    for (int place = 1; place <= places; ++place) {
        const QString prenom = prenoms.value(place - 1);
        joueurs.append({prenom.isEmpty() ? PrenomParDefaut(place) : prenom, std::nullopt});
    }
    if (ordinateur)
        joueurs.last() = {NomOrdinateur(), niveau};
    return joueurs;
}

Tablee::Tablee(QList<Joueur> liste) : joueurs(std::move(liste))
{
    if (joueurs.isEmpty())
        joueurs.append(Joueur{});
    if (joueurs.size() > JoueursAuPlus)
        joueurs.resize(JoueursAuPlus);
    paires = QList<int>(joueurs.size(), 0);
}

void Tablee::FinirTour(bool paire)
{
    dernier = courant;
    if (paire)
        ++paires[courant];
    else
        courant = (courant + 1) % static_cast<int>(joueurs.size());
}

QString Tablee::TextePaires(int nombre)
{
    if (nombre == 0)
        return tr("aucune paire");
    if (nombre == 1)
        return tr("1 paire");
    return tr("%1 paires").arg(nombre);
}

QString Tablee::Gagnants(const QList<int> &tete) const
{
    if (tete.size() == 1)
        return tr("%1 gagne avec %2").arg(joueurs[tete[0]].prenom, TextePaires(paires[tete[0]]));
    QStringList noms;
    for (int joueur : tete)
        noms << joueurs[joueur].prenom;
    const QString dernierNom = noms.takeLast();
    return tr("%1 et %2 gagnent avec %3")
        .arg(noms.join(QStringLiteral(", ")), dernierNom, TextePaires(paires[tete[0]]));
}

QString Tablee::Classement() const
{
    QList<int> ordre(joueurs.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    // Stable : à paires égales, l'ordre du jeu.
    std::stable_sort(ordre.begin(), ordre.end(),
                     [this](int a, int b) { return paires[a] > paires[b]; });
    const int meilleur = paires[ordre[0]];
    const auto finTete = std::find_if(ordre.begin(), ordre.end(),
                                      [&](int joueur) { return paires[joueur] != meilleur; });
    QStringList parties{Gagnants(QList<int>(ordre.begin(), finTete))};
    for (auto suivant = finTete; suivant != ordre.end(); ++suivant)
        parties << tr("%1 %2").arg(joueurs[*suivant].prenom, TextePaires(paires[*suivant]));
    return parties.join(QStringLiteral(", "));
}

} // namespace kalvoro
