#pragma once
#include <QCoreApplication>
#include <QString>
#include <functional>

namespace kalvoro {

// Ce que le programme voit de l'endroit où il tourne. Les dossiers se terminent par "/".
struct Environnement {
    QString dossierExecutable;
    // Du dossier de l'exécutable installé vers ses fichiers : "../share/kalvoro" d'ordinaire.
    QString partageRelatif;
    // Le dossier de données du joueur, où va sa copie de Scores.dat.
    QString dossierDonnees;
    // Le joueur peut-il écrire dans ce dossier ?
    std::function<bool(const QString &dossier)> ecrivable;
};

// Où le programme prend ses fichiers.
struct Emplacements {
    // L'aide et les documents, en lecture seule ; terminé par "/".
    QString dossierFichiers;
    // Le Scores.dat que le programme ouvre.
    QString scores;
    // Le Scores.dat livré à recopier d'abord vers scores ; vide quand scores s'ouvre en place.
    QString scoresLivres;
    // Le dossier portable dont les scores vont dans la copie du joueur ; vide sinon.
    QString dossierRepris;

    // Le contexte de traduction des textes qui la concernent ; le dernier : il finit en private.
    Q_DECLARE_TR_FUNCTIONS(Emplacements)
};

// Un dossier qui contient ses fichiers (le dossier de construction, une copie, une installation
// portable) sert tel quel, Scores.dat compris, si le joueur peut y écrire. Installé, le programme
// lit ses fichiers dans share/kalvoro et ouvre la copie de Scores.dat propre au joueur ; de même
// pour un dossier portable où il ne peut écrire : un dossier du système n'est jamais écrit.
// Un dossier portable dont les scores sont passés dans la copie du joueur l'y laisse, même quand
// le joueur peut y écrire plus tard : ses scores ne disparaissent pas.
Emplacements ResoudreEmplacements(const Environnement &environnement);

// Contrôle la copie provisoire par le moteur, qui annule au passage l'inscription inachevée d'un
// journal recopié à côté d'elle. Rend la cause d'un échec en français, vide si la copie est bonne.
using ControleCopie = std::function<QString(const QString &copie)>;

// Ce qu'a donné la préparation des scores du joueur : la cause d'un échec, qui empêche de jouer,
// et un avis à lui montrer quand tout va bien mais qu'il doit savoir quelque chose (un journal
// orphelin mis de côté, une note qui n'a pu être écrite). Vides si rien n'est à dire.
struct PreparationScores {
    QString echec;
    QString avis;
};

// Recopie le Scores.dat livré chez le joueur s'il n'y a pas encore le sien : avec son journal
// s'il en a un (une inscription interrompue), sous un nom provisoire, relu, contrôlé puis
// renommé sans jamais écraser un fichier déjà là. Retire d'abord les copies provisoires qu'un
// lancement tué a laissées.
PreparationScores PreparerScoresJoueur(const Emplacements &emplacements,
                                       const ControleCopie &controler);

// Le dossier de données du joueur (~/.local/share, ou XDG_DATA_HOME s'il est absolu).
QString DossierDonneesJoueur();

// Les emplacements du programme en cours, résolus une seule fois. Utilisables avant
// QApplication et depuis un autre fil.
const Emplacements &EmplacementsDuProgramme();

} // namespace kalvoro
