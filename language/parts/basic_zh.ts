<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>无法载入 %1：它不是文件</translation>
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
        <translation>灵敏度</translation>
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
        <translation>尾旋翼</translation>
    </message>
    <message>
        <source>Left Rate</source>
        <translation>左旋速率</translation>
    </message>
    <message>
        <source>Right Rate</source>
        <translation>右旋速率</translation>
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
</context>
<context>
    <name>toolWidget</name>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>配置文件(*.conf)</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置文件</translation>
    </message>
</context>
</TS>
