#include "Caracteres.h"

#include <QTextBoundaryFinder>

namespace kalvoro {

QStringList Grappes(const QString &texte)
{
    QStringList grappes;
    QTextBoundaryFinder bornes(QTextBoundaryFinder::Grapheme, texte);
    qsizetype debut = 0;
    while (bornes.toNextBoundary() > 0) {
        grappes << texte.mid(debut, bornes.position() - debut);
        debut = bornes.position();
    }
    return grappes;
}

int NombreDeCaracteres(const QString &texte)
{
    return int(Grappes(texte).size());
}

QString FormeEcrite(const QString &texte)
{
    return texte.normalized(QString::NormalizationForm_C);
}

bool TientDans(const QString &texte, int limite)
{
    return NombreDeCaracteres(texte) <= limite && FormeEcrite(texte).toUcs4().size() <= limite;
}

} // namespace kalvoro
