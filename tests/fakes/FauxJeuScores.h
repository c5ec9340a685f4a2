#pragma once
#include "OperationsFenetre.h"

#include <QStringList>

namespace kalvoro {

// La fenêtre Jeu vue par la saisie du score : la série choisie et les deux étiquettes de score.
// Les opérations du plateau ne servent pas ici ; les appeler est une faute que le faux note.
class FauxJeuScores : public OperationsFenetre {
public:
    QString SerieChoisie = QStringLiteral("Cinéma");
    QString ScoreEnCours = QStringLiteral("30");
    QString MeilleurScore = QStringLiteral("(inchangé)");
    QStringList AppelsInattendus;

    QString TexteListeJeux() const override { return SerieChoisie; }
    void EcrireScoreEnCours(const QString &texte) override { ScoreEnCours = texte; }
    QString LireScoreEnCours() const override { return ScoreEnCours; }
    void EcrireMeilleurScore(const QString &texte) override { MeilleurScore = texte; }

    void AfficherFace(int, int, int) override { Noter("AfficherFace"); }
    void AfficherDos(int) override { Noter("AfficherDos"); }
    void ActiverCellule(int, bool) override { Noter("ActiverCellule"); }
    void MontrerCellule(int, bool) override { Noter("MontrerCellule"); }
    void AjouterSerie(const QString &, int) override { Noter("AjouterSerie"); }
    int NumeroSerieChoisie() const override { return 2; }
    void ActiverListeJeux(bool) override { Noter("ActiverListeJeux"); }
    void ActiverAnnuler(bool) override { Noter("ActiverAnnuler"); }
    void DonnerFocusAnnuler() override { Noter("DonnerFocusAnnuler"); }
    void DemarrerMinuterie() override { Noter("DemarrerMinuterie"); }
    void ArreterMinuterie() override { Noter("ArreterMinuterie"); }
    void Repeindre() override { Noter("Repeindre"); }
    int QuestionOuiNon(const QString &, const QString &) override
    {
        Noter("QuestionOuiNon");
        return ReponseNon;
    }
    void OuvrirEnregistre() override { Noter("OuvrirEnregistre"); }

private:
    void Noter(const char *operation) { AppelsInattendus << QString::fromLatin1(operation); }
};

} // namespace kalvoro
