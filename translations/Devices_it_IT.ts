<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Devices</name>
    <message>
        <source>Scenarios</source>
        <translation>Scenari</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automazione</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Termoregolazione</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Gestione carichi</translation>
    </message>
    <message>
        <source>Light sensors</source>
        <translation>Sensori di luminosità</translation>
    </message>
    <message>
        <source>Presence sensors</source>
        <translation>Sensori di presenza</translation>
    </message>
    <message>
        <source>Web servers</source>
        <translation>Web server</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Diffusione sonora</translation>
    </message>
    <message>
        <source>Test gateway</source>
        <translation>Gateway di prova</translation>
    </message>
    <message>
        <source>Light %1</source>
        <translation>Luce %1</translation>
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
        <source>Enabled</source>
        <translation>Abilitato</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabilitato</translation>
    </message>
    <message>
        <source>Local bus</source>
        <translation>Bus locale</translation>
    </message>
    <message>
        <source>Private riser</source>
        <translation>Montante privato</translation>
    </message>
    <message>
        <source>Univocal code</source>
        <translation>Codice univoco</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP statico</translation>
    </message>
    <message>
        <source>%1, scenario %2</source>
        <translation>%1, scenario %2</translation>
    </message>
    <message>
        <source>A%1, level %2</source>
        <translation>A%1, livello %2</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>abilita</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>disabilita</translation>
    </message>
    <message>
        <source>start</source>
        <translation>avvia</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>arresta</translation>
    </message>
    <message>
        <source>No command</source>
        <translation>Nessun comando</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>All areas</source>
        <translation>Tutte le aree</translation>
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
        <translation>Non è un file.</translation>
    </message>
    <message>
        <source>There is nothing to write.</source>
        <translation>Non c&apos;è nulla da scrivere.</translation>
    </message>
    <message>
        <source>The file is not a project.</source>
        <translation>Il file non è un progetto.</translation>
    </message>
    <message>
        <source>The project was written by a newer version of the program.</source>
        <translation>Il progetto è stato creato con una versione più recente del programma.</translation>
    </message>
    <message>
        <source>The project has no valid id.</source>
        <translation>Il progetto non ha un ID valido.</translation>
    </message>
    <message>
        <source>The file holds too many values in a list.</source>
        <translation>Il file contiene troppi valori in un elenco.</translation>
    </message>
    <message>
        <source>A device holds two commands with the same id.</source>
        <translation>Un dispositivo contiene due comandi con lo stesso ID.</translation>
    </message>
    <message>
        <source>A device holds more commands than allowed.</source>
        <translation>Un dispositivo contiene più comandi di quelli consentiti.</translation>
    </message>
    <message>
        <source>A device has no valid id.</source>
        <translation>Un dispositivo non ha un ID valido.</translation>
    </message>
    <message>
        <source>Two devices have the same id %1.</source>
        <translation>Due dispositivi hanno lo stesso ID %1.</translation>
    </message>
    <message>
        <source>The file holds too many devices.</source>
        <translation>Il file contiene troppi dispositivi.</translation>
    </message>
    <message>
        <source>The file does not hold user settings.</source>
        <translation>Il file non contiene impostazioni utente.</translation>
    </message>
    <message>
        <source>The user settings were written by a newer version of the program.</source>
        <translation>Le impostazioni utente sono state create con una versione più recente del programma.</translation>
    </message>
    <message>
        <source>The file holds too many favourites.</source>
        <translation>Il file contiene troppi preferiti.</translation>
    </message>
    <message>
        <source>The file holds too many entries.</source>
        <translation>Il file contiene troppe voci.</translation>
    </message>
    <message>
        <source>The user settings &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere le impostazioni utente &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The user settings cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare le impostazioni utente in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>Invalid value &quot;%1&quot; for &quot;%2&quot;.</source>
        <translation>Valore &quot;%1&quot; non valido per &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; is too long.</source>
        <translation>Il testo di &quot;%1&quot; è troppo lungo.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large.</source>
        <translation>Il file &quot;%1&quot; è troppo grande.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossibile leggere il progetto &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The project cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare il progetto in &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Dimmer 100 levels</source>
        <translation>Dimmer 100 livelli</translation>
    </message>
    <message>
        <source>Dimmer 10 levels</source>
        <translation>Dimmer 10 livelli</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruttore</translation>
    </message>
    <message>
        <source>Dimmer 10 levels (DALI)</source>
        <translation>Dimmer 10 livelli (DALI)</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Tapparella</translation>
    </message>
    <message>
        <source>Curtain</source>
        <translation>Tenda</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Scenario PLUS</source>
        <translation>Scenario PLUS</translation>
    </message>
    <message>
        <source>Scheduled scenario</source>
        <translation>Scenario programmato</translation>
    </message>
    <message>
        <source>External probe</source>
        <translation>Sonda esterna</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Zone (99-zone central unit)</source>
        <translation>Zona (centrale a 99 zone)</translation>
    </message>
    <message>
        <source>Zone (4-zone central unit)</source>
        <translation>Zona (centrale a 4 zone)</translation>
    </message>
    <message>
        <source>Air conditioner (basic)</source>
        <translation>Condizionatore (base)</translation>
    </message>
    <message>
        <source>Air conditioner (advanced)</source>
        <translation>Condizionatore (avanzato)</translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation>Sensore di luminosità</translation>
    </message>
    <message>
        <source>Presence sensor</source>
        <translation>Sensore di presenza</translation>
    </message>
    <message>
        <source>Light and presence sensor</source>
        <translation>Sensore di luminosità e presenza</translation>
    </message>
    <message>
        <source>Web server</source>
        <translation>Web server</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Track player</source>
        <translation>Lettore di brani</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Amplificatore</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Lettore multimediale</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Elettricità</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Domestic hot water</source>
        <translation>Acqua calda sanitaria</translation>
    </message>
    <message>
        <source>Heating or cooling</source>
        <translation>Riscaldamento o raffrescamento</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carico</translation>
    </message>
    <message>
        <source>Load with energy meter</source>
        <translation>Carico con misuratore di energia</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Sconosciuto (%1)</translation>
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
        <translation>Produzione</translation>
    </message>
    <message>
        <source>Consumption</source>
        <translation>Consumo</translation>
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
        <translation>Spento</translation>
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
        <translation>Dispositivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The project contains errors and cannot be used. Open it in the Configurator to correct them.</source>
        <translation>Il progetto contiene errori e non può essere utilizzato. Aprilo nel Configuratore per correggerli.</translation>
    </message>
    <message>
        <source>The project has no gateway.</source>
        <translation>Il progetto non ha alcun gateway.</translation>
    </message>
    <message>
        <source>Several gateways use the IP address %1.</source>
        <translation>Più gateway usano l&apos;indirizzo IP %1.</translation>
    </message>
    <message>
        <source>Several gateways use the univocal code %1.</source>
        <translation>Più gateway usano il codice univoco %1.</translation>
    </message>
    <message>
        <source>the IP address &quot;%1&quot; is not valid.</source>
        <translation>l&apos;indirizzo IP &quot;%1&quot; non è valido.</translation>
    </message>
    <message>
        <source>the IP address is not set.</source>
        <translation>l&apos;indirizzo IP non è impostato.</translation>
    </message>
    <message>
        <source>the univocal code is not set.</source>
        <translation>il codice univoco non è impostato.</translation>
    </message>
    <message>
        <source>the password must have 5 to 9 digits.</source>
        <translation>la password deve essere composta da 5 a 9 cifre.</translation>
    </message>
    <message>
        <source>the description is empty.</source>
        <translation>la descrizione è vuota.</translation>
    </message>
    <message>
        <source>the address is not valid.</source>
        <translation>l&apos;indirizzo non è valido.</translation>
    </message>
    <message>
        <source>the group %1 is not valid.</source>
        <translation>il gruppo %1 non è valido.</translation>
    </message>
    <message>
        <source>the device belongs to more than %1 groups.</source>
        <translation>il dispositivo appartiene a più di %1 gruppi.</translation>
    </message>
    <message>
        <source>the unit does not suit the meter.</source>
        <translation>l&apos;unità non è adatta al contatore.</translation>
    </message>
    <message>
        <source>the tariff is out of range.</source>
        <translation>la tariffa è fuori dall&apos;intervallo consentito.</translation>
    </message>
    <message>
        <source>the scenario number must be between %1 and %2.</source>
        <translation>il numero di scenario deve essere compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>the level must be between %1 and %2.</source>
        <translation>il livello deve essere compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not set.</source>
        <translation>l&apos;indirizzo del comando &quot;%1&quot; non è impostato.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not valid.</source>
        <translation>l&apos;indirizzo del comando &quot;%1&quot; non è valido.</translation>
    </message>
    <message>
        <source>the push button of the %1 command must be between 0 and %2.</source>
        <translation>il pulsante del comando &quot;%1&quot; deve essere compreso tra 0 e %2.</translation>
    </message>
    <message>
        <source>the temperatures (minimum %1, maximum %2, step %3) must lie between %4 and %5, the minimum below the maximum.</source>
        <translation>le temperature (minima %1, massima %2, passo %3) devono essere comprese tra %4 e %5, con la minima inferiore alla massima.</translation>
    </message>
    <message>
        <source>the device has more than %1 commands.</source>
        <translation>il dispositivo ha più di %1 comandi.</translation>
    </message>
    <message>
        <source>the address of the OFF command is not valid.</source>
        <translation>l&apos;indirizzo del comando OFF non è valido.</translation>
    </message>
    <message>
        <source>the address of the command &quot;%1&quot; is not valid.</source>
        <translation>l&apos;indirizzo del comando &quot;%1&quot; non è valido.</translation>
    </message>
    <message>
        <source>The project holds %1 devices of one kind; at most %2 are allowed.</source>
        <translation>Il progetto contiene %1 dispositivi dello stesso tipo; ne sono consentiti al massimo %2.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: %2 sound sources, at most %3 are allowed.</source>
        <translation>Gateway &quot;%1&quot;: %2 sorgenti sonore, ne sono consentite al massimo %3.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: several sound sources use the address %2.</source>
        <translation>Gateway &quot;%1&quot;: più sorgenti sonore usano l&apos;indirizzo %2.</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensori</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Dati energetici</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Elenco impianti</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, riga %2</translation>
    </message>
    <message>
        <source>the device at %1</source>
        <translation>il dispositivo in %1</translation>
    </message>
    <message>
        <source>The device at %1: %2</source>
        <translation>Dispositivo in %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>The address %1 is shared by %2.</source>
        <translation>Più dispositivi usano l&apos;indirizzo %1: %2.</translation>
    </message>
</context>
</TS>
