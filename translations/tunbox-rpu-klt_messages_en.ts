<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>Messages</name>
        <message>
            <source>10001</source>
            <extracomment>Ошибка!</extracomment>
            <translation>Error!</translation>
        </message>
        <message>
            <source>10002</source>
            <extracomment>Невозможно отправить команду инициализации связи!</extracomment>
            <translation>Cannot send the link initialisation command!</translation>
        </message>
        <message>
            <source>10003</source>
            <extracomment>Неправильный заголовок полученного пакета!</extracomment>
            <translation>Wrong header in the received packet!</translation>
        </message>
        <message>
            <source>10004</source>
            <extracomment>Ошибка CRC в полученном пакете!</extracomment>
            <translation>CRC error in the received packet!</translation>
        </message>
        <message>
            <source>10005</source>
            <extracomment>Радиоприемное устройство (РПУ/РТР)</extracomment>
            <translation>Radio receiver unit (RPU/RTR)</translation>
        </message>
        <message>
            <source>10006</source>
            <extracomment>Модуль реле и оповещения (МРО)</extracomment>
            <translation>Relay and notification module (MRO)</translation>
        </message>
        <message>
            <source>10007</source>
            <extracomment>Невозможно отправить команду разрыва связи!</extracomment>
            <translation>Cannot send the link break command!</translation>
        </message>
        <message>
            <source>10008</source>
            <extracomment>Приборы марки Зорен отключены от линии USB!</extracomment>
            <translation>No Zoren units are connected to the USB line!</translation>
        </message>
        <message>
            <source>10009</source>
            <extracomment>Внимание!</extracomment>
            <translation>Attention!</translation>
        </message>
        <message>
            <source>10010</source>
            <extracomment>Подключено более 1 прибора марки Зорен! Оставьте только 1 прибор на линии USB!</extracomment>
            <translation>More than 1 Zoren unit is connected! Leave only 1 unit on the USB line!</translation>
        </message>
        <message>
            <source>10011</source>
            <extracomment>Обнаружен прибор марки Зорен на линии USB</extracomment>
            <translation>A Zoren unit was found on the USB line</translation>
        </message>
        <message>
            <source>10012</source>
            <extracomment>Вы действительно хотите выйти?</extracomment>
            <translation>Do you really want to quit?</translation>
        </message>
        <message>
            <source>10013</source>
            <extracomment>Системное сообщение</extracomment>
            <translation>System message</translation>
        </message>
        <message>
            <source>10014</source>
            <extracomment>Заводские настройки установлены</extracomment>
            <translation>Factory settings applied</translation>
        </message>
        <message>
            <source>10015</source>
            <extracomment>Связь с прибором разорвана</extracomment>
            <translation>Disconnected from the unit</translation>
        </message>
        <message>
            <source>10016</source>
            <extracomment>Идет чтение файла ПО...</extracomment>
            <translation>Reading the firmware file...</translation>
        </message>
        <message>
            <source>10017</source>
            <extracomment>Неверный формат файла - запись не доступна!</extracomment>
            <translation>Wrong file format - writing is not available!</translation>
        </message>
        <message>
            <source>10018</source>
            <extracomment>Несовпадение типа прибора - запись не доступна!</extracomment>
            <translation>Unit type mismatch - writing is not available!</translation>
        </message>
        <message>
            <source>10019</source>
            <extracomment>ПО для KLT-RPU</extracomment>
            <translation>Firmware for KLT-RPU</translation>
        </message>
        <message>
            <source>10020</source>
            <extracomment>ПО для KLT-MRO</extracomment>
            <translation>Firmware for KLT-MRO</translation>
        </message>
        <message>
            <source>10021</source>
            <extracomment>Файл ПО успешно прочитан</extracomment>
            <translation>Firmware file read successfully</translation>
        </message>
        <message>
            <source>10022</source>
            <extracomment>Запись ПО в прибор...%d %%</extracomment>
            <translation>Writing firmware to the unit...%d %%</translation>
        </message>
        <message>
            <source>10023</source>
            <extracomment>ПО успешно записано в прибор</extracomment>
            <translation>Firmware written to the unit successfully</translation>
        </message>
        <message>
            <source>10024</source>
            <extracomment>ПО не записано в прибор!</extracomment>
            <translation>Firmware not written to the unit!</translation>
        </message>
        <message>
            <source>10025</source>
            <extracomment>Выбранный режим работы прибора не соответствует текущему режиму! Необходимо произвести смену ПО</extracomment>
            <translation>The chosen operating mode does not match the unit's current mode! The firmware must be changed</translation>
        </message>
        <message>
            <source>10026</source>
            <extracomment>Удаление файла регистрации</extracomment>
            <translation>Deleting a registration file</translation>
        </message>
        <message>
            <source>10027</source>
            <extracomment>Файлы регистрации (*.rrg)|*.rrg</extracomment>
            <translation>Registration files (*.rrg)|*.rrg</translation>
        </message>
        <message>
            <source>10028</source>
            <extracomment>Вы уверены, что хотите удалить файл регистрации %s ?</extracomment>
            <translation>Are you sure you want to delete the registration file %s ?</translation>
        </message>
        <message>
            <source>10029</source>
            <extracomment>Файл регистрации успешно удален</extracomment>
            <translation>Registration file deleted successfully</translation>
        </message>
        <message>
            <source>10030</source>
            <extracomment>Введено недопустимое значение номера модуля!</extracomment>
            <translation>The module number entered is not valid!</translation>
        </message>
        <message>
            <source>10031</source>
            <extracomment>Чтение сведений о регистрации из файла</extracomment>
            <translation>Reading registration data from a file</translation>
        </message>
        <message>
            <source>10032</source>
            <extracomment>Открытие файла регистрации</extracomment>
            <translation>Opening a registration file</translation>
        </message>
        <message>
            <source>10033</source>
            <extracomment>Сведения о регистрации успешно считаны из файла</extracomment>
            <translation>Registration data read from the file successfully</translation>
        </message>
        <message>
            <source>10034</source>
            <extracomment>Чтение настроек реле из файла</extracomment>
            <translation>Reading relay settings from a file</translation>
        </message>
        <message>
            <source>10035</source>
            <extracomment>Открытие файла настроек реле</extracomment>
            <translation>Opening a relay settings file</translation>
        </message>
        <message>
            <source>10036</source>
            <extracomment>Файлы конфигурации (*.cfg)|*.cfg</extracomment>
            <translation>Configuration files (*.cfg)|*.cfg</translation>
        </message>
        <message>
            <source>10037</source>
            <extracomment>Файл настроек реле имеет неправильный размер! Невозможно считать настройки реле!</extracomment>
            <translation>The relay settings file has a wrong size! The relay settings cannot be read!</translation>
        </message>
        <message>
            <source>10038</source>
            <extracomment>Настройки реле успешно считаны</extracomment>
            <translation>Relay settings read successfully</translation>
        </message>
        <message>
            <source>10039</source>
            <extracomment>Для сохранения файла необходимо указать номер модуля и номер объекта!</extracomment>
            <translation>To save the file, enter the module number and the object number!</translation>
        </message>
        <message>
            <source>10040</source>
            <extracomment>Сохранение сведений о регистрации в файл</extracomment>
            <translation>Saving registration data to a file</translation>
        </message>
        <message>
            <source>10041</source>
            <extracomment>Сохранение файла регистрации</extracomment>
            <translation>Saving a registration file</translation>
        </message>
        <message>
            <source>10042</source>
            <extracomment>Файл с таким именем уже существует! Перезаписать данный файл?</extracomment>
            <translation>A file with this name already exists! Overwrite it?</translation>
        </message>
        <message>
            <source>10043</source>
            <extracomment>Сведения о регистрации успешно сохранены в файл</extracomment>
            <translation>Registration data saved to the file successfully</translation>
        </message>
        <message>
            <source>10044</source>
            <extracomment>Сохранение настроек реле в файл</extracomment>
            <translation>Saving relay settings to a file</translation>
        </message>
        <message>
            <source>10045</source>
            <extracomment>Настройки реле успешно сохранены в файл</extracomment>
            <translation>Relay settings saved to the file successfully</translation>
        </message>
        <message>
            <source>10046</source>
            <extracomment>Резервная копия успешно записана в прибор</extracomment>
            <translation>Backup written to the unit successfully</translation>
        </message>
        <message>
            <source>10047</source>
            <extracomment>Запись настроек реле в прибор...</extracomment>
            <translation>Writing relay settings to the unit...</translation>
        </message>
        <message>
            <source>10048</source>
            <extracomment>Настройки реле успешно записаны</extracomment>
            <translation>Relay settings written successfully</translation>
        </message>
        <message>
            <source>10049</source>
            <extracomment>Резервная копия успешно считана</extracomment>
            <translation>Backup read successfully</translation>
        </message>
        <message>
            <source>10050</source>
            <extracomment>Невозможно отправить команду инициализации записи!</extracomment>
            <translation>Cannot send the write initialisation command!</translation>
        </message>
        <message>
            <source>10051</source>
            <extracomment>Запись параметров в прибор...%d %%</extracomment>
            <translation>Writing parameters to the unit...%d %%</translation>
        </message>
        <message>
            <source>10052</source>
            <extracomment>Параметры успешно записаны</extracomment>
            <translation>Parameters written successfully</translation>
        </message>
        <message>
            <source>10053</source>
            <extracomment>Данные не записаны!</extracomment>
            <translation>Data not written!</translation>
        </message>
        <message>
            <source>10054</source>
            <extracomment>Невозможно отправить команду инициализации чтения!</extracomment>
            <translation>Cannot send the read initialisation command!</translation>
        </message>
        <message>
            <source>10055</source>
            <extracomment>Чтение параметров из прибора...%d %%</extracomment>
            <translation>Reading parameters from the unit...%d %%</translation>
        </message>
        <message>
            <source>10056</source>
            <extracomment>Нет ответа от прибора!</extracomment>
            <translation>No answer from the unit!</translation>
        </message>
        <message>
            <source>10057</source>
            <extracomment>Параметры успешно считаны</extracomment>
            <translation>Parameters read successfully</translation>
        </message>
        <message>
            <source>10058</source>
            <extracomment>Ошибка CRC! Данные не считаны!</extracomment>
            <translation>CRC error! Data not read!</translation>
        </message>
        <message>
            <source>10059</source>
            <extracomment>Начало работы программы</extracomment>
            <translation>Program started</translation>
        </message>
        <message>
            <source>10060</source>
            <extracomment>Языковые настройки изменены. Программа должна быть перезагружена.</extracomment>
            <translation>Language settings changed. The program must be restarted.</translation>
        </message>
        <message>
            <source>10061</source>
            <extracomment>Устанавливается связь с прибором...</extracomment>
            <translation>Connecting to the unit...</translation>
        </message>
        <message>
            <source>10062</source>
            <extracomment>Обнаружена более новая версия ПО, чем в приборе! Обновить ПО прибора?</extracomment>
            <translation>Newer firmware than the unit's was found! Update the unit's firmware?</translation>
        </message>
        <message>
            <source>10063</source>
            <extracomment>Новых версий ПО не найдено</extracomment>
            <translation>No newer firmware found</translation>
        </message>
        <message>
            <source>10064</source>
            <extracomment>Связь с прибором установлена</extracomment>
            <translation>Connected to the unit</translation>
        </message>
        <message>
            <source>10065</source>
            <extracomment>Не удалось установить связь с прибором!</extracomment>
            <translation>Could not connect to the unit!</translation>
        </message>
        <message>
            <source>10066</source>
            <extracomment>В папке Base не найдено файлов ПО для данного режима прибора</extracomment>
            <translation>No firmware files for this unit mode were found in the folder Base</translation>
        </message>
        <message>
            <source>10067</source>
            <extracomment>Ошибка открытия файла помощи %s</extracomment>
            <translation>Error opening the help file %s</translation>
        </message>
        <message>
            <source>10068</source>
            <extracomment>Сохранение файла отменено</extracomment>
            <translation>Saving the file cancelled</translation>
        </message>
        <message>
            <source>10069</source>
            <extracomment>Удаление файла отменено</extracomment>
            <translation>Deleting the file cancelled</translation>
        </message>
        <message>
            <source>10070</source>
            <extracomment>Чтение файла отменено</extracomment>
            <translation>Reading the file cancelled</translation>
        </message>
        <message>
            <source>10071</source>
            <extracomment>РПУ Зорен-КЛТ</extracomment>
            <translation>RPU Zoren-KLT</translation>
        </message>
        <message>
            <source>10072</source>
            <extracomment>РПУ-ZELK</extracomment>
            <translation>RPU-ZELK</translation>
        </message>
        <message>
            <source>10073</source>
            <extracomment>ПО для РПУ-ZELK</extracomment>
            <translation>Firmware for RPU-ZELK</translation>
        </message>
        <message>
            <source>10074</source>
            <extracomment>%d мин.</extracomment>
            <translation>%d min</translation>
        </message>
        <message>
            <source>10075</source>
            <extracomment>пост.</extracomment>
            <translation>const.</translation>
        </message>
        <message>
            <source>10076</source>
            <extracomment>%d с.</extracomment>
            <translation>%d s</translation>
        </message>
        <message>
            <source>10077</source>
            <extracomment>%d мин. %d с.</extracomment>
            <translation>%d min %d s</translation>
        </message>
        <message>
            <source>10078</source>
            <extracomment>%.1f с.</extracomment>
            <translation>%.1f s</translation>
        </message>
        <message>
            <source>10079</source>
            <extracomment>пост./ 1 c.</extracomment>
            <translation>const./ 1 s</translation>
        </message>
        <message>
            <source>10080</source>
            <extracomment>---/ 1 c.</extracomment>
            <translation>---/ 1 s</translation>
        </message>
        <message>
            <source>10081</source>
            <extracomment>---</extracomment>
            <translation>---</translation>
        </message>
        <message>
            <source>10082</source>
            <extracomment>Ошибка в данных, считанных с прибора (Байт №%d=%d). Программа завершает свою работу.</extracomment>
            <translation>Error in the data read from the unit (Byte No. %d=%d). The program ends.</translation>
        </message>
        <message>
            <source>10083</source>
            <extracomment>Связь с прибором потеряна!</extracomment>
            <translation>Connection to the unit lost!</translation>
        </message>
        <message>
            <source>10084</source>
            <extracomment>Не удалось получить данные из прибора!</extracomment>
            <translation>Could not get data from the unit!</translation>
        </message>
        <message>
            <source>10085</source>
            <extracomment>Ошибка записи данных в прибор!</extracomment>
            <translation>Error writing data to the unit!</translation>
        </message>
        <message>
            <source>10086</source>
            <extracomment>TunBox-RPU-KLT</extracomment>
            <translation>TunBox-RPU-KLT</translation>
        </message>
        <message>
            <source>10087</source>
            <extracomment>TunBox-RPU-ZELK</extracomment>
            <translation>TunBox-RPU-ZELK</translation>
        </message>
        <message>
            <source>10088</source>
            <extracomment>Не удалось прочитать файл %s: %s</extracomment>
            <translation>Could not read the file %s: %s</translation>
        </message>
        <message>
            <source>10089</source>
            <extracomment>Не удалось записать файл %s: %s</extracomment>
            <translation>Could not write the file %s: %s</translation>
        </message>
        <message>
            <source>10090</source>
            <extracomment>Не удалось удалить файл %s: %s</extracomment>
            <translation>Could not delete the file %s: %s</translation>
        </message>
        <message>
            <source>10091</source>
            <extracomment>Файл %s слишком большой и не может быть прочитан!</extracomment>
            <translation>The file %s is too large to be read!</translation>
        </message>
        <message>
            <source>10092</source>
            <extracomment>Файл %s не является файлом настроек реле: в нём меньше 96 строк!</extracomment>
            <translation>The file %s is not a relay settings file: it has fewer than 96 lines!</translation>
        </message>
        <message>
            <source>10093</source>
            <extracomment>Файл %s не является файлом настроек реле: строка %d не является целым числом!</extracomment>
            <translation>The file %s is not a relay settings file: line %d is not an integer!</translation>
        </message>
        <message>
            <source>10094</source>
            <extracomment>Недопустимое значение в файле настроек %s (Байт №%d=%d)! Файл не загружен.</extracomment>
            <translation>Invalid value in the settings file %s (Byte No. %d=%d)! The file was not loaded.</translation>
        </message>
        <message>
            <source>10095</source>
            <extracomment>Номер объекта не может содержать символы &quot;_&quot;, &quot;/&quot;, &quot;\&quot; и управляющие символы: он входит в имя файла!</extracomment>
            <translation>The object number cannot contain the characters &quot;_&quot;, &quot;/&quot;, &quot;\&quot; or control characters: it is part of the file name!</translation>
        </message>
        <message>
            <source>10096</source>
            <extracomment>Адрес прибора в системе не может содержать символы &quot;_&quot;, &quot;/&quot;, &quot;\&quot; и управляющие символы и оканчиваться на &quot;object&quot;: он входит в имя файла!</extracomment>
            <translation>The unit address in the system cannot contain the characters &quot;_&quot;, &quot;/&quot;, &quot;\&quot; or control characters, nor end in &quot;object&quot;: it is part of the file name!</translation>
        </message>
        <message>
            <source>10097</source>
            <extracomment>Код конфигурации не может содержать символы &quot;_&quot;, &quot;/&quot;, &quot;\&quot; и управляющие символы: он входит в имя файла!</extracomment>
            <translation>The configuration code cannot contain the characters &quot;_&quot;, &quot;/&quot;, &quot;\&quot; or control characters: it is part of the file name!</translation>
        </message>
        <message>
            <source>10098</source>
            <extracomment>Имя файла резервной копии слишком длинное! Сократите номер объекта.</extracomment>
            <translation>The backup file name is too long! Shorten the object number.</translation>
        </message>
        <message>
            <source>10099</source>
            <extracomment>Не удалось определить версию ПО по имени файла %s!</extracomment>
            <translation>Could not find the firmware version in the file name %s!</translation>
        </message>
        <message>
            <source>10100</source>
            <extracomment>Данные резервной копии повреждены: нужно 1792 числа от 0 до 255! Запись в прибор не выполнена.</extracomment>
            <translation>The backup data are damaged: 1792 numbers from 0 to 255 are needed! Nothing was written to the unit.</translation>
        </message>
        <message>
            <source>10101</source>
            <extracomment>Файл %s не является файлом резервной копии: строка %d не является целым числом!</extracomment>
            <translation>The file %s is not a backup file: line %d is not an integer!</translation>
        </message>
    </context>
</TS>
