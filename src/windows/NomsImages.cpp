#include "NomsImages.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace kalvoro {

namespace {

// Une ligne par face : dossier, numéro sur deux chiffres, source de l'image, nom.
QHash<QString, QString> LireNoms()
{
    QHash<QString, QString> noms;
    QFile fichier(QStringLiteral(":/images/noms.tsv"));
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return noms;
    const QStringList lignes = QString::fromUtf8(fichier.readAll()).split(QLatin1Char('\n'));
    for (const QString &ligne : lignes) {
        const QStringList champs = ligne.split(QLatin1Char('\t'));
        if (ligne.startsWith(QLatin1Char('#')) || champs.size() < 4)
            continue;
        noms.insert(champs[0] + QLatin1Char('/') + champs[1], champs[3].trimmed());
    }
    return noms;
}

} // namespace

QString NomImage(const QString &dossier, int face)
{
    static const QHash<QString, QString> noms = LireNoms();
    return noms.value(dossier + QLatin1Char('/') +
                      QStringLiteral("%1").arg(face, 2, 10, QLatin1Char('0')));
}

} // namespace kalvoro
