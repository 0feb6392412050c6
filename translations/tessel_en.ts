<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Velmora account</source>
        <translation>Velmora account</translation>
    </message>
    <message>
        <source>Account &amp; subscription</source>
        <translation>Account &amp; subscription</translation>
    </message>
    <message>
        <source>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</source>
        <translation>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Create account</source>
        <translation>Create account</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Refresh status</translation>
    </message>
    <message>
        <source>Manage subscription</source>
        <translation>Manage subscription</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Sign out</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Signing in...</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Signed in as %1</translation>
    </message>
    <message>
        <source>Subscription active (%1)</source>
        <translation>Subscription active (%1)</translation>
    </message>
    <message>
        <source>. Current period ends %1.</source>
        <translation>. Current period ends %1.</translation>
    </message>
    <message>
        <source>Free account. All tools remain available during the current open-access period.</source>
        <translation>Free account. All tools remain available during the current open-access period.</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Enter your email address and password.</source>
        <translation>Enter your email address and password.</translation>
    </message>
    <message>
        <source>The account service address is not secure. Only https addresses are allowed.</source>
        <translation>The account service address is not secure. Only https addresses are allowed.</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Please sign in again.</source>
        <translation>Your sign-in has expired. Please sign in again.</translation>
    </message>
    <message>
        <source>The account service redirected to an address that is not allowed.</source>
        <translation>The account service redirected to an address that is not allowed.</translation>
    </message>
    <message>
        <source>The account service returned incomplete account information.</source>
        <translation>The account service returned incomplete account information.</translation>
    </message>
    <message>
        <source>The account service returned an invalid session.</source>
        <translation>The account service returned an invalid session.</translation>
    </message>
    <message>
        <source>The account service returned an invalid response.</source>
        <translation>The account service returned an invalid response.</translation>
    </message>
    <message>
        <source>无法连接账户服务，请检查网络连接。</source>
        <translation>Cannot reach the account service. Check your network connection.</translation>
    </message>
    <message>
        <source>账户服务暂时无法完成请求。</source>
        <translation>The account service cannot complete the request right now.</translation>
    </message>
</context>
<context>
    <name>BatchToolPage</name>
    <message>
        <source>任务仍在运行</source>
        <translation>Jobs are still running</translation>
    </message>
    <message numerus="yes">
        <source>还有 %n 个任务尚未完成。取消后，这些任务不会留下任何输出文件。</source>
        <translation>
            <numerusform>%n job has not finished yet. If you cancel it, it leaves no output file behind.</numerusform>
            <numerusform>%n jobs have not finished yet. If you cancel them, they leave no output files behind.</numerusform>
        </translation>
    </message>
    <message>
        <source>取消任务</source>
        <translation>Cancel jobs</translation>
    </message>
    <message>
        <source>继续等待</source>
        <translation>Keep waiting</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>Cannot open</translation>
    </message>
    <message>
        <source>没有可以打开它的程序。</source>
        <translation>No program is available to open it.</translation>
    </message>
    <message>
        <source>无法创建输出文件夹</source>
        <translation>Cannot create the output folder</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>阅读 PDF、整理页面并批量处理 PDF 文件。</source>
        <translation>Read PDF files, reorganize their pages and process PDF files in batches.</translation>
    </message>
    <message>
        <source>显示此帮助并退出。</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>第一个文件从第 &lt;页码&gt; 页打开。</source>
        <translation>Open the first file at page &lt;page&gt;.</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>page</translation>
    </message>
    <message>
        <source>打开一个新窗口，不把文件交给已在运行的 Velmora。</source>
        <translation>Open a new window instead of handing the files to the running Velmora.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>files</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件，可以有多个。</source>
        <translation>The PDF files to open, one or more.</translation>
    </message>
    <message>
        <source>[文件…]</source>
        <translation>[files…]</translation>
    </message>
    <message>
        <source>页码必须是正整数：%1</source>
        <translation>The page must be a positive whole number: %1</translation>
    </message>
    <message>
        <source>--page 需要一个要打开的文件。</source>
        <translation>--page needs a file to open.</translation>
    </message>
    <message>
        <source>用 --help 查看可用的选项。</source>
        <translation>Use --help to see the available options.</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>format</translation>
    </message>
    <message>
        <source>转换结果写入 &lt;文件夹&gt;。</source>
        <translation>Write the results into &lt;folder&gt;.</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>不支持转换为此格式：%1</source>
        <translation>Conversion to this format is not supported: %1</translation>
    </message>
    <message>
        <source>--outdir 需要一个文件夹。</source>
        <translation>--outdir needs a folder.</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Cannot create the folder: %1</translation>
    </message>
    <message>
        <source>不打开窗口，把文件转换为 &lt;格式&gt;（pdf、docx、xlsx、pptx）。</source>
        <translation>Convert the files to &lt;format&gt; (pdf, docx, xlsx, pptx) without opening a window.</translation>
    </message>
    <message>
        <source>不打开窗口，识别扫描页面的文字，写入可搜索的 PDF。</source>
        <translation>Recognise the text of scanned pages without opening a window and write a searchable PDF.</translation>
    </message>
    <message>
        <source>文字识别的语言，例如 eng+chi_sim。</source>
        <translation>Languages for text recognition, for example eng+chi_sim.</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>languages</translation>
    </message>
    <message>
        <source>未安装这些语言的识别数据：%1（已安装：%2）</source>
        <translation>No recognition data is installed for these languages: %1 (installed: %2)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>不打开窗口，检查文件的数字签名：每个签名一行（文件、字段、签名者、结论）。</source>
        <translation>Check the digital signatures of the files without opening a window: one line per signature (file, field, signer, verdict).</translation>
    </message>
    <message>
        <source>不打开窗口，为文件签名，写入新文件 &lt;名称&gt;-signed.pdf。证书密码从标准输入或 VELMORA_CERT_PASSWORD 读取。</source>
        <translation>Sign the files without opening a window and write each one to a new file &lt;name&gt;-signed.pdf. The certificate password is read from standard input or VELMORA_CERT_PASSWORD.</translation>
    </message>
    <message>
        <source>签名用的证书文件（.p12、.pfx）。</source>
        <translation>The certificate file to sign with (.p12, .pfx).</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>certificate</translation>
    </message>
    <message>
        <source>要签名的空签名字段。</source>
        <translation>The empty signature field to sign.</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>name</translation>
    </message>
    <message>
        <source>签名框：x,y,宽,高（磅，从页面左上角算起），与 --page 一起使用。</source>
        <translation>The signature box: x,y,width,height (in points, from the top left corner of the page), used together with --page.</translation>
    </message>
    <message>
        <source>框</source>
        <translation>box</translation>
    </message>
    <message>
        <source>签名的原因。</source>
        <translation>The reason for signing.</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>reason</translation>
    </message>
    <message>
        <source>时间戳服务器的地址（RFC 3161）。</source>
        <translation>The address of the timestamp server (RFC 3161).</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>address</translation>
    </message>
    <message>
        <source>--verify 不能与 --sign 一起使用。</source>
        <translation>--verify cannot be used together with --sign.</translation>
    </message>
    <message>
        <source>--sign 需要要签名的 PDF 文件。</source>
        <translation>--sign needs the PDF files to sign.</translation>
    </message>
    <message>
        <source>--verify 需要要检查的 PDF 文件。</source>
        <translation>--verify needs the PDF files to check.</translation>
    </message>
    <message>
        <source>--verify 不接受签名的选项。</source>
        <translation>--verify does not accept the signing options.</translation>
    </message>
    <message>
        <source>--sign 需要 --cert 证书文件。</source>
        <translation>--sign needs a certificate file given with --cert.</translation>
    </message>
    <message>
        <source>--field 不能与 --page 或 --rect 一起使用。</source>
        <translation>--field cannot be used together with --page or --rect.</translation>
    </message>
    <message>
        <source>--page 和 --rect 要一起使用。</source>
        <translation>--page and --rect must be used together.</translation>
    </message>
    <message>
        <source>--rect 需要 x,y,宽,高 四个数，宽和高大于 0：%1</source>
        <translation>--rect needs four numbers x,y,width,height, with width and height greater than 0: %1</translation>
    </message>
    <message>
        <source>--%1 只能与 --sign 一起使用。</source>
        <translation>--%1 can only be used with --sign.</translation>
    </message>
    <message>
        <source>证书文件不存在：%1</source>
        <translation>The certificate file does not exist: %1</translation>
    </message>
    <message>
        <source>没有可用的显示器：窗口需要图形会话（DISPLAY 或 WAYLAND_DISPLAY）。命令行功能无需显示器，见 --help。</source>
        <translation>No display is available: the window needs a graphical session (DISPLAY or WAYLAND_DISPLAY). The command-line functions work without one; see --help.</translation>
    </message>
    <message>
        <source>从 VELMORA_PASSWORD 或标准输入的第一行读取密码：--encrypt 的新密码，--unlock 和其他工具打开文件用的密码。</source>
        <translation>Read a password from VELMORA_PASSWORD or the first line of standard input: the new password for --encrypt, the password that opens the files for --unlock and the other tools.</translation>
    </message>
    <message>
        <source>%1 不能与 %2 一起使用。</source>
        <translation>%1 cannot be used together with %2.</translation>
    </message>
    <message>
        <source>%1 只能与 %2 一起使用。</source>
        <translation>%1 can only be used together with %2.</translation>
    </message>
    <message>
        <source>%1 需要一个值。</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 只能是 %2：%3</source>
        <translation>%1 must be one of %2: %3</translation>
    </message>
    <message>
        <source>%1 需要要处理的文件。</source>
        <translation>%1 needs the files to process.</translation>
    </message>
    <message>
        <source>%1 需要 --password。</source>
        <translation>%1 needs --password.</translation>
    </message>
    <message>
        <source>不打开窗口，压缩 PDF 文件，写入新文件。</source>
        <translation>Compress PDF files without opening a window and write new files.</translation>
    </message>
    <message>
        <source>不打开窗口，把 PDF 的每一页存为图像，每个文件一个文件夹。</source>
        <translation>Save every page of the PDF files as an image without opening a window, one folder per file.</translation>
    </message>
    <message>
        <source>不打开窗口，把图像（JPEG、PNG）转为 PDF。</source>
        <translation>Convert images (JPEG, PNG) to PDF without opening a window.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码保护 PDF 文件，写入新文件。</source>
        <translation>Protect PDF files with the password given by --password without opening a window and write new files.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码去除 PDF 文件的保护，写入新文件。</source>
        <translation>Remove the protection of PDF files with the password given by --password without opening a window and write new files.</translation>
    </message>
    <message>
        <source>不打开窗口，按给出的顺序把 PDF 文件合并为一个。</source>
        <translation>Merge the PDF files into one, in the order given, without opening a window.</translation>
    </message>
    <message>
        <source>压缩程度：basic（默认）或 strong。</source>
        <translation>Compression level: basic (default) or strong.</translation>
    </message>
    <message>
        <source>程度</source>
        <translation>level</translation>
    </message>
    <message>
        <source>图像格式：jpg（默认）或 png。</source>
        <translation>Image format: jpg (default) or png.</translation>
    </message>
    <message>
        <source>所有图像写入一个 PDF。</source>
        <translation>Write all images into one PDF.</translation>
    </message>
    <message>
        <source>页面大小：a4（默认）或 letter。</source>
        <translation>Page size: a4 (default) or letter.</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>size</translation>
    </message>
    <message>
        <source>页边距：none（默认）、narrow 或 wide。</source>
        <translation>Margins: none (default), narrow or wide.</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>margins</translation>
    </message>
    <message>
        <source>页面方向：portrait（默认）或 landscape。</source>
        <translation>Page orientation: portrait (default) or landscape.</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>orientation</translation>
    </message>
    <message>
        <source>在文件之间插入一页空白页。</source>
        <translation>Insert a blank page between the files.</translation>
    </message>
    <message>
        <source>已有文字的页面也重新识别。</source>
        <translation>Also recognise pages that already have text.</translation>
    </message>
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CustomTabWidget</name>
    <message>
        <source>全部标签页</source>
        <translation>All tabs</translation>
    </message>
</context>
<context>
    <name>FileDropZoneWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>Choose PDF</translation>
    </message>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Add or drop PDF files from your desktop to start converting.</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Add files</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>最近一次编辑</source>
        <translation>Last modified</translation>
    </message>
</context>
<context>
    <name>FileListItem</name>
    <message>
        <source>拖动排序</source>
        <translation>Drag to reorder</translation>
    </message>
</context>
<context>
    <name>FileListWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>Choose PDF</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Add files</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Clear all</translation>
    </message>
</context>
<context>
    <name>FileLocationSelector</name>
    <message>
        <source>文件保存位置</source>
        <translation>Save location</translation>
    </message>
    <message>
        <source>原始文件夹</source>
        <translation>Original folder</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>自定义文件夹</source>
        <translation>Custom folder</translation>
    </message>
    <message>
        <source>选择其他文件夹…</source>
        <translation>Choose another folder…</translation>
    </message>
    <message>
        <source>选择文件保存位置</source>
        <translation>Choose save location</translation>
    </message>
</context>
<context>
    <name>FileProtectionCheck</name>
    <message>
        <source>更改“%1”的保护需要所有者密码，请输入：</source>
        <translation>Changing the protection of &quot;%1&quot; needs its owner password. Enter it:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>&quot;%1&quot; is encrypted. Enter its password:</translation>
    </message>
    <message>
        <source>密码错误，请重试。</source>
        <translation>Wrong password. Please try again.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Password required</translation>
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
        <translation>Images to PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Page size</translation>
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
        <translation>Margins</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>窄</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>页面方向</source>
        <translation>Page orientation</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>More options</translation>
    </message>
    <message>
        <source>转换为单个PDF</source>
        <translation>Convert to a single PDF</translation>
    </message>
    <message>
        <source>每张图像都将保存为单个PDF</source>
        <translation>All images will be saved in a single PDF</translation>
    </message>
</context>
<context>
    <name>ImageToPdfPage</name>
    <message>
        <source>添加或拖拽图像文件进行转换。</source>
        <translation>Add or drop image files to convert.</translation>
    </message>
    <message>
        <source>图像文件 (*.jpg *.jpeg *.png)</source>
        <translation>Image files (*.jpg *.jpeg *.png)</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>Choose images</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>简体中文</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>English</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>German</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>French</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Language settings</translation>
    </message>
    <message>
        <source>选择 Velmora 的界面语言</source>
        <translation>Choose the language of the Velmora interface</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>切换语言？</source>
        <translation>Switch language?</translation>
    </message>
    <message>
        <source>界面语言将切换为“%1”。</source>
        <translation>The interface language will be switched to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>当前打开的工具标签页将关闭。</source>
        <translation>Open tool tabs will be closed.</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>无法切换语言</source>
        <translation>Cannot switch language</translation>
    </message>
    <message>
        <source>未能加载所选语言的翻译文件。</source>
        <translation>The translation file for the selected language could not be loaded.</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>首页</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Compress PDF</translation>
    </message>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF to Office</translation>
    </message>
    <message>
        <source>Office转为PDF</source>
        <translation>Office to PDF</translation>
    </message>
    <message>
        <source>图像转PDF</source>
        <translation>Images to PDF</translation>
    </message>
    <message>
        <source>PDF转为图像</source>
        <translation>PDF to images</translation>
    </message>
    <message>
        <source>PDF解密</source>
        <translation>Unlock PDF</translation>
    </message>
    <message>
        <source>PDF加密</source>
        <translation>Encrypt PDF</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Merge PDF</translation>
    </message>
    <message>
        <source>%1（未保存）</source>
        <translation>%1 (unsaved)</translation>
    </message>
    <message>
        <source>只打开了 PDF 文件</source>
        <translation>Only PDF files were opened</translation>
    </message>
    <message>
        <source>以下文件不是 PDF，未打开：</source>
        <translation>These files are not PDF files and were not opened:</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Cannot open file</translation>
    </message>
    <message>
        <source>以下路径不存在，或不是文件：</source>
        <translation>These paths do not exist or are not files:</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>以下文档有未保存的修改，切换前是否保存？</source>
        <translation>These documents have unsaved changes. Save them before switching?</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Save all</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>Text recognition</translation>
    </message>
</context>
<context>
    <name>ModernComboBox</name>
    <message>
        <source>选择文件夹</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Choose location...</translation>
    </message>
</context>
<context>
    <name>ModernMessageBox</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
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
        <translation>Office to PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>将 Word、PowerPoint 和 Excel 文件转换为 PDF</source>
        <translation>Convert Word, PowerPoint and Excel files to PDF</translation>
    </message>
    <message>
        <source>未找到 LibreOffice</source>
        <translation>LibreOffice not found</translation>
    </message>
    <message>
        <source>请从 libreoffice.org 下载并安装 LibreOffice。</source>
        <translation>Download and install LibreOffice from libreoffice.org.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</source>
        <translation>To install: sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，无法转换 Office 文件。</source>
        <translation>LibreOffice was not found, so Office files cannot be converted.</translation>
    </message>
</context>
<context>
    <name>OfficeToPdfPage</name>
    <message>
        <source>添加或拖拽文件进行转换。</source>
        <translation>Add or drop files to convert.</translation>
    </message>
    <message>
        <source>Office 文件 (%1)</source>
        <translation>Office files (%1)</translation>
    </message>
    <message>
        <source>选择 Office 文件</source>
        <translation>Choose Office files</translation>
    </message>
</context>
<context>
    <name>OutputLocationChoice</name>
    <message>
        <source>原始文件</source>
        <translation>Original folder</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Velmora文件</source>
        <translation>Velmora files</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Choose location...</translation>
    </message>
    <message>
        <source>路径中有一个同名的文件：%1</source>
        <translation>A file of the same name is in the way: %1</translation>
    </message>
    <message>
        <source>没有在此创建文件夹的权限：%1</source>
        <translation>No permission to create a folder here: %1</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>显示密码</source>
        <translation>Show password</translation>
    </message>
    <message>
        <source>隐藏密码</source>
        <translation>Hide password</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationLayer</name>
    <message>
        <source>所选批注的样式</source>
        <translation>Style of the selected comment</translation>
    </message>
    <message>
        <source>%1工具的样式</source>
        <translation>%1 tool style</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationMenu</name>
    <message>
        <source>编辑文字</source>
        <translation>Edit text</translation>
    </message>
    <message>
        <source>编辑批注文字</source>
        <translation>Edit comment text</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Delete comment</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationModel</name>
    <message>
        <source>添加批注</source>
        <translation>Add comment</translation>
    </message>
    <message>
        <source>编辑批注</source>
        <translation>Edit comment</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Delete comment</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Sticky note</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Text box</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Freehand</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>其他批注</source>
        <translation>Other comment</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationStyleMenu</name>
    <message>
        <source>红色</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>自定义…</source>
        <translation>Custom…</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose color</translation>
    </message>
    <message>
        <source>填充</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>无填充</source>
        <translation>No fill</translation>
    </message>
    <message>
        <source>线宽：%1 磅</source>
        <translation>Line width: %1 pt</translation>
    </message>
    <message>
        <source>%1 磅</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>线型：虚线</source>
        <translation>Line style: dashed</translation>
    </message>
    <message>
        <source>线型：实线</source>
        <translation>Line style: solid</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>字号：%1 磅</source>
        <translation>Font size: %1 pt</translation>
    </message>
    <message>
        <source>不透明度：%1%</source>
        <translation>Opacity: %1%</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationTextEditor</name>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>保存文字 (Ctrl+Enter)</source>
        <translation>Save text (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>输入批注…</source>
        <translation>Enter a comment…</translation>
    </message>
</context>
<context>
    <name>PdfBottomControlBar</name>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>缩放比例：选择或输入百分比</source>
        <translation>Zoom: choose or enter a percentage</translation>
    </message>
    <message>
        <source>适合宽度</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>Fit page</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>未适合窗口：点按适合宽度</source>
        <translation>Not fitted to the window: click to fit width</translation>
    </message>
</context>
<context>
    <name>PdfCommentsPanel</name>
    <message>
        <source>正在读取批注…</source>
        <translation>Reading comments…</translation>
    </message>
    <message>
        <source>此文档没有批注</source>
        <translation>This document has no comments</translation>
    </message>
    <message>
        <source>编辑文字</source>
        <translation>Edit text</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>已接受</source>
        <translation>Accepted</translation>
    </message>
    <message>
        <source>已拒绝</source>
        <translation>Rejected</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>已标记</source>
        <translation>Marked</translation>
    </message>
    <message>
        <source>未标记</source>
        <translation>Unmarked</translation>
    </message>
    <message>
        <source>%1. 第 %2 页 · %3</source>
        <translation>%1. Page %2 · %3</translation>
    </message>
    <message>
        <source>状态：%1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>回复</source>
        <translation>Reply</translation>
    </message>
</context>
<context>
    <name>PdfCompressOptionsPanel</name>
    <message>
        <source>压缩PDF</source>
        <translation>Compress PDF</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compress</translation>
    </message>
    <message>
        <source>选择压缩等级</source>
        <translation>Choose compression level</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>文件尺寸适中，质量最</source>
        <translation>Medium file size, best quality</translation>
    </message>
    <message>
        <source>强</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>文件最小，质量</source>
        <translation>Smallest file size, good quality</translation>
    </message>
</context>
<context>
    <name>PdfCompressPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始压缩。</source>
        <translation>Add or drop PDF files from your desktop to start compressing.</translation>
    </message>
</context>
<context>
    <name>PdfConvertOptionsPanel</name>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF to images</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>选择图像格式</source>
        <translation>Choose image format</translation>
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
        <translation>More options</translation>
    </message>
    <message>
        <source>提取单个图像</source>
        <translation>Extract separate images</translation>
    </message>
    <message>
        <source>PDF 中的每张图像都将保存为单张图像</source>
        <translation>Each image in the PDF will be saved as a separate image</translation>
    </message>
</context>
<context>
    <name>PdfConvertPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Add or drop PDF files from your desktop to start converting.</translation>
    </message>
</context>
<context>
    <name>PdfDecryOptionsPanel</name>
    <message>
        <source>解锁PDF</source>
        <translation>Unlock PDF</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>This field is required</translation>
    </message>
</context>
<context>
    <name>PdfDecryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始解密。</source>
        <translation>Add or drop PDF files from your desktop to start unlocking.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>This PDF file has no pages and cannot be inserted.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentSession</name>
    <message>
        <source>另一个标签页正在使用“%1”，无法替换它。</source>
        <translation>&quot;%1&quot; is in use in another tab and cannot be replaced.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentView</name>
    <message>
        <source>正在渲染第 %1 页…</source>
        <translation>Rendering page %1…</translation>
    </message>
</context>
<context>
    <name>PdfEncryOptionsPanel</name>
    <message>
        <source>加密PDF</source>
        <translation>Encrypt PDF</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>Add password</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>重新输入密码</source>
        <translation>Re-enter password</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>This field is required</translation>
    </message>
    <message>
        <source>两个密码应该匹配</source>
        <translation>The passwords must match</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>More options</translation>
    </message>
    <message>
        <source>所有者密码</source>
        <translation>Owner password</translation>
    </message>
    <message>
        <source>留空则与上面的密码相同</source>
        <translation>Leave empty to use the password above</translation>
    </message>
    <message>
        <source>允许打印</source>
        <translation>Allow printing</translation>
    </message>
    <message>
        <source>允许复制内容</source>
        <translation>Allow copying content</translation>
    </message>
    <message>
        <source>允许修改</source>
        <translation>Allow changes</translation>
    </message>
    <message>
        <source>限制权限需要一个与密码不同的所有者密码</source>
        <translation>Restricting permissions needs an owner password different from the password</translation>
    </message>
</context>
<context>
    <name>PdfEncryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始加密。</source>
        <translation>Add or drop PDF files from your desktop to start encrypting.</translation>
    </message>
</context>
<context>
    <name>PdfExtractSplitWriter</name>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>提取失败</source>
        <translation>Extraction failed</translation>
    </message>
    <message>
        <source>正在提取页面</source>
        <translation>Extracting pages</translation>
    </message>
    <message>
        <source>提取完成</source>
        <translation>Extraction completed</translation>
    </message>
    <message>
        <source>部分页面提取失败</source>
        <translation>Some pages could not be extracted</translation>
    </message>
    <message>
        <source>拆分失败</source>
        <translation>Split failed</translation>
    </message>
    <message>
        <source>正在拆分 PDF</source>
        <translation>Splitting PDF</translation>
    </message>
    <message>
        <source>拆分完成</source>
        <translation>Split completed</translation>
    </message>
    <message>
        <source>部分文件拆分失败</source>
        <translation>Some files could not be split</translation>
    </message>
    <message>
        <source>无法创建目标文件夹。</source>
        <translation>The destination folder could not be created.</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Writing files. Large files may take a while.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>Please do not close the program until it has finished.</translation>
    </message>
    <message>
        <source>已生成 %1 个 PDF 文件。
%2</source>
        <translation>PDF files created: %1
%2</translation>
    </message>
    <message>
        <source>已生成 %1 个文件，%2 个文件失败。

%3</source>
        <translation>Files created: %1, failed: %2.

%3</translation>
    </message>
    <message numerus="yes">
        <source>…以及另外 %n 个文件</source>
        <translation>
            <numerusform>… and %n more file</numerusform>
            <numerusform>… and %n more files</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Open folder</translation>
    </message>
</context>
<context>
    <name>PdfFindBar</name>
    <message>
        <source>在文档中查找</source>
        <translation>Find in document</translation>
    </message>
    <message>
        <source>上一处</source>
        <translation>Previous match</translation>
    </message>
    <message>
        <source>下一处</source>
        <translation>Next match</translation>
    </message>
    <message>
        <source>关闭查找</source>
        <translation>Close find</translation>
    </message>
    <message>
        <source>已查找 %1/%2 页</source>
        <translation>Searched %1 of %2 pages</translation>
    </message>
    <message>
        <source>第 %1/%2 处</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>共 %1 处</source>
        <translation>%1 matches</translation>
    </message>
    <message>
        <source>正在查找…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>No matches</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Recognise text</translation>
    </message>
    <message numerus="yes">
        <source>%n 页没有文字（可能是扫描件）。识别文字后即可查找。</source>
        <translation>
            <numerusform>%n page has no text (it may be a scan). Recognise its text to search it.</numerusform>
            <numerusform>%n pages have no text (they may be scans). Recognise their text to search them.</numerusform>
        </translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>Whole words only</translation>
    </message>
    <message>
        <source>显示所有结果</source>
        <translation>Show all results</translation>
    </message>
    <message>
        <source>隐藏结果列表</source>
        <translation>Hide the results list</translation>
    </message>
</context>
<context>
    <name>PdfFindResultsModel</name>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>PdfInsertDropZone</name>
    <message>
        <source>插入 PDF
或将多个 PDF 拖放至此处</source>
        <translation>Insert PDF
or drop PDFs here</translation>
    </message>
</context>
<context>
    <name>PdfMergeOptionsPanel</name>
    <message>
        <source>合并PDF</source>
        <translation>Merge PDF</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Blank page</translation>
    </message>
    <message>
        <source>在合并之前，你可以在文件之间插入空白页</source>
        <translation>Before merging, you can insert blank pages between the files</translation>
    </message>
</context>
<context>
    <name>PdfMergePage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始合并。</source>
        <translation>Add or drop PDF files from your desktop to start merging.</translation>
    </message>
</context>
<context>
    <name>PdfOperationSidePanel</name>
    <message>
        <source>将选定页面提取为单个文件</source>
        <translation>Extract the selected pages into a single file</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>将每个页面拆分为单个文件</source>
        <translation>Split each page into a separate file</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>文件提取选项</source>
        <translation>Extraction options</translation>
    </message>
    <message>
        <source>将选定页面另存为</source>
        <translation>Save selected pages as</translation>
    </message>
    <message>
        <source>文件拆分选项</source>
        <translation>Split options</translation>
    </message>
    <message>
        <source>输出预览</source>
        <translation>Output preview</translation>
    </message>
    <message>
        <source>文件位置</source>
        <translation>File location</translation>
    </message>
    <message>
        <source>请先选择要提取的页面</source>
        <translation>Select the pages to extract first</translation>
    </message>
    <message>
        <source>%1-%2.pdf
第 %2 页</source>
        <translation>%1-%2.pdf
Page %2</translation>
    </message>
    <message>
        <source>%1
第 %2 页</source>
        <translation>%1
Page %2</translation>
    </message>
    <message>
        <source>%1-extracted.pdf
页面 %2</source>
        <translation>%1-extracted.pdf
Pages %2</translation>
    </message>
    <message>
        <source>%1
页面 %2</source>
        <translation>%1
Pages %2</translation>
    </message>
    <message>
        <source>点击页面之间的虚线，可以自定义拆分文件。</source>
        <translation>Click the dashed line between pages to choose where the file is split.</translation>
    </message>
    <message>
        <source>%1-%2.pdf
页面 %3-%4</source>
        <translation>%1-%2.pdf
Pages %3-%4</translation>
    </message>
    <message>
        <source>%1
页面 %2-%3</source>
        <translation>%1
Pages %2-%3</translation>
    </message>
</context>
<context>
    <name>PdfOutlinePanel</name>
    <message>
        <source>正在读取书签…</source>
        <translation>Reading bookmarks…</translation>
    </message>
    <message>
        <source>此文档没有书签</source>
        <translation>This document has no bookmarks</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Bookmarks</translation>
    </message>
</context>
<context>
    <name>PdfPageCardMenu</name>
    <message>
        <source>创建副本</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Insert blank page after</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insert PDF</translation>
    </message>
</context>
<context>
    <name>PdfPageManagerView</name>
    <message>
        <source>正在生成预览…</source>
        <translation>Generating preview…</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom in</translation>
    </message>
</context>
<context>
    <name>PdfPageMenu</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>全选本页文字</source>
        <translation>Select all text on this page</translation>
    </message>
    <message>
        <source>查找所选文字</source>
        <translation>Find the selected text</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Strike through</translation>
    </message>
</context>
<context>
    <name>PdfPageNumberDialog</name>
    <message>
        <source>添加页码</source>
        <translation>Add page numbers</translation>
    </message>
    <message>
        <source>底部居中</source>
        <translation>Bottom center</translation>
    </message>
    <message>
        <source>底部右侧</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>底部左侧</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>顶部居中</source>
        <translation>Top center</translation>
    </message>
    <message>
        <source>顶部右侧</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>顶部左侧</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>页码（1, 2, 3…）</source>
        <translation>Page number (1, 2, 3…)</translation>
    </message>
    <message>
        <source>页码 / 总页数（1 / 12）</source>
        <translation>Page / total (1 / 12)</translation>
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
        <translation>First number</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>PdfPageToneMenu</name>
    <message>
        <source>页面颜色</source>
        <translation>Page colours</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>反色（夜间）</source>
        <translation>Inverted (night)</translation>
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
        <translation>Print PDF</translation>
    </message>
    <message>
        <source>打印失败</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>The print job could not be started.</translation>
    </message>
    <message>
        <source>打印未完成</source>
        <translation>Printing not completed</translation>
    </message>
    <message>
        <source>第 %1 页渲染失败。</source>
        <translation>Page %1 could not be rendered.</translation>
    </message>
    <message>
        <source>打印机无法创建新页面。</source>
        <translation>The printer could not start a new page.</translation>
    </message>
    <message>
        <source>正在取消打印…</source>
        <translation>Canceling printing…</translation>
    </message>
    <message>
        <source>已完成 %1 / %2 页</source>
        <translation>%1 of %2 pages done</translation>
    </message>
    <message>
        <source>正在打印 PDF</source>
        <translation>Printing PDF</translation>
    </message>
    <message>
        <source>正在准备 %1 页，页数多时可能需要一些时间。</source>
        <translation>Preparing %1 pages. Many pages may take a while.</translation>
    </message>
    <message>
        <source>不能打印到文档正在读取的文件：%1</source>
        <translation>Cannot print into a file the document reads its pages from: %1</translation>
    </message>
    <message>
        <source>打印完成</source>
        <translation>Printing complete</translation>
    </message>
    <message>
        <source>已有同名文件，打印内容已保存为：
%1</source>
        <translation>A file of that name exists; the print was saved as:
%1</translation>
    </message>
</context>
<context>
    <name>PdfPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>%1 × %2 毫米</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Document properties</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>以逗号分隔</source>
        <translation>Separated by commas</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Page size</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF version</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF producer</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>未保存</source>
        <translation>Not saved</translation>
    </message>
    <message>
        <source>%1（各页大小不同）</source>
        <translation>%1 (pages differ in size)</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>%1，已为快速网页查看优化</source>
        <translation>%1, optimized for fast web view</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>不受限制</source>
        <translation>Not restricted</translation>
    </message>
    <message>
        <source>已加密</source>
        <translation>Encrypted</translation>
    </message>
    <message>
        <source>已加密（%1）</source>
        <translation>Encrypted (%1)</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>allowed</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>not allowed</translation>
    </message>
    <message>
        <source>打印：%1</source>
        <translation>Printing: %1</translation>
    </message>
    <message>
        <source>仅低质量</source>
        <translation>low quality only</translation>
    </message>
    <message>
        <source>修改内容：%1</source>
        <translation>Changing the content: %1</translation>
    </message>
    <message>
        <source>复制文本和图像：%1</source>
        <translation>Copying text and images: %1</translation>
    </message>
    <message>
        <source>添加注释：%1</source>
        <translation>Commenting: %1</translation>
    </message>
    <message>
        <source>填写表单：%1</source>
        <translation>Filling in forms: %1</translation>
    </message>
    <message>
        <source>组合页面：%1</source>
        <translation>Assembling pages: %1</translation>
    </message>
    <message>
        <source>已用所有者密码打开，不受这些限制</source>
        <translation>Opened with the owner password: these limits do not apply</translation>
    </message>
    <message>
        <source>此文件的权限不允许修改文档属性。</source>
        <translation>The permissions of this file do not allow changing its properties.</translation>
    </message>
    <message>
        <source>无法读取文件的属性：%1</source>
        <translation>The file&apos;s properties cannot be read: %1</translation>
    </message>
    <message>
        <source>数字签名</source>
        <translation>Digital signatures</translation>
    </message>
</context>
<context>
    <name>PdfReadingHistory</name>
    <message>
        <source>后退</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Forward</translation>
    </message>
</context>
<context>
    <name>PdfReadingModes</name>
    <message>
        <source>页面布局</source>
        <translation>Page layout</translation>
    </message>
    <message>
        <source>连续滚动</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Single page</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Two pages</translation>
    </message>
    <message>
        <source>双页（封面单独显示）</source>
        <translation>Two pages (cover page alone)</translation>
    </message>
    <message>
        <source>顺时针旋转视图</source>
        <translation>Rotate view clockwise</translation>
    </message>
    <message>
        <source>逆时针旋转视图</source>
        <translation>Rotate view counterclockwise</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>演示</source>
        <translation>Presentation</translation>
    </message>
</context>
<context>
    <name>PdfSignDialog</name>
    <message>
        <source>签名</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>选择证书…</source>
        <translation>Choose certificate…</translation>
    </message>
    <message>
        <source>在页面上画出签名框</source>
        <translation>Draw a signature box on the page</translation>
    </message>
    <message>
        <source>签名字段：%1（第 %2 页）</source>
        <translation>Signature field: %1 (page %2)</translation>
    </message>
    <message>
        <source>签名字段：%1</source>
        <translation>Signature field: %1</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>Invisible signature</translation>
    </message>
    <message>
        <source>可选，例如：同意此文档</source>
        <translation>Optional, for example: I approve this document</translation>
    </message>
    <message>
        <source>可选</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>可选：时间戳服务器地址（RFC 3161）</source>
        <translation>Optional: timestamp server address (RFC 3161)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>选择图片…</source>
        <translation>Choose image…</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>签名位置</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>地点</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>时间戳</source>
        <translation>Timestamp</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>未选择证书</source>
        <translation>No certificate chosen</translation>
    </message>
    <message>
        <source>%1（签名时输入密码）</source>
        <translation>%1 (password requested when signing)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1（%2，有效期至 %3）</source>
        <translation>%1 (%2, valid until %3)</translation>
    </message>
    <message>
        <source>选择证书</source>
        <translation>Choose certificate</translation>
    </message>
    <message>
        <source>证书文件 (*.p12 *.pfx)</source>
        <translation>Certificate files (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>请输入证书“%1”的密码：</source>
        <translation>Enter the password of the certificate &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>证书密码</source>
        <translation>Certificate password</translation>
    </message>
    <message>
        <source>证书密码错误，请重新输入：</source>
        <translation>The password is not correct. Enter it again:</translation>
    </message>
    <message>
        <source>无法打开证书</source>
        <translation>Cannot open the certificate</translation>
    </message>
    <message>
        <source>文件不是可用的证书（PKCS#12）。</source>
        <translation>The file is not a usable certificate (PKCS#12).</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Technical details: %1</translation>
    </message>
    <message>
        <source>选择签名图片</source>
        <translation>Choose signature image</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>无法使用图片</source>
        <translation>Cannot use the image</translation>
    </message>
    <message>
        <source>图片无法读取。</source>
        <translation>The image cannot be read.</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBar</name>
    <message>
        <source>签名面板</source>
        <translation>Signature panel</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Verifying signatures…</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>无法验证签名：文件无法读取</source>
        <translation>Cannot verify the signatures: the file cannot be read</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBoxTool</name>
    <message>
        <source>在页面上拖动，画出签名框；按 Esc 取消</source>
        <translation>Drag on the page to draw the signature box; press Esc to cancel</translation>
    </message>
</context>
<context>
    <name>PdfSignatureTexts</name>
    <message>
        <source>批注</source>
        <translation>comments</translation>
    </message>
    <message>
        <source>表单</source>
        <translation>forms</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>signatures</translation>
    </message>
    <message>
        <source>其他内容</source>
        <translation>other content</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>证书不受信任（自签名证书）</source>
        <translation>Certificate not trusted (self-signed certificate)</translation>
    </message>
    <message>
        <source>证书不受信任（证书已过期）</source>
        <translation>Certificate not trusted (certificate expired)</translation>
    </message>
    <message>
        <source>证书不受信任</source>
        <translation>Certificate not trusted</translation>
    </message>
    <message>
        <source>签名有效</source>
        <translation>Signature valid</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改</source>
        <translation>%1, with allowed changes after signing</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改（%2）</source>
        <translation>%1, with allowed changes after signing (%2)</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改</source>
        <translation>Signature valid, with allowed changes after signing</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改（%1）</source>
        <translation>Signature valid, with allowed changes after signing (%1)</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围</source>
        <translation>Changes after signing go beyond what the certification allows</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围（%1）</source>
        <translation>Changes after signing go beyond what the certification allows (%1)</translation>
    </message>
    <message>
        <source>签名后文档被更改</source>
        <translation>Document changed after signing</translation>
    </message>
    <message>
        <source>签名后文档被更改（%1）</source>
        <translation>Document changed after signing (%1)</translation>
    </message>
    <message>
        <source>签名无效：签名数据与内容不符</source>
        <translation>Signature invalid: the signature data does not match the content</translation>
    </message>
    <message>
        <source>签名无效：签名后内容被改动</source>
        <translation>Signature invalid: the content was altered after signing</translation>
    </message>
    <message>
        <source>无法验证此签名</source>
        <translation>This signature cannot be verified</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Empty signature field</translation>
    </message>
    <message>
        <source>未知签名者</source>
        <translation>Unknown signer</translation>
    </message>
    <message>
        <source>%1 个无效</source>
        <translation>%1 invalid</translation>
    </message>
    <message>
        <source>%1 个签名后被更改</source>
        <translation>%1 changed after signing</translation>
    </message>
    <message>
        <source>%1 个不受信任</source>
        <translation>%1 not trusted</translation>
    </message>
    <message>
        <source>%1 个无法验证</source>
        <translation>%1 could not be verified</translation>
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
        <translation>Signed: %1 — %2</translation>
    </message>
    <message>
        <source>%1 个签名：全部有效</source>
        <translation>%1 signatures: all valid</translation>
    </message>
    <message>
        <source>%1 个签名：%2</source>
        <translation>%1 signatures: %2</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>%1 个（全部有效）</source>
        <translation>%1 (all valid)</translation>
    </message>
    <message>
        <source>%1 个（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>认证签名不允许更改此文档</source>
        <translation>The certification signature does not allow changes to this document</translation>
    </message>
    <message>
        <source>认证签名只允许填写表单和签名</source>
        <translation>The certification signature only allows filling in forms and signing</translation>
    </message>
    <message>
        <source>页面被移动</source>
        <translation>pages moved</translation>
    </message>
    <message>
        <source>页面被旋转</source>
        <translation>pages rotated</translation>
    </message>
    <message>
        <source>页面被删除</source>
        <translation>pages deleted</translation>
    </message>
    <message>
        <source>插入了页面</source>
        <translation>pages inserted</translation>
    </message>
    <message>
        <source>添加了页码</source>
        <translation>page numbers added</translation>
    </message>
    <message>
        <source>文档属性被修改</source>
        <translation>document properties changed</translation>
    </message>
    <message>
        <source>批注和表单将被扁平化</source>
        <translation>comments and forms will be flattened</translation>
    </message>
    <message>
        <source>页面内容被替换</source>
        <translation>page content replaced</translation>
    </message>
    <message>
        <source>以下更改需要重写整个文件：%1。</source>
        <translation>These changes require rewriting the whole file: %1.</translation>
    </message>
</context>
<context>
    <name>PdfSignaturesPanel</name>
    <message>
        <source>认证签名：不允许任何更改</source>
        <translation>Certification signature: no changes allowed</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单和签名</source>
        <translation>Certification signature: filling in forms and signing allowed</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单、签名和批注</source>
        <translation>Certification signature: filling in forms, signing and commenting allowed</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Verifying signatures…</translation>
    </message>
    <message>
        <source>无法读取文件中的签名。
%1</source>
        <translation>Cannot read the signatures in the file.
%1</translation>
    </message>
    <message>
        <source>此文档没有签名</source>
        <translation>This document has no signatures</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Empty signature field</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>Invisible signature</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>字段：%1（%2）</source>
        <translation>Field: %1 (%2)</translation>
    </message>
    <message>
        <source>签名时间：%1</source>
        <translation>Signing time: %1</translation>
    </message>
    <message>
        <source>原因：%1</source>
        <translation>Reason: %1</translation>
    </message>
    <message>
        <source>位置：%1</source>
        <translation>Location: %1</translation>
    </message>
    <message>
        <source>联系方式：%1</source>
        <translation>Contact: %1</translation>
    </message>
    <message>
        <source>类型：%1</source>
        <translation>Type: %1</translation>
    </message>
    <message>
        <source>摘要算法：%1</source>
        <translation>Digest algorithm: %1</translation>
    </message>
    <message>
        <source>第 %1 版（共 %2 版）</source>
        <translation>Revision %1 of %2</translation>
    </message>
    <message>
        <source>时间戳：%1（有效）</source>
        <translation>Timestamp: %1 (valid)</translation>
    </message>
    <message>
        <source>时间戳：%1（无效）</source>
        <translation>Timestamp: %1 (invalid)</translation>
    </message>
    <message>
        <source>签名后的更改：%1</source>
        <translation>Changes after signing: %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Technical details: %1</translation>
    </message>
    <message>
        <source>证书链</source>
        <translation>Certificate chain</translation>
    </message>
    <message>
        <source>颁发者：%1（自签名）</source>
        <translation>Issuer: %1 (self-signed)</translation>
    </message>
    <message>
        <source>颁发者：%1</source>
        <translation>Issuer: %1</translation>
    </message>
    <message>
        <source>有效期：%1 至 %2</source>
        <translation>Valid from %1 to %2</translation>
    </message>
    <message>
        <source>查看签名时的版本</source>
        <translation>View signed version</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Signatures</translation>
    </message>
</context>
<context>
    <name>PdfTextRecognition</name>
    <message>
        <source>正在取消文字识别…</source>
        <translation>Cancelling text recognition…</translation>
    </message>
    <message>
        <source>无法识别文字</source>
        <translation>Cannot recognise text</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据。</source>
        <translation>No language data for text recognition is installed.</translation>
    </message>
    <message>
        <source>未安装 %1 的文字识别语言数据。</source>
        <translation>The text recognition data for %1 is not installed.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-%1</source>
        <translation>To install: sudo apt install tesseract-ocr-%1</translation>
    </message>
    <message>
        <source>识别过程中出错，文档保持不变。</source>
        <translation>An error occurred during recognition; the document is unchanged.</translation>
    </message>
    <message>
        <source>无法创建临时文件夹。</source>
        <translation>Cannot create the temporary folder.</translation>
    </message>
    <message>
        <source>正在识别文字</source>
        <translation>Recognising text</translation>
    </message>
    <message>
        <source>正在识别没有文字的页面，每页需要几秒钟。</source>
        <translation>Recognising the pages without text; each page takes a few seconds.</translation>
    </message>
    <message>
        <source>已完成 %1%</source>
        <translation>%1% done</translation>
    </message>
    <message>
        <source>无需识别文字</source>
        <translation>No text to recognise</translation>
    </message>
    <message>
        <source>此文档的每一页都已有文字。</source>
        <translation>Every page of this document already has text.</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Recognise text</translation>
    </message>
</context>
<context>
    <name>PdfThumbnailPanel</name>
    <message>
        <source>正在生成缩略图…</source>
        <translation>Generating thumbnails…</translation>
    </message>
</context>
<context>
    <name>PdfToOfficeOptionsPanel</name>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF to Office</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>选择转换类型</source>
        <translation>Choose output type</translation>
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
        <translation>Add or drop PDF files from your desktop to start converting.</translation>
    </message>
</context>
<context>
    <name>PdfTopToolBar</name>
    <message>
        <source>文档阅读视图</source>
        <translation>Reading view</translation>
    </message>
    <message>
        <source>页面管理视图</source>
        <translation>Page management view</translation>
    </message>
    <message>
        <source>显示或隐藏缩略图</source>
        <translation>Show or hide thumbnails</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>PDF 工具</source>
        <translation>PDF tools</translation>
    </message>
    <message>
        <source>手形工具</source>
        <translation>Hand tool</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>插入 PDF 或空白页</source>
        <translation>Insert PDF or blank page</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extract</translation>
    </message>
    <message>
        <source>提取选定页面</source>
        <translation>Extract selected pages</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>拆分 PDF</source>
        <translation>Split PDF</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>删除选定页面</source>
        <translation>Delete selected pages</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>选择全部页面</source>
        <translation>Select all pages</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>More</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compress</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF to Office</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF to images</translation>
    </message>
    <message>
        <source>加密 PDF</source>
        <translation>Encrypt PDF</translation>
    </message>
    <message>
        <source>解锁 PDF</source>
        <translation>Unlock PDF</translation>
    </message>
    <message>
        <source>页面编号</source>
        <translation>Page numbers</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>将文件保存为…</source>
        <translation>Save file as…</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>高亮所选文字</source>
        <translation>Highlight selected text</translation>
    </message>
    <message>
        <source>为所选文字加下划线</source>
        <translation>Underline selected text</translation>
    </message>
    <message>
        <source>为所选文字加删除线</source>
        <translation>Strike through selected text</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Sticky note</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Text box</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Freehand</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>颜色、线宽和不透明度</source>
        <translation>Color, line width and opacity</translation>
    </message>
    <message>
        <source>删除所选批注</source>
        <translation>Delete selected comment</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Document properties</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面</source>
        <translation>The document must keep at least one page, so not all pages can be deleted</translation>
    </message>
</context>
<context>
    <name>PdfUndoManager</name>
    <message>
        <source>复制页面</source>
        <translation>Duplicate pages</translation>
    </message>
    <message>
        <source>插入空白页</source>
        <translation>Insert blank page</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insert PDF</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>Delete pages</translation>
    </message>
    <message>
        <source>向左旋转页面</source>
        <translation>Rotate pages left</translation>
    </message>
    <message>
        <source>向右旋转页面</source>
        <translation>Rotate pages right</translation>
    </message>
    <message>
        <source>移动页面</source>
        <translation>Move pages</translation>
    </message>
    <message>
        <source>添加页码</source>
        <translation>Add page numbers</translation>
    </message>
    <message>
        <source>删除页码</source>
        <translation>Remove page numbers</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>Fill in form</translation>
    </message>
    <message>
        <source>修改文档属性</source>
        <translation>Change document properties</translation>
    </message>
</context>
<context>
    <name>PdfViewerWidget</name>
    <message>
        <source>文件不存在或已被移动。</source>
        <translation>The file does not exist or has been moved.</translation>
    </message>
    <message>
        <source>PDF 需要密码。</source>
        <translation>The PDF requires a password.</translation>
    </message>
    <message>
        <source>PDF 密码错误。</source>
        <translation>Wrong PDF password.</translation>
    </message>
    <message>
        <source>PDF 已损坏或格式不受支持。</source>
        <translation>The PDF is damaged or its format is not supported.</translation>
    </message>
    <message>
        <source>页面渲染失败。</source>
        <translation>The page could not be rendered.</translation>
    </message>
    <message>
        <source>无法写入目标文件，请检查权限和磁盘空间。</source>
        <translation>The destination file could not be written. Please check the permissions and the free disk space.</translation>
    </message>
    <message>
        <source>操作未完成。</source>
        <translation>The operation was not completed.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Password required</translation>
    </message>
    <message>
        <source>无法打开 PDF</source>
        <translation>Cannot open PDF</translation>
    </message>
    <message>
        <source>插入 PDF 失败</source>
        <translation>Failed to insert PDF</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insert PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Insert blank page after</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>未命名.pdf</source>
        <translation>Untitled.pdf</translation>
    </message>
    <message>
        <source>将 PDF 保存为</source>
        <translation>Save PDF as</translation>
    </message>
    <message>
        <source>正在保存 PDF</source>
        <translation>Saving PDF</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Writing file. Large files may take a while.</translation>
    </message>
    <message>
        <source>保存完成前请不要关闭程序。</source>
        <translation>Please do not close the program until saving has finished.</translation>
    </message>
    <message>
        <source>保存 PDF 失败</source>
        <translation>Failed to save PDF</translation>
    </message>
    <message>
        <source>替换文件</source>
        <translation>Replace file</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。重新载入将丢弃当前未保存的修改。是否重新载入？</source>
        <translation>&quot;%1&quot; was changed by another program. Reloading discards your unsaved changes. Reload it?</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。是否重新载入？</source>
        <translation>&quot;%1&quot; was changed by another program. Reload it?</translation>
    </message>
    <message>
        <source>文件已更改</source>
        <translation>File changed</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>保留当前内容</source>
        <translation>Keep current version</translation>
    </message>
    <message>
        <source>无法打开链接</source>
        <translation>Cannot open the link</translation>
    </message>
    <message>
        <source>出于安全考虑，只能打开网页和邮件链接。</source>
        <translation>For safety, only web and email links can be opened.</translation>
    </message>
    <message>
        <source>打开链接</source>
        <translation>Open link</translation>
    </message>
    <message>
        <source>此链接指向文档以外的地址，是否打开？</source>
        <translation>This link leads outside the document. Open it?</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>系统没有可以打开此链接的程序。</source>
        <translation>No program on this system can open this link.</translation>
    </message>
    <message>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>&quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Technical details: %1</translation>
    </message>
    <message>
        <source>“%1”已修改，是否保存？</source>
        <translation>&quot;%1&quot; was modified. Save it?</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，且有未保存的修改。替换后该标签页将关闭，其未保存的修改将丢失。是否替换？</source>
        <translation>&quot;%1&quot; is open in another tab with unsaved changes. Replacing it closes that tab and its unsaved changes are lost. Replace it?</translation>
    </message>
    <message>
        <source>无法添加批注</source>
        <translation>Cannot add comments</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许添加或修改批注。</source>
        <translation>The permissions of this PDF do not allow adding or changing comments.</translation>
    </message>
    <message>
        <source>批注和表单要保留为可编辑的批注，还是扁平化到页面中？</source>
        <translation>Keep comments and forms editable, or flatten them into the pages?</translation>
    </message>
    <message>
        <source>扁平化后，其他阅读器也无法再编辑或删除它们。</source>
        <translation>Once flattened, they can no longer be edited or deleted, in other readers either.</translation>
    </message>
    <message>
        <source>保留批注</source>
        <translation>Keep comments</translation>
    </message>
    <message>
        <source>扁平化</source>
        <translation>Flatten</translation>
    </message>
    <message>
        <source>文件无法读取。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>文档尚未保存。</source>
        <translation>The document has not been saved yet.</translation>
    </message>
    <message>
        <source>签名时的版本，只读</source>
        <translation>Signed version, read-only</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>无法填写表单</source>
        <translation>Cannot fill in the form</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许更改表单。</source>
        <translation>The certification signature of this document does not allow changing forms.</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许添加或修改批注。</source>
        <translation>The certification signature of this document does not allow adding or changing comments.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开。</source>
        <translation>This document is open read-only.</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许填写表单。</source>
        <translation>The permissions of this PDF do not allow filling in forms.</translation>
    </message>
    <message>
        <source>无法验证</source>
        <translation>Could not be verified</translation>
    </message>
    <message>
        <source>正在验证…</source>
        <translation>Verifying…</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>无法打开签名时的版本</source>
        <translation>Cannot open the signed version</translation>
    </message>
    <message>
        <source>无法从文件中取出签名时的版本。</source>
        <translation>The signed version cannot be extracted from the file.</translation>
    </message>
    <message>
        <source>保存已签名的文档</source>
        <translation>Save signed document</translation>
    </message>
    <message>
        <source>此文档已签名；新文件中的签名将失效，原文件及其签名保持不变。</source>
        <translation>This document is signed. The signatures in the new file will no longer be valid; the original file and its signatures stay unchanged.</translation>
    </message>
    <message>
        <source>仍然保存</source>
        <translation>Save anyway</translation>
    </message>
    <message>
        <source>此文档已签名；保存将使签名失效。</source>
        <translation>This document is signed. Saving will invalidate its signatures.</translation>
    </message>
    <message>
        <source>另存为新文件</source>
        <translation>Save as new file</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>签名前需要先保存修改。是否现在保存？</source>
        <translation>Your changes must be saved before signing. Save them now?</translation>
    </message>
    <message>
        <source>签名针对文件中已保存的内容。</source>
        <translation>The signature covers the content saved in the file.</translation>
    </message>
    <message>
        <source>签名失败</source>
        <translation>Signing failed</translation>
    </message>
    <message>
        <source>文档在签名前又被修改了，请保存后再签名。</source>
        <translation>The document was changed again before signing. Save it, then sign it.</translation>
    </message>
    <message>
        <source>保存签名后的 PDF</source>
        <translation>Save signed PDF</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，请另选文件名。</source>
        <translation>&quot;%1&quot; is open in another tab. Choose another file name.</translation>
    </message>
    <message>
        <source>正在签名</source>
        <translation>Signing</translation>
    </message>
    <message>
        <source>正在签名并写入文件。</source>
        <translation>Signing and writing the file.</translation>
    </message>
    <message>
        <source>正在签名并向时间戳服务器请求时间戳。</source>
        <translation>Signing and requesting a timestamp from the timestamp server.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>Please do not close the program until it has finished.</translation>
    </message>
    <message>
        <source>文档未能签名，文件没有写入。</source>
        <translation>The document could not be signed; no file was written.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开，请另存为新文件。</source>
        <translation>This document is open read-only. Save it as a new file.</translation>
    </message>
    <message>
        <source>密码错误，请重新输入“%1”的密码：</source>
        <translation>Wrong password. Enter the password of &quot;%1&quot; again:</translation>
    </message>
    <message>
        <source>插入的 PDF“%1”已加密，请输入密码：</source>
        <translation>The inserted PDF &quot;%1&quot; is encrypted. Enter its password:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>&quot;%1&quot; is encrypted. Enter its password:</translation>
    </message>
    <message>
        <source>无法删除页面</source>
        <translation>Cannot delete pages</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面。</source>
        <translation>The document must keep at least one page, so not all pages can be deleted.</translation>
    </message>
</context>
<context>
    <name>RecentFileListView</name>
    <message>
        <source>未找到匹配的文件</source>
        <translation>No matching files</translation>
    </message>
    <message>
        <source>请尝试其他关键词</source>
        <translation>Try other search terms</translation>
    </message>
    <message>
        <source>暂无最近文件</source>
        <translation>No recent files</translation>
    </message>
    <message>
        <source>打开的 PDF 文件会显示在这里</source>
        <translation>PDF files you open will appear here</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>从列表中移除</source>
        <translation>Remove from list</translation>
    </message>
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>Search files</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>深色主题</source>
        <translation>Dark theme</translation>
    </message>
    <message>
        <source>启动时重新打开上次的文档</source>
        <translation>Reopen last session&apos;s documents at start</translation>
    </message>
    <message>
        <source>批注作者</source>
        <translation>Comment author</translation>
    </message>
    <message>
        <source>新批注署名（留空则用系统用户名）：</source>
        <translation>Name on new comments (leave empty to use the system user name):</translation>
    </message>
    <message>
        <source>批注作者…</source>
        <translation>Comment author…</translation>
    </message>
    <message>
        <source>批注作者：%1…</source>
        <translation>Comment author: %1…</translation>
    </message>
</context>
<context>
    <name>SideNavigationBar</name>
    <message>
        <source> 打开</source>
        <translation> Open</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>全部文档</source>
        <translation>All documents</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Compress PDF</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF to Office</translation>
    </message>
    <message>
        <source>Office 转为 PDF</source>
        <translation>Office to PDF</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF to images</translation>
    </message>
    <message>
        <source>图像转 PDF</source>
        <translation>Images to PDF</translation>
    </message>
    <message>
        <source>加密PDF</source>
        <translation>Encrypt PDF</translation>
    </message>
    <message>
        <source>解锁PDF</source>
        <translation>Unlock PDF</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Merge PDF</translation>
    </message>
    <message>
        <source>打开 PDF 文件</source>
        <translation>Open PDF file</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>Text recognition</translation>
    </message>
</context>
<context>
    <name>TabContextMenu</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>关闭其他标签页</source>
        <translation>Close other tabs</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>复制文件路径</source>
        <translation>Copy file path</translation>
    </message>
</context>
<context>
    <name>TaskListItem</name>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>Open containing folder</translation>
    </message>
    <message>
        <source>处理中...</source>
        <translation>Processing...</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Canceled</translation>
    </message>
    <message>
        <source>%1 → %2（节省 %3%）</source>
        <translation>%1 → %2 (%3% smaller)</translation>
    </message>
    <message>
        <source>移除并重试</source>
        <translation>Remove and retry</translation>
    </message>
    <message numerus="yes">
        <source>%1 等 %n 个文件</source>
        <translation>
            <numerusform>%1 and others (%n file)</numerusform>
            <numerusform>%1 and others (%n files)</numerusform>
        </translation>
    </message>
    <message>
        <source>处理中... %1%</source>
        <translation>Processing... %1%</translation>
    </message>
</context>
<context>
    <name>TaskListWidget</name>
    <message>
        <source>重来</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>重试失败项</source>
        <translation>Retry failed</translation>
    </message>
</context>
<context>
    <name>TextRecognitionOptionsPanel</name>
    <message>
        <source>文字识别</source>
        <translation>Text recognition</translation>
    </message>
    <message>
        <source>识别</source>
        <translation>Recognise</translation>
    </message>
    <message>
        <source>识别扫描页面中的文字，使 PDF 可以搜索和复制，页面外观不变</source>
        <translation>Recognises the text of scanned pages so the PDF can be searched and copied from; the pages look as they did</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>Recognition languages</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，无法识别文字。</source>
        <translation>No language data for text recognition is installed; text cannot be recognised.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</source>
        <translation>To install: sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>也识别已有文字的页面</source>
        <translation>Also recognise pages that already have text</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据</source>
        <translation>No text recognition language data installed</translation>
    </message>
    <message>
        <source>请选择至少一种语言</source>
        <translation>Choose at least one language</translation>
    </message>
</context>
<context>
    <name>TextRecognitionPage</name>
    <message>
        <source>从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。</source>
        <translation>Add or drop scanned PDF files from your desktop to recognise their text.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Language settings</translation>
    </message>
    <message>
        <source>Account and subscription</source>
        <translation>Account and subscription</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>ToolOptionsPanel</name>
    <message>
        <source>文件位置</source>
        <translation>File location</translation>
    </message>
    <message>
        <source>保存选项</source>
        <translation>Save options</translation>
    </message>
    <message>
        <source>替换原始文件</source>
        <translation>Replace original file</translation>
    </message>
    <message>
        <source>保留原始文件</source>
        <translation>Keep original file</translation>
    </message>
</context>
<context>
    <name>Worklane</name>
    <message>
        <source>invalid task</source>
        <translation>invalid task</translation>
    </message>
    <message>
        <source>找不到源文件</source>
        <translation>The source file cannot be found</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>不是PDF文件或文件已损坏：%1</source>
        <translation>Not a PDF file, or the file is damaged: %1</translation>
    </message>
    <message>
        <source>文件受密码保护，需要密码：%1</source>
        <translation>The file is protected and needs a password: %1</translation>
    </message>
    <message>
        <source>密码不正确</source>
        <translation>The password is not correct</translation>
    </message>
    <message>
        <source>未输入密码</source>
        <translation>No password was entered</translation>
    </message>
    <message>
        <source>无法读取图像：%1</source>
        <translation>Cannot read the image: %1</translation>
    </message>
    <message>
        <source>图像太大，无法转换：%1</source>
        <translation>The image is too large to convert: %1</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>Not enough disk space</translation>
    </message>
    <message>
        <source>没有写入权限：%1</source>
        <translation>No permission to write: %1</translation>
    </message>
    <message>
        <source>输出文件夹不存在</source>
        <translation>The output folder does not exist</translation>
    </message>
    <message>
        <source>无法写入输出文件</source>
        <translation>Cannot write the output file</translation>
    </message>
    <message>
        <source>文档没有页面</source>
        <translation>The document has no pages</translation>
    </message>
    <message>
        <source>文档中没有可提取的图像</source>
        <translation>The document has no images to extract</translation>
    </message>
    <message>
        <source>输出会覆盖源文件：%1</source>
        <translation>The output would overwrite a source file: %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>找不到可用的文件名</source>
        <translation>No free file name could be found</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>处理时出错</source>
        <translation>An error occurred while processing</translation>
    </message>
    <message>
        <source>有文件不是PDF文件或已损坏</source>
        <translation>A file is not a PDF, or it is damaged</translation>
    </message>
    <message>
        <source>此文件没有密码</source>
        <translation>This file has no password</translation>
    </message>
    <message>
        <source>更改此文件的保护需要其所有者密码：%1</source>
        <translation>Changing this file&apos;s protection needs its owner password: %1</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，请先安装</source>
        <translation>LibreOffice not found; install it first</translation>
    </message>
    <message>
        <source>文件已损坏或受密码保护</source>
        <translation>The file is damaged or password-protected</translation>
    </message>
    <message>
        <source>转换超时</source>
        <translation>The conversion timed out</translation>
    </message>
    <message>
        <source>转换失败：%1</source>
        <translation>Conversion failed: %1</translation>
    </message>
    <message>
        <source>不支持的文件类型：%1</source>
        <translation>Unsupported file type: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 页未找到文字，已作为图片保存</source>
        <translation>
            <numerusform>No text found on %n page; saved as a picture</numerusform>
            <numerusform>No text found on %n pages; saved as pictures</numerusform>
        </translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包</source>
        <translation>No language data for text recognition is installed; install a language package such as tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）</source>
        <translation>The text recognition data for %1 is not installed (package tesseract-ocr-%2)</translation>
    </message>
    <message>
        <source>文字识别失败：%1</source>
        <translation>Text recognition failed: %1</translation>
    </message>
    <message>
        <source>每页都已有文字，无需识别：%1</source>
        <translation>Every page already has text; nothing to recognise: %1</translation>
    </message>
    <message numerus="yes">
        <source>已识别 %n 页</source>
        <translation>
            <numerusform>%n page recognised</numerusform>
            <numerusform>%n pages recognised</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页已有文字，保持原样</source>
        <translation>
            <numerusform>%n page already had text and was kept</numerusform>
            <numerusform>%n pages already had text and were kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页无法读取</source>
        <translation>
            <numerusform>%n page could not be read</numerusform>
            <numerusform>%n pages could not be read</numerusform>
        </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名</source>
        <translation>Digitally signed: %1. The signatures are no longer valid in the output file; the original files stay signed</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>文件是空的：%1</source>
        <translation>The file is empty: %1</translation>
    </message>
    <message>
        <source>这是PDF文件，不是Office文档：%1</source>
        <translation>This is a PDF file, not an Office document: %1</translation>
    </message>
</context>
</TS>
