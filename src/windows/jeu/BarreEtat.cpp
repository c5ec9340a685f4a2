#include "BarreEtat.h"

#include "Programme.h"
#include "Twips.h"

#include "Verrous.h"
#include <QResizeEvent>
#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace kalvoro {

namespace {

struct DescriptionPanneau {
    int largeurTwips;
    const char *texte;
};

// Largeurs et étiquettes des sept panneaux, de gauche à droite.
constexpr std::array<DescriptionPanneau, 7> Panneaux = {
    {{4810, ""},
     {600, QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "DEFIL")},
     {600, QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "INS")},
     {600, QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "MAJ")},
     {600, QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "NUM")},
     {1005, ""},
     {795, ""}}};

constexpr int PanneauDefil = 2, PanneauIns = 3, PanneauMaj = 4, PanneauNum = 5;
constexpr int PanneauDate = 6, PanneauHeure = 7;

// Les voyants se lisent par leur nom : un lecteur d'écran ne dit pas qu'une étiquette est
// grisée. Par voyant, de DEFIL à NUM : éteint, puis allumé.
constexpr const char *NomsVoyants[4][2] = {
    {QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Arrêt défilement : éteint"),
     QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Arrêt défilement : allumé")},
    {QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Insertion : éteint"),
     QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Insertion : allumé")},
    {QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Verrouillage des majuscules : éteint"),
     QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Verrouillage des majuscules : allumé")},
    {QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Verrouillage numérique : éteint"),
     QT_TRANSLATE_NOOP("kalvoro::BarreEtat", "Verrouillage numérique : allumé")}};

// Le voyant est rafraîchi souvent : une touche changée dans une autre fenêtre se voit vite.
constexpr int IntervalleRafraichissementMs = 250;

} // namespace

BarreEtat::BarreEtat(QWidget *parent, Horloge horlogeChoisie)
    : QWidget(parent), horloge(std::move(horlogeChoisie)), rafraichissement(new QTimer(this))
{
    setObjectName(QStringLiteral("Barre"));
    setAccessibleName(tr("Barre d'état"));
    CreerPanneaux();
    connect(rafraichissement, &QTimer::timeout, this, &BarreEtat::Rafraichir);
    rafraichissement->start(IntervalleRafraichissementMs);
    qApp->installEventFilter(this);
    Rafraichir();
}

void BarreEtat::CreerPanneaux()
{
    for (int k = 0; k < 7; ++k) {
        const char *texte = Panneaux[k].texte;
        auto *panneau = new QLabel(*texte ? tr(texte) : QString(), this);
        panneau->setObjectName(QStringLiteral("Panneau%1").arg(k + 1));
        panneau->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panneau->setAlignment(k == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        panneau->setIndent(3);
        panneaux[k] = panneau;
    }
    PlacerPanneaux(0);
}

void BarreEtat::PlacerPanneaux(int gagne)
{
    // La fenêtre agrandie élargit le panneau des informations ; les voyants, la date et
    // l'heure restent à leur largeur, à droite.
    const int hauteur = Px(345);
    int gauche = 0;
    for (int k = 0; k < 7; ++k) {
        const int largeur = Px(Panneaux[k].largeurTwips) + (k == 0 ? gagne : 0);
        panneaux[k]->setGeometry(gauche, 1, largeur, hauteur - 2);
        gauche += largeur + 1;
    }
}

void BarreEtat::resizeEvent(QResizeEvent *evenement)
{
    QWidget::resizeEvent(evenement);
    PlacerPanneaux(std::max(0, width() - Px(9345)));
}

QLabel *BarreEtat::Panneau(int numero) const
{
    return panneaux.at(numero - 1);
}

void BarreEtat::EcrireInformation(const QString &texte)
{
    Panneau(1)->setText(texte);
}

void BarreEtat::AllumerVoyant(int numero, bool allume)
{
    QLabel *voyant = Panneau(numero);
    // Rafraîchi quatre fois par seconde : seul un changement est dit aux lecteurs d'écran.
    if (voyant->isEnabled() == allume && !voyant->accessibleName().isEmpty())
        return;
    voyant->setEnabled(allume);
    voyant->setAccessibleName(tr(NomsVoyants[numero - PanneauDefil][allume ? 1 : 0]));
}

void BarreEtat::Rafraichir()
{
    AllumerVoyant(PanneauDefil, EtatVerrou(Verrou::Defilement).value_or(false));
    AllumerVoyant(PanneauIns, insertion);
    AllumerVoyant(PanneauMaj, EtatVerrou(Verrou::Majuscules).value_or(false));
    AllumerVoyant(PanneauNum, EtatVerrou(Verrou::Numerique).value_or(false));
    const QDateTime maintenant = horloge();
    Panneau(PanneauDate)->setText(FormaterDate(maintenant.date()));
    Panneau(PanneauHeure)->setText(FormaterHeure(maintenant.time()));
}

bool BarreEtat::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return false;
    const auto *touche = static_cast<QKeyEvent *>(evenement);
    if (touche->key() != Qt::Key_Insert || touche->isAutoRepeat())
        return false;
    // Le système remet chaque touche d'abord à la fenêtre (QWindow), qui la transmet ensuite au
    // widget qui a le focus puis à ses parents : ne la compter qu'à cette première réception.
    if (objet->isWindowType()) {
        insertion = !insertion;
        AllumerVoyant(PanneauIns, insertion);
    }
    return false;
}

} // namespace kalvoro
