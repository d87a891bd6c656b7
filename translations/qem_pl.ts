<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>DeviceOperationsController</name>
    <message>
        <source>Unable to connect to the device.</source>
        <translation>Nie można połączyć się z urządzeniem.</translation>
    </message>
    <message>
        <source>Unable to open COM port!</source>
        <translation>Nie można otworzyć portu COM!</translation>
    </message>
    <message>
        <source>Connecting to device...</source>
        <translation>Łączenie z urządzeniem...</translation>
    </message>
    <message>
        <source>Reading data from device...</source>
        <translation>Odczyt danych z urządzenia...</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The serial port is not available. Please choose the port with &quot;Configure Port...&quot;.</source>
        <translation>Port szeregowy jest niedostępny. Wybierz port przyciskiem „Ustawienia portu...”.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Unable to start reading process! Please check connection to the device.</source>
        <translation>Nie można rozpocząć odczytu! Sprawdź połączenie z urządzeniem.</translation>
    </message>
    <message>
        <source>There was failure while reading data from device!</source>
        <translation>Nie udało się odczytać danych z urządzenia!</translation>
    </message>
    <message>
        <source>There was error while reading from device!</source>
        <translation>Błąd podczas odczytu z urządzenia!</translation>
    </message>
    <message>
        <source>The file You are trying to load to device ( %1 ) is empty or uncomplete!</source>
        <translation>Plik, który próbujesz zapisać do urządzenia ( %1 ), jest pusty lub niekompletny!</translation>
    </message>
    <message>
        <source>Prepearing to write data to device...</source>
        <translation>Przygotowanie zapisu danych do urządzenia...</translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Zapis danych do urządzenia...</translation>
    </message>
    <message>
        <source>Unable to start writing process! Please check connection to the device.</source>
        <translation>Nie można rozpocząć zapisu! Sprawdź połączenie z urządzeniem.</translation>
    </message>
    <message>
        <source>Unable to connect to the device!</source>
        <translation>Nie można połączyć się z urządzeniem!</translation>
    </message>
    <message>
        <source>There was error while connecting to the device!</source>
        <translation>Błąd podczas łączenia z urządzeniem!</translation>
    </message>
    <message>
        <source>There was error while writing to device!</source>
        <translation>Błąd podczas zapisu do urządzenia!</translation>
    </message>
</context>
<context>
    <name>FileOperationsController</name>
    <message>
        <source>Write To File</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>File containing saved phone numbers was not found (looking for: %1). <byte value="xd"/>
<byte value="xd"/>
Empty file was created.</source>
        <translation>Nie znaleziono pliku z zapisanymi numerami telefonów (szukano: %1). <byte value="xd"/>
<byte value="xd"/>
Utworzono pusty plik.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load From File</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>Switch Current Work File</source>
        <translation>Zmień plik roboczy</translation>
    </message>
</context>
<context>
    <name>app::ExceptionBox</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać pliku %1</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Write To Device</source>
        <translation>Zapisz do urządzenia</translation>
    </message>
    <message>
        <source>Current work file</source>
        <translation>Bieżący plik roboczy</translation>
    </message>
    <message>
        <source>Relay Settings</source>
        <translation>Ustawienia przekaźnika</translation>
    </message>
    <message>
        <source>Relay &amp;Timeout (ms)</source>
        <translation>&amp;Czas przekaźnika (ms)</translation>
    </message>
    <message>
        <source>Enable E&amp;xternal Disconnection </source>
        <translation>Włącz &amp;zewnętrzne rozłączanie </translation>
    </message>
    <message>
        <source>Phones</source>
        <translation>Telefony</translation>
    </message>
    <message>
        <source>&amp;Load From File...</source>
        <translation>&amp;Wczytaj z pliku...</translation>
    </message>
    <message>
        <source>&amp;Write To File...</source>
        <translation>Zapi&amp;sz do pliku...</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into user selected file</source>
        <translation>Zapisuje wszystkie numery i parametry do wybranego pliku</translation>
    </message>
    <message>
        <source>Load From &amp;Device</source>
        <translation>&amp;Odczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Reads all phone numbers and parameters from device without saving them into current parameters file</source>
        <translation>Odczytuje wszystkie numery telefonów i parametry z urządzenia bez zapisywania ich w bieżącym pliku parametrów</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into device and current phonebook file</source>
        <translation>Zapisuje wszystkie numery i parametry do urządzenia i do bieżącego pliku książki telefonicznej</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>W&amp;yczyść wszystko</translation>
    </message>
    <message>
        <source>Clears all parameters (in program window only)</source>
        <translation>Czyści wszystkie parametry (tylko w oknie programu)</translation>
    </message>
    <message>
        <source>Configure &amp;Port...</source>
        <translation>Ustawienia &amp;portu...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>KAL Phone Book Files (*.kalc)</source>
        <translation>Pliki książki telefonicznej KAL (*.kalc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
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
        <translation>Szybkość (bit/s)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bity danych</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bity stopu</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Sterowanie przepływem</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia portu</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Ustawienia </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>phonebook::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numer telefonu</translation>
    </message>
</context>
<context>
    <name>phonebook::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>Od 0 do %1 ms</translation>
    </message>
</context>
</TS>
