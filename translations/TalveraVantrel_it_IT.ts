<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Corvane::Sentrel::Controllers::BaseController</name>
    <message>
        <source>There is already a favorite item for this device</source>
        <translation>Esiste già un preferito per questo dispositivo</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::FavoriteContextMenu</name>
    <message>
        <source>Always on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Mostra finestra principale</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>Rimuovi preferito</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Esci dall&apos;applicazione</translation>
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
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Refresh all items</source>
        <translation>Aggiorna tutti gli elementi</translation>
    </message>
    <message>
        <source>Refresh current item</source>
        <translation>Aggiorna elemento corrente</translation>
    </message>
    <message>
        <source>Exit full screen mode</source>
        <translation>Esci dalla modalità a schermo intero</translation>
    </message>
    <message>
        <source>Full screen mode</source>
        <translation>Modalità a schermo intero</translation>
    </message>
    <message>
        <source>Hide main window</source>
        <translation>Nascondi finestra principale</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Esci dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Show/Hide main window</source>
        <translation>Mostra/nascondi finestra principale</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Esegui all&apos;avvio del sistema</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Verifica aggiornamenti...</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::SoundController</name>
    <message>
        <source>Select sound source</source>
        <translation>Seleziona la sorgente sonora</translation>
    </message>
    <message>
        <source> - track #</source>
        <translation> - brano n. </translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>LW</source>
        <translation>OL</translation>
    </message>
    <message>
        <source>MW</source>
        <translation>OM</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>OC</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::UserConfigurationController</name>
    <message>
        <source>Choose configuration file</source>
        <translation>Scegli il file di configurazione</translation>
    </message>
    <message>
        <source>VT Project (*%1)</source>
        <translation>Progetto VT (*%1)</translation>
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
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Settings</name>
    <message>
        <source>There is no active configuration! Please run %1 application and create a configuration or open an existing project.</source>
        <translation>Nessuna configurazione attiva! Avvia l&apos;applicazione %1 e crea una configurazione o apri un progetto esistente.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>WebServer</source>
        <translation>WebServer</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::StartUp</name>
    <message>
        <source>The default configuration has been changed. Would you like to load it instead of the current configuration?</source>
        <translation>La configurazione predefinita è stata modificata. Vuoi caricarla al posto della configurazione corrente?</translation>
    </message>
</context>
</TS>
