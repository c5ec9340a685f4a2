#include "FenetreJoueurs.h"

#include "Caracteres.h"
#include "MagasinScores.h"
#include "NomsSerie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kalvoro {

namespace {

const QString CleNombre = QStringLiteral("joueurs/nombre");
const QString ClePrenoms = QStringLiteral("joueurs/prenoms");
const QString CleOrdinateur = QStringLiteral("joueurs/ordinateur");
const QString CleNiveau = QStringLiteral("joueurs/niveau");

// Un niveau tel que la liste et les réglages le numérotent (0 : Facile), borné.
NiveauOrdinateur NiveauNumero(int numero)
{
    return NiveauOrdinateur(std::clamp(numero, 0, int(NiveauOrdinateur::Fort)));
}

} // namespace

QString PrenomNettoye(const QString &texte)
{
    QStringList grappes = Grappes(FormeEcrite(NomNettoye(texte, 4 * LongueurPrenom)));
    while (!grappes.isEmpty() && !TientDans(grappes.join(QString()), LongueurPrenom))
        grappes.removeLast();
    return grappes.join(QString()).trimmed();
}

FenetreJoueurs::FenetreJoueurs(const ChoixJoueurs &choix, QWidget *parent)
    : QDialog(parent), prenoms(choix.prenoms)
{
    setObjectName(QStringLiteral("FenetreJoueurs"));
    setWindowTitle(tr("Joueurs"));
    prenoms.resize(JoueursAuPlus);
    CreerControles();
    NombreJoueurs->setValue(std::clamp(choix.nombre, 1, JoueursAuPlus));
    Ordinateur->setChecked(choix.ordinateur);
    NiveauOrdinateur->setCurrentIndex(int(choix.niveau));
    Actualiser();
    connect(NombreJoueurs, &QSpinBox::valueChanged, this, &FenetreJoueurs::Actualiser);
    connect(Ordinateur, &QCheckBox::toggled, this, &FenetreJoueurs::Actualiser);
}

void FenetreJoueurs::CreerControles()
{
    auto *formulaire = new QFormLayout;
    NombreJoueurs = new QSpinBox(this);
    NombreJoueurs->setObjectName(QStringLiteral("NombreJoueurs"));
    NombreJoueurs->setRange(1, JoueursAuPlus);
    formulaire->addRow(tr("&Nombre de joueurs :"), NombreJoueurs);
    for (int place = 0; place < JoueursAuPlus; ++place) {
        QLineEdit *prenom = Prenoms[place] = new QLineEdit(this);
        prenom->setObjectName(QStringLiteral("Prenom%1").arg(place + 1));
        prenom->setMaxLength(4 * LongueurPrenom); // coupé au nettoyage, grappes comprises
        prenom->setPlaceholderText(ChoixJoueurs::PrenomParDefaut(place + 1));
        connect(prenom, &QLineEdit::textEdited, this,
                [this, place](const QString &texte) { prenoms[place] = texte; });
        formulaire->addRow(tr("Joueur &%1 :").arg(place + 1), prenom);
    }
    Ordinateur = new QCheckBox(tr("L'&ordinateur joue à la dernière place"), this);
    Ordinateur->setObjectName(QStringLiteral("Ordinateur"));
    formulaire->addRow(Ordinateur);
    NiveauOrdinateur = new QComboBox(this);
    NiveauOrdinateur->setObjectName(QStringLiteral("NiveauOrdinateur"));
    for (int numero = 0; numero <= int(kalvoro::NiveauOrdinateur::Fort); ++numero)
        NiveauOrdinateur->addItem(ChoixJoueurs::NomNiveau(NiveauNumero(numero)));
    formulaire->addRow(tr("&Mémoire de l'ordinateur :"), NiveauOrdinateur);
    auto *boutons = new QDialogButtonBox(this);
    boutons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    boutons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(boutons);
}

int FenetreJoueurs::PlacesHumaines() const
{
    const int nombre = NombreJoueurs->value();
    return nombre > 1 && Ordinateur->isChecked() ? nombre - 1 : nombre;
}

void FenetreJoueurs::Actualiser()
{
    const int nombre = NombreJoueurs->value();
    const bool ordinateur = nombre > 1 && Ordinateur->isChecked();
    for (int place = 0; place < JoueursAuPlus; ++place) {
        const bool personne = place < PlacesHumaines();
        const bool machine = ordinateur && place == nombre - 1;
        Prenoms[place]->setEnabled(personne);
        Prenoms[place]->setText(machine ? ChoixJoueurs::NomOrdinateur() : prenoms[place]);
    }
    Ordinateur->setEnabled(nombre > 1);
    NiveauOrdinateur->setEnabled(ordinateur);
}

ChoixJoueurs FenetreJoueurs::Choix() const
{
    ChoixJoueurs choix;
    choix.nombre = NombreJoueurs->value();
    for (const QString &prenom : prenoms)
        choix.prenoms << PrenomNettoye(prenom);
    choix.ordinateur = Ordinateur->isChecked();
    choix.niveau = NiveauNumero(NiveauOrdinateur->currentIndex());
    return choix;
}

ChoixJoueurs ChoixRetenu(const QString &fichier)
{
    ChoixJoueurs choix;
    if (fichier.isEmpty())
        return choix;
    // Un fichier retouché à la main n'est pas cru sur parole : tout est borné et nettoyé.
    const QSettings reglages(fichier, QSettings::IniFormat);
    choix.nombre = std::clamp(reglages.value(CleNombre, 1).toInt(), 1, JoueursAuPlus);
    const QStringList lus = reglages.value(ClePrenoms).toStringList().mid(0, JoueursAuPlus);
    for (const QString &prenom : lus)
        choix.prenoms << PrenomNettoye(prenom);
    choix.ordinateur = reglages.value(CleOrdinateur, false).toBool();
    choix.niveau = NiveauNumero(reglages.value(CleNiveau, 1).toInt());
    return choix;
}

void RetenirChoix(const QString &fichier, const ChoixJoueurs &choix)
{
    if (fichier.isEmpty())
        return;
    QSettings reglages(fichier, QSettings::IniFormat);
    reglages.setValue(CleNombre, choix.nombre);
    reglages.setValue(ClePrenoms, choix.prenoms);
    reglages.setValue(CleOrdinateur, choix.ordinateur);
    reglages.setValue(CleNiveau, int(choix.niveau));
}

} // namespace kalvoro
