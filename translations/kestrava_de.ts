<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
