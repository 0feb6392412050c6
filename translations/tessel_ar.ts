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
    <message>
        <source>无法连接账户服务，请检查网络连接。</source>
        <translation>تعذّر الاتصال بخدمة الحساب. يُرجى التحقق من اتصال الشبكة.</translation>
    </message>
    <message>
        <source>账户服务暂时无法完成请求。</source>
        <translation>لا تستطيع خدمة الحساب إكمال الطلب حاليًا.</translation>
    </message>
</context>
<context>
    <name>BatchToolPage</name>
    <message>
        <source>任务仍在运行</source>
        <translation>لا تزال هناك مهام قيد التشغيل</translation>
    </message>
    <message numerus="yes">
        <source>还有 %n 个任务尚未完成。取消后，这些任务不会留下任何输出文件。</source>
        <translation>
            <numerusform>لم تنتهِ %n مهمة بعد. إذا ألغيتها فلن تترك أي ملف ناتج.</numerusform>
            <numerusform>لم تنتهِ %n مهمة بعد. إذا ألغيتها فلن تترك أي ملف ناتج.</numerusform>
            <numerusform>لم تنتهِ %n مهمة بعد. إذا ألغيتها فلن تترك أي ملف ناتج.</numerusform>
            <numerusform>لم تنتهِ %n مهمة بعد. إذا ألغيتها فلن تترك أي ملف ناتج.</numerusform>
            <numerusform>لم تنتهِ %n مهمة بعد. إذا ألغيتها فلن تترك أي ملف ناتج.</numerusform>
            <numerusform>لم تنتهِ %n مهمة بعد. إذا ألغيتها فلن تترك أي ملف ناتج.</numerusform>
        </translation>
    </message>
    <message>
        <source>取消任务</source>
        <translation>إلغاء المهام</translation>
    </message>
    <message>
        <source>继续等待</source>
        <translation>متابعة الانتظار</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>تعذّر الفتح</translation>
    </message>
    <message>
        <source>没有可以打开它的程序。</source>
        <translation>لا يوجد برنامج يمكنه فتحه.</translation>
    </message>
    <message>
        <source>无法创建输出文件夹</source>
        <translation>تعذّر إنشاء مجلد الإخراج</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>阅读 PDF、整理页面并批量处理 PDF 文件。</source>
        <translation>قراءة ملفات PDF وإعادة ترتيب صفحاتها ومعالجة ملفات PDF دفعة واحدة.</translation>
    </message>
    <message>
        <source>显示此帮助并退出。</source>
        <translation>عرض هذه المساعدة والخروج.</translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation>عرض الإصدار والخروج.</translation>
    </message>
    <message>
        <source>第一个文件从第 &lt;页码&gt; 页打开。</source>
        <translation>فتح الملف الأول على الصفحة &lt;صفحة&gt;.</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>صفحة</translation>
    </message>
    <message>
        <source>打开一个新窗口，不把文件交给已在运行的 Velmora。</source>
        <translation>فتح نافذة جديدة بدلًا من تسليم الملفات إلى Velmora قيد التشغيل.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ملفات</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件，可以有多个。</source>
        <translation>ملفات PDF المراد فتحها، ملف واحد أو أكثر.</translation>
    </message>
    <message>
        <source>[文件…]</source>
        <translation>[ملفات…]</translation>
    </message>
    <message>
        <source>页码必须是正整数：%1</source>
        <translation>يجب أن تكون الصفحة عددًا صحيحًا موجبًا: %1</translation>
    </message>
    <message>
        <source>--page 需要一个要打开的文件。</source>
        <translation>‏--page يحتاج إلى ملف لفتحه.</translation>
    </message>
    <message>
        <source>用 --help 查看可用的选项。</source>
        <translation>استخدم ‎--help لعرض الخيارات المتاحة.</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>转换结果写入 &lt;文件夹&gt;。</source>
        <translation>كتابة النتائج في &lt;المجلد&gt;.</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>不支持转换为此格式：%1</source>
        <translation>التحويل إلى هذا التنسيق غير مدعوم: %1</translation>
    </message>
    <message>
        <source>--outdir 需要一个文件夹。</source>
        <translation>يحتاج --outdir إلى مجلد.</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>تعذّر إنشاء المجلد: %1</translation>
    </message>
    <message>
        <source>不打开窗口，把文件转换为 &lt;格式&gt;（pdf、docx、xlsx、pptx）。</source>
        <translation>تحويل الملفات إلى &lt;التنسيق&gt; (pdf وdocx وxlsx وpptx) دون فتح نافذة.</translation>
    </message>
    <message>
        <source>不打开窗口，识别扫描页面的文字，写入可搜索的 PDF。</source>
        <translation>التعرف على نص الصفحات الممسوحة ضوئيًا دون فتح نافذة وكتابة ملف PDF قابل للبحث.</translation>
    </message>
    <message>
        <source>文字识别的语言，例如 eng+chi_sim。</source>
        <translation>لغات التعرف على النص، مثل eng+chi_sim.</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>اللغات</translation>
    </message>
    <message>
        <source>未安装这些语言的识别数据：%1（已安装：%2）</source>
        <translation>لا توجد بيانات تعرف مثبتة لهذه اللغات: %1 (المثبتة: %2)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>不打开窗口，检查文件的数字签名：每个签名一行（文件、字段、签名者、结论）。</source>
        <translation>التحقق من التوقيعات الرقمية للملفات دون فتح نافذة: سطر لكل توقيع (الملف، الحقل، الموقّع، النتيجة).</translation>
    </message>
    <message>
        <source>不打开窗口，为文件签名，写入新文件 &lt;名称&gt;-signed.pdf。证书密码从标准输入或 VELMORA_CERT_PASSWORD 读取。</source>
        <translation>توقيع الملفات دون فتح نافذة وكتابة ملف جديد &lt;الاسم&gt;-signed.pdf. تُقرأ كلمة مرور الشهادة من الإدخال القياسي أو من VELMORA_CERT_PASSWORD.</translation>
    </message>
    <message>
        <source>签名用的证书文件（.p12、.pfx）。</source>
        <translation>ملف الشهادة المستخدم للتوقيع (‎.p12 أو ‎.pfx).</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>الشهادة</translation>
    </message>
    <message>
        <source>要签名的空签名字段。</source>
        <translation>حقل التوقيع الفارغ المراد توقيعه.</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>签名框：x,y,宽,高（磅，从页面左上角算起），与 --page 一起使用。</source>
        <translation>إطار التوقيع: x,y,العرض,الارتفاع (بالنقاط، من الزاوية العلوية اليسرى للصفحة)، ويُستخدم مع ‎--page.</translation>
    </message>
    <message>
        <source>框</source>
        <translation>الإطار</translation>
    </message>
    <message>
        <source>签名的原因。</source>
        <translation>سبب التوقيع.</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>السبب</translation>
    </message>
    <message>
        <source>时间戳服务器的地址（RFC 3161）。</source>
        <translation>عنوان خادم الطابع الزمني (RFC 3161).</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>--verify 不能与 --sign 一起使用。</source>
        <translation>لا يمكن استخدام ‎--verify مع ‎--sign.</translation>
    </message>
    <message>
        <source>--sign 需要要签名的 PDF 文件。</source>
        <translation>يحتاج ‎--sign إلى ملفات PDF المراد توقيعها.</translation>
    </message>
    <message>
        <source>--verify 需要要检查的 PDF 文件。</source>
        <translation>يحتاج ‎--verify إلى ملفات PDF المراد التحقق منها.</translation>
    </message>
    <message>
        <source>--verify 不接受签名的选项。</source>
        <translation>لا يقبل ‎--verify خيارات التوقيع.</translation>
    </message>
    <message>
        <source>--sign 需要 --cert 证书文件。</source>
        <translation>يحتاج ‎--sign إلى ملف شهادة عبر ‎--cert.</translation>
    </message>
    <message>
        <source>--field 不能与 --page 或 --rect 一起使用。</source>
        <translation>لا يمكن استخدام ‎--field مع ‎--page أو ‎--rect.</translation>
    </message>
    <message>
        <source>--page 和 --rect 要一起使用。</source>
        <translation>يجب استخدام ‎--page و‎--rect معًا.</translation>
    </message>
    <message>
        <source>--rect 需要 x,y,宽,高 四个数，宽和高大于 0：%1</source>
        <translation>يحتاج ‎--rect إلى أربعة أرقام x,y,العرض,الارتفاع، على أن يكون العرض والارتفاع أكبر من 0: %1</translation>
    </message>
    <message>
        <source>--%1 只能与 --sign 一起使用。</source>
        <translation>لا يمكن استخدام ‎--%1 إلا مع ‎--sign.</translation>
    </message>
    <message>
        <source>证书文件不存在：%1</source>
        <translation>ملف الشهادة غير موجود: %1</translation>
    </message>
    <message>
        <source>没有可用的显示器：窗口需要图形会话（DISPLAY 或 WAYLAND_DISPLAY）。命令行功能无需显示器，见 --help。</source>
        <translation>لا تتوفر شاشة عرض: تحتاج النافذة إلى جلسة رسومية (DISPLAY أو WAYLAND_DISPLAY). تعمل وظائف سطر الأوامر بدونها؛ راجع --help.</translation>
    </message>
    <message>
        <source>从 VELMORA_PASSWORD 或标准输入的第一行读取密码：--encrypt 的新密码，--unlock 和其他工具打开文件用的密码。</source>
        <translation>قراءة كلمة مرور من VELMORA_PASSWORD أو من السطر الأول من الإدخال القياسي: كلمة المرور الجديدة لـ ‎--encrypt، وكلمة المرور التي تفتح الملفات لـ ‎--unlock والأدوات الأخرى.</translation>
    </message>
    <message>
        <source>%1 不能与 %2 一起使用。</source>
        <translation>لا يمكن استخدام ‎%1 مع ‎%2.</translation>
    </message>
    <message>
        <source>%1 只能与 %2 一起使用。</source>
        <translation>لا يمكن استخدام ‎%1 إلا مع ‎%2.</translation>
    </message>
    <message>
        <source>%1 需要一个值。</source>
        <translation>يحتاج ‎%1 إلى قيمة.</translation>
    </message>
    <message>
        <source>%1 只能是 %2：%3</source>
        <translation>يجب أن تكون قيمة ‎%1 إحدى ‎%2: %3</translation>
    </message>
    <message>
        <source>%1 需要要处理的文件。</source>
        <translation>يحتاج ‎%1 إلى الملفات المراد معالجتها.</translation>
    </message>
    <message>
        <source>%1 需要 --password。</source>
        <translation>يحتاج ‎%1 إلى ‎--password.</translation>
    </message>
    <message>
        <source>不打开窗口，压缩 PDF 文件，写入新文件。</source>
        <translation>ضغط ملفات PDF دون فتح نافذة وكتابة ملفات جديدة.</translation>
    </message>
    <message>
        <source>不打开窗口，把 PDF 的每一页存为图像，每个文件一个文件夹。</source>
        <translation>حفظ كل صفحة من ملفات PDF كصورة دون فتح نافذة، مجلد لكل ملف.</translation>
    </message>
    <message>
        <source>不打开窗口，把图像（JPEG、PNG）转为 PDF。</source>
        <translation>تحويل الصور (JPEG، PNG) إلى PDF دون فتح نافذة.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码保护 PDF 文件，写入新文件。</source>
        <translation>حماية ملفات PDF بكلمة المرور المعطاة بـ ‎--password دون فتح نافذة وكتابة ملفات جديدة.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码去除 PDF 文件的保护，写入新文件。</source>
        <translation>إزالة حماية ملفات PDF بكلمة المرور المعطاة بـ ‎--password دون فتح نافذة وكتابة ملفات جديدة.</translation>
    </message>
    <message>
        <source>不打开窗口，按给出的顺序把 PDF 文件合并为一个。</source>
        <translation>دمج ملفات PDF في ملف واحد بالترتيب المعطى دون فتح نافذة.</translation>
    </message>
    <message>
        <source>压缩程度：basic（默认）或 strong。</source>
        <translation>مستوى الضغط: basic (الافتراضي) أو strong.</translation>
    </message>
    <message>
        <source>程度</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>图像格式：jpg（默认）或 png。</source>
        <translation>تنسيق الصورة: jpg (الافتراضي) أو png.</translation>
    </message>
    <message>
        <source>所有图像写入一个 PDF。</source>
        <translation>كتابة كل الصور في ملف PDF واحد.</translation>
    </message>
    <message>
        <source>页面大小：a4（默认）或 letter。</source>
        <translation>حجم الصفحة: a4 (الافتراضي) أو letter.</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>页边距：none（默认）、narrow 或 wide。</source>
        <translation>الهوامش: none (الافتراضي) أو narrow أو wide.</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>الهوامش</translation>
    </message>
    <message>
        <source>页面方向：portrait（默认）或 landscape。</source>
        <translation>اتجاه الصفحة: portrait (الافتراضي) أو landscape.</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>在文件之间插入一页空白页。</source>
        <translation>إدراج صفحة فارغة بين الملفات.</translation>
    </message>
    <message>
        <source>已有文字的页面也重新识别。</source>
        <translation>التعرف أيضًا على الصفحات التي تحتوي على نص بالفعل.</translation>
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
    <name>CustomTabWidget</name>
    <message>
        <source>全部标签页</source>
        <translation>كل علامات التبويب</translation>
    </message>
</context>
<context>
    <name>FileDropZoneWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>اختيار ملفات PDF</translation>
    </message>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>أضف ملفات PDF أو اسحبها وأفلتها من سطح المكتب لبدء التحويل.</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>إضافة ملفات</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
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
    <name>FileListItem</name>
    <message>
        <source>拖动排序</source>
        <translation>اسحب لإعادة الترتيب</translation>
    </message>
</context>
<context>
    <name>FileListWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>اختيار ملفات PDF</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>إضافة ملفات</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>مسح الكل</translation>
    </message>
</context>
<context>
    <name>FileLocationSelector</name>
    <message>
        <source>文件保存位置</source>
        <translation>موقع حفظ الملفات</translation>
    </message>
    <message>
        <source>原始文件夹</source>
        <translation>المجلد الأصلي</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>سطح المكتب</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>المستندات</translation>
    </message>
    <message>
        <source>自定义文件夹</source>
        <translation>مجلد مخصص</translation>
    </message>
    <message>
        <source>选择其他文件夹…</source>
        <translation>اختيار مجلد آخر…</translation>
    </message>
    <message>
        <source>选择文件保存位置</source>
        <translation>اختيار موقع حفظ الملفات</translation>
    </message>
</context>
<context>
    <name>FileProtectionCheck</name>
    <message>
        <source>更改“%1”的保护需要所有者密码，请输入：</source>
        <translation>يتطلب تغيير حماية «%1» كلمة مرور المالك. أدخلها:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>الملف «%1» مشفّر. أدخل كلمة المرور:</translation>
    </message>
    <message>
        <source>密码错误，请重试。</source>
        <translation>كلمة المرور غير صحيحة. حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>كلمة المرور مطلوبة</translation>
    </message>
</context>
<context>
    <name>FileSizeText</name>
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
</context>
<context>
    <name>ImageToPdfOptionsPanel</name>
    <message>
        <source>图像转PDF</source>
        <translation>صور إلى PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>حجم الصفحة</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter(US)</source>
        <translation>Letter(US)</translation>
    </message>
    <message>
        <source>页边距选项</source>
        <translation>خيارات الهوامش</translation>
    </message>
    <message>
        <source>无</source>
        <translation>بلا</translation>
    </message>
    <message>
        <source>窄</source>
        <translation>ضيقة</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>واسعة</translation>
    </message>
    <message>
        <source>页面方向</source>
        <translation>اتجاه الصفحة</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>خيارات إضافية</translation>
    </message>
    <message>
        <source>转换为单个PDF</source>
        <translation>تحويل إلى ملف PDF واحد</translation>
    </message>
    <message>
        <source>每张图像都将保存为单个PDF</source>
        <translation>سيتم حفظ كل الصور في ملف PDF واحد</translation>
    </message>
</context>
<context>
    <name>ImageToPdfPage</name>
    <message>
        <source>添加或拖拽图像文件进行转换。</source>
        <translation>أضف ملفات الصور أو اسحبها وأفلتها لتحويلها.</translation>
    </message>
    <message>
        <source>图像文件 (*.jpg *.jpeg *.png)</source>
        <translation>ملفات الصور (*.jpg *.jpeg *.png)</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>اختيار الصور</translation>
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
    <message>
        <source>%1（未保存）</source>
        <translation>‏%1 (غير محفوظ)</translation>
    </message>
    <message>
        <source>只打开了 PDF 文件</source>
        <translation>تم فتح ملفات PDF فقط</translation>
    </message>
    <message>
        <source>以下文件不是 PDF，未打开：</source>
        <translation>هذه الملفات ليست ملفات PDF ولم تُفتح:</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>تعذر فتح الملف</translation>
    </message>
    <message>
        <source>以下路径不存在，或不是文件：</source>
        <translation>هذه المسارات غير موجودة أو ليست ملفات:</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>حفظ التغييرات</translation>
    </message>
    <message>
        <source>以下文档有未保存的修改，切换前是否保存？</source>
        <translation>تحتوي المستندات التالية على تغييرات غير محفوظة. هل تريد حفظها قبل التبديل؟</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>حفظ الكل</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>عدم الحفظ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>التعرف على النص</translation>
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
    <name>OfficeToPdfOptionsPanel</name>
    <message>
        <source>Office转为PDF</source>
        <translation>‏Office إلى PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>将 Word、PowerPoint 和 Excel 文件转换为 PDF</source>
        <translation>تحويل ملفات Word وPowerPoint وExcel إلى PDF</translation>
    </message>
    <message>
        <source>未找到 LibreOffice</source>
        <translation>لم يتم العثور على LibreOffice</translation>
    </message>
    <message>
        <source>请从 libreoffice.org 下载并安装 LibreOffice。</source>
        <translation>نزّل LibreOffice وثبّته من libreoffice.org.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</source>
        <translation>للتثبيت: sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，无法转换 Office 文件。</source>
        <translation>لم يتم العثور على LibreOffice، لذا لا يمكن تحويل ملفات Office.</translation>
    </message>
</context>
<context>
    <name>OfficeToPdfPage</name>
    <message>
        <source>添加或拖拽文件进行转换。</source>
        <translation>أضف الملفات أو اسحبها وأفلتها لتحويلها.</translation>
    </message>
    <message>
        <source>Office 文件 (%1)</source>
        <translation>ملفات Office (%1)</translation>
    </message>
    <message>
        <source>选择 Office 文件</source>
        <translation>اختيار ملفات Office</translation>
    </message>
</context>
<context>
    <name>OutputLocationChoice</name>
    <message>
        <source>原始文件</source>
        <translation>موقع الملف الأصلي</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>سطح المكتب</translation>
    </message>
    <message>
        <source>Velmora文件</source>
        <translation>ملفات Velmora</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>اختيار الموقع...</translation>
    </message>
    <message>
        <source>路径中有一个同名的文件：%1</source>
        <translation>يوجد ملف بالاسم نفسه في المسار: %1</translation>
    </message>
    <message>
        <source>没有在此创建文件夹的权限：%1</source>
        <translation>لا يوجد إذن لإنشاء مجلد هنا: %1</translation>
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
    <name>PdfAnnotationLayer</name>
    <message>
        <source>所选批注的样式</source>
        <translation>نمط التعليق المحدد</translation>
    </message>
    <message>
        <source>%1工具的样式</source>
        <translation>نمط أداة %1</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationMenu</name>
    <message>
        <source>编辑文字</source>
        <translation>تعديل النص</translation>
    </message>
    <message>
        <source>编辑批注文字</source>
        <translation>تعديل نص التعليق</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>حذف التعليق</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationModel</name>
    <message>
        <source>添加批注</source>
        <translation>إضافة تعليق</translation>
    </message>
    <message>
        <source>编辑批注</source>
        <translation>تعديل التعليق</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>حذف التعليق</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>تمييز</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>يتوسطه خط</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>ملاحظة لاصقة</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>مربع نص</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>رسم حر</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>شكل بيضاوي</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>سهم</translation>
    </message>
    <message>
        <source>其他批注</source>
        <translation>تعليق آخر</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationStyleMenu</name>
    <message>
        <source>红色</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>自定义…</source>
        <translation>مخصص…</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>اختيار اللون</translation>
    </message>
    <message>
        <source>填充</source>
        <translation>التعبئة</translation>
    </message>
    <message>
        <source>无填充</source>
        <translation>بلا تعبئة</translation>
    </message>
    <message>
        <source>线宽：%1 磅</source>
        <translation>سمك الخط: %1 نقطة</translation>
    </message>
    <message>
        <source>%1 磅</source>
        <translation>‏%1 نقطة</translation>
    </message>
    <message>
        <source>线型：虚线</source>
        <translation>نوع الخط: متقطع</translation>
    </message>
    <message>
        <source>线型：实线</source>
        <translation>نوع الخط: متصل</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>متصل</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>متقطع</translation>
    </message>
    <message>
        <source>字号：%1 磅</source>
        <translation>حجم الخط: %1 نقطة</translation>
    </message>
    <message>
        <source>不透明度：%1%</source>
        <translation>العتامة: %1%</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationTextEditor</name>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>保存文字 (Ctrl+Enter)</source>
        <translation>حفظ النص (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>输入批注…</source>
        <translation>اكتب تعليقًا…</translation>
    </message>
</context>
<context>
    <name>PdfBottomControlBar</name>
    <message>
        <source>上一页</source>
        <translation>الصفحة السابقة</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>الصفحة التالية</translation>
    </message>
    <message>
        <source>缩放比例：选择或输入百分比</source>
        <translation>نسبة التكبير: اختر نسبة مئوية أو اكتبها</translation>
    </message>
    <message>
        <source>适合宽度</source>
        <translation>ملاءمة العرض</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>ملاءمة الصفحة</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>الحجم الفعلي</translation>
    </message>
    <message>
        <source>未适合窗口：点按适合宽度</source>
        <translation>غير ملائم للنافذة: انقر لملاءمة العرض</translation>
    </message>
</context>
<context>
    <name>PdfCommentsPanel</name>
    <message>
        <source>正在读取批注…</source>
        <translation>جارٍ قراءة التعليقات…</translation>
    </message>
    <message>
        <source>此文档没有批注</source>
        <translation>لا يحتوي هذا المستند على تعليقات</translation>
    </message>
    <message>
        <source>编辑文字</source>
        <translation>تعديل النص</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>التعليقات</translation>
    </message>
    <message>
        <source>已接受</source>
        <translation>مقبول</translation>
    </message>
    <message>
        <source>已拒绝</source>
        <translation>مرفوض</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>ملغى</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>مكتمل</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>已标记</source>
        <translation>مُعلَّم</translation>
    </message>
    <message>
        <source>未标记</source>
        <translation>غير مُعلَّم</translation>
    </message>
    <message>
        <source>%1. 第 %2 页 · %3</source>
        <translation>‏%1. الصفحة %2 · %3</translation>
    </message>
    <message>
        <source>状态：%1</source>
        <translation>الحالة: %1</translation>
    </message>
    <message>
        <source>回复</source>
        <translation>رد</translation>
    </message>
</context>
<context>
    <name>PdfCompressOptionsPanel</name>
    <message>
        <source>压缩PDF</source>
        <translation>ضغط PDF</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>选择压缩等级</source>
        <translation>اختر مستوى الضغط</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>أساسي</translation>
    </message>
    <message>
        <source>文件尺寸适中，质量最</source>
        <translation>حجم ملف معتدل بأفضل جودة</translation>
    </message>
    <message>
        <source>强</source>
        <translation>قوي</translation>
    </message>
    <message>
        <source>文件最小，质量</source>
        <translation>أصغر حجم للملف بجودة مقبولة</translation>
    </message>
</context>
<context>
    <name>PdfCompressPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始压缩。</source>
        <translation>أضف ملفات PDF أو اسحبها وأفلتها من سطح المكتب لبدء الضغط.</translation>
    </message>
</context>
<context>
    <name>PdfConvertOptionsPanel</name>
    <message>
        <source>PDF 转为图像</source>
        <translation>‏PDF إلى صور</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>选择图像格式</source>
        <translation>اختر تنسيق الصورة</translation>
    </message>
    <message>
        <source>JPG</source>
        <translation>JPG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>خيارات إضافية</translation>
    </message>
    <message>
        <source>提取单个图像</source>
        <translation>استخراج الصور منفردة</translation>
    </message>
    <message>
        <source>PDF 中的每张图像都将保存为单张图像</source>
        <translation>سيتم حفظ كل صورة في ملف PDF كصورة مستقلة</translation>
    </message>
</context>
<context>
    <name>PdfConvertPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>أضف ملفات PDF أو اسحبها وأفلتها من سطح المكتب لبدء التحويل.</translation>
    </message>
</context>
<context>
    <name>PdfDecryOptionsPanel</name>
    <message>
        <source>解锁PDF</source>
        <translation>إلغاء قفل PDF</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>إلغاء القفل</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>هذا الحقل مطلوب</translation>
    </message>
</context>
<context>
    <name>PdfDecryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始解密。</source>
        <translation>أضف ملفات PDF أو اسحبها وأفلتها من سطح المكتب لبدء إلغاء القفل.</translation>
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
    <name>PdfDocumentSession</name>
    <message>
        <source>另一个标签页正在使用“%1”，无法替换它。</source>
        <translation>الملف «%1» مستخدم في علامة تبويب أخرى ولا يمكن استبداله.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentView</name>
    <message>
        <source>正在渲染第 %1 页…</source>
        <translation>جارٍ عرض الصفحة %1…</translation>
    </message>
</context>
<context>
    <name>PdfEncryOptionsPanel</name>
    <message>
        <source>加密PDF</source>
        <translation>تشفير PDF</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>إضافة كلمة مرور</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>重新输入密码</source>
        <translation>أعد إدخال كلمة المرور</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>هذا الحقل مطلوب</translation>
    </message>
    <message>
        <source>两个密码应该匹配</source>
        <translation>يجب أن تتطابق كلمتا المرور</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>خيارات إضافية</translation>
    </message>
    <message>
        <source>所有者密码</source>
        <translation>كلمة مرور المالك</translation>
    </message>
    <message>
        <source>留空则与上面的密码相同</source>
        <translation>اتركه فارغًا لاستخدام كلمة المرور أعلاه</translation>
    </message>
    <message>
        <source>允许打印</source>
        <translation>السماح بالطباعة</translation>
    </message>
    <message>
        <source>允许复制内容</source>
        <translation>السماح بنسخ المحتوى</translation>
    </message>
    <message>
        <source>允许修改</source>
        <translation>السماح بالتعديل</translation>
    </message>
    <message>
        <source>限制权限需要一个与密码不同的所有者密码</source>
        <translation>يتطلب تقييد الأذونات كلمة مرور مالك مختلفة عن كلمة المرور</translation>
    </message>
</context>
<context>
    <name>PdfEncryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始加密。</source>
        <translation>أضف ملفات PDF أو اسحبها وأفلتها من سطح المكتب لبدء التشفير.</translation>
    </message>
</context>
<context>
    <name>PdfExtractSplitWriter</name>
    <message>
        <source>未命名</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>提取失败</source>
        <translation>فشل الاستخراج</translation>
    </message>
    <message>
        <source>正在提取页面</source>
        <translation>جارٍ استخراج الصفحات</translation>
    </message>
    <message>
        <source>提取完成</source>
        <translation>اكتمل الاستخراج</translation>
    </message>
    <message>
        <source>部分页面提取失败</source>
        <translation>فشل استخراج بعض الصفحات</translation>
    </message>
    <message>
        <source>拆分失败</source>
        <translation>فشل التقسيم</translation>
    </message>
    <message>
        <source>正在拆分 PDF</source>
        <translation>جارٍ تقسيم ملف PDF</translation>
    </message>
    <message>
        <source>拆分完成</source>
        <translation>اكتمل التقسيم</translation>
    </message>
    <message>
        <source>部分文件拆分失败</source>
        <translation>فشل تقسيم بعض الملفات</translation>
    </message>
    <message>
        <source>无法创建目标文件夹。</source>
        <translation>تعذّر إنشاء المجلد الهدف.</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>جارٍ كتابة الملفات، وقد تستغرق الملفات الكبيرة بعض الوقت.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>يُرجى عدم إغلاق البرنامج قبل الاكتمال.</translation>
    </message>
    <message>
        <source>已生成 %1 个 PDF 文件。
%2</source>
        <translation>عدد ملفات PDF التي تم إنشاؤها: %1.
%2</translation>
    </message>
    <message>
        <source>已生成 %1 个文件，%2 个文件失败。

%3</source>
        <translation>عدد الملفات التي تم إنشاؤها: %1، وعدد الملفات التي فشلت: %2.

%3</translation>
    </message>
    <message numerus="yes">
        <source>…以及另外 %n 个文件</source>
        <translation>
            <numerusform>… و%n ملفات أخرى</numerusform>
            <numerusform>… و%n ملفات أخرى</numerusform>
            <numerusform>… و%n ملفات أخرى</numerusform>
            <numerusform>… و%n ملفات أخرى</numerusform>
            <numerusform>… و%n ملفات أخرى</numerusform>
            <numerusform>… و%n ملفات أخرى</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>فتح المجلد</translation>
    </message>
</context>
<context>
    <name>PdfFindBar</name>
    <message>
        <source>在文档中查找</source>
        <translation>بحث في المستند</translation>
    </message>
    <message>
        <source>上一处</source>
        <translation>النتيجة السابقة</translation>
    </message>
    <message>
        <source>下一处</source>
        <translation>النتيجة التالية</translation>
    </message>
    <message>
        <source>关闭查找</source>
        <translation>إغلاق البحث</translation>
    </message>
    <message>
        <source>已查找 %1/%2 页</source>
        <translation>تم البحث في %1 من %2 صفحة</translation>
    </message>
    <message>
        <source>第 %1/%2 处</source>
        <translation>‏%1 من %2</translation>
    </message>
    <message>
        <source>共 %1 处</source>
        <translation>‏%1 نتيجة</translation>
    </message>
    <message>
        <source>正在查找…</source>
        <translation>جارٍ البحث…</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>لا توجد نتائج</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>التعرف على النص</translation>
    </message>
    <message numerus="yes">
        <source>%n 页没有文字（可能是扫描件）。识别文字后即可查找。</source>
        <translation>
            <numerusform>لا توجد صفحات بلا نص.</numerusform>
            <numerusform>صفحة واحدة بلا نص (قد تكون ممسوحة ضوئيًا). تعرّف على نصها للبحث فيها.</numerusform>
            <numerusform>صفحتان بلا نص (قد تكونان ممسوحتين ضوئيًا). تعرّف على نصهما للبحث فيهما.</numerusform>
            <numerusform>%n صفحات بلا نص (قد تكون ممسوحة ضوئيًا). تعرّف على نصها للبحث فيها.</numerusform>
            <numerusform>%n صفحة بلا نص (قد تكون ممسوحة ضوئيًا). تعرّف على نصها للبحث فيها.</numerusform>
            <numerusform>%n صفحة بلا نص (قد تكون ممسوحة ضوئيًا). تعرّف على نصها للبحث فيها.</numerusform>
        </translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>صفحة %1</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>مطابقة حالة الأحرف</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>الكلمات الكاملة فقط</translation>
    </message>
    <message>
        <source>显示所有结果</source>
        <translation>إظهار كل النتائج</translation>
    </message>
    <message>
        <source>隐藏结果列表</source>
        <translation>إخفاء قائمة النتائج</translation>
    </message>
</context>
<context>
    <name>PdfFindResultsModel</name>
    <message>
        <source>第 %1 页</source>
        <translation>صفحة %1</translation>
    </message>
</context>
<context>
    <name>PdfInsertDropZone</name>
    <message>
        <source>插入 PDF
或将多个 PDF 拖放至此处</source>
        <translation>إدراج PDF
أو اسحب ملفات PDF وأفلتها هنا</translation>
    </message>
</context>
<context>
    <name>PdfMergeOptionsPanel</name>
    <message>
        <source>合并PDF</source>
        <translation>دمج PDF</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>دمج</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>صفحات فارغة</translation>
    </message>
    <message>
        <source>在合并之前，你可以在文件之间插入空白页</source>
        <translation>يمكنك إدراج صفحات فارغة بين الملفات قبل الدمج</translation>
    </message>
</context>
<context>
    <name>PdfMergePage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始合并。</source>
        <translation>أضف ملفات PDF أو اسحبها وأفلتها من سطح المكتب لبدء الدمج.</translation>
    </message>
</context>
<context>
    <name>PdfOperationSidePanel</name>
    <message>
        <source>将选定页面提取为单个文件</source>
        <translation>استخراج الصفحات المحددة في ملف واحد</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>استخراج</translation>
    </message>
    <message>
        <source>将每个页面拆分为单个文件</source>
        <translation>تقسيم كل صفحة إلى ملف منفصل</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>تقسيم</translation>
    </message>
    <message>
        <source>文件提取选项</source>
        <translation>خيارات استخراج الملفات</translation>
    </message>
    <message>
        <source>将选定页面另存为</source>
        <translation>حفظ الصفحات المحددة باسم</translation>
    </message>
    <message>
        <source>文件拆分选项</source>
        <translation>خيارات تقسيم الملفات</translation>
    </message>
    <message>
        <source>输出预览</source>
        <translation>معاينة الناتج</translation>
    </message>
    <message>
        <source>文件位置</source>
        <translation>موقع الملف</translation>
    </message>
    <message>
        <source>请先选择要提取的页面</source>
        <translation>يُرجى تحديد الصفحات المراد استخراجها أولاً</translation>
    </message>
    <message>
        <source>%1-%2.pdf
第 %2 页</source>
        <translation>%1-%2.pdf
الصفحة %2</translation>
    </message>
    <message>
        <source>%1
第 %2 页</source>
        <translation>%1
الصفحة %2</translation>
    </message>
    <message>
        <source>%1-extracted.pdf
页面 %2</source>
        <translation>%1-extracted.pdf
الصفحات %2</translation>
    </message>
    <message>
        <source>%1
页面 %2</source>
        <translation>%1
الصفحات %2</translation>
    </message>
    <message>
        <source>点击页面之间的虚线，可以自定义拆分文件。</source>
        <translation>انقر على الخط المتقطع بين الصفحات لتخصيص تقسيم الملفات.</translation>
    </message>
    <message>
        <source>%1-%2.pdf
页面 %3-%4</source>
        <translation>%1-%2.pdf
الصفحات %3-%4</translation>
    </message>
    <message>
        <source>%1
页面 %2-%3</source>
        <translation>%1
الصفحات %2-%3</translation>
    </message>
</context>
<context>
    <name>PdfOutlinePanel</name>
    <message>
        <source>正在读取书签…</source>
        <translation>جارٍ قراءة العلامات…</translation>
    </message>
    <message>
        <source>此文档没有书签</source>
        <translation>لا يحتوي هذا المستند على علامات</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>صور مصغرة</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>العلامات</translation>
    </message>
</context>
<context>
    <name>PdfPageCardMenu</name>
    <message>
        <source>创建副本</source>
        <translation>تكرار</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>إدراج صفحة فارغة بعدها</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>إدراج PDF</translation>
    </message>
</context>
<context>
    <name>PdfPageManagerView</name>
    <message>
        <source>正在生成预览…</source>
        <translation>جارٍ إنشاء المعاينة…</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>تكبير</translation>
    </message>
</context>
<context>
    <name>PdfPageMenu</name>
    <message>
        <source>复制</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>全选本页文字</source>
        <translation>تحديد كل نص هذه الصفحة</translation>
    </message>
    <message>
        <source>查找所选文字</source>
        <translation>البحث عن النص المحدد</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>تمييز</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>تسطير</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>شطب</translation>
    </message>
</context>
<context>
    <name>PdfPageNumberDialog</name>
    <message>
        <source>添加页码</source>
        <translation>إضافة أرقام الصفحات</translation>
    </message>
    <message>
        <source>底部居中</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <source>底部右侧</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>底部左侧</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>顶部居中</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <source>顶部右侧</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>顶部左侧</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>页码（1, 2, 3…）</source>
        <translation>رقم الصفحة (1، 2، 3…)</translation>
    </message>
    <message>
        <source>页码 / 总页数（1 / 12）</source>
        <translation>الصفحة / الإجمالي (1 / 12)</translation>
    </message>
    <message>
        <source> 磅</source>
        <translation> نقطة</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>التنسيق</translation>
    </message>
    <message>
        <source>起始页码</source>
        <translation>الرقم الأول</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>إضافة</translation>
    </message>
</context>
<context>
    <name>PdfPageToneMenu</name>
    <message>
        <source>页面颜色</source>
        <translation>ألوان الصفحة</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>反色（夜间）</source>
        <translation>معكوسة (ليلي)</translation>
    </message>
    <message>
        <source>棕褐色</source>
        <translation>بني داكن (سيبيا)</translation>
    </message>
</context>
<context>
    <name>PdfPrintJob</name>
    <message>
        <source>打印 PDF</source>
        <translation>طباعة ملف PDF</translation>
    </message>
    <message>
        <source>打印失败</source>
        <translation>فشلت الطباعة</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>تعذّر بدء مهمة الطباعة.</translation>
    </message>
    <message>
        <source>打印未完成</source>
        <translation>لم تكتمل الطباعة</translation>
    </message>
    <message>
        <source>第 %1 页渲染失败。</source>
        <translation>فشل عرض الصفحة %1.</translation>
    </message>
    <message>
        <source>打印机无法创建新页面。</source>
        <translation>تعذّر على الطابعة إنشاء صفحة جديدة.</translation>
    </message>
    <message>
        <source>正在取消打印…</source>
        <translation>جارٍ إلغاء الطباعة…</translation>
    </message>
    <message>
        <source>已完成 %1 / %2 页</source>
        <translation>اكتملت %1 من %2 صفحة</translation>
    </message>
    <message>
        <source>正在打印 PDF</source>
        <translation>جارٍ طباعة ملف PDF</translation>
    </message>
    <message>
        <source>正在准备 %1 页，页数多时可能需要一些时间。</source>
        <translation>جارٍ تجهيز %1 صفحة، وقد تستغرق الصفحات الكثيرة بعض الوقت.</translation>
    </message>
    <message>
        <source>不能打印到文档正在读取的文件：%1</source>
        <translation>لا يمكن الطباعة إلى ملف يقرأ المستند صفحاته منه: %1</translation>
    </message>
    <message>
        <source>打印完成</source>
        <translation>اكتملت الطباعة</translation>
    </message>
    <message>
        <source>已有同名文件，打印内容已保存为：
%1</source>
        <translation>يوجد ملف بهذا الاسم؛ حُفظت الطباعة باسم:
%1</translation>
    </message>
</context>
<context>
    <name>PdfPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>%1 × %2 毫米</source>
        <translation>‏%1 × %2 مم</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>خصائص المستند</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>المؤلف</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>الموضوع</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>以逗号分隔</source>
        <translation>مفصولة بفواصل</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>حجم الملف</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>حجم الصفحة</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>إصدار PDF</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>منتج PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>تاريخ الإنشاء</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>تاريخ التعديل</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>التشفير</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>الأذونات</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>جارٍ القراءة…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>未保存</source>
        <translation>غير محفوظ</translation>
    </message>
    <message>
        <source>%1（各页大小不同）</source>
        <translation>‏%1 (الصفحات بأحجام مختلفة)</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>‏%1 (%2 بايت)</translation>
    </message>
    <message>
        <source>%1，已为快速网页查看优化</source>
        <translation>‏%1، محسّن للعرض السريع على الويب</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <source>不受限制</source>
        <translation>غير مقيدة</translation>
    </message>
    <message>
        <source>已加密</source>
        <translation>مشفّر</translation>
    </message>
    <message>
        <source>已加密（%1）</source>
        <translation>مشفّر (%1)</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>مسموح</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>غير مسموح</translation>
    </message>
    <message>
        <source>打印：%1</source>
        <translation>الطباعة: %1</translation>
    </message>
    <message>
        <source>仅低质量</source>
        <translation>جودة منخفضة فقط</translation>
    </message>
    <message>
        <source>修改内容：%1</source>
        <translation>تعديل المحتوى: %1</translation>
    </message>
    <message>
        <source>复制文本和图像：%1</source>
        <translation>نسخ النصوص والصور: %1</translation>
    </message>
    <message>
        <source>添加注释：%1</source>
        <translation>إضافة التعليقات: %1</translation>
    </message>
    <message>
        <source>填写表单：%1</source>
        <translation>تعبئة النماذج: %1</translation>
    </message>
    <message>
        <source>组合页面：%1</source>
        <translation>تجميع الصفحات: %1</translation>
    </message>
    <message>
        <source>已用所有者密码打开，不受这些限制</source>
        <translation>فُتح بكلمة مرور المالك: لا تنطبق هذه القيود</translation>
    </message>
    <message>
        <source>此文件的权限不允许修改文档属性。</source>
        <translation>لا تسمح أذونات هذا الملف بتغيير خصائص المستند.</translation>
    </message>
    <message>
        <source>无法读取文件的属性：%1</source>
        <translation>تعذّرت قراءة خصائص الملف: %1</translation>
    </message>
    <message>
        <source>数字签名</source>
        <translation>التوقيعات الرقمية</translation>
    </message>
</context>
<context>
    <name>PdfReadingHistory</name>
    <message>
        <source>后退</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>تقدم</translation>
    </message>
</context>
<context>
    <name>PdfReadingModes</name>
    <message>
        <source>页面布局</source>
        <translation>تخطيط الصفحات</translation>
    </message>
    <message>
        <source>连续滚动</source>
        <translation>تمرير متواصل</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>صفحة واحدة</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>صفحتان</translation>
    </message>
    <message>
        <source>双页（封面单独显示）</source>
        <translation>صفحتان (الغلاف منفردًا)</translation>
    </message>
    <message>
        <source>顺时针旋转视图</source>
        <translation>تدوير العرض باتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>逆时针旋转视图</source>
        <translation>تدوير العرض عكس عقارب الساعة</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>演示</source>
        <translation>عرض تقديمي</translation>
    </message>
</context>
<context>
    <name>PdfSignDialog</name>
    <message>
        <source>签名</source>
        <translation>توقيع</translation>
    </message>
    <message>
        <source>选择证书…</source>
        <translation>اختيار شهادة…</translation>
    </message>
    <message>
        <source>在页面上画出签名框</source>
        <translation>رسم إطار التوقيع على الصفحة</translation>
    </message>
    <message>
        <source>签名字段：%1（第 %2 页）</source>
        <translation>حقل التوقيع: %1 (الصفحة %2)</translation>
    </message>
    <message>
        <source>签名字段：%1</source>
        <translation>حقل التوقيع: %1</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>توقيع غير مرئي</translation>
    </message>
    <message>
        <source>可选，例如：同意此文档</source>
        <translation>اختياري، مثل: أوافق على هذا المستند</translation>
    </message>
    <message>
        <source>可选</source>
        <translation>اختياري</translation>
    </message>
    <message>
        <source>可选：时间戳服务器地址（RFC 3161）</source>
        <translation>اختياري: عنوان خادم الطابع الزمني (RFC 3161)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا توجد</translation>
    </message>
    <message>
        <source>选择图片…</source>
        <translation>اختيار صورة…</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>الشهادة</translation>
    </message>
    <message>
        <source>签名位置</source>
        <translation>موضع التوقيع</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>السبب</translation>
    </message>
    <message>
        <source>地点</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>معلومات الاتصال</translation>
    </message>
    <message>
        <source>时间戳</source>
        <translation>الطابع الزمني</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>الصورة</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>未选择证书</source>
        <translation>لم يتم اختيار شهادة</translation>
    </message>
    <message>
        <source>%1（签名时输入密码）</source>
        <translation>‏%1 (تُدخَل كلمة المرور عند التوقيع)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>‏%1 (%2)</translation>
    </message>
    <message>
        <source>%1（%2，有效期至 %3）</source>
        <translation>‏%1 (%2، صالحة حتى %3)</translation>
    </message>
    <message>
        <source>选择证书</source>
        <translation>اختيار شهادة</translation>
    </message>
    <message>
        <source>证书文件 (*.p12 *.pfx)</source>
        <translation>ملفات الشهادات (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>请输入证书“%1”的密码：</source>
        <translation>يُرجى إدخال كلمة مرور الشهادة «%1»:</translation>
    </message>
    <message>
        <source>证书密码</source>
        <translation>كلمة مرور الشهادة</translation>
    </message>
    <message>
        <source>证书密码错误，请重新输入：</source>
        <translation>كلمة مرور الشهادة غير صحيحة، يُرجى إعادة إدخالها:</translation>
    </message>
    <message>
        <source>无法打开证书</source>
        <translation>تعذّر فتح الشهادة</translation>
    </message>
    <message>
        <source>文件不是可用的证书（PKCS#12）。</source>
        <translation>الملف ليس شهادة صالحة للاستخدام (PKCS#12).</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>تفاصيل تقنية: %1</translation>
    </message>
    <message>
        <source>选择签名图片</source>
        <translation>اختيار صورة التوقيع</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg)</source>
        <translation>الصور (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>无法使用图片</source>
        <translation>تعذّر استخدام الصورة</translation>
    </message>
    <message>
        <source>图片无法读取。</source>
        <translation>تعذّرت قراءة الصورة.</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBar</name>
    <message>
        <source>签名面板</source>
        <translation>لوحة التوقيعات</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>جارٍ التحقق من التوقيعات…</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>无法验证签名：文件无法读取</source>
        <translation>تعذّر التحقق من التوقيعات: تعذّرت قراءة الملف</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBoxTool</name>
    <message>
        <source>在页面上拖动，画出签名框；按 Esc 取消</source>
        <translation>اسحب على الصفحة لرسم إطار التوقيع، واضغط Esc للإلغاء</translation>
    </message>
</context>
<context>
    <name>PdfSignatureTexts</name>
    <message>
        <source>批注</source>
        <translation>التعليقات</translation>
    </message>
    <message>
        <source>表单</source>
        <translation>النماذج</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>التوقيعات</translation>
    </message>
    <message>
        <source>其他内容</source>
        <translation>محتوى آخر</translation>
    </message>
    <message>
        <source>、</source>
        <translation>، </translation>
    </message>
    <message>
        <source>证书不受信任（自签名证书）</source>
        <translation>الشهادة غير موثوقة (شهادة موقّعة ذاتيًا)</translation>
    </message>
    <message>
        <source>证书不受信任（证书已过期）</source>
        <translation>الشهادة غير موثوقة (انتهت صلاحيتها)</translation>
    </message>
    <message>
        <source>证书不受信任</source>
        <translation>الشهادة غير موثوقة</translation>
    </message>
    <message>
        <source>签名有效</source>
        <translation>التوقيع صالح</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改</source>
        <translation>‏%1، مع تغييرات مسموح بها بعد التوقيع</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改（%2）</source>
        <translation>‏%1، مع تغييرات مسموح بها بعد التوقيع (%2)</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改</source>
        <translation>التوقيع صالح، مع تغييرات مسموح بها بعد التوقيع</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改（%1）</source>
        <translation>التوقيع صالح، مع تغييرات مسموح بها بعد التوقيع (%1)</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围</source>
        <translation>التغييرات بعد التوقيع تتجاوز ما يسمح به التصديق</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围（%1）</source>
        <translation>التغييرات بعد التوقيع تتجاوز ما يسمح به التصديق (%1)</translation>
    </message>
    <message>
        <source>签名后文档被更改</source>
        <translation>تم تغيير المستند بعد التوقيع</translation>
    </message>
    <message>
        <source>签名后文档被更改（%1）</source>
        <translation>تم تغيير المستند بعد التوقيع (%1)</translation>
    </message>
    <message>
        <source>签名无效：签名数据与内容不符</source>
        <translation>التوقيع غير صالح: بيانات التوقيع لا تطابق المحتوى</translation>
    </message>
    <message>
        <source>签名无效：签名后内容被改动</source>
        <translation>التوقيع غير صالح: تم تعديل المحتوى بعد التوقيع</translation>
    </message>
    <message>
        <source>无法验证此签名</source>
        <translation>تعذّر التحقق من هذا التوقيع</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>حقل توقيع فارغ</translation>
    </message>
    <message>
        <source>未知签名者</source>
        <translation>موقّع غير معروف</translation>
    </message>
    <message>
        <source>%1 个无效</source>
        <translation>غير صالحة: %1</translation>
    </message>
    <message>
        <source>%1 个签名后被更改</source>
        <translation>معدّلة بعد التوقيع: %1</translation>
    </message>
    <message>
        <source>%1 个不受信任</source>
        <translation>غير موثوقة: %1</translation>
    </message>
    <message>
        <source>%1 个无法验证</source>
        <translation>تعذّر التحقق منها: %1</translation>
    </message>
    <message>
        <source>，</source>
        <translation>، </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>‏%1، %2</translation>
    </message>
    <message>
        <source>已签名：%1 — %2</source>
        <translation>موقّع: %1 — %2</translation>
    </message>
    <message>
        <source>%1 个签名：全部有效</source>
        <translation>عدد التوقيعات: %1، وكلها صالحة</translation>
    </message>
    <message>
        <source>%1 个签名：%2</source>
        <translation>عدد التوقيعات: %1 (%2)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا توجد</translation>
    </message>
    <message>
        <source>%1 个（全部有效）</source>
        <translation>‏%1 (كلها صالحة)</translation>
    </message>
    <message>
        <source>%1 个（%2）</source>
        <translation>‏%1 (%2)</translation>
    </message>
    <message>
        <source>认证签名不允许更改此文档</source>
        <translation>لا يسمح توقيع التصديق بتغيير هذا المستند</translation>
    </message>
    <message>
        <source>认证签名只允许填写表单和签名</source>
        <translation>لا يسمح توقيع التصديق إلا بتعبئة النماذج والتوقيع</translation>
    </message>
    <message>
        <source>页面被移动</source>
        <translation>نقل صفحات</translation>
    </message>
    <message>
        <source>页面被旋转</source>
        <translation>تدوير صفحات</translation>
    </message>
    <message>
        <source>页面被删除</source>
        <translation>حذف صفحات</translation>
    </message>
    <message>
        <source>插入了页面</source>
        <translation>إدراج صفحات</translation>
    </message>
    <message>
        <source>添加了页码</source>
        <translation>إضافة أرقام الصفحات</translation>
    </message>
    <message>
        <source>文档属性被修改</source>
        <translation>تعديل خصائص المستند</translation>
    </message>
    <message>
        <source>批注和表单将被扁平化</source>
        <translation>دمج التعليقات والنماذج في الصفحات</translation>
    </message>
    <message>
        <source>页面内容被替换</source>
        <translation>استبدال محتوى الصفحات</translation>
    </message>
    <message>
        <source>以下更改需要重写整个文件：%1。</source>
        <translation>تتطلب التغييرات التالية إعادة كتابة الملف بالكامل: %1.</translation>
    </message>
</context>
<context>
    <name>PdfSignaturesPanel</name>
    <message>
        <source>认证签名：不允许任何更改</source>
        <translation>توقيع تصديق: لا يُسمح بأي تغييرات</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单和签名</source>
        <translation>توقيع تصديق: يُسمح بتعبئة النماذج والتوقيع</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单、签名和批注</source>
        <translation>توقيع تصديق: يُسمح بتعبئة النماذج والتوقيع وإضافة التعليقات</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>جارٍ التحقق من التوقيعات…</translation>
    </message>
    <message>
        <source>无法读取文件中的签名。
%1</source>
        <translation>تعذّرت قراءة التوقيعات في الملف.
‏%1</translation>
    </message>
    <message>
        <source>此文档没有签名</source>
        <translation>لا يحتوي هذا المستند على توقيعات</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>حقل توقيع فارغ</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>توقيع غير مرئي</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>字段：%1（%2）</source>
        <translation>الحقل: %1 (%2)</translation>
    </message>
    <message>
        <source>签名时间：%1</source>
        <translation>وقت التوقيع: %1</translation>
    </message>
    <message>
        <source>原因：%1</source>
        <translation>السبب: %1</translation>
    </message>
    <message>
        <source>位置：%1</source>
        <translation>المكان: %1</translation>
    </message>
    <message>
        <source>联系方式：%1</source>
        <translation>معلومات الاتصال: %1</translation>
    </message>
    <message>
        <source>类型：%1</source>
        <translation>النوع: %1</translation>
    </message>
    <message>
        <source>摘要算法：%1</source>
        <translation>خوارزمية التجزئة: %1</translation>
    </message>
    <message>
        <source>第 %1 版（共 %2 版）</source>
        <translation>المراجعة %1 من %2</translation>
    </message>
    <message>
        <source>时间戳：%1（有效）</source>
        <translation>الطابع الزمني: %1 (صالح)</translation>
    </message>
    <message>
        <source>时间戳：%1（无效）</source>
        <translation>الطابع الزمني: %1 (غير صالح)</translation>
    </message>
    <message>
        <source>签名后的更改：%1</source>
        <translation>التغييرات بعد التوقيع: %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا يوجد</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>تفاصيل تقنية: %1</translation>
    </message>
    <message>
        <source>证书链</source>
        <translation>سلسلة الشهادات</translation>
    </message>
    <message>
        <source>颁发者：%1（自签名）</source>
        <translation>جهة الإصدار: %1 (موقّعة ذاتيًا)</translation>
    </message>
    <message>
        <source>颁发者：%1</source>
        <translation>جهة الإصدار: %1</translation>
    </message>
    <message>
        <source>有效期：%1 至 %2</source>
        <translation>الصلاحية: من %1 إلى %2</translation>
    </message>
    <message>
        <source>查看签名时的版本</source>
        <translation>عرض النسخة الموقّعة</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>التوقيعات</translation>
    </message>
</context>
<context>
    <name>PdfTextRecognition</name>
    <message>
        <source>正在取消文字识别…</source>
        <translation>جارٍ إلغاء التعرف على النص…</translation>
    </message>
    <message>
        <source>无法识别文字</source>
        <translation>تعذّر التعرف على النص</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据。</source>
        <translation>لا توجد بيانات لغة مثبتة للتعرف على النص.</translation>
    </message>
    <message>
        <source>未安装 %1 的文字识别语言数据。</source>
        <translation>بيانات التعرف على النص للغة %1 غير مثبتة.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-%1</source>
        <translation>للتثبيت: sudo apt install tesseract-ocr-%1</translation>
    </message>
    <message>
        <source>识别过程中出错，文档保持不变。</source>
        <translation>حدث خطأ أثناء التعرف؛ لم يتغير المستند.</translation>
    </message>
    <message>
        <source>无法创建临时文件夹。</source>
        <translation>تعذّر إنشاء المجلد المؤقت.</translation>
    </message>
    <message>
        <source>正在识别文字</source>
        <translation>جارٍ التعرف على النص</translation>
    </message>
    <message>
        <source>正在识别没有文字的页面，每页需要几秒钟。</source>
        <translation>جارٍ التعرف على الصفحات التي لا تحتوي على نص؛ تستغرق كل صفحة بضع ثوانٍ.</translation>
    </message>
    <message>
        <source>已完成 %1%</source>
        <translation>اكتمل %1%</translation>
    </message>
    <message>
        <source>无需识别文字</source>
        <translation>لا يوجد نص للتعرف عليه</translation>
    </message>
    <message>
        <source>此文档的每一页都已有文字。</source>
        <translation>كل صفحة في هذا المستند تحتوي على نص بالفعل.</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>التعرف على النص</translation>
    </message>
</context>
<context>
    <name>PdfThumbnailPanel</name>
    <message>
        <source>正在生成缩略图…</source>
        <translation>جارٍ إنشاء الصور المصغرة…</translation>
    </message>
</context>
<context>
    <name>PdfToOfficeOptionsPanel</name>
    <message>
        <source>PDF转为Office</source>
        <translation>‏PDF إلى Office</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>选择转换类型</source>
        <translation>اختر نوع التحويل</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>PowerPoint</source>
        <translation>PowerPoint</translation>
    </message>
</context>
<context>
    <name>PdfToOfficePage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>أضف ملفات PDF أو اسحبها وأفلتها من سطح المكتب لبدء التحويل.</translation>
    </message>
</context>
<context>
    <name>PdfTopToolBar</name>
    <message>
        <source>文档阅读视图</source>
        <translation>عرض قراءة المستند</translation>
    </message>
    <message>
        <source>页面管理视图</source>
        <translation>عرض إدارة الصفحات</translation>
    </message>
    <message>
        <source>显示或隐藏缩略图</source>
        <translation>إظهار الصور المصغرة أو إخفاؤها</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>PDF 工具</source>
        <translation>أدوات PDF</translation>
    </message>
    <message>
        <source>手形工具</source>
        <translation>أداة اليد</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>插入 PDF 或空白页</source>
        <translation>إدراج PDF أو صفحة فارغة</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>استخراج</translation>
    </message>
    <message>
        <source>提取选定页面</source>
        <translation>استخراج الصفحات المحددة</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>تقسيم</translation>
    </message>
    <message>
        <source>拆分 PDF</source>
        <translation>تقسيم PDF</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>تدوير إلى اليسار</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>تدوير إلى اليمين</translation>
    </message>
    <message>
        <source>删除选定页面</source>
        <translation>حذف الصفحات المحددة</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>选择全部页面</source>
        <translation>تحديد كل الصفحات</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>ضغط</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>‏PDF إلى Office</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>‏PDF إلى صور</translation>
    </message>
    <message>
        <source>加密 PDF</source>
        <translation>تشفير PDF</translation>
    </message>
    <message>
        <source>解锁 PDF</source>
        <translation>إلغاء قفل PDF</translation>
    </message>
    <message>
        <source>页面编号</source>
        <translation>ترقيم الصفحات</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>حفظ الملف</translation>
    </message>
    <message>
        <source>将文件保存为…</source>
        <translation>حفظ الملف باسم…</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message>
        <source>高亮所选文字</source>
        <translation>تمييز النص المحدد</translation>
    </message>
    <message>
        <source>为所选文字加下划线</source>
        <translation>تسطير النص المحدد</translation>
    </message>
    <message>
        <source>为所选文字加删除线</source>
        <translation>شطب النص المحدد</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>ملاحظة لاصقة</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>مربع نص</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>رسم حر</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>مستطيل</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>شكل بيضاوي</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>سهم</translation>
    </message>
    <message>
        <source>颜色、线宽和不透明度</source>
        <translation>اللون وسمك الخط والعتامة</translation>
    </message>
    <message>
        <source>删除所选批注</source>
        <translation>حذف التعليق المحدد</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>خصائص المستند</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>توقيع</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面</source>
        <translation>يجب أن يحتفظ المستند بصفحة واحدة على الأقل، ولا يمكن حذف كل الصفحات</translation>
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
    <message>
        <source>添加页码</source>
        <translation>إضافة أرقام الصفحات</translation>
    </message>
    <message>
        <source>删除页码</source>
        <translation>إزالة أرقام الصفحات</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>تعبئة النموذج</translation>
    </message>
    <message>
        <source>修改文档属性</source>
        <translation>تغيير خصائص المستند</translation>
    </message>
</context>
<context>
    <name>PdfViewerWidget</name>
    <message>
        <source>文件不存在或已被移动。</source>
        <translation>الملف غير موجود أو تم نقله.</translation>
    </message>
    <message>
        <source>PDF 需要密码。</source>
        <translation>يتطلب ملف PDF كلمة مرور.</translation>
    </message>
    <message>
        <source>PDF 密码错误。</source>
        <translation>كلمة مرور ملف PDF غير صحيحة.</translation>
    </message>
    <message>
        <source>PDF 已损坏或格式不受支持。</source>
        <translation>ملف PDF تالف أو بتنسيق غير مدعوم.</translation>
    </message>
    <message>
        <source>页面渲染失败。</source>
        <translation>فشل عرض الصفحة.</translation>
    </message>
    <message>
        <source>无法写入目标文件，请检查权限和磁盘空间。</source>
        <translation>تعذّرت الكتابة إلى الملف الهدف، يُرجى التحقق من الأذونات ومساحة القرص.</translation>
    </message>
    <message>
        <source>操作未完成。</source>
        <translation>لم تكتمل العملية.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>كلمة المرور مطلوبة</translation>
    </message>
    <message>
        <source>无法打开 PDF</source>
        <translation>تعذّر فتح ملف PDF</translation>
    </message>
    <message>
        <source>插入 PDF 失败</source>
        <translation>فشل إدراج PDF</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>إدراج PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>إدراج صفحة فارغة بعدها</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>حفظ التغييرات</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>عدم الحفظ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>未命名.pdf</source>
        <translation>بلا عنوان.pdf</translation>
    </message>
    <message>
        <source>将 PDF 保存为</source>
        <translation>حفظ PDF باسم</translation>
    </message>
    <message>
        <source>正在保存 PDF</source>
        <translation>جارٍ حفظ ملف PDF</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>جارٍ كتابة الملفات، وقد تستغرق الملفات الكبيرة بعض الوقت.</translation>
    </message>
    <message>
        <source>保存完成前请不要关闭程序。</source>
        <translation>يُرجى عدم إغلاق البرنامج قبل اكتمال الحفظ.</translation>
    </message>
    <message>
        <source>保存 PDF 失败</source>
        <translation>فشل حفظ ملف PDF</translation>
    </message>
    <message>
        <source>替换文件</source>
        <translation>استبدال الملف</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。重新载入将丢弃当前未保存的修改。是否重新载入？</source>
        <translation>عدّل برنامج آخر الملف «%1». ستؤدي إعادة التحميل إلى تجاهل تعديلاتك غير المحفوظة. هل تريد إعادة تحميله؟</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。是否重新载入？</source>
        <translation>عدّل برنامج آخر الملف «%1». هل تريد إعادة تحميله؟</translation>
    </message>
    <message>
        <source>文件已更改</source>
        <translation>تم تغيير الملف</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>إعادة التحميل</translation>
    </message>
    <message>
        <source>保留当前内容</source>
        <translation>الاحتفاظ بالنسخة الحالية</translation>
    </message>
    <message>
        <source>无法打开链接</source>
        <translation>تعذر فتح الرابط</translation>
    </message>
    <message>
        <source>出于安全考虑，只能打开网页和邮件链接。</source>
        <translation>لأسباب أمنية، لا يمكن فتح سوى روابط الويب والبريد الإلكتروني.</translation>
    </message>
    <message>
        <source>打开链接</source>
        <translation>فتح الرابط</translation>
    </message>
    <message>
        <source>此链接指向文档以外的地址，是否打开？</source>
        <translation>يؤدي هذا الرابط إلى خارج المستند. هل تريد فتحه؟</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>系统没有可以打开此链接的程序。</source>
        <translation>لا يوجد برنامج على هذا النظام يمكنه فتح هذا الرابط.</translation>
    </message>
    <message>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>«%1» موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>تفاصيل تقنية: %1</translation>
    </message>
    <message>
        <source>“%1”已修改，是否保存？</source>
        <translation>تم تعديل «%1». هل تريد حفظه؟</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，且有未保存的修改。替换后该标签页将关闭，其未保存的修改将丢失。是否替换？</source>
        <translation>«%1» مفتوح في علامة تبويب أخرى وبه تغييرات غير محفوظة. سيؤدي الاستبدال إلى إغلاق علامة التبويب تلك وفقدان تغييراتها غير المحفوظة. هل تريد الاستبدال؟</translation>
    </message>
    <message>
        <source>无法添加批注</source>
        <translation>تعذر إضافة التعليقات</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许添加或修改批注。</source>
        <translation>لا تسمح أذونات ملف PDF هذا بإضافة التعليقات أو تعديلها.</translation>
    </message>
    <message>
        <source>批注和表单要保留为可编辑的批注，还是扁平化到页面中？</source>
        <translation>هل تريد إبقاء التعليقات والنماذج قابلة للتعديل أم دمجها في الصفحات؟</translation>
    </message>
    <message>
        <source>扁平化后，其他阅读器也无法再编辑或删除它们。</source>
        <translation>بعد الدمج لا يمكن تعديلها أو حذفها، حتى في القارئات الأخرى.</translation>
    </message>
    <message>
        <source>保留批注</source>
        <translation>الإبقاء عليها</translation>
    </message>
    <message>
        <source>扁平化</source>
        <translation>دمج</translation>
    </message>
    <message>
        <source>文件无法读取。</source>
        <translation>تعذّرت قراءة الملف.</translation>
    </message>
    <message>
        <source>文档尚未保存。</source>
        <translation>لم يُحفظ المستند بعد.</translation>
    </message>
    <message>
        <source>签名时的版本，只读</source>
        <translation>النسخة الموقّعة، للقراءة فقط</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>无法填写表单</source>
        <translation>تعذّرت تعبئة النموذج</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许更改表单。</source>
        <translation>لا يسمح توقيع التصديق في هذا المستند بتغيير النماذج.</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许添加或修改批注。</source>
        <translation>لا يسمح توقيع التصديق في هذا المستند بإضافة التعليقات أو تعديلها.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开。</source>
        <translation>فُتح هذا المستند للقراءة فقط.</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许填写表单。</source>
        <translation>لا تسمح أذونات ملف PDF هذا بتعبئة النماذج.</translation>
    </message>
    <message>
        <source>无法验证</source>
        <translation>تعذّر التحقق</translation>
    </message>
    <message>
        <source>正在验证…</source>
        <translation>جارٍ التحقق…</translation>
    </message>
    <message>
        <source>无</source>
        <translation>لا توجد</translation>
    </message>
    <message>
        <source>无法打开签名时的版本</source>
        <translation>تعذّر فتح النسخة الموقّعة</translation>
    </message>
    <message>
        <source>无法从文件中取出签名时的版本。</source>
        <translation>تعذّر استخراج النسخة الموقّعة من الملف.</translation>
    </message>
    <message>
        <source>保存已签名的文档</source>
        <translation>حفظ مستند موقّع</translation>
    </message>
    <message>
        <source>此文档已签名；新文件中的签名将失效，原文件及其签名保持不变。</source>
        <translation>هذا المستند موقّع؛ ستصبح التوقيعات في الملف الجديد غير صالحة، ويبقى الملف الأصلي وتوقيعاته دون تغيير.</translation>
    </message>
    <message>
        <source>仍然保存</source>
        <translation>الحفظ على أي حال</translation>
    </message>
    <message>
        <source>此文档已签名；保存将使签名失效。</source>
        <translation>هذا المستند موقّع؛ سيؤدي الحفظ إلى إبطال التوقيعات.</translation>
    </message>
    <message>
        <source>另存为新文件</source>
        <translation>حفظ كملف جديد</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>توقيع</translation>
    </message>
    <message>
        <source>签名前需要先保存修改。是否现在保存？</source>
        <translation>يجب حفظ التغييرات قبل التوقيع. هل تريد الحفظ الآن؟</translation>
    </message>
    <message>
        <source>签名针对文件中已保存的内容。</source>
        <translation>يُطبَّق التوقيع على المحتوى المحفوظ في الملف.</translation>
    </message>
    <message>
        <source>签名失败</source>
        <translation>فشل التوقيع</translation>
    </message>
    <message>
        <source>文档在签名前又被修改了，请保存后再签名。</source>
        <translation>عُدّل المستند مرة أخرى قبل التوقيع، يُرجى حفظه ثم التوقيع.</translation>
    </message>
    <message>
        <source>保存签名后的 PDF</source>
        <translation>حفظ ملف PDF الموقّع</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，请另选文件名。</source>
        <translation>الملف «%1» مفتوح في علامة تبويب أخرى، يُرجى اختيار اسم ملف آخر.</translation>
    </message>
    <message>
        <source>正在签名</source>
        <translation>جارٍ التوقيع</translation>
    </message>
    <message>
        <source>正在签名并写入文件。</source>
        <translation>جارٍ التوقيع وكتابة الملف.</translation>
    </message>
    <message>
        <source>正在签名并向时间戳服务器请求时间戳。</source>
        <translation>جارٍ التوقيع وطلب طابع زمني من خادم الطوابع الزمنية.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>يُرجى عدم إغلاق البرنامج قبل الانتهاء.</translation>
    </message>
    <message>
        <source>文档未能签名，文件没有写入。</source>
        <translation>تعذّر توقيع المستند، ولم تتم كتابة الملف.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开，请另存为新文件。</source>
        <translation>فُتح هذا المستند للقراءة فقط، يُرجى حفظه كملف جديد.</translation>
    </message>
    <message>
        <source>密码错误，请重新输入“%1”的密码：</source>
        <translation>كلمة المرور غير صحيحة. يُرجى إعادة إدخال كلمة مرور «%1»:</translation>
    </message>
    <message>
        <source>插入的 PDF“%1”已加密，请输入密码：</source>
        <translation>ملف PDF «%1» المراد إدراجه مشفّر. أدخل كلمة المرور:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>الملف «%1» مشفّر. أدخل كلمة المرور:</translation>
    </message>
    <message>
        <source>无法删除页面</source>
        <translation>تعذر حذف الصفحات</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面。</source>
        <translation>يجب أن يحتفظ المستند بصفحة واحدة على الأقل، ولا يمكن حذف كل الصفحات.</translation>
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
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message>
        <source>从列表中移除</source>
        <translation>إزالة من القائمة</translation>
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
    <name>SettingsMenu</name>
    <message>
        <source>深色主题</source>
        <translation>السمة الداكنة</translation>
    </message>
    <message>
        <source>启动时重新打开上次的文档</source>
        <translation>إعادة فتح مستندات الجلسة السابقة عند البدء</translation>
    </message>
    <message>
        <source>批注作者</source>
        <translation>مؤلف التعليقات</translation>
    </message>
    <message>
        <source>新批注署名（留空则用系统用户名）：</source>
        <translation>الاسم في التعليقات الجديدة (اتركه فارغًا لاستخدام اسم مستخدم النظام):</translation>
    </message>
    <message>
        <source>批注作者…</source>
        <translation>مؤلف التعليقات…</translation>
    </message>
    <message>
        <source>批注作者：%1…</source>
        <translation>مؤلف التعليقات: %1…</translation>
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
    <message>
        <source>文字识别</source>
        <translation>التعرف على النص</translation>
    </message>
</context>
<context>
    <name>TabContextMenu</name>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>关闭其他标签页</source>
        <translation>إغلاق علامات التبويب الأخرى</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message>
        <source>复制文件路径</source>
        <translation>نسخ مسار الملف</translation>
    </message>
</context>
<context>
    <name>TaskListItem</name>
    <message>
        <source>打开文件</source>
        <translation>فتح الملف</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>فتح المجلد</translation>
    </message>
    <message>
        <source>处理中...</source>
        <translation>جارٍ المعالجة...</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>تم الإلغاء</translation>
    </message>
    <message>
        <source>%1 → %2（节省 %3%）</source>
        <translation>‏%1 ← %2 (أصغر بنسبة %3%)</translation>
    </message>
    <message>
        <source>移除并重试</source>
        <translation>إزالة وإعادة المحاولة</translation>
    </message>
    <message numerus="yes">
        <source>%1 等 %n 个文件</source>
        <translation>
            <numerusform>%1 وغيره (%n ملفات)</numerusform>
            <numerusform>%1 وغيره (%n ملفات)</numerusform>
            <numerusform>%1 وغيره (%n ملفات)</numerusform>
            <numerusform>%1 وغيره (%n ملفات)</numerusform>
            <numerusform>%1 وغيره (%n ملفات)</numerusform>
            <numerusform>%1 وغيره (%n ملفات)</numerusform>
        </translation>
    </message>
    <message>
        <source>处理中... %1%</source>
        <translation>جارٍ المعالجة... %1%</translation>
    </message>
</context>
<context>
    <name>TaskListWidget</name>
    <message>
        <source>重来</source>
        <translation>البدء من جديد</translation>
    </message>
    <message>
        <source>重试失败项</source>
        <translation>إعادة محاولة الفاشلة</translation>
    </message>
</context>
<context>
    <name>TextRecognitionOptionsPanel</name>
    <message>
        <source>文字识别</source>
        <translation>التعرف على النص</translation>
    </message>
    <message>
        <source>识别</source>
        <translation>تعرّف</translation>
    </message>
    <message>
        <source>识别扫描页面中的文字，使 PDF 可以搜索和复制，页面外观不变</source>
        <translation>يتعرف على نص الصفحات الممسوحة ضوئيًا ليمكن البحث في ملف PDF والنسخ منه؛ ويبقى شكل الصفحات كما هو</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>لغات التعرف</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，无法识别文字。</source>
        <translation>لا توجد بيانات لغة مثبتة للتعرف على النص؛ لا يمكن التعرف على النص.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</source>
        <translation>للتثبيت: sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>الصفحات</translation>
    </message>
    <message>
        <source>也识别已有文字的页面</source>
        <translation>التعرف أيضًا على الصفحات التي تحتوي على نص</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据</source>
        <translation>لا توجد بيانات لغة للتعرف على النص</translation>
    </message>
    <message>
        <source>请选择至少一种语言</source>
        <translation>اختر لغة واحدة على الأقل</translation>
    </message>
</context>
<context>
    <name>TextRecognitionPage</name>
    <message>
        <source>从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。</source>
        <translation>أضف ملفات PDF ممسوحة ضوئيًا من سطح المكتب أو أفلتها هنا للتعرف على نصها.</translation>
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
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
</context>
<context>
    <name>ToolOptionsPanel</name>
    <message>
        <source>文件位置</source>
        <translation>موقع الملف</translation>
    </message>
    <message>
        <source>保存选项</source>
        <translation>خيارات الحفظ</translation>
    </message>
    <message>
        <source>替换原始文件</source>
        <translation>استبدال الملف الأصلي</translation>
    </message>
    <message>
        <source>保留原始文件</source>
        <translation>الاحتفاظ بالملف الأصلي</translation>
    </message>
</context>
<context>
    <name>Worklane</name>
    <message>
        <source>invalid task</source>
        <translation>مهمة غير صالحة</translation>
    </message>
    <message>
        <source>找不到源文件</source>
        <translation>تعذّر العثور على الملف المصدر</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>الملف غير موجود: %1</translation>
    </message>
    <message>
        <source>不是PDF文件或文件已损坏：%1</source>
        <translation>ليس ملف PDF أو أن الملف تالف: %1</translation>
    </message>
    <message>
        <source>文件受密码保护，需要密码：%1</source>
        <translation>الملف محمي ويتطلب كلمة مرور: %1</translation>
    </message>
    <message>
        <source>密码不正确</source>
        <translation>كلمة المرور غير صحيحة</translation>
    </message>
    <message>
        <source>未输入密码</source>
        <translation>لم يتم إدخال كلمة مرور</translation>
    </message>
    <message>
        <source>无法读取图像：%1</source>
        <translation>تعذّرت قراءة الصورة: %1</translation>
    </message>
    <message>
        <source>图像太大，无法转换：%1</source>
        <translation>الصورة كبيرة جدًا ولا يمكن تحويلها: %1</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>لا توجد مساحة كافية على القرص</translation>
    </message>
    <message>
        <source>没有写入权限：%1</source>
        <translation>لا يوجد إذن بالكتابة: %1</translation>
    </message>
    <message>
        <source>输出文件夹不存在</source>
        <translation>مجلد الإخراج غير موجود</translation>
    </message>
    <message>
        <source>无法写入输出文件</source>
        <translation>تعذّرت كتابة الملف الناتج</translation>
    </message>
    <message>
        <source>文档没有页面</source>
        <translation>المستند لا يحتوي على صفحات</translation>
    </message>
    <message>
        <source>文档中没有可提取的图像</source>
        <translation>المستند لا يحتوي على صور لاستخراجها</translation>
    </message>
    <message>
        <source>输出会覆盖源文件：%1</source>
        <translation>سيؤدي الناتج إلى الكتابة فوق ملف مصدر: %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>الذاكرة غير كافية</translation>
    </message>
    <message>
        <source>找不到可用的文件名</source>
        <translation>تعذّر العثور على اسم ملف متاح</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>أُلغي</translation>
    </message>
    <message>
        <source>处理时出错</source>
        <translation>حدث خطأ أثناء المعالجة</translation>
    </message>
    <message>
        <source>有文件不是PDF文件或已损坏</source>
        <translation>أحد الملفات ليس ملف PDF أو أنه تالف</translation>
    </message>
    <message>
        <source>此文件没有密码</source>
        <translation>هذا الملف ليس له كلمة مرور</translation>
    </message>
    <message>
        <source>更改此文件的保护需要其所有者密码：%1</source>
        <translation>يتطلب تغيير حماية هذا الملف كلمة مرور المالك: %1</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，请先安装</source>
        <translation>لم يتم العثور على LibreOffice؛ ثبّته أولاً</translation>
    </message>
    <message>
        <source>文件已损坏或受密码保护</source>
        <translation>الملف تالف أو محمي بكلمة مرور</translation>
    </message>
    <message>
        <source>转换超时</source>
        <translation>انتهت مهلة التحويل</translation>
    </message>
    <message>
        <source>转换失败：%1</source>
        <translation>فشل التحويل: %1</translation>
    </message>
    <message>
        <source>不支持的文件类型：%1</source>
        <translation>نوع ملف غير مدعوم: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 页未找到文字，已作为图片保存</source>
        <translation>
            <numerusform>لم يُعثر على نص في أي صفحة؛ حُفظت كصور</numerusform>
            <numerusform>لم يُعثر على نص في صفحة واحدة؛ حُفظت كصورة</numerusform>
            <numerusform>لم يُعثر على نص في صفحتين؛ حُفظتا كصورتين</numerusform>
            <numerusform>لم يُعثر على نص في %n صفحات؛ حُفظت كصور</numerusform>
            <numerusform>لم يُعثر على نص في %n صفحة؛ حُفظت كصور</numerusform>
            <numerusform>لم يُعثر على نص في %n صفحة؛ حُفظت كصور</numerusform>
        </translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包</source>
        <translation>لا توجد بيانات لغة للتعرف على النص؛ ثبّت حزمة لغة مثل tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）</source>
        <translation>بيانات التعرف للغة %1 غير مثبتة (الحزمة tesseract-ocr-%2)</translation>
    </message>
    <message>
        <source>文字识别失败：%1</source>
        <translation>فشل التعرف على النص: %1</translation>
    </message>
    <message>
        <source>每页都已有文字，无需识别：%1</source>
        <translation>كل صفحة تحتوي على نص بالفعل؛ لا شيء للتعرف عليه: %1</translation>
    </message>
    <message numerus="yes">
        <source>已识别 %n 页</source>
        <translation>
            <numerusform>لم يتم التعرف على أي صفحة</numerusform>
            <numerusform>تم التعرف على صفحة واحدة</numerusform>
            <numerusform>تم التعرف على صفحتين</numerusform>
            <numerusform>تم التعرف على %n صفحات</numerusform>
            <numerusform>تم التعرف على %n صفحة</numerusform>
            <numerusform>تم التعرف على %n صفحة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页已有文字，保持原样</source>
        <translation>
            <numerusform>لا توجد صفحات بنص سابق</numerusform>
            <numerusform>صفحة واحدة تحتوي على نص وبقيت كما هي</numerusform>
            <numerusform>صفحتان تحتويان على نص وبقيتا كما هما</numerusform>
            <numerusform>%n صفحات تحتوي على نص وبقيت كما هي</numerusform>
            <numerusform>%n صفحة تحتوي على نص وبقيت كما هي</numerusform>
            <numerusform>%n صفحة تحتوي على نص وبقيت كما هي</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页无法读取</source>
        <translation>
            <numerusform>لا توجد صفحات غير مقروءة</numerusform>
            <numerusform>تعذّرت قراءة صفحة واحدة</numerusform>
            <numerusform>تعذّرت قراءة صفحتين</numerusform>
            <numerusform>تعذّرت قراءة %n صفحات</numerusform>
            <numerusform>تعذّرت قراءة %n صفحة</numerusform>
            <numerusform>تعذّرت قراءة %n صفحة</numerusform>
        </translation>
    </message>
    <message>
        <source>，</source>
        <translation>، </translation>
    </message>
    <message>
        <source>%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名</source>
        <translation>توجد توقيعات رقمية في %1؛ لم تعد التوقيعات صالحة في الملف الناتج، وتبقى الملفات الأصلية موقّعة</translation>
    </message>
    <message>
        <source>、</source>
        <translation>، </translation>
    </message>
    <message>
        <source>文件是空的：%1</source>
        <translation>الملف فارغ: %1</translation>
    </message>
    <message>
        <source>这是PDF文件，不是Office文档：%1</source>
        <translation>هذا ملف PDF وليس مستند Office: %1</translation>
    </message>
</context>
</TS>
