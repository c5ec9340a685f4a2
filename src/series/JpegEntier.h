#pragma once
// Un JPEG coupé (une copie ou un téléchargement interrompu) se décode quand même : le bas de
// la photo devient gris, et seul un avertissement de libjpeg le dit. On le reconnaît avant de
// le décoder, à ses segments.
#include <QByteArray>

namespace kalvoro {

// Ces octets commencent-ils comme un JPEG (SOI suivi d'un marqueur) ?
bool EstJpeg(const QByteArray &contenu);

// Les segments du JPEG se suivent-ils jusqu'au marqueur de fin (EOI) ? Ce qui suit EOI (la
// vidéo d'une photo animée, par exemple) est permis.
bool JpegEntier(const QByteArray &contenu);

} // namespace kalvoro
