#include "Emplacements.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalvoro;

namespace {

// Une arborescence d'essai : bin/ (l'exécutable), share/kalvoro/, donnees/ (le joueur).
struct Arbre {
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
    Lieux LesLieux(bool binEcrivable = true) const
    {
        return {Chemin("bin"), "../share/kalvoro", Chemin("donnees"),
                [binEcrivable](const QString &) { return binEcrivable; }};
    }
};

} // namespace

class TestEmplacements : public QObject {
    Q_OBJECT
private slots:
    void LeDossierQuiTientSesFichiersSertTelQuel_data()
    {
        QTest::addColumn<QStringList>("poses");
        QTest::addColumn<bool>("binEcrivable");
        QTest::addColumn<QString>("fichiers");
        QTest::addColumn<QString>("scores");
        QTest::addColumn<QString>("livres");
        const QStringList livres{"share/kalvoro/Kalvoro.hlp", "share/kalvoro/Scores.dat"};
        QTest::newRow("dossier de construction")
            << QStringList{"bin/Scores.dat", "bin/Kalvoro.hlp"} << true << "bin/"
            << "bin/Scores.dat"
            << "";
        QTest::newRow("copie portable sans Scores.dat : l'échec dira lequel manque")
            << QStringList{"bin/Kalvoro.hlp"} + livres << true << "bin/"
            << "bin/Scores.dat"
            << "";
        QTest::newRow("installé") << livres << true << "share/kalvoro/"
                                  << "donnees/Scores.dat"
                                  << "share/kalvoro/Scores.dat";
        QTest::newRow("dossier portable où le joueur ne peut écrire")
            << QStringList{"bin/Scores.dat", "bin/Kalvoro.hlp"} << false << "bin/"
            << "donnees/Scores.dat"
            << "bin/Scores.dat";
        QTest::newRow("ni fichiers ni share : le dossier de l'exécutable, comme avant")
            << QStringList{} << true << "bin/"
            << "bin/Scores.dat"
            << "";
    }
    void LeDossierQuiTientSesFichiersSertTelQuel()
    {
        QFETCH(QStringList, poses);
        QFETCH(bool, binEcrivable);
        Arbre arbre;
        QDir().mkpath(arbre.Chemin("bin"));
        for (const QString &pose : poses)
            arbre.Poser(pose);
        const Emplacements resolus = ResoudreEmplacements(arbre.LesLieux(binEcrivable));
        const auto relatif = [&](const QString &chemin) {
            return chemin.isEmpty() ? chemin : chemin.mid(arbre.racine.path().size() + 1);
        };
        QTEST(relatif(resolus.dossierFichiers), "fichiers");
        QTEST(relatif(resolus.scores), "scores");
        QTEST(relatif(resolus.scoresLivres), "livres");
    }

    void LePremierLancementRecopieLeFichierLivreSansToucherAuPartage()
    {
        Arbre arbre;
        arbre.Poser("share/kalvoro/Scores.dat", QByteArray(5000, 'k'));
        QFile::setPermissions(arbre.Chemin("share/kalvoro"), QFile::ReadOwner | QFile::ExeOwner);
        const Emplacements resolus = ResoudreEmplacements(arbre.LesLieux());
        QCOMPARE(PreparerScoresJoueur(resolus), QString());
        QCOMPARE(arbre.Lire("donnees/Scores.dat"), QByteArray(5000, 'k'));
        QCOMPARE(QDir(arbre.Chemin("donnees")).entryList(QDir::Files), QStringList{"Scores.dat"});
        QCOMPARE(QDir(arbre.Chemin("share/kalvoro")).entryList(QDir::Files),
                 QStringList{"Scores.dat"});
        QFile::setPermissions(arbre.Chemin("share/kalvoro"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void LesScoresDuJoueurNeSontJamaisRemplaces()
    {
        Arbre arbre;
        arbre.Poser("share/kalvoro/Scores.dat");
        arbre.Poser("donnees/Scores.dat", "scores du joueur");
        QCOMPARE(PreparerScoresJoueur(ResoudreEmplacements(arbre.LesLieux())), QString());
        QCOMPARE(arbre.Lire("donnees/Scores.dat"), QByteArray("scores du joueur"));
    }

    void UneCopieImpossibleEstDiteEtNeLaisseRien()
    {
        Arbre arbre;
        arbre.Poser("share/kalvoro/Scores.dat");
        arbre.Poser("donnees", "un fichier là où le dossier devrait être");
        const QString echec = PreparerScoresJoueur(ResoudreEmplacements(arbre.LesLieux()));
        QVERIFY2(echec.contains(QDir::toNativeSeparators(arbre.Chemin("donnees"))),
                 qPrintable(echec));
        QCOMPARE(QDir(arbre.Chemin("")).entryList(QDir::Files), QStringList{"donnees"});
    }
};

QTEST_GUILESS_MAIN(TestEmplacements)
#include "tst_emplacements.moc"
