#include "Jeu.h"

#include "Aide.h"
#include "Apropos.h"
#include "BarreEtat.h"
#include "CopieScores.h"
#include "EchecFatal.h"
#include "Polices.h"
#include "Programme.h"
#include "SelectionSerie.h"
#include "Twips.h"
#include "Version.h"
#include "VisuScores.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace kalvoro {

OriginesJeu OriginesJeu::DuProgramme()
{
    return {DossierProgramme(), &DateExecutable, CheminScores(), PreparerScoresDuProgramme()};
}

Jeu::Jeu(FabriqueStock fabriqueChoisie, Partie::SourceX source, OriginesJeu originesChoisies,
         QWidget *parent)
    : QWidget(parent), fabrique(std::move(fabriqueChoisie)), origines(std::move(originesChoisies)),
      partie(*this, std::move(source))
{
    InstallerSubstitutionsPolices();
    setObjectName(QStringLiteral("Jeu"));
    setFont(Police(MsSansSerif, 8));
    setWindowIcon(QIcon(QStringLiteral(":/images/icone.png")));
    setFixedSize(QSize(Px(9345), Px(6195)));
    CreerPlateau();
    CreerCadres();
    CreerCommandes();
    OrdonnerTabulation();
    serviceAide = new ServiceAide(this);
}

Jeu::~Jeu() = default;

bool Jeu::Form_Load()
{
    if (!OuvrirBaseScores())
        return false;
    serviceAide->NommerFichier(origines.dossier + QStringLiteral("Kalvoro.hlp"));
    if (!LireDateProgramme())
        return false;
    numeroVersion = kalvoro::NumeroVersion();
    const QString produit = QString::fromUtf8(fiche::NomProduit);
    setWindowTitle(produit + QLatin1Char(' ') + numeroVersion);
    Barre->EcrireInformation(produit + QStringLiteral("  -  Version ") + numeroVersion);
    // La partie vient d'être construite : Distribue et les compteurs sont déjà à 0.
    ActiverAnnuler(false);
    for (int i = 1; i <= 48; ++i)
        ActiverCellule(i, false);
    RemplirListeJeux(*this);
    AfficheDate->setText(FormaterDate(QDate::currentDate()));
    DonnerFocus(Quitter);
    return true;
}

bool Jeu::OuvrirBaseScores()
{
    if (!origines.echecScores.isEmpty()) {
        SignalerEchecFatal(this, origines.echecScores);
        return false;
    }
    const QString chemin = origines.scores.isEmpty()
                               ? origines.dossier + QStringLiteral("Scores.dat")
                               : origines.scores;
    // Un fichier tenu par un autre programme se libère : le joueur peut réessayer avant que
    // Kalvoro n'abandonne. Chaque nouvel essai rappelle la fabrique, qui rouvre le fichier.
    if (!FaireAvecReessai(
            this, [this, &chemin] { baseScores = fabrique(chemin); }, Renoncement::Arreter))
        return false;
    if (!baseScores) {
        SignalerEchecFatal(this, QStringLiteral("La base des scores %1 n'a pas pu être ouverte.")
                                     .arg(QDir::toNativeSeparators(chemin)));
        return false;
    }
    return true;
}

bool Jeu::LireDateProgramme()
{
    const std::optional<QDateTime> date = origines.dateExecutable();
    if (!date) {
        SignalerEchecFatal(
            this, QStringLiteral("La date de dernière modification du programme %1 ne peut pas "
                                 "être lue : le fichier est absent ou illisible.")
                      .arg(QDir::toNativeSeparators(CheminExecutable())));
        return false;
    }
    dateProgramme = FormaterDateProgramme(*date);
    return true;
}

void Jeu::SansEchec(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ErreurScores &erreur) {
        SignalerEchecFatal(this, erreur.Message());
    }
}

// ---- Les commandes ------------------------------------------------------------------------

void Jeu::Bouton_Click(int i)
{
    derniereCellule = i;
    SansEchec([this, i] { partie.Bouton_Click(i); });
}

void Jeu::ListeJeux_Click()
{
    FaireAvecReessai(
        this,
        [this] {
            ChoisirSerie(*this, [this](const QString &serie) {
                return baseScores->LireMeilleurScore(serie);
            });
        },
        Renoncement::Continuer);
}

void Jeu::Annuler_Click()
{
    partie.Annuler_Click();
}

void Jeu::Scores_Click()
{
    FaireAvecReessai(
        this,
        [this] {
            VisuScores visionneuse(*baseScores, this);
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
    partie.Minuterie_Timer();
}

void Jeu::showEvent(QShowEvent *evenement)
{
    QWidget::showEvent(evenement);
    // Qt oublie à l'affichage que le focus a été placé par le programme : le joueur au clavier
    // doit voir dès l'ouverture que la barre d'espace agirait sur Quitter.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void Jeu::closeEvent(QCloseEvent *evenement)
{
    // Fin immédiate, même au milieu d'une pause : rien n'est à enregistrer, et les autres
    // fenêtres (l'aide) partent avec le programme.
    Minuterie->stop();
    evenement->accept();
    QCoreApplication::quit();
}

} // namespace kalvoro
