#include "Majuscules.h"

#include <QStringView>

namespace kalvoro {

namespace {

// Les caractères de Windows-1252 placés entre 0x80 et 0x9F, hors de Latin-1.
constexpr QStringView HorsLatin1 = u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";

} // namespace

bool DansJeuInterface(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return true;
    return HorsLatin1.contains(c);
}

QChar MajusculeInterface(QChar c)
{
    if (!DansJeuInterface(c))
        return c;
    // QChar::toUpper suit Unicode : µ y deviendrait un mu grec, absent du jeu de l'interface.
    const QChar capitale = c.toUpper();
    return DansJeuInterface(capitale) ? capitale : c;
}

} // namespace kalvoro
