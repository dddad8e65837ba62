<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
