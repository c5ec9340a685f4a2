#include "ImagesSerie.h"
#include "JpegEntier.h"
#include "NomsSerie.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSet>
#include <algorithm>

namespace kalvoro {

namespace {

// La taille à laquelle décoder, dans l'orientation du fichier (avant la rotation EXIF) : le
// petit côté à CoteImageSerie, les proportions gardées. Le décodeur JPEG réduit alors dès la
// décompression, et une photo de 48 mégapixels n'est jamais allouée en entier.
QSize TailleDecodee(QSize fichier)
{
    const qint64 petit = std::min(fichier.width(), fichier.height());
    const auto cote = [petit](qint64 longueur) {
        return static_cast<int>(
            std::max<qint64>(CoteImageSerie, (longueur * CoteImageSerie + petit - 1) / petit));
    };
    return {cote(fichier.width()), cote(fichier.height())};
}

// Un format vectoriel se dessine à la taille voulue, même plus grande que la sienne.
bool Vectoriel(const QByteArray &format)
{
    return format == "svg" || format == "svgz";
}

QImage AuCarre(const QImage &image)
{
    const int cote = std::min(image.width(), image.height());
    const QImage carre =
        image.copy((image.width() - cote) / 2, (image.height() - cote) / 2, cote, cote);
    const QImage finale = cote == CoteImageSerie
                              ? carre
                              : carre.scaled(CoteImageSerie, CoteImageSerie, Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
    // Un seul format de pixels, pour que l'empreinte d'une même image ne dépende pas du
    // format de son fichier.
    return finale.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray Empreinte(const QImage &image)
{
    QCryptographicHash hachage(QCryptographicHash::Sha256);
    for (int ligne = 0; ligne < image.height(); ++ligne)
        hachage.addData(QByteArrayView(image.constScanLine(ligne), image.width() * 4));
    return hachage.result();
}

QSet<QString> SuffixesLisibles()
{
    QSet<QString> suffixes;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        suffixes.insert(QString::fromLatin1(format).toLower());
    return suffixes;
}

// Un JPEG coupé en chemin n'est pas une image à garder, même si libjpeg en tire le haut. Le
// fichier est parcouru en projection : rien n'en est copié en mémoire.
bool JpegCoupe(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly) || !EstJpeg(fichier.peek(3)))
        return false;
    // Un disque qui refuse la projection (certains montages réseau) laisse le décodeur juger.
    const uchar *octets = fichier.map(0, fichier.size());
    return octets && !JpegEntier(QByteArray::fromRawData(reinterpret_cast<const char *>(octets),
                                                         fichier.size()));
}

} // namespace

ImageLue LireImage(const QString &chemin)
{
    ImageLue lue{chemin, NomDepuisFichier(chemin), {}, {}};
    // Un tube ou un périphérique bloquerait la lecture, et ce fil avec elle.
    if (!QFileInfo(chemin).isFile() || JpegCoupe(chemin))
        return lue;
    QImageReader lecteur(chemin);
    lecteur.setAutoTransform(true);
    const QSize taille = lecteur.size();
    if (!taille.isEmpty() &&
        (std::min(taille.width(), taille.height()) > CoteImageSerie || Vectoriel(lecteur.format())))
        lecteur.setScaledSize(TailleDecodee(taille));
    // Un format qui ne sait pas décoder réduit (PNG, TIFF) se décode entier : une numérisation
    // de 50 mégapixels dépasse la limite de Qt, faite pour les images d'un programme.
    if (!lecteur.supportsOption(QImageIOHandler::ScaledSize))
        lecteur.setAllocationLimit(1024);
    const QImage image = lecteur.read();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return lue;
    lue.image = AuCarre(image);
    lue.empreinte = Empreinte(lue.image);
    return lue;
}

QString NomDepuisFichier(const QString &chemin)
{
    QString nom = QFileInfo(chemin).completeBaseName();
    nom.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    return NomNettoye(nom, LongueurNomImage);
}

QStringList ImagesDuDossier(const QString &dossier)
{
    const QSet<QString> lisibles = SuffixesLisibles();
    QStringList images;
    const QDir repertoire(dossier);
    // Une image que Qt ne sait pas lire ici (HEIC) est gardée aussi : la lecture la dira
    // illisible, au lieu de la laisser de côté sans un mot.
    const QMimeDatabase types;
    for (const QFileInfo &fichier : repertoire.entryInfoList(QDir::Files, QDir::NoSort))
        if (lisibles.contains(fichier.suffix().toLower()) ||
            types.mimeTypeForFile(fichier, QMimeDatabase::MatchExtension)
                .name()
                .startsWith(QLatin1String("image/")))
            images.append(fichier.absoluteFilePath());
    std::sort(images.begin(), images.end(), OrdreNaturel());
    return images;
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
