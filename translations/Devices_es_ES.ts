<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Devices</name>
    <message>
        <source>Scenarios</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatización</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Termorregulación</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Gestión de cargas</translation>
    </message>
    <message>
        <source>Light sensors</source>
        <translation>Sensores de luminosidad</translation>
    </message>
    <message>
        <source>Presence sensors</source>
        <translation>Sensores de presencia</translation>
    </message>
    <message>
        <source>Web servers</source>
        <translation>Servidores web</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Difusión sonora</translation>
    </message>
    <message>
        <source>Test gateway</source>
        <translation>Pasarela de prueba</translation>
    </message>
    <message>
        <source>Light %1</source>
        <translation>Luz %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Habilitado</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deshabilitado</translation>
    </message>
    <message>
        <source>Local bus</source>
        <translation>Bus local</translation>
    </message>
    <message>
        <source>Private riser</source>
        <translation>Montante privado</translation>
    </message>
    <message>
        <source>Univocal code</source>
        <translation>Código único</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP estática</translation>
    </message>
    <message>
        <source>%1, scenario %2</source>
        <translation>%1, escenario %2</translation>
    </message>
    <message>
        <source>A%1, level %2</source>
        <translation>A%1, nivel %2</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>habilitar</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>deshabilitar</translation>
    </message>
    <message>
        <source>start</source>
        <translation>iniciar</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>detener</translation>
    </message>
    <message>
        <source>No command</source>
        <translation>Ningún comando</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>All areas</source>
        <translation>Todas las áreas</translation>
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
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>There is nothing to write.</source>
        <translation>No hay nada que escribir.</translation>
    </message>
    <message>
        <source>The file is not a project.</source>
        <translation>El archivo no es un proyecto.</translation>
    </message>
    <message>
        <source>The project was written by a newer version of the program.</source>
        <translation>El proyecto se creó con una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>The project has no valid id.</source>
        <translation>El proyecto no tiene un ID válido.</translation>
    </message>
    <message>
        <source>The file holds too many values in a list.</source>
        <translation>El archivo contiene demasiados valores en una lista.</translation>
    </message>
    <message>
        <source>A device holds two commands with the same id.</source>
        <translation>Un dispositivo contiene dos comandos con el mismo ID.</translation>
    </message>
    <message>
        <source>A device holds more commands than allowed.</source>
        <translation>Un dispositivo contiene más comandos de los permitidos.</translation>
    </message>
    <message>
        <source>A device has no valid id.</source>
        <translation>Un dispositivo no tiene un ID válido.</translation>
    </message>
    <message>
        <source>Two devices have the same id %1.</source>
        <translation>Dos dispositivos tienen el mismo ID %1.</translation>
    </message>
    <message>
        <source>The file holds too many devices.</source>
        <translation>El archivo contiene demasiados dispositivos.</translation>
    </message>
    <message>
        <source>The file does not hold user settings.</source>
        <translation>El archivo no contiene configuración de usuario.</translation>
    </message>
    <message>
        <source>The user settings were written by a newer version of the program.</source>
        <translation>La configuración de usuario se creó con una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>The file holds too many favourites.</source>
        <translation>El archivo contiene demasiados favoritos.</translation>
    </message>
    <message>
        <source>The file holds too many entries.</source>
        <translation>El archivo contiene demasiadas entradas.</translation>
    </message>
    <message>
        <source>The user settings &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer la configuración de usuario &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The user settings cannot be saved to &quot;%1&quot;: %2</source>
        <translation>No se puede guardar la configuración de usuario en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>Invalid value &quot;%1&quot; for &quot;%2&quot;.</source>
        <translation>Valor &quot;%1&quot; no válido para &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; is too long.</source>
        <translation>El texto de &quot;%1&quot; es demasiado largo.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>No se puede abrir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large.</source>
        <translation>El archivo &quot;%1&quot; es demasiado grande.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be read: %2</source>
        <translation>No se puede leer el proyecto &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The project cannot be saved to &quot;%1&quot;: %2</source>
        <translation>No se puede guardar el proyecto en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Dimmer 100 levels</source>
        <translation>Dimmer de 100 niveles</translation>
    </message>
    <message>
        <source>Dimmer 10 levels</source>
        <translation>Dimmer de 10 niveles</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>Dimmer 10 levels (DALI)</source>
        <translation>Dimmer de 10 niveles (DALI)</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Persiana</translation>
    </message>
    <message>
        <source>Curtain</source>
        <translation>Cortina</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Scenario PLUS</source>
        <translation>Escenario PLUS</translation>
    </message>
    <message>
        <source>Scheduled scenario</source>
        <translation>Escenario programado</translation>
    </message>
    <message>
        <source>External probe</source>
        <translation>Sonda externa</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Zone (99-zone central unit)</source>
        <translation>Zona (central de 99 zonas)</translation>
    </message>
    <message>
        <source>Zone (4-zone central unit)</source>
        <translation>Zona (central de 4 zonas)</translation>
    </message>
    <message>
        <source>Air conditioner (basic)</source>
        <translation>Aire acondicionado (básico)</translation>
    </message>
    <message>
        <source>Air conditioner (advanced)</source>
        <translation>Aire acondicionado (avanzado)</translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation>Sensor de luminosidad</translation>
    </message>
    <message>
        <source>Presence sensor</source>
        <translation>Sensor de presencia</translation>
    </message>
    <message>
        <source>Light and presence sensor</source>
        <translation>Sensor de luminosidad y presencia</translation>
    </message>
    <message>
        <source>Web server</source>
        <translation>Servidor web</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Track player</source>
        <translation>Reproductor de pistas</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Amplificador</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>Reproductor multimedia</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Domestic hot water</source>
        <translation>Agua caliente sanitaria</translation>
    </message>
    <message>
        <source>Heating or cooling</source>
        <translation>Calefacción o refrigeración</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Load with energy meter</source>
        <translation>Carga con medidor de energía</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Desconocido (%1)</translation>
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
        <translation>Producción</translation>
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
        <translation>Apagado</translation>
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
        <translation>El proyecto contiene errores y no se puede utilizar. Ábralo en el Configurador para corregirlos.</translation>
    </message>
    <message>
        <source>The project has no gateway.</source>
        <translation>El proyecto no tiene ninguna pasarela.</translation>
    </message>
    <message>
        <source>Several gateways use the IP address %1.</source>
        <translation>Varias pasarelas usan la dirección IP %1.</translation>
    </message>
    <message>
        <source>Several gateways use the univocal code %1.</source>
        <translation>Varias pasarelas usan el código único %1.</translation>
    </message>
    <message>
        <source>the IP address &quot;%1&quot; is not valid.</source>
        <translation>la dirección IP &quot;%1&quot; no es válida.</translation>
    </message>
    <message>
        <source>the IP address is not set.</source>
        <translation>la dirección IP no está definida.</translation>
    </message>
    <message>
        <source>the univocal code is not set.</source>
        <translation>el código único no está definido.</translation>
    </message>
    <message>
        <source>the password must have 5 to 9 digits.</source>
        <translation>la contraseña debe tener entre 5 y 9 dígitos.</translation>
    </message>
    <message>
        <source>the description is empty.</source>
        <translation>la descripción está vacía.</translation>
    </message>
    <message>
        <source>the address is not valid.</source>
        <translation>la dirección no es válida.</translation>
    </message>
    <message>
        <source>the group %1 is not valid.</source>
        <translation>el grupo %1 no es válido.</translation>
    </message>
    <message>
        <source>the device belongs to more than %1 groups.</source>
        <translation>el dispositivo pertenece a más de %1 grupos.</translation>
    </message>
    <message>
        <source>the unit does not suit the meter.</source>
        <translation>la unidad no es adecuada para el medidor.</translation>
    </message>
    <message>
        <source>the tariff is out of range.</source>
        <translation>la tarifa está fuera del rango permitido.</translation>
    </message>
    <message>
        <source>the scenario number must be between %1 and %2.</source>
        <translation>el número de escenario debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>the level must be between %1 and %2.</source>
        <translation>el nivel debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not set.</source>
        <translation>la dirección del comando &quot;%1&quot; no está definida.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not valid.</source>
        <translation>la dirección del comando &quot;%1&quot; no es válida.</translation>
    </message>
    <message>
        <source>the push button of the %1 command must be between 0 and %2.</source>
        <translation>el pulsador del comando &quot;%1&quot; debe estar entre 0 y %2.</translation>
    </message>
    <message>
        <source>the temperatures (minimum %1, maximum %2, step %3) must lie between %4 and %5, the minimum below the maximum.</source>
        <translation>las temperaturas (mínima %1, máxima %2, paso %3) deben estar entre %4 y %5, con la mínima por debajo de la máxima.</translation>
    </message>
    <message>
        <source>the device has more than %1 commands.</source>
        <translation>el dispositivo tiene más de %1 comandos.</translation>
    </message>
    <message>
        <source>the address of the OFF command is not valid.</source>
        <translation>la dirección del comando OFF no es válida.</translation>
    </message>
    <message>
        <source>the address of the command &quot;%1&quot; is not valid.</source>
        <translation>la dirección del comando &quot;%1&quot; no es válida.</translation>
    </message>
    <message>
        <source>The project holds %1 devices of one kind; at most %2 are allowed.</source>
        <translation>El proyecto contiene %1 dispositivos del mismo tipo; se permiten como máximo %2.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: %2 sound sources, at most %3 are allowed.</source>
        <translation>Pasarela &quot;%1&quot;: %2 fuentes sonoras, se permiten como máximo %3.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: several sound sources use the address %2.</source>
        <translation>Pasarela &quot;%1&quot;: varias fuentes sonoras usan la dirección %2.</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensores</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Datos energéticos</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Lista de instalaciones</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, fila %2</translation>
    </message>
    <message>
        <source>the device at %1</source>
        <translation>el dispositivo en %1</translation>
    </message>
    <message>
        <source>The device at %1: %2</source>
        <translation>Dispositivo en %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The address %1 is shared by %2.</source>
        <translation>Varios dispositivos usan la dirección %1: %2.</translation>
    </message>
</context>
</TS>
