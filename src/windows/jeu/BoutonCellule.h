#pragma once
#include <QPushButton>

class QKeyEvent;
class QMouseEvent;

namespace kalvoro {

// Une cellule du plateau. Pendant la pause d'un tour elle est gelée : elle reste activée (la
// désactiver et la réactiver à chaque tour inonderait les lecteurs d'écran d'événements) mais
// se dessine comme désactivée et ne prend ni clic ni touche. Au clavier, une carte déjà
// retournée ne se reprend pas, et une touche tenue (répétée) ne retourne rien.
class BoutonCellule : public QPushButton {
    Q_OBJECT
public:
    explicit BoutonCellule(QWidget *parent) : QPushButton(parent) {}

    void Geler(bool gelee);
    bool Gelee() const { return gelee; }
    void MontrerFace(bool visible) { faceVisible = visible; }

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void keyPressEvent(QKeyEvent *touche) override;
    void keyReleaseEvent(QKeyEvent *touche) override;
    void mousePressEvent(QMouseEvent *souris) override;
    void mouseReleaseEvent(QMouseEvent *souris) override;
    void mouseDoubleClickEvent(QMouseEvent *souris) override;

private:
    bool ToucheRefusee(const QKeyEvent &touche) const;

    bool gelee = false;
    bool faceVisible = false;
};

} // namespace kalvoro
