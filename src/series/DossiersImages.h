#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace kalvoro {

// Jusqu'où descendre sous un dossier choisi (« Photos/2024/été/plage » : trois niveaux), et
// combien de dossiers et d'images y prendre au plus : un dossier de toute une vie de photos
// n'est pas parcouru en entier, une série n'en garde que quelques centaines.
inline constexpr int ProfondeurDossiers = 4;
inline constexpr int DossiersParcourusMaximum = 500;
inline constexpr int ImagesDossierMaximum = 4000;

// Les fichiers d'images d'un dossier et de ses sous-dossiers : ceux du dossier d'abord, puis
// ceux de chaque sous-dossier, tous dans l'ordre naturel des noms. Un dossier caché (les
// vignettes d'un gestionnaire de fichiers) n'est pas lu, ni un lien vers un dossier, qui
// mènerait hors du dossier choisi ou en boucle.
QStringList ImagesDuDossier(const QString &dossier);

// D'où viennent ces images : chaque dossier, relatif à `racine` (ou son seul nom sans racine),
// avec son nombre d'images, dans l'ordre de leur première image.
QList<std::pair<QString, int>> ImagesParDossier(const QStringList &images, const QString &racine);

// Les filtres du dialogue d'ouverture : les formats que Qt sait lire ici ("*.jpg *.png …").
QStringList FiltresImages();

} // namespace kalvoro
