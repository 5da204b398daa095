<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>SerialProcessThread</name>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="51" />
        <location filename="../../link/SerialProcessThread.cpp" line="132" />
        <source>Unconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="91" />
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="105" />
        <source>Set fail protect successfully</source>
        <translation>失控保护设置成功</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="108" />
        <source>Write flash successfully</source>
        <translation>写入闪存成功</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="143" />
        <source>Upload Parameters Now...</source>
        <translation>正在上传参数...</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="148" />
        <source>Upload Parameters Completely</source>
        <translation>参数上传完成</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="172" />
        <source>Upload verified</source>
        <translation>上传已校验</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="176" />
        <source>The unit kept different values for %1 parameters</source>
        <translation>陀螺仪保存的值与发送的不同，共 %1 个参数</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="188" />
        <source>Download Parameters Now...</source>
        <translation>正在下载参数...</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="194" />
        <source>Download Parameters Completely</source>
        <translation>参数下载完成</translation>
    </message>
    <message>
        <location filename="../../link/LinkEngine.cpp" line="198" />
        <source>The unit restarted: changes not written to flash were lost</source>
        <translation>陀螺仪已重启：未写入闪存的更改已丢失</translation>
    </message>
    <message>
        <location filename="../../link/SerialProcessThread.cpp" line="72" />
        <source>Simulated unit</source>
        <translation>模拟陀螺仪</translation>
    </message>
    <message>
        <location filename="../../link/SerialProcessThread.cpp" line="117" />
        <source>Port %1 is back</source>
        <translation>端口 %1 已恢复</translation>
    </message>
    <message>
        <location filename="../../link/SerialProcessThread.cpp" line="189" />
        <source>Cannot open %1: no such port</source>
        <translation>无法打开 %1：端口不存在</translation>
    </message>
    <message>
        <location filename="../../link/SerialProcessThread.cpp" line="192" />
        <source>Cannot open %1: the port is in use by another program</source>
        <translation>无法打开 %1：端口正被其他程序占用</translation>
    </message>
    <message>
        <location filename="../../link/SerialProcessThread.cpp" line="193" />
        <source>Cannot open %1: permission denied. Add your user to the group that owns the device, usually "dialout", and log in again</source>
        <translation>无法打开 %1：权限不足。请将当前用户加入拥有该设备的用户组（通常为 "dialout"），然后重新登录</translation>
    </message>
    <message>
        <location filename="../../link/SerialProcessThread.cpp" line="197" />
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <location filename="../../link/SerialProcessThread.cpp" line="205" />
        <source>Port %1 was lost: %2</source>
        <translation>端口 %1 已断开：%2</translation>
    </message>
</context>
<context>
    <name>contentWidget</name>
    <message>
        <location filename="../../shell/contentWidget.cpp" line="67" />
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <location filename="../../shell/contentWidget.cpp" line="68" />
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../../shell/contentWidget.cpp" line="69" />
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <location filename="../../shell/contentWidget.cpp" line="70" />
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
</context>
<context>
    <name>updatesettingpage</name>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="6" />
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="7" />
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="10" />
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Software Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;软件版本：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="10" />
        <source>1.1(2013.10.25)</source>
        <translation>1.1(2013.10.25)</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="10" />
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Firmware Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;固件版本：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="10" />
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="11" />
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="14" />
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;Device Type:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-weight:600;"&gt;设备型号：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="14" />
        <source>------------</source>
        <translation>------------</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="15" />
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="18" />
        <source>Upgrade function not opened, please note:</source>
        <translation>升级功能暂未开放，请注意：</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.ui" line="18" />
        <source>Firmware upgrades come with later versions of this assistant.</source>
        <translation>固件升级将在本助手的后续版本中提供。</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.cpp" line="36" />
        <source>VRN-X1 Flybarless Gyro System</source>
        <translation>VRN-X1 无副翼陀螺仪系统</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.cpp" line="39" />
        <source>VRN-A1 Flybarless Gyro System</source>
        <translation>VRN-A1 无副翼陀螺仪系统</translation>
    </message>
    <message>
        <location filename="../../shell/updatesettingpage.cpp" line="42" />
        <source>Invalid Device</source>
        <translation>无效设备</translation>
    </message>
</context>
</TS>