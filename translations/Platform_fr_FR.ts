<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvane::Utilities::Globals</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>Corvane::Utilities::Zip::Unzipper</name>
    <message>
        <source>no such file</source>
        <translation>fichier inexistant</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a readable zip archive (%1)</source>
        <translation>pas une archive ZIP lisible (%1)</translation>
    </message>
    <message>
        <source>refused member name &quot;%1&quot;</source>
        <translation>nom d&apos;élément «&#xa0;%1&#xa0;» refusé</translation>
    </message>
    <message>
        <source>no member &quot;%1&quot;</source>
        <translation>aucun élément «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the size of &quot;%1&quot; cannot be read</source>
        <translation>la taille de «&#xa0;%1&#xa0;» ne peut pas être lue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes, at most %3 are read)</source>
        <translation>«&#xa0;%1&#xa0;» est trop volumineux (%2 octets, au plus %3 sont lus)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be unpacked (%2)</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être décompressé (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged</source>
        <translation>«&#xa0;%1&#xa0;» est endommagé</translation>
    </message>
    <message>
        <source>no archive is open</source>
        <translation>aucune archive n&apos;est ouverte</translation>
    </message>
</context>
</TS>
