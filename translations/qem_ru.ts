<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>DeviceOperationsController</name>
    <message>
        <source>Unable to connect to the device.</source>
        <translation>Не удаётся подключиться к устройству.</translation>
    </message>
    <message>
        <source>Unable to open COM port!</source>
        <translation>Не удаётся открыть COM-порт!</translation>
    </message>
    <message>
        <source>Connecting to device...</source>
        <translation>Подключение к устройству...</translation>
    </message>
    <message>
        <source>Reading data from device...</source>
        <translation>Чтение данных из устройства...</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The serial port is not available. Please choose the port with &quot;Configure Port...&quot;.</source>
        <translation>Последовательный порт недоступен. Выберите порт кнопкой «Настройка порта...».</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Unable to start reading process! Please check connection to the device.</source>
        <translation>Не удаётся начать чтение! Проверьте подключение к устройству.</translation>
    </message>
    <message>
        <source>There was failure while reading data from device!</source>
        <translation>Не удалось прочитать данные из устройства!</translation>
    </message>
    <message>
        <source>There was error while reading from device!</source>
        <translation>Ошибка при чтении из устройства!</translation>
    </message>
    <message>
        <source>The file You are trying to load to device ( %1 ) is empty or uncomplete!</source>
        <translation>Файл, который вы пытаетесь записать в устройство ( %1 ), пуст или неполон!</translation>
    </message>
    <message>
        <source>Prepearing to write data to device...</source>
        <translation>Подготовка к записи данных в устройство...</translation>
    </message>
    <message>
        <source>Writing data to device...</source>
        <translation>Запись данных в устройство...</translation>
    </message>
    <message>
        <source>Unable to start writing process! Please check connection to the device.</source>
        <translation>Не удаётся начать запись! Проверьте подключение к устройству.</translation>
    </message>
    <message>
        <source>Unable to connect to the device!</source>
        <translation>Не удаётся подключиться к устройству!</translation>
    </message>
    <message>
        <source>There was error while connecting to the device!</source>
        <translation>Ошибка при подключении к устройству!</translation>
    </message>
    <message>
        <source>There was error while writing to device!</source>
        <translation>Ошибка при записи в устройство!</translation>
    </message>
</context>
<context>
    <name>FileOperationsController</name>
    <message>
        <source>Write To File</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>File containing saved phone numbers was not found (looking for: %1). <byte value="xd"/>
<byte value="xd"/>
Empty file was created.</source>
        <translation>Файл с сохранёнными номерами телефонов не найден (искали: %1). <byte value="xd"/>
<byte value="xd"/>
Создан пустой файл.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Load From File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Switch Current Work File</source>
        <translation>Сменить рабочий файл</translation>
    </message>
</context>
<context>
    <name>app::ExceptionBox</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать файл %1</translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Write To Device</source>
        <translation>Записать в устройство</translation>
    </message>
    <message>
        <source>Current work file</source>
        <translation>Текущий рабочий файл</translation>
    </message>
    <message>
        <source>Relay Settings</source>
        <translation>Настройки реле</translation>
    </message>
    <message>
        <source>Relay &amp;Timeout (ms)</source>
        <translation>&amp;Тайм-аут реле (мс)</translation>
    </message>
    <message>
        <source>Enable E&amp;xternal Disconnection </source>
        <translation>Разрешить &amp;внешнее отключение </translation>
    </message>
    <message>
        <source>Phones</source>
        <translation>Телефоны</translation>
    </message>
    <message>
        <source>&amp;Load From File...</source>
        <translation>&amp;Открыть файл...</translation>
    </message>
    <message>
        <source>&amp;Write To File...</source>
        <translation>Сохранить в &amp;файл...</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into user selected file</source>
        <translation>Записывает все номера и параметры в выбранный файл</translation>
    </message>
    <message>
        <source>Load From &amp;Device</source>
        <translation>Считать с &amp;устройства</translation>
    </message>
    <message>
        <source>Reads all phone numbers and parameters from device without saving them into current parameters file</source>
        <translation>Считывает все номера телефонов и параметры из устройства, не сохраняя их в текущем файле параметров</translation>
    </message>
    <message>
        <source>Writes all numbers and parameters into device and current phonebook file</source>
        <translation>Записывает все номера и параметры в устройство и в текущий файл телефонной книги</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>О&amp;чистить всё</translation>
    </message>
    <message>
        <source>Clears all parameters (in program window only)</source>
        <translation>Очищает все параметры (только в окне программы)</translation>
    </message>
    <message>
        <source>Configure &amp;Port...</source>
        <translation>Настройка &amp;порта...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>KAL Phone Book Files (*.kalc)</source>
        <translation>Файлы телефонной книги KAL (*.kalc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Найти...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Импорт CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Импорт CSV</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <source>The phone book has changes that are not in its file:
%1

Save them before closing?</source>
        <translation>В телефонной книге есть изменения, которых нет в её файле:
%1

Сохранить их перед закрытием?</translation>
    </message>
</context>
<context>
    <name>dialogs::ImportReportDialog</name>
    <message>
        <source>header, skipped</source>
        <translation>заголовок, пропущен</translation>
    </message>
    <message>
        <source>empty, skipped</source>
        <translation>пустая, пропущена</translation>
    </message>
    <message>
        <source>good</source>
        <translation>годная</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>изменена</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>отклонена</translation>
    </message>
    <message>
        <source>only digits and a leading + are allowed</source>
        <translation>допустимы только цифры и + в начале</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>длиннее 15 символов</translation>
    </message>
    <message>
        <source>too short (at least 2 characters)</source>
        <translation>слишком короткий (не менее 2 символов)</translation>
    </message>
    <message>
        <source>the slot is not between 0 and 499</source>
        <translation>ячейка вне диапазона 0–499</translation>
    </message>
    <message>
        <source>expected &quot;slot,number&quot;</source>
        <translation>ожидалось «slot,number»</translation>
    </message>
    <message>
        <source>more than 500 numbers</source>
        <translation>больше 500 номеров</translation>
    </message>
    <message>
        <source>Line %1: slot %2 also on line %3; both numbers kept</source>
        <translation>Строка %1: ячейка %2 также в строке %3; оставлены оба номера</translation>
    </message>
    <message>
        <source>Line %1: %2 may have lost a leading &quot;%3&quot; (most numbers have %4 characters starting with &quot;%3&quot;); imported as it stands</source>
        <translation>Строка %1: номер %2, возможно, потерял начальный «%3» (у большинства номеров длина %4 и начало «%3»); импортирован без изменений</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Импорт CSV</translation>
    </message>
    <message>
        <source>%1: %2 good, %3 changed, %4 refused.
Import replaces the phone list with the %5 good and changed numbers; the relay time-out and the switch stay.</source>
        <translation>%1: годных: %2, изменённых: %3, отклонённых: %4.
«Импортировать» заменяет список телефонов годными и изменёнными номерами (%5); тайм-аут реле и внешнее отключение остаются.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импортировать</translation>
    </message>
    <message>
        <source>Duplicates and warnings:</source>
        <translation>Дубликаты и предупреждения:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>В файле</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Imported as / why not</source>
        <translation>Импортировано как / почему нет</translation>
    </message>
    <message>
        <source>%1 would stand in %2 slots (lines %3)</source>
        <translation>%1 оказался бы в %2 ячейках (строки %3)</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Нет.</translation>
    </message>
</context>
<context>
    <name>dialogs::PortSetupDialog</name>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Скорость (бит/с)</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Биты данных</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Стоповые биты</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Управление потоком</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка порта</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Параметры </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>phonelist::FindBar</name>
    <message>
        <source>Find number</source>
        <translation>Найти номер</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Не найдено</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneBookHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
</context>
<context>
    <name>phonelist::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Номер телефона</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>Lines not pasted: %1</source>
        <translation>Не вставлено строк: %1</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot;: %3</source>
        <translation>Строка %1: «%2»: %3</translation>
    </message>
    <message>
        <source>... and %1 more (see the details)</source>
        <translation>... и ещё %1 (см. подробности)</translation>
    </message>
    <message>
        <source>Numbers that did not fit past slot 499: %1</source>
        <translation>Номера, не поместившиеся после ячейки 499: %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>also in slot %1</source>
        <translation>также в ячейке %1</translation>
    </message>
    <message>
        <source>Numbers: %1, duplicates: %2</source>
        <translation>Номеров: %1, дубликатов: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пустая</translation>
    </message>
    <message>
        <source>one character only</source>
        <translation>только один символ</translation>
    </message>
    <message>
        <source>longer than 15 characters</source>
        <translation>длиннее 15 символов</translation>
    </message>
    <message>
        <source>not a phone number</source>
        <translation>не номер телефона</translation>
    </message>
</context>
<context>
    <name>phonelist::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>От 0 до %1 мс</translation>
    </message>
</context>
</TS>
