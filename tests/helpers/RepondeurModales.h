#pragma once
// Répond, dans l'ordre prévu, aux fenêtres modales qu'ouvre le programme pendant qu'un test
// attend dans un clic ou un tic : chaque étape attend la fenêtre qui porte ce nom d'objet ou ce
// titre, puis agit sur elle. Une fenêtre imprévue, ou qui reste ouverte après sa réponse, est
// notée puis fermée : un test qui échoue ne reste jamais bloqué dans un exec().
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kalvoro {

class RepondeurModales : public QObject {
public:
    using Action = std::function<void(QWidget *modale)>;

    RepondeurModales()
    {
        sonde.setInterval(5);
        connect(&sonde, &QTimer::timeout, this, &RepondeurModales::Sonder);
        sonde.start();
    }

    // La prochaine fenêtre attendue : son objectName ou son titre, et la réponse à lui faire.
    void Attendre(const QString &nom, Action action) { etapes.append({nom, std::move(action)}); }

    // Les fenêtres attendues qui n'ont pas encore paru, dans l'ordre.
    QStringList Attendues() const
    {
        QStringList noms;
        for (const Etape &etape : etapes)
            noms << etape.nom;
        return noms;
    }
    QStringList Imprevues; // "titre (nom d'objet)" de chaque fenêtre fermée d'office

private:
    struct Etape {
        QString nom;
        Action action;
    };

    static constexpr int DelaiDeReponseMs = 10000;

    void Sonder()
    {
        QWidget *modale = QApplication::activeModalWidget();
        if (!modale)
            return;
        if (traitees.contains(modale)) {
            // Déjà répondue : encore là, c'est qu'elle ne se ferme pas (ou qu'une autre modale
            // qu'elle a ouverte vient de se refermer et qu'elle va finir).
            if (depuis.elapsed() > DelaiDeReponseMs)
                Fermer(modale, QStringLiteral("restée ouverte : "));
            return;
        }
        traitees.append(modale);
        depuis.start();
        if (etapes.isEmpty() || (modale->objectName() != etapes.front().nom &&
                                 modale->windowTitle() != etapes.front().nom)) {
            Fermer(modale, QStringLiteral("imprévue : "));
            return;
        }
        // L'action s'exécute hors de la sonde : elle peut ouvrir une autre modale, à laquelle
        // la sonde doit encore pouvoir répondre.
        QTimer::singleShot(0, modale,
                           [action = etapes.takeFirst().action, modale] { action(modale); });
    }

    void Fermer(QWidget *modale, const QString &raison)
    {
        Imprevues << raison + modale->windowTitle() + QStringLiteral(" (") + modale->objectName() +
                         QLatin1Char(')');
        depuis.start();
        QTimer::singleShot(0, modale, [modale] {
            if (auto *dialogue = qobject_cast<QDialog *>(modale))
                dialogue->reject();
            else
                modale->close();
        });
    }

    QList<Etape> etapes;
    QList<QPointer<QWidget>> traitees;
    QElapsedTimer depuis;
    QTimer sonde;
};

} // namespace kalvoro
