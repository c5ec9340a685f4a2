#pragma once
#include <QTextBrowser>

namespace kalvoro {

// Le texte d'une section de l'aide. Il se présente aux lecteurs d'écran sans les marques que
// Qt laisse dans le texte d'un tableau (U+FDD0 et U+FDD1 au début et à la fin de chaque case) :
// lues telles quelles, elles séparaient les cases de la table des touches par un bruit au lieu
// d'une pause. Chaque marque y devient un saut de ligne, de même longueur : les positions dans
// le texte, celle du curseur comprise, restent celles du document.
class TexteAide : public QTextBrowser {
    Q_OBJECT
public:
    explicit TexteAide(QWidget *parent);
};

} // namespace kalvoro
