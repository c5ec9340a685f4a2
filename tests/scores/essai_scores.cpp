// Programme d'essai lancé par les tests du magasin dans un processus à part : il inscrit une
// suite de scores comme le ferait un exemplaire du jeu, et annonce chaque inscription terminée
// sur sa sortie, sans tampon, pour qu'un test qui le tue sache ce qui a été validé.
//
//   essai_scores <Scores.dat> <série> <préfixe du nom> <score>[,<score>...]
//
// Une série "serie:<id>" désigne une série du joueur : le fichier est alors le sien.
// Chaque ligne annoncée : "<score> <Inscrit|Egal|PlusMauvais>". Sortie 2 et message sur
// l'erreur standard si le magasin refuse.
#include "MagasinSqlcipher.h"
#include "ScoresSerie.h"
#include "Series.h"

#include <QStringList>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace kalvoro;

namespace {

const char *Nom(Classement classement)
{
    switch (classement) {
    case Classement::Inscrit:
        return "Inscrit";
    case Classement::Egal:
        return "Egal";
    case Classement::PlusMauvais:
        return "PlusMauvais";
    }
    return "?";
}

// write() direct : rien ne reste dans un tampon du processus quand il est tué.
void Annoncer(int score, Classement classement)
{
    const QByteArray ligne = QByteArray::number(score) + ' ' + Nom(classement) + '\n';
    if (write(STDOUT_FILENO, ligne.constData(), size_t(ligne.size())) < 0)
        _exit(3);
}

// Un fichier occupé au-delà du court délai d'attente du magasin : l'essai réessaie, comme le
// joueur à qui le jeu propose Réessayer (à l'ouverture comme à l'inscription).
template <typename Operation> auto Reessayer(Operation operation)
{
    for (int essai = 1;; ++essai) {
        try {
            return operation();
        } catch (const ErreurScores &erreur) {
            if (!erreur.Occupe() || essai == 100)
                throw;
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fputs("usage : essai_scores <Scores.dat> <série> <préfixe> <scores>\n", stderr);
        return 1;
    }
    const QString serie = QString::fromUtf8(argv[2]);
    const QString prefixe = QString::fromUtf8(argv[3]);
    try {
        const QString chemin = QString::fromLocal8Bit(argv[1]);
        const auto base = Reessayer([&]() -> std::unique_ptr<MagasinScores> {
            if (IdDuPalmares(serie).isEmpty())
                return std::make_unique<MagasinSqlcipher>(chemin);
            return OuvrirScoresSerie(chemin);
        });
        for (const QString &texte : QString::fromUtf8(argv[4]).split(QLatin1Char(','))) {
            const int score = texte.toInt();
            Annoncer(score, Reessayer([&] {
                         return base->RemplacerPlusMauvais(
                             serie, prefixe + QLatin1Char(' ') + texte, QStringLiteral("Essai"),
                             score, QDate(2026, 1, 1));
                     }));
        }
    } catch (const ErreurScores &erreur) {
        std::fprintf(stderr, "%s\n", erreur.what());
        return 2;
    }
    return 0;
}
