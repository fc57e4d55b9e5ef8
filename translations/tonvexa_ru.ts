<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>нет экрана, на котором можно показать окно (не задана ни переменная %1, ни %2); чтобы конвертировать без окна, используйте %3</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>%1 kbps</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Гц</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Объединённое стерео</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>Два канала</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
</context>
<context>
    <name>OptionsCommand</name>
    <message>
        <source>the system gave no reason</source>
        <extracomment>Stands for the system&apos;s reason in &quot;Tonvexa could not save its options: %1.&quot;</extracomment>
        <translation>система не сообщила причину</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Tonvexa не удалось сохранить настройки: %1.</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>OK</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>Ошибка конвертации</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>Пропущено. Для конвертации между WAV и MP3 используйте Sonidrift (https://www.sonidrift.example/).</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Не удалось создать папку «%1»</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>Не удалось создать конечный файл</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Конвертация...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>Конвертация в %2: файл %1 из %n...</numerusform>
            <numerusform>Конвертация в %2: файл %1 из %n...</numerusform>
            <numerusform>Конвертация в %2: файл %1 из %n...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>Конвертация %1...%2%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Выберите хотя бы один файл.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>В списке нет файлов.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;и другие файлы&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>Не удалось загрузить следующие файлы.

%1
За помощью обращайтесь по адресу &lt;%2&gt;.</translation>
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
        <translation>Использование: tonvexa-convert --to mp3|wav|wma [--options FILE]
                               [--set KEY=VALUE]... [--jobs N] PATH...
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
        <translation>Конвертирует файлы Windows Media (.wma, .wmv, .asf) в MP3, WAV или Windows
Media, а файлы WAV и MP3 — в Windows Media. Каждый PATH — это файл или папка;
папки просматриваются вместе с вложенными папками. Существующие файлы никогда
не перезаписываются: к занятому имени добавляется номер.

  --to mp3|wav|wma  целевой формат
  --options FILE    читать настройки из этого INI-файла вместо сохранённых
  --set KEY=VALUE   задать одну настройку на этот запуск поверх сохранённых
                    или заданных в файле (можно повторять); KEY — имя, под
                    которым хранится настройка (список ниже), а VALUE читается
                    и проверяется так же, как в файле настроек
  --jobs N          конвертировать до N файлов одновременно (от 1 до 64); без
                    этого параметра — как задано в настройке
                    SimultaneousConversions (0, по умолчанию: по одному файлу
                    на ядро процессора)
  --probe           вывести для каждого файла имя, длительность, битрейт,
                    частоту дискретизации и каналы
  --tags            вывести тег каждого файла так, как его прочитает
                    конвертация с сохранением тега: строки NAME=value (UTF-8;
                    \n, \r и \\ обозначают перевод строки, возврат каретки и
                    обратную косую черту) и по строке PICTURE на изображение;
                    при нескольких файлах вывод каждого начинается со строки
                    &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     вывести доступные форматы Windows Media: частота, бит/с,
                    каналы, описание

Выводит по одной строке на задание: исходный файл, табуляция и результат (имя
нового файла или причина ошибки). Ctrl+C отменяет работу: выполняемые задания
завершаются с результатом «Отменено» и не оставляют недописанных файлов.
Код выхода: 0, если конвертированы все файлы, 1, если хотя бы один не
конвертирован, 2 при ошибке в командной строке.

Ключи настроек (имена в файле настроек, группа [Options]):
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set: неизвестный ключ настройки «%1» (список ключей выводит --help)</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1: «%2» не является целым числом</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1: тег читается только из файла настроек (--options)</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1: эту настройку нельзя задать</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>для --to нужно указать mp3, wav или wma</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>неизвестный целевой формат «%1» (mp3, wav или wma)</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>для --options нужно указать файл</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>для --set нужно указать KEY=VALUE</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>для --jobs нужно указать число от 1 до 64</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>укажите ровно один из параметров --to, --probe, --tags и --wma-formats</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>не указан ни один PATH</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>не удаётся прочитать файл настроек %1</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1 не является файлом настроек</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>О программе Tonvexa</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa, версия %1, сборка %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Посетить сайт Tonvexa</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>Обратная связь и поддержка</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Программа использует MP3-кодер LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>Рассказать другу</translation>
    </message>
</context>
<context>
    <name>tonvexa::AmplifyControls</name>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Усилить / ослабить звук</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>Коэффициент в процентах</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Недопустимый коэффициент усиления. Допустимы значения от 10 до 3000.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Настройки MP3</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Гц</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>%1 is a bit rate in kilobits per second</extracomment>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Объединённое стерео</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Стерео</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Моно</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <extracomment>A link to a web search that explains the difference</extracomment>
        <translation>Объединённое стерео или стерео?</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Программа использует MP3-кодер LAME.</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Частота дискретизации:</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Битрейт:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>&amp;Настройки кодирования:</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Настройки вывода</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>Папка исходного файла</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>Указанная папка назначения</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>&amp;Обзор</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>&amp;Создавать папки по пути исходного файла</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>Открывать папку назначения по &amp;завершении конвертации</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>Авто</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>&amp;Папка назначения:</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>&amp;Указанная папка:</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>&amp;Число одновременных конвертаций:</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>Например: исходный файл — %1, указанная папка — %2; тогда папкой назначения будет %3, она создаётся автоматически.</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Выберите папку назначения:</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>Путь к этой папке слишком длинный: путь к папке назначения может содержать не более %n символа.</numerusform>
            <numerusform>Путь к этой папке слишком длинный: путь к папке назначения может содержать не более %n символов.</numerusform>
            <numerusform>Путь к этой папке слишком длинный: путь к папке назначения может содержать не более %n символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Выберите папку назначения.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Настройки WAV</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Гц</translation>
    </message>
    <message numerus="yes">
        <source>%n bits</source>
        <extracomment>A sample width: %n is 8 or 16</extracomment>
        <translation>
            <numerusform>%n бит</numerusform>
            <numerusform>%n бита</numerusform>
            <numerusform>%n бит</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>&amp;Моно</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channels of WAV output</extracomment>
        <translation>&amp;Стерео</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Частота дискретизации:</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>&amp;Разрядность:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>&amp;Настройки кодирования:</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Настройки WMA</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>Авто</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>&amp;Настройки кодирования: (частота дискретизации, битрейт, каналы)</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Гц, %2 кбит/с, %3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>стерео</translation>
    </message>
</context>
<context>
    <name>tonvexa::CommandSet</name>
    <message>
        <source>&amp;Play Source</source>
        <extracomment>Context menu of the file list; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Воспроизвести исходный файл</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>&amp;Открыть папку исходного файла</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Воспроизвести &amp;конечный файл</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Открыть папку &amp;назначения</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>Конв&amp;ертировать в MP3</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>Конве&amp;ртировать в WMA</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>Конвер&amp;тировать в WAV</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>Конверт&amp;ировать все в MP3</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>Конвертировать в&amp;се в WMA</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>Конвертиров&amp;ать все в WAV</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>&amp;Добавить файлы...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>Уда&amp;лить все</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Вызов справки</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>&amp;Рассказать другу</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>Обратная &amp;связь и поддержка</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>&amp;Домашняя страница</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>Поиск файлов...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>Добавление файла %1 из %2...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>Исходные файлы</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>Время</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>Состояние</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Справка Tonvexa</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>Не удалось открыть ссылку:

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционной системе не хватает
памяти или ресурсов.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционная система запретила
доступ к указанному файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Недопустимый файл .EXE
(не Win32 .EXE или ошибка в образе .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Произошло нарушение совместного доступа. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Сопоставление для имени файла
неполное или недопустимое.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Не удалось завершить транзакцию DDE:
истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Сбой транзакции DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Не удалось завершить транзакцию DDE:
выполнялись другие
транзакции DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Нет приложения, сопоставленного
с данным расширением имени файла.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указанная динамическая библиотека не найдена.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>Произошла неизвестная ошибка (%1).</translation>
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
        <translation>Изменение тега ID3</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>Название по имени файла (без расширения)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>&amp;Трек №:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Исполнитель:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>&amp;Альбом:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Год:</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>&amp;Жанр:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>&amp;Комментарий:</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>%1 нельзя сохранить в теге ID3: в нём допустимы только западноевропейские символы (ISO-8859-1).</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Здесь можно вводить только цифры.</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>В это поле можно ввести не более %n символа.</numerusform>
            <numerusform>В это поле можно ввести не более %n символов.</numerusform>
            <numerusform>В это поле можно ввести не более %n символов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>Введите целое число от 0 до %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>Все поддерживаемые форматы</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>Файлы Windows Media Audio</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>Файлы Windows Media Video</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>Файлы Advanced Systems Format</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Файлы MP3</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Файлы WAV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>Выберите папку:</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Добавить файлы</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>Добавить файлы WMA/WMV/ASF/MP3/WAV</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>Добавить файлы WMA/WMV/ASF/MP3/WAV из папки</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Удалить все</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>Удалить все файлы из списка</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Конвертация в MP3</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>Конвертировать все файлы в формат MP3</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Конвертация &amp;в WMA</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>Конвертировать все файлы в формат WMA</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Конве&amp;ртация в WAV</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>Конвертировать все файлы в формат WAV</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Посетить сайт Tonvexa</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>Аудиоконвертер</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>Список файлов</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Гц, 16 кбит/с, моно (низкое качество, наименьший размер)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Гц, 32 кбит/с, объединённое стерео (приемлемое качество, малый размер)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Гц, 96 кбит/с, объединённое стерео (среднее качество, обычный размер)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Гц, 128 кбит/с, объединённое стерео (почти CD-качество, большой размер)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Гц, 8 бит, моно (низкое качество, наименьший размер)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Гц, 16 бит, стерео (приемлемое качество, малый размер)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Гц, 16 бит, стерео (среднее качество, обычный размер)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Гц, 16 бит, стерео (высокое качество, большой размер)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>Пользовательские</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>Список файлов</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Тег ID3</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>&amp;Добавить тег ID3</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>Сохранить &amp;тег ID3</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>Без тега ID3</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>&amp;Изменить тег ID3</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>Уменьшить</translation>
    </message>
</context>
</TS>
