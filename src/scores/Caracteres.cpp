#include "Caracteres.h"

#include <memory>
#include <stdexcept>
#include <unicode/brkiter.h>
#include <unicode/unistr.h>

namespace kalvoro {

namespace {

// Le découpage en caractères d'ICU, qui suit les règles d'Unicode au plus près ; celui de
// Qt 6.4 coupe certaines grappes (une lettre indienne suivie d'un émoji, un drapeau après une
// lettre thaïe). Un découpeur par fil : ICU ne partage pas un découpeur entre fils.
icu::BreakIterator *Decoupeur()
{
    thread_local const std::unique_ptr<icu::BreakIterator> decoupeur = [] {
        UErrorCode etat = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> nouveau(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), etat));
        return U_SUCCESS(etat) ? std::move(nouveau) : nullptr;
    }();
    return decoupeur.get();
}

} // namespace

QStringList Grappes(const QString &texte)
{
    icu::BreakIterator *decoupeur = Decoupeur();
    if (!decoupeur)
        throw std::runtime_error("ICU ne fournit pas le découpage en caractères");
    // Le texte d'ICU est un alias en lecture seule de celui de Qt : les deux sont en UTF-16.
    const icu::UnicodeString alias(false, reinterpret_cast<const char16_t *>(texte.utf16()),
                                   int32_t(texte.size()));
    decoupeur->setText(alias);
    QStringList grappes;
    int32_t debut = decoupeur->first();
    for (int32_t fin = decoupeur->next(); fin != icu::BreakIterator::DONE;
         debut = fin, fin = decoupeur->next())
        grappes << texte.mid(debut, fin - debut);
    return grappes;
}

int NombreDeCaracteres(const QString &texte)
{
    return int(Grappes(texte).size());
}

QString FormeEcrite(const QString &texte)
{
    return texte.normalized(QString::NormalizationForm_C);
}

bool TientDans(const QString &texte, int limite)
{
    return NombreDeCaracteres(texte) <= limite && FormeEcrite(texte).toUcs4().size() <= limite;
}

} // namespace kalvoro
