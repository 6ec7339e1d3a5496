<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoolComboBox</name>
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
    <name>Corvane::Gadgets::EnergyDataTariffControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>Données énergétiques&#xa0;: %1</translation>
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
        <translation>Données énergétiques&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Tot: %1 %2</source>
        <translation>Tot.&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Inst: %1 %2</source>
        <translation>Inst.&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Avg: %1 %2</source>
        <translation>Moy.&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>%1 updated to %2</source>
        <translation>%1, mis à jour le %2</translation>
    </message>
    <message>
        <source>Data %1 updated to %2</source>
        <translation>Données %1, mises à jour le %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Loading data %p%. Please wait...</source>
        <translation>Chargement des données&#xa0;: %p%. Veuillez patienter…</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyTimespanEdit</name>
    <message>
        <source>Last 12 months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>Previous 12 months</source>
        <translation>12 mois précédents</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::InfoControl</name>
    <message>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::LoadManagementDataControl</name>
    <message>
        <source>Load data: %1</source>
        <translation>Données de charge&#xa0;: %1</translation>
    </message>
    <message>
        <source>Instant consumption: %1 %2</source>
        <translation>Consommation instantanée&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Mis à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Depuis %1</translation>
    </message>
    <message>
        <source>Counter %1 (%2): %3</source>
        <translation>Compteur %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Energy consumption statistics not supported!</source>
        <translation>Les statistiques de consommation d&apos;énergie ne sont pas prises en charge&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::Models::EnergyDataTariffModel</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinBrowser</name>
    <message>
        <source>Skins not offered:</source>
        <translation>Habillages non proposés&#xa0;:</translation>
    </message>
    <message>
        <source>Not offered: %1</source>
        <translation>Non proposés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinFileCheck</name>
    <message>
        <source>holds %1 bytes, more than the %2 bytes an SVG document may have</source>
        <translation>fait %1 octets, plus que les %2 octets autorisés pour un document SVG</translation>
    </message>
    <message>
        <source>is not an SVG document (its root element is &lt;%1&gt;)</source>
        <translation>n&apos;est pas un document SVG (son élément racine est &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>links a style sheet outside the document</source>
        <translation>lie une feuille de style extérieure au document</translation>
    </message>
    <message>
        <source>is not a well-formed SVG document (line %1: %2)</source>
        <translation>n&apos;est pas un document SVG bien formé (ligne %1&#xa0;: %2)</translation>
    </message>
    <message>
        <source>is not an SVG document</source>
        <translation>n&apos;est pas un document SVG</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside the skin</source>
        <translation>fait référence à «&#xa0;%1&#xa0;» en dehors de l&apos;habillage</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot;, which is not a file of the skin</source>
        <translation>fait référence à «&#xa0;%1&#xa0;», qui n&apos;est pas un fichier de l&apos;habillage</translation>
    </message>
    <message>
        <source>is not a picture</source>
        <translation>n&apos;est pas une image</translation>
    </message>
    <message>
        <source>is an SVG document, not a bitmap</source>
        <translation>est un document SVG, pas une image bitmap</translation>
    </message>
    <message>
        <source>is not a readable picture (%1)</source>
        <translation>n&apos;est pas une image lisible (%1)</translation>
    </message>
    <message>
        <source>holds a %1 x %2 pixel picture, more than the %3 pixels a picture may have</source>
        <translation>contient une image de %1 x %2 pixels, plus que les %3 pixels autorisés pour une image</translation>
    </message>
    <message>
        <source>embeds a compressed SVG document</source>
        <translation>intègre un document SVG compressé</translation>
    </message>
    <message>
        <source>declares the external entity &quot;%1&quot;</source>
        <translation>déclare l&apos;entité externe «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinPreview</name>
    <message>
        <source>%1 is not a skin zip file</source>
        <translation>%1 n&apos;est pas un fichier ZIP d&apos;habillage</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SplashScreen</name>
    <message>
        <source>Copyright Talvera. All rights reserved.</source>
        <translation>Copyright Talvera. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Copyright Corvane. All rights reserved.</source>
        <translation>Copyright Corvane. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::ThemeResourceValidator</name>
    <message>
        <source>is a document the SVG renderer refuses</source>
        <translation>est un document que le moteur de rendu SVG refuse</translation>
    </message>
    <message>
        <source>Cannot open the skin %1: %2</source>
        <translation>Impossible d&apos;ouvrir l&apos;habillage %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Required file %1 missing in %2</source>
        <translation>Le fichier requis %1 est absent de %2</translation>
    </message>
    <message>
        <source>Required file %1 in %2 cannot be read: %3</source>
        <translation>Le fichier requis %1 dans %2 ne peut pas être lu&#xa0;: %3</translation>
    </message>
    <message>
        <source>Required file %1 in %2 %3</source>
        <translation>Le fichier requis %1 dans %2 %3</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::WebServerDataControl</name>
    <message>
        <source>WebServer info: %1</source>
        <translation>Informations du serveur Web&#xa0;: %1</translation>
    </message>
    <message>
        <source>Device code</source>
        <translation>Code de l&apos;appareil</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Version du micrologiciel</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Type d&apos;adresse</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Code unique</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Durée de fonctionnement</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Link web</source>
        <translation>Connexion Web</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fixe</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
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
        <translation>j</translation>
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
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>Needs a desktop that shows translucent windows (a compositing manager)</source>
        <translation>Nécessite un bureau qui affiche les fenêtres translucides (un gestionnaire de composition)</translation>
    </message>
    <message>
        <source>User configuration area</source>
        <translation>Configuration utilisateur</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projet&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Reload default</source>
        <translation>Recharger le projet par défaut</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>Gadget dimension</source>
        <translation>Taille du gadget</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Gadget transparency</source>
        <translation>Transparence du gadget</translation>
    </message>
    <message>
        <source>Hide labels after (sec.)</source>
        <translation>Masquer les libellés après (s)</translation>
    </message>
    <message>
        <source>Go homepage after (sec.)</source>
        <translation>Retour à l&apos;accueil après (s)</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unité de température</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation>Changer d&apos;habillage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
</context>
</TS>
