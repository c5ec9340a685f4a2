#pragma once
#include "NomsSerie.h"

namespace kalvoro {

// Le côté des vignettes de « Ma série », en points.
inline constexpr int CoteVignette = 64;

} // namespace kalvoro
