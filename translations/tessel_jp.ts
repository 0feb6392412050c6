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
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
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
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>このPDFファイルにはページがないため、挿入できません。</translation>
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
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>ファイルを検索</translation>
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
</context>
</TS>
