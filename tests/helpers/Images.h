#pragma once
// L'image qu'une cellule du plateau montre, telle que son icône la dessine à 32 pixels.
#include <QIcon>
#include <QImage>
#include <QPushButton>

namespace kalvoro {

inline QImage ImageDe(const QPushButton *cellule, QIcon::Mode mode = QIcon::Normal)
{
    return cellule->icon().pixmap(QSize(32, 32), mode).toImage();
}

} // namespace kalvoro
