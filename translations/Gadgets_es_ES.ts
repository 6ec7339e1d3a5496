<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoolComboBox</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataTariffControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataViewControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inst: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 updated to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data %1 updated to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading data %p%. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyTimespanEdit</name>
    <message>
        <source>Last 12 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous 12 months</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::InfoControl</name>
    <message>
        <source>Configure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::LoadManagementDataControl</name>
    <message>
        <source>Load data: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant consumption: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy consumption statistics not supported!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::Models::EnergyDataTariffModel</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinBrowser</name>
    <message>
        <source>Skins not offered:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not offered: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinFileCheck</name>
    <message>
        <source>holds %1 bytes, more than the %2 bytes an SVG document may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not an SVG document (its root element is &lt;%1&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links a style sheet outside the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a well-formed SVG document (line %1: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not an SVG document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside the skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot;, which is not a file of the skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is an SVG document, not a bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a readable picture (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a %1 x %2 pixel picture, more than the %3 pixels a picture may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>embeds a compressed SVG document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>declares the external entity &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinPreview</name>
    <message>
        <source>%1 is not a skin zip file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SplashScreen</name>
    <message>
        <source>Copyright Talvera. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright Corvane. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::ThemeResourceValidator</name>
    <message>
        <source>is a document the SVG renderer refuses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the skin %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required file %1 missing in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required file %1 in %2 cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required file %1 in %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::WebServerDataControl</name>
    <message>
        <source>WebServer info: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemperatureUnitComboBox</name>
    <message>
        <source>Celsius (%1C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrenheit (%1F)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserConfigurationAreaDialog</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs a desktop that shows translucent windows (a compositing manager)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User configuration area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadget dimension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadget transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide labels after (sec.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go homepage after (sec.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
