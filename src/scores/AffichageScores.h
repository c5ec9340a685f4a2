#pragma once
#include "MagasinScores.h"
#include "Series.h"

#include <QCoreApplication>
#include <QString>
#include <array>

namespace kalvoro {

// Une couleur (rouge, vert, bleu), de 0 à 255 chacun ; la logique n'a pas besoin de Qt Gui.
struct Couleur {
    int Rouge = 0;
    int Vert = 0;
    int Bleu = 0;
    friend bool operator==(const Couleur &, const Couleur &) = default;
};

enum class Alignement { Gauche, Centre };

// Un bouton de série de la visionneuse : sa légende en français (avec la touche d'accès), la
// série qu'il montre (nom de sa table) et la couleur de son texte, que prend la grille quand on
// le clique.
struct BoutonSerie {
    QString Legende;
    QString Tag;
    Couleur Texte;
};

inline constexpr int NombreBoutonsSeries = 6;

// Les six boutons, indices 0 à 5, dans l'ordre alphabétique des séries.
const std::array<BoutonSerie, NombreBoutonsSeries> &BoutonsSeries();

// Ce que la logique de la visionneuse demande à sa fenêtre : la grille Grille, le bouton
// Quitter et la légende. Les positions et largeurs sont en twips.
class OperationsGrille {
public:
    virtual ~OperationsGrille() = default;

    // Largeurs servant au centrage : la fenêtre avec son cadre, la grille, Quitter.
    virtual double LargeurFenetre() const = 0;
    virtual double LargeurGrille() const = 0;
    virtual double LargeurQuitter() const = 0;
    virtual void PlacerGrille(double gauche) = 0;
    virtual void PlacerQuitter(double gauche) = 0;

    virtual void DefinirCouleurTexte(const Couleur &couleur) = 0; // toutes les cellules
    virtual void DefinirLargeurColonne(int colonne, double largeur) = 0;
    virtual void DefinirAlignementColonne(int colonne, Alignement alignement) = 0;

    // La cellule courante, puis son texte.
    virtual void ChoisirLigne(int ligne) = 0;
    virtual int LigneCourante() const = 0;
    virtual void ChoisirColonne(int colonne) = 0;
    virtual void EcrireCellule(const QString &texte) = 0;

    virtual void DefinirLegende(const QString &legende) = 0;
};

// La logique de la visionneuse des meilleurs scores : une série à la fois, relue dans le
// magasin à chaque clic, jamais modifiée.
class AffichageScores {
    Q_DECLARE_TR_FUNCTIONS(AffichageScores)
public:
    static constexpr int NombreColonnes = 4;
    static constexpr int NombreLignes = 11;
    static constexpr int LignesAffichees = 10; // la onzième ligne reste vide

    AffichageScores(OperationsGrille &grille, MagasinScores &leMagasin);

    // Ouverture : centre la grille et Quitter, règle les colonnes. Ne lit rien.
    void Form_Load();

    // Clic (ou touche d'accès) sur le bouton de série index (0 à 5). Laisse passer
    // l'ErreurScores du magasin : la fenêtre la signale.
    void Bouton_Click(int index);

    // Choix d'une série du joueur dans la liste : même affichage qu'un bouton, sous son nom.
    void SerieJoueur_Click(const Serie &serie);

    // La taille de plateau dont les clics suivants montrent les scores ; le plateau classique
    // à l'ouverture. Ne lit rien.
    void ChoisirTaille(TaillePlateau choisie) { taille = choisie; }
    TaillePlateau Taille() const { return taille; }
    // La grille vide et la légende de l'ouverture, comme avant le choix d'une série.
    void Effacer();

private:
    void Montrer(const Couleur &couleur, const QString &nomAffiche, const QString &palmares);
    void ViderLignes();
    void EcrireLigne(const LigneScore &ligne);

    OperationsGrille &operations;
    MagasinScores &magasin;
    TaillePlateau taille = TailleClassique;
};

// La légende du bouton index (0 à 5) dans la langue de l'interface.
QString LegendeBouton(int index);

// Légende de la fenêtre avant le choix d'une série.
QString LegendeVisuScores();

} // namespace kalvoro
