#pragma once
#include "DimensionsPlateau.h"
#include "OperationsFenetre.h"
#include "Series.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <stdexcept>

namespace kalvoro {

// Fausse fenêtre Jeu : elle tient l'état visible de chaque contrôle comme le ferait la vraie,
// note ce qu'on lui demande, et laisse le test répondre aux boîtes de message.
class FausseFenetre : public OperationsFenetre {
public:
    // Ce que montre une cellule : rien (bouton nu, au démarrage), le dos, ou une face.
    enum class Image { Aucune, Dos, Face };

    struct Cellule {
        Image image = Image::Aucune;
        int numeroCarte = 0; // pour une face
        int serie = 0;       // pour une face
        bool active = false;
        bool visible = true;
    };

    struct Entree {
        QString nom;
        int numero = 0;
    };

    struct Boite {
        QString titre;
        QString texte;
    };

    // Ce que montrait la fenêtre au moment où Enregistre s'est ouvert.
    struct OuvertureEnregistre {
        QString scoreEnCours;
        QString texteListeJeux;
        bool listeJeuxActive = false;
    };

    // --- L'état des contrôles ---
    std::array<Cellule, 49> Cellules{}; // indice 0 inutilisé
    QList<Entree> ListeJeux;
    QList<Serie> SeriesJoueur; // celles que RemplirListeJeux a reçues après les six
    int IndexChoisi = -1;      // -1 : rien de choisi, le texte de la liste est vide
    bool ListeJeuxActive = true;
    TaillePlateau Taille = TailleClassique; // celle que le joueur a choisie
    QString ScoreEnCours;
    QString MeilleurScore;
    bool AnnulerActif = false;
    bool MinuterieEnMarche = false;

    // --- Les compteurs et journaux ---
    int FocusApresCarte = 0; // nombre de fois que le focus a été placé après une carte
    int Repeintes = 0;       // nombre d'appels à Repeindre
    int DemarragesMinuterie = 0;
    QList<Boite> Boites;                        // chaque boîte Oui/Non montrée, dans l'ordre
    QList<OuvertureEnregistre> Enregistrements; // chaque ouverture d'Enregistre
    QList<Joueur> Joueurs;                      // ceux de la prochaine partie ; vide : seul
    int Rejouees = 0;
    int FacesSurCarteAbsente = 0; // faces montrées sur une face visible ou une cellule cachée

    // --- Ce que le test programme ---
    int Reponse = ReponseNon;                // réponse rendue par QuestionOuiNon
    std::function<void()> PendantQuestion;   // joué pendant que la boîte est ouverte
    std::function<void()> PendantEnregistre; // joué pendant qu'Enregistre est ouvert
    std::function<void()> PendantRepeindre;  // une fenêtre qui traiterait ses événements ici

    // Choisit l'entrée de ce nom comme le ferait le joueur (sans prévenir la logique).
    void Choisir(const QString &nom)
    {
        IndexChoisi = -1;
        for (int k = 0; k < ListeJeux.size(); ++k)
            if (ListeJeux[k].nom == nom)
                IndexChoisi = k;
    }

    const Cellule &Case(int i) const { return Cellules[static_cast<std::size_t>(i)]; }

    // Vrai si les cellules du plateau choisi (48 au classique) vérifient la condition.
    bool Toutes(const std::function<bool(const Cellule &)> &condition) const
    {
        for (int i = 1; i <= Taille.Cellules(); ++i)
            if (!condition(Case(i)))
                return false;
        return true;
    }

    // Les cellules qui montrent une face, dans l'ordre.
    QList<int> FacesVisibles() const
    {
        QList<int> faces;
        for (int i = 1; i <= 48; ++i)
            if (Case(i).image == Image::Face)
                faces.append(i);
        return faces;
    }

    // Les cellules du plateau choisi qui montrent leur dos, dans l'ordre.
    QList<int> CellulesDeDos() const
    {
        QList<int> dos;
        for (int i = 1; i <= Taille.Cellules(); ++i)
            if (Case(i).visible && Case(i).image != Image::Face)
                dos.append(i);
        return dos;
    }

    // --- OperationsFenetre ---
    void AfficherFace(int cellule, int numeroCarte, const Serie &serie) override
    {
        Cellule &c = Ecrire(cellule);
        FacesSurCarteAbsente += c.image == Image::Face || !c.visible;
        c.image = Image::Face;
        c.numeroCarte = numeroCarte;
        c.serie = serie.Numero;
    }
    void AfficherDos(int cellule) override
    {
        Cellule &c = Ecrire(cellule);
        c.image = Image::Dos;
        c.numeroCarte = 0;
        c.serie = 0;
    }
    void ActiverCellule(int cellule, bool actif) override { Ecrire(cellule).active = actif; }
    void MontrerCellule(int cellule, bool visible) override { Ecrire(cellule).visible = visible; }
    // Un plateau gelé se note comme des cellules désactivées : aucune ne prend de carte.
    void GelerPlateau(bool gele) override
    {
        for (int i = 1; i <= Taille.Cellules(); ++i)
            Ecrire(i).active = !gele;
    }

    void AjouterSerie(const QString &nom, int numero) override { ListeJeux.append({nom, numero}); }
    QString TexteListeJeux() const override
    {
        return IndexChoisi < 0 ? QString() : ListeJeux[IndexChoisi].nom;
    }
    int NumeroSerieChoisie() const override
    {
        return IndexChoisi < 0 ? 0 : ListeJeux[IndexChoisi].numero;
    }
    const Serie *SerieChoisie() const override
    {
        return SerieDeLEntree(NumeroSerieChoisie(), SeriesJoueur);
    }
    void ActiverListeJeux(bool actif) override { ListeJeuxActive = actif; }
    TaillePlateau TailleChoisie() const override { return Taille; }

    void EcrireScoreEnCours(const QString &texte) override { ScoreEnCours = texte; }
    QString LireScoreEnCours() const override { return ScoreEnCours; }
    void EcrireMeilleurScore(const QString &texte) override { MeilleurScore = texte; }

    void ActiverAnnuler(bool actif) override { AnnulerActif = actif; }
    void DonnerFocusApresCarte() override { ++FocusApresCarte; }

    void DemarrerMinuterie() override
    {
        MinuterieEnMarche = true;
        ++DemarragesMinuterie;
    }
    void ArreterMinuterie() override { MinuterieEnMarche = false; }

    void Repeindre() override
    {
        ++Repeintes;
        if (PendantRepeindre)
            PendantRepeindre();
    }

    int QuestionOuiNon(const QString &titre, const QString &texte) override
    {
        Boites.append({titre, texte});
        if (PendantQuestion)
            PendantQuestion();
        return Reponse;
    }

    void OuvrirEnregistre() override
    {
        Enregistrements.append({ScoreEnCours, TexteListeJeux(), ListeJeuxActive});
        if (PendantEnregistre)
            PendantEnregistre();
    }

    QList<Joueur> JoueursChoisis() const override { return Joueurs; }
    void MontrerTablee(const Tablee &, std::optional<bool>) override {}
    void RejouerMemeSerie() override { ++Rejouees; }

private:
    // Une cellule hors du plateau choisi est une faute de la logique : le test doit échouer net.
    Cellule &Ecrire(int cellule)
    {
        if (cellule < 1 || cellule > Taille.Cellules())
            throw std::out_of_range("cellule hors du plateau");
        return Cellules[static_cast<std::size_t>(cellule)];
    }
};

} // namespace kalvoro
