<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>tunbox::BackupPage</name>
    <message>
        <source>Создание файла, восстановление из файла или удаление файла резервной копии памяти регистрации</source>
        <translation>Creating, restoring from or deleting a backup file of the registration memory</translation>
    </message>
    <message>
        <source>Сведения о приборе:</source>
        <translation>Unit details:</translation>
    </message>
    <message>
        <source>Тип подключенного прибора: </source>
        <translation>Connected unit type: </translation>
    </message>
    <message>
        <source>Действия с резервной копией:</source>
        <translation>Backup actions:</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Параметры:</source>
        <translation>Parameters:</translation>
    </message>
    <message>
        <source>Режим работы в системе:</source>
        <translation>Role in the system:</translation>
    </message>
    <message>
        <source>РПУ</source>
        <translation>RPU</translation>
    </message>
    <message>
        <source>РТР</source>
        <translation>RTR</translation>
    </message>
    <message>
        <source>Номер объекта(системы): </source>
        <translation>Object (system) number: </translation>
    </message>
    <message>
        <source>Адрес прибора в системе:</source>
        <translation>Unit address in the system:</translation>
    </message>
    <message>
        <source>Имя файла резервной копии:</source>
        <translation>Backup file name:</translation>
    </message>
    <message>
        <source>Код конфигурации:</source>
        <translation>Configuration code:</translation>
    </message>
</context>
<context>
    <name>tunbox::BottomStrip</name>
    <message>
        <source>Строка состояния</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>Ход выполнения</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Язык:</source>
        <translation>Lang.:</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Select language</translation>
    </message>
</context>
<context>
    <name>tunbox::CommandColumn</name>
    <message>
        <source>Порт связи</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>USB-порт</source>
        <translation>USB port</translation>
    </message>
    <message>
        <source>Режим работы:</source>
        <translation>Work mode:</translation>
    </message>
    <message>
        <source>демо</source>
        <translation>demo</translation>
    </message>
    <message>
        <source>on-line</source>
        <translation>on-line</translation>
    </message>
    <message>
        <source>Режим работы</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>Связь</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Устанавливает связь с прибором</source>
        <translation>Connects to the unit</translation>
    </message>
    <message>
        <source>Разорвать</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Разрывает связь с прибором</source>
        <translation>Disconnects from the unit</translation>
    </message>
    <message>
        <source>Прибор</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Записать</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Записывает настройки в прибор</source>
        <translation>Writes the settings to the unit</translation>
    </message>
    <message>
        <source>Считать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Считывает настройки из прибора</source>
        <translation>Reads the settings from the unit</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Записывает настройки в файл</source>
        <translation>Saves the settings to a file</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Считывает настройки из файла</source>
        <translation>Loads the settings from a file</translation>
    </message>
    <message>
        <source>Прочее</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Завод. настройки</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <source>Выставление заводских настроек</source>
        <translation>Sets the factory settings</translation>
    </message>
    <message>
        <source>Help  </source>
        <translation>Help  </translation>
    </message>
    <message>
        <source>Вызов справки по программе</source>
        <translation>Opens the program&apos;s help</translation>
    </message>
</context>
<context>
    <name>tunbox::LanguageDialog</name>
    <message>
        <source>Select language</source>
        <translation>Select language</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tunbox::MainPage</name>
    <message>
        <source>Выбор режима работы, обновление или смена ПО подключенного радиоустройства</source>
        <translation>Operating mode choice, firmware update or change of the connected radio unit</translation>
    </message>
    <message>
        <source>Обновление ПО подключенного радиоустройства</source>
        <translation>Firmware update of the connected radio unit</translation>
    </message>
    <message>
        <source>Сведения о приборе:</source>
        <translation>Unit details:</translation>
    </message>
    <message>
        <source>Тип подключенного прибора: </source>
        <translation>Connected unit type: </translation>
    </message>
    <message>
        <source>Текущая версия ПО: </source>
        <translation>Current firmware version: </translation>
    </message>
    <message>
        <source>Выберите режим работы прибора: </source>
        <translation>Choose the unit&apos;s operating mode: </translation>
    </message>
    <message>
        <source>Радиоприемное устройство (РПУ)</source>
        <translation>Radio receiver unit (RPU)</translation>
    </message>
    <message>
        <source>Ретранслятор + модуль реле (РТР)</source>
        <translation>Repeater + relay module (RTR)</translation>
    </message>
    <message>
        <source>Модуль реле и оповещения (МРО)</source>
        <translation>Relay and notification module (MRO)</translation>
    </message>
    <message>
        <source>Выберите файл ПО:</source>
        <translation>Choose a firmware file:</translation>
    </message>
    <message>
        <source>Файлы ПО</source>
        <translation>Firmware files</translation>
    </message>
    <message>
        <source>Обновить ПО устройства</source>
        <translation>Update the unit&apos;s firmware</translation>
    </message>
    <message>
        <source>Сведения о файле ПО:</source>
        <translation>Firmware file details:</translation>
    </message>
    <message>
        <source>Версия ПО: </source>
        <translation>Firmware version: </translation>
    </message>
    <message>
        <source>Имя файла: </source>
        <translation>File name: </translation>
    </message>
    <message>
        <source>Тип файла: </source>
        <translation>File type: </translation>
    </message>
    <message>
        <source>Дата создания файла: </source>
        <translation>File date: </translation>
    </message>
    <message>
        <source>Размер файла (байт):</source>
        <translation>File size (bytes):</translation>
    </message>
    <message>
        <source>Рабочий список</source>
        <translation>Working list</translation>
    </message>
    <message>
        <source>Отладочный текст</source>
        <translation>Debug text</translation>
    </message>
</context>
<context>
    <name>tunbox::MainWindow</name>
    <message>
        <source>Программа для настройки РПУ Зорен-КЛ-Т</source>
        <translation>Setup program for the RPU Zoren-KL-T</translation>
    </message>
    <message>
        <source>Главная</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>Резервная копия</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Режимы реле и выхода ОК</source>
        <translation>Relay and OC output modes</translation>
    </message>
    <message>
        <source>Режимы реле и выхода ОК (РПУ в автономном режиме)</source>
        <translation>Relay and OC output modes (RPU in autonomous work)</translation>
    </message>
    <message>
        <source>Страницы</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Приветствие</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>Команды</source>
        <translation>Commands</translation>
    </message>
</context>
<context>
    <name>tunbox::QtDialogs</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>tunbox::SettingsPages</name>
    <message>
        <source>Нет </source>
        <translation>No </translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>ПЦН тревога</source>
        <translation>CMS alarm</translation>
    </message>
    <message>
        <source>Контрольная лампа</source>
        <translation>Indicator lamp</translation>
    </message>
    <message>
        <source>Взят/снят</source>
        <translation>Armed/disarmed</translation>
    </message>
    <message>
        <source>Звуковой</source>
        <translation>Sounder</translation>
    </message>
    <message>
        <source>Тревога</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Исполнительный</source>
        <translation>Actuator</translation>
    </message>
    <message>
        <source>Специальный</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Размыкание на время</source>
        <translation>Open for</translation>
    </message>
    <message>
        <source>Замыкание на время</source>
        <translation>Close for</translation>
    </message>
    <message>
        <source>Длительность извещения </source>
        <translation>Notification length </translation>
    </message>
    <message>
        <source>Инверсный режим</source>
        <translation>Inverted mode</translation>
    </message>
    <message>
        <source>Управление реле</source>
        <translation>Relay control</translation>
    </message>
    <message>
        <source>по команде</source>
        <translation>by command</translation>
    </message>
    <message>
        <source>по событию</source>
        <translation>by event</translation>
    </message>
    <message>
        <source>Выход ОК №1</source>
        <translation>OC output No. 1</translation>
    </message>
    <message>
        <source>Реле №%1</source>
        <translation>Relay No. %1</translation>
    </message>
    <message>
        <source>Обрабатываемые извещения:</source>
        <translation>Notifications handled:</translation>
    </message>
    <message>
        <source>Дополнительно:</source>
        <translation>More:</translation>
    </message>
    <message>
        <source>Режим работы реле:</source>
        <translation>Relay working mode:</translation>
    </message>
    <message>
        <source>Режим работы выхода ОК:</source>
        <translation>OC output working mode:</translation>
    </message>
    <message>
        <source>Привязки к разделам:</source>
        <translation>Bound to partitions:</translation>
    </message>
    <message>
        <source>раздел</source>
        <translation>partition</translation>
    </message>
    <message>
        <source>Тревога/пожар (разделы)</source>
        <translation>Alarm/fire (partitions)</translation>
    </message>
    <message>
        <source>Вскрытие (разделы)</source>
        <translation>Tamper (partitions)</translation>
    </message>
    <message>
        <source>Взятие по одному/Снятие по всем </source>
        <translation>Arm by one/Disarm by all </translation>
    </message>
    <message>
        <source>Взятие по всем/Снятие по одному</source>
        <translation>Arm by all/Disarm by one</translation>
    </message>
    <message>
        <source>Неисправность (разделы)</source>
        <translation>Fault (partitions)</translation>
    </message>
    <message>
        <source>Неисправность РК (разделы)</source>
        <translation>Radio channel fault (partitions)</translation>
    </message>
    <message>
        <source>Неисправ. питания (разделы)</source>
        <translation>Power fault (partitions)</translation>
    </message>
    <message>
        <source>Блокирование РК (оборуд-е)</source>
        <translation>Radio jamming (equipment)</translation>
    </message>
    <message>
        <source>Вскрытие (оборуд-е)</source>
        <translation>Tamper (equipment)</translation>
    </message>
    <message>
        <source>Собственное вскрытие</source>
        <translation>Own tamper</translation>
    </message>
    <message>
        <source>Неисп. линии связи (оборуд-е)</source>
        <translation>Link line fault (equipment)</translation>
    </message>
    <message>
        <source>Неисправ. питания (оборуд-е)</source>
        <translation>Power fault (equipment)</translation>
    </message>
    <message>
        <source>Режим работы реле</source>
        <translation>Relay working mode</translation>
    </message>
    <message>
        <source>Режим работы выхода ОК</source>
        <translation>OC output working mode</translation>
    </message>
    <message>
        <source>Привязка к источникам информации (ИИ) №:</source>
        <translation>Bound to information sources (IS) No.:</translation>
    </message>
    <message>
        <source>источник</source>
        <translation>source</translation>
    </message>
    <message>
        <source>Тревога/пожар</source>
        <translation>Alarm/fire</translation>
    </message>
    <message>
        <source>Неисправность (пожар ИИ)</source>
        <translation>Fault (fire IS)</translation>
    </message>
    <message>
        <source>Внимание (пожар ИИ)</source>
        <translation>Attention (fire IS)</translation>
    </message>
    <message>
        <source>Взятие по одному из ШС/Снятие</source>
        <translation>Arm by one zone/Disarm</translation>
    </message>
    <message>
        <source>Взятие по всем ШС/Снятие</source>
        <translation>Arm by all zones/Disarm</translation>
    </message>
    <message>
        <source>Неисправность питания ИИ</source>
        <translation>IS power fault</translation>
    </message>
    <message>
        <source>Вскрытие ИИ</source>
        <translation>IS tamper</translation>
    </message>
    <message>
        <source>Нет связи с ИИ</source>
        <translation>No link with IS</translation>
    </message>
    <message>
        <source>Блокирование РК</source>
        <translation>Radio jamming</translation>
    </message>
    <message>
        <source>Неисправность питания РПУ</source>
        <translation>RPU power fault</translation>
    </message>
    <message>
        <source>Вскрытие РПУ</source>
        <translation>RPU tamper</translation>
    </message>
    <message>
        <source>Собств. вскрытие</source>
        <translation>Own tamper</translation>
    </message>
</context>
<context>
    <name>tunbox::WelcomeArea</name>
    <message>
        <source>Вас приветствует программа для настройки РПУ Зорен-КЛ-Т</source>
        <translation>Welcome to the setup program for the RPU Zoren-KL-T</translation>
    </message>
    <message>
        <source>Программа предназначена для задания режимов работы и обновления программного обеспечения (ПО) ретранслятора периферийного &quot;РПУ Зорен-КЛ-Т&quot; (РПУ) с заводской версией ПО dv10_0 (и выше).</source>
        <translation>The program sets the operating modes and updates the firmware of the peripheral repeater &quot;RPU Zoren-KL-T&quot; (RPU) with factory firmware dv10_0 (or later).</translation>
    </message>
    <message>
        <source>В данной версии программы изменен интерфейс и логика работы. Введен новый режим работы РПУ &quot;Ретранслятор + модуль реле (РТР)&quot; для версий dv10_4 (и выше). В этом режиме работы РПУ поддерживается работа выходов в режиме модуля реле и ретранслятора одновременно. Введена новая вкладка настройки всех выходов РПУ в автономном режиме работы для версий dv10_4 (и выше).</source>
        <translation>This version of the program has a new interface and workflow. It adds the RPU operating mode &quot;Repeater + relay module (RTR)&quot; for versions dv10_4 (and later), in which the outputs work as a relay module while the unit works as a repeater. A new page sets all outputs of an RPU in autonomous work for versions dv10_4 (and later).</translation>
    </message>
    <message>
        <source>Подключение &quot;РПУ Зорен-КЛ-Т&quot; к персональному компьютеру (ПК) осуществляется через USB-порт с помощью кабеля USB AM/BM.</source>
        <translation>The &quot;RPU Zoren-KL-T&quot; connects to a personal computer (PC) at a USB port with a USB AM/BM cable.</translation>
    </message>
    <message>
        <source>Для подключения РПУ к компьютеру следует установить режим «Работы с ПК» (установить перемычку F3 при выключенном питании РПУ и отключенном кабеле USB). Электропитание 12V на РПУ можно не подавать.</source>
        <translation>To connect the RPU to the computer, set its &quot;Work with PC&quot; mode (fit jumper F3 while the RPU is powered off and the USB cable is unplugged). The RPU needs no 12V supply for this.</translation>
    </message>
    <message>
        <source>Вас приветствует программа TunBox-RPU-ZELK</source>
        <translation>Welcome to TunBox-RPU-ZELK</translation>
    </message>
    <message>
        <source>Программа предназначена для обновления программного обеспечения (ПО) &quot;РПУ Зорен-КЛ-Т (ZELK)&quot; (РПУ) с заводской версией ПО v4_0 (и выше)</source>
        <translation>The program updates the firmware of the &quot;RPU Zoren-KL-T (ZELK)&quot; (RPU) with factory firmware v4_0 (or later)</translation>
    </message>
    <message>
        <source>Подключение РПУ к персональному компьютеру (ПК) осуществляется через USB-порт с помощью кабеля USB AM/BM</source>
        <translation>The RPU connects to a personal computer (PC) at a USB port with a USB AM/BM cable</translation>
    </message>
    <message>
        <source>Логотип</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>tunbox::WidgetLook</name>
    <message>
        <source>%1 — значение</source>
        <translation>%1 — value</translation>
    </message>
</context>
</TS>
