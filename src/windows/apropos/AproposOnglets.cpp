// La construction des cinq onglets de la fenêtre À propos : chaque contrôle à sa place,
// avec sa police et ses couleurs.
#include "Apropos.h"

#include "AproposTextes.h"
#include "Couleurs.h"
#include "Polices.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace kalvoro {

namespace {

const QColor JaunePale(255, 255, 192);
const QColor Bleu(0, 0, 255);

void Colorer(QWidget *controle, QPalette::ColorRole role, const QColor &couleur)
{
    QPalette palette = controle->palette();
    palette.setColor(role, couleur);
    controle->setPalette(palette);
}

void Remplir(QWidget *controle, const QColor &fond)
{
    Colorer(controle, QPalette::Window, fond);
    controle->setAutoFillBackground(true);
}

QFrame *NouveauPanneau(QWidget *parent, const char *nom)
{
    auto *panneau = new QFrame(parent);
    panneau->setObjectName(QString::fromLatin1(nom));
    panneau->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panneau->setLineWidth(2);
    return panneau;
}

QLabel *NouvelleEtiquette(QWidget *parent, const char *nom, const QRect &geometrie)
{
    auto *etiquette = new QLabel(parent);
    etiquette->setObjectName(QString::fromLatin1(nom));
    etiquette->setGeometry(geometrie);
    return etiquette;
}

// Un seul taquet, juste après la plus large des rubriques des coordonnées : la tabulation de
// chaque rubrique mène à la même colonne, quelle que soit la police. Avec des taquets réguliers,
// une rubrique un peu plus courte que les autres s'arrêtait au taquet d'avant.
void AlignerCoordonnees(QPlainTextEdit *texte)
{
    const QFontMetrics mesures = texte->fontMetrics();
    int plusLarge = 0;
    for (const QString &rubrique : apropos::RubriquesCoordonnees())
        plusLarge = std::max(plusLarge, mesures.horizontalAdvance(rubrique));
    texte->setTabStopDistance(plusLarge + 2 * mesures.averageCharWidth());
}

} // namespace

void Apropos::ConstruireOnglet()
{
    Onglet = new QTabWidget(this);
    Onglet->setObjectName(QStringLiteral("Onglet"));
    Onglet->setGeometry(RectangleTwips(0, 0, 7485, 4095));
    // Les cinq onglets sur une seule rangée, sans flèches de défilement : si une police de
    // remplacement est plus large que prévu, les légendes s'abrègent plutôt que de déborder.
    Onglet->tabBar()->setUsesScrollButtons(false);
    Onglet->setElideMode(Qt::ElideRight);
    Onglet->tabBar()->setExpanding(true);
    ConstruirePresentation();
    ConstruireInfosTechniques();
    ConstruireHistorique();
    ConstruireAssistance();
    ConstruireGelvo();
}

QWidget *Apropos::NouvellePage(const QString &legende)
{
    auto *page = new QWidget;
    Onglet->addTab(page, legende);
    return page;
}

void Apropos::ConstruirePresentation()
{
    QWidget *page = NouvellePage(tr("Présentation"));
    ConstruireTitre(page);
    Panel3D3 = NouveauPanneau(page, "Panel3D3");
    Placer(Panel3D3, RectangleTwips(240, 2400, 1575, 1455));
    Dessin4 = NouvelleEtiquette(Panel3D3, "Dessin4", RectangleTwips(120, 120, 1335, 1245));
    Dessin4->setScaledContents(true);

    Quitter = new QPushButton(page);
    Quitter->setObjectName(QStringLiteral("Quitter"));
    Quitter->setIcon(QIcon(QStringLiteral(":/images/quitter.png")));
    Quitter->setIconSize(QSize(41, 41));
    Quitter->setToolTip(tr("Quitter cet écran"));
    Quitter->setAutoDefault(false);
    Placer(Quitter, RectangleTwips(6600, 3240, 735, 735));
    connect(Quitter, &QPushButton::clicked, this, &Apropos::Quitter_Click);
}

void Apropos::ConstruireTitre(QWidget *page)
{
    Panel3D1 = NouveauPanneau(page, "Panel3D1");
    Placer(Panel3D1, RectangleTwips(2040, 600, 5175, 1095));
    Titre = NouvelleEtiquette(Panel3D1, "Titre", RectangleTwips(120, 120, 4935, 495));
    Titre->setFont(Police(Arial, 18, true));
    Titre->setAlignment(Qt::AlignCenter);
    Titre->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Remplir(Titre, Titre->palette().color(QPalette::Button));
    Colorer(Titre, QPalette::WindowText, Qt::black);
    SousTitre = NouvelleEtiquette(Panel3D1, "SousTitre", RectangleTwips(120, 600, 4935, 255));
    SousTitre->setFont(Police(Arial, 9.75, true));
    SousTitre->setAlignment(Qt::AlignCenter);
    Remplir(SousTitre, GrisClair);
}

void Apropos::ConstruireInfosTechniques()
{
    QWidget *page = NouvellePage(tr("Infos techniques"));
    SupportInfos = NouveauPanneau(page, "SupportInfos");
    Placer(SupportInfos, RectangleTwips(240, 600, 6975, 3255));
    Remplir(SupportInfos, GrisClair);
    Description = NouvelleLigneInfo(SupportInfos, "Description", 120, 495);
    Description->setAlignment(Qt::AlignCenter);
    Description->setFont(Police(MsSansSerif, 12, true, true));
    NomApplication = NouvelleLigneInfo(SupportInfos, "NomApplication", 600, 375);
    Version = NouvelleLigneInfo(SupportInfos, "Version", 960, 375);
    Commentaires = NouvelleLigneInfo(SupportInfos, "Commentaires", 1320, 375);
    TradeMarks = NouvelleLigneInfo(SupportInfos, "TradeMarks", 1680, 375);
    Copyright = NouvelleLigneInfo(SupportInfos, "Copyright", 2040, 375);
    Company = NouvelleLigneInfo(SupportInfos, "Company", 2400, 375);
}

QLabel *Apropos::NouvelleLigneInfo(QWidget *panneau, const char *nom, int haut, int hauteur)
{
    QLabel *ligne = NouvelleEtiquette(panneau, nom, RectangleTwips(120, haut, 6735, hauteur));
    ligne->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Remplir(ligne, Qt::white);
    return ligne;
}

void Apropos::ConstruireHistorique()
{
    QWidget *page = NouvellePage(tr("Historique"));
    Afficheur = NouveauTexte(page, "Afficheur", RectangleTwips(240, 600, 6975, 3255));
    Afficheur->setPlainText(apropos::TexteHistorique(Infos.NomProduit));
}

void Apropos::ConstruireAssistance()
{
    QWidget *page = NouvellePage(tr("Assistance technique"));
    Text1 = NouveauTexte(page, "Text1", RectangleTwips(240, 600, 6975, 2415));
    Text1->setPlainText(apropos::TexteAssistance());
    AlignerCoordonnees(Text1);
    const QString eMail = QString::fromUtf8(apropos::AdresseEMail);
    const QString site = QString::fromUtf8(apropos::SiteAuteur);
    NouveauLien(page, "EMail", tr("M'envoyer un E-Mail : %1").arg(eMail),
                QStringLiteral("mailto:") + eMail, RectangleTwips(240, 3120, 6975, 375));
    NouveauLien(page, "Internet", tr("Visiter mon site : %1").arg(site), site,
                RectangleTwips(240, 3600, 6975, 375));
}

QPlainTextEdit *Apropos::NouveauTexte(QWidget *page, const char *nom, const QRect &surOnglet)
{
    auto *texte = new QPlainTextEdit(page);
    texte->setObjectName(QString::fromLatin1(nom));
    // Un texte fixe : on le lit, on le sélectionne, on ne le modifie pas.
    texte->setReadOnly(true);
    texte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texte->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Taquets tous les huit caractères moyens : une tabulation après « 04/2000 - V1.7 » et
    // deux en début de ligne mènent à la même colonne, ce qui aligne les suites de lignes.
    texte->setTabStopDistance(8 * texte->fontMetrics().averageCharWidth());
    Colorer(texte, QPalette::Base, JaunePale);
    Placer(texte, surOnglet);
    return texte;
}

void Apropos::ConstruireGelvo()
{
    QWidget *page = NouvellePage(QStringLiteral("Gelvo"));
    Picture1 = NouvelleEtiquette(page, "Picture1", QRect());
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Remplir(Picture1, GrisClair);
    Placer(Picture1, RectangleTwips(360, 600, 2940, 1035));
    NouveauBouton(page, "SSCommand1", tr("Lire Le_Gelvo_.txt"), QStringLiteral("Le_Gelvo_.txt"),
                  RectangleTwips(3840, 720, 2895, 375));
    NouveauBouton(page, "SSCommand2", tr("Lire Adhésion.txt"), QStringLiteral("Adhesion.txt"),
                  RectangleTwips(3840, 1200, 2895, 375));
    NouveauBouton(page, "SSCommand3", tr("Lire Le_Gelvo_.hlp"), QStringLiteral("Le_Gelvo_.hlp"),
                  RectangleTwips(3840, 1680, 2895, 375));
    NouveauBouton(page, "SSCommand4", tr("Lire Le_Gelvo_.htm"), QStringLiteral("Le_Gelvo_.htm"),
                  RectangleTwips(3840, 2160, 2895, 375));
    const QString site = QString::fromUtf8(apropos::SiteGelvo);
    NouveauLien(page, "SSCommand5", tr("Visiter le site de Gelvo : %1").arg(site), site,
                RectangleTwips(240, 3480, 6975, 375));
}

QPushButton *Apropos::NouveauBouton(QWidget *page, const char *nom, const QString &legende,
                                    const QString &document, const QRect &surOnglet)
{
    auto *bouton = new QPushButton(legende, page);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setAutoDefault(false);
    Colorer(bouton, QPalette::ButtonText, bouton->palette().color(QPalette::WindowText));
    Placer(bouton, surOnglet);
    connect(bouton, &QPushButton::clicked, this, [this, document] { OuvrirDocument(document); });
    return bouton;
}

QPushButton *Apropos::NouveauLien(QWidget *page, const char *nom, const QString &legende,
                                  const QString &adresse, const QRect &surOnglet)
{
    QPushButton *lien = NouveauBouton(page, nom, legende, adresse, surOnglet);
    Colorer(lien, QPalette::ButtonText, Bleu);
    return lien;
}

} // namespace kalvoro
