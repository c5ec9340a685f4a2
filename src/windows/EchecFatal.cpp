#include "EchecFatal.h"

#include <QMessageBox>
#include <cstdlib>

namespace kalvoro {

namespace {

void ReactionParDefaut(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QStringLiteral("Kalvoro"), message);
    // Le magasin ne laisse jamais de transaction ouverte derrière une erreur : sortir ici ne
    // perd rien, et ne risque pas de repasser par une boucle d'événements dans un état douteux.
    std::exit(1);
}

ReactionEchecFatal &Reaction()
{
    static ReactionEchecFatal reaction = ReactionParDefaut;
    return reaction;
}

} // namespace

void SignalerEchecFatal(QWidget *parent, const QString &message)
{
    Reaction()(parent, message);
}

void RemplacerReactionEchecFatal(ReactionEchecFatal reaction)
{
    Reaction() = reaction ? std::move(reaction) : ReactionEchecFatal(ReactionParDefaut);
}

} // namespace kalvoro
