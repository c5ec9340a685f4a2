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

// Échec d'une opération sur Scores.dat. Le message est en français et dit quoi, quel
// fichier et pourquoi ; l'appelant l'affiche et termine le programme, sauf quand le fichier
// est seulement occupé par un autre programme : cet état passe, le joueur peut réessayer.
class ErreurScores : public std::exception {
public:
    enum class Nature { Autre, Occupe };

    explicit ErreurScores(QString texte, Nature nature = Nature::Autre)
        : message(std::move(texte)), utf8(message.toUtf8()), sorte(nature)
    {
    }
    const QString &Message() const { return message; }
    bool Occupe() const { return sorte == Nature::Occupe; }
    const char *what() const noexcept override { return utf8.constData(); }

private:
    QString message;
    QByteArray utf8;
    Nature sorte;
};

// Le seul chemin vers les tables de scores. Les séries sont désignées par leur nom exact
// (l'une des six, accents compris) ; tout autre nom est une erreur. Toutes les opérations
// peuvent lever ErreurScores.
class MagasinScores {
public:
    virtual ~MagasinScores() = default;

    // SCORE de la première ligne du classement, en texte simple ("30") ; "" si la table est vide.
    virtual QString LireMeilleurScore(const QString &serie) = 0;

    // SCORE de la dernière ligne du classement : la dixième au plus, seules les dix
    // meilleures lignes comptant (celles que montre la visionneuse).
    virtual int LirePlusMauvaisScore(const QString &serie) = 0;

    // Compare score au plus mauvais (ci-dessus) et, s'il est strictement meilleur, écrase la
    // dernière ligne de la table en place ; le tout dans une seule transaction. Rend ce qui a
    // été fait.
    virtual Classement RemplacerPlusMauvais(const QString &serie, const QString &nom,
                                            const QString &prenom, int score,
                                            const QDate &date) = 0;

    // Les lignes de la série, de la meilleure à la plus mauvaise.
    virtual QList<LigneScore> ListerScores(const QString &serie) = 0;
};

} // namespace kalvoro
