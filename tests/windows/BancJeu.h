#pragma once
// Un Jeu de test : magasin en mémoire, donne forcée, dossier et date de l'exécutable choisis,
// échecs fatals notés au lieu de terminer le programme.
#include "EchecFatal.h"
#include "FauxStock.h"
#include "Jeu.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

namespace kalvoro {

inline QString DossierDeTest()
{
    return qEnvironmentVariable("KALVORO_DOSSIER") + QLatin1Char('/');
}

struct BancJeu {
    FauxStock *stock = nullptr; // appartient au Jeu
    QStringList cheminsOuverts;
    QStringList echecs;
    std::unique_ptr<Jeu> jeu;

    // x = 0 à chaque tirage : la donne est Tableau(k) = k, les paires sont k et k + 24.
    explicit BancJeu(FabriqueStock fabrique = {}, OriginesJeu origines = OriginesParDefaut())
    {
        RemplacerReactionEchecFatal(
            [this](QWidget *, const QString &message) { echecs << message; });
        if (!fabrique)
            fabrique = [this](const QString &chemin) -> std::unique_ptr<StockScores> {
                cheminsOuverts << chemin;
                auto faux = std::make_unique<FauxStock>();
                faux->Remplir(QStringLiteral("Animaux"), {45, 30, 60});
                for (const QString nom : {"Cinéma", "Disney", "Formes", "Smileys", "Toons"})
                    faux->Remplir(nom, {50});
                stock = faux.get();
                return faux;
            };
        jeu = std::make_unique<Jeu>(
            std::move(fabrique), [] { return 0.0f; }, std::move(origines));
    }
    ~BancJeu() { RemplacerReactionEchecFatal({}); }

    static OriginesJeu OriginesParDefaut()
    {
        return {DossierDeTest(),
                [] { return std::optional(QDateTime(QDate(2000, 4, 16), QTime(13, 47, 2))); }};
    }

    // Le démarrage du programme : Form_Load, puis la fenêtre affichée.
    bool Demarrer() const
    {
        if (!jeu->Form_Load())
            return false;
        jeu->show();
        return QTest::qWaitForWindowExposed(jeu.get());
    }

    template <class T> T *Controle(const QString &nom) const
    {
        T *controle = jeu->findChild<T *>(nom);
        if (!controle)
            qFatal("contrôle introuvable : %s", qPrintable(nom));
        return controle;
    }
    QPushButton *Cellule(int i) const
    {
        return Controle<QPushButton>(QStringLiteral("Bouton%1").arg(i));
    }

    // Le choix d'une série comme un joueur : la liste déroulée, l'entrée désignée, Entrée.
    void ChoisirSerie(int numero) const
    {
        auto *liste = Controle<QComboBox>(QStringLiteral("ListeJeux"));
        liste->showPopup();
        QAbstractItemView *vue = liste->view();
        vue->setCurrentIndex(vue->model()->index(numero - 1, 0));
        QTest::keyClick(vue, Qt::Key_Return);
    }
};

} // namespace kalvoro
