// L'aide sur F1 et par le bouton Aide, et la barre d'état.
#include "Aide.h"
#include "BancJeu.h"
#include "BarreEtat.h"
#include "Controles.h"
#include "SansAvisDePlateforme.h"
#include "VersionAttendue.h"

#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace kalvoro;

namespace {

int VisionneusesOuvertes()
{
    int nombre = 0;
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        nombre += qobject_cast<VisionneuseAide *>(fenetre) && fenetre->isVisible();
    return nombre;
}

// Les ancres des sections d'une édition de l'aide, dans l'ordre.
QStringList Ancres(const QString &fichier)
{
    QFile document(DossierDeTest() + fichier);
    if (!document.open(QIODevice::ReadOnly))
        return {fichier + QStringLiteral(" illisible")};
    static const QRegularExpression titre(QStringLiteral("<h2><a name=\"([a-z]+)\"></a>"));
    QStringList ancres;
    for (auto it = titre.globalMatch(QString::fromUtf8(document.readAll())); it.hasNext();)
        ancres << it.next().captured(1);
    return ancres;
}

} // namespace

class TestJeuAide : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void aide_ouvreLeFichierDuDossierAuSommaire_data();
    void aide_ouvreLeFichierDuDossierAuSommaire();
    void aide_fichierAbsent_leDitEtLeJeuContinue();
    void f1_dansUnDialogueModal_ouvreUneAideUtilisable();
    void aide_seLitParSectionEtRendLeClavierAuJeu_data();
    void aide_seLitParSectionEtRendLeClavierAuJeu();
    void barre_montreDateEtHeureAvecLesZeros();
    void barre_voyantInser_basculeAChaqueAppui();
    void barre_voyantsInconnus_sontGrises();
};

void TestJeuAide::aide_ouvreLeFichierDuDossierAuSommaire_data()
{
    QTest::addColumn<bool>("parF1");
    QTest::newRow("touche F1") << true;
    QTest::newRow("bouton Aide") << false;
}

void TestJeuAide::aide_ouvreLeFichierDuDossierAuSommaire()
{
    QFETCH(bool, parF1);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    QCOMPARE(banc.jeu->AideProgramme().Fichier(), DossierDeTest() + QStringLiteral("Kalvoro.hlp"));

    if (parF1)
        QTest::keyClick(banc.Controle<QPushButton>(QStringLiteral("Quitter")), Qt::Key_F1);
    else
        QTest::mouseClick(banc.Controle<QPushButton>(QStringLiteral("Aide")), Qt::LeftButton);

    VisionneuseAide *visionneuse = banc.jeu->AideProgramme().Visionneuse();
    QVERIFY(visionneuse);
    QVERIFY(visionneuse->isVisible());
    const QString texte = visionneuse->Texte()->toPlainText();
    QVERIFY2(texte.contains(QStringLiteral("Les règles du jeu")), qPrintable(texte.left(200)));
    QVERIFY(texte.contains(QStringLiteral("Crédits des images")));
    QCOMPARE(visionneuse->Texte()->verticalScrollBar()->value(), 0); // le sommaire, en tête
    // Un second appel ne multiplie pas les visionneuses.
    QTest::keyClick(banc.jeu.get(), Qt::Key_F1);
    QCOMPARE(banc.jeu->AideProgramme().Visionneuse(), visionneuse);
    QCOMPARE(VisionneusesOuvertes(), 1);
    // Sans dialogue modal, l'aide n'appartient pas au jeu : un clic sur lui la fait passer
    // dessous au lieu qu'elle le couvre toujours.
    QVERIFY(!visionneuse->parentWidget());
}

void TestJeuAide::aide_fichierAbsent_leDitEtLeJeuContinue()
{
    OriginesJeu origines = BancJeu::OriginesParDefaut();
    origines.dossier = QStringLiteral("/dossier/qui/n/existe/pas/");
    BancJeu banc({}, origines);
    QVERIFY(banc.Demarrer());

    QTest::keyClick(banc.jeu.get(), Qt::Key_F1);

    VisionneuseAide *visionneuse = banc.jeu->AideProgramme().Visionneuse();
    QVERIFY(visionneuse);
    const QString texte = visionneuse->Texte()->toPlainText();
    QVERIFY2(texte.contains(QStringLiteral("/dossier/qui/n/existe/pas/Kalvoro.hlp")),
             qPrintable(texte));
    QVERIFY(texte.contains(QStringLiteral("introuvable")));
    QVERIFY(banc.echecs.isEmpty());
    banc.ChoisirSerie(3); // le jeu continue
    QVERIFY(banc.Cellule(1)->isEnabled());
}

void TestJeuAide::f1_dansUnDialogueModal_ouvreUneAideUtilisable()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    QTest::keyClick(banc.jeu.get(), Qt::Key_F1); // une aide déjà ouverte, sous Jeu

    QDialog dialogue(banc.jeu.get());
    QPointer<VisionneuseAide> visionneuse;
    bool aDialoguePourParent = false;
    int defilement = 0;
    QTimer::singleShot(0, this, [&] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_F1);
        visionneuse = banc.jeu->AideProgramme().Visionneuse();
        // Un dialogue modal bloque toute fenêtre qui ne descend pas de lui.
        aDialoguePourParent = visionneuse && visionneuse->parentWidget() == &dialogue;
        if (visionneuse && QTest::qWaitForWindowExposed(visionneuse)) {
            // Un clic dans le sommaire passe par le contrôle de modalité de Qt : sur une
            // fenêtre bloquée, il serait perdu et la section ne changerait pas.
            QListWidget *sommaire = visionneuse->Sommaire();
            const QPoint titre = sommaire->visualItemRect(sommaire->item(2)).center();
            QTest::mouseClick(visionneuse->windowHandle(), Qt::LeftButton, {},
                              sommaire->viewport()->mapTo(visionneuse, titre));
            defilement = sommaire->currentRow();
        }
        dialogue.accept();
    });
    dialogue.exec();

    QVERIFY(aDialoguePourParent);
    QCOMPARE(defilement, 2);
    QCOMPARE(VisionneusesOuvertes(), 1); // l'ancienne est fermée
}

void TestJeuAide::aide_seLitParSectionEtRendLeClavierAuJeu_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("fermeture");
    QTest::newRow("français, Échap") << "Kalvoro.hlp"
                                     << "Échap";
    QTest::newRow("anglais, bouton Fermer") << "Kalvoro.en.hlp"
                                            << "Fermer";
}

// Un titre du sommaire par section, dans les deux langues ; une flèche passe à la section
// suivante, que le texte montre seule ; la fermeture rend le clavier au jeu.
void TestJeuAide::aide_seLitParSectionEtRendLeClavierAuJeu()
{
    QFETCH(QString, fichier);
    QFETCH(QString, fermeture);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    // Les deux éditions ont les mêmes sections, dans le même ordre.
    const QStringList ancres = Ancres(fichier);
    QCOMPARE(ancres, Ancres(QStringLiteral("Kalvoro.hlp")));
    QCOMPARE(ancres, Ancres(QStringLiteral("Kalvoro.en.hlp")));
    banc.jeu->AideProgramme().NommerFichier(DossierDeTest() + fichier);
    QTest::keyClick(banc.jeu.get(), Qt::Key_F1);
    QPointer<VisionneuseAide> visionneuse = banc.jeu->AideProgramme().Visionneuse();
    QVERIFY(QTest::qWaitForWindowActive(visionneuse));
    QCOMPARE(QApplication::focusWidget(), visionneuse->Sommaire());
    QCOMPARE(visionneuse->Sommaire()->count(), ancres.size() + 1); // et l'ouverture

    QTest::keyClick(visionneuse->Sommaire(), Qt::Key_Down);
    const QString section = visionneuse->Texte()->toPlainText();
    QVERIFY(section.startsWith(visionneuse->Sommaire()->item(1)->text()));
    QVERIFY(!section.contains(visionneuse->Sommaire()->item(2)->text()));
    // Entrée sur le titre des touches mène à sa section, dont la table se lit sans les marques
    // de cadre de Qt entre les cases.
    visionneuse->Sommaire()->setCurrentRow(int(ancres.indexOf(QStringLiteral("touches"))) + 1);
    QTest::keyClick(visionneuse->Sommaire(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), visionneuse->Texte());
    QAccessibleTextInterface *lu =
        QAccessible::queryAccessibleInterface(visionneuse->Texte())->textInterface();
    const QString table = lu->text(0, lu->characterCount());
    QVERIFY(table.contains(QStringLiteral("\nF1\n")));
    QVERIFY2(!table.contains(QChar(0xFDD0)) && !table.contains(QChar(0xFDD1)), qPrintable(table));
    if (fermeture == QStringLiteral("Échap"))
        QTest::keyClick(visionneuse->Sommaire(), Qt::Key_Escape);
    else
        QTest::mouseClick(Enfant<QPushButton>(visionneuse, QStringLiteral("Fermer")),
                          Qt::LeftButton);
    QTRY_VERIFY(!visionneuse);
    QTRY_COMPARE(QApplication::activeWindow(), banc.jeu.get());
}

void TestJeuAide::barre_montreDateEtHeureAvecLesZeros()
{
    BarreEtat barre(nullptr, [] { return QDateTime(QDate(2001, 3, 5), QTime(9, 5, 42)); });
    QCOMPARE(barre.Panneau(6)->text(), QStringLiteral("05/03/2001"));
    QCOMPARE(barre.Panneau(7)->text(), QStringLiteral("09:05"));
    barre.EcrireInformation(QStringLiteral("Kalvoro  -  Version ") + VersionAttendue());
    QCOMPARE(barre.Panneau(1)->text(), QStringLiteral("Kalvoro  -  Version ") + VersionAttendue());
    QCOMPARE(barre.Panneau(1)->width(), 321); // 4810 twips
    QCOMPARE(barre.Panneau(6)->width(), 67);  // 1005 twips
}

void TestJeuAide::barre_voyantInser_basculeAChaqueAppui()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    QLabel *ins = banc.Controle<BarreEtat>(QStringLiteral("Barre"))->Panneau(3);
    QCOMPARE(ins->text(), QStringLiteral("INS"));
    QVERIFY(!ins->isEnabled());
    QWindow *fenetre = banc.jeu->windowHandle();

    QTest::keyClick(fenetre, Qt::Key_Insert);
    QVERIFY(ins->isEnabled());
    QTest::keyClick(fenetre, Qt::Key_Insert);
    QVERIFY(!ins->isEnabled());
}

void TestJeuAide::barre_voyantsInconnus_sontGrises()
{
    // Sans serveur X (plateforme offscreen), l'état des verrous est inconnu : voyant grisé.
    BarreEtat barre;
    const QStringList etiquettes = {"DEFIL", "INS", "MAJ", "NUM"};
    for (int numero = 2; numero <= 5; ++numero) {
        QCOMPARE(barre.Panneau(numero)->text(), etiquettes[numero - 2]);
        QVERIFY(!barre.Panneau(numero)->isEnabled());
    }
}

QTEST_MAIN(TestJeuAide)
#include "tst_jeu_aide.moc"
