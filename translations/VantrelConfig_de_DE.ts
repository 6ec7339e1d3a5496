<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Corvane::Configurator::AdminConfigurator</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum allowed devices per page is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected devices?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete all devices?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::DevicesTreeModel</name>
    <message>
        <source>Gadget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add plant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove plant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, remove and set actuators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, remove and set sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, remove and set shutters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, remove and set scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, remove and set temperature probes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, remove and set energy devices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate</name>
    <message>
        <source>Maximum allowed characters count for description is %1. The description you entered will be truncated! </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::GatewayEditDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid IP address: it has four numbers from 0 to 255, separated by dots. The address was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password must have 5 to 9 digits. The password was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ScenarioItemEditDelegate</name>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CEN PLUS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::SoundSourceEditDelegate</name>
    <message>
        <source>Sound source</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::BaseEditorDialog</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::EconomicEvalEditor</name>
    <message>
        <source>Economic evaluation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ScheduledScenarioEditor</name>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::SoundSystemEditor</name>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound source %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of sound sources is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is more than one source with address &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plant has %1 sound sources, but its sound system takes at most %2. Only the first %2 are shown; confirming this dialog removes the others from the project:
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregAdvancedEditor</name>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregCommandsEditor</name>
    <message>
        <source>Favorite command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of commands is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::MainWindow</name>
    <message>
        <source>LanguageName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the document to disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the document with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from .qrx file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load existing configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate current configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brand site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open brand site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current configuration has been changed. Do you want to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the specified file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write in the specified file! Running application with administrator privileges might solve the problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find active configuration!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not replace current temporary configuration! Running application with administrator privileges might solve the problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No configuration to activate!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation operation is not allowed when there are errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are going to overwrite the current active configuration. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not overwrite previous configuration! Running application with administrator privileges might solve the problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the active configuration into %1: the folder needs administrator privileges, and they could not be obtained (pkexec and a PolicyKit agent are needed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration activated successfully!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AddressTreeModel</name>
    <message>
        <source>KWB Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AmplifierAddressModel</name>
    <message>
        <source>Multimedia Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert multimedia address (A, PF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of PF configurator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseAddressTreeModel</name>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of PL configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of Level configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of Interface address configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set scenario level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set scenario number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseTableModel</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PUL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fancoil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands/Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Economic evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central unit presence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set device address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select device type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set device description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set PUL configurator value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set groups that this device belongs to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EconomicEvalTableModel</name>
    <message>
        <source>Presence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set whether economic evaluation will be shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the tariff</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EnergyTableModel</name>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GatewayTreeModel</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRAVIK Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the name of the plant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose between static and dynamic (UPnP) IP address </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Set IP address of WebServer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Univocal Code of WebServer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set PravikNet password. It must be 5 to 9 characters long. Only digits are allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set whether WebServer will be visible in the application</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GenParametersModel</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the language of the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the temperature unit that will be displayed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::LoadTableModel</name>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioAddressTableModel</name>
    <message>
        <source>Scenario command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioItemModel</name>
    <message>
        <source>Presence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CEN PLUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set whether scenario is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the command type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the KWB Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioPlusAddressModel</name>
    <message>
        <source>Scenario PLUS command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the address of the Scenario PLUS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenariosTableModel</name>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScheduledCENAddressModel</name>
    <message>
        <source>CEN command address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSourceDeviceModel</name>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign an address to the sound source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the description of the sound source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the proper source type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSystemModel</name>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 source(s) configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No source configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the type of the sound system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the sources of the sound system</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorExtAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of N configurator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorNAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of ZA configurator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of ZB configurator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregFanModel</name>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregModeModel</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregNotControlledAddrModel</name>
    <message>
        <source>Slave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value of %1 configurator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregSwingModel</name>
    <message>
        <source>Presence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregTemperatureEditModel</name>
    <message>
        <source>Min (%1C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max (%1C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the mininum allowed temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the maximum allowed temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set temperature change step</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationCommandModel</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the description of the command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign an address to the command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationOffCmdModel</name>
    <message>
        <source>Show OFF command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF command address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationTableModel</name>
    <message>
        <source>%1 command(s) configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min - %1, Max - %2, Step - %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>WebServer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actuator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Group </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
