<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Authentication</name>
    <message>
        <location filename="../../src/widgets/Authentication.ui" line="+29"/>
        <source>Tavik Authentication</source>
        <translation>Ověření Tavik</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirm Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>OK</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CaptureScreen</name>
    <message>
        <location filename="../../src/widgets/CaptureScreen.cpp" line="+264"/>
        <source>Rect:</source>
        <translation>Oblast:</translation>
    </message>
</context>
<context>
    <name>CommonHelper</name>
    <message>
        <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72"/>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Siren</source>
        <translation>Siréna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doorbell</source>
        <translation>Zvonek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bark</source>
        <translation>Štěkot</translation>
    </message>
    <message>
        <location filename="../../src/Common/CommonHelper.cpp" line="+130"/>
        <source>Connection failed</source>
        <translation>Připojení selhalo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connection successful</source>
        <translation>Připojení úspěšné</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Incorrect username or password.</source>
        <translation>Nesprávné uživatelské jméno nebo heslo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid parameter!</source>
        <translation>Neplatný parametr!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid channel id!</source>
        <translation>Neplatné číslo kanálu!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream id!</source>
        <translation>Neplatné číslo streamu!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid xml parameter!</source>
        <translation>Neplatný parametr XML!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling connection with IPC is not established!</source>
        <translation>Signalizační spojení s IP kamerou není navázáno!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media connection with IPC is not established!</source>
        <translation>Mediální spojení s IP kamerou není navázáno!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of Preview is full!</source>
        <translation>Počet náhledů je vyčerpán!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of streams is full!</source>
        <translation>Počet streamů je vyčerpán!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get video config!</source>
        <translation>Nepodařilo se načíst nastavení videa!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to start Preview!</source>
        <translation>Nepodařilo se spustit náhled!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User does not have remote permission!</source>
        <translation>Uživatel nemá oprávnění ke vzdálenému přístupu!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The total number of playback channels is full!</source>
        <translation>Celkový počet kanálů přehrávání je vyčerpán!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown error code: %1!</source>
        <translation>Neznámý kód chyby: %1!</translation>
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
        <translation>Potvrdit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <location filename="../../src/widgets/CustomDialog.cpp" line="+72"/>
        <source>Tips</source>
        <translation>Upozornění</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>the devices' serial numbers</source>
        <translation>sériová čísla zařízení</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>zařízení %1</translation>
    </message>
    <message>
        <source>device %1 (%2)</source>
        <translation>zařízení %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ManageWidget</name>
    <message>
        <location filename="../../src/widgets/ManageWidget.ui" line="+21"/>
        <source>ShowPassword</source>
        <translation>Zobrazit heslo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UserManage</source>
        <translation>Správa uživatelů</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auth</source>
        <translation>Oprávnění</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Remote Configuration</source>
        <translation>Vzdálená konfigurace</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ChannelManage</source>
        <translation>Správa kanálů</translation>
    </message>
</context>
<context>
    <name>PageWidget</name>
    <message>
        <location filename="../../src/widgets/PageWidget.ui" line="+21"/>
        <source>totalRecords</source>
        <translation>Celkem záznamů</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>pageSize</source>
        <translation>Velikost stránky</translation>
    </message>
</context>
<context>
    <name>SharedTexts</name>
    <message>
        <location filename="../../src/Common/SharedTexts.cpp" line="+3"/>
        <source>Enter the device name to filter</source>
        <translation>Zadejte název zařízení pro filtr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Incomplete information</source>
        <translation>Neúplné údaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to </source>
        <translation>Opravdu chcete </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this user?</source>
        <translation>smazat tohoto uživatele?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this device?</source>
        <translation>smazat toto zařízení?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this Group?</source>
        <translation>smazat tuto skupinu?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>reboot this device?</source>
        <translation>restartovat toto zařízení?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restore this device?</source>
        <translation>obnovit toto zařízení?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration failed</source>
        <translation>Konfigurace selhala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration successful</source>
        <translation>Konfigurace úspěšná</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid format</source>
        <translation>Neplatný formát</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password and confirmation password do not match</source>
        <translation>Nové heslo a potvrzení se neshodují</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is available.</source>
        <translation>IP adresa je volná.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is already in use.</source>
        <translation>IP adresa je již používána.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP and gateway are not in the same subnet.</source>
        <translation>IP adresa a brána nejsou ve stejné podsíti.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select a device before making any changes.</source>
        <translation>Před změnami vyberte zařízení.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default users or roles cannot be deleted.</source>
        <translation>Výchozí uživatele ani role nelze smazat.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>Reading from the device failed</source>
        <translation>Čtení ze zařízení se nezdařilo</translation>
    </message>
    <message>
        <source>Saving: the database is in use by another program; waiting for it...</source>
        <translation>Ukládání: databázi používá jiný program; čeká se na ni...</translation>
    </message>
    <message>
        <source>Configuration failed: the database is in use by another program</source>
        <translation>Konfigurace selhala: databázi používá jiný program</translation>
    </message>
    <message>
        <source>Reading: the database is in use by another program; waiting for it...</source>
        <translation>Načítání: databázi používá jiný program; čeká se na ni...</translation>
    </message>
    <message>
        <source>Reading failed: the database is in use by another program</source>
        <translation>Čtení se nezdařilo: databázi používá jiný program</translation>
    </message>
    <message>
        <source>Reading from the database failed</source>
        <translation>Čtení z databáze se nezdařilo</translation>
    </message>
    <message>
        <source>Configuration failed: the database file %1 is damaged</source>
        <translation>Konfigurace selhala: soubor databáze %1 je poškozen</translation>
    </message>
    <message>
        <source>Reading failed: the database file %1 is damaged</source>
        <translation>Čtení se nezdařilo: soubor databáze %1 je poškozen</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <location filename="../../src/Common/TimeZoneTable.cpp" line="+24"/>
        <source>Hawaii</source>
        <translation>Havaj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alaska</source>
        <translation>Aljaška</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation>Pacifický čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation>Horský čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guadalajara, Mexico City, Monterrey</source>
        <translation>Guadalajara, Mexico City, Monterrey</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Time (US &amp; Canada)</source>
        <translation>Centrální čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation>Východní čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bogota, Lima, Quito, Rio Branco</source>
        <translation>Bogota, Lima, Quito, Rio Branco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Caracas</source>
        <translation>Caracas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Georgetown, La Paz, Manaus, San Juan</source>
        <translation>Georgetown, La Paz, Manaus, San Juan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santiago</source>
        <translation>Santiago</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Newfoundland</source>
        <translation>Newfoundland</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sao Paulo</source>
        <translation>São Paulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City of Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montevideo</source>
        <translation>Montevideo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Greenland</source>
        <translation>Grónsko</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Azores</source>
        <translation>Azorské ostrovy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cabo Verde Is.</source>
        <translation>Kapverdy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation>Dublin, Edinburgh, Lisabon, Londýn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation>Amsterdam, Berlín, Bern, Řím, Stockholm, Vídeň</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brussels, Copenhagen, Madrid, Paris</source>
        <translation>Brusel, Kodaň, Madrid, Paříž</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation>Bělehrad, Bratislava, Budapešť, Lublaň, Praha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Casablanca</source>
        <translation>Casablanca</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Athens, Bucharest</source>
        <translation>Atény, Bukurešť</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beirut</source>
        <translation>Bejrút</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tripoli</source>
        <translation>Tripolis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</source>
        <translation>Helsinky, Kyjev, Riga, Sofie, Tallinn, Vilnius</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Baghdad</source>
        <translation>Bagdád</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moscow, St. Petersburg</source>
        <translation>Moskva, Petrohrad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tehran</source>
        <translation>Teherán</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abu Dhabi, Dubai, Muscat</source>
        <translation>Abú Zabí, Dubaj, Maskat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kabul</source>
        <translation>Kábul</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Islamabad, Karachi</source>
        <translation>Islámábád, Karáčí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ashgabat, Tashkent</source>
        <translation>Ašchabad, Taškent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chennai, Kolkata, Mumbai, New Delhi</source>
        <translation>Čennaí, Kalkata, Bombaj, Nové Dillí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kathmandu</source>
        <translation>Káthmándú</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dhaka</source>
        <translation>Dháka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rangoon</source>
        <translation>Rangún</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation>Bangkok, Hanoj, Jakarta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho Chi Minh City</source>
        <translation>Ho Či Minovo Město</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation>Peking, Čchung-čching, Hongkong, Urumči</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taipei</source>
        <translation>Tchaj-pej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kuala Lumpur, Singapore</source>
        <translation>Kuala Lumpur, Singapur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perth</source>
        <translation>Perth</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seoul</source>
        <translation>Soul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osaka, Sapporo, Tokyo</source>
        <translation>Ósaka, Sapporo, Tokio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darwin</source>
        <translation>Darwin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Canberra, Melbourne, Sydney</source>
        <translation>Canberra, Melbourne, Sydney</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guam, Port Moresby</source>
        <translation>Guam, Port Moresby</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magadan</source>
        <translation>Magadan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auckland, Wellington</source>
        <translation>Auckland, Wellington</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fiji</source>
        <translation>Fidži</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(GMT+00:00)Edinburgh, London</source>
        <translation>(GMT+00:00)Edinburgh, Londýn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+00:00)Dublin, Edinburgh, London</source>
        <translation>(GMT+00:00)Dublin, Edinburgh, Londýn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Prague</source>
        <translation>(GMT+01:00)Praha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Paris</source>
        <translation>(GMT+01:00)Paříž</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Rome</source>
        <translation>(GMT+01:00)Řím</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Berlin</source>
        <translation>(GMT+01:00)Berlín</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Amsterdam, Paris</source>
        <translation>(GMT+01:00)Amsterdam, Paříž</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Jerusalem</source>
        <translation>(GMT+02:00)Jeruzalém</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Athens</source>
        <translation>(GMT+02:00)Atény</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul</source>
        <translation>(GMT+03:00)Bagdád, Kuvajt, Moskva, Istanbul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:30)Tehran</source>
        <translation>(GMT+03:30)Teherán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:00)Caucasus standard time, Dubai</source>
        <translation>(GMT+04:00)Kavkazský standardní čas, Dubaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:30)Kabul</source>
        <translation>(GMT+04:30)Kábul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:00)Islamabad, Karachi, Tashkent</source>
        <translation>(GMT+05:00)Islámábád, Karáčí, Taškent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:30)Madras, Mumbai, New Delhi</source>
        <translation>(GMT+05:30)Madrás, Bombaj, Nové Dillí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:45)Kathmandu</source>
        <translation>(GMT+05:45)Káthmándú</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:00)Almaty, Dhaka</source>
        <translation>(GMT+06:00)Almaty, Dháka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:30)Yangon</source>
        <translation>(GMT+06:30)Rangún</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</source>
        <translation>(GMT+07:00)Bangkok, Hanoj, Jakarta, Novosibirsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+08:00)Beijing, Urumqi, Singapore</source>
        <translation>(GMT+08:00)Peking, Urumči, Singapur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</source>
        <translation>(GMT+09:00)Soul, Tokio, Ósaka, Sapporo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Darwin</source>
        <translation>(GMT+09:30)Darwin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Adelaide</source>
        <translation>(GMT+09:30)Adelaide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+10:00)Melbourne, Sydney, Canberra</source>
        <translation>(GMT+10:00)Melbourne, Sydney, Canberra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+11:00)Magadan, Solomon Islands</source>
        <translation>(GMT+11:00)Magadan, Šalamounovy ostrovy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+12:00)Auckland, Wellington</source>
        <translation>(GMT+12:00)Auckland, Wellington</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+13:00)Nukualofa</source>
        <translation>(GMT+13:00)Nukualofa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-12:00)Date line west</source>
        <translation>(GMT-12:00)Západně od datové hranice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-11:00)Samoa</source>
        <translation>(GMT-11:00)Samoa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-10:00)Hawaii</source>
        <translation>(GMT-10:00)Havaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-09:00)Alaska</source>
        <translation>(GMT-09:00)Aljaška</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-08:00)Pacific time (USA and Canada)</source>
        <translation>(GMT-08:00)Pacifický čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Edmonton</source>
        <translation>(GMT-07:00)Edmonton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Mountain time(USA and Canada)</source>
        <translation>(GMT-07:00)Horský čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-06:00)Central time(USA and Canada)</source>
        <translation>(GMT-06:00)Centrální čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-05:00)Eastern time (USA and Canada)</source>
        <translation>(GMT-05:00)Východní čas (USA a Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-04:00)Georgetown</source>
        <translation>(GMT-04:00)Georgetown</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:30)Newfoundland</source>
        <translation>(GMT-03:30)Newfoundland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:00)Sao Paulo, Brasilia</source>
        <translation>(GMT-03:00)São Paulo, Brasília</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-02:00)Central Atlantic</source>
        <translation>(GMT-02:00)Středoatlantský čas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-01:00)Cape Verde Islands, Azores</source>
        <translation>(GMT-01:00)Kapverdy, Azorské ostrovy</translation>
    </message>
</context>
<context>
    <name>CUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>Správa uživatelů</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Přidat uživatele</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Smazat uživatele</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Upravit kontakt</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Kontaktní údaje</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operace</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipy</translation>
    </message>
    <message>
        <source>Please set contact first.</source>
        <translation>Nejprve nastavte kontakt.</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>Dosažen limit uživatelů zařízení</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>Před změnou hesla účtu admin nejprve vyplňte kontaktní údaje.</translation>
    </message>
</context>
<context>
    <name>AddClientUserDlg</name>
    <message>
        <source>Add User</source>
        <translation>Přidat uživatele</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source> Password</source>
        <translation> Heslo</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potvrzení hesla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>EditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>Upravit uživatele</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Old  Password</source>
        <translation>Původní heslo</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nové heslo</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potvrzení hesla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>Nesprávné původní heslo</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>Nové heslo nesmí být stejné jako původní</translation>
    </message>
</context>
<context>
    <name>CEditContactDlg</name>
    <message>
        <source>Contact Information</source>
        <translation>Kontaktní informace</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Mobilní telefon</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Contact information is a telephone number with its international area code, e.g. 86-13xxxxxxxxx (China) or 1-202xxxxxxxx (USA), or an e-mail address, e.g. owner@example.com. It is used to retrieve the administrator password.</source>
        <translation>Kontaktní údaje jsou telefonní číslo s mezinárodní předvolbou, např. 86-13xxxxxxxxx (Čína) nebo 1-202xxxxxxxx (USA), nebo e-mailová adresa, např. owner@example.com. Slouží k obnovení hesla správce.</translation>
    </message>
    <message>
        <source>Invalid phone number!</source>
        <translation>Neplatné telefonní číslo!</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Neplatný e-mail!</translation>
    </message>
</context>
<context>
    <name>CNVRUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>Správa uživatelů</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Přidat uživatele</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Smazat uživatele</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Upravit kontakt</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Enabled State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázáno</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povoleno</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>Dosažen limit uživatelů zařízení</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>Před změnou hesla účtu admin nejprve vyplňte kontaktní údaje.</translation>
    </message>
</context>
<context>
    <name>CNVREditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>Upravit uživatele</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Přidat uživatele</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>old Password</source>
        <translation>Původní heslo</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nové heslo</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potvrzení hesla</translation>
    </message>
    <message>
        <source>Whether Open</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázáno</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povoleno</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>Nesprávné původní heslo</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>Nové heslo nesmí být stejné jako původní</translation>
    </message>
</context>
<context>
    <name>CNVRAuthSetting</name>
    <message>
        <source>Local Authority</source>
        <translation>Místní oprávnění</translation>
    </message>
    <message>
        <source>Remote Authority</source>
        <translation>Vzdálená oprávnění</translation>
    </message>
    <message>
        <source>System Set</source>
        <translation>Nastavení systému</translation>
    </message>
    <message>
        <source>Local Playback</source>
        <translation>Místní přehrávání</translation>
    </message>
    <message>
        <source>Local Preview</source>
        <translation>Místní náhled</translation>
    </message>
    <message>
        <source>Video Backup</source>
        <translation>Záloha videa</translation>
    </message>
    <message>
        <source>Shutdown System</source>
        <translation>Vypnutí systému</translation>
    </message>
    <message>
        <source>Remote Playback</source>
        <translation>Vzdálené přehrávání</translation>
    </message>
    <message>
        <source>Remote Preview</source>
        <translation>Vzdálený náhled</translation>
    </message>
    <message>
        <source>Remote Upgrade</source>
        <translation>Vzdálená aktualizace</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>RemoteConfigSetting</name>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Remote Config</source>
        <translation>Vzdálená konfigurace</translation>
    </message>
    <message>
        <source>Video Encode</source>
        <translation>Kódování videa</translation>
    </message>
    <message>
        <source>OSD Settings</source>
        <translation>Nastavení OSD</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Nastavení zvuku</translation>
    </message>
    <message>
        <source>Image Settings</source>
        <translation>Nastavení obrazu</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Detekce pohybu</translation>
    </message>
    <message>
        <source>Human Figure Detection</source>
        <translation>Detekce postavy</translation>
    </message>
    <message>
        <source>Sound Detection</source>
        <translation>Detekce zvuku</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>Detekce obličeje</translation>
    </message>
    <message>
        <source>Crying Detection</source>
        <translation>Detekce pláče</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Platform Access</source>
        <translation>Přístup k platformě</translation>
    </message>
    <message>
        <source>Device Settings</source>
        <translation>Nastavení zařízení</translation>
    </message>
    <message>
        <source>Device Maintenance</source>
        <translation>Údržba zařízení</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>Informace o verzi</translation>
    </message>
    <message>
        <source>Video and Audio</source>
        <translation>Video a zvuk</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Události</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
</context>
<context>
    <name>MediaPortWidget</name>
    <message>
        <source>RTSP Port</source>
        <translation>Port RTSP</translation>
    </message>
    <message>
        <source>(554,1024-65535)</source>
        <translation>(554,1024-65535)</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>Port HTTP</translation>
    </message>
    <message>
        <source>(80,1024-65535)</source>
        <translation>(80,1024-65535)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>2028 has been occupied</source>
        <translation>Port 2028 je již obsazen</translation>
    </message>
    <message>
        <source>RTSP Port Range(554,1024-65535)</source>
        <translation>Rozsah portu RTSP (554,1024-65535)</translation>
    </message>
    <message>
        <source>HTTP Port Range(80,1024-65535)</source>
        <translation>Rozsah portu HTTP (80,1024-65535)</translation>
    </message>
</context>
<context>
    <name>DeviceMaintenance</name>
    <message>
        <source>Reboot</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Simple Recovery</source>
        <translation>Jednoduchá obnova</translation>
    </message>
    <message>
        <source>Full Recovery</source>
        <translation>Úplná obnova</translation>
    </message>
    <message>
        <source>In addition to network IP information, all other configurations will restrore to default.</source>
        <translation>Kromě síťových údajů IP budou všechna ostatní nastavení obnovena na výchozí.</translation>
    </message>
    <message>
        <source>Fully restore device configuration to factory default.</source>
        <translation>Úplně obnovit tovární nastavení zařízení.</translation>
    </message>
    <message>
        <source>Rebooting device...</source>
        <translation>Zařízení se restartuje...</translation>
    </message>
    <message>
        <source>Operation failed!</source>
        <translation>Operace se nezdařila!</translation>
    </message>
    <message>
        <source>Device rebooted!</source>
        <translation>Zařízení bylo restartováno!</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1 or a new IP obtained via DHCP. Are you sure to restore?</source>
        <translation>Po úplné obnově výchozího nastavení se zařízení restartuje a jeho IP se vrátí na výchozí %1 nebo na novou adresu z DHCP. Opravdu obnovit?</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1. Are you sure to restore?</source>
        <translation>Po úplné obnově výchozího nastavení se zařízení restartuje a jeho IP se vrátí na výchozí %1. Opravdu obnovit?</translation>
    </message>
</context>
<context>
    <name>DeviceSettingWidget</name>
    <message>
        <source>Chinese</source>
        <translation>Čínština</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Název zařízení</translation>
    </message>
    <message>
        <source>Time Settings</source>
        <translation>Nastavení času</translation>
    </message>
    <message>
        <source>Time Mode</source>
        <translation>Režim času</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručně</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Device Time</source>
        <translation>Čas zařízení</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>Synchronizovat s místním časem</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Nastavit čas</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>Server NTP</translation>
    </message>
    <message>
        <source>NTP Port</source>
        <translation>Port NTP</translation>
    </message>
    <message>
        <source>Calibration Interval</source>
        <translation>Interval synchronizace</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>EthernetSettingWidget</name>
    <message>
        <source>The camera now takes its address from DHCP. Find it again with the device search.</source>
        <translation>Kamera nyní získává adresu z DHCP. Najděte ji znovu vyhledáním zařízení.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statická</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Maska sítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
    </message>
    <message>
        <source>Preferred DNS</source>
        <translation>Upřednostňovaný DNS</translation>
    </message>
    <message>
        <source>Standby DNS</source>
        <translation>Záložní DNS</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC adresa</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>Ověřit IP</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>The camera now answers at %1. This window closes; the camera is listed under its new address.</source>
        <translation>Kamera je nyní dostupná na adrese %1. Toto okno se zavře; kamera je v seznamu pod novou adresou.</translation>
    </message>
</context>
<context>
    <name>CNVRConfigSetting</name>
    <message>
        <source>Remote Config</source>
        <translation>Vzdálená konfigurace</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Základní</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Síť</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Úložiště</translation>
    </message>
    <message>
        <source>BasicInfo</source>
        <translation>Základní údaje</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum a čas</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>Plán záznamu</translation>
    </message>
    <message>
        <source>Disk settings</source>
        <translation>Nastavení disků</translation>
    </message>
</context>
<context>
    <name>CNVRBasicSetting</name>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Průhlednost</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozlišení</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Zámek obrazovky</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Wizard For Startup</source>
        <translation>Průvodce při spuštění</translation>
    </message>
    <message>
        <source>Plug and Play</source>
        <translation>Připoj a používej</translation>
    </message>
    <message>
        <source>Debug Log Level</source>
        <translation>Úroveň ladicího protokolu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Opaque</source>
        <translation>Neprůhledné</translation>
    </message>
    <message>
        <source>Translucent</source>
        <translation>Průsvitné</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Průhledné</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Zapnuto</translation>
    </message>
</context>
<context>
    <name>CNVRLockScreenDlg</name>
    <message>
        <source>Lock Screen-Other settings</source>
        <translation>Zámek obrazovky – další nastavení</translation>
    </message>
    <message>
        <source>Other settings:</source>
        <translation>Další nastavení:</translation>
    </message>
    <message>
        <source>LogOut</source>
        <translation>Odhlásit</translation>
    </message>
    <message>
        <source>Lock the current screen</source>
        <translation>Zamknout aktuální obrazovku</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Adresa IP</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>Ověřit IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maska podsítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Primární DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundární DNS</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Adresa MAC</translation>
    </message>
    <message>
        <source>MTU Setting</source>
        <translation>Nastavení MTU</translation>
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
        <translation>Propojení s aplikací</translation>
    </message>
    <message>
        <source> Device QR code</source>
        <translation> QR kód zařízení</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>The value of the mtu must be between the integers of the [500-1500]</source>
        <translation>Hodnota MTU musí být celé číslo v rozsahu [500-1500]</translation>
    </message>
</context>
<context>
    <name>CNVRVersionInfo</name>
    <message>
        <source>Product Model</source>
        <translation>Model výrobku</translation>
    </message>
    <message>
        <source>Sofware Version</source>
        <translation>Verze softwaru</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>Verze hardwaru</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Sériové číslo</translation>
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
        <translation>Plný disk</translation>
    </message>
    <message>
        <source>No hard disk Tips</source>
        <translation>Upozornění na chybějící disk</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Formátovat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Přepisovat</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Zastavit záznam</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Zařízení</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Využité místo</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normální</translation>
    </message>
    <message>
        <source>Being Written</source>
        <translation>Probíhá zápis</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Caveat</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>format this disk?</source>
        <translation>naformátovat tento disk?</translation>
    </message>
    <message>
        <source>Formatting: waiting for the recorder's answer...</source>
        <translation>Formátování: čeká se na odpověď rekordéru...</translation>
    </message>
    <message>
        <source>The connection was lost while formatting. The disks are read again once the recorder is back.</source>
        <translation>Během formátování bylo ztraceno spojení. Disky se načtou znovu, jakmile bude rekordér opět dostupný.</translation>
    </message>
</context>
<context>
    <name>CNVRChannelManageDlg</name>
    <message>
        <source>ChannelManage</source>
        <translation>Správa kanálů</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>Přidaná zařízení</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Searched device</source>
        <translation>Nalezená zařízení</translation>
    </message>
    <message>
        <source>Search Dev</source>
        <translation>Hledat zařízení</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Přidat zařízení</translation>
    </message>
    <message>
        <source>Manual Add</source>
        <translation>Přidat ručně</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>Změnit IP</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>Kan.</translation>
    </message>
    <message>
        <source>Channel Names</source>
        <translation>Název kanálu</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>DoubleCamName</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>File System Version</source>
        <translation>Verze firmwaru</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>key</source>
        <translation>klíč</translation>
    </message>
    <message>
        <source>DoubleCam</source>
        <translation>Dvojitá kamera</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nepřipojeno</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Připojování</translation>
    </message>
    <message>
        <source>Connection succeed</source>
        <translation>Připojeno</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Připojení selhalo</translation>
    </message>
    <message>
        <source>Connection failure: network limit</source>
        <translation>Připojení selhalo: omezení sítě</translation>
    </message>
    <message>
        <source>Connection failed: communication error</source>
        <translation>Připojení selhalo: chyba komunikace</translation>
    </message>
    <message>
        <source>Connection failed: other errors</source>
        <translation>Připojení selhalo: jiné chyby</translation>
    </message>
    <message>
        <source>Has been disconnected</source>
        <translation>Odpojeno</translation>
    </message>
    <message>
        <source>Get configuration failed</source>
        <translation>Načtení konfigurace selhalo</translation>
    </message>
    <message>
        <source>Disconnected from the network</source>
        <translation>Odpojeno od sítě</translation>
    </message>
    <message>
        <source>IP conflict</source>
        <translation>Konflikt IP adres</translation>
    </message>
    <message>
        <source>Lack of resources</source>
        <translation>Nedostatek prostředků</translation>
    </message>
    <message>
        <source>Bit stream exception</source>
        <translation>Chyba datového toku</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>Chybné heslo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámý</translation>
    </message>
    <message>
        <source>Channel is full, Please delete it and then add</source>
        <translation>Kanály jsou plné, nejprve některý smažte a pak přidejte</translation>
    </message>
    <message>
        <source>Wireless IPC does not support modifying IP address!</source>
        <translation>Bezdrátová kamera nepodporuje změnu IP adresy!</translation>
    </message>
    <message>
        <source>The device IP is being modified. Please search again later.</source>
        <translation>IP adresa zařízení se mění. Vyhledejte znovu později.</translation>
    </message>
    <message>
        <source>The operation successfully, The channel information is being refreshed</source>
        <translation>Operace proběhla úspěšně, informace o kanálech se obnovují</translation>
    </message>
    <message>
        <source>The NVR's channel list has not been read yet. Please wait for it or read it again.</source>
        <translation>Seznam kanálů rekordéru ještě nebyl načten. Počkejte na něj nebo jej načtěte znovu.</translation>
    </message>
</context>
<context>
    <name>CNVRChannelAddDevDlg</name>
    <message>
        <source>NVRChannelAdd</source>
        <translation>Přidání kanálu</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>Adresa IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Auth Type</source>
        <translation>Typ ověření</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádné</translation>
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
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CNVRChannelModifyIPDlg</name>
    <message>
        <source>Modify IPAddress</source>
        <translation>Změna IP adresy</translation>
    </message>
    <message>
        <source>Modify IP-</source>
        <translation>Změna IP – </translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>Adresa IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maska podsítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The log file %1 cannot be written (%2); the client goes on without its log.</source>
        <translation>Soubor protokolu %1 nelze zapsat (%2); klient pokračuje bez protokolu.</translation>
    </message>
    <message>
        <source>Modify Channel Dev</source>
        <translation>Úprava zařízení kanálu</translation>
    </message>
    <message>
        <source>Database initialization failed!</source>
        <translation>Inicializace databáze selhala!</translation>
    </message>
    <message>
        <source>Init app...</source>
        <translation>Spouštění aplikace...</translation>
    </message>
    <message>
        <source>Init main page ...</source>
        <translation>Příprava hlavní stránky ...</translation>
    </message>
    <message>
        <source>Load page ...</source>
        <translation>Načítání stránky ...</translation>
    </message>
    <message>
        <source>Finished！</source>
        <translation>Hotovo!</translation>
    </message>
    <message>
        <source>The database %1 was not made by this client or by a version of it that it knows, and has been left unchanged.
Move it away to start with a new database.</source>
        <translation>Databáze %1 nebyla vytvořena tímto klientem ani jeho známou verzí a zůstala beze změny.
Přesuňte ji jinam a klient začne s novou databází.</translation>
    </message>
    <message>
        <source>The database is in use by another program; waiting for it...</source>
        <translation>Databázi používá jiný program; čeká se na ni...</translation>
    </message>
</context>
<context>
    <name>CNVRDateSetting</name>
    <message>
        <source>Device Time</source>
        <translation>Čas zařízení</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Nastavit čas</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>Synchronizovat s místním časem</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Time Zone Set</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formát data</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Formát času</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24hodinový</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12hodinový</translation>
    </message>
    <message>
        <source>IPC Timing</source>
        <translation>Synchronizace času kamer</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>interval</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Show System Time</source>
        <translation>Zobrazit systémový čas</translation>
    </message>
    <message>
        <source>Show Channal</source>
        <translation>Zobrazit kanály</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Letní čas</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámé</translation>
    </message>
</context>
<context>
    <name>CNVRSummerTimeDlg</name>
    <message>
        <source>Setting SummerTime</source>
        <translation>Nastavení letního času</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>Clock Adjust</source>
        <translation>Posun hodin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Leden</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Únor</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Březen</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Duben</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Květen</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Červen</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Červenec</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Srpen</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Září</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Říjen</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Prosinec</translation>
    </message>
    <message>
        <source>First</source>
        <translation>První</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Druhý</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Třetí</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Čtvrtý</translation>
    </message>
    <message>
        <source>Finally</source>
        <translation>Poslední</translation>
    </message>
    <message>
        <source>Delayed</source>
        <translation>Zpozdit</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Předběhnout</translation>
    </message>
</context>
<context>
    <name>CNVRStoragePlan</name>
    <message>
        <source>IP Channel</source>
        <translation>IP kanál</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>select all</source>
        <translation>vybrat vše</translation>
    </message>
    <message>
        <source>No Record</source>
        <translation>Bez záznamu</translation>
    </message>
    <message>
        <source>General Record</source>
        <translation>Běžný záznam</translation>
    </message>
    <message>
        <source>Detection Record</source>
        <translation>Záznam při detekci</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Inteligentní</translation>
    </message>
    <message>
        <source>Copy this setting to</source>
        <translation>Kopírovat toto nastavení do</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Not saved: the recorder refused this schedule.</source>
        <translation>Neuloženo: rekordér tento plán odmítl.</translation>
    </message>
    <message>
        <source>Not saved: the recorder gave no usable answer.</source>
        <translation>Neuloženo: rekordér nedal použitelnou odpověď.</translation>
    </message>
    <message>
        <source>Not saved: the recorder is not connected.</source>
        <translation>Neuloženo: rekordér není připojen.</translation>
    </message>
</context>
<context>
    <name>ReplayControl</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rychleji</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Pomaleji</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Snímek</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Snímek po snímku</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
</context>
<context>
    <name>CVideoPlayback</name>
    <message>
        <source>CVideoPlayback</source>
        <translation>Přehrávání</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Místní</translation>
    </message>
    <message>
        <source>NVR</source>
        <translation>NVR</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
</context>
<context>
    <name>LocalVideoReplayWnd</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Zadejte název zařízení pro filtrování</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>V tento den není žádný záznam.</translation>
    </message>
    <message>
        <source>The maximum number of connections has been reached!</source>
        <translation>Bylo dosaženo maximálního počtu připojení!</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Stisknutím klávesy ESC ukončíte režim celé obrazovky.</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Snímek pořízen</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>– uloženo do</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Snímek se nepodařilo pořídit</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>Složku se nepodařilo vytvořit!</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Přehrávání skončilo</translation>
    </message>
</context>
<context>
    <name>RecordWnd</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Record Backup</source>
        <translation>Záloha záznamu</translation>
    </message>
    <message>
        <source>StartTime</source>
        <translation>Čas začátku</translation>
    </message>
    <message>
        <source>EndTime</source>
        <translation>Čas konce</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Zahájit stahování</translation>
    </message>
    <message>
        <source>End Download</source>
        <translation>Ukončit stahování</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Zadejte název zařízení pro filtrování</translation>
    </message>
    <message>
        <source>Start Replay</source>
        <translation>Spustit přehrávání</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>žádné záznamy</translation>
    </message>
    <message>
        <source>Starting stream retrieval, please wait...</source>
        <translation>Načítání streamu, čekejte prosím...</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Přehrávání skončilo</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Snímek pořízen</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>– uloženo do</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Snímek se nepodařilo pořídit</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Stisknutím klávesy ESC ukončíte režim celé obrazovky.</translation>
    </message>
    <message>
        <source>Please select the device to operate.</source>
        <translation>Vyberte zařízení, se kterým chcete pracovat.</translation>
    </message>
    <message>
        <source>The current channel is playing back, please stop playback and try again.</source>
        <translation>Kanál se právě přehrává, zastavte přehrávání a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Video is downloading, please wait for the download to finish.</source>
        <translation>Záznam se stahuje, počkejte na dokončení stahování.</translation>
    </message>
    <message>
        <source>Only videos from the same day can be downloaded.</source>
        <translation>Stáhnout lze pouze záznamy ze stejného dne.</translation>
    </message>
    <message>
        <source>Start time can not be greater than the end time.</source>
        <translation>Čas začátku nemůže být pozdější než čas konce.</translation>
    </message>
    <message>
        <source>Download successful</source>
        <translation>Stahování dokončeno</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Stahování se nezdařilo</translation>
    </message>
    <message>
        <source>Download incomplete</source>
        <translation>Stahování je neúplné</translation>
    </message>
    <message>
        <source>a piece of a frame never arrived</source>
        <translation>část snímku nedorazila</translation>
    </message>
    <message>
        <source>frames of the recording never arrived</source>
        <translation>některé snímky záznamu nedorazily</translation>
    </message>
    <message>
        <source>a frame larger than allowed was dropped</source>
        <translation>snímek větší, než je povoleno, byl zahozen</translation>
    </message>
    <message>
        <source>the recorder stopped sending in the middle of a frame</source>
        <translation>rekordér přestal odesílat uprostřed snímku</translation>
    </message>
    <message>
        <source>Please select a channel to download.</source>
        <translation>Vyberte kanál, který chcete stáhnout.</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>Složku se nepodařilo vytvořit!</translation>
    </message>
    <message>
        <source>Playback stopped: the connection to the recorder was lost</source>
        <translation>Přehrávání zastaveno: spojení s rekordérem bylo ztraceno</translation>
    </message>
    <message>
        <source>The recorder is back: play the channel again</source>
        <translation>Rekordér je opět dostupný: přehrajte kanál znovu</translation>
    </message>
    <message>
        <source>Download incomplete: the connection to the recorder was lost at %1 (%2 s of %3 s kept)</source>
        <translation>Stahování neúplné: spojení s rekordérem bylo ztraceno v %1 (uloženo %2 s z %3 s)</translation>
    </message>
    <message>
        <source>Download failed: the connection to the recorder was lost before any footage came</source>
        <translation>Stahování selhalo: spojení s rekordérem bylo ztraceno dříve, než přišel jakýkoli záznam</translation>
    </message>
    <message>
        <source>Download incomplete: the recorder stopped sending at %1 (%2 s of %3 s kept)</source>
        <translation>Stahování neúplné: rekordér přestal odesílat v %1 (uloženo %2 s z %3 s)</translation>
    </message>
    <message>
        <source>Download failed: the recorder did not answer the request</source>
        <translation>Stahování selhalo: rekordér na požadavek neodpověděl</translation>
    </message>
    <message>
        <source>Download failed: the recorder sent no footage of the range</source>
        <translation>Stahování selhalo: rekordér neposlal žádný záznam z rozsahu</translation>
    </message>
</context>
<context>
    <name>AlarmEventWidget</name>
    <message>
        <source>Monitoring points</source>
        <translation>Monitorovací body</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Typ události</translation>
    </message>
    <message>
        <source>Basic Event</source>
        <translation>Základní události</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Detekce pohybu</translation>
    </message>
    <message>
        <source>Video is missing</source>
        <translation>Ztráta videa</translation>
    </message>
    <message>
        <source>Smart Event</source>
        <translation>Chytré události</translation>
    </message>
    <message>
        <source>Human detection</source>
        <translation>Detekce osob</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>Detekce obličeje</translation>
    </message>
    <message>
        <source>Audio noise</source>
        <translation>Zvukový šum</translation>
    </message>
    <message>
        <source>Other Event</source>
        <translation>Ostatní události</translation>
    </message>
    <message>
        <source>Device is offline</source>
        <translation>Zařízení je offline</translation>
    </message>
    <message>
        <source>Illegal access</source>
        <translation>Neoprávněný přístup</translation>
    </message>
    <message>
        <source>Disk failure</source>
        <translation>Porucha disku</translation>
    </message>
    <message>
        <source>I/O Event</source>
        <translation>Události I/O</translation>
    </message>
    <message>
        <source>Alarm input</source>
        <translation>Poplachový vstup</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>Propojení událostí</translation>
    </message>
    <message>
        <source>Video popup</source>
        <translation>Vyskakovací video</translation>
    </message>
    <message>
        <source>Pop-up window duration</source>
        <translation>Doba zobrazení okna</translation>
    </message>
    <message>
        <source>Linkage recording</source>
        <translation>Propojený záznam</translation>
    </message>
    <message>
        <source>Recording duration</source>
        <translation>Délka záznamu</translation>
    </message>
    <message>
        <source>Snapshot pictures</source>
        <translation>Snímky</translation>
    </message>
    <message>
        <source>Linkage monitoring point</source>
        <translation>Propojený monitorovací bod</translation>
    </message>
    <message>
        <source>Monitoring point selection</source>
        <translation>Výběr monitorovacího bodu</translation>
    </message>
    <message>
        <source>Perform preset</source>
        <translation>Provést předvolbu</translation>
    </message>
    <message>
        <source>send email</source>
        <translation>odeslat e-mail</translation>
    </message>
    <message>
        <source>Audio prompt</source>
        <translation>Zvuková výzva</translation>
    </message>
    <message>
        <source>Custom audio</source>
        <translation>Vlastní zvuk</translation>
    </message>
    <message>
        <source>Audio duration</source>
        <translation>Délka zvuku</translation>
    </message>
    <message>
        <source>Map flashes</source>
        <translation>Blikání na mapě</translation>
    </message>
    <message>
        <source>Linked IO output</source>
        <translation>Propojený výstup IO</translation>
    </message>
    <message>
        <source>IO output selection</source>
        <translation>Výběr výstupu IO</translation>
    </message>
    <message>
        <source>Output duration</source>
        <translation>Délka výstupu</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>Doba zajištění</translation>
    </message>
    <message>
        <source>All week</source>
        <translation>Celý týden</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>%1 no longer exists: no alarm settings were saved for it</source>
        <translation>%1 již neexistuje: žádná nastavení alarmů pro něj nebyla uložena</translation>
    </message>
    <message>
        <source>Choose a device in the list to see and change its alarm settings.</source>
        <translation>Vyberte zařízení v seznamu, abyste zobrazili a změnili jeho nastavení alarmů.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database is in use by another program. Choose the device again to try once more.</source>
        <translation>Nastavení alarmů tohoto zařízení nelze přečíst: databázi používá jiný program. Vyberte zařízení znovu a zkuste to ještě jednou.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database file is damaged.</source>
        <translation>Nastavení alarmů tohoto zařízení nelze přečíst: soubor databáze je poškozen.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read. Choose the device again to try once more.</source>
        <translation>Nastavení alarmů tohoto zařízení nelze přečíst. Vyberte zařízení znovu a zkuste to ještě jednou.</translation>
    </message>
    <message>
        <source>the alarm settings</source>
        <translation>nastavení alarmů</translation>
    </message>
</context>
<context>
    <name>CopyAlarmEvent</name>
    <message>
        <source>copy to</source>
        <translation>kopírovat do</translation>
    </message>
    <message>
        <source>  Device / channel</source>
        <translation>  Zařízení / kanál</translation>
    </message>
    <message>
        <source>Copy content</source>
        <translation>Obsah kopie</translation>
    </message>
    <message>
        <source>  Event type</source>
        <translation>  Typ události</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>Propojení událostí</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>Doba zajištění</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>AlarmInfoWidget</name>
    <message>
        <source>Event Query</source>
        <translation>Vyhledání událostí</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum a čas</translation>
    </message>
    <message>
        <source>Device / Channel</source>
        <translation>Zařízení / kanál</translation>
    </message>
    <message>
        <source>Processing status</source>
        <translation>Stav zpracování</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>čeká</translation>
    </message>
    <message>
        <source>processing</source>
        <translation>zpracovává se</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>vyřešeno</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Typ události</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Detekce pohybu</translation>
    </message>
    <message>
        <source>Face event</source>
        <translation>Událost obličeje</translation>
    </message>
    <message>
        <source>Human event</source>
        <translation>Událost osoby</translation>
    </message>
    <message>
        <source>high temperature</source>
        <translation>vysoká teplota</translation>
    </message>
    <message>
        <source>low temperature</source>
        <translation>nízká teplota</translation>
    </message>
    <message>
        <source>Sound detection</source>
        <translation>Detekce zvuku</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Batch processing</source>
        <translation>Hromadné zpracování</translation>
    </message>
    <message>
        <source>Export record</source>
        <translation>Exportovat záznamy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Zadejte název zařízení pro filtr</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Uložit soubor</translation>
    </message>
    <message>
        <source>excel (*.xlsx *.xls )</source>
        <translation>Excel (*.xlsx *.xls )</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export se nezdařil</translation>
    </message>
    <message>
        <source>The alarm records cannot be read now: the database is in use by another program.</source>
        <translation>Záznamy alarmů nyní nelze přečíst: databázi používá jiný program.</translation>
    </message>
    <message>
        <source>The alarm records cannot be read.</source>
        <translation>Záznamy alarmů nelze přečíst.</translation>
    </message>
    <message>
        <source>The alarm records cannot be read: the database file is damaged.</source>
        <translation>Záznamy alarmů nelze přečíst: soubor databáze je poškozen.</translation>
    </message>
    <message>
        <source>Shown: the records of the last search that was read.</source>
        <translation>Zobrazeny jsou záznamy posledního hledání, které se podařilo přečíst.</translation>
    </message>
    <message>
        <source>the alarms marked solved</source>
        <translation>alarmy označené jako vyřešené</translation>
    </message>
</context>
<context>
    <name>AlarmInfoProcessing</name>
    <message>
        <source>Processing records</source>
        <translation>Záznam zpracování</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Odeslat</translation>
    </message>
</context>
<context>
    <name>AlarmManageWidget</name>
    <message>
        <source>Alarm Event </source>
        <translation>Poplachové události </translation>
    </message>
    <message>
        <source>Alarm Info</source>
        <translation>Informace o poplaších</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPane</name>
    <message>
        <source>Reconnecting...</source>
        <translation>Znovu se připojuje...</translation>
    </message>
    <message>
        <source>No video</source>
        <translation>Žádné video</translation>
    </message>
    <message>
        <source>Video interrupted</source>
        <translation>Video přerušeno</translation>
    </message>
    <message>
        <source>Play failed</source>
        <translation>Přehrávání selhalo</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>The source refuses connections</source>
        <translation>Zdroj odmítá připojení</translation>
    </message>
</context>
<context>
    <name>RemoteCfg_Widget</name>
    <message>
        <source>Set up to four time periods in a day!</source>
        <translation>Nastavte nejvýše čtyři časová období za den!</translation>
    </message>
</context>
<context>
    <name>PlatformSettingWidget</name>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Access mode</source>
        <translation>Režim přístupu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Unregistered</source>
        <translation>Neregistrováno</translation>
    </message>
    <message>
        <source>In registration</source>
        <translation>Probíhá registrace</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registrováno</translation>
    </message>
    <message>
        <source>Write off</source>
        <translation>Odregistrováno</translation>
    </message>
</context>
<context>
    <name>VersionInformation</name>
    <message>
        <source>Device Model</source>
        <translation>Model zařízení</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Verze firmwaru</translation>
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
        <translation>Kontaktní údaje</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>VideoEncodeWidget</name>
    <message>
        <source>Channels</source>
        <translation>Kanály</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>Hlavní stream</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>Vedlejší stream</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozlišení</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Snímková frekvence</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>Typ kódování</translation>
    </message>
    <message>
        <source>Bitrate Control</source>
        <translation>Řízení datového toku</translation>
    </message>
    <message>
        <source>Bitrate Toplimit</source>
        <translation>Horní mez datového toku</translation>
    </message>
    <message>
        <source>I Frame Interval</source>
        <translation>Interval I-snímků</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Proměnný</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstantní</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Main stream bitrate out of bounds</source>
        <translation>Datový tok hlavního streamu je mimo rozsah</translation>
    </message>
    <message>
        <source>Sub stream bitrate out of bounds</source>
        <translation>Datový tok vedlejšího streamu je mimo rozsah</translation>
    </message>
    <message>
        <source>The device needs to be restarted for the modification to take effect</source>
        <translation>Aby se změna projevila, je nutné zařízení restartovat</translation>
    </message>
</context>
<context>
    <name>MD_AudioCode_Widget</name>
    <message>
        <source>audioEncode</source>
        <translation>Kódování zvuku</translation>
    </message>
    <message>
        <source>Enable Encode</source>
        <translation>Povolit kódování</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>Typ kódování</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Vzorkovací frekvence</translation>
    </message>
    <message>
        <source>audioDecode</source>
        <translation>Dekódování zvuku</translation>
    </message>
    <message>
        <source>Enable decode</source>
        <translation>Povolit dekódování</translation>
    </message>
    <message>
        <source>decode Type</source>
        <translation>Typ dekódování</translation>
    </message>
    <message>
        <source>bitWidth</source>
        <translation>Bitová hloubka</translation>
    </message>
    <message>
        <source>soundmode</source>
        <translation>Režim zvuku</translation>
    </message>
    <message>
        <source>Volume Settings</source>
        <translation>Nastavení hlasitosti</translation>
    </message>
    <message>
        <source>MIC Volume</source>
        <translation>Hlasitost mikrofonu</translation>
    </message>
    <message>
        <source>Speaker Volume</source>
        <translation>Hlasitost reproduktoru</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>VideoImageSetting</name>
    <message>
        <source>Channels</source>
        <translation>Kanály</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Night Vision Mode</source>
        <translation>Režim nočního vidění</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Expozice</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Protisvětlo</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>Vyvážení bílé</translation>
    </message>
    <message>
        <source>PE</source>
        <translation>Vylepšení obrazu</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sytost</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Ostrost</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Formát videa</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Zrcadlení</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Otočení</translation>
    </message>
    <message>
        <source>antiFlicker</source>
        <translation>Potlačení blikání</translation>
    </message>
    <message>
        <source>around</source>
        <translation>Vodorovně</translation>
    </message>
    <message>
        <source>up and down</source>
        <translation>Svisle</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Středově</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Rotate 90 degrees</source>
        <translation>Otočit o 90 stupňů</translation>
    </message>
    <message>
        <source>Rotate 270 degrees</source>
        <translation>Otočit o 270 stupňů</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Vynutit</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručně</translation>
    </message>
    <message>
        <source>Exposure time</source>
        <translation>Doba expozice</translation>
    </message>
    <message>
        <source>Gain intensity</source>
        <translation>Zesílení</translation>
    </message>
    <message>
        <source>Strong light suppression</source>
        <translation>Potlačení silného světla</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Kompenzace protisvětla</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Auto White Balance</source>
        <translation>Automatické vyvážení bílé</translation>
    </message>
    <message>
        <source>Manual White Balance</source>
        <translation>Ruční vyvážení bílé</translation>
    </message>
    <message>
        <source>Red Gain</source>
        <translation>Zesílení červené</translation>
    </message>
    <message>
        <source>Blue Gain</source>
        <translation>Zesílení modré</translation>
    </message>
    <message>
        <source>WideDynamic</source>
        <translation>Široký dynamický rozsah</translation>
    </message>
    <message>
        <source>Strenth Target</source>
        <translation>Cílová síla</translation>
    </message>
    <message>
        <source>Denoise  Mode</source>
        <translation>Režim odšumění</translation>
    </message>
    <message>
        <source>Denoise Strenth</source>
        <translation>Síla odšumění</translation>
    </message>
    <message>
        <source>Smart Mode</source>
        <translation>Chytrý režim</translation>
    </message>
    <message>
        <source>Infrared Mode</source>
        <translation>Infračervený režim</translation>
    </message>
    <message>
        <source>Full Color Mode</source>
        <translation>Plnobarevný režim</translation>
    </message>
    <message>
        <source>Change the video format and IPC will restart.</source>
        <translation>Po změně formátu videa se IPC restartuje.</translation>
    </message>
</context>
<context>
    <name>MD_TimeTitle_Widget</name>
    <message>
        <source>Date/Time</source>
        <translation>Datum/čas</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formát data</translation>
    </message>
    <message>
        <source>Do not display</source>
        <translation>Nezobrazovat</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Before Date</source>
        <translation>Před datem</translation>
    </message>
    <message>
        <source>After Date</source>
        <translation>Za datem</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Den v týdnu</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12hodinový formát</translation>
    </message>
    <message>
        <source>Show Name</source>
        <translation>Zobrazit název</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Custom One</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom Two</source>
        <translation>Vlastní 2</translation>
    </message>
    <message>
        <source>Custom Three</source>
        <translation>Vlastní 3</translation>
    </message>
    <message>
        <source>OSD Frame</source>
        <translation>Rámeček OSD</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Zakázat</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanály</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>RecordSchedule</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Add Strategy</source>
        <translation>Přidat strategii</translation>
    </message>
    <message>
        <source>Delete Strategy</source>
        <translation>Smazat strategii</translation>
    </message>
    <message>
        <source>Original Device</source>
        <translation>Původní zařízení</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Record Device</source>
        <translation>Nahrávaná zařízení</translation>
    </message>
    <message>
        <source>Record time</source>
        <translation>Čas nahrávání</translation>
    </message>
    <message>
        <source>All day</source>
        <translation>Celý den</translation>
    </message>
    <message>
        <source>Workday</source>
        <translation>Pracovní dny</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfigurace</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Drag up the time period for removal</source>
        <translation>Přetažením časového úseku nahoru jej odstraníte</translation>
    </message>
    <message>
        <source>Record strategy</source>
        <translation>Strategie nahrávání</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Please add at least one device</source>
        <translation>Přidejte alespoň jedno zařízení</translation>
    </message>
    <message>
        <source>Please add at least one video save path</source>
        <translation>Přidejte alespoň jednu cestu pro ukládání videa</translation>
    </message>
    <message>
        <source>Hard disk space is less than 5GB, video recording has stopped.</source>
        <translation>Na disku je méně než 5 GB volného místa, nahrávání videa bylo zastaveno.</translation>
    </message>
    <message>
        <source>Not recording: the stream failed, trying again</source>
        <translation>Nenahrává se: přenos selhal, zkouší se znovu</translation>
    </message>
    <message>
        <source>Not recording: the device is not found</source>
        <translation>Nenahrává se: zařízení nebylo nalezeno</translation>
    </message>
    <message>
        <source>Not recording: the disk is full or cannot be written</source>
        <translation>Nenahrává se: disk je plný nebo do něj nelze zapisovat</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder; it starts again when it can.</source>
        <translation>Video nelze zapsat do složky úložiště; nahrávání se znovu spustí, jakmile to půjde.</translation>
    </message>
    <message>
        <source>Not recording: the storage folder is not there</source>
        <translation>Nenahrává se: složka úložiště není k dispozici</translation>
    </message>
    <message>
        <source>The storage folder %1 is not there (is its disk mounted?); recording starts again when it is back.</source>
        <translation>Složka úložiště %1 není k dispozici (je její disk připojen?); nahrávání se znovu spustí, až bude zpět.</translation>
    </message>
    <message>
        <source>The folder %1 is not the storage folder recorded into before (is its disk mounted?); nothing is written into it. Recording starts again when that disk is back; to record into this folder, choose it again under Configuration.</source>
        <translation>Složka %1 není složkou úložiště, do které se dříve nahrávalo (je její disk připojen?); nic se do ní nezapisuje. Nahrávání se znovu spustí, až bude onen disk zpět; chcete-li nahrávat do této složky, zvolte ji znovu v části Konfigurace.</translation>
    </message>
    <message>
        <source>Not recording: the folder is not this client's storage folder</source>
        <translation>Nenahrává se: složka není složkou úložiště tohoto klienta</translation>
    </message>
    <message>
        <source>Not recording: the storage folder cannot be written</source>
        <translation>Nenahrává se: do složky úložiště nelze zapisovat</translation>
    </message>
    <message>
        <source>Not recording: another client records into the storage folder</source>
        <translation>Nenahrává se: do složky úložiště nahrává jiný klient</translation>
    </message>
    <message>
        <source>Not recording: the storage folder's disk is not mounted</source>
        <translation>Nenahrává se: disk složky úložiště není připojen</translation>
    </message>
    <message>
        <source>Not recording: the client's settings cannot be read</source>
        <translation>Nenahrává se: nastavení klienta nelze přečíst</translation>
    </message>
    <message>
        <source>Not recording: the folder lies inside another client's storage folder</source>
        <translation>Nenahrává se: složka leží uvnitř složky úložiště jiného klienta</translation>
    </message>
    <message>
        <source>The folder %1 lies inside %2, the storage folder of another client; this client writes nothing there, so that neither touches the other's recordings. Choose another folder under Configuration.</source>
        <translation>Složka %1 leží uvnitř %2, složky úložiště jiného klienta; tento klient do ní nic nezapisuje, aby žádný z nich nezasahoval do nahrávek druhého. Zvolte jinou složku v části Konfigurace.</translation>
    </message>
    <message>
        <source>the database is in use by another program</source>
        <translation>databázi používá jiný program</translation>
    </message>
    <message>
        <source>A disk mounted at %2 covers the storage folder %1 and is not this client's storage; nothing is written onto it. Recording starts again when that disk is unmounted; to record onto it, choose the folder again under Configuration.</source>
        <translation>Disk připojený v %2 zakrývá složku úložiště %1 a není úložištěm tohoto klienta; nic se na něj nezapisuje. Nahrávání se znovu spustí, až bude tento disk odpojen; chcete-li nahrávat na něj, zvolte složku znovu v části Konfigurace.</translation>
    </message>
    <message>
        <source>Another client records into the storage folder %1 (it holds the lock on %2); this client writes nothing there. Recording starts when that client stops; or choose another folder under Configuration.</source>
        <translation>Do složky úložiště %1 nahrává jiný klient (drží zámek souboru %2); tento klient do ní nic nezapisuje. Nahrávání se spustí, až onen klient skončí; nebo zvolte jinou složku v části Konfigurace.</translation>
    </message>
    <message>
        <source>The storage folder %1 lies under %2, where the system mounts a disk, and no disk is mounted there now; nothing is written. Recording starts when it is mounted.</source>
        <translation>Složka úložiště %1 leží pod %2, kam systém připojuje disk, a žádný disk tam teď připojen není; nic se nezapisuje. Nahrávání se spustí, až bude disk připojen.</translation>
    </message>
    <message>
        <source>The storage folder %1 cannot be checked while the client's settings cannot be read (%2); recording starts when they can be read.</source>
        <translation>Složku úložiště %1 nelze ověřit, dokud nelze přečíst nastavení klienta (%2); nahrávání se spustí, až je bude možné přečíst.</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder %1 (%2); it starts again when it can.</source>
        <translation>Video nelze zapisovat do složky úložiště %1 (%2); nahrávání se znovu spustí, jakmile to bude možné.</translation>
    </message>
    <message>
        <source>The client's settings cannot be saved in the database (%1): the storage folder is known for this run only.</source>
        <translation>Nastavení klienta nelze uložit do databáze (%1): složka úložiště platí jen pro tento běh.</translation>
    </message>
    <message>
        <source>A disk was mounted at %2: recording goes on in %1 on it. What was recorded before lies in %1 on %3 (mounted at %4), hidden under the mount point %2 while that disk is mounted.</source>
        <translation>V %2 byl připojen disk: nahrávání pokračuje do %1 na něm. Co bylo nahráno dříve, leží v %1 na %3 (připojeno v %4), skryté pod přípojným bodem %2, dokud je disk připojen.</translation>
    </message>
    <message>
        <source>The client's settings table %4 in the database file %2 cannot be read (%3); the file may be damaged. The storage folder %1 cannot be checked, and nothing is recorded until the settings can be read.</source>
        <translation>Tabulku nastavení klienta %4 v databázovém souboru %2 nelze přečíst (%3); soubor může být poškozený. Složku úložiště %1 nelze ověřit a nic se nenahrává, dokud nastavení nepůjde přečíst.</translation>
    </message>
    <message>
        <source>The storage folder %1 was removed from its disk, which is still mounted. It is this client's own, so the client made it again, and recording goes on in it.</source>
        <translation>Složka úložiště %1 byla odstraněna ze svého disku, který je stále připojen. Patří tomuto klientovi, proto ji klient vytvořil znovu a nahrávání v ní pokračuje.</translation>
    </message>
    <message>
        <source>Recording follows the plan read before meanwhile.</source>
        <translation>Do té doby se nahrává podle dříve přečteného plánu.</translation>
    </message>
    <message>
        <source>Nothing is recorded until it can be read.</source>
        <translation>Dokud ji nelze přečíst, nic se nenahrává.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read now: the database is in use by another program. %3 It is read again by itself.</source>
        <translation>Tabulku %1 souboru databáze %2 nyní nelze přečíst: databázi používá jiný program. %3 Bude přečtena znovu sama.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read: the file is damaged (%3). %4 It is read again by itself.</source>
        <translation>Tabulku %1 souboru databáze %2 nelze přečíst: soubor je poškozen (%3). %4 Bude přečtena znovu sama.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read (%3). %4 It is read again by itself.</source>
        <translation>Tabulku %1 souboru databáze %2 nelze přečíst (%3). %4 Bude přečtena znovu sama.</translation>
    </message>
    <message>
        <source>the storage schedule</source>
        <translation>plán ukládání</translation>
    </message>
</context>
<context>
    <name>recordAdvanceConfigDlg</name>
    <message>
        <source>Advanced Configuration</source>
        <translation>Pokročilá konfigurace</translation>
    </message>
    <message>
        <source> File config</source>
        <translation> Konfigurace souborů</translation>
    </message>
    <message>
        <source>Single File time</source>
        <translation>Délka jednoho souboru</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Stream type</source>
        <translation>Typ streamu</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>Nahrávat zvuk</translation>
    </message>
    <message>
        <source>Save Policy</source>
        <translation>Zásady ukládání</translation>
    </message>
    <message>
        <source>Delete the old video when it's full</source>
        <translation>Při zaplnění mazat stará videa</translation>
    </message>
    <message>
        <source>Stop the video when it's full</source>
        <translation>Při zaplnění zastavit nahrávání</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>Cesta pro ukládání</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Main stream</source>
        <translation>Hlavní stream</translation>
    </message>
    <message>
        <source>Sub stream</source>
        <translation>Vedlejší stream</translation>
    </message>
    <message>
        <source>Open Recrod Directory</source>
        <translation>Otevřít složku záznamů</translation>
    </message>
    <message>
        <source>Disk remaining space is less than 5G, unable to save video!</source>
        <translation>Na disku zbývá méně než 5 GB, video nelze uložit!</translation>
    </message>
    <message>
        <source>Please add at least one video save path</source>
        <translation>Přidejte alespoň jednu cestu pro ukládání videa</translation>
    </message>
    <message>
        <source>The folder cannot be used for recordings: %1</source>
        <translation>Složku nelze použít pro záznamy: %1</translation>
    </message>
    <message>
        <source>the recording folder</source>
        <translation>složka pro nahrávky</translation>
    </message>
</context>
<context>
    <name>IotReplayWnd</name>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Zadejte název zařízení pro filtrování</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>V tento den není žádné video.</translation>
    </message>
    <message>
        <source>There is no video in this month.</source>
        <translation>V tomto měsíci není žádné video.</translation>
    </message>
    <message>
        <source>The device is previewing and cannot be play record.</source>
        <translation>Zařízení je v živém náhledu a nelze přehrát záznam.</translation>
    </message>
    <message>
        <source>Record play failed.</source>
        <translation>Přehrání záznamu se nezdařilo.</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Snímek se nezdařil</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Snímek pořízen</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Uloženo do</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Stisknutím klávesy ESC ukončíte režim celé obrazovky.</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Přehrávání skončilo</translation>
    </message>
</context>
<context>
    <name>IotLoginDlg</name>
    <message>
        <source>Cloud Login</source>
        <translation>Přihlášení ke cloudu</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlásit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Remote login successful</source>
        <translation>Vzdálené přihlášení proběhlo úspěšně</translation>
    </message>
    <message>
        <source>The cloud store cannot be read. It is looked for in the folder %1</source>
        <translation>Cloudové úložiště nelze přečíst. Hledá se ve složce %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
    <message>
        <source>log out?</source>
        <translation>odhlásit se?</translation>
    </message>
    <message>
        <source>Live Video</source>
        <translation>Živé video</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Přehrávání</translation>
    </message>
    <message>
        <source>Storage Schedule</source>
        <translation>Plán ukládání</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Správa zařízení</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Přístup</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Události</translation>
    </message>
    <message>
        <source>Not available in this version</source>
        <translation>V této verzi není k dispozici</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domů</translation>
    </message>
    <message>
        <source>Closing: waiting for the database to store what is left. Changes: %1, alarms: %2.</source>
        <translation>Zavírání: čeká se, až databáze uloží zbytek. Změny: %1, alarmy: %2.</translation>
    </message>
    <message>
        <source>Not saved at close, the database is in use by another program. Changes: %1, alarms: %2.</source>
        <translation>Při zavírání neuloženo, databázi používá jiný program. Změny: %1, alarmy: %2.</translation>
    </message>
    <message>
        <source>Alarms not saved before the close: %1.</source>
        <translation>Alarmy neuložené před zavřením: %1.</translation>
    </message>
</context>
<context>
    <name>CommonDetection</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanál</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Povolit</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Citlivost</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Propojení</translation>
    </message>
    <message>
        <source>White Light</source>
        <translation>Bílé světlo</translation>
    </message>
    <message>
        <source>Always bright</source>
        <translation>Stále svítí</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Blikání</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Doba trvání</translation>
    </message>
    <message>
        <source>(5-60)s</source>
        <translation>(5-60) s</translation>
    </message>
    <message>
        <source>Voice Alarm</source>
        <translation>Hlasový alarm</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Počet</translation>
    </message>
    <message>
        <source>Check Source</source>
        <translation>Kontrola zdroje</translation>
    </message>
    <message>
        <source>Auto Music</source>
        <translation>Automatická hudba</translation>
    </message>
    <message>
        <source>Summer Night</source>
        <translation>Letní noc</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Klid</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Štěstí</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Maják</translation>
    </message>
    <message>
        <source>Little Conch</source>
        <translation>Malá mušle</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Nepřehrávat</translation>
    </message>
</context>
<context>
    <name>CMoveDetectTimeSetDlg</name>
    <message>
        <source>Sunday</source>
        <translation>Neděle</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Úterý</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Pátek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
</context>
<context>
    <name>AL_MoveDetect_Widget</name>
    <message>
        <source>Arming Time</source>
        <translation>Čas aktivace</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>FaceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Čas aktivace</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>BCDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Čas aktivace</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>PeopleDetection</name>
    <message>
        <source>Human Figure Track</source>
        <translation>Sledování postavy</translation>
    </message>
    <message>
        <source>Arming Time</source>
        <translation>Čas aktivace</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>VoiceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Čas aktivace</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPlayController</name>
    <message>
        <source>No stream address</source>
        <translation>Chybí adresa streamu</translation>
    </message>
</context>
<context>
    <name>MainViewVideoPreview</name>
    <message>
        <source>%1 screens</source>
        <translation>Počet obrazovek: %1</translation>
    </message>
    <message>
        <source>Search device</source>
        <translation>Hledat zařízení</translation>
    </message>
</context>
<context>
    <name>DeviceManageWidget</name>
    <message>
        <source>Names</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Typ zařízení</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Model zařízení</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Choose update Files</source>
        <translation>Vyberte soubor aktualizace</translation>
    </message>
    <message>
        <source>The file cannot be accessed!</source>
        <translation>K souboru nelze přistoupit!</translation>
    </message>
    <message>
        <source>Please select file to be upgraded!</source>
        <translation>Vyberte soubor pro aktualizaci!</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>Zaškrtněte jen jednu položku.</translation>
    </message>
    <message>
        <source>Device is nullptr</source>
        <translation>Zařízení nenalezeno</translation>
    </message>
    <message>
        <source>The device type does not support upgrade</source>
        <translation>Tento typ zařízení nepodporuje aktualizaci</translation>
    </message>
    <message>
        <source>There are connection failed devices in the selected list, please re-select</source>
        <translation>Mezi vybranými jsou nepřipojená zařízení, vyberte znovu</translation>
    </message>
    <message>
        <source>Begin upgrade, Please wait</source>
        <translation>Aktualizace zahájena, čekejte prosím</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Nahrávání...</translation>
    </message>
    <message>
        <source>Upgrade fail</source>
        <translation>Aktualizace selhala</translation>
    </message>
    <message>
        <source>Upgrade Progress</source>
        <translation>Průběh aktualizace</translation>
    </message>
    <message>
        <source>Upgrade success,The device will restart</source>
        <translation>Aktualizace úspěšná, zařízení se restartuje</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>Přidaná zařízení</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Search Device</source>
        <translation>Hledat zařízení</translation>
    </message>
    <message>
        <source>Manual Device</source>
        <translation>Přidat ručně</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>Hromadná změna</translation>
    </message>
    <message>
        <source>Device Group</source>
        <translation>Skupiny zařízení</translation>
    </message>
    <message>
        <source>selected:</source>
        <translation>Vybráno:</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>ks</translation>
    </message>
    <message>
        <source>Upgrade File</source>
        <translation>Soubor aktualizace</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procházet</translation>
    </message>
    <message>
        <source>File Upgrade</source>
        <translation>Aktualizovat ze souboru</translation>
    </message>
    <message>
        <source>DeviceManageWidget</source>
        <translation>Správa zařízení</translation>
    </message>
</context>
<context>
    <name>AddClientDevDlg</name>
    <message>
        <source>Private</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>ONVIF</source>
        <translation>ONVIF</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Přidat zařízení</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Typ zařízení</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>Port RTSP</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Název zařízení</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>AddClientDevDlg</source>
        <translation>Přidat zařízení</translation>
    </message>
</context>
<context>
    <name>EditClientDevDlg</name>
    <message>
        <source>Edit Device</source>
        <translation>Upravit zařízení</translation>
    </message>
    <message>
        <source>The password is the default.</source>
        <translation>Heslo je výchozí.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Název zařízení</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Video Port</source>
        <translation>Port videa</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>forget</source>
        <translation>Zapomenuté heslo</translation>
    </message>
    <message>
        <source>authType</source>
        <translation>Ověřování</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádné</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>EditClientDevDlg</source>
        <translation>Upravit zařízení</translation>
    </message>
</context>
<context>
    <name>DeviceGroupManage</name>
    <message>
        <source>A group with this name already exists.</source>
        <translation>Skupina s tímto názvem již existuje.</translation>
    </message>
    <message>
        <source>Device Group Manage </source>
        <translation>Správa skupin zařízení</translation>
    </message>
    <message>
        <source>Group Info</source>
        <translation>Údaje o skupině</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Nadřazená skupina</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>DeviceGroupManage</source>
        <translation>Správa skupin zařízení</translation>
    </message>
    <message>
        <source>the device groups</source>
        <translation>skupiny zařízení</translation>
    </message>
</context>
<context>
    <name>DeviceBatchModify</name>
    <message>
        <source>Batch modify user name and password</source>
        <translation>Hromadná změna jména a hesla</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>DeviceBatchModify</source>
        <translation>Hromadná změna</translation>
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
        <translation>Typ zařízení</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Model zařízení</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Hledání...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Search ok</source>
        <translation>Hledání dokončeno</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nesprávné uživatelské jméno nebo heslo.</translation>
    </message>
    <message>
        <source>The IP address is already in use.</source>
        <translation>Tato IP adresa se již používá.</translation>
    </message>
    <message>
        <source>The device is being modified</source>
        <translation>Zařízení se právě mění</translation>
    </message>
    <message>
        <source>Please search again later.</source>
        <translation>Hledejte prosím znovu později.</translation>
    </message>
    <message>
        <source>Please check one item to modify.</source>
        <translation>Zaškrtněte jednu položku ke změně.</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>Zaškrtněte jen jednu položku.</translation>
    </message>
    <message>
        <source>Please select a device before making any changes.</source>
        <translation>Před změnou vyberte zařízení.</translation>
    </message>
    <message>
        <source>DeviceSearch</source>
        <translation>Hledání zařízení</translation>
    </message>
    <message>
        <source>Begin Search</source>
        <translation>Začít hledat</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>Změnit IP</translation>
    </message>
    <message>
        <source>Restore Factory</source>
        <translation>Tovární nastavení</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>Hromadná změna</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>The device is no longer in the search results.</source>
        <translation>Zařízení již není ve výsledcích hledání.</translation>
    </message>
    <message>
        <source>CSearchManageWidget</source>
        <translation>Hledání zařízení</translation>
    </message>
</context>
<context>
    <name>ModifyAllIPDlg</name>
    <message>
        <source>Not enough free IP addresses for the selected devices.</source>
        <translation>Pro vybraná zařízení není dost volných IP adres.</translation>
    </message>
    <message>
        <source>Batch Modify IP</source>
        <translation>Hromadná změna IP</translation>
    </message>
    <message>
        <source>Start IP</source>
        <translation>Počáteční IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maska podsítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
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
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>ModifyAllIPDlg</source>
        <translation>Hromadná změna IP</translation>
    </message>
</context>
<context>
    <name>ModifyNetInfoDlg</name>
    <message>
        <source>Modify IP-</source>
        <translation>Změnit IP-</translation>
    </message>
    <message>
        <source>Modify IPAddress</source>
        <translation>Změnit IP adresu</translation>
    </message>
    <message>
        <source>CurrentIPAddress</source>
        <translation>Současná IP adresa</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Maska podsítě</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brána</translation>
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
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>ModifyNetInfoDlg</source>
        <translation>Změna IP adresy</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Please enter the user name and password</source>
        <translation>Zadejte uživatelské jméno a heslo</translation>
    </message>
    <message>
        <source>Incorrect user name or password</source>
        <translation>Nesprávné uživatelské jméno nebo heslo</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Přihlášení uživatele</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Automatic login</source>
        <translation>Automatické přihlášení</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlásit</translation>
    </message>
    <message>
        <source>What the next start remembers of this login was not saved.</source>
        <translation>To, co si příští spuštění z tohoto přihlášení zapamatuje, nebylo uloženo.</translation>
    </message>
    <message>
        <source>the remembered login</source>
        <translation>zapamatované přihlášení</translation>
    </message>
</context>
<context>
    <name>ForgotPassword</name>
    <message>
        <source>Dear user,please follow the steps below to reset your password:</source>
        <translation>Vážený uživateli, heslo obnovíte podle následujících kroků:</translation>
    </message>
    <message>
        <source>1. Scan the "Reset Password" QR code with a mobile browser, or open %1 in a browser.</source>
        <translation>1. Naskenujte QR kód „Obnovení hesla“ mobilním prohlížečem nebo otevřete %1 v prohlížeči.</translation>
    </message>
    <message>
        <source>2. Use the QR scanner of that web page on the "Security Code" QR code on the left.</source>
        <translation>2. Čtečkou QR kódů na té stránce naskenujte QR kód „Bezpečnostní kód“ vlevo.</translation>
    </message>
    <message>
        <source>3. The security code is sent to the contact below; enter it with a new password to finish.</source>
        <translation>3. Bezpečnostní kód přijde na kontakt níže; zadejte jej s novým heslem a dokončete.</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>Operace selhala</translation>
    </message>
    <message>
        <source>Password is empty</source>
        <translation>Heslo je prázdné</translation>
    </message>
    <message>
        <source>Security code error</source>
        <translation>Chybný bezpečnostní kód</translation>
    </message>
    <message>
        <source>Security code timeout</source>
        <translation>Platnost bezpečnostního kódu vypršela</translation>
    </message>
    <message>
        <source>ContactInfo is empty</source>
        <translation>Kontaktní údaje jsou prázdné</translation>
    </message>
    <message>
        <source>Password is default password</source>
        <translation>Heslo je výchozí</translation>
    </message>
    <message>
        <source>No contact info,  defalut password 402917</source>
        <translation>Chybí kontakt, výchozí heslo je 402917</translation>
    </message>
    <message>
        <source>Forgot Password</source>
        <translation>Zapomenuté heslo</translation>
    </message>
    <message>
        <source>Reset Password</source>
        <translation>Obnovení hesla</translation>
    </message>
    <message>
        <source>Security Code</source>
        <translation>Bezpečnostní kód</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Please input security code</source>
        <translation>Zadejte bezpečnostní kód</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nové heslo</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Zadejte nové heslo</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Potvrzení hesla</translation>
    </message>
    <message>
        <source>Please confirm password</source>
        <translation>Potvrďte heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Please scan the QR code with the APP. The security code will be sent to the contact. Enter the security code below and a new password to complete the password reset.</source>
        <translation>Naskenujte QR kód aplikací. Bezpečnostní kód bude zaslán na kontakt. Zadejte jej níže spolu s novým heslem a dokončete obnovení hesla.</translation>
    </message>
    <message>
        <source>ForgotPassword</source>
        <translation>Zapomenuté heslo</translation>
    </message>
</context>
<context>
    <name>FFmpegReplayWidget</name>
    <message>
        <source>Snapshot</source>
        <translation>Snímek</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Connecting to</source>
        <translation>Připojování k</translation>
    </message>
</context>
<context>
    <name>OrmHelper</name>
    <message>
        <source>Admin is the default role and has all permissions </source>
        <translation>Správce je výchozí role a má všechna oprávnění </translation>
    </message>
</context>
<context>
    <name>DeviceAlarmHandler</name>
    <message>
        <source>The database cannot be written: settings and alarms will not be saved.</source>
        <translation>Do databáze nelze zapisovat: nastavení a alarmy nebudou uloženy.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the disk is full.</source>
        <translation>Alarmy se neukládají: disk je plný.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is read-only.</source>
        <translation>Alarmy se neukládají: databáze je jen pro čtení.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: they arrive faster than they can be stored.</source>
        <translation>Alarmy se neukládají: přicházejí rychleji, než je lze uložit.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database cannot be written.</source>
        <translation>Alarmy se neukládají: do databáze nelze zapisovat.</translation>
    </message>
    <message>
        <source>Alarms are being saved again. Not saved meanwhile: %1.</source>
        <translation>Alarmy se opět ukládají. Mezitím neuloženo: %1.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is missing.</source>
        <translation>Alarmy se neukládají: soubor databáze chybí.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is damaged.</source>
        <translation>Alarmy se neukládají: soubor databáze je poškozen.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is in use by another program.</source>
        <translation>Alarmy se neukládají: databázi používá jiný program.</translation>
    </message>
</context>
<context>
    <name>ConfigConversation</name>
    <message>
        <source>The device is offline. Nothing was saved.</source>
        <translation>Zařízení je offline. Nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>The device did not answer. The change may not have been saved.</source>
        <translation>Zařízení neodpovědělo. Změna možná nebyla uložena.</translation>
    </message>
    <message>
        <source>The connection to the device was lost. The change may not have been saved.</source>
        <translation>Spojení se zařízením bylo ztraceno. Změna možná nebyla uložena.</translation>
    </message>
    <message>
        <source>The page is still being read from the device. Save once it is shown.</source>
        <translation>Stránka se ještě načítá ze zařízení. Uložte, až se zobrazí.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Neuloženo</translation>
    </message>
    <message>
        <source>The device's answers cannot be told apart yet; reading again.</source>
        <translation>Odpovědi zařízení zatím nelze od sebe rozlišit; čte se znovu.</translation>
    </message>
    <message>
        <source>The device has not answered earlier requests of this kind yet. Nothing was saved.</source>
        <translation>Zařízení dosud neodpovědělo na dřívější požadavky tohoto druhu. Nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>Saved (the device answered late).</source>
        <translation>Uloženo (zařízení odpovědělo pozdě).</translation>
    </message>
    <message>
        <source>Waiting for the device to answer an earlier request of this kind; this one goes out next.</source>
        <translation>Čeká se, až zařízení odpoví na dřívější požadavek tohoto druhu; tento bude odeslán hned potom.</translation>
    </message>
    <message>
        <source>The device took a change, but its answer could be another request's: the client's record of the device follows only once the device shows what it holds.</source>
        <translation>Zařízení změnu přijalo, ale jeho odpověď může patřit jinému požadavku: záznam klienta o zařízení se změní, až zařízení ukáže, co uchovává.</translation>
    </message>
    <message>
        <source>Not sent: the device did not log in again in time. Make the change again once it is online.</source>
        <translation>Neodesláno: zařízení se včas znovu nepřihlásilo. Až bude online, proveďte změnu znovu.</translation>
    </message>
    <message>
        <source>Sent; waiting for the device's answer.</source>
        <translation>Odesláno; čeká se na odpověď zařízení.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save of %1: %2</source>
        <translation>Uložení %1: %2</translation>
    </message>
    <message>
        <source>Reconnect and read again</source>
        <translation>Znovu připojit a načíst</translation>
    </message>
    <message>
        <source>The device stopped answering these requests.</source>
        <translation>Zařízení přestalo na tyto požadavky odpovídat.</translation>
    </message>
    <message>
        <source>The device sent an answer twice: the values shown cannot be trusted. Reading again.</source>
        <translation>Zařízení poslalo odpověď dvakrát: zobrazeným hodnotám nelze věřit. Načítá se znovu.</translation>
    </message>
    <message>
        <source>The device took the values of an earlier Save; the values shown now are not saved.</source>
        <translation>Zařízení převzalo hodnoty dřívějšího uložení; nyní zobrazené hodnoty nejsou uloženy.</translation>
    </message>
    <message>
        <source>The device took %1 from an earlier Save; the values shown now are not saved.</source>
        <translation>Zařízení převzalo %1 z dřívějšího uložení; nyní zobrazené hodnoty nejsou uloženy.</translation>
    </message>
    <message>
        <source>The last Save may have sent values of a repeated answer; read again before saving.</source>
        <translation>Poslední uložení mohlo odeslat hodnoty z opakované odpovědi; před uložením načtěte znovu.</translation>
    </message>
    <message>
        <source>The device took the Save of %1; %2 shows what the device holds.</source>
        <translation>Zařízení převzalo uložení %1; %2 zobrazuje hodnoty uložené v zařízení.</translation>
    </message>
    <message>
        <source>The device took the Save of %1.</source>
        <translation>Zařízení převzalo uložení %1.</translation>
    </message>
</context>
<context>
    <name>ConfigPageMarks</name>
    <message>
        <source>A disk format is still running on the device: a fresh connection would never hear whether it finished.</source>
        <translation>Na zařízení ještě probíhá formátování disku: po novém připojení se nedozvíte, zda skončilo.</translation>
    </message>
    <message>
        <source>A save still waits for the device's answer: a fresh connection would never hear whether it was stored.</source>
        <translation>Uložení stále čeká na odpověď zařízení: po novém připojení se nedozvíte, zda bylo uloženo.</translation>
    </message>
    <message>
        <source>Reconnect anyway?</source>
        <translation>Přesto se znovu připojit?</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>no space left on the disk</source>
        <translation>na disku není volné místo</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disk je jen pro čtení</translation>
    </message>
    <message>
        <source>the folder is missing</source>
        <translation>složka chybí</translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation>chybí oprávnění k zápisu</translation>
    </message>
</context>
<context>
    <name>TypedDateTimeEdit</name>
    <message>
        <source>%1 does not exist. The field keeps %2.</source>
        <translation>%1 neexistuje. V poli zůstává %2.</translation>
    </message>
</context>
<context>
    <name>StorageMark</name>
    <message>
        <source>another client records into this folder</source>
        <translation>do této složky nahrává jiný klient</translation>
    </message>
    <message>
        <source>the storage folder's mark</source>
        <translation>značka složky úložiště</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>%1 holds the other password the client kept for it, not the stored one: the client logs in with that one from now on.</source>
        <translation>%1 uchovává jiné heslo, které pro něj klient uchoval, nikoli uložené: klient se od nynějška přihlašuje tímto heslem.</translation>
    </message>
    <message>
        <source>%1 refused the login with the stored password and with the other one the client kept for it.</source>
        <translation>%1 odmítlo přihlášení s uloženým heslem i s jiným heslem, které pro něj klient uchoval.</translation>
    </message>
    <message>
        <source>The camera now answers at %1; the client follows it there.</source>
        <translation>Kamera nyní odpovídá na adrese %1; klient ji tam následuje.</translation>
    </message>
</context>
</TS>
