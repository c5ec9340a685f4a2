#include "Enregistre.h"

#include "Couleurs.h"
#include "EchecFatal.h"
#include "EntreeSurBouton.h"
#include "Focus.h"
#include "Polices.h"
#include "Twips.h"
#include "ZoneSaisie.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace kalvoro {

namespace {

// Une traduction plus longue que le texte français garde la place du plan : sa police se
// réduit jusqu'à ce qu'elle y tienne (le français, lui, y tient toujours à 12 points).
QFont PoliceQuiTient(const QString &texte, int largeur, bool gras)
{
    for (double points = 12; points > 7; points -= 0.5) {
        const QFont police = Police(MsSansSerif, points, gras);
        if (QFontMetrics(police).horizontalAdvance(texte) <= largeur)
            return police;
    }
    return Police(MsSansSerif, 7, gras);
}

QLabel *Etiquette(QWidget *parent, const char *nom, const QString &texte, const QRect &place,
                  bool gras = false)
{
    auto *etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(QLatin1String(nom));
    etiquette->setTextFormat(Qt::PlainText); // la série vient d'ailleurs : jamais lue en HTML
    etiquette->setGeometry(place);
    etiquette->setFont(texte.isEmpty() ? Police(MsSansSerif, 12, gras)
                                       : PoliceQuiTient(texte, place.width(), gras));
    return etiquette;
}

ZoneSaisie *Zone(QWidget *parent, const char *nom, int longueurMax, const QRect &place)
{
    auto *zone = new ZoneSaisie(parent);
    zone->setObjectName(QLatin1String(nom));
    zone->PoserLongueurMax(longueurMax);
    zone->setGeometry(place);
    return zone;
}

QPushButton *Bouton(QWidget *parent, const char *nom, const QString &texte, const QRect &place)
{
    auto *bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QLatin1String(nom));
    bouton->setGeometry(place);
    // Aucun bouton par défaut : dans les zones, Entrée passe de l'une à l'autre ; sur le bouton
    // qui a le focus, elle l'appuie (EntreeAppuieLeBouton).
    bouton->setAutoDefault(false);
    bouton->setDefault(false);
    return bouton;
}

} // namespace

Enregistre::Enregistre(OperationsFenetre &jeu, MagasinScores &magasin, QWidget *parent)
    : QDialog(parent), Saisie(*this, jeu, magasin)
{
    setObjectName(QStringLiteral("Enregistre"));
    EntreeAppuieLeBouton();
    setWindowTitle(tr("Enregistrement des scores"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(Px(5415), Px(2400));
    setFont(Police(MsSansSerif, 8));
    QPalette fond = palette();
    fond.setColor(QPalette::Window, GrisClair);
    setPalette(fond);
    setAutoFillBackground(true);
    CreerControles();
    OrdonnerClavier();
    Saisie.Form_Load();
}

void Enregistre::CreerControles()
{
    Label1 = Etiquette(this, "Label1", tr("Série : "), RectangleTwips(120, 120, 855, 375));
    Serie = Etiquette(this, "Serie", QString(), RectangleTwips(960, 120, 2295, 375), true);
    Label2 = Etiquette(this, "Label2", tr("Score : "), RectangleTwips(3480, 120, 855, 375));
    Score = Etiquette(this, "Score", QString(), RectangleTwips(4320, 120, 855, 375), true);
    Label4 = Etiquette(this, "Label4", tr("Prénom"), RectangleTwips(120, 600, 855, 375));
    Prenom = Zone(this, "Prenom", LongueurPrenom, RectangleTwips(1200, 600, 3615, 285));
    Label3 = Etiquette(this, "Label3", tr("Nom"), RectangleTwips(120, 1080, 855, 375));
    Nom = Zone(this, "Nom", LongueurNom, RectangleTwips(1200, 1080, 4095, 285));
    // Chaque zone est nommée par l'étiquette qui la précède (« Prénom », « Nom ») pour les
    // lecteurs d'écran ; sans touche d'accès dans l'étiquette, rien ne change à l'écran.
    Label4->setBuddy(Prenom);
    Label3->setBuddy(Nom);
    Prenom->PoserFiltre([this](QChar c) { return Saisie.Prenom_KeyPress(c); });
    Nom->PoserFiltre([this](QChar c) { return Saisie.Nom_KeyPress(c); });
    CreerBoutons();
}

void Enregistre::CreerBoutons()
{
    BoiteBoutons = new QGroupBox(this);
    BoiteBoutons->setObjectName(QStringLiteral("BoiteBoutons"));
    BoiteBoutons->setGeometry(RectangleTwips(1320, 1560, 2775, 735));
    Annuler = Bouton(BoiteBoutons, "Annuler", tr("&Annuler"), RectangleTwips(1440, 240, 1215, 375));
    Valider = Bouton(BoiteBoutons, "Valider", tr("&Valider"), RectangleTwips(120, 240, 1215, 375));
    connect(Annuler, &QPushButton::clicked, this, &Enregistre::Annuler_Click);
    connect(Valider, &QPushButton::clicked, this, &Enregistre::Valider_Click);
}

void Enregistre::OrdonnerClavier()
{
    // Valider est à gauche d'Annuler, mais la touche Tab passe par Annuler d'abord.
    setTabOrder(Prenom, Nom);
    setTabOrder(Nom, Annuler);
    setTabOrder(Annuler, Valider);
    Prenom->setFocus();
}

void Enregistre::reject()
{
    Saisie.Annuler_Click();
}

void Enregistre::keyPressEvent(QKeyEvent *evenement)
{
    // Aucun des deux boutons n'est un bouton d'annulation : Échap ne fait rien.
    if (evenement->key() == Qt::Key_Escape && evenement->modifiers() == Qt::NoModifier) {
        evenement->accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void Enregistre::Valider_Click()
{
    try {
        Saisie.Valider_Click();
    } catch (const ErreurScores &erreur) {
        // Le magasin n'a rien laissé à moitié écrit ; le dialogue se ferme sans rien toucher.
        // (Un fichier seulement occupé ne vient pas jusqu'ici : la saisie propose de réessayer.)
        SignalerEchecScores(this, erreur);
        Saisie.Annuler_Click();
    }
}

void Enregistre::Annuler_Click()
{
    Saisie.Annuler_Click();
}

QString Enregistre::TextePrenom() const
{
    return Prenom->text();
}

QString Enregistre::TexteNom() const
{
    return Nom->text();
}

void Enregistre::DonnerFocus(Controle controle)
{
    QWidget *cible = controle == Controle::Prenom ? static_cast<QWidget *>(Prenom)
                     : controle == Controle::Nom  ? static_cast<QWidget *>(Nom)
                                                  : static_cast<QWidget *>(Valider);
    DonnerFocusVisible(cible);
}

// La série suivie d'une taille de plateau, ou un long nom de série du joueur, se lit entière
// dans la place du plan, quitte à perdre quelques points.
void Enregistre::EcrireSerie(const QString &texte)
{
    Serie->setText(texte);
    Serie->setFont(PoliceQuiTient(texte, Serie->width(), true));
    DecrirePourLecteurs();
}

QString Enregistre::LireSerie() const
{
    return Serie->text();
}

void Enregistre::EcrireScore(const QString &texte)
{
    Score->setText(texte);
    DecrirePourLecteurs();
}

// Les lecteurs d'écran taisent les étiquettes de moins de trois mots d'un dialogue qui
// s'ouvre, mais disent sa description : la série et le score y sont, dès l'ouverture.
void Enregistre::DecrirePourLecteurs()
{
    setAccessibleDescription(tr("Série : %1. Score : %2.").arg(Serie->text(), Score->text()));
}

QString Enregistre::LireScore() const
{
    return Score->text();
}

int Enregistre::LargeurDialogue() const
{
    // La largeur intérieure : le cadre de la fenêtre n'est pas encore connu avant l'affichage,
    // et c'est dans l'intérieur que les boutons doivent paraître centrés.
    return width();
}

int Enregistre::LargeurBoiteBoutons() const
{
    return BoiteBoutons->width();
}

void Enregistre::PlacerBoiteBoutons(int gauche)
{
    BoiteBoutons->move(gauche, BoiteBoutons->y());
}

void Enregistre::MessageArret(const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Critical, titre, texte, QMessageBox::Ok, this);
    boite.setTextFormat(Qt::PlainText); // les noms saisis ne sont jamais lus comme du HTML
    boite.exec();
}

bool Enregistre::ProposerReessai(const QString &texte)
{
    return kalvoro::ProposerReessai(this, texte);
}

void Enregistre::Fermer()
{
    QDialog::reject();
}

} // namespace kalvoro
