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
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
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
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>This PDF file has no pages and cannot be inserted.</translation>
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
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>Search files</translation>
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
</context>
</TS>
