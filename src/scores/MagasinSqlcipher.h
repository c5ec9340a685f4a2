#pragma once
#include "MagasinScores.h"
#include "ModeleScores.h"

#include <QByteArray>
#include <QCoreApplication>
#include <memory>
#include <optional>

namespace kalvoro {

class Connexion;
class Instruction;

// Le magasin des scores sur Scores.dat, fichier SQLCipher chiffré par le mot de passe du
// programme, ou sur le fichier d'une série du joueur, chiffré de même. La connexion est ouverte
// une fois (la dérivation de la clé coûte cher) et gardée jusqu'à la fin ; toutes les opérations
// passent par elle. Le magasin ne crée jamais le fichier, ni une table, sauf celles qui
// manquent à un fichier d'avant les tailles de plateau (ModeleScores::TablesAvantTailles).
// Dans Scores.dat, il ne crée pas non plus de ligne : il lit, et écrase en place la dernière
// ligne du classement ; une table qui se remplit reçoit une ligne par inscription jusqu'à dix.
class MagasinSqlcipher : public MagasinScores {
    Q_DECLARE_TR_FUNCTIONS(MagasinSqlcipher)
public:
    // Ouvre le fichier avec la clé et vérifie qu'il porte les tables du modèle et aucune autre,
    // chacune non vide si elles ne se remplissent pas, ou seulement celles d'avant les tailles,
    // qu'il complète alors. Lève ErreurScores (fichier absent, vide, mot de passe refusé ou
    // fichier endommagé, table manquante ou vide...) ; le fichier n'est alors jamais modifié.
    explicit MagasinSqlcipher(const QString &cheminFichier,
                              const ModeleScores &modeleFichier = ModeleClassique());
    ~MagasinSqlcipher() override;

    QString LireMeilleurScore(const QString &palmares) override;
    int LirePlusMauvaisScore(const QString &palmares) override;
    Classement RemplacerPlusMauvais(const QString &palmares, const QString &nom,
                                    const QString &prenom, int score, const QDate &date) override;
    QList<LigneScore> ListerScores(const QString &palmares) override;

private:
    struct Derniere {
        qint64 Rowid;
        int Score;
    };

    void Ouvrir();
    void VerifierSchema();
    void VerifierTable(const QString &nomTable);
    bool FaitAvantTailles();
    bool ATable(const QString &nom);
    void AjouterTablesDesTailles();
    bool ALesChamps(const QByteArray &table);
    std::optional<Derniere> LireDerniere(const QByteArray &table, const QString &palmares);
    std::optional<int> LireSeuil(const QByteArray &table, const QString &palmares);
    bool PlaceLibre(const QByteArray &table);
    std::optional<Classement> Comparer(const QByteArray &table, const QString &palmares, int score,
                                       const std::optional<Derniere> &derniere);
    Classement Inscrire(const QByteArray &table, const QString &palmares, const LigneScore &ligne);
    void Ecraser(const QByteArray &table, qint64 rowid, const LigneScore &ligne);
    void Ajouter(const QByteArray &table, const LigneScore &ligne);
    int ScoreDe(const Instruction &ligne, int colonne, const QString &palmares) const;

    QString chemin;
    const ModeleScores &modele;
    std::unique_ptr<Connexion> connexion;
};

} // namespace kalvoro
