#include "Jeu.h"

#include "Aide.h"
#include "Apropos.h"
#include "BarreEtat.h"
#include "EchecFatal.h"
#include "EntreeSurBouton.h"
#include "FabriqueControles.h"
#include "FenetreJoueurs.h"
#include "GardeAnnuler.h"
#include "PanneauJoueurs.h"
#include "Polices.h"
#include "Programme.h"
#include "RetourFenetre.h"
#include "Twips.h"
#include "Version.h"
#include "VisuScores.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace kalvoro {

namespace {

// La liste des séries : ouverte, elle montre les noms entiers, même longs ; fermée, elle garde
// sa largeur. Sa vue (QListView, barres de défilement…) n'est faite qu'à la première ouverture,
// pas au démarrage.
class ListeDesSeries : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
        QComboBox::showPopup();
    }
};

} // namespace

Jeu::Jeu(FabriqueMagasin fabriqueChoisie, Partie::SourceX source, OriginesJeu originesChoisies,
         QWidget *parent)
    : QWidget(parent), fabrique(std::move(fabriqueChoisie)), origines(std::move(originesChoisies)),
      partie(*this, source), tirage(std::move(source))
{
    setObjectName(QStringLiteral("Jeu"));
    EntreeAppuieLeBouton();
    setFont(Police(MsSansSerif, 8));
    setWindowIcon(IconePng(QStringLiteral(":/images/icone.png")));
    // Jamais plus petite que la fenêtre classique, où tout garde sa place.
    setMinimumSize(QSize(Px(9345), Px(6195)));
    resize(minimumSize());
    plateau = new Plateau(this);
    connect(plateau, &Plateau::Clic, this, &Jeu::Bouton_Click);
    CreerCadres();
    CreerListeTailles();
    CreerCommandes();
    CreerChoixJoueurs();
    for (QWidget *droite :
         std::initializer_list<QWidget *>{Frame2, Frame1, Frame4, Frame3, panneauJoueurs, Annuler,
                                          Scores, Command1, Aide, Quitter})
        colonneDroite.append({droite, droite->pos()});
    CreerPleinEcran();
    annonces = std::make_unique<AnnoncesJeu>(Annuler);
    Minuterie = CreerMinuterie(this);
    connect(Minuterie, &QTimer::timeout, this, &Jeu::Minuterie_Timer);
    OrdonnerTabulation();
    serviceAide = new ServiceAide(this);
    ReactiverSousLesDialogues();
}

Jeu::~Jeu() = default;

bool Jeu::Form_Load()
{
    magasin = OuvrirMagasin(this, origines, fabrique);
    if (!magasin)
        return false;
    OuvrirSeriesJoueur();
    serviceAide->NommerFichier(FichierAide(origines.dossier));
    const std::optional<QString> date = LireDateProgramme(this, origines);
    if (!date)
        return false;
    dateProgramme = *date;
    numeroVersion = kalvoro::NumeroVersion();
    const QString produit = QString::fromUtf8(fiche::NomProduit);
    setWindowTitle(produit + QLatin1Char(' ') + numeroVersion);
    Barre->EcrireInformation(tr("%1  -  Version %2").arg(produit, numeroVersion));
    // La partie vient d'être construite : Distribue et les compteurs sont déjà à 0.
    ActiverAnnuler(false);
    for (int i = 1; i <= NombreCellules; ++i)
        ActiverCellule(i, false);
    if (seriesJoueur)
        seriesJoueur->Relire();
    ChoisirTaille(TailleRetenue());
    choixJoueurs = ChoixRetenu(origines.reglages);
    AfficherJoueurs();
    AfficheDate->setText(FormaterDate(QDate::currentDate()));
    DonnerFocusVisible(Quitter);
    return true;
}

// ---- Les contrôles, aux positions des plans en twips -------------------------------------

void Jeu::CreerCadres()
{
    Frame2 = CreerCadre(QStringLiteral("Frame2"), tr("Date"), RectangleTwips(7800, 120, 1455, 615),
                        this);
    AfficheDate = CreerEtiquette(QStringLiteral("AfficheDate"), Frame2, 9.75,
                                 palette().color(QPalette::WindowText));
    // Le cadre du choix tient aussi la taille du plateau et les joueurs, sous la liste des
    // séries : les cadres des scores, de la hauteur de celui de la date, et les commandes, plus
    // serrées, descendent d'autant et la fenêtre classique garde sa taille.
    Frame1 = CreerCadre(QStringLiteral("Frame1"), tr("Choix de la série"),
                        RectangleTwips(7800, 810, 1455, 1530), this);
    ListeJeux = new ListeDesSeries(Frame1);
    ListeJeux->setObjectName(QStringLiteral("ListeJeux"));
    ListeJeux->setEditable(false);
    ListeJeux->setGeometry(RectangleTwips(120, 345, 1215, 315));
    IgnorerMoletteSansFocus(ListeJeux);
    OuvrirAuxFleches(ListeJeux);
    connect(ListeJeux, &QComboBox::activated, this, &Jeu::ListeJeux_Click);
    ListeJeux->installEventFilter(this);
    Frame4 = CreerCadre(QStringLiteral("Frame4"), tr("Meilleur score"),
                        RectangleTwips(7800, 2415, 1455, 615), this);
    MeilleurScore = CreerEtiquette(QStringLiteral("MeilleurScore"), Frame4, 13.5, Qt::red);
    Frame3 = CreerCadre(QStringLiteral("Frame3"), tr("Score en cours"),
                        RectangleTwips(7800, 3105, 1455, 615), this);
    ScoreEnCours = CreerEtiquette(QStringLiteral("ScoreEnCours"), Frame3, 13.5, Qt::blue);
}

void Jeu::CreerCommandes()
{
    Annuler = CreerCommande(QStringLiteral("Annuler"), tr("&Annuler"), 3795, this);
    Scores = CreerCommande(QStringLiteral("Scores"), tr("&Scores"), 4200, this);
    Command1 = CreerCommande(QStringLiteral("Command1"), tr("&A propos"), 4605, this);
    Aide = CreerCommande(QStringLiteral("Aide"), tr("&Aide"), 5010, this);
    Quitter = CreerCommande(QStringLiteral("Quitter"), tr("&Quitter"), 5415, this);
    Annuler->installEventFilter(this);
    connect(Annuler, &QPushButton::clicked, this, &Jeu::Annuler_Click);
    connect(Scores, &QPushButton::clicked, this, &Jeu::Scores_Click);
    connect(Command1, &QPushButton::clicked, this, &Jeu::Command1_Click);
    connect(Aide, &QPushButton::clicked, this, &Jeu::Aide_Click);
    connect(Quitter, &QPushButton::clicked, this, &Jeu::Quitter_Click);
    Barre = new BarreEtat(this);
    Barre->setGeometry(RectangleTwips(0, 5850, 9345, 345));
}

// Les cellules 1 à 48, puis Quitter, Scores, Annuler, ListeJeux, ListeTailles, BoutonJoueurs,
// Aide et Command1 ; les cadres, les étiquettes et la barre d'état ne prennent pas le focus.
void Jeu::OrdonnerTabulation()
{
    QList<QWidget *> ordre;
    for (int i = 1; i <= NombreCellules; ++i)
        ordre << plateau->Cellule(i);
    ordre << Quitter << Scores << Annuler << ListeJeux << ListeTailles << BoutonJoueurs << Aide
          << Command1;
    for (qsizetype k = 1; k < ordre.size(); ++k)
        setTabOrder(ordre[k - 1], ordre[k]);
    Barre->setFocusPolicy(Qt::NoFocus);
}

// ---- Les commandes ------------------------------------------------------------------------

void Jeu::Bouton_Click(int i)
{
    partie.Bouton_Click(i);
}

void Jeu::Annuler_Click()
{
    // Dit avant la remise à zéro : il l'est avec la liste des séries, où elle mène le focus.
    if (partie.Distribue() == 1)
        annonces->PartieAbandonnee(ListeJeux);
    partie.Annuler_Click();
}

void Jeu::Scores_Click()
{
    FaireAvecReessai(
        this,
        [this] {
            VisuScores visionneuse(*magasin, SeriesJoueur(), this);
            visionneuse.exec();
        },
        Renoncement::Continuer);
}

void Jeu::Command1_Click()
{
    Apropos apropos(numeroVersion, dateProgramme, this);
    apropos.exec();
}

void Jeu::Aide_Click()
{
    serviceAide->Ouvrir();
}

void Jeu::Quitter_Click()
{
    close();
}

void Jeu::Minuterie_Timer()
{
    // Pendant que la visionneuse ou la fenêtre À propos est ouverte par-dessus une pause, la
    // partie attend : le joueur la retrouve où il l'a laissée, et la fin de partie ne vient pas
    // s'ouvrir par-dessus une autre fenêtre.
    if (QApplication::activeModalWidget())
        return;
    // La fin de partie ouvre Enregistre sur le magasin : un échec de Scores.dat y est fatal,
    // celui d'une série du joueur est dit ; jamais un plantage.
    try {
        partie.Minuterie_Timer();
    } catch (const ErreurScores &erreur) {
        SignalerEchecScores(this, erreur);
    }
}

// ---- Les événements -----------------------------------------------------------------------

bool Jeu::eventFilter(QObject *objet, QEvent *evenement)
{
    const QEvent::Type type = evenement->type();
    if (objet == Annuler && (type == QEvent::KeyPress || type == QEvent::KeyRelease))
        return ToucheSurAnnuler(static_cast<const QKeyEvent &>(*evenement));
    if (objet == ListeJeux && type == QEvent::FocusOut)
        annonces->NouvelleLue(ListeJeux);
    return QWidget::eventFilter(objet, evenement);
}

bool Jeu::ToucheSurAnnuler(const QKeyEvent &touche)
{
    // Pendant la pause, ou juste après que le programme y a mis le focus, une barre d'espace
    // tapée de trop pour la carte n'abandonne pas la partie. La souris, elle, abandonne toujours.
    const bool activation = touche.key() == Qt::Key_Space || touche.key() == Qt::Key_Select;
    std::optional<long long> depuisFocus;
    if (focusProgrammeSurAnnuler.isValid())
        depuisFocus = focusProgrammeSurAnnuler.elapsed();
    if (activation && !AbandonAuClavierVoulu(touche.isAutoRepeat(), partie.EnPause(), depuisFocus,
                                             QApplication::doubleClickInterval()))
        return true;
    // Après chaque carte le focus revient sur Annuler : une flèche le rend au plateau.
    if (touche.type() != QEvent::KeyPress || !plateau->Cellule(1)->isEnabled())
        return false;
    return plateau->RamenerFocus(touche);
}

void Jeu::showEvent(QShowEvent *evenement)
{
    QWidget::showEvent(evenement);
    // Qt oublie à l'affichage que le focus a été placé par le programme : le joueur au clavier
    // doit voir dès l'ouverture que la barre d'espace agirait sur Quitter.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void Jeu::resizeEvent(QResizeEvent *evenement)
{
    QWidget::resizeEvent(evenement);
    const int gagne = width() - minimumWidth();
    for (const auto &[controle, place] : colonneDroite)
        controle->move(place.x() + gagne, place.y());
    const int barre = Px(345);
    Barre->setGeometry(0, height() - barre, width(), barre);
    plateau->setGeometry(0, 0, Px(7800) + gagne, height() - barre);
}

void Jeu::closeEvent(QCloseEvent *evenement)
{
    // Une partie commencée ne se perd pas sans question : Alt+Q est à côté d'Alt+A (Annuler)
    // sur un clavier français, et la case du cadre est vite touchée. Non par défaut.
    if (partie.Distribue() == 1 &&
        !ConfirmerOuiNon(this, tr("Quitter"),
                         tr("Une partie est en cours.\n\nQuitter le jeu quand même ?"))) {
        evenement->ignore();
        return;
    }
    // Puis fin immédiate, même au milieu d'une pause : rien n'est à enregistrer, et les autres
    // fenêtres (l'aide) partent avec le programme.
    Minuterie->stop();
    evenement->accept();
    QCoreApplication::quit();
}

} // namespace kalvoro
