<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en">
<context>
    <name>AncestorsList</name>
    <message>
        <source>Ancestor List (with repeats)</source>
        <translation>Anetavle (med gjentakelser)</translation>
    </message>
    <message>
        <source>Ancestor List (without repeats)</source>
        <translation>Anetavle (uten gjentakelser)</translation>
    </message>
    <message>
        <source>Pedigree Position</source>
        <translation>Anetavle-</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>nummer</translation>
    </message>
    <message>
        <source>R&apos;P</source>
        <translation>Gj</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Fødsels-</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>år</translation>
    </message>
    <message>
        <source>PPN too large to display.</source>
        <translation>Nummeret er for stort å vise.</translation>
    </message>
</context>
<context>
    <name>BrowseWindow</name>
    <message>
        <source>Choose a person</source>
        <translation>Velg en person</translation>
    </message>
    <message>
        <source>Loading ... </source>
        <translation>Laster inn ... </translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Skriv en del av et navn</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Søk:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Velg</translation>
    </message>
    <message>
        <source>Loading ... Done</source>
        <translation>Laster inn ... Ferdig</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>No name holds &quot;%1&quot;</source>
        <translation>Ingen navn inneholder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>There is no marriage record for this person.</source>
        <translation>Det finnes ingen ekteskapspost for denne personen.</translation>
    </message>
    <message>
        <source>Next you will see a list of spouses for 

%1

 Please choose one.</source>
        <translation>Nå vises en liste over ektefeller til 

%1

 Velg én av dem.</translation>
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
        <translation>skriver ikke %1: det er datafilen som leses</translation>
    </message>
    <message>
        <source>will not write %1</source>
        <translation>skriver ikke %1</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Bruk:</translation>
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
                                setter opp en rapport og skriver den som PDF-, PNG- eller
                                SVG-sider eller som sidelogg; --start er RIN, eller MRIN-numrene
                                (&quot;23,24&quot;); --paper: papiret den settes opp på (se nedenfor);
                                --large-sheets: på A5-, A4- eller A3-papir kan
                                etterkommeroversikten ta et A3-ark der den trenger et større
                                (ellers tilpasser den seg papiret);
                                --plain-background: slektstreets krone av enkle
                                ovaler i stedet for løv
</translation>
    </message>
    <message>
        <source>  tamblewin info FILE.paf       header figures of a PAF 5 data file
</source>
        <translation>  tamblewin info FILE.paf       hovedtall i en PAF 5-datafil
</translation>
    </message>
    <message>
        <source>  tamblewin people FILE.paf     every individual in name order, with the RIN
</source>
        <translation>  tamblewin people FILE.paf     alle personer i navnerekkefølge, med RIN
</translation>
    </message>
    <message>
        <source>  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,
                                separated by tabs
</source>
        <translation>  tamblewin families FILE.paf   alle ekteskap: MRIN, mann, hustru og vielsesår,
                                adskilt med tabulatorer
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
                                bygger en PAF 5-fil fra en GEDCOM-fil; bokstaver som PAF ikke
                                kan lagre, blir enkle bokstaver. report, info, people og
                                families tar også en GEDCOM-fil direkte, gjenkjent på sin
                                første linje (0 HEAD) uansett navn
</translation>
    </message>
    <message>
        <source>  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen
</source>
        <translation>  tamblewin FILE                vinduene, med den PAF- eller GEDCOM-filen valgt
</translation>
    </message>
    <message>
        <source>--language CODE, before or after any command, gives the language of the words
on the pages, in the windows and in the messages: de (German), fr (French),
es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).
Without it the language is the first that LANGUAGE lists, else that of LC_ALL,
LC_MESSAGES or LANG; a language tamblewin does not have is English.
</source>
        <translation>--language CODE, før eller etter en kommando, angir språket for ordene
på sidene, i vinduene og i meldingene: de (tysk), fr (fransk),
es (spansk), nl (nederlandsk), sv (svensk), nb (norsk bokmål) eller en (engelsk).
Uten det er språket det første som LANGUAGE lister opp, ellers det i LC_ALL,
LC_MESSAGES eller LANG; et språk som tamblewin ikke har, blir engelsk.
</translation>
    </message>
    <message>
        <source>Without --paper the paper is the one PAPERSIZE names, else the first word of the
paper configuration file (/etc/papersize, or the file PAPERCONF names), else the
locale&apos;s (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,
Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;
else letter. A name tamblewin does not know is passed over.
</source>
        <translation>Uten --paper er papiret det som PAPERSIZE angir, ellers første ord i
papirkonfigurasjonsfilen (/etc/papersize, eller filen som PAPERCONF angir), ellers
språkmiljøets (LC_ALL, ellers LC_PAPER, ellers LANG): letter i USA, Canada,
Mexico, Filippinene, Chile, Colombia og Venezuela, A4 i alle andre land;
ellers letter. Et navn som tamblewin ikke kjenner, hoppes over.
</translation>
    </message>
    <message>
        <source>The data file is only ever read, never written: no output may be the data file or
the GEDCOM file read, and every output is written whole or not at all. Messages
go to standard error. Exit status:
</source>
        <translation>Datafilen blir bare lest, aldri skrevet: ingen utdata kan være datafilen eller
GEDCOM-filen som leses, og alle utdata skrives hele eller ikke i det hele tatt. Meldinger
går til standard error. Avslutningsstatus:
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
        <translation>  0  fullført
  1  kunne ikke gjøre det som ble bedt om (en fil mangler, ingen side, stoppet med Ctrl-C)
  2  feil kommandolinje eller startfelt, eller utdata som er inndata
  3  datafilen er skadet, og ingenting ble skrevet
  4  utdata ble skrevet, men datafilen er skadet (meldingene sier hvor)
  5  tom for minne
</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan ikke skrive til standard output: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kan ikke skrive til standard output</translation>
    </message>
    <message>
        <source>&apos;import&apos; does not take &apos;%1&apos;</source>
        <translation>&apos;import&apos; tar ikke &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;import&apos; takes a GEDCOM file and -o FILE.paf</source>
        <translation>&apos;import&apos; tar en GEDCOM-fil og -o FILE.paf</translation>
    </message>
    <message>
        <source>the PAF file must not be the GEDCOM file itself</source>
        <translation>PAF-filen kan ikke være selve GEDCOM-filen</translation>
    </message>
    <message>
        <source>will not write %1; choose another output</source>
        <translation>skriver ikke %1; velg en annen utdata</translation>
    </message>
    <message>
        <source>will not write %1: %2; choose another output</source>
        <translation>skriver ikke %1: %2; velg en annen utdata</translation>
    </message>
    <message>
        <source>%1 names and places hold letters a PAF file cannot; they were written with plain letters, and &quot;?&quot; where there is none</source>
        <translation>%1 navn og steder har bokstaver som en PAF-fil ikke kan lagre; de ble skrevet med enkle bokstaver, og &quot;?&quot; der det ikke finnes noen</translation>
    </message>
    <message>
        <source>the import was stopped; nothing was written</source>
        <translation>importen ble stoppet; ingenting ble skrevet</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kan ikke skrives</translation>
    </message>
    <message>
        <source>Wrote %1 individuals and %2 marriages to %3</source>
        <translation>Skrev %1 personer og %2 ekteskap til %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one data file</source>
        <translation>&apos;%1&apos; tar én datafil</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>ukjent kommando &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Tom for minne</translation>
    </message>
    <message>
        <source>this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build</source>
        <translation>denne versjonen av tamblewin skriver bare sidelogger (--format log); PDF, PNG og SVG krever den fullstendige versjonen</translation>
    </message>
    <message>
        <source>PNG and SVG pages are written by the Qt module</source>
        <translation>PNG- og SVG-sider skrives av Qt-modulen</translation>
    </message>
    <message>
        <source>page logs are not written through a printer</source>
        <translation>sidelogger skrives ikke via en skriver</translation>
    </message>
    <message>
        <source>1 problem in the GEDCOM file was passed over; `tamblewin import %1 -o X.paf` lists it</source>
        <translation>1 problem i GEDCOM-filen ble hoppet over; `tamblewin import %1 -o X.paf` viser det</translation>
    </message>
    <message>
        <source>%2 problems in the GEDCOM file were passed over; `tamblewin import %1 -o X.paf` lists them</source>
        <translation>%2 problemer i GEDCOM-filen ble hoppet over; `tamblewin import %1 -o X.paf` viser dem</translation>
    </message>
    <message>
        <source>Laying out generation %1</source>
        <translation>Setter opp generasjon %1</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Skriver side %1 av %2</translation>
    </message>
    <message>
        <source>the program&apos;s own folder is not known</source>
        <translation>programmets egen mappe er ukjent</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 mangler</translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 har ingen %2</translation>
    </message>
    <message>
        <source>the windows and PNG and SVG pages need Qt&apos;s module: %1</source>
        <translation>vinduene og PNG- og SVG-sider trenger Qt-modulen: %1</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs a report kind; the kinds are:
%1</source>
        <translation>&apos;report&apos; trenger en rapporttype; typene er:
%1</translation>
    </message>
    <message>
        <source>unknown report kind &apos;%1&apos;; the kinds are:
%2</source>
        <translation>ukjent rapporttype &apos;%1&apos;; typene er:
%2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>valget &apos;%1&apos; trenger en verdi</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (pdf, png, svg or log)</source>
        <translation>ukjent format &apos;%1&apos; (pdf, png, svg eller log)</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos;; the papers are %2</source>
        <translation>ukjent papir &apos;%1&apos;; papirene er %2</translation>
    </message>
    <message>
        <source>--date wants a date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--date vil ha en dato som YYYY-MM-DD, ikke &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>ukjent valg &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs the data file: --paf FILE.paf</source>
        <translation>&apos;report&apos; trenger datafilen: --paf FILE.paf</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a RIN or a list of MRINs such as 23,24</source>
        <translation>--start &apos;%1&apos; er ikke et RIN eller en liste med MRIN som 23,24</translation>
    </message>
    <message>
        <source>cannot tell the format from &apos;%1&apos;; give --format</source>
        <translation>kan ikke avgjøre formatet ut fra &apos;%1&apos;; angi --format</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not &apos;%1&apos;</source>
        <translation>SOURCE_DATE_EPOCH vil ha sekunder siden 1970 innenfor årene 1 til 9999, ikke &apos;%1&apos;</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 side</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 sider</translation>
    </message>
    <message>
        <source>Removed 1 page file left from an earlier, longer run</source>
        <translation>Fjernet 1 sidefil igjen fra en tidligere, lengre kjøring</translation>
    </message>
    <message>
        <source>Removed %1 page files left from an earlier, longer run</source>
        <translation>Fjernet %1 sidefiler igjen fra en tidligere, lengre kjøring</translation>
    </message>
    <message>
        <source>will not write %1: it is the data file being read; choose another output</source>
        <translation>skriver ikke %1: det er datafilen som leses; velg en annen utdata</translation>
    </message>
    <message>
        <source>only the page log (--format log) can go to standard output</source>
        <translation>bare sideloggen (--format log) kan gå til standard output</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the page log</source>
        <translation>%1 er en mappe; angi et filnavn for sideloggen</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the PDF document</source>
        <translation>%1 er en mappe; angi et filnavn for PDF-dokumentet</translation>
    </message>
    <message>
        <source>cannot write the page log</source>
        <translation>kan ikke skrive sideloggen</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan ikke skrive %1</translation>
    </message>
    <message>
        <source>Wrote the page log of %1 to %2</source>
        <translation>Skrev sideloggen for %1 til %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan ikke skrive %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 in full</source>
        <translation>kan ikke skrive hele %1</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>Skrev %1 til %2</translation>
    </message>
    <message>
        <source>no report was written: the start field was refused</source>
        <translation>ingen rapport ble skrevet: startfeltet ble avvist</translation>
    </message>
    <message>
        <source>the report was stopped; nothing was written</source>
        <translation>rapporten ble stoppet; ingenting ble skrevet</translation>
    </message>
    <message>
        <source>the report stopped on bad data; nothing was written</source>
        <translation>rapporten stoppet på feil i dataene; ingenting ble skrevet</translation>
    </message>
    <message>
        <source>the report produced no page; nothing was written</source>
        <translation>rapporten ga ingen side; ingenting ble skrevet</translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>stoppet; ingenting ble skrevet</translation>
    </message>
</context>
<context>
    <name>CoupleListWindow</name>
    <message>
        <source>Marriage Choose Rin</source>
        <translation>Ekteskap – velg MRIN</translation>
    </message>
</context>
<context>
    <name>DataFileWindow</name>
    <message>
        <source>Which data file do you want to use?</source>
        <translation>Hvilken datafil vil du bruke?</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;la...</translation>
    </message>
    <message>
        <source>Data file - %1</source>
        <translation>Datafil - %1</translation>
    </message>
    <message>
        <source>There must be a valid PAF file name.</source>
        <translation>Det må være et gyldig PAF-filnavn.</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>Åpner %1 ...</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Åpner</translation>
    </message>
    <message>
        <source>%1 is a folder, not a data file.</source>
        <translation>%1 er en mappe, ikke en datafil.</translation>
    </message>
    <message>
        <source>%1

is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.</source>
        <translation>%1

er verken en PAF 5-datafil eller en GEDCOM-fil og kan derfor ikke åpnes.</translation>
    </message>
    <message>
        <source>%1

cannot be read: %2.</source>
        <translation>%1

kan ikke leses: %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Family files</source>
        <translation>Slektsfiler</translation>
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
        <translation>etter</translation>
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
        <translation>Dødfødt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Ikke klarert</translation>
    </message>
    <message>
        <source>Abt</source>
        <translation>ca.</translation>
    </message>
    <message>
        <source>Bef</source>
        <translation>før</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>ansl.</translation>
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
        <translation>Klarert</translation>
    </message>
    <message>
        <source>Out of range month</source>
        <translation>Måned utenfor gyldig område</translation>
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
        <translation>mai</translation>
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
        <translation>des</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februar</translation>
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
        <translation>august</translation>
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
        <translation>desember</translation>
    </message>
</context>
<context>
    <name>DescendantSummaryChart</name>
    <message>
        <source>The chart counts the first %1 generations:
the next generation would take the count past %2 entries.</source>
        <translation>Diagrammet teller de første %1 generasjonene:
neste generasjon ville ført antallet over %2 oppføringer.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the next would take the count past %2 people.</source>
        <translation>Bare de første %1 generasjonene under paret telles: den neste ville ført antallet over %2 personer.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the chart counts no further.</source>
        <translation>Bare de første %1 generasjonene under paret telles: diagrammet teller ikke lenger.</translation>
    </message>
    <message>
        <source>1 child</source>
        <translation>1 barn</translation>
    </message>
    <message>
        <source>its %1 generations do not fit across the page.</source>
        <translation>dens %1 generasjoner får ikke plass i sidens bredde.</translation>
    </message>
    <message>
        <source>This couple has more generations of data than
will fit on this report.  Be advised that the report
will show only the first %1 generations of data.</source>
        <translation>Dette paret har flere generasjoner med data enn
det er plass til i rapporten.  Merk at rapporten
bare viser de første %1 generasjonene.</translation>
    </message>
    <message>
        <source>This information could not
be formatted into any of
the 4 forms of this chart:
%1</source>
        <translation>Opplysningene kunne ikke
settes opp i noen av
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
        <translation>tittelen får ikke plass i sidens bredde.</translation>
    </message>
    <message>
        <source>the rows of its %1 children would stand %2 in apart, too close for the smallest type (%3 points).</source>
        <translation>radene for de %1 barna ville stått %2 tommer fra hverandre, for tett for den minste skriften (%3 punkter).</translation>
    </message>
    <message>
        <source>the couple&apos;s names and dates do not fit across the page.</source>
        <translation>parets navn og datoer får ikke plass i sidens bredde.</translation>
    </message>
    <message>
        <source>its totals do not fit across the page.</source>
        <translation>summene får ikke plass i sidens bredde.</translation>
    </message>
    <message>
        <source>*repeat descendants involved</source>
        <translation>*gjentatte etterkommere forekommer</translation>
    </message>
    <message>
        <source>family totals (parents, descendants, and all spouses):</source>
        <translation>familiens summer (foreldre, etterkommere og alle ektefeller):</translation>
    </message>
    <message>
        <source>Only the first %1 of %2 generations fit across the page; the totals count them all.</source>
        <translation>Bare de første %1 av %2 generasjoner får plass i sidens bredde; summene teller dem alle.</translation>
    </message>
    <message>
        <source>total descendants:</source>
        <translation>etterkommere i alt:</translation>
    </message>
    <message>
        <source>born:</source>
        <translation>født:</translation>
    </message>
    <message>
        <source>married:</source>
        <translation>vielse:</translation>
    </message>
    <message>
        <source>child</source>
        <translation>barn</translation>
    </message>
    <message>
        <source>DESCENDANTS SUMMARY CHART</source>
        <translation>ETTERKOMMEROVERSIKT</translation>
    </message>
</context>
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Etterkommere av</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>FØDSELS-</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATO</translation>
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
        <translation>delsummer:</translation>
    </message>
    <message>
        <source>Grand totals:</source>
        <translation>Totalsummer:</translation>
    </message>
    <message>
        <source>(cont&apos;d)</source>
        <translation>(forts.)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Sammendrag av etterkommere</translation>
    </message>
    <message>
        <source>Child and Spouse(s)</source>
        <translation>Barn og ektefelle(r)</translation>
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
        <translation>Etterkommere av dette paret har giftet seg med hverandre, slik at noen er etterkommere flere ganger.  Totalsummene er justert slik at hver etterkommer bare telles én gang.</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>(1 more marriage not shown)</source>
        <translation>(1 ekteskap til vises ikke)</translation>
    </message>
    <message>
        <source>(%1 more marriages not shown)</source>
        <translation>(%1 ekteskap til vises ikke)</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Familiens datotabell</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Født</translation>
    </message>
    <message>
        <source>Christened</source>
        <translation>Døpt</translation>
    </message>
    <message>
        <source>Died</source>
        <translation>Død</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alder</translation>
    </message>
    <message>
        <source>Buried</source>
        <translation>Gravlagt</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Dåp</translation>
    </message>
    <message>
        <source>Endowed</source>
        <translation>Begavet</translation>
    </message>
    <message>
        <source>Sealed Par</source>
        <translation>Beseglet forel</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Gift</translation>
    </message>
    <message>
        <source>Sealed Sp</source>
        <translation>Beseglet ekt</translation>
    </message>
</context>
<context>
    <name>FamilySummaryList</name>
    <message>
        <source>G. Grandchildren</source>
        <translation>Oldebarn</translation>
    </message>
    <message>
        <source>%1G. Grandchildren</source>
        <translation>%1. oldebarn</translation>
    </message>
    <message>
        <source>Themselves</source>
        <translation>Selv</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Sum:</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Familiesammendrag</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gen</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Slektskap</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direkte</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>etterkommere</translation>
    </message>
    <message>
        <source>Descendant&apos;s</source>
        <translation>Etterkommeres</translation>
    </message>
    <message>
        <source>Spouses</source>
        <translation>ektefeller</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familien</translation>
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
        <translation>Slektstre</translation>
    </message>
    <message>
        <source>Only the first %1 children have branches: the trunk has no room for more.</source>
        <translation>Bare de første %1 barna har grener: stammen har ikke plass til flere.</translation>
    </message>
    <message>
        <source>Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out.</source>
        <translation>Tall for bare %1 av %2 generasjoner får plass ved siden av boksene: de dypere er utelatt.</translation>
    </message>
    <message>
        <source>Some lines are counted only in part: the chart stops counting at its limit of generations and people.</source>
        <translation>Noen linjer telles bare delvis: diagrammet slutter å telle ved grensen for generasjoner og personer.</translation>
    </message>
</context>
<context>
    <name>GedcomImport</name>
    <message>
        <source>the file is larger than 2 GiB</source>
        <translation>filen er større enn 2 GiB</translation>
    </message>
    <message>
        <source>more than %1 links between records; this one and the rest ignored</source>
        <translation>mer enn %1 lenker mellom poster; denne og resten hoppes over</translation>
    </message>
    <message>
        <source>the INDI record of line %1</source>
        <translation>INDI-posten på linje %1</translation>
    </message>
    <message>
        <source>%1 is also the id of the %2 record of line %3; links to it go to that one</source>
        <translation>%1 er også id-en til %2-posten på linje %3; lenker dit går til den</translation>
    </message>
    <message>
        <source>%1 %2 names no INDI record; dropped</source>
        <translation>%1 %2 angir ingen INDI-post; strøket</translation>
    </message>
    <message>
        <source>%1 %2 names no FAM record; dropped</source>
        <translation>%1 %2 angir ingen FAM-post; strøket</translation>
    </message>
    <message>
        <source>CHIL %1 is already a child of this family; dropped</source>
        <translation>CHIL %1 er allerede et barn i denne familien; strøket</translation>
    </message>
    <message>
        <source>a second HUSB in the family; dropped</source>
        <translation>en andre HUSB i familien; strøket</translation>
    </message>
    <message>
        <source>a second WIFE in the family; dropped</source>
        <translation>en andre WIFE i familien; strøket</translation>
    </message>
    <message>
        <source>%1 is both husband and wife of the family; the second link dropped</source>
        <translation>%1 er både ektemann og hustru i familien; den andre lenken strøket</translation>
    </message>
    <message>
        <source>%1 is a spouse and a child of the same family; the child link dropped</source>
        <translation>%1 er ektefelle og barn i samme familie; barnelenken strøket</translation>
    </message>
    <message>
        <source>FAMS %1: the family does not name %2 as husband or wife; dropped</source>
        <translation>FAMS %1: familien angir ikke %2 som ektemann eller hustru; strøket</translation>
    </message>
    <message>
        <source>FAMC %1: %2 is husband or wife of that family; dropped</source>
        <translation>FAMC %1: %2 er ektemann eller hustru i den familien; strøket</translation>
    </message>
    <message>
        <source>FAMC %1: the family does not list %2 as a child; added as its last child</source>
        <translation>FAMC %1: familien lister ikke %2 som barn; lagt til som siste barn</translation>
    </message>
    <message>
        <source>SLGC without FAMC, and %1 is a child of %2 families; dropped</source>
        <translation>SLGC uten FAMC, og %1 er barn i %2 familier; strøket</translation>
    </message>
    <message>
        <source>SLGC: %1 is not a child of %2; dropped</source>
        <translation>SLGC: %1 er ikke barn i %2; strøket</translation>
    </message>
    <message>
        <source>%1 is his or her own ancestor</source>
        <translation>%1 er sin egen ane</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan ikke leses: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more warnings</source>
        <translation>... og %1 advarsler til</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; cut there</source>
        <translation>linjen er lengre enn %1 byte; kuttet der</translation>
    </message>
    <message>
        <source>text after &quot;0 TRLR&quot; ignored</source>
        <translation>tekst etter &quot;0 TRLR&quot; hoppes over</translation>
    </message>
    <message>
        <source>not a GEDCOM line (no level number), ignored: &quot;%1&quot;</source>
        <translation>ingen GEDCOM-linje (intet nivånummer), hoppes over: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a GEDCOM line, ignored: &quot;%1&quot;</source>
        <translation>ingen GEDCOM-linje, hoppes over: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>level %1 follows level %2; the line and the lines under it ignored</source>
        <translation>nivå %1 følger etter nivå %2; linjen og linjene under den hoppes over</translation>
    </message>
    <message>
        <source>malformed line, ignored with the lines under it: &quot;%1&quot;</source>
        <translation>feilformet linje, hoppes over med linjene under den: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file ends without &quot;0 TRLR&quot;; it may have been cut short</source>
        <translation>filen slutter uten &quot;0 TRLR&quot;; den kan være avkortet</translation>
    </message>
    <message>
        <source>more than %1 %2 records; this one and the rest ignored</source>
        <translation>mer enn %1 %2-poster; denne og resten hoppes over</translation>
    </message>
    <message>
        <source>%1 record without a cross-reference id; nothing can link to it</source>
        <translation>%1-post uten kryssreferanse-id; ingenting kan lenke til den</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a link to a record; ignored</source>
        <translation>%1 &quot;%2&quot; er ingen lenke til en post; hoppes over</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot; (line %1: &quot;%2&quot;)</source>
        <translation>ingen GEDCOM-fil: den begynner ikke med &quot;0 HEAD&quot; (linje %1: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it holds no lines</source>
        <translation>ingen GEDCOM-fil: den inneholder ingen linjer</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; malformed characters read as &quot;?&quot;</source>
        <translation>filen er ikke gyldig UTF-8; feilformede tegn lest som &quot;?&quot;</translation>
    </message>
    <message>
        <source>the header says ANSEL but the file is UTF-8; it was read as UTF-8</source>
        <translation>hodet angir ANSEL, men filen er UTF-8; den ble lest som UTF-8</translation>
    </message>
    <message>
        <source>the header says %1 but the file is not; it was read as Windows-1252</source>
        <translation>hodet angir %1, men filen er ikke det; den ble lest som Windows-1252</translation>
    </message>
</context>
<context>
    <name>GroupedDescendantsList</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Great Grandchildren</source>
        <translation>Oldebarn</translation>
    </message>
    <message>
        <source>%1 Great Grandchildren</source>
        <translation>%1 oldebarn</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>gjentatt</translation>
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
        <translation>MRIN er ugyldig</translation>
    </message>
    <message>
        <source>Error reading a marriage record</source>
        <translation>Feil ved lesing av en ekteskapspost</translation>
    </message>
    <message>
        <source>The RIN is invalid</source>
        <translation>RIN er ugyldig</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1</source>
        <translation>Grenenes plassering kunne ikke lagres i
%1</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1:
%2</source>
        <translation>Grenenes plassering kunne ikke lagres i
%1:
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Oisann!</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>symboler</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 og %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 name or place</source>
        <translation>1 navn eller sted</translation>
    </message>
    <message>
        <source>%1 names and places</source>
        <translation>%1 navn og steder</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes.</source>
        <translation>%1 er ikke installert: tegnene (%2) i %3 skrives ut som tomme bokser.</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes (Debian&apos;s %4 has it).</source>
        <translation>%1 er ikke installert: tegnene (%2) i %3 skrives ut som tomme bokser (Debians %4 har det).</translation>
    </message>
    <message>
        <source>No installed font has the %1 characters of %2: they print as empty boxes.</source>
        <translation>Ingen installert skrift har tegnene (%1) i %2: de skrives ut som tomme bokser.</translation>
    </message>
    <message>
        <source>Unknown date type</source>
        <translation>Ukjent datotype</translation>
    </message>
    <message>
        <source>(this file holds no %1)</source>
        <translation>(denne filen inneholder ingen %1)</translation>
    </message>
    <message>
        <source>(%1 in this file run from 1 to %2)</source>
        <translation>(%1 i denne filen går fra 1 til %2)</translation>
    </message>
    <message>
        <source>This Rin is out of range
%1</source>
        <translation>Dette RIN er utenfor gyldig område
%1</translation>
    </message>
    <message>
        <source>This Rin references a record
which has been deleted.</source>
        <translation>Dette RIN viser til en post
som er slettet.</translation>
    </message>
    <message>
        <source>This MRin is out of range
%1</source>
        <translation>Dette MRIN er utenfor gyldig område
%1</translation>
    </message>
    <message>
        <source>This MRin references a record
which has been deleted.</source>
        <translation>Dette MRIN viser til en post
som er slettet.</translation>
    </message>
    <message>
        <source>PAF file is corrupted.  Open failed.</source>
        <translation>PAF-filen er skadet.  Åpningen mislyktes.</translation>
    </message>
    <message>
        <source>Open failed.  If PAF is running,
even if it is minimized,
Tamblewin can&apos;t get access
to the data file.  Please
close PAF and try again.</source>
        <translation>Åpningen mislyktes.  Hvis PAF kjører,
selv om det er minimert,
får ikke Tamblewin tilgang
til datafilen.  Lukk
PAF og prøv igjen.</translation>
    </message>
    <message>
        <source>Open failed.  Error code: %1</source>
        <translation>Åpningen mislyktes.  Feilkode: %1</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Advarsel!</translation>
    </message>
    <message>
        <source>Open failed: %1.</source>
        <translation>Åpningen mislyktes: %1.</translation>
    </message>
    <message>
        <source>1 problem in %1 was passed over:</source>
        <translation>1 problem i %1 ble hoppet over:</translation>
    </message>
    <message>
        <source>%1 problems in %2 were passed over:</source>
        <translation>%1 problemer i %2 ble hoppet over:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 til</translation>
    </message>
    <message>
        <source>%1: the imported family could not be opened: %2</source>
        <translation>%1: den importerte slekten kunne ikke åpnes: %2</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-import</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Skrifter</translation>
    </message>
    <message>
        <source>The start number must be 1 or more</source>
        <translation>Startnummeret må være 1 eller mer</translation>
    </message>
    <message>
        <source>The %1 is not available in this version of Tamblewin.</source>
        <translation>%1 finnes ikke i denne versjonen av Tamblewin.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file to write</source>
        <translation>%1 er en mappe, ikke en fil å skrive</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a file to write</source>
        <translation>%1 er en FIFO, ikke en fil å skrive</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file to write</source>
        <translation>%1 er en socket, ikke en fil å skrive</translation>
    </message>
    <message>
        <source>%1 is a device, not a file to write</source>
        <translation>%1 er en enhet, ikke en fil å skrive</translation>
    </message>
    <message>
        <source>%1 is no regular file, not a file to write</source>
        <translation>%1 er ingen vanlig fil, ikke en fil å skrive</translation>
    </message>
    <message>
        <source>%1 is the data file being read</source>
        <translation>%1 er datafilen som leses</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>mappen %1 finnes ikke</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 er ingen mappe</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>filen er større enn %1</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>filen ble endret mens den ble lest</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>det er en mappe, ikke en fil</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>det er en navngitt pipe, ikke en fil</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>det er en socket, ikke en fil</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>det er en enhet, ikke en fil</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>det er ingen vanlig fil</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>den er større enn %1</translation>
    </message>
    <message>
        <source>the file is too short for a PAF header: bytes %1</source>
        <translation>filen er for kort for et PAF-hode: byte %1</translation>
    </message>
    <message>
        <source>the file has no PAF signature</source>
        <translation>filen har ingen PAF-signatur</translation>
    </message>
    <message>
        <source>the header announces an impossible number of page spaces: %1</source>
        <translation>hodet angir et umulig antall sideområder: %1</translation>
    </message>
    <message>
        <source>the path cannot be used</source>
        <translation>banen kan ikke brukes</translation>
    </message>
    <message>
        <source>the page-count table is cut short</source>
        <translation>sidetalltabellen er avkortet</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 is cut short</source>
        <translation>sidetypekartet for sideområde %1 er avkortet</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 does not start with its own type</source>
        <translation>sidetypekartet for sideområde %1 begynner ikke med sin egen type</translation>
    </message>
    <message>
        <source>the page-count table gives %1 pages of type %2 in page space %3, but its map lists %4</source>
        <translation>sidetalltabellen angir %1 sider av type %2 i sideområde %3, men kartet lister %4</translation>
    </message>
    <message>
        <source>the family does not fit in 31 page spaces</source>
        <translation>familien får ikke plass i 31 sideområder</translation>
    </message>
    <message>
        <source>the marriages&apos; links do not match the marriages</source>
        <translation>ekteskapenes lenker stemmer ikke med ekteskapene</translation>
    </message>
    <message>
        <source>marriage %1 names a person who does not exist</source>
        <translation>ekteskap %1 angir en person som ikke finnes</translation>
    </message>
    <message>
        <source>person %1 lists a marriage that does not exist</source>
        <translation>person %1 lister et ekteskap som ikke finnes</translation>
    </message>
    <message>
        <source>Invalid Rin</source>
        <translation>Ugyldig RIN</translation>
    </message>
    <message>
        <source>Corrupt Data.  Run check/repair
in PAF to repair data.</source>
        <translation>Skadede data.  Kjør kontroller/reparer
i PAF for å reparere dataene.</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>person</translation>
    </message>
    <message>
        <source>marriage</source>
        <translation>ekteskap</translation>
    </message>
    <message>
        <source>name index</source>
        <translation>navneindeks</translation>
    </message>
    <message>
        <source>record</source>
        <translation>post</translation>
    </message>
    <message>
        <source>node</source>
        <translation>node</translation>
    </message>
    <message>
        <source>child link</source>
        <translation>barnelenke</translation>
    </message>
    <message>
        <source>child chain at link</source>
        <translation>barnekjede ved lenke</translation>
    </message>
    <message>
        <source>marriage chain at marriage</source>
        <translation>ekteskapskjede ved ekteskap</translation>
    </message>
    <message>
        <source>parents&apos; marriage</source>
        <translation>foreldrenes ekteskap</translation>
    </message>
    <message>
        <source>own marriage</source>
        <translation>eget ekteskap</translation>
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
        <translation>kan ikke leses</translation>
    </message>
    <message>
        <source>is deleted</source>
        <translation>er slettet</translation>
    </message>
    <message>
        <source>loops</source>
        <translation>danner en sløyfe</translation>
    </message>
    <message>
        <source>is reached twice</source>
        <translation>nås to ganger</translation>
    </message>
    <message>
        <source>is beyond the last individual</source>
        <translation>ligger etter den siste personen</translation>
    </message>
    <message>
        <source>is beyond the last node</source>
        <translation>ligger etter den siste noden</translation>
    </message>
    <message>
        <source>does not name him as husband</source>
        <translation>angir ham ikke som ektemann</translation>
    </message>
    <message>
        <source>does not name her as wife</source>
        <translation>angir henne ikke som hustru</translation>
    </message>
    <message>
        <source>closes a loop (someone is his own ancestor); cut there</source>
        <translation>lukker en sløyfe (noen er sin egen ane); kuttet der</translation>
    </message>
    <message>
        <source> (the last is %1)</source>
        <translation> (den siste er %1)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Side </translation>
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
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Next Pos</source>
        <translation>Neste pos.</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Tilpass bredde</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Tilpass side</translation>
    </message>
    <message>
        <source>Page Preview - %1</source>
        <translation>Forhåndsvisning - %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>av %1</translation>
    </message>
    <message>
        <source>If you decide you want to go back to Format 1
you must cancel out of this run and start all
over again.</source>
        <translation>Hvis du vil gå tilbake til Format 1,
må du avbryte denne kjøringen og begynne
helt på nytt.</translation>
    </message>
    <message>
        <source>The branch positions were saved in
%1</source>
        <translation>Grenenes plassering ble lagret i
%1</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan ikke skrive %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan ikke skrive %1: %2</translation>
    </message>
    <message>
        <source>No PDF file was named to print into.</source>
        <translation>Ingen PDF-fil ble oppgitt å skrive til.</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>Skriveren %1 kunne ikke begynne utskriften.</translation>
    </message>
    <message>
        <source>Cannot write %1: the font %2 is not installed</source>
        <translation>Kan ikke skrive %1: skriften %2 er ikke installert</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Before the first page&apos;s field of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>Sider</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last page&apos;s fields of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>til</translation>
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
        <translation>%1 av %2 sider skrevet ut</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Gjeldende side</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Skriver:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papir:</translation>
    </message>
    <message>
        <source>A3 where needed</source>
        <translation>A3 ved behov</translation>
    </message>
    <message>
        <source>On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper.</source>
        <translation>På A5-, A4- eller A3-papir kan etterkommeroversikten ta et A3-ark der den trenger et større; ellers tilpasser den seg papiret.</translation>
    </message>
    <message>
        <source>All %1 pages</source>
        <translation>Alle %1 sider</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-fil</translation>
    </message>
    <message>
        <source>Invalid page range.</source>
        <translation>Ugyldig sideområde.</translation>
    </message>
    <message>
        <source>The report was written to
%1</source>
        <translation>Rapporten ble skrevet til
%1</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Skriv ut til PDF-fil</translation>
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
        <translation>Ingen ane forekommer mer enn én gang.</translation>
    </message>
    <message>
        <source>Repeat Ancestor List</source>
        <translation>Gjentatte aner</translation>
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
        <translation>Ingen etterkommer forekommer mer enn én gang.</translation>
    </message>
    <message>
        <source>child</source>
        <translation>barn</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>barnebarn</translation>
    </message>
    <message>
        <source>G g&apos;child</source>
        <translation>oldebarn</translation>
    </message>
    <message>
        <source>%1 G g&apos;child</source>
        <translation>%1. oldebarn</translation>
    </message>
    <message>
        <source>Repeat Descendants</source>
        <translation>Gjentatte etterkommere</translation>
    </message>
    <message>
        <source>RELATION</source>
        <translation>SLEKTSKAP</translation>
    </message>
</context>
<context>
    <name>ReportChoiceWindow</name>
    <message>
        <source>Choose a report</source>
        <translation>Velg en rapport</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Hva vil du skrive ut?</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Lister</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagrammer</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(no name)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>og</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Side %1</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would fill more than %2 positions.</source>
        <translation>Listen stopper etter generasjon %1:
neste generasjon ville fylt mer enn %2 plasser.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would take it past %2 entries.</source>
        <translation>Listen stopper etter generasjon %1:
neste generasjon ville ført den over %2 oppføringer.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
no list goes further than %1 generations.</source>
        <translation>Listen stopper etter generasjon %1:
ingen liste går lenger enn %1 generasjoner.</translation>
    </message>
    <message>
        <source>No children are recorded.</source>
        <translation>Ingen barn er registrert.</translation>
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
        <translation>Navn</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAVN</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Fødselsår</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Fra</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>self</source>
        <translation>selv</translation>
    </message>
    <message>
        <source>cont&apos;d</source>
        <translation>forts.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> og </translation>
    </message>
    <message>
        <source>DESCENDANT PARENT</source>
        <translation>FORELDER (ETTERK.)</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Barn</translation>
    </message>
    <message>
        <source>Grandchildren</source>
        <translation>Barnebarn</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Forskningsstatus (liste)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Sammendrag av etterkommere</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Familiesammendrag</translation>
    </message>
    <message>
        <source>Descendants List</source>
        <translation>Etterkommerliste</translation>
    </message>
    <message>
        <source>Grouped Descendants List</source>
        <translation>Etterkommere per generasjon</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Forskningsstatus (diagram)</translation>
    </message>
    <message>
        <source>Repeat Ancestors List</source>
        <translation>Gjentatte aner</translation>
    </message>
    <message>
        <source>Ancestors List (with repeats)</source>
        <translation>Anetavle (med gjentakelser)</translation>
    </message>
    <message>
        <source>Ancestors List (without repeats)</source>
        <translation>Anetavle (uten gjentakelser)</translation>
    </message>
    <message>
        <source>Descendant Summary Chart</source>
        <translation>Etterkommeroversikt</translation>
    </message>
    <message>
        <source>Family Tree Chart</source>
        <translation>Slektstre</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Etternavnsfordeling</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Familiens datotabell</translation>
    </message>
    <message>
        <source>Repeat Descendant List</source>
        <translation>Gjentatte etterkommere</translation>
    </message>
    <message>
        <source>Invalid start RIN</source>
        <translation>Ugyldig start-RIN</translation>
    </message>
    <message>
        <source>RinX access out of range</source>
        <translation>RIN-tilgang utenfor området</translation>
    </message>
</context>
<context>
    <name>ResearchStatusChart</name>
    <message>
        <source>GENERATION</source>
        <translation>GENERASJON</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>SLEKTSKAP</translation>
    </message>
    <message>
        <source>PEDIGREE</source>
        <translation>ANETAVLE-</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>PLASSER</translation>
    </message>
    <message>
        <source>ANCESTORS</source>
        <translation>ANER</translation>
    </message>
    <message>
        <source>IDENTIFIED</source>
        <translation>KJENTE</translation>
    </message>
    <message>
        <source>REPEATS</source>
        <translation>GJENTATTE</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>SUM</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROSENT</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>FULLFØRT</translation>
    </message>
    <message>
        <source>BIRTH YEARS</source>
        <translation>FØDSELSÅR</translation>
    </message>
    <message>
        <source>INVOLVED</source>
        <translation>OMFATTET</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Forskningsstatus (diagram)</translation>
    </message>
    <message>
        <source>Generations %1 and later are not shown.</source>
        <translation>Generasjon %1 og senere vises ikke.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>foreld</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>olde</translation>
    </message>
    <message>
        <source>%1 G.</source>
        <translation>%1 olde</translation>
    </message>
    <message>
        <source>g&apos;par</source>
        <translation>bestef</translation>
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
        <translation>Anetavle-</translation>
    </message>
    <message>
        <source>positions</source>
        <translation>plasser</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>fylt</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Aner</translation>
    </message>
    <message>
        <source>Ancestor</source>
        <translation>Aner</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prosent</translation>
    </message>
    <message>
        <source>Identified</source>
        <translation>kjente</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>gjentatt</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Forskningsstatus (liste)</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 mrd</translation>
    </message>
    <message>
        <source>%1 T</source>
        <translation>%1 bill</translation>
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
        <translation>arabisk</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>armensk</translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation>balinesisk</translation>
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
        <translation>buginesisk</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>chakma</translation>
    </message>
    <message>
        <source>Canadian Aboriginal</source>
        <translation>kanadisk stavelsesskrift</translation>
    </message>
    <message>
        <source>Cherokee</source>
        <translation>cherokee</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>koptisk</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>kyrillisk</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>devanagari</translation>
    </message>
    <message>
        <source>Ethiopic</source>
        <translation>etiopisk</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>georgisk</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>glagolittisk</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>gotisk</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>gresk</translation>
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
        <translation>han (kinesiske tegn)</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>hebraisk</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>hiragana</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>javanesisk</translation>
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
        <translation>laotisk</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>latinsk</translation>
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
        <translation>mandaisk</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>malayalam</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>mongolsk</translation>
    </message>
    <message>
        <source>Meetei Mayek</source>
        <translation>meitei mayek</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>burmesisk</translation>
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
        <translation>runer</translation>
    </message>
    <message>
        <source>Samaritan</source>
        <translation>samaritansk</translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation>saurashtra</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>singalesisk</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>sundanesisk</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>syrisk</translation>
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
        <translation>tibetansk</translation>
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
        <translation>Merk: Hvis samme par giftet seg mer
     enn én gang, oppgi begge MRIN 
atskilt med komma. eksempel: 23,24</translation>
    </message>
    <message>
        <source>Computing statistics for generation: </source>
        <translation>Beregner statistikk for generasjon: </translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Bla</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Forhåndsvis</translation>
    </message>
    <message>
        <source>detailed &amp;foliage background</source>
        <translation>detaljert &amp;løvbakgrunn</translation>
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
        <translation>Hvilket par vil du begynne med?</translation>
    </message>
    <message>
        <source>&amp;MRIN:</source>
        <translation>&amp;MRIN:</translation>
    </message>
    <message>
        <source>Which individual do you want to start with?</source>
        <translation>Hvilken person vil du begynne med?</translation>
    </message>
    <message>
        <source>&amp;RIN:</source>
        <translation>&amp;RIN:</translation>
    </message>
    <message>
        <source>done</source>
        <translation>ferdig</translation>
    </message>
</context>
<context>
    <name>SurnameDistributionList</name>
    <message>
        <source>%1 none count</source>
        <translation>%1 uten navn</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Etternavnsfordeling</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>Tamblewin V %1</source>
        <translation>Tamblewin V %1</translation>
    </message>
    <message>
        <source>Prints unique genealogical lists and charts directly from your PAF 5 data file</source>
        <translation>Skriver ut unike slektslister og diagrammer direkte fra din PAF 5-datafil</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Språk:</translation>
    </message>
    <message>
        <source>(takes effect at the next start)</source>
        <translation>(gjelder fra neste oppstart)</translation>
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
        <translation>&amp;Neste</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Tilbake</translation>
    </message>
    <message>
        <source>there is no display to show the windows on.</source>
        <translation>det finnes ingen skjerm å vise vinduene på.</translation>
    </message>
    <message>
        <source>no display can be reached to show the windows on (%1, and nothing answers there).</source>
        <translation>ingen skjerm kan nås for å vise vinduene (%1, og ingenting svarer der).</translation>
    </message>
    <message>
        <source>Run it in a desktop session, or use a command: %1</source>
        <translation>Kjør det i en skrivebordsøkt, eller bruk en kommando: %1</translation>
    </message>
    <message>
        <source>the windows cannot be shown: Qt found no display it could use.</source>
        <translation>vinduene kan ikke vises: Qt fant ingen skjerm den kunne bruke.</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 tommer</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 liggende</translation>
    </message>
    <message>
        <source>Tamblewin for PAF</source>
        <translation>Tamblewin for PAF</translation>
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
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vslutt</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Advarsel!</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Oisann</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Oisann!</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Merk</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Multiple marriages</source>
        <translation>Flere ekteskap</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation>Problem!</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbrutt</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Skrifter</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-import</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle filer</translation>
    </message>
</context>
</TS>
