#include "Aide.h"

#include "PlaceAide.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kalvoro {

namespace {

QString MessageFichierAbsent(const QString &fichier)
{
    return QCoreApplication::translate(
               "kalvoro::VisionneuseAide",
               "<h2>Aide indisponible</h2>"
               "<p>Le fichier d'aide <b>%1</b> est introuvable ou illisible.</p>"
               "<p>Il doit se trouver dans le dossier du programme. "
               "Le jeu, lui, continue normalement.</p>")
        .arg(fichier.toHtmlEscaped());
}

} // namespace

VisionneuseAide::VisionneuseAide(const QString &fichier, QWidget *parent)
    : QDialog(parent), texte(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("VisionneuseAide"));
    setWindowTitle(tr("Aide de Kalvoro"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 520);
    texte->setObjectName(QStringLiteral("TexteAide"));
    // Pas de réseau : seuls les renvois internes au document sont suivis.
    texte->setOpenExternalLinks(false);
    texte->setOpenLinks(true);
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(texte);

    const QFileInfo info(fichier);
    if (info.isFile() && info.isReadable())
        texte->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    else
        texte->setHtml(MessageFichierAbsent(fichier));
}

// Le sommaire ouvre le document : on revient en tête, même après avoir suivi des renvois.
void VisionneuseAide::AllerAuSommaire()
{
    texte->moveCursor(QTextCursor::Start);
    texte->verticalScrollBar()->setValue(0);
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
    if (!visionneuse) {
        visionneuse = new VisionneuseAide(fichier, proprietaire);
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
    const QRect place =
        PlaceAide(exterieur, visionneuse->size() + cadre, ecran->availableGeometry());
    visionneuse->move(place.topLeft());
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
