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

void NommerOuiNon(QMessageBox &boite)
{
    // Oui et Non sont écrits ici : sans le catalogue de Qt, paquet facultatif, ils seraient en
    // anglais.
    boite.button(QMessageBox::Yes)->setText(BoiteOuiNon::tr("&Oui"));
    boite.button(QMessageBox::No)->setText(BoiteOuiNon::tr("&Non"));
}

} // namespace

int DemanderOuiNon(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Information, titre, texte, QMessageBox::Yes | QMessageBox::No,
                      parent);
    NommerOuiNon(boite);
    boite.setTextFormat(Qt::PlainText); // les prénoms du classement ne sont jamais lus en HTML
    boite.setDefaultButton(QMessageBox::Yes);
    SansEchappement filtre;
    boite.installEventFilter(&filtre);
    return boite.exec() == QMessageBox::Yes ? ReponseOui : ReponseNon;
}

bool ConfirmerOuiNon(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No,
                      parent);
    NommerOuiNon(boite);
    boite.setDefaultButton(QMessageBox::No);
    boite.setEscapeButton(QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

} // namespace kalvoro
