#include "VisuScores.h"

#include "Accessibilite.h"
#include "Couleurs.h"
#include "EchecFatal.h"
#include "EntreeSurBouton.h"
#include "Focus.h"
#include "Polices.h"
#include "Series.h"
#include "Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace kalvoro {

namespace {

// Plan de la fenêtre, en twips.
constexpr int LargeurClient = 6720, HauteurClient = 4200;
constexpr int HautBoutons = 120, GaucheBouton0 = 120, PasBoutons = 1080;
constexpr int LargeurBouton = 1095, HauteurBouton = 375; // voisins chevauchés de 15 twips
constexpr int GaucheGrille = 120, HautGrille = 840, LargeurGrilleTwips = 6135,
              HauteurGrilleTwips = 2775;
constexpr int HautQuitter = 3720, LargeurQuitterTwips = 1215, HauteurQuitter = 375;
// La liste des séries du joueur, sous les boutons : grille et Quitter descendent d'autant.
constexpr int HautSeries = 600, HauteurSeries = 375, DecalageSeries = 480;
constexpr int DroiteBoutons = GaucheBouton0 + PasBoutons * 5 + LargeurBouton, EcartEtiquette = 120;
// La liste des tailles, à gauche de Quitter, dans le coin resté libre du plan.
constexpr int GaucheTaille = 120;

QColor EnQColor(const Couleur &couleur)
{
    return QColor(couleur.Rouge, couleur.Vert, couleur.Bleu);
}

// Une icône transparente : sans elle, la fenêtre prendrait celle du programme.
QIcon IconeVide()
{
    QPixmap vide(16, 16);
    vide.fill(Qt::transparent);
    return QIcon(vide);
}

} // namespace

VisuScores::VisuScores(MagasinScores &magasin, QList<Serie> seriesJoueur, QWidget *parent)
    : QDialog(parent), affichage(*this, magasin), seriesDuJoueur(std::move(seriesJoueur)),
      decalage(seriesDuJoueur.isEmpty() ? 0 : DecalageSeries)
{
    setObjectName(QStringLiteral("VisuScores"));
    EntreeAppuieLeBouton();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(IconeVide());
    setWindowTitle(LegendeVisuScores());
    setFixedSize(Px(LargeurClient), Px(HauteurClient + decalage));

    ConstruireQuitter();
    ConstruireGrille();
    ConstruireBoutons();
    ConstruireSeriesJoueur();
    ConstruireTaille();
    ReglerTabulation();
}

// L'ouverture a lieu au premier affichage : c'est alors seulement que la plateforme peut
// connaître le cadre de la fenêtre, dont la largeur extérieure sert au centrage.
void VisuScores::showEvent(QShowEvent *evenement)
{
    QDialog::showEvent(evenement);
    if (charge)
        return;
    charge = true;
    affichage.Form_Load();
    // La grille s'ouvre vide : le lecteur dit avec Quitter, qui a le focus, comment choisir.
    Quitter->setAccessibleDescription(
        tr("Choisissez une série : Alt et la lettre soulignée de son bouton, ou Tab."));
    Grille->setCurrentCell(0, 0);
}

void VisuScores::ConstruireBoutons()
{
    for (int index = 0; index < NombreBoutonsSeries; ++index) {
        const BoutonSerie &serie = BoutonsSeries()[static_cast<std::size_t>(index)];
        auto *bouton = new QPushButton(LegendeBouton(index), this);
        bouton->setObjectName(QStringLiteral("Bouton%1").arg(index));
        bouton->setProperty("Tag", serie.Tag);
        bouton->setFont(Police(MsSansSerif, 8.25, true));
        QPalette palette = bouton->palette();
        palette.setColor(QPalette::ButtonText, EnQColor(serie.Texte));
        bouton->setPalette(palette);
        bouton->setGeometry(Px(GaucheBouton0 + PasBoutons * index), Px(HautBoutons),
                            Px(LargeurBouton), Px(HauteurBouton));
        connect(bouton, &QPushButton::clicked, this, [this, index] { Bouton_Click(index); });
        bouton->installEventFilter(this);
        Bouton[static_cast<std::size_t>(index)] = bouton;
    }
}

// Une étiquette à touche d'accès, puis la liste, alignées sur la rangée des boutons.
void VisuScores::ConstruireSeriesJoueur()
{
    if (seriesDuJoueur.isEmpty())
        return;
    auto *etiquette = new QLabel(tr("&Vos séries :"), this);
    etiquette->setObjectName(QStringLiteral("EtiquetteSeriesJoueur"));
    SeriesJoueur = new QComboBox(this);
    SeriesJoueur->setObjectName(QStringLiteral("SeriesJoueur"));
    RemplirSeriesJoueur();
    etiquette->setBuddy(SeriesJoueur);
    etiquette->setFont(Police(MsSansSerif, 8.25, true));
    SeriesJoueur->setFont(etiquette->font());
    const int gauche = Px(GaucheBouton0),
              gaucheListe = gauche + etiquette->sizeHint().width() + Px(EcartEtiquette);
    etiquette->setGeometry(gauche, Px(HautSeries), gaucheListe - gauche, Px(HauteurSeries));
    SeriesJoueur->setGeometry(gaucheListe, Px(HautSeries), Px(DroiteBoutons) - gaucheListe,
                              Px(HauteurSeries));
    connect(SeriesJoueur, &QComboBox::activated, this, &VisuScores::SeriesJoueur_Activated);
    SeriesJoueur->installEventFilter(this);
    SeriesJoueur->view()->viewport()->installEventFilter(this);
}

// Les séries du joueur qui remplissent le plateau de la taille choisie : une série de six photos
// n'a de scores qu'au plus petit.
void VisuScores::RemplirSeriesJoueur()
{
    seriesOffertes.clear();
    for (const Serie &serie : seriesDuJoueur)
        if (serie.Remplit(affichage.Taille()))
            seriesOffertes << serie;
    const QSignalBlocker silence(SeriesJoueur);
    SeriesJoueur->clear();
    for (const Serie &serie : seriesOffertes)
        SeriesJoueur->addItem(serie.NomAffiche());
    SeriesJoueur->setCurrentIndex(-1); // aucune série n'est choisie
    SeriesJoueur->setEnabled(!seriesOffertes.isEmpty());
}

// Une étiquette à touche d'accès, puis la liste des tailles, sur la rangée de Quitter.
void VisuScores::ConstruireTaille()
{
    auto *etiquette = new QLabel(tr("&Plateau :"), this);
    etiquette->setObjectName(QStringLiteral("EtiquetteTaille"));
    Taille = new QComboBox(this);
    Taille->setObjectName(QStringLiteral("Taille"));
    for (const TaillePlateau &taille : TaillesPlateau)
        Taille->addItem(taille.Nom());
    Taille->setCurrentIndex(static_cast<int>(TaillesPlateau.size()) - 1); // le classique
    etiquette->setBuddy(Taille);
    etiquette->setFont(Police(MsSansSerif, 8.25, true));
    Taille->setFont(etiquette->font());
    const int gauche = Px(GaucheTaille), haut = Px(HautQuitter + decalage),
              gaucheListe = gauche + etiquette->sizeHint().width() + Px(EcartEtiquette);
    etiquette->setGeometry(gauche, haut, gaucheListe - gauche, Px(HauteurQuitter));
    Taille->setGeometry(gaucheListe, haut, Taille->sizeHint().width(), Px(HauteurQuitter));
    connect(Taille, &QComboBox::currentIndexChanged, this, &VisuScores::Taille_Changed);
}

void VisuScores::ConstruireGrille()
{
    Grille = new QTableWidget(AffichageScores::NombreLignes, AffichageScores::NombreColonnes, this);
    Grille->setObjectName(QStringLiteral("Grille"));
    Grille->horizontalHeader()->hide();
    Grille->verticalHeader()->hide();
    Grille->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grille->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille->setSelectionMode(QAbstractItemView::NoSelection);
    Grille->setFont(Police(MsSansSerif, 9.75, true));
    Grille->setGeometry(Px(GaucheGrille), Px(HautGrille + decalage), Px(LargeurGrilleTwips),
                        Px(HauteurGrilleTwips));
    for (int ligne = 0; ligne < AffichageScores::NombreLignes; ++ligne)
        for (int colonne = 0; colonne < AffichageScores::NombreColonnes; ++colonne)
            Grille->setItem(ligne, colonne, new QTableWidgetItem);
    // Les onze lignes tiennent dans la hauteur de la grille.
    Grille->verticalHeader()->setMinimumSectionSize(1);
    Grille->verticalHeader()->setDefaultSectionSize(
        (Px(HauteurGrilleTwips) - 2 * Grille->frameWidth()) / AffichageScores::NombreLignes);
    ColorerGrille();
    RendreGrilleLisible();
}

// La grille ne fait qu'afficher : ni sélection, ni saisie, ni défilement. Elle reste pourtant
// active, pour qu'un joueur au clavier ou à la synthèse vocale l'atteigne par Tab et la lise
// cellule par cellule ; les en-têtes, cachés à l'écran, nomment les colonnes à son lecteur.
void VisuScores::RendreGrilleLisible()
{
    Grille->setFocusPolicy(Qt::TabFocus);
    Grille->setTabKeyNavigation(false); // Tab en sort, les flèches vont de case en case
    Grille->setAutoScroll(false);
    Grille->viewport()->installEventFilter(this);
    Grille->setHorizontalHeaderLabels({tr("Prénom"), tr("Nom"), tr("Date"), tr("Score")});
    Grille->setAccessibleName(tr("Meilleurs scores"));
}

bool VisuScores::eventFilter(QObject *objet, QEvent *evenement)
{
    const QEvent::Type type = evenement->type();
    if (objet == Grille->viewport() && type == QEvent::Wheel)
        return true; // la molette ne fait pas glisser les colonnes
    if (type == QEvent::MouseButtonRelease)
        choixALaSouris = true;
    else if (type == QEvent::KeyPress || type == QEvent::Shortcut)
        choixALaSouris = false;
    return QDialog::eventFilter(objet, evenement);
}

void VisuScores::ColorerGrille()
{
    // Couleurs posées dans tous les groupes de la palette : la grille désactivée reste lisible
    // dans la couleur choisie au lieu d'être grisée.
    QPalette palette = Grille->palette();
    palette.setColor(QPalette::Base, GrisClair);
    palette.setColor(QPalette::Text, palette.color(QPalette::Active, QPalette::ButtonText));
    Grille->setPalette(palette);
}

void VisuScores::ConstruireQuitter()
{
    Quitter = new QPushButton(tr("&Quitter"), this);
    Quitter->setObjectName(QStringLiteral("Quitter"));
    Quitter->setGeometry(0, Px(HautQuitter + decalage), Px(LargeurQuitterTwips),
                         Px(HauteurQuitter));
    connect(Quitter, &QPushButton::clicked, this, &VisuScores::Quitter_Click);
}

void VisuScores::ReglerTabulation()
{
    QWidget::setTabOrder(Quitter, Grille);
    QWidget *precedent = Grille;
    for (QPushButton *bouton : Bouton) {
        QWidget::setTabOrder(precedent, bouton);
        precedent = bouton;
    }
    if (SeriesJoueur) {
        QWidget::setTabOrder(precedent, SeriesJoueur);
        precedent = SeriesJoueur;
    }
    QWidget::setTabOrder(precedent, Taille);
    Quitter->setFocus();
}

void VisuScores::Bouton_Click(int index)
{
    if (index < 0 || index >= NombreBoutonsSeries)
        return;
    boutonMontre = index;
    idMontre.clear();
    // Le nom que le joueur lit sur le bouton, dans sa langue ; Tag reste le nom de la table.
    Afficher([this, index] { affichage.Bouton_Click(index); },
             Series()[static_cast<std::size_t>(index)].NomAffiche());
}

void VisuScores::SeriesJoueur_Activated(int index)
{
    if (index < 0 || index >= seriesOffertes.size())
        return;
    const Serie serie = seriesOffertes[index];
    boutonMontre = -1;
    idMontre = serie.Id;
    // Un fichier abîmé n'arrête pas le jeu (le magasin le dit d'une série du joueur) : la grille
    // reste vide.
    Afficher([this, serie] { affichage.SerieJoueur_Click(serie); }, serie.NomAffiche());
}

void VisuScores::Taille_Changed(int index)
{
    if (index < 0 || index >= static_cast<int>(TaillesPlateau.size()))
        return;
    affichage.ChoisirTaille(TaillesPlateau[static_cast<std::size_t>(index)]);
    if (SeriesJoueur)
        RemplirSeriesJoueur();
    Remontrer();
}

// La série montrée l'est de nouveau, à la nouvelle taille ; le focus reste sur la liste des
// tailles, pour passer à la suivante. Une série du joueur trop petite pour ce plateau n'y a pas
// de scores : la grille revient à l'ouverture.
void VisuScores::Remontrer()
{
    if (boutonMontre >= 0) {
        const int index = boutonMontre;
        Afficher([this, index] { affichage.Bouton_Click(index); },
                 Series()[static_cast<std::size_t>(index)].NomAffiche(), false);
        return;
    }
    if (idMontre.isEmpty())
        return;
    for (int index = 0; index < seriesOffertes.size(); ++index) {
        if (seriesOffertes[index].Id != idMontre)
            continue;
        const Serie serie = seriesOffertes[index];
        SeriesJoueur->setCurrentIndex(index);
        Afficher([this, serie] { affichage.SerieJoueur_Click(serie); }, serie.NomAffiche(), false);
        return;
    }
    idMontre.clear();
    affichage.Effacer();
    Grille->setAccessibleName(tr("Meilleurs scores"));
}

void VisuScores::Afficher(const std::function<void()> &lecture, const QString &nomAffiche,
                          bool versLaGrille)
{
    FaireAvecReessai(this, lecture, Renoncement::Continuer);
    // La lecture commence par le meilleur, en haut. Au clavier, le focus y va : le joueur qui a
    // choisi la série veut lire ses scores, pas passer au bouton suivant. À la souris, il reste
    // où le clic l'a mis, comme toujours.
    Grille->setCurrentCell(0, 0);
    if (versLaGrille && !choixALaSouris)
        DonnerFocusVisible(Grille);
    const TaillePlateau taille = affichage.Taille();
    DireSerie(taille == TailleClassique
                  ? nomAffiche
                  : tr("%1, %2", "série, taille du plateau").arg(nomAffiche, taille.Nom()));
}

// Un joueur qui n'en voit rien apprend ce que le bouton ou la liste vient d'afficher.
void VisuScores::DireSerie(const QString &serie)
{
    Grille->setAccessibleName(tr("Meilleurs scores, série %1").arg(serie));
    int lignes = 0;
    while (lignes < AffichageScores::LignesAffichees && !Grille->item(lignes, 3)->text().isEmpty())
        ++lignes;
    QString resume = lignes == 0   ? tr("Série %1 : aucun score.").arg(serie)
                     : lignes == 1 ? tr("Série %1 : un score.").arg(serie)
                                   : tr("Série %1 : %2 scores.").arg(serie).arg(lignes);
    if (lignes > 0)
        resume +=
            QLatin1Char(' ') + tr("Le meilleur : %1, %2 %3, le %4.")
                                   .arg(Grille->item(0, 3)->text(), Grille->item(0, 0)->text(),
                                        Grille->item(0, 1)->text(), Grille->item(0, 2)->text());
    DireAuLecteur(this, resume);
}

void VisuScores::Quitter_Click()
{
    accept();
}

double VisuScores::LargeurFenetre() const
{
    return EnTwips(frameGeometry().width());
}

double VisuScores::LargeurGrille() const
{
    return EnTwips(Grille->width());
}

double VisuScores::LargeurQuitter() const
{
    return EnTwips(Quitter->width());
}

void VisuScores::PlacerGrille(double gauche)
{
    Grille->move(Px(gauche), Grille->y());
}

void VisuScores::PlacerQuitter(double gauche)
{
    Quitter->move(Px(gauche), Quitter->y());
}

void VisuScores::DefinirCouleurTexte(const Couleur &couleur)
{
    QPalette palette = Grille->palette();
    palette.setColor(QPalette::Text, EnQColor(couleur));
    Grille->setPalette(palette);
}

void VisuScores::DefinirLargeurColonne(int colonne, double largeur)
{
    Grille->setColumnWidth(colonne, Px(largeur));
}

void VisuScores::DefinirAlignementColonne(int colonne, Alignement alignement)
{
    const Qt::Alignment alignementQt =
        alignement == Alignement::Centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    for (int ligne = 0; ligne < Grille->rowCount(); ++ligne)
        Grille->item(ligne, colonne)->setTextAlignment(alignementQt);
}

void VisuScores::ChoisirLigne(int ligne)
{
    ligneCourante = ligne;
}

int VisuScores::LigneCourante() const
{
    return ligneCourante;
}

void VisuScores::ChoisirColonne(int colonne)
{
    colonneCourante = colonne;
}

void VisuScores::EcrireCellule(const QString &texte)
{
    QTableWidgetItem *cellule = Grille->item(ligneCourante, colonneCourante);
    if (!cellule)
        return;
    cellule->setText(texte);
    // Le lecteur d'écran dit le rang avec la ligne, en tête de sa première case.
    if (colonneCourante == 0)
        cellule->setData(Qt::AccessibleTextRole,
                         texte.isEmpty() ? QString()
                                         : tr("Rang %1, %2").arg(ligneCourante + 1).arg(texte));
}

void VisuScores::DefinirLegende(const QString &legende)
{
    setWindowTitle(legende);
}

} // namespace kalvoro
