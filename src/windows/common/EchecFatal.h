#pragma once
#include "MagasinScores.h"

#include <QString>
#include <functional>

class QWidget;

namespace kalvoro {

// Un échec qui empêche de continuer (Scores.dat absent, refusé, illisible...) : le joueur lit
// en français ce qui a échoué et pourquoi, puis le programme se termine avec le statut 1.
// Jamais de plantage, jamais de fichier à moitié écrit (chaque écriture est une transaction).
void SignalerEchecFatal(QWidget *parent, const QString &message);

// Ce que le joueur doit savoir sans que rien ne soit perdu ni arrêté (un fichier mis de côté,
// une note qui n'a pu être écrite) : une boîte d'information, puis le jeu continue.
void SignalerAvis(QWidget *parent, const QString &message);

// Un échec du magasin, selon sa nature : celui d'une série du joueur (effacée, abîmée, disque
// plein) est dit au joueur (SignalerAvis) et le jeu continue sans ces scores ; celui de
// Scores.dat est fatal, comme toujours.
void SignalerEchecScores(QWidget *parent, const ErreurScores &erreur);

// Les tests remplacent la réaction (boîte puis sortie) pour observer l'échec sans mourir.
using ReactionEchecFatal = std::function<void(QWidget *parent, const QString &message)>;
void RemplacerReactionEchecFatal(ReactionEchecFatal reaction);

// Scores.dat tenu par un autre programme n'est pas un échec : la boîte « Fichier des scores
// occupé » dit pourquoi et propose Réessayer (vrai) ou Annuler (faux). Rien n'est perdu
// pendant qu'elle est ouverte.
bool ProposerReessai(QWidget *parent, const QString &texte);

// Ce que devient le programme quand le joueur renonce devant un fichier occupé.
enum class Renoncement {
    Continuer, // une lecture qu'on peut laisser : le jeu continue sans ces scores
    Arreter,   // l'ouverture du démarrage : l'échec est signalé, le programme s'arrête
};

// Fait l'action, qui ne touche aux scores que par des opérations qu'on peut refaire sans
// dommage. Un fichier occupé propose Réessayer / Annuler ; tout autre échec du magasin est
// signalé par SignalerEchecScores. Rend faux si l'action n'a pas abouti.
bool FaireAvecReessai(QWidget *parent, const std::function<void()> &action,
                      Renoncement renoncement);

} // namespace kalvoro
