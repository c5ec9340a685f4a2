#pragma once

namespace kalvoro {

// Les positions et tailles des fenêtres sont dessinées en twips (1/1440 de pouce) ; à 96 points
// par pouce, 15 twips font un pixel. Les géométries s'écrivent avec les nombres en twips du
// dessin, pour qu'on puisse les relire contre lui.
inline constexpr int TwipsParPixel = 15;

constexpr int Twips(int twips)
{
    return twips / TwipsParPixel;
}

} // namespace kalvoro
