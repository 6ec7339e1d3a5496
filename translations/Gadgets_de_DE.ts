<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoolComboBox</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataTariffControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>Energiedaten: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataViewControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>Energiedaten: %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Tot: %1 %2</source>
        <translation>Ges.: %1 %2</translation>
    </message>
    <message>
        <source>Inst: %1 %2</source>
        <translation>Akt.: %1 %2</translation>
    </message>
    <message>
        <source>Avg: %1 %2</source>
        <translation>Mittel: %1 %2</translation>
    </message>
    <message>
        <source>%1 updated to %2</source>
        <translation>%1, Stand: %2</translation>
    </message>
    <message>
        <source>Data %1 updated to %2</source>
        <translation>Daten %1, Stand: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Loading data %p%. Please wait...</source>
        <translation>Daten werden geladen: %p%. Bitte warten…</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyTimespanEdit</name>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Previous 12 months</source>
        <translation>Vorherige 12 Monate</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::InfoControl</name>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::LoadManagementDataControl</name>
    <message>
        <source>Load data: %1</source>
        <translation>Lastdaten: %1</translation>
    </message>
    <message>
        <source>Instant consumption: %1 %2</source>
        <translation>Momentanverbrauch: %1 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aktualisiert: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Seit %1</translation>
    </message>
    <message>
        <source>Counter %1 (%2): %3</source>
        <translation>Zähler %1 (%2): %3</translation>
    </message>
    <message>
        <source>Energy consumption statistics not supported!</source>
        <translation>Statistiken zum Energieverbrauch werden nicht unterstützt!</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::Models::EnergyDataTariffModel</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Zählerart</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinBrowser</name>
    <message>
        <source>Skins not offered:</source>
        <translation>Nicht angebotene Skins:</translation>
    </message>
    <message>
        <source>Not offered: %1</source>
        <translation>Nicht angeboten: %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinFileCheck</name>
    <message>
        <source>holds %1 bytes, more than the %2 bytes an SVG document may have</source>
        <translation>ist %1 Byte groß, mehr als die %2 Byte, die ein SVG-Dokument haben darf</translation>
    </message>
    <message>
        <source>is not an SVG document (its root element is &lt;%1&gt;)</source>
        <translation>ist kein SVG-Dokument (sein Wurzelelement ist &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>links a style sheet outside the document</source>
        <translation>bindet ein Stylesheet außerhalb des Dokuments ein</translation>
    </message>
    <message>
        <source>is not a well-formed SVG document (line %1: %2)</source>
        <translation>ist kein wohlgeformtes SVG-Dokument (Zeile %1: %2)</translation>
    </message>
    <message>
        <source>is not an SVG document</source>
        <translation>ist kein SVG-Dokument</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside the skin</source>
        <translation>verweist auf „%1“ außerhalb des Skins</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot;, which is not a file of the skin</source>
        <translation>verweist auf „%1“, das keine Datei des Skins ist</translation>
    </message>
    <message>
        <source>is not a picture</source>
        <translation>ist kein Bild</translation>
    </message>
    <message>
        <source>is an SVG document, not a bitmap</source>
        <translation>ist ein SVG-Dokument, keine Bitmap</translation>
    </message>
    <message>
        <source>is not a readable picture (%1)</source>
        <translation>ist kein lesbares Bild (%1)</translation>
    </message>
    <message>
        <source>holds a %1 x %2 pixel picture, more than the %3 pixels a picture may have</source>
        <translation>enthält ein Bild mit %1 x %2 Pixeln, mehr als die %3 Pixel, die ein Bild haben darf</translation>
    </message>
    <message>
        <source>embeds a compressed SVG document</source>
        <translation>bettet ein komprimiertes SVG-Dokument ein</translation>
    </message>
    <message>
        <source>declares the external entity &quot;%1&quot;</source>
        <translation>deklariert die externe Entität „%1“</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinPreview</name>
    <message>
        <source>%1 is not a skin zip file</source>
        <translation>%1 ist keine Skin-ZIP-Datei</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SplashScreen</name>
    <message>
        <source>Copyright Talvera. All rights reserved.</source>
        <translation>Copyright Talvera. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Copyright Corvane. All rights reserved.</source>
        <translation>Copyright Corvane. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::ThemeResourceValidator</name>
    <message>
        <source>is a document the SVG renderer refuses</source>
        <translation>ist ein Dokument, das der SVG-Renderer ablehnt</translation>
    </message>
    <message>
        <source>Cannot open the skin %1: %2</source>
        <translation>Der Skin %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Required file %1 missing in %2</source>
        <translation>Die erforderliche Datei %1 fehlt in %2</translation>
    </message>
    <message>
        <source>Required file %1 in %2 cannot be read: %3</source>
        <translation>Die erforderliche Datei %1 in %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>Required file %1 in %2 %3</source>
        <translation>Die erforderliche Datei %1 in %2 %3</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::WebServerDataControl</name>
    <message>
        <source>WebServer info: %1</source>
        <translation>Webserver-Informationen: %1</translation>
    </message>
    <message>
        <source>Device code</source>
        <translation>Gerätecode</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Adresstyp</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Eindeutiger Code</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Betriebszeit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Link web</source>
        <translation>Webverbindung</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Feste IP</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>d</source>
        <translation>T</translation>
    </message>
</context>
<context>
    <name>TemperatureUnitComboBox</name>
    <message>
        <source>Celsius (%1C)</source>
        <translation>Celsius (%1C)</translation>
    </message>
    <message>
        <source>Fahrenheit (%1F)</source>
        <translation>Fahrenheit (%1F)</translation>
    </message>
</context>
<context>
    <name>UserConfigurationAreaDialog</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Needs a desktop that shows translucent windows (a compositing manager)</source>
        <translation>Erfordert einen Desktop, der durchscheinende Fenster darstellt (einen Compositing-Manager)</translation>
    </message>
    <message>
        <source>User configuration area</source>
        <translation>Benutzerkonfiguration</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Reload default</source>
        <translation>Standardprojekt neu laden</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>Gadget dimension</source>
        <translation>Gadget-Größe</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Gadget transparency</source>
        <translation>Gadget-Transparenz</translation>
    </message>
    <message>
        <source>Hide labels after (sec.)</source>
        <translation>Beschriftungen ausblenden nach (Sek.)</translation>
    </message>
    <message>
        <source>Go homepage after (sec.)</source>
        <translation>Zurück zur Startseite nach (Sek.)</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation>Skin ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
</context>
</TS>
