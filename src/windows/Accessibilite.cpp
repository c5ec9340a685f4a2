#include "Accessibilite.h"

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

constexpr RoleDeClasse Roles[] = {{"kalvoro::Jeu", QAccessible::Window},
                                  {"kalvoro::BarreEtat", QAccessible::StatusBar},
                                  {"kalvoro::Cadre3D", QAccessible::Grouping},
                                  {"kalvoro::Plateau", QAccessible::Grouping}};

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
    int indexOfChild(const QAccessibleInterface *enfant) const override
    {
        if (!enfant)
            return -1;
        return static_cast<int>(
            EnfantsVisibles(widget()).indexOf(qobject_cast<QWidget *>(enfant->object())));
    }
};

// Marque posée sur le widget qui porte une annonce, jusqu'à ce qu'il perde le focus.
constexpr const char *ProprieteAnnonce = "kalvoro_annonce";

// Retire l'annonce quand le focus s'en va : elle ne revient pas au passage suivant.
class EffaceurAnnonces : public QObject {
protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        auto *widget = qobject_cast<QWidget *>(objet);
        if (widget && evenement->type() == QEvent::FocusOut) {
            widget->removeEventFilter(this);
            widget->setProperty(ProprieteAnnonce, QVariant());
            widget->setAccessibleDescription(QString());
        }
        return false;
    }
};

EffaceurAnnonces &Effaceur()
{
    static EffaceurAnnonces effaceur;
    return effaceur;
}

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

void DireAuLecteur(const QString &texte)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    const bool dejaAnnonce = focus->property(ProprieteAnnonce).toBool();
    if (!dejaAnnonce && !focus->accessibleDescription().isEmpty())
        return; // une description à lui : la remplacer la ferait redire ensuite
    if (!dejaAnnonce) {
        focus->setProperty(ProprieteAnnonce, true);
        focus->installEventFilter(&Effaceur());
    }
    focus->setAccessibleDescription(QString()); // le même texte redit doit aussi changer
    focus->setAccessibleDescription(texte);
}

} // namespace kalvoro
