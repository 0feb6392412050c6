<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Velmora account</source>
        <translation>Velmora-Konto</translation>
    </message>
    <message>
        <source>Account &amp; subscription</source>
        <translation>Konto und Abonnement</translation>
    </message>
    <message>
        <source>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</source>
        <translation>Alle PDF-Werkzeuge stehen derzeit allen Nutzern zur Verfügung. Die Anmeldung gleicht nur den Status Ihres Kontos und Abonnements ab.</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create account</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Status aktualisieren</translation>
    </message>
    <message>
        <source>Manage subscription</source>
        <translation>Abonnement verwalten</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Anmeldung läuft...</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Angemeldet als %1</translation>
    </message>
    <message>
        <source>Subscription active (%1)</source>
        <translation>Abonnement aktiv (%1)</translation>
    </message>
    <message>
        <source>. Current period ends %1.</source>
        <translation>. Der aktuelle Zeitraum endet am %1.</translation>
    </message>
    <message>
        <source>Free account. All tools remain available during the current open-access period.</source>
        <translation>Kostenloses Konto. Während des aktuellen offenen Zugangs bleiben alle Werkzeuge verfügbar.</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Enter your email address and password.</source>
        <translation>Geben Sie Ihre E-Mail-Adresse und Ihr Passwort ein.</translation>
    </message>
    <message>
        <source>The account service address is not secure. Only https addresses are allowed.</source>
        <translation>Die Adresse des Kontodienstes ist nicht sicher. Nur https-Adressen sind zulässig.</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Please sign in again.</source>
        <translation>Ihre Anmeldung ist abgelaufen. Bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>The account service redirected to an address that is not allowed.</source>
        <translation>Der Kontodienst hat an eine nicht zulässige Adresse weitergeleitet.</translation>
    </message>
    <message>
        <source>The account service returned incomplete account information.</source>
        <translation>Der Kontodienst hat unvollständige Kontodaten geliefert.</translation>
    </message>
    <message>
        <source>The account service returned an invalid session.</source>
        <translation>Der Kontodienst hat eine ungültige Sitzung geliefert.</translation>
    </message>
    <message>
        <source>The account service returned an invalid response.</source>
        <translation>Der Kontodienst hat eine ungültige Antwort geliefert.</translation>
    </message>
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>最近一次编辑</source>
        <translation>Zuletzt geändert</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>简体中文</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <source>选择 Velmora 的界面语言</source>
        <translation>Wählen Sie die Sprache der Velmora-Oberfläche</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>切换语言？</source>
        <translation>Sprache wechseln?</translation>
    </message>
    <message>
        <source>界面语言将切换为“%1”。</source>
        <translation>Die Sprache der Oberfläche wird auf &quot;%1&quot; umgestellt.</translation>
    </message>
    <message>
        <source>当前打开的工具标签页将关闭。</source>
        <translation>Geöffnete Werkzeug-Tabs werden geschlossen.</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Wechseln</translation>
    </message>
    <message>
        <source>无法切换语言</source>
        <translation>Sprachwechsel nicht möglich</translation>
    </message>
    <message>
        <source>未能加载所选语言的翻译文件。</source>
        <translation>Die Übersetzungsdatei der gewählten Sprache konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>首页</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF in Office</translation>
    </message>
    <message>
        <source>Office转为PDF</source>
        <translation>Office in PDF</translation>
    </message>
    <message>
        <source>图像转PDF</source>
        <translation>Bilder in PDF</translation>
    </message>
    <message>
        <source>PDF转为图像</source>
        <translation>PDF in Bilder</translation>
    </message>
    <message>
        <source>PDF解密</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>PDF加密</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Kombinieren</translation>
    </message>
</context>
<context>
    <name>ModernComboBox</name>
    <message>
        <source>选择文件夹</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Speicherort auswählen...</translation>
    </message>
</context>
<context>
    <name>ModernMessageBox</name>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>显示密码</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>隐藏密码</source>
        <translation>Passwort verbergen</translation>
    </message>
</context>
<context>
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>Diese PDF-Datei enthält keine Seiten und kann nicht eingefügt werden.</translation>
    </message>
</context>
<context>
    <name>PdfUndoManager</name>
    <message>
        <source>复制页面</source>
        <translation>Seiten duplizieren</translation>
    </message>
    <message>
        <source>插入空白页</source>
        <translation>Leere Seite einfügen</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>PDF einfügen</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>Seiten löschen</translation>
    </message>
    <message>
        <source>向左旋转页面</source>
        <translation>Seiten nach links drehen</translation>
    </message>
    <message>
        <source>向右旋转页面</source>
        <translation>Seiten nach rechts drehen</translation>
    </message>
    <message>
        <source>移动页面</source>
        <translation>Seiten verschieben</translation>
    </message>
</context>
<context>
    <name>RecentFileListView</name>
    <message>
        <source>未找到匹配的文件</source>
        <translation>Keine passenden Dateien</translation>
    </message>
    <message>
        <source>请尝试其他关键词</source>
        <translation>Versuchen Sie andere Suchbegriffe</translation>
    </message>
    <message>
        <source>暂无最近文件</source>
        <translation>Keine zuletzt verwendeten Dateien</translation>
    </message>
    <message>
        <source>打开的 PDF 文件会显示在这里</source>
        <translation>Geöffnete PDF-Dateien werden hier angezeigt</translation>
    </message>
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>Dateien suchen</translation>
    </message>
</context>
<context>
    <name>SideNavigationBar</name>
    <message>
        <source> 打开</source>
        <translation> Öffnen</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>全部文档</source>
        <translation>Alle Dokumente</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF in Office</translation>
    </message>
    <message>
        <source>Office 转为 PDF</source>
        <translation>Office in PDF</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF in Bilder</translation>
    </message>
    <message>
        <source>图像转 PDF</source>
        <translation>Bilder in PDF</translation>
    </message>
    <message>
        <source>加密PDF</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>解锁PDF</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Kombinieren</translation>
    </message>
    <message>
        <source>打开 PDF 文件</source>
        <translation>PDF-Datei öffnen</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <source>Account and subscription</source>
        <translation>Konto und Abonnement</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
