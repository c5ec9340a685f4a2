// La construction des contrôles de Jeu : positions en twips, légendes, polices, couleurs et
// ordre de tabulation de la planche de dessin.
#include "Jeu.h"

#include "BarreEtat.h"
#include "Cadre3D.h"
#include "Polices.h"
#include "Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace kalvoro {

namespace {

constexpr int ColonnesPlateau = 8;
constexpr int TailleImage = 32;

// Cellule i (1 à 48) : rangée (i-1) div 8, colonne (i-1) mod 8, carrés de 855 espacés de 105.
constexpr QRect PlaceCellule(int i)
{
    const int rangee = (i - 1) / ColonnesPlateau;
    const int colonne = (i - 1) % ColonnesPlateau;
    return RectangleTwips(120 + 960 * colonne, 120 + 960 * rangee, 855, 855);
}
static_assert(PlaceCellule(1) == QRect(8, 8, 57, 57));
static_assert(PlaceCellule(48).topLeft() == QPoint(Px(6840), Px(4920)));

// Les trois étiquettes de score et de date : fond gris clair, texte centré, gras.
QLabel *CreerEtiquette(const QString &nom, QWidget *cadre, double points, const QColor &encre)
{
    auto *etiquette = new QLabel(cadre);
    etiquette->setObjectName(nom);
    etiquette->setGeometry(RectangleTwips(120, 240, 1215, 375));
    etiquette->setAlignment(Qt::AlignCenter);
    etiquette->setFont(Police(MsSansSerif, points, true));
    etiquette->setAutoFillBackground(true);
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, encre);
    etiquette->setPalette(palette);
    return etiquette;
}

QGroupBox *CreerCadre(const QString &nom, const QString &titre, const QRect &place, QWidget *parent)
{
    auto *cadre = new Cadre3D(titre, parent);
    cadre->setObjectName(nom);
    cadre->setGeometry(place);
    return cadre;
}

QPushButton *CreerBouton(const QString &nom, const QString &legende, int haut, QWidget *parent)
{
    auto *bouton = new QPushButton(legende, parent);
    bouton->setObjectName(nom);
    bouton->setGeometry(RectangleTwips(7800, haut, 1455, 375));
    bouton->setAutoDefault(false);
    return bouton;
}

} // namespace

void Jeu::CreerPlateau()
{
    for (int i = 1; i <= 48; ++i) {
        auto *cellule = new QPushButton(this);
        cellule->setObjectName(QStringLiteral("Bouton%1").arg(i));
        cellule->setGeometry(PlaceCellule(i));
        cellule->setIconSize(QSize(TailleImage, TailleImage));
        cellule->setAutoDefault(false);
        cellule->setAccessibleName(QStringLiteral("Carte %1, face cachée").arg(i));
        cellule->installEventFilter(this);
        connect(cellule, &QPushButton::clicked, this, [this, i] { Bouton_Click(i); });
        Bouton[i] = cellule;
    }
}

void Jeu::CreerCadres()
{
    Frame2 = CreerCadre(QStringLiteral("Frame2"), QStringLiteral("Date"),
                        RectangleTwips(7800, 120, 1455, 615), this);
    AfficheDate = CreerEtiquette(QStringLiteral("AfficheDate"), Frame2, 9.75,
                                 palette().color(QPalette::WindowText));
    Frame1 = CreerCadre(QStringLiteral("Frame1"), QStringLiteral("Choix de la série"),
                        RectangleTwips(7800, 840, 1455, 855), this);
    ListeJeux = new QComboBox(Frame1);
    ListeJeux->setObjectName(QStringLiteral("ListeJeux"));
    ListeJeux->setEditable(false);
    ListeJeux->setGeometry(RectangleTwips(120, 360, 1215, 315));
    // La molette ne donne pas le focus à la liste : passer dessus ne choisit rien.
    ListeJeux->setFocusPolicy(Qt::StrongFocus);
    ListeJeux->installEventFilter(this);
    connect(ListeJeux, &QComboBox::activated, this, &Jeu::ListeJeux_Click);
    Frame4 = CreerCadre(QStringLiteral("Frame4"), QStringLiteral("Meilleur score"),
                        RectangleTwips(7800, 1800, 1455, 735), this);
    MeilleurScore = CreerEtiquette(QStringLiteral("MeilleurScore"), Frame4, 13.5, Qt::red);
    Frame3 = CreerCadre(QStringLiteral("Frame3"), QStringLiteral("Score en cours"),
                        RectangleTwips(7800, 2640, 1455, 735), this);
    ScoreEnCours = CreerEtiquette(QStringLiteral("ScoreEnCours"), Frame3, 13.5, Qt::blue);
}

void Jeu::CreerCommandes()
{
    Annuler = CreerBouton(QStringLiteral("Annuler"), QStringLiteral("&Annuler"), 3480, this);
    Scores = CreerBouton(QStringLiteral("Scores"), QStringLiteral("&Scores"), 3960, this);
    Command1 = CreerBouton(QStringLiteral("Command1"), QStringLiteral("&A propos"), 4440, this);
    Aide = CreerBouton(QStringLiteral("Aide"), QStringLiteral("&Aide"), 4920, this);
    Quitter = CreerBouton(QStringLiteral("Quitter"), QStringLiteral("&Quitter"), 5400, this);
    Annuler->installEventFilter(this);
    connect(Annuler, &QPushButton::clicked, this, &Jeu::Annuler_Click);
    connect(Scores, &QPushButton::clicked, this, &Jeu::Scores_Click);
    connect(Command1, &QPushButton::clicked, this, &Jeu::Command1_Click);
    connect(Aide, &QPushButton::clicked, this, &Jeu::Aide_Click);
    connect(Quitter, &QPushButton::clicked, this, &Jeu::Quitter_Click);

    Minuterie = new QTimer(this);
    Minuterie->setObjectName(QStringLiteral("Minuterie"));
    Minuterie->setInterval(100);
    // Une minuterie grossière peut sonner jusqu'à 5 % en avance : la pause d'un tour
    // durerait moins de 800 ms.
    Minuterie->setTimerType(Qt::PreciseTimer);
    connect(Minuterie, &QTimer::timeout, this, &Jeu::Minuterie_Timer);

    Barre = new BarreEtat(this);
    Barre->setGeometry(RectangleTwips(0, 5850, 9345, 345));
}

// Les cellules 1 à 48, puis Quitter, Scores, Annuler, ListeJeux, Aide et Command1 ; les
// cadres, les étiquettes et la barre d'état ne prennent pas le focus.
void Jeu::OrdonnerTabulation()
{
    QList<QWidget *> ordre(Bouton.begin() + 1, Bouton.end());
    ordre << Quitter << Scores << Annuler << ListeJeux << Aide << Command1;
    for (qsizetype k = 1; k < ordre.size(); ++k)
        setTabOrder(ordre[k - 1], ordre[k]);
    Barre->setFocusPolicy(Qt::NoFocus);
}

} // namespace kalvoro
