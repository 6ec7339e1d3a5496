<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA">
<context>
    <name>Devices</name>
    <message>
        <source>Scenarios</source>
        <translation>السيناريوهات</translation>
    </message>
    <message>
        <source>Lighting</source>
        <translation>الإضاءة</translation>
    </message>
    <message>
        <source>Automation</source>
        <translation>الأتمتة</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>الطاقة</translation>
    </message>
    <message>
        <source>Thermoregulation</source>
        <translation>تنظيم الحرارة</translation>
    </message>
    <message>
        <source>Load management</source>
        <translation>إدارة الأحمال</translation>
    </message>
    <message>
        <source>Light sensors</source>
        <translation>حساسات الإضاءة</translation>
    </message>
    <message>
        <source>Presence sensors</source>
        <translation>حساسات الوجود</translation>
    </message>
    <message>
        <source>Web servers</source>
        <translation>خوادم الويب</translation>
    </message>
    <message>
        <source>Sound system</source>
        <translation>نظام الصوت</translation>
    </message>
    <message>
        <source>Test gateway</source>
        <translation>بوابة اختبار</translation>
    </message>
    <message>
        <source>Light %1</source>
        <translation>ضوء %1</translation>
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
        <source>Enabled</source>
        <translation>ممكَّن</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>معطَّل</translation>
    </message>
    <message>
        <source>Local bus</source>
        <translation>ناقل محلي</translation>
    </message>
    <message>
        <source>Private riser</source>
        <translation>ناقل رئيسي خاص</translation>
    </message>
    <message>
        <source>Univocal code</source>
        <translation>الرمز الفريد</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP ثابت</translation>
    </message>
    <message>
        <source>%1, scenario %2</source>
        <translation>%1، السيناريو %2</translation>
    </message>
    <message>
        <source>A%1, level %2</source>
        <translation>A%1، المستوى %2</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>تمكين</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>start</source>
        <translation>بدء</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>No command</source>
        <translation>لا يوجد أمر</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>أساسي</translation>
    </message>
    <message>
        <source>All areas</source>
        <translation>كل المناطق</translation>
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
        <translation>هذا ليس ملفًا.</translation>
    </message>
    <message>
        <source>There is nothing to write.</source>
        <translation>لا يوجد شيء لكتابته.</translation>
    </message>
    <message>
        <source>The file is not a project.</source>
        <translation>الملف ليس مشروعًا.</translation>
    </message>
    <message>
        <source>The project was written by a newer version of the program.</source>
        <translation>تمت كتابة المشروع بإصدار أحدث من البرنامج.</translation>
    </message>
    <message>
        <source>The project has no valid id.</source>
        <translation>لا يحتوي المشروع على معرّف صالح.</translation>
    </message>
    <message>
        <source>The file holds too many values in a list.</source>
        <translation>يحتوي الملف على عدد كبير جدًا من القيم في قائمة.</translation>
    </message>
    <message>
        <source>A device holds two commands with the same id.</source>
        <translation>يحتوي جهاز على أمرين بالمعرّف نفسه.</translation>
    </message>
    <message>
        <source>A device holds more commands than allowed.</source>
        <translation>يحتوي جهاز على أوامر أكثر من المسموح به.</translation>
    </message>
    <message>
        <source>A device has no valid id.</source>
        <translation>لا يحتوي جهاز على معرّف صالح.</translation>
    </message>
    <message>
        <source>Two devices have the same id %1.</source>
        <translation>يوجد جهازان بالمعرّف نفسه %1.</translation>
    </message>
    <message>
        <source>The file holds too many devices.</source>
        <translation>يحتوي الملف على عدد كبير جدًا من الأجهزة.</translation>
    </message>
    <message>
        <source>The file does not hold user settings.</source>
        <translation>لا يحتوي الملف على إعدادات المستخدم.</translation>
    </message>
    <message>
        <source>The user settings were written by a newer version of the program.</source>
        <translation>تمت كتابة إعدادات المستخدم بإصدار أحدث من البرنامج.</translation>
    </message>
    <message>
        <source>The file holds too many favourites.</source>
        <translation>يحتوي الملف على عدد كبير جدًا من المفضلات.</translation>
    </message>
    <message>
        <source>The file holds too many entries.</source>
        <translation>يحتوي الملف على عدد كبير جدًا من الإدخالات.</translation>
    </message>
    <message>
        <source>The user settings &quot;%1&quot; cannot be read: %2</source>
        <translation>تعذرت قراءة إعدادات المستخدم &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The user settings cannot be saved to &quot;%1&quot;: %2</source>
        <translation>تعذر حفظ إعدادات المستخدم في &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <source>Invalid value &quot;%1&quot; for &quot;%2&quot;.</source>
        <translation>قيمة غير صالحة &quot;%1&quot; لـ &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The text of &quot;%1&quot; is too long.</source>
        <translation>نص &quot;%1&quot; طويل جدًا.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>تعذر فتح &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large.</source>
        <translation>الملف &quot;%1&quot; كبير جدًا.</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be read: %2</source>
        <translation>تعذرت قراءة المشروع &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The project cannot be saved to &quot;%1&quot;: %2</source>
        <translation>تعذر حفظ المشروع في &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Dimmer 100 levels</source>
        <translation>معتِّم بـ 100 مستوى</translation>
    </message>
    <message>
        <source>Dimmer 10 levels</source>
        <translation>معتِّم بـ 10 مستويات</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>مفتاح</translation>
    </message>
    <message>
        <source>Dimmer 10 levels (DALI)</source>
        <translation>معتِّم بـ 10 مستويات (DALI)</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>مصراع</translation>
    </message>
    <message>
        <source>Curtain</source>
        <translation>ستارة</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>سيناريو</translation>
    </message>
    <message>
        <source>Scenario PLUS</source>
        <translation>سيناريو PLUS</translation>
    </message>
    <message>
        <source>Scheduled scenario</source>
        <translation>سيناريو مجدول</translation>
    </message>
    <message>
        <source>External probe</source>
        <translation>مجس خارجي</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>مجس</translation>
    </message>
    <message>
        <source>Zone (99-zone central unit)</source>
        <translation>منطقة (وحدة مركزية لـ 99 منطقة)</translation>
    </message>
    <message>
        <source>Zone (4-zone central unit)</source>
        <translation>منطقة (وحدة مركزية لـ 4 مناطق)</translation>
    </message>
    <message>
        <source>Air conditioner (basic)</source>
        <translation>مكيف هواء (أساسي)</translation>
    </message>
    <message>
        <source>Air conditioner (advanced)</source>
        <translation>مكيف هواء (متقدم)</translation>
    </message>
    <message>
        <source>Light sensor</source>
        <translation>حساس إضاءة</translation>
    </message>
    <message>
        <source>Presence sensor</source>
        <translation>حساس وجود</translation>
    </message>
    <message>
        <source>Light and presence sensor</source>
        <translation>حساس إضاءة ووجود</translation>
    </message>
    <message>
        <source>Web server</source>
        <translation>خادم ويب</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Track player</source>
        <translation>مشغل مقاطع</translation>
    </message>
    <message>
        <source>Amplifier</source>
        <translation>مضخم صوت</translation>
    </message>
    <message>
        <source>Media player</source>
        <translation>مشغل وسائط</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>الكهرباء</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>المياه</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>الغاز</translation>
    </message>
    <message>
        <source>Domestic hot water</source>
        <translation>الماء الساخن المنزلي</translation>
    </message>
    <message>
        <source>Heating or cooling</source>
        <translation>التدفئة أو التبريد</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>حِمل</translation>
    </message>
    <message>
        <source>Load with energy meter</source>
        <translation>حِمل مع عداد طاقة</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>غير معروف (%1)</translation>
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
        <translation>الإنتاج</translation>
    </message>
    <message>
        <source>Consumption</source>
        <translation>الاستهلاك</translation>
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
        <translation>إيقاف التشغيل</translation>
    </message>
    <message>
        <source>GEN</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>AMB</source>
        <translation>منطقة</translation>
    </message>
    <message>
        <source>GR</source>
        <translation>مجموعة</translation>
    </message>
    <message>
        <source>Device &quot;%1&quot;: %2</source>
        <translation>الجهاز &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The project contains errors and cannot be used. Open it in the Configurator to correct them.</source>
        <translation>يحتوي المشروع على أخطاء ولا يمكن استخدامه. افتحه في أداة التهيئة (Configurator) لتصحيحها.</translation>
    </message>
    <message>
        <source>The project has no gateway.</source>
        <translation>لا يحتوي المشروع على بوابة.</translation>
    </message>
    <message>
        <source>Several gateways use the IP address %1.</source>
        <translation>تستخدم عدة بوابات عنوان IP ‏%1.</translation>
    </message>
    <message>
        <source>Several gateways use the univocal code %1.</source>
        <translation>تستخدم عدة بوابات الرمز الفريد %1.</translation>
    </message>
    <message>
        <source>the IP address &quot;%1&quot; is not valid.</source>
        <translation>عنوان IP ‏&quot;%1&quot; غير صالح.</translation>
    </message>
    <message>
        <source>the IP address is not set.</source>
        <translation>لم يتم ضبط عنوان IP.</translation>
    </message>
    <message>
        <source>the univocal code is not set.</source>
        <translation>لم يتم ضبط الرمز الفريد.</translation>
    </message>
    <message>
        <source>the password must have 5 to 9 digits.</source>
        <translation>يجب أن تتكون كلمة المرور من 5 إلى 9 أرقام.</translation>
    </message>
    <message>
        <source>the description is empty.</source>
        <translation>الوصف فارغ.</translation>
    </message>
    <message>
        <source>the address is not valid.</source>
        <translation>العنوان غير صالح.</translation>
    </message>
    <message>
        <source>the group %1 is not valid.</source>
        <translation>المجموعة %1 غير صالحة.</translation>
    </message>
    <message>
        <source>the device belongs to more than %1 groups.</source>
        <translation>ينتمي الجهاز إلى أكثر من %1 من المجموعات.</translation>
    </message>
    <message>
        <source>the unit does not suit the meter.</source>
        <translation>الوحدة لا تناسب العداد.</translation>
    </message>
    <message>
        <source>the tariff is out of range.</source>
        <translation>التعرفة خارج النطاق المسموح به.</translation>
    </message>
    <message>
        <source>the scenario number must be between %1 and %2.</source>
        <translation>يجب أن يكون رقم السيناريو بين %1 و%2.</translation>
    </message>
    <message>
        <source>the level must be between %1 and %2.</source>
        <translation>يجب أن يكون المستوى بين %1 و%2.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not set.</source>
        <translation>لم يتم ضبط عنوان الأمر %1.</translation>
    </message>
    <message>
        <source>the address of the %1 command is not valid.</source>
        <translation>عنوان الأمر %1 غير صالح.</translation>
    </message>
    <message>
        <source>the push button of the %1 command must be between 0 and %2.</source>
        <translation>يجب أن يكون زر الضغط للأمر %1 بين 0 و%2.</translation>
    </message>
    <message>
        <source>the temperatures (minimum %1, maximum %2, step %3) must lie between %4 and %5, the minimum below the maximum.</source>
        <translation>يجب أن تقع درجات الحرارة (الحد الأدنى %1، الحد الأقصى %2، الخطوة %3) بين %4 و%5، مع كون الحد الأدنى أقل من الحد الأقصى.</translation>
    </message>
    <message>
        <source>the device has more than %1 commands.</source>
        <translation>يحتوي الجهاز على أكثر من %1 من الأوامر.</translation>
    </message>
    <message>
        <source>the address of the OFF command is not valid.</source>
        <translation>عنوان أمر الإيقاف (OFF) غير صالح.</translation>
    </message>
    <message>
        <source>the address of the command &quot;%1&quot; is not valid.</source>
        <translation>عنوان الأمر &quot;%1&quot; غير صالح.</translation>
    </message>
    <message>
        <source>The project holds %1 devices of one kind; at most %2 are allowed.</source>
        <translation>يحتوي المشروع على %1 من الأجهزة من نوع واحد؛ والحد الأقصى المسموح به هو %2.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: %2 sound sources, at most %3 are allowed.</source>
        <translation>البوابة &quot;%1&quot;: %2 من مصادر الصوت، والحد الأقصى المسموح به هو %3.</translation>
    </message>
    <message>
        <source>Gateway &quot;%1&quot;: several sound sources use the address %2.</source>
        <translation>البوابة &quot;%1&quot;: تستخدم عدة مصادر صوت العنوان %2.</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>الحساسات</translation>
    </message>
    <message>
        <source>Energy data</source>
        <translation>بيانات الطاقة</translation>
    </message>
    <message>
        <source>Plant list</source>
        <translation>قائمة المنشآت</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1، الصف %2</translation>
    </message>
    <message>
        <source>the device at %1</source>
        <translation>الجهاز في %1</translation>
    </message>
    <message>
        <source>The device at %1: %2</source>
        <translation>الجهاز في %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>The address %1 is shared by %2.</source>
        <translation>تستخدم عدة أجهزة العنوان %1‏: %2.</translation>
    </message>
</context>
</TS>
