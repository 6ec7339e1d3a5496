<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Corvane::Utilities::Globals</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>Corvane::Utilities::Zip::Unzipper</name>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>not a readable zip archive (%1)</source>
        <translation>kein lesbares ZIP-Archiv (%1)</translation>
    </message>
    <message>
        <source>refused member name &quot;%1&quot;</source>
        <translation>Elementname „%1“ abgelehnt</translation>
    </message>
    <message>
        <source>no member &quot;%1&quot;</source>
        <translation>kein Element „%1“</translation>
    </message>
    <message>
        <source>the size of &quot;%1&quot; cannot be read</source>
        <translation>die Größe von „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes, at most %3 are read)</source>
        <translation>„%1“ ist zu groß (%2 Byte, höchstens %3 werden gelesen)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be unpacked (%2)</source>
        <translation>„%1“ kann nicht entpackt werden (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged</source>
        <translation>„%1“ ist beschädigt</translation>
    </message>
    <message>
        <source>no archive is open</source>
        <translation>kein Archiv geöffnet</translation>
    </message>
</context>
</TS>
