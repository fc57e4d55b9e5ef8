<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>keine Anzeige, auf der das Fenster erscheinen kann (weder %1 noch %2 ist gesetzt); um ohne Fenster zu konvertieren, verwenden Sie %3</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>Zweikanal</translation>
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
        <translation>das System hat keinen Grund genannt</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Tonvexa konnte seine Optionen nicht speichern: %1.</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>OK</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button of the options and of the tag editor; no &amp; letter, which their controls need</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>Konvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>Übersprungen. Bitte verwenden Sie Sonidrift (https://www.sonidrift.example/), um zwischen WAV und MP3 zu konvertieren.</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Ordner „%1“ konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>Ausgabedatei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Wird konvertiert...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>Datei %1 von %n wird in %2 konvertiert...</numerusform>
            <numerusform>Datei %1 von %n wird in %2 konvertiert...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>%1 wird konvertiert...%2%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Bitte wählen Sie mindestens eine Datei aus.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Die Liste enthält keine Dateien.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;weitere Dateien&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>Die folgenden Dateien konnten nicht geladen werden.

%1
Hilfe erhalten Sie unter &lt;%2&gt;.</translation>
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
        <translation>Aufruf: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]...
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
        <translation>Konvertiert Windows-Media-Dateien (.wma, .wmv, .asf) in MP3, WAV oder Windows
Media sowie WAV- und MP3-Dateien in Windows Media. Jeder PATH ist eine Datei
oder ein Ordner; Ordner werden samt ihren Unterordnern durchsucht. Nichts wird
je überschrieben: Ist ein Name schon vergeben, erhält die Ausgabe eine Nummer.

  --to mp3|wav|wma  das Zielformat
  --options FILE    die Optionen aus dieser INI-Datei statt der gespeicherten
                    lesen
  --set KEY=VALUE   eine Option für diesen Aufruf setzen, vorrangig vor den
                    gespeicherten oder denen der Datei (wiederholbar); KEY ist
                    der gespeicherte Name einer Option (siehe unten), VALUE
                    wird wie in einer Optionsdatei gelesen und geprüft
  --jobs N          bis zu N Dateien gleichzeitig konvertieren (1 bis 64); ohne
                    diese Angabe so viele, wie die Option
                    SimultaneousConversions sagt (0, der Standard: eine je
                    Prozessorkern)
  --probe           Name, Länge, Bitrate, Abtastrate und Kanäle jeder Datei
                    ausgeben
  --tags            das Tag jeder Datei so ausgeben, wie eine Konvertierung,
                    die es beibehält, es liest: NAME=value-Zeilen (UTF-8; \n,
                    \r und \\ für Zeilenumbruch, Wagenrücklauf und Backslash)
                    und je Bild eine PICTURE-Zeile; bei mehreren Dateien
                    beginnt jede mit einer Zeile &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     die angebotenen Windows-Media-Formate ausgeben: Abtastrate,
                    Bit/s, Kanäle, Beschreibung

Gibt je Auftrag eine Zeile aus: die Quelle, einen Tabulator und das Ergebnis
(den Dateinamen der Ausgabe oder den Grund des Fehlschlags). Ctrl+C bricht ab:
Laufende Aufträge enden als „Abgebrochen“ und hinterlassen keine unvollständige
Datei. Exit-Status: 0, wenn jede Datei konvertiert wurde, 1, wenn eine nicht
konvertiert wurde, 2 bei einem Fehler im Aufruf.

Optionsschlüssel (die Namen in der Optionsdatei, Gruppe [Options]):
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set: unbekannter Optionsschlüssel „%1“ (--help listet die Schlüssel auf)</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1: „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1: Ein Tag wird nur aus einer Optionsdatei gelesen (--options)</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1: kann nicht gesetzt werden</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>--to erwartet mp3, wav oder wma</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>unbekanntes Ziel „%1“ (mp3, wav oder wma)</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>--options erwartet eine Datei</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>--set erwartet KEY=VALUE</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>--jobs erwartet eine Zahl von 1 bis 64</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>geben Sie genau eine der Optionen --to, --probe, --tags und --wma-formats an</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>kein PATH angegeben</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>die Optionsdatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1 ist keine Optionsdatei</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>Über Tonvexa</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa v%1 Build %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Tonvexa-Homepage besuchen</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>Feedback und Support</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Das Programm verwendet den MP3-Encoder LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>Weiterempfehlen</translation>
    </message>
</context>
<context>
    <name>tonvexa::AmplifyControls</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>Lautstärke &amp;anheben / absenken</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>Faktor in Prozent</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Ungültiger Verstärkungsfaktor. Er muss zwischen 10 und 3000 liegen.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>MP3-Optionen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>%1 is a bit rate in kilobits per second</extracomment>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Joint Stereo</translation>
    </message>
    <message>
        <source>&amp;Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Stereo</translation>
    </message>
    <message>
        <source>&amp;Mono</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>&amp;Mono</translation>
    </message>
    <message>
        <source>Joint Stereo vs. Stereo</source>
        <extracomment>A link to a web search that explains the difference</extracomment>
        <translation>Joint Stereo oder Stereo?</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Das Programm verwendet den MP3-Encoder LAME.</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>Abtast&amp;rate:</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>&amp;Kodieroptionen:</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Ausgabeoptionen</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>Ordner der Quelldatei</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>Ausgabeordner angeben</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>Ordner nach dem Pfad der Quelldatei an&amp;legen</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>Ausgabeordner nach der Konvertierung an&amp;zeigen</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>Auto</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>&amp;Ausgabeordner:</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>&amp;Gewählter Ordner:</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>Gleichzeitige &amp;Konvertierungen:</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>Beispiel: Die Quelldatei ist %1 und der gewählte Ordner ist %2; dann ist der Ausgabeordner %3, der automatisch angelegt wird.</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Bitte wählen Sie einen Ausgabeordner:</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>Der Pfad dieses Ordners ist zu lang: Ein Ausgabeordner darf höchstens %n Zeichen haben.</numerusform>
            <numerusform>Der Pfad dieses Ordners ist zu lang: Ein Ausgabeordner darf höchstens %n Zeichen haben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Bitte wählen Sie einen Ausgabeordner.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>WAV-Optionen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parameter</translation>
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
            <numerusform>%n Bit</numerusform>
            <numerusform>%n Bit</numerusform>
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
        <translation>&amp;Stereo</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>Abtast&amp;rate:</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>&amp;Bittiefe:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>&amp;Kodieroptionen:</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>WMA-Optionen</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>&amp;Kodieroptionen: (Abtastrate, Bitrate, Kanäle)</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Hz, %2 kbit/s, %3</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
</context>
<context>
    <name>tonvexa::CommandSet</name>
    <message>
        <source>&amp;Play Source</source>
        <extracomment>Context menu of the file list; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Quelle abspielen</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>Quellordner an&amp;zeigen</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Ausgabedatei a&amp;bspielen</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Ausgabeo&amp;rdner anzeigen</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>In M&amp;P3 konvertieren</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>In &amp;WMA konvertieren</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>In WAV konver&amp;tieren</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>Alle in &amp;MP3 konvertieren</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>Alle in WM&amp;A konvertieren</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>Alle in WA&amp;V konvertieren</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>&amp;Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>&amp;Weiterempfehlen</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Feedback und Support</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>Home&amp;page</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Nach neuer &amp;Version suchen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>Dateien werden gesucht...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>Datei %1 von %2 wird hinzugefügt...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>Quelldateien</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Tonvexa-Hilfe</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es an
Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil die Anfrage zu lange gedauert hat.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil gerade andere DDE-Transaktionen
verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Dynamic Link Library (DLL) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>tonvexa::Id3TagDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>A character the tag cannot hold (%1), in quotation marks, as it begins the message &quot;%1 cannot be stored in an ID3 tag...&quot;</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Edit ID3 tag</source>
        <extracomment>The tag editor&apos;s title</extracomment>
        <translation>ID3-Tag bearbeiten</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>Titel aus Dateinamen (ohne Endung)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>&amp;Nr.:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Interpret:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>Albu&amp;m:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>&amp;Genre:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>%1 kann nicht in einem ID3-Tag gespeichert werden, das nur westeuropäische Zeichen (ISO-8859-1) aufnimmt.</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>Hier können nur Ziffern eingegeben werden.</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>Dieses Feld fasst höchstens %n Zeichen.</numerusform>
            <numerusform>Dieses Feld fasst höchstens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 0 und %1 ein.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>Alle unterstützten Formate</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>Windows-Media-Audiodateien</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>Windows-Media-Videodateien</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>Advanced Systems Format</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>MP3-Dateien</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>WMA/WMV/ASF/MP3/WAV-Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>O&amp;rdner hinzufügen</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>WMA/WMV/ASF/MP3/WAV-Dateien aus einem Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>In M&amp;P3 konvertieren</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>Alle Dateien in das MP3-Format konvertieren</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>In W&amp;MA konvertieren</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>Alle Dateien in das WMA-Format konvertieren</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>In &amp;WAV konvertieren</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>Alle Dateien in das WAV-Format konvertieren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Tonvexa-Homepage besuchen</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>Audiokonverter</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kbit/s, Mono (niedrige Qualität, kleinere Dateien)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kbit/s, Joint Stereo (brauchbare Qualität, klein)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kbit/s, Joint Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kbit/s, Joint Stereo (fast CD-Qualität, groß)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 Bit, Mono (niedrige Qualität, kleinere Dateien)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 Bit, Stereo (brauchbare Qualität, klein)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 Bit, Stereo (mittlere Qualität, normale Größe)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 Bit, Stereo (hohe Qualität, groß)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>Dateiliste</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>ID3-Tag</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>&amp;ID3-Tag hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>ID3-Tag b&amp;eibehalten</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>Kein ID3-Tag</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>ID3-&amp;Tag bearbeiten</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>Verringern</translation>
    </message>
</context>
</TS>
