#pragma once
// Répondre à une boîte de message modale pendant que l'essai attend dans son exec(), et noter ce
// qu'elle a montré. Pour une suite de fenêtres modales, voir RepondeurModales.h.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace kalvoro {

// Ce qu'une boîte de message a montré avant qu'on lui réponde.
struct BoiteVue {
    QString Titre, Texte;
    QMessageBox::Icon Icone = QMessageBox::NoIcon;
    Qt::TextFormat Format = Qt::AutoText;
};

inline BoiteVue Voir(const QMessageBox &boite)
{
    return {boite.windowTitle(), boite.text(), boite.icon(), boite.textFormat()};
}

// Dès qu'une boîte de message (celle qui porte ce nom d'objet, ou n'importe laquelle si `nom`
// est vide) devient la fenêtre modale active, lui applique `reponse`. On regarde toutes les
// 10 ms, 500 fois au plus : une boîte qui ne vient pas laisse l'essai échouer sans le bloquer.
inline void QuandLaBoiteParait(const QString &nom, std::function<void(QMessageBox *)> reponse,
                               int essais = 500)
{
    auto *sonde = new QTimer;
    sonde->setInterval(10);
    QObject::connect(
        sonde, &QTimer::timeout, [sonde, nom, reponse = std::move(reponse), essais]() mutable {
            auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            const bool trouvee = boite && (nom.isEmpty() || boite->objectName() == nom);
            if (trouvee || --essais <= 0)
                sonde->deleteLater();
            if (trouvee) {
                sonde->stop();
                reponse(boite);
            }
        });
    sonde->start();
}

// Note la boîte qui paraît et répond OK.
inline void RepondreOk(BoiteVue &vue)
{
    QuandLaBoiteParait(QString(), [&vue](QMessageBox *boite) {
        vue = Voir(*boite);
        boite->button(QMessageBox::Ok)->click();
    });
}

// Répond à la boîte « fichier occupé » : Réessayer ou Annuler.
inline void RepondreAuFichierOccupe(QMessageBox *boite, bool reessayer)
{
    for (QAbstractButton *bouton : boite->buttons())
        if ((boite->buttonRole(bouton) == QMessageBox::AcceptRole) == reessayer)
            bouton->click();
}

} // namespace kalvoro
