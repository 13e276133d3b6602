<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AlarmInfoWidget</name>
    <message>
        <source>Shown: the records of the last search that was read.</source>
        <translation>Shown: the records of the last search that was read.</translation>
    </message>
    <message>
        <source>the alarms marked solved</source>
        <translation>the alarms marked solved</translation>
    </message>
</context>
<context>
    <name>Authentication</name>
    <message>
        <location filename="../../src/widgets/Authentication.ui" line="+29"/>
        <source>Tavik Authentication</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+33"/>
        <source>User Name</source>
        <translation>Username</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirm Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>OK</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation type="unfinished"/>
    </message>
</context>
<context>
    <name>CaptureScreen</name>
    <message>
        <location filename="../../src/widgets/CaptureScreen.cpp" line="+264"/>
        <source>Rect:</source>
        <translation type="unfinished"/>
    </message>
</context>
<context>
    <name>CommonHelper</name>
    <message>
        <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72"/>
        <source>Copy</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+158"/>
        <source>Siren</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Doorbell</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Bark</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location filename="../../src/Common/CommonHelper.cpp" line="+130"/>
        <source>Connection failed</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+5"/>
        <source>Connection successful</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+5"/>
        <source>Incorrect username or password.</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid parameter!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid channel id!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream id!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid xml parameter!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling connection with IPC is not established!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Media connection with IPC is not established!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of Preview is full!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of streams is full!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get video config!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to start Preview!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>User does not have remote permission!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>The total number of playback channels is full!</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown error code: %1!</source>
        <translation type="unfinished"/>
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
        <translation>Confirm</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location filename="../../src/widgets/CustomDialog.cpp" line="+72"/>
        <source>Tips</source>
        <translation type="unfinished"/>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>the devices' serial numbers</source>
        <translation>the devices' serial numbers</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>device %1</translation>
    </message>
    <message>
        <source>device %1 (%2)</source>
        <translation>device %1 (%2)</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>What the next start remembers of this login was not saved.</source>
        <translation>What the next start remembers of this login was not saved.</translation>
    </message>
    <message>
        <source>the remembered login</source>
        <translation>the remembered login</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Closing: waiting for the database to store what is left. Changes: %1, alarms: %2.</source>
        <translation>Closing: waiting for the database to store what is left. Changes: %1, alarms: %2.</translation>
    </message>
    <message>
        <source>Not saved at close, the database is in use by another program. Changes: %1, alarms: %2.</source>
        <translation>Not saved at close, the database is in use by another program. Changes: %1, alarms: %2.</translation>
    </message>
    <message>
        <source>Alarms not saved before the close: %1.</source>
        <translation>Alarms not saved before the close: %1.</translation>
    </message>
</context>
<context>
    <name>ManageWidget</name>
    <message>
        <location filename="../../src/widgets/ManageWidget.ui" line="+21"/>
        <source>ShowPassword</source>
        <translation>Show Password</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+13"/>
        <source>UserManage</source>
        <translation>User Management</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auth</source>
        <translation>Authority</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Remote Configuration</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+13"/>
        <source>ChannelManage</source>
        <translation>Channel Management</translation>
    </message>
</context>
<context>
    <name>PageWidget</name>
    <message>
        <location filename="../../src/widgets/PageWidget.ui" line="+21"/>
        <source>totalRecords</source>
        <translation>Total Records</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>pageSize</source>
        <translation>Page Size</translation>
    </message>
</context>
<context>
    <name>SharedTexts</name>
    <message>
        <location filename="../../src/Common/SharedTexts.cpp" line="+3"/>
        <source>Enter the device name to filter</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Incomplete information</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to </source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this user?</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this device?</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this Group?</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>reboot this device?</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>restore this device?</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration failed</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration successful</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid format</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>New password and confirmation password do not match</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is available.</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is already in use.</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP and gateway are not in the same subnet.</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select a device before making any changes.</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Default users or roles cannot be deleted.</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+4"/>
        <source>Monday</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+0"/>
        <source>Tuesday</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+0"/>
        <source>Thursday</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Friday</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+0"/>
        <source>Saturday</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunday</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <source>Configuration failed: the database file %1 is damaged</source>
        <translation>Configuration failed: the database file %1 is damaged</translation>
    </message>
    <message>
        <source>Reading failed: the database file %1 is damaged</source>
        <translation>Reading failed: the database file %1 is damaged</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <location filename="../../src/Common/TimeZoneTable.cpp" line="+24"/>
        <source>Hawaii</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Alaska</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Guadalajara, Mexico City, Monterrey</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Time (US &amp; Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Bogota, Lima, Quito, Rio Branco</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Caracas</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Georgetown, La Paz, Manaus, San Juan</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Santiago</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Newfoundland</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Sao Paulo</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>City of Buenos Aires</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Montevideo</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Greenland</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Azores</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Cabo Verde Is.</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Brussels, Copenhagen, Madrid, Paris</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Casablanca</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Athens, Bucharest</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Beirut</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Tripoli</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Baghdad</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Moscow, St. Petersburg</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Tehran</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Abu Dhabi, Dubai, Muscat</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Kabul</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Islamabad, Karachi</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Ashgabat, Tashkent</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Chennai, Kolkata, Mumbai, New Delhi</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Kathmandu</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Dhaka</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Rangoon</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho Chi Minh City</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Taipei</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Kuala Lumpur, Singapore</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Perth</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Seoul</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Osaka, Sapporo, Tokyo</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Darwin</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Canberra, Melbourne, Sydney</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Guam, Port Moresby</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Magadan</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+2"/>
        <source>Auckland, Wellington</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>Fiji</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+41"/>
        <source>(GMT+00:00)Edinburgh, London</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+00:00)Dublin, Edinburgh, London</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Prague</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Paris</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Rome</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Berlin</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Amsterdam, Paris</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Jerusalem</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Athens</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:30)Tehran</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:00)Caucasus standard time, Dubai</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:30)Kabul</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:00)Islamabad, Karachi, Tashkent</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:30)Madras, Mumbai, New Delhi</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:45)Kathmandu</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:00)Almaty, Dhaka</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:30)Yangon</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+08:00)Beijing, Urumqi, Singapore</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Darwin</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Adelaide</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+10:00)Melbourne, Sydney, Canberra</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+11:00)Magadan, Solomon Islands</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+12:00)Auckland, Wellington</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+13:00)Nukualofa</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-12:00)Date line west</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-11:00)Samoa</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-10:00)Hawaii</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-09:00)Alaska</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-08:00)Pacific time (USA and Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Edmonton</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Mountain time(USA and Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-06:00)Central time(USA and Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-05:00)Eastern time (USA and Canada)</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-04:00)Georgetown</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:30)Newfoundland</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:00)Sao Paulo, Brasilia</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-02:00)Central Atlantic</source>
        <translation type="unfinished"/>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-01:00)Cape Verde Islands, Azores</source>
        <translation type="unfinished"/>
    </message>
</context>
<context>
    <name>EditClientDevDlg</name>
    <message>
        <source>forget</source>
        <translation>Forgot password</translation>
    </message>
    <message>
        <source>authType</source>
        <translation>Authentication</translation>
    </message>
</context>
<context>
    <name>ModifyNetInfoDlg</name>
    <message>
        <source>CurrentIPAddress</source>
        <translation>Current IP Address</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>User Name</translation>
    </message>
    <message>
        <source>Modify IPAddress</source>
        <translation>Modify IP Address</translation>
    </message>
</context>
<context>
    <name>ModifyAllIPDlg</name>
    <message>
        <source>UserName</source>
        <translation>User Name</translation>
    </message>
</context>
<context>
    <name>CSearchManageWidget</name>
    <message>
        <source>DeviceSearch</source>
        <translation>Device Search</translation>
    </message>
</context>
<context>
    <name>DeviceManageWidget</name>
    <message>
        <source>Names</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>selected:</source>
        <translation>Selected:</translation>
    </message>
    <message>
        <source>Choose update Files</source>
        <translation>Choose Update File</translation>
    </message>
    <message>
        <source>Upgrade success,The device will restart</source>
        <translation>Upgrade succeeded, the device will restart</translation>
    </message>
    <message>
        <source>Begin upgrade, Please wait</source>
        <translation>Upgrade started, please wait</translation>
    </message>
</context>
<context>
    <name>ForgotPassword</name>
    <message>
        <source>No contact info,  defalut password 402917</source>
        <translation>No contact information; the default password is 402917</translation>
    </message>
    <message>
        <source>Dear user,please follow the steps below to reset your password:</source>
        <translation>Dear user, please follow the steps below to reset your password:</translation>
    </message>
    <message>
        <source>ContactInfo is empty</source>
        <translation>Contact information is empty</translation>
    </message>
</context>
<context>
    <name>DeviceGroupManage</name>
    <message>
        <source>Device Group Manage </source>
        <translation>Device Group Management</translation>
    </message>
    <message>
        <source>the device groups</source>
        <translation>the device groups</translation>
    </message>
</context>
<context>
    <name>CUserManageDlg</name>
    <message>
        <source>User Name</source>
        <translation>Username</translation>
    </message>
</context>
<context>
    <name>AddClientUserDlg</name>
    <message>
        <source>User Name</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>EditClientUserDlg</name>
    <message>
        <source>User Name</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>CEditContactDlg</name>
    <message>
        <source>OK</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>CNVRUserManageDlg</name>
    <message>
        <source>User Name</source>
        <translation>Username</translation>
    </message>
</context>
<context>
    <name>CNVREditClientUserDlg</name>
    <message>
        <source>User Name</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>CNVRAuthSetting</name>
    <message>
        <source>OK</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>CNVRStoragePlan</name>
    <message>
        <source>Not saved: the recorder refused this schedule.</source>
        <translation>Not saved: the recorder refused this schedule.</translation>
    </message>
    <message>
        <source>Not saved: the recorder gave no usable answer.</source>
        <translation>Not saved: the recorder gave no usable answer.</translation>
    </message>
    <message>
        <source>Not saved: the recorder is not connected.</source>
        <translation>Not saved: the recorder is not connected.</translation>
    </message>
</context>
<context>
    <name>MD_AudioCode_Widget</name>
    <message>
        <source>audioEncode</source>
        <translation>Audio Encode</translation>
    </message>
    <message>
        <source>audioDecode</source>
        <translation>Audio Decode</translation>
    </message>
    <message>
        <source>Enable decode</source>
        <translation>Enable Decode</translation>
    </message>
    <message>
        <source>decode Type</source>
        <translation>Decode Type</translation>
    </message>
    <message>
        <source>bitWidth</source>
        <translation>Bit Width</translation>
    </message>
    <message>
        <source>soundmode</source>
        <translation>Sound Mode</translation>
    </message>
</context>
<context>
    <name>VideoImageSetting</name>
    <message>
        <source>WB</source>
        <translation>White Balance</translation>
    </message>
    <message>
        <source>PE</source>
        <translation>Picture Enhancement</translation>
    </message>
    <message>
        <source>antiFlicker</source>
        <translation>Anti-flicker</translation>
    </message>
    <message>
        <source>around</source>
        <translation>Left and right</translation>
    </message>
    <message>
        <source>up and down</source>
        <translation>Up and down</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>WideDynamic</source>
        <translation>Wide Dynamic Range</translation>
    </message>
    <message>
        <source>Strenth Target</source>
        <translation>Strength Target</translation>
    </message>
    <message>
        <source>Denoise  Mode</source>
        <translation>Denoise Mode</translation>
    </message>
    <message>
        <source>Denoise Strenth</source>
        <translation>Denoise Strength</translation>
    </message>
</context>
<context>
    <name>recordAdvanceConfigDlg</name>
    <message>
        <source>Open Recrod Directory</source>
        <translation>Open Record Directory</translation>
    </message>
    <message>
        <source>The folder cannot be used for recordings: %1</source>
        <translation>The folder cannot be used for recordings: %1</translation>
    </message>
    <message>
        <source>the recording folder</source>
        <translation>the recording folder</translation>
    </message>
</context>
<context>
    <name>IotLoginDlg</name>
    <message>
        <source>The cloud store cannot be read. It is looked for in the folder %1</source>
        <translation>The cloud store cannot be read. It is looked for in the folder %1</translation>
    </message>
</context>
<context>
    <name>IotReplayWnd</name>
    <message>
        <source>The device is previewing and cannot be play record.</source>
        <translation>The device is in live preview and cannot play recordings.</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Playback ended</translation>
    </message>
</context>
<context>
    <name>AlarmEventWidget</name>
    <message>
        <source>%1 no longer exists: no alarm settings were saved for it</source>
        <translation>%1 no longer exists: no alarm settings were saved for it</translation>
    </message>
    <message>
        <source>Choose a device in the list to see and change its alarm settings.</source>
        <translation>Choose a device in the list to see and change its alarm settings.</translation>
    </message>
    <message>
        <source>the alarm settings</source>
        <translation>the alarm settings</translation>
    </message>
</context>
<context>
    <name>RecordSchedule</name>
    <message>
        <source>Not recording: the stream failed, trying again</source>
        <translation>Not recording: the stream failed, trying again</translation>
    </message>
    <message>
        <source>Not recording: the device is not found</source>
        <translation>Not recording: the device is not found</translation>
    </message>
    <message>
        <source>Not recording: the disk is full or cannot be written</source>
        <translation>Not recording: the disk is full or cannot be written</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder; it starts again when it can.</source>
        <translation>Video recording cannot be written to the storage folder; it starts again when it can.</translation>
    </message>
    <message>
        <source>Not recording: the storage folder is not there</source>
        <translation>Not recording: the storage folder is not there</translation>
    </message>
    <message>
        <source>The storage folder %1 is not there (is its disk mounted?); recording starts again when it is back.</source>
        <translation>The storage folder %1 is not there (is its disk mounted?); recording starts again when it is back.</translation>
    </message>
    <message>
        <source>The folder %1 is not the storage folder recorded into before (is its disk mounted?); nothing is written into it. Recording starts again when that disk is back; to record into this folder, choose it again under Configuration.</source>
        <translation>The folder %1 is not the storage folder recorded into before (is its disk mounted?); nothing is written into it. Recording starts again when that disk is back; to record into this folder, choose it again under Configuration.</translation>
    </message>
    <message>
        <source>Not recording: the folder is not this client's storage folder</source>
        <translation>Not recording: the folder is not this client's storage folder</translation>
    </message>
    <message>
        <source>Not recording: the storage folder cannot be written</source>
        <translation>Not recording: the storage folder cannot be written</translation>
    </message>
    <message>
        <source>Not recording: another client records into the storage folder</source>
        <translation>Not recording: another client records into the storage folder</translation>
    </message>
    <message>
        <source>Not recording: the storage folder's disk is not mounted</source>
        <translation>Not recording: the storage folder's disk is not mounted</translation>
    </message>
    <message>
        <source>Not recording: the client's settings cannot be read</source>
        <translation>Not recording: the client's settings cannot be read</translation>
    </message>
    <message>
        <source>the database is in use by another program</source>
        <translation>the database is in use by another program</translation>
    </message>
    <message>
        <source>A disk mounted at %2 covers the storage folder %1 and is not this client's storage; nothing is written onto it. Recording starts again when that disk is unmounted; to record onto it, choose the folder again under Configuration.</source>
        <translation>A disk mounted at %2 covers the storage folder %1 and is not this client's storage; nothing is written onto it. Recording starts again when that disk is unmounted; to record onto it, choose the folder again under Configuration.</translation>
    </message>
    <message>
        <source>Another client records into the storage folder %1 (it holds the lock on %2); this client writes nothing there. Recording starts when that client stops; or choose another folder under Configuration.</source>
        <translation>Another client records into the storage folder %1 (it holds the lock on %2); this client writes nothing there. Recording starts when that client stops; or choose another folder under Configuration.</translation>
    </message>
    <message>
        <source>The storage folder %1 lies under %2, where the system mounts a disk, and no disk is mounted there now; nothing is written. Recording starts when it is mounted.</source>
        <translation>The storage folder %1 lies under %2, where the system mounts a disk, and no disk is mounted there now; nothing is written. Recording starts when it is mounted.</translation>
    </message>
    <message>
        <source>The storage folder %1 cannot be checked while the client's settings cannot be read (%2); recording starts when they can be read.</source>
        <translation>The storage folder %1 cannot be checked while the client's settings cannot be read (%2); recording starts when they can be read.</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder %1 (%2); it starts again when it can.</source>
        <translation>Video recording cannot be written to the storage folder %1 (%2); it starts again when it can.</translation>
    </message>
    <message>
        <source>The client's settings cannot be saved in the database (%1): the storage folder is known for this run only.</source>
        <translation>The client's settings cannot be saved in the database (%1): the storage folder is known for this run only.</translation>
    </message>
    <message>
        <source>A disk was mounted at %2: recording goes on in %1 on it. What was recorded before lies in %1 on %3 (mounted at %4), hidden under the mount point %2 while that disk is mounted.</source>
        <translation>A disk was mounted at %2: recording goes on in %1 on it. What was recorded before lies in %1 on %3 (mounted at %4), hidden under the mount point %2 while that disk is mounted.</translation>
    </message>
    <message>
        <source>The storage folder %1 was removed from its disk, which is still mounted. It is this client's own, so the client made it again, and recording goes on in it.</source>
        <translation>The storage folder %1 was removed from its disk, which is still mounted. It is this client's own, so the client made it again, and recording goes on in it.</translation>
    </message>
    <message>
        <source>Recording follows the plan read before meanwhile.</source>
        <translation>Recording follows the plan read before meanwhile.</translation>
    </message>
    <message>
        <source>Nothing is recorded until it can be read.</source>
        <translation>Nothing is recorded until it can be read.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read now: the database is in use by another program. %3 It is read again by itself.</source>
        <translation>The table %1 of the database file %2 cannot be read now: the database is in use by another program. %3 It is read again by itself.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read: the file is damaged (%3). %4 It is read again by itself.</source>
        <translation>The table %1 of the database file %2 cannot be read: the file is damaged (%3). %4 It is read again by itself.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read (%3). %4 It is read again by itself.</source>
        <translation>The table %1 of the database file %2 cannot be read (%3). %4 It is read again by itself.</translation>
    </message>
    <message>
        <source>the storage schedule</source>
        <translation>the storage schedule</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The log file %1 cannot be written (%2); the client goes on without its log.</source>
        <translation>The log file %1 cannot be written (%2); the client goes on without its log.</translation>
    </message>
    <message>
        <source>The database %1 was not made by this client or by a version of it that it knows, and has been left unchanged.
Move it away to start with a new database.</source>
        <translation>The database %1 was not made by this client or by a version of it that it knows, and has been left unchanged.
Move it away to start with a new database.</translation>
    </message>
    <message>
        <source>The database is in use by another program; waiting for it...</source>
        <translation>The database is in use by another program; waiting for it...</translation>
    </message>
</context>
<context>
    <name>EthernetSettingWidget</name>
    <message>
        <source>The camera now takes its address from DHCP. Find it again with the device search.</source>
        <translation>The camera now takes its address from DHCP. Find it again with the device search.</translation>
    </message>
    <message>
        <source>The camera now answers at %1. This window closes; the camera is listed under its new address.</source>
        <translation>The camera now answers at %1. This window closes; the camera is listed under its new address.</translation>
    </message>
</context>
<context>
    <name>DeviceAlarmHandler</name>
    <message>
        <source>The database cannot be written: settings and alarms will not be saved.</source>
        <translation>The database cannot be written: settings and alarms will not be saved.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the disk is full.</source>
        <translation>Alarms are not being saved: the disk is full.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is read-only.</source>
        <translation>Alarms are not being saved: the database is read-only.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: they arrive faster than they can be stored.</source>
        <translation>Alarms are not being saved: they arrive faster than they can be stored.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database cannot be written.</source>
        <translation>Alarms are not being saved: the database cannot be written.</translation>
    </message>
    <message>
        <source>Alarms are being saved again. Not saved meanwhile: %1.</source>
        <translation>Alarms are being saved again. Not saved meanwhile: %1.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is missing.</source>
        <translation>Alarms are not being saved: the database file is missing.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is in use by another program.</source>
        <translation>Alarms are not being saved: the database is in use by another program.</translation>
    </message>
</context>
<context>
    <name>LocalVideoReplayWnd</name>
    <message>
        <source>Playback ended</source>
        <translation>Playback ended</translation>
    </message>
</context>
<context>
    <name>RecordWnd</name>
    <message>
        <source>Please select a channel to download.</source>
        <translation>Please select a channel to download.</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>Failed to create file directory!</translation>
    </message>
</context>
<context>
    <name>ConfigConversation</name>
    <message>
        <source>The device is offline. Nothing was saved.</source>
        <translation>The device is offline. Nothing was saved.</translation>
    </message>
    <message>
        <source>The device did not answer. The change may not have been saved.</source>
        <translation>The device did not answer. The change may not have been saved.</translation>
    </message>
    <message>
        <source>The connection to the device was lost. The change may not have been saved.</source>
        <translation>The connection to the device was lost. The change may not have been saved.</translation>
    </message>
    <message>
        <source>The page is still being read from the device. Save once it is shown.</source>
        <translation>The page is still being read from the device. Save once it is shown.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Not saved</translation>
    </message>
    <message>
        <source>The device's answers cannot be told apart yet; reading again.</source>
        <translation>The device's answers cannot be told apart yet; reading again.</translation>
    </message>
    <message>
        <source>The device has not answered earlier requests of this kind yet. Nothing was saved.</source>
        <translation>The device has not answered earlier requests of this kind yet. Nothing was saved.</translation>
    </message>
    <message>
        <source>Saved (the device answered late).</source>
        <translation>Saved (the device answered late).</translation>
    </message>
    <message>
        <source>Waiting for the device to answer an earlier request of this kind; this one goes out next.</source>
        <translation>Waiting for the device to answer an earlier request of this kind; this one goes out next.</translation>
    </message>
    <message>
        <source>The device took a change, but its answer could be another request's: the client's record of the device follows only once the device shows what it holds.</source>
        <translation>The device took a change, but its answer could be another request's: the client's record of the device follows only once the device shows what it holds.</translation>
    </message>
    <message>
        <source>Not sent: the device did not log in again in time. Make the change again once it is online.</source>
        <translation>Not sent: the device did not log in again in time. Make the change again once it is online.</translation>
    </message>
    <message>
        <source>Sent; waiting for the device's answer.</source>
        <translation>Sent; waiting for the device's answer.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save of %1: %2</source>
        <translation>Save of %1: %2</translation>
    </message>
    <message>
        <source>Reconnect and read again</source>
        <translation>Reconnect and read again</translation>
    </message>
    <message>
        <source>The device stopped answering these requests.</source>
        <translation>The device stopped answering these requests.</translation>
    </message>
    <message>
        <source>The device sent an answer twice: the values shown cannot be trusted. Reading again.</source>
        <translation>The device sent an answer twice: the values shown cannot be trusted. Reading again.</translation>
    </message>
</context>
<context>
    <name>ConfigPageMarks</name>
    <message>
        <source>A disk format is still running on the device: a fresh connection would never hear whether it finished.</source>
        <translation>A disk format is still running on the device: a fresh connection would never hear whether it finished.</translation>
    </message>
    <message>
        <source>A save still waits for the device's answer: a fresh connection would never hear whether it was stored.</source>
        <translation>A save still waits for the device's answer: a fresh connection would never hear whether it was stored.</translation>
    </message>
    <message>
        <source>Reconnect anyway?</source>
        <translation>Reconnect anyway?</translation>
    </message>
</context>
<context>
    <name>CNVRChannelManageDlg</name>
    <message>
        <source>The NVR's channel list has not been read yet. Please wait for it or read it again.</source>
        <translation>The NVR's channel list has not been read yet. Please wait for it or read it again.</translation>
    </message>
</context>
<context>
    <name>CNVRDiskBrowse</name>
    <message>
        <source>Formatting: waiting for the recorder's answer...</source>
        <translation>Formatting: waiting for the recorder's answer...</translation>
    </message>
    <message>
        <source>The connection was lost while formatting. The disks are read again once the recorder is back.</source>
        <translation>The connection was lost while formatting. The disks are read again once the recorder is back.</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>no space left on the disk</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>the folder is missing</source>
        <translation>the folder is missing</translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation>no permission to write there</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPane</name>
    <message>
        <source>The source refuses connections</source>
        <translation>The source refuses connections</translation>
    </message>
</context>
<context>
    <name>TypedDateTimeEdit</name>
    <message>
        <source>%1 does not exist. The field keeps %2.</source>
        <translation>%1 does not exist. The field keeps %2.</translation>
    </message>
</context>
<context>
    <name>StorageMark</name>
    <message>
        <source>another client records into this folder</source>
        <translation>another client records into this folder</translation>
    </message>
    <message>
        <source>the storage folder's mark</source>
        <translation>the storage folder's mark</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>%1 holds the other password the client kept for it, not the stored one: the client logs in with that one from now on.</source>
        <translation>%1 holds the other password the client kept for it, not the stored one: the client logs in with that one from now on.</translation>
    </message>
    <message>
        <source>%1 refused the login with the stored password and with the other one the client kept for it.</source>
        <translation>%1 refused the login with the stored password and with the other one the client kept for it.</translation>
    </message>
    <message>
        <source>The camera now answers at %1; the client follows it there.</source>
        <translation>The camera now answers at %1; the client follows it there.</translation>
    </message>
</context>
</TS>
