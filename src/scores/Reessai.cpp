#include "Reessai.h"

namespace kalvoro {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class Reessai {
    Q_DECLARE_TR_FUNCTIONS(Reessai)
};

QString TexteOccupe(const ErreurScores &erreur, const char *suiteAnnuler)
{
    return erreur.Message() + QStringLiteral("\n\n") + Reessai::tr(TextesOccupe::Conseil) +
           Reessai::tr(suiteAnnuler);
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
