#include "Cadre3D.h"

#include "Accessibilite.h"

#include <QPainter>

namespace kalvoro {

namespace {

constexpr int RetraitLegende = 7; // pixels entre le bord gauche et la légende
constexpr int MargeLegende = 2;   // le trait s'interrompt un peu avant et après elle

// Un trait d'un pixel logique sur chaque bord du rectangle, en aplats : à 150 % ou 200 % il
// couvre les mêmes pixels logiques qu'à 100 %, alors qu'un trait de crayon, centré sur le bord,
// y laisserait dépasser dessous une rangée de l'étiquette qu'il doit couvrir.
void Contour(QPainter &peintre, const QRect &bords, const QColor &couleur)
{
    peintre.fillRect(bords.left(), bords.top(), bords.width(), 1, couleur);
    peintre.fillRect(bords.left(), bords.bottom(), bords.width(), 1, couleur);
    peintre.fillRect(bords.left(), bords.top(), 1, bords.height(), couleur);
    peintre.fillRect(bords.right(), bords.top(), 1, bords.height(), couleur);
}

class TraitsDuCadre : public QWidget {
public:
    explicit TraitsDuCadre(QGroupBox *cadre) : QWidget(cadre), leCadre(cadre)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter peintre(this);
        const QFontMetrics mesures(leCadre->font());
        const int haut = mesures.height() / 2;
        const int largeur = width() - 2, hauteur = height() - haut - 2;
        Contour(peintre, QRect(0, haut, largeur + 1, hauteur + 1), palette().color(QPalette::Dark));
        Contour(peintre, QRect(1, haut + 1, largeur + 1, hauteur + 1),
                palette().color(QPalette::Light));
        const QString titre = leCadre->title();
        if (titre.isEmpty())
            return;
        const QRect legende(RetraitLegende, 0, mesures.horizontalAdvance(titre), mesures.height());
        peintre.fillRect(legende.adjusted(-MargeLegende, 0, MargeLegende, 0),
                         palette().color(QPalette::Window));
        peintre.setFont(leCadre->font());
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.drawText(legende, Qt::AlignLeft | Qt::AlignVCenter, titre);
    }

private:
    QGroupBox *leCadre;
};

} // namespace

Cadre3D::Cadre3D(const QString &titre, QWidget *parent)
    : QGroupBox(titre, parent), traits(new TraitsDuCadre(this))
{
    CacherAuxLecteurs(traits);
}

void Cadre3D::paintEvent(QPaintEvent *)
{
    // Tout le dessin est celui des traits, au-dessus des contrôles.
}

void Cadre3D::resizeEvent(QResizeEvent *evenement)
{
    QGroupBox::resizeEvent(evenement);
    traits->setGeometry(rect());
}

void Cadre3D::showEvent(QShowEvent *evenement)
{
    QGroupBox::showEvent(evenement);
    traits->raise(); // les contrôles du cadre ont été créés après les traits
}

} // namespace kalvoro
