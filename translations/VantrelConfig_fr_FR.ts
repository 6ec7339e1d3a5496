<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Corvane::Configurator::AdminConfigurator</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Tout supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Maximum allowed devices per page is %1</source>
        <translation>Le nombre maximal d&apos;appareils par page est de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected devices?</source>
        <translation>Voulez-vous vraiment supprimer les appareils sélectionnés&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; device?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;appareil «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all devices?</source>
        <translation>Voulez-vous vraiment supprimer tous les appareils&#xa0;?</translation>
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
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Liste des installations</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatismes</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Scénarios</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Thermorégulation</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Système audio</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Données énergétiques</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Gestion des charges</translation>
    </message>
    <message>
        <source>Add plant</source>
        <translation>Ajouter une installation</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Remove plant</source>
        <translation>Supprimer l&apos;installation</translation>
    </message>
    <message>
        <source>Add, remove and set actuators</source>
        <translation>Ajouter, supprimer et configurer des actionneurs</translation>
    </message>
    <message>
        <source>Add, remove and set sensors</source>
        <translation>Ajouter, supprimer et configurer des capteurs</translation>
    </message>
    <message>
        <source>Add, remove and set shutters</source>
        <translation>Ajouter, supprimer et configurer des volets roulants</translation>
    </message>
    <message>
        <source>Add, remove and set scenarios</source>
        <translation>Ajouter, supprimer et configurer des scénarios</translation>
    </message>
    <message>
        <source>Add, remove and set temperature probes</source>
        <translation>Ajouter, supprimer et configurer des sondes de température</translation>
    </message>
    <message>
        <source>Add, remove and set energy devices</source>
        <translation>Ajouter, supprimer et configurer des appareils de mesure d&apos;énergie</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate</name>
    <message>
        <source>Maximum allowed characters count for description is %1. The description you entered will be truncated! </source>
        <translation>La description ne peut pas dépasser %1 caractères. La description saisie sera tronquée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::EconomicEvalDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid tariff: it is a number from %2 to %3. The tariff was not changed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un tarif valide&#xa0;: le tarif est un nombre compris entre %2 et %3. Le tarif n&apos;a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::GatewayEditDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid IP address: it has four numbers from 0 to 255, separated by dots. The address was not changed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse IP valide&#xa0;: une adresse IP se compose de quatre nombres de 0 à 255 séparés par des points. L&apos;adresse n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>The password must have 5 to 9 digits. The password was not changed.</source>
        <translation>Le mot de passe doit comporter de 5 à 9 chiffres. Le mot de passe n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid univocal code: it is a whole number of up to 9 digits. The univocal code was not changed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un code unique valide&#xa0;: le code unique est un nombre entier de 9 chiffres au maximum. Le code unique n&apos;a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ScenarioItemEditDelegate</name>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
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
        <translation>Source audio</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ThermoregTemperatureDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid minimum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une température minimale valide&#xa0;: la température minimale est un nombre compris entre %2 et %3. La température n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid maximum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une température maximale valide&#xa0;: la température maximale est un nombre compris entre %2 et %3. La température n&apos;a pas été modifiée.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::BaseEditorDialog</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::EconomicEvalEditor</name>
    <message>
        <source>Economic evaluation</source>
        <translation>Évaluation économique</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ScheduledScenarioEditor</name>
    <message>
        <source>Enable</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactivation</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::SoundSystemEditor</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Sound source %1</source>
        <translation>Source audio %1</translation>
    </message>
    <message>
        <source>Maximum number of sound sources is %1</source>
        <translation>Le nombre maximal de sources audio est de %1</translation>
    </message>
    <message>
        <source>Sound source</source>
        <translation>Source audio</translation>
    </message>
    <message>
        <source>There is more than one source with address &quot;%1&quot;</source>
        <translation>Plusieurs sources ont l&apos;adresse «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>This plant has %1 sound sources, but its sound system takes at most %2. Only the first %2 are shown; confirming this dialog removes the others from the project:
%3</source>
        <translation>Cette installation compte %1 sources audio, mais son système audio en accepte au plus %2. Seules les %2 premières sont affichées&#xa0;; si vous confirmez cette boîte de dialogue, les autres seront supprimées du projet&#xa0;:
%3</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregAdvancedEditor</name>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Vitesse de ventilation</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Oscillation</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregCommandsEditor</name>
    <message>
        <source>Favorite command %1</source>
        <translation>Commande favorite %1</translation>
    </message>
    <message>
        <source>Maximum number of commands is %1</source>
        <translation>Le nombre maximal de commandes est de %1</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::MainWindow</name>
    <message>
        <source>LanguageName</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Créer un nouveau fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Ouvrir un fichier existant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the document to disk</source>
        <translation>Enregistrer le document sur le disque</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the document with a new name</source>
        <translation>Enregistrer le document sous un nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Import data...</source>
        <translation>&amp;Importer des données…</translation>
    </message>
    <message>
        <source>Import from .qrx file</source>
        <translation>Importer depuis un fichier .qrx</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation>Charger une configuration</translation>
    </message>
    <message>
        <source>Load existing configuration</source>
        <translation>Charger une configuration existante</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Activate current configuration</source>
        <translation>Activer la configuration actuelle</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Brand site</source>
        <translation>Site de la marque</translation>
    </message>
    <message>
        <source>Open brand site</source>
        <translation>Ouvrir le site de la marque</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Default project</source>
        <translation>Projet par défaut</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>Projet&#xa0;: %1</translation>
    </message>
    <message>
        <source>Current configuration has been changed. Do you want to save it?</source>
        <translation>La configuration actuelle a été modifiée. Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Could not open the specified file!</source>
        <translation>Impossible d&apos;ouvrir le fichier indiqué&#xa0;!</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Could not write in the specified file! Running application with administrator privileges might solve the problem.</source>
        <translation>Impossible d&apos;écrire dans le fichier indiqué&#xa0;! Exécuter l&apos;application avec des privilèges d&apos;administrateur peut résoudre le problème.</translation>
    </message>
    <message>
        <source>Could not find active configuration!</source>
        <translation>Aucune configuration active n&apos;a été trouvée&#xa0;!</translation>
    </message>
    <message>
        <source>Could not replace current temporary configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>Impossible de remplacer la configuration temporaire actuelle&#xa0;! Exécuter l&apos;application avec des privilèges d&apos;administrateur peut résoudre le problème.</translation>
    </message>
    <message>
        <source>No configuration to activate!</source>
        <translation>Aucune configuration à activer&#xa0;!</translation>
    </message>
    <message>
        <source>Activation operation is not allowed when there are errors</source>
        <translation>L&apos;activation n&apos;est pas autorisée tant qu&apos;il reste des erreurs</translation>
    </message>
    <message>
        <source>You are going to overwrite the current active configuration. Do you want to continue?</source>
        <translation>Vous allez écraser la configuration active actuelle. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Could not overwrite previous configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>Impossible d&apos;écraser la configuration précédente&#xa0;! Exécuter l&apos;application avec des privilèges d&apos;administrateur peut résoudre le problème.</translation>
    </message>
    <message>
        <source>Could not write the active configuration into %1: the folder needs administrator privileges, and they could not be obtained (pkexec and a PolicyKit agent are needed).</source>
        <translation>Impossible d&apos;écrire la configuration active dans %1&#xa0;: le dossier nécessite des privilèges d&apos;administrateur, qui n&apos;ont pas pu être obtenus (pkexec et un agent PolicyKit sont nécessaires).</translation>
    </message>
    <message>
        <source>Configuration activated successfully!</source>
        <translation>Configuration activée avec succès&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Appareils</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AddressTreeModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Adresse KWB</translation>
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
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Adresse d&apos;interface</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AmplifierAddressModel</name>
    <message>
        <source>Multimedia Address</source>
        <translation>Adresse multimédia</translation>
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
        <translation>Saisir l&apos;adresse multimédia (A, PF)</translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation>Saisir la valeur du configurateur A</translation>
    </message>
    <message>
        <source>Enter value of PF configurator</source>
        <translation>Saisir la valeur du configurateur PF</translation>
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
        <translation>Saisir la valeur du configurateur A</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Enter value of PL configurator</source>
        <translation>Saisir la valeur du configurateur PL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Enter value of Level configurator</source>
        <translation>Saisir la valeur du configurateur «&#xa0;Niveau&#xa0;»</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Adresse d&apos;interface</translation>
    </message>
    <message>
        <source>Enter value of Interface address configurator</source>
        <translation>Saisir la valeur du configurateur «&#xa0;Adresse d&apos;interface&#xa0;»</translation>
    </message>
    <message>
        <source>Scenario level</source>
        <translation>Niveau du scénario</translation>
    </message>
    <message>
        <source>Set scenario level</source>
        <translation>Définir le niveau du scénario</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Numéro du scénario</translation>
    </message>
    <message>
        <source>Set scenario number</source>
        <translation>Définir le numéro du scénario</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseTableModel</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>PUL</source>
        <translation>PUL</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Fancoil</source>
        <translation>Ventilo-convecteur</translation>
    </message>
    <message>
        <source>Commands/Parameters</source>
        <translation>Commandes/Paramètres</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Economic evaluation</source>
        <translation>Évaluation économique</translation>
    </message>
    <message>
        <source>Central unit presence</source>
        <translation>Présence d&apos;une centrale</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>Adresse KWB</translation>
    </message>
    <message>
        <source>Set device address</source>
        <translation>Définir l&apos;adresse de l&apos;appareil</translation>
    </message>
    <message>
        <source>Select device type</source>
        <translation>Sélectionner le type d&apos;appareil</translation>
    </message>
    <message>
        <source>Set device description</source>
        <translation>Définir la description de l&apos;appareil</translation>
    </message>
    <message>
        <source>Set PUL configurator value</source>
        <translation>Définir la valeur du configurateur PUL</translation>
    </message>
    <message>
        <source>Set groups that this device belongs to</source>
        <translation>Définir les groupes auxquels appartient cet appareil</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EconomicEvalTableModel</name>
    <message>
        <source>Presence</source>
        <translation>Présence</translation>
    </message>
    <message>
        <source>Set whether economic evaluation will be shown</source>
        <translation>Définir si l&apos;évaluation économique est affichée</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Set the currency</source>
        <translation>Définir la devise</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tarif</translation>
    </message>
    <message>
        <source>Set the tariff</source>
        <translation>Définir le tarif</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EnergyTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GatewayTreeModel</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Type d&apos;adresse</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Code unique</translation>
    </message>
    <message>
        <source>PRAVIK Password</source>
        <translation>Mot de passe PRAVIK</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Set the name of the plant</source>
        <translation>Définir le nom de l&apos;installation</translation>
    </message>
    <message>
        <source>Choose between static and dynamic (UPnP) IP address</source>
        <translation>Choisir entre une adresse IP statique et dynamique (UPnP)</translation>
    </message>
    <message>
        <source>Set IP address of WebServer</source>
        <translation>Définir l&apos;adresse IP du serveur Web</translation>
    </message>
    <message>
        <source>Set Univocal Code of WebServer</source>
        <translation>Définir le code unique du serveur Web</translation>
    </message>
    <message>
        <source>Set PravikNet password. It must be 5 to 9 characters long. Only digits are allowed.</source>
        <translation>Définir le mot de passe PravikNet. Il doit comporter de 5 à 9 caractères. Seuls les chiffres sont autorisés.</translation>
    </message>
    <message>
        <source>Set whether WebServer will be visible in the application</source>
        <translation>Définir si le serveur Web est visible dans l&apos;application</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GenParametersModel</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Set the language of the application</source>
        <translation>Définir la langue de l&apos;application</translation>
    </message>
    <message>
        <source>Set the temperature unit that will be displayed</source>
        <translation>Définir l&apos;unité de température affichée</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::LoadTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioAddressTableModel</name>
    <message>
        <source>Scenario command</source>
        <translation>Commande de scénario</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Numéro du scénario</translation>
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
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Adresse d&apos;interface</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioItemModel</name>
    <message>
        <source>Presence</source>
        <translation>Présence</translation>
    </message>
    <message>
        <source>Command type</source>
        <translation>Type de commande</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Button number</source>
        <translation>Numéro de bouton</translation>
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
        <source>CEN PLUS</source>
        <translation>CEN PLUS</translation>
    </message>
    <message>
        <source>CEN</source>
        <translation>CEN</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Set whether scenario is available</source>
        <translation>Définir si le scénario est disponible</translation>
    </message>
    <message>
        <source>Set the command type</source>
        <translation>Définir le type de commande</translation>
    </message>
    <message>
        <source>Set the KWB Address</source>
        <translation>Définir l&apos;adresse KWB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioPlusAddressModel</name>
    <message>
        <source>Scenario PLUS command</source>
        <translation>Commande Scénario PLUS</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Set the address of the Scenario PLUS</source>
        <translation>Définir l&apos;adresse du Scénario PLUS</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenariosTableModel</name>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScheduledCENAddressModel</name>
    <message>
        <source>CEN command address</source>
        <translation>Adresse de la commande CEN</translation>
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
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Adresse d&apos;interface</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSourceDeviceModel</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Assign an address to the sound source</source>
        <translation>Attribuer une adresse à la source audio</translation>
    </message>
    <message>
        <source>Set the description of the sound source</source>
        <translation>Définir la description de la source audio</translation>
    </message>
    <message>
        <source>Choose the proper source type</source>
        <translation>Choisir le type de source approprié</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSystemModel</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>%1 source(s) configured</source>
        <translation>%1 source(s) configurée(s)</translation>
    </message>
    <message>
        <source>No source configured</source>
        <translation>Aucune source configurée</translation>
    </message>
    <message>
        <source>Set the type of the sound system</source>
        <translation>Définir le type du système audio</translation>
    </message>
    <message>
        <source>Set the sources of the sound system</source>
        <translation>Définir les sources du système audio</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorExtAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Adresse KWB</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Enter value of N configurator</source>
        <translation>Saisir la valeur du configurateur N</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorNAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Adresse KWB</translation>
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
        <translation>Saisir la valeur du configurateur ZA</translation>
    </message>
    <message>
        <source>Enter value of ZB configurator</source>
        <translation>Saisir la valeur du configurateur ZB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregFanModel</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevée</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silencieuse</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregModeModel</name>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refroidissement</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Chauffage</translation>
    </message>
    <message>
        <source>Dry</source>
        <translation>Déshumidification</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilation</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregNotControlledAddrModel</name>
    <message>
        <source>Slave</source>
        <translation>Esclave</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>Adresse KWB</translation>
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
        <translation>Saisir la valeur du configurateur %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregSwingModel</name>
    <message>
        <source>Presence</source>
        <translation>Présence</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregTemperatureEditModel</name>
    <message>
        <source>Min (%1C)</source>
        <translation>Min. (%1C)</translation>
    </message>
    <message>
        <source>Max (%1C)</source>
        <translation>Max. (%1C)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Set the minimum allowed temperature</source>
        <translation>Définir la température minimale autorisée</translation>
    </message>
    <message>
        <source>Set the maximum allowed temperature</source>
        <translation>Définir la température maximale autorisée</translation>
    </message>
    <message>
        <source>Set temperature change step</source>
        <translation>Définir le pas de réglage de la température</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationCommandModel</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Set the description of the command</source>
        <translation>Définir la description de la commande</translation>
    </message>
    <message>
        <source>Assign an address to the command</source>
        <translation>Attribuer une adresse à la commande</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationOffCmdModel</name>
    <message>
        <source>Show OFF command</source>
        <translation>Afficher la commande OFF</translation>
    </message>
    <message>
        <source>OFF command address</source>
        <translation>Adresse de la commande OFF</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationTableModel</name>
    <message>
        <source>%1 command(s) configured</source>
        <translation>%1 commande(s) configurée(s)</translation>
    </message>
    <message>
        <source>Min - %1, Max - %2, Step - %3</source>
        <translation>Min&#xa0;: %1, Max&#xa0;: %2, Pas&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>WebServer</source>
        <translation>Serveur Web</translation>
    </message>
    <message>
        <source>Actuator</source>
        <translation>Actionneur</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Volet roulant</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Amplificateur</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Don&apos;t save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Group </source>
        <translation>Groupe </translation>
    </message>
    <message>
        <source>Presence</source>
        <translation>Présence</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tarif</translation>
    </message>
</context>
</TS>
