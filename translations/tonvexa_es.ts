<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>no hay ninguna pantalla en la que mostrar la ventana (no está definida ni %1 ni %2); para convertir sin ventana, use %3</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>Canal dual</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
</context>
<context>
    <name>OptionsCommand</name>
    <message>
        <source>the system gave no reason</source>
        <extracomment>Stands for the system&apos;s reason in &quot;Tonvexa could not save its options: %1.&quot;</extracomment>
        <translation>el sistema no indicó el motivo</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Tonvexa no pudo guardar sus opciones: %1.</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>OK</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>Omitido. Use Sonidrift (https://www.sonidrift.example/) para convertir entre WAV y MP3.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>No se pudo crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>No se pudo crear el archivo de destino</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>Convirtiendo %1 de %n archivo a %2...</numerusform>
            <numerusform>Convirtiendo %1 de %n archivos a %2...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>Convirtiendo %1...%2%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Seleccione al menos un archivo.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>No hay archivos en la lista.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;más archivos&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>No se pudieron cargar los siguientes archivos.

%1
Para obtener ayuda, póngase en contacto con &lt;%2&gt;.</translation>
    </message>
</context>
<context>
    <name>tonvexa-convert</name>
    <message>
        <source>usage: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]... [--jobs N]
                       PATH...
       tonvexa-convert --probe PATH...
       tonvexa-convert --tags PATH...
       tonvexa-convert --wma-formats
       tonvexa-convert --help | --version
</source>
        <translation>uso: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]...
                     [--jobs N] PATH...
     tonvexa-convert --probe PATH...
     tonvexa-convert --tags PATH...
     tonvexa-convert --wma-formats
     tonvexa-convert --help | --version
</translation>
    </message>
    <message>
        <source>Converts Windows Media (.wma, .wmv, .asf) files to MP3, WAV or Windows Media, and WAV
and MP3 files to Windows Media. Each PATH is a file or a folder; folders are searched
with their subfolders. Outputs never overwrite anything: a taken name gets a number.

  --to mp3|wav|wma  the target format
  --options FILE    read the options from this INI file instead of the saved ones
  --set KEY=VALUE   set one option for this run, over the saved ones or the file&apos;s
                    (repeatable); KEY is an option&apos;s stored name, listed below, and
                    VALUE is read and checked as in an options file
  --jobs N          convert up to N files at once (1 to 64); without it, as the
                    option SimultaneousConversions says (0, the default: one per
                    core)
  --probe           print each file&apos;s name, length, bit rate, rate and channels
  --tags            print each file&apos;s tag as a conversion that keeps it reads it:
                    NAME=value lines (UTF-8; \n, \r and \\ for a newline, a return
                    and a backslash) and a PICTURE line per picture; several files
                    each start with a line &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     print the Windows Media formats on offer: rate, bit/s, channels,
                    description

Prints one line per job: the source, a tab, and the outcome (the output&apos;s file name or
the reason it failed). Ctrl+C cancels: running jobs end as &quot;Cancelled&quot; and leave no
partial file. Exit status: 0 when every file converted, 1 when any did not, 2 for a
usage error.

Option keys (the names in the options file, group [Options]):
</source>
        <extracomment>Keep the options (--to, --set, ...), KEY, VALUE, PATH, N and FILE as they are; the lines are wrapped for an 80-column terminal.</extracomment>
        <translation>Convierte archivos Windows Media (.wma, .wmv, .asf) a MP3, WAV o Windows Media,
y archivos WAV y MP3 a Windows Media. Cada PATH es un archivo o una carpeta; en
las carpetas se busca también en sus subcarpetas. Nunca se sobrescribe nada: un
nombre ya ocupado recibe un número.

  --to mp3|wav|wma  el formato de destino
  --options FILE    leer las opciones de este archivo INI en lugar de las
                    guardadas
  --set KEY=VALUE   definir una opción para esta ejecución, por encima de las
                    guardadas o de las del archivo (repetible); KEY es el nombre
                    guardado de una opción, de la lista de abajo, y VALUE se lee
                    y se comprueba como en un archivo de opciones
  --jobs N          convertir hasta N archivos a la vez (de 1 a 64); sin esta
                    opción, según indique la opción SimultaneousConversions (0,
                    el valor predeterminado: uno por núcleo)
  --probe           mostrar el nombre, la duración, la tasa de bits, la
                    frecuencia y los canales de cada archivo
  --tags            mostrar la etiqueta de cada archivo tal como la lee una
                    conversión que la conserva: líneas NAME=value (UTF-8; \n, \r
                    y \\ para un salto de línea, un retorno de carro y una barra
                    invertida) y una línea PICTURE por imagen; con varios
                    archivos, cada uno empieza con una línea &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     mostrar los formatos Windows Media disponibles: frecuencia,
                    bit/s, canales, descripción

Muestra una línea por tarea: el origen, un tabulador y el resultado (el nombre
del archivo de salida o el motivo del error). Ctrl+C cancela: las tareas en
curso terminan como «Cancelado» y no dejan ningún archivo a medias. Código de
salida: 0 si se convirtieron todos los archivos, 1 si alguno no, 2 si hay un
error de uso.

Claves de opción (los nombres en el archivo de opciones, grupo [Options]):
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set: clave de opción desconocida «%1» (--help muestra las claves)</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1: «%2» no es un número entero</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1: una etiqueta solo se lee de un archivo de opciones (--options)</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1: no se puede definir</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>--to necesita mp3, wav o wma</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>formato de destino desconocido «%1» (mp3, wav o wma)</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>--options necesita un archivo</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>--set necesita KEY=VALUE</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>--jobs necesita un número de 1 a 64</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>indique exactamente una de las opciones --to, --probe, --tags y --wma-formats</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>no se indicó ningún PATH</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>no se puede leer el archivo de opciones %1</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1 no es un archivo de opciones</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>Acerca de Tonvexa</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa v%1, compilación %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Visitar el sitio web de Tonvexa</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>Comentarios y soporte</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>El programa usa el codificador MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>Recomendar a un amigo</translation>
    </message>
</context>
<context>
    <name>tonvexa::AmplifyControls</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Amplificar / reducir sonido</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>Coeficiente en porcentaje</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Coeficiente de amplificación no válido. Debe estar entre 10 y 3000.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opciones de MP3</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>%1 is a bit rate in kilobits per second</extracomment>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>Estéreo con&amp;junto</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Estéreo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <extracomment>A link to a web search that explains the difference</extracomment>
        <translation>Estéreo conjunto vs. estéreo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>El programa usa el codificador MP3 LAME.</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Tasa de bits:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Opciones de &amp;codificación:</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opciones de salida</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>Misma carpeta que el archivo de origen</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>Especificar carpeta de salida</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>E&amp;xaminar</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>&amp;Crear carpetas según la ruta del archivo de origen</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>&amp;Abrir la carpeta de salida al terminar la conversión</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>Carpeta de &amp;salida:</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>Carpeta &amp;específica:</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>Conversiones si&amp;multáneas:</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>Por ejemplo: si el archivo de origen es %1 y la carpeta especificada es %2, la carpeta de salida será %3, que se crea automáticamente.</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Elija una carpeta de salida:</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>La ruta de esta carpeta es demasiado larga: una carpeta de salida puede tener como máximo %n carácter.</numerusform>
            <numerusform>La ruta de esta carpeta es demasiado larga: una carpeta de salida puede tener como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Elija una carpeta de salida.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>Opciones</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opciones de WAV</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message numerus="yes">
        <source>%n bits</source>
        <extracomment>A sample width: %n is 8 or 16</extracomment>
        <translation>
            <numerusform>%n bit</numerusform>
            <numerusform>%n bits</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>&amp;Estéreo</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Frecuencia de muestreo:</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>&amp;Bits:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Opciones de &amp;codificación:</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opciones de WMA</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>Opciones de &amp;codificación: (frecuencia de muestreo, tasa de bits, canales)</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Hz, %2 kbps, %3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
</context>
<context>
    <name>tonvexa::CommandSet</name>
    <message>
        <source>&amp;Play Source</source>
        <extracomment>Context menu of the file list; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Reproducir origen</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Abrir carpeta de &amp;origen</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Reproducir &amp;destino</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>A&amp;brir carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>&amp;Convertir a MP3</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>Con&amp;vertir a WMA</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>Conver&amp;tir a WAV</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>Convertir todo a &amp;MP3</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>Co&amp;nvertir todo a WMA</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>Convertir todo a &amp;WAV</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>&amp;Añadir archivos...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Añadir car&amp;peta</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>Quitar todo&amp;s</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>&amp;Recomendar a un amigo</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Comentarios y soporte</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>&amp;Sitio web</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Buscar la última versión</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>Buscando archivos...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>Añadiendo archivo %1 de %2...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>Archivos originales</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Ayuda de Tonvexa</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>No se puede abrir el hipervínculo:

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo no tiene
suficiente memoria o recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo especificado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No hay suficiente memoria para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE de Win32 o hay un error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>No se pudo completar la transacción DDE
porque se agotó el tiempo de espera de la solicitud.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Error en la transacción DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>No se pudo completar la transacción DDE
porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
con la extensión de nombre de archivo indicada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
</context>
<context>
    <name>tonvexa::Id3TagDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>A character the tag cannot hold (%1), in quotation marks, as it begins the message &quot;%1 cannot be stored in an ID3 tag...&quot;</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Edit ID3 tag</source>
        <extracomment>The tag editor&apos;s title</extracomment>
        <translation>Editar etiqueta ID3</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>Usar el nombre de archivo como título (sin extensión)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>&amp;Pista:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Artista:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>Álbu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>Añ&amp;o:</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>&amp;Género:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>&amp;Comentario:</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>%1 no se puede guardar en una etiqueta ID3, que solo admite caracteres de Europa occidental (ISO-8859-1).</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Aquí solo se pueden escribir dígitos.</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>Este campo admite como máximo %n carácter.</numerusform>
            <numerusform>Este campo admite como máximo %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>Introduzca un número entero entre 0 y %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>Todos los formatos admitidos</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>Archivos de Windows Media Audio</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>Archivos de Windows Media Video</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>Advanced Systems Format</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Archivos MP3</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Archivos WAV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>Elija una carpeta:</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Añadir archivos</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>Añadir archivos WMA/WMV/ASF/MP3/WAV</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Añadir &amp;carpeta</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>Añadir archivos WMA/WMV/ASF/MP3/WAV de una carpeta</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Quitar todos</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Convertir a M&amp;P3</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>Convertir todos los archivos a formato MP3</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Convertir a W&amp;MA</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>Convertir todos los archivos a formato WMA</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Convertir a &amp;WAV</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>Convertir todos los archivos a formato WAV</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Sitio web de Tonvexa</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>Convertidor de audio</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbps, Mono (calidad baja, archivo más pequeño)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbps, Estéreo conjunto (calidad aceptable, archivo pequeño)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbps, Estéreo conjunto (calidad media, tamaño normal)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbps, Estéreo conjunto (calidad casi de CD, tamaño grande)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bits, Mono (calidad baja, archivo más pequeño)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bits, Estéreo (calidad aceptable, archivo pequeño)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bits, Estéreo (calidad media, tamaño normal)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bits, Estéreo (calidad alta, tamaño grande)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>Lista de archivos</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Etiqueta ID3</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>Añadir etiqueta &amp;ID3</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>Co&amp;nservar etiqueta ID3</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>Sin etiqueta ID3</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>E&amp;ditar etiqueta ID3</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>Abajo</translation>
    </message>
</context>
</TS>
