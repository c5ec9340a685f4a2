#pragma once
// Un Jeu de test : magasin en mémoire, donne forcée, dossier et date de l'exécutable choisis,
// échecs fatals notés au lieu de terminer le programme.
#include "Controles.h"
#include "EchecFatal.h"
#include "FauxMagasin.h"
#include "Jeu.h"
#include "Polices.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <memory>

namespace kalvoro {

inline QString DossierDeTest()
{
    return qEnvironmentVariable("KALVORO_DOSSIER") + QLatin1Char('/');
}

struct BancJeu {
    // Le dossier des séries du joueur, vide et propre à ce banc : jamais celui de la machine.
    QTemporaryDir series;
    FauxMagasin *magasin = nullptr; // appartient au Jeu
    QStringList cheminsOuverts;
    QStringList echecs;
    std::unique_ptr<Jeu> jeu;

    // x = 0 à chaque tirage : la donne est Tableau(k) = k, les paires sont k et k + 24.
    explicit BancJeu(FabriqueMagasin fabrique = {}, OriginesJeu origines = OriginesParDefaut())
    {
        // Les polices que le programme substitue au démarrage, avant de construire Jeu.
        InstallerSubstitutionsPolices();
        RemplacerReactionEchecFatal(
            [this](QWidget *, const QString &message) { echecs << message; });
        if (!fabrique)
            fabrique = [this](const QString &chemin) -> std::unique_ptr<MagasinScores> {
                cheminsOuverts << chemin;
                auto faux = std::make_unique<FauxMagasin>();
                faux->Remplir(QStringLiteral("Animaux"), {45, 30, 60});
                for (const QString nom : {"Cinéma", "Disney", "Formes", "Smileys", "Toons"})
                    faux->Remplir(nom, {50});
                magasin = faux.get();
                return faux;
            };
        if (origines.dossierSeries.isEmpty())
            origines.dossierSeries = series.path();
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

    template <class T> T *Controle(const QString &nom) const { return Enfant<T>(jeu.get(), nom); }
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
        // Entrée referme la liste sur son choix : l'événement ne revient pas « accepté », ce que
        // QTest::keyClick prendrait pour un échec et signalerait à chaque choix.
        QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(vue, &entree);
    }

    // Le choix de la taille du plateau dans sa liste, comme aux flèches.
    void ChoisirTaille(TaillePlateau taille) const
    {
        auto *liste = Controle<QComboBox>(QStringLiteral("ListeTailles"));
        liste->setCurrentIndex(liste->findData(taille.Code()));
        emit liste->activated(liste->currentIndex());
    }

    void Cliquer(int i) const { QTest::mouseClick(Cellule(i), Qt::LeftButton); }

    // Un tic de la minuterie "Minuterie" de la fenêtre, sans attendre ses 100 ms : il passe par
    // le QTimer lui-même, et n'a donc lieu que si le jeu l'a démarré. Rend false sinon.
    bool Tic() const
    {
        auto *minuterie = Controle<QTimer>(QStringLiteral("Minuterie"));
        if (!minuterie->isActive())
            return false;
        QTimerEvent tic(minuterie->timerId());
        QCoreApplication::sendEvent(minuterie, &tic);
        return true;
    }

    // Les tics jusqu'à la fin de la pause en cours, dont les fenêtres modales de la fin de
    // partie ; rend leur nombre (une pause qui ne finit pas s'arrête à 100).
    int TicsJusquALaFinDeLaPause() const
    {
        int tics = 0;
        while (jeu->LaPartie().EnPause() && tics < 100 && Tic())
            ++tics;
        return tics;
    }

    // Un tour : deux cartes cliquées, puis la pause jouée par la minuterie ; rend ses tics.
    int JouerTour(int premiere, int seconde) const
    {
        Cliquer(premiere);
        Cliquer(seconde);
        return TicsJusquALaFinDeLaPause();
    }

    // Une partie entière sur la donne forcée : d'abord `rates` tours manqués (cartes 1 et 2),
    // puis les 24 paires k et k + 24 ; le score est 24 + rates. Rend false dès qu'un tour ne
    // finit pas au 8e tic.
    bool JouerPartie(int rates = 0) const
    {
        for (int tour = 0; tour < rates; ++tour)
            if (JouerTour(1, 2) != 8)
                return false;
        for (int k = 1; k <= 24; ++k)
            if (JouerTour(k, k + 24) != 8)
                return false;
        return true;
    }
};

} // namespace kalvoro
