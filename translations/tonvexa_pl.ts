<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ConverterApp</name>
    <message>
        <source>no display to show the window on (neither %1 nor %2 is set); to convert without a window, use %3</source>
        <extracomment>Printed on the terminal after &quot;tonvexa: &quot;. %1 and %2 are names of environment variables, %3 the name of the command-line converter.</extracomment>
        <translation>brak ekranu, na którym można pokazać okno (nie ustawiono ani %1, ani %2); aby konwertować bez okna, użyj %3</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kb/s</translation>
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
        <translation>Stereo łączone</translation>
    </message>
    <message>
        <source>Dual Channel</source>
        <translation>Dwa kanały</translation>
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
        <translation>system nie podał przyczyny</translation>
    </message>
    <message>
        <source>Tonvexa could not save its options: %1.</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;Permission denied&quot;</extracomment>
        <translation>Nie udało się zapisać opcji programu Tonvexa: %1.</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Tonvexa</name>
    <message>
        <source>Conversion Failure</source>
        <translation>Błąd konwersji</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Skipped. Please use Sonidrift (https://www.sonidrift.example/) to convert between WAV and MP3.</source>
        <translation>Pominięto. Do konwersji między WAV a MP3 użyj programu Sonidrift (https://www.sonidrift.example/).</translation>
    </message>
    <message>
        <source>Failed to create folder &quot;%1&quot;</source>
        <extracomment>%1 is a folder&apos;s path</extracomment>
        <translation>Nie udało się utworzyć folderu „%1”</translation>
    </message>
    <message>
        <source>Failed to create destination file</source>
        <translation>Nie udało się utworzyć pliku docelowego</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Konwertowanie...</translation>
    </message>
    <message numerus="yes">
        <source>Converting %1 of %n file(s) to %2...</source>
        <extracomment>%1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)</extracomment>
        <translation>
            <numerusform>Konwertowanie %1 z %n pliku do %2...</numerusform>
            <numerusform>Konwertowanie %1 z %n plików do %2...</numerusform>
            <numerusform>Konwertowanie %1 z %n plików do %2...</numerusform>
        </translation>
    </message>
    <message>
        <source>Converting %1...%2%</source>
        <extracomment>%1 is the file&apos;s name, %2 how far it is in percent</extracomment>
        <translation>Konwertowanie %1...%2%</translation>
    </message>
    <message>
        <source>You should select a file at least.</source>
        <translation>Zaznacz co najmniej jeden plik.</translation>
    </message>
    <message>
        <source>There aren&apos;t files in list.</source>
        <translation>Na liście nie ma plików.</translation>
    </message>
    <message>
        <source>&lt;more files&gt;...</source>
        <translation>&lt;więcej plików&gt;...</translation>
    </message>
    <message>
        <source>Failed to load the following files.

%1
To get help, please contact &lt;%2&gt;.</source>
        <extracomment>%1 is the list of files, one a line; %2 the support address</extracomment>
        <translation>Nie udało się wczytać następujących plików.

%1
Aby uzyskać pomoc, napisz na adres &lt;%2&gt;.</translation>
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
        <translation>użycie: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]...
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
        <translation>Konwertuje pliki Windows Media (.wma, .wmv, .asf) do MP3, WAV lub Windows Media,
a pliki WAV i MP3 do Windows Media. Każda ścieżka PATH to plik lub folder;
foldery są przeszukiwane wraz z podfolderami. Nic nie jest nadpisywane: zajęta
nazwa dostaje numer.

  --to mp3|wav|wma  format docelowy
  --options FILE    wczytuje opcje z tego pliku INI zamiast opcji zapisanych
  --set KEY=VALUE   ustawia jedną opcję na to uruchomienie, ponad opcje zapisane
                    lub te z pliku (można powtarzać); KEY to zapisana nazwa
                    opcji (lista poniżej), a VALUE jest odczytywana i sprawdzana
                    tak jak w pliku opcji
  --jobs N          konwertuje do N plików jednocześnie (od 1 do 64); bez tej
                    opcji tyle, ile podaje opcja SimultaneousConversions (0,
                    domyślnie: jeden na rdzeń)
  --probe           wypisuje nazwę, długość, przepływność, częstotliwość
                    i kanały każdego pliku
  --tags            wypisuje znacznik każdego pliku tak, jak odczytuje go
                    konwersja, która go zachowuje: wiersze NAME=value (UTF-8;
                    \n, \r i \\ oznaczają nowy wiersz, powrót karetki i ukośnik
                    odwrotny) oraz wiersz PICTURE dla każdego obrazu; przy kilku
                    plikach każdy zaczyna się od wiersza &quot;==&gt; PATH &lt;==&quot;
  --wma-formats     wypisuje dostępne formaty Windows Media: częstotliwość,
                    bit/s, kanały, opis

Wypisuje jeden wiersz na zadanie: plik źródłowy, tabulator i wynik (nazwę pliku
wyjściowego lub przyczynę niepowodzenia). Ctrl+C anuluje: trwające zadania
kończą się jako „Anulowano” i nie zostawiają niepełnych plików. Kod wyjścia: 0,
gdy wszystkie pliki zostały przekonwertowane, 1, gdy któregoś nie udało się
przekonwertować, 2 przy błędzie użycia.

Klucze opcji (nazwy w pliku opcji, grupa [Options]):
</translation>
    </message>
    <message>
        <source>--set: unknown option key &quot;%1&quot; (--help lists the keys)</source>
        <translation>--set: nieznany klucz opcji „%1” (klucze wymienia --help)</translation>
    </message>
    <message>
        <source>--set %1: &quot;%2&quot; is not a whole number</source>
        <translation>--set %1: „%2” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>--set %1: a tag is read only from an options file (--options)</source>
        <translation>--set %1: znacznik można wczytać tylko z pliku opcji (--options)</translation>
    </message>
    <message>
        <source>--set %1: cannot be set</source>
        <translation>--set %1: tej opcji nie można ustawić</translation>
    </message>
    <message>
        <source>--to needs mp3, wav or wma</source>
        <translation>--to wymaga mp3, wav lub wma</translation>
    </message>
    <message>
        <source>unknown target &quot;%1&quot; (mp3, wav or wma)</source>
        <translation>nieznany format docelowy „%1” (mp3, wav lub wma)</translation>
    </message>
    <message>
        <source>--options needs a file</source>
        <translation>--options wymaga pliku</translation>
    </message>
    <message>
        <source>--set needs KEY=VALUE</source>
        <translation>--set wymaga KEY=VALUE</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 64</source>
        <translation>--jobs wymaga liczby od 1 do 64</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>give exactly one of --to, --probe, --tags and --wma-formats</source>
        <translation>podaj dokładnie jedną z opcji --to, --probe, --tags i --wma-formats</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>nie podano PATH</translation>
    </message>
    <message>
        <source>cannot read the options file %1</source>
        <translation>nie można odczytać pliku opcji %1</translation>
    </message>
    <message>
        <source>%1 is not an options file</source>
        <translation>%1 nie jest plikiem opcji</translation>
    </message>
</context>
<context>
    <name>tonvexa::AboutDialog</name>
    <message>
        <source>About Tonvexa</source>
        <translation>O programie Tonvexa</translation>
    </message>
    <message>
        <source>Tonvexa v%1 build %2</source>
        <extracomment>%1 is the version number, %2 the build number</extracomment>
        <translation>Tonvexa v%1, kompilacja %2</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Odwiedź stronę programu Tonvexa</translation>
    </message>
    <message>
        <source>Feedback and Support</source>
        <extracomment>A link that writes a mail to the program&apos;s support</extracomment>
        <translation>Opinie i pomoc techniczna</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Program korzysta z kodera MP3 LAME</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Check Updates</source>
        <extracomment>A button that opens the web page telling whether a newer version is out</extracomment>
        <translation>&amp;Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Tell a Friend</source>
        <extracomment>A button that writes a mail recommending the program</extracomment>
        <translation>Poleć znajomemu</translation>
    </message>
</context>
<context>
    <name>tonvexa::AmplifyControls</name>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>&amp;Amplify / Reduce sound</source>
        <translation>&amp;Wzmocnij / ścisz dźwięk</translation>
    </message>
    <message>
        <source>Coefficient in percent</source>
        <extracomment>Name for screen readers of the field of the volume&apos;s scale</extracomment>
        <translation>Współczynnik w procentach</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Invalid amplification coefficient. It&apos;s betwen 10 and 3000.</source>
        <translation>Nieprawidłowy współczynnik wzmocnienia. Musi mieścić się w zakresie od 10 do 3000.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptMp3Page</name>
    <message>
        <source>MP3 Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opcje MP3</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <extracomment>%1 is a sample rate in hertz</extracomment>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <extracomment>%1 is a bit rate in kilobits per second</extracomment>
        <translation>%1 kb/s</translation>
    </message>
    <message>
        <source>&amp;Joint Stereo</source>
        <extracomment>Channel mode of MP3 output</extracomment>
        <translation>Stereo łączo&amp;ne</translation>
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
        <translation>Stereo łączone a stereo</translation>
    </message>
    <message>
        <source>The program uses LAME MP3 encoder.</source>
        <extracomment>A link to the web site of LAME, the MP3 encoder&apos;s name</extracomment>
        <translation>Program korzysta z kodera MP3 LAME.</translation>
    </message>
    <message>
        <source>Sample &amp;Frequency:</source>
        <translation>&amp;Częstotliwość próbkowania:</translation>
    </message>
    <message>
        <source>&amp;Bit Rate:</source>
        <translation>&amp;Przepływność:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Opcje &amp;kodowania:</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptOutputPage</name>
    <message>
        <source>Output Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opcje wyjścia</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <extracomment>Group of the controls that say where converted files go</extracomment>
        <translation>Folder wyjściowy</translation>
    </message>
    <message>
        <source>Same as source file</source>
        <extracomment>Converted files go to the folder of their source file</extracomment>
        <translation>Folder pliku źródłowego</translation>
    </message>
    <message>
        <source>Specify output folder</source>
        <extracomment>Converted files go to the folder given below</extracomment>
        <translation>Wskaż folder wyjściowy</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <extracomment>Chooses the output folder in a folder dialog</extracomment>
        <translation>&amp;Przeglądaj</translation>
    </message>
    <message>
        <source>&amp;Create folders according to path of source file</source>
        <translation>&amp;Twórz foldery według ścieżki pliku źródłowego</translation>
    </message>
    <message>
        <source>&amp;Browse output folder while conversion is complete</source>
        <extracomment>Shows the output folder in the file manager once a conversion has ended</extracomment>
        <translation>&amp;Otwórz folder wyjściowy po zakończeniu konwersji</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Number of simultaneous conversions: as many as the computer has processor cores</extracomment>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>&amp;Output Folder:</source>
        <extracomment>Label of the list: Same as source file, Specify output folder</extracomment>
        <translation>Folder &amp;wyjściowy:</translation>
    </message>
    <message>
        <source>&amp;Specific Folder:</source>
        <translation>Wskazany &amp;folder:</translation>
    </message>
    <message>
        <source>Si&amp;multaneous conversions:</source>
        <translation>Jednoczesne &amp;konwersje:</translation>
    </message>
    <message>
        <source>For example: the source file is %1 and the specified folder is %2; then the output folder is %3, which is created automatically.</source>
        <extracomment>%1 is a source file&apos;s path, %2 the specified output folder, %3 the folder its output goes to</extracomment>
        <translation>Przykład: jeśli plik źródłowy to %1, a wskazany folder to %2, folderem wyjściowym będzie %3 (zostanie utworzony automatycznie).</translation>
    </message>
    <message>
        <source>Please choose an output folder:</source>
        <translation>Wybierz folder wyjściowy:</translation>
    </message>
    <message numerus="yes">
        <source>The path of this folder is too long: an output folder can have at most %n characters.</source>
        <translation>
            <numerusform>Ścieżka tego folderu jest za długa: folder wyjściowy może mieć najwyżej %n znak.</numerusform>
            <numerusform>Ścieżka tego folderu jest za długa: folder wyjściowy może mieć najwyżej %n znaki.</numerusform>
            <numerusform>Ścieżka tego folderu jest za długa: folder wyjściowy może mieć najwyżej %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose an output folder.</source>
        <translation>Wybierz folder wyjściowy.</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptSheet</name>
    <message>
        <source>Options</source>
        <extracomment>The options window&apos;s title, also its tabs&apos; name for screen readers</extracomment>
        <translation>Opcje</translation>
    </message>
</context>
<context>
    <name>tonvexa::COptWavPage</name>
    <message>
        <source>WAV Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opcje WAV</translation>
    </message>
    <message>
        <source>Parameters</source>
        <extracomment>Group of the encoding parameters</extracomment>
        <translation>Parametry</translation>
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
            <numerusform>%n bity</numerusform>
            <numerusform>%n bitów</numerusform>
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
        <translation>&amp;Częstotliwość próbkowania:</translation>
    </message>
    <message>
        <source>&amp;Bits:</source>
        <extracomment>Label of the list of sample widths (8 bits, 16 bits)</extracomment>
        <translation>Liczba &amp;bitów:</translation>
    </message>
    <message>
        <source>&amp;Encoding Options:</source>
        <extracomment>Label of the list of presets (Auto, fixed ones, Custom); the &amp; letters of a page&apos;s controls differ from one another</extracomment>
        <translation>Opcje &amp;kodowania:</translation>
    </message>
</context>
<context>
    <name>tonvexa::CPageWMAOptions</name>
    <message>
        <source>WMA Options</source>
        <extracomment>Tab title</extracomment>
        <translation>Opcje WMA</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>The first of the formats on offer: the program chooses one to suit each file</extracomment>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>&amp;Encoding Options: (Sample Frequency, Bit Rate, Channels)</source>
        <extracomment>Label of the list of formats, each shown as &quot;44100 Hz, 128 kbps, Stereo&quot;</extracomment>
        <translation>Opcje &amp;kodowania: (częstotliwość próbkowania, przepływność, kanały)</translation>
    </message>
    <message>
        <source>%1 Hz, %2 kbps, %3</source>
        <extracomment>A Windows Media Audio format: %1 is its sample rate in hertz, %2 its bit rate in kilobits per second, %3 its channels (Mono or Stereo)</extracomment>
        <translation>%1 Hz, %2 kb/s, %3</translation>
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
        <translation>&amp;Odtwórz plik źródłowy</translation>
    </message>
    <message>
        <source>Browse &amp;Source Folder</source>
        <translation>&amp;Pokaż folder źródłowy</translation>
    </message>
    <message>
        <source>Play &amp;Destination</source>
        <translation>Odtwórz plik do&amp;celowy</translation>
    </message>
    <message>
        <source>Browse Destination &amp;Folder</source>
        <translation>Pokaż fo&amp;lder docelowy</translation>
    </message>
    <message>
        <source>&amp;Convert to MP3</source>
        <translation>&amp;Konwertuj do MP3</translation>
    </message>
    <message>
        <source>Convert &amp;to WMA</source>
        <translation>Konwer&amp;tuj do WMA</translation>
    </message>
    <message>
        <source>Con&amp;vert to WAV</source>
        <translation>Konw&amp;ertuj do WAV</translation>
    </message>
    <message>
        <source>Convert All to &amp;MP3</source>
        <translation>Konwertuj wszystkie do &amp;MP3</translation>
    </message>
    <message>
        <source>Co&amp;nvert All to WMA</source>
        <translation>Ko&amp;nwertuj wszystkie do WMA</translation>
    </message>
    <message>
        <source>Convert All to &amp;WAV</source>
        <translation>Konwertuj wszystkie do &amp;WAV</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>&amp;Dodaj pliki...</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Dodaj &amp;folder</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Takes the selected files off the list; the files themselves stay</extracomment>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <source>Remove Al&amp;l</source>
        <extracomment>Takes every file off the list</extracomment>
        <translation>&amp;Usuń wszystkie</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <extracomment>Help menu; the &amp; letters of its items differ from one another</extracomment>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>&amp;Tell A Friend</source>
        <extracomment>Writes a mail recommending the program</extracomment>
        <translation>&amp;Poleć znajomemu</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support</source>
        <translation>&amp;Opinie i pomoc techniczna</translation>
    </message>
    <message>
        <source>Home&amp;page</source>
        <extracomment>Opens the program&apos;s web site</extracomment>
        <translation>&amp;Strona domowa</translation>
    </message>
    <message>
        <source>&amp;Check Latest Version</source>
        <translation>Sprawdź &amp;najnowszą wersję</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informacje o programie...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileAdder</name>
    <message>
        <source>Searching files...</source>
        <extracomment>Progress line while folders are searched for files to add</extracomment>
        <translation>Wyszukiwanie plików...</translation>
    </message>
    <message>
        <source>Adding file %1 of %2...</source>
        <extracomment>Progress line: %1 is the number of the file being added, %2 how many there are</extracomment>
        <translation>Dodawanie pliku %1 z %2...</translation>
    </message>
</context>
<context>
    <name>tonvexa::FileListModel</name>
    <message>
        <source>Original Files</source>
        <extracomment>Heading of the column of the files&apos; names (152 pixels wide)</extracomment>
        <translation>Pliki źródłowe</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Heading of the column of the playing times (55 pixels wide)</extracomment>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Bit Rate</source>
        <extracomment>Column heading (70 pixels wide)</extracomment>
        <translation>Przepływność</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>Heading of the column of the sample rates, shortened for its 70 pixels</extracomment>
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Heading of the column that shows Mono, Stereo... (60 pixels wide)</extracomment>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Heading of the column that shows how each conversion went</extracomment>
        <translation>Stan</translation>
    </message>
</context>
<context>
    <name>tonvexa::HelpWindow</name>
    <message>
        <source>Tonvexa Help</source>
        <extracomment>The help window&apos;s title</extracomment>
        <translation>Pomoc programu Tonvexa</translation>
    </message>
</context>
<context>
    <name>tonvexa::HyperlinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <extracomment>%1 is the reason, such as &quot;The specified file was not found.&quot;</extracomment>
        <translation>Nie można otworzyć łącza:

%1</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>W systemie operacyjnym zabrakło
pamięci lub zasobów.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Nie znaleziono określonego pliku.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Nie znaleziono określonej ścieżki.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>System operacyjny odmówił
dostępu do określonego pliku.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Plik .EXE jest nieprawidłowy
(plik .EXE spoza Win32 lub błąd w obrazie .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Wystąpiło naruszenie zasad udostępniania. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Skojarzenie nazwy pliku jest
niekompletne lub nieprawidłowe.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transakcja DDE nie powiodła się.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ były przetwarzane
inne transakcje DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Z podanym rozszerzeniem nazwy pliku
nie jest skojarzona żadna aplikacja.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Nie znaleziono określonej biblioteki dołączanej dynamicznie.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <extracomment>%1 is the error&apos;s number</extracomment>
        <translation>Wystąpił nieznany błąd (%1).</translation>
    </message>
</context>
<context>
    <name>tonvexa::Id3TagDialog</name>
    <message>
        <source>“%1”</source>
        <extracomment>A character the tag cannot hold (%1), in quotation marks, as it begins the message &quot;%1 cannot be stored in an ID3 tag...&quot;</extracomment>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>Edit ID3 tag</source>
        <extracomment>The tag editor&apos;s title</extracomment>
        <translation>Edytuj znacznik ID3</translation>
    </message>
    <message>
        <source>Name as file name (not include extension)</source>
        <extracomment>The output&apos;s title is its file name without the extension</extracomment>
        <translation>Tytuł taki jak nazwa pliku (bez rozszerzenia)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <extracomment>Label of the song&apos;s title; the &amp; letters of the editor&apos;s controls differ from one another</extracomment>
        <translation>&amp;Tytuł:</translation>
    </message>
    <message>
        <source>&amp;Track #:</source>
        <extracomment>Label of the track number on the album; little room</extracomment>
        <translation>&amp;Nr utworu:</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>&amp;Wykonawca:</translation>
    </message>
    <message>
        <source>Albu&amp;m:</source>
        <translation>&amp;Album:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Rok:</translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <extracomment>Label of the list of music genres</extracomment>
        <translation>&amp;Gatunek:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <extracomment>Label of the tag&apos;s comment field</extracomment>
        <translation>&amp;Komentarz:</translation>
    </message>
    <message>
        <source>%1 cannot be stored in an ID3 tag, which holds Western European (ISO-8859-1) characters only.</source>
        <extracomment>%1 is the character typed, such as “€” or U+0009</extracomment>
        <translation>Znaku %1 nie można zapisać w znaczniku ID3, który przechowuje tylko znaki zachodnioeuropejskie (ISO-8859-1).</translation>
    </message>
    <message>
        <source>Only digits can be typed here.</source>
        <translation>W tym polu można wpisywać tylko cyfry.</translation>
    </message>
    <message numerus="yes">
        <source>This field holds at most %n characters.</source>
        <translation>
            <numerusform>To pole mieści najwyżej %n znak.</numerusform>
            <numerusform>To pole mieści najwyżej %n znaki.</numerusform>
            <numerusform>To pole mieści najwyżej %n znaków.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and %1.</source>
        <translation>Wprowadź liczbę całkowitą od 0 do %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainCommands</name>
    <message>
        <source>All Support Formats</source>
        <extracomment>Open-file dialog filter that shows every kind of file the program reads</extracomment>
        <translation>Wszystkie obsługiwane formaty</translation>
    </message>
    <message>
        <source>Windows Media Audio Files</source>
        <translation>Pliki Windows Media Audio</translation>
    </message>
    <message>
        <source>Windows Media Video Files</source>
        <translation>Pliki Windows Media Video</translation>
    </message>
    <message>
        <source>Advanced Systems Format</source>
        <extracomment>The name of the container format of .asf files</extracomment>
        <translation>Advanced Systems Format</translation>
    </message>
    <message>
        <source>MP3 Files</source>
        <translation>Pliki MP3</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>Pliki WAV</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Please choose a folder:</source>
        <translation>Wybierz folder:</translation>
    </message>
</context>
<context>
    <name>tonvexa::MainDialog</name>
    <message>
        <source>&amp;Add Files</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Dodaj pliki</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files</source>
        <translation>Dodaj pliki WMA/WMV/ASF/MP3/WAV</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Dodaj &amp;folder</translation>
    </message>
    <message>
        <source>Add WMA/WMV/ASF/MP3/WAV files from a folder</source>
        <translation>Dodaj pliki WMA/WMV/ASF/MP3/WAV z folderu</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Usuń wszystkie</translation>
    </message>
    <message>
        <source>Remove all files from list</source>
        <translation>Usuń wszystkie pliki z listy</translation>
    </message>
    <message>
        <source>Convert to M&amp;P3</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Konwertuj do M&amp;P3</translation>
    </message>
    <message>
        <source>Convert all files to MP3 format</source>
        <translation>Konwertuj wszystkie pliki do formatu MP3</translation>
    </message>
    <message>
        <source>Convert to W&amp;MA</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Konwertuj do W&amp;MA</translation>
    </message>
    <message>
        <source>Convert all files to WMA format</source>
        <translation>Konwertuj wszystkie pliki do formatu WMA</translation>
    </message>
    <message>
        <source>Convert to &amp;WAV</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>Konwertuj do &amp;WAV</translation>
    </message>
    <message>
        <source>Convert all files to WAV format</source>
        <translation>Konwertuj wszystkie pliki do formatu WAV</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>A main button with room for about 98 pixels of bold text; a longer text is drawn smaller</extracomment>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Tooltip of the Options button</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The title bar&apos;s button that opens the help menu</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Minimize</source>
        <extracomment>The title bar&apos;s button that minimises the window</extracomment>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The title bar&apos;s button that closes the window</extracomment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Visit Tonvexa Homepage</source>
        <translation>Odwiedź stronę programu Tonvexa</translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <extracomment>Beside the product name in the window&apos;s title band; about 450 pixels of room</extracomment>
        <translation>Konwerter dźwięku</translation>
    </message>
</context>
<context>
    <name>tonvexa::PopupMenus</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the file list&apos;s context menu for screen readers</extracomment>
        <translation>Lista plików</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>Name of the help menu for screen readers</extracomment>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>tonvexa::PresetControls</name>
    <message>
        <source>11025 Hz, 16 kbps, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 16 kb/s, Mono (niska jakość, mniejszy plik)</translation>
    </message>
    <message>
        <source>22050 Hz, 32 kbps, Joint Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 32 kb/s, Stereo łączone (przyzwoita jakość, mały plik)</translation>
    </message>
    <message>
        <source>32000 Hz, 96 kbps, Joint Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 96 kb/s, Stereo łączone (średnia jakość, zwykły rozmiar)</translation>
    </message>
    <message>
        <source>44100Hz, 128 kbps, Joint Stereo (close to CD-quality, large size)</source>
        <translation>44100 Hz, 128 kb/s, Stereo łączone (jakość bliska CD, duży plik)</translation>
    </message>
    <message>
        <source>11025 Hz, 8 bits, Mono (low quality, smaller file size)</source>
        <translation>11025 Hz, 8 bitów, Mono (niska jakość, mniejszy plik)</translation>
    </message>
    <message>
        <source>22050 Hz, 16 bits, Stereo (OK quality, small size)</source>
        <translation>22050 Hz, 16 bitów, Stereo (przyzwoita jakość, mały plik)</translation>
    </message>
    <message>
        <source>32000 Hz, 16 bits, Stereo (medium quality, normal size)</source>
        <translation>32000 Hz, 16 bitów, Stereo (średnia jakość, zwykły rozmiar)</translation>
    </message>
    <message>
        <source>44100Hz, 16 bits, Stereo (high quality, large size)</source>
        <translation>44100 Hz, 16 bitów, Stereo (wysoka jakość, duży plik)</translation>
    </message>
    <message>
        <source>Auto</source>
        <extracomment>Encoding preset: the program chooses the parameters to suit each file</extracomment>
        <translation>Automatycznie</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>Encoding preset: the parameters chosen below it</extracomment>
        <translation>Niestandardowe</translation>
    </message>
</context>
<context>
    <name>tonvexa::ProgressDialogFrame</name>
    <message>
        <source>Cancel</source>
        <extracomment>Ends the adding of files or the conversion under way</extracomment>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>tonvexa::SortableListCtrl</name>
    <message>
        <source>File list</source>
        <extracomment>Name of the list of files to convert, for screen readers</extracomment>
        <translation>Lista plików</translation>
    </message>
</context>
<context>
    <name>tonvexa::TagOptionControls</name>
    <message>
        <source>ID3 Tag</source>
        <translation>Znacznik ID3</translation>
    </message>
    <message>
        <source>Add &amp;ID3 tag</source>
        <extracomment>The output gets the tag edited with &quot;Edit ID3 tag&quot;</extracomment>
        <translation>Dodaj znacznik &amp;ID3</translation>
    </message>
    <message>
        <source>&amp;Keep ID3 tag</source>
        <extracomment>The output gets the source file&apos;s tag</extracomment>
        <translation>&amp;Zachowaj znacznik ID3</translation>
    </message>
    <message>
        <source>No ID3 tag</source>
        <translation>Bez znacznika ID3</translation>
    </message>
    <message>
        <source>Edit ID3 &amp;tag</source>
        <translation>&amp;Edytuj znacznik ID3</translation>
    </message>
</context>
<context>
    <name>tonvexa::UpDownControl</name>
    <message>
        <source>Up</source>
        <extracomment>Name for screen readers of the arrow that raises the number beside it</extracomment>
        <translation>Zwiększ</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>Name for screen readers of the arrow that lowers the number beside it</extracomment>
        <translation>Zmniejsz</translation>
    </message>
</context>
</TS>
