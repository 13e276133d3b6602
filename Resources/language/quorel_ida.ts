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
        <translation>Parameter tidak valid!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid channel id!</source>
        <translation>ID kanal tidak valid!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream id!</source>
        <translation>ID stream tidak valid!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid xml parameter!</source>
        <translation>Parameter XML tidak valid!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling connection with IPC is not established!</source>
        <translation>Koneksi sinyal dengan IPC belum terbentuk!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media connection with IPC is not established!</source>
        <translation>Koneksi media dengan IPC belum terbentuk!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of Preview is full!</source>
        <translation>Jumlah pratinjau sudah penuh!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of streams is full!</source>
        <translation>Jumlah stream sudah penuh!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get video config!</source>
        <translation>Gagal mendapatkan konfigurasi video!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to start Preview!</source>
        <translation>Gagal memulai pratinjau!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User does not have remote permission!</source>
        <translation>Pengguna tidak memiliki izin jarak jauh!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The total number of playback channels is full!</source>
        <translation>Jumlah total kanal pemutaran sudah penuh!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown error code: %1!</source>
        <translation>Kode kesalahan tidak dikenal: %1!</translation>
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
    <name>DeviceController</name>
    <message>
        <source>the devices' serial numbers</source>
        <translation>nomor seri perangkat</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>perangkat %1</translation>
    </message>
    <message>
        <source>device %1 (%2)</source>
        <translation>perangkat %1 (%2)</translation>
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
    <message>
        <source>Reading from the device failed</source>
        <translation>Gagal membaca dari perangkat</translation>
    </message>
    <message>
        <source>Saving: the database is in use by another program; waiting for it...</source>
        <translation>Menyimpan: basis data sedang digunakan oleh program lain; menunggu...</translation>
    </message>
    <message>
        <source>Configuration failed: the database is in use by another program</source>
        <translation>Konfigurasi gagal: basis data sedang digunakan oleh program lain</translation>
    </message>
    <message>
        <source>Reading: the database is in use by another program; waiting for it...</source>
        <translation>Membaca: basis data sedang digunakan oleh program lain; menunggu...</translation>
    </message>
    <message>
        <source>Reading failed: the database is in use by another program</source>
        <translation>Gagal membaca: basis data sedang digunakan oleh program lain</translation>
    </message>
    <message>
        <source>Reading from the database failed</source>
        <translation>Gagal membaca dari basis data</translation>
    </message>
    <message>
        <source>Configuration failed: the database file %1 is damaged</source>
        <translation>Konfigurasi gagal: berkas basis data %1 rusak</translation>
    </message>
    <message>
        <source>Reading failed: the database file %1 is damaged</source>
        <translation>Gagal membaca: berkas basis data %1 rusak</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <location filename="../../src/Common/TimeZoneTable.cpp" line="+24"/>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation>Waktu Pasifik (AS &amp; Kanada)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation>Waktu Pegunungan (AS &amp; Kanada)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guadalajara, Mexico City, Monterrey</source>
        <translation>Guadalajara, Kota Meksiko, Monterrey</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Time (US &amp; Canada)</source>
        <translation>Waktu Tengah (AS &amp; Kanada)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation>Waktu Timur (AS &amp; Kanada)</translation>
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
        <translation>Sao Paulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City of Buenos Aires</source>
        <translation>Kota Buenos Aires</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montevideo</source>
        <translation>Montevideo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Greenland</source>
        <translation>Greenland</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Azores</source>
        <translation>Azores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cabo Verde Is.</source>
        <translation>Kepulauan Tanjung Verde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation>Dublin, Edinburgh, Lisbon, London</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation>Amsterdam, Berlin, Bern, Roma, Stockholm, Wina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brussels, Copenhagen, Madrid, Paris</source>
        <translation>Brussel, Kopenhagen, Madrid, Paris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation>Beograd, Bratislava, Budapest, Ljubljana, Praha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Casablanca</source>
        <translation>Casablanca</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Athens, Bucharest</source>
        <translation>Athena, Bukares</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beirut</source>
        <translation>Beirut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tripoli</source>
        <translation>Tripoli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</source>
        <translation>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Baghdad</source>
        <translation>Baghdad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moscow, St. Petersburg</source>
        <translation>Moskow, St. Petersburg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tehran</source>
        <translation>Teheran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abu Dhabi, Dubai, Muscat</source>
        <translation>Abu Dhabi, Dubai, Muskat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kabul</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Islamabad, Karachi</source>
        <translation>Islamabad, Karachi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ashgabat, Tashkent</source>
        <translation>Ashgabat, Tashkent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chennai, Kolkata, Mumbai, New Delhi</source>
        <translation>Chennai, Kolkata, Mumbai, New Delhi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kathmandu</source>
        <translation>Kathmandu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dhaka</source>
        <translation>Dhaka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rangoon</source>
        <translation>Yangon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation>Bangkok, Hanoi, Jakarta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho Chi Minh City</source>
        <translation>Kota Ho Chi Minh</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation>Beijing, Chongqing, Hong Kong, Urumqi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taipei</source>
        <translation>Taipei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kuala Lumpur, Singapore</source>
        <translation>Kuala Lumpur, Singapura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perth</source>
        <translation>Perth</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seoul</source>
        <translation>Seoul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osaka, Sapporo, Tokyo</source>
        <translation>Osaka, Sapporo, Tokyo</translation>
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
        <translation>Fiji</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(GMT+00:00)Edinburgh, London</source>
        <translation>(GMT+00:00)Edinburgh, London</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+00:00)Dublin, Edinburgh, London</source>
        <translation>(GMT+00:00)Dublin, Edinburgh, London</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Prague</source>
        <translation>(GMT+01:00)Praha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Paris</source>
        <translation>(GMT+01:00)Paris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Rome</source>
        <translation>(GMT+01:00)Roma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Berlin</source>
        <translation>(GMT+01:00)Berlin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Amsterdam, Paris</source>
        <translation>(GMT+01:00)Amsterdam, Paris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Jerusalem</source>
        <translation>(GMT+02:00)Yerusalem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Athens</source>
        <translation>(GMT+02:00)Athena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul</source>
        <translation>(GMT+03:00)Baghdad, Kuwait, Moskow, Istanbul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:30)Tehran</source>
        <translation>(GMT+03:30)Teheran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:00)Caucasus standard time, Dubai</source>
        <translation>(GMT+04:00)Waktu standar Kaukasus, Dubai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:30)Kabul</source>
        <translation>(GMT+04:30)Kabul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:00)Islamabad, Karachi, Tashkent</source>
        <translation>(GMT+05:00)Islamabad, Karachi, Tashkent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:30)Madras, Mumbai, New Delhi</source>
        <translation>(GMT+05:30)Madras, Mumbai, New Delhi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:45)Kathmandu</source>
        <translation>(GMT+05:45)Kathmandu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:00)Almaty, Dhaka</source>
        <translation>(GMT+06:00)Almaty, Dhaka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:30)Yangon</source>
        <translation>(GMT+06:30)Yangon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</source>
        <translation>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+08:00)Beijing, Urumqi, Singapore</source>
        <translation>(GMT+08:00)Beijing, Urumqi, Singapura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</source>
        <translation>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</translation>
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
        <translation>(GMT+11:00)Magadan, Kepulauan Solomon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+12:00)Auckland, Wellington</source>
        <translation>(GMT+12:00)Auckland, Wellington</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+13:00)Nukualofa</source>
        <translation>(GMT+13:00)Nuku'alofa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-12:00)Date line west</source>
        <translation>(GMT-12:00)Garis tanggal barat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-11:00)Samoa</source>
        <translation>(GMT-11:00)Samoa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-10:00)Hawaii</source>
        <translation>(GMT-10:00)Hawaii</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-09:00)Alaska</source>
        <translation>(GMT-09:00)Alaska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-08:00)Pacific time (USA and Canada)</source>
        <translation>(GMT-08:00)Waktu Pasifik (AS dan Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Edmonton</source>
        <translation>(GMT-07:00)Edmonton</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Mountain time(USA and Canada)</source>
        <translation>(GMT-07:00)Waktu Pegunungan (AS dan Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-06:00)Central time(USA and Canada)</source>
        <translation>(GMT-06:00)Waktu Tengah (AS dan Kanada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-05:00)Eastern time (USA and Canada)</source>
        <translation>(GMT-05:00)Waktu Timur (AS dan Kanada)</translation>
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
        <translation>(GMT-03:00)Sao Paulo, Brasilia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-02:00)Central Atlantic</source>
        <translation>(GMT-02:00)Atlantik Tengah</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-01:00)Cape Verde Islands, Azores</source>
        <translation>(GMT-01:00)Kepulauan Tanjung Verde, Azores</translation>
    </message>
</context>
<context>
    <name>CUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>Kelola Pengguna</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Tambah Pengguna</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Hapus Pengguna</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Ubah Kontak</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Info Kontak</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operasi</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Please set contact first.</source>
        <translation>Harap atur kontak terlebih dahulu.</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>Batas pengguna perangkat tercapai</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>Harap isi informasi kontak terlebih dahulu sebelum mengubah kata sandi akun admin.</translation>
    </message>
</context>
<context>
    <name>AddClientUserDlg</name>
    <message>
        <source>Add User</source>
        <translation>Tambah Pengguna</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source> Password</source>
        <translation> Kata sandi</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Konfirmasi kata sandi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>EditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>Ubah Pengguna</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>Old  Password</source>
        <translation>Kata sandi lama</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Kata sandi baru</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Konfirmasi kata sandi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>Kata sandi lama salah</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>Kata sandi baru tidak boleh sama dengan kata sandi lama</translation>
    </message>
</context>
<context>
    <name>CEditContactDlg</name>
    <message>
        <source>Contact Information</source>
        <translation>Informasi Kontak</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Ponsel</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Surel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Contact information is a telephone number with its international area code, e.g. 86-13xxxxxxxxx (China) or 1-202xxxxxxxx (USA), or an e-mail address, e.g. owner@example.com. It is used to retrieve the administrator password.</source>
        <translation>Informasi kontak adalah nomor telepon dengan kode area internasional, mis. 86-13xxxxxxxxx (Tiongkok) atau 1-202xxxxxxxx (AS), atau alamat surel, mis. owner@example.com. Digunakan untuk memulihkan kata sandi administrator.</translation>
    </message>
    <message>
        <source>Invalid phone number!</source>
        <translation>Nomor telepon tidak valid!</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>Surel tidak valid!</translation>
    </message>
</context>
<context>
    <name>CNVRUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>Kelola Pengguna</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Tambah Pengguna</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>Hapus Pengguna</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Ubah Kontak</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>Enabled State</source>
        <translation>Status Aktif</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktif</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>Batas pengguna perangkat tercapai</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>Harap isi informasi kontak terlebih dahulu sebelum mengubah kata sandi akun admin.</translation>
    </message>
</context>
<context>
    <name>CNVREditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>Ubah Pengguna</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Tambah Pengguna</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>old Password</source>
        <translation>Kata sandi lama</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Kata sandi baru</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Konfirmasi kata sandi</translation>
    </message>
    <message>
        <source>Whether Open</source>
        <translation>Aktifkan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktif</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>Kata sandi lama salah</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>Kata sandi baru tidak boleh sama dengan kata sandi lama</translation>
    </message>
</context>
<context>
    <name>CNVRAuthSetting</name>
    <message>
        <source>Local Authority</source>
        <translation>Hak Akses Lokal</translation>
    </message>
    <message>
        <source>Remote Authority</source>
        <translation>Hak Akses Jarak Jauh</translation>
    </message>
    <message>
        <source>System Set</source>
        <translation>Pengaturan Sistem</translation>
    </message>
    <message>
        <source>Local Playback</source>
        <translation>Pemutaran Lokal</translation>
    </message>
    <message>
        <source>Local Preview</source>
        <translation>Pratinjau Lokal</translation>
    </message>
    <message>
        <source>Video Backup</source>
        <translation>Cadangan Video</translation>
    </message>
    <message>
        <source>Shutdown System</source>
        <translation>Matikan Sistem</translation>
    </message>
    <message>
        <source>Remote Playback</source>
        <translation>Pemutaran Jarak Jauh</translation>
    </message>
    <message>
        <source>Remote Preview</source>
        <translation>Pratinjau Jarak Jauh</translation>
    </message>
    <message>
        <source>Remote Upgrade</source>
        <translation>Pembaruan Jarak Jauh</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
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
    <name>DeviceMaintenance</name>
    <message>
        <source>Reboot</source>
        <translation>Mulai Ulang</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Pulihkan Bawaan</translation>
    </message>
    <message>
        <source>Simple Recovery</source>
        <translation>Pemulihan Sederhana</translation>
    </message>
    <message>
        <source>Full Recovery</source>
        <translation>Pemulihan Penuh</translation>
    </message>
    <message>
        <source>In addition to network IP information, all other configurations will restrore to default.</source>
        <translation>Selain informasi IP jaringan, semua konfigurasi lain akan dipulihkan ke bawaan.</translation>
    </message>
    <message>
        <source>Fully restore device configuration to factory default.</source>
        <translation>Pulihkan sepenuhnya konfigurasi perangkat ke bawaan pabrik.</translation>
    </message>
    <message>
        <source>Rebooting device...</source>
        <translation>Perangkat sedang dimulai ulang...</translation>
    </message>
    <message>
        <source>Operation failed!</source>
        <translation>Operasi gagal!</translation>
    </message>
    <message>
        <source>Device rebooted!</source>
        <translation>Perangkat telah dimulai ulang!</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1 or a new IP obtained via DHCP. Are you sure to restore?</source>
        <translation>Setelah konfigurasi bawaan dipulihkan sepenuhnya, perangkat akan dimulai ulang dan IP perangkat akan kembali ke bawaan %1 atau IP baru dari DHCP. Yakin ingin memulihkan?</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1. Are you sure to restore?</source>
        <translation>Setelah konfigurasi bawaan dipulihkan sepenuhnya, perangkat akan dimulai ulang dan IP perangkat akan kembali ke bawaan %1. Yakin ingin memulihkan?</translation>
    </message>
</context>
<context>
    <name>DeviceSettingWidget</name>
    <message>
        <source>Chinese</source>
        <translation>Bahasa Tionghoa</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Bahasa Inggris</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nama Perangkat</translation>
    </message>
    <message>
        <source>Time Settings</source>
        <translation>Pengaturan Waktu</translation>
    </message>
    <message>
        <source>Time Mode</source>
        <translation>Mode Waktu</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Device Time</source>
        <translation>Waktu Perangkat</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>Sinkronkan dengan waktu lokal</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Atur Waktu</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona Waktu</translation>
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
        <translation>Interval Kalibrasi</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>EthernetSettingWidget</name>
    <message>
        <source>The camera now takes its address from DHCP. Find it again with the device search.</source>
        <translation>Kamera kini mengambil alamat dari DHCP. Temukan lagi melalui pencarian perangkat.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statis</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Alamat IP</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Preferred DNS</source>
        <translation>DNS Utama</translation>
    </message>
    <message>
        <source>Standby DNS</source>
        <translation>DNS Cadangan</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Alamat MAC</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>Periksa IP</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>The camera now answers at %1. This window closes; the camera is listed under its new address.</source>
        <translation>Kamera kini dapat diakses di %1. Jendela ini ditutup; kamera tercantum dengan alamat barunya.</translation>
    </message>
</context>
<context>
    <name>CNVRConfigSetting</name>
    <message>
        <source>Remote Config</source>
        <translation>Konfigurasi Jarak Jauh</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Dasar</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Jaringan</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Penyimpanan</translation>
    </message>
    <message>
        <source>BasicInfo</source>
        <translation>Info Dasar</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Tanggal dan Waktu</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>Jadwal Rekaman</translation>
    </message>
    <message>
        <source>Disk settings</source>
        <translation>Pengaturan Disk</translation>
    </message>
</context>
<context>
    <name>CNVRBasicSetting</name>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparansi</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolusi</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>Kunci Layar</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Detik</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Wizard For Startup</source>
        <translation>Panduan Saat Mulai</translation>
    </message>
    <message>
        <source>Plug and Play</source>
        <translation>Pasang dan Pakai</translation>
    </message>
    <message>
        <source>Debug Log Level</source>
        <translation>Level Log Debug</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Opaque</source>
        <translation>Buram</translation>
    </message>
    <message>
        <source>Translucent</source>
        <translation>Tembus Cahaya</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparan</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktif</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktif</translation>
    </message>
</context>
<context>
    <name>CNVRLockScreenDlg</name>
    <message>
        <source>Lock Screen-Other settings</source>
        <translation>Kunci Layar - Pengaturan Lain</translation>
    </message>
    <message>
        <source>Other settings:</source>
        <translation>Pengaturan lain:</translation>
    </message>
    <message>
        <source>LogOut</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Lock the current screen</source>
        <translation>Kunci layar saat ini</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
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
        <translation>Alamat IP</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>Periksa IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>DNS Utama</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>DNS Sekunder</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Alamat MAC</translation>
    </message>
    <message>
        <source>MTU Setting</source>
        <translation>Pengaturan MTU</translation>
    </message>
    <message>
        <source>[500~1500]</source>
        <translation>[500~1500]</translation>
    </message>
    <message>
        <source>WIFI</source>
        <translation>WIFI</translation>
    </message>
    <message>
        <source>POE</source>
        <translation>POE</translation>
    </message>
    <message>
        <source>APP Binding</source>
        <translation>Pengikatan APP</translation>
    </message>
    <message>
        <source> Device QR code</source>
        <translation> Kode QR perangkat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>The value of the mtu must be between the integers of the [500-1500]</source>
        <translation>Nilai MTU harus bilangan bulat dalam rentang [500-1500]</translation>
    </message>
</context>
<context>
    <name>CNVRVersionInfo</name>
    <message>
        <source>Product Model</source>
        <translation>Model Produk</translation>
    </message>
    <message>
        <source>Sofware Version</source>
        <translation>Versi Perangkat Lunak</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>Versi Perangkat Keras</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Nomor Seri</translation>
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
        <translation>Disk Penuh</translation>
    </message>
    <message>
        <source>No hard disk Tips</source>
        <translation>Peringatan Tanpa Hard Disk</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Timpa</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>Hentikan Rekaman</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Nonaktif</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Perangkat</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>Ruang Terpakai</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapasitas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Being Written</source>
        <translation>Sedang Ditulis</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation>Tidak Normal</translation>
    </message>
    <message>
        <source>Caveat</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>format this disk?</source>
        <translation>memformat disk ini?</translation>
    </message>
    <message>
        <source>Formatting: waiting for the recorder's answer...</source>
        <translation>Memformat: menunggu jawaban perekam...</translation>
    </message>
    <message>
        <source>The connection was lost while formatting. The disks are read again once the recorder is back.</source>
        <translation>Koneksi terputus saat memformat. Disk dibaca ulang setelah perekam kembali terhubung.</translation>
    </message>
</context>
<context>
    <name>CNVRChannelManageDlg</name>
    <message>
        <source>ChannelManage</source>
        <translation>Kelola Kanal</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>Perangkat ditambahkan</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Segarkan</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Searched device</source>
        <translation>Perangkat ditemukan</translation>
    </message>
    <message>
        <source>Search Dev</source>
        <translation>Cari Perangkat</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Tambah Perangkat</translation>
    </message>
    <message>
        <source>Manual Add</source>
        <translation>Tambah Manual</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>Ubah IP</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Channel Names</source>
        <translation>Nama Kanal</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
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
        <translation>Lensa</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>File System Version</source>
        <translation>Versi Firmware</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>key</source>
        <translation>kunci</translation>
    </message>
    <message>
        <source>DoubleCam</source>
        <translation>Kamera Ganda</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Tidak terhubung</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Menghubungkan</translation>
    </message>
    <message>
        <source>Connection succeed</source>
        <translation>Koneksi berhasil</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Koneksi gagal</translation>
    </message>
    <message>
        <source>Connection failure: network limit</source>
        <translation>Koneksi gagal: batas jaringan</translation>
    </message>
    <message>
        <source>Connection failed: communication error</source>
        <translation>Koneksi gagal: kesalahan komunikasi</translation>
    </message>
    <message>
        <source>Connection failed: other errors</source>
        <translation>Koneksi gagal: kesalahan lain</translation>
    </message>
    <message>
        <source>Has been disconnected</source>
        <translation>Telah terputus</translation>
    </message>
    <message>
        <source>Get configuration failed</source>
        <translation>Gagal mengambil konfigurasi</translation>
    </message>
    <message>
        <source>Disconnected from the network</source>
        <translation>Terputus dari jaringan</translation>
    </message>
    <message>
        <source>IP conflict</source>
        <translation>Konflik IP</translation>
    </message>
    <message>
        <source>Lack of resources</source>
        <translation>Sumber daya kurang</translation>
    </message>
    <message>
        <source>Bit stream exception</source>
        <translation>Aliran bit tidak normal</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>Kata sandi salah</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>Channel is full, Please delete it and then add</source>
        <translation>Kanal penuh, hapus lalu tambahkan</translation>
    </message>
    <message>
        <source>Wireless IPC does not support modifying IP address!</source>
        <translation>IPC nirkabel tidak mendukung perubahan alamat IP!</translation>
    </message>
    <message>
        <source>The device IP is being modified. Please search again later.</source>
        <translation>IP perangkat sedang diubah. Silakan cari lagi nanti.</translation>
    </message>
    <message>
        <source>The operation successfully, The channel information is being refreshed</source>
        <translation>Operasi berhasil, informasi kanal sedang disegarkan</translation>
    </message>
    <message>
        <source>The NVR's channel list has not been read yet. Please wait for it or read it again.</source>
        <translation>Daftar kanal perekam belum dibaca. Harap tunggu atau baca ulang.</translation>
    </message>
</context>
<context>
    <name>CNVRChannelAddDevDlg</name>
    <message>
        <source>NVRChannelAdd</source>
        <translation>Tambah Kanal</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>Alamat IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>Auth Type</source>
        <translation>Jenis Autentikasi</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
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
        <translation>Lensa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>CNVRChannelModifyIPDlg</name>
    <message>
        <source>Modify IPAddress</source>
        <translation>Ubah Alamat IP</translation>
    </message>
    <message>
        <source>Modify IP-</source>
        <translation>Ubah IP-</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>Alamat IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The log file %1 cannot be written (%2); the client goes on without its log.</source>
        <translation>Berkas log %1 tidak dapat ditulis (%2); klien tetap berjalan tanpa log.</translation>
    </message>
    <message>
        <source>Modify Channel Dev</source>
        <translation>Ubah Perangkat Kanal</translation>
    </message>
    <message>
        <source>Database initialization failed!</source>
        <translation>Inisialisasi basis data gagal!</translation>
    </message>
    <message>
        <source>Init app...</source>
        <translation>Memulai aplikasi...</translation>
    </message>
    <message>
        <source>Init main page ...</source>
        <translation>Menyiapkan halaman utama ...</translation>
    </message>
    <message>
        <source>Load page ...</source>
        <translation>Memuat halaman ...</translation>
    </message>
    <message>
        <source>Finished！</source>
        <translation>Selesai!</translation>
    </message>
    <message>
        <source>The database %1 was not made by this client or by a version of it that it knows, and has been left unchanged.
Move it away to start with a new database.</source>
        <translation>Basis data %1 tidak dibuat oleh klien ini atau oleh versi yang dikenalnya, dan dibiarkan tanpa perubahan.
Pindahkan berkas tersebut untuk memulai dengan basis data baru.</translation>
    </message>
    <message>
        <source>The database is in use by another program; waiting for it...</source>
        <translation>Basis data sedang digunakan oleh program lain; menunggu...</translation>
    </message>
</context>
<context>
    <name>CNVRDateSetting</name>
    <message>
        <source>Device Time</source>
        <translation>Waktu Perangkat</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Atur Waktu</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>Sinkronkan dengan waktu lokal</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Atur</translation>
    </message>
    <message>
        <source>Time Zone Set</source>
        <translation>Zona Waktu</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format Tanggal</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Format Waktu</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 jam</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12 jam</translation>
    </message>
    <message>
        <source>IPC Timing</source>
        <translation>Sinkronisasi Waktu IPC</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>interval</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Jam</translation>
    </message>
    <message>
        <source>Show System Time</source>
        <translation>Tampilkan Waktu Sistem</translation>
    </message>
    <message>
        <source>Show Channal</source>
        <translation>Tampilkan Kanal</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Waktu musim panas</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
</context>
<context>
    <name>CNVRSummerTimeDlg</name>
    <message>
        <source>Setting SummerTime</source>
        <translation>Pengaturan Waktu Musim Panas</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Waktu Mulai</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Waktu Selesai</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>JJ:MM</translation>
    </message>
    <message>
        <source>Clock Adjust</source>
        <translation>Penyesuaian Jam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maret</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Desember</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Pertama</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Kedua</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Ketiga</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Keempat</translation>
    </message>
    <message>
        <source>Finally</source>
        <translation>Terakhir</translation>
    </message>
    <message>
        <source>Delayed</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Maju</translation>
    </message>
</context>
<context>
    <name>CNVRStoragePlan</name>
    <message>
        <source>IP Channel</source>
        <translation>Kanal IP</translation>
    </message>
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
    <message>
        <source>select all</source>
        <translation>pilih semua</translation>
    </message>
    <message>
        <source>No Record</source>
        <translation>Tanpa Rekaman</translation>
    </message>
    <message>
        <source>General Record</source>
        <translation>Rekaman Umum</translation>
    </message>
    <message>
        <source>Detection Record</source>
        <translation>Rekaman Deteksi</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Cerdas</translation>
    </message>
    <message>
        <source>Copy this setting to</source>
        <translation>Salin pengaturan ini ke</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Not saved: the recorder refused this schedule.</source>
        <translation>Tidak tersimpan: perekam menolak jadwal ini.</translation>
    </message>
    <message>
        <source>Not saved: the recorder gave no usable answer.</source>
        <translation>Tidak tersimpan: perekam tidak memberi jawaban yang dapat dipakai.</translation>
    </message>
    <message>
        <source>Not saved: the recorder is not connected.</source>
        <translation>Tidak tersimpan: perekam tidak terhubung.</translation>
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
    <name>LocalVideoReplayWnd</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Buka...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Saring menurut nama perangkat</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>Tidak ada video pada hari ini.</translation>
    </message>
    <message>
        <source>The maximum number of connections has been reached!</source>
        <translation>Jumlah koneksi maksimum telah tercapai!</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Tekan ESC untuk keluar dari layar penuh.</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Tangkapan berhasil</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>– disimpan di</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Tangkapan gagal</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>Gagal membuat direktori berkas!</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Pemutaran selesai</translation>
    </message>
</context>
<context>
    <name>RecordWnd</name>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Record Backup</source>
        <translation>Cadangan rekaman</translation>
    </message>
    <message>
        <source>StartTime</source>
        <translation>Waktu mulai</translation>
    </message>
    <message>
        <source>EndTime</source>
        <translation>Waktu selesai</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>Mulai unduh</translation>
    </message>
    <message>
        <source>End Download</source>
        <translation>Akhiri unduhan</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Buka...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Saring menurut nama perangkat</translation>
    </message>
    <message>
        <source>Start Replay</source>
        <translation>Mulai pemutaran</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>tidak ada rekaman</translation>
    </message>
    <message>
        <source>Starting stream retrieval, please wait...</source>
        <translation>Memulai pengambilan aliran, harap tunggu...</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>Pemutaran selesai</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>Tangkapan berhasil</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>– disimpan di</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>Tangkapan gagal</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>Tekan ESC untuk keluar dari layar penuh.</translation>
    </message>
    <message>
        <source>Please select the device to operate.</source>
        <translation>Silakan pilih perangkat yang akan dioperasikan.</translation>
    </message>
    <message>
        <source>The current channel is playing back, please stop playback and try again.</source>
        <translation>Kanal ini sedang diputar, hentikan pemutaran lalu coba lagi.</translation>
    </message>
    <message>
        <source>Video is downloading, please wait for the download to finish.</source>
        <translation>Video sedang diunduh, harap tunggu hingga selesai.</translation>
    </message>
    <message>
        <source>Only videos from the same day can be downloaded.</source>
        <translation>Hanya video dari hari yang sama yang dapat diunduh.</translation>
    </message>
    <message>
        <source>Start time can not be greater than the end time.</source>
        <translation>Waktu mulai tidak boleh melebihi waktu selesai.</translation>
    </message>
    <message>
        <source>Download successful</source>
        <translation>Unduhan berhasil</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Unduhan gagal</translation>
    </message>
    <message>
        <source>Download incomplete</source>
        <translation>Unduhan tidak lengkap</translation>
    </message>
    <message>
        <source>a piece of a frame never arrived</source>
        <translation>sebagian dari satu bingkai tidak pernah tiba</translation>
    </message>
    <message>
        <source>frames of the recording never arrived</source>
        <translation>beberapa bingkai rekaman tidak pernah tiba</translation>
    </message>
    <message>
        <source>a frame larger than allowed was dropped</source>
        <translation>bingkai yang lebih besar dari yang diizinkan dibuang</translation>
    </message>
    <message>
        <source>the recorder stopped sending in the middle of a frame</source>
        <translation>perekam berhenti mengirim di tengah bingkai</translation>
    </message>
    <message>
        <source>Please select a channel to download.</source>
        <translation>Silakan pilih saluran yang akan diunduh.</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>Gagal membuat direktori berkas!</translation>
    </message>
    <message>
        <source>Playback stopped: the connection to the recorder was lost</source>
        <translation>Pemutaran dihentikan: koneksi ke perekam terputus</translation>
    </message>
    <message>
        <source>The recorder is back: play the channel again</source>
        <translation>Perekam sudah kembali: putar ulang kanal ini</translation>
    </message>
    <message>
        <source>Download incomplete: the connection to the recorder was lost at %1 (%2 s of %3 s kept)</source>
        <translation>Unduhan tidak lengkap: koneksi ke perekam terputus pada %1 (%2 dtk dari %3 dtk tersimpan)</translation>
    </message>
    <message>
        <source>Download failed: the connection to the recorder was lost before any footage came</source>
        <translation>Unduhan gagal: koneksi ke perekam terputus sebelum rekaman apa pun diterima</translation>
    </message>
    <message>
        <source>Download incomplete: the recorder stopped sending at %1 (%2 s of %3 s kept)</source>
        <translation>Unduhan tidak lengkap: perekam berhenti mengirim pada %1 (%2 dtk dari %3 dtk tersimpan)</translation>
    </message>
    <message>
        <source>Download failed: the recorder did not answer the request</source>
        <translation>Unduhan gagal: perekam tidak menjawab permintaan</translation>
    </message>
    <message>
        <source>Download failed: the recorder sent no footage of the range</source>
        <translation>Unduhan gagal: perekam tidak mengirim rekaman apa pun dari rentang ini</translation>
    </message>
</context>
<context>
    <name>AlarmEventWidget</name>
    <message>
        <source>Monitoring points</source>
        <translation>Titik pemantauan</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Jenis peristiwa</translation>
    </message>
    <message>
        <source>Basic Event</source>
        <translation>Peristiwa dasar</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>Deteksi gerakan</translation>
    </message>
    <message>
        <source>Video is missing</source>
        <translation>Video hilang</translation>
    </message>
    <message>
        <source>Smart Event</source>
        <translation>Peristiwa cerdas</translation>
    </message>
    <message>
        <source>Human detection</source>
        <translation>Deteksi manusia</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>Deteksi wajah</translation>
    </message>
    <message>
        <source>Audio noise</source>
        <translation>Kebisingan audio</translation>
    </message>
    <message>
        <source>Other Event</source>
        <translation>Peristiwa lain</translation>
    </message>
    <message>
        <source>Device is offline</source>
        <translation>Perangkat offline</translation>
    </message>
    <message>
        <source>Illegal access</source>
        <translation>Akses ilegal</translation>
    </message>
    <message>
        <source>Disk failure</source>
        <translation>Kegagalan disk</translation>
    </message>
    <message>
        <source>I/O Event</source>
        <translation>Peristiwa I/O</translation>
    </message>
    <message>
        <source>Alarm input</source>
        <translation>Input alarm</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>Tautan peristiwa</translation>
    </message>
    <message>
        <source>Video popup</source>
        <translation>Video munculan</translation>
    </message>
    <message>
        <source>Pop-up window duration</source>
        <translation>Durasi jendela munculan</translation>
    </message>
    <message>
        <source>Linkage recording</source>
        <translation>Perekaman tertaut</translation>
    </message>
    <message>
        <source>Recording duration</source>
        <translation>Durasi perekaman</translation>
    </message>
    <message>
        <source>Snapshot pictures</source>
        <translation>Ambil gambar</translation>
    </message>
    <message>
        <source>Linkage monitoring point</source>
        <translation>Titik pemantauan tertaut</translation>
    </message>
    <message>
        <source>Monitoring point selection</source>
        <translation>Pilihan titik pemantauan</translation>
    </message>
    <message>
        <source>Perform preset</source>
        <translation>Jalankan preset</translation>
    </message>
    <message>
        <source>send email</source>
        <translation>kirim email</translation>
    </message>
    <message>
        <source>Audio prompt</source>
        <translation>Peringatan suara</translation>
    </message>
    <message>
        <source>Custom audio</source>
        <translation>Audio khusus</translation>
    </message>
    <message>
        <source>Audio duration</source>
        <translation>Durasi audio</translation>
    </message>
    <message>
        <source>Map flashes</source>
        <translation>Peta berkedip</translation>
    </message>
    <message>
        <source>Linked IO output</source>
        <translation>Output IO tertaut</translation>
    </message>
    <message>
        <source>IO output selection</source>
        <translation>Pilihan output IO</translation>
    </message>
    <message>
        <source>Output duration</source>
        <translation>Durasi output</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>Waktu siaga</translation>
    </message>
    <message>
        <source>All week</source>
        <translation>Sepanjang minggu</translation>
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
    <message>
        <source>Sunday</source>
        <translation>Minggu</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>%1 no longer exists: no alarm settings were saved for it</source>
        <translation>%1 sudah tidak ada: tidak ada pengaturan alarm yang disimpan untuknya</translation>
    </message>
    <message>
        <source>Choose a device in the list to see and change its alarm settings.</source>
        <translation>Pilih perangkat dalam daftar untuk melihat dan mengubah pengaturan alarmnya.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database is in use by another program. Choose the device again to try once more.</source>
        <translation>Pengaturan alarm perangkat ini tidak dapat dibaca: basis data sedang digunakan oleh program lain. Pilih perangkat lagi untuk mencoba sekali lagi.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database file is damaged.</source>
        <translation>Pengaturan alarm perangkat ini tidak dapat dibaca: berkas basis data rusak.</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read. Choose the device again to try once more.</source>
        <translation>Pengaturan alarm perangkat ini tidak dapat dibaca. Pilih perangkat lagi untuk mencoba sekali lagi.</translation>
    </message>
    <message>
        <source>the alarm settings</source>
        <translation>pengaturan alarm</translation>
    </message>
</context>
<context>
    <name>CopyAlarmEvent</name>
    <message>
        <source>copy to</source>
        <translation>salin ke</translation>
    </message>
    <message>
        <source>  Device / channel</source>
        <translation>  Perangkat / saluran</translation>
    </message>
    <message>
        <source>Copy content</source>
        <translation>Konten yang disalin</translation>
    </message>
    <message>
        <source>  Event type</source>
        <translation>  Jenis peristiwa</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>Tautan peristiwa</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>Waktu siaga</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>AlarmInfoWidget</name>
    <message>
        <source>Event Query</source>
        <translation>Kueri peristiwa</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Tanggal dan waktu</translation>
    </message>
    <message>
        <source>Device / Channel</source>
        <translation>Perangkat / Saluran</translation>
    </message>
    <message>
        <source>Processing status</source>
        <translation>Status pemrosesan</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Semua</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>tertunda</translation>
    </message>
    <message>
        <source>processing</source>
        <translation>diproses</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>selesai</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>Jenis peristiwa</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>Deteksi gerakan</translation>
    </message>
    <message>
        <source>Face event</source>
        <translation>Peristiwa wajah</translation>
    </message>
    <message>
        <source>Human event</source>
        <translation>Peristiwa manusia</translation>
    </message>
    <message>
        <source>high temperature</source>
        <translation>suhu tinggi</translation>
    </message>
    <message>
        <source>low temperature</source>
        <translation>suhu rendah</translation>
    </message>
    <message>
        <source>Sound detection</source>
        <translation>Deteksi suara</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Batch processing</source>
        <translation>Proses massal</translation>
    </message>
    <message>
        <source>Export record</source>
        <translation>Ekspor catatan</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Buka...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Saring menurut nama perangkat</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Catatan</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Simpan berkas</translation>
    </message>
    <message>
        <source>excel (*.xlsx *.xls )</source>
        <translation>Excel (*.xlsx *.xls )</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Ekspor gagal</translation>
    </message>
    <message>
        <source>The alarm records cannot be read now: the database is in use by another program.</source>
        <translation>Catatan alarm tidak dapat dibaca sekarang: basis data sedang digunakan oleh program lain.</translation>
    </message>
    <message>
        <source>The alarm records cannot be read.</source>
        <translation>Catatan alarm tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>The alarm records cannot be read: the database file is damaged.</source>
        <translation>Catatan alarm tidak dapat dibaca: berkas basis data rusak.</translation>
    </message>
    <message>
        <source>Shown: the records of the last search that was read.</source>
        <translation>Yang ditampilkan: catatan pencarian terakhir yang berhasil dibaca.</translation>
    </message>
    <message>
        <source>the alarms marked solved</source>
        <translation>alarm yang ditandai selesai</translation>
    </message>
</context>
<context>
    <name>AlarmInfoProcessing</name>
    <message>
        <source>Processing records</source>
        <translation>Catatan pemrosesan</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Kirim</translation>
    </message>
</context>
<context>
    <name>AlarmManageWidget</name>
    <message>
        <source>Alarm Event </source>
        <translation>Peristiwa alarm </translation>
    </message>
    <message>
        <source>Alarm Info</source>
        <translation>Info alarm</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPane</name>
    <message>
        <source>Reconnecting...</source>
        <translation>Menyambung ulang...</translation>
    </message>
    <message>
        <source>No video</source>
        <translation>Tidak ada video</translation>
    </message>
    <message>
        <source>Video interrupted</source>
        <translation>Video terputus</translation>
    </message>
    <message>
        <source>Play failed</source>
        <translation>Gagal memutar</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Menghubungkan...</translation>
    </message>
    <message>
        <source>The source refuses connections</source>
        <translation>Sumber menolak koneksi</translation>
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
    <message>
        <source>Not recording: the stream failed, trying again</source>
        <translation>Tidak merekam: aliran terputus, mencoba lagi</translation>
    </message>
    <message>
        <source>Not recording: the device is not found</source>
        <translation>Tidak merekam: perangkat tidak ditemukan</translation>
    </message>
    <message>
        <source>Not recording: the disk is full or cannot be written</source>
        <translation>Tidak merekam: disk penuh atau tidak dapat ditulisi</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder; it starts again when it can.</source>
        <translation>Rekaman video tidak dapat ditulis ke folder penyimpanan; perekaman dimulai lagi saat memungkinkan.</translation>
    </message>
    <message>
        <source>Not recording: the storage folder is not there</source>
        <translation>Tidak merekam: folder penyimpanan tidak ada</translation>
    </message>
    <message>
        <source>The storage folder %1 is not there (is its disk mounted?); recording starts again when it is back.</source>
        <translation>Folder penyimpanan %1 tidak ada (apakah disknya terpasang?); perekaman dimulai lagi saat folder itu kembali.</translation>
    </message>
    <message>
        <source>The folder %1 is not the storage folder recorded into before (is its disk mounted?); nothing is written into it. Recording starts again when that disk is back; to record into this folder, choose it again under Configuration.</source>
        <translation>Folder %1 bukan folder penyimpanan yang sebelumnya direkam (apakah disknya terpasang?); tidak ada yang ditulis ke dalamnya. Perekaman dimulai lagi saat disk itu kembali; untuk merekam ke folder ini, pilih lagi di Konfigurasi.</translation>
    </message>
    <message>
        <source>Not recording: the folder is not this client's storage folder</source>
        <translation>Tidak merekam: folder ini bukan folder penyimpanan klien ini</translation>
    </message>
    <message>
        <source>Not recording: the storage folder cannot be written</source>
        <translation>Tidak merekam: folder penyimpanan tidak dapat ditulisi</translation>
    </message>
    <message>
        <source>Not recording: another client records into the storage folder</source>
        <translation>Tidak merekam: klien lain sedang merekam ke folder penyimpanan</translation>
    </message>
    <message>
        <source>Not recording: the storage folder's disk is not mounted</source>
        <translation>Tidak merekam: disk folder penyimpanan tidak terpasang</translation>
    </message>
    <message>
        <source>Not recording: the client's settings cannot be read</source>
        <translation>Tidak merekam: pengaturan klien tidak dapat dibaca</translation>
    </message>
    <message>
        <source>Not recording: the folder lies inside another client's storage folder</source>
        <translation>Tidak merekam: folder berada di dalam folder penyimpanan klien lain</translation>
    </message>
    <message>
        <source>The folder %1 lies inside %2, the storage folder of another client; this client writes nothing there, so that neither touches the other's recordings. Choose another folder under Configuration.</source>
        <translation>Folder %1 berada di dalam %2, folder penyimpanan klien lain; klien ini tidak menulis apa pun ke sana, agar tidak ada yang menyentuh rekaman milik yang lain. Pilih folder lain di Konfigurasi.</translation>
    </message>
    <message>
        <source>the database is in use by another program</source>
        <translation>basis data sedang digunakan oleh program lain</translation>
    </message>
    <message>
        <source>A disk mounted at %2 covers the storage folder %1 and is not this client's storage; nothing is written onto it. Recording starts again when that disk is unmounted; to record onto it, choose the folder again under Configuration.</source>
        <translation>Disk yang terpasang di %2 menutupi folder penyimpanan %1 dan bukan penyimpanan klien ini; tidak ada yang ditulis ke dalamnya. Perekaman dimulai lagi saat disk itu dilepas; untuk merekam ke disk itu, pilih lagi foldernya di Konfigurasi.</translation>
    </message>
    <message>
        <source>Another client records into the storage folder %1 (it holds the lock on %2); this client writes nothing there. Recording starts when that client stops; or choose another folder under Configuration.</source>
        <translation>Klien lain sedang merekam ke folder penyimpanan %1 (ia memegang kunci %2); klien ini tidak menulis apa pun di sana. Perekaman dimulai saat klien itu berhenti; atau pilih folder lain di Konfigurasi.</translation>
    </message>
    <message>
        <source>The storage folder %1 lies under %2, where the system mounts a disk, and no disk is mounted there now; nothing is written. Recording starts when it is mounted.</source>
        <translation>Folder penyimpanan %1 berada di bawah %2, tempat sistem memasang disk, dan saat ini tidak ada disk yang terpasang di sana; tidak ada yang ditulis. Perekaman dimulai saat disk terpasang.</translation>
    </message>
    <message>
        <source>The storage folder %1 cannot be checked while the client's settings cannot be read (%2); recording starts when they can be read.</source>
        <translation>Folder penyimpanan %1 tidak dapat diperiksa selama pengaturan klien tidak dapat dibaca (%2); perekaman dimulai saat pengaturan dapat dibaca.</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder %1 (%2); it starts again when it can.</source>
        <translation>Video tidak dapat ditulis ke folder penyimpanan %1 (%2); perekaman dimulai lagi saat memungkinkan.</translation>
    </message>
    <message>
        <source>The client's settings cannot be saved in the database (%1): the storage folder is known for this run only.</source>
        <translation>Pengaturan klien tidak dapat disimpan di basis data (%1): folder penyimpanan hanya dikenal selama sesi ini.</translation>
    </message>
    <message>
        <source>A disk was mounted at %2: recording goes on in %1 on it. What was recorded before lies in %1 on %3 (mounted at %4), hidden under the mount point %2 while that disk is mounted.</source>
        <translation>Sebuah disk dipasang di %2: perekaman berlanjut di %1 pada disk itu. Rekaman sebelumnya ada di %1 pada %3 (terpasang di %4), tersembunyi di bawah titik pasang %2 selama disk itu terpasang.</translation>
    </message>
    <message>
        <source>The client's settings table %4 in the database file %2 cannot be read (%3); the file may be damaged. The storage folder %1 cannot be checked, and nothing is recorded until the settings can be read.</source>
        <translation>Tabel pengaturan klien %4 dalam berkas basis data %2 tidak dapat dibaca (%3); berkas itu mungkin rusak. Folder penyimpanan %1 tidak dapat diperiksa, dan tidak ada yang direkam sampai pengaturan dapat dibaca.</translation>
    </message>
    <message>
        <source>The storage folder %1 was removed from its disk, which is still mounted. It is this client's own, so the client made it again, and recording goes on in it.</source>
        <translation>Folder penyimpanan %1 telah dihapus dari disknya, yang masih terpasang. Folder itu milik klien ini, sehingga klien membuatnya kembali, dan perekaman berlanjut di dalamnya.</translation>
    </message>
    <message>
        <source>Recording follows the plan read before meanwhile.</source>
        <translation>Sementara itu, perekaman mengikuti rencana yang dibaca sebelumnya.</translation>
    </message>
    <message>
        <source>Nothing is recorded until it can be read.</source>
        <translation>Tidak ada yang direkam sampai tabel itu dapat dibaca.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read now: the database is in use by another program. %3 It is read again by itself.</source>
        <translation>Tabel %1 dari berkas basis data %2 tidak dapat dibaca sekarang: basis data sedang digunakan oleh program lain. %3 Tabel itu akan dibaca ulang dengan sendirinya.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read: the file is damaged (%3). %4 It is read again by itself.</source>
        <translation>Tabel %1 dari berkas basis data %2 tidak dapat dibaca: berkas rusak (%3). %4 Tabel itu akan dibaca ulang dengan sendirinya.</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read (%3). %4 It is read again by itself.</source>
        <translation>Tabel %1 dari berkas basis data %2 tidak dapat dibaca (%3). %4 Tabel itu akan dibaca ulang dengan sendirinya.</translation>
    </message>
    <message>
        <source>the storage schedule</source>
        <translation>jadwal penyimpanan</translation>
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
    <message>
        <source>The folder cannot be used for recordings: %1</source>
        <translation>Folder tidak dapat digunakan untuk rekaman: %1</translation>
    </message>
    <message>
        <source>the recording folder</source>
        <translation>folder rekaman</translation>
    </message>
</context>
<context>
    <name>IotReplayWnd</name>
    <message>
        <source>Enter the device name to filter</source>
        <translation>Saring menurut nama perangkat</translation>
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
    <message>
        <source>Playback ended</source>
        <translation>Pemutaran selesai</translation>
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
    <message>
        <source>The cloud store cannot be read. It is looked for in the folder %1</source>
        <translation>Penyimpanan cloud tidak dapat dibaca. Penyimpanan dicari di folder %1</translation>
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
    <message>
        <source>Live Video</source>
        <translation>Video Langsung</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Pemutaran Ulang</translation>
    </message>
    <message>
        <source>Storage Schedule</source>
        <translation>Jadwal Penyimpanan</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Manajemen Perangkat</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Akses</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Peristiwa</translation>
    </message>
    <message>
        <source>Not available in this version</source>
        <translation>Tidak tersedia di versi ini</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Beranda</translation>
    </message>
    <message>
        <source>Closing: waiting for the database to store what is left. Changes: %1, alarms: %2.</source>
        <translation>Menutup: menunggu basis data menyimpan sisanya. Perubahan: %1, alarm: %2.</translation>
    </message>
    <message>
        <source>Not saved at close, the database is in use by another program. Changes: %1, alarms: %2.</source>
        <translation>Tidak disimpan saat menutup, basis data sedang digunakan oleh program lain. Perubahan: %1, alarm: %2.</translation>
    </message>
    <message>
        <source>Alarms not saved before the close: %1.</source>
        <translation>Alarm yang tidak tersimpan sebelum menutup: %1.</translation>
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
<context>
    <name>VideoPreviewPlayController</name>
    <message>
        <source>No stream address</source>
        <translation>Tidak ada alamat stream</translation>
    </message>
</context>
<context>
    <name>MainViewVideoPreview</name>
    <message>
        <source>%1 screens</source>
        <translation>%1 layar</translation>
    </message>
    <message>
        <source>Search device</source>
        <translation>Cari perangkat</translation>
    </message>
</context>
<context>
    <name>DeviceManageWidget</name>
    <message>
        <source>Names</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Jenis Perangkat</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>SN Perangkat</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operasi</translation>
    </message>
    <message>
        <source>Choose update Files</source>
        <translation>Pilih berkas pembaruan</translation>
    </message>
    <message>
        <source>The file cannot be accessed!</source>
        <translation>Berkas tidak dapat diakses!</translation>
    </message>
    <message>
        <source>Please select file to be upgraded!</source>
        <translation>Pilih berkas untuk pembaruan!</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>Centang satu item saja.</translation>
    </message>
    <message>
        <source>Device is nullptr</source>
        <translation>Perangkat tidak ditemukan</translation>
    </message>
    <message>
        <source>The device type does not support upgrade</source>
        <translation>Jenis perangkat ini tidak mendukung pembaruan</translation>
    </message>
    <message>
        <source>There are connection failed devices in the selected list, please re-select</source>
        <translation>Ada perangkat yang gagal terhubung dalam pilihan, pilih ulang</translation>
    </message>
    <message>
        <source>Begin upgrade, Please wait</source>
        <translation>Pembaruan dimulai, harap tunggu</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Mengunggah...</translation>
    </message>
    <message>
        <source>Upgrade fail</source>
        <translation>Pembaruan gagal</translation>
    </message>
    <message>
        <source>Upgrade Progress</source>
        <translation>Kemajuan Pembaruan</translation>
    </message>
    <message>
        <source>Upgrade success,The device will restart</source>
        <translation>Pembaruan berhasil, perangkat akan dimulai ulang</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>Perangkat yang ditambahkan</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Perbarui</translation>
    </message>
    <message>
        <source>Search Device</source>
        <translation>Cari Perangkat</translation>
    </message>
    <message>
        <source>Manual Device</source>
        <translation>Tambah Manual</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>Ubah Massal</translation>
    </message>
    <message>
        <source>Device Group</source>
        <translation>Grup Perangkat</translation>
    </message>
    <message>
        <source>selected:</source>
        <translation>Dipilih:</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>Upgrade File</source>
        <translation>Berkas Pembaruan</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Telusuri</translation>
    </message>
    <message>
        <source>File Upgrade</source>
        <translation>Perbarui dari Berkas</translation>
    </message>
    <message>
        <source>DeviceManageWidget</source>
        <translation>Kelola Perangkat</translation>
    </message>
</context>
<context>
    <name>AddClientDevDlg</name>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>ONVIF</source>
        <translation>ONVIF</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Tambah Perangkat</translation>
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
        <translation>Jenis Perangkat</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
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
        <translation>Nama perangkat</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>AddClientDevDlg</source>
        <translation>Tambah Perangkat</translation>
    </message>
</context>
<context>
    <name>EditClientDevDlg</name>
    <message>
        <source>Edit Device</source>
        <translation>Ubah Perangkat</translation>
    </message>
    <message>
        <source>The password is the default.</source>
        <translation>Kata sandi masih bawaan.</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nama perangkat</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Video Port</source>
        <translation>Port Video</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>forget</source>
        <translation>Lupa kata sandi</translation>
    </message>
    <message>
        <source>authType</source>
        <translation>Autentikasi</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
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
        <translation>Batal</translation>
    </message>
    <message>
        <source>EditClientDevDlg</source>
        <translation>Ubah Perangkat</translation>
    </message>
</context>
<context>
    <name>DeviceGroupManage</name>
    <message>
        <source>A group with this name already exists.</source>
        <translation>Grup dengan nama ini sudah ada.</translation>
    </message>
    <message>
        <source>Device Group Manage </source>
        <translation>Manajemen Grup Perangkat</translation>
    </message>
    <message>
        <source>Group Info</source>
        <translation>Info Grup</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>Induk</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Catatan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>DeviceGroupManage</source>
        <translation>Kelola Grup Perangkat</translation>
    </message>
    <message>
        <source>the device groups</source>
        <translation>grup perangkat</translation>
    </message>
</context>
<context>
    <name>DeviceBatchModify</name>
    <message>
        <source>Batch modify user name and password</source>
        <translation>Ubah massal nama pengguna dan kata sandi</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nama Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>DeviceBatchModify</source>
        <translation>Ubah Massal</translation>
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
        <translation>Jenis Perangkat</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>SN Perangkat</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Informasi versi</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Model Perangkat</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Mencari...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Search ok</source>
        <translation>Pencarian selesai</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>Nama pengguna atau kata sandi salah.</translation>
    </message>
    <message>
        <source>The IP address is already in use.</source>
        <translation>Alamat IP ini sudah digunakan.</translation>
    </message>
    <message>
        <source>The device is being modified</source>
        <translation>Perangkat sedang diubah</translation>
    </message>
    <message>
        <source>Please search again later.</source>
        <translation>Silakan cari lagi nanti.</translation>
    </message>
    <message>
        <source>Please check one item to modify.</source>
        <translation>Centang satu item untuk diubah.</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>Centang satu item saja.</translation>
    </message>
    <message>
        <source>Please select a device before making any changes.</source>
        <translation>Pilih perangkat sebelum melakukan perubahan.</translation>
    </message>
    <message>
        <source>DeviceSearch</source>
        <translation>Pencarian Perangkat</translation>
    </message>
    <message>
        <source>Begin Search</source>
        <translation>Mulai Cari</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>Ubah IP</translation>
    </message>
    <message>
        <source>Restore Factory</source>
        <translation>Pulihkan Pabrik</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>Ubah Massal</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>The device is no longer in the search results.</source>
        <translation>Perangkat tidak lagi ada dalam hasil pencarian.</translation>
    </message>
    <message>
        <source>CSearchManageWidget</source>
        <translation>Pencarian Perangkat</translation>
    </message>
</context>
<context>
    <name>ModifyAllIPDlg</name>
    <message>
        <source>Not enough free IP addresses for the selected devices.</source>
        <translation>Alamat IP bebas tidak cukup untuk perangkat yang dipilih.</translation>
    </message>
    <message>
        <source>Batch Modify IP</source>
        <translation>Ubah IP Massal</translation>
    </message>
    <message>
        <source>Start IP</source>
        <translation>IP Awal</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
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
        <translation>Nama Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>ModifyAllIPDlg</source>
        <translation>Ubah IP Massal</translation>
    </message>
</context>
<context>
    <name>ModifyNetInfoDlg</name>
    <message>
        <source>Modify IP-</source>
        <translation>Ubah IP-</translation>
    </message>
    <message>
        <source>Modify IPAddress</source>
        <translation>Ubah Alamat IP</translation>
    </message>
    <message>
        <source>CurrentIPAddress</source>
        <translation>Alamat IP Saat Ini</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>Alamat IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
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
        <translation>Nama Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>ModifyNetInfoDlg</source>
        <translation>Ubah Alamat IP</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Please enter the user name and password</source>
        <translation>Masukkan nama pengguna dan kata sandi</translation>
    </message>
    <message>
        <source>Incorrect user name or password</source>
        <translation>Nama pengguna atau kata sandi salah</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Login Pengguna</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>Automatic login</source>
        <translation>Login otomatis</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Masuk</translation>
    </message>
    <message>
        <source>What the next start remembers of this login was not saved.</source>
        <translation>Apa yang diingat peluncuran berikutnya dari login ini tidak tersimpan.</translation>
    </message>
    <message>
        <source>the remembered login</source>
        <translation>login yang diingat</translation>
    </message>
</context>
<context>
    <name>ForgotPassword</name>
    <message>
        <source>Dear user,please follow the steps below to reset your password:</source>
        <translation>Pengguna yang terhormat, ikuti langkah berikut untuk mengatur ulang kata sandi:</translation>
    </message>
    <message>
        <source>1. Scan the "Reset Password" QR code with a mobile browser, or open %1 in a browser.</source>
        <translation>1. Pindai kode QR "Atur Ulang Kata Sandi" dengan peramban ponsel, atau buka %1 di peramban.</translation>
    </message>
    <message>
        <source>2. Use the QR scanner of that web page on the "Security Code" QR code on the left.</source>
        <translation>2. Gunakan pemindai QR halaman web itu pada kode QR "Kode Keamanan" di sebelah kiri.</translation>
    </message>
    <message>
        <source>3. The security code is sent to the contact below; enter it with a new password to finish.</source>
        <translation>3. Kode keamanan dikirim ke kontak di bawah; masukkan bersama kata sandi baru untuk menyelesaikan.</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>Operasi gagal</translation>
    </message>
    <message>
        <source>Password is empty</source>
        <translation>Kata sandi kosong</translation>
    </message>
    <message>
        <source>Security code error</source>
        <translation>Kode keamanan salah</translation>
    </message>
    <message>
        <source>Security code timeout</source>
        <translation>Kode keamanan kedaluwarsa</translation>
    </message>
    <message>
        <source>ContactInfo is empty</source>
        <translation>Informasi kontak kosong</translation>
    </message>
    <message>
        <source>Password is default password</source>
        <translation>Kata sandi masih bawaan</translation>
    </message>
    <message>
        <source>No contact info,  defalut password 402917</source>
        <translation>Tidak ada kontak, kata sandi bawaan 402917</translation>
    </message>
    <message>
        <source>Forgot Password</source>
        <translation>Lupa Kata Sandi</translation>
    </message>
    <message>
        <source>Reset Password</source>
        <translation>Atur Ulang Kata Sandi</translation>
    </message>
    <message>
        <source>Security Code</source>
        <translation>Kode Keamanan</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Please input security code</source>
        <translation>Masukkan kode keamanan</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Kata Sandi Baru</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>Masukkan kata sandi baru</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Konfirmasi Kata Sandi</translation>
    </message>
    <message>
        <source>Please confirm password</source>
        <translation>Konfirmasi kata sandi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Please scan the QR code with the APP. The security code will be sent to the contact. Enter the security code below and a new password to complete the password reset.</source>
        <translation>Pindai kode QR dengan aplikasi. Kode keamanan akan dikirim ke kontak. Masukkan kode keamanan di bawah dan kata sandi baru untuk menyelesaikan pengaturan ulang.</translation>
    </message>
    <message>
        <source>ForgotPassword</source>
        <translation>Lupa Kata Sandi</translation>
    </message>
</context>
<context>
    <name>FFmpegReplayWidget</name>
    <message>
        <source>Snapshot</source>
        <translation>Cuplikan</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>Connecting to</source>
        <translation>Menghubungkan ke</translation>
    </message>
</context>
<context>
    <name>OrmHelper</name>
    <message>
        <source>Admin is the default role and has all permissions </source>
        <translation>Admin adalah peran bawaan dan memiliki semua izin </translation>
    </message>
</context>
<context>
    <name>DeviceAlarmHandler</name>
    <message>
        <source>The database cannot be written: settings and alarms will not be saved.</source>
        <translation>Basis data tidak dapat ditulis: pengaturan dan alarm tidak akan disimpan.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the disk is full.</source>
        <translation>Alarm tidak disimpan: disk penuh.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is read-only.</source>
        <translation>Alarm tidak disimpan: basis data hanya dapat dibaca.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: they arrive faster than they can be stored.</source>
        <translation>Alarm tidak disimpan: alarm datang lebih cepat daripada yang dapat disimpan.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database cannot be written.</source>
        <translation>Alarm tidak disimpan: basis data tidak dapat ditulis.</translation>
    </message>
    <message>
        <source>Alarms are being saved again. Not saved meanwhile: %1.</source>
        <translation>Alarm kembali disimpan. Tidak tersimpan selama itu: %1.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is missing.</source>
        <translation>Alarm tidak disimpan: berkas basis data tidak ada.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is damaged.</source>
        <translation>Alarm tidak disimpan: berkas basis data rusak.</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is in use by another program.</source>
        <translation>Alarm tidak disimpan: basis data sedang digunakan oleh program lain.</translation>
    </message>
</context>
<context>
    <name>ConfigConversation</name>
    <message>
        <source>The device is offline. Nothing was saved.</source>
        <translation>Perangkat sedang offline. Tidak ada yang disimpan.</translation>
    </message>
    <message>
        <source>The device did not answer. The change may not have been saved.</source>
        <translation>Perangkat tidak menjawab. Perubahan mungkin belum tersimpan.</translation>
    </message>
    <message>
        <source>The connection to the device was lost. The change may not have been saved.</source>
        <translation>Koneksi ke perangkat terputus. Perubahan mungkin belum tersimpan.</translation>
    </message>
    <message>
        <source>The page is still being read from the device. Save once it is shown.</source>
        <translation>Halaman masih dibaca dari perangkat. Simpan setelah halaman ditampilkan.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Belum disimpan</translation>
    </message>
    <message>
        <source>The device's answers cannot be told apart yet; reading again.</source>
        <translation>Jawaban perangkat belum dapat dibedakan; membaca ulang.</translation>
    </message>
    <message>
        <source>The device has not answered earlier requests of this kind yet. Nothing was saved.</source>
        <translation>Perangkat belum menjawab permintaan sebelumnya dari jenis ini. Tidak ada yang disimpan.</translation>
    </message>
    <message>
        <source>Saved (the device answered late).</source>
        <translation>Tersimpan (perangkat menjawab terlambat).</translation>
    </message>
    <message>
        <source>Waiting for the device to answer an earlier request of this kind; this one goes out next.</source>
        <translation>Menunggu perangkat menjawab permintaan sejenis sebelumnya; permintaan ini dikirim berikutnya.</translation>
    </message>
    <message>
        <source>The device took a change, but its answer could be another request's: the client's record of the device follows only once the device shows what it holds.</source>
        <translation>Perangkat menerima perubahan, tetapi jawabannya bisa milik permintaan lain: catatan klien tentang perangkat baru berubah setelah perangkat menunjukkan apa yang disimpannya.</translation>
    </message>
    <message>
        <source>Not sent: the device did not log in again in time. Make the change again once it is online.</source>
        <translation>Tidak terkirim: perangkat tidak masuk kembali tepat waktu. Lakukan perubahan lagi setelah perangkat daring.</translation>
    </message>
    <message>
        <source>Sent; waiting for the device's answer.</source>
        <translation>Terkirim; menunggu jawaban perangkat.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Save of %1: %2</source>
        <translation>Penyimpanan %1: %2</translation>
    </message>
    <message>
        <source>Reconnect and read again</source>
        <translation>Sambungkan ulang dan baca lagi</translation>
    </message>
    <message>
        <source>The device stopped answering these requests.</source>
        <translation>Perangkat berhenti menjawab permintaan ini.</translation>
    </message>
    <message>
        <source>The device sent an answer twice: the values shown cannot be trusted. Reading again.</source>
        <translation>Perangkat mengirim jawaban dua kali: nilai yang ditampilkan tidak dapat dipercaya. Membaca ulang.</translation>
    </message>
    <message>
        <source>The device took the values of an earlier Save; the values shown now are not saved.</source>
        <translation>Perangkat mengambil nilai dari penyimpanan sebelumnya; nilai yang ditampilkan sekarang belum disimpan.</translation>
    </message>
    <message>
        <source>The device took %1 from an earlier Save; the values shown now are not saved.</source>
        <translation>Perangkat mengambil %1 dari penyimpanan sebelumnya; nilai yang ditampilkan sekarang belum disimpan.</translation>
    </message>
    <message>
        <source>The last Save may have sent values of a repeated answer; read again before saving.</source>
        <translation>Penyimpanan terakhir mungkin mengirim nilai dari jawaban berulang; baca ulang sebelum menyimpan.</translation>
    </message>
    <message>
        <source>The device took the Save of %1; %2 shows what the device holds.</source>
        <translation>Perangkat menerima penyimpanan %1; %2 menampilkan nilai yang tersimpan di perangkat.</translation>
    </message>
    <message>
        <source>The device took the Save of %1.</source>
        <translation>Perangkat menerima penyimpanan %1.</translation>
    </message>
</context>
<context>
    <name>ConfigPageMarks</name>
    <message>
        <source>A disk format is still running on the device: a fresh connection would never hear whether it finished.</source>
        <translation>Format disk masih berjalan di perangkat: koneksi baru tidak akan pernah tahu apakah format itu selesai.</translation>
    </message>
    <message>
        <source>A save still waits for the device's answer: a fresh connection would never hear whether it was stored.</source>
        <translation>Penyimpanan masih menunggu jawaban perangkat: koneksi baru tidak akan pernah tahu apakah perubahan itu tersimpan.</translation>
    </message>
    <message>
        <source>Reconnect anyway?</source>
        <translation>Tetap sambungkan ulang?</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>no space left on the disk</source>
        <translation>ruang disk habis</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>disk hanya dapat dibaca</translation>
    </message>
    <message>
        <source>the folder is missing</source>
        <translation>folder tidak ada</translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation>tidak ada izin untuk menulis di sana</translation>
    </message>
</context>
<context>
    <name>TypedDateTimeEdit</name>
    <message>
        <source>%1 does not exist. The field keeps %2.</source>
        <translation>%1 tidak ada. Isian tetap %2.</translation>
    </message>
</context>
<context>
    <name>StorageMark</name>
    <message>
        <source>another client records into this folder</source>
        <translation>klien lain sedang merekam ke folder ini</translation>
    </message>
    <message>
        <source>the storage folder's mark</source>
        <translation>tanda folder penyimpanan</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>%1 holds the other password the client kept for it, not the stored one: the client logs in with that one from now on.</source>
        <translation>%1 menyimpan kata sandi lain yang disimpan klien untuknya, bukan yang tersimpan: klien masuk dengan kata sandi itu mulai sekarang.</translation>
    </message>
    <message>
        <source>%1 refused the login with the stored password and with the other one the client kept for it.</source>
        <translation>%1 menolak masuk dengan kata sandi yang tersimpan maupun dengan kata sandi lain yang disimpan klien untuknya.</translation>
    </message>
    <message>
        <source>The camera now answers at %1; the client follows it there.</source>
        <translation>Kamera kini menjawab di %1; klien mengikutinya ke sana.</translation>
    </message>
</context>
</TS>
