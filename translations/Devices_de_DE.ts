<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Devices</name>
    <message>
        <source>Scenarios</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatisierung</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Temperaturregelung</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Lastmanagement</translation>
    </message>
    <message>
        <source>Light sensors</source>
        <translation>Helligkeitssensoren</translation>
    </message>
    <message>
        <source>Presence sensors</source>
        <translation>Präsenzmelder</translation>
    </message>
    <message>
        <source>Web servers</source>
        <translation>Webserver</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Audiosystem</translation>
    </message>
    <message>
        <source>Test gateway</source>
        <translation>Test-Gateway</translation>
    </message>
    <message>
        <source>Light %1</source>
        <translation>Licht %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Local bus</source>
        <translation>Lokaler Bus</translation>
    </message>
    <message>
        <source>Private riser</source>
        <translation>Private Steigleitung</translation>
    </message>
    <message>
        <source>Univocal code</source>
        <translation>Eindeutiger Code</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statische IP</translation>
    </message>
    <message>
        <source>%1, scenario %2</source>
        <translation>%1, Szene %2</translation>
    </message>
    <message>
        <source>A%1, level %2</source>
        <translation>A%1, Ebene %2</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>No command</source>
        <translation>Kein Befehl</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>All areas</source>
        <translation>Alle Bereiche</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Es handelt sich nicht um eine Datei.</translation>
    </message>
    <message>
        <source>There is nothing to write.</source>
        <translation>Es gibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>The file is not a project.</source>
        <translation>Die Datei ist kein Projekt.</translation>
    </message>
    <message>
        <source>The project was written by a newer version of the program.</source>
        <translation>Das Projekt wurde mit einer neueren Version des Programms erstellt.</translation>
    </message>
    <message>
        <source>The project has no valid id.</source>
        <translation>Das Projekt hat keine gültige ID.</translation>
    </message>
    <message>
        <source>The file holds too many values in a list.</source>
        <translation>Die Datei enthält zu viele Werte in einer Liste.</translation>
    </message>
    <message>
        <source>A device holds two commands with the same id.</source>
        <translation>Ein Gerät enthält zwei Befehle mit derselben ID.</translation>
    </message>
    <message>
        <source>A device holds more commands than allowed.</source>
        <translation>Ein Gerät enthält mehr Befehle als zulässig.</translation>
    </message>
    <message>
        <source>A device has no valid id.</source>
        <translation>Ein Gerät hat keine gültige ID.</translation>
    </message>
    <message>
        <source>Two devices have the same id %1.</source>
        <translation>Zwei Geräte haben dieselbe ID %1.</translation>
    </message>
    <message>
        <source>The file holds too many devices.</source>
        <translation>Die Datei enthält zu viele Geräte.</translation>
    </message>
    <message>
        <source>The file does not hold user settings.</source>
        <translation>Die Datei enthält keine Benutzereinstellungen.</translation>
    </message>
    <message>
        <source>The user settings were written by a newer version of the program.</source>
        <translation>Die Benutzereinstellungen wurden mit einer neueren Version des Programms erstellt.</translation>
    </message>
    <message>
        <source>The file holds too many favourites.</source>
        <translation>Die Datei enthält zu viele Favoriten.</translation>
    </message>
    <message>
        <source>The file holds too many entries.</source>
        <translation>Die Datei enthält zu viele Einträge.</translation>
    </message>
    <message>
        <source>The user settings &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Benutzereinstellungen „%1“ können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The user settings cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Die Benutzereinstellungen können nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Invalid value &quot;%1&quot; for &quot;%2&quot;.</source>
        <translation>Ungültiger Wert „%1“ für „%2“.</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; is too long.</source>
        <translation>Der Text von „%1“ ist zu lang.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large.</source>
        <translation>Die Datei „%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Projekt „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The project cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Das Projekt kann nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Dimmer 100 levels</source>
        <translation>Dimmer 100 Stufen</translation>
    </message>
    <message>
        <source>Dimmer 10 levels</source>
        <translation>Dimmer 10 Stufen</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Dimmer 10 levels (DALI)</source>
        <translation>Dimmer 10 Stufen (DALI)</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Rollladen</translation>
    </message>
    <message>
        <source>Curtain</source>
        <translation>Vorhang</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Scenario PLUS</source>
        <translation>Szene PLUS</translation>
    </message>
    <message>
        <source>Scheduled scenario</source>
        <translation>Zeitgesteuerte Szene</translation>
    </message>
    <message>
        <source>External probe</source>
        <translation>Außenfühler</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Fühler</translation>
    </message>
    <message>
        <source>Zone (99-zone central unit)</source>
        <translation>Zone (Zentrale mit 99 Zonen)</translation>
    </message>
    <message>
        <source>Zone (4-zone central unit)</source>
        <translation>Zone (Zentrale mit 4 Zonen)</translation>
    </message>
    <message>
        <source>Air conditioner (basic)</source>
        <translation>Klimagerät (Basis)</translation>
    </message>
    <message>
        <source>Air conditioner (advanced)</source>
        <translation>Klimagerät (erweitert)</translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation>Helligkeitssensor</translation>
    </message>
    <message>
        <source>Presence sensor</source>
        <translation>Präsenzmelder</translation>
    </message>
    <message>
        <source>Light and presence sensor</source>
        <translation>Helligkeitssensor und Präsenzmelder</translation>
    </message>
    <message>
        <source>Web server</source>
        <translation>Webserver</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Track player</source>
        <translation>Titel-Player</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Verstärker</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Domestic hot water</source>
        <translation>Warmwasser</translation>
    </message>
    <message>
        <source>Heating or cooling</source>
        <translation>Heizung oder Kühlung</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Verbraucher</translation>
    </message>
    <message>
        <source>Load with energy meter</source>
        <translation>Verbraucher mit Energiezähler</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Unbekannt (%1)</translation>
    </message>
    <message>
        <source>kWh</source>
        <translation>kWh</translation>
    </message>
    <message>
        <source>m³</source>
        <translation>m³</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>dal</source>
        <translation>dal</translation>
    </message>
    <message>
        <source>hl</source>
        <translation>hl</translation>
    </message>
    <message>
        <source>ft³</source>
        <translation>ft³</translation>
    </message>
    <message>
        <source>yd³</source>
        <translation>yd³</translation>
    </message>
    <message>
        <source>gal (US)</source>
        <translation>gal (US)</translation>
    </message>
    <message>
        <source>gal (UK)</source>
        <translation>gal (UK)</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>m³/h</source>
        <translation>m³/h</translation>
    </message>
    <message>
        <source>l/h</source>
        <translation>l/h</translation>
    </message>
    <message>
        <source>dal/h</source>
        <translation>dal/h</translation>
    </message>
    <message>
        <source>hl/h</source>
        <translation>hl/h</translation>
    </message>
    <message>
        <source>ft³/h</source>
        <translation>ft³/h</translation>
    </message>
    <message>
        <source>yd³/h</source>
        <translation>yd³/h</translation>
    </message>
    <message>
        <source>gal/h (US)</source>
        <translation>gal/h (US)</translation>
    </message>
    <message>
        <source>gal/h (UK)</source>
        <translation>gal/h (UK)</translation>
    </message>
    <message>
        <source>Production</source>
        <translation>Erzeugung</translation>
    </message>
    <message>
        <source>Consumption</source>
        <translation>Verbrauch</translation>
    </message>
    <message>
        <source>€</source>
        <translation>€</translation>
    </message>
    <message>
        <source>$</source>
        <translation>$</translation>
    </message>
    <message>
        <source>£</source>
        <translation>£</translation>
    </message>
    <message>
        <source>CHF</source>
        <translation>CHF</translation>
    </message>
    <message>
        <source>¥</source>
        <translation>¥</translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation>%1/h</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>GEN</source>
        <translation>GEN</translation>
    </message>
    <message>
        <source>AMB</source>
        <translation>AMB</translation>
    </message>
    <message>
        <source>GR</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>Device &quot;%1&quot;: %2</source>
        <translation>Gerät „%1“: %2</translation>
    </message>
    <message>
        <source>The project contains errors and cannot be used. Open it in the Configurator to correct them.</source>
        <translation>Das Projekt enthält Fehler und kann nicht verwendet werden. Öffnen Sie es im Configurator, um die Fehler zu beheben.</translation>
    </message>
    <message>
        <source>The project has no gateway.</source>
        <translation>Das Projekt hat kein Gateway.</translation>
    </message>
    <message>
        <source>Several gateways use the IP address %1.</source>
        <translation>Mehrere Gateways verwenden die IP-Adresse %1.</translation>
    </message>
    <message>
        <source>Several gateways use the univocal code %1.</source>
        <translation>Mehrere Gateways verwenden den eindeutigen Code %1.</translation>
    </message>
    <message>
        <source>the IP address &quot;%1&quot; is not valid.</source>
        <translation>die IP-Adresse „%1“ ist ungültig.</translation>
    </message>
    <message>
        <source>the IP address is not set.</source>
        <translation>die IP-Adresse ist nicht festgelegt.</translation>
    </message>
    <message>
        <source>the univocal code is not set.</source>
        <translation>der eindeutige Code ist nicht festgelegt.</translation>
    </message>
    <message>
        <source>the password must have 5 to 9 digits.</source>
        <translation>das Passwort muss aus 5 bis 9 Ziffern bestehen.</translation>
    </message>
    <message>
        <source>the description is empty.</source>
        <translation>die Beschreibung ist leer.</translation>
    </message>
    <message>
        <source>the address is not valid.</source>
        <translation>die Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>the group %1 is not valid.</source>
        <translation>die Gruppe %1 ist ungültig.</translation>
    </message>
    <message>
        <source>the device belongs to more than %1 groups.</source>
        <translation>das Gerät gehört zu mehr als %1 Gruppen.</translation>
    </message>
    <message>
        <source>the unit does not suit the meter.</source>
        <translation>die Einheit passt nicht zum Zähler.</translation>
    </message>
    <message>
        <source>the tariff is out of range.</source>
        <translation>der Tarif liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>the scenario number must be between %1 and %2.</source>
        <translation>die Szenennummer muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>the level must be between %1 and %2.</source>
        <translation>die Ebene muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not set.</source>
        <translation>die Adresse des Befehls „%1“ ist nicht festgelegt.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not valid.</source>
        <translation>die Adresse des Befehls „%1“ ist ungültig.</translation>
    </message>
    <message>
        <source>the push button of the %1 command must be between 0 and %2.</source>
        <translation>die Taste des Befehls „%1“ muss zwischen 0 und %2 liegen.</translation>
    </message>
    <message>
        <source>the temperatures (minimum %1, maximum %2, step %3) must lie between %4 and %5, the minimum below the maximum.</source>
        <translation>die Temperaturen (Minimum %1, Maximum %2, Schrittweite %3) müssen zwischen %4 und %5 liegen, und das Minimum muss unter dem Maximum liegen.</translation>
    </message>
    <message>
        <source>the device has more than %1 commands.</source>
        <translation>das Gerät hat mehr als %1 Befehle.</translation>
    </message>
    <message>
        <source>the address of the OFF command is not valid.</source>
        <translation>die Adresse des AUS-Befehls ist ungültig.</translation>
    </message>
    <message>
        <source>the address of the command &quot;%1&quot; is not valid.</source>
        <translation>die Adresse des Befehls „%1“ ist ungültig.</translation>
    </message>
    <message>
        <source>The project holds %1 devices of one kind; at most %2 are allowed.</source>
        <translation>Das Projekt enthält %1 Geräte derselben Art; höchstens %2 sind zulässig.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: %2 sound sources, at most %3 are allowed.</source>
        <translation>Gateway „%1“: %2 Audioquellen, höchstens %3 sind zulässig.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: several sound sources use the address %2.</source>
        <translation>Gateway „%1“: Mehrere Audioquellen verwenden die Adresse %2.</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Energiedaten</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Anlagenliste</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>the device at %1</source>
        <translation>das Gerät unter %1</translation>
    </message>
    <message>
        <source>The device at %1: %2</source>
        <translation>Gerät unter %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The address %1 is shared by %2.</source>
        <translation>Mehrere Geräte verwenden die Adresse %1: %2.</translation>
    </message>
</context>
</TS>
