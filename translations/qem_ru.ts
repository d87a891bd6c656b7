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
    <name>phonebook::PhoneListEditor</name>
    <message>
        <source>Nr.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Номер телефона</translation>
    </message>
</context>
<context>
    <name>phonebook::RelayTimeoutField</name>
    <message>
        <source>0 to %1 ms</source>
        <translation>От 0 до %1 мс</translation>
    </message>
</context>
</TS>
