<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>Authentication</name>
        <message>
            <location filename="../../src/widgets/Authentication.ui" line="+29" />
            <source>Tavik Authentication</source>
            <translation>Tavik 身份验证</translation>
        </message>
        <message>
            <location line="+33" />
            <source>User Name</source>
            <translation>用户名</translation>
        </message>
        <message>
            <location line="+14" />
            <source>Confirm Password</source>
            <translation>密码</translation>
        </message>
        <message>
            <location line="+33" />
            <source>OK</source>
            <translation>确认</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>CaptureScreen</name>
        <message>
            <location filename="../../src/widgets/CaptureScreen.cpp" line="+264" />
            <source>Rect:</source>
            <translation>区域：</translation>
        </message>
    </context>
    <context>
        <name>CommonHelper</name>
        <message>
            <location filename="../../src/widgets/CommonHelperWidgets.cpp" line="+72" />
            <source>Copy</source>
            <translation>复制</translation>
        </message>
        <message>
            <location line="+158" />
            <source>Siren</source>
            <translation>警笛</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Doorbell</source>
            <translation>门铃</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bark</source>
            <translation>犬吠</translation>
        </message>
        <message>
            <location filename="../../src/Common/CommonHelper.cpp" line="+130" />
            <source>Connection failed</source>
            <translation>连接失败</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Connection successful</source>
            <translation>连接成功</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Incorrect username or password.</source>
            <translation>用户名或密码错误。</translation>
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
            <translation>确认</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <location filename="../../src/widgets/CustomDialog.cpp" line="+72" />
            <source>Tips</source>
            <translation>提示</translation>
        </message>
    </context>
    <context>
        <name>ManageWidget</name>
        <message>
            <location filename="../../src/widgets/ManageWidget.ui" line="+21" />
            <source>ShowPassword</source>
            <translation>显示密码</translation>
        </message>
        <message>
            <location line="+13" />
            <source>edit</source>
            <translation>编辑</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Delete</source>
            <translation>删除</translation>
        </message>
        <message>
            <location line="+13" />
            <source>UserManage</source>
            <translation>用户管理</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Auth</source>
            <translation>权限</translation>
        </message>
        <message>
            <location line="+13" />
            <source>Remote Configuration</source>
            <translation>远程配置</translation>
        </message>
        <message>
            <location line="+13" />
            <source>ChannelManage</source>
            <translation>通道管理</translation>
        </message>
    </context>
    <context>
        <name>PageWidget</name>
        <message>
            <location filename="../../src/widgets/PageWidget.ui" line="+21" />
            <source>totalRecords</source>
            <translation>总记录数</translation>
        </message>
        <message>
            <location line="+11" />
            <source>pageSize</source>
            <translation>每页条数</translation>
        </message>
    </context>
    <context>
        <name>SharedTexts</name>
        <message>
            <location filename="../../src/Common/SharedTexts.cpp" line="+3" />
            <source>Enter the device name to filter</source>
            <translation>输入设备名称进行筛选</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Incomplete information</source>
            <translation>信息不完整</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to </source>
            <translation>确定要</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this user?</source>
            <translation>删除此用户吗？</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this device?</source>
            <translation>删除此设备吗？</translation>
        </message>
        <message>
            <location line="+1" />
            <source>delete this Group?</source>
            <translation>删除此分组吗？</translation>
        </message>
        <message>
            <location line="+1" />
            <source>reboot this device?</source>
            <translation>重启此设备吗？</translation>
        </message>
        <message>
            <location line="+1" />
            <source>restore this device?</source>
            <translation>恢复此设备吗？</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration failed</source>
            <translation>配置失败</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Configuration successful</source>
            <translation>配置成功</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid format</source>
            <translation>格式无效</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New password and confirmation password do not match</source>
            <translation>新密码与确认密码不一致</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is available.</source>
            <translation>该 IP 地址可用。</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP address is already in use.</source>
            <translation>该 IP 地址已被占用。</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The IP and gateway are not in the same subnet.</source>
            <translation>IP 地址与网关不在同一网段。</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Please select a device before making any changes.</source>
            <translation>请先选择设备再进行修改。</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Default users or roles cannot be deleted.</source>
            <translation>默认用户或角色不能删除。</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Monday</source>
            <translation>星期一</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Tuesday</source>
            <translation>星期二</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Wednesday</source>
            <translation>星期三</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Thursday</source>
            <translation>星期四</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Friday</source>
            <translation>星期五</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Saturday</source>
            <translation>星期六</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Sunday</source>
            <translation>星期日</translation>
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
</context>
</TS>
