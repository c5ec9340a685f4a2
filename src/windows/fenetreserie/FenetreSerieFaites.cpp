// Les séries déjà faites dans « Mes séries » : voir et changer leurs images, les renommer, les
// supprimer. La liste garde la série sur laquelle le joueur vient d'agir : un deuxième
// Renommer… agit sur elle.
#include "FenetreSerie.h"
#include "ImportImages.h"
#include "NomsSerie.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace kalvoro {

void FenetreSerie::MontrerSeries(const QString &choisie)
{
    const QSignalBlocker silence(ListeSeries);
    ListeSeries->clear();
    for (const Serie &serie : series.Liste()) {
        auto *element = new QListWidgetItem(serie.NomAffiche(), ListeSeries);
        // Un nom long se lit en entier, au survol comme au lecteur d'écran.
        element->setToolTip(serie.NomAffiche());
        if (serie.Id == choisie)
            ListeSeries->setCurrentItem(element);
    }
}

const Serie *FenetreSerie::SerieSelectionnee() const
{
    const int ligne = ListeSeries->currentRow();
    return ligne >= 0 && ligne < series.Liste().size() ? &series.Liste()[ligne] : nullptr;
}

void FenetreSerie::ModifierSerie()
{
    const Serie *serie = SerieSelectionnee();
    if (!serie || !Modifier->isEnabled())
        return;
    if (nouvelle.Nombre() > 0 && serie->Id != modifiee) {
        QMessageBox boite(QMessageBox::Question, tr("Modifier la série"),
                          tr("Les images montrées seront laissées pour celles de « %1 ». "
                             "Continuer ?")
                              .arg(serie->Nom),
                          QMessageBox::Yes | QMessageBox::No, this);
        boite.setTextFormat(Qt::PlainText);
        boite.setDefaultButton(QMessageBox::No);
        if (boite.exec() != QMessageBox::Yes)
            return;
    }
    Composer(serie->Id);
    NomSerie->setText(serie->Nom);
    Lire(LancerLectureSerie(*serie), static_cast<int>(serie->Images.size()));
    relecture = true;
    Vignettes->setFocus();
}

// Recommence la composition : celle d'une nouvelle série, ou le changement de la série `id`.
void FenetreSerie::Composer(const QString &id)
{
    modifiee = id;
    changee = false;
    nouvelle.Vider();
    Vignettes->clear();
    NomSerie->clear();
    Avis->clear();
    MettreAJourTitres();
    MontrerApercu();
    MettreAJour();
}

void FenetreSerie::MettreAJourTitres()
{
    const Serie *serie = SerieModifiee();
    if (!serie) {
        CadreNouvelle->setTitle(tr("Nouvelle série"));
        CreerSerie->setText(tr("&Créer la série"));
        return;
    }
    CadreNouvelle->setTitle(tr("La série « %1 »").arg(serie->Nom));
    CreerSerie->setText(tr("&Enregistrer"));
}

const Serie *FenetreSerie::SerieModifiee() const
{
    for (const Serie &serie : series.Liste())
        if (!modifiee.isEmpty() && serie.Id == modifiee)
            return &serie;
    return nullptr;
}

void FenetreSerie::RenommerSerie()
{
    const Serie *serie = SerieSelectionnee();
    if (!serie)
        return;
    // La liste relue après coup ne garde pas cette série-là : son identifiant est copié.
    const QString id = serie->Id;
    bool ok = false;
    const QString nom =
        NomNettoye(QInputDialog::getText(this, tr("Renommer la série"), tr("Nouveau nom :"),
                                         QLineEdit::Normal, serie->Nom, &ok),
                   LongueurNomSerie)
            .trimmed();
    if (!ok || nom.isEmpty())
        return;
    try {
        series.Renommer(id, nom);
        if (id == modifiee)
            NomSerie->setText(nom);
    } catch (const ErreurSerie &erreur) {
        Avertir(tr("Renommer la série"), erreur.Message());
    }
    MontrerSeries(id);
    MettreAJourTitres();
    MettreAJour();
    ListeSeries->setFocus();
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
    const QString id = serie->Id;
    const int ligne = ListeSeries->currentRow();
    try {
        series.Supprimer(id);
        if (id == modifiee)
            Composer({});
    } catch (const ErreurSerie &erreur) {
        Avertir(tr("Mes séries"), erreur.Message());
    }
    // La sélection passe à la série suivante, celle que le joueur voit prendre la place.
    MontrerSeries(id);
    if (!ListeSeries->currentItem() && ListeSeries->count() > 0)
        ListeSeries->setCurrentRow(std::min(ligne, ListeSeries->count() - 1));
    MettreAJour();
}

} // namespace kalvoro
