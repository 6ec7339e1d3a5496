<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Devices</name>
    <message>
        <source>Scenarios</source>
        <translation>Scénarios</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatismes</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Thermorégulation</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Gestion des charges</translation>
    </message>
    <message>
        <source>Light sensors</source>
        <translation>Capteurs de luminosité</translation>
    </message>
    <message>
        <source>Presence sensors</source>
        <translation>Détecteurs de présence</translation>
    </message>
    <message>
        <source>Web servers</source>
        <translation>Serveurs Web</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Système audio</translation>
    </message>
    <message>
        <source>Test gateway</source>
        <translation>Passerelle de test</translation>
    </message>
    <message>
        <source>Light %1</source>
        <translation>Lumière %1</translation>
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
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Local bus</source>
        <translation>Bus local</translation>
    </message>
    <message>
        <source>Private riser</source>
        <translation>Colonne montante privée</translation>
    </message>
    <message>
        <source>Univocal code</source>
        <translation>Code unique</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP statique</translation>
    </message>
    <message>
        <source>%1, scenario %2</source>
        <translation>%1, scénario %2</translation>
    </message>
    <message>
        <source>A%1, level %2</source>
        <translation>A%1, niveau %2</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>activation</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>désactivation</translation>
    </message>
    <message>
        <source>start</source>
        <translation>démarrage</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>arrêt</translation>
    </message>
    <message>
        <source>No command</source>
        <translation>Aucune commande</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>De base</translation>
    </message>
    <message>
        <source>All areas</source>
        <translation>Toutes les zones</translation>
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
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>There is nothing to write.</source>
        <translation>Il n&apos;y a rien à écrire.</translation>
    </message>
    <message>
        <source>The file is not a project.</source>
        <translation>Le fichier n&apos;est pas un projet.</translation>
    </message>
    <message>
        <source>The project was written by a newer version of the program.</source>
        <translation>Le projet a été créé avec une version plus récente du programme.</translation>
    </message>
    <message>
        <source>The project has no valid id.</source>
        <translation>Le projet n&apos;a pas d&apos;identifiant valide.</translation>
    </message>
    <message>
        <source>The file holds too many values in a list.</source>
        <translation>Le fichier contient trop de valeurs dans une liste.</translation>
    </message>
    <message>
        <source>A device holds two commands with the same id.</source>
        <translation>Un appareil contient deux commandes ayant le même identifiant.</translation>
    </message>
    <message>
        <source>A device holds more commands than allowed.</source>
        <translation>Un appareil contient plus de commandes que le nombre autorisé.</translation>
    </message>
    <message>
        <source>A device has no valid id.</source>
        <translation>Un appareil n&apos;a pas d&apos;identifiant valide.</translation>
    </message>
    <message>
        <source>Two devices have the same id %1.</source>
        <translation>Deux appareils ont le même identifiant %1.</translation>
    </message>
    <message>
        <source>The file holds too many devices.</source>
        <translation>Le fichier contient trop d&apos;appareils.</translation>
    </message>
    <message>
        <source>The file does not hold user settings.</source>
        <translation>Le fichier ne contient pas de paramètres utilisateur.</translation>
    </message>
    <message>
        <source>The user settings were written by a newer version of the program.</source>
        <translation>Les paramètres utilisateur ont été créés avec une version plus récente du programme.</translation>
    </message>
    <message>
        <source>The file holds too many favourites.</source>
        <translation>Le fichier contient trop de favoris.</translation>
    </message>
    <message>
        <source>The file holds too many entries.</source>
        <translation>Le fichier contient trop d&apos;entrées.</translation>
    </message>
    <message>
        <source>The user settings &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire les paramètres utilisateur «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The user settings cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer les paramètres utilisateur dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>Invalid value &quot;%1&quot; for &quot;%2&quot;.</source>
        <translation>Valeur «&#xa0;%1&#xa0;» non valide pour «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; is too long.</source>
        <translation>Le texte de «&#xa0;%1&#xa0;» est trop long.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est trop volumineux.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be read: %2</source>
        <translation>Impossible de lire le projet «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The project cannot be saved to &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer le projet dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Dimmer 100 levels</source>
        <translation>Variateur 100 niveaux</translation>
    </message>
    <message>
        <source>Dimmer 10 levels</source>
        <translation>Variateur 10 niveaux</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interrupteur</translation>
    </message>
    <message>
        <source>Dimmer 10 levels (DALI)</source>
        <translation>Variateur 10 niveaux (DALI)</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Volet roulant</translation>
    </message>
    <message>
        <source>Curtain</source>
        <translation>Rideau</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scénario</translation>
    </message>
    <message>
        <source>Scenario PLUS</source>
        <translation>Scénario PLUS</translation>
    </message>
    <message>
        <source>Scheduled scenario</source>
        <translation>Scénario programmé</translation>
    </message>
    <message>
        <source>External probe</source>
        <translation>Sonde externe</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>Zone (99-zone central unit)</source>
        <translation>Zone (centrale 99 zones)</translation>
    </message>
    <message>
        <source>Zone (4-zone central unit)</source>
        <translation>Zone (centrale 4 zones)</translation>
    </message>
    <message>
        <source>Air conditioner (basic)</source>
        <translation>Climatiseur (de base)</translation>
    </message>
    <message>
        <source>Air conditioner (advanced)</source>
        <translation>Climatiseur (avancé)</translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation>Capteur de luminosité</translation>
    </message>
    <message>
        <source>Presence sensor</source>
        <translation>Détecteur de présence</translation>
    </message>
    <message>
        <source>Light and presence sensor</source>
        <translation>Capteur de luminosité et détecteur de présence</translation>
    </message>
    <message>
        <source>Web server</source>
        <translation>Serveur Web</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Track player</source>
        <translation>Lecteur de pistes</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Amplificateur</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Domestic hot water</source>
        <translation>Eau chaude sanitaire</translation>
    </message>
    <message>
        <source>Heating or cooling</source>
        <translation>Chauffage ou refroidissement</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Load with energy meter</source>
        <translation>Charge avec compteur d&apos;énergie</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Inconnu (%1)</translation>
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
        <translation>Production</translation>
    </message>
    <message>
        <source>Consumption</source>
        <translation>Consommation</translation>
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
        <translation>Arrêt</translation>
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
        <translation>Appareil «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The project contains errors and cannot be used. Open it in the Configurator to correct them.</source>
        <translation>Le projet contient des erreurs et ne peut pas être utilisé. Ouvrez-le dans le Configurator pour les corriger.</translation>
    </message>
    <message>
        <source>The project has no gateway.</source>
        <translation>Le projet n&apos;a pas de passerelle.</translation>
    </message>
    <message>
        <source>Several gateways use the IP address %1.</source>
        <translation>Plusieurs passerelles utilisent l&apos;adresse IP %1.</translation>
    </message>
    <message>
        <source>Several gateways use the univocal code %1.</source>
        <translation>Plusieurs passerelles utilisent le code unique %1.</translation>
    </message>
    <message>
        <source>the IP address &quot;%1&quot; is not valid.</source>
        <translation>l&apos;adresse IP «&#xa0;%1&#xa0;» n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>the IP address is not set.</source>
        <translation>l&apos;adresse IP n&apos;est pas définie.</translation>
    </message>
    <message>
        <source>the univocal code is not set.</source>
        <translation>le code unique n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>the password must have 5 to 9 digits.</source>
        <translation>le mot de passe doit comporter de 5 à 9 chiffres.</translation>
    </message>
    <message>
        <source>the description is empty.</source>
        <translation>la description est vide.</translation>
    </message>
    <message>
        <source>the address is not valid.</source>
        <translation>l&apos;adresse n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>the group %1 is not valid.</source>
        <translation>le groupe %1 n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>the device belongs to more than %1 groups.</source>
        <translation>l&apos;appareil appartient à plus de %1 groupes.</translation>
    </message>
    <message>
        <source>the unit does not suit the meter.</source>
        <translation>l&apos;unité ne convient pas au compteur.</translation>
    </message>
    <message>
        <source>the tariff is out of range.</source>
        <translation>le tarif est hors de la plage autorisée.</translation>
    </message>
    <message>
        <source>the scenario number must be between %1 and %2.</source>
        <translation>le numéro de scénario doit être compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>the level must be between %1 and %2.</source>
        <translation>le niveau doit être compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not set.</source>
        <translation>l&apos;adresse de la commande «&#xa0;%1&#xa0;» n&apos;est pas définie.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not valid.</source>
        <translation>l&apos;adresse de la commande «&#xa0;%1&#xa0;» n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>the push button of the %1 command must be between 0 and %2.</source>
        <translation>le bouton de la commande «&#xa0;%1&#xa0;» doit être compris entre 0 et %2.</translation>
    </message>
    <message>
        <source>the temperatures (minimum %1, maximum %2, step %3) must lie between %4 and %5, the minimum below the maximum.</source>
        <translation>les températures (minimum %1, maximum %2, pas %3) doivent être comprises entre %4 et %5, le minimum étant inférieur au maximum.</translation>
    </message>
    <message>
        <source>the device has more than %1 commands.</source>
        <translation>l&apos;appareil a plus de %1 commandes.</translation>
    </message>
    <message>
        <source>the address of the OFF command is not valid.</source>
        <translation>l&apos;adresse de la commande OFF n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>the address of the command &quot;%1&quot; is not valid.</source>
        <translation>l&apos;adresse de la commande «&#xa0;%1&#xa0;» n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The project holds %1 devices of one kind; at most %2 are allowed.</source>
        <translation>Le projet contient %1 appareils d&apos;un même type&#xa0;; %2 au maximum sont autorisés.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: %2 sound sources, at most %3 are allowed.</source>
        <translation>Passerelle «&#xa0;%1&#xa0;»&#xa0;: %2 sources audio, %3 au maximum sont autorisées.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: several sound sources use the address %2.</source>
        <translation>Passerelle «&#xa0;%1&#xa0;»&#xa0;: plusieurs sources audio utilisent l&apos;adresse %2.</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Capteurs</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Données énergétiques</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Liste des installations</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>the device at %1</source>
        <translation>l&apos;appareil à l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>The device at %1: %2</source>
        <translation>Appareil à l&apos;emplacement %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The address %1 is shared by %2.</source>
        <translation>Plusieurs appareils utilisent l&apos;adresse %1&#xa0;: %2.</translation>
    </message>
</context>
</TS>
