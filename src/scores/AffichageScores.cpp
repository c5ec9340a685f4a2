#include "AffichageScores.h"

#include "Programme.h"
#include "Series.h"

#include <QCoreApplication>

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

// Les légendes des boutons, dans l'ordre des séries, chacune avec sa touche d'accès.
constexpr std::array<const char *, NombreBoutonsSeries> LegendesBoutons{{
    QT_TRANSLATE_NOOP("AffichageScores", "&Animaux"),
    QT_TRANSLATE_NOOP("AffichageScores", "&Cinéma"),
    QT_TRANSLATE_NOOP("AffichageScores", "&Disney"),
    QT_TRANSLATE_NOOP("AffichageScores", "&Formes"),
    QT_TRANSLATE_NOOP("AffichageScores", "&Smileys"),
    QT_TRANSLATE_NOOP("AffichageScores", "&Toons"),
}};

// Les séries du joueur s'écrivent en noir : aucune couleur de bouton ne les désigne.
constexpr Couleur CouleurSeriesJoueur{0, 0, 0};

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
            construits[k] = {QString::fromUtf8(LegendesBoutons[k]), Series()[k].Nom,
                             CouleursBoutons[k]};
        }
        return construits;
    }();
    return boutons;
}

QString LegendeBouton(int index)
{
    return AffichageScores::tr(LegendesBoutons[static_cast<std::size_t>(index)]);
}

QString LegendeVisuScores()
{
    return AffichageScores::tr("Les meilleurs scores");
}

AffichageScores::AffichageScores(OperationsGrille &grille, MagasinScores &leMagasin)
    : operations(grille), magasin(leMagasin)
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
    const Serie &serie = Series()[static_cast<std::size_t>(index)];
    // Au plateau classique, le palmarès est le Tag du bouton : le nom de la table.
    Montrer(bouton.Texte, NomAffiche(serie), serie.ATaille(taille).Palmares());
}

void AffichageScores::SerieJoueur_Click(const Serie &serie)
{
    Montrer(CouleurSeriesJoueur, serie.NomAffiche(), serie.ATaille(taille).Palmares());
}

void AffichageScores::Effacer()
{
    ViderLignes();
    operations.DefinirLegende(LegendeVisuScores());
}

void AffichageScores::Montrer(const Couleur &couleur, const QString &nomAffiche,
                              const QString &palmares)
{
    operations.DefinirCouleurTexte(couleur);
    ViderLignes();
    operations.DefinirLegende(
        taille == TailleClassique
            ? AffichageScores::tr("Les meilleurs scores.    Série : %1").arg(nomAffiche)
            : AffichageScores::tr("Les meilleurs scores.    Série : %1, %2")
                  .arg(nomAffiche, taille.Nom()));

    // La grille ne montre que dix lignes : une table plus longue n'en montre que les dix
    // meilleures au lieu d'écrire hors de la grille.
    const QList<LigneScore> lignes = magasin.ListerScores(palmares);
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
