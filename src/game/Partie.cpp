#include "Partie.h"

#include "Series.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>

namespace kalvoro {

namespace {

constexpr int TicsDePause = 7; // la pause finit au tic où Tempo dépasse 7 (800 ms)
// L'ordinateur retourne une carte toutes les deux secondes : on la voit venir, et un lecteur
// d'écran a le temps de la dire avant la suivante.
constexpr int TicsParCarteOrdinateur = 20;

// Les numéros des cartes d'un plateau de `cellules` cartes dans l'ordre, chacun sur deux chiffres
// ("010203…48" au plateau classique).
QString PiocheInitiale(int cellules)
{
    QString pioche;
    for (int carte = 1; carte <= cellules; ++carte)
        pioche += QStringLiteral("%1").arg(carte, 2, 10, QLatin1Char('0'));
    return pioche;
}

// Garde de réentrance : lève le drapeau le temps d'un traitement, le rabaisse en sortant.
class TraitementEnCours {
public:
    explicit TraitementEnCours(bool &leve) : drapeau(leve) { drapeau = true; }
    ~TraitementEnCours() { drapeau = false; }
    TraitementEnCours(const TraitementEnCours &) = delete;
    TraitementEnCours &operator=(const TraitementEnCours &) = delete;

private:
    bool &drapeau;
};

} // namespace

Partie::Partie(OperationsFenetre &operations, SourceX sourceX)
    : fenetre(operations), source(std::move(sourceX))
{
}

Partie::SourceX Partie::SourceParDefaut()
{
    const auto horloge = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device entropie;
    std::seed_seq graine{entropie(), entropie(), static_cast<unsigned>(horloge),
                         static_cast<unsigned>(static_cast<unsigned long long>(horloge) >> 32)};
    auto generateur = std::make_shared<std::mt19937>(graine);
    // 24 bits tirés au hasard divisés par 2^24 : toutes les valeurs sont exactes en float,
    // également probables, et la plus grande est 1 - 2^-24, jamais 1.
    return [generateur]() {
        const auto bits = static_cast<std::uint32_t>((*generateur)()) >> 8;
        return static_cast<float>(bits) / 16777216.0f;
    };
}

bool Partie::EnPause() const
{
    return enPause;
}

bool Partie::FormePaire(int cellule) const
{
    // Les cartes n et n + Paires() montrent la même image.
    return std::abs(tableau[static_cast<std::size_t>(cellule)] - valeur1) == taille.Paires();
}

TaillePlateau Partie::Taille() const
{
    // La taille de la donne tant qu'elle dure ; sinon celle que le joueur a choisie.
    return distribue == 1 ? taille : fenetre.TailleChoisie();
}

void Partie::Annuler_Click()
{
    if (enPause || TourOrdinateur()) {
        // Le tour abandonné s'arrête là : ses cartes ne seront ni retournées ni comptées.
        enPause = false;
        tempo = 0;
        fenetre.ArreterMinuterie();
        fenetre.GelerPlateau(false);
    }
    // La liste d'abord : Annuler désactivé lui laisse le focus, au lieu de l'envoyer sur Aide.
    fenetre.ActiverListeJeux(true);
    fenetre.ActiverAnnuler(false);
    const int cellules = Taille().Cellules();
    for (int i = 1; i <= cellules; ++i) {
        fenetre.MontrerCellule(i, true);
        fenetre.ActiverCellule(i, false);
        fenetre.AfficherDos(i);
    }
    cachee.fill(false);
    distribue = 0;
    nbRetournees = 0;
    nbClics = 0;
    nbPaires = 0;
    fenetre.EcrireScoreEnCours(QString());
    Attabler();
}

void Partie::Distribuer()
{
    taille = fenetre.TailleChoisie();
    QString pioche = PiocheInitiale(taille.Cellules());
    for (int k = 1; k <= taille.Cellules(); ++k) {
        const int m = static_cast<int>(pioche.size() / 2);
        // Le produit d'un float par un petit entier est exact en double : r = int(m·x + 1).
        const int tire = static_cast<int>(double(m) * double(source()) + 1.0);
        const int r = std::clamp(tire, 1, m); // une source fautive ne sort pas de la pioche
        const int p = 2 * r - 1;
        tableau[static_cast<std::size_t>(k)] = static_cast<qint16>(pioche.mid(p - 1, 2).toInt());
        pioche.remove(p - 1, 2);
    }
    distribue = 1;
    Attabler();
}

void Partie::Minuterie_Timer()
{
    ++tempo;
    if (enPause) {
        if (tempo > TicsDePause)
            FinirTour();
        return;
    }
    if (TourOrdinateur() && tempo >= TicsParCarteOrdinateur)
        JouerPourLOrdinateur();
}

bool Partie::ClicRecevable(int i) const
{
    if (i < 1 || i > Taille().Cellules() || clicEnTraitement || enPause)
        return false;
    // Rien n'est choisi dans ListeJeux : le plateau n'est pas encore jouable.
    if (fenetre.TexteListeJeux().isEmpty())
        return false;
    // Une cellule d'une paire trouvée n'a plus de carte jusqu'à la remise à zéro.
    return !(distribue == 1 && cachee[static_cast<std::size_t>(i)]);
}

void Partie::Bouton_Click(int i)
{
    if (TourOrdinateur() || !ClicRecevable(i))
        return;
    JouerCarte(i);
}

void Partie::JouerCarte(int i)
{
    TraitementEnCours garde(clicEnTraitement);
    tempo = 0;
    ++nbClics;
    ++nbRetournees;
    if (distribue == 0)
        Distribuer();
    RetournerCarte(i);
    const int carte = tableau[static_cast<std::size_t>(i)];
    if (nbRetournees == 1) {
        valeur1 = carte;
        position1 = i;
        valeur2 = 0;
        position2 = 0;
        if (!TourOrdinateur())
            fenetre.DonnerFocusApresCarte();
        return;
    }
    fenetre.GelerPlateau(true);
    valeur2 = carte;
    position2 = i;
    if (!FormePaire(i))
        fenetre.Repeindre(); // les deux faces doivent se voir avant la pause
    CommencerPause();
}

void Partie::RetournerCarte(int i)
{
    // Une série inconnue ne montre aucune face ; le tour continue quand même.
    const int carte = tableau[static_cast<std::size_t>(i)];
    if (const Serie *serie = fenetre.SerieChoisie())
        fenetre.AfficherFace(i, carte, *serie);
    if (ordinateur)
        ordinateur->Voir(i, carte);
    fenetre.Repeindre();
}

void Partie::CommencerPause()
{
    enPause = true;
    fenetre.DemarrerMinuterie();
}

void Partie::FinirTour()
{
    TraitementEnCours garde(clicEnTraitement);
    enPause = false;
    fenetre.GelerPlateau(false);
    tempo = 0;
    fenetre.ArreterMinuterie();
    const bool paire = std::abs(valeur2 - valeur1) == taille.Paires();
    if (paire) {
        CacherPaire();
        if (nbPaires == taille.Paires()) {
            tablee.FinirTour(true);
            FinirPartie();
            return;
        }
    } else {
        fenetre.AfficherDos(position1);
        fenetre.AfficherDos(position2);
    }
    nbRetournees = 0;
    PasserLaMain(paire);
}

void Partie::CacherPaire()
{
    // Cachées d'abord : une cellule cachée n'a plus à dire son nouveau nom aux lecteurs d'écran.
    fenetre.MontrerCellule(position1, false);
    fenetre.MontrerCellule(position2, false);
    fenetre.AfficherDos(position1);
    fenetre.AfficherDos(position2);
    cachee[static_cast<std::size_t>(position1)] = true;
    cachee[static_cast<std::size_t>(position2)] = true;
    if (ordinateur) {
        ordinateur->Retirer(position1);
        ordinateur->Retirer(position2);
    }
    ++nbPaires;
}

void Partie::FinirPartie()
{
    if (tablee.APlusieurs()) {
        FinirPartieAPlusieurs();
        return;
    }
    // L'étiquette montre le score final pendant la question et pendant Enregistre, qui l'y lit.
    const QString score = QString::number(nbClics / 2);
    fenetre.EcrireScoreEnCours(score);
    const QString texte = Partie::tr("La partie est terminée !!\n\nVotre score est de "
                                     "%1 points\n\nSouhaitez vous enregistrer votre score ?")
                              .arg(score);
    const int reponse = fenetre.QuestionOuiNon(Partie::tr("Fin de partie"), texte);
    if (reponse == ReponseOui)
        fenetre.OuvrirEnregistre();
    Annuler_Click();
}

} // namespace kalvoro
