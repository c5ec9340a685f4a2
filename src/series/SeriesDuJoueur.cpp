#include "SeriesDuJoueur.h"
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
#include <QSet>
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

Serie SerieDecrite(const QDir &racine, const QString &id, const DescriptionSerie &description)
{
    const QString chemin = racine.absoluteFilePath(id) + QLatin1Char('/');
    Serie serie = Serie::DuJoueur(id, description.nom, {}, description.noms);
    for (const QString &fichier : description.fichiers)
        serie.Images.append(chemin + fichier);
    return serie;
}

std::optional<Serie> LireSerie(const QDir &racine, const QString &id)
{
    const auto description = LireDescription(racine.absoluteFilePath(id) + QLatin1Char('/') +
                                             QLatin1String(FichierDescription));
    if (!description || description->fichiers.size() < MinimumImagesSerie)
        return std::nullopt;
    const Serie serie = SerieDecrite(racine, id, *description);
    // Un lien mènerait hors du dossier de la série (vers un fichier privé, un fichier immense).
    for (const QString &image : serie.Images)
        if (const QFileInfo fichier(image); fichier.isSymLink() || !fichier.isFile())
            return std::nullopt;
    return serie;
}

QString NomSerie(const QString &nom)
{
    const QString propre = NomNettoye(nom, LongueurNomSerie);
    if (propre.isEmpty())
        throw ErreurSerie(SeriesDuJoueur::tr("La série n'a pas de nom."));
    return propre;
}

QByteArray EnPng(const QImage &image, const QString &chemin)
{
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "png");
    if (!ecrivain.write(image))
        throw ErreurSerie(SeriesDuJoueur::tr("Impossible d'écrire l'image %1 : %2")
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
        throw ErreurSerie(SeriesDuJoueur::tr("Une série demande au moins %1 images ; il y en a %2.")
                              .arg(MinimumImagesSerie)
                              .arg(description.fichiers.size()));
    return description;
}

void CreerScores(const SeriesDuJoueur::CreateurScores &creerScores, const QString &dossier)
{
    const QString chemin = dossier + QLatin1Char('/') + FichierScores;
    const auto echec = [&chemin](const QString &raison) {
        return ErreurSerie(SeriesDuJoueur::tr("Impossible de créer le fichier des scores %1 : %2")
                               .arg(QDir::toNativeSeparators(chemin), raison));
    };
    try {
        creerScores(chemin);
    } catch (const std::exception &erreur) {
        throw echec(QString::fromUtf8(erreur.what()));
    } catch (...) {
        throw echec(SeriesDuJoueur::tr("erreur inconnue"));
    }
}

void EcrireSerie(const QString &dossier, const DescriptionSerie &description,
                 const QList<ImageLue> &images, const SeriesDuJoueur::CreateurScores &creerScores)
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
        throw ErreurSerie(SeriesDuJoueur::tr("La série %1 n'existe pas dans %2.")
                              .arg(id, QDir::toNativeSeparators(dossier)));
    return chemin;
}

} // namespace

QString DossierSeries()
{
    return DossierDonneesJoueur() + QStringLiteral("/Kalvoro/series");
}

SeriesDuJoueur::SeriesDuJoueur(QString dossierSeries) : dossier(std::move(dossierSeries))
{
    // Ce qu'un lancement tué a laissé part dès le démarrage, pas à la création suivante.
    RetirerRestes(dossier);
}

SeriesDuJoueur::~SeriesDuJoueur() = default;

const QList<Serie> &SeriesDuJoueur::Relire()
{
    liste = Lister();
    return liste;
}

QList<Serie> SeriesDuJoueur::Lister() const
{
    // Les dossiers cachés (.creation-*, .suppression-*) ne sont pas listés : une série n'a
    // son nom définitif qu'une fois entière.
    const QDir racine(dossier);
    QList<Serie> series;
    for (const QString &id : racine.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (IdValide(id))
            if (auto serie = LireSerie(racine, id))
                series.append(*serie);
    const QCollator ordre = OrdreNaturel();
    std::stable_sort(series.begin(), series.end(), [&ordre](const Serie &a, const Serie &b) {
        return ordre.compare(a.Nom, b.Nom) < 0;
    });
    return series;
}

Serie SeriesDuJoueur::Creer(const QString &nom, const QList<ImageLue> &images,
                            const CreateurScores &creerScores) const
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

Serie SeriesDuJoueur::Modifier(const QString &id, const QString &nom,
                               const QList<ImageLue> &images) const
{
    const QString chemin = CheminSerie(dossier, id);
    const QString cheminDescription = chemin + QLatin1Char('/') + QLatin1String(FichierDescription);
    const auto ancienne = LireDescription(cheminDescription);
    if (!ancienne)
        throw ErreurSerie(tr("La description %1 est illisible.")
                              .arg(QDir::toNativeSeparators(cheminDescription)));
    DescriptionSerie description = Decrire(nom, images);
    const QDir serie(chemin);
    QSet<QString> utilises;
    QStringList neufs;
    int suivant = 0;
    try {
        int index = 0;
        for (const ImageLue &image : images) {
            if (!image.Lue())
                continue;
            const QFileInfo source(image.source);
            QString fichier = source.fileName();
            const bool gardee = source.absolutePath() == serie.absolutePath() &&
                                ancienne->fichiers.contains(fichier) && !utilises.contains(fichier);
            if (!gardee) {
                // Un nom que ni l'ancienne description ni un reste du disque ne tient.
                do
                    fichier = FichierImage(suivant++);
                while (ancienne->fichiers.contains(fichier) || serie.exists(fichier));
                const QString cible = serie.filePath(fichier);
                neufs << cible;
                EcrireFichier(cible, EnPng(image.image, cible));
            }
            utilises.insert(fichier);
            description.fichiers[index++] = fichier;
        }
        SynchroniserDossier(chemin);
        EcrireFichier(cheminDescription, EnJson(description));
    } catch (...) {
        for (const QString &neuf : neufs)
            QFile::remove(neuf);
        throw;
    }
    SynchroniserDossier(chemin);
    // Les images que la description ne nomme plus, et les restes d'un changement interrompu.
    for (const QString &fichier : serie.entryList({QStringLiteral("*.png")}, QDir::Files))
        if (!utilises.contains(fichier))
            QFile::remove(serie.filePath(fichier));
    return SerieDecrite(QDir(dossier), id, description);
}

bool SeriesDuJoueur::NomPris(const QString &nom, const QString &sauf) const
{
    const QString propre = NomNettoye(nom, LongueurNomSerie);
    const auto meme = [&propre](const QString &autre) {
        return autre.compare(propre, Qt::CaseInsensitive) == 0;
    };
    for (int numero = 1; numero <= 6; ++numero)
        if (meme(SerieNumero(numero)->Nom) || meme(SerieNumero(numero)->NomAffiche()))
            return true;
    return std::any_of(liste.begin(), liste.end(),
                       [&](const Serie &serie) { return serie.Id != sauf && meme(serie.Nom); });
}

void SeriesDuJoueur::Renommer(const QString &id, const QString &nom)
{
    const QString propre = NomSerie(nom);
    if (NomPris(propre, id))
        throw ErreurSerie(
            tr("Une série s'appelle déjà « %1 » : choisissez un autre nom.").arg(propre));
    const QString chemin =
        CheminSerie(dossier, id) + QLatin1Char('/') + QLatin1String(FichierDescription);
    auto description = LireDescription(chemin);
    if (!description)
        throw ErreurSerie(
            tr("La description %1 est illisible.").arg(QDir::toNativeSeparators(chemin)));
    description->nom = propre;
    EcrireFichier(chemin, EnJson(*description));
    Relire();
}

void SeriesDuJoueur::Supprimer(const QString &id)
{
    // Aucune connexion ne reste sur un fichier de scores effacé.
    if (magasin)
        magasin->Oublier(id);
    // D'abord hors de la liste d'un seul coup, puis effacée : une série à moitié effacée
    // n'est jamais listée, et un effacement interrompu est repris par la création suivante.
    const QString chemin = CheminSerie(dossier, id);
    const QString corbeille = dossier + QStringLiteral("/.suppression-") + id + QLatin1Char('-') +
                              Hexadecimal(QRandomGenerator::system()->generate(), 4);
    RenommerChemin(chemin, corbeille);
    SynchroniserDossier(dossier);
    QDir(corbeille).removeRecursively();
    Relire();
}

QString SeriesDuJoueur::CheminScores(const QString &id) const
{
    return dossier + QLatin1Char('/') + id + QLatin1Char('/') + FichierScores;
}

// Une série supprimée par un autre Kalvoro, ou effacée à la main, n'a plus de scores : son
// fichier, encore ouvert ici, ne recevrait que des scores perdus.
MagasinAvecSeries::EtatSerie SeriesDuJoueur::Etat(const QString &id) const
{
    for (const Serie &serie : liste)
        if (serie.Id == id)
            return {serie.Nom, IdValide(id) && QFileInfo(CheminScores(id)).isFile()};
    return {};
}

std::unique_ptr<MagasinScores> SeriesDuJoueur::AvecLesSix(std::unique_ptr<MagasinScores> six)
{
    // Le fichier d'une série ne s'ouvre qu'à son premier choix : chacun coûte une dérivation de
    // clé, et le joueur n'en joue qu'une à la fois.
    auto avecSeries = std::make_unique<MagasinAvecSeries>(
        std::move(six),
        [this](const QString &id) -> std::unique_ptr<MagasinScores> {
            if (!Etat(id).presente)
                return nullptr;
            return OuvrirScoresSerie(CheminScores(id));
        },
        [this](const QString &id) { return Etat(id); });
    magasin = avecSeries.get();
    return avecSeries;
}

} // namespace kalvoro
