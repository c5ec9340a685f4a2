#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Les textes fixes de la fenêtre À propos : adresses, historique des versions, assistance.
namespace kalvoro::apropos {

// Le contexte de traduction des textes de la fenêtre À propos : tr() les y range.
class AproposTextes {
    Q_DECLARE_TR_FUNCTIONS(AproposTextes)
};

// Adresses remises au bureau par les boutons de liens (domaines réservés aux exemples).
inline constexpr const char *AdresseEMail = "assistance@example.com";
inline constexpr const char *SiteAuteur = "https://www.example.net/kalvoro/";
inline constexpr const char *SiteGelvo = "https://www.example.org/gelvo/";

// Les débuts des lignes de l'onglet « Infos techniques » : les blancs alignent les valeurs
// (chaque langue a les siens, que la fenêtre prend dans son catalogue).
inline constexpr const char *PrefixeNomExecutable =
    QT_TRANSLATE_NOOP("AproposTextes", "  Nom de l'éxecutable : ");
inline constexpr const char *PrefixeVersion =
    QT_TRANSLATE_NOOP("AproposTextes", "  Version :                  ");
inline constexpr const char *PrefixeCommentaires =
    QT_TRANSLATE_NOOP("AproposTextes", "  Commentaires :          ");
inline constexpr const char *PrefixeMarques =
    QT_TRANSLATE_NOOP("AproposTextes", "  Marques légales :       ");
inline constexpr const char *PrefixeCopyright =
    QT_TRANSLATE_NOOP("AproposTextes", "  Copyright :                ");
inline constexpr const char *PrefixeOrganisation =
    QT_TRANSLATE_NOOP("AproposTextes", "  Organisation :            ");

// L'historique des versions, de la plus récente à la plus ancienne ; lignes terminées par CR LF.
QString TexteHistorique(const QString &nomProduit);

// Les conditions d'assistance technique et les coordonnées de l'auteur ; lignes en CR LF.
// Chaque coordonnée est une rubrique ("Adresse :"), une tabulation et sa valeur.
QString TexteAssistance();

// Les rubriques des coordonnées, telles que TexteAssistance les écrit : la fenêtre pose son
// taquet de tabulation après la plus large, pour que les valeurs fassent une colonne.
QStringList RubriquesCoordonnees();

} // namespace kalvoro::apropos
