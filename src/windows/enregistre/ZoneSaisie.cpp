#include "ZoneSaisie.h"

#include "Caracteres.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
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

// Une moitié de paire isolée rend le texte invalide pour les expressions régulières, qui n'y
// trouveraient plus aucun saut de ligne ; le filtre l'écarterait de toute façon.
QString SansMoitiesIsolees(const QString &texte)
{
    QString propre;
    for (qsizetype k = 0; k < texte.size(); ++k) {
        const QChar c = texte[k];
        if (c.isHighSurrogate() && k + 1 < texte.size() && texte[k + 1].isLowSurrogate())
            propre += texte.mid(k++, 2);
        else if (!c.isSurrogate())
            propre += c;
    }
    return propre;
}

// Plusieurs lignes collées se suivent sur une seule, séparées d'un blanc : « marie⏎claire »
// donne « Marie Claire » et non « Marieclaire ». Une ligne vide ne fait pas un second blanc, et
// les sauts du début et de la fin, qu'emporte souvent une ligne copiée, ne laissent rien.
QString SurUneLigne(const QString &texte)
{
    const QString saut = QStringLiteral("[\\n\\x{0B}\\f\\r\\x{85}\\x{2028}\\x{2029}]+");
    static const QRegularExpression sauts(saut);
    static const QRegularExpression bords(QLatin1Char('^') + saut + QStringLiteral("|") + saut +
                                          QStringLiteral("\\z"));
    return SansMoitiesIsolees(texte).remove(bords).replace(sauts, QStringLiteral(" "));
}

// Ctrl et Ctrl+Maj servent aux raccourcis de la zone (tout sélectionner, annuler...), Alt aux
// touches d'accès et aux commandes. AltGr produit bien des caractères : il vaut Ctrl+Alt sous
// Windows et se signale par GroupSwitchModifier sous X11. Sur macOS, Option (Alt pour Qt)
// tape des caractères, comme AltGr ailleurs.
bool EstCommande(const QKeyEvent *evenement)
{
    const auto modificateurs = evenement->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
#ifdef Q_OS_MACOS
    return modificateurs == Qt::ControlModifier;
#else
    return modificateurs == Qt::ControlModifier || modificateurs == Qt::AltModifier;
#endif
}

// Retour arrière, Suppr, Échap, Tab : des touches d'édition, que QLineEdit n'insère jamais.
bool EstToucheEdition(const QString &texte)
{
    return std::all_of(texte.begin(), texte.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
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
    // Caractère par caractère vu du joueur : un accent combinant, un drapeau ou une famille
    // d'émojis entre entier ou pas du tout.
    for (const QString &grappe : Grappes(SurUneLigne(texte))) {
        const QString ajout = Filtrer(grappe);
        if (ajout.isEmpty())
            continue;
        if (!Tiendrait(ajout))
            return;
        insert(ajout);
    }
}

// Le filtre de frappe sur chaque unité ; une paire d'unités (hors du plan de base) n'a pas de
// capitale et passe entière.
QString ZoneSaisie::Filtrer(const QString &grappe) const
{
    QString ajout;
    for (qsizetype k = 0; k < grappe.size(); ++k) {
        const QChar c = grappe[k];
        if (c.isHighSurrogate() && k + 1 < grappe.size() && grappe[k + 1].isLowSurrogate()) {
            ajout += grappe.mid(k++, 2);
            continue;
        }
        if (EstControle(c) || c.isSurrogate())
            continue;
        if (const std::optional<QChar> garde = FiltreFrappe ? FiltreFrappe(c) : c)
            ajout += *garde;
    }
    return ajout;
}

void ZoneSaisie::Coller()
{
    InsererCommeTape(QGuiApplication::clipboard()->text());
}

bool ZoneSaisie::Tiendrait(const QString &ajout) const
{
    QString apres = text();
    if (hasSelectedText())
        apres.replace(selectionStart(), selectedText().size(), ajout);
    else
        apres.insert(cursorPosition(), ajout);
    return TientDans(apres, LongueurMax);
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
    if (texte.isEmpty() || EstToucheEdition(texte)) {
        QLineEdit::keyPressEvent(evenement);
    } else if (EstCommande(evenement)) {
        TransmettreSansTexte(evenement);
    } else {
        // Le texte tapé passe par le même filtre que le texte collé.
        InsererCommeTape(texte);
        evenement->accept();
    }
}

void ZoneSaisie::focusInEvent(QFocusEvent *evenement)
{
    // Arrivée par Tab, Qt sélectionne tout, même une zone vide, et le dit aux lecteurs d'écran
    // avant de dire le focus : Orca prend alors la zone pour déjà présentée et tait son nom.
    // Vide, il n'y a rien à sélectionner.
    const Qt::FocusReason raison = evenement->reason();
    if (text().isEmpty() && (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason ||
                             raison == Qt::ShortcutFocusReason)) {
        QFocusEvent sansSelection(evenement->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&sansSelection);
        return;
    }
    QLineEdit::focusInEvent(evenement);
}

// La zone garde ses raccourcis (Ctrl+A, Alt+Retour arrière...) sans jamais insérer la lettre.
void ZoneSaisie::TransmettreSansTexte(QKeyEvent *evenement)
{
    QKeyEvent sansTexte(evenement->type(), evenement->key(), evenement->modifiers(),
                        evenement->nativeScanCode(), evenement->nativeVirtualKey(),
                        evenement->nativeModifiers(), QString(), evenement->isAutoRepeat(),
                        quint16(evenement->count()));
    QLineEdit::keyPressEvent(&sansTexte);
    evenement->setAccepted(sansTexte.isAccepted());
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
