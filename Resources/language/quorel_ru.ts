<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Authentication</name>
    <message>
        <location filename="../../src/widgets/Authentication.ui" line="+29"/>
        <source>Tavik Authentication</source>
        <translation>Проверка подлинности Tavik</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirm Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>OK</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CaptureScreen</name>
    <message>
        <location filename="../../src/widgets/CaptureScreen.cpp" line="+264"/>
        <source>Rect:</source>
        <translation>Область:</translation>
    </message>
</context>
<context>
    <name>CommonHelper</name>
    <message>
        <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72"/>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Siren</source>
        <translation>Сирена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doorbell</source>
        <translation>Дверной звонок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bark</source>
        <translation>Лай</translation>
    </message>
    <message>
        <location filename="../../src/Common/CommonHelper.cpp" line="+130"/>
        <source>Connection failed</source>
        <translation>Ошибка подключения</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connection successful</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Incorrect username or password.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid parameter!</source>
        <translation>Недопустимый параметр!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid channel id!</source>
        <translation>Недопустимый номер канала!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream id!</source>
        <translation>Недопустимый номер потока!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid xml parameter!</source>
        <translation>Недопустимый параметр XML!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling connection with IPC is not established!</source>
        <translation>Сигнальное соединение с IP-камерой не установлено!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media connection with IPC is not established!</source>
        <translation>Медиасоединение с IP-камерой не установлено!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of Preview is full!</source>
        <translation>Достигнуто максимальное число просмотров!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of streams is full!</source>
        <translation>Достигнуто максимальное число потоков!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get video config!</source>
        <translation>Не удалось получить настройки видео!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to start Preview!</source>
        <translation>Не удалось запустить просмотр!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User does not have remote permission!</source>
        <translation>У пользователя нет права удалённого доступа!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The total number of playback channels is full!</source>
        <translation>Достигнуто максимальное число каналов воспроизведения!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown error code: %1!</source>
        <translation>Неизвестный код ошибки: %1!</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CustomDialog</name>
    <message>
        <location filename="../../src/widgets/CustomDialog.ui" line="+110"/>
        <source>OK</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../../src/widgets/CustomDialog.cpp" line="+72"/>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>the devices' serial numbers</source>
        <translation>серийные номера устройств</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>устройство %1</translation>
    </message>
    <message>
        <source>device %1 (%2)</source>
        <translation>устройство %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ManageWidget</name>
    <message>
        <location filename="../../src/widgets/ManageWidget.ui" line="+21"/>
        <source>ShowPassword</source>
        <translation>Показать пароль</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UserManage</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auth</source>
        <translation>Права</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Remote Configuration</source>
        <translation>Удалённая настройка</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ChannelManage</source>
        <translation>Каналы</translation>
    </message>
</context>
<context>
    <name>PageWidget</name>
    <message>
        <location filename="../../src/widgets/PageWidget.ui" line="+21"/>
        <source>totalRecords</source>
        <translation>Всего записей</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>pageSize</source>
        <translation>Размер страницы</translation>
    </message>
</context>
<context>
    <name>SharedTexts</name>
    <message>
        <location filename="../../src/Common/SharedTexts.cpp" line="+3"/>
        <source>Enter the device name to filter</source>
        <translation>Введите имя устройства для фильтра</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Incomplete information</source>
        <translation>Неполные данные</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to </source>
        <translation>Вы действительно хотите </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this user?</source>
        <translation>удалить этого пользователя?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this device?</source>
        <translation>удалить это устройство?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this Group?</source>
        <translation>удалить эту группу?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>reboot this device?</source>
        <translation>перезагрузить это устройство?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restore this device?</source>
        <translation>восстановить это устройство?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration failed</source>
        <translation>Ошибка настройки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration successful</source>
        <translation>Настройка выполнена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid format</source>
        <translation>Неверный формат</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password and confirmation password do not match</source>
        <translation>Новый пароль и подтверждение не совпадают</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is available.</source>
        <translation>IP-адрес свободен.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is already in use.</source>
        <translation>IP-адрес уже используется.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP and gateway are not in the same subnet.</source>
        <translation>IP-адрес и шлюз находятся в разных подсетях.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select a device before making any changes.</source>
        <translation>Сначала выберите устройство.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default users or roles cannot be deleted.</source>
        <translation>Пользователя или роль по умолчанию удалить нельзя.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Reading from the device failed</source>
        <translation>Ошибка чтения с устройства</translation>
    </message>
    <message>
        <source>Saving: the database is in use by another program; waiting for it...</source>
        <translation>Сохранение: база данных занята другой программой; ожидание...</translation>
    </message>
    <message>
        <source>Configuration failed: the database is in use by another program</source>
        <translation>Ошибка настройки: база данных занята другой программой</translation>
    </message>
    <message>
        <source>Reading: the database is in use by another program; waiting for it...</source>
        <translation>Чтение: база данных занята другой программой; ожидание...</translation>
    </message>
    <message>
        <source>Reading failed: the database is in use by another program</source>
        <translation>Ошибка чтения: база данных занята другой программой</translation>
    </message>
    <message>
        <source>Reading from the database failed</source>
        <translation>Ошибка чтения из базы данных</translation>
    </message>
    <message>
        <source>Configuration failed: the database file %1 is damaged</source>
        <translation>Ошибка настройки: файл базы данных %1 повреждён</translation>
    </message>
    <message>
        <source>Reading failed: the database file %1 is damaged</source>
        <translation>Ошибка чтения: файл базы данных %1 повреждён</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <location filename="../../src/Common/TimeZoneTable.cpp" line="+24"/>
        <source>Hawaii</source>
        <translation>Гавайи</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alaska</source>
        <translation>Аляска</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation>Тихоокеанское время (США и Канада)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation>Горное время (США и Канада)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guadalajara, Mexico City, Monterrey</source>
        <translation>Гвадалахара, Мехико, Монтеррей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Time (US &amp; Canada)</source>
        <translation>Центральное время (США и Канада)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation>Восточное время (США и Канада)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bogota, Lima, Quito, Rio Branco</source>
        <translation>Богота, Лима, Кито, Риу-Бранку</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Caracas</source>
        <translation>Каракас</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Georgetown, La Paz, Manaus, San Juan</source>
        <translation>Джорджтаун, Ла-Пас, Манаус, Сан-Хуан</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santiago</source>
        <translation>Сантьяго</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Newfoundland</source>
        <translation>Ньюфаундленд</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sao Paulo</source>
        <translation>Сан-Паулу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City of Buenos Aires</source>
        <translation>Буэнос-Айрес</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montevideo</source>
        <translation>Монтевидео</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Greenland</source>
        <translation>Гренландия</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Azores</source>
        <translation>Азорские острова</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cabo Verde Is.</source>
        <translation>Кабо-Верде</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation>Дублин, Эдинбург, Лиссабон, Лондон</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation>Амстердам, Берлин, Берн, Рим, Стокгольм, Вена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brussels, Copenhagen, Madrid, Paris</source>
        <translation>Брюссель, Копенгаген, Мадрид, Париж</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation>Белград, Братислава, Будапешт, Любляна, Прага</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Casablanca</source>
        <translation>Касабланка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Athens, Bucharest</source>
        <translation>Афины, Бухарест</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beirut</source>
        <translation>Бейрут</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tripoli</source>
        <translation>Триполи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</source>
        <translation>Хельсинки, Киев, Рига, София, Таллин, Вильнюс</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Baghdad</source>
        <translation>Багдад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moscow, St. Petersburg</source>
        <translation>Москва, Санкт-Петербург</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tehran</source>
        <translation>Тегеран</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abu Dhabi, Dubai, Muscat</source>
        <translation>Абу-Даби, Дубай, Маскат</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kabul</source>
        <translation>Кабул</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Islamabad, Karachi</source>
        <translation>Исламабад, Карачи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ashgabat, Tashkent</source>
        <translation>Ашхабад, Ташкент</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chennai, Kolkata, Mumbai, New Delhi</source>
        <translation>Ченнаи, Калькутта, Мумбаи, Нью-Дели</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kathmandu</source>
        <translation>Катманду</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dhaka</source>
        <translation>Дакка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rangoon</source>
        <translation>Янгон</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation>Бангкок, Ханой, Джакарта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho Chi Minh City</source>
        <translation>Хошимин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation>Пекин, Чунцин, Гонконг, Урумчи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taipei</source>
        <translation>Тайбэй</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kuala Lumpur, Singapore</source>
        <translation>Куала-Лумпур, Сингапур</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perth</source>
        <translation>Перт</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seoul</source>
        <translation>Сеул</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osaka, Sapporo, Tokyo</source>
        <translation>Осака, Саппоро, Токио</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darwin</source>
        <translation>Дарвин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Canberra, Melbourne, Sydney</source>
        <translation>Канберра, Мельбурн, Сидней</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guam, Port Moresby</source>
        <translation>Гуам, Порт-Морсби</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magadan</source>
        <translation>Магадан</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auckland, Wellington</source>
        <translation>Окленд, Веллингтон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fiji</source>
        <translation>Фиджи</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(GMT+00:00)Edinburgh, London</source>
        <translation>(GMT+00:00)Эдинбург, Лондон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+00:00)Dublin, Edinburgh, London</source>
        <translation>(GMT+00:00)Дублин, Эдинбург, Лондон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Prague</source>
        <translation>(GMT+01:00)Прага</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Paris</source>
        <translation>(GMT+01:00)Париж</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Rome</source>
        <translation>(GMT+01:00)Рим</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Berlin</source>
        <translation>(GMT+01:00)Берлин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Amsterdam, Paris</source>
        <translation>(GMT+01:00)Амстердам, Париж</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Jerusalem</source>
        <translation>(GMT+02:00)Иерусалим</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Athens</source>
        <translation>(GMT+02:00)Афины</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul</source>
        <translation>(GMT+03:00)Багдад, Кувейт, Москва, Стамбул</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:30)Tehran</source>
        <translation>(GMT+03:30)Тегеран</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:00)Caucasus standard time, Dubai</source>
        <translation>(GMT+04:00)Кавказское стандартное время, Дубай</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:30)Kabul</source>
        <translation>(GMT+04:30)Кабул</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:00)Islamabad, Karachi, Tashkent</source>
        <translation>(GMT+05:00)Исламабад, Карачи, Ташкент</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:30)Madras, Mumbai, New Delhi</source>
        <translation>(GMT+05:30)Мадрас, Мумбаи, Нью-Дели</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:45)Kathmandu</source>
        <translation>(GMT+05:45)Катманду</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:00)Almaty, Dhaka</source>
        <translation>(GMT+06:00)Алматы, Дакка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:30)Yangon</source>
        <translation>(GMT+06:30)Янгон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</source>
        <translation>(GMT+07:00)Бангкок, Ханой, Джакарта, Новосибирск</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+08:00)Beijing, Urumqi, Singapore</source>
        <translation>(GMT+08:00)Пекин, Урумчи, Сингапур</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</source>
        <translation>(GMT+09:00)Сеул, Токио, Осака, Саппоро</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Darwin</source>
        <translation>(GMT+09:30)Дарвин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Adelaide</source>
        <translation>(GMT+09:30)Аделаида</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+10:00)Melbourne, Sydney, Canberra</source>
        <translation>(GMT+10:00)Мельбурн, Сидней, Канберра</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+11:00)Magadan, Solomon Islands</source>
        <translation>(GMT+11:00)Магадан, Соломоновы острова</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+12:00)Auckland, Wellington</source>
        <translation>(GMT+12:00)Окленд, Веллингтон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+13:00)Nukualofa</source>
        <translation>(GMT+13:00)Нукуалофа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-12:00)Date line west</source>
        <translation>(GMT-12:00)Линия перемены дат (запад)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-11:00)Samoa</source>
        <translation>(GMT-11:00)Самоа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-10:00)Hawaii</source>
        <translation>(GMT-10:00)Гавайи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-09:00)Alaska</source>
        <translation>(GMT-09:00)Аляска</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-08:00)Pacific time (USA and Canada)</source>
        <translation>(GMT-08:00)Тихоокеанское время (США и Канада)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Edmonton</source>
        <translation>(GMT-07:00)Эдмонтон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Mountain time(USA and Canada)</source>
        <translation>(GMT-07:00)Горное время (США и Канада)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-06:00)Central time(USA and Canada)</source>
        <translation>(GMT-06:00)Центральное время (США и Канада)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-05:00)Eastern time (USA and Canada)</source>
        <translation>(GMT-05:00)Восточное время (США и Канада)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-04:00)Georgetown</source>
        <translation>(GMT-04:00)Джорджтаун</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:30)Newfoundland</source>
        <translation>(GMT-03:30)Ньюфаундленд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:00)Sao Paulo, Brasilia</source>
        <translation>(GMT-03:00)Сан-Паулу, Бразилиа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-02:00)Central Atlantic</source>
        <translation>(GMT-02:00)Среднеатлантическое время</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-01:00)Cape Verde Islands, Azores</source>
        <translation>(GMT-01:00)Кабо-Верде, Азорские острова</translation>
    </message>
</context>
<context>
    <name>CUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>Управление пользователями</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Добавить пользователя</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Удалить пользователя</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Изменить контакт</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Контактные данные</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Please set contact first.</source>
        <translation>Сначала укажите контактные данные.</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>Достигнуто максимальное число пользователей устройства</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>Перед сменой пароля учётной записи admin заполните контактные данные.</translation>
    </message>
</context>
<context>
    <name>AddClientUserDlg</name>
    <message>
        <source>Add User</source>
        <translation>Добавить пользователя</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source> Password</source>
        <translation> Пароль</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Подтвердите пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>EditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>Изменить пользователя</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Old  Password</source>
        <translation>Старый пароль</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Подтвердите пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>Неверный старый пароль</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>Новый пароль не может совпадать со старым</translation>
    </message>
</context>
<context>
    <name>CEditContactDlg</name>
    <message>
        <source>Contact Information</source>
        <translation>Контактная информация</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакт</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Мобильный телефон</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Contact information is a telephone number with its international area code, e.g. 86-13xxxxxxxxx (China) or 1-202xxxxxxxx (USA), or an e-mail address, e.g. owner@example.com. It is used to retrieve the administrator password.</source>
        <translation>Контактные данные — номер телефона с международным кодом, например 86-13xxxxxxxxx (Китай) или 1-202xxxxxxxx (США), либо адрес эл. почты, например owner@example.com. Они нужны для восстановления пароля администратора.</translation>
    </message>
    <message>
        <source>Invalid phone number!</source>
        <translation>Неверный номер телефона!</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Неверный адрес эл. почты!</translation>
    </message>
</context>
<context>
    <name>CNVRUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>Управление пользователями</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Добавить пользователя</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Удалить пользователя</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Изменить контакт</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Enabled State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>Достигнуто максимальное число пользователей устройства</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>Перед сменой пароля учётной записи admin заполните контактные данные.</translation>
    </message>
</context>
<context>
    <name>CNVREditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>Изменить пользователя</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Добавить пользователя</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>old Password</source>
        <translation>Старый пароль</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Подтвердите пароль</translation>
    </message>
    <message>
        <source>Whether Open</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>Неверный старый пароль</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>Новый пароль не может совпадать со старым</translation>
    </message>
</context>
<context>
    <name>CNVRAuthSetting</name>
    <message>
        <source>Local Authority</source>
        <translation>Локальные права</translation>
    </message>
    <message>
        <source>Remote Authority</source>
        <translation>Удалённые права</translation>
    </message>
    <message>
        <source>System Set</source>
        <translation>Настройка системы</translation>
    </message>
    <message>
        <source>Local Playback</source>
        <translation>Локальное воспроизведение</translation>
    </message>
    <message>
        <source>Local Preview</source>
        <translation>Локальный просмотр</translation>
    </message>
    <message>
        <source>Video Backup</source>
        <translation>Резервное копирование видео</translation>
    </message>
    <message>
        <source>Shutdown System</source>
        <translation>Выключение системы</translation>
    </message>
    <message>
        <source>Remote Playback</source>
        <translation>Удалённое воспроизведение</translation>
    </message>
    <message>
        <source>Remote Preview</source>
        <translation>Удалённый просмотр</translation>
    </message>
    <message>
        <source>Remote Upgrade</source>
        <translation>Удалённое обновление</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>RemoteConfigSetting</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Remote Config</source>
        <translation>Удалённая настройка</translation>
    </message>
    <message>
        <source>Video Encode</source>
        <translation>Кодирование видео</translation>
    </message>
    <message>
        <source>OSD Settings</source>
        <translation>Настройки OSD</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Настройки звука</translation>
    </message>
    <message>
        <source>Image Settings</source>
        <translation>Настройки изображения</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Детекция движения</translation>
    </message>
    <message>
        <source>Human Figure Detection</source>
        <translation>Детекция человека</translation>
    </message>
    <message>
        <source>Sound Detection</source>
        <translation>Детекция звука</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>Детекция лиц</translation>
    </message>
    <message>
        <source>Crying Detection</source>
        <translation>Детекция плача</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Platform Access</source>
        <translation>Доступ к платформе</translation>
    </message>
    <message>
        <source>Device Settings</source>
        <translation>Настройки устройства</translation>
    </message>
    <message>
        <source>Device Maintenance</source>
        <translation>Обслуживание</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>Информация о версии</translation>
    </message>
    <message>
        <source>Video and Audio</source>
        <translation>Видео и звук</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
</context>
<context>
    <name>MediaPortWidget</name>
    <message>
        <source>RTSP Port</source>
        <translation>Порт RTSP</translation>
    </message>
    <message>
        <source>(554,1024-65535)</source>
        <translation>(554,1024-65535)</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>Порт HTTP</translation>
    </message>
    <message>
        <source>(80,1024-65535)</source>
        <translation>(80,1024-65535)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>2028 has been occupied</source>
        <translation>Порт 2028 уже занят</translation>
    </message>
    <message>
        <source>RTSP Port Range(554,1024-65535)</source>
        <translation>Диапазон порта RTSP (554,1024-65535)</translation>
    </message>
    <message>
        <source>HTTP Port Range(80,1024-65535)</source>
        <translation>Диапазон порта HTTP (80,1024-65535)</translation>
    </message>
</context>
<context>
    <name>DeviceMaintenance</name>
    <message>
        <source>Reboot</source>
        <translation>Перезагрузка</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Simple Recovery</source>
        <translation>Простой сброс</translation>
    </message>
    <message>
        <source>Full Recovery</source>
        <translation>Полный сброс</translation>
    </message>
    <message>
        <source>In addition to network IP information, all other configurations will restrore to default.</source>
        <translation>Все настройки, кроме сетевых (IP), будут сброшены по умолчанию.</translation>
    </message>
    <message>
        <source>Fully restore device configuration to factory default.</source>
        <translation>Полностью вернуть заводские настройки устройства.</translation>
    </message>
    <message>
        <source>Rebooting device...</source>
        <translation>Перезагрузка устройства...</translation>
    </message>
    <message>
        <source>Operation failed!</source>
        <translation>Операция не выполнена!</translation>
    </message>
    <message>
        <source>Device rebooted!</source>
        <translation>Устройство перезагружено!</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1 or a new IP obtained via DHCP. Are you sure to restore?</source>
        <translation>После полного сброса устройство перезагрузится, а его IP станет адресом по умолчанию %1 или новым адресом от DHCP. Выполнить сброс?</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1. Are you sure to restore?</source>
        <translation>После полного сброса устройство перезагрузится, а его IP станет адресом по умолчанию %1. Выполнить сброс?</translation>
    </message>
</context>
<context>
    <name>DeviceSettingWidget</name>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Time Settings</source>
        <translation>Настройки времени</translation>
    </message>
    <message>
        <source>Time Mode</source>
        <translation>Режим времени</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Device Time</source>
        <translation>Время устройства</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>Синхронизировать с локальным временем</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Установить время</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP-сервер</translation>
    </message>
    <message>
        <source>NTP Port</source>
        <translation>Порт NTP</translation>
    </message>
    <message>
        <source>Calibration Interval</source>
        <translation>Интервал синхронизации</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>минут</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>EthernetSettingWidget</name>
    <message>
        <source>The camera now takes its address from DHCP. Find it again with the device search.</source>
        <translation>Камера теперь получает адрес по DHCP. Найдите её снова через поиск устройств.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статический</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Preferred DNS</source>
        <translation>Предпочитаемый DNS</translation>
    </message>
    <message>
        <source>Standby DNS</source>
        <translation>Альтернативный DNS</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>Проверить IP</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>The camera now answers at %1. This window closes; the camera is listed under its new address.</source>
        <translation>Камера теперь доступна по адресу %1. Это окно закроется; камера будет в списке под новым адресом.</translation>
    </message>
</context>
<context>
    <name>CNVRConfigSetting</name>
    <message>
        <source>Remote Config</source>
        <translation>Удалённая настройка</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Основные</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Хранение</translation>
    </message>
    <message>
        <source>BasicInfo</source>
        <translation>Основные сведения</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>План записи</translation>
    </message>
    <message>
        <source>Disk settings</source>
        <translation>Настройки дисков</translation>
    </message>
</context>
<context>
    <name>CNVRBasicSetting</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Прозрачность</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Блокировка экрана</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>Wizard For Startup</source>
        <translation>Мастер при запуске</translation>
    </message>
    <message>
        <source>Plug and Play</source>
        <translation>Подключи и работай</translation>
    </message>
    <message>
        <source>Debug Log Level</source>
        <translation>Уровень журнала отладки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Opaque</source>
        <translation>Непрозрачный</translation>
    </message>
    <message>
        <source>Translucent</source>
        <translation>Полупрозрачный</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Прозрачный</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включено</translation>
    </message>
</context>
<context>
    <name>CNVRLockScreenDlg</name>
    <message>
        <source>Lock Screen-Other settings</source>
        <translation>Блокировка экрана — другие настройки</translation>
    </message>
    <message>
        <source>Other settings:</source>
        <translation>Другие настройки:</translation>
    </message>
    <message>
        <source>LogOut</source>
        <translation>Выйти из системы</translation>
    </message>
    <message>
        <source>Lock the current screen</source>
        <translation>Заблокировать текущий экран</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CNVREthernetSetting</name>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>Проверить IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Основной DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Резервный DNS</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>MTU Setting</source>
        <translation>Настройка MTU</translation>
    </message>
    <message>
        <source>[500~1500]</source>
        <translation>[500~1500]</translation>
    </message>
    <message>
        <source>WIFI</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>POE</source>
        <translation>PoE</translation>
    </message>
    <message>
        <source>APP Binding</source>
        <translation>Привязка приложения</translation>
    </message>
    <message>
        <source> Device QR code</source>
        <translation> QR-код устройства</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>The value of the mtu must be between the integers of the [500-1500]</source>
        <translation>Значение MTU должно быть целым числом в диапазоне [500-1500]</translation>
    </message>
</context>
<context>
    <name>CNVRVersionInfo</name>
    <message>
        <source>Product Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Sofware Version</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>Версия оборудования</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
</context>
<context>
    <name>CNVRDiskBrowse</name>
    <message>
        <source>Disk Full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <source>No hard disk Tips</source>
        <translation>Предупреждение об отсутствии диска</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Форматировать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Перезаписывать</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Занято</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Being Written</source>
        <translation>Идёт запись</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation>Неисправен</translation>
    </message>
    <message>
        <source>Caveat</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>format this disk?</source>
        <translation>отформатировать этот диск?</translation>
    </message>
    <message>
        <source>Formatting: waiting for the recorder's answer...</source>
        <translation>Форматирование: ожидание ответа регистратора...</translation>
    </message>
    <message>
        <source>The connection was lost while formatting. The disks are read again once the recorder is back.</source>
        <translation>Соединение было потеряно во время форматирования. Диски будут прочитаны снова, когда регистратор вернётся на связь.</translation>
    </message>
</context>
<context>
    <name>CNVRChannelManageDlg</name>
    <message>
        <source>ChannelManage</source>
        <translation>Управление каналами</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>Добавленные устройства</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Searched device</source>
        <translation>Найденные устройства</translation>
    </message>
    <message>
        <source>Search Dev</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Добавить устройство</translation>
    </message>
    <message>
        <source>Manual Add</source>
        <translation>Добавить вручную</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>Изменить IP</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Кан.</translation>
    </message>
    <message>
        <source>Channel Names</source>
        <translation>Имя канала</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>DoubleCamName</source>
        <translation>Объектив</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>File System Version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>key</source>
        <translation>ключ</translation>
    </message>
    <message>
        <source>DoubleCam</source>
        <translation>Двойная камера</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не подключено</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Connection succeed</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Ошибка подключения</translation>
    </message>
    <message>
        <source>Connection failure: network limit</source>
        <translation>Ошибка подключения: ограничение сети</translation>
    </message>
    <message>
        <source>Connection failed: communication error</source>
        <translation>Ошибка подключения: ошибка связи</translation>
    </message>
    <message>
        <source>Connection failed: other errors</source>
        <translation>Ошибка подключения: другие ошибки</translation>
    </message>
    <message>
        <source>Has been disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Get configuration failed</source>
        <translation>Не удалось получить настройки</translation>
    </message>
    <message>
        <source>Disconnected from the network</source>
        <translation>Нет связи с сетью</translation>
    </message>
    <message>
        <source>IP conflict</source>
        <translation>Конфликт IP-адресов</translation>
    </message>
    <message>
        <source>Lack of resources</source>
        <translation>Недостаточно ресурсов</translation>
    </message>
    <message>
        <source>Bit stream exception</source>
        <translation>Ошибка потока</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Channel is full, Please delete it and then add</source>
        <translation>Все каналы заняты, удалите канал и добавьте снова</translation>
    </message>
    <message>
        <source>Wireless IPC does not support modifying IP address!</source>
        <translation>Беспроводная камера не поддерживает смену IP-адреса!</translation>
    </message>
    <message>
        <source>The device IP is being modified. Please search again later.</source>
        <translation>IP-адрес устройства изменяется. Повторите поиск позже.</translation>
    </message>
    <message>
        <source>The operation successfully, The channel information is being refreshed</source>
        <translation>Операция выполнена успешно, сведения о каналах обновляются</translation>
    </message>
    <message>
        <source>The NVR's channel list has not been read yet. Please wait for it or read it again.</source>
        <translation>Список каналов регистратора ещё не прочитан. Дождитесь его или прочитайте снова.</translation>
    </message>
</context>
<context>
    <name>CNVRChannelAddDevDlg</name>
    <message>
        <source>NVRChannelAdd</source>
        <translation>Добавление канала</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Auth Type</source>
        <translation>Тип проверки</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>WS-Username token</source>
        <translation>WS-Username token</translation>
    </message>
    <message>
        <source>Digest</source>
        <translation>Digest</translation>
    </message>
    <message>
        <source>DoubleCam</source>
        <translation>Объектив</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CNVRChannelModifyIPDlg</name>
    <message>
        <source>Modify IPAddress</source>
        <translation>Изменение IP-адреса</translation>
    </message>
    <message>
        <source>Modify IP-</source>
        <translation>Изменение IP — </translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The log file %1 cannot be written (%2); the client goes on without its log.</source>
        <translation>Не удаётся записать файл журнала %1 (%2); клиент продолжает работу без журнала.</translation>
    </message>
    <message>
        <source>Modify Channel Dev</source>
        <translation>Изменение устройства канала</translation>
    </message>
    <message>
        <source>Database initialization failed!</source>
        <translation>Ошибка инициализации базы данных!</translation>
    </message>
    <message>
        <source>Init app...</source>
        <translation>Запуск приложения...</translation>
    </message>
    <message>
        <source>Init main page ...</source>
        <translation>Подготовка главной страницы ...</translation>
    </message>
    <message>
        <source>Load page ...</source>
        <translation>Загрузка страницы ...</translation>
    </message>
    <message>
        <source>Finished！</source>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>The database %1 was not made by this client or by a version of it that it knows, and has been left unchanged.
Move it away to start with a new database.</source>
        <translation>База данных %1 создана не этим клиентом или неизвестной ему версией и оставлена без изменений.
Переместите её, чтобы начать с новой базы данных.</translation>
    </message>
    <message>
        <source>The database is in use by another program; waiting for it...</source>
        <translation>База данных занята другой программой; ожидание...</translation>
    </message>
</context>
<context>
    <name>CNVRDateSetting</name>
    <message>
        <source>Device Time</source>
        <translation>Время устройства</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Установить время</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>Синхронизировать с местным временем</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Time Zone Set</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Формат времени</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24-часовой</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12-часовой</translation>
    </message>
    <message>
        <source>IPC Timing</source>
        <translation>Синхронизация времени камер</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>интервал</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>Show System Time</source>
        <translation>Показывать системное время</translation>
    </message>
    <message>
        <source>Show Channal</source>
        <translation>Показывать номера каналов</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>CNVRSummerTimeDlg</name>
    <message>
        <source>Setting SummerTime</source>
        <translation>Настройка летнего времени</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>ЧЧ:ММ</translation>
    </message>
    <message>
        <source>Clock Adjust</source>
        <translation>Сдвиг часов</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Первая</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Вторая</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Третья</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Четвёртая</translation>
    </message>
    <message>
        <source>Finally</source>
        <translation>Последняя</translation>
    </message>
    <message>
        <source>Delayed</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Вперёд</translation>
    </message>
</context>
<context>
    <name>CNVRStoragePlan</name>
    <message>
        <source>IP Channel</source>
        <translation>IP-канал</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>select all</source>
        <translation>выбрать все</translation>
    </message>
    <message>
        <source>No Record</source>
        <translation>Без записи</translation>
    </message>
    <message>
        <source>General Record</source>
        <translation>Обычная запись</translation>
    </message>
    <message>
        <source>Detection Record</source>
        <translation>Запись по детекции</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Интеллектуальная</translation>
    </message>
    <message>
        <source>Copy this setting to</source>
        <translation>Копировать настройку в</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Not saved: the recorder refused this schedule.</source>
        <translation>Не сохранено: регистратор отклонил это расписание.</translation>
    </message>
    <message>
        <source>Not saved: the recorder gave no usable answer.</source>
        <translation>Не сохранено: регистратор не дал пригодного ответа.</translation>
    </message>
    <message>
        <source>Not saved: the recorder is not connected.</source>
        <translation>Не сохранено: регистратор не подключён.</translation>
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
    <name>LocalVideoReplayWnd</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Фильтр по имени устройства</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>За этот день нет записей.</translation>
    </message>
    <message>
        <source>The maximum number of connections has been reached!</source>
        <translation>Достигнуто максимальное число подключений!</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Нажмите ESC для выхода из полноэкранного режима.</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Снимок сделан</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>— сохранено в</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Не удалось сделать снимок</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>Не удалось создать папку!</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Воспроизведение завершено</translation>
    </message>
</context>
<context>
    <name>RecordWnd</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Record Backup</source>
        <translation>Резервная копия записи</translation>
    </message>
    <message>
        <source>StartTime</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>EndTime</source>
        <translation>Время окончания</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Начать загрузку</translation>
    </message>
    <message>
        <source>End Download</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Фильтр по имени устройства</translation>
    </message>
    <message>
        <source>Start Replay</source>
        <translation>Начать воспроизведение</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>нет записей</translation>
    </message>
    <message>
        <source>Starting stream retrieval, please wait...</source>
        <translation>Запрос потока, подождите...</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Воспроизведение завершено</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Снимок сделан</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>— сохранено в</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Не удалось сделать снимок</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Нажмите ESC для выхода из полноэкранного режима.</translation>
    </message>
    <message>
        <source>Please select the device to operate.</source>
        <translation>Выберите устройство.</translation>
    </message>
    <message>
        <source>The current channel is playing back, please stop playback and try again.</source>
        <translation>Канал воспроизводится, остановите воспроизведение и повторите попытку.</translation>
    </message>
    <message>
        <source>Video is downloading, please wait for the download to finish.</source>
        <translation>Идёт загрузка записи, дождитесь её завершения.</translation>
    </message>
    <message>
        <source>Only videos from the same day can be downloaded.</source>
        <translation>Можно загрузить записи только за один день.</translation>
    </message>
    <message>
        <source>Start time can not be greater than the end time.</source>
        <translation>Время начала не может быть позже времени окончания.</translation>
    </message>
    <message>
        <source>Download successful</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>Download incomplete</source>
        <translation>Загрузка неполная</translation>
    </message>
    <message>
        <source>a piece of a frame never arrived</source>
        <translation>часть кадра не была получена</translation>
    </message>
    <message>
        <source>frames of the recording never arrived</source>
        <translation>часть кадров записи не была получена</translation>
    </message>
    <message>
        <source>a frame larger than allowed was dropped</source>
        <translation>кадр больше допустимого размера был отброшен</translation>
    </message>
    <message>
        <source>the recorder stopped sending in the middle of a frame</source>
        <translation>регистратор прекратил передачу посреди кадра</translation>
    </message>
    <message>
        <source>Please select a channel to download.</source>
        <translation>Выберите канал для загрузки.</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>Не удалось создать папку!</translation>
    </message>
    <message>
        <source>Playback stopped: the connection to the recorder was lost</source>
        <translation>Воспроизведение остановлено: соединение с регистратором потеряно</translation>
    </message>
    <message>
        <source>The recorder is back: play the channel again</source>
        <translation>Регистратор снова доступен: воспроизведите канал заново</translation>
    </message>
    <message>
        <source>Download incomplete: the connection to the recorder was lost at %1 (%2 s of %3 s kept)</source>
        <translation>Загрузка неполная: соединение с регистратором потеряно в %1 (сохранено %2 с из %3 с)</translation>
    </message>
    <message>
        <source>Download failed: the connection to the recorder was lost before any footage came</source>
        <translation>Ошибка загрузки: соединение с регистратором потеряно до получения записи</translation>
    </message>
    <message>
        <source>Download incomplete: the recorder stopped sending at %1 (%2 s of %3 s kept)</source>
        <translation>Загрузка неполная: регистратор прекратил передачу в %1 (сохранено %2 с из %3 с)</translation>
    </message>
    <message>
        <source>Download failed: the recorder did not answer the request</source>
        <translation>Ошибка загрузки: регистратор не ответил на запрос</translation>
    </message>
    <message>
        <source>Download failed: the recorder sent no footage of the range</source>
        <translation>Ошибка загрузки: регистратор не передал записей за этот период</translation>
    </message>
</context>
<context>
    <name>AlarmEventWidget</name>
    <message>
        <source>Monitoring points</source>
        <translation>Точки наблюдения</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Тип события</translation>
    </message>
    <message>
        <source>Basic Event</source>
        <translation>Основные события</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Обнаружение движения</translation>
    </message>
    <message>
        <source>Video is missing</source>
        <translation>Потеря видео</translation>
    </message>
    <message>
        <source>Smart Event</source>
        <translation>Интеллектуальные события</translation>
    </message>
    <message>
        <source>Human detection</source>
        <translation>Обнаружение людей</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>Обнаружение лиц</translation>
    </message>
    <message>
        <source>Audio noise</source>
        <translation>Звуковой шум</translation>
    </message>
    <message>
        <source>Other Event</source>
        <translation>Прочие события</translation>
    </message>
    <message>
        <source>Device is offline</source>
        <translation>Устройство не в сети</translation>
    </message>
    <message>
        <source>Illegal access</source>
        <translation>Несанкционированный доступ</translation>
    </message>
    <message>
        <source>Disk failure</source>
        <translation>Сбой диска</translation>
    </message>
    <message>
        <source>I/O Event</source>
        <translation>События ввода-вывода</translation>
    </message>
    <message>
        <source>Alarm input</source>
        <translation>Тревожный вход</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>Связанные действия</translation>
    </message>
    <message>
        <source>Video popup</source>
        <translation>Всплывающее видео</translation>
    </message>
    <message>
        <source>Pop-up window duration</source>
        <translation>Длительность всплывающего окна</translation>
    </message>
    <message>
        <source>Linkage recording</source>
        <translation>Связанная запись</translation>
    </message>
    <message>
        <source>Recording duration</source>
        <translation>Длительность записи</translation>
    </message>
    <message>
        <source>Snapshot pictures</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Linkage monitoring point</source>
        <translation>Связанная точка наблюдения</translation>
    </message>
    <message>
        <source>Monitoring point selection</source>
        <translation>Выбор точки наблюдения</translation>
    </message>
    <message>
        <source>Perform preset</source>
        <translation>Перейти к предустановке</translation>
    </message>
    <message>
        <source>send email</source>
        <translation>отправить письмо</translation>
    </message>
    <message>
        <source>Audio prompt</source>
        <translation>Звуковой сигнал</translation>
    </message>
    <message>
        <source>Custom audio</source>
        <translation>Свой звук</translation>
    </message>
    <message>
        <source>Audio duration</source>
        <translation>Длительность звука</translation>
    </message>
    <message>
        <source>Map flashes</source>
        <translation>Мигание на карте</translation>
    </message>
    <message>
        <source>Linked IO output</source>
        <translation>Связанный выход IO</translation>
    </message>
    <message>
        <source>IO output selection</source>
        <translation>Выбор выхода IO</translation>
    </message>
    <message>
        <source>Output duration</source>
        <translation>Длительность выхода</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>Время охраны</translation>
    </message>
    <message>
        <source>All week</source>
        <translation>Вся неделя</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>%1 no longer exists: no alarm settings were saved for it</source>
        <translation>%1 больше не существует: настройки тревог для него не сохранены</translation>
    </message>
    <message>
        <source>Choose a device in the list to see and change its alarm settings.</source>
        <translation>Выберите устройство в списке, чтобы просмотреть и изменить его настройки тревог.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database is in use by another program. Choose the device again to try once more.</source>
        <translation>Не удалось прочитать настройки тревог этого устройства: база данных занята другой программой. Выберите устройство ещё раз, чтобы повторить попытку.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database file is damaged.</source>
        <translation>Не удалось прочитать настройки тревог этого устройства: файл базы данных повреждён.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read. Choose the device again to try once more.</source>
        <translation>Не удалось прочитать настройки тревог этого устройства. Выберите устройство ещё раз, чтобы повторить попытку.</translation>
    </message>
    <message>
        <source>the alarm settings</source>
        <translation>настройки тревог</translation>
    </message>
</context>
<context>
    <name>CopyAlarmEvent</name>
    <message>
        <source>copy to</source>
        <translation>копировать в</translation>
    </message>
    <message>
        <source>  Device / channel</source>
        <translation>  Устройство / канал</translation>
    </message>
    <message>
        <source>Copy content</source>
        <translation>Что копировать</translation>
    </message>
    <message>
        <source>  Event type</source>
        <translation>  Тип события</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>Связанные действия</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>Время охраны</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>AlarmInfoWidget</name>
    <message>
        <source>Event Query</source>
        <translation>Поиск событий</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Device / Channel</source>
        <translation>Устройство / канал</translation>
    </message>
    <message>
        <source>Processing status</source>
        <translation>Статус обработки</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>ожидает</translation>
    </message>
    <message>
        <source>processing</source>
        <translation>в обработке</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>решено</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Тип события</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Обнаружение движения</translation>
    </message>
    <message>
        <source>Face event</source>
        <translation>Событие лица</translation>
    </message>
    <message>
        <source>Human event</source>
        <translation>Событие человека</translation>
    </message>
    <message>
        <source>high temperature</source>
        <translation>высокая температура</translation>
    </message>
    <message>
        <source>low temperature</source>
        <translation>низкая температура</translation>
    </message>
    <message>
        <source>Sound detection</source>
        <translation>Обнаружение звука</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Batch processing</source>
        <translation>Пакетная обработка</translation>
    </message>
    <message>
        <source>Export record</source>
        <translation>Экспорт записей</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Фильтр по имени</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>excel (*.xlsx *.xls )</source>
        <translation>Excel (*.xlsx *.xls )</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Ошибка экспорта</translation>
    </message>
    <message>
        <source>The alarm records cannot be read now: the database is in use by another program.</source>
        <translation>Сейчас не удаётся прочитать записи тревог: база данных занята другой программой.</translation>
    </message>
    <message>
        <source>The alarm records cannot be read.</source>
        <translation>Не удаётся прочитать записи тревог.</translation>
    </message>
    <message>
        <source>The alarm records cannot be read: the database file is damaged.</source>
        <translation>Не удаётся прочитать записи тревог: файл базы данных повреждён.</translation>
    </message>
    <message>
        <source>Shown: the records of the last search that was read.</source>
        <translation>Показаны записи последнего успешно прочитанного поиска.</translation>
    </message>
    <message>
        <source>the alarms marked solved</source>
        <translation>тревоги, отмеченные как решённые</translation>
    </message>
</context>
<context>
    <name>AlarmInfoProcessing</name>
    <message>
        <source>Processing records</source>
        <translation>Обработка записей</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>AlarmManageWidget</name>
    <message>
        <source>Alarm Event </source>
        <translation>Тревожные события </translation>
    </message>
    <message>
        <source>Alarm Info</source>
        <translation>Журнал тревог</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPane</name>
    <message>
        <source>Reconnecting...</source>
        <translation>Повторное подключение...</translation>
    </message>
    <message>
        <source>No video</source>
        <translation>Нет видео</translation>
    </message>
    <message>
        <source>Video interrupted</source>
        <translation>Видео прервано</translation>
    </message>
    <message>
        <source>Play failed</source>
        <translation>Ошибка воспроизведения</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>The source refuses connections</source>
        <translation>Источник не принимает подключения</translation>
    </message>
</context>
<context>
    <name>RemoteCfg_Widget</name>
    <message>
        <source>Set up to four time periods in a day!</source>
        <translation>Можно задать не более четырёх периодов в день!</translation>
    </message>
</context>
<context>
    <name>PlatformSettingWidget</name>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Access mode</source>
        <translation>Режим доступа</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Unregistered</source>
        <translation>Не зарегистрировано</translation>
    </message>
    <message>
        <source>In registration</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Зарегистрировано</translation>
    </message>
    <message>
        <source>Write off</source>
        <translation>Снято с регистрации</translation>
    </message>
</context>
<context>
    <name>VersionInformation</name>
    <message>
        <source>Device Model</source>
        <translation>Модель устройства</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>UID</source>
        <translation>UID</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
</context>
<context>
    <name>BRN_DevContactInfo_Widget</name>
    <message>
        <source>Contact Info</source>
        <translation>Контактные данные</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>VideoEncodeWidget</name>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>Основной поток</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>Дополнительный поток</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>Тип кодирования</translation>
    </message>
    <message>
        <source>Bitrate Control</source>
        <translation>Управление битрейтом</translation>
    </message>
    <message>
        <source>Bitrate Toplimit</source>
        <translation>Верхний предел битрейта</translation>
    </message>
    <message>
        <source>I Frame Interval</source>
        <translation>Интервал I-кадров</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Переменный</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Постоянный</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Main stream bitrate out of bounds</source>
        <translation>Битрейт основного потока вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Sub stream bitrate out of bounds</source>
        <translation>Битрейт дополнительного потока вне допустимого диапазона</translation>
    </message>
    <message>
        <source>The device needs to be restarted for the modification to take effect</source>
        <translation>Чтобы изменения вступили в силу, устройство нужно перезапустить</translation>
    </message>
</context>
<context>
    <name>MD_AudioCode_Widget</name>
    <message>
        <source>audioEncode</source>
        <translation>Кодирование звука</translation>
    </message>
    <message>
        <source>Enable Encode</source>
        <translation>Включить кодирование</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>Тип кодирования</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>audioDecode</source>
        <translation>Декодирование звука</translation>
    </message>
    <message>
        <source>Enable decode</source>
        <translation>Включить декодирование</translation>
    </message>
    <message>
        <source>decode Type</source>
        <translation>Тип декодирования</translation>
    </message>
    <message>
        <source>bitWidth</source>
        <translation>Разрядность</translation>
    </message>
    <message>
        <source>soundmode</source>
        <translation>Режим звука</translation>
    </message>
    <message>
        <source>Volume Settings</source>
        <translation>Настройки громкости</translation>
    </message>
    <message>
        <source>MIC Volume</source>
        <translation>Громкость микрофона</translation>
    </message>
    <message>
        <source>Speaker Volume</source>
        <translation>Громкость динамика</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>VideoImageSetting</name>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Night Vision Mode</source>
        <translation>Режим ночного видения</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Экспозиция</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>Баланс белого</translation>
    </message>
    <message>
        <source>PE</source>
        <translation>Улучшение изображения</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Контраст</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Резкость</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Видеоформат</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Зеркало</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>antiFlicker</source>
        <translation>Антимерцание</translation>
    </message>
    <message>
        <source>around</source>
        <translation>По горизонтали</translation>
    </message>
    <message>
        <source>up and down</source>
        <translation>По вертикали</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Rotate 90 degrees</source>
        <translation>Поворот на 90 градусов</translation>
    </message>
    <message>
        <source>Rotate 270 degrees</source>
        <translation>Поворот на 270 градусов</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Принудительно</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Exposure time</source>
        <translation>Время экспозиции</translation>
    </message>
    <message>
        <source>Gain intensity</source>
        <translation>Усиление</translation>
    </message>
    <message>
        <source>Strong light suppression</source>
        <translation>Подавление яркого света</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Компенсация подсветки</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Auto White Balance</source>
        <translation>Автоматический баланс белого</translation>
    </message>
    <message>
        <source>Manual White Balance</source>
        <translation>Ручной баланс белого</translation>
    </message>
    <message>
        <source>Red Gain</source>
        <translation>Усиление красного</translation>
    </message>
    <message>
        <source>Blue Gain</source>
        <translation>Усиление синего</translation>
    </message>
    <message>
        <source>WideDynamic</source>
        <translation>Широкий динамический диапазон</translation>
    </message>
    <message>
        <source>Strenth Target</source>
        <translation>Целевая сила</translation>
    </message>
    <message>
        <source>Denoise  Mode</source>
        <translation>Режим шумоподавления</translation>
    </message>
    <message>
        <source>Denoise Strenth</source>
        <translation>Сила шумоподавления</translation>
    </message>
    <message>
        <source>Smart Mode</source>
        <translation>Интеллектуальный режим</translation>
    </message>
    <message>
        <source>Infrared Mode</source>
        <translation>Инфракрасный режим</translation>
    </message>
    <message>
        <source>Full Color Mode</source>
        <translation>Полноцветный режим</translation>
    </message>
    <message>
        <source>Change the video format and IPC will restart.</source>
        <translation>После смены видеоформата IPC перезапустится.</translation>
    </message>
</context>
<context>
    <name>MD_TimeTitle_Widget</name>
    <message>
        <source>Date/Time</source>
        <translation>Дата/время</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>Do not display</source>
        <translation>Не показывать</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Before Date</source>
        <translation>Перед датой</translation>
    </message>
    <message>
        <source>After Date</source>
        <translation>После даты</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>День недели</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12-часовой формат</translation>
    </message>
    <message>
        <source>Show Name</source>
        <translation>Показывать имя</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свой текст</translation>
    </message>
    <message>
        <source>Custom One</source>
        <translation>Свой текст 1</translation>
    </message>
    <message>
        <source>Custom Two</source>
        <translation>Свой текст 2</translation>
    </message>
    <message>
        <source>Custom Three</source>
        <translation>Свой текст 3</translation>
    </message>
    <message>
        <source>OSD Frame</source>
        <translation>Рамка OSD</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
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
    <message>
        <source>Not recording: the stream failed, trying again</source>
        <translation>Не записывается: поток прерван, повторная попытка</translation>
    </message>
    <message>
        <source>Not recording: the device is not found</source>
        <translation>Не записывается: устройство не найдено</translation>
    </message>
    <message>
        <source>Not recording: the disk is full or cannot be written</source>
        <translation>Не записывается: диск заполнен или недоступен для записи</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder; it starts again when it can.</source>
        <translation>Видео не удаётся записать в папку хранения; запись возобновится, как только это станет возможно.</translation>
    </message>
    <message>
        <source>Not recording: the storage folder is not there</source>
        <translation>Запись не идёт: папки хранилища нет</translation>
    </message>
    <message>
        <source>The storage folder %1 is not there (is its disk mounted?); recording starts again when it is back.</source>
        <translation>Папки хранилища %1 нет (подключён ли её диск?); запись возобновится, когда она появится.</translation>
    </message>
    <message>
        <source>The folder %1 is not the storage folder recorded into before (is its disk mounted?); nothing is written into it. Recording starts again when that disk is back; to record into this folder, choose it again under Configuration.</source>
        <translation>Папка %1 — не та папка хранилища, в которую шла запись (подключён ли её диск?); в неё ничего не записывается. Запись возобновится, когда тот диск вернётся; чтобы записывать в эту папку, выберите её заново в разделе «Настройка».</translation>
    </message>
    <message>
        <source>Not recording: the folder is not this client's storage folder</source>
        <translation>Запись не идёт: папка не является папкой хранилища этого клиента</translation>
    </message>
    <message>
        <source>Not recording: the storage folder cannot be written</source>
        <translation>Запись не идёт: в папку хранилища нельзя записывать</translation>
    </message>
    <message>
        <source>Not recording: another client records into the storage folder</source>
        <translation>Запись не идёт: в папку хранилища записывает другой клиент</translation>
    </message>
    <message>
        <source>Not recording: the storage folder's disk is not mounted</source>
        <translation>Запись не идёт: диск папки хранилища не подключён</translation>
    </message>
    <message>
        <source>Not recording: the client's settings cannot be read</source>
        <translation>Запись не идёт: не удаётся прочитать настройки клиента</translation>
    </message>
    <message>
        <source>Not recording: the folder lies inside another client's storage folder</source>
        <translation>Запись не идёт: папка находится внутри папки хранилища другого клиента</translation>
    </message>
    <message>
        <source>The folder %1 lies inside %2, the storage folder of another client; this client writes nothing there, so that neither touches the other's recordings. Choose another folder under Configuration.</source>
        <translation>Папка %1 находится внутри %2, папки хранилища другого клиента; этот клиент ничего туда не записывает, чтобы ни один не трогал записи другого. Выберите другую папку в разделе «Настройка».</translation>
    </message>
    <message>
        <source>the database is in use by another program</source>
        <translation>база данных занята другой программой</translation>
    </message>
    <message>
        <source>A disk mounted at %2 covers the storage folder %1 and is not this client's storage; nothing is written onto it. Recording starts again when that disk is unmounted; to record onto it, choose the folder again under Configuration.</source>
        <translation>Диск, подключённый в %2, закрывает папку хранилища %1 и не является хранилищем этого клиента; на него ничего не записывается. Запись возобновится, когда этот диск будет отключён; чтобы записывать на него, выберите папку заново в разделе «Настройка».</translation>
    </message>
    <message>
        <source>Another client records into the storage folder %1 (it holds the lock on %2); this client writes nothing there. Recording starts when that client stops; or choose another folder under Configuration.</source>
        <translation>В папку хранилища %1 записывает другой клиент (он удерживает блокировку %2); этот клиент ничего туда не записывает. Запись начнётся, когда тот клиент остановится; или выберите другую папку в разделе «Настройка».</translation>
    </message>
    <message>
        <source>The storage folder %1 lies under %2, where the system mounts a disk, and no disk is mounted there now; nothing is written. Recording starts when it is mounted.</source>
        <translation>Папка хранилища %1 находится в %2, куда система подключает диск, но сейчас там не подключён ни один диск; ничего не записывается. Запись начнётся, когда диск будет подключён.</translation>
    </message>
    <message>
        <source>The storage folder %1 cannot be checked while the client's settings cannot be read (%2); recording starts when they can be read.</source>
        <translation>Папку хранилища %1 нельзя проверить, пока не удаётся прочитать настройки клиента (%2); запись начнётся, когда их удастся прочитать.</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder %1 (%2); it starts again when it can.</source>
        <translation>Видео не удаётся записать в папку хранилища %1 (%2); запись возобновится, как только это станет возможно.</translation>
    </message>
    <message>
        <source>The client's settings cannot be saved in the database (%1): the storage folder is known for this run only.</source>
        <translation>Не удаётся сохранить настройки клиента в базе данных (%1): папка хранилища известна только до завершения этого запуска.</translation>
    </message>
    <message>
        <source>A disk was mounted at %2: recording goes on in %1 on it. What was recorded before lies in %1 on %3 (mounted at %4), hidden under the mount point %2 while that disk is mounted.</source>
        <translation>В %2 подключён диск: запись продолжается в %1 на нём. Записанное ранее находится в %1 на %3 (подключён в %4) и скрыто под точкой подключения %2, пока этот диск подключён.</translation>
    </message>
    <message>
        <source>The client's settings table %4 in the database file %2 cannot be read (%3); the file may be damaged. The storage folder %1 cannot be checked, and nothing is recorded until the settings can be read.</source>
        <translation>Таблицу настроек клиента %4 в файле базы данных %2 не удаётся прочитать (%3); файл может быть повреждён. Папку хранения %1 нельзя проверить, и запись не ведётся, пока настройки не будут прочитаны.</translation>
    </message>
    <message>
        <source>The storage folder %1 was removed from its disk, which is still mounted. It is this client's own, so the client made it again, and recording goes on in it.</source>
        <translation>Папка хранения %1 была удалена со своего диска, который по-прежнему смонтирован. Она принадлежит этому клиенту, поэтому клиент создал её заново, и запись в неё продолжается.</translation>
    </message>
    <message>
        <source>Recording follows the plan read before meanwhile.</source>
        <translation>Тем временем запись идёт по ранее прочитанному плану.</translation>
    </message>
    <message>
        <source>Nothing is recorded until it can be read.</source>
        <translation>Пока её не удастся прочитать, запись не ведётся.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read now: the database is in use by another program. %3 It is read again by itself.</source>
        <translation>Таблицу %1 файла базы данных %2 сейчас не удаётся прочитать: база данных занята другой программой. %3 Она будет прочитана снова сама.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read: the file is damaged (%3). %4 It is read again by itself.</source>
        <translation>Таблицу %1 файла базы данных %2 не удаётся прочитать: файл повреждён (%3). %4 Она будет прочитана снова сама.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read (%3). %4 It is read again by itself.</source>
        <translation>Таблицу %1 файла базы данных %2 не удаётся прочитать (%3). %4 Она будет прочитана снова сама.</translation>
    </message>
    <message>
        <source>the storage schedule</source>
        <translation>расписание записи</translation>
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
    <message>
        <source>The folder cannot be used for recordings: %1</source>
        <translation>Эту папку нельзя использовать для записей: %1</translation>
    </message>
    <message>
        <source>the recording folder</source>
        <translation>папка записей</translation>
    </message>
</context>
<context>
    <name>IotReplayWnd</name>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Фильтр по имени устройства</translation>
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
    <message>
        <source>Playback ended</source>
        <translation>Воспроизведение завершено</translation>
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
    <message>
        <source>The cloud store cannot be read. It is looked for in the folder %1</source>
        <translation>Не удаётся прочитать облачное хранилище. Оно ищется в папке %1</translation>
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
    <message>
        <source>Live Video</source>
        <translation>Живое видео</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>Storage Schedule</source>
        <translation>Расписание записи</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Управление устройствами</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Доступ</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Not available in this version</source>
        <translation>Недоступно в этой версии</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Closing: waiting for the database to store what is left. Changes: %1, alarms: %2.</source>
        <translation>Закрытие: ожидание, пока база данных сохранит оставшееся. Изменения: %1, тревоги: %2.</translation>
    </message>
    <message>
        <source>Not saved at close, the database is in use by another program. Changes: %1, alarms: %2.</source>
        <translation>Не сохранено при закрытии: база данных занята другой программой. Изменения: %1, тревоги: %2.</translation>
    </message>
    <message>
        <source>Alarms not saved before the close: %1.</source>
        <translation>Тревоги, не сохранённые до закрытия: %1.</translation>
    </message>
</context>
<context>
    <name>CommonDetection</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Включить</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Чувствительность</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>White Light</source>
        <translation>Белый свет</translation>
    </message>
    <message>
        <source>Always bright</source>
        <translation>Постоянно</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Мигание</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>(5-60)s</source>
        <translation>(5-60) с</translation>
    </message>
    <message>
        <source>Voice Alarm</source>
        <translation>Звуковая тревога</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Check Source</source>
        <translation>Проверка источника</translation>
    </message>
    <message>
        <source>Auto Music</source>
        <translation>Автомузыка</translation>
    </message>
    <message>
        <source>Summer Night</source>
        <translation>Летняя ночь</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Покой</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Удача</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Маяк</translation>
    </message>
    <message>
        <source>Little Conch</source>
        <translation>Ракушка</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Не воспроизводить</translation>
    </message>
</context>
<context>
    <name>CMoveDetectTimeSetDlg</name>
    <message>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
</context>
<context>
    <name>AL_MoveDetect_Widget</name>
    <message>
        <source>Arming Time</source>
        <translation>Время охраны</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>FaceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Время охраны</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>BCDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Время охраны</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>PeopleDetection</name>
    <message>
        <source>Human Figure Track</source>
        <translation>Отслеживание человека</translation>
    </message>
    <message>
        <source>Arming Time</source>
        <translation>Время охраны</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>VoiceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Время охраны</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPlayController</name>
    <message>
        <source>No stream address</source>
        <translation>Нет адреса потока</translation>
    </message>
</context>
<context>
    <name>MainViewVideoPreview</name>
    <message>
        <source>%1 screens</source>
        <translation>Экранов: %1</translation>
    </message>
    <message>
        <source>Search device</source>
        <translation>Поиск устройства</translation>
    </message>
</context>
<context>
    <name>DeviceManageWidget</name>
    <message>
        <source>Names</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Choose update Files</source>
        <translation>Выберите файл обновления</translation>
    </message>
    <message>
        <source>The file cannot be accessed!</source>
        <translation>Нет доступа к файлу!</translation>
    </message>
    <message>
        <source>Please select file to be upgraded!</source>
        <translation>Выберите файл для обновления!</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>Отметьте только одну строку.</translation>
    </message>
    <message>
        <source>Device is nullptr</source>
        <translation>Устройство не найдено</translation>
    </message>
    <message>
        <source>The device type does not support upgrade</source>
        <translation>Этот тип устройства не поддерживает обновление</translation>
    </message>
    <message>
        <source>There are connection failed devices in the selected list, please re-select</source>
        <translation>Среди выбранных есть устройства без подключения, выберите заново</translation>
    </message>
    <message>
        <source>Begin upgrade, Please wait</source>
        <translation>Обновление начато, подождите</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Upgrade fail</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <source>Upgrade Progress</source>
        <translation>Ход обновления</translation>
    </message>
    <message>
        <source>Upgrade success,The device will restart</source>
        <translation>Обновление выполнено, устройство перезагрузится</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Search Device</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Manual Device</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>Массовая смена</translation>
    </message>
    <message>
        <source>Device Group</source>
        <translation>Группы устройств</translation>
    </message>
    <message>
        <source>selected:</source>
        <translation>Выбрано:</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>шт.</translation>
    </message>
    <message>
        <source>Upgrade File</source>
        <translation>Файл обновления</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>File Upgrade</source>
        <translation>Обновить из файла</translation>
    </message>
    <message>
        <source>DeviceManageWidget</source>
        <translation>Управление устройствами</translation>
    </message>
</context>
<context>
    <name>AddClientDevDlg</name>
    <message>
        <source>Private</source>
        <translation>Собственный</translation>
    </message>
    <message>
        <source>ONVIF</source>
        <translation>ONVIF</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Добавить устройство</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>Порт RTSP</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>AddClientDevDlg</source>
        <translation>Добавление устройства</translation>
    </message>
</context>
<context>
    <name>EditClientDevDlg</name>
    <message>
        <source>Edit Device</source>
        <translation>Изменить устройство</translation>
    </message>
    <message>
        <source>The password is the default.</source>
        <translation>Используется пароль по умолчанию.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Video Port</source>
        <translation>Порт видео</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>forget</source>
        <translation>Забыли пароль</translation>
    </message>
    <message>
        <source>authType</source>
        <translation>Аутентификация</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>WS-Username token</source>
        <translation>WS-Username token</translation>
    </message>
    <message>
        <source>Digest</source>
        <translation>Digest</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>EditClientDevDlg</source>
        <translation>Изменение устройства</translation>
    </message>
</context>
<context>
    <name>DeviceGroupManage</name>
    <message>
        <source>A group with this name already exists.</source>
        <translation>Группа с таким именем уже существует.</translation>
    </message>
    <message>
        <source>Device Group Manage </source>
        <translation>Управление группами устройств</translation>
    </message>
    <message>
        <source>Group Info</source>
        <translation>Сведения о группе</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Родительская группа</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>DeviceGroupManage</source>
        <translation>Управление группами устройств</translation>
    </message>
    <message>
        <source>the device groups</source>
        <translation>группы устройств</translation>
    </message>
</context>
<context>
    <name>DeviceBatchModify</name>
    <message>
        <source>Batch modify user name and password</source>
        <translation>Групповая смена имени пользователя и пароля</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>DeviceBatchModify</source>
        <translation>Пакетное изменение</translation>
    </message>
</context>
<context>
    <name>CSearchManageWidget</name>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search ok</source>
        <translation>Поиск завершён</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>The IP address is already in use.</source>
        <translation>Этот IP-адрес уже используется.</translation>
    </message>
    <message>
        <source>The device is being modified</source>
        <translation>Устройство изменяется</translation>
    </message>
    <message>
        <source>Please search again later.</source>
        <translation>Повторите поиск позже.</translation>
    </message>
    <message>
        <source>Please check one item to modify.</source>
        <translation>Отметьте одну строку для изменения.</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>Отметьте только одну строку.</translation>
    </message>
    <message>
        <source>Please select a device before making any changes.</source>
        <translation>Сначала выберите устройство.</translation>
    </message>
    <message>
        <source>DeviceSearch</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <source>Begin Search</source>
        <translation>Начать поиск</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>Изменить IP</translation>
    </message>
    <message>
        <source>Restore Factory</source>
        <translation>Сброс к заводским</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>Массовая смена</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The device is no longer in the search results.</source>
        <translation>Устройство больше не найдено в результатах поиска.</translation>
    </message>
    <message>
        <source>CSearchManageWidget</source>
        <translation>Поиск устройств</translation>
    </message>
</context>
<context>
    <name>ModifyAllIPDlg</name>
    <message>
        <source>Not enough free IP addresses for the selected devices.</source>
        <translation>Недостаточно свободных IP-адресов для выбранных устройств.</translation>
    </message>
    <message>
        <source>Batch Modify IP</source>
        <translation>Массовая смена IP</translation>
    </message>
    <message>
        <source>Start IP</source>
        <translation>Начальный IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>DNS1</source>
        <translation>DNS1</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>ModifyAllIPDlg</source>
        <translation>Пакетное изменение IP</translation>
    </message>
</context>
<context>
    <name>ModifyNetInfoDlg</name>
    <message>
        <source>Modify IP-</source>
        <translation>Изменить IP-</translation>
    </message>
    <message>
        <source>Modify IPAddress</source>
        <translation>Изменить IP-адрес</translation>
    </message>
    <message>
        <source>CurrentIPAddress</source>
        <translation>Текущий IP-адрес</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>DNS1</source>
        <translation>DNS1</translation>
    </message>
    <message>
        <source>DNS2</source>
        <translation>DNS2</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>ModifyNetInfoDlg</source>
        <translation>Изменение IP-адреса</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Please enter the user name and password</source>
        <translation>Введите имя пользователя и пароль</translation>
    </message>
    <message>
        <source>Incorrect user name or password</source>
        <translation>Неверное имя пользователя или пароль</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Вход пользователя</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Automatic login</source>
        <translation>Автоматический вход</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>What the next start remembers of this login was not saved.</source>
        <translation>То, что следующий запуск запомнит об этом входе, не сохранено.</translation>
    </message>
    <message>
        <source>the remembered login</source>
        <translation>запомненный вход</translation>
    </message>
</context>
<context>
    <name>ForgotPassword</name>
    <message>
        <source>Dear user,please follow the steps below to reset your password:</source>
        <translation>Уважаемый пользователь, для сброса пароля выполните следующие шаги:</translation>
    </message>
    <message>
        <source>1. Scan the "Reset Password" QR code with a mobile browser, or open %1 in a browser.</source>
        <translation>1. Отсканируйте QR-код «Сброс пароля» мобильным браузером или откройте %1 в браузере.</translation>
    </message>
    <message>
        <source>2. Use the QR scanner of that web page on the "Security Code" QR code on the left.</source>
        <translation>2. Сканером QR-кодов этой страницы отсканируйте QR-код «Код безопасности» слева.</translation>
    </message>
    <message>
        <source>3. The security code is sent to the contact below; enter it with a new password to finish.</source>
        <translation>3. Код безопасности будет отправлен на контакт ниже; введите его и новый пароль.</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>Операция не выполнена</translation>
    </message>
    <message>
        <source>Password is empty</source>
        <translation>Пароль пуст</translation>
    </message>
    <message>
        <source>Security code error</source>
        <translation>Неверный код безопасности</translation>
    </message>
    <message>
        <source>Security code timeout</source>
        <translation>Срок действия кода безопасности истёк</translation>
    </message>
    <message>
        <source>ContactInfo is empty</source>
        <translation>Контактные данные не заданы</translation>
    </message>
    <message>
        <source>Password is default password</source>
        <translation>Используется пароль по умолчанию</translation>
    </message>
    <message>
        <source>No contact info,  defalut password 402917</source>
        <translation>Контакт не задан, пароль по умолчанию 402917</translation>
    </message>
    <message>
        <source>Forgot Password</source>
        <translation>Забыли пароль</translation>
    </message>
    <message>
        <source>Reset Password</source>
        <translation>Сброс пароля</translation>
    </message>
    <message>
        <source>Security Code</source>
        <translation>Код безопасности</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакт</translation>
    </message>
    <message>
        <source>Please input security code</source>
        <translation>Введите код безопасности</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Введите новый пароль</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Подтверждение пароля</translation>
    </message>
    <message>
        <source>Please confirm password</source>
        <translation>Подтвердите пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Please scan the QR code with the APP. The security code will be sent to the contact. Enter the security code below and a new password to complete the password reset.</source>
        <translation>Отсканируйте QR-код в приложении. Код безопасности будет отправлен на контакт. Введите его ниже вместе с новым паролем, чтобы завершить сброс пароля.</translation>
    </message>
    <message>
        <source>ForgotPassword</source>
        <translation>Забыли пароль</translation>
    </message>
</context>
<context>
    <name>FFmpegReplayWidget</name>
    <message>
        <source>Snapshot</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Connecting to</source>
        <translation>Подключение к</translation>
    </message>
</context>
<context>
    <name>OrmHelper</name>
    <message>
        <source>Admin is the default role and has all permissions </source>
        <translation>Администратор — роль по умолчанию со всеми правами </translation>
    </message>
</context>
<context>
    <name>DeviceAlarmHandler</name>
    <message>
        <source>The database cannot be written: settings and alarms will not be saved.</source>
        <translation>Запись в базу данных невозможна: настройки и тревоги не будут сохранены.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the disk is full.</source>
        <translation>Тревоги не сохраняются: диск заполнен.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is read-only.</source>
        <translation>Тревоги не сохраняются: база данных доступна только для чтения.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: they arrive faster than they can be stored.</source>
        <translation>Тревоги не сохраняются: они поступают быстрее, чем их удаётся записать.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database cannot be written.</source>
        <translation>Тревоги не сохраняются: запись в базу данных невозможна.</translation>
    </message>
    <message>
        <source>Alarms are being saved again. Not saved meanwhile: %1.</source>
        <translation>Тревоги снова сохраняются. Не сохранено за это время: %1.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is missing.</source>
        <translation>Тревоги не сохраняются: файл базы данных отсутствует.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is damaged.</source>
        <translation>Тревоги не сохраняются: файл базы данных повреждён.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is in use by another program.</source>
        <translation>Тревоги не сохраняются: база данных занята другой программой.</translation>
    </message>
</context>
<context>
    <name>ConfigConversation</name>
    <message>
        <source>The device is offline. Nothing was saved.</source>
        <translation>Устройство не в сети. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>The device did not answer. The change may not have been saved.</source>
        <translation>Устройство не ответило. Изменение, возможно, не сохранено.</translation>
    </message>
    <message>
        <source>The connection to the device was lost. The change may not have been saved.</source>
        <translation>Соединение с устройством потеряно. Изменение, возможно, не сохранено.</translation>
    </message>
    <message>
        <source>The page is still being read from the device. Save once it is shown.</source>
        <translation>Страница ещё считывается с устройства. Сохраните, когда она отобразится.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Не сохранено</translation>
    </message>
    <message>
        <source>The device's answers cannot be told apart yet; reading again.</source>
        <translation>Ответы устройства пока нельзя различить; повторное чтение.</translation>
    </message>
    <message>
        <source>The device has not answered earlier requests of this kind yet. Nothing was saved.</source>
        <translation>Устройство ещё не ответило на предыдущие запросы этого вида. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Saved (the device answered late).</source>
        <translation>Сохранено (устройство ответило с опозданием).</translation>
    </message>
    <message>
        <source>Waiting for the device to answer an earlier request of this kind; this one goes out next.</source>
        <translation>Ожидание ответа устройства на предыдущий запрос этого вида; этот запрос будет отправлен следующим.</translation>
    </message>
    <message>
        <source>The device took a change, but its answer could be another request's: the client's record of the device follows only once the device shows what it holds.</source>
        <translation>Устройство приняло изменение, но его ответ может относиться к другому запросу: запись устройства в клиенте изменится, только когда устройство покажет, что оно хранит.</translation>
    </message>
    <message>
        <source>Not sent: the device did not log in again in time. Make the change again once it is online.</source>
        <translation>Не отправлено: устройство не вошло в систему повторно вовремя. Повторите изменение, когда оно будет в сети.</translation>
    </message>
    <message>
        <source>Sent; waiting for the device's answer.</source>
        <translation>Отправлено; ожидание ответа устройства.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save of %1: %2</source>
        <translation>Сохранение %1: %2</translation>
    </message>
    <message>
        <source>Reconnect and read again</source>
        <translation>Переподключиться и прочитать снова</translation>
    </message>
    <message>
        <source>The device stopped answering these requests.</source>
        <translation>Устройство перестало отвечать на эти запросы.</translation>
    </message>
    <message>
        <source>The device sent an answer twice: the values shown cannot be trusted. Reading again.</source>
        <translation>Устройство прислало ответ дважды: показанным значениям нельзя доверять. Повторное чтение.</translation>
    </message>
    <message>
        <source>The device took the values of an earlier Save; the values shown now are not saved.</source>
        <translation>Устройство приняло значения более раннего сохранения; показанные сейчас значения не сохранены.</translation>
    </message>
    <message>
        <source>The device took %1 from an earlier Save; the values shown now are not saved.</source>
        <translation>Устройство приняло %1 из более раннего сохранения; показанные сейчас значения не сохранены.</translation>
    </message>
    <message>
        <source>The last Save may have sent values of a repeated answer; read again before saving.</source>
        <translation>Последнее сохранение могло отправить значения повторного ответа; перед сохранением прочитайте снова.</translation>
    </message>
    <message>
        <source>The device took the Save of %1; %2 shows what the device holds.</source>
        <translation>Устройство приняло сохранение %1; %2 показывает значения, хранящиеся в устройстве.</translation>
    </message>
    <message>
        <source>The device took the Save of %1.</source>
        <translation>Устройство приняло сохранение %1.</translation>
    </message>
</context>
<context>
    <name>ConfigPageMarks</name>
    <message>
        <source>A disk format is still running on the device: a fresh connection would never hear whether it finished.</source>
        <translation>На устройстве ещё идёт форматирование диска: после нового подключения не удастся узнать, завершилось ли оно.</translation>
    </message>
    <message>
        <source>A save still waits for the device's answer: a fresh connection would never hear whether it was stored.</source>
        <translation>Сохранение ещё ждёт ответа устройства: после нового подключения не удастся узнать, было ли оно записано.</translation>
    </message>
    <message>
        <source>Reconnect anyway?</source>
        <translation>Всё равно переподключиться?</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>no space left on the disk</source>
        <translation>на диске нет свободного места</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск доступен только для чтения</translation>
    </message>
    <message>
        <source>the folder is missing</source>
        <translation>папка отсутствует</translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation>нет прав на запись в это место</translation>
    </message>
</context>
<context>
    <name>TypedDateTimeEdit</name>
    <message>
        <source>%1 does not exist. The field keeps %2.</source>
        <translation>%1 не существует. В поле остаётся %2.</translation>
    </message>
</context>
<context>
    <name>StorageMark</name>
    <message>
        <source>another client records into this folder</source>
        <translation>в эту папку записывает другой клиент</translation>
    </message>
    <message>
        <source>the storage folder's mark</source>
        <translation>метка папки хранилища</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>%1 holds the other password the client kept for it, not the stored one: the client logs in with that one from now on.</source>
        <translation>%1 хранит другой пароль, сохранённый для него клиентом, а не записанный: теперь клиент входит с этим паролем.</translation>
    </message>
    <message>
        <source>%1 refused the login with the stored password and with the other one the client kept for it.</source>
        <translation>%1 отклонило вход и с записанным паролем, и с другим паролем, сохранённым для него клиентом.</translation>
    </message>
    <message>
        <source>The camera now answers at %1; the client follows it there.</source>
        <translation>Камера теперь отвечает по адресу %1; клиент следует за ней туда.</translation>
    </message>
</context>
</TS>
