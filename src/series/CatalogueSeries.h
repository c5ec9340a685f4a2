#pragma once
#include "ImagesSerie.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

namespace kalvoro {

// Échec d'une opération sur les séries du joueur ; le message, en français, dit quoi et pourquoi.
class ErreurSerie : public std::exception {
public:
    explicit ErreurSerie(QString texte) : message(std::move(texte)), utf8(message.toUtf8()) {}
    const QString &Message() const { return message; }
    const char *what() const noexcept override { return utf8.constData(); }

private:
    QString message;
    QByteArray utf8;
};

// Une série du joueur telle qu'elle est sur le disque.
struct SerieJoueur {
    QString id;         // le nom de son dossier, choisi par le programme, jamais par le joueur
    QString nom;        // le nom que le joueur lui a donné
    QStringList images; // les chemins absolus de ses images, dans l'ordre
    QStringList noms;   // le nom de chaque image, dans le même ordre
    QString scores;     // le chemin du fichier de ses meilleurs scores, dans son dossier
};

// Le dossier des séries du joueur : DossierDonneesJoueur()/Kalvoro/series.
QString DossierSeries();

// Les séries du joueur, chacune dans un dossier à elle : ses images en PNG, un petit fichier
// qui la décrit (son nom, le nom de chaque image) et le fichier de ses scores. Le texte du
// joueur n'est jamais un nom de fichier : les dossiers et les images portent des noms choisis
// par le programme.
class CatalogueSeries {
    Q_DECLARE_TR_FUNCTIONS(CatalogueSeries)
public:
    explicit CatalogueSeries(QString dossier = DossierSeries());

    // Les séries complètes, par nom ; une série abîmée ou à moitié écrite n'est pas listée.
    QList<SerieJoueur> Lister() const;

    // Écrit le fichier de scores vide d'une nouvelle série à ce chemin ; lève en cas d'échec.
    using CreateurScores = std::function<void(const QString &chemin)>;

    // Crée la série dans un dossier provisoire, puis le renomme d'un coup : une série existe
    // entière ou pas du tout. Lève ErreurSerie ; rien ne reste alors sur le disque.
    SerieJoueur Creer(const QString &nom, const QList<ImageLue> &images,
                      const CreateurScores &creerScores);
    void Renommer(const QString &id, const QString &nom);
    // Retire la série, ses images et ses scores.
    void Supprimer(const QString &id);

private:
    QString dossier;
};

} // namespace kalvoro
