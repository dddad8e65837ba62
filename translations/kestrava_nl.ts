<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ChampionshipsPanel</name>
    <message>
        <source>Championships</source>
        <translation>Kampioenschappen</translation>
    </message>
    <message>
        <source>Championship</source>
        <translation>Kampioenschap</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Season :</source>
        <translation>Seizoen:</translation>
    </message>
    <message>
        <source>Race types (none: all) :</source>
        <translation>Vluchtsoorten (geen: alle):</translation>
    </message>
    <message>
        <source>Points by place (table)</source>
        <translation>Punten per plaats (tabel)</translation>
    </message>
    <message>
        <source>Common rule: 100 down to the last prize, 1 prize in 4</source>
        <translation>Gangbare regel: 100 aflopend tot de laatste prijs, 1 prijs op 4</translation>
    </message>
    <message>
        <source>Average speed, best N of M</source>
        <translation>Gemiddelde snelheid, beste N van M</translation>
    </message>
    <message>
        <source>Coefficient (place x 1000 / entered), lowest wins</source>
        <translation>Coëfficiënt (plaats x 1000 / ingekorfd), laagste wint</translation>
    </message>
    <message>
        <source>Rule :</source>
        <translation>Regel:</translation>
    </message>
    <message>
        <source>for example 50,45,40,35,30</source>
        <translation>bijvoorbeeld 50,45,40,35,30</translation>
    </message>
    <message>
        <source>Points by place :</source>
        <translation>Punten per plaats:</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Best N races :</source>
        <translation>Beste N vluchten:</translation>
    </message>
    <message>
        <source>Of the first M races :</source>
        <translation>Van de eerste M vluchten:</translation>
    </message>
    <message>
        <source>Lofts</source>
        <translation>Hokken</translation>
    </message>
    <message>
        <source>Ace pigeons</source>
        <translation>Asduiven</translation>
    </message>
    <message>
        <source>Ranks :</source>
        <translation>Rangschikt:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>The club&apos;s race types (one per line)</source>
        <translation>Vluchtsoorten van de vereniging (één per regel)</translation>
    </message>
    <message>
        <source>Save race types</source>
        <translation>Vluchtsoorten opslaan</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Workbook</source>
        <translation>Werkmap</translation>
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
        <translation>Het kampioenschap %1 verwijderen?</translation>
    </message>
    <message>
        <source>Points by place</source>
        <translation>Punten per plaats</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-bestand (*.xlsx)</translation>
    </message>
    <message>
        <source>Standings %1 %2.xlsx</source>
        <translation>Stand %1 %2.xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
</context>
<context>
    <name>ClockMemo</name>
    <message>
        <source>Please connect to club antenna and clock.</source>
        <translation>Sluit de clubantenne en de klok aan.</translation>
    </message>
    <message>
        <source>In synchronize Loft Number: %1 Please Wait! </source>
        <translation>Hok %1 wordt gesynchroniseerd, even geduld! </translation>
    </message>
    <message>
        <source>Clock Synchornize Success !</source>
        <translation>Klok gesynchroniseerd !</translation>
    </message>
    <message>
        <source>Loft : %1 in Marked data Upload , Pls Wait !</source>
        <translation>Hok %1 : inkorvingsgegevens worden gelezen, even geduld !</translation>
    </message>
    <message>
        <source>Loft : %1 in Result data Upload , Pls Wait !</source>
        <translation>Hok %1 : aankomsten worden gelezen, even geduld !</translation>
    </message>
    <message>
        <source>Marked data upload Success !</source>
        <translation>Inkorvingsgegevens gelezen !</translation>
    </message>
    <message>
        <source>Race Result upload Success !</source>
        <translation>Aankomsten gelezen !</translation>
    </message>
    <message>
        <source>RaceCode : %1 No Marked data ! </source>
        <translation>Vlucht %1 : geen ingekorfde duiven ! </translation>
    </message>
    <message>
        <source>Race Result No Record upload !</source>
        <translation>Geen aankomsten op de klok !</translation>
    </message>
    <message>
        <source>Please. Select Race Code !</source>
        <translation>Kies eerst een vluchtcode !</translation>
    </message>
    <message>
        <source>Ring %1 of loft %2 already belongs to loft %3 : not added !</source>
        <translation>Ring %1 van hok %2 hoort al bij hok %3 : niet toegevoegd !</translation>
    </message>
    <message>
        <source>PRingNo not found in this race (%1)!!</source>
        <translation>Ring niet gevonden in deze vlucht (%1)!!</translation>
    </message>
    <message>
        <source>Race %1 not found !</source>
        <translation>Vlucht %1 niet gevonden !</translation>
    </message>
    <message>
        <source>Security Code not match !! (%1)</source>
        <translation>Veiligheidscode klopt niet !! (%1)</translation>
    </message>
    <message>
        <source>Clock deviation %1 s is beyond the club&apos;s limit of %2 s !</source>
        <translation>Klokafwijking %1 s is groter dan de clubgrens van %2 s !</translation>
    </message>
    <message>
        <source>Database busy (another program is using it) : waiting to store what was read, Pls Wait !</source>
        <translation>Database bezet (een ander programma gebruikt ze) : wachten om het gelezene op te slaan, even geduld !</translation>
    </message>
    <message>
        <source>Database Error : not stored, the clock is read again : %1</source>
        <translation>Databasefout : niet opgeslagen, de klok wordt opnieuw gelezen : %1</translation>
    </message>
    <message>
        <source>Do you want to Initialize this timer ? (it holds no loft yet)</source>
        <translation>Deze klok initialiseren ? (er staat nog geen hok op)</translation>
    </message>
    <message>
        <source>Do you want to Initialize this timer ? (it now holds loft %1)</source>
        <translation>Deze klok initialiseren ? (er staat nu hok %1 op)</translation>
    </message>
    <message>
        <source>LoftNo Wrong ! ReCheck ! (the clock holds loft none, not %1)</source>
        <translation>Verkeerd hoknummer ! Controleer ! (op de klok staat geen hok, niet %1)</translation>
    </message>
    <message>
        <source>LoftNo Wrong ! ReCheck ! (the clock holds loft %1, not %2)</source>
        <translation>Verkeerd hoknummer ! Controleer ! (op de klok staat hok %1, niet %2)</translation>
    </message>
    <message>
        <source>%1 Loft/Club Data Download Success !</source>
        <translation>%1 Hok- en clubgegevens naar de klok gestuurd !</translation>
    </message>
    <message>
        <source>pigeon %1 of %2 sent</source>
        <translation>duif %1 van %2 verstuurd</translation>
    </message>
    <message>
        <source>pigeon %1 of %2 read</source>
        <translation>duif %1 van %2 gelezen</translation>
    </message>
    <message>
        <source>pigeon %1 of %2</source>
        <translation>duif %1 van %2</translation>
    </message>
    <message>
        <source>%1 Error : %2</source>
        <translation>Fout bij %1 : %2</translation>
    </message>
    <message>
        <source>%1 Error :%2</source>
        <translation>Fout bij %1 :%2</translation>
    </message>
    <message>
        <source>%1 Error !</source>
        <translation>Fout bij %1 !</translation>
    </message>
    <message>
        <source>Run stopped before the clock was read to the end : the Clock Operation screen was left !</source>
        <translation>Lezen gestopt voor de klok helemaal gelezen was : het scherm Klokbediening werd verlaten !</translation>
    </message>
    <message>
        <source>Run stopped before the clock was read to the end : the tab was changed !</source>
        <translation>Lezen gestopt voor de klok helemaal gelezen was : er werd van tabblad gewisseld !</translation>
    </message>
    <message>
        <source>Unable to write to com port %1 (port not open)</source>
        <translation>Kan niet naar com-poort %1 schrijven (poort niet open)</translation>
    </message>
    <message>
        <source>Unable to write to com port %1 (%2)</source>
        <translation>Kan niet naar com-poort %1 schrijven (%2)</translation>
    </message>
    <message>
        <source>Database busy (another program is using it) : waiting for it, Pls Wait !</source>
        <translation>Database bezet (een ander programma gebruikt ze) : even wachten, even geduld !</translation>
    </message>
    <message>
        <source>Database Error : the clock is read again : %1</source>
        <translation>Databasefout : de klok wordt opnieuw gelezen : %1</translation>
    </message>
    <message>
        <source>%1 Error : no answer from the clock</source>
        <translation>%1 fout : geen antwoord van de klok</translation>
    </message>
    <message>
        <source>%1 Error : the clock&apos;s answer broke off</source>
        <translation>%1 fout : het antwoord van de klok brak af</translation>
    </message>
    <message>
        <source>%1 Error : the port is not open</source>
        <translation>%1 fout : de poort is niet open</translation>
    </message>
</context>
<context>
    <name>ClockOperation</name>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-bestand (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>ClubCopy</name>
    <message>
        <source>The table %1 of %2 has no column %3. Nothing was copied.</source>
        <translation>De tabel %1 van %2 heeft geen kolom %3. Er is niets gekopieerd.</translation>
    </message>
    <message>
        <source>%1 already holds rows in the table %2. A club is copied only into an empty database; nothing was changed.</source>
        <translation>%1 bevat al rijen in de tabel %2. Een club wordt alleen naar een lege database gekopieerd; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>The table %1 has %2 rows in %3 but %4 in the copy. Nothing was copied.</source>
        <translation>De tabel %1 heeft %2 rijen in %3 maar %4 in de kopie. Er is niets gekopieerd.</translation>
    </message>
</context>
<context>
    <name>ClubReports</name>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-bestand (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer did not start.</source>
        <translation>De lijst kon niet worden afgedrukt: de printer is niet gestart.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Total : </source>
        <translation>Totaal: </translation>
    </message>
    <message>
        <source>LiberSite : </source>
        <translation>Losplaats: </translation>
    </message>
    <message>
        <source>RaceCode : </source>
        <translation>Vluchtcode: </translation>
    </message>
    <message>
        <source>Member List</source>
        <translation>Ledenlijst</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>LoftNo</source>
        <translation>Hoknr.</translation>
    </message>
    <message>
        <source>No. of Clocks</source>
        <translation>Aantal klokken</translation>
    </message>
    <message>
        <source> Ring list of %1 - %2</source>
        <translation> Ringlijst van %1 - %2</translation>
    </message>
    <message>
        <source>Life Ring Number</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Sex </source>
        <translation>Geslacht </translation>
    </message>
    <message>
        <source>E_Ring</source>
        <translation>Chipring</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Aangemaakt</translation>
    </message>
    <message>
        <source>Assign Date</source>
        <translation>Gekoppeld op</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>Race List</source>
        <translation>Vluchtenlijst</translation>
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
        <source>Lib.Site Abbr.</source>
        <translation>Afk. losplaats</translation>
    </message>
    <message>
        <source>Liberation Site</source>
        <translation>Losplaats</translation>
    </message>
    <message>
        <source>Lib Date</source>
        <translation>Losdatum</translation>
    </message>
    <message>
        <source>Lib Time</source>
        <translation>Lostijd</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Lid</translation>
    </message>
    <message>
        <source>Loft Number</source>
        <translation>Hoknummer</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Mijlen</translation>
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
        <translation>Klok</translation>
    </message>
    <message>
        <source>Birds Marked</source>
        <translation>Ingekorfd</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Duiven aangekomen</translation>
    </message>
    <message>
        <source>Result </source>
        <translation>Uitslag </translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
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
        <source>FlyTime</source>
        <translation>Vliegduur</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Afw.</translation>
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
        <translation>Afst.</translation>
    </message>
    <message>
        <source>Ranking </source>
        <translation>Rangschikking </translation>
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
        <translation>Ringgegevens </translation>
    </message>
    <message>
        <source>Clock / day</source>
        <translation>Konstatering / dag</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Net Flying Time : </source>
        <translation>Netto vliegduur: </translation>
    </message>
    <message>
        <source>Winning Margin : </source>
        <translation>Voorsprong winnaar: </translation>
    </message>
    <message>
        <source>Marked </source>
        <translation>Ingekorfd </translation>
    </message>
    <message>
        <source>Pigeon </source>
        <translation>Duif </translation>
    </message>
    <message>
        <source>Yds/Min</source>
        <translation>yd/min</translation>
    </message>
    <message>
        <source>Flying Time</source>
        <translation>Vliegduur</translation>
    </message>
    <message>
        <source>The PDF of the report could not be made.</source>
        <translation>De PDF van de lijst kon niet worden gemaakt.</translation>
    </message>
</context>
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
        <source>The club setup</source>
        <translation>De clubinstelling</translation>
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
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 en %4</translation>
    </message>
    <message>
        <source>loft</source>
        <translation>hok</translation>
    </message>
    <message>
        <source>lofts</source>
        <translation>hokken</translation>
    </message>
    <message>
        <source>pigeon</source>
        <translation>duif</translation>
    </message>
    <message>
        <source>pigeons</source>
        <translation>duiven</translation>
    </message>
    <message>
        <source>race</source>
        <translation>vlucht</translation>
    </message>
    <message>
        <source>races</source>
        <translation>vluchten</translation>
    </message>
    <message>
        <source>race entry</source>
        <translation>inkorving</translation>
    </message>
    <message>
        <source>race entries</source>
        <translation>inkorvingen</translation>
    </message>
    <message>
        <source>
The current data is unchanged.</source>
        <translation>
De huidige gegevens zijn niet gewijzigd.</translation>
    </message>
    <message>
        <source>Load the backup &quot;%1&quot; of %2?

It holds %3.
The current data holds %4, and will be replaced.

The current data is kept first as &quot;%5&quot;, which &quot;Load Backup&quot; can restore.</source>
        <translation>De reservekopie &quot;%1&quot; van %2 laden?

Ze bevat %3.
De huidige gegevens bevatten %4 en worden vervangen.

De huidige gegevens worden eerst bewaard als &quot;%5&quot;, dat u met &quot;Back-up terugzetten&quot; kunt terugzetten.</translation>
    </message>
    <message>
        <source>The current data could not be kept first: </source>
        <translation>De huidige gegevens konden niet eerst worden bewaard: </translation>
    </message>
    <message>
        <source>
The data it replaced is kept as &quot;%1&quot;.</source>
        <translation>
De vervangen gegevens zijn bewaard als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>it is not a backup of a club database on a server.</source>
        <translation>het is geen back-up van een clubdatabase op een server.</translation>
    </message>
    <message>
        <source>Restore the club database %1 on %2:%3 from the backup &quot;%4&quot; of %5?

The database holds %6, and will be replaced.

The current data is kept first as &quot;%7&quot;, which &quot;Load Backup&quot; can restore.</source>
        <translation>De clubdatabase %1 op %2:%3 terugzetten uit de back-up &quot;%4&quot; van %5?

De database bevat %6 en wordt vervangen.

De huidige gegevens worden eerst bewaard als &quot;%7&quot;, die &quot;Back-up terugzetten&quot; kan terugzetten.</translation>
    </message>
    <message>
        <source>The database on the server (postgresql://USER@HOST:PORT/DATABASE; the password is taken from PGPASSWORD or the password file):</source>
        <translation>De database op de server (postgresql://GEBRUIKER@HOST:POORT/DATABASE; het wachtwoord komt uit PGPASSWORD of het wachtwoordbestand):</translation>
    </message>
    <message>
        <source>Club database (*.db)</source>
        <translation>Clubdatabase (*.db)</translation>
    </message>
    <message>
        <source>The club was copied to %1:</source>
        <translation>De club is gekopieerd naar %1:</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 rijen</translation>
    </message>
    <message>
        <source>The club %1 holds the %2 lofts that came with it.</source>
        <translation>De vereniging %1 heeft de %2 hokken die met de kopie meekwamen.</translation>
    </message>
    <message>
        <source>The club %1 has no login of its own on this server yet. Name of its new login (lower-case letters, digits and _):</source>
        <translation>De vereniging %1 heeft nog geen eigen aanmelding op deze server. Naam van de nieuwe aanmelding (kleine letters, cijfers en _):</translation>
    </message>
    <message>
        <source>Password for the login %1:</source>
        <translation>Wachtwoord voor de aanmelding %1:</translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation>Hetzelfde wachtwoord nogmaals:</translation>
    </message>
    <message>
        <source>The two passwords differ. Type them again.</source>
        <translation>De twee wachtwoorden verschillen. Typ ze opnieuw.</translation>
    </message>
    <message>
        <source>The login %1 works for the club %2 only. The club&apos;s secretary names it in the data link:
Data Source=%3</source>
        <translation>De aanmelding %1 werkt alleen voor de vereniging %2. De secretaris van de vereniging vermeldt ze in de gegevenskoppeling:
Data Source=%3</translation>
    </message>
    <message>
        <source>The club %1 has no login of its own on this server yet, and only the federation&apos;s administrator may add one. The administrator runs:
kestrava --add-club-login LOGIN --club %1</source>
        <translation>De vereniging %1 heeft nog geen eigen aanmelding op deze server, en alleen de beheerder van de federatie mag er een toevoegen. De beheerder voert uit:
kestrava --add-club-login LOGIN --club %1</translation>
    </message>
    <message>
        <source>No login was made for the club %1. It can be added later with:
kestrava --add-club-login LOGIN --club %1</source>
        <translation>Er is geen aanmelding gemaakt voor de vereniging %1. Ze kan later worden toegevoegd met:
kestrava --add-club-login LOGIN --club %1</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>het is beschadigd (%1).</translation>
    </message>
    <message>
        <source>The club could not be copied to &quot;%1&quot;: %2</source>
        <translation>De club kon niet worden gekopieerd naar &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Competitions</name>
    <message>
        <source>A championship needs a name.</source>
        <translation>Een kampioenschap heeft een naam nodig.</translation>
    </message>
    <message>
        <source>Championship %1 needs a table of points by place.</source>
        <translation>Kampioenschap %1 heeft een puntentabel per plaats nodig.</translation>
    </message>
    <message>
        <source>The points of championship %1 cannot be negative.</source>
        <translation>De punten van kampioenschap %1 kunnen niet negatief zijn.</translation>
    </message>
    <message>
        <source>The numbers of races of championship %1 cannot be negative.</source>
        <translation>Het aantal vluchten van kampioenschap %1 kan niet negatief zijn.</translation>
    </message>
    <message>
        <source>Championship %1 counts the best %2 of %3 races: the best cannot be more than the races.</source>
        <translation>Kampioenschap %1 telt de beste %2 van %3 vluchten: de beste kunnen niet meer zijn dan de vluchten.</translation>
    </message>
    <message>
        <source>Printed :</source>
        <translation>Afgedrukt:</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>one prize per %1 birds</source>
        <translation>één prijs per %1 duiven</translation>
    </message>
    <message>
        <source>stakes %1 = prizes %2 + deduction %3 + remainder %4</source>
        <translation>inleg %1 = prijzen %2 + afhouding %3 + rest %4</translation>
    </message>
    <message>
        <source>Balances: </source>
        <translation>Klopt: </translation>
    </message>
    <message>
        <source>DOES NOT BALANCE: </source>
        <translation>KLOPT NIET: </translation>
    </message>
    <message>
        <source>Pool sheet %1</source>
        <translation>Poulelijst %1</translation>
    </message>
    <message>
        <source>Pool sheet</source>
        <translation>Poulelijst</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Poule</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Hok</translation>
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
        <source>Nom</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Inleg</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Prijs</translation>
    </message>
    <message numerus="yes">
        <source>first %n nominated</source>
        <translation>
            <numerusform>eerste %n getekende</numerusform>
            <numerusform>eerste %n getekende</numerusform>
        </translation>
    </message>
    <message>
        <source>every bird entered</source>
        <translation>elke ingezette duif</translation>
    </message>
    <message>
        <source>%1 a bird, deduction %2 %</source>
        <translation>%1 per duif, afhouding %2 %</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>telt niet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message numerus="yes">
        <source>%n bird(s)</source>
        <translation>
            <numerusform>%n duif</numerusform>
            <numerusform>%n duiven</numerusform>
        </translation>
    </message>
    <message>
        <source>prizes paid</source>
        <translation>uitbetaalde prijzen</translation>
    </message>
    <message>
        <source>club deduction</source>
        <translation>afhouding vereniging</translation>
    </message>
    <message>
        <source>remainder (%1 not won)</source>
        <translation>rest (%1 niet gewonnen)</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>rest</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Klopt</translation>
    </message>
    <message>
        <source>DOES NOT BALANCE</source>
        <translation>KLOPT NIET</translation>
    </message>
    <message>
        <source>All pools balance: </source>
        <translation>Alle poules kloppen: </translation>
    </message>
    <message>
        <source>Payout per loft %1</source>
        <translation>Uitbetaling per hok %1</translation>
    </message>
    <message>
        <source>Payout per loft</source>
        <translation>Uitbetaling per hok</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Inzettingen</translation>
    </message>
    <message>
        <source>Stakes</source>
        <translation>Inleg</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Prijzen</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>points by place %1</source>
        <translation>punten per plaats %1</translation>
    </message>
    <message>
        <source>100 points down to the last prize, one prize per 4 birds entered</source>
        <translation>100 punten aflopend tot de laatste prijs, één prijs per 4 ingekorfde duiven</translation>
    </message>
    <message>
        <source>average speed</source>
        <translation>gemiddelde snelheid</translation>
    </message>
    <message>
        <source>coefficient (place x 1000 / birds entered), lowest wins</source>
        <translation>coëfficiënt (plaats x 1000 / ingekorfde duiven), laagste wint</translation>
    </message>
    <message>
        <source>, best %1 races</source>
        <translation>, beste %1 vluchten</translation>
    </message>
    <message>
        <source> of the first %1</source>
        <translation> van de eerste %1</translation>
    </message>
    <message>
        <source>Standings %1 %2</source>
        <translation>Stand %1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Ace pigeons, </source>
        <translation>Asduiven, </translation>
    </message>
    <message>
        <source>Lofts, </source>
        <translation>Hokken, </translation>
    </message>
    <message numerus="yes">
        <source>%n race(s) counted</source>
        <translation>
            <numerusform>%n vlucht geteld</numerusform>
            <numerusform>%n vluchten geteld</numerusform>
        </translation>
    </message>
    <message>
        <source> of types %1</source>
        <translation> van de soorten %1</translation>
    </message>
    <message>
        <source>Flown</source>
        <translation>Gevlogen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>%1: column %2 &quot;%3&quot; is not a pool of this race.</source>
        <translation>%1: kolom %2 &quot;%3&quot; is geen poule van deze vlucht.</translation>
    </message>
    <message>
        <source>%1 has no column PRingNo in its first row.</source>
        <translation>%1 heeft geen kolom PRingNo in de eerste rij.</translation>
    </message>
    <message>
        <source>Row %1: the nomination &apos;%2&apos; is not a whole number.</source>
        <translation>Rij %1: de tekening &apos;%2&apos; is geen geheel getal.</translation>
    </message>
    <message>
        <source>The entries were not stored:</source>
        <translation>De inzettingen zijn niet opgeslagen:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an amount of money (for example 2.50)</source>
        <translation>&apos;%1&apos; is geen bedrag (bijvoorbeeld 2.50)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a percentage from 0 to 100</source>
        <translation>&apos;%1&apos; is geen percentage van 0 tot 100</translation>
    </message>
    <message>
        <source>Race %1 of %2 is not in the race list.</source>
        <translation>Vlucht %1 van %2 staat niet in de vluchtlijst.</translation>
    </message>
    <message>
        <source>A pool needs a name.</source>
        <translation>Een poule heeft een naam nodig.</translation>
    </message>
    <message>
        <source>The prize split of pool %1 adds up to %2 %, not 100 %.</source>
        <translation>De prijsverdeling van poule %1 komt op %2 %, niet op 100 %.</translation>
    </message>
    <message>
        <source>Pool %1 pays one prize per how many birds? Give a number of 1 or more.</source>
        <translation>Poule %1 betaalt één prijs per hoeveel duiven? Geef een getal van 1 of meer.</translation>
    </message>
    <message>
        <source>The nominated birds counted in pool %1 cannot be negative.</source>
        <translation>Het aantal getekende duiven in poule %1 kan niet negatief zijn.</translation>
    </message>
    <message>
        <source>The pool name %1 is used twice.</source>
        <translation>De poulenaam %1 komt twee keer voor.</translation>
    </message>
    <message>
        <source>Entries for race %1 of %2 closed at its liberation (%3); they cannot be changed any more.</source>
        <translation>De inzettingen voor vlucht %1 van %2 sloten bij de lossing (%3); ze kunnen niet meer gewijzigd worden.</translation>
    </message>
    <message>
        <source>Ring %1 is not marked for race %2 of %3.</source>
        <translation>Ring %1 is niet ingekorfd voor vlucht %2 van %3.</translation>
    </message>
    <message>
        <source>Ring %1 is not a bird of loft %2.</source>
        <translation>Ring %1 is geen duif van hok %2.</translation>
    </message>
    <message>
        <source>Ring %1 is nominated twice.</source>
        <translation>Ring %1 is twee keer getekend.</translation>
    </message>
    <message>
        <source>The race has no pool %1.</source>
        <translation>De vlucht heeft geen poule %1.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>ring %1 is not marked for this race.</source>
        <translation>ring %1 is niet ingekorfd voor deze vlucht.</translation>
    </message>
    <message>
        <source>ring %1 is not a bird of loft %2.</source>
        <translation>ring %1 is geen duif van hok %2.</translation>
    </message>
    <message>
        <source>ring %1 is given twice.</source>
        <translation>ring %1 staat er twee keer.</translation>
    </message>
    <message>
        <source>the nomination of ring %1 cannot be negative.</source>
        <translation>de tekening van ring %1 kan niet negatief zijn.</translation>
    </message>
    <message>
        <source>loft %1 gives nomination %2 twice.</source>
        <translation>hok %1 geeft tekening %2 twee keer.</translation>
    </message>
    <message>
        <source>the race has no pool %1.</source>
        <translation>de vlucht heeft geen poule %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <source>Old Birds</source>
        <translation>Oude duiven</translation>
    </message>
    <message>
        <source>Young Birds</source>
        <translation>Jonge duiven</translation>
    </message>
    <message>
        <source>National</source>
        <translation>Nationaal</translation>
    </message>
    <message>
        <source>A race carries at most %1 types.</source>
        <translation>Een vlucht heeft ten hoogste %1 soorten.</translation>
    </message>
    <message>
        <source>%1 is not one of the club&apos;s race types.</source>
        <translation>%1 is geen vluchtsoort van de vereniging.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Row %1, column %2 (%3): &apos;%4&apos; does not enter a bird; type x, 1 or yes to enter it, or leave the cell empty.</source>
        <translation>Rij %1, kolom %2 (%3): &apos;%4&apos; zet geen duif in; typ x, 1 of ja om ze in te zetten, of laat de cel leeg.</translation>
    </message>
    <message>
        <source>The sheet holds %1 rings of %2 lofts (%3).
It replaces every earlier entry (%4) and nomination (%5) of these lofts; nominations keep the numbers written in the sheet.

Store the sheet&apos;s entries?</source>
        <translation>Het blad bevat %1 ringen van %2 hokken (%3).
Het vervangt elke eerdere inzetting (%4) en tekening (%5) van deze hokken; tekeningen houden de nummers uit het blad.

De inzettingen van het blad opslaan?</translation>
    </message>
    <message>
        <source>Pool %1 needs a stake of more than 0.00 per bird.</source>
        <translation>Poule %1 heeft een inleg van meer dan 0.00 per duif nodig.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to less than 100 %.</source>
        <translation>De afhouding van poule %1 moet van 0 tot minder dan 100 % zijn.</translation>
    </message>
    <message>
        <source>Pool %1 has a stake of %2 per bird. Is that right?</source>
        <translation>Poule %1 heeft een inleg van %2 per duif. Klopt dat?</translation>
    </message>
    <message>
        <source>Pool %1: %2 entries of %3 lofts</source>
        <translation>Poule %1: %2 inzettingen van %3 hokken</translation>
    </message>
    <message>
        <source>These pools are removed, and their entries with them:
%1

Save the pools and remove these entries?</source>
        <translation>Deze poules worden verwijderd, en hun inzettingen ermee:
%1

De poules opslaan en deze inzettingen verwijderen?</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <source>%1 was deleted on another seat.</source>
        <translation>%1 is op een andere plaats verwijderd.</translation>
    </message>
    <message>
        <source>%1 was changed on another seat.</source>
        <translation>%1 is op een andere plaats gewijzigd.</translation>
    </message>
    <message>
        <source>%1 was changed at %2 on another seat</source>
        <translation>%1 is om %2 op een andere plaats gewijzigd</translation>
    </message>
    <message>
        <source>Yes: store what you typed again. No: close the form. Cancel: keep the form open.</source>
        <translation>Ja: sla het getypte opnieuw op. Nee: sluit het formulier. Annuleren: laat het formulier open.</translation>
    </message>
    <message>
        <source>Yes: save what you typed over it. No: show it as it is stored now. Cancel: keep the form open.</source>
        <translation>Ja: sla het getypte eroverheen op. Nee: toon het zoals het nu is opgeslagen. Annuleren: laat het formulier open.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; is geen geldige datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; is geen geldige tijd</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>&apos;%1&apos; is geen geldige datum en tijd</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid date</source>
        <translation>&apos;&apos; is geen geldige datum</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid date and time</source>
        <translation>&apos;&apos; is geen geldige datum en tijd</translation>
    </message>
    <message>
        <source>Cannot open the database %1: %2</source>
        <translation>De database %1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Het bestand %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: %2</source>
        <translation>%1 is geen database van dit programma: %2</translation>
    </message>
    <message>
        <source>The database %1 is not a database of this program; it lacks the tables %2. Nothing was changed in it.</source>
        <translation>De database %1 is geen database van dit programma; de tabellen %2 ontbreken. Er is niets in gewijzigd.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is geen geldig decimaal getal</translation>
    </message>
    <message>
        <source>the file exists already</source>
        <translation>het bestand bestaat al</translation>
    </message>
    <message>
        <source>Cannot read the database %1: %2</source>
        <translation>De database %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The backup %1 already exists.</source>
        <translation>De reservekopie %1 bestaat al.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>De database is niet geopend.</translation>
    </message>
    <message>
        <source>the copy could not be closed</source>
        <translation>de kopie kon niet worden gesloten</translation>
    </message>
    <message>
        <source>The backup %1 could not be written: %2</source>
        <translation>De reservekopie %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>no temporary name is free beside it</source>
        <translation>er is geen tijdelijke naam vrij ernaast</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>pg_restore was not found; install the PostgreSQL client programs to restore a club database on a server.</source>
        <translation>pg_restore is niet gevonden; installeer de PostgreSQL-clientprogramma&apos;s om een clubdatabase op een server terug te zetten.</translation>
    </message>
    <message>
        <source>pg_dump was not found; install the PostgreSQL client programs to back up a club database on a server.</source>
        <translation>pg_dump is niet gevonden; installeer de PostgreSQL-clientprogramma&apos;s om een back-up te maken van een clubdatabase op een server.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 kon niet worden gestart: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>%1 ended with code %2.</source>
        <translation>%1 eindigde met code %2.</translation>
    </message>
    <message>
        <source>pg_dump wrote no backup.</source>
        <translation>pg_dump heeft geen back-up geschreven.</translation>
    </message>
    <message>
        <source>The club database %1 could not be backed up: %2</source>
        <translation>Van de clubdatabase %1 kon geen back-up worden gemaakt: %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid integer value</source>
        <translation>%1: &apos;%2&apos; is geen geldig geheel getal</translation>
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
    <name>FeatherColourPanel</name>
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
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <source>Other</source>
        <translation>Overige</translation>
    </message>
</context>
<context>
    <name>Federation</name>
    <message>
        <source>%1 is larger than a club&apos;s file can be (%2 MB at most).</source>
        <translation>%1 is groter dan een clubbestand kan zijn (ten hoogste %2 MB).</translation>
    </message>
    <message>
        <source>the file holds a character that is not text (code %1): it is not a WinSpeed text file.</source>
        <translation>het bestand bevat een teken dat geen tekst is (code %1): het is geen WinSpeed-tekstbestand.</translation>
    </message>
    <message>
        <source>the race day %1 is still to come.</source>
        <translation>de vluchtdag %1 moet nog komen.</translation>
    </message>
    <message>
        <source>the arrival on %1 is outside the race of %2.</source>
        <translation>de aankomst op %1 valt buiten de vlucht van %2.</translation>
    </message>
    <message>
        <source>%1: the race day %2 is still to come.</source>
        <translation>%1: de vluchtdag %2 moet nog komen.</translation>
    </message>
    <message>
        <source>%1: a cell holds a character that is not text.</source>
        <translation>%1: een cel bevat een teken dat geen tekst is.</translation>
    </message>
    <message>
        <source>%1: the ring number &apos;%2&apos; is longer than %3 characters.</source>
        <translation>%1: het ringnummer &apos;%2&apos; is langer dan %3 tekens.</translation>
    </message>
    <message>
        <source>%1: the arrival %2 is outside the race of %3.</source>
        <translation>%1: de aankomst %2 valt buiten de vlucht van %3.</translation>
    </message>
    <message>
        <source>%1: the speed %2 is not a speed a pigeon flies.</source>
        <translation>%1: de snelheid %2 is geen snelheid die een duif vliegt.</translation>
    </message>
    <message>
        <source>%1: ring %2 would have flown %3 a minute; the arrival time cannot be right.</source>
        <translation>%1: ring %2 zou %3 per minuut gevlogen hebben; de aankomsttijd kan niet kloppen.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is missing: the WinSpeed file needs it beside it in %2.</source>
        <translation>%1 ontbreekt: het WinSpeed-bestand heeft het ernaast nodig in %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, regel %2: %3</translation>
    </message>
    <message>
        <source>%1: ring %2 is given twice for race %3 of %4; the first is kept.</source>
        <translation>%1: ring %2 staat twee keer bij vlucht %3 van %4; de eerste wordt bewaard.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a race number, a date and a code.</source>
        <translation>&apos;%1&apos; is geen vluchtnummer, datum en code.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loft number and a loft.</source>
        <translation>&apos;%1&apos; is geen hoknummer en hok.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a WinSpeed record.</source>
        <translation>&apos;%1&apos; is geen WinSpeed-record.</translation>
    </message>
    <message>
        <source>loft number &apos;%1&apos; is not in Loft_List.txt.</source>
        <translation>hoknummer &apos;%1&apos; staat niet in Loft_List.txt.</translation>
    </message>
    <message>
        <source>the loft record is too short.</source>
        <translation>het hokrecord is te kort.</translation>
    </message>
    <message>
        <source>the pigeon record is too short.</source>
        <translation>het duifrecord is te kort.</translation>
    </message>
    <message>
        <source>race number &apos;%1&apos; is not in LiberCode_List.txt.</source>
        <translation>vluchtnummer &apos;%1&apos; staat niet in LiberCode_List.txt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an arrival day and time.</source>
        <translation>&apos;%1&apos; is geen aankomstdag en -tijd.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not say whether the bird arrived.</source>
        <translation>&apos;%1&apos; zegt niet of de duif is aangekomen.</translation>
    </message>
    <message>
        <source>the pigeon record has no ring number.</source>
        <translation>het duifrecord heeft geen ringnummer.</translation>
    </message>
    <message>
        <source>%1 is not a result list: it has no column &apos;%2&apos;.</source>
        <translation>%1 is geen uitslagenlijst: de kolom &apos;%2&apos; ontbreekt.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a date and time.</source>
        <translation>%1: &apos;%2&apos; is geen datum en tijd.</translation>
    </message>
    <message>
        <source>%1: the race&apos;s day is not known.</source>
        <translation>%1: de dag van de vlucht is niet bekend.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid floating point value.</source>
        <translation>%1: &apos;%2&apos; is geen geldig decimaal getal.</translation>
    </message>
    <message>
        <source>All clubs</source>
        <translation>Alle verenigingen</translation>
    </message>
    <message>
        <source>%1  %2 lofts  %3 birds  %4 clocked  %5 ranked  %6 prizes</source>
        <translation>%1  %2 hokken  %3 duiven  %4 geconstateerd  %5 gerangschikt  %6 prijzen</translation>
    </message>
    <message>
        <source>Club pl.</source>
        <translation>Pl. ver.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Vereniging</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Hok</translation>
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
        <source>Clocked</source>
        <translation>Geconstateerd</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Afst.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Combined result %1</source>
        <translation>Samengestelde uitslag %1</translation>
    </message>
    <message>
        <source>Combined result: %1</source>
        <translation>Samengestelde uitslag: %1</translation>
    </message>
    <message>
        <source>%1 %2 (%3 clocked)</source>
        <translation>%1 %2 (%3 geconstateerd)</translation>
    </message>
    <message>
        <source>Not ranked, no distance to the site: %1</source>
        <translation>Niet gerangschikt, geen afstand tot de losplaats: %1</translation>
    </message>
    <message>
        <source>Prize list %1 %2</source>
        <translation>Prijslijst %1 %2</translation>
    </message>
    <message>
        <source>Prize list of club %1</source>
        <translation>Prijslijst van vereniging %1</translation>
    </message>
    <message numerus="yes">
        <source>Combined result of %n club(s)</source>
        <translation>
            <numerusform>Samengestelde uitslag van %n vereniging</numerusform>
            <numerusform>Samengestelde uitslag van %n verenigingen</numerusform>
        </translation>
    </message>
    <message>
        <source>Publish folder</source>
        <translation>Publicatiemap</translation>
    </message>
    <message>
        <source>Published the combined result of %1 to %2</source>
        <translation>De samengestelde uitslag van %1 is gepubliceerd naar %2</translation>
    </message>
    <message>
        <source>Name the club whose files these are.</source>
        <translation>Geef de vereniging van wie deze bestanden zijn.</translation>
    </message>
    <message>
        <source>%1 is this database&apos;s own club: its races are here already and are not imported.</source>
        <translation>%1 is de eigen vereniging van deze database: haar vluchten staan er al en worden niet ingelezen.</translation>
    </message>
    <message>
        <source>Race %1: liberation code %2 is not a known liberation site.</source>
        <translation>Vlucht %1: loscode %2 is geen bekende losplaats.</translation>
    </message>
    <message>
        <source>Race %1 of club %2 was imported before.</source>
        <translation>Vlucht %1 van vereniging %2 is al eerder ingelezen.</translation>
    </message>
    <message>
        <source>Loft %1 is known as &quot;%2&quot;; the file names it &quot;%3&quot;.</source>
        <translation>Hok %1 is bekend als &quot;%2&quot;; het bestand noemt het &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Loft %1 flies for club %2 as well.</source>
        <translation>Hok %1 speelt ook voor vereniging %2.</translation>
    </message>
    <message>
        <source>Ring %1 is given under lofts %2.</source>
        <translation>Ring %1 staat onder de hokken %2.</translation>
    </message>
    <message>
        <source>loft %1 of club %2</source>
        <translation>hok %1 van vereniging %2</translation>
    </message>
    <message>
        <source>Ring %1 of loft %2 is known under %3.</source>
        <translation>Ring %1 van hok %2 is bekend onder %3.</translation>
    </message>
    <message>
        <source>loft numbers known under another name</source>
        <translation>hoknummers bekend onder een andere naam</translation>
    </message>
    <message>
        <source>rings under two lofts</source>
        <translation>ringen onder twee hokken</translation>
    </message>
    <message>
        <source>lofts flying for another club</source>
        <translation>hokken die voor een andere vereniging spelen</translation>
    </message>
    <message>
        <source>races imported before</source>
        <translation>eerder ingelezen vluchten</translation>
    </message>
    <message>
        <source>races from an unknown site</source>
        <translation>vluchten van een onbekende losplaats</translation>
    </message>
    <message>
        <source>Decide what to do with the %1.</source>
        <translation>Beslis wat er moet gebeuren met de %1.</translation>
    </message>
    <message>
        <source>Choose the liberation site of race %1.</source>
        <translation>Kies de losplaats van vlucht %1.</translation>
    </message>
    <message>
        <source>Give the liberation time of race %1: the database holds no release of its site that day.</source>
        <translation>Geef de lostijd van vlucht %1: de database heeft die dag geen lossing van die losplaats.</translation>
    </message>
    <message>
        <source>Club %1 %2, file %3:</source>
        <translation>Vereniging %1 %2, bestand %3:</translation>
    </message>
    <message>
        <source>  race %1 (site %2): %3 birds, %4 clocked%5</source>
        <translation>  vlucht %1 (losplaats %2): %3 duiven, %4 geconstateerd%5</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>, imported before</source>
        <translation>, eerder ingelezen</translation>
    </message>
    <message numerus="yes">
        <source>  %n new loft(s): %1</source>
        <translation>
            <numerusform>  %n nieuw hok: %1</numerusform>
            <numerusform>  %n nieuwe hokken: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No conflicts.</source>
        <translation>Geen conflicten.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was stored.</source>
        <translation>Het inlezen is afgebroken; er is niets opgeslagen.</translation>
    </message>
</context>
<context>
    <name>FederationPreviewDialog</name>
    <message>
        <source>Import preview</source>
        <translation>Voorbeeld van het inlezen</translation>
    </message>
    <message>
        <source>Loft known under another name :</source>
        <translation>Hok bekend onder een andere naam:</translation>
    </message>
    <message>
        <source>Ring under two lofts :</source>
        <translation>Ring onder twee hokken:</translation>
    </message>
    <message>
        <source>Loft flying for another club :</source>
        <translation>Hok dat voor een andere vereniging speelt:</translation>
    </message>
    <message>
        <source>Race imported before :</source>
        <translation>Vlucht eerder ingelezen:</translation>
    </message>
    <message>
        <source>Race from an unknown site :</source>
        <translation>Vlucht van een onbekende losplaats:</translation>
    </message>
    <message>
        <source>keep the stored name</source>
        <translation>de opgeslagen naam houden</translation>
    </message>
    <message>
        <source>leave the ring out</source>
        <translation>de ring weglaten</translation>
    </message>
    <message>
        <source>leave the loft out</source>
        <translation>het hok weglaten</translation>
    </message>
    <message>
        <source>skip the race</source>
        <translation>de vlucht overslaan</translation>
    </message>
    <message>
        <source>take the file&apos;s name</source>
        <translation>de naam uit het bestand nemen</translation>
    </message>
    <message>
        <source>import it</source>
        <translation>inlezen</translation>
    </message>
    <message>
        <source>import it for this club too</source>
        <translation>ook voor deze vereniging inlezen</translation>
    </message>
    <message>
        <source>replace the earlier import</source>
        <translation>de eerdere inlezing vervangen</translation>
    </message>
    <message>
        <source>store it under the site chosen</source>
        <translation>opslaan onder de gekozen losplaats</translation>
    </message>
    <message>
        <source>(decide)</source>
        <translation>(beslissen)</translation>
    </message>
    <message>
        <source>Site of race %1 :</source>
        <translation>Losplaats van vlucht %1:</translation>
    </message>
    <message>
        <source>Liberation time of race %1 :</source>
        <translation>Lostijd van vlucht %1:</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Opslaan</translation>
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
    <message>
        <source>Compare both methods</source>
        <translation>Beide methoden vergelijken</translation>
    </message>
    <message>
        <source>    Club method : </source>
        <translation>    Methode van de vereniging: </translation>
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
        <translation>Lid</translation>
    </message>
    <message>
        <source>LoftNo</source>
        <translation>Hoknr.</translation>
    </message>
    <message>
        <source>Difference (</source>
        <translation>Verschil (</translation>
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
    <name>MemberClockPanel</name>
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
        <source>%1&apos;s Clock List</source>
        <translation>Klokken van %1</translation>
    </message>
</context>
<context>
    <name>MemberFormPanel</name>
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
        <source>Full name</source>
        <translation>Volledige naam</translation>
    </message>
    <message>
        <source>Initials and surname</source>
        <translation>Initialen en achternaam</translation>
    </message>
    <message>
        <source>Loft number only</source>
        <translation>Alleen het hoknummer</translation>
    </message>
    <message>
        <source>Show the town</source>
        <translation>Woonplaats tonen</translation>
    </message>
    <message>
        <source>Published as:</source>
        <translation>Gepubliceerd als:</translation>
    </message>
</context>
<context>
    <name>MemberListPanel</name>
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
        <source>What We Hold About This Member</source>
        <translation>Wat we over dit lid bewaren</translation>
    </message>
    <message>
        <source>Erase Former Member</source>
        <translation>Oud-lid wissen</translation>
    </message>
</context>
<context>
    <name>MemberRingPanel</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
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
        <source>AddNew</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Add a Range</source>
        <translation>Reeks toevoegen</translation>
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
        <source>Spreadsheet Import</source>
        <translation>Importeren uit werkmap</translation>
    </message>
    <message>
        <source>Spreadsheet Export</source>
        <translation>Exporteren naar werkmap</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-bestand (*.xlsx)</translation>
    </message>
    <message>
        <source>The range is stored; nothing was changed since. Type the next ring, or choose AddNew or Add a Range.</source>
        <translation>De reeks is opgeslagen; sindsdien is niets gewijzigd. Typ de volgende ring, of kies Nieuw of Reeks toevoegen.</translation>
    </message>
</context>
<context>
    <name>Members</name>
    <message>
        <source>Member %1</source>
        <translation>Lid %1</translation>
    </message>
    <message>
        <source>Please enter the registration number.</source>
        <translation>Vul het registratienummer in.</translation>
    </message>
    <message>
        <source>Ring %1 was deleted and is restored.</source>
        <translation>Ring %1 was verwijderd en is teruggezet.</translation>
    </message>
    <message>
        <source>Rings %1 were deleted and are restored.</source>
        <translation>De ringen %1 waren verwijderd en zijn teruggezet.</translation>
    </message>
    <message>
        <source>These ring numbers exist already and were skipped: </source>
        <translation>Deze ringnummers bestaan al en zijn overgeslagen: </translation>
    </message>
    <message>
        <source>row %1: %2 of loft %3</source>
        <translation>rij %1: %2 van hok %3</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Rij %1 van %2</translation>
    </message>
    <message>
        <source>Rows not imported because their loft is not a member: %1.</source>
        <translation>Rijen niet geïmporteerd omdat hun hok geen lid is: %1.</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; en nog %1</translation>
    </message>
    <message>
        <source>Rings not imported because they belong to another loft: %1.</source>
        <translation>Ringen niet geïmporteerd omdat ze bij een ander hok horen: %1.</translation>
    </message>
    <message>
        <source>Rows not imported because they hold no ring number: %1.</source>
        <translation>Rijen niet geïmporteerd omdat ze geen ringnummer bevatten: %1.</translation>
    </message>
    <message>
        <source>The import was stopped at row %1. The rows before it are stored.</source>
        <translation>Het importeren is gestopt bij rij %1. De rijen ervoor zijn opgeslagen.</translation>
    </message>
    <message>
        <source>The import stopped at row %1: %2. The rows before it are stored.</source>
        <translation>Het importeren is gestopt bij rij %1: %2. De rijen ervoor zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Please enter a colour code and a colour name.</source>
        <translation>Vul een kleurcode en een kleurnaam in.</translation>
    </message>
    <message>
        <source>Colour code %1 exists already.</source>
        <translation>Kleurcode %1 bestaat al.</translation>
    </message>
    <message>
        <source>Colour name %1 exists already.</source>
        <translation>Kleurnaam %1 bestaat al.</translation>
    </message>
    <message>
        <source>The upper registration number must not be lower than the registration number, nor more than 255 above it. Nothing was stored.</source>
        <translation>Het hoogste registratienummer mag niet lager zijn dan het registratienummer en er niet meer dan 255 boven liggen. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Registration Letter Input Error!</source>
        <translation>Fout in de registratieletters!</translation>
    </message>
    <message>
        <source>The birth year must have four digits, for example 2025. Nothing was stored.</source>
        <translation>Het geboortejaar moet vier cijfers hebben, bijvoorbeeld 2025. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Field value : &apos;-&apos; </source>
        <translation>Waarde: &apos;-&apos; </translation>
    </message>
    <message>
        <source>Field value : &apos;N&apos; Or &apos;S&apos;</source>
        <translation>Waarde: &apos;N&apos; of &apos;S&apos;</translation>
    </message>
    <message>
        <source>Field value : &apos;A&apos; ~ &apos;Z&apos;</source>
        <translation>Waarde: &apos;A&apos; ~ &apos;Z&apos;</translation>
    </message>
    <message>
        <source>Field value : AP,BOR... </source>
        <translation>Waarde: AP,BOR... </translation>
    </message>
    <message>
        <source>Set new Member find data entry error !</source>
        <translation>Fout in de gegevens van het nieuwe lid!</translation>
    </message>
    <message>
        <source>This will delete the data ?</source>
        <translation>Hiermee worden de gegevens verwijderd. Doorgaan?</translation>
    </message>
    <message>
        <source>Loft number %1 belongs to %2. Replace that member&apos;s details?</source>
        <translation>Hoknummer %1 hoort bij %2. De gegevens van dat lid vervangen?</translation>
    </message>
    <message>
        <source>This Loft has %1 pigeon records, Do you want delete all data ?</source>
        <translation>Dit hok heeft %1 duiven. Wilt u alle gegevens verwijderen?</translation>
    </message>
    <message>
        <source>Delete the member %1 %2 and the loft&apos;s distances ?</source>
        <translation>Het lid %1 %2 en de afstanden van het hok verwijderen?</translation>
    </message>
    <message>
        <source>Number of clocks %1</source>
        <translation>Aantal klokken %1</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>Ring %1 belongs to member %2; it was not changed. Open that member&apos;s ring list to edit it.</source>
        <translation>Ring %1 hoort bij lid %2; hij is niet gewijzigd. Open de ringlijst van dat lid om hem te bewerken.</translation>
    </message>
    <message>
        <source>What the club holds about member %1, %2</source>
        <translation>Wat de club over lid %1 bewaart, %2</translation>
    </message>
    <message>
        <source>%1 (columns %2 to %3 of %4)</source>
        <translation>%1 (kolommen %2 tot %3 van %4)</translation>
    </message>
    <message>
        <source>The member list holds no loft %1.</source>
        <translation>De ledenlijst bevat geen hok %1.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>de map kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>Folder for the member&apos;s data</source>
        <translation>Map voor de gegevens van het lid</translation>
    </message>
    <message>
        <source>Everything the club holds about member %1 is in %2</source>
        <translation>Alles wat de club over lid %1 bewaart staat in %2</translation>
    </message>
    <message>
        <source>Erase member %1? Their name is replaced by a neutral label in every result, and their address, telephone, coordinates and notes are removed for good. Results and places stay as they are.</source>
        <translation>Lid %1 wissen? De naam wordt in elke uitslag vervangen door een neutraal label, en adres, telefoon, coördinaten en notities worden definitief verwijderd. Uitslagen en plaatsen blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>Member %1 is now &quot;%2&quot;.</source>
        <translation>Lid %1 heet nu &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The database could not be rewritten, so the old values may still be found in its free space: %1</source>
        <translation>De database kon niet worden herschreven; de oude waarden kunnen nog in de vrije ruimte staan: %1</translation>
    </message>
    <message>
        <source>No backup in %1 holds their data.</source>
        <translation>Geen back-up in %1 bevat hun gegevens.</translation>
    </message>
    <message>
        <source>These backups still hold their data; the program keeps them until they are deleted (the newest is replaced by the next start-up backup and then kept under its date):</source>
        <translation>Deze back-ups bevatten hun gegevens nog; het programma bewaart ze tot ze worden verwijderd (de nieuwste wordt bij een volgende opstartback-up vervangen en dan onder zijn datum bewaard):</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n rij</numerusform>
            <numerusform>%n rijen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The club keeps results with names for %n season(s). %1 former member(s) have had no result since then: %2. Replace their names by neutral labels and remove their addresses now? Their results and everyone&apos;s places stay as they are.</source>
        <translation>
            <numerusform>De club bewaart uitslagen met namen gedurende %n seizoen. %1 oud-leden hebben sindsdien geen uitslag meer: %2. Hun namen nu door neutrale labels vervangen en hun adressen verwijderen? Hun uitslagen en ieders plaatsen blijven zoals ze zijn.</numerusform>
            <numerusform>De club bewaart uitslagen met namen gedurende %n seizoenen. %1 oud-leden hebben sindsdien geen uitslag meer: %2. Hun namen nu door neutrale labels vervangen en hun adressen verwijderen? Hun uitslagen en ieders plaatsen blijven zoals ze zijn.</numerusform>
        </translation>
    </message>
    <message>
        <source>The blanks around the loft number were removed: it is saved as &quot;%1&quot;.</source>
        <translation>De spaties rond het hoknummer zijn weggehaald: het wordt opgeslagen als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>rij %1 kolom %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> en nog %1</translation>
    </message>
    <message>
        <source>Rows not imported: %1 holds a formula without a value: open and save the sheet in a spreadsheet program first.</source>
        <translation>Rijen niet ingelezen: %1 bevat een formule zonder waarde: open en bewaar het blad eerst in een rekenbladprogramma.</translation>
    </message>
    <message>
        <source>Rows not imported: %1 hold a formula without a value: open and save the sheet in a spreadsheet program first.</source>
        <translation>Rijen niet ingelezen: %1 bevatten een formule zonder waarde: open en bewaar het blad eerst in een rekenbladprogramma.</translation>
    </message>
    <message>
        <source>Personal data this program holds: each member&apos;s name, street, town, post code, telephone, loft number and loft coordinates, their clocks, rings, race entries, clock times, distances, pool entries and payouts, championship standings, and the history of changes to race entries with the login that made them.

Why: to run the club and its races (members, clocks, results and prizes).

Where: in the club&apos;s database on this PC (Kestrava_Europe.db in the data folder) or on the club&apos;s database server, and in the backups in the Backup folder beside the data folder.

What leaves the club: published results (web pages, CSV, the live board, printed lists, the federation&apos;s combined result) show each member&apos;s name as they chose (full name, initials and surname, or the loft number only) and their town only if they allow it; never their street, post code, telephone, e-mail or coordinates. The federation&apos;s exchange files carry what the federation needs to compute results.

How long: results stay with names for the seasons the club sets in Setup (all of them unless set); older ones are then shown under neutral labels. A member may ask for everything the club holds about them (Members, &quot;What We Hold About This Member&quot;) and a former member may be erased (Members, &quot;Erase Former Member&quot;); backups made before keep their data until they are deleted.</source>
        <translation>Persoonsgegevens die dit programma bewaart: van elk lid naam, straat, woonplaats, postcode, telefoon, hoknummer en hokcoördinaten, de klokken, ringen, inkorvingen, kloktijden, afstanden, poulinzetten en uitbetalingen, kampioenschapsstanden, en de geschiedenis van wijzigingen aan inkorvingen met de login die ze maakte.

Waarom: om de club en haar wedvluchten te beheren (leden, klokken, uitslagen en prijzen).

Waar: in de database van de club op deze pc (Kestrava_Europe.db in de gegevensmap) of op de databaseserver van de club, en in de back-ups in de map Backup naast de gegevensmap.

Wat de club verlaat: gepubliceerde uitslagen (webpagina&apos;s, CSV, het live-bord, gedrukte lijsten, de samengevoegde uitslag van de federatie) tonen de naam van elk lid zoals het lid koos (volledige naam, initialen en achternaam, of alleen het hoknummer) en de woonplaats alleen als het lid dat toestaat; nooit straat, postcode, telefoon, e-mail of coördinaten. De uitwisselingsbestanden voor de federatie bevatten wat de federatie nodig heeft om uitslagen te berekenen.

Hoe lang: uitslagen blijven met namen bewaard voor het aantal seizoenen dat de club in Setup instelt (alle, tenzij ingesteld); oudere worden dan onder neutrale labels getoond. Een lid kan opvragen wat de club over hem of haar bewaart (Leden, &quot;Wat we over dit lid bewaren&quot;) en een oud-lid kan worden gewist (Leden, &quot;Oud-lid wissen&quot;); eerder gemaakte back-ups bevatten de gegevens tot ze worden verwijderd.</translation>
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
    <name>PoolsPanel</name>
    <message>
        <source>Pool</source>
        <translation>Poule</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Inleg</translation>
    </message>
    <message>
        <source>Prizes paid</source>
        <translation>Uitbetaalde prijzen</translation>
    </message>
    <message>
        <source>Split % / birds per prize</source>
        <translation>Verdeling % / duiven per prijs</translation>
    </message>
    <message>
        <source>Deduction %</source>
        <translation>Afhouding %</translation>
    </message>
    <message>
        <source>Nominations counted (0: all)</source>
        <translation>Getelde getekende duiven (0: alle)</translation>
    </message>
    <message>
        <source>Add pool</source>
        <translation>Poule toevoegen</translation>
    </message>
    <message>
        <source>Remove pool</source>
        <translation>Poule verwijderen</translation>
    </message>
    <message>
        <source>Save pools</source>
        <translation>Poules opslaan</translation>
    </message>
    <message>
        <source>Use club template</source>
        <translation>Sjabloon van de vereniging gebruiken</translation>
    </message>
    <message>
        <source>Save as club template</source>
        <translation>Opslaan als sjabloon van de vereniging</translation>
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
        <translation>Typ de volgorde van tekening van een hok onder Nom; typ x onder een poule om de duif in te zetten, wis het om de duif eruit te halen.</translation>
    </message>
    <message>
        <source>Import entries</source>
        <translation>Inzettingen inlezen</translation>
    </message>
    <message>
        <source>Export entries</source>
        <translation>Inzettingen exporteren</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Inzettingen</translation>
    </message>
    <message>
        <source>Print pool sheet</source>
        <translation>Poulelijst afdrukken</translation>
    </message>
    <message>
        <source>Print payout per loft</source>
        <translation>Uitbetaling per hok afdrukken</translation>
    </message>
    <message>
        <source>Pool sheet workbook</source>
        <translation>Poulelijst als werkmap</translation>
    </message>
    <message>
        <source>Payout workbook</source>
        <translation>Uitbetaling als werkmap</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Uitbetaling</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pools for %1</source>
        <translation>Poules voor %1</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Verdeling</translation>
    </message>
    <message>
        <source>One per N birds</source>
        <translation>Eén per N duiven</translation>
    </message>
    <message>
        <source>The club&apos;s pool template is saved.</source>
        <translation>Het poulesjabloon van de vereniging is opgeslagen.</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Hok</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Loft %1 gives nomination %2 twice.</source>
        <translation>Hok %1 geeft tekening %2 twee keer.</translation>
    </message>
    <message>
        <source>%1 rings read from %2.</source>
        <translation>%1 ringen ingelezen uit %2.</translation>
    </message>
    <message>
        <source>The race has no pools.</source>
        <translation>De vlucht heeft geen poules.</translation>
    </message>
    <message>
        <source>Loft %1</source>
        <translation>Hok %1</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-bestand (*.xlsx)</translation>
    </message>
    <message>
        <source>Entries %1 %2.xlsx</source>
        <translation>Inzettingen %1 %2.xlsx</translation>
    </message>
    <message>
        <source>Pool sheet %1 %2.xlsx</source>
        <translation>Poulelijst %1 %2.xlsx</translation>
    </message>
    <message>
        <source>Payout %1 %2.xlsx</source>
        <translation>Uitbetaling %1 %2.xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Arrivals</source>
        <translation>Aankomsten</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Kloktijd</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Duiven aangekomen</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Snelheden</translation>
    </message>
    <message>
        <source>Birds</source>
        <translation>Duiven</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the published pages (nl, fr, de): the code of this translation.</extracomment>
        <translation>nl</translation>
    </message>
    <message>
        <source>Liberation: </source>
        <translation>Lossing: </translation>
    </message>
    <message>
        <source>Ranking as CSV</source>
        <translation>Uitslag als CSV</translation>
    </message>
    <message>
        <source>All races of %1</source>
        <translation>Alle vluchten van %1</translation>
    </message>
    <message>
        <source>Races of %1</source>
        <translation>Vluchten van %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Vlucht</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Losplaats</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>not published</source>
        <translation>niet gepubliceerd</translation>
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
    <message>
        <source>Text file (*.txt)</source>
        <translation>Tekstbestand (*.txt)</translation>
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
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Race Types :</source>
        <translation>Vluchtsoorten:</translation>
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
    <message>
        <source>Publish</source>
        <translation>Publiceren</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Lock result</source>
        <translation>Uitslag vastzetten</translation>
    </message>
    <message>
        <source>Reason for unlocking</source>
        <translation>Reden voor vrijgeven</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Vrijgeven</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
    <name>Races</name>
    <message>
        <source>%1 Members sent %2 birds - %3 were clocked</source>
        <translation>%1 leden zetten %2 duiven in - %3 geconstateerd</translation>
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
        <translation>De aankomst &apos;%1&apos; van ring %2 is geen geldige datum en tijd.</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-bestand (*.xlsx)</translation>
    </message>
    <message>
        <source>Longitude Input Value &gt; 60 !</source>
        <translation>Lengtegraad: waarde &gt; 60!</translation>
    </message>
    <message>
        <source>Latitude Input Value  &gt; 60 !</source>
        <translation>Breedtegraad: waarde &gt; 60!</translation>
    </message>
    <message>
        <source>Race Date</source>
        <translation>Vluchtdatum</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <source>yyyy-mm-dd </source>
        <translation>jjjj-mm-dd </translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>uu:mm:ss</translation>
    </message>
    <message>
        <source>row %1, &quot;%2&quot;</source>
        <translation>rij %1, &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Sun data %1: &apos;%2&apos; is not a time (hh:mm:ss); nothing was saved.</source>
        <translation>Zongegevens %1: &apos;%2&apos; is geen tijd (uu:mm:ss); er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Sun data %1: &apos;%2&apos; is not a date (yyyy-mm-dd); nothing was saved.</source>
        <translation>Zongegevens %1: &apos;%2&apos; is geen datum (jjjj-mm-dd); er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Save as a new race on %1? The race of %2 stays.</source>
        <translation>Opslaan als nieuwe vlucht op %1? De vlucht van %2 blijft bestaan.</translation>
    </message>
    <message>
        <source>A race with the code %1 on %2 exists already (club %3).</source>
        <translation>Er bestaat al een vlucht met code %1 op %2 (vereniging %3).</translation>
    </message>
    <message>
        <source>Delete the liberation site %1 %2? Every loft&apos;s distance to it is deleted too.</source>
        <translation>De losplaats %1 %2 verwijderen? De afstand van elk hok ernaartoe wordt ook verwijderd.</translation>
    </message>
    <message>
        <source> 1 race uses it.</source>
        <translation> 1 vlucht gebruikt hem.</translation>
    </message>
    <message>
        <source> %1 races use it.</source>
        <translation> %1 vluchten gebruiken hem.</translation>
    </message>
    <message>
        <source>No liberation site has the code &apos;%1&apos;.</source>
        <translation>Geen losplaats heeft de code &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Please enter a club code and a club name.</source>
        <translation>Vul een verenigingscode en een verenigingsnaam in.</translation>
    </message>
    <message>
        <source>Club code %1 exists already.</source>
        <translation>Verenigingscode %1 bestaat al.</translation>
    </message>
    <message>
        <source>Club name %1 exists already.</source>
        <translation>Verenigingsnaam %1 bestaat al.</translation>
    </message>
    <message>
        <source>Delete the club %1? Races of %1 can no longer be saved until the club exists again.</source>
        <translation>De vereniging %1 verwijderen? Vluchten van %1 kunnen dan niet meer worden opgeslagen tot de vereniging weer bestaat.</translation>
    </message>
    <message>
        <source>Set new liberate point find data entry error !</source>
        <translation>Fout in de gegevens van de losplaats!</translation>
    </message>
    <message>
        <source>This will delete the data ?</source>
        <translation>Hiermee worden de gegevens verwijderd. Doorgaan?</translation>
    </message>
    <message>
        <source>The clock reading &apos;%1&apos; of member %2 is not a valid date and time.</source>
        <translation>De klokstand &apos;%1&apos; van lid %2 is geen geldige datum en tijd.</translation>
    </message>
    <message>
        <source>%1 character(s) that the file cannot hold were written as &quot;?&quot;.</source>
        <translation>%1 teken(s) die het bestand niet kan bevatten zijn als &quot;?&quot; geschreven.</translation>
    </message>
    <message>
        <source>WinSpeed file (*.D00);;All files (*)</source>
        <translation>WinSpeed-bestand (*.D00);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Texe file (COTE.txt)</source>
        <translation>Tekstbestand (COTE.txt)</translation>
    </message>
    <message>
        <source>Texe file (RING.txt)</source>
        <translation>Tekstbestand (RING.txt)</translation>
    </message>
    <message>
        <source>Race Distance download success ！！</source>
        <translation>Afstanden van de vlucht met succes ingelezen！！</translation>
    </message>
    <message>
        <source>Choose the member first.</source>
        <translation>Kies eerst het lid.</translation>
    </message>
    <message>
        <source>Ring number &apos;%1&apos; is not a pigeon of this member.</source>
        <translation>Ringnummer &apos;%1&apos; is geen duif van dit lid.</translation>
    </message>
    <message>
        <source>The race %1 of %2 has no liberation time.</source>
        <translation>De vlucht %1 van %2 heeft geen lostijd.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Het bestand %1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (regel %2)</translation>
    </message>
    <message>
        <source>Invalid character in %1 field in string %2</source>
        <translation>Ongeldig teken in veld %1 in tekst %2</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Workflow</source>
        <translation>Werkwijze</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Oud</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>%1 ring number(s) longer than %2 characters were cut in the WinSpeed file: %3.</source>
        <translation>%1 ringnummer(s) langer dan %2 tekens zijn ingekort in het WinSpeed-bestand: %3.</translation>
    </message>
    <message>
        <source>
%1 became the same ring number %2 there.</source>
        <translation>
%1 werden daar hetzelfde ringnummer %2.</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... en nog %1</translation>
    </message>
    <message>
        <source>
%1 line(s) name a loft that is not a member; their distances are stored for when the loft joins:
%2</source>
        <translation>
%1 regel(s) noemen een hok dat geen lid is; de afstanden zijn bewaard voor wanneer het hok lid wordt:
%2</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>regel %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The publish folder %1 does not exist.</source>
        <translation>De publicatiemap %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Publish folder</source>
        <translation>Publicatiemap</translation>
    </message>
    <message>
        <source>Published %1 of %2 to %3</source>
        <translation>%1 van %2 gepubliceerd naar %3</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
    <message>
        <source>Recalculating %1 of %2 from the liberation at %3 changes %4 flying time(s), %5 speed(s) and %6 place(s) of %7 clocked bird(s).</source>
        <translation>Herberekenen van %1 van %2 vanaf de lossing om %3 wijzigt %4 vliegtijd(en), %5 snelheid/snelheden en %6 plaats(en) van %7 geconstateerde duif/duiven.</translation>
    </message>
    <message>
        <source>

Places that move:</source>
        <translation>

Plaatsen die verschuiven:</translation>
    </message>
    <message>
        <source>

Store these changes?</source>
        <translation>

Deze wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Provisional</source>
        <translation>Voorlopig</translation>
    </message>
    <message>
        <source>Final (locked %1)</source>
        <translation>Definitief (vastgezet %1)</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is final (locked %3); its entries cannot be changed. Unlock it first, giving the reason.</source>
        <translation>De uitslag van vlucht %1 van %2 is definitief (vastgezet %3); de inkorvingen kunnen niet worden gewijzigd. Geef ze eerst vrij, met de reden.</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is final already.</source>
        <translation>De uitslag van vlucht %1 van %2 is al definitief.</translation>
    </message>
    <message>
        <source>Give the reason for unlocking the result.</source>
        <translation>Geef de reden om de uitslag vrij te geven.</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is not final.</source>
        <translation>De uitslag van vlucht %1 van %2 is niet definitief.</translation>
    </message>
    <message>
        <source>Race %1 of %2</source>
        <translation>Vlucht %1 van %2</translation>
    </message>
    <message>
        <source>%1 ring numbers longer than %2 characters were cut in the WinSpeed file; %3 groups of them became one ring number there. The whole list is below.</source>
        <translation>%1 ringnummers langer dan %2 tekens zijn ingekort in het WinSpeed-bestand; %3 groepen ervan werden daar één ringnummer. De volledige lijst staat hieronder.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Distances : </source>
        <translation>Afstanden: </translation>
    </message>
    <message>
        <source>WGS84 geodesic</source>
        <translation>WGS84-geodeet</translation>
    </message>
    <message>
        <source>Flat (federation file rule)</source>
        <translation>Vlak (regel van de bondsbestanden)</translation>
    </message>
    <message>
        <source>from a distance file</source>
        <translation>uit een afstandenbestand</translation>
    </message>
    <message>
        <source>Distances : the loft distances of %1, %2.</source>
        <translation>Afstanden: de hokafstanden van %1, %2.</translation>
    </message>
    <message>
        <source> The club&apos;s method is %1: update the loft distances first to recalculate with it.</source>
        <translation> De methode van de vereniging is %1: werk eerst de hokafstanden bij om ermee te herberekenen.</translation>
    </message>
    <message>
        <source> (%1 clocked with earlier distances: not recalculated since)</source>
        <translation> (%1 geklokt met eerdere afstanden: sindsdien niet herberekend)</translation>
    </message>
    <message>
        <source>result upload</source>
        <translation>aankomsten lezen</translation>
    </message>
    <message>
        <source>marked upload</source>
        <translation>inkorving lezen</translation>
    </message>
    <message>
        <source>manual time</source>
        <translation>handmatige tijd</translation>
    </message>
    <message>
        <source>recalculation</source>
        <translation>herberekening</translation>
    </message>
    <message>
        <source>import</source>
        <translation>inlezen</translation>
    </message>
    <message>
        <source>lock</source>
        <translation>vergrendelen</translation>
    </message>
    <message>
        <source>unlock</source>
        <translation>ontgrendelen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Definitief</translation>
    </message>
    <message>
        <source>A latitude cannot be beyond 90°: %1</source>
        <translation>Een breedte kan niet groter zijn dan 90°: %1</translation>
    </message>
    <message>
        <source>A longitude cannot be beyond 180°: %1</source>
        <translation>Een lengte kan niet groter zijn dan 180°: %1</translation>
    </message>
    <message>
        <source>Pasted: %1</source>
        <translation>Geplakt: %1</translation>
    </message>
    <message>
        <source> (rounded half-up to hundredths of a second)</source>
        <translation> (afgerond op honderdsten van een seconde)</translation>
    </message>
    <message>
        <source> (rounded half-up to whole seconds)</source>
        <translation> (afgerond op hele seconden)</translation>
    </message>
    <message>
        <source>. A coordinate with 0 degrees counts as not set: its distances stay 0.</source>
        <translation>. Een coördinaat met 0 graden telt als niet ingevuld: de afstanden blijven 0.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <extracomment>The published ranking&apos;s column titles: position, name, ring, sex, colour, clock time, flying time, (speed), clock variation, distance.</extracomment>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sex</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>C</source>
        <comment>colour</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Geconstateerd</translation>
    </message>
    <message>
        <source>Fly time</source>
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
        <source>Ring %1 is stored with an arrival before the liberation: its flying time is %2 and it gets no speed. Check the date and time typed.</source>
        <translation>Ring %1 is opgeslagen met een aankomst vóór de lossing: de vliegtijd is %2 en hij krijgt geen snelheid. Controleer de ingetypte datum en tijd.</translation>
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
    <message>
        <source>Publish</source>
        <translation>Publiceren</translation>
    </message>
    <message>
        <source>Please. Select Race Code !</source>
        <translation>Kies eerst een vluchtcode !</translation>
    </message>
</context>
<context>
    <name>SerialPorts</name>
    <message>
        <source>%1 - not found</source>
        <translation>%1 - niet gevonden</translation>
    </message>
    <message>
        <source>Unable to open com port %1</source>
        <translation>De poort %1 kan niet worden geopend</translation>
    </message>
    <message>
        <source>: permission denied: add your user to the group %1 (sudo usermod -aG %1 %2) and log in again.</source>
        <translation>: toegang geweigerd: voeg uw gebruiker toe aan de groep %1 (sudo usermod -aG %1 %2) en meld u opnieuw aan.</translation>
    </message>
    <message>
        <source>: another program is using it. Close that program (or another window of this one) and try again.</source>
        <translation>: een ander programma gebruikt hem. Sluit dat programma (of een ander venster van dit programma) en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>: there is no such port, and no serial port was found on this computer. Connect the club antenna, then choose its port in Setup.</source>
        <translation>: die poort bestaat niet en er is geen seriële poort op deze computer gevonden. Sluit de clubantenne aan en kies dan haar poort in Instellingen.</translation>
    </message>
    <message>
        <source>: there is no such port. The serial ports on this computer are: %1. Choose the antenna&apos;s port in Setup.</source>
        <translation>: die poort bestaat niet. De seriële poorten op deze computer zijn: %1. Kies de poort van de antenne in Instellingen.</translation>
    </message>
</context>
<context>
    <name>ServerAccess</name>
    <message>
        <source>This needs the federation&apos;s login.</source>
        <translation>Hiervoor is de aanmelding van de federatie nodig.</translation>
    </message>
</context>
<context>
    <name>ServerDatabase</name>
    <message>
        <source>The data source %1 is not a server address of the form postgresql://USER@HOST:PORT/DATABASE.</source>
        <translation>De gegevensbron %1 is geen serveradres van de vorm postgresql://USER@HOST:PORT/DATABASE.</translation>
    </message>
    <message>
        <source>The data source %1 holds a password. Keep the password in PGPASSWORD or ~/.pgpass, never in the data link file.</source>
        <translation>De gegevensbron %1 bevat een wachtwoord. Bewaar het wachtwoord in PGPASSWORD of ~/.pgpass, nooit in het koppelingsbestand.</translation>
    </message>
    <message>
        <source>The data source %1 names an unknown sslmode; use one of %2.</source>
        <translation>De gegevensbron %1 noemt een onbekende sslmode; gebruik een van %2.</translation>
    </message>
    <message>
        <source>Another seat kept the club database busy for too long; nothing of this action was stored. Please try again when it has finished.</source>
        <translation>Een andere werkplek hield de clubdatabase te lang bezet; niets van deze handeling is opgeslagen. Probeer het opnieuw wanneer die klaar is.</translation>
    </message>
    <message>
        <source>The row is stored already (another seat may have stored it first): %1.</source>
        <translation>De rij is al opgeslagen (een andere werkplek heeft ze misschien eerst opgeslagen): %1.</translation>
    </message>
    <message>
        <source>Another seat changed the same rows at the same moment; nothing of this action was stored. Please try again.</source>
        <translation>Een andere werkplek wijzigde op hetzelfde moment dezelfde rijen; niets van deze handeling is opgeslagen. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Another seat has held these rows for too long; nothing of this action was stored. Please try again when it has finished.</source>
        <translation>Een andere werkplek hield deze rijen te lang vast; niets van deze handeling is opgeslagen. Probeer het opnieuw wanneer die klaar is.</translation>
    </message>
    <message>
        <source>The database server took too long and the action was stopped; nothing of it was stored.</source>
        <translation>De databaseserver deed er te lang over en de handeling werd gestopt; niets ervan is opgeslagen.</translation>
    </message>
    <message>
        <source>The database server&apos;s disk is full; nothing of this action was stored. Ask whoever looks after the server to make room on it.</source>
        <translation>De schijf van de databaseserver is vol; niets van deze handeling is opgeslagen. Vraag wie de server beheert om er ruimte op te maken.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost; nothing of this action was stored.</source>
        <translation>De verbinding met de databaseserver is verbroken; niets van deze handeling is opgeslagen.</translation>
    </message>
    <message>
        <source>The database server refused the action.</source>
        <translation>De databaseserver weigerde de handeling.</translation>
    </message>
    <message>
        <source>The database server refused the action: %1.</source>
        <translation>De databaseserver weigerde de handeling: %1.</translation>
    </message>
    <message>
        <source>The database server %1 refused the user %2: the password is wrong or missing (give it in PGPASSWORD or ~/.pgpass).</source>
        <translation>De databaseserver %1 weigerde de gebruiker %2: het wachtwoord is fout of ontbreekt (geef het op in PGPASSWORD of ~/.pgpass).</translation>
    </message>
    <message>
        <source>The database server %1 has no database %2.</source>
        <translation>De databaseserver %1 heeft geen database %2.</translation>
    </message>
    <message>
        <source>The database server %1 does not know the user %2.</source>
        <translation>De databaseserver %1 kent de gebruiker %2 niet.</translation>
    </message>
    <message>
        <source>The database server %1 cannot be reached. Check that it runs and that the address in the data link file is right.</source>
        <translation>De databaseserver %1 is niet bereikbaar. Controleer of hij draait en of het adres in het koppelingsbestand juist is.</translation>
    </message>
    <message>
        <source>The database server %1 refused an unprotected connection or could not be checked (sslmode %2): ask its administrator which protection it offers.</source>
        <translation>De databaseserver %1 weigerde een onbeveiligde verbinding of kon niet gecontroleerd worden (sslmode %2): vraag de beheerder welke beveiliging hij biedt.</translation>
    </message>
    <message>
        <source>This installation cannot reach a database server: the PostgreSQL driver of Qt (libqt6sql6-psql) is missing.</source>
        <translation>Deze installatie kan geen databaseserver bereiken: het PostgreSQL-stuurprogramma van Qt (libqt6sql6-psql) ontbreekt.</translation>
    </message>
    <message>
        <source>The database server %1 could not be opened: %2.</source>
        <translation>De databaseserver %1 kon niet geopend worden: %2.</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>it is not a zip archive</source>
        <translation>het is geen zip-archief</translation>
    </message>
    <message>
        <source>the part %1 is damaged</source>
        <translation>het deel %1 is beschadigd</translation>
    </message>
    <message>
        <source>it is protected with a password</source>
        <translation>het is met een wachtwoord beveiligd</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>uitgepakt is het groter dan %1 MB</translation>
    </message>
    <message>
        <source>it holds more than %1 cells</source>
        <translation>het bevat meer dan %1 cellen</translation>
    </message>
    <message>
        <source>the part %1 is not readable XML</source>
        <translation>het deel %1 is geen leesbare XML</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a workbook: %2.</source>
        <translation>Het bestand &quot;%1&quot; kan niet als werkmap worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; does not exist.</source>
        <translation>De werkmap &quot;%1&quot; bestaat niet.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; cannot be opened: %2.</source>
        <translation>De werkmap &quot;%1&quot; kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; cannot be read: %2.</source>
        <translation>De werkmap &quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>it has no workbook part</source>
        <translation>het heeft geen werkmapdeel</translation>
    </message>
    <message>
        <source>it has no worksheet</source>
        <translation>het heeft geen werkblad</translation>
    </message>
    <message>
        <source>a row number is out of range</source>
        <translation>een rijnummer valt buiten het bereik</translation>
    </message>
    <message>
        <source>the cell reference &quot;%1&quot; is out of range</source>
        <translation>de celverwijzing &quot;%1&quot; valt buiten het bereik</translation>
    </message>
    <message>
        <source>a cell refers to a missing text</source>
        <translation>een cel verwijst naar een ontbrekende tekst</translation>
    </message>
    <message>
        <source>Data transfer error: </source>
        <translation>Fout bij gegevensoverdracht: </translation>
    </message>
    <message>
        <source>a row has %1 values for %2 columns</source>
        <translation>een rij heeft %1 waarden voor %2 kolommen</translation>
    </message>
    <message>
        <source>%1 rows do not fit in one worksheet</source>
        <translation>%1 rijen passen niet op één werkblad</translation>
    </message>
    <message>
        <source>%1 columns do not fit in one worksheet</source>
        <translation>%1 kolommen passen niet op één werkblad</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>de map &quot;%1&quot; bestaat niet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>&quot;%1&quot; is een map</translation>
    </message>
    <message>
        <source>the workbook could not be created</source>
        <translation>de werkmap kon niet worden gemaakt</translation>
    </message>
    <message>
        <source>the worksheet could not be created</source>
        <translation>het werkblad kon niet worden gemaakt</translation>
    </message>
    <message>
        <source> (cell %1)</source>
        <translation> (cel %1)</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Rij %1 van %2</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 opslaan</translation>
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
    <name>TfrmFederation</name>
    <message>
        <source>Club files</source>
        <translation>Bestanden van verenigingen</translation>
    </message>
    <message>
        <source>Club code :</source>
        <translation>Verenigingscode:</translation>
    </message>
    <message>
        <source>Club name :</source>
        <translation>Naam vereniging:</translation>
    </message>
    <message>
        <source>Import club files...</source>
        <translation>Bestanden van een vereniging inlezen...</translation>
    </message>
    <message>
        <source>Combined result</source>
        <translation>Samengestelde uitslag</translation>
    </message>
    <message>
        <source>Release :</source>
        <translation>Lossing:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publiceren</translation>
    </message>
    <message>
        <source>Prize list of club :</source>
        <translation>Prijslijst van vereniging:</translation>
    </message>
    <message>
        <source>Print prize list</source>
        <translation>Prijslijst afdrukken</translation>
    </message>
    <message>
        <source>No club results yet: import a club&apos;s files.</source>
        <translation>Nog geen uitslagen van verenigingen: lees de bestanden van een vereniging in.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Vereniging</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Hok</translation>
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
        <source>Clocked</source>
        <translation>Geconstateerd</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Afst.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 clocked)</source>
        <translation>%1 %2 (%3 geconstateerd)</translation>
    </message>
    <message>
        <source>Not ranked, no distance to the site: %1</source>
        <translation>Niet gerangschikt, geen afstand tot de losplaats: %1</translation>
    </message>
    <message>
        <source>Type the code of the club whose files these are.</source>
        <translation>Typ de code van de vereniging van wie deze bestanden zijn.</translation>
    </message>
    <message>
        <source>Club result files (*.xlsx *.D00 *.d00 *.txt);;All files (*)</source>
        <translation>Uitslagbestanden van verenigingen (*.xlsx *.D00 *.d00 *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Inlezen</translation>
    </message>
    <message>
        <source>Club %1: %2 race(s), %3 bird(s) and %4 new loft(s) stored; %5 bird(s) left out.</source>
        <translation>Vereniging %1: %2 vlucht(en), %3 duif/duiven en %4 nieuwe hok(ken) opgeslagen; %5 duif/duiven weggelaten.</translation>
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
    <message>
        <source> (today)</source>
        <translation> (vandaag)</translation>
    </message>
    <message>
        <source> (tomorrow)</source>
        <translation> (morgen)</translation>
    </message>
    <message>
        <source> (yesterday)</source>
        <translation> (gisteren)</translation>
    </message>
    <message>
        <source>%1, liberation %2</source>
        <translation>%1, lossing %2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>niet ingesteld</translation>
    </message>
    <message>
        <source>Birds marked: %1, arrived: %2</source>
        <translation>Duiven ingekorfd: %1, aangekomen: %2</translation>
    </message>
    <message>
        <source>Clocks read: %1 for marking, %2 after the race</source>
        <translation>Klokken uitgelezen: %1 na inkorven, %2 na de vlucht</translation>
    </message>
    <message>
        <source>Birds marked: %1</source>
        <translation>Duiven ingekorfd: %1</translation>
    </message>
    <message>
        <source>Clocks read for marking: %1</source>
        <translation>Klokken uitgelezen na inkorven: %1</translation>
    </message>
    <message>
        <source>No clock has been synchronised yet.</source>
        <translation>Er is nog geen klok gesynchroniseerd.</translation>
    </message>
    <message>
        <source>No race ahead to send to the clocks.</source>
        <translation>Geen komende vlucht om naar de klokken te sturen.</translation>
    </message>
    <message>
        <source>Race list last changed %1.</source>
        <translation>Vluchtenlijst laatst gewijzigd op %1.</translation>
    </message>
    <message>
        <source>Synchronised since: %1 of %2 clocks</source>
        <translation>Sindsdien gesynchroniseerd: %1 van %2 klokken</translation>
    </message>
    <message>
        <source>Still to synchronise: %1</source>
        <translation>Nog te synchroniseren: %1</translation>
    </message>
    <message>
        <source>No backup has been made yet.</source>
        <translation>Er is nog geen back-up gemaakt.</translation>
    </message>
    <message>
        <source>Last backup holds the data of %1.</source>
        <translation>De laatste back-up bevat de gegevens van %1.</translation>
    </message>
    <message>
        <source>It is older than the backup age (%1 days) and the data has changed since: start the program again or make a backup in Setup.</source>
        <translation>Ze is ouder dan de maximale ouderdom (%1 dagen) en de gegevens zijn sindsdien gewijzigd: start het programma opnieuw of maak een back-up in Instellingen.</translation>
    </message>
    <message>
        <source>Next race</source>
        <translation>Volgende vlucht</translation>
    </message>
    <message>
        <source>Last race</source>
        <translation>Laatste vlucht</translation>
    </message>
    <message>
        <source>Races</source>
        <translation>Vluchten</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Klokken</translation>
    </message>
    <message>
        <source>Clock Operation</source>
        <translation>Klokbediening</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>No race ahead.</source>
        <translation>Geen komende vlucht.</translation>
    </message>
    <message>
        <source>No race flown yet.</source>
        <translation>Nog geen vlucht gevlogen.</translation>
    </message>
    <message>
        <source>Still to synchronise: %1 clocks</source>
        <translation>Nog te synchroniseren: %1 klokken</translation>
    </message>
</context>
<context>
    <name>TfrmMember_TC</name>
    <message>
        <source>Member</source>
        <translation>Lid</translation>
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
        <source>%1&apos;s Ring List</source>
        <translation>Ringen van %1</translation>
    </message>
    <message>
        <source>The member form holds changes that are not saved. Save them?</source>
        <translation>Het ledenformulier bevat wijzigingen die niet zijn opgeslagen. Opslaan?</translation>
    </message>
    <message>
        <source>The ring form holds changes that are not saved. Save them?</source>
        <translation>Het ringformulier bevat wijzigingen die niet zijn opgeslagen. Opslaan?</translation>
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
    <message>
        <source>&amp;F Federation</source>
        <translation>&amp;F Federatie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Backup of the club database running...</source>
        <translation>Back-up van de clubdatabase loopt...</translation>
    </message>
    <message>
        <source>Backup of the club database made.</source>
        <translation>Back-up van de clubdatabase gemaakt.</translation>
    </message>
    <message>
        <source>The backup of the club database failed: %1</source>
        <translation>De back-up van de clubdatabase is mislukt: %1</translation>
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
    <message>
        <source>Federation</source>
        <translation>Federatie</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Poules</translation>
    </message>
    <message>
        <source>Championships</source>
        <translation>Kampioenschappen</translation>
    </message>
</context>
<context>
    <name>TfrmSetup</name>
    <message>
        <source>This seat :</source>
        <translation>Deze plaats:</translation>
    </message>
    <message>
        <source>Seat name :</source>
        <translation>Naam van de plaats:</translation>
    </message>
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
    <message>
        <source>The program speaks the language chosen here from its next start.</source>
        <translation>Het programma gebruikt de hier gekozen taal vanaf de volgende start.</translation>
    </message>
    <message>
        <source>Club antenna :</source>
        <translation>Clubantenne:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Serial port :</source>
        <translation>Seriële poort:</translation>
    </message>
    <message>
        <source>Distance method :</source>
        <translation>Afstandsmethode:</translation>
    </message>
    <message>
        <source>Flat (federation file rule)</source>
        <translation>Vlak (regel van de bondsbestanden)</translation>
    </message>
    <message>
        <source>WGS84 geodesic</source>
        <translation>WGS84-geodeet</translation>
    </message>
    <message>
        <source>Copy to server...</source>
        <translation>Naar server kopiëren...</translation>
    </message>
    <message>
        <source>Copy to file...</source>
        <translation>Naar bestand kopiëren...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Members whose results all lie before these seasons are shown under neutral labels from the next start. 0 keeps every season with names.</source>
        <translation>Leden van wie alle uitslagen vóór deze seizoenen liggen, worden vanaf de volgende start onder neutrale labels getoond. 0 bewaart elk seizoen met namen.</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>&amp;Grotere tekst</translation>
    </message>
    <message>
        <source>Seasons kept with names (0 = all) :</source>
        <translation>Seizoenen bewaard met namen (0 = alle) :</translation>
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
<context>
    <name>ChampionshipDefinition</name>
    <message>
        <source>A championship needs a name.</source>
        <translation>Een kampioenschap heeft een naam nodig.</translation>
    </message>
    <message>
        <source>Championship %1 needs a table of points by place.</source>
        <translation>Kampioenschap %1 heeft een puntentabel per plaats nodig.</translation>
    </message>
    <message>
        <source>The points of championship %1 cannot be negative.</source>
        <translation>De punten van kampioenschap %1 kunnen niet negatief zijn.</translation>
    </message>
    <message>
        <source>The numbers of races of championship %1 cannot be negative.</source>
        <translation>Het aantal vluchten van kampioenschap %1 kan niet negatief zijn.</translation>
    </message>
    <message>
        <source>Championship %1 counts the best %2 of %3 races: the best cannot be more than the races.</source>
        <translation>Kampioenschap %1 telt de beste %2 van %3 vluchten: de beste kunnen niet meer zijn dan de vluchten.</translation>
    </message>
</context>
<context>
    <name>PoolDefinition</name>
    <message>
        <source>A pool needs a name.</source>
        <translation>Een poule heeft een naam nodig.</translation>
    </message>
    <message>
        <source>Pool %1 needs a stake of more than 0.00 per bird.</source>
        <translation>Poule %1 heeft een inleg van meer dan 0.00 per duif nodig.</translation>
    </message>
    <message>
        <source>The prize split of pool %1 adds up to %2 %, not 100 %.</source>
        <translation>De prijsverdeling van poule %1 komt op %2 %, niet op 100 %.</translation>
    </message>
    <message>
        <source>Pool %1 pays one prize per how many birds? Give a number of 1 or more.</source>
        <translation>Poule %1 betaalt één prijs per hoeveel duiven? Geef een getal van 1 of meer.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to less than 100 %.</source>
        <translation>De afhouding van poule %1 moet van 0 tot minder dan 100 % zijn.</translation>
    </message>
    <message>
        <source>The nominated birds counted in pool %1 cannot be negative.</source>
        <translation>Het aantal getekende duiven in poule %1 kan niet negatief zijn.</translation>
    </message>
    <message>
        <source>The stake of pool %1 cannot be negative.</source>
        <translation>De inleg van poule %1 kan niet negatief zijn.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to 100 %.</source>
        <translation>De afhouding van poule %1 moet tussen 0 en 100 % liggen.</translation>
    </message>
</context>
<context>
    <name>Qt</name>
    <message>
        <source>Printed :</source>
        <translation>Afgedrukt:</translation>
    </message>
</context>
<context>
    <name>LiveBoard</name>
    <message>
        <source>The live board could not start on port %1: %2</source>
        <translation>Het live-bord kon niet starten op poort %1: %2</translation>
    </message>
    <message>
        <source>The live board cannot read the club&apos;s data: %1</source>
        <translation>Het live-bord kan de gegevens van de club niet lezen: %1</translation>
    </message>
</context>
<context>
    <name>LiveHomePanel</name>
    <message>
        <source>Live board</source>
        <translation>Live-bord</translation>
    </message>
    <message>
        <source>Members follow the arrivals at %1 (club-room screen: %1screen).</source>
        <translation>Leden volgen de aankomsten op %1 (scherm in het clublokaal: %1screen).</translation>
    </message>
    <message>
        <source>Off. Switch it on in Setup to show the arrivals on the club&apos;s network.</source>
        <translation>Uit. Zet het aan in Instellingen om de aankomsten op het netwerk van de club te tonen.</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>QR-code van %1</translation>
    </message>
</context>
<context>
    <name>LiveSetupBox</name>
    <message>
        <source>Live board :</source>
        <translation>Live-bord :</translation>
    </message>
    <message>
        <source>Show the arrivals live to members</source>
        <translation>De aankomsten live aan de leden tonen</translation>
    </message>
    <message>
        <source>The club&apos;s network</source>
        <translation>Het netwerk van de club</translation>
    </message>
    <message>
        <source>This PC only</source>
        <translation>Alleen deze pc</translation>
    </message>
    <message>
        <source>The race being read</source>
        <translation>De wedvlucht die wordt ingelezen</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Poort :</translation>
    </message>
    <message>
        <source>Listen on :</source>
        <translation>Luisteren op :</translation>
    </message>
    <message>
        <source>Race shown :</source>
        <translation>Getoonde wedvlucht :</translation>
    </message>
</context>
</TS>
