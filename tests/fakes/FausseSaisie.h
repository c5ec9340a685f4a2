#pragma once
#include "FausseFenetre.h"
#include "SaisieScore.h"

#include <QList>
#include <QPair>

namespace kalvoro {

// Le dialogue Enregistre sans fenêtre : des textes, un focus, les boîtes montrées, fermé ou non.
// Taper() fait passer chaque caractère par le filtre de la zone, comme le ferait la fenêtre.
class FausseSaisie : public OperationsSaisie {
public:
    QString Prenom, Nom, Serie, Score;
    Controle Focus = Controle::Prenom;
    QList<QPair<QString, QString>> Messages; // (titre, texte)
    QStringList Reessais;                    // textes des boîtes « fichier occupé » montrées
    QList<bool> ReponsesReessai;             // vrai : Réessayer ; épuisées : Annuler
    int Largeur = 361, LargeurBoite = 185, GaucheBoite = -1;
    bool Fermee = false;

    // Frappe dans Prenom ou Nom, au curseur donné (-1 : en fin de texte).
    void Taper(SaisieScore &saisie, Controle zone, const QString &touches, int curseur = -1)
    {
        QString &texte = zone == Controle::Prenom ? Prenom : Nom;
        if (curseur < 0)
            curseur = texte.size();
        for (QChar touche : touches) {
            const auto garde = zone == Controle::Prenom ? saisie.Prenom_KeyPress(touche)
                                                        : saisie.Nom_KeyPress(touche);
            if (garde)
                texte.insert(curseur++, *garde);
        }
    }

    QString TextePrenom() const override { return Prenom; }
    QString TexteNom() const override { return Nom; }
    void DonnerFocus(Controle controle) override { Focus = controle; }
    void EcrireSerie(const QString &texte) override { Serie = texte; }
    QString LireSerie() const override { return Serie; }
    void EcrireScore(const QString &texte) override { Score = texte; }
    QString LireScore() const override { return Score; }
    int LargeurDialogue() const override { return Largeur; }
    int LargeurBoiteBoutons() const override { return LargeurBoite; }
    void PlacerBoiteBoutons(int gauche) override { GaucheBoite = gauche; }
    void MessageArret(const QString &titre, const QString &texte) override
    {
        Messages.append({titre, texte});
    }
    bool ProposerReessai(const QString &texte) override
    {
        Reessais << texte;
        return !ReponsesReessai.isEmpty() && ReponsesReessai.takeFirst();
    }
    void Fermer() override { Fermee = true; }
};

// La fenêtre Jeu telle que la laisse une partie finie : la série choisie, le score en cours, et
// un meilleur score témoin qui montre s'il a été récrit.
inline const QString MeilleurScoreTemoin = QStringLiteral("(inchangé)");

inline void FinDePartie(FausseFenetre &jeu, const QString &serie, const QString &score)
{
    jeu = FausseFenetre();
    jeu.AjouterSerie(serie, 2);
    jeu.Choisir(serie);
    jeu.ScoreEnCours = score;
    jeu.MeilleurScore = MeilleurScoreTemoin;
}

} // namespace kalvoro
