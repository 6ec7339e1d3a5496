<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Corvane::Updater::QuestionDialog</name>
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
    <name>Corvane::Updater::UpdateManager</name>
    <message>
        <source>Check for update...</source>
        <translation>Buscar actualizaciones...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Seleccione una carpeta</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>El archivo %1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Saving in progress...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>A new update of the software is available for download. Do you want to download it?</source>
        <translation>Hay una nueva actualización del software disponible para descargar. ¿Desea descargarla?</translation>
    </message>
    <message>
        <source>A new version of the software is available for download. This version has new functions available with last version of firmware of devices installed in the systems.%1Do you want to download it?</source>
        <translation>Hay una nueva versión del software disponible para descargar. Esta versión incluye nuevas funciones disponibles con la última versión del firmware de los dispositivos instalados en los sistemas.%1¿Desea descargarla?</translation>
    </message>
    <message>
        <source>The download of the new update of the software has been completed.%1Your new installation kit is in:%1%2</source>
        <translation>La descarga de la nueva actualización del software ha finalizado.%1El nuevo kit de instalación se encuentra en:%1%2</translation>
    </message>
    <message>
        <source>The software %1 is up to date. No updates available.</source>
        <translation>El software %1 está actualizado. No hay actualizaciones disponibles.</translation>
    </message>
    <message>
        <source>There are no installation kits of the %1 software on the remote server for automatic update.</source>
        <translation>No hay kits de instalación del software %1 en el servidor remoto de actualización automática.</translation>
    </message>
    <message>
        <source>The network is not available. Please check your internet connection</source>
        <translation>La red no está disponible. Compruebe su conexión a Internet</translation>
    </message>
    <message>
        <source>Unable to contact the remote server for automatic update.</source>
        <translation>No se puede contactar con el servidor remoto de actualización automática.</translation>
    </message>
    <message>
        <source>Error downloading file from the remote server for automatic update.</source>
        <translation>Error al descargar el archivo del servidor remoto de actualización automática.</translation>
    </message>
    <message>
        <source>Error saving update file.</source>
        <translation>Error al guardar el archivo de actualización.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>No volver a mostrar este mensaje</translation>
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
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
