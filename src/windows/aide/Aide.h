#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>

#include "MorceauxAide.h"

class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace kalvoro {

// La visionneuse de l'aide : le document HTML Kalvoro.hlp, ouvert à son sommaire. Le document
// se lit section par section : la liste Sommaire en donne les titres (au clavier, une flèche
// passe de l'un à l'autre) et le texte ne montre que la section choisie, qu'un lecteur d'écran
// lit alors d'une traite. Fermer, Échap ou la case du cadre la ferment. Un fichier absent ou
// illisible est dit dans la visionneuse elle-même ; le jeu continue.
class VisionneuseAide : public QDialog {
    Q_OBJECT
public:
    VisionneuseAide(const QString &fichier, QWidget *parent);
    void AllerAuSommaire();
    QTextBrowser *Texte() const { return texte; }
    QListWidget *Sommaire() const { return sommaire; }

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void LireSection();
    void DireSectionChoisie();
    void CreerControles();
    void Montrer(int morceau);
    void SuivreRenvoi(const QUrl &renvoi);

    QListWidget *sommaire;
    QTextBrowser *texte;
    QPushButton *fermer;
    QList<MorceauAide> morceaux;
};

// L'aide du programme : F1, dans n'importe quelle fenêtre du programme, ouvre la visionneuse,
// à côté de la fenêtre qui l'a demandée quand l'écran a la place. Quand un dialogue modal est
// ouvert, la visionneuse lui appartient, sans quoi il la bloquerait (on ne pourrait même pas
// la faire défiler) ; sinon elle n'appartient à personne, pour passer sous le jeu qu'on clique.
class ServiceAide : public QObject {
    Q_OBJECT
public:
    explicit ServiceAide(QWidget *fenetrePrincipale);
    ~ServiceAide() override;

    void NommerFichier(const QString &chemin) { fichier = chemin; }
    const QString &Fichier() const { return fichier; }
    VisionneuseAide *Visionneuse() const { return visionneuse; }

public slots:
    void Ouvrir();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void PlacerAupresDe(const QWidget *demandeur);
    void RendreLaMain();

    QWidget *fenetrePrincipale;
    QPointer<QWidget> fenetreDemandeuse; // la fenêtre qui retrouve le clavier quand l'aide se ferme
    QString fichier;
    QPointer<VisionneuseAide> visionneuse;
};

} // namespace kalvoro
