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
    <name>phonebook::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
</context>
<context>
    <name>phonebook::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>0 bis %1 ms</translation>
    </message>
</context>
</TS>
