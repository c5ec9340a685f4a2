#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <exception>

namespace kalvoro {

// Une ligne d'une table de scores.
// Les longueurs des noms, en caractères : celles des champs NOM et PRENOM des tables, que le
// magasin fait respecter et que le dialogue de saisie ne laisse pas dépasser.
inline constexpr int LongueurNom = 25;
inline constexpr int LongueurPrenom = 20;

struct LigneScore {
    QString NOM;    // LongueurNom caractères au plus (voir Caracteres.h)
    QString PRENOM; // LongueurPrenom caractères au plus
    QDate DATE;
    int SCORE = 0;

    bool operator==(const LigneScore &) const = default;
};

// Ce qu'a donné une inscription : écrite, ou refusée (égale ou plus mauvaise que la dernière).
enum class Classement { Inscrit, Egal, PlusMauvais };

// Échec d'une opération sur un fichier de scores. Le message est en français et dit quoi, quel
// fichier (ou quelle série) et pourquoi. Ce qu'en fait l'appelant dépend de sa nature :
// - Occupe : le fichier est tenu par un autre programme ; cela passe, le joueur peut réessayer ;
// - SerieJoueur : les scores d'une série du joueur (effacée, abîmée, disque plein) ; le joueur
//   l'apprend et le jeu continue, sans ces scores ;
// - Autre : Scores.dat lui-même ; le programme le dit et s'arrête.
class ErreurScores : public std::exception {
public:
    enum class Nature { Autre, Occupe, SerieJoueur };

    explicit ErreurScores(QString texte, Nature nature = Nature::Autre)
        : message(std::move(texte)), utf8(message.toUtf8()), sorte(nature)
    {
    }
    const QString &Message() const { return message; }
    bool Occupe() const { return sorte == Nature::Occupe; }
    bool DUneSerieDuJoueur() const { return sorte == Nature::SerieJoueur; }
    const char *what() const noexcept override { return utf8.constData(); }

private:
    QString message;
    QByteArray utf8;
    Nature sorte;
};

// Le seul chemin vers les meilleurs scores. Chaque série y est désignée par son palmarès
// (Serie::Palmares) : le nom exact de l'une des six (accents compris), qui est celui de sa table
// dans Scores.dat, ou la clé d'une série du joueur, qui mène à son propre fichier. Un palmarès
// qu'aucun fichier ne tient est une erreur. Toutes les opérations peuvent lever ErreurScores.
class MagasinScores {
public:
    virtual ~MagasinScores() = default;

    // SCORE de la première ligne du classement, en texte simple ("30") ; "" si la table est vide.
    virtual QString LireMeilleurScore(const QString &palmares) = 0;

    // SCORE de la dernière ligne du classement : la dixième au plus, seules les dix
    // meilleures lignes comptant (celles que montre la visionneuse).
    virtual int LirePlusMauvaisScore(const QString &palmares) = 0;

    // Compare score au plus mauvais (ci-dessus) et, s'il est strictement meilleur, l'inscrit :
    // dans Scores.dat, dont les tables ont toujours dix lignes, il écrase la dernière en place ;
    // une table d'une série du joueur reçoit une ligne de plus tant qu'elle en a moins de dix.
    // Le tout dans une seule transaction. Rend ce qui a été fait.
    virtual Classement RemplacerPlusMauvais(const QString &palmares, const QString &nom,
                                            const QString &prenom, int score,
                                            const QDate &date) = 0;

    // Les lignes du palmarès, de la meilleure à la plus mauvaise.
    virtual QList<LigneScore> ListerScores(const QString &palmares) = 0;
};

} // namespace kalvoro
