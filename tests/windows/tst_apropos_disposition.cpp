#include "AproposEssais.h"
#include "Controles.h"
#include "Polices.h"
#include "Twips.h"
#include "VersionAttendue.h"

#include <QtTest>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace kalvoro;

// Chaque contrôle de la fenêtre À propos à sa place, avec sa police et ses couleurs.
class TestAproposDisposition : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Comme le jeu au démarrage : les polices Windows sont remplacées par leurs équivalentes.
        InstallerSubstitutionsPolices();
    }

    void init()
    {
        Fenetre =
            std::make_unique<Apropos>(VersionAttendue(), QStringLiteral("x"), FicheEssai(), Bureau);
        Fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenetre.get()));
    }

    void cleanup() { Fenetre.reset(); }

    void laFenetreSansBordureALaTailleDeSonOnglet()
    {
        QVERIFY(Fenetre->windowFlags().testFlag(Qt::FramelessWindowHint));
        const auto *onglet = Enfant<QTabWidget>(Fenetre.get(), QStringLiteral("Onglet"));
        QCOMPARE(onglet->geometry(), QRect(0, 0, 499, 273)); // 7485 × 4095 twips
        QCOMPARE(Fenetre->size(), onglet->size());
        // Les cinq onglets tiennent sur leur rangée.
        const QTabBar *bande = onglet->tabBar();
        for (int k = 0; k < bande->count(); ++k)
            QVERIFY2(bande->tabRect(k).right() < onglet->width() &&
                         bande->tabRect(k).top() == bande->tabRect(0).top(),
                     qPrintable(bande->tabText(k)));
    }

    void chaqueControleEstASaPlace_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QRect>("twips");
        auto ligne = [](const char *nom, const char *reference, int gauche, int haut, int largeur,
                        int hauteur) {
            QTest::newRow(nom) << QString::fromLatin1(nom) << QString::fromLatin1(reference)
                               << QRect(gauche, haut, largeur, hauteur);
        };
        ligne("Panel3D1", "Onglet", 2040, 600, 5175, 1095);
        ligne("Titre", "Panel3D1", 120, 120, 4935, 495);
        ligne("SousTitre", "Panel3D1", 120, 600, 4935, 255);
        ligne("Panel3D3", "Onglet", 240, 2400, 1575, 1455);
        ligne("Dessin4", "Panel3D3", 120, 120, 1335, 1245);
        ligne("Quitter", "Onglet", 6600, 3240, 735, 735);
        ligne("SupportInfos", "Onglet", 240, 600, 6975, 3255);
        ligne("Description", "SupportInfos", 120, 120, 6735, 495);
        ligne("NomApplication", "SupportInfos", 120, 600, 6735, 375);
        ligne("Version", "SupportInfos", 120, 960, 6735, 375);
        ligne("Commentaires", "SupportInfos", 120, 1320, 6735, 375);
        ligne("TradeMarks", "SupportInfos", 120, 1680, 6735, 375);
        ligne("Copyright", "SupportInfos", 120, 2040, 6735, 375);
        ligne("Company", "SupportInfos", 120, 2400, 6735, 375);
        ligne("Afficheur", "Onglet", 240, 600, 6975, 3255);
        ligne("Text1", "Onglet", 240, 600, 6975, 2415);
        ligne("EMail", "Onglet", 240, 3120, 6975, 375);
        ligne("Internet", "Onglet", 240, 3600, 6975, 375);
        ligne("Picture1", "Onglet", 360, 600, 2940, 1035);
        ligne("SSCommand1", "Onglet", 3840, 720, 2895, 375);
        ligne("SSCommand2", "Onglet", 3840, 1200, 2895, 375);
        ligne("SSCommand3", "Onglet", 3840, 1680, 2895, 375);
        ligne("SSCommand4", "Onglet", 3840, 2160, 2895, 375);
        ligne("SSCommand5", "Onglet", 240, 3480, 6975, 375);
    }

    void chaqueControleEstASaPlace()
    {
        QFETCH(QString, nom);
        QFETCH(QString, reference);
        QFETCH(QRect, twips);
        const auto *controle = Enfant<QWidget>(Fenetre.get(), nom);
        const auto *repere = Enfant<QWidget>(Fenetre.get(), reference);
        QVERIFY(controle && repere);
        const QRect attendu =
            RectangleTwips(twips.left(), twips.top(), twips.width(), twips.height());
        QCOMPARE(QRect(controle->mapTo(repere, QPoint(0, 0)), controle->size()), attendu);
        // Le contrôle entier se voit sur sa page.
        const QWidget *page = controle->parentWidget();
        while (page->parentWidget()->objectName() != QStringLiteral("qt_tabwidget_stackedwidget"))
            page = page->parentWidget();
        QVERIFY(
            page->rect().contains(QRect(controle->mapTo(page, QPoint(0, 0)), controle->size())));
    }

    void chaqueTexteASaPolice_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("famille");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("italique");
        QTest::newRow("Titre") << "Titre"
                               << "Arial" << 18.0 << false;
        QTest::newRow("SousTitre") << "SousTitre"
                                   << "Arial" << 9.75 << false;
        QTest::newRow("Description") << "Description"
                                     << "MS Sans Serif" << 12.0 << true;
        QTest::newRow("ligne d'infos") << "Copyright"
                                       << "MS Sans Serif" << 8.25 << false;
        QTest::newRow("historique") << "Afficheur"
                                    << "MS Sans Serif" << 8.25 << false;
        QTest::newRow("bouton de lien") << "SSCommand5"
                                        << "MS Sans Serif" << 8.25 << false;
    }

    void chaqueTexteASaPolice()
    {
        QFETCH(QString, nom);
        QFETCH(QString, famille);
        QFETCH(qreal, points);
        QFETCH(bool, italique);
        const QFont police = Enfant<QWidget>(Fenetre.get(), nom)->font();
        QCOMPARE(police.family(), famille);
        QCOMPARE(police.pointSizeF(), points);
        QVERIFY(police.bold());
        QCOMPARE(police.italic(), italique);
    }

    void chaqueControleASesCouleurs_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("couleur");
        const QColor grisClair(192, 192, 192), bleu(0, 0, 255), jaunePale(255, 255, 192);
        QTest::newRow("SousTitre") << "SousTitre" << int(QPalette::Window) << grisClair;
        QTest::newRow("Titre") << "Titre" << int(QPalette::WindowText) << QColor(Qt::black);
        QTest::newRow("SupportInfos") << "SupportInfos" << int(QPalette::Window) << grisClair;
        QTest::newRow("ligne d'infos") << "Version" << int(QPalette::Window) << QColor(Qt::white);
        QTest::newRow("Afficheur") << "Afficheur" << int(QPalette::Base) << jaunePale;
        QTest::newRow("Text1") << "Text1" << int(QPalette::Base) << jaunePale;
        QTest::newRow("Picture1") << "Picture1" << int(QPalette::Window) << grisClair;
        QTest::newRow("EMail") << "EMail" << int(QPalette::ButtonText) << bleu;
        QTest::newRow("Internet") << "Internet" << int(QPalette::ButtonText) << bleu;
        QTest::newRow("SSCommand5") << "SSCommand5" << int(QPalette::ButtonText) << bleu;
        QTest::newRow("document") << "SSCommand1" << int(QPalette::ButtonText)
                                  << QPalette().color(QPalette::WindowText);
    }

    void chaqueControleASesCouleurs()
    {
        QFETCH(QString, nom);
        QFETCH(int, role);
        QFETCH(QColor, couleur);
        const QWidget *controle = Enfant<QWidget>(Fenetre.get(), nom);
        QCOMPARE(controle->palette().color(QPalette::ColorRole(role)), couleur);
        if (role == QPalette::Window)
            QVERIFY(controle->autoFillBackground());
    }

    void lesTextesFixesSeLisentSansSeModifier()
    {
        for (const char *nom : {"Afficheur", "Text1"}) {
            const auto *texte = Enfant<QPlainTextEdit>(Fenetre.get(), QString::fromLatin1(nom));
            QVERIFY(texte->isReadOnly());
            QCOMPARE(texte->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        }
    }

    void uneDescriptionContinueeSAligneSurLaLignePrecedente()
    {
        const auto *afficheur = Enfant<QPlainTextEdit>(Fenetre.get(), QStringLiteral("Afficheur"));
        auto colonneDe = [afficheur](const QString &debut) {
            QTextCursor curseur = afficheur->document()->find(debut);
            curseur.setPosition(curseur.selectionStart());
            return afficheur->cursorRect(curseur).left();
        };
        QCOMPARE(colonneDe(QStringLiteral("d'activer")), colonneDe(QStringLiteral("Correction")));
        QCOMPARE(colonneDe(QStringLiteral("Possibilité")), colonneDe(QStringLiteral("Correction")));
        QVERIFY(colonneDe(QStringLiteral("Correction")) > colonneDe(QStringLiteral("01/1999")));
        // Aucune ligne ne déborde : une description repliée par la fenêtre romprait la colonne.
        Enfant<QTabWidget>(Fenetre.get(), QStringLiteral("Onglet"))->setCurrentIndex(2);
        QApplication::processEvents();
        for (QTextBlock bloc = afficheur->document()->begin(); bloc.isValid(); bloc = bloc.next())
            QVERIFY2(bloc.layout()->lineCount() <= 1, qPrintable(bloc.text()));
    }

    void lesCoordonneesDeLAuteurFontUneColonne()
    {
        const auto *text1 = Enfant<QPlainTextEdit>(Fenetre.get(), QStringLiteral("Text1"));
        QStringList lignes;
        QList<int> colonnes;
        for (QTextBlock bloc = text1->document()->begin(); bloc.isValid(); bloc = bloc.next()) {
            static const QRegularExpression rubrique(QStringLiteral("^[^\t]+ :\t+"));
            const QRegularExpressionMatch trouvee = rubrique.match(bloc.text());
            if (!trouvee.hasMatch())
                continue;
            QTextCursor curseur(bloc);
            curseur.setPosition(bloc.position() + trouvee.capturedLength());
            lignes << bloc.text();
            colonnes << text1->cursorRect(curseur).left();
        }
        QCOMPARE(lignes.size(), 4); // adresse, téléphone, fax, e-mail
        for (int k = 1; k < lignes.size(); ++k)
            QVERIFY2(colonnes[k] == colonnes[0], qPrintable(QStringLiteral("%1 (%2) et %3 (%4)")
                                                                .arg(lignes[0])
                                                                .arg(colonnes[0])
                                                                .arg(lignes[k])
                                                                .arg(colonnes[k])));
    }

private:
    FauxBureau Bureau;
    std::unique_ptr<Apropos> Fenetre;
};

QTEST_MAIN(TestAproposDisposition)
#include "tst_apropos_disposition.moc"
