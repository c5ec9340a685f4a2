#include "FenetreSerie.h"

#include "Accessibilite.h"
#include "FenetreSerieControles.h"
#include "ImportImages.h"

#include <QDir>
#include <QFileDialog>
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

void FenetreSerie::Preremplir(const QStringList &fichiers, const QString &nom)
{
    NomSerie->setText(NomNettoye(nom, LongueurNomSerie));
    Importer(fichiers);
}

void FenetreSerie::AjouterImages()
{
    const QString filtre = tr("Images (%1)").arg(FiltresImages().join(QLatin1Char(' '))) +
                           QStringLiteral(";;") + tr("Tous les fichiers (*)");
    Importer(
        QFileDialog::getOpenFileNames(this, tr("Ajouter des images"), QDir::homePath(), filtre));
}

void FenetreSerie::AjouterDossier()
{
    const QString dossier =
        QFileDialog::getExistingDirectory(this, tr("Ajouter un dossier"), QDir::homePath());
    if (dossier.isEmpty())
        return;
    const QStringList images = ImagesDuDossier(dossier);
    if (images.isEmpty()) {
        Avertir(tr("Ajouter un dossier"), tr("Le dossier « %1 » ne contient aucune image.")
                                              .arg(QDir::toNativeSeparators(dossier)));
        return;
    }
    if (NomSerie->text().trimmed().isEmpty())
        NomSerie->setText(NomNettoye(QDir(dossier).dirName(), LongueurNomSerie));
    Importer(images);
}

void FenetreSerie::Importer(const QStringList &fichiers)
{
    if (fichiers.isEmpty() || import.isRunning())
        return;
    illisibles.clear();
    doublons = 0;
    laissees = 0;
    Progression->setRange(0, static_cast<int>(fichiers.size()));
    Progression->setValue(0);
    prochaine = 0;
    import.setFuture(LancerImport(fichiers));
    MettreAJour();
}

void FenetreSerie::ImagesLuesRecues()
{
    // Les photos se lisent plusieurs à la fois : elles sont prises dans l'ordre des fichiers.
    while (import.future().isResultReadyAt(prochaine))
        ImageLueRecue(import.resultAt(prochaine++));
}

void FenetreSerie::ImageLueRecue(const ImageLue &lue)
{
    switch (nouvelle.Ajouter(lue)) {
    case NouvelleSerie::Ajout::Illisible:
        illisibles << tr("%1 : %2").arg(QDir::toNativeSeparators(lue.source),
                                        TexteRefus(lue.refus));
        return;
    case NouvelleSerie::Ajout::Pleine:
        // Le reste du dossier n'entrera pas : inutile de le lire.
        ++laissees;
        import.cancel();
        return;
    case NouvelleSerie::Ajout::Doublon:
        ++doublons;
        return;
    case NouvelleSerie::Ajout::Ajoutee:
        break;
    }
    const QImage vignette =
        lue.image.scaled(CoteVignette, CoteVignette, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    auto *element = new QListWidgetItem(QIcon(QPixmap::fromImage(vignette)), lue.nom);
    element->setFlags(element->flags() | Qt::ItemIsEditable);
    element->setToolTip(QDir::toNativeSeparators(lue.source));
    const QSignalBlocker silence(Vignettes);
    Vignettes->addItem(element);
    // Arrivé par Tab, le lecteur d'écran dit la première image, et les flèches partent d'elle.
    if (!Vignettes->currentItem())
        Vignettes->setCurrentItem(element, QItemSelectionModel::NoUpdate);
    MettreAJour();
}

void FenetreSerie::ImportFini()
{
    ImagesLuesRecues();
    QStringList avis;
    if (laissees > 0)
        avis << tr("Une série garde au plus %1 images : les suivantes sont laissées de côté.")
                    .arg(MaximumImagesSerie);
    else if (import.isCanceled())
        avis << tr("Lecture arrêtée : les images déjà lues restent.");
    if (doublons == 1)
        avis << tr("Une image était en double : elle ne compte qu'une fois.");
    else if (doublons > 1)
        avis << tr("%1 images étaient en double : chacune ne compte qu'une fois.").arg(doublons);
    Avis->setText(avis.join(QLatin1Char(' ')));
    MettreAJour();
    // Le joueur qui n'en voit rien apprend que la lecture est finie, et ce qu'elle a donné.
    DireAuLecteur(this, (QStringList{Compte->text()} + avis).join(QLatin1Char(' ')));
    if (illisibles.isEmpty())
        return;
    // Trois cents photos d'un téléphone en HEIC : la liste tient dans l'écran.
    constexpr int NomsMontres = 15;
    QStringList noms = illisibles.mid(0, NomsMontres);
    if (illisibles.size() > NomsMontres)
        noms << tr("… et %1 autres").arg(illisibles.size() - NomsMontres);
    Avertir(tr("Images illisibles"), tr("Kalvoro n'a pas pu lire ces fichiers ; ils sont "
                                        "laissés de côté :\n\n%1")
                                         .arg(noms.join(QLatin1Char('\n'))));
}

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
