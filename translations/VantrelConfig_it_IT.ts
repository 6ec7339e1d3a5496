<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Corvane::Configurator::AdminConfigurator</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Maximum allowed devices per page is %1</source>
        <translation>Il numero massimo di dispositivi per pagina è %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected devices?</source>
        <translation>Vuoi davvero eliminare i dispositivi selezionati?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; device?</source>
        <translation>Vuoi davvero eliminare il dispositivo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all devices?</source>
        <translation>Vuoi davvero eliminare tutti i dispositivi?</translation>
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
        <translation>Parametri generali</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Elenco impianti</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensori</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automazione</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Scenari</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Termoregolazione</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Diffusione sonora</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Dati energetici</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Gestione carichi</translation>
    </message>
    <message>
        <source>Add plant</source>
        <translation>Aggiungi impianto</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Impianto</translation>
    </message>
    <message>
        <source>Remove plant</source>
        <translation>Rimuovi impianto</translation>
    </message>
    <message>
        <source>Add, remove and set actuators</source>
        <translation>Aggiungi, rimuovi e imposta gli attuatori</translation>
    </message>
    <message>
        <source>Add, remove and set sensors</source>
        <translation>Aggiungi, rimuovi e imposta i sensori</translation>
    </message>
    <message>
        <source>Add, remove and set shutters</source>
        <translation>Aggiungi, rimuovi e imposta le tapparelle</translation>
    </message>
    <message>
        <source>Add, remove and set scenarios</source>
        <translation>Aggiungi, rimuovi e imposta gli scenari</translation>
    </message>
    <message>
        <source>Add, remove and set temperature probes</source>
        <translation>Aggiungi, rimuovi e imposta le sonde di temperatura</translation>
    </message>
    <message>
        <source>Add, remove and set energy devices</source>
        <translation>Aggiungi, rimuovi e imposta i dispositivi energetici</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate</name>
    <message>
        <source>Maximum allowed characters count for description is %1. The description you entered will be truncated! </source>
        <translation>Il numero massimo di caratteri consentito per la descrizione è %1. La descrizione inserita verrà troncata! </translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::EconomicEvalDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid tariff: it is a number from %2 to %3. The tariff was not changed.</source>
        <translation>&quot;%1&quot; non è una tariffa valida: la tariffa è un numero compreso tra %2 e %3. La tariffa non è stata modificata.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::GatewayEditDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid IP address: it has four numbers from 0 to 255, separated by dots. The address was not changed.</source>
        <translation>&quot;%1&quot; non è un indirizzo IP valido: un indirizzo IP è formato da quattro numeri da 0 a 255 separati da punti. L&apos;indirizzo non è stato modificato.</translation>
    </message>
    <message>
        <source>The password must have 5 to 9 digits. The password was not changed.</source>
        <translation>La password deve essere composta da 5 a 9 cifre. La password non è stata modificata.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid univocal code: it is a whole number of up to 9 digits. The univocal code was not changed.</source>
        <translation>&quot;%1&quot; non è un codice univoco valido: il codice univoco è un numero intero di massimo 9 cifre. Il codice univoco non è stato modificato.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ScenarioItemEditDelegate</name>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
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
        <translation>Sorgente sonora</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ThermoregTemperatureDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid minimum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>&quot;%1&quot; non è una temperatura minima valida: la temperatura minima è un numero compreso tra %2 e %3. La temperatura non è stata modificata.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid maximum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>&quot;%1&quot; non è una temperatura massima valida: la temperatura massima è un numero compreso tra %2 e %3. La temperatura non è stata modificata.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::BaseEditorDialog</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::EconomicEvalEditor</name>
    <message>
        <source>Economic evaluation</source>
        <translation>Valutazione economica</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ScheduledScenarioEditor</name>
    <message>
        <source>Enable</source>
        <translation>Abilita</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disabilita</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresta</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::SoundSystemEditor</name>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Sound source %1</source>
        <translation>Sorgente sonora %1</translation>
    </message>
    <message>
        <source>Maximum number of sound sources is %1</source>
        <translation>Il numero massimo di sorgenti sonore è %1</translation>
    </message>
    <message>
        <source>Sound source</source>
        <translation>Sorgente sonora</translation>
    </message>
    <message>
        <source>There is more than one source with address &quot;%1&quot;</source>
        <translation>Esiste più di una sorgente con indirizzo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>This plant has %1 sound sources, but its sound system takes at most %2. Only the first %2 are shown; confirming this dialog removes the others from the project:
%3</source>
        <translation>Questo impianto ha %1 sorgenti sonore, ma la sua diffusione sonora ne supporta al massimo %2. Vengono mostrate solo le prime %2; confermando questa finestra le altre verranno rimosse dal progetto:
%3</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregAdvancedEditor</name>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Velocità ventola</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Oscillazione</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregCommandsEditor</name>
    <message>
        <source>Favorite command %1</source>
        <translation>Comando preferito %1</translation>
    </message>
    <message>
        <source>Maximum number of commands is %1</source>
        <translation>Il numero massimo di comandi è %1</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::MainWindow</name>
    <message>
        <source>LanguageName</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crea un nuovo file</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Apri un file esistente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the document to disk</source>
        <translation>Salva il documento su disco</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>Save the document with a new name</source>
        <translation>Salva il documento con un nuovo nome</translation>
    </message>
    <message>
        <source>&amp;Import data...</source>
        <translation>&amp;Importa dati...</translation>
    </message>
    <message>
        <source>Import from .qrx file</source>
        <translation>Importa da file .qrx</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Esci dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation>Carica configurazione</translation>
    </message>
    <message>
        <source>Load existing configuration</source>
        <translation>Carica una configurazione esistente</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Activate current configuration</source>
        <translation>Attiva la configurazione corrente</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Brand site</source>
        <translation>Sito del marchio</translation>
    </message>
    <message>
        <source>Open brand site</source>
        <translation>Apri il sito del marchio</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Verifica aggiornamenti...</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Default project</source>
        <translation>Progetto predefinito</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>Progetto: %1</translation>
    </message>
    <message>
        <source>Current configuration has been changed. Do you want to save it?</source>
        <translation>La configurazione corrente è stata modificata. Vuoi salvarla?</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Apri configurazione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Could not open the specified file!</source>
        <translation>Impossibile aprire il file specificato!</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Salva configurazione</translation>
    </message>
    <message>
        <source>Could not write in the specified file! Running application with administrator privileges might solve the problem.</source>
        <translation>Impossibile scrivere nel file specificato! Avviare l&apos;applicazione con privilegi di amministratore potrebbe risolvere il problema.</translation>
    </message>
    <message>
        <source>Could not find active configuration!</source>
        <translation>Impossibile trovare la configurazione attiva!</translation>
    </message>
    <message>
        <source>Could not replace current temporary configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>Impossibile sostituire la configurazione temporanea corrente! Avviare l&apos;applicazione con privilegi di amministratore potrebbe risolvere il problema.</translation>
    </message>
    <message>
        <source>No configuration to activate!</source>
        <translation>Nessuna configurazione da attivare!</translation>
    </message>
    <message>
        <source>Activation operation is not allowed when there are errors</source>
        <translation>L&apos;attivazione non è consentita in presenza di errori</translation>
    </message>
    <message>
        <source>You are going to overwrite the current active configuration. Do you want to continue?</source>
        <translation>Stai per sovrascrivere la configurazione attualmente attiva. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Could not overwrite previous configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>Impossibile sovrascrivere la configurazione precedente! Avviare l&apos;applicazione con privilegi di amministratore potrebbe risolvere il problema.</translation>
    </message>
    <message>
        <source>Could not write the active configuration into %1: the folder needs administrator privileges, and they could not be obtained (pkexec and a PolicyKit agent are needed).</source>
        <translation>Impossibile scrivere la configurazione attiva in %1: la cartella richiede privilegi di amministratore, che non è stato possibile ottenere (sono necessari pkexec e un agente PolicyKit).</translation>
    </message>
    <message>
        <source>Configuration activated successfully!</source>
        <translation>Configurazione attivata correttamente!</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Dispositivi</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AddressTreeModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Indirizzo KWB</translation>
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
        <translation>Livello</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Indirizzo interfaccia</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AmplifierAddressModel</name>
    <message>
        <source>Multimedia Address</source>
        <translation>Indirizzo multimediale</translation>
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
        <translation>Inserisci l&apos;indirizzo multimediale (A, PF)</translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation>Inserisci il valore del configuratore A</translation>
    </message>
    <message>
        <source>Enter value of PF configurator</source>
        <translation>Inserisci il valore del configuratore PF</translation>
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
        <translation>Inserisci il valore del configuratore A</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Enter value of PL configurator</source>
        <translation>Inserisci il valore del configuratore PL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Enter value of Level configurator</source>
        <translation>Inserisci il valore del configuratore Livello</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Indirizzo interfaccia</translation>
    </message>
    <message>
        <source>Enter value of Interface address configurator</source>
        <translation>Inserisci il valore del configuratore Indirizzo interfaccia</translation>
    </message>
    <message>
        <source>Scenario level</source>
        <translation>Livello scenario</translation>
    </message>
    <message>
        <source>Set scenario level</source>
        <translation>Imposta il livello dello scenario</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Numero scenario</translation>
    </message>
    <message>
        <source>Set scenario number</source>
        <translation>Imposta il numero dello scenario</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseTableModel</name>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>PUL</source>
        <translation>PUL</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Fancoil</source>
        <translation>Fancoil</translation>
    </message>
    <message>
        <source>Commands/Parameters</source>
        <translation>Comandi/Parametri</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Economic evaluation</source>
        <translation>Valutazione economica</translation>
    </message>
    <message>
        <source>Central unit presence</source>
        <translation>Presenza centrale</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>Indirizzo KWB</translation>
    </message>
    <message>
        <source>Set device address</source>
        <translation>Imposta l&apos;indirizzo del dispositivo</translation>
    </message>
    <message>
        <source>Select device type</source>
        <translation>Seleziona il tipo di dispositivo</translation>
    </message>
    <message>
        <source>Set device description</source>
        <translation>Imposta la descrizione del dispositivo</translation>
    </message>
    <message>
        <source>Set PUL configurator value</source>
        <translation>Imposta il valore del configuratore PUL</translation>
    </message>
    <message>
        <source>Set groups that this device belongs to</source>
        <translation>Imposta i gruppi a cui appartiene il dispositivo</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EconomicEvalTableModel</name>
    <message>
        <source>Presence</source>
        <translation>Presenza</translation>
    </message>
    <message>
        <source>Set whether economic evaluation will be shown</source>
        <translation>Imposta se mostrare la valutazione economica</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Set the currency</source>
        <translation>Imposta la valuta</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tariffa</translation>
    </message>
    <message>
        <source>Set the tariff</source>
        <translation>Imposta la tariffa</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EnergyTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Abilitata</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabilitata</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famiglia</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GatewayTreeModel</name>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Tipo di indirizzo</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Codice univoco</translation>
    </message>
    <message>
        <source>PRAVIK Password</source>
        <translation>Password PRAVIK</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Set the name of the plant</source>
        <translation>Imposta il nome dell&apos;impianto</translation>
    </message>
    <message>
        <source>Choose between static and dynamic (UPnP) IP address</source>
        <translation>Scegli tra indirizzo IP statico e dinamico (UPnP) </translation>
    </message>
    <message>
        <source>Set IP address of WebServer</source>
        <translation> Imposta l&apos;indirizzo IP del WebServer</translation>
    </message>
    <message>
        <source>Set Univocal Code of WebServer</source>
        <translation>Imposta il codice univoco del WebServer</translation>
    </message>
    <message>
        <source>Set PravikNet password. It must be 5 to 9 characters long. Only digits are allowed.</source>
        <translation>Imposta la password PravikNet. Deve essere lunga da 5 a 9 caratteri. Sono consentite solo cifre.</translation>
    </message>
    <message>
        <source>Set whether WebServer will be visible in the application</source>
        <translation>Imposta se il WebServer sarà visibile nell&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GenParametersModel</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Set the language of the application</source>
        <translation>Imposta la lingua dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Set the temperature unit that will be displayed</source>
        <translation>Imposta l&apos;unità di temperatura da visualizzare</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::LoadTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Abilitata</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabilitata</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioAddressTableModel</name>
    <message>
        <source>Scenario command</source>
        <translation>Comando scenario</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Numero scenario</translation>
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
        <translation>Livello</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Indirizzo interfaccia</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioItemModel</name>
    <message>
        <source>Presence</source>
        <translation>Presenza</translation>
    </message>
    <message>
        <source>Command type</source>
        <translation>Tipo di comando</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Button number</source>
        <translation>Numero pulsante</translation>
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
        <source>CEN PLUS</source>
        <translation>CEN PLUS</translation>
    </message>
    <message>
        <source>CEN</source>
        <translation>CEN</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non impostato</translation>
    </message>
    <message>
        <source>Set whether scenario is available</source>
        <translation>Imposta se lo scenario è disponibile</translation>
    </message>
    <message>
        <source>Set the command type</source>
        <translation>Imposta il tipo di comando</translation>
    </message>
    <message>
        <source>Set the KWB Address</source>
        <translation>Imposta l&apos;indirizzo KWB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioPlusAddressModel</name>
    <message>
        <source>Scenario PLUS command</source>
        <translation>Comando scenario PLUS</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Set the address of the Scenario PLUS</source>
        <translation>Imposta l&apos;indirizzo dello scenario PLUS</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenariosTableModel</name>
    <message>
        <source>Parameters</source>
        <translation>Parametri</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScheduledCENAddressModel</name>
    <message>
        <source>CEN command address</source>
        <translation>Indirizzo comando CEN</translation>
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
        <translation>Livello</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Indirizzo interfaccia</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSourceDeviceModel</name>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Assign an address to the sound source</source>
        <translation>Assegna un indirizzo alla sorgente sonora</translation>
    </message>
    <message>
        <source>Set the description of the sound source</source>
        <translation>Imposta la descrizione della sorgente sonora</translation>
    </message>
    <message>
        <source>Choose the proper source type</source>
        <translation>Scegli il tipo di sorgente appropriato</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSystemModel</name>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Sorgenti</translation>
    </message>
    <message>
        <source>%1 source(s) configured</source>
        <translation>Sorgenti configurate: %1</translation>
    </message>
    <message>
        <source>No source configured</source>
        <translation>Nessuna sorgente configurata</translation>
    </message>
    <message>
        <source>Set the type of the sound system</source>
        <translation>Imposta il tipo di diffusione sonora</translation>
    </message>
    <message>
        <source>Set the sources of the sound system</source>
        <translation>Imposta le sorgenti della diffusione sonora</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorExtAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Indirizzo KWB</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Enter value of N configurator</source>
        <translation>Inserisci il valore del configuratore N</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorNAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Indirizzo KWB</translation>
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
        <translation>Inserisci il valore del configuratore ZA</translation>
    </message>
    <message>
        <source>Enter value of ZB configurator</source>
        <translation>Inserisci il valore del configuratore ZB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregFanModel</name>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silenziosa</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregModeModel</name>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Raffrescamento</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Riscaldamento</translation>
    </message>
    <message>
        <source>Dry</source>
        <translation>Deumidificazione</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilazione</translation>
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
        <translation>Indirizzo KWB</translation>
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
        <translation>Inserisci il valore del configuratore %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregSwingModel</name>
    <message>
        <source>Presence</source>
        <translation>Presenza</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregTemperatureEditModel</name>
    <message>
        <source>Min (%1C)</source>
        <translation>Min (%1C)</translation>
    </message>
    <message>
        <source>Max (%1C)</source>
        <translation>Max (%1C)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Set the minimum allowed temperature</source>
        <translation>Imposta la temperatura minima consentita</translation>
    </message>
    <message>
        <source>Set the maximum allowed temperature</source>
        <translation>Imposta la temperatura massima consentita</translation>
    </message>
    <message>
        <source>Set temperature change step</source>
        <translation>Imposta il passo di variazione della temperatura</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationCommandModel</name>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Set the description of the command</source>
        <translation>Imposta la descrizione del comando</translation>
    </message>
    <message>
        <source>Assign an address to the command</source>
        <translation>Assegna un indirizzo al comando</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationOffCmdModel</name>
    <message>
        <source>Show OFF command</source>
        <translation>Mostra comando OFF</translation>
    </message>
    <message>
        <source>OFF command address</source>
        <translation>Indirizzo comando OFF</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationTableModel</name>
    <message>
        <source>%1 command(s) configured</source>
        <translation>Comandi configurati: %1</translation>
    </message>
    <message>
        <source>Min - %1, Max - %2, Step - %3</source>
        <translation>Min - %1, Max - %2, Passo - %3</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>WebServer</source>
        <translation>WebServer</translation>
    </message>
    <message>
        <source>Actuator</source>
        <translation>Attuatore</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Tapparella</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Amplificatore</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carico</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Don&apos;t save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Group </source>
        <translation>Gruppo </translation>
    </message>
    <message>
        <source>Presence</source>
        <translation>Presenza</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tariffa</translation>
    </message>
</context>
</TS>
