#pragma once
#include "MagasinScores.h"

#include <QDateTime>
#include <QIcon>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace kalvoro {

// Ouvre le magasin des scores sur ce fichier ; lève ErreurScores s'il ne s'ouvre pas.
using FabriqueMagasin = std::function<std::unique_ptr<MagasinScores>(const QString &chemin)>;

// D'où Jeu tire ce qu'il lit du système au démarrage : le dossier du programme (terminé par
// "/"), la date de l'exécutable et le Scores.dat à ouvrir (vide : celui du dossier). Le
// programme prend les vrais ; les tests les choisissent.
struct OriginesJeu {
    QString dossier;
    std::function<std::optional<QDateTime>()> dateExecutable;
    QString scores = {};
    // Non vide : la copie de Scores.dat chez le joueur a échoué, et voici pourquoi.
    QString echecScores = {};
    // Le dossier des séries du joueur ; vide : aucune série du joueur (les tests sans disque).
    QString dossierSeries = {};
    // Le fichier où le jeu retient les choix du joueur d'un lancement à l'autre (la taille du
    // plateau) ; vide : rien n'est retenu.
    QString reglages = {};
    static OriginesJeu DuProgramme();
};

// Le magasin ouvert pour toute la durée du programme. Un fichier occupé propose Réessayer ;
// tout autre échec est signalé comme fatal au-dessus de `fenetre`, et rend nullptr.
std::unique_ptr<MagasinScores> OuvrirMagasin(QWidget *fenetre, const OriginesJeu &origines,
                                             const FabriqueMagasin &fabrique);

// La date de l'exécutable, telle que l'affiche la fenêtre À propos ; rien (après l'avoir signalé
// comme fatal) si elle ne peut pas être lue.
std::optional<QString> LireDateProgramme(QWidget *fenetre, const OriginesJeu &origines);

// L'icône d'une image PNG des ressources (":/images/icone.png"), avec son @2x sur un écran
// dense, comme QIcon(chemin), mais lue en PNG seulement : QIcon(chemin) demande d'abord à chaque
// greffon d'images de Qt (WebP, TIFF, SVG, GIF…) s'il lit ce fichier, et les charge donc tous,
// avec leurs bibliothèques ; ils ne servent qu'aux photos du joueur. `desactiveeEnCouleurs` :
// l'icône désactivée garde ses couleurs au lieu d'être grisée.
QIcon IconePng(const QString &chemin, bool desactiveeEnCouleurs = false);
// Une image PNG lue de même, sans essayer aucun greffon.
QImage LireImagePng(const QString &chemin);

} // namespace kalvoro
