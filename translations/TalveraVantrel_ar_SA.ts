<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA">
<context>
    <name>Corvane::Sentrel::Controllers::BaseController</name>
    <message>
        <source>There is already a favorite item for this device</source>
        <translation>يوجد بالفعل عنصر مفضل لهذا الجهاز</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::FavoriteContextMenu</name>
    <message>
        <source>Always on top</source>
        <translation>دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Show main window</source>
        <translation>إظهار النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Remove favorite</source>
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>إنهاء التطبيق</translation>
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
        <translation>دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>Refresh all items</source>
        <translation>تحديث كل العناصر</translation>
    </message>
    <message>
        <source>Refresh current item</source>
        <translation>تحديث العنصر الحالي</translation>
    </message>
    <message>
        <source>Exit full screen mode</source>
        <translation>الخروج من وضع ملء الشاشة</translation>
    </message>
    <message>
        <source>Full screen mode</source>
        <translation>وضع ملء الشاشة</translation>
    </message>
    <message>
        <source>Hide main window</source>
        <translation>إخفاء النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>إنهاء التطبيق</translation>
    </message>
    <message>
        <source>Show/Hide main window</source>
        <translation>إظهار/إخفاء النافذة الرئيسية</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>التشغيل عند بدء تشغيل النظام</translation>
    </message>
    <message>
        <source>Check for update...</source>
        <translation>البحث عن تحديثات...</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::SoundController</name>
    <message>
        <source>Select sound source</source>
        <translation>اختر مصدر الصوت</translation>
    </message>
    <message>
        <source> - track #</source>
        <translation> - المقطع رقم </translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>LW</source>
        <translation>LW</translation>
    </message>
    <message>
        <source>MW</source>
        <translation>MW</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Controllers::UserConfigurationController</name>
    <message>
        <source>Choose configuration file</source>
        <translation>اختر ملف التهيئة</translation>
    </message>
    <message>
        <source>VT Project (*%1)</source>
        <translation>مشروع VT (*%1)</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::MessageBoxes</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
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
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::Settings</name>
    <message>
        <source>There is no active configuration! Please run %1 application and create a configuration or open an existing project.</source>
        <translation>لا توجد تهيئة نشطة! يرجى تشغيل تطبيق %1 وإنشاء تهيئة أو فتح مشروع موجود.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>تعذر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>WebServer</source>
        <translation>خادم الويب</translation>
    </message>
</context>
<context>
    <name>Corvane::Sentrel::StartUp</name>
    <message>
        <source>The default configuration has been changed. Would you like to load it instead of the current configuration?</source>
        <translation>تم تغيير التهيئة الافتراضية. هل تريد تحميلها بدلًا من التهيئة الحالية؟</translation>
    </message>
</context>
</TS>
