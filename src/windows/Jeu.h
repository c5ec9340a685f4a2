#pragma once
#include <QWidget>

namespace kalvoro {

// La fenêtre principale du jeu.
class Jeu : public QWidget {
    Q_OBJECT
public:
    explicit Jeu(QWidget *parent = nullptr);
};

} // namespace kalvoro
