// Les séries du joueur dans la fenêtre principale : leur place dans ListeJeux, la série de la
// partie, et la fenêtre qui les fait. Tout ce qui touche à leurs dossiers est dans SeriesDuJoueur.
#include "EchecFatal.h"
#include "FenetreSerie.h"
#include "Focus.h"
#include "Jeu.h"
#include "SelectionSerie.h"
#include "Series.h"

namespace kalvoro {

void Jeu::ListeJeux_Click()
{
    if (NumeroSerieChoisie() == NumeroMesSeries) {
        ListeJeux->setCurrentIndex(-1);
        OuvrirFenetreSerie();
        return;
    }
    // Les faces de cette partie : une par paire du plateau, tirées parmi toutes celles de la
    // série (au plateau classique, les six gardent les leurs).
    const Serie *choisie = SerieDeLEntree(NumeroSerieChoisie(), SeriesJoueur());
    serieEnJeu.reset();
    if (choisie) {
        plateau->OublierPhotos();
        serieEnJeu = choisie->Tirage(tirage, TailleChoisie());
    }
    std::optional<ErreurScores> illisible;
    const auto lireMeilleur = [&](const QString &palmares) {
        return LireMeilleurSansArreter(palmares, illisible);
    };
    FaireAvecReessai(
        this, [&] { ChoisirSerie(*this, lireMeilleur); }, Renoncement::Continuer);
    if (illisible) {
        RenoncerASerie(*illisible);
        return;
    }
    // La série choisie, on joue : le focus passe à la première carte.
    if (QPushButton *premiere = plateau->PremiereJouable(); premiere && !ListeJeux->isEnabled()) {
        DonnerFocusVisible(premiere);
        if (const Tablee tablee(JoueursChoisis()); tablee.APlusieurs())
            annonces->Commencer(tablee.JoueurCourant().prenom);
    }
}

void Jeu::OuvrirSeriesJoueur()
{
    if (origines.dossierSeries.isEmpty())
        return;
    seriesJoueur = std::make_unique<SeriesDuJoueur>(origines.dossierSeries);
    magasin = seriesJoueur->AvecLesSix(std::move(magasin));
}

const QList<Serie> &Jeu::SeriesJoueur() const
{
    // Une référence, jamais une copie : SerieChoisie() rend un pointeur dans cette liste.
    static const QList<Serie> aucune;
    return seriesJoueur ? seriesJoueur->Liste() : aucune;
}

void Jeu::RelireSeriesJoueur()
{
    if (seriesJoueur)
        seriesJoueur->Relire();
    RemplirListe();
}

void Jeu::RemplirListe()
{
    ListeJeux->clear();
    RemplirListeJeux(*this, SeriesJoueur(), TailleChoisie());
}

const Serie *Jeu::SerieChoisie() const
{
    const Serie *choisie = SerieDeLEntree(NumeroSerieChoisie(), SeriesJoueur());
    // Les faces tirées pour la partie, tant que la liste montre sa série.
    if (choisie && serieEnJeu &&
        serieEnJeu->ATaille(choisie->Taille).Palmares() == choisie->Palmares())
        return &*serieEnJeu;
    return choisie;
}

QString Jeu::LireMeilleurSansArreter(const QString &palmares,
                                     std::optional<ErreurScores> &illisible)
{
    try {
        return magasin->LireMeilleurScore(palmares);
    } catch (const ErreurScores &erreur) {
        // Un fichier occupé, ou Scores.dat lui-même : le choix de la série le dit, avec
        // Réessayer ou en s'arrêtant.
        if (!erreur.DUneSerieDuJoueur())
            throw;
        illisible = erreur;
        return {};
    }
}

// Une série dont les scores ne se lisent plus (supprimée par un autre Kalvoro, effacée à la
// main, abîmée) n'est pas jouée : le joueur l'apprend, le plateau revient au repos et la liste
// est relue.
void Jeu::RenoncerASerie(const ErreurScores &erreur)
{
    SignalerAvis(this, erreur.Message());
    serieEnJeu.reset();
    partie.Annuler_Click();
    RelireSeriesJoueur();
    DonnerFocusVisible(ListeJeux);
}

void Jeu::OuvrirFenetreSerie(const QStringList &fichiers, const QString &nom)
{
    if (!seriesJoueur)
        return;
    FenetreSerie fenetre(*seriesJoueur, this);
    if (!fichiers.isEmpty())
        fenetre.Preremplir(fichiers, nom);
    fenetre.exec();
    RemplirListe();
    const QString creee = fenetre.SerieCreee();
    const int numero =
        creee.isEmpty() ? 0 : NumeroDEntree(PalmaresSerieJoueur(creee), SeriesJoueur());
    if (numero == 0) {
        DonnerFocusVisible(ListeJeux);
        return;
    }
    // Une série trop petite pour le plateau choisi se joue sur le plus grand qu'elle remplit.
    const Serie *serie = SerieDeLEntree(numero, SeriesJoueur());
    if (serie && !serie->Remplit(TailleChoisie())) {
        const auto remplie = std::find_if(TaillesPlateau.rbegin(), TaillesPlateau.rend(),
                                          [serie](TaillePlateau t) { return serie->Remplit(t); });
        if (remplie != TaillesPlateau.rend())
            PasserATaille(*remplie);
    }
    ListeJeux->setCurrentIndex(ListeJeux->findData(numero));
    ListeJeux_Click();
}

} // namespace kalvoro
