// Les séries du joueur dans la fenêtre principale : leur place dans ListeJeux, leurs scores,
// leurs faces à chaque partie, et la fenêtre qui les fait.
#include "EchecFatal.h"
#include "FenetreSerie.h"
#include "Focus.h"
#include "Jeu.h"
#include "SelectionSerie.h"
#include "Series.h"
#include "TirageSerie.h"

#include <QAbstractItemView>
#include <QFileInfo>

namespace kalvoro {

void Jeu::OuvrirScoresSeries()
{
    if (!origines.dossierSeries.isEmpty())
        catalogue = std::make_unique<CatalogueSeries>(origines.dossierSeries);
    // Le fichier d'une série ne s'ouvre qu'à son premier choix : chacun coûte une dérivation de
    // clé, et le joueur n'en joue qu'une à la fois.
    auto ouvrir = [this](const QString &id) -> std::unique_ptr<MagasinScores> {
        for (const SerieJoueur &serie : std::as_const(seriesJoueur))
            if (serie.id == id)
                return OuvrirScoresSerie(serie.scores);
        return nullptr; // le magasin dit que la série n'existe plus
    };
    auto avecSeries = std::make_unique<MagasinAvecSeries>(std::move(magasin), ouvrir);
    magasinSeries = avecSeries.get();
    magasin = std::move(avecSeries);
}

void Jeu::RelireSeriesJoueur()
{
    seriesJoueur = catalogue ? catalogue->Lister() : QList<SerieJoueur>();
    QStringList noms;
    for (const SerieJoueur &serie : std::as_const(seriesJoueur))
        noms << serie.nom;
    ListeJeux->clear();
    RemplirListeJeux(*this, noms);
    // La liste ouverte montre les noms entiers, même longs ; fermée, elle garde sa largeur.
    ListeJeux->view()->setMinimumWidth(ListeJeux->view()->sizeHintForColumn(0) + 24);
}

bool Jeu::ScoresSerieJoueurLisibles(const SerieJoueur &serie)
{
    // Supprimée depuis par un autre Kalvoro : son fichier, encore ouvert ici, ne recevrait
    // plus que des scores perdus. Il est refermé, et sa réouverture dira qu'il n'est plus là.
    if (!QFileInfo::exists(serie.scores))
        magasinSeries->Oublier(serie.id);
    try {
        if (LireSansArreter(this, [this] { magasin->LireMeilleurScore(TableSerieChoisie()); }))
            return true;
    } catch (const ErreurScores &) {
        return true; // occupé : le choix de la série proposera de réessayer
    }
    RelireSeriesJoueur();
    return false;
}

const SerieJoueur *Jeu::SerieJoueurChoisie() const
{
    const qsizetype k = NumeroSerieChoisie() - PremierNumeroJoueur;
    return k >= 0 && k < seriesJoueur.size() ? &seriesJoueur[k] : nullptr;
}

QString Jeu::TableSerieChoisie() const
{
    if (const SerieJoueur *serie = SerieJoueurChoisie())
        return CleSerieJoueur(serie->id);
    return TableDeLaSerie(NumeroSerieChoisie(), TexteListeJeux());
}

void Jeu::TirerFacesJoueur(const SerieJoueur &serie)
{
    QStringList images, noms;
    for (int index : TirerImages(static_cast<int>(serie.images.size()), tirage)) {
        images << serie.images[index];
        noms << serie.noms.value(index);
    }
    plateau->ChoisirFacesJoueur(images, noms);
}

QList<SerieVisible> Jeu::SeriesVisibles() const
{
    QList<SerieVisible> visibles;
    for (const SerieJoueur &serie : std::as_const(seriesJoueur))
        visibles.append({serie.nom, CleSerieJoueur(serie.id)});
    return visibles;
}

void Jeu::OuvrirFenetreSerie(const QStringList &fichiers, const QString &nom)
{
    if (!catalogue)
        return;
    FenetreSerie fenetre(
        *catalogue, [this](const QString &id) { magasinSeries->Oublier(id); }, this);
    if (!fichiers.isEmpty())
        fenetre.Preremplir(fichiers, nom);
    fenetre.exec();
    RelireSeriesJoueur();
    const QString creee = fenetre.SerieCreee();
    for (int k = 0; k < seriesJoueur.size() && !creee.isEmpty(); ++k) {
        if (seriesJoueur[k].id != creee)
            continue;
        ListeJeux->setCurrentIndex(ListeJeux->findData(PremierNumeroJoueur + k));
        ListeJeux_Click();
        return;
    }
    DonnerFocusVisible(ListeJeux);
}

} // namespace kalvoro
