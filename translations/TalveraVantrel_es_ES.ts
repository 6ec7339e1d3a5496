<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Corvane::Sentrel::Controllers::BaseController</name>
    <message>
        <source>There is already a favorite item for this device</source>
        <translation>Ya existe un favorito para este dispositivo</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::FavoriteContextMenu</name>
    <message>
        <source>Always on top</source>
        <translation>Siempre en primer plano</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>Mostrar ventana principal</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>Quitar favorito</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Salir de la aplicación</translation>
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
        <translation>Siempre en primer plano</translation>
    </message>
    <message>
        <source>Refresh all items</source>
        <translation>Actualizar todos los elementos</translation>
    </message>
    <message>
        <source>Refresh current item</source>
        <translation>Actualizar elemento actual</translation>
    </message>
    <message>
        <source>Exit full screen mode</source>
        <translation>Salir del modo de pantalla completa</translation>
    </message>
    <message>
        <source>Full screen mode</source>
        <translation>Modo de pantalla completa</translation>
    </message>
    <message>
        <source>Hide main window</source>
        <translation>Ocultar ventana principal</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Show/Hide main window</source>
        <translation>Mostrar/ocultar ventana principal</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>Iniciar al arrancar el sistema</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>Buscar actualizaciones...</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::SoundController</name>
    <message>
        <source>Select sound source</source>
        <translation>Seleccionar fuente sonora</translation>
    </message>
    <message>
        <source> - track #</source>
        <translation> - pista n.º </translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>LW</source>
        <translation>OL</translation>
    </message>
    <message>
        <source>MW</source>
        <translation>OM</translation>
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
        <translation>Elegir archivo de configuración</translation>
    </message>
    <message>
        <source>VT Project (*%1)</source>
        <translation>Proyecto VT (*%1)</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::MessageBoxes</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Settings</name>
    <message>
        <source>There is no active configuration! Please run %1 application and create a configuration or open an existing project.</source>
        <translation>¡No hay ninguna configuración activa! Ejecute la aplicación %1 y cree una configuración o abra un proyecto existente.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>WebServer</source>
        <translation>WebServer</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::StartUp</name>
    <message>
        <source>The default configuration has been changed. Would you like to load it instead of the current configuration?</source>
        <translation>La configuración predeterminada ha cambiado. ¿Desea cargarla en lugar de la configuración actual?</translation>
    </message>
</context>
</TS>
