// La lecture des images dans « Mes séries » : les fichiers ou le dossier choisis, lus sur les fils
// des séries, pris dans l'ordre des fichiers ; à la fin, ce que la lecture a donné (doublons,
// fichiers illisibles, dossiers d'où viennent les images).
#include "FenetreSerie.h"

#include "Accessibilite.h"
#include "DossiersImages.h"
#include "FenetreSerieControles.h"
#include "ImportImages.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <utility>

namespace kalvoro {

void FenetreSerie::Preremplir(const QStringList &fichiers, const QString &nom)
{
    NomSerie->setText(NomNettoye(nom, LongueurNomSerie));
    const auto dossier = [](const QString &chemin) { return QFileInfo(chemin).isDir(); };
    const auto dossiers = std::count_if(fichiers.begin(), fichiers.end(), dossier);
    if (dossiers == 0)
        Importer(fichiers);
    else
        Parcourir(fichiers, dossiers == 1 && fichiers.size() == 1 ? fichiers.first() : QString());
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
    if (NomSerie->text().trimmed().isEmpty())
        NomSerie->setText(NomNettoye(QDir(dossier).dirName(), LongueurNomSerie));
    Parcourir({dossier}, dossier);
}

void FenetreSerie::Parcourir(const QStringList &chemins, const QString &racine)
{
    if (import.isRunning() || parcours.isRunning())
        return;
    racineParcours = racine;
    parcours.setFuture(QtConcurrent::run(&FilsDesSeries(), [chemins]() {
        Trouvees trouvees;
        for (const QString &chemin : chemins) {
            if (!QFileInfo(chemin).isDir()) {
                trouvees.images << chemin;
                continue;
            }
            const QStringList images = ImagesDuDossier(chemin);
            if (images.isEmpty())
                trouvees.vides << chemin;
            trouvees.images << images;
        }
        trouvees.images.removeDuplicates();
        return trouvees;
    }));
    // La barre va et vient : on ne sait pas combien de dossiers restent à voir.
    Progression->setRange(0, 0);
    MettreAJour();
}

void FenetreSerie::ParcoursFini()
{
    MettreAJour();
    if (parcours.isCanceled() || parcours.future().resultCount() == 0)
        return;
    const Trouvees trouvees = parcours.result();
    QStringList vides;
    for (const QString &dossier : trouvees.vides)
        vides << QDir::toNativeSeparators(dossier);
    if (!vides.isEmpty())
        Avertir(tr("Ajouter un dossier"),
                vides.size() == 1
                    ? tr("Le dossier « %1 » ne contient aucune image.").arg(vides.first())
                    : tr("Ces dossiers ne contiennent aucune image :\n\n%1")
                          .arg(vides.join(QLatin1Char('\n'))));
    Importer(trouvees.images);
    racineImport = racineParcours;
}

void FenetreSerie::ArreterLecture()
{
    parcours.cancel();
    import.cancel();
}

void FenetreSerie::Importer(const QStringList &fichiers)
{
    if (fichiers.isEmpty() || import.isRunning() || parcours.isRunning())
        return;
    Lire(LancerImport(fichiers), static_cast<int>(fichiers.size()));
}

void FenetreSerie::Lire(const QFuture<ImageLue> &lecture, int nombre)
{
    illisibles.clear();
    racineImport.clear();
    prises.clear();
    doublons = 0;
    laissees = 0;
    Progression->setRange(0, nombre);
    Progression->setValue(0);
    prochaine = 0;
    import.setFuture(lecture);
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
    int ligne = -1;
    switch (nouvelle.Ajouter(lue, &ligne)) {
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
    case NouvelleSerie::Ajout::Remplacee:
        // L'original arrive après sa copie (« chat (1) » se range avant « chat ») : la vignette
        // prend son nom.
        ++doublons;
        changee = changee || !relecture;
        MontrerVignette(Vignettes->item(ligne), lue);
        if (ligne == Vignettes->currentRow())
            MontrerApercu();
        return;
    case NouvelleSerie::Ajout::Ajoutee:
        break;
    }
    prises << lue.source;
    changee = changee || !relecture;
    auto *element = new QListWidgetItem;
    element->setFlags(element->flags() | Qt::ItemIsEditable);
    MontrerVignette(element, lue);
    const QSignalBlocker silence(Vignettes);
    Vignettes->addItem(element);
    // Arrivé par Tab, le lecteur d'écran dit la première image, et les flèches partent d'elle.
    if (!Vignettes->currentItem()) {
        Vignettes->setCurrentItem(element, QItemSelectionModel::NoUpdate);
        MontrerApercu();
    }
    MettreAJour();
}

void FenetreSerie::MontrerVignette(QListWidgetItem *element, const ImageLue &lue)
{
    const QSignalBlocker silence(Vignettes);
    // Autant de pixels que l'écran en montre : à 200 %, une vignette de 64 points en a 128 de
    // côté, qui ne sont pas agrandis d'une vignette de 64, floue.
    const qreal densite = devicePixelRatioF();
    const int cote = qRound(CoteVignette * densite);
    QPixmap vignette = QPixmap::fromImage(
        lue.image.scaled(cote, cote, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    vignette.setDevicePixelRatio(densite);
    element->setIcon(QIcon(vignette));
    element->setText(lue.nom);
    element->setToolTip(QDir::toNativeSeparators(lue.source));
}

void FenetreSerie::ImportFini()
{
    ImagesLuesRecues();
    // Une série faite à moitié relue, enregistrée, perdrait les images non lues : elle n'est
    // pas montrée.
    if (std::exchange(relecture, false) && import.isCanceled()) {
        Composer({});
        Avis->setText(tr("Lecture arrêtée : la série n'est pas changée."));
        DireAuLecteur(this, Avis->text());
        return;
    }
    QStringList avis;
    if (laissees > 0)
        avis << tr("Une série garde au plus %1 images : les suivantes sont laissées de côté.")
                    .arg(MaximumImagesSerie);
    else if (import.isCanceled())
        avis << tr("Lecture arrêtée : les images déjà lues restent.");
    avis << AvisDeLImport();
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

// Les doublons écartés, et d'où viennent les images prises quand elles viennent de plusieurs
// dossiers (« Photos/2024 », « Photos/2024/été »).
QStringList FenetreSerie::AvisDeLImport() const
{
    QStringList avis;
    if (doublons == 1)
        avis << tr("Une image ressemblait à une autre : elle ne compte qu'une fois.");
    else if (doublons > 1)
        avis << tr("%1 images ressemblaient à d'autres : chacune ne compte qu'une fois.")
                    .arg(doublons);
    const auto dossiers = ImagesParDossier(prises, racineImport);
    if (dossiers.size() < 2)
        return avis;
    constexpr int DossiersMontres = 6;
    QStringList origines;
    for (const auto &[dossier, nombre] : dossiers.mid(0, DossiersMontres))
        origines << tr("%1 de « %2 »").arg(nombre).arg(dossier);
    if (dossiers.size() > DossiersMontres)
        origines << tr("et %1 autres dossiers").arg(dossiers.size() - DossiersMontres);
    avis << tr("Images prises : %1.").arg(origines.join(QStringLiteral(", ")));
    return avis;
}

} // namespace kalvoro
