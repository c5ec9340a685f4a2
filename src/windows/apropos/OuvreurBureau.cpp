#include "OuvreurBureau.h"

#include <QDesktopServices>

namespace kalvoro {

namespace {

class OuvreurQt final : public OuvreurBureau {
public:
    bool Ouvrir(const QUrl &adresse) override { return QDesktopServices::openUrl(adresse); }
};

} // namespace

OuvreurBureau &OuvreurDuSysteme()
{
    static OuvreurQt ouvreur;
    return ouvreur;
}

} // namespace kalvoro
