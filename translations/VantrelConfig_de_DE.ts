<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Corvane::Configurator::AdminConfigurator</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Maximum allowed devices per page is %1</source>
        <translation>Pro Seite sind höchstens %1 Geräte zulässig</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected devices?</source>
        <translation>Möchten Sie die ausgewählten Geräte wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; device?</source>
        <translation>Möchten Sie das Gerät „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all devices?</source>
        <translation>Möchten Sie wirklich alle Geräte löschen?</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::DevicesTreeModel</name>
    <message>
        <source>Gadget</source>
        <translation>Gadget</translation>
    </message>
    <message>
        <source>General parameters</source>
        <translation>Allgemeine Parameter</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Anlagenliste</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatisierung</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Temperaturregelung</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Audiosystem</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Energiedaten</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Lastmanagement</translation>
    </message>
    <message>
        <source>Add plant</source>
        <translation>Anlage hinzufügen</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Remove plant</source>
        <translation>Anlage entfernen</translation>
    </message>
    <message>
        <source>Add, remove and set actuators</source>
        <translation>Aktoren hinzufügen, entfernen und einstellen</translation>
    </message>
    <message>
        <source>Add, remove and set sensors</source>
        <translation>Sensoren hinzufügen, entfernen und einstellen</translation>
    </message>
    <message>
        <source>Add, remove and set shutters</source>
        <translation>Rollläden hinzufügen, entfernen und einstellen</translation>
    </message>
    <message>
        <source>Add, remove and set scenarios</source>
        <translation>Szenen hinzufügen, entfernen und einstellen</translation>
    </message>
    <message>
        <source>Add, remove and set temperature probes</source>
        <translation>Temperaturfühler hinzufügen, entfernen und einstellen</translation>
    </message>
    <message>
        <source>Add, remove and set energy devices</source>
        <translation>Energiegeräte hinzufügen, entfernen und einstellen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate</name>
    <message>
        <source>Maximum allowed characters count for description is %1. The description you entered will be truncated! </source>
        <translation>Die Beschreibung darf höchstens %1 Zeichen lang sein. Die eingegebene Beschreibung wird gekürzt!</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::EconomicEvalDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid tariff: it is a number from %2 to %3. The tariff was not changed.</source>
        <translation>„%1“ ist kein gültiger Tarif: Zulässig ist eine Zahl von %2 bis %3. Der Tarif wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::GatewayEditDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid IP address: it has four numbers from 0 to 255, separated by dots. The address was not changed.</source>
        <translation>„%1“ ist keine gültige IP-Adresse: Eine IP-Adresse besteht aus vier Zahlen von 0 bis 255, die durch Punkte getrennt sind. Die Adresse wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The password must have 5 to 9 digits. The password was not changed.</source>
        <translation>Das Passwort muss aus 5 bis 9 Ziffern bestehen. Das Passwort wurde nicht geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid univocal code: it is a whole number of up to 9 digits. The univocal code was not changed.</source>
        <translation>„%1“ ist kein gültiger eindeutiger Code: Zulässig ist eine ganze Zahl mit höchstens 9 Ziffern. Der eindeutige Code wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ScenarioItemEditDelegate</name>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>CEN</source>
        <translation>CEN</translation>
    </message>
    <message>
        <source>CEN PLUS</source>
        <translation>CEN PLUS</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::SoundSourceEditDelegate</name>
    <message>
        <source>Sound source</source>
        <translation>Audioquelle</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ThermoregTemperatureDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid minimum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>„%1“ ist keine gültige Mindesttemperatur: Zulässig ist eine Zahl von %2 bis %3. Die Temperatur wurde nicht geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid maximum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>„%1“ ist keine gültige Höchsttemperatur: Zulässig ist eine Zahl von %2 bis %3. Die Temperatur wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::BaseEditorDialog</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::EconomicEvalEditor</name>
    <message>
        <source>Economic evaluation</source>
        <translation>Kostenauswertung</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ScheduledScenarioEditor</name>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::SoundSystemEditor</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Sound source %1</source>
        <translation>Audioquelle %1</translation>
    </message>
    <message>
        <source>Maximum number of sound sources is %1</source>
        <translation>Die maximale Anzahl an Audioquellen beträgt %1</translation>
    </message>
    <message>
        <source>Sound source</source>
        <translation>Audioquelle</translation>
    </message>
    <message>
        <source>There is more than one source with address &quot;%1&quot;</source>
        <translation>Es gibt mehr als eine Quelle mit der Adresse „%1“</translation>
    </message>
    <message>
        <source>This plant has %1 sound sources, but its sound system takes at most %2. Only the first %2 are shown; confirming this dialog removes the others from the project:
%3</source>
        <translation>Diese Anlage hat %1 Audioquellen, ihr Audiosystem unterstützt jedoch höchstens %2. Nur die ersten %2 werden angezeigt; wenn Sie diesen Dialog bestätigen, werden die übrigen aus dem Projekt entfernt:
%3</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregAdvancedEditor</name>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Lüfterstufe</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Lamellenschwenkung</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregCommandsEditor</name>
    <message>
        <source>Favorite command %1</source>
        <translation>Favoritenbefehl %1</translation>
    </message>
    <message>
        <source>Maximum number of commands is %1</source>
        <translation>Die maximale Anzahl an Befehlen beträgt %1</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::MainWindow</name>
    <message>
        <source>LanguageName</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Neue Datei erstellen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Vorhandene Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the document to disk</source>
        <translation>Dokument auf dem Datenträger speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save the document with a new name</source>
        <translation>Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Import data...</source>
        <translation>Daten &amp;importieren…</translation>
    </message>
    <message>
        <source>Import from .qrx file</source>
        <translation>Aus einer .qrx-Datei importieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation>Konfiguration laden</translation>
    </message>
    <message>
        <source>Load existing configuration</source>
        <translation>Vorhandene Konfiguration laden</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Activate current configuration</source>
        <translation>Aktuelle Konfiguration aktivieren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Brand site</source>
        <translation>Website des Herstellers</translation>
    </message>
    <message>
        <source>Open brand site</source>
        <translation>Website des Herstellers öffnen</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Default project</source>
        <translation>Standardprojekt</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>Projekt: %1</translation>
    </message>
    <message>
        <source>Current configuration has been changed. Do you want to save it?</source>
        <translation>Die aktuelle Konfiguration wurde geändert. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not open the specified file!</source>
        <translation>Die angegebene Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Could not write in the specified file! Running application with administrator privileges might solve the problem.</source>
        <translation>In die angegebene Datei konnte nicht geschrieben werden! Das Problem lässt sich möglicherweise beheben, indem Sie die Anwendung mit Administratorrechten ausführen.</translation>
    </message>
    <message>
        <source>Could not find active configuration!</source>
        <translation>Es wurde keine aktive Konfiguration gefunden!</translation>
    </message>
    <message>
        <source>Could not replace current temporary configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>Die aktuelle temporäre Konfiguration konnte nicht ersetzt werden! Das Problem lässt sich möglicherweise beheben, indem Sie die Anwendung mit Administratorrechten ausführen.</translation>
    </message>
    <message>
        <source>No configuration to activate!</source>
        <translation>Keine Konfiguration zum Aktivieren vorhanden!</translation>
    </message>
    <message>
        <source>Activation operation is not allowed when there are errors</source>
        <translation>Die Aktivierung ist nicht möglich, solange Fehler vorhanden sind</translation>
    </message>
    <message>
        <source>You are going to overwrite the current active configuration. Do you want to continue?</source>
        <translation>Sie sind dabei, die derzeit aktive Konfiguration zu überschreiben. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Could not overwrite previous configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>Die vorherige Konfiguration konnte nicht überschrieben werden! Das Problem lässt sich möglicherweise beheben, indem Sie die Anwendung mit Administratorrechten ausführen.</translation>
    </message>
    <message>
        <source>Could not write the active configuration into %1: the folder needs administrator privileges, and they could not be obtained (pkexec and a PolicyKit agent are needed).</source>
        <translation>Die aktive Konfiguration konnte nicht in %1 geschrieben werden: Der Ordner erfordert Administratorrechte, die nicht erlangt werden konnten (pkexec und ein PolicyKit-Agent werden benötigt).</translation>
    </message>
    <message>
        <source>Configuration activated successfully!</source>
        <translation>Konfiguration erfolgreich aktiviert!</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Geräte</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AddressTreeModel</name>
    <message>
        <source>KWB Address</source>
        <translation>KWB-Adresse</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Schnittstellenadresse</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AmplifierAddressModel</name>
    <message>
        <source>Multimedia Address</source>
        <translation>Multimedia-Adresse</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PF</source>
        <translation>PF</translation>
    </message>
    <message>
        <source>Insert multimedia address (A, PF)</source>
        <translation>Multimedia-Adresse eingeben (A, PF)</translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation>Wert des Konfigurators A eingeben</translation>
    </message>
    <message>
        <source>Enter value of PF configurator</source>
        <translation>Wert des Konfigurators PF eingeben</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseAddressTreeModel</name>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation>Wert des Konfigurators A eingeben</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Enter value of PL configurator</source>
        <translation>Wert des Konfigurators PL eingeben</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Enter value of Level configurator</source>
        <translation>Wert des Konfigurators „Ebene“ eingeben</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Schnittstellenadresse</translation>
    </message>
    <message>
        <source>Enter value of Interface address configurator</source>
        <translation>Wert des Konfigurators „Schnittstellenadresse“ eingeben</translation>
    </message>
    <message>
        <source>Scenario level</source>
        <translation>Szenenebene</translation>
    </message>
    <message>
        <source>Set scenario level</source>
        <translation>Szenenebene festlegen</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Szenennummer</translation>
    </message>
    <message>
        <source>Set scenario number</source>
        <translation>Szenennummer festlegen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseTableModel</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>PUL</source>
        <translation>PUL</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Fancoil</source>
        <translation>Gebläsekonvektor</translation>
    </message>
    <message>
        <source>Commands/Parameters</source>
        <translation>Befehle/Parameter</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Economic evaluation</source>
        <translation>Kostenauswertung</translation>
    </message>
    <message>
        <source>Central unit presence</source>
        <translation>Zentrale vorhanden</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>KWB-Adresse</translation>
    </message>
    <message>
        <source>Set device address</source>
        <translation>Geräteadresse festlegen</translation>
    </message>
    <message>
        <source>Select device type</source>
        <translation>Gerätetyp auswählen</translation>
    </message>
    <message>
        <source>Set device description</source>
        <translation>Gerätebeschreibung festlegen</translation>
    </message>
    <message>
        <source>Set PUL configurator value</source>
        <translation>Wert des Konfigurators PUL festlegen</translation>
    </message>
    <message>
        <source>Set groups that this device belongs to</source>
        <translation>Gruppen festlegen, zu denen dieses Gerät gehört</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EconomicEvalTableModel</name>
    <message>
        <source>Presence</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Set whether economic evaluation will be shown</source>
        <translation>Festlegen, ob die Kostenauswertung angezeigt wird</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Set the currency</source>
        <translation>Währung festlegen</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tarif</translation>
    </message>
    <message>
        <source>Set the tariff</source>
        <translation>Tarif festlegen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EnergyTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Zählerart</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GatewayTreeModel</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Adresstyp</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Eindeutiger Code</translation>
    </message>
    <message>
        <source>PRAVIK Password</source>
        <translation>PRAVIK-Passwort</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Set the name of the plant</source>
        <translation>Namen der Anlage festlegen</translation>
    </message>
    <message>
        <source>Choose between static and dynamic (UPnP) IP address</source>
        <translation>Zwischen statischer und dynamischer (UPnP) IP-Adresse wählen</translation>
    </message>
    <message>
        <source>Set IP address of WebServer</source>
        <translation>IP-Adresse des Webservers festlegen</translation>
    </message>
    <message>
        <source>Set Univocal Code of WebServer</source>
        <translation>Eindeutigen Code des Webservers festlegen</translation>
    </message>
    <message>
        <source>Set PravikNet password. It must be 5 to 9 characters long. Only digits are allowed.</source>
        <translation>PravikNet-Passwort festlegen. Es muss 5 bis 9 Zeichen lang sein. Nur Ziffern sind zulässig.</translation>
    </message>
    <message>
        <source>Set whether WebServer will be visible in the application</source>
        <translation>Festlegen, ob der Webserver in der Anwendung sichtbar ist</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GenParametersModel</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Set the language of the application</source>
        <translation>Sprache der Anwendung festlegen</translation>
    </message>
    <message>
        <source>Set the temperature unit that will be displayed</source>
        <translation>Angezeigte Temperatureinheit festlegen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::LoadTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioAddressTableModel</name>
    <message>
        <source>Scenario command</source>
        <translation>Szenenbefehl</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Szenennummer</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Schnittstellenadresse</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioItemModel</name>
    <message>
        <source>Presence</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Command type</source>
        <translation>Befehlstyp</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Button number</source>
        <translation>Tastennummer</translation>
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
        <source>CEN PLUS</source>
        <translation>CEN PLUS</translation>
    </message>
    <message>
        <source>CEN</source>
        <translation>CEN</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <source>Set whether scenario is available</source>
        <translation>Festlegen, ob die Szene verfügbar ist</translation>
    </message>
    <message>
        <source>Set the command type</source>
        <translation>Befehlstyp festlegen</translation>
    </message>
    <message>
        <source>Set the KWB Address</source>
        <translation>KWB-Adresse festlegen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioPlusAddressModel</name>
    <message>
        <source>Scenario PLUS command</source>
        <translation>Befehl Szene PLUS</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Set the address of the Scenario PLUS</source>
        <translation>Adresse der Szene PLUS festlegen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenariosTableModel</name>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScheduledCENAddressModel</name>
    <message>
        <source>CEN command address</source>
        <translation>Adresse des CEN-Befehls</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Schnittstellenadresse</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSourceDeviceModel</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Assign an address to the sound source</source>
        <translation>Der Audioquelle eine Adresse zuweisen</translation>
    </message>
    <message>
        <source>Set the description of the sound source</source>
        <translation>Beschreibung der Audioquelle festlegen</translation>
    </message>
    <message>
        <source>Choose the proper source type</source>
        <translation>Passenden Quellentyp auswählen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSystemModel</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>%1 source(s) configured</source>
        <translation>%1 Quelle(n) konfiguriert</translation>
    </message>
    <message>
        <source>No source configured</source>
        <translation>Keine Quelle konfiguriert</translation>
    </message>
    <message>
        <source>Set the type of the sound system</source>
        <translation>Typ des Audiosystems festlegen</translation>
    </message>
    <message>
        <source>Set the sources of the sound system</source>
        <translation>Quellen des Audiosystems festlegen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorExtAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>KWB-Adresse</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Enter value of N configurator</source>
        <translation>Wert des Konfigurators N eingeben</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorNAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>KWB-Adresse</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>ZB</source>
        <translation>ZB</translation>
    </message>
    <message>
        <source>Enter value of ZA configurator</source>
        <translation>Wert des Konfigurators ZA eingeben</translation>
    </message>
    <message>
        <source>Enter value of ZB configurator</source>
        <translation>Wert des Konfigurators ZB eingeben</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregFanModel</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Leise</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregModeModel</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Kühlen</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>Dry</source>
        <translation>Entfeuchten</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Lüften</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregNotControlledAddrModel</name>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>KWB-Adresse</translation>
    </message>
    <message>
        <source>ZA</source>
        <translation>ZA</translation>
    </message>
    <message>
        <source>ZB</source>
        <translation>ZB</translation>
    </message>
    <message>
        <source>Enter value of %1 configurator</source>
        <translation>Wert des Konfigurators %1 eingeben</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregSwingModel</name>
    <message>
        <source>Presence</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregTemperatureEditModel</name>
    <message>
        <source>Min (%1C)</source>
        <translation>Min. (%1C)</translation>
    </message>
    <message>
        <source>Max (%1C)</source>
        <translation>Max. (%1C)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Set the minimum allowed temperature</source>
        <translation>Minimal zulässige Temperatur festlegen</translation>
    </message>
    <message>
        <source>Set the maximum allowed temperature</source>
        <translation>Maximal zulässige Temperatur festlegen</translation>
    </message>
    <message>
        <source>Set temperature change step</source>
        <translation>Schrittweite der Temperaturänderung festlegen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationCommandModel</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Set the description of the command</source>
        <translation>Beschreibung des Befehls festlegen</translation>
    </message>
    <message>
        <source>Assign an address to the command</source>
        <translation>Dem Befehl eine Adresse zuweisen</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationOffCmdModel</name>
    <message>
        <source>Show OFF command</source>
        <translation>AUS-Befehl anzeigen</translation>
    </message>
    <message>
        <source>OFF command address</source>
        <translation>Adresse des AUS-Befehls</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationTableModel</name>
    <message>
        <source>%1 command(s) configured</source>
        <translation>%1 Befehl(e) konfiguriert</translation>
    </message>
    <message>
        <source>Min - %1, Max - %2, Step - %3</source>
        <translation>Min.: %1, Max.: %2, Schrittweite: %3</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>WebServer</source>
        <translation>Webserver</translation>
    </message>
    <message>
        <source>Actuator</source>
        <translation>Aktor</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Rollladen</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Fühler</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Verstärker</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Verbraucher</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don&apos;t save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Group </source>
        <translation>Gruppe </translation>
    </message>
    <message>
        <source>Presence</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tarif</translation>
    </message>
</context>
</TS>
