// Une partie jouée à la souris sur la vraie fenêtre, la pause d'un tour, et la sortie.
#include "BancJeu.h"
#include "Images.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace kalvoro;

namespace {

// La minuterie est jouée par le test : huit tics de 100 ms terminent la pause.
void FinirLaPause(Jeu &jeu)
{
    for (int tic = 0; tic < 8; ++tic)
        jeu.Minuterie_Timer();
}

} // namespace

class TestJeuPartie : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void choixDUneSerie_rendLePlateauJouable();
    void pendantLaPause_lesDeuxFacesRestentEnCouleur();
    void partieComplete_alaSouris_jusquAuRepos();
    void sortie_demandeeSeulementPendantUnePartie_data();
    void sortie_demandeeSeulementPendantUnePartie();

private:
    void Cliquer(BancJeu &banc, int i) { QTest::mouseClick(banc.Cellule(i), Qt::LeftButton); }
};

void TestJeuPartie::choixDUneSerie_rendLePlateauJouable()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);

    QCOMPARE(banc.Controle<QComboBox>(QStringLiteral("ListeJeux"))->currentText(),
             QStringLiteral("Animaux"));
    QVERIFY(!banc.Controle<QComboBox>(QStringLiteral("ListeJeux"))->isEnabled());
    QVERIFY(banc.Controle<QPushButton>(QStringLiteral("Annuler"))->isEnabled());
    for (int i = 1; i <= 48; ++i)
        QVERIFY(banc.Cellule(i)->isEnabled());
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("MeilleurScore"))->text(), QStringLiteral("30"));
    QCOMPARE(banc.magasin->Appels, QStringList{QStringLiteral("LireMeilleurScore Animaux")});
}

void TestJeuPartie::pendantLaPause_lesDeuxFacesRestentEnCouleur()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(2);
    Cliquer(banc, 1);
    Cliquer(banc, 2); // cartes 1 et 2 : pas une paire

    QVERIFY(banc.jeu->LaPartie().EnPause());
    QVERIFY(banc.Controle<QTimer>(QStringLiteral("Minuterie"))->isActive());
    for (int i : {1, 2}) {
        // Gelée, la cellule se voit comme une cellule désactivée.
        const QImage gelee = banc.Cellule(i)->grab().toImage();
        banc.Cellule(i)->setEnabled(false);
        QCOMPARE(gelee, banc.Cellule(i)->grab().toImage());
        banc.Cellule(i)->setEnabled(true);
        QVERIFY2(!banc.Cellule(i)->icon().isNull(), "la face de la carte n'est pas montrée");
        QCOMPARE(ImageDe(banc.Cellule(i), QIcon::Disabled),
                 ImageDe(banc.Cellule(i), QIcon::Normal));
    }
    // La face est celle de la série choisie, la même pour les deux cartes d'une paire.
    QCOMPARE(ImageDe(banc.Cellule(1), QIcon::Normal),
             QImage(QStringLiteral(":/images/cinema/01.png"))
                 .convertToFormat(ImageDe(banc.Cellule(1), QIcon::Normal).format()));
    Cliquer(banc, 3); // une troisième carte pendant la pause ne se retourne pas
    QVERIFY(banc.Cellule(3)->icon().isNull());

    FinirLaPause(*banc.jeu);
    QVERIFY(!banc.jeu->LaPartie().EnPause());
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QStringLiteral("1"));
    QCOMPARE(ImageDe(banc.Cellule(1), QIcon::Normal),
             ImageDe(banc.Cellule(2), QIcon::Normal)); // les deux montrent le dos
}

void TestJeuPartie::partieComplete_alaSouris_jusquAuRepos()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(4);
    // La donne forcée pose la carte k sur la cellule k : les paires sont k et k + 24.
    for (int k = 1; k <= 23; ++k) {
        Cliquer(banc, k);
        Cliquer(banc, k + 24);
        FinirLaPause(*banc.jeu);
        QVERIFY(!banc.Cellule(k)->isVisible());
        QVERIFY(!banc.Cellule(k + 24)->isVisible());
    }
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QStringLiteral("23"));

    QString titre, texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    bool ouiParDefaut = false;
    QTimer::singleShot(0, this, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(boite);
        titre = boite->windowTitle();
        texte = boite->text();
        icone = boite->icon();
        ouiParDefaut = boite->defaultButton() == boite->button(QMessageBox::Yes);
        boite->button(QMessageBox::No)->click();
    });
    Cliquer(banc, 24);
    Cliquer(banc, 48);
    FinirLaPause(*banc.jeu);

    QCOMPARE(titre, QStringLiteral("Fin de partie"));
    QCOMPARE(texte, QStringLiteral("La partie est terminée !!\n\nVotre score est de 24 points\n\n"
                                   "Souhaitez vous enregistrer votre score ?"));
    QCOMPARE(icone, QMessageBox::Information);
    QVERIFY(ouiParDefaut);
    // Le plateau au repos : tout visible, face cachée, désactivé ; la liste rouverte.
    const QImage dos(ImageDe(banc.Cellule(1), QIcon::Normal));
    for (int i = 1; i <= 48; ++i) {
        QVERIFY(banc.Cellule(i)->isVisible());
        QVERIFY(!banc.Cellule(i)->isEnabled());
        QVERIFY(!banc.Cellule(i)->icon().isNull());
        QCOMPARE(ImageDe(banc.Cellule(i), QIcon::Normal), dos);
    }
    QVERIFY(banc.Controle<QComboBox>(QStringLiteral("ListeJeux"))->isEnabled());
    QVERIFY(!banc.Controle<QPushButton>(QStringLiteral("Annuler"))->isEnabled());
    QCOMPARE(banc.Controle<QLabel>(QStringLiteral("ScoreEnCours"))->text(), QString());
}

void TestJeuPartie::sortie_demandeeSeulementPendantUnePartie_data()
{
    QTest::addColumn<int>("cartes"); // retournées avant de quitter
    QTest::addColumn<bool>("parQuitter");
    QTest::addColumn<QString>("reponse"); // à la question, vide s'il n'y en a pas
    QTest::newRow("au repos, Quitter : sans question") << 0 << true << QString();
    QTest::newRow("pendant une pause, Quitter, Non : la partie reste") << 2 << true << "Non";
    QTest::newRow("une carte, la case du cadre, Oui : sortie") << 1 << false << "Oui";
    QTest::newRow("une carte, Entrée : Non par défaut") << 1 << false << "Entrée";
}

void TestJeuPartie::sortie_demandeeSeulementPendantUnePartie()
{
    QFETCH(int, cartes);
    QFETCH(bool, parQuitter);
    QFETCH(QString, reponse);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    for (int carte = 1; carte <= cartes; ++carte)
        Cliquer(banc, carte);
    RepondeurModales repondeur;
    if (!reponse.isEmpty())
        repondeur.Attendre(QStringLiteral("Quitter"), [reponse](QWidget *modale) {
            auto *question = qobject_cast<QMessageBox *>(modale);
            if (reponse == "Entrée")
                QTest::keyClick(question->focusWidget(), Qt::Key_Return);
            else
                question->button(reponse == "Oui" ? QMessageBox::Yes : QMessageBox::No)->click();
        });
    QTimer::singleShot(0, this, [&] {
        if (parQuitter)
            QTest::mouseClick(banc.Controle<QPushButton>(QStringLiteral("Quitter")),
                              Qt::LeftButton);
        else
            banc.jeu->close();
        if (banc.jeu->isVisible())
            QCoreApplication::exit(1); // le jeu reste : la boucle le dit
    });
    // Garde-fou : si rien ne répondait, la boucle rendrait 99.
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(99); });
    const bool sortie = reponse.isEmpty() || reponse == "Oui";
    QCOMPARE(QCoreApplication::exec(), sortie ? 0 : 1);
    QCOMPARE(repondeur.Attendues(), QStringList());
    QCOMPARE(repondeur.Imprevues, QStringList());
    // Resté, le jeu est où le joueur l'a laissé, la pause comprise.
    QCOMPARE(banc.jeu->LaPartie().NbRetournees(), cartes);
    QCOMPARE(banc.Controle<QTimer>(QStringLiteral("Minuterie"))->isActive(),
             !sortie && cartes == 2);
}

QTEST_MAIN(TestJeuPartie)
#include "tst_jeu_partie.moc"
