<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ConfigureSettingPage</name>
    <message>
        <location filename="../../pages/ConfigureSettingPage.cpp" line="+497"/>
        <source>Aerobatics</source>
        <translation>特技</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance</source>
        <translation>自平衡</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AVCS</source>
        <translation>锁尾</translation>
    </message>
    <message>
        <location line="+279"/>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>ConfigureSettingPageUi</name>
    <message>
        <location filename="../../pages/ConfigureSettingPage.ui" line="+14"/>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <location line="+19"/>
        <source> Start </source>
        <translation> 开始 </translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+312"/>
        <source>Note</source>
        <translation>说明</translation>
    </message>
    <message>
        <location line="-300"/>
        <source>&lt;p&gt;&lt;b&gt;1.&lt;/b&gt; In the transmitter, create a new helicopter model. Set all trims and sub-trims to zero and set the swash plate mode to no mixing (one servo per function).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;1.&lt;/b&gt; 在遥控器中新建一个直升机模型，将所有微调和副微调设为零，并把十字盘类型设为无混控（每个功能一个舵机）。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;p&gt;&lt;b&gt;2.&lt;/b&gt; Turn off every swash plate mixing and every tail mixing, and leave the collective pitch curve a straight line.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;2.&lt;/b&gt; 关闭所有十字盘混控和尾部混控，并把螺距曲线保持为一条直线。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&lt;p&gt;&lt;b&gt;3.&lt;/b&gt; Two example transmitter configurations are shown below.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;3.&lt;/b&gt; 下面给出两个遥控器设置示例。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Example</source>
        <translation>示例</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Engine Type</source>
        <translation>动力类型</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Electric</source>
        <translation>电动</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>FUEL</source>
        <translation>油动</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Receiver </source>
        <translation> 接收机 </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Select Receiver Type</source>
        <translation>选择接收机类型</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Conventional receiver</source>
        <translation>普通接收机</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Futaba SBUS</source>
        <translation>Futaba SBUS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DSM2-1</source>
        <translation>DSM2-1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DSM2-2</source>
        <translation>DSM2-2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DSM2-3</source>
        <translation>DSM2-3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DSM2-4</source>
        <translation>DSM2-4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DSMJ</source>
        <translation>DSMJ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DSMX-1</source>
        <translation>DSMX-1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DSMX-2</source>
        <translation>DSMX-2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Wiring Diagram</source>
        <translation>接线图</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>AUX Channel Function</source>
        <translation>AUX 通道功能</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Switch Tail Gain</source>
        <translation>切换尾舵感度</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Switch Flight Mode</source>
        <translation>切换飞行模式</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Flight Mode Setting</source>
        <translation>飞行模式设置</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Aerobatics Mode</source>
        <translation>特技模式</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Attitude Mode</source>
        <translation>自平衡模式</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Monitor </source>
        <translation> 监视 </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&lt;p&gt;Set up the transmitter before flying: use the reverse function of each channel so that every signal moves the way its scale shows; use the trims or sub-trims so that every signal reads 0 with its stick at neutral; and set the travel so that throttle, collective, elevator, aileron and rudder reach -100 to 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;飞行前请设置遥控器：用各通道的反向功能使每个信号按刻度所示的方向变化；用微调或副微调使摇杆在中立位置时每个信号都显示 0；并调整行程，使油门、螺距、升降、副翼和方向达到 -100 到 100。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Channel Monitor</source>
        <translation>通道监视</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>bottom</source>
        <translation>最低</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Mid.</source>
        <translation>中</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>top</source>
        <translation>最高</translation>
    </message>
    <message>
        <location line="+51"/>
        <location line="+1263"/>
        <location line="+534"/>
        <source>Collective</source>
        <translation>螺距</translation>
    </message>
    <message>
        <location line="-1781"/>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+99"/>
        <location line="+102"/>
        <location line="+99"/>
        <source>Neu.</source>
        <translation>中立</translation>
    </message>
    <message>
        <location line="-284"/>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Elevator</source>
        <translation>升降</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pull</source>
        <translation>拉</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Push</source>
        <translation>推</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Aileron</source>
        <translation>副翼</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+99"/>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <location line="-67"/>
        <location line="+99"/>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Rudder</source>
        <translation>方向</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>AuxChannel</source>
        <translation>AUX 通道</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>AVCS</source>
        <translation>锁尾</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Set Fail Safe</source>
        <translation>设置失控保护</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Mount </source>
        <translation> 安装 </translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Mounting 1.</source>
        <translation>安装方式 1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounting 2.</source>
        <translation>安装方式 2</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounting 3.</source>
        <translation>安装方式 3</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounting 4.</source>
        <translation>安装方式 4</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounting 5.</source>
        <translation>安装方式 5</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Mounting 6.</source>
        <translation>安装方式 6</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> SwashPlate </source>
        <translation> 十字盘 </translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Mechanical Mixer</source>
        <translation>机械混控</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>90CCPM</source>
        <translation>90CCPM</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>120CCPM</source>
        <translation>120CCPM</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>135CCPM</source>
        <translation>135CCPM</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>140CCPM</source>
        <translation>140CCPM</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> Servo </source>
        <translation> 舵机 </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>SwashPlate Servo Setting</source>
        <translation>十字盘舵机设置</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>SwashPlate Servo Type</source>
        <translation>十字盘舵机类型</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+109"/>
        <source>Anolog Servo 1520us</source>
        <translation>模拟舵机 1520us</translation>
    </message>
    <message>
        <location line="-104"/>
        <location line="+109"/>
        <source>Digital Servo 1520us(250Hz)</source>
        <translation>数字舵机 1520us(250Hz)</translation>
    </message>
    <message>
        <location line="-104"/>
        <location line="+109"/>
        <source>Digital Servo 1520us(333Hz)</source>
        <translation>数字舵机 1520us(333Hz)</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>SwashPlate Servo Direction</source>
        <translation>十字盘舵机方向</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>CH1 Servo Dir Rev.</source>
        <translation>CH1 舵机反向</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CH2 Servo Dir Rev.</source>
        <translation>CH2 舵机反向</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CH3 Servo Dir Rev.</source>
        <translation>CH3 舵机反向</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tail Servo Setting</source>
        <translation>尾舵机设置</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tail Servo Type</source>
        <translation>尾舵机类型</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Digital Servo 760us</source>
        <translation>数字舵机 760us</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Digital Servo 960us</source>
        <translation>数字舵机 960us</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tail Servo Direction</source>
        <translation>尾舵机方向</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Tail Servo Dir Rev.</source>
        <translation>尾舵机反向</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Trim </source>
        <translation> 微调 </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>SwashPlate Servo Trim</source>
        <translation>十字盘舵机微调</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>CH3</source>
        <translation>CH3</translation>
    </message>
    <message>
        <location line="+129"/>
        <source>Cyclic</source>
        <translation>周期变距</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Clean</source>
        <translation>清零</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Tail Servo Trim</source>
        <translation>尾舵机微调</translation>
    </message>
    <message>
        <location line="+51"/>
        <source> Travel </source>
        <translation> 行程 </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tail Setting</source>
        <translation>尾部设置</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Limit A</source>
        <translation>限位 A</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Limit B</source>
        <translation>限位 B</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>SwashPlate Setting</source>
        <translation>十字盘设置</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ail. Travel</source>
        <translation>副翼行程</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Elev. Travel</source>
        <translation>升降行程</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>Cyclic Limit</source>
        <translation>周期变距限制</translation>
    </message>
</context>
</TS>
