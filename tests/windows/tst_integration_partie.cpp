// Des parties jouées de bout en bout dans la vraie fenêtre, sur une copie du Scores.dat livré :
// la fin de partie, la saisie des noms au clavier dans Enregistre, et ce que le fichier garde.
#include "BancScoresReels.h"
#include "Controles.h"
#include "Modales.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

using namespace kalvoro;

namespace {

RepondeurModales::Action Repondre(QMessageBox::StandardButton bouton, BoiteVue &vue)
{
    return [bouton, &vue](QWidget *modale) {
        auto *boite = qobject_cast<QMessageBox *>(modale);
        if (!boite || !boite->button(bouton))
            return; // le répondeur la fermera et le test le verra
        vue = Voir(*boite);
        boite->button(bouton)->click();
    };
}

// Ce que le dialogue Enregistre a montré, et les noms tels que les zones les ont gardés.
struct SaisieVue {
    QString Serie, Score, Prenom, Nom;
};

// Les noms tapés au clavier dans Enregistre, puis un clic sur Valider.
RepondeurModales::Action Saisir(const QString &prenom, const QString &nom, SaisieVue &vue)
{
    return [prenom, nom, &vue](QWidget *dialogue) {
        auto *zonePrenom = Enfant<QLineEdit>(dialogue, "Prenom");
        auto *zoneNom = Enfant<QLineEdit>(dialogue, "Nom");
        QTest::keyClicks(zonePrenom, prenom);
        QTest::keyClicks(zoneNom, nom);
        vue = {Enfant<QLabel>(dialogue, "Serie")->text(), Enfant<QLabel>(dialogue, "Score")->text(),
               zonePrenom->text(), zoneNom->text()};
        QTest::mouseClick(Enfant<QPushButton>(dialogue, "Valider"), Qt::LeftButton);
    };
}

// Une série dans la liste de la fenêtre : son numéro, donc sa place.
int NumeroDe(const QString &serie)
{
    const Serie *trouvee = SerieNommee(serie);
    return trouvee ? trouvee->Numero : 0;
}

void VerifierPlateauAuRepos(const BancJeu &banc)
{
    for (int i = 1; i <= 48; ++i) {
        QVERIFY(banc.Cellule(i)->isVisible());
        QVERIFY(!banc.Cellule(i)->isEnabled());
    }
    QVERIFY(banc.Controle<QComboBox>(QStringLiteral("ListeJeux"))->isEnabled());
    QVERIFY(!banc.Controle<QPushButton>(QStringLiteral("Annuler"))->isEnabled());
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QString());
}

void ComparerClassements(const Classements &obtenus, const Classements &attendus)
{
    QCOMPARE(obtenus.keys(), attendus.keys());
    for (const QString &serie : attendus.keys()) {
        if (obtenus.value(serie) != attendus.value(serie))
            qInfo("série %s", qPrintable(serie));
        QCOMPARE(obtenus.value(serie), attendus.value(serie));
    }
}

QString Label(const BancJeu &banc, const char *nom)
{
    return banc.Controle<QLabel>(QLatin1String(nom))->text();
}

// La tête du classement relue de l'extérieur, par le shell : les noms y sont des valeurs et
// non du SQL, et les six tables sont toujours là.
void VerifierDeLExterieur(const QString &chemin, const QString &serie, const LigneScore &tete)
{
    const essai::Sortie sortie = essai::Shell(
        chemin,
        QStringLiteral("SELECT NOM, PRENOM, DATE, SCORE FROM \"%1\" ORDER BY SCORE LIMIT 1;\n"
                       "SELECT count(*) FROM sqlite_master WHERE type = 'table';")
            .arg(serie));
    QCOMPARE(sortie.Erreur, QString());
    QCOMPARE(sortie.Texte, QStringLiteral("%1|%2|%3|%4\n6")
                               .arg(tete.NOM, tete.PRENOM, tete.DATE.toString(Qt::ISODate))
                               .arg(tete.SCORE));
}

} // namespace

class TestIntegrationPartie : public QObject {
    Q_OBJECT

    // Une copie neuve du fichier livré pour chaque essai, et ses classements avant la partie.
    std::optional<BancScoresReels> reels;
    Classements avant;

    // Le Jeu démarré sur la copie, la série choisie ; nullptr s'il n'a pas démarré.
    BancJeu *Commencer(const QString &serie)
    {
        BancJeu &banc = reels->Ouvrir();
        if (!banc.Demarrer())
            return nullptr;
        banc.ChoisirSerie(NumeroDe(serie));
        return &banc;
    }

    // La partie jouée jusqu'au bout, les fenêtres de la fin répondues : le plateau est au repos.
    void JouerJusquAuRepos(const BancJeu &banc, int rates, const RepondeurModales &repondeur)
    {
        QVERIFY(banc.JouerPartie(rates));
        QCOMPARE(repondeur.Attendues(), QStringList());
        QCOMPARE(repondeur.Imprevues, QStringList());
        VerifierPlateauAuRepos(banc);
        QCOMPARE(banc.echecs, QStringList());
    }

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void init()
    {
        reels.emplace();
        QVERIFY(reels->copie.Prete);
        avant = LireClassements(reels->copie.Chemin());
    }
    void cleanup() { reels.reset(); }

    void partieParfaite_inscritLeJoueurEnTeteDuVraiFichier_data();
    void partieParfaite_inscritLeJoueurEnTeteDuVraiFichier();
    void scoreRefuse_leVraiFichierNeChangePas_data();
    void scoreRefuse_leVraiFichierNeChangePas();
};

void TestIntegrationPartie::partieParfaite_inscritLeJoueurEnTeteDuVraiFichier_data()
{
    QTest::addColumn<QString>("serie");
    QTest::addColumn<QString>("prenomTape");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QString>("nomTape");
    QTest::addColumn<QString>("nom");
    QTest::newRow("jean pierre dupont, Cinéma") << "Cinéma"
                                                << "jean pierre"
                                                << "Jean Pierre"
                                                << "dupont"
                                                << "DUPONT";
    QTest::newRow("apostrophes, points-virgules et SQL, Toons") << "Toons"
                                                                << "x'; drop table toons"
                                                                << "X'; Drop Table Toons"
                                                                << "o'brien; drop table toons"
                                                                << "O'BRIEN; DROP TABLE TOONS";
    QTest::newRow("guillemets et commentaire SQL, Animaux") << "Animaux"
                                                            << "\"); delete --"
                                                            << "\"); Delete --"
                                                            << "robert\"); --"
                                                            << "ROBERT\"); --";
}

void TestIntegrationPartie::partieParfaite_inscritLeJoueurEnTeteDuVraiFichier()
{
    QFETCH(QString, serie);
    QFETCH(QString, prenomTape);
    QFETCH(QString, prenom);
    QFETCH(QString, nomTape);
    QFETCH(QString, nom);
    BancJeu *banc = Commencer(serie);
    QVERIFY(banc);
    QCOMPARE(Label(*banc, "MeilleurScore"), QString::number(avant.value(serie).first().SCORE));

    BoiteVue finDePartie;
    SaisieVue saisie;
    RepondeurModales repondeur;
    repondeur.Attendre(QStringLiteral("Fin de partie"), Repondre(QMessageBox::Yes, finDePartie));
    repondeur.Attendre(QStringLiteral("Enregistre"), Saisir(prenomTape, nomTape, saisie));
    const QDate jourAvant = QDate::currentDate();
    JouerJusquAuRepos(*banc, 0, repondeur);
    const QDate jourApres = QDate::currentDate();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(finDePartie.Texte.contains(QStringLiteral("Votre score est de 24 points")));
    QCOMPARE(saisie.Serie, serie);
    QCOMPARE(saisie.Score, QStringLiteral("24"));
    QCOMPARE(saisie.Prenom, prenom);
    QCOMPARE(saisie.Nom, nom);
    QCOMPARE(Label(*banc, "MeilleurScore"), QStringLiteral("24"));
    // La saisie fermée, le lecteur d'écran entend le nouveau meilleur score et le rang.
    const auto annonce = [&] {
        return Enfant<QWidget>(banc->jeu.get(), QStringLiteral("Annonce"))->accessibleName();
    };
    QTRY_COMPARE(
        annonce(),
        QStringLiteral("Nouveau meilleur score : 24. 1er sur %1.").arg(avant.value(serie).size()));

    reels->Fermer();
    const Classements apres = LireClassements(reels->copie.Chemin());
    const LigneScore tete{nom, prenom, apres.value(serie).value(0).DATE, 24};
    QVERIFY2(tete.DATE == jourAvant || tete.DATE == jourApres,
             qPrintable(tete.DATE.toString(Qt::ISODate)));
    // La ligne du plus mauvais a fait place au joueur, premier avec le meilleur score possible.
    Classements attendus = avant;
    attendus[serie].removeLast();
    attendus[serie].prepend(tete);
    ComparerClassements(apres, attendus);
    if (!QTest::currentTestFailed())
        VerifierDeLExterieur(reels->copie.Chemin(), serie, tete);
}

void TestIntegrationPartie::scoreRefuse_leVraiFichierNeChangePas_data()
{
    QTest::addColumn<QString>("serie");
    QTest::addColumn<int>("audelaDuPlusMauvais");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("égal au plus mauvais, Formes")
        << "Formes" << 0 << "votre score est égal au plus mauvais score enregistré !!!";
    QTest::newRow("plus mauvais que le plus mauvais, Smileys")
        << "Smileys" << 1 << "votre score est plus mauvais au plus mauvais score enregistré !!!";
}

void TestIntegrationPartie::scoreRefuse_leVraiFichierNeChangePas()
{
    QFETCH(QString, serie);
    QFETCH(int, audelaDuPlusMauvais);
    QFETCH(QString, phrase);
    const QByteArray octetsAvant = essai::Octets(reels->copie.Chemin());
    const int score = avant.value(serie).last().SCORE + audelaDuPlusMauvais;
    QVERIFY(score > 24); // une partie ratée peut l'atteindre
    BancJeu *banc = Commencer(serie);
    QVERIFY(banc);

    BoiteVue finDePartie, refus;
    SaisieVue saisie;
    RepondeurModales repondeur;
    repondeur.Attendre(QStringLiteral("Fin de partie"), Repondre(QMessageBox::Yes, finDePartie));
    repondeur.Attendre(QStringLiteral("Enregistre"),
                       Saisir(QStringLiteral("jean pierre"), QStringLiteral("dupont"), saisie));
    repondeur.Attendre(QStringLiteral("Saisie des scores"), Repondre(QMessageBox::Ok, refus));
    JouerJusquAuRepos(*banc, score - 24, repondeur);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(saisie.Score, QString::number(score));
    QCOMPARE(refus.Texte, QStringLiteral("Désolé, Jean Pierre DUPONT,\n\n") + phrase +
                              QStringLiteral("\n\nVous ne pouvez être classé."));
    QCOMPARE(refus.Icone, QMessageBox::Critical);
    QCOMPARE(Label(*banc, "MeilleurScore"), QString::number(avant.value(serie).first().SCORE));

    reels->Fermer();
    QVERIFY2(essai::Octets(reels->copie.Chemin()) == octetsAvant, "Scores.dat a été modifié");
    ComparerClassements(LireClassements(reels->copie.Chemin()), avant);
}

QTEST_MAIN(TestIntegrationPartie)
#include "tst_integration_partie.moc"
