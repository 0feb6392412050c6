<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Velmora account</source>
        <translation>Compte Velmora</translation>
    </message>
    <message>
        <source>Account &amp; subscription</source>
        <translation>Compte et abonnement</translation>
    </message>
    <message>
        <source>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</source>
        <translation>Tous les outils PDF sont actuellement accessibles à tous. La connexion sert uniquement à synchroniser l&apos;état de votre compte et de votre abonnement.</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nom@exemple.com</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Actualiser l&apos;état</translation>
    </message>
    <message>
        <source>Manage subscription</source>
        <translation>Gérer l&apos;abonnement</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Connecté en tant que %1</translation>
    </message>
    <message>
        <source>Subscription active (%1)</source>
        <translation>Abonnement actif (%1)</translation>
    </message>
    <message>
        <source>. Current period ends %1.</source>
        <translation>. La période en cours se termine le %1.</translation>
    </message>
    <message>
        <source>Free account. All tools remain available during the current open-access period.</source>
        <translation>Compte gratuit. Tous les outils restent disponibles pendant la période d&apos;accès libre en cours.</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Enter your email address and password.</source>
        <translation>Saisissez votre adresse e-mail et votre mot de passe.</translation>
    </message>
    <message>
        <source>The account service address is not secure. Only https addresses are allowed.</source>
        <translation>L&apos;adresse du service de compte n&apos;est pas sécurisée. Seules les adresses https sont autorisées.</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Please sign in again.</source>
        <translation>Votre session a expiré. Veuillez vous reconnecter.</translation>
    </message>
    <message>
        <source>The account service redirected to an address that is not allowed.</source>
        <translation>Le service de compte a redirigé vers une adresse non autorisée.</translation>
    </message>
    <message>
        <source>The account service returned incomplete account information.</source>
        <translation>Le service de compte a renvoyé des informations de compte incomplètes.</translation>
    </message>
    <message>
        <source>The account service returned an invalid session.</source>
        <translation>Le service de compte a renvoyé une session non valide.</translation>
    </message>
    <message>
        <source>The account service returned an invalid response.</source>
        <translation>Le service de compte a renvoyé une réponse non valide.</translation>
    </message>
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
    <message>
        <source>%1 B</source>
        <translation>%1 o</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>最近一次编辑</source>
        <translation>Modifié le</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>简体中文</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Paramètres de langue</translation>
    </message>
    <message>
        <source>选择 Velmora 的界面语言</source>
        <translation>Choisissez la langue de l&apos;interface de Velmora</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>切换语言？</source>
        <translation>Changer de langue&#xa0;?</translation>
    </message>
    <message>
        <source>界面语言将切换为“%1”。</source>
        <translation>La langue de l&apos;interface deviendra «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>当前打开的工具标签页将关闭。</source>
        <translation>Les onglets d&apos;outils ouverts seront fermés.</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>无法切换语言</source>
        <translation>Impossible de changer de langue</translation>
    </message>
    <message>
        <source>未能加载所选语言的翻译文件。</source>
        <translation>Le fichier de traduction de la langue choisie n&apos;a pas pu être chargé.</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>首页</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF en Office</translation>
    </message>
    <message>
        <source>Office转为PDF</source>
        <translation>Office en PDF</translation>
    </message>
    <message>
        <source>图像转PDF</source>
        <translation>Images en PDF</translation>
    </message>
    <message>
        <source>PDF转为图像</source>
        <translation>PDF en images</translation>
    </message>
    <message>
        <source>PDF解密</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>PDF加密</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Fusionner</translation>
    </message>
</context>
<context>
    <name>ModernComboBox</name>
    <message>
        <source>选择文件夹</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Choisir un emplacement...</translation>
    </message>
</context>
<context>
    <name>ModernMessageBox</name>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Ne pas enregistrer</translation>
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
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>隐藏密码</source>
        <translation>Masquer le mot de passe</translation>
    </message>
</context>
<context>
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>Ce fichier PDF ne contient aucune page et ne peut pas être inséré.</translation>
    </message>
</context>
<context>
    <name>PdfUndoManager</name>
    <message>
        <source>复制页面</source>
        <translation>Dupliquer les pages</translation>
    </message>
    <message>
        <source>插入空白页</source>
        <translation>Insérer une page blanche</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insérer un PDF</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>Supprimer les pages</translation>
    </message>
    <message>
        <source>向左旋转页面</source>
        <translation>Faire pivoter les pages à gauche</translation>
    </message>
    <message>
        <source>向右旋转页面</source>
        <translation>Faire pivoter les pages à droite</translation>
    </message>
    <message>
        <source>移动页面</source>
        <translation>Déplacer les pages</translation>
    </message>
</context>
<context>
    <name>RecentFileListView</name>
    <message>
        <source>未找到匹配的文件</source>
        <translation>Aucun fichier correspondant</translation>
    </message>
    <message>
        <source>请尝试其他关键词</source>
        <translation>Essayez d&apos;autres mots-clés</translation>
    </message>
    <message>
        <source>暂无最近文件</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>打开的 PDF 文件会显示在这里</source>
        <translation>Les fichiers PDF que vous ouvrez apparaîtront ici</translation>
    </message>
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>Rechercher des fichiers</translation>
    </message>
</context>
<context>
    <name>SideNavigationBar</name>
    <message>
        <source> 打开</source>
        <translation> Ouvrir</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>全部文档</source>
        <translation>Tous les documents</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF en Office</translation>
    </message>
    <message>
        <source>Office 转为 PDF</source>
        <translation>Office en PDF</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF en images</translation>
    </message>
    <message>
        <source>图像转 PDF</source>
        <translation>Images en PDF</translation>
    </message>
    <message>
        <source>加密PDF</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>解锁PDF</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>打开 PDF 文件</source>
        <translation>Ouvrir un fichier PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Sign in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Paramètres de langue</translation>
    </message>
    <message>
        <source>Account and subscription</source>
        <translation>Compte et abonnement</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
