<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <location filename="../../pages/AdvanceSettingPage.cpp" line="355"/>
        <location filename="../../pages/AdvanceSettingPage.cpp" line="423"/>
        <source>Calibrate RPM</source>
        <translation>校准转速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.cpp" line="427"/>
        <source>Governor On</source>
        <translation>定速开启</translation>
    </message>
</context>
<context>
    <name>AdvanceSettingPageUi</name>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="40"/>
        <source> Main Rotor </source>
        <translation> 主旋翼 </translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="51"/>
        <source>Roll Gain Setting</source>
        <translation>横滚增益设置</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="64"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="135"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="350"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="603"/>
        <source>Gain P</source>
        <translation>P 增益</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="73"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the roll axis. Raising it holds roll more firmly against gusts and makes the helicopter feel more locked in; if roll wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的角速度增益。调高后横滚更能抵抗阵风，手感更“锁定”；若横滚出现快速抖动或振荡，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="76"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="147"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="362"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="615"/>
        <source>Gain I</source>
        <translation>I 增益</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="85"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the roll axis. Raising it keeps the disc at the commanded angle and stops it drifting after a stick input; if roll swings back slowly after a roll or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的角度保持增益。调高后旋翼盘保持在指令角度，打杆后不再漂移；若横滚动作后或高速前飞时横滚缓慢回摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="88"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="159"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="374"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="627"/>
        <source>Gain D</source>
        <translation>D 增益</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="97"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the roll axis. Raising it brakes roll movements more firmly and reduces overshoot; if rolls stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的阻尼。调高后横滚动作制动更有力、过冲更小；若横滚停止生硬或十字盘舵机发出嗡嗡声，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="100"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="171"/>
        <source>Integral Gain</source>
        <translation>积分增益</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="109"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the roll axis. Raising it removes slow, steady drift such as a roll-off in hover or in long pirouettes; if roll rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的积分增益。调高后可消除缓慢、持续的漂移，如悬停或长时间自旋时向一侧偏；若横滚缓慢来回摇摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="122"/>
        <source>Pitch Gain Setting</source>
        <translation>俯仰增益设置</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="144"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the pitch axis. Raising it holds pitch more firmly against gusts and makes the helicopter feel more locked in; if pitch wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的角速度增益。调高后俯仰更能抵抗阵风，手感更“锁定”；若俯仰出现快速抖动或振荡，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="156"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the pitch axis. Raising it keeps the disc at the commanded angle and stops the nose drifting after a stick input; if pitch swings back slowly after a flip or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的角度保持增益。调高后旋翼盘保持在指令角度，打杆后机头不再漂移；若前后翻后或高速前飞时俯仰缓慢回摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="168"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the pitch axis. Raising it brakes pitch movements more firmly and reduces overshoot; if flips stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的阻尼。调高后俯仰动作制动更有力、过冲更小；若前后翻停止生硬或十字盘舵机发出嗡嗡声，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="180"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the pitch axis. Raising it removes slow, steady drift such as the nose rising in fast forward flight; if pitch rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的积分增益。调高后可消除缓慢、持续的漂移，如高速前飞时机头上仰；若俯仰缓慢来回摇摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="196"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="396"/>
        <source>Dec. Setting</source>
        <translation>减速设置</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="209"/>
        <source>Acceleration</source>
        <translation>加速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="218"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a roll or flip builds up to the commanded rate. Raising it makes the cyclic start harder; if the start of a flip feels jerky, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚或前后翻达到指令速率的快慢。调高后周期变距起动更猛；若翻滚起始时有顿挫，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="221"/>
        <source>Deceleration</source>
        <translation>减速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="230"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard a roll or flip stops when the stick returns to centre. Raising it stops the helicopter sooner and more crisply; if it bounces back at the end of a flip or roll, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;摇杆回中时横滚或前后翻停止的力度。调高后停止更快更干脆；若翻滚结束时回弹，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="243"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="519"/>
        <source>Deadband Setting</source>
        <translation>死区设置</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="256"/>
        <source>RC. DB.</source>
        <translation>遥控死区</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="265"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Cyclic stick dead band around centre. Raising it ignores more stick movement near centre, so sticks that do not centre exactly cause no drift; if the cyclic feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚和俯仰摇杆的中位死区。调高后忽略更多中位附近的摇杆动作，摇杆回中不准也不会引起漂移；若中位附近操控发虚，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="268"/>
        <location filename="../../pages/AdvanceSettingPage.ui" line="544"/>
        <source>Sensor DB.</source>
        <translation>传感器死区</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="277"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the roll and pitch sensors. Raising it ignores small sensor signals and calms a hover that twitches from vibration; if the helicopter wanders slowly without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚和俯仰传感器的死区。调高后忽略微小的传感器信号，可平息振动引起的悬停抖动；若直升机缓慢漂移而不修正，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="290"/>
        <source>3D Flight Setting</source>
        <translation>3D 飞行设置</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="303"/>
        <source>Burst Coef.</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="312"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Stick response for 3D flight. Raising it makes quick, large cyclic inputs react harder and faster; if the helicopter over-reacts or feels jumpy on fast stick punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;3D 飞行的摇杆响应。调高后快速、大幅的周期变距打杆反应更猛更快；若快速打杆时反应过度或发冲，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="326"/>
        <source> Tail </source>
        <translation> 尾舵 </translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="337"/>
        <source>Tail Gain Setting</source>
        <translation>尾舵增益设置</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="359"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the tail. Raising it holds the tail more firmly against torque changes; if the tail wags quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵的角速度增益。调高后尾舵更能抵抗扭矩变化；若尾巴快速摆动，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="371"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Heading-hold gain of the tail. Raising it keeps the tail on its heading through collective changes and in forward flight; if the tail swings slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵的锁尾增益。调高后在总距变化和前飞时尾巴更能保持航向；若尾巴缓慢来回摆动，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="383"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the tail. Raising it brakes the tail more firmly at the end of a pirouette; if the tail bounces at the stop or the tail servo buzzes, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵的阻尼。调高后自旋结束时尾巴制动更有力；若停止时尾巴回弹或尾舵机发出嗡嗡声，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="409"/>
        <source>Left Acc.</source>
        <translation>左加速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="418"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a left pirouette builds up. Raising it makes the tail start harder; if the start of a left turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;左自旋起动的快慢。调高后尾巴起动更猛；若左转起始有顿挫，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="421"/>
        <source>Left Dec.</source>
        <translation>左减速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="430"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a left pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a left stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;左自旋后尾巴停止的力度。调高后尾巴停得更快更干脆；若左转停止后尾巴回弹，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="433"/>
        <source>Right Acc.</source>
        <translation>右加速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="442"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a right pirouette builds up. Raising it makes the tail start harder; if the start of a right turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;右自旋起动的快慢。调高后尾巴起动更猛；若右转起始有顿挫，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="445"/>
        <source>Right Dec.</source>
        <translation>右减速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="454"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a right pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a right stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;右自旋后尾巴停止的力度。调高后尾巴停得更快更干脆；若右转停止后尾巴回弹，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="470"/>
        <source>Tail Compensation</source>
        <translation>尾舵补偿</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="483"/>
        <source>Cyclic to
Tail Comp.</source>
        <translation>周期变距
尾舵补偿</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="493"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with cyclic input, against the torque change of rolls and flips (negative values work in the other direction). Raising it holds the tail better during hard cyclic moves; if the tail kicks the other way during flips and rolls, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随周期变距加入的尾桨螺距，用于抵消横滚和前后翻时的扭矩变化（负值作用方向相反）。调高后大幅周期变距动作时尾巴更稳；若翻滚时尾巴向相反方向甩，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="496"/>
        <source>Collective to
Tail Comp.</source>
        <translation>总距
尾舵补偿</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="506"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with collective input, to meet the torque change before the gyro sees it (negative values work in the other direction). Raising it holds the tail better on collective punches; if the tail kicks the other way on collective punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随总距加入的尾桨螺距，在陀螺感知之前抵消扭矩变化（负值作用方向相反）。调高后猛推总距时尾巴更稳；若猛推总距时尾巴向相反方向甩，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="532"/>
        <source>RC.DB.</source>
        <translation>遥控死区</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="541"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rudder stick dead band around centre. Raising it ignores more stick movement near centre, so a stick that does not centre exactly does not make the tail creep; if the tail feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵摇杆的中位死区。调高后忽略更多中位附近的摇杆动作，摇杆回中不准也不会让尾巴慢慢转动；若中位附近尾舵操控发虚，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="553"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the yaw sensor. Raising it ignores small sensor signals and calms a tail that twitches from vibration; if the tail drifts slowly in hover without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;航向传感器的死区。调高后忽略微小的传感器信号，可平息振动引起的尾巴抖动；若悬停时尾巴缓慢漂移而不修正，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="567"/>
        <source> Governor </source>
        <translation> 定速 </translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="578"/>
        <source>Governor Gain Setting</source>
        <translation>定速增益设置</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="591"/>
        <source>Total Gain</source>
        <translation>总增益</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="612"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Proportional gain of the governor. Raising it answers load changes faster; if the head speed surges or the motor sound pulses, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;定速器的比例增益。调高后对负载变化响应更快；若主旋翼转速忽高忽低或电机声音起伏，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="624"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the governor. Raising it brings the head speed back to the set value more exactly under steady load; if the head speed overshoots and swings slowly after a load change, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;定速器的积分增益。调高后在持续负载下转速更准确地回到设定值；若负载变化后转速过冲并缓慢摆动，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="636"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the governor. Raising it damps overshoot after sudden load changes; if the throttle turns nervous or jittery, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;定速器的阻尼。调高后可抑制突然负载变化后的过冲；若油门变得神经质或抖动，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="652"/>
        <source>RPM. Compensation</source>
        <translation>转速补偿</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="665"/>
        <source>Collective Comp.</source>
        <translation>总距补偿</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="674"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with collective before the head speed drops. Raising it holds the head speed better on collective punches; if the head speed rises when you punch collective, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随总距提前加入的油门，赶在转速下降之前。调高后猛推总距时转速保持得更好；若猛推总距时转速反而升高，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="677"/>
        <source>Cyclic Comp.</source>
        <translation>周期变距补偿</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="686"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with cyclic before the head speed drops. Raising it holds the head speed better in hard rolls and flips; if the head speed rises during hard cyclic moves, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随周期变距提前加入的油门，赶在转速下降之前。调高后大幅横滚和前后翻时转速保持得更好；若大幅周期变距动作时转速升高，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="699"/>
        <source>Governor On/Off</source>
        <translation>定速开关</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="706"/>
        <source>Governor Off</source>
        <translation>关闭定速</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="709"/>
        <source>Calibrate RPM.</source>
        <translation>校准转速.</translation>
    </message>
    <message>
        <location filename="../../pages/AdvanceSettingPage.ui" line="718"/>
        <source>Reset </source>
        <translation>重置 </translation>
    </message>
</context>
</TS>
