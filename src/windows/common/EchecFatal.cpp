#include "EchecFatal.h"

#include "Reessai.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>

namespace kalvoro {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class EchecFatal {
    Q_DECLARE_TR_FUNCTIONS(EchecFatal)
};

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

void SignalerAvis(QWidget *parent, const QString &message)
{
    QMessageBox boite(QMessageBox::Information, QStringLiteral("Kalvoro"), message, QMessageBox::Ok,
                      parent);
    boite.setObjectName(QStringLiteral("AvisScores"));
    boite.setTextFormat(Qt::PlainText); // les chemins ne sont jamais lus en HTML
    boite.exec();
}

void SignalerEchecScores(QWidget *parent, const ErreurScores &erreur)
{
    if (erreur.DUneSerieDuJoueur())
        SignalerAvis(parent, erreur.Message());
    else
        SignalerEchecFatal(parent, erreur.Message());
}

bool FaireAvecReessai(QWidget *parent, const std::function<void()> &action, Renoncement renoncement)
{
    const char *suiteAnnuler = renoncement == Renoncement::Arreter ? TextesOccupe::AnnulerArrete
                                                                   : TextesOccupe::AnnulerContinue;
    QString abandon;
    const auto reessayer = [&](const ErreurScores &erreur) {
        abandon = erreur.Message();
        return ProposerReessai(parent, TexteOccupe(erreur, suiteAnnuler));
    };
    try {
        if (FaireTantQueOccupe(action, reessayer))
            return true;
    } catch (const ErreurScores &erreur) {
        SignalerEchecScores(parent, erreur);
        return false;
    }
    if (renoncement == Renoncement::Arreter)
        SignalerEchecFatal(parent, abandon);
    return false;
}

bool ProposerReessai(QWidget *parent, const QString &texte)
{
    QMessageBox boite(QMessageBox::Warning, EchecFatal::tr("Fichier des scores occupé"), texte,
                      QMessageBox::NoButton, parent);
    boite.setObjectName(QStringLiteral("FichierOccupe"));
    boite.setTextFormat(Qt::PlainText); // le chemin et les noms ne sont jamais lus en HTML
    QPushButton *reessayer = boite.addButton(EchecFatal::tr("&Réessayer"), QMessageBox::AcceptRole);
    boite.setEscapeButton(boite.addButton(EchecFatal::tr("&Annuler"), QMessageBox::RejectRole));
    boite.setDefaultButton(reessayer);
    boite.exec();
    return boite.clickedButton() == reessayer;
}

} // namespace kalvoro
