// Le clavier et la molette sur la vraie fenêtre Jeu : le focus pendant la pause, la boîte de
// fin de partie, la molette sur la liste des séries, les flèches sur le plateau.
#include "Aide.h"
#include "BancJeu.h"
#include "Controles.h"
#include "Enregistre.h"
#include "SansAvisDePlateforme.h"
#include "VisuScores.h"

#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

using namespace kalvoro;

class TestJeuClavier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne_data();
    void pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne();
    void finDePartie_nEcouteQueOuiEtNon();
    void molette_surLaListeSansFocus_neChoisitRien();
    void fleches_parcourentLePlateau_data();
    void fleches_parcourentLePlateau();
    void apresUneCarte_seulUnAppuiVouluAbandonne_data();
    void apresUneCarte_seulUnAppuiVouluAbandonne();
    void barreDEspaceTenueOuTardive_nAbandonneJamais_data();
    void barreDEspaceTenueOuTardive_nAbandonneJamais();
    void unTour_estDit_data();
    void unTour_estDit();
    void entree_appuieLeBoutonQuiALeFocus_data();
    void entree_appuieLeBoutonQuiALeFocus();
};

void TestJeuClavier::pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne_data()
{
    QTest::addColumn<bool>("auClavier");
    QTest::newRow("seconde carte à la souris") << false;
    QTest::newRow("seconde carte à la barre d'espace") << true;
}

void TestJeuClavier::pendantLaPause_uneBarreDEspaceNeQuitteNiNAbandonne()
{
    QFETCH(bool, auClavier);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    banc.Cliquer(1);
    if (auClavier) {
        banc.Cellule(2)->setFocus();
        QTest::keyClick(banc.Cellule(2), Qt::Key_Space);
    } else {
        banc.Cliquer(2);
    }
    // À la souris, le classique : le focus sur Annuler ; au clavier, il reste sur la carte.
    QWidget *focus = auClavier ? static_cast<QWidget *>(banc.Cellule(2))
                               : banc.Controle<QPushButton>(QStringLiteral("Annuler"));
    QVERIFY(banc.jeu->LaPartie().EnPause());
    QCOMPARE(banc.jeu->focusWidget(), focus);
    // Les flèches, pendant la pause : d'Annuler au plateau, et sur le plateau gelé de rangée
    // en rangée.
    QTest::keyClick(focus, auClavier ? Qt::Key_Down : Qt::Key_Right);
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(auClavier ? 10 : 2));
    if (auClavier)
        QTest::keyClick(banc.Cellule(10), Qt::Key_Up);
    QTest::keyClick(banc.jeu->focusWidget(), Qt::Key_Space);
    QTest::mouseClick(banc.Cellule(3), Qt::LeftButton); // une carte cliquée pendant la pause

    QVERIFY(banc.jeu->isVisible());
    QVERIFY(banc.jeu->LaPartie().EnPause());
    QCOMPARE(banc.jeu->LaPartie().NbClics(), 2);
    QCOMPARE(banc.TicsJusquALaFinDeLaPause(), 8);
    QCOMPARE(banc.jeu->focusWidget(), focus);
    // Le focus posé par le programme se voit, comme après une tabulation.
    QVERIFY(banc.jeu->testAttribute(Qt::WA_KeyboardFocusChange));
}

void TestJeuClavier::finDePartie_nEcouteQueOuiEtNon()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    bool ouverteApresEchap = false, ouverteApresFermeture = false;
    QStringList boutons;
    QTimer::singleShot(0, this, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(boite);
        // Sans catalogue de Qt chargé, comme sans qt6-translations-l10n.
        boutons = {boite->button(QMessageBox::Yes)->text(), boite->button(QMessageBox::No)->text()};
        QTest::keyClick(boite, Qt::Key_Escape);
        ouverteApresEchap = boite->isVisible();
        QCloseEvent fermeture; // la case de fermeture de la barre de titre
        QSpontaneKeyEvent::setSpontaneous(&fermeture);
        QCoreApplication::sendEvent(boite, &fermeture);
        ouverteApresFermeture = boite->isVisible();
        boite->button(QMessageBox::No)->click();
    });
    QVERIFY(banc.JouerPartie());
    QVERIFY(ouverteApresEchap);
    QVERIFY(ouverteApresFermeture);
    QCOMPARE(boutons, (QStringList{"&Oui", "&Non"}));
    QVERIFY(!banc.Cellule(1)->isEnabled()); // Non a remis le plateau au repos
}

void TestJeuClavier::molette_surLaListeSansFocus_neChoisitRien()
{
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    auto *liste = banc.Controle<QComboBox>(QStringLiteral("ListeJeux"));
    const QPointF milieu = liste->rect().center();
    QWheelEvent molette(milieu, liste->mapToGlobal(milieu), {}, {0, -120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&molette);
    QCoreApplication::sendEvent(liste, &molette);
    QCOMPARE(liste->currentIndex(), -1);
    QVERIFY(!banc.Cellule(1)->isEnabled());

    // Sur la liste qui a le focus, une flèche l'ouvre sans rien choisir ; Entrée choisit, et
    // le focus passe à la première carte.
    // Les touches envoyées telles quelles : la liste ne les rend pas « acceptées », ce que
    // QTest::keyClick signalerait à chaque fois.
    liste->setFocus();
    QKeyEvent bas(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(liste, &bas);
    QVERIFY(liste->view()->isVisible());
    QCOMPARE(liste->currentIndex(), -1);
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(liste->view(), &entree);
    QCOMPARE(liste->currentIndex(), 0);
    QVERIFY(banc.Cellule(1)->isEnabled());
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(1));
}

void TestJeuClavier::apresUneCarte_seulUnAppuiVouluAbandonne_data()
{
    QTest::addColumn<int>("intervalleDoubleClic");
    QTest::addColumn<bool>("repetee");
    QTest::addColumn<bool>("souris");
    QTest::addColumn<bool>("abandonne");
    QTest::newRow("second appui dans le double-clic") << 60000 << false << false << false;
    QTest::newRow("touche tenue, répétée") << 1 << true << false << false;
    QTest::newRow("appui voulu, plus tard") << 1 << false << false << true;
    QTest::newRow("clic, même tout de suite") << 60000 << false << true << true;
}

void TestJeuClavier::apresUneCarte_seulUnAppuiVouluAbandonne()
{
    QFETCH(int, intervalleDoubleClic);
    QFETCH(bool, repetee);
    QFETCH(bool, souris);
    QFETCH(bool, abandonne);
    const int intervalleDuSysteme = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(intervalleDoubleClic);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    banc.Cliquer(1);
    auto *annuler = banc.Controle<QPushButton>(QStringLiteral("Annuler"));
    QCOMPARE(banc.jeu->focusWidget(), annuler);
    QTest::qWait(20);
    if (souris) {
        QTest::mouseClick(annuler, Qt::LeftButton);
    } else {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                        repetee);
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                          repetee);
        QCoreApplication::sendEvent(annuler, &appui);
        QCoreApplication::sendEvent(annuler, &relache);
    }
    QApplication::setDoubleClickInterval(intervalleDuSysteme);
    QCOMPARE(banc.jeu->LaPartie().NbRetournees() == 0, abandonne);
    // Dit avec la liste des séries, où va le focus.
    const QString dit =
        banc.Controle<QComboBox>(QStringLiteral("ListeJeux"))->accessibleDescription();
    QCOMPARE(dit == QStringLiteral("Partie abandonnée."), abandonne);
}

void TestJeuClavier::barreDEspaceTenueOuTardive_nAbandonneJamais_data()
{
    // Les gestes, dans l'ordre : E un appui bref, T la touche enfoncée, r une répétition de la
    // touche tenue telle que la reçoit le programme sous un lecteur d'écran (relâchée puis
    // enfoncée, sans la marque de répétition), L la touche enfin relâchée, > une flèche à
    // droite, w une attente plus longue qu'un double-clic, p la fin de la pause du tour. Puis
    // les cartes retournées à la fin : la touche tenue n'en retourne qu'une.
    QTest::addColumn<QString>("gestes");
    QTest::addColumn<int>("retournees");
    QTest::newRow("tenue sur une carte") << "Trrwrrwrr L" << 1;
    QTest::newRow("tenue sur la seconde carte, à travers la pause") << "E>Trrwrrprrwrr L" << 0;
    QTest::newRow("tardive après une carte") << "EwE" << 1;
    QTest::newRow("tardive après un tour") << "E>EpwE" << 1;
}

// Chaque touche va où est le focus, comme sous X11. Aucune n'abandonne la partie.
void TestJeuClavier::barreDEspaceTenueOuTardive_nAbandonneJamais()
{
    QFETCH(QString, gestes);
    QFETCH(int, retournees);
    const int intervalleDuSysteme = QApplication::doubleClickInterval();
    QApplication::setDoubleClickInterval(1);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    // La série choisie sans dérouler la liste : sous offscreen, la liste refermée reprendrait
    // l'activation au milieu des gestes et relâcherait la carte enfoncée.
    auto *liste = banc.Controle<QComboBox>(QStringLiteral("ListeJeux"));
    liste->setCurrentIndex(0);
    emit liste->activated(0);
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(1));
    const auto envoyer = [&](QEvent::Type type, Qt::Key cle = Qt::Key_Space) {
        QKeyEvent touche(type, cle, Qt::NoModifier, cle == Qt::Key_Space ? " " : QString());
        QSpontaneKeyEvent::setSpontaneous(&touche);
        QCoreApplication::sendEvent(banc.jeu->focusWidget(), &touche);
        QTest::qWait(2);
    };
    for (const QChar geste : gestes) {
        if (geste == 'E' || geste == 'T')
            envoyer(QEvent::KeyPress);
        if (geste == 'E' || geste == 'r' || geste == 'L')
            envoyer(QEvent::KeyRelease);
        if (geste == 'r')
            envoyer(QEvent::KeyPress);
        if (geste == '>')
            envoyer(QEvent::KeyPress, Qt::Key_Right);
        if (geste == 'w')
            QTest::qWait(200);
        if (geste == 'p')
            QVERIFY(banc.TicsJusquALaFinDeLaPause() > 0);
    }
    QApplication::setDoubleClickInterval(intervalleDuSysteme);
    QCOMPARE(banc.jeu->LaPartie().Distribue(), 1);
    QCOMPARE(banc.jeu->LaPartie().NbRetournees(), retournees);
    QVERIFY(Enfant<QWidget>(banc.jeu.get(), QStringLiteral("Plateau"))
                ->isAncestorOf(banc.jeu->focusWidget()));
}

void TestJeuClavier::unTour_estDit_data()
{
    QTest::addColumn<bool>("souris");
    QTest::addColumn<int>("seconde");
    QTest::addColumn<QString>("fin");
    QTest::newRow("au clavier, pas de paire")
        << false << 2 << QStringLiteral("Pas de paire. Score en cours : 1.");
    QTest::newRow("au clavier, paire trouvée")
        << false << 25 << QStringLiteral("Paire trouvée. Score en cours : 1.");
    QTest::newRow("à la souris, pas de paire")
        << true << 2 << QStringLiteral("Pas de paire. Score en cours : 1.");
}

// Au clavier le focus reste sur la carte : sa face est annoncée seule (avec l'issue du tour
// pour la seconde), et son nom la dit en premier. À la souris le focus passe sur Annuler, qui porte
// la carte puis l'issue du tour dans sa description.
void TestJeuClavier::unTour_estDit()
{
    QFETCH(bool, souris);
    QFETCH(int, seconde);
    QFETCH(QString, fin);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    auto *annuler = banc.Controle<QPushButton>(QStringLiteral("Annuler"));
    const auto annonce = [&] {
        return Enfant<QWidget>(banc.jeu.get(), QStringLiteral("Annonce"))->accessibleName();
    };
    for (int carte : {1, seconde}) {
        if (souris) {
            banc.Cliquer(carte);
        } else {
            banc.Cellule(carte)->setFocus();
            QTest::keyClick(banc.Cellule(carte), Qt::Key_Space);
        }
        const QString nom = banc.Cellule(carte)->accessibleName();
        const QString face = nom.section(QStringLiteral(", "), 0, 0);
        QCOMPARE(nom,
                 face +
                     QStringLiteral(", %1, %2").arg((carte - 1) / 8 + 1).arg((carte - 1) % 8 + 1));
        if (!souris) // la seconde carte dit aussi l'issue du tour
            QCOMPARE(annonce(), carte == 1 ? face : face + QStringLiteral(". ") + fin);
        QCOMPARE(banc.jeu->focusWidget(), souris ? annuler : banc.Cellule(carte));
        QCOMPARE(annuler->accessibleDescription(), souris ? nom : QString());
    }
    QCOMPARE(banc.TicsJusquALaFinDeLaPause(), 8);
    QCOMPARE(annuler->accessibleDescription(), souris ? fin : QString());
    QVERIFY(annonce().endsWith(fin));
}

void TestJeuClavier::fleches_parcourentLePlateau_data()
{
    QTest::addColumn<QList<int>>("cachees");
    QTest::addColumn<int>("depart");
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("arrivee");
    QTest::addColumn<QString>("dit"); // ce qu'une flèche qui ne mène nulle part dit
    QTest::addColumn<QString>("taille");
    const QString bord = QStringLiteral("Bord du plateau.");
    QTest::newRow("gauche au début reste sur le plateau")
        << QList<int>{} << 1 << int(Qt::Key_Left) << 1 << bord << "8x6";
    QTest::newRow("bas au bord reste sur le plateau")
        << QList<int>{} << 44 << int(Qt::Key_Down) << 44 << bord << "8x6";
    // . . . . . . . .
    // x x x x 45 . . .   à gauche de 45, que des places vides : la flèche reste dans la rangée
    QTest::newRow("gauche devant des places vides reste et le dit")
        << QList<int>{41, 42, 43, 44} << 45 << int(Qt::Key_Left) << 45
        << QStringLiteral("Aucune carte à gauche.") << "8x6";
    QTest::newRow("bas devant une place vide, la plus proche de la rangée")
        << QList<int>{12} << 4 << int(Qt::Key_Down) << 11 << QString() << "8x6";
    // ....... 8      la rangée du haut n'a plus que la cellule 8 : le haut y mène
    // . 10 ...
    QTest::newRow("haut vers la plus proche de la rangée")
        << QList<int>{1, 2, 3, 4, 5, 6, 7} << 10 << int(Qt::Key_Up) << 8 << QString() << "8x6";
    // Sur le 4 × 3, le bord est à la quatrième colonne et à la troisième rangée.
    QTest::newRow("droite au bord du 4 × 3")
        << QList<int>{} << 4 << int(Qt::Key_Right) << 4 << bord << "4x3";
    QTest::newRow("bas au bord du 4 × 3")
        << QList<int>{} << 10 << int(Qt::Key_Down) << 10 << bord << "4x3";
    QTest::newRow("bas d'une rangée du 4 × 3")
        << QList<int>{} << 3 << int(Qt::Key_Down) << 7 << QString() << "4x3";
}

void TestJeuClavier::fleches_parcourentLePlateau()
{
    QFETCH(QList<int>, cachees);
    QFETCH(int, depart);
    QFETCH(int, touche);
    QFETCH(int, arrivee);
    QFETCH(QString, dit);
    QFETCH(QString, taille);
    const TaillePlateau plateau = *TaillePlateau::DuCode(taille);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.magasin->Remplir(QStringLiteral("Animaux@") + taille, {});
    banc.ChoisirTaille(plateau);
    // Au repos, la première carte de la deuxième rangée se dit déjà dans ce plateau.
    QCOMPARE(banc.Cellule(plateau.Colonnes + 1)->accessibleName(), QStringLiteral("2, 1"));
    banc.ChoisirSerie(1);
    for (int i : cachees)
        banc.jeu->MontrerCellule(i, false);
    // La carte de départ se retourne au clic ; le focus part sur Annuler, et la flèche le
    // ramène d'abord à la dernière carte jouée.
    banc.Cliquer(depart);
    QCOMPARE(banc.jeu->LaPartie().NbRetournees(), 1);
    QTest::keyClick(banc.jeu->focusWidget(), Qt::Key(touche));
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(depart));

    QTest::keyClick(banc.Cellule(depart), Qt::Key(touche));
    QCOMPARE(banc.jeu->focusWidget(), banc.Cellule(arrivee));
    const auto *annonce = banc.jeu->findChild<QWidget *>(QStringLiteral("Annonce"));
    QCOMPARE(annonce ? annonce->accessibleName() : QString(), dit);
    // Le lecteur d'écran lit le nom de l'image montrée, celui du fichier qui la dessine.
    QFile faces(qEnvironmentVariable("KALVORO_SOURCES") + "/tools/images/faces.tsv");
    QVERIFY(faces.open(QIODevice::ReadOnly));
    // La donne forcée pose la carte k sur la cellule k, et le tirage les premières faces.
    const int face = (depart - 1) % plateau.Paires() + 1;
    const QString entete = QStringLiteral("animaux\t%1\t").arg(face, 2, 10, QChar('0'));
    const QString ligne = QString::fromUtf8(faces.readAll()).section(entete, 1).section('\n', 0, 0);
    QCOMPARE(banc.Cellule(depart)->accessibleName(), QStringLiteral("%1, %2, %3")
                                                         .arg(ligne.section('\t', 1))
                                                         .arg((depart - 1) / plateau.Colonnes + 1)
                                                         .arg((depart - 1) % plateau.Colonnes + 1));
}

void TestJeuClavier::entree_appuieLeBoutonQuiALeFocus_data()
{
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("bouton");
    QTest::newRow("Valider, où Entrée mène depuis le nom") << "Enregistre"
                                                           << "Valider";
    QTest::newRow("Annuler de la saisie") << "Enregistre"
                                          << "Annuler";
    QTest::newRow("Quitter de la visionneuse") << "VisuScores"
                                               << "Quitter";
    QTest::newRow("Fermer de l'aide") << "VisionneuseAide"
                                      << "Fermer";
    QTest::newRow("Annuler de Jeu") << "Jeu"
                                    << "Annuler";
    QTest::newRow("une carte") << "Jeu"
                               << "Bouton9";
}

// Ce que fait le bouton est essayé ailleurs : ici, seulement qu'Entrée l'appuie, une fois.
void TestJeuClavier::entree_appuieLeBoutonQuiALeFocus()
{
    QFETCH(QString, fenetre);
    QFETCH(QString, bouton);
    BancJeu banc;
    QVERIFY(banc.Demarrer());
    banc.ChoisirSerie(1);
    banc.Cliquer(1);
    std::unique_ptr<QWidget> dialogue;
    if (fenetre == "Enregistre")
        dialogue = std::make_unique<Enregistre>(*banc.jeu, *banc.magasin, banc.jeu.get());
    else if (fenetre == "VisuScores")
        dialogue = std::make_unique<VisuScores>(*banc.magasin, QList<Serie>{}, banc.jeu.get());
    else if (fenetre == "VisionneuseAide")
        dialogue = std::make_unique<VisionneuseAide>(QString(), banc.jeu.get());
    QWidget *ouverte = dialogue ? dialogue.get() : banc.jeu.get();
    ouverte->show();
    ouverte->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ouverte));
    auto *appuye = Enfant<QPushButton>(ouverte, bouton);
    QObject::disconnect(appuye, &QPushButton::clicked, nullptr, nullptr);
    QSignalSpy clics(appuye, &QPushButton::clicked);
    QTest::qWait(QApplication::doubleClickInterval()); // un appui voulu, pas un second appui
    appuye->setFocus();
    QTest::keyClick(appuye, Qt::Key_Return);
    QCOMPARE(clics.count(), 1);
}

QTEST_MAIN(TestJeuClavier)
#include "tst_jeu_clavier.moc"
