#include "Series.h"

#include <QCoreApplication>

namespace kalvoro {

const std::array<Serie, NombreSeries> &Series()
{
    static const std::array<Serie, NombreSeries> series{{
        {1, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Animaux")), "animaux"},
        {2, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Cinéma")), "cinema"},
        {3, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Disney")), "disney"},
        {4, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Formes")), "formes"},
        {5, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Smileys")), "smileys"},
        {6, QString::fromUtf8(QT_TRANSLATE_NOOP("Serie", "Toons")), "toons"},
    }};
    return series;
}

QString NomAffiche(const Serie &serie)
{
    return Serie::tr(serie.Nom.toUtf8().constData());
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

QString CleSerieJoueur(const QString &id)
{
    return QStringLiteral("serie:") + id;
}

QString IdDeCleSerie(const QString &cle)
{
    const QString prefixe = QStringLiteral("serie:");
    return cle.startsWith(prefixe) ? cle.mid(prefixe.size()) : QString();
}

QString TableDeLaSerie(int numeroChoisi, const QString &texteMontre)
{
    const Serie *serie = SerieNumero(numeroChoisi);
    return serie ? serie->Nom : texteMontre;
}

} // namespace kalvoro
