#include "Jeu.h"

#include "Programme.h"
#include "Version.h"

namespace kalvoro {

Jeu::Jeu(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QString::fromUtf8(fiche::NomProduit) + QLatin1Char(' ') + NumeroVersion());
    setFixedSize(623, 413);
}

} // namespace kalvoro
