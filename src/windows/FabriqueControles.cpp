#include "FabriqueControles.h"

#include "Cadre3D.h"
#include "Couleurs.h"
#include "Polices.h"
#include "Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace kalvoro {

namespace {

class MoletteSansFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        const auto *liste = static_cast<QWidget *>(objet);
        if (evenement->type() == QEvent::Wheel && !liste->hasFocus()) {
            evenement->ignore();
            return true;
        }
        return QObject::eventFilter(objet, evenement);
    }
};

} // namespace

QLabel *CreerEtiquette(const QString &nom, QWidget *cadre, double points, const QColor &encre)
{
    auto *etiquette = new QLabel(cadre);
    etiquette->setObjectName(nom);
    etiquette->setGeometry(RectangleTwips(120, 240, 1215, 375));
    etiquette->setAlignment(Qt::AlignCenter);
    etiquette->setFont(Police(MsSansSerif, points, true));
    etiquette->setAutoFillBackground(true);
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::Window, GrisClair);
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

QPushButton *CreerCommande(const QString &nom, const QString &legende, int haut, QWidget *parent)
{
    auto *bouton = new QPushButton(legende, parent);
    bouton->setObjectName(nom);
    bouton->setGeometry(RectangleTwips(7800, haut, 1455, 375));
    bouton->setAutoDefault(false);
    return bouton;
}

QTimer *CreerMinuterie(QObject *parent)
{
    auto *minuterie = new QTimer(parent);
    minuterie->setObjectName(QStringLiteral("Minuterie"));
    minuterie->setInterval(100);
    // Une minuterie grossière peut sonner jusqu'à 5 % en avance : la pause d'un tour
    // durerait moins de 800 ms.
    minuterie->setTimerType(Qt::PreciseTimer);
    return minuterie;
}

void IgnorerMoletteSansFocus(QComboBox *liste)
{
    // La molette ne donne pas le focus à la liste : passer dessus ne choisit rien.
    liste->setFocusPolicy(Qt::StrongFocus);
    liste->installEventFilter(new MoletteSansFocus(liste));
}

} // namespace kalvoro
