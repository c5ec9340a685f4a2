#include "MorceauxAide.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace kalvoro {

namespace {

QString TexteSimple(const QString &html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// Le titre du document : son <h1>, ou à défaut son <title>.
QString TitreDocument(const QString &html)
{
    static const QRegularExpression titre(
        QStringLiteral("<h1[^>]*>(.*?)</h1>|<title>(.*?)</title>"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch trouve = titre.match(html);
    return TexteSimple(trouve.captured(1).isEmpty() ? trouve.captured(2) : trouve.captured(1));
}

} // namespace

QList<MorceauAide> DecouperAide(const QString &html)
{
    static const QRegularExpression section(
        QStringLiteral("<h2[^>]*>\\s*<a name=\"([^\"]+)\"></a>(.*?)</h2>"),
        QRegularExpression::DotMatchesEverythingOption);
    const qsizetype corps = html.indexOf(QLatin1String("<body"));
    const qsizetype debutCorps = corps < 0 ? 0 : html.indexOf(QLatin1Char('>'), corps) + 1;
    const QString tete = html.left(debutCorps);
    const QString fin = QStringLiteral("</body></html>");
    QList<QRegularExpressionMatch> titres;
    for (auto it = section.globalMatch(html, debutCorps); it.hasNext();)
        titres << it.next();
    const qsizetype finOuverture = titres.isEmpty() ? html.size() : titres.first().capturedStart();
    QList<MorceauAide> morceaux{{QString(), TitreDocument(html),
                                 tete + html.mid(debutCorps, finOuverture - debutCorps) + fin}};
    for (qsizetype k = 0; k < titres.size(); ++k) {
        const qsizetype debut = titres[k].capturedStart();
        const qsizetype suite = k + 1 < titres.size() ? titres[k + 1].capturedStart()
                                                      : html.indexOf(QLatin1String("</body>"));
        morceaux.append({titres[k].captured(1), TexteSimple(titres[k].captured(2)),
                         tete + html.mid(debut, (suite < 0 ? html.size() : suite) - debut) + fin});
    }
    return morceaux;
}

} // namespace kalvoro
