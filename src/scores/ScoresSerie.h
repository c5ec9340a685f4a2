#pragma once
// Les scores des séries du joueur : chacune a son propre fichier chiffré, à côté de ses images,
// et Scores.dat garde exactement ses six tables, dont dépendent les autres copies du programme.
#include "MagasinScores.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace kalvoro {

// Écrit, à ce chemin qui n'existe pas encore, le fichier de scores vide d'une série du joueur,
// chiffré comme Scores.dat. Lève ErreurScores.
void CreerScoresSerie(const QString &chemin);
// Ouvre le magasin d'une série du joueur ; lève ErreurScores comme MagasinSqlcipher.
std::unique_ptr<MagasinScores> OuvrirScoresSerie(const QString &chemin);

// Le magasin que voit le programme : Scores.dat pour les six séries, et, pour une clé
// CleSerieJoueur(id), le fichier de cette série, ouvert à la demande puis gardé.
class MagasinAvecSeries : public MagasinScores {
    Q_DECLARE_TR_FUNCTIONS(MagasinAvecSeries)
public:
    using OuvreurSerie = std::function<std::unique_ptr<MagasinScores>(const QString &id)>;
    MagasinAvecSeries(std::unique_ptr<MagasinScores> classique, OuvreurSerie ouvrir);

    QString LireMeilleurScore(const QString &serie) override;
    int LirePlusMauvaisScore(const QString &serie) override;
    Classement RemplacerPlusMauvais(const QString &serie, const QString &nom, const QString &prenom,
                                    int score, const QDate &date) override;
    QList<LigneScore> ListerScores(const QString &serie) override;

    // Ferme le fichier d'une série (avant de la supprimer ou de la renommer).
    void Oublier(const QString &id);

private:
    MagasinScores &MagasinDe(const QString &serie);

    std::unique_ptr<MagasinScores> six;
    OuvreurSerie ouvreur;
    std::map<QString, std::unique_ptr<MagasinScores>> ouverts; // par identifiant de série
};

} // namespace kalvoro
