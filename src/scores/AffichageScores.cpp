#include "AffichageScores.h"

#include "Programme.h"
#include "Series.h"

namespace kalvoro {

namespace {

// Couleurs du texte des boutons, dans l'ordre des séries ; la grille prend celle du bouton.
constexpr std::array<Couleur, NombreBoutonsSeries> CouleursBoutons{{
    {255, 0, 0},   // rouge
    {0, 0, 255},   // bleu
    {255, 0, 255}, // magenta
    {64, 64, 64},  // gris foncé
    {0, 128, 0},   // vert
    {255, 128, 0}, // orange
}};

struct Colonne {
    double Largeur;
    Alignement Alignee;
};

// PRENOM, NOM, DATE, SCORE.
constexpr std::array<Colonne, AffichageScores::NombreColonnes> Colonnes{{
    {1500, Alignement::Gauche},
    {1700, Alignement::Gauche},
    {1700, Alignement::Centre},
    {1200, Alignement::Centre},
}};

} // namespace

const std::array<BoutonSerie, NombreBoutonsSeries> &BoutonsSeries()
{
    static const std::array<BoutonSerie, NombreBoutonsSeries> boutons = [] {
        std::array<BoutonSerie, NombreBoutonsSeries> construits;
        for (std::size_t k = 0; k < construits.size(); ++k) {
            const QString &nom = Series()[k].Nom;
            construits[k] = {QLatin1Char('&') + nom, nom, CouleursBoutons[k]};
        }
        return construits;
    }();
    return boutons;
}

QString LegendeVisuScores()
{
    return QStringLiteral("Les meilleurs scores");
}

AffichageScores::AffichageScores(OperationsGrille &grille, StockScores &stock)
    : operations(grille), magasin(stock)
{
}

void AffichageScores::Form_Load()
{
    // Centrage sur la largeur extérieure de la fenêtre, cadre compris, calculé en twips.
    const double largeurFenetre = operations.LargeurFenetre();
    operations.PlacerGrille((largeurFenetre - operations.LargeurGrille()) / 2);
    operations.PlacerQuitter((largeurFenetre - operations.LargeurQuitter()) / 2);
    for (int colonne = 0; colonne < NombreColonnes; ++colonne)
        operations.DefinirLargeurColonne(colonne, Colonnes[colonne].Largeur);
    for (int colonne = 0; colonne < NombreColonnes; ++colonne)
        operations.DefinirAlignementColonne(colonne, Colonnes[colonne].Alignee);
}

void AffichageScores::Bouton_Click(int index)
{
    if (index < 0 || index >= NombreBoutonsSeries)
        return;
    const BoutonSerie &bouton = BoutonsSeries()[static_cast<std::size_t>(index)];
    operations.DefinirCouleurTexte(bouton.Texte);
    ViderLignes();
    operations.DefinirLegende(QStringLiteral("Les meilleurs scores.    Série : ") + bouton.Tag);

    // La grille ne montre que dix lignes : une table plus longue n'en montre que les dix
    // meilleures au lieu d'écrire hors de la grille.
    const QList<LigneScore> lignes = magasin.ListerScores(bouton.Tag);
    operations.ChoisirLigne(0);
    for (const LigneScore &ligne : lignes) {
        if (operations.LigneCourante() >= LignesAffichees)
            break;
        EcrireLigne(ligne);
        operations.ChoisirLigne(operations.LigneCourante() + 1);
    }
}

void AffichageScores::ViderLignes()
{
    for (int ligne = 0; ligne < LignesAffichees; ++ligne) {
        operations.ChoisirLigne(ligne);
        for (int colonne = 0; colonne < NombreColonnes; ++colonne) {
            operations.ChoisirColonne(colonne);
            operations.EcrireCellule(QString());
        }
    }
}

void AffichageScores::EcrireLigne(const LigneScore &ligne)
{
    const std::array<QString, NombreColonnes> textes{
        ligne.PRENOM, ligne.NOM, FormaterDate(ligne.DATE), QString::number(ligne.SCORE)};
    for (int colonne = 0; colonne < NombreColonnes; ++colonne) {
        operations.ChoisirColonne(colonne);
        operations.EcrireCellule(textes[static_cast<std::size_t>(colonne)]);
    }
}

} // namespace kalvoro
