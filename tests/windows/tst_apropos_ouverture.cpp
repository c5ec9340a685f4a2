#include "AproposEssais.h"
#include "Controles.h"
#include "Programme.h"

#include <QtTest>

#include <QApplication>
#include <QDesktopServices>
#include <QTimer>

using namespace kalvoro;

// Reçoit ce que QDesktopServices remettrait au bureau du système.
class RecepteurAdresses : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Recues;
public slots:
    void Recevoir(const QUrl &adresse) { Recues.append(adresse); }
};

namespace {

QTabWidget *OngletDe(const QWidget &fenetre)
{
    return Enfant<QTabWidget>(&fenetre, QStringLiteral("Onglet"));
}

QList<QWidget *> FenetresVisibles()
{
    QList<QWidget *> visibles;
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        if (fenetre->isVisible())
            visibles.append(fenetre);
    return visibles;
}

} // namespace

// L'ouverture, la fermeture et l'usage de la fenêtre comme le jeu la mène : exec() modal.
class TestAproposOuverture : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Avant que le receveur ne disparaisse avec l'essai.
        for (const char *schema : {"file", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
        Receveur.Recues.clear();
    }

    void chaqueOuvertureMontreLePremierOnglet()
    {
        FauxBureau bureau;
        for (int ouverture = 1; ouverture <= 2; ++ouverture) {
            Apropos fenetre(NumeroVersion(), QString(), FicheEssai(), bureau);
            fenetre.show();
            QCOMPARE(OngletDe(fenetre)->currentIndex(), 0);
            OngletDe(fenetre)->setCurrentIndex(3);
        }
        // Même une fenêtre remontrée après avoir été cachée revient au premier onglet.
        Apropos fenetre(NumeroVersion(), QString(), FicheEssai(), bureau);
        fenetre.show();
        OngletDe(fenetre)->setCurrentIndex(2);
        fenetre.hide();
        fenetre.show();
        QCOMPARE(OngletDe(fenetre)->currentIndex(), 0);
    }

    void lesCinqOngletsPortentLeurLegende()
    {
        FauxBureau bureau;
        Apropos fenetre(NumeroVersion(), QString(), FicheEssai(), bureau);
        const QTabWidget *onglet = OngletDe(fenetre);
        QCOMPARE(onglet->count(), 5);
        QVERIFY(!onglet->tabText(0).isEmpty());
        QCOMPARE(onglet->tabText(1), QStringLiteral("Infos techniques"));
        QCOMPARE(onglet->tabText(2), QStringLiteral("Historique"));
        QCOMPARE(onglet->tabText(3), QStringLiteral("Assistance technique"));
        QCOMPARE(onglet->tabText(4), QStringLiteral("Gelvo"));
    }

    void leBoutonQuitterFermeLaFenetreEtRendLaMainAuJeu_data()
    {
        QTest::addColumn<bool>("parEchap");
        QTest::newRow("bouton Quitter") << false;
        QTest::newRow("touche Échap") << true;
    }

    void leBoutonQuitterFermeLaFenetreEtRendLaMainAuJeu()
    {
        QFETCH(bool, parEchap);
        FauxBureau bureau;
        QWidget jeu;
        jeu.show();
        Apropos fenetre(NumeroVersion(), QString(), FicheEssai(), bureau, &jeu);
        auto *quitter = Enfant<QPushButton>(&fenetre, QStringLiteral("Quitter"));
        QCOMPARE(quitter->toolTip(), QStringLiteral("Quitter cet écran"));
        QVERIFY(quitter->text().isEmpty());
        QTimer::singleShot(0, &fenetre, [&] {
            QCOMPARE(QApplication::activeModalWidget(), &fenetre);
            if (parEchap)
                QTest::keyClick(&fenetre, Qt::Key_Escape);
            else
                QTest::mouseClick(quitter, Qt::LeftButton);
        });
        QTimer::singleShot(5000, &fenetre, &QDialog::accept); // filet : ne jamais bloquer
        QCOMPARE(fenetre.exec(), int(QDialog::Rejected));
        QVERIFY(!fenetre.isVisible());
        QVERIFY(jeu.isVisible());
        QCOMPARE(bureau.Recues.size(), 0);
    }

    void unDocumentAbsentNAfficheRienEtLaFenetreResteUtilisable()
    {
        FauxBureau bureau;
        Apropos fenetre(NumeroVersion(), QString(), FicheEssai(), bureau);
        // Le dossier des essais ne contient aucun des documents : le bureau les refuse tous.
        QVERIFY(!QFileInfo::exists(DossierProgramme() + QStringLiteral("Le_Gelvo_.txt")));
        QList<QWidget *> visiblesApresClics;
        QWidget *modaleApresClics = nullptr;
        QTimer::singleShot(0, &fenetre, [&] {
            for (int k = 1; k <= 4; ++k)
                Cliquer(fenetre, QStringLiteral("SSCommand%1").arg(k));
            QApplication::processEvents();
            visiblesApresClics = FenetresVisibles();
            modaleApresClics = QApplication::activeModalWidget();
            // Toujours utilisable : on change d'onglet et on ferme.
            OngletDe(fenetre)->setCurrentIndex(0);
            QTest::mouseClick(Enfant<QPushButton>(&fenetre, QStringLiteral("Quitter")),
                              Qt::LeftButton);
        });
        QTimer::singleShot(5000, &fenetre, &QDialog::accept);
        QCOMPARE(fenetre.exec(), int(QDialog::Rejected));
        QCOMPARE(bureau.Recues.size(), 4);
        QCOMPARE(visiblesApresClics, QList<QWidget *>{&fenetre});
        QCOMPARE(modaleApresClics, &fenetre);
    }

    void sansBureauDonneLesAdressesVontAuBureauDuSysteme()
    {
        for (const char *schema : {"file", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(schema), &Receveur, "Recevoir");
        Apropos fenetre(NumeroVersion(), FormaterDateProgramme(QDateTime::currentDateTime()));
        Cliquer(fenetre, QStringLiteral("SSCommand2"));
        Cliquer(fenetre, QStringLiteral("EMail"));
        Cliquer(fenetre, QStringLiteral("SSCommand5"));
        QCOMPARE(Receveur.Recues.size(), 3);
        QCOMPARE(Receveur.Recues[0], QUrl::fromLocalFile(DossierProgramme() + "Adhesion.txt"));
        QCOMPARE(Receveur.Recues[1].scheme(), QStringLiteral("mailto"));
        QCOMPARE(Receveur.Recues[2].scheme(), QStringLiteral("https"));
    }

    void apresLOuvertureLeSablierLaissePlaceALaFleche()
    {
        FauxBureau bureau;
        const Apropos fenetre(NumeroVersion(), QString(), FicheEssai(), bureau);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(fenetre.cursor().shape(), Qt::ArrowCursor);
    }

private:
    RecepteurAdresses Receveur;
};

QTEST_MAIN(TestAproposOuverture)
#include "tst_apropos_ouverture.moc"
