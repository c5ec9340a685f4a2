#include "Plateau.h"

#include "Accessibilite.h"
#include "BoutonCellule.h"
#include "Demarrage.h"
#include "Focus.h"
#include "ImagesSerie.h"
#include "NomsImages.h"
#include "Series.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

namespace kalvoro {

namespace {

// Le dos des cartes, à la taille des faces des six séries, sur la carte classique de 57 pixels.
constexpr int TailleImage = 32;
constexpr int CoteCarteClassique = 57;

// Plus court que tout second appui voulu sur la même carte, plus long que l'écart des
// répétitions d'une touche tenue (30 à 40 ms), même retardées par un lecteur d'écran.
constexpr int EcartRepetitionMs = 150;

// Cellule i d'un plateau de `taille` dans une place de `largeur` × `hauteur` twips : rangée
// (i-1) div colonnes, colonne (i-1) mod colonnes, carrés espacés d'un pas le plus grand possible,
// dont la carte prend 855 / 960, centrés. Le plateau classique dans sa place classique
// (7800 × 5850) retrouve les carrés de 855 espacés de 105 depuis 120.
constexpr QRect PlaceCellule(int i, TaillePlateau taille, int largeur, int hauteur)
{
    const int pas = std::min((largeur - 120) / taille.Colonnes, (hauteur - 90) / taille.Rangees);
    const int gauche = 120 + (largeur - 120 - pas * taille.Colonnes) / 2;
    const int haut = 120 + (hauteur - 90 - pas * taille.Rangees) / 2;
    const int rangee = (i - 1) / taille.Colonnes;
    const int colonne = (i - 1) % taille.Colonnes;
    return RectangleTwips(gauche + pas * colonne, haut + pas * rangee, pas * 855 / 960,
                          pas * 855 / 960);
}
static_assert(PlaceCellule(1, TailleClassique, 7800, 5850) == QRect(8, 8, 57, 57));
static_assert(PlaceCellule(NombreCellules, TailleClassique, 7800, 5850).topLeft() ==
              QPoint(Px(6840), Px(4920)));

// La grande version d'une image des ressources : ":/images/animaux/grandes/05.png" pour
// ":/images/animaux/05.png".
QString GrandeVersion(const QString &chemin)
{
    const qsizetype barre = chemin.lastIndexOf(QLatin1Char('/'));
    return chemin.left(barre) + QStringLiteral("/grandes") + chemin.mid(barre);
}

} // namespace

std::optional<Direction> DirectionDe(const QKeyEvent &touche)
{
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

Plateau::Plateau(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Plateau"));
    // Dit une fois, en entrant sur le plateau : chaque carte ne dit ensuite que ses deux nombres.
    setAccessibleName(tr("Plateau, ligne puis colonne"));
    coteClassique.fill(TailleImage);
    // Tout le coin à gauche des commandes et au-dessus de la barre d'état.
    setGeometry(RectangleTwips(0, 0, 7800, 5850));
    for (int i = 1; i <= NombreCellules; ++i) {
        auto *cellule = new BoutonCellule(this);
        cellule->setObjectName(QStringLiteral("Bouton%1").arg(i));
        cellule->setGeometry(PlaceCellule(i, taille, 7800, 5850));
        cellule->setIconSize(QSize(TailleImage, TailleImage));
        cellule->setAutoDefault(false);
        cellule->installEventFilter(this);
        connect(cellule, &QPushButton::clicked, this, [this, i] {
            derniereCellule = i;
            emit Clic(i);
        });
        Bouton[i] = cellule;
        NommerCellule(i, QString());
    }
}

QPushButton *Plateau::Cellule(int i) const
{
    return Bouton.at(static_cast<std::size_t>(i));
}

const QIcon &Plateau::Icone(const QString &chemin, int cote)
{
    // Une carte agrandie montre la grande version d'une image des ressources, réduite ici à la
    // taille de la carte : QIcon, sur un écran dense, ne choisit que parmi les @2x.
    if (chemin.startsWith(QLatin1String(":/")) && Cellule(1)->width() > CoteCarteClassique)
        return IconeAgrandie(chemin, cote);
    auto trouvee = icones.find(chemin);
    if (trouvee == icones.end()) {
        // Une carte sur une cellule désactivée (la pause d'un tour) garde ses vraies couleurs :
        // le mode désactivé reçoit l'image normale au lieu de sa version grisée. Avec le @2x
        // livré, net sur un écran dense ; en PNG seulement, sans charger les greffons d'images.
        QIcon icone;
        if (chemin.startsWith(QLatin1String(":/"))) {
            icone = IconePng(chemin, true);
        } else {
            // Une photo du joueur, lue dans le dossier de sa série sans suivre de lien.
            const QPixmap photo = QPixmap::fromImage(LireImageGardee(chemin));
            icone.addPixmap(photo, QIcon::Normal);
            icone.addPixmap(photo, QIcon::Disabled);
        }
        trouvee = icones.insert(chemin, icone);
    }
    return *trouvee;
}

const QIcon &Plateau::IconeAgrandie(const QString &chemin, int cote)
{
    const qreal densite = devicePixelRatioF();
    const QString cle = QStringLiteral("%1@%2@%3").arg(chemin).arg(cote).arg(densite);
    auto trouvee = agrandies.find(cle);
    if (trouvee == agrandies.end()) {
        // Jamais plus grande que sa source : au-delà de ses pixels, elle reste à leur taille.
        const QImage grande = LireImagePng(GrandeVersion(chemin));
        const int pixels = std::min(qRound(cote * densite), grande.width());
        QPixmap image = QPixmap::fromImage(
            grande.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        image.setDevicePixelRatio(densite);
        QIcon icone;
        icone.addPixmap(image, QIcon::Normal);
        icone.addPixmap(image, QIcon::Disabled);
        trouvee = agrandies.insert(cle, icone);
    }
    return *trouvee;
}

QString Plateau::NommerCellule(int cellule, const QString &image)
{
    // La place une fois et brève, que le lecteur dit à chaque flèche : la ligne puis la colonne
    // (« 2, 5 », le plateau dit l'ordre), la face d'abord quand il y en a une (c'est elle que le
    // joueur cherche), rien de plus pour une carte face cachée, la plus fréquente.
    const int rangee = (cellule - 1) / taille.Colonnes + 1;
    const int colonne = (cellule - 1) % taille.Colonnes + 1;
    const QString nom = image.isEmpty() ? tr("%1, %2").arg(rangee).arg(colonne)
                                        : tr("%1, %2, %3").arg(image).arg(rangee).arg(colonne);
    // Qt annonce chaque nom posé, même inchangé ; une cellule cachée est renommée à son retour.
    QPushButton *bouton = Cellule(cellule);
    if (bouton->accessibleName() != nom && !bouton->isHidden())
        bouton->setAccessibleName(nom);
    return nom;
}

Plateau::FaceMontree Plateau::AfficherFace(int cellule, int numeroCarte, const Serie &serie)
{
    const int paires = serie.Taille.Paires();
    const bool carte = numeroCarte >= 1 && numeroCarte <= 2 * paires;
    const std::optional<Serie::Face> face =
        carte ? serie.FaceNumero((numeroCarte - 1) % paires + 1) : std::nullopt;
    // Rien ne change à l'écran : la cellule garde son nom.
    if (!face)
        return {QString(), Cellule(cellule)->accessibleName()};
    MontrerImage(cellule, face->image, serie.CoteFace());
    const QString nomFace = face->nom.isEmpty() ? NomImage(face->image) : face->nom;
    const QString nom = nomFace.isEmpty() ? tr("face visible") : nomFace;
    const QString nomCellule = NommerCellule(cellule, nom);
    Bouton[cellule]->MontrerFace(true);
    return {nom, nomCellule};
}

void Plateau::OublierPhotos()
{
    // Une série de trois cents photos ne les garde pas toutes en mémoire ; les images des six,
    // dans les ressources, restent.
    for (auto icone = icones.begin(); icone != icones.end();)
        icone =
            icone.key().startsWith(QLatin1String(":/")) ? std::next(icone) : icones.erase(icone);
}

int Plateau::CoteImage(int cote) const
{
    // L'image grandit avec la carte ; QIcon ne la dessine jamais plus grande que sa source.
    const int carte = Cellule(1)->width();
    return (carte * cote + CoteCarteClassique / 2) / CoteCarteClassique;
}

void Plateau::Disposer(TaillePlateau nouvelle)
{
    taille = nouvelle;
    for (int i = 1; i <= NombreCellules; ++i)
        Bouton[i]->setVisible(i <= taille.Cellules());
    // Les places se disent dans les rangées et colonnes de ce plateau ; il est au repos.
    for (int i = 1; i <= taille.Cellules(); ++i)
        NommerCellule(i, QString());
    Placer();
}

void Plateau::resizeEvent(QResizeEvent *evenement)
{
    QWidget::resizeEvent(evenement);
    Placer();
}

void Plateau::Placer()
{
    const int largeur = static_cast<int>(EnTwips(width()));
    const int hauteur = static_cast<int>(EnTwips(height()));
    for (int i = 1; i <= taille.Cellules(); ++i)
        Bouton[i]->setGeometry(PlaceCellule(i, taille, largeur, hauteur));
    // Les images agrandies à l'ancienne taille ne resserviront plus.
    agrandies.clear();
    for (int i = 1; i <= taille.Cellules(); ++i)
        if (!imageMontree[static_cast<std::size_t>(i)].isEmpty())
            MontrerImage(i, imageMontree[static_cast<std::size_t>(i)],
                         coteClassique[static_cast<std::size_t>(i)]);
}

void Plateau::MontrerImage(int cellule, const QString &chemin, int cote)
{
    const auto k = static_cast<std::size_t>(cellule);
    imageMontree[k] = chemin;
    coteClassique[k] = cote;
    const int affiche = CoteImage(cote);
    Cellule(cellule)->setIconSize(QSize(affiche, affiche));
    Cellule(cellule)->setIcon(Icone(chemin, affiche));
}

void Plateau::AfficherDos(int cellule)
{
    MontrerImage(cellule, QStringLiteral(":/images/dos.png"), TailleImage);
    NommerCellule(cellule, QString());
    Bouton[cellule]->MontrerFace(false);
}

void Plateau::Geler(bool gele)
{
    for (int i = 1; i <= NombreCellules; ++i)
        Bouton[i]->Geler(gele);
}

bool Plateau::Jouable(int cellule) const
{
    const QPushButton *bouton = Cellule(cellule);
    return bouton->isEnabled() && !bouton->isHidden();
}

bool Plateau::eventFilter(QObject *objet, QEvent *evenement)
{
    const auto cellule = std::find(Bouton.begin() + 1, Bouton.end(), objet);
    if (cellule == Bouton.end())
        return QWidget::eventFilter(objet, evenement);
    // Le joueur à la souris garde le classique (le focus sur Annuler après chaque carte). Un
    // geste sur le plateau gelé ne retourne rien : il ne change pas la façon de jouer.
    const bool gelee = (*cellule)->Gelee();
    const QEvent::Type type = evenement->type();
    if (type == QEvent::MouseButtonPress && !gelee)
        alaSouris = true;
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return QWidget::eventFilter(objet, evenement);
    const auto &touche = static_cast<const QKeyEvent &>(*evenement);
    const int i = static_cast<int>(cellule - Bouton.begin());
    if (EspaceTenue(i, touche))
        return true;
    if (type == QEvent::KeyRelease)
        return false;
    if (!gelee)
        alaSouris = false;
    return FlecheSurCellule(i, touche);
}

// Une barre d'espace tenue n'arrive pas toujours marquée comme répétée : Qt ne reconnaît la
// répétition qu'à un relâchement suivi aussitôt d'un appui, et quand les deux lui parviennent
// séparés (un lecteur d'écran les retient un instant), il les prend pour de vrais gestes. Un
// appui sur la carte qui suit de si près un relâchement sur elle, sans autre touche entre eux,
// vient donc de la touche tenue : tenue à travers la pause, elle retournerait encore la seconde
// carte du tour.
bool Plateau::EspaceTenue(int cellule, const QKeyEvent &touche)
{
    const bool activation = touche.key() == Qt::Key_Space || touche.key() == Qt::Key_Select;
    if (touche.type() == QEvent::KeyRelease) {
        if (activation) {
            relachementEspace.start();
            celluleRelachee = cellule;
        }
        return false;
    }
    if (!activation) {
        relachementEspace.invalidate();
        return false;
    }
    return cellule == celluleRelachee && relachementEspace.isValid() &&
           relachementEspace.elapsed() < EcartRepetitionMs;
}

bool Plateau::FlecheSurCellule(int i, const QKeyEvent &touche)
{
    const std::optional<Direction> direction = DirectionDe(touche);
    if (!direction)
        return false;
    // Au bord du plateau, ou devant des places vides, la flèche s'arrête (elle ne part pas vers
    // Quitter comme le ferait la tabulation) et le dit : sans quoi le joueur qui n'en voit rien
    // n'entendrait rien et ne saurait pas pourquoi.
    const int voisine = CelluleVoisine(
        i, *direction, [this](int k) { return Jouable(k); }, taille);
    if (voisine != 0)
        DonnerFocusVisible(Cellule(voisine));
    else
        DireAuLecteur(this, RienDansLaDirection(i, *direction));
    return true;
}

QString Plateau::RienDansLaDirection(int cellule, Direction direction) const
{
    if (AuBord(cellule, direction, taille))
        return tr("Bord du plateau.");
    switch (direction) {
    case Direction::Gauche:
        return tr("Aucune carte à gauche.");
    case Direction::Droite:
        return tr("Aucune carte à droite.");
    case Direction::Haut:
        return tr("Aucune carte au-dessus.");
    case Direction::Bas:
        break;
    }
    return tr("Aucune carte au-dessous.");
}

bool Plateau::RamenerFocus(const QKeyEvent &touche)
{
    const std::optional<Direction> direction = DirectionDe(touche);
    if (!direction)
        return false;
    const auto jouable = [this](int k) { return Jouable(k); };
    int cible = jouable(derniereCellule)
                    ? derniereCellule
                    : CelluleVoisine(derniereCellule, *direction, jouable, taille);
    for (int k = 1; cible == 0 && k <= NombreCellules; ++k)
        cible = jouable(k) ? k : 0;
    if (cible != 0)
        DonnerFocusVisible(Cellule(cible));
    return true;
}

QPushButton *Plateau::ProcheJouable(int cellule) const
{
    for (int i = cellule + 1; i <= NombreCellules; ++i) {
        if (Jouable(i))
            return Cellule(i);
    }
    for (int i = cellule - 1; i >= 1; --i) {
        if (Jouable(i))
            return Cellule(i);
    }
    return nullptr;
}

QPushButton *Plateau::RetourDuFocus() const
{
    return Jouable(derniereCellule) ? Cellule(derniereCellule) : ProcheJouable(derniereCellule);
}

QPushButton *Plateau::PremiereJouable() const
{
    for (int i = 1; i <= NombreCellules; ++i) {
        if (Jouable(i))
            return Cellule(i);
    }
    return nullptr;
}

} // namespace kalvoro
