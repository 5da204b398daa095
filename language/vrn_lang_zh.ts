<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Calibrate RPM</source>
        <translation>校准转速</translation>
    </message>
    <message>
        <source>Governor On</source>
        <translation>开启定速</translation>
    </message>
    <message>
        <source>Calibration makes the unit learn the engine&apos;s speed signal: the next time the motor runs up to full throttle, the unit takes that rotor speed as the speed the governor holds. Hold the helicopter down and keep clear of the rotor while it runs.

Calibrate the governor now?</source>
        <translation>校准会让陀螺仪学习动力的转速信号：下次动力升到全油门时，陀螺仪把当时的旋翼转速作为定速要保持的转速。运转时请按住直升机，远离旋翼。

现在校准定速吗？</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AdvanceSettingPageUi</name>
    <message>
        <source> Main Rotor </source>
        <translation> 主旋翼 </translation>
    </message>
    <message>
        <source>Roll Gain Setting</source>
        <translation>横滚感度设置</translation>
    </message>
    <message>
        <source>Gain P</source>
        <translation>P 增益</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the roll axis. Raising it holds roll more firmly against gusts and makes the helicopter feel more locked in; if roll wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的角速度增益。调高后横滚更能抵抗阵风，手感更“锁定”；若横滚出现快速抖动或振荡，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Gain I</source>
        <translation>角度增益</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the roll axis. Raising it keeps the disc at the commanded angle and stops it drifting after a stick input; if roll swings back slowly after a roll or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的角度保持增益。调高后旋翼盘保持在指令角度，打杆后不再漂移；若横滚动作后或高速前飞时横滚缓慢回摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Gain D</source>
        <translation>D 增益</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the roll axis. Raising it brakes roll movements more firmly and reduces overshoot; if rolls stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的阻尼。调高后横滚动作制动更有力、过冲更小；若横滚停止生硬或十字盘舵机发出嗡嗡声，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Integral Gain</source>
        <translation>积分增益</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the roll axis. Raising it removes slow, steady drift such as a roll-off in hover or in long pirouettes; if roll rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚轴的积分增益。调高后可消除缓慢、持续的漂移，如悬停或长时间自旋时向一侧偏；若横滚缓慢来回摇摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pitch Gain Setting</source>
        <translation>俯仰感度设置</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the pitch axis. Raising it holds pitch more firmly against gusts and makes the helicopter feel more locked in; if pitch wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的角速度增益。调高后俯仰更能抵抗阵风，手感更“锁定”；若俯仰出现快速抖动或振荡，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the pitch axis. Raising it keeps the disc at the commanded angle and stops the nose drifting after a stick input; if pitch swings back slowly after a flip or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的角度保持增益。调高后旋翼盘保持在指令角度，打杆后机头不再漂移；若前后翻后或高速前飞时俯仰缓慢回摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the pitch axis. Raising it brakes pitch movements more firmly and reduces overshoot; if flips stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的阻尼。调高后俯仰动作制动更有力、过冲更小；若前后翻停止生硬或十字盘舵机发出嗡嗡声，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the pitch axis. Raising it removes slow, steady drift such as the nose rising in fast forward flight; if pitch rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;俯仰轴的积分增益。调高后可消除缓慢、持续的漂移，如高速前飞时机头上仰；若俯仰缓慢来回摇摆，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Dec. Setting</source>
        <translation>减速设置</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a roll or flip builds up to the commanded rate. Raising it makes the cyclic start harder; if the start of a flip feels jerky, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚或前后翻达到指令速率的快慢。调高后周期变距起动更猛；若翻滚起始时有顿挫，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Deceleration</source>
        <translation>减速</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard a roll or flip stops when the stick returns to centre. Raising it stops the helicopter sooner and more crisply; if it bounces back at the end of a flip or roll, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;摇杆回中时横滚或前后翻停止的力度。调高后停止更快更干脆；若翻滚结束时回弹，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Deadband Setting</source>
        <translation>死区设置</translation>
    </message>
    <message>
        <source>RC. DB.</source>
        <translation>摇杆死区</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Cyclic stick dead band around centre. Raising it ignores more stick movement near centre, so sticks that do not centre exactly cause no drift; if the cyclic feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚和俯仰摇杆的中位死区。调高后忽略更多中位附近的摇杆动作，摇杆回中不准也不会引起漂移；若中位附近操控发虚，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Sensor DB.</source>
        <translation>传感器死区</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the roll and pitch sensors. Raising it ignores small sensor signals and calms a hover that twitches from vibration; if the helicopter wanders slowly without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;横滚和俯仰传感器的死区。调高后忽略微小的传感器信号，可平息振动引起的悬停抖动；若直升机缓慢漂移而不修正，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>3D Flight Setting</source>
        <translation>3D 飞行设置</translation>
    </message>
    <message>
        <source>Burst Coef.</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Stick response for 3D flight. Raising it makes quick, large cyclic inputs react harder and faster; if the helicopter over-reacts or feels jumpy on fast stick punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;3D 飞行的摇杆响应。调高后快速、大幅的周期变距打杆反应更猛更快；若快速打杆时反应过度或发冲，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> Tail </source>
        <translation> 尾舵 </translation>
    </message>
    <message>
        <source>Tail Gain Setting</source>
        <translation>尾舵感度设置</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the tail. Raising it holds the tail more firmly against torque changes; if the tail wags quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵的角速度增益。调高后尾舵更能抵抗扭矩变化；若出现快速摆尾，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Heading-hold gain of the tail. Raising it keeps the tail on its heading through collective changes and in forward flight; if the tail swings slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵的锁尾增益。调高后在螺距变化和前飞时尾巴更能保持航向；若出现缓慢摆尾，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the tail. Raising it brakes the tail more firmly at the end of a pirouette; if the tail bounces at the stop or the tail servo buzzes, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵的阻尼。调高后自旋结束时尾巴制动更有力；若停止时尾巴回弹或尾舵机发出嗡嗡声，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Left Acc.</source>
        <translation>左加速</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a left pirouette builds up. Raising it makes the tail start harder; if the start of a left turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;左自旋起动的快慢。调高后尾巴起动更猛；若左自旋起始有顿挫，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Left Dec.</source>
        <translation>左减速</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a left pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a left stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;左自旋后尾巴停止的力度。调高后尾巴停得更快更干脆；若左自旋停止后尾巴回弹，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Right Acc.</source>
        <translation>右加速</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a right pirouette builds up. Raising it makes the tail start harder; if the start of a right turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;右自旋起动的快慢。调高后尾巴起动更猛；若右自旋起始有顿挫，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Right Dec.</source>
        <translation>右减速</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a right pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a right stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;右自旋后尾巴停止的力度。调高后尾巴停得更快更干脆；若右自旋停止后尾巴回弹，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Tail Compensation</source>
        <translation>尾舵补偿</translation>
    </message>
    <message>
        <source>Cyclic to
Tail Comp.</source>
        <translation>周期变距
尾舵补偿</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with cyclic input, against the torque change of rolls and flips (negative values work in the other direction). Raising it holds the tail better during hard cyclic moves; if the tail kicks the other way during flips and rolls, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随周期变距加入的尾桨螺距，用于抵消横滚和前后翻时的扭矩变化（负值作用方向相反）。调高后大幅周期变距动作时尾巴更稳；若翻滚时尾巴向相反方向甩，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Collective to
Tail Comp.</source>
        <translation>螺距
尾舵补偿</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with collective input, to meet the torque change before the gyro sees it (negative values work in the other direction). Raising it holds the tail better on collective punches; if the tail kicks the other way on collective punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随螺距加入的尾桨螺距，在陀螺仪感知之前抵消扭矩变化（负值作用方向相反）。调高后猛推螺距时尾巴更稳；若猛推螺距时尾巴向相反方向甩，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RC.DB.</source>
        <translation>摇杆死区</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rudder stick dead band around centre. Raising it ignores more stick movement near centre, so a stick that does not centre exactly does not make the tail creep; if the tail feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;尾舵摇杆的中位死区。调高后忽略更多中位附近的摇杆动作，摇杆回中不准也不会让尾巴慢慢转动；若中位附近尾舵操控发虚，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the yaw sensor. Raising it ignores small sensor signals and calms a tail that twitches from vibration; if the tail drifts slowly in hover without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;航向传感器的死区。调高后忽略微小的传感器信号，可平息振动引起的尾巴抖动；若悬停时尾巴缓慢漂移而不修正，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> Governor </source>
        <translation> 定速 </translation>
    </message>
    <message>
        <source>Governor Gain Setting</source>
        <translation>定速增益设置</translation>
    </message>
    <message>
        <source>Total Gain</source>
        <translation>总增益</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Proportional gain of the governor. Raising it answers load changes faster; if the head speed surges or the motor sound pulses, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;定速的比例增益。调高后对负载变化响应更快；若主旋翼转速忽高忽低或动力声音起伏，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the governor. Raising it brings the head speed back to the set value more exactly under steady load; if the head speed overshoots and swings slowly after a load change, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;定速的积分增益。调高后在持续负载下转速更准确地回到设定值；若负载变化后转速过冲并缓慢摆动，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the governor. Raising it damps overshoot after sudden load changes; if the throttle turns nervous or jittery, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;定速的阻尼。调高后可抑制突然负载变化后的过冲；若油门发抖、抽动，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RPM. Compensation</source>
        <translation>转速补偿</translation>
    </message>
    <message>
        <source>Collective Comp.</source>
        <translation>螺距补偿</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with collective before the head speed drops. Raising it holds the head speed better on collective punches; if the head speed rises when you punch collective, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随螺距提前加入的油门，赶在转速下降之前。调高后猛推螺距时转速保持得更好；若猛推螺距时转速反而升高，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cyclic Comp.</source>
        <translation>周期变距补偿</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with cyclic before the head speed drops. Raising it holds the head speed better in hard rolls and flips; if the head speed rises during hard cyclic moves, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;随周期变距提前加入的油门，赶在转速下降之前。调高后大幅横滚和前后翻时转速保持得更好；若大幅周期变距动作时转速升高，请调低。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Governor On/Off</source>
        <translation>定速开关</translation>
    </message>
    <message>
        <source>Governor Off</source>
        <translation>关闭定速</translation>
    </message>
    <message>
        <source>Calibrate RPM.</source>
        <translation>校准转速</translation>
    </message>
    <message>
        <source>Reset </source>
        <translation>恢复默认 </translation>
    </message>
    <message>
        <source>Governor off: the throttle follows the transmitter&apos;s throttle curve.</source>
        <translation>关闭定速：油门按遥控器的油门曲线输出。</translation>
    </message>
    <message>
        <source>Governor on: the unit holds the head speed. While it reads &quot;Calibrate RPM&quot;, the unit is set to learn the head speed first.</source>
        <translation>开启定速：陀螺仪保持主旋翼转速。显示“校准转速”时，陀螺仪会先学习主旋翼转速。</translation>
    </message>
    <message>
        <source>Set the governor gains and compensations back to their defaults: total 30, P 20, I 80, D 20, collective 60, cyclic 40.</source>
        <translation>将定速的增益和补偿恢复为默认值：总增益 30、P 20、I 80、D 20、螺距补偿 60、周期变距补偿 40。</translation>
    </message>
    <message>
        <source>Gain I</source>
        <comment>governor: integral term</comment>
        <translation>I 增益</translation>
    </message>
</context>
<context>
    <name>ChangePreview</name>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>应用后</translation>
    </message>
    <message>
        <source>%1 of %2 parameters differ</source>
        <translation>%2 个参数中有 %1 个不同</translation>
    </message>
    <message>
        <source>About the file</source>
        <translation>关于此文件</translation>
    </message>
    <message>
        <source>%1: left as the unit holds them</source>
        <translation>%1：保持陀螺仪中的值</translation>
    </message>
    <message>
        <source>file: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Tick every value (Ctrl+A)</source>
        <translation>勾选全部数值 (Ctrl+A)</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>全不选(&amp;N)</translation>
    </message>
    <message>
        <source>Tick no value (Ctrl+Shift+A); Space ticks the current row</source>
        <translation>不勾选任何数值 (Ctrl+Shift+A)；空格键勾选当前行</translation>
    </message>
    <message>
        <source>%1 of %2 differences chosen</source>
        <translation>%2 处不同中已选 %1 处</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>对比</translation>
    </message>
    <message>
        <source>Show &amp;every parameter</source>
        <translation>显示全部参数(&amp;E)</translation>
    </message>
    <message>
        <source>Off: only the parameters that differ</source>
        <translation>关闭时只显示不同的参数</translation>
    </message>
    <message>
        <source>&amp;Take into the unit…</source>
        <translation>写入陀螺仪(&amp;T)…</translation>
    </message>
    <message>
        <source>Choose which of these values the unit takes</source>
        <translation>选择陀螺仪要采用的数值</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>左侧(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>右侧(&amp;R)：</translation>
    </message>
    <message>
        <source>A .conf file…</source>
        <translation>.conf 文件…</translation>
    </message>
    <message>
        <source>No parameter differs</source>
        <translation>没有不同的参数</translation>
    </message>
    <message>
        <source>%1 of %2 parameters differ</source>
        <translation>%2 个参数中有 %1 个不同</translation>
    </message>
    <message>
        <source>Choose which values of %1 the unit takes</source>
        <translation>选择陀螺仪要采用 %1 中的哪些数值</translation>
    </message>
</context>
<context>
    <name>ConfigResult</name>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>已从 %1 载入配置</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>配置已保存到 %1</translation>
    </message>
    <message>
        <source>Cannot load %1: the file does not exist</source>
        <translation>无法载入 %1：文件不存在</translation>
    </message>
    <message>
        <source>Cannot load %1: it is not a file</source>
        <translation>无法载入 %1：该路径不是文件</translation>
    </message>
    <message>
        <source>Cannot load %1: the file cannot be read</source>
        <translation>无法载入 %1：文件无法读取</translation>
    </message>
    <message>
        <source>Nothing loaded: %1 holds no gyro settings</source>
        <translation>未载入任何参数：%1 中没有陀螺仪设置</translation>
    </message>
    <message>
        <source>Cannot save %1: a folder of that name exists</source>
        <translation>无法保存 %1：已有同名文件夹</translation>
    </message>
    <message>
        <source>Cannot save %1: the file cannot be written</source>
        <translation>无法保存 %1：文件无法写入</translation>
    </message>
    <message>
        <source>Cannot save %1: the existing file cannot be read</source>
        <translation>无法保存 %1：现有文件无法读取</translation>
    </message>
    <message>
        <source>Nothing loaded: %1 holds no gyro settings; unknown keys: %2</source>
        <translation>未载入任何参数：%1 中没有陀螺仪设置；未知的键：%2</translation>
    </message>
    <message>
        <source>Nothing loaded: in %1, %2 holds &quot;%3&quot;, which is not a whole number</source>
        <translation>未载入任何参数：%1 中 %2 的值“%3”不是整数</translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file</source>
        <translation>无法保存 %1：该路径不是普通文件</translation>
    </message>
    <message>
        <source>Loaded %1 of %2 settings from %3; the other %4 kept their values</source>
        <translation>已从 %3 载入 %2 项参数中的 %1 项；其余 %4 项保持原值</translation>
    </message>
    <message>
        <source>; unknown keys ignored: %1</source>
        <translation>；已忽略未知的键：%1</translation>
    </message>
    <message>
        <source>-128 to 127</source>
        <translation>-128 至 127</translation>
    </message>
    <message>
        <source>Nothing loaded: in %1, %2 holds %3; a setting holds %4</source>
        <translation>未载入：%1 中 %2 的值为 %3；参数只能是 %4</translation>
    </message>
    <message>
        <source>Cannot load %1: not a configuration file: %2 MB</source>
        <translation>无法载入 %1：不是配置文件：%2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 等另外 %2 项</translation>
    </message>
</context>
<context>
    <name>ConfigureSettingPage</name>
    <message>
        <source>Aerobatics</source>
        <translation>特技</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>自平衡</translation>
    </message>
    <message>
        <source>AVCS</source>
        <translation>锁尾</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Servo type</source>
        <translation>舵机类型</translation>
    </message>
    <message>
        <source>Change the servo type to &quot;%1&quot;?

A servo driven at the wrong frame rate or centre pulse can be damaged. Check the servo&apos;s data sheet first.</source>
        <translation>将舵机类型改为“%1”吗？

以错误的帧频或中立脉宽驱动舵机可能会损坏舵机。请先查看舵机的说明书。</translation>
    </message>
    <message>
        <source>Change servo type</source>
        <translation>更改舵机类型</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ConfigureSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source> Start </source>
        <translation> 开始 </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;1.&lt;/b&gt; In the transmitter, create a new helicopter model. Set all trims and sub-trims to zero and set the swash plate mode to no mixing (one servo per function).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;1.&lt;/b&gt; 在遥控器中新建一个直升机模型，将所有微调和副微调设为零，并把十字盘类型设为无混控（每个功能一个舵机）。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;2.&lt;/b&gt; Turn off every swash plate mixing and every tail mixing, and leave the collective pitch curve a straight line.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;2.&lt;/b&gt; 关闭所有十字盘混控和尾舵混控，并把螺距曲线保持为一条直线。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;3.&lt;/b&gt; Two example transmitter configurations are shown below.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;3.&lt;/b&gt; 下面给出两个遥控器设置示例。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>Engine Type</source>
        <translation>动力类型</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>电动</translation>
    </message>
    <message>
        <source>FUEL</source>
        <translation>油动</translation>
    </message>
    <message>
        <source> Receiver </source>
        <translation> 接收机 </translation>
    </message>
    <message>
        <source>Select Receiver Type</source>
        <translation>选择接收机类型</translation>
    </message>
    <message>
        <source>Conventional receiver</source>
        <translation>普通接收机（PWM）</translation>
    </message>
    <message>
        <source>Futaba SBUS</source>
        <translation>Futaba SBUS</translation>
    </message>
    <message>
        <source>DSM2-1</source>
        <translation>DSM2-1</translation>
    </message>
    <message>
        <source>DSM2-2</source>
        <translation>DSM2-2</translation>
    </message>
    <message>
        <source>DSM2-3</source>
        <translation>DSM2-3</translation>
    </message>
    <message>
        <source>DSM2-4</source>
        <translation>DSM2-4</translation>
    </message>
    <message>
        <source>DSMJ</source>
        <translation>DSMJ</translation>
    </message>
    <message>
        <source>DSMX-1</source>
        <translation>DSMX-1</translation>
    </message>
    <message>
        <source>DSMX-2</source>
        <translation>DSMX-2</translation>
    </message>
    <message>
        <source>Wiring Diagram</source>
        <translation>接线图</translation>
    </message>
    <message>
        <source>AUX Channel Function</source>
        <translation>AUX 通道功能</translation>
    </message>
    <message>
        <source>Switch Tail Gain</source>
        <translation>切换尾舵感度</translation>
    </message>
    <message>
        <source>Switch Flight Mode</source>
        <translation>切换飞行模式</translation>
    </message>
    <message>
        <source>Flight Mode Setting</source>
        <translation>飞行模式设置</translation>
    </message>
    <message>
        <source>Aerobatics Mode</source>
        <translation>特技模式</translation>
    </message>
    <message>
        <source>Attitude Mode</source>
        <translation>自平衡模式</translation>
    </message>
    <message>
        <source> Monitor </source>
        <translation> 监视 </translation>
    </message>
    <message>
        <source>&lt;p&gt;Set up the transmitter before flying: use the reverse function of each channel so that every signal moves the way its scale shows; use the trims or sub-trims so that every signal reads 0 with its stick at neutral; and set the travel so that throttle, collective, elevator, aileron and rudder reach -100 to 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;飞行前请设置遥控器：用各通道的反向功能使每个信号按刻度所示的方向变化；用微调或副微调使摇杆在中立位置时每个信号都显示 0；并调整行程，使油门、螺距、升降、副翼和方向达到 -100 到 100。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Channel Monitor</source>
        <translation>通道监视</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>最低</translation>
    </message>
    <message>
        <source>Mid.</source>
        <translation>中</translation>
    </message>
    <message>
        <source>top</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Collective</source>
        <translation>螺距</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Neu.</source>
        <translation>中立</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>升降</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>拉</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>推</translation>
    </message>
    <message>
        <source>Aileron</source>
        <translation>副翼</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>AuxChannel</source>
        <translation>AUX 通道</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>AVCS</source>
        <translation>锁尾</translation>
    </message>
    <message>
        <source>Set Fail Safe</source>
        <translation>设置失控保护</translation>
    </message>
    <message>
        <source> Mount </source>
        <translation> 安装 </translation>
    </message>
    <message>
        <source>Mounting 1.</source>
        <translation>安装方式 1</translation>
    </message>
    <message>
        <source>Mounting 2.</source>
        <translation>安装方式 2</translation>
    </message>
    <message>
        <source>Mounting 3.</source>
        <translation>安装方式 3</translation>
    </message>
    <message>
        <source>Mounting 4.</source>
        <translation>安装方式 4</translation>
    </message>
    <message>
        <source>Mounting 5.</source>
        <translation>安装方式 5</translation>
    </message>
    <message>
        <source>Mounting 6.</source>
        <translation>安装方式 6</translation>
    </message>
    <message>
        <source> SwashPlate </source>
        <translation> 十字盘 </translation>
    </message>
    <message>
        <source>Mechanical Mixer</source>
        <translation>机械混控</translation>
    </message>
    <message>
        <source>90CCPM</source>
        <translation>90CCPM</translation>
    </message>
    <message>
        <source>120CCPM</source>
        <translation>120CCPM</translation>
    </message>
    <message>
        <source>135CCPM</source>
        <translation>135CCPM</translation>
    </message>
    <message>
        <source>140CCPM</source>
        <translation>140CCPM</translation>
    </message>
    <message>
        <source> Servo </source>
        <translation> 舵机 </translation>
    </message>
    <message>
        <source>SwashPlate Servo Setting</source>
        <translation>十字盘舵机设置</translation>
    </message>
    <message>
        <source>SwashPlate Servo Type</source>
        <translation>十字盘舵机类型</translation>
    </message>
    <message>
        <source>Analog Servo 1520us</source>
        <translation>模拟舵机 1520us</translation>
    </message>
    <message>
        <source>Digital Servo 1520us(250Hz)</source>
        <translation>数字舵机 1520us(250Hz)</translation>
    </message>
    <message>
        <source>Digital Servo 1520us(333Hz)</source>
        <translation>数字舵机 1520us(333Hz)</translation>
    </message>
    <message>
        <source>SwashPlate Servo Direction</source>
        <translation>十字盘舵机方向</translation>
    </message>
    <message>
        <source>CH1 Servo Dir Rev.</source>
        <translation>CH1 舵机反向</translation>
    </message>
    <message>
        <source>CH2 Servo Dir Rev.</source>
        <translation>CH2 舵机反向</translation>
    </message>
    <message>
        <source>CH3 Servo Dir Rev.</source>
        <translation>CH3 舵机反向</translation>
    </message>
    <message>
        <source>Tail Servo Setting</source>
        <translation>尾舵机设置</translation>
    </message>
    <message>
        <source>Tail Servo Type</source>
        <translation>尾舵机类型</translation>
    </message>
    <message>
        <source>Digital Servo 760us</source>
        <translation>数字舵机 760us</translation>
    </message>
    <message>
        <source>Digital Servo 960us</source>
        <translation>数字舵机 960us</translation>
    </message>
    <message>
        <source>Tail Servo Direction</source>
        <translation>尾舵机方向</translation>
    </message>
    <message>
        <source>Tail Servo Dir Rev.</source>
        <translation>尾舵机反向</translation>
    </message>
    <message>
        <source> Trim </source>
        <translation> 中立点 </translation>
    </message>
    <message>
        <source>SwashPlate Servo Trim</source>
        <translation>十字盘舵机中立点</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>CH3</source>
        <translation>CH3</translation>
    </message>
    <message>
        <source>Cyclic</source>
        <translation>周期变距</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>清零</translation>
    </message>
    <message>
        <source>Tail Servo Trim</source>
        <translation>尾舵机中立点</translation>
    </message>
    <message>
        <source> Travel </source>
        <translation> 行程 </translation>
    </message>
    <message>
        <source>Tail Setting</source>
        <translation>尾舵行程</translation>
    </message>
    <message>
        <source>Limit A</source>
        <translation>限位 A</translation>
    </message>
    <message>
        <source>Limit B</source>
        <translation>限位 B</translation>
    </message>
    <message>
        <source>SwashPlate Setting</source>
        <translation>十字盘行程</translation>
    </message>
    <message>
        <source>Ail. Travel</source>
        <translation>副翼行程</translation>
    </message>
    <message>
        <source>Elev. Travel</source>
        <translation>升降行程</translation>
    </message>
    <message>
        <source>Cyclic Limit</source>
        <translation>周期变距限制</translation>
    </message>
    <message>
        <source>Captures the current stick and switch positions of your transmitter: the unit holds them if the receiver signal is lost. Set them first, then press.</source>
        <translation>记录遥控器当前的摇杆和开关位置：接收机信号丢失时，陀螺仪保持这些位置。请先摆好摇杆和开关，再按此按钮。</translation>
    </message>
</context>
<context>
    <name>DifferenceList</name>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 (differs)</source>
        <translation>%1（不同）</translation>
    </message>
    <message>
        <source>%1 (no page offers it)</source>
        <translation>%1（页面上无此选项）</translation>
    </message>
</context>
<context>
    <name>GuidedSetup</name>
    <message>
        <source>Guided setup</source>
        <translation>设置向导</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>退出(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>上一步(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一步(&amp;N)</translation>
    </message>
    <message>
        <source>Written to flash: the unit keeps this setup.</source>
        <translation>已写入闪存：陀螺仪将保留这套设置。</translation>
    </message>
    <message>
        <source>Take the main and tail rotor blades off, or unplug the motor, before you begin: the sticks will be moved through their whole travel.

Before anything changes, the unit&apos;s parameters are kept in History as &quot;before guided setup&quot;.</source>
        <translation>开始之前，请拆下主旋翼和尾旋翼桨叶，或拔下电机插头：接下来要把摇杆推到全行程。

在改动任何参数之前，陀螺仪当前的参数会以“设置向导之前”保存在历史记录中。</translation>
    </message>
    <message>
        <source>Choose the receiver type, then move any stick of the transmitter: the unit must see its channels move.</source>
        <translation>选择接收机类型，然后拨动遥控器的任意一个摇杆：陀螺仪必须能看到通道在变化。</translation>
    </message>
    <message>
        <source>Check this stick &amp;again</source>
        <translation>重新检查这个摇杆(&amp;A)</translation>
    </message>
    <message>
        <source>How is the unit mounted in the helicopter? Choose the picture that shows it: a wrong mounting makes the gyro correct the wrong way.</source>
        <translation>陀螺仪在直升机上是怎样安装的？请选择与之相符的图片：安装方式选错，陀螺仪就会往错误的方向修正。</translation>
    </message>
    <message>
        <source>Which swash plate does the helicopter have?</source>
        <translation>这架直升机用的是哪种十字盘？</translation>
    </message>
    <message>
        <source>A servo driven at a frame rate or centre pulse it is not made for can burn out or run into its end stop. Take the servo horns off first, so a servo that runs away cannot break the linkage.</source>
        <translation>舵机如果以不适合它的频率或中立脉宽驱动，可能会烧毁或打到机械限位。请先拆下舵机摇臂，这样即使舵机失控也不会损坏连杆。</translation>
    </message>
    <message>
        <source>The servo &amp;horns are off</source>
        <translation>舵机摇臂已拆下(&amp;H)</translation>
    </message>
    <message>
        <source>Swash plate servos</source>
        <translation>十字盘舵机</translation>
    </message>
    <message>
        <source>Tail servo</source>
        <translation>尾舵机</translation>
    </message>
    <message>
        <source>Move the collective stick up and watch each swash plate servo, then move the rudder stick right and watch the tail. A No reverses that servo at once: watch it again.</source>
        <translation>把螺距摇杆向上推，观察每个十字盘舵机；再把方向摇杆向右打，观察尾部。回答“否”会立即将该舵机反向：请再观察一次。</translation>
    </message>
    <message>
        <source>CH1: did the swash rise on this servo?</source>
        <translation>CH1：这个舵机处的十字盘是否上升？</translation>
    </message>
    <message>
        <source>CH2: did the swash rise on this servo?</source>
        <translation>CH2：这个舵机处的十字盘是否上升？</translation>
    </message>
    <message>
        <source>CH3: did the swash rise on this servo?</source>
        <translation>CH3：这个舵机处的十字盘是否上升？</translation>
    </message>
    <message>
        <source>Tail: did the nose turn right?</source>
        <translation>尾部：机头是否向右转？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Put the sticks and switches where the helicopter should go when the signal is lost: throttle fully down, the other sticks centred. Then press Set Fail Safe: the unit stores the positions it sees now.</source>
        <translation>把摇杆和开关放到信号丢失时直升机应处的位置：油门拉到最低，其余摇杆回中。然后按“设置失控保护”：陀螺仪会记住它此刻看到的位置。</translation>
    </message>
    <message>
        <source>Set &amp;Fail Safe</source>
        <translation>设置失控保护(&amp;F)</translation>
    </message>
    <message>
        <source>What the guided setup changed in the unit:</source>
        <translation>设置向导在陀螺仪中改动的内容：</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>&amp;Write to flash</source>
        <translation>写入闪存(&amp;W)</translation>
    </message>
    <message>
        <source>Writing to flash…</source>
        <translation>正在写入闪存…</translation>
    </message>
    <message>
        <source>The unit</source>
        <translation>陀螺仪</translation>
    </message>
    <message>
        <source>Receiver type</source>
        <translation>接收机类型</translation>
    </message>
    <message>
        <source>Radio check</source>
        <translation>遥控器检查</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>安装方式</translation>
    </message>
    <message>
        <source>Swash plate type</source>
        <translation>十字盘类型</translation>
    </message>
    <message>
        <source>Servo types</source>
        <translation>舵机类型</translation>
    </message>
    <message>
        <source>Servo directions</source>
        <translation>舵机方向</translation>
    </message>
    <message>
        <source>Trims and travel</source>
        <translation>中立微调与行程</translation>
    </message>
    <message>
        <source>Fail safe</source>
        <translation>失控保护</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>总结</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>第 %1 步（共 %2 步）：%3</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>完成(&amp;F)</translation>
    </message>
    <message>
        <source>Waiting for the unit to take the last change…</source>
        <translation>正在等待陀螺仪接收最后一项改动…</translation>
    </message>
    <message>
        <source>No unit answers. Connect the unit (plugged in and powered) first.</source>
        <translation>没有陀螺仪应答。请先连接陀螺仪（插好并通电）。</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s parameters…</source>
        <translation>正在读取陀螺仪参数…</translation>
    </message>
    <message>
        <source>Connected: %1, firmware %2.</source>
        <translation>已连接：%1，固件 %2。</translation>
    </message>
    <message>
        <source>Move any stick.</source>
        <translation>请拨动任意一个摇杆。</translation>
    </message>
    <message>
        <source>The unit sees the channels move.</source>
        <translation>陀螺仪看到了通道在变化。</translation>
    </message>
    <message>
        <source>no signal with this receiver type: check the type and the wiring</source>
        <translation>此接收机类型下没有信号：请检查类型和接线</translation>
    </message>
    <message>
        <source>Likely instead: %1</source>
        <translation>可能应为：%1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>fix and check again</source>
        <translation>修正后重新检查</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>检查中</translation>
    </message>
    <message>
        <source>The radio is right: every stick passed.</source>
        <translation>遥控器设置正确：所有摇杆都已通过。</translation>
    </message>
    <message>
        <source>Throttle now: %1</source>
        <translation>当前油门：%1</translation>
    </message>
    <message>
        <source>Servo type</source>
        <translation>舵机类型</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a servo made for it. Look in the servo&apos;s data sheet: does it allow this frame rate and centre pulse?</source>
        <translation>“%1”需要专门支持它的舵机。请查看舵机说明书：它是否支持这个频率和中立脉宽？</translation>
    </message>
    <message>
        <source>It does: send it</source>
        <translation>支持：发送</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>reversed: watch it again</source>
        <translation>已反向：请再观察一次</translation>
    </message>
    <message>
        <source>Move the throttle fully down first: the unit would keep the throttle at %1 when the signal is lost.</source>
        <translation>请先把油门拉到最低：否则信号丢失时陀螺仪会把油门保持在 %1。</translation>
    </message>
    <message>
        <source>Set Fail Safe</source>
        <translation>设置失控保护</translation>
    </message>
    <message>
        <source>The unit stores the stick and switch positions it sees now as its fail-safe. Store them?</source>
        <translation>陀螺仪会把它此刻看到的摇杆和开关位置存为失控保护位置。现在存储吗？</translation>
    </message>
    <message>
        <source>Waiting for the unit…</source>
        <translation>正在等待陀螺仪…</translation>
    </message>
    <message>
        <source>The unit stored its fail-safe positions.</source>
        <translation>陀螺仪已存储失控保护位置。</translation>
    </message>
    <message>
        <source>The unit did not confirm the fail-safe: press Set Fail Safe again.</source>
        <translation>陀螺仪没有确认失控保护：请再按一次“设置失控保护”。</translation>
    </message>
    <message>
        <source>set</source>
        <translation>已设置</translation>
    </message>
    <message>
        <source>Nothing: the unit was already set up so</source>
        <translation>无：陀螺仪原本就是这样设置的</translation>
    </message>
    <message>
        <source>The unit keeps these values only until it is switched off, unless they are written to flash.</source>
        <translation>除非写入闪存，否则陀螺仪断电后就会丢失这些数值。</translation>
    </message>
    <message>
        <source>Connected: %1, firmware %2 (the simulated unit: steer its sticks with Ctrl+Shift+K).</source>
        <translation>已连接：%1，固件 %2（虚拟陀螺仪：用 Ctrl+Shift+K 操纵它的摇杆）。</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>Put the servo horns back on, as close to a right angle as the splines allow. While this step is shown the unit holds the servos still at their trimmed centre.</source>
        <translation>把舵机摇臂装回去，在齿位允许的范围内尽量与连杆成直角。显示这一步时，陀螺仪会让舵机停在微调后的中立位置。</translation>
    </message>
    <message>
        <source>With the collective stick at mid, trim each servo until its arm is level.</source>
        <translation>把螺距摇杆放在中间，逐个微调舵机，直到每个舵机摇臂都水平。</translation>
    </message>
    <message>
        <source>Move each stick to its ends: lower a limit until no servo or linkage binds at full stick.</source>
        <translation>把每个摇杆推到两端：若摇杆推满时舵机或连杆卡住，就减小相应的行程，直到不再卡住。</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Read or flashed</source>
        <translation>读取或写入闪存</translation>
    </message>
    <message>
        <source>Differing</source>
        <translation>不同项数</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>No entries yet in %1</source>
        <translation>%1 中还没有记录</translation>
    </message>
    <message>
        <source>%1 entries in %2</source>
        <translation>%2：共 %1 条记录</translation>
    </message>
    <message>
        <source>Setup sheet…</source>
        <translation>设置单…</translation>
    </message>
    <message>
        <source>Of the parameters in the window</source>
        <translation>窗口中的参数</translation>
    </message>
    <message>
        <source>Of the chosen entry</source>
        <translation>所选记录</translation>
    </message>
    <message>
        <source>Of a .conf file…</source>
        <translation>.conf 文件…</translation>
    </message>
    <message>
        <source>partial (%1 of %2 keys)</source>
        <translation>不完整（%2 项中的 %1 项）</translation>
    </message>
    <message>
        <source>Search notes, dates, models</source>
        <translation>搜索备注、日期、型号</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>对比(&amp;C)</translation>
    </message>
    <message>
        <source>Two chosen entries side by side, or one beside the unit</source>
        <translation>并排对比选中的两条记录，或将一条记录与陀螺仪对比</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>备注(&amp;N)</translation>
    </message>
    <message>
        <source>Name the entry, such as &quot;before maiden&quot; (F2)</source>
        <translation>为记录添加备注，例如“首飞前” (F2)</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>导出(&amp;E)…</translation>
    </message>
    <message>
        <source>Save a copy of the entry as a .conf file</source>
        <translation>将该记录另存为 .conf 文件</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Remove the chosen entries (Delete)</source>
        <translation>删除选中的记录 (Delete)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>&amp;Compare the two</source>
        <translation>对比这两条(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Compare with the unit</source>
        <translation>与陀螺仪对比(&amp;C)</translation>
    </message>
    <message>
        <source>The note could not be kept: %1 cannot be written.</source>
        <translation>备注无法保存：%1 无法写入。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Delete the entry of %1 from the history?</source>
        <translation>从历史记录中删除 %1 的记录？</translation>
    </message>
    <message>
        <source>Delete these %1 entries from the history?</source>
        <translation>从历史记录中删除这 %1 条记录？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LeavingPolicy</name>
    <message>
        <source>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before disconnecting?</source>
        <translation>陀螺仪中有未写入闪存的更改；断电后这些更改会丢失。

断开连接前先写入闪存吗？</translation>
    </message>
    <message>
        <source>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before closing?</source>
        <translation>陀螺仪中有未写入闪存的更改；断电后这些更改会丢失。

关闭前先写入闪存吗？</translation>
    </message>
    <message>
        <source>The unit on %1 holds changes not written to flash; it loses them when it is switched off.

Write them to flash before connecting to %2?</source>
        <translation>%1 上的陀螺仪中有未写入闪存的更改；断电后这些更改会丢失。

连接 %2 前先写入闪存吗？</translation>
    </message>
    <message>
        <source>Not written to flash</source>
        <translation>未写入闪存</translation>
    </message>
    <message>
        <source>Write to flash first</source>
        <translation>先写入闪存</translation>
    </message>
    <message>
        <source>Leave them unsaved</source>
        <translation>不写入闪存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 is not present: nothing was written to flash</source>
        <translation>找不到端口 %1：没有写入闪存</translation>
    </message>
    <message>
        <source>No unit answers: nothing was written to flash</source>
        <translation>陀螺仪没有应答：没有写入闪存</translation>
    </message>
    <message>
        <source>Written to flash; disconnected from %1</source>
        <translation>已写入闪存；已断开与 %1 的连接</translation>
    </message>
    <message>
        <source>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before leaving the guided setup?</source>
        <translation>陀螺仪中有尚未写入闪存的改动，断电后会丢失。

退出设置向导前先写入闪存吗？</translation>
    </message>
</context>
<context>
    <name>LoadFindings</name>
    <message>
        <source>Saved from a %1 (firmware %2); this unit is a %3</source>
        <translation>保存自 %1（固件 %2）；当前陀螺仪为 %3</translation>
    </message>
    <message>
        <source>Not shown on the pages</source>
        <translation>页面上不显示</translation>
    </message>
    <message>
        <source>Not used by the %1</source>
        <translation>%1 不使用</translation>
    </message>
    <message>
        <source>%1: no choice on the page (%2)</source>
        <translation>%1：页面上没有此选项（%2）</translation>
    </message>
    <message>
        <source>%1: outside the page&apos;s %2 (%3)</source>
        <translation>%1：超出页面范围 %2（%3）</translation>
    </message>
    <message>
        <source>%1: not a setting</source>
        <translation>%1：不是参数</translation>
    </message>
    <message>
        <source>%1: not a setting; did you mean %2?</source>
        <translation>%1：不是参数；是否指 %2？</translation>
    </message>
    <message>
        <source>... and %1 more that are not settings</source>
        <translation>……另有 %1 项不是参数</translation>
    </message>
    <message>
        <source>Values no page offers: %1, marked below</source>
        <translation>页面上没有的值：%1 个，已在下方标出</translation>
    </message>
    <message>
        <source>Not in the file, kept as the unit holds them (%1):</source>
        <translation>文件中没有，保持陀螺仪中的值（%1 项）：</translation>
    </message>
</context>
<context>
    <name>MainSettingPage</name>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>MainSettingPageUi</name>
    <message>
        <source>Main Rotor</source>
        <translation>主旋翼</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>敏捷度</translation>
    </message>
    <message>
        <source>Total Gain</source>
        <translation>总感度</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>尾舵</translation>
    </message>
    <message>
        <source>Left Rate</source>
        <translation>左自旋速率</translation>
    </message>
    <message>
        <source>Right Rate</source>
        <translation>右自旋速率</translation>
    </message>
    <message>
        <source>Level Attitude Trim</source>
        <translation>水平姿态微调</translation>
    </message>
    <message>
        <source>Roll Target</source>
        <translation>横滚目标</translation>
    </message>
    <message>
        <source>Pitch Target</source>
        <translation>俯仰目标</translation>
    </message>
    <message>
        <source>Pre-Set Parameters</source>
        <translation>预设参数</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>3D Flight</source>
        <translation>3D 飞行</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部复位</translation>
    </message>
    <message>
        <source>Load the standard gains and rates for sport flying. Mounting, swash plate, servos, trims and travel stay as they are.</source>
        <translation>载入运动飞行的标准感度和速率。安装方式、十字盘、舵机、中立点和行程保持不变。</translation>
    </message>
    <message>
        <source>Load livelier gains and faster rates for 3D flight. Mounting, swash plate, servos, trims and travel stay as they are.</source>
        <translation>载入适合 3D 飞行的更灵敏的感度和更快的速率。安装方式、十字盘、舵机、中立点和行程保持不变。</translation>
    </message>
    <message>
        <source>Return every setting to the factory set-up, receiver, mounting, swash plate and servos included. Only the servo trims stay.</source>
        <translation>将所有设置恢复为出厂设置，包括接收机、安装方式、十字盘和舵机。只保留舵机中立点。</translation>
    </message>
</context>
<context>
    <name>ParameterCaption</name>
    <message>
        <source>Normal</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a row or tab title followed by a field&apos;s label: &quot;Roll Total Gain&quot;</extracomment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>Cannot open %1: unplugged</source>
        <translation>无法打开 %1：已拔出</translation>
    </message>
    <message>
        <source>%1 is no longer there: the unit was unplugged, or its adapter was reset. Plug it in again; the port list follows within a second.</source>
        <translation>%1 已不存在：陀螺仪已被拔出，或其转接器已复位。请重新插上；端口列表会在一秒内随之更新。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied</source>
        <translation>无法打开 %1：权限不足</translation>
    </message>
    <message>
        <source>The one command that fixes it for good (then log out and in again):
    sudo usermod -aG %1 %2</source>
        <translation>一劳永逸的解决命令（执行后注销并重新登录）：
    sudo usermod -aG %1 %2</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot;, and you are in it, yet the system refuses you the port: its permissions were changed. Unplug the unit and plug it in again; if it still fails, this shows who may use it:
    ls -l %1</source>
        <translation>%1 属于用户组&quot;%2&quot;，您也在该组中，但系统仍拒绝您使用此端口：它的权限已被更改。请拔下陀螺仪再重新插上；若仍然失败，以下命令可显示谁可以使用它：
    ls -l %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot;. Your user &quot;%3&quot; was added to that group after this login began, so it does not count yet: log out and in again (or restart the computer), then connect.</source>
        <translation>%1 属于用户组&quot;%2&quot;。您的用户&quot;%3&quot;是在本次登录之后才加入该组的，因此尚未生效：请注销并重新登录（或重启电脑），然后再连接。</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot;, and your user &quot;%3&quot; is not in it.</source>
        <translation>%1 属于用户组&quot;%2&quot;，而您的用户&quot;%3&quot;不在该组中。</translation>
    </message>
    <message>
        <source>The assistant&apos;s device rule, which gives whoever sits at this computer access to USB-serial adapters, is installed but was not applied to this port: the adapter was plugged in before the rule was installed, or you are not logged in at this computer&apos;s own screen. Unplug the unit and plug it in again.</source>
        <translation>助手的设备规则（让坐在这台电脑前的用户使用 USB 串口转接器）已安装，但未应用到此端口：转接器是在规则安装之前插上的，或者您不是在这台电脑本机屏幕前登录的。请拔下陀螺仪再重新插上。</translation>
    </message>
    <message>
        <source>The assistant&apos;s device rule, which gives whoever sits at this computer access to USB-serial adapters, is not installed; it comes with the vrn-assistant package.</source>
        <translation>助手的设备规则（让坐在这台电脑前的用户使用 USB 串口转接器）未安装；它随 vrn-assistant 软件包一起提供。</translation>
    </message>
    <message>
        <source>Cannot open %1: the port is in use by another program</source>
        <translation>无法打开 %1：端口正被其他程序占用</translation>
    </message>
    <message>
        <source>Another program holds %1 open, one this user may not look into (it runs as another user or as root). This command names it:
    sudo lsof %1

Close that program, then connect again.</source>
        <translation>另一个程序正占用 %1，而当前用户无权查看它（它以其他用户或 root 身份运行）。以下命令可显示它的名称：
    sudo lsof %1

关闭该程序后再连接。</translation>
    </message>
    <message>
        <source>Cannot open %1: in use by %2</source>
        <translation>无法打开 %1：正被 %2 占用</translation>
    </message>
    <message>
        <source>ModemManager, the mobile-modem service, is probing %1 as if the unit were a modem. It lets go after a few seconds: connect again then. The assistant&apos;s device rule keeps it away from USB-serial adapters; without the rule, or if you have no mobile modem, stop it for good:
    sudo systemctl disable --now ModemManager</source>
        <translation>移动调制解调器服务 ModemManager 正把陀螺仪当作调制解调器探测 %1。几秒钟后它会释放端口，届时再连接即可。助手的设备规则会让它远离 USB 串口转接器；如果没有安装该规则，或者您不使用移动调制解调器，可以将其永久停用：
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>brltty, the Braille display service, has taken %1: it claims the USB-serial chips many units use. Unless you use a Braille display, remove it:
    sudo apt remove brltty
then unplug the unit and plug it in again.</source>
        <translation>盲文显示器服务 brltty 占用了 %1：它会抢占许多陀螺仪所用的 USB 串口芯片。除非您使用盲文显示器，否则请卸载它：
    sudo apt remove brltty
然后拔下陀螺仪再重新插上。</translation>
    </message>
    <message>
        <source>%1 (process %2) holds %3 open. Close it, or end it with:
    kill %2
then connect again.</source>
        <translation>%1（进程 %2）正占用 %3。请关闭它，或用以下命令结束它：
    kill %2
然后再连接。</translation>
    </message>
    <message>
        <source>%1 is for the administrator (root) alone. Ask whoever looks after this computer to give serial ports to the group &quot;dialout&quot;, or to install the vrn-assistant package, whose device rule gives them to whoever sits at it.</source>
        <translation>%1 只允许管理员（root）使用。请让这台电脑的管理员把串口交给用户组&quot;dialout&quot;，或者安装 vrn-assistant 软件包，其设备规则会把串口交给坐在这台电脑前的用户。</translation>
    </message>
    <message>
        <source>Cannot open %1: in use, most likely by %2</source>
        <translation>无法打开 %1：端口被占用，很可能是 %2</translation>
    </message>
</context>
<context>
    <name>PortSession</name>
    <message>
        <source>No gyro unit answered on %1</source>
        <translation>%1 上没有陀螺仪应答</translation>
    </message>
</context>
<context>
    <name>RadioCheck</name>
    <message>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <source>Collective</source>
        <translation>螺距</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>升降</translation>
    </message>
    <message>
        <source>Aileron</source>
        <translation>副翼</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>AUX switch</source>
        <translation>AUX 开关</translation>
    </message>
    <message>
        <source>Move the throttle stick fully up and hold</source>
        <translation>把油门摇杆推到最高并保持</translation>
    </message>
    <message>
        <source>Move the throttle stick fully down and hold</source>
        <translation>把油门摇杆拉到最低并保持</translation>
    </message>
    <message>
        <source>Move the throttle stick to the middle and hold</source>
        <translation>把油门摇杆放到中间并保持</translation>
    </message>
    <message>
        <source>Move the collective stick fully up and hold</source>
        <translation>把螺距摇杆推到最高并保持</translation>
    </message>
    <message>
        <source>Move the collective stick fully down and hold</source>
        <translation>把螺距摇杆拉到最低并保持</translation>
    </message>
    <message>
        <source>Move the collective stick to the middle and hold</source>
        <translation>把螺距摇杆放到中间并保持</translation>
    </message>
    <message>
        <source>Pull the elevator stick fully back and hold</source>
        <translation>把升降摇杆拉到最后并保持</translation>
    </message>
    <message>
        <source>Push the elevator stick fully forward and hold</source>
        <translation>把升降摇杆推到最前并保持</translation>
    </message>
    <message>
        <source>Release the elevator stick</source>
        <translation>松开升降摇杆</translation>
    </message>
    <message>
        <source>Move the aileron stick fully right and hold</source>
        <translation>把副翼摇杆打到最右并保持</translation>
    </message>
    <message>
        <source>Move the aileron stick fully left and hold</source>
        <translation>把副翼摇杆打到最左并保持</translation>
    </message>
    <message>
        <source>Release the aileron stick</source>
        <translation>松开副翼摇杆</translation>
    </message>
    <message>
        <source>Move the rudder stick fully right and hold</source>
        <translation>把方向摇杆打到最右并保持</translation>
    </message>
    <message>
        <source>Move the rudder stick fully left and hold</source>
        <translation>把方向摇杆打到最左并保持</translation>
    </message>
    <message>
        <source>Release the rudder stick</source>
        <translation>松开方向摇杆</translation>
    </message>
    <message>
        <source>Flip the AUX switch to its other position</source>
        <translation>把 AUX 开关拨到另一个位置</translation>
    </message>
    <message>
        <source>Flip the AUX switch back</source>
        <translation>把 AUX 开关拨回来</translation>
    </message>
    <message>
        <source>Leave the AUX switch</source>
        <translation>不要再动 AUX 开关</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <translation>%1 已检查</translation>
    </message>
    <message>
        <source>%1 moves the %2 channel instead: put %1 on channel %3 in your transmitter</source>
        <translation>%1 动的是 %2 通道：请在遥控器中把 %1 分配到第 %3 通道</translation>
    </message>
    <message>
        <source>%1 does not move: check that channel %2 is assigned in your transmitter and plugged in</source>
        <translation>%1 没有变化：请检查遥控器中第 %2 通道是否已分配、是否已插好</translation>
    </message>
    <message>
        <source>%1 is reversed: reverse channel %2 in your transmitter</source>
        <translation>%1 方向反了：请在遥控器中把第 %2 通道反向</translation>
    </message>
    <message>
        <source>%1 reaches only %2: raise its end point</source>
        <translation>%1 只到 %2：请加大它的舵量终点</translation>
    </message>
    <message>
        <source>%1 rests at %2: set its sub-trim</source>
        <translation>%1 中立时为 %2：请调整它的中立微调</translation>
    </message>
</context>
<context>
    <name>SerialProcessThread</name>
    <message>
        <source>No answer from the unit on %1: check the cable and that the unit is powered</source>
        <translation>%1 上的陀螺仪没有应答：请检查连线，并确认陀螺仪已通电</translation>
    </message>
    <message>
        <source>%1 · firmware %2</source>
        <translation>%1 · 固件 %2</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Set fail safe was not confirmed: press Set Fail Safe again</source>
        <translation>设置失控保护未得到确认：请再按一次“设置失控保护”</translation>
    </message>
    <message>
        <source>Write flash was not confirmed: press WriteFlash again</source>
        <translation>写入闪存未得到确认：请再按一次“写入闪存”</translation>
    </message>
    <message>
        <source>No unit connected: nothing was written to flash</source>
        <translation>未连接陀螺仪：没有写入闪存</translation>
    </message>
    <message>
        <source>No unit connected: fail safe was not set</source>
        <translation>未连接陀螺仪：未设置失控保护</translation>
    </message>
    <message>
        <source>Waiting for the unit&apos;s parameters: editing resumes once they are read</source>
        <translation>正在等待陀螺仪参数：读取完成后才能编辑</translation>
    </message>
    <message>
        <source>Unconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Write flash successfully</source>
        <translation>写入闪存成功</translation>
    </message>
    <message>
        <source>Upload Parameters Now...</source>
        <translation>正在向陀螺仪发送参数…</translation>
    </message>
    <message>
        <source>Upload Parameters Completely</source>
        <translation>参数发送完成</translation>
    </message>
    <message>
        <source>Upload verified</source>
        <translation>回读校验通过</translation>
    </message>
    <message>
        <source>The unit kept different values for %1 parameters</source>
        <translation>陀螺仪实际采用的值与发送值不同，共 %1 个参数</translation>
    </message>
    <message>
        <source>Download Parameters Now...</source>
        <translation>正在读取陀螺仪参数…</translation>
    </message>
    <message>
        <source>Download Parameters Completely</source>
        <translation>参数读取完成</translation>
    </message>
    <message>
        <source>The unit restarted: changes not written to flash were lost</source>
        <translation>陀螺仪已重启：未写入闪存的更改已丢失</translation>
    </message>
    <message>
        <source>Simulated unit</source>
        <translation>虚拟陀螺仪</translation>
    </message>
    <message>
        <source>Port %1 is back</source>
        <translation>端口 %1 已恢复</translation>
    </message>
    <message>
        <source>Port %1 was lost: %2</source>
        <translation>端口 %1 已断开：%2</translation>
    </message>
    <message>
        <source>Fail safe set: the unit holds the current stick and switch positions if the signal is lost</source>
        <translation>失控保护设置成功：信号丢失时，陀螺仪保持当前的摇杆和开关位置</translation>
    </message>
    <message>
        <source>No USB id: a built-in or virtual serial port, not a unit&apos;s adapter</source>
        <translation>无 USB 标识：这是电脑自带或虚拟的串口，不是陀螺仪的转接器</translation>
    </message>
    <message>
        <source>Another unit, or values changed outside the assistant: the pages show what it holds now</source>
        <translation>另一个陀螺仪，或参数在本程序之外被改变：页面显示陀螺仪当前的参数</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>not in the file</source>
        <translation>文件中没有</translation>
    </message>
    <message>
        <source>Read from the unit</source>
        <translation>从陀螺仪读取</translation>
    </message>
    <message>
        <source>Written to the unit&apos;s flash</source>
        <translation>已写入陀螺仪闪存</translation>
    </message>
    <message>
        <source>Setup sheet: %1</source>
        <translation>设置单：%1</translation>
    </message>
    <message>
        <source>Setup sheet</source>
        <translation>设置单</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>陀螺仪</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>From</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>保存时间</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>打印时间</translation>
    </message>
    <message>
        <source>Not written to flash</source>
        <translation>未写入闪存</translation>
    </message>
    <message>
        <source>The unit loses these values when it is switched off.</source>
        <translation>陀螺仪断电后将丢失这些参数。</translation>
    </message>
    <message>
        <source>%1 · page %2 of %3</source>
        <translation>%1 · 第 %2 页，共 %3 页</translation>
    </message>
    <message>
        <source>Setup sheet (continued)</source>
        <translation>设置单（续）</translation>
    </message>
    <message>
        <source>No setup sheet made: %1</source>
        <translation>未生成设置单：%1</translation>
    </message>
    <message>
        <source>No setup sheet made: %1 cannot be written</source>
        <translation>未生成设置单：无法写入 %1</translation>
    </message>
    <message>
        <source>Setup sheet of %1 written to %2</source>
        <translation>%1 的设置单已写入 %2</translation>
    </message>
    <message>
        <source>No setup sheet made: it would replace %1 itself</source>
        <translation>未生成设置单：它会覆盖 %1 本身</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>SetupSheetOffer</name>
    <message>
        <source>Save Setup Sheet</source>
        <translation>保存设置单</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>The setup sheet cannot be written to %1</source>
        <translation>无法将设置单写入 %1</translation>
    </message>
    <message>
        <source>Setup sheet saved to %1</source>
        <translation>设置单已保存到 %1</translation>
    </message>
    <message>
        <source>Print Setup Sheet</source>
        <translation>打印设置单</translation>
    </message>
    <message>
        <source>Setup sheet sent to %1</source>
        <translation>设置单已发送到 %1</translation>
    </message>
    <message>
        <source>Setup sheet</source>
        <translation>设置单</translation>
    </message>
    <message>
        <source>The setup sheet of %1: every parameter on one or two A4 pages.</source>
        <translation>%1 的设置单：全部参数，印在一到两页 A4 纸上。</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>保存为 PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>StickWindow</name>
    <message>
        <source>Sticks of the simulated unit</source>
        <translation>虚拟陀螺仪的摇杆</translation>
    </message>
    <message>
        <source>Arrow keys: aileron and elevator, held while pressed (Shift: fully).
A and D: rudder. W and S: throttle and collective, up and down.
X: AUX switch. Space: centre everything but throttle and collective.</source>
        <translation>方向键：副翼和升降，按住时保持（加 Shift：打满）。
A 和 D：方向。W 和 S：油门和螺距，上下调整。
X：AUX 开关。空格：除油门和螺距外全部回中。</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>油门</translation>
    </message>
    <message>
        <source>Collective</source>
        <translation>螺距</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>升降</translation>
    </message>
    <message>
        <source>Aileron</source>
        <translation>副翼</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>AuxChannel</source>
        <translation>AUX 通道</translation>
    </message>
</context>
<context>
    <name>UnitHistory</name>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>flashed</source>
        <translation>写入闪存</translation>
    </message>
    <message>
        <source>before guided setup</source>
        <translation>设置向导之前</translation>
    </message>
</context>
<context>
    <name>ValueRanges</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
</context>
<context>
    <name>contentWidget</name>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>VRN Assistant V1.1 — %1</source>
        <translation>VRN Assistant V1.1 — %1</translation>
    </message>
    <message>
        <source>Values prepared without the unit</source>
        <translation>离线准备的参数</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The language could not be saved: neither %1 nor %2 can be written.</source>
        <translation>无法保存语言设置：%1 和 %2 都无法写入。</translation>
    </message>
    <message>
        <source>The unit&apos;s history cannot be kept in %1</source>
        <translation>无法在 %1 中保存陀螺仪的历史记录</translation>
    </message>
    <message>
        <source>Please restart the application!</source>
        <translation>请重启应用程序！</translation>
    </message>
    <message>
        <source>Sticks of the simulated unit… (Ctrl+Shift+K)</source>
        <translation>虚拟陀螺仪的摇杆…（Ctrl+Shift+K）</translation>
    </message>
</context>
<context>
    <name>skinWidget</name>
    <message>
        <source>skin1</source>
        <translation>皮肤1</translation>
    </message>
    <message>
        <source>skin2</source>
        <translation>皮肤2</translation>
    </message>
    <message>
        <source>skin3</source>
        <translation>皮肤3</translation>
    </message>
    <message>
        <source>skin4</source>
        <translation>皮肤4</translation>
    </message>
    <message>
        <source>skin5</source>
        <translation>皮肤5</translation>
    </message>
    <message>
        <source>skin6</source>
        <translation>皮肤6</translation>
    </message>
    <message>
        <source>skin7</source>
        <translation>皮肤7</translation>
    </message>
    <message>
        <source>skin8</source>
        <translation>皮肤8</translation>
    </message>
    <message>
        <source>skin9</source>
        <translation>皮肤9</translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation>更换皮肤</translation>
    </message>
</context>
<context>
    <name>statusWidget</name>
    <message>
        <source>--------------</source>
        <translation>--------------</translation>
    </message>
    <message>
        <source>Unconnected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Not written to flash</source>
        <translation>未写入闪存</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Click to see the changes a power cycle would lose</source>
        <translation>点击查看断电后会丢失的更改</translation>
    </message>
</context>
<context>
    <name>titleWidget</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>VRN Flybarless Gyro System Assistant</source>
        <translation>VRN 无副翼陀螺仪系统助手</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>皮肤</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>toolWidget</name>
    <message>
        <source>LoadConfig</source>
        <translation>载入配置</translation>
    </message>
    <message>
        <source>SaveConfig</source>
        <translation>保存配置</translation>
    </message>
    <message>
        <source>WriteFlash</source>
        <translation>写入闪存</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Load parameters from a .conf file</source>
        <translation>从 .conf 文件载入参数</translation>
    </message>
    <message>
        <source>Save the parameters to a .conf file</source>
        <translation>将参数保存到 .conf 文件</translation>
    </message>
    <message>
        <source>Make the unit keep its parameters after a power cycle</source>
        <translation>让陀螺仪在断电重启后保留参数</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 already exists.

Replace it?</source>
        <translation>%1 已存在。

要替换它吗？</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>The unit&apos;s earlier parameters, kept on this computer</source>
        <translation>保存在本机上的陀螺仪历史参数</translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation>载入 %1</translation>
    </message>
    <message>
        <source>%1 matches the unit&apos;s parameters</source>
        <translation>%1 与陀螺仪的参数一致</translation>
    </message>
    <message>
        <source>Open the chosen port and read the unit&apos;s parameters</source>
        <translation>打开所选端口并读取陀螺仪参数</translation>
    </message>
    <message>
        <source>Close the port; the unit keeps running</source>
        <translation>关闭端口；陀螺仪继续运行</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>恢复 %1</translation>
    </message>
    <message>
        <source>Setup Sheet of a Config File</source>
        <translation>配置文件的设置单</translation>
    </message>
    <message>
        <source>The unit on %1</source>
        <translation>%1 上的陀螺仪</translation>
    </message>
    <message>
        <source>The parameters in the window</source>
        <translation>窗口中的参数</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Configuration files (*.conf)</source>
        <translation>配置文件(*.conf)</translation>
    </message>
    <message>
        <source>The serial port the unit is plugged into (right-click for the port options)</source>
        <translation>陀螺仪所连接的串口（右键单击可设置端口选项）</translation>
    </message>
    <message>
        <source>Connect when a unit is plugged in</source>
        <translation>插上陀螺仪时自动连接</translation>
    </message>
    <message>
        <source>Guided setup</source>
        <translation>设置向导</translation>
    </message>
    <message>
        <source>Set up a new unit step by step, with the radio checked on what the unit sees (%1)</source>
        <translation>一步一步设置新陀螺仪，并按陀螺仪实际看到的信号检查遥控器（%1）</translation>
    </message>
    <message>
        <source>Export History Entry</source>
        <translation>导出历史记录</translation>
    </message>
    <message>
        <source>History entry exported to %1</source>
        <translation>历史记录已导出到 %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 无法写入</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>%1 · &quot;%2&quot;</source>
        <translation>%1 · “%2”</translation>
    </message>
    <message>
        <source>The unit now</source>
        <translation>陀螺仪当前参数</translation>
    </message>
    <message>
        <source>Its flash, as known</source>
        <translation>陀螺仪闪存（已知）</translation>
    </message>
    <message>
        <source>Compare a Config File</source>
        <translation>对比配置文件</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 无法读取</translation>
    </message>
    <message>
        <source>Take from %1</source>
        <translation>从 %1 写入</translation>
    </message>
    <message>
        <source>What the unit&apos;s flash holds is not known yet</source>
        <translation>尚不清楚陀螺仪闪存中的参数</translation>
    </message>
    <message>
        <source>What a power cycle would lose: the unit holds these values, its flash the others. WriteFlash keeps them; taking the flash&apos;s values undoes them.</source>
        <translation>断电后会丢失的更改：陀螺仪当前为这些数值，闪存中为另一些。写入闪存可保留它们；采用闪存中的数值则撤销这些更改。</translation>
    </message>
</context>
<context>
    <name>updatesettingpage</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Software Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;软件版本：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>1.1(2013.10.25)</source>
        <translation>1.1(2013.10.25)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Firmware Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;固件版本：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Device Type:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;设备型号：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>------------</source>
        <translation>------------</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Upgrade function not opened, please note:</source>
        <translation>升级功能暂未开放，请注意：</translation>
    </message>
    <message>
        <source>Firmware upgrades come with later versions of this assistant.</source>
        <translation>固件升级将在本助手的后续版本中提供。</translation>
    </message>
    <message>
        <source>VRN-X1 Flybarless Gyro System</source>
        <translation>VRN-X1 无副翼陀螺仪系统</translation>
    </message>
    <message>
        <source>VRN-A1 Flybarless Gyro System</source>
        <translation>VRN-A1 无副翼陀螺仪系统</translation>
    </message>
    <message>
        <source>Invalid Device</source>
        <translation>未知设备</translation>
    </message>
</context>
</TS>
