<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvane::Sentrel::Controllers::BaseController</name>
    <message>
        <source>There is already a favorite item for this device</source>
        <translation>Il existe déjà un favori pour cet appareil</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::FavoriteContextMenu</name>
    <message>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>Retirer le favori</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Quitter l&apos;application</translation>
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
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Refresh all items</source>
        <translation>Actualiser tous les éléments</translation>
    </message>
    <message>
        <source>Refresh current item</source>
        <translation>Actualiser l&apos;élément courant</translation>
    </message>
    <message>
        <source>Exit full screen mode</source>
        <translation>Quitter le mode plein écran</translation>
    </message>
    <message>
        <source>Full screen mode</source>
        <translation>Mode plein écran</translation>
    </message>
    <message>
        <source>Hide main window</source>
        <translation>Masquer la fenêtre principale</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Show/Hide main window</source>
        <translation>Afficher/masquer la fenêtre principale</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::SoundController</name>
    <message>
        <source>Select sound source</source>
        <translation>Sélectionner la source audio</translation>
    </message>
    <message>
        <source> - track #</source>
        <translation> - piste n° </translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>LW</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>MW</source>
        <translation>PO</translation>
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
        <translation>Choisir le fichier de configuration</translation>
    </message>
    <message>
        <source>VT Project (*%1)</source>
        <translation>Projet VT (*%1)</translation>
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
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Settings</name>
    <message>
        <source>There is no active configuration! Please run %1 application and create a configuration or open an existing project.</source>
        <translation>Aucune configuration active&#xa0;! Veuillez lancer l&apos;application %1 et créer une configuration ou ouvrir un projet existant.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>WebServer</source>
        <translation>Serveur Web</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::StartUp</name>
    <message>
        <source>The default configuration has been changed. Would you like to load it instead of the current configuration?</source>
        <translation>La configuration par défaut a été modifiée. Voulez-vous la charger à la place de la configuration actuelle&#xa0;?</translation>
    </message>
</context>
</TS>
