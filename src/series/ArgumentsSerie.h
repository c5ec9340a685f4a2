#pragma once
#include <QString>
#include <QStringList>

namespace kalvoro {

// Ce que le gestionnaire de fichiers donne au programme (« Ouvrir avec Kalvoro ») : des
// dossiers d'images ou des images. De quoi préremplir la fenêtre qui fait une série.
struct ArgumentsSerie {
    // Les dossiers et les fichiers donnés, sans doublon : la fenêtre qui fait la série parcourt
    // les dossiers (voir ImagesDuDossier) sur les fils des séries.
    QStringList images;
    QString nom; // le nom du premier dossier, ou celui du dossier de la première image
    // Ce qui n'a pu être pris, chacun suivi de sa raison (« introuvable », « accès refusé »…).
    QStringList refuses;
};

// Lit les arguments de la ligne de commande (sans le nom du programme). Une adresse file://
// vaut son chemin.
ArgumentsSerie LireArgumentsSerie(const QStringList &arguments);

} // namespace kalvoro
