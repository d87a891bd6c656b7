<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en">
<context>
    <name>DeviceOperationsController</name>
    <message>
        <source>Unable to connect to the device.</source>
        <translation>Nepavyko prisijungti prie įrenginio.</translation>
    </message>
    <message>
        <source>Unable to open COM port!</source>
        <translation>Nepavyko atidaryti COM prievado!</translation>
    </message>
    <message>
        <source>Connecting to device...</source>
        <translation>Jungiamasi prie įrenginio...</translation>
    </message>
    <message>
        <source>Reading data from device...</source>
        <translation>Skaitomi duomenys iš įrenginio...</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>KLAIDA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>The serial port is not available. Please choose the port with &quot;Configure Port...&quot;.</source>
        <translation>Nuoseklusis prievadas nepasiekiamas. Pasirinkite prievadą mygtuku „Prievado nustatymai...“.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Pranešimas</translation>
    </message>
    <message>
        <source>Unable to start reading process! Please check connection to the device.</source>
        <translation>Nepavyko pradėti skaitymo! Patikrinkite ryšį su įrenginiu.</translation>
    </message>
    <message>
        <source>There was failure while reading data from device!</source>
        <translation>Nepavyko nuskaityti duomenų iš įrenginio!</translation>
    </message>
    <message>
        <source>There was error while reading from device!</source>
        <translation>Klaida skaitant iš įrenginio!</translation>
    </message>
    <message>
        <source>The file You are trying to load to device ( %1 ) is empty or uncomplete!</source>
        <translation>Failas, kurį bandote įrašyti į įrenginį ( %1 ), yra tuščias arba nepilnas!</translation>
    </message>
    <message>
        <source>Prepearing to write data to device...</source>
        <translation>Ruošiamasi įrašyti duomenis į įrenginį...</translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Duomenys įrašomi į įrenginį...</translation>
    </message>
    <message>
        <source>Unable to start writing process! Please check connection to the device.</source>
        <translation>Nepavyko pradėti įrašymo! Patikrinkite ryšį su įrenginiu.</translation>
    </message>
    <message>
        <source>Unable to connect to the device!</source>
        <translation>Nepavyko prisijungti prie įrenginio!</translation>
    </message>
    <message>
        <source>There was error while connecting to the device!</source>
        <translation>Klaida jungiantis prie įrenginio!</translation>
    </message>
    <message>
        <source>There was error while writing to device!</source>
        <translation>Klaida įrašant į įrenginį!</translation>
    </message>
</context>
<context>
    <name>FileOperationsController</name>
    <message>
        <source>Write To File</source>
        <translation>Įrašyti į failą</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Pranešimas</translation>
    </message>
    <message>
        <source>File containing saved phone numbers was not found (looking for: %1). <byte value="xd"/>
<byte value="xd"/>
Empty file was created.</source>
        <translation>Failas su išsaugotais telefonų numeriais nerastas (ieškota: %1). <byte value="xd"/>
<byte value="xd"/>
Sukurtas tuščias failas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Load From File</source>
        <translation>Įkelti iš failo</translation>
    </message>
    <message>
        <source>Switch Current Work File</source>
        <translation>Keisti darbo failą</translation>
    </message>
</context>
<context>
    <name>app::ExceptionBox</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nepavyko įrašyti į %1</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Write To Device</source>
        <translation>Įrašyti į įrenginį</translation>
    </message>
    <message>
        <source>Current work file</source>
        <translation>Dabartinis darbo failas</translation>
    </message>
    <message>
        <source>Relay Settings</source>
        <translation>Relės nustatymai</translation>
    </message>
    <message>
        <source>Relay &amp;Timeout (ms)</source>
        <translation>Relės &amp;trukmė (ms)</translation>
    </message>
    <message>
        <source>Enable E&amp;xternal Disconnection </source>
        <translation>Leisti iš&amp;orinį atjungimą </translation>
    </message>
    <message>
        <source>Phones</source>
        <translation>Telefonai</translation>
    </message>
    <message>
        <source>&amp;Load From File...</source>
        <translation>Įkelti iš &amp;failo...</translation>
    </message>
    <message>
        <source>&amp;Write To File...</source>
        <translation>Į&amp;rašyti į failą...</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into user selected file</source>
        <translation>Įrašo visus numerius ir parametrus į pasirinktą failą</translation>
    </message>
    <message>
        <source>Load From &amp;Device</source>
        <translation>&amp;Skaityti iš įrenginio</translation>
    </message>
    <message>
        <source>Reads all phone numbers and parameters from device without saving them into current parameters file</source>
        <translation>Nuskaito visus telefonų numerius ir parametrus iš įrenginio, neįrašydama jų į dabartinį parametrų failą</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into device and current phonebook file</source>
        <translation>Įrašo visus numerius ir parametrus į įrenginį ir į dabartinį telefonų knygelės failą</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Valyti viską</translation>
    </message>
    <message>
        <source>Clears all parameters (in program window only)</source>
        <translation>Išvalo visus parametrus (tik programos lange)</translation>
    </message>
    <message>
        <source>Configure &amp;Port...</source>
        <translation>&amp;Prievado nustatymai...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>KAL Phone Book Files (*.kalc)</source>
        <translation>KAL telefonų knygelės failai (*.kalc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Visi failai (*)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Ieškoti...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importuoti CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Eksportuoti CSV...</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV failai (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Eksportuoti CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importuoti CSV</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Neįrašyti pakeitimai</translation>
    </message>
    <message>
        <source>The phone book has changes that are not in its file:
%1

Save them before closing?</source>
        <translation>Telefonų knygelėje yra pakeitimų, kurių nėra jos faile:
%1

Įrašyti juos prieš užveriant?</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportReportDialog</name>
    <message>
        <source>header, skipped</source>
        <translation>antraštė, praleista</translation>
    </message>
    <message>
        <source>empty, skipped</source>
        <translation>tuščia, praleista</translation>
    </message>
    <message>
        <source>good</source>
        <translation>tinkama</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>pakeista</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>atmesta</translation>
    </message>
    <message>
        <source>only digits and a leading + are allowed</source>
        <translation>leidžiami tik skaitmenys ir + pradžioje</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>daugiau nei 15 simbolių</translation>
    </message>
    <message>
        <source>too short (at least 2 characters)</source>
        <translation>per trumpas (bent 2 simboliai)</translation>
    </message>
    <message>
        <source>the slot is not between 0 and 499</source>
        <translation>vieta ne tarp 0 ir 499</translation>
    </message>
    <message>
        <source>expected &quot;slot,number&quot;</source>
        <translation>laukta „slot,number“</translation>
    </message>
    <message>
        <source>more than 500 numbers</source>
        <translation>daugiau nei 500 numerių</translation>
    </message>
    <message>
        <source>Line %1: slot %2 also on line %3; both numbers kept</source>
        <translation>Eilutė %1: vieta %2 taip pat eilutėje %3; palikti abu numeriai</translation>
    </message>
    <message>
        <source>Line %1: %2 may have lost a leading &quot;%3&quot; (most numbers have %4 characters starting with &quot;%3&quot;); imported as it stands</source>
        <translation>Eilutė %1: numeriui %2 galbūt trūksta pradinio „%3“ (daugumos numerių ilgis %4, pradžia „%3“); importuotas nepakeistas</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importuoti CSV</translation>
    </message>
    <message>
        <source>%1: %2 good, %3 changed, %4 refused.
Import replaces the phone list with the %5 good and changed numbers; the relay time-out and the switch stay.</source>
        <translation>%1: tinkamų: %2, pakeistų: %3, atmestų: %4.
„Importuoti“ pakeičia telefonų sąrašą tinkamais ir pakeistais numeriais (%5); relės trukmė ir išorinis atjungimas lieka.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuoti</translation>
    </message>
    <message>
        <source>Duplicates and warnings:</source>
        <translation>Dublikatai ir įspėjimai:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Eilutė</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>Faile</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultatas</translation>
    </message>
    <message>
        <source>Imported as / why not</source>
        <translation>Importuota kaip / kodėl ne</translation>
    </message>
    <message>
        <source>%1 would stand in %2 slots (lines %3)</source>
        <translation>%1 užimtų vietų: %2 (eilutės %3)</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Nėra.</translation>
    </message>
</context>
<context>
    <name>dialogs::PortSetupDialog</name>
    <message>
        <source>Port</source>
        <translation>Prievadas</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Sparta (bit/s)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Duomenų bitai</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stabdymo bitai</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Lyginumas</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Srauto valdymas</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Prievado nustatymai</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Nustatymai </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>phonelist::FindBar</name>
    <message>
        <source>Find number</source>
        <translation>Ieškoti numerio</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nerasta</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneBookHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuliuoti</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Perdaryti</translation>
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
        <translation>Telefono numeris</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopijuoti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Įk&amp;lijuoti</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Naikinti</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Žymėti &amp;viską</translation>
    </message>
    <message>
        <source>Lines not pasted: %1</source>
        <translation>Neįklijuotų eilučių: %1</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot;: %3</source>
        <translation>Eilutė %1: „%2“: %3</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... ir dar %1 (žr. „Išsamiau…“)</translation>
    </message>
    <message>
        <source>Numbers that did not fit past slot 499: %1</source>
        <translation>Netilpusių numerių (po vietos 499): %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Įklijuoti</translation>
    </message>
    <message>
        <source>also in slot %1</source>
        <translation>taip pat vietoje %1</translation>
    </message>
    <message>
        <source>Numbers: %1, duplicates: %2</source>
        <translation>Numerių: %1, dublikatų: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tuščia</translation>
    </message>
    <message>
        <source>one character only</source>
        <translation>tik vienas simbolis</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>daugiau nei 15 simbolių</translation>
    </message>
    <message>
        <source>not a phone number</source>
        <translation>ne telefono numeris</translation>
    </message>
</context>
<context>
    <name>phonelist::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>Nuo 0 iki %1 ms</translation>
    </message>
</context>
</TS>
