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
    <message>
        <source>&amp;Find...</source>
        <translation>Zna&amp;jdź...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importuj CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Eksportuj CSV...</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Eksportuj CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importuj CSV</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Niezachowane zmiany</translation>
    </message>
    <message>
        <source>The phone book has changes that are not in its file:
%1

Save them before closing?</source>
        <translation>Książka telefoniczna ma zmiany, których nie ma w jej pliku:
%1

Zachować je przed zamknięciem?</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportReportDialog</name>
    <message>
        <source>header, skipped</source>
        <translation>nagłówek, pominięty</translation>
    </message>
    <message>
        <source>empty, skipped</source>
        <translation>pusty, pominięty</translation>
    </message>
    <message>
        <source>good</source>
        <translation>poprawny</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>zmieniony</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>odrzucony</translation>
    </message>
    <message>
        <source>only digits and a leading + are allowed</source>
        <translation>dozwolone tylko cyfry i + na początku</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>więcej niż 15 znaków</translation>
    </message>
    <message>
        <source>too short (at least 2 characters)</source>
        <translation>za krótki (co najmniej 2 znaki)</translation>
    </message>
    <message>
        <source>the slot is not between 0 and 499</source>
        <translation>pozycja spoza zakresu 0–499</translation>
    </message>
    <message>
        <source>expected &quot;slot,number&quot;</source>
        <translation>oczekiwano „slot,number”</translation>
    </message>
    <message>
        <source>more than 500 numbers</source>
        <translation>więcej niż 500 numerów</translation>
    </message>
    <message>
        <source>Line %1: slot %2 also on line %3; both numbers kept</source>
        <translation>Wiersz %1: pozycja %2 również w wierszu %3; zostawiono oba numery</translation>
    </message>
    <message>
        <source>Line %1: %2 may have lost a leading &quot;%3&quot; (most numbers have %4 characters starting with &quot;%3&quot;); imported as it stands</source>
        <translation>Wiersz %1: numer %2 mógł stracić początkowe „%3” (większość numerów ma długość %4 i zaczyna się od „%3”); zaimportowano bez zmian</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importuj CSV</translation>
    </message>
    <message>
        <source>%1: %2 good, %3 changed, %4 refused.
Import replaces the phone list with the %5 good and changed numbers; the relay time-out and the switch stay.</source>
        <translation>%1: poprawnych: %2, zmienionych: %3, odrzuconych: %4.
„Importuj” zastępuje listę telefonów poprawnymi i zmienionymi numerami (%5); czas przekaźnika i zewnętrzne rozłączanie pozostają.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Duplicates and warnings:</source>
        <translation>Duplikaty i ostrzeżenia:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>W pliku</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Imported as / why not</source>
        <translation>Zaimportowano jako / dlaczego nie</translation>
    </message>
    <message>
        <source>%1 would stand in %2 slots (lines %3)</source>
        <translation>%1 byłby na %2 pozycjach (wiersze %3)</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Brak.</translation>
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
    <name>phonelist::FindBar</name>
    <message>
        <source>Find number</source>
        <translation>Znajdź numer</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Nie znaleziono</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneBookHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Przywróć</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numer telefonu</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>S&amp;kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Lines not pasted: %1</source>
        <translation>Niewklejone wiersze: %1</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot;: %3</source>
        <translation>Wiersz %1: „%2”: %3</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... i %1 więcej (zobacz szczegóły)</translation>
    </message>
    <message>
        <source>Numbers that did not fit past slot 499: %1</source>
        <translation>Numery, które nie zmieściły się za pozycją 499: %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>also in slot %1</source>
        <translation>również na pozycji %1</translation>
    </message>
    <message>
        <source>Numbers: %1, duplicates: %2</source>
        <translation>Numery: %1, duplikaty: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusty</translation>
    </message>
    <message>
        <source>one character only</source>
        <translation>tylko jeden znak</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>więcej niż 15 znaków</translation>
    </message>
    <message>
        <source>not a phone number</source>
        <translation>to nie numer telefonu</translation>
    </message>
</context>
<context>
    <name>phonelist::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>Od 0 do %1 ms</translation>
    </message>
</context>
</TS>
