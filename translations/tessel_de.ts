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
    <message>
        <source>无法连接账户服务，请检查网络连接。</source>
        <translation>Der Kontodienst ist nicht erreichbar. Bitte prüfen Sie Ihre Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>账户服务暂时无法完成请求。</source>
        <translation>Der Kontodienst kann die Anfrage derzeit nicht ausführen.</translation>
    </message>
</context>
<context>
    <name>BatchToolPage</name>
    <message>
        <source>任务仍在运行</source>
        <translation>Aufträge laufen noch</translation>
    </message>
    <message numerus="yes">
        <source>还有 %n 个任务尚未完成。取消后，这些任务不会留下任何输出文件。</source>
        <translation>
            <numerusform>%n Auftrag ist noch nicht abgeschlossen. Wenn Sie ihn abbrechen, bleibt keine Ausgabedatei zurück.</numerusform>
            <numerusform>%n Aufträge sind noch nicht abgeschlossen. Wenn Sie sie abbrechen, bleiben keine Ausgabedateien zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>取消任务</source>
        <translation>Aufträge abbrechen</translation>
    </message>
    <message>
        <source>继续等待</source>
        <translation>Weiter warten</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>Öffnen nicht möglich</translation>
    </message>
    <message>
        <source>没有可以打开它的程序。</source>
        <translation>Es ist kein Programm vorhanden, das dies öffnen kann.</translation>
    </message>
    <message>
        <source>无法创建输出文件夹</source>
        <translation>Der Ausgabeordner kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>阅读 PDF、整理页面并批量处理 PDF 文件。</source>
        <translation>PDF-Dateien lesen, ihre Seiten neu ordnen und PDF-Dateien stapelweise verarbeiten.</translation>
    </message>
    <message>
        <source>显示此帮助并退出。</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>第一个文件从第 &lt;页码&gt; 页打开。</source>
        <translation>Die erste Datei auf Seite &lt;Seite&gt; öffnen.</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>打开一个新窗口，不把文件交给已在运行的 Velmora。</source>
        <translation>Ein neues Fenster öffnen, statt die Dateien an das laufende Velmora zu übergeben.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件，可以有多个。</source>
        <translation>Die zu öffnenden PDF-Dateien, eine oder mehrere.</translation>
    </message>
    <message>
        <source>[文件…]</source>
        <translation>[Dateien…]</translation>
    </message>
    <message>
        <source>页码必须是正整数：%1</source>
        <translation>Die Seite muss eine positive ganze Zahl sein: %1</translation>
    </message>
    <message>
        <source>--page 需要一个要打开的文件。</source>
        <translation>--page braucht eine zu öffnende Datei.</translation>
    </message>
    <message>
        <source>用 --help 查看可用的选项。</source>
        <translation>Mit --help sehen Sie die verfügbaren Optionen.</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>转换结果写入 &lt;文件夹&gt;。</source>
        <translation>Die Ergebnisse in &lt;Ordner&gt; schreiben.</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>不支持转换为此格式：%1</source>
        <translation>Umwandlung in dieses Format wird nicht unterstützt: %1</translation>
    </message>
    <message>
        <source>--outdir 需要一个文件夹。</source>
        <translation>--outdir benötigt einen Ordner.</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Der Ordner kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>不打开窗口，把文件转换为 &lt;格式&gt;（pdf、docx、xlsx、pptx）。</source>
        <translation>Die Dateien ohne Fenster in &lt;Format&gt; umwandeln (pdf, docx, xlsx, pptx).</translation>
    </message>
    <message>
        <source>不打开窗口，识别扫描页面的文字，写入可搜索的 PDF。</source>
        <translation>Ohne Fenster den Text gescannter Seiten erkennen und ein durchsuchbares PDF schreiben.</translation>
    </message>
    <message>
        <source>文字识别的语言，例如 eng+chi_sim。</source>
        <translation>Sprachen der Texterkennung, zum Beispiel eng+chi_sim.</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>未安装这些语言的识别数据：%1（已安装：%2）</source>
        <translation>Für diese Sprachen sind keine Erkennungsdaten installiert: %1 (installiert: %2)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>不打开窗口，检查文件的数字签名：每个签名一行（文件、字段、签名者、结论）。</source>
        <translation>Ohne Fenster die digitalen Signaturen der Dateien prüfen: eine Zeile je Signatur (Datei, Feld, Unterzeichner, Ergebnis).</translation>
    </message>
    <message>
        <source>不打开窗口，为文件签名，写入新文件 &lt;名称&gt;-signed.pdf。证书密码从标准输入或 VELMORA_CERT_PASSWORD 读取。</source>
        <translation>Ohne Fenster die Dateien signieren und jeweils in eine neue Datei &lt;Name&gt;-signed.pdf schreiben. Das Zertifikatspasswort wird von der Standardeingabe oder aus VELMORA_CERT_PASSWORD gelesen.</translation>
    </message>
    <message>
        <source>签名用的证书文件（.p12、.pfx）。</source>
        <translation>Die Zertifikatsdatei zum Signieren (.p12, .pfx).</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>Zertifikat</translation>
    </message>
    <message>
        <source>要签名的空签名字段。</source>
        <translation>Das leere Signaturfeld, das signiert werden soll.</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>签名框：x,y,宽,高（磅，从页面左上角算起），与 --page 一起使用。</source>
        <translation>Der Signaturrahmen: x,y,Breite,Höhe (in Punkt, ab der oberen linken Ecke der Seite), zusammen mit --page zu verwenden.</translation>
    </message>
    <message>
        <source>框</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>签名的原因。</source>
        <translation>Der Grund für die Signatur.</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>时间戳服务器的地址（RFC 3161）。</source>
        <translation>Die Adresse des Zeitstempelservers (RFC 3161).</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>--verify 不能与 --sign 一起使用。</source>
        <translation>--verify kann nicht zusammen mit --sign verwendet werden.</translation>
    </message>
    <message>
        <source>--sign 需要要签名的 PDF 文件。</source>
        <translation>--sign braucht die zu signierenden PDF-Dateien.</translation>
    </message>
    <message>
        <source>--verify 需要要检查的 PDF 文件。</source>
        <translation>--verify braucht die zu prüfenden PDF-Dateien.</translation>
    </message>
    <message>
        <source>--verify 不接受签名的选项。</source>
        <translation>--verify akzeptiert keine Optionen zum Signieren.</translation>
    </message>
    <message>
        <source>--sign 需要 --cert 证书文件。</source>
        <translation>--sign braucht eine Zertifikatsdatei, angegeben mit --cert.</translation>
    </message>
    <message>
        <source>--field 不能与 --page 或 --rect 一起使用。</source>
        <translation>--field kann nicht zusammen mit --page oder --rect verwendet werden.</translation>
    </message>
    <message>
        <source>--page 和 --rect 要一起使用。</source>
        <translation>--page und --rect müssen zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>--rect 需要 x,y,宽,高 四个数，宽和高大于 0：%1</source>
        <translation>--rect braucht vier Zahlen x,y,Breite,Höhe, Breite und Höhe größer als 0: %1</translation>
    </message>
    <message>
        <source>--%1 只能与 --sign 一起使用。</source>
        <translation>--%1 kann nur mit --sign verwendet werden.</translation>
    </message>
    <message>
        <source>证书文件不存在：%1</source>
        <translation>Die Zertifikatsdatei existiert nicht: %1</translation>
    </message>
    <message>
        <source>没有可用的显示器：窗口需要图形会话（DISPLAY 或 WAYLAND_DISPLAY）。命令行功能无需显示器，见 --help。</source>
        <translation>Keine Anzeige verfügbar: Das Fenster braucht eine grafische Sitzung (DISPLAY oder WAYLAND_DISPLAY). Die Befehlszeilenfunktionen arbeiten ohne Anzeige; siehe --help.</translation>
    </message>
    <message>
        <source>从 VELMORA_PASSWORD 或标准输入的第一行读取密码：--encrypt 的新密码，--unlock 和其他工具打开文件用的密码。</source>
        <translation>Ein Passwort aus VELMORA_PASSWORD oder der ersten Zeile der Standardeingabe lesen: das neue Passwort für --encrypt, das Passwort zum Öffnen der Dateien für --unlock und die anderen Werkzeuge.</translation>
    </message>
    <message>
        <source>%1 不能与 %2 一起使用。</source>
        <translation>%1 kann nicht zusammen mit %2 verwendet werden.</translation>
    </message>
    <message>
        <source>%1 只能与 %2 一起使用。</source>
        <translation>%1 kann nur zusammen mit %2 verwendet werden.</translation>
    </message>
    <message>
        <source>%1 需要一个值。</source>
        <translation>%1 benötigt einen Wert.</translation>
    </message>
    <message>
        <source>%1 只能是 %2：%3</source>
        <translation>%1 muss einer der Werte %2 sein: %3</translation>
    </message>
    <message>
        <source>%1 需要要处理的文件。</source>
        <translation>%1 benötigt die zu verarbeitenden Dateien.</translation>
    </message>
    <message>
        <source>%1 需要 --password。</source>
        <translation>%1 benötigt --password.</translation>
    </message>
    <message>
        <source>不打开窗口，压缩 PDF 文件，写入新文件。</source>
        <translation>Ohne Fenster PDF-Dateien komprimieren und als neue Dateien schreiben.</translation>
    </message>
    <message>
        <source>不打开窗口，把 PDF 的每一页存为图像，每个文件一个文件夹。</source>
        <translation>Ohne Fenster jede Seite der PDF-Dateien als Bild speichern, ein Ordner pro Datei.</translation>
    </message>
    <message>
        <source>不打开窗口，把图像（JPEG、PNG）转为 PDF。</source>
        <translation>Ohne Fenster Bilder (JPEG, PNG) in PDF konvertieren.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码保护 PDF 文件，写入新文件。</source>
        <translation>Ohne Fenster PDF-Dateien mit dem über --password angegebenen Passwort schützen und als neue Dateien schreiben.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码去除 PDF 文件的保护，写入新文件。</source>
        <translation>Ohne Fenster den Schutz von PDF-Dateien mit dem über --password angegebenen Passwort entfernen und als neue Dateien schreiben.</translation>
    </message>
    <message>
        <source>不打开窗口，按给出的顺序把 PDF 文件合并为一个。</source>
        <translation>Ohne Fenster die PDF-Dateien in der angegebenen Reihenfolge zu einer kombinieren.</translation>
    </message>
    <message>
        <source>压缩程度：basic（默认）或 strong。</source>
        <translation>Komprimierungsstufe: basic (Standard) oder strong.</translation>
    </message>
    <message>
        <source>程度</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>图像格式：jpg（默认）或 png。</source>
        <translation>Bildformat: jpg (Standard) oder png.</translation>
    </message>
    <message>
        <source>所有图像写入一个 PDF。</source>
        <translation>Alle Bilder in ein PDF schreiben.</translation>
    </message>
    <message>
        <source>页面大小：a4（默认）或 letter。</source>
        <translation>Seitengröße: a4 (Standard) oder letter.</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>页边距：none（默认）、narrow 或 wide。</source>
        <translation>Ränder: none (Standard), narrow oder wide.</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>页面方向：portrait（默认）或 landscape。</source>
        <translation>Seitenausrichtung: portrait (Standard) oder landscape.</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>在文件之间插入一页空白页。</source>
        <translation>Zwischen den Dateien eine leere Seite einfügen.</translation>
    </message>
    <message>
        <source>已有文字的页面也重新识别。</source>
        <translation>Auch Seiten erkennen, die bereits Text haben.</translation>
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
    <name>CustomTabWidget</name>
    <message>
        <source>全部标签页</source>
        <translation>Alle Tabs</translation>
    </message>
</context>
<context>
    <name>FileDropZoneWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>PDF auswählen</translation>
    </message>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Fügen Sie PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um die Konvertierung zu starten.</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Dateien hinzufügen</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
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
    <name>FileListItem</name>
    <message>
        <source>拖动排序</source>
        <translation>Zum Sortieren ziehen</translation>
    </message>
</context>
<context>
    <name>FileListWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>PDF auswählen</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Alle entfernen</translation>
    </message>
</context>
<context>
    <name>FileLocationSelector</name>
    <message>
        <source>文件保存位置</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>原始文件夹</source>
        <translation>Originalordner</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>自定义文件夹</source>
        <translation>Eigener Ordner</translation>
    </message>
    <message>
        <source>选择其他文件夹…</source>
        <translation>Anderen Ordner auswählen…</translation>
    </message>
    <message>
        <source>选择文件保存位置</source>
        <translation>Speicherort auswählen</translation>
    </message>
</context>
<context>
    <name>FileProtectionCheck</name>
    <message>
        <source>更改“%1”的保护需要所有者密码，请输入：</source>
        <translation>Zum Ändern des Schutzes von &quot;%1&quot; wird das Besitzerpasswort benötigt. Bitte eingeben:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>&quot;%1&quot; ist verschlüsselt. Bitte Passwort eingeben:</translation>
    </message>
    <message>
        <source>密码错误，请重试。</source>
        <translation>Falsches Passwort. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Passwort erforderlich</translation>
    </message>
</context>
<context>
    <name>FileSizeText</name>
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
</context>
<context>
    <name>ImageToPdfOptionsPanel</name>
    <message>
        <source>图像转PDF</source>
        <translation>Bilder in PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Seitengröße</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter(US)</source>
        <translation>Letter (US)</translation>
    </message>
    <message>
        <source>页边距选项</source>
        <translation>Seitenränder</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>窄</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>页面方向</source>
        <translation>Seitenausrichtung</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>转换为单个PDF</source>
        <translation>In eine einzige PDF-Datei konvertieren</translation>
    </message>
    <message>
        <source>每张图像都将保存为单个PDF</source>
        <translation>Alle Bilder werden in einer einzigen PDF-Datei gespeichert</translation>
    </message>
</context>
<context>
    <name>ImageToPdfPage</name>
    <message>
        <source>添加或拖拽图像文件进行转换。</source>
        <translation>Fügen Sie Bilddateien zum Konvertieren hinzu oder ziehen Sie sie hierher.</translation>
    </message>
    <message>
        <source>图像文件 (*.jpg *.jpeg *.png)</source>
        <translation>Bilddateien (*.jpg *.jpeg *.png)</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>Bilder auswählen</translation>
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
    <message>
        <source>%1（未保存）</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
    <message>
        <source>只打开了 PDF 文件</source>
        <translation>Nur PDF-Dateien wurden geöffnet</translation>
    </message>
    <message>
        <source>以下文件不是 PDF，未打开：</source>
        <translation>Diese Dateien sind keine PDF-Dateien und wurden nicht geöffnet:</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>以下路径不存在，或不是文件：</source>
        <translation>Diese Pfade existieren nicht oder sind keine Dateien:</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>以下文档有未保存的修改，切换前是否保存？</source>
        <translation>Diese Dokumente haben ungespeicherte Änderungen. Vor dem Wechsel speichern?</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>Texterkennung</translation>
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
    <name>OfficeToPdfOptionsPanel</name>
    <message>
        <source>Office转为PDF</source>
        <translation>Office in PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>将 Word、PowerPoint 和 Excel 文件转换为 PDF</source>
        <translation>Word-, PowerPoint- und Excel-Dateien in PDF konvertieren</translation>
    </message>
    <message>
        <source>未找到 LibreOffice</source>
        <translation>LibreOffice nicht gefunden</translation>
    </message>
    <message>
        <source>请从 libreoffice.org 下载并安装 LibreOffice。</source>
        <translation>Laden Sie LibreOffice von libreoffice.org herunter und installieren Sie es.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</source>
        <translation>Installation: sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，无法转换 Office 文件。</source>
        <translation>LibreOffice wurde nicht gefunden; Office-Dateien können nicht umgewandelt werden.</translation>
    </message>
</context>
<context>
    <name>OfficeToPdfPage</name>
    <message>
        <source>添加或拖拽文件进行转换。</source>
        <translation>Fügen Sie Dateien zum Konvertieren hinzu oder ziehen Sie sie hierher.</translation>
    </message>
    <message>
        <source>Office 文件 (%1)</source>
        <translation>Office-Dateien (%1)</translation>
    </message>
    <message>
        <source>选择 Office 文件</source>
        <translation>Office-Dateien auswählen</translation>
    </message>
</context>
<context>
    <name>OutputLocationChoice</name>
    <message>
        <source>原始文件</source>
        <translation>Originalordner</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Velmora文件</source>
        <translation>Velmora-Dateien</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Speicherort auswählen...</translation>
    </message>
    <message>
        <source>路径中有一个同名的文件：%1</source>
        <translation>Eine gleichnamige Datei ist im Weg: %1</translation>
    </message>
    <message>
        <source>没有在此创建文件夹的权限：%1</source>
        <translation>Keine Berechtigung, hier einen Ordner zu erstellen: %1</translation>
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
    <name>PdfAnnotationLayer</name>
    <message>
        <source>所选批注的样式</source>
        <translation>Stil des ausgewählten Kommentars</translation>
    </message>
    <message>
        <source>%1工具的样式</source>
        <translation>Werkzeugstil: %1</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationMenu</name>
    <message>
        <source>编辑文字</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>编辑批注文字</source>
        <translation>Kommentartext bearbeiten</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Kommentar löschen</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationModel</name>
    <message>
        <source>添加批注</source>
        <translation>Kommentar hinzufügen</translation>
    </message>
    <message>
        <source>编辑批注</source>
        <translation>Kommentar bearbeiten</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Kommentar löschen</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Unterstreichung</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Durchstreichung</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Freihand</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>其他批注</source>
        <translation>Anderer Kommentar</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationStyleMenu</name>
    <message>
        <source>红色</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>自定义…</source>
        <translation>Eigene Farbe…</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>填充</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>无填充</source>
        <translation>Keine Füllung</translation>
    </message>
    <message>
        <source>线宽：%1 磅</source>
        <translation>Linienstärke: %1 pt</translation>
    </message>
    <message>
        <source>%1 磅</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>线型：虚线</source>
        <translation>Linienart: gestrichelt</translation>
    </message>
    <message>
        <source>线型：实线</source>
        <translation>Linienart: durchgezogen</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>字号：%1 磅</source>
        <translation>Schriftgröße: %1 pt</translation>
    </message>
    <message>
        <source>不透明度：%1%</source>
        <translation>Deckkraft: %1 %</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationTextEditor</name>
    <message>
        <source>完成</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>保存文字 (Ctrl+Enter)</source>
        <translation>Text speichern (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>输入批注…</source>
        <translation>Kommentar eingeben…</translation>
    </message>
</context>
<context>
    <name>PdfBottomControlBar</name>
    <message>
        <source>上一页</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>缩放比例：选择或输入百分比</source>
        <translation>Zoom: Wert auswählen oder Prozentsatz eingeben</translation>
    </message>
    <message>
        <source>适合宽度</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>未适合窗口：点按适合宽度</source>
        <translation>Nicht an das Fenster angepasst: Klicken, um an die Seitenbreite anzupassen</translation>
    </message>
</context>
<context>
    <name>PdfCommentsPanel</name>
    <message>
        <source>正在读取批注…</source>
        <translation>Kommentare werden gelesen…</translation>
    </message>
    <message>
        <source>此文档没有批注</source>
        <translation>Dieses Dokument hat keine Kommentare</translation>
    </message>
    <message>
        <source>编辑文字</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>已接受</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>已拒绝</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>已标记</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>未标记</source>
        <translation>Nicht markiert</translation>
    </message>
    <message>
        <source>%1. 第 %2 页 · %3</source>
        <translation>%1. Seite %2 · %3</translation>
    </message>
    <message>
        <source>状态：%1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>回复</source>
        <translation>Antwort</translation>
    </message>
</context>
<context>
    <name>PdfCompressOptionsPanel</name>
    <message>
        <source>压缩PDF</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>选择压缩等级</source>
        <translation>Komprimierungsstufe auswählen</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>文件尺寸适中，质量最</source>
        <translation>Mittlere Dateigröße, beste Qualität</translation>
    </message>
    <message>
        <source>强</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>文件最小，质量</source>
        <translation>Kleinste Dateigröße, gute Qualität</translation>
    </message>
</context>
<context>
    <name>PdfCompressPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始压缩。</source>
        <translation>Fügen Sie PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um die Komprimierung zu starten.</translation>
    </message>
</context>
<context>
    <name>PdfConvertOptionsPanel</name>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF in Bilder</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>选择图像格式</source>
        <translation>Bildformat auswählen</translation>
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
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>提取单个图像</source>
        <translation>Einzelne Bilder extrahieren</translation>
    </message>
    <message>
        <source>PDF 中的每张图像都将保存为单张图像</source>
        <translation>Jedes Bild der PDF-Datei wird als eigenes Bild gespeichert</translation>
    </message>
</context>
<context>
    <name>PdfConvertPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Fügen Sie PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um die Konvertierung zu starten.</translation>
    </message>
</context>
<context>
    <name>PdfDecryOptionsPanel</name>
    <message>
        <source>解锁PDF</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>Dieses Feld ist erforderlich</translation>
    </message>
</context>
<context>
    <name>PdfDecryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始解密。</source>
        <translation>Fügen Sie PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um das Entsperren zu starten.</translation>
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
    <name>PdfDocumentSession</name>
    <message>
        <source>另一个标签页正在使用“%1”，无法替换它。</source>
        <translation>&quot;%1&quot; wird in einem anderen Tab verwendet und kann nicht ersetzt werden.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentView</name>
    <message>
        <source>正在渲染第 %1 页…</source>
        <translation>Seite %1 wird gerendert…</translation>
    </message>
</context>
<context>
    <name>PdfEncryOptionsPanel</name>
    <message>
        <source>加密PDF</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>Passwort hinzufügen</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>重新输入密码</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>Dieses Feld ist erforderlich</translation>
    </message>
    <message>
        <source>两个密码应该匹配</source>
        <translation>Die Passwörter müssen übereinstimmen</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>所有者密码</source>
        <translation>Besitzerpasswort</translation>
    </message>
    <message>
        <source>留空则与上面的密码相同</source>
        <translation>Leer lassen, um das Passwort oben zu verwenden</translation>
    </message>
    <message>
        <source>允许打印</source>
        <translation>Drucken erlauben</translation>
    </message>
    <message>
        <source>允许复制内容</source>
        <translation>Kopieren von Inhalten erlauben</translation>
    </message>
    <message>
        <source>允许修改</source>
        <translation>Änderungen erlauben</translation>
    </message>
    <message>
        <source>限制权限需要一个与密码不同的所有者密码</source>
        <translation>Für eingeschränkte Berechtigungen ist ein vom Passwort abweichendes Besitzerpasswort nötig</translation>
    </message>
</context>
<context>
    <name>PdfEncryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始加密。</source>
        <translation>Fügen Sie PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um die Verschlüsselung zu starten.</translation>
    </message>
</context>
<context>
    <name>PdfExtractSplitWriter</name>
    <message>
        <source>未命名</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>提取失败</source>
        <translation>Extrahieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>正在提取页面</source>
        <translation>Seiten werden extrahiert</translation>
    </message>
    <message>
        <source>提取完成</source>
        <translation>Extrahieren abgeschlossen</translation>
    </message>
    <message>
        <source>部分页面提取失败</source>
        <translation>Einige Seiten konnten nicht extrahiert werden</translation>
    </message>
    <message>
        <source>拆分失败</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>正在拆分 PDF</source>
        <translation>PDF wird geteilt</translation>
    </message>
    <message>
        <source>拆分完成</source>
        <translation>Teilen abgeschlossen</translation>
    </message>
    <message>
        <source>部分文件拆分失败</source>
        <translation>Einige Dateien konnten nicht geteilt werden</translation>
    </message>
    <message>
        <source>无法创建目标文件夹。</source>
        <translation>Der Zielordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Dateien werden geschrieben. Bei großen Dateien kann dies etwas dauern.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>Bitte schließen Sie das Programm nicht, bevor der Vorgang abgeschlossen ist.</translation>
    </message>
    <message>
        <source>已生成 %1 个 PDF 文件。
%2</source>
        <translation>Erstellte PDF-Dateien: %1
%2</translation>
    </message>
    <message>
        <source>已生成 %1 个文件，%2 个文件失败。

%3</source>
        <translation>Erstellte Dateien: %1, fehlgeschlagen: %2.

%3</translation>
    </message>
    <message numerus="yes">
        <source>…以及另外 %n 个文件</source>
        <translation>
            <numerusform>… und %n weitere Datei</numerusform>
            <numerusform>… und %n weitere Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>PdfFindBar</name>
    <message>
        <source>在文档中查找</source>
        <translation>Im Dokument suchen</translation>
    </message>
    <message>
        <source>上一处</source>
        <translation>Vorheriger Treffer</translation>
    </message>
    <message>
        <source>下一处</source>
        <translation>Nächster Treffer</translation>
    </message>
    <message>
        <source>关闭查找</source>
        <translation>Suche schließen</translation>
    </message>
    <message>
        <source>已查找 %1/%2 页</source>
        <translation>%1 von %2 Seiten durchsucht</translation>
    </message>
    <message>
        <source>第 %1/%2 处</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>共 %1 处</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>正在查找…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Text erkennen</translation>
    </message>
    <message numerus="yes">
        <source>%n 页没有文字（可能是扫描件）。识别文字后即可查找。</source>
        <translation>
            <numerusform>%n Seite hat keinen Text (vielleicht ein Scan). Erkennen Sie den Text, um sie zu durchsuchen.</numerusform>
            <numerusform>%n Seiten haben keinen Text (vielleicht Scans). Erkennen Sie den Text, um sie zu durchsuchen.</numerusform>
        </translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>Nur ganze Wörter</translation>
    </message>
    <message>
        <source>显示所有结果</source>
        <translation>Alle Treffer anzeigen</translation>
    </message>
    <message>
        <source>隐藏结果列表</source>
        <translation>Trefferliste ausblenden</translation>
    </message>
</context>
<context>
    <name>PdfFindResultsModel</name>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>PdfInsertDropZone</name>
    <message>
        <source>插入 PDF
或将多个 PDF 拖放至此处</source>
        <translation>PDF einfügen
oder PDF-Dateien hierher ziehen</translation>
    </message>
</context>
<context>
    <name>PdfMergeOptionsPanel</name>
    <message>
        <source>合并PDF</source>
        <translation>Kombinieren</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>Kombinieren</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Leere Seite</translation>
    </message>
    <message>
        <source>在合并之前，你可以在文件之间插入空白页</source>
        <translation>Vor dem Kombinieren können Sie leere Seiten zwischen den Dateien einfügen</translation>
    </message>
</context>
<context>
    <name>PdfMergePage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始合并。</source>
        <translation>Fügen Sie PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um das Kombinieren zu starten.</translation>
    </message>
</context>
<context>
    <name>PdfOperationSidePanel</name>
    <message>
        <source>将选定页面提取为单个文件</source>
        <translation>Ausgewählte Seiten in eine einzige Datei extrahieren</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>将每个页面拆分为单个文件</source>
        <translation>Jede Seite in eine eigene Datei teilen</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>文件提取选项</source>
        <translation>Optionen zum Extrahieren</translation>
    </message>
    <message>
        <source>将选定页面另存为</source>
        <translation>Ausgewählte Seiten speichern als</translation>
    </message>
    <message>
        <source>文件拆分选项</source>
        <translation>Optionen zum Teilen</translation>
    </message>
    <message>
        <source>输出预览</source>
        <translation>Vorschau der Ausgabe</translation>
    </message>
    <message>
        <source>文件位置</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>请先选择要提取的页面</source>
        <translation>Wählen Sie zuerst die zu extrahierenden Seiten aus</translation>
    </message>
    <message>
        <source>%1-%2.pdf
第 %2 页</source>
        <translation>%1-%2.pdf
Seite %2</translation>
    </message>
    <message>
        <source>%1
第 %2 页</source>
        <translation>%1
Seite %2</translation>
    </message>
    <message>
        <source>%1-extracted.pdf
页面 %2</source>
        <translation>%1-extracted.pdf
Seiten %2</translation>
    </message>
    <message>
        <source>%1
页面 %2</source>
        <translation>%1
Seiten %2</translation>
    </message>
    <message>
        <source>点击页面之间的虚线，可以自定义拆分文件。</source>
        <translation>Klicken Sie auf die gestrichelte Linie zwischen den Seiten, um festzulegen, wo die Datei geteilt wird.</translation>
    </message>
    <message>
        <source>%1-%2.pdf
页面 %3-%4</source>
        <translation>%1-%2.pdf
Seiten %3-%4</translation>
    </message>
    <message>
        <source>%1
页面 %2-%3</source>
        <translation>%1
Seiten %2-%3</translation>
    </message>
</context>
<context>
    <name>PdfOutlinePanel</name>
    <message>
        <source>正在读取书签…</source>
        <translation>Lesezeichen werden gelesen…</translation>
    </message>
    <message>
        <source>此文档没有书签</source>
        <translation>Dieses Dokument hat keine Lesezeichen</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Lesezeichen</translation>
    </message>
</context>
<context>
    <name>PdfPageCardMenu</name>
    <message>
        <source>创建副本</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Leere Seite danach einfügen</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>PDF einfügen</translation>
    </message>
</context>
<context>
    <name>PdfPageManagerView</name>
    <message>
        <source>正在生成预览…</source>
        <translation>Vorschau wird erstellt…</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Vergrößern</translation>
    </message>
</context>
<context>
    <name>PdfPageMenu</name>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>全选本页文字</source>
        <translation>Gesamten Text dieser Seite auswählen</translation>
    </message>
    <message>
        <source>查找所选文字</source>
        <translation>Ausgewählten Text suchen</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Unterstreichen</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Durchstreichen</translation>
    </message>
</context>
<context>
    <name>PdfPageNumberDialog</name>
    <message>
        <source>添加页码</source>
        <translation>Seitenzahlen hinzufügen</translation>
    </message>
    <message>
        <source>底部居中</source>
        <translation>Unten mittig</translation>
    </message>
    <message>
        <source>底部右侧</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>底部左侧</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>顶部居中</source>
        <translation>Oben mittig</translation>
    </message>
    <message>
        <source>顶部右侧</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>顶部左侧</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>页码（1, 2, 3…）</source>
        <translation>Seitenzahl (1, 2, 3…)</translation>
    </message>
    <message>
        <source>页码 / 总页数（1 / 12）</source>
        <translation>Seite / Gesamt (1 / 12)</translation>
    </message>
    <message>
        <source> 磅</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>起始页码</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>PdfPageToneMenu</name>
    <message>
        <source>页面颜色</source>
        <translation>Seitenfarben</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>反色（夜间）</source>
        <translation>Invertiert (Nacht)</translation>
    </message>
    <message>
        <source>棕褐色</source>
        <translation>Sepia</translation>
    </message>
</context>
<context>
    <name>PdfPrintJob</name>
    <message>
        <source>打印 PDF</source>
        <translation>PDF drucken</translation>
    </message>
    <message>
        <source>打印失败</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>打印未完成</source>
        <translation>Drucken nicht abgeschlossen</translation>
    </message>
    <message>
        <source>第 %1 页渲染失败。</source>
        <translation>Seite %1 konnte nicht gerendert werden.</translation>
    </message>
    <message>
        <source>打印机无法创建新页面。</source>
        <translation>Der Drucker konnte keine neue Seite anlegen.</translation>
    </message>
    <message>
        <source>正在取消打印…</source>
        <translation>Drucken wird abgebrochen…</translation>
    </message>
    <message>
        <source>已完成 %1 / %2 页</source>
        <translation>%1 von %2 Seiten erledigt</translation>
    </message>
    <message>
        <source>正在打印 PDF</source>
        <translation>PDF wird gedruckt</translation>
    </message>
    <message>
        <source>正在准备 %1 页，页数多时可能需要一些时间。</source>
        <translation>%1 Seiten werden vorbereitet. Bei vielen Seiten kann dies etwas dauern.</translation>
    </message>
    <message>
        <source>不能打印到文档正在读取的文件：%1</source>
        <translation>In eine Datei, aus der das Dokument seine Seiten liest, kann nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>打印完成</source>
        <translation>Drucken abgeschlossen</translation>
    </message>
    <message>
        <source>已有同名文件，打印内容已保存为：
%1</source>
        <translation>Eine Datei dieses Namens existiert; der Druck wurde gespeichert als:
%1</translation>
    </message>
</context>
<context>
    <name>PdfPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 × %2 毫米</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Dokumenteigenschaften</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>以逗号分隔</source>
        <translation>Durch Kommas getrennt</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Seitengröße</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF-Version</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF-Erzeuger</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Berechtigungen</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>Wird gelesen…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>未保存</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>%1（各页大小不同）</source>
        <translation>%1 (Seiten unterschiedlich groß)</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 Byte)</translation>
    </message>
    <message>
        <source>%1，已为快速网页查看优化</source>
        <translation>%1, für schnelle Webanzeige optimiert</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>不受限制</source>
        <translation>Nicht eingeschränkt</translation>
    </message>
    <message>
        <source>已加密</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>已加密（%1）</source>
        <translation>Verschlüsselt (%1)</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>erlaubt</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>nicht erlaubt</translation>
    </message>
    <message>
        <source>打印：%1</source>
        <translation>Drucken: %1</translation>
    </message>
    <message>
        <source>仅低质量</source>
        <translation>nur niedrige Qualität</translation>
    </message>
    <message>
        <source>修改内容：%1</source>
        <translation>Inhalt ändern: %1</translation>
    </message>
    <message>
        <source>复制文本和图像：%1</source>
        <translation>Text und Bilder kopieren: %1</translation>
    </message>
    <message>
        <source>添加注释：%1</source>
        <translation>Kommentieren: %1</translation>
    </message>
    <message>
        <source>填写表单：%1</source>
        <translation>Formulare ausfüllen: %1</translation>
    </message>
    <message>
        <source>组合页面：%1</source>
        <translation>Seiten zusammenstellen: %1</translation>
    </message>
    <message>
        <source>已用所有者密码打开，不受这些限制</source>
        <translation>Mit dem Besitzerpasswort geöffnet: diese Einschränkungen gelten nicht</translation>
    </message>
    <message>
        <source>此文件的权限不允许修改文档属性。</source>
        <translation>Die Berechtigungen dieser Datei erlauben keine Änderung der Dokumenteigenschaften.</translation>
    </message>
    <message>
        <source>无法读取文件的属性：%1</source>
        <translation>Die Eigenschaften der Datei können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>数字签名</source>
        <translation>Digitale Signaturen</translation>
    </message>
</context>
<context>
    <name>PdfReadingHistory</name>
    <message>
        <source>后退</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Vor</translation>
    </message>
</context>
<context>
    <name>PdfReadingModes</name>
    <message>
        <source>页面布局</source>
        <translation>Seitenlayout</translation>
    </message>
    <message>
        <source>连续滚动</source>
        <translation>Fortlaufend</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Einzelne Seite</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Zwei Seiten</translation>
    </message>
    <message>
        <source>双页（封面单独显示）</source>
        <translation>Zwei Seiten (Titelseite einzeln)</translation>
    </message>
    <message>
        <source>顺时针旋转视图</source>
        <translation>Ansicht im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>逆时针旋转视图</source>
        <translation>Ansicht gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>演示</source>
        <translation>Präsentation</translation>
    </message>
</context>
<context>
    <name>PdfSignDialog</name>
    <message>
        <source>签名</source>
        <translation>Signieren</translation>
    </message>
    <message>
        <source>选择证书…</source>
        <translation>Zertifikat auswählen…</translation>
    </message>
    <message>
        <source>在页面上画出签名框</source>
        <translation>Signaturrahmen auf der Seite zeichnen</translation>
    </message>
    <message>
        <source>签名字段：%1（第 %2 页）</source>
        <translation>Signaturfeld: %1 (Seite %2)</translation>
    </message>
    <message>
        <source>签名字段：%1</source>
        <translation>Signaturfeld: %1</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>Unsichtbare Signatur</translation>
    </message>
    <message>
        <source>可选，例如：同意此文档</source>
        <translation>Optional, zum Beispiel: Ich stimme diesem Dokument zu</translation>
    </message>
    <message>
        <source>可选</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>可选：时间戳服务器地址（RFC 3161）</source>
        <translation>Optional: Adresse des Zeitstempelservers (RFC 3161)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>选择图片…</source>
        <translation>Bild auswählen…</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>Zertifikat</translation>
    </message>
    <message>
        <source>签名位置</source>
        <translation>Platzierung</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>地点</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>时间戳</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>未选择证书</source>
        <translation>Kein Zertifikat ausgewählt</translation>
    </message>
    <message>
        <source>%1（签名时输入密码）</source>
        <translation>%1 (Passwort wird beim Signieren abgefragt)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1（%2，有效期至 %3）</source>
        <translation>%1 (%2, gültig bis %3)</translation>
    </message>
    <message>
        <source>选择证书</source>
        <translation>Zertifikat auswählen</translation>
    </message>
    <message>
        <source>证书文件 (*.p12 *.pfx)</source>
        <translation>Zertifikatsdateien (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>请输入证书“%1”的密码：</source>
        <translation>Geben Sie das Passwort des Zertifikats &quot;%1&quot; ein:</translation>
    </message>
    <message>
        <source>证书密码</source>
        <translation>Zertifikatspasswort</translation>
    </message>
    <message>
        <source>证书密码错误，请重新输入：</source>
        <translation>Das Passwort ist falsch. Geben Sie es erneut ein:</translation>
    </message>
    <message>
        <source>无法打开证书</source>
        <translation>Zertifikat kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>文件不是可用的证书（PKCS#12）。</source>
        <translation>Die Datei ist kein verwendbares Zertifikat (PKCS#12).</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Technische Details: %1</translation>
    </message>
    <message>
        <source>选择签名图片</source>
        <translation>Signaturbild auswählen</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>无法使用图片</source>
        <translation>Bild kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>图片无法读取。</source>
        <translation>Das Bild kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBar</name>
    <message>
        <source>签名面板</source>
        <translation>Signaturbereich</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Signaturen werden überprüft…</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>无法验证签名：文件无法读取</source>
        <translation>Signaturen können nicht überprüft werden: Die Datei kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBoxTool</name>
    <message>
        <source>在页面上拖动，画出签名框；按 Esc 取消</source>
        <translation>Ziehen Sie auf der Seite einen Signaturrahmen auf; Esc bricht ab</translation>
    </message>
</context>
<context>
    <name>PdfSignatureTexts</name>
    <message>
        <source>批注</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>表单</source>
        <translation>Formulare</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Signaturen</translation>
    </message>
    <message>
        <source>其他内容</source>
        <translation>sonstige Inhalte</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>证书不受信任（自签名证书）</source>
        <translation>Zertifikat nicht vertrauenswürdig (selbstsigniertes Zertifikat)</translation>
    </message>
    <message>
        <source>证书不受信任（证书已过期）</source>
        <translation>Zertifikat nicht vertrauenswürdig (Zertifikat abgelaufen)</translation>
    </message>
    <message>
        <source>证书不受信任</source>
        <translation>Zertifikat nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>签名有效</source>
        <translation>Signatur gültig</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改</source>
        <translation>%1, zulässige Änderungen nach dem Signieren</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改（%2）</source>
        <translation>%1, zulässige Änderungen nach dem Signieren (%2)</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改</source>
        <translation>Signatur gültig, zulässige Änderungen nach dem Signieren</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改（%1）</source>
        <translation>Signatur gültig, zulässige Änderungen nach dem Signieren (%1)</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围</source>
        <translation>Änderungen nach dem Signieren gehen über das hinaus, was die Zertifizierung erlaubt</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围（%1）</source>
        <translation>Änderungen nach dem Signieren gehen über das hinaus, was die Zertifizierung erlaubt (%1)</translation>
    </message>
    <message>
        <source>签名后文档被更改</source>
        <translation>Dokument nach dem Signieren geändert</translation>
    </message>
    <message>
        <source>签名后文档被更改（%1）</source>
        <translation>Dokument nach dem Signieren geändert (%1)</translation>
    </message>
    <message>
        <source>签名无效：签名数据与内容不符</source>
        <translation>Signatur ungültig: Die Signaturdaten passen nicht zum Inhalt</translation>
    </message>
    <message>
        <source>签名无效：签名后内容被改动</source>
        <translation>Signatur ungültig: Der Inhalt wurde nach dem Signieren verändert</translation>
    </message>
    <message>
        <source>无法验证此签名</source>
        <translation>Diese Signatur kann nicht überprüft werden</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Leeres Signaturfeld</translation>
    </message>
    <message>
        <source>未知签名者</source>
        <translation>Unbekannter Unterzeichner</translation>
    </message>
    <message>
        <source>%1 个无效</source>
        <translation>%1 ungültig</translation>
    </message>
    <message>
        <source>%1 个签名后被更改</source>
        <translation>%1 nach dem Signieren geändert</translation>
    </message>
    <message>
        <source>%1 个不受信任</source>
        <translation>%1 nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>%1 个无法验证</source>
        <translation>%1 nicht überprüfbar</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>已签名：%1 — %2</source>
        <translation>Signiert: %1 — %2</translation>
    </message>
    <message>
        <source>%1 个签名：全部有效</source>
        <translation>%1 Signaturen: alle gültig</translation>
    </message>
    <message>
        <source>%1 个签名：%2</source>
        <translation>%1 Signaturen: %2</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 个（全部有效）</source>
        <translation>%1 (alle gültig)</translation>
    </message>
    <message>
        <source>%1 个（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>认证签名不允许更改此文档</source>
        <translation>Die Zertifizierungssignatur erlaubt keine Änderungen an diesem Dokument</translation>
    </message>
    <message>
        <source>认证签名只允许填写表单和签名</source>
        <translation>Die Zertifizierungssignatur erlaubt nur das Ausfüllen von Formularen und das Signieren</translation>
    </message>
    <message>
        <source>页面被移动</source>
        <translation>Seiten verschoben</translation>
    </message>
    <message>
        <source>页面被旋转</source>
        <translation>Seiten gedreht</translation>
    </message>
    <message>
        <source>页面被删除</source>
        <translation>Seiten gelöscht</translation>
    </message>
    <message>
        <source>插入了页面</source>
        <translation>Seiten eingefügt</translation>
    </message>
    <message>
        <source>添加了页码</source>
        <translation>Seitenzahlen hinzugefügt</translation>
    </message>
    <message>
        <source>文档属性被修改</source>
        <translation>Dokumenteigenschaften geändert</translation>
    </message>
    <message>
        <source>批注和表单将被扁平化</source>
        <translation>Kommentare und Formulare werden reduziert</translation>
    </message>
    <message>
        <source>页面内容被替换</source>
        <translation>Seiteninhalt ersetzt</translation>
    </message>
    <message>
        <source>以下更改需要重写整个文件：%1。</source>
        <translation>Diese Änderungen erfordern, dass die ganze Datei neu geschrieben wird: %1.</translation>
    </message>
</context>
<context>
    <name>PdfSignaturesPanel</name>
    <message>
        <source>认证签名：不允许任何更改</source>
        <translation>Zertifizierungssignatur: keine Änderungen erlaubt</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单和签名</source>
        <translation>Zertifizierungssignatur: Ausfüllen von Formularen und Signieren erlaubt</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单、签名和批注</source>
        <translation>Zertifizierungssignatur: Ausfüllen von Formularen, Signieren und Kommentieren erlaubt</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Signaturen werden überprüft…</translation>
    </message>
    <message>
        <source>无法读取文件中的签名。
%1</source>
        <translation>Die Signaturen in der Datei können nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <source>此文档没有签名</source>
        <translation>Dieses Dokument hat keine Signaturen</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Leeres Signaturfeld</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>Unsichtbare Signatur</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>字段：%1（%2）</source>
        <translation>Feld: %1 (%2)</translation>
    </message>
    <message>
        <source>签名时间：%1</source>
        <translation>Signiert am: %1</translation>
    </message>
    <message>
        <source>原因：%1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>位置：%1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <source>联系方式：%1</source>
        <translation>Kontakt: %1</translation>
    </message>
    <message>
        <source>类型：%1</source>
        <translation>Typ: %1</translation>
    </message>
    <message>
        <source>摘要算法：%1</source>
        <translation>Hashalgorithmus: %1</translation>
    </message>
    <message>
        <source>第 %1 版（共 %2 版）</source>
        <translation>Revision %1 von %2</translation>
    </message>
    <message>
        <source>时间戳：%1（有效）</source>
        <translation>Zeitstempel: %1 (gültig)</translation>
    </message>
    <message>
        <source>时间戳：%1（无效）</source>
        <translation>Zeitstempel: %1 (ungültig)</translation>
    </message>
    <message>
        <source>签名后的更改：%1</source>
        <translation>Änderungen nach dem Signieren: %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Technische Details: %1</translation>
    </message>
    <message>
        <source>证书链</source>
        <translation>Zertifikatskette</translation>
    </message>
    <message>
        <source>颁发者：%1（自签名）</source>
        <translation>Aussteller: %1 (selbstsigniert)</translation>
    </message>
    <message>
        <source>颁发者：%1</source>
        <translation>Aussteller: %1</translation>
    </message>
    <message>
        <source>有效期：%1 至 %2</source>
        <translation>Gültig von %1 bis %2</translation>
    </message>
    <message>
        <source>查看签名时的版本</source>
        <translation>Signierte Version anzeigen</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Signaturen</translation>
    </message>
</context>
<context>
    <name>PdfTextRecognition</name>
    <message>
        <source>正在取消文字识别…</source>
        <translation>Texterkennung wird abgebrochen …</translation>
    </message>
    <message>
        <source>无法识别文字</source>
        <translation>Text kann nicht erkannt werden</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据。</source>
        <translation>Es sind keine Sprachdaten für die Texterkennung installiert.</translation>
    </message>
    <message>
        <source>未安装 %1 的文字识别语言数据。</source>
        <translation>Die Texterkennungsdaten für %1 sind nicht installiert.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-%1</source>
        <translation>Installieren: sudo apt install tesseract-ocr-%1</translation>
    </message>
    <message>
        <source>识别过程中出错，文档保持不变。</source>
        <translation>Bei der Erkennung ist ein Fehler aufgetreten; das Dokument ist unverändert.</translation>
    </message>
    <message>
        <source>无法创建临时文件夹。</source>
        <translation>Der temporäre Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>正在识别文字</source>
        <translation>Text wird erkannt</translation>
    </message>
    <message>
        <source>正在识别没有文字的页面，每页需要几秒钟。</source>
        <translation>Die Seiten ohne Text werden erkannt; jede Seite dauert einige Sekunden.</translation>
    </message>
    <message>
        <source>已完成 %1%</source>
        <translation>%1 % erledigt</translation>
    </message>
    <message>
        <source>无需识别文字</source>
        <translation>Kein Text zu erkennen</translation>
    </message>
    <message>
        <source>此文档的每一页都已有文字。</source>
        <translation>Jede Seite dieses Dokuments hat bereits Text.</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Text erkennen</translation>
    </message>
</context>
<context>
    <name>PdfThumbnailPanel</name>
    <message>
        <source>正在生成缩略图…</source>
        <translation>Miniaturansichten werden erstellt…</translation>
    </message>
</context>
<context>
    <name>PdfToOfficeOptionsPanel</name>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF in Office</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>选择转换类型</source>
        <translation>Zieltyp auswählen</translation>
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
        <translation>Fügen Sie PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um die Konvertierung zu starten.</translation>
    </message>
</context>
<context>
    <name>PdfTopToolBar</name>
    <message>
        <source>文档阅读视图</source>
        <translation>Leseansicht</translation>
    </message>
    <message>
        <source>页面管理视图</source>
        <translation>Seitenverwaltung</translation>
    </message>
    <message>
        <source>显示或隐藏缩略图</source>
        <translation>Miniaturansichten ein- oder ausblenden</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>PDF 工具</source>
        <translation>PDF-Werkzeuge</translation>
    </message>
    <message>
        <source>手形工具</source>
        <translation>Hand-Werkzeug</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>插入 PDF 或空白页</source>
        <translation>PDF oder leere Seite einfügen</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>提取选定页面</source>
        <translation>Ausgewählte Seiten extrahieren</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>拆分 PDF</source>
        <translation>PDF teilen</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>删除选定页面</source>
        <translation>Ausgewählte Seiten löschen</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>选择全部页面</source>
        <translation>Alle Seiten auswählen</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Komprimieren</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF in Office</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF in Bilder</translation>
    </message>
    <message>
        <source>加密 PDF</source>
        <translation>PDF verschlüsseln</translation>
    </message>
    <message>
        <source>解锁 PDF</source>
        <translation>PDF entsperren</translation>
    </message>
    <message>
        <source>页面编号</source>
        <translation>Seitenzahlen</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>将文件保存为…</source>
        <translation>Datei speichern unter…</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>高亮所选文字</source>
        <translation>Ausgewählten Text markieren</translation>
    </message>
    <message>
        <source>为所选文字加下划线</source>
        <translation>Ausgewählten Text unterstreichen</translation>
    </message>
    <message>
        <source>为所选文字加删除线</source>
        <translation>Ausgewählten Text durchstreichen</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Freihand</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>颜色、线宽和不透明度</source>
        <translation>Farbe, Linienstärke und Deckkraft</translation>
    </message>
    <message>
        <source>删除所选批注</source>
        <translation>Ausgewählten Kommentar löschen</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Dokumenteigenschaften</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Signieren</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面</source>
        <translation>Das Dokument muss mindestens eine Seite behalten, daher können nicht alle Seiten gelöscht werden</translation>
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
    <message>
        <source>添加页码</source>
        <translation>Seitenzahlen hinzufügen</translation>
    </message>
    <message>
        <source>删除页码</source>
        <translation>Seitenzahlen entfernen</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>Formular ausfüllen</translation>
    </message>
    <message>
        <source>修改文档属性</source>
        <translation>Dokumenteigenschaften ändern</translation>
    </message>
</context>
<context>
    <name>PdfViewerWidget</name>
    <message>
        <source>文件不存在或已被移动。</source>
        <translation>Die Datei existiert nicht oder wurde verschoben.</translation>
    </message>
    <message>
        <source>PDF 需要密码。</source>
        <translation>Die PDF-Datei erfordert ein Passwort.</translation>
    </message>
    <message>
        <source>PDF 密码错误。</source>
        <translation>Falsches PDF-Passwort.</translation>
    </message>
    <message>
        <source>PDF 已损坏或格式不受支持。</source>
        <translation>Die PDF-Datei ist beschädigt oder ihr Format wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>页面渲染失败。</source>
        <translation>Die Seite konnte nicht gerendert werden.</translation>
    </message>
    <message>
        <source>无法写入目标文件，请检查权限和磁盘空间。</source>
        <translation>Die Zieldatei konnte nicht geschrieben werden. Bitte prüfen Sie die Berechtigungen und den freien Speicherplatz.</translation>
    </message>
    <message>
        <source>操作未完成。</source>
        <translation>Der Vorgang wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Passwort erforderlich</translation>
    </message>
    <message>
        <source>无法打开 PDF</source>
        <translation>PDF kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>插入 PDF 失败</source>
        <translation>PDF einfügen fehlgeschlagen</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>PDF einfügen</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Leere Seite danach einfügen</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>未命名.pdf</source>
        <translation>Unbenannt.pdf</translation>
    </message>
    <message>
        <source>将 PDF 保存为</source>
        <translation>PDF speichern unter</translation>
    </message>
    <message>
        <source>正在保存 PDF</source>
        <translation>PDF wird gespeichert</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Datei wird geschrieben. Bei großen Dateien kann dies etwas dauern.</translation>
    </message>
    <message>
        <source>保存完成前请不要关闭程序。</source>
        <translation>Bitte schließen Sie das Programm nicht, bevor das Speichern abgeschlossen ist.</translation>
    </message>
    <message>
        <source>保存 PDF 失败</source>
        <translation>PDF speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>替换文件</source>
        <translation>Datei ersetzen</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。重新载入将丢弃当前未保存的修改。是否重新载入？</source>
        <translation>&quot;%1&quot; wurde von einem anderen Programm geändert. Beim erneuten Laden gehen Ihre ungespeicherten Änderungen verloren. Neu laden?</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。是否重新载入？</source>
        <translation>&quot;%1&quot; wurde von einem anderen Programm geändert. Neu laden?</translation>
    </message>
    <message>
        <source>文件已更改</source>
        <translation>Datei geändert</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>保留当前内容</source>
        <translation>Aktuelle Fassung behalten</translation>
    </message>
    <message>
        <source>无法打开链接</source>
        <translation>Link kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>出于安全考虑，只能打开网页和邮件链接。</source>
        <translation>Aus Sicherheitsgründen können nur Web- und E-Mail-Links geöffnet werden.</translation>
    </message>
    <message>
        <source>打开链接</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>此链接指向文档以外的地址，是否打开？</source>
        <translation>Dieser Link führt aus dem Dokument hinaus. Möchten Sie ihn öffnen?</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>系统没有可以打开此链接的程序。</source>
        <translation>Auf diesem System gibt es kein Programm, das diesen Link öffnen kann.</translation>
    </message>
    <message>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>&quot;%1&quot; ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Technische Details: %1</translation>
    </message>
    <message>
        <source>“%1”已修改，是否保存？</source>
        <translation>&quot;%1&quot; wurde geändert. Speichern?</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，且有未保存的修改。替换后该标签页将关闭，其未保存的修改将丢失。是否替换？</source>
        <translation>&quot;%1&quot; ist in einem anderen Tab mit ungespeicherten Änderungen geöffnet. Beim Ersetzen wird dieser Tab geschlossen und seine ungespeicherten Änderungen gehen verloren. Ersetzen?</translation>
    </message>
    <message>
        <source>无法添加批注</source>
        <translation>Kommentare können nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许添加或修改批注。</source>
        <translation>Die Berechtigungen dieser PDF erlauben kein Hinzufügen oder Ändern von Kommentaren.</translation>
    </message>
    <message>
        <source>批注和表单要保留为可编辑的批注，还是扁平化到页面中？</source>
        <translation>Kommentare und Formulare bearbeitbar lassen oder in die Seiten einbetten (reduzieren)?</translation>
    </message>
    <message>
        <source>扁平化后，其他阅读器也无法再编辑或删除它们。</source>
        <translation>Nach dem Reduzieren lassen sie sich auch in anderen Programmen nicht mehr bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>保留批注</source>
        <translation>Beibehalten</translation>
    </message>
    <message>
        <source>扁平化</source>
        <translation>Reduzieren</translation>
    </message>
    <message>
        <source>文件无法读取。</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>文档尚未保存。</source>
        <translation>Das Dokument wurde noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>签名时的版本，只读</source>
        <translation>Signierte Version, schreibgeschützt</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>无法填写表单</source>
        <translation>Formular kann nicht ausgefüllt werden</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许更改表单。</source>
        <translation>Die Zertifizierungssignatur dieses Dokuments erlaubt keine Änderungen an Formularen.</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许添加或修改批注。</source>
        <translation>Die Zertifizierungssignatur dieses Dokuments erlaubt kein Hinzufügen oder Ändern von Kommentaren.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开。</source>
        <translation>Dieses Dokument ist schreibgeschützt geöffnet.</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许填写表单。</source>
        <translation>Die Berechtigungen dieser PDF erlauben kein Ausfüllen von Formularen.</translation>
    </message>
    <message>
        <source>无法验证</source>
        <translation>Überprüfung nicht möglich</translation>
    </message>
    <message>
        <source>正在验证…</source>
        <translation>Wird überprüft…</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>无法打开签名时的版本</source>
        <translation>Signierte Version kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>无法从文件中取出签名时的版本。</source>
        <translation>Die signierte Version kann nicht aus der Datei entnommen werden.</translation>
    </message>
    <message>
        <source>保存已签名的文档</source>
        <translation>Signiertes Dokument speichern</translation>
    </message>
    <message>
        <source>此文档已签名；新文件中的签名将失效，原文件及其签名保持不变。</source>
        <translation>Dieses Dokument ist signiert. Die Signaturen in der neuen Datei werden ungültig; die Originaldatei und ihre Signaturen bleiben unverändert.</translation>
    </message>
    <message>
        <source>仍然保存</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>此文档已签名；保存将使签名失效。</source>
        <translation>Dieses Dokument ist signiert. Durch das Speichern werden seine Signaturen ungültig.</translation>
    </message>
    <message>
        <source>另存为新文件</source>
        <translation>Als neue Datei speichern</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Signieren</translation>
    </message>
    <message>
        <source>签名前需要先保存修改。是否现在保存？</source>
        <translation>Vor dem Signieren müssen die Änderungen gespeichert werden. Jetzt speichern?</translation>
    </message>
    <message>
        <source>签名针对文件中已保存的内容。</source>
        <translation>Die Signatur bezieht sich auf den in der Datei gespeicherten Inhalt.</translation>
    </message>
    <message>
        <source>签名失败</source>
        <translation>Signieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>文档在签名前又被修改了，请保存后再签名。</source>
        <translation>Das Dokument wurde vor dem Signieren erneut geändert. Bitte speichern Sie es und signieren Sie es dann.</translation>
    </message>
    <message>
        <source>保存签名后的 PDF</source>
        <translation>Signiertes PDF speichern</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，请另选文件名。</source>
        <translation>&quot;%1&quot; ist in einem anderen Tab geöffnet. Bitte wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>正在签名</source>
        <translation>Wird signiert</translation>
    </message>
    <message>
        <source>正在签名并写入文件。</source>
        <translation>Das Dokument wird signiert und die Datei geschrieben.</translation>
    </message>
    <message>
        <source>正在签名并向时间戳服务器请求时间戳。</source>
        <translation>Das Dokument wird signiert und ein Zeitstempel beim Zeitstempelserver angefordert.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>Bitte schließen Sie das Programm nicht, bevor der Vorgang abgeschlossen ist.</translation>
    </message>
    <message>
        <source>文档未能签名，文件没有写入。</source>
        <translation>Das Dokument konnte nicht signiert werden; es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开，请另存为新文件。</source>
        <translation>Dieses Dokument ist schreibgeschützt geöffnet. Bitte speichern Sie es als neue Datei.</translation>
    </message>
    <message>
        <source>密码错误，请重新输入“%1”的密码：</source>
        <translation>Falsches Passwort. Geben Sie das Passwort von &quot;%1&quot; erneut ein:</translation>
    </message>
    <message>
        <source>插入的 PDF“%1”已加密，请输入密码：</source>
        <translation>Die eingefügte PDF &quot;%1&quot; ist verschlüsselt. Bitte Passwort eingeben:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>&quot;%1&quot; ist verschlüsselt. Bitte Passwort eingeben:</translation>
    </message>
    <message>
        <source>无法删除页面</source>
        <translation>Seiten können nicht gelöscht werden</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面。</source>
        <translation>Das Dokument muss mindestens eine Seite behalten, daher können nicht alle Seiten gelöscht werden.</translation>
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
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>从列表中移除</source>
        <translation>Aus der Liste entfernen</translation>
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
    <name>SettingsMenu</name>
    <message>
        <source>深色主题</source>
        <translation>Dunkles Design</translation>
    </message>
    <message>
        <source>启动时重新打开上次的文档</source>
        <translation>Beim Start die Dokumente der letzten Sitzung wieder öffnen</translation>
    </message>
    <message>
        <source>批注作者</source>
        <translation>Kommentarautor</translation>
    </message>
    <message>
        <source>新批注署名（留空则用系统用户名）：</source>
        <translation>Name für neue Kommentare (leer lassen, um den Benutzernamen des Systems zu verwenden):</translation>
    </message>
    <message>
        <source>批注作者…</source>
        <translation>Kommentarautor…</translation>
    </message>
    <message>
        <source>批注作者：%1…</source>
        <translation>Kommentarautor: %1…</translation>
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
    <message>
        <source>文字识别</source>
        <translation>Texterkennung</translation>
    </message>
</context>
<context>
    <name>TabContextMenu</name>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>关闭其他标签页</source>
        <translation>Andere Tabs schließen</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>复制文件路径</source>
        <translation>Dateipfad kopieren</translation>
    </message>
</context>
<context>
    <name>TaskListItem</name>
    <message>
        <source>打开文件</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>Übergeordneten Ordner öffnen</translation>
    </message>
    <message>
        <source>处理中...</source>
        <translation>Wird verarbeitet...</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>%1 → %2（节省 %3%）</source>
        <translation>%1 → %2 (%3 % kleiner)</translation>
    </message>
    <message>
        <source>移除并重试</source>
        <translation>Entfernen und wiederholen</translation>
    </message>
    <message numerus="yes">
        <source>%1 等 %n 个文件</source>
        <translation>
            <numerusform>%1 und weitere (%n Datei)</numerusform>
            <numerusform>%1 und weitere (%n Dateien)</numerusform>
        </translation>
    </message>
    <message>
        <source>处理中... %1%</source>
        <translation>Wird bearbeitet … %1 %</translation>
    </message>
</context>
<context>
    <name>TaskListWidget</name>
    <message>
        <source>重来</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>重试失败项</source>
        <translation>Fehlschläge wiederholen</translation>
    </message>
</context>
<context>
    <name>TextRecognitionOptionsPanel</name>
    <message>
        <source>文字识别</source>
        <translation>Texterkennung</translation>
    </message>
    <message>
        <source>识别</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>识别扫描页面中的文字，使 PDF 可以搜索和复制，页面外观不变</source>
        <translation>Erkennt den Text gescannter Seiten, damit das PDF durchsucht und kopiert werden kann; die Seiten sehen aus wie zuvor</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>Erkennungssprachen</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，无法识别文字。</source>
        <translation>Es sind keine Sprachdaten für die Texterkennung installiert; Text kann nicht erkannt werden.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</source>
        <translation>Installieren: sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>也识别已有文字的页面</source>
        <translation>Auch Seiten mit vorhandenem Text erkennen</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据</source>
        <translation>Keine Sprachdaten für die Texterkennung installiert</translation>
    </message>
    <message>
        <source>请选择至少一种语言</source>
        <translation>Wählen Sie mindestens eine Sprache</translation>
    </message>
</context>
<context>
    <name>TextRecognitionPage</name>
    <message>
        <source>从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。</source>
        <translation>Fügen Sie gescannte PDF-Dateien von Ihrem Desktop hinzu oder ziehen Sie sie hierher, um ihren Text zu erkennen.</translation>
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
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>ToolOptionsPanel</name>
    <message>
        <source>文件位置</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>保存选项</source>
        <translation>Speicheroptionen</translation>
    </message>
    <message>
        <source>替换原始文件</source>
        <translation>Originaldatei ersetzen</translation>
    </message>
    <message>
        <source>保留原始文件</source>
        <translation>Originaldatei behalten</translation>
    </message>
</context>
<context>
    <name>Worklane</name>
    <message>
        <source>invalid task</source>
        <translation>Ungültige Aufgabe</translation>
    </message>
    <message>
        <source>找不到源文件</source>
        <translation>Die Quelldatei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>不是PDF文件或文件已损坏：%1</source>
        <translation>Keine PDF-Datei oder die Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>文件受密码保护，需要密码：%1</source>
        <translation>Die Datei ist geschützt und erfordert ein Passwort: %1</translation>
    </message>
    <message>
        <source>密码不正确</source>
        <translation>Das Passwort ist falsch</translation>
    </message>
    <message>
        <source>未输入密码</source>
        <translation>Es wurde kein Passwort eingegeben</translation>
    </message>
    <message>
        <source>无法读取图像：%1</source>
        <translation>Das Bild kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>图像太大，无法转换：%1</source>
        <translation>Das Bild ist zu groß zum Konvertieren: %1</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>Nicht genügend Speicherplatz</translation>
    </message>
    <message>
        <source>没有写入权限：%1</source>
        <translation>Keine Schreibberechtigung: %1</translation>
    </message>
    <message>
        <source>输出文件夹不存在</source>
        <translation>Der Ausgabeordner existiert nicht</translation>
    </message>
    <message>
        <source>无法写入输出文件</source>
        <translation>Die Ausgabedatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>文档没有页面</source>
        <translation>Das Dokument hat keine Seiten</translation>
    </message>
    <message>
        <source>文档中没有可提取的图像</source>
        <translation>Das Dokument enthält keine Bilder zum Extrahieren</translation>
    </message>
    <message>
        <source>输出会覆盖源文件：%1</source>
        <translation>Die Ausgabe würde eine Quelldatei überschreiben: %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>找不到可用的文件名</source>
        <translation>Es wurde kein freier Dateiname gefunden</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>处理时出错</source>
        <translation>Bei der Verarbeitung ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>有文件不是PDF文件或已损坏</source>
        <translation>Eine Datei ist keine PDF-Datei oder beschädigt</translation>
    </message>
    <message>
        <source>此文件没有密码</source>
        <translation>Diese Datei hat kein Passwort</translation>
    </message>
    <message>
        <source>更改此文件的保护需要其所有者密码：%1</source>
        <translation>Zum Ändern des Schutzes dieser Datei wird ihr Besitzerpasswort benötigt: %1</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，请先安装</source>
        <translation>LibreOffice nicht gefunden; bitte zuerst installieren</translation>
    </message>
    <message>
        <source>文件已损坏或受密码保护</source>
        <translation>Die Datei ist beschädigt oder kennwortgeschützt</translation>
    </message>
    <message>
        <source>转换超时</source>
        <translation>Zeitüberschreitung bei der Umwandlung</translation>
    </message>
    <message>
        <source>转换失败：%1</source>
        <translation>Umwandlung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>不支持的文件类型：%1</source>
        <translation>Nicht unterstützter Dateityp: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 页未找到文字，已作为图片保存</source>
        <translation>
            <numerusform>Auf %n Seite wurde kein Text gefunden; als Bild gespeichert</numerusform>
            <numerusform>Auf %n Seiten wurde kein Text gefunden; als Bilder gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包</source>
        <translation>Keine Sprachdaten für die Texterkennung installiert; installieren Sie ein Sprachpaket wie tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）</source>
        <translation>Die Texterkennungsdaten für %1 sind nicht installiert (Paket tesseract-ocr-%2)</translation>
    </message>
    <message>
        <source>文字识别失败：%1</source>
        <translation>Texterkennung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>每页都已有文字，无需识别：%1</source>
        <translation>Jede Seite hat bereits Text; nichts zu erkennen: %1</translation>
    </message>
    <message numerus="yes">
        <source>已识别 %n 页</source>
        <translation>
            <numerusform>%n Seite erkannt</numerusform>
            <numerusform>%n Seiten erkannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页已有文字，保持原样</source>
        <translation>
            <numerusform>%n Seite hatte bereits Text und blieb unverändert</numerusform>
            <numerusform>%n Seiten hatten bereits Text und blieben unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页无法读取</source>
        <translation>
            <numerusform>%n Seite konnte nicht gelesen werden</numerusform>
            <numerusform>%n Seiten konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名</source>
        <translation>Digital signiert: %1. Die Signaturen sind in der Ausgabedatei nicht mehr gültig; die Originaldateien bleiben signiert</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>文件是空的：%1</source>
        <translation>Die Datei ist leer: %1</translation>
    </message>
    <message>
        <source>这是PDF文件，不是Office文档：%1</source>
        <translation>Dies ist eine PDF-Datei, kein Office-Dokument: %1</translation>
    </message>
</context>
</TS>
