<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
    <context>
        <name>Authentication</name>
        <message>
            <location filename="../../src/widgets/Authentication.ui" line="+29" />
            <source>Tavik Authentication</source>
            <translation>Проверка подлинности Tavik</translation>
        </message>
        <message>
            <location line="+33" />
            <source>User Name</source>
            <translation>Имя пользователя</translation>
        </message>
        <message>
            <location line="+14" />
            <source>Confirm Password</source>
            <translation>Пароль</translation>
        </message>
        <message>
            <location line="+33" />
            <source>OK</source>
            <translation>Подтвердить</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
    </context>
    <context>
        <name>CaptureScreen</name>
        <message>
            <location filename="../../src/widgets/CaptureScreen.cpp" line="+264" />
            <source>Rect:</source>
            <translation>Область:</translation>
        </message>
    </context>
    <context>
        <name>CommonHelper</name>
        <message>
            <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72" />
            <source>Copy</source>
            <translation>Копировать</translation>
        </message>
        <message>
            <location line="+158" />
            <source>Siren</source>
            <translation>Сирена</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Doorbell</source>
            <translation>Дверной звонок</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bark</source>
            <translation>Лай</translation>
        </message>
        <message>
            <location filename="../../src/Common/CommonHelper.cpp" line="+130" />
            <source>Connection failed</source>
            <translation>Ошибка подключения</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Connection successful</source>
            <translation>Подключение выполнено</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Incorrect username or password.</source>
            <translation>Неверное имя пользователя или пароль.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Invalid parameter!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Invalid channel id!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Invalid stream id!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Invalid xml parameter!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Signaling connection with IPC is not established!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Media connection with IPC is not established!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>The number of Preview is full!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>The number of streams is full!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Failed to get video config!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Failed to start Preview!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>User does not have remote permission!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>The total number of playback channels is full!</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+5" />
            <source>Unknown error code: %1!</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>CustomDialog</name>
        <message>
            <location filename="../../src/widgets/CustomDialog.ui" line="+110" />
            <source>OK</source>
            <translation>Подтвердить</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <location filename="../../src/widgets/CustomDialog.cpp" line="+72" />
            <source>Tips</source>
            <translation>Подсказка</translation>
        </message>
    </context>
    <context>
        <name>ManageWidget</name>
        <message>
            <location filename="../../src/widgets/ManageWidget.ui" line="+21" />
            <source>ShowPassword</source>
            <translation>Показать пароль</translation>
        </message>
        <message>
            <location line="+13" />
            <source>edit</source>
            <translation>Изменить</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Delete</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <location line="+13" />
            <source>UserManage</source>
            <translation>Пользователи</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Auth</source>
            <translation>Права</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Remote Configuration</source>
            <translation>Удалённая настройка</translation>
        </message>
        <message>
            <location line="+13" />
            <source>ChannelManage</source>
            <translation>Каналы</translation>
        </message>
    </context>
    <context>
        <name>PageWidget</name>
        <message>
            <location filename="../../src/widgets/PageWidget.ui" line="+21" />
            <source>totalRecords</source>
            <translation>Всего записей</translation>
        </message>
        <message>
            <location line="+11" />
            <source>pageSize</source>
            <translation>Размер страницы</translation>
        </message>
    </context>
    <context>
        <name>SharedTexts</name>
        <message>
            <location filename="../../src/Common/SharedTexts.cpp" line="+3" />
            <source>Enter the device name to filter</source>
            <translation>Введите имя устройства для фильтра</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Incomplete information</source>
            <translation>Неполные данные</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to </source>
            <translation>Вы действительно хотите </translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this user?</source>
            <translation>удалить этого пользователя?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this device?</source>
            <translation>удалить это устройство?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this Group?</source>
            <translation>удалить эту группу?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>reboot this device?</source>
            <translation>перезагрузить это устройство?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>restore this device?</source>
            <translation>восстановить это устройство?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration failed</source>
            <translation>Ошибка настройки</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration successful</source>
            <translation>Настройка выполнена</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid format</source>
            <translation>Неверный формат</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New password and confirmation password do not match</source>
            <translation>Новый пароль и подтверждение не совпадают</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is available.</source>
            <translation>IP-адрес свободен.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is already in use.</source>
            <translation>IP-адрес уже используется.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP and gateway are not in the same subnet.</source>
            <translation>IP-адрес и шлюз находятся в разных подсетях.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Please select a device before making any changes.</source>
            <translation>Сначала выберите устройство.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Default users or roles cannot be deleted.</source>
            <translation>Пользователя или роль по умолчанию удалить нельзя.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Monday</source>
            <translation>Понедельник</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Tuesday</source>
            <translation>Вторник</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Wednesday</source>
            <translation>Среда</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Thursday</source>
            <translation>Четверг</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Friday</source>
            <translation>Пятница</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Saturday</source>
            <translation>Суббота</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Sunday</source>
            <translation>Воскресенье</translation>
        </message>
    </context>
    <context>
        <name>TimeZoneTable</name>
        <message>
            <location filename="../../src/Common/TimeZoneTable.cpp" line="+24" />
            <source>Hawaii</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Alaska</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Pacific Time (US &amp; Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Mountain Time (US &amp; Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Guadalajara, Mexico City, Monterrey</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Central Time (US &amp; Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Eastern Time (US &amp; Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Bogota, Lima, Quito, Rio Branco</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Caracas</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Georgetown, La Paz, Manaus, San Juan</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Santiago</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Newfoundland</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Sao Paulo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>City of Buenos Aires</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Montevideo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Greenland</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Azores</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Cabo Verde Is.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Dublin, Edinburgh, Lisbon, London</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Brussels, Copenhagen, Madrid, Paris</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Casablanca</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Athens, Bucharest</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Beirut</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Tripoli</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Baghdad</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Moscow, St. Petersburg</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Tehran</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Abu Dhabi, Dubai, Muscat</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Kabul</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Islamabad, Karachi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Ashgabat, Tashkent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Chennai, Kolkata, Mumbai, New Delhi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Kathmandu</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Dhaka</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Rangoon</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Bangkok, Hanoi, Jakarta</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Ho Chi Minh City</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Beijing, Chongqing, Hong Kong, Urumqi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Taipei</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Kuala Lumpur, Singapore</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Perth</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Seoul</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Osaka, Sapporo, Tokyo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Darwin</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Canberra, Melbourne, Sydney</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Guam, Port Moresby</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Magadan</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+2" />
            <source>Auckland, Wellington</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>Fiji</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+41" />
            <source>(GMT+00:00)Edinburgh, London</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+00:00)Dublin, Edinburgh, London</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+01:00)Prague</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+01:00)Paris</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+01:00)Rome</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+01:00)Berlin</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+01:00)Amsterdam, Paris</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+02:00)Jerusalem</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+02:00)Athens</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+03:30)Tehran</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+04:00)Caucasus standard time, Dubai</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+04:30)Kabul</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+05:00)Islamabad, Karachi, Tashkent</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+05:30)Madras, Mumbai, New Delhi</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+05:45)Kathmandu</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+06:00)Almaty, Dhaka</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+06:30)Yangon</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+08:00)Beijing, Urumqi, Singapore</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+09:30)Darwin</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+09:30)Adelaide</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+10:00)Melbourne, Sydney, Canberra</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+11:00)Magadan, Solomon Islands</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+12:00)Auckland, Wellington</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT+13:00)Nukualofa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-12:00)Date line west</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-11:00)Samoa</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-10:00)Hawaii</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-09:00)Alaska</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-08:00)Pacific time (USA and Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-07:00)Edmonton</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-07:00)Mountain time(USA and Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-06:00)Central time(USA and Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-05:00)Eastern time (USA and Canada)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-04:00)Georgetown</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-03:30)Newfoundland</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-03:00)Sao Paulo, Brasilia</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-02:00)Central Atlantic</source>
            <translation type="unfinished" />
        </message>
        <message>
            <location line="+1" />
            <source>(GMT-01:00)Cape Verde Islands, Azores</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>RecordSchedule</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
        <message>
            <source>Add Strategy</source>
            <translation>Добавить стратегию</translation>
        </message>
        <message>
            <source>Delete Strategy</source>
            <translation>Удалить стратегию</translation>
        </message>
        <message>
            <source>Original Device</source>
            <translation>Исходные устройства</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Добавить</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Удалить</translation>
        </message>
        <message>
            <source>Record Device</source>
            <translation>Записываемые устройства</translation>
        </message>
        <message>
            <source>Record time</source>
            <translation>Время записи</translation>
        </message>
        <message>
            <source>All day</source>
            <translation>Весь день</translation>
        </message>
        <message>
            <source>Workday</source>
            <translation>Рабочие дни</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Настраиваемый</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>Configuration</source>
            <translation>Настройка</translation>
        </message>
        <message>
            <source>Enable</source>
            <translation>Включить</translation>
        </message>
        <message>
            <source>Drag up the time period for removal</source>
            <translation>Перетащите период вверх, чтобы удалить его</translation>
        </message>
        <message>
            <source>Record strategy</source>
            <translation>Стратегия записи</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Остановить</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Запустить</translation>
        </message>
        <message>
            <source>Please add at least one device</source>
            <translation>Добавьте хотя бы одно устройство</translation>
        </message>
        <message>
            <source>Please add at least one video save path</source>
            <translation>Укажите хотя бы один путь сохранения видео</translation>
        </message>
        <message>
            <source>Hard disk space is less than 5GB, video recording has stopped.</source>
            <translation>На диске меньше 5 ГБ свободного места, запись видео остановлена.</translation>
        </message>
    </context>
    <context>
        <name>recordAdvanceConfigDlg</name>
        <message>
            <source>Advanced Configuration</source>
            <translation>Расширенная настройка</translation>
        </message>
        <message>
            <source> File config</source>
            <translation> Настройка файлов</translation>
        </message>
        <message>
            <source>Single File time</source>
            <translation>Длительность файла</translation>
        </message>
        <message>
            <source>Min</source>
            <translation>мин</translation>
        </message>
        <message>
            <source>Stream type</source>
            <translation>Тип потока</translation>
        </message>
        <message>
            <source>Record Audio</source>
            <translation>Записывать звук</translation>
        </message>
        <message>
            <source>Save Policy</source>
            <translation>Политика хранения</translation>
        </message>
        <message>
            <source>Delete the old video when it's full</source>
            <translation>Удалять старое видео при заполнении диска</translation>
        </message>
        <message>
            <source>Stop the video when it's full</source>
            <translation>Останавливать запись при заполнении диска</translation>
        </message>
        <message>
            <source>Save path</source>
            <translation>Путь сохранения</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Путь</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Сохранить</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Main stream</source>
            <translation>Основной поток</translation>
        </message>
        <message>
            <source>Sub stream</source>
            <translation>Дополнительный поток</translation>
        </message>
        <message>
            <source>Open Recrod Directory</source>
            <translation>Открыть папку записей</translation>
        </message>
        <message>
            <source>Disk remaining space is less than 5G, unable to save video!</source>
            <translation>На диске осталось меньше 5 ГБ, сохранить видео невозможно!</translation>
        </message>
        <message>
            <source>Please add at least one video save path</source>
            <translation>Укажите хотя бы один путь сохранения видео</translation>
        </message>
    </context>
    <context>
        <name>ReplayControl</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>Скорость</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Пауза</translation>
        </message>
        <message>
            <source>Fast</source>
            <translation>Быстрее</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>Медленнее</translation>
        </message>
        <message>
            <source>Capture</source>
            <translation>Снимок</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Стоп</translation>
        </message>
        <message>
            <source>Full</source>
            <translation>Во весь экран</translation>
        </message>
        <message>
            <source>Frame</source>
            <translation>Кадр</translation>
        </message>
        <message>
            <source>Mute</source>
            <translation>Без звука</translation>
        </message>
    </context>
    <context>
        <name>CVideoPlayback</name>
        <message>
            <source>CVideoPlayback</source>
            <translation>Воспроизведение</translation>
        </message>
        <message>
            <source>Local</source>
            <translation>Локально</translation>
        </message>
        <message>
            <source>NVR</source>
            <translation>NVR</translation>
        </message>
        <message>
            <source>Cloud</source>
            <translation>Облако</translation>
        </message>
    </context>
<context>
    <name>IotReplayWnd</name>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Введите имя устройства для фильтра</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>За этот день записей нет.</translation>
    </message>
    <message>
        <source>There is no video in this month.</source>
        <translation>За этот месяц записей нет.</translation>
    </message>
    <message>
        <source>The device is previewing and cannot be play record.</source>
        <translation>Устройство в режиме просмотра, воспроизвести запись нельзя.</translation>
    </message>
    <message>
        <source>Record play failed.</source>
        <translation>Не удалось воспроизвести запись.</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Не удалось сделать снимок</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Снимок сделан</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Сохранено в</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Нажмите ESC для выхода из полноэкранного режима.</translation>
    </message>
</context>
<context>
    <name>IotLoginDlg</name>
    <message>
        <source>Cloud Login</source>
        <translation>Вход в облако</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Remote login successful</source>
        <translation>Удалённый вход выполнен</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cloud</source>
        <translation>Облако</translation>
    </message>
    <message>
        <source>log out?</source>
        <translation>выйти из учётной записи?</translation>
    </message>
</context>
</TS>
