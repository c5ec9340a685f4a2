#include "EchecFatal.h"
#include "Enregistre.h"
#include "FauxJeuScores.h"
#include "FauxStock.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

using namespace kalvoro;

namespace {

const QString Cinema = QStringLiteral("Cinéma");

// Ce qu'on a vu d'une boîte de message modale avant d'y répondre OK.
struct BoiteVue {
    QString Titre, Texte;
    QMessageBox::Icon Icone = QMessageBox::NoIcon;
    Qt::TextFormat Format = Qt::AutoText;
};

// Dès qu'une boîte de message devient la fenêtre modale active, la note et la ferme par OK.
void RepondreALaBoite(BoiteVue &vue, int essais = 200)
{
    QTimer::singleShot(10, [&vue, essais] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!boite) {
            if (essais > 0)
                RepondreALaBoite(vue, essais - 1);
            return;
        }
        vue = {boite->windowTitle(), boite->text(), boite->icon(), boite->textFormat()};
        boite->button(QMessageBox::Ok)->click();
    });
}

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

} // namespace

// Le dialogue Enregistre sur de vrais widgets : disposition, frappe, collage, validation,
// fermeture.
class TestEnregistre : public QObject {
    Q_OBJECT

    FauxJeuScores jeu;
    FauxStock stock;
    std::unique_ptr<Enregistre> dialogue;

    template <typename T> T *Controle(const char *nom)
    {
        T *controle = dialogue->findChild<T *>(QLatin1String(nom));
        if (!controle)
            qFatal("contrôle introuvable : %s", nom);
        return controle;
    }
    QLineEdit *Zone(const QString &nom) { return Controle<QLineEdit>(qPrintable(nom)); }

    void Montrer()
    {
        dialogue->show();
        QApplication::setActiveWindow(dialogue.get());
        QVERIFY(QTest::qWaitForWindowActive(dialogue.get()));
    }

private slots:
    void init()
    {
        jeu = FauxJeuScores();
        stock = FauxStock();
        stock.Remplir(Cinema, {20, 26, 31});
        jeu.ScoreEnCours = QStringLiteral("30");
        dialogue = std::make_unique<Enregistre>(jeu, stock);
    }
    void cleanup()
    {
        dialogue.reset();
        RemplacerReactionEchecFatal(nullptr);
    }

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

    void leDialogueEstFixeGrisEtSansBoutonParDefaut()
    {
        QCOMPARE(dialogue->windowTitle(), QStringLiteral("Enregistrement des scores"));
        QCOMPARE(dialogue->minimumSize(), QSize(361, 160));
        QCOMPARE(dialogue->maximumSize(), QSize(361, 160));
        QCOMPARE(dialogue->palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(Zone("Prenom")->maxLength(), 20);
        QCOMPARE(Zone("Nom")->maxLength(), 25);
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
        // Valider n'est pas un bouton par défaut : Entrée sur lui ne valide pas.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Zone("Prenom")->text(), QStringLiteral("Bleu"));
        QCOMPARE(Zone("Nom")->text(), QStringLiteral("ROUGE"));
        QVERIFY(dialogue->isVisible());
        QVERIFY(stock.Appels.isEmpty());
    }
};

QTEST_MAIN(TestEnregistre)
#include "tst_enregistre.moc"
