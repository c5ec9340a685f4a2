#include "GardeAnnuler.h"

namespace kalvoro {

bool AbandonAuClavierVoulu(bool repetee, bool enPause,
                           std::optional<long long> depuisFocusProgrammeMs,
                           int intervalleDoubleClicMs)
{
    if (repetee || enPause)
        return false;
    return !depuisFocusProgrammeMs || *depuisFocusProgrammeMs >= intervalleDoubleClicMs;
}

} // namespace kalvoro
