#pragma once
// Outils communs des tests du magasin : une copie de travail du Scores.dat livré dans un
// dossier temporaire (le fichier livré n'est jamais touché), et le shell sqlcipher pour
// préparer ou relire une copie de l'extérieur, comme le ferait un autre programme.
#include "MagasinScores.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace kalvoro {
// Pour que QCOMPARE montre les lignes qui diffèrent.
inline char *toString(const LigneScore &ligne)
{
    return QTest::toString(QStringLiteral("%1|%2|%3|%4")
                               .arg(ligne.NOM, ligne.PRENOM, ligne.DATE.toString(Qt::ISODate))
                               .arg(ligne.SCORE));
}
} // namespace kalvoro

namespace essai {

inline const QString MotDePasse = QStringLiteral(KALVORO_MOT_DE_PASSE_ESSAI);

struct Sortie {
    int Code = -1;
    QString Texte;
    QString Erreur;
};

// Lance le shell sqlcipher sur fichier ; la clé est donnée avant tout le reste, si non vide,
// au format de SQLCipher 3 comme le programme, et sans le "ok" que SQLCipher 4 lui répond.
inline Sortie Shell(const QString &fichier, const QString &sql, const QString &cle = MotDePasse)
{
    QStringList arguments{QStringLiteral("-batch"), QStringLiteral("-bail")};
    if (!cle.isEmpty())
        arguments << QStringLiteral("-cmd") << QStringLiteral(".output /dev/null")
                  << QStringLiteral("-cmd")
                  << QStringLiteral("PRAGMA key = '%1'; PRAGMA cipher_compatibility = 3; "
                                    "PRAGMA cipher_log_level = NONE;")
                         .arg(cle)
                  << QStringLiteral("-cmd") << QStringLiteral(".output stdout");
    arguments << fichier;
    QProcess shell;
    shell.start(QStringLiteral(KALVORO_SQLCIPHER), arguments);
    shell.write(sql.toUtf8());
    shell.closeWriteChannel();
    shell.waitForFinished(60000);
    return {shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1,
            QString::fromUtf8(shell.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(shell.readAllStandardError()).trimmed()};
}

inline QByteArray Octets(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

inline QString ScoresLivres()
{
    return qEnvironmentVariable("KALVORO_DOSSIER") + QStringLiteral("/Scores.dat");
}

// Une copie du Scores.dat livré, détruite avec l'objet.
class Copie {
public:
    Copie() { Prete = QFile::copy(ScoresLivres(), Chemin()); }

    bool Prete = false;
    QString Dossier() const { return dossier.path(); }
    QString Chemin() const { return dossier.filePath(QStringLiteral("Scores.dat")); }
    // Là où les essais posent le fichier d'une série du joueur, à côté de la copie.
    QString SerieJoueur() const { return dossier.filePath(QStringLiteral("serie.dat")); }

    // Exécute du SQL sur la copie avec la clé ; vide si tout va bien, sinon le message du shell.
    QString Sql(const QString &sql) const
    {
        const Sortie sortie = Shell(Chemin(), sql);
        return sortie.Code == 0 ? sortie.Erreur : sortie.Erreur + QStringLiteral(" (échec)");
    }

    // Remplace les lignes d'une table par ces scores, dans cet ordre d'insertion ; noms
    // "NOM1", "NOM2"... pour reconnaître chaque ligne.
    QString Remplir(const QString &serie, const QList<int> &scores) const
    {
        QString sql = QStringLiteral("BEGIN; DELETE FROM \"%1\";").arg(serie);
        for (int k = 0; k < scores.size(); ++k)
            sql += QStringLiteral("INSERT INTO \"%1\" (NOM, PRENOM, DATE, SCORE) VALUES ('NOM%2', "
                                  "'Prénom%2', '2000-04-%3', "
                                  "%4);")
                       .arg(serie)
                       .arg(k + 1)
                       .arg(k + 10)
                       .arg(scores[k]);
        return Sql(sql + QStringLiteral("COMMIT;"));
    }

private:
    QTemporaryDir dossier;
};

} // namespace essai
