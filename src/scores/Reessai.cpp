#include "Reessai.h"

namespace kalvoro {

QString TexteOccupe(const ErreurScores &erreur, const char *suiteAnnuler)
{
    return erreur.Message() + QStringLiteral("\n\n") +
           QCoreApplication::translate("Reessai", TextesOccupe::Conseil) +
           QCoreApplication::translate("Reessai", suiteAnnuler);
}

bool FaireTantQueOccupe(const std::function<void()> &action,
                        const std::function<bool(const ErreurScores &)> &reessayer)
{
    for (;;) {
        try {
            action();
            return true;
        } catch (const ErreurScores &erreur) {
            if (!erreur.Occupe())
                throw;
            if (!reessayer(erreur))
                return false;
        }
    }
}

} // namespace kalvoro
