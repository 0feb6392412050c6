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
    <message>
        <source>无法连接账户服务，请检查网络连接。</source>
        <translation>No se puede conectar con el servicio de cuentas. Compruebe su conexión de red.</translation>
    </message>
    <message>
        <source>账户服务暂时无法完成请求。</source>
        <translation>El servicio de cuentas no puede completar la solicitud en este momento.</translation>
    </message>
</context>
<context>
    <name>BatchToolPage</name>
    <message>
        <source>任务仍在运行</source>
        <translation>Hay tareas en curso</translation>
    </message>
    <message numerus="yes">
        <source>还有 %n 个任务尚未完成。取消后，这些任务不会留下任何输出文件。</source>
        <translation>
            <numerusform>%n tarea aún no ha terminado. Si la cancela, no dejará ningún archivo de salida.</numerusform>
            <numerusform>%n tareas aún no han terminado. Si las cancela, no dejarán ningún archivo de salida.</numerusform>
        </translation>
    </message>
    <message>
        <source>取消任务</source>
        <translation>Cancelar tareas</translation>
    </message>
    <message>
        <source>继续等待</source>
        <translation>Seguir esperando</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>No se puede abrir</translation>
    </message>
    <message>
        <source>没有可以打开它的程序。</source>
        <translation>No hay ningún programa que pueda abrirlo.</translation>
    </message>
    <message>
        <source>无法创建输出文件夹</source>
        <translation>No se puede crear la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>阅读 PDF、整理页面并批量处理 PDF 文件。</source>
        <translation>Leer archivos PDF, reorganizar sus páginas y procesar archivos PDF por lotes.</translation>
    </message>
    <message>
        <source>显示此帮助并退出。</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>显示版本并退出。</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>第一个文件从第 &lt;页码&gt; 页打开。</source>
        <translation>Abrir el primer archivo en la página &lt;página&gt;.</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>página</translation>
    </message>
    <message>
        <source>打开一个新窗口，不把文件交给已在运行的 Velmora。</source>
        <translation>Abrir una ventana nueva en lugar de pasar los archivos al Velmora en ejecución.</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>archivos</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件，可以有多个。</source>
        <translation>Los archivos PDF que se abrirán, uno o varios.</translation>
    </message>
    <message>
        <source>[文件…]</source>
        <translation>[archivos…]</translation>
    </message>
    <message>
        <source>页码必须是正整数：%1</source>
        <translation>La página debe ser un número entero positivo: %1</translation>
    </message>
    <message>
        <source>--page 需要一个要打开的文件。</source>
        <translation>--page necesita un archivo que abrir.</translation>
    </message>
    <message>
        <source>用 --help 查看可用的选项。</source>
        <translation>Use --help para ver las opciones disponibles.</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>转换结果写入 &lt;文件夹&gt;。</source>
        <translation>Escribir los resultados en &lt;carpeta&gt;.</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>不支持转换为此格式：%1</source>
        <translation>No se admite la conversión a este formato: %1</translation>
    </message>
    <message>
        <source>--outdir 需要一个文件夹。</source>
        <translation>--outdir necesita una carpeta.</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>No se puede crear la carpeta: %1</translation>
    </message>
    <message>
        <source>不打开窗口，把文件转换为 &lt;格式&gt;（pdf、docx、xlsx、pptx）。</source>
        <translation>Convertir los archivos a &lt;formato&gt; (pdf, docx, xlsx, pptx) sin abrir una ventana.</translation>
    </message>
    <message>
        <source>不打开窗口，识别扫描页面的文字，写入可搜索的 PDF。</source>
        <translation>Reconocer el texto de páginas escaneadas sin abrir una ventana y escribir un PDF con búsqueda.</translation>
    </message>
    <message>
        <source>文字识别的语言，例如 eng+chi_sim。</source>
        <translation>Idiomas del reconocimiento de texto, por ejemplo eng+chi_sim.</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>idiomas</translation>
    </message>
    <message>
        <source>未安装这些语言的识别数据：%1（已安装：%2）</source>
        <translation>No hay datos de reconocimiento instalados para estos idiomas: %1 (instalados: %2)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>不打开窗口，检查文件的数字签名：每个签名一行（文件、字段、签名者、结论）。</source>
        <translation>Comprobar las firmas digitales de los archivos sin abrir una ventana: una línea por firma (archivo, campo, firmante, resultado).</translation>
    </message>
    <message>
        <source>不打开窗口，为文件签名，写入新文件 &lt;名称&gt;-signed.pdf。证书密码从标准输入或 VELMORA_CERT_PASSWORD 读取。</source>
        <translation>Firmar los archivos sin abrir una ventana y escribir un archivo nuevo &lt;nombre&gt;-signed.pdf. La contraseña del certificado se lee de la entrada estándar o de VELMORA_CERT_PASSWORD.</translation>
    </message>
    <message>
        <source>签名用的证书文件（.p12、.pfx）。</source>
        <translation>Archivo de certificado para firmar (.p12, .pfx).</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>certificado</translation>
    </message>
    <message>
        <source>要签名的空签名字段。</source>
        <translation>El campo de firma vacío que se firmará.</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>签名框：x,y,宽,高（磅，从页面左上角算起），与 --page 一起使用。</source>
        <translation>Recuadro de la firma: x,y,ancho,alto (en puntos, desde la esquina superior izquierda de la página); se usa junto con --page.</translation>
    </message>
    <message>
        <source>框</source>
        <translation>recuadro</translation>
    </message>
    <message>
        <source>签名的原因。</source>
        <translation>Motivo de la firma.</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>motivo</translation>
    </message>
    <message>
        <source>时间戳服务器的地址（RFC 3161）。</source>
        <translation>Dirección del servidor de marcas de tiempo (RFC 3161).</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>--verify 不能与 --sign 一起使用。</source>
        <translation>--verify no se puede usar junto con --sign.</translation>
    </message>
    <message>
        <source>--sign 需要要签名的 PDF 文件。</source>
        <translation>--sign necesita los archivos PDF que firmar.</translation>
    </message>
    <message>
        <source>--verify 需要要检查的 PDF 文件。</source>
        <translation>--verify necesita los archivos PDF que comprobar.</translation>
    </message>
    <message>
        <source>--verify 不接受签名的选项。</source>
        <translation>--verify no acepta opciones de firma.</translation>
    </message>
    <message>
        <source>--sign 需要 --cert 证书文件。</source>
        <translation>--sign necesita un archivo de certificado con --cert.</translation>
    </message>
    <message>
        <source>--field 不能与 --page 或 --rect 一起使用。</source>
        <translation>--field no se puede usar junto con --page ni con --rect.</translation>
    </message>
    <message>
        <source>--page 和 --rect 要一起使用。</source>
        <translation>--page y --rect se deben usar juntos.</translation>
    </message>
    <message>
        <source>--rect 需要 x,y,宽,高 四个数，宽和高大于 0：%1</source>
        <translation>--rect necesita cuatro números x,y,ancho,alto, con ancho y alto mayores que 0: %1</translation>
    </message>
    <message>
        <source>--%1 只能与 --sign 一起使用。</source>
        <translation>--%1 solo se puede usar con --sign.</translation>
    </message>
    <message>
        <source>证书文件不存在：%1</source>
        <translation>El archivo de certificado no existe: %1</translation>
    </message>
    <message>
        <source>没有可用的显示器：窗口需要图形会话（DISPLAY 或 WAYLAND_DISPLAY）。命令行功能无需显示器，见 --help。</source>
        <translation>No hay ninguna pantalla disponible: la ventana necesita una sesión gráfica (DISPLAY o WAYLAND_DISPLAY). Las funciones de línea de comandos funcionan sin ella; consulte --help.</translation>
    </message>
    <message>
        <source>从 VELMORA_PASSWORD 或标准输入的第一行读取密码：--encrypt 的新密码，--unlock 和其他工具打开文件用的密码。</source>
        <translation>Leer una contraseña de VELMORA_PASSWORD o de la primera línea de la entrada estándar: la nueva contraseña para --encrypt, la que abre los archivos para --unlock y las demás herramientas.</translation>
    </message>
    <message>
        <source>%1 不能与 %2 一起使用。</source>
        <translation>%1 no se puede usar junto con %2.</translation>
    </message>
    <message>
        <source>%1 只能与 %2 一起使用。</source>
        <translation>%1 solo se puede usar junto con %2.</translation>
    </message>
    <message>
        <source>%1 需要一个值。</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>%1 只能是 %2：%3</source>
        <translation>%1 debe ser uno de %2: %3</translation>
    </message>
    <message>
        <source>%1 需要要处理的文件。</source>
        <translation>%1 necesita los archivos que procesar.</translation>
    </message>
    <message>
        <source>%1 需要 --password。</source>
        <translation>%1 necesita --password.</translation>
    </message>
    <message>
        <source>不打开窗口，压缩 PDF 文件，写入新文件。</source>
        <translation>Comprimir archivos PDF sin abrir una ventana y escribir archivos nuevos.</translation>
    </message>
    <message>
        <source>不打开窗口，把 PDF 的每一页存为图像，每个文件一个文件夹。</source>
        <translation>Guardar cada página de los archivos PDF como imagen sin abrir una ventana, una carpeta por archivo.</translation>
    </message>
    <message>
        <source>不打开窗口，把图像（JPEG、PNG）转为 PDF。</source>
        <translation>Convertir imágenes (JPEG, PNG) a PDF sin abrir una ventana.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码保护 PDF 文件，写入新文件。</source>
        <translation>Proteger archivos PDF con la contraseña indicada con --password sin abrir una ventana y escribir archivos nuevos.</translation>
    </message>
    <message>
        <source>不打开窗口，用 --password 给出的密码去除 PDF 文件的保护，写入新文件。</source>
        <translation>Quitar la protección de archivos PDF con la contraseña indicada con --password sin abrir una ventana y escribir archivos nuevos.</translation>
    </message>
    <message>
        <source>不打开窗口，按给出的顺序把 PDF 文件合并为一个。</source>
        <translation>Combinar los archivos PDF en uno, en el orden indicado, sin abrir una ventana.</translation>
    </message>
    <message>
        <source>压缩程度：basic（默认）或 strong。</source>
        <translation>Nivel de compresión: basic (predeterminado) o strong.</translation>
    </message>
    <message>
        <source>程度</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>图像格式：jpg（默认）或 png。</source>
        <translation>Formato de imagen: jpg (predeterminado) o png.</translation>
    </message>
    <message>
        <source>所有图像写入一个 PDF。</source>
        <translation>Escribir todas las imágenes en un solo PDF.</translation>
    </message>
    <message>
        <source>页面大小：a4（默认）或 letter。</source>
        <translation>Tamaño de página: a4 (predeterminado) o letter.</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>页边距：none（默认）、narrow 或 wide。</source>
        <translation>Márgenes: none (predeterminado), narrow o wide.</translation>
    </message>
    <message>
        <source>边距</source>
        <translation>márgenes</translation>
    </message>
    <message>
        <source>页面方向：portrait（默认）或 landscape。</source>
        <translation>Orientación de página: portrait (predeterminada) o landscape.</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>orientación</translation>
    </message>
    <message>
        <source>在文件之间插入一页空白页。</source>
        <translation>Insertar una página en blanco entre los archivos.</translation>
    </message>
    <message>
        <source>已有文字的页面也重新识别。</source>
        <translation>Reconocer también las páginas que ya tienen texto.</translation>
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
    <name>CustomTabWidget</name>
    <message>
        <source>全部标签页</source>
        <translation>Todas las pestañas</translation>
    </message>
</context>
<context>
    <name>FileDropZoneWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>Elegir archivos PDF</translation>
    </message>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Añada archivos PDF o arrástrelos desde su escritorio para convertirlos.</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Añadir archivos</translation>
    </message>
</context>
<context>
    <name>FileHistoryModel</name>
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
    <name>FileListItem</name>
    <message>
        <source>拖动排序</source>
        <translation>Arrastrar para ordenar</translation>
    </message>
</context>
<context>
    <name>FileListWidget</name>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>选择 PDF</source>
        <translation>Elegir archivos PDF</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Quitar todo</translation>
    </message>
</context>
<context>
    <name>FileLocationSelector</name>
    <message>
        <source>文件保存位置</source>
        <translation>Ubicación de guardado</translation>
    </message>
    <message>
        <source>原始文件夹</source>
        <translation>Carpeta de origen</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>自定义文件夹</source>
        <translation>Carpeta personalizada</translation>
    </message>
    <message>
        <source>选择其他文件夹…</source>
        <translation>Elegir otra carpeta…</translation>
    </message>
    <message>
        <source>选择文件保存位置</source>
        <translation>Elegir dónde guardar los archivos</translation>
    </message>
</context>
<context>
    <name>FileProtectionCheck</name>
    <message>
        <source>更改“%1”的保护需要所有者密码，请输入：</source>
        <translation>Para cambiar la protección de «%1» se necesita la contraseña de propietario. Introdúzcala:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>«%1» está cifrado. Introduzca su contraseña:</translation>
    </message>
    <message>
        <source>密码错误，请重试。</source>
        <translation>Contraseña incorrecta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Se requiere contraseña</translation>
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
        <translation>Imágenes a PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Tamaño de página</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter(US)</source>
        <translation>Letter (EE. UU.)</translation>
    </message>
    <message>
        <source>页边距选项</source>
        <translation>Opciones de margen</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>窄</source>
        <translation>Estrechos</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Anchos</translation>
    </message>
    <message>
        <source>页面方向</source>
        <translation>Orientación de la página</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>转换为单个PDF</source>
        <translation>Convertir en un solo PDF</translation>
    </message>
    <message>
        <source>每张图像都将保存为单个PDF</source>
        <translation>Todas las imágenes se guardarán en un solo PDF</translation>
    </message>
</context>
<context>
    <name>ImageToPdfPage</name>
    <message>
        <source>添加或拖拽图像文件进行转换。</source>
        <translation>Añada archivos de imagen o arrástrelos aquí para convertirlos.</translation>
    </message>
    <message>
        <source>图像文件 (*.jpg *.jpeg *.png)</source>
        <translation>Archivos de imagen (*.jpg *.jpeg *.png)</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>Elegir imágenes</translation>
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
    <message>
        <source>%1（未保存）</source>
        <translation>%1 (sin guardar)</translation>
    </message>
    <message>
        <source>只打开了 PDF 文件</source>
        <translation>Solo se abrieron los archivos PDF</translation>
    </message>
    <message>
        <source>以下文件不是 PDF，未打开：</source>
        <translation>Estos archivos no son PDF y no se abrieron:</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>以下路径不存在，或不是文件：</source>
        <translation>Estas rutas no existen o no son archivos:</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>以下文档有未保存的修改，切换前是否保存？</source>
        <translation>Estos documentos tienen cambios sin guardar. ¿Guardarlos antes de cambiar?</translation>
    </message>
    <message>
        <source>全部保存</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>文字识别</source>
        <translation>Reconocimiento de texto</translation>
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
    <name>OfficeToPdfOptionsPanel</name>
    <message>
        <source>Office转为PDF</source>
        <translation>Office a PDF</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>将 Word、PowerPoint 和 Excel 文件转换为 PDF</source>
        <translation>Convertir archivos de Word, PowerPoint y Excel a PDF</translation>
    </message>
    <message>
        <source>未找到 LibreOffice</source>
        <translation>No se encontró LibreOffice</translation>
    </message>
    <message>
        <source>请从 libreoffice.org 下载并安装 LibreOffice。</source>
        <translation>Descargue e instale LibreOffice desde libreoffice.org.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</source>
        <translation>Para instalarlo: sudo apt install libreoffice-writer-nogui libreoffice-calc-nogui libreoffice-impress-nogui</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，无法转换 Office 文件。</source>
        <translation>No se encontró LibreOffice; no se pueden convertir archivos de Office.</translation>
    </message>
</context>
<context>
    <name>OfficeToPdfPage</name>
    <message>
        <source>添加或拖拽文件进行转换。</source>
        <translation>Añada archivos o arrástrelos aquí para convertirlos.</translation>
    </message>
    <message>
        <source>Office 文件 (%1)</source>
        <translation>Archivos de Office (%1)</translation>
    </message>
    <message>
        <source>选择 Office 文件</source>
        <translation>Elegir archivos de Office</translation>
    </message>
</context>
<context>
    <name>OutputLocationChoice</name>
    <message>
        <source>原始文件</source>
        <translation>Carpeta de origen</translation>
    </message>
    <message>
        <source>桌面</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Velmora文件</source>
        <translation>Archivos de Velmora</translation>
    </message>
    <message>
        <source>选择位置...</source>
        <translation>Elegir ubicación...</translation>
    </message>
    <message>
        <source>路径中有一个同名的文件：%1</source>
        <translation>Hay un archivo con el mismo nombre en la ruta: %1</translation>
    </message>
    <message>
        <source>没有在此创建文件夹的权限：%1</source>
        <translation>Sin permiso para crear una carpeta aquí: %1</translation>
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
    <name>PdfAnnotationLayer</name>
    <message>
        <source>所选批注的样式</source>
        <translation>Estilo del comentario seleccionado</translation>
    </message>
    <message>
        <source>%1工具的样式</source>
        <translation>Estilo de la herramienta %1</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationMenu</name>
    <message>
        <source>编辑文字</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>编辑批注文字</source>
        <translation>Editar el texto del comentario</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Eliminar comentario</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationModel</name>
    <message>
        <source>添加批注</source>
        <translation>Añadir comentario</translation>
    </message>
    <message>
        <source>编辑批注</source>
        <translation>Editar comentario</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Eliminar comentario</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Resaltado</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Cuadro de texto</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>A mano alzada</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>其他批注</source>
        <translation>Otro comentario</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationStyleMenu</name>
    <message>
        <source>红色</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>橙色</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>黄色</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>绿色</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>自定义…</source>
        <translation>Personalizado…</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>填充</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>无填充</source>
        <translation>Sin relleno</translation>
    </message>
    <message>
        <source>线宽：%1 磅</source>
        <translation>Grosor: %1 pt</translation>
    </message>
    <message>
        <source>%1 磅</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>线型：虚线</source>
        <translation>Línea: discontinua</translation>
    </message>
    <message>
        <source>线型：实线</source>
        <translation>Línea: continua</translation>
    </message>
    <message>
        <source>实线</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Discontinua</translation>
    </message>
    <message>
        <source>字号：%1 磅</source>
        <translation>Tamaño de fuente: %1 pt</translation>
    </message>
    <message>
        <source>不透明度：%1%</source>
        <translation>Opacidad: %1 %</translation>
    </message>
</context>
<context>
    <name>PdfAnnotationTextEditor</name>
    <message>
        <source>完成</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>保存文字 (Ctrl+Enter)</source>
        <translation>Guardar el texto (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>输入批注…</source>
        <translation>Escriba un comentario…</translation>
    </message>
</context>
<context>
    <name>PdfBottomControlBar</name>
    <message>
        <source>上一页</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>缩放比例：选择或输入百分比</source>
        <translation>Zoom: elija o escriba un porcentaje</translation>
    </message>
    <message>
        <source>适合宽度</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>未适合窗口：点按适合宽度</source>
        <translation>Sin ajustar a la ventana: haga clic para ajustar al ancho</translation>
    </message>
</context>
<context>
    <name>PdfCommentsPanel</name>
    <message>
        <source>正在读取批注…</source>
        <translation>Leyendo comentarios…</translation>
    </message>
    <message>
        <source>此文档没有批注</source>
        <translation>Este documento no tiene comentarios</translation>
    </message>
    <message>
        <source>编辑文字</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>已接受</source>
        <translation>Aceptado</translation>
    </message>
    <message>
        <source>已拒绝</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>已完成</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>已标记</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>未标记</source>
        <translation>Sin marcar</translation>
    </message>
    <message>
        <source>%1. 第 %2 页 · %3</source>
        <translation>%1. Página %2 · %3</translation>
    </message>
    <message>
        <source>状态：%1</source>
        <translation>Estado: %1</translation>
    </message>
    <message>
        <source>回复</source>
        <translation>Respuesta</translation>
    </message>
</context>
<context>
    <name>PdfCompressOptionsPanel</name>
    <message>
        <source>压缩PDF</source>
        <translation>Comprimir PDF</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>选择压缩等级</source>
        <translation>Elija el nivel de compresión</translation>
    </message>
    <message>
        <source>基本</source>
        <translation>Básica</translation>
    </message>
    <message>
        <source>文件尺寸适中，质量最</source>
        <translation>Tamaño medio, máxima calidad</translation>
    </message>
    <message>
        <source>强</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>文件最小，质量</source>
        <translation>Tamaño mínimo, calidad reducida</translation>
    </message>
</context>
<context>
    <name>PdfCompressPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始压缩。</source>
        <translation>Añada archivos PDF o arrástrelos desde su escritorio para comprimirlos.</translation>
    </message>
</context>
<context>
    <name>PdfConvertOptionsPanel</name>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF a imágenes</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>选择图像格式</source>
        <translation>Elija el formato de imagen</translation>
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
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>提取单个图像</source>
        <translation>Extraer las imágenes</translation>
    </message>
    <message>
        <source>PDF 中的每张图像都将保存为单张图像</source>
        <translation>Cada imagen contenida en el PDF se guardará en un archivo independiente</translation>
    </message>
</context>
<context>
    <name>PdfConvertPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始转换。</source>
        <translation>Añada archivos PDF o arrástrelos desde su escritorio para convertirlos.</translation>
    </message>
</context>
<context>
    <name>PdfDecryOptionsPanel</name>
    <message>
        <source>解锁PDF</source>
        <translation>Desbloquear PDF</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>Este campo es obligatorio</translation>
    </message>
</context>
<context>
    <name>PdfDecryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始解密。</source>
        <translation>Añada archivos PDF o arrástrelos desde su escritorio para desbloquearlos.</translation>
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
    <name>PdfDocumentSession</name>
    <message>
        <source>另一个标签页正在使用“%1”，无法替换它。</source>
        <translation>«%1» está en uso en otra pestaña y no se puede reemplazar.</translation>
    </message>
</context>
<context>
    <name>PdfDocumentView</name>
    <message>
        <source>正在渲染第 %1 页…</source>
        <translation>Renderizando la página %1…</translation>
    </message>
</context>
<context>
    <name>PdfEncryOptionsPanel</name>
    <message>
        <source>加密PDF</source>
        <translation>Cifrar PDF</translation>
    </message>
    <message>
        <source>添加密码</source>
        <translation>Añadir contraseña</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>重新输入密码</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>此项目为必填项</source>
        <translation>Este campo es obligatorio</translation>
    </message>
    <message>
        <source>两个密码应该匹配</source>
        <translation>Las dos contraseñas deben coincidir</translation>
    </message>
    <message>
        <source>更多选项</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>所有者密码</source>
        <translation>Contraseña de propietario</translation>
    </message>
    <message>
        <source>留空则与上面的密码相同</source>
        <translation>Déjelo vacío para usar la contraseña de arriba</translation>
    </message>
    <message>
        <source>允许打印</source>
        <translation>Permitir imprimir</translation>
    </message>
    <message>
        <source>允许复制内容</source>
        <translation>Permitir copiar el contenido</translation>
    </message>
    <message>
        <source>允许修改</source>
        <translation>Permitir modificaciones</translation>
    </message>
    <message>
        <source>限制权限需要一个与密码不同的所有者密码</source>
        <translation>Restringir los permisos requiere una contraseña de propietario distinta de la contraseña</translation>
    </message>
</context>
<context>
    <name>PdfEncryPage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始加密。</source>
        <translation>Añada archivos PDF o arrástrelos desde su escritorio para cifrarlos.</translation>
    </message>
</context>
<context>
    <name>PdfExtractSplitWriter</name>
    <message>
        <source>未命名</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>提取失败</source>
        <translation>Error al extraer</translation>
    </message>
    <message>
        <source>正在提取页面</source>
        <translation>Extrayendo páginas</translation>
    </message>
    <message>
        <source>提取完成</source>
        <translation>Extracción completada</translation>
    </message>
    <message>
        <source>部分页面提取失败</source>
        <translation>No se pudieron extraer algunas páginas</translation>
    </message>
    <message>
        <source>拆分失败</source>
        <translation>Error al dividir</translation>
    </message>
    <message>
        <source>正在拆分 PDF</source>
        <translation>Dividiendo el PDF</translation>
    </message>
    <message>
        <source>拆分完成</source>
        <translation>División completada</translation>
    </message>
    <message>
        <source>部分文件拆分失败</source>
        <translation>No se pudieron crear algunos archivos</translation>
    </message>
    <message>
        <source>无法创建目标文件夹。</source>
        <translation>No se pudo crear la carpeta de destino.</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Escribiendo en el disco. Los archivos grandes pueden tardar un poco.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>No cierre el programa hasta que termine.</translation>
    </message>
    <message>
        <source>已生成 %1 个 PDF 文件。
%2</source>
        <translation>Archivos PDF creados: %1.
%2</translation>
    </message>
    <message>
        <source>已生成 %1 个文件，%2 个文件失败。

%3</source>
        <translation>Archivos creados: %1. Errores: %2.

%3</translation>
    </message>
    <message numerus="yes">
        <source>…以及另外 %n 个文件</source>
        <translation>
            <numerusform>… y %n archivo más</numerusform>
            <numerusform>… y %n archivos más</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件夹</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>PdfFindBar</name>
    <message>
        <source>在文档中查找</source>
        <translation>Buscar en el documento</translation>
    </message>
    <message>
        <source>上一处</source>
        <translation>Resultado anterior</translation>
    </message>
    <message>
        <source>下一处</source>
        <translation>Resultado siguiente</translation>
    </message>
    <message>
        <source>关闭查找</source>
        <translation>Cerrar búsqueda</translation>
    </message>
    <message>
        <source>已查找 %1/%2 页</source>
        <translation>%1 de %2 páginas buscadas</translation>
    </message>
    <message>
        <source>第 %1/%2 处</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>共 %1 处</source>
        <translation>%1 resultados</translation>
    </message>
    <message>
        <source>正在查找…</source>
        <translation>Buscando…</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Reconocer texto</translation>
    </message>
    <message numerus="yes">
        <source>%n 页没有文字（可能是扫描件）。识别文字后即可查找。</source>
        <translation>
            <numerusform>%n página no tiene texto (puede ser un escaneo). Reconozca su texto para buscar en ella.</numerusform>
            <numerusform>%n páginas no tienen texto (pueden ser escaneos). Reconozca su texto para buscar en ellas.</numerusform>
        </translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Distinguir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>Solo palabras completas</translation>
    </message>
    <message>
        <source>显示所有结果</source>
        <translation>Mostrar todos los resultados</translation>
    </message>
    <message>
        <source>隐藏结果列表</source>
        <translation>Ocultar la lista de resultados</translation>
    </message>
</context>
<context>
    <name>PdfFindResultsModel</name>
    <message>
        <source>第 %1 页</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>PdfInsertDropZone</name>
    <message>
        <source>插入 PDF
或将多个 PDF 拖放至此处</source>
        <translation>Insertar PDF
o soltar archivos PDF aquí</translation>
    </message>
</context>
<context>
    <name>PdfMergeOptionsPanel</name>
    <message>
        <source>合并PDF</source>
        <translation>Combinar PDF</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Páginas en blanco</translation>
    </message>
    <message>
        <source>在合并之前，你可以在文件之间插入空白页</source>
        <translation>Antes de combinar, puede insertar páginas en blanco entre los archivos</translation>
    </message>
</context>
<context>
    <name>PdfMergePage</name>
    <message>
        <source>从你的桌面上添加或拖放PDF文件，开始合并。</source>
        <translation>Añada archivos PDF o arrástrelos desde su escritorio para combinarlos.</translation>
    </message>
</context>
<context>
    <name>PdfOperationSidePanel</name>
    <message>
        <source>将选定页面提取为单个文件</source>
        <translation>Extraer las páginas seleccionadas en un solo archivo</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>将每个页面拆分为单个文件</source>
        <translation>Dividir cada página en un archivo independiente</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>文件提取选项</source>
        <translation>Opciones de extracción</translation>
    </message>
    <message>
        <source>将选定页面另存为</source>
        <translation>Guardar las páginas seleccionadas como</translation>
    </message>
    <message>
        <source>文件拆分选项</source>
        <translation>Opciones de división</translation>
    </message>
    <message>
        <source>输出预览</source>
        <translation>Vista previa del resultado</translation>
    </message>
    <message>
        <source>文件位置</source>
        <translation>Ubicación de los archivos</translation>
    </message>
    <message>
        <source>请先选择要提取的页面</source>
        <translation>Seleccione primero las páginas que desea extraer</translation>
    </message>
    <message>
        <source>%1-%2.pdf
第 %2 页</source>
        <translation>%1-%2.pdf
Página %2</translation>
    </message>
    <message>
        <source>%1
第 %2 页</source>
        <translation>%1
Página %2</translation>
    </message>
    <message>
        <source>%1-extracted.pdf
页面 %2</source>
        <translation>%1-extracted.pdf
Páginas %2</translation>
    </message>
    <message>
        <source>%1
页面 %2</source>
        <translation>%1
Páginas %2</translation>
    </message>
    <message>
        <source>点击页面之间的虚线，可以自定义拆分文件。</source>
        <translation>Haga clic en la línea discontinua entre las páginas para elegir dónde dividir el archivo.</translation>
    </message>
    <message>
        <source>%1-%2.pdf
页面 %3-%4</source>
        <translation>%1-%2.pdf
Páginas %3-%4</translation>
    </message>
    <message>
        <source>%1
页面 %2-%3</source>
        <translation>%1
Páginas %2-%3</translation>
    </message>
</context>
<context>
    <name>PdfOutlinePanel</name>
    <message>
        <source>正在读取书签…</source>
        <translation>Leyendo los marcadores…</translation>
    </message>
    <message>
        <source>此文档没有书签</source>
        <translation>Este documento no tiene marcadores</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Marcadores</translation>
    </message>
</context>
<context>
    <name>PdfPageCardMenu</name>
    <message>
        <source>创建副本</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Insertar una página en blanco después</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insertar PDF</translation>
    </message>
</context>
<context>
    <name>PdfPageManagerView</name>
    <message>
        <source>正在生成预览…</source>
        <translation>Generando la vista previa…</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Acercar</translation>
    </message>
</context>
<context>
    <name>PdfPageMenu</name>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>全选本页文字</source>
        <translation>Seleccionar todo el texto de esta página</translation>
    </message>
    <message>
        <source>查找所选文字</source>
        <translation>Buscar el texto seleccionado</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Resaltar</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Subrayar</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Tachar</translation>
    </message>
</context>
<context>
    <name>PdfPageNumberDialog</name>
    <message>
        <source>添加页码</source>
        <translation>Agregar números de página</translation>
    </message>
    <message>
        <source>底部居中</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>底部右侧</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>底部左侧</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>顶部居中</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>顶部右侧</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>顶部左侧</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>页码（1, 2, 3…）</source>
        <translation>Número de página (1, 2, 3…)</translation>
    </message>
    <message>
        <source>页码 / 总页数（1 / 12）</source>
        <translation>Página / total (1 / 12)</translation>
    </message>
    <message>
        <source> 磅</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>起始页码</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Agregar</translation>
    </message>
</context>
<context>
    <name>PdfPageToneMenu</name>
    <message>
        <source>页面颜色</source>
        <translation>Colores de página</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>反色（夜间）</source>
        <translation>Invertidos (noche)</translation>
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
        <translation>Imprimir PDF</translation>
    </message>
    <message>
        <source>打印失败</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>No se pudo iniciar la impresión.</translation>
    </message>
    <message>
        <source>打印未完成</source>
        <translation>Impresión incompleta</translation>
    </message>
    <message>
        <source>第 %1 页渲染失败。</source>
        <translation>No se pudo renderizar la página %1.</translation>
    </message>
    <message>
        <source>打印机无法创建新页面。</source>
        <translation>La impresora no pudo crear una página nueva.</translation>
    </message>
    <message>
        <source>正在取消打印…</source>
        <translation>Cancelando la impresión…</translation>
    </message>
    <message>
        <source>已完成 %1 / %2 页</source>
        <translation>%1 de %2 páginas listas</translation>
    </message>
    <message>
        <source>正在打印 PDF</source>
        <translation>Imprimiendo el PDF</translation>
    </message>
    <message>
        <source>正在准备 %1 页，页数多时可能需要一些时间。</source>
        <translation>Preparando %1 páginas. Si son muchas, puede tardar un poco.</translation>
    </message>
    <message>
        <source>不能打印到文档正在读取的文件：%1</source>
        <translation>No se puede imprimir en un archivo del que el documento lee sus páginas: %1</translation>
    </message>
    <message>
        <source>打印完成</source>
        <translation>Impresión completada</translation>
    </message>
    <message>
        <source>已有同名文件，打印内容已保存为：
%1</source>
        <translation>Ya existe un archivo con ese nombre; la impresión se guardó como:
%1</translation>
    </message>
</context>
<context>
    <name>PdfPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 × %2 毫米</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Propiedades del documento</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>以逗号分隔</source>
        <translation>Separadas por comas</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Tamaño de página</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Versión de PDF</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Productor de PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>正在读取…</source>
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>未保存</source>
        <translation>Sin guardar</translation>
    </message>
    <message>
        <source>%1（各页大小不同）</source>
        <translation>%1 (páginas de distintos tamaños)</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>%1，已为快速网页查看优化</source>
        <translation>%1, optimizado para vista web rápida</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>不受限制</source>
        <translation>Sin restricciones</translation>
    </message>
    <message>
        <source>已加密</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>已加密（%1）</source>
        <translation>Cifrado (%1)</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>permitido</translation>
    </message>
    <message>
        <source>不允许</source>
        <translation>no permitido</translation>
    </message>
    <message>
        <source>打印：%1</source>
        <translation>Impresión: %1</translation>
    </message>
    <message>
        <source>仅低质量</source>
        <translation>solo baja calidad</translation>
    </message>
    <message>
        <source>修改内容：%1</source>
        <translation>Modificar el contenido: %1</translation>
    </message>
    <message>
        <source>复制文本和图像：%1</source>
        <translation>Copiar texto e imágenes: %1</translation>
    </message>
    <message>
        <source>添加注释：%1</source>
        <translation>Añadir comentarios: %1</translation>
    </message>
    <message>
        <source>填写表单：%1</source>
        <translation>Rellenar formularios: %1</translation>
    </message>
    <message>
        <source>组合页面：%1</source>
        <translation>Ensamblar páginas: %1</translation>
    </message>
    <message>
        <source>已用所有者密码打开，不受这些限制</source>
        <translation>Abierto con la contraseña de propietario: estas restricciones no se aplican</translation>
    </message>
    <message>
        <source>此文件的权限不允许修改文档属性。</source>
        <translation>Los permisos de este archivo no permiten cambiar sus propiedades.</translation>
    </message>
    <message>
        <source>无法读取文件的属性：%1</source>
        <translation>No se pueden leer las propiedades del archivo: %1</translation>
    </message>
    <message>
        <source>数字签名</source>
        <translation>Firmas digitales</translation>
    </message>
</context>
<context>
    <name>PdfReadingHistory</name>
    <message>
        <source>后退</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Adelante</translation>
    </message>
</context>
<context>
    <name>PdfReadingModes</name>
    <message>
        <source>页面布局</source>
        <translation>Diseño de página</translation>
    </message>
    <message>
        <source>连续滚动</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Una página</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Dos páginas</translation>
    </message>
    <message>
        <source>双页（封面单独显示）</source>
        <translation>Dos páginas (portada sola)</translation>
    </message>
    <message>
        <source>顺时针旋转视图</source>
        <translation>Girar la vista en sentido horario</translation>
    </message>
    <message>
        <source>逆时针旋转视图</source>
        <translation>Girar la vista en sentido antihorario</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>演示</source>
        <translation>Presentación</translation>
    </message>
</context>
<context>
    <name>PdfSignDialog</name>
    <message>
        <source>签名</source>
        <translation>Firmar</translation>
    </message>
    <message>
        <source>选择证书…</source>
        <translation>Elegir certificado…</translation>
    </message>
    <message>
        <source>在页面上画出签名框</source>
        <translation>Dibujar el recuadro de firma en la página</translation>
    </message>
    <message>
        <source>签名字段：%1（第 %2 页）</source>
        <translation>Campo de firma: %1 (página %2)</translation>
    </message>
    <message>
        <source>签名字段：%1</source>
        <translation>Campo de firma: %1</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>Firma invisible</translation>
    </message>
    <message>
        <source>可选，例如：同意此文档</source>
        <translation>Opcional, por ejemplo: Apruebo este documento</translation>
    </message>
    <message>
        <source>可选</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>可选：时间戳服务器地址（RFC 3161）</source>
        <translation>Opcional: dirección del servidor de marcas de tiempo (RFC 3161)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>选择图片…</source>
        <translation>Elegir imagen…</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>证书</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>签名位置</source>
        <translation>Posición de la firma</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>地点</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>时间戳</source>
        <translation>Marca de tiempo</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>未选择证书</source>
        <translation>Ningún certificado seleccionado</translation>
    </message>
    <message>
        <source>%1（签名时输入密码）</source>
        <translation>%1 (la contraseña se pide al firmar)</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1（%2，有效期至 %3）</source>
        <translation>%1 (%2, válido hasta el %3)</translation>
    </message>
    <message>
        <source>选择证书</source>
        <translation>Elegir certificado</translation>
    </message>
    <message>
        <source>证书文件 (*.p12 *.pfx)</source>
        <translation>Archivos de certificado (*.p12 *.pfx)</translation>
    </message>
    <message>
        <source>请输入证书“%1”的密码：</source>
        <translation>Introduzca la contraseña del certificado «%1»:</translation>
    </message>
    <message>
        <source>证书密码</source>
        <translation>Contraseña del certificado</translation>
    </message>
    <message>
        <source>证书密码错误，请重新输入：</source>
        <translation>La contraseña del certificado es incorrecta. Vuelva a introducirla:</translation>
    </message>
    <message>
        <source>无法打开证书</source>
        <translation>No se puede abrir el certificado</translation>
    </message>
    <message>
        <source>文件不是可用的证书（PKCS#12）。</source>
        <translation>El archivo no es un certificado utilizable (PKCS#12).</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Detalles técnicos: %1</translation>
    </message>
    <message>
        <source>选择签名图片</source>
        <translation>Elegir imagen de firma</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>无法使用图片</source>
        <translation>No se puede usar la imagen</translation>
    </message>
    <message>
        <source>图片无法读取。</source>
        <translation>No se puede leer la imagen.</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBar</name>
    <message>
        <source>签名面板</source>
        <translation>Panel de firmas</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Verificando firmas…</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>无法验证签名：文件无法读取</source>
        <translation>No se pueden verificar las firmas: no se puede leer el archivo</translation>
    </message>
</context>
<context>
    <name>PdfSignatureBoxTool</name>
    <message>
        <source>在页面上拖动，画出签名框；按 Esc 取消</source>
        <translation>Arrastre sobre la página para dibujar el recuadro de firma; pulse Esc para cancelar</translation>
    </message>
</context>
<context>
    <name>PdfSignatureTexts</name>
    <message>
        <source>批注</source>
        <translation>comentarios</translation>
    </message>
    <message>
        <source>表单</source>
        <translation>formularios</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>páginas</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>firmas</translation>
    </message>
    <message>
        <source>其他内容</source>
        <translation>otro contenido</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>证书不受信任（自签名证书）</source>
        <translation>El certificado no es de confianza (certificado autofirmado)</translation>
    </message>
    <message>
        <source>证书不受信任（证书已过期）</source>
        <translation>El certificado no es de confianza (ha caducado)</translation>
    </message>
    <message>
        <source>证书不受信任</source>
        <translation>El certificado no es de confianza</translation>
    </message>
    <message>
        <source>签名有效</source>
        <translation>Firma válida</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改</source>
        <translation>%1, con cambios permitidos tras la firma</translation>
    </message>
    <message>
        <source>%1，签名后有允许的更改（%2）</source>
        <translation>%1, con cambios permitidos tras la firma (%2)</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改</source>
        <translation>Firma válida, con cambios permitidos tras la firma</translation>
    </message>
    <message>
        <source>签名有效，签名后有允许的更改（%1）</source>
        <translation>Firma válida, con cambios permitidos tras la firma (%1)</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围</source>
        <translation>Los cambios tras la firma superan lo que permite la certificación</translation>
    </message>
    <message>
        <source>签名后的更改超出了认证允许的范围（%1）</source>
        <translation>Los cambios tras la firma superan lo que permite la certificación (%1)</translation>
    </message>
    <message>
        <source>签名后文档被更改</source>
        <translation>El documento se modificó tras la firma</translation>
    </message>
    <message>
        <source>签名后文档被更改（%1）</source>
        <translation>El documento se modificó tras la firma (%1)</translation>
    </message>
    <message>
        <source>签名无效：签名数据与内容不符</source>
        <translation>Firma no válida: los datos de la firma no coinciden con el contenido</translation>
    </message>
    <message>
        <source>签名无效：签名后内容被改动</source>
        <translation>Firma no válida: el contenido se modificó tras la firma</translation>
    </message>
    <message>
        <source>无法验证此签名</source>
        <translation>No se puede verificar esta firma</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Campo de firma vacío</translation>
    </message>
    <message>
        <source>未知签名者</source>
        <translation>Firmante desconocido</translation>
    </message>
    <message>
        <source>%1 个无效</source>
        <translation>%1 sin validez</translation>
    </message>
    <message>
        <source>%1 个签名后被更改</source>
        <translation>%1 con cambios tras la firma</translation>
    </message>
    <message>
        <source>%1 个不受信任</source>
        <translation>%1 sin certificado de confianza</translation>
    </message>
    <message>
        <source>%1 个无法验证</source>
        <translation>%1 sin verificar</translation>
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
        <translation>Firmado: %1 — %2</translation>
    </message>
    <message>
        <source>%1 个签名：全部有效</source>
        <translation>%1 firmas: todas válidas</translation>
    </message>
    <message>
        <source>%1 个签名：%2</source>
        <translation>%1 firmas: %2</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>%1 个（全部有效）</source>
        <translation>%1 (todas válidas)</translation>
    </message>
    <message>
        <source>%1 个（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>认证签名不允许更改此文档</source>
        <translation>La firma de certificación no permite modificar este documento</translation>
    </message>
    <message>
        <source>认证签名只允许填写表单和签名</source>
        <translation>La firma de certificación solo permite rellenar formularios y firmar</translation>
    </message>
    <message>
        <source>页面被移动</source>
        <translation>páginas movidas</translation>
    </message>
    <message>
        <source>页面被旋转</source>
        <translation>páginas giradas</translation>
    </message>
    <message>
        <source>页面被删除</source>
        <translation>páginas eliminadas</translation>
    </message>
    <message>
        <source>插入了页面</source>
        <translation>páginas insertadas</translation>
    </message>
    <message>
        <source>添加了页码</source>
        <translation>números de página añadidos</translation>
    </message>
    <message>
        <source>文档属性被修改</source>
        <translation>propiedades del documento modificadas</translation>
    </message>
    <message>
        <source>批注和表单将被扁平化</source>
        <translation>los comentarios y formularios se acoplarán</translation>
    </message>
    <message>
        <source>页面内容被替换</source>
        <translation>contenido de página reemplazado</translation>
    </message>
    <message>
        <source>以下更改需要重写整个文件：%1。</source>
        <translation>Los siguientes cambios requieren reescribir todo el archivo: %1.</translation>
    </message>
</context>
<context>
    <name>PdfSignaturesPanel</name>
    <message>
        <source>认证签名：不允许任何更改</source>
        <translation>Firma de certificación: no se permite ningún cambio</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单和签名</source>
        <translation>Firma de certificación: se permite rellenar formularios y firmar</translation>
    </message>
    <message>
        <source>认证签名：允许填写表单、签名和批注</source>
        <translation>Firma de certificación: se permite rellenar formularios, firmar y añadir comentarios</translation>
    </message>
    <message>
        <source>正在验证签名…</source>
        <translation>Verificando firmas…</translation>
    </message>
    <message>
        <source>无法读取文件中的签名。
%1</source>
        <translation>No se pueden leer las firmas del archivo.
%1</translation>
    </message>
    <message>
        <source>此文档没有签名</source>
        <translation>Este documento no tiene firmas</translation>
    </message>
    <message>
        <source>空签名字段</source>
        <translation>Campo de firma vacío</translation>
    </message>
    <message>
        <source>不可见签名</source>
        <translation>firma invisible</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>página %1</translation>
    </message>
    <message>
        <source>字段：%1（%2）</source>
        <translation>Campo: %1 (%2)</translation>
    </message>
    <message>
        <source>签名时间：%1</source>
        <translation>Fecha de la firma: %1</translation>
    </message>
    <message>
        <source>原因：%1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>位置：%1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <source>联系方式：%1</source>
        <translation>Contacto: %1</translation>
    </message>
    <message>
        <source>类型：%1</source>
        <translation>Tipo: %1</translation>
    </message>
    <message>
        <source>摘要算法：%1</source>
        <translation>Algoritmo de resumen: %1</translation>
    </message>
    <message>
        <source>第 %1 版（共 %2 版）</source>
        <translation>Revisión %1 de %2</translation>
    </message>
    <message>
        <source>时间戳：%1（有效）</source>
        <translation>Marca de tiempo: %1 (válida)</translation>
    </message>
    <message>
        <source>时间戳：%1（无效）</source>
        <translation>Marca de tiempo: %1 (no válida)</translation>
    </message>
    <message>
        <source>签名后的更改：%1</source>
        <translation>Cambios tras la firma: %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Detalles técnicos: %1</translation>
    </message>
    <message>
        <source>证书链</source>
        <translation>Cadena de certificados</translation>
    </message>
    <message>
        <source>颁发者：%1（自签名）</source>
        <translation>Emisor: %1 (autofirmado)</translation>
    </message>
    <message>
        <source>颁发者：%1</source>
        <translation>Emisor: %1</translation>
    </message>
    <message>
        <source>有效期：%1 至 %2</source>
        <translation>Validez: del %1 al %2</translation>
    </message>
    <message>
        <source>查看签名时的版本</source>
        <translation>Ver la versión firmada</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Firmas</translation>
    </message>
</context>
<context>
    <name>PdfTextRecognition</name>
    <message>
        <source>正在取消文字识别…</source>
        <translation>Cancelando el reconocimiento de texto…</translation>
    </message>
    <message>
        <source>无法识别文字</source>
        <translation>No se puede reconocer el texto</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据。</source>
        <translation>No hay datos de idioma instalados para el reconocimiento de texto.</translation>
    </message>
    <message>
        <source>未安装 %1 的文字识别语言数据。</source>
        <translation>Los datos de reconocimiento de texto para %1 no están instalados.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-%1</source>
        <translation>Para instalarlo: sudo apt install tesseract-ocr-%1</translation>
    </message>
    <message>
        <source>识别过程中出错，文档保持不变。</source>
        <translation>Se produjo un error durante el reconocimiento; el documento no ha cambiado.</translation>
    </message>
    <message>
        <source>无法创建临时文件夹。</source>
        <translation>No se puede crear la carpeta temporal.</translation>
    </message>
    <message>
        <source>正在识别文字</source>
        <translation>Reconociendo texto</translation>
    </message>
    <message>
        <source>正在识别没有文字的页面，每页需要几秒钟。</source>
        <translation>Reconociendo las páginas sin texto; cada página tarda unos segundos.</translation>
    </message>
    <message>
        <source>已完成 %1%</source>
        <translation>%1 % completado</translation>
    </message>
    <message>
        <source>无需识别文字</source>
        <translation>No hay texto que reconocer</translation>
    </message>
    <message>
        <source>此文档的每一页都已有文字。</source>
        <translation>Todas las páginas de este documento ya tienen texto.</translation>
    </message>
    <message>
        <source>识别文字</source>
        <translation>Reconocer texto</translation>
    </message>
</context>
<context>
    <name>PdfThumbnailPanel</name>
    <message>
        <source>正在生成缩略图…</source>
        <translation>Generando miniaturas…</translation>
    </message>
</context>
<context>
    <name>PdfToOfficeOptionsPanel</name>
    <message>
        <source>PDF转为Office</source>
        <translation>PDF a Office</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>选择转换类型</source>
        <translation>Elija el tipo de conversión</translation>
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
        <translation>Añada archivos PDF o arrástrelos desde su escritorio para convertirlos.</translation>
    </message>
</context>
<context>
    <name>PdfTopToolBar</name>
    <message>
        <source>文档阅读视图</source>
        <translation>Vista de lectura del documento</translation>
    </message>
    <message>
        <source>页面管理视图</source>
        <translation>Vista de gestión de páginas</translation>
    </message>
    <message>
        <source>显示或隐藏缩略图</source>
        <translation>Mostrar u ocultar las miniaturas</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>PDF 工具</source>
        <translation>Herramientas PDF</translation>
    </message>
    <message>
        <source>手形工具</source>
        <translation>Herramienta Mano</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>插入 PDF 或空白页</source>
        <translation>Insertar un PDF o una página en blanco</translation>
    </message>
    <message>
        <source>提取</source>
        <translation>Extraer</translation>
    </message>
    <message>
        <source>提取选定页面</source>
        <translation>Extraer las páginas seleccionadas</translation>
    </message>
    <message>
        <source>拆分</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>拆分 PDF</source>
        <translation>Dividir el PDF</translation>
    </message>
    <message>
        <source>向左旋转</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>向右旋转</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>删除选定页面</source>
        <translation>Eliminar las páginas seleccionadas</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>选择全部页面</source>
        <translation>Seleccionar todas las páginas</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>压缩</source>
        <translation>Comprimir</translation>
    </message>
    <message>
        <source>PDF 转为 Office</source>
        <translation>PDF a Office</translation>
    </message>
    <message>
        <source>PDF 转为图像</source>
        <translation>PDF a imágenes</translation>
    </message>
    <message>
        <source>加密 PDF</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>解锁 PDF</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>页面编号</source>
        <translation>Números de página</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>将文件保存为…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>高亮所选文字</source>
        <translation>Resaltar el texto seleccionado</translation>
    </message>
    <message>
        <source>为所选文字加下划线</source>
        <translation>Subrayar el texto seleccionado</translation>
    </message>
    <message>
        <source>为所选文字加删除线</source>
        <translation>Tachar el texto seleccionado</translation>
    </message>
    <message>
        <source>便笺</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Cuadro de texto</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>A mano alzada</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>颜色、线宽和不透明度</source>
        <translation>Color, grosor y opacidad</translation>
    </message>
    <message>
        <source>删除所选批注</source>
        <translation>Eliminar el comentario seleccionado</translation>
    </message>
    <message>
        <source>文档属性</source>
        <translation>Propiedades del documento</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Firmar</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面</source>
        <translation>El documento debe conservar al menos una página; no se pueden eliminar todas las páginas</translation>
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
    <message>
        <source>添加页码</source>
        <translation>Agregar números de página</translation>
    </message>
    <message>
        <source>删除页码</source>
        <translation>Quitar números de página</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>Rellenar formulario</translation>
    </message>
    <message>
        <source>修改文档属性</source>
        <translation>Cambiar las propiedades del documento</translation>
    </message>
</context>
<context>
    <name>PdfViewerWidget</name>
    <message>
        <source>文件不存在或已被移动。</source>
        <translation>El archivo no existe o se ha movido.</translation>
    </message>
    <message>
        <source>PDF 需要密码。</source>
        <translation>Este PDF requiere una contraseña.</translation>
    </message>
    <message>
        <source>PDF 密码错误。</source>
        <translation>La contraseña del PDF es incorrecta.</translation>
    </message>
    <message>
        <source>PDF 已损坏或格式不受支持。</source>
        <translation>El PDF está dañado o su formato no es compatible.</translation>
    </message>
    <message>
        <source>页面渲染失败。</source>
        <translation>No se pudo renderizar la página.</translation>
    </message>
    <message>
        <source>无法写入目标文件，请检查权限和磁盘空间。</source>
        <translation>No se pudo escribir el archivo de destino. Compruebe los permisos y el espacio en disco.</translation>
    </message>
    <message>
        <source>操作未完成。</source>
        <translation>La operación no se completó.</translation>
    </message>
    <message>
        <source>需要密码</source>
        <translation>Se requiere contraseña</translation>
    </message>
    <message>
        <source>无法打开 PDF</source>
        <translation>No se puede abrir el PDF</translation>
    </message>
    <message>
        <source>插入 PDF 失败</source>
        <translation>Error al insertar el PDF</translation>
    </message>
    <message>
        <source>插入 PDF</source>
        <translation>Insertar PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>在后面插入空白页</source>
        <translation>Insertar una página en blanco después</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>未命名.pdf</source>
        <translation>Sin título.pdf</translation>
    </message>
    <message>
        <source>将 PDF 保存为</source>
        <translation>Guardar PDF como</translation>
    </message>
    <message>
        <source>正在保存 PDF</source>
        <translation>Guardando el PDF</translation>
    </message>
    <message>
        <source>正在写入文件，大文件可能需要一些时间。</source>
        <translation>Escribiendo en el disco. Los archivos grandes pueden tardar un poco.</translation>
    </message>
    <message>
        <source>保存完成前请不要关闭程序。</source>
        <translation>No cierre el programa hasta que termine de guardarse.</translation>
    </message>
    <message>
        <source>保存 PDF 失败</source>
        <translation>Error al guardar el PDF</translation>
    </message>
    <message>
        <source>替换文件</source>
        <translation>Reemplazar archivo</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。重新载入将丢弃当前未保存的修改。是否重新载入？</source>
        <translation>«%1» ha sido modificado por otro programa. Al volver a cargarlo se descartarán sus cambios sin guardar. ¿Desea volver a cargarlo?</translation>
    </message>
    <message>
        <source>“%1”已被其他程序修改。是否重新载入？</source>
        <translation>«%1» ha sido modificado por otro programa. ¿Desea volver a cargarlo?</translation>
    </message>
    <message>
        <source>文件已更改</source>
        <translation>Archivo modificado</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Volver a cargar</translation>
    </message>
    <message>
        <source>保留当前内容</source>
        <translation>Conservar la versión actual</translation>
    </message>
    <message>
        <source>无法打开链接</source>
        <translation>No se puede abrir el enlace</translation>
    </message>
    <message>
        <source>出于安全考虑，只能打开网页和邮件链接。</source>
        <translation>Por seguridad, solo se pueden abrir enlaces web y de correo electrónico.</translation>
    </message>
    <message>
        <source>打开链接</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>此链接指向文档以外的地址，是否打开？</source>
        <translation>Este enlace lleva fuera del documento. ¿Desea abrirlo?</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>系统没有可以打开此链接的程序。</source>
        <translation>Ningún programa de este sistema puede abrir este enlace.</translation>
    </message>
    <message>
        <source>“%1”已存在，要替换它吗？</source>
        <translation>«%1» ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>技术信息：%1</source>
        <translation>Detalles técnicos: %1</translation>
    </message>
    <message>
        <source>“%1”已修改，是否保存？</source>
        <translation>«%1» se ha modificado. ¿Guardarlo?</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，且有未保存的修改。替换后该标签页将关闭，其未保存的修改将丢失。是否替换？</source>
        <translation>«%1» está abierto en otra pestaña con cambios sin guardar. Al reemplazarlo, esa pestaña se cerrará y sus cambios sin guardar se perderán. ¿Reemplazar?</translation>
    </message>
    <message>
        <source>无法添加批注</source>
        <translation>No se pueden añadir comentarios</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许添加或修改批注。</source>
        <translation>Los permisos de este PDF no permiten añadir ni modificar comentarios.</translation>
    </message>
    <message>
        <source>批注和表单要保留为可编辑的批注，还是扁平化到页面中？</source>
        <translation>¿Mantener los comentarios y formularios editables o acoplarlos a las páginas?</translation>
    </message>
    <message>
        <source>扁平化后，其他阅读器也无法再编辑或删除它们。</source>
        <translation>Una vez acoplados, ya no se podrán editar ni eliminar, tampoco en otros lectores.</translation>
    </message>
    <message>
        <source>保留批注</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>扁平化</source>
        <translation>Acoplar</translation>
    </message>
    <message>
        <source>文件无法读取。</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>文档尚未保存。</source>
        <translation>El documento aún no se ha guardado.</translation>
    </message>
    <message>
        <source>签名时的版本，只读</source>
        <translation>Versión firmada, solo lectura</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>无法填写表单</source>
        <translation>No se pueden rellenar formularios</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许更改表单。</source>
        <translation>La firma de certificación de este documento no permite modificar los formularios.</translation>
    </message>
    <message>
        <source>此文档的认证签名不允许添加或修改批注。</source>
        <translation>La firma de certificación de este documento no permite añadir ni modificar comentarios.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开。</source>
        <translation>Este documento se abrió en modo de solo lectura.</translation>
    </message>
    <message>
        <source>此 PDF 的权限设置不允许填写表单。</source>
        <translation>Los permisos de este PDF no permiten rellenar formularios.</translation>
    </message>
    <message>
        <source>无法验证</source>
        <translation>No se pueden verificar</translation>
    </message>
    <message>
        <source>正在验证…</source>
        <translation>Verificando…</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>无法打开签名时的版本</source>
        <translation>No se puede abrir la versión firmada</translation>
    </message>
    <message>
        <source>无法从文件中取出签名时的版本。</source>
        <translation>No se puede extraer del archivo la versión firmada.</translation>
    </message>
    <message>
        <source>保存已签名的文档</source>
        <translation>Guardar un documento firmado</translation>
    </message>
    <message>
        <source>此文档已签名；新文件中的签名将失效，原文件及其签名保持不变。</source>
        <translation>Este documento está firmado. Las firmas del archivo nuevo dejarán de ser válidas; el archivo original y sus firmas no cambian.</translation>
    </message>
    <message>
        <source>仍然保存</source>
        <translation>Guardar igualmente</translation>
    </message>
    <message>
        <source>此文档已签名；保存将使签名失效。</source>
        <translation>Este documento está firmado; al guardarlo, las firmas dejarán de ser válidas.</translation>
    </message>
    <message>
        <source>另存为新文件</source>
        <translation>Guardar como archivo nuevo</translation>
    </message>
    <message>
        <source>签名</source>
        <translation>Firmar</translation>
    </message>
    <message>
        <source>签名前需要先保存修改。是否现在保存？</source>
        <translation>Antes de firmar hay que guardar los cambios. ¿Desea guardarlos ahora?</translation>
    </message>
    <message>
        <source>签名针对文件中已保存的内容。</source>
        <translation>La firma se aplica al contenido guardado en el archivo.</translation>
    </message>
    <message>
        <source>签名失败</source>
        <translation>Error al firmar</translation>
    </message>
    <message>
        <source>文档在签名前又被修改了，请保存后再签名。</source>
        <translation>El documento se modificó de nuevo antes de firmarlo. Guárdelo y vuelva a firmar.</translation>
    </message>
    <message>
        <source>保存签名后的 PDF</source>
        <translation>Guardar el PDF firmado</translation>
    </message>
    <message>
        <source>“%1”已在另一个标签页中打开，请另选文件名。</source>
        <translation>«%1» está abierto en otra pestaña. Elija otro nombre de archivo.</translation>
    </message>
    <message>
        <source>正在签名</source>
        <translation>Firmando</translation>
    </message>
    <message>
        <source>正在签名并写入文件。</source>
        <translation>Firmando y escribiendo el archivo.</translation>
    </message>
    <message>
        <source>正在签名并向时间戳服务器请求时间戳。</source>
        <translation>Firmando y solicitando una marca de tiempo al servidor de marcas de tiempo.</translation>
    </message>
    <message>
        <source>完成前请不要关闭程序。</source>
        <translation>No cierre el programa hasta que termine.</translation>
    </message>
    <message>
        <source>文档未能签名，文件没有写入。</source>
        <translation>No se pudo firmar el documento; no se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>此文档以只读方式打开，请另存为新文件。</source>
        <translation>Este documento se abrió en modo de solo lectura. Guárdelo como archivo nuevo.</translation>
    </message>
    <message>
        <source>密码错误，请重新输入“%1”的密码：</source>
        <translation>Contraseña incorrecta. Vuelva a introducir la contraseña de «%1»:</translation>
    </message>
    <message>
        <source>插入的 PDF“%1”已加密，请输入密码：</source>
        <translation>El PDF «%1» que se va a insertar está cifrado. Introduzca su contraseña:</translation>
    </message>
    <message>
        <source>“%1”已加密，请输入密码：</source>
        <translation>«%1» está cifrado. Introduzca su contraseña:</translation>
    </message>
    <message>
        <source>无法删除页面</source>
        <translation>No se pueden eliminar las páginas</translation>
    </message>
    <message>
        <source>文档至少要保留一页，不能删除全部页面。</source>
        <translation>El documento debe conservar al menos una página; no se pueden eliminar todas las páginas.</translation>
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
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>从列表中移除</source>
        <translation>Quitar de la lista</translation>
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
    <name>SettingsMenu</name>
    <message>
        <source>深色主题</source>
        <translation>Tema oscuro</translation>
    </message>
    <message>
        <source>启动时重新打开上次的文档</source>
        <translation>Reabrir al iniciar los documentos de la última sesión</translation>
    </message>
    <message>
        <source>批注作者</source>
        <translation>Autor de los comentarios</translation>
    </message>
    <message>
        <source>新批注署名（留空则用系统用户名）：</source>
        <translation>Nombre para los comentarios nuevos (déjelo vacío para usar el nombre de usuario del sistema):</translation>
    </message>
    <message>
        <source>批注作者…</source>
        <translation>Autor de los comentarios…</translation>
    </message>
    <message>
        <source>批注作者：%1…</source>
        <translation>Autor de los comentarios: %1…</translation>
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
    <message>
        <source>文字识别</source>
        <translation>Reconocimiento de texto</translation>
    </message>
</context>
<context>
    <name>TabContextMenu</name>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>关闭其他标签页</source>
        <translation>Cerrar las demás pestañas</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>复制文件路径</source>
        <translation>Copiar la ruta del archivo</translation>
    </message>
</context>
<context>
    <name>TaskListItem</name>
    <message>
        <source>打开文件</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>处理中...</source>
        <translation>Procesando...</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>%1 → %2（节省 %3%）</source>
        <translation>%1 → %2 (%3 % menos)</translation>
    </message>
    <message>
        <source>移除并重试</source>
        <translation>Quitar y reintentar</translation>
    </message>
    <message numerus="yes">
        <source>%1 等 %n 个文件</source>
        <translation>
            <numerusform>%1 y otros (%n archivo)</numerusform>
            <numerusform>%1 y otros (%n archivos)</numerusform>
        </translation>
    </message>
    <message>
        <source>处理中... %1%</source>
        <translation>Procesando... %1 %</translation>
    </message>
</context>
<context>
    <name>TaskListWidget</name>
    <message>
        <source>重来</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>重试失败项</source>
        <translation>Reintentar fallidos</translation>
    </message>
</context>
<context>
    <name>TextRecognitionOptionsPanel</name>
    <message>
        <source>文字识别</source>
        <translation>Reconocimiento de texto</translation>
    </message>
    <message>
        <source>识别</source>
        <translation>Reconocer</translation>
    </message>
    <message>
        <source>识别扫描页面中的文字，使 PDF 可以搜索和复制，页面外观不变</source>
        <translation>Reconoce el texto de las páginas escaneadas para poder buscar y copiar en el PDF; las páginas se ven igual</translation>
    </message>
    <message>
        <source>识别语言</source>
        <translation>Idiomas de reconocimiento</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，无法识别文字。</source>
        <translation>No hay datos de idioma para el reconocimiento; no se puede reconocer texto.</translation>
    </message>
    <message>
        <source>安装方法：sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</source>
        <translation>Para instalarlo: sudo apt install tesseract-ocr-eng tesseract-ocr-chi-sim</translation>
    </message>
    <message>
        <source>页面</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>也识别已有文字的页面</source>
        <translation>Reconocer también las páginas que ya tienen texto</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据</source>
        <translation>No hay datos de idioma de reconocimiento instalados</translation>
    </message>
    <message>
        <source>请选择至少一种语言</source>
        <translation>Elija al menos un idioma</translation>
    </message>
</context>
<context>
    <name>TextRecognitionPage</name>
    <message>
        <source>从你的桌面上添加或拖放扫描的PDF文件，开始识别文字。</source>
        <translation>Añada o arrastre archivos PDF escaneados desde su escritorio para reconocer su texto.</translation>
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
    <message>
        <source>设置</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>ToolOptionsPanel</name>
    <message>
        <source>文件位置</source>
        <translation>Ubicación de los archivos</translation>
    </message>
    <message>
        <source>保存选项</source>
        <translation>Opciones de guardado</translation>
    </message>
    <message>
        <source>替换原始文件</source>
        <translation>Reemplazar el archivo original</translation>
    </message>
    <message>
        <source>保留原始文件</source>
        <translation>Conservar el archivo original</translation>
    </message>
</context>
<context>
    <name>Worklane</name>
    <message>
        <source>invalid task</source>
        <translation>Tarea no válida</translation>
    </message>
    <message>
        <source>找不到源文件</source>
        <translation>No se encuentra el archivo de origen</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>不是PDF文件或文件已损坏：%1</source>
        <translation>No es un archivo PDF o el archivo está dañado: %1</translation>
    </message>
    <message>
        <source>文件受密码保护，需要密码：%1</source>
        <translation>El archivo está protegido y requiere una contraseña: %1</translation>
    </message>
    <message>
        <source>密码不正确</source>
        <translation>La contraseña no es correcta</translation>
    </message>
    <message>
        <source>未输入密码</source>
        <translation>No se ha introducido ninguna contraseña</translation>
    </message>
    <message>
        <source>无法读取图像：%1</source>
        <translation>No se puede leer la imagen: %1</translation>
    </message>
    <message>
        <source>图像太大，无法转换：%1</source>
        <translation>La imagen es demasiado grande para convertirla: %1</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>No hay suficiente espacio en disco</translation>
    </message>
    <message>
        <source>没有写入权限：%1</source>
        <translation>Sin permiso de escritura: %1</translation>
    </message>
    <message>
        <source>输出文件夹不存在</source>
        <translation>La carpeta de salida no existe</translation>
    </message>
    <message>
        <source>无法写入输出文件</source>
        <translation>No se puede escribir el archivo de salida</translation>
    </message>
    <message>
        <source>文档没有页面</source>
        <translation>El documento no tiene páginas</translation>
    </message>
    <message>
        <source>文档中没有可提取的图像</source>
        <translation>El documento no contiene imágenes para extraer</translation>
    </message>
    <message>
        <source>输出会覆盖源文件：%1</source>
        <translation>La salida sobrescribiría un archivo de origen: %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>No hay suficiente memoria</translation>
    </message>
    <message>
        <source>找不到可用的文件名</source>
        <translation>No se encontró ningún nombre de archivo libre</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>处理时出错</source>
        <translation>Se produjo un error durante el procesamiento</translation>
    </message>
    <message>
        <source>有文件不是PDF文件或已损坏</source>
        <translation>Un archivo no es un PDF o está dañado</translation>
    </message>
    <message>
        <source>此文件没有密码</source>
        <translation>Este archivo no tiene contraseña</translation>
    </message>
    <message>
        <source>更改此文件的保护需要其所有者密码：%1</source>
        <translation>Para cambiar la protección de este archivo se necesita su contraseña de propietario: %1</translation>
    </message>
    <message>
        <source>未找到 LibreOffice，请先安装</source>
        <translation>No se encontró LibreOffice; instálelo primero</translation>
    </message>
    <message>
        <source>文件已损坏或受密码保护</source>
        <translation>El archivo está dañado o protegido con contraseña</translation>
    </message>
    <message>
        <source>转换超时</source>
        <translation>La conversión superó el tiempo límite</translation>
    </message>
    <message>
        <source>转换失败：%1</source>
        <translation>Error en la conversión: %1</translation>
    </message>
    <message>
        <source>不支持的文件类型：%1</source>
        <translation>Tipo de archivo no admitido: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 页未找到文字，已作为图片保存</source>
        <translation>
            <numerusform>No se encontró texto en %n página; guardada como imagen</numerusform>
            <numerusform>No se encontró texto en %n páginas; guardadas como imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>未安装文字识别语言数据，请安装 tesseract-ocr-eng 等语言包</source>
        <translation>No hay datos de idioma para el reconocimiento; instale un paquete de idioma como tesseract-ocr-eng</translation>
    </message>
    <message>
        <source>未安装文字识别语言数据：%1（软件包 tesseract-ocr-%2）</source>
        <translation>Los datos de reconocimiento para %1 no están instalados (paquete tesseract-ocr-%2)</translation>
    </message>
    <message>
        <source>文字识别失败：%1</source>
        <translation>Error en el reconocimiento de texto: %1</translation>
    </message>
    <message>
        <source>每页都已有文字，无需识别：%1</source>
        <translation>Todas las páginas ya tienen texto; nada que reconocer: %1</translation>
    </message>
    <message numerus="yes">
        <source>已识别 %n 页</source>
        <translation>
            <numerusform>%n página reconocida</numerusform>
            <numerusform>%n páginas reconocidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页已有文字，保持原样</source>
        <translation>
            <numerusform>%n página ya tenía texto y se mantuvo</numerusform>
            <numerusform>%n páginas ya tenían texto y se mantuvieron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页无法读取</source>
        <translation>
            <numerusform>%n página no se pudo leer</numerusform>
            <numerusform>%n páginas no se pudieron leer</numerusform>
        </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 带有数字签名；输出文件中的签名不再有效，原文件保持签名</source>
        <translation>Hay firmas digitales en %1: en el archivo de salida ya no son válidas; los originales siguen firmados</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>文件是空的：%1</source>
        <translation>El archivo está vacío: %1</translation>
    </message>
    <message>
        <source>这是PDF文件，不是Office文档：%1</source>
        <translation>Es un archivo PDF, no un documento de Office: %1</translation>
    </message>
</context>
</TS>
