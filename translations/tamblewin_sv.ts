<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>AncestorsList</name>
    <message>
        <source>Ancestor List (with repeats)</source>
        <translation>Antavla (med upprepningar)</translation>
    </message>
    <message>
        <source>Ancestor List (without repeats)</source>
        <translation>Antavla (utan upprepningar)</translation>
    </message>
    <message>
        <source>Pedigree Position</source>
        <translation>Antavle-</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>nummer</translation>
    </message>
    <message>
        <source>R&apos;P</source>
        <translation>Upp</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Födelse-</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>år</translation>
    </message>
    <message>
        <source>PPN too large to display.</source>
        <translation>Numret är för stort att visa.</translation>
    </message>
</context>
<context>
    <name>BrowseWindow</name>
    <message>
        <source>Choose a person</source>
        <translation>Välj en person</translation>
    </message>
    <message>
        <source>Loading ... </source>
        <translation>Läser in ... </translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Skriv en del av ett namn</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Sök:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>Loading ... Done</source>
        <translation>Läser in ... Klart</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(inget namn)</translation>
    </message>
    <message>
        <source>No name holds &quot;%1&quot;</source>
        <translation>Inget namn innehåller &quot;%1&quot;</translation>
    </message>
    <message>
        <source>There is no marriage record for this person.</source>
        <translation>Det finns ingen äktenskapspost för den här personen.</translation>
    </message>
    <message>
        <source>Next you will see a list of spouses for 

%1

 Please choose one.</source>
        <translation>Nu visas en lista över makar till 

%1

 Välj en av dem.</translation>
    </message>
    <message>
        <source>b.</source>
        <translation>f.</translation>
    </message>
    <message>
        <source>c.</source>
        <translation>dp.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>will not write %1: it is the data file being read</source>
        <translation>skriver inte %1: det är datafilen som läses</translation>
    </message>
    <message>
        <source>will not write %1</source>
        <translation>skriver inte %1</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Användning:</translation>
    </message>
    <message>
        <source>  tamblewin report KIND --paf FILE.paf [--start TEXT] [-o OUT] [--format pdf|png|svg|log]
                 [--paper letter|legal|tabloid|a5|a4|a3] [--large-sheets]
                 [--date YYYY-MM-DD] [--plain-background]
                                lay out a report and write it as PDF, PNG or SVG pages or as
                                its page log; --start is the RIN, or the MRINs (&quot;23,24&quot;);
                                --paper: the paper to lay it out on (see below);
                                --large-sheets: on A5, A4 or A3 paper the Descendant Summary
                                Chart may take an A3 sheet where it needs a larger one
                                (without it, it fits itself onto the paper);
                                --plain-background: the Family Tree Chart&apos;s crown as plain
                                ovals instead of leaves
</source>
        <translation>  tamblewin report KIND --paf FILE.paf [--start TEXT] [-o OUT] [--format pdf|png|svg|log]
                 [--paper letter|legal|tabloid|a5|a4|a3] [--large-sheets]
                 [--date YYYY-MM-DD] [--plain-background]
                                ställer upp en rapport och skriver den som PDF-, PNG- eller
                                SVG-sidor eller som sidlogg; --start är RIN, eller MRIN-numren
                                (&quot;23,24&quot;); --paper: papperet den ställs upp på (se nedan);
                                --large-sheets: på A5-, A4- eller A3-papper får
                                ättlingaöversikten ta ett A3-ark där den behöver ett större
                                (annars anpassar den sig till papperet);
                                --plain-background: släktträdets krona av enkla
                                ovaler i stället för löv
</translation>
    </message>
    <message>
        <source>  tamblewin info FILE.paf       header figures of a PAF 5 data file
</source>
        <translation>  tamblewin info FILE.paf       huvuduppgifter i en PAF 5-datafil
</translation>
    </message>
    <message>
        <source>  tamblewin people FILE.paf     every individual in name order, with the RIN
</source>
        <translation>  tamblewin people FILE.paf     alla personer i namnordning, med RIN
</translation>
    </message>
    <message>
        <source>  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,
                                separated by tabs
</source>
        <translation>  tamblewin families FILE.paf   alla äktenskap: MRIN, man, hustru och vigselår,
                                åtskilda av tabbar
</translation>
    </message>
    <message>
        <source>  tamblewin import FILE.ged -o FILE.paf
                                build a PAF 5 file from a GEDCOM file; letters PAF cannot
                                hold become plain letters. report, info, people and
                                families also take a GEDCOM file directly, known by its
                                first line (0 HEAD) whatever its name
</source>
        <translation>  tamblewin import FILE.ged -o FILE.paf
                                bygger en PAF 5-fil av en GEDCOM-fil; bokstäver som PAF inte
                                kan lagra blir enkla bokstäver. report, info, people och
                                families tar också en GEDCOM-fil direkt, igenkänd på sin
                                första rad (0 HEAD) oavsett namn
</translation>
    </message>
    <message>
        <source>  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen
</source>
        <translation>  tamblewin FILE                fönstren, med den PAF- eller GEDCOM-filen vald
</translation>
    </message>
    <message>
        <source>--language CODE, before or after any command, gives the language of the words
on the pages, in the windows and in the messages: de (German), fr (French),
es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).
Without it the language is the first that LANGUAGE lists, else that of LC_ALL,
LC_MESSAGES or LANG; a language tamblewin does not have is English.
</source>
        <translation>--language CODE, före eller efter ett kommando, anger språket för orden
på sidorna, i fönstren och i meddelandena: de (tyska), fr (franska),
es (spanska), nl (nederländska), sv (svenska), nb (norskt bokmål) eller en (engelska).
Utan det är språket det första som LANGUAGE räknar upp, annars det i LC_ALL,
LC_MESSAGES eller LANG; ett språk som tamblewin inte har blir engelska.
</translation>
    </message>
    <message>
        <source>Without --paper the paper is the one PAPERSIZE names, else the first word of the
paper configuration file (/etc/papersize, or the file PAPERCONF names), else the
locale&apos;s (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,
Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;
else letter. A name tamblewin does not know is passed over.
</source>
        <translation>Utan --paper är papperet det som PAPERSIZE anger, annars första ordet i
papperskonfigurationsfilen (/etc/papersize, eller filen som PAPERCONF anger), annars
språkmiljöns (LC_ALL, annars LC_PAPER, annars LANG): letter i USA, Kanada,
Mexiko, Filippinerna, Chile, Colombia och Venezuela, A4 i alla andra länder;
annars letter. Ett namn som tamblewin inte känner till hoppas över.
</translation>
    </message>
    <message>
        <source>The data file is only ever read, never written: no output may be the data file or
the GEDCOM file read, and every output is written whole or not at all. Messages
go to standard error. Exit status:
</source>
        <translation>Datafilen läses bara, den skrivs aldrig: ingen utdata får vara datafilen eller
den GEDCOM-fil som läses, och all utdata skrivs hel eller inte alls. Meddelanden
går till standard error. Slutstatus:
</translation>
    </message>
    <message>
        <source>  0  complete
  1  could not do what was asked (a missing file, no page, stopped with Ctrl-C)
  2  bad command line or start field, or an output that is an input
  3  the data file is damaged and nothing was written
  4  the output was written, but the data file is damaged (the messages say where)
  5  out of memory
</source>
        <translation>  0  klart
  1  kunde inte göra det som begärdes (en fil saknas, ingen sida, stoppad med Ctrl-C)
  2  felaktig kommandorad eller startfält, eller en utdata som är en indata
  3  datafilen är skadad och inget skrevs
  4  utdata skrevs, men datafilen är skadad (meddelandena säger var)
  5  slut på minne
</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan inte skriva till standard output: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kan inte skriva till standard output</translation>
    </message>
    <message>
        <source>&apos;import&apos; does not take &apos;%1&apos;</source>
        <translation>&apos;import&apos; tar inte &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;import&apos; takes a GEDCOM file and -o FILE.paf</source>
        <translation>&apos;import&apos; tar en GEDCOM-fil och -o FILE.paf</translation>
    </message>
    <message>
        <source>the PAF file must not be the GEDCOM file itself</source>
        <translation>PAF-filen får inte vara själva GEDCOM-filen</translation>
    </message>
    <message>
        <source>will not write %1; choose another output</source>
        <translation>skriver inte %1; välj en annan utdata</translation>
    </message>
    <message>
        <source>will not write %1: %2; choose another output</source>
        <translation>skriver inte %1: %2; välj en annan utdata</translation>
    </message>
    <message>
        <source>%1 names and places hold letters a PAF file cannot; they were written with plain letters, and &quot;?&quot; where there is none</source>
        <translation>%1 namn och orter har bokstäver som en PAF-fil inte kan lagra; de skrevs med enkla bokstäver, och &quot;?&quot; där det inte finns någon</translation>
    </message>
    <message>
        <source>the import was stopped; nothing was written</source>
        <translation>importen stoppades; inget skrevs</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kan inte skrivas</translation>
    </message>
    <message>
        <source>Wrote %1 individuals and %2 marriages to %3</source>
        <translation>Skrev %1 personer och %2 äktenskap till %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one data file</source>
        <translation>&apos;%1&apos; tar en datafil</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>okänt kommando &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Slut på minne</translation>
    </message>
    <message>
        <source>this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build</source>
        <translation>den här versionen av tamblewin skriver bara sidloggar (--format log); PDF, PNG och SVG kräver den fullständiga versionen</translation>
    </message>
    <message>
        <source>PNG and SVG pages are written by the Qt module</source>
        <translation>PNG- och SVG-sidor skrivs av Qt-modulen</translation>
    </message>
    <message>
        <source>page logs are not written through a printer</source>
        <translation>sidloggar skrivs inte via en skrivare</translation>
    </message>
    <message>
        <source>1 problem in the GEDCOM file was passed over; `tamblewin import %1 -o X.paf` lists it</source>
        <translation>1 problem i GEDCOM-filen hoppades över; `tamblewin import %1 -o X.paf` listar det</translation>
    </message>
    <message>
        <source>%2 problems in the GEDCOM file were passed over; `tamblewin import %1 -o X.paf` lists them</source>
        <translation>%2 problem i GEDCOM-filen hoppades över; `tamblewin import %1 -o X.paf` listar dem</translation>
    </message>
    <message>
        <source>Laying out generation %1</source>
        <translation>Ställer upp generation %1</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Skriver sida %1 av %2</translation>
    </message>
    <message>
        <source>the program&apos;s own folder is not known</source>
        <translation>programmets egen mapp är okänd</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 saknas</translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 har ingen %2</translation>
    </message>
    <message>
        <source>the windows and PNG and SVG pages need Qt&apos;s module: %1</source>
        <translation>fönstren och PNG- och SVG-sidor behöver Qt-modulen: %1</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs a report kind; the kinds are:
%1</source>
        <translation>&apos;report&apos; behöver en rapporttyp; typerna är:
%1</translation>
    </message>
    <message>
        <source>unknown report kind &apos;%1&apos;; the kinds are:
%2</source>
        <translation>okänd rapporttyp &apos;%1&apos;; typerna är:
%2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>flaggan &apos;%1&apos; behöver ett värde</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (pdf, png, svg or log)</source>
        <translation>okänt format &apos;%1&apos; (pdf, png, svg eller log)</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos;; the papers are %2</source>
        <translation>okänt papper &apos;%1&apos;; papperen är %2</translation>
    </message>
    <message>
        <source>--date wants a date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--date vill ha ett datum som YYYY-MM-DD, inte &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>okänd flagga &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs the data file: --paf FILE.paf</source>
        <translation>&apos;report&apos; behöver datafilen: --paf FILE.paf</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a RIN or a list of MRINs such as 23,24</source>
        <translation>--start &apos;%1&apos; är inte ett RIN eller en lista med MRIN som 23,24</translation>
    </message>
    <message>
        <source>cannot tell the format from &apos;%1&apos;; give --format</source>
        <translation>kan inte avgöra formatet av &apos;%1&apos;; ange --format</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not &apos;%1&apos;</source>
        <translation>SOURCE_DATE_EPOCH vill ha sekunder sedan 1970 inom åren 1 till 9999, inte &apos;%1&apos;</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 sida</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 sidor</translation>
    </message>
    <message>
        <source>Removed 1 page file left from an earlier, longer run</source>
        <translation>Tog bort 1 sidfil kvar från en tidigare, längre körning</translation>
    </message>
    <message>
        <source>Removed %1 page files left from an earlier, longer run</source>
        <translation>Tog bort %1 sidfiler kvar från en tidigare, längre körning</translation>
    </message>
    <message>
        <source>will not write %1: it is the data file being read; choose another output</source>
        <translation>skriver inte %1: det är datafilen som läses; välj en annan utdata</translation>
    </message>
    <message>
        <source>only the page log (--format log) can go to standard output</source>
        <translation>bara sidloggen (--format log) kan gå till standard output</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the page log</source>
        <translation>%1 är en mapp; ange ett filnamn för sidloggen</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the PDF document</source>
        <translation>%1 är en mapp; ange ett filnamn för PDF-dokumentet</translation>
    </message>
    <message>
        <source>cannot write the page log</source>
        <translation>kan inte skriva sidloggen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan inte skriva %1</translation>
    </message>
    <message>
        <source>Wrote the page log of %1 to %2</source>
        <translation>Skrev sidloggen för %1 till %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan inte skriva %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 in full</source>
        <translation>kan inte skriva hela %1</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>Skrev %1 till %2</translation>
    </message>
    <message>
        <source>no report was written: the start field was refused</source>
        <translation>ingen rapport skrevs: startfältet avvisades</translation>
    </message>
    <message>
        <source>the report was stopped; nothing was written</source>
        <translation>rapporten stoppades; inget skrevs</translation>
    </message>
    <message>
        <source>the report stopped on bad data; nothing was written</source>
        <translation>rapporten stoppade på felaktiga data; inget skrevs</translation>
    </message>
    <message>
        <source>the report produced no page; nothing was written</source>
        <translation>rapporten gav ingen sida; inget skrevs</translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>stoppad; inget skrevs</translation>
    </message>
</context>
<context>
    <name>CoupleListWindow</name>
    <message>
        <source>Marriage Choose Rin</source>
        <translation>Äktenskap – välj MRIN</translation>
    </message>
</context>
<context>
    <name>DataFileWindow</name>
    <message>
        <source>Which data file do you want to use?</source>
        <translation>Vilken datafil vill du använda?</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;läddra...</translation>
    </message>
    <message>
        <source>Data file - %1</source>
        <translation>Datafil - %1</translation>
    </message>
    <message>
        <source>There must be a valid PAF file name.</source>
        <translation>Det måste finnas ett giltigt PAF-filnamn.</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>Öppnar %1 ...</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Öppnar</translation>
    </message>
    <message>
        <source>%1 is a folder, not a data file.</source>
        <translation>%1 är en mapp, inte en datafil.</translation>
    </message>
    <message>
        <source>%1

is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.</source>
        <translation>%1

är varken en PAF 5-datafil eller en GEDCOM-fil och kan därför inte öppnas.</translation>
    </message>
    <message>
        <source>%1

cannot be read: %2.</source>
        <translation>%1

kan inte läsas: %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Family files</source>
        <translation>Släktfiler</translation>
    </message>
    <message>
        <source>PAF 5 data files</source>
        <translation>PAF 5-datafiler</translation>
    </message>
    <message>
        <source>GEDCOM files</source>
        <translation>GEDCOM-filer</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>Aft</source>
        <translation>efter</translation>
    </message>
    <message>
        <source>Cal</source>
        <translation>ber.</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>Stillborn</source>
        <translation>Dödfödd</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Ej klarerad</translation>
    </message>
    <message>
        <source>Abt</source>
        <translation>omkr.</translation>
    </message>
    <message>
        <source>Bef</source>
        <translation>före</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>uppsk.</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Barn</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Klarerad</translation>
    </message>
    <message>
        <source>Out of range month</source>
        <translation>Månad utanför intervallet</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dec</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augusti</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
</context>
<context>
    <name>DescendantSummaryChart</name>
    <message>
        <source>The chart counts the first %1 generations:
the next generation would take the count past %2 entries.</source>
        <translation>Diagrammet räknar de första %1 generationerna:
nästa generation skulle föra antalet över %2 poster.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the next would take the count past %2 people.</source>
        <translation>Bara de första %1 generationerna under paret räknas: nästa skulle föra antalet över %2 personer.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the chart counts no further.</source>
        <translation>Bara de första %1 generationerna under paret räknas: diagrammet räknar inte längre.</translation>
    </message>
    <message>
        <source>1 child</source>
        <translation>1 barn</translation>
    </message>
    <message>
        <source>its %1 generations do not fit across the page.</source>
        <translation>dess %1 generationer får inte plats på sidans bredd.</translation>
    </message>
    <message>
        <source>This couple has more generations of data than
will fit on this report.  Be advised that the report
will show only the first %1 generations of data.</source>
        <translation>Det här paret har fler generationer av data än
som får plats i rapporten.  Observera att rapporten
bara visar de första %1 generationerna.</translation>
    </message>
    <message>
        <source>This information could not
be formatted into any of
the 4 forms of this chart:
%1</source>
        <translation>Uppgifterna kunde inte
ställas upp i någon av
diagrammets 4 former:
%1</translation>
    </message>
    <message>
        <source>children</source>
        <translation>barn</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>b</translation>
    </message>
    <message>
        <source>g&apos;ch</source>
        <translation>bb</translation>
    </message>
    <message>
        <source>G g&apos;ch</source>
        <translation>bbb</translation>
    </message>
    <message>
        <source>%1G g&apos;ch</source>
        <translation>%1b bb</translation>
    </message>
    <message>
        <source>its title does not fit across the page.</source>
        <translation>dess titel får inte plats på sidans bredd.</translation>
    </message>
    <message>
        <source>the rows of its %1 children would stand %2 in apart, too close for the smallest type (%3 points).</source>
        <translation>raderna för dess %1 barn skulle stå %2 tum isär, för tätt för den minsta stilen (%3 punkter).</translation>
    </message>
    <message>
        <source>the couple&apos;s names and dates do not fit across the page.</source>
        <translation>parets namn och datum får inte plats på sidans bredd.</translation>
    </message>
    <message>
        <source>its totals do not fit across the page.</source>
        <translation>dess summor får inte plats på sidans bredd.</translation>
    </message>
    <message>
        <source>*repeat descendants involved</source>
        <translation>*upprepade ättlingar förekommer</translation>
    </message>
    <message>
        <source>family totals (parents, descendants, and all spouses):</source>
        <translation>familjens summor (föräldrar, ättlingar och alla makar):</translation>
    </message>
    <message>
        <source>Only the first %1 of %2 generations fit across the page; the totals count them all.</source>
        <translation>Bara de första %1 av %2 generationer får plats på sidans bredd; summorna räknar dem alla.</translation>
    </message>
    <message>
        <source>total descendants:</source>
        <translation>ättlingar totalt:</translation>
    </message>
    <message>
        <source>born:</source>
        <translation>född:</translation>
    </message>
    <message>
        <source>married:</source>
        <translation>vigsel:</translation>
    </message>
    <message>
        <source>child</source>
        <translation>barn</translation>
    </message>
    <message>
        <source>DESCENDANTS SUMMARY CHART</source>
        <translation>ÄTTLINGAÖVERSIKT</translation>
    </message>
</context>
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Ättlingar till</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>FÖDELSE-</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>CHILD</source>
        <translation>BARN-</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINJE</translation>
    </message>
</context>
<context>
    <name>DescendantsSummaryList</name>
    <message>
        <source>sub-totals:</source>
        <translation>delsummor:</translation>
    </message>
    <message>
        <source>Grand totals:</source>
        <translation>Totalsummor:</translation>
    </message>
    <message>
        <source>(cont&apos;d)</source>
        <translation>(forts.)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Sammanfattning av ättlingar</translation>
    </message>
    <message>
        <source>Child and Spouse(s)</source>
        <translation>Barn och make/maka</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>b</translation>
    </message>
    <message>
        <source>%1G.</source>
        <translation>%1b</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>b</translation>
    </message>
    <message>
        <source>gch</source>
        <translation>bb</translation>
    </message>
    <message>
        <source>Descendants of this couple intermarried resulting in repeat descendants.  Grand totals have been adjusted so each descendant is counted only once.</source>
        <translation>Ättlingar till det här paret har gift sig med varandra, så att några är ättlingar flera gånger.  Totalsummorna har justerats så att varje ättling räknas bara en gång.</translation>
    </message>
</context>
<context>
    <name>FamilyDateChart</name>
    <message>
        <source>MRIN: %1</source>
        <translation>MRIN: %1</translation>
    </message>
    <message>
        <source>H</source>
        <translation>M</translation>
    </message>
    <message>
        <source>W</source>
        <translation>H</translation>
    </message>
    <message>
        <source>S</source>
        <translation>P</translation>
    </message>
    <message>
        <source>(1 more marriage not shown)</source>
        <translation>(1 äktenskap till visas inte)</translation>
    </message>
    <message>
        <source>(%1 more marriages not shown)</source>
        <translation>(%1 äktenskap till visas inte)</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Familjens datumtabell</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Född</translation>
    </message>
    <message>
        <source>Christened</source>
        <translation>Döpt</translation>
    </message>
    <message>
        <source>Died</source>
        <translation>Död</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Ålder</translation>
    </message>
    <message>
        <source>Buried</source>
        <translation>Begravd</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Dop</translation>
    </message>
    <message>
        <source>Endowed</source>
        <translation>Begåvad</translation>
    </message>
    <message>
        <source>Sealed Par</source>
        <translation>Beseglad förä</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Gift</translation>
    </message>
    <message>
        <source>Sealed Sp</source>
        <translation>Beseglad make</translation>
    </message>
</context>
<context>
    <name>FamilySummaryList</name>
    <message>
        <source>G. Grandchildren</source>
        <translation>Barnbarnsbarn</translation>
    </message>
    <message>
        <source>%1G. Grandchildren</source>
        <translation>%1. barnbarnsbarn</translation>
    </message>
    <message>
        <source>Themselves</source>
        <translation>Själva</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Summa:</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Familjesammanfattning</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gen</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Släktskap</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direkta</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>ättlingar</translation>
    </message>
    <message>
        <source>Descendant&apos;s</source>
        <translation>Ättlingars</translation>
    </message>
    <message>
        <source>Spouses</source>
        <translation>makar</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familjen</translation>
    </message>
</context>
<context>
    <name>FamilyTreeChart</name>
    <message>
        <source>married  %1</source>
        <translation>gift %1</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>Släktträd</translation>
    </message>
    <message>
        <source>Only the first %1 children have branches: the trunk has no room for more.</source>
        <translation>Bara de första %1 barnen har grenar: stammen har inte plats för fler.</translation>
    </message>
    <message>
        <source>Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out.</source>
        <translation>Antal för bara %1 av %2 generationer får plats bredvid rutorna: de djupare utelämnas.</translation>
    </message>
    <message>
        <source>Some lines are counted only in part: the chart stops counting at its limit of generations and people.</source>
        <translation>Vissa linjer räknas bara delvis: diagrammet slutar räkna vid sin gräns för generationer och personer.</translation>
    </message>
</context>
<context>
    <name>GedcomImport</name>
    <message>
        <source>the file is larger than 2 GiB</source>
        <translation>filen är större än 2 GiB</translation>
    </message>
    <message>
        <source>more than %1 links between records; this one and the rest ignored</source>
        <translation>mer än %1 länkar mellan poster; denna och resten hoppas över</translation>
    </message>
    <message>
        <source>the INDI record of line %1</source>
        <translation>INDI-posten på rad %1</translation>
    </message>
    <message>
        <source>%1 is also the id of the %2 record of line %3; links to it go to that one</source>
        <translation>%1 är också id för %2-posten på rad %3; länkar dit går till den</translation>
    </message>
    <message>
        <source>%1 %2 names no INDI record; dropped</source>
        <translation>%1 %2 anger ingen INDI-post; struken</translation>
    </message>
    <message>
        <source>%1 %2 names no FAM record; dropped</source>
        <translation>%1 %2 anger ingen FAM-post; struken</translation>
    </message>
    <message>
        <source>CHIL %1 is already a child of this family; dropped</source>
        <translation>CHIL %1 är redan ett barn i denna familj; struken</translation>
    </message>
    <message>
        <source>a second HUSB in the family; dropped</source>
        <translation>en andra HUSB i familjen; struken</translation>
    </message>
    <message>
        <source>a second WIFE in the family; dropped</source>
        <translation>en andra WIFE i familjen; struken</translation>
    </message>
    <message>
        <source>%1 is both husband and wife of the family; the second link dropped</source>
        <translation>%1 är både man och hustru i familjen; den andra länken struken</translation>
    </message>
    <message>
        <source>%1 is a spouse and a child of the same family; the child link dropped</source>
        <translation>%1 är make och barn i samma familj; barnlänken struken</translation>
    </message>
    <message>
        <source>FAMS %1: the family does not name %2 as husband or wife; dropped</source>
        <translation>FAMS %1: familjen anger inte %2 som man eller hustru; struken</translation>
    </message>
    <message>
        <source>FAMC %1: %2 is husband or wife of that family; dropped</source>
        <translation>FAMC %1: %2 är man eller hustru i den familjen; struken</translation>
    </message>
    <message>
        <source>FAMC %1: the family does not list %2 as a child; added as its last child</source>
        <translation>FAMC %1: familjen listar inte %2 som barn; tillagd som dess sista barn</translation>
    </message>
    <message>
        <source>SLGC without FAMC, and %1 is a child of %2 families; dropped</source>
        <translation>SLGC utan FAMC, och %1 är barn i %2 familjer; struken</translation>
    </message>
    <message>
        <source>SLGC: %1 is not a child of %2; dropped</source>
        <translation>SLGC: %1 är inte barn i %2; struken</translation>
    </message>
    <message>
        <source>%1 is his or her own ancestor</source>
        <translation>%1 är sin egen ana</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan inte läsas: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more warnings</source>
        <translation>... och %1 varningar till</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; cut there</source>
        <translation>raden är längre än %1 byte; avkortad där</translation>
    </message>
    <message>
        <source>text after &quot;0 TRLR&quot; ignored</source>
        <translation>text efter &quot;0 TRLR&quot; hoppas över</translation>
    </message>
    <message>
        <source>not a GEDCOM line (no level number), ignored: &quot;%1&quot;</source>
        <translation>ingen GEDCOM-rad (inget nivånummer), hoppas över: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a GEDCOM line, ignored: &quot;%1&quot;</source>
        <translation>ingen GEDCOM-rad, hoppas över: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>level %1 follows level %2; the line and the lines under it ignored</source>
        <translation>nivå %1 följer på nivå %2; raden och raderna under den hoppas över</translation>
    </message>
    <message>
        <source>malformed line, ignored with the lines under it: &quot;%1&quot;</source>
        <translation>felformad rad, hoppas över med raderna under den: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file ends without &quot;0 TRLR&quot;; it may have been cut short</source>
        <translation>filen slutar utan &quot;0 TRLR&quot;; den kan ha blivit avkortad</translation>
    </message>
    <message>
        <source>more than %1 %2 records; this one and the rest ignored</source>
        <translation>mer än %1 %2-poster; denna och resten hoppas över</translation>
    </message>
    <message>
        <source>%1 record without a cross-reference id; nothing can link to it</source>
        <translation>%1-post utan korsreferens-id; inget kan länka till den</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a link to a record; ignored</source>
        <translation>%1 &quot;%2&quot; är ingen länk till en post; hoppas över</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot; (line %1: &quot;%2&quot;)</source>
        <translation>ingen GEDCOM-fil: den börjar inte med &quot;0 HEAD&quot; (rad %1: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it holds no lines</source>
        <translation>ingen GEDCOM-fil: den innehåller inga rader</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; malformed characters read as &quot;?&quot;</source>
        <translation>filen är inte giltig UTF-8; felformade tecken lästa som &quot;?&quot;</translation>
    </message>
    <message>
        <source>the header says ANSEL but the file is UTF-8; it was read as UTF-8</source>
        <translation>huvudet anger ANSEL men filen är UTF-8; den lästes som UTF-8</translation>
    </message>
    <message>
        <source>the header says %1 but the file is not; it was read as Windows-1252</source>
        <translation>huvudet anger %1 men filen är det inte; den lästes som Windows-1252</translation>
    </message>
</context>
<context>
    <name>GroupedDescendantsList</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Great Grandchildren</source>
        <translation>Barnbarnsbarn</translation>
    </message>
    <message>
        <source>%1 Great Grandchildren</source>
        <translation>%1 barnbarnsbarn</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>upprepad</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem!</source>
        <translation>Problem!</translation>
    </message>
    <message>
        <source>The MRIN is invalid</source>
        <translation>MRIN är ogiltigt</translation>
    </message>
    <message>
        <source>Error reading a marriage record</source>
        <translation>Fel vid läsning av en äktenskapspost</translation>
    </message>
    <message>
        <source>The RIN is invalid</source>
        <translation>RIN är ogiltigt</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1</source>
        <translation>Grenarnas lägen kunde inte sparas i
%1</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1:
%2</source>
        <translation>Grenarnas lägen kunde inte sparas i
%1:
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Hoppsan!</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>symboler</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 och %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 name or place</source>
        <translation>1 namn eller ort</translation>
    </message>
    <message>
        <source>%1 names and places</source>
        <translation>%1 namn och orter</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes.</source>
        <translation>%1 är inte installerat: tecknen (%2) i %3 skrivs ut som tomma rutor.</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes (Debian&apos;s %4 has it).</source>
        <translation>%1 är inte installerat: tecknen (%2) i %3 skrivs ut som tomma rutor (Debians %4 har det).</translation>
    </message>
    <message>
        <source>No installed font has the %1 characters of %2: they print as empty boxes.</source>
        <translation>Inget installerat typsnitt har tecknen (%1) i %2: de skrivs ut som tomma rutor.</translation>
    </message>
    <message>
        <source>Unknown date type</source>
        <translation>Okänd datumtyp</translation>
    </message>
    <message>
        <source>(this file holds no %1)</source>
        <translation>(den här filen innehåller inga %1)</translation>
    </message>
    <message>
        <source>(%1 in this file run from 1 to %2)</source>
        <translation>(%1 i den här filen går från 1 till %2)</translation>
    </message>
    <message>
        <source>This Rin is out of range
%1</source>
        <translation>Detta RIN ligger utanför intervallet
%1</translation>
    </message>
    <message>
        <source>This Rin references a record
which has been deleted.</source>
        <translation>Detta RIN hänvisar till en post
som har tagits bort.</translation>
    </message>
    <message>
        <source>This MRin is out of range
%1</source>
        <translation>Detta MRIN ligger utanför intervallet
%1</translation>
    </message>
    <message>
        <source>This MRin references a record
which has been deleted.</source>
        <translation>Detta MRIN hänvisar till en post
som har tagits bort.</translation>
    </message>
    <message>
        <source>PAF file is corrupted.  Open failed.</source>
        <translation>PAF-filen är skadad.  Det gick inte att öppna den.</translation>
    </message>
    <message>
        <source>Open failed.  If PAF is running,
even if it is minimized,
Tamblewin can&apos;t get access
to the data file.  Please
close PAF and try again.</source>
        <translation>Det gick inte att öppna.  Om PAF körs,
även minimerat,
kommer Tamblewin inte åt
datafilen.  Stäng PAF
och försök igen.</translation>
    </message>
    <message>
        <source>Open failed.  Error code: %1</source>
        <translation>Det gick inte att öppna.  Felkod: %1</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Varning!</translation>
    </message>
    <message>
        <source>Open failed: %1.</source>
        <translation>Det gick inte att öppna: %1.</translation>
    </message>
    <message>
        <source>1 problem in %1 was passed over:</source>
        <translation>1 problem i %1 hoppades över:</translation>
    </message>
    <message>
        <source>%1 problems in %2 were passed over:</source>
        <translation>%1 problem i %2 hoppades över:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>och %1 till</translation>
    </message>
    <message>
        <source>%1: the imported family could not be opened: %2</source>
        <translation>%1: den importerade släkten kunde inte öppnas: %2</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-import</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Typsnitt</translation>
    </message>
    <message>
        <source>The start number must be 1 or more</source>
        <translation>Startnumret måste vara 1 eller mer</translation>
    </message>
    <message>
        <source>The %1 is not available in this version of Tamblewin.</source>
        <translation>%1 finns inte i den här versionen av Tamblewin.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file to write</source>
        <translation>%1 är en mapp, inte en fil att skriva</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a file to write</source>
        <translation>%1 är en FIFO, inte en fil att skriva</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file to write</source>
        <translation>%1 är en socket, inte en fil att skriva</translation>
    </message>
    <message>
        <source>%1 is a device, not a file to write</source>
        <translation>%1 är en enhet, inte en fil att skriva</translation>
    </message>
    <message>
        <source>%1 is no regular file, not a file to write</source>
        <translation>%1 är ingen vanlig fil, inte en fil att skriva</translation>
    </message>
    <message>
        <source>%1 is the data file being read</source>
        <translation>%1 är datafilen som läses</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>mappen %1 finns inte</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 är ingen mapp</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>filen är större än %1</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>filen ändrades medan den lästes</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>det är en mapp, inte en fil</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>det är en namngiven pipe, inte en fil</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>det är en socket, inte en fil</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>det är en enhet, inte en fil</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>det är ingen vanlig fil</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>den är större än %1</translation>
    </message>
    <message>
        <source>the file is too short for a PAF header: bytes %1</source>
        <translation>filen är för kort för ett PAF-huvud: byte %1</translation>
    </message>
    <message>
        <source>the file has no PAF signature</source>
        <translation>filen har ingen PAF-signatur</translation>
    </message>
    <message>
        <source>the header announces an impossible number of page spaces: %1</source>
        <translation>huvudet anger ett omöjligt antal sidutrymmen: %1</translation>
    </message>
    <message>
        <source>the path cannot be used</source>
        <translation>sökvägen kan inte användas</translation>
    </message>
    <message>
        <source>the page-count table is cut short</source>
        <translation>sidantalstabellen är avkortad</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 is cut short</source>
        <translation>sidtypskartan för sidutrymme %1 är avkortad</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 does not start with its own type</source>
        <translation>sidtypskartan för sidutrymme %1 börjar inte med sin egen typ</translation>
    </message>
    <message>
        <source>the page-count table gives %1 pages of type %2 in page space %3, but its map lists %4</source>
        <translation>sidantalstabellen anger %1 sidor av typ %2 i sidutrymme %3, men dess karta listar %4</translation>
    </message>
    <message>
        <source>the family does not fit in 31 page spaces</source>
        <translation>familjen ryms inte i 31 sidutrymmen</translation>
    </message>
    <message>
        <source>the marriages&apos; links do not match the marriages</source>
        <translation>äktenskapens länkar stämmer inte med äktenskapen</translation>
    </message>
    <message>
        <source>marriage %1 names a person who does not exist</source>
        <translation>äktenskap %1 anger en person som inte finns</translation>
    </message>
    <message>
        <source>person %1 lists a marriage that does not exist</source>
        <translation>person %1 listar ett äktenskap som inte finns</translation>
    </message>
    <message>
        <source>Invalid Rin</source>
        <translation>Ogiltigt RIN</translation>
    </message>
    <message>
        <source>Corrupt Data.  Run check/repair
in PAF to repair data.</source>
        <translation>Skadade data.  Kör kontrollera/reparera
i PAF för att reparera data.</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>person</translation>
    </message>
    <message>
        <source>marriage</source>
        <translation>äktenskap</translation>
    </message>
    <message>
        <source>name index</source>
        <translation>namnindex</translation>
    </message>
    <message>
        <source>record</source>
        <translation>post</translation>
    </message>
    <message>
        <source>node</source>
        <translation>nod</translation>
    </message>
    <message>
        <source>child link</source>
        <translation>barnlänk</translation>
    </message>
    <message>
        <source>child chain at link</source>
        <translation>barnkedja vid länk</translation>
    </message>
    <message>
        <source>marriage chain at marriage</source>
        <translation>äktenskapskedja vid äktenskap</translation>
    </message>
    <message>
        <source>parents&apos; marriage</source>
        <translation>föräldrarnas äktenskap</translation>
    </message>
    <message>
        <source>own marriage</source>
        <translation>eget äktenskap</translation>
    </message>
    <message>
        <source>father</source>
        <translation>far</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>mor</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan inte läsas</translation>
    </message>
    <message>
        <source>is deleted</source>
        <translation>är raderad</translation>
    </message>
    <message>
        <source>loops</source>
        <translation>bildar en slinga</translation>
    </message>
    <message>
        <source>is reached twice</source>
        <translation>nås två gånger</translation>
    </message>
    <message>
        <source>is beyond the last individual</source>
        <translation>ligger bortom den sista personen</translation>
    </message>
    <message>
        <source>is beyond the last node</source>
        <translation>ligger bortom den sista noden</translation>
    </message>
    <message>
        <source>does not name him as husband</source>
        <translation>anger honom inte som man</translation>
    </message>
    <message>
        <source>does not name her as wife</source>
        <translation>anger henne inte som hustru</translation>
    </message>
    <message>
        <source>closes a loop (someone is his own ancestor); cut there</source>
        <translation>sluter en slinga (någon är sin egen ana); klippt där</translation>
    </message>
    <message>
        <source> (the last is %1)</source>
        <translation> (den sista är %1)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation>Förhandsvisning</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Sida </translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Gå</translation>
    </message>
    <message>
        <source>Format 2</source>
        <translation>Format 2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Next Pos</source>
        <translation>Nästa läge</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Anpassa bredd</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Anpassa sida</translation>
    </message>
    <message>
        <source>Page Preview - %1</source>
        <translation>Förhandsvisning - %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>av %1</translation>
    </message>
    <message>
        <source>If you decide you want to go back to Format 1
you must cancel out of this run and start all
over again.</source>
        <translation>Om du vill gå tillbaka till Format 1
måste du avbryta den här körningen och börja
om från början.</translation>
    </message>
    <message>
        <source>The branch positions were saved in
%1</source>
        <translation>Grenarnas lägen sparades i
%1</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan inte skriva %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan inte skriva %1: %2</translation>
    </message>
    <message>
        <source>No PDF file was named to print into.</source>
        <translation>Ingen PDF-fil angavs att skriva till.</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>Skrivaren %1 kunde inte börja skriva ut.</translation>
    </message>
    <message>
        <source>Cannot write %1: the font %2 is not installed</source>
        <translation>Kan inte skriva %1: typsnittet %2 är inte installerat</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Before the first page&apos;s field of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>Sidor</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last page&apos;s fields of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>till</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Skriver ut ...</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Utskrift</translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation>%1 av %2 sidor utskrivna</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Aktuell sida</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Skrivare:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papper:</translation>
    </message>
    <message>
        <source>A3 where needed</source>
        <translation>A3 vid behov</translation>
    </message>
    <message>
        <source>On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper.</source>
        <translation>På A5-, A4- eller A3-papper får ättlingaöversikten ta ett A3-ark där den behöver ett större; annars anpassar den sig till papperet.</translation>
    </message>
    <message>
        <source>All %1 pages</source>
        <translation>Alla %1 sidor</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-fil</translation>
    </message>
    <message>
        <source>Invalid page range.</source>
        <translation>Ogiltigt sidintervall.</translation>
    </message>
    <message>
        <source>The report was written to
%1</source>
        <translation>Rapporten skrevs till
%1</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Skriv ut till PDF-fil</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-filer</translation>
    </message>
</context>
<context>
    <name>RepeatAncestorsList</name>
    <message>
        <source>No ancestor appears more than once.</source>
        <translation>Ingen ana förekommer mer än en gång.</translation>
    </message>
    <message>
        <source>Repeat Ancestor List</source>
        <translation>Upprepade anor</translation>
    </message>
    <message>
        <source>Cont&apos;d</source>
        <translation>Forts.</translation>
    </message>
</context>
<context>
    <name>RepeatDescendantList</name>
    <message>
        <source>No descendant appears more than once.</source>
        <translation>Ingen ättling förekommer mer än en gång.</translation>
    </message>
    <message>
        <source>child</source>
        <translation>barn</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>barnbarn</translation>
    </message>
    <message>
        <source>G g&apos;child</source>
        <translation>barnbarnsbarn</translation>
    </message>
    <message>
        <source>%1 G g&apos;child</source>
        <translation>%1. barnbarnsbarn</translation>
    </message>
    <message>
        <source>Repeat Descendants</source>
        <translation>Upprepade ättlingar</translation>
    </message>
    <message>
        <source>RELATION</source>
        <translation>SLÄKTSKAP</translation>
    </message>
</context>
<context>
    <name>ReportChoiceWindow</name>
    <message>
        <source>Choose a report</source>
        <translation>Välj en rapport</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Vad vill du skriva ut?</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listor</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagram</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(no name)</source>
        <translation>(inget namn)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>och</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Sida %1</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would fill more than %2 positions.</source>
        <translation>Listan slutar efter generation %1:
nästa generation skulle fylla mer än %2 platser.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would take it past %2 entries.</source>
        <translation>Listan slutar efter generation %1:
nästa generation skulle föra den över %2 poster.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
no list goes further than %1 generations.</source>
        <translation>Listan slutar efter generation %1:
ingen lista går längre än %1 generationer.</translation>
    </message>
    <message>
        <source>No children are recorded.</source>
        <translation>Inga barn är registrerade.</translation>
    </message>
    <message>
        <source>GEN</source>
        <translation>GEN</translation>
    </message>
    <message>
        <source>RIN</source>
        <translation>RIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAMN</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Födelseår</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Från</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Till</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>self</source>
        <translation>själv</translation>
    </message>
    <message>
        <source>cont&apos;d</source>
        <translation>forts.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> och </translation>
    </message>
    <message>
        <source>DESCENDANT PARENT</source>
        <translation>FÖRÄLDER (ÄTTLING)</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Barn</translation>
    </message>
    <message>
        <source>Grandchildren</source>
        <translation>Barnbarn</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Forskningsstatus (lista)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Sammanfattning av ättlingar</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Familjesammanfattning</translation>
    </message>
    <message>
        <source>Descendants List</source>
        <translation>Ättlingalista</translation>
    </message>
    <message>
        <source>Grouped Descendants List</source>
        <translation>Ättlingar per generation</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Forskningsstatus (diagram)</translation>
    </message>
    <message>
        <source>Repeat Ancestors List</source>
        <translation>Upprepade anor</translation>
    </message>
    <message>
        <source>Ancestors List (with repeats)</source>
        <translation>Antavla (med upprepningar)</translation>
    </message>
    <message>
        <source>Ancestors List (without repeats)</source>
        <translation>Antavla (utan upprepningar)</translation>
    </message>
    <message>
        <source>Descendant Summary Chart</source>
        <translation>Ättlingaöversikt</translation>
    </message>
    <message>
        <source>Family Tree Chart</source>
        <translation>Släktträd</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Efternamnsfördelning</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Familjens datumtabell</translation>
    </message>
    <message>
        <source>Repeat Descendant List</source>
        <translation>Upprepade ättlingar</translation>
    </message>
    <message>
        <source>Invalid start RIN</source>
        <translation>Ogiltigt start-RIN</translation>
    </message>
    <message>
        <source>RinX access out of range</source>
        <translation>RIN-åtkomst utanför intervallet</translation>
    </message>
</context>
<context>
    <name>ResearchStatusChart</name>
    <message>
        <source>GENERATION</source>
        <translation>GENERATION</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>SLÄKTSKAP</translation>
    </message>
    <message>
        <source>PEDIGREE</source>
        <translation>ANTAVLE-</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>PLATSER</translation>
    </message>
    <message>
        <source>ANCESTORS</source>
        <translation>ANOR</translation>
    </message>
    <message>
        <source>IDENTIFIED</source>
        <translation>KÄNDA</translation>
    </message>
    <message>
        <source>REPEATS</source>
        <translation>UPPREPADE</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>SUMMA</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROCENT</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>KLART</translation>
    </message>
    <message>
        <source>BIRTH YEARS</source>
        <translation>FÖDELSEÅR</translation>
    </message>
    <message>
        <source>INVOLVED</source>
        <translation>BERÖRDA</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Forskningsstatus (diagram)</translation>
    </message>
    <message>
        <source>Generations %1 and later are not shown.</source>
        <translation>Generation %1 och senare visas inte.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>förä</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>gml.</translation>
    </message>
    <message>
        <source>%1 G.</source>
        <translation>%1 gml.</translation>
    </message>
    <message>
        <source>g&apos;par</source>
        <translation>storf</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
</context>
<context>
    <name>ResearchStatusList</name>
    <message>
        <source>Pedigree</source>
        <translation>Antavle-</translation>
    </message>
    <message>
        <source>positions</source>
        <translation>platser</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>fyllda</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Anor</translation>
    </message>
    <message>
        <source>Ancestor</source>
        <translation>Anor</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Identified</source>
        <translation>kända</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>upprep.</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Forskningsstatus (lista)</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 md</translation>
    </message>
    <message>
        <source>%1 T</source>
        <translation>%1 bilj</translation>
    </message>
</context>
<context>
    <name>Scripts</name>
    <message>
        <source>Adlam</source>
        <translation>adlam</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>arabiska</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>armeniska</translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation>balinesiska</translation>
    </message>
    <message>
        <source>Bamum</source>
        <translation>bamum</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>bengali</translation>
    </message>
    <message>
        <source>Bopomofo</source>
        <translation>bopomofo</translation>
    </message>
    <message>
        <source>Buginese</source>
        <translation>buginesiska</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>chakma</translation>
    </message>
    <message>
        <source>Canadian Aboriginal</source>
        <translation>kanadensisk stavelseskrift</translation>
    </message>
    <message>
        <source>Cherokee</source>
        <translation>cherokee</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>koptiska</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>kyrilliska</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>devanagari</translation>
    </message>
    <message>
        <source>Ethiopic</source>
        <translation>etiopiska</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>georgiska</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>glagolitiska</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>gotiska</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>grekiska</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>gujarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>gurmukhi</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>hangul</translation>
    </message>
    <message>
        <source>Han</source>
        <translation>han (kinesiska tecken)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>hebreiska</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>hiragana</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>javanesiska</translation>
    </message>
    <message>
        <source>Kayah Li</source>
        <translation>kayah li</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>katakana</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>khmer</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>kannada</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>laotiska</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latin</translation>
    </message>
    <message>
        <source>Lepcha</source>
        <translation>lepcha</translation>
    </message>
    <message>
        <source>Limbu</source>
        <translation>limbu</translation>
    </message>
    <message>
        <source>Lisu</source>
        <translation>lisu</translation>
    </message>
    <message>
        <source>Mandaic</source>
        <translation>mandeiska</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>malayalam</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>mongoliska</translation>
    </message>
    <message>
        <source>Meetei Mayek</source>
        <translation>meitei mayek</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>burmesiska</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>n&apos;ko</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>ogham</translation>
    </message>
    <message>
        <source>Ol Chiki</source>
        <translation>ol chiki</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>odia</translation>
    </message>
    <message>
        <source>Osage</source>
        <translation>osage</translation>
    </message>
    <message>
        <source>Hanifi Rohingya</source>
        <translation>hanifi rohingya</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>runor</translation>
    </message>
    <message>
        <source>Samaritan</source>
        <translation>samaritanska</translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation>saurashtra</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>singalesiska</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>sundanesiska</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>syriska</translation>
    </message>
    <message>
        <source>Tai Le</source>
        <translation>tai le</translation>
    </message>
    <message>
        <source>New Tai Lue</source>
        <translation>ny tai lue</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>tamil</translation>
    </message>
    <message>
        <source>Tai Viet</source>
        <translation>tai viet</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>telugu</translation>
    </message>
    <message>
        <source>Tifinagh</source>
        <translation>tifinagh</translation>
    </message>
    <message>
        <source>Tagalog</source>
        <translation>tagalog</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>thaana</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>thai</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>tibetanska</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>vai</translation>
    </message>
    <message>
        <source>Yi</source>
        <translation>yi</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Note: If the same couple married more
     than once, include both MRINs 
separated by a comma. example: 23,24</source>
        <translation>Obs: Om samma par gifte sig mer
     än en gång, ange båda MRIN 
åtskilda av ett kommatecken. exempel: 23,24</translation>
    </message>
    <message>
        <source>Computing statistics for generation: </source>
        <translation>Beräknar statistik för generation: </translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Blä&amp;ddra</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Förhandsvisa</translation>
    </message>
    <message>
        <source>detailed &amp;foliage background</source>
        <translation>detaljerad &amp;lövbakgrund</translation>
    </message>
    <message>
        <source>Start couple - %1</source>
        <translation>Startpar - %1</translation>
    </message>
    <message>
        <source>Start individual - %1</source>
        <translation>Startperson - %1</translation>
    </message>
    <message>
        <source>Which couple do you want to start with?</source>
        <translation>Vilket par vill du börja med?</translation>
    </message>
    <message>
        <source>&amp;MRIN:</source>
        <translation>&amp;MRIN:</translation>
    </message>
    <message>
        <source>Which individual do you want to start with?</source>
        <translation>Vilken person vill du börja med?</translation>
    </message>
    <message>
        <source>&amp;RIN:</source>
        <translation>&amp;RIN:</translation>
    </message>
    <message>
        <source>done</source>
        <translation>klart</translation>
    </message>
</context>
<context>
    <name>SurnameDistributionList</name>
    <message>
        <source>%1 none count</source>
        <translation>%1 utan namn</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Efternamnsfördelning</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automatiskt</translation>
    </message>
    <message>
        <source>Tamblewin V %1</source>
        <translation>Tamblewin V %1</translation>
    </message>
    <message>
        <source>Prints unique genealogical lists and charts directly from your PAF 5 data file</source>
        <translation>Skriver ut unika släktforskningslistor och diagram direkt från din PAF 5-datafil</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Språk:</translation>
    </message>
    <message>
        <source>(takes effect at the next start)</source>
        <translation>(gäller från nästa start)</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nästa</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Bakåt</translation>
    </message>
    <message>
        <source>there is no display to show the windows on.</source>
        <translation>det finns ingen skärm att visa fönstren på.</translation>
    </message>
    <message>
        <source>no display can be reached to show the windows on (%1, and nothing answers there).</source>
        <translation>ingen skärm kan nås för att visa fönstren (%1, och inget svarar där).</translation>
    </message>
    <message>
        <source>Run it in a desktop session, or use a command: %1</source>
        <translation>Kör det i en skrivbordssession, eller använd ett kommando: %1</translation>
    </message>
    <message>
        <source>the windows cannot be shown: Qt found no display it could use.</source>
        <translation>fönstren kan inte visas: Qt hittade ingen skärm som gick att använda.</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 tum</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 liggande</translation>
    </message>
    <message>
        <source>Tamblewin for PAF</source>
        <translation>Tamblewin för PAF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Varning!</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Hoppsan</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Hoppsan!</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Obs</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Meddelande</translation>
    </message>
    <message>
        <source>Multiple marriages</source>
        <translation>Flera äktenskap</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation>Problem!</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbrott</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Typsnitt</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-import</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alla filer</translation>
    </message>
</context>
</TS>
