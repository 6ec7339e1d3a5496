<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA">
<context>
    <name>Corvane::Utilities::Globals</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
</context>
<context>
    <name>Corvane::Utilities::Zip::Unzipper</name>
    <message>
        <source>no such file</source>
        <translation>لا يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>not a readable zip archive (%1)</source>
        <translation>ليس أرشيف zip قابلًا للقراءة (%1)</translation>
    </message>
    <message>
        <source>refused member name &quot;%1&quot;</source>
        <translation>تم رفض اسم العنصر &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no member &quot;%1&quot;</source>
        <translation>لا يوجد العنصر &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the size of &quot;%1&quot; cannot be read</source>
        <translation>تعذرت قراءة حجم &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes, at most %3 are read)</source>
        <translation>&quot;%1&quot; كبير جدًا (%2 بايت، لا يُقرأ منه أكثر من %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be unpacked (%2)</source>
        <translation>تعذر فك ضغط &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged</source>
        <translation>&quot;%1&quot; تالف</translation>
    </message>
    <message>
        <source>no archive is open</source>
        <translation>لا يوجد أرشيف مفتوح</translation>
    </message>
</context>
</TS>
