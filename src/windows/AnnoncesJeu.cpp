#include "AnnoncesJeu.h"

#include "Accessibilite.h"
#include "Enregistre.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace kalvoro {

void AnnoncesJeu::Dire(const QString &texte)
{
    annuler->setAccessibleDescription(texte);
}

void AnnoncesJeu::CarteRetournee(const QString &nomCellule, const QString &face, bool auClavier)
{
    Dire(nomCellule);
    if (auClavier)
        DireAuLecteur(annuler, face);
}

void AnnoncesJeu::PartieAbandonnee()
{
    DireAuLecteur(annuler, tr("Partie abandonnée."));
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

void AnnoncesJeu::MeilleurScore(const QString &ancien, const QString &nouveau)
{
    const bool inscription = qobject_cast<Enregistre *>(QApplication::activeModalWidget());
    if (nouveau.isEmpty())
        return;
    // Un score inscrit qui n'améliore rien laisse le meilleur tel quel : rien de neuf à dire.
    if (inscription && nouveau == ancien)
        return;
    if (inscription) {
        DireAuLecteur(annuler, tr("Nouveau meilleur score : %1.").arg(nouveau));
        return;
    }
    // Au choix d'une série, la liste déroulée se ferme encore : l'annonce attend que le focus
    // soit sur le plateau, sans quoi le lecteur d'écran la perd avec la liste.
    QTimer::singleShot(0, annuler, [this, texte = tr("Meilleur score : %1.").arg(nouveau)] {
        DireAuLecteur(annuler, texte);
    });
}

} // namespace kalvoro
