<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
    <context>
        <name>Authentication</name>
        <message>
            <location filename="../../src/widgets/Authentication.ui" line="+29" />
            <source>Tavik Authentication</source>
            <translation>Ověření Tavik</translation>
        </message>
        <message>
            <location line="+33" />
            <source>User Name</source>
            <translation>Uživatelské jméno</translation>
        </message>
        <message>
            <location line="+14" />
            <source>Confirm Password</source>
            <translation>Heslo</translation>
        </message>
        <message>
            <location line="+33" />
            <source>OK</source>
            <translation>Potvrdit</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
    </context>
    <context>
        <name>CaptureScreen</name>
        <message>
            <location filename="../../src/widgets/CaptureScreen.cpp" line="+264" />
            <source>Rect:</source>
            <translation>Oblast:</translation>
        </message>
    </context>
    <context>
        <name>CommonHelper</name>
        <message>
            <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72" />
            <source>Copy</source>
            <translation>Kopírovat</translation>
        </message>
        <message>
            <location line="+158" />
            <source>Siren</source>
            <translation>Siréna</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Doorbell</source>
            <translation>Zvonek</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bark</source>
            <translation>Štěkot</translation>
        </message>
        <message>
            <location filename="../../src/Common/CommonHelper.cpp" line="+130" />
            <source>Connection failed</source>
            <translation>Připojení selhalo</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Connection successful</source>
            <translation>Připojení úspěšné</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Incorrect username or password.</source>
            <translation>Nesprávné uživatelské jméno nebo heslo.</translation>
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
            <translation>Potvrdit</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Cancel</source>
            <translation>Zrušit</translation>
        </message>
        <message>
            <location filename="../../src/widgets/CustomDialog.cpp" line="+72" />
            <source>Tips</source>
            <translation>Upozornění</translation>
        </message>
    </context>
    <context>
        <name>ManageWidget</name>
        <message>
            <location filename="../../src/widgets/ManageWidget.ui" line="+21" />
            <source>ShowPassword</source>
            <translation>Zobrazit heslo</translation>
        </message>
        <message>
            <location line="+13" />
            <source>edit</source>
            <translation>Upravit</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Delete</source>
            <translation>Smazat</translation>
        </message>
        <message>
            <location line="+13" />
            <source>UserManage</source>
            <translation>Správa uživatelů</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Auth</source>
            <translation>Oprávnění</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Remote Configuration</source>
            <translation>Vzdálená konfigurace</translation>
        </message>
        <message>
            <location line="+13" />
            <source>ChannelManage</source>
            <translation>Správa kanálů</translation>
        </message>
    </context>
    <context>
        <name>PageWidget</name>
        <message>
            <location filename="../../src/widgets/PageWidget.ui" line="+21" />
            <source>totalRecords</source>
            <translation>Celkem záznamů</translation>
        </message>
        <message>
            <location line="+11" />
            <source>pageSize</source>
            <translation>Velikost stránky</translation>
        </message>
    </context>
    <context>
        <name>SharedTexts</name>
        <message>
            <location filename="../../src/Common/SharedTexts.cpp" line="+3" />
            <source>Enter the device name to filter</source>
            <translation>Zadejte název zařízení pro filtr</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Incomplete information</source>
            <translation>Neúplné údaje</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to </source>
            <translation>Opravdu chcete </translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this user?</source>
            <translation>smazat tohoto uživatele?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this device?</source>
            <translation>smazat toto zařízení?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this Group?</source>
            <translation>smazat tuto skupinu?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>reboot this device?</source>
            <translation>restartovat toto zařízení?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>restore this device?</source>
            <translation>obnovit toto zařízení?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration failed</source>
            <translation>Konfigurace selhala</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration successful</source>
            <translation>Konfigurace úspěšná</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid format</source>
            <translation>Neplatný formát</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New password and confirmation password do not match</source>
            <translation>Nové heslo a potvrzení se neshodují</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is available.</source>
            <translation>IP adresa je volná.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is already in use.</source>
            <translation>IP adresa je již používána.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP and gateway are not in the same subnet.</source>
            <translation>IP adresa a brána nejsou ve stejné podsíti.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Please select a device before making any changes.</source>
            <translation>Před změnami vyberte zařízení.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Default users or roles cannot be deleted.</source>
            <translation>Výchozí uživatele ani role nelze smazat.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Monday</source>
            <translation>Pondělí</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Tuesday</source>
            <translation>Úterý</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Wednesday</source>
            <translation>Středa</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Thursday</source>
            <translation>Čtvrtek</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Friday</source>
            <translation>Pátek</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Saturday</source>
            <translation>Sobota</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Sunday</source>
            <translation>Neděle</translation>
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
</context>
</TS>
