#include "FichiersSerie.h"
#include "Descripteur.h"
#include "SeriesDuJoueur.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>

namespace kalvoro {

namespace {

constexpr qint64 AgeRestes = 10 * 60;

} // namespace

void EcrireFichier(const QString &chemin, const QByteArray &contenu)
{
    QSaveFile fichier(chemin);
    // commit() ne voit pas l'échec du vidage d'un petit tampon (disque plein, Qt 6.4) : il
    // remplacerait l'ancien fichier par un fichier vide. Le tampon est vidé et l'erreur lue
    // avant ; en cas d'échec, l'ancien fichier reste tel qu'il était.
    const bool ecrit = fichier.open(QIODevice::WriteOnly) &&
                       fichier.write(contenu) == contenu.size() && fichier.flush() &&
                       fichier.error() == QFileDevice::NoError;
    if (!ecrit)
        fichier.cancelWriting();
    if (!ecrit || !fichier.commit())
        throw ErreurSerie(SeriesDuJoueur::tr("Impossible d'écrire le fichier %1 : %2")
                              .arg(QDir::toNativeSeparators(chemin), fichier.errorString()));
}

void RenommerChemin(const QString &source, const QString &cible)
{
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(cible).constData()))
        throw ErreurSerie(SeriesDuJoueur::tr("Impossible de renommer %1 en %2 : %3")
                              .arg(QDir::toNativeSeparators(source),
                                   QDir::toNativeSeparators(cible), qt_error_string(errno)));
}

void RetirerRestes(const QString &dossier)
{
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-AgeRestes);
    const QStringList motifs{QStringLiteral(".creation-*"), QStringLiteral(".suppression-*")};
    const QDir repertoire(dossier);
    for (const QFileInfo &reste :
         repertoire.entryInfoList(motifs, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        if (!reste.isSymLink() && reste.lastModified().toUTC() < limite)
            QDir(reste.absoluteFilePath()).removeRecursively();
}

} // namespace kalvoro
