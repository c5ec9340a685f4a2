#include "FenetreSerie.h"

#include "FenetreSerieControles.h"
#include "ImportImages.h"

#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace kalvoro {

FenetreSerie::FenetreSerie(SeriesDuJoueur &lesSeries, QWidget *parent)
    : QDialog(parent), series(lesSeries)
{
    setObjectName(QStringLiteral("FenetreSerie"));
    setWindowTitle(tr("Ma série"));
    auto *colonne = new QVBoxLayout(this);
    ConstruireSeriesFaites();
    ConstruireNouvelle();
    colonne->addWidget(CadreFaites);
    colonne->addWidget(Vignettes->parentWidget(), 1);
    ConstruireBas();
    connect(&import, &QFutureWatcher<ImageLue>::resultReadyAt, this,
            &FenetreSerie::ImagesLuesRecues);
    connect(&import, &QFutureWatcher<ImageLue>::progressValueChanged, Progression,
            &QProgressBar::setValue);
    connect(&import, &QFutureWatcher<ImageLue>::finished, this, &FenetreSerie::ImportFini);
    connect(&creation, &QFutureWatcher<Creation>::finished, this, &FenetreSerie::CreationFinie);
    MontrerSeries();
    MettreAJour();
    resize(680, 560);
    NomSerie->setFocus();
}

FenetreSerie::~FenetreSerie()
{
    // Le fil de lecture s'arrête au fichier suivant ; on l'attend, il écrit dans nos résultats.
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
    std::sort(lignes.rbegin(), lignes.rend());
    for (int ligne : lignes) {
        nouvelle.Retirer(ligne);
        delete Vignettes->takeItem(ligne);
    }
    MettreAJour();
}

void FenetreSerie::NomImageChange(QListWidgetItem *vignette)
{
    const int ligne = Vignettes->row(vignette);
    nouvelle.Renommer(ligne, vignette->text());
    // Un nom effacé garde l'ancien : la carte doit toujours avoir quelque chose à dire.
    const QSignalBlocker silence(Vignettes);
    vignette->setText(nouvelle.Images().at(ligne).nom);
}

void FenetreSerie::MettreAJour()
{
    const bool lecture = import.isRunning() || ecriture;
    const int nombre = nouvelle.Nombre();
    Compte->setText(nombre <= 1
                        ? tr("%1 image (%2 au moins)").arg(nombre).arg(MinimumImagesSerie)
                        : tr("%1 images (%2 au moins)").arg(nombre).arg(MinimumImagesSerie));
    Progression->setVisible(lecture);
    Arreter->setVisible(import.isRunning());
    // Pendant l'écriture, la barre va et vient : on ne sait pas compter ce qui reste.
    if (ecriture)
        Progression->setRange(0, 0);
    NomSerie->setEnabled(!ecriture);
    Vignettes->setEnabled(!ecriture);
    Fermer->setEnabled(!ecriture);
    AjoutImages->setEnabled(!lecture);
    AjoutDossier->setEnabled(!lecture);
    RetirerImage->setEnabled(!Vignettes->selectedItems().isEmpty());
    CreerSerie->setEnabled(!lecture && nouvelle.PeutCreer() &&
                           !NomSerie->text().trimmed().isEmpty());
    CadreFaites->setVisible(!series.Liste().isEmpty());
    Renommer->setEnabled(SerieSelectionnee());
    Supprimer->setEnabled(SerieSelectionnee());
}

// ---- Les séries -----------------------------------------------------------------------------

void FenetreSerie::MontrerSeries()
{
    ListeSeries->clear();
    for (const Serie &serie : series.Liste())
        ListeSeries->addItem(serie.NomAffiche());
}

const Serie *FenetreSerie::SerieSelectionnee() const
{
    const int ligne = ListeSeries->currentRow();
    return ligne >= 0 && ligne < series.Liste().size() ? &series.Liste()[ligne] : nullptr;
}

void FenetreSerie::Creer()
{
    if (!CreerSerie->isEnabled())
        return;
    // Deux cents images s'écrivent en quelques secondes : sur un autre fil, la fenêtre reste
    // dessinée et la barre dit que le programme travaille.
    ecriture = true;
    const SeriesDuJoueur *cible = &series;
    creation.setFuture(QtConcurrent::run(
        &FilsDesSeries(),
        [cible, nom = NomSerie->text().trimmed(), images = nouvelle.Images()]() -> Creation {
            try {
                return {cible->Creer(nom, images).Id, {}};
            } catch (const ErreurSerie &erreur) {
                return {{}, erreur.Message()};
            } catch (const std::exception &erreur) {
                // Une faute imprévue (mémoire épuisée) : la série n'est pas faite, le jeu reste.
                return {{}, QString::fromLocal8Bit(erreur.what())};
            }
        }));
    MettreAJour();
}

void FenetreSerie::CreationFinie()
{
    ecriture = false;
    const Creation faite = creation.result();
    if (faite.echec.isEmpty()) {
        series.Relire();
        serieCreee = faite.id;
        accept();
        return;
    }
    // Rien n'est perdu : les images composées restent, le joueur peut réessayer.
    MettreAJour();
    Avertir(tr("Ma série"), faite.echec);
}

void FenetreSerie::RenommerSerie()
{
    const Serie *serie = SerieSelectionnee();
    if (!serie)
        return;
    bool ok = false;
    const QString nom =
        NomNettoye(QInputDialog::getText(this, tr("Renommer la série"), tr("Nouveau nom :"),
                                         QLineEdit::Normal, serie->Nom, &ok),
                   LongueurNomSerie)
            .trimmed();
    if (!ok || nom.isEmpty())
        return;
    try {
        // La liste relue après coup ne garde pas cette série-là : son identifiant est copié.
        series.Renommer(QString(serie->Id), nom);
    } catch (const ErreurSerie &erreur) {
        Avertir(tr("Ma série"), erreur.Message());
    }
    MontrerSeries();
    MettreAJour();
}

void FenetreSerie::SupprimerSerie()
{
    const Serie *serie = SerieSelectionnee();
    if (!serie)
        return;
    const QString question = tr("Supprimer la série « %1 » ?\n\nSes images et ses meilleurs scores "
                                "seront effacés. Les fichiers d'origine ne sont pas touchés.")
                                 .arg(serie->Nom);
    QMessageBox boite(QMessageBox::Question, tr("Supprimer la série"), question,
                      QMessageBox::Yes | QMessageBox::No, this);
    boite.setTextFormat(Qt::PlainText); // le nom du joueur n'est jamais du HTML
    boite.setDefaultButton(QMessageBox::No);
    if (boite.exec() != QMessageBox::Yes)
        return;
    try {
        series.Supprimer(QString(serie->Id));
    } catch (const ErreurSerie &erreur) {
        Avertir(tr("Ma série"), erreur.Message());
    }
    MontrerSeries();
    MettreAJour();
}

void FenetreSerie::Avertir(const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Warning, titre, texte, QMessageBox::Ok, this);
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

void FenetreSerie::reject()
{
    // Une série à moitié écrite n'existe pas encore : on attend qu'elle le soit, ou pas du tout.
    if (ecriture)
        return;
    import.cancel();
    QDialog::reject();
}

} // namespace kalvoro
