#include "Langue.h"

namespace kalvoro {

namespace {

Langue &Choix()
{
    static Langue langue;
    return langue;
}

} // namespace

const Langue &LangueChoisie()
{
    return Choix();
}

void ChoisirLangue(const Langue &langue)
{
    Choix() = langue;
}

} // namespace kalvoro
