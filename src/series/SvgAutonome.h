#pragma once
// Une image SVG peut nommer d'autres fichiers (<image xlink:href="…">) que le moteur de Qt
// chargerait : elle-même à l'infini, un tube qui bloque, un fichier privé du joueur. Seules
// passent les images qui se suffisent à elles-mêmes.
#include <QByteArray>

namespace kalvoro {

// Vrai si ce SVG ne renvoie qu'à lui-même (« #… ») ou à des images matricielles contenues
// dans ses propres octets (« data:image/png… ») ; faux pour tout autre renvoi, une entité
// déclarée, ou un texte qui n'est pas du XML bien formé.
bool SvgAutonome(const QByteArray &svg);

} // namespace kalvoro
