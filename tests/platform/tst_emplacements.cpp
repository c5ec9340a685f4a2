#include "Emplacements.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalvoro;

// Le contrôle par le moteur est essayé avec les scores (tst_copie_scores) ; ici, il accepte.
const ControleCopie Accepter = [](const QString &) { return QString(); };

// Une arborescence d'essai : bin/ (l'exécutable), share/kalvoro/, donnees/ (le joueur).
class TestEmplacements : public QObject {
    Q_OBJECT
    QTemporaryDir racine;
    QString Chemin(const QString &relatif) const { return racine.filePath(relatif); }
    void Poser(const QString &relatif, const QByteArray &contenu = "livré") const
    {
        QDir().mkpath(QFileInfo(Chemin(relatif)).absolutePath());
        QFile fichier(Chemin(relatif));
        QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size());
    }
    QByteArray Lire(const QString &relatif) const
    {
        QFile fichier(Chemin(relatif));
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
    Emplacements Resoudre(bool binEcrivable = true, const QString &bin = "bin") const
    {
        return ResoudreEmplacements({Chemin(bin), "../share/kalvoro", Chemin("donnees"),
                                     [=](const QString &) { return binEcrivable; }});
    }
    QString Relatif(const QString &chemin) const
    {
        return QDir(racine.path()).relativeFilePath(chemin);
    }

private slots:
    void init() { QVERIFY(racine.isValid() && QDir().mkpath(Chemin("bin"))); }
    void cleanup()
    {
        QFile::setPermissions(Chemin("share/kalvoro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(racine.path()).removeRecursively();
    }

    void LeDossierQuiTientSesFichiersSertTelQuel_data()
    {
        QTest::addColumn<QStringList>("poses");
        QTest::addColumn<bool>("binEcrivable");
        QTest::addColumn<QStringList>("attendus"); // fichiers, scores, scores livrés
        const QStringList livres{"share/kalvoro/Kalvoro.hlp", "share/kalvoro/Scores.dat"};
        QTest::newRow("dossier de construction")
            << QStringList{"bin/Scores.dat"} << true << QStringList{"bin", "bin/Scores.dat", ""};
        QTest::newRow("copie portable sans Scores.dat : l'échec dira lequel manque")
            << QStringList{"bin/Kalvoro.hlp"} + livres << true
            << QStringList{"bin", "bin/Scores.dat", ""};
        QTest::newRow("installé") << livres << true
                                  << QStringList{"share/kalvoro", "donnees/Scores.dat",
                                                 "share/kalvoro/Scores.dat"};
        QTest::newRow("dossier portable où le joueur ne peut écrire")
            << QStringList{"bin/Scores.dat", "bin/Kalvoro.hlp"} << false
            << QStringList{"bin", "donnees/Scores.dat", "bin/Scores.dat"};
    }
    void LeDossierQuiTientSesFichiersSertTelQuel()
    {
        QFETCH(QStringList, poses);
        QFETCH(bool, binEcrivable);
        for (const QString &pose : poses)
            Poser(pose);
        const Emplacements resolus = Resoudre(binEcrivable);
        const QString livres = resolus.scoresLivres.isEmpty() ? "" : Relatif(resolus.scoresLivres);
        QTEST((QStringList{Relatif(resolus.dossierFichiers), Relatif(resolus.scores), livres}),
              "attendus");
    }

    void LePremierLancementRecopieLeFichierLivreSansEcrireDansLePartage()
    {
        Poser("share/kalvoro/Scores.dat", QByteArray(5000, 'k'));
        QFile::setPermissions(Chemin("share/kalvoro"), QFile::ReadOwner | QFile::ExeOwner);
        QCOMPARE(PreparerScoresJoueur(Resoudre(), Accepter).echec, QString());
        QCOMPARE(Lire("donnees/Scores.dat"), QByteArray(5000, 'k'));
        QCOMPARE(QDir(Chemin("donnees")).entryList(QDir::Files), QStringList{"Scores.dat"});
        QCOMPARE(QDir(Chemin("share/kalvoro")).entryList(QDir::Files), QStringList{"Scores.dat"});
    }

    void LesScoresDuJoueurNeSontJamaisRemplaces()
    {
        Poser("share/kalvoro/Scores.dat");
        Poser("donnees/Scores.dat", "scores du joueur");
        QCOMPARE(PreparerScoresJoueur(Resoudre(), Accepter).echec, QString());
        QCOMPARE(Lire("donnees/Scores.dat"), QByteArray("scores du joueur"));
    }

    // Le joueur a joué depuis un dossier portable où il ne pouvait écrire : ses scores sont dans
    // sa copie. Le jour où il peut écrire dans le dossier, c'est toujours elle qu'il retrouve ;
    // un autre dossier portable, lui, sert toujours tel quel.
    void UneCopieFaiteResteCelleDuJoueur()
    {
        Poser("bin/Scores.dat");
        QCOMPARE(PreparerScoresJoueur(Resoudre(false), Accepter).echec, QString());
        QCOMPARE(Relatif(Resoudre(true).scores), QStringLiteral("donnees/Scores.dat"));
        Poser("autre/Scores.dat");
        const Emplacements autre = ResoudreEmplacements(
            {Chemin("autre"), "../share/kalvoro", Chemin("donnees"), [](auto &) { return true; }});
        QCOMPARE(Relatif(autre.scores), QStringLiteral("autre/Scores.dat"));
        // Sans copie, la note ne retient plus le dossier.
        QVERIFY(QFile::remove(Chemin("donnees/Scores.dat")));
        QCOMPARE(Relatif(Resoudre(true).scores), QStringLiteral("bin/Scores.dat"));
    }

    // liste : ce que dossiers-repris.txt tient avant le premier lancement (« lien » : un lien
    // symbolique vers un fichier du joueur, que Kalvoro ne suit pas).
    void LaListeDesReprisesReconnaitSesDossiersSansGrandir_data()
    {
        QTest::addColumn<QString>("bin");
        QTest::addColumn<QByteArray>("liste");
        QTest::addColumn<QString>("avis");
        QTest::newRow("liste sans saut de ligne final") << "bin" << QByteArray("/ailleurs/") << "";
        QTest::newRow("nom de dossier avec un saut de ligne") << "b\nin" << QByteArray() << "";
        QTest::newRow("liste en lien symbolique : avis")
            << "bin" << QByteArray("lien") << "n'a pas pu être écrite";
    }
    void LaListeDesReprisesReconnaitSesDossiersSansGrandir()
    {
        QFETCH(QString, bin);
        QFETCH(QByteArray, liste);
        QFETCH(QString, avis);
        Poser(bin + "/Scores.dat");
        const QString note = Chemin("donnees/dossiers-repris.txt");
        if (liste == "lien") {
            Poser("autre.txt", "à ne pas toucher");
            QVERIFY(QDir().mkpath(Chemin("donnees")) && QFile::link(Chemin("autre.txt"), note));
        } else if (!liste.isEmpty()) {
            Poser("donnees/dossiers-repris.txt", liste);
        }
        const PreparationScores premier = PreparerScoresJoueur(Resoudre(false, bin), Accepter);
        QCOMPARE(premier.echec, QString());
        QVERIFY2(premier.avis.contains(avis), qPrintable(premier.avis));
        const QByteArray apresUn = Lire("donnees/dossiers-repris.txt");
        QCOMPARE(PreparerScoresJoueur(Resoudre(false, bin), Accepter).echec, QString());
        QCOMPARE(Lire("donnees/dossiers-repris.txt"), apresUn);
        QCOMPARE(Lire("autre.txt"), QByteArray(liste == "lien" ? "à ne pas toucher" : ""));
        if (avis.isEmpty())
            QCOMPARE(Relatif(Resoudre(true, bin).scores), QStringLiteral("donnees/Scores.dat"));
    }

    void LeDossierDeDonneesIgnoreUnXdgRelatif_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("absolu") << QByteArray("/srv/donnees") << "/srv/donnees";
        QTest::newRow("relatif : ignoré")
            << QByteArray("sous/dossier") << QDir::homePath() + "/.local/share";
    }
    void LeDossierDeDonneesIgnoreUnXdgRelatif()
    {
        QFETCH(QByteArray, xdg);
        const QByteArray avant = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", xdg);
        const QString donnees = DossierDonneesJoueur();
        qputenv("XDG_DATA_HOME", avant);
        QTEST(donnees, "attendu");
    }

    void UneCopieImpossibleEstDiteEtNeLaisseRien()
    {
        Poser("share/kalvoro/Scores.dat");
        Poser("donnees", "un fichier là où le dossier devrait être");
        const QString echec = PreparerScoresJoueur(Resoudre(), Accepter).echec;
        QVERIFY2(echec.contains(QDir::toNativeSeparators(Chemin("donnees"))), qPrintable(echec));
        QCOMPARE(QDir(racine.path()).entryList(QDir::Files), QStringList{"donnees"});
    }
};

QTEST_GUILESS_MAIN(TestEmplacements)
#include "tst_emplacements.moc"
