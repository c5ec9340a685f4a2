#pragma once
// Ce que partagent les essais de la fenêtre À propos.
#include "Apropos.h"
#include "Controles.h"
#include "FauxBureau.h"

#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace kalvoro {

inline InfosVersion FicheEssai()
{
    InfosVersion infos;
    infos.NomProduit = QStringLiteral("Kalvoro");
    infos.VersionMajeure = 1;
    infos.VersionMineure = 7;
    infos.Commentaires = QStringLiteral("Jeu de mémoire");
    infos.Copyright = QStringLiteral("© 2000 Essai");
    infos.Organisation = QStringLiteral("Essais et fils");
    infos.MarquesLegales = QStringLiteral("Marque d'essai");
    infos.NomExecutable = QStringLiteral("kalvoro");
    return infos;
}

inline QString TexteDe(const QWidget &fenetre, const char *nom)
{
    const auto *ligne = Enfant<QLabel>(&fenetre, QString::fromLatin1(nom));
    return ligne ? ligne->text() : QStringLiteral("<%1 absent>").arg(QString::fromLatin1(nom));
}

// Un préfixe de l'onglet « Infos techniques » : deux blancs, l'intitulé, les deux-points et
// le nombre de blancs qui aligne les valeurs.
inline QString Prefixe(const QString &intitule, int blancs)
{
    return QStringLiteral("  ") + intitule + QStringLiteral(" :") + QString(blancs, u' ');
}

// Clique un bouton d'un onglet de la fenêtre, cet onglet affiché comme le ferait le joueur.
inline void Cliquer(QWidget &fenetre, const QString &nom)
{
    auto *bouton = Enfant<QPushButton>(&fenetre, nom);
    QVERIFY2(bouton, qPrintable(nom));
    auto *onglet = Enfant<QTabWidget>(&fenetre, QStringLiteral("Onglet"));
    for (int k = 0; k < onglet->count(); ++k)
        if (onglet->widget(k)->isAncestorOf(bouton))
            onglet->setCurrentIndex(k);
    QTest::mouseClick(bouton, Qt::LeftButton);
}

} // namespace kalvoro
