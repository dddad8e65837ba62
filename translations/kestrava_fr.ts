<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ClockOperation</name>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Fichier Excel (*.xlsx)</translation>
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
        <source>The PDF file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier PDF « %1 » n&apos;a pas pu être écrit.</translation>
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
</context>
<context>
    <name>Data</name>
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
    <name>Members</name>
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
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
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
</context>
<context>
    <name>TfrmMember_TC</name>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
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
        <source>Add a Range</source>
        <translation>Ajouter une série</translation>
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
        <source>Member New Add</source>
        <translation>Nouveau membre</translation>
    </message>
    <message>
        <source>Member Edit Update</source>
        <translation>Modifier le membre</translation>
    </message>
    <message>
        <source>%1&apos;s Clock List</source>
        <translation>Constateurs de %1</translation>
    </message>
    <message>
        <source>%1&apos;s Ring List</source>
        <translation>Bagues de %1</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Fichier Excel (*.xlsx)</translation>
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
</context>
<context>
    <name>TfrmSetup</name>
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
</TS>
