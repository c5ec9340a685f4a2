#pragma once
#include "MagasinScores.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace kalvoro {

// Scores.dat tenu un instant par un autre programme (une autre copie de Kalvoro qui inscrit un
// score) se libère : le joueur peut réessayer. Toutes les fenêtres disent la même chose, seule
// la suite d'Annuler change. Textes en français, traduits par TexteOccupe.
namespace TextesOccupe {
inline constexpr const char *Conseil = QT_TRANSLATE_NOOP(
    "Reessai",
    "Fermez cet autre programme ou attendez qu'il ait fini, puis cliquez sur Réessayer. ");
inline constexpr const char *AnnulerArrete =
    QT_TRANSLATE_NOOP("Reessai", "Avec Annuler, Kalvoro s'arrête.");
inline constexpr const char *AnnulerContinue =
    QT_TRANSLATE_NOOP("Reessai", "Avec Annuler, le jeu continue sans ces scores.");
inline constexpr const char *AnnulerRevientALaSaisie = QT_TRANSLATE_NOOP(
    "Reessai", "Avec Annuler, vous revenez à la saisie : votre score et vos noms sont gardés.");
} // namespace TextesOccupe

// Le texte de la question : le message du magasin, le conseil, puis ce que fait Annuler, dans
// la langue de l'interface.
QString TexteOccupe(const ErreurScores &erreur, const char *suiteAnnuler);

// Fait l'action tant que le fichier est occupé et que `reessayer` (la question posée au joueur)
// rend vrai. Rend vrai si l'action a abouti, faux si le joueur a renoncé ; tout autre échec du
// magasin remonte tel quel. L'action ne doit toucher aux scores que par des opérations qu'on
// peut refaire sans dommage.
bool FaireTantQueOccupe(const std::function<void()> &action,
                        const std::function<bool(const ErreurScores &)> &reessayer);

} // namespace kalvoro
