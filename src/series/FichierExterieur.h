#pragma once
// Les fichiers qui viennent d'ailleurs (les photos d'un dossier, les images d'une série gardée
// sur le disque) sont hostiles : un tube bloquerait la lecture, un lien mènerait hors du
// dossier, un fichier immense épuiserait la mémoire. Chacun s'ouvre ici une fois, puis se lit
// par ce même descripteur : ce qui a été vérifié est bien ce qui est lu.
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <memory>

namespace kalvoro {

// Pourquoi un fichier n'a pas donné d'image ; Aucun quand il en a donné une.
enum class Refus {
    Aucun,
    Introuvable,
    PasUnFichier, // un dossier, un tube, un périphérique, ou un lien là où il n'en faut pas
    AccesRefuse,
    TropGros,      // le fichier lui-même
    Illisible,     // pas une image que Kalvoro sait lire, ou abîmée
    TropGrande,    // l'image déclare plus de pixels que la mémoire ne le permet
    RenvoiExterne, // une image SVG qui ferait lire d'autres fichiers
};

enum class Liens { Suivis, Refuses };

// Le fichier ouvert en lecture, ou nul avec la raison du refus.
struct FichierOuvert {
    std::unique_ptr<QFile> fichier;
    Refus refus = Refus::Aucun;
};

// Ouvre un fichier ordinaire d'au plus `tailleMaximale` octets, sans jamais attendre (un tube
// est refusé, pas lu) ; avec Liens::Refuses, un lien symbolique est refusé au lieu d'être suivi.
FichierOuvert OuvrirFichierOrdinaire(const QString &chemin, qint64 tailleMaximale, Liens liens);

// La raison d'un refus, telle que le joueur la lit après le nom du fichier.
QString TexteRefus(Refus refus);

} // namespace kalvoro
