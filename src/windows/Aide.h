#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>

class QTextBrowser;

namespace kalvoro {

// La visionneuse de l'aide : le document HTML Kalvoro.hlp, ouvert à son sommaire. Un fichier
// absent ou illisible est dit dans la visionneuse elle-même ; le jeu continue.
class VisionneuseAide : public QDialog {
    Q_OBJECT
public:
    VisionneuseAide(const QString &fichier, QWidget *parent);
    void AllerAuSommaire();
    QTextBrowser *Texte() const { return texte; }

private:
    QTextBrowser *texte;
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

    QWidget *fenetrePrincipale;
    QString fichier;
    QPointer<VisionneuseAide> visionneuse;
};

} // namespace kalvoro
