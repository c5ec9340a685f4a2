#pragma once
#include "DimensionsPlateau.h"
#include "MagasinScores.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace kalvoro {

// Le magasin que voit le programme : Scores.dat pour les six séries au plateau classique, un
// fichier par autre taille pour les six à cette taille, et, pour le palmarès d'une série du
// joueur, à toute taille, le fichier de cette série. Chacun est ouvert à la demande, à sa première
// lecture, puis gardé. Scores.dat garde ainsi exactement ses six tables, dont dépendent les
// autres copies du programme.
//
// Un échec sur le fichier d'une série du joueur (effacée par un autre Kalvoro ou à la main,
// abîmée, disque plein) lève une ErreurScores de nature SerieJoueur qui nomme la série : le
// joueur l'apprend, et le jeu continue.
class MagasinAvecSeries : public MagasinScores {
    Q_DECLARE_TR_FUNCTIONS(MagasinAvecSeries)
public:
    // Ouvre le magasin de la série du joueur de cet identifiant ; nullptr si elle n'existe plus.
    using OuvreurSerie = std::function<std::unique_ptr<MagasinScores>(const QString &id)>;
    // Ce que le programme sait de la série du joueur de cet identifiant : le nom que le joueur
    // lui a donné, et si ses scores sont encore sur le disque (sinon son fichier, encore
    // ouvert ici, ne recevrait plus que des scores perdus).
    struct EtatSerie {
        QString nom;
        bool presente = false;
    };
    using EtatDeSerie = std::function<EtatSerie(const QString &id)>;

    // Ouvre le magasin des six à une autre taille que la classique ; par défaut, le fichier de
    // cette taille à côté du Scores.dat du programme (ScoresTailles.h).
    using OuvreurTaille = std::function<std::unique_ptr<MagasinScores>(TaillePlateau taille)>;

    MagasinAvecSeries(std::unique_ptr<MagasinScores> classique, OuvreurSerie ouvrir,
                      EtatDeSerie etatDe = {}, OuvreurTaille ouvrirTaille = {});

    QString LireMeilleurScore(const QString &palmares) override;
    int LirePlusMauvaisScore(const QString &palmares) override;
    Classement RemplacerPlusMauvais(const QString &palmares, const QString &nom,
                                    const QString &prenom, int score, const QDate &date) override;
    QList<LigneScore> ListerScores(const QString &palmares) override;

    // Ferme le fichier d'une série, avant de la supprimer : aucune connexion ne reste ouverte
    // sur un fichier effacé.
    void Oublier(const QString &id);

private:
    template <typename Operation> auto Faire(const QString &palmares, const Operation &operation);
    MagasinScores &MagasinDe(const QString &id);
    MagasinScores &MagasinA(TaillePlateau taille);
    QString NomDe(const QString &id);

    std::unique_ptr<MagasinScores> six;
    OuvreurSerie ouvreur;
    EtatDeSerie etat;
    OuvreurTaille ouvreurTaille;
    std::map<QString, std::unique_ptr<MagasinScores>> ouverts;     // par identifiant de série
    std::map<QString, std::unique_ptr<MagasinScores>> sixAilleurs; // par code de taille
};

} // namespace kalvoro
