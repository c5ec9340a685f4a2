#include "ZoneSaisie.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

namespace kalvoro {

namespace {

constexpr QChar Entree = QChar(13);

// Ce qu'une zone d'une ligne ne garde pas : tabulations, sauts de ligne, autres contrôles.
bool EstControle(QChar c)
{
    const auto categorie = c.category();
    return categorie == QChar::Other_Control || categorie == QChar::Separator_Line ||
           categorie == QChar::Separator_Paragraph;
}

// Ctrl et Ctrl+Maj servent aux raccourcis de la zone (tout sélectionner, annuler...) ; AltGr,
// qui vaut Ctrl+Alt sous Windows, produit bien des caractères.
bool EstRaccourci(const QKeyEvent *evenement)
{
    const auto modificateurs = evenement->modifiers() & ~Qt::KeypadModifier;
    return modificateurs == Qt::ControlModifier ||
           modificateurs == (Qt::ControlModifier | Qt::ShiftModifier);
}

// L'action « Coller » du menu standard de QLineEdit, reconnue à son texte (traduit s'il le faut).
bool EstActionColler(const QAction *action)
{
    const QString coller = QCoreApplication::translate("QLineEdit", "&Paste");
    return action->objectName() == QLatin1String("edit-paste") ||
           action->text().startsWith(coller + QLatin1Char('\t')) || action->text() == coller;
}

} // namespace

ZoneSaisie::ZoneSaisie(QWidget *parent) : QLineEdit(parent) {}

void ZoneSaisie::PoserFiltre(Filtre filtre)
{
    FiltreFrappe = std::move(filtre);
}

void ZoneSaisie::InsererCommeTape(const QString &texte)
{
    if (isReadOnly())
        return;
    for (qsizetype k = 0; k < texte.size(); ++k) {
        const QChar c = texte[k];
        // Un caractère hors du plan de base (deux unités) n'a pas de capitale : il passe entier.
        if (c.isHighSurrogate() && k + 1 < texte.size() && texte[k + 1].isLowSurrogate()) {
            InsererUnite(texte.mid(k++, 2));
            continue;
        }
        if (EstControle(c) || c.isSurrogate())
            continue;
        const std::optional<QChar> garde = FiltreFrappe ? FiltreFrappe(c) : c;
        if (garde)
            InsererUnite(QString(*garde));
    }
}

void ZoneSaisie::Coller()
{
    InsererCommeTape(QGuiApplication::clipboard()->text());
}

void ZoneSaisie::InsererUnite(const QString &unite)
{
    // QLineEdit couperait une paire d'unités à la limite de longueur ; on la laisse entière dehors.
    if (PlaceRestante() >= unite.size())
        insert(unite);
}

int ZoneSaisie::PlaceRestante() const
{
    return maxLength() - int(text().size()) + int(selectedText().size());
}

void ZoneSaisie::keyPressEvent(QKeyEvent *evenement)
{
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        if (FiltreFrappe)
            FiltreFrappe(Entree);
        evenement->accept();
        return;
    }
    if (evenement->matches(QKeySequence::Paste)) {
        Coller();
        evenement->accept();
        return;
    }
    const QString texte = evenement->text();
    if (!isReadOnly() && !texte.isEmpty() && !EstRaccourci(evenement) &&
        std::none_of(texte.begin(), texte.end(), EstControle)) {
        InsererCommeTape(texte);
        evenement->accept();
        return;
    }
    QLineEdit::keyPressEvent(evenement);
}

void ZoneSaisie::contextMenuEvent(QContextMenuEvent *evenement)
{
    QMenu *menu = createStandardContextMenu();
    // « Coller » du menu standard irait droit dans la zone, sans le filtre : on le rebranche.
    for (QAction *action : menu->actions()) {
        if (EstActionColler(action)) {
            action->setObjectName(QStringLiteral("edit-paste"));
            action->disconnect(this);
            connect(action, &QAction::triggered, this, &ZoneSaisie::Coller);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(evenement->globalPos());
}

void ZoneSaisie::dropEvent(QDropEvent *evenement)
{
    if (isReadOnly() || !evenement->mimeData()->hasText()) {
        QLineEdit::dropEvent(evenement);
        return;
    }
    setCursorPosition(cursorPositionAt(evenement->position().toPoint()));
    InsererCommeTape(evenement->mimeData()->text());
    evenement->acceptProposedAction();
}

void ZoneSaisie::mouseReleaseEvent(QMouseEvent *evenement)
{
    // Sous X11, le bouton du milieu colle la sélection courante.
    if (evenement->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        InsererCommeTape(QGuiApplication::clipboard()->text(QClipboard::Selection));
        evenement->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evenement);
}

void ZoneSaisie::inputMethodEvent(QInputMethodEvent *evenement)
{
    const QString valide = evenement->commitString();
    if (valide.isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(evenement);
        return;
    }
    // La zone garde la composition en cours ; le texte validé passe par le filtre.
    QInputMethodEvent sansTexte(evenement->preeditString(), evenement->attributes());
    sansTexte.setCommitString(QString(), evenement->replacementStart(),
                              evenement->replacementLength());
    QLineEdit::inputMethodEvent(&sansTexte);
    InsererCommeTape(valide);
}

} // namespace kalvoro
