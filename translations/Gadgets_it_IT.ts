<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BoolComboBox</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataTariffControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>Dati energetici: %1</translation>
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
        <translation>Dati energetici: %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Tot: %1 %2</source>
        <translation>Tot: %1 %2</translation>
    </message>
    <message>
        <source>Inst: %1 %2</source>
        <translation>Ist: %1 %2</translation>
    </message>
    <message>
        <source>Avg: %1 %2</source>
        <translation>Media: %1 %2</translation>
    </message>
    <message>
        <source>%1 updated to %2</source>
        <translation>%1 aggiornato al %2</translation>
    </message>
    <message>
        <source>Data %1 updated to %2</source>
        <translation>Dati %1 aggiornati al %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>Loading data %p%. Please wait...</source>
        <translation>Caricamento dati %p%. Attendere...</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyTimespanEdit</name>
    <message>
        <source>Last 12 months</source>
        <translation>Ultimi 12 mesi</translation>
    </message>
    <message>
        <source>Previous 12 months</source>
        <translation>12 mesi precedenti</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::InfoControl</name>
    <message>
        <source>Configure</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::LoadManagementDataControl</name>
    <message>
        <source>Load data: %1</source>
        <translation>Dati del carico: %1</translation>
    </message>
    <message>
        <source>Instant consumption: %1 %2</source>
        <translation>Consumo istantaneo: %1 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Aggiornato il %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Dal %1</translation>
    </message>
    <message>
        <source>Counter %1 (%2): %3</source>
        <translation>Contatore %1 (%2): %3</translation>
    </message>
    <message>
        <source>Energy consumption statistics not supported!</source>
        <translation>Statistiche dei consumi energetici non supportate!</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::Models::EnergyDataTariffModel</name>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famiglia</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinBrowser</name>
    <message>
        <source>Skins not offered:</source>
        <translation>Temi non disponibili:</translation>
    </message>
    <message>
        <source>Not offered: %1</source>
        <translation>Non disponibili: %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinFileCheck</name>
    <message>
        <source>holds %1 bytes, more than the %2 bytes an SVG document may have</source>
        <translation>contiene %1 byte, oltre i %2 byte consentiti per un documento SVG</translation>
    </message>
    <message>
        <source>is not an SVG document (its root element is &lt;%1&gt;)</source>
        <translation>non è un documento SVG (il suo elemento radice è &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>links a style sheet outside the document</source>
        <translation>collega un foglio di stile esterno al documento</translation>
    </message>
    <message>
        <source>is not a well-formed SVG document (line %1: %2)</source>
        <translation>non è un documento SVG ben formato (riga %1: %2)</translation>
    </message>
    <message>
        <source>is not an SVG document</source>
        <translation>non è un documento SVG</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside the skin</source>
        <translation>fa riferimento a &quot;%1&quot; al di fuori del tema</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot;, which is not a file of the skin</source>
        <translation>fa riferimento a &quot;%1&quot;, che non è un file del tema</translation>
    </message>
    <message>
        <source>is not a picture</source>
        <translation>non è un&apos;immagine</translation>
    </message>
    <message>
        <source>is an SVG document, not a bitmap</source>
        <translation>è un documento SVG, non una bitmap</translation>
    </message>
    <message>
        <source>is not a readable picture (%1)</source>
        <translation>non è un&apos;immagine leggibile (%1)</translation>
    </message>
    <message>
        <source>holds a %1 x %2 pixel picture, more than the %3 pixels a picture may have</source>
        <translation>contiene un&apos;immagine di %1 x %2 pixel, oltre i %3 pixel consentiti per un&apos;immagine</translation>
    </message>
    <message>
        <source>embeds a compressed SVG document</source>
        <translation>incorpora un documento SVG compresso</translation>
    </message>
    <message>
        <source>declares the external entity &quot;%1&quot;</source>
        <translation>dichiara l&apos;entità esterna &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinPreview</name>
    <message>
        <source>%1 is not a skin zip file</source>
        <translation>%1 non è un file zip di tema</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SplashScreen</name>
    <message>
        <source>Copyright Talvera. All rights reserved.</source>
        <translation>Copyright Talvera. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Copyright Corvane. All rights reserved.</source>
        <translation>Copyright Corvane. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::ThemeResourceValidator</name>
    <message>
        <source>is a document the SVG renderer refuses</source>
        <translation>è un documento che il renderer SVG rifiuta</translation>
    </message>
    <message>
        <source>Cannot open the skin %1: %2</source>
        <translation>Impossibile aprire il tema %1: %2</translation>
    </message>
    <message>
        <source>Required file %1 missing in %2</source>
        <translation>Il file richiesto %1 manca in %2</translation>
    </message>
    <message>
        <source>Required file %1 in %2 cannot be read: %3</source>
        <translation>Impossibile leggere il file richiesto %1 in %2: %3</translation>
    </message>
    <message>
        <source>Required file %1 in %2 %3</source>
        <translation>Il file richiesto %1 in %2 %3</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::WebServerDataControl</name>
    <message>
        <source>WebServer info: %1</source>
        <translation>Informazioni WebServer: %1</translation>
    </message>
    <message>
        <source>Device code</source>
        <translation>Codice dispositivo</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versione firmware</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Tipo di indirizzo</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Codice univoco</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnet mask</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Tempo di attività</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Link web</source>
        <translation>Collegamento web</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fisso</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
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
        <translation>g</translation>
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
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Needs a desktop that shows translucent windows (a compositing manager)</source>
        <translation>Richiede un desktop che visualizzi le finestre traslucide (un compositing manager)</translation>
    </message>
    <message>
        <source>User configuration area</source>
        <translation>Area di configurazione utente</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Progetto:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Reload default</source>
        <translation>Ricarica progetto predefinito</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Cambia lingua</translation>
    </message>
    <message>
        <source>Gadget dimension</source>
        <translation>Dimensione del gadget</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Gadget transparency</source>
        <translation>Trasparenza del gadget</translation>
    </message>
    <message>
        <source>Hide labels after (sec.)</source>
        <translation>Nascondi etichette dopo (sec.)</translation>
    </message>
    <message>
        <source>Go homepage after (sec.)</source>
        <translation>Torna alla pagina iniziale dopo (sec.)</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unità di temperatura</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Esegui all&apos;avvio del sistema</translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation>Cambia tema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
</context>
</TS>
