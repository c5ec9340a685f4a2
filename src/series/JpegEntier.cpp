#include "JpegEntier.h"

namespace kalvoro {

namespace {

constexpr unsigned char Marqueur = 0xff;
constexpr unsigned char Fin = 0xd9;       // EOI
constexpr unsigned char DebutScan = 0xda; // SOS : les données codées suivent son en-tête

unsigned char Octet(const QByteArray &contenu, qsizetype position)
{
    return static_cast<unsigned char>(contenu.at(position));
}

// Les marqueurs sans longueur : TEM et les redémarrages RST0 à RST7.
bool SansLongueur(unsigned char marqueur)
{
    return marqueur == 0x01 || (marqueur >= 0xd0 && marqueur <= 0xd7);
}

// Après l'en-tête d'un scan, les données codées courent jusqu'au prochain marqueur qui n'est
// ni un octet 0xff échappé (0xff 0x00) ni un redémarrage.
qsizetype FinDuScan(const QByteArray &contenu, qsizetype position)
{
    for (position = contenu.indexOf(char(Marqueur), position);
         position >= 0 && position + 1 < contenu.size();
         position = contenu.indexOf(char(Marqueur), position + 1)) {
        const unsigned char suivant = Octet(contenu, position + 1);
        if (suivant != 0x00 && suivant != Marqueur && !SansLongueur(suivant))
            return position;
    }
    return -1;
}

} // namespace

bool EstJpeg(const QByteArray &contenu)
{
    return contenu.size() >= 3 && Octet(contenu, 0) == Marqueur && Octet(contenu, 1) == 0xd8 &&
           Octet(contenu, 2) == Marqueur;
}

bool JpegEntier(const QByteArray &contenu)
{
    qsizetype position = 2;
    while (position + 1 < contenu.size()) {
        if (Octet(contenu, position) != Marqueur)
            return false;
        const unsigned char marqueur = Octet(contenu, position + 1);
        position += 2;
        if (marqueur == Fin)
            return true;
        if (marqueur == Marqueur) {
            --position; // octet de remplissage avant un marqueur
            continue;
        }
        if (SansLongueur(marqueur))
            continue;
        if (position + 1 >= contenu.size())
            return false;
        position += (Octet(contenu, position) << 8) | Octet(contenu, position + 1);
        if (marqueur == DebutScan && (position = FinDuScan(contenu, position)) < 0)
            return false;
    }
    return false;
}

} // namespace kalvoro
