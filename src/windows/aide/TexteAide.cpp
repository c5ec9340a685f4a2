#include "TexteAide.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace kalvoro {

namespace {

QString SansMarquesDeCadre(QString texte)
{
    for (QChar &c : texte) {
        const char16_t code = c.unicode();
        if (code == QChar::ParagraphSeparator || code == QChar::LineSeparator || code == 0xFDD0 ||
            code == 0xFDD1)
            c = QLatin1Char('\n');
    }
    return texte;
}

// Ce que Qt présente d'un texte en lecture seule, moins les marques de cadre.
class TexteAideAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TexteAideAccessible(TexteAide *texte)
        : QAccessibleWidget(texte, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.readOnly = etat.multiLine = etat.selectableText = true;
        return etat;
    }
    QString text(QAccessible::Text genre) const override
    {
        if (genre == QAccessible::Value)
            return SansMarquesDeCadre(Navigateur()->toPlainText());
        return QAccessibleWidget::text(genre);
    }

    QString text(int debut, int fin) const override
    {
        return SansMarquesDeCadre(Curseur(debut, fin).selectedText());
    }
    QString textBeforeOffset(int position, QAccessible::TextBoundaryType limite, int *debut,
                             int *fin) const override
    {
        const auto bornes = Bornes(position, limite);
        return Morceau(Bornes(bornes.first - 1, limite), debut, fin);
    }
    QString textAfterOffset(int position, QAccessible::TextBoundaryType limite, int *debut,
                            int *fin) const override
    {
        return Morceau(Bornes(Bornes(position, limite).second, limite), debut, fin);
    }
    QString textAtOffset(int position, QAccessible::TextBoundaryType limite, int *debut,
                         int *fin) const override
    {
        return Morceau(Bornes(position, limite), debut, fin);
    }
    int characterCount() const override
    {
        QTextCursor curseur(Navigateur()->document());
        curseur.movePosition(QTextCursor::End);
        return curseur.position();
    }

    int cursorPosition() const override { return Navigateur()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        Navigateur()->setTextCursor(Curseur(position, position));
    }
    int selectionCount() const override
    {
        return Navigateur()->textCursor().hasSelection() ? 1 : 0;
    }
    void selection(int index, int *debut, int *fin) const override
    {
        const QTextCursor curseur = Navigateur()->textCursor();
        const bool choisi = index == 0 && curseur.hasSelection();
        *debut = choisi ? curseur.selectionStart() : 0;
        *fin = choisi ? curseur.selectionEnd() : 0;
    }
    void addSelection(int debut, int fin) override { setSelection(0, debut, fin); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int debut, int fin) override
    {
        Navigateur()->setTextCursor(Curseur(debut, fin));
    }

    QRect characterRect(int position) const override
    {
        QRect place = Navigateur()->cursorRect(Curseur(position, position));
        place.setWidth(
            QFontMetrics(Navigateur()->font()).horizontalAdvance(text(position, position + 1)));
        return place.translated(Navigateur()->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint dedans = Navigateur()->viewport()->mapFromGlobal(point);
        return Navigateur()->cursorForPosition(dedans).position();
    }
    void scrollToSubstring(int debut, int fin) override
    {
        Navigateur()->setTextCursor(Curseur(debut, fin));
        Navigateur()->ensureCursorVisible();
    }
    QString attributes(int, int *debut, int *fin) const override
    {
        *debut = 0;
        *fin = characterCount();
        return QString();
    }

private:
    TexteAide *Navigateur() const { return static_cast<TexteAide *>(widget()); }

    QTextCursor Curseur(int debut, int fin) const
    {
        QTextCursor curseur(Navigateur()->document());
        const int taille = characterCount();
        curseur.setPosition(std::clamp(debut, 0, taille));
        curseur.setPosition(std::clamp(fin, 0, taille), QTextCursor::KeepAnchor);
        return curseur;
    }
    QPair<int, int> Bornes(int position, QAccessible::TextBoundaryType limite) const
    {
        return QAccessible::qAccessibleTextBoundaryHelper(Curseur(position, position), limite);
    }
    QString Morceau(QPair<int, int> bornes, int *debut, int *fin) const
    {
        *debut = bornes.first;
        *fin = bornes.second;
        return text(bornes.first, bornes.second);
    }
};

QAccessibleInterface *FabriqueTexteAide(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("kalvoro::TexteAide"))
        return new TexteAideAccessible(static_cast<TexteAide *>(objet));
    return nullptr;
}

// Posée avant la construction du premier texte : Qt garde l'interface d'un objet dès sa
// première demande, parfois pendant la construction même du widget.
QWidget *ApresLaFabrique(QWidget *parent)
{
    QAccessible::installFactory(&FabriqueTexteAide);
    return parent;
}

} // namespace

TexteAide::TexteAide(QWidget *parent) : QTextBrowser(ApresLaFabrique(parent)) {}

} // namespace kalvoro
