// Le clavier et la molette sur Jeu : les flèches sur le plateau, Annuler pendant la pause, la
// molette sur la liste des séries, et le cadre du focus quand le programme le déplace.
#include "Jeu.h"

#include "NavigationPlateau.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>
#include <optional>

namespace kalvoro {

namespace {

std::optional<Direction> DirectionDe(const QKeyEvent &touche)
{
    // Une flèche avec Maj, Ctrl ou Alt est une autre commande : elle ne déplace rien ici.
    if (touche.modifiers() & ~Qt::KeypadModifier)
        return std::nullopt;
    switch (touche.key()) {
    case Qt::Key_Left:
        return Direction::Gauche;
    case Qt::Key_Right:
        return Direction::Droite;
    case Qt::Key_Up:
        return Direction::Haut;
    case Qt::Key_Down:
        return Direction::Bas;
    default:
        return std::nullopt;
    }
}

bool EstActivation(const QKeyEvent &touche)
{
    return touche.key() == Qt::Key_Space || touche.key() == Qt::Key_Select;
}

} // namespace

void Jeu::DonnerFocus(QWidget *controle)
{
    // Qt ne dessine le cadre du focus qu'après une tabulation ; quand le programme déplace le
    // focus lui-même, le joueur au clavier doit voir où la barre d'espace agira.
    setAttribute(Qt::WA_KeyboardFocusChange);
    controle->setFocus(Qt::OtherFocusReason);
}

bool Jeu::CelluleJouable(int i) const
{
    const QPushButton *cellule = Bouton.at(static_cast<std::size_t>(i));
    return cellule->isEnabled() && !cellule->isHidden();
}

bool Jeu::eventFilter(QObject *objet, QEvent *evenement)
{
    const QEvent::Type type = evenement->type();
    if (objet == ListeJeux && type == QEvent::Wheel && !ListeJeux->hasFocus()) {
        // La molette qui passe sur la liste fermée ne choisit pas une série à la place du
        // joueur ; la liste qui a le focus la prend, comme ses flèches.
        evenement->ignore();
        return true;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QWidget::eventFilter(objet, evenement);
    const auto &touche = static_cast<const QKeyEvent &>(*evenement);
    if (objet == Annuler)
        return ToucheSurAnnuler(touche);
    const auto cellule = std::find(Bouton.begin() + 1, Bouton.end(), objet);
    if (cellule != Bouton.end() && type == QEvent::KeyPress)
        return FlecheSurCellule(static_cast<int>(cellule - Bouton.begin()), touche);
    return QWidget::eventFilter(objet, evenement);
}

bool Jeu::FlecheSurCellule(int i, const QKeyEvent &touche)
{
    const std::optional<Direction> direction = DirectionDe(touche);
    if (!direction)
        return false;
    // Au bord du plateau la flèche s'arrête : elle ne part pas vers Quitter comme le ferait
    // la tabulation.
    const int voisine = CelluleVoisine(i, *direction, [this](int k) { return CelluleJouable(k); });
    if (voisine != 0)
        DonnerFocus(Bouton.at(static_cast<std::size_t>(voisine)));
    return true;
}

bool Jeu::ToucheSurAnnuler(const QKeyEvent &touche)
{
    // Pendant la pause, le focus attend sur Annuler : une barre d'espace tapée de trop pour la
    // carte suivante n'abandonne pas la partie. La souris, elle, abandonne toujours.
    if (partie.EnPause() && EstActivation(touche))
        return true;
    const std::optional<Direction> direction = DirectionDe(touche);
    if (!direction || touche.type() != QEvent::KeyPress || !Bouton[1]->isEnabled())
        return false;
    // Après chaque carte le focus revient sur Annuler : une flèche le rend au plateau, sur la
    // dernière cellule jouée ou, si sa paire est partie, sur sa voisine dans cette direction.
    const auto jouable = [this](int k) { return CelluleJouable(k); };
    int cible = jouable(derniereCellule) ? derniereCellule
                                         : CelluleVoisine(derniereCellule, *direction, jouable);
    for (int k = 1; cible == 0 && k <= 48; ++k)
        cible = jouable(k) ? k : 0;
    if (cible != 0)
        DonnerFocus(Bouton.at(static_cast<std::size_t>(cible)));
    return true;
}

} // namespace kalvoro
