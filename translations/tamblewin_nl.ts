<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>AncestorsList</name>
    <message>
        <source>Ancestor List (with repeats)</source>
        <translation>Kwartierstaat (met herhalingen)</translation>
    </message>
    <message>
        <source>Ancestor List (without repeats)</source>
        <translation>Kwartierstaat (zonder herhalingen)</translation>
    </message>
    <message>
        <source>Pedigree Position</source>
        <translation>Kwartier-</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>nummer</translation>
    </message>
    <message>
        <source>R&apos;P</source>
        <translation>Hh</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geboorte-</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>jaar</translation>
    </message>
    <message>
        <source>PPN too large to display.</source>
        <translation>Kwartiernr. te groot om te tonen.</translation>
    </message>
</context>
<context>
    <name>BrowseWindow</name>
    <message>
        <source>Choose a person</source>
        <translation>Kies een persoon</translation>
    </message>
    <message>
        <source>Loading ... </source>
        <translation>Laden ... </translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation>Typ een deel van een naam</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>Loading ... Done</source>
        <translation>Laden ... Klaar</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>No name holds &quot;%1&quot;</source>
        <translation>Geen naam bevat &quot;%1&quot;</translation>
    </message>
    <message>
        <source>There is no marriage record for this person.</source>
        <translation>Er is geen huwelijksrecord voor deze persoon.</translation>
    </message>
    <message>
        <source>Next you will see a list of spouses for 

%1

 Please choose one.</source>
        <translation>Hierna ziet u een lijst van partners van 

%1

 Kies er een.</translation>
    </message>
    <message>
        <source>b.</source>
        <translation>geb.</translation>
    </message>
    <message>
        <source>c.</source>
        <translation>ged.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>will not write %1: it is the data file being read</source>
        <translation>%1 wordt niet geschreven: het is het gegevensbestand dat wordt gelezen</translation>
    </message>
    <message>
        <source>will not write %1</source>
        <translation>%1 wordt niet geschreven</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
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
                                zet een rapport op en schrijft het als PDF-, PNG- of
                                SVG-pagina&apos;s of als paginalog; --start is het RIN, of de
                                MRIN&apos;s (&quot;23,24&quot;);
                                --paper: het papier waarop het wordt opgezet (zie onder);
                                --large-sheets: op A5-, A4- of A3-papier mag de
                                Overzichtskaart nakomelingen een A3-vel nemen waar zij een
                                groter nodig heeft (zonder deze optie past zij zich aan het
                                papier aan);
                                --plain-background: de kruin van de Stamboomkaart als
                                eenvoudige ovalen in plaats van bladeren
</translation>
    </message>
    <message>
        <source>  tamblewin info FILE.paf       header figures of a PAF 5 data file
</source>
        <translation>  tamblewin info FILE.paf       kopgegevens van een PAF 5-gegevensbestand
</translation>
    </message>
    <message>
        <source>  tamblewin people FILE.paf     every individual in name order, with the RIN
</source>
        <translation>  tamblewin people FILE.paf     alle personen op naamvolgorde, met het RIN
</translation>
    </message>
    <message>
        <source>  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,
                                separated by tabs
</source>
        <translation>  tamblewin families FILE.paf   alle huwelijken: MRIN, man, vrouw en huwelijksjaar,
                                gescheiden door tabs
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
                                maakt een PAF 5-bestand van een GEDCOM-bestand; tekens die
                                PAF niet kan bevatten worden gewone letters. report, info,
                                people en families nemen ook direct een GEDCOM-bestand,
                                herkend aan de eerste regel (0 HEAD), hoe het ook heet
</translation>
    </message>
    <message>
        <source>  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen
</source>
        <translation>  tamblewin FILE                de vensters, met dat PAF- of GEDCOM-bestand gekozen
</translation>
    </message>
    <message>
        <source>--language CODE, before or after any command, gives the language of the words
on the pages, in the windows and in the messages: de (German), fr (French),
es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).
Without it the language is the first that LANGUAGE lists, else that of LC_ALL,
LC_MESSAGES or LANG; a language tamblewin does not have is English.
</source>
        <translation>--language CODE, voor of na een opdracht, geeft de taal van de woorden op de
pagina&apos;s, in de vensters en in de meldingen: de (Duits), fr (Frans), es (Spaans),
nl (Nederlands), sv (Zweeds), nb (Noors Bokmål) of en (Engels). Zonder deze optie
is de taal de eerste die LANGUAGE noemt, anders die van LC_ALL, LC_MESSAGES of
LANG; een taal die tamblewin niet heeft wordt Engels.
</translation>
    </message>
    <message>
        <source>Without --paper the paper is the one PAPERSIZE names, else the first word of the
paper configuration file (/etc/papersize, or the file PAPERCONF names), else the
locale&apos;s (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,
Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;
else letter. A name tamblewin does not know is passed over.
</source>
        <translation>Zonder --paper is het papier het papier dat PAPERSIZE noemt, anders het eerste woord
van het papierconfiguratiebestand (/etc/papersize, of het bestand dat PAPERCONF
noemt), anders dat van de locale (LC_ALL, anders LC_PAPER, anders LANG): letter in
de Verenigde Staten, Canada, Mexico, de Filipijnen, Chili, Colombia en Venezuela,
A4 in elk ander land; anders letter. Een naam die tamblewin niet kent, wordt
overgeslagen.
</translation>
    </message>
    <message>
        <source>The data file is only ever read, never written: no output may be the data file or
the GEDCOM file read, and every output is written whole or not at all. Messages
go to standard error. Exit status:
</source>
        <translation>Het gegevensbestand wordt alleen gelezen, nooit geschreven: geen uitvoer mag het
gegevensbestand of het gelezen GEDCOM-bestand zijn, en elke uitvoer wordt geheel of
helemaal niet geschreven. Meldingen gaan naar standaardfout. Afsluitstatus:
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
        <translation>  0  voltooid
  1  kon het gevraagde niet doen (een ontbrekend bestand, geen pagina, gestopt met
     Ctrl-C)
  2  foute opdrachtregel of startveld, of een uitvoer die een invoer is
  3  het gegevensbestand is beschadigd en er is niets geschreven
  4  de uitvoer is geschreven, maar het gegevensbestand is beschadigd (de meldingen
     zeggen waar)
  5  geheugen vol
</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kan niet naar standaarduitvoer schrijven: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kan niet naar standaarduitvoer schrijven</translation>
    </message>
    <message>
        <source>&apos;import&apos; does not take &apos;%1&apos;</source>
        <translation>&apos;import&apos; neemt geen &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;import&apos; takes a GEDCOM file and -o FILE.paf</source>
        <translation>&apos;import&apos; neemt een GEDCOM-bestand en -o FILE.paf</translation>
    </message>
    <message>
        <source>the PAF file must not be the GEDCOM file itself</source>
        <translation>het PAF-bestand mag niet het GEDCOM-bestand zelf zijn</translation>
    </message>
    <message>
        <source>will not write %1; choose another output</source>
        <translation>%1 wordt niet geschreven; kies een andere uitvoer</translation>
    </message>
    <message>
        <source>will not write %1: %2; choose another output</source>
        <translation>%1 wordt niet geschreven: %2; kies een andere uitvoer</translation>
    </message>
    <message>
        <source>%1 names and places hold letters a PAF file cannot; they were written with plain letters, and &quot;?&quot; where there is none</source>
        <translation>%1 namen en plaatsen bevatten tekens die een PAF-bestand niet kan bevatten; ze zijn met gewone letters geschreven, en met &quot;?&quot; waar er geen is</translation>
    </message>
    <message>
        <source>the import was stopped; nothing was written</source>
        <translation>de import is gestopt; er is niets geschreven</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: kan niet worden geschreven</translation>
    </message>
    <message>
        <source>Wrote %1 individuals and %2 marriages to %3</source>
        <translation>%1 personen en %2 huwelijken geschreven naar %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one data file</source>
        <translation>&apos;%1&apos; neemt één gegevensbestand</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>onbekende opdracht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Geheugen vol</translation>
    </message>
    <message>
        <source>this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build</source>
        <translation>deze versie van tamblewin schrijft alleen paginalogs (--format log); PDF, PNG en SVG vragen de volledige versie</translation>
    </message>
    <message>
        <source>PNG and SVG pages are written by the Qt module</source>
        <translation>PNG- en SVG-pagina&apos;s worden door de Qt-module geschreven</translation>
    </message>
    <message>
        <source>page logs are not written through a printer</source>
        <translation>paginalogs worden niet via een printer geschreven</translation>
    </message>
    <message>
        <source>1 problem in the GEDCOM file was passed over; `tamblewin import %1 -o X.paf` lists it</source>
        <translation>1 probleem in het GEDCOM-bestand is overgeslagen; `tamblewin import %1 -o X.paf` toont het</translation>
    </message>
    <message>
        <source>%2 problems in the GEDCOM file were passed over; `tamblewin import %1 -o X.paf` lists them</source>
        <translation>%2 problemen in het GEDCOM-bestand zijn overgeslagen; `tamblewin import %1 -o X.paf` toont ze</translation>
    </message>
    <message>
        <source>Laying out generation %1</source>
        <translation>Generatie %1 wordt opgezet</translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation>Pagina %1 van %2 wordt geschreven</translation>
    </message>
    <message>
        <source>the program&apos;s own folder is not known</source>
        <translation>de eigen map van het programma is onbekend</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 heeft geen %2</translation>
    </message>
    <message>
        <source>the windows and PNG and SVG pages need Qt&apos;s module: %1</source>
        <translation>de vensters en PNG- en SVG-pagina&apos;s hebben de Qt-module nodig: %1</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs a report kind; the kinds are:
%1</source>
        <translation>&apos;report&apos; heeft een rapportsoort nodig; de soorten zijn:
%1</translation>
    </message>
    <message>
        <source>unknown report kind &apos;%1&apos;; the kinds are:
%2</source>
        <translation>onbekende rapportsoort &apos;%1&apos;; de soorten zijn:
%2</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>optie &apos;%1&apos; heeft een waarde nodig</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (pdf, png, svg or log)</source>
        <translation>onbekend formaat &apos;%1&apos; (pdf, png, svg of log)</translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos;; the papers are %2</source>
        <translation>onbekend papier &apos;%1&apos;; de papiersoorten zijn %2</translation>
    </message>
    <message>
        <source>--date wants a date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation>--date vraagt een datum als YYYY-MM-DD, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;report&apos; needs the data file: --paf FILE.paf</source>
        <translation>&apos;report&apos; heeft het gegevensbestand nodig: --paf FILE.paf</translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a RIN or a list of MRINs such as 23,24</source>
        <translation>--start &apos;%1&apos; is geen RIN en geen lijst van MRIN&apos;s zoals 23,24</translation>
    </message>
    <message>
        <source>cannot tell the format from &apos;%1&apos;; give --format</source>
        <translation>het formaat is niet af te leiden uit &apos;%1&apos;; geef --format op</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not &apos;%1&apos;</source>
        <translation>SOURCE_DATE_EPOCH vraagt seconden sinds 1970 binnen de jaren 1 tot 9999, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 pagina</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pagina&apos;s</translation>
    </message>
    <message>
        <source>Removed 1 page file left from an earlier, longer run</source>
        <translation>1 paginabestand van een eerdere, langere run verwijderd</translation>
    </message>
    <message>
        <source>Removed %1 page files left from an earlier, longer run</source>
        <translation>%1 paginabestanden van een eerdere, langere run verwijderd</translation>
    </message>
    <message>
        <source>will not write %1: it is the data file being read; choose another output</source>
        <translation>%1 wordt niet geschreven: het is het gegevensbestand dat wordt gelezen; kies een andere uitvoer</translation>
    </message>
    <message>
        <source>only the page log (--format log) can go to standard output</source>
        <translation>alleen de paginalog (--format log) kan naar standaarduitvoer</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the page log</source>
        <translation>%1 is een map; geef een bestandsnaam voor de paginalog</translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the PDF document</source>
        <translation>%1 is een map; geef een bestandsnaam voor het PDF-document</translation>
    </message>
    <message>
        <source>cannot write the page log</source>
        <translation>kan de paginalog niet schrijven</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>Wrote the page log of %1 to %2</source>
        <translation>Paginalog van %1 geschreven naar %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot write %1 in full</source>
        <translation>kan %1 niet volledig schrijven</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>%1 geschreven naar %2</translation>
    </message>
    <message>
        <source>no report was written: the start field was refused</source>
        <translation>er is geen rapport geschreven: het startveld is geweigerd</translation>
    </message>
    <message>
        <source>the report was stopped; nothing was written</source>
        <translation>het rapport is gestopt; er is niets geschreven</translation>
    </message>
    <message>
        <source>the report stopped on bad data; nothing was written</source>
        <translation>het rapport stopte op foute gegevens; er is niets geschreven</translation>
    </message>
    <message>
        <source>the report produced no page; nothing was written</source>
        <translation>het rapport leverde geen pagina op; er is niets geschreven</translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>gestopt; er is niets geschreven</translation>
    </message>
</context>
<context>
    <name>CoupleListWindow</name>
    <message>
        <source>Marriage Choose Rin</source>
        <translation>Huwelijk kiezen</translation>
    </message>
</context>
<context>
    <name>DataFileWindow</name>
    <message>
        <source>Which data file do you want to use?</source>
        <translation>Welk gegevensbestand wilt u gebruiken?</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Data file - %1</source>
        <translation>Gegevensbestand - %1</translation>
    </message>
    <message>
        <source>There must be a valid PAF file name.</source>
        <translation>Er moet een geldige PAF-bestandsnaam zijn.</translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation>%1 wordt geopend ...</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>%1 is a folder, not a data file.</source>
        <translation>%1 is een map, geen gegevensbestand.</translation>
    </message>
    <message>
        <source>%1

is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.</source>
        <translation>%1

is geen PAF 5-gegevensbestand en geen GEDCOM-bestand, en kan dus niet worden geopend.</translation>
    </message>
    <message>
        <source>%1

cannot be read: %2.</source>
        <translation>%1

kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Family files</source>
        <translation>Familiebestanden</translation>
    </message>
    <message>
        <source>PAF 5 data files</source>
        <translation>PAF 5-gegevensbestanden</translation>
    </message>
    <message>
        <source>GEDCOM files</source>
        <translation>GEDCOM-bestanden</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>Aft</source>
        <translation>na</translation>
    </message>
    <message>
        <source>Cal</source>
        <translation>berekend</translation>
    </message>
    <message>
        <source>DNS</source>
        <translation>DNS</translation>
    </message>
    <message>
        <source>Stillborn</source>
        <translation>Doodgeboren</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Niet vrijgegeven</translation>
    </message>
    <message>
        <source>Abt</source>
        <translation>ca.</translation>
    </message>
    <message>
        <source>Bef</source>
        <translation>voor</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>geschat</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Vrijgegeven</translation>
    </message>
    <message>
        <source>Out of range month</source>
        <translation>Maand buiten bereik</translation>
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
        <translation>mrt</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
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
        <translation>maart</translation>
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
        <translation>augustus</translation>
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
        <translation>De kaart telt de eerste %1 generaties:
de volgende generatie zou de telling boven %2 regels brengen.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the next would take the count past %2 people.</source>
        <translation>Alleen de eerste %1 generaties onder het paar worden geteld: de volgende zou de telling boven %2 personen brengen.</translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the chart counts no further.</source>
        <translation>Alleen de eerste %1 generaties onder het paar worden geteld: de kaart telt niet verder.</translation>
    </message>
    <message>
        <source>1 child</source>
        <translation>1 kind</translation>
    </message>
    <message>
        <source>its %1 generations do not fit across the page.</source>
        <translation>de %1 generaties passen niet in de paginabreedte.</translation>
    </message>
    <message>
        <source>This couple has more generations of data than
will fit on this report.  Be advised that the report
will show only the first %1 generations of data.</source>
        <translation>Dit paar heeft meer generaties aan gegevens dan
op dit rapport passen.  Let op: het rapport
toont alleen de eerste %1 generaties.</translation>
    </message>
    <message>
        <source>This information could not
be formatted into any of
the 4 forms of this chart:
%1</source>
        <translation>Deze gegevens pasten
in geen van de 4 vormen
van deze kaart:
%1</translation>
    </message>
    <message>
        <source>children</source>
        <translation>kinderen</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>kind.</translation>
    </message>
    <message>
        <source>g&apos;ch</source>
        <translation>klk.</translation>
    </message>
    <message>
        <source>G g&apos;ch</source>
        <translation>achterklk.</translation>
    </message>
    <message>
        <source>%1G g&apos;ch</source>
        <translation>%1e achterklk.</translation>
    </message>
    <message>
        <source>its title does not fit across the page.</source>
        <translation>de titel past niet in de paginabreedte.</translation>
    </message>
    <message>
        <source>the rows of its %1 children would stand %2 in apart, too close for the smallest type (%3 points).</source>
        <translation>de regels van de %1 kinderen zouden %2 inch uit elkaar staan, te dicht voor de kleinste letter (%3 punten).</translation>
    </message>
    <message>
        <source>the couple&apos;s names and dates do not fit across the page.</source>
        <translation>de namen en data van het paar passen niet in de paginabreedte.</translation>
    </message>
    <message>
        <source>its totals do not fit across the page.</source>
        <translation>de totalen passen niet in de paginabreedte.</translation>
    </message>
    <message>
        <source>*repeat descendants involved</source>
        <translation>*met herhaalde nakomelingen</translation>
    </message>
    <message>
        <source>family totals (parents, descendants, and all spouses):</source>
        <translation>gezinstotalen (ouders, nakomelingen en alle partners):</translation>
    </message>
    <message>
        <source>Only the first %1 of %2 generations fit across the page; the totals count them all.</source>
        <translation>Alleen de eerste %1 van %2 generaties passen in de paginabreedte; de totalen tellen ze alle.</translation>
    </message>
    <message>
        <source>total descendants:</source>
        <translation>totaal nakomelingen:</translation>
    </message>
    <message>
        <source>born:</source>
        <translation>geb.:</translation>
    </message>
    <message>
        <source>married:</source>
        <translation>getr.:</translation>
    </message>
    <message>
        <source>child</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>DESCENDANTS SUMMARY CHART</source>
        <translation>OVERZICHTSKAART NAKOMELINGEN</translation>
    </message>
</context>
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Nakomelingen van</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation>GEB.</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>CHILD</source>
        <translation>KIND</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LIJN</translation>
    </message>
</context>
<context>
    <name>DescendantsSummaryList</name>
    <message>
        <source>sub-totals:</source>
        <translation>subtotalen:</translation>
    </message>
    <message>
        <source>Grand totals:</source>
        <translation>Eindtotalen:</translation>
    </message>
    <message>
        <source>(cont&apos;d)</source>
        <translation>(vervolg)</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Overzichtslijst nakomelingen</translation>
    </message>
    <message>
        <source>Child and Spouse(s)</source>
        <translation>Kind en partner(s)</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>achter</translation>
    </message>
    <message>
        <source>%1G.</source>
        <translation>%1e a.</translation>
    </message>
    <message>
        <source>ch</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>gch</source>
        <translation>klk</translation>
    </message>
    <message>
        <source>Descendants of this couple intermarried resulting in repeat descendants.  Grand totals have been adjusted so each descendant is counted only once.</source>
        <translation>Nakomelingen van dit paar zijn onderling getrouwd, waardoor er herhaalde nakomelingen zijn.  De eindtotalen zijn zo aangepast dat elke nakomeling maar één keer wordt geteld.</translation>
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
        <translation>V</translation>
    </message>
    <message>
        <source>S</source>
        <translation>P</translation>
    </message>
    <message>
        <source>(1 more marriage not shown)</source>
        <translation>(nog 1 huwelijk niet getoond)</translation>
    </message>
    <message>
        <source>(%1 more marriages not shown)</source>
        <translation>(nog %1 huwelijken niet getoond)</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Datumkaart gezin</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Geboren</translation>
    </message>
    <message>
        <source>Christened</source>
        <translation>Gedoopt</translation>
    </message>
    <message>
        <source>Died</source>
        <translation>Overleden</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Lft.</translation>
    </message>
    <message>
        <source>Buried</source>
        <translation>Begraven</translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation>Doop</translation>
    </message>
    <message>
        <source>Endowed</source>
        <translation>Begiftigd</translation>
    </message>
    <message>
        <source>Sealed Par</source>
        <translation>Verz. oud.</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Getrouwd</translation>
    </message>
    <message>
        <source>Sealed Sp</source>
        <translation>Verz. partn.</translation>
    </message>
</context>
<context>
    <name>FamilySummaryList</name>
    <message>
        <source>G. Grandchildren</source>
        <translation>Achterkleinkinderen</translation>
    </message>
    <message>
        <source>%1G. Grandchildren</source>
        <translation>%1e achterkleink.</translation>
    </message>
    <message>
        <source>Themselves</source>
        <translation>Zelf</translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation>Totalen:</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Overzichtslijst gezin</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gen</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Verwantschap</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Directe</translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation>nakomel.</translation>
    </message>
    <message>
        <source>Descendant&apos;s</source>
        <translation>Partners v.</translation>
    </message>
    <message>
        <source>Spouses</source>
        <translation>nakomel.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Gezin</translation>
    </message>
</context>
<context>
    <name>FamilyTreeChart</name>
    <message>
        <source>married  %1</source>
        <translation>tr.  %1</translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation>Stamboom</translation>
    </message>
    <message>
        <source>Only the first %1 children have branches: the trunk has no room for more.</source>
        <translation>Alleen de eerste %1 kinderen hebben takken: de stam heeft geen ruimte voor meer.</translation>
    </message>
    <message>
        <source>Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out.</source>
        <translation>Alleen de aantallen van %1 van %2 generaties passen naast de vakken: de diepere zijn weggelaten.</translation>
    </message>
    <message>
        <source>Some lines are counted only in part: the chart stops counting at its limit of generations and people.</source>
        <translation>Sommige lijnen zijn maar deels geteld: de kaart stopt met tellen bij haar grens van generaties en personen.</translation>
    </message>
</context>
<context>
    <name>GedcomImport</name>
    <message>
        <source>the file is larger than 2 GiB</source>
        <translation>het bestand is groter dan 2 GiB</translation>
    </message>
    <message>
        <source>more than %1 links between records; this one and the rest ignored</source>
        <translation>meer dan %1 koppelingen tussen records; deze en de rest overgeslagen</translation>
    </message>
    <message>
        <source>the INDI record of line %1</source>
        <translation>het INDI-record van regel %1</translation>
    </message>
    <message>
        <source>%1 is also the id of the %2 record of line %3; links to it go to that one</source>
        <translation>%1 is ook de id van het %2-record van regel %3; koppelingen ernaar gaan naar dat record</translation>
    </message>
    <message>
        <source>%1 %2 names no INDI record; dropped</source>
        <translation>%1 %2 noemt geen INDI-record; weggelaten</translation>
    </message>
    <message>
        <source>%1 %2 names no FAM record; dropped</source>
        <translation>%1 %2 noemt geen FAM-record; weggelaten</translation>
    </message>
    <message>
        <source>CHIL %1 is already a child of this family; dropped</source>
        <translation>CHIL %1 is al een kind van dit gezin; weggelaten</translation>
    </message>
    <message>
        <source>a second HUSB in the family; dropped</source>
        <translation>een tweede HUSB in het gezin; weggelaten</translation>
    </message>
    <message>
        <source>a second WIFE in the family; dropped</source>
        <translation>een tweede WIFE in het gezin; weggelaten</translation>
    </message>
    <message>
        <source>%1 is both husband and wife of the family; the second link dropped</source>
        <translation>%1 is zowel man als vrouw van het gezin; de tweede koppeling weggelaten</translation>
    </message>
    <message>
        <source>%1 is a spouse and a child of the same family; the child link dropped</source>
        <translation>%1 is partner en kind van hetzelfde gezin; de kindkoppeling weggelaten</translation>
    </message>
    <message>
        <source>FAMS %1: the family does not name %2 as husband or wife; dropped</source>
        <translation>FAMS %1: het gezin noemt %2 niet als man of vrouw; weggelaten</translation>
    </message>
    <message>
        <source>FAMC %1: %2 is husband or wife of that family; dropped</source>
        <translation>FAMC %1: %2 is man of vrouw van dat gezin; weggelaten</translation>
    </message>
    <message>
        <source>FAMC %1: the family does not list %2 as a child; added as its last child</source>
        <translation>FAMC %1: het gezin noemt %2 niet als kind; toegevoegd als laatste kind</translation>
    </message>
    <message>
        <source>SLGC without FAMC, and %1 is a child of %2 families; dropped</source>
        <translation>SLGC zonder FAMC, en %1 is kind van %2 gezinnen; weggelaten</translation>
    </message>
    <message>
        <source>SLGC: %1 is not a child of %2; dropped</source>
        <translation>SLGC: %1 is geen kind van %2; weggelaten</translation>
    </message>
    <message>
        <source>%1 is his or her own ancestor</source>
        <translation>%1 is zijn of haar eigen voorouder</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>onleesbaar: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more warnings</source>
        <translation>... en nog %1 waarschuwingen</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes; cut there</source>
        <translation>de regel is langer dan %1 bytes; daar afgekapt</translation>
    </message>
    <message>
        <source>text after &quot;0 TRLR&quot; ignored</source>
        <translation>tekst na &quot;0 TRLR&quot; overgeslagen</translation>
    </message>
    <message>
        <source>not a GEDCOM line (no level number), ignored: &quot;%1&quot;</source>
        <translation>geen GEDCOM-regel (geen niveaunummer), overgeslagen: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>not a GEDCOM line, ignored: &quot;%1&quot;</source>
        <translation>geen GEDCOM-regel, overgeslagen: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>level %1 follows level %2; the line and the lines under it ignored</source>
        <translation>niveau %1 volgt op niveau %2; de regel en de regels eronder overgeslagen</translation>
    </message>
    <message>
        <source>malformed line, ignored with the lines under it: &quot;%1&quot;</source>
        <translation>misvormde regel, overgeslagen met de regels eronder: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file ends without &quot;0 TRLR&quot;; it may have been cut short</source>
        <translation>het bestand eindigt zonder &quot;0 TRLR&quot;; het is mogelijk afgekapt</translation>
    </message>
    <message>
        <source>more than %1 %2 records; this one and the rest ignored</source>
        <translation>meer dan %1 %2-records; deze en de rest overgeslagen</translation>
    </message>
    <message>
        <source>%1 record without a cross-reference id; nothing can link to it</source>
        <translation>%1-record zonder kruisverwijzings-id; niets kan ernaar verwijzen</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a link to a record; ignored</source>
        <translation>%1 &quot;%2&quot; is geen koppeling naar een record; overgeslagen</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot; (line %1: &quot;%2&quot;)</source>
        <translation>geen GEDCOM-bestand: het begint niet met &quot;0 HEAD&quot; (regel %1: &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it holds no lines</source>
        <translation>geen GEDCOM-bestand: het bevat geen regels</translation>
    </message>
    <message>
        <source>the file is not valid UTF-8; malformed characters read as &quot;?&quot;</source>
        <translation>het bestand is geen geldige UTF-8; misvormde tekens gelezen als &quot;?&quot;</translation>
    </message>
    <message>
        <source>the header says ANSEL but the file is UTF-8; it was read as UTF-8</source>
        <translation>de kop zegt ANSEL maar het bestand is UTF-8; het is als UTF-8 gelezen</translation>
    </message>
    <message>
        <source>the header says %1 but the file is not; it was read as Windows-1252</source>
        <translation>de kop zegt %1 maar het bestand is dat niet; het is als Windows-1252 gelezen</translation>
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
        <translation>Achterkleinkinderen</translation>
    </message>
    <message>
        <source>%1 Great Grandchildren</source>
        <translation>%1 achterkleinkinderen</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>herhaald</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Problem!</source>
        <translation>Probleem!</translation>
    </message>
    <message>
        <source>The MRIN is invalid</source>
        <translation>Het MRIN is ongeldig</translation>
    </message>
    <message>
        <source>Error reading a marriage record</source>
        <translation>Fout bij het lezen van een huwelijksrecord</translation>
    </message>
    <message>
        <source>The RIN is invalid</source>
        <translation>Het RIN is ongeldig</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1</source>
        <translation>De posities van de takken konden niet worden opgeslagen in
%1</translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1:
%2</source>
        <translation>De posities van de takken konden niet worden opgeslagen in
%1:
%2</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>symbol</source>
        <translation>symbool</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 name or place</source>
        <translation>1 naam of plaats</translation>
    </message>
    <message>
        <source>%1 names and places</source>
        <translation>%1 namen en plaatsen</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes.</source>
        <translation>%1 is niet geïnstalleerd: de tekens van het schrift %2 worden als lege vakjes afgedrukt (%3).</translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes (Debian&apos;s %4 has it).</source>
        <translation>%1 is niet geïnstalleerd: de tekens van het schrift %2 worden als lege vakjes afgedrukt (%3; %4 van Debian bevat het).</translation>
    </message>
    <message>
        <source>No installed font has the %1 characters of %2: they print as empty boxes.</source>
        <translation>Geen geïnstalleerd lettertype heeft de tekens van het schrift %1: ze worden als lege vakjes afgedrukt (%2).</translation>
    </message>
    <message>
        <source>Unknown date type</source>
        <translation>Onbekend datumtype</translation>
    </message>
    <message>
        <source>(this file holds no %1)</source>
        <translation>(dit bestand bevat geen %1)</translation>
    </message>
    <message>
        <source>(%1 in this file run from 1 to %2)</source>
        <translation>(%1 lopen in dit bestand van 1 tot %2)</translation>
    </message>
    <message>
        <source>This Rin is out of range
%1</source>
        <translation>Dit RIN valt buiten het bereik
%1</translation>
    </message>
    <message>
        <source>This Rin references a record
which has been deleted.</source>
        <translation>Dit RIN verwijst naar een record
dat is verwijderd.</translation>
    </message>
    <message>
        <source>This MRin is out of range
%1</source>
        <translation>Dit MRIN valt buiten het bereik
%1</translation>
    </message>
    <message>
        <source>This MRin references a record
which has been deleted.</source>
        <translation>Dit MRIN verwijst naar een record
dat is verwijderd.</translation>
    </message>
    <message>
        <source>PAF file is corrupted.  Open failed.</source>
        <translation>PAF-bestand is beschadigd.  Openen mislukt.</translation>
    </message>
    <message>
        <source>Open failed.  If PAF is running,
even if it is minimized,
Tamblewin can&apos;t get access
to the data file.  Please
close PAF and try again.</source>
        <translation>Openen mislukt.  Als PAF draait,
ook als het geminimaliseerd is,
krijgt Tamblewin geen toegang
tot het gegevensbestand.  Sluit
PAF en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Open failed.  Error code: %1</source>
        <translation>Openen mislukt.  Foutcode: %1</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Let op!</translation>
    </message>
    <message>
        <source>Open failed: %1.</source>
        <translation>Openen mislukt: %1.</translation>
    </message>
    <message>
        <source>1 problem in %1 was passed over:</source>
        <translation>1 probleem in %1 is overgeslagen:</translation>
    </message>
    <message>
        <source>%1 problems in %2 were passed over:</source>
        <translation>%1 problemen in %2 zijn overgeslagen:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>%1: the imported family could not be opened: %2</source>
        <translation>%1: de geïmporteerde familie kon niet worden geopend: %2</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-import</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Lettertypen</translation>
    </message>
    <message>
        <source>The start number must be 1 or more</source>
        <translation>Het startnummer moet 1 of meer zijn</translation>
    </message>
    <message>
        <source>The %1 is not available in this version of Tamblewin.</source>
        <translation>%1 is niet beschikbaar in deze versie van Tamblewin.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mededeling</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file to write</source>
        <translation>%1 is een map, geen bestand om te schrijven</translation>
    </message>
    <message>
        <source>%1 is a FIFO, not a file to write</source>
        <translation>%1 is een FIFO, geen bestand om te schrijven</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file to write</source>
        <translation>%1 is een socket, geen bestand om te schrijven</translation>
    </message>
    <message>
        <source>%1 is a device, not a file to write</source>
        <translation>%1 is een apparaat, geen bestand om te schrijven</translation>
    </message>
    <message>
        <source>%1 is no regular file, not a file to write</source>
        <translation>%1 is geen gewoon bestand, geen bestand om te schrijven</translation>
    </message>
    <message>
        <source>%1 is the data file being read</source>
        <translation>%1 is het gegevensbestand dat wordt gelezen</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>de map %1 bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation>het bestand is groter dan %1</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>het bestand veranderde tijdens het lezen</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>het is een named pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>het is groter dan %1</translation>
    </message>
    <message>
        <source>the file is too short for a PAF header: bytes %1</source>
        <translation>het bestand is te kort voor een PAF-kop: bytes %1</translation>
    </message>
    <message>
        <source>the file has no PAF signature</source>
        <translation>het bestand heeft geen PAF-handtekening</translation>
    </message>
    <message>
        <source>the header announces an impossible number of page spaces: %1</source>
        <translation>de kop noemt een onmogelijk aantal paginaruimten: %1</translation>
    </message>
    <message>
        <source>the path cannot be used</source>
        <translation>het pad is onbruikbaar</translation>
    </message>
    <message>
        <source>the page-count table is cut short</source>
        <translation>de paginatabel is afgekapt</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 is cut short</source>
        <translation>de paginatypekaart van paginaruimte %1 is afgekapt</translation>
    </message>
    <message>
        <source>the page-type map of page space %1 does not start with its own type</source>
        <translation>de paginatypekaart van paginaruimte %1 begint niet met haar eigen type</translation>
    </message>
    <message>
        <source>the page-count table gives %1 pages of type %2 in page space %3, but its map lists %4</source>
        <translation>de paginatabel geeft %1 pagina&apos;s van type %2 in paginaruimte %3, maar de kaart ervan noemt er %4</translation>
    </message>
    <message>
        <source>the family does not fit in 31 page spaces</source>
        <translation>de familie past niet in 31 paginaruimten</translation>
    </message>
    <message>
        <source>the marriages&apos; links do not match the marriages</source>
        <translation>de koppelingen van de huwelijken passen niet bij de huwelijken</translation>
    </message>
    <message>
        <source>marriage %1 names a person who does not exist</source>
        <translation>huwelijk %1 noemt een persoon die niet bestaat</translation>
    </message>
    <message>
        <source>person %1 lists a marriage that does not exist</source>
        <translation>persoon %1 noemt een huwelijk dat niet bestaat</translation>
    </message>
    <message>
        <source>Invalid Rin</source>
        <translation>Ongeldig RIN</translation>
    </message>
    <message>
        <source>Corrupt Data.  Run check/repair
in PAF to repair data.</source>
        <translation>Beschadigde gegevens.  Voer controleren/herstellen
in PAF uit om de gegevens te herstellen.</translation>
    </message>
    <message>
        <source>individual</source>
        <translation>persoon</translation>
    </message>
    <message>
        <source>marriage</source>
        <translation>huwelijk</translation>
    </message>
    <message>
        <source>name index</source>
        <translation>naamindex</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>node</source>
        <translation>knoop</translation>
    </message>
    <message>
        <source>child link</source>
        <translation>kindkoppeling</translation>
    </message>
    <message>
        <source>child chain at link</source>
        <translation>kinderketen bij koppeling</translation>
    </message>
    <message>
        <source>marriage chain at marriage</source>
        <translation>huwelijksketen bij huwelijk</translation>
    </message>
    <message>
        <source>parents&apos; marriage</source>
        <translation>huwelijk van de ouders</translation>
    </message>
    <message>
        <source>own marriage</source>
        <translation>eigen huwelijk</translation>
    </message>
    <message>
        <source>father</source>
        <translation>vader</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>moeder</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>is onleesbaar</translation>
    </message>
    <message>
        <source>is deleted</source>
        <translation>is verwijderd</translation>
    </message>
    <message>
        <source>loops</source>
        <translation>vormt een lus</translation>
    </message>
    <message>
        <source>is reached twice</source>
        <translation>wordt twee keer bereikt</translation>
    </message>
    <message>
        <source>is beyond the last individual</source>
        <translation>ligt voorbij de laatste persoon</translation>
    </message>
    <message>
        <source>is beyond the last node</source>
        <translation>ligt voorbij de laatste knoop</translation>
    </message>
    <message>
        <source>does not name him as husband</source>
        <translation>noemt hem niet als man</translation>
    </message>
    <message>
        <source>does not name her as wife</source>
        <translation>noemt haar niet als vrouw</translation>
    </message>
    <message>
        <source>closes a loop (someone is his own ancestor); cut there</source>
        <translation>sluit een kring (iemand is zijn eigen voorouder); daar doorgeknipt</translation>
    </message>
    <message>
        <source> (the last is %1)</source>
        <translation> (de laatste is %1)</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Pagina </translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ga</translation>
    </message>
    <message>
        <source>Format 2</source>
        <translation>Vorm 2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Next Pos</source>
        <translation>Volg. pos.</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Breedte passend</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Pagina passend</translation>
    </message>
    <message>
        <source>Page Preview - %1</source>
        <translation>Afdrukvoorbeeld - %1</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>van %1</translation>
    </message>
    <message>
        <source>If you decide you want to go back to Format 1
you must cancel out of this run and start all
over again.</source>
        <translation>Als u terug wilt naar vorm 1,
moet u deze run afbreken en helemaal
opnieuw beginnen.</translation>
    </message>
    <message>
        <source>The branch positions were saved in
%1</source>
        <translation>De posities van de takken zijn opgeslagen in
%1</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>No PDF file was named to print into.</source>
        <translation>Er is geen PDF-bestand opgegeven om naar af te drukken.</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>De printer %1 kon niet beginnen met afdrukken.</translation>
    </message>
    <message>
        <source>Cannot write %1: the font %2 is not installed</source>
        <translation>Kan %1 niet schrijven: het lettertype %2 is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Before the first page&apos;s field of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last page&apos;s fields of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation>tot</translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation>Afdrukken ...</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation>%1 van %2 pagina&apos;s afgedrukt</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Huidige pagina</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>A3 where needed</source>
        <translation>A3 waar nodig</translation>
    </message>
    <message>
        <source>On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper.</source>
        <translation>Op A5-, A4- of A3-papier mag de Overzichtskaart nakomelingen een A3-vel nemen waar zij een groter nodig heeft; anders past zij zich aan het papier aan.</translation>
    </message>
    <message>
        <source>All %1 pages</source>
        <translation>Alle %1 pagina&apos;s</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-bestand</translation>
    </message>
    <message>
        <source>Invalid page range.</source>
        <translation>Ongeldig paginabereik.</translation>
    </message>
    <message>
        <source>The report was written to
%1</source>
        <translation>Het rapport is geschreven naar
%1</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>Afdrukken naar PDF-bestand</translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation>PDF-bestanden</translation>
    </message>
</context>
<context>
    <name>RepeatAncestorsList</name>
    <message>
        <source>No ancestor appears more than once.</source>
        <translation>Geen voorouder komt meer dan eens voor.</translation>
    </message>
    <message>
        <source>Repeat Ancestor List</source>
        <translation>Lijst van herhaalde voorouders</translation>
    </message>
    <message>
        <source>Cont&apos;d</source>
        <translation>Vervolg</translation>
    </message>
</context>
<context>
    <name>RepeatDescendantList</name>
    <message>
        <source>No descendant appears more than once.</source>
        <translation>Geen nakomeling komt meer dan eens voor.</translation>
    </message>
    <message>
        <source>child</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>kleinkind</translation>
    </message>
    <message>
        <source>G g&apos;child</source>
        <translation>achterkleinkind</translation>
    </message>
    <message>
        <source>%1 G g&apos;child</source>
        <translation>%1e achterkleinkind</translation>
    </message>
    <message>
        <source>Repeat Descendants</source>
        <translation>Herhaalde nakomelingen</translation>
    </message>
    <message>
        <source>RELATION</source>
        <translation>RELATIE</translation>
    </message>
</context>
<context>
    <name>ReportChoiceWindow</name>
    <message>
        <source>Choose a report</source>
        <translation>Kies een rapport</translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation>Wat wilt u afdrukken?</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Lijsten</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Kaarten</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>and</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would fill more than %2 positions.</source>
        <translation>De lijst stopt na generatie %1:
de volgende generatie zou meer dan %2 posities vullen.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would take it past %2 entries.</source>
        <translation>De lijst stopt na generatie %1:
de volgende generatie zou haar boven %2 regels brengen.</translation>
    </message>
    <message>
        <source>The list stops after generation %1:
no list goes further than %1 generations.</source>
        <translation>De lijst stopt na generatie %1:
geen lijst gaat verder dan %1 generaties.</translation>
    </message>
    <message>
        <source>No children are recorded.</source>
        <translation>Er zijn geen kinderen vastgelegd.</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAAM</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Geb.jaar</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>self</source>
        <translation>zelf</translation>
    </message>
    <message>
        <source>cont&apos;d</source>
        <translation>vervolg</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>DESCENDANT PARENT</source>
        <translation>NAKOMELING OUDER</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>Grandchildren</source>
        <translation>Kleinkinderen</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Lijst onderzoeksstand</translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation>Overzichtslijst nakomelingen</translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation>Overzichtslijst gezin</translation>
    </message>
    <message>
        <source>Descendants List</source>
        <translation>Lijst van nakomelingen</translation>
    </message>
    <message>
        <source>Grouped Descendants List</source>
        <translation>Gegroepeerde lijst van nakomelingen</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Kaart onderzoeksstand</translation>
    </message>
    <message>
        <source>Repeat Ancestors List</source>
        <translation>Lijst van herhaalde voorouders</translation>
    </message>
    <message>
        <source>Ancestors List (with repeats)</source>
        <translation>Kwartierstaat (met herhalingen)</translation>
    </message>
    <message>
        <source>Ancestors List (without repeats)</source>
        <translation>Kwartierstaat (zonder herhalingen)</translation>
    </message>
    <message>
        <source>Descendant Summary Chart</source>
        <translation>Overzichtskaart nakomelingen</translation>
    </message>
    <message>
        <source>Family Tree Chart</source>
        <translation>Stamboomkaart</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Lijst van achternamen</translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation>Datumkaart gezin</translation>
    </message>
    <message>
        <source>Repeat Descendant List</source>
        <translation>Lijst van herhaalde nakomelingen</translation>
    </message>
    <message>
        <source>Invalid start RIN</source>
        <translation>Ongeldig start-RIN</translation>
    </message>
    <message>
        <source>RinX access out of range</source>
        <translation>RIN-toegang buiten bereik</translation>
    </message>
</context>
<context>
    <name>ResearchStatusChart</name>
    <message>
        <source>GENERATION</source>
        <translation>GENERATIE</translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation>RELATIE</translation>
    </message>
    <message>
        <source>PEDIGREE</source>
        <translation>KWARTIER-</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>POSITIES</translation>
    </message>
    <message>
        <source>ANCESTORS</source>
        <translation>VOOROUDERS</translation>
    </message>
    <message>
        <source>IDENTIFIED</source>
        <translation>GEVONDEN</translation>
    </message>
    <message>
        <source>REPEATS</source>
        <translation>HERHALINGEN</translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation>TOTALEN</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROCENT</translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation>VOLTOOID</translation>
    </message>
    <message>
        <source>BIRTH YEARS</source>
        <translation>GEB.JAREN</translation>
    </message>
    <message>
        <source>INVOLVED</source>
        <translation>BETROKKEN</translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation>Kaart onderzoeksstand</translation>
    </message>
    <message>
        <source>Generations %1 and later are not shown.</source>
        <translation>Generaties vanaf %1 worden niet getoond.</translation>
    </message>
    <message>
        <source>par</source>
        <translation>ouders</translation>
    </message>
    <message>
        <source>G.</source>
        <translation>over-</translation>
    </message>
    <message>
        <source>%1 G.</source>
        <translation>%1e over-</translation>
    </message>
    <message>
        <source>g&apos;par</source>
        <translation>grootoud.</translation>
    </message>
    <message>
        <source>M</source>
        <translation>mln.</translation>
    </message>
</context>
<context>
    <name>ResearchStatusList</name>
    <message>
        <source>Pedigree</source>
        <translation>Kwartier-</translation>
    </message>
    <message>
        <source>positions</source>
        <translation>posities</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>gevuld</translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation>Vooroud.</translation>
    </message>
    <message>
        <source>Ancestor</source>
        <translation>Vooroud.</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Identified</source>
        <translation>gevonden</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>herhaald</translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation>Lijst onderzoeksstand</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 mld.</translation>
    </message>
    <message>
        <source>%1 T</source>
        <translation>%1 bln.</translation>
    </message>
</context>
<context>
    <name>Scripts</name>
    <message>
        <source>Adlam</source>
        <translation>Adlam</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armeens</translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation>Balinees</translation>
    </message>
    <message>
        <source>Bamum</source>
        <translation>Bamum</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengaals</translation>
    </message>
    <message>
        <source>Bopomofo</source>
        <translation>Bopomofo</translation>
    </message>
    <message>
        <source>Buginese</source>
        <translation>Buginees</translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation>Chakma</translation>
    </message>
    <message>
        <source>Canadian Aboriginal</source>
        <translation>Canadese syllaben</translation>
    </message>
    <message>
        <source>Cherokee</source>
        <translation>Cherokee</translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation>Koptisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillisch</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Ethiopic</source>
        <translation>Ethiopisch</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation>Glagolitisch</translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation>Gotisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grieks</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Han</source>
        <translation>Han</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreeuws</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>Hiragana</translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation>Javaans</translation>
    </message>
    <message>
        <source>Kayah Li</source>
        <translation>Kayah Li</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmer</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laotiaans</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latijn</translation>
    </message>
    <message>
        <source>Lepcha</source>
        <translation>Lepcha</translation>
    </message>
    <message>
        <source>Limbu</source>
        <translation>Limbu</translation>
    </message>
    <message>
        <source>Lisu</source>
        <translation>Lisu</translation>
    </message>
    <message>
        <source>Mandaic</source>
        <translation>Mandaeïsch</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation>Mongools</translation>
    </message>
    <message>
        <source>Meetei Mayek</source>
        <translation>Meitei Mayek</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Birmaans</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>N&apos;Ko</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogham</translation>
    </message>
    <message>
        <source>Ol Chiki</source>
        <translation>Ol Chiki</translation>
    </message>
    <message>
        <source>Odia</source>
        <translation>Odia</translation>
    </message>
    <message>
        <source>Osage</source>
        <translation>Osage</translation>
    </message>
    <message>
        <source>Hanifi Rohingya</source>
        <translation>Hanifi Rohingya</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Runen</translation>
    </message>
    <message>
        <source>Samaritan</source>
        <translation>Samaritaans</translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation>Saurashtra</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Singalees</translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation>Soendanees</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Syrisch</translation>
    </message>
    <message>
        <source>Tai Le</source>
        <translation>Tai Le</translation>
    </message>
    <message>
        <source>New Tai Lue</source>
        <translation>Nieuw Tai Lue</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamil</translation>
    </message>
    <message>
        <source>Tai Viet</source>
        <translation>Tai Viet</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Tifinagh</source>
        <translation>Tifinagh</translation>
    </message>
    <message>
        <source>Tagalog</source>
        <translation>Tagalog</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Thaana</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetaans</translation>
    </message>
    <message>
        <source>Vai</source>
        <translation>Vai</translation>
    </message>
    <message>
        <source>Yi</source>
        <translation>Yi</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Note: If the same couple married more
     than once, include both MRINs 
separated by a comma. example: 23,24</source>
        <translation>Let op: als hetzelfde paar meer dan
     eens trouwde, geef beide MRIN&apos;s 
gescheiden door een komma. voorbeeld: 23,24</translation>
    </message>
    <message>
        <source>Computing statistics for generation: </source>
        <translation>Statistieken berekenen voor generatie: </translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Bladeren</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>Voorbeel&amp;d</translation>
    </message>
    <message>
        <source>detailed &amp;foliage background</source>
        <translation>&amp;gedetailleerde bladachtergrond</translation>
    </message>
    <message>
        <source>Start couple - %1</source>
        <translation>Startpaar - %1</translation>
    </message>
    <message>
        <source>Start individual - %1</source>
        <translation>Startpersoon - %1</translation>
    </message>
    <message>
        <source>Which couple do you want to start with?</source>
        <translation>Met welk paar wilt u beginnen?</translation>
    </message>
    <message>
        <source>&amp;MRIN:</source>
        <translation>&amp;MRIN:</translation>
    </message>
    <message>
        <source>Which individual do you want to start with?</source>
        <translation>Met welke persoon wilt u beginnen?</translation>
    </message>
    <message>
        <source>&amp;RIN:</source>
        <translation>&amp;RIN:</translation>
    </message>
    <message>
        <source>done</source>
        <translation>klaar</translation>
    </message>
</context>
<context>
    <name>SurnameDistributionList</name>
    <message>
        <source>%1 none count</source>
        <translation>%1 zonder naam</translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation>Lijst van achternamen</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Tamblewin V %1</source>
        <translation>Tamblewin V %1</translation>
    </message>
    <message>
        <source>Prints unique genealogical lists and charts directly from your PAF 5 data file</source>
        <translation>Drukt unieke genealogische lijsten en kaarten direct af uit uw PAF 5-gegevensbestand</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>(takes effect at the next start)</source>
        <translation>(werkt bij de volgende start)</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>V&amp;orige</translation>
    </message>
    <message>
        <source>there is no display to show the windows on.</source>
        <translation>er is geen scherm om de vensters op te tonen.</translation>
    </message>
    <message>
        <source>no display can be reached to show the windows on (%1, and nothing answers there).</source>
        <translation>er is geen scherm bereikbaar om de vensters op te tonen (%1, en daar antwoordt niets).</translation>
    </message>
    <message>
        <source>Run it in a desktop session, or use a command: %1</source>
        <translation>Start het in een desktopsessie, of gebruik een opdracht: %1</translation>
    </message>
    <message>
        <source>the windows cannot be shown: Qt found no display it could use.</source>
        <translation>de vensters kunnen niet worden getoond: Qt vond geen bruikbaar scherm.</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 inch</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 liggend</translation>
    </message>
    <message>
        <source>Tamblewin for PAF</source>
        <translation>Tamblewin voor PAF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Let op!</translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation>Oeps</translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mededeling</translation>
    </message>
    <message>
        <source>Multiple marriages</source>
        <translation>Meerdere huwelijken</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation>Probleem!</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Lettertypen</translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation>GEDCOM-import</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
</context>
</TS>
