#include "AnnoncesJeu.h"

#include "Accessibilite.h"

#include <QWidget>

namespace kalvoro {

void AnnoncesJeu::Dire(const QString &texte)
{
    annuler->setAccessibleDescription(texte);
}

void AnnoncesJeu::CarteRetournee(const QString &nomCellule)
{
    Dire(nomCellule);
}

void AnnoncesJeu::ScoreEnCours(const QString &texte)
{
    if (texte.isEmpty()) {
        paireTrouvee = false;
        Dire(QString());
        return;
    }
    const QString issue = (paireTrouvee ? tr("Paire trouvée.") : tr("Pas de paire.")) +
                          QLatin1Char(' ') + tr("Score en cours : %1.").arg(texte);
    paireTrouvee = false;
    // Dite tout de suite, et gardée sur Annuler pour qui y revient.
    DireAuLecteur(annuler, issue);
    Dire(issue);
}

void AnnoncesJeu::MeilleurScore(const QString &ancien, const QString &nouveau, bool inscription)
{
    if (nouveau.isEmpty())
        return;
    // Un score inscrit qui n'améliore rien laisse le meilleur tel quel : rien de neuf à dire.
    if (inscription && nouveau == ancien)
        return;
    DireAuLecteur(annuler, inscription ? tr("Nouveau meilleur score : %1.").arg(nouveau)
                                       : tr("Meilleur score : %1.").arg(nouveau));
}

} // namespace kalvoro
