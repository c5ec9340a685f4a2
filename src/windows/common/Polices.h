#pragma once
#include <QFont>
#include <QString>

namespace kalvoro {

// Les deux polices des fenêtres, sous leur nom d'origine ; les substitutions ci-dessous les
// font correspondre à des polices présentes.
inline const QString MsSansSerif = QStringLiteral("MS Sans Serif");
inline const QString Arial = QStringLiteral("Arial");

// Une police des fenêtres : famille, taille en points (8.25, 9.75... tombent entre deux
// entiers), graisse et italique.
QFont Police(const QString &famille, qreal points, bool gras = false, bool italique = false);

// "MS Sans Serif" et "Arial" n'existent pas hors de Windows : on les remplace, une fois pour
// tout le programme, par des polices libres de mêmes mesures (Liberation Sans, sinon DejaVu).
// Sans effet au second appel.
void InstallerSubstitutionsPolices();

} // namespace kalvoro
