#include "AproposTextes.h"

#include <QCoreApplication>
#include <QStringList>

namespace kalvoro::apropos {

namespace {

const QString FinDeLigne = QStringLiteral("\r\n");

QString Lignes(const QStringList &lignes)
{
    return lignes.join(FinDeLigne) + FinDeLigne;
}

struct Coordonnee {
    QString Rubrique;
    QString Valeur;
};

QList<Coordonnee> Coordonnees()
{
    return {
        {AproposTextes::tr("Adresse :"),
         QStringLiteral("Kalvoro, 12 rue des Tilleuls, 99000 Exempleville")},
        {AproposTextes::tr("Téléphone :"), QStringLiteral("01 99 00 12 34")},
        {AproposTextes::tr("Fax :"), QStringLiteral("01 99 00 12 35")},
        {AproposTextes::tr("E-mail :"), QString::fromUtf8(AdresseEMail)},
    };
}

} // namespace

QString TexteHistorique(const QString &nomProduit)
{
    // Mois/année, " - V", numéro, tabulation, ce qui a changé ; une description qui déborde
    // continue à la ligne suivante après deux tabulations.
    return Lignes({
        AproposTextes::tr("Evolution des versions de : ") + nomProduit,
        QString(),
        AproposTextes::tr(
            "04/2000 - V1.7\tTableaux des meilleurs scores protégés et fenêtre A propos"),
        AproposTextes::tr("07/1999 - V1.6\tPossibilité E-Mail et site internet"),
        AproposTextes::tr("01/1999 - V1.5\tCorrection du bug permettant en cliquant rapidement"),
        AproposTextes::tr("\t\td'activer plus de 2 boutons"),
        AproposTextes::tr("09/1998 - V1.0\tPremière version : six séries de 24 images"),
    });
}

QString TexteAssistance()
{
    QStringList lignes = {
        AproposTextes::tr("ASSISTANCE TECHNIQUE :"),
        QString(),
        AproposTextes::tr("L'assistance technique de Kalvoro est gratuite. Elle est assurée par "
                          "l'auteur lui-même, du lundi au vendredi de 9 h à 18 h, par courrier, "
                          "par téléphone, par fax ou par e-mail."),
        AproposTextes::tr("Pour une réponse rapide, indiquez la version du programme (onglet "
                          "« Infos techniques ») et décrivez ce que vous faisiez quand le problème "
                          "est apparu."),
        QString(),
    };
    for (const Coordonnee &coordonnee : Coordonnees())
        lignes << coordonnee.Rubrique + u'\t' + coordonnee.Valeur;
    return Lignes(lignes);
}

QStringList RubriquesCoordonnees()
{
    QStringList rubriques;
    for (const Coordonnee &coordonnee : Coordonnees())
        rubriques << coordonnee.Rubrique;
    return rubriques;
}

} // namespace kalvoro::apropos
