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
</context>
</TS>
