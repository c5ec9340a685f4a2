#pragma once
#include "ImagesSerie.h"
#include "MagasinAvecSeries.h"
#include "ScoresSerie.h"
#include "Series.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>

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

// Le dossier des séries du joueur : DossierDonneesJoueur()/Kalvoro/series.
QString DossierSeries();

// Les séries du joueur, et le seul code qui touche à leurs dossiers. Chacune a le sien : ses
// images en PNG, un petit fichier qui la décrit (son nom, le nom de chaque image) et le fichier
// de ses meilleurs scores. Le texte du joueur n'est jamais un nom de fichier : les dossiers et
// les images portent des noms choisis par le programme. Les fenêtres lui demandent la liste,
// la création, le renommage, la suppression et les scores ; elles ne voient que des Serie.
class SeriesDuJoueur {
    Q_DECLARE_TR_FUNCTIONS(SeriesDuJoueur)
public:
    explicit SeriesDuJoueur(QString dossier = DossierSeries());
    ~SeriesDuJoueur();
    SeriesDuJoueur(const SeriesDuJoueur &) = delete;
    SeriesDuJoueur &operator=(const SeriesDuJoueur &) = delete;

    // Les séries lues au dernier Relire(), par nom : ce que montrent les listes.
    const QList<Serie> &Liste() const { return liste; }
    // Relit le dossier, au démarrage et après une création.
    const QList<Serie> &Relire();
    // Les séries complètes sur le disque, par nom ; une série abîmée ou à moitié écrite n'est
    // pas listée.
    QList<Serie> Lister() const;

    // Écrit le fichier de scores vide d'une nouvelle série à ce chemin ; lève en cas d'échec.
    using CreateurScores = std::function<void(const QString &chemin)>;

    // Crée la série, images et fichier des scores, dans un dossier provisoire, puis le renomme
    // d'un coup : une série existe entière ou pas du tout. Lève ErreurSerie ; rien ne reste
    // alors sur le disque. Sûre depuis un autre fil : elle ne touche ni à la liste ni aux
    // scores ouverts ; Relire() fait ensuite paraître la série.
    Serie Creer(const QString &nom, const QList<ImageLue> &images,
                const CreateurScores &creerScores = &CreerScoresSerie) const;
    // Change une série faite : son nom, ses images dans l'ordre donné (gardées, nouvelles,
    // renommées ; celles qui n'y sont plus sont retirées). Une image gardée (sa `source` est un
    // fichier de la série) reste dans son fichier ; une nouvelle s'écrit dans un fichier neuf ;
    // puis la description, qui fait la série, est remplacée d'un coup (fichier provisoire
    // renommé). Lève ErreurSerie (moins de MinimumImagesSerie images, disque plein…) : la série
    // reste alors telle qu'elle était. Son fichier de scores n'est pas touché. Sûre depuis un
    // autre fil, comme Creer ; Relire() fait ensuite paraître le changement.
    Serie Modifier(const QString &id, const QString &nom, const QList<ImageLue> &images) const;
    // Vrai si une autre série, des six ou du joueur (hors `sauf`), porte déjà ce nom, sans
    // égard à la casse : deux séries du même nom ne se distingueraient nulle part.
    bool NomPris(const QString &nom, const QString &sauf = {}) const;
    // Renomme la série ; la liste est relue. Un nom déjà pris est refusé (ErreurSerie).
    void Renommer(const QString &id, const QString &nom);
    // Retire la série, ses images et ses scores, son fichier de scores d'abord refermé ; la
    // liste est relue.
    void Supprimer(const QString &id);

    // Le magasin du programme : `six` (Scores.dat) pour les six séries, et le fichier de chaque
    // série du joueur, ouvert à sa première lecture. Ces séries-ci en restent les maîtresses :
    // une série supprimée ici voit son fichier refermé là.
    std::unique_ptr<MagasinScores> AvecLesSix(std::unique_ptr<MagasinScores> six);

private:
    QString CheminScores(const QString &id) const;
    MagasinAvecSeries::EtatSerie Etat(const QString &id) const;

    QString dossier;
    QList<Serie> liste;
    MagasinAvecSeries *magasin = nullptr; // celui qu'a rendu AvecLesSix, s'il y en a un
};

} // namespace kalvoro
