<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Calibrate RPM</source>
        <translation>Calibrate RPM</translation>
    </message>
    <message>
        <source>Governor On</source>
        <translation>Governor On</translation>
    </message>
    <message>
        <source>Calibration makes the unit learn the engine&apos;s speed signal: the next time the motor runs up to full throttle, the unit takes that rotor speed as the speed the governor holds. Hold the helicopter down and keep clear of the rotor while it runs.

Calibrate the governor now?</source>
        <translation>Calibration makes the unit learn the engine&apos;s speed signal: the next time the motor runs up to full throttle, the unit takes that rotor speed as the speed the governor holds. Hold the helicopter down and keep clear of the rotor while it runs.

Calibrate the governor now?</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AdvanceSettingPageUi</name>
    <message>
        <source> Main Rotor </source>
        <translation> Main Rotor </translation>
    </message>
    <message>
        <source>Roll Gain Setting</source>
        <translation>Roll Gain Setting</translation>
    </message>
    <message>
        <source>Gain P</source>
        <translation>Gain P</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the roll axis. Raising it holds roll more firmly against gusts and makes the helicopter feel more locked in; if roll wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the roll axis. Raising it holds roll more firmly against gusts and makes the helicopter feel more locked in; if roll wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Gain I</source>
        <translation>Gain I</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the roll axis. Raising it keeps the disc at the commanded angle and stops it drifting after a stick input; if roll swings back slowly after a roll or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the roll axis. Raising it keeps the disc at the commanded angle and stops it drifting after a stick input; if roll swings back slowly after a roll or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Gain D</source>
        <translation>Gain D</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the roll axis. Raising it brakes roll movements more firmly and reduces overshoot; if rolls stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the roll axis. Raising it brakes roll movements more firmly and reduces overshoot; if rolls stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Integral Gain</source>
        <translation>Integral Gain</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the roll axis. Raising it removes slow, steady drift such as a roll-off in hover or in long pirouettes; if roll rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the roll axis. Raising it removes slow, steady drift such as a roll-off in hover or in long pirouettes; if roll rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pitch Gain Setting</source>
        <translation>Pitch Gain Setting</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the pitch axis. Raising it holds pitch more firmly against gusts and makes the helicopter feel more locked in; if pitch wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the pitch axis. Raising it holds pitch more firmly against gusts and makes the helicopter feel more locked in; if pitch wobbles or oscillates quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the pitch axis. Raising it keeps the disc at the commanded angle and stops the nose drifting after a stick input; if pitch swings back slowly after a flip or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Angle-hold gain of the pitch axis. Raising it keeps the disc at the commanded angle and stops the nose drifting after a stick input; if pitch swings back slowly after a flip or in fast forward flight, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the pitch axis. Raising it brakes pitch movements more firmly and reduces overshoot; if flips stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the pitch axis. Raising it brakes pitch movements more firmly and reduces overshoot; if flips stop harshly or the swash servos buzz, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the pitch axis. Raising it removes slow, steady drift such as the nose rising in fast forward flight; if pitch rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the pitch axis. Raising it removes slow, steady drift such as the nose rising in fast forward flight; if pitch rocks slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Dec. Setting</source>
        <translation>Dec. Setting</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a roll or flip builds up to the commanded rate. Raising it makes the cyclic start harder; if the start of a flip feels jerky, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a roll or flip builds up to the commanded rate. Raising it makes the cyclic start harder; if the start of a flip feels jerky, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Deceleration</source>
        <translation>Deceleration</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard a roll or flip stops when the stick returns to centre. Raising it stops the helicopter sooner and more crisply; if it bounces back at the end of a flip or roll, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard a roll or flip stops when the stick returns to centre. Raising it stops the helicopter sooner and more crisply; if it bounces back at the end of a flip or roll, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Deadband Setting</source>
        <translation>Deadband Setting</translation>
    </message>
    <message>
        <source>RC. DB.</source>
        <translation>RC. DB.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Cyclic stick dead band around centre. Raising it ignores more stick movement near centre, so sticks that do not centre exactly cause no drift; if the cyclic feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Cyclic stick dead band around centre. Raising it ignores more stick movement near centre, so sticks that do not centre exactly cause no drift; if the cyclic feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Sensor DB.</source>
        <translation>Sensor DB.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the roll and pitch sensors. Raising it ignores small sensor signals and calms a hover that twitches from vibration; if the helicopter wanders slowly without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the roll and pitch sensors. Raising it ignores small sensor signals and calms a hover that twitches from vibration; if the helicopter wanders slowly without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>3D Flight Setting</source>
        <translation>3D Flight Setting</translation>
    </message>
    <message>
        <source>Burst Coef.</source>
        <translation>Burst Coef.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Stick response for 3D flight. Raising it makes quick, large cyclic inputs react harder and faster; if the helicopter over-reacts or feels jumpy on fast stick punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Stick response for 3D flight. Raising it makes quick, large cyclic inputs react harder and faster; if the helicopter over-reacts or feels jumpy on fast stick punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> Tail </source>
        <translation> Tail </translation>
    </message>
    <message>
        <source>Tail Gain Setting</source>
        <translation>Tail Gain Setting</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the tail. Raising it holds the tail more firmly against torque changes; if the tail wags quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rate gain of the tail. Raising it holds the tail more firmly against torque changes; if the tail wags quickly, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Heading-hold gain of the tail. Raising it keeps the tail on its heading through collective changes and in forward flight; if the tail swings slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Heading-hold gain of the tail. Raising it keeps the tail on its heading through collective changes and in forward flight; if the tail swings slowly back and forth, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the tail. Raising it brakes the tail more firmly at the end of a pirouette; if the tail bounces at the stop or the tail servo buzzes, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the tail. Raising it brakes the tail more firmly at the end of a pirouette; if the tail bounces at the stop or the tail servo buzzes, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Left Acc.</source>
        <translation>Left Acc.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a left pirouette builds up. Raising it makes the tail start harder; if the start of a left turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a left pirouette builds up. Raising it makes the tail start harder; if the start of a left turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Left Dec.</source>
        <translation>Left Dec.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a left pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a left stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a left pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a left stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Right Acc.</source>
        <translation>Right Acc.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a right pirouette builds up. Raising it makes the tail start harder; if the start of a right turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How quickly a right pirouette builds up. Raising it makes the tail start harder; if the start of a right turn jerks, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Right Dec.</source>
        <translation>Right Dec.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a right pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a right stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;How hard the tail stops after a right pirouette. Raising it stops the tail sooner and more crisply; if the tail bounces back after a right stop, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Tail Compensation</source>
        <translation>Tail Compensation</translation>
    </message>
    <message>
        <source>Cyclic to
Tail Comp.</source>
        <translation>Cyclic to
Tail Comp.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with cyclic input, against the torque change of rolls and flips (negative values work in the other direction). Raising it holds the tail better during hard cyclic moves; if the tail kicks the other way during flips and rolls, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with cyclic input, against the torque change of rolls and flips (negative values work in the other direction). Raising it holds the tail better during hard cyclic moves; if the tail kicks the other way during flips and rolls, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Collective to
Tail Comp.</source>
        <translation>Collective to
Tail Comp.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with collective input, to meet the torque change before the gyro sees it (negative values work in the other direction). Raising it holds the tail better on collective punches; if the tail kicks the other way on collective punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Tail pitch added with collective input, to meet the torque change before the gyro sees it (negative values work in the other direction). Raising it holds the tail better on collective punches; if the tail kicks the other way on collective punches, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RC.DB.</source>
        <translation>RC.DB.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rudder stick dead band around centre. Raising it ignores more stick movement near centre, so a stick that does not centre exactly does not make the tail creep; if the tail feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Rudder stick dead band around centre. Raising it ignores more stick movement near centre, so a stick that does not centre exactly does not make the tail creep; if the tail feels vague around centre, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the yaw sensor. Raising it ignores small sensor signals and calms a tail that twitches from vibration; if the tail drifts slowly in hover without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Dead band of the yaw sensor. Raising it ignores small sensor signals and calms a tail that twitches from vibration; if the tail drifts slowly in hover without correcting, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> Governor </source>
        <translation> Governor </translation>
    </message>
    <message>
        <source>Governor Gain Setting</source>
        <translation>Governor Gain Setting</translation>
    </message>
    <message>
        <source>Total Gain</source>
        <translation>Total Gain</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Proportional gain of the governor. Raising it answers load changes faster; if the head speed surges or the motor sound pulses, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Proportional gain of the governor. Raising it answers load changes faster; if the head speed surges or the motor sound pulses, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the governor. Raising it brings the head speed back to the set value more exactly under steady load; if the head speed overshoots and swings slowly after a load change, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Integral gain of the governor. Raising it brings the head speed back to the set value more exactly under steady load; if the head speed overshoots and swings slowly after a load change, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the governor. Raising it damps overshoot after sudden load changes; if the throttle turns nervous or jittery, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Damping of the governor. Raising it damps overshoot after sudden load changes; if the throttle turns nervous or jittery, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RPM. Compensation</source>
        <translation>RPM. Compensation</translation>
    </message>
    <message>
        <source>Collective Comp.</source>
        <translation>Collective Comp.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with collective before the head speed drops. Raising it holds the head speed better on collective punches; if the head speed rises when you punch collective, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with collective before the head speed drops. Raising it holds the head speed better on collective punches; if the head speed rises when you punch collective, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cyclic Comp.</source>
        <translation>Cyclic Comp.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with cyclic before the head speed drops. Raising it holds the head speed better in hard rolls and flips; if the head speed rises during hard cyclic moves, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#006400;&quot;&gt;Throttle added with cyclic before the head speed drops. Raising it holds the head speed better in hard rolls and flips; if the head speed rises during hard cyclic moves, lower it.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Governor On/Off</source>
        <translation>Governor On/Off</translation>
    </message>
    <message>
        <source>Governor Off</source>
        <translation>Governor Off</translation>
    </message>
    <message>
        <source>Calibrate RPM.</source>
        <translation>Calibrate RPM.</translation>
    </message>
    <message>
        <source>Reset </source>
        <translation>Reset </translation>
    </message>
    <message>
        <source>Governor off: the throttle follows the transmitter&apos;s throttle curve.</source>
        <translation>Governor off: the throttle follows the transmitter&apos;s throttle curve.</translation>
    </message>
    <message>
        <source>Governor on: the unit holds the head speed. While it reads &quot;Calibrate RPM&quot;, the unit is set to learn the head speed first.</source>
        <translation>Governor on: the unit holds the head speed. While it reads &quot;Calibrate RPM&quot;, the unit is set to learn the head speed first.</translation>
    </message>
    <message>
        <source>Set the governor gains and compensations back to their defaults: total 30, P 20, I 80, D 20, collective 60, cyclic 40.</source>
        <translation>Set the governor gains and compensations back to their defaults: total 30, P 20, I 80, D 20, collective 60, cyclic 40.</translation>
    </message>
    <message>
        <source>Gain I</source>
        <comment>governor: integral term</comment>
        <translation>Gain I</translation>
    </message>
</context>
<context>
    <name>ChangePreview</name>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>%1 of %2 parameters differ</source>
        <translation>%1 of %2 parameters differ</translation>
    </message>
    <message>
        <source>About the file</source>
        <translation>About the file</translation>
    </message>
    <message>
        <source>%1: left as the unit holds them</source>
        <translation>%1: left as the unit holds them</translation>
    </message>
    <message>
        <source>file: %1</source>
        <translation>file: %1</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>Tick every value (Ctrl+A)</source>
        <translation>Tick every value (Ctrl+A)</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>Tick no value (Ctrl+Shift+A); Space ticks the current row</source>
        <translation>Tick no value (Ctrl+Shift+A); Space ticks the current row</translation>
    </message>
    <message>
        <source>%1 of %2 differences chosen</source>
        <translation>%1 of %2 differences chosen</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Show &amp;every parameter</source>
        <translation>Show &amp;every parameter</translation>
    </message>
    <message>
        <source>Off: only the parameters that differ</source>
        <translation>Off: only the parameters that differ</translation>
    </message>
    <message>
        <source>&amp;Take into the unit…</source>
        <translation>&amp;Take into the unit…</translation>
    </message>
    <message>
        <source>Choose which of these values the unit takes</source>
        <translation>Choose which of these values the unit takes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Left:</source>
        <translation>&amp;Left:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Right:</translation>
    </message>
    <message>
        <source>A .conf file…</source>
        <translation>A .conf file…</translation>
    </message>
    <message>
        <source>No parameter differs</source>
        <translation>No parameter differs</translation>
    </message>
    <message>
        <source>%1 of %2 parameters differ</source>
        <translation>%1 of %2 parameters differ</translation>
    </message>
    <message>
        <source>Choose which values of %1 the unit takes</source>
        <translation>Choose which values of %1 the unit takes</translation>
    </message>
</context>
<context>
    <name>ConfigResult</name>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuration loaded from %1</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuration saved to %1</translation>
    </message>
    <message>
        <source>Cannot load %1: the file does not exist</source>
        <translation>Cannot load %1: the file does not exist</translation>
    </message>
    <message>
        <source>Cannot load %1: it is not a file</source>
        <translation>Cannot load %1: it is not a file</translation>
    </message>
    <message>
        <source>Cannot load %1: the file cannot be read</source>
        <translation>Cannot load %1: the file cannot be read</translation>
    </message>
    <message>
        <source>Nothing loaded: %1 holds no gyro settings</source>
        <translation>Nothing loaded: %1 holds no gyro settings</translation>
    </message>
    <message>
        <source>Cannot save %1: a folder of that name exists</source>
        <translation>Cannot save %1: a folder of that name exists</translation>
    </message>
    <message>
        <source>Cannot save %1: the file cannot be written</source>
        <translation>Cannot save %1: the file cannot be written</translation>
    </message>
    <message>
        <source>Cannot save %1: the existing file cannot be read</source>
        <translation>Cannot save %1: the existing file cannot be read</translation>
    </message>
    <message>
        <source>Nothing loaded: %1 holds no gyro settings; unknown keys: %2</source>
        <translation>Nothing loaded: %1 holds no gyro settings; unknown keys: %2</translation>
    </message>
    <message>
        <source>Nothing loaded: in %1, %2 holds &quot;%3&quot;, which is not a whole number</source>
        <translation>Nothing loaded: in %1, %2 holds &quot;%3&quot;, which is not a whole number</translation>
    </message>
    <message>
        <source>Cannot save %1: it is not a regular file</source>
        <translation>Cannot save %1: it is not a regular file</translation>
    </message>
    <message>
        <source>Loaded %1 of %2 settings from %3; the other %4 kept their values</source>
        <translation>Loaded %1 of %2 settings from %3; the other %4 kept their values</translation>
    </message>
    <message>
        <source>; unknown keys ignored: %1</source>
        <translation>; unknown keys ignored: %1</translation>
    </message>
    <message>
        <source>-128 to 127</source>
        <translation>-128 to 127</translation>
    </message>
    <message>
        <source>Nothing loaded: in %1, %2 holds %3; a setting holds %4</source>
        <translation>Nothing loaded: in %1, %2 holds %3; a setting holds %4</translation>
    </message>
    <message>
        <source>Cannot load %1: not a configuration file: %2 MB</source>
        <translation>Cannot load %1: not a configuration file: %2 MB</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 and %2 more</translation>
    </message>
</context>
<context>
    <name>ConfigureSettingPage</name>
    <message>
        <source>Aerobatics</source>
        <translation>Aerobatics</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>AVCS</source>
        <translation>AVCS</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Servo type</source>
        <translation>Servo type</translation>
    </message>
    <message>
        <source>Change the servo type to &quot;%1&quot;?

A servo driven at the wrong frame rate or centre pulse can be damaged. Check the servo&apos;s data sheet first.</source>
        <translation>Change the servo type to &quot;%1&quot;?

A servo driven at the wrong frame rate or centre pulse can be damaged. Check the servo&apos;s data sheet first.</translation>
    </message>
    <message>
        <source>Change servo type</source>
        <translation>Change servo type</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ConfigureSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source> Start </source>
        <translation> Start </translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;1.&lt;/b&gt; In the transmitter, create a new helicopter model. Set all trims and sub-trims to zero and set the swash plate mode to no mixing (one servo per function).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;1.&lt;/b&gt; In the transmitter, create a new helicopter model. Set all trims and sub-trims to zero and set the swash plate mode to no mixing (one servo per function).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;2.&lt;/b&gt; Turn off every swash plate mixing and every tail mixing, and leave the collective pitch curve a straight line.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;2.&lt;/b&gt; Turn off every swash plate mixing and every tail mixing, and leave the collective pitch curve a straight line.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;3.&lt;/b&gt; Two example transmitter configurations are shown below.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;3.&lt;/b&gt; Two example transmitter configurations are shown below.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Engine Type</source>
        <translation>Engine Type</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electric</translation>
    </message>
    <message>
        <source>FUEL</source>
        <translation>FUEL</translation>
    </message>
    <message>
        <source> Receiver </source>
        <translation> Receiver </translation>
    </message>
    <message>
        <source>Select Receiver Type</source>
        <translation>Select Receiver Type</translation>
    </message>
    <message>
        <source>Conventional receiver</source>
        <translation>Conventional receiver</translation>
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
        <translation>Wiring Diagram</translation>
    </message>
    <message>
        <source>AUX Channel Function</source>
        <translation>AUX Channel Function</translation>
    </message>
    <message>
        <source>Switch Tail Gain</source>
        <translation>Switch Tail Gain</translation>
    </message>
    <message>
        <source>Switch Flight Mode</source>
        <translation>Switch Flight Mode</translation>
    </message>
    <message>
        <source>Flight Mode Setting</source>
        <translation>Flight Mode Setting</translation>
    </message>
    <message>
        <source>Aerobatics Mode</source>
        <translation>Aerobatics Mode</translation>
    </message>
    <message>
        <source>Attitude Mode</source>
        <translation>Attitude Mode</translation>
    </message>
    <message>
        <source> Monitor </source>
        <translation> Monitor </translation>
    </message>
    <message>
        <source>&lt;p&gt;Set up the transmitter before flying: use the reverse function of each channel so that every signal moves the way its scale shows; use the trims or sub-trims so that every signal reads 0 with its stick at neutral; and set the travel so that throttle, collective, elevator, aileron and rudder reach -100 to 100.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Set up the transmitter before flying: use the reverse function of each channel so that every signal moves the way its scale shows; use the trims or sub-trims so that every signal reads 0 with its stick at neutral; and set the travel so that throttle, collective, elevator, aileron and rudder reach -100 to 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Channel Monitor</source>
        <translation>Channel Monitor</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>Mid.</source>
        <translation>Mid.</translation>
    </message>
    <message>
        <source>top</source>
        <translation>top</translation>
    </message>
    <message>
        <source>Collective</source>
        <translation>Collective</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Neu.</source>
        <translation>Neu.</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Elevator</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Pull</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Push</translation>
    </message>
    <message>
        <source>Aileron</source>
        <translation>Aileron</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Rudder</translation>
    </message>
    <message>
        <source>AuxChannel</source>
        <translation>AuxChannel</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>AVCS</source>
        <translation>AVCS</translation>
    </message>
    <message>
        <source>Set Fail Safe</source>
        <translation>Set Fail Safe</translation>
    </message>
    <message>
        <source> Mount </source>
        <translation> Mount </translation>
    </message>
    <message>
        <source>Mounting 1.</source>
        <translation>Mounting 1.</translation>
    </message>
    <message>
        <source>Mounting 2.</source>
        <translation>Mounting 2.</translation>
    </message>
    <message>
        <source>Mounting 3.</source>
        <translation>Mounting 3.</translation>
    </message>
    <message>
        <source>Mounting 4.</source>
        <translation>Mounting 4.</translation>
    </message>
    <message>
        <source>Mounting 5.</source>
        <translation>Mounting 5.</translation>
    </message>
    <message>
        <source>Mounting 6.</source>
        <translation>Mounting 6.</translation>
    </message>
    <message>
        <source> SwashPlate </source>
        <translation> SwashPlate </translation>
    </message>
    <message>
        <source>Mechanical Mixer</source>
        <translation>Mechanical Mixer</translation>
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
        <translation> Servo </translation>
    </message>
    <message>
        <source>SwashPlate Servo Setting</source>
        <translation>SwashPlate Servo Setting</translation>
    </message>
    <message>
        <source>SwashPlate Servo Type</source>
        <translation>SwashPlate Servo Type</translation>
    </message>
    <message>
        <source>Analog Servo 1520us</source>
        <translation>Analog Servo 1520us</translation>
    </message>
    <message>
        <source>Digital Servo 1520us(250Hz)</source>
        <translation>Digital Servo 1520us(250Hz)</translation>
    </message>
    <message>
        <source>Digital Servo 1520us(333Hz)</source>
        <translation>Digital Servo 1520us(333Hz)</translation>
    </message>
    <message>
        <source>SwashPlate Servo Direction</source>
        <translation>SwashPlate Servo Direction</translation>
    </message>
    <message>
        <source>CH1 Servo Dir Rev.</source>
        <translation>CH1 Servo Dir Rev.</translation>
    </message>
    <message>
        <source>CH2 Servo Dir Rev.</source>
        <translation>CH2 Servo Dir Rev.</translation>
    </message>
    <message>
        <source>CH3 Servo Dir Rev.</source>
        <translation>CH3 Servo Dir Rev.</translation>
    </message>
    <message>
        <source>Tail Servo Setting</source>
        <translation>Tail Servo Setting</translation>
    </message>
    <message>
        <source>Tail Servo Type</source>
        <translation>Tail Servo Type</translation>
    </message>
    <message>
        <source>Digital Servo 760us</source>
        <translation>Digital Servo 760us</translation>
    </message>
    <message>
        <source>Digital Servo 960us</source>
        <translation>Digital Servo 960us</translation>
    </message>
    <message>
        <source>Tail Servo Direction</source>
        <translation>Tail Servo Direction</translation>
    </message>
    <message>
        <source>Tail Servo Dir Rev.</source>
        <translation>Tail Servo Dir Rev.</translation>
    </message>
    <message>
        <source> Trim </source>
        <translation> Trim </translation>
    </message>
    <message>
        <source>SwashPlate Servo Trim</source>
        <translation>SwashPlate Servo Trim</translation>
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
        <translation>Cyclic</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>Tail Servo Trim</source>
        <translation>Tail Servo Trim</translation>
    </message>
    <message>
        <source> Travel </source>
        <translation> Travel </translation>
    </message>
    <message>
        <source>Tail Setting</source>
        <translation>Tail Setting</translation>
    </message>
    <message>
        <source>Limit A</source>
        <translation>Limit A</translation>
    </message>
    <message>
        <source>Limit B</source>
        <translation>Limit B</translation>
    </message>
    <message>
        <source>SwashPlate Setting</source>
        <translation>SwashPlate Setting</translation>
    </message>
    <message>
        <source>Ail. Travel</source>
        <translation>Ail. Travel</translation>
    </message>
    <message>
        <source>Elev. Travel</source>
        <translation>Elev. Travel</translation>
    </message>
    <message>
        <source>Cyclic Limit</source>
        <translation>Cyclic Limit</translation>
    </message>
    <message>
        <source>Captures the current stick and switch positions of your transmitter: the unit holds them if the receiver signal is lost. Set them first, then press.</source>
        <translation>Captures the current stick and switch positions of your transmitter: the unit holds them if the receiver signal is lost. Set them first, then press.</translation>
    </message>
</context>
<context>
    <name>DifferenceList</name>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 (differs)</source>
        <translation>%1 (differs)</translation>
    </message>
    <message>
        <source>%1 (no page offers it)</source>
        <translation>%1 (no page offers it)</translation>
    </message>
</context>
<context>
    <name>GuidedSetup</name>
    <message>
        <source>Guided setup</source>
        <translation>Guided setup</translation>
    </message>
    <message>
        <source>&amp;Leave</source>
        <translation>&amp;Leave</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Written to flash: the unit keeps this setup.</source>
        <translation>Written to flash: the unit keeps this setup.</translation>
    </message>
    <message>
        <source>Take the main and tail rotor blades off, or unplug the motor, before you begin: the sticks will be moved through their whole travel.

Before anything changes, the unit&apos;s parameters are kept in History as &quot;before guided setup&quot;.</source>
        <translation>Take the main and tail rotor blades off, or unplug the motor, before you begin: the sticks will be moved through their whole travel.

Before anything changes, the unit&apos;s parameters are kept in History as &quot;before guided setup&quot;.</translation>
    </message>
    <message>
        <source>Choose the receiver type, then move any stick of the transmitter: the unit must see its channels move.</source>
        <translation>Choose the receiver type, then move any stick of the transmitter: the unit must see its channels move.</translation>
    </message>
    <message>
        <source>Check this stick &amp;again</source>
        <translation>Check this stick &amp;again</translation>
    </message>
    <message>
        <source>How is the unit mounted in the helicopter? Choose the picture that shows it: a wrong mounting makes the gyro correct the wrong way.</source>
        <translation>How is the unit mounted in the helicopter? Choose the picture that shows it: a wrong mounting makes the gyro correct the wrong way.</translation>
    </message>
    <message>
        <source>Which swash plate does the helicopter have?</source>
        <translation>Which swash plate does the helicopter have?</translation>
    </message>
    <message>
        <source>A servo driven at a frame rate or centre pulse it is not made for can burn out or run into its end stop. Take the servo horns off first, so a servo that runs away cannot break the linkage.</source>
        <translation>A servo driven at a frame rate or centre pulse it is not made for can burn out or run into its end stop. Take the servo horns off first, so a servo that runs away cannot break the linkage.</translation>
    </message>
    <message>
        <source>The servo &amp;horns are off</source>
        <translation>The servo &amp;horns are off</translation>
    </message>
    <message>
        <source>Swash plate servos</source>
        <translation>Swash plate servos</translation>
    </message>
    <message>
        <source>Tail servo</source>
        <translation>Tail servo</translation>
    </message>
    <message>
        <source>Move the collective stick up and watch each swash plate servo, then move the rudder stick right and watch the tail. A No reverses that servo at once: watch it again.</source>
        <translation>Move the collective stick up and watch each swash plate servo, then move the rudder stick right and watch the tail. A No reverses that servo at once: watch it again.</translation>
    </message>
    <message>
        <source>CH1: did the swash rise on this servo?</source>
        <translation>CH1: did the swash rise on this servo?</translation>
    </message>
    <message>
        <source>CH2: did the swash rise on this servo?</source>
        <translation>CH2: did the swash rise on this servo?</translation>
    </message>
    <message>
        <source>CH3: did the swash rise on this servo?</source>
        <translation>CH3: did the swash rise on this servo?</translation>
    </message>
    <message>
        <source>Tail: did the nose turn right?</source>
        <translation>Tail: did the nose turn right?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Put the sticks and switches where the helicopter should go when the signal is lost: throttle fully down, the other sticks centred. Then press Set Fail Safe: the unit stores the positions it sees now.</source>
        <translation>Put the sticks and switches where the helicopter should go when the signal is lost: throttle fully down, the other sticks centred. Then press Set Fail Safe: the unit stores the positions it sees now.</translation>
    </message>
    <message>
        <source>Set &amp;Fail Safe</source>
        <translation>Set &amp;Fail Safe</translation>
    </message>
    <message>
        <source>What the guided setup changed in the unit:</source>
        <translation>What the guided setup changed in the unit:</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>&amp;Write to flash</source>
        <translation>&amp;Write to flash</translation>
    </message>
    <message>
        <source>Writing to flash…</source>
        <translation>Writing to flash…</translation>
    </message>
    <message>
        <source>The unit</source>
        <translation>The unit</translation>
    </message>
    <message>
        <source>Receiver type</source>
        <translation>Receiver type</translation>
    </message>
    <message>
        <source>Radio check</source>
        <translation>Radio check</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Mounting</translation>
    </message>
    <message>
        <source>Swash plate type</source>
        <translation>Swash plate type</translation>
    </message>
    <message>
        <source>Servo types</source>
        <translation>Servo types</translation>
    </message>
    <message>
        <source>Servo directions</source>
        <translation>Servo directions</translation>
    </message>
    <message>
        <source>Trims and travel</source>
        <translation>Trims and travel</translation>
    </message>
    <message>
        <source>Fail safe</source>
        <translation>Fail safe</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Step %1 of %2: %3</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>Waiting for the unit to take the last change…</source>
        <translation>Waiting for the unit to take the last change…</translation>
    </message>
    <message>
        <source>No unit answers. Connect the unit (plugged in and powered) first.</source>
        <translation>No unit answers. Connect the unit (plugged in and powered) first.</translation>
    </message>
    <message>
        <source>Reading the unit&apos;s parameters…</source>
        <translation>Reading the unit&apos;s parameters…</translation>
    </message>
    <message>
        <source>Connected: %1, firmware %2.</source>
        <translation>Connected: %1, firmware %2.</translation>
    </message>
    <message>
        <source>Move any stick.</source>
        <translation>Move any stick.</translation>
    </message>
    <message>
        <source>The unit sees the channels move.</source>
        <translation>The unit sees the channels move.</translation>
    </message>
    <message>
        <source>no signal with this receiver type: check the type and the wiring</source>
        <translation>no signal with this receiver type: check the type and the wiring</translation>
    </message>
    <message>
        <source>Likely instead: %1</source>
        <translation>Likely instead: %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>fix and check again</source>
        <translation>fix and check again</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>checking</translation>
    </message>
    <message>
        <source>The radio is right: every stick passed.</source>
        <translation>The radio is right: every stick passed.</translation>
    </message>
    <message>
        <source>Throttle now: %1</source>
        <translation>Throttle now: %1</translation>
    </message>
    <message>
        <source>Servo type</source>
        <translation>Servo type</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a servo made for it. Look in the servo&apos;s data sheet: does it allow this frame rate and centre pulse?</source>
        <translation>&quot;%1&quot; needs a servo made for it. Look in the servo&apos;s data sheet: does it allow this frame rate and centre pulse?</translation>
    </message>
    <message>
        <source>It does: send it</source>
        <translation>It does: send it</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>reversed: watch it again</source>
        <translation>reversed: watch it again</translation>
    </message>
    <message>
        <source>Move the throttle fully down first: the unit would keep the throttle at %1 when the signal is lost.</source>
        <translation>Move the throttle fully down first: the unit would keep the throttle at %1 when the signal is lost.</translation>
    </message>
    <message>
        <source>Set Fail Safe</source>
        <translation>Set Fail Safe</translation>
    </message>
    <message>
        <source>The unit stores the stick and switch positions it sees now as its fail-safe. Store them?</source>
        <translation>The unit stores the stick and switch positions it sees now as its fail-safe. Store them?</translation>
    </message>
    <message>
        <source>Waiting for the unit…</source>
        <translation>Waiting for the unit…</translation>
    </message>
    <message>
        <source>The unit stored its fail-safe positions.</source>
        <translation>The unit stored its fail-safe positions.</translation>
    </message>
    <message>
        <source>The unit did not confirm the fail-safe: press Set Fail Safe again.</source>
        <translation>The unit did not confirm the fail-safe: press Set Fail Safe again.</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Nothing: the unit was already set up so</source>
        <translation>Nothing: the unit was already set up so</translation>
    </message>
    <message>
        <source>The unit keeps these values only until it is switched off, unless they are written to flash.</source>
        <translation>The unit keeps these values only until it is switched off, unless they are written to flash.</translation>
    </message>
    <message>
        <source>Connected: %1, firmware %2 (the simulated unit: steer its sticks with Ctrl+Shift+K).</source>
        <translation>Connected: %1, firmware %2 (the simulated unit: steer its sticks with Ctrl+Shift+K).</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmed</translation>
    </message>
    <message>
        <source>Put the servo horns back on, as close to a right angle as the splines allow. While this step is shown the unit holds the servos still at their trimmed centre.</source>
        <translation>Put the servo horns back on, as close to a right angle as the splines allow. While this step is shown the unit holds the servos still at their trimmed centre.</translation>
    </message>
    <message>
        <source>With the collective stick at mid, trim each servo until its arm is level.</source>
        <translation>With the collective stick at mid, trim each servo until its arm is level.</translation>
    </message>
    <message>
        <source>Move each stick to its ends: lower a limit until no servo or linkage binds at full stick.</source>
        <translation>Move each stick to its ends: lower a limit until no servo or linkage binds at full stick.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Read or flashed</source>
        <translation>Read or flashed</translation>
    </message>
    <message>
        <source>Differing</source>
        <translation>Differing</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>No entries yet in %1</source>
        <translation>No entries yet in %1</translation>
    </message>
    <message>
        <source>%1 entries in %2</source>
        <translation>%1 entries in %2</translation>
    </message>
    <message>
        <source>Setup sheet…</source>
        <translation>Setup sheet…</translation>
    </message>
    <message>
        <source>Of the parameters in the window</source>
        <translation>Of the parameters in the window</translation>
    </message>
    <message>
        <source>Of the chosen entry</source>
        <translation>Of the chosen entry</translation>
    </message>
    <message>
        <source>Of a .conf file…</source>
        <translation>Of a .conf file…</translation>
    </message>
    <message>
        <source>partial (%1 of %2 keys)</source>
        <translation>partial (%1 of %2 keys)</translation>
    </message>
    <message>
        <source>Search notes, dates, models</source>
        <translation>Search notes, dates, models</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Compare</translation>
    </message>
    <message>
        <source>Two chosen entries side by side, or one beside the unit</source>
        <translation>Two chosen entries side by side, or one beside the unit</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>Name the entry, such as &quot;before maiden&quot; (F2)</source>
        <translation>Name the entry, such as &quot;before maiden&quot; (F2)</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>Save a copy of the entry as a .conf file</source>
        <translation>Save a copy of the entry as a .conf file</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Remove the chosen entries (Delete)</source>
        <translation>Remove the chosen entries (Delete)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Compare the two</source>
        <translation>&amp;Compare the two</translation>
    </message>
    <message>
        <source>&amp;Compare with the unit</source>
        <translation>&amp;Compare with the unit</translation>
    </message>
    <message>
        <source>The note could not be kept: %1 cannot be written.</source>
        <translation>The note could not be kept: %1 cannot be written.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete the entry of %1 from the history?</source>
        <translation>Delete the entry of %1 from the history?</translation>
    </message>
    <message>
        <source>Delete these %1 entries from the history?</source>
        <translation>Delete these %1 entries from the history?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LeavingPolicy</name>
    <message>
        <source>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before disconnecting?</source>
        <translation>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before disconnecting?</translation>
    </message>
    <message>
        <source>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before closing?</source>
        <translation>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before closing?</translation>
    </message>
    <message>
        <source>The unit on %1 holds changes not written to flash; it loses them when it is switched off.

Write them to flash before connecting to %2?</source>
        <translation>The unit on %1 holds changes not written to flash; it loses them when it is switched off.

Write them to flash before connecting to %2?</translation>
    </message>
    <message>
        <source>Not written to flash</source>
        <translation>Not written to flash</translation>
    </message>
    <message>
        <source>Write to flash first</source>
        <translation>Write to flash first</translation>
    </message>
    <message>
        <source>Leave them unsaved</source>
        <translation>Leave them unsaved</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 is not present: nothing was written to flash</source>
        <translation>%1 is not present: nothing was written to flash</translation>
    </message>
    <message>
        <source>No unit answers: nothing was written to flash</source>
        <translation>No unit answers: nothing was written to flash</translation>
    </message>
    <message>
        <source>Written to flash; disconnected from %1</source>
        <translation>Written to flash; disconnected from %1</translation>
    </message>
    <message>
        <source>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before leaving the guided setup?</source>
        <translation>The unit holds changes not written to flash; it loses them when it is switched off.

Write them to flash before leaving the guided setup?</translation>
    </message>
</context>
<context>
    <name>LoadFindings</name>
    <message>
        <source>Saved from a %1 (firmware %2); this unit is a %3</source>
        <translation>Saved from a %1 (firmware %2); this unit is a %3</translation>
    </message>
    <message>
        <source>Not shown on the pages</source>
        <translation>Not shown on the pages</translation>
    </message>
    <message>
        <source>Not used by the %1</source>
        <translation>Not used by the %1</translation>
    </message>
    <message>
        <source>%1: no choice on the page (%2)</source>
        <translation>%1: no choice on the page (%2)</translation>
    </message>
    <message>
        <source>%1: outside the page&apos;s %2 (%3)</source>
        <translation>%1: outside the page&apos;s %2 (%3)</translation>
    </message>
    <message>
        <source>%1: not a setting</source>
        <translation>%1: not a setting</translation>
    </message>
    <message>
        <source>%1: not a setting; did you mean %2?</source>
        <translation>%1: not a setting; did you mean %2?</translation>
    </message>
    <message>
        <source>... and %1 more that are not settings</source>
        <translation>... and %1 more that are not settings</translation>
    </message>
    <message>
        <source>Values no page offers: %1, marked below</source>
        <translation>Values no page offers: %1, marked below</translation>
    </message>
    <message>
        <source>Not in the file, kept as the unit holds them (%1):</source>
        <translation>Not in the file, kept as the unit holds them (%1):</translation>
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
        <translation>Main Rotor</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agility</translation>
    </message>
    <message>
        <source>Total Gain</source>
        <translation>Total Gain</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Tail</translation>
    </message>
    <message>
        <source>Left Rate</source>
        <translation>Left Rate</translation>
    </message>
    <message>
        <source>Right Rate</source>
        <translation>Right Rate</translation>
    </message>
    <message>
        <source>Level Attitude Trim</source>
        <translation>Level Attitude Trim</translation>
    </message>
    <message>
        <source>Roll Target</source>
        <translation>Roll Target</translation>
    </message>
    <message>
        <source>Pitch Target</source>
        <translation>Pitch Target</translation>
    </message>
    <message>
        <source>Pre-Set Parameters</source>
        <translation>Pre-Set Parameters</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>3D Flight</source>
        <translation>3D Flight</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>Load the standard gains and rates for sport flying. Mounting, swash plate, servos, trims and travel stay as they are.</source>
        <translation>Load the standard gains and rates for sport flying. Mounting, swash plate, servos, trims and travel stay as they are.</translation>
    </message>
    <message>
        <source>Load livelier gains and faster rates for 3D flight. Mounting, swash plate, servos, trims and travel stay as they are.</source>
        <translation>Load livelier gains and faster rates for 3D flight. Mounting, swash plate, servos, trims and travel stay as they are.</translation>
    </message>
    <message>
        <source>Return every setting to the factory set-up, receiver, mounting, swash plate and servos included. Only the servo trims stay.</source>
        <translation>Return every setting to the factory set-up, receiver, mounting, swash plate and servos included. Only the servo trims stay.</translation>
    </message>
</context>
<context>
    <name>ParameterCaption</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Reversed</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a row or tab title followed by a field&apos;s label: &quot;Roll Total Gain&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>Cannot open %1: unplugged</source>
        <translation>Cannot open %1: unplugged</translation>
    </message>
    <message>
        <source>%1 is no longer there: the unit was unplugged, or its adapter was reset. Plug it in again; the port list follows within a second.</source>
        <translation>%1 is no longer there: the unit was unplugged, or its adapter was reset. Plug it in again; the port list follows within a second.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: permission denied</source>
        <translation>Cannot open %1: permission denied</translation>
    </message>
    <message>
        <source>The one command that fixes it for good (then log out and in again):
    sudo usermod -aG %1 %2</source>
        <translation>The one command that fixes it for good (then log out and in again):
    sudo usermod -aG %1 %2</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot;, and you are in it, yet the system refuses you the port: its permissions were changed. Unplug the unit and plug it in again; if it still fails, this shows who may use it:
    ls -l %1</source>
        <translation>%1 belongs to the group &quot;%2&quot;, and you are in it, yet the system refuses you the port: its permissions were changed. Unplug the unit and plug it in again; if it still fails, this shows who may use it:
    ls -l %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot;. Your user &quot;%3&quot; was added to that group after this login began, so it does not count yet: log out and in again (or restart the computer), then connect.</source>
        <translation>%1 belongs to the group &quot;%2&quot;. Your user &quot;%3&quot; was added to that group after this login began, so it does not count yet: log out and in again (or restart the computer), then connect.</translation>
    </message>
    <message>
        <source>%1 belongs to the group &quot;%2&quot;, and your user &quot;%3&quot; is not in it.</source>
        <translation>%1 belongs to the group &quot;%2&quot;, and your user &quot;%3&quot; is not in it.</translation>
    </message>
    <message>
        <source>The assistant&apos;s device rule, which gives whoever sits at this computer access to USB-serial adapters, is installed but was not applied to this port: the adapter was plugged in before the rule was installed, or you are not logged in at this computer&apos;s own screen. Unplug the unit and plug it in again.</source>
        <translation>The assistant&apos;s device rule, which gives whoever sits at this computer access to USB-serial adapters, is installed but was not applied to this port: the adapter was plugged in before the rule was installed, or you are not logged in at this computer&apos;s own screen. Unplug the unit and plug it in again.</translation>
    </message>
    <message>
        <source>The assistant&apos;s device rule, which gives whoever sits at this computer access to USB-serial adapters, is not installed; it comes with the vrn-assistant package.</source>
        <translation>The assistant&apos;s device rule, which gives whoever sits at this computer access to USB-serial adapters, is not installed; it comes with the vrn-assistant package.</translation>
    </message>
    <message>
        <source>Cannot open %1: the port is in use by another program</source>
        <translation>Cannot open %1: the port is in use by another program</translation>
    </message>
    <message>
        <source>Another program holds %1 open, one this user may not look into (it runs as another user or as root). This command names it:
    sudo lsof %1

Close that program, then connect again.</source>
        <translation>Another program holds %1 open, one this user may not look into (it runs as another user or as root). This command names it:
    sudo lsof %1

Close that program, then connect again.</translation>
    </message>
    <message>
        <source>Cannot open %1: in use by %2</source>
        <translation>Cannot open %1: in use by %2</translation>
    </message>
    <message>
        <source>ModemManager, the mobile-modem service, is probing %1 as if the unit were a modem. It lets go after a few seconds: connect again then. The assistant&apos;s device rule keeps it away from USB-serial adapters; without the rule, or if you have no mobile modem, stop it for good:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager, the mobile-modem service, is probing %1 as if the unit were a modem. It lets go after a few seconds: connect again then. The assistant&apos;s device rule keeps it away from USB-serial adapters; without the rule, or if you have no mobile modem, stop it for good:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>brltty, the Braille display service, has taken %1: it claims the USB-serial chips many units use. Unless you use a Braille display, remove it:
    sudo apt remove brltty
then unplug the unit and plug it in again.</source>
        <translation>brltty, the Braille display service, has taken %1: it claims the USB-serial chips many units use. Unless you use a Braille display, remove it:
    sudo apt remove brltty
then unplug the unit and plug it in again.</translation>
    </message>
    <message>
        <source>%1 (process %2) holds %3 open. Close it, or end it with:
    kill %2
then connect again.</source>
        <translation>%1 (process %2) holds %3 open. Close it, or end it with:
    kill %2
then connect again.</translation>
    </message>
    <message>
        <source>%1 is for the administrator (root) alone. Ask whoever looks after this computer to give serial ports to the group &quot;dialout&quot;, or to install the vrn-assistant package, whose device rule gives them to whoever sits at it.</source>
        <translation>%1 is for the administrator (root) alone. Ask whoever looks after this computer to give serial ports to the group &quot;dialout&quot;, or to install the vrn-assistant package, whose device rule gives them to whoever sits at it.</translation>
    </message>
    <message>
        <source>Cannot open %1: in use, most likely by %2</source>
        <translation>Cannot open %1: in use, most likely by %2</translation>
    </message>
</context>
<context>
    <name>PortSession</name>
    <message>
        <source>No gyro unit answered on %1</source>
        <translation>No gyro unit answered on %1</translation>
    </message>
</context>
<context>
    <name>RadioCheck</name>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Collective</source>
        <translation>Collective</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Elevator</translation>
    </message>
    <message>
        <source>Aileron</source>
        <translation>Aileron</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Rudder</translation>
    </message>
    <message>
        <source>AUX switch</source>
        <translation>AUX switch</translation>
    </message>
    <message>
        <source>Move the throttle stick fully up and hold</source>
        <translation>Move the throttle stick fully up and hold</translation>
    </message>
    <message>
        <source>Move the throttle stick fully down and hold</source>
        <translation>Move the throttle stick fully down and hold</translation>
    </message>
    <message>
        <source>Move the throttle stick to the middle and hold</source>
        <translation>Move the throttle stick to the middle and hold</translation>
    </message>
    <message>
        <source>Move the collective stick fully up and hold</source>
        <translation>Move the collective stick fully up and hold</translation>
    </message>
    <message>
        <source>Move the collective stick fully down and hold</source>
        <translation>Move the collective stick fully down and hold</translation>
    </message>
    <message>
        <source>Move the collective stick to the middle and hold</source>
        <translation>Move the collective stick to the middle and hold</translation>
    </message>
    <message>
        <source>Pull the elevator stick fully back and hold</source>
        <translation>Pull the elevator stick fully back and hold</translation>
    </message>
    <message>
        <source>Push the elevator stick fully forward and hold</source>
        <translation>Push the elevator stick fully forward and hold</translation>
    </message>
    <message>
        <source>Release the elevator stick</source>
        <translation>Release the elevator stick</translation>
    </message>
    <message>
        <source>Move the aileron stick fully right and hold</source>
        <translation>Move the aileron stick fully right and hold</translation>
    </message>
    <message>
        <source>Move the aileron stick fully left and hold</source>
        <translation>Move the aileron stick fully left and hold</translation>
    </message>
    <message>
        <source>Release the aileron stick</source>
        <translation>Release the aileron stick</translation>
    </message>
    <message>
        <source>Move the rudder stick fully right and hold</source>
        <translation>Move the rudder stick fully right and hold</translation>
    </message>
    <message>
        <source>Move the rudder stick fully left and hold</source>
        <translation>Move the rudder stick fully left and hold</translation>
    </message>
    <message>
        <source>Release the rudder stick</source>
        <translation>Release the rudder stick</translation>
    </message>
    <message>
        <source>Flip the AUX switch to its other position</source>
        <translation>Flip the AUX switch to its other position</translation>
    </message>
    <message>
        <source>Flip the AUX switch back</source>
        <translation>Flip the AUX switch back</translation>
    </message>
    <message>
        <source>Leave the AUX switch</source>
        <translation>Leave the AUX switch</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <translation>%1 checked</translation>
    </message>
    <message>
        <source>%1 moves the %2 channel instead: put %1 on channel %3 in your transmitter</source>
        <translation>%1 moves the %2 channel instead: put %1 on channel %3 in your transmitter</translation>
    </message>
    <message>
        <source>%1 does not move: check that channel %2 is assigned in your transmitter and plugged in</source>
        <translation>%1 does not move: check that channel %2 is assigned in your transmitter and plugged in</translation>
    </message>
    <message>
        <source>%1 is reversed: reverse channel %2 in your transmitter</source>
        <translation>%1 is reversed: reverse channel %2 in your transmitter</translation>
    </message>
    <message>
        <source>%1 reaches only %2: raise its end point</source>
        <translation>%1 reaches only %2: raise its end point</translation>
    </message>
    <message>
        <source>%1 rests at %2: set its sub-trim</source>
        <translation>%1 rests at %2: set its sub-trim</translation>
    </message>
</context>
<context>
    <name>SerialProcessThread</name>
    <message>
        <source>No answer from the unit on %1: check the cable and that the unit is powered</source>
        <translation>No answer from the unit on %1: check the cable and that the unit is powered</translation>
    </message>
    <message>
        <source>%1 · firmware %2</source>
        <translation>%1 · firmware %2</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Set fail safe was not confirmed: press Set Fail Safe again</source>
        <translation>Set fail safe was not confirmed: press Set Fail Safe again</translation>
    </message>
    <message>
        <source>Write flash was not confirmed: press WriteFlash again</source>
        <translation>Write flash was not confirmed: press WriteFlash again</translation>
    </message>
    <message>
        <source>No unit connected: nothing was written to flash</source>
        <translation>No unit connected: nothing was written to flash</translation>
    </message>
    <message>
        <source>No unit connected: fail safe was not set</source>
        <translation>No unit connected: fail safe was not set</translation>
    </message>
    <message>
        <source>Waiting for the unit&apos;s parameters: editing resumes once they are read</source>
        <translation>Waiting for the unit&apos;s parameters: editing resumes once they are read</translation>
    </message>
    <message>
        <source>Unconnected</source>
        <translation>Unconnected</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Write flash successfully</source>
        <translation>Write flash successfully</translation>
    </message>
    <message>
        <source>Upload Parameters Now...</source>
        <translation>Upload Parameters Now...</translation>
    </message>
    <message>
        <source>Upload Parameters Completely</source>
        <translation>Upload Parameters Completely</translation>
    </message>
    <message>
        <source>Upload verified</source>
        <translation>Upload verified</translation>
    </message>
    <message>
        <source>The unit kept different values for %1 parameters</source>
        <translation>The unit kept different values for %1 parameters</translation>
    </message>
    <message>
        <source>Download Parameters Now...</source>
        <translation>Download Parameters Now...</translation>
    </message>
    <message>
        <source>Download Parameters Completely</source>
        <translation>Download Parameters Completely</translation>
    </message>
    <message>
        <source>The unit restarted: changes not written to flash were lost</source>
        <translation>The unit restarted: changes not written to flash were lost</translation>
    </message>
    <message>
        <source>Simulated unit</source>
        <translation>Simulated unit</translation>
    </message>
    <message>
        <source>Port %1 is back</source>
        <translation>Port %1 is back</translation>
    </message>
    <message>
        <source>Port %1 was lost: %2</source>
        <translation>Port %1 was lost: %2</translation>
    </message>
    <message>
        <source>Fail safe set: the unit holds the current stick and switch positions if the signal is lost</source>
        <translation>Fail safe set: the unit holds the current stick and switch positions if the signal is lost</translation>
    </message>
    <message>
        <source>No USB id: a built-in or virtual serial port, not a unit&apos;s adapter</source>
        <translation>No USB id: a built-in or virtual serial port, not a unit&apos;s adapter</translation>
    </message>
    <message>
        <source>Another unit, or values changed outside the assistant: the pages show what it holds now</source>
        <translation>Another unit, or values changed outside the assistant: the pages show what it holds now</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>not in the file</source>
        <translation>not in the file</translation>
    </message>
    <message>
        <source>Read from the unit</source>
        <translation>Read from the unit</translation>
    </message>
    <message>
        <source>Written to the unit&apos;s flash</source>
        <translation>Written to the unit&apos;s flash</translation>
    </message>
    <message>
        <source>Setup sheet: %1</source>
        <translation>Setup sheet: %1</translation>
    </message>
    <message>
        <source>Setup sheet</source>
        <translation>Setup sheet</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>not known</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Kept</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Printed</translation>
    </message>
    <message>
        <source>Not written to flash</source>
        <translation>Not written to flash</translation>
    </message>
    <message>
        <source>The unit loses these values when it is switched off.</source>
        <translation>The unit loses these values when it is switched off.</translation>
    </message>
    <message>
        <source>%1 · page %2 of %3</source>
        <translation>%1 · page %2 of %3</translation>
    </message>
    <message>
        <source>Setup sheet (continued)</source>
        <translation>Setup sheet (continued)</translation>
    </message>
    <message>
        <source>No setup sheet made: %1</source>
        <translation>No setup sheet made: %1</translation>
    </message>
    <message>
        <source>No setup sheet made: %1 cannot be written</source>
        <translation>No setup sheet made: %1 cannot be written</translation>
    </message>
    <message>
        <source>Setup sheet of %1 written to %2</source>
        <translation>Setup sheet of %1 written to %2</translation>
    </message>
    <message>
        <source>No setup sheet made: it would replace %1 itself</source>
        <translation>No setup sheet made: it would replace %1 itself</translation>
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
        <translation>Save Setup Sheet</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>The setup sheet cannot be written to %1</source>
        <translation>The setup sheet cannot be written to %1</translation>
    </message>
    <message>
        <source>Setup sheet saved to %1</source>
        <translation>Setup sheet saved to %1</translation>
    </message>
    <message>
        <source>Print Setup Sheet</source>
        <translation>Print Setup Sheet</translation>
    </message>
    <message>
        <source>Setup sheet sent to %1</source>
        <translation>Setup sheet sent to %1</translation>
    </message>
    <message>
        <source>Setup sheet</source>
        <translation>Setup sheet</translation>
    </message>
    <message>
        <source>The setup sheet of %1: every parameter on one or two A4 pages.</source>
        <translation>The setup sheet of %1: every parameter on one or two A4 pages.</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>StickWindow</name>
    <message>
        <source>Sticks of the simulated unit</source>
        <translation>Sticks of the simulated unit</translation>
    </message>
    <message>
        <source>Arrow keys: aileron and elevator, held while pressed (Shift: fully).
A and D: rudder. W and S: throttle and collective, up and down.
X: AUX switch. Space: centre everything but throttle and collective.</source>
        <translation>Arrow keys: aileron and elevator, held while pressed (Shift: fully).
A and D: rudder. W and S: throttle and collective, up and down.
X: AUX switch. Space: centre everything but throttle and collective.</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Collective</source>
        <translation>Collective</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Elevator</translation>
    </message>
    <message>
        <source>Aileron</source>
        <translation>Aileron</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Rudder</translation>
    </message>
    <message>
        <source>AuxChannel</source>
        <translation>AuxChannel</translation>
    </message>
</context>
<context>
    <name>UnitHistory</name>
    <message>
        <source>read</source>
        <translation>read</translation>
    </message>
    <message>
        <source>flashed</source>
        <translation>flashed</translation>
    </message>
    <message>
        <source>before guided setup</source>
        <translation>before guided setup</translation>
    </message>
</context>
<context>
    <name>ValueRanges</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
</context>
<context>
    <name>contentWidget</name>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
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
        <translation>Values prepared without the unit</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>The language could not be saved: neither %1 nor %2 can be written.</source>
        <translation>The language could not be saved: neither %1 nor %2 can be written.</translation>
    </message>
    <message>
        <source>The unit&apos;s history cannot be kept in %1</source>
        <translation>The unit&apos;s history cannot be kept in %1</translation>
    </message>
    <message>
        <source>Please restart the application!</source>
        <translation>Please restart the application!</translation>
    </message>
    <message>
        <source>Sticks of the simulated unit… (Ctrl+Shift+K)</source>
        <translation>Sticks of the simulated unit… (Ctrl+Shift+K)</translation>
    </message>
</context>
<context>
    <name>skinWidget</name>
    <message>
        <source>skin1</source>
        <translation>skin1</translation>
    </message>
    <message>
        <source>skin2</source>
        <translation>skin2</translation>
    </message>
    <message>
        <source>skin3</source>
        <translation>skin3</translation>
    </message>
    <message>
        <source>skin4</source>
        <translation>skin4</translation>
    </message>
    <message>
        <source>skin5</source>
        <translation>skin5</translation>
    </message>
    <message>
        <source>skin6</source>
        <translation>skin6</translation>
    </message>
    <message>
        <source>skin7</source>
        <translation>skin7</translation>
    </message>
    <message>
        <source>skin8</source>
        <translation>skin8</translation>
    </message>
    <message>
        <source>skin9</source>
        <translation>skin9</translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation>Change skin</translation>
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
        <translation>Unconnected</translation>
    </message>
    <message>
        <source>Not written to flash</source>
        <translation>Not written to flash</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Click to see the changes a power cycle would lose</source>
        <translation>Click to see the changes a power cycle would lose</translation>
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
        <translation>VRN Flybarless Gyro System Assistant</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>toolWidget</name>
    <message>
        <source>LoadConfig</source>
        <translation>LoadConfig</translation>
    </message>
    <message>
        <source>SaveConfig</source>
        <translation>SaveConfig</translation>
    </message>
    <message>
        <source>WriteFlash</source>
        <translation>WriteFlash</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>Open Config File</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Save Config File</translation>
    </message>
    <message>
        <source>Load parameters from a .conf file</source>
        <translation>Load parameters from a .conf file</translation>
    </message>
    <message>
        <source>Save the parameters to a .conf file</source>
        <translation>Save the parameters to a .conf file</translation>
    </message>
    <message>
        <source>Make the unit keep its parameters after a power cycle</source>
        <translation>Make the unit keep its parameters after a power cycle</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 already exists.

Replace it?</source>
        <translation>%1 already exists.

Replace it?</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>The unit&apos;s earlier parameters, kept on this computer</source>
        <translation>The unit&apos;s earlier parameters, kept on this computer</translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation>Load %1</translation>
    </message>
    <message>
        <source>%1 matches the unit&apos;s parameters</source>
        <translation>%1 matches the unit&apos;s parameters</translation>
    </message>
    <message>
        <source>Open the chosen port and read the unit&apos;s parameters</source>
        <translation>Open the chosen port and read the unit&apos;s parameters</translation>
    </message>
    <message>
        <source>Close the port; the unit keeps running</source>
        <translation>Close the port; the unit keeps running</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>Restore %1</translation>
    </message>
    <message>
        <source>Setup Sheet of a Config File</source>
        <translation>Setup Sheet of a Config File</translation>
    </message>
    <message>
        <source>The unit on %1</source>
        <translation>The unit on %1</translation>
    </message>
    <message>
        <source>The parameters in the window</source>
        <translation>The parameters in the window</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Configuration files (*.conf)</source>
        <translation>Configuration files (*.conf)</translation>
    </message>
    <message>
        <source>The serial port the unit is plugged into (right-click for the port options)</source>
        <translation>The serial port the unit is plugged into (right-click for the port options)</translation>
    </message>
    <message>
        <source>Connect when a unit is plugged in</source>
        <translation>Connect when a unit is plugged in</translation>
    </message>
    <message>
        <source>Guided setup</source>
        <translation>Guided setup</translation>
    </message>
    <message>
        <source>Set up a new unit step by step, with the radio checked on what the unit sees (%1)</source>
        <translation>Set up a new unit step by step, with the radio checked on what the unit sees (%1)</translation>
    </message>
    <message>
        <source>Export History Entry</source>
        <translation>Export History Entry</translation>
    </message>
    <message>
        <source>History entry exported to %1</source>
        <translation>History entry exported to %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 could not be written</translation>
    </message>
    <message>
        <source>%1 · %2 · %3</source>
        <translation>%1 · %2 · %3</translation>
    </message>
    <message>
        <source>%1 · &quot;%2&quot;</source>
        <translation>%1 · &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The unit now</source>
        <translation>The unit now</translation>
    </message>
    <message>
        <source>Its flash, as known</source>
        <translation>Its flash, as known</translation>
    </message>
    <message>
        <source>Compare a Config File</source>
        <translation>Compare a Config File</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>Take from %1</source>
        <translation>Take from %1</translation>
    </message>
    <message>
        <source>What the unit&apos;s flash holds is not known yet</source>
        <translation>What the unit&apos;s flash holds is not known yet</translation>
    </message>
    <message>
        <source>What a power cycle would lose: the unit holds these values, its flash the others. WriteFlash keeps them; taking the flash&apos;s values undoes them.</source>
        <translation>What a power cycle would lose: the unit holds these values, its flash the others. WriteFlash keeps them; taking the flash&apos;s values undoes them.</translation>
    </message>
</context>
<context>
    <name>updatesettingpage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Software Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Software Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>1.1(2013.10.25)</source>
        <translation>1.1(2013.10.25)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Firmware Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Firmware Version:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>--</source>
        <translation>--</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Device Type:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Device Type:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>------------</source>
        <translation>------------</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware Upgrade</translation>
    </message>
    <message>
        <source>Upgrade function not opened, please note:</source>
        <translation>Upgrade function not opened, please note:</translation>
    </message>
    <message>
        <source>Firmware upgrades come with later versions of this assistant.</source>
        <translation>Firmware upgrades come with later versions of this assistant.</translation>
    </message>
    <message>
        <source>VRN-X1 Flybarless Gyro System</source>
        <translation>VRN-X1 Flybarless Gyro System</translation>
    </message>
    <message>
        <source>VRN-A1 Flybarless Gyro System</source>
        <translation>VRN-A1 Flybarless Gyro System</translation>
    </message>
    <message>
        <source>Invalid Device</source>
        <translation>Invalid Device</translation>
    </message>
</context>
</TS>
