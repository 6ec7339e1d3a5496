<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Corvane::Sentrel::Controllers::BaseController</name>
    <message>
        <source>There is already a favorite item for this device</source>
        <translation>Für dieses Gerät gibt es bereits einen Favoriten</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::FavoriteContextMenu</name>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>Favorit entfernen</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Anwendung beenden</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::LightSensorsController</name>
    <message>
        <source>%1 lx</source>
        <translation>%1 lx</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::NavigationController</name>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Refresh all items</source>
        <translation>Alle Elemente aktualisieren</translation>
    </message>
    <message>
        <source>Refresh current item</source>
        <translation>Aktuelles Element aktualisieren</translation>
    </message>
    <message>
        <source>Exit full screen mode</source>
        <translation>Vollbildmodus beenden</translation>
    </message>
    <message>
        <source>Full screen mode</source>
        <translation>Vollbildmodus</translation>
    </message>
    <message>
        <source>Hide main window</source>
        <translation>Hauptfenster ausblenden</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>Show/Hide main window</source>
        <translation>Hauptfenster ein-/ausblenden</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Nach Updates suchen…</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::SoundController</name>
    <message>
        <source>Select sound source</source>
        <translation>Audioquelle auswählen</translation>
    </message>
    <message>
        <source> - track #</source>
        <translation> - Titel Nr. </translation>
    </message>
    <message>
        <source>FM</source>
        <translation>UKW</translation>
    </message>
    <message>
        <source>LW</source>
        <translation>LW</translation>
    </message>
    <message>
        <source>MW</source>
        <translation>MW</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>KW</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::UserConfigurationController</name>
    <message>
        <source>Choose configuration file</source>
        <translation>Konfigurationsdatei auswählen</translation>
    </message>
    <message>
        <source>VT Project (*%1)</source>
        <translation>VT-Projekt (*%1)</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::MessageBoxes</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Settings</name>
    <message>
        <source>There is no active configuration! Please run %1 application and create a configuration or open an existing project.</source>
        <translation>Es ist keine aktive Konfiguration vorhanden! Bitte starten Sie die Anwendung %1 und erstellen Sie eine Konfiguration oder öffnen Sie ein vorhandenes Projekt.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>WebServer</source>
        <translation>Webserver</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::StartUp</name>
    <message>
        <source>The default configuration has been changed. Would you like to load it instead of the current configuration?</source>
        <translation>Die Standardkonfiguration wurde geändert. Möchten Sie sie anstelle der aktuellen Konfiguration laden?</translation>
    </message>
</context>
</TS>
