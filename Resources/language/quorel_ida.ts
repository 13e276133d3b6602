<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Authentication</name>
    <message>
        <location filename="../../src/widgets/Authentication.ui" line="+29"/>
        <source>Tavik Authentication</source>
        <translation>Autentikasi Tavik</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>User Name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirm Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>OK</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>CaptureScreen</name>
    <message>
        <location filename="../../src/widgets/CaptureScreen.cpp" line="+264"/>
        <source>Rect:</source>
        <translation>Area:</translation>
    </message>
</context>
<context>
    <name>CommonHelper</name>
    <message>
        <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72"/>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Siren</source>
        <translation>Sirene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doorbell</source>
        <translation>Bel pintu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bark</source>
        <translation>Gonggongan</translation>
    </message>
    <message>
        <location filename="../../src/Common/CommonHelper.cpp" line="+130"/>
        <source>Connection failed</source>
        <translation>Koneksi gagal</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connection successful</source>
        <translation>Koneksi berhasil</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Incorrect username or password.</source>
        <translation>Nama pengguna atau kata sandi salah.</translation>
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
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <location filename="../../src/widgets/CustomDialog.cpp" line="+72"/>
        <source>Tips</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>ManageWidget</name>
    <message>
        <location filename="../../src/widgets/ManageWidget.ui" line="+21"/>
        <source>ShowPassword</source>
        <translation>Tampilkan kata sandi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>edit</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UserManage</source>
        <translation>Manajemen pengguna</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auth</source>
        <translation>Hak akses</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Remote Configuration</source>
        <translation>Konfigurasi jarak jauh</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ChannelManage</source>
        <translation>Manajemen kanal</translation>
    </message>
</context>
<context>
    <name>PageWidget</name>
    <message>
        <location filename="../../src/widgets/PageWidget.ui" line="+21"/>
        <source>totalRecords</source>
        <translation>Total catatan</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>pageSize</source>
        <translation>Ukuran halaman</translation>
    </message>
</context>
<context>
    <name>SharedTexts</name>
    <message>
        <location filename="../../src/Common/SharedTexts.cpp" line="+3"/>
        <source>Enter the device name to filter</source>
        <translation>Masukkan nama perangkat untuk menyaring</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Incomplete information</source>
        <translation>Informasi tidak lengkap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to </source>
        <translation>Apakah Anda yakin ingin </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this user?</source>
        <translation>menghapus pengguna ini?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this device?</source>
        <translation>menghapus perangkat ini?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this Group?</source>
        <translation>menghapus grup ini?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>reboot this device?</source>
        <translation>memulai ulang perangkat ini?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restore this device?</source>
        <translation>memulihkan perangkat ini?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration failed</source>
        <translation>Konfigurasi gagal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration successful</source>
        <translation>Konfigurasi berhasil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid format</source>
        <translation>Format tidak valid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password and confirmation password do not match</source>
        <translation>Kata sandi baru dan konfirmasi tidak cocok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is available.</source>
        <translation>Alamat IP tersedia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is already in use.</source>
        <translation>Alamat IP sudah digunakan.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP and gateway are not in the same subnet.</source>
        <translation>IP dan gateway tidak berada di subnet yang sama.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select a device before making any changes.</source>
        <translation>Pilih perangkat sebelum melakukan perubahan.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default users or roles cannot be deleted.</source>
        <translation>Pengguna atau peran bawaan tidak dapat dihapus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Monday</source>
        <translation>Senin</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tuesday</source>
        <translation>Selasa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Rabu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thursday</source>
        <translation>Kamis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friday</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saturday</source>
        <translation>Sabtu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunday</source>
        <translation>Minggu</translation>
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
    <name>RemoteConfigSetting</name>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Remote Config</source>
        <translation>Konfigurasi Jarak Jauh</translation>
    </message>
    <message>
        <source>Video Encode</source>
        <translation>Enkode Video</translation>
    </message>
    <message>
        <source>OSD Settings</source>
        <translation>Pengaturan OSD</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>Pengaturan Audio</translation>
    </message>
    <message>
        <source>Image Settings</source>
        <translation>Pengaturan Gambar</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Deteksi Gerakan</translation>
    </message>
    <message>
        <source>Human Figure Detection</source>
        <translation>Deteksi Sosok Manusia</translation>
    </message>
    <message>
        <source>Sound Detection</source>
        <translation>Deteksi Suara</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>Deteksi Wajah</translation>
    </message>
    <message>
        <source>Crying Detection</source>
        <translation>Deteksi Tangisan</translation>
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
        <translation>Akses Platform</translation>
    </message>
    <message>
        <source>Device Settings</source>
        <translation>Pengaturan Perangkat</translation>
    </message>
    <message>
        <source>Device Maintenance</source>
        <translation>Pemeliharaan Perangkat</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>Info Versi</translation>
    </message>
    <message>
        <source>Video and Audio</source>
        <translation>Video dan Audio</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Peristiwa</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Jaringan</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
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
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>2028 has been occupied</source>
        <translation>2028 sudah digunakan</translation>
    </message>
    <message>
        <source>RTSP Port Range(554,1024-65535)</source>
        <translation>Rentang Port RTSP(554,1024-65535)</translation>
    </message>
    <message>
        <source>HTTP Port Range(80,1024-65535)</source>
        <translation>Rentang Port HTTP(80,1024-65535)</translation>
    </message>
</context>
<context>
    <name>RemoteCfg_Widget</name>
    <message>
        <source>Set up to four time periods in a day!</source>
        <translation>Atur maksimal empat periode waktu dalam sehari!</translation>
    </message>
</context>
<context>
    <name>PlatformSettingWidget</name>
    <message>
        <source>Enable</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>Access mode</source>
        <translation>Mode akses</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Unregistered</source>
        <translation>Belum terdaftar</translation>
    </message>
    <message>
        <source>In registration</source>
        <translation>Sedang mendaftar</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Terdaftar</translation>
    </message>
    <message>
        <source>Write off</source>
        <translation>Dihapus</translation>
    </message>
</context>
<context>
    <name>VersionInformation</name>
    <message>
        <source>Device Model</source>
        <translation>Model Perangkat</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Versi Firmware</translation>
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
        <translation>Info Kontak</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>VideoEncodeWidget</name>
    <message>
        <source>Channels</source>
        <translation>Saluran</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>Aliran Utama</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>Sub Aliran</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolusi</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>Jenis Enkode</translation>
    </message>
    <message>
        <source>Bitrate Control</source>
        <translation>Kontrol Bitrate</translation>
    </message>
    <message>
        <source>Bitrate Toplimit</source>
        <translation>Batas Atas Bitrate</translation>
    </message>
    <message>
        <source>I Frame Interval</source>
        <translation>Interval I-Frame</translation>
    </message>
    <message>
        <source>s</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>Konstan</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message>
        <source>Main stream bitrate out of bounds</source>
        <translation>Bitrate aliran utama di luar batas</translation>
    </message>
    <message>
        <source>Sub stream bitrate out of bounds</source>
        <translation>Bitrate sub aliran di luar batas</translation>
    </message>
    <message>
        <source>The device needs to be restarted for the modification to take effect</source>
        <translation>Perangkat perlu dimulai ulang agar perubahan berlaku</translation>
    </message>
</context>
<context>
    <name>MD_AudioCode_Widget</name>
    <message>
        <source>audioEncode</source>
        <translation>Enkode Audio</translation>
    </message>
    <message>
        <source>Enable Encode</source>
        <translation>Aktifkan Enkode</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>Jenis Enkode</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Laju Sampel</translation>
    </message>
    <message>
        <source>audioDecode</source>
        <translation>Dekode Audio</translation>
    </message>
    <message>
        <source>Enable decode</source>
        <translation>Aktifkan dekode</translation>
    </message>
    <message>
        <source>decode Type</source>
        <translation>Jenis dekode</translation>
    </message>
    <message>
        <source>bitWidth</source>
        <translation>Lebar bit</translation>
    </message>
    <message>
        <source>soundmode</source>
        <translation>Mode suara</translation>
    </message>
    <message>
        <source>Volume Settings</source>
        <translation>Pengaturan Volume</translation>
    </message>
    <message>
        <source>MIC Volume</source>
        <translation>Volume Mikrofon</translation>
    </message>
    <message>
        <source>Speaker Volume</source>
        <translation>Volume Speaker</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Bisu</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>VideoImageSetting</name>
    <message>
        <source>Channels</source>
        <translation>Saluran</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Night Vision Mode</source>
        <translation>Mode Penglihatan Malam</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Eksposur</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>Lampu Latar</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>WB</translation>
    </message>
    <message>
        <source>PE</source>
        <translation>Peningkatan Gambar</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Kecerahan</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontras</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturasi</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>Ketajaman</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>Format Video</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Cermin</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>antiFlicker</source>
        <translation>Anti-kedip</translation>
    </message>
    <message>
        <source>around</source>
        <translation>Kiri-kanan</translation>
    </message>
    <message>
        <source>up and down</source>
        <translation>Atas-bawah</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Tengah</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Rotate 90 degrees</source>
        <translation>Putar 90 derajat</translation>
    </message>
    <message>
        <source>Rotate 270 degrees</source>
        <translation>Putar 270 derajat</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatis</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Paksa</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Exposure time</source>
        <translation>Waktu eksposur</translation>
    </message>
    <message>
        <source>Gain intensity</source>
        <translation>Intensitas gain</translation>
    </message>
    <message>
        <source>Strong light suppression</source>
        <translation>Peredaman cahaya kuat</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>Kompensasi lampu latar</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Auto White Balance</source>
        <translation>White Balance Otomatis</translation>
    </message>
    <message>
        <source>Manual White Balance</source>
        <translation>White Balance Manual</translation>
    </message>
    <message>
        <source>Red Gain</source>
        <translation>Gain Merah</translation>
    </message>
    <message>
        <source>Blue Gain</source>
        <translation>Gain Biru</translation>
    </message>
    <message>
        <source>WideDynamic</source>
        <translation>Rentang Dinamis Lebar</translation>
    </message>
    <message>
        <source>Strenth Target</source>
        <translation>Target Kekuatan</translation>
    </message>
    <message>
        <source>Denoise  Mode</source>
        <translation>Mode Pengurangan Derau</translation>
    </message>
    <message>
        <source>Denoise Strenth</source>
        <translation>Kekuatan Pengurangan Derau</translation>
    </message>
    <message>
        <source>Smart Mode</source>
        <translation>Mode Pintar</translation>
    </message>
    <message>
        <source>Infrared Mode</source>
        <translation>Mode Inframerah</translation>
    </message>
    <message>
        <source>Full Color Mode</source>
        <translation>Mode Warna Penuh</translation>
    </message>
    <message>
        <source>Change the video format and IPC will restart.</source>
        <translation>Mengubah format video akan memulai ulang IPC.</translation>
    </message>
</context>
<context>
    <name>MD_TimeTitle_Widget</name>
    <message>
        <source>Date/Time</source>
        <translation>Tanggal/Waktu</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format Tanggal</translation>
    </message>
    <message>
        <source>Do not display</source>
        <translation>Jangan tampilkan</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Before Date</source>
        <translation>Sebelum Tanggal</translation>
    </message>
    <message>
        <source>After Date</source>
        <translation>Setelah Tanggal</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12 jam</translation>
    </message>
    <message>
        <source>Show Name</source>
        <translation>Tampilkan Nama</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message>
        <source>Custom One</source>
        <translation>Kustom Satu</translation>
    </message>
    <message>
        <source>Custom Two</source>
        <translation>Kustom Dua</translation>
    </message>
    <message>
        <source>Custom Three</source>
        <translation>Kustom Tiga</translation>
    </message>
    <message>
        <source>OSD Frame</source>
        <translation>Bingkai OSD</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Saluran</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>CommonDetection</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Saluran</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensitivitas</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tautan</translation>
    </message>
    <message>
        <source>White Light</source>
        <translation>Lampu Putih</translation>
    </message>
    <message>
        <source>Always bright</source>
        <translation>Selalu menyala</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>Berkedip</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durasi</translation>
    </message>
    <message>
        <source>(5-60)s</source>
        <translation>(5-60) dtk</translation>
    </message>
    <message>
        <source>Voice Alarm</source>
        <translation>Alarm Suara</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Jumlah</translation>
    </message>
    <message>
        <source>Check Source</source>
        <translation>Periksa Sumber</translation>
    </message>
    <message>
        <source>Auto Music</source>
        <translation>Musik Otomatis</translation>
    </message>
    <message>
        <source>Summer Night</source>
        <translation>Malam Musim Panas</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Damai</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Keberuntungan</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>Mercusuar</translation>
    </message>
    <message>
        <source>Little Conch</source>
        <translation>Kerang Kecil</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>Tidak Diputar</translation>
    </message>
</context>
<context>
    <name>CMoveDetectTimeSetDlg</name>
    <message>
        <source>Sunday</source>
        <translation>Minggu</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Senin</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Selasa</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Rabu</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Kamis</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Jumat</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sabtu</translation>
    </message>
</context>
<context>
    <name>AL_MoveDetect_Widget</name>
    <message>
        <source>Arming Time</source>
        <translation>Waktu Aktif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>FaceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Waktu Aktif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>BCDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Waktu Aktif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>PeopleDetection</name>
    <message>
        <source>Human Figure Track</source>
        <translation>Pelacakan Sosok Manusia</translation>
    </message>
    <message>
        <source>Arming Time</source>
        <translation>Waktu Aktif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>VoiceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>Waktu Aktif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
</TS>
