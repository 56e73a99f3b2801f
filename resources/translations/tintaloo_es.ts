<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ButtonArt</name>
    <message>
        <source>nevermind</source>
        <extracomment>The prompt's button that closes it without doing anything; drawn into the button picture (150 px wide).</extracomment>
        <translation>mejor no</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>The tab that shows the message for the parent; drawn into the tab picture (about 58 px for the word).</extracomment>
        <translation>detalles</translation>
    </message>
    <message>
        <source>new</source>
        <extracomment>First line of the browser's button that starts a new picture of your own; drawn into the button picture (about 90 px a line).</extracomment>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Second line of the browser's button that starts a new picture of your own.</extracomment>
        <translation>dibujo</translation>
    </message>
    <message>
        <source>more</source>
        <extracomment>First line of the browser's button that opens picture packs and more pictures.</extracomment>
        <translation>más</translation>
    </message>
    <message>
        <source>pictures</source>
        <extracomment>Second line of the browser's button that opens more pictures.</extracomment>
        <translation>dibujos</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <extracomment>The title of the first-run welcome banner, drawn large (about 400 px wide).</extracomment>
        <translation>¡Bienvenido!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Keeps settings, books and coloured pictures in &lt;dir&gt; instead of the per-user data folder.</source>
        <extracomment>&lt;dir&gt; is the value name of the option, translated as &quot;dir&quot; below.</extracomment>
        <translation>Guarda los ajustes, los libros y los dibujos coloreados en &lt;carpeta&gt; en lugar de la carpeta de datos del usuario.</translation>
    </message>
    <message>
        <source>dir</source>
        <extracomment>The value name of --data-dir, shown as &lt;dir&gt; in the help.</extracomment>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Adds the pictures of the picture pack &lt;file&gt; to the books.</source>
        <extracomment>&lt;file&gt; is the value name of the option, translated as &quot;file&quot; below.</extracomment>
        <translation>Añade los dibujos del paquete de dibujos &lt;archivo&gt; a los libros.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value name of --import-pack, shown as &lt;file&gt; in the help.</extracomment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>The Tintaloo: a colouring book for young children.</source>
        <translation>Tintaloo: un libro para colorear para niños pequeños.</translation>
    </message>
    <message>
        <source>A picture pack (.tpk) to add after a parent allows it.</source>
        <translation>Un paquete de dibujos (.tpk) que se añadirá cuando un adulto lo permita.</translation>
    </message>
    <message>
        <source>[pack]</source>
        <extracomment>The positional argument&apos;s name in the usage line.</extracomment>
        <translation>[paquete]</translation>
    </message>
    <message>
        <source>Only one picture pack can be opened at a time.</source>
        <translation>Solo se puede abrir un paquete de dibujos a la vez.</translation>
    </message>
    <message>
        <source>--import-pack needs the name of a picture pack file.</source>
        <translation>--import-pack necesita el nombre de un archivo de paquete de dibujos.</translation>
    </message>
</context>
<context>
    <name>DataFolderCheck</name>
    <message>
        <source>No data folder was given.</source>
        <translation>No se indicó ninguna carpeta de datos.</translation>
    </message>
    <message>
        <source>The data folder %1 is a file, not a folder.</source>
        <translation>La carpeta de datos %1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created: %2 is a file, not a folder.</source>
        <translation>No se puede crear la carpeta de datos %1: %2 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be created here.</source>
        <translation>No se puede crear la carpeta de datos %1 aquí.</translation>
    </message>
    <message>
        <source>The data folder %1 cannot be written to: %2.</source>
        <translation>No se puede escribir en la carpeta de datos %1: %2.</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Open a picture to paint</source>
        <translation>Abre un dibujo para pintar</translation>
    </message>
    <message>
        <source>Clear out all colors!</source>
        <translation>¡Borra todos los colores!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Choose between crazy colors and normal colors!</source>
        <translation>¡Elige entre colores locos y colores normales!</translation>
    </message>
    <message>
        <source>Color using a magic crayon</source>
        <translation>Colorea con un crayón mágico</translation>
    </message>
    <message>
        <source>Paint using a magic paintbrush</source>
        <translation>Pinta con un pincel mágico</translation>
    </message>
    <message>
        <source>Draw using a magic coloring pencil</source>
        <translation>Dibuja con un lápiz de color mágico</translation>
    </message>
    <message>
        <source>Draw using a marker pen</source>
        <translation>Dibuja con un marcador</translation>
    </message>
    <message>
        <source>Click here to quit The Tintaloo</source>
        <translation>Haga clic aquí para salir de Tintaloo</translation>
    </message>
    <message>
        <source>Save picture as...</source>
        <translation>Guardar dibujo como...</translation>
    </message>
    <message>
        <source>Print the picture</source>
        <translation>Imprimir el dibujo</translation>
    </message>
    <message>
        <source>About/Help</source>
        <translation>Acerca de/Ayuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture will be lost and you will be left with a black and white image.</source>
        <translation>Se ha intentado borrar todos los colores del dibujo. Si hace clic en OK, se perderán todos los cambios del dibujo y quedará una imagen en blanco y negro.</translation>
    </message>
    <message>
        <source>Would you like to get rid of all the colors? If you don&apos;t, call someone who can help you! Or press never mind</source>
        <extracomment>&quot;never mind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>¿Quieres quitar todos los colores? Si no quieres, ¡llama a alguien que te pueda ayudar! O pulsa «mejor no»</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk is full. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>No se pudo guardar el dibujo porque el disco está lleno. Pulse Cancelar para mantenerlo en la pantalla y luego libere espacio en el disco o guárdelo en otro lugar con Guardar como. Pulse Continuar para seguir sin guardarlo.</translation>
    </message>
    <message>
        <source>The picture could not be saved because the disk or its folder is write protected. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>No se pudo guardar el dibujo porque el disco o su carpeta están protegidos contra escritura. Pulse Cancelar para mantenerlo en la pantalla y luego libere espacio en el disco o guárdelo en otro lugar con Guardar como. Pulse Continuar para seguir sin guardarlo.</translation>
    </message>
    <message>
        <source>The picture could not be saved because of an unknown error. Press Cancel to keep it on the screen, then make room on the disk or save it elsewhere with Save as. Press Continue to go on without saving it.</source>
        <translation>No se pudo guardar el dibujo por un error desconocido. Pulse Cancelar para mantenerlo en la pantalla y luego libere espacio en el disco o guárdelo en otro lugar con Guardar como. Pulse Continuar para seguir sin guardarlo.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; appears to be damaged or it no longer exists.</source>
        <translation>Parece que el dibujo «%1» está dañado o ya no existe.</translation>
    </message>
    <message>
        <source>Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!</source>
        <translation>¡Uy! Parece que el dibujo que elegiste tiene algún problema. ¡Llama a alguien que te ayude a arreglarlo!</translation>
    </message>
    <message>
        <source>Before printing, a temporary file has to be created in the application directory. This was not possible. Please make sure there is enough space in the disk and that the disk is not write protected.</source>
        <translation>Antes de imprimir hay que crear un archivo temporal en la carpeta de la aplicación, y no ha sido posible. Compruebe que haya suficiente espacio en el disco y que el disco no esté protegido contra escritura.</translation>
    </message>
    <message>
        <source>Oh no! Your picture could not be printed. Call someone for help!</source>
        <translation>¡Oh, no! No se pudo imprimir tu dibujo. ¡Llama a alguien para que te ayude!</translation>
    </message>
    <message>
        <source>There was an attempt to add a picture pack to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Se ha intentado añadir un paquete de dibujos a Tintaloo. Si desea permitirlo, pulse OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened. Call someone who can help you!</source>
        <translation>¡Oh, no! Ha pasado algo. ¡Llama a alguien que te pueda ayudar!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Se ha intentado salir de Tintaloo. Si desea permitirlo, pulse OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something has happened when you tried to close me. Call someone who can help you!</source>
        <translation>¡Oh, no! Algo pasó cuando intentaste cerrarme. ¡Llama a alguien que te pueda ayudar!</translation>
    </message>
    <message>
        <source>There was an attempt to quit The Tintaloo. If you wish to allow this, press OK.</source>
        <translation>Se ha intentado salir de Tintaloo. Si desea permitirlo, pulse OK.</translation>
    </message>
    <message>
        <source>Are you sure you want to close this coloring book? Why don&apos;t you stay for a while?</source>
        <translation>¿Seguro que quieres cerrar este libro para colorear? ¿Por qué no te quedas un ratito más?</translation>
    </message>
    <message>
        <source>There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Se ha intentado guardar el dibujo actual. Si desea permitirlo, pulse OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to save your picture. Call someone who can help you!</source>
        <translation>¡Oh, no! Algo pasó cuando intentaste guardar tu dibujo. ¡Llama a alguien que te pueda ayudar!</translation>
    </message>
    <message>
        <source>There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.</source>
        <translation>Se ha intentado imprimir el dibujo actual. Si desea permitirlo, pulse OK para continuar.</translation>
    </message>
    <message>
        <source>Oh no!, something happened when you tried to print your picture. Call someone who can help you!</source>
        <translation>¡Oh, no! Algo pasó cuando intentaste imprimir tu dibujo. ¡Llama a alguien que te pueda ayudar!</translation>
    </message>
    <message>
        <source>There was an attempt to view the About box. If you wish to allow this, please press OK.</source>
        <translation>Se ha intentado abrir la ventana Acerca de. Si desea permitirlo, pulse OK.</translation>
    </message>
    <message>
        <source>There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.</source>
        <translation>Se ha intentado abrir la ventana de opciones. Si desea permitirlo, pulse OK para continuar.</translation>
    </message>
    <message>
        <source>Jpeg file (*.jpg)</source>
        <translation>Archivo JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Save current picture as...</source>
        <translation>Guardar el dibujo actual como...</translation>
    </message>
    <message>
        <source>Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that the disk is not write protected and that you have enough disk space to save the picture.</source>
        <translation>Por desgracia, un error desconocido impidió guardar el dibujo. Compruebe que el disco no esté protegido contra escritura y que tenga suficiente espacio en el disco para guardar el dibujo.</translation>
    </message>
</context>
<context>
    <name>GCommonDialog</name>
    <message>
        <source>The file &apos;%1&apos; already exists. Do you want to replace it?</source>
        <translation>El archivo «%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The Tintaloo Help</source>
        <translation>Ayuda de Tintaloo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the help and go back to The Tintaloo.</source>
        <translation>Cierra la ayuda y vuelve a Tintaloo.</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Select a book:</source>
        <translation>Elija un libro:</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be found. Please make sure that the directory exists and that it is not write protected.</source>
        <translation>No se encontró «%1». Compruebe que la carpeta exista y que no esté protegida contra escritura.</translation>
    </message>
</context>
<context>
    <name>PicturePackImport</name>
    <message>
        <source>Picture Packs are special files that contain several pictures within them and they can be downloaded from The Tintaloo website. Please press continue to select a Picture Pack to install.</source>
        <translation>Los paquetes de dibujos son archivos especiales que contienen varios dibujos y que se pueden descargar del sitio web de Tintaloo. Pulse Continuar para elegir el paquete de dibujos que desea instalar.</translation>
    </message>
    <message>
        <source>The Tintaloo image pack (*.tpk)</source>
        <translation>Paquete de dibujos de Tintaloo (*.tpk)</translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>añadido: %1</translation>
    </message>
    <message>
        <source>skipped (already in the book): %1</source>
        <translation>omitido (ya está en el libro): %1</translation>
    </message>
</context>
<context>
    <name>PicturePackInstaller</name>
    <message>
        <source>The folder &apos;%1&apos; is a link to another place. Nothing was added.</source>
        <translation>La carpeta «%1» es un enlace a otro lugar. No se añadió nada.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be created.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; to the folder &apos;%2&apos;. Please make sure that it is not write protected.</source>
        <translation>No se pudo añadir el archivo «%1» a la carpeta «%2». Compruebe que no esté protegida contra escritura.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is larger than 512 MB, more than a Picture Pack may be.</source>
        <translation>El archivo «%1» ocupa más de 512 MB, más de lo que puede ocupar un paquete de dibujos.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be found.</source>
        <translation>No se encontró el archivo «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to the book &apos;%1&apos;.</source>
        <translation>No se pueden añadir dibujos al libro «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a folder of this program. Nothing was added.</source>
        <translation>«%1» no es una carpeta de este programa. No se añadió nada.</translation>
    </message>
    <message>
        <source>Could not write into the folder &apos;%1&apos;. Please make sure that it is not write protected.</source>
        <translation>No se pudo escribir en la carpeta «%1». Compruebe que no esté protegida contra escritura.</translation>
    </message>
    <message>
        <source>Could not write the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected and that there is enough space.</source>
        <translation>No se pudo escribir el archivo «%1». Compruebe que la carpeta «%2» no esté protegida contra escritura y que haya suficiente espacio.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; could not be created. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>No se pudo crear el libro «%1». Compruebe que la carpeta «%2» no esté protegida contra escritura.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the file &apos;%1&apos;.</source>
        <translation>No hay suficiente memoria para leer el archivo «%1».</translation>
    </message>
    <message>
        <source>There was the following error while trying to open The Tintaloo package file:
%1</source>
        <translation>Se produjo el siguiente error al intentar abrir el archivo de paquete de Tintaloo:
%1</translation>
    </message>
    <message>
        <source>The file could not be read from header. Please make sure that the file is not designed for another version of The Tintaloo.</source>
        <translation>No se pudo leer la cabecera del archivo. Compruebe que el archivo no sea para otra versión de Tintaloo.</translation>
    </message>
    <message>
        <source>Could not read from the header information.</source>
        <translation>No se pudo leer la información de la cabecera.</translation>
    </message>
    <message>
        <source>The file appears to be damaged. Please download again.</source>
        <translation>Parece que el archivo está dañado. Descárguelo de nuevo.</translation>
    </message>
    <message>
        <source>There was the following error while trying to add new pictures to The Tintaloo:
%1</source>
        <translation>Se produjo el siguiente error al intentar añadir dibujos nuevos a Tintaloo:
%1</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; already has every picture of this Picture Pack, so nothing was added.</source>
        <translation>El libro «%1» ya tiene todos los dibujos de este paquete de dibujos, así que no se añadió nada.</translation>
    </message>
    <message>
        <source>The pictures were added successfully under the book &apos;%1&apos;. To view the new pictures, please select this book from the list.</source>
        <translation>Los dibujos se añadieron correctamente al libro «%1». Para ver los dibujos nuevos, elija este libro en la lista.</translation>
    </message>
    <message>
        <source>The book already had these pictures, which were left as they were: %1.</source>
        <extracomment>%1 lists the names of the pictures, separated by commas.</extracomment>
        <translation>El libro ya tenía estos dibujos, que se han dejado como estaban: %1.</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>The Tintaloo Version %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Tintaloo versión %1.%2</translation>
    </message>
</context>
<context>
    <name>ScreenRule</name>
    <message>
        <source>This program can not run under the current screen resolution. The minimum size is 800 by 600, at a color mode of 24 bits (true color).<byte value="xd"/>
You must change the resolution before the program can run.</source>
        <translation>Este programa no puede funcionar con la resolución de pantalla actual. El tamaño mínimo es de 800 por 600, con una profundidad de color de 24 bits (color verdadero).<byte value="xd"/>
Debe cambiar la resolución antes de poder usar el programa.</translation>
    </message>
    <message>
        <source>Although this program is able to run at your current screen resolution, it is highly recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the pictures will fit on the screen.<byte value="xd"/>
<byte value="xd"/>
Would you like to continue anyway?</source>
        <translation>Aunque este programa puede funcionar con la resolución de pantalla actual, se recomienda encarecidamente cambiar a un tamaño mínimo de 1024 por 768; si no, no todos los dibujos cabrán en la pantalla.<byte value="xd"/>
<byte value="xd"/>
¿Desea continuar de todos modos?</translation>
    </message>
</context>
<context>
    <name>SettingsLoader</name>
    <message>
        <source>The Tintaloo was unable to create a settings file. This is an serious error and program cannot continue. Make sure that the disk you are using is not write protected.</source>
        <translation>Tintaloo no pudo crear un archivo de ajustes. Es un error grave y el programa no puede continuar. Compruebe que el disco que está usando no esté protegido contra escritura.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>The lock file in the data folder &apos;%1&apos; cannot be created.</source>
        <translation>No se puede crear el archivo de bloqueo en la carpeta de datos «%1».</translation>
    </message>
    <message>
        <source>The data folder &apos;%1&apos; cannot be locked.</source>
        <translation>No se puede bloquear la carpeta de datos «%1».</translation>
    </message>
</context>
<context>
    <name>StatOnlyIconProvider</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of the file dialog; %1 is the name&apos;s extension in capitals (&quot;JPG&quot;).</extracomment>
        <translation>Archivo %1</translation>
    </message>
</context>
<context>
    <name>frmBookTitle</name>
    <message>
        <source>Book title</source>
        <translation>Título del libro</translation>
    </message>
    <message>
        <source>Please enter a title for the new book.</source>
        <translation>Escriba un título para el libro nuevo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmColoredPictures</name>
    <message>
        <source>Manage colored pictures</source>
        <translation>Administrar dibujos coloreados</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Eliminar los dibujos seleccionados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Seleccione al menos un dibujo para eliminar.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>¿Seguro que desea eliminar los dibujos seleccionados?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>No se pudo eliminar el archivo «%1». Compruebe que exista y que no esté protegido contra escritura.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>No se pudo eliminar la carpeta «%1». Compruebe que exista y que no esté protegida contra escritura.</translation>
    </message>
</context>
<context>
    <name>frmFirstTime</name>
    <message>
        <source>Welcome to The Tintaloo</source>
        <translation>Bienvenido a Tintaloo</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Hello! This appears to be the first time you are running The Tintaloo Version 6.</source>
        <translation>¡Hola! Parece que es la primera vez que usa Tintaloo versión 6.</translation>
    </message>
    <message>
        <source>For now, please enjoy this software. To get started, click the Continue button below and then fill out the settings window. Have fun!</source>
        <translation>Por ahora, disfrute de este programa. Para empezar, haga clic en el botón Continuar de abajo y luego rellene la ventana de ajustes. ¡Que se diviertan!</translation>
    </message>
</context>
<context>
    <name>frmLineArtPreview</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmManagePictures</name>
    <message>
        <source>Manage pictures</source>
        <translation>Administrar dibujos</translation>
    </message>
    <message>
        <source>Delete this book</source>
        <translation>Eliminar este libro</translation>
    </message>
    <message>
        <source>Delete selected picture(s)</source>
        <translation>Eliminar los dibujos seleccionados</translation>
    </message>
    <message>
        <source>Add pictures to this book</source>
        <translation>Añadir dibujos a este libro</translation>
    </message>
    <message>
        <source>Create a new book</source>
        <translation>Crear un libro nuevo</translation>
    </message>
    <message>
        <source>Add a new book to The Tintaloo.  You can then add pictures to the book.</source>
        <translation>Añade un libro nuevo a Tintaloo. Después podrá añadirle dibujos.</translation>
    </message>
    <message>
        <source>Import a Picture Pack</source>
        <translation>Importar un paquete de dibujos</translation>
    </message>
    <message>
        <source>You can add pre-packaged pictures to The Tintaloo (Picture Packs).  The picture pack has a tpk extension and you can download some from The Tintaloo website.</source>
        <translation>Puede añadir a Tintaloo dibujos ya empaquetados (paquetes de dibujos). Los paquetes de dibujos tienen la extensión tpk y puede descargar algunos del sitio web de Tintaloo.</translation>
    </message>
    <message>
        <source>Create a Picture Pack</source>
        <translation>Crear un paquete de dibujos</translation>
    </message>
    <message>
        <source>A Picture Pack is a file that contains multiple pictures for use in The Tintaloo.  You can create one if you want to deal with a single file (rather than multiple pictures) so that the process of installing pictures is easier.</source>
        <translation>Un paquete de dibujos es un archivo que contiene varios dibujos para usar en Tintaloo. Puede crear uno si prefiere manejar un solo archivo (en lugar de muchos dibujos), para que sea más fácil instalar los dibujos.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>This book cannot be removed because it is required for The Tintaloo to work correctly.</source>
        <translation>Este libro no se puede quitar porque Tintaloo lo necesita para funcionar correctamente.</translation>
    </message>
    <message>
        <source>The Tintaloo requires at least one book to run. As this is the last book, you must create another picture book before you are able to remove this one.</source>
        <translation>Tintaloo necesita al menos un libro para funcionar. Como este es el último libro, debe crear otro libro de dibujos antes de poder quitar este.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this book? If you select yes, any colored pictures from this book will be removed too.</source>
        <translation>¿Seguro que desea eliminar este libro? Si continúa, también se eliminarán todos los dibujos coloreados de este libro.</translation>
    </message>
    <message>
        <source>The book &apos;%1&apos; cannot be removed because the picture that is currently open in The Tintaloo is within this book.</source>
        <translation>El libro «%1» no se puede quitar porque el dibujo que está abierto en Tintaloo está en este libro.</translation>
    </message>
    <message>
        <source>There was a problem removing the book. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Hubo un problema al quitar el libro. Compruebe que la ruta «%1» no esté protegida contra escritura y que no esté en uso.</translation>
    </message>
    <message>
        <source>There was a problem removing the colored pictures. Please make sure that the path &apos;%1&apos; is not write protected and that it is not currently in use.</source>
        <translation>Hubo un problema al quitar los dibujos coloreados. Compruebe que la ruta «%1» no esté protegida contra escritura y que no esté en uso.</translation>
    </message>
    <message>
        <source>Please select at least one picture to delete.</source>
        <translation>Seleccione al menos un dibujo para eliminar.</translation>
    </message>
    <message>
        <source>The pictures in this book cannot be removed because they are required for The Tintaloo to work correctly.</source>
        <translation>Los dibujos de este libro no se pueden eliminar porque Tintaloo los necesita para funcionar correctamente.</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete the selected picture(s)?</source>
        <translation>¿Seguro que desea eliminar los dibujos seleccionados?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed because the file is currently open in The Tintaloo. Please close it first by opening another picture.</source>
        <translation>No se pudo eliminar el archivo «%1» porque está abierto en Tintaloo. Ciérrelo primero abriendo otro dibujo.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; could not be removed. Please make sure it exists and that it is not write protected.</source>
        <translation>No se pudo eliminar el archivo «%1». Compruebe que exista y que no esté protegido contra escritura.</translation>
    </message>
    <message>
        <source>The book could not be created. Please make sure that the path &apos;%1/&apos; is not write protected and that you have not used the following characters in the book title \ /:*?&quot;&lt;&gt;|</source>
        <translation>No se pudo crear el libro. Compruebe que la ruta «%1/» no esté protegida contra escritura y que no haya usado en el título del libro los siguientes caracteres: \ /:*?&quot;&lt;&gt;|</translation>
    </message>
    <message>
        <source>A book by this name already exists. Please select another name.</source>
        <translation>Ya existe un libro con este nombre. Elija otro nombre.</translation>
    </message>
    <message>
        <source>You are attempting to copy picture(s) from one book into the same book!</source>
        <translation>¡Está intentando copiar dibujos de un libro a ese mismo libro!</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is faulty. Not all pictures you selected may have been added.</source>
        <translation>El archivo «%1» tiene errores. Es posible que no se hayan añadido todos los dibujos seleccionados.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos; because it is not pure Black and White.</source>
        <translation>No se pudo añadir el archivo «%1» porque no es puramente en blanco y negro.</translation>
    </message>
    <message>
        <source>Would you like to add a black and white copy of &apos;%1&apos; instead? It will be added to the book as &apos;%2&apos;.</source>
        <translation>¿Desea añadir en su lugar una copia en blanco y negro de «%1»? Se añadirá al libro como «%2».</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; is larger than the page (%2 x %3 pixels). Would you like to add it made smaller to fit, %4 x %5 pixels, as &apos;%6&apos;?</source>
        <extracomment>%2 x %3 is the picture&apos;s size in pixels, %4 x %5 the size it would be made.</extracomment>
        <translation>El dibujo «%1» es más grande que la página (%2 x %3 píxeles). ¿Desea añadirlo reducido para que quepa, a %4 x %5 píxeles, como «%6»?</translation>
    </message>
    <message>
        <source>A picture by this name already exists within the book &apos;%1&apos; . Please rename the picture before you try to add it.</source>
        <translation>Ya existe un dibujo con este nombre en el libro «%1». Cambie el nombre del dibujo antes de intentar añadirlo.</translation>
    </message>
    <message>
        <source>Could not add the file &apos;%1&apos;. Please make sure that the folder &apos;%2&apos; is not write protected.</source>
        <translation>No se pudo añadir el archivo «%1». Compruebe que la carpeta «%2» no esté protegida contra escritura.</translation>
    </message>
    <message>
        <source>Pictures cannot be added to this book. Please select another book to add pictures to.</source>
        <translation>No se pueden añadir dibujos a este libro. Elija otro libro al que añadir los dibujos.</translation>
    </message>
    <message>
        <source>Add pictures to %1</source>
        <translation>Añadir dibujos a %1</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg,*.png)</source>
        <translation>Dibujos (*.bmp,*.gif,*.jpg,*.png)</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>[Message for the kids]</source>
        <translation>[Mensaje para los niños]</translation>
    </message>
    <message>
        <source>[Message for the parents]</source>
        <translation>[Mensaje para los padres]</translation>
    </message>
    <message>
        <source>Please enter your password here:</source>
        <translation>Escriba aquí su contraseña:</translation>
    </message>
    <message>
        <source>nevermind</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;nevermind&quot;.</extracomment>
        <translation>mejor no</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Drawn on the button only when its picture is missing; the picture itself says &quot;OK&quot;.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>details</source>
        <extracomment>Drawn on the tab only when its picture is missing; the picture itself says &quot;details&quot;.</extracomment>
        <translation>detalles</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Your password hint is: &apos;%1&apos;.</source>
        <translation>La contraseña que escribió no es correcta. La pista de su contraseña es: «%1».</translation>
    </message>
    <message>
        <source>The password you entered is incorrect. Please enter the password again or press nevermind to close this window.</source>
        <extracomment>&quot;nevermind&quot; is the button of this window, whose picture always says &quot;nevermind&quot;.</extracomment>
        <translation>La contraseña que escribió no es correcta. Escríbala de nuevo o pulse «mejor no» para cerrar esta ventana.</translation>
    </message>
</context>
<context>
    <name>frmOpen</name>
    <message>
        <source>Which picture would you like to color?</source>
        <translation>¿Qué dibujo quieres colorear?</translation>
    </message>
    <message>
        <source>Loading(%1%)... %2.</source>
        <translation>Cargando (%1%)... %2.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>pictures left out</comment>
        <translation>
            <numerusform>y %n dibujo más</numerusform>
            <numerusform>y %n dibujos más</numerusform>
        </translation>
    </message>
    <message>
        <source>These pictures could not be read and were left out of the books. They may be damaged; you can delete them in the picture manager.</source>
        <translation>Estos dibujos no se pudieron leer y se dejaron fuera de los libros. Puede que estén dañados; puede eliminarlos en la ventana Administrar dibujos.</translation>
    </message>
    <message>
        <source>There was a problem loading the pictures. Make sure that none of them are damaged. If you do not know what the problem is, please reinstall The Tintaloo. Press OK to exit the program.</source>
        <translation>Hubo un problema al cargar los dibujos. Compruebe que ninguno esté dañado. Si no sabe cuál es el problema, vuelva a instalar Tintaloo. Pulse OK para salir del programa.</translation>
    </message>
    <message>
        <source>Oh no! something strange has happened! Call someone who can help you!</source>
        <translation>¡Oh, no! ¡Ha pasado algo raro! ¡Llama a alguien que te pueda ayudar!</translation>
    </message>
    <message>
        <source>An unknown error occurred when there was an attempt to start drawing a new picture. Please make sure that the disk is not write protected and that there is enough disk space.</source>
        <translation>Se produjo un error desconocido al intentar empezar un dibujo nuevo. Compruebe que el disco no esté protegido contra escritura y que haya suficiente espacio en el disco.</translation>
    </message>
    <message>
        <source>Help! A new picture could not be started! Call someone who can help you sort it out! Go!</source>
        <translation>¡Socorro! ¡No se pudo empezar un dibujo nuevo! ¡Llama a alguien que te ayude a arreglarlo! ¡Corre!</translation>
    </message>
    <message>
        <source>You or your child has asked for more pictures to be added to The Tintaloo. If you wish to allow this, please press OK to continue.</source>
        <translation>Usted o su hijo han pedido añadir más dibujos a Tintaloo. Si desea permitirlo, pulse OK para continuar.</translation>
    </message>
    <message>
        <source>Would you like more pictures? Call someone who can get them for you!</source>
        <translation>¿Quieres más dibujos? ¡Llama a alguien que te los pueda traer!</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>No se encontró la ruta de los libros. ¡Vuelva a instalar Tintaloo!</translation>
    </message>
</context>
<context>
    <name>frmParentMessage</name>
    <message>
        <source>[Parental message]</source>
        <translation>[Mensaje para los padres]</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmParentalOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Play sound effects</source>
        <translation>Reproducir efectos de sonido</translation>
    </message>
    <message>
        <source>Disable/enable sound effects.</source>
        <translation>Desactiva o activa los efectos de sonido.</translation>
    </message>
    <message>
        <source>Auto-hide parental buttons</source>
        <translation>Ocultar los botones para padres</translation>
    </message>
    <message>
        <source> Ticking this box will cause The Tintaloo to hide the quit, save, print, help, settings and gallery options when they are not in use.</source>
        <translation> Si marca esta casilla, Tintaloo ocultará las opciones de salir, guardar, imprimir, ayuda, ajustes y galería cuando no se usen.</translation>
    </message>
    <message>
        <source>Use parental password</source>
        <translation>Usar contraseña parental</translation>
    </message>
    <message>
        <source>Ticking this box will prevent children from accessing features such as printing and saving.</source>
        <translation>Si marca esta casilla, los niños no podrán usar funciones como imprimir y guardar.</translation>
    </message>
    <message>
        <source>Allow quitting without permission</source>
        <translation>Permitir salir sin permiso</translation>
    </message>
    <message>
        <source>If you leave this option unchecked, a password will have to be entered to quit The Tintaloo.</source>
        <translation>Si deja esta opción sin marcar, habrá que escribir una contraseña para salir de Tintaloo.</translation>
    </message>
    <message>
        <source>Bubble speed:</source>
        <translation>Velocidad de las burbujas:</translation>
    </message>
    <message>
        <source>This option sets the speed of the color selection bubbles.</source>
        <translation>Esta opción fija la velocidad de las burbujas para elegir el color.</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Parental password:</source>
        <translation>Contraseña parental:</translation>
    </message>
    <message>
        <source>A password is required when unlocking locked items, please enter it here if you wish to change the current password.</source>
        <translation>Hace falta una contraseña para desbloquear las funciones bloqueadas. Escríbala aquí si desea cambiar la contraseña actual.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Pista de la contraseña:</translation>
    </message>
    <message>
        <source>If you ever forget your password, you can use the hint below to remind you!</source>
        <translation>Si alguna vez olvida su contraseña, ¡la pista de abajo le ayudará a recordarla!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel any changes and close the window.</source>
        <translation>Descarta los cambios y cierra la ventana.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Apply any changes and close the window.</source>
        <translation>Aplica los cambios y cierra la ventana.</translation>
    </message>
    <message>
        <source>Manage colored pages</source>
        <translation>Administrar páginas coloreadas</translation>
    </message>
    <message>
        <source>Click here to view, open and delete pictures which have already been colored. To reset a picture to its Black and White state, simply delete the colored picture.</source>
        <translation>Haga clic aquí para ver, abrir y eliminar los dibujos que ya se han coloreado. Para devolver un dibujo a su estado en blanco y negro, basta con eliminar el dibujo coloreado.</translation>
    </message>
    <message>
        <source>Add/remove</source>
        <extracomment>A link, read together with the words beside it: &quot;Add/remove&quot; &quot;coloring pages and books&quot;.</extracomment>
        <translation>Añadir/quitar</translation>
    </message>
    <message>
        <source>Click here to view, add and remove coloring pages and books.</source>
        <translation>Haga clic aquí para ver, añadir y quitar páginas para colorear y libros.</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Check for updates by going to The Tintaloo website.</source>
        <translation>Busca actualizaciones en el sitio web de Tintaloo.</translation>
    </message>
    <message>
        <source>coloring pages and books</source>
        <extracomment>The words beside the link &quot;Add/remove&quot;, which they complete.</extracomment>
        <translation>dibujos y libros</translation>
    </message>
    <message>
        <source>There was an error when trying to open the settings file. This may be because you are running The Tintaloo for the first time.</source>
        <translation>Se produjo un error al intentar abrir el archivo de ajustes. Puede deberse a que es la primera vez que usa Tintaloo.</translation>
    </message>
    <message>
        <source>You can attempt to create a new settings file by completing the next window and clicking OK. If that does not work, reinstalling the application may fix the problem.</source>
        <translation>Puede intentar crear un archivo de ajustes nuevo rellenando la ventana siguiente y haciendo clic en Continuar. Si eso no funciona, puede que el problema se solucione volviendo a instalar la aplicación.</translation>
    </message>
    <message>
        <source>You have chosen to auto-hide the parental buttons (small buttons on the top-left corner of the screen). If you need to access them, you should place the mouse pointer over that area for one second.</source>
        <translation>Ha elegido ocultar automáticamente los botones para padres (los botones pequeños de la esquina superior izquierda de la pantalla). Para usarlos, coloque el puntero del ratón sobre esa zona durante un segundo.</translation>
    </message>
    <message>
        <source>You must enter a password in order to continue.</source>
        <translation>Debe escribir una contraseña para continuar.</translation>
    </message>
    <message>
        <source>You must enter a password hint incase you forget your password.</source>
        <translation>Debe escribir una pista por si olvida su contraseña.</translation>
    </message>
    <message>
        <source>The password and the password hint can only contain letters, digits and signs of Western European languages. Please change them and try again.</source>
        <translation>La contraseña y la pista solo pueden contener letras, números y signos de los idiomas de Europa occidental. Cámbielas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>There was an error while trying to save the settings.</source>
        <translation>Se produjo un error al intentar guardar los ajustes.</translation>
    </message>
    <message>
        <source>Make sure the disk is not write protected and there is enough space.</source>
        <translation>Compruebe que el disco no esté protegido contra escritura y que haya suficiente espacio.</translation>
    </message>
    <message>
        <source>There are currently no colored pictures to browse. You can only access this window after at least one picture has been colored.</source>
        <translation>Por ahora no hay dibujos coloreados que ver. Solo puede abrir esta ventana cuando se haya coloreado al menos un dibujo.</translation>
    </message>
    <message>
        <source>Could not find the books path. Please reinstall The Tintaloo!</source>
        <translation>No se encontró la ruta de los libros. ¡Vuelva a instalar Tintaloo!</translation>
    </message>
    <message>
        <source>Your current version of The Tintaloo is %1.%2</source>
        <extracomment>%1.%2 is the version number, &quot;6.0&quot;.</extracomment>
        <translation>Su versión actual de Tintaloo es la %1.%2</translation>
    </message>
    <message>
        <source>Would you like to be taken to The Tintaloo website to see if a newer version is available?</source>
        <translation>¿Desea ir al sitio web de Tintaloo para ver si hay una versión más reciente?</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>No se pudo cargar la página web de Tintaloo. ¡Compruebe que su navegador de internet funcione!</translation>
    </message>
</context>
<context>
    <name>frmPicturePack</name>
    <message>
        <source>This window allows you to create Picture Packs for The Tintaloo. Picture Packs are special files that contain several pictures within them.  The advantage of a Picture Pack is that distributing pictures will be easier (only one file needs to be distributed) and it will ease the process of installing new pictures (only one file needs to be installed.)</source>
        <translation>Esta ventana le permite crear paquetes de dibujos para Tintaloo. Los paquetes de dibujos son archivos especiales que contienen varios dibujos. La ventaja de un paquete de dibujos es que repartir dibujos resulta más fácil (solo hay que repartir un archivo) y que instalar dibujos nuevos también (solo hay que instalar un archivo).</translation>
    </message>
    <message>
        <source>Select files to put into the Picture Pack</source>
        <translation>Elegir los archivos para el paquete de dibujos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Pictures (*.bmp,*.gif,*.jpg)</source>
        <translation>Dibujos (*.bmp,*.gif,*.jpg)</translation>
    </message>
    <message>
        <source>The folder name &apos;%1&apos; cannot be the name of a book. Please put the pictures in a folder named after the book (at most 100 characters, none of \ / : * ? &quot; &lt; &gt; |) and try again.</source>
        <translation>El nombre de carpeta «%1» no puede ser el nombre de un libro. Ponga los dibujos en una carpeta que lleve el nombre del libro (como máximo 100 caracteres, ninguno de estos: \ / : * ? &quot; &lt; &gt; |) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be put into a Picture Pack. Only pictures ending in .bmp, .gif or .jpg, without &quot;|&quot; in their names, can be.</source>
        <translation>El archivo «%1» no se puede poner en un paquete de dibujos. Solo se pueden poner dibujos que terminen en .bmp, .gif o .jpg y que no tengan &quot;|&quot; en el nombre.</translation>
    </message>
    <message>
        <source>The picture &apos;%1&apos; could not be read, so the Picture Pack was not created. Please make sure that the picture exists and that you may read it.</source>
        <translation>No se pudo leer el dibujo «%1», así que no se creó el paquete de dibujos. Compruebe que el dibujo exista y que tenga permiso para leerlo.</translation>
    </message>
    <message>
        <source>Tintaloo Picture Pack</source>
        <translation>Paquete de dibujos de Tintaloo</translation>
    </message>
    <message>
        <source>Select where you would like to save the Picture Pack.</source>
        <translation>Elija dónde desea guardar el paquete de dibujos.</translation>
    </message>
    <message>
        <source>The Picture Pack has been successfully created!</source>
        <translation>¡El paquete de dibujos se ha creado correctamente!</translation>
    </message>
    <message>
        <source>There was an error saving the Picture Pack. Please make sure that the folder you selected is not write protected and that there is enough space.</source>
        <translation>Se produjo un error al guardar el paquete de dibujos. Compruebe que la carpeta elegida no esté protegida contra escritura y que haya suficiente espacio.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>The Tintaloo</source>
        <translation>Tintaloo</translation>
    </message>
    <message>
        <source>Please wait while The Tintaloo loads.</source>
        <translation>Espere mientras se carga Tintaloo.</translation>
    </message>
    <message>
        <source>The Tintaloo is brought to you by the Tintaloo project. Please respect the license agreement.</source>
        <translation>Tintaloo es obra del proyecto Tintaloo. Por favor, respete el acuerdo de licencia.</translation>
    </message>
    <message>
        <source>Open The Tintaloo help file to view the license agreement in more detail.</source>
        <translation>Abra la ayuda de Tintaloo para ver el acuerdo de licencia con más detalle.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Visitar el sitio web</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos; Please make sure that it exists.</source>
        <translation>No se pudo abrir el archivo de ayuda «%1/help/index.htm». Compruebe que exista.</translation>
    </message>
    <message>
        <source>Could not load The Tintaloo webpage. Please make sure that your internet browser is working!</source>
        <translation>No se pudo cargar la página web de Tintaloo. ¡Compruebe que su navegador de internet funcione!</translation>
    </message>
</context>
<context>
    <name>mMain</name>
    <message>
        <source>Unable to start the help file &apos;%1/help/index.htm&apos;. Please make sure that it exists.</source>
        <translation>No se pudo abrir el archivo de ayuda «%1/help/index.htm». Compruebe que exista.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>the default books were not found (looked in share/tintaloo beside the program and in the system data folders)</source>
        <translation>no se encontraron los libros predeterminados (se buscaron en share/tintaloo junto al programa y en las carpetas de datos del sistema)</translation>
    </message>
    <message>
        <source>some default books or help topics could not be copied into &apos;%1&apos;</source>
        <translation>algunos libros predeterminados o temas de ayuda no se pudieron copiar en «%1»</translation>
    </message>
    <message>
        <source>Tintaloo is already running with the data folder &apos;%1&apos;, but did not answer.</source>
        <translation>Tintaloo ya está en marcha con la carpeta de datos «%1», pero no respondió.</translation>
    </message>
</context>
</TS>
