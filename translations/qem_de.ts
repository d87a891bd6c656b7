<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>DeviceOperationsController</name>
    <message>
        <source>Unable to connect to the device.</source>
        <translation>Keine Verbindung zum Gerät möglich.</translation>
    </message>
    <message>
        <source>Unable to open COM port!</source>
        <translation>COM-Port kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Connecting to device...</source>
        <translation>Verbindung zum Gerät wird hergestellt...</translation>
    </message>
    <message>
        <source>Reading data from device...</source>
        <translation>Daten werden aus dem Gerät gelesen...</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The serial port is not available. Please choose the port with &quot;Configure Port...&quot;.</source>
        <translation>Der serielle Port ist nicht verfügbar. Bitte wählen Sie den Port mit „Port einstellen...“.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Unable to start reading process! Please check connection to the device.</source>
        <translation>Lesen kann nicht gestartet werden! Bitte prüfen Sie die Verbindung zum Gerät.</translation>
    </message>
    <message>
        <source>There was failure while reading data from device!</source>
        <translation>Das Lesen der Daten aus dem Gerät ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>There was error while reading from device!</source>
        <translation>Fehler beim Lesen aus dem Gerät!</translation>
    </message>
    <message>
        <source>The file You are trying to load to device ( %1 ) is empty or uncomplete!</source>
        <translation>Die Datei, die Sie in das Gerät laden wollen ( %1 ), ist leer oder unvollständig!</translation>
    </message>
    <message>
        <source>Prepearing to write data to device...</source>
        <translation>Schreiben in das Gerät wird vorbereitet...</translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Daten werden in das Gerät geschrieben...</translation>
    </message>
    <message>
        <source>Unable to start writing process! Please check connection to the device.</source>
        <translation>Schreiben kann nicht gestartet werden! Bitte prüfen Sie die Verbindung zum Gerät.</translation>
    </message>
    <message>
        <source>Unable to connect to the device!</source>
        <translation>Keine Verbindung zum Gerät möglich!</translation>
    </message>
    <message>
        <source>There was error while connecting to the device!</source>
        <translation>Fehler beim Verbinden mit dem Gerät!</translation>
    </message>
    <message>
        <source>There was error while writing to device!</source>
        <translation>Fehler beim Schreiben in das Gerät!</translation>
    </message>
</context>
<context>
    <name>FileOperationsController</name>
    <message>
        <source>Write To File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>File containing saved phone numbers was not found (looking for: %1). <byte value="xd"/>
<byte value="xd"/>
Empty file was created.</source>
        <translation>Die Datei mit den gespeicherten Telefonnummern wurde nicht gefunden (gesucht: %1). <byte value="xd"/>
<byte value="xd"/>
Eine leere Datei wurde angelegt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load From File</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>Switch Current Work File</source>
        <translation>Arbeitsdatei wechseln</translation>
    </message>
</context>
<context>
    <name>app::ExceptionBox</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Write To Device</source>
        <translation>In Gerät schreiben</translation>
    </message>
    <message>
        <source>Current work file</source>
        <translation>Aktuelle Arbeitsdatei</translation>
    </message>
    <message>
        <source>Relay Settings</source>
        <translation>Relaiseinstellungen</translation>
    </message>
    <message>
        <source>Relay &amp;Timeout (ms)</source>
        <translation>Relais-&amp;Zeitlimit (ms)</translation>
    </message>
    <message>
        <source>Enable E&amp;xternal Disconnection </source>
        <translation>E&amp;xterne Abschaltung zulassen </translation>
    </message>
    <message>
        <source>Phones</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>&amp;Load From File...</source>
        <translation>Aus Datei &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Write To File...</source>
        <translation>In Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into user selected file</source>
        <translation>Schreibt alle Nummern und Parameter in eine Datei Ihrer Wahl</translation>
    </message>
    <message>
        <source>Load From &amp;Device</source>
        <translation>Aus &amp;Gerät laden</translation>
    </message>
    <message>
        <source>Reads all phone numbers and parameters from device without saving them into current parameters file</source>
        <translation>Liest alle Telefonnummern und Parameter aus dem Gerät, ohne sie in der aktuellen Parameterdatei zu speichern</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into device and current phonebook file</source>
        <translation>Schreibt alle Nummern und Parameter in das Gerät und in die aktuelle Telefonbuchdatei</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Alles löschen</translation>
    </message>
    <message>
        <source>Clears all parameters (in program window only)</source>
        <translation>Löscht alle Parameter (nur im Programmfenster)</translation>
    </message>
    <message>
        <source>Configure &amp;Port...</source>
        <translation>&amp;Port einstellen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>KAL Phone Book Files (*.kalc)</source>
        <translation>KAL-Telefonbuchdateien (*.kalc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The phone book has changes that are not in its file:
%1

Save them before closing?</source>
        <translation>Das Telefonbuch hat Änderungen, die nicht in seiner Datei stehen:
%1

Vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportReportDialog</name>
    <message>
        <source>header, skipped</source>
        <translation>Kopfzeile, übersprungen</translation>
    </message>
    <message>
        <source>empty, skipped</source>
        <translation>leer, übersprungen</translation>
    </message>
    <message>
        <source>good</source>
        <translation>gültig</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>only digits and a leading + are allowed</source>
        <translation>nur Ziffern und ein führendes + erlaubt</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>länger als 15 Zeichen</translation>
    </message>
    <message>
        <source>too short (at least 2 characters)</source>
        <translation>zu kurz (mindestens 2 Zeichen)</translation>
    </message>
    <message>
        <source>the slot is not between 0 and 499</source>
        <translation>Platz nicht zwischen 0 und 499</translation>
    </message>
    <message>
        <source>expected &quot;slot,number&quot;</source>
        <translation>erwartet: „slot,number“</translation>
    </message>
    <message>
        <source>more than 500 numbers</source>
        <translation>mehr als 500 Nummern</translation>
    </message>
    <message>
        <source>Line %1: slot %2 also on line %3; both numbers kept</source>
        <translation>Zeile %1: Platz %2 auch in Zeile %3; beide Nummern behalten</translation>
    </message>
    <message>
        <source>Line %1: %2 may have lost a leading &quot;%3&quot; (most numbers have %4 characters starting with &quot;%3&quot;); imported as it stands</source>
        <translation>Zeile %1: %2 hat vielleicht ein führendes „%3“ verloren (die meisten Nummern haben %4 Zeichen und beginnen mit „%3“); unverändert importiert</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>%1: %2 good, %3 changed, %4 refused.
Import replaces the phone list with the %5 good and changed numbers; the relay time-out and the switch stay.</source>
        <translation>%1: %2 gültig, %3 geändert, %4 abgelehnt.
„Importieren“ ersetzt die Telefonliste durch die %5 gültigen und geänderten Nummern; Relais-Zeitlimit und externe Abschaltung bleiben.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Duplicates and warnings:</source>
        <translation>Duplikate und Warnungen:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>In der Datei</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Imported as / why not</source>
        <translation>Importiert als / warum nicht</translation>
    </message>
    <message>
        <source>%1 would stand in %2 slots (lines %3)</source>
        <translation>%1 stünde auf %2 Plätzen (Zeilen %3)</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Keine.</translation>
    </message>
</context>
<context>
    <name>dialogs::PortSetupDialog</name>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Port einstellen</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Einstellungen </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>phonelist::FindBar</name>
    <message>
        <source>Find number</source>
        <translation>Nummer suchen</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneBookHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Lines not pasted: %1</source>
        <translation>Nicht eingefügte Zeilen: %1</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot;: %3</source>
        <translation>Zeile %1: „%2“: %3</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... und %1 weitere (siehe Details)</translation>
    </message>
    <message>
        <source>Numbers that did not fit past slot 499: %1</source>
        <translation>Nummern ohne Platz nach Platz 499: %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>also in slot %1</source>
        <translation>auch auf Platz %1</translation>
    </message>
    <message>
        <source>Numbers: %1, duplicates: %2</source>
        <translation>Nummern: %1, doppelt: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>one character only</source>
        <translation>nur ein Zeichen</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>länger als 15 Zeichen</translation>
    </message>
    <message>
        <source>not a phone number</source>
        <translation>keine Telefonnummer</translation>
    </message>
</context>
<context>
    <name>phonelist::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>0 bis %1 ms</translation>
    </message>
</context>
</TS>
