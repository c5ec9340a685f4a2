-- Graine du fichier des scores livré : six tables de dix lignes, noms inventés.
-- Les scores, de 35 à 90 coups, laissent entrer une bonne partie.
BEGIN;
CREATE TABLE "Animaux" (
    NOM TEXT NOT NULL CHECK (length(NOM) <= 25),
    PRENOM TEXT NOT NULL CHECK (length(PRENOM) <= 20),
    DATE TEXT NOT NULL CHECK (date(DATE) = DATE),
    SCORE INTEGER NOT NULL CHECK (typeof(SCORE) = 'integer')
);
INSERT INTO "Animaux" (NOM, PRENOM, DATE, SCORE) VALUES
    ('GIRAUD', 'Rémi', '1999-12-10', 36),
    ('DUPRÉ', 'Élodie', '1998-01-24', 42),
    ('MOREL', 'Bastien', '1998-02-10', 48),
    ('COLLET', 'Hélène', '2000-01-04', 53),
    ('PICARD', 'Claire', '1998-02-03', 55),
    ('MARCHAND', 'Céline', '2000-05-08', 71),
    ('MOREL', 'Bastien', '1999-02-20', 75),
    ('CARON', 'Amélie', '1998-10-28', 77),
    ('ROLLAND', 'Céline', '1999-05-22', 79),
    ('FONTAINE', 'François', '1999-06-20', 84);
CREATE TABLE "Cinéma" (
    NOM TEXT NOT NULL CHECK (length(NOM) <= 25),
    PRENOM TEXT NOT NULL CHECK (length(PRENOM) <= 20),
    DATE TEXT NOT NULL CHECK (date(DATE) = DATE),
    SCORE INTEGER NOT NULL CHECK (typeof(SCORE) = 'integer')
);
INSERT INTO "Cinéma" (NOM, PRENOM, DATE, SCORE) VALUES
    ('FAURE', 'Claire', '2000-07-04', 44),
    ('LEMAIRE', 'Hélène', '1999-02-28', 45),
    ('LEFÈVRE', 'François', '2000-12-25', 47),
    ('BARBIER', 'Thibault', '1998-07-17', 49),
    ('GAUTHIER', 'Jérôme', '1999-02-20', 54),
    ('PERRIN', 'Benoît', '1998-07-12', 55),
    ('RENAUD', 'Hélène', '2000-01-06', 57),
    ('LEFÈVRE', 'Bastien', '1998-05-04', 68),
    ('BERTIN', 'Thibault', '1998-06-24', 73),
    ('BRUNET', 'Sophie', '2000-03-01', 78);
CREATE TABLE "Disney" (
    NOM TEXT NOT NULL CHECK (length(NOM) <= 25),
    PRENOM TEXT NOT NULL CHECK (length(PRENOM) <= 20),
    DATE TEXT NOT NULL CHECK (date(DATE) = DATE),
    SCORE INTEGER NOT NULL CHECK (typeof(SCORE) = 'integer')
);
INSERT INTO "Disney" (NOM, PRENOM, DATE, SCORE) VALUES
    ('BRUNET', 'Amélie', '1998-10-12', 38),
    ('MARCHAND', 'Claire', '2000-11-21', 48),
    ('PICARD', 'Amélie', '2000-09-14', 51),
    ('FAURE', 'Loïc', '1998-12-13', 54),
    ('BOYER', 'Hélène', '1999-12-25', 64),
    ('BRUNET', 'Julien', '1999-04-10', 66),
    ('GAUTHIER', 'Julien', '1999-07-20', 69),
    ('MOREL', 'Rémi', '2000-08-11', 72),
    ('GIRAUD', 'Margaux', '1999-04-26', 73),
    ('PICARD', 'Sophie', '1999-05-28', 90);
CREATE TABLE "Formes" (
    NOM TEXT NOT NULL CHECK (length(NOM) <= 25),
    PRENOM TEXT NOT NULL CHECK (length(PRENOM) <= 20),
    DATE TEXT NOT NULL CHECK (date(DATE) = DATE),
    SCORE INTEGER NOT NULL CHECK (typeof(SCORE) = 'integer')
);
INSERT INTO "Formes" (NOM, PRENOM, DATE, SCORE) VALUES
    ('MARCHAND', 'Sophie', '1998-05-14', 41),
    ('PERRIN', 'Grégoire', '1999-02-21', 49),
    ('CARON', 'Céline', '1998-08-15', 59),
    ('COLLET', 'Léa', '1999-07-27', 60),
    ('LAMBERT', 'Sophie', '2000-07-27', 65),
    ('FONTAINE', 'Mathieu', '1999-06-07', 69),
    ('PERRIN', 'Thibault', '1999-08-22', 70),
    ('NOËL', 'Céline', '1998-09-16', 74),
    ('DUPRÉ', 'Anaïs', '1998-11-19', 76),
    ('FONTAINE', 'Céline', '2000-08-01', 86);
CREATE TABLE "Smileys" (
    NOM TEXT NOT NULL CHECK (length(NOM) <= 25),
    PRENOM TEXT NOT NULL CHECK (length(PRENOM) <= 20),
    DATE TEXT NOT NULL CHECK (date(DATE) = DATE),
    SCORE INTEGER NOT NULL CHECK (typeof(SCORE) = 'integer')
);
INSERT INTO "Smileys" (NOM, PRENOM, DATE, SCORE) VALUES
    ('BLANCHARD', 'Julien', '2000-03-28', 38),
    ('LEFÈVRE', 'Jérôme', '1999-04-08', 46),
    ('VASSEUR', 'Bastien', '1998-09-05', 47),
    ('DUPRÉ', 'Céline', '1999-04-22', 48),
    ('RENAUD', 'Anaïs', '1998-04-05', 49),
    ('FONTAINE', 'Julien', '2000-01-28', 66),
    ('BLANCHARD', 'Thibault', '1999-12-17', 71),
    ('GARNIER', 'Amélie', '1998-05-26', 79),
    ('FONTAINE', 'Jérôme', '2000-04-04', 83),
    ('MERCIER', 'Thibault', '1998-08-09', 86);
CREATE TABLE "Toons" (
    NOM TEXT NOT NULL CHECK (length(NOM) <= 25),
    PRENOM TEXT NOT NULL CHECK (length(PRENOM) <= 20),
    DATE TEXT NOT NULL CHECK (date(DATE) = DATE),
    SCORE INTEGER NOT NULL CHECK (typeof(SCORE) = 'integer')
);
INSERT INTO "Toons" (NOM, PRENOM, DATE, SCORE) VALUES
    ('DELORME', 'Bastien', '1999-11-13', 36),
    ('BARBIER', 'Jérôme', '1999-10-14', 37),
    ('BERTIN', 'Loïc', '1999-10-10', 45),
    ('PICARD', 'Anaïs', '1999-06-18', 47),
    ('ROLLAND', 'Mathieu', '1998-04-13', 48),
    ('DUPRÉ', 'Benoît', '1998-04-16', 55),
    ('FAURE', 'François', '1998-08-23', 67),
    ('DUPRÉ', 'Anaïs', '2000-01-23', 77),
    ('MERCIER', 'Rémi', '1999-07-08', 79),
    ('TESSIER', 'Rémi', '2000-12-01', 80);
COMMIT;
