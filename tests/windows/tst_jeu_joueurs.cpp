#include "BancJeu.h"
#include "PanneauJoueurs.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using namespace kalvoro;

// À plusieurs sur la vraie fenêtre : les joueurs choisis au clavier dans leur fenêtre, la main
// montrée dans le panneau et dite au lecteur d'écran. Donne forcée : les paires sont k et k + 24.
class TestJeuJoueurs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }

    // Léa, Tom et l'ordinateur : la main se voit et se dit ; pendant le tour de l'ordinateur, un
    // clic ne retourne rien, ses cartes sont dites, et Annuler arrête tout.
    void aPlusieurs_laMainSeVoitEtSeDit_etAnnulerArreteLOrdinateur()
    {
        BancJeu banc;
        QVERIFY(banc.Demarrer());
        ChoisirJoueurs(banc, {"Léa", "Tom"}, true);
        QVERIFY(!banc.Controle<QWidget>(QStringLiteral("Frame4"))->isVisible());
        banc.ChoisirSerie(1);
        QTRY_COMPARE(Annonce(banc), "Léa commence.");
        QCOMPARE(Ligne(banc, 0), "▶ Léa 0");
        banc.JouerTour(1, 2);
        QCOMPARE(Ligne(banc, 1), "▶ Tom 0");
        QCOMPARE(Annonce(banc), "Pas de paire pour Léa. À Tom de jouer.");
        banc.JouerTour(3, 27);
        QCOMPARE(Ligne(banc, 1), "▶ Tom 1");
        QCOMPARE(Ligne(banc, 0), "Léa 0");
        QCOMPARE(Annonce(banc), "Paire pour Tom, 1 paire. Tom rejoue.");
        banc.JouerTour(4, 5);
        QCOMPARE(Ligne(banc, 2), "▶ Ordinateur 0");
        banc.Cliquer(6);
        QCOMPARE(banc.jeu->LaPartie().NbRetournees(), 0);
        for (int tic = 0; tic < 20; ++tic)
            banc.Tic();
        QCOMPARE(banc.jeu->LaPartie().NbRetournees(), 1);
        QVERIFY2(Annonce(banc).startsWith("Ordinateur retourne "), qPrintable(Annonce(banc)));
        QTest::mouseClick(banc.Controle<QPushButton>(QStringLiteral("Annuler")), Qt::LeftButton);
        QCOMPARE(banc.jeu->LaPartie().Distribue(), 0);
        QVERIFY(!banc.Tic());
        QCOMPARE(Ligne(banc, 0), "▶ Léa 0");
    }

private:
    static void ChoisirJoueurs(BancJeu &banc, const QStringList &prenoms, bool ordinateur)
    {
        RepondeurModales repondeur;
        repondeur.Attendre(QStringLiteral("FenetreJoueurs"), [&](QWidget *fenetre) {
            Enfant<QSpinBox>(fenetre, "NombreJoueurs")->setValue(int(prenoms.size()) + ordinateur);
            for (int k = 0; k < prenoms.size(); ++k)
                for (QChar c : prenoms[k])
                    QTest::sendKeyEvent(
                        QTest::Click,
                        Enfant<QLineEdit>(fenetre, QStringLiteral("Prenom%1").arg(k + 1)),
                        Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
            Enfant<QCheckBox>(fenetre, "Ordinateur")->setChecked(ordinateur);
            QTest::keyClick(fenetre, Qt::Key_Return);
        });
        QTest::mouseClick(banc.Controle<QPushButton>(QStringLiteral("BoutonJoueurs")),
                          Qt::LeftButton);
        QVERIFY(repondeur.Attendues().isEmpty());
    }
    static QString Ligne(const BancJeu &banc, int joueur)
    {
        return banc.Controle<PanneauJoueurs>(QStringLiteral("PanneauJoueurs"))->TexteLigne(joueur);
    }
    static QString Annonce(const BancJeu &banc)
    {
        // La notification ne naît qu'à la première annonce.
        const auto *annonce = banc.jeu->findChild<QWidget *>(QStringLiteral("Annonce"));
        return annonce ? annonce->accessibleName() : QString();
    }
};

QTEST_MAIN(TestJeuJoueurs)
#include "tst_jeu_joueurs.moc"
