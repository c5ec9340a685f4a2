#include "Verrous.h"

#include <QGuiApplication>

#if defined(KALVORO_AVEC_X11) && QT_CONFIG(xcb)
// Xlib après Qt : ses macros (None, Bool, KeyPress...) ne doivent rien toucher d'autre.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#define KALVORO_VERROUS_X11 1
#endif

namespace kalvoro {

#ifdef KALVORO_VERROUS_X11
namespace {

Display *AffichageX11()
{
    if (!qGuiApp)
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// XKB n'est interrogé qu'une fois par affichage : la réponse ne change pas pendant la session.
bool XkbDisponible(Display *affichage)
{
    static Display *dejaVu = nullptr;
    static bool disponible = false;
    if (affichage != dejaVu) {
        int opcode = 0, evenement = 0, erreur = 0;
        int majeure = XkbMajorVersion, mineure = XkbMinorVersion;
        disponible = XkbQueryExtension(affichage, &opcode, &evenement, &erreur, &majeure, &mineure);
        dejaVu = affichage;
    }
    return disponible;
}

const char *NomIndicateur(Verrou verrou)
{
    switch (verrou) {
    case Verrou::Defilement:
        return "Scroll Lock";
    case Verrou::Majuscules:
        return "Caps Lock";
    case Verrou::Numerique:
        return "Num Lock";
    }
    return "";
}

} // namespace

std::optional<bool> EtatVerrou(Verrou verrou)
{
    Display *affichage = AffichageX11();
    if (!affichage || !XkbDisponible(affichage))
        return std::nullopt;
    const Atom nom = XInternAtom(affichage, NomIndicateur(verrou), False);
    int index = 0;
    int allume = 0;
    if (!XkbGetNamedIndicator(affichage, nom, &index, &allume, nullptr, nullptr))
        return std::nullopt;
    return allume != 0;
}

#else

std::optional<bool> EtatVerrou(Verrou)
{
    return std::nullopt;
}

#endif

} // namespace kalvoro
