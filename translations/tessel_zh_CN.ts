<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Velmora account</source>
        <translation>Velmora 账户</translation>
    </message>
    <message>
        <source>Account &amp; subscription</source>
        <translation>账户与订阅</translation>
    </message>
    <message>
        <source>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</source>
        <translation>目前所有 PDF 工具对每位用户开放。登录仅用于同步你的账户和订阅状态。</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Create account</source>
        <translation>创建账户</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮箱</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>刷新状态</translation>
    </message>
    <message>
        <source>Manage subscription</source>
        <translation>管理订阅</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>正在登录...</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>已登录：%1</translation>
    </message>
    <message>
        <source>Subscription active (%1)</source>
        <translation>订阅有效（%1）</translation>
    </message>
    <message>
        <source>. Current period ends %1.</source>
        <translation>。当前周期于 %1 结束。</translation>
    </message>
    <message>
        <source>Free account. All tools remain available during the current open-access period.</source>
        <translation>免费账户。在当前开放期间，所有工具仍可使用。</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Enter your email address and password.</source>
        <translation>请输入电子邮箱地址和密码。</translation>
    </message>
    <message>
        <source>The account service address is not secure. Only https addresses are allowed.</source>
        <translation>账户服务地址不安全，只允许 https 地址。</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Please sign in again.</source>
        <translation>登录已过期，请重新登录。</translation>
    </message>
    <message>
        <source>The account service redirected to an address that is not allowed.</source>
        <translation>账户服务重定向到了不允许的地址。</translation>
    </message>
    <message>
        <source>The account service returned incomplete account information.</source>
        <translation>账户服务返回的账户信息不完整。</translation>
    </message>
    <message>
        <source>The account service returned an invalid session.</source>
        <translation>账户服务返回了无效的会话。</translation>
    </message>
    <message>
        <source>The account service returned an invalid response.</source>
        <translation>账户服务返回了无效的响应。</translation>
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
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter(US)</source>
        <translation>Letter(US)</translation>
    </message>
</context>
<context>
    <name>PdfConvertOptionsPanel</name>
    <message>
        <source>JPG</source>
        <translation>JPG</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBar</name>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>PdfToOfficeOptionsPanel</name>
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
    <name>PdfViewerWidget</name>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>Account and subscription</source>
        <translation>账户与订阅</translation>
    </message>
</context>
<context>
    <name>Worklane</name>
    <message>
        <source>invalid task</source>
        <translation>无效的任务</translation>
    </message>
</context>
</TS>
