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
    <name>phonebook::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefono numeris</translation>
    </message>
</context>
<context>
    <name>phonebook::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>Nuo 0 iki %1 ms</translation>
    </message>
</context>
</TS>
