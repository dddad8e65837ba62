<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChampionshipsPanel</name>
    <message>
        <source>Championships</source>
        <translation>Meisterschaften</translation>
    </message>
    <message>
        <source>Championship</source>
        <translation>Meisterschaft</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Season :</source>
        <translation>Saison:</translation>
    </message>
    <message>
        <source>Race types (none: all) :</source>
        <translation>Flugarten (keine: alle):</translation>
    </message>
    <message>
        <source>Points by place (table)</source>
        <translation>Punkte nach Platz (Tabelle)</translation>
    </message>
    <message>
        <source>Common rule: 100 down to the last prize, 1 prize in 4</source>
        <translation>Übliche Regel: 100 absteigend bis zum letzten Preis, 1 Preis auf 4</translation>
    </message>
    <message>
        <source>Average speed, best N of M</source>
        <translation>Durchschnittsgeschwindigkeit, beste N von M</translation>
    </message>
    <message>
        <source>Coefficient (place x 1000 / entered), lowest wins</source>
        <translation>Koeffizient (Platz x 1000 / eingesetzt), der niedrigste gewinnt</translation>
    </message>
    <message>
        <source>Rule :</source>
        <translation>Regel:</translation>
    </message>
    <message>
        <source>for example 50,45,40,35,30</source>
        <translation>zum Beispiel 50,45,40,35,30</translation>
    </message>
    <message>
        <source>Points by place :</source>
        <translation>Punkte nach Platz:</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Best N races :</source>
        <translation>Beste N Flüge:</translation>
    </message>
    <message>
        <source>Of the first M races :</source>
        <translation>Aus den ersten M Flügen:</translation>
    </message>
    <message>
        <source>Lofts</source>
        <translation>Schläge</translation>
    </message>
    <message>
        <source>Ace pigeons</source>
        <translation>Asstauben</translation>
    </message>
    <message>
        <source>Ranks :</source>
        <translation>Wertet:</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The club&apos;s race types (one per line)</source>
        <translation>Flugarten des Vereins (eine pro Zeile)</translation>
    </message>
    <message>
        <source>Save race types</source>
        <translation>Flugarten speichern</translation>
    </message>
    <message>
        <source>Standings</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Workbook</source>
        <translation>Arbeitsmappe</translation>
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
        <translation>Die Meisterschaft %1 löschen?</translation>
    </message>
    <message>
        <source>Points by place</source>
        <translation>Punkte je Platz</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-Datei (*.xlsx)</translation>
    </message>
    <message>
        <source>Standings %1 %2.xlsx</source>
        <translation>Wertung %1 %2.xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>ClockMemo</name>
    <message>
        <source>Please connect to club antenna and clock.</source>
        <translation>Bitte Vereinsantenne und Uhr anschließen.</translation>
    </message>
    <message>
        <source>In synchronize Loft Number: %1 Please Wait! </source>
        <translation>Schlag %1 wird abgeglichen, bitte warten! </translation>
    </message>
    <message>
        <source>Clock Synchornize Success !</source>
        <translation>Uhr abgeglichen !</translation>
    </message>
    <message>
        <source>Loft : %1 in Marked data Upload , Pls Wait !</source>
        <translation>Schlag %1 : Einsatzdaten werden gelesen, bitte warten !</translation>
    </message>
    <message>
        <source>Loft : %1 in Result data Upload , Pls Wait !</source>
        <translation>Schlag %1 : Ankünfte werden gelesen, bitte warten !</translation>
    </message>
    <message>
        <source>Marked data upload Success !</source>
        <translation>Einsatzdaten gelesen !</translation>
    </message>
    <message>
        <source>Race Result upload Success !</source>
        <translation>Ankünfte gelesen !</translation>
    </message>
    <message>
        <source>RaceCode : %1 No Marked data ! </source>
        <translation>Flug %1 : keine eingesetzten Tauben ! </translation>
    </message>
    <message>
        <source>Race Result No Record upload !</source>
        <translation>Keine Ankünfte auf der Uhr !</translation>
    </message>
    <message>
        <source>Please. Select Race Code !</source>
        <translation>Bitte wählen Sie einen Flugcode !</translation>
    </message>
    <message>
        <source>Ring %1 of loft %2 already belongs to loft %3 : not added !</source>
        <translation>Ring %1 von Schlag %2 gehört schon zu Schlag %3 : nicht hinzugefügt !</translation>
    </message>
    <message>
        <source>PRingNo not found in this race (%1)!!</source>
        <translation>Ring nicht in diesem Flug gefunden (%1)!!</translation>
    </message>
    <message>
        <source>Race %1 not found !</source>
        <translation>Flug %1 nicht gefunden !</translation>
    </message>
    <message>
        <source>Security Code not match !! (%1)</source>
        <translation>Sicherheitscode stimmt nicht !! (%1)</translation>
    </message>
    <message>
        <source>Clock deviation %1 s is beyond the club&apos;s limit of %2 s !</source>
        <translation>Uhrabweichung %1 s liegt über der Vereinsgrenze von %2 s !</translation>
    </message>
    <message>
        <source>Database busy (another program is using it) : waiting to store what was read, Pls Wait !</source>
        <translation>Datenbank belegt (ein anderes Programm benutzt sie) : warten, um das Gelesene zu speichern, bitte warten !</translation>
    </message>
    <message>
        <source>Database Error : not stored, the clock is read again : %1</source>
        <translation>Datenbankfehler : nicht gespeichert, die Uhr wird erneut gelesen : %1</translation>
    </message>
    <message>
        <source>Do you want to Initialize this timer ? (it holds no loft yet)</source>
        <translation>Diese Uhr initialisieren ? (sie enthält noch keinen Schlag)</translation>
    </message>
    <message>
        <source>Do you want to Initialize this timer ? (it now holds loft %1)</source>
        <translation>Diese Uhr initialisieren ? (sie enthält jetzt Schlag %1)</translation>
    </message>
    <message>
        <source>LoftNo Wrong ! ReCheck ! (the clock holds loft none, not %1)</source>
        <translation>Falsche Schlagnummer ! Prüfen ! (auf der Uhr ist kein Schlag, nicht %1)</translation>
    </message>
    <message>
        <source>LoftNo Wrong ! ReCheck ! (the clock holds loft %1, not %2)</source>
        <translation>Falsche Schlagnummer ! Prüfen ! (auf der Uhr ist Schlag %1, nicht %2)</translation>
    </message>
    <message>
        <source>%1 Loft/Club Data Download Success !</source>
        <translation>%1 Schlag- und Vereinsdaten an die Uhr gesendet !</translation>
    </message>
    <message>
        <source>pigeon %1 of %2 sent</source>
        <translation>Taube %1 von %2 gesendet</translation>
    </message>
    <message>
        <source>pigeon %1 of %2 read</source>
        <translation>Taube %1 von %2 gelesen</translation>
    </message>
    <message>
        <source>pigeon %1 of %2</source>
        <translation>Taube %1 von %2</translation>
    </message>
    <message>
        <source>%1 Error : %2</source>
        <translation>Fehler bei %1 : %2</translation>
    </message>
    <message>
        <source>%1 Error :%2</source>
        <translation>Fehler bei %1 :%2</translation>
    </message>
    <message>
        <source>%1 Error !</source>
        <translation>Fehler bei %1 !</translation>
    </message>
    <message>
        <source>Run stopped before the clock was read to the end : the Clock Operation screen was left !</source>
        <translation>Lesen abgebrochen, bevor die Uhr ganz gelesen war : der Bildschirm Uhrenbedienung wurde verlassen !</translation>
    </message>
    <message>
        <source>Run stopped before the clock was read to the end : the tab was changed !</source>
        <translation>Lesen abgebrochen, bevor die Uhr ganz gelesen war : die Registerkarte wurde gewechselt !</translation>
    </message>
    <message>
        <source>Unable to write to com port %1 (port not open)</source>
        <translation>Schreiben auf COM-Port %1 nicht möglich (Port nicht offen)</translation>
    </message>
    <message>
        <source>Unable to write to com port %1 (%2)</source>
        <translation>Schreiben auf COM-Port %1 nicht möglich (%2)</translation>
    </message>
    <message>
        <source>Database busy (another program is using it) : waiting for it, Pls Wait !</source>
        <translation>Datenbank belegt (ein anderes Programm benutzt sie) : warten, bitte warten !</translation>
    </message>
    <message>
        <source>Database Error : the clock is read again : %1</source>
        <translation>Datenbankfehler : die Uhr wird erneut gelesen : %1</translation>
    </message>
    <message>
        <source>%1 Error : no answer from the clock</source>
        <translation>%1 Fehler : keine Antwort von der Uhr</translation>
    </message>
    <message>
        <source>%1 Error : the clock&apos;s answer broke off</source>
        <translation>%1 Fehler : die Antwort der Uhr brach ab</translation>
    </message>
    <message>
        <source>%1 Error : the port is not open</source>
        <translation>%1 Fehler : die Schnittstelle ist nicht offen</translation>
    </message>
</context>
<context>
    <name>ClockOperation</name>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-Datei (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>ClubCopy</name>
    <message>
        <source>The table %1 of %2 has no column %3. Nothing was copied.</source>
        <translation>Die Tabelle %1 von %2 hat keine Spalte %3. Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 already holds rows in the table %2. A club is copied only into an empty database; nothing was changed.</source>
        <translation>%1 enthält bereits Zeilen in der Tabelle %2. Ein Verein wird nur in eine leere Datenbank kopiert; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The table %1 has %2 rows in %3 but %4 in the copy. Nothing was copied.</source>
        <translation>Die Tabelle %1 hat %2 Zeilen in %3, aber %4 in der Kopie. Es wurde nichts kopiert.</translation>
    </message>
</context>
<context>
    <name>ClubReports</name>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be printed: the printer did not start.</source>
        <translation>Die Liste konnte nicht gedruckt werden: Der Drucker ist nicht gestartet.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Total : </source>
        <translation>Gesamt: </translation>
    </message>
    <message>
        <source>LiberSite : </source>
        <translation>Auflassort: </translation>
    </message>
    <message>
        <source>RaceCode : </source>
        <translation>Flugcode: </translation>
    </message>
    <message>
        <source>Member List</source>
        <translation>Mitgliederliste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>LoftNo</source>
        <translation>Schlagnr.</translation>
    </message>
    <message>
        <source>No. of Clocks</source>
        <translation>Anzahl Uhren</translation>
    </message>
    <message>
        <source> Ring list of %1 - %2</source>
        <translation> Ringliste von %1 - %2</translation>
    </message>
    <message>
        <source>Life Ring Number</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Sex </source>
        <translation>Geschlecht </translation>
    </message>
    <message>
        <source>E_Ring</source>
        <translation>Chipring</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Assign Date</source>
        <translation>Zugeordnet am</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Race List</source>
        <translation>Flugliste</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Lib.Site Abbr.</source>
        <translation>Kürzel Ort</translation>
    </message>
    <message>
        <source>Liberation Site</source>
        <translation>Auflassort</translation>
    </message>
    <message>
        <source>Lib Date</source>
        <translation>Auflassdatum</translation>
    </message>
    <message>
        <source>Lib Time</source>
        <translation>Auflasszeit</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Loft Number</source>
        <translation>Schlagnummer</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
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
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Birds Marked</source>
        <translation>Eingesetzt</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Tauben angekommen</translation>
    </message>
    <message>
        <source>Result </source>
        <translation>Ergebnis </translation>
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
        <translation>F</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Konstatiert</translation>
    </message>
    <message>
        <source>FlyTime</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Abw.</translation>
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
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Ranking </source>
        <translation>Rangliste </translation>
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
        <translation>Ringangaben </translation>
    </message>
    <message>
        <source>Clock / day</source>
        <translation>Konstatiert / Tag</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Net Flying Time : </source>
        <translation>Netto-Flugzeit: </translation>
    </message>
    <message>
        <source>Winning Margin : </source>
        <translation>Vorsprung des Siegers: </translation>
    </message>
    <message>
        <source>Marked </source>
        <translation>Eingesetzt </translation>
    </message>
    <message>
        <source>Pigeon </source>
        <translation>Taube </translation>
    </message>
    <message>
        <source>Yds/Min</source>
        <translation>yd/min</translation>
    </message>
    <message>
        <source>Flying Time</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>The PDF of the report could not be made.</source>
        <translation>Das PDF der Liste konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>ClubSetup</name>
    <message>
        <source>Custom</source>
        <translation>Eigene Eingabe</translation>
    </message>
    <message>
        <source>Association and Club Abbreviation must be filled !</source>
        <translation>Verband und Vereinskürzel müssen ausgefüllt sein!</translation>
    </message>
    <message>
        <source>The club setup</source>
        <translation>Die Vereinseinstellung</translation>
    </message>
    <message>
        <source>Access BackUp files (*.Bak)</source>
        <translation>Sicherungsdateien (*.Bak)</translation>
    </message>
    <message>
        <source>backup was successful!</source>
        <translation>Sicherung erfolgreich!</translation>
    </message>
    <message>
        <source>backup failed, please retry!</source>
        <translation>Sicherung fehlgeschlagen, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>successful recovery of data!</source>
        <translation>Daten erfolgreich wiederhergestellt!</translation>
    </message>
    <message>
        <source>recovery failed, please try again!</source>
        <translation>Wiederherstellung fehlgeschlagen, bitte erneut versuchen!</translation>
    </message>
    <message>
        <source>The maximum age of the backup must be a whole number of days from 0 to 100.</source>
        <translation>Das Höchstalter der Sicherung muss eine ganze Zahl von Tagen von 0 bis 100 sein.</translation>
    </message>
    <message>
        <source>Copies must be a whole number from 1 to 5.</source>
        <translation>Die Anzahl der Exemplare muss eine ganze Zahl von 1 bis 5 sein.</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2
The current data is unchanged.</source>
        <translation>%1 wurde nicht geladen: %2
Die aktuellen Daten sind unverändert.</translation>
    </message>
    <message>
        <source>it is the database in use.</source>
        <translation>es ist die Datenbank, die gerade benutzt wird.</translation>
    </message>
    <message>
        <source>it is not a backup of this program&apos;s database; it lacks the tables %1.</source>
        <translation>es ist keine Sicherung der Datenbank dieses Programms; es fehlen die Tabellen %1.</translation>
    </message>
    <message>
        <source>it is not a backup of the club database (%1).</source>
        <translation>es ist keine Sicherung der Vereinsdatenbank (%1).</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4</source>
        <translation>%1, %2, %3 und %4</translation>
    </message>
    <message>
        <source>loft</source>
        <translation>Schlag</translation>
    </message>
    <message>
        <source>lofts</source>
        <translation>Schläge</translation>
    </message>
    <message>
        <source>pigeon</source>
        <translation>Taube</translation>
    </message>
    <message>
        <source>pigeons</source>
        <translation>Tauben</translation>
    </message>
    <message>
        <source>race</source>
        <translation>Flug</translation>
    </message>
    <message>
        <source>races</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>race entry</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>race entries</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>
The current data is unchanged.</source>
        <translation>
Die aktuellen Daten sind unverändert.</translation>
    </message>
    <message>
        <source>Load the backup &quot;%1&quot; of %2?

It holds %3.
The current data holds %4, and will be replaced.

The current data is kept first as &quot;%5&quot;, which &quot;Load Backup&quot; can restore.</source>
        <translation>Die Sicherung &quot;%1&quot; vom %2 laden?

Sie enthält %3.
Die aktuellen Daten enthalten %4 und werden ersetzt.

Die aktuellen Daten werden zuerst als &quot;%5&quot; aufbewahrt, das &quot;Sicherung laden&quot; wiederherstellen kann.</translation>
    </message>
    <message>
        <source>The current data could not be kept first: </source>
        <translation>Die aktuellen Daten konnten nicht zuerst aufbewahrt werden: </translation>
    </message>
    <message>
        <source>
The data it replaced is kept as &quot;%1&quot;.</source>
        <translation>
Die ersetzten Daten sind als &quot;%1&quot; aufbewahrt.</translation>
    </message>
    <message>
        <source>it is not a backup of a club database on a server.</source>
        <translation>es ist keine Sicherung einer Vereinsdatenbank auf einem Server.</translation>
    </message>
    <message>
        <source>Restore the club database %1 on %2:%3 from the backup &quot;%4&quot; of %5?

The database holds %6, and will be replaced.

The current data is kept first as &quot;%7&quot;, which &quot;Load Backup&quot; can restore.</source>
        <translation>Die Vereinsdatenbank %1 auf %2:%3 aus der Sicherung „%4“ vom %5 wiederherstellen?

Die Datenbank enthält %6 und wird ersetzt.

Die aktuellen Daten werden zuerst als „%7“ aufbewahrt, das „Sicherung laden“ wiederherstellen kann.</translation>
    </message>
    <message>
        <source>The database on the server (postgresql://USER@HOST:PORT/DATABASE; the password is taken from PGPASSWORD or the password file):</source>
        <translation>Die Datenbank auf dem Server (postgresql://BENUTZER@HOST:PORT/DATENBANK; das Passwort kommt aus PGPASSWORD oder der Passwortdatei):</translation>
    </message>
    <message>
        <source>Club database (*.db)</source>
        <translation>Vereinsdatenbank (*.db)</translation>
    </message>
    <message>
        <source>The club was copied to %1:</source>
        <translation>Der Verein wurde nach %1 kopiert:</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 Zeilen</translation>
    </message>
    <message>
        <source>The club %1 holds the %2 lofts that came with it.</source>
        <translation>Der Verein %1 hat die %2 Schläge, die mit der Kopie gekommen sind.</translation>
    </message>
    <message>
        <source>The club %1 has no login of its own on this server yet. Name of its new login (lower-case letters, digits and _):</source>
        <translation>Der Verein %1 hat auf diesem Server noch keine eigene Anmeldung. Name der neuen Anmeldung (Kleinbuchstaben, Ziffern und _):</translation>
    </message>
    <message>
        <source>Password for the login %1:</source>
        <translation>Passwort für die Anmeldung %1:</translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation>Dasselbe Passwort noch einmal:</translation>
    </message>
    <message>
        <source>The two passwords differ. Type them again.</source>
        <translation>Die beiden Passwörter sind verschieden. Geben Sie sie erneut ein.</translation>
    </message>
    <message>
        <source>The login %1 works for the club %2 only. The club&apos;s secretary names it in the data link:
Data Source=%3</source>
        <translation>Die Anmeldung %1 gilt nur für den Verein %2. Der Schriftführer des Vereins trägt sie in die Datenverknüpfung ein:
Data Source=%3</translation>
    </message>
    <message>
        <source>The club %1 has no login of its own on this server yet, and only the federation&apos;s administrator may add one. The administrator runs:
kestrava --add-club-login LOGIN --club %1</source>
        <translation>Der Verein %1 hat auf diesem Server noch keine eigene Anmeldung, und nur der Administrator des Verbands darf eine hinzufügen. Der Administrator führt aus:
kestrava --add-club-login LOGIN --club %1</translation>
    </message>
    <message>
        <source>No login was made for the club %1. It can be added later with:
kestrava --add-club-login LOGIN --club %1</source>
        <translation>Für den Verein %1 wurde keine Anmeldung angelegt. Sie kann später hinzugefügt werden mit:
kestrava --add-club-login LOGIN --club %1</translation>
    </message>
    <message>
        <source>it is damaged (%1).</source>
        <translation>sie ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>The club could not be copied to &quot;%1&quot;: %2</source>
        <translation>Der Verein konnte nicht nach &quot;%1&quot; kopiert werden: %2</translation>
    </message>
</context>
<context>
    <name>Competitions</name>
    <message>
        <source>A championship needs a name.</source>
        <translation>Eine Meisterschaft braucht einen Namen.</translation>
    </message>
    <message>
        <source>Championship %1 needs a table of points by place.</source>
        <translation>Die Meisterschaft %1 braucht eine Punktetabelle nach Platz.</translation>
    </message>
    <message>
        <source>The points of championship %1 cannot be negative.</source>
        <translation>Die Punkte der Meisterschaft %1 dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>The numbers of races of championship %1 cannot be negative.</source>
        <translation>Die Anzahl der Flüge der Meisterschaft %1 darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>Championship %1 counts the best %2 of %3 races: the best cannot be more than the races.</source>
        <translation>Die Meisterschaft %1 wertet die besten %2 von %3 Flügen: die besten können nicht mehr sein als die Flüge.</translation>
    </message>
    <message>
        <source>Printed :</source>
        <translation>Gedruckt:</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>one prize per %1 birds</source>
        <translation>ein Preis je %1 Tauben</translation>
    </message>
    <message>
        <source>stakes %1 = prizes %2 + deduction %3 + remainder %4</source>
        <translation>Einsätze %1 = Preise %2 + Abzug %3 + Rest %4</translation>
    </message>
    <message>
        <source>Balances: </source>
        <translation>Geht auf: </translation>
    </message>
    <message>
        <source>DOES NOT BALANCE: </source>
        <translation>GEHT NICHT AUF: </translation>
    </message>
    <message>
        <source>Pool sheet %1</source>
        <translation>Setzliste %1</translation>
    </message>
    <message>
        <source>Pool sheet</source>
        <translation>Setzliste</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Pool</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Schlag</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Platz</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Preis</translation>
    </message>
    <message numerus="yes">
        <source>first %n nominated</source>
        <translation>
            <numerusform>erste %n Getippte</numerusform>
            <numerusform>ersten %n Getippten</numerusform>
        </translation>
    </message>
    <message>
        <source>every bird entered</source>
        <translation>jede gesetzte Taube</translation>
    </message>
    <message>
        <source>%1 a bird, deduction %2 %</source>
        <translation>%1 je Taube, Abzug %2 %</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>zählt nicht</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message numerus="yes">
        <source>%n bird(s)</source>
        <translation>
            <numerusform>%n Taube</numerusform>
            <numerusform>%n Tauben</numerusform>
        </translation>
    </message>
    <message>
        <source>prizes paid</source>
        <translation>ausgezahlte Preise</translation>
    </message>
    <message>
        <source>club deduction</source>
        <translation>Vereinsabzug</translation>
    </message>
    <message>
        <source>remainder (%1 not won)</source>
        <translation>Rest (%1 nicht gewonnen)</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Geht auf</translation>
    </message>
    <message>
        <source>DOES NOT BALANCE</source>
        <translation>GEHT NICHT AUF</translation>
    </message>
    <message>
        <source>All pools balance: </source>
        <translation>Alle Einsatzkassen gehen auf: </translation>
    </message>
    <message>
        <source>Payout per loft %1</source>
        <translation>Auszahlung je Schlag %1</translation>
    </message>
    <message>
        <source>Payout per loft</source>
        <translation>Auszahlung je Schlag</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>Stakes</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>points by place %1</source>
        <translation>Punkte je Platz %1</translation>
    </message>
    <message>
        <source>100 points down to the last prize, one prize per 4 birds entered</source>
        <translation>100 Punkte abwärts bis zum letzten Preis, ein Preis je 4 eingesetzte Tauben</translation>
    </message>
    <message>
        <source>average speed</source>
        <translation>Durchschnittsgeschwindigkeit</translation>
    </message>
    <message>
        <source>coefficient (place x 1000 / birds entered), lowest wins</source>
        <translation>Koeffizient (Platz x 1000 / eingesetzte Tauben), der niedrigste gewinnt</translation>
    </message>
    <message>
        <source>, best %1 races</source>
        <translation>, beste %1 Flüge</translation>
    </message>
    <message>
        <source> of the first %1</source>
        <translation> der ersten %1</translation>
    </message>
    <message>
        <source>Standings %1 %2</source>
        <translation>Wertung %1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Ace pigeons, </source>
        <translation>Asstauben, </translation>
    </message>
    <message>
        <source>Lofts, </source>
        <translation>Schläge, </translation>
    </message>
    <message numerus="yes">
        <source>%n race(s) counted</source>
        <translation>
            <numerusform>%n Flug gewertet</numerusform>
            <numerusform>%n Flüge gewertet</numerusform>
        </translation>
    </message>
    <message>
        <source> of types %1</source>
        <translation> der Arten %1</translation>
    </message>
    <message>
        <source>Flown</source>
        <translation>Geflogen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>%1: column %2 &quot;%3&quot; is not a pool of this race.</source>
        <translation>%1: Spalte %2 „%3“ ist keine Einsatzkasse dieses Flugs.</translation>
    </message>
    <message>
        <source>%1 has no column PRingNo in its first row.</source>
        <translation>%1 hat in der ersten Zeile keine Spalte PRingNo.</translation>
    </message>
    <message>
        <source>Row %1: the nomination &apos;%2&apos; is not a whole number.</source>
        <translation>Zeile %1: der Tipp „%2“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The entries were not stored:</source>
        <translation>Die Einsätze wurden nicht gespeichert:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an amount of money (for example 2.50)</source>
        <translation>„%1“ ist kein Geldbetrag (zum Beispiel 2.50)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a percentage from 0 to 100</source>
        <translation>„%1“ ist kein Prozentsatz von 0 bis 100</translation>
    </message>
    <message>
        <source>Race %1 of %2 is not in the race list.</source>
        <translation>Flug %1 vom %2 steht nicht in der Flugliste.</translation>
    </message>
    <message>
        <source>A pool needs a name.</source>
        <translation>Ein Pool braucht einen Namen.</translation>
    </message>
    <message>
        <source>The prize split of pool %1 adds up to %2 %, not 100 %.</source>
        <translation>Die Preisverteilung des Pools %1 ergibt %2 %, nicht 100 %.</translation>
    </message>
    <message>
        <source>Pool %1 pays one prize per how many birds? Give a number of 1 or more.</source>
        <translation>Pool %1 zahlt einen Preis auf wie viele Tauben? Geben Sie eine Zahl ab 1 an.</translation>
    </message>
    <message>
        <source>The nominated birds counted in pool %1 cannot be negative.</source>
        <translation>Die gezählten nominierten Tauben im Pool %1 dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>The pool name %1 is used twice.</source>
        <translation>Der Kassenname %1 kommt zweimal vor.</translation>
    </message>
    <message>
        <source>Entries for race %1 of %2 closed at its liberation (%3); they cannot be changed any more.</source>
        <translation>Die Einsätze für Flug %1 vom %2 wurden beim Auflass (%3) geschlossen; sie können nicht mehr geändert werden.</translation>
    </message>
    <message>
        <source>Ring %1 is not marked for race %2 of %3.</source>
        <translation>Ring %1 ist für Flug %2 vom %3 nicht eingesetzt.</translation>
    </message>
    <message>
        <source>Ring %1 is not a bird of loft %2.</source>
        <translation>Ring %1 ist keine Taube von Schlag %2.</translation>
    </message>
    <message>
        <source>Ring %1 is nominated twice.</source>
        <translation>Ring %1 ist zweimal getippt.</translation>
    </message>
    <message>
        <source>The race has no pool %1.</source>
        <translation>Der Flug hat keine Einsatzkasse %1.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>ring %1 is not marked for this race.</source>
        <translation>Ring %1 ist für diesen Flug nicht eingesetzt.</translation>
    </message>
    <message>
        <source>ring %1 is not a bird of loft %2.</source>
        <translation>Ring %1 ist keine Taube von Schlag %2.</translation>
    </message>
    <message>
        <source>ring %1 is given twice.</source>
        <translation>Ring %1 steht zweimal da.</translation>
    </message>
    <message>
        <source>the nomination of ring %1 cannot be negative.</source>
        <translation>der Tipp von Ring %1 kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>loft %1 gives nomination %2 twice.</source>
        <translation>Schlag %1 vergibt Tipp %2 zweimal.</translation>
    </message>
    <message>
        <source>the race has no pool %1.</source>
        <translation>der Flug hat keine Einsatzkasse %1.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Old Birds</source>
        <translation>Alttauben</translation>
    </message>
    <message>
        <source>Young Birds</source>
        <translation>Jungtauben</translation>
    </message>
    <message>
        <source>National</source>
        <translation>National</translation>
    </message>
    <message>
        <source>A race carries at most %1 types.</source>
        <translation>Ein Flug hat höchstens %1 Arten.</translation>
    </message>
    <message>
        <source>%1 is not one of the club&apos;s race types.</source>
        <translation>%1 ist keine Flugart des Vereins.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Row %1, column %2 (%3): &apos;%4&apos; does not enter a bird; type x, 1 or yes to enter it, or leave the cell empty.</source>
        <translation>Zeile %1, Spalte %2 (%3): „%4“ setzt keine Taube ein; geben Sie x, 1 oder ja ein, um sie einzusetzen, oder lassen Sie die Zelle leer.</translation>
    </message>
    <message>
        <source>The sheet holds %1 rings of %2 lofts (%3).
It replaces every earlier entry (%4) and nomination (%5) of these lofts; nominations keep the numbers written in the sheet.

Store the sheet&apos;s entries?</source>
        <translation>Das Blatt enthält %1 Ringe von %2 Schlägen (%3).
Es ersetzt jeden früheren Einsatz (%4) und Tipp (%5) dieser Schläge; Tipps behalten die Nummern aus dem Blatt.

Die Einsätze des Blatts speichern?</translation>
    </message>
    <message>
        <source>Pool %1 needs a stake of more than 0.00 per bird.</source>
        <translation>Der Pool %1 braucht einen Einsatz von mehr als 0.00 je Taube.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to less than 100 %.</source>
        <translation>Der Abzug des Pools %1 muss zwischen 0 und weniger als 100 % liegen.</translation>
    </message>
    <message>
        <source>Pool %1 has a stake of %2 per bird. Is that right?</source>
        <translation>Einsatzkasse %1 hat einen Einsatz von %2 je Taube. Stimmt das?</translation>
    </message>
    <message>
        <source>Pool %1: %2 entries of %3 lofts</source>
        <translation>Einsatzkasse %1: %2 Einsätze von %3 Schlägen</translation>
    </message>
    <message>
        <source>These pools are removed, and their entries with them:
%1

Save the pools and remove these entries?</source>
        <translation>Diese Einsatzkassen werden entfernt, mit ihren Einsätzen:
%1

Die Einsatzkassen speichern und diese Einsätze entfernen?</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <source>%1 was deleted on another seat.</source>
        <translation>%1 wurde an einem anderen Platz gelöscht.</translation>
    </message>
    <message>
        <source>%1 was changed on another seat.</source>
        <translation>%1 wurde an einem anderen Platz geändert.</translation>
    </message>
    <message>
        <source>%1 was changed at %2 on another seat</source>
        <translation>%1 wurde um %2 an einem anderen Platz geändert</translation>
    </message>
    <message>
        <source>Yes: store what you typed again. No: close the form. Cancel: keep the form open.</source>
        <translation>Ja: das Eingegebene erneut speichern. Nein: das Formular schließen. Abbrechen: das Formular offen lassen.</translation>
    </message>
    <message>
        <source>Yes: save what you typed over it. No: show it as it is stored now. Cancel: keep the form open.</source>
        <translation>Ja: das Eingegebene darüber speichern. Nein: den jetzt gespeicherten Stand zeigen. Abbrechen: das Formular offen lassen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; ist keine gültige Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>&apos;%1&apos; ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid date</source>
        <translation>&apos;&apos; ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>&apos;&apos; is not a valid date and time</source>
        <translation>&apos;&apos; ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>Cannot open the database %1: %2</source>
        <translation>Die Datenbank %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a database of this program: %2</source>
        <translation>%1 ist keine Datenbank dieses Programms: %2</translation>
    </message>
    <message>
        <source>The database %1 is not a database of this program; it lacks the tables %2. Nothing was changed in it.</source>
        <translation>Die Datenbank %1 ist keine Datenbank dieses Programms; es fehlen die Tabellen %2. Darin wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>the file exists already</source>
        <translation>die Datei existiert bereits</translation>
    </message>
    <message>
        <source>Cannot read the database %1: %2</source>
        <translation>Die Datenbank %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The backup %1 already exists.</source>
        <translation>Die Sicherung %1 existiert bereits.</translation>
    </message>
    <message>
        <source>The database is not open.</source>
        <translation>Die Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>the copy could not be closed</source>
        <translation>die Kopie konnte nicht geschlossen werden</translation>
    </message>
    <message>
        <source>The backup %1 could not be written: %2</source>
        <translation>Die Sicherung %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no temporary name is free beside it</source>
        <translation>daneben ist kein vorläufiger Name frei</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>pg_restore was not found; install the PostgreSQL client programs to restore a club database on a server.</source>
        <translation>pg_restore wurde nicht gefunden; installieren Sie die PostgreSQL-Clientprogramme, um eine Vereinsdatenbank auf einem Server wiederherzustellen.</translation>
    </message>
    <message>
        <source>pg_dump was not found; install the PostgreSQL client programs to back up a club database on a server.</source>
        <translation>pg_dump wurde nicht gefunden; installieren Sie die PostgreSQL-Clientprogramme, um eine Vereinsdatenbank auf einem Server zu sichern.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>%1 stopped unexpectedly.</source>
        <translation>%1 wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>%1 ended with code %2.</source>
        <translation>%1 endete mit Code %2.</translation>
    </message>
    <message>
        <source>pg_dump wrote no backup.</source>
        <translation>pg_dump hat keine Sicherung geschrieben.</translation>
    </message>
    <message>
        <source>The club database %1 could not be backed up: %2</source>
        <translation>Die Vereinsdatenbank %1 konnte nicht gesichert werden: %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid integer value</source>
        <translation>%1: „%2“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>DistanceDownloadPanel</name>
    <message>
        <source>File Selected :</source>
        <translation>Gewählte Datei:</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source> Race distance download </source>
        <translation> Flugentfernungen einlesen </translation>
    </message>
    <message>
        <source>Texe file (*.TXT *.txt)</source>
        <translation>Textdatei (*.TXT *.txt)</translation>
    </message>
</context>
<context>
    <name>DistanceGrid</name>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
</context>
<context>
    <name>FeatherColourPanel</name>
    <message>
        <source>Bird Color Maintain</source>
        <translation>Farben verwalten</translation>
    </message>
    <message>
        <source>Color Code :</source>
        <translation>Farbcode:</translation>
    </message>
    <message>
        <source>Color Name :</source>
        <translation>Farbname:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;A Add</source>
        <translation>&amp;H Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;D Delete</source>
        <translation>&amp;L Löschen</translation>
    </message>
    <message>
        <source>&amp;E exit</source>
        <translation>&amp;B beenden</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>Federation</name>
    <message>
        <source>%1 is larger than a club&apos;s file can be (%2 MB at most).</source>
        <translation>%1 ist größer, als eine Vereinsdatei sein kann (höchstens %2 MB).</translation>
    </message>
    <message>
        <source>the file holds a character that is not text (code %1): it is not a WinSpeed text file.</source>
        <translation>die Datei enthält ein Zeichen, das kein Text ist (Code %1): sie ist keine WinSpeed-Textdatei.</translation>
    </message>
    <message>
        <source>the race day %1 is still to come.</source>
        <translation>der Flugtag %1 steht noch bevor.</translation>
    </message>
    <message>
        <source>the arrival on %1 is outside the race of %2.</source>
        <translation>die Ankunft am %1 liegt außerhalb des Fluges vom %2.</translation>
    </message>
    <message>
        <source>%1: the race day %2 is still to come.</source>
        <translation>%1: der Flugtag %2 steht noch bevor.</translation>
    </message>
    <message>
        <source>%1: a cell holds a character that is not text.</source>
        <translation>%1: eine Zelle enthält ein Zeichen, das kein Text ist.</translation>
    </message>
    <message>
        <source>%1: the ring number &apos;%2&apos; is longer than %3 characters.</source>
        <translation>%1: die Ringnummer &apos;%2&apos; ist länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>%1: the arrival %2 is outside the race of %3.</source>
        <translation>%1: die Ankunft %2 liegt außerhalb des Fluges vom %3.</translation>
    </message>
    <message>
        <source>%1: the speed %2 is not a speed a pigeon flies.</source>
        <translation>%1: die Geschwindigkeit %2 fliegt keine Taube.</translation>
    </message>
    <message>
        <source>%1: ring %2 would have flown %3 a minute; the arrival time cannot be right.</source>
        <translation>%1: Ring %2 wäre %3 pro Minute geflogen; die Ankunftszeit kann nicht stimmen.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is missing: the WinSpeed file needs it beside it in %2.</source>
        <translation>%1 fehlt: die WinSpeed-Datei braucht sie daneben in %2.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: ring %2 is given twice for race %3 of %4; the first is kept.</source>
        <translation>%1: Ring %2 steht zweimal beim Flug %3 vom %4; der erste bleibt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a race number, a date and a code.</source>
        <translation>&apos;%1&apos; ist keine Flugnummer mit Datum und Code.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loft number and a loft.</source>
        <translation>&apos;%1&apos; ist keine Schlagnummer mit Schlag.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a WinSpeed record.</source>
        <translation>&apos;%1&apos; ist kein WinSpeed-Datensatz.</translation>
    </message>
    <message>
        <source>loft number &apos;%1&apos; is not in Loft_List.txt.</source>
        <translation>Schlagnummer &apos;%1&apos; steht nicht in Loft_List.txt.</translation>
    </message>
    <message>
        <source>the loft record is too short.</source>
        <translation>der Schlag-Datensatz ist zu kurz.</translation>
    </message>
    <message>
        <source>the pigeon record is too short.</source>
        <translation>der Tauben-Datensatz ist zu kurz.</translation>
    </message>
    <message>
        <source>race number &apos;%1&apos; is not in LiberCode_List.txt.</source>
        <translation>Flugnummer &apos;%1&apos; steht nicht in LiberCode_List.txt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an arrival day and time.</source>
        <translation>&apos;%1&apos; ist kein Ankunftstag mit Uhrzeit.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not say whether the bird arrived.</source>
        <translation>&apos;%1&apos; sagt nicht, ob die Taube angekommen ist.</translation>
    </message>
    <message>
        <source>the pigeon record has no ring number.</source>
        <translation>der Tauben-Datensatz hat keine Ringnummer.</translation>
    </message>
    <message>
        <source>%1 is not a result list: it has no column &apos;%2&apos;.</source>
        <translation>%1 ist keine Ergebnisliste: die Spalte &apos;%2&apos; fehlt.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a date and time.</source>
        <translation>%1: &apos;%2&apos; ist kein Datum mit Uhrzeit.</translation>
    </message>
    <message>
        <source>%1: the race&apos;s day is not known.</source>
        <translation>%1: der Tag des Flugs ist nicht bekannt.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a valid floating point value.</source>
        <translation>%1: &apos;%2&apos; ist keine gültige Dezimalzahl.</translation>
    </message>
    <message>
        <source>All clubs</source>
        <translation>Alle Vereine</translation>
    </message>
    <message>
        <source>%1  %2 lofts  %3 birds  %4 clocked  %5 ranked  %6 prizes</source>
        <translation>%1  %2 Schläge  %3 Tauben  %4 konstatiert  %5 gewertet  %6 Preise</translation>
    </message>
    <message>
        <source>Club pl.</source>
        <translation>Vereinspl.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Schlag</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Konstatiert</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Combined result %1</source>
        <translation>Gemeinsames Ergebnis %1</translation>
    </message>
    <message>
        <source>Combined result: %1</source>
        <translation>Gemeinsames Ergebnis: %1</translation>
    </message>
    <message>
        <source>%1 %2 (%3 clocked)</source>
        <translation>%1 %2 (%3 konstatiert)</translation>
    </message>
    <message>
        <source>Not ranked, no distance to the site: %1</source>
        <translation>Nicht gewertet, keine Entfernung zum Auflassort: %1</translation>
    </message>
    <message>
        <source>Prize list %1 %2</source>
        <translation>Preisliste %1 %2</translation>
    </message>
    <message>
        <source>Prize list of club %1</source>
        <translation>Preisliste des Vereins %1</translation>
    </message>
    <message numerus="yes">
        <source>Combined result of %n club(s)</source>
        <translation>
            <numerusform>Gemeinsames Ergebnis von %n Verein</numerusform>
            <numerusform>Gemeinsames Ergebnis von %n Vereinen</numerusform>
        </translation>
    </message>
    <message>
        <source>Publish folder</source>
        <translation>Veröffentlichungsordner</translation>
    </message>
    <message>
        <source>Published the combined result of %1 to %2</source>
        <translation>Das gemeinsame Ergebnis vom %1 wurde nach %2 veröffentlicht</translation>
    </message>
    <message>
        <source>Name the club whose files these are.</source>
        <translation>Nennen Sie den Verein, zu dem diese Dateien gehören.</translation>
    </message>
    <message>
        <source>%1 is this database&apos;s own club: its races are here already and are not imported.</source>
        <translation>%1 ist der eigene Verein dieser Datenbank: seine Flüge sind schon da und werden nicht eingelesen.</translation>
    </message>
    <message>
        <source>Race %1: liberation code %2 is not a known liberation site.</source>
        <translation>Flug %1: Auflasscode %2 ist kein bekannter Auflassort.</translation>
    </message>
    <message>
        <source>Race %1 of club %2 was imported before.</source>
        <translation>Flug %1 des Vereins %2 wurde schon früher eingelesen.</translation>
    </message>
    <message>
        <source>Loft %1 is known as &quot;%2&quot;; the file names it &quot;%3&quot;.</source>
        <translation>Schlag %1 ist als &quot;%2&quot; bekannt; die Datei nennt ihn &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Loft %1 flies for club %2 as well.</source>
        <translation>Schlag %1 fliegt auch für den Verein %2.</translation>
    </message>
    <message>
        <source>Ring %1 is given under lofts %2.</source>
        <translation>Ring %1 steht unter den Schlägen %2.</translation>
    </message>
    <message>
        <source>loft %1 of club %2</source>
        <translation>Schlag %1 des Vereins %2</translation>
    </message>
    <message>
        <source>Ring %1 of loft %2 is known under %3.</source>
        <translation>Ring %1 von Schlag %2 ist unter %3 bekannt.</translation>
    </message>
    <message>
        <source>loft numbers known under another name</source>
        <translation>Schlagnummern, die unter einem anderen Namen bekannt sind</translation>
    </message>
    <message>
        <source>rings under two lofts</source>
        <translation>Ringe unter zwei Schlägen</translation>
    </message>
    <message>
        <source>lofts flying for another club</source>
        <translation>Schläge, die für einen anderen Verein fliegen</translation>
    </message>
    <message>
        <source>races imported before</source>
        <translation>schon eingelesene Flüge</translation>
    </message>
    <message>
        <source>races from an unknown site</source>
        <translation>Flüge von einem unbekannten Auflassort</translation>
    </message>
    <message>
        <source>Decide what to do with the %1.</source>
        <translation>Entscheiden Sie, was mit den %1 geschehen soll.</translation>
    </message>
    <message>
        <source>Choose the liberation site of race %1.</source>
        <translation>Wählen Sie den Auflassort des Flugs %1.</translation>
    </message>
    <message>
        <source>Give the liberation time of race %1: the database holds no release of its site that day.</source>
        <translation>Geben Sie die Auflasszeit des Flugs %1 an: die Datenbank hat an diesem Tag keinen Auflass dieses Orts.</translation>
    </message>
    <message>
        <source>Club %1 %2, file %3:</source>
        <translation>Verein %1 %2, Datei %3:</translation>
    </message>
    <message>
        <source>  race %1 (site %2): %3 birds, %4 clocked%5</source>
        <translation>  Flug %1 (Auflassort %2): %3 Tauben, %4 konstatiert%5</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>, imported before</source>
        <translation>, schon eingelesen</translation>
    </message>
    <message numerus="yes">
        <source>  %n new loft(s): %1</source>
        <translation>
            <numerusform>  %n neuer Schlag: %1</numerusform>
            <numerusform>  %n neue Schläge: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No conflicts.</source>
        <translation>Keine Konflikte.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing was stored.</source>
        <translation>Das Einlesen wurde abgebrochen; es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>FederationPreviewDialog</name>
    <message>
        <source>Import preview</source>
        <translation>Vorschau des Einlesens</translation>
    </message>
    <message>
        <source>Loft known under another name :</source>
        <translation>Schlag unter anderem Namen bekannt:</translation>
    </message>
    <message>
        <source>Ring under two lofts :</source>
        <translation>Ring unter zwei Schlägen:</translation>
    </message>
    <message>
        <source>Loft flying for another club :</source>
        <translation>Schlag fliegt für einen anderen Verein:</translation>
    </message>
    <message>
        <source>Race imported before :</source>
        <translation>Flug schon eingelesen:</translation>
    </message>
    <message>
        <source>Race from an unknown site :</source>
        <translation>Flug von unbekanntem Auflassort:</translation>
    </message>
    <message>
        <source>keep the stored name</source>
        <translation>den gespeicherten Namen behalten</translation>
    </message>
    <message>
        <source>leave the ring out</source>
        <translation>den Ring weglassen</translation>
    </message>
    <message>
        <source>leave the loft out</source>
        <translation>den Schlag weglassen</translation>
    </message>
    <message>
        <source>skip the race</source>
        <translation>den Flug überspringen</translation>
    </message>
    <message>
        <source>take the file&apos;s name</source>
        <translation>den Namen aus der Datei übernehmen</translation>
    </message>
    <message>
        <source>import it</source>
        <translation>einlesen</translation>
    </message>
    <message>
        <source>import it for this club too</source>
        <translation>auch für diesen Verein einlesen</translation>
    </message>
    <message>
        <source>replace the earlier import</source>
        <translation>das frühere Einlesen ersetzen</translation>
    </message>
    <message>
        <source>store it under the site chosen</source>
        <translation>unter dem gewählten Auflassort speichern</translation>
    </message>
    <message>
        <source>(decide)</source>
        <translation>(entscheiden)</translation>
    </message>
    <message>
        <source>Site of race %1 :</source>
        <translation>Auflassort des Flugs %1:</translation>
    </message>
    <message>
        <source>Liberation time of race %1 :</source>
        <translation>Auflasszeit des Flugs %1:</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>LoftDistancePanel</name>
    <message>
        <source>LoftDistUpdate</source>
        <translation>Schlagentfernungen aktualisieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Member loft distance to </source>
        <translation>Entfernung der Schläge nach </translation>
    </message>
    <message>
        <source>Compare both methods</source>
        <translation>Beide Methoden vergleichen</translation>
    </message>
    <message>
        <source>    Club method : </source>
        <translation>    Methode des Vereins: </translation>
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
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>LoftNo</source>
        <translation>Schlagnr.</translation>
    </message>
    <message>
        <source>Difference (</source>
        <translation>Unterschied (</translation>
    </message>
</context>
<context>
    <name>MarkingTab</name>
    <message>
        <source>Race Code :</source>
        <translation>Flugcode:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export Marked List</source>
        <translation>Einsatzliste exportieren</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Association Number</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Marked Time</source>
        <translation>Einsatzzeit</translation>
    </message>
</context>
<context>
    <name>MemberClockPanel</name>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Date last synchronized </source>
        <translation>Zuletzt synchronisiert </translation>
    </message>
    <message>
        <source>Sync. required</source>
        <translation>Synchronisation nötig</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>%1&apos;s Clock List</source>
        <translation>Uhren von %1</translation>
    </message>
</context>
<context>
    <name>MemberFormPanel</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Post Code:</source>
        <translation>Postleitzahl:</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Telefonnummer:</translation>
    </message>
    <message>
        <source>Loft Number:</source>
        <translation>Schlagnummer:</translation>
    </message>
    <message>
        <source>Lontitude :</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>Initials and surname</source>
        <translation>Initialen und Nachname</translation>
    </message>
    <message>
        <source>Loft number only</source>
        <translation>Nur die Schlagnummer</translation>
    </message>
    <message>
        <source>Show the town</source>
        <translation>Wohnort zeigen</translation>
    </message>
    <message>
        <source>Published as:</source>
        <translation>Veröffentlicht als:</translation>
    </message>
</context>
<context>
    <name>MemberListPanel</name>
    <message>
        <source>AddNew</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Number of Members:</source>
        <translation>Anzahl Mitglieder:</translation>
    </message>
    <message>
        <source>Loft Number</source>
        <translation>Schlagnummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Mitglied bearbeiten</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Mitglied löschen</translation>
    </message>
    <message>
        <source>Member Rings List</source>
        <translation>Ringe des Mitglieds</translation>
    </message>
    <message>
        <source>Member Clocks</source>
        <translation>Uhren des Mitglieds</translation>
    </message>
    <message>
        <source>Loft Data Download</source>
        <translation>Schlagdaten in die Uhr laden</translation>
    </message>
    <message>
        <source>What We Hold About This Member</source>
        <translation>Was wir über dieses Mitglied speichern</translation>
    </message>
    <message>
        <source>Erase Former Member</source>
        <translation>Ehemaliges Mitglied löschen</translation>
    </message>
</context>
<context>
    <name>MemberRingPanel</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Ring Export</source>
        <translation>Ringe exportieren</translation>
    </message>
    <message>
        <source>Number of rings :</source>
        <translation>Anzahl Ringe:</translation>
    </message>
    <message>
        <source>Life Ring Number</source>
        <translation>Ringnummer</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Sex of bird</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>E_Ring Assign</source>
        <translation>Chipring</translation>
    </message>
    <message>
        <source>Create Date</source>
        <translation>Angelegt am</translation>
    </message>
    <message>
        <source>Assign Date</source>
        <translation>Zugeordnet am</translation>
    </message>
    <message>
        <source>Last Update</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Edit Ring</source>
        <translation>Ring bearbeiten</translation>
    </message>
    <message>
        <source>Delete Ring</source>
        <translation>Ring löschen</translation>
    </message>
    <message>
        <source>Upper registration number :</source>
        <translation>Höchste Kennnummer:</translation>
    </message>
    <message>
        <source>Hen</source>
        <translation>Weibchen</translation>
    </message>
    <message>
        <source>Cock</source>
        <translation>Vogel</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Verband:</translation>
    </message>
    <message>
        <source>Birth Year:</source>
        <translation>Geburtsjahr:</translation>
    </message>
    <message>
        <source>Registration Letter :</source>
        <translation>Kennbuchstaben:</translation>
    </message>
    <message>
        <source>Registration Number :</source>
        <translation>Kennnummer:</translation>
    </message>
    <message>
        <source>Sex of the bird :</source>
        <translation>Geschlecht:</translation>
    </message>
    <message>
        <source>Bird color :</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation>Bemerkung:</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add a Range</source>
        <translation>Serie hinzufügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Spreadsheet Import</source>
        <translation>Aus Arbeitsmappe importieren</translation>
    </message>
    <message>
        <source>Spreadsheet Export</source>
        <translation>In Arbeitsmappe exportieren</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-Datei (*.xlsx)</translation>
    </message>
    <message>
        <source>The range is stored; nothing was changed since. Type the next ring, or choose AddNew or Add a Range.</source>
        <translation>Die Reihe ist gespeichert; seitdem wurde nichts geändert. Geben Sie den nächsten Ring ein, oder wählen Sie Neu oder Serie hinzufügen.</translation>
    </message>
</context>
<context>
    <name>Members</name>
    <message>
        <source>Member %1</source>
        <translation>Mitglied %1</translation>
    </message>
    <message>
        <source>Please enter the registration number.</source>
        <translation>Bitte die Kennnummer eingeben.</translation>
    </message>
    <message>
        <source>Ring %1 was deleted and is restored.</source>
        <translation>Ring %1 war gelöscht und ist wiederhergestellt.</translation>
    </message>
    <message>
        <source>Rings %1 were deleted and are restored.</source>
        <translation>Die Ringe %1 waren gelöscht und sind wiederhergestellt.</translation>
    </message>
    <message>
        <source>These ring numbers exist already and were skipped: </source>
        <translation>Diese Ringnummern sind schon vorhanden und wurden übersprungen: </translation>
    </message>
    <message>
        <source>row %1: %2 of loft %3</source>
        <translation>Zeile %1: %2 von Schlag %3</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>Rows not imported because their loft is not a member: %1.</source>
        <translation>Nicht importierte Zeilen, weil ihr Schlag kein Mitglied ist: %1.</translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; und %1 weitere</translation>
    </message>
    <message>
        <source>Rings not imported because they belong to another loft: %1.</source>
        <translation>Nicht importierte Ringe, weil sie zu einem anderen Schlag gehören: %1.</translation>
    </message>
    <message>
        <source>Rows not imported because they hold no ring number: %1.</source>
        <translation>Nicht importierte Zeilen, weil sie keine Ringnummer enthalten: %1.</translation>
    </message>
    <message>
        <source>The import was stopped at row %1. The rows before it are stored.</source>
        <translation>Der Import wurde bei Zeile %1 angehalten. Die Zeilen davor sind gespeichert.</translation>
    </message>
    <message>
        <source>The import stopped at row %1: %2. The rows before it are stored.</source>
        <translation>Der Import hat bei Zeile %1 angehalten: %2. Die Zeilen davor sind gespeichert.</translation>
    </message>
    <message>
        <source>Please enter a colour code and a colour name.</source>
        <translation>Bitte Farbcode und Farbnamen eingeben.</translation>
    </message>
    <message>
        <source>Colour code %1 exists already.</source>
        <translation>Farbcode %1 ist schon vorhanden.</translation>
    </message>
    <message>
        <source>Colour name %1 exists already.</source>
        <translation>Farbname %1 ist schon vorhanden.</translation>
    </message>
    <message>
        <source>The upper registration number must not be lower than the registration number, nor more than 255 above it. Nothing was stored.</source>
        <translation>Die höchste Kennnummer darf nicht kleiner als die Kennnummer sein und nicht mehr als 255 darüber liegen. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Registration Letter Input Error!</source>
        <translation>Fehler in den Kennbuchstaben!</translation>
    </message>
    <message>
        <source>The birth year must have four digits, for example 2025. Nothing was stored.</source>
        <translation>Das Geburtsjahr muss vier Ziffern haben, zum Beispiel 2025. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Field value : &apos;-&apos; </source>
        <translation>Wert: &apos;-&apos; </translation>
    </message>
    <message>
        <source>Field value : &apos;N&apos; Or &apos;S&apos;</source>
        <translation>Wert: &apos;N&apos; oder &apos;S&apos;</translation>
    </message>
    <message>
        <source>Field value : &apos;A&apos; ~ &apos;Z&apos;</source>
        <translation>Wert: &apos;A&apos; ~ &apos;Z&apos;</translation>
    </message>
    <message>
        <source>Field value : AP,BOR... </source>
        <translation>Wert: AP,BOR... </translation>
    </message>
    <message>
        <source>Set new Member find data entry error !</source>
        <translation>Fehler in den Angaben des neuen Mitglieds!</translation>
    </message>
    <message>
        <source>This will delete the data ?</source>
        <translation>Damit werden die Daten gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Loft number %1 belongs to %2. Replace that member&apos;s details?</source>
        <translation>Die Schlagnummer %1 gehört zu %2. Die Angaben dieses Mitglieds ersetzen?</translation>
    </message>
    <message>
        <source>This Loft has %1 pigeon records, Do you want delete all data ?</source>
        <translation>Dieser Schlag hat %1 Tauben. Möchten Sie alle Daten löschen?</translation>
    </message>
    <message>
        <source>Delete the member %1 %2 and the loft&apos;s distances ?</source>
        <translation>Das Mitglied %1 %2 und die Entfernungen des Schlags löschen?</translation>
    </message>
    <message>
        <source>Number of clocks %1</source>
        <translation>Anzahl Uhren %1</translation>
    </message>
    <message>
        <source>Ring %1</source>
        <translation>Ring %1</translation>
    </message>
    <message>
        <source>Ring %1 belongs to member %2; it was not changed. Open that member&apos;s ring list to edit it.</source>
        <translation>Der Ring %1 gehört dem Mitglied %2; er wurde nicht geändert. Öffnen Sie die Ringliste dieses Mitglieds, um ihn zu bearbeiten.</translation>
    </message>
    <message>
        <source>What the club holds about member %1, %2</source>
        <translation>Was der Verein über Mitglied %1 speichert, %2</translation>
    </message>
    <message>
        <source>%1 (columns %2 to %3 of %4)</source>
        <translation>%1 (Spalten %2 bis %3 von %4)</translation>
    </message>
    <message>
        <source>The member list holds no loft %1.</source>
        <translation>Die Mitgliederliste enthält keinen Schlag %1.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Folder for the member&apos;s data</source>
        <translation>Ordner für die Daten des Mitglieds</translation>
    </message>
    <message>
        <source>Everything the club holds about member %1 is in %2</source>
        <translation>Alles, was der Verein über Mitglied %1 speichert, liegt in %2</translation>
    </message>
    <message>
        <source>Erase member %1? Their name is replaced by a neutral label in every result, and their address, telephone, coordinates and notes are removed for good. Results and places stay as they are.</source>
        <translation>Mitglied %1 löschen? Der Name wird in jedem Ergebnis durch eine neutrale Bezeichnung ersetzt, Anschrift, Telefon, Koordinaten und Notizen werden endgültig entfernt. Ergebnisse und Plätze bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Member %1 is now &quot;%2&quot;.</source>
        <translation>Mitglied %1 heißt jetzt &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The database could not be rewritten, so the old values may still be found in its free space: %1</source>
        <translation>Die Datenbank konnte nicht neu geschrieben werden; die alten Werte können noch in ihrem freien Platz stehen: %1</translation>
    </message>
    <message>
        <source>No backup in %1 holds their data.</source>
        <translation>Keine Sicherung in %1 enthält die Daten.</translation>
    </message>
    <message>
        <source>These backups still hold their data; the program keeps them until they are deleted (the newest is replaced by the next start-up backup and then kept under its date):</source>
        <translation>Diese Sicherungen enthalten die Daten noch; das Programm behält sie, bis sie gelöscht werden (die neueste wird durch die nächste Sicherung beim Start ersetzt und dann unter ihrem Datum behalten):</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The club keeps results with names for %n season(s). %1 former member(s) have had no result since then: %2. Replace their names by neutral labels and remove their addresses now? Their results and everyone&apos;s places stay as they are.</source>
        <translation>
            <numerusform>Der Verein behält Ergebnisse mit Namen %n Saison lang. %1 ehemalige Mitglieder hatten seitdem kein Ergebnis: %2. Ihre Namen jetzt durch neutrale Bezeichnungen ersetzen und ihre Anschriften entfernen? Ihre Ergebnisse und die Plätze aller bleiben, wie sie sind.</numerusform>
            <numerusform>Der Verein behält Ergebnisse mit Namen %n Saisons lang. %1 ehemalige Mitglieder hatten seitdem kein Ergebnis: %2. Ihre Namen jetzt durch neutrale Bezeichnungen ersetzen und ihre Anschriften entfernen? Ihre Ergebnisse und die Plätze aller bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>The blanks around the loft number were removed: it is saved as &quot;%1&quot;.</source>
        <translation>Die Leerzeichen um die Schlagnummer wurden entfernt: sie wird als „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>row %1 column %2</source>
        <translation>Zeile %1 Spalte %2</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Rows not imported: %1 holds a formula without a value: open and save the sheet in a spreadsheet program first.</source>
        <translation>Zeilen nicht eingelesen: %1 enthält eine Formel ohne Wert: öffnen und speichern Sie das Blatt zuerst in einer Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>Rows not imported: %1 hold a formula without a value: open and save the sheet in a spreadsheet program first.</source>
        <translation>Zeilen nicht eingelesen: %1 enthalten eine Formel ohne Wert: öffnen und speichern Sie das Blatt zuerst in einer Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>Personal data this program holds: each member&apos;s name, street, town, post code, telephone, loft number and loft coordinates, their clocks, rings, race entries, clock times, distances, pool entries and payouts, championship standings, and the history of changes to race entries with the login that made them.

Why: to run the club and its races (members, clocks, results and prizes).

Where: in the club&apos;s database on this PC (Kestrava_Europe.db in the data folder) or on the club&apos;s database server, and in the backups in the Backup folder beside the data folder.

What leaves the club: published results (web pages, CSV, the live board, printed lists, the federation&apos;s combined result) show each member&apos;s name as they chose (full name, initials and surname, or the loft number only) and their town only if they allow it; never their street, post code, telephone, e-mail or coordinates. The federation&apos;s exchange files carry what the federation needs to compute results.

How long: results stay with names for the seasons the club sets in Setup (all of them unless set); older ones are then shown under neutral labels. A member may ask for everything the club holds about them (Members, &quot;What We Hold About This Member&quot;) and a former member may be erased (Members, &quot;Erase Former Member&quot;); backups made before keep their data until they are deleted.</source>
        <translation>Personenbezogene Daten, die dieses Programm speichert: von jedem Mitglied Name, Straße, Wohnort, Postleitzahl, Telefon, Schlagnummer und Schlagkoordinaten, seine Uhren, Ringe, Einsätze, Uhrzeiten, Entfernungen, Einsätze und Auszahlungen der Pools, Meisterschaftsstände sowie der Verlauf der Änderungen an Einsätzen mit der Anmeldung, die sie vornahm.

Wozu: um den Verein und seine Flüge zu führen (Mitglieder, Uhren, Ergebnisse und Preise).

Wo: in der Datenbank des Vereins auf diesem PC (Kestrava_Europe.db im Datenordner) oder auf dem Datenbankserver des Vereins, und in den Sicherungen im Ordner Backup neben dem Datenordner.

Was den Verein verlässt: veröffentlichte Ergebnisse (Webseiten, CSV, die Live-Tafel, gedruckte Listen, das Gesamtergebnis des Verbands) zeigen den Namen jedes Mitglieds so, wie es gewählt hat (vollständiger Name, Initialen und Nachname oder nur die Schlagnummer), und den Wohnort nur, wenn es das erlaubt; nie Straße, Postleitzahl, Telefon, E-Mail oder Koordinaten. Die Austauschdateien für den Verband enthalten, was der Verband zur Berechnung der Ergebnisse braucht.

Wie lange: Ergebnisse bleiben so viele Saisons mit Namen, wie der Verein in Setup einstellt (alle, solange nichts eingestellt ist); ältere werden dann unter neutralen Bezeichnungen gezeigt. Ein Mitglied kann alles erfragen, was der Verein über es speichert (Mitglieder, &quot;Was wir über dieses Mitglied speichern&quot;), und ein ehemaliges Mitglied kann gelöscht werden (Mitglieder, &quot;Ehemaliges Mitglied löschen&quot;); zuvor gemachte Sicherungen behalten seine Daten, bis sie gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>OtherClockPanel</name>
    <message>
        <source>Member :</source>
        <translation>Mitglied:</translation>
    </message>
    <message>
        <source>Clock Setting</source>
        <translation>Uhrdaten</translation>
    </message>
    <message>
        <source>Marked set :</source>
        <translation>Eingesetzt am:</translation>
    </message>
    <message>
        <source>Master check :</source>
        <translation>Kontrolle Mutteruhr:</translation>
    </message>
    <message>
        <source>Member check :</source>
        <translation>Kontrolle Mitgliedsuhr:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Ring </source>
        <translation>Ring </translation>
    </message>
    <message>
        <source>Add/Edit Other Clock     </source>
        <translation>Andere Uhr hinzufügen/ändern     </translation>
    </message>
</context>
<context>
    <name>PoolsPanel</name>
    <message>
        <source>Pool</source>
        <translation>Pool</translation>
    </message>
    <message>
        <source>Stake</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Prizes paid</source>
        <translation>Ausgezahlte Preise</translation>
    </message>
    <message>
        <source>Split % / birds per prize</source>
        <translation>Verteilung % / Tauben je Preis</translation>
    </message>
    <message>
        <source>Deduction %</source>
        <translation>Abzug %</translation>
    </message>
    <message>
        <source>Nominations counted (0: all)</source>
        <translation>Gezählte Nominierungen (0: alle)</translation>
    </message>
    <message>
        <source>Add pool</source>
        <translation>Pool hinzufügen</translation>
    </message>
    <message>
        <source>Remove pool</source>
        <translation>Pool entfernen</translation>
    </message>
    <message>
        <source>Save pools</source>
        <translation>Pools speichern</translation>
    </message>
    <message>
        <source>Use club template</source>
        <translation>Vereinsvorlage verwenden</translation>
    </message>
    <message>
        <source>Save as club template</source>
        <translation>Als Vereinsvorlage speichern</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Pool %1</source>
        <translation>Pool %1</translation>
    </message>
    <message>
        <source>Type a loft&apos;s nomination order in Nom; type x under a pool to enter the bird, clear it to take the bird out.</source>
        <translation>Geben Sie die Nominierungsfolge eines Schlags unter Nom ein; x unter einem Pool setzt die Taube ein, löschen nimmt sie heraus.</translation>
    </message>
    <message>
        <source>Import entries</source>
        <translation>Einsätze einlesen</translation>
    </message>
    <message>
        <source>Export entries</source>
        <translation>Einsätze exportieren</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>Print pool sheet</source>
        <translation>Poolliste drucken</translation>
    </message>
    <message>
        <source>Print payout per loft</source>
        <translation>Auszahlung je Schlag drucken</translation>
    </message>
    <message>
        <source>Pool sheet workbook</source>
        <translation>Poolliste als Arbeitsmappe</translation>
    </message>
    <message>
        <source>Payout workbook</source>
        <translation>Auszahlung als Arbeitsmappe</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pools for %1</source>
        <translation>Pools für %1</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Verteilung</translation>
    </message>
    <message>
        <source>One per N birds</source>
        <translation>Einer je N Tauben</translation>
    </message>
    <message>
        <source>The club&apos;s pool template is saved.</source>
        <translation>Die Poolvorlage des Vereins ist gespeichert.</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Schlag</translation>
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
        <translation>Schlag %1 gibt die Nominierung %2 zweimal an.</translation>
    </message>
    <message>
        <source>%1 rings read from %2.</source>
        <translation>%1 Ringe aus %2 eingelesen.</translation>
    </message>
    <message>
        <source>The race has no pools.</source>
        <translation>Der Flug hat keine Pools.</translation>
    </message>
    <message>
        <source>Loft %1</source>
        <translation>Schlag %1</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-Datei (*.xlsx)</translation>
    </message>
    <message>
        <source>Entries %1 %2.xlsx</source>
        <translation>Einsätze %1 %2.xlsx</translation>
    </message>
    <message>
        <source>Pool sheet %1 %2.xlsx</source>
        <translation>Setzliste %1 %2.xlsx</translation>
    </message>
    <message>
        <source>Payout %1 %2.xlsx</source>
        <translation>Auszahlung %1 %2.xlsx</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>Publish</name>
    <message>
        <source>Arrivals</source>
        <translation>Ankünfte</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Tauben angekommen</translation>
    </message>
    <message>
        <source>Speeds</source>
        <translation>Geschwindigkeiten</translation>
    </message>
    <message>
        <source>Birds</source>
        <translation>Tauben</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the published pages (nl, fr, de): the code of this translation.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Liberation: </source>
        <translation>Auflass: </translation>
    </message>
    <message>
        <source>Ranking as CSV</source>
        <translation>Preisliste als CSV</translation>
    </message>
    <message>
        <source>All races of %1</source>
        <translation>Alle Flüge von %1</translation>
    </message>
    <message>
        <source>Races of %1</source>
        <translation>Flüge von %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Flug</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Auflassort</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>not published</source>
        <translation>nicht veröffentlicht</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
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
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Text file (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
</context>
<context>
    <name>RacePointPanel</name>
    <message>
        <source>Race Points</source>
        <translation>Auflassorte und Flüge</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>LibSite Abbre.</source>
        <translation>Kürzel Ort</translation>
    </message>
    <message>
        <source>Liberation Site</source>
        <translation>Auflassort</translation>
    </message>
    <message>
        <source>Lib. Date</source>
        <translation>Auflassdatum</translation>
    </message>
    <message>
        <source>Lib. Time</source>
        <translation>Auflasszeit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Liberation Points Detail</source>
        <translation>Angaben zum Auflassort</translation>
    </message>
    <message>
        <source>Club :</source>
        <translation>Verein:</translation>
    </message>
    <message>
        <source>Liberate Site Abbreviation  :</source>
        <translation>Kürzel des Auflassorts:</translation>
    </message>
    <message>
        <source>Liberation Site :</source>
        <translation>Auflassort:</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Liberation Date :</source>
        <translation>Auflassdatum:</translation>
    </message>
    <message>
        <source>Liberation Time :</source>
        <translation>Auflasszeit:</translation>
    </message>
    <message>
        <source>Liberation Code :</source>
        <translation>Auflasscode:</translation>
    </message>
    <message>
        <source>Customized LibPoint</source>
        <translation>Eigener Auflassort</translation>
    </message>
    <message>
        <source>Custmized Lib. Point :</source>
        <translation>Eigener Auflassort:</translation>
    </message>
    <message>
        <source>SunData Setting</source>
        <translation>Sonnendaten</translation>
    </message>
    <message>
        <source>Set SunSet/Sunrise :</source>
        <translation>Sonnenuntergang/-aufgang:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>AddNew</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>ClubCode :</source>
        <translation>Vereinscode:</translation>
    </message>
    <message>
        <source>ClubName : </source>
        <translation>Vereinsname: </translation>
    </message>
    <message>
        <source>&amp;A Add</source>
        <translation>&amp;H Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;D Delete</source>
        <translation>&amp;L Löschen</translation>
    </message>
    <message>
        <source>&amp;E Exit</source>
        <translation>&amp;B Beenden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Race Types :</source>
        <translation>Flugarten:</translation>
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
        <translation>Ergebnis exportieren</translation>
    </message>
    <message>
        <source>FlySpeed Recaculate</source>
        <translation>Geschwindigkeiten neu berechnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>RaceDate :</source>
        <translation>Flugdatum:</translation>
    </message>
    <message>
        <source>RaceTime :</source>
        <translation>Auflasszeit:</translation>
    </message>
    <message>
        <source>Recacute</source>
        <translation>Neu berechnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>F</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Konstatiert</translation>
    </message>
    <message>
        <source>FlyiTime</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Abw.</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source> Result for </source>
        <translation> Ergebnis für </translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Lock result</source>
        <translation>Ergebnis sperren</translation>
    </message>
    <message>
        <source>Reason for unlocking</source>
        <translation>Grund für das Entsperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>RaceStatusPanel</name>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Birds marked</source>
        <translation>Tauben eingesetzt</translation>
    </message>
    <message>
        <source>Birds arrived</source>
        <translation>Tauben angekommen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source> Status for </source>
        <translation> Stand für </translation>
    </message>
</context>
<context>
    <name>Races</name>
    <message>
        <source>%1 Members sent %2 birds - %3 were clocked</source>
        <translation>%1 Mitglieder setzten %2 Tauben ein - %3 konstatiert</translation>
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
        <translation>Die Ankunft &apos;%1&apos; von Ring %2 ist kein gültiges Datum mit Uhrzeit.</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-Datei (*.xlsx)</translation>
    </message>
    <message>
        <source>Longitude Input Value &gt; 60 !</source>
        <translation>Länge: Wert &gt; 60!</translation>
    </message>
    <message>
        <source>Latitude Input Value  &gt; 60 !</source>
        <translation>Breite: Wert &gt; 60!</translation>
    </message>
    <message>
        <source>Race Date</source>
        <translation>Flugdatum</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>yyyy-mm-dd </source>
        <translation>JJJJ-MM-TT </translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>row %1, &quot;%2&quot;</source>
        <translation>Zeile %1, „%2“</translation>
    </message>
    <message>
        <source>Sun data %1: &apos;%2&apos; is not a time (hh:mm:ss); nothing was saved.</source>
        <translation>Sonnendaten %1: &apos;%2&apos; ist keine Uhrzeit (hh:mm:ss); es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Sun data %1: &apos;%2&apos; is not a date (yyyy-mm-dd); nothing was saved.</source>
        <translation>Sonnendaten %1: &apos;%2&apos; ist kein Datum (JJJJ-MM-TT); es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Save as a new race on %1? The race of %2 stays.</source>
        <translation>Als neuen Flug am %1 speichern? Der Flug vom %2 bleibt erhalten.</translation>
    </message>
    <message>
        <source>A race with the code %1 on %2 exists already (club %3).</source>
        <translation>Ein Flug mit dem Code %1 am %2 ist schon vorhanden (Verein %3).</translation>
    </message>
    <message>
        <source>Delete the liberation site %1 %2? Every loft&apos;s distance to it is deleted too.</source>
        <translation>Den Auflassort %1 %2 löschen? Die Entfernung jedes Schlags dorthin wird ebenfalls gelöscht.</translation>
    </message>
    <message>
        <source> 1 race uses it.</source>
        <translation> 1 Flug verwendet ihn.</translation>
    </message>
    <message>
        <source> %1 races use it.</source>
        <translation> %1 Flüge verwenden ihn.</translation>
    </message>
    <message>
        <source>No liberation site has the code &apos;%1&apos;.</source>
        <translation>Kein Auflassort hat den Code &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Please enter a club code and a club name.</source>
        <translation>Bitte Vereinscode und Vereinsnamen eingeben.</translation>
    </message>
    <message>
        <source>Club code %1 exists already.</source>
        <translation>Vereinscode %1 ist schon vorhanden.</translation>
    </message>
    <message>
        <source>Club name %1 exists already.</source>
        <translation>Vereinsname %1 ist schon vorhanden.</translation>
    </message>
    <message>
        <source>Delete the club %1? Races of %1 can no longer be saved until the club exists again.</source>
        <translation>Den Verein %1 löschen? Flüge von %1 können dann nicht mehr gespeichert werden, bis der Verein wieder besteht.</translation>
    </message>
    <message>
        <source>Set new liberate point find data entry error !</source>
        <translation>Fehler in den Angaben des Auflassorts!</translation>
    </message>
    <message>
        <source>This will delete the data ?</source>
        <translation>Damit werden die Daten gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>The clock reading &apos;%1&apos; of member %2 is not a valid date and time.</source>
        <translation>Der Uhrenstand &apos;%1&apos; von Mitglied %2 ist kein gültiges Datum mit Uhrzeit.</translation>
    </message>
    <message>
        <source>%1 character(s) that the file cannot hold were written as &quot;?&quot;.</source>
        <translation>%1 Zeichen, die die Datei nicht aufnehmen kann, wurden als „?“ geschrieben.</translation>
    </message>
    <message>
        <source>WinSpeed file (*.D00);;All files (*)</source>
        <translation>WinSpeed-Datei (*.D00);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Texe file (COTE.txt)</source>
        <translation>Textdatei (COTE.txt)</translation>
    </message>
    <message>
        <source>Texe file (RING.txt)</source>
        <translation>Textdatei (RING.txt)</translation>
    </message>
    <message>
        <source>Race Distance download success ！！</source>
        <translation>Flugentfernungen erfolgreich eingelesen！！</translation>
    </message>
    <message>
        <source>Choose the member first.</source>
        <translation>Wählen Sie zuerst das Mitglied.</translation>
    </message>
    <message>
        <source>Ring number &apos;%1&apos; is not a pigeon of this member.</source>
        <translation>Die Ringnummer &apos;%1&apos; ist keine Taube dieses Mitglieds.</translation>
    </message>
    <message>
        <source>The race %1 of %2 has no liberation time.</source>
        <translation>Der Flug %1 vom %2 hat keine Auflasszeit.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>Invalid character in %1 field in string %2</source>
        <translation>Ungültiges Zeichen im Feld %1 im Text %2</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Workflow</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>%1 ring number(s) longer than %2 characters were cut in the WinSpeed file: %3.</source>
        <translation>%1 Ringnummer(n) mit mehr als %2 Zeichen wurden in der WinSpeed-Datei gekürzt: %3.</translation>
    </message>
    <message>
        <source>
%1 became the same ring number %2 there.</source>
        <translation>
%1 wurden dort zur selben Ringnummer %2.</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
    <message>
        <source>
%1 line(s) name a loft that is not a member; their distances are stored for when the loft joins:
%2</source>
        <translation>
%1 Zeile(n) nennen einen Schlag, der kein Mitglied ist; die Entfernungen sind gespeichert, bis der Schlag beitritt:
%2</translation>
    </message>
    <message>
        <source>line %1 &quot;%2&quot;</source>
        <translation>Zeile %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The publish folder %1 does not exist.</source>
        <translation>Der Veröffentlichungsordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Publish folder</source>
        <translation>Veröffentlichungsordner</translation>
    </message>
    <message>
        <source>Published %1 of %2 to %3</source>
        <translation>%1 vom %2 veröffentlicht nach %3</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Recalculating %1 of %2 from the liberation at %3 changes %4 flying time(s), %5 speed(s) and %6 place(s) of %7 clocked bird(s).</source>
        <translation>Die Neuberechnung von %1 vom %2 ab dem Auflass um %3 ändert %4 Flugzeit(en), %5 Geschwindigkeit(en) und %6 Platzierung(en) von %7 gekonsteten Taube(n).</translation>
    </message>
    <message>
        <source>

Places that move:</source>
        <translation>

Plätze, die sich verschieben:</translation>
    </message>
    <message>
        <source>

Store these changes?</source>
        <translation>

Diese Änderungen speichern?</translation>
    </message>
    <message>
        <source>Provisional</source>
        <translation>Vorläufig</translation>
    </message>
    <message>
        <source>Final (locked %1)</source>
        <translation>Endgültig (gesperrt %1)</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is final (locked %3); its entries cannot be changed. Unlock it first, giving the reason.</source>
        <translation>Das Ergebnis des Flugs %1 vom %2 ist endgültig (gesperrt %3); seine Einsätze können nicht geändert werden. Entsperren Sie es zuerst und geben Sie den Grund an.</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is final already.</source>
        <translation>Das Ergebnis des Flugs %1 vom %2 ist bereits endgültig.</translation>
    </message>
    <message>
        <source>Give the reason for unlocking the result.</source>
        <translation>Geben Sie den Grund für das Entsperren des Ergebnisses an.</translation>
    </message>
    <message>
        <source>The result of race %1 of %2 is not final.</source>
        <translation>Das Ergebnis des Flugs %1 vom %2 ist nicht endgültig.</translation>
    </message>
    <message>
        <source>Race %1 of %2</source>
        <translation>Flug %1 vom %2</translation>
    </message>
    <message>
        <source>%1 ring numbers longer than %2 characters were cut in the WinSpeed file; %3 groups of them became one ring number there. The whole list is below.</source>
        <translation>%1 Ringnummern mit mehr als %2 Zeichen wurden in der WinSpeed-Datei gekürzt; %3 Gruppen davon wurden dort zu einer Ringnummer. Die vollständige Liste steht unten.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Distances : </source>
        <translation>Entfernungen: </translation>
    </message>
    <message>
        <source>WGS84 geodesic</source>
        <translation>WGS84-Geodäte</translation>
    </message>
    <message>
        <source>Flat (federation file rule)</source>
        <translation>Eben (Regel der Verbandsdateien)</translation>
    </message>
    <message>
        <source>from a distance file</source>
        <translation>aus einer Entfernungsdatei</translation>
    </message>
    <message>
        <source>Distances : the loft distances of %1, %2.</source>
        <translation>Entfernungen: die Schlagentfernungen von %1, %2.</translation>
    </message>
    <message>
        <source> The club&apos;s method is %1: update the loft distances first to recalculate with it.</source>
        <translation> Die Methode des Vereins ist %1: aktualisieren Sie zuerst die Schlagentfernungen, um damit neu zu berechnen.</translation>
    </message>
    <message>
        <source> (%1 clocked with earlier distances: not recalculated since)</source>
        <translation> (%1 mit früheren Entfernungen konstatiert: seitdem nicht neu berechnet)</translation>
    </message>
    <message>
        <source>result upload</source>
        <translation>Ankünfte lesen</translation>
    </message>
    <message>
        <source>marked upload</source>
        <translation>Einsetzen lesen</translation>
    </message>
    <message>
        <source>manual time</source>
        <translation>Handzeit</translation>
    </message>
    <message>
        <source>recalculation</source>
        <translation>Neuberechnung</translation>
    </message>
    <message>
        <source>import</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Final</source>
        <translation>Endgültig</translation>
    </message>
    <message>
        <source>A latitude cannot be beyond 90°: %1</source>
        <translation>Eine Breite kann nicht über 90° liegen: %1</translation>
    </message>
    <message>
        <source>A longitude cannot be beyond 180°: %1</source>
        <translation>Eine Länge kann nicht über 180° liegen: %1</translation>
    </message>
    <message>
        <source>Pasted: %1</source>
        <translation>Eingefügt: %1</translation>
    </message>
    <message>
        <source> (rounded half-up to hundredths of a second)</source>
        <translation> (auf Hundertstelsekunden gerundet)</translation>
    </message>
    <message>
        <source> (rounded half-up to whole seconds)</source>
        <translation> (auf ganze Sekunden gerundet)</translation>
    </message>
    <message>
        <source>. A coordinate with 0 degrees counts as not set: its distances stay 0.</source>
        <translation>. Eine Koordinate mit 0 Grad gilt als nicht gesetzt: ihre Entfernungen bleiben 0.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <extracomment>The published ranking&apos;s column titles: position, name, ring, sex, colour, clock time, flying time, (speed), clock variation, distance.</extracomment>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>S</source>
        <comment>sex</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>C</source>
        <comment>colour</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Konstatiert</translation>
    </message>
    <message>
        <source>Fly time</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Var</source>
        <translation>Abw.</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Ring %1 is stored with an arrival before the liberation: its flying time is %2 and it gets no speed. Check the date and time typed.</source>
        <translation>Ring %1 ist mit einer Ankunft vor dem Auflass gespeichert: seine Flugzeit ist %2, und er erhält keine Geschwindigkeit. Prüfen Sie das eingegebene Datum und die Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>ResultTab</name>
    <message>
        <source>Race Code :</source>
        <translation>Flugcode:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Fly Speed</source>
        <translation>Geschwindigkeit</translation>
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
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Pigeon</source>
        <translation>Taube</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Konstatiert</translation>
    </message>
    <message>
        <source>Flying Time</source>
        <translation>Flugzeit</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Please. Select Race Code !</source>
        <translation>Bitte wählen Sie einen Flugcode !</translation>
    </message>
</context>
<context>
    <name>SerialPorts</name>
    <message>
        <source>%1 - not found</source>
        <translation>%1 - nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to open com port %1</source>
        <translation>Der Anschluss %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>: permission denied: add your user to the group %1 (sudo usermod -aG %1 %2) and log in again.</source>
        <translation>: Zugriff verweigert: Fügen Sie Ihren Benutzer der Gruppe %1 hinzu (sudo usermod -aG %1 %2) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>: another program is using it. Close that program (or another window of this one) and try again.</source>
        <translation>: ein anderes Programm verwendet ihn. Schließen Sie dieses Programm (oder ein anderes Fenster dieses Programms) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>: there is no such port, and no serial port was found on this computer. Connect the club antenna, then choose its port in Setup.</source>
        <translation>: Diesen Anschluss gibt es nicht, und auf diesem Computer wurde kein serieller Anschluss gefunden. Schließen Sie die Vereinsantenne an und wählen Sie dann ihren Anschluss in den Einstellungen.</translation>
    </message>
    <message>
        <source>: there is no such port. The serial ports on this computer are: %1. Choose the antenna&apos;s port in Setup.</source>
        <translation>: Diesen Anschluss gibt es nicht. Die seriellen Anschlüsse dieses Computers sind: %1. Wählen Sie den Anschluss der Antenne in den Einstellungen.</translation>
    </message>
</context>
<context>
    <name>ServerAccess</name>
    <message>
        <source>This needs the federation&apos;s login.</source>
        <translation>Dafür ist die Anmeldung des Verbands nötig.</translation>
    </message>
</context>
<context>
    <name>ServerDatabase</name>
    <message>
        <source>The data source %1 is not a server address of the form postgresql://USER@HOST:PORT/DATABASE.</source>
        <translation>Die Datenquelle %1 ist keine Serveradresse der Form postgresql://USER@HOST:PORT/DATABASE.</translation>
    </message>
    <message>
        <source>The data source %1 holds a password. Keep the password in PGPASSWORD or ~/.pgpass, never in the data link file.</source>
        <translation>Die Datenquelle %1 enthält ein Passwort. Bewahren Sie das Passwort in PGPASSWORD oder ~/.pgpass auf, nie in der Verknüpfungsdatei.</translation>
    </message>
    <message>
        <source>The data source %1 names an unknown sslmode; use one of %2.</source>
        <translation>Die Datenquelle %1 nennt einen unbekannten sslmode; verwenden Sie einen von %2.</translation>
    </message>
    <message>
        <source>Another seat kept the club database busy for too long; nothing of this action was stored. Please try again when it has finished.</source>
        <translation>Ein anderer Arbeitsplatz hat die Vereinsdatenbank zu lange belegt; nichts von dieser Aktion wurde gespeichert. Bitte versuchen Sie es erneut, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>The row is stored already (another seat may have stored it first): %1.</source>
        <translation>Die Zeile ist bereits gespeichert (ein anderer Arbeitsplatz hat sie vielleicht zuerst gespeichert): %1.</translation>
    </message>
    <message>
        <source>Another seat changed the same rows at the same moment; nothing of this action was stored. Please try again.</source>
        <translation>Ein anderer Arbeitsplatz hat im selben Moment dieselben Zeilen geändert; nichts von dieser Aktion wurde gespeichert. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another seat has held these rows for too long; nothing of this action was stored. Please try again when it has finished.</source>
        <translation>Ein anderer Arbeitsplatz hat diese Zeilen zu lange gehalten; nichts von dieser Aktion wurde gespeichert. Bitte versuchen Sie es erneut, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>The database server took too long and the action was stopped; nothing of it was stored.</source>
        <translation>Der Datenbankserver hat zu lange gebraucht und die Aktion wurde abgebrochen; nichts davon wurde gespeichert.</translation>
    </message>
    <message>
        <source>The database server&apos;s disk is full; nothing of this action was stored. Ask whoever looks after the server to make room on it.</source>
        <translation>Die Festplatte des Datenbankservers ist voll; nichts von dieser Aktion wurde gespeichert. Bitten Sie die Person, die den Server betreut, dort Platz zu schaffen.</translation>
    </message>
    <message>
        <source>The connection to the database server was lost; nothing of this action was stored.</source>
        <translation>Die Verbindung zum Datenbankserver ist abgebrochen; nichts von dieser Aktion wurde gespeichert.</translation>
    </message>
    <message>
        <source>The database server refused the action.</source>
        <translation>Der Datenbankserver hat die Aktion abgelehnt.</translation>
    </message>
    <message>
        <source>The database server refused the action: %1.</source>
        <translation>Der Datenbankserver hat die Aktion abgelehnt: %1.</translation>
    </message>
    <message>
        <source>The database server %1 refused the user %2: the password is wrong or missing (give it in PGPASSWORD or ~/.pgpass).</source>
        <translation>Der Datenbankserver %1 hat den Benutzer %2 abgewiesen: das Passwort ist falsch oder fehlt (geben Sie es in PGPASSWORD oder ~/.pgpass an).</translation>
    </message>
    <message>
        <source>The database server %1 has no database %2.</source>
        <translation>Der Datenbankserver %1 hat keine Datenbank %2.</translation>
    </message>
    <message>
        <source>The database server %1 does not know the user %2.</source>
        <translation>Der Datenbankserver %1 kennt den Benutzer %2 nicht.</translation>
    </message>
    <message>
        <source>The database server %1 cannot be reached. Check that it runs and that the address in the data link file is right.</source>
        <translation>Der Datenbankserver %1 ist nicht erreichbar. Prüfen Sie, ob er läuft und ob die Adresse in der Verknüpfungsdatei stimmt.</translation>
    </message>
    <message>
        <source>The database server %1 refused an unprotected connection or could not be checked (sslmode %2): ask its administrator which protection it offers.</source>
        <translation>Der Datenbankserver %1 hat eine ungeschützte Verbindung abgelehnt oder konnte nicht geprüft werden (sslmode %2): Fragen Sie den Administrator, welchen Schutz er bietet.</translation>
    </message>
    <message>
        <source>This installation cannot reach a database server: the PostgreSQL driver of Qt (libqt6sql6-psql) is missing.</source>
        <translation>Diese Installation kann keinen Datenbankserver erreichen: Der PostgreSQL-Treiber von Qt (libqt6sql6-psql) fehlt.</translation>
    </message>
    <message>
        <source>The database server %1 could not be opened: %2.</source>
        <translation>Der Datenbankserver %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>it is not a zip archive</source>
        <translation>sie ist kein ZIP-Archiv</translation>
    </message>
    <message>
        <source>the part %1 is damaged</source>
        <translation>der Teil %1 ist beschädigt</translation>
    </message>
    <message>
        <source>it is protected with a password</source>
        <translation>sie ist mit einem Kennwort geschützt</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>entpackt ist sie größer als %1 MB</translation>
    </message>
    <message>
        <source>it holds more than %1 cells</source>
        <translation>sie enthält mehr als %1 Zellen</translation>
    </message>
    <message>
        <source>the part %1 is not readable XML</source>
        <translation>der Teil %1 ist kein lesbares XML</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a workbook: %2.</source>
        <translation>Die Datei „%1“ kann nicht als Arbeitsmappe gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; does not exist.</source>
        <translation>Die Arbeitsmappe „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Arbeitsmappe „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The workbook &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Arbeitsmappe „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>it has no workbook part</source>
        <translation>sie hat keinen Arbeitsmappenteil</translation>
    </message>
    <message>
        <source>it has no worksheet</source>
        <translation>sie hat kein Arbeitsblatt</translation>
    </message>
    <message>
        <source>a row number is out of range</source>
        <translation>eine Zeilennummer liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>the cell reference &quot;%1&quot; is out of range</source>
        <translation>der Zellbezug „%1“ liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>a cell refers to a missing text</source>
        <translation>eine Zelle verweist auf einen fehlenden Text</translation>
    </message>
    <message>
        <source>Data transfer error: </source>
        <translation>Fehler bei der Datenübertragung: </translation>
    </message>
    <message>
        <source>a row has %1 values for %2 columns</source>
        <translation>eine Zeile hat %1 Werte für %2 Spalten</translation>
    </message>
    <message>
        <source>%1 rows do not fit in one worksheet</source>
        <translation>%1 Zeilen passen nicht in ein Arbeitsblatt</translation>
    </message>
    <message>
        <source>%1 columns do not fit in one worksheet</source>
        <translation>%1 Spalten passen nicht in ein Arbeitsblatt</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder</source>
        <translation>„%1“ ist ein Ordner</translation>
    </message>
    <message>
        <source>the workbook could not be created</source>
        <translation>die Arbeitsmappe konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the worksheet could not be created</source>
        <translation>das Arbeitsblatt konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source> (cell %1)</source>
        <translation> (Zelle %1)</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation>%1 wird gespeichert</translation>
    </message>
</context>
<context>
    <name>SunDataPanel</name>
    <message>
        <source>Sunset / Sunrise</source>
        <translation>Sonnenuntergang / Sonnenaufgang</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SyncTab</name>
    <message>
        <source>Please connect your Tamrel to the Club Antenna (ring marker) , then click  &quot;Sync Now&quot;  
for a single clock or &quot;Auto Sync&quot; for multiple clock in a row.</source>
        <translation>Schließen Sie Ihre Tamrel an die Vereinsantenne (Ringleser) an und klicken Sie dann auf „Jetzt synchronisieren“
für eine Uhr oder auf „Automatisch synchronisieren“ für mehrere Uhren nacheinander.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Sync Auto</source>
        <translation>Automatisch synchronisieren</translation>
    </message>
</context>
<context>
    <name>TfrmFederation</name>
    <message>
        <source>Club files</source>
        <translation>Vereinsdateien</translation>
    </message>
    <message>
        <source>Club code :</source>
        <translation>Vereinscode:</translation>
    </message>
    <message>
        <source>Club name :</source>
        <translation>Vereinsname:</translation>
    </message>
    <message>
        <source>Import club files...</source>
        <translation>Vereinsdateien einlesen...</translation>
    </message>
    <message>
        <source>Combined result</source>
        <translation>Gemeinsames Ergebnis</translation>
    </message>
    <message>
        <source>Release :</source>
        <translation>Auflass:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Prize list of club :</source>
        <translation>Preisliste des Vereins:</translation>
    </message>
    <message>
        <source>Print prize list</source>
        <translation>Preisliste drucken</translation>
    </message>
    <message>
        <source>No club results yet: import a club&apos;s files.</source>
        <translation>Noch keine Vereinsergebnisse: lesen Sie die Dateien eines Vereins ein.</translation>
    </message>
    <message>
        <source>Pos.</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Loft</source>
        <translation>Schlag</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Clocked</source>
        <translation>Konstatiert</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>%1 %2 (%3 clocked)</source>
        <translation>%1 %2 (%3 konstatiert)</translation>
    </message>
    <message>
        <source>Not ranked, no distance to the site: %1</source>
        <translation>Nicht gewertet, keine Entfernung zum Auflassort: %1</translation>
    </message>
    <message>
        <source>Type the code of the club whose files these are.</source>
        <translation>Geben Sie den Code des Vereins ein, zu dem diese Dateien gehören.</translation>
    </message>
    <message>
        <source>Club result files (*.xlsx *.D00 *.d00 *.txt);;All files (*)</source>
        <translation>Ergebnisdateien der Vereine (*.xlsx *.D00 *.d00 *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Einlesen</translation>
    </message>
    <message>
        <source>Club %1: %2 race(s), %3 bird(s) and %4 new loft(s) stored; %5 bird(s) left out.</source>
        <translation>Verein %1: %2 Flug/Flüge, %3 Taube(n) und %4 neue(r) Schlag/Schläge gespeichert; %5 Taube(n) weggelassen.</translation>
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
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Last synchronised</source>
        <translation>Zuletzt synchronisiert</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (heute)</translation>
    </message>
    <message>
        <source> (tomorrow)</source>
        <translation> (morgen)</translation>
    </message>
    <message>
        <source> (yesterday)</source>
        <translation> (gestern)</translation>
    </message>
    <message>
        <source>%1, liberation %2</source>
        <translation>%1, Auflass %2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht festgelegt</translation>
    </message>
    <message>
        <source>Birds marked: %1, arrived: %2</source>
        <translation>Tauben eingesetzt: %1, angekommen: %2</translation>
    </message>
    <message>
        <source>Clocks read: %1 for marking, %2 after the race</source>
        <translation>Uhren ausgelesen: %1 beim Einsetzen, %2 nach dem Flug</translation>
    </message>
    <message>
        <source>Birds marked: %1</source>
        <translation>Tauben eingesetzt: %1</translation>
    </message>
    <message>
        <source>Clocks read for marking: %1</source>
        <translation>Uhren beim Einsetzen ausgelesen: %1</translation>
    </message>
    <message>
        <source>No clock has been synchronised yet.</source>
        <translation>Es wurde noch keine Uhr synchronisiert.</translation>
    </message>
    <message>
        <source>No race ahead to send to the clocks.</source>
        <translation>Kein kommender Flug, der an die Uhren zu senden ist.</translation>
    </message>
    <message>
        <source>Race list last changed %1.</source>
        <translation>Flugliste zuletzt geändert am %1.</translation>
    </message>
    <message>
        <source>Synchronised since: %1 of %2 clocks</source>
        <translation>Seitdem synchronisiert: %1 von %2 Uhren</translation>
    </message>
    <message>
        <source>Still to synchronise: %1</source>
        <translation>Noch zu synchronisieren: %1</translation>
    </message>
    <message>
        <source>No backup has been made yet.</source>
        <translation>Es wurde noch keine Sicherung erstellt.</translation>
    </message>
    <message>
        <source>Last backup holds the data of %1.</source>
        <translation>Die letzte Sicherung enthält die Daten vom %1.</translation>
    </message>
    <message>
        <source>It is older than the backup age (%1 days) and the data has changed since: start the program again or make a backup in Setup.</source>
        <translation>Sie ist älter als das Höchstalter (%1 Tage), und die Daten haben sich seitdem geändert: Starten Sie das Programm neu oder sichern Sie in den Einstellungen.</translation>
    </message>
    <message>
        <source>Next race</source>
        <translation>Nächster Flug</translation>
    </message>
    <message>
        <source>Last race</source>
        <translation>Letzter Flug</translation>
    </message>
    <message>
        <source>Races</source>
        <translation>Flüge</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>Clock Operation</source>
        <translation>Uhrenbedienung</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>No race ahead.</source>
        <translation>Kein kommender Flug.</translation>
    </message>
    <message>
        <source>No race flown yet.</source>
        <translation>Noch kein Flug geflogen.</translation>
    </message>
    <message>
        <source>Still to synchronise: %1 clocks</source>
        <translation>Noch zu synchronisieren: %1 Uhren</translation>
    </message>
</context>
<context>
    <name>TfrmMember_TC</name>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Member New Add</source>
        <translation>Neues Mitglied</translation>
    </message>
    <message>
        <source>Member Edit Update</source>
        <translation>Mitglied bearbeiten</translation>
    </message>
    <message>
        <source>%1&apos;s Ring List</source>
        <translation>Ringe von %1</translation>
    </message>
    <message>
        <source>The member form holds changes that are not saved. Save them?</source>
        <translation>Das Mitgliedsformular enthält nicht gespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>The ring form holds changes that are not saved. Save them?</source>
        <translation>Das Ringformular enthält nicht gespeicherte Änderungen. Speichern?</translation>
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
        <translation>&amp;U Uhrenbedienung</translation>
    </message>
    <message>
        <source>&amp;M Member</source>
        <translation>&amp;M Mitglieder</translation>
    </message>
    <message>
        <source>&amp;R Races</source>
        <translation>&amp;F Flüge</translation>
    </message>
    <message>
        <source>&amp;S Setup</source>
        <translation>&amp;E Einstellungen</translation>
    </message>
    <message>
        <source>Kestrava Club Management V8</source>
        <translation>Kestrava Vereinsverwaltung V8</translation>
    </message>
    <message>
        <source>Access DB Backup Now, Please. Wait !</source>
        <translation>Die Datenbank wird jetzt gesichert. Bitte warten!</translation>
    </message>
    <message>
        <source>&amp;F Federation</source>
        <translation>&amp;V Verband</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Backup of the club database running...</source>
        <translation>Sicherung der Vereinsdatenbank läuft...</translation>
    </message>
    <message>
        <source>Backup of the club database made.</source>
        <translation>Sicherung der Vereinsdatenbank erstellt.</translation>
    </message>
    <message>
        <source>The backup of the club database failed: %1</source>
        <translation>Die Sicherung der Vereinsdatenbank ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>TfrmRace</name>
    <message>
        <source>Edit Point</source>
        <translation>Flug bearbeiten</translation>
    </message>
    <message>
        <source>Delete Point</source>
        <translation>Flug löschen</translation>
    </message>
    <message>
        <source>Distance </source>
        <translation>Entfernungen </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Add/Edit other Clock</source>
        <translation>Andere Uhr hinzufügen/ändern</translation>
    </message>
    <message>
        <source>Distance download</source>
        <translation>Entfernungen einlesen</translation>
    </message>
    <message>
        <source>Generate WinSpeed File</source>
        <translation>WinSpeed-Datei erstellen</translation>
    </message>
    <message>
        <source>Generate SMS Text File</source>
        <translation>SMS-Textdateien erstellen</translation>
    </message>
    <message>
        <source>Federation</source>
        <translation>Verband</translation>
    </message>
    <message>
        <source>Pools</source>
        <translation>Pools</translation>
    </message>
    <message>
        <source>Championships</source>
        <translation>Meisterschaften</translation>
    </message>
</context>
<context>
    <name>TfrmSetup</name>
    <message>
        <source>This seat :</source>
        <translation>Dieser Platz:</translation>
    </message>
    <message>
        <source>Seat name :</source>
        <translation>Name des Platzes:</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Club address :</source>
        <translation>Vereinsanschrift:</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Club Abbreviation :</source>
        <translation>Vereinskürzel:</translation>
    </message>
    <message>
        <source>Street :</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Town/City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Post Code :</source>
        <translation>Postleitzahl:</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Verband:</translation>
    </message>
    <message>
        <source>System datail :</source>
        <translation>Systemangaben:</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Program Version :</source>
        <translation>Programmversion:</translation>
    </message>
    <message>
        <source>Kestrava V6  Version :</source>
        <translation>Kestrava-V6-Version:</translation>
    </message>
    <message>
        <source>Backup databases :</source>
        <translation>Datensicherung:</translation>
    </message>
    <message>
        <source>Load Backup</source>
        <translation>Sicherung laden</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>What is the maximum age</source>
        <translation>Wie alt darf die</translation>
    </message>
    <message>
        <source>of the databases backup ? </source>
        <translation>Datensicherung höchstens sein? </translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Printer support :</source>
        <translation>Drucken:</translation>
    </message>
    <message>
        <source>Copies :</source>
        <translation>Exemplare:</translation>
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
        <translation>Das Programm verwendet die hier gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Club antenna :</source>
        <translation>Vereinsantenne:</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Serial port :</source>
        <translation>Serieller Anschluss:</translation>
    </message>
    <message>
        <source>Distance method :</source>
        <translation>Entfernungsmethode:</translation>
    </message>
    <message>
        <source>Flat (federation file rule)</source>
        <translation>Eben (Regel der Verbandsdateien)</translation>
    </message>
    <message>
        <source>WGS84 geodesic</source>
        <translation>WGS84-Geodäte</translation>
    </message>
    <message>
        <source>Copy to server...</source>
        <translation>Auf Server kopieren...</translation>
    </message>
    <message>
        <source>Copy to file...</source>
        <translation>In Datei kopieren...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Members whose results all lie before these seasons are shown under neutral labels from the next start. 0 keeps every season with names.</source>
        <translation>Mitglieder, deren Ergebnisse alle vor diesen Saisons liegen, werden ab dem nächsten Start unter neutralen Bezeichnungen gezeigt. 0 behält jede Saison mit Namen.</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>&amp;Größere Schrift</translation>
    </message>
    <message>
        <source>Seasons kept with names (0 = all) :</source>
        <translation>Saisons mit Namen behalten (0 = alle) :</translation>
    </message>
</context>
<context>
    <name>TfrmSynch_TC</name>
    <message>
        <source>Clock Operation</source>
        <translation>Uhrenbedienung</translation>
    </message>
    <message>
        <source>Synchronise Clock</source>
        <translation>Uhr synchronisieren</translation>
    </message>
    <message>
        <source>Marked Upload</source>
        <translation>Einsatz auslesen</translation>
    </message>
    <message>
        <source>Result Upload</source>
        <translation>Ergebnis auslesen</translation>
    </message>
</context>
<context>
    <name>ChampionshipDefinition</name>
    <message>
        <source>A championship needs a name.</source>
        <translation>Eine Meisterschaft braucht einen Namen.</translation>
    </message>
    <message>
        <source>Championship %1 needs a table of points by place.</source>
        <translation>Die Meisterschaft %1 braucht eine Punktetabelle nach Platz.</translation>
    </message>
    <message>
        <source>The points of championship %1 cannot be negative.</source>
        <translation>Die Punkte der Meisterschaft %1 dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>The numbers of races of championship %1 cannot be negative.</source>
        <translation>Die Anzahl der Flüge der Meisterschaft %1 darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>Championship %1 counts the best %2 of %3 races: the best cannot be more than the races.</source>
        <translation>Die Meisterschaft %1 wertet die besten %2 von %3 Flügen: die besten können nicht mehr sein als die Flüge.</translation>
    </message>
</context>
<context>
    <name>PoolDefinition</name>
    <message>
        <source>A pool needs a name.</source>
        <translation>Ein Pool braucht einen Namen.</translation>
    </message>
    <message>
        <source>Pool %1 needs a stake of more than 0.00 per bird.</source>
        <translation>Der Pool %1 braucht einen Einsatz von mehr als 0.00 je Taube.</translation>
    </message>
    <message>
        <source>The prize split of pool %1 adds up to %2 %, not 100 %.</source>
        <translation>Die Preisverteilung des Pools %1 ergibt %2 %, nicht 100 %.</translation>
    </message>
    <message>
        <source>Pool %1 pays one prize per how many birds? Give a number of 1 or more.</source>
        <translation>Pool %1 zahlt einen Preis auf wie viele Tauben? Geben Sie eine Zahl ab 1 an.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to less than 100 %.</source>
        <translation>Der Abzug des Pools %1 muss zwischen 0 und weniger als 100 % liegen.</translation>
    </message>
    <message>
        <source>The nominated birds counted in pool %1 cannot be negative.</source>
        <translation>Die gezählten nominierten Tauben im Pool %1 dürfen nicht negativ sein.</translation>
    </message>
    <message>
        <source>The stake of pool %1 cannot be negative.</source>
        <translation>Der Einsatz des Pools %1 darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>The deduction of pool %1 must lie from 0 to 100 %.</source>
        <translation>Der Abzug des Pools %1 muss zwischen 0 und 100 % liegen.</translation>
    </message>
</context>
<context>
    <name>Qt</name>
    <message>
        <source>Printed :</source>
        <translation>Gedruckt:</translation>
    </message>
</context>
<context>
    <name>LiveBoard</name>
    <message>
        <source>The live board could not start on port %1: %2</source>
        <translation>Die Live-Tafel konnte auf Port %1 nicht starten: %2</translation>
    </message>
    <message>
        <source>The live board cannot read the club&apos;s data: %1</source>
        <translation>Die Live-Tafel kann die Daten des Vereins nicht lesen: %1</translation>
    </message>
</context>
<context>
    <name>LiveHomePanel</name>
    <message>
        <source>Live board</source>
        <translation>Live-Tafel</translation>
    </message>
    <message>
        <source>Members follow the arrivals at %1 (club-room screen: %1screen).</source>
        <translation>Die Mitglieder verfolgen die Ankünfte unter %1 (Bildschirm im Vereinslokal: %1screen).</translation>
    </message>
    <message>
        <source>Off. Switch it on in Setup to show the arrivals on the club&apos;s network.</source>
        <translation>Aus. In der Einrichtung einschalten, um die Ankünfte im Netz des Vereins zu zeigen.</translation>
    </message>
    <message>
        <source>QR code of %1</source>
        <translation>QR-Code von %1</translation>
    </message>
</context>
<context>
    <name>LiveSetupBox</name>
    <message>
        <source>Live board :</source>
        <translation>Live-Tafel :</translation>
    </message>
    <message>
        <source>Show the arrivals live to members</source>
        <translation>Die Ankünfte den Mitgliedern live zeigen</translation>
    </message>
    <message>
        <source>The club&apos;s network</source>
        <translation>Das Netz des Vereins</translation>
    </message>
    <message>
        <source>This PC only</source>
        <translation>Nur dieser PC</translation>
    </message>
    <message>
        <source>The race being read</source>
        <translation>Das Rennen, das gerade gelesen wird</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Listen on :</source>
        <translation>Lauschen auf :</translation>
    </message>
    <message>
        <source>Race shown :</source>
        <translation>Gezeigtes Rennen :</translation>
    </message>
</context>
</TS>
