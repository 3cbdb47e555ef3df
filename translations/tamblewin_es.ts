<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AncestorsList</name>
    <message>
        <source>Ancestor List (with repeats)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancestor List (without repeats)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pedigree Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&apos;P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PPN too large to display.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowseWindow</name>
    <message>
        <source>Choose a person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading ... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type part of a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading ... Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No name holds &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no marriage record for this person.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next you will see a list of spouses for 

%1

 Please choose one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>will not write %1: it is the data file being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will not write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  tamblewin info FILE.paf       header figures of a PAF 5 data file
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  tamblewin people FILE.paf     every individual in name order, with the RIN
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,
                                separated by tabs
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  tamblewin import FILE.ged -o FILE.paf
                                build a PAF 5 file from a GEDCOM file; letters PAF cannot
                                hold become plain letters. report, info, people and
                                families also take a GEDCOM file directly, known by its
                                first line (0 HEAD) whatever its name
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--language CODE, before or after any command, gives the language of the words
on the pages, in the windows and in the messages: de (German), fr (French),
es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).
Without it the language is the first that LANGUAGE lists, else that of LC_ALL,
LC_MESSAGES or LANG; a language tamblewin does not have is English.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without --paper the paper is the one PAPERSIZE names, else the first word of the
paper configuration file (/etc/papersize, or the file PAPERCONF names), else the
locale&apos;s (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,
Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;
else letter. A name tamblewin does not know is passed over.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file is only ever read, never written: no output may be the data file or
the GEDCOM file read, and every output is written whole or not at all. Messages
go to standard error. Exit status:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  0  complete
  1  could not do what was asked (a missing file, no page, stopped with Ctrl-C)
  2  bad command line or start field, or an output that is an input
  3  the data file is damaged and nothing was written
  4  the output was written, but the data file is damaged (the messages say where)
  5  out of memory
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;import&apos; does not take &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;import&apos; takes a GEDCOM file and -o FILE.paf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PAF file must not be the GEDCOM file itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will not write %1; choose another output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will not write %1: %2; choose another output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names and places hold letters a PAF file cannot; they were written with plain letters, and &quot;?&quot; where there is none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the import was stopped; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 individuals and %2 marriages to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this build of tamblewin writes page logs only (--format log); PDF, PNG and SVG need the full build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG and SVG pages are written by the Qt module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page logs are not written through a printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 problem in the GEDCOM file was passed over; `tamblewin import %1 -o X.paf` lists it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2 problems in the GEDCOM file were passed over; `tamblewin import %1 -o X.paf` lists them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laying out generation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program&apos;s own folder is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the windows and PNG and SVG pages need Qt&apos;s module: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;report&apos; needs a report kind; the kinds are:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown report kind &apos;%1&apos;; the kinds are:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (pdf, png, svg or log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown paper &apos;%1&apos;; the papers are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--date wants a date as YYYY-MM-DD, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;report&apos; needs the data file: --paf FILE.paf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start &apos;%1&apos; is not a RIN or a list of MRINs such as 23,24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell the format from &apos;%1&apos;; give --format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed 1 page file left from an earlier, longer run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1 page files left from an earlier, longer run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will not write %1: it is the data file being read; choose another output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the page log (--format log) can go to standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the page log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder; give a file name for the PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the page log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the page log of %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1 in full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no report was written: the start field was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report was stopped; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report stopped on bad data; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the report produced no page; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoupleListWindow</name>
    <message>
        <source>Marriage Choose Rin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileWindow</name>
    <message>
        <source>Which data file do you want to use?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There must be a valid PAF file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

is neither a PAF 5 data file nor a GEDCOM file, so it cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAF 5 data files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEDCOM files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>Aft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stillborn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bef</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Est</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of range month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescendantSummaryChart</name>
    <message>
        <source>The chart counts the first %1 generations:
the next generation would take the count past %2 entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the next would take the count past %2 people.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 generations below the couple are counted: the chart counts no further.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 generations do not fit across the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This couple has more generations of data than
will fit on this report.  Be advised that the report
will show only the first %1 generations of data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This information could not
be formatted into any of
the 4 forms of this chart:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>children</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g&apos;ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G g&apos;ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1G g&apos;ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its title does not fit across the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rows of its %1 children would stand %2 in apart, too close for the smallest type (%3 points).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the couple&apos;s names and dates do not fit across the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its totals do not fit across the page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*repeat descendants involved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>family totals (parents, descendants, and all spouses):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 of %2 generations fit across the page; the totals count them all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>total descendants:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>born:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>married:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCENDANTS SUMMARY CHART</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Descendientes de</translation>
    </message>
    <message>
        <source>BIRTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHILD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescendantsSummaryList</name>
    <message>
        <source>sub-totals:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand totals:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(cont&apos;d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child and Spouse(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1G.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descendants of this couple intermarried resulting in repeat descendants.  Grand totals have been adjusted so each descendant is counted only once.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FamilyDateChart</name>
    <message>
        <source>MRIN: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1 more marriage not shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 more marriages not shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Died</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baptized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Endowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed Par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Married</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed Sp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FamilySummaryList</name>
    <message>
        <source>G. Grandchildren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1G. Grandchildren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Themselves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descendants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descendant&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spouses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FamilyTreeChart</name>
    <message>
        <source>married  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 children have branches: the trunk has no room for more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts of only %1 of %2 generations fit beside the boxes: the deeper ones are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some lines are counted only in part: the chart stops counting at its limit of generations and people.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupedDescendantsList</name>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great Grandchildren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Great Grandchildren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MRIN is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading a marriage record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The RIN is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The branch positions could not be saved in
%1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 name or place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names and places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not installed: the %2 characters of %3 print as empty boxes (Debian&apos;s %4 has it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed font has the %1 characters of %2: they print as empty boxes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown date type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(this file holds no %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 in this file run from 1 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Rin is out of range
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Rin references a record
which has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This MRin is out of range
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This MRin references a record
which has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAF file is corrupted.  Open failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open failed.  If PAF is running,
even if it is minimized,
Tamblewin can&apos;t get access
to the data file.  Please
close PAF and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open failed.  Error code: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open failed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 problem in %1 was passed over:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems in %2 were passed over:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the imported family could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start number must be 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 is not available in this version of Tamblewin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Page Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Preview - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you decide you want to go back to Format 1
you must cancel out of this run and start all
over again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The branch positions were saved in
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>Cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PDF file was named to print into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: the font %2 is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>Before the first page&apos;s field of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Between the first and the last page&apos;s fields of a range: &quot;Pages [ 3 ] to [ 7 ]&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 pages printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A3 where needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On A5, A4 or A3 paper the Descendant Summary Chart may take an A3 sheet where it needs a larger one; otherwise it fits itself onto the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid page range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was written to
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RepeatAncestorsList</name>
    <message>
        <source>No ancestor appears more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Ancestor List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cont&apos;d</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RepeatDescendantList</name>
    <message>
        <source>No descendant appears more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G g&apos;child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 G g&apos;child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Descendants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RELATION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportChoiceWindow</name>
    <message>
        <source>Choose a report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What do you want to print?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would fill more than %2 positions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list stops after generation %1:
the next generation would take it past %2 entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list stops after generation %1:
no list goes further than %1 generations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No children are recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>self</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cont&apos;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCENDANT PARENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Rin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Children</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grandchildren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descendants Summary List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Summary List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descendants List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grouped Descendants List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Ancestors List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancestors List (with repeats)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancestors List (without repeats)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descendant Summary Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Tree Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Date Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Descendant List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResearchStatusChart</name>
    <message>
        <source>GENERATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RELATIONSHIP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PEDIGREE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANCESTORS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDENTIFIED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPEATS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOTALS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMPLETED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIRTH YEARS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INVOLVED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Status Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations %1 and later are not shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 G.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g&apos;par</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResearchStatusList</name>
    <message>
        <source>Pedigree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancestors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancestor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Status List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 T</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scripts</name>
    <message>
        <source>Adlam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bamum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bopomofo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buginese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chakma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canadian Aboriginal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cherokee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coptic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethiopic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glagolitic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gothic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Han</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Javanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kayah Li</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lao</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lepcha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limbu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandaic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongolian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meetei Mayek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ol Chiki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Osage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanifi Rohingya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samaritan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saurashtra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sundanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tai Le</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Tai Lue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tai Viet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tifinagh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tagalog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Note: If the same couple married more
     than once, include both MRINs 
separated by a comma. example: 23,24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing statistics for generation: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detailed &amp;foliage background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start couple - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start individual - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which couple do you want to start with?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MRIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which individual do you want to start with?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SurnameDistributionList</name>
    <message>
        <source>%1 none count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname Distribution List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamblewin V %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints unique genealogical lists and charts directly from your PAF 5 data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(takes effect at the next start)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no display to show the windows on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display can be reached to show the windows on (%1, and nothing answers there).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run it in a desktop session, or use a command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the windows cannot be shown: Qt found no display it could use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamblewin for PAF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whoops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whoops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple marriages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEDCOM import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
