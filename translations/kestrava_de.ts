<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ClockOperation</name>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-Datei (*.xlsx)</translation>
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
        <source>The PDF file &quot;%1&quot; could not be written.</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden.</translation>
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
</context>
<context>
    <name>Data</name>
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
    <name>Members</name>
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
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
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
</context>
<context>
    <name>TfrmMember_TC</name>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
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
        <source>Add a Range</source>
        <translation>Serie hinzufügen</translation>
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
        <source>Member New Add</source>
        <translation>Neues Mitglied</translation>
    </message>
    <message>
        <source>Member Edit Update</source>
        <translation>Mitglied bearbeiten</translation>
    </message>
    <message>
        <source>%1&apos;s Clock List</source>
        <translation>Uhren von %1</translation>
    </message>
    <message>
        <source>%1&apos;s Ring List</source>
        <translation>Ringe von %1</translation>
    </message>
    <message>
        <source>Excel File (*.xlsx)</source>
        <translation>Excel-Datei (*.xlsx)</translation>
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
</context>
<context>
    <name>TfrmSetup</name>
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
</TS>
