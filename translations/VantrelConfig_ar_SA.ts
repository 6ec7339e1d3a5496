<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA">
<context>
    <name>Corvane::Configurator::AdminConfigurator</name>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>إزالة الكل</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Maximum allowed devices per page is %1</source>
        <translation>الحد الأقصى المسموح به من الأجهزة في كل صفحة هو %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete selected devices?</source>
        <translation>هل أنت متأكد من أنك تريد حذف الأجهزة المحددة؟</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; device?</source>
        <translation>هل أنت متأكد من أنك تريد حذف الجهاز &quot;%1&quot;؟</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all devices?</source>
        <translation>هل أنت متأكد من أنك تريد حذف كل الأجهزة؟</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::DevicesTreeModel</name>
    <message>
        <source>Gadget</source>
        <translation>الأداة</translation>
    </message>
    <message>
        <source>General parameters</source>
        <translation>المعلمات العامة</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>قائمة المنشآت</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>الإضاءة</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>الحساسات</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>الأتمتة</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>السيناريوهات</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>تنظيم الحرارة</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>نظام الصوت</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>بيانات الطاقة</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>إدارة الأحمال</translation>
    </message>
    <message>
        <source>Add plant</source>
        <translation>إضافة منشأة</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>منشأة</translation>
    </message>
    <message>
        <source>Remove plant</source>
        <translation>إزالة المنشأة</translation>
    </message>
    <message>
        <source>Add, remove and set actuators</source>
        <translation>إضافة المشغلات وإزالتها وضبطها</translation>
    </message>
    <message>
        <source>Add, remove and set sensors</source>
        <translation>إضافة الحساسات وإزالتها وضبطها</translation>
    </message>
    <message>
        <source>Add, remove and set shutters</source>
        <translation>إضافة المصاريع وإزالتها وضبطها</translation>
    </message>
    <message>
        <source>Add, remove and set scenarios</source>
        <translation>إضافة السيناريوهات وإزالتها وضبطها</translation>
    </message>
    <message>
        <source>Add, remove and set temperature probes</source>
        <translation>إضافة مجسات الحرارة وإزالتها وضبطها</translation>
    </message>
    <message>
        <source>Add, remove and set energy devices</source>
        <translation>إضافة أجهزة الطاقة وإزالتها وضبطها</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::BaseDeviceEditDelegate</name>
    <message>
        <source>Maximum allowed characters count for description is %1. The description you entered will be truncated! </source>
        <translation>الحد الأقصى المسموح به لعدد أحرف الوصف هو %1. سيتم اقتطاع الوصف الذي أدخلته! </translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::EconomicEvalDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid tariff: it is a number from %2 to %3. The tariff was not changed.</source>
        <translation>&quot;%1&quot; ليس تعرفة صالحة: يجب أن تكون التعرفة رقمًا من %2 إلى %3. لم يتم تغيير التعرفة.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::GatewayEditDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid IP address: it has four numbers from 0 to 255, separated by dots. The address was not changed.</source>
        <translation>&quot;%1&quot; ليس عنوان IP صالحًا: يتكون العنوان من أربعة أرقام من 0 إلى 255 تفصل بينها نقاط. لم يتم تغيير العنوان.</translation>
    </message>
    <message>
        <source>The password must have 5 to 9 digits. The password was not changed.</source>
        <translation>يجب أن تتكون كلمة المرور من 5 إلى 9 أرقام. لم يتم تغيير كلمة المرور.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid univocal code: it is a whole number of up to 9 digits. The univocal code was not changed.</source>
        <translation>&quot;%1&quot; ليس رمزًا فريدًا صالحًا: يجب أن يكون الرمز الفريد عددًا صحيحًا من 9 أرقام كحد أقصى. لم يتم تغيير الرمز الفريد.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ScenarioItemEditDelegate</name>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
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
        <translation>مصدر الصوت</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::EditDelegates::ThermoregTemperatureDelegate</name>
    <message>
        <source>&quot;%1&quot; is not a valid minimum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>&quot;%1&quot; ليس قيمة صالحة للحد الأدنى لدرجة الحرارة: يجب أن يكون رقمًا من %2 إلى %3. لم يتم تغيير درجة الحرارة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid maximum temperature: it is a number from %2 to %3. The temperature was not changed.</source>
        <translation>&quot;%1&quot; ليس قيمة صالحة للحد الأقصى لدرجة الحرارة: يجب أن يكون رقمًا من %2 إلى %3. لم يتم تغيير درجة الحرارة.</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::BaseEditorDialog</name>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::EconomicEvalEditor</name>
    <message>
        <source>Economic evaluation</source>
        <translation>التقييم الاقتصادي</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ScheduledScenarioEditor</name>
    <message>
        <source>Enable</source>
        <translation>تمكين</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::SoundSystemEditor</name>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Sound source %1</source>
        <translation>مصدر الصوت %1</translation>
    </message>
    <message>
        <source>Maximum number of sound sources is %1</source>
        <translation>الحد الأقصى لعدد مصادر الصوت هو %1</translation>
    </message>
    <message>
        <source>Sound source</source>
        <translation>مصدر الصوت</translation>
    </message>
    <message>
        <source>There is more than one source with address &quot;%1&quot;</source>
        <translation>يوجد أكثر من مصدر واحد بالعنوان &quot;%1&quot;</translation>
    </message>
    <message>
        <source>This plant has %1 sound sources, but its sound system takes at most %2. Only the first %2 are shown; confirming this dialog removes the others from the project:
%3</source>
        <translation>تحتوي هذه المنشأة على %1 من مصادر الصوت، لكن نظام الصوت الخاص بها يستوعب %2 كحد أقصى. لا تُعرض إلا أول %2 منها؛ وتأكيد مربع الحوار هذا يزيل المصادر الأخرى من المشروع:
%3</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregAdvancedEditor</name>
    <message>
        <source>Temperature</source>
        <translation>درجة الحرارة</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>سرعة المروحة</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>التأرجح</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::Editors::ThermoregCommandsEditor</name>
    <message>
        <source>Favorite command %1</source>
        <translation>الأمر المفضل %1</translation>
    </message>
    <message>
        <source>Maximum number of commands is %1</source>
        <translation>الحد الأقصى لعدد الأوامر هو %1</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>الأمر</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::MainWindow</name>
    <message>
        <source>LanguageName</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>م&amp;علومات</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>إنشاء ملف جديد</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>Open an existing file</source>
        <translation>فتح ملف موجود</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save the document to disk</source>
        <translation>حفظ المستند على القرص</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>Save the document with a new name</source>
        <translation>حفظ المستند باسم جديد</translation>
    </message>
    <message>
        <source>&amp;Import data...</source>
        <translation>ا&amp;ستيراد البيانات...</translation>
    </message>
    <message>
        <source>Import from .qrx file</source>
        <translation>الاستيراد من ملف ‎.qrx</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>الخروج من التطبيق</translation>
    </message>
    <message>
        <source>Load configuration</source>
        <translation>تحميل التهيئة</translation>
    </message>
    <message>
        <source>Load existing configuration</source>
        <translation>تحميل تهيئة موجودة</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>تفعيل</translation>
    </message>
    <message>
        <source>Activate current configuration</source>
        <translation>تفعيل التهيئة الحالية</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Brand site</source>
        <translation>موقع العلامة التجارية</translation>
    </message>
    <message>
        <source>Open brand site</source>
        <translation>فتح موقع العلامة التجارية</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>البحث عن تحديثات...</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>البحث عن تحديثات</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>مشروع جديد</translation>
    </message>
    <message>
        <source>Default project</source>
        <translation>المشروع الافتراضي</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>المشروع: %1</translation>
    </message>
    <message>
        <source>Current configuration has been changed. Do you want to save it?</source>
        <translation>تم تغيير التهيئة الحالية. هل تريد حفظها؟</translation>
    </message>
    <message>
        <source>Open configuration</source>
        <translation>فتح تهيئة</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Could not open the specified file!</source>
        <translation>تعذر فتح الملف المحدد!</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>حفظ التهيئة</translation>
    </message>
    <message>
        <source>Could not write in the specified file! Running application with administrator privileges might solve the problem.</source>
        <translation>تعذرت الكتابة في الملف المحدد! قد يؤدي تشغيل التطبيق بصلاحيات المسؤول إلى حل المشكلة.</translation>
    </message>
    <message>
        <source>Could not find active configuration!</source>
        <translation>تعذر العثور على التهيئة النشطة!</translation>
    </message>
    <message>
        <source>Could not replace current temporary configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>تعذر استبدال التهيئة المؤقتة الحالية! قد يؤدي تشغيل التطبيق بصلاحيات المسؤول إلى حل المشكلة.</translation>
    </message>
    <message>
        <source>No configuration to activate!</source>
        <translation>لا توجد تهيئة لتفعيلها!</translation>
    </message>
    <message>
        <source>Activation operation is not allowed when there are errors</source>
        <translation>لا يُسمح بعملية التفعيل عند وجود أخطاء</translation>
    </message>
    <message>
        <source>You are going to overwrite the current active configuration. Do you want to continue?</source>
        <translation>أنت على وشك الكتابة فوق التهيئة النشطة الحالية. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Could not overwrite previous configuration! Running application with administrator privileges might solve the problem.</source>
        <translation>تعذرت الكتابة فوق التهيئة السابقة! قد يؤدي تشغيل التطبيق بصلاحيات المسؤول إلى حل المشكلة.</translation>
    </message>
    <message>
        <source>Could not write the active configuration into %1: the folder needs administrator privileges, and they could not be obtained (pkexec and a PolicyKit agent are needed).</source>
        <translation>تعذرت كتابة التهيئة النشطة في %1: يتطلب المجلد صلاحيات المسؤول، وتعذر الحصول عليها (يلزم وجود pkexec ووكيل PolicyKit).</translation>
    </message>
    <message>
        <source>Configuration activated successfully!</source>
        <translation>تم تفعيل التهيئة بنجاح!</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>الأ&amp;جهزة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AddressTreeModel</name>
    <message>
        <source>KWB Address</source>
        <translation>عنوان KWB</translation>
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
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>عنوان الواجهة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::AmplifierAddressModel</name>
    <message>
        <source>Multimedia Address</source>
        <translation>عنوان الوسائط المتعددة</translation>
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
        <translation>أدخل عنوان الوسائط المتعددة (A، PF)</translation>
    </message>
    <message>
        <source>Enter value of A configurator</source>
        <translation>أدخل قيمة المُهيِّئ A</translation>
    </message>
    <message>
        <source>Enter value of PF configurator</source>
        <translation>أدخل قيمة المُهيِّئ PF</translation>
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
        <translation>أدخل قيمة المُهيِّئ A</translation>
    </message>
    <message>
        <source>PL</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>Enter value of PL configurator</source>
        <translation>أدخل قيمة المُهيِّئ PL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Enter value of Level configurator</source>
        <translation>أدخل قيمة مُهيِّئ المستوى</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>عنوان الواجهة</translation>
    </message>
    <message>
        <source>Enter value of Interface address configurator</source>
        <translation>أدخل قيمة مُهيِّئ عنوان الواجهة</translation>
    </message>
    <message>
        <source>Scenario level</source>
        <translation>مستوى السيناريو</translation>
    </message>
    <message>
        <source>Set scenario level</source>
        <translation>اضبط مستوى السيناريو</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>رقم السيناريو</translation>
    </message>
    <message>
        <source>Set scenario number</source>
        <translation>اضبط رقم السيناريو</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::BaseTableModel</name>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>PUL</source>
        <translation>PUL</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <source>Fancoil</source>
        <translation>وحدة فان كويل</translation>
    </message>
    <message>
        <source>Commands/Parameters</source>
        <translation>الأوامر/المعلمات</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>Economic evaluation</source>
        <translation>التقييم الاقتصادي</translation>
    </message>
    <message>
        <source>Central unit presence</source>
        <translation>وجود الوحدة المركزية</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>عنوان KWB</translation>
    </message>
    <message>
        <source>Set device address</source>
        <translation>اضبط عنوان الجهاز</translation>
    </message>
    <message>
        <source>Select device type</source>
        <translation>اختر نوع الجهاز</translation>
    </message>
    <message>
        <source>Set device description</source>
        <translation>اضبط وصف الجهاز</translation>
    </message>
    <message>
        <source>Set PUL configurator value</source>
        <translation>اضبط قيمة المُهيِّئ PUL</translation>
    </message>
    <message>
        <source>Set groups that this device belongs to</source>
        <translation>اضبط المجموعات التي ينتمي إليها هذا الجهاز</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EconomicEvalTableModel</name>
    <message>
        <source>Presence</source>
        <translation>الوجود</translation>
    </message>
    <message>
        <source>Set whether economic evaluation will be shown</source>
        <translation>حدد ما إذا كان سيتم عرض التقييم الاقتصادي</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>العملة</translation>
    </message>
    <message>
        <source>Set the currency</source>
        <translation>اضبط العملة</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>التعرفة</translation>
    </message>
    <message>
        <source>Set the tariff</source>
        <translation>اضبط التعرفة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::EnergyTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>ممكَّن</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>معطَّل</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>الفئة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GatewayTreeModel</name>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>نوع العنوان</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>الرمز الفريد</translation>
    </message>
    <message>
        <source>PRAVIK Password</source>
        <translation>كلمة مرور PRAVIK</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Set the name of the plant</source>
        <translation>اضبط اسم المنشأة</translation>
    </message>
    <message>
        <source>Choose between static and dynamic (UPnP) IP address</source>
        <translation>اختر بين عنوان IP ثابت وعنوان IP ديناميكي (UPnP) </translation>
    </message>
    <message>
        <source>Set IP address of WebServer</source>
        <translation> اضبط عنوان IP لخادم الويب</translation>
    </message>
    <message>
        <source>Set Univocal Code of WebServer</source>
        <translation>اضبط الرمز الفريد لخادم الويب</translation>
    </message>
    <message>
        <source>Set PravikNet password. It must be 5 to 9 characters long. Only digits are allowed.</source>
        <translation>اضبط كلمة مرور PravikNet. يجب أن يتراوح طولها بين 5 و9 أحرف. يُسمح بالأرقام فقط.</translation>
    </message>
    <message>
        <source>Set whether WebServer will be visible in the application</source>
        <translation>حدد ما إذا كان خادم الويب سيظهر في التطبيق</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::GenParametersModel</name>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>درجة الحرارة</translation>
    </message>
    <message>
        <source>Set the language of the application</source>
        <translation>اضبط لغة التطبيق</translation>
    </message>
    <message>
        <source>Set the temperature unit that will be displayed</source>
        <translation>اضبط وحدة درجة الحرارة التي سيتم عرضها</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::LoadTableModel</name>
    <message>
        <source>Enabled</source>
        <translation>ممكَّن</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>معطَّل</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioAddressTableModel</name>
    <message>
        <source>Scenario command</source>
        <translation>أمر السيناريو</translation>
    </message>
    <message>
        <source>Scenario number</source>
        <translation>رقم السيناريو</translation>
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
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>عنوان الواجهة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioItemModel</name>
    <message>
        <source>Presence</source>
        <translation>الوجود</translation>
    </message>
    <message>
        <source>Command type</source>
        <translation>نوع الأمر</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Button number</source>
        <translation>رقم الزر</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
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
        <translation>غير مضبوط</translation>
    </message>
    <message>
        <source>Set whether scenario is available</source>
        <translation>حدد ما إذا كان السيناريو متاحًا</translation>
    </message>
    <message>
        <source>Set the command type</source>
        <translation>اضبط نوع الأمر</translation>
    </message>
    <message>
        <source>Set the KWB Address</source>
        <translation>اضبط عنوان KWB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenarioPlusAddressModel</name>
    <message>
        <source>Scenario PLUS command</source>
        <translation>أمر سيناريو PLUS</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Set the address of the Scenario PLUS</source>
        <translation>اضبط عنوان سيناريو PLUS</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScenariosTableModel</name>
    <message>
        <source>Parameters</source>
        <translation>المعلمات</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ScheduledCENAddressModel</name>
    <message>
        <source>CEN command address</source>
        <translation>عنوان أمر CEN</translation>
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
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Interface address</source>
        <translation>عنوان الواجهة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSourceDeviceModel</name>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Assign an address to the sound source</source>
        <translation>عيّن عنوانًا لمصدر الصوت</translation>
    </message>
    <message>
        <source>Set the description of the sound source</source>
        <translation>اضبط وصف مصدر الصوت</translation>
    </message>
    <message>
        <source>Choose the proper source type</source>
        <translation>اختر نوع المصدر المناسب</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::SoundSystemModel</name>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>المصادر</translation>
    </message>
    <message>
        <source>%1 source(s) configured</source>
        <translation>المصادر المكوَّنة: %1</translation>
    </message>
    <message>
        <source>No source configured</source>
        <translation>لم يتم تكوين أي مصدر</translation>
    </message>
    <message>
        <source>Set the type of the sound system</source>
        <translation>اضبط نوع نظام الصوت</translation>
    </message>
    <message>
        <source>Set the sources of the sound system</source>
        <translation>اضبط مصادر نظام الصوت</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorExtAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>عنوان KWB</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Enter value of N configurator</source>
        <translation>أدخل قيمة المُهيِّئ N</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::TempSensorNAddressModel</name>
    <message>
        <source>KWB Address</source>
        <translation>عنوان KWB</translation>
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
        <translation>أدخل قيمة المُهيِّئ ZA</translation>
    </message>
    <message>
        <source>Enter value of ZB configurator</source>
        <translation>أدخل قيمة المُهيِّئ ZB</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregFanModel</name>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>High</source>
        <translation>عالية</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسطة</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>منخفضة</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>صامتة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregModeModel</name>
    <message>
        <source>Off</source>
        <translation>إيقاف التشغيل</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Cooling</source>
        <translation>تبريد</translation>
    </message>
    <message>
        <source>Heating</source>
        <translation>تدفئة</translation>
    </message>
    <message>
        <source>Dry</source>
        <translation>تجفيف</translation>
    </message>
    <message>
        <source>Fan</source>
        <translation>مروحة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregNotControlledAddrModel</name>
    <message>
        <source>Slave</source>
        <translation>تابع</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>KWB Address</source>
        <translation>عنوان KWB</translation>
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
        <translation>أدخل قيمة المُهيِّئ %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregSwingModel</name>
    <message>
        <source>Presence</source>
        <translation>الوجود</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف التشغيل</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregTemperatureEditModel</name>
    <message>
        <source>Min (%1C)</source>
        <translation>الحد الأدنى (%1C)</translation>
    </message>
    <message>
        <source>Max (%1C)</source>
        <translation>الحد الأقصى (%1C)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>الخطوة</translation>
    </message>
    <message>
        <source>Set the minimum allowed temperature</source>
        <translation>اضبط الحد الأدنى المسموح به لدرجة الحرارة</translation>
    </message>
    <message>
        <source>Set the maximum allowed temperature</source>
        <translation>اضبط الحد الأقصى المسموح به لدرجة الحرارة</translation>
    </message>
    <message>
        <source>Set temperature change step</source>
        <translation>اضبط خطوة تغيير درجة الحرارة</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationCommandModel</name>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Set the description of the command</source>
        <translation>اضبط وصف الأمر</translation>
    </message>
    <message>
        <source>Assign an address to the command</source>
        <translation>عيّن عنوانًا للأمر</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationOffCmdModel</name>
    <message>
        <source>Show OFF command</source>
        <translation>إظهار أمر الإيقاف (OFF)</translation>
    </message>
    <message>
        <source>OFF command address</source>
        <translation>عنوان أمر الإيقاف (OFF)</translation>
    </message>
</context>
<context>
    <name>Corvane::Configurator::TableModels::ThermoregulationTableModel</name>
    <message>
        <source>%1 command(s) configured</source>
        <translation>الأوامر المكوَّنة: %1</translation>
    </message>
    <message>
        <source>Min - %1, Max - %2, Step - %3</source>
        <translation>الحد الأدنى - %1، الحد الأقصى - %2، الخطوة - %3</translation>
    </message>
</context>
<context>
    <name>General</name>
    <message>
        <source>WebServer</source>
        <translation>خادم الويب</translation>
    </message>
    <message>
        <source>Actuator</source>
        <translation>مشغل</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>حساس</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>مصراع</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>سيناريو</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>مجس</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>مضخم صوت</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>واجهة</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>حِمل</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Don&apos;t save</source>
        <translation>عدم الحفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Group </source>
        <translation>المجموعة </translation>
    </message>
    <message>
        <source>Presence</source>
        <translation>الوجود</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>العملة</translation>
    </message>
    <message>
        <source>Tariff</source>
        <translation>التعرفة</translation>
    </message>
</context>
</TS>
