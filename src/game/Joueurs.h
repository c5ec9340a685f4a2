#pragma once
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kalvoro {

// La mémoire de l'ordinateur quand il joue : il oublie plus ou moins vite les cartes vues. Les
// réglages et la liste de la fenêtre Joueurs les numérotent dans cet ordre, de 0.
enum class NiveauOrdinateur { Facile, Moyen, Fort };

inline constexpr int JoueursAuPlus = 4;

struct Joueur {
    QString prenom;
    std::optional<NiveauOrdinateur> ordinateur; // vide : une personne
    bool operator==(const Joueur &) const = default;
};

// Le choix fait avant la partie : le nombre de joueurs, les prénoms des quatre places (gardés
// même inutilisés, pour la prochaine fois) et l'ordinateur, toujours à la dernière place.
struct ChoixJoueurs {
    Q_DECLARE_TR_FUNCTIONS(ChoixJoueurs)
public:
    int nombre = 1;
    QStringList prenoms;
    bool ordinateur = false;
    NiveauOrdinateur niveau = NiveauOrdinateur::Moyen;

    // Vide pour un joueur seul ; une place sans prénom prend celui par défaut.
    QList<Joueur> Joueurs() const;
    static QString PrenomParDefaut(int place); // « Joueur 2 », places comptées de 1
    static QString NomOrdinateur();
    static QString NomNiveau(NiveauOrdinateur niveau);
};

// Les joueurs d'une partie, à qui est le tour et les paires de chacun. Un joueur qui trouve une
// paire rejoue ; sinon la main passe au suivant. Seul, le joueur garde toujours la main.
class Tablee {
    Q_DECLARE_TR_FUNCTIONS(Tablee)
public:
    // Sans joueur, la partie d'un joueur seul.
    explicit Tablee(QList<Joueur> joueurs = {});

    const QList<Joueur> &Joueurs() const { return joueurs; }
    bool APlusieurs() const { return joueurs.size() > 1; }
    int Courant() const { return courant; }
    const Joueur &JoueurCourant() const { return joueurs[courant]; }
    bool TourOrdinateur() const { return JoueurCourant().ordinateur.has_value(); }
    int PairesDe(int joueur) const { return paires[joueur]; }
    // Celui qui a joué le dernier tour fini (qu'il ait gardé la main ou non).
    int DernierAJouer() const { return dernier; }

    void FinirTour(bool paire);

    // « Léa gagne avec 7 paires, Tom 5 paires » ; les ex aequo en tête gagnent ensemble.
    QString Classement() const;
    // « 3 paires », « 1 paire », « aucune paire ».
    static QString TextePaires(int nombre);

private:
    QString Gagnants(const QList<int> &tete) const;

    QList<Joueur> joueurs;
    QList<int> paires;
    int courant = 0;
    int dernier = 0;
};

} // namespace kalvoro
