<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Corvane::Updater::QuestionDialog</name>
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
    <name>Corvane::Updater::UpdateManager</name>
    <message>
        <source>Check for update...</source>
        <translation>Verifica aggiornamenti...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Il file %1 esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <source>Saving in progress...</source>
        <translation>Salvataggio in corso...</translation>
    </message>
    <message>
        <source>A new update of the software is available for download. Do you want to download it?</source>
        <translation>È disponibile un nuovo aggiornamento del software. Vuoi scaricarlo?</translation>
    </message>
    <message>
        <source>A new version of the software is available for download. This version has new functions available with last version of firmware of devices installed in the systems.%1Do you want to download it?</source>
        <translation>È disponibile una nuova versione del software. Questa versione offre nuove funzioni disponibili con l&apos;ultima versione del firmware dei dispositivi installati negli impianti.%1Vuoi scaricarla?</translation>
    </message>
    <message>
        <source>The download of the new update of the software has been completed.%1Your new installation kit is in:%1%2</source>
        <translation>Il download del nuovo aggiornamento del software è stato completato.%1Il nuovo kit di installazione si trova in:%1%2</translation>
    </message>
    <message>
        <source>The software %1 is up to date. No updates available.</source>
        <translation>Il software %1 è aggiornato. Nessun aggiornamento disponibile.</translation>
    </message>
    <message>
        <source>There are no installation kits of the %1 software on the remote server for automatic update.</source>
        <translation>Sul server remoto per l&apos;aggiornamento automatico non sono presenti kit di installazione del software %1.</translation>
    </message>
    <message>
        <source>The network is not available. Please check your internet connection</source>
        <translation>La rete non è disponibile. Verifica la connessione a Internet</translation>
    </message>
    <message>
        <source>Unable to contact the remote server for automatic update.</source>
        <translation>Impossibile contattare il server remoto per l&apos;aggiornamento automatico.</translation>
    </message>
    <message>
        <source>Error downloading file from the remote server for automatic update.</source>
        <translation>Errore durante il download del file dal server remoto per l&apos;aggiornamento automatico.</translation>
    </message>
    <message>
        <source>Error saving update file.</source>
        <translation>Errore durante il salvataggio del file di aggiornamento.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Non mostrare più questo messaggio</translation>
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
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
