#include "CopieScores.h"

#include "CleScores.h"
#include "Emplacements.h"
#include "MagasinSqlcipher.h"
#include "MotDePasse.h"
#include "Sqlite.h"
#include "VerificationsScores.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kalvoro {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class CopieScores {
    Q_DECLARE_TR_FUNCTIONS(CopieScores)
};

QString ControlerCopieScores(const QString &copie)
{
    try {
        // Ouvrir suffit à remettre les pages du journal dans la copie, dès la première lecture.
        {
            MagasinSqlcipher base(copie);
        }
        Connexion connexion(copie);
        connexion.Cle(CleDeScores(connexion.Base(), QByteArrayLiteral(KALVORO_MOT_DE_PASSE)));
        const QString integrite = connexion.Valeur("PRAGMA integrity_check");
        if (integrite != QLatin1String("ok"))
            return CopieScores::tr("le fichier est endommagé (%1).").arg(integrite);
    } catch (const ErreurScores &erreur) {
        return erreur.Message();
    } catch (const ErreurSqlite &erreur) {
        return ErreurOuverture(copie, erreur).Message();
    }
    return {};
}

void AnticiperCleDuProgramme()
{
    const Emplacements &emplacements = EmplacementsDuProgramme();
    const bool copieAFaire =
        !emplacements.scoresLivres.isEmpty() && !QFileInfo::exists(emplacements.scores);
    AnticiperCle(copieAFaire ? emplacements.scoresLivres : emplacements.scores,
                 QByteArrayLiteral(KALVORO_MOT_DE_PASSE));
}

const PreparationScores &PreparerScoresDuProgramme()
{
    static const PreparationScores preparation =
        PreparerScoresJoueur(EmplacementsDuProgramme(), &ControlerCopieScores);
    return preparation;
}

} // namespace kalvoro
