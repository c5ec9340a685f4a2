#pragma once
// La seule façon dont les essais trouvent un contrôle : par son nom d'objet, à n'importe quelle
// profondeur. Un contrôle absent arrête l'essai en le nommant, au lieu d'un pointeur nul.
#include <QObject>
#include <QString>

namespace kalvoro {

template <class T> T *Enfant(const QObject *parent, const QString &nom)
{
    T *enfant = parent->findChild<T *>(nom);
    if (!enfant)
        qFatal("contrôle introuvable : %s", qPrintable(nom));
    return enfant;
}

template <class T> T *Enfant(const QObject *parent, const char *nom)
{
    return Enfant<T>(parent, QString::fromUtf8(nom));
}

} // namespace kalvoro
