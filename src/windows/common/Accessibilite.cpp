#include "Accessibilite.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QWidget>

namespace kalvoro {

namespace {

struct RoleDeClasse {
    const char *classe;
    QAccessible::Role role;
};

// Les cartes du plateau sont les éléments d'une liste : le lecteur d'écran dit leur place à
// chaque flèche sans y ajouter « bouton » (un mot de trop à chaque pas), et Espace ou Entrée
// les retournent comme avant.
constexpr RoleDeClasse Roles[] = {
    {"kalvoro::Jeu", QAccessible::Window},       {"kalvoro::BarreEtat", QAccessible::StatusBar},
    {"kalvoro::Cadre3D", QAccessible::Grouping}, {"kalvoro::Annonce", QAccessible::Notification},
    {"kalvoro::Plateau", QAccessible::List},     {"kalvoro::BoutonCellule", QAccessible::ListItem}};

// Marque posée sur un widget qui ne fait que dessiner par-dessus ses frères.
constexpr const char *ProprieteDessin = "kalvoro_dessin_seul";

bool EstDessinSeul(const QObject *objet)
{
    return objet->property(ProprieteDessin).toBool();
}

// Les enfants d'un widget tels que Qt les présente, moins ceux qui ne font que dessiner.
QList<QWidget *> EnfantsVisibles(const QWidget *parent)
{
    QList<QWidget *> enfants;
    for (QObject *objet : parent->children()) {
        auto *enfant = qobject_cast<QWidget *>(objet);
        if (enfant && !enfant->isWindow() && !EstDessinSeul(enfant))
            enfants.append(enfant);
    }
    return enfants;
}

// Un widget au rôle choisi, qui tait ses enfants de pur dessin ; un cadre y dit sa légende.
class WidgetAccessible : public QAccessibleWidget {
public:
    WidgetAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text genre) const override
    {
        const auto *cadre = qobject_cast<const QGroupBox *>(widget());
        if (genre == QAccessible::Name && cadre && widget()->accessibleName().isEmpty())
            return QString(cadre->title()).remove(QLatin1Char('&'));
        return QAccessibleWidget::text(genre);
    }
    int childCount() const override { return static_cast<int>(EnfantsVisibles(widget()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> enfants = EnfantsVisibles(widget());
        if (index < 0 || index >= enfants.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(enfants.at(index));
    }
    // Un bouton, quel que soit le rôle montré, s'appuie encore par le lecteur d'écran.
    QStringList actionNames() const override
    {
        QStringList actions = QAccessibleWidget::actionNames();
        if (qobject_cast<const QAbstractButton *>(widget()))
            actions << pressAction();
        return actions;
    }
    void doAction(const QString &action) override
    {
        auto *bouton = qobject_cast<QAbstractButton *>(widget());
        if (bouton && action == pressAction())
            bouton->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }
    int indexOfChild(const QAccessibleInterface *enfant) const override
    {
        if (!enfant)
            return -1;
        return static_cast<int>(
            EnfantsVisibles(widget()).indexOf(qobject_cast<QWidget *>(enfant->object())));
    }
};

QAccessibleInterface *Fabrique(const QString &classe, QObject *objet)
{
    auto *widget = qobject_cast<QWidget *>(objet);
    for (const RoleDeClasse &role : Roles)
        if (widget && classe == QLatin1String(role.classe))
            return new WidgetAccessible(widget, role.role);
    return nullptr;
}

// Posée avant tout widget : Qt garde l'interface d'un objet dès sa première demande, parfois
// pendant la construction même du widget.
void PoserFabrique()
{
    QAccessible::installFactory(&Fabrique);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(PoserFabrique)

void CacherAuxLecteurs(QWidget *dessin)
{
    dessin->setProperty(ProprieteDessin, true);
}

Annonce::Annonce(QWidget *fenetre) : QWidget(fenetre)
{
    setObjectName(QStringLiteral("Annonce"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Annonce::Dire(const QString &texte)
{
    setAccessibleName(texte);
    // Chaque apparition est une nouvelle notification, même pour un texte déjà dit.
    hide();
    show();
}

namespace {

// La barre d'état de la fenêtre, si elle en a une, sinon la fenêtre même. Une notification de
// la barre d'état est dite seule, sans « notification » devant : un mot de trop à chaque carte.
QWidget *LieuDesAnnonces(QWidget *fenetre)
{
    for (QObject *objet : fenetre->children()) {
        auto *enfant = qobject_cast<QWidget *>(objet);
        QAccessibleInterface *interface =
            enfant ? QAccessible::queryAccessibleInterface(enfant) : nullptr;
        if (interface && interface->role() == QAccessible::StatusBar)
            return enfant;
    }
    return fenetre;
}

} // namespace

void DireAuLecteur(QWidget *fenetre, const QString &texte)
{
    QWidget *cible = QApplication::activeModalWidget();
    if (!cible)
        cible = fenetre->window();
    cible = LieuDesAnnonces(cible);
    auto *annonce = cible->findChild<Annonce *>(QString(), Qt::FindDirectChildrenOnly);
    if (!annonce)
        annonce = new Annonce(cible);
    annonce->Dire(texte);
}

} // namespace kalvoro
