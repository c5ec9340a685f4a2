#include "DescriptionSerie.h"
#include "NomsSerie.h"
#include "NouvelleSerie.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace kalvoro {

namespace {

constexpr int VersionDescription = 1;
// Bien au-delà d'une série de MaximumImagesSerie images aux noms les plus longs : un fichier
// plus gros n'est pas le nôtre.
constexpr qint64 TailleMaximale = 1024 * 1024;

bool FichierImageValide(const QString &fichier)
{
    // Seuls nos noms sont acceptés : un fichier retouché ne fait pas lire hors du dossier.
    static const QRegularExpression forme(QStringLiteral("^[0-9]{2,}\\.png$"));
    return forme.match(fichier).hasMatch();
}

// Ce qui vient du disque est borné et nettoyé comme un nom que le joueur tape : un fichier
// retouché ne fait ni lire hors du dossier, ni montrer un texte sans fin ou qui se renverse.
std::optional<DescriptionSerie> DepuisJson(const QJsonObject &objet)
{
    DescriptionSerie description{
        NomNettoye(objet.value(QLatin1String("nom")).toString(), LongueurNomSerie), {}, {}};
    const QJsonArray images = objet.value(QLatin1String("images")).toArray();
    if (objet.value(QLatin1String("version")).toInt() != VersionDescription ||
        description.nom.isEmpty() || images.size() > MaximumImagesSerie)
        return std::nullopt;
    QSet<QString> vus;
    for (const QJsonValue &valeur : images) {
        const QJsonObject image = valeur.toObject();
        const QString fichier = image.value(QLatin1String("fichier")).toString();
        if (!FichierImageValide(fichier) || vus.contains(fichier))
            return std::nullopt;
        vus.insert(fichier);
        description.fichiers.append(fichier);
        description.noms.append(
            NomNettoye(image.value(QLatin1String("nom")).toString(), LongueurNomImage));
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
