#include "Polices.h"

#include <QFont>
#include <QStringList>

namespace kalvoro {

void InstallerSubstitutionsPolices()
{
    static bool installees = false;
    if (installees)
        return;
    installees = true;
    const QStringList libres = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), libres);
    QFont::insertSubstitutions(QStringLiteral("Arial"), libres);
}

} // namespace kalvoro
