<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Corvane::Updater::QuestionDialog</name>
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
    <name>Corvane::Updater::UpdateManager</name>
    <message>
        <source>Check for update...</source>
        <translation>Nach Updates suchen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen…</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Die Datei %1 ist bereits vorhanden. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Saving in progress...</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>A new update of the software is available for download. Do you want to download it?</source>
        <translation>Ein neues Update der Software steht zum Herunterladen bereit. Möchten Sie es herunterladen?</translation>
    </message>
    <message>
        <source>A new version of the software is available for download. This version has new functions available with last version of firmware of devices installed in the systems.%1Do you want to download it?</source>
        <translation>Eine neue Version der Software steht zum Herunterladen bereit. Diese Version bietet neue Funktionen, die mit der neuesten Firmware-Version der in den Anlagen installierten Geräte verfügbar sind.%1Möchten Sie sie herunterladen?</translation>
    </message>
    <message>
        <source>The download of the new update of the software has been completed.%1Your new installation kit is in:%1%2</source>
        <translation>Das neue Software-Update wurde vollständig heruntergeladen.%1Ihr neues Installationspaket befindet sich in:%1%2</translation>
    </message>
    <message>
        <source>The software %1 is up to date. No updates available.</source>
        <translation>Die Software %1 ist auf dem neuesten Stand. Keine Updates verfügbar.</translation>
    </message>
    <message>
        <source>There are no installation kits of the %1 software on the remote server for automatic update.</source>
        <translation>Auf dem Server für automatische Updates sind keine Installationspakete der Software %1 vorhanden.</translation>
    </message>
    <message>
        <source>The network is not available. Please check your internet connection</source>
        <translation>Das Netzwerk ist nicht verfügbar. Bitte überprüfen Sie Ihre Internetverbindung</translation>
    </message>
    <message>
        <source>Unable to contact the remote server for automatic update.</source>
        <translation>Der Server für automatische Updates kann nicht erreicht werden.</translation>
    </message>
    <message>
        <source>Error downloading file from the remote server for automatic update.</source>
        <translation>Fehler beim Herunterladen der Datei vom Server für automatische Updates.</translation>
    </message>
    <message>
        <source>Error saving update file.</source>
        <translation>Fehler beim Speichern der Update-Datei.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
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
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
