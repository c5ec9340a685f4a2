#include "DossiersImages.h"
#include "NomsSerie.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSet>
#include <algorithm>

namespace kalvoro {

namespace {

QSet<QString> SuffixesLisibles()
{
    QSet<QString> suffixes;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        suffixes.insert(QString::fromLatin1(format).toLower());
    return suffixes;
}

// Le parcours d'un dossier choisi, borné en profondeur, en dossiers et en images.
class Parcours {
public:
    QStringList images;

    void Lire(const QString &dossier, int profondeur)
    {
        const QDir repertoire(dossier);
        QStringList ici;
        for (const QFileInfo &fichier : repertoire.entryInfoList(QDir::Files, QDir::NoSort))
            if (EstImage(fichier))
                ici.append(fichier.absoluteFilePath());
        std::sort(ici.begin(), ici.end(), ordre);
        images << ici.mid(0, ImagesDossierMaximum - images.size());
        if (profondeur >= ProfondeurDossiers)
            return;
        QFileInfoList sous =
            repertoire.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
        std::sort(sous.begin(), sous.end(), [this](const QFileInfo &a, const QFileInfo &b) {
            return ordre(a.fileName(), b.fileName());
        });
        for (const QFileInfo &sousDossier : sous) {
            if (images.size() >= ImagesDossierMaximum || dossiers >= DossiersParcourusMaximum)
                return;
            if (sousDossier.isSymLink())
                continue;
            ++dossiers;
            Lire(sousDossier.absoluteFilePath(), profondeur + 1);
        }
    }

private:
    // Une image que Qt ne sait pas lire ici (HEIC) est gardée aussi : la lecture la dira
    // illisible, au lieu de la laisser de côté sans un mot.
    bool EstImage(const QFileInfo &fichier) const
    {
        return lisibles.contains(fichier.suffix().toLower()) ||
               types.mimeTypeForFile(fichier, QMimeDatabase::MatchExtension)
                   .name()
                   .startsWith(QLatin1String("image/"));
    }

    const QSet<QString> lisibles = SuffixesLisibles();
    const QMimeDatabase types;
    const QCollator ordre = OrdreNaturel();
    int dossiers = 0;
};

// Le dossier tel que le joueur le reconnaît : « Photos/2024/été » sous le dossier choisi
// « Photos ».
QString NomDuDossier(const QString &dossier, const QString &racine)
{
    if (racine.isEmpty())
        return QDir(dossier).dirName();
    const QString relatif = QDir(racine).relativeFilePath(dossier);
    const QString nom = QDir(racine).dirName();
    return QDir::toNativeSeparators(relatif.isEmpty() || relatif == QLatin1String(".")
                                        ? nom
                                        : nom + QLatin1Char('/') + relatif);
}

} // namespace

QStringList ImagesDuDossier(const QString &dossier)
{
    Parcours parcours;
    parcours.Lire(dossier, 0);
    return parcours.images;
}

QList<std::pair<QString, int>> ImagesParDossier(const QStringList &images, const QString &racine)
{
    QList<std::pair<QString, int>> comptes;
    QHash<QString, qsizetype> places;
    for (const QString &image : images) {
        const QString nom = NomDuDossier(QFileInfo(image).absolutePath(), racine);
        const auto place = places.constFind(nom);
        if (place != places.constEnd()) {
            ++comptes[*place].second;
            continue;
        }
        places.insert(nom, comptes.size());
        comptes.append({nom, 1});
    }
    return comptes;
}

QStringList FiltresImages()
{
    QStringList filtres;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        filtres.append(QStringLiteral("*.") + QString::fromLatin1(format).toLower());
    filtres.removeDuplicates();
    return filtres;
}

} // namespace kalvoro
