#pragma once
#include <QList>
#include <QString>

namespace kalvoro {

// Un morceau de l'aide : son ouverture (le titre et le sommaire), ou l'une de ses sections
// (un titre <h2> qui porte une ancre, jusqu'au suivant).
struct MorceauAide {
    QString ancre; // vide pour l'ouverture
    QString titre; // en texte simple
    QString html;  // un document complet, lisible seul
};

// L'aide découpée en morceaux, pour qu'un lecteur d'écran la lise section par section et que
// le sommaire y mène au clavier. Un document sans section donne un seul morceau.
QList<MorceauAide> DecouperAide(const QString &html);

} // namespace kalvoro
