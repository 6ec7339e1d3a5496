<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA">
<context>
    <name>BoolComboBox</name>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataTariffControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>بيانات الطاقة: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyDataViewControl</name>
    <message>
        <source>Energy data: %1</source>
        <translation>بيانات الطاقة: %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>ساعات</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>أيام</translation>
    </message>
    <message>
        <source>Tot: %1 %2</source>
        <translation>الإجمالي: %1 %2</translation>
    </message>
    <message>
        <source>Inst: %1 %2</source>
        <translation>اللحظي: %1 %2</translation>
    </message>
    <message>
        <source>Avg: %1 %2</source>
        <translation>المتوسط: %1 %2</translation>
    </message>
    <message>
        <source>%1 updated to %2</source>
        <translation>%1 - محدّثة حتى %2</translation>
    </message>
    <message>
        <source>Data %1 updated to %2</source>
        <translation>بيانات %1 محدّثة حتى %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>شهر</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>لا توجد بيانات</translation>
    </message>
    <message>
        <source>Loading data %p%. Please wait...</source>
        <translation>جارٍ تحميل البيانات %p%. يرجى الانتظار...</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::EnergyTimespanEdit</name>
    <message>
        <source>Last 12 months</source>
        <translation>آخر 12 شهرًا</translation>
    </message>
    <message>
        <source>Previous 12 months</source>
        <translation>الأشهر الـ 12 السابقة</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::InfoControl</name>
    <message>
        <source>Configure</source>
        <translation>تهيئة</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::LoadManagementDataControl</name>
    <message>
        <source>Load data: %1</source>
        <translation>بيانات الحمل: %1</translation>
    </message>
    <message>
        <source>Instant consumption: %1 %2</source>
        <translation>الاستهلاك اللحظي: %1 %2</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>آخر تحديث: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>منذ %1</translation>
    </message>
    <message>
        <source>Counter %1 (%2): %3</source>
        <translation>العداد %1 (%2): %3</translation>
    </message>
    <message>
        <source>Energy consumption statistics not supported!</source>
        <translation>إحصاءات استهلاك الطاقة غير مدعومة!</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::Models::EnergyDataTariffModel</name>
    <message>
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>الوحدة</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinBrowser</name>
    <message>
        <source>Skins not offered:</source>
        <translation>السمات غير المعروضة:</translation>
    </message>
    <message>
        <source>Not offered: %1</source>
        <translation>غير معروضة: %1</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinFileCheck</name>
    <message>
        <source>holds %1 bytes, more than the %2 bytes an SVG document may have</source>
        <translation>يحتوي على %1 بايت، وهذا أكثر من %2 بايت المسموح بها لمستند SVG</translation>
    </message>
    <message>
        <source>is not an SVG document (its root element is &lt;%1&gt;)</source>
        <translation>ليس مستند SVG (عنصره الجذري هو &lt;%1&gt;)</translation>
    </message>
    <message>
        <source>links a style sheet outside the document</source>
        <translation>يربط ورقة أنماط خارج المستند</translation>
    </message>
    <message>
        <source>is not a well-formed SVG document (line %1: %2)</source>
        <translation>ليس مستند SVG سليم البنية (السطر %1: %2)</translation>
    </message>
    <message>
        <source>is not an SVG document</source>
        <translation>ليس مستند SVG</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot; outside the skin</source>
        <translation>يشير إلى &quot;%1&quot; خارج السمة</translation>
    </message>
    <message>
        <source>refers to &quot;%1&quot;, which is not a file of the skin</source>
        <translation>يشير إلى &quot;%1&quot;، وهو ليس ملفًا من ملفات السمة</translation>
    </message>
    <message>
        <source>is not a picture</source>
        <translation>ليس صورة</translation>
    </message>
    <message>
        <source>is an SVG document, not a bitmap</source>
        <translation>مستند SVG وليس صورة نقطية</translation>
    </message>
    <message>
        <source>is not a readable picture (%1)</source>
        <translation>ليس صورة قابلة للقراءة (%1)</translation>
    </message>
    <message>
        <source>holds a %1 x %2 pixel picture, more than the %3 pixels a picture may have</source>
        <translation>يحتوي على صورة بحجم %1 × %2 بكسل، وهذا أكثر من %3 بكسل المسموح بها للصورة</translation>
    </message>
    <message>
        <source>embeds a compressed SVG document</source>
        <translation>يتضمن مستند SVG مضغوطًا</translation>
    </message>
    <message>
        <source>declares the external entity &quot;%1&quot;</source>
        <translation>يعلن عن الكيان الخارجي &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SkinPreview</name>
    <message>
        <source>%1 is not a skin zip file</source>
        <translation>%1 ليس ملف zip لسمة</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::SplashScreen</name>
    <message>
        <source>Copyright Talvera. All rights reserved.</source>
        <translation>حقوق النشر Talvera. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Copyright Corvane. All rights reserved.</source>
        <translation>حقوق النشر Corvane. جميع الحقوق محفوظة.</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::ThemeResourceValidator</name>
    <message>
        <source>is a document the SVG renderer refuses</source>
        <translation>مستند يرفضه عارض SVG</translation>
    </message>
    <message>
        <source>Cannot open the skin %1: %2</source>
        <translation>تعذر فتح السمة %1: %2</translation>
    </message>
    <message>
        <source>Required file %1 missing in %2</source>
        <translation>الملف المطلوب %1 مفقود في %2</translation>
    </message>
    <message>
        <source>Required file %1 in %2 cannot be read: %3</source>
        <translation>تعذرت قراءة الملف المطلوب %1 في %2: %3</translation>
    </message>
    <message>
        <source>Required file %1 in %2 %3</source>
        <translation>الملف المطلوب %1 في %2 %3</translation>
    </message>
</context>
<context>
    <name>Corvane::Gadgets::WebServerDataControl</name>
    <message>
        <source>WebServer info: %1</source>
        <translation>معلومات خادم الويب: %1</translation>
    </message>
    <message>
        <source>Device code</source>
        <translation>رمز الجهاز</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>إصدار البرنامج الثابت</translation>
    </message>
    <message>
        <source>Address type</source>
        <translation>نوع العنوان</translation>
    </message>
    <message>
        <source>Univocal Code</source>
        <translation>الرمز الفريد</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>قناع الشبكة الفرعية</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>عنوان MAC</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>مدة التشغيل</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Link web</source>
        <translation>رابط الويب</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>IP ثابت</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>h</source>
        <translation>س</translation>
    </message>
    <message>
        <source>m</source>
        <translation>د</translation>
    </message>
    <message>
        <source>s</source>
        <translation>ث</translation>
    </message>
    <message>
        <source>d</source>
        <translation>ي</translation>
    </message>
</context>
<context>
    <name>TemperatureUnitComboBox</name>
    <message>
        <source>Celsius (%1C)</source>
        <translation>مئوية (%1C)</translation>
    </message>
    <message>
        <source>Fahrenheit (%1F)</source>
        <translation>فهرنهايت (%1F)</translation>
    </message>
</context>
<context>
    <name>UserConfigurationAreaDialog</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>تجريبي</translation>
    </message>
    <message>
        <source>Needs a desktop that shows translucent windows (a compositing manager)</source>
        <translation>يتطلب سطح مكتب يعرض النوافذ شبه الشفافة (مدير تركيب النوافذ)</translation>
    </message>
    <message>
        <source>User configuration area</source>
        <translation>إعدادات المستخدم</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>المشروع:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>Reload default</source>
        <translation>إعادة تحميل المشروع الافتراضي</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>تغيير اللغة</translation>
    </message>
    <message>
        <source>Gadget dimension</source>
        <translation>حجم الأداة</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>الأدنى</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>الأقصى</translation>
    </message>
    <message>
        <source>Gadget transparency</source>
        <translation>شفافية الأداة</translation>
    </message>
    <message>
        <source>Hide labels after (sec.)</source>
        <translation>إخفاء التسميات بعد (ث)</translation>
    </message>
    <message>
        <source>Go homepage after (sec.)</source>
        <translation>العودة إلى الصفحة الرئيسية بعد (ث)</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>وحدة درجة الحرارة</translation>
    </message>
    <message>
        <source>Launch at startup</source>
        <translation>التشغيل عند بدء تشغيل النظام</translation>
    </message>
    <message>
        <source>Change skin</source>
        <translation>تغيير السمة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>أبدًا</translation>
    </message>
</context>
</TS>
