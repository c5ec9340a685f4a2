#include "CatalogueSeries.h"
#include "DescriptionSerie.h"
#include "Emplacements.h"
#include "FichiersSerie.h"
#include "NomsSerie.h"
#include "NouvelleSerie.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <optional>

namespace kalvoro {

namespace {

const QString FichierScores = QStringLiteral("Scores.dat");

bool IdValide(const QString &id)
{
    static const QRegularExpression forme(QStringLiteral("^[0-9a-f]{16}$"));
    return forme.match(id).hasMatch();
}

QString Hexadecimal(quint64 nombre, int chiffres)
{
    return QStringLiteral("%1").arg(nombre, chiffres, 16, QLatin1Char('0')).right(chiffres);
}

QString NouvelId(const QDir &racine)
{
    QString id;
    do
        id = Hexadecimal(QRandomGenerator::system()->generate64(), 16);
    while (racine.exists(id));
    return id;
}

SerieJoueur SerieDecrite(const QDir &racine, const QString &id, const DescriptionSerie &description)
{
    const QString chemin = racine.absoluteFilePath(id) + QLatin1Char('/');
    SerieJoueur serie{id, description.nom, {}, description.noms, chemin + FichierScores};
    for (const QString &fichier : description.fichiers)
        serie.images.append(chemin + fichier);
    return serie;
}

std::optional<SerieJoueur> LireSerie(const QDir &racine, const QString &id)
{
    const auto description = LireDescription(racine.absoluteFilePath(id) + QLatin1Char('/') +
                                             QLatin1String(FichierDescription));
    if (!description || description->fichiers.size() < MinimumImagesSerie)
        return std::nullopt;
    const SerieJoueur serie = SerieDecrite(racine, id, *description);
    for (const QString &image : serie.images)
        if (!QFileInfo(image).isFile())
            return std::nullopt;
    return serie;
}

QString NomSerie(const QString &nom)
{
    const QString propre = NomNettoye(nom, LongueurNomSerie);
    if (propre.isEmpty())
        throw ErreurSerie(
            QCoreApplication::translate("CatalogueSeries", "La série n'a pas de nom."));
    return propre;
}

QByteArray EnPng(const QImage &image, const QString &chemin)
{
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "png");
    if (!ecrivain.write(image))
        throw ErreurSerie(
            QCoreApplication::translate("CatalogueSeries", "Impossible d'écrire l'image %1 : %2")
                .arg(QDir::toNativeSeparators(chemin), ecrivain.errorString()));
    return png;
}

// Les images lues, dans l'ordre, et la description qui les nomme.
DescriptionSerie Decrire(const QString &nom, const QList<ImageLue> &images)
{
    DescriptionSerie description{NomSerie(nom), {}, {}};
    for (const ImageLue &image : images)
        if (image.Lue()) {
            description.fichiers.append(
                FichierImage(static_cast<int>(description.fichiers.size())));
            description.noms.append(NomNettoye(image.nom, LongueurNomImage));
        }
    if (description.fichiers.size() < MinimumImagesSerie)
        throw ErreurSerie(
            QCoreApplication::translate("CatalogueSeries",
                                        "Une série demande au moins %1 images ; il y en a %2.")
                .arg(MinimumImagesSerie)
                .arg(description.fichiers.size()));
    return description;
}

void CreerScores(const CatalogueSeries::CreateurScores &creerScores, const QString &dossier)
{
    const QString chemin = dossier + QLatin1Char('/') + FichierScores;
    const auto echec = [&chemin](const QString &raison) {
        return ErreurSerie(
            QCoreApplication::translate("CatalogueSeries",
                                        "Impossible de créer le fichier des scores %1 : %2")
                .arg(QDir::toNativeSeparators(chemin), raison));
    };
    try {
        creerScores(chemin);
    } catch (const std::exception &erreur) {
        throw echec(QString::fromUtf8(erreur.what()));
    } catch (...) {
        throw echec(QCoreApplication::translate("CatalogueSeries", "erreur inconnue"));
    }
}

void EcrireSerie(const QString &dossier, const DescriptionSerie &description,
                 const QList<ImageLue> &images, const CatalogueSeries::CreateurScores &creerScores)
{
    int index = 0;
    for (const ImageLue &image : images)
        if (image.Lue()) {
            const QString chemin = dossier + QLatin1Char('/') + description.fichiers.at(index++);
            EcrireFichier(chemin, EnPng(image.image, chemin));
        }
    EcrireFichier(dossier + QLatin1Char('/') + QLatin1String(FichierDescription),
                  EnJson(description));
    CreerScores(creerScores, dossier);
}

QString CheminSerie(const QString &dossier, const QString &id)
{
    const QString chemin = dossier + QLatin1Char('/') + id;
    if (!IdValide(id) || !QFileInfo(chemin).isDir())
        throw ErreurSerie(
            QCoreApplication::translate("CatalogueSeries", "La série %1 n'existe pas dans %2.")
                .arg(id, QDir::toNativeSeparators(dossier)));
    return chemin;
}

} // namespace

QString DossierSeries()
{
    return DossierDonneesJoueur() + QStringLiteral("/Kalvoro/series");
}

CatalogueSeries::CatalogueSeries(QString dossierSeries) : dossier(std::move(dossierSeries)) {}

QList<SerieJoueur> CatalogueSeries::Lister() const
{
    // Les dossiers cachés (.creation-*, .suppression-*) ne sont pas listés : une série n'a
    // son nom définitif qu'une fois entière.
    const QDir racine(dossier);
    QList<SerieJoueur> series;
    for (const QString &id : racine.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (IdValide(id))
            if (auto serie = LireSerie(racine, id))
                series.append(*serie);
    const QCollator ordre = OrdreNaturel();
    std::stable_sort(series.begin(), series.end(),
                     [&ordre](const SerieJoueur &a, const SerieJoueur &b) {
                         return ordre.compare(a.nom, b.nom) < 0;
                     });
    return series;
}

SerieJoueur CatalogueSeries::Creer(const QString &nom, const QList<ImageLue> &images,
                                   const CreateurScores &creerScores)
{
    const DescriptionSerie description = Decrire(nom, images);
    if (!QDir().mkpath(dossier))
        throw ErreurSerie(tr("Impossible de créer le dossier %1 : %2")
                              .arg(QDir::toNativeSeparators(dossier), qt_error_string(errno)));
    RetirerRestes(dossier);
    // Dans le dossier des séries même : le renommage final reste sur le même disque.
    QTemporaryDir provisoire(dossier + QStringLiteral("/.creation-XXXXXX"));
    if (!provisoire.isValid())
        throw ErreurSerie(tr("Impossible de créer un dossier dans %1 : %2")
                              .arg(QDir::toNativeSeparators(dossier), provisoire.errorString()));
    EcrireSerie(provisoire.path(), description, images, creerScores);
    const QDir racine(dossier);
    const QString id = NouvelId(racine);
    // Le dossier provisoire synchronisé d'abord : après une coupure de courant, la série
    // renommée a toutes ses entrées.
    SynchroniserDossier(provisoire.path());
    RenommerChemin(provisoire.path(), racine.absoluteFilePath(id));
    provisoire.setAutoRemove(false);
    SynchroniserDossier(dossier);
    return SerieDecrite(racine, id, description);
}

void CatalogueSeries::Renommer(const QString &id, const QString &nom)
{
    const QString propre = NomSerie(nom);
    const QString chemin =
        CheminSerie(dossier, id) + QLatin1Char('/') + QLatin1String(FichierDescription);
    auto description = LireDescription(chemin);
    if (!description)
        throw ErreurSerie(
            tr("La description %1 est illisible.").arg(QDir::toNativeSeparators(chemin)));
    description->nom = propre;
    EcrireFichier(chemin, EnJson(*description));
}

void CatalogueSeries::Supprimer(const QString &id)
{
    // D'abord hors de la liste d'un seul coup, puis effacée : une série à moitié effacée
    // n'est jamais listée, et un effacement interrompu est repris par la création suivante.
    const QString chemin = CheminSerie(dossier, id);
    const QString corbeille = dossier + QStringLiteral("/.suppression-") + id + QLatin1Char('-') +
                              Hexadecimal(QRandomGenerator::system()->generate(), 4);
    RenommerChemin(chemin, corbeille);
    SynchroniserDossier(dossier);
    QDir(corbeille).removeRecursively();
}

} // namespace kalvoro
