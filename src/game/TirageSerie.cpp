#include "TirageSerie.h"

#include <algorithm>
#include <numeric>

namespace kalvoro {

QList<int> TirerImages(int nombre, const std::function<float()> &source, int paires)
{
    QList<int> index(std::max(nombre, 0));
    std::iota(index.begin(), index.end(), 0);
    // Fisher-Yates arrêté aux `paires` premières places : chacune reçoit une image tirée parmi
    // celles qui restent, toutes également probables.
    const int tirees = std::clamp(paires, 0, std::max(nombre, 0));
    for (int k = 0; k < tirees; ++k) {
        const int restantes = nombre - k;
        const int pris =
            std::clamp(static_cast<int>(double(restantes) * double(source())), 0, restantes - 1);
        std::swap(index[k], index[k + pris]);
    }
    index.resize(tirees);
    return index;
}

} // namespace kalvoro
