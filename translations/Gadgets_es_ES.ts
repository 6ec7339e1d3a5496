<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoolComboBox</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataTariffControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>Datos energéticos: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataViewControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>Datos energéticos: %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Tot: %1 %2</source>
        <translation>Tot.: %1 %2</translation>
    </message>
    <message>
        <source>Inst: %1 %2</source>
        <translation>Inst.: %1 %2</translation>
    </message>
    <message>
        <source>Avg: %1 %2</source>
        <translation>Media: %1 %2</translation>
    </message>
    <message>
        <source>%1 updated to %2</source>
        <translation>%1 actualizado al %2</translation>
    </message>
    <message>
        <source>Data %1 updated to %2</source>
        <translation>Datos de %1 actualizados al %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Loading data %p%. Please wait...</source>
        <translation>Cargando datos %p%. Espere...</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyTimespanEdit</name>
    <message>
        <source>Last 12 months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>Previous 12 months</source>
        <translation>12 meses anteriores</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::InfoControl</name>
    <message>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::LoadManagementDataControl</name>
    <message>
        <source>Load data: %1</source>
        <translation>Datos de la carga: %1</translation>
    </message>
    <message>
        <source>Instant consumption: %1 %2</source>
        <translation>Consumo instantáneo: %1 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Actualizado el %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Desde el %1</translation>
    </message>
    <message>
        <source>Counter %1 (%2): %3</source>
        <translation>Contador %1 (%2): %3</translation>
    </message>
    <message>
        <source>Energy consumption statistics not supported!</source>
        <translation>¡Las estadísticas de consumo energético no son compatibles!</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::Models::EnergyDataTariffModel</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinBrowser</name>
    <message>
        <source>Skins not offered:</source>
        <translation>Temas no disponibles:</translation>
    </message>
    <message>
        <source>Not offered: %1</source>
        <translation>No disponibles: %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinFileCheck</name>
    <message>
        <source>holds %1 bytes, more than the %2 bytes an SVG document may have</source>
        <translation>contiene %1 bytes, más de los %2 bytes que puede tener un documento SVG</translation>
    </message>
    <message>
        <source>is not an SVG document (its root element is &lt;%1&gt;)</source>
        <translation>no es un documento SVG (su elemento raíz es &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>links a style sheet outside the document</source>
        <translation>enlaza una hoja de estilo externa al documento</translation>
    </message>
    <message>
        <source>is not a well-formed SVG document (line %1: %2)</source>
        <translation>no es un documento SVG bien formado (línea %1: %2)</translation>
    </message>
    <message>
        <source>is not an SVG document</source>
        <translation>no es un documento SVG</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside the skin</source>
        <translation>hace referencia a &quot;%1&quot; fuera del tema</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot;, which is not a file of the skin</source>
        <translation>hace referencia a &quot;%1&quot;, que no es un archivo del tema</translation>
    </message>
    <message>
        <source>is not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>is an SVG document, not a bitmap</source>
        <translation>es un documento SVG, no un mapa de bits</translation>
    </message>
    <message>
        <source>is not a readable picture (%1)</source>
        <translation>no es una imagen legible (%1)</translation>
    </message>
    <message>
        <source>holds a %1 x %2 pixel picture, more than the %3 pixels a picture may have</source>
        <translation>contiene una imagen de %1 x %2 píxeles, más de los %3 píxeles que puede tener una imagen</translation>
    </message>
    <message>
        <source>embeds a compressed SVG document</source>
        <translation>incrusta un documento SVG comprimido</translation>
    </message>
    <message>
        <source>declares the external entity &quot;%1&quot;</source>
        <translation>declara la entidad externa &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinPreview</name>
    <message>
        <source>%1 is not a skin zip file</source>
        <translation>%1 no es un archivo zip de tema</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SplashScreen</name>
    <message>
        <source>Copyright Talvera. All rights reserved.</source>
        <translation>Copyright Talvera. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Copyright Corvane. All rights reserved.</source>
        <translation>Copyright Corvane. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::ThemeResourceValidator</name>
    <message>
        <source>is a document the SVG renderer refuses</source>
        <translation>es un documento que el renderizador SVG rechaza</translation>
    </message>
    <message>
        <source>Cannot open the skin %1: %2</source>
        <translation>No se puede abrir el tema %1: %2</translation>
    </message>
    <message>
        <source>Required file %1 missing in %2</source>
        <translation>Falta el archivo requerido %1 en %2</translation>
    </message>
    <message>
        <source>Required file %1 in %2 cannot be read: %3</source>
        <translation>No se puede leer el archivo requerido %1 en %2: %3</translation>
    </message>
    <message>
        <source>Required file %1 in %2 %3</source>
        <translation>El archivo requerido %1 en %2 %3</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::WebServerDataControl</name>
    <message>
        <source>WebServer info: %1</source>
        <translation>Información del WebServer: %1</translation>
    </message>
    <message>
        <source>Device code</source>
        <translation>Código del dispositivo</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>Versión del firmware</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>Tipo de dirección</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>Código único</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Tiempo de actividad</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Link web</source>
        <translation>Enlace web</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP fija</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
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
        <translation>d</translation>
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
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
    </message>
    <message>
        <source>Needs a desktop that shows translucent windows (a compositing manager)</source>
        <translation>Requiere un escritorio que muestre ventanas translúcidas (un gestor de composición)</translation>
    </message>
    <message>
        <source>User configuration area</source>
        <translation>Área de configuración de usuario</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Proyecto:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Reload default</source>
        <translation>Recargar proyecto predeterminado</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Cambiar idioma</translation>
    </message>
    <message>
        <source>Gadget dimension</source>
        <translation>Tamaño del gadget</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Gadget transparency</source>
        <translation>Transparencia del gadget</translation>
    </message>
    <message>
        <source>Hide labels after (sec.)</source>
        <translation>Ocultar etiquetas tras (seg.)</translation>
    </message>
    <message>
        <source>Go homepage after (sec.)</source>
        <translation>Volver a la página de inicio tras (seg.)</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Iniciar al arrancar el sistema</translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation>Cambiar tema</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
</context>
</TS>
