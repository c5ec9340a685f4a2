#pragma once
// serie.json, la description d'une série du joueur : son nom et, pour chaque image, son
// fichier et son nom. {"version":1,"nom":"…","images":[{"fichier":"01.png","nom":"…"},…]}
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kalvoro {

struct DescriptionSerie {
    QString nom;
    QStringList fichiers; // noms de fichiers choisis par le programme, sans dossier
    QStringList noms;
};

inline constexpr auto FichierDescription = "serie.json";

// Le nom du fichier de la k-ième image (à partir de 0) : 01.png, 02.png…
QString FichierImage(int index);

// La description lue, ou rien si le fichier manque, ne se lit pas ou sort de la forme
// attendue (un nom de fichier d'image qui ne serait pas l'un des nôtres, par exemple).
std::optional<DescriptionSerie> LireDescription(const QString &chemin);

QByteArray EnJson(const DescriptionSerie &description);

} // namespace kalvoro
