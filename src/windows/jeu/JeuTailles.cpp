// La taille du plateau dans la fenêtre principale : la liste qui la choisit, retenue d'un
// lancement à l'autre, et le plein écran où les cartes sont les plus grandes.
#include "Focus.h"
#include "Jeu.h"
#include "Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>
#include <QShortcut>

namespace kalvoro {

namespace {

const QString CleTaille = QStringLiteral("plateau/taille");

} // namespace

void Jeu::CreerListeTailles()
{
    auto *etiquette = new QLabel(tr("&Taille"), Frame1);
    etiquette->setObjectName(QStringLiteral("EtiquetteTaille"));
    etiquette->setGeometry(RectangleTwips(120, 735, 405, 315));
    ListeTailles = new QComboBox(Frame1);
    ListeTailles->setObjectName(QStringLiteral("ListeTailles"));
    ListeTailles->setGeometry(RectangleTwips(540, 735, 795, 315));
    ListeTailles->setAccessibleName(tr("Taille du plateau"));
    etiquette->setBuddy(ListeTailles);
    for (const TaillePlateau &taille : TaillesPlateau) {
        ListeTailles->addItem(taille.Nom(), taille.Code());
        ListeTailles->setItemData(ListeTailles->count() - 1,
                                  tr("%1 colonnes, %2 rangées, %3 paires")
                                      .arg(taille.Colonnes)
                                      .arg(taille.Rangees)
                                      .arg(taille.Paires()),
                                  Qt::AccessibleTextRole);
    }
    connect(ListeTailles, &QComboBox::activated, this, &Jeu::ListeTailles_Click);
}

TaillePlateau Jeu::TailleChoisie() const
{
    const TaillePlateau *taille = TaillePlateau::DuCode(ListeTailles->currentData().toString());
    return taille ? *taille : TailleClassique;
}

void Jeu::ListeTailles_Click()
{
    PasserATaille(TailleChoisie());
}

void Jeu::PasserATaille(TaillePlateau taille)
{
    ChoisirTaille(taille);
    // Le nouveau plateau au repos, toutes ses cartes de dos : celles qui apparaissent comme
    // celles qui restent.
    partie.Annuler_Click();
    RetenirTaille();
}

// Le plateau de cette taille, et les séries qui le remplissent ; rien n'est choisi.
void Jeu::ChoisirTaille(TaillePlateau taille)
{
    ListeTailles->setCurrentIndex(ListeTailles->findData(taille.Code()));
    plateau->Disposer(taille);
    serieEnJeu.reset();
    EcrireMeilleurScore(QString());
    RemplirListe();
}

TaillePlateau Jeu::TailleRetenue() const
{
    if (origines.reglages.isEmpty())
        return TailleClassique;
    const QSettings reglages(origines.reglages, QSettings::IniFormat);
    const TaillePlateau *taille = TaillePlateau::DuCode(reglages.value(CleTaille).toString());
    return taille ? *taille : TailleClassique;
}

void Jeu::RetenirTaille() const
{
    if (origines.reglages.isEmpty())
        return;
    // Un réglage qui ne s'écrit pas (disque plein, dossier en lecture seule) ne gêne pas le jeu :
    // la taille reste choisie pour ce lancement.
    QSettings reglages(origines.reglages, QSettings::IniFormat);
    reglages.setValue(CleTaille, TailleChoisie().Code());
}

void Jeu::CreerPleinEcran()
{
    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, &Jeu::BasculerPleinEcran);
    SortiePleinEcran = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    SortiePleinEcran->setEnabled(false);
    connect(SortiePleinEcran, &QShortcut::activated, this, &Jeu::BasculerPleinEcran);
}

void Jeu::BasculerPleinEcran()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
    // Échap ne sert qu'à sortir du plein écran : ailleurs, il garde ses usages.
    SortiePleinEcran->setEnabled(isFullScreen());
}

} // namespace kalvoro
