#pragma once
#include "AffichageScores.h"
#include "MagasinScores.h"

#include <QDialog>
#include <QList>
#include <array>
#include <functional>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace kalvoro {

// La visionneuse des meilleurs scores : six boutons de série, la liste des séries du joueur
// s'il en a, une grille qui montre la table de la série choisie, la liste des tailles de
// plateau (le classique à l'ouverture) et Quitter. Jeu l'ouvre en modal
// (exec()) avec son magasin de scores ; elle ne garde rien d'une visite à l'autre et ne modifie
// jamais les scores.
class VisuScores : public QDialog, private OperationsGrille {
    Q_OBJECT
public:
    // Sans série du joueur, la fenêtre est celle de toujours ; avec, elle montre leur liste,
    // dans l'ordre donné, sous les six boutons.
    explicit VisuScores(MagasinScores &magasin, QList<Serie> seriesJoueur = {},
                        QWidget *parent = nullptr);

public slots:
    void Bouton_Click(int index);
    void SeriesJoueur_Activated(int index);
    void Taille_Changed(int index);
    void Quitter_Click();

protected:
    void showEvent(QShowEvent *evenement) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void ConstruireBoutons();
    void ConstruireSeriesJoueur();
    void RemplirSeriesJoueur();
    void ConstruireTaille();
    void Remontrer();
    void ConstruireGrille();
    void ColorerGrille();
    void RendreGrilleLisible();
    void Afficher(const std::function<void()> &lecture, const QString &nomAffiche,
                  bool versLaGrille = true);
    void DireSerie(const QString &serie);
    void ConstruireQuitter();
    void ReglerTabulation();

    // OperationsGrille, sur les vrais contrôles.
    double LargeurFenetre() const override;
    double LargeurGrille() const override;
    double LargeurQuitter() const override;
    void PlacerGrille(double gauche) override;
    void PlacerQuitter(double gauche) override;
    void DefinirCouleurTexte(const Couleur &couleur) override;
    void DefinirLargeurColonne(int colonne, double largeur) override;
    void DefinirAlignementColonne(int colonne, Alignement alignement) override;
    void ChoisirLigne(int ligne) override;
    int LigneCourante() const override;
    void ChoisirColonne(int colonne) override;
    void EcrireCellule(const QString &texte) override;
    void DefinirLegende(const QString &legende) override;

    std::array<QPushButton *, NombreBoutonsSeries> Bouton{};
    QTableWidget *Grille = nullptr;
    QPushButton *Quitter = nullptr;
    QComboBox *SeriesJoueur = nullptr; // seulement si le joueur a des séries
    QComboBox *Taille = nullptr;

    AffichageScores affichage;
    QList<Serie> seriesDuJoueur;
    QList<Serie> seriesOffertes; // celles de la liste : les séries du joueur qui remplissent
                                 // le plateau de la taille choisie
    int boutonMontre = -1;       // la série montrée : un bouton, ou l'Id d'une série du joueur
    QString idMontre;
    int decalage = 0;    // en twips : la hauteur prise par la liste des séries du joueur
    bool charge = false; // Form_Load a eu lieu
    int ligneCourante = 0;
    int colonneCourante = 0;
    bool choixALaSouris = false; // la série a été choisie d'un clic (sinon : au clavier)
};

} // namespace kalvoro
