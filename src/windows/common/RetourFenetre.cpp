#include "RetourFenetre.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace kalvoro {

namespace {

void Reactiver(QWidget *fenetre)
{
    // Un autre dialogue a pu s'ouvrir entre-temps (la saisie après la question de fin) : c'est
    // lui qui doit garder la main.
    QWidget *modale = QApplication::activeModalWidget();
    if (!fenetre->isVisible() || (modale && modale != fenetre))
        return;
    fenetre->setAttribute(Qt::WA_KeyboardFocusChange);
    fenetre->raise();
    fenetre->activateWindow();
    if (QWidget *focus = fenetre->focusWidget())
        focus->update();
}

class SurveillanceDialogues : public QObject {
protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        auto *dialogue = qobject_cast<QDialog *>(objet);
        if (evenement->type() == QEvent::Hide && dialogue && dialogue->isModal() &&
            dialogue->parentWidget()) {
            QPointer<QWidget> dessous(dialogue->parentWidget()->window());
            QTimer::singleShot(0, dessous, [dessous] {
                if (dessous)
                    Reactiver(dessous);
            });
        }
        return false;
    }
};

} // namespace

void ReactiverSousLesDialogues()
{
    static SurveillanceDialogues *surveillance = [] {
        auto *filtre = new SurveillanceDialogues;
        filtre->setParent(qApp);
        qApp->installEventFilter(filtre);
        return filtre;
    }();
    Q_UNUSED(surveillance);
}

} // namespace kalvoro
