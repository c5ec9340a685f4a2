#include "ScoresTailles.h"

#include "MagasinSqlcipher.h"
#include "ModeleScores.h"
#include "ScoresSerie.h"

#include <QFileInfo>

namespace kalvoro {

QString CheminScoresTaille(const QString &scoresDat, TaillePlateau taille)
{
    const QFileInfo scores(scoresDat);
    return scores.absolutePath() + QLatin1Char('/') + scores.completeBaseName() + QLatin1Char('-') +
           taille.Code() + QStringLiteral(".dat");
}

std::unique_ptr<MagasinScores> OuvrirScoresTaille(const QString &chemin)
{
    if (!QFileInfo::exists(chemin)) {
        try {
            CreerFichierScores(chemin, ModeleTaille());
        } catch (const ErreurScores &) {
            // Un autre Kalvoro l'a posé le premier : c'est ce fichier-là qui compte.
            if (!QFileInfo::exists(chemin))
                throw;
        }
    }
    return std::make_unique<MagasinSqlcipher>(chemin, ModeleTaille());
}

} // namespace kalvoro
