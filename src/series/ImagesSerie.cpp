#include "ImagesSerie.h"
#include "JpegEntier.h"
#include "NomsSerie.h"
#include "SvgAutonome.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSemaphore>
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

// Les bornes de la lecture d'un fichier venu d'ailleurs. Une photo de 48 mégapixels pèse une
// vingtaine de mégaoctets ; un SVG est lu en entier pour être vérifié ; une image gardée d'une
// série (192 pixels de côté, en PNG) pèse moins de 150 Kio.
constexpr qint64 Mio = 1024 * 1024;
constexpr qint64 TailleMaximalePhoto = 64 * Mio;
constexpr qint64 TailleMaximaleSvg = 4 * Mio;
constexpr qint64 TailleMaximaleGardee = 4 * Mio;
// La mémoire que les décodages en cours peuvent prendre ensemble, quel que soit le nombre de
// fils : une image qui demande plus est refusée, les autres attendent leur tour.
constexpr int BudgetDecodageMio = 128;

QSemaphore &BudgetDecodage()
{
    static QSemaphore budget(BudgetDecodageMio);
    return budget;
}

// Une part du budget, rendue à la fin du décodage.
class PartDuBudget {
public:
    explicit PartDuBudget(int mio) : parts(mio) { BudgetDecodage().acquire(parts); }
    ~PartDuBudget() { BudgetDecodage().release(parts); }
    PartDuBudget(const PartDuBudget &) = delete;
    PartDuBudget &operator=(const PartDuBudget &) = delete;

private:
    int parts;
};

// Un format vectoriel se dessine à la taille voulue, même plus grande que la sienne.
bool Vectoriel(const QByteArray &format)
{
    return format == "svg" || format == "svgz";
}

// Les formats que leur décodeur sait vraiment produire réduits (libjpeg, par facteurs de
// deux) ; les autres (PNG, TIFF, GIF, BMP, WebP) acceptent la taille demandée mais décodent
// l'image entière avant de la réduire.
bool DecodageReduit(const QByteArray &format)
{
    return format == "jpeg" || format == "jpg";
}

// Ce que le décodage va allouer, en Mio : l'image à la taille où le décodeur la produit (le
// JPEG réduit par des facteurs de deux, jusqu'à deux fois la taille demandée de chaque côté ;
// entière pour un format qui ne sait pas réduire), plus sa conversion en 32 bits pour le carré.
qint64 MioDuDecodage(const QImageReader &lecteur, QSize produite)
{
    const QImage::Format format = lecteur.imageFormat();
    const qint64 parPixel =
        format == QImage::Format_Invalid
            ? 8
            : std::max<qint64>(4, QImage::toPixelFormat(format).bitsPerPixel() / 8);
    const qint64 octets = qint64(produite.width()) * produite.height() * (parPixel + 4);
    return (octets + Mio - 1) / Mio + 1;
}

// L'image entière réduite, son petit côté à CoteImageSerie : de quoi prendre le carré où le
// joueur le voudra, sans garder la photo. Un seul format de pixels, pour que l'apparence d'une
// même image ne dépende pas du format de son fichier.
// Un panorama n'en garde que le milieu, quatre fois plus long que haut : la mémoire d'une
// image gardée pendant la composition reste bornée.
QImage Reduite(const QImage &decodee)
{
    constexpr int Allongement = 4;
    const int petit = std::min(decodee.width(), decodee.height());
    QImage image = decodee;
    if (decodee.width() > Allongement * petit)
        image = decodee.copy((decodee.width() - Allongement * petit) / 2, 0, Allongement * petit,
                             petit);
    else if (decodee.height() > Allongement * petit)
        image = decodee.copy(0, (decodee.height() - Allongement * petit) / 2, petit,
                             Allongement * petit);
    const QSize taille = TailleDecodee(image.size());
    const QImage reduite = taille == image.size() ? image
                                                  : image.scaled(taille, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation);
    return reduite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Un JPEG coupé en chemin n'est pas une image à garder, même si libjpeg en tire le haut. Le
// fichier est parcouru en projection : rien n'en est copié en mémoire.
bool JpegCoupe(QFile &fichier)
{
    if (!EstJpeg(fichier.peek(3)))
        return false;
    // Un disque qui refuse la projection (certains montages réseau) laisse le décodeur juger.
    uchar *octets = fichier.map(0, fichier.size());
    const bool coupe = octets && !JpegEntier(QByteArray::fromRawData(
                                     reinterpret_cast<const char *>(octets), fichier.size()));
    if (octets)
        fichier.unmap(octets);
    return coupe;
}

// La taille où le décodeur produira l'image : réduite si son format le sait (et la demande
// alors), entière sinon.
QSize TailleProduite(QImageReader &lecteur, QSize taille)
{
    const bool vectoriel = Vectoriel(lecteur.format());
    if (std::min(taille.width(), taille.height()) <= CoteImageSerie && !vectoriel)
        return taille;
    const QSize demandee = TailleDecodee(taille);
    if (!vectoriel && !DecodageReduit(lecteur.format()))
        return taille;
    lecteur.setScaledSize(demandee);
    return vectoriel ? demandee : demandee * 2;
}

// Décode l'image du lecteur dans sa part du budget, puis en fait le carré.
std::pair<QImage, Refus> Decoder(QImageReader &lecteur)
{
    const QSize taille = lecteur.size();
    if (taille.isEmpty())
        return {{}, Refus::Illisible};
    const qint64 mio = MioDuDecodage(lecteur, TailleProduite(lecteur, taille));
    if (mio > BudgetDecodageMio)
        return {{}, Refus::TropGrande};
    const PartDuBudget part(static_cast<int>(mio));
    // Un en-tête qui mentirait ne ferait pas allouer plus que la part décidée.
    lecteur.setAllocationLimit(static_cast<int>(mio));
    const QImage image = lecteur.read();
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return {{}, Refus::Illisible};
    return {Reduite(image), Refus::Aucun};
}

// Lit le SVG en entier pour le vérifier ; le décodage se fera sur ces mêmes octets.
Refus VerifierSvg(QFile &fichier, QByteArray &svg)
{
    if (fichier.size() > TailleMaximaleSvg)
        return Refus::TropGros;
    if (!fichier.seek(0))
        return Refus::Illisible;
    svg = fichier.readAll();
    return SvgAutonome(svg) ? Refus::Aucun : Refus::RenvoiExterne;
}

} // namespace

ImageLue LireImage(const QString &chemin)
{
    ImageLue lue{chemin, NomDepuisFichier(chemin), {}, {}, Refus::Aucun};
    const FichierOuvert ouvert = OuvrirFichierOrdinaire(chemin, TailleMaximalePhoto, Liens::Suivis);
    if (!ouvert.fichier) {
        lue.refus = ouvert.refus;
        return lue;
    }
    QFile &fichier = *ouvert.fichier;
    if (JpegCoupe(fichier)) {
        lue.refus = Refus::Illisible;
        return lue;
    }
    QByteArray svg;
    QBuffer tampon(&svg);
    QImageReader lecteur(&fichier);
    if (Vectoriel(lecteur.format())) {
        if ((lue.refus = VerifierSvg(fichier, svg)) != Refus::Aucun)
            return lue;
        tampon.open(QIODevice::ReadOnly);
        lecteur.setDevice(&tampon);
    }
    lecteur.setAutoTransform(true);
    const auto [entiere, refus] = Decoder(lecteur);
    lue.refus = refus;
    if (!entiere.isNull()) {
        lue.entiere = entiere;
        lue.carre = CarreParDefaut(entiere);
        lue.image = CarreDe(entiere, lue.carre);
        lue.apparence = ApparenceDe(lue.image);
    }
    return lue;
}

int JeuDuCarre(const QImage &entiere)
{
    return std::abs(entiere.width() - entiere.height());
}

int CarreParDefaut(const QImage &entiere)
{
    const int jeu = JeuDuCarre(entiere);
    if (entiere.height() <= entiere.width())
        return jeu / 2;
    const int cote = entiere.width();
    return std::clamp(entiere.height() / 3 - cote / 2, 0, jeu);
}

QImage CarreDe(const QImage &entiere, int decalage)
{
    const int cote = std::min(entiere.width(), entiere.height());
    const int d = std::clamp(decalage, 0, JeuDuCarre(entiere));
    const bool enHauteur = entiere.height() > entiere.width();
    // Une image déjà carrée est son propre carré : ses pixels sont partagés, pas copiés.
    const QImage carre = entiere.width() == entiere.height()
                             ? entiere
                             : entiere.copy(enHauteur ? 0 : d, enHauteur ? d : 0, cote, cote);
    return cote == CoteImageSerie ? carre
                                  : carre.scaled(CoteImageSerie, CoteImageSerie,
                                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage LireImageGardee(const QString &chemin)
{
    const FichierOuvert ouvert =
        OuvrirFichierOrdinaire(chemin, TailleMaximaleGardee, Liens::Refuses);
    if (!ouvert.fichier)
        return {};
    QImageReader lecteur(ouvert.fichier.get(), "png");
    // Une image gardée a CoteImageSerie pixels de côté (192 avant les tailles du plateau) : une
    // autre n'est pas la nôtre.
    const QSize taille = lecteur.size();
    if (taille != QSize(CoteImageSerie, CoteImageSerie) &&
        taille != QSize(CoteImageSerieAvantTailles, CoteImageSerieAvantTailles))
        return {};
    return lecteur.read();
}

QString NomDepuisFichier(const QString &chemin)
{
    QString nom = QFileInfo(chemin).completeBaseName();
    nom.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
    return NomNettoye(nom, LongueurNomImage);
}

} // namespace kalvoro
