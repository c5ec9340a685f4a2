#pragma once
#include <QDateTime>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QResizeEvent;
class QTimer;

namespace kalvoro {

// La barre d'état Barre, en bas de Jeu : sept panneaux, le texte d'information, les voyants
// DEFIL, INS, MAJ et NUM (grisés quand la touche est éteinte ou son état inconnu), la date et
// l'heure. Elle se tient elle-même à jour ; seul le premier panneau est écrit par le programme.
class BarreEtat : public QWidget {
    Q_OBJECT
public:
    using Horloge = std::function<QDateTime()>;

    // Une lambda plutôt que &QDateTime::currentDateTime, que Qt 6.8 surcharge.
    explicit BarreEtat(
        QWidget *parent = nullptr, Horloge horloge = [] { return QDateTime::currentDateTime(); });

    void EcrireInformation(const QString &texte);
    // Panneau 1 à 7.
    QLabel *Panneau(int numero) const;

public slots:
    void Rafraichir();

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;

private:
    void CreerPanneaux();
    void PlacerPanneaux(int gagne);
    void AllumerVoyant(int numero, bool allume);

    Horloge horloge;
    std::array<QLabel *, 7> panneaux{};
    QTimer *rafraichissement;
    // Inser n'a pas de voyant système : le programme tient sa bascule, éteinte au lancement.
    bool insertion = false;
};

} // namespace kalvoro
