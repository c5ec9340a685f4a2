#pragma once
#include "AffichageScores.h"
#include "AnnoncesJeu.h"
#include "BoiteOuiNon.h"
#include "Demarrage.h"
#include "Focus.h"
#include "OperationsFenetre.h"
#include "Partie.h"
#include "Plateau.h"
#include "SeriesDuJoueur.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

class QGroupBox;
class QKeyEvent;
class QResizeEvent;
class QShortcut;

namespace kalvoro {

class BarreEtat;
class PanneauJoueurs;
class ServiceAide;

// La fenêtre principale : le plateau (48 cartes au classique), la liste des séries et celle des
// tailles, le choix des joueurs, les scores (ou, à plusieurs, les joueurs), la date, la barre
// d'état et les commandes. Elle s'agrandit : le plateau prend la place gagnée, les commandes
// restent à droite. Elle possède la partie, le magasin ouvert pour toute la durée du programme, et
// réalise sur ses contrôles les opérations que demande la logique.
class Jeu : public QWidget, public OperationsFenetre {
    Q_OBJECT
public:
    explicit Jeu(FabriqueMagasin fabrique, Partie::SourceX source = Partie::SourceParDefaut(),
                 OriginesJeu origines = OriginesJeu::DuProgramme(), QWidget *parent = nullptr);
    ~Jeu() override;

    // Le démarrage, avant le premier affichage. Un échec (magasin, date de l'exécutable) est
    // signalé comme fatal ; rend false si l'on ne peut pas continuer.
    bool Form_Load();

    const QString &NumeroVersion() const { return numeroVersion; }
    const QString &DateProgramme() const { return dateProgramme; }
    MagasinScores *Magasin() const { return magasin.get(); }
    Partie &LaPartie() { return partie; }
    ServiceAide &AideProgramme() const { return *serviceAide; }

    // La fenêtre « Ma série », préremplie de ces images et de ce nom s'il y en a ; une série
    // créée est choisie aussitôt, prête à jouer.
    void OuvrirFenetreSerie(const QStringList &fichiers = {}, const QString &nom = {});

    // Les opérations de la logique sur la fenêtre.
    void AfficherFace(int cellule, int numeroCarte, const Serie &serie) override;
    void AfficherDos(int cellule) override;
    void ActiverCellule(int cellule, bool actif) override;
    // Aucune disposition automatique : une cellule cachée laisse son carré vide.
    void MontrerCellule(int cellule, bool visible) override;
    void GelerPlateau(bool gele) override;
    void AjouterSerie(const QString &nom, int numero) override;
    QString TexteListeJeux() const override;
    int NumeroSerieChoisie() const override;
    const Serie *SerieChoisie() const override;
    void ActiverListeJeux(bool actif) override;
    TaillePlateau TailleChoisie() const override;
    void EcrireScoreEnCours(const QString &texte) override;
    QString LireScoreEnCours() const override { return ScoreEnCours->text(); }
    void EcrireMeilleurScore(const QString &texte) override;
    void ActiverAnnuler(bool actif) override;
    void DonnerFocusApresCarte() override;
    void DemarrerMinuterie() override;
    void ArreterMinuterie() override;
    void Repeindre() override;
    int QuestionOuiNon(const QString &titre, const QString &texte) override;
    void OuvrirEnregistre() override;
    QList<Joueur> JoueursChoisis() const override;
    void MontrerTablee(const Tablee &tablee, std::optional<bool> paire) override;
    void RejouerMemeSerie() override;

public slots:
    void Bouton_Click(int i);
    void ListeJeux_Click();
    void ListeTailles_Click();
    void BoutonJoueurs_Click();
    // F11 : le plein écran, et retour (F11 encore, ou Échap).
    void BasculerPleinEcran();
    void Annuler_Click();
    void Scores_Click();
    void Command1_Click();
    void Aide_Click();
    void Quitter_Click();
    void Minuterie_Timer();

protected:
    void closeEvent(QCloseEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;
    // Les touches sur Annuler.
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void CreerCadres();
    void CreerCommandes();
    // La taille du plateau (JeuTailles.cpp).
    void CreerListeTailles();
    void CreerPleinEcran();
    // Au lancement : la taille retenue, le plateau tel qu'il est.
    void ChoisirTaille(TaillePlateau taille);
    // Le joueur change de taille (ou la série qu'il vient de faire l'y oblige) : retenue, et le
    // nouveau plateau au repos.
    void PasserATaille(TaillePlateau taille);
    void RetenirTaille() const;
    TaillePlateau TailleRetenue() const;
    // Les joueurs (JeuJoueurs.cpp).
    void CreerChoixJoueurs();
    void AfficherJoueurs();
    void OrdonnerTabulation();
    bool ToucheSurAnnuler(const QKeyEvent &touche);
    void DonnerFocusAnnuler();
    // Après la saisie : le nouveau meilleur score et le rang du score inscrit, s'il l'est.
    void AnnoncerInscription(const QString &nom, const QString &prenom, int score);

    // Les séries du joueur (JeuSeries.cpp).
    void OuvrirSeriesJoueur();
    const QList<Serie> &SeriesJoueur() const;
    void RelireSeriesJoueur();
    void RemplirListe();
    QString LireMeilleurSansArreter(const QString &palmares,
                                    std::optional<ErreurScores> &illisible);
    void RenoncerASerie(const ErreurScores &erreur);

    // Les contrôles, sous leurs noms ; les cellules Bouton1 à Bouton48 sont dans le plateau.
    Plateau *plateau = nullptr;
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;
    QLabel *AfficheDate = nullptr, *MeilleurScore = nullptr, *ScoreEnCours = nullptr;
    QComboBox *ListeJeux = nullptr, *ListeTailles = nullptr;
    QPushButton *BoutonJoueurs = nullptr;
    PanneauJoueurs *panneauJoueurs = nullptr;
    QPushButton *Annuler = nullptr, *Scores = nullptr, *Command1 = nullptr, *Aide = nullptr,
                *Quitter = nullptr;
    QTimer *Minuterie = nullptr;
    BarreEtat *Barre = nullptr;
    QShortcut *SortiePleinEcran = nullptr;
    // Les cadres et commandes de droite à leurs places dans la fenêtre classique ; agrandie,
    // elle les décale d'autant vers la droite.
    QList<QPair<QWidget *, QPoint>> colonneDroite;

    FabriqueMagasin fabrique;
    OriginesJeu origines;
    // Nul sans dossier des séries ; avant le magasin, qui lui demande les fichiers des séries.
    std::unique_ptr<SeriesDuJoueur> seriesJoueur;
    std::unique_ptr<MagasinScores> magasin;
    // La série de la partie, ses faces tirées (une série du joueur en a plus de 24).
    std::optional<Serie> serieEnJeu;
    ServiceAide *serviceAide = nullptr;
    QString numeroVersion;
    QString dateProgramme;
    Partie partie;
    Partie::SourceX tirage; // le hasard des images d'une série du joueur
    std::unique_ptr<AnnoncesJeu> annonces;
    ChoixJoueurs choixJoueurs; // celui de la prochaine partie, retenu dans les réglages
    // Enregistre est ouvert : un meilleur score écrit maintenant vient de l'inscription.
    bool saisieOuverte = false;
    // Depuis quand le programme a mis lui-même le focus sur Annuler (invalide sinon).
    QElapsedTimer focusProgrammeSurAnnuler;
};

} // namespace kalvoro
