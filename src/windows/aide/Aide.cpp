#include "Aide.h"

#include "EntreeSurBouton.h"
#include "PlaceAide.h"
#include "TexteAide.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace kalvoro {

namespace {

// La taille voulue de l'aide, que la place à l'écran peut réduire.
constexpr QSize TailleAide(760, 540);

QString MessageFichierAbsent(const QString &fichier)
{
    return VisionneuseAide::tr("<h2>Aide indisponible</h2>"
                               "<p>Le fichier d'aide <b>%1</b> est introuvable ou illisible.</p>"
                               "<p>Il doit se trouver dans le dossier du programme. "
                               "Le jeu, lui, continue normalement.</p>")
        .arg(fichier.toHtmlEscaped());
}

} // namespace

VisionneuseAide::VisionneuseAide(const QString &fichier, QWidget *parent)
    : QDialog(parent), sommaire(new QListWidget(this)), texte(new TexteAide(this)),
      fermer(new QPushButton(tr("&Fermer"), this))
{
    setObjectName(QStringLiteral("VisionneuseAide"));
    setWindowTitle(tr("Aide de Kalvoro"));
    setAttribute(Qt::WA_DeleteOnClose);
    EntreeAppuieLeBouton();
    resize(TailleAide);
    CreerControles();
    QFile document(fichier);
    if (QFileInfo(fichier).isFile() && document.open(QIODevice::ReadOnly))
        morceaux = DecouperAide(QString::fromUtf8(document.readAll()));
    else
        morceaux = {{QString(), tr("Aide indisponible"), MessageFichierAbsent(fichier)}};
    for (const MorceauAide &morceau : std::as_const(morceaux))
        sommaire->addItem(morceau.titre);
    sommaire->setCurrentRow(0);
}

void VisionneuseAide::CreerControles()
{
    sommaire->setObjectName(QStringLiteral("Sommaire"));
    sommaire->setAccessibleName(tr("Sommaire"));
    sommaire->setFixedWidth(190);
    sommaire->setWordWrap(true);
    texte->setObjectName(QStringLiteral("TexteAide"));
    // Pas de réseau : les renvois internes mènent à leur section, les autres ne mènent nulle part.
    texte->setOpenLinks(false);
    // Un curseur que les flèches déplacent : le lecteur d'écran lit la section ligne par ligne.
    texte->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    fermer->setObjectName(QStringLiteral("Fermer"));
    fermer->setAutoDefault(false);
    connect(sommaire, &QListWidget::currentRowChanged, this, &VisionneuseAide::Montrer);
    // Entrée sur un titre ouvre sa section : le focus passe au texte, que le lecteur lit.
    connect(sommaire, &QListWidget::activated, this, &VisionneuseAide::LireSection);
    sommaire->installEventFilter(this);
    connect(texte, &QTextBrowser::anchorClicked, this, &VisionneuseAide::SuivreRenvoi);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto *lecture = new QHBoxLayout;
    lecture->addWidget(sommaire);
    lecture->addWidget(texte);
    auto *bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(fermer);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(6, 6, 6, 6);
    disposition->addLayout(lecture);
    disposition->addLayout(bas);
}

void VisionneuseAide::Montrer(int morceau)
{
    if (morceau < 0 || morceau >= morceaux.size())
        return;
    texte->setHtml(morceaux.at(morceau).html);
    texte->verticalScrollBar()->setValue(0);
}

void VisionneuseAide::LireSection()
{
    texte->moveCursor(QTextCursor::Start);
    texte->setFocus(Qt::OtherFocusReason);
}

// Qt ne dit aux lecteurs d'écran que la liste qui reçoit le focus, pas la section choisie,
// qui n'a pas changé : le joueur ne saurait pas où il en est. Elle l'est juste après la liste,
// que Qt annonce une fois ce filtre passé.
bool VisionneuseAide::eventFilter(QObject *objet, QEvent *evenement)
{
    if (objet == sommaire && evenement->type() == QEvent::FocusIn)
        QTimer::singleShot(0, sommaire, [this] { DireSectionChoisie(); });
    return QDialog::eventFilter(objet, evenement);
}

void VisionneuseAide::DireSectionChoisie()
{
    if (!sommaire->hasFocus() || sommaire->currentRow() < 0)
        return;
    QAccessibleEvent focus(sommaire, QAccessible::Focus);
    focus.setChild(sommaire->currentRow());
    QAccessible::updateAccessibility(&focus);
}

void VisionneuseAide::SuivreRenvoi(const QUrl &renvoi)
{
    for (qsizetype k = 0; k < morceaux.size(); ++k) {
        if (renvoi.fragment() == morceaux.at(k).ancre && !renvoi.fragment().isEmpty())
            sommaire->setCurrentRow(static_cast<int>(k));
    }
    if (renvoi.fragment() == QLatin1String("sommaire"))
        sommaire->setCurrentRow(0);
}

// Le sommaire ouvre le document : on revient en tête, même après avoir suivi des renvois.
void VisionneuseAide::AllerAuSommaire()
{
    sommaire->setCurrentRow(0);
    texte->moveCursor(QTextCursor::Start);
    texte->verticalScrollBar()->setValue(0);
    sommaire->setFocus(Qt::OtherFocusReason);
}

ServiceAide::ServiceAide(QWidget *principale) : QObject(principale), fenetrePrincipale(principale)
{
    qApp->installEventFilter(this);
}

ServiceAide::~ServiceAide()
{
    qApp->removeEventFilter(this);
    if (visionneuse && !visionneuse->parentWidget())
        delete visionneuse;
}

void ServiceAide::Ouvrir()
{
    QWidget *demandeur = QApplication::activeWindow();
    if (!demandeur || demandeur == visionneuse)
        demandeur = fenetrePrincipale;
    // Sans dialogue modal, la visionneuse n'appartient à aucune fenêtre : un clic sur le jeu
    // la fait passer dessous. Un dialogue modal, lui, la bloquerait s'il n'en était le
    // propriétaire : elle reste alors au-dessus de lui.
    QWidget *proprietaire = QApplication::activeModalWidget();
    if (visionneuse && visionneuse->parentWidget() != proprietaire) {
        visionneuse->close();
        visionneuse = nullptr;
    }
    fenetreDemandeuse = demandeur;
    if (!visionneuse) {
        visionneuse = new VisionneuseAide(fichier, proprietaire);
        connect(visionneuse, &QDialog::finished, this, &ServiceAide::RendreLaMain);
        // Une fenêtre, non un dialogue : Qt attacherait un dialogue sans parent à la fenêtre
        // active, et l'aide resterait au-dessus du jeu.
        visionneuse->setWindowFlags(Qt::Window);
        visionneuse->setAttribute(Qt::WA_QuitOnClose, false); // le jeu fermé, l'aide s'en va
        PlacerAupresDe(demandeur);
    }
    visionneuse->show();
    visionneuse->AllerAuSommaire();
    visionneuse->raise();
    visionneuse->activateWindow();
}

void ServiceAide::PlacerAupresDe(const QWidget *demandeur)
{
    const QRect exterieur = demandeur->frameGeometry();
    // Le cadre de la visionneuse n'existe pas encore : on lui prête celui du demandeur.
    const QSize cadre = exterieur.size() - demandeur->geometry().size();
    const QScreen *ecran = demandeur->screen();
    // À 150 %, l'écran compté en pixels logiques est arrondi au-dessus (1024 / 1,5 = 683) : un
    // pixel logique de moins garde l'aide dans l'écran réel.
    QRect utile = ecran->availableGeometry();
    const qreal densite = ecran->devicePixelRatio();
    if (densite != std::floor(densite))
        utile.adjust(0, 0, -1, -1);
    const QRect place = PlaceAide(exterieur, visionneuse->size() + cadre, utile);
    visionneuse->resize(place.size() - cadre);
    visionneuse->move(place.topLeft());
}

void ServiceAide::RendreLaMain()
{
    // Sans gestionnaire de fenêtres qui le fasse, le clavier irait nulle part.
    QWidget *fenetre = fenetreDemandeuse ? fenetreDemandeuse.data() : fenetrePrincipale;
    if (fenetre->isVisible())
        fenetre->activateWindow();
}

bool ServiceAide::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return QObject::eventFilter(objet, evenement);
    const auto *touche = static_cast<QKeyEvent *>(evenement);
    if (touche->key() != Qt::Key_F1 || touche->modifiers() != Qt::NoModifier)
        return false;
    Ouvrir();
    return true;
}

} // namespace kalvoro
