<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvane::Sentrel::Controllers::BaseController</name>
    <message>
        <source>There is already a favorite item for this device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::FavoriteContextMenu</name>
    <message>
        <source>Always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::NavigationController</name>
    <message>
        <source>Always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh all items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh current item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit full screen mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::SoundController</name>
    <message>
        <source>Select sound source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - track #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::UserConfigurationController</name>
    <message>
        <source>Choose configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VT Project (*%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::MessageBoxes</name>
    <message>
        <source>OK</source>
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
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Settings</name>
    <message>
        <source>There is no active configuration! Please run %1 application and create a configuration or open an existing project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebServer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::StartUp</name>
    <message>
        <source>The default configuration has been changed. Would you like to load it instead of the current configuration?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
