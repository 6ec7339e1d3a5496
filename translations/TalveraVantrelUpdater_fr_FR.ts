<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvane::Updater::QuestionDialog</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>Corvane::Updater::UpdateManager</name>
    <message>
        <source>Check for update...</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Téléchargement en cours…</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Saving in progress...</source>
        <translation>Enregistrement en cours…</translation>
    </message>
    <message>
        <source>A new update of the software is available for download. Do you want to download it?</source>
        <translation>Une nouvelle mise à jour du logiciel est disponible au téléchargement. Voulez-vous la télécharger&#xa0;?</translation>
    </message>
    <message>
        <source>A new version of the software is available for download. This version has new functions available with last version of firmware of devices installed in the systems.%1Do you want to download it?</source>
        <translation>Une nouvelle version du logiciel est disponible au téléchargement. Cette version offre de nouvelles fonctions, disponibles avec la dernière version du micrologiciel des appareils présents dans les installations.%1Voulez-vous la télécharger&#xa0;?</translation>
    </message>
    <message>
        <source>The download of the new update of the software has been completed.%1Your new installation kit is in:%1%2</source>
        <translation>Le téléchargement de la nouvelle mise à jour du logiciel est terminé.%1Votre nouveau kit d&apos;installation se trouve dans&#xa0;:%1%2</translation>
    </message>
    <message>
        <source>The software %1 is up to date. No updates available.</source>
        <translation>Le logiciel %1 est à jour. Aucune mise à jour disponible.</translation>
    </message>
    <message>
        <source>There are no installation kits of the %1 software on the remote server for automatic update.</source>
        <translation>Aucun kit d&apos;installation du logiciel %1 n&apos;est disponible sur le serveur distant de mise à jour automatique.</translation>
    </message>
    <message>
        <source>The network is not available. Please check your internet connection</source>
        <translation>Le réseau n&apos;est pas disponible. Veuillez vérifier votre connexion Internet</translation>
    </message>
    <message>
        <source>Unable to contact the remote server for automatic update.</source>
        <translation>Impossible de contacter le serveur distant de mise à jour automatique.</translation>
    </message>
    <message>
        <source>Error downloading file from the remote server for automatic update.</source>
        <translation>Erreur lors du téléchargement du fichier depuis le serveur distant de mise à jour automatique.</translation>
    </message>
    <message>
        <source>Error saving update file.</source>
        <translation>Erreur lors de l&apos;enregistrement du fichier de mise à jour.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
