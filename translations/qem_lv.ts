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
    <name>phonebook::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Tālruņa numurs</translation>
    </message>
</context>
<context>
    <name>phonebook::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>No 0 līdz %1 ms</translation>
    </message>
</context>
</TS>
