// La fenêtre Jeu au démarrage : son état, la place de ses contrôles, ses échecs fatals.
#include "BancJeu.h"
#include "BarreEtat.h"
#include "Modales.h"
#include "SansAvisDePlateforme.h"
#include "VersionAttendue.h"

#include <QDate>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace kalvoro;

class TestJeu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void demarrage_laisseLePlateauAuRepos();
    void demarrage_ouvreScoresDatDuDossierEtDateLeProgramme();
    void demarrage_echoueProprement_data();
    void demarrage_echoueProprement();
    void cellule_estASaPlace_data();
    void cellule_estASaPlace();
    void cellules_voisinesVerticalement_sontAlignees();
    void cacherLesCellules3et27_neDeplaceAucuneAutre();
    void controle_estASaPlaceAvecSaLegende_data();
    void controle_estASaPlaceAvecSaLegende();
    void etiquettes_ontLeursPolicesEtCouleurs_data();
    void etiquettes_ontLeursPolicesEtCouleurs();
    void tabulation_suitLOrdreDeLaPlanche();
    void echecDuMagasinEnCoursDeJeu_estFatalSansPlantage();
    void fichierOccupeAuChoixDUneSerie_laisseReessayerSansFinir_data();
    void fichierOccupeAuChoixDUneSerie_laisseReessayerSansFinir();
};

void TestJeu::demarrage_laisseLePlateauAuRepos()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());

    QCOMPARE(banc.jeu->windowTitle(), QStringLiteral("Kalvoro ") + VersionAttendue());
    // L'icône, lue sans greffon d'images : elle est là, à sa taille.
    QCOMPARE(banc.jeu->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    auto *barre = banc.Controle<BarreEtat>(QStringLiteral("Barre"));
    QCOMPARE(barre->Panneau(1)->text(), QStringLiteral("Kalvoro  -  Version ") + VersionAttendue());
    for (int i = 1; i <= 48; ++i) {
        QVERIFY2(banc.Cellule(i)->isVisible(), qPrintable(QString::number(i)));
        QVERIFY(!banc.Cellule(i)->isEnabled());
        QVERIFY(banc.Cellule(i)->icon().isNull());
        QVERIFY(banc.Cellule(i)->text().isEmpty());
    }
    QVERIFY(!banc.Controle<QPushButton>(QStringLiteral("Annuler"))->isEnabled());
    auto *liste = banc.Controle<QComboBox>(QStringLiteral("ListeJeux"));
    QVERIFY(liste->isEnabled());
    QCOMPARE(liste->currentIndex(), -1);
    QCOMPARE(liste->count(), 7); // les six, puis « Mes séries… »
    QCOMPARE(liste->itemText(6), QStringLiteral("Mes séries…"));
    QCOMPARE(liste->itemText(1), QStringLiteral("Cinéma"));
    QCOMPARE(liste->itemData(5).toInt(), 6);
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QString());
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("MeilleurScore"))->text(), QString());
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("AfficheDate"))->text(),
             QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    QCOMPARE(banc.jeu->focusWidget(), banc.Controle<QPushButton>(QStringLiteral("Quitter")));
    // Le cadre du focus se voit dès l'ouverture : la barre d'espace agirait sur Quitter.
    QVERIFY(banc.jeu->testAttribute(Qt::WA_KeyboardFocusChange));
    QVERIFY(banc.echecs.isEmpty());
    const QString longNom = QStringLiteral("Photos de famille, été 2024 au bord de la mer");
    banc.jeu->AjouterSerie(longNom, 8);
    liste->showPopup(); // ouverte, la liste montre les noms entiers
    QVERIFY(liste->view()->width() > liste->fontMetrics().horizontalAdvance(longNom));
    liste->hidePopup();
}

void TestJeu::demarrage_ouvreScoresDatDuDossierEtDateLeProgramme()
{
    BancJeu banc;
    QVERIFY(banc.jeu->Form_Load());
    QCOMPARE(banc.cheminsOuverts, QStringList{DossierDeTest() + QStringLiteral("Scores.dat")});
    // Les six séries se lisent dans le magasin ouvert sur ce fichier.
    QCOMPARE(banc.jeu->Magasin()->LireMeilleurScore(QStringLiteral("Animaux")),
             QStringLiteral("30"));
    QCOMPARE(banc.jeu->NumeroVersion(), VersionAttendue());
    QCOMPARE(banc.jeu->DateProgramme(), QStringLiteral("16/04/2000 à 13:47"));
}

void TestJeu::demarrage_echoueProprement_data()
{
    QTest::addColumn<QString>("echecMagasin"); // vide : le magasin s'ouvre
    QTest::addColumn<bool>("fabriqueVide");
    QTest::addColumn<bool>("dateLisible");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<QString>("echecCopie"); // la copie chez le joueur a échoué
    QTest::newRow("Scores.dat absent")
        << QStringLiteral("Le fichier des scores Scores.dat est introuvable.") << false << true
        << QStringLiteral("introuvable") << QString();
    QTest::newRow("mot de passe refusé")
        << QStringLiteral("mot de passe refusé ou fichier endommagé") << false << true
        << QStringLiteral("mot de passe refusé") << QString();
    QTest::newRow("magasin non construit")
        << QString() << true << true << QStringLiteral("Scores.dat") << QString();
    QTest::newRow("date de l'exécutable illisible")
        << QString() << false << false << QStringLiteral("ne peut pas être lue") << QString();
    // Le joueur lit pourquoi sa copie manque, pas seulement qu'elle est introuvable.
    QTest::newRow("copie chez le joueur impossible")
        << QStringLiteral("Le fichier des scores Scores.dat est introuvable.") << false << true
        << QStringLiteral("dossier plein") << QStringLiteral("dossier plein");
}

void TestJeu::demarrage_echoueProprement()
{
    QFETCH(QString, echecMagasin);
    QFETCH(bool, fabriqueVide);
    QFETCH(bool, dateLisible);
    QFETCH(QString, attendu);
    QFETCH(QString, echecCopie);
    FabriqueMagasin fabrique = [&](const QString &) -> std::unique_ptr<MagasinScores> {
        if (!echecMagasin.isEmpty())
            throw ErreurScores(echecMagasin);
        return fabriqueVide ? nullptr : std::make_unique<FauxMagasin>();
    };
    OriginesJeu origines = BancJeu::OriginesParDefaut();
    if (!dateLisible)
        origines.dateExecutable = [] { return std::optional<QDateTime>(); };
    origines.echecScores = echecCopie;
    BancJeu banc(fabrique, origines);

    QVERIFY(!banc.jeu->Form_Load());
    QCOMPARE(banc.echecs.size(), 1);
    QVERIFY2(banc.echecs.first().contains(attendu), qPrintable(banc.echecs.first()));
    QVERIFY(banc.jeu->windowTitle().isEmpty()); // le démarrage s'est arrêté là
}

void TestJeu::cellule_estASaPlace_data()
{
    QTest::addColumn<int>("cellule");
    QTest::addColumn<QPoint>("coinTwips");
    QTest::newRow("1 en haut à gauche") << 1 << QPoint(120, 120);
    QTest::newRow("8 en haut à droite") << 8 << QPoint(6840, 120);
    QTest::newRow("9 au début de la deuxième rangée") << 9 << QPoint(120, 1080);
    QTest::newRow("27 troisième de la quatrième rangée") << 27 << QPoint(2040, 3000);
    QTest::newRow("48 en bas à droite") << 48 << QPoint(6840, 4920);
}

void TestJeu::cellule_estASaPlace()
{
    QFETCH(int, cellule);
    QFETCH(QPoint, coinTwips);
    BancJeu banc;
    const QRect place = banc.Cellule(cellule)->geometry();
    QCOMPARE(place.topLeft(), coinTwips / 15);
    QCOMPARE(place.size(), QSize(57, 57)); // 855 twips
}

void TestJeu::cellules_voisinesVerticalement_sontAlignees()
{
    BancJeu banc;
    for (int i = 1; i <= 40; ++i) {
        const QRect haut = banc.Cellule(i)->geometry();
        const QRect bas = banc.Cellule(i + 8)->geometry();
        QCOMPARE(bas.left(), haut.left());
        QCOMPARE(bas.top() - haut.top(), 64); // 960 twips
    }
}

void TestJeu::cacherLesCellules3et27_neDeplaceAucuneAutre()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    QList<QRect> avant;
    for (int i = 1; i <= 48; ++i)
        avant << banc.Cellule(i)->geometry();

    banc.jeu->MontrerCellule(3, false);
    banc.jeu->MontrerCellule(27, false);
    QCoreApplication::processEvents();

    for (int i = 1; i <= 48; ++i) {
        QCOMPARE(banc.Cellule(i)->geometry(), avant[i - 1]);
        QCOMPARE(banc.Cellule(i)->isVisible(), i != 3 && i != 27);
    }
    const auto *plateau = banc.Controle<QWidget>(QStringLiteral("Plateau"));
    QVERIFY(plateau->childAt(banc.Cellule(3)->geometry().center()) == nullptr);
}

void TestJeu::controle_estASaPlaceAvecSaLegende_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QRect>("placeTwips"); // dans la fenêtre ou dans son cadre
    QTest::addColumn<QString>("legende");
    const auto ligne = [](const char *nom, QRect place, const char *legende) {
        QTest::newRow(nom) << QString::fromUtf8(nom) << place << QString::fromUtf8(legende);
    };
    ligne("Frame2", {7800, 120, 1455, 615}, "Date");
    ligne("AfficheDate", {120, 240, 1215, 375}, "");
    ligne("Frame1", {7800, 810, 1455, 1530}, "Choix de la série");
    ligne("ListeJeux", {120, 345, 1215, 315}, "");
    ligne("ListeTailles", {540, 735, 795, 315}, "");
    ligne("BoutonJoueurs", {120, 1125, 1215, 315}, "&Joueurs : 1");
    ligne("Frame4", {7800, 2415, 1455, 615}, "Meilleur score");
    ligne("MeilleurScore", {120, 240, 1215, 375}, "");
    ligne("Frame3", {7800, 3105, 1455, 615}, "Score en cours");
    ligne("ScoreEnCours", {120, 240, 1215, 375}, "");
    ligne("Annuler", {7800, 3795, 1455, 375}, "&Annuler");
    ligne("Scores", {7800, 4200, 1455, 375}, "&Scores");
    ligne("Command1", {7800, 4605, 1455, 375}, "&A propos");
    ligne("Aide", {7800, 5010, 1455, 375}, "&Aide");
    ligne("Quitter", {7800, 5415, 1455, 375}, "&Quitter");
    ligne("Barre", {0, 5850, 9345, 345}, "");
}

void TestJeu::controle_estASaPlaceAvecSaLegende()
{
    QFETCH(QString, nom);
    QFETCH(QRect, placeTwips);
    QFETCH(QString, legende);
    BancJeu banc;
    QCOMPARE(banc.jeu->size(), QSize(623, 413)); // 9345 × 6195 twips
    auto *controle = banc.Controle<QWidget>(nom);
    QCOMPARE(controle->geometry(), QRect(placeTwips.x() / 15, placeTwips.y() / 15,
                                         placeTwips.width() / 15, placeTwips.height() / 15));
    if (auto *bouton = qobject_cast<QPushButton *>(controle))
        QCOMPARE(bouton->text(), legende);
    if (auto *cadre = qobject_cast<QGroupBox *>(controle))
        QCOMPARE(cadre->title(), legende);
}

void TestJeu::etiquettes_ontLeursPolicesEtCouleurs_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("couleurDuSysteme");
    QTest::addColumn<QColor>("encre");
    QTest::newRow("MeilleurScore en rouge")
        << "MeilleurScore" << 13.5 << false << QColor(255, 0, 0);
    QTest::newRow("ScoreEnCours en bleu") << "ScoreEnCours" << 13.5 << false << QColor(0, 0, 255);
    QTest::newRow("AfficheDate au texte du système") << "AfficheDate" << 9.75 << true << QColor();
}

void TestJeu::etiquettes_ontLeursPolicesEtCouleurs()
{
    QFETCH(QString, nom);
    QFETCH(double, points);
    QFETCH(bool, couleurDuSysteme);
    QFETCH(QColor, encre);
    BancJeu banc;
    auto *etiquette = banc.Controle<QLabel>(nom);
    QCOMPARE(etiquette->font().pointSizeF(), points);
    QVERIFY(etiquette->font().bold());
    QCOMPARE(etiquette->font().family(), QStringLiteral("MS Sans Serif"));
    // La police de Windows est remplacée par une police libre installée avec le programme.
    QCOMPARE(QFontInfo(etiquette->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(etiquette->alignment(), Qt::AlignCenter);
    QVERIFY(etiquette->autoFillBackground());
    QCOMPARE(etiquette->palette().color(QPalette::Window), QColor(192, 192, 192));
    const QColor attendue =
        couleurDuSysteme ? QApplication::palette().color(QPalette::WindowText) : encre;
    QCOMPARE(etiquette->palette().color(QPalette::WindowText), attendue);
}

void TestJeu::tabulation_suitLOrdreDeLaPlanche()
{
    BancJeu banc;
    QStringList attendu;
    for (int i = 1; i <= 48; ++i)
        attendu << QStringLiteral("Bouton%1").arg(i);
    attendu << "Quitter"
            << "Scores"
            << "Annuler"
            << "ListeJeux"
            << "ListeTailles"
            << "BoutonJoueurs"
            << "Aide"
            << "Command1";

    QStringList ordre;
    QWidget *courant = banc.Cellule(1);
    do {
        if (courant->focusPolicy() & Qt::TabFocus)
            ordre << courant->objectName();
        courant = courant->nextInFocusChain();
    } while (courant != banc.Cellule(1));
    QCOMPARE(ordre, attendu);
}

void TestJeu::echecDuMagasinEnCoursDeJeu_estFatalSansPlantage()
{
    BancJeu banc;
    QVERIFY(banc.jeu->Form_Load());
    banc.magasin->EchecAuProchainAppel = QStringLiteral("disque illisible");
    banc.ChoisirSerie(2);
    QCOMPARE(banc.echecs, QStringList{QStringLiteral("disque illisible")});
}

void TestJeu::fichierOccupeAuChoixDUneSerie_laisseReessayerSansFinir_data()
{
    QTest::addColumn<bool>("reessayer");
    QTest::addColumn<QString>("meilleurScore");
    QTest::newRow("Réessayer lit le score") << true << QStringLiteral("31");
    QTest::newRow("Annuler laisse jouer sans lui") << false << QString();
}

// Un autre programme tient Scores.dat un instant : ce n'est pas une raison de finir le jeu.
void TestJeu::fichierOccupeAuChoixDUneSerie_laisseReessayerSansFinir()
{
    QFETCH(bool, reessayer);
    QFETCH(QString, meilleurScore);
    BancJeu banc;
    QVERIFY(banc.jeu->Form_Load());
    banc.magasin->Remplir(QStringLiteral("Cinéma"), {31, 40});
    banc.magasin->OccupeUneFois << QStringLiteral("LireMeilleurScore");
    bool proposee = false;
    QuandLaBoiteParait(QStringLiteral("FichierOccupe"), [&](QMessageBox *boite) {
        proposee = true;
        RepondreAuFichierOccupe(boite, reessayer);
    });
    banc.ChoisirSerie(2);
    QVERIFY(proposee);
    QVERIFY(banc.echecs.isEmpty());
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("MeilleurScore"))->text(), meilleurScore);
    QVERIFY(banc.Cellule(1)->isEnabled());
}

QTEST_MAIN(TestJeu)
#include "tst_jeu.moc"
