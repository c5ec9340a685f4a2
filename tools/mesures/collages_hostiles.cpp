// Mesure hors des tests : des noms hostiles collés dans les zones Prenom et Nom du vrai dialogue
// Enregistre, comparés à ce qu'un découpage d'ICU, fait ici à part, laisse attendre : chaque
// caractère vu du joueur entre entier ou pas du tout, rien après un refus. Usage :
//   collages_hostiles [nombre de noms] [graine]
#include "Controles.h"
#include "Enregistre.h"
#include "FausseFenetre.h"
#include "FausseSaisie.h"
#include "FauxMagasin.h"
#include "Majuscules.h"
#include "ZoneSaisie.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTextStream>
#include <unicode/brkiter.h>

using namespace kalvoro;

namespace {

// Des morceaux qui piègent un découpage : accents combinants, émojis et leurs suites, drapeaux,
// indicateurs régionaux seuls, écritures indiennes, thaïe, coréenne en jamos, arabe.
const QStringList Morceaux = {"a",
                              "b",
                              "x",
                              " ",
                              "-",
                              "é",
                              "ÿ",
                              "œ",
                              "e\u0301",
                              "o\u0308\u0331",
                              "😀",
                              "😒",
                              "👍🏽",
                              "👨\u200D👩\u200D👧",
                              "🇫🇷",
                              "🇩🇪",
                              "🇫",
                              "🇷",
                              "1\uFE0F\u20E3",
                              "🏴\U000E0067\U000E0062\U000E0065"
                              "\U000E006E\U000E0067\U000E007F",
                              "क",
                              "क्ष",
                              "कि",
                              "न्\u200D",
                              "ก",
                              "กำ",
                              "ำ",
                              "\u1100\u1161\u11A8",
                              "한",
                              "\u0600\u0661",
                              "بِ",
                              "\u200D",
                              "\u200C",
                              "❤\uFE0F",
                              "\u0301",
                              "ß",
                              "µ",
                              "ﬁ"};

QString NomHostile(QRandomGenerator &hasard)
{
    QString nom;
    const int taille = hasard.bounded(1, 31);
    for (int k = 0; k < taille; ++k)
        nom += Morceaux[hasard.bounded(int(Morceaux.size()))];
    return nom;
}

QStringList GrappesIcu(const QString &texte)
{
    UErrorCode etat = U_ZERO_ERROR;
    static std::unique_ptr<icu::BreakIterator> decoupeur(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), etat));
    const icu::UnicodeString u(false, reinterpret_cast<const char16_t *>(texte.utf16()),
                               int32_t(texte.size()));
    decoupeur->setText(u);
    QStringList grappes;
    for (int32_t d = decoupeur->first(), f = decoupeur->next(); f != icu::BreakIterator::DONE;
         d = f, f = decoupeur->next())
        grappes << texte.mid(d, f - d);
    return grappes;
}

bool Tient(const QString &texte, int limite)
{
    return GrappesIcu(texte).size() <= limite &&
           texte.normalized(QString::NormalizationForm_C).toUcs4().size() <= limite;
}

// Ce que la zone devrait garder : le filtre de frappe sur chaque caractère entier.
QString Attendu(const QString &colle, bool prenom)
{
    QString texte;
    const int limite = prenom ? 20 : 25;
    for (const QString &grappe : GrappesIcu(colle)) {
        QString ajout;
        for (qsizetype k = 0; k < grappe.size(); ++k) {
            if (grappe[k].isHighSurrogate() && k + 1 < grappe.size()) {
                ajout += grappe.mid(k++, 2);
                continue;
            }
            const bool capitale = !prenom || texte.isEmpty() || texte.back() == QLatin1Char(' ');
            ajout += capitale ? MajusculeInterface(grappe[k]) : grappe[k];
        }
        if (!Tient(texte + ajout, limite))
            break;
        texte += ajout;
    }
    return texte;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int nombre = argc > 1 ? QString(argv[1]).toInt() : 100000;
    QRandomGenerator hasard(argc > 2 ? QString(argv[2]).toUInt() : 23);
    FausseFenetre jeu;
    FinDePartie(jeu, QStringLiteral("Cinéma"), QStringLiteral("30"));
    FauxMagasin magasin;
    Enregistre dialogue(jeu, magasin);
    QTextStream sortie(stdout);
    int fautes = 0;
    for (int n = 0; n < nombre; ++n) {
        const QString colle = NomHostile(hasard);
        for (const char *nomZone : {"Prenom", "Nom"}) {
            auto *zone = Enfant<ZoneSaisie>(&dialogue, QLatin1String(nomZone));
            zone->clear();
            QGuiApplication::clipboard()->setText(colle);
            zone->Coller();
            const QString attendu = Attendu(colle, nomZone[0] == 'P');
            if (zone->text() == attendu)
                continue;
            if (++fautes <= 8)
                sortie << nomZone << " : « " << colle << " » donne « " << zone->text()
                       << " » au lieu de « " << attendu << " »\n";
        }
    }
    sortie << fautes << " collages faux sur " << 2 * nombre << " (" << nombre
           << " noms, dans Prenom et dans Nom)\n";
    return 0;
}
