<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Velmora account</source>
        <translation>Velmoraアカウント</translation>
    </message>
    <message>
        <source>Account &amp; subscription</source>
        <translation>アカウントとサブスクリプション</translation>
    </message>
    <message>
        <source>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</source>
        <translation>現在、すべてのPDFツールをどなたでもご利用いただけます。サインインすると、アカウントとサブスクリプションの状態が同期されるだけです。</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Create account</source>
        <translation>アカウントを作成</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>状態を更新</translation>
    </message>
    <message>
        <source>Manage subscription</source>
        <translation>サブスクリプションを管理</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>サインインしています...</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>%1 としてサインイン中</translation>
    </message>
    <message>
        <source>Subscription active (%1)</source>
        <translation>サブスクリプション有効（%1）</translation>
    </message>
    <message>
        <source>. Current period ends %1.</source>
        <translation>。現在の期間は%1に終了します。</translation>
    </message>
    <message>
        <source>Free account. All tools remain available during the current open-access period.</source>
        <translation>無料アカウントです。現在の無料公開期間中は、すべてのツールをご利用いただけます。</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Enter your email address and password.</source>
        <translation>メールアドレスとパスワードを入力してください。</translation>
    </message>
    <message>
        <source>The account service address is not secure. Only https addresses are allowed.</source>
        <translation>アカウントサービスのアドレスが安全ではありません。httpsのアドレスのみ使用できます。</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Please sign in again.</source>
        <translation>サインインの有効期限が切れました。もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>The account service redirected to an address that is not allowed.</source>
        <translation>アカウントサービスが許可されていないアドレスにリダイレクトしました。</translation>
    </message>
    <message>
        <source>The account service returned incomplete account information.</source>
        <translation>アカウントサービスから返されたアカウント情報が不完全です。</translation>
    </message>
    <message>
        <source>The account service returned an invalid session.</source>
        <translation>アカウントサービスから無効なセッションが返されました。</translation>
    </message>
    <message>
        <source>The account service returned an invalid response.</source>
        <translation>アカウントサービスから無効な応答が返されました。</translation>
    </message>
    <message>
        <source>无法连接账户服务，请检查网络连接。</source>
        <translation>アカウントサービスに接続できません。ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>账户服务暂时无法完成请求。</source>
        <translation>アカウントサービスは現在リクエストを完了できません。</translation>
    </message>
</context>
<context>
    <name>BatchToolPage</name>
    <message>
        <source>任务仍在运行</source>
        <translation>実行中のタスクがあります</translation>
    </message>
    <message numerus="yes">
        <source>还有 %n 个任务尚未完成。取消后，这些任务不会留下任何输出文件。</source>
        <translation>
            <numerusform>未完了のタスクが %n 件あります。キャンセルすると、出力ファイルは残りません。</numerusform>
        </translation>
    </message>
    <message>
        <source>取消任务</source>
        <translation>タスクをキャンセル</translation>
    </message>
    <message>
        <source>继续等待</source>
        <translation>待機を続ける</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>没有可以打开它的程序。</source>
        <translation>これを開けるプログラムがありません。</translation>
    </message>
    <message>
        <source>无法创建输出文件夹</source>
        <translation>出力フォルダーを作成できません</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>阅读 PDF、整理页面并批量处理 PDF 文件。</source>
        <translation>PDFを読み、ページを整理し、PDFファイルを一括処理します。</translation>
    </message>
    <message>
        <source>显示此帮助并退出。</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>第一个文件从第 &lt;页码&gt; 页打开。</source>
        <translation>最初のファイルを &lt;ページ&gt; ページ目で開きます。</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>打开一个新窗口，不把文件交给已在运行的 Velmora。</source>
        <translation>実行中のVelmoraにファイルを渡さず、新しいウィンドウで開きます。</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件，可以有多个。</source>
        <translation>開くPDFファイル（複数可）。</translation>
    </message>
    <message>
        <source>[文件…]</source>
        <translation>[ファイル…]</translation>
    </message>
    <message>
        <source>页码必须是正整数：%1</source>
        <translation>ページは正の整数で指定してください: %1</translation>
    </message>
    <message>
        <source>--page 需要一个要打开的文件。</source>
        <translation>--page には開くファイルが必要です。</translation>
    </message>
    <message>
        <source>用 --help 查看可用的选项。</source>
        <translation>使用できるオプションは --help で確認できます。</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>转换结果写入 &lt;文件夹&gt;。</source>
        <translation>変換結果を &lt;フォルダー&gt; に書き込みます。</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>不支持转换为此格式：%1</source>
        <translation>この形式への変換はサポートされていません：%1</translation>
    </message>
    <message>
        <source>--convert-to 需要要转换的文件。</source>
        <translation>--convert-to には変換するファイルが必要です。</translation>
    </message>
    <message>
        <source>--outdir 需要一个文件夹。</source>
        <translation>--outdir にはフォルダーが必要です。</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>フォルダーを作成できません：%1</translation>
    </message>
    <message>
        <source>不打开窗口，把文件转换为 &lt;格式&gt;（pdf、docx、xlsx、pptx）。</source>
        <translation>ウィンドウを開かずにファイルを &lt;形式&gt;（pdf、docx、xlsx、pptx）に変換します。</translation>
    </message>
    <message>
        <source>不打开窗口，识别扫描页面的文字，写入可搜索的 PDF。</source>
        <translation>ウィンドウを開かずにスキャンしたページの文字を認識し、検索可能な PDF を書き出します。</translation>
    </message>
    <message>
        <source>文字识别的语言，例如 eng+chi_sim。</source>
        <translation>文字認識の言語（例：eng+chi_sim）。</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>--ocr 不能与 --convert-to 一起使用。</source>
        <translation>--ocr は --convert-to と同時に使えません。</translation>
    </message>
    <message>
        <source>--ocr 需要要识别的 PDF 文件。</source>
        <translation>--ocr には認識する PDF ファイルが必要です。</translation>
    </message>
    <message>
        <source>--lang 需要语言，例如 eng+chi_sim。</source>
        <translation>--lang には言語が必要です（例：eng+chi_sim）。</translation>
    </message>
    <message>
        <source>未安装这些语言的识别数据：%1（已安装：%2）</source>
        <translation>次の言語の認識データがインストールされていません：%1（インストール済み：%2）</translation>
    </message>
    <message>
        <source>无</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>--lang 只能与 --ocr 一起使用。</source>
        <translation>--lang は --ocr と一緒にのみ使えます。</translation>
    </message>
    <message>
        <source>不打开窗口，检查文件的数字签名：每个签名一行（文件、字段、签名者、结论）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不打开窗口，为文件签名，写入新文件 &lt;名称&gt;-signed.pdf。证书密码从标准输入或 VELMORA_CERT_PASSWORD 读取。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名用的证书文件（.p12、.pfx）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要签名的空签名字段。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名框：x,y,宽,高（磅，从页面左上角算起），与 --page 一起使用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>框</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名的原因。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原因</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间戳服务器的地址（RFC 3161）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify 不能与 --sign 一起使用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 不能与 --convert-to 或 --ocr 一起使用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sign 需要要签名的 PDF 文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify 需要要检查的 PDF 文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--verify 不接受签名的选项。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sign 需要 --cert 证书文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--field 不能与 --page 或 --rect 一起使用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--page 和 --rect 要一起使用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rect 需要 x,y,宽,高 四个数，宽和高大于 0：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 只能与 --sign 一起使用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--outdir 只能与 --convert-to、--ocr 或 --sign 一起使用。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书文件不存在：%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CustomTabWidget</name>
    <message>
        <source>全部标签页</source>
        <translation>すべてのタブ</translation>
    </message>
</context>
<context>
    <name>FileDropZoneWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>PDFを選択</translation>
    </message>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>デスクトップからPDFファイルを追加するかドラッグ＆ドロップして、変換を開始します。</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>ファイルを追加</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
    <message>
        <source>文件名</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>最近一次编辑</source>
        <translation>最終更新日時</translation>
    </message>
</context>
<context>
    <name>FileListItem</name>
    <message>
        <source>拖动排序</source>
        <translation>ドラッグして並べ替え</translation>
    </message>
</context>
<context>
    <name>FileListWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>PDFを選択</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>すべてクリア</translation>
    </message>
</context>
<context>
    <name>FileLocationSelector</name>
    <message>
        <source>文件保存位置</source>
        <translation>ファイルの保存場所</translation>
    </message>
    <message>
        <source>原始文件夹</source>
        <translation>元のフォルダー</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>自定义文件夹</source>
        <translation>カスタムフォルダー</translation>
    </message>
    <message>
        <source>选择其他文件夹…</source>
        <translation>別のフォルダーを選択…</translation>
    </message>
    <message>
        <source>选择文件保存位置</source>
        <translation>ファイルの保存場所を選択</translation>
    </message>
</context>
<context>
    <name>FileProtectionCheck</name>
    <message>
        <source>更改“%1”的保护需要所有者密码，请输入：</source>
        <translation>「%1」の保護を変更するには所有者パスワードが必要です。入力してください：</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>「%1」は暗号化されています。パスワードを入力してください：</translation>
    </message>
    <message>
        <source>密码错误，请重试。</source>
        <translation>パスワードが違います。もう一度お試しください。</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>パスワードが必要です</translation>
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
        <translation>画像からPDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>ページサイズ</translation>
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
        <translation>余白</translation>
    </message>
    <message>
        <source>无</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>窄</source>
        <translation>狭い</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>広い</translation>
    </message>
    <message>
        <source>页面方向</source>
        <translation>ページの向き</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>横</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>转换为单个PDF</source>
        <translation>1つのPDFに変換</translation>
    </message>
    <message>
        <source>每张图像都将保存为单个PDF</source>
        <translation>各画像を個別のPDFとして保存します</translation>
    </message>
</context>
<context>
    <name>ImageToPdfPage</name>
    <message>
        <source>添加或拖拽图像文件进行转换。</source>
        <translation>変換する画像ファイルを追加するかドラッグ＆ドロップしてください。</translation>
    </message>
    <message>
        <source>图像文件 (*.jpg *.jpeg *.png)</source>
        <translation>画像ファイル (*.jpg *.jpeg *.png)</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>画像を選択</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>简体中文</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>言語設定</translation>
    </message>
    <message>
        <source>选择 Velmora 的界面语言</source>
        <translation>Velmoraの表示言語を選択してください</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>切换语言？</source>
        <translation>言語を切り替えますか？</translation>
    </message>
    <message>
        <source>界面语言将切换为“%1”。</source>
        <translation>表示言語を「%1」に切り替えます。</translation>
    </message>
    <message>
        <source>当前打开的工具标签页将关闭。</source>
        <translation>開いているツールのタブは閉じられます。</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>切り替える</translation>
    </message>
    <message>
        <source>无法切换语言</source>
        <translation>言語を切り替えられません</translation>
    </message>
    <message>
        <source>未能加载所选语言的翻译文件。</source>
        <translation>選択した言語の翻訳ファイルを読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>首页</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>PDFを圧縮</translation>
    </message>
    <message>
        <source>PDF转为Office</source>
        <translation>PDFからOffice</translation>
    </message>
    <message>
        <source>Office转为PDF</source>
        <translation>OfficeからPDF</translation>
    </message>
    <message>
        <source>图像转PDF</source>
        <translation>画像からPDF</translation>
    </message>
    <message>
        <source>PDF转为图像</source>
        <translation>PDFから画像</translation>
    </message>
    <message>
        <source>PDF解密</source>
        <translation>PDFロック解除</translation>
    </message>
    <message>
        <source>PDF加密</source>
        <translation>PDFを暗号化</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>PDFを結合</translation>
    </message>
    <message>
        <source>%1（未保存）</source>
        <translation>%1（未保存）</translation>
    </message>
    <message>
        <source>只打开了 PDF 文件</source>
        <translation>PDFファイルのみ開きました</translation>
    </message>
    <message>
        <source>以下文件不是 PDF，未打开：</source>
        <translation>次のファイルはPDFではないため、開きませんでした：</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>以下路径不存在，或不是文件：</source>
        <translation>次のパスは存在しないか、ファイルではありません：</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>変更を保存</translation>
    </message>
    <message>
        <source>以下文档有未保存的修改，切换前是否保存？</source>
        <translation>次の文書には未保存の変更があります。切り替える前に保存しますか？</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>すべて保存</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>文字認識</translation>
    </message>
</context>
<context>
    <name>ModernComboBox</name>
    <message>
        <source>选择文件夹</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>場所を選択...</translation>
    </message>
</context>
<context>
    <name>ModernMessageBox</name>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>保存しない</translation>
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
        <translation>OfficeからPDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>将 Word、PowerPoint 和 Excel 文件转换为 PDF</source>
        <translation>Word、PowerPoint、ExcelファイルをPDFに変換</translation>
    </message>
    <message>
        <source>未找到 LibreOffice</source>
        <translation>LibreOffice が見つかりません</translation>
    </message>
    <message>
        <source>请从 libreoffice.org 下载并安装 LibreOffice。</source>
        <translation>libreoffice.org から LibreOffice をダウンロードしてインストールしてください。</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</source>
        <translation>インストール方法：sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，无法转换 Office 文件。</source>
        <translation>LibreOffice が見つからないため、Office ファイルを変換できません。</translation>
    </message>
</context>
<context>
    <name>OfficeToPdfPage</name>
    <message>
        <source>添加或拖拽文件进行转换。</source>
        <translation>変換するファイルを追加するかドラッグ＆ドロップしてください。</translation>
    </message>
    <message>
        <source>Office 文件 (%1)</source>
        <translation>Office ファイル (%1)</translation>
    </message>
    <message>
        <source>选择 Office 文件</source>
        <translation>Office ファイルを選択</translation>
    </message>
</context>
<context>
    <name>OutputLocationChoice</name>
    <message>
        <source>原始文件</source>
        <translation>元のフォルダー</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Velmora文件</source>
        <translation>Velmoraファイル</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>場所を選択...</translation>
    </message>
    <message>
        <source>路径中有一个同名的文件：%1</source>
        <translation>パスに同じ名前のファイルがあります：%1</translation>
    </message>
    <message>
        <source>没有在此创建文件夹的权限：%1</source>
        <translation>ここにフォルダーを作成する権限がありません：%1</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>显示密码</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>隐藏密码</source>
        <translation>パスワードを隠す</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationLayer</name>
    <message>
        <source>文字：</source>
        <translation>テキスト：</translation>
    </message>
    <message>
        <source>编辑批注</source>
        <translation>注釈を編集</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>テキストボックス</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>色</translation>
    </message>
    <message>
        <source>红色</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>青</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>线宽</source>
        <translation>線の太さ</translation>
    </message>
    <message>
        <source>%1 磅</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>不透明度</source>
        <translation>不透明度</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationModel</name>
    <message>
        <source>添加批注</source>
        <translation>注釈を追加</translation>
    </message>
    <message>
        <source>编辑批注</source>
        <translation>注釈を編集</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>注釈を削除</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>ハイライト</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>テキストボックス</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>フリーハンド</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>其他批注</source>
        <translation>その他の注釈</translation>
    </message>
</context>
<context>
    <name>PdfBottomControlBar</name>
    <message>
        <source>上一页</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>切换为适合高度</source>
        <translation>高さに合わせる</translation>
    </message>
    <message>
        <source>切换为适合宽度</source>
        <translation>幅に合わせる</translation>
    </message>
</context>
<context>
    <name>PdfCommentsPanel</name>
    <message>
        <source>第 %1 页 · %2</source>
        <translation>%1 ページ · %2</translation>
    </message>
    <message>
        <source>正在读取批注…</source>
        <translation>注釈を読み込み中…</translation>
    </message>
    <message>
        <source>此文档没有批注</source>
        <translation>このドキュメントには注釈がありません</translation>
    </message>
    <message>
        <source>编辑文字</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>注釈</translation>
    </message>
</context>
<context>
    <name>PdfCompressOptionsPanel</name>
    <message>
        <source>压缩PDF</source>
        <translation>PDFを圧縮</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>选择压缩等级</source>
        <translation>圧縮レベルを選択</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>文件尺寸适中，质量最</source>
        <translation>中程度のサイズ、最高の品質</translation>
    </message>
    <message>
        <source>强</source>
        <translation>強</translation>
    </message>
    <message>
        <source>文件最小，质量</source>
        <translation>最小のサイズ、良好な品質</translation>
    </message>
</context>
<context>
    <name>PdfCompressPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始压缩。</source>
        <translation>デスクトップからPDFファイルを追加するかドラッグ＆ドロップして、圧縮を開始します。</translation>
    </message>
</context>
<context>
    <name>PdfConvertOptionsPanel</name>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDFから画像</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>选择图像格式</source>
        <translation>画像形式を選択</translation>
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
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>提取单个图像</source>
        <translation>画像を個別に抽出</translation>
    </message>
    <message>
        <source>PDF 中的每张图像都将保存为单张图像</source>
        <translation>PDF内の各画像を個別の画像として保存します</translation>
    </message>
</context>
<context>
    <name>PdfConvertPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>デスクトップからPDFファイルを追加するかドラッグ＆ドロップして、変換を開始します。</translation>
    </message>
</context>
<context>
    <name>PdfDecryOptionsPanel</name>
    <message>
        <source>解锁PDF</source>
        <translation>PDFロック解除</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>この項目は必須です</translation>
    </message>
</context>
<context>
    <name>PdfDecryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始解密。</source>
        <translation>デスクトップからPDFファイルを追加するかドラッグ＆ドロップして、ロック解除を開始します。</translation>
    </message>
</context>
<context>
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>このPDFファイルにはページがないため、挿入できません。</translation>
    </message>
</context>
<context>
    <name>PdfDocumentSession</name>
    <message>
        <source>另一个标签页正在使用“%1”，无法替换它。</source>
        <translation>「%1」は別のタブで使用中のため、置き換えられません。</translation>
    </message>
</context>
<context>
    <name>PdfDocumentView</name>
    <message>
        <source>正在渲染第 %1 页…</source>
        <translation>%1 ページを描画しています…</translation>
    </message>
</context>
<context>
    <name>PdfEncryOptionsPanel</name>
    <message>
        <source>加密PDF</source>
        <translation>PDFを暗号化</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>パスワードを設定</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>重新输入密码</source>
        <translation>パスワードを再入力</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>この項目は必須です</translation>
    </message>
    <message>
        <source>两个密码应该匹配</source>
        <translation>2つのパスワードが一致しません</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>その他のオプション</translation>
    </message>
    <message>
        <source>所有者密码</source>
        <translation>所有者パスワード</translation>
    </message>
    <message>
        <source>留空则与上面的密码相同</source>
        <translation>空欄の場合は上のパスワードと同じになります</translation>
    </message>
    <message>
        <source>允许打印</source>
        <translation>印刷を許可</translation>
    </message>
    <message>
        <source>允许复制内容</source>
        <translation>内容のコピーを許可</translation>
    </message>
    <message>
        <source>允许修改</source>
        <translation>変更を許可</translation>
    </message>
    <message>
        <source>限制权限需要一个与密码不同的所有者密码</source>
        <translation>権限を制限するには、パスワードとは異なる所有者パスワードが必要です</translation>
    </message>
</context>
<context>
    <name>PdfEncryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始加密。</source>
        <translation>デスクトップからPDFファイルを追加するかドラッグ＆ドロップして、暗号化を開始します。</translation>
    </message>
</context>
<context>
    <name>PdfExtractSplitWriter</name>
    <message>
        <source>未命名</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>提取失败</source>
        <translation>抽出に失敗しました</translation>
    </message>
    <message>
        <source>正在提取页面</source>
        <translation>ページを抽出しています</translation>
    </message>
    <message>
        <source>提取完成</source>
        <translation>抽出が完了しました</translation>
    </message>
    <message>
        <source>部分页面提取失败</source>
        <translation>一部のページを抽出できませんでした</translation>
    </message>
    <message>
        <source>拆分失败</source>
        <translation>分割に失敗しました</translation>
    </message>
    <message>
        <source>正在拆分 PDF</source>
        <translation>PDFを分割しています</translation>
    </message>
    <message>
        <source>拆分完成</source>
        <translation>分割が完了しました</translation>
    </message>
    <message>
        <source>部分文件拆分失败</source>
        <translation>一部のファイルを分割できませんでした</translation>
    </message>
    <message>
        <source>无法创建目标文件夹。</source>
        <translation>保存先フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>ファイルを書き込んでいます。大きなファイルでは時間がかかる場合があります。</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>完了するまでプログラムを閉じないでください。</translation>
    </message>
    <message>
        <source>已生成 %1 个 PDF 文件。
%2</source>
        <translation>%1 個のPDFファイルを作成しました。
%2</translation>
    </message>
    <message>
        <source>已生成 %1 个文件，%2 个文件失败。

%3</source>
        <translation>%1 個のファイルを作成し、%2 個のファイルが失敗しました。

%3</translation>
    </message>
    <message numerus="yes">
        <source>…以及另外 %n 个文件</source>
        <translation>
            <numerusform>…ほか %n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>PdfFindBar</name>
    <message>
        <source>在文档中查找</source>
        <translation>ドキュメント内を検索</translation>
    </message>
    <message>
        <source>上一处</source>
        <translation>前の一致</translation>
    </message>
    <message>
        <source>下一处</source>
        <translation>次の一致</translation>
    </message>
    <message>
        <source>关闭查找</source>
        <translation>検索を閉じる</translation>
    </message>
    <message>
        <source>已查找 %1/%2 页</source>
        <translation>%2 ページ中 %1 ページを検索済み</translation>
    </message>
    <message>
        <source>第 %1/%2 处</source>
        <translation>%1/%2 件</translation>
    </message>
    <message>
        <source>共 %1 处</source>
        <translation>%1 件</translation>
    </message>
    <message>
        <source>正在查找…</source>
        <translation>検索中…</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>一致なし</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>文字を認識</translation>
    </message>
    <message numerus="yes">
        <source>%n 页没有文字（可能是扫描件）。识别文字后即可查找。</source>
        <translation>
            <numerusform>%n ページに文字がありません（スキャンの可能性があります）。文字を認識すると検索できます。</numerusform>
        </translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>単語単位で検索</translation>
    </message>
    <message>
        <source>显示所有结果</source>
        <translation>すべての結果を表示</translation>
    </message>
    <message>
        <source>隐藏结果列表</source>
        <translation>結果一覧を隠す</translation>
    </message>
</context>
<context>
    <name>PdfFindResultsModel</name>
    <message>
        <source>第 %1 页</source>
        <translation>%1 ページ</translation>
    </message>
</context>
<context>
    <name>PdfInsertDropZone</name>
    <message>
        <source>插入 PDF
或将多个 PDF 拖放至此处</source>
        <translation>PDFを挿入
または複数のPDFをここにドラッグ＆ドロップ</translation>
    </message>
</context>
<context>
    <name>PdfMergeOptionsPanel</name>
    <message>
        <source>合并PDF</source>
        <translation>PDFを結合</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>空白ページ</translation>
    </message>
    <message>
        <source>在合并之前，你可以在文件之间插入空白页</source>
        <translation>結合する前に、ファイルの間に空白ページを挿入できます</translation>
    </message>
</context>
<context>
    <name>PdfMergePage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始合并。</source>
        <translation>デスクトップからPDFファイルを追加するかドラッグ＆ドロップして、結合を開始します。</translation>
    </message>
</context>
<context>
    <name>PdfOperationSidePanel</name>
    <message>
        <source>将选定页面提取为单个文件</source>
        <translation>選択したページを1つのファイルに抽出</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>抽出</translation>
    </message>
    <message>
        <source>将每个页面拆分为单个文件</source>
        <translation>各ページを個別のファイルに分割</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>文件提取选项</source>
        <translation>ファイル抽出オプション</translation>
    </message>
    <message>
        <source>将选定页面另存为</source>
        <translation>選択したページの保存方法</translation>
    </message>
    <message>
        <source>文件拆分选项</source>
        <translation>ファイル分割オプション</translation>
    </message>
    <message>
        <source>输出预览</source>
        <translation>出力プレビュー</translation>
    </message>
    <message>
        <source>文件位置</source>
        <translation>ファイルの場所</translation>
    </message>
    <message>
        <source>请先选择要提取的页面</source>
        <translation>まず抽出するページを選択してください</translation>
    </message>
    <message>
        <source>%1-%2.pdf
第 %2 页</source>
        <translation>%1-%2.pdf
ページ %2</translation>
    </message>
    <message>
        <source>%1
第 %2 页</source>
        <translation>%1
ページ %2</translation>
    </message>
    <message>
        <source>%1-extracted.pdf
页面 %2</source>
        <translation>%1-extracted.pdf
ページ %2</translation>
    </message>
    <message>
        <source>%1
页面 %2</source>
        <translation>%1
ページ %2</translation>
    </message>
    <message>
        <source>点击页面之间的虚线，可以自定义拆分文件。</source>
        <translation>ページ間の点線をクリックすると、分割位置を自由に設定できます。</translation>
    </message>
    <message>
        <source>%1-%2.pdf
页面 %3-%4</source>
        <translation>%1-%2.pdf
ページ %3-%4</translation>
    </message>
    <message>
        <source>%1
页面 %2-%3</source>
        <translation>%1
ページ %2-%3</translation>
    </message>
</context>
<context>
    <name>PdfOutlinePanel</name>
    <message>
        <source>正在读取书签…</source>
        <translation>しおりを読み込んでいます…</translation>
    </message>
    <message>
        <source>此文档没有书签</source>
        <translation>このドキュメントにはしおりがありません</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>サムネイル</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>しおり</translation>
    </message>
</context>
<context>
    <name>PdfPageCardMenu</name>
    <message>
        <source>创建副本</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>後ろに空白ページを挿入</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>PDFを挿入</translation>
    </message>
</context>
<context>
    <name>PdfPageManagerView</name>
    <message>
        <source>正在生成预览…</source>
        <translation>プレビューを生成しています…</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>拡大</translation>
    </message>
</context>
<context>
    <name>PdfPageMenu</name>
    <message>
        <source>复制</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>全选本页文字</source>
        <translation>このページの文字をすべて選択</translation>
    </message>
    <message>
        <source>查找所选文字</source>
        <translation>選択した文字を検索</translation>
    </message>
</context>
<context>
    <name>PdfPageNumberDialog</name>
    <message>
        <source>添加页码</source>
        <translation>ページ番号を追加</translation>
    </message>
    <message>
        <source>底部居中</source>
        <translation>下中央</translation>
    </message>
    <message>
        <source>底部右侧</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>底部左侧</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>顶部居中</source>
        <translation>上中央</translation>
    </message>
    <message>
        <source>顶部右侧</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>顶部左侧</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>页码（1, 2, 3…）</source>
        <translation>ページ番号（1, 2, 3…）</translation>
    </message>
    <message>
        <source>页码 / 总页数（1 / 12）</source>
        <translation>ページ / 総ページ数（1 / 12）</translation>
    </message>
    <message>
        <source> 磅</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>書式</translation>
    </message>
    <message>
        <source>起始页码</source>
        <translation>開始番号</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>追加</translation>
    </message>
</context>
<context>
    <name>PdfPageToneMenu</name>
    <message>
        <source>页面颜色</source>
        <translation>ページの色</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>反色（夜间）</source>
        <translation>反転（夜間）</translation>
    </message>
    <message>
        <source>棕褐色</source>
        <translation>セピア</translation>
    </message>
</context>
<context>
    <name>PdfPrintJob</name>
    <message>
        <source>打印 PDF</source>
        <translation>PDFを印刷</translation>
    </message>
    <message>
        <source>打印失败</source>
        <translation>印刷に失敗しました</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>印刷ジョブを開始できません。</translation>
    </message>
    <message>
        <source>打印未完成</source>
        <translation>印刷が完了しませんでした</translation>
    </message>
    <message>
        <source>第 %1 页渲染失败。</source>
        <translation>%1 ページの描画に失敗しました。</translation>
    </message>
    <message>
        <source>打印机无法创建新页面。</source>
        <translation>プリンターで新しいページを作成できません。</translation>
    </message>
    <message>
        <source>正在取消打印…</source>
        <translation>印刷をキャンセルしています…</translation>
    </message>
    <message>
        <source>已完成 %1 / %2 页</source>
        <translation>%1 / %2 ページ完了</translation>
    </message>
    <message>
        <source>正在打印 PDF</source>
        <translation>PDFを印刷しています</translation>
    </message>
    <message>
        <source>正在准备 %1 页，页数多时可能需要一些时间。</source>
        <translation>%1 ページを準備しています。ページ数が多い場合は時間がかかることがあります。</translation>
    </message>
    <message>
        <source>不能打印到文档正在读取的文件：%1</source>
        <translation>ドキュメントがページを読み込んでいるファイルには印刷できません：%1</translation>
    </message>
    <message>
        <source>打印完成</source>
        <translation>印刷が完了しました</translation>
    </message>
    <message>
        <source>已有同名文件，打印内容已保存为：
%1</source>
        <translation>同じ名前のファイルがあるため、次の名前で保存しました：
%1</translation>
    </message>
</context>
<context>
    <name>PdfPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 × %2 毫米</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>ドキュメントのプロパティ</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>作成者</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>サブタイトル</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>以逗号分隔</source>
        <translation>カンマで区切る</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>ページサイズ</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDFバージョン</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF変換</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>権限</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>未保存</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>%1（各页大小不同）</source>
        <translation>%1（ページごとにサイズが異なります）</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1（%2 バイト）</translation>
    </message>
    <message>
        <source>%1，已为快速网页查看优化</source>
        <translation>%1、Web表示用に最適化済み</translation>
    </message>
    <message>
        <source>无</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>不受限制</source>
        <translation>制限なし</translation>
    </message>
    <message>
        <source>已加密</source>
        <translation>暗号化済み</translation>
    </message>
    <message>
        <source>已加密（%1）</source>
        <translation>暗号化済み（%1）</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>許可</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>不許可</translation>
    </message>
    <message>
        <source>打印：%1</source>
        <translation>印刷：%1</translation>
    </message>
    <message>
        <source>仅低质量</source>
        <translation>低品質のみ</translation>
    </message>
    <message>
        <source>修改内容：%1</source>
        <translation>内容の変更：%1</translation>
    </message>
    <message>
        <source>复制文本和图像：%1</source>
        <translation>テキストと画像のコピー：%1</translation>
    </message>
    <message>
        <source>添加注释：%1</source>
        <translation>注釈の追加：%1</translation>
    </message>
    <message>
        <source>填写表单：%1</source>
        <translation>フォームへの入力：%1</translation>
    </message>
    <message>
        <source>组合页面：%1</source>
        <translation>ページの組み立て：%1</translation>
    </message>
    <message>
        <source>已用所有者密码打开，不受这些限制</source>
        <translation>所有者パスワードで開いているため、これらの制限は適用されません</translation>
    </message>
    <message>
        <source>此文件的权限不允许修改文档属性。</source>
        <translation>このファイルの権限では、ドキュメントのプロパティを変更できません。</translation>
    </message>
    <message>
        <source>无法读取文件的属性：%1</source>
        <translation>ファイルのプロパティを読み込めません：%1</translation>
    </message>
    <message>
        <source>数字签名</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfReadingHistory</name>
    <message>
        <source>后退</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>進む</translation>
    </message>
</context>
<context>
    <name>PdfReadingModes</name>
    <message>
        <source>页面布局</source>
        <translation>ページレイアウト</translation>
    </message>
    <message>
        <source>连续滚动</source>
        <translation>連続スクロール</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>単一ページ</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>見開き</translation>
    </message>
    <message>
        <source>双页（封面单独显示）</source>
        <translation>見開き（表紙を単独表示）</translation>
    </message>
    <message>
        <source>顺时针旋转视图</source>
        <translation>表示を時計回りに回転</translation>
    </message>
    <message>
        <source>逆时针旋转视图</source>
        <translation>表示を反時計回りに回転</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>全画面表示</translation>
    </message>
    <message>
        <source>演示</source>
        <translation>プレゼンテーション</translation>
    </message>
</context>
<context>
    <name>PdfSignDialog</name>
    <message>
        <source>签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择证书…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在页面上画出签名框</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名字段：%1（第 %2 页）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名字段：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>可选，例如：同意此文档</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>可选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>可选：时间戳服务器地址（RFC 3161）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished">なし</translation>
    </message>
    <message>
        <source>选择图片…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原因</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间戳</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished">キャンセル</translation>
    </message>
    <message>
        <source>未选择证书</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（签名时输入密码）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（%2，有效期至 %3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择证书</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书文件 (*.p12 *.pfx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入证书“%1”的密码：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书密码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书密码错误，请重新输入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开证书</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件不是可用的证书（PKCS#12）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation type="unfinished">技術情報：%1</translation>
    </message>
    <message>
        <source>选择签名图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法使用图片</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图片无法读取。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfSignatureBar</name>
    <message>
        <source>签名面板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法验证签名：文件无法读取</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfSignatureBoxTool</name>
    <message>
        <source>在页面上拖动，画出签名框；按 Esc 取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfSignatureTexts</name>
    <message>
        <source>批注</source>
        <translation type="unfinished">注釈</translation>
    </message>
    <message>
        <source>表单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页面</source>
        <translation type="unfinished">ページ</translation>
    </message>
    <message>
        <source>签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书不受信任（自签名证书）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书不受信任（证书已过期）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>证书不受信任</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名有效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名后文档被更改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名后文档被更改（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名无效：签名数据与内容不符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名无效：签名后内容被改动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法验证此签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知签名者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个无效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个签名后被更改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个不受信任</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个无法验证</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，</source>
        <translation type="unfinished">、</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已签名：%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个签名：全部有效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个签名：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished">なし</translation>
    </message>
    <message>
        <source>%1 个（全部有效）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 个（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>认证签名不允许更改此文档</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>认证签名只允许填写表单和签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页面被移动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页面被旋转</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页面被删除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入了页面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>添加了页码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文档属性被修改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批注和表单将被扁平化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页面内容被替换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以下更改需要重写整个文件：%1。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfSignaturesPanel</name>
    <message>
        <source>认证签名：不允许任何更改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>认证签名：允许填写表单和签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>认证签名：允许填写表单、签名和批注</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取文件中的签名。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此文档没有签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation type="unfinished">%1 ページ</translation>
    </message>
    <message>
        <source>字段：%1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名时间：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原因：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>位置：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>联系方式：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类型：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>摘要算法：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 版（共 %2 版）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间戳：%1（有效）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间戳：%1（无效）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名后的更改：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished">なし</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation type="unfinished">技術情報：%1</translation>
    </message>
    <message>
        <source>证书链</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>颁发者：%1（自签名）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>颁发者：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有效期：%1 至 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查看签名时的版本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfTextRecognition</name>
    <message>
        <source>正在取消文字识别…</source>
        <translation>文字認識をキャンセルしています…</translation>
    </message>
    <message>
        <source>无法识别文字</source>
        <translation>文字を認識できません</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据。</source>
        <translation>文字認識の言語データがインストールされていません。</translation>
    </message>
    <message>
        <source>未安装 %1 的文字识别语言数据。</source>
        <translation>%1 の文字認識データがインストールされていません。</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-%1</source>
        <translation>インストール方法：sudo apt install tesseract-ocr-%1</translation>
    </message>
    <message>
        <source>文件需要密码才能读取。</source>
        <translation>このファイルを読むにはパスワードが必要です。</translation>
    </message>
    <message>
        <source>磁盘空间不足。</source>
        <translation>ディスクの空き容量が不足しています。</translation>
    </message>
    <message>
        <source>识别过程中出错，文档保持不变。</source>
        <translation>認識中にエラーが発生しました。文書は変更されていません。</translation>
    </message>
    <message>
        <source>无法创建临时文件夹。</source>
        <translation>一時フォルダーを作成できません。</translation>
    </message>
    <message>
        <source>正在识别文字</source>
        <translation>文字を認識しています</translation>
    </message>
    <message>
        <source>正在识别没有文字的页面，每页需要几秒钟。</source>
        <translation>文字のないページを認識しています。1 ページに数秒かかります。</translation>
    </message>
    <message>
        <source>已完成 %1%</source>
        <translation>%1% 完了</translation>
    </message>
    <message>
        <source>无需识别文字</source>
        <translation>認識する必要はありません</translation>
    </message>
    <message>
        <source>此文档的每一页都已有文字。</source>
        <translation>この文書のすべてのページに文字があります。</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>文字を認識</translation>
    </message>
</context>
<context>
    <name>PdfThumbnailPanel</name>
    <message>
        <source>正在生成缩略图…</source>
        <translation>サムネイルを生成しています…</translation>
    </message>
</context>
<context>
    <name>PdfToOfficeOptionsPanel</name>
    <message>
        <source>PDF转为Office</source>
        <translation>PDFからOffice</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>选择转换类型</source>
        <translation>変換形式を選択</translation>
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
        <translation>デスクトップからPDFファイルを追加するかドラッグ＆ドロップして、変換を開始します。</translation>
    </message>
</context>
<context>
    <name>PdfTopToolBar</name>
    <message>
        <source>文档阅读视图</source>
        <translation>閲覧ビュー</translation>
    </message>
    <message>
        <source>页面管理视图</source>
        <translation>ページ管理ビュー</translation>
    </message>
    <message>
        <source>显示或隐藏缩略图</source>
        <translation>サムネイルの表示/非表示</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>PDF 工具</source>
        <translation>PDFツール</translation>
    </message>
    <message>
        <source>手形工具</source>
        <translation>手のひらツール</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>插入 PDF 或空白页</source>
        <translation>PDFまたは空白ページを挿入</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>抽出</translation>
    </message>
    <message>
        <source>提取选定页面</source>
        <translation>選択したページを抽出</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>拆分 PDF</source>
        <translation>PDFを分割</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>删除选定页面</source>
        <translation>選択したページを削除</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>选择全部页面</source>
        <translation>すべてのページを選択</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDFからOffice</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDFから画像</translation>
    </message>
    <message>
        <source>加密 PDF</source>
        <translation>PDFを暗号化</translation>
    </message>
    <message>
        <source>解锁 PDF</source>
        <translation>PDFロック解除</translation>
    </message>
    <message>
        <source>页面编号</source>
        <translation>ページ番号</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>ファイルを保存</translation>
    </message>
    <message>
        <source>将文件保存为…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>高亮所选文字</source>
        <translation>選択したテキストをハイライト</translation>
    </message>
    <message>
        <source>为所选文字加下划线</source>
        <translation>選択したテキストに下線</translation>
    </message>
    <message>
        <source>为所选文字加删除线</source>
        <translation>選択したテキストに取り消し線</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>付箋</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>テキストボックス</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>フリーハンド</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>颜色、线宽和不透明度</source>
        <translation>色、線の太さ、不透明度</translation>
    </message>
    <message>
        <source>删除所选批注</source>
        <translation>選択した注釈を削除</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>ドキュメントのプロパティ</translation>
    </message>
    <message>
        <source>签名</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfUndoManager</name>
    <message>
        <source>复制页面</source>
        <translation>ページを複製</translation>
    </message>
    <message>
        <source>插入空白页</source>
        <translation>空白ページを挿入</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>PDFを挿入</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>ページを削除</translation>
    </message>
    <message>
        <source>向左旋转页面</source>
        <translation>ページを左に回転</translation>
    </message>
    <message>
        <source>向右旋转页面</source>
        <translation>ページを右に回転</translation>
    </message>
    <message>
        <source>移动页面</source>
        <translation>ページを移動</translation>
    </message>
    <message>
        <source>添加页码</source>
        <translation>ページ番号を追加</translation>
    </message>
    <message>
        <source>删除页码</source>
        <translation>ページ番号を削除</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>フォームに入力</translation>
    </message>
    <message>
        <source>修改文档属性</source>
        <translation>ドキュメントのプロパティを変更</translation>
    </message>
</context>
<context>
    <name>PdfViewerWidget</name>
    <message>
        <source>文件不存在或已被移动。</source>
        <translation>ファイルが存在しないか、移動されています。</translation>
    </message>
    <message>
        <source>PDF 需要密码。</source>
        <translation>このPDFにはパスワードが必要です。</translation>
    </message>
    <message>
        <source>PDF 密码错误。</source>
        <translation>PDFのパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>PDF 已损坏或格式不受支持。</source>
        <translation>PDFが破損しているか、サポートされていない形式です。</translation>
    </message>
    <message>
        <source>页面渲染失败。</source>
        <translation>ページの描画に失敗しました。</translation>
    </message>
    <message>
        <source>无法写入目标文件，请检查权限和磁盘空间。</source>
        <translation>保存先ファイルに書き込めません。アクセス権限とディスクの空き容量を確認してください。</translation>
    </message>
    <message>
        <source>操作未完成。</source>
        <translation>操作を完了できませんでした。</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>パスワードが必要です</translation>
    </message>
    <message>
        <source>密码错误，请重新输入 PDF 密码：</source>
        <translation>パスワードが正しくありません。PDFのパスワードをもう一度入力してください：</translation>
    </message>
    <message>
        <source>此 PDF 已加密，请输入密码：</source>
        <translation>このPDFは暗号化されています。パスワードを入力してください：</translation>
    </message>
    <message>
        <source>无法打开 PDF</source>
        <translation>PDFを開けません</translation>
    </message>
    <message>
        <source>插入的 PDF 已加密，请输入密码：</source>
        <translation>挿入するPDFは暗号化されています。パスワードを入力してください：</translation>
    </message>
    <message>
        <source>插入 PDF 失败</source>
        <translation>PDFを挿入できませんでした</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>PDFを挿入</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>後ろに空白ページを挿入</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>変更を保存</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>未命名.pdf</source>
        <translation>無題.pdf</translation>
    </message>
    <message>
        <source>将 PDF 保存为</source>
        <translation>名前を付けてPDFを保存</translation>
    </message>
    <message>
        <source>正在保存 PDF</source>
        <translation>PDFを保存しています</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>ファイルを書き込んでいます。大きなファイルでは時間がかかる場合があります。</translation>
    </message>
    <message>
        <source>保存完成前请不要关闭程序。</source>
        <translation>保存が完了するまでプログラムを閉じないでください。</translation>
    </message>
    <message>
        <source>保存 PDF 失败</source>
        <translation>PDFを保存できませんでした</translation>
    </message>
    <message>
        <source>替换文件</source>
        <translation>ファイルの置き換え</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。重新载入将丢弃当前未保存的修改。是否重新载入？</source>
        <translation>「%1」は別のプログラムによって変更されました。再読み込みすると、保存されていない変更は破棄されます。再読み込みしますか？</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。是否重新载入？</source>
        <translation>「%1」は別のプログラムによって変更されました。再読み込みしますか？</translation>
    </message>
    <message>
        <source>文件已更改</source>
        <translation>ファイルが変更されました</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>保留当前内容</source>
        <translation>現在の内容を保持</translation>
    </message>
    <message>
        <source>无法打开链接</source>
        <translation>リンクを開けません</translation>
    </message>
    <message>
        <source>出于安全考虑，只能打开网页和邮件链接。</source>
        <translation>安全のため、Web とメールのリンクのみ開くことができます。</translation>
    </message>
    <message>
        <source>打开链接</source>
        <translation>リンクを開く</translation>
    </message>
    <message>
        <source>此链接指向文档以外的地址，是否打开？</source>
        <translation>このリンクはドキュメントの外を指しています。開きますか？</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>系统没有可以打开此链接的程序。</source>
        <translation>このリンクを開けるプログラムがシステムにありません。</translation>
    </message>
    <message>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>「%1」は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>技術情報：%1</translation>
    </message>
    <message>
        <source>“%1”已修改，是否保存？</source>
        <translation>「%1」は変更されています。保存しますか？</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，且有未保存的修改。替换后该标签页将关闭，其未保存的修改将丢失。是否替换？</source>
        <translation>「%1」は別のタブで開かれており、未保存の変更があります。置き換えるとそのタブは閉じられ、未保存の変更は失われます。置き換えますか？</translation>
    </message>
    <message>
        <source>无法添加批注</source>
        <translation>注釈を追加できません</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许添加或修改批注。</source>
        <translation>このPDFの権限設定では、注釈の追加や変更はできません。</translation>
    </message>
    <message>
        <source>批注和表单要保留为可编辑的批注，还是扁平化到页面中？</source>
        <translation>注釈とフォームを編集可能なまま残しますか、それともページに統合しますか？</translation>
    </message>
    <message>
        <source>扁平化后，其他阅读器也无法再编辑或删除它们。</source>
        <translation>統合すると、他のリーダーでも編集や削除ができなくなります。</translation>
    </message>
    <message>
        <source>保留批注</source>
        <translation>注釈を残す</translation>
    </message>
    <message>
        <source>扁平化</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>文件无法读取。</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>文档尚未保存。</source>
        <translation>ドキュメントはまだ保存されていません。</translation>
    </message>
    <message>
        <source>签名时的版本，只读</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法填写表单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此文档的认证签名不允许更改表单。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此文档的认证签名不允许添加或修改批注。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此文档以只读方式打开。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许填写表单。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法验证</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在验证…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished">なし</translation>
    </message>
    <message>
        <source>无法打开签名时的版本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法从文件中取出签名时的版本。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存已签名的文档</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此文档已签名；新文件中的签名将失效，原文件及其签名保持不变。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仍然保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此文档已签名；保存将使签名失效。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为新文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名前需要先保存修改。是否现在保存？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名针对文件中已保存的内容。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>签名失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文档在签名前又被修改了，请保存后再签名。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存签名后的 PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，请另选文件名。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在签名并写入文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在签名并向时间戳服务器请求时间戳。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation type="unfinished">完了するまでプログラムを閉じないでください。</translation>
    </message>
    <message>
        <source>文档未能签名，文件没有写入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此文档以只读方式打开，请另存为新文件。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentFileListView</name>
    <message>
        <source>未找到匹配的文件</source>
        <translation>一致するファイルが見つかりません</translation>
    </message>
    <message>
        <source>请尝试其他关键词</source>
        <translation>別のキーワードで検索してください</translation>
    </message>
    <message>
        <source>暂无最近文件</source>
        <translation>最近使ったファイルはありません</translation>
    </message>
    <message>
        <source>打开的 PDF 文件会显示在这里</source>
        <translation>開いたPDFファイルがここに表示されます</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>从列表中移除</source>
        <translation>一覧から削除</translation>
    </message>
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>ファイルを検索</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>深色主题</source>
        <translation>ダークテーマ</translation>
    </message>
    <message>
        <source>启动时重新打开上次的文档</source>
        <translation>起動時に前回のドキュメントを再度開く</translation>
    </message>
</context>
<context>
    <name>SideNavigationBar</name>
    <message>
        <source> 打开</source>
        <translation> 開く</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>全部文档</source>
        <translation>すべてのドキュメント</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>PDFを圧縮</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDFからOffice</translation>
    </message>
    <message>
        <source>Office 转为 PDF</source>
        <translation>OfficeからPDF</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDFから画像</translation>
    </message>
    <message>
        <source>图像转 PDF</source>
        <translation>画像からPDF</translation>
    </message>
    <message>
        <source>加密PDF</source>
        <translation>PDFを暗号化</translation>
    </message>
    <message>
        <source>解锁PDF</source>
        <translation>PDFロック解除</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>PDFを結合</translation>
    </message>
    <message>
        <source>打开 PDF 文件</source>
        <translation>PDFファイルを開く</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>文字認識</translation>
    </message>
</context>
<context>
    <name>TabContextMenu</name>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>关闭其他标签页</source>
        <translation>他のタブを閉じる</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>フォルダーに表示</translation>
    </message>
    <message>
        <source>复制文件路径</source>
        <translation>ファイルのパスをコピー</translation>
    </message>
</context>
<context>
    <name>TaskListItem</name>
    <message>
        <source>打开文件</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>处理中...</source>
        <translation>処理中...</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>キャンセル済み</translation>
    </message>
    <message>
        <source>%1 → %2（节省 %3%）</source>
        <translation>%1 → %2（%3% 削減）</translation>
    </message>
    <message>
        <source>移除并重试</source>
        <translation>削除して再試行</translation>
    </message>
    <message numerus="yes">
        <source>%1 等 %n 个文件</source>
        <translation>
            <numerusform>%1 など %n 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>处理中... %1%</source>
        <translation>処理中... %1%</translation>
    </message>
</context>
<context>
    <name>TaskListWidget</name>
    <message>
        <source>重来</source>
        <translation>最初から</translation>
    </message>
    <message>
        <source>重试失败项</source>
        <translation>失敗分を再試行</translation>
    </message>
</context>
<context>
    <name>TextRecognitionOptionsPanel</name>
    <message>
        <source>文字识别</source>
        <translation>文字認識</translation>
    </message>
    <message>
        <source>识别</source>
        <translation>認識</translation>
    </message>
    <message>
        <source>识别扫描页面中的文字，使 PDF 可以搜索和复制，页面外观不变</source>
        <translation>スキャンしたページの文字を認識し、PDF を検索・コピーできるようにします。ページの見た目は変わりません</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>認識言語</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，无法识别文字。</source>
        <translation>文字認識の言語データがインストールされていないため、文字を認識できません。</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</source>
        <translation>インストール方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>也识别已有文字的页面</source>
        <translation>文字のあるページも認識する</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据</source>
        <translation>文字認識の言語データがありません</translation>
    </message>
    <message>
        <source>请选择至少一种语言</source>
        <translation>言語を 1 つ以上選んでください</translation>
    </message>
</context>
<context>
    <name>TextRecognitionPage</name>
    <message>
        <source>从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。</source>
        <translation>デスクトップからスキャンした PDF を追加またはドロップして、文字を認識します。</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Sign in</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>言語設定</translation>
    </message>
    <message>
        <source>Account and subscription</source>
        <translation>アカウントとサブスクリプション</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>ToolOptionsPanel</name>
    <message>
        <source>文件位置</source>
        <translation>ファイルの場所</translation>
    </message>
    <message>
        <source>保存选项</source>
        <translation>保存オプション</translation>
    </message>
    <message>
        <source>替换原始文件</source>
        <translation>元のファイルを置き換える</translation>
    </message>
    <message>
        <source>保留原始文件</source>
        <translation>元のファイルを残す</translation>
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
        <translation>元のファイルが見つかりません</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>ファイルが見つかりません：%1</translation>
    </message>
    <message>
        <source>不是PDF文件或文件已损坏：%1</source>
        <translation>PDFファイルではないか、ファイルが破損しています：%1</translation>
    </message>
    <message>
        <source>文件受密码保护，需要密码：%1</source>
        <translation>ファイルは保護されており、パスワードが必要です：%1</translation>
    </message>
    <message>
        <source>密码不正确</source>
        <translation>パスワードが正しくありません</translation>
    </message>
    <message>
        <source>未输入密码</source>
        <translation>パスワードが入力されていません</translation>
    </message>
    <message>
        <source>无法读取图像：%1</source>
        <translation>画像を読み込めません：%1</translation>
    </message>
    <message>
        <source>图像太大，无法转换：%1</source>
        <translation>画像が大きすぎて変換できません：%1</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>ディスクの空き容量が不足しています</translation>
    </message>
    <message>
        <source>没有写入权限：%1</source>
        <translation>書き込み権限がありません：%1</translation>
    </message>
    <message>
        <source>输出文件夹不存在</source>
        <translation>出力フォルダーが存在しません</translation>
    </message>
    <message>
        <source>无法写入输出文件</source>
        <translation>出力ファイルを書き込めません</translation>
    </message>
    <message>
        <source>文档没有页面</source>
        <translation>ドキュメントにページがありません</translation>
    </message>
    <message>
        <source>文档中没有可提取的图像</source>
        <translation>ドキュメントに抽出できる画像がありません</translation>
    </message>
    <message>
        <source>输出会覆盖源文件：%1</source>
        <translation>出力が元のファイルを上書きしてしまいます：%1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>找不到可用的文件名</source>
        <translation>使用できるファイル名が見つかりません</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>处理时出错</source>
        <translation>処理中にエラーが発生しました</translation>
    </message>
    <message>
        <source>有文件不是PDF文件或已损坏</source>
        <translation>PDFではないか、破損しているファイルがあります</translation>
    </message>
    <message>
        <source>此文件没有密码</source>
        <translation>このファイルにはパスワードがありません</translation>
    </message>
    <message>
        <source>更改此文件的保护需要其所有者密码：%1</source>
        <translation>このファイルの保護を変更するには所有者パスワードが必要です：%1</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，请先安装</source>
        <translation>LibreOffice が見つかりません。先にインストールしてください</translation>
    </message>
    <message>
        <source>文件已损坏或受密码保护</source>
        <translation>ファイルが破損しているか、パスワードで保護されています</translation>
    </message>
    <message>
        <source>转换超时</source>
        <translation>変換がタイムアウトしました</translation>
    </message>
    <message>
        <source>转换失败：%1</source>
        <translation>変換に失敗しました：%1</translation>
    </message>
    <message>
        <source>不支持的文件类型：%1</source>
        <translation>サポートされていないファイルの種類：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n 页未找到文字，已作为图片保存</source>
        <translation>
            <numerusform>%n ページでテキストが見つからず、画像として保存しました</numerusform>
        </translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包</source>
        <translation>文字認識の言語データがありません。tesseract-ocr-eng などの言語パッケージをインストールしてください</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）</source>
        <translation>%1 の文字認識データがインストールされていません（パッケージ tesseract-ocr-%2）</translation>
    </message>
    <message>
        <source>文字识别失败：%1</source>
        <translation>文字認識に失敗しました：%1</translation>
    </message>
    <message>
        <source>每页都已有文字，无需识别：%1</source>
        <translation>すべてのページに文字があるため、認識は不要です：%1</translation>
    </message>
    <message numerus="yes">
        <source>已识别 %n 页</source>
        <translation>
            <numerusform>%n ページを認識しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页已有文字，保持原样</source>
        <translation>
            <numerusform>%n ページには文字があったためそのままです</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页无法读取</source>
        <translation>
            <numerusform>%n ページを読み取れませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>，</source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
