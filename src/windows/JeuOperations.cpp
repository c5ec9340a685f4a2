// Les opérations que la logique du jeu demande à la fenêtre, réalisées sur les contrôles.
#include "Jeu.h"

#include "Enregistre.h"
#include "NomsImages.h"

#include "Series.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace kalvoro {

namespace {

// Une boîte Oui/Non n'a pas de bouton d'annulation : ni Échap ni sa case de fermeture ne
// répondent à la place du joueur, seuls Oui et Non le font.
class SansEchappement : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Close) {
            evenement->ignore();
            return true;
        }
        if (evenement->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(evenement)->matches(QKeySequence::Cancel))
            return true;
        return QObject::eventFilter(objet, evenement);
    }
};

QString NomCellule(int cellule, const QString &image)
{
    return QStringLiteral("Carte %1, %2").arg(cellule).arg(image);
}

} // namespace

// ---- Le plateau -------------------------------------------------------------------------

const QIcon &Jeu::Icone(const QString &chemin)
{
    auto trouvee = icones.find(chemin);
    if (trouvee == icones.end()) {
        // Une carte sur une cellule désactivée (la pause d'un tour) garde ses vraies couleurs :
        // le mode désactivé reçoit l'image normale au lieu de sa version grisée. Par fichier et
        // non par QPixmap : QIcon prend aussi le @2x livré, net sur un écran dense.
        QIcon icone;
        icone.addFile(chemin, QSize(), QIcon::Normal);
        icone.addFile(chemin, QSize(), QIcon::Disabled);
        trouvee = icones.insert(chemin, icone);
    }
    return *trouvee;
}

void Jeu::AfficherFace(int cellule, int numeroCarte, int serie)
{
    const Serie *laSerie = SerieNumero(serie);
    if (!laSerie || numeroCarte < 1 || numeroCarte > 48)
        return;
    const int face = (numeroCarte - 1) % 24 + 1;
    const QString dossier = QString::fromUtf8(laSerie->Dossier);
    QPushButton *bouton = Bouton.at(cellule);
    bouton->setIcon(Icone(
        QStringLiteral(":/images/%1/%2.png").arg(dossier).arg(face, 2, 10, QLatin1Char('0'))));
    const QString nom = NomImage(dossier, face);
    bouton->setAccessibleName(
        NomCellule(cellule, nom.isEmpty() ? QStringLiteral("face visible") : nom));
}

void Jeu::AfficherDos(int cellule)
{
    Bouton.at(cellule)->setIcon(Icone(QStringLiteral(":/images/dos.png")));
    Bouton.at(cellule)->setAccessibleName(NomCellule(cellule, QStringLiteral("face cachée")));
}

void Jeu::ActiverCellule(int cellule, bool actif)
{
    QPushButton *bouton = Bouton.at(cellule);
    // Une cellule désactivée qui tient le focus le passerait à la suivante de la tabulation,
    // Quitter, où une barre d'espace égarée finirait le programme : il va d'abord là où le
    // joueur agit ensuite.
    if (!actif && focusWidget() == bouton) {
        if (Annuler->isEnabled())
            DonnerFocus(Annuler);
        else if (ListeJeux->isEnabled())
            DonnerFocus(ListeJeux);
    }
    bouton->setEnabled(actif);
}

void Jeu::MontrerCellule(int cellule, bool visible)
{
    // Aucune disposition automatique : une cellule cachée laisse son carré vide.
    Bouton.at(cellule)->setVisible(visible);
}

// ---- La liste des séries et les étiquettes -------------------------------------------------

void Jeu::AjouterSerie(const QString &nom, int numero)
{
    // Le premier ajout choisirait l'entrée d'office : la liste reste sans choix.
    const int choix = ListeJeux->currentIndex();
    ListeJeux->addItem(nom, numero);
    ListeJeux->setCurrentIndex(choix);
}

QString Jeu::TexteListeJeux() const
{
    return ListeJeux->currentIndex() < 0 ? QString() : ListeJeux->currentText();
}

int Jeu::NumeroSerieChoisie() const
{
    return ListeJeux->currentIndex() < 0 ? 0 : ListeJeux->currentData().toInt();
}

void Jeu::ActiverListeJeux(bool actif)
{
    ListeJeux->setEnabled(actif);
}

void Jeu::EcrireScoreEnCours(const QString &texte)
{
    ScoreEnCours->setText(texte);
}

QString Jeu::LireScoreEnCours() const
{
    return ScoreEnCours->text();
}

void Jeu::EcrireMeilleurScore(const QString &texte)
{
    MeilleurScore->setText(texte);
}

// ---- Annuler, la minuterie, les boîtes ------------------------------------------------------

void Jeu::ActiverAnnuler(bool actif)
{
    Annuler->setEnabled(actif);
}

void Jeu::DonnerFocusAnnuler()
{
    DonnerFocus(Annuler);
}

void Jeu::DemarrerMinuterie()
{
    Minuterie->start();
}

void Jeu::ArreterMinuterie()
{
    Minuterie->stop();
}

void Jeu::Repeindre()
{
    repaint();
}

int Jeu::QuestionOuiNon(const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Information, titre, texte, QMessageBox::Yes | QMessageBox::No,
                      this);
    // Oui et Non sont écrits ici : sans le catalogue de Qt, paquet facultatif, ils seraient en
    // anglais.
    boite.button(QMessageBox::Yes)->setText(tr("&Oui"));
    boite.button(QMessageBox::No)->setText(tr("&Non"));
    boite.setDefaultButton(QMessageBox::Yes);
    SansEchappement filtre;
    boite.installEventFilter(&filtre);
    return boite.exec() == QMessageBox::Yes ? ReponseOui : ReponseNon;
}

void Jeu::OuvrirEnregistre()
{
    // Le dialogue signale lui-même les échecs du magasin.
    Enregistre saisie(*this, *baseScores, this);
    saisie.exec();
}

} // namespace kalvoro
