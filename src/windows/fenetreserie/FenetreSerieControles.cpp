// La construction des contrôles de « Mes séries », rangés comme le joueur les parcourt au
// clavier : ses séries déjà faites, puis la nouvelle, puis la lecture en cours et les boutons.
#include "FenetreSerieControles.h"
#include "ApercuCarre.h"
#include "FenetreSerie.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace kalvoro {

namespace {

QPushButton *Bouton(const QString &texte, QWidget *parent, const char *nom)
{
    auto *bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setAutoDefault(false);
    return bouton;
}

} // namespace

void FenetreSerie::ConstruireSeriesFaites()
{
    // La lettre du cadre mène à sa liste, son premier contrôle.
    CadreFaites = new QGroupBox(tr("&Mes séries"), this);
    auto *ligne = new QHBoxLayout(CadreFaites);
    ListeSeries = new QListWidget(CadreFaites);
    ListeSeries->setObjectName(QStringLiteral("ListeSeries"));
    ListeSeries->setAccessibleName(tr("Mes séries"));
    ListeSeries->setMaximumHeight(90);
    Modifier = Bouton(tr("M&odifier"), CadreFaites, "Modifier");
    Modifier->setToolTip(tr("Voir les images de la série, en ajouter, en retirer, les renommer"));
    Modifier->setAccessibleDescription(Modifier->toolTip());
    Renommer = Bouton(tr("&Renommer…"), CadreFaites, "Renommer");
    Supprimer = Bouton(tr("&Supprimer…"), CadreFaites, "Supprimer");
    auto *boutons = new QVBoxLayout;
    boutons->addWidget(Modifier);
    boutons->addWidget(Renommer);
    boutons->addWidget(Supprimer);
    boutons->addStretch();
    ligne->addWidget(ListeSeries, 1);
    ligne->addLayout(boutons);
    connect(Modifier, &QPushButton::clicked, this, &FenetreSerie::ModifierSerie);
    connect(ListeSeries, &QListWidget::itemDoubleClicked, this, &FenetreSerie::ModifierSerie);
    connect(Renommer, &QPushButton::clicked, this, &FenetreSerie::RenommerSerie);
    connect(Supprimer, &QPushButton::clicked, this, &FenetreSerie::SupprimerSerie);
    connect(ListeSeries, &QListWidget::currentRowChanged, this, &FenetreSerie::MettreAJour);
}

void FenetreSerie::ConstruireNouvelle()
{
    auto *cadre = CadreNouvelle = new QGroupBox(tr("Nouvelle série"), this);
    auto *colonne = new QVBoxLayout(cadre);
    NomSerie = new QLineEdit(cadre);
    NomSerie->setObjectName(QStringLiteral("NomSerie"));
    NomSerie->setMaxLength(LongueurNomSerie);
    auto *etiquette = new QLabel(tr("&Nom de la série :"), cadre);
    etiquette->setBuddy(NomSerie);
    Vignettes = new QListWidget(cadre);
    Vignettes->setObjectName(QStringLiteral("Vignettes"));
    Vignettes->setViewMode(QListView::IconMode);
    Vignettes->setIconSize(QSize(CoteVignette, CoteVignette));
    Vignettes->setGridSize(QSize(CoteVignette + 56, CoteVignette + 36));
    Vignettes->setResizeMode(QListView::Adjust);
    Vignettes->setMovement(QListView::Static);
    Vignettes->setWordWrap(true);
    Vignettes->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Vignettes->setEditTriggers(QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::DoubleClicked);
    auto *legende =
        new QLabel(tr("Ima&ges (F2 change le nom que dit le lecteur d'écran) :"), cadre);
    legende->setBuddy(Vignettes);
    Vignettes->setAccessibleName(tr("Images de la série"));
    AjoutImages = Bouton(tr("Ajouter des &images…"), cadre, "AjoutImages");
    AjoutDossier = Bouton(tr("Ajouter un &dossier…"), cadre, "AjoutDossier");
    RetirerImage = Bouton(tr("Re&tirer"), cadre, "RetirerImage");
    Compte = new QLabel(cadre);
    Compte->setObjectName(QStringLiteral("Compte"));
    auto *boutons = new QHBoxLayout;
    for (QWidget *controle :
         {static_cast<QWidget *>(AjoutImages), static_cast<QWidget *>(AjoutDossier),
          static_cast<QWidget *>(RetirerImage)})
        boutons->addWidget(controle);
    boutons->addStretch();
    boutons->addWidget(Compte);
    for (QWidget *controle : {static_cast<QWidget *>(etiquette), static_cast<QWidget *>(NomSerie),
                              static_cast<QWidget *>(legende)})
        colonne->addWidget(controle);
    // L'aperçu de l'image choisie, à côté des vignettes : le carré gardé s'y déplace.
    Apercu = new ApercuCarre(cadre);
    Apercu->setObjectName(QStringLiteral("Apercu"));
    Apercu->setAccessibleName(tr("Partie gardée"));
    auto *legendeApercu = new QLabel(tr("&Partie gardée :"), cadre);
    legendeApercu->setBuddy(Apercu);
    auto *cote = new QVBoxLayout;
    cote->addWidget(legendeApercu);
    cote->addWidget(Apercu);
    cote->addStretch();
    auto *images = new QHBoxLayout;
    images->addWidget(Vignettes, 1);
    images->addLayout(cote);
    colonne->addLayout(images, 1);
    colonne->addLayout(boutons);
    connect(NomSerie, &QLineEdit::textChanged, this, &FenetreSerie::MettreAJour);
    connect(AjoutImages, &QPushButton::clicked, this, &FenetreSerie::AjouterImages);
    connect(AjoutDossier, &QPushButton::clicked, this, &FenetreSerie::AjouterDossier);
    connect(RetirerImage, &QPushButton::clicked, this, &FenetreSerie::Retirer);
    // Suppr retire aussi les images choisies, sans quitter la liste.
    auto *suppr =
        new QShortcut(QKeySequence::Delete, Vignettes, nullptr, nullptr, Qt::WidgetShortcut);
    connect(suppr, &QShortcut::activated, this, &FenetreSerie::Retirer);
    connect(Vignettes, &QListWidget::itemChanged, this, &FenetreSerie::NomImageChange);
    connect(Vignettes, &QListWidget::itemSelectionChanged, this, &FenetreSerie::MettreAJour);
    connect(Vignettes, &QListWidget::currentRowChanged, this, &FenetreSerie::MontrerApercu);
    connect(Apercu, &QSlider::valueChanged, this, &FenetreSerie::CarreDeplace);
    // Au clavier, de l'image choisie à sa partie gardée, puis aux boutons.
    setTabOrder(Vignettes, Apercu);
    setTabOrder(Apercu, AjoutImages);
}

void FenetreSerie::ConstruireBas()
{
    Avis = new QLabel(this);
    Avis->setObjectName(QStringLiteral("Avis"));
    Avis->setWordWrap(true);
    Progression = new QProgressBar(this);
    Progression->setObjectName(QStringLiteral("Progression"));
    Progression->setAccessibleName(tr("Lecture des images"));
    Arreter = Bouton(tr("&Arrêter"), this, "Arreter");
    auto *ligne = new QHBoxLayout;
    ligne->addWidget(Progression, 1);
    ligne->addWidget(Arreter);
    auto *boutons = new QDialogButtonBox(this);
    CreerSerie = boutons->addButton(tr("&Créer la série"), QDialogButtonBox::AcceptRole);
    CreerSerie->setObjectName(QStringLiteral("CreerSerie"));
    Fermer = boutons->addButton(tr("&Fermer"), QDialogButtonBox::RejectRole);
    Fermer->setObjectName(QStringLiteral("Fermer"));
    Fermer->setAutoDefault(false);
    // Entrée crée la série : depuis le gestionnaire de fichiers, c'est tout ce qui reste à faire.
    CreerSerie->setDefault(true);
    auto *colonne = static_cast<QVBoxLayout *>(layout());
    colonne->addWidget(Avis);
    colonne->addLayout(ligne);
    colonne->addWidget(boutons);
    connect(Arreter, &QPushButton::clicked, this, &FenetreSerie::ArreterLecture);
    connect(CreerSerie, &QPushButton::clicked, this, &FenetreSerie::Creer);
    connect(Fermer, &QPushButton::clicked, this, &FenetreSerie::reject);
}

} // namespace kalvoro
