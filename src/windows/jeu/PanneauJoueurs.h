#pragma once
#include "Cadre3D.h"
#include "Joueurs.h"

#include <QCoreApplication>
#include <array>

class QLabel;

namespace kalvoro {

// Les joueurs d'une partie à plusieurs, à la place des scores : une ligne par joueur, sa
// pastille de couleur, son prénom et ses paires. Celui qui a la main a une flèche dans sa
// pastille, son prénom en gras sur un fond de sa couleur : la couleur n'est jamais le seul signe.
class PanneauJoueurs : public Cadre3D {
    Q_OBJECT
public:
    explicit PanneauJoueurs(QWidget *parent);

    void Montrer(const Tablee &tablee);
    // La ligne d'un joueur telle qu'elle se lit, « ▶ Léa 3 » pour celui qui a la main.
    QString TexteLigne(int joueur) const;

private:
    struct Ligne {
        QLabel *pastille;
        QLabel *prenom;
        QLabel *paires;
    };
    Ligne CreerLigne(int joueur);
    void MontrerLigne(const Ligne &ligne, int joueur, const Tablee &tablee);

    std::array<Ligne, JoueursAuPlus> lignes{};
};

} // namespace kalvoro
