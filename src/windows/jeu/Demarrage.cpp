#include "Demarrage.h"

#include "CopieScores.h"
#include "EchecFatal.h"
#include "Programme.h"
#include "SeriesDuJoueur.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QStandardPaths>

namespace kalvoro {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class Demarrage {
    Q_DECLARE_TR_FUNCTIONS(Demarrage)
};

OriginesJeu OriginesJeu::DuProgramme()
{
    // La copie chez le joueur s'est faite sur le fil de l'ouverture, ses traductions déjà là :
    // son échec est dit dans la langue du joueur.
    return {DossierProgramme(),
            &DateExecutable,
            CheminScores(),
            PreparerScoresDuProgramme().echec,
            DossierSeries(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/kalvoro/kalvoro.conf")};
}

std::unique_ptr<MagasinScores> OuvrirMagasin(QWidget *fenetre, const OriginesJeu &origines,
                                             const FabriqueMagasin &fabrique)
{
    if (!origines.echecScores.isEmpty()) {
        SignalerEchecFatal(fenetre, origines.echecScores);
        return nullptr;
    }
    const QString chemin = origines.scores.isEmpty()
                               ? origines.dossier + QStringLiteral("Scores.dat")
                               : origines.scores;
    // Un fichier tenu par un autre programme se libère : le joueur peut réessayer avant que
    // Kalvoro n'abandonne. Chaque nouvel essai rappelle la fabrique, qui rouvre le fichier.
    std::unique_ptr<MagasinScores> magasin;
    if (!FaireAvecReessai(
            fenetre, [&] { magasin = fabrique(chemin); }, Renoncement::Arreter))
        return nullptr;
    if (!magasin)
        SignalerEchecFatal(fenetre, Demarrage::tr("La base des scores %1 n'a pas pu être ouverte.")
                                        .arg(QDir::toNativeSeparators(chemin)));
    return magasin;
}

std::optional<QString> LireDateProgramme(QWidget *fenetre, const OriginesJeu &origines)
{
    const std::optional<QDateTime> date = origines.dateExecutable();
    if (!date) {
        SignalerEchecFatal(
            fenetre, Demarrage::tr("La date de dernière modification du programme %1 ne peut pas "
                                   "être lue : le fichier est absent ou illisible.")
                         .arg(QDir::toNativeSeparators(CheminExecutable())));
        return std::nullopt;
    }
    return FormaterDateProgramme(*date);
}

QImage LireImagePng(const QString &chemin)
{
    // En PNG, sans essayer aucun greffon. Un fichier @2x est lu à la densité 2, comme QIcon.
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    return lecteur.read();
}

QIcon IconePng(const QString &chemin, bool desactiveeEnCouleurs)
{
    QIcon icone;
    const auto ajouter = [&icone, desactiveeEnCouleurs](const QString &fichier) {
        if (const QImage image = LireImagePng(fichier); !image.isNull()) {
            icone.addPixmap(QPixmap::fromImage(image), QIcon::Normal);
            if (desactiveeEnCouleurs)
                icone.addPixmap(QPixmap::fromImage(image), QIcon::Disabled);
        }
    };
    ajouter(chemin);
    if (qApp->devicePixelRatio() > 1 && chemin.endsWith(QLatin1String(".png")))
        ajouter(chemin.chopped(4) + QLatin1String("@2x.png"));
    return icone;
}

} // namespace kalvoro
