#pragma once
#include <QLineEdit>
#include <functional>
#include <optional>

namespace kalvoro {

// Une zone de texte d'une ligne dont chaque caractère ajouté passe par un filtre de frappe,
// qu'il soit tapé, collé (clavier, menu contextuel, bouton du milieu) ou déposé : le filtre
// reçoit le caractère et rend celui à ajouter, ou rien s'il absorbe la touche. Entrée passe
// par le filtre puis s'arrête là : ni la zone ni le dialogue ne la voient. Alt + une touche est
// une commande, jamais du texte (AltGr, lui, tape ses caractères). La longueur se compte en
// caractères tels que le joueur les voit, comme dans le magasin (Caracteres.h).
class ZoneSaisie : public QLineEdit {
    Q_OBJECT
public:
    using Filtre = std::function<std::optional<QChar>(QChar)>;

    explicit ZoneSaisie(QWidget *parent = nullptr);

    void PoserFiltre(Filtre filtre);
    void PoserLongueurMax(int caracteres) { LongueurMax = caracteres; }
    int LongueurMaxCaracteres() const { return LongueurMax; }

    // Ajoute au curseur, à la place de la sélection, comme si chaque caractère était tapé ; un
    // saut de ligne entre deux lignes devient un blanc, les autres caractères de contrôle
    // (tabulation...) sont écartés. Un caractère qui ne tient plus est refusé entier, et rien de
    // ce qui le suit n'est gardé.
    void InsererCommeTape(const QString &texte);

    void Coller();

protected:
    void keyPressEvent(QKeyEvent *evenement) override;
    void focusInEvent(QFocusEvent *evenement) override;
    void contextMenuEvent(QContextMenuEvent *evenement) override;
    void dropEvent(QDropEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void inputMethodEvent(QInputMethodEvent *evenement) override;

private:
    QString Filtrer(const QString &grappe) const;
    bool Tiendrait(const QString &ajout) const;
    void TransmettreSansTexte(QKeyEvent *evenement);

    Filtre FiltreFrappe;
    int LongueurMax = 32767;
};

} // namespace kalvoro
