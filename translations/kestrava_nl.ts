<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ClubSetup</name>
    <message>
        <source>Custom</source>
        <translation>Eigen invoer</translation>
    </message>
    <message>
        <source>Association and Club Abbreviation must be filled !</source>
        <translation>Bond en verenigingsafkorting moeten ingevuld zijn!</translation>
    </message>
    <message>
        <source>Access BackUp files (*.Bak)</source>
        <translation>Back-upbestanden (*.Bak)</translation>
    </message>
    <message>
        <source>backup was successful!</source>
        <translation>back-up is gelukt!</translation>
    </message>
    <message>
        <source>backup failed, please retry!</source>
        <translation>back-up mislukt, probeer het opnieuw!</translation>
    </message>
    <message>
        <source>successful recovery of data!</source>
        <translation>gegevens met succes teruggezet!</translation>
    </message>
    <message>
        <source>recovery failed, please try again!</source>
        <translation>terugzetten mislukt, probeer het opnieuw!</translation>
    </message>
    <message>
        <source>The maximum age of the backup must be a whole number of days from 0 to 100.</source>
        <translation>De maximale ouderdom van de back-up moet een geheel aantal dagen van 0 tot 100 zijn.</translation>
    </message>
    <message>
        <source>Copies must be a whole number from 1 to 5.</source>
        <translation>Het aantal exemplaren moet een geheel getal van 1 tot 5 zijn.</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2
The current data is unchanged.</source>
        <translation>%1 is niet geladen: %2
De huidige gegevens zijn ongewijzigd.</translation>
    </message>
    <message>
        <source>it is the database in use.</source>
        <translation>het is de database die in gebruik is.</translation>
    </message>
    <message>
        <source>it is not a backup of this program&apos;s database; it lacks the tables %1.</source>
        <translation>het is geen back-up van de database van dit programma; de tabellen %1 ontbreken.</translation>
    </message>
    <message>
        <source>it is not a backup of the club database (%1).</source>
        <translation>het is geen back-up van de clubdatabase (%1).</translation>
    </message>
</context>
<context>
    <name>DistanceDownloadPanel</name>
    <message>
        <source>File Selected :</source>
        <translation>Gekozen bestand:</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>Inlezen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source> Race distance download </source>
        <translation> Afstanden van de vlucht inlezen </translation>
    </message>
    <message>
        <source>Texe file (*.TXT *.txt)</source>
        <translation>Tekstbestand (*.TXT *.txt)</translation>
    </message>
</context>
<context>
    <name>DistanceGrid</name>
    <message>
        <source>Member</source>
        <translation>Lid</translation>
    </message>
</context>
<context>
    <name>LoftDistancePanel</name>
    <message>
        <source>LoftDistUpdate</source>
        <translation>Hokafstanden bijwerken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Member loft distance to </source>
        <translation>Afstand van de hokken tot </translation>
    </message>
</context>
<context>
    <name>MarkingTab</name>
    <message>
        <source>Race Code :</source>
        <translation>Vluchtcode:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Export Marked List</source>
        <translation>Inkorflijst exporteren</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Lid</translation>
    </message>
    <message>
        <source>Association Number</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Marked Time</source>
        <translation>Ingekorfd om</translation>
    </message>
</context>
<context>
    <name>OtherClockPanel</name>
    <message>
        <source>Member :</source>
        <translation>Lid:</translation>
    </message>
    <message>
        <source>Clock Setting</source>
        <translation>Klokgegevens</translation>
    </message>
    <message>
        <source>Marked set :</source>
        <translation>Ingekorfd op:</translation>
    </message>
    <message>
        <source>Master check :</source>
        <translation>Controle moederklok:</translation>
    </message>
    <message>
        <source>Member check :</source>
        <translation>Controle klok lid:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Ring </source>
        <translation>Ring </translation>
    </message>
    <message>
        <source>Add/Edit Other Clock     </source>
        <translation>Andere klok toevoegen/wijzigen     </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>RacePointPanel</name>
    <message>
        <source>Race Points</source>
        <translation>Losplaatsen en vluchten</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Vereniging</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>LibSite Abbre.</source>
        <translation>Afk. losplaats</translation>
    </message>
    <message>
        <source>Liberation Site</source>
        <translation>Losplaats</translation>
    </message>
    <message>
        <source>Lib. Date</source>
        <translation>Losdatum</translation>
    </message>
    <message>
        <source>Lib. Time</source>
        <translation>Lostijd</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Liberation Points Detail</source>
        <translation>Gegevens losplaats</translation>
    </message>
    <message>
        <source>Club :</source>
        <translation>Vereniging:</translation>
    </message>
    <message>
        <source>Liberate Site Abbreviation  :</source>
        <translation>Afkorting losplaats:</translation>
    </message>
    <message>
        <source>Liberation Site :</source>
        <translation>Losplaats:</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Lengtegraad:</translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>Breedtegraad:</translation>
    </message>
    <message>
        <source>Liberation Date :</source>
        <translation>Losdatum:</translation>
    </message>
    <message>
        <source>Liberation Time :</source>
        <translation>Lostijd:</translation>
    </message>
    <message>
        <source>Liberation Code :</source>
        <translation>Loscode:</translation>
    </message>
    <message>
        <source>Customized LibPoint</source>
        <translation>Eigen losplaats</translation>
    </message>
    <message>
        <source>Custmized Lib. Point :</source>
        <translation>Eigen losplaats:</translation>
    </message>
    <message>
        <source>SunData Setting</source>
        <translation>Zongegevens</translation>
    </message>
    <message>
        <source>Set SunSet/Sunrise :</source>
        <translation>Zonsondergang/-opkomst:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>ClubCode :</source>
        <translation>Verenigingscode:</translation>
    </message>
    <message>
        <source>ClubName : </source>
        <translation>Naam vereniging: </translation>
    </message>
    <message>
        <source>&amp;A Add</source>
        <translation>&amp;T Toevoegen</translation>
    </message>
    <message>
        <source>&amp;D Delete</source>
        <translation>&amp;V Verwijderen</translation>
    </message>
    <message>
        <source>&amp;E Exit</source>
        <translation>&amp;S Sluiten</translation>
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
        <translation>Uitslag exporteren</translation>
    </message>
    <message>
        <source>FlySpeed Recaculate</source>
        <translation>Snelheden herberekenen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>RaceDate :</source>
        <translation>Vluchtdatum:</translation>
    </message>
    <message>
        <source>RaceTime :</source>
        <translation>Lostijd:</translation>
    </message>
    <message>
        <source>Recacute</source>
        <translation>Herberekenen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>S</source>
        <translation>G</translation>
    </message>
    <message>
        <source>C</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Geconstateerd</translation>
    </message>
    <message>
        <source>FlyiTime</source>
        <translation>Vliegduur</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Afw.</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Afst.</translation>
    </message>
    <message>
        <source> Result for </source>
        <translation> Uitslag van </translation>
    </message>
</context>
<context>
    <name>RaceStatusPanel</name>
    <message>
        <source>Member</source>
        <translation>Lid</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Birds marked</source>
        <translation>Duiven ingekorfd</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Duiven aangekomen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source> Status for </source>
        <translation> Stand van </translation>
    </message>
</context>
<context>
    <name>ResultTab</name>
    <message>
        <source>Race Code :</source>
        <translation>Vluchtcode:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Fly Speed</source>
        <translation>Snelheid</translation>
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
        <translation>Lid</translation>
    </message>
    <message>
        <source>Pigeon</source>
        <translation>Duif</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Geconstateerd</translation>
    </message>
    <message>
        <source>Flying Time</source>
        <translation>Vliegduur</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Afst.</translation>
    </message>
</context>
<context>
    <name>SunDataPanel</name>
    <message>
        <source>Sunset / Sunrise</source>
        <translation>Zonsondergang / zonsopkomst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>SyncTab</name>
    <message>
        <source>Please connect your Tamrel to the Club Antenna (ring marker) , then click  &quot;Sync Now&quot;  
for a single clock or &quot;Auto Sync&quot; for multiple clock in a row.</source>
        <translation>Sluit uw Tamrel aan op de clubantenne (ringlezer) en klik dan op &quot;Nu synchroniseren&quot;
voor één klok of op &quot;Automatisch synchroniseren&quot; voor meerdere klokken na elkaar.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Nu synchroniseren</translation>
    </message>
    <message>
        <source>Sync Auto</source>
        <translation>Automatisch synchroniseren</translation>
    </message>
</context>
<context>
    <name>TfrmHome</name>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Lid</translation>
    </message>
    <message>
        <source>Last synchronised</source>
        <translation>Laatst gesynchroniseerd</translation>
    </message>
</context>
<context>
    <name>TfrmMember_TC</name>
    <message>
        <source>Member</source>
        <translation>Lid</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Number of Members:</source>
        <translation>Aantal leden:</translation>
    </message>
    <message>
        <source>Loft Number</source>
        <translation>Hoknummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Klokken</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Lid wijzigen</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Lid verwijderen</translation>
    </message>
    <message>
        <source>Member Rings List</source>
        <translation>Ringen van het lid</translation>
    </message>
    <message>
        <source>Member Clocks</source>
        <translation>Klokken van het lid</translation>
    </message>
    <message>
        <source>Loft Data Download</source>
        <translation>Hokgegevens naar de klok</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straat:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Plaats:</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Telefoonnummer:</translation>
    </message>
    <message>
        <source>Loft Number:</source>
        <translation>Hoknummer:</translation>
    </message>
    <message>
        <source>Lontitude :</source>
        <translation>Lengtegraad:</translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>Breedtegraad:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Date last synchronized </source>
        <translation>Laatst gesynchroniseerd </translation>
    </message>
    <message>
        <source>Sync. required</source>
        <translation>Synchronisatie nodig</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Ring Export</source>
        <translation>Ringen exporteren</translation>
    </message>
    <message>
        <source>Number of rings :</source>
        <translation>Aantal ringen:</translation>
    </message>
    <message>
        <source>Life Ring Number</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Sex of bird</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>E_Ring Assign</source>
        <translation>Chipring</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Aangemaakt op</translation>
    </message>
    <message>
        <source>Assign Date</source>
        <translation>Gekoppeld op</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Laatst gewijzigd</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overige</translation>
    </message>
    <message>
        <source>Edit Ring</source>
        <translation>Ring wijzigen</translation>
    </message>
    <message>
        <source>Delete Ring</source>
        <translation>Ring verwijderen</translation>
    </message>
    <message>
        <source>Upper registration number :</source>
        <translation>Hoogste registratienummer:</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Duivin</translation>
    </message>
    <message>
        <source>Cock</source>
        <translation>Doffer</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Bond:</translation>
    </message>
    <message>
        <source>Birth Year:</source>
        <translation>Geboortejaar:</translation>
    </message>
    <message>
        <source>Registration Letter :</source>
        <translation>Registratieletters:</translation>
    </message>
    <message>
        <source>Registration Number :</source>
        <translation>Registratienummer:</translation>
    </message>
    <message>
        <source>Sex of the bird :</source>
        <translation>Geslacht:</translation>
    </message>
    <message>
        <source>Bird color :</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Opmerking:</translation>
    </message>
    <message>
        <source>Add a Range</source>
        <translation>Reeks toevoegen</translation>
    </message>
    <message>
        <source>Spreadsheet Import</source>
        <translation>Importeren uit werkmap</translation>
    </message>
    <message>
        <source>Spreadsheet Export</source>
        <translation>Exporteren naar werkmap</translation>
    </message>
    <message>
        <source>&amp;A Add</source>
        <translation>&amp;T Toevoegen</translation>
    </message>
    <message>
        <source>&amp;D Delete</source>
        <translation>&amp;V Verwijderen</translation>
    </message>
    <message>
        <source>&amp;E exit</source>
        <translation>&amp;S sluiten</translation>
    </message>
    <message>
        <source>Bird Color Maintain</source>
        <translation>Kleuren beheren</translation>
    </message>
    <message>
        <source>Color Code :</source>
        <translation>Kleurcode:</translation>
    </message>
    <message>
        <source>Color Name :</source>
        <translation>Kleurnaam:</translation>
    </message>
    <message>
        <source>Member New Add</source>
        <translation>Nieuw lid</translation>
    </message>
    <message>
        <source>Member Edit Update</source>
        <translation>Lid wijzigen</translation>
    </message>
    <message>
        <source>%1&apos;s Clock List</source>
        <translation>Klokken van %1</translation>
    </message>
    <message>
        <source>%1&apos;s Ring List</source>
        <translation>Ringen van %1</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-bestand (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>TfrmMenu_V8_EU_TC</name>
    <message>
        <source>&amp;H Home</source>
        <translation>&amp;S Start</translation>
    </message>
    <message>
        <source>&amp;C Clock Operation</source>
        <translation>&amp;K Klokbediening</translation>
    </message>
    <message>
        <source>&amp;M Member</source>
        <translation>&amp;L Leden</translation>
    </message>
    <message>
        <source>&amp;R Races</source>
        <translation>&amp;W Wedvluchten</translation>
    </message>
    <message>
        <source>&amp;S Setup</source>
        <translation>&amp;I Instellingen</translation>
    </message>
    <message>
        <source>Kestrava Club Management V8</source>
        <translation>Kestrava Clubbeheer V8</translation>
    </message>
    <message>
        <source>Access DB Backup Now, Please. Wait !</source>
        <translation>Er wordt nu een back-up van de database gemaakt. Even geduld!</translation>
    </message>
</context>
<context>
    <name>TfrmRace</name>
    <message>
        <source>Edit Point</source>
        <translation>Vlucht wijzigen</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Vlucht verwijderen</translation>
    </message>
    <message>
        <source>Distance </source>
        <translation>Afstanden </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Add/Edit other Clock</source>
        <translation>Andere klok toevoegen/wijzigen</translation>
    </message>
    <message>
        <source>Distance download</source>
        <translation>Afstanden inlezen</translation>
    </message>
    <message>
        <source>Generate WinSpeed File</source>
        <translation>WinSpeed-bestand maken</translation>
    </message>
    <message>
        <source>Generate SMS Text File</source>
        <translation>Sms-tekstbestanden maken</translation>
    </message>
</context>
<context>
    <name>TfrmSetup</name>
    <message>
        <source>Setup</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Club address :</source>
        <translation>Adres van de vereniging:</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Club Abbreviation :</source>
        <translation>Verenigingsafkorting:</translation>
    </message>
    <message>
        <source>Street :</source>
        <translation>Straat:</translation>
    </message>
    <message>
        <source>Town/City</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Post Code :</source>
        <translation>Postcode:</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Bond:</translation>
    </message>
    <message>
        <source>System datail :</source>
        <translation>Systeemgegevens:</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Eenheid:</translation>
    </message>
    <message>
        <source>Program Version :</source>
        <translation>Programmaversie:</translation>
    </message>
    <message>
        <source>Kestrava V6  Version :</source>
        <translation>Kestrava V6-versie:</translation>
    </message>
    <message>
        <source>Backup databases :</source>
        <translation>Back-up van de database:</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up maken</translation>
    </message>
    <message>
        <source>What is the maximum age</source>
        <translation>Hoe oud mag de back-up</translation>
    </message>
    <message>
        <source>of the databases backup ? </source>
        <translation>van de database maximaal zijn? </translation>
    </message>
    <message>
        <source>Day</source>
        <translation>dagen</translation>
    </message>
    <message>
        <source>Printer support :</source>
        <translation>Afdrukken:</translation>
    </message>
    <message>
        <source>Copies :</source>
        <translation>Exemplaren:</translation>
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
        <translation>Klokbediening</translation>
    </message>
    <message>
        <source>Synchronise Clock</source>
        <translation>Klok synchroniseren</translation>
    </message>
    <message>
        <source>Marked Upload</source>
        <translation>Inkorving uitlezen</translation>
    </message>
    <message>
        <source>Result Upload</source>
        <translation>Uitslag uitlezen</translation>
    </message>
</context>
</TS>
