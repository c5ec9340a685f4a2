#include "FenetreSerie.h"

#include "Accessibilite.h"
#include "ApercuCarre.h"
#include "FenetreSerieControles.h"
#include "ImportImages.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace kalvoro {

FenetreSerie::FenetreSerie(SeriesDuJoueur &lesSeries, QWidget *parent)
    : QDialog(parent), series(lesSeries)
{
    setObjectName(QStringLiteral("FenetreSerie"));
    setWindowTitle(tr("Mes séries"));
    auto *colonne = new QVBoxLayout(this);
    ConstruireSeriesFaites();
    ConstruireNouvelle();
    colonne->addWidget(CadreFaites);
    colonne->addWidget(CadreNouvelle, 1);
    ConstruireBas();
    connect(&import, &QFutureWatcher<ImageLue>::resultReadyAt, this,
            &FenetreSerie::ImagesLuesRecues);
    connect(&import, &QFutureWatcher<ImageLue>::progressValueChanged, Progression,
            &QProgressBar::setValue);
    connect(&import, &QFutureWatcher<ImageLue>::finished, this, &FenetreSerie::ImportFini);
    connect(&creation, &QFutureWatcher<Creation>::finished, this, &FenetreSerie::CreationFinie);
    connect(&parcours, &QFutureWatcher<Trouvees>::finished, this, &FenetreSerie::ParcoursFini);
    MontrerSeries();
    MettreAJour();
    ResterDansLEcran();
    NomSerie->setFocus();
}

// La taille voulue, sans dépasser l'écran : à 200 % sur 1920 × 1080, ou à 150 % sur
// 1366 × 768, il ne reste que 540 ou 512 points de haut, barre de titre comprise. Les vignettes
// se réduisent alors, « Créer la série » et « Fermer » restent visibles.
void FenetreSerie::ResterDansLEcran()
{
    // La barre de titre et les bords que le gestionnaire de fenêtres ajoute, en points.
    constexpr QSize Cadre(16, 48);
    const QSize place = screen()->availableGeometry().size() - Cadre;
    resize(QSize(680, 560).boundedTo(place).expandedTo(minimumSizeHint()));
}

FenetreSerie::~FenetreSerie()
{
    // Le fil de lecture s'arrête au fichier suivant ; on l'attend, il écrit dans nos résultats.
    parcours.cancel();
    parcours.waitForFinished();
    import.cancel();
    import.waitForFinished();
    creation.waitForFinished();
}

// ---- Les images ---------------------------------------------------------------------------

void FenetreSerie::Retirer()
{
    QList<int> lignes;
    for (const QListWidgetItem *element : Vignettes->selectedItems())
        lignes << Vignettes->row(element);
    // Une série faite garde toujours de quoi se jouer.
    if (!modifiee.isEmpty() && nouvelle.Nombre() - lignes.size() < MinimumImagesSerie) {
        DireAuLecteur(this, tr("Une série garde au moins %1 images.").arg(MinimumImagesSerie));
        return;
    }
    std::sort(lignes.rbegin(), lignes.rend());
    for (int ligne : lignes) {
        nouvelle.Retirer(ligne);
        delete Vignettes->takeItem(ligne);
    }
    changee = changee || !lignes.isEmpty();
    MettreAJour();
    MontrerApercu();
}

void FenetreSerie::NomImageChange(QListWidgetItem *vignette)
{
    const int ligne = Vignettes->row(vignette);
    nouvelle.Renommer(ligne, vignette->text());
    changee = true;
    // Un nom effacé garde l'ancien : la carte doit toujours avoir quelque chose à dire.
    const QSignalBlocker silence(Vignettes);
    vignette->setText(nouvelle.Images().at(ligne).nom);
}

void FenetreSerie::MontrerApercu()
{
    const int ligne = Vignettes->currentRow();
    if (ligne < 0 || ligne >= nouvelle.Nombre()) {
        Apercu->Montrer({}, {}, 0);
        return;
    }
    const ImageLue &image = nouvelle.Images().at(ligne);
    Apercu->Montrer(image.entiere, image.image, image.carre);
}

void FenetreSerie::CarreDeplace()
{
    const int ligne = Vignettes->currentRow();
    if (ligne < 0 || ligne >= nouvelle.Nombre())
        return;
    nouvelle.Recadrer(ligne, Apercu->Decalage());
    changee = true;
    // La vignette montre le carré tel que la carte le montrera.
    MontrerVignette(Vignettes->item(ligne), nouvelle.Images().at(ligne));
}

void FenetreSerie::MettreAJour()
{
    const bool lecture = import.isRunning() || parcours.isRunning() || ecriture;
    const int nombre = nouvelle.Nombre();
    Compte->setText(nombre <= 1
                        ? tr("%1 image (%2 au moins)").arg(nombre).arg(MinimumImagesSerie)
                        : tr("%1 images (%2 au moins)").arg(nombre).arg(MinimumImagesSerie));
    Progression->setVisible(lecture);
    Arreter->setVisible(import.isRunning() || parcours.isRunning());
    // Pendant l'écriture, la barre va et vient : on ne sait pas compter ce qui reste.
    if (ecriture)
        Progression->setRange(0, 0);
    NomSerie->setEnabled(!ecriture);
    Vignettes->setEnabled(!ecriture);
    Fermer->setEnabled(!ecriture);
    AjoutImages->setEnabled(!lecture);
    AjoutDossier->setEnabled(!lecture);
    const auto choisies = Vignettes->selectedItems().size();
    RetirerImage->setEnabled(choisies > 0 &&
                             (modifiee.isEmpty() || nombre - choisies >= MinimumImagesSerie));
    CreerSerie->setEnabled(!lecture && nouvelle.PeutCreer() &&
                           !NomSerie->text().trimmed().isEmpty());
    CadreFaites->setVisible(!series.Liste().isEmpty());
    for (QPushButton *bouton : {Modifier, Renommer, Supprimer})
        bouton->setEnabled(!lecture && SerieSelectionnee());
}

// ---- La création ----------------------------------------------------------------------

void FenetreSerie::Creer()
{
    if (!CreerSerie->isEnabled())
        return;
    if (series.NomPris(NomSerie->text(), modifiee)) {
        Avertir(tr("Mes séries"), tr("Une série s'appelle déjà « %1 » : choisissez un autre nom.")
                                      .arg(NomSerie->text().trimmed()));
        NomSerie->setFocus();
        NomSerie->selectAll();
        return;
    }
    // Deux cents images s'écrivent en quelques secondes : sur un autre fil, la fenêtre reste
    // dessinée et la barre dit que le programme travaille.
    ecriture = true;
    const SeriesDuJoueur *cible = &series;
    creation.setFuture(QtConcurrent::run(&FilsDesSeries(),
                                         [cible, id = modifiee, nom = NomSerie->text().trimmed(),
                                          images = nouvelle.Images()]() -> Creation {
                                             try {
                                                 return {id.isEmpty()
                                                             ? cible->Creer(nom, images).Id
                                                             : cible->Modifier(id, nom, images).Id,
                                                         {}};
                                             } catch (const ErreurSerie &erreur) {
                                                 return {{}, erreur.Message()};
                                             } catch (const std::exception &erreur) {
                                                 // Une faute imprévue (mémoire épuisée) : la série
                                                 // n'est pas faite, le jeu reste.
                                                 return {{}, QString::fromLocal8Bit(erreur.what())};
                                             }
                                         }));
    MettreAJour();
}

void FenetreSerie::CreationFinie()
{
    ecriture = false;
    const Creation faite = creation.result();
    if (faite.echec.isEmpty() && !modifiee.isEmpty()) {
        // La série changée reste montrée, et choisie dans la liste.
        changee = false;
        series.Relire();
        MontrerSeries(modifiee);
        MettreAJourTitres();
        Avis->setText(tr("La série « %1 » est enregistrée, avec %2 images.")
                          .arg(NomSerie->text().trimmed())
                          .arg(nouvelle.Nombre()));
        MettreAJour();
        DireAuLecteur(this, Avis->text());
        return;
    }
    if (faite.echec.isEmpty()) {
        series.Relire();
        serieCreee = faite.id;
        accept();
        // Dit dans la fenêtre qui reprend la main : celle-ci n'est plus là pour le dire.
        DireAuLecteur(parentWidget() ? parentWidget() : this,
                      tr("La série « %1 » est créée, avec %2 images.")
                          .arg(NomSerie->text().trimmed())
                          .arg(nouvelle.Nombre()));
        return;
    }
    // Rien n'est perdu : les images composées restent, le joueur peut réessayer.
    MettreAJour();
    Avertir(tr("Mes séries"), faite.echec);
}

void FenetreSerie::Avertir(const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Warning, titre, texte, QMessageBox::Ok, this);
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

bool FenetreSerie::LaisserLesChangements()
{
    const Serie *serie = SerieModifiee();
    if (!serie || (!changee && NomSerie->text().trimmed() == serie->Nom))
        return true;
    QMessageBox boite(QMessageBox::Question, tr("Mes séries"),
                      tr("Fermer sans enregistrer les changements de « %1 » ?").arg(serie->Nom),
                      QMessageBox::Yes | QMessageBox::No, this);
    boite.setTextFormat(Qt::PlainText);
    boite.setDefaultButton(QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

void FenetreSerie::reject()
{
    // Une série à moitié écrite n'existe pas encore : on attend qu'elle le soit, ou pas du tout.
    if (ecriture || !LaisserLesChangements())
        return;
    parcours.cancel();
    import.cancel();
    QDialog::reject();
}

} // namespace kalvoro
