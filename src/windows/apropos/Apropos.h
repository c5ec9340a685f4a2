#pragma once
#include "InfosVersion.h"

#include <QDialog>
#include <QRect>
#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace kalvoro {

class OuvreurBureau;

// La fenêtre À propos : nom, version et date du programme, fiche de version, historique,
// assistance technique, et les documents et liens de l'association Gelvo. Le jeu la crée à
// chaque ouverture et l'ouvre avec exec() ; elle ne garde rien d'une visite à l'autre.
class Apropos : public QDialog {
    Q_OBJECT
public:
    // numeroVersion : "1.7" ; dateProgramme : "16/04/2000 à 13:47" (textes préparés par Jeu).
    Apropos(const QString &numeroVersion, const QString &dateProgramme, QWidget *parent = nullptr);
    // La même fenêtre avec une autre fiche de version et un autre bureau.
    Apropos(const QString &numeroVersion, const QString &dateProgramme, const InfosVersion &infos,
            OuvreurBureau &ouvreur, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *evenement) override;

private slots:
    void Quitter_Click();

private:
    void Form_Load();
    void OuvrirDocument(const QString &nom);

    void ChargerImages();
    void NommerPourLecteurs();
    void ConstruireOnglet();
    void ConstruirePresentation();
    void ConstruireTitre(QWidget *page);
    void ConstruireInfosTechniques();
    void ConstruireHistorique();
    void ConstruireAssistance();
    void ConstruireGelvo();
    QWidget *NouvellePage(const QString &legende);
    QLabel *NouvelleLigneInfo(QWidget *panneau, const char *nom, int haut, int hauteur);
    QPlainTextEdit *NouveauTexte(QWidget *page, const char *nom, const QRect &surOnglet);
    QPushButton *NouveauBouton(QWidget *page, const char *nom, const QString &legende,
                               const QString &document, const QRect &surOnglet);
    QPushButton *NouveauLien(QWidget *page, const char *nom, const QString &legende,
                             const QString &adresse, const QRect &surOnglet);

    // Les contrôles posés sur un onglet ont leur position relative à Onglet tout entier,
    // bande des onglets comprise : elle n'est ramenée à la page qu'une fois Onglet disposé.
    void Placer(QWidget *controle, const QRect &surOnglet);
    void PlacerSurLesPages();

    const QString NumeroVersion;
    const QString DateProgramme;
    const InfosVersion Infos;
    OuvreurBureau &Ouvreur;
    std::vector<std::pair<QWidget *, QRect>> Placements;

    QTabWidget *Onglet = nullptr;
    QFrame *Panel3D1 = nullptr;
    QLabel *Titre = nullptr;
    QLabel *SousTitre = nullptr;
    QFrame *Panel3D3 = nullptr;
    QLabel *Dessin4 = nullptr;
    QPushButton *Quitter = nullptr;
    QFrame *SupportInfos = nullptr;
    QLabel *Description = nullptr;
    QLabel *NomApplication = nullptr;
    QLabel *Version = nullptr;
    QLabel *Commentaires = nullptr;
    QLabel *TradeMarks = nullptr;
    QLabel *Copyright = nullptr;
    QLabel *Company = nullptr;
    QPlainTextEdit *Afficheur = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QLabel *Picture1 = nullptr;
};

} // namespace kalvoro
