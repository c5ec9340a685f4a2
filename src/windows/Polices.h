#pragma once

namespace kalvoro {

// "MS Sans Serif" et "Arial" n'existent pas hors de Windows : on les remplace, une fois pour
// tout le programme, par des polices libres de mêmes mesures (Liberation Sans, sinon DejaVu).
// Sans effet au second appel.
void InstallerSubstitutionsPolices();

} // namespace kalvoro
