#include "DescriptionSerie.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace kalvoro {

namespace {

constexpr int VersionDescription = 1;
// Bien au-delà d'une série de mille images : un fichier plus gros n'est pas le nôtre.
constexpr qint64 TailleMaximale = 4 * 1024 * 1024;

bool FichierImageValide(const QString &fichier)
{
    // Seuls nos noms sont acceptés : un fichier retouché ne fait pas lire hors du dossier.
    static const QRegularExpression forme(QStringLiteral("^[0-9]{2,}\\.png$"));
    return forme.match(fichier).hasMatch();
}

std::optional<DescriptionSerie> DepuisJson(const QJsonObject &objet)
{
    DescriptionSerie description{objet.value(QLatin1String("nom")).toString(), {}, {}};
    if (objet.value(QLatin1String("version")).toInt() != VersionDescription ||
        description.nom.isEmpty())
        return std::nullopt;
    for (const QJsonValue &valeur : objet.value(QLatin1String("images")).toArray()) {
        const QJsonObject image = valeur.toObject();
        const QString fichier = image.value(QLatin1String("fichier")).toString();
        if (!FichierImageValide(fichier) || description.fichiers.contains(fichier))
            return std::nullopt;
        description.fichiers.append(fichier);
        description.noms.append(image.value(QLatin1String("nom")).toString());
    }
    return description;
}

} // namespace

QString FichierImage(int index)
{
    return QStringLiteral("%1.png").arg(index + 1, 2, 10, QLatin1Char('0'));
}

std::optional<DescriptionSerie> LireDescription(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly) || fichier.size() > TailleMaximale)
        return std::nullopt;
    QJsonParseError erreur{};
    const QJsonDocument document = QJsonDocument::fromJson(fichier.readAll(), &erreur);
    if (erreur.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return DepuisJson(document.object());
}

QByteArray EnJson(const DescriptionSerie &description)
{
    QJsonArray images;
    for (int i = 0; i < description.fichiers.size(); ++i)
        images.append(QJsonObject{{QStringLiteral("fichier"), description.fichiers.at(i)},
                                  {QStringLiteral("nom"), description.noms.value(i)}});
    const QJsonObject objet{{QStringLiteral("version"), VersionDescription},
                            {QStringLiteral("nom"), description.nom},
                            {QStringLiteral("images"), images}};
    return QJsonDocument(objet).toJson(QJsonDocument::Indented);
}

} // namespace kalvoro
