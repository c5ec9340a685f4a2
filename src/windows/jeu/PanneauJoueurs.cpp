#include "PanneauJoueurs.h"

#include "Polices.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QLabel>

namespace kalvoro {

namespace {

// Quatre couleurs que distinguent aussi la plupart des daltoniens (bleu, orange, vert bleuté,
// pourpre) ; le fond de la ligne qui a la main en est une version claire.
const std::array<QColor, JoueursAuPlus> Couleurs{QColor(0, 90, 181), QColor(220, 110, 0),
                                                 QColor(0, 140, 120), QColor(150, 40, 130)};

// Le quart de la couleur sur du blanc : le fond de la ligne de celui qui a la main.
QColor Pale(const QColor &couleur)
{
    const auto quart = [](int composante) { return (composante + 3 * 255) / 4; };
    return QColor(quart(couleur.red()), quart(couleur.green()), quart(couleur.blue()));
}

constexpr int HautLigne = 255; // twips
constexpr int PremiereLigne = 240;

} // namespace

PanneauJoueurs::PanneauJoueurs(QWidget *parent) : Cadre3D(tr("Joueurs"), parent)
{
    setObjectName(QStringLiteral("PanneauJoueurs"));
    for (int joueur = 0; joueur < JoueursAuPlus; ++joueur)
        lignes[joueur] = CreerLigne(joueur);
}

PanneauJoueurs::Ligne PanneauJoueurs::CreerLigne(int joueur)
{
    const int haut = PremiereLigne + joueur * HautLigne;
    Ligne ligne{new QLabel(this), new QLabel(this), new QLabel(this)};
    ligne.pastille->setGeometry(RectangleTwips(90, haut + 30, 195, 195));
    ligne.pastille->setAutoFillBackground(true);
    ligne.pastille->setAlignment(Qt::AlignCenter);
    QPalette couleur = ligne.pastille->palette();
    couleur.setColor(QPalette::Window, Couleurs[joueur]);
    couleur.setColor(QPalette::WindowText, Qt::white);
    ligne.pastille->setPalette(couleur);
    ligne.prenom->setObjectName(QStringLiteral("Joueur%1").arg(joueur + 1));
    ligne.prenom->setGeometry(RectangleTwips(315, haut, 900, HautLigne));
    ligne.prenom->setAutoFillBackground(true);
    ligne.prenom->setTextFormat(Qt::PlainText); // un prénom n'est jamais lu en HTML
    ligne.paires->setObjectName(QStringLiteral("PairesJoueur%1").arg(joueur + 1));
    ligne.paires->setGeometry(RectangleTwips(1215, haut, 165, HautLigne));
    ligne.paires->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return ligne;
}

void PanneauJoueurs::Montrer(const Tablee &tablee)
{
    for (int joueur = 0; joueur < JoueursAuPlus; ++joueur)
        MontrerLigne(lignes[joueur], joueur, tablee);
}

void PanneauJoueurs::MontrerLigne(const Ligne &ligne, int joueur, const Tablee &tablee)
{
    const bool present = joueur < tablee.Joueurs().size();
    for (QLabel *morceau : {ligne.pastille, ligne.prenom, ligne.paires})
        morceau->setVisible(present);
    if (!present)
        return;
    const bool main = tablee.Courant() == joueur;
    QFont police = font();
    police.setBold(main);
    const QString prenom = tablee.Joueurs()[joueur].prenom;
    ligne.pastille->setText(main ? QStringLiteral("▶") : QString());
    ligne.prenom->setFont(police);
    ligne.prenom->setText(
        QFontMetrics(police).elidedText(prenom, Qt::ElideRight, ligne.prenom->width() - 2));
    ligne.paires->setFont(police);
    ligne.paires->setText(QString::number(tablee.PairesDe(joueur)));
    QPalette fond = ligne.prenom->palette();
    fond.setColor(QPalette::Window,
                  main ? Pale(Couleurs[joueur]) : palette().color(QPalette::Window));
    ligne.prenom->setPalette(fond);
    const QString paires = Tablee::TextePaires(tablee.PairesDe(joueur));
    ligne.prenom->setAccessibleName(main ? tr("%1 : %2, c'est son tour").arg(prenom, paires)
                                         : tr("%1 : %2").arg(prenom, paires));
    ligne.paires->setAccessibleName(paires);
}

QString PanneauJoueurs::TexteLigne(int joueur) const
{
    const Ligne &ligne = lignes[joueur];
    return (ligne.pastille->text() + QLatin1Char(' ') + ligne.prenom->text() + QLatin1Char(' ') +
            ligne.paires->text())
        .trimmed();
}

} // namespace kalvoro
