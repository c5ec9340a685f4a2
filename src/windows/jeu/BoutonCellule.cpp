#include "BoutonCellule.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace kalvoro {

void BoutonCellule::Geler(bool geler)
{
    if (gelee == geler)
        return;
    gelee = geler;
    // Un clic sur une cellule gelée ne lui donne pas le focus : il resterait où le tour l'a mis.
    setFocusPolicy(gelee ? Qt::TabFocus : Qt::StrongFocus);
    update();
}

void BoutonCellule::paintEvent(QPaintEvent *)
{
    QStylePainter peintre(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // Gelée, la cellule se voit exactement comme la cellule désactivée d'autrefois.
    if (gelee) {
        option.state &= ~(QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_Sunken);
        option.palette.setCurrentColorGroup(QPalette::Disabled);
    }
    peintre.drawControl(QStyle::CE_PushButton, option);
}

bool BoutonCellule::ToucheRefusee(const QKeyEvent &touche) const
{
    const bool activation = touche.key() == Qt::Key_Space || touche.key() == Qt::Key_Select;
    return activation && (gelee || faceVisible || touche.isAutoRepeat());
}

void BoutonCellule::keyPressEvent(QKeyEvent *touche)
{
    if (ToucheRefusee(*touche))
        return touche->accept();
    QPushButton::keyPressEvent(touche);
}

void BoutonCellule::keyReleaseEvent(QKeyEvent *touche)
{
    if (ToucheRefusee(*touche) && !isDown())
        return touche->accept();
    QPushButton::keyReleaseEvent(touche);
}

void BoutonCellule::mousePressEvent(QMouseEvent *souris)
{
    if (gelee)
        return souris->accept();
    QPushButton::mousePressEvent(souris);
}

void BoutonCellule::mouseReleaseEvent(QMouseEvent *souris)
{
    if (gelee && !isDown())
        return souris->accept();
    QPushButton::mouseReleaseEvent(souris);
}

void BoutonCellule::mouseDoubleClickEvent(QMouseEvent *souris)
{
    if (gelee)
        return souris->accept();
    QPushButton::mouseDoubleClickEvent(souris);
}

} // namespace kalvoro
