#include "Apropos.h"

#include "AproposTextes.h"
#include "EntreeSurBouton.h"
#include "OuvreurBureau.h"
#include "Polices.h"
#include "Programme.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QUrl>

namespace kalvoro {

namespace {

// Le sablier pendant l'ouverture ; rendu même si l'ouverture s'interrompt.
class CurseurAttente {
public:
    CurseurAttente() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QGuiApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente &) = delete;
    CurseurAttente &operator=(const CurseurAttente &) = delete;
};

QString Intitule(const char *prefixe)
{
    return apropos::AproposTextes::tr(prefixe);
}

// Un document livré est cherché dans le dossier du programme, jamais dans le dossier courant,
// qui peut être n'importe où ; une adresse (site, mailto:) est remise telle quelle.
QUrl AdresseARemettre(const QString &nom)
{
    const QUrl adresse(nom);
    if (!adresse.scheme().isEmpty())
        return adresse;
    return QUrl::fromLocalFile(DossierProgramme() + nom);
}

// L'image faite pour la densité de l'écran du contrôle : sur un écran double, le fichier @2x
// livré à côté, et non l'image simple agrandie, floue. QIcon sait choisir le bon fichier ;
// QPixmap ne lit que celui qu'on lui nomme.
QPixmap ImageALaDensite(const QWidget *controle, const QString &chemin, const QSize &taille)
{
    return QIcon(chemin).pixmap(taille, controle->devicePixelRatioF());
}

} // namespace

Apropos::Apropos(const QString &numeroVersion, const QString &dateProgramme, QWidget *parent)
    : Apropos(numeroVersion, dateProgramme, InfosVersion::DuProgramme(), OuvreurDuSysteme(), parent)
{
}

Apropos::Apropos(const QString &numeroVersion, const QString &dateProgramme,
                 const InfosVersion &infos, OuvreurBureau &ouvreur, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), NumeroVersion(numeroVersion),
      DateProgramme(dateProgramme), Infos(infos), Ouvreur(ouvreur)
{
    setObjectName(QStringLiteral("Apropos"));
    EntreeAppuieLeBouton();
    setFont(Police(MsSansSerif, 8.25, true));
    Form_Load();
}

void Apropos::Form_Load()
{
    {
        const CurseurAttente attente;
        ConstruireOnglet();
        ChargerImages();
        Onglet->move(0, 0);
        setFixedSize(Onglet->size());
        Titre->setText(Infos.NomProduit);
        SousTitre->setText(tr("Version %1 compilée le %2").arg(NumeroVersion, DateProgramme));
        Description->setText(Infos.NomProduit);
        NomApplication->setText(Intitule(apropos::PrefixeNomExecutable) + Infos.NomExecutable);
        Commentaires->setText(Intitule(apropos::PrefixeCommentaires) + Infos.Commentaires);
        Copyright->setText(Intitule(apropos::PrefixeCopyright) + Infos.Copyright);
        Company->setText(Intitule(apropos::PrefixeOrganisation) + Infos.Organisation);
        TradeMarks->setText(Intitule(apropos::PrefixeMarques) + Infos.MarquesLegales);
        Version->setText(Intitule(apropos::PrefixeVersion) +
                         tr("%1.%2 du %3")
                             .arg(QString::number(Infos.VersionMajeure),
                                  QString::number(Infos.VersionMineure), DateProgramme));
    }
    NommerPourLecteurs();
    // La flèche elle-même, et non le pointeur que chaque contrôle choisirait.
    setCursor(Qt::ArrowCursor);
}

// Une fenêtre sans barre de titre, un bouton et des images sans texte : les lecteurs d'écran
// n'auraient rien à dire d'eux sans ces noms.
void Apropos::NommerPourLecteurs()
{
    setAccessibleName(tr("À propos de %1").arg(Infos.NomProduit));
    Quitter->setAccessibleName(tr("Quitter"));
    Dessin4->setAccessibleName(tr("Emblème de %1").arg(Infos.NomProduit));
    Picture1->setAccessibleName(tr("Logo de l'association Gelvo"));
    Afficheur->setAccessibleName(tr("Historique des versions"));
    Text1->setAccessibleName(tr("Assistance technique"));
}

void Apropos::showEvent(QShowEvent *evenement)
{
    QDialog::showEvent(evenement);
    // Un réaffichage venu du système (fenêtre restaurée) laisse l'onglet où le joueur était.
    if (evenement->spontaneous())
        return;
    Onglet->setCurrentIndex(0);
    PlacerSurLesPages();
    // La fenêtre connaît maintenant l'écran où elle s'ouvre, et donc sa densité.
    ChargerImages();
}

void Apropos::ChargerImages()
{
    Dessin4->setPixmap(ImageALaDensite(Dessin4, QStringLiteral(":/images/embleme.png"), {73, 75}));
    Picture1->setPixmap(
        ImageALaDensite(Picture1, QStringLiteral(":/images/logo_gelvo.png"), {192, 65}));
}

void Apropos::Placer(QWidget *controle, const QRect &surOnglet)
{
    Placements.emplace_back(controle, surOnglet);
    controle->setGeometry(surOnglet);
}

void Apropos::PlacerSurLesPages()
{
    // Toutes les pages ont la même origine dans Onglet : celle de la pile des pages.
    const QPoint originePage = Onglet->widget(0)->mapTo(Onglet, QPoint(0, 0));
    for (const auto &[controle, surOnglet] : Placements)
        controle->setGeometry(surOnglet.translated(-originePage));
}

void Apropos::OuvrirDocument(const QString &nom)
{
    // Ce que le bureau fait de la demande, réussite ou échec, est son affaire : la fenêtre
    // n'affiche rien et reste telle quelle.
    Ouvreur.Ouvrir(AdresseARemettre(nom));
}

void Apropos::Quitter_Click()
{
    reject();
}

} // namespace kalvoro
