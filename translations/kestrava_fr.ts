<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChampionshipsPanel</name>
    <message>
        <source>Championships</source>
        <translation>Championnats</translation>
    </message>
    <message>
        <source>Championship</source>
        <translation>Championnat</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Season :</source>
        <translation>Saison :</translation>
    </message>
    <message>
        <source>Race types (none: all) :</source>
        <translation>Types de concours (aucun : tous) :</translation>
    </message>
    <message>
        <source>Points by place (table)</source>
        <translation>Points par place (table)</translation>
    </message>
    <message>
        <source>Common rule: 100 down to the last prize, 1 prize in 4</source>
        <translation>Règle courante : 100 en décroissant jusqu&apos;au dernier prix, 1 prix sur 4</translation>
    </message>
    <message>
        <source>Average speed, best N of M</source>
        <translation>Vitesse moyenne, N meilleurs sur M</translation>
    </message>
    <message>
        <source>Coefficient (place x 1000 / entered), lowest wins</source>
        <translation>Coefficient (place x 1000 / enlogés), le plus bas gagne</translation>
    </message>
    <message>
        <source>Rule :</source>
        <translation>Règle :</translation>
    </message>
    <message>
        <source>for example 50,45,40,35,30</source>
        <translation>par exemple 50,45,40,35,30</translation>
    </message>
    <message>
        <source>Points by place :</source>
        <translation>Points par place :</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>Best N races :</source>
        <translation>N meilleurs concours :</translation>
    </message>
    <message>
        <source>Of the first M races :</source>
        <translation>Sur les M premiers concours :</translation>
    </message>
    <message>
        <source>Lofts</source>
        <translation>Colombiers</translation>
    </message>
    <message>
        <source>Ace pigeons</source>
        <translation>As-pigeons</translation>
    </message>
    <message>
        <source>Ranks :</source>
        <translation>Classe :</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The club&apos;s race types (one per line)</source>
        <translation>Types de concours du club (un par ligne)</translation>
    </message>
    <message>
        <source>Save race types</source>
        <translation>Enregistrer les types de concours</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Classement</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Workbook</source>
        <translation>Classeur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Delete the championship %1?</source>
        <translation>Supprimer le championnat %1 ?</translation>
    </message>
    <message>
        <source>Points by place</source>
        <translation>Points par place</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Fichier Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Standings %1 %2.xlsx</source>
        <translation>Classement %1 %2.xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>ClockMemo</name>
    <message>
        <source>Please connect to club antenna and clock.</source>
        <translation>Veuillez brancher l&apos;antenne du club et le constateur.</translation>
    </message>
    <message>
        <source>In synchronize Loft Number: %1 Please Wait! </source>
        <translation>Synchronisation du colombier %1, veuillez patienter ! </translation>
    </message>
    <message>
        <source>Clock Synchornize Success !</source>
        <translation>Constateur synchronisé !</translation>
    </message>
    <message>
        <source>Loft : %1 in Marked data Upload , Pls Wait !</source>
        <translation>Colombier %1 : lecture des enlogements, veuillez patienter !</translation>
    </message>
    <message>
        <source>Loft : %1 in Result data Upload , Pls Wait !</source>
        <translation>Colombier %1 : lecture des constatations, veuillez patienter !</translation>
    </message>
    <message>
        <source>Marked data upload Success !</source>
        <translation>Enlogements lus !</translation>
    </message>
    <message>
        <source>Race Result upload Success !</source>
        <translation>Constatations lues !</translation>
    </message>
    <message>
        <source>RaceCode : %1 No Marked data ! </source>
        <translation>Concours %1 : aucun pigeon enlogé ! </translation>
    </message>
    <message>
        <source>Race Result No Record upload !</source>
        <translation>Aucune constatation dans le constateur !</translation>
    </message>
    <message>
        <source>Please. Select Race Code !</source>
        <translation>Veuillez choisir un code de concours !</translation>
    </message>
    <message>
        <source>Ring %1 of loft %2 already belongs to loft %3 : not added !</source>
        <translation>La bague %1 du colombier %2 appartient déjà au colombier %3 : non ajoutée !</translation>
    </message>
    <message>
        <source>PRingNo not found in this race (%1)!!</source>
        <translation>Bague absente de ce concours (%1) !!</translation>
    </message>
    <message>
        <source>Race %1 not found !</source>
        <translation>Concours %1 introuvable !</translation>
    </message>
    <message>
        <source>Security Code not match !! (%1)</source>
        <translation>Le code de sécurité ne correspond pas !! (%1)</translation>
    </message>
    <message>
        <source>Clock deviation %1 s is beyond the club&apos;s limit of %2 s !</source>
        <translation>L&apos;écart du constateur de %1 s dépasse la limite du club de %2 s !</translation>
    </message>
    <message>
        <source>Database busy (another program is using it) : waiting to store what was read, Pls Wait !</source>
        <translation>Base de données occupée (un autre programme l&apos;utilise) : attente pour enregistrer ce qui a été lu, veuillez patienter !</translation>
    </message>
    <message>
        <source>Database Error : not stored, the clock is read again : %1</source>
        <translation>Erreur de base de données : non enregistré, le constateur sera relu : %1</translation>
    </message>
    <message>
        <source>Do you want to Initialize this timer ? (it holds no loft yet)</source>
        <translation>Initialiser ce constateur ? (il ne contient encore aucun colombier)</translation>
    </message>
    <message>
        <source>Do you want to Initialize this timer ? (it now holds loft %1)</source>
        <translation>Initialiser ce constateur ? (il contient maintenant le colombier %1)</translation>
    </message>
    <message>
        <source>LoftNo Wrong ! ReCheck ! (the clock holds loft none, not %1)</source>
        <translation>Mauvais numéro de colombier ! Vérifiez ! (le constateur ne contient aucun colombier, pas %1)</translation>
    </message>
    <message>
        <source>LoftNo Wrong ! ReCheck ! (the clock holds loft %1, not %2)</source>
        <translation>Mauvais numéro de colombier ! Vérifiez ! (le constateur contient le colombier %1, pas %2)</translation>
    </message>
    <message>
        <source>%1 Loft/Club Data Download Success !</source>
        <translation>%1 Données du colombier et du club envoyées au constateur !</translation>
    </message>
    <message>
        <source>pigeon %1 of %2 sent</source>
        <translation>pigeon %1 sur %2 envoyé</translation>
    </message>
    <message>
        <source>pigeon %1 of %2 read</source>
        <translation>pigeon %1 sur %2 lu</translation>
    </message>
    <message>
        <source>pigeon %1 of %2</source>
        <translation>pigeon %1 sur %2</translation>
    </message>
    <message>
        <source>%1 Error : %2</source>
        <translation>Erreur %1 : %2</translation>
    </message>
    <message>
        <source>%1 Error :%2</source>
        <translation>Erreur %1 :%2</translation>
    </message>
    <message>
        <source>%1 Error !</source>
        <translation>Erreur %1 !</translation>
    </message>
    <message>
        <source>Run stopped before the clock was read to the end : the Clock Operation screen was left !</source>
        <translation>Lecture arrêtée avant la fin du constateur : l&apos;écran Constateurs a été quitté !</translation>
    </message>
    <message>
        <source>Run stopped before the clock was read to the end : the tab was changed !</source>
        <translation>Lecture arrêtée avant la fin du constateur : l&apos;onglet a été changé !</translation>
    </message>
    <message>
        <source>Unable to write to com port %1 (port not open)</source>
        <translation>Impossible d&apos;écrire sur le port com %1 (port non ouvert)</translation>
    </message>
    <message>
        <source>Unable to write to com port %1 (%2)</source>
        <translation>Impossible d&apos;écrire sur le port com %1 (%2)</translation>
    </message>
    <message>
        <source>Database busy (another program is using it) : waiting for it, Pls Wait !</source>
        <translation>Base de données occupée (un autre programme l&apos;utilise) : attente, patientez !</translation>
    </message>
    <message>
        <source>Database Error : the clock is read again : %1</source>
        <translation>Erreur de base de données : le constateur sera relu : %1</translation>
    </message>
    <message>
        <source>%1 Error : no answer from the clock</source>
        <translation>Erreur %1 : pas de réponse du constateur</translation>
    </message>
    <message>
        <source>%1 Error : the clock&apos;s answer broke off</source>
        <translation>Erreur %1 : la réponse du constateur s&apos;est interrompue</translation>
    </message>
    <message>
        <source>%1 Error : the port is not open</source>
        <translation>Erreur %1 : le port n&apos;est pas ouvert</translation>
    </message>
</context>
<context>
    <name>ClockOperation</name>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Fichier Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>ClubCopy</name>
    <message>
        <source>The table %1 of %2 has no column %3. Nothing was copied.</source>
        <translation>La table %1 de %2 n&apos;a pas de colonne %3. Rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>%1 already holds rows in the table %2. A club is copied only into an empty database; nothing was changed.</source>
        <translation>%1 contient déjà des lignes dans la table %2. Un club n&apos;est copié que dans une base de données vide ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The table %1 has %2 rows in %3 but %4 in the copy. Nothing was copied.</source>
        <translation>La table %1 a %2 lignes dans %3 mais %4 dans la copie. Rien n&apos;a été copié.</translation>
    </message>
</context>
<context>
    <name>ClubReports</name>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer did not start.</source>
        <translation>La liste n&apos;a pas pu être imprimée : l&apos;imprimante n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Total : </source>
        <translation>Total : </translation>
    </message>
    <message>
        <source>LiberSite : </source>
        <translation>Lieu de lâcher : </translation>
    </message>
    <message>
        <source>RaceCode : </source>
        <translation>Code du concours : </translation>
    </message>
    <message>
        <source>Member List</source>
        <translation>Liste des membres</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>LoftNo</source>
        <translation>N° colombier</translation>
    </message>
    <message>
        <source>No. of Clocks</source>
        <translation>Nb de constateurs</translation>
    </message>
    <message>
        <source> Ring list of %1 - %2</source>
        <translation> Liste des bagues de %1 - %2</translation>
    </message>
    <message>
        <source>Life Ring Number</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Sex </source>
        <translation>Sexe </translation>
    </message>
    <message>
        <source>E_Ring</source>
        <translation>Bague él.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé</translation>
    </message>
    <message>
        <source>Assign Date</source>
        <translation>Date d&apos;attribution</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Race List</source>
        <translation>Liste des concours</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Lib.Site Abbr.</source>
        <translation>Abr. lieu</translation>
    </message>
    <message>
        <source>Liberation Site</source>
        <translation>Lieu de lâcher</translation>
    </message>
    <message>
        <source>Lib Date</source>
        <translation>Date lâcher</translation>
    </message>
    <message>
        <source>Lib Time</source>
        <translation>Heure lâcher</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Loft Number</source>
        <translation>N° de colombier</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Miles</translation>
    </message>
    <message>
        <source>KM</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>M</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Constateur</translation>
    </message>
    <message>
        <source>Birds Marked</source>
        <translation>Enlogés</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Pigeons arrivés</translation>
    </message>
    <message>
        <source>Result </source>
        <translation>Résultat </translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Constaté</translation>
    </message>
    <message>
        <source>FlyTime</source>
        <translation>Durée de vol</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Yds/min</source>
        <translation>yd/min</translation>
    </message>
    <message>
        <source>M/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Ranking </source>
        <translation>Classement </translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>MPM</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>Ring Particulars </source>
        <translation>Bague </translation>
    </message>
    <message>
        <source>Clock / day</source>
        <translation>Constatation / jour</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Net Flying Time : </source>
        <translation>Durée de vol nette : </translation>
    </message>
    <message>
        <source>Winning Margin : </source>
        <translation>Avance du vainqueur : </translation>
    </message>
    <message>
        <source>Marked </source>
        <translation>Enlogé </translation>
    </message>
    <message>
        <source>Pigeon </source>
        <translation>Pigeon </translation>
    </message>
    <message>
        <source>Yds/Min</source>
        <translation>yd/min</translation>
    </message>
    <message>
        <source>Flying Time</source>
        <translation>Durée de vol</translation>
    </message>
    <message>
        <source>The PDF of the report could not be made.</source>
        <translation>Le PDF de la liste n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>ClubSetup</name>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Association and Club Abbreviation must be filled !</source>
        <translation>L&apos;association et l&apos;abréviation du club doivent être remplies !</translation>
    </message>
    <message>
        <source>The club setup</source>
        <translation>Le réglage du club</translation>
    </message>
    <message>
        <source>Access BackUp files (*.Bak)</source>
        <translation>Fichiers de sauvegarde (*.Bak)</translation>
    </message>
    <message>
        <source>backup was successful!</source>
        <translation>sauvegarde réussie !</translation>
    </message>
    <message>
        <source>backup failed, please retry!</source>
        <translation>échec de la sauvegarde, veuillez réessayer !</translation>
    </message>
    <message>
        <source>successful recovery of data!</source>
        <translation>données restaurées avec succès !</translation>
    </message>
    <message>
        <source>recovery failed, please try again!</source>
        <translation>échec de la restauration, veuillez réessayer !</translation>
    </message>
    <message>
        <source>The maximum age of the backup must be a whole number of days from 0 to 100.</source>
        <translation>L&apos;âge maximal de la sauvegarde doit être un nombre entier de jours de 0 à 100.</translation>
    </message>
    <message>
        <source>Copies must be a whole number from 1 to 5.</source>
        <translation>Le nombre d&apos;exemplaires doit être un nombre entier de 1 à 5.</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2
The current data is unchanged.</source>
        <translation>%1 n&apos;a pas été chargé : %2
Les données actuelles sont inchangées.</translation>
    </message>
    <message>
        <source>it is the database in use.</source>
        <translation>c&apos;est la base de données en cours d&apos;utilisation.</translation>
    </message>
    <message>
        <source>it is not a backup of this program&apos;s database; it lacks the tables %1.</source>
        <translation>ce n&apos;est pas une sauvegarde de la base de données de ce programme ; il manque les tables %1.</translation>
    </message>
    <message>
        <source>it is not a backup of the club database (%1).</source>
        <translation>ce n&apos;est pas une sauvegarde de la base de données du club (%1).</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 et %4</translation>
    </message>
    <message>
        <source>loft</source>
        <translation>colombier</translation>
    </message>
    <message>
        <source>lofts</source>
        <translation>colombiers</translation>
    </message>
    <message>
        <source>pigeon</source>
        <translation>pigeon</translation>
    </message>
    <message>
        <source>pigeons</source>
        <translation>pigeons</translation>
    </message>
    <message>
        <source>race</source>
        <translation>concours</translation>
    </message>
    <message>
        <source>races</source>
        <translation>concours</translation>
    </message>
    <message>
        <source>race entry</source>
        <translation>engagement</translation>
    </message>
    <message>
        <source>race entries</source>
        <translation>engagements</translation>
    </message>
    <message>
        <source>
The current data is unchanged.</source>
        <translation>
Les données actuelles sont inchangées.</translation>
    </message>
    <message>
        <source>Load the backup &quot;%1&quot; of %2?

It holds %3.
The current data holds %4, and will be replaced.

The current data is kept first as &quot;%5&quot;, which &quot;Load Backup&quot; can restore.</source>
        <translation>Charger la sauvegarde « %1 » du %2 ?

Elle contient %3.
Les données actuelles contiennent %4 et seront remplacées.

Les données actuelles sont d&apos;abord conservées sous « %5 », que « Restaurer une sauvegarde » peut restaurer.</translation>
    </message>
    <message>
        <source>The current data could not be kept first: </source>
        <translation>Les données actuelles n&apos;ont pas pu être conservées d&apos;abord : </translation>
    </message>
    <message>
        <source>
The data it replaced is kept as &quot;%1&quot;.</source>
        <translation>
Les données remplacées sont conservées sous « %1 ».</translation>
    </message>
    <message>
        <source>it is not a backup of a club database on a server.</source>
        <translation>ce n&apos;est pas une sauvegarde d&apos;une base de données de club sur un serveur.</translation>
    </message>
    <message>
        <source>Restore the club database %1 on %2:%3 from the backup &quot;%4&quot; of %5?

The database holds %6, and will be replaced.

The current data is kept first as &quot;%7&quot;, which &quot;Load Backup&quot; can restore.</source>
        <translation>Restaurer la base de données du club %1 sur %2:%3 à partir de la sauvegarde « %4 » du %5 ?

La base contient %6 et sera remplacée.

Les données actuelles sont d&apos;abord conservées sous « %7 », que « Restaurer une sauvegarde » peut restaurer.</translation>
    </message>
    <message>
        <source>The database on the server (postgresql://USER@HOST:PORT/DATABASE; the password is taken from PGPASSWORD or the password file):</source>
        <translation>La base de données sur le serveur (postgresql://UTILISATEUR@HÔTE:PORT/BASE ; le mot de passe est pris dans PGPASSWORD ou dans le fichier des mots de passe) :</translation>
    </message>
    <message>
        <source>Club database (*.db)</source>
        <translation>Base de données du club (*.db)</translation>
    </message>
    <message>
        <source>The club was copied to %1:</source>
        <translation>Le club a été copié vers %1 :</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1 : %2 lignes</translation>
    </message>
    <message>
        <source>The club %1 holds the %2 lofts that came with it.</source>
        <translation>Le club %1 détient les %2 colombiers venus avec la copie.</translation>
    </message>
    <message>
        <source>The club %1 has no login of its own on this server yet. Name of its new login (lower-case letters, digits and _):</source>
        <translation>Le club %1 n&apos;a pas encore d&apos;identifiant propre sur ce serveur. Nom du nouvel identifiant (lettres minuscules, chiffres et _) :</translation>
    </message>
    <message>
        <source>Password for the login %1:</source>
        <translation>Mot de passe de l&apos;identifiant %1 :</translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation>Le même mot de passe encore une fois :</translation>
    </message>
    <message>
        <source>The two passwords differ. Type them again.</source>
        <translation>Les deux mots de passe diffèrent. Tapez-les à nouveau.</translation>
    </message>
    <message>
        <source>The login %1 works for the club %2 only. The club&apos;s secretary names it in the data link:
Data Source=%3</source>
        <translation>L&apos;identifiant %1 ne sert qu&apos;au club %2. Le secrétaire du club l&apos;indique dans le lien de données :
Data Source=%3</translation>
    </message>
    <message>
        <source>The club %1 has no login of its own on this server yet, and only the federation&apos;s administrator may add one. The administrator runs:
kestrava --add-club-login LOGIN --club %1</source>
        <translation>Le club %1 n&apos;a pas encore d&apos;identifiant propre sur ce serveur, et seul l&apos;administrateur de la fédération peut en ajouter un. L&apos;administrateur exécute :
kestrava --add-club-login LOGIN --club %1</translation>
    </message>
    <message>
        <source>No login was made for the club %1. It can be added later with:
kestrava --add-club-login LOGIN --club %1</source>
        <translation>Aucun identifiant n&apos;a été créé pour le club %1. Il peut être ajouté plus tard avec :
kestrava --add-club-login LOGIN --club %1</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>elle est endommagée (%1).</translation>
    </message>
    <message>
        <source>The club could not be copied to &quot;%1&quot;: %2</source>
        <translation>Le club n&apos;a pas pu être copié vers « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Competitions</name>
    <message>
        <source>A championship needs a name.</source>
        <translation>Un championnat doit avoir un nom.</translation>
    </message>
    <message>
        <source>Championship %1 needs a table of points by place.</source>
        <translation>Le championnat %1 doit avoir une table de points par place.</translation>
    </message>
    <message>
        <source>The points of championship %1 cannot be negative.</source>
        <translation>Les points du championnat %1 ne peuvent pas être négatifs.</translation>
    </message>
    <message>
        <source>The numbers of races of championship %1 cannot be negative.</source>
        <translation>Les nombres de concours du championnat %1 ne peuvent pas être négatifs.</translation>
    </message>
    <message>
        <source>Championship %1 counts the best %2 of %3 races: the best cannot be more than the races.</source>
        <translation>Le championnat %1 compte les %2 meilleurs de %3 concours : les meilleurs ne peuvent pas dépasser le nombre de concours.</translation>
    </message>
    <message>
        <source>Printed :</source>
        <translation>Imprimé :</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>one prize per %1 birds</source>
        <translation>un prix par %1 pigeons</translation>
    </message>
    <message>
        <source>stakes %1 = prizes %2 + deduction %3 + remainder %4</source>
        <translation>mises %1 = prix %2 + retenue %3 + reste %4</translation>
    </message>
    <message>
        <source>Balances: </source>
        <translation>Équilibré : </translation>
    </message>
    <message>
        <source>DOES NOT BALANCE: </source>
        <translation>N&apos;EST PAS ÉQUILIBRÉ : </translation>
    </message>
    <message>
        <source>Pool sheet %1</source>
        <translation>Feuille des poules %1</translation>
    </message>
    <message>
        <source>Pool sheet</source>
        <translation>Feuille des poules</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Poule</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Colombier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Prix</translation>
    </message>
    <message numerus="yes">
        <source>first %n nominated</source>
        <translation>
            <numerusform>premier %n désigné</numerusform>
            <numerusform>%n premiers désignés</numerusform>
        </translation>
    </message>
    <message>
        <source>every bird entered</source>
        <translation>chaque pigeon engagé</translation>
    </message>
    <message>
        <source>%1 a bird, deduction %2 %</source>
        <translation>%1 par pigeon, retenue %2 %</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>non compté</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>%n bird(s)</source>
        <translation>
            <numerusform>%n pigeon</numerusform>
            <numerusform>%n pigeons</numerusform>
        </translation>
    </message>
    <message>
        <source>prizes paid</source>
        <translation>prix payés</translation>
    </message>
    <message>
        <source>club deduction</source>
        <translation>retenue de la société</translation>
    </message>
    <message>
        <source>remainder (%1 not won)</source>
        <translation>reste (%1 non gagné)</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Équilibré</translation>
    </message>
    <message>
        <source>DOES NOT BALANCE</source>
        <translation>N&apos;EST PAS ÉQUILIBRÉ</translation>
    </message>
    <message>
        <source>All pools balance: </source>
        <translation>Toutes les poules sont équilibrées : </translation>
    </message>
    <message>
        <source>Payout per loft %1</source>
        <translation>Paiement par colombier %1</translation>
    </message>
    <message>
        <source>Payout per loft</source>
        <translation>Paiement par colombier</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Engagements</translation>
    </message>
    <message>
        <source>Stakes</source>
        <translation>Mises</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Prix gagnés</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>points by place %1</source>
        <translation>points par place %1</translation>
    </message>
    <message>
        <source>100 points down to the last prize, one prize per 4 birds entered</source>
        <translation>100 points jusqu&apos;au dernier prix, un prix pour 4 pigeons engagés</translation>
    </message>
    <message>
        <source>average speed</source>
        <translation>vitesse moyenne</translation>
    </message>
    <message>
        <source>coefficient (place x 1000 / birds entered), lowest wins</source>
        <translation>coefficient (place x 1000 / pigeons engagés), le plus bas gagne</translation>
    </message>
    <message>
        <source>, best %1 races</source>
        <translation>, %1 meilleurs concours</translation>
    </message>
    <message>
        <source> of the first %1</source>
        <translation> des %1 premiers</translation>
    </message>
    <message>
        <source>Standings %1 %2</source>
        <translation>Classement %1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Ace pigeons, </source>
        <translation>As-pigeons, </translation>
    </message>
    <message>
        <source>Lofts, </source>
        <translation>Colombiers, </translation>
    </message>
    <message numerus="yes">
        <source>%n race(s) counted</source>
        <translation>
            <numerusform>%n concours compté</numerusform>
            <numerusform>%n concours comptés</numerusform>
        </translation>
    </message>
    <message>
        <source> of types %1</source>
        <translation> des types %1</translation>
    </message>
    <message>
        <source>Flown</source>
        <translation>Volés</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>%1: column %2 &quot;%3&quot; is not a pool of this race.</source>
        <translation>%1 : la colonne %2 « %3 » n&apos;est pas une poule de ce concours.</translation>
    </message>
    <message>
        <source>%1 has no column PRingNo in its first row.</source>
        <translation>%1 n&apos;a pas de colonne PRingNo dans sa première ligne.</translation>
    </message>
    <message>
        <source>Row %1: the nomination &apos;%2&apos; is not a whole number.</source>
        <translation>Ligne %1 : la désignation « %2 » n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>The entries were not stored:</source>
        <translation>Les engagements n&apos;ont pas été enregistrés :</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an amount of money (for example 2.50)</source>
        <translation>« %1 » n&apos;est pas un montant (par exemple 2.50)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a percentage from 0 to 100</source>
        <translation>« %1 » n&apos;est pas un pourcentage de 0 à 100</translation>
    </message>
    <message>
        <source>Race %1 of %2 is not in the race list.</source>
        <translation>Le concours %1 du %2 n&apos;est pas dans la liste des concours.</translation>
    </message>
    <message>
        <source>A pool needs a name.</source>
        <translation>Une poule doit avoir un nom.</translation>
    </message>
    <message>
        <source>The prize split of pool %1 adds up to %2 %, not 100 %.</source>
        <translation>La répartition des prix de la poule %1 fait %2 %, pas 100 %.</translation>
    </message>
    <message>
        <source>Pool %1 pays one prize per how many birds? Give a number of 1 or more.</source>
        <translation>La poule %1 paie un prix pour combien de pigeons ? Indiquez un nombre de 1 ou plus.</translation>
    </message>
    <message>
        <source>The nominated birds counted in pool %1 cannot be negative.</source>
        <translation>Le nombre de pigeons désignés comptés dans la poule %1 ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>The pool name %1 is used twice.</source>
        <translation>Le nom de poule %1 est utilisé deux fois.</translation>
    </message>
    <message>
        <source>Entries for race %1 of %2 closed at its liberation (%3); they cannot be changed any more.</source>
        <translation>Les engagements du concours %1 du %2 ont été clos au lâcher (%3) ; ils ne peuvent plus être modifiés.</translation>
    </message>
    <message>
        <source>Ring %1 is not marked for race %2 of %3.</source>
        <translation>La bague %1 n&apos;est pas enlogée pour le concours %2 du %3.</translation>
    </message>
    <message>
        <source>Ring %1 is not a bird of loft %2.</source>
        <translation>La bague %1 n&apos;est pas un pigeon du colombier %2.</translation>
    </message>
    <message>
        <source>Ring %1 is nominated twice.</source>
        <translation>La bague %1 est désignée deux fois.</translation>
    </message>
    <message>
        <source>The race has no pool %1.</source>
        <translation>Le concours n&apos;a pas de poule %1.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>ring %1 is not marked for this race.</source>
        <translation>la bague %1 n&apos;est pas enlogée pour ce concours.</translation>
    </message>
    <message>
        <source>ring %1 is not a bird of loft %2.</source>
        <translation>la bague %1 n&apos;est pas un pigeon du colombier %2.</translation>
    </message>
    <message>
        <source>ring %1 is given twice.</source>
        <translation>la bague %1 figure deux fois.</translation>
    </message>
    <message>
        <source>the nomination of ring %1 cannot be negative.</source>
        <translation>la désignation de la bague %1 ne peut pas être négative.</translation>
    </message>
    <message>
        <source>loft %1 gives nomination %2 twice.</source>
        <translation>le colombier %1 donne la désignation %2 deux fois.</translation>
    </message>
    <message>
        <source>the race has no pool %1.</source>
        <translation>le concours n&apos;a pas de poule %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>Old Birds</source>
        <translation>Vieux pigeons</translation>
    </message>
    <message>
        <source>Young Birds</source>
        <translation>Jeunes pigeons</translation>
    </message>
    <message>
        <source>National</source>
        <translation>National</translation>
    </message>
    <message>
        <source>A race carries at most %1 types.</source>
        <translation>Un concours porte au plus %1 types.</translation>
    </message>
    <message>
        <source>%1 is not one of the club&apos;s race types.</source>
        <translation>%1 n&apos;est pas un type de concours de la société.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>Row %1, column %2 (%3): &apos;%4&apos; does not enter a bird; type x, 1 or yes to enter it, or leave the cell empty.</source>
        <translation>Ligne %1, colonne %2 (%3) : « %4 » n&apos;engage pas de pigeon ; tapez x, 1 ou oui pour l&apos;engager, ou laissez la cellule vide.</translation>
    </message>
    <message>
        <source>The sheet holds %1 rings of %2 lofts (%3).
It replaces every earlier entry (%4) and nomination (%5) of these lofts; nominations keep the numbers written in the sheet.

Store the sheet&apos;s entries?</source>
        <translation>La feuille contient %1 bagues de %2 colombiers (%3).
Elle remplace tout engagement (%4) et toute désignation (%5) antérieurs de ces colombiers ; les désignations gardent les numéros de la feuille.

Enregistrer les engagements de la feuille ?</translation>
    </message>
    <message>
        <source>Pool %1 needs a stake of more than 0.00 per bird.</source>
        <translation>La poule %1 demande une mise de plus de 0.00 par pigeon.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to less than 100 %.</source>
        <translation>La retenue de la poule %1 doit être comprise entre 0 et moins de 100 %.</translation>
    </message>
    <message>
        <source>Pool %1 has a stake of %2 per bird. Is that right?</source>
        <translation>La poule %1 a une mise de %2 par pigeon. Est-ce exact ?</translation>
    </message>
    <message>
        <source>Pool %1: %2 entries of %3 lofts</source>
        <translation>Poule %1 : %2 engagements de %3 colombiers</translation>
    </message>
    <message>
        <source>These pools are removed, and their entries with them:
%1

Save the pools and remove these entries?</source>
        <translation>Ces poules sont supprimées, et leurs engagements avec elles :
%1

Enregistrer les poules et supprimer ces engagements ?</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <source>%1 was deleted on another seat.</source>
        <translation>%1 a été supprimé sur un autre poste.</translation>
    </message>
    <message>
        <source>%1 was changed on another seat.</source>
        <translation>%1 a été modifié sur un autre poste.</translation>
    </message>
    <message>
        <source>%1 was changed at %2 on another seat</source>
        <translation>%1 a été modifié à %2 sur un autre poste</translation>
    </message>
    <message>
        <source>Yes: store what you typed again. No: close the form. Cancel: keep the form open.</source>
        <translation>Oui : enregistrer de nouveau la saisie. Non : fermer le formulaire. Annuler : garder le formulaire ouvert.</translation>
    </message>
    <message>
        <source>Yes: save what you typed over it. No: show it as it is stored now. Cancel: keep the form open.</source>
        <translation>Oui : enregistrer la saisie par-dessus. Non : afficher ce qui est enregistré maintenant. Annuler : garder le formulaire ouvert.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; n&apos;est pas une heure valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>&apos;%1&apos; n&apos;est pas une date et heure valides</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid date</source>
        <translation>&apos;&apos; n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid date and time</source>
        <translation>&apos;&apos; n&apos;est pas une date et heure valides</translation>
    </message>
    <message>
        <source>Cannot open the database %1: %2</source>
        <translation>Impossible d&apos;ouvrir la base de données %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: %2</source>
        <translation>%1 n&apos;est pas une base de données de ce programme : %2</translation>
    </message>
    <message>
        <source>The database %1 is not a database of this program; it lacks the tables %2. Nothing was changed in it.</source>
        <translation>La base de données %1 n&apos;est pas une base de ce programme ; il manque les tables %2. Rien n&apos;y a été modifié.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>the file exists already</source>
        <translation>le fichier existe déjà</translation>
    </message>
    <message>
        <source>Cannot read the database %1: %2</source>
        <translation>Impossible de lire la base de données %1 : %2</translation>
    </message>
    <message>
        <source>The backup %1 already exists.</source>
        <translation>La sauvegarde %1 existe déjà.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>La base de données n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>the copy could not be closed</source>
        <translation>la copie n&apos;a pas pu être fermée</translation>
    </message>
    <message>
        <source>The backup %1 could not be written: %2</source>
        <translation>La sauvegarde %1 n&apos;a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>no temporary name is free beside it</source>
        <translation>aucun nom temporaire n&apos;est libre à côté</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>pg_restore was not found; install the PostgreSQL client programs to restore a club database on a server.</source>
        <translation>pg_restore est introuvable ; installez les programmes clients de PostgreSQL pour restaurer une base de données de club sur un serveur.</translation>
    </message>
    <message>
        <source>pg_dump was not found; install the PostgreSQL client programs to back up a club database on a server.</source>
        <translation>pg_dump est introuvable ; installez les programmes clients de PostgreSQL pour sauvegarder une base de données de club sur un serveur.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 s&apos;est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>%1 ended with code %2.</source>
        <translation>%1 s&apos;est terminé avec le code %2.</translation>
    </message>
    <message>
        <source>pg_dump wrote no backup.</source>
        <translation>pg_dump n&apos;a écrit aucune sauvegarde.</translation>
    </message>
    <message>
        <source>The club database %1 could not be backed up: %2</source>
        <translation>La base de données du club %1 n&apos;a pas pu être sauvegardée : %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid integer value</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>DistanceDownloadPanel</name>
    <message>
        <source>File Selected :</source>
        <translation>Fichier choisi :</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source> Race distance download </source>
        <translation> Importation des distances du concours </translation>
    </message>
    <message>
        <source>Texe file (*.TXT *.txt)</source>
        <translation>Fichier texte (*.TXT *.txt)</translation>
    </message>
</context>
<context>
    <name>DistanceGrid</name>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
</context>
<context>
    <name>FeatherColourPanel</name>
    <message>
        <source>Bird Color Maintain</source>
        <translation>Gestion des couleurs</translation>
    </message>
    <message>
        <source>Color Code :</source>
        <translation>Code couleur :</translation>
    </message>
    <message>
        <source>Color Name :</source>
        <translation>Nom de la couleur :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;A Add</source>
        <translation>&amp;A Ajouter</translation>
    </message>
    <message>
        <source>&amp;D Delete</source>
        <translation>&amp;S Supprimer</translation>
    </message>
    <message>
        <source>&amp;E exit</source>
        <translation>&amp;F fermer</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>Federation</name>
    <message>
        <source>%1 is larger than a club&apos;s file can be (%2 MB at most).</source>
        <translation>%1 est plus grand qu&apos;un fichier de club ne peut l&apos;être (%2 Mo au plus).</translation>
    </message>
    <message>
        <source>the file holds a character that is not text (code %1): it is not a WinSpeed text file.</source>
        <translation>le fichier contient un caractère qui n&apos;est pas du texte (code %1) : ce n&apos;est pas un fichier texte WinSpeed.</translation>
    </message>
    <message>
        <source>the race day %1 is still to come.</source>
        <translation>le jour du concours %1 est encore à venir.</translation>
    </message>
    <message>
        <source>the arrival on %1 is outside the race of %2.</source>
        <translation>l&apos;arrivée du %1 est hors du concours du %2.</translation>
    </message>
    <message>
        <source>%1: the race day %2 is still to come.</source>
        <translation>%1 : le jour du concours %2 est encore à venir.</translation>
    </message>
    <message>
        <source>%1: a cell holds a character that is not text.</source>
        <translation>%1 : une cellule contient un caractère qui n&apos;est pas du texte.</translation>
    </message>
    <message>
        <source>%1: the ring number &apos;%2&apos; is longer than %3 characters.</source>
        <translation>%1 : le numéro de bague &apos;%2&apos; dépasse %3 caractères.</translation>
    </message>
    <message>
        <source>%1: the arrival %2 is outside the race of %3.</source>
        <translation>%1 : l&apos;arrivée %2 est hors du concours du %3.</translation>
    </message>
    <message>
        <source>%1: the speed %2 is not a speed a pigeon flies.</source>
        <translation>%1 : la vitesse %2 n&apos;est pas une vitesse qu&apos;un pigeon atteint.</translation>
    </message>
    <message>
        <source>%1: ring %2 would have flown %3 a minute; the arrival time cannot be right.</source>
        <translation>%1 : la bague %2 aurait volé %3 par minute ; l&apos;heure d&apos;arrivée ne peut pas être juste.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is missing: the WinSpeed file needs it beside it in %2.</source>
        <translation>%1 manque : le fichier WinSpeed en a besoin à côté de lui dans %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1: ring %2 is given twice for race %3 of %4; the first is kept.</source>
        <translation>%1 : la bague %2 figure deux fois pour le concours %3 du %4 ; la première est gardée.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a race number, a date and a code.</source>
        <translation>&apos;%1&apos; n&apos;est pas un numéro de concours, une date et un code.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loft number and a loft.</source>
        <translation>&apos;%1&apos; n&apos;est pas un numéro de colombier et un colombier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a WinSpeed record.</source>
        <translation>&apos;%1&apos; n&apos;est pas un enregistrement WinSpeed.</translation>
    </message>
    <message>
        <source>loft number &apos;%1&apos; is not in Loft_List.txt.</source>
        <translation>le numéro de colombier &apos;%1&apos; n&apos;est pas dans Loft_List.txt.</translation>
    </message>
    <message>
        <source>the loft record is too short.</source>
        <translation>l&apos;enregistrement du colombier est trop court.</translation>
    </message>
    <message>
        <source>the pigeon record is too short.</source>
        <translation>l&apos;enregistrement du pigeon est trop court.</translation>
    </message>
    <message>
        <source>race number &apos;%1&apos; is not in LiberCode_List.txt.</source>
        <translation>le numéro de concours &apos;%1&apos; n&apos;est pas dans LiberCode_List.txt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an arrival day and time.</source>
        <translation>&apos;%1&apos; n&apos;est pas un jour et une heure d&apos;arrivée.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not say whether the bird arrived.</source>
        <translation>&apos;%1&apos; ne dit pas si le pigeon est arrivé.</translation>
    </message>
    <message>
        <source>the pigeon record has no ring number.</source>
        <translation>l&apos;enregistrement du pigeon n&apos;a pas de numéro de bague.</translation>
    </message>
    <message>
        <source>%1 is not a result list: it has no column &apos;%2&apos;.</source>
        <translation>%1 n&apos;est pas une liste de résultats : la colonne &apos;%2&apos; manque.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a date and time.</source>
        <translation>%1 : &apos;%2&apos; n&apos;est pas une date et une heure.</translation>
    </message>
    <message>
        <source>%1: the race&apos;s day is not known.</source>
        <translation>%1 : le jour du concours n&apos;est pas connu.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid floating point value.</source>
        <translation>%1 : &apos;%2&apos; n&apos;est pas un nombre décimal valide.</translation>
    </message>
    <message>
        <source>All clubs</source>
        <translation>Tous les clubs</translation>
    </message>
    <message>
        <source>%1  %2 lofts  %3 birds  %4 clocked  %5 ranked  %6 prizes</source>
        <translation>%1  %2 colombiers  %3 pigeons  %4 constatés  %5 classés  %6 prix</translation>
    </message>
    <message>
        <source>Club pl.</source>
        <translation>Pl. club</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Colombier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Constaté</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Combined result %1</source>
        <translation>Résultat combiné %1</translation>
    </message>
    <message>
        <source>Combined result: %1</source>
        <translation>Résultat combiné : %1</translation>
    </message>
    <message>
        <source>%1 %2 (%3 clocked)</source>
        <translation>%1 %2 (%3 constatés)</translation>
    </message>
    <message>
        <source>Not ranked, no distance to the site: %1</source>
        <translation>Non classés, pas de distance au lieu de lâcher : %1</translation>
    </message>
    <message>
        <source>Prize list %1 %2</source>
        <translation>Liste des prix %1 %2</translation>
    </message>
    <message>
        <source>Prize list of club %1</source>
        <translation>Liste des prix du club %1</translation>
    </message>
    <message numerus="yes">
        <source>Combined result of %n club(s)</source>
        <translation>
            <numerusform>Résultat combiné de %n club</numerusform>
            <numerusform>Résultat combiné de %n clubs</numerusform>
        </translation>
    </message>
    <message>
        <source>Publish folder</source>
        <translation>Dossier de publication</translation>
    </message>
    <message>
        <source>Published the combined result of %1 to %2</source>
        <translation>Le résultat combiné du %1 a été publié dans %2</translation>
    </message>
    <message>
        <source>Name the club whose files these are.</source>
        <translation>Indiquez le club auquel appartiennent ces fichiers.</translation>
    </message>
    <message>
        <source>%1 is this database&apos;s own club: its races are here already and are not imported.</source>
        <translation>%1 est le club de cette base de données : ses concours y sont déjà et ne sont pas importés.</translation>
    </message>
    <message>
        <source>Race %1: liberation code %2 is not a known liberation site.</source>
        <translation>Concours %1 : le code de lâcher %2 n&apos;est pas un lieu de lâcher connu.</translation>
    </message>
    <message>
        <source>Race %1 of club %2 was imported before.</source>
        <translation>Le concours %1 du club %2 a déjà été importé.</translation>
    </message>
    <message>
        <source>Loft %1 is known as &quot;%2&quot;; the file names it &quot;%3&quot;.</source>
        <translation>Le colombier %1 est connu sous « %2 » ; le fichier le nomme « %3 ».</translation>
    </message>
    <message>
        <source>Loft %1 flies for club %2 as well.</source>
        <translation>Le colombier %1 joue aussi pour le club %2.</translation>
    </message>
    <message>
        <source>Ring %1 is given under lofts %2.</source>
        <translation>La bague %1 figure sous les colombiers %2.</translation>
    </message>
    <message>
        <source>loft %1 of club %2</source>
        <translation>colombier %1 du club %2</translation>
    </message>
    <message>
        <source>Ring %1 of loft %2 is known under %3.</source>
        <translation>La bague %1 du colombier %2 est connue sous %3.</translation>
    </message>
    <message>
        <source>loft numbers known under another name</source>
        <translation>numéros de colombier connus sous un autre nom</translation>
    </message>
    <message>
        <source>rings under two lofts</source>
        <translation>bagues sous deux colombiers</translation>
    </message>
    <message>
        <source>lofts flying for another club</source>
        <translation>colombiers jouant pour un autre club</translation>
    </message>
    <message>
        <source>races imported before</source>
        <translation>concours déjà importés</translation>
    </message>
    <message>
        <source>races from an unknown site</source>
        <translation>concours d&apos;un lieu de lâcher inconnu</translation>
    </message>
    <message>
        <source>Decide what to do with the %1.</source>
        <translation>Décidez ce qu&apos;il faut faire des %1.</translation>
    </message>
    <message>
        <source>Choose the liberation site of race %1.</source>
        <translation>Choisissez le lieu de lâcher du concours %1.</translation>
    </message>
    <message>
        <source>Give the liberation time of race %1: the database holds no release of its site that day.</source>
        <translation>Indiquez l&apos;heure de lâcher du concours %1 : la base de données n&apos;a aucun lâcher de ce lieu ce jour-là.</translation>
    </message>
    <message>
        <source>Club %1 %2, file %3:</source>
        <translation>Club %1 %2, fichier %3 :</translation>
    </message>
    <message>
        <source>  race %1 (site %2): %3 birds, %4 clocked%5</source>
        <translation>  concours %1 (lieu %2) : %3 pigeons, %4 constatés%5</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>, imported before</source>
        <translation>, déjà importé</translation>
    </message>
    <message numerus="yes">
        <source>  %n new loft(s): %1</source>
        <translation>
            <numerusform>  %n nouveau colombier : %1</numerusform>
            <numerusform>  %n nouveaux colombiers : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No conflicts.</source>
        <translation>Aucun conflit.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was stored.</source>
        <translation>L&apos;importation a été annulée ; rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>FederationPreviewDialog</name>
    <message>
        <source>Import preview</source>
        <translation>Aperçu de l&apos;importation</translation>
    </message>
    <message>
        <source>Loft known under another name :</source>
        <translation>Colombier connu sous un autre nom :</translation>
    </message>
    <message>
        <source>Ring under two lofts :</source>
        <translation>Bague sous deux colombiers :</translation>
    </message>
    <message>
        <source>Loft flying for another club :</source>
        <translation>Colombier jouant pour un autre club :</translation>
    </message>
    <message>
        <source>Race imported before :</source>
        <translation>Concours déjà importé :</translation>
    </message>
    <message>
        <source>Race from an unknown site :</source>
        <translation>Concours d&apos;un lieu de lâcher inconnu :</translation>
    </message>
    <message>
        <source>keep the stored name</source>
        <translation>garder le nom enregistré</translation>
    </message>
    <message>
        <source>leave the ring out</source>
        <translation>laisser la bague de côté</translation>
    </message>
    <message>
        <source>leave the loft out</source>
        <translation>laisser le colombier de côté</translation>
    </message>
    <message>
        <source>skip the race</source>
        <translation>ignorer le concours</translation>
    </message>
    <message>
        <source>take the file&apos;s name</source>
        <translation>prendre le nom du fichier</translation>
    </message>
    <message>
        <source>import it</source>
        <translation>l&apos;importer</translation>
    </message>
    <message>
        <source>import it for this club too</source>
        <translation>l&apos;importer aussi pour ce club</translation>
    </message>
    <message>
        <source>replace the earlier import</source>
        <translation>remplacer l&apos;importation précédente</translation>
    </message>
    <message>
        <source>store it under the site chosen</source>
        <translation>l&apos;enregistrer sous le lieu choisi</translation>
    </message>
    <message>
        <source>(decide)</source>
        <translation>(à décider)</translation>
    </message>
    <message>
        <source>Site of race %1 :</source>
        <translation>Lieu de lâcher du concours %1 :</translation>
    </message>
    <message>
        <source>Liberation time of race %1 :</source>
        <translation>Heure de lâcher du concours %1 :</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>LoftDistancePanel</name>
    <message>
        <source>LoftDistUpdate</source>
        <translation>Mettre à jour les distances</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Member loft distance to </source>
        <translation>Distance des colombiers à </translation>
    </message>
    <message>
        <source>Compare both methods</source>
        <translation>Comparer les deux méthodes</translation>
    </message>
    <message>
        <source>    Club method : </source>
        <translation>    Méthode du club : </translation>
    </message>
    <message>
        <source>yd</source>
        <translation>yd</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>LoftNo</source>
        <translation>N° colombier</translation>
    </message>
    <message>
        <source>Difference (</source>
        <translation>Différence (</translation>
    </message>
</context>
<context>
    <name>MarkingTab</name>
    <message>
        <source>Race Code :</source>
        <translation>Code du concours :</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export Marked List</source>
        <translation>Exporter la liste d&apos;enlogement</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Association Number</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Marked Time</source>
        <translation>Heure d&apos;enlogement</translation>
    </message>
</context>
<context>
    <name>MemberClockPanel</name>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Date last synchronized </source>
        <translation>Dernière synchronisation </translation>
    </message>
    <message>
        <source>Sync. required</source>
        <translation>Synchronisation requise</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>%1&apos;s Clock List</source>
        <translation>Constateurs de %1</translation>
    </message>
</context>
<context>
    <name>MemberFormPanel</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Localité :</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Loft Number:</source>
        <translation>N° de colombier :</translation>
    </message>
    <message>
        <source>Lontitude :</source>
        <translation>Longitude :</translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>Latitude :</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nom complet</translation>
    </message>
    <message>
        <source>Initials and surname</source>
        <translation>Initiales et nom</translation>
    </message>
    <message>
        <source>Loft number only</source>
        <translation>Numéro de colombier seulement</translation>
    </message>
    <message>
        <source>Show the town</source>
        <translation>Afficher la localité</translation>
    </message>
    <message>
        <source>Published as:</source>
        <translation>Publié comme :</translation>
    </message>
</context>
<context>
    <name>MemberListPanel</name>
    <message>
        <source>AddNew</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Number of Members:</source>
        <translation>Nombre de membres :</translation>
    </message>
    <message>
        <source>Loft Number</source>
        <translation>N° de colombier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Constateurs</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Modifier le membre</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Supprimer le membre</translation>
    </message>
    <message>
        <source>Member Rings List</source>
        <translation>Bagues du membre</translation>
    </message>
    <message>
        <source>Member Clocks</source>
        <translation>Constateurs du membre</translation>
    </message>
    <message>
        <source>Loft Data Download</source>
        <translation>Charger les données du colombier</translation>
    </message>
    <message>
        <source>What We Hold About This Member</source>
        <translation>Ce que nous détenons sur ce membre</translation>
    </message>
    <message>
        <source>Erase Former Member</source>
        <translation>Effacer un ancien membre</translation>
    </message>
</context>
<context>
    <name>MemberRingPanel</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Ring Export</source>
        <translation>Exporter les bagues</translation>
    </message>
    <message>
        <source>Number of rings :</source>
        <translation>Nombre de bagues :</translation>
    </message>
    <message>
        <source>Life Ring Number</source>
        <translation>Numéro de bague</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Sex of bird</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>E_Ring Assign</source>
        <translation>Bague électronique</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>Assign Date</source>
        <translation>Date d&apos;attribution</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Edit Ring</source>
        <translation>Modifier la bague</translation>
    </message>
    <message>
        <source>Delete Ring</source>
        <translation>Supprimer la bague</translation>
    </message>
    <message>
        <source>Upper registration number :</source>
        <translation>Dernier numéro d&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Femelle</translation>
    </message>
    <message>
        <source>Cock</source>
        <translation>Mâle</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Association :</translation>
    </message>
    <message>
        <source>Birth Year:</source>
        <translation>Année de naissance :</translation>
    </message>
    <message>
        <source>Registration Letter :</source>
        <translation>Lettres d&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Registration Number :</source>
        <translation>Numéro d&apos;enregistrement :</translation>
    </message>
    <message>
        <source>Sex of the bird :</source>
        <translation>Sexe :</translation>
    </message>
    <message>
        <source>Bird color :</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Add a Range</source>
        <translation>Ajouter une série</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Spreadsheet Import</source>
        <translation>Importer d&apos;un classeur</translation>
    </message>
    <message>
        <source>Spreadsheet Export</source>
        <translation>Exporter vers un classeur</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Fichier Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>The range is stored; nothing was changed since. Type the next ring, or choose AddNew or Add a Range.</source>
        <translation>La série est enregistrée ; rien n&apos;a changé depuis. Tapez la bague suivante, ou choisissez Nouveau ou Ajouter une série.</translation>
    </message>
</context>
<context>
    <name>Members</name>
    <message>
        <source>Member %1</source>
        <translation>Membre %1</translation>
    </message>
    <message>
        <source>Please enter the registration number.</source>
        <translation>Veuillez saisir le numéro d&apos;enregistrement.</translation>
    </message>
    <message>
        <source>Ring %1 was deleted and is restored.</source>
        <translation>La bague %1 avait été supprimée et est rétablie.</translation>
    </message>
    <message>
        <source>Rings %1 were deleted and are restored.</source>
        <translation>Les bagues %1 avaient été supprimées et sont rétablies.</translation>
    </message>
    <message>
        <source>These ring numbers exist already and were skipped: </source>
        <translation>Ces numéros de bague existent déjà et ont été ignorés : </translation>
    </message>
    <message>
        <source>row %1: %2 of loft %3</source>
        <translation>ligne %1 : %2 du colombier %3</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Ligne %1 sur %2</translation>
    </message>
    <message>
        <source>Rows not imported because their loft is not a member: %1.</source>
        <translation>Lignes non importées car leur colombier n&apos;est pas membre : %1.</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; et %1 de plus</translation>
    </message>
    <message>
        <source>Rings not imported because they belong to another loft: %1.</source>
        <translation>Bagues non importées car elles appartiennent à un autre colombier : %1.</translation>
    </message>
    <message>
        <source>Rows not imported because they hold no ring number: %1.</source>
        <translation>Lignes non importées car elles ne contiennent pas de numéro de bague : %1.</translation>
    </message>
    <message>
        <source>The import was stopped at row %1. The rows before it are stored.</source>
        <translation>L&apos;importation a été arrêtée à la ligne %1. Les lignes précédentes sont enregistrées.</translation>
    </message>
    <message>
        <source>The import stopped at row %1: %2. The rows before it are stored.</source>
        <translation>L&apos;importation s&apos;est arrêtée à la ligne %1 : %2. Les lignes précédentes sont enregistrées.</translation>
    </message>
    <message>
        <source>Please enter a colour code and a colour name.</source>
        <translation>Veuillez saisir un code et un nom de couleur.</translation>
    </message>
    <message>
        <source>Colour code %1 exists already.</source>
        <translation>Le code couleur %1 existe déjà.</translation>
    </message>
    <message>
        <source>Colour name %1 exists already.</source>
        <translation>La couleur %1 existe déjà.</translation>
    </message>
    <message>
        <source>The upper registration number must not be lower than the registration number, nor more than 255 above it. Nothing was stored.</source>
        <translation>Le dernier numéro d&apos;enregistrement ne doit pas être inférieur au numéro d&apos;enregistrement ni le dépasser de plus de 255. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Registration Letter Input Error!</source>
        <translation>Erreur dans les lettres d&apos;enregistrement !</translation>
    </message>
    <message>
        <source>The birth year must have four digits, for example 2025. Nothing was stored.</source>
        <translation>L&apos;année de naissance doit avoir quatre chiffres, par exemple 2025. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Field value : &apos;-&apos; </source>
        <translation>Valeur : &apos;-&apos; </translation>
    </message>
    <message>
        <source>Field value : &apos;N&apos; Or &apos;S&apos;</source>
        <translation>Valeur : &apos;N&apos; ou &apos;S&apos;</translation>
    </message>
    <message>
        <source>Field value : &apos;A&apos; ~ &apos;Z&apos;</source>
        <translation>Valeur : &apos;A&apos; ~ &apos;Z&apos;</translation>
    </message>
    <message>
        <source>Field value : AP,BOR... </source>
        <translation>Valeur : AP,BOR... </translation>
    </message>
    <message>
        <source>Set new Member find data entry error !</source>
        <translation>Erreur dans les données du nouveau membre !</translation>
    </message>
    <message>
        <source>This will delete the data ?</source>
        <translation>Ceci supprimera les données. Continuer ?</translation>
    </message>
    <message>
        <source>Loft number %1 belongs to %2. Replace that member&apos;s details?</source>
        <translation>Le numéro de colombier %1 appartient à %2. Remplacer les données de ce membre ?</translation>
    </message>
    <message>
        <source>This Loft has %1 pigeon records, Do you want delete all data ?</source>
        <translation>Ce colombier a %1 pigeons. Voulez-vous supprimer toutes les données ?</translation>
    </message>
    <message>
        <source>Delete the member %1 %2 and the loft&apos;s distances ?</source>
        <translation>Supprimer le membre %1 %2 et les distances du colombier ?</translation>
    </message>
    <message>
        <source>Number of clocks %1</source>
        <translation>Nombre de constateurs %1</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Bague %1</translation>
    </message>
    <message>
        <source>Ring %1 belongs to member %2; it was not changed. Open that member&apos;s ring list to edit it.</source>
        <translation>La bague %1 appartient au membre %2 ; elle n&apos;a pas été modifiée. Ouvrez la liste des bagues de ce membre pour la modifier.</translation>
    </message>
    <message>
        <source>What the club holds about member %1, %2</source>
        <translation>Ce que le club détient sur le membre %1, %2</translation>
    </message>
    <message>
        <source>%1 (columns %2 to %3 of %4)</source>
        <translation>%1 (colonnes %2 à %3 sur %4)</translation>
    </message>
    <message>
        <source>The member list holds no loft %1.</source>
        <translation>La liste des membres ne contient pas de colombier %1.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Folder for the member&apos;s data</source>
        <translation>Dossier pour les données du membre</translation>
    </message>
    <message>
        <source>Everything the club holds about member %1 is in %2</source>
        <translation>Tout ce que le club détient sur le membre %1 se trouve dans %2</translation>
    </message>
    <message>
        <source>Erase member %1? Their name is replaced by a neutral label in every result, and their address, telephone, coordinates and notes are removed for good. Results and places stay as they are.</source>
        <translation>Effacer le membre %1 ? Son nom est remplacé par une étiquette neutre dans chaque résultat, et son adresse, son téléphone, ses coordonnées et ses notes sont supprimés définitivement. Les résultats et les places restent inchangés.</translation>
    </message>
    <message>
        <source>Member %1 is now &quot;%2&quot;.</source>
        <translation>Le membre %1 s&apos;appelle désormais « %2 ».</translation>
    </message>
    <message>
        <source>The database could not be rewritten, so the old values may still be found in its free space: %1</source>
        <translation>La base de données n&apos;a pas pu être réécrite ; les anciennes valeurs peuvent encore se trouver dans son espace libre : %1</translation>
    </message>
    <message>
        <source>No backup in %1 holds their data.</source>
        <translation>Aucune sauvegarde dans %1 ne contient ses données.</translation>
    </message>
    <message>
        <source>These backups still hold their data; the program keeps them until they are deleted (the newest is replaced by the next start-up backup and then kept under its date):</source>
        <translation>Ces sauvegardes contiennent encore ses données ; le programme les garde jusqu&apos;à ce qu&apos;elles soient supprimées (la plus récente est remplacée par la prochaine sauvegarde au démarrage, puis gardée sous sa date) :</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The club keeps results with names for %n season(s). %1 former member(s) have had no result since then: %2. Replace their names by neutral labels and remove their addresses now? Their results and everyone&apos;s places stay as they are.</source>
        <translation>
            <numerusform>Le club garde les résultats avec les noms pendant %n saison. %1 ancien(s) membre(s) n&apos;ont plus eu de résultat depuis : %2. Remplacer maintenant leurs noms par des étiquettes neutres et supprimer leurs adresses ? Leurs résultats et les places de chacun restent inchangés.</numerusform>
            <numerusform>Le club garde les résultats avec les noms pendant %n saisons. %1 ancien(s) membre(s) n&apos;ont plus eu de résultat depuis : %2. Remplacer maintenant leurs noms par des étiquettes neutres et supprimer leurs adresses ? Leurs résultats et les places de chacun restent inchangés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The blanks around the loft number were removed: it is saved as &quot;%1&quot;.</source>
        <translation>Les espaces autour du numéro de colombier ont été retirés : il est enregistré comme « %1 ».</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>ligne %1 colonne %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>Rows not imported: %1 holds a formula without a value: open and save the sheet in a spreadsheet program first.</source>
        <translation>Lignes non importées : %1 contient une formule sans valeur : ouvrez et enregistrez d&apos;abord la feuille dans un tableur.</translation>
    </message>
    <message>
        <source>Rows not imported: %1 hold a formula without a value: open and save the sheet in a spreadsheet program first.</source>
        <translation>Lignes non importées : %1 contiennent une formule sans valeur : ouvrez et enregistrez d&apos;abord la feuille dans un tableur.</translation>
    </message>
    <message>
        <source>Personal data this program holds: each member&apos;s name, street, town, post code, telephone, loft number and loft coordinates, their clocks, rings, race entries, clock times, distances, pool entries and payouts, championship standings, and the history of changes to race entries with the login that made them.

Why: to run the club and its races (members, clocks, results and prizes).

Where: in the club&apos;s database on this PC (Kestrava_Europe.db in the data folder) or on the club&apos;s database server, and in the backups in the Backup folder beside the data folder.

What leaves the club: published results (web pages, CSV, the live board, printed lists, the federation&apos;s combined result) show each member&apos;s name as they chose (full name, initials and surname, or the loft number only) and their town only if they allow it; never their street, post code, telephone, e-mail or coordinates. The federation&apos;s exchange files carry what the federation needs to compute results.

How long: results stay with names for the seasons the club sets in Setup (all of them unless set); older ones are then shown under neutral labels. A member may ask for everything the club holds about them (Members, &quot;What We Hold About This Member&quot;) and a former member may be erased (Members, &quot;Erase Former Member&quot;); backups made before keep their data until they are deleted.</source>
        <translation>Données personnelles que ce programme détient : pour chaque membre, nom, rue, localité, code postal, téléphone, numéro et coordonnées du colombier, ses constateurs, bagues, enlogements, heures de constatation, distances, mises et gains aux poules, classements des championnats, et l&apos;historique des modifications des enlogements avec l&apos;identifiant qui les a faites.

Pourquoi : pour gérer le club et ses concours (membres, constateurs, résultats et prix).

Où : dans la base de données du club sur ce PC (Kestrava_Europe.db dans le dossier de données) ou sur le serveur de base de données du club, et dans les sauvegardes du dossier Backup à côté du dossier de données.

Ce qui sort du club : les résultats publiés (pages web, CSV, le tableau en direct, les listes imprimées, le résultat combiné de la fédération) montrent le nom de chaque membre selon son choix (nom complet, initiales et nom, ou numéro de colombier seulement) et sa localité seulement s&apos;il l&apos;autorise ; jamais sa rue, son code postal, son téléphone, son e-mail ou ses coordonnées. Les fichiers d&apos;échange de la fédération contiennent ce dont la fédération a besoin pour calculer les résultats.

Combien de temps : les résultats restent avec les noms pendant le nombre de saisons que le club fixe dans Setup (toutes, sauf réglage) ; les plus anciens apparaissent ensuite sous des étiquettes neutres. Un membre peut demander tout ce que le club détient sur lui (Membres, « Ce que nous détenons sur ce membre ») et un ancien membre peut être effacé (Membres, « Effacer un ancien membre ») ; les sauvegardes faites auparavant gardent ses données jusqu&apos;à leur suppression.</translation>
    </message>
</context>
<context>
    <name>OtherClockPanel</name>
    <message>
        <source>Member :</source>
        <translation>Membre :</translation>
    </message>
    <message>
        <source>Clock Setting</source>
        <translation>Réglage du constateur</translation>
    </message>
    <message>
        <source>Marked set :</source>
        <translation>Enlogement :</translation>
    </message>
    <message>
        <source>Master check :</source>
        <translation>Contrôle horloge mère :</translation>
    </message>
    <message>
        <source>Member check :</source>
        <translation>Contrôle constateur :</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Ring </source>
        <translation>Bague </translation>
    </message>
    <message>
        <source>Add/Edit Other Clock     </source>
        <translation>Ajouter/modifier un autre constateur     </translation>
    </message>
</context>
<context>
    <name>PoolsPanel</name>
    <message>
        <source>Pool</source>
        <translation>Poule</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Prizes paid</source>
        <translation>Prix payés</translation>
    </message>
    <message>
        <source>Split % / birds per prize</source>
        <translation>Répartition % / pigeons par prix</translation>
    </message>
    <message>
        <source>Deduction %</source>
        <translation>Retenue %</translation>
    </message>
    <message>
        <source>Nominations counted (0: all)</source>
        <translation>Désignés comptés (0 : tous)</translation>
    </message>
    <message>
        <source>Add pool</source>
        <translation>Ajouter une poule</translation>
    </message>
    <message>
        <source>Remove pool</source>
        <translation>Retirer la poule</translation>
    </message>
    <message>
        <source>Save pools</source>
        <translation>Enregistrer les poules</translation>
    </message>
    <message>
        <source>Use club template</source>
        <translation>Utiliser le modèle du club</translation>
    </message>
    <message>
        <source>Save as club template</source>
        <translation>Enregistrer comme modèle du club</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Poules</translation>
    </message>
    <message>
        <source>Pool %1</source>
        <translation>Poule %1</translation>
    </message>
    <message>
        <source>Type a loft&apos;s nomination order in Nom; type x under a pool to enter the bird, clear it to take the bird out.</source>
        <translation>Tapez l&apos;ordre de désignation d&apos;un colombier sous Nom ; tapez x sous une poule pour y engager le pigeon, effacez-le pour l&apos;en retirer.</translation>
    </message>
    <message>
        <source>Import entries</source>
        <translation>Importer les engagements</translation>
    </message>
    <message>
        <source>Export entries</source>
        <translation>Exporter les engagements</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Engagements</translation>
    </message>
    <message>
        <source>Print pool sheet</source>
        <translation>Imprimer la feuille des poules</translation>
    </message>
    <message>
        <source>Print payout per loft</source>
        <translation>Imprimer les gains par colombier</translation>
    </message>
    <message>
        <source>Pool sheet workbook</source>
        <translation>Feuille des poules en classeur</translation>
    </message>
    <message>
        <source>Payout workbook</source>
        <translation>Gains en classeur</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pools for %1</source>
        <translation>Poules pour %1</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>One per N birds</source>
        <translation>Un pour N pigeons</translation>
    </message>
    <message>
        <source>The club&apos;s pool template is saved.</source>
        <translation>Le modèle de poules du club est enregistré.</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Colombier</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Loft %1 gives nomination %2 twice.</source>
        <translation>Le colombier %1 donne deux fois la désignation %2.</translation>
    </message>
    <message>
        <source>%1 rings read from %2.</source>
        <translation>%1 bagues lues dans %2.</translation>
    </message>
    <message>
        <source>The race has no pools.</source>
        <translation>Le concours n&apos;a pas de poules.</translation>
    </message>
    <message>
        <source>Loft %1</source>
        <translation>Colombier %1</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Fichier Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Entries %1 %2.xlsx</source>
        <translation>Engagements %1 %2.xlsx</translation>
    </message>
    <message>
        <source>Pool sheet %1 %2.xlsx</source>
        <translation>Feuille des poules %1 %2.xlsx</translation>
    </message>
    <message>
        <source>Payout %1 %2.xlsx</source>
        <translation>Paiement %1 %2.xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Arrivals</source>
        <translation>Arrivées</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure de constatation</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Pigeons arrivés</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Vitesses</translation>
    </message>
    <message>
        <source>Birds</source>
        <translation>Pigeons</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the published pages (nl, fr, de): the code of this translation.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Liberation: </source>
        <translation>Lâcher : </translation>
    </message>
    <message>
        <source>Ranking as CSV</source>
        <translation>Classement en CSV</translation>
    </message>
    <message>
        <source>All races of %1</source>
        <translation>Tous les concours de %1</translation>
    </message>
    <message>
        <source>Races of %1</source>
        <translation>Concours de %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Concours</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Lieu de lâcher</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>not published</source>
        <translation>non publié</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>RacePointPanel</name>
    <message>
        <source>Race Points</source>
        <translation>Lieux de lâcher et concours</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>LibSite Abbre.</source>
        <translation>Abr. lieu</translation>
    </message>
    <message>
        <source>Liberation Site</source>
        <translation>Lieu de lâcher</translation>
    </message>
    <message>
        <source>Lib. Date</source>
        <translation>Date lâcher</translation>
    </message>
    <message>
        <source>Lib. Time</source>
        <translation>Heure lâcher</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Liberation Points Detail</source>
        <translation>Détail du lieu de lâcher</translation>
    </message>
    <message>
        <source>Club :</source>
        <translation>Club :</translation>
    </message>
    <message>
        <source>Liberate Site Abbreviation  :</source>
        <translation>Abréviation du lieu de lâcher :</translation>
    </message>
    <message>
        <source>Liberation Site :</source>
        <translation>Lieu de lâcher :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Longitude :</translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>Latitude :</translation>
    </message>
    <message>
        <source>Liberation Date :</source>
        <translation>Date du lâcher :</translation>
    </message>
    <message>
        <source>Liberation Time :</source>
        <translation>Heure du lâcher :</translation>
    </message>
    <message>
        <source>Liberation Code :</source>
        <translation>Code du lâcher :</translation>
    </message>
    <message>
        <source>Customized LibPoint</source>
        <translation>Lieu de lâcher personnalisé</translation>
    </message>
    <message>
        <source>Custmized Lib. Point :</source>
        <translation>Lieu de lâcher personnalisé :</translation>
    </message>
    <message>
        <source>SunData Setting</source>
        <translation>Données solaires</translation>
    </message>
    <message>
        <source>Set SunSet/Sunrise :</source>
        <translation>Coucher/lever du soleil :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>ClubCode :</source>
        <translation>Code du club :</translation>
    </message>
    <message>
        <source>ClubName : </source>
        <translation>Nom du club : </translation>
    </message>
    <message>
        <source>&amp;A Add</source>
        <translation>&amp;A Ajouter</translation>
    </message>
    <message>
        <source>&amp;D Delete</source>
        <translation>&amp;S Supprimer</translation>
    </message>
    <message>
        <source>&amp;E Exit</source>
        <translation>&amp;F Fermer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Race Types :</source>
        <translation>Types de concours :</translation>
    </message>
</context>
<context>
    <name>RaceResultPanel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ResultExport</source>
        <translation>Exporter le résultat</translation>
    </message>
    <message>
        <source>FlySpeed Recaculate</source>
        <translation>Recalculer les vitesses</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>RaceDate :</source>
        <translation>Date du concours :</translation>
    </message>
    <message>
        <source>RaceTime :</source>
        <translation>Heure du lâcher :</translation>
    </message>
    <message>
        <source>Recacute</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Constaté</translation>
    </message>
    <message>
        <source>FlyiTime</source>
        <translation>Durée de vol</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source> Result for </source>
        <translation> Résultat de </translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Lock result</source>
        <translation>Verrouiller le résultat</translation>
    </message>
    <message>
        <source>Reason for unlocking</source>
        <translation>Motif du déverrouillage</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>RaceStatusPanel</name>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Constateur</translation>
    </message>
    <message>
        <source>Birds marked</source>
        <translation>Pigeons enlogés</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Pigeons arrivés</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source> Status for </source>
        <translation> État de </translation>
    </message>
</context>
<context>
    <name>Races</name>
    <message>
        <source>%1 Members sent %2 birds - %3 were clocked</source>
        <translation>%1 membres ont enlogé %2 pigeons - %3 constatés</translation>
    </message>
    <message>
        <source>Yds/Min</source>
        <translation>yd/min</translation>
    </message>
    <message>
        <source>MPM</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>The arrival &apos;%1&apos; of ring %2 is not a valid date and time.</source>
        <translation>L&apos;arrivée &apos;%1&apos; de la bague %2 n&apos;est pas une date et heure valides.</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Fichier Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Longitude Input Value &gt; 60 !</source>
        <translation>Longitude : valeur &gt; 60 !</translation>
    </message>
    <message>
        <source>Latitude Input Value  &gt; 60 !</source>
        <translation>Latitude : valeur &gt; 60 !</translation>
    </message>
    <message>
        <source>Race Date</source>
        <translation>Date du concours</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>yyyy-mm-dd </source>
        <translation>aaaa-mm-jj </translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>row %1, &quot;%2&quot;</source>
        <translation>ligne %1, « %2 »</translation>
    </message>
    <message>
        <source>Sun data %1: &apos;%2&apos; is not a time (hh:mm:ss); nothing was saved.</source>
        <translation>Données solaires %1 : &apos;%2&apos; n&apos;est pas une heure (hh:mm:ss) ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Sun data %1: &apos;%2&apos; is not a date (yyyy-mm-dd); nothing was saved.</source>
        <translation>Données solaires %1 : &apos;%2&apos; n&apos;est pas une date (aaaa-mm-jj) ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Save as a new race on %1? The race of %2 stays.</source>
        <translation>Enregistrer comme nouveau concours le %1 ? Le concours du %2 est conservé.</translation>
    </message>
    <message>
        <source>A race with the code %1 on %2 exists already (club %3).</source>
        <translation>Un concours avec le code %1 le %2 existe déjà (club %3).</translation>
    </message>
    <message>
        <source>Delete the liberation site %1 %2? Every loft&apos;s distance to it is deleted too.</source>
        <translation>Supprimer le lieu de lâcher %1 %2 ? La distance de chaque colombier à ce lieu est aussi supprimée.</translation>
    </message>
    <message>
        <source> 1 race uses it.</source>
        <translation> 1 concours l&apos;utilise.</translation>
    </message>
    <message>
        <source> %1 races use it.</source>
        <translation> %1 concours l&apos;utilisent.</translation>
    </message>
    <message>
        <source>No liberation site has the code &apos;%1&apos;.</source>
        <translation>Aucun lieu de lâcher n&apos;a le code &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Please enter a club code and a club name.</source>
        <translation>Veuillez saisir un code et un nom de club.</translation>
    </message>
    <message>
        <source>Club code %1 exists already.</source>
        <translation>Le code de club %1 existe déjà.</translation>
    </message>
    <message>
        <source>Club name %1 exists already.</source>
        <translation>Le nom de club %1 existe déjà.</translation>
    </message>
    <message>
        <source>Delete the club %1? Races of %1 can no longer be saved until the club exists again.</source>
        <translation>Supprimer le club %1 ? Les concours de %1 ne pourront plus être enregistrés tant que le club n&apos;existera pas de nouveau.</translation>
    </message>
    <message>
        <source>Set new liberate point find data entry error !</source>
        <translation>Erreur dans les données du lieu de lâcher !</translation>
    </message>
    <message>
        <source>This will delete the data ?</source>
        <translation>Ceci supprimera les données. Continuer ?</translation>
    </message>
    <message>
        <source>The clock reading &apos;%1&apos; of member %2 is not a valid date and time.</source>
        <translation>La lecture du constateur &apos;%1&apos; du membre %2 n&apos;est pas une date et heure valides.</translation>
    </message>
    <message>
        <source>%1 character(s) that the file cannot hold were written as &quot;?&quot;.</source>
        <translation>%1 caractère(s) que le fichier ne peut pas contenir ont été écrits « ? ».</translation>
    </message>
    <message>
        <source>WinSpeed file (*.D00);;All files (*)</source>
        <translation>Fichier WinSpeed (*.D00);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Texe file (COTE.txt)</source>
        <translation>Fichier texte (COTE.txt)</translation>
    </message>
    <message>
        <source>Texe file (RING.txt)</source>
        <translation>Fichier texte (RING.txt)</translation>
    </message>
    <message>
        <source>Race Distance download success ！！</source>
        <translation>Distances du concours importées avec succès！！</translation>
    </message>
    <message>
        <source>Choose the member first.</source>
        <translation>Choisissez d&apos;abord le membre.</translation>
    </message>
    <message>
        <source>Ring number &apos;%1&apos; is not a pigeon of this member.</source>
        <translation>Le numéro de bague &apos;%1&apos; n&apos;est pas un pigeon de ce membre.</translation>
    </message>
    <message>
        <source>The race %1 of %2 has no liberation time.</source>
        <translation>Le concours %1 du %2 n&apos;a pas d&apos;heure de lâcher.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>Invalid character in %1 field in string %2</source>
        <translation>Caractère non valide dans le champ %1 de la chaîne %2</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Workflow</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Ancien</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 ring number(s) longer than %2 characters were cut in the WinSpeed file: %3.</source>
        <translation>%1 numéro(s) de bague de plus de %2 caractères ont été raccourcis dans le fichier WinSpeed : %3.</translation>
    </message>
    <message>
        <source>
%1 became the same ring number %2 there.</source>
        <translation>
%1 y sont devenus le même numéro de bague %2.</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... et %1 de plus</translation>
    </message>
    <message>
        <source>
%1 line(s) name a loft that is not a member; their distances are stored for when the loft joins:
%2</source>
        <translation>
%1 ligne(s) nomment un colombier qui n&apos;est pas membre ; leurs distances sont conservées pour le jour où il s&apos;inscrit :
%2</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>ligne %1 « %2 »</translation>
    </message>
    <message>
        <source>The publish folder %1 does not exist.</source>
        <translation>Le dossier de publication %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Publish folder</source>
        <translation>Dossier de publication</translation>
    </message>
    <message>
        <source>Published %1 of %2 to %3</source>
        <translation>%1 du %2 publié dans %3</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Recalculating %1 of %2 from the liberation at %3 changes %4 flying time(s), %5 speed(s) and %6 place(s) of %7 clocked bird(s).</source>
        <translation>Recalculer %1 du %2 depuis le lâcher à %3 change %4 temps de vol, %5 vitesse(s) et %6 place(s) de %7 pigeon(s) constaté(s).</translation>
    </message>
    <message>
        <source>

Places that move:</source>
        <translation>

Places qui changent :</translation>
    </message>
    <message>
        <source>

Store these changes?</source>
        <translation>

Enregistrer ces modifications ?</translation>
    </message>
    <message>
        <source>Provisional</source>
        <translation>Provisoire</translation>
    </message>
    <message>
        <source>Final (locked %1)</source>
        <translation>Définitif (verrouillé %1)</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is final (locked %3); its entries cannot be changed. Unlock it first, giving the reason.</source>
        <translation>Le résultat du concours %1 du %2 est définitif (verrouillé %3) ; ses engagements ne peuvent pas être modifiés. Déverrouillez-le d&apos;abord en donnant le motif.</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is final already.</source>
        <translation>Le résultat du concours %1 du %2 est déjà définitif.</translation>
    </message>
    <message>
        <source>Give the reason for unlocking the result.</source>
        <translation>Indiquez le motif du déverrouillage du résultat.</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is not final.</source>
        <translation>Le résultat du concours %1 du %2 n&apos;est pas définitif.</translation>
    </message>
    <message>
        <source>Race %1 of %2</source>
        <translation>Concours %1 du %2</translation>
    </message>
    <message>
        <source>%1 ring numbers longer than %2 characters were cut in the WinSpeed file; %3 groups of them became one ring number there. The whole list is below.</source>
        <translation>%1 numéros de bague de plus de %2 caractères ont été raccourcis dans le fichier WinSpeed ; %3 groupes d&apos;entre eux y sont devenus un seul numéro de bague. La liste complète figure ci-dessous.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Distances : </source>
        <translation>Distances : </translation>
    </message>
    <message>
        <source>WGS84 geodesic</source>
        <translation>Géodésique WGS84</translation>
    </message>
    <message>
        <source>Flat (federation file rule)</source>
        <translation>Plane (règle des fichiers fédéraux)</translation>
    </message>
    <message>
        <source>from a distance file</source>
        <translation>d&apos;un fichier de distances</translation>
    </message>
    <message>
        <source>Distances : the loft distances of %1, %2.</source>
        <translation>Distances : les distances des colombiers de %1, %2.</translation>
    </message>
    <message>
        <source> The club&apos;s method is %1: update the loft distances first to recalculate with it.</source>
        <translation> La méthode de la société est %1 : mettez d&apos;abord à jour les distances des colombiers pour recalculer avec elle.</translation>
    </message>
    <message>
        <source> (%1 clocked with earlier distances: not recalculated since)</source>
        <translation> (%1 constatés avec des distances antérieures : pas recalculés depuis)</translation>
    </message>
    <message>
        <source>result upload</source>
        <translation>lecture des arrivées</translation>
    </message>
    <message>
        <source>marked upload</source>
        <translation>lecture de l&apos;enlogement</translation>
    </message>
    <message>
        <source>manual time</source>
        <translation>heure manuelle</translation>
    </message>
    <message>
        <source>recalculation</source>
        <translation>recalcul</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importation</translation>
    </message>
    <message>
        <source>lock</source>
        <translation>verrouillage</translation>
    </message>
    <message>
        <source>unlock</source>
        <translation>déverrouillage</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Définitif</translation>
    </message>
    <message>
        <source>A latitude cannot be beyond 90°: %1</source>
        <translation>Une latitude ne peut pas dépasser 90° : %1</translation>
    </message>
    <message>
        <source>A longitude cannot be beyond 180°: %1</source>
        <translation>Une longitude ne peut pas dépasser 180° : %1</translation>
    </message>
    <message>
        <source>Pasted: %1</source>
        <translation>Collé : %1</translation>
    </message>
    <message>
        <source> (rounded half-up to hundredths of a second)</source>
        <translation> (arrondi au centième de seconde)</translation>
    </message>
    <message>
        <source> (rounded half-up to whole seconds)</source>
        <translation> (arrondi à la seconde)</translation>
    </message>
    <message>
        <source>. A coordinate with 0 degrees counts as not set: its distances stay 0.</source>
        <translation>. Une coordonnée de 0 degré compte comme non remplie : ses distances restent 0.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <extracomment>The published ranking&apos;s column titles: position, name, ring, sex, colour, clock time, flying time, (speed), clock variation, distance.</extracomment>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sex</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>C</source>
        <comment>colour</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Constaté</translation>
    </message>
    <message>
        <source>Fly time</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Ring %1 is stored with an arrival before the liberation: its flying time is %2 and it gets no speed. Check the date and time typed.</source>
        <translation>La bague %1 est enregistrée avec une arrivée avant le lâcher : son temps de vol est %2 et elle n&apos;a pas de vitesse. Vérifiez la date et l&apos;heure saisies.</translation>
    </message>
</context>
<context>
    <name>ResultTab</name>
    <message>
        <source>Race Code :</source>
        <translation>Code du concours :</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Fly Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Yds/Min</source>
        <translation>yd/min</translation>
    </message>
    <message>
        <source>MPM</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Pigeon</source>
        <translation>Pigeon</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Constaté</translation>
    </message>
    <message>
        <source>Flying Time</source>
        <translation>Durée de vol</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Please. Select Race Code !</source>
        <translation>Veuillez choisir un code de concours !</translation>
    </message>
</context>
<context>
    <name>SerialPorts</name>
    <message>
        <source>%1 - not found</source>
        <translation>%1 - introuvable</translation>
    </message>
    <message>
        <source>Unable to open com port %1</source>
        <translation>Impossible d&apos;ouvrir le port %1</translation>
    </message>
    <message>
        <source>: permission denied: add your user to the group %1 (sudo usermod -aG %1 %2) and log in again.</source>
        <translation>: accès refusé : ajoutez votre utilisateur au groupe %1 (sudo usermod -aG %1 %2) et reconnectez-vous.</translation>
    </message>
    <message>
        <source>: another program is using it. Close that program (or another window of this one) and try again.</source>
        <translation>: un autre programme l&apos;utilise. Fermez ce programme (ou une autre fenêtre de celui-ci) et réessayez.</translation>
    </message>
    <message>
        <source>: there is no such port, and no serial port was found on this computer. Connect the club antenna, then choose its port in Setup.</source>
        <translation>: ce port n&apos;existe pas et aucun port série n&apos;a été trouvé sur cet ordinateur. Branchez l&apos;antenne du club, puis choisissez son port dans Réglages.</translation>
    </message>
    <message>
        <source>: there is no such port. The serial ports on this computer are: %1. Choose the antenna&apos;s port in Setup.</source>
        <translation>: ce port n&apos;existe pas. Les ports série de cet ordinateur sont : %1. Choisissez le port de l&apos;antenne dans Réglages.</translation>
    </message>
</context>
<context>
    <name>ServerAccess</name>
    <message>
        <source>This needs the federation&apos;s login.</source>
        <translation>Cette action demande l&apos;identifiant de la fédération.</translation>
    </message>
</context>
<context>
    <name>ServerDatabase</name>
    <message>
        <source>The data source %1 is not a server address of the form postgresql://USER@HOST:PORT/DATABASE.</source>
        <translation>La source de données %1 n&apos;est pas une adresse de serveur de la forme postgresql://USER@HOST:PORT/DATABASE.</translation>
    </message>
    <message>
        <source>The data source %1 holds a password. Keep the password in PGPASSWORD or ~/.pgpass, never in the data link file.</source>
        <translation>La source de données %1 contient un mot de passe. Gardez le mot de passe dans PGPASSWORD ou ~/.pgpass, jamais dans le fichier de liaison.</translation>
    </message>
    <message>
        <source>The data source %1 names an unknown sslmode; use one of %2.</source>
        <translation>La source de données %1 indique un sslmode inconnu ; utilisez l&apos;un de %2.</translation>
    </message>
    <message>
        <source>Another seat kept the club database busy for too long; nothing of this action was stored. Please try again when it has finished.</source>
        <translation>Un autre poste a occupé la base de données du club trop longtemps ; rien de cette action n&apos;a été enregistré. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>The row is stored already (another seat may have stored it first): %1.</source>
        <translation>La ligne est déjà enregistrée (un autre poste l&apos;a peut-être enregistrée avant) : %1.</translation>
    </message>
    <message>
        <source>Another seat changed the same rows at the same moment; nothing of this action was stored. Please try again.</source>
        <translation>Un autre poste a modifié les mêmes lignes au même moment ; rien de cette action n&apos;a été enregistré. Réessayez.</translation>
    </message>
    <message>
        <source>Another seat has held these rows for too long; nothing of this action was stored. Please try again when it has finished.</source>
        <translation>Un autre poste a retenu ces lignes trop longtemps ; rien de cette action n&apos;a été enregistré. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>The database server took too long and the action was stopped; nothing of it was stored.</source>
        <translation>Le serveur de base de données a mis trop de temps et l&apos;action a été arrêtée ; rien n&apos;en a été enregistré.</translation>
    </message>
    <message>
        <source>The database server&apos;s disk is full; nothing of this action was stored. Ask whoever looks after the server to make room on it.</source>
        <translation>Le disque du serveur de base de données est plein ; rien de cette action n&apos;a été enregistré. Demandez à la personne qui s&apos;occupe du serveur d&apos;y faire de la place.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost; nothing of this action was stored.</source>
        <translation>La connexion au serveur de base de données a été perdue ; rien de cette action n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The database server refused the action.</source>
        <translation>Le serveur de base de données a refusé l&apos;action.</translation>
    </message>
    <message>
        <source>The database server refused the action: %1.</source>
        <translation>Le serveur de base de données a refusé l&apos;action : %1.</translation>
    </message>
    <message>
        <source>The database server %1 refused the user %2: the password is wrong or missing (give it in PGPASSWORD or ~/.pgpass).</source>
        <translation>Le serveur de base de données %1 a refusé l&apos;utilisateur %2 : le mot de passe est faux ou manquant (indiquez-le dans PGPASSWORD ou ~/.pgpass).</translation>
    </message>
    <message>
        <source>The database server %1 has no database %2.</source>
        <translation>Le serveur de base de données %1 n&apos;a pas de base %2.</translation>
    </message>
    <message>
        <source>The database server %1 does not know the user %2.</source>
        <translation>Le serveur de base de données %1 ne connaît pas l&apos;utilisateur %2.</translation>
    </message>
    <message>
        <source>The database server %1 cannot be reached. Check that it runs and that the address in the data link file is right.</source>
        <translation>Le serveur de base de données %1 est injoignable. Vérifiez qu&apos;il fonctionne et que l&apos;adresse dans le fichier de liaison est correcte.</translation>
    </message>
    <message>
        <source>The database server %1 refused an unprotected connection or could not be checked (sslmode %2): ask its administrator which protection it offers.</source>
        <translation>Le serveur de base de données %1 a refusé une connexion non protégée ou n&apos;a pas pu être vérifié (sslmode %2) : demandez à son administrateur quelle protection il offre.</translation>
    </message>
    <message>
        <source>This installation cannot reach a database server: the PostgreSQL driver of Qt (libqt6sql6-psql) is missing.</source>
        <translation>Cette installation ne peut pas joindre de serveur de base de données : le pilote PostgreSQL de Qt (libqt6sql6-psql) manque.</translation>
    </message>
    <message>
        <source>The database server %1 could not be opened: %2.</source>
        <translation>Le serveur de base de données %1 n&apos;a pas pu être ouvert : %2.</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>it is not a zip archive</source>
        <translation>ce n&apos;est pas une archive zip</translation>
    </message>
    <message>
        <source>the part %1 is damaged</source>
        <translation>la partie %1 est endommagée</translation>
    </message>
    <message>
        <source>it is protected with a password</source>
        <translation>il est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>décompressé, il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it holds more than %1 cells</source>
        <translation>il contient plus de %1 cellules</translation>
    </message>
    <message>
        <source>the part %1 is not readable XML</source>
        <translation>la partie %1 n&apos;est pas du XML lisible</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a workbook: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être lu comme classeur : %2.</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; does not exist.</source>
        <translation>Le classeur « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Le classeur « %1 » ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le classeur « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>it has no workbook part</source>
        <translation>il n&apos;a pas de partie classeur</translation>
    </message>
    <message>
        <source>it has no worksheet</source>
        <translation>il n&apos;a pas de feuille de calcul</translation>
    </message>
    <message>
        <source>a row number is out of range</source>
        <translation>un numéro de ligne est hors limites</translation>
    </message>
    <message>
        <source>the cell reference &quot;%1&quot; is out of range</source>
        <translation>la référence de cellule « %1 » est hors limites</translation>
    </message>
    <message>
        <source>a cell refers to a missing text</source>
        <translation>une cellule renvoie à un texte manquant</translation>
    </message>
    <message>
        <source>Data transfer error: </source>
        <translation>Erreur de transfert des données : </translation>
    </message>
    <message>
        <source>a row has %1 values for %2 columns</source>
        <translation>une ligne a %1 valeurs pour %2 colonnes</translation>
    </message>
    <message>
        <source>%1 rows do not fit in one worksheet</source>
        <translation>%1 lignes ne tiennent pas dans une feuille</translation>
    </message>
    <message>
        <source>%1 columns do not fit in one worksheet</source>
        <translation>%1 colonnes ne tiennent pas dans une feuille</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier « %1 » n&apos;existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>« %1 » est un dossier</translation>
    </message>
    <message>
        <source>the workbook could not be created</source>
        <translation>le classeur n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the worksheet could not be created</source>
        <translation>la feuille n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source> (cell %1)</source>
        <translation> (cellule %1)</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Ligne %1 sur %2</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>Enregistrement de %1</translation>
    </message>
</context>
<context>
    <name>SunDataPanel</name>
    <message>
        <source>Sunset / Sunrise</source>
        <translation>Coucher / lever du soleil</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SyncTab</name>
    <message>
        <source>Please connect your Tamrel to the Club Antenna (ring marker) , then click  &quot;Sync Now&quot;  
for a single clock or &quot;Auto Sync&quot; for multiple clock in a row.</source>
        <translation>Branchez votre Tamrel sur l&apos;antenne du club (lecteur de bagues), puis cliquez sur « Synchroniser »
pour un seul constateur ou sur « Synchronisation auto » pour plusieurs constateurs à la suite.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Sync Auto</source>
        <translation>Synchronisation auto</translation>
    </message>
</context>
<context>
    <name>TfrmFederation</name>
    <message>
        <source>Club files</source>
        <translation>Fichiers des clubs</translation>
    </message>
    <message>
        <source>Club code :</source>
        <translation>Code du club :</translation>
    </message>
    <message>
        <source>Club name :</source>
        <translation>Nom du club :</translation>
    </message>
    <message>
        <source>Import club files...</source>
        <translation>Importer les fichiers d&apos;un club...</translation>
    </message>
    <message>
        <source>Combined result</source>
        <translation>Résultat combiné</translation>
    </message>
    <message>
        <source>Release :</source>
        <translation>Lâcher :</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Prize list of club :</source>
        <translation>Liste des prix du club :</translation>
    </message>
    <message>
        <source>Print prize list</source>
        <translation>Imprimer la liste des prix</translation>
    </message>
    <message>
        <source>No club results yet: import a club&apos;s files.</source>
        <translation>Pas encore de résultats de clubs : importez les fichiers d&apos;un club.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Colombier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bague</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Constaté</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 clocked)</source>
        <translation>%1 %2 (%3 constatés)</translation>
    </message>
    <message>
        <source>Not ranked, no distance to the site: %1</source>
        <translation>Non classés, pas de distance au lieu de lâcher : %1</translation>
    </message>
    <message>
        <source>Type the code of the club whose files these are.</source>
        <translation>Tapez le code du club auquel appartiennent ces fichiers.</translation>
    </message>
    <message>
        <source>Club result files (*.xlsx *.D00 *.d00 *.txt);;All files (*)</source>
        <translation>Fichiers de résultats des clubs (*.xlsx *.D00 *.d00 *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Club %1: %2 race(s), %3 bird(s) and %4 new loft(s) stored; %5 bird(s) left out.</source>
        <translation>Club %1 : %2 concours, %3 pigeon(s) et %4 nouveau(x) colombier(s) enregistrés ; %5 pigeon(s) laissé(s) de côté.</translation>
    </message>
</context>
<context>
    <name>TfrmHome</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Constateur</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Last synchronised</source>
        <translation>Dernière synchronisation</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (aujourd&apos;hui)</translation>
    </message>
    <message>
        <source> (tomorrow)</source>
        <translation> (demain)</translation>
    </message>
    <message>
        <source> (yesterday)</source>
        <translation> (hier)</translation>
    </message>
    <message>
        <source>%1, liberation %2</source>
        <translation>%1, lâcher %2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non définie</translation>
    </message>
    <message>
        <source>Birds marked: %1, arrived: %2</source>
        <translation>Pigeons enlogés : %1, arrivés : %2</translation>
    </message>
    <message>
        <source>Clocks read: %1 for marking, %2 after the race</source>
        <translation>Constateurs lus : %1 à l&apos;enlogement, %2 après le concours</translation>
    </message>
    <message>
        <source>Birds marked: %1</source>
        <translation>Pigeons enlogés : %1</translation>
    </message>
    <message>
        <source>Clocks read for marking: %1</source>
        <translation>Constateurs lus à l&apos;enlogement : %1</translation>
    </message>
    <message>
        <source>No clock has been synchronised yet.</source>
        <translation>Aucun constateur n&apos;a encore été synchronisé.</translation>
    </message>
    <message>
        <source>No race ahead to send to the clocks.</source>
        <translation>Aucun concours à venir à envoyer aux constateurs.</translation>
    </message>
    <message>
        <source>Race list last changed %1.</source>
        <translation>Liste des concours modifiée le %1.</translation>
    </message>
    <message>
        <source>Synchronised since: %1 of %2 clocks</source>
        <translation>Synchronisés depuis : %1 constateurs sur %2</translation>
    </message>
    <message>
        <source>Still to synchronise: %1</source>
        <translation>Reste à synchroniser : %1</translation>
    </message>
    <message>
        <source>No backup has been made yet.</source>
        <translation>Aucune sauvegarde n&apos;a encore été faite.</translation>
    </message>
    <message>
        <source>Last backup holds the data of %1.</source>
        <translation>La dernière sauvegarde contient les données du %1.</translation>
    </message>
    <message>
        <source>It is older than the backup age (%1 days) and the data has changed since: start the program again or make a backup in Setup.</source>
        <translation>Elle est plus ancienne que l&apos;âge maximal (%1 jours) et les données ont changé depuis : redémarrez le programme ou faites une sauvegarde dans Réglages.</translation>
    </message>
    <message>
        <source>Next race</source>
        <translation>Prochain concours</translation>
    </message>
    <message>
        <source>Last race</source>
        <translation>Dernier concours</translation>
    </message>
    <message>
        <source>Races</source>
        <translation>Concours</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Constateurs</translation>
    </message>
    <message>
        <source>Clock Operation</source>
        <translation>Constateurs</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>No race ahead.</source>
        <translation>Aucun concours à venir.</translation>
    </message>
    <message>
        <source>No race flown yet.</source>
        <translation>Aucun concours n&apos;a encore eu lieu.</translation>
    </message>
    <message>
        <source>Still to synchronise: %1 clocks</source>
        <translation>Encore à synchroniser : %1 constateurs</translation>
    </message>
</context>
<context>
    <name>TfrmMember_TC</name>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Member New Add</source>
        <translation>Nouveau membre</translation>
    </message>
    <message>
        <source>Member Edit Update</source>
        <translation>Modifier le membre</translation>
    </message>
    <message>
        <source>%1&apos;s Ring List</source>
        <translation>Bagues de %1</translation>
    </message>
    <message>
        <source>The member form holds changes that are not saved. Save them?</source>
        <translation>Le formulaire du membre contient des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>The ring form holds changes that are not saved. Save them?</source>
        <translation>Le formulaire de bague contient des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
</context>
<context>
    <name>TfrmMenu_V8_EU_TC</name>
    <message>
        <source>&amp;H Home</source>
        <translation>&amp;A Accueil</translation>
    </message>
    <message>
        <source>&amp;C Clock Operation</source>
        <translation>&amp;C Constateurs</translation>
    </message>
    <message>
        <source>&amp;M Member</source>
        <translation>&amp;M Membres</translation>
    </message>
    <message>
        <source>&amp;R Races</source>
        <translation>&amp;O Concours</translation>
    </message>
    <message>
        <source>&amp;S Setup</source>
        <translation>&amp;R Réglages</translation>
    </message>
    <message>
        <source>Kestrava Club Management V8</source>
        <translation>Kestrava Gestion de club V8</translation>
    </message>
    <message>
        <source>Access DB Backup Now, Please. Wait !</source>
        <translation>Sauvegarde de la base de données en cours. Veuillez patienter !</translation>
    </message>
    <message>
        <source>&amp;F Federation</source>
        <translation>&amp;F Fédération</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Backup of the club database running...</source>
        <translation>Sauvegarde de la base du club en cours...</translation>
    </message>
    <message>
        <source>Backup of the club database made.</source>
        <translation>Sauvegarde de la base du club effectuée.</translation>
    </message>
    <message>
        <source>The backup of the club database failed: %1</source>
        <translation>La sauvegarde de la base du club a échoué : %1</translation>
    </message>
</context>
<context>
    <name>TfrmRace</name>
    <message>
        <source>Edit Point</source>
        <translation>Modifier le concours</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Supprimer le concours</translation>
    </message>
    <message>
        <source>Distance </source>
        <translation>Distances </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Add/Edit other Clock</source>
        <translation>Ajouter/modifier un autre constateur</translation>
    </message>
    <message>
        <source>Distance download</source>
        <translation>Importer les distances</translation>
    </message>
    <message>
        <source>Generate WinSpeed File</source>
        <translation>Créer le fichier WinSpeed</translation>
    </message>
    <message>
        <source>Generate SMS Text File</source>
        <translation>Créer les fichiers texte SMS</translation>
    </message>
    <message>
        <source>Federation</source>
        <translation>Fédération</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Poules</translation>
    </message>
    <message>
        <source>Championships</source>
        <translation>Championnats</translation>
    </message>
</context>
<context>
    <name>TfrmSetup</name>
    <message>
        <source>This seat :</source>
        <translation>Ce poste :</translation>
    </message>
    <message>
        <source>Seat name :</source>
        <translation>Nom du poste :</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Club address :</source>
        <translation>Adresse du club :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Club Abbreviation :</source>
        <translation>Abréviation du club :</translation>
    </message>
    <message>
        <source>Street :</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>Town/City</source>
        <translation>Localité</translation>
    </message>
    <message>
        <source>Post Code :</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Association :</translation>
    </message>
    <message>
        <source>System datail :</source>
        <translation>Système :</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Unité :</translation>
    </message>
    <message>
        <source>Program Version :</source>
        <translation>Version du programme :</translation>
    </message>
    <message>
        <source>Kestrava V6  Version :</source>
        <translation>Version Kestrava V6 :</translation>
    </message>
    <message>
        <source>Backup databases :</source>
        <translation>Sauvegarde des données :</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>What is the maximum age</source>
        <translation>Âge maximal de la</translation>
    </message>
    <message>
        <source>of the databases backup ? </source>
        <translation>sauvegarde des données ? </translation>
    </message>
    <message>
        <source>Day</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Printer support :</source>
        <translation>Impression :</translation>
    </message>
    <message>
        <source>Copies :</source>
        <translation>Exemplaires :</translation>
    </message>
    <message>
        <source>m/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>yds/min</source>
        <translation>yd/min</translation>
    </message>
    <message>
        <source>The program speaks the language chosen here from its next start.</source>
        <translation>Le programme utilise la langue choisie ici dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Club antenna :</source>
        <translation>Antenne du club :</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Serial port :</source>
        <translation>Port série :</translation>
    </message>
    <message>
        <source>Distance method :</source>
        <translation>Méthode de distance :</translation>
    </message>
    <message>
        <source>Flat (federation file rule)</source>
        <translation>Plane (règle des fichiers fédéraux)</translation>
    </message>
    <message>
        <source>WGS84 geodesic</source>
        <translation>Géodésique WGS84</translation>
    </message>
    <message>
        <source>Copy to server...</source>
        <translation>Copier vers le serveur...</translation>
    </message>
    <message>
        <source>Copy to file...</source>
        <translation>Copier vers un fichier...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Members whose results all lie before these seasons are shown under neutral labels from the next start. 0 keeps every season with names.</source>
        <translation>Les membres dont tous les résultats sont antérieurs à ces saisons apparaissent sous des étiquettes neutres dès le prochain démarrage. 0 garde toutes les saisons avec les noms.</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>Texte plus &amp;grand</translation>
    </message>
    <message>
        <source>Seasons kept with names (0 = all) :</source>
        <translation>Saisons gardées avec les noms (0 = toutes) :</translation>
    </message>
</context>
<context>
    <name>TfrmSynch_TC</name>
    <message>
        <source>Clock Operation</source>
        <translation>Constateurs</translation>
    </message>
    <message>
        <source>Synchronise Clock</source>
        <translation>Synchroniser le constateur</translation>
    </message>
    <message>
        <source>Marked Upload</source>
        <translation>Lire l&apos;enlogement</translation>
    </message>
    <message>
        <source>Result Upload</source>
        <translation>Lire les résultats</translation>
    </message>
</context>
<context>
    <name>ChampionshipDefinition</name>
    <message>
        <source>A championship needs a name.</source>
        <translation>Un championnat doit avoir un nom.</translation>
    </message>
    <message>
        <source>Championship %1 needs a table of points by place.</source>
        <translation>Le championnat %1 doit avoir une table de points par place.</translation>
    </message>
    <message>
        <source>The points of championship %1 cannot be negative.</source>
        <translation>Les points du championnat %1 ne peuvent pas être négatifs.</translation>
    </message>
    <message>
        <source>The numbers of races of championship %1 cannot be negative.</source>
        <translation>Les nombres de concours du championnat %1 ne peuvent pas être négatifs.</translation>
    </message>
    <message>
        <source>Championship %1 counts the best %2 of %3 races: the best cannot be more than the races.</source>
        <translation>Le championnat %1 compte les %2 meilleurs de %3 concours : les meilleurs ne peuvent pas dépasser le nombre de concours.</translation>
    </message>
</context>
<context>
    <name>PoolDefinition</name>
    <message>
        <source>A pool needs a name.</source>
        <translation>Une poule doit avoir un nom.</translation>
    </message>
    <message>
        <source>Pool %1 needs a stake of more than 0.00 per bird.</source>
        <translation>La poule %1 demande une mise de plus de 0.00 par pigeon.</translation>
    </message>
    <message>
        <source>The prize split of pool %1 adds up to %2 %, not 100 %.</source>
        <translation>La répartition des prix de la poule %1 fait %2 %, pas 100 %.</translation>
    </message>
    <message>
        <source>Pool %1 pays one prize per how many birds? Give a number of 1 or more.</source>
        <translation>La poule %1 paie un prix pour combien de pigeons ? Indiquez un nombre de 1 ou plus.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to less than 100 %.</source>
        <translation>La retenue de la poule %1 doit être comprise entre 0 et moins de 100 %.</translation>
    </message>
    <message>
        <source>The nominated birds counted in pool %1 cannot be negative.</source>
        <translation>Le nombre de pigeons désignés comptés dans la poule %1 ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>The stake of pool %1 cannot be negative.</source>
        <translation>La mise de la poule %1 ne peut pas être négative.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to 100 %.</source>
        <translation>La retenue de la poule %1 doit être comprise entre 0 et 100 %.</translation>
    </message>
</context>
<context>
    <name>Qt</name>
    <message>
        <source>Printed :</source>
        <translation>Imprimé :</translation>
    </message>
</context>
<context>
    <name>LiveBoard</name>
    <message>
        <source>The live board could not start on port %1: %2</source>
        <translation>Le tableau en direct n&apos;a pas pu démarrer sur le port %1 : %2</translation>
    </message>
    <message>
        <source>The live board cannot read the club&apos;s data: %1</source>
        <translation>Le tableau en direct ne peut pas lire les données du club : %1</translation>
    </message>
</context>
<context>
    <name>LiveHomePanel</name>
    <message>
        <source>Live board</source>
        <translation>Tableau en direct</translation>
    </message>
    <message>
        <source>Members follow the arrivals at %1 (club-room screen: %1screen).</source>
        <translation>Les membres suivent les arrivées sur %1 (écran du local : %1screen).</translation>
    </message>
    <message>
        <source>Off. Switch it on in Setup to show the arrivals on the club&apos;s network.</source>
        <translation>Désactivé. Activez-le dans Configuration pour afficher les arrivées sur le réseau du club.</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>Code QR de %1</translation>
    </message>
</context>
<context>
    <name>LiveSetupBox</name>
    <message>
        <source>Live board :</source>
        <translation>Tableau en direct :</translation>
    </message>
    <message>
        <source>Show the arrivals live to members</source>
        <translation>Montrer les arrivées en direct aux membres</translation>
    </message>
    <message>
        <source>The club&apos;s network</source>
        <translation>Le réseau du club</translation>
    </message>
    <message>
        <source>This PC only</source>
        <translation>Ce PC seulement</translation>
    </message>
    <message>
        <source>The race being read</source>
        <translation>La course en cours de lecture</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Listen on :</source>
        <translation>Écouter sur :</translation>
    </message>
    <message>
        <source>Race shown :</source>
        <translation>Course affichée :</translation>
    </message>
</context>
</TS>
