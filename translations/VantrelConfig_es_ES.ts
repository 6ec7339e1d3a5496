<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Corvane::Configurator::AdminConfigurator</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Eliminar todo</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Maximum allowed devices per page is %1</source>
        <translation>El número máximo de dispositivos por página es %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected devices?</source>
        <translation>¿Está seguro de que desea eliminar los dispositivos seleccionados?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; device?</source>
        <translation>¿Está seguro de que desea eliminar el dispositivo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all devices?</source>
        <translation>¿Está seguro de que desea eliminar todos los dispositivos?</translation>
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
        <translation>Parámetros generales</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>Lista de instalaciones</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>Iluminación</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensores</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>Automatización</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Escenarios</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>Termorregulación</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>Difusión sonora</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>Datos energéticos</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>Gestión de cargas</translation>
    </message>
    <message>
        <source>Add plant</source>
        <translation>Añadir instalación</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <source>Remove plant</source>
        <translation>Eliminar instalación</translation>
    </message>
    <message>
        <source>Add, remove and set actuators</source>
        <translation>Añadir, eliminar y configurar actuadores</translation>
    </message>
    <message>
        <source>Add, remove and set sensors</source>
        <translation>Añadir, eliminar y configurar sensores</translation>
    </message>
    <message>
        <source>Add, remove and set shutters</source>
        <translation>Añadir, eliminar y configurar persianas</translation>
    </message>
    <message>
        <source>Add, remove and set scenarios</source>
        <translation>Añadir, eliminar y configurar escenarios</translation>
    </message>
    <message>
        <source>Add, remove and set temperature probes</source>
        <translation>Añadir, eliminar y configurar sondas de temperatura</translation>
    </message>
    <message>
        <source>Add, remove and set energy devices</source>
        <translation>Añadir, eliminar y configurar dispositivos de energía</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate</name>
    <message>
        <source>Maximum allowed characters count for description is %1. The description you entered will be truncated! </source>
        <translation>El número máximo de caracteres permitido para la descripción es %1. ¡La descripción introducida se truncará! </translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::EconomicEvalDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid tariff: it is a number from %2 to %3. The tariff was not changed.</source>
        <translation>&quot;%1&quot; no es una tarifa válida: la tarifa es un número entre %2 y %3. La tarifa no se ha modificado.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::GatewayEditDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid IP address: it has four numbers from 0 to 255, separated by dots. The address was not changed.</source>
        <translation>&quot;%1&quot; no es una dirección IP válida: una dirección IP consta de cuatro números del 0 al 255 separados por puntos. La dirección no se ha modificado.</translation>
    </message>
    <message>
        <source>The password must have 5 to 9 digits. The password was not changed.</source>
        <translation>La contraseña debe tener entre 5 y 9 dígitos. La contraseña no se ha modificado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid univocal code: it is a whole number of up to 9 digits. The univocal code was not changed.</source>
        <translation>&quot;%1&quot; no es un código único válido: el código único es un número entero de hasta 9 dígitos. El código único no se ha modificado.</translation>
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
        <translation>Sí</translation>
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
        <translation>Fuente sonora</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ThermoregTemperatureDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid minimum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>&quot;%1&quot; no es una temperatura mínima válida: la temperatura mínima es un número entre %2 y %3. La temperatura no se ha modificado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid maximum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>&quot;%1&quot; no es una temperatura máxima válida: la temperatura máxima es un número entre %2 y %3. La temperatura no se ha modificado.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::BaseEditorDialog</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::EconomicEvalEditor</name>
    <message>
        <source>Economic evaluation</source>
        <translation>Evaluación económica</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ScheduledScenarioEditor</name>
    <message>
        <source>Enable</source>
        <translation>Habilitar</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deshabilitar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
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
        <translation>Fuente sonora %1</translation>
    </message>
    <message>
        <source>Maximum number of sound sources is %1</source>
        <translation>El número máximo de fuentes sonoras es %1</translation>
    </message>
    <message>
        <source>Sound source</source>
        <translation>Fuente sonora</translation>
    </message>
    <message>
        <source>There is more than one source with address &quot;%1&quot;</source>
        <translation>Hay más de una fuente con la dirección &quot;%1&quot;</translation>
    </message>
    <message>
        <source>This plant has %1 sound sources, but its sound system takes at most %2. Only the first %2 are shown; confirming this dialog removes the others from the project:
%3</source>
        <translation>Esta instalación tiene %1 fuentes sonoras, pero su sistema de difusión sonora admite como máximo %2. Solo se muestran las %2 primeras; al confirmar este cuadro de diálogo, las demás se eliminarán del proyecto:
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
        <translation>Modo</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Velocidad del ventilador</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Oscilación</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregCommandsEditor</name>
    <message>
        <source>Favorite command %1</source>
        <translation>Comando favorito %1</translation>
    </message>
    <message>
        <source>Maximum number of commands is %1</source>
        <translation>El número máximo de comandos es %1</translation>
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
        <translation>Español</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crea un archivo nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>Abre un archivo existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the document to disk</source>
        <translation>Guarda el documento en el disco</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Save the document with a new name</source>
        <translation>Guarda el documento con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Import data...</source>
        <translation>&amp;Importar datos...</translation>
    </message>
    <message>
        <source>Import from .qrx file</source>
        <translation>Importa datos desde un archivo .qrx</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Sale de la aplicación</translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation>Cargar configuración</translation>
    </message>
    <message>
        <source>Load existing configuration</source>
        <translation>Carga una configuración existente</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Activate current configuration</source>
        <translation>Activa la configuración actual</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Brand site</source>
        <translation>Sitio web de la marca</translation>
    </message>
    <message>
        <source>Open brand site</source>
        <translation>Abre el sitio web de la marca</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Buscar actualizaciones...</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>Default project</source>
        <translation>Proyecto predeterminado</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>Proyecto: %1</translation>
    </message>
    <message>
        <source>Current configuration has been changed. Do you want to save it?</source>
        <translation>La configuración actual ha cambiado. ¿Desea guardarla?</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not open the specified file!</source>
        <translation>¡No se pudo abrir el archivo especificado!</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>Could not write in the specified file! Running application with administrator privileges might solve the problem.</source>
        <translation>¡No se pudo escribir en el archivo especificado! Ejecutar la aplicación con privilegios de administrador podría resolver el problema.</translation>
    </message>
    <message>
        <source>Could not find active configuration!</source>
        <translation>¡No se encontró la configuración activa!</translation>
    </message>
    <message>
        <source>Could not replace current temporary configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>¡No se pudo reemplazar la configuración temporal actual! Ejecutar la aplicación con privilegios de administrador podría resolver el problema.</translation>
    </message>
    <message>
        <source>No configuration to activate!</source>
        <translation>¡No hay ninguna configuración que activar!</translation>
    </message>
    <message>
        <source>Activation operation is not allowed when there are errors</source>
        <translation>La activación no está permitida mientras haya errores</translation>
    </message>
    <message>
        <source>You are going to overwrite the current active configuration. Do you want to continue?</source>
        <translation>Va a sobrescribir la configuración activa actual. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Could not overwrite previous configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>¡No se pudo sobrescribir la configuración anterior! Ejecutar la aplicación con privilegios de administrador podría resolver el problema.</translation>
    </message>
    <message>
        <source>Could not write the active configuration into %1: the folder needs administrator privileges, and they could not be obtained (pkexec and a PolicyKit agent are needed).</source>
        <translation>No se pudo escribir la configuración activa en %1: la carpeta requiere privilegios de administrador y no se pudieron obtener (se necesitan pkexec y un agente de PolicyKit).</translation>
    </message>
    <message>
        <source>Configuration activated successfully!</source>
        <translation>¡Configuración activada correctamente!</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Dispositivos</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AddressTreeModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Dirección KWB</translation>
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
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Dirección de interfaz</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AmplifierAddressModel</name>
    <message>
        <source>Multimedia Address</source>
        <translation>Dirección multimedia</translation>
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
        <translation>Introduzca la dirección multimedia (A, PF)</translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation>Introduzca el valor del configurador A</translation>
    </message>
    <message>
        <source>Enter value of PF configurator</source>
        <translation>Introduzca el valor del configurador PF</translation>
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
        <translation>Introduzca el valor del configurador A</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Enter value of PL configurator</source>
        <translation>Introduzca el valor del configurador PL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Enter value of Level configurator</source>
        <translation>Introduzca el valor del configurador Nivel</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Dirección de interfaz</translation>
    </message>
    <message>
        <source>Enter value of Interface address configurator</source>
        <translation>Introduzca el valor del configurador Dirección de interfaz</translation>
    </message>
    <message>
        <source>Scenario level</source>
        <translation>Nivel de escenario</translation>
    </message>
    <message>
        <source>Set scenario level</source>
        <translation>Defina el nivel del escenario</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Número de escenario</translation>
    </message>
    <message>
        <source>Set scenario number</source>
        <translation>Defina el número del escenario</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseTableModel</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>PUL</source>
        <translation>PUL</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Fancoil</source>
        <translation>Fancoil</translation>
    </message>
    <message>
        <source>Commands/Parameters</source>
        <translation>Comandos/Parámetros</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Economic evaluation</source>
        <translation>Evaluación económica</translation>
    </message>
    <message>
        <source>Central unit presence</source>
        <translation>Presencia de central</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>Dirección KWB</translation>
    </message>
    <message>
        <source>Set device address</source>
        <translation>Defina la dirección del dispositivo</translation>
    </message>
    <message>
        <source>Select device type</source>
        <translation>Seleccione el tipo de dispositivo</translation>
    </message>
    <message>
        <source>Set device description</source>
        <translation>Defina la descripción del dispositivo</translation>
    </message>
    <message>
        <source>Set PUL configurator value</source>
        <translation>Defina el valor del configurador PUL</translation>
    </message>
    <message>
        <source>Set groups that this device belongs to</source>
        <translation>Defina los grupos a los que pertenece este dispositivo</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EconomicEvalTableModel</name>
    <message>
        <source>Presence</source>
        <translation>Presencia</translation>
    </message>
    <message>
        <source>Set whether economic evaluation will be shown</source>
        <translation>Defina si se mostrará la evaluación económica</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Set the currency</source>
        <translation>Defina la moneda</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tarifa</translation>
    </message>
    <message>
        <source>Set the tariff</source>
        <translation>Defina la tarifa</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EnergyTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Habilitada</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deshabilitada</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GatewayTreeModel</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Tipo de dirección</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Código único</translation>
    </message>
    <message>
        <source>PRAVIK Password</source>
        <translation>Contraseña PRAVIK</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Set the name of the plant</source>
        <translation>Defina el nombre de la instalación</translation>
    </message>
    <message>
        <source>Choose between static and dynamic (UPnP) IP address</source>
        <translation>Elija entre dirección IP estática y dinámica (UPnP) </translation>
    </message>
    <message>
        <source>Set IP address of WebServer</source>
        <translation> Defina la dirección IP del WebServer</translation>
    </message>
    <message>
        <source>Set Univocal Code of WebServer</source>
        <translation>Defina el código único del WebServer</translation>
    </message>
    <message>
        <source>Set PravikNet password. It must be 5 to 9 characters long. Only digits are allowed.</source>
        <translation>Defina la contraseña de PravikNet. Debe tener entre 5 y 9 caracteres. Solo se permiten dígitos.</translation>
    </message>
    <message>
        <source>Set whether WebServer will be visible in the application</source>
        <translation>Defina si el WebServer será visible en la aplicación</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GenParametersModel</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Set the language of the application</source>
        <translation>Defina el idioma de la aplicación</translation>
    </message>
    <message>
        <source>Set the temperature unit that will be displayed</source>
        <translation>Defina la unidad de temperatura que se mostrará</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::LoadTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>Habilitada</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deshabilitada</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioAddressTableModel</name>
    <message>
        <source>Scenario command</source>
        <translation>Comando de escenario</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>Número de escenario</translation>
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
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Dirección de interfaz</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioItemModel</name>
    <message>
        <source>Presence</source>
        <translation>Presencia</translation>
    </message>
    <message>
        <source>Command type</source>
        <translation>Tipo de comando</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Button number</source>
        <translation>Número de pulsador</translation>
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
        <source>CEN PLUS</source>
        <translation>CEN PLUS</translation>
    </message>
    <message>
        <source>CEN</source>
        <translation>CEN</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin definir</translation>
    </message>
    <message>
        <source>Set whether scenario is available</source>
        <translation>Defina si el escenario está disponible</translation>
    </message>
    <message>
        <source>Set the command type</source>
        <translation>Defina el tipo de comando</translation>
    </message>
    <message>
        <source>Set the KWB Address</source>
        <translation>Defina la dirección KWB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioPlusAddressModel</name>
    <message>
        <source>Scenario PLUS command</source>
        <translation>Comando de escenario PLUS</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Set the address of the Scenario PLUS</source>
        <translation>Defina la dirección del escenario PLUS</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenariosTableModel</name>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScheduledCENAddressModel</name>
    <message>
        <source>CEN command address</source>
        <translation>Dirección del comando CEN</translation>
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
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>Dirección de interfaz</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSourceDeviceModel</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Assign an address to the sound source</source>
        <translation>Asigne una dirección a la fuente sonora</translation>
    </message>
    <message>
        <source>Set the description of the sound source</source>
        <translation>Defina la descripción de la fuente sonora</translation>
    </message>
    <message>
        <source>Choose the proper source type</source>
        <translation>Elija el tipo de fuente adecuado</translation>
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
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>%1 source(s) configured</source>
        <translation>Fuentes configuradas: %1</translation>
    </message>
    <message>
        <source>No source configured</source>
        <translation>Ninguna fuente configurada</translation>
    </message>
    <message>
        <source>Set the type of the sound system</source>
        <translation>Defina el tipo de difusión sonora</translation>
    </message>
    <message>
        <source>Set the sources of the sound system</source>
        <translation>Defina las fuentes de la difusión sonora</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorExtAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Dirección KWB</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Enter value of N configurator</source>
        <translation>Introduzca el valor del configurador N</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorNAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>Dirección KWB</translation>
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
        <translation>Introduzca el valor del configurador ZA</translation>
    </message>
    <message>
        <source>Enter value of ZB configurator</source>
        <translation>Introduzca el valor del configurador ZB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregFanModel</name>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
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
        <translation>Baja</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silenciosa</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregModeModel</name>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>Refrigeración</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>Calefacción</translation>
    </message>
    <message>
        <source>Dry</source>
        <translation>Deshumidificación</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>Ventilación</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregNotControlledAddrModel</name>
    <message>
        <source>Slave</source>
        <translation>Esclavo</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>Dirección KWB</translation>
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
        <translation>Introduzca el valor del configurador %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregSwingModel</name>
    <message>
        <source>Presence</source>
        <translation>Presencia</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregTemperatureEditModel</name>
    <message>
        <source>Min (%1C)</source>
        <translation>Mín. (%1C)</translation>
    </message>
    <message>
        <source>Max (%1C)</source>
        <translation>Máx. (%1C)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Set the minimum allowed temperature</source>
        <translation>Defina la temperatura mínima permitida</translation>
    </message>
    <message>
        <source>Set the maximum allowed temperature</source>
        <translation>Defina la temperatura máxima permitida</translation>
    </message>
    <message>
        <source>Set temperature change step</source>
        <translation>Defina el paso de variación de la temperatura</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationCommandModel</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Set the description of the command</source>
        <translation>Defina la descripción del comando</translation>
    </message>
    <message>
        <source>Assign an address to the command</source>
        <translation>Asigne una dirección al comando</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationOffCmdModel</name>
    <message>
        <source>Show OFF command</source>
        <translation>Mostrar comando OFF</translation>
    </message>
    <message>
        <source>OFF command address</source>
        <translation>Dirección del comando OFF</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationTableModel</name>
    <message>
        <source>%1 command(s) configured</source>
        <translation>Comandos configurados: %1</translation>
    </message>
    <message>
        <source>Min - %1, Max - %2, Step - %3</source>
        <translation>Mín. - %1, Máx. - %2, Paso - %3</translation>
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
        <translation>Actuador</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>Persiana</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>Amplificador</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carga</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Don&apos;t save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Group </source>
        <translation>Grupo </translation>
    </message>
    <message>
        <source>Presence</source>
        <translation>Presencia</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>Tarifa</translation>
    </message>
</context>
</TS>
