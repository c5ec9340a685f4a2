#pragma once

namespace kalvoro {

// Entrée appuie sur le bouton qui a le focus, comme sur les bureaux : Qt ne le fait que pour
// le bouton par défaut d'un dialogue, et ceux de ce programme n'en ont pas (Entrée y passe
// d'une zone à l'autre). Le joueur qui y a mené le focus, par Tab ou par Entrée, l'appuie
// ainsi. La touche y vaut la barre d'espace, avec les mêmes gardes (touche tenue, pause d'un
// tour, Annuler juste après une carte). Posé une fois pour tout le programme ; chaque fenêtre
// l'appelle à sa construction, pour valoir aussi quand elle est ouverte seule.
void EntreeAppuieLeBouton();

} // namespace kalvoro
