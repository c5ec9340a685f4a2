#include "FichierEssai.h"
#include "MagasinSqlcipher.h"
#include "ScoresSerie.h"
#include "Series.h"

#include <QRandomGenerator>
#include <QThread>
#include <QtTest>
#include <algorithm>
#include <random>

using namespace kalvoro;

namespace {

const QString SerieEssai = QStringLiteral("Toons");
const QDate JourEssai(2026, 1, 1); // la date qu'inscrit le programme d'essai

// La ligne qu'écrit le programme d'essai pour ce score.
LigneScore LigneEssai(const QString &prefixe, int score)
{
    return {prefixe + QLatin1Char(' ') + QString::number(score), QStringLiteral("Essai"), JourEssai,
            score};
}

// Les dix meilleures lignes d'un ensemble aux scores tous distincts, dans l'ordre du classement.
QList<LigneScore> DixMeilleures(QList<LigneScore> lignes, qsizetype taille)
{
    std::sort(lignes.begin(), lignes.end(),
              [](const LigneScore &a, const LigneScore &b) { return a.SCORE < b.SCORE; });
    return lignes.first(std::min(taille, lignes.size()));
}

QString Integrite(const QString &chemin)
{
    return essai::Shell(chemin, QStringLiteral("PRAGMA integrity_check;")).Texte;
}

QStringList EnTexte(const QList<int> &scores)
{
    QStringList textes;
    for (int score : scores)
        textes << QString::number(score);
    return textes;
}

} // namespace

// Scores.dat face aux coupures et aux écritures simultanées : jamais à moitié écrit, aucune
// inscription perdue, aucune ligne écrasée à tort.
class TestFiabilite : public QObject {
    Q_OBJECT
private slots:
    // Le fichier d'une série du joueur commence vide : ses premières inscriptions ajoutent des
    // lignes, les suivantes en écrasent.
    void unProcessusTueEnPleineInscriptionNeLaisseQueDesInscriptionsEntieres_data()
    {
        QTest::addColumn<bool>("serieJoueur");
        QTest::newRow("Scores.dat") << false;
        QTest::newRow("série du joueur") << true;
    }
    void unProcessusTueEnPleineInscriptionNeLaisseQueDesInscriptionsEntieres()
    {
        QFETCH(bool, serieJoueur);
        essai::Copie copie;
        QVERIFY(copie.Prete);
        const QString chemin = serieJoueur ? copie.SerieJoueur() : copie.Chemin();
        const QString serie = serieJoueur ? QStringLiteral("serie:0123456789abcdef") : SerieEssai;
        const ModeleScores &fichier = serieJoueur ? ModeleSerieJoueur() : ModeleClassique();
        if (serieJoueur)
            CreerScoresSerie(chemin);
        // Des scores de départ très hauts : chaque inscription du processus d'essai entre.
        QCOMPARE(copie.Sql("UPDATE Toons SET SCORE = SCORE + 100000;"), QString());
        QList<LigneScore> modele = MagasinSqlcipher(chemin, fichier).ListerScores(serie);
        const quint32 graine = QRandomGenerator::global()->generate();
        QRandomGenerator alea(graine);
        qInfo("graine des instants de coupure : %u", graine);
        int suivant = 1, coupuresEnEcriture = 0;
        for (int tour = 0; tour < 20; ++tour) {
            QList<int> scores;
            for (int k = suivant; k < suivant + 2000; ++k)
                scores << 100000 - k;
            QProcess enfant;
            enfant.start(QStringLiteral(KALVORO_ESSAI_SCORES),
                         {chemin, serie, "TUE", EnTexte(scores).join(',')});
            QVERIFY(enfant.waitForStarted());
            QThread::msleep(alea.bounded(30, 600));
            enfant.kill();
            QVERIFY(enfant.waitForFinished());
            const QStringList annonces = QString::fromUtf8(enfant.readAllStandardOutput())
                                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY2(annonces.filter(QStringLiteral(" Inscrit")) == annonces,
                     qPrintable(annonces.join(',')));
            QVERIFY2(annonces.size() < scores.size(), "coupure trop tardive");
            QCOMPARE(Integrite(chemin), QStringLiteral("ok"));

            // L'état est celui d'après la dernière inscription annoncée, ou d'après celle qui
            // était en cours si elle a été validée juste avant la coupure.
            QList<LigneScore> annoncees = modele, avecLaSuivante;
            for (qsizetype k = 0; k < annonces.size(); ++k)
                annoncees.append(LigneEssai("TUE", scores[k]));
            annoncees = DixMeilleures(annoncees, 10);
            avecLaSuivante =
                DixMeilleures(annoncees + QList{LigneEssai("TUE", scores[annonces.size()])}, 10);
            MagasinSqlcipher six(copie.Chemin());
            for (const Serie &autre : Series())
                QCOMPARE(six.ListerScores(autre.Nom).size(), 10);
            const QList<LigneScore> lues = MagasinSqlcipher(chemin, fichier).ListerScores(serie);
            if (lues == annoncees) {
                suivant += int(annonces.size());
            } else {
                QCOMPARE(lues, avecLaSuivante);
                suivant += int(annonces.size()) + 1;
            }
            coupuresEnEcriture += annonces.isEmpty() ? 0 : 1;
            modele = lues;
        }
        qInfo("%d inscriptions, %d coupures après au moins une inscription", suivant - 1,
              coupuresEnEcriture);
        QVERIFY2(coupuresEnEcriture > 0, "aucune coupure n'est tombée pendant les inscriptions");
    }

    void deuxExemplairesQuiInscriventEnMemeTempsNePerdentRien()
    {
        essai::Copie copie;
        QVERIFY(copie.Prete);
        // Des scores distincts partout : multiples de 3 au départ, 3k+1 pour l'un, 3k+2 pour
        // l'autre ; les dix meilleurs de l'ensemble sont alors sans ambiguïté.
        QCOMPARE(copie.Sql("UPDATE Toons SET SCORE = 300 + 3 * rowid;"), QString());
        QList<LigneScore> toutes = MagasinSqlcipher(copie.Chemin()).ListerScores(SerieEssai);
        const qsizetype taille = toutes.size();
        QList<int> scoresA, scoresB;
        for (int k = 0; k < 60; ++k) {
            scoresA << 3 * k + 1;
            scoresB << 3 * k + 2;
        }
        std::shuffle(scoresA.begin(), scoresA.end(), std::mt19937(1));
        std::shuffle(scoresB.begin(), scoresB.end(), std::mt19937(2));
        for (int k = 0; k < 60; ++k)
            toutes << LigneEssai("A", scoresA[k]) << LigneEssai("B", scoresB[k]);

        QProcess a, b;
        a.start(QStringLiteral(KALVORO_ESSAI_SCORES),
                {copie.Chemin(), SerieEssai, "A", EnTexte(scoresA).join(',')});
        b.start(QStringLiteral(KALVORO_ESSAI_SCORES),
                {copie.Chemin(), SerieEssai, "B", EnTexte(scoresB).join(',')});
        QVERIFY(a.waitForFinished(120000) && b.waitForFinished(120000));
        QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
        QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());
        QCOMPARE(a.readAllStandardOutput().count('\n'), 60);
        QCOMPARE(b.readAllStandardOutput().count('\n'), 60);

        QCOMPARE(Integrite(copie.Chemin()), QStringLiteral("ok"));
        QCOMPARE(MagasinSqlcipher(copie.Chemin()).ListerScores(SerieEssai),
                 DixMeilleures(toutes, taille));
    }
};

QTEST_GUILESS_MAIN(TestFiabilite)
#include "tst_fiabilite.moc"
