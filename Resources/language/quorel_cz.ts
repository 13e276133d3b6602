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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid channel id!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream id!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid xml parameter!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling connection with IPC is not established!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media connection with IPC is not established!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of Preview is full!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of streams is full!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get video config!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to start Preview!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User does not have remote permission!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The total number of playback channels is full!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown error code: %1!</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <location filename="../../src/Common/TimeZoneTable.cpp" line="+24"/>
        <source>Hawaii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alaska</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guadalajara, Mexico City, Monterrey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Time (US &amp; Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bogota, Lima, Quito, Rio Branco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Caracas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Georgetown, La Paz, Manaus, San Juan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santiago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Newfoundland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sao Paulo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City of Buenos Aires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montevideo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Greenland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Azores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cabo Verde Is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brussels, Copenhagen, Madrid, Paris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Casablanca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Athens, Bucharest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beirut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tripoli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Baghdad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moscow, St. Petersburg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tehran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abu Dhabi, Dubai, Muscat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kabul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Islamabad, Karachi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ashgabat, Tashkent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chennai, Kolkata, Mumbai, New Delhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kathmandu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dhaka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rangoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho Chi Minh City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taipei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kuala Lumpur, Singapore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seoul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osaka, Sapporo, Tokyo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darwin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Canberra, Melbourne, Sydney</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guam, Port Moresby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magadan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auckland, Wellington</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fiji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(GMT+00:00)Edinburgh, London</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+00:00)Dublin, Edinburgh, London</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Prague</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Paris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Rome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Berlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Amsterdam, Paris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Jerusalem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Athens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:30)Tehran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:00)Caucasus standard time, Dubai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:30)Kabul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:00)Islamabad, Karachi, Tashkent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:30)Madras, Mumbai, New Delhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:45)Kathmandu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:00)Almaty, Dhaka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:30)Yangon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+08:00)Beijing, Urumqi, Singapore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Darwin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Adelaide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+10:00)Melbourne, Sydney, Canberra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+11:00)Magadan, Solomon Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+12:00)Auckland, Wellington</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+13:00)Nukualofa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-12:00)Date line west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-11:00)Samoa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-10:00)Hawaii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-09:00)Alaska</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-08:00)Pacific time (USA and Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Edmonton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Mountain time(USA and Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-06:00)Central time(USA and Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-05:00)Eastern time (USA and Canada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-04:00)Georgetown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:30)Newfoundland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:00)Sao Paulo, Brasilia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-02:00)Central Atlantic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-01:00)Cape Verde Islands, Azores</source>
        <translation type="unfinished"></translation>
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
</context>
</TS>
