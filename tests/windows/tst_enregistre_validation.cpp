#include "Controles.h"
#include "EchecFatal.h"
#include "Enregistre.h"
#include "FausseSaisie.h"
#include "FauxMagasin.h"
#include "MagasinSqlcipher.h"
#include "Modales.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"
#include "Sqlite.h"

#include <QtTest>
#include <QtWidgets>

using namespace kalvoro;

namespace {

const QString Cinema = QStringLiteral("Cinéma");

QLineEdit *Zone(QWidget *dialogue, const char *nom)
{
    return Enfant<QLineEdit>(dialogue, nom);
}

// Ce que fait un joueur dans le dialogue ouvert en modal, le temps de son exec().
void JouerDansLeDialogue(const std::function<void(QDialog *)> &geste)
{
    QTimer::singleShot(0, [geste] {
        auto *dialogue = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialogue);
        QVERIFY(QTest::qWaitForWindowActive(dialogue)); // les raccourcis Alt+ en dépendent
        geste(dialogue);
    });
}

// exec() comme Jeu l'appelle ; un geste resté sans effet fait échouer le test au lieu de le
// bloquer.
int Executer(QDialog &dialogue)
{
    QTimer::singleShot(5000, &dialogue, [&dialogue] { dialogue.done(-1); });
    return dialogue.exec();
}

void Valider(QDialog *dialogue)
{
    QTest::mouseClick(Enfant<QPushButton>(dialogue, QStringLiteral("Valider")), Qt::LeftButton);
}

void SaisirEtValider(QDialog *dialogue, const QString &prenom, const QString &nom)
{
    QTest::keyClicks(Zone(dialogue, "Prenom"), prenom);
    QTest::keyClicks(Zone(dialogue, "Nom"), nom);
    Valider(dialogue);
}

} // namespace

// Le dialogue ouvert comme Jeu l'ouvre (exec()) : validation, refus, fermetures, échec du magasin.
class TestEnregistreValidation : public QObject {
    Q_OBJECT

    FausseFenetre jeu;
    FauxMagasin magasin;

    QList<int> Scores()
    {
        QList<int> scores;
        for (const LigneScore &ligne : magasin.ListerScores(Cinema))
            scores << ligne.SCORE;
        magasin.Appels.removeLast();
        return scores;
    }

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void init()
    {
        FinDePartie(jeu, Cinema, QStringLiteral("30"));
        magasin = FauxMagasin();
        magasin.Remplir(Cinema, {20, 26, 31});
    }
    void cleanup() { RemplacerReactionEchecFatal(nullptr); }

    void unScoreQuiBatLePlusMauvaisEstInscritSansMessage()
    {
        Enregistre dialogue(jeu, magasin);
        JouerDansLeDialogue([](QDialog *d) { SaisirEtValider(d, "bleu", "o'brien; drop"); });
        QCOMPARE(Executer(dialogue), int(QDialog::Rejected));
        const LigneScore inscrite = magasin.ListerScores(Cinema).last();
        QCOMPARE(inscrite.PRENOM, QStringLiteral("Bleu"));
        QCOMPARE(inscrite.NOM, QStringLiteral("O'BRIEN; DROP"));
        QCOMPARE(inscrite.SCORE, 30);
        QCOMPARE(inscrite.DATE, QDate::currentDate());
        QCOMPARE(jeu.MeilleurScore, QStringLiteral("20"));
        QCOMPARE(jeu.ScoreEnCours, QString());
        QVERIFY(!dialogue.isVisible());
    }

    void unScoreRefuseLeDitPuisFerme_data()
    {
        QTest::addColumn<int>("plusMauvais");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("égal") << 30 << "votre score est égal au plus mauvais score enregistré !!!";
        QTest::newRow("plus mauvais")
            << 29 << "votre score est plus mauvais au plus mauvais score enregistré !!!";
    }
    void unScoreRefuseLeDitPuisFerme()
    {
        QFETCH(int, plusMauvais);
        QFETCH(QString, phrase);
        magasin.Remplir(Cinema, {18, 26, plusMauvais});
        Enregistre dialogue(jeu, magasin);
        BoiteVue vue;
        JouerDansLeDialogue([&vue](QDialog *d) {
            RepondreOk(vue);
            SaisirEtValider(d, "<b>bleu</b>", "rouge");
        });
        QCOMPARE(Executer(dialogue), int(QDialog::Rejected));
        QCOMPARE(vue.Titre, QStringLiteral("Saisie des scores"));
        QCOMPARE(vue.Texte, QStringLiteral("Désolé, <b>bleu</b> ROUGE,\n\n") + phrase +
                                QStringLiteral("\n\nVous ne pouvez être classé."));
        QCOMPARE(vue.Icone, QMessageBox::Critical);
        QCOMPARE(vue.Format, Qt::PlainText);
        QCOMPARE(Scores(), (QList<int>{18, 26, plusMauvais}));
        QCOMPARE(jeu.MeilleurScore, QStringLiteral("18"));
        QCOMPARE(jeu.ScoreEnCours, QString());
        QVERIFY(!dialogue.isVisible());
    }

    void unNomVideEstRefuseEtLeDialogueResteOuvert_data()
    {
        QTest::addColumn<QString>("prenom");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("focus");
        QTest::newRow("prénom vide") << ""
                                     << "rouge"
                                     << "Prenom";
        QTest::newRow("nom vide") << "bleu"
                                  << ""
                                  << "Nom";
    }
    void unNomVideEstRefuseEtLeDialogueResteOuvert()
    {
        QFETCH(QString, prenom);
        QFETCH(QString, nom);
        QFETCH(QString, focus);
        Enregistre dialogue(jeu, magasin);
        BoiteVue vue;
        QString focusApres;
        bool ouvertApres = false;
        JouerDansLeDialogue([&](QDialog *d) {
            RepondreOk(vue);
            SaisirEtValider(d, prenom, nom);
            focusApres = d->focusWidget()->objectName();
            ouvertApres = d->isVisible();
            Enfant<QPushButton>(d, QStringLiteral("Annuler"))->click();
        });
        QCOMPARE(Executer(dialogue), int(QDialog::Rejected));
        QCOMPARE(vue.Titre, QStringLiteral("Erreur de saisie"));
        QCOMPARE(vue.Texte, QStringLiteral("Saisissez au moins une lettre !!!"));
        QCOMPARE(vue.Icone, QMessageBox::Critical);
        QCOMPARE(focusApres, focus);
        QVERIFY(ouvertApres);
        QVERIFY(magasin.Appels.isEmpty());
    }

    void fermerSansValiderNEcritRien_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::newRow("bouton Annuler") << "Annuler";
        QTest::newRow("Alt+A") << "Alt+A";
        QTest::newRow("case de fermeture") << "cadre";
    }
    void fermerSansValiderNEcritRien()
    {
        QFETCH(QString, geste);
        Enregistre dialogue(jeu, magasin);
        JouerDansLeDialogue([geste](QDialog *d) {
            QTest::keyClicks(Zone(d, "Prenom"), "bleu");
            QTest::keyClicks(Zone(d, "Nom"), "rouge");
            if (geste == "Annuler")
                QTest::mouseClick(Enfant<QPushButton>(d, "Annuler"), Qt::LeftButton);
            else if (geste == "Alt+A")
                QTest::keyClick(d, Qt::Key_A, Qt::AltModifier);
            else
                d->close();
        });
        QCOMPARE(Executer(dialogue), int(QDialog::Rejected));
        QVERIFY(magasin.Appels.isEmpty());
        QCOMPARE(jeu.ScoreEnCours, QString());
        QCOMPARE(jeu.MeilleurScore, MeilleurScoreTemoin);
        QVERIFY(jeu.Toutes([](const auto &c) { return c.image == FausseFenetre::Image::Aucune; }));
    }

    void echapNeFermePasEtNeFaitRienPerdre()
    {
        Enregistre dialogue(jeu, magasin);
        bool ouvertApres = false;
        QString nomApres;
        JouerDansLeDialogue([&](QDialog *d) {
            QTest::keyClicks(Zone(d, "Prenom"), "bleu");
            QTest::keyClicks(Zone(d, "Nom"), "rouge");
            QTest::keyClick(Zone(d, "Nom"), Qt::Key_Escape);
            QTest::keyClick(d, Qt::Key_Escape);
            ouvertApres = d->isVisible();
            nomApres = Zone(d, "Nom")->text();
            QTest::mouseClick(Enfant<QPushButton>(d, "Annuler"), Qt::LeftButton);
        });
        QCOMPARE(Executer(dialogue), int(QDialog::Rejected));
        QVERIFY(ouvertApres);
        QCOMPARE(nomApres, QStringLiteral("ROUGE"));
        QVERIFY(magasin.Appels.isEmpty());
    }

    // Un autre programme tient Scores.dat : Annuler ramène à la saisie sans rien perdre,
    // Réessayer inscrit le score une fois le fichier libéré.
    void unFichierOccupeLaisseReessayerSansRienPerdre()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("Scores.dat"));
        QVERIFY(QFile::copy(qEnvironmentVariable("KALVORO_DOSSIER") + "/Scores.dat", chemin));
        MagasinSqlcipher base(chemin);
        Connexion autre(chemin); // l'autre programme, qui garde le fichier pour lui
        autre.Cle(KALVORO_MOT_DE_PASSE_ESSAI);
        autre.Executer("BEGIN EXCLUSIVE");
        FinDePartie(jeu, Cinema, QStringLiteral("24"));
        Enregistre dialogue(jeu, base);
        QStringList textes, apresAnnuler;
        JouerDansLeDialogue([&](QDialog *d) {
            QuandLaBoiteParait(QStringLiteral("FichierOccupe"), [&textes](QMessageBox *boite) {
                textes << boite->text();
                RepondreAuFichierOccupe(boite, false);
            });
            SaisirEtValider(d, "bleu", "rouge");
            apresAnnuler << Zone(d, "Prenom")->text() << Zone(d, "Nom")->text() << jeu.ScoreEnCours;
            QuandLaBoiteParait(QStringLiteral("FichierOccupe"), [&](QMessageBox *boite) {
                textes << boite->text();
                autre.Executer("ROLLBACK");
                RepondreAuFichierOccupe(boite, true);
            });
            Valider(d);
        });
        QCOMPARE(Executer(dialogue), int(QDialog::Rejected));
        QCOMPARE(apresAnnuler, (QStringList{"Bleu", "ROUGE", "24"}));
        QCOMPARE(textes.size(), 2);
        QVERIFY2(textes[0].contains(QStringLiteral("utilisé par un autre programme")),
                 qPrintable(textes[0]));
        QCOMPARE(base.ListerScores(Cinema).first(),
                 (LigneScore{"ROUGE", "Bleu", QDate::currentDate(), 24}));
        QCOMPARE(jeu.ScoreEnCours, QString());
    }

    // Scores.dat qui ne s'écrit pas arrête le programme ; le fichier d'une série du joueur
    // (supprimée par un autre Kalvoro, disque plein) se dit, et le jeu continue.
    void unEchecDuMagasinEstSignaleEtFermeLeDialogue_data()
    {
        QTest::addColumn<bool>("serieDuJoueur");
        QTest::newRow("Scores.dat : fatal") << false;
        QTest::newRow("série du joueur : un avis") << true;
    }
    void unEchecDuMagasinEstSignaleEtFermeLeDialogue()
    {
        QFETCH(bool, serieDuJoueur);
        QStringList signales;
        RemplacerReactionEchecFatal(
            [&signales](QWidget *, const QString &message) { signales << message; });
        magasin.EchecAuProchainAppel = QStringLiteral("Scores.dat : disque plein");
        if (serieDuJoueur)
            magasin.NatureDeLEchec = ErreurScores::Nature::SerieJoueur;
        RepondeurModales repondeur;
        if (serieDuJoueur)
            repondeur.Attendre("AvisScores", [](QWidget *boite) { boite->close(); });
        Enregistre dialogue(jeu, magasin);
        JouerDansLeDialogue([](QDialog *d) { SaisirEtValider(d, "bleu", "rouge"); });
        QCOMPARE(Executer(dialogue), int(QDialog::Rejected));
        QCOMPARE(signales, serieDuJoueur
                               ? QStringList()
                               : QStringList{QStringLiteral("Scores.dat : disque plein")});
        QCOMPARE(repondeur.Attendues(), QStringList());
        QVERIFY(!dialogue.isVisible());
        QCOMPARE(Scores(), (QList<int>{20, 26, 31}));
    }
};

QTEST_MAIN(TestEnregistreValidation)
#include "tst_enregistre_validation.moc"
