#include "BoiteOuiNon.h"

#include "OperationsFenetre.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace kalvoro {

// Le contexte de traduction des textes de ce fichier : tr() les y range.
class BoiteOuiNon {
    Q_DECLARE_TR_FUNCTIONS(BoiteOuiNon)
};

namespace {

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

} // namespace

int DemanderOuiNon(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Information, titre, texte, QMessageBox::Yes | QMessageBox::No,
                      parent);
    // Oui et Non sont écrits ici : sans le catalogue de Qt, paquet facultatif, ils seraient en
    // anglais.
    boite.button(QMessageBox::Yes)->setText(BoiteOuiNon::tr("&Oui"));
    boite.button(QMessageBox::No)->setText(BoiteOuiNon::tr("&Non"));
    boite.setDefaultButton(QMessageBox::Yes);
    SansEchappement filtre;
    boite.installEventFilter(&filtre);
    return boite.exec() == QMessageBox::Yes ? ReponseOui : ReponseNon;
}

} // namespace kalvoro
