<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
    <context>
        <name>Authentication</name>
        <message>
            <location filename="../../src/widgets/Authentication.ui" line="+29" />
            <source>Tavik Authentication</source>
            <translation>Autentikasi Tavik</translation>
        </message>
        <message>
            <location line="+33" />
            <source>User Name</source>
            <translation>Nama pengguna</translation>
        </message>
        <message>
            <location line="+14" />
            <source>Confirm Password</source>
            <translation>Kata sandi</translation>
        </message>
        <message>
            <location line="+33" />
            <source>OK</source>
            <translation>Konfirmasi</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Cancel</source>
            <translation>Batal</translation>
        </message>
    </context>
    <context>
        <name>CaptureScreen</name>
        <message>
            <location filename="../../src/widgets/CaptureScreen.cpp" line="+264" />
            <source>Rect:</source>
            <translation>Area:</translation>
        </message>
    </context>
    <context>
        <name>CommonHelper</name>
        <message>
            <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72" />
            <source>Copy</source>
            <translation>Salin</translation>
        </message>
        <message>
            <location line="+158" />
            <source>Siren</source>
            <translation>Sirene</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Doorbell</source>
            <translation>Bel pintu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bark</source>
            <translation>Gonggongan</translation>
        </message>
        <message>
            <location filename="../../src/Common/CommonHelper.cpp" line="+130" />
            <source>Connection failed</source>
            <translation>Koneksi gagal</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Connection successful</source>
            <translation>Koneksi berhasil</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Incorrect username or password.</source>
            <translation>Nama pengguna atau kata sandi salah.</translation>
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
            <translation>Konfirmasi</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Cancel</source>
            <translation>Batal</translation>
        </message>
        <message>
            <location filename="../../src/widgets/CustomDialog.cpp" line="+72" />
            <source>Tips</source>
            <translation>Info</translation>
        </message>
    </context>
    <context>
        <name>ManageWidget</name>
        <message>
            <location filename="../../src/widgets/ManageWidget.ui" line="+21" />
            <source>ShowPassword</source>
            <translation>Tampilkan kata sandi</translation>
        </message>
        <message>
            <location line="+13" />
            <source>edit</source>
            <translation>Ubah</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Delete</source>
            <translation>Hapus</translation>
        </message>
        <message>
            <location line="+13" />
            <source>UserManage</source>
            <translation>Manajemen pengguna</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Auth</source>
            <translation>Hak akses</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Remote Configuration</source>
            <translation>Konfigurasi jarak jauh</translation>
        </message>
        <message>
            <location line="+13" />
            <source>ChannelManage</source>
            <translation>Manajemen kanal</translation>
        </message>
    </context>
    <context>
        <name>PageWidget</name>
        <message>
            <location filename="../../src/widgets/PageWidget.ui" line="+21" />
            <source>totalRecords</source>
            <translation>Total catatan</translation>
        </message>
        <message>
            <location line="+11" />
            <source>pageSize</source>
            <translation>Ukuran halaman</translation>
        </message>
    </context>
    <context>
        <name>SharedTexts</name>
        <message>
            <location filename="../../src/Common/SharedTexts.cpp" line="+3" />
            <source>Enter the device name to filter</source>
            <translation>Masukkan nama perangkat untuk menyaring</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Incomplete information</source>
            <translation>Informasi tidak lengkap</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to </source>
            <translation>Apakah Anda yakin ingin </translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this user?</source>
            <translation>menghapus pengguna ini?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this device?</source>
            <translation>menghapus perangkat ini?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this Group?</source>
            <translation>menghapus grup ini?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>reboot this device?</source>
            <translation>memulai ulang perangkat ini?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>restore this device?</source>
            <translation>memulihkan perangkat ini?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration failed</source>
            <translation>Konfigurasi gagal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration successful</source>
            <translation>Konfigurasi berhasil</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid format</source>
            <translation>Format tidak valid</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New password and confirmation password do not match</source>
            <translation>Kata sandi baru dan konfirmasi tidak cocok</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is available.</source>
            <translation>Alamat IP tersedia.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is already in use.</source>
            <translation>Alamat IP sudah digunakan.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP and gateway are not in the same subnet.</source>
            <translation>IP dan gateway tidak berada di subnet yang sama.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Please select a device before making any changes.</source>
            <translation>Pilih perangkat sebelum melakukan perubahan.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Default users or roles cannot be deleted.</source>
            <translation>Pengguna atau peran bawaan tidak dapat dihapus.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Monday</source>
            <translation>Senin</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Tuesday</source>
            <translation>Selasa</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Wednesday</source>
            <translation>Rabu</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Thursday</source>
            <translation>Kamis</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Friday</source>
            <translation>Jumat</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Saturday</source>
            <translation>Sabtu</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Sunday</source>
            <translation>Minggu</translation>
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
            <translation>Formulir</translation>
        </message>
        <message>
            <source>Add Strategy</source>
            <translation>Tambah Strategi</translation>
        </message>
        <message>
            <source>Delete Strategy</source>
            <translation>Hapus Strategi</translation>
        </message>
        <message>
            <source>Original Device</source>
            <translation>Perangkat Asal</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Tambah</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Hapus</translation>
        </message>
        <message>
            <source>Record Device</source>
            <translation>Perangkat Rekam</translation>
        </message>
        <message>
            <source>Record time</source>
            <translation>Waktu rekam</translation>
        </message>
        <message>
            <source>All day</source>
            <translation>Sepanjang hari</translation>
        </message>
        <message>
            <source>Workday</source>
            <translation>Hari kerja</translation>
        </message>
        <message>
            <source>Custom</source>
            <translation>Kustom</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Simpan</translation>
        </message>
        <message>
            <source>Configuration</source>
            <translation>Konfigurasi</translation>
        </message>
        <message>
            <source>Enable</source>
            <translation>Aktifkan</translation>
        </message>
        <message>
            <source>Drag up the time period for removal</source>
            <translation>Seret periode waktu ke atas untuk menghapusnya</translation>
        </message>
        <message>
            <source>Record strategy</source>
            <translation>Strategi rekam</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Berhenti</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Mulai</translation>
        </message>
        <message>
            <source>Please add at least one device</source>
            <translation>Tambahkan setidaknya satu perangkat</translation>
        </message>
        <message>
            <source>Please add at least one video save path</source>
            <translation>Tambahkan setidaknya satu jalur penyimpanan video</translation>
        </message>
        <message>
            <source>Hard disk space is less than 5GB, video recording has stopped.</source>
            <translation>Ruang hard disk kurang dari 5GB, perekaman video telah dihentikan.</translation>
        </message>
    </context>
    <context>
        <name>recordAdvanceConfigDlg</name>
        <message>
            <source>Advanced Configuration</source>
            <translation>Konfigurasi Lanjutan</translation>
        </message>
        <message>
            <source> File config</source>
            <translation> Konfigurasi berkas</translation>
        </message>
        <message>
            <source>Single File time</source>
            <translation>Durasi satu berkas</translation>
        </message>
        <message>
            <source>Min</source>
            <translation>Menit</translation>
        </message>
        <message>
            <source>Stream type</source>
            <translation>Jenis stream</translation>
        </message>
        <message>
            <source>Record Audio</source>
            <translation>Rekam audio</translation>
        </message>
        <message>
            <source>Save Policy</source>
            <translation>Kebijakan penyimpanan</translation>
        </message>
        <message>
            <source>Delete the old video when it's full</source>
            <translation>Hapus video lama saat penyimpanan penuh</translation>
        </message>
        <message>
            <source>Stop the video when it's full</source>
            <translation>Hentikan perekaman saat penyimpanan penuh</translation>
        </message>
        <message>
            <source>Save path</source>
            <translation>Jalur penyimpanan</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Jalur</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Simpan</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Batal</translation>
        </message>
        <message>
            <source>Main stream</source>
            <translation>Stream utama</translation>
        </message>
        <message>
            <source>Sub stream</source>
            <translation>Sub stream</translation>
        </message>
        <message>
            <source>Open Recrod Directory</source>
            <translation>Buka Direktori Rekaman</translation>
        </message>
        <message>
            <source>Disk remaining space is less than 5G, unable to save video!</source>
            <translation>Sisa ruang disk kurang dari 5G, tidak dapat menyimpan video!</translation>
        </message>
        <message>
            <source>Please add at least one video save path</source>
            <translation>Tambahkan setidaknya satu jalur penyimpanan video</translation>
        </message>
    </context>
    <context>
        <name>ReplayControl</name>
        <message>
            <source>Form</source>
            <translation>Formulir</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>Kecepatan</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Jeda</translation>
        </message>
        <message>
            <source>Fast</source>
            <translation>Cepat</translation>
        </message>
        <message>
            <source>Slow</source>
            <translation>Lambat</translation>
        </message>
        <message>
            <source>Capture</source>
            <translation>Tangkap</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Berhenti</translation>
        </message>
        <message>
            <source>Full</source>
            <translation>Layar penuh</translation>
        </message>
        <message>
            <source>Frame</source>
            <translation>Bingkai</translation>
        </message>
        <message>
            <source>Mute</source>
            <translation>Bisukan</translation>
        </message>
    </context>
    <context>
        <name>CVideoPlayback</name>
        <message>
            <source>CVideoPlayback</source>
            <translation>Pemutaran</translation>
        </message>
        <message>
            <source>Local</source>
            <translation>Lokal</translation>
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
        <translation>Masukkan nama perangkat untuk memfilter</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>Tidak ada video pada hari ini.</translation>
    </message>
    <message>
        <source>There is no video in this month.</source>
        <translation>Tidak ada video pada bulan ini.</translation>
    </message>
    <message>
        <source>The device is previewing and cannot be play record.</source>
        <translation>Perangkat sedang pratinjau dan tidak dapat memutar rekaman.</translation>
    </message>
    <message>
        <source>Record play failed.</source>
        <translation>Gagal memutar rekaman.</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Gagal mengambil cuplikan</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Cuplikan berhasil</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Disimpan ke</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Tekan ESC untuk keluar dari layar penuh.</translation>
    </message>
</context>
<context>
    <name>IotLoginDlg</name>
    <message>
        <source>Cloud Login</source>
        <translation>Masuk Cloud</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Akun</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Masuk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Remote login successful</source>
        <translation>Login jarak jauh berhasil</translation>
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
        <translation>keluar?</translation>
    </message>
</context>
</TS>
