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
    <message>
        <source>无法连接账户服务，请检查网络连接。</source>
        <translation>Impossible de joindre le service de compte. Vérifiez votre connexion réseau.</translation>
    </message>
    <message>
        <source>账户服务暂时无法完成请求。</source>
        <translation>Le service de compte ne peut pas traiter la demande pour le moment.</translation>
    </message>
</context>
<context>
    <name>BatchToolPage</name>
    <message>
        <source>任务仍在运行</source>
        <translation>Des tâches sont en cours</translation>
    </message>
    <message numerus="yes">
        <source>还有 %n 个任务尚未完成。取消后，这些任务不会留下任何输出文件。</source>
        <translation>
            <numerusform>%n tâche n&apos;est pas encore terminée. Si vous l&apos;annulez, elle ne laisse aucun fichier de sortie.</numerusform>
            <numerusform>%n tâches ne sont pas encore terminées. Si vous les annulez, elles ne laissent aucun fichier de sortie.</numerusform>
        </translation>
    </message>
    <message>
        <source>取消任务</source>
        <translation>Annuler les tâches</translation>
    </message>
    <message>
        <source>继续等待</source>
        <translation>Continuer à attendre</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>Impossible d&apos;ouvrir</translation>
    </message>
    <message>
        <source>没有可以打开它的程序。</source>
        <translation>Aucun programme ne peut l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>无法创建输出文件夹</source>
        <translation>Impossible de créer le dossier de sortie</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>阅读 PDF、整理页面并批量处理 PDF 文件。</source>
        <translation>Lire des fichiers PDF, réorganiser leurs pages et traiter des fichiers PDF par lots.</translation>
    </message>
    <message>
        <source>显示此帮助并退出。</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>第一个文件从第 &lt;页码&gt; 页打开。</source>
        <translation>Ouvrir le premier fichier à la page &lt;page&gt;.</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>page</translation>
    </message>
    <message>
        <source>打开一个新窗口，不把文件交给已在运行的 Velmora。</source>
        <translation>Ouvrir une nouvelle fenêtre au lieu de confier les fichiers au Velmora déjà ouvert.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件，可以有多个。</source>
        <translation>Les fichiers PDF à ouvrir, un ou plusieurs.</translation>
    </message>
    <message>
        <source>[文件…]</source>
        <translation>[fichiers…]</translation>
    </message>
    <message>
        <source>页码必须是正整数：%1</source>
        <translation>La page doit être un nombre entier positif&#xa0;: %1</translation>
    </message>
    <message>
        <source>--page 需要一个要打开的文件。</source>
        <translation>--page nécessite un fichier à ouvrir.</translation>
    </message>
    <message>
        <source>用 --help 查看可用的选项。</source>
        <translation>Utilisez --help pour voir les options disponibles.</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>format</translation>
    </message>
    <message>
        <source>转换结果写入 &lt;文件夹&gt;。</source>
        <translation>Écrire les résultats dans &lt;dossier&gt;.</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>不支持转换为此格式：%1</source>
        <translation>La conversion vers ce format n’est pas prise en charge&#xa0;: %1</translation>
    </message>
    <message>
        <source>--outdir 需要一个文件夹。</source>
        <translation>--outdir nécessite un dossier.</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Impossible de créer le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>不打开窗口，把文件转换为 &lt;格式&gt;（pdf、docx、xlsx、pptx）。</source>
        <translation>Convertir les fichiers en &lt;format&gt; (pdf, docx, xlsx, pptx) sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>不打开窗口，识别扫描页面的文字，写入可搜索的 PDF。</source>
        <translation>Reconnaître le texte des pages numérisées sans ouvrir de fenêtre et écrire un PDF consultable.</translation>
    </message>
    <message>
        <source>文字识别的语言，例如 eng+chi_sim。</source>
        <translation>Langues de la reconnaissance de texte, par exemple eng+chi_sim.</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>langues</translation>
    </message>
    <message>
        <source>未安装这些语言的识别数据：%1（已安装：%2）</source>
        <translation>Aucune donnée de reconnaissance n’est installée pour ces langues : %1 (installées : %2)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>不打开窗口，检查文件的数字签名：每个签名一行（文件、字段、签名者、结论）。</source>
        <translation>Vérifier les signatures numériques des fichiers sans ouvrir de fenêtre&#xa0;: une ligne par signature (fichier, champ, signataire, résultat).</translation>
    </message>
    <message>
        <source>不打开窗口，为文件签名，写入新文件 &lt;名称&gt;-signed.pdf。证书密码从标准输入或 VELMORA_CERT_PASSWORD 读取。</source>
        <translation>Signer les fichiers sans ouvrir de fenêtre et écrire chacun dans un nouveau fichier &lt;nom&gt;-signed.pdf. Le mot de passe du certificat est lu sur l&apos;entrée standard ou dans VELMORA_CERT_PASSWORD.</translation>
    </message>
    <message>
        <source>签名用的证书文件（.p12、.pfx）。</source>
        <translation>Le fichier de certificat utilisé pour signer (.p12, .pfx).</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>certificat</translation>
    </message>
    <message>
        <source>要签名的空签名字段。</source>
        <translation>Le champ de signature vide à signer.</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>签名框：x,y,宽,高（磅，从页面左上角算起），与 --page 一起使用。</source>
        <translation>Le cadre de signature&#xa0;: x,y,largeur,hauteur (en points, depuis le coin supérieur gauche de la page), à utiliser avec --page.</translation>
    </message>
    <message>
        <source>框</source>
        <translation>cadre</translation>
    </message>
    <message>
        <source>签名的原因。</source>
        <translation>Le motif de la signature.</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>motif</translation>
    </message>
    <message>
        <source>时间戳服务器的地址（RFC 3161）。</source>
        <translation>L&apos;adresse du serveur d&apos;horodatage (RFC 3161).</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>adresse</translation>
    </message>
    <message>
        <source>--verify 不能与 --sign 一起使用。</source>
        <translation>--verify ne peut pas être utilisé avec --sign.</translation>
    </message>
    <message>
        <source>--sign 需要要签名的 PDF 文件。</source>
        <translation>--sign a besoin des fichiers PDF à signer.</translation>
    </message>
    <message>
        <source>--verify 需要要检查的 PDF 文件。</source>
        <translation>--verify a besoin des fichiers PDF à vérifier.</translation>
    </message>
    <message>
        <source>--verify 不接受签名的选项。</source>
        <translation>--verify n&apos;accepte pas les options de signature.</translation>
    </message>
    <message>
        <source>--sign 需要 --cert 证书文件。</source>
        <translation>--sign a besoin d&apos;un fichier de certificat indiqué par --cert.</translation>
    </message>
    <message>
        <source>--field 不能与 --page 或 --rect 一起使用。</source>
        <translation>--field ne peut pas être utilisé avec --page ou --rect.</translation>
    </message>
    <message>
        <source>--page 和 --rect 要一起使用。</source>
        <translation>--page et --rect doivent être utilisés ensemble.</translation>
    </message>
    <message>
        <source>--rect 需要 x,y,宽,高 四个数，宽和高大于 0：%1</source>
        <translation>--rect a besoin de quatre nombres x,y,largeur,hauteur, largeur et hauteur supérieures à 0&#xa0;: %1</translation>
    </message>
    <message>
        <source>--%1 只能与 --sign 一起使用。</source>
        <translation>--%1 ne peut être utilisé qu&apos;avec --sign.</translation>
    </message>
    <message>
        <source>证书文件不存在：%1</source>
        <translation>Le fichier de certificat n&apos;existe pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>没有可用的显示器：窗口需要图形会话（DISPLAY 或 WAYLAND_DISPLAY）。命令行功能无需显示器，见 --help。</source>
        <translation>Aucun affichage disponible&#xa0;: la fenêtre nécessite une session graphique (DISPLAY ou WAYLAND_DISPLAY). Les fonctions en ligne de commande fonctionnent sans affichage&#xa0;; voir --help.</translation>
    </message>
    <message>
        <source>从 VELMORA_PASSWORD 或标准输入的第一行读取密码：--encrypt 的新密码，--unlock 和其他工具打开文件用的密码。</source>
        <translation>Lire un mot de passe dans VELMORA_PASSWORD ou sur la première ligne de l&apos;entrée standard&#xa0;: le nouveau mot de passe pour --encrypt, celui qui ouvre les fichiers pour --unlock et les autres outils.</translation>
    </message>
    <message>
        <source>%1 不能与 %2 一起使用。</source>
        <translation>%1 ne peut pas être utilisé avec %2.</translation>
    </message>
    <message>
        <source>%1 只能与 %2 一起使用。</source>
        <translation>%1 ne peut être utilisé qu&apos;avec %2.</translation>
    </message>
    <message>
        <source>%1 需要一个值。</source>
        <translation>%1 nécessite une valeur.</translation>
    </message>
    <message>
        <source>%1 只能是 %2：%3</source>
        <translation>%1 doit valoir %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 需要要处理的文件。</source>
        <translation>%1 nécessite les fichiers à traiter.</translation>
    </message>
    <message>
        <source>%1 需要 --password。</source>
        <translation>%1 nécessite --password.</translation>
    </message>
    <message>
        <source>不打开窗口，压缩 PDF 文件，写入新文件。</source>
        <translation>Compresser des fichiers PDF sans ouvrir de fenêtre et écrire de nouveaux fichiers.</translation>
    </message>
    <message>
        <source>不打开窗口，把 PDF 的每一页存为图像，每个文件一个文件夹。</source>
        <translation>Enregistrer chaque page des fichiers PDF comme image sans ouvrir de fenêtre, un dossier par fichier.</translation>
    </message>
    <message>
        <source>不打开窗口，把图像（JPEG、PNG）转为 PDF。</source>
        <translation>Convertir des images (JPEG, PNG) en PDF sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码保护 PDF 文件，写入新文件。</source>
        <translation>Protéger des fichiers PDF par le mot de passe donné avec --password sans ouvrir de fenêtre et écrire de nouveaux fichiers.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码去除 PDF 文件的保护，写入新文件。</source>
        <translation>Retirer la protection de fichiers PDF avec le mot de passe donné par --password sans ouvrir de fenêtre et écrire de nouveaux fichiers.</translation>
    </message>
    <message>
        <source>不打开窗口，按给出的顺序把 PDF 文件合并为一个。</source>
        <translation>Fusionner les fichiers PDF en un seul, dans l&apos;ordre donné, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>压缩程度：basic（默认）或 strong。</source>
        <translation>Niveau de compression&#xa0;: basic (par défaut) ou strong.</translation>
    </message>
    <message>
        <source>程度</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>图像格式：jpg（默认）或 png。</source>
        <translation>Format d&apos;image&#xa0;: jpg (par défaut) ou png.</translation>
    </message>
    <message>
        <source>所有图像写入一个 PDF。</source>
        <translation>Écrire toutes les images dans un seul PDF.</translation>
    </message>
    <message>
        <source>页面大小：a4（默认）或 letter。</source>
        <translation>Taille de page&#xa0;: a4 (par défaut) ou letter.</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>页边距：none（默认）、narrow 或 wide。</source>
        <translation>Marges&#xa0;: none (par défaut), narrow ou wide.</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>marges</translation>
    </message>
    <message>
        <source>页面方向：portrait（默认）或 landscape。</source>
        <translation>Orientation de page&#xa0;: portrait (par défaut) ou landscape.</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>orientation</translation>
    </message>
    <message>
        <source>在文件之间插入一页空白页。</source>
        <translation>Insérer une page blanche entre les fichiers.</translation>
    </message>
    <message>
        <source>已有文字的页面也重新识别。</source>
        <translation>Reconnaître aussi les pages qui ont déjà du texte.</translation>
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
    <name>CustomTabWidget</name>
    <message>
        <source>全部标签页</source>
        <translation>Tous les onglets</translation>
    </message>
</context>
<context>
    <name>FileDropZoneWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>Choisir des PDF</translation>
    </message>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Ajoutez des fichiers PDF ou faites-les glisser depuis votre bureau pour les convertir.</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Ajouter des fichiers</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
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
    <name>FileListItem</name>
    <message>
        <source>拖动排序</source>
        <translation>Faire glisser pour réorganiser</translation>
    </message>
</context>
<context>
    <name>FileListWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>Choisir des PDF</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Tout retirer</translation>
    </message>
</context>
<context>
    <name>FileLocationSelector</name>
    <message>
        <source>文件保存位置</source>
        <translation>Emplacement d&apos;enregistrement</translation>
    </message>
    <message>
        <source>原始文件夹</source>
        <translation>Dossier d&apos;origine</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>自定义文件夹</source>
        <translation>Dossier personnalisé</translation>
    </message>
    <message>
        <source>选择其他文件夹…</source>
        <translation>Choisir un autre dossier…</translation>
    </message>
    <message>
        <source>选择文件保存位置</source>
        <translation>Choisir où enregistrer les fichiers</translation>
    </message>
</context>
<context>
    <name>FileProtectionCheck</name>
    <message>
        <source>更改“%1”的保护需要所有者密码，请输入：</source>
        <translation>Modifier la protection de «&#xa0;%1&#xa0;» nécessite le mot de passe propriétaire. Saisissez-le&#xa0;:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>«&#xa0;%1&#xa0;» est chiffré. Saisissez son mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>密码错误，请重试。</source>
        <translation>Mot de passe incorrect. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Mot de passe requis</translation>
    </message>
</context>
<context>
    <name>FileSizeText</name>
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
</context>
<context>
    <name>ImageToPdfOptionsPanel</name>
    <message>
        <source>图像转PDF</source>
        <translation>Images en PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Taille de page</translation>
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
        <translation>Options de marge</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>窄</source>
        <translation>Étroites</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Larges</translation>
    </message>
    <message>
        <source>页面方向</source>
        <translation>Orientation de la page</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>Plus d&apos;options</translation>
    </message>
    <message>
        <source>转换为单个PDF</source>
        <translation>Convertir en un seul PDF</translation>
    </message>
    <message>
        <source>每张图像都将保存为单个PDF</source>
        <translation>Toutes les images seront réunies dans un seul PDF</translation>
    </message>
</context>
<context>
    <name>ImageToPdfPage</name>
    <message>
        <source>添加或拖拽图像文件进行转换。</source>
        <translation>Ajoutez des fichiers image ou faites-les glisser ici pour les convertir.</translation>
    </message>
    <message>
        <source>图像文件 (*.jpg *.jpeg *.png)</source>
        <translation>Fichiers image (*.jpg *.jpeg *.png)</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>Choisir des images</translation>
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
    <message>
        <source>%1（未保存）</source>
        <translation>%1 (non enregistré)</translation>
    </message>
    <message>
        <source>只打开了 PDF 文件</source>
        <translation>Seuls les fichiers PDF ont été ouverts</translation>
    </message>
    <message>
        <source>以下文件不是 PDF，未打开：</source>
        <translation>Ces fichiers ne sont pas des fichiers PDF et n&apos;ont pas été ouverts&#xa0;:</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>以下路径不存在，或不是文件：</source>
        <translation>Ces chemins n&apos;existent pas ou ne sont pas des fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>以下文档有未保存的修改，切换前是否保存？</source>
        <translation>Ces documents ont des modifications non enregistrées. Les enregistrer avant de changer ?</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>Reconnaissance de texte</translation>
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
    <name>OfficeToPdfOptionsPanel</name>
    <message>
        <source>Office转为PDF</source>
        <translation>Office en PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>将 Word、PowerPoint 和 Excel 文件转换为 PDF</source>
        <translation>Convertir des fichiers Word, PowerPoint et Excel en PDF</translation>
    </message>
    <message>
        <source>未找到 LibreOffice</source>
        <translation>LibreOffice introuvable</translation>
    </message>
    <message>
        <source>请从 libreoffice.org 下载并安装 LibreOffice。</source>
        <translation>Téléchargez et installez LibreOffice depuis libreoffice.org.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</source>
        <translation>Pour l’installer&#xa0;: sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，无法转换 Office 文件。</source>
        <translation>LibreOffice est introuvable&#xa0;: les fichiers Office ne peuvent pas être convertis.</translation>
    </message>
</context>
<context>
    <name>OfficeToPdfPage</name>
    <message>
        <source>添加或拖拽文件进行转换。</source>
        <translation>Ajoutez des fichiers ou faites-les glisser ici pour les convertir.</translation>
    </message>
    <message>
        <source>Office 文件 (%1)</source>
        <translation>Fichiers Office (%1)</translation>
    </message>
    <message>
        <source>选择 Office 文件</source>
        <translation>Choisir des fichiers Office</translation>
    </message>
</context>
<context>
    <name>OutputLocationChoice</name>
    <message>
        <source>原始文件</source>
        <translation>Dossier d&apos;origine</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Velmora文件</source>
        <translation>Fichiers Velmora</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Choisir un emplacement...</translation>
    </message>
    <message>
        <source>路径中有一个同名的文件：%1</source>
        <translation>Un fichier du même nom est dans le chemin&#xa0;: %1</translation>
    </message>
    <message>
        <source>没有在此创建文件夹的权限：%1</source>
        <translation>Pas d’autorisation pour créer un dossier ici&#xa0;: %1</translation>
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
    <name>PdfAnnotationLayer</name>
    <message>
        <source>所选批注的样式</source>
        <translation>Style du commentaire sélectionné</translation>
    </message>
    <message>
        <source>%1工具的样式</source>
        <translation>Style de l&apos;outil %1</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationMenu</name>
    <message>
        <source>编辑文字</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>编辑批注文字</source>
        <translation>Modifier le texte du commentaire</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Supprimer le commentaire</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationModel</name>
    <message>
        <source>添加批注</source>
        <translation>Ajouter un commentaire</translation>
    </message>
    <message>
        <source>编辑批注</source>
        <translation>Modifier le commentaire</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Supprimer le commentaire</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Surlignage</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Soulignement</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Zone de texte</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Dessin à main levée</translation>
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
        <translation>Flèche</translation>
    </message>
    <message>
        <source>其他批注</source>
        <translation>Autre commentaire</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationStyleMenu</name>
    <message>
        <source>红色</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>自定义…</source>
        <translation>Personnaliser…</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>填充</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>无填充</source>
        <translation>Aucun remplissage</translation>
    </message>
    <message>
        <source>线宽：%1 磅</source>
        <translation>Épaisseur&#xa0;: %1&#xa0;pt</translation>
    </message>
    <message>
        <source>%1 磅</source>
        <translation>%1&#xa0;pt</translation>
    </message>
    <message>
        <source>线型：虚线</source>
        <translation>Trait&#xa0;: tirets</translation>
    </message>
    <message>
        <source>线型：实线</source>
        <translation>Trait&#xa0;: continu</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>字号：%1 磅</source>
        <translation>Taille de police&#xa0;: %1&#xa0;pt</translation>
    </message>
    <message>
        <source>不透明度：%1%</source>
        <translation>Opacité&#xa0;: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationTextEditor</name>
    <message>
        <source>完成</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>保存文字 (Ctrl+Enter)</source>
        <translation>Enregistrer le texte (Ctrl+Entrée)</translation>
    </message>
    <message>
        <source>输入批注…</source>
        <translation>Saisissez un commentaire…</translation>
    </message>
</context>
<context>
    <name>PdfBottomControlBar</name>
    <message>
        <source>上一页</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>缩放比例：选择或输入百分比</source>
        <translation>Zoom&#xa0;: choisissez ou saisissez un pourcentage</translation>
    </message>
    <message>
        <source>适合宽度</source>
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>未适合窗口：点按适合宽度</source>
        <translation>Non ajusté à la fenêtre&#xa0;: cliquez pour ajuster à la largeur</translation>
    </message>
</context>
<context>
    <name>PdfCommentsPanel</name>
    <message>
        <source>正在读取批注…</source>
        <translation>Lecture des commentaires…</translation>
    </message>
    <message>
        <source>此文档没有批注</source>
        <translation>Ce document n&apos;a aucun commentaire</translation>
    </message>
    <message>
        <source>编辑文字</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>已接受</source>
        <translation>Accepté</translation>
    </message>
    <message>
        <source>已拒绝</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>已标记</source>
        <translation>Marqué</translation>
    </message>
    <message>
        <source>未标记</source>
        <translation>Non marqué</translation>
    </message>
    <message>
        <source>%1. 第 %2 页 · %3</source>
        <translation>%1. Page %2 · %3</translation>
    </message>
    <message>
        <source>状态：%1</source>
        <translation>Statut&#xa0;: %1</translation>
    </message>
    <message>
        <source>回复</source>
        <translation>Réponse</translation>
    </message>
</context>
<context>
    <name>PdfCompressOptionsPanel</name>
    <message>
        <source>压缩PDF</source>
        <translation>Compresser un PDF</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>选择压缩等级</source>
        <translation>Choisissez le niveau de compression</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>Basique</translation>
    </message>
    <message>
        <source>文件尺寸适中，质量最</source>
        <translation>Taille moyenne, qualité optimale</translation>
    </message>
    <message>
        <source>强</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>文件最小，质量</source>
        <translation>Taille minimale, qualité réduite</translation>
    </message>
</context>
<context>
    <name>PdfCompressPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始压缩。</source>
        <translation>Ajoutez des fichiers PDF ou faites-les glisser depuis votre bureau pour les compresser.</translation>
    </message>
</context>
<context>
    <name>PdfConvertOptionsPanel</name>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF en images</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>选择图像格式</source>
        <translation>Choisissez le format d&apos;image</translation>
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
        <translation>Plus d&apos;options</translation>
    </message>
    <message>
        <source>提取单个图像</source>
        <translation>Extraire les images</translation>
    </message>
    <message>
        <source>PDF 中的每张图像都将保存为单张图像</source>
        <translation>Chaque image contenue dans le PDF sera enregistrée dans un fichier distinct</translation>
    </message>
</context>
<context>
    <name>PdfConvertPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Ajoutez des fichiers PDF ou faites-les glisser depuis votre bureau pour les convertir.</translation>
    </message>
</context>
<context>
    <name>PdfDecryOptionsPanel</name>
    <message>
        <source>解锁PDF</source>
        <translation>Déverrouiller un PDF</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>Ce champ est obligatoire</translation>
    </message>
</context>
<context>
    <name>PdfDecryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始解密。</source>
        <translation>Ajoutez des fichiers PDF ou faites-les glisser depuis votre bureau pour les déverrouiller.</translation>
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
    <name>PdfDocumentSession</name>
    <message>
        <source>另一个标签页正在使用“%1”，无法替换它。</source>
        <translation>«&#xa0;%1&#xa0;» est utilisé dans un autre onglet et ne peut pas être remplacé.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentView</name>
    <message>
        <source>正在渲染第 %1 页…</source>
        <translation>Rendu de la page %1…</translation>
    </message>
</context>
<context>
    <name>PdfEncryOptionsPanel</name>
    <message>
        <source>加密PDF</source>
        <translation>Chiffrer un PDF</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>Ajouter un mot de passe</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>重新输入密码</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>Ce champ est obligatoire</translation>
    </message>
    <message>
        <source>两个密码应该匹配</source>
        <translation>Les deux mots de passe doivent être identiques</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>Plus d’options</translation>
    </message>
    <message>
        <source>所有者密码</source>
        <translation>Mot de passe propriétaire</translation>
    </message>
    <message>
        <source>留空则与上面的密码相同</source>
        <translation>Laissez vide pour utiliser le mot de passe ci-dessus</translation>
    </message>
    <message>
        <source>允许打印</source>
        <translation>Autoriser l’impression</translation>
    </message>
    <message>
        <source>允许复制内容</source>
        <translation>Autoriser la copie du contenu</translation>
    </message>
    <message>
        <source>允许修改</source>
        <translation>Autoriser les modifications</translation>
    </message>
    <message>
        <source>限制权限需要一个与密码不同的所有者密码</source>
        <translation>Restreindre les autorisations exige un mot de passe propriétaire différent du mot de passe</translation>
    </message>
</context>
<context>
    <name>PdfEncryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始加密。</source>
        <translation>Ajoutez des fichiers PDF ou faites-les glisser depuis votre bureau pour les chiffrer.</translation>
    </message>
</context>
<context>
    <name>PdfExtractSplitWriter</name>
    <message>
        <source>未命名</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>提取失败</source>
        <translation>Échec de l&apos;extraction</translation>
    </message>
    <message>
        <source>正在提取页面</source>
        <translation>Extraction des pages</translation>
    </message>
    <message>
        <source>提取完成</source>
        <translation>Extraction terminée</translation>
    </message>
    <message>
        <source>部分页面提取失败</source>
        <translation>L&apos;extraction de certaines pages a échoué</translation>
    </message>
    <message>
        <source>拆分失败</source>
        <translation>Échec de la division</translation>
    </message>
    <message>
        <source>正在拆分 PDF</source>
        <translation>Division du PDF</translation>
    </message>
    <message>
        <source>拆分完成</source>
        <translation>Division terminée</translation>
    </message>
    <message>
        <source>部分文件拆分失败</source>
        <translation>Certains fichiers n&apos;ont pas pu être créés</translation>
    </message>
    <message>
        <source>无法创建目标文件夹。</source>
        <translation>Impossible de créer le dossier de destination.</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Écriture en cours. Les fichiers volumineux peuvent prendre un certain temps.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>Ne fermez pas le programme avant la fin.</translation>
    </message>
    <message>
        <source>已生成 %1 个 PDF 文件。
%2</source>
        <translation>Fichiers PDF créés&#xa0;: %1.
%2</translation>
    </message>
    <message>
        <source>已生成 %1 个文件，%2 个文件失败。

%3</source>
        <translation>Fichiers créés&#xa0;: %1. Échecs&#xa0;: %2.

%3</translation>
    </message>
    <message numerus="yes">
        <source>…以及另外 %n 个文件</source>
        <translation>
            <numerusform>… et %n autre fichier</numerusform>
            <numerusform>… et %n autres fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>PdfFindBar</name>
    <message>
        <source>在文档中查找</source>
        <translation>Rechercher dans le document</translation>
    </message>
    <message>
        <source>上一处</source>
        <translation>Résultat précédent</translation>
    </message>
    <message>
        <source>下一处</source>
        <translation>Résultat suivant</translation>
    </message>
    <message>
        <source>关闭查找</source>
        <translation>Fermer la recherche</translation>
    </message>
    <message>
        <source>已查找 %1/%2 页</source>
        <translation>%1 pages sur %2 parcourues</translation>
    </message>
    <message>
        <source>第 %1/%2 处</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>共 %1 处</source>
        <translation>%1 résultats</translation>
    </message>
    <message>
        <source>正在查找…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Reconnaître le texte</translation>
    </message>
    <message numerus="yes">
        <source>%n 页没有文字（可能是扫描件）。识别文字后即可查找。</source>
        <translation>
            <numerusform>%n page n’a pas de texte (c’est peut-être une numérisation). Reconnaissez son texte pour y chercher.</numerusform>
            <numerusform>%n pages n’ont pas de texte (ce sont peut-être des numérisations). Reconnaissez leur texte pour y chercher.</numerusform>
        </translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>Mots entiers uniquement</translation>
    </message>
    <message>
        <source>显示所有结果</source>
        <translation>Afficher tous les résultats</translation>
    </message>
    <message>
        <source>隐藏结果列表</source>
        <translation>Masquer la liste des résultats</translation>
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
        <translation>Insérer un PDF
ou déposer des PDF ici</translation>
    </message>
</context>
<context>
    <name>PdfMergeOptionsPanel</name>
    <message>
        <source>合并PDF</source>
        <translation>Fusionner des PDF</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Pages blanches</translation>
    </message>
    <message>
        <source>在合并之前，你可以在文件之间插入空白页</source>
        <translation>Avant la fusion, vous pouvez insérer des pages blanches entre les fichiers</translation>
    </message>
</context>
<context>
    <name>PdfMergePage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始合并。</source>
        <translation>Ajoutez des fichiers PDF ou faites-les glisser depuis votre bureau pour les fusionner.</translation>
    </message>
</context>
<context>
    <name>PdfOperationSidePanel</name>
    <message>
        <source>将选定页面提取为单个文件</source>
        <translation>Extraire les pages sélectionnées dans un seul fichier</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>将每个页面拆分为单个文件</source>
        <translation>Diviser chaque page en un fichier distinct</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>文件提取选项</source>
        <translation>Options d&apos;extraction</translation>
    </message>
    <message>
        <source>将选定页面另存为</source>
        <translation>Enregistrer les pages sélectionnées sous</translation>
    </message>
    <message>
        <source>文件拆分选项</source>
        <translation>Options de division</translation>
    </message>
    <message>
        <source>输出预览</source>
        <translation>Aperçu du résultat</translation>
    </message>
    <message>
        <source>文件位置</source>
        <translation>Emplacement des fichiers</translation>
    </message>
    <message>
        <source>请先选择要提取的页面</source>
        <translation>Sélectionnez d&apos;abord les pages à extraire</translation>
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
        <translation>Cliquez sur les pointillés entre les pages pour choisir où diviser le fichier.</translation>
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
        <translation>Lecture des signets…</translation>
    </message>
    <message>
        <source>此文档没有书签</source>
        <translation>Ce document n&apos;a pas de signets</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Signets</translation>
    </message>
</context>
<context>
    <name>PdfPageCardMenu</name>
    <message>
        <source>创建副本</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Insérer une page blanche après</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insérer un PDF</translation>
    </message>
</context>
<context>
    <name>PdfPageManagerView</name>
    <message>
        <source>正在生成预览…</source>
        <translation>Génération de l&apos;aperçu…</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom avant</translation>
    </message>
</context>
<context>
    <name>PdfPageMenu</name>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>全选本页文字</source>
        <translation>Sélectionner tout le texte de cette page</translation>
    </message>
    <message>
        <source>查找所选文字</source>
        <translation>Rechercher le texte sélectionné</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Surligner</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Souligner</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Barrer</translation>
    </message>
</context>
<context>
    <name>PdfPageNumberDialog</name>
    <message>
        <source>添加页码</source>
        <translation>Ajouter des numéros de page</translation>
    </message>
    <message>
        <source>底部居中</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>底部右侧</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>底部左侧</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>顶部居中</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>顶部右侧</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>顶部左侧</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>页码（1, 2, 3…）</source>
        <translation>Numéro de page (1, 2, 3…)</translation>
    </message>
    <message>
        <source>页码 / 总页数（1 / 12）</source>
        <translation>Page / total (1 / 12)</translation>
    </message>
    <message>
        <source> 磅</source>
        <translation>&#xa0;pt</translation>
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
        <translation>Premier numéro</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>PdfPageToneMenu</name>
    <message>
        <source>页面颜色</source>
        <translation>Couleurs des pages</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>反色（夜间）</source>
        <translation>Inversées (nuit)</translation>
    </message>
    <message>
        <source>棕褐色</source>
        <translation>Sépia</translation>
    </message>
</context>
<context>
    <name>PdfPrintJob</name>
    <message>
        <source>打印 PDF</source>
        <translation>Imprimer le PDF</translation>
    </message>
    <message>
        <source>打印失败</source>
        <translation>Échec de l&apos;impression</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Impossible de lancer l&apos;impression.</translation>
    </message>
    <message>
        <source>打印未完成</source>
        <translation>Impression incomplète</translation>
    </message>
    <message>
        <source>第 %1 页渲染失败。</source>
        <translation>Échec du rendu de la page %1.</translation>
    </message>
    <message>
        <source>打印机无法创建新页面。</source>
        <translation>L&apos;imprimante n&apos;a pas pu créer de nouvelle page.</translation>
    </message>
    <message>
        <source>正在取消打印…</source>
        <translation>Annulation de l&apos;impression…</translation>
    </message>
    <message>
        <source>已完成 %1 / %2 页</source>
        <translation>%1 page(s) sur %2 terminée(s)</translation>
    </message>
    <message>
        <source>正在打印 PDF</source>
        <translation>Impression du PDF</translation>
    </message>
    <message>
        <source>正在准备 %1 页，页数多时可能需要一些时间。</source>
        <translation>Préparation de %1 page(s). Un grand nombre de pages peut prendre un certain temps.</translation>
    </message>
    <message>
        <source>不能打印到文档正在读取的文件：%1</source>
        <translation>Impossible d&apos;imprimer dans un fichier dont le document lit les pages&#xa0;: %1</translation>
    </message>
    <message>
        <source>打印完成</source>
        <translation>Impression terminée</translation>
    </message>
    <message>
        <source>已有同名文件，打印内容已保存为：
%1</source>
        <translation>Un fichier de ce nom existe&#xa0;; l’impression a été enregistrée sous&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>PdfPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 × %2 毫米</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Propriétés du document</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>以逗号分隔</source>
        <translation>Séparés par des virgules</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Taille de page</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Version PDF</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Producteur PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Créé le</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Autorisations</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>未保存</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>%1（各页大小不同）</source>
        <translation>%1 (pages de tailles différentes)</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 octets)</translation>
    </message>
    <message>
        <source>%1，已为快速网页查看优化</source>
        <translation>%1, optimisé pour l&apos;affichage Web rapide</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>不受限制</source>
        <translation>Aucune restriction</translation>
    </message>
    <message>
        <source>已加密</source>
        <translation>Chiffré</translation>
    </message>
    <message>
        <source>已加密（%1）</source>
        <translation>Chiffré (%1)</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>autorisé</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>non autorisé</translation>
    </message>
    <message>
        <source>打印：%1</source>
        <translation>Impression&#xa0;: %1</translation>
    </message>
    <message>
        <source>仅低质量</source>
        <translation>basse qualité uniquement</translation>
    </message>
    <message>
        <source>修改内容：%1</source>
        <translation>Modification du contenu&#xa0;: %1</translation>
    </message>
    <message>
        <source>复制文本和图像：%1</source>
        <translation>Copie du texte et des images&#xa0;: %1</translation>
    </message>
    <message>
        <source>添加注释：%1</source>
        <translation>Ajout de commentaires&#xa0;: %1</translation>
    </message>
    <message>
        <source>填写表单：%1</source>
        <translation>Remplissage des formulaires&#xa0;: %1</translation>
    </message>
    <message>
        <source>组合页面：%1</source>
        <translation>Assemblage des pages&#xa0;: %1</translation>
    </message>
    <message>
        <source>已用所有者密码打开，不受这些限制</source>
        <translation>Ouvert avec le mot de passe du propriétaire&#xa0;: ces restrictions ne s&apos;appliquent pas</translation>
    </message>
    <message>
        <source>此文件的权限不允许修改文档属性。</source>
        <translation>Les autorisations de ce fichier ne permettent pas de modifier ses propriétés.</translation>
    </message>
    <message>
        <source>无法读取文件的属性：%1</source>
        <translation>Impossible de lire les propriétés du fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>数字签名</source>
        <translation>Signatures numériques</translation>
    </message>
</context>
<context>
    <name>PdfReadingHistory</name>
    <message>
        <source>后退</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>PdfReadingModes</name>
    <message>
        <source>页面布局</source>
        <translation>Disposition des pages</translation>
    </message>
    <message>
        <source>连续滚动</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Page unique</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Deux pages</translation>
    </message>
    <message>
        <source>双页（封面单独显示）</source>
        <translation>Deux pages (couverture seule)</translation>
    </message>
    <message>
        <source>顺时针旋转视图</source>
        <translation>Faire pivoter la vue dans le sens horaire</translation>
    </message>
    <message>
        <source>逆时针旋转视图</source>
        <translation>Faire pivoter la vue dans le sens antihoraire</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>演示</source>
        <translation>Présentation</translation>
    </message>
</context>
<context>
    <name>PdfSignDialog</name>
    <message>
        <source>签名</source>
        <translation>Signer</translation>
    </message>
    <message>
        <source>选择证书…</source>
        <translation>Choisir un certificat…</translation>
    </message>
    <message>
        <source>在页面上画出签名框</source>
        <translation>Dessiner un cadre de signature sur la page</translation>
    </message>
    <message>
        <source>签名字段：%1（第 %2 页）</source>
        <translation>Champ de signature&#xa0;: %1 (page %2)</translation>
    </message>
    <message>
        <source>签名字段：%1</source>
        <translation>Champ de signature&#xa0;: %1</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>Signature invisible</translation>
    </message>
    <message>
        <source>可选，例如：同意此文档</source>
        <translation>Facultatif, par exemple&#xa0;: J&apos;approuve ce document</translation>
    </message>
    <message>
        <source>可选</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>可选：时间戳服务器地址（RFC 3161）</source>
        <translation>Facultatif&#xa0;: adresse du serveur d&apos;horodatage (RFC 3161)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>选择图片…</source>
        <translation>Choisir une image…</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>Certificat</translation>
    </message>
    <message>
        <source>签名位置</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>地点</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>时间戳</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>未选择证书</source>
        <translation>Aucun certificat choisi</translation>
    </message>
    <message>
        <source>%1（签名时输入密码）</source>
        <translation>%1 (mot de passe demandé à la signature)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1（%2，有效期至 %3）</source>
        <translation>%1 (%2, valide jusqu&apos;au %3)</translation>
    </message>
    <message>
        <source>选择证书</source>
        <translation>Choisir un certificat</translation>
    </message>
    <message>
        <source>证书文件 (*.p12 *.pfx)</source>
        <translation>Fichiers de certificat (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>请输入证书“%1”的密码：</source>
        <translation>Saisissez le mot de passe du certificat «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>证书密码</source>
        <translation>Mot de passe du certificat</translation>
    </message>
    <message>
        <source>证书密码错误，请重新输入：</source>
        <translation>Le mot de passe est incorrect. Saisissez-le à nouveau&#xa0;:</translation>
    </message>
    <message>
        <source>无法打开证书</source>
        <translation>Impossible d&apos;ouvrir le certificat</translation>
    </message>
    <message>
        <source>文件不是可用的证书（PKCS#12）。</source>
        <translation>Le fichier n&apos;est pas un certificat utilisable (PKCS#12).</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Détails techniques&#xa0;: %1</translation>
    </message>
    <message>
        <source>选择签名图片</source>
        <translation>Choisir l&apos;image de signature</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg)</source>
        <translation>Images (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>无法使用图片</source>
        <translation>Impossible d&apos;utiliser l&apos;image</translation>
    </message>
    <message>
        <source>图片无法读取。</source>
        <translation>Impossible de lire l&apos;image.</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBar</name>
    <message>
        <source>签名面板</source>
        <translation>Panneau des signatures</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Vérification des signatures…</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>无法验证签名：文件无法读取</source>
        <translation>Impossible de vérifier les signatures&#xa0;: le fichier est illisible</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBoxTool</name>
    <message>
        <source>在页面上拖动，画出签名框；按 Esc 取消</source>
        <translation>Faites glisser sur la page pour dessiner le cadre de signature&#xa0;; Échap pour annuler</translation>
    </message>
</context>
<context>
    <name>PdfSignatureTexts</name>
    <message>
        <source>批注</source>
        <translation>commentaires</translation>
    </message>
    <message>
        <source>表单</source>
        <translation>formulaires</translation>
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
        <translation>autre contenu</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>证书不受信任（自签名证书）</source>
        <translation>Certificat non approuvé (certificat autosigné)</translation>
    </message>
    <message>
        <source>证书不受信任（证书已过期）</source>
        <translation>Certificat non approuvé (certificat expiré)</translation>
    </message>
    <message>
        <source>证书不受信任</source>
        <translation>Certificat non approuvé</translation>
    </message>
    <message>
        <source>签名有效</source>
        <translation>Signature valide</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改</source>
        <translation>%1, modifications autorisées après la signature</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改（%2）</source>
        <translation>%1, modifications autorisées après la signature (%2)</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改</source>
        <translation>Signature valide, modifications autorisées après la signature</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改（%1）</source>
        <translation>Signature valide, modifications autorisées après la signature (%1)</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围</source>
        <translation>Les modifications après la signature dépassent ce que la certification autorise</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围（%1）</source>
        <translation>Les modifications après la signature dépassent ce que la certification autorise (%1)</translation>
    </message>
    <message>
        <source>签名后文档被更改</source>
        <translation>Document modifié après la signature</translation>
    </message>
    <message>
        <source>签名后文档被更改（%1）</source>
        <translation>Document modifié après la signature (%1)</translation>
    </message>
    <message>
        <source>签名无效：签名数据与内容不符</source>
        <translation>Signature non valide&#xa0;: les données de signature ne correspondent pas au contenu</translation>
    </message>
    <message>
        <source>签名无效：签名后内容被改动</source>
        <translation>Signature non valide&#xa0;: le contenu a été altéré après la signature</translation>
    </message>
    <message>
        <source>无法验证此签名</source>
        <translation>Impossible de vérifier cette signature</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Champ de signature vide</translation>
    </message>
    <message>
        <source>未知签名者</source>
        <translation>Signataire inconnu</translation>
    </message>
    <message>
        <source>%1 个无效</source>
        <translation>%1 non valide(s)</translation>
    </message>
    <message>
        <source>%1 个签名后被更改</source>
        <translation>%1 modifiée(s) après la signature</translation>
    </message>
    <message>
        <source>%1 个不受信任</source>
        <translation>%1 non approuvée(s)</translation>
    </message>
    <message>
        <source>%1 个无法验证</source>
        <translation>%1 invérifiable(s)</translation>
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
        <translation>Signé&#xa0;: %1 — %2</translation>
    </message>
    <message>
        <source>%1 个签名：全部有效</source>
        <translation>%1 signatures&#xa0;: toutes valides</translation>
    </message>
    <message>
        <source>%1 个签名：%2</source>
        <translation>%1 signatures&#xa0;: %2</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>%1 个（全部有效）</source>
        <translation>%1 (toutes valides)</translation>
    </message>
    <message>
        <source>%1 个（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>认证签名不允许更改此文档</source>
        <translation>La signature de certification n&apos;autorise aucune modification de ce document</translation>
    </message>
    <message>
        <source>认证签名只允许填写表单和签名</source>
        <translation>La signature de certification autorise uniquement le remplissage des formulaires et la signature</translation>
    </message>
    <message>
        <source>页面被移动</source>
        <translation>pages déplacées</translation>
    </message>
    <message>
        <source>页面被旋转</source>
        <translation>pages pivotées</translation>
    </message>
    <message>
        <source>页面被删除</source>
        <translation>pages supprimées</translation>
    </message>
    <message>
        <source>插入了页面</source>
        <translation>pages insérées</translation>
    </message>
    <message>
        <source>添加了页码</source>
        <translation>numéros de page ajoutés</translation>
    </message>
    <message>
        <source>文档属性被修改</source>
        <translation>propriétés du document modifiées</translation>
    </message>
    <message>
        <source>批注和表单将被扁平化</source>
        <translation>commentaires et formulaires seront aplatis</translation>
    </message>
    <message>
        <source>页面内容被替换</source>
        <translation>contenu des pages remplacé</translation>
    </message>
    <message>
        <source>以下更改需要重写整个文件：%1。</source>
        <translation>Ces modifications nécessitent de réécrire tout le fichier&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>PdfSignaturesPanel</name>
    <message>
        <source>认证签名：不允许任何更改</source>
        <translation>Signature de certification&#xa0;: aucune modification autorisée</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单和签名</source>
        <translation>Signature de certification&#xa0;: remplissage des formulaires et signature autorisés</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单、签名和批注</source>
        <translation>Signature de certification&#xa0;: remplissage des formulaires, signature et commentaires autorisés</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Vérification des signatures…</translation>
    </message>
    <message>
        <source>无法读取文件中的签名。
%1</source>
        <translation>Impossible de lire les signatures du fichier.
%1</translation>
    </message>
    <message>
        <source>此文档没有签名</source>
        <translation>Ce document n&apos;a aucune signature</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Champ de signature vide</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>Signature invisible</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>字段：%1（%2）</source>
        <translation>Champ&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>签名时间：%1</source>
        <translation>Signé le&#xa0;: %1</translation>
    </message>
    <message>
        <source>原因：%1</source>
        <translation>Motif&#xa0;: %1</translation>
    </message>
    <message>
        <source>位置：%1</source>
        <translation>Lieu&#xa0;: %1</translation>
    </message>
    <message>
        <source>联系方式：%1</source>
        <translation>Contact&#xa0;: %1</translation>
    </message>
    <message>
        <source>类型：%1</source>
        <translation>Type&#xa0;: %1</translation>
    </message>
    <message>
        <source>摘要算法：%1</source>
        <translation>Algorithme de hachage&#xa0;: %1</translation>
    </message>
    <message>
        <source>第 %1 版（共 %2 版）</source>
        <translation>Révision %1 sur %2</translation>
    </message>
    <message>
        <source>时间戳：%1（有效）</source>
        <translation>Horodatage&#xa0;: %1 (valide)</translation>
    </message>
    <message>
        <source>时间戳：%1（无效）</source>
        <translation>Horodatage&#xa0;: %1 (non valide)</translation>
    </message>
    <message>
        <source>签名后的更改：%1</source>
        <translation>Modifications après la signature&#xa0;: %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Détails techniques&#xa0;: %1</translation>
    </message>
    <message>
        <source>证书链</source>
        <translation>Chaîne de certificats</translation>
    </message>
    <message>
        <source>颁发者：%1（自签名）</source>
        <translation>Émetteur&#xa0;: %1 (autosigné)</translation>
    </message>
    <message>
        <source>颁发者：%1</source>
        <translation>Émetteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>有效期：%1 至 %2</source>
        <translation>Valide du %1 au %2</translation>
    </message>
    <message>
        <source>查看签名时的版本</source>
        <translation>Voir la version signée</translation>
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
        <translation>Annulation de la reconnaissance de texte…</translation>
    </message>
    <message>
        <source>无法识别文字</source>
        <translation>Impossible de reconnaître le texte</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据。</source>
        <translation>Aucune donnée de langue pour la reconnaissance de texte n’est installée.</translation>
    </message>
    <message>
        <source>未安装 %1 的文字识别语言数据。</source>
        <translation>Les données de reconnaissance de texte pour %1 ne sont pas installées.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-%1</source>
        <translation>Pour l’installer : sudo apt install tesseract-ocr-%1</translation>
    </message>
    <message>
        <source>识别过程中出错，文档保持不变。</source>
        <translation>Une erreur s’est produite pendant la reconnaissance ; le document n’a pas changé.</translation>
    </message>
    <message>
        <source>无法创建临时文件夹。</source>
        <translation>Impossible de créer le dossier temporaire.</translation>
    </message>
    <message>
        <source>正在识别文字</source>
        <translation>Reconnaissance du texte</translation>
    </message>
    <message>
        <source>正在识别没有文字的页面，每页需要几秒钟。</source>
        <translation>Reconnaissance des pages sans texte ; chaque page prend quelques secondes.</translation>
    </message>
    <message>
        <source>已完成 %1%</source>
        <translation>%1 % terminé</translation>
    </message>
    <message>
        <source>无需识别文字</source>
        <translation>Aucun texte à reconnaître</translation>
    </message>
    <message>
        <source>此文档的每一页都已有文字。</source>
        <translation>Chaque page de ce document contient déjà du texte.</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Reconnaître le texte</translation>
    </message>
</context>
<context>
    <name>PdfThumbnailPanel</name>
    <message>
        <source>正在生成缩略图…</source>
        <translation>Génération des miniatures…</translation>
    </message>
</context>
<context>
    <name>PdfToOfficeOptionsPanel</name>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF en Office</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>选择转换类型</source>
        <translation>Choisissez le type de conversion</translation>
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
        <translation>Ajoutez des fichiers PDF ou faites-les glisser depuis votre bureau pour les convertir.</translation>
    </message>
</context>
<context>
    <name>PdfTopToolBar</name>
    <message>
        <source>文档阅读视图</source>
        <translation>Vue de lecture du document</translation>
    </message>
    <message>
        <source>页面管理视图</source>
        <translation>Vue de gestion des pages</translation>
    </message>
    <message>
        <source>显示或隐藏缩略图</source>
        <translation>Afficher ou masquer les miniatures</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>PDF 工具</source>
        <translation>Outils PDF</translation>
    </message>
    <message>
        <source>手形工具</source>
        <translation>Outil Main</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>插入 PDF 或空白页</source>
        <translation>Insérer un PDF ou une page blanche</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extraire</translation>
    </message>
    <message>
        <source>提取选定页面</source>
        <translation>Extraire les pages sélectionnées</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>拆分 PDF</source>
        <translation>Diviser le PDF</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>Faire pivoter à droite</translation>
    </message>
    <message>
        <source>删除选定页面</source>
        <translation>Supprimer les pages sélectionnées</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>选择全部页面</source>
        <translation>Sélectionner toutes les pages</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF en Office</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF en images</translation>
    </message>
    <message>
        <source>加密 PDF</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>解锁 PDF</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>页面编号</source>
        <translation>Numéros de page</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>将文件保存为…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>高亮所选文字</source>
        <translation>Surligner le texte sélectionné</translation>
    </message>
    <message>
        <source>为所选文字加下划线</source>
        <translation>Souligner le texte sélectionné</translation>
    </message>
    <message>
        <source>为所选文字加删除线</source>
        <translation>Barrer le texte sélectionné</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Zone de texte</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Dessin à main levée</translation>
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
        <translation>Flèche</translation>
    </message>
    <message>
        <source>颜色、线宽和不透明度</source>
        <translation>Couleur, épaisseur et opacité</translation>
    </message>
    <message>
        <source>删除所选批注</source>
        <translation>Supprimer le commentaire sélectionné</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Propriétés du document</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Signer</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面</source>
        <translation>Le document doit conserver au moins une page&#xa0;; toutes les pages ne peuvent pas être supprimées</translation>
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
    <message>
        <source>添加页码</source>
        <translation>Ajouter des numéros de page</translation>
    </message>
    <message>
        <source>删除页码</source>
        <translation>Supprimer les numéros de page</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>Remplir le formulaire</translation>
    </message>
    <message>
        <source>修改文档属性</source>
        <translation>Modifier les propriétés du document</translation>
    </message>
</context>
<context>
    <name>PdfViewerWidget</name>
    <message>
        <source>文件不存在或已被移动。</source>
        <translation>Le fichier n&apos;existe pas ou a été déplacé.</translation>
    </message>
    <message>
        <source>PDF 需要密码。</source>
        <translation>Ce PDF nécessite un mot de passe.</translation>
    </message>
    <message>
        <source>PDF 密码错误。</source>
        <translation>Le mot de passe du PDF est incorrect.</translation>
    </message>
    <message>
        <source>PDF 已损坏或格式不受支持。</source>
        <translation>Le PDF est endommagé ou son format n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>页面渲染失败。</source>
        <translation>Échec du rendu de la page.</translation>
    </message>
    <message>
        <source>无法写入目标文件，请检查权限和磁盘空间。</source>
        <translation>Impossible d&apos;écrire le fichier de destination. Vérifiez les autorisations et l&apos;espace disque.</translation>
    </message>
    <message>
        <source>操作未完成。</source>
        <translation>L&apos;opération n&apos;a pas abouti.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Mot de passe requis</translation>
    </message>
    <message>
        <source>无法打开 PDF</source>
        <translation>Impossible d&apos;ouvrir le PDF</translation>
    </message>
    <message>
        <source>插入 PDF 失败</source>
        <translation>Échec de l&apos;insertion du PDF</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insérer un PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Insérer une page blanche après</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>未命名.pdf</source>
        <translation>Sans titre.pdf</translation>
    </message>
    <message>
        <source>将 PDF 保存为</source>
        <translation>Enregistrer le PDF sous</translation>
    </message>
    <message>
        <source>正在保存 PDF</source>
        <translation>Enregistrement du PDF</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Écriture en cours. Les fichiers volumineux peuvent prendre un certain temps.</translation>
    </message>
    <message>
        <source>保存完成前请不要关闭程序。</source>
        <translation>Ne fermez pas le programme avant la fin de l&apos;enregistrement.</translation>
    </message>
    <message>
        <source>保存 PDF 失败</source>
        <translation>Échec de l&apos;enregistrement du PDF</translation>
    </message>
    <message>
        <source>替换文件</source>
        <translation>Remplacer le fichier</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。重新载入将丢弃当前未保存的修改。是否重新载入？</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme. Le recharger supprimera vos modifications non enregistrées. Le recharger&#xa0;?</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。是否重新载入？</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme. Le recharger&#xa0;?</translation>
    </message>
    <message>
        <source>文件已更改</source>
        <translation>Fichier modifié</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>保留当前内容</source>
        <translation>Garder la version actuelle</translation>
    </message>
    <message>
        <source>无法打开链接</source>
        <translation>Impossible d&apos;ouvrir le lien</translation>
    </message>
    <message>
        <source>出于安全考虑，只能打开网页和邮件链接。</source>
        <translation>Par sécurité, seuls les liens web et e-mail peuvent être ouverts.</translation>
    </message>
    <message>
        <source>打开链接</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>此链接指向文档以外的地址，是否打开？</source>
        <translation>Ce lien mène en dehors du document. Voulez-vous l&apos;ouvrir&#xa0;?</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>系统没有可以打开此链接的程序。</source>
        <translation>Aucun programme de ce système ne peut ouvrir ce lien.</translation>
    </message>
    <message>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Détails techniques : %1</translation>
    </message>
    <message>
        <source>“%1”已修改，是否保存？</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié. L&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，且有未保存的修改。替换后该标签页将关闭，其未保存的修改将丢失。是否替换？</source>
        <translation>«&#xa0;%1&#xa0;» est ouvert dans un autre onglet avec des modifications non enregistrées. Le remplacer ferme cet onglet et ses modifications non enregistrées seront perdues. Remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>无法添加批注</source>
        <translation>Impossible d&apos;ajouter des commentaires</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许添加或修改批注。</source>
        <translation>Les autorisations de ce PDF ne permettent pas d&apos;ajouter ni de modifier des commentaires.</translation>
    </message>
    <message>
        <source>批注和表单要保留为可编辑的批注，还是扁平化到页面中？</source>
        <translation>Conserver les commentaires et formulaires modifiables ou les aplatir dans les pages&#xa0;?</translation>
    </message>
    <message>
        <source>扁平化后，其他阅读器也无法再编辑或删除它们。</source>
        <translation>Une fois aplatis, ils ne peuvent plus être modifiés ni supprimés, même dans d&apos;autres lecteurs.</translation>
    </message>
    <message>
        <source>保留批注</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>扁平化</source>
        <translation>Aplatir</translation>
    </message>
    <message>
        <source>文件无法读取。</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>文档尚未保存。</source>
        <translation>Le document n&apos;a pas encore été enregistré.</translation>
    </message>
    <message>
        <source>签名时的版本，只读</source>
        <translation>Version signée, lecture seule</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>无法填写表单</source>
        <translation>Impossible de remplir le formulaire</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许更改表单。</source>
        <translation>La signature de certification de ce document n&apos;autorise pas la modification des formulaires.</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许添加或修改批注。</source>
        <translation>La signature de certification de ce document n&apos;autorise pas l&apos;ajout ni la modification de commentaires.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开。</source>
        <translation>Ce document est ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许填写表单。</source>
        <translation>Les autorisations de ce PDF ne permettent pas de remplir les formulaires.</translation>
    </message>
    <message>
        <source>无法验证</source>
        <translation>Vérification impossible</translation>
    </message>
    <message>
        <source>正在验证…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>无法打开签名时的版本</source>
        <translation>Impossible d&apos;ouvrir la version signée</translation>
    </message>
    <message>
        <source>无法从文件中取出签名时的版本。</source>
        <translation>Impossible d&apos;extraire la version signée du fichier.</translation>
    </message>
    <message>
        <source>保存已签名的文档</source>
        <translation>Enregistrer le document signé</translation>
    </message>
    <message>
        <source>此文档已签名；新文件中的签名将失效，原文件及其签名保持不变。</source>
        <translation>Ce document est signé. Les signatures du nouveau fichier ne seront plus valides&#xa0;; le fichier d&apos;origine et ses signatures restent inchangés.</translation>
    </message>
    <message>
        <source>仍然保存</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>此文档已签名；保存将使签名失效。</source>
        <translation>Ce document est signé. L&apos;enregistrement invalidera ses signatures.</translation>
    </message>
    <message>
        <source>另存为新文件</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Signer</translation>
    </message>
    <message>
        <source>签名前需要先保存修改。是否现在保存？</source>
        <translation>Les modifications doivent être enregistrées avant la signature. Les enregistrer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>签名针对文件中已保存的内容。</source>
        <translation>La signature porte sur le contenu enregistré dans le fichier.</translation>
    </message>
    <message>
        <source>签名失败</source>
        <translation>Échec de la signature</translation>
    </message>
    <message>
        <source>文档在签名前又被修改了，请保存后再签名。</source>
        <translation>Le document a de nouveau été modifié avant la signature. Enregistrez-le, puis signez-le.</translation>
    </message>
    <message>
        <source>保存签名后的 PDF</source>
        <translation>Enregistrer le PDF signé</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，请另选文件名。</source>
        <translation>«&#xa0;%1&#xa0;» est ouvert dans un autre onglet. Choisissez un autre nom de fichier.</translation>
    </message>
    <message>
        <source>正在签名</source>
        <translation>Signature en cours</translation>
    </message>
    <message>
        <source>正在签名并写入文件。</source>
        <translation>Signature et écriture du fichier en cours.</translation>
    </message>
    <message>
        <source>正在签名并向时间戳服务器请求时间戳。</source>
        <translation>Signature et demande d&apos;horodatage au serveur d&apos;horodatage en cours.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>Ne fermez pas le programme avant la fin de l&apos;opération.</translation>
    </message>
    <message>
        <source>文档未能签名，文件没有写入。</source>
        <translation>Le document n&apos;a pas pu être signé&#xa0;; aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开，请另存为新文件。</source>
        <translation>Ce document est ouvert en lecture seule. Enregistrez-le dans un nouveau fichier.</translation>
    </message>
    <message>
        <source>密码错误，请重新输入“%1”的密码：</source>
        <translation>Mot de passe incorrect. Saisissez à nouveau le mot de passe de «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>插入的 PDF“%1”已加密，请输入密码：</source>
        <translation>Le PDF inséré «&#xa0;%1&#xa0;» est chiffré. Saisissez son mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>«&#xa0;%1&#xa0;» est chiffré. Saisissez son mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>无法删除页面</source>
        <translation>Impossible de supprimer les pages</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面。</source>
        <translation>Le document doit conserver au moins une page&#xa0;; toutes les pages ne peuvent pas être supprimées.</translation>
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
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>从列表中移除</source>
        <translation>Retirer de la liste</translation>
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
    <name>SettingsMenu</name>
    <message>
        <source>深色主题</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <source>启动时重新打开上次的文档</source>
        <translation>Rouvrir au démarrage les documents de la dernière session</translation>
    </message>
    <message>
        <source>批注作者</source>
        <translation>Auteur des commentaires</translation>
    </message>
    <message>
        <source>新批注署名（留空则用系统用户名）：</source>
        <translation>Nom sur les nouveaux commentaires (laisser vide pour utiliser le nom d&apos;utilisateur du système)&#xa0;:</translation>
    </message>
    <message>
        <source>批注作者…</source>
        <translation>Auteur des commentaires…</translation>
    </message>
    <message>
        <source>批注作者：%1…</source>
        <translation>Auteur des commentaires&#xa0;: %1…</translation>
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
    <message>
        <source>文字识别</source>
        <translation>Reconnaissance de texte</translation>
    </message>
</context>
<context>
    <name>TabContextMenu</name>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>关闭其他标签页</source>
        <translation>Fermer les autres onglets</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>复制文件路径</source>
        <translation>Copier le chemin du fichier</translation>
    </message>
</context>
<context>
    <name>TaskListItem</name>
    <message>
        <source>打开文件</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>处理中...</source>
        <translation>Traitement...</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>%1 → %2（节省 %3%）</source>
        <translation>%1 → %2 (%3&#xa0;% plus petit)</translation>
    </message>
    <message>
        <source>移除并重试</source>
        <translation>Retirer et réessayer</translation>
    </message>
    <message numerus="yes">
        <source>%1 等 %n 个文件</source>
        <translation>
            <numerusform>%1 et autres (%n fichier)</numerusform>
            <numerusform>%1 et autres (%n fichiers)</numerusform>
        </translation>
    </message>
    <message>
        <source>处理中... %1%</source>
        <translation>Traitement… %1 %</translation>
    </message>
</context>
<context>
    <name>TaskListWidget</name>
    <message>
        <source>重来</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>重试失败项</source>
        <translation>Réessayer les échecs</translation>
    </message>
</context>
<context>
    <name>TextRecognitionOptionsPanel</name>
    <message>
        <source>文字识别</source>
        <translation>Reconnaissance de texte</translation>
    </message>
    <message>
        <source>识别</source>
        <translation>Reconnaître</translation>
    </message>
    <message>
        <source>识别扫描页面中的文字，使 PDF 可以搜索和复制，页面外观不变</source>
        <translation>Reconnaît le texte des pages numérisées pour pouvoir chercher et copier dans le PDF ; les pages gardent leur apparence</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>Langues de reconnaissance</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，无法识别文字。</source>
        <translation>Aucune donnée de langue pour la reconnaissance n’est installée ; le texte ne peut pas être reconnu.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</source>
        <translation>Pour l’installer : sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>也识别已有文字的页面</source>
        <translation>Reconnaître aussi les pages qui ont déjà du texte</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据</source>
        <translation>Aucune donnée de langue de reconnaissance installée</translation>
    </message>
    <message>
        <source>请选择至少一种语言</source>
        <translation>Choisissez au moins une langue</translation>
    </message>
</context>
<context>
    <name>TextRecognitionPage</name>
    <message>
        <source>从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。</source>
        <translation>Ajoutez ou déposez des PDF numérisés depuis votre bureau pour reconnaître leur texte.</translation>
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
    <message>
        <source>设置</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>ToolOptionsPanel</name>
    <message>
        <source>文件位置</source>
        <translation>Emplacement des fichiers</translation>
    </message>
    <message>
        <source>保存选项</source>
        <translation>Options d&apos;enregistrement</translation>
    </message>
    <message>
        <source>替换原始文件</source>
        <translation>Remplacer le fichier d&apos;origine</translation>
    </message>
    <message>
        <source>保留原始文件</source>
        <translation>Conserver le fichier d&apos;origine</translation>
    </message>
</context>
<context>
    <name>Worklane</name>
    <message>
        <source>invalid task</source>
        <translation>Tâche non valide</translation>
    </message>
    <message>
        <source>找不到源文件</source>
        <translation>Fichier source introuvable</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>不是PDF文件或文件已损坏：%1</source>
        <translation>Pas un fichier PDF, ou fichier endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>文件受密码保护，需要密码：%1</source>
        <translation>Le fichier est protégé et nécessite un mot de passe&#xa0;: %1</translation>
    </message>
    <message>
        <source>密码不正确</source>
        <translation>Le mot de passe est incorrect</translation>
    </message>
    <message>
        <source>未输入密码</source>
        <translation>Aucun mot de passe n&apos;a été saisi</translation>
    </message>
    <message>
        <source>无法读取图像：%1</source>
        <translation>Impossible de lire l&apos;image&#xa0;: %1</translation>
    </message>
    <message>
        <source>图像太大，无法转换：%1</source>
        <translation>L&apos;image est trop grande pour être convertie&#xa0;: %1</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>Espace disque insuffisant</translation>
    </message>
    <message>
        <source>没有写入权限：%1</source>
        <translation>Pas d&apos;autorisation d&apos;écriture&#xa0;: %1</translation>
    </message>
    <message>
        <source>输出文件夹不存在</source>
        <translation>Le dossier de sortie n&apos;existe pas</translation>
    </message>
    <message>
        <source>无法写入输出文件</source>
        <translation>Impossible d&apos;écrire le fichier de sortie</translation>
    </message>
    <message>
        <source>文档没有页面</source>
        <translation>Le document n&apos;a aucune page</translation>
    </message>
    <message>
        <source>文档中没有可提取的图像</source>
        <translation>Le document ne contient aucune image à extraire</translation>
    </message>
    <message>
        <source>输出会覆盖源文件：%1</source>
        <translation>La sortie écraserait un fichier source&#xa0;: %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>找不到可用的文件名</source>
        <translation>Aucun nom de fichier libre trouvé</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>处理时出错</source>
        <translation>Une erreur s&apos;est produite pendant le traitement</translation>
    </message>
    <message>
        <source>有文件不是PDF文件或已损坏</source>
        <translation>Un fichier n&apos;est pas un PDF, ou il est endommagé</translation>
    </message>
    <message>
        <source>此文件没有密码</source>
        <translation>Ce fichier n’a pas de mot de passe</translation>
    </message>
    <message>
        <source>更改此文件的保护需要其所有者密码：%1</source>
        <translation>Modifier la protection de ce fichier nécessite son mot de passe propriétaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，请先安装</source>
        <translation>LibreOffice introuvable&#xa0;; installez-le d’abord</translation>
    </message>
    <message>
        <source>文件已损坏或受密码保护</source>
        <translation>Le fichier est endommagé ou protégé par un mot de passe</translation>
    </message>
    <message>
        <source>转换超时</source>
        <translation>La conversion a expiré</translation>
    </message>
    <message>
        <source>转换失败：%1</source>
        <translation>Échec de la conversion&#xa0;: %1</translation>
    </message>
    <message>
        <source>不支持的文件类型：%1</source>
        <translation>Type de fichier non pris en charge&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 页未找到文字，已作为图片保存</source>
        <translation>
            <numerusform>Aucun texte trouvé sur %n page ; enregistrée comme image</numerusform>
            <numerusform>Aucun texte trouvé sur %n pages ; enregistrées comme images</numerusform>
        </translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包</source>
        <translation>Aucune donnée de langue pour la reconnaissance ; installez un paquet de langue comme tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）</source>
        <translation>Les données de reconnaissance pour %1 ne sont pas installées (paquet tesseract-ocr-%2)</translation>
    </message>
    <message>
        <source>文字识别失败：%1</source>
        <translation>Échec de la reconnaissance de texte : %1</translation>
    </message>
    <message>
        <source>每页都已有文字，无需识别：%1</source>
        <translation>Chaque page contient déjà du texte ; rien à reconnaître : %1</translation>
    </message>
    <message numerus="yes">
        <source>已识别 %n 页</source>
        <translation>
            <numerusform>%n page reconnue</numerusform>
            <numerusform>%n pages reconnues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页已有文字，保持原样</source>
        <translation>
            <numerusform>%n page avait déjà du texte et a été conservée</numerusform>
            <numerusform>%n pages avaient déjà du texte et ont été conservées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页无法读取</source>
        <translation>
            <numerusform>%n page n’a pas pu être lue</numerusform>
            <numerusform>%n pages n’ont pas pu être lues</numerusform>
        </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名</source>
        <translation>Avec signature numérique&#xa0;: %1. Les signatures ne sont plus valides dans le fichier de sortie&#xa0;; les fichiers d&apos;origine restent signés</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>文件是空的：%1</source>
        <translation>Le fichier est vide&#xa0;: %1</translation>
    </message>
    <message>
        <source>这是PDF文件，不是Office文档：%1</source>
        <translation>Ceci est un fichier PDF, pas un document Office&#xa0;: %1</translation>
    </message>
</context>
</TS>
