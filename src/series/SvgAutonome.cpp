#include "SvgAutonome.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace kalvoro {

namespace {

// Une image matricielle se décode sans rien charger d'autre ; un SVG dans un « data: » serait
// lu à son tour par le moteur SVG, avec ses propres renvois : il est refusé.
bool RenvoiPermis(QStringView valeur)
{
    const QStringView renvoi = valeur.trimmed();
    if (renvoi.startsWith(QLatin1Char('#')))
        return true;
    return renvoi.startsWith(QLatin1String("data:image/"), Qt::CaseInsensitive) &&
           !renvoi.startsWith(QLatin1String("data:image/svg"), Qt::CaseInsensitive);
}

// Les renvois d'une feuille de style : url(…) et @import.
bool StylePermis(QStringView style)
{
    static const QRegularExpression url(QStringLiteral("url\\s*\\(\\s*['\"]?([^)'\"]*)"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (style.contains(QLatin1String("@import"), Qt::CaseInsensitive))
        return false;
    // Une copie : la recherche sur une vue n'a pas le même nom selon les versions de Qt.
    const QString texte = style.toString();
    auto trouves = url.globalMatch(texte);
    while (trouves.hasNext())
        if (!RenvoiPermis(trouves.next().capturedView(1)))
            return false;
    return true;
}

bool ElementPermis(const QXmlStreamReader &lecteur)
{
    for (const QXmlStreamAttribute &attribut : lecteur.attributes()) {
        if (attribut.name() == QLatin1String("href") && !RenvoiPermis(attribut.value()))
            return false;
        if (!StylePermis(attribut.value()))
            return false;
    }
    return true;
}

} // namespace

bool SvgAutonome(const QByteArray &svg)
{
    QXmlStreamReader lecteur(svg);
    while (!lecteur.atEnd()) {
        switch (lecteur.readNext()) {
        case QXmlStreamReader::DTD:
            if (!lecteur.entityDeclarations().isEmpty())
                return false;
            break;
        case QXmlStreamReader::StartElement:
            if (!ElementPermis(lecteur))
                return false;
            break;
        case QXmlStreamReader::Characters:
            if (!StylePermis(lecteur.text()))
                return false;
            break;
        case QXmlStreamReader::EntityReference:
        case QXmlStreamReader::ProcessingInstruction:
            return false;
        default:
            break;
        }
    }
    return !lecteur.hasError();
}

} // namespace kalvoro
