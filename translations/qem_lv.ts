<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en">
<context>
    <name>DeviceOperationsController</name>
    <message>
        <source>Unable to connect to the device.</source>
        <translation>Neizdevās savienoties ar iekārtu.</translation>
    </message>
    <message>
        <source>Unable to open COM port!</source>
        <translation>Neizdevās atvērt COM portu!</translation>
    </message>
    <message>
        <source>Connecting to device...</source>
        <translation>Savienojas ar iekārtu...</translation>
    </message>
    <message>
        <source>Reading data from device...</source>
        <translation>Nolasa datus no iekārtas...</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>KĻŪDA</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>The serial port is not available. Please choose the port with &quot;Configure Port...&quot;.</source>
        <translation>Seriālais ports nav pieejams. Izvēlieties portu ar pogu „Porta iestatījumi...”.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informācija</translation>
    </message>
    <message>
        <source>Unable to start reading process! Please check connection to the device.</source>
        <translation>Neizdevās sākt nolasīšanu! Pārbaudiet savienojumu ar iekārtu.</translation>
    </message>
    <message>
        <source>There was failure while reading data from device!</source>
        <translation>Neizdevās nolasīt datus no iekārtas!</translation>
    </message>
    <message>
        <source>There was error while reading from device!</source>
        <translation>Kļūda, nolasot no iekārtas!</translation>
    </message>
    <message>
        <source>The file You are trying to load to device ( %1 ) is empty or uncomplete!</source>
        <translation>Datne, ko mēģināt ierakstīt iekārtā ( %1 ), ir tukša vai nepilnīga!</translation>
    </message>
    <message>
        <source>Prepearing to write data to device...</source>
        <translation>Gatavojas ierakstīt datus iekārtā...</translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Ieraksta datus iekārtā...</translation>
    </message>
    <message>
        <source>Unable to start writing process! Please check connection to the device.</source>
        <translation>Neizdevās sākt ierakstīšanu! Pārbaudiet savienojumu ar iekārtu.</translation>
    </message>
    <message>
        <source>Unable to connect to the device!</source>
        <translation>Neizdevās savienoties ar iekārtu!</translation>
    </message>
    <message>
        <source>There was error while connecting to the device!</source>
        <translation>Kļūda, savienojoties ar iekārtu!</translation>
    </message>
    <message>
        <source>There was error while writing to device!</source>
        <translation>Kļūda, ierakstot iekārtā!</translation>
    </message>
</context>
<context>
    <name>FileOperationsController</name>
    <message>
        <source>Write To File</source>
        <translation>Ierakstīt datnē</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informācija</translation>
    </message>
    <message>
        <source>File containing saved phone numbers was not found (looking for: %1). <byte value="xd"/>
<byte value="xd"/>
Empty file was created.</source>
        <translation>Datne ar saglabātajiem tālruņu numuriem netika atrasta (meklēta: %1). <byte value="xd"/>
<byte value="xd"/>
Izveidota tukša datne.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Load From File</source>
        <translation>Ielādēt no datnes</translation>
    </message>
    <message>
        <source>Switch Current Work File</source>
        <translation>Mainīt darba datni</translation>
    </message>
</context>
<context>
    <name>app::ExceptionBox</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Neizdevās ierakstīt datnē %1</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Write To Device</source>
        <translation>Ierakstīt iekārtā</translation>
    </message>
    <message>
        <source>Current work file</source>
        <translation>Pašreizējā darba datne</translation>
    </message>
    <message>
        <source>Relay Settings</source>
        <translation>Releja iestatījumi</translation>
    </message>
    <message>
        <source>Relay &amp;Timeout (ms)</source>
        <translation>Releja n&amp;oildze (ms)</translation>
    </message>
    <message>
        <source>Enable E&amp;xternal Disconnection </source>
        <translation>Atļaut ārējo &amp;atvienošanu </translation>
    </message>
    <message>
        <source>Phones</source>
        <translation>Tālruņi</translation>
    </message>
    <message>
        <source>&amp;Load From File...</source>
        <translation>&amp;Ielādēt no datnes...</translation>
    </message>
    <message>
        <source>&amp;Write To File...</source>
        <translation>Ie&amp;rakstīt datnē...</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into user selected file</source>
        <translation>Ieraksta visus numurus un parametrus izvēlētā datnē</translation>
    </message>
    <message>
        <source>Load From &amp;Device</source>
        <translation>&amp;Nolasīt no iekārtas</translation>
    </message>
    <message>
        <source>Reads all phone numbers and parameters from device without saving them into current parameters file</source>
        <translation>Nolasa visus tālruņu numurus un parametrus no iekārtas, nesaglabājot tos pašreizējā parametru datnē</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into device and current phonebook file</source>
        <translation>Ieraksta visus numurus un parametrus iekārtā un pašreizējā tālruņu grāmatas datnē</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Dzēst visu</translation>
    </message>
    <message>
        <source>Clears all parameters (in program window only)</source>
        <translation>Notīra visus parametrus (tikai programmas logā)</translation>
    </message>
    <message>
        <source>Configure &amp;Port...</source>
        <translation>&amp;Porta iestatījumi...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>KAL Phone Book Files (*.kalc)</source>
        <translation>KAL tālruņu grāmatas datnes (*.kalc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Visas datnes (*)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Meklēt...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importēt CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Eksportēt CSV...</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV datnes (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Eksportēt CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importēt CSV</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Nesaglabātas izmaiņas</translation>
    </message>
    <message>
        <source>The phone book has changes that are not in its file:
%1

Save them before closing?</source>
        <translation>Tālruņu grāmatā ir izmaiņas, kuru nav tās datnē:
%1

Saglabāt tās pirms aizvēršanas?</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportReportDialog</name>
    <message>
        <source>header, skipped</source>
        <translation>virsraksts, izlaists</translation>
    </message>
    <message>
        <source>empty, skipped</source>
        <translation>tukša, izlaista</translation>
    </message>
    <message>
        <source>good</source>
        <translation>derīga</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>mainīta</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>noraidīta</translation>
    </message>
    <message>
        <source>only digits and a leading + are allowed</source>
        <translation>atļauti tikai cipari un + sākumā</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>vairāk nekā 15 rakstzīmes</translation>
    </message>
    <message>
        <source>too short (at least 2 characters)</source>
        <translation>par īsu (vismaz 2 rakstzīmes)</translation>
    </message>
    <message>
        <source>the slot is not between 0 and 499</source>
        <translation>vieta nav no 0 līdz 499</translation>
    </message>
    <message>
        <source>expected &quot;slot,number&quot;</source>
        <translation>gaidīts „slot,number”</translation>
    </message>
    <message>
        <source>more than 500 numbers</source>
        <translation>vairāk nekā 500 numuru</translation>
    </message>
    <message>
        <source>Line %1: slot %2 also on line %3; both numbers kept</source>
        <translation>Rinda %1: vieta %2 arī rindā %3; paturēti abi numuri</translation>
    </message>
    <message>
        <source>Line %1: %2 may have lost a leading &quot;%3&quot; (most numbers have %4 characters starting with &quot;%3&quot;); imported as it stands</source>
        <translation>Rinda %1: numuram %2, iespējams, trūkst sākuma „%3” (vairumam numuru garums ir %4 un sākums „%3”); importēts nemainīts</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importēt CSV</translation>
    </message>
    <message>
        <source>%1: %2 good, %3 changed, %4 refused.
Import replaces the phone list with the %5 good and changed numbers; the relay time-out and the switch stay.</source>
        <translation>%1: derīgas: %2, mainītas: %3, noraidītas: %4.
„Importēt” aizstāj tālruņu sarakstu ar derīgajiem un mainītajiem numuriem (%5); releja noildze un ārējā atvienošana paliek.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importēt</translation>
    </message>
    <message>
        <source>Duplicates and warnings:</source>
        <translation>Dublikāti un brīdinājumi:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Rinda</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>Datnē</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Rezultāts</translation>
    </message>
    <message>
        <source>Imported as / why not</source>
        <translation>Importēts kā / kāpēc ne</translation>
    </message>
    <message>
        <source>%1 would stand in %2 slots (lines %3)</source>
        <translation>%1 būtu %2 vietās (rindas %3)</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Nav.</translation>
    </message>
</context>
<context>
    <name>dialogs::PortSetupDialog</name>
    <message>
        <source>Port</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Ātrums (bit/s)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datu biti</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stopbiti</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paritāte</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Plūsmas vadība</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Porta iestatījumi</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Iestatījumi </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
<context>
    <name>phonelist::FindBar</name>
    <message>
        <source>Find number</source>
        <translation>Meklēt numuru</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nav atrasts</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneBookHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Atsaukt</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ata&amp;tsaukt</translation>
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
        <translation>Tālruņa numurs</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopēt</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Ielīmēt</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Dzēst</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Izvēlēties &amp;visu</translation>
    </message>
    <message>
        <source>Lines not pasted: %1</source>
        <translation>Neielīmētās rindas: %1</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot;: %3</source>
        <translation>Rinda %1: „%2”: %3</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... un vēl %1 (skatiet sīkāku informāciju)</translation>
    </message>
    <message>
        <source>Numbers that did not fit past slot 499: %1</source>
        <translation>Numuri, kas neietilpa aiz vietas 499: %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Ielīmēt</translation>
    </message>
    <message>
        <source>also in slot %1</source>
        <translation>arī vietā %1</translation>
    </message>
    <message>
        <source>Numbers: %1, duplicates: %2</source>
        <translation>Numuri: %1, dublikāti: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tukša</translation>
    </message>
    <message>
        <source>one character only</source>
        <translation>tikai viena rakstzīme</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>vairāk nekā 15 rakstzīmes</translation>
    </message>
    <message>
        <source>not a phone number</source>
        <translation>nav tālruņa numurs</translation>
    </message>
</context>
<context>
    <name>phonelist::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>No 0 līdz %1 ms</translation>
    </message>
</context>
</TS>
