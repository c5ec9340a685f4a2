#pragma once
#include "MagasinScores.h"
#include "OperationsFenetre.h"
#include "SaisieScore.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace kalvoro {

class ZoneSaisie;

// Le dialogue de saisie du score, ouvert en modal (exec()) par Jeu à la fin d'une partie : il
// lit la série et le score dans Jeu, inscrit le score ou dit pourquoi il ne l'est pas, met à
// jour MeilleurScore et vide ScoreEnCours. Fermé par Annuler ou par son cadre, il n'écrit
// rien et vide ScoreEnCours ; Échap ne le ferme pas, pour qu'une touche de trop pendant la
// frappe des noms ne fasse pas perdre la saisie. Un Scores.dat occupé par un autre programme
// laisse réessayer sans rien perdre ; toute autre erreur du magasin passe par
// SignalerEchecFatal.
class Enregistre : public QDialog, private OperationsSaisie {
    Q_OBJECT
public:
    Enregistre(OperationsFenetre &jeu, MagasinScores &magasin, QWidget *parent = nullptr);

    // La case de fermeture du cadre vaut Annuler.
    void reject() override;
    // Les noms tels qu'ils ont été tapés, donc inscrits.
    QString PrenomSaisi() const { return TextePrenom(); }
    QString NomSaisi() const { return TexteNom(); }

protected:
    void keyPressEvent(QKeyEvent *evenement) override;

private slots:
    void Valider_Click();
    void Annuler_Click();

private:
    void CreerControles();
    void CreerBoutons();
    void OrdonnerClavier();
    void DecrirePourLecteurs();

    QString TextePrenom() const override;
    QString TexteNom() const override;
    void DonnerFocus(Controle controle) override;
    void EcrireSerie(const QString &texte) override;
    QString LireSerie() const override;
    void EcrireScore(const QString &texte) override;
    QString LireScore() const override;
    int LargeurDialogue() const override;
    int LargeurBoiteBoutons() const override;
    void PlacerBoiteBoutons(int gauche) override;
    void MessageArret(const QString &titre, const QString &texte) override;
    bool ProposerReessai(const QString &texte) override;
    void Fermer() override;

    QLabel *Label1 = nullptr;
    QLabel *Serie = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Score = nullptr;
    QLabel *Label4 = nullptr;
    ZoneSaisie *Prenom = nullptr;
    QLabel *Label3 = nullptr;
    ZoneSaisie *Nom = nullptr;
    QGroupBox *BoiteBoutons = nullptr;
    QPushButton *Annuler = nullptr;
    QPushButton *Valider = nullptr;

    SaisieScore Saisie;
};

} // namespace kalvoro
