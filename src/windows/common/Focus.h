#pragma once
#include <QWidget>

namespace kalvoro {

// Le focus déplacé par le programme, avec son cadre visible comme après une tabulation : Qt ne
// le dessine qu'après une touche de déplacement, et le joueur au clavier doit voir où la barre
// d'espace agira.
inline void DonnerFocusVisible(QWidget *controle)
{
    controle->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    controle->setFocus(Qt::OtherFocusReason);
}

} // namespace kalvoro
