#pragma once
#include "MagasinScores.h"
#include "OperationsFenetre.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace kalvoro {

// Les textes du dialogue de saisie du score, en français ; la saisie les traduit en les montrant.
namespace TextesSaisie {
inline constexpr const char *TitreErreur = QT_TRANSLATE_NOOP("SaisieScore", "Erreur de saisie");
inline constexpr const char *AuMoinsUneLettre =
    QT_TRANSLATE_NOOP("SaisieScore", "Saisissez au moins une lettre !!!");
inline constexpr const char *TitreClassement =
    QT_TRANSLATE_NOOP("SaisieScore", "Saisie des scores");
inline constexpr const char *PhraseEgal =
    QT_TRANSLATE_NOOP("SaisieScore", "votre score est égal au plus mauvais score enregistré !!!");
inline constexpr const char *PhrasePlusMauvais = QT_TRANSLATE_NOOP(
    "SaisieScore", "votre score est plus mauvais au plus mauvais score enregistré !!!");
inline constexpr const char *PasClasse =
    QT_TRANSLATE_NOOP("SaisieScore", "Vous ne pouvez être classé.");
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

    // Boîte Réessayer / Annuler pour un fichier occupé ; vrai si le joueur veut réessayer.
    virtual bool ProposerReessai(const QString &texte) = 0;

    virtual void Fermer() = 0;
};

// La logique du dialogue Enregistre : ouverture, filtres de frappe, validation et classement.
// Elle ne garde rien en propre : tout est lu dans les contrôles au moment voulu.
class SaisieScore {
    Q_DECLARE_TR_FUNCTIONS(SaisieScore)
public:
    using Horloge = std::function<QDate()>;

    SaisieScore(OperationsSaisie &dialogueSaisie, OperationsFenetre &jeu, MagasinScores &leMagasin,
                Horloge horloge = &QDate::currentDate);

    void Form_Load();

    // Filtres de frappe : rendent le caractère à ajouter, ou rien quand la touche est absorbée
    // (Entrée, qui déplace le focus).
    std::optional<QChar> Prenom_KeyPress(QChar KeyAscii);
    std::optional<QChar> Nom_KeyPress(QChar KeyAscii);

    // Un fichier occupé laisse le joueur réessayer ou revenir à la saisie, le dialogue ouvert.
    // Toute autre ErreurScores remonte (rien n'est écrit à moitié).
    void Valider_Click();
    void Annuler_Click();

private:
    QString TexteSerie() const;
    void Inscrire();
    bool NomsRemplis();
    bool RefuserVide(OperationsSaisie::Controle controle);
    void Classer(const QString &serie, int score);
    void SignalerRefus(Classement classement);

    OperationsSaisie &dialogue;
    OperationsFenetre &fenetreJeu;
    MagasinScores &magasin;
    Horloge aujourdhui;
    // Le classement est fait (score écrit ou refus dit) : un nouvel essai après un fichier
    // occupé ne relit plus que le meilleur score, sans inscrire deux fois.
    bool classe = false;
};

} // namespace kalvoro
