#include "ApercuCarre.h"
#include "ImagesSerie.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace kalvoro {

namespace {

// Le côté de l'aperçu, en points : assez pour voir les visages, et la fenêtre tient encore dans
// 1366 × 768 à 150 %.
constexpr int CoteApercu = 144;

} // namespace

ApercuCarre::ApercuCarre(QWidget *parent) : QSlider(parent)
{
    setRange(0, 100);
    setSingleStep(5);
    setPageStep(25);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    // Sa place, quel que soit le sens de la photo : un curseur en largeur aurait une hauteur
    // fixe, et la fenêtre ne tiendrait plus dans un petit écran agrandi.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    Montrer({}, {}, 0);
}

void ApercuCarre::Montrer(const QImage &image, const QImage &sonCarre, int decalage)
{
    entiere = image;
    carre = sonCarre;
    prise.reset();
    const QSignalBlocker silence(this);
    setOrientation(EnHauteur() ? Qt::Vertical : Qt::Horizontal);
    setEnabled(Jeu() > 0);
    setValue(Jeu() > 0 ? qRound(100.0 * decalage / Jeu()) : 50);
    sliderChange(SliderValueChange);
    update();
}

int ApercuCarre::Jeu() const
{
    return entiere.isNull() ? 0 : JeuDuCarre(entiere);
}

int ApercuCarre::Decalage() const
{
    return qRound(value() * Jeu() / 100.0);
}

QString ApercuCarre::Position() const
{
    if (carre.isNull())
        return tr("Aucune image choisie.");
    if (Jeu() == 0)
        return entiere.isNull() ? tr("Image déjà gardée : son carré ne se déplace plus.")
                                : tr("Image carrée : elle est gardée entière.");
    const bool haut = EnHauteur();
    if (value() == minimum())
        return haut ? tr("Carré en haut de la photo") : tr("Carré à gauche de la photo");
    if (value() == maximum())
        return haut ? tr("Carré en bas de la photo") : tr("Carré à droite de la photo");
    if (value() == 50)
        return tr("Carré au milieu de la photo");
    return haut ? tr("Carré à %1 % de la hauteur, depuis le haut").arg(value())
                : tr("Carré à %1 % de la largeur, depuis la gauche").arg(value());
}

QSize ApercuCarre::sizeHint() const
{
    return {CoteApercu, CoteApercu};
}

QSize ApercuCarre::minimumSizeHint() const
{
    return {CoteApercu * 2 / 3, CoteApercu * 2 / 3};
}

QRectF ApercuCarre::Cible() const
{
    const QImage &montree = entiere.isNull() ? carre : entiere;
    if (montree.isNull())
        return {};
    const QSizeF taille =
        QSizeF(montree.size()).scaled(QSizeF(size()) - QSizeF(4, 4), Qt::KeepAspectRatio);
    return {QPointF((width() - taille.width()) / 2, (height() - taille.height()) / 2), taille};
}

QRectF ApercuCarre::Carre() const
{
    const QRectF cible = Cible();
    if (entiere.isNull())
        return cible;
    const qreal cote = std::min(cible.width(), cible.height());
    const qreal echelle = cote / std::min(entiere.width(), entiere.height());
    const qreal decalage = Decalage() * echelle;
    return EnHauteur() ? QRectF(cible.left(), cible.top() + decalage, cote, cote)
                       : QRectF(cible.left() + decalage, cible.top(), cote, cote);
}

int ApercuCarre::ValeurAuPoint(QPointF point) const
{
    const QRectF cible = Cible(), leCarre = Carre();
    const qreal course =
        EnHauteur() ? cible.height() - leCarre.height() : cible.width() - leCarre.width();
    if (course <= 0)
        return value();
    const qreal debut = EnHauteur() ? point.y() - cible.top() - leCarre.height() / 2
                                    : point.x() - cible.left() - leCarre.width() / 2;
    return qBound(0, qRound(100 * debut / course), 100);
}

void ApercuCarre::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF cible = Cible();
    if (!cible.isEmpty()) {
        peintre.drawImage(cible, entiere.isNull() ? carre : entiere);
        // Ce que la carte ne montrera pas est assombri.
        QPainterPath dehors;
        dehors.addRect(cible);
        QPainterPath dedans;
        dedans.addRect(Carre());
        peintre.fillPath(dehors.subtracted(dedans), QColor(0, 0, 0, 150));
        peintre.setPen(QPen(palette().color(QPalette::Highlight), 2));
        peintre.drawRect(Carre().adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &peintre, this);
    }
}

void ApercuCarre::keyPressEvent(QKeyEvent *evenement)
{
    // Haut et gauche montent le carré (ou le poussent à gauche), bas et droite l'inverse, quel
    // que soit le sens de la photo.
    int pas = 0;
    switch (evenement->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        pas = -singleStep();
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        pas = singleStep();
        break;
    case Qt::Key_PageUp:
        pas = -pageStep();
        break;
    case Qt::Key_PageDown:
        pas = pageStep();
        break;
    case Qt::Key_Home:
        pas = -maximum();
        break;
    case Qt::Key_End:
        pas = maximum();
        break;
    default:
        QWidget::keyPressEvent(evenement);
        return;
    }
    setValue(value() + pas);
    evenement->accept();
}

void ApercuCarre::mousePressEvent(QMouseEvent *evenement)
{
    if (evenement->button() != Qt::LeftButton || !isEnabled()) {
        QWidget::mousePressEvent(evenement);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPointF point = evenement->position();
    // Un clic hors du carré l'y amène ; dans le carré, il le prend là où il est.
    if (!Carre().contains(point))
        setValue(ValeurAuPoint(point));
    prise = point - Carre().center();
    setCursor(Qt::ClosedHandCursor);
    evenement->accept();
}

void ApercuCarre::mouseMoveEvent(QMouseEvent *evenement)
{
    if (!prise) {
        QWidget::mouseMoveEvent(evenement);
        return;
    }
    setValue(ValeurAuPoint(evenement->position() - *prise));
    evenement->accept();
}

void ApercuCarre::mouseReleaseEvent(QMouseEvent *evenement)
{
    prise.reset();
    setCursor(Qt::OpenHandCursor);
    QWidget::mouseReleaseEvent(evenement);
}

void ApercuCarre::sliderChange(SliderChange changement)
{
    // Le lecteur d'écran lit la valeur (0 à 100) puis la description : où est le carré.
    setAccessibleDescription(Position());
    setToolTip(Position());
    update();
    QSlider::sliderChange(changement);
}

} // namespace kalvoro
