#include "Controles.h"
#include "EchecFatal.h"
#include "FauxMagasin.h"
#include "MagasinAvecSeries.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"
#include "ScoresSerie.h"
#include "VisuScores.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace kalvoro;

namespace {

int NombrePixelsDeCouleur(const QImage &image, const QColor &couleur)
{
    int nombre = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nombre += image.pixelColor(x, y).rgb() == couleur.rgb();
    return nombre;
}

} // namespace

class TestVisuScores : public QObject {
    Q_OBJECT
    std::unique_ptr<FauxMagasin> magasin;
    std::unique_ptr<VisuScores> visu;

    QTableWidget *Grille() const { return Enfant<QTableWidget>(visu.get(), "Grille"); }
    QPushButton *Bouton(int index) const
    {
        return Enfant<QPushButton>(visu.get(), QStringLiteral("Bouton%1").arg(index));
    }
    QPushButton *Quitter() const { return Enfant<QPushButton>(visu.get(), "Quitter"); }
    QString Cellule(int ligne, int colonne) const { return Grille()->item(ligne, colonne)->text(); }
    QStringList Ligne(int ligne) const
    {
        return {Cellule(ligne, 0), Cellule(ligne, 1), Cellule(ligne, 2), Cellule(ligne, 3)};
    }
    bool LigneVide(int ligne) const { return Ligne(ligne).join(QString()).isEmpty(); }

    void Montrer()
    {
        visu->show();
        visu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(visu.get()));
    }

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }

    void init()
    {
        magasin = std::make_unique<FauxMagasin>();
        visu = std::make_unique<VisuScores>(*magasin);
    }
    void cleanup()
    {
        visu.reset();
        RemplacerReactionEchecFatal(nullptr);
    }

    void laFenetreOuvreSurLaLegendeSimpleUneGrilleVideEtNeLitRien()
    {
        Montrer();
        QCOMPARE(visu->windowTitle(), QStringLiteral("Les meilleurs scores"));
        QCOMPARE(visu->size(), QSize(448, 280)); // 6720 × 4200 twips
        QCOMPARE(visu->minimumSize(), visu->maximumSize());
        QVERIFY(
            !(visu->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        for (int ligne = 0; ligne < 11; ++ligne)
            QVERIFY(LigneVide(ligne));
        QVERIFY(magasin->Appels.isEmpty());
        QCOMPARE(QApplication::focusWidget(), Quitter());
        // Dit avec Quitter : la grille est vide tant qu'on n'a pas choisi de série.
        QVERIFY(Quitter()->accessibleDescription().contains(QStringLiteral("Alt")));
    }

    void lesBoutonsDeSerieSuiventLePlan_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QColor>("couleur");
        QTest::newRow("Animaux") << 0 << "&Animaux" << QColor(255, 0, 0);
        QTest::newRow("Cinéma") << 1 << "&Cinéma" << QColor(0, 0, 255);
        QTest::newRow("Disney") << 2 << "&Disney" << QColor(255, 0, 255);
        QTest::newRow("Formes") << 3 << "&Formes" << QColor(64, 64, 64);
        QTest::newRow("Smileys") << 4 << "&Smileys" << QColor(0, 128, 0);
        QTest::newRow("Toons") << 5 << "&Toons" << QColor(255, 128, 0);
    }
    void lesBoutonsDeSerieSuiventLePlan()
    {
        QFETCH(int, index);
        QFETCH(QString, legende);
        QFETCH(QColor, couleur);
        QPushButton *bouton = Bouton(index);
        QVERIFY(bouton);
        QCOMPARE(bouton->text(), legende);
        QCOMPARE(bouton->palette().color(QPalette::ButtonText), couleur);
        // Left 120 + 1080 × index, Top 120, 1095 × 375 : chaque voisin chevauche d'un pixel.
        QCOMPARE(bouton->geometry(), QRect(8 + 72 * index, 8, 73, 25));
        QVERIFY(bouton->font().bold());
        QCOMPARE(bouton->font().pointSizeF(), 8.25);
    }

    void laGrilleEtQuitterSuiventLePlanEtSontCentres()
    {
        Montrer();
        QTableWidget *grille = Grille();
        QCOMPARE(grille->columnCount(), 4);
        QCOMPARE(grille->rowCount(), 11);
        QVERIFY(grille->horizontalHeader()->isHidden() && grille->verticalHeader()->isHidden());
        QCOMPARE(grille->palette().color(QPalette::Active, QPalette::Base), QColor(192, 192, 192));
        QVERIFY(grille->font().bold());
        QCOMPARE(grille->font().pointSizeF(), 9.75);
        const QList<int> largeurs{100, 113, 113, 80}; // 1500, 1700, 1700, 1200 twips
        const QList<Qt::Alignment> alignements{Qt::AlignLeft | Qt::AlignVCenter,
                                               Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
                                               Qt::AlignCenter};
        for (int colonne = 0; colonne < 4; ++colonne) {
            QCOMPARE(grille->columnWidth(colonne), largeurs[colonne]);
            QCOMPARE(Qt::Alignment(grille->item(10, colonne)->textAlignment()),
                     alignements[colonne]);
        }
        // Centrés sur la largeur extérieure connue à l'ouverture (sans cadre ici).
        const int exterieure = visu->frameGeometry().width();
        QCOMPARE(grille->geometry(), QRect(qRound((exterieure - 409) / 2.0), 56, 409, 185));
        QCOMPARE(Quitter()->text(), QStringLiteral("&Quitter"));
        QCOMPARE(Quitter()->geometry(), QRect(qRound((exterieure - 81) / 2.0), 248, 81, 25));
        QVERIFY(grille->rowViewportPosition(10) + grille->rowHeight(10) <=
                grille->viewport()->height());
    }

    void dixLignesRemplissentLaGrilleMeilleureDAbordEtLaOnziemeResteVide()
    {
        magasin->Remplir(QStringLiteral("Animaux"), DixScores);
        QTest::mouseClick(Bouton(0), Qt::LeftButton);

        QCOMPARE(visu->windowTitle(), QStringLiteral("Les meilleurs scores.    Série : Animaux"));
        QCOMPARE(Ligne(0), (QStringList{"Prenom2", "NOM2", "02/04/2000", "25"}));
        QCOMPARE(Ligne(9), (QStringList{"Prenom5", "NOM5", "05/04/2000", "50"}));
        QVERIFY(LigneVide(10));
    }

    void uneSerieCourteApresDixLignesNeLaisseRienDeLAutre()
    {
        magasin->Remplir(QStringLiteral("Animaux"), DixScores);
        magasin->Remplir(QStringLiteral("Disney"), {61, 27});
        QTest::mouseClick(Bouton(0), Qt::LeftButton);
        QTest::mouseClick(Bouton(2), Qt::LeftButton);

        QCOMPARE(Ligne(0)[3], QStringLiteral("27"));
        QCOMPARE(Ligne(1)[3], QStringLiteral("61"));
        for (int ligne = 2; ligne < 11; ++ligne)
            QVERIFY2(LigneVide(ligne), qPrintable(Ligne(ligne).join(' ')));
    }

    // La grille est désactivée, mais son texte garde la couleur de la série au lieu d'être grisé.
    void toonsEcritEnOrangeLisibleEtFormesEnsuiteEnGrisFonce()
    {
        magasin->Remplir(QStringLiteral("Toons"), DixScores);
        magasin->Remplir(QStringLiteral("Formes"), DixScores);
        Montrer();
        const QColor orange(255, 128, 0), grisFonce(64, 64, 64);

        QTest::mouseClick(Bouton(5), Qt::LeftButton);
        QCOMPARE(Grille()->palette().color(QPalette::Disabled, QPalette::Text), orange);
        QVERIFY(NombrePixelsDeCouleur(Grille()->grab().toImage(), orange) > 50);

        QTest::mouseClick(Bouton(3), Qt::LeftButton);
        const QImage image = Grille()->grab().toImage();
        QVERIFY(NombrePixelsDeCouleur(image, grisFonce) > 50);
        QCOMPARE(NombrePixelsDeCouleur(image, orange), 0);
    }

    void laMemeSerieDeuxFoisMontreLesMemesLignes()
    {
        magasin->Remplir(QStringLiteral("Smileys"), DixScores);
        QTest::mouseClick(Bouton(4), Qt::LeftButton);
        QStringList premiere;
        for (int ligne = 0; ligne < 11; ++ligne)
            premiere << Ligne(ligne);
        QTest::mouseClick(Bouton(4), Qt::LeftButton);
        QStringList seconde;
        for (int ligne = 0; ligne < 11; ++ligne)
            seconde << Ligne(ligne);

        QCOMPARE(magasin->Appels, QStringList(2, "ListerScores Smileys"));
        QCOMPARE(seconde, premiere);
    }

    void altCMontreCinemaDepuisSaTableAccentuee()
    {
        magasin->Remplir(QStringLiteral("Cinéma"), {35, 24});
        Montrer();
        QTest::keyClick(visu->windowHandle(), Qt::Key_C, Qt::AltModifier);

        // La touche d'accès enfonce le bouton un instant avant de le cliquer.
        QTRY_COMPARE(magasin->Appels, QStringList{"ListerScores Cinéma"});
        QCOMPARE(visu->windowTitle(), QStringLiteral("Les meilleurs scores.    Série : Cinéma"));
        QCOMPARE(Ligne(0)[3], QStringLiteral("24"));
        QCOMPARE(Grille()->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
        // Le joueur qui n'en voit rien entend ce que la touche a montré, annoncé par une
        // notification qui paraît sans rien montrer.
        auto *annonce = Enfant<QWidget>(visu.get(), QStringLiteral("Annonce"));
        QVERIFY(annonce && annonce->isVisible() && annonce->size().isEmpty());
        QCOMPARE(annonce->accessibleName(),
                 QStringLiteral("Série Cinéma : 2 scores. Le meilleur : 24, Prenom2 NOM2, le "
                                "02/04/2000."));
        QCOMPARE(QAccessible::queryAccessibleInterface(annonce)->role(), QAccessible::Notification);
    }

    // La grille se lit au clavier, cellule par cellule, colonnes nommées pour les lecteurs
    // d'écran, sans que rien ne bouge à l'écran.
    void laGrilleSeParcourtAuClavierSansDefiler()
    {
        magasin->Remplir(QStringLiteral("Animaux"), DixScores);
        Montrer();
        QTest::mouseClick(Bouton(0), Qt::LeftButton);
        QTest::keyClick(Bouton(0), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), Grille());
        QCOMPARE(Grille()->currentIndex(), Grille()->model()->index(0, 0)); // le meilleur
        for (int pas = 0; pas < 12; ++pas) {
            QTest::keyClick(Grille(), Qt::Key_Right);
            QTest::keyClick(Grille(), Qt::Key_Down);
        }
        QCOMPARE(Grille()->currentIndex(), Grille()->model()->index(10, 3));
        QCOMPARE(Grille()->horizontalScrollBar()->value(), 0);
        QCOMPARE(Grille()->verticalScrollBar()->value(), 0);
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(Grille())->tableInterface();
        QCOMPARE(table->columnDescription(0), QStringLiteral("Prénom"));
        QCOMPARE(table->columnDescription(3), QStringLiteral("Score"));
        // Le rang, dit en tête de la ligne.
        const QString rang2 = table->cellAt(1, 0)->text(QAccessible::Name);
        QCOMPARE(rang2, QStringLiteral("Rang 2, ") + Grille()->item(1, 0)->text());
    }

    // Choisie au clavier, la série se lit aussitôt : le focus passe à la grille. Un clic le
    // laisse où il l'a mis, comme toujours.
    void auClavier_laSerieChoisieMeneALaGrille_data()
    {
        QTest::addColumn<QString>("geste");
        QTest::addColumn<bool>("surLaGrille");
        QTest::newRow("Alt+A") << "Alt+A" << true;
        QTest::newRow("Espace sur le bouton") << "Espace" << true;
        QTest::newRow("Entrée sur le bouton") << "Entrée" << true;
        QTest::newRow("clic") << "clic" << false;
    }
    void auClavier_laSerieChoisieMeneALaGrille()
    {
        QFETCH(QString, geste);
        QFETCH(bool, surLaGrille);
        magasin->Remplir(QStringLiteral("Animaux"), DixScores);
        Montrer();
        if (geste == "Alt+A") {
            QTest::keyClick(visu->windowHandle(), Qt::Key_A, Qt::AltModifier);
        } else if (geste == "clic") {
            QTest::mouseClick(Bouton(0), Qt::LeftButton);
        } else {
            Bouton(0)->setFocus();
            QTest::keyClick(Bouton(0), geste == "Espace" ? Qt::Key_Space : Qt::Key_Return);
        }
        QTRY_COMPARE(magasin->Appels, QStringList{"ListerScores Animaux"});
        QCOMPARE(QApplication::focusWidget(),
                 surLaGrille ? static_cast<QWidget *>(Grille()) : Bouton(0));
    }

    void uneTableDeDouzeLignesNEnMontreQueDix()
    {
        magasin->Remplir(QStringLiteral("Formes"),
                         {60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49});
        QTest::mouseClick(Bouton(3), Qt::LeftButton);

        QCOMPARE(Ligne(0)[3], QStringLiteral("49"));
        QCOMPARE(Ligne(9)[3], QStringLiteral("58"));
        QVERIFY(LigneVide(10));
    }

    // Quitter d'abord, la grille, puis les six boutons.
    void laTabulationVaDeQuitterAuxBoutonsDansLOrdre()
    {
        Montrer();
        QCOMPARE(QApplication::focusWidget(), Quitter());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Grille());
        for (int index = 0; index < 6; ++index) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Bouton(index));
        }
    }

    void quitterFermeLaFenetreModaleEtRendLaMain()
    {
        QTimer::singleShot(0, this, [] {
            QWidget *modale = QApplication::activeModalWidget();
            QVERIFY(modale);
            QTest::mouseClick(Enfant<QPushButton>(modale, "Quitter"), Qt::LeftButton);
        });
        QCOMPARE(visu->exec(), int(QDialog::Accepted));
        QVERIFY(!visu->isVisible());
        QVERIFY(magasin->Appels.isEmpty());
    }

    void unEchecDuMagasinEstSignaleEnClair()
    {
        QString signale;
        RemplacerReactionEchecFatal(
            [&signale](QWidget *, const QString &message) { signale = message; });
        magasin->Remplir(QStringLiteral("Animaux"), DixScores);
        magasin->EchecAuProchainAppel =
            QStringLiteral("Scores.dat : mot de passe refusé ou fichier endommagé");
        QTest::mouseClick(Bouton(0), Qt::LeftButton);
        QCOMPARE(signale, QStringLiteral("Scores.dat : mot de passe refusé ou fichier endommagé"));
    }

    // Les séries du joueur, lues dans leurs propres fichiers : la liste les montre dans l'ordre
    // donné, sous les boutons ; la choisir au clavier remplit la grille comme un bouton.
    void lesSeriesDuJoueurSeChoisissentDansLaListeSousLesBoutons()
    {
        QTemporaryDir dossier;
        for (const char *id : {"a", "b"})
            CreerScoresSerie(dossier.filePath(id));
        auto faux = std::make_unique<FauxMagasin>();
        faux->Remplir(QStringLiteral("Toons"), DixScores);
        MagasinAvecSeries series(std::move(faux), [&](const QString &id) {
            return OuvrirScoresSerie(dossier.filePath(id));
        });
        series.RemplacerPlusMauvais("serie:b", "DURAND", "Mamie", 31, QDate(2026, 5, 1));
        series.RemplacerPlusMauvais("serie:b", "DURAND", "Papi", 28, QDate(2026, 5, 2));
        const QStringList photos(24, QStringLiteral("photo.png"));
        visu = std::make_unique<VisuScores>(
            series, QList<Serie>{Serie::DuJoueur("a", "Vacances", photos),
                                 Serie::DuJoueur("b", "Mamie & « Papi »", photos)});
        Montrer();
        auto *liste = Enfant<QComboBox>(visu.get(), "SeriesJoueur");
        QVERIFY(liste);
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->itemText(1), QStringLiteral("Mamie & « Papi »"));
        QCOMPARE(visu->size(), QSize(448, 312)); // 32 pixels de plus pour la liste
        QVERIFY(QRect(QPoint(), visu->size()).contains(Quitter()->geometry()));
        QVERIFY(liste->geometry().top() > Bouton(0)->geometry().bottom());
        QVERIFY(Grille()->geometry().top() > liste->geometry().bottom());

        QTest::keyClick(visu.get(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), liste);
        QTest::keyClick(liste, Qt::Key_Down);
        QTest::keyClick(liste, Qt::Key_Down);
        QCOMPARE(visu->windowTitle(),
                 QStringLiteral("Les meilleurs scores.    Série : Mamie & « Papi »"));
        QCOMPARE(Ligne(0), (QStringList{"Papi", "DURAND", "02/05/2026", "28"}));
        QCOMPARE(Ligne(1)[3], QStringLiteral("31"));
        QVERIFY(LigneVide(2));
        QCOMPARE(Enfant<QWidget>(visu.get(), QStringLiteral("Annonce"))->accessibleName(),
                 QStringLiteral("Série Mamie & « Papi » : 2 scores. Le meilleur : 28, Papi "
                                "DURAND, le 02/05/2026."));
        QTest::mouseClick(Bouton(5), Qt::LeftButton); // les boutons lisent toujours Scores.dat
        QCOMPARE(Ligne(0)[3], QStringLiteral("25"));
        // Tab : après le dernier bouton, la liste, puis les tailles.
        QTest::keyClick(Bouton(5), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), liste);
        // Le fichier d'une série effacé à la main : le joueur l'apprend, le jeu continue.
        series.Oublier("a");
        QVERIFY(QFile::remove(dossier.filePath("a")));
        QStringList fatals;
        RemplacerReactionEchecFatal([&](QWidget *, const QString &texte) { fatals << texte; });
        RepondeurModales repondeur;
        repondeur.Attendre("AvisScores", [](QWidget *boite) { boite->close(); });
        QTest::keyClick(liste, Qt::Key_Up);
        QCOMPARE(fatals, QStringList());
        QCOMPARE(repondeur.Attendues(), QStringList());
        QVERIFY(visu->isVisible());
    }

    // Alt+P choisit la taille du plateau : la série montrée est relue à cette taille, le focus
    // reste sur la liste des tailles, et celle des séries du joueur n'offre que celles qui
    // remplissent ce plateau (six photos : le 4 × 3 seulement).
    void laTailleChoisieMontreLesScoresDeCePlateauEtSesSeries()
    {
        magasin->Remplir(QStringLiteral("Animaux"), DixScores);
        magasin->Remplir(QStringLiteral("Animaux@4x3"), {9});
        visu = std::make_unique<VisuScores>(
            *magasin, QList<Serie>{Serie::DuJoueur("a", "Mamie", QStringList(6, "photo.png"))});
        Montrer();
        auto *taille = Enfant<QComboBox>(visu.get(), "Taille");
        auto *liste = Enfant<QComboBox>(visu.get(), "SeriesJoueur");
        QCOMPARE(taille->currentText(), QStringLiteral("8\u202f×\u202f6"));
        QCOMPARE(liste->count(), 0);
        QTest::mouseClick(Bouton(0), Qt::LeftButton);
        QTest::keyClick(visu.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), taille);
        const auto nommee = QAccessible::queryAccessibleInterface(taille)->relations(
            QAccessible::Label); // le lecteur d'écran la nomme par son étiquette
        QVERIFY(!nommee.isEmpty());
        QCOMPARE(nommee.first().first->text(QAccessible::Name), QStringLiteral("Plateau :"));
        QTest::keyClick(taille, Qt::Key_Home);
        QCOMPARE(visu->windowTitle(),
                 QStringLiteral("Les meilleurs scores.    Série : Animaux, 4\u202f×\u202f3"));
        QCOMPARE(Ligne(0)[3], QStringLiteral("9"));
        QCOMPARE(QApplication::focusWidget(), taille);
        QCOMPARE(liste->count(), 1);
        QVERIFY(QRect(QPoint(), visu->size()).contains(taille->geometry()));
        QVERIFY(taille->geometry().right() < Quitter()->geometry().left());
    }
};

QTEST_MAIN(TestVisuScores)
#include "tst_visuscores.moc"
