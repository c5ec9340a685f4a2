#pragma once
#include <QGroupBox>

namespace kalvoro {

// Un cadre à l'ancienne : un double trait gravé (gris foncé et blanc) dont le trait du haut
// passe au milieu de la légende, et dont l'intérieur commence sous ce trait. Les étiquettes
// grises posées dedans touchent ses bords (celle de la date descend jusqu'au bas du cadre) :
// les traits sont donc dessinés par-dessus les contrôles du cadre, sans prendre la souris.
// Les lecteurs d'écran n'y voient qu'un groupe nommé par sa légende, sans les traits.
class Cadre3D : public QGroupBox {
    Q_OBJECT
public:
    Cadre3D(const QString &titre, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;

private:
    QWidget *traits;
};

} // namespace kalvoro
