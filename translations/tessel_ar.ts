<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="zh_CN">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Velmora account</source>
        <translation>حساب Velmora</translation>
    </message>
    <message>
        <source>Account &amp; subscription</source>
        <translation>الحساب والاشتراك</translation>
    </message>
    <message>
        <source>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</source>
        <translation>جميع أدوات PDF متاحة حاليًا لكل المستخدمين. تسجيل الدخول يقتصر على مزامنة حالة حسابك واشتراكك.</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>Create account</source>
        <translation>إنشاء حساب</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>تحديث الحالة</translation>
    </message>
    <message>
        <source>Manage subscription</source>
        <translation>إدارة الاشتراك</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>جارٍ تسجيل الدخول...</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>تم تسجيل الدخول باسم %1</translation>
    </message>
    <message>
        <source>Subscription active (%1)</source>
        <translation>الاشتراك نشط (%1)</translation>
    </message>
    <message>
        <source>. Current period ends %1.</source>
        <translation>. تنتهي الفترة الحالية في %1.</translation>
    </message>
    <message>
        <source>Free account. All tools remain available during the current open-access period.</source>
        <translation>حساب مجاني. تظل جميع الأدوات متاحة خلال فترة الوصول المفتوح الحالية.</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Enter your email address and password.</source>
        <translation>أدخل بريدك الإلكتروني وكلمة المرور.</translation>
    </message>
    <message>
        <source>The account service address is not secure. Only https addresses are allowed.</source>
        <translation>عنوان خدمة الحساب غير آمن. يُسمح بعناوين https فقط.</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Please sign in again.</source>
        <translation>انتهت صلاحية تسجيل دخولك. يُرجى تسجيل الدخول مرة أخرى.</translation>
    </message>
    <message>
        <source>The account service redirected to an address that is not allowed.</source>
        <translation>أعادت خدمة الحساب التوجيه إلى عنوان غير مسموح به.</translation>
    </message>
    <message>
        <source>The account service returned incomplete account information.</source>
        <translation>أعادت خدمة الحساب معلومات حساب غير مكتملة.</translation>
    </message>
    <message>
        <source>The account service returned an invalid session.</source>
        <translation>أعادت خدمة الحساب جلسة غير صالحة.</translation>
    </message>
    <message>
        <source>The account service returned an invalid response.</source>
        <translation>أعادت خدمة الحساب استجابة غير صالحة.</translation>
    </message>
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
    <message>
        <source>%1 B</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 كيلوبايت</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 غيغابايت</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>最近一次编辑</source>
        <translation>آخر تعديل</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>简体中文</source>
        <translation>الصينية المبسطة</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>الفرنسية</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>الإسبانية</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>اليابانية</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>إعدادات اللغة</translation>
    </message>
    <message>
        <source>选择 Velmora 的界面语言</source>
        <translation>اختر لغة واجهة Velmora</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>切换语言？</source>
        <translation>تغيير اللغة؟</translation>
    </message>
    <message>
        <source>界面语言将切换为“%1”。</source>
        <translation>ستتغيّر لغة الواجهة إلى «%1».</translation>
    </message>
    <message>
        <source>当前打开的工具标签页将关闭。</source>
        <translation>سيتم إغلاق علامات تبويب الأدوات المفتوحة.</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <source>无法切换语言</source>
        <translation>تعذّر تغيير اللغة</translation>
    </message>
    <message>
        <source>未能加载所选语言的翻译文件。</source>
        <translation>تعذّر تحميل ملف الترجمة للغة المحددة.</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>首页</source>
        <translation>البداية</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>ضغط PDF</translation>
    </message>
    <message>
        <source>PDF转为Office</source>
        <translation>‏PDF إلى Office</translation>
    </message>
    <message>
        <source>Office转为PDF</source>
        <translation>‏Office إلى PDF</translation>
    </message>
    <message>
        <source>图像转PDF</source>
        <translation>صور إلى PDF</translation>
    </message>
    <message>
        <source>PDF转为图像</source>
        <translation>‏PDF إلى صور</translation>
    </message>
    <message>
        <source>PDF解密</source>
        <translation>إلغاء قفل PDF</translation>
    </message>
    <message>
        <source>PDF加密</source>
        <translation>تشفير PDF</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>دمج PDF</translation>
    </message>
</context>
<context>
    <name>ModernComboBox</name>
    <message>
        <source>选择文件夹</source>
        <translation>اختيار مجلد</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>اختيار الموقع...</translation>
    </message>
</context>
<context>
    <name>ModernMessageBox</name>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>عدم الحفظ</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>显示密码</source>
        <translation>إظهار كلمة المرور</translation>
    </message>
    <message>
        <source>隐藏密码</source>
        <translation>إخفاء كلمة المرور</translation>
    </message>
</context>
<context>
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>لا يحتوي ملف PDF هذا على أي صفحات، ولا يمكن إدراجه.</translation>
    </message>
</context>
<context>
    <name>PdfUndoManager</name>
    <message>
        <source>复制页面</source>
        <translation>تكرار الصفحات</translation>
    </message>
    <message>
        <source>插入空白页</source>
        <translation>إدراج صفحة فارغة</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>إدراج PDF</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>حذف الصفحات</translation>
    </message>
    <message>
        <source>向左旋转页面</source>
        <translation>تدوير الصفحات إلى اليسار</translation>
    </message>
    <message>
        <source>向右旋转页面</source>
        <translation>تدوير الصفحات إلى اليمين</translation>
    </message>
    <message>
        <source>移动页面</source>
        <translation>نقل الصفحات</translation>
    </message>
</context>
<context>
    <name>RecentFileListView</name>
    <message>
        <source>未找到匹配的文件</source>
        <translation>لا توجد ملفات مطابقة</translation>
    </message>
    <message>
        <source>请尝试其他关键词</source>
        <translation>جرّب كلمات بحث أخرى</translation>
    </message>
    <message>
        <source>暂无最近文件</source>
        <translation>لا توجد ملفات حديثة</translation>
    </message>
    <message>
        <source>打开的 PDF 文件会显示在这里</source>
        <translation>ستظهر هنا ملفات PDF التي تفتحها</translation>
    </message>
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>البحث في الملفات</translation>
    </message>
</context>
<context>
    <name>SideNavigationBar</name>
    <message>
        <source> 打开</source>
        <translation> فتح</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>全部文档</source>
        <translation>كل المستندات</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>ضغط PDF</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>‏PDF إلى Office</translation>
    </message>
    <message>
        <source>Office 转为 PDF</source>
        <translation>‏Office إلى PDF</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>‏PDF إلى صور</translation>
    </message>
    <message>
        <source>图像转 PDF</source>
        <translation>صور إلى PDF</translation>
    </message>
    <message>
        <source>加密PDF</source>
        <translation>تشفير PDF</translation>
    </message>
    <message>
        <source>解锁PDF</source>
        <translation>إلغاء قفل PDF</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>دمج PDF</translation>
    </message>
    <message>
        <source>打开 PDF 文件</source>
        <translation>فتح ملف PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Sign in</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>إعدادات اللغة</translation>
    </message>
    <message>
        <source>Account and subscription</source>
        <translation>الحساب والاشتراك</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
</TS>
