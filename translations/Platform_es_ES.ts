<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Corvane::Utilities::Globals</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>Corvane::Utilities::Zip::Unzipper</name>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>not a readable zip archive (%1)</source>
        <translation>no es un archivo zip legible (%1)</translation>
    </message>
    <message>
        <source>refused member name &quot;%1&quot;</source>
        <translation>nombre de entrada &quot;%1&quot; rechazado</translation>
    </message>
    <message>
        <source>no member &quot;%1&quot;</source>
        <translation>no existe la entrada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the size of &quot;%1&quot; cannot be read</source>
        <translation>no se puede leer el tamaño de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes, at most %3 are read)</source>
        <translation>&quot;%1&quot; es demasiado grande (%2 bytes, se leen como máximo %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be unpacked (%2)</source>
        <translation>no se puede descomprimir &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged</source>
        <translation>&quot;%1&quot; está dañado</translation>
    </message>
    <message>
        <source>no archive is open</source>
        <translation>no hay ningún archivo comprimido abierto</translation>
    </message>
</context>
</TS>
