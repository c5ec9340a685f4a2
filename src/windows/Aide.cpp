#include "Aide.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
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
}

void ServiceAide::Ouvrir()
{
    QWidget *proprietaire = QApplication::activeModalWidget();
    if (!proprietaire)
        proprietaire = fenetrePrincipale;
    // Une visionneuse ouverte avant le dialogue modal serait bloquée par lui : on la remplace.
    if (visionneuse && visionneuse->parentWidget() != proprietaire) {
        visionneuse->close();
        visionneuse = nullptr;
    }
    if (!visionneuse)
        visionneuse = new VisionneuseAide(fichier, proprietaire);
    visionneuse->setWindowFlag(Qt::Window);
    visionneuse->show();
    visionneuse->AllerAuSommaire();
    visionneuse->raise();
    visionneuse->activateWindow();
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
