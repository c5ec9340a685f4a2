#pragma once
#include "NouvelleSerie.h"
#include "SeriesDuJoueur.h"

#include <QDialog>
#include <QFutureWatcher>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace kalvoro {

class ApercuCarre;

// La fenêtre « Mes séries » : composer une série de ses propres images (nom, images lues sur un
// autre fil, le nom de chacune, le carré gardé de chacune, celles à retirer), la créer ; voir et
// changer une série déjà faite (ses images, leurs noms, son nom), la renommer, la supprimer.
// Elle ne tient que la vue : NouvelleSerie compose, SeriesDuJoueur écrit.
class FenetreSerie : public QDialog {
    Q_OBJECT
public:
    explicit FenetreSerie(SeriesDuJoueur &series, QWidget *parent = nullptr);
    ~FenetreSerie() override;

    // Ouverte depuis le gestionnaire de fichiers : ces images, ce nom, et Entrée qui crée.
    void Preremplir(const QStringList &fichiers, const QString &nom);
    // L'identifiant de la série créée, vide si aucune ne l'a été.
    const QString &SerieCreee() const { return serieCreee; }

protected:
    void reject() override;

private:
    void ConstruireSeriesFaites();
    void ConstruireNouvelle();
    void ConstruireBas();
    void ResterDansLEcran();
    // Relit la liste ; la série `choisie` (son identifiant) y reste sélectionnée.
    void MontrerSeries(const QString &choisie = {});
    void AjouterImages();
    void AjouterDossier();
    // Parcourt les dossiers de `chemins` sur les fils des séries (un grand dossier ne fige pas
    // la fenêtre), puis lit les images trouvées ; `racine` : le dossier choisi, s'il y en a un.
    void Parcourir(const QStringList &chemins, const QString &racine);
    void ParcoursFini();
    void Importer(const QStringList &fichiers);
    void Lire(const QFuture<ImageLue> &lecture, int nombre);
    void ArreterLecture();
    void ImagesLuesRecues();
    void ImageLueRecue(const ImageLue &lue);
    void MontrerVignette(QListWidgetItem *element, const ImageLue &lue);
    QStringList AvisDeLImport() const;
    void ImportFini();
    void Retirer();
    void NomImageChange(QListWidgetItem *vignette);
    // L'aperçu suit l'image choisie ; le carré qu'on y déplace va à l'image et à sa vignette.
    void MontrerApercu();
    void CarreDeplace();
    // Une série faite, ses images montrées pour les changer ; sans identifiant, une nouvelle.
    void ModifierSerie();
    void Composer(const QString &id);
    void MettreAJourTitres();
    void MettreAJour();
    void Creer();
    void CreationFinie();
    void RenommerSerie();
    void SupprimerSerie();
    const Serie *SerieSelectionnee() const;
    const Serie *SerieModifiee() const; // celle que montre la composition, s'il y en a une
    // Un message en texte simple : noms de fichiers et noms du joueur ne sont jamais du HTML.
    void Avertir(const QString &titre, const QString &texte);

    SeriesDuJoueur &series;
    NouvelleSerie nouvelle;
    QString modifiee;       // la série faite que le joueur change, vide pour une nouvelle
    bool relecture = false; // vrai pendant que ses images sont relues
    bool changee = false;   // ses images ont changé depuis la relecture ou l'enregistrement
    // Vrai si le joueur laisse les changements de la série faite, ou s'il n'y en a pas.
    bool LaisserLesChangements();
    // Les images trouvées par le parcours des dossiers, et les dossiers où il n'y en a aucune.
    struct Trouvees {
        QStringList images;
        QStringList vides;
    };
    QFutureWatcher<Trouvees> parcours;
    QString racineParcours;
    QFutureWatcher<ImageLue> import;
    int prochaine = 0; // le prochain résultat de l'import à prendre, dans l'ordre des fichiers
    // L'identifiant de la série écrite, ou la cause de l'échec.
    struct Creation {
        QString id;
        QString echec;
    };
    QFutureWatcher<Creation> creation;
    // Vrai de la demande de création jusqu'à la prise de son résultat : le fil peut avoir fini
    // avant que la fenêtre l'apprenne, et la fermer entre-temps perdrait la série créée.
    bool ecriture = false;
    QStringList illisibles;
    // Le dossier choisi par « Ajouter un dossier… », et les images prises de cet import : d'où
    // elles viennent se dit à la fin.
    QString racineImport;
    QStringList prises;
    int doublons = 0;
    int laissees = 0; // au-delà de MaximumImagesSerie
    QString serieCreee;

    QWidget *CadreFaites = nullptr;
    QListWidget *ListeSeries = nullptr;
    QPushButton *Modifier = nullptr, *Renommer = nullptr, *Supprimer = nullptr;
    QGroupBox *CadreNouvelle = nullptr;
    ApercuCarre *Apercu = nullptr;
    QLineEdit *NomSerie = nullptr;
    QListWidget *Vignettes = nullptr;
    QPushButton *AjoutImages = nullptr, *AjoutDossier = nullptr, *RetirerImage = nullptr;
    QLabel *Compte = nullptr, *Avis = nullptr;
    QProgressBar *Progression = nullptr;
    QPushButton *Arreter = nullptr, *CreerSerie = nullptr, *Fermer = nullptr;
};

} // namespace kalvoro
