<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA">
<context>
    <name>Corvane::Updater::QuestionDialog</name>
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
    <name>Corvane::Updater::UpdateManager</name>
    <message>
        <source>Check for update...</source>
        <translation>البحث عن تحديثات...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>جارٍ التنزيل...</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>اختر مجلدًا</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>الملف %1 موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Saving in progress...</source>
        <translation>جارٍ الحفظ...</translation>
    </message>
    <message>
        <source>A new update of the software is available for download. Do you want to download it?</source>
        <translation>يتوفر تحديث جديد للبرنامج للتنزيل. هل تريد تنزيله؟</translation>
    </message>
    <message>
        <source>A new version of the software is available for download. This version has new functions available with last version of firmware of devices installed in the systems.%1Do you want to download it?</source>
        <translation>يتوفر إصدار جديد من البرنامج للتنزيل. يتضمن هذا الإصدار وظائف جديدة متاحة مع أحدث إصدار من البرنامج الثابت للأجهزة المثبتة في الأنظمة.%1هل تريد تنزيله؟</translation>
    </message>
    <message>
        <source>The download of the new update of the software has been completed.%1Your new installation kit is in:%1%2</source>
        <translation>اكتمل تنزيل التحديث الجديد للبرنامج.%1توجد حزمة التثبيت الجديدة في:%1%2</translation>
    </message>
    <message>
        <source>The software %1 is up to date. No updates available.</source>
        <translation>البرنامج %1 محدَّث. لا توجد تحديثات متاحة.</translation>
    </message>
    <message>
        <source>There are no installation kits of the %1 software on the remote server for automatic update.</source>
        <translation>لا توجد حزم تثبيت لبرنامج %1 على الخادم البعيد للتحديث التلقائي.</translation>
    </message>
    <message>
        <source>The network is not available. Please check your internet connection</source>
        <translation>الشبكة غير متاحة. يرجى التحقق من اتصالك بالإنترنت</translation>
    </message>
    <message>
        <source>Unable to contact the remote server for automatic update.</source>
        <translation>تعذر الاتصال بالخادم البعيد للتحديث التلقائي.</translation>
    </message>
    <message>
        <source>Error downloading file from the remote server for automatic update.</source>
        <translation>حدث خطأ أثناء تنزيل الملف من الخادم البعيد للتحديث التلقائي.</translation>
    </message>
    <message>
        <source>Error saving update file.</source>
        <translation>حدث خطأ أثناء حفظ ملف التحديث.</translation>
    </message>
    <message>
        <source>Don&apos;t show this message again</source>
        <translation>عدم إظهار هذه الرسالة مرة أخرى</translation>
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
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
</TS>
