// Chaque fenêtre et chaque boîte du programme parcourues dans une langue : en anglais, aucun
// texte montré ne garde un morceau français du catalogue ; en français et sous C, tout est
// montré exactement comme sans catalogue. Un score inscrit en anglais va dans la table au nom
// français du vrai Scores.dat.
#include "Aide.h"
#include "Apropos.h"
#include "BancScoresReels.h"
#include "Controles.h"
#include "Programme.h"
#include "RepondeurModales.h"
#include "SansAvisDePlateforme.h"
#include "Traductions.h"
#include "VisuScores.h"

#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace kalvoro;

namespace {

// Les morceaux français du catalogue anglais que sa traduction ne reprend pas : les parties du
// texte source entre ses %1, %2..., d'au moins trois caractères, touches d'accès ôtées.
QStringList MorceauxFrancais()
{
    QFile fichier(qEnvironmentVariable("KALVORO_SOURCES") + "/translations/kalvoro_en.ts");
    if (!fichier.open(QIODevice::ReadOnly))
        qFatal("catalogue illisible : %s", qPrintable(fichier.fileName()));
    QXmlStreamReader xml(&fichier);
    QStringList morceaux;
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText().remove(u'&');
        else if (xml.name() == QLatin1String("translation")) {
            const QString traduction = xml.readElementText().remove(u'&');
            for (const QString &partie : source.split(QRegularExpression("%\\d")))
                if (partie.trimmed().size() >= 3 && !traduction.contains(partie.trimmed()))
                    morceaux << partie.trimmed();
        }
    }
    return morceaux;
}

// Ce qu'une fenêtre montre ou fait lire : titres, légendes, étiquettes, onglets, entrées de
// liste, textes, bulles et noms accessibles, touches d'accès ôtées.
QStringList TextesMontres(QWidget *fenetre)
{
    QStringList textes{fenetre->windowTitle()};
    QList<QWidget *> widgets = fenetre->findChildren<QWidget *>();
    widgets.prepend(fenetre);
    for (QWidget *w : widgets) {
        textes << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto *bouton = qobject_cast<QAbstractButton *>(w))
            textes << bouton->text();
        if (auto *etiquette = qobject_cast<QLabel *>(w))
            textes << etiquette->text();
        if (auto *cadre = qobject_cast<QGroupBox *>(w))
            textes << cadre->title();
        if (auto *texte = qobject_cast<QPlainTextEdit *>(w))
            textes << texte->toPlainText();
        if (auto *onglets = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < onglets->count(); ++i)
                textes << onglets->tabText(i);
        if (auto *liste = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < liste->count(); ++i)
                textes << liste->itemText(i);
        if (auto *aide = qobject_cast<QTextBrowser *>(w))
            textes << aide->documentTitle();
    }
    textes.removeAll(QString());
    return textes.replaceInStrings(QStringLiteral("&"), QString());
}

// Relève ce que montre la boîte ou le dialogue modal, puis l'action du test (rien : le fermer).
RepondeurModales::Action Relever(QStringList &textes, std::function<void(QWidget *)> ensuite = {})
{
    return [&textes, ensuite](QWidget *modale) {
        textes << TextesMontres(modale);
        if (ensuite)
            ensuite(modale);
        else if (auto *boite = qobject_cast<QMessageBox *>(modale))
            boite->defaultButton() ? boite->defaultButton()->click() : boite->reject();
    };
}

void Taper(QWidget *dialogue, const char *zone, const QString &texte)
{
    QTest::keyClicks(Enfant<QLineEdit>(dialogue, zone), texte);
}

void Valider(QWidget *dialogue)
{
    QTest::mouseClick(Enfant<QPushButton>(dialogue, "Valider"), Qt::LeftButton);
}

QString Traduit(const char *contexte, const char *texte)
{
    return QCoreApplication::translate(contexte, texte);
}

void OterTraductions()
{
    for (QTranslator *traducteur : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(traducteur);
        delete traducteur;
    }
    ChoisirLangue(Langue());
}

} // namespace

class TestLangues : public QObject {
    Q_OBJECT

    // Une partie parfaite sur la série Cinéma, sur une copie du vrai Scores.dat : la question
    // de fin, Enregistre validé d'abord vide (le refus), puis avec des noms ; enfin chaque
    // autre fenêtre et la boîte du fichier occupé. Rend tous les textes montrés.
    void Parcourir(QStringList &textes, Classements *apres = nullptr)
    {
        BancScoresReels reels;
        BancJeu &banc = reels.Ouvrir();
        QVERIFY(banc.Demarrer());
        banc.ChoisirSerie(2);
        banc.Cliquer(1); // une carte face visible : son nom et celui de son image
        textes << TextesMontres(banc.jeu.get());
        {
            // Le répondeur de la partie s'en va avant celui des autres fenêtres.
            RepondeurModales repondeur;
            repondeur.Attendre(
                Traduit("Partie", "Fin de partie"), Relever(textes, [](QWidget *m) {
                    qobject_cast<QMessageBox *>(m)->button(QMessageBox::Yes)->click();
                }));
            repondeur.Attendre(QStringLiteral("Enregistre"), Relever(textes, [](QWidget *d) {
                                   Valider(d);
                                   Taper(d, "Prenom", QStringLiteral("emma"));
                                   Taper(d, "Nom", QStringLiteral("wilson"));
                                   Valider(d);
                               }));
            repondeur.Attendre(Traduit("SaisieScore", "Erreur de saisie"), Relever(textes));
            banc.TicsJusquALaFinDeLaPause();
            banc.Cliquer(25);
            banc.TicsJusquALaFinDeLaPause();
            for (int k = 2; k <= 24; ++k)
                banc.JouerTour(k, k + 24);
            QCOMPARE(repondeur.Attendues(), QStringList());
            QCOMPARE(repondeur.Imprevues, QStringList());
        }
        reels.Fermer();
        if (apres)
            *apres = LireClassements(reels.copie.Chemin());
        AutresFenetres(textes);
    }

    static void AutresFenetres(QStringList &textes)
    {
        FauxMagasin magasin;
        for (const Serie &serie : Series())
            magasin.Remplir(serie.Nom, {30});
        VisuScores visu(magasin);
        Enfant<QPushButton>(&visu, "Bouton1")->click();
        Apropos apropos(NumeroVersion(), FormaterDateProgramme(QDateTime({2000, 4, 16}, {})));
        VisionneuseAide aide(FichierAide(DossierDeTest()), nullptr);
        textes << TextesMontres(&visu) << TextesMontres(&apropos) << TextesMontres(&aide);
        RepondeurModales repondeur;
        repondeur.Attendre(QStringLiteral("FichierOccupe"), Relever(textes));
        ProposerReessai(nullptr, QStringLiteral("Scores.dat"));
        QCOMPARE(repondeur.Attendues(), QStringList());
    }

    // Le programme d'avant : sans catalogue, les textes de Qt en français.
    QStringList Reference()
    {
        auto *qt = new QTranslator(qApp);
        if (qt->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        QStringList textes;
        Parcourir(textes);
        OterTraductions();
        return textes;
    }

private slots:
    void initTestCase() { TaireLesAvisDuGreffonSansEcran(); }
    void cleanup() { OterTraductions(); }

    void enFrancaisEtSousCToutEstMontreCommeAvant_data()
    {
        QTest::addColumn<QStringList>("langues");
        QTest::newRow("fr_FR") << QStringList{"fr-FR", "fr"};
        QTest::newRow("C") << QStringList{"C"};
    }
    void enFrancaisEtSousCToutEstMontreCommeAvant()
    {
        QFETCH(QStringList, langues);
        const QStringList avant = Reference();
        QVERIFY(avant.contains(QStringLiteral("Choix de la série")));
        InstallerTraductions(langues);
        QStringList textes;
        Parcourir(textes);
        QCOMPARE(textes, avant);
    }

    void enAnglaisAucunTexteFrancaisNeResteEtLeScoreVaDansLaTableFrancaise()
    {
        const QStringList francais = MorceauxFrancais();
        QVERIFY(francais.contains(QStringLiteral("Choix de la série")));
        QCOMPARE(InstallerTraductions({"en-US", "en"}).Code, QStringLiteral("en"));
        Classements apres;
        QStringList textes;
        Parcourir(textes, &apres);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(textes.contains(QStringLiteral("Choose a series")));
        QVERIFY(textes.contains(QStringLiteral("movie camera, 1, 1")));
        QStringList restes;
        for (const QString &texte : textes)
            for (const QString &morceau : francais)
                if (texte.contains(morceau))
                    restes << texte + QStringLiteral("  ←  ") + morceau;
        QVERIFY2(restes.isEmpty(), qPrintable(restes.join(u'\n')));
        QCOMPARE(apres.value(QStringLiteral("Cinéma")).first().NOM, QStringLiteral("WILSON"));
    }
};

QTEST_MAIN(TestLangues)
#include "tst_integration_langues.moc"
