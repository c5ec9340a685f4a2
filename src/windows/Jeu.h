#pragma once
#include "OperationsFenetre.h"
#include "Partie.h"
#include "StockScores.h"

#include <QDateTime>
#include <QHash>
#include <QIcon>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace kalvoro {

class BarreEtat;
class ServiceAide;

// Ouvre le magasin des scores sur ce fichier ; lève ErreurScores s'il ne s'ouvre pas.
using FabriqueStock = std::function<std::unique_ptr<StockScores>(const QString &chemin)>;

// D'où Jeu tire ce qu'il lit du système au démarrage : le dossier du programme (terminé par
// "/"), la date de l'exécutable et le Scores.dat à ouvrir (vide : celui du dossier). Le
// programme prend les vrais ; les tests les choisissent.
struct OriginesJeu {
    QString dossier;
    std::function<std::optional<QDateTime>()> dateExecutable;
    QString scores = {};
    // Non vide : la copie de Scores.dat chez le joueur a échoué, et voici pourquoi.
    QString echecScores = {};
    static OriginesJeu DuProgramme();
};

// La fenêtre principale : le plateau de 48 cartes, la liste des séries, les scores, la date,
// la barre d'état et les commandes. Elle possède la partie, le magasin ouvert pour toute la
// durée du programme, et réalise sur ses contrôles les opérations que demande la logique.
class Jeu : public QWidget, public OperationsFenetre {
    Q_OBJECT
public:
    explicit Jeu(FabriqueStock fabrique, Partie::SourceX source = Partie::SourceParDefaut(),
                 OriginesJeu origines = OriginesJeu::DuProgramme(), QWidget *parent = nullptr);
    ~Jeu() override;

    // Le démarrage, avant le premier affichage. Un échec (magasin, date de l'exécutable) est
    // signalé comme fatal ; rend false si l'on ne peut pas continuer.
    bool Form_Load();

    const QString &NumeroVersion() const { return numeroVersion; }
    const QString &DateProgramme() const { return dateProgramme; }
    StockScores *Stock() const { return baseScores.get(); }
    Partie &LaPartie() { return partie; }
    ServiceAide &AideProgramme() const { return *serviceAide; }

    // Les opérations de la logique sur la fenêtre.
    void AfficherFace(int cellule, int numeroCarte, int serie) override;
    void AfficherDos(int cellule) override;
    void ActiverCellule(int cellule, bool actif) override;
    void MontrerCellule(int cellule, bool visible) override;
    void AjouterSerie(const QString &nom, int numero) override;
    QString TexteListeJeux() const override;
    int NumeroSerieChoisie() const override;
    void ActiverListeJeux(bool actif) override;
    void EcrireScoreEnCours(const QString &texte) override;
    QString LireScoreEnCours() const override;
    void EcrireMeilleurScore(const QString &texte) override;
    void ActiverAnnuler(bool actif) override;
    void DonnerFocusAnnuler() override;
    void DemarrerMinuterie() override;
    void ArreterMinuterie() override;
    void Repeindre() override;
    int QuestionOuiNon(const QString &titre, const QString &texte) override;
    void OuvrirEnregistre() override;

public slots:
    void Bouton_Click(int i);
    void ListeJeux_Click();
    void Annuler_Click();
    void Scores_Click();
    void Command1_Click();
    void Aide_Click();
    void Quitter_Click();
    void Minuterie_Timer();

protected:
    void closeEvent(QCloseEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;
    // Les touches et la molette sur les cellules, Annuler et ListeJeux (JeuClavier.cpp).
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    void CreerPlateau();
    void CreerCadres();
    void CreerCommandes();
    void OrdonnerTabulation();
    bool OuvrirBaseScores();
    bool LireDateProgramme();
    const QIcon &Icone(const QString &chemin);
    // Le focus déplacé par le programme, avec son cadre visible comme après une tabulation.
    void DonnerFocus(QWidget *controle);
    bool CelluleJouable(int i) const;
    bool FlecheSurCellule(int i, const QKeyEvent &touche);
    bool ToucheSurAnnuler(const QKeyEvent &touche);
    // Exécute une action qui touche au magasin : un échec de Scores.dat est fatal, jamais un
    // plantage.
    void SansEchec(const std::function<void()> &action);

    // Les contrôles, sous leurs noms ; Bouton(0) n'existe pas.
    std::array<QPushButton *, 49> Bouton{};
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;
    QLabel *AfficheDate = nullptr, *MeilleurScore = nullptr, *ScoreEnCours = nullptr;
    QComboBox *ListeJeux = nullptr;
    QPushButton *Annuler = nullptr, *Scores = nullptr, *Command1 = nullptr, *Aide = nullptr,
                *Quitter = nullptr;
    QTimer *Minuterie = nullptr;
    BarreEtat *Barre = nullptr;

    FabriqueStock fabrique;
    OriginesJeu origines;
    std::unique_ptr<StockScores> baseScores;
    ServiceAide *serviceAide = nullptr;
    QString numeroVersion;
    QString dateProgramme;
    QHash<QString, QIcon> icones;
    int derniereCellule = 1; // la dernière cellule jouée, où les flèches ramènent le focus
    Partie partie;
};

} // namespace kalvoro
