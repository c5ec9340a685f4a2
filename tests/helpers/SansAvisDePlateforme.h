#pragma once
// Sous QT_QPA_PLATFORM=offscreen, chaque fenêtre levée, chaque liste déroulée et chaque dialogue
// fait dire au greffon qu'il ne sait pas lever une fenêtre, prendre le clavier ni transmettre
// des tailles : des avis sur le greffon, pas sur le programme, qui noieraient un vrai
// avertissement. De même, une police sans les tables OpenType d'une écriture (le devanagari
// d'un essai de saisie) le dit pour chaque police de la machine. Ceux-là seuls sont tus ; tout
// autre message passe tel quel.
#include <QString>
#include <QtGlobal>

namespace kalvoro {

inline void TaireLesAvisDuGreffonSansEcran()
{
    static QtMessageHandler suivant = nullptr;
    suivant = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &contexte, const QString &message) {
            if (type == QtWarningMsg &&
                (message.startsWith(QLatin1String("This plugin does not support ")) ||
                 message.contains(QLatin1String("OpenType support missing for "))))
                return;
            suivant(type, contexte, message);
        });
}

} // namespace kalvoro
