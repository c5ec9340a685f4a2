#include "Polices.h"

#include <QStringList>

namespace kalvoro {

QFont Police(const QString &famille, qreal points, bool gras, bool italique)
{
    QFont police(famille);
    police.setPointSizeF(points);
    police.setBold(gras);
    police.setItalic(italique);
    return police;
}

void InstallerSubstitutionsPolices()
{
    static bool installees = false;
    if (installees)
        return;
    installees = true;
    const QStringList libres = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(MsSansSerif, libres);
    QFont::insertSubstitutions(Arial, libres);
}

} // namespace kalvoro
