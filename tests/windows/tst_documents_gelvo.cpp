#include <QtTest>

#include <QRegularExpression>
#include <QStringDecoder>

// Les quatre documents sur Gelvo, livrés dans le dossier du programme où la fenêtre À propos
// les cherche.
class TestDocumentsGelvo : public QObject {
    Q_OBJECT
private slots:
    void chaqueDocumentEstLivreLisibleEtSansAdresseReelle_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("sujet");
        QTest::newRow("présentation") << "Le_Gelvo_.txt"
                                      << "Qui sommes-nous";
        QTest::newRow("adhésion") << "Adhesion.txt"
                                  << "BULLETIN D'ADHÉSION";
        QTest::newRow("page web") << "Le_Gelvo_.htm"
                                  << "Qui sommes-nous";
        QTest::newRow("aide") << "Le_Gelvo_.hlp"
                              << "Sommaire";
    }

    void chaqueDocumentEstLivreLisibleEtSansAdresseReelle()
    {
        QFETCH(QString, nom);
        QFETCH(QString, sujet);
        const QByteArray livre = Lire(qEnvironmentVariable("KALVORO_DOSSIER") + u'/' + nom);
        QVERIFY2(!livre.isEmpty(), qPrintable(nom));
        QCOMPARE(livre, Lire(qEnvironmentVariable("KALVORO_SOURCES") + "/assets/dossier/" + nom));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString texte = utf8.decode(livre);
        QVERIFY2(!utf8.hasError(), "le document doit être en UTF-8");
        QVERIFY(texte.contains(QStringLiteral("Gelvo")));
        QVERIFY(texte.contains(sujet));
        // Toute adresse citée est sur un domaine réservé aux exemples.
        static const QRegularExpression adresse(
            QStringLiteral("(?:@|://)([A-Za-z0-9-]+(?:\\.[A-Za-z0-9-]+)*)"));
        static const QRegularExpression reserve(QStringLiteral("(^|\\.)example\\.(org|net|com)$"));
        for (const auto &trouve : adresse.globalMatch(texte))
            QVERIFY2(reserve.match(trouve.captured(1)).hasMatch(), qPrintable(trouve.captured(0)));
    }

    void laPageWebSeLitEnUtf8EtSesLiensLocauxExistent()
    {
        const QString dossier = qEnvironmentVariable("KALVORO_DOSSIER") + u'/';
        const QString page = QString::fromUtf8(Lire(dossier + QStringLiteral("Le_Gelvo_.htm")));
        QVERIFY(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        static const QRegularExpression lien(QStringLiteral("href=\"([^\":]+)\""));
        int liensLocaux = 0;
        for (const auto &trouve : lien.globalMatch(page)) {
            QVERIFY2(QFileInfo::exists(dossier + trouve.captured(1)),
                     qPrintable(trouve.captured(1)));
            ++liensLocaux;
        }
        QVERIFY(liensLocaux > 0);
    }

private:
    static QByteArray Lire(const QString &chemin)
    {
        QFile fichier(chemin);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
};

QTEST_GUILESS_MAIN(TestDocumentsGelvo)
#include "tst_documents_gelvo.moc"
