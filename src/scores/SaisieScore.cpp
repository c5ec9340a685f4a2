#include "SaisieScore.h"

#include "Majuscules.h"
#include "Reessai.h"
#include "Series.h"

namespace kalvoro {

namespace {

constexpr QChar Entree = QChar(13);
const QString DeuxSautsDeLigne = QStringLiteral("\n\n");

QString Traduit(const char *texte)
{
    return SaisieScore::tr(texte);
}

// Le score arrive en texte depuis l'étiquette ScoreEnCours ; seul un entier positif en est un.
std::optional<int> ScoreLu(const QString &texte)
{
    bool ok = false;
    const int score = texte.toInt(&ok);
    if (!ok || score <= 0)
        return std::nullopt;
    return score;
}

} // namespace

SaisieScore::SaisieScore(OperationsSaisie &dialogueSaisie, OperationsFenetre &jeu,
                         MagasinScores &leMagasin, Horloge horloge)
    : dialogue(dialogueSaisie), fenetreJeu(jeu), magasin(leMagasin), aujourdhui(std::move(horloge))
{
}

void SaisieScore::Form_Load()
{
    dialogue.PlacerBoiteBoutons((dialogue.LargeurDialogue() - dialogue.LargeurBoiteBoutons()) / 2);
    dialogue.EcrireSerie(TexteSerie());
    dialogue.EcrireScore(fenetreJeu.LireScoreEnCours());
}

// Au plateau classique, l'entrée de la liste telle quelle ; à une autre taille, suivie de la
// taille, dont les scores sont à part.
QString SaisieScore::TexteSerie() const
{
    const QString entree = fenetreJeu.TexteListeJeux();
    const Serie *choisie = fenetreJeu.SerieChoisie();
    if (!choisie || choisie->Taille == TailleClassique)
        return entree;
    return SaisieScore::tr("%1 (%2)", "série (taille du plateau)")
        .arg(entree, choisie->Taille.Nom());
}

std::optional<QChar> SaisieScore::Prenom_KeyPress(QChar KeyAscii)
{
    if (KeyAscii == Entree) {
        dialogue.DonnerFocus(OperationsSaisie::Controle::Nom);
        return std::nullopt;
    }
    // Seul le blanc sépare les mots, et c'est la fin du texte qui compte, pas la place du curseur.
    const QString texte = dialogue.TextePrenom();
    if (texte.isEmpty() || texte.back() == QLatin1Char(' '))
        return MajusculeInterface(KeyAscii);
    return KeyAscii;
}

std::optional<QChar> SaisieScore::Nom_KeyPress(QChar KeyAscii)
{
    if (KeyAscii == Entree) {
        dialogue.DonnerFocus(OperationsSaisie::Controle::Valider);
        return std::nullopt;
    }
    return MajusculeInterface(KeyAscii);
}

void SaisieScore::Valider_Click()
{
    if (!NomsRemplis())
        return;
    const auto reessayer = [this](const ErreurScores &erreur) {
        return dialogue.ProposerReessai(TexteOccupe(erreur, TextesOccupe::AnnulerRevientALaSaisie));
    };
    if (FaireTantQueOccupe([this] { Inscrire(); }, reessayer))
        Annuler_Click();
}

void SaisieScore::Inscrire()
{
    // L'étiquette montre le nom traduit : le palmarès vient de la série choisie dans Jeu.
    const Serie *choisie = fenetreJeu.SerieChoisie();
    const QString serie = choisie ? choisie->Palmares() : QString();
    const QString texteScore = dialogue.LireScore();
    const auto score = ScoreLu(texteScore);
    if (!score) {
        // Ne peut venir que d'une fin de partie faussée : mieux vaut ne rien inscrire qu'un 0
        // qui passerait en tête du classement.
        dialogue.MessageArret(Traduit(TextesSaisie::TitreClassement),
                              SaisieScore::tr("Le score « %1 » n'est pas un nombre "
                                              "de coups : rien n'est enregistré.")
                                  .arg(texteScore));
        return;
    }
    if (!classe) {
        Classer(serie, *score);
        classe = true;
    }
    fenetreJeu.EcrireMeilleurScore(magasin.LireMeilleurScore(serie));
}

void SaisieScore::Annuler_Click()
{
    fenetreJeu.EcrireScoreEnCours(QString());
    dialogue.Fermer();
}

bool SaisieScore::NomsRemplis()
{
    // Un nom fait de blancs passe : seul le texte vide est refusé.
    if (dialogue.TextePrenom().isEmpty())
        return RefuserVide(OperationsSaisie::Controle::Prenom);
    if (dialogue.TexteNom().isEmpty())
        return RefuserVide(OperationsSaisie::Controle::Nom);
    return true;
}

bool SaisieScore::RefuserVide(OperationsSaisie::Controle controle)
{
    dialogue.MessageArret(Traduit(TextesSaisie::TitreErreur),
                          Traduit(TextesSaisie::AuMoinsUneLettre));
    dialogue.DonnerFocus(controle);
    return false;
}

void SaisieScore::Classer(const QString &serie, int score)
{
    const int plusMauvais = magasin.LirePlusMauvaisScore(serie);
    if (score > plusMauvais) {
        SignalerRefus(Classement::PlusMauvais);
        return;
    }
    if (score == plusMauvais) {
        SignalerRefus(Classement::Egal);
        return;
    }
    // Le magasin compare de nouveau dans sa transaction : si une autre copie du programme a
    // changé la table entre-temps, c'est son verdict qui fait foi.
    const Classement resultat = magasin.RemplacerPlusMauvais(
        serie, dialogue.TexteNom(), dialogue.TextePrenom(), score, aujourdhui());
    if (resultat != Classement::Inscrit)
        SignalerRefus(resultat);
}

void SaisieScore::SignalerRefus(Classement classement)
{
    const char *phrase =
        classement == Classement::Egal ? TextesSaisie::PhraseEgal : TextesSaisie::PhrasePlusMauvais;
    // Un seul arg() à deux arguments : un « %1 » tapé dans un nom reste du texte.
    const QString salut =
        SaisieScore::tr("Désolé, %1 %2,").arg(dialogue.TextePrenom(), dialogue.TexteNom());
    dialogue.MessageArret(Traduit(TextesSaisie::TitreClassement),
                          salut + DeuxSautsDeLigne + Traduit(phrase) + DeuxSautsDeLigne +
                              Traduit(TextesSaisie::PasClasse));
}

} // namespace kalvoro
