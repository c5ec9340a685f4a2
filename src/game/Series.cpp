#include "Series.h"

#include "DimensionsPlateau.h"
#include "TirageSerie.h"

#include <QCoreApplication>

namespace kalvoro {

namespace {

const QString PrefixePalmares = QStringLiteral("serie:");
// Entre le palmarès d'une série et la taille du plateau ; ni un nom des six ni un identifiant de
// dossier n'en ont.
const QChar SeparateurTaille = QLatin1Char('@');

// Les faces des six sont dessinées à 32 points ; une photo du joueur en demande 48 pour rester
// reconnaissable.
constexpr int CoteFaceClassique = 32;
constexpr int CoteFaceJoueur = 48;

} // namespace

const std::array<Serie, NombreSeries> &Series()
{
    static const std::array<Serie, NombreSeries> series{{
        {1, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Animaux")), "animaux", {}, {}, {}},
        {2, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Cinéma")), "cinema", {}, {}, {}},
        {3, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Disney")), "disney", {}, {}, {}},
        {4, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Formes")), "formes", {}, {}, {}},
        {5, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Smileys")), "smileys", {}, {}, {}},
        {6, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Toons")), "toons", {}, {}, {}},
    }};
    return series;
}

Serie Serie::DuJoueur(QString id, QString nom, QStringList images, QStringList nomsImages)
{
    return {0, std::move(nom), nullptr, std::move(id), std::move(images), std::move(nomsImages)};
}

QString Serie::NomAffiche() const
{
    return EstDuJoueur() ? Nom : tr(Nom.toUtf8().constData());
}

QString Serie::Palmares() const
{
    const QString classique = EstDuJoueur() ? PalmaresSerieJoueur(Id) : Nom;
    return Taille == TailleClassique ? classique : classique + SeparateurTaille + Taille.Code();
}

Serie Serie::ATaille(TaillePlateau taille) const
{
    Serie autre = *this;
    autre.Taille = taille;
    return autre;
}

namespace {

QString CheminFaceClassique(const char *dossier, int face)
{
    return QStringLiteral(":/images/%1/%2.png")
        .arg(QString::fromUtf8(dossier))
        .arg(face, 2, 10, QLatin1Char('0'));
}

} // namespace

std::optional<Serie::Face> Serie::FaceNumero(int face) const
{
    if (face < 1 || face > Taille.Paires())
        return std::nullopt;
    if (!Images.isEmpty()) {
        if (face > Images.size())
            return std::nullopt;
        return Face{Images[face - 1], NomsImages.value(face - 1)};
    }
    if (EstDuJoueur() || !Dossier)
        return std::nullopt;
    return Face{CheminFaceClassique(Dossier, face), {}};
}

int Serie::NombreImages() const
{
    return EstDuJoueur() ? static_cast<int>(Images.size()) : NombrePaires;
}

int Serie::CoteFace() const
{
    return EstDuJoueur() ? CoteFaceJoueur : CoteFaceClassique;
}

Serie Serie::Tirage(const std::function<float()> &source, TaillePlateau taille) const
{
    if (!EstDuJoueur() && taille == TailleClassique)
        return ATaille(taille);
    QStringList toutes = Images;
    if (!EstDuJoueur() && Dossier)
        for (int face = 1; face <= NombrePaires; ++face)
            toutes << CheminFaceClassique(Dossier, face);
    Serie partie = ATaille(taille);
    partie.Images.clear();
    partie.NomsImages.clear();
    for (int index : TirerImages(static_cast<int>(toutes.size()), source, taille.Paires())) {
        partie.Images << toutes[index];
        partie.NomsImages << NomsImages.value(index);
    }
    return partie;
}

QString NomAffiche(const Serie &serie)
{
    return serie.NomAffiche();
}

const Serie *SerieNumero(int numero)
{
    if (numero < 1 || numero > NombreSeries)
        return nullptr;
    return &Series()[static_cast<std::size_t>(numero - 1)];
}

const Serie *SerieNommee(const QString &nom)
{
    for (const Serie &serie : Series())
        if (serie.Nom == nom)
            return &serie;
    return nullptr;
}

QString PalmaresSerieJoueur(const QString &id)
{
    return PrefixePalmares + id;
}

PalmaresDecompose DecomposerPalmares(const QString &palmares)
{
    const qsizetype separateur = palmares.lastIndexOf(SeparateurTaille);
    if (separateur >= 0)
        if (const TaillePlateau *taille = TaillePlateau::DuCode(palmares.mid(separateur + 1)))
            return {palmares.left(separateur), *taille};
    return {palmares, TailleClassique};
}

QString IdDuPalmares(const QString &palmares)
{
    const QString serie = DecomposerPalmares(palmares).serie;
    return serie.startsWith(PrefixePalmares) ? serie.mid(PrefixePalmares.size()) : QString();
}

const Serie *SerieDeLEntree(int numero, const QList<Serie> &duJoueur)
{
    if (const Serie *classique = SerieNumero(numero))
        return classique;
    const qsizetype k = numero - NombreSeries - 1;
    return k >= 0 && k < duJoueur.size() ? &duJoueur[k] : nullptr;
}

int NumeroDEntree(const QString &palmares, const QList<Serie> &duJoueur)
{
    if (const Serie *classique = SerieNommee(palmares))
        return classique->Numero;
    for (qsizetype k = 0; k < duJoueur.size(); ++k)
        if (duJoueur[k].Palmares() == palmares)
            return NombreSeries + 1 + static_cast<int>(k);
    return 0;
}

} // namespace kalvoro
