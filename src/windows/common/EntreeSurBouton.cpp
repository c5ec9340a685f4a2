#include "EntreeSurBouton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace kalvoro {

namespace {

constexpr char NomDuFiltre[] = "EntreeSurBouton";

class EntreeSurBouton : public QObject {
public:
    explicit EntreeSurBouton(QObject *application) : QObject(application)
    {
        setObjectName(QLatin1String(NomDuFiltre));
    }

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        const QEvent::Type type = evenement->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
            return QObject::eventFilter(objet, evenement);
        auto *bouton = qobject_cast<QPushButton *>(objet);
        const auto &touche = static_cast<const QKeyEvent &>(*evenement);
        if (!bouton || !EstEntree(touche) || !bouton->hasFocus())
            return QObject::eventFilter(objet, evenement);
        // Le bouton par défaut, ou qui le devient avec le focus, Qt l'appuie déjà lui-même.
        if (bouton->autoDefault() || bouton->isDefault())
            return QObject::eventFilter(objet, evenement);
        QKeyEvent espace(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                         touche.isAutoRepeat());
        QCoreApplication::sendEvent(bouton, &espace);
        return true;
    }

private:
    static bool EstEntree(const QKeyEvent &touche)
    {
        const bool entree = touche.key() == Qt::Key_Return || touche.key() == Qt::Key_Enter;
        return entree && !(touche.modifiers() & ~Qt::KeypadModifier);
    }
};

} // namespace

void EntreeAppuieLeBouton()
{
    if (!qApp || qApp->findChild<QObject *>(QLatin1String(NomDuFiltre), Qt::FindDirectChildrenOnly))
        return;
    qApp->installEventFilter(new EntreeSurBouton(qApp));
}

} // namespace kalvoro
