#include "ArgumentsSerie.h"
#include "CopieScores.h"
#include "EchecFatal.h"
#include "Jeu.h"
#include "MagasinSqlcipher.h"
#include "OuvertureAnticipee.h"
#include "Polices.h"
#include "Programme.h"
#include "Traductions.h"

#include <QApplication>
#include <QTimer>

namespace {

// Le contexte de traduction des textes du lancement : tr() les y range.
class Lancement {
    Q_DECLARE_TR_FUNCTIONS(Lancement)
};

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
            kalvoro::SignalerEchecFatal(nullptr, Lancement::tr("Kalvoro a rencontré une erreur "
                                                               "imprévue et doit s'arrêter.\n\n%1")
                                                     .arg(QString::fromLocal8Bit(erreur.what())));
            return true;
        }
    }
};

// Lancé sur un dossier d'images ou des images (« Ouvrir avec Kalvoro ») : la fenêtre qui fait
// une série s'ouvre, remplie, dès que le jeu est là.
void OuvrirSerieDemandee(kalvoro::Jeu &jeu, const QStringList &arguments)
{
    const kalvoro::ArgumentsSerie demande = kalvoro::LireArgumentsSerie(arguments);
    if (!demande.refuses.isEmpty())
        kalvoro::SignalerAvis(&jeu, Lancement::tr("Kalvoro n'a pas pu prendre :\n\n%1")
                                        .arg(demande.refuses.join(QLatin1Char('\n'))));
    if (demande.images.isEmpty() && demande.refuses.isEmpty() && !arguments.isEmpty())
        kalvoro::SignalerAvis(&jeu, Lancement::tr("Kalvoro n'a trouvé aucune image dans :\n\n%1")
                                        .arg(arguments.join(QLatin1Char('\n'))));
    if (demande.images.isEmpty())
        return;
    QTimer::singleShot(0, &jeu,
                       [&jeu, demande] { jeu.OuvrirFenetreSerie(demande.images, demande.nom); });
}

} // namespace

int main(int argc, char *argv[])
{
    // La dérivation de la clé de Scores.dat, le plus long du démarrage, commence dès la première
    // ligne, sur un fil qui ne touche qu'au fichier et à Nettle.
    kalvoro::AnticiperCleDuProgramme();
    // L'application d'abord : Qt prend pour fil principal le premier fil qui crée un objet Qt,
    // et la fenêtre n'écouterait plus ni la souris ni le clavier si c'était celui de l'ouverture,
    // qui recopie les scores du joueur avec des QFile. Les traductions aussi, pour que ce fil
    // dise ses échecs dans la langue du joueur.
    ApplicationKalvoro application(argc, argv);
    kalvoro::InstallerTraductions(QLocale::system().uiLanguages());
    // L'ouverture, qui reprend cette clé, se fait sur un autre fil pendant que la fenêtre se
    // construit ; Form_Load la rejoint là où il ouvre le magasin.
    kalvoro::OuvertureAnticipee ouverture(
        kalvoro::CheminScores(),
        [](const QString &chemin) -> std::unique_ptr<kalvoro::MagasinScores> {
            // La copie chez le joueur, s'il en faut une, se fait sur ce fil, avant l'ouverture.
            if (const QString &echec = kalvoro::PreparerScoresDuProgramme().echec; !echec.isEmpty())
                throw kalvoro::ErreurScores(echec);
            return std::make_unique<kalvoro::MagasinSqlcipher>(chemin);
        });
    kalvoro::InstallerSubstitutionsPolices();
    kalvoro::Jeu jeu([&ouverture](const QString &chemin) { return ouverture.Prendre(chemin); });
    if (!jeu.Form_Load())
        return 1;
    jeu.show();
    if (const QString &avis = kalvoro::PreparerScoresDuProgramme().avis; !avis.isEmpty())
        kalvoro::SignalerAvis(&jeu, avis);
    OuvrirSerieDemandee(jeu, application.arguments().mid(1));
    return application.exec();
}
