<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Corvane::Utilities::Globals</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
</context>
<context>
    <name>Corvane::Utilities::Zip::Unzipper</name>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>not a readable zip archive (%1)</source>
        <translation>non è un archivio zip leggibile (%1)</translation>
    </message>
    <message>
        <source>refused member name &quot;%1&quot;</source>
        <translation>nome di elemento &quot;%1&quot; rifiutato</translation>
    </message>
    <message>
        <source>no member &quot;%1&quot;</source>
        <translation>elemento &quot;%1&quot; non presente</translation>
    </message>
    <message>
        <source>the size of &quot;%1&quot; cannot be read</source>
        <translation>impossibile leggere la dimensione di &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes, at most %3 are read)</source>
        <translation>&quot;%1&quot; è troppo grande (%2 byte, ne vengono letti al massimo %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be unpacked (%2)</source>
        <translation>impossibile estrarre &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged</source>
        <translation>&quot;%1&quot; è danneggiato</translation>
    </message>
    <message>
        <source>no archive is open</source>
        <translation>nessun archivio aperto</translation>
    </message>
</context>
</TS>
