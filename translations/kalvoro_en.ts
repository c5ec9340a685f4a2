<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>AffichageScores</name>
    <message>
        <source>&amp;Animaux</source>
        <translation>&amp;Animals</translation>
    </message>
    <message>
        <source>&amp;Cinéma</source>
        <translation>&amp;Movies</translation>
    </message>
    <message>
        <source>&amp;Disney</source>
        <translation>&amp;Disney</translation>
    </message>
    <message>
        <source>&amp;Formes</source>
        <translation>S&amp;hapes</translation>
    </message>
    <message>
        <source>&amp;Smileys</source>
        <translation>&amp;Smileys</translation>
    </message>
    <message>
        <source>&amp;Toons</source>
        <translation>&amp;Toons</translation>
    </message>
    <message>
        <source>Les meilleurs scores</source>
        <translation>Best scores</translation>
    </message>
    <message>
        <source>Les meilleurs scores.    Série : %1</source>
        <translation>Best scores: %1</translation>
    </message>
    <message>
        <source>Les meilleurs scores.    Série : %1, %2</source>
        <translation>Best scores: %1, %2</translation>
    </message>
</context>
<context>
    <name>AnnoncesJeu</name>
    <message>
        <source>Paire trouvée.</source>
        <translation>Pair found.</translation>
    </message>
    <message>
        <source>Pas de paire.</source>
        <translation>No pair.</translation>
    </message>
    <message>
        <source>Score en cours : %1.</source>
        <translation>Current score: %1.</translation>
    </message>
    <message>
        <source>Nouveau meilleur score : %1.</source>
        <translation>New best score: %1.</translation>
    </message>
    <message>
        <source>Meilleur score : %1.</source>
        <translation>Best score: %1.</translation>
    </message>
    <message>
        <source>Partie abandonnée.</source>
        <translation>Game given up.</translation>
    </message>
    <message>
        <source>1er sur %1.</source>
        <translation>1st of %1.</translation>
    </message>
    <message>
        <source>2e sur %1.</source>
        <translation>2nd of %1.</translation>
    </message>
    <message>
        <source>3e sur %1.</source>
        <translation>3rd of %1.</translation>
    </message>
    <message>
        <source>%1e sur %2.</source>
        <translation>%1th of %2.</translation>
    </message>
    <message>
        <source>%1 commence.</source>
        <translation>%1 begins.</translation>
    </message>
    <message>
        <source>%1 retourne %2.</source>
        <translation>%1 turns over %2.</translation>
    </message>
    <message>
        <source>Paire pour %1, %2. %1 rejoue.</source>
        <translation>Pair for %1, %2. %1 plays again.</translation>
    </message>
    <message>
        <source>Pas de paire pour %1. À %2 de jouer.</source>
        <translation>No pair for %1. %2 to play.</translation>
    </message>
</context>
<context>
    <name>AproposTextes</name>
    <message>
        <source>Adresse :</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Téléphone :</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>Fax :</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>E-mail :</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Evolution des versions de : </source>
        <translation>Version history of </translation>
    </message>
    <message>
        <source>04/2000 - V1.7	Tableaux des meilleurs scores protégés et fenêtre A propos</source>
        <translation>04/2000 - V1.7	Protected best-score tables and an About window</translation>
    </message>
    <message>
        <source>07/1999 - V1.6	Possibilité E-Mail et site internet</source>
        <translation>07/1999 - V1.6	E-mail and website links</translation>
    </message>
    <message>
        <source>01/1999 - V1.5	Correction du bug permettant en cliquant rapidement</source>
        <translation>01/1999 - V1.5	Fixed a bug that let quick clicking</translation>
    </message>
    <message>
        <source>		d&apos;activer plus de 2 boutons</source>
        <translation>		turn over more than 2 cards</translation>
    </message>
    <message>
        <source>09/1998 - V1.0	Première version : six séries de 24 images</source>
        <translation>09/1998 - V1.0	First release: six series of 24 pictures</translation>
    </message>
    <message>
        <source>ASSISTANCE TECHNIQUE :</source>
        <translation>TECHNICAL SUPPORT:</translation>
    </message>
    <message>
        <source>L&apos;assistance technique de Kalvoro est gratuite. Elle est assurée par l&apos;auteur lui-même, du lundi au vendredi de 9 h à 18 h, par courrier, par téléphone, par fax ou par e-mail.</source>
        <translation>Technical support for Kalvoro is free. The author answers in person, Monday to Friday from 9 am to 6 pm, by mail, phone, fax or e-mail.</translation>
    </message>
    <message>
        <source>Pour une réponse rapide, indiquez la version du programme (onglet « Infos techniques ») et décrivez ce que vous faisiez quand le problème est apparu.</source>
        <translation>For a quick answer, give the version of the program (“Technical info” tab) and describe what you were doing when the problem appeared.</translation>
    </message>
    <message>
        <source>  Nom de l&apos;éxecutable : </source>
        <translation>  Executable name:  </translation>
    </message>
    <message>
        <source>  Version :                  </source>
        <translation>  Version:                   </translation>
    </message>
    <message>
        <source>  Commentaires :          </source>
        <translation>  Comments:             </translation>
    </message>
    <message>
        <source>  Marques légales :       </source>
        <translation>  Trademarks:            </translation>
    </message>
    <message>
        <source>  Copyright :                </source>
        <translation>  Copyright:               </translation>
    </message>
    <message>
        <source>  Organisation :            </source>
        <translation>  Company:               </translation>
    </message>
</context>
<context>
    <name>BoiteOuiNon</name>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>ChoixJoueurs</name>
    <message>
        <source>Joueur %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Ordinateur</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Facile</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Moyen</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Fort</source>
        <translation>Strong</translation>
    </message>
</context>
<context>
    <name>CopieScores</name>
    <message>
        <source>le fichier est endommagé (%1).</source>
        <translation>the file is damaged (%1).</translation>
    </message>
</context>
<context>
    <name>Demarrage</name>
    <message>
        <source>La base des scores %1 n&apos;a pas pu être ouverte.</source>
        <translation>The score database %1 could not be opened.</translation>
    </message>
    <message>
        <source>La date de dernière modification du programme %1 ne peut pas être lue : le fichier est absent ou illisible.</source>
        <translation>The last-modified date of the program %1 cannot be read: the file is missing or unreadable.</translation>
    </message>
</context>
<context>
    <name>EchecFatal</name>
    <message>
        <source>Fichier des scores occupé</source>
        <translation>Score file busy</translation>
    </message>
    <message>
        <source>&amp;Réessayer</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Emplacements</name>
    <message>
        <source>Le fichier des scores livré « %1 » ne peut pas être lu : %2</source>
        <translation>The score file that came with the game, “%1”, cannot be read: %2</translation>
    </message>
    <message>
        <source>La copie de vos scores n&apos;a pas pu être écrite dans le dossier « %1 » : le dossier ne peut être créé ou écrit (droits, disque plein).</source>
        <translation>Your copy of the scores could not be written to the folder “%1”: the folder cannot be created or written to (permissions, full disk).</translation>
    </message>
    <message>
        <source>La copie de vos scores n&apos;a pas pu être nommée « %1 ».</source>
        <translation>Your copy of the scores could not be named “%1”.</translation>
    </message>
    <message>
        <source>Le fichier des scores livré « %1 » a un journal, laissé par une inscription interrompue, qui ne peut pas être lu : %2. Sans lui, la copie montrerait une inscription jamais achevée.</source>
        <translation>The score file that came with the game, “%1”, has a journal, left by an interrupted save, that cannot be read: %2. Without it, the copy would show a save that never finished.</translation>
    </message>
    <message>
        <source>Le fichier des scores livré « %1 » change pendant sa copie : un autre programme y inscrit des scores. Réessayez dans un instant.</source>
        <translation>The score file that came with the game, “%1”, changed while it was being copied: another program is saving scores in it. Try again in a moment.</translation>
    </message>
    <message>
        <source>La copie de vos scores, tirée de « %1 », est refusée : %2</source>
        <translation>Your copy of the scores, taken from “%1”, is refused: %2</translation>
    </message>
    <message>
        <source>Vos scores du dossier « %1 » sont dans « %2 », mais la note « %3 » qui s&apos;en souvient n&apos;a pas pu être écrite : %4. Le jour où vous pourrez écrire dans ce dossier, Kalvoro y reprendrait son propre Scores.dat : corrigez la note d&apos;ici là.</source>
        <translation>Your scores from the folder “%1” are in “%2”, but the note “%3” that remembers this could not be written: %4. On the day you can write to that folder, Kalvoro would go back to its own Scores.dat there: fix the note before then.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » est un lien vers « %2 », qui n&apos;existe pas : vos scores ne peuvent pas être ouverts.</source>
        <translation>The score file “%1” is a link to “%2”, which does not exist: your scores cannot be opened.</translation>
    </message>
    <message>
        <source>c&apos;est un lien symbolique</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>Le journal « %1 », resté sans le fichier des scores qu&apos;il complétait, ne peut pas être mis de côté : la copie de vos scores ne peut donc être faite.</source>
        <translation>The journal “%1”, left without the score file it belonged to, cannot be set aside: your copy of the scores therefore cannot be made.</translation>
    </message>
    <message>
        <source>Le journal « %1 » était resté sans le fichier des scores qu&apos;il complétait : il a été mis de côté sous le nom « %2 », et vos scores repartent du fichier livré.</source>
        <translation>The journal “%1” had been left without the score file it belonged to: it has been set aside as “%2”, and your scores start again from the delivered file.</translation>
    </message>
</context>
<context>
    <name>FichierExterieur</name>
    <message>
        <source>introuvable</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>pas un fichier ordinaire</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>fichier trop gros</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>image illisible</source>
        <translation>unreadable picture</translation>
    </message>
    <message>
        <source>image trop grande</source>
        <translation>picture too large</translation>
    </message>
    <message>
        <source>image SVG qui renvoie à d&apos;autres fichiers</source>
        <translation>SVG picture that refers to other files</translation>
    </message>
</context>
<context>
    <name>InfosVersion</name>
    <message>
        <source>Jeu de mémoire</source>
        <translation>Memory game</translation>
    </message>
    <message>
        <source>© 1998-2000 Kalvoro, tous droits réservés</source>
        <translation>© 1998-2000 Kalvoro, all rights reserved</translation>
    </message>
    <message>
        <source>Kalvoro est une marque de son auteur</source>
        <translation>Kalvoro is a trademark of its author</translation>
    </message>
</context>
<context>
    <name>Lancement</name>
    <message>
        <source>Kalvoro a rencontré une erreur imprévue et doit s&apos;arrêter.

%1</source>
        <translation>Kalvoro ran into an unexpected error and has to stop.

%1</translation>
    </message>
    <message>
        <source>Kalvoro n&apos;a trouvé aucune image dans :

%1</source>
        <translation>Kalvoro found no pictures in:

%1</translation>
    </message>
    <message>
        <source>Kalvoro n&apos;a pas pu prendre :

%1</source>
        <translation>Kalvoro could not take:

%1</translation>
    </message>
</context>
<context>
    <name>MagasinAvecSeries</name>
    <message>
        <source>Les scores de cette série sont introuvables : la série n&apos;existe plus.</source>
        <translation>The scores of this series cannot be found: the series no longer exists.</translation>
    </message>
    <message>
        <source>Les meilleurs scores de la série « %1 » ne sont pas accessibles ; le jeu continue sans eux.

%2</source>
        <translation>The high scores of the series “%1” cannot be reached; the game goes on without them.

%2</translation>
    </message>
    <message>
        <source>La série « %1 » n&apos;existe plus : elle a été supprimée, peut-être par un autre Kalvoro. Ses meilleurs scores sont partis avec elle.</source>
        <translation>The series “%1” no longer exists: it was deleted, perhaps by another Kalvoro. Its high scores went with it.</translation>
    </message>
    <message>
        <source>Les scores du plateau %1 sont introuvables.</source>
        <translation>The scores of the %1 board cannot be found.</translation>
    </message>
</context>
<context>
    <name>MagasinSqlcipher</name>
    <message>
        <source>Le fichier des scores « %1 » est introuvable.</source>
        <translation>The score file “%1” cannot be found.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » n&apos;est pas un fichier.</source>
        <translation>The score file “%1” is not a file.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » est vide (0 octet) : ce n&apos;est pas une base de scores.</source>
        <translation>The score file “%1” is empty (0 bytes): it is not a score database.</translation>
    </message>
    <message>
        <source>manque</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>n&apos;a pas les champs NOM, PRENOM, DATE et SCORE</source>
        <translation>lacks the fields NOM, PRENOM, DATE and SCORE</translation>
    </message>
</context>
<context>
    <name>Partie</name>
    <message>
        <source>La partie est terminée !!

Votre score est de %1 points

Souhaitez vous enregistrer votre score ?</source>
        <translation>The game is over!

You finished in %1 turns.

Would you like to save your score?</translation>
    </message>
    <message>
        <source>Fin de partie</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>La partie est terminée !!

%1.

Rejouer avec les mêmes joueurs ?</source>
        <translation>The game is over!!

%1.

Play again with the same players?</translation>
    </message>
</context>
<context>
    <name>Programme</name>
    <message>
        <source>%1 à %2</source>
        <translation>%1 at %2</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>Reessai</name>
    <message>
        <source>Fermez cet autre programme ou attendez qu&apos;il ait fini, puis cliquez sur Réessayer. </source>
        <translation>Close the other program or wait until it is done, then click Retry. </translation>
    </message>
    <message>
        <source>Avec Annuler, Kalvoro s&apos;arrête.</source>
        <translation>Cancel quits Kalvoro.</translation>
    </message>
    <message>
        <source>Avec Annuler, le jeu continue sans ces scores.</source>
        <translation>Cancel lets the game go on without these scores.</translation>
    </message>
    <message>
        <source>Avec Annuler, vous revenez à la saisie : votre score et vos noms sont gardés.</source>
        <translation>Cancel takes you back to the entry: your score and names are kept.</translation>
    </message>
</context>
<context>
    <name>SaisieScore</name>
    <message>
        <source>Le score « %1 » n&apos;est pas un nombre de coups : rien n&apos;est enregistré.</source>
        <translation>The score “%1” is not a number of turns: nothing is saved.</translation>
    </message>
    <message>
        <source>Désolé, %1 %2,</source>
        <translation>Sorry, %1 %2,</translation>
    </message>
    <message>
        <source>Erreur de saisie</source>
        <translation>Missing name</translation>
    </message>
    <message>
        <source>Saisissez au moins une lettre !!!</source>
        <translation>Please type at least one letter!</translation>
    </message>
    <message>
        <source>Saisie des scores</source>
        <translation>Saving your score</translation>
    </message>
    <message>
        <source>votre score est égal au plus mauvais score enregistré !!!</source>
        <translation>your score only equals the last score on the list.</translation>
    </message>
    <message>
        <source>votre score est plus mauvais au plus mauvais score enregistré !!!</source>
        <translation>your score does not beat the last score on the list.</translation>
    </message>
    <message>
        <source>Vous ne pouvez être classé.</source>
        <translation>You didn&apos;t make the list this time.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>série (taille du plateau)</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ScoresSerie</name>
    <message>
        <source>Le fichier des scores « %1 » existe déjà : il est laissé tel quel.</source>
        <translation>The score file “%1” already exists: it is left as it is.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » n&apos;a pu être créé : le dossier « %2 » n&apos;existe pas.</source>
        <translation>The score file “%1” could not be created: the folder “%2” does not exist.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » écrit ne passe pas le contrôle (%2).</source>
        <translation>The score file “%1” that was written fails the check (%2).</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » n&apos;a pu être posé : %2.</source>
        <translation>The score file “%1” could not be put in place: %2.</translation>
    </message>
</context>
<context>
    <name>Serie</name>
    <message>
        <source>Animaux</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>Cinéma</source>
        <translation>Movies</translation>
    </message>
    <message>
        <source>Disney</source>
        <translation>Disney</translation>
    </message>
    <message>
        <source>Formes</source>
        <translation>Shapes</translation>
    </message>
    <message>
        <source>Smileys</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Toons</source>
        <translation>Toons</translation>
    </message>
    <message>
        <source>Mes séries…</source>
        <translation>My series…</translation>
    </message>
</context>
<context>
    <name>SeriesDuJoueur</name>
    <message>
        <source>La série n&apos;a pas de nom.</source>
        <translation>The series has no name.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire l&apos;image %1 : %2</source>
        <translation>Cannot write the picture %1: %2</translation>
    </message>
    <message>
        <source>Une série demande au moins %1 images ; il y en a %2.</source>
        <translation>A series needs at least %1 pictures; there are %2.</translation>
    </message>
    <message>
        <source>erreur inconnue</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>La série %1 n&apos;existe pas dans %2.</source>
        <translation>The series %1 does not exist in %2.</translation>
    </message>
    <message>
        <source>Impossible de créer un dossier dans %1 : %2</source>
        <translation>Cannot create a folder in %1: %2</translation>
    </message>
    <message>
        <source>La description %1 est illisible.</source>
        <translation>The description %1 cannot be read.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1 : %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>Impossible de renommer %1 en %2 : %3</source>
        <translation>Cannot rename %1 to %2: %3</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier des scores %1 : %2</source>
        <translation>Cannot create the scores file %1: %2</translation>
    </message>
    <message>
        <source>Impossible de créer le dossier %1 : %2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
    <message>
        <source>Une série s&apos;appelle déjà « %1 » : choisissez un autre nom.</source>
        <translation>A series is already called “%1”: please choose another name.</translation>
    </message>
</context>
<context>
    <name>Tablee</name>
    <message>
        <source>aucune paire</source>
        <translation>no pairs</translation>
    </message>
    <message>
        <source>1 paire</source>
        <translation>1 pair</translation>
    </message>
    <message>
        <source>%1 paires</source>
        <translation>%1 pairs</translation>
    </message>
    <message>
        <source>%1 gagne avec %2</source>
        <translation>%1 wins with %2</translation>
    </message>
    <message>
        <source>%1 et %2 gagnent avec %3</source>
        <translation>%1 and %2 win with %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>VerificationsScores</name>
    <message>
        <source>« %1 » n&apos;est le nom d&apos;aucune des six séries : il n&apos;y a pas de table de scores à ce nom.</source>
        <translation>“%1” is not the name of any of the six series: there is no score table by that name.</translation>
    </message>
    <message>
        <source>mot de passe refusé ou fichier endommagé</source>
        <translation>password refused or file damaged</translation>
    </message>
    <message>
        <source>le fichier est en lecture seule</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>le fichier est utilisé par un autre programme</source>
        <translation>the file is in use by another program</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>erreur de lecture ou d&apos;écriture sur le disque (%1)</source>
        <translation>disk read or write error (%1)</translation>
    </message>
    <message>
        <source>erreur de la base de données (%1)</source>
        <translation>database error (%1)</translation>
    </message>
    <message>
        <source> : le score n&apos;est pas inscrit.</source>
        <translation>: the score was not saved.</translation>
    </message>
    <message>
        <source>Le nom « %1 » a plus de %2 caractères%3</source>
        <translation>The last name “%1” is longer than %2 characters%3</translation>
    </message>
    <message>
        <source>Le prénom « %1 » a plus de %2 caractères%3</source>
        <translation>The first name “%1” is longer than %2 characters%3</translation>
    </message>
    <message>
        <source>La date de l&apos;inscription n&apos;est pas valide</source>
        <translation>The date of the entry is not valid</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » ne peut être ouvert : %2.</source>
        <translation>The score file “%1” cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Les scores de la série « %1 » ne peuvent être lus dans « %2 » : %3.</source>
        <translation>The scores of the “%1” series cannot be read from “%2”: %3.</translation>
    </message>
    <message>
        <source>le dossier « %1 » n&apos;est pas inscriptible, le journal de la transaction ne peut y être créé</source>
        <translation>the folder “%1” is not writable, so the transaction journal cannot be created there</translation>
    </message>
    <message>
        <source>Le score n&apos;a pas pu être inscrit dans la série « %1 » de « %2 » : %3. Aucune ligne n&apos;a été modifiée.</source>
        <translation>The score could not be saved in the “%1” series of “%2”: %3. No row was changed.</translation>
    </message>
    <message>
        <source>La table « %1 » du fichier des scores « %2 » est vide.</source>
        <translation>The “%1” table of the score file “%2” is empty.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » n&apos;est pas une base de scores : la table « %2 » %3.</source>
        <translation>The score file “%1” is not a score database: the “%2” table %3.</translation>
    </message>
    <message>
        <source>La table « %1 » du fichier des scores « %2 » contient un SCORE qui n&apos;est pas un nombre entier : le fichier est endommagé.</source>
        <translation>The “%1” table of the score file “%2” holds a SCORE that is not a whole number: the file is damaged.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » n&apos;est pas une base de scores : il contient « %2 », qui n&apos;en fait pas partie (seules les tables des six séries y ont leur place).</source>
        <translation>The score file “%1” is not a score database: it contains “%2”, which does not belong there (only the tables of the six series do).</translation>
    </message>
    <message>
        <source>« %1 » ne désigne aucune série du joueur : il n&apos;y a pas de table de scores à ce nom.</source>
        <translation>“%1” names none of your own series: there is no score table by that name.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » n&apos;a pu être créé : %2.</source>
        <translation>The score file “%1” could not be created: %2.</translation>
    </message>
    <message>
        <source>Le fichier des scores « %1 » n&apos;est pas celui d&apos;une série : il contient « %2 », qui n&apos;en fait pas partie (seules les tables des scores de la série, une par taille de plateau, y ont leur place).</source>
        <translation>The score file “%1” is not that of a series: it contains “%2”, which does not belong there (only the series&apos; score tables, one for each board size, do).</translation>
    </message>
</context>
<context>
    <name>kalvoro::ApercuCarre</name>
    <message>
        <source>Aucune image choisie.</source>
        <translation>No picture selected.</translation>
    </message>
    <message>
        <source>Image déjà gardée : son carré ne se déplace plus.</source>
        <translation>Picture already kept: its square can no longer move.</translation>
    </message>
    <message>
        <source>Image carrée : elle est gardée entière.</source>
        <translation>Square picture: it is kept whole.</translation>
    </message>
    <message>
        <source>Carré en haut de la photo</source>
        <translation>Square at the top of the photo</translation>
    </message>
    <message>
        <source>Carré à gauche de la photo</source>
        <translation>Square at the left of the photo</translation>
    </message>
    <message>
        <source>Carré en bas de la photo</source>
        <translation>Square at the bottom of the photo</translation>
    </message>
    <message>
        <source>Carré à droite de la photo</source>
        <translation>Square at the right of the photo</translation>
    </message>
    <message>
        <source>Carré au milieu de la photo</source>
        <translation>Square in the middle of the photo</translation>
    </message>
    <message>
        <source>Carré à %1 % de la hauteur, depuis le haut</source>
        <translation>Square at %1% of the height, from the top</translation>
    </message>
    <message>
        <source>Carré à %1 % de la largeur, depuis la gauche</source>
        <translation>Square at %1% of the width, from the left</translation>
    </message>
</context>
<context>
    <name>kalvoro::Apropos</name>
    <message>
        <source>Version %1 compilée le %2</source>
        <translation>Version %1 built on %2</translation>
    </message>
    <message>
        <source>%1.%2 du %3</source>
        <translation>%1.%2 (%3)</translation>
    </message>
    <message>
        <source>Présentation</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Quitter cet écran</source>
        <translation>Close this window</translation>
    </message>
    <message>
        <source>Infos techniques</source>
        <translation>Technical info</translation>
    </message>
    <message>
        <source>Historique</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Assistance technique</source>
        <translation>Technical support</translation>
    </message>
    <message>
        <source>M&apos;envoyer un E-Mail : %1</source>
        <translation>Send me an e-mail: %1</translation>
    </message>
    <message>
        <source>Visiter mon site : %1</source>
        <translation>Visit my website: %1</translation>
    </message>
    <message>
        <source>Lire Le_Gelvo_.txt</source>
        <translation>Read Le_Gelvo_.txt</translation>
    </message>
    <message>
        <source>Lire Adhésion.txt</source>
        <translation>Read Adhesion.txt</translation>
    </message>
    <message>
        <source>Lire Le_Gelvo_.hlp</source>
        <translation>Read Le_Gelvo_.hlp</translation>
    </message>
    <message>
        <source>Lire Le_Gelvo_.htm</source>
        <translation>Read Le_Gelvo_.htm</translation>
    </message>
    <message>
        <source>Visiter le site de Gelvo : %1</source>
        <translation>Visit the Gelvo website: %1</translation>
    </message>
    <message>
        <source>À propos de %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Emblème de %1</source>
        <translation>%1 emblem</translation>
    </message>
    <message>
        <source>Logo de l&apos;association Gelvo</source>
        <translation>Gelvo association logo</translation>
    </message>
    <message>
        <source>Historique des versions</source>
        <translation>Version history</translation>
    </message>
</context>
<context>
    <name>kalvoro::BarreEtat</name>
    <message>
        <source>DEFIL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>Arrêt défilement : éteint</source>
        <translation>Scroll Lock: off</translation>
    </message>
    <message>
        <source>Arrêt défilement : allumé</source>
        <translation>Scroll Lock: on</translation>
    </message>
    <message>
        <source>Insertion : éteint</source>
        <translation>Insert: off</translation>
    </message>
    <message>
        <source>Insertion : allumé</source>
        <translation>Insert: on</translation>
    </message>
    <message>
        <source>Verrouillage des majuscules : éteint</source>
        <translation>Caps Lock: off</translation>
    </message>
    <message>
        <source>Verrouillage des majuscules : allumé</source>
        <translation>Caps Lock: on</translation>
    </message>
    <message>
        <source>Verrouillage numérique : éteint</source>
        <translation>Num Lock: off</translation>
    </message>
    <message>
        <source>Verrouillage numérique : allumé</source>
        <translation>Num Lock: on</translation>
    </message>
    <message>
        <source>Barre d&apos;état</source>
        <translation>Status bar</translation>
    </message>
</context>
<context>
    <name>kalvoro::Enregistre</name>
    <message>
        <source>Enregistrement des scores</source>
        <translation>Save your score</translation>
    </message>
    <message>
        <source>Série : </source>
        <translation>Series: </translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Score: </translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Série : %1. Score : %2.</source>
        <translation>Series: %1. Score: %2.</translation>
    </message>
</context>
<context>
    <name>kalvoro::FenetreJoueurs</name>
    <message>
        <source>Joueurs</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>&amp;Nombre de joueurs :</source>
        <translation>&amp;Number of players:</translation>
    </message>
    <message>
        <source>Joueur &amp;%1 :</source>
        <translation>Player &amp;%1:</translation>
    </message>
    <message>
        <source>L&apos;&amp;ordinateur joue à la dernière place</source>
        <translation>The &amp;computer plays last</translation>
    </message>
    <message>
        <source>&amp;Mémoire de l&apos;ordinateur :</source>
        <translation>Computer&apos;s &amp;memory:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kalvoro::FenetreSerie</name>
    <message>
        <source>Images (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Ajouter des images</source>
        <translation>Add pictures</translation>
    </message>
    <message>
        <source>Ajouter un dossier</source>
        <translation>Add a folder</translation>
    </message>
    <message>
        <source>Lecture arrêtée : les images déjà lues restent.</source>
        <translation>Reading stopped: the pictures already read stay.</translation>
    </message>
    <message>
        <source>Images illisibles</source>
        <translation>Unreadable pictures</translation>
    </message>
    <message>
        <source>%1 image (%2 au moins)</source>
        <translation>%1 picture (at least %2)</translation>
    </message>
    <message>
        <source>%1 images (%2 au moins)</source>
        <translation>%1 pictures (at least %2)</translation>
    </message>
    <message>
        <source>Renommer la série</source>
        <translation>Rename the series</translation>
    </message>
    <message>
        <source>Nouveau nom :</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>Supprimer la série « %1 » ?

Ses images et ses meilleurs scores seront effacés. Les fichiers d&apos;origine ne sont pas touchés.</source>
        <translation>Delete the series &quot;%1&quot;?

Its pictures and its best scores will be erased. The original files are not touched.</translation>
    </message>
    <message>
        <source>Supprimer la série</source>
        <translation>Delete the series</translation>
    </message>
    <message>
        <source>&amp;Renommer…</source>
        <translation>&amp;Rename…</translation>
    </message>
    <message>
        <source>&amp;Supprimer…</source>
        <translation>&amp;Delete…</translation>
    </message>
    <message>
        <source>Nouvelle série</source>
        <translation>New series</translation>
    </message>
    <message>
        <source>&amp;Nom de la série :</source>
        <translation>Series &amp;name:</translation>
    </message>
    <message>
        <source>Ima&amp;ges (F2 change le nom que dit le lecteur d&apos;écran) :</source>
        <translation>Pict&amp;ures (F2 changes the name the screen reader says):</translation>
    </message>
    <message>
        <source>Images de la série</source>
        <translation>Pictures of the series</translation>
    </message>
    <message>
        <source>Ajouter des &amp;images…</source>
        <translation>Add &amp;pictures…</translation>
    </message>
    <message>
        <source>Ajouter un &amp;dossier…</source>
        <translation>Add a &amp;folder…</translation>
    </message>
    <message>
        <source>Re&amp;tirer</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Lecture des images</source>
        <translation>Reading the pictures</translation>
    </message>
    <message>
        <source>&amp;Arrêter</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>&amp;Créer la série</source>
        <translation>&amp;Create the series</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Le dossier « %1 » ne contient aucune image.</source>
        <translation>The folder “%1” contains no pictures.</translation>
    </message>
    <message>
        <source>… et %1 autres</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Une série garde au plus %1 images : les suivantes sont laissées de côté.</source>
        <translation>A series keeps at most %1 pictures: the next ones are left out.</translation>
    </message>
    <message>
        <source>Kalvoro n&apos;a pas pu lire ces fichiers ; ils sont laissés de côté :

%1</source>
        <translation>Kalvoro could not read these files; they are left out:

%1</translation>
    </message>
    <message>
        <source>Une image ressemblait à une autre : elle ne compte qu&apos;une fois.</source>
        <translation>One picture looked like another: it counts only once.</translation>
    </message>
    <message>
        <source>%1 images ressemblaient à d&apos;autres : chacune ne compte qu&apos;une fois.</source>
        <translation>%1 pictures looked like others: each counts only once.</translation>
    </message>
    <message>
        <source>%1 de « %2 »</source>
        <translation>%1 from “%2”</translation>
    </message>
    <message>
        <source>et %1 autres dossiers</source>
        <translation>and %1 other folders</translation>
    </message>
    <message>
        <source>Images prises : %1.</source>
        <translation>Pictures taken: %1.</translation>
    </message>
    <message>
        <source>Une série s&apos;appelle déjà « %1 » : choisissez un autre nom.</source>
        <translation>A series is already called “%1”: please choose another name.</translation>
    </message>
    <message>
        <source>La série « %1 » est créée, avec %2 images.</source>
        <translation>The series “%1” has been created, with %2 pictures.</translation>
    </message>
    <message>
        <source>Mes séries</source>
        <translation>My series</translation>
    </message>
    <message>
        <source>Une série garde au moins %1 images.</source>
        <translation>A series keeps at least %1 pictures.</translation>
    </message>
    <message>
        <source>La série « %1 » est enregistrée, avec %2 images.</source>
        <translation>The series “%1” is saved, with %2 pictures.</translation>
    </message>
    <message>
        <source>&amp;Mes séries</source>
        <translation>&amp;My series</translation>
    </message>
    <message>
        <source>M&amp;odifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Voir les images de la série, en ajouter, en retirer, les renommer</source>
        <translation>See the series’ pictures, add some, remove some, rename them</translation>
    </message>
    <message>
        <source>Partie gardée</source>
        <translation>Kept part</translation>
    </message>
    <message>
        <source>&amp;Partie gardée :</source>
        <translation>&amp;Kept part:</translation>
    </message>
    <message>
        <source>Modifier la série</source>
        <translation>Edit the series</translation>
    </message>
    <message>
        <source>Les images montrées seront laissées pour celles de « %1 ». Continuer ?</source>
        <translation>The pictures shown will be left for those of “%1”. Continue?</translation>
    </message>
    <message>
        <source>La série « %1 »</source>
        <translation>The series “%1”</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>Sa&amp;ve</translation>
    </message>
    <message>
        <source>Ces dossiers ne contiennent aucune image :

%1</source>
        <translation>These folders hold no picture:

%1</translation>
    </message>
    <message>
        <source>Lecture arrêtée : la série n&apos;est pas changée.</source>
        <translation>Reading stopped: the series is not changed.</translation>
    </message>
    <message>
        <source>Fermer sans enregistrer les changements de « %1 » ?</source>
        <translation>Close without saving the changes to “%1”?</translation>
    </message>
</context>
<context>
    <name>kalvoro::Jeu</name>
    <message>
        <source>%1  -  Version %2</source>
        <translation>%1  -  Version %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Choix de la série</source>
        <translation>Choose a series</translation>
    </message>
    <message>
        <source>Meilleur score</source>
        <translation>Best score</translation>
    </message>
    <message>
        <source>Score en cours</source>
        <translation>Current score</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Give up</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Scores</translation>
    </message>
    <message>
        <source>&amp;A propos</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Une partie est en cours.

Quitter le jeu quand même ?</source>
        <translation>A game is in progress.

Quit the game all the same?</translation>
    </message>
    <message>
        <source>&amp;Taille</source>
        <translation>Boa&amp;rd</translation>
    </message>
    <message>
        <source>Taille du plateau</source>
        <translation>Board size</translation>
    </message>
    <message>
        <source>%1 colonnes, %2 rangées, %3 paires</source>
        <translation>%1 columns, %2 rows, %3 pairs</translation>
    </message>
    <message>
        <source>&amp;Joueurs : %1</source>
        <translation>&amp;Players: %1</translation>
    </message>
    <message>
        <source>Joueurs : %1</source>
        <translation>Players: %1</translation>
    </message>
    <message>
        <source>Joueurs : un seul</source>
        <translation>Players: one</translation>
    </message>
</context>
<context>
    <name>kalvoro::PanneauJoueurs</name>
    <message>
        <source>Joueurs</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>%1 : %2, c&apos;est son tour</source>
        <translation>%1: %2, their turn</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>kalvoro::Plateau</name>
    <message>
        <source>face visible</source>
        <translation>face up</translation>
    </message>
    <message>
        <source>Bord du plateau.</source>
        <translation>Edge of the board.</translation>
    </message>
    <message>
        <source>Aucune carte à gauche.</source>
        <translation>No card to the left.</translation>
    </message>
    <message>
        <source>Aucune carte à droite.</source>
        <translation>No card to the right.</translation>
    </message>
    <message>
        <source>Aucune carte au-dessus.</source>
        <translation>No card further up.</translation>
    </message>
    <message>
        <source>Aucune carte au-dessous.</source>
        <translation>No card further down.</translation>
    </message>
    <message>
        <source>Plateau, ligne puis colonne</source>
        <translation>Board, row then column</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>kalvoro::VisionneuseAide</name>
    <message>
        <source>&lt;h2&gt;Aide indisponible&lt;/h2&gt;&lt;p&gt;Le fichier d&apos;aide &lt;b&gt;%1&lt;/b&gt; est introuvable ou illisible.&lt;/p&gt;&lt;p&gt;Il doit se trouver dans le dossier du programme. Le jeu, lui, continue normalement.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Help not available&lt;/h2&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; is missing or cannot be read.&lt;/p&gt;&lt;p&gt;It belongs in the program&apos;s folder. The game itself carries on as usual.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Aide de Kalvoro</source>
        <translation>Kalvoro Help</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Aide indisponible</source>
        <translation>Help unavailable</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>kalvoro::VisuScores</name>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Prénom</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Meilleurs scores</source>
        <translation>Best scores</translation>
    </message>
    <message>
        <source>Meilleurs scores, série %1</source>
        <translation>Best scores, %1 series</translation>
    </message>
    <message>
        <source>Série %1 : aucun score.</source>
        <translation>%1 series: no scores.</translation>
    </message>
    <message>
        <source>Série %1 : un score.</source>
        <translation>%1 series: one score.</translation>
    </message>
    <message>
        <source>Série %1 : %2 scores.</source>
        <translation>%1 series: %2 scores.</translation>
    </message>
    <message>
        <source>Le meilleur : %1, %2 %3, le %4.</source>
        <translation>Best: %1, %2 %3, on %4.</translation>
    </message>
    <message>
        <source>Choisissez une série : Alt et la lettre soulignée de son bouton, ou Tab.</source>
        <translation>Choose a series: Alt and the underlined letter of its button, or Tab.</translation>
    </message>
    <message>
        <source>Rang %1, %2</source>
        <translation>Rank %1, %2</translation>
    </message>
    <message>
        <source>&amp;Vos séries :</source>
        <translation>&amp;Your series:</translation>
    </message>
    <message>
        <source>&amp;Plateau :</source>
        <translation>&amp;Board:</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>série, taille du plateau</comment>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
