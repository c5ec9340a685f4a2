#include "BaseScores.h"
#include "CopieScores.h"
#include "EchecFatal.h"
#include "Jeu.h"
#include "OuvertureAnticipee.h"
#include "Polices.h"
#include "Programme.h"
#include "Traductions.h"

#include <QApplication>

namespace {

// Dernier filet : un échec de Scores.dat qui remonterait jusqu'à la boucle d'événements est
// signalé comme les autres (message clair, statut 1) au lieu de faire planter le programme.
class ApplicationKalvoro : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *destinataire, QEvent *evenement) override
    {
        try {
            return QApplication::notify(destinataire, evenement);
        } catch (const kalvoro::ErreurScores &erreur) {
            kalvoro::SignalerEchecFatal(nullptr, erreur.Message());
            return true;
        } catch (const std::exception &erreur) {
            // Une faute imprévue : le joueur lit ce qui s'est passé au lieu d'un arrêt muet.
            kalvoro::SignalerEchecFatal(
                nullptr, QCoreApplication::translate("main", "Kalvoro a rencontré une erreur "
                                                             "imprévue et doit s'arrêter.\n\n%1")
                             .arg(QString::fromLocal8Bit(erreur.what())));
            return true;
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // La dérivation de la clé de Scores.dat, le plus long du démarrage, commence avant tout le
    // reste sur un autre fil ; Form_Load la rejoint là où il ouvre le magasin.
    kalvoro::OuvertureAnticipee ouverture(
        kalvoro::CheminScores(),
        [](const QString &chemin) -> std::unique_ptr<kalvoro::StockScores> {
            // La copie chez le joueur, s'il en faut une, se fait sur ce fil, avant l'ouverture.
            if (const QString &echec = kalvoro::PreparerScoresDuProgramme(); !echec.isEmpty())
                throw kalvoro::ErreurScores(echec);
            return std::make_unique<kalvoro::BaseScores>(chemin);
        });
    ApplicationKalvoro application(argc, argv);
    kalvoro::InstallerSubstitutionsPolices();
    kalvoro::InstallerTraductions(QLocale::system().uiLanguages());
    kalvoro::Jeu jeu([&ouverture](const QString &chemin) { return ouverture.Prendre(chemin); });
    if (!jeu.Form_Load())
        return 1;
    jeu.show();
    return application.exec();
}
