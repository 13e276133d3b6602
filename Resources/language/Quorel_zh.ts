<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Authentication</name>
    <message>
        <location filename="../../src/widgets/Authentication.ui" line="+29"/>
        <source>Tavik Authentication</source>
        <translation>Tavik 身份验证</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Confirm Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CaptureScreen</name>
    <message>
        <location filename="../../src/widgets/CaptureScreen.cpp" line="+264"/>
        <source>Rect:</source>
        <translation>区域：</translation>
    </message>
</context>
<context>
    <name>CommonHelper</name>
    <message>
        <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>Siren</source>
        <translation>警笛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doorbell</source>
        <translation>门铃</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bark</source>
        <translation>犬吠</translation>
    </message>
    <message>
        <location filename="../../src/Common/CommonHelper.cpp" line="+130"/>
        <source>Connection failed</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Connection successful</source>
        <translation>连接成功</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Incorrect username or password.</source>
        <translation>用户名或密码错误。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Invalid parameter!</source>
        <translation>参数无效！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid channel id!</source>
        <translation>通道号无效！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream id!</source>
        <translation>码流号无效！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid xml parameter!</source>
        <translation>XML参数无效！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signaling connection with IPC is not established!</source>
        <translation>与IPC的信令连接未建立！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media connection with IPC is not established!</source>
        <translation>与IPC的媒体连接未建立！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of Preview is full!</source>
        <translation>预览数量已满！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The number of streams is full!</source>
        <translation>码流数量已满！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get video config!</source>
        <translation>获取视频配置失败！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to start Preview!</source>
        <translation>开启预览失败！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User does not have remote permission!</source>
        <translation>用户没有远程权限！</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The total number of playback channels is full!</source>
        <translation>回放通道总数已满！</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unknown error code: %1!</source>
        <translation>未知错误码：%1！</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>CustomDialog</name>
    <message>
        <location filename="../../src/widgets/CustomDialog.ui" line="+110"/>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/widgets/CustomDialog.cpp" line="+72"/>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>DeviceController</name>
    <message>
        <source>the devices' serial numbers</source>
        <translation>设备的序列号</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>设备 %1</translation>
    </message>
    <message>
        <source>device %1 (%2)</source>
        <translation>设备 %1（%2）</translation>
    </message>
</context>
<context>
    <name>ManageWidget</name>
    <message>
        <location filename="../../src/widgets/ManageWidget.ui" line="+21"/>
        <source>ShowPassword</source>
        <translation>显示密码</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UserManage</source>
        <translation>用户管理</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auth</source>
        <translation>权限</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Remote Configuration</source>
        <translation>远程配置</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ChannelManage</source>
        <translation>通道管理</translation>
    </message>
</context>
<context>
    <name>PageWidget</name>
    <message>
        <location filename="../../src/widgets/PageWidget.ui" line="+21"/>
        <source>totalRecords</source>
        <translation>总记录数</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>pageSize</source>
        <translation>每页条数</translation>
    </message>
</context>
<context>
    <name>SharedTexts</name>
    <message>
        <location filename="../../src/Common/SharedTexts.cpp" line="+3"/>
        <source>Enter the device name to filter</source>
        <translation>输入设备名称进行筛选</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Incomplete information</source>
        <translation>信息不完整</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to </source>
        <translation>确定要</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this user?</source>
        <translation>删除此用户吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this device?</source>
        <translation>删除此设备吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete this Group?</source>
        <translation>删除此分组吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>reboot this device?</source>
        <translation>重启此设备吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restore this device?</source>
        <translation>恢复此设备吗？</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration failed</source>
        <translation>配置失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Configuration successful</source>
        <translation>配置成功</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid format</source>
        <translation>格式无效</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password and confirmation password do not match</source>
        <translation>新密码与确认密码不一致</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is available.</source>
        <translation>该 IP 地址可用。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP address is already in use.</source>
        <translation>该 IP 地址已被占用。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The IP and gateway are not in the same subnet.</source>
        <translation>IP 地址与网关不在同一网段。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please select a device before making any changes.</source>
        <translation>请先选择设备再进行修改。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default users or roles cannot be deleted.</source>
        <translation>默认用户或角色不能删除。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Reading from the device failed</source>
        <translation>从设备读取失败</translation>
    </message>
    <message>
        <source>Saving: the database is in use by another program; waiting for it...</source>
        <translation>正在保存：数据库正被其他程序使用，正在等待...</translation>
    </message>
    <message>
        <source>Configuration failed: the database is in use by another program</source>
        <translation>配置失败：数据库正被其他程序使用</translation>
    </message>
    <message>
        <source>Reading: the database is in use by another program; waiting for it...</source>
        <translation>正在读取：数据库正被其他程序使用，正在等待...</translation>
    </message>
    <message>
        <source>Reading failed: the database is in use by another program</source>
        <translation>读取失败：数据库正被其他程序使用</translation>
    </message>
    <message>
        <source>Reading from the database failed</source>
        <translation>从数据库读取失败</translation>
    </message>
    <message>
        <source>Configuration failed: the database file %1 is damaged</source>
        <translation>配置失败：数据库文件 %1 已损坏</translation>
    </message>
    <message>
        <source>Reading failed: the database file %1 is damaged</source>
        <translation>读取失败：数据库文件 %1 已损坏</translation>
    </message>
</context>
<context>
    <name>TimeZoneTable</name>
    <message>
        <location filename="../../src/Common/TimeZoneTable.cpp" line="+24"/>
        <source>Hawaii</source>
        <translation>夏威夷</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alaska</source>
        <translation>阿拉斯加</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation>太平洋时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation>山地时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Guadalajara, Mexico City, Monterrey</source>
        <translation>瓜达拉哈拉，墨西哥城，蒙特雷</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Time (US &amp; Canada)</source>
        <translation>中部时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation>东部时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bogota, Lima, Quito, Rio Branco</source>
        <translation>波哥大，利马，基多，里奥布朗库</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Caracas</source>
        <translation>加拉加斯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Georgetown, La Paz, Manaus, San Juan</source>
        <translation>乔治敦，拉巴斯，马瑙斯，圣胡安</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Santiago</source>
        <translation>圣地亚哥</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Newfoundland</source>
        <translation>纽芬兰</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sao Paulo</source>
        <translation>圣保罗</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City of Buenos Aires</source>
        <translation>布宜诺斯艾利斯</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montevideo</source>
        <translation>蒙得维的亚</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Greenland</source>
        <translation>格陵兰</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Azores</source>
        <translation>亚速尔群岛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cabo Verde Is.</source>
        <translation>佛得角群岛</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation>都柏林，爱丁堡，里斯本，伦敦</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna</source>
        <translation>阿姆斯特丹，柏林，伯尔尼，罗马，斯德哥尔摩，维也纳</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brussels, Copenhagen, Madrid, Paris</source>
        <translation>布鲁塞尔，哥本哈根，马德里，巴黎</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgrade, Bratislava, Budapest, Ljubljana, Prague</source>
        <translation>贝尔格莱德，布拉迪斯拉发，布达佩斯，卢布尔雅那，布拉格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Casablanca</source>
        <translation>卡萨布兰卡</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Athens, Bucharest</source>
        <translation>雅典，布加勒斯特</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beirut</source>
        <translation>贝鲁特</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tripoli</source>
        <translation>的黎波里</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius</source>
        <translation>赫尔辛基，基辅，里加，索非亚，塔林，维尔纽斯</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Baghdad</source>
        <translation>巴格达</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Moscow, St. Petersburg</source>
        <translation>莫斯科，圣彼得堡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tehran</source>
        <translation>德黑兰</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abu Dhabi, Dubai, Muscat</source>
        <translation>阿布扎比，迪拜，马斯喀特</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kabul</source>
        <translation>喀布尔</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Islamabad, Karachi</source>
        <translation>伊斯兰堡，卡拉奇</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ashgabat, Tashkent</source>
        <translation>阿什哈巴德，塔什干</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chennai, Kolkata, Mumbai, New Delhi</source>
        <translation>金奈，加尔各答，孟买，新德里</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kathmandu</source>
        <translation>加德满都</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dhaka</source>
        <translation>达卡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rangoon</source>
        <translation>仰光</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bangkok, Hanoi, Jakarta</source>
        <translation>曼谷，河内，雅加达</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ho Chi Minh City</source>
        <translation>胡志明市</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beijing, Chongqing, Hong Kong, Urumqi</source>
        <translation>北京，重庆，香港，乌鲁木齐</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Taipei</source>
        <translation>台北</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kuala Lumpur, Singapore</source>
        <translation>吉隆坡，新加坡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perth</source>
        <translation>珀斯</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Seoul</source>
        <translation>首尔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osaka, Sapporo, Tokyo</source>
        <translation>大阪，札幌，东京</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darwin</source>
        <translation>达尔文</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Canberra, Melbourne, Sydney</source>
        <translation>堪培拉，墨尔本，悉尼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guam, Port Moresby</source>
        <translation>关岛，莫尔兹比港</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magadan</source>
        <translation>马加丹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auckland, Wellington</source>
        <translation>奥克兰，惠灵顿</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fiji</source>
        <translation>斐济</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>(GMT+00:00)Edinburgh, London</source>
        <translation>(GMT+00:00)爱丁堡，伦敦</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+00:00)Dublin, Edinburgh, London</source>
        <translation>(GMT+00:00)都柏林，爱丁堡，伦敦</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Prague</source>
        <translation>(GMT+01:00)布拉格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Paris</source>
        <translation>(GMT+01:00)巴黎</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Rome</source>
        <translation>(GMT+01:00)罗马</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Berlin</source>
        <translation>(GMT+01:00)柏林</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+01:00)Amsterdam, Paris</source>
        <translation>(GMT+01:00)阿姆斯特丹，巴黎</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Jerusalem</source>
        <translation>(GMT+02:00)耶路撒冷</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+02:00)Athens</source>
        <translation>(GMT+02:00)雅典</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul</source>
        <translation>(GMT+03:00)巴格达，科威特，莫斯科，伊斯坦布尔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+03:30)Tehran</source>
        <translation>(GMT+03:30)德黑兰</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:00)Caucasus standard time, Dubai</source>
        <translation>(GMT+04:00)高加索标准时间，迪拜</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+04:30)Kabul</source>
        <translation>(GMT+04:30)喀布尔</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:00)Islamabad, Karachi, Tashkent</source>
        <translation>(GMT+05:00)伊斯兰堡，卡拉奇，塔什干</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:30)Madras, Mumbai, New Delhi</source>
        <translation>(GMT+05:30)马德拉斯，孟买，新德里</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+05:45)Kathmandu</source>
        <translation>(GMT+05:45)加德满都</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:00)Almaty, Dhaka</source>
        <translation>(GMT+06:00)阿拉木图，达卡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+06:30)Yangon</source>
        <translation>(GMT+06:30)仰光</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk</source>
        <translation>(GMT+07:00)曼谷，河内，雅加达，新西伯利亚</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+08:00)Beijing, Urumqi, Singapore</source>
        <translation>(GMT+08:00)北京，乌鲁木齐，新加坡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo</source>
        <translation>(GMT+09:00)首尔，东京，大阪，札幌</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Darwin</source>
        <translation>(GMT+09:30)达尔文</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+09:30)Adelaide</source>
        <translation>(GMT+09:30)阿德莱德</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+10:00)Melbourne, Sydney, Canberra</source>
        <translation>(GMT+10:00)墨尔本，悉尼，堪培拉</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+11:00)Magadan, Solomon Islands</source>
        <translation>(GMT+11:00)马加丹，所罗门群岛</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+12:00)Auckland, Wellington</source>
        <translation>(GMT+12:00)奥克兰，惠灵顿</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT+13:00)Nukualofa</source>
        <translation>(GMT+13:00)努库阿洛法</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-12:00)Date line west</source>
        <translation>(GMT-12:00)国际日期变更线西</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-11:00)Samoa</source>
        <translation>(GMT-11:00)萨摩亚</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-10:00)Hawaii</source>
        <translation>(GMT-10:00)夏威夷</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-09:00)Alaska</source>
        <translation>(GMT-09:00)阿拉斯加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-08:00)Pacific time (USA and Canada)</source>
        <translation>(GMT-08:00)太平洋时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Edmonton</source>
        <translation>(GMT-07:00)埃德蒙顿</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-07:00)Mountain time(USA and Canada)</source>
        <translation>(GMT-07:00)山地时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-06:00)Central time(USA and Canada)</source>
        <translation>(GMT-06:00)中部时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-05:00)Eastern time (USA and Canada)</source>
        <translation>(GMT-05:00)东部时间（美国和加拿大）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-04:00)Georgetown</source>
        <translation>(GMT-04:00)乔治敦</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:30)Newfoundland</source>
        <translation>(GMT-03:30)纽芬兰</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-03:00)Sao Paulo, Brasilia</source>
        <translation>(GMT-03:00)圣保罗，巴西利亚</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-02:00)Central Atlantic</source>
        <translation>(GMT-02:00)中大西洋</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(GMT-01:00)Cape Verde Islands, Azores</source>
        <translation>(GMT-01:00)佛得角群岛，亚速尔群岛</translation>
    </message>
</context>
<context>
    <name>CUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>用户管理</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>添加用户</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>删除用户</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>编辑联系方式</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please set contact first.</source>
        <translation>请先设置联系方式。</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>设备用户数已达上限</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>修改admin账户密码前，请先填写联系方式。</translation>
    </message>
</context>
<context>
    <name>AddClientUserDlg</name>
    <message>
        <source>Add User</source>
        <translation>添加用户</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source> Password</source>
        <translation> 密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>EditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>编辑用户</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Old  Password</source>
        <translation>旧密码</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>旧密码错误</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>新密码不能与旧密码相同</translation>
    </message>
</context>
<context>
    <name>CEditContactDlg</name>
    <message>
        <source>Contact Information</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>手机号码</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>邮箱</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Contact information is a telephone number with its international area code, e.g. 86-13xxxxxxxxx (China) or 1-202xxxxxxxx (USA), or an e-mail address, e.g. owner@example.com. It is used to retrieve the administrator password.</source>
        <translation>联系方式为带国际电话区号的电话号码，例如 86-13xxxxxxxxx（中国）或 1-202xxxxxxxx（美国），或电子邮箱地址，例如 owner@example.com。用于找回管理员密码。</translation>
    </message>
    <message>
        <source>Invalid phone number!</source>
        <translation>无效的电话号码！</translation>
    </message>
    <message>
        <source>Invalid email!</source>
        <translation>无效的邮箱！</translation>
    </message>
</context>
<context>
    <name>CNVRUserManageDlg</name>
    <message>
        <source>User Manage</source>
        <translation>用户管理</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>添加用户</translation>
    </message>
    <message>
        <source>Delete User</source>
        <translation>删除用户</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>编辑联系方式</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Enabled State</source>
        <translation>启用状态</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Device user limit reached</source>
        <translation>设备用户数已达上限</translation>
    </message>
    <message>
        <source>Please fill in the contact information first before changing the password of admin account.</source>
        <translation>修改admin账户密码前，请先填写联系方式。</translation>
    </message>
</context>
<context>
    <name>CNVREditClientUserDlg</name>
    <message>
        <source>Edit User</source>
        <translation>编辑用户</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>添加用户</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>old Password</source>
        <translation>旧密码</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Whether Open</source>
        <translation>是否启用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Incorrect old password</source>
        <translation>旧密码错误</translation>
    </message>
    <message>
        <source>New password cannot be the same as the old password</source>
        <translation>新密码不能与旧密码相同</translation>
    </message>
</context>
<context>
    <name>CNVRAuthSetting</name>
    <message>
        <source>Local Authority</source>
        <translation>本地权限</translation>
    </message>
    <message>
        <source>Remote Authority</source>
        <translation>远程权限</translation>
    </message>
    <message>
        <source>System Set</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>Local Playback</source>
        <translation>本地回放</translation>
    </message>
    <message>
        <source>Local Preview</source>
        <translation>本地预览</translation>
    </message>
    <message>
        <source>Video Backup</source>
        <translation>录像备份</translation>
    </message>
    <message>
        <source>Shutdown System</source>
        <translation>关闭系统</translation>
    </message>
    <message>
        <source>Remote Playback</source>
        <translation>远程回放</translation>
    </message>
    <message>
        <source>Remote Preview</source>
        <translation>远程预览</translation>
    </message>
    <message>
        <source>Remote Upgrade</source>
        <translation>远程升级</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RemoteConfigSetting</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Remote Config</source>
        <translation>远程配置</translation>
    </message>
    <message>
        <source>Video Encode</source>
        <translation>视频编码</translation>
    </message>
    <message>
        <source>OSD Settings</source>
        <translation>OSD设置</translation>
    </message>
    <message>
        <source>Audio Settings</source>
        <translation>音频设置</translation>
    </message>
    <message>
        <source>Image Settings</source>
        <translation>图像设置</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Human Figure Detection</source>
        <translation>人形检测</translation>
    </message>
    <message>
        <source>Sound Detection</source>
        <translation>声音检测</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>人脸检测</translation>
    </message>
    <message>
        <source>Crying Detection</source>
        <translation>哭声检测</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Platform Access</source>
        <translation>平台接入</translation>
    </message>
    <message>
        <source>Device Settings</source>
        <translation>设备设置</translation>
    </message>
    <message>
        <source>Device Maintenance</source>
        <translation>设备维护</translation>
    </message>
    <message>
        <source>Version Info</source>
        <translation>版本信息</translation>
    </message>
    <message>
        <source>Video and Audio</source>
        <translation>音视频</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
</context>
<context>
    <name>MediaPortWidget</name>
    <message>
        <source>RTSP Port</source>
        <translation>RTSP端口</translation>
    </message>
    <message>
        <source>(554,1024-65535)</source>
        <translation>(554,1024-65535)</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>HTTP端口</translation>
    </message>
    <message>
        <source>(80,1024-65535)</source>
        <translation>(80,1024-65535)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>2028 has been occupied</source>
        <translation>2028已被占用</translation>
    </message>
    <message>
        <source>RTSP Port Range(554,1024-65535)</source>
        <translation>RTSP端口范围(554,1024-65535)</translation>
    </message>
    <message>
        <source>HTTP Port Range(80,1024-65535)</source>
        <translation>HTTP端口范围(80,1024-65535)</translation>
    </message>
</context>
<context>
    <name>DeviceMaintenance</name>
    <message>
        <source>Reboot</source>
        <translation>重启</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Simple Recovery</source>
        <translation>简单恢复</translation>
    </message>
    <message>
        <source>Full Recovery</source>
        <translation>完全恢复</translation>
    </message>
    <message>
        <source>In addition to network IP information, all other configurations will restrore to default.</source>
        <translation>除网络IP信息外，其他所有配置都将恢复为默认值。</translation>
    </message>
    <message>
        <source>Fully restore device configuration to factory default.</source>
        <translation>将设备配置完全恢复为出厂默认值。</translation>
    </message>
    <message>
        <source>Rebooting device...</source>
        <translation>设备正在重启...</translation>
    </message>
    <message>
        <source>Operation failed!</source>
        <translation>操作失败！</translation>
    </message>
    <message>
        <source>Device rebooted!</source>
        <translation>设备已重启！</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1 or a new IP obtained via DHCP. Are you sure to restore?</source>
        <translation>完全恢复默认配置后，设备将重启，设备IP将恢复为默认的%1或通过DHCP获取的新IP。确定要恢复吗？</translation>
    </message>
    <message>
        <source>After the default configuration is completely restored, the device will restart, and the device IP will be restored to the default %1. Are you sure to restore?</source>
        <translation>完全恢复默认配置后，设备将重启，设备IP将恢复为默认的%1。确定要恢复吗？</translation>
    </message>
</context>
<context>
    <name>DeviceSettingWidget</name>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Time Settings</source>
        <translation>时间设置</translation>
    </message>
    <message>
        <source>Time Mode</source>
        <translation>校时方式</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>Device Time</source>
        <translation>设备时间</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>与本地时间同步</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>设置时间</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <source>NTP Server</source>
        <translation>NTP服务器</translation>
    </message>
    <message>
        <source>NTP Port</source>
        <translation>NTP端口</translation>
    </message>
    <message>
        <source>Calibration Interval</source>
        <translation>校时间隔</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>EthernetSettingWidget</name>
    <message>
        <source>The camera now takes its address from DHCP. Find it again with the device search.</source>
        <translation>摄像机现在通过DHCP获取地址，请通过设备搜索重新找到它。</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>静态</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Preferred DNS</source>
        <translation>首选DNS</translation>
    </message>
    <message>
        <source>Standby DNS</source>
        <translation>备用DNS</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>检测IP</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The camera now answers at %1. This window closes; the camera is listed under its new address.</source>
        <translation>摄像机的地址已改为 %1。此窗口将关闭，摄像机将以新地址列在设备列表中。</translation>
    </message>
</context>
<context>
    <name>CNVRConfigSetting</name>
    <message>
        <source>Remote Config</source>
        <translation>远程配置</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>BasicInfo</source>
        <translation>基本信息</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>录像计划</translation>
    </message>
    <message>
        <source>Disk settings</source>
        <translation>磁盘设置</translation>
    </message>
</context>
<context>
    <name>CNVRBasicSetting</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Lock Screen</source>
        <translation>锁屏</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Wizard For Startup</source>
        <translation>开机向导</translation>
    </message>
    <message>
        <source>Plug and Play</source>
        <translation>即插即用</translation>
    </message>
    <message>
        <source>Debug Log Level</source>
        <translation>调试日志级别</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Opaque</source>
        <translation>不透明</translation>
    </message>
    <message>
        <source>Translucent</source>
        <translation>半透明</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
</context>
<context>
    <name>CNVRLockScreenDlg</name>
    <message>
        <source>Lock Screen-Other settings</source>
        <translation>锁屏-其他设置</translation>
    </message>
    <message>
        <source>Other settings:</source>
        <translation>其他设置：</translation>
    </message>
    <message>
        <source>LogOut</source>
        <translation>注销</translation>
    </message>
    <message>
        <source>Lock the current screen</source>
        <translation>锁定当前屏幕</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Check IP</source>
        <translation>检测IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>首选DNS</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>备用DNS</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>MTU Setting</source>
        <translation>MTU设置</translation>
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
        <translation>APP绑定</translation>
    </message>
    <message>
        <source> Device QR code</source>
        <translation> 设备二维码</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The value of the mtu must be between the integers of the [500-1500]</source>
        <translation>MTU的值必须是[500-1500]之间的整数</translation>
    </message>
</context>
<context>
    <name>CNVRVersionInfo</name>
    <message>
        <source>Product Model</source>
        <translation>产品型号</translation>
    </message>
    <message>
        <source>Sofware Version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>硬件版本</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
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
        <translation>磁盘满时</translation>
    </message>
    <message>
        <source>No hard disk Tips</source>
        <translation>无硬盘提示</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>格式化</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>覆盖</translation>
    </message>
    <message>
        <source>Stop Record</source>
        <translation>停止录像</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Used Space</source>
        <translation>已用空间</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Being Written</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <translation>异常</translation>
    </message>
    <message>
        <source>Caveat</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>format this disk?</source>
        <translation>格式化此磁盘吗？</translation>
    </message>
    <message>
        <source>Formatting: waiting for the recorder's answer...</source>
        <translation>正在格式化：等待录像机应答...</translation>
    </message>
    <message>
        <source>The connection was lost while formatting. The disks are read again once the recorder is back.</source>
        <translation>格式化期间连接已断开。录像机恢复连接后将重新读取磁盘。</translation>
    </message>
</context>
<context>
    <name>CNVRChannelManageDlg</name>
    <message>
        <source>ChannelManage</source>
        <translation>通道管理</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>已添加设备</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Searched device</source>
        <translation>搜索到的设备</translation>
    </message>
    <message>
        <source>Search Dev</source>
        <translation>搜索设备</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Manual Add</source>
        <translation>手动添加</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>修改IP</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Channel Names</source>
        <translation>通道名称</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>DoubleCamName</source>
        <translation>镜头</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>File System Version</source>
        <translation>固件版本</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>key</source>
        <translation>键</translation>
    </message>
    <message>
        <source>DoubleCam</source>
        <translation>双目</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>连接中</translation>
    </message>
    <message>
        <source>Connection succeed</source>
        <translation>连接成功</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Connection failure: network limit</source>
        <translation>连接失败：网络受限</translation>
    </message>
    <message>
        <source>Connection failed: communication error</source>
        <translation>连接失败：通信错误</translation>
    </message>
    <message>
        <source>Connection failed: other errors</source>
        <translation>连接失败：其他错误</translation>
    </message>
    <message>
        <source>Has been disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>Get configuration failed</source>
        <translation>获取配置失败</translation>
    </message>
    <message>
        <source>Disconnected from the network</source>
        <translation>网络已断开</translation>
    </message>
    <message>
        <source>IP conflict</source>
        <translation>IP冲突</translation>
    </message>
    <message>
        <source>Lack of resources</source>
        <translation>资源不足</translation>
    </message>
    <message>
        <source>Bit stream exception</source>
        <translation>码流异常</translation>
    </message>
    <message>
        <source>Password error</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Channel is full, Please delete it and then add</source>
        <translation>通道已满，请先删除再添加</translation>
    </message>
    <message>
        <source>Wireless IPC does not support modifying IP address!</source>
        <translation>无线IPC不支持修改IP地址！</translation>
    </message>
    <message>
        <source>The device IP is being modified. Please search again later.</source>
        <translation>正在修改设备IP，请稍后重新搜索。</translation>
    </message>
    <message>
        <source>The operation successfully, The channel information is being refreshed</source>
        <translation>操作成功，正在刷新通道信息</translation>
    </message>
    <message>
        <source>The NVR's channel list has not been read yet. Please wait for it or read it again.</source>
        <translation>尚未读取录像机的通道列表。请等待读取完成或重新读取。</translation>
    </message>
</context>
<context>
    <name>CNVRChannelAddDevDlg</name>
    <message>
        <source>NVRChannelAdd</source>
        <translation>添加通道</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Auth Type</source>
        <translation>认证方式</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
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
        <translation>镜头</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CNVRChannelModifyIPDlg</name>
    <message>
        <source>Modify IPAddress</source>
        <translation>修改IP地址</translation>
    </message>
    <message>
        <source>Modify IP-</source>
        <translation>修改IP-</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Modify Channel Dev</source>
        <translation>修改通道设备</translation>
    </message>
    <message>
        <source>The log file %1 cannot be written (%2); the client goes on without its log.</source>
        <translation>无法写入日志文件 %1（%2）；客户端将在没有日志的情况下继续运行。</translation>
    </message>
    <message>
        <source>Database initialization failed!</source>
        <translation>数据库初始化失败！</translation>
    </message>
    <message>
        <source>Init app...</source>
        <translation>正在初始化程序...</translation>
    </message>
    <message>
        <source>Init main page ...</source>
        <translation>正在初始化主页面 ...</translation>
    </message>
    <message>
        <source>Load page ...</source>
        <translation>正在加载页面 ...</translation>
    </message>
    <message>
        <source>Finished！</source>
        <translation>完成！</translation>
    </message>
    <message>
        <source>The database %1 was not made by this client or by a version of it that it knows, and has been left unchanged.
Move it away to start with a new database.</source>
        <translation>数据库 %1 不是由本客户端或其已知版本创建的，已保持原样，未作任何更改。
请将其移走，客户端将以新的数据库启动。</translation>
    </message>
    <message>
        <source>The database is in use by another program; waiting for it...</source>
        <translation>数据库正被其他程序使用，正在等待...</translation>
    </message>
</context>
<context>
    <name>CNVRDateSetting</name>
    <message>
        <source>Device Time</source>
        <translation>设备时间</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>设置时间</translation>
    </message>
    <message>
        <source>Synchronize with the local time</source>
        <translation>与本地时间同步</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Time Zone Set</source>
        <translation>时区设置</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>时间格式</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24小时制</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12小时制</translation>
    </message>
    <message>
        <source>IPC Timing</source>
        <translation>IPC校时</translation>
    </message>
    <message>
        <source>interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Show System Time</source>
        <translation>显示系统时间</translation>
    </message>
    <message>
        <source>Show Channal</source>
        <translation>显示通道</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>夏令时</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>CNVRSummerTimeDlg</name>
    <message>
        <source>Setting SummerTime</source>
        <translation>夏令时设置</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>时:分</translation>
    </message>
    <message>
        <source>Clock Adjust</source>
        <translation>时钟调整</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>First</source>
        <translation>第一周</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>第二周</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>第三周</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>第四周</translation>
    </message>
    <message>
        <source>Finally</source>
        <translation>最后一周</translation>
    </message>
    <message>
        <source>Delayed</source>
        <translation>推迟</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>提前</translation>
    </message>
</context>
<context>
    <name>CNVRStoragePlan</name>
    <message>
        <source>IP Channel</source>
        <translation>IP通道</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>No Record</source>
        <translation>不录像</translation>
    </message>
    <message>
        <source>General Record</source>
        <translation>普通录像</translation>
    </message>
    <message>
        <source>Detection Record</source>
        <translation>侦测录像</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>智能录像</translation>
    </message>
    <message>
        <source>Copy this setting to</source>
        <translation>复制此设置到</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Not saved: the recorder refused this schedule.</source>
        <translation>未保存：录像机拒绝了此录像计划。</translation>
    </message>
    <message>
        <source>Not saved: the recorder gave no usable answer.</source>
        <translation>未保存：录像机没有给出有效应答。</translation>
    </message>
    <message>
        <source>Not saved: the recorder is not connected.</source>
        <translation>未保存：录像机未连接。</translation>
    </message>
</context>
<context>
    <name>ReplayControl</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>倍速</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快放</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢放</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>抓图</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>单帧</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
</context>
<context>
    <name>CVideoPlayback</name>
    <message>
        <source>CVideoPlayback</source>
        <translation>录像回放</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>本地</translation>
    </message>
    <message>
        <source>NVR</source>
        <translation>NVR</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>云端</translation>
    </message>
</context>
<context>
    <name>LocalVideoReplayWnd</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>输入设备名称进行筛选</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>该日期没有录像。</translation>
    </message>
    <message>
        <source>The maximum number of connections has been reached!</source>
        <translation>已达到最大连接数！</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>按ESC键退出全屏。</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>抓图成功</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>保存至</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>抓图失败</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>创建文件目录失败！</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>回放结束</translation>
    </message>
</context>
<context>
    <name>RecordWnd</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Record Backup</source>
        <translation>录像备份</translation>
    </message>
    <message>
        <source>StartTime</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>EndTime</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Start Download</source>
        <translation>开始下载</translation>
    </message>
    <message>
        <source>End Download</source>
        <translation>结束下载</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>输入设备名称进行筛选</translation>
    </message>
    <message>
        <source>Start Replay</source>
        <translation>开始回放</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>无录像记录</translation>
    </message>
    <message>
        <source>Starting stream retrieval, please wait...</source>
        <translation>正在获取码流，请稍候...</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>回放结束</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>抓图成功</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>保存至</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>抓图失败</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>按ESC键退出全屏。</translation>
    </message>
    <message>
        <source>Please select the device to operate.</source>
        <translation>请选择要操作的设备。</translation>
    </message>
    <message>
        <source>The current channel is playing back, please stop playback and try again.</source>
        <translation>当前通道正在回放，请停止回放后重试。</translation>
    </message>
    <message>
        <source>Video is downloading, please wait for the download to finish.</source>
        <translation>录像正在下载，请等待下载完成。</translation>
    </message>
    <message>
        <source>Only videos from the same day can be downloaded.</source>
        <translation>只能下载同一天的录像。</translation>
    </message>
    <message>
        <source>Start time can not be greater than the end time.</source>
        <translation>开始时间不能大于结束时间。</translation>
    </message>
    <message>
        <source>Download successful</source>
        <translation>下载成功</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <source>Download incomplete</source>
        <translation>下载不完整</translation>
    </message>
    <message>
        <source>a piece of a frame never arrived</source>
        <translation>某一帧的部分数据未收到</translation>
    </message>
    <message>
        <source>frames of the recording never arrived</source>
        <translation>录像的部分帧未收到</translation>
    </message>
    <message>
        <source>a frame larger than allowed was dropped</source>
        <translation>一帧超出允许的大小，已被丢弃</translation>
    </message>
    <message>
        <source>the recorder stopped sending in the middle of a frame</source>
        <translation>录像机在发送某一帧的中途停止了</translation>
    </message>
    <message>
        <source>Please select a channel to download.</source>
        <translation>请选择要下载的通道。</translation>
    </message>
    <message>
        <source>Failed to create file directory!</source>
        <translation>创建文件目录失败！</translation>
    </message>
    <message>
        <source>Playback stopped: the connection to the recorder was lost</source>
        <translation>回放已停止：与录像机的连接已断开</translation>
    </message>
    <message>
        <source>The recorder is back: play the channel again</source>
        <translation>录像机已恢复连接：请重新播放该通道</translation>
    </message>
    <message>
        <source>Download incomplete: the connection to the recorder was lost at %1 (%2 s of %3 s kept)</source>
        <translation>下载不完整：与录像机的连接在 %1 断开（已保存 %2 秒，共 %3 秒）</translation>
    </message>
    <message>
        <source>Download failed: the connection to the recorder was lost before any footage came</source>
        <translation>下载失败：在收到任何录像之前与录像机的连接已断开</translation>
    </message>
    <message>
        <source>Download incomplete: the recorder stopped sending at %1 (%2 s of %3 s kept)</source>
        <translation>下载不完整：录像机在 %1 停止发送（已保存 %2 秒，共 %3 秒）</translation>
    </message>
    <message>
        <source>Download failed: the recorder did not answer the request</source>
        <translation>下载失败：录像机未响应请求</translation>
    </message>
    <message>
        <source>Download failed: the recorder sent no footage of the range</source>
        <translation>下载失败：录像机未发送该时间段的任何录像</translation>
    </message>
</context>
<context>
    <name>AlarmEventWidget</name>
    <message>
        <source>Monitoring points</source>
        <translation>监控点</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>事件类型</translation>
    </message>
    <message>
        <source>Basic Event</source>
        <translation>基础事件</translation>
    </message>
    <message>
        <source>Motion Detection</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Video is missing</source>
        <translation>视频丢失</translation>
    </message>
    <message>
        <source>Smart Event</source>
        <translation>智能事件</translation>
    </message>
    <message>
        <source>Human detection</source>
        <translation>人形检测</translation>
    </message>
    <message>
        <source>Face Detection</source>
        <translation>人脸检测</translation>
    </message>
    <message>
        <source>Audio noise</source>
        <translation>声音异常</translation>
    </message>
    <message>
        <source>Other Event</source>
        <translation>其他事件</translation>
    </message>
    <message>
        <source>Device is offline</source>
        <translation>设备离线</translation>
    </message>
    <message>
        <source>Illegal access</source>
        <translation>非法访问</translation>
    </message>
    <message>
        <source>Disk failure</source>
        <translation>硬盘故障</translation>
    </message>
    <message>
        <source>I/O Event</source>
        <translation>I/O 事件</translation>
    </message>
    <message>
        <source>Alarm input</source>
        <translation>报警输入</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>事件联动</translation>
    </message>
    <message>
        <source>Video popup</source>
        <translation>视频弹窗</translation>
    </message>
    <message>
        <source>Pop-up window duration</source>
        <translation>弹窗时长</translation>
    </message>
    <message>
        <source>Linkage recording</source>
        <translation>联动录像</translation>
    </message>
    <message>
        <source>Recording duration</source>
        <translation>录像时长</translation>
    </message>
    <message>
        <source>Snapshot pictures</source>
        <translation>抓拍图片</translation>
    </message>
    <message>
        <source>Linkage monitoring point</source>
        <translation>联动监控点</translation>
    </message>
    <message>
        <source>Monitoring point selection</source>
        <translation>监控点选择</translation>
    </message>
    <message>
        <source>Perform preset</source>
        <translation>执行预置位</translation>
    </message>
    <message>
        <source>send email</source>
        <translation>发送邮件</translation>
    </message>
    <message>
        <source>Audio prompt</source>
        <translation>声音提示</translation>
    </message>
    <message>
        <source>Custom audio</source>
        <translation>自定义声音</translation>
    </message>
    <message>
        <source>Audio duration</source>
        <translation>声音时长</translation>
    </message>
    <message>
        <source>Map flashes</source>
        <translation>地图闪烁</translation>
    </message>
    <message>
        <source>Linked IO output</source>
        <translation>联动 IO 输出</translation>
    </message>
    <message>
        <source>IO output selection</source>
        <translation>IO 输出选择</translation>
    </message>
    <message>
        <source>Output duration</source>
        <translation>输出时长</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>布防时间</translation>
    </message>
    <message>
        <source>All week</source>
        <translation>全周</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>%1 no longer exists: no alarm settings were saved for it</source>
        <translation>%1 已不存在：未为其保存任何报警设置</translation>
    </message>
    <message>
        <source>Choose a device in the list to see and change its alarm settings.</source>
        <translation>请在列表中选择一个设备，以查看并修改其报警设置。</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database is in use by another program. Choose the device again to try once more.</source>
        <translation>无法读取此设备的报警设置：数据库正被其他程序使用。请重新选择该设备再试一次。</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read: the database file is damaged.</source>
        <translation>无法读取此设备的报警设置：数据库文件已损坏。</translation>
    </message>
    <message>
        <source>The alarm settings of this device could not be read. Choose the device again to try once more.</source>
        <translation>无法读取此设备的报警设置。请重新选择该设备再试一次。</translation>
    </message>
    <message>
        <source>the alarm settings</source>
        <translation>报警设置</translation>
    </message>
</context>
<context>
    <name>CopyAlarmEvent</name>
    <message>
        <source>copy to</source>
        <translation>复制到</translation>
    </message>
    <message>
        <source>  Device / channel</source>
        <translation>  设备 / 通道</translation>
    </message>
    <message>
        <source>Copy content</source>
        <translation>复制内容</translation>
    </message>
    <message>
        <source>  Event type</source>
        <translation>  事件类型</translation>
    </message>
    <message>
        <source>Event linkage</source>
        <translation>事件联动</translation>
    </message>
    <message>
        <source>Arming time</source>
        <translation>布防时间</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>AlarmInfoWidget</name>
    <message>
        <source>Event Query</source>
        <translation>事件查询</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Device / Channel</source>
        <translation>设备 / 通道</translation>
    </message>
    <message>
        <source>Processing status</source>
        <translation>处理状态</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>待处理</translation>
    </message>
    <message>
        <source>processing</source>
        <translation>处理中</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>已处理</translation>
    </message>
    <message>
        <source>Event type</source>
        <translation>事件类型</translation>
    </message>
    <message>
        <source>Motion detection</source>
        <translation>移动侦测</translation>
    </message>
    <message>
        <source>Face event</source>
        <translation>人脸事件</translation>
    </message>
    <message>
        <source>Human event</source>
        <translation>人形事件</translation>
    </message>
    <message>
        <source>high temperature</source>
        <translation>高温</translation>
    </message>
    <message>
        <source>low temperature</source>
        <translation>低温</translation>
    </message>
    <message>
        <source>Sound detection</source>
        <translation>声音检测</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Batch processing</source>
        <translation>批量处理</translation>
    </message>
    <message>
        <source>Export record</source>
        <translation>导出记录</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Enter the device name to filter</source>
        <translation>输入设备名称进行筛选</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>excel (*.xlsx *.xls )</source>
        <translation>Excel 文件 (*.xlsx *.xls )</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>导出失败</translation>
    </message>
    <message>
        <source>The alarm records cannot be read now: the database is in use by another program.</source>
        <translation>暂时无法读取报警记录：数据库正被其他程序使用。</translation>
    </message>
    <message>
        <source>The alarm records cannot be read.</source>
        <translation>无法读取报警记录。</translation>
    </message>
    <message>
        <source>The alarm records cannot be read: the database file is damaged.</source>
        <translation>无法读取报警记录：数据库文件已损坏。</translation>
    </message>
    <message>
        <source>Shown: the records of the last search that was read.</source>
        <translation>显示的是上次成功读取的搜索记录。</translation>
    </message>
    <message>
        <source>the alarms marked solved</source>
        <translation>标记为已处理的报警</translation>
    </message>
</context>
<context>
    <name>AlarmInfoProcessing</name>
    <message>
        <source>Processing records</source>
        <translation>处理记录</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
</context>
<context>
    <name>AlarmManageWidget</name>
    <message>
        <source>Alarm Event </source>
        <translation>报警事件 </translation>
    </message>
    <message>
        <source>Alarm Info</source>
        <translation>报警信息</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPane</name>
    <message>
        <source>Reconnecting...</source>
        <translation>正在重新连接...</translation>
    </message>
    <message>
        <source>No video</source>
        <translation>无视频</translation>
    </message>
    <message>
        <source>Video interrupted</source>
        <translation>视频中断</translation>
    </message>
    <message>
        <source>Play failed</source>
        <translation>播放失败</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>The source refuses connections</source>
        <translation>视频源拒绝连接</translation>
    </message>
</context>
<context>
    <name>RemoteCfg_Widget</name>
    <message>
        <source>Set up to four time periods in a day!</source>
        <translation>一天最多设置四个时间段！</translation>
    </message>
</context>
<context>
    <name>PlatformSettingWidget</name>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Access mode</source>
        <translation>接入方式</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Unregistered</source>
        <translation>未注册</translation>
    </message>
    <message>
        <source>In registration</source>
        <translation>注册中</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>已注册</translation>
    </message>
    <message>
        <source>Write off</source>
        <translation>已注销</translation>
    </message>
</context>
<context>
    <name>VersionInformation</name>
    <message>
        <source>Device Model</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>固件版本</translation>
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
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>VideoEncodeWidget</name>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Main Stream</source>
        <translation>主码流</translation>
    </message>
    <message>
        <source>Sub Stream</source>
        <translation>子码流</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>编码类型</translation>
    </message>
    <message>
        <source>Bitrate Control</source>
        <translation>码率控制</translation>
    </message>
    <message>
        <source>Bitrate Toplimit</source>
        <translation>码率上限</translation>
    </message>
    <message>
        <source>I Frame Interval</source>
        <translation>I帧间隔</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>可变码率</translation>
    </message>
    <message>
        <source>Constant</source>
        <translation>固定码率</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Main stream bitrate out of bounds</source>
        <translation>主码流码率超出范围</translation>
    </message>
    <message>
        <source>Sub stream bitrate out of bounds</source>
        <translation>子码流码率超出范围</translation>
    </message>
    <message>
        <source>The device needs to be restarted for the modification to take effect</source>
        <translation>设备需要重启才能使修改生效</translation>
    </message>
</context>
<context>
    <name>MD_AudioCode_Widget</name>
    <message>
        <source>audioEncode</source>
        <translation>音频编码</translation>
    </message>
    <message>
        <source>Enable Encode</source>
        <translation>启用编码</translation>
    </message>
    <message>
        <source>Encode Type</source>
        <translation>编码类型</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>audioDecode</source>
        <translation>音频解码</translation>
    </message>
    <message>
        <source>Enable decode</source>
        <translation>启用解码</translation>
    </message>
    <message>
        <source>decode Type</source>
        <translation>解码类型</translation>
    </message>
    <message>
        <source>bitWidth</source>
        <translation>位宽</translation>
    </message>
    <message>
        <source>soundmode</source>
        <translation>声道模式</translation>
    </message>
    <message>
        <source>Volume Settings</source>
        <translation>音量设置</translation>
    </message>
    <message>
        <source>MIC Volume</source>
        <translation>麦克风音量</translation>
    </message>
    <message>
        <source>Speaker Volume</source>
        <translation>扬声器音量</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>VideoImageSetting</name>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Night Vision Mode</source>
        <translation>夜视模式</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>Backlight</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>WB</source>
        <translation>白平衡</translation>
    </message>
    <message>
        <source>PE</source>
        <translation>图像增强</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>锐度</translation>
    </message>
    <message>
        <source>Video Format</source>
        <translation>视频制式</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>antiFlicker</source>
        <translation>防闪烁</translation>
    </message>
    <message>
        <source>around</source>
        <translation>左右</translation>
    </message>
    <message>
        <source>up and down</source>
        <translation>上下</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Rotate 90 degrees</source>
        <translation>旋转90度</translation>
    </message>
    <message>
        <source>Rotate 270 degrees</source>
        <translation>旋转270度</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>强制</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Exposure time</source>
        <translation>曝光时间</translation>
    </message>
    <message>
        <source>Gain intensity</source>
        <translation>增益强度</translation>
    </message>
    <message>
        <source>Strong light suppression</source>
        <translation>强光抑制</translation>
    </message>
    <message>
        <source>Backlight compensation</source>
        <translation>背光补偿</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Auto White Balance</source>
        <translation>自动白平衡</translation>
    </message>
    <message>
        <source>Manual White Balance</source>
        <translation>手动白平衡</translation>
    </message>
    <message>
        <source>Red Gain</source>
        <translation>红色增益</translation>
    </message>
    <message>
        <source>Blue Gain</source>
        <translation>蓝色增益</translation>
    </message>
    <message>
        <source>WideDynamic</source>
        <translation>宽动态</translation>
    </message>
    <message>
        <source>Strenth Target</source>
        <translation>强度目标</translation>
    </message>
    <message>
        <source>Denoise  Mode</source>
        <translation>降噪模式</translation>
    </message>
    <message>
        <source>Denoise Strenth</source>
        <translation>降噪强度</translation>
    </message>
    <message>
        <source>Smart Mode</source>
        <translation>智能模式</translation>
    </message>
    <message>
        <source>Infrared Mode</source>
        <translation>红外模式</translation>
    </message>
    <message>
        <source>Full Color Mode</source>
        <translation>全彩模式</translation>
    </message>
    <message>
        <source>Change the video format and IPC will restart.</source>
        <translation>更改视频制式后IPC将重启。</translation>
    </message>
</context>
<context>
    <name>MD_TimeTitle_Widget</name>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>日期格式</translation>
    </message>
    <message>
        <source>Do not display</source>
        <translation>不显示</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Before Date</source>
        <translation>日期前</translation>
    </message>
    <message>
        <source>After Date</source>
        <translation>日期后</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>星期</translation>
    </message>
    <message>
        <source>12-hour</source>
        <translation>12小时制</translation>
    </message>
    <message>
        <source>Show Name</source>
        <translation>显示名称</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Custom One</source>
        <translation>自定义一</translation>
    </message>
    <message>
        <source>Custom Two</source>
        <translation>自定义二</translation>
    </message>
    <message>
        <source>Custom Three</source>
        <translation>自定义三</translation>
    </message>
    <message>
        <source>OSD Frame</source>
        <translation>OSD边框</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>RecordSchedule</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Add Strategy</source>
        <translation>添加策略</translation>
    </message>
    <message>
        <source>Delete Strategy</source>
        <translation>删除策略</translation>
    </message>
    <message>
        <source>Original Device</source>
        <translation>原始设备</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Record Device</source>
        <translation>录像设备</translation>
    </message>
    <message>
        <source>Record time</source>
        <translation>录像时间</translation>
    </message>
    <message>
        <source>All day</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>Workday</source>
        <translation>工作日</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Drag up the time period for removal</source>
        <translation>向上拖动时间段可将其删除</translation>
    </message>
    <message>
        <source>Record strategy</source>
        <translation>录像策略</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Please add at least one device</source>
        <translation>请至少添加一个设备</translation>
    </message>
    <message>
        <source>Please add at least one video save path</source>
        <translation>请至少添加一个录像保存路径</translation>
    </message>
    <message>
        <source>Hard disk space is less than 5GB, video recording has stopped.</source>
        <translation>硬盘空间不足5GB，录像已停止。</translation>
    </message>
    <message>
        <source>Not recording: the stream failed, trying again</source>
        <translation>未在录像：视频流中断，正在重试</translation>
    </message>
    <message>
        <source>Not recording: the device is not found</source>
        <translation>未在录像：未找到设备</translation>
    </message>
    <message>
        <source>Not recording: the disk is full or cannot be written</source>
        <translation>未在录像：磁盘已满或无法写入</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder; it starts again when it can.</source>
        <translation>录像无法写入存储文件夹；可以写入时将自动重新开始。</translation>
    </message>
    <message>
        <source>Not recording: the storage folder is not there</source>
        <translation>未在录像：存储文件夹不存在</translation>
    </message>
    <message>
        <source>The storage folder %1 is not there (is its disk mounted?); recording starts again when it is back.</source>
        <translation>存储文件夹 %1 不存在（其磁盘是否已挂载？）；文件夹恢复后将自动重新开始录像。</translation>
    </message>
    <message>
        <source>The folder %1 is not the storage folder recorded into before (is its disk mounted?); nothing is written into it. Recording starts again when that disk is back; to record into this folder, choose it again under Configuration.</source>
        <translation>文件夹 %1 不是之前录像所用的存储文件夹（其磁盘是否已挂载？）；不会向其中写入任何内容。该磁盘恢复后将自动重新开始录像；若要录像到此文件夹，请在“配置”中重新选择它。</translation>
    </message>
    <message>
        <source>Not recording: the folder is not this client's storage folder</source>
        <translation>未在录像：该文件夹不是本客户端的存储文件夹</translation>
    </message>
    <message>
        <source>Not recording: the storage folder cannot be written</source>
        <translation>未在录像：无法写入存储文件夹</translation>
    </message>
    <message>
        <source>Not recording: another client records into the storage folder</source>
        <translation>未在录像：另一个客户端正在向存储文件夹录像</translation>
    </message>
    <message>
        <source>Not recording: the storage folder's disk is not mounted</source>
        <translation>未在录像：存储文件夹所在的磁盘未挂载</translation>
    </message>
    <message>
        <source>Not recording: the client's settings cannot be read</source>
        <translation>未在录像：无法读取客户端设置</translation>
    </message>
    <message>
        <source>Not recording: the folder lies inside another client's storage folder</source>
        <translation>未在录像：该文件夹位于另一个客户端的存储文件夹内</translation>
    </message>
    <message>
        <source>The folder %1 lies inside %2, the storage folder of another client; this client writes nothing there, so that neither touches the other's recordings. Choose another folder under Configuration.</source>
        <translation>文件夹 %1 位于另一个客户端的存储文件夹 %2 内；本客户端不会向其中写入任何内容，以免双方改动对方的录像。请在“配置”中选择其他文件夹。</translation>
    </message>
    <message>
        <source>the database is in use by another program</source>
        <translation>数据库正被其他程序使用</translation>
    </message>
    <message>
        <source>A disk mounted at %2 covers the storage folder %1 and is not this client's storage; nothing is written onto it. Recording starts again when that disk is unmounted; to record onto it, choose the folder again under Configuration.</source>
        <translation>挂载在 %2 的磁盘覆盖了存储文件夹 %1，它不是本客户端的存储；不会向其写入任何内容。该磁盘卸载后将自动重新开始录像；若要录像到该磁盘，请在“配置”中重新选择该文件夹。</translation>
    </message>
    <message>
        <source>Another client records into the storage folder %1 (it holds the lock on %2); this client writes nothing there. Recording starts when that client stops; or choose another folder under Configuration.</source>
        <translation>另一个客户端正在向存储文件夹 %1 录像（它持有 %2 的锁）；本客户端不会向其中写入任何内容。该客户端停止后将开始录像；也可在“配置”中选择其他文件夹。</translation>
    </message>
    <message>
        <source>The storage folder %1 lies under %2, where the system mounts a disk, and no disk is mounted there now; nothing is written. Recording starts when it is mounted.</source>
        <translation>存储文件夹 %1 位于 %2 之下，系统会在该处挂载磁盘，但目前没有挂载任何磁盘；不会写入任何内容。磁盘挂载后将开始录像。</translation>
    </message>
    <message>
        <source>The storage folder %1 cannot be checked while the client's settings cannot be read (%2); recording starts when they can be read.</source>
        <translation>无法读取客户端设置（%2），因此无法核对存储文件夹 %1；设置可读取后将开始录像。</translation>
    </message>
    <message>
        <source>Video recording cannot be written to the storage folder %1 (%2); it starts again when it can.</source>
        <translation>无法将录像写入存储文件夹 %1（%2）；可以写入时将自动重新开始。</translation>
    </message>
    <message>
        <source>The client's settings cannot be saved in the database (%1): the storage folder is known for this run only.</source>
        <translation>无法将客户端设置保存到数据库（%1）：存储文件夹仅在本次运行中有效。</translation>
    </message>
    <message>
        <source>A disk was mounted at %2: recording goes on in %1 on it. What was recorded before lies in %1 on %3 (mounted at %4), hidden under the mount point %2 while that disk is mounted.</source>
        <translation>已在 %2 挂载磁盘：录像继续写入该磁盘上的 %1。之前的录像位于 %3（挂载于 %4）上的 %1 中，在该磁盘挂载期间被挂载点 %2 遮盖。</translation>
    </message>
    <message>
        <source>The client's settings table %4 in the database file %2 cannot be read (%3); the file may be damaged. The storage folder %1 cannot be checked, and nothing is recorded until the settings can be read.</source>
        <translation>无法读取数据库文件 %2 中的客户端设置表 %4（%3）；该文件可能已损坏。无法核对存储文件夹 %1，在设置可读取之前不会录像。</translation>
    </message>
    <message>
        <source>The storage folder %1 was removed from its disk, which is still mounted. It is this client's own, so the client made it again, and recording goes on in it.</source>
        <translation>存储文件夹 %1 已从其磁盘上被删除，而该磁盘仍处于挂载状态。该文件夹属于本客户端，因此客户端已重新创建它，录像在其中继续进行。</translation>
    </message>
    <message>
        <source>Recording follows the plan read before meanwhile.</source>
        <translation>在此期间，录像按之前读取的计划进行。</translation>
    </message>
    <message>
        <source>Nothing is recorded until it can be read.</source>
        <translation>在其可读取之前不会录像。</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read now: the database is in use by another program. %3 It is read again by itself.</source>
        <translation>目前无法读取数据库文件 %2 中的表 %1：数据库正被其他程序使用。%3 将自动重新读取。</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read: the file is damaged (%3). %4 It is read again by itself.</source>
        <translation>无法读取数据库文件 %2 中的表 %1：该文件已损坏（%3）。%4 将自动重新读取。</translation>
    </message>
    <message>
        <source>The table %1 of the database file %2 cannot be read (%3). %4 It is read again by itself.</source>
        <translation>无法读取数据库文件 %2 中的表 %1（%3）。%4 将自动重新读取。</translation>
    </message>
    <message>
        <source>the storage schedule</source>
        <translation>存储计划</translation>
    </message>
</context>
<context>
    <name>recordAdvanceConfigDlg</name>
    <message>
        <source>Advanced Configuration</source>
        <translation>高级配置</translation>
    </message>
    <message>
        <source> File config</source>
        <translation> 文件配置</translation>
    </message>
    <message>
        <source>Single File time</source>
        <translation>单个文件时长</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Stream type</source>
        <translation>码流类型</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>录制音频</translation>
    </message>
    <message>
        <source>Save Policy</source>
        <translation>存储策略</translation>
    </message>
    <message>
        <source>Delete the old video when it's full</source>
        <translation>磁盘满时删除旧录像</translation>
    </message>
    <message>
        <source>Stop the video when it's full</source>
        <translation>磁盘满时停止录像</translation>
    </message>
    <message>
        <source>Save path</source>
        <translation>保存路径</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Main stream</source>
        <translation>主码流</translation>
    </message>
    <message>
        <source>Sub stream</source>
        <translation>子码流</translation>
    </message>
    <message>
        <source>Open Recrod Directory</source>
        <translation>打开录像目录</translation>
    </message>
    <message>
        <source>Disk remaining space is less than 5G, unable to save video!</source>
        <translation>磁盘剩余空间不足5G，无法保存录像！</translation>
    </message>
    <message>
        <source>Please add at least one video save path</source>
        <translation>请至少添加一个录像保存路径</translation>
    </message>
    <message>
        <source>The folder cannot be used for recordings: %1</source>
        <translation>该文件夹无法用于录像：%1</translation>
    </message>
    <message>
        <source>the recording folder</source>
        <translation>录像文件夹</translation>
    </message>
</context>
<context>
    <name>IotReplayWnd</name>
    <message>
        <source>Enter the device name to filter</source>
        <translation>输入设备名称进行筛选</translation>
    </message>
    <message>
        <source>There is no video in this day.</source>
        <translation>当天没有录像。</translation>
    </message>
    <message>
        <source>There is no video in this month.</source>
        <translation>本月没有录像。</translation>
    </message>
    <message>
        <source>The device is previewing and cannot be play record.</source>
        <translation>设备正在预览，无法回放录像。</translation>
    </message>
    <message>
        <source>Record play failed.</source>
        <translation>录像播放失败。</translation>
    </message>
    <message>
        <source>Snapshot failed</source>
        <translation>抓图失败</translation>
    </message>
    <message>
        <source>Snapshot successful</source>
        <translation>抓图成功</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>保存至</translation>
    </message>
    <message>
        <source>Press ESC to exit the full screen.</source>
        <translation>按ESC键退出全屏。</translation>
    </message>
    <message>
        <source>Playback ended</source>
        <translation>回放结束</translation>
    </message>
</context>
<context>
    <name>IotLoginDlg</name>
    <message>
        <source>Cloud Login</source>
        <translation>云登录</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Remote login successful</source>
        <translation>远程登录成功</translation>
    </message>
    <message>
        <source>The cloud store cannot be read. It is looked for in the folder %1</source>
        <translation>无法读取云端数据存储。查找位置为文件夹 %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cloud</source>
        <translation>云</translation>
    </message>
    <message>
        <source>log out?</source>
        <translation>退出登录？</translation>
    </message>
    <message>
        <source>Live Video</source>
        <translation>实时预览</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>Storage Schedule</source>
        <translation>存储计划</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>设备管理</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>权限</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Not available in this version</source>
        <translation>此版本不支持</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首页</translation>
    </message>
    <message>
        <source>Closing: waiting for the database to store what is left. Changes: %1, alarms: %2.</source>
        <translation>正在关闭：等待数据库保存剩余内容。更改：%1，报警：%2。</translation>
    </message>
    <message>
        <source>Not saved at close, the database is in use by another program. Changes: %1, alarms: %2.</source>
        <translation>关闭时未保存，数据库正被其他程序使用。更改：%1，报警：%2。</translation>
    </message>
    <message>
        <source>Alarms not saved before the close: %1.</source>
        <translation>关闭前未保存的报警：%1 条。</translation>
    </message>
</context>
<context>
    <name>CommonDetection</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>联动</translation>
    </message>
    <message>
        <source>White Light</source>
        <translation>白光灯</translation>
    </message>
    <message>
        <source>Always bright</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>Flicker</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持续时间</translation>
    </message>
    <message>
        <source>(5-60)s</source>
        <translation>(5-60)秒</translation>
    </message>
    <message>
        <source>Voice Alarm</source>
        <translation>声音报警</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Check Source</source>
        <translation>检测声源</translation>
    </message>
    <message>
        <source>Auto Music</source>
        <translation>自动播放音乐</translation>
    </message>
    <message>
        <source>Summer Night</source>
        <translation>夏夜</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>安宁</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>好运</translation>
    </message>
    <message>
        <source>Lighthouse</source>
        <translation>灯塔</translation>
    </message>
    <message>
        <source>Little Conch</source>
        <translation>小海螺</translation>
    </message>
    <message>
        <source>Not Playing</source>
        <translation>不播放</translation>
    </message>
</context>
<context>
    <name>CMoveDetectTimeSetDlg</name>
    <message>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
</context>
<context>
    <name>AL_MoveDetect_Widget</name>
    <message>
        <source>Arming Time</source>
        <translation>布防时间</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>FaceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>布防时间</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>BCDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>布防时间</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>PeopleDetection</name>
    <message>
        <source>Human Figure Track</source>
        <translation>人形追踪</translation>
    </message>
    <message>
        <source>Arming Time</source>
        <translation>布防时间</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>VoiceDetection</name>
    <message>
        <source>Arming Time</source>
        <translation>布防时间</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>VideoPreviewPlayController</name>
    <message>
        <source>No stream address</source>
        <translation>无码流地址</translation>
    </message>
</context>
<context>
    <name>MainViewVideoPreview</name>
    <message>
        <source>%1 screens</source>
        <translation>%1 画面</translation>
    </message>
    <message>
        <source>Search device</source>
        <translation>搜索设备</translation>
    </message>
</context>
<context>
    <name>DeviceManageWidget</name>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>设备类型</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>设备序列号</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>版本信息</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Choose update Files</source>
        <translation>选择升级文件</translation>
    </message>
    <message>
        <source>The file cannot be accessed!</source>
        <translation>无法访问该文件！</translation>
    </message>
    <message>
        <source>Please select file to be upgraded!</source>
        <translation>请选择升级文件！</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>请只勾选一项。</translation>
    </message>
    <message>
        <source>Device is nullptr</source>
        <translation>设备不存在</translation>
    </message>
    <message>
        <source>The device type does not support upgrade</source>
        <translation>该设备类型不支持升级</translation>
    </message>
    <message>
        <source>There are connection failed devices in the selected list, please re-select</source>
        <translation>所选设备中有连接失败的设备，请重新选择</translation>
    </message>
    <message>
        <source>Begin upgrade, Please wait</source>
        <translation>开始升级，请稍候</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上传...</translation>
    </message>
    <message>
        <source>Upgrade fail</source>
        <translation>升级失败</translation>
    </message>
    <message>
        <source>Upgrade Progress</source>
        <translation>升级进度</translation>
    </message>
    <message>
        <source>Upgrade success,The device will restart</source>
        <translation>升级成功，设备将重启</translation>
    </message>
    <message>
        <source>Added device</source>
        <translation>已添加设备</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Search Device</source>
        <translation>搜索设备</translation>
    </message>
    <message>
        <source>Manual Device</source>
        <translation>手动添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>批量修改</translation>
    </message>
    <message>
        <source>Device Group</source>
        <translation>设备分组</translation>
    </message>
    <message>
        <source>selected:</source>
        <translation>已选：</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>台</translation>
    </message>
    <message>
        <source>Upgrade File</source>
        <translation>升级文件</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>File Upgrade</source>
        <translation>文件升级</translation>
    </message>
    <message>
        <source>DeviceManageWidget</source>
        <translation>设备管理</translation>
    </message>
</context>
<context>
    <name>AddClientDevDlg</name>
    <message>
        <source>Private</source>
        <translation>私有协议</translation>
    </message>
    <message>
        <source>ONVIF</source>
        <translation>ONVIF</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>设备类型</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>RTSP端口</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>AddClientDevDlg</source>
        <translation>添加设备</translation>
    </message>
</context>
<context>
    <name>EditClientDevDlg</name>
    <message>
        <source>Edit Device</source>
        <translation>编辑设备</translation>
    </message>
    <message>
        <source>The password is the default.</source>
        <translation>密码为默认密码。</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Video Port</source>
        <translation>视频端口</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>forget</source>
        <translation>忘记密码</translation>
    </message>
    <message>
        <source>authType</source>
        <translation>认证方式</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>EditClientDevDlg</source>
        <translation>编辑设备</translation>
    </message>
</context>
<context>
    <name>DeviceGroupManage</name>
    <message>
        <source>A group with this name already exists.</source>
        <translation>已存在同名分组。</translation>
    </message>
    <message>
        <source>Device Group Manage </source>
        <translation>设备分组管理</translation>
    </message>
    <message>
        <source>Group Info</source>
        <translation>分组信息</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Parent</source>
        <translation>上级分组</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>DeviceGroupManage</source>
        <translation>设备分组管理</translation>
    </message>
    <message>
        <source>the device groups</source>
        <translation>设备分组</translation>
    </message>
</context>
<context>
    <name>DeviceBatchModify</name>
    <message>
        <source>Batch modify user name and password</source>
        <translation>批量修改用户名和密码</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>DeviceBatchModify</source>
        <translation>批量修改</translation>
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
        <translation>设备类型</translation>
    </message>
    <message>
        <source>Device SN</source>
        <translation>设备序列号</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>版本信息</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Search ok</source>
        <translation>搜索完成</translation>
    </message>
    <message>
        <source>Incorrect username or password.</source>
        <translation>用户名或密码错误。</translation>
    </message>
    <message>
        <source>The IP address is already in use.</source>
        <translation>该IP地址已被占用。</translation>
    </message>
    <message>
        <source>The device is being modified</source>
        <translation>设备正在修改中</translation>
    </message>
    <message>
        <source>Please search again later.</source>
        <translation>请稍后重新搜索。</translation>
    </message>
    <message>
        <source>Please check one item to modify.</source>
        <translation>请勾选一项进行修改。</translation>
    </message>
    <message>
        <source>Please check only one item.</source>
        <translation>请只勾选一项。</translation>
    </message>
    <message>
        <source>Please select a device before making any changes.</source>
        <translation>请先选择设备再进行修改。</translation>
    </message>
    <message>
        <source>DeviceSearch</source>
        <translation>设备搜索</translation>
    </message>
    <message>
        <source>Begin Search</source>
        <translation>开始搜索</translation>
    </message>
    <message>
        <source>Modify IP</source>
        <translation>修改IP</translation>
    </message>
    <message>
        <source>Restore Factory</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Batch Modify</source>
        <translation>批量修改</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The device is no longer in the search results.</source>
        <translation>该设备已不在搜索结果中。</translation>
    </message>
    <message>
        <source>CSearchManageWidget</source>
        <translation>设备搜索</translation>
    </message>
</context>
<context>
    <name>ModifyAllIPDlg</name>
    <message>
        <source>Not enough free IP addresses for the selected devices.</source>
        <translation>可用IP地址不足以分配给所选设备。</translation>
    </message>
    <message>
        <source>Batch Modify IP</source>
        <translation>批量修改IP</translation>
    </message>
    <message>
        <source>Start IP</source>
        <translation>起始IP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
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
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ModifyAllIPDlg</source>
        <translation>批量修改IP</translation>
    </message>
</context>
<context>
    <name>ModifyNetInfoDlg</name>
    <message>
        <source>Modify IP-</source>
        <translation>修改IP-</translation>
    </message>
    <message>
        <source>Modify IPAddress</source>
        <translation>修改IP地址</translation>
    </message>
    <message>
        <source>CurrentIPAddress</source>
        <translation>当前IP地址</translation>
    </message>
    <message>
        <source>IPAddress</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
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
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ModifyNetInfoDlg</source>
        <translation>修改IP地址</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Please enter the user name and password</source>
        <translation>请输入用户名和密码</translation>
    </message>
    <message>
        <source>Incorrect user name or password</source>
        <translation>用户名或密码错误</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>用户登录</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Automatic login</source>
        <translation>自动登录</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>What the next start remembers of this login was not saved.</source>
        <translation>下次启动要记住的此次登录信息未能保存。</translation>
    </message>
    <message>
        <source>the remembered login</source>
        <translation>记住的登录信息</translation>
    </message>
</context>
<context>
    <name>ForgotPassword</name>
    <message>
        <source>Dear user,please follow the steps below to reset your password:</source>
        <translation>尊敬的用户，请按以下步骤重置密码：</translation>
    </message>
    <message>
        <source>1. Scan the "Reset Password" QR code with a mobile browser, or open %1 in a browser.</source>
        <translation>1. 用手机浏览器扫描“重置密码”二维码，或在浏览器中打开 %1。</translation>
    </message>
    <message>
        <source>2. Use the QR scanner of that web page on the "Security Code" QR code on the left.</source>
        <translation>2. 用该网页的扫码功能扫描左侧的“安全码”二维码。</translation>
    </message>
    <message>
        <source>3. The security code is sent to the contact below; enter it with a new password to finish.</source>
        <translation>3. 安全码将发送到下方的联系方式；输入安全码和新密码即可完成。</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Password is empty</source>
        <translation>密码为空</translation>
    </message>
    <message>
        <source>Security code error</source>
        <translation>安全码错误</translation>
    </message>
    <message>
        <source>Security code timeout</source>
        <translation>安全码已过期</translation>
    </message>
    <message>
        <source>ContactInfo is empty</source>
        <translation>联系方式为空</translation>
    </message>
    <message>
        <source>Password is default password</source>
        <translation>密码为默认密码</translation>
    </message>
    <message>
        <source>No contact info,  defalut password 402917</source>
        <translation>无联系方式，默认密码为 402917</translation>
    </message>
    <message>
        <source>Forgot Password</source>
        <translation>忘记密码</translation>
    </message>
    <message>
        <source>Reset Password</source>
        <translation>重置密码</translation>
    </message>
    <message>
        <source>Security Code</source>
        <translation>安全码</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Please input security code</source>
        <translation>请输入安全码</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Please input new password</source>
        <translation>请输入新密码</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>确认密码</translation>
    </message>
    <message>
        <source>Please confirm password</source>
        <translation>请确认密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please scan the QR code with the APP. The security code will be sent to the contact. Enter the security code below and a new password to complete the password reset.</source>
        <translation>请使用APP扫描二维码，安全码将发送到联系方式。在下方输入安全码和新密码即可完成密码重置。</translation>
    </message>
    <message>
        <source>ForgotPassword</source>
        <translation>忘记密码</translation>
    </message>
</context>
<context>
    <name>FFmpegReplayWidget</name>
    <message>
        <source>Snapshot</source>
        <translation>抓图</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Connecting to</source>
        <translation>正在连接</translation>
    </message>
</context>
<context>
    <name>OrmHelper</name>
    <message>
        <source>Admin is the default role and has all permissions </source>
        <translation>管理员为默认角色，拥有全部权限 </translation>
    </message>
</context>
<context>
    <name>DeviceAlarmHandler</name>
    <message>
        <source>The database cannot be written: settings and alarms will not be saved.</source>
        <translation>数据库无法写入：设置和报警将不会被保存。</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the disk is full.</source>
        <translation>报警未被保存：磁盘已满。</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is read-only.</source>
        <translation>报警未被保存：数据库为只读。</translation>
    </message>
    <message>
        <source>Alarms are not being saved: they arrive faster than they can be stored.</source>
        <translation>报警未被保存：报警到达的速度超过了存储速度。</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database cannot be written.</source>
        <translation>报警未被保存：数据库无法写入。</translation>
    </message>
    <message>
        <source>Alarms are being saved again. Not saved meanwhile: %1.</source>
        <translation>报警已恢复保存。期间未保存：%1 条。</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is missing.</source>
        <translation>报警未被保存：数据库文件不存在。</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database file is damaged.</source>
        <translation>报警未被保存：数据库文件已损坏。</translation>
    </message>
    <message>
        <source>Alarms are not being saved: the database is in use by another program.</source>
        <translation>报警未被保存：数据库正被其他程序使用。</translation>
    </message>
</context>
<context>
    <name>ConfigConversation</name>
    <message>
        <source>The device is offline. Nothing was saved.</source>
        <translation>设备离线，未保存任何内容。</translation>
    </message>
    <message>
        <source>The device did not answer. The change may not have been saved.</source>
        <translation>设备未应答，更改可能未保存。</translation>
    </message>
    <message>
        <source>The connection to the device was lost. The change may not have been saved.</source>
        <translation>与设备的连接已断开，更改可能未保存。</translation>
    </message>
    <message>
        <source>The page is still being read from the device. Save once it is shown.</source>
        <translation>正在从设备读取本页，请在显示后再保存。</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>The device's answers cannot be told apart yet; reading again.</source>
        <translation>暂时无法分辨设备的应答；正在重新读取。</translation>
    </message>
    <message>
        <source>The device has not answered earlier requests of this kind yet. Nothing was saved.</source>
        <translation>设备尚未应答此前的同类请求。未保存任何内容。</translation>
    </message>
    <message>
        <source>Saved (the device answered late).</source>
        <translation>已保存（设备应答较晚）。</translation>
    </message>
    <message>
        <source>Waiting for the device to answer an earlier request of this kind; this one goes out next.</source>
        <translation>正在等待设备应答之前的同类请求；应答后立即发送本次请求。</translation>
    </message>
    <message>
        <source>The device took a change, but its answer could be another request's: the client's record of the device follows only once the device shows what it holds.</source>
        <translation>设备已接受更改，但其应答可能属于另一个请求：只有在设备显示其所保存的内容后，客户端才会更新设备记录。</translation>
    </message>
    <message>
        <source>Not sent: the device did not log in again in time. Make the change again once it is online.</source>
        <translation>未发送：设备未能及时重新登录。请在设备在线后重新进行更改。</translation>
    </message>
    <message>
        <source>Sent; waiting for the device's answer.</source>
        <translation>已发送；正在等待设备应答。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Save of %1: %2</source>
        <translation>%1 的保存：%2</translation>
    </message>
    <message>
        <source>Reconnect and read again</source>
        <translation>重新连接并再次读取</translation>
    </message>
    <message>
        <source>The device stopped answering these requests.</source>
        <translation>设备已停止应答这些请求。</translation>
    </message>
    <message>
        <source>The device sent an answer twice: the values shown cannot be trusted. Reading again.</source>
        <translation>设备重复发送了应答：显示的数值不可信。正在重新读取。</translation>
    </message>
    <message>
        <source>The device took the values of an earlier Save; the values shown now are not saved.</source>
        <translation>设备采用了之前一次保存的数值；当前显示的数值未保存。</translation>
    </message>
    <message>
        <source>The device took %1 from an earlier Save; the values shown now are not saved.</source>
        <translation>设备采用了之前一次保存中的 %1；当前显示的数值未保存。</translation>
    </message>
    <message>
        <source>The last Save may have sent values of a repeated answer; read again before saving.</source>
        <translation>上一次保存可能发送了重复应答中的数值；保存前请重新读取。</translation>
    </message>
    <message>
        <source>The device took the Save of %1; %2 shows what the device holds.</source>
        <translation>设备已采用 %1 的保存；%2 显示的是设备当前保存的数值。</translation>
    </message>
    <message>
        <source>The device took the Save of %1.</source>
        <translation>设备已采用 %1 的保存。</translation>
    </message>
</context>
<context>
    <name>ConfigPageMarks</name>
    <message>
        <source>A disk format is still running on the device: a fresh connection would never hear whether it finished.</source>
        <translation>设备上的磁盘格式化仍在进行：重新连接后将无法得知它是否完成。</translation>
    </message>
    <message>
        <source>A save still waits for the device's answer: a fresh connection would never hear whether it was stored.</source>
        <translation>一项保存仍在等待设备应答：重新连接后将无法得知它是否已保存。</translation>
    </message>
    <message>
        <source>Reconnect anyway?</source>
        <translation>仍要重新连接吗？</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>no space left on the disk</source>
        <translation>磁盘空间已满</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>磁盘为只读</translation>
    </message>
    <message>
        <source>the folder is missing</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>no permission to write there</source>
        <translation>没有写入权限</translation>
    </message>
</context>
<context>
    <name>TypedDateTimeEdit</name>
    <message>
        <source>%1 does not exist. The field keeps %2.</source>
        <translation>%1 不存在，字段保留 %2。</translation>
    </message>
</context>
<context>
    <name>StorageMark</name>
    <message>
        <source>another client records into this folder</source>
        <translation>另一个客户端正在向此文件夹录像</translation>
    </message>
    <message>
        <source>the storage folder's mark</source>
        <translation>存储文件夹的标记</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>%1 holds the other password the client kept for it, not the stored one: the client logs in with that one from now on.</source>
        <translation>%1 保存的是客户端为其保留的另一个密码，而不是已存储的密码：客户端此后将使用该密码登录。</translation>
    </message>
    <message>
        <source>%1 refused the login with the stored password and with the other one the client kept for it.</source>
        <translation>%1 拒绝了使用已存储密码及客户端为其保留的另一个密码进行的登录。</translation>
    </message>
    <message>
        <source>The camera now answers at %1; the client follows it there.</source>
        <translation>摄像机现在的地址是 %1；客户端随之跟到该地址。</translation>
    </message>
</context>
</TS>
