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

// Les séries du joueur suivent les six dans ListeJeux : la k-ième (à partir de 0) y porte le
// numéro PremierNumeroJoueur + k. La dernière entrée, « Nouvelle série… », porte
// NumeroNouvelleSerie : la choisir ouvre la fenêtre qui fait une série.
inline constexpr int PremierNumeroJoueur = 101;
inline constexpr int NumeroNouvelleSerie = -1;

// La clé des scores d'une série du joueur dans le magasin : "serie:" et l'identifiant de son
// dossier, choisi par le programme. Aucun nom des six n'a de deux-points.
QString CleSerieJoueur(const QString &id);
// L'identifiant d'une clé de série du joueur, vide si la clé n'en est pas une.
QString IdDeCleSerie(const QString &cle);

// La table de la série choisie dans ListeJeux. Le texte montré peut être traduit : c'est le
// numéro de l'entrée qui la désigne ; hors de 1 à 6, le texte montré sert de nom.
QString TableDeLaSerie(int numeroChoisi, const QString &texteMontre);

} // namespace kalvoro
