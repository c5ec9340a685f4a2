#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace kalvoro {

// Un échec qui empêche de continuer (Scores.dat absent, refusé, illisible...) : le joueur lit
// en français ce qui a échoué et pourquoi, puis le programme se termine avec le statut 1.
// Jamais de plantage, jamais de fichier à moitié écrit (chaque écriture est une transaction).
void SignalerEchecFatal(QWidget *parent, const QString &message);

// Les tests remplacent la réaction (boîte puis sortie) pour observer l'échec sans mourir.
using ReactionEchecFatal = std::function<void(QWidget *parent, const QString &message)>;
void RemplacerReactionEchecFatal(ReactionEchecFatal reaction);

// Scores.dat tenu par un autre programme n'est pas un échec : la boîte « Fichier des scores
// occupé » dit pourquoi et propose Réessayer (vrai) ou Annuler (faux). Rien n'est perdu
// pendant qu'elle est ouverte.
bool ProposerReessai(QWidget *parent, const QString &texte);

// Le conseil de la boîte au démarrage, ajouté au message du magasin.
extern const QString ConseilOccupeDemarrage;

// Fait une lecture des scores qu'on peut refaire sans dommage (choix d'une série, liste d'une
// table). Un fichier occupé propose Réessayer / Annuler et rend faux si le joueur renonce : le
// jeu continue sans ces scores. Tout autre échec du magasin est fatal.
bool LireAvecReessai(QWidget *parent, const std::function<void()> &lecture);

} // namespace kalvoro
