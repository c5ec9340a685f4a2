#include "FabriqueControles.h"

#include "Cadre3D.h"
#include "Couleurs.h"
#include "Polices.h"
#include "Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
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

class FlechesQuiOuvrent : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::KeyPress || !EstFlecheDeListe(*evenement))
            return QObject::eventFilter(objet, evenement);
        static_cast<QComboBox *>(objet)->showPopup();
        return true;
    }

private:
    static bool EstFlecheDeListe(const QEvent &evenement)
    {
        const auto &touche = static_cast<const QKeyEvent &>(evenement);
        if (touche.modifiers() & ~Qt::KeypadModifier)
            return false;
        switch (touche.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
        }
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

void OuvrirAuxFleches(QComboBox *liste)
{
    liste->installEventFilter(new FlechesQuiOuvrent(liste));
}

} // namespace kalvoro
