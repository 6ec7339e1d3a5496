<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Devices</name>
    <message>
        <source>Scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presence sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private riser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Univocal code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, scenario %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A%1, level %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was written by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project has no valid id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds too many values in a list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A device holds two commands with the same id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A device holds more commands than allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A device has no valid id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two devices have the same id %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds too many devices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not hold user settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user settings were written by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds too many favourites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds too many entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user settings &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user settings cannot be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value &quot;%1&quot; for &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project cannot be saved to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimmer 100 levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimmer 10 levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimmer 10 levels (DALI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curtain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario PLUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone (99-zone central unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone (4-zone central unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air conditioner (basic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air conditioner (advanced)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presence sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light and presence sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domestic hot water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heating or cooling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load with energy meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kWh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m³</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft³</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yd³</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gal (US)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gal (UK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m³/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>l/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dal/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hl/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft³/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yd³/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gal/h (US)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gal/h (UK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>£</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¥</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project contains errors and cannot be used. Open it in the Configurator to correct them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project has no gateway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several gateways use the IP address %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several gateways use the univocal code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the IP address &quot;%1&quot; is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the IP address is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the univocal code is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password must have 5 to 9 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the description is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the group %1 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device belongs to more than %1 groups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit does not suit the meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tariff is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scenario number must be between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the level must be between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address of the %1 command is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address of the %1 command is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the push button of the %1 command must be between 0 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the temperatures (minimum %1, maximum %2, step %3) must lie between %4 and %5, the minimum below the maximum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device has more than %1 commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address of the OFF command is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address of the command &quot;%1&quot; is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project holds %1 devices of one kind; at most %2 are allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: %2 sound sources, at most %3 are allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: several sound sources use the address %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device &quot;%1&quot; and %2 more share the address %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
