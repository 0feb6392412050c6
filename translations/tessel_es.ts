<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Velmora account</source>
        <translation>Cuenta de Velmora</translation>
    </message>
    <message>
        <source>Account &amp; subscription</source>
        <translation>Cuenta y suscripción</translation>
    </message>
    <message>
        <source>All PDF tools are currently available to every user. Signing in only synchronizes your account and subscription status.</source>
        <translation>Todas las herramientas PDF están disponibles actualmente para todos los usuarios. Iniciar sesión solo sincroniza el estado de su cuenta y su suscripción.</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>nombre@ejemplo.com</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Actualizar estado</translation>
    </message>
    <message>
        <source>Manage subscription</source>
        <translation>Gestionar suscripción</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Iniciando sesión...</translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation>Sesión iniciada como %1</translation>
    </message>
    <message>
        <source>Subscription active (%1)</source>
        <translation>Suscripción activa (%1)</translation>
    </message>
    <message>
        <source>. Current period ends %1.</source>
        <translation>. El periodo actual termina el %1.</translation>
    </message>
    <message>
        <source>Free account. All tools remain available during the current open-access period.</source>
        <translation>Cuenta gratuita. Todas las herramientas siguen disponibles durante el periodo actual de acceso abierto.</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Enter your email address and password.</source>
        <translation>Introduzca su correo electrónico y su contraseña.</translation>
    </message>
    <message>
        <source>The account service address is not secure. Only https addresses are allowed.</source>
        <translation>La dirección del servicio de cuentas no es segura. Solo se permiten direcciones https.</translation>
    </message>
    <message>
        <source>Your sign-in has expired. Please sign in again.</source>
        <translation>Su sesión ha caducado. Vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>The account service redirected to an address that is not allowed.</source>
        <translation>El servicio de cuentas redirigió a una dirección no permitida.</translation>
    </message>
    <message>
        <source>The account service returned incomplete account information.</source>
        <translation>El servicio de cuentas devolvió información de cuenta incompleta.</translation>
    </message>
    <message>
        <source>The account service returned an invalid session.</source>
        <translation>El servicio de cuentas devolvió una sesión no válida.</translation>
    </message>
    <message>
        <source>The account service returned an invalid response.</source>
        <translation>El servicio de cuentas devolvió una respuesta no válida.</translation>
    </message>
</context>
<context>
    <name>CustomTabBar</name>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>最近一次编辑</source>
        <translation>Modificado</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>简体中文</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Configuración de idioma</translation>
    </message>
    <message>
        <source>选择 Velmora 的界面语言</source>
        <translation>Elija el idioma de la interfaz de Velmora</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>切换语言？</source>
        <translation>¿Cambiar de idioma?</translation>
    </message>
    <message>
        <source>界面语言将切换为“%1”。</source>
        <translation>El idioma de la interfaz cambiará a «%1».</translation>
    </message>
    <message>
        <source>当前打开的工具标签页将关闭。</source>
        <translation>Se cerrarán las pestañas de herramientas abiertas.</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>无法切换语言</source>
        <translation>No se puede cambiar de idioma</translation>
    </message>
    <message>
        <source>未能加载所选语言的翻译文件。</source>
        <translation>No se pudo cargar el archivo de traducción del idioma seleccionado.</translation>
    </message>
</context>
<context>
    <name>MainPage</name>
    <message>
        <source>首页</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF a Office</translation>
    </message>
    <message>
        <source>Office转为PDF</source>
        <translation>Office a PDF</translation>
    </message>
    <message>
        <source>图像转PDF</source>
        <translation>Imágenes a PDF</translation>
    </message>
    <message>
        <source>PDF转为图像</source>
        <translation>PDF a imágenes</translation>
    </message>
    <message>
        <source>PDF解密</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>PDF加密</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Combinar</translation>
    </message>
</context>
<context>
    <name>ModernComboBox</name>
    <message>
        <source>选择文件夹</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Elegir ubicación...</translation>
    </message>
</context>
<context>
    <name>ModernMessageBox</name>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>显示密码</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>隐藏密码</source>
        <translation>Ocultar contraseña</translation>
    </message>
</context>
<context>
    <name>PdfDocumentModel</name>
    <message>
        <source>该 PDF 文件没有页面，无法插入。</source>
        <translation>Este archivo PDF no tiene páginas y no se puede insertar.</translation>
    </message>
</context>
<context>
    <name>PdfUndoManager</name>
    <message>
        <source>复制页面</source>
        <translation>Duplicar páginas</translation>
    </message>
    <message>
        <source>插入空白页</source>
        <translation>Insertar página en blanco</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insertar PDF</translation>
    </message>
    <message>
        <source>删除页面</source>
        <translation>Eliminar páginas</translation>
    </message>
    <message>
        <source>向左旋转页面</source>
        <translation>Girar páginas a la izquierda</translation>
    </message>
    <message>
        <source>向右旋转页面</source>
        <translation>Girar páginas a la derecha</translation>
    </message>
    <message>
        <source>移动页面</source>
        <translation>Mover páginas</translation>
    </message>
</context>
<context>
    <name>RecentFileListView</name>
    <message>
        <source>未找到匹配的文件</source>
        <translation>No hay archivos coincidentes</translation>
    </message>
    <message>
        <source>请尝试其他关键词</source>
        <translation>Pruebe con otras palabras clave</translation>
    </message>
    <message>
        <source>暂无最近文件</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>打开的 PDF 文件会显示在这里</source>
        <translation>Los archivos PDF que abra aparecerán aquí</translation>
    </message>
</context>
<context>
    <name>SearchBarWidget</name>
    <message>
        <source>搜索文件</source>
        <translation>Buscar archivos</translation>
    </message>
</context>
<context>
    <name>SideNavigationBar</name>
    <message>
        <source> 打开</source>
        <translation> Abrir</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>全部文档</source>
        <translation>Todos los documentos</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>压缩PDF</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF a Office</translation>
    </message>
    <message>
        <source>Office 转为 PDF</source>
        <translation>Office a PDF</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF a imágenes</translation>
    </message>
    <message>
        <source>图像转 PDF</source>
        <translation>Imágenes a PDF</translation>
    </message>
    <message>
        <source>加密PDF</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>解锁PDF</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>合并PDF</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>打开 PDF 文件</source>
        <translation>Abrir archivo PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>语言设置</source>
        <translation>Configuración de idioma</translation>
    </message>
    <message>
        <source>Account and subscription</source>
        <translation>Cuenta y suscripción</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
