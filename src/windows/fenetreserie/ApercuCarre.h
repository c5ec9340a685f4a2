#pragma once
#include <QImage>
#include <QPointF>
#include <QSlider>
#include <optional>

namespace kalvoro {

// L'aperçu de l'image choisie dans « Mes séries », entière, le carré gardé pour la carte
// encadré et le reste assombri. Le joueur y déplace le carré à la souris (le tirer, ou cliquer
// où le mettre) ou au clavier (flèches, Page précédente et suivante, Début et Fin). C'est un
// curseur pour le lecteur d'écran : sa valeur va de 0 (carré en haut, ou à gauche) à 100 (en
// bas, ou à droite), et sa description dit en toutes lettres où est le carré.
class ApercuCarre : public QSlider {
    Q_OBJECT
public:
    explicit ApercuCarre(QWidget *parent = nullptr);

    // Montre cette image entière, son carré à ce décalage (voir ImageLue) ; sans image entière
    // (une image déjà gardée), le carré seul, qui ne se déplace pas. Ne signale rien.
    void Montrer(const QImage &entiere, const QImage &carre, int decalage);
    // Le décalage du carré, en pixels de l'image entière, pour la valeur du curseur.
    int Decalage() const;
    // Où est le carré, en toutes lettres (« Carré en haut de la photo »).
    QString Position() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void sliderChange(SliderChange changement) override;

private:
    int Jeu() const;
    bool EnHauteur() const { return entiere.height() > entiere.width(); }
    // Où l'image entière est dessinée, et le carré dedans.
    QRectF Cible() const;
    QRectF Carre() const;
    // La valeur qui met le centre du carré à ce point du contrôle.
    int ValeurAuPoint(QPointF point) const;

    QImage entiere, carre;
    std::optional<QPointF> prise; // le point où la souris tire le carré, par rapport à son centre
};

} // namespace kalvoro
