#pragma once
#include "OperationsFenetre.h"
#include "StockScores.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace kalvoro {

// Les textes du dialogue de saisie du score.
namespace TextesSaisie {
inline const QString TitreErreur = QStringLiteral("Erreur de saisie");
inline const QString AuMoinsUneLettre = QStringLiteral("Saisissez au moins une lettre !!!");
inline const QString TitreClassement = QStringLiteral("Saisie des scores");
inline const QString PhraseEgal =
    QStringLiteral("votre score est égal au plus mauvais score enregistré !!!");
inline const QString PhrasePlusMauvais =
    QStringLiteral("votre score est plus mauvais au plus mauvais score enregistré !!!");
inline const QString PasClasse = QStringLiteral("Vous ne pouvez être classé.");
} // namespace TextesSaisie

// Ce que la logique de saisie demande au dialogue Enregistre, et rien d'autre. Le dialogue le
// réalise sur ses contrôles ; les tests le réalisent avec un faux qui enregistre tout.
class OperationsSaisie {
public:
    enum class Controle { Prenom, Nom, Valider };

    virtual ~OperationsSaisie() = default;

    virtual QString TextePrenom() const = 0;
    virtual QString TexteNom() const = 0;
    virtual void DonnerFocus(Controle controle) = 0;

    // Les étiquettes Serie et Score.
    virtual void EcrireSerie(const QString &texte) = 0;
    virtual QString LireSerie() const = 0;
    virtual void EcrireScore(const QString &texte) = 0;
    virtual QString LireScore() const = 0;

    // Le cadre BoiteBoutons, dans une même unité que la largeur du dialogue.
    virtual int LargeurDialogue() const = 0;
    virtual int LargeurBoiteBoutons() const = 0;
    virtual void PlacerBoiteBoutons(int gauche) = 0;

    // Boîte modale de style 16 (OK seul, icône d'arrêt critique) ; rend la main à sa fermeture.
    virtual void MessageArret(const QString &titre, const QString &texte) = 0;

    virtual void Fermer() = 0;
};

// La logique du dialogue Enregistre : ouverture, filtres de frappe, validation et classement.
// Elle ne garde rien en propre : tout est lu dans les contrôles au moment voulu.
class SaisieScore {
public:
    using Horloge = std::function<QDate()>;

    SaisieScore(OperationsSaisie &dialogue, OperationsFenetre &jeu, StockScores &stock,
                Horloge horloge = &QDate::currentDate);

    void Form_Load();

    // Filtres de frappe : rendent le caractère à ajouter, ou rien quand la touche est absorbée
    // (Entrée, qui déplace le focus).
    std::optional<QChar> Prenom_KeyPress(QChar KeyAscii);
    std::optional<QChar> Nom_KeyPress(QChar KeyAscii);

    // Peut lever ErreurScores (le dialogue reste alors ouvert, rien n'est écrit à moitié).
    void Valider_Click();
    void Annuler_Click();

private:
    bool NomsRemplis();
    bool RefuserVide(OperationsSaisie::Controle controle);
    void Classer(const QString &serie, int score);
    void SignalerRefus(Classement classement);

    OperationsSaisie &Dialogue;
    OperationsFenetre &FenetreJeu;
    StockScores &Stock;
    Horloge Aujourdhui;
};

} // namespace kalvoro
