#include "Controles.h"
#include "Enregistre.h"
#include "FausseSaisie.h"
#include "FauxMagasin.h"
#include "SansAvisDePlateforme.h"
#include "ZoneSaisie.h"

#include <QtTest>
#include <QtWidgets>

using namespace kalvoro;

namespace {

const QString Cinema = QStringLiteral("Cinéma");

// Frappe au clavier ; QTest::keyClicks ne sait taper que l'ASCII, les lettres accentuées
// arrivent comme d'un clavier français : une touche et son texte.
void Taper(QWidget *zone, const QString &touches)
{
    for (QChar c : touches) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(zone, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, zone, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
    }
}

// Fait entrer un texte dans la zone par l'une des voies qui ne sont pas la frappe.
void Apporter(QLineEdit *zone, const QString &voie, const QString &texte)
{
    QGuiApplication::clipboard()->setText(texte);
    if (voie == "Ctrl+V") {
        QTest::keyClick(zone, Qt::Key_V, Qt::ControlModifier);
    } else if (voie == "Maj+Inser") {
        QTest::keyClick(zone, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (voie == "menu contextuel") {
        QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(5, 5),
                               zone->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(zone, &clic);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *coller = Enfant<QAction>(menu, QStringLiteral("edit-paste"));
        QVERIFY(coller);
        coller->trigger();
        menu->close();
    } else if (voie == "dépôt") {
        QMimeData donnees;
        donnees.setText(texte);
        const QPoint ici(zone->width() - 2, 5);
        QDragEnterEvent entree(ici, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone, &entree);
        QDropEvent depot(ici, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(zone, &depot);
    } else {
        QInputMethodEvent methode;
        methode.setCommitString(texte);
        QApplication::sendEvent(zone, &methode);
    }
}

} // namespace

// Le dialogue Enregistre sur de vrais widgets : disposition, frappe, collage, validation,
// fermeture.
class TestEnregistre : public QObject {
    Q_OBJECT

    FausseFenetre jeu;
    FauxMagasin magasin;
    std::unique_ptr<Enregistre> dialogue;

    template <typename T> T *Controle(const char *nom) { return Enfant<T>(dialogue.get(), nom); }
    QLineEdit *Zone(const QString &nom) { return Controle<QLineEdit>(qPrintable(nom)); }

    void Montrer()
    {
        dialogue->show();
        dialogue->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialogue.get()));
    }

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void init()
    {
        FinDePartie(jeu, Cinema, QStringLiteral("30"));
        magasin = FauxMagasin();
        magasin.Remplir(Cinema, {20, 26, 31});
        dialogue = std::make_unique<Enregistre>(jeu, magasin);
    }
    void cleanup() { dialogue.reset(); }

    void chaqueControleEstASaPlace_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Label1") << "Label1" << QRect(120, 120, 855, 375);
        QTest::newRow("Serie") << "Serie" << QRect(960, 120, 2295, 375);
        QTest::newRow("Label2") << "Label2" << QRect(3480, 120, 855, 375);
        QTest::newRow("Score") << "Score" << QRect(4320, 120, 855, 375);
        QTest::newRow("Label4") << "Label4" << QRect(120, 600, 855, 375);
        QTest::newRow("Prenom") << "Prenom" << QRect(1200, 600, 3615, 285);
        QTest::newRow("Label3") << "Label3" << QRect(120, 1080, 855, 375);
        QTest::newRow("Nom") << "Nom" << QRect(1200, 1080, 4095, 285);
        QTest::newRow("BoiteBoutons centré") << "BoiteBoutons" << QRect(1320, 1560, 2775, 735);
        QTest::newRow("Annuler dans le cadre") << "Annuler" << QRect(1440, 240, 1215, 375);
        QTest::newRow("Valider dans le cadre") << "Valider" << QRect(120, 240, 1215, 375);
    }
    void chaqueControleEstASaPlace()
    {
        QFETCH(QString, nom);
        QFETCH(QRect, twips);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(Controle<QWidget>(qPrintable(nom))->geometry(), pixels);
    }

    void lesEtiquettesOntLeursTextesEtPolices_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("gras");
        QTest::newRow("Label1") << "Label1"
                                << "Série : " << false;
        QTest::newRow("Serie recopiée de ListeJeux") << "Serie"
                                                     << "Cinéma" << true;
        QTest::newRow("Label2") << "Label2"
                                << "Score : " << false;
        QTest::newRow("Score recopié de ScoreEnCours") << "Score"
                                                       << "30" << true;
        QTest::newRow("Label4") << "Label4"
                                << "Prénom" << false;
        QTest::newRow("Label3") << "Label3"
                                << "Nom" << false;
    }
    void lesEtiquettesOntLeursTextesEtPolices()
    {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(bool, gras);
        auto *etiquette = Controle<QLabel>(qPrintable(nom));
        QCOMPARE(etiquette->text(), texte);
        QCOMPARE(etiquette->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(etiquette->font().pointSize(), 12);
        QCOMPARE(etiquette->font().bold(), gras);
    }

    // Hors du plateau classique, la série dit sa taille, et se lit entière dans sa place.
    void laSerieDUnAutrePlateauDitSaTaille()
    {
        jeu.SeriesJoueur = {Serie::DuJoueur("a", "Vacances à la mer", QStringList(6, "p.png"))
                                .ATaille(TaillePetite)};
        jeu.AjouterSerie(QStringLiteral("Vacances à la mer"), 7);
        jeu.Choisir(QStringLiteral("Vacances à la mer"));
        dialogue = std::make_unique<Enregistre>(jeu, magasin);
        auto *serie = Controle<QLabel>("Serie");
        QCOMPARE(serie->text(), QStringLiteral("Vacances à la mer (4\u202f×\u202f3)"));
        QVERIFY(QFontMetrics(serie->font()).horizontalAdvance(serie->text()) <= serie->width());
        QVERIFY(dialogue->accessibleDescription().contains(serie->text()));
    }

    void leDialogueEstFixeGrisEtSansBoutonParDefaut()
    {
        QCOMPARE(dialogue->windowTitle(), QStringLiteral("Enregistrement des scores"));
        QCOMPARE(dialogue->minimumSize(), QSize(361, 160));
        QCOMPARE(dialogue->maximumSize(), QSize(361, 160));
        QCOMPARE(dialogue->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(Enfant<ZoneSaisie>(dialogue.get(), "Prenom")->LongueurMaxCaracteres(), 20);
        QCOMPARE(Enfant<ZoneSaisie>(dialogue.get(), "Nom")->LongueurMaxCaracteres(), 25);
        QCOMPARE(Zone("Prenom")->text(), QString());
        for (const char *nom : {"Annuler", "Valider"}) {
            auto *bouton = Controle<QPushButton>(nom);
            QVERIFY(!bouton->autoDefault());
            QVERIFY(!bouton->isDefault());
        }
        QCOMPARE(Controle<QPushButton>("Valider")->text(), QStringLiteral("&Valider"));
        QCOMPARE(Controle<QPushButton>("Annuler")->text(), QStringLiteral("&Annuler"));
    }

    void leFocusCommenceDansPrenomEtTabSuitLOrdreDuDialogue()
    {
        Montrer();
        QCOMPARE(QApplication::focusWidget(), Zone("Prenom"));
        for (const char *suivant : {"Nom", "Annuler", "Valider", "Prenom"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(suivant));
        }
    }

    void laFrappeEstFiltree_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("obtenu");
        QTest::newRow("bleu vert") << "Prenom"
                                   << "bleu vert"
                                   << "Bleu Vert";
        QTest::newRow("bleu-vert") << "Prenom"
                                   << "bleu-vert"
                                   << "Bleu-vert";
        QTest::newRow("rouge") << "Nom"
                               << "rouge"
                               << "ROUGE";
        QTest::newRow("été") << "Nom"
                             << "été"
                             << "ÉTÉ";
        QTest::newRow("Prenom limité à 20")
            << "Prenom" << QString(30, u'a') << "A" + QString(19, u'a');
        QTest::newRow("Nom limité à 25") << "Nom" << QString(30, u'b') << QString(25, u'B');
    }
    void laFrappeEstFiltree()
    {
        QFETCH(QString, zone);
        QFETCH(QString, tape);
        QFETCH(QString, obtenu);
        Taper(Zone(zone), tape);
        QCOMPARE(Zone(zone)->text(), obtenu);
    }

    // Le texte d'une touche passe par le filtre du collage ; Alt + lettre est une commande,
    // AltGr (X11, Windows) tape. À la limite, un caractère vu du joueur entre entier ou pas du
    // tout, et rien de ce qui suit un refus n'est gardé. (modificateurs -1 : collé)
    void uneToucheOuUnCollageNApporteQueDesCaracteresEntiers_data()
    {
        const QString sourire = "\U0001F600",
                      famille = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
        const QString a19(19, u'a'), a21(21, u'A'), a24(24, u'A');
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<QString>("obtenu");
        const auto ligne = [](const char *nom, const char *zone, const QString &avant,
                              const QString &texte, int modificateurs, const QString &obtenu) {
            QTest::newRow(nom) << zone << avant << texte << modificateurs << obtenu;
        };
        ligne("U+2028 tapé", "Prenom", "Jo", "\u2028", 0, "Jo");
        ligne("contrôle tapé", "Nom", "JO", "e\x01", 0, "JOE");
        ligne("Alt+X", "Nom", "JO", "x", Qt::AltModifier, "JO");
        ligne("AltGr sous X11", "Nom", "JO", "€", Qt::GroupSwitchModifier, "JO€");
        ligne("AltGr sous Windows", "Prenom", "Jo", "@", Qt::ControlModifier | Qt::AltModifier,
              "Jo@");
        ligne("accent combinant au dernier rang", "Nom", a24, "e\u0301z", -1, a24 + "E\u0301");
        ligne("émoji au dernier rang", "Prenom", a19, sourire + "b", -1, a19 + sourire);
        ligne("famille refusée entière", "Nom", a21, famille + "z", -1, a21);
        ligne("vingt-cinq émojis", "Nom", "", sourire.repeated(30), -1, sourire.repeated(25));
        // Des grappes que le découpage de Qt 6.4 coupait en deux.
        ligne("क😀b", "Nom", "", "क" + sourire + "b", -1, "क" + sourire + "B");
        ligne("ก et un drapeau", "Prenom", "", "ก🇫🇷", -1, "ก🇫🇷");
        ligne("drapeau au vingtième rang, trop long en points de code", "Prenom", "",
              QString(18, u'x') + "😒🇫🇷", -1, "X" + QString(17, u'x') + "😒");
        // Un saut de ligne entre deux lignes collées devient un blanc.
        ligne("LF, CR LF, CR, U+2028, U+2029", "Prenom", "", "a\nb\r\nc\rd\u2028e\u2029f", -1,
              "A B C D E F");
        ligne("lignes vides et sauts aux bords", "Prenom", "", "\nmarie\n\nclaire\r\n", -1,
              "Marie Claire");
        ligne("moitié de paire isolée", "Prenom", "", "marie\nclaire" + QString(QChar(0xD800)), -1,
              "Marie Claire");
    }
    void uneToucheOuUnCollageNApporteQueDesCaracteresEntiers()
    {
        QFETCH(QString, zone);
        QFETCH(QString, avant);
        QFETCH(QString, texte);
        QFETCH(int, modificateurs);
        Montrer();
        Zone(zone)->setText(avant);
        if (modificateurs < 0)
            Apporter(Zone(zone), "Ctrl+V", texte);
        else
            QTest::sendKeyEvent(QTest::Click, Zone(zone), Qt::Key_X, texte,
                                Qt::KeyboardModifiers(modificateurs));
        QTEST(Zone(zone)->text(), "obtenu");
    }

    void uneLettreHorsDeLatin1PrendSaCapitale()
    {
        Taper(Zone("Nom"), QStringLiteral("cœur ÿ"));
        QCOMPARE(Zone("Nom")->text(), QStringLiteral("CŒUR Ÿ"));
    }

    void leCurseurAuDebutNEmpechePasLaCapitale()
    {
        QTest::keyClicks(Zone("Prenom"), QStringLiteral("bleu "));
        QTest::keyClick(Zone("Prenom"), Qt::Key_Home);
        QTest::keyClicks(Zone("Prenom"), QStringLiteral("x"));
        QCOMPARE(Zone("Prenom")->text(), QStringLiteral("XBleu "));
    }

    void entreePasseAuControleSuivantSansRienAjouter()
    {
        Montrer();
        QTest::keyClicks(Zone("Prenom"), QStringLiteral("bleu"));
        QTest::keyClick(Zone("Prenom"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Zone("Nom"));
        QTest::keyClicks(Zone("Nom"), QStringLiteral("rouge"));
        QTest::keyClick(Zone("Nom"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Valider"));
        // Le cadre du focus est dessiné sur Valider, comme après Tab.
        QStyleOption etat;
        etat.initFrom(QApplication::focusWidget());
        QVERIFY(etat.state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange));
        QCOMPARE(Zone("Prenom")->text(), QStringLiteral("Bleu"));
        QCOMPARE(Zone("Nom")->text(), QStringLiteral("ROUGE"));
        QVERIFY(magasin.Appels.isEmpty());
    }
    void unTexteApporteEstFiltreCommeSIlEtaitTape_data()
    {
        QTest::addColumn<QString>("voie");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("obtenu");
        for (const char *voie :
             {"Ctrl+V", "Maj+Inser", "menu contextuel", "dépôt", "méthode de saisie"}) {
            QTest::addRow("%s, prénom", voie) << voie << "Prenom"
                                              << "bleu vert"
                                              << "Bleu Vert";
            QTest::addRow("%s, nom trop long sur deux lignes", voie)
                << voie << "Nom"
                << "o'brien;\ndrop table\tcinéma et plus"
                << "O'BRIEN; DROP TABLECINÉMA";
        }
    }
    void unTexteApporteEstFiltreCommeSIlEtaitTape()
    {
        QFETCH(QString, voie);
        QFETCH(QString, zone);
        QFETCH(QString, texte);
        QFETCH(QString, obtenu);
        Montrer();
        Apporter(Zone(zone), voie, texte);
        QCOMPARE(Zone(zone)->text(), obtenu);
        QCOMPARE(QApplication::focusWidget(), Zone("Prenom"));
    }
};

QTEST_MAIN(TestEnregistre)
#include "tst_enregistre.moc"
