#pragma once
#include <QCoreApplication>
#include <QString>
#include <array>

namespace kalvoro {

// Une série d'images : son numéro (1 à 6) et son nom, qui est à la fois le texte de l'entrée
// de ListeJeux, le nom de sa table dans Scores.dat et celui de sa liste d'images. Dans une
// autre langue, la liste montre le nom traduit (NomAffiche) ; la table garde le nom français,
// et c'est le numéro de l'entrée choisie qui la désigne.
struct Serie {
    int Numero;
    QString Nom;
    const char *Dossier; // dossier de ses images dans les ressources, sans accent

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

// La table de la série choisie dans ListeJeux. Le texte montré peut être traduit : c'est le
// numéro de l'entrée qui la désigne ; hors de 1 à 6, le texte montré sert de nom.
QString TableDeLaSerie(int numeroChoisi, const QString &texteMontre);

} // namespace kalvoro
