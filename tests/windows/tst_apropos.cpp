#include "AproposEssais.h"
#include "AproposTextes.h"
#include "Controles.h"
#include "Programme.h"
#include "VersionAttendue.h"

#include <QtTest>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace kalvoro;

class TestApropos : public QObject {
    Q_OBJECT
private slots:
    void lesDeuxLignesDeVersionMontrentLaVersionEtLaDate_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("dateAttendue");
        QTest::newRow("16 avril 2000")
            << QDateTime(QDate(2000, 4, 16), QTime(13, 47)) << QStringLiteral("16/04/2000 à 13:47");
        QTest::newRow("5 mars 2001, zéros de tête")
            << QDateTime(QDate(2001, 3, 5), QTime(9, 5)) << QStringLiteral("05/03/2001 à 09:05");
    }

    void lesDeuxLignesDeVersionMontrentLaVersionEtLaDate()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, dateAttendue);
        FauxBureau bureau;
        const Apropos fenetre(NumeroVersion(), FormaterDateProgramme(moment),
                              InfosVersion::DuProgramme(), bureau);
        QCOMPARE(TexteDe(fenetre, "SousTitre"), QStringLiteral("Version ") + VersionAttendue() +
                                                    QStringLiteral(" compilée le ") + dateAttendue);
        QCOMPARE(TexteDe(fenetre, "Version"), Prefixe(QStringLiteral("Version"), 18) +
                                                  VersionAttendue() + QStringLiteral(" du ") +
                                                  dateAttendue);
    }

    void laVersionDeLaFicheSEcritSansZeroDeTete()
    {
        FauxBureau bureau;
        InfosVersion infos = FicheEssai();
        infos.VersionMajeure = 2;
        infos.VersionMineure = 5;
        const Apropos fenetre(QStringLiteral("2.5"), QStringLiteral("01/01/2002 à 00:00"), infos,
                              bureau);
        QCOMPARE(TexteDe(fenetre, "Version"), Prefixe(QStringLiteral("Version"), 18) +
                                                  QStringLiteral("2.5 du 01/01/2002 à 00:00"));
    }

    void chaqueLigneDInfosGardeSonPrefixeExact_data()
    {
        QTest::addColumn<QString>("commentaires");
        QTest::addColumn<QString>("copyright");
        QTest::addColumn<QString>("organisation");
        QTest::addColumn<QString>("marques");
        QTest::newRow("fiche complète") << "Jeu de mémoire"
                                        << "© 2000"
                                        << "Orga"
                                        << "Marque";
        QTest::newRow("Comments vide") << ""
                                       << "© 2000"
                                       << "Orga"
                                       << "Marque";
        QTest::newRow("LegalCopyright vide") << "Jeu de mémoire"
                                             << ""
                                             << "Orga"
                                             << "Marque";
        QTest::newRow("CompanyName vide") << "Jeu de mémoire"
                                          << "© 2000"
                                          << ""
                                          << "Marque";
        QTest::newRow("LegalTrademarks vide") << "Jeu de mémoire"
                                              << "© 2000"
                                              << "Orga"
                                              << "";
        QTest::newRow("tout vide") << ""
                                   << ""
                                   << ""
                                   << "";
    }

    void chaqueLigneDInfosGardeSonPrefixeExact()
    {
        QFETCH(QString, commentaires);
        QFETCH(QString, copyright);
        QFETCH(QString, organisation);
        QFETCH(QString, marques);
        InfosVersion infos = FicheEssai();
        infos.Commentaires = commentaires;
        infos.Copyright = copyright;
        infos.Organisation = organisation;
        infos.MarquesLegales = marques;
        FauxBureau bureau;
        const Apropos fenetre(VersionAttendue(), QStringLiteral("16/04/2000 à 13:47"), infos,
                              bureau);
        QCOMPARE(TexteDe(fenetre, "Commentaires"),
                 Prefixe(QStringLiteral("Commentaires"), 10) + commentaires);
        QCOMPARE(TexteDe(fenetre, "TradeMarks"),
                 Prefixe(QStringLiteral("Marques légales"), 7) + marques);
        QCOMPARE(TexteDe(fenetre, "Copyright"),
                 Prefixe(QStringLiteral("Copyright"), 16) + copyright);
        QCOMPARE(TexteDe(fenetre, "Company"),
                 Prefixe(QStringLiteral("Organisation"), 12) + organisation);
        QCOMPARE(TexteDe(fenetre, "Description"), QStringLiteral("Kalvoro"));
        QCOMPARE(TexteDe(fenetre, "Titre"), QStringLiteral("Kalvoro"));
    }

    void leNomDeLExecutableEstCeluiDuFichierQuiTourne_data()
    {
        QTest::addColumn<bool>("copie");
        // Cet essai n'est pas « kalvoro » : un nom figé à la construction ne lui irait pas.
        QTest::newRow("l'exécutable en cours, qui n'est pas kalvoro") << false;
        QTest::newRow("une copie renommée du programme livré") << true;
    }

    void leNomDeLExecutableEstCeluiDuFichierQuiTourne()
    {
        QFETCH(bool, copie);
        QString chemin = QCoreApplication::applicationFilePath();
        const QTemporaryDir dossier;
        if (copie) {
            chemin = dossier.filePath(QStringLiteral("Mémoire à moi"));
            QVERIFY(QFile::copy(qEnvironmentVariable("KALVORO_DOSSIER") + "/kalvoro", chemin));
        }
        const InfosVersion infos =
            copie ? InfosVersion::DuProgramme(chemin) : InfosVersion::DuProgramme();
        FauxBureau bureau;
        const Apropos fenetre(NumeroVersion(), QString(), infos, bureau);
        QCOMPARE(TexteDe(fenetre, "NomApplication"),
                 Prefixe(QStringLiteral("Nom de l'éxecutable"), 1) + QFileInfo(chemin).fileName());
    }

    void lHistoriqueEstExactAuCaracterePres()
    {
        const QString texte = apropos::TexteHistorique(QStringLiteral("Kalvoro"));
        // Des fins de ligne CR LF, et rien d'autre.
        QCOMPARE(texte.count(u'\r'), texte.count(QStringLiteral("\r\n")));
        QCOMPARE(texte.count(u'\n'), texte.count(QStringLiteral("\r\n")));
        const QStringList lignes = texte.split(QStringLiteral("\r\n"));
        QCOMPARE(lignes.size(), 8);
        QCOMPARE(lignes[0], QStringLiteral("Evolution des versions de : Kalvoro"));
        QCOMPARE(lignes[1], QString());
        QVERIFY(lignes[2].startsWith(QStringLiteral("04/2000 - V1.7\t")));
        QCOMPARE(lignes[3], QStringLiteral("07/1999 - V1.6\tPossibilité E-Mail et site internet"));
        QCOMPARE(lignes[4], QStringLiteral("01/1999 - V1.5\tCorrection du bug permettant en "
                                           "cliquant rapidement"));
        QCOMPARE(lignes[5], QStringLiteral("\t\td'activer plus de 2 boutons"));
        QVERIFY(lignes[6].startsWith(QStringLiteral("09/1998 - V1.0\t")));
        QCOMPARE(lignes[7], QString()); // la dernière ligne aussi finit par CR LF
        for (int k : {2, 6})
            QVERIFY2(lignes[k].section(u'\t', 1).trimmed().size() > 10, qPrintable(lignes[k]));
        FauxBureau bureau;
        const Apropos fenetre(VersionAttendue(), QString(), FicheEssai(), bureau);
        const auto *afficheur = Enfant<QPlainTextEdit>(&fenetre, QStringLiteral("Afficheur"));
        QCOMPARE(afficheur->toPlainText(), QString(texte).replace(QStringLiteral("\r\n"), "\n"));
    }

    void lAssistanceDonneSesConditionsEtLAdresseDuBoutonEMail()
    {
        const QString texte = apropos::TexteAssistance();
        QVERIFY(texte.startsWith(QStringLiteral("ASSISTANCE TECHNIQUE :\r\n\r\n")));
        QCOMPARE(texte.count(u'\n'), texte.count(QStringLiteral("\r\n")));
        FauxBureau bureau;
        Apropos fenetre(VersionAttendue(), QString(), FicheEssai(), bureau);
        const auto *text1 = Enfant<QPlainTextEdit>(&fenetre, QStringLiteral("Text1"));
        QCOMPARE(text1->toPlainText(), QString(texte).replace(QStringLiteral("\r\n"), "\n"));
        Cliquer(fenetre, QStringLiteral("EMail"));
        QCOMPARE(bureau.Recues.size(), 1);
        QVERIFY(texte.contains(bureau.Recues[0].path())); // l'adresse écrite est celle du bouton
        for (const char *rubrique : {"Adresse", "Téléphone", "Fax", "E-mail"})
            QVERIFY2(texte.contains(QString::fromUtf8(rubrique)), rubrique);
    }

    void chaqueBoutonDeDocumentRemetSonFichierDuDossierDuProgramme_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("texte") << "SSCommand1"
                               << "Lire Le_Gelvo_.txt"
                               << "Le_Gelvo_.txt";
        QTest::newRow("adhésion, sans accent") << "SSCommand2"
                                               << "Lire Adhésion.txt"
                                               << "Adhesion.txt";
        QTest::newRow("aide") << "SSCommand3"
                              << "Lire Le_Gelvo_.hlp"
                              << "Le_Gelvo_.hlp";
        QTest::newRow("page web") << "SSCommand4"
                                  << "Lire Le_Gelvo_.htm"
                                  << "Le_Gelvo_.htm";
    }

    void chaqueBoutonDeDocumentRemetSonFichierDuDossierDuProgramme()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, legende);
        QFETCH(QString, fichier);
        FauxBureau bureau;
        Apropos fenetre(VersionAttendue(), QString(), FicheEssai(), bureau);
        QCOMPARE(Enfant<QPushButton>(&fenetre, bouton)->text(), legende);
        Cliquer(fenetre, bouton);
        QCOMPARE(bureau.Recues, QList<QUrl>{QUrl::fromLocalFile(DossierProgramme() + fichier)});
        // Le fichier nommé est bien l'un de ceux que la construction livre.
        const QString dossier = qEnvironmentVariable("KALVORO_DOSSIER");
        QVERIFY2(QFileInfo::exists(dossier + u'/' + fichier), qPrintable(fichier));
    }

    void chaqueLienRemetLAdresseDeSaLegende_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("debutLegende");
        QTest::addColumn<QString>("schema");
        QTest::newRow("e-mail") << "EMail"
                                << "M'envoyer un E-Mail : "
                                << "mailto:";
        QTest::newRow("site de l'auteur") << "Internet"
                                          << "Visiter mon site : "
                                          << "";
        QTest::newRow("site de Gelvo") << "SSCommand5"
                                       << "Visiter le site de Gelvo : "
                                       << "";
    }

    void chaqueLienRemetLAdresseDeSaLegende()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, debutLegende);
        QFETCH(QString, schema);
        FauxBureau bureau;
        Apropos fenetre(VersionAttendue(), QString(), FicheEssai(), bureau);
        const QString legende = Enfant<QPushButton>(&fenetre, bouton)->text();
        QVERIFY2(legende.startsWith(debutLegende), qPrintable(legende));
        const QString adresse = legende.mid(debutLegende.size());
        Cliquer(fenetre, bouton);
        QCOMPARE(bureau.Recues, QList<QUrl>{QUrl(schema + adresse)});
        // Des domaines réservés aux exemples : aucun tiers réel n'est désigné.
        static const QRegularExpression reserve(QStringLiteral("(^|[.@/])example\\.(org|net|com)"));
        QVERIFY2(reserve.match(adresse).hasMatch(), qPrintable(adresse));
    }
};

QTEST_MAIN(TestApropos)
#include "tst_apropos.moc"
