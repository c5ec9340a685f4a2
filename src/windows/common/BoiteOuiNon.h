#pragma once
#include <QString>

class QWidget;

namespace kalvoro {

// La boîte modale Oui/Non de la logique : icône d'information, Oui par défaut. Elle n'a pas de
// bouton d'annulation : ni Échap ni sa case de fermeture ne répondent à la place du joueur.
// Rend ReponseOui (6) ou ReponseNon (7).
int DemanderOuiNon(QWidget *parent, const QString &titre, const QString &texte);

// La même question avant un geste qu'on ne rattrape pas : Non par défaut, et Échap ou la case
// de fermeture valent Non. Rend vrai si le joueur a répondu Oui.
bool ConfirmerOuiNon(QWidget *parent, const QString &titre, const QString &texte);

} // namespace kalvoro
