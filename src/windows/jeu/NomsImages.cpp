#include "NomsImages.h"

#include "Langue.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace kalvoro {

namespace {

// Une ligne par face : dossier, numéro sur deux chiffres, source de l'image, nom ; rangée sous
// le chemin de l'image dans les ressources.
QHash<QString, QString> LireNoms(const QString &chemin)
{
    QHash<QString, QString> noms;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return noms;
    const QStringList lignes = QString::fromUtf8(fichier.readAll()).split(QLatin1Char('\n'));
    for (const QString &ligne : lignes) {
        const QStringList champs = ligne.split(QLatin1Char('\t'));
        if (ligne.startsWith(QLatin1Char('#')) || champs.size() < 4)
            continue;
        noms.insert(QStringLiteral(":/images/%1/%2.png").arg(champs[0], champs[1]),
                    champs[3].trimmed());
    }
    return noms;
}

} // namespace

QString NomImage(const QString &image)
{
    // Une table par langue, lue une fois : le français d'origine, ou l'édition de la langue de
    // l'interface (une langue sans édition n'a pas de noms, la cellule dit alors « face visible »).
    static QHash<QString, QHash<QString, QString>> parLangue;
    const Langue &langue = LangueChoisie();
    auto table = parLangue.find(langue.Code);
    if (table == parLangue.end())
        table = parLangue.insert(
            langue.Code,
            LireNoms(langue.Francais() ? QStringLiteral(":/images/noms.tsv")
                                       : QStringLiteral(":/images/noms.%1.tsv").arg(langue.Code)));
    return table->value(image);
}

} // namespace kalvoro
