#pragma once
#include "DimensionsPlateau.h"
#include "JoueurOrdinateur.h"
#include "Joueurs.h"
#include "OperationsFenetre.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <array>
#include <functional>
#include <optional>

namespace kalvoro {

// L'état de la seule partie que tient la fenêtre Jeu, et ce qu'y font un clic, un tic et
// l'abandon. La pause après la deuxième carte est un état, terminée par le huitième tic de la
// minuterie : aucun clic de cellule n'est pris pendant la pause ni pendant un autre clic.
// À plusieurs, la main passe au suivant après un tour sans paire ; le tour de l'ordinateur se
// joue au rythme de la minuterie, le plateau gelé pour les autres.
class Partie {
    Q_DECLARE_TR_FUNCTIONS(Partie)
public:
    // Source de x, uniforme sur [0, 1) ; un test la remplace pour forcer la donne.
    using SourceX = std::function<float()>;

    explicit Partie(OperationsFenetre &fenetre, SourceX source = SourceParDefaut());

    // Générateur semé une fois par l'entropie du système et l'horloge.
    static SourceX SourceParDefaut();

    void Annuler_Click();   // remise à zéro du plateau (abandon ou fin de partie)
    void Distribuer();      // nouvelle donne dans Tableau(1..cellules de la taille), Distribue := 1
    void Minuterie_Timer(); // un tic de 100 ms
    void Bouton_Click(int i); // une carte jouée par une personne

    // L'ordinateur joue le tour en cours : aucune carte n'est prise des autres.
    bool TourOrdinateur() const;
    // Les joueurs de la partie, ou ceux de la prochaine au repos.
    const Tablee &LaTablee() const { return tablee; }

    bool EnPause() const;
    // La carte de cette cellule forme-t-elle une paire avec la première carte du tour ?
    bool FormePaire(int cellule) const;
    // Le plateau de la partie : celui de la donne en cours, sinon celui que le joueur a choisi.
    TaillePlateau Taille() const;

    // L'état, sous les noms du jeu ; en lecture pour la fenêtre et les tests.
    const std::array<qint16, TailleTableauCellules> &Tableau() const { return tableau; }
    int Distribue() const { return distribue; }
    int NbRetournees() const { return nbRetournees; }
    int Valeur1() const { return valeur1; }
    int Valeur2() const { return valeur2; }
    int Position1() const { return position1; }
    int Position2() const { return position2; }
    qint32 NbClics() const { return nbClics; }
    int NbPaires() const { return nbPaires; }
    qint16 Tempo() const { return tempo; }

private:
    bool ClicRecevable(int i) const;
    void JouerCarte(int i);
    void JouerPourLOrdinateur();
    QList<int> CellulesJouables() const;
    void RetournerCarte(int i);
    void CommencerPause();
    void FinirTour();
    void CacherPaire();
    void PasserLaMain(bool paire);
    void FinirPartie();
    void FinirPartieAPlusieurs();
    void Attabler();

    OperationsFenetre &fenetre;
    SourceX source;
    TaillePlateau taille; // celle de la donne
    std::array<qint16, TailleTableauCellules> tableau{};
    int distribue = 0;
    int nbRetournees = 0;
    int valeur1 = 0;
    int valeur2 = 0;
    int position1 = 0;
    int position2 = 0;
    qint32 nbClics = 0;
    int nbPaires = 0;
    qint16 tempo = 0;

    // La pause en cours : deux cartes visibles, plateau gelé, minuterie en marche.
    bool enPause = false;
    // Un clic ou une fin de tour se déroule : la fin de partie ouvre des fenêtres modales,
    // pendant lesquelles aucun autre clic de cellule ne doit être pris.
    bool clicEnTraitement = false;
    // Les cellules des paires trouvées, cachées jusqu'à la remise à zéro.
    std::array<bool, TailleTableauCellules> cachee{};
    Tablee tablee;
    std::optional<JoueurOrdinateur> ordinateur;
};

} // namespace kalvoro
