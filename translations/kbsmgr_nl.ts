<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>kbs::CastingList</name>
    <message>
        <source>Records of the same casting</source>
        <translation>Records van hetzelfde gietmodel</translation>
    </message>
    <message>
        <source>≠ marks what differs from what you type.</source>
        <translation>≠ markeert wat afwijkt van wat u typt.</translation>
    </message>
    <message>
        <source>You have this model already. Records of this casting in the catalogue: %1.</source>
        <translation>Dit model hebt u al. Records van dit gietmodel in de catalogus: %1.</translation>
    </message>
    <message>
        <source>Records of this casting in the catalogue: %1.</source>
        <translation>Records van dit gietmodel in de catalogus: %1.</translation>
    </message>
    <message>
        <source>The first %1 are listed.</source>
        <translation>De eerste %1 staan in de lijst.</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>wijkt af</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The same model as the one you type.</source>
        <translation>Hetzelfde model als wat u typt.</translation>
    </message>
    <message>
        <source>Differs in: %1</source>
        <translation>Wijkt af in: %1</translation>
    </message>
    <message>
        <source>no quantity or storage location given</source>
        <translation>geen aantal of opslagplaats opgegeven</translation>
    </message>
    <message>
        <source>%1, no storage location given</source>
        <translation>%1, geen opslagplaats opgegeven</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>You have this model already: %1 (&quot;%2&quot;, ID %3).</source>
        <translation>Dit model hebt u al: %1 (&quot;%2&quot;, ID %3).</translation>
    </message>
    <message>
        <source>Other records of this model: %1.</source>
        <translation>Andere records van dit model: %1.</translation>
    </message>
    <message>
        <source>Yes: add one to the quantity of that record (what you typed is not stored).</source>
        <translation>Ja: één optellen bij het aantal van dat record (wat u typte wordt niet opgeslagen).</translation>
    </message>
    <message>
        <source>No: save this one as a record of its own.</source>
        <translation>Nee: dit als een eigen record opslaan.</translation>
    </message>
    <message>
        <source>Cancel: go back to editing.</source>
        <translation>Annuleren: terug naar het bewerken.</translation>
    </message>
    <message>
        <source>Do I already have it?</source>
        <translation>Heb ik dit al?</translation>
    </message>
    <message>
        <source>The quantity of that record, &quot;%1&quot;, is not a whole number, so one cannot be added to it. Nothing was stored; change it there by hand, or save this one as a record of its own.</source>
        <translation>Het aantal van dat record, &quot;%1&quot;, is geen geheel getal, dus er kan geen één bij worden opgeteld. Er is niets opgeslagen; pas het daar met de hand aan, of sla dit op als een eigen record.</translation>
    </message>
    <message>
        <source>new variation of &quot;%1&quot;</source>
        <translation>nieuwe variant van &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Dubbele</translation>
    </message>
    <message>
        <source>Report -- Duplicates</source>
        <translation>Rapport -- Dubbele</translation>
    </message>
    <message>
        <source>Show only duplicates: records of the same model as another, or more than one piece</source>
        <translation>Alleen dubbele tonen: records van hetzelfde model als een ander, of van meer dan één stuk</translation>
    </message>
    <message>
        <source>×2</source>
        <translation>×2</translation>
    </message>
</context>
<context>
    <name>kbs::CatalogueCommands</name>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>New catalogue…</source>
        <translation>Nieuwe catalogus…</translation>
    </message>
    <message>
        <source>Open catalogue…</source>
        <translation>Catalogus openen…</translation>
    </message>
    <message>
        <source>Open recent</source>
        <translation>Recent geopend</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>CSV file…</source>
        <translation>CSV-bestand…</translation>
    </message>
    <message>
        <source>Tellico collection…</source>
        <translation>Tellico-verzameling…</translation>
    </message>
    <message>
        <source>Catalogue of the older Windows program…</source>
        <translation>Catalogus van het oudere Windows-programma…</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Import ongedaan maken</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)…</source>
        <translation>Excel-werkmap (.xlsx)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Sla eerst het record dat u bewerkt op, of annuleer het.</translation>
    </message>
    <message>
        <source>The catalogue shown before cannot be opened again either: %1</source>
        <translation>Ook de eerder getoonde catalogus kan niet opnieuw worden geopend: %1</translation>
    </message>
    <message>
        <source>Open catalogue</source>
        <translation>Catalogus openen</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>De catalogus %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program. Import makes a new catalogue of it; the file itself stays as it is.</source>
        <translation>%1 is een catalogus van het oudere Windows-programma. Importeren maakt er een nieuwe catalogus van; het bestand zelf blijft zoals het is.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened: %2</source>
        <translation>De catalogus %1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>Catalogues</source>
        <translation>Catalogi</translation>
    </message>
    <message>
        <source>New catalogue</source>
        <translation>Nieuwe catalogus</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be made: %2</source>
        <translation>De catalogus %1 kan niet worden gemaakt: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n record</numerusform>
            <numerusform>%n records</numerusform>
        </translation>
    </message>
    <message>
        <source>the conversion was stopped</source>
        <translation>de omzetting is gestopt</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Regel %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be imported as written:</source>
        <translation>
            <numerusform>%n regel kan niet worden geïmporteerd zoals hij is:</numerusform>
            <numerusform>%n regels kunnen niet worden geïmporteerd zoals ze zijn:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other rows?</source>
        <translation>De overige regels importeren?</translation>
    </message>
    <message>
        <source>nothing could be read</source>
        <translation>er kon niets worden gelezen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) skipped</source>
        <translation>
            <numerusform>%n lege regel overgeslagen</numerusform>
            <numerusform>%n lege regels overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>left out as a spreadsheet&apos;s sum: line(s) %1</source>
        <translation>weggelaten als som van een rekenblad: regel(s) %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped</source>
        <translation>
            <numerusform>%n regel overgeslagen</numerusform>
            <numerusform>%n regels overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message>
        <source>Tellico collections</source>
        <translation>Tellico-verzamelingen</translation>
    </message>
    <message>
        <source>Catalogues of the older Windows program</source>
        <translation>Catalogi van het oudere Windows-programma</translation>
    </message>
    <message>
        <source>Add the records of %1 to the catalogue that is open?

Yes adds them (Undo import takes them out again); No makes a new catalogue of them and opens it.</source>
        <translation>De records van %1 aan de geopende catalogus toevoegen?

Ja voegt ze toe (Import ongedaan maken haalt ze er weer uit); Nee maakt er een nieuwe catalogus van en opent die.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>er is niet genoeg geheugen</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kan niet worden geïmporteerd: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2.</source>
        <translation>Geïmporteerd uit %1: %2.</translation>
    </message>
    <message>
        <source>Added from %1: %2. Help &gt; Undo import takes them out again.</source>
        <translation>Toegevoegd uit %1: %2. Help &gt; Import ongedaan maken haalt ze er weer uit.</translation>
    </message>
    <message numerus="yes">
        <source>Take the %n record(s) imported from %1 out of the catalogue again?</source>
        <translation>
            <numerusform>Het %n record uit %1 weer uit de catalogus halen?</numerusform>
            <numerusform>De %n records uit %1 weer uit de catalogus halen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The import cannot be undone: %1</source>
        <translation>De import kan niet ongedaan worden gemaakt: %1</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Excel-werkmappen</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 bestaat al; kies een nieuwe naam.</translation>
    </message>
    <message>
        <source>The catalogue cannot be exported: %1</source>
        <translation>De catalogus kan niet worden geëxporteerd: %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n record(s) to %1.</source>
        <translation>
            <numerusform>%n record naar %1 geëxporteerd.</numerusform>
            <numerusform>%n records naar %1 geëxporteerd.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::CatalogueWriter</name>
    <message>
        <source>The new catalogue %1 is not written: its source names the same pictures for many records, and as each record keeps a copy of its own, the copies would take more than %2 MB.</source>
        <translation>De nieuwe catalogus %1 wordt niet geschreven: de bron noemt dezelfde afbeeldingen voor veel records, en omdat elk record een eigen kopie houdt, zouden de kopieën meer dan %2 MB innemen.</translation>
    </message>
    <message>
        <source>The new catalogue %1 cannot be written: %2</source>
        <translation>De nieuwe catalogus %1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>it already exists, and an existing file is never replaced.</source>
        <translation>hij bestaat al, en een bestaand bestand wordt nooit vervangen.</translation>
    </message>
    <message>
        <source>The old catalogue had no column %1; the new one leaves it empty.</source>
        <translation>De oude catalogus had geen kolom %1; de nieuwe laat die leeg.</translation>
    </message>
    <message>
        <source>The old catalogue&apos;s column %1, which this version does not use, was kept at the end of the table.</source>
        <translation>De kolom %1 van de oude catalogus, die deze versie niet gebruikt, is aan het eind van de tabel bewaard.</translation>
    </message>
    <message>
        <source>the old %1 has none of the catalogue&apos;s columns.</source>
        <translation>de oude %1 heeft geen enkele kolom van de catalogus.</translation>
    </message>
    <message>
        <source>Record %1 has the ID &quot;%2&quot;, which is not a whole number.</source>
        <translation>Record %1 heeft de ID &quot;%2&quot;, die geen geheel getal is.</translation>
    </message>
    <message>
        <source>Two records have the ID %1; the second is record %2.</source>
        <translation>Twee records hebben de ID %1; het tweede is record %2.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones.</source>
        <translation>%1 record(s) hadden geen ID en kregen nieuwe.</translation>
    </message>
    <message>
        <source>it holds %1 records instead of %2.</source>
        <translation>hij bevat %1 records in plaats van %2.</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistCommands</name>
    <message>
        <source>Checklists…</source>
        <translation>Checklijsten…</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistsWindow</name>
    <message>
        <source>Checklists</source>
        <translation>Checklijsten</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklijst</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>In bezit</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Serie en nummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nieuw…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Add entry…</source>
        <translation>Regel &amp;toevoegen…</translation>
    </message>
    <message>
        <source>Remove en&amp;try</source>
        <translation>Regel ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;Mark the missing as wanted</source>
        <translation>Ontbrekende als &amp;gezocht markeren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Show its records</source>
        <translation>&amp;Bijbehorende records tonen</translation>
    </message>
    <message>
        <source>Missing &amp;report</source>
        <translation>&amp;Rapport ontbrekend</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>C&amp;hecklists:</source>
        <translation>&amp;Checklijsten:</translation>
    </message>
    <message>
        <source>Matched &amp;by:</source>
        <translation>&amp;Koppelen op:</translation>
    </message>
    <message>
        <source>&amp;Entries:</source>
        <translation>R&amp;egels:</translation>
    </message>
    <message>
        <source>Checklist status</source>
        <translation>Stand van de checklijst</translation>
    </message>
    <message>
        <source>The checklists cannot be read: %1</source>
        <translation>De checklijsten kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>held %1 of %2</source>
        <translation>%1 van %2 in bezit</translation>
    </message>
    <message>
        <source>The checklist cannot be read: %1</source>
        <translation>De checklijst kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>held</source>
        <translation>in bezit</translation>
    </message>
    <message>
        <source>wanted</source>
        <translation>gezocht</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ontbreekt</translation>
    </message>
    <message>
        <source>%1: %2 held, %3 wanted, %4 missing.</source>
        <translation>%1: %2 in bezit, %3 gezocht, %4 ontbreken.</translation>
    </message>
    <message>
        <source>No checklist yet: import one from a CSV file or make a new one.</source>
        <translation>Nog geen checklijst: importeer er een uit een CSV-bestand of maak een nieuwe.</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Sla eerst het record op dat wordt bewerkt, of annuleer het.</translation>
    </message>
    <message>
        <source>The checklist could not be saved: %1</source>
        <translation>De checklijst kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Import a checklist</source>
        <translation>Checklijst importeren</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message numerus="yes">
        <source>The series whose models &quot;%1&quot; lists (%n model(s)), as the records&apos; Series field names it:</source>
        <translation>
            <numerusform>De serie waarvan „%1” de modellen opsomt (%n model), zoals het veld Serie van de records haar noemt:</numerusform>
            <numerusform>De serie waarvan „%1” de modellen opsomt (%n modellen), zoals het veld Serie van de records haar noemt:</numerusform>
        </translation>
    </message>
    <message>
        <source>New checklist</source>
        <translation>Nieuwe checklijst</translation>
    </message>
    <message>
        <source>The series, as the records&apos; Series field names it:</source>
        <translation>De serie, zoals het veld Serie van de records haar noemt:</translation>
    </message>
    <message>
        <source>Delete the checklist &quot;%1&quot;? Its records stay in the catalogue.</source>
        <translation>De checklijst „%1” verwijderen? De records blijven in de catalogus.</translation>
    </message>
    <message>
        <source>Delete checklist</source>
        <translation>Checklijst verwijderen</translation>
    </message>
    <message>
        <source>The checklist could not be deleted: %1</source>
        <translation>De checklijst kon niet worden verwijderd: %1</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>Regel toevoegen</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>The checklist has number %1 already.</source>
        <translation>De checklijst heeft nummer %1 al.</translation>
    </message>
    <message>
        <source>Name of model %1:</source>
        <translation>Naam van model %1:</translation>
    </message>
    <message>
        <source>Each entry needs a number of its own and a name; the change is not kept.</source>
        <translation>Elke regel heeft een eigen nummer en een naam nodig; de wijziging wordt niet bewaard.</translation>
    </message>
    <message>
        <source>The matching rule could not be saved: %1</source>
        <translation>De koppelregel kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Mark the missing as wanted</source>
        <translation>Ontbrekende als gezocht markeren</translation>
    </message>
    <message>
        <source>Nothing of &quot;%1&quot; is missing.</source>
        <translation>Van „%1” ontbreekt niets.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n record(s) with status &quot;Want&quot; for the models of &quot;%1&quot; that are missing?</source>
        <translation>
            <numerusform>%n record met status „Want” toevoegen voor het ontbrekende model van „%1”?</numerusform>
            <numerusform>%n records met status „Want” toevoegen voor de ontbrekende modellen van „%1”?</numerusform>
        </translation>
    </message>
    <message>
        <source>No record was added: %1</source>
        <translation>Er is geen record toegevoegd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; added; Undo takes them out again.</source>
        <translation>
            <numerusform>%n record met status „Want” toegevoegd; Ongedaan maken haalt het weer weg.</numerusform>
            <numerusform>%n records met status „Want” toegevoegd; Ongedaan maken haalt ze weer weg.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; taken out again.</source>
        <translation>
            <numerusform>%n record met status „Want” weer weggehaald.</numerusform>
            <numerusform>%n records met status „Want” weer weggehaald.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::ColumnMappingDialog</name>
    <message>
        <source>Picture file</source>
        <translation>Afbeeldingsbestand</translation>
    </message>
    <message>
        <source>Further picture files</source>
        <translation>Verdere afbeeldingsbestanden</translation>
    </message>
    <message>
        <source>Further linked pictures</source>
        <translation>Verdere gekoppelde afbeeldingen</translation>
    </message>
    <message>
        <source>Further pictures&apos; captions</source>
        <translation>Bijschriften van verdere afbeeldingen</translation>
    </message>
    <message>
        <source>Import a CSV file</source>
        <translation>CSV-bestand importeren</translation>
    </message>
    <message>
        <source>Choose the field each column of the file goes to. The file&apos;s first rows:</source>
        <translation>Kies voor elke kolom van het bestand het veld waar die heen gaat. De eerste regels van het bestand:</translation>
    </message>
    <message>
        <source>The file&apos;s first rows</source>
        <translation>De eerste regels van het bestand</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Weglaten</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Field for the column %1</source>
        <translation>Veld voor de kolom %1</translation>
    </message>
    <message>
        <source>%1 is chosen for more than one column.</source>
        <translation>%1 is voor meer dan één kolom gekozen.</translation>
    </message>
    <message>
        <source>Choose a field for at least one column.</source>
        <translation>Kies voor minstens één kolom een veld.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>A field of its own, named by the heading</source>
        <translation>Een eigen veld, genoemd naar de kop</translation>
    </message>
</context>
<context>
    <name>kbs::ColumnsDialog</name>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>&amp;Columns shown in the grid, in their order:</source>
        <translation>&amp;Kolommen in het raster, in hun volgorde:</translation>
    </message>
    <message>
        <source>Space shows or hides the column; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Spatie toont of verbergt de kolom; Ctrl+Omhoog en Ctrl+Omlaag verplaatsen hem.</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Omhoog (&amp;u)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Omlaa&amp;g</translation>
    </message>
    <message>
        <source>D&amp;escribed columns</source>
        <translation>B&amp;eschreven kolommen</translation>
    </message>
</context>
<context>
    <name>kbs::DeleteUndo</name>
    <message>
        <source>Undo delete</source>
        <translation>Verwijderen ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>Verwijderen &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>Brings back the record just deleted (Ctrl+Z)</source>
        <translation>Haalt het zojuist verwijderde record terug (Ctrl+Z)</translation>
    </message>
</context>
<context>
    <name>kbs::DetailPanel</name>
    <message>
        <source>&quot;%1&quot; (column %2)</source>
        <translation>‘%1’ (kolom %2)</translation>
    </message>
</context>
<context>
    <name>kbs::DuplicatesReport</name>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Nr. #</source>
        <translation>Nr. #</translation>
    </message>
    <message>
        <source>Ver. #</source>
        <translation>Vers. #</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Interieur</translation>
    </message>
    <message>
        <source>Base plate</source>
        <translation>Bodemplaat</translation>
    </message>
    <message>
        <source>Base color</source>
        <translation>Bodemkleur</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Wielen</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Aant.</translation>
    </message>
    <message>
        <source>Stored in</source>
        <translation>Bewaarplaats</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Geen dubbele.</translation>
    </message>
</context>
<context>
    <name>kbs::FieldsWindow</name>
    <message>
        <source>Fields</source>
        <translation>Velden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Value list</source>
        <translation>Waardenlijst</translation>
    </message>
    <message>
        <source>Your fields</source>
        <translation>Uw velden</translation>
    </message>
    <message>
        <source>Your &amp;fields, in their order:</source>
        <translation>Uw &amp;velden, in hun volgorde:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>Value &amp;list:</source>
        <translation>Waarden&amp;lijst:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Adds a field with the name, kind and value list above</source>
        <translation>Voegt een veld toe met de naam, soort en waardenlijst hierboven</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>Gives the chosen field the name and value list above; its kind stays</source>
        <translation>Geeft het gekozen veld de naam en waardenlijst hierboven; de soort blijft</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Omlaa&amp;g</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>&amp;Edit value list…</source>
        <translation>Waardenlijst &amp;bewerken…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message numerus="yes">
        <source>The field &quot;%1&quot; holds a value in %n record(s). Remove it with its values?<byte value="xd"/>
<byte value="xd"/>
Until you close this window, Undo brings it back with them.</source>
        <translation>
            <numerusform>Het veld „%1” heeft een waarde in %n record. Verwijderen met zijn waarden?<byte value="xd"/>
<byte value="xd"/>
Tot u dit venster sluit, brengt Ongedaan maken het met de waarden terug.</numerusform>
            <numerusform>Het veld „%1” heeft een waarde in %n records. Verwijderen met zijn waarden?<byte value="xd"/>
<byte value="xd"/>
Tot u dit venster sluit, brengt Ongedaan maken het met de waarden terug.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::FilterBar</name>
    <message>
        <source>Filter, e.g. red box:mint -sell</source>
        <translation>Filter, bijv. rood</translation>
    </message>
    <message>
        <source>Filter the records</source>
        <translation>Records filteren</translation>
    </message>
    <message>
        <source>Filter the records (%1). Words must all match, in any field, any case.
&quot;mint in box&quot; keeps words together; color:red looks in one field (its label or column);
-sell leaves records out; year:1968-1975, year:&gt;1980, value:&gt;20 are ranges.
Escape clears the filter.</source>
        <translation>Records filteren (%1). Alle woorden moeten passen, in elk veld, hoofdletters of niet.
&quot;mint in box&quot; houdt woorden bij elkaar; color:rood zoekt in één veld (Engelse naam of kolom);
-sell laat records weg; year:1968-1975, year:&gt;1980, value:&gt;20 zijn bereiken.
Esc wist het filter.</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Zoek</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>Heb</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Te koop</translation>
    </message>
    <message>
        <source>Show only records you want</source>
        <translation>Alleen gezochte records tonen</translation>
    </message>
    <message>
        <source>Show only records you have</source>
        <translation>Alleen records in bezit tonen</translation>
    </message>
    <message>
        <source>Show only records you sell</source>
        <translation>Alleen records te koop tonen</translation>
    </message>
    <message>
        <source> (none pressed: every status)</source>
        <translation> (geen ingedrukt: elke status)</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 van %2 records</translation>
    </message>
    <message>
        <source>No record matches the filter. Escape in the filter clears it.</source>
        <translation>Geen record past bij het filter. Esc in het filter wist het.</translation>
    </message>
    <message>
        <source>Search wrapped to the top</source>
        <translation>Zoeken verder vanaf het begin</translation>
    </message>
    <message>
        <source>Search wrapped to the bottom</source>
        <translation>Zoeken verder vanaf het einde</translation>
    </message>
    <message>
        <source>Find Next F3, Find Previous Shift+F3</source>
        <translation>Volgende zoeken F3, Vorige zoeken Shift+F3</translation>
    </message>
    <message>
        <source>Shown records</source>
        <translation>Getoonde records</translation>
    </message>
    <message>
        <source>Report -- Shown records</source>
        <translation>Rapport -- Getoonde records</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) so far, still counting…</source>
        <translation>
            <numerusform>%n record tot nu toe, nog aan het tellen…</numerusform>
            <numerusform>%n records tot nu toe, nog aan het tellen…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::Gallery</name>
    <message>
        <source>Gallery</source>
        <translation>Galerij</translation>
    </message>
</context>
<context>
    <name>kbs::GridColumns</name>
    <message>
        <source>Columns…</source>
        <translation>Kolommen…</translation>
    </message>
    <message>
        <source>Hide &quot;%1&quot;</source>
        <translation>„%1” verbergen</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <source>Described columns</source>
        <translation>Beschreven kolommen</translation>
    </message>
</context>
<context>
    <name>kbs::GroupPanel</name>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>%1 (+%2?)</source>
        <translation>%1 (+%2?)</translation>
    </message>
    <message numerus="yes">
        <source>%n quantity(ies) could not be read as a whole number and are not added up.</source>
        <translation>
            <numerusform>%n aantal kon niet als geheel getal worden gelezen en is niet meegeteld.</numerusform>
            <numerusform>%n aantallen konden niet als gehele getallen worden gelezen en zijn niet meegeteld.</numerusform>
        </translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Alle records</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leeg)</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a decade: 1960s</comment>
        <translation>Jaren %1</translation>
    </message>
    <message>
        <source>Group view</source>
        <translation>Groepsweergave</translation>
    </message>
    <message>
        <source>Group by</source>
        <translation>Groeperen op</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>dan op</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(niets)</translation>
    </message>
    <message>
        <source>Close the group view</source>
        <translation>Groepsweergave sluiten</translation>
    </message>
    <message>
        <source>Close the group view (%1)</source>
        <translation>Groepsweergave sluiten (%1)</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklijst</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Labels</translation>
    </message>
</context>
<context>
    <name>kbs::MissingReport</name>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Report -- Missing</source>
        <translation>Rapport -- Ontbrekend</translation>
    </message>
    <message numerus="yes">
        <source>%1 (series %2): %n model(s) missing</source>
        <translation>
            <numerusform>%1 (serie %2): %n model ontbreekt</numerusform>
            <numerusform>%1 (serie %2): %n modellen ontbreken</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (vervolg)</translation>
    </message>
</context>
<context>
    <name>kbs::OpenSaveDialog</name>
    <message>
        <source>File dialog</source>
        <translation>Bestandskeuze</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsCommands</name>
    <message>
        <source>Fields…</source>
        <translation>Velden…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Sla eerst het record dat u bewerkt op, of annuleer het.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Velden</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsPart</name>
    <message>
        <source>Your fields and tags</source>
        <translation>Uw velden en labels</translation>
    </message>
    <message>
        <source>Your fields in short</source>
        <translation>Uw velden in het kort</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Short tags, separated by commas</source>
        <translation>Korte labels, gescheiden door komma’s</translation>
    </message>
    <message>
        <source>chase, error, carded</source>
        <translation>chase, fout, op kaart</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>&amp;Labels:</translation>
    </message>
    <message>
        <source>Open: the editors follow</source>
        <translation>Open: de invoervelden volgen</translation>
    </message>
    <message>
        <source>Closed: press to edit your fields and tags</source>
        <translation>Gesloten: druk om uw velden en labels te bewerken</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>jjjj-mm-dd</translation>
    </message>
    <message>
        <source>Tags: %1</source>
        <translation>Labels: %1</translation>
    </message>
</context>
<context>
    <name>kbs::PictureStrip</name>
    <message>
        <source>Pictures of the record</source>
        <translation>Foto&apos;s van het record</translation>
    </message>
    <message>
        <source>The record&apos;s pictures: click one to show it, Enter to view it large. In Add and Edit: Insert adds, Delete removes, Ctrl+Left/Right moves, Ctrl+M makes it the main picture, F2 edits its caption, Ctrl+V pastes one; pictures can be dropped here.</source>
        <translation>De foto&apos;s van het record: klik er een aan om hem te tonen, Enter toont hem groot. Bij Toevoegen en Bewerken: Ins voegt toe, Del verwijdert, Ctrl+Links/Rechts verplaatst, Ctrl+M maakt hem de hoofdfoto, F2 bewerkt het bijschrift, Ctrl+V plakt er een; foto&apos;s kunnen hier worden neergezet.</translation>
    </message>
    <message>
        <source>View large	Enter</source>
        <translation>Groot tonen	Enter</translation>
    </message>
    <message>
        <source>Add pictures...	Ins</source>
        <translation>Foto&apos;s toevoegen...	Ins</translation>
    </message>
    <message>
        <source>Paste picture	Ctrl+V</source>
        <translation>Foto plakken	Ctrl+V</translation>
    </message>
    <message>
        <source>Remove picture	Del</source>
        <translation>Foto verwijderen	Del</translation>
    </message>
    <message>
        <source>Move left	Ctrl+Left</source>
        <translation>Naar links	Ctrl+Links</translation>
    </message>
    <message>
        <source>Move right	Ctrl+Right</source>
        <translation>Naar rechts	Ctrl+Rechts</translation>
    </message>
    <message>
        <source>Make main picture	Ctrl+M</source>
        <translation>Hoofdfoto maken	Ctrl+M</translation>
    </message>
    <message>
        <source>Caption...	F2</source>
        <translation>Bijschrift...	F2</translation>
    </message>
    <message>
        <source>Picture commands</source>
        <translation>Fotoopdrachten</translation>
    </message>
    <message>
        <source>Picture %1 of %2, the main picture</source>
        <translation>Foto %1 van %2, de hoofdfoto</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Foto %1 van %2</translation>
    </message>
    <message>
        <source>Add pictures to the current record...</source>
        <translation>Foto&apos;s aan het huidige record toevoegen...</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Afbeeldingsbestanden</translation>
    </message>
    <message>
        <source>These files were not added, as they are not pictures the program can show: %1</source>
        <translation>Deze bestanden zijn niet toegevoegd, omdat het programma ze niet als foto kan tonen: %1</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Foto&apos;s toevoegen</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Het klembord bevat geen foto.</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Foto plakken</translation>
    </message>
    <message>
        <source>Caption of picture %1:</source>
        <translation>Bijschrift van foto %1:</translation>
    </message>
    <message>
        <source>Picture caption</source>
        <translation>Bijschrift</translation>
    </message>
</context>
<context>
    <name>kbs::PictureViewer</name>
    <message>
        <source>Picture %1 of %2: %3</source>
        <translation>Foto %1 van %2: %3</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Geen foto</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Foto %1 van %2</translation>
    </message>
    <message>
        <source>This picture cannot be shown.</source>
        <translation>Deze foto kan niet worden getoond.</translation>
    </message>
    <message>
        <source>fitted, %1 %</source>
        <translation>passend, %1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Picture %1 of %2%3 · %4 · +/- zoom, 1: 100 %, 0: fit, arrows: previous/next, Esc: close</source>
        <translation>Foto %1 van %2%3 · %4 · +/- zoomen, 1: 100 %, 0: passend, pijlen: vorige/volgende, Esc: sluiten</translation>
    </message>
    <message>
        <source>Viewer status</source>
        <translation>Status van de fotoviewer</translation>
    </message>
</context>
<context>
    <name>kbs::RecentlyDeletedDialog</name>
    <message>
        <source>Recently deleted</source>
        <translation>Onlangs verwijderd</translation>
    </message>
    <message>
        <source>&amp;Deleted records:</source>
        <translation>&amp;Verwijderde records:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message>
        <source>The deleted records cannot be read: %1.</source>
        <translation>De verwijderde records kunnen niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>No record was deleted in the last %1 days.</source>
        <translation>Er is de laatste %1 dagen geen record verwijderd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is back in the catalogue.</source>
        <translation>‘%1’ staat weer in de catalogus.</translation>
    </message>
</context>
<context>
    <name>kbs::RecordFilter</name>
    <message>
        <source>checklist</source>
        <translation>checklijst</translation>
    </message>
    <message>
        <source>tag</source>
        <translation>label</translation>
    </message>
</context>
<context>
    <name>kbs::RecoveryCommands</name>
    <message>
        <source>Restore a backup…</source>
        <translation>Back-up terugzetten…</translation>
    </message>
    <message>
        <source>Recently deleted…</source>
        <translation>Onlangs verwijderd…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Sla eerst het record dat u bewerkt op, of annuleer het.</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Backups are made of the program&apos;s own catalogue only; open it to restore one.</source>
        <translation>Back-ups worden alleen van de eigen catalogus van het programma gemaakt; open die om er een terug te zetten.</translation>
    </message>
</context>
<context>
    <name>kbs::ReportCommands</name>
    <message>
        <source>Statistics…</source>
        <translation>Statistieken…</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPageView</name>
    <message>
        <source>page %1 of %2</source>
        <translation>pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPreview</name>
    <message>
        <source>Export as spreadsheet...</source>
        <translation>Exporteren als spreadsheet...</translation>
    </message>
    <message>
        <source>Export for Tellico...</source>
        <translation>Exporteren voor Tellico...</translation>
    </message>
    <message>
        <source>Export as spreadsheet</source>
        <translation>Exporteren als spreadsheet</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-werkmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>Export for Tellico</source>
        <translation>Exporteren voor Tellico</translation>
    </message>
    <message>
        <source>Tellico collections (*.tc)</source>
        <translation>Tellico-collecties (*.tc)</translation>
    </message>
    <message>
        <source>Web page for phones...</source>
        <translation>Webpagina voor de telefoon...</translation>
    </message>
    <message>
        <source>Web page for phones</source>
        <translation>Webpagina voor de telefoon</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webpagina&apos;s (*.html)</translation>
    </message>
</context>
<context>
    <name>kbs::RestoreDialog</name>
    <message>
        <source>Restore a backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Back-ups:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Foto&apos;s</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Restore progress</source>
        <translation>Voortgang van het terugzetten</translation>
    </message>
    <message>
        <source>The chosen backup becomes a new catalogue; the catalogue as it is now is kept beside it.</source>
        <translation>De gekozen back-up wordt een nieuwe catalogus; de huidige catalogus blijft ernaast bewaard.</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>Er zijn nog geen back-ups.</translation>
    </message>
    <message>
        <source>Restore status</source>
        <translation>Status van het terugzetten</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Terugzetten</translation>
    </message>
    <message>
        <source>no new file can be made beside the catalogue</source>
        <translation>naast de catalogus kan geen nieuw bestand worden gemaakt</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>De back-up van %1 wordt teruggezet…</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>De back-up kon niet worden teruggezet: %1.</translation>
    </message>
    <message>
        <source>another copy of the program has the catalogue open; close it first</source>
        <translation>een ander exemplaar van het programma heeft de catalogus open; sluit dat eerst</translation>
    </message>
</context>
<context>
    <name>kbs::ShareCommands</name>
    <message>
        <source>Share and Labels…</source>
        <translation>Delen en etiketten…</translation>
    </message>
    <message>
        <source>Save web page</source>
        <translation>Webpagina opslaan</translation>
    </message>
    <message>
        <source>want-list</source>
        <translation>zoeklijst</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webpagina&apos;s (*.html)</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n entries.</source>
        <translation>
            <numerusform>%1 geschreven: %n item.</numerusform>
            <numerusform>%1 geschreven: %n items.</numerusform>
        </translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>There are no records to make labels for.</source>
        <translation>Er zijn geen records om etiketten voor te maken.</translation>
    </message>
</context>
<context>
    <name>kbs::ShareDialog</name>
    <message>
        <source>Share and Labels</source>
        <translation>Delen en etiketten</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Zoeklijst</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>Te koop of te ruil</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Ontbreekt in checklists</translation>
    </message>
    <message>
        <source>Records shown</source>
        <translation>Getoonde records</translation>
    </message>
    <message>
        <source>Whole collection</source>
        <translation>Hele verzameling</translation>
    </message>
    <message>
        <source>%1 (private)</source>
        <translation>%1 (privé)</translation>
    </message>
    <message>
        <source>Small (list)</source>
        <translation>Klein (lijst)</translation>
    </message>
    <message>
        <source>Large, %1 pixels</source>
        <translation>Groot, %1 pixels</translation>
    </message>
    <message>
        <source>%1: %2 × %3 mm, %4 a sheet (%5)</source>
        <translation>%1: %2 × %3 mm, %4 per vel (%5)</translation>
    </message>
    <message>
        <source>Small &amp;picture on each label</source>
        <translation>Kleine &amp;afbeelding op elk etiket</translation>
    </message>
    <message>
        <source>&amp;QR code of the record&apos;s ID</source>
        <translation>&amp;QR-code van de record-ID</translation>
    </message>
    <message>
        <source>&amp;Records:</source>
        <translation>&amp;Records:</translation>
    </message>
    <message>
        <source>Check&amp;lists:</source>
        <translation>Check&amp;lists:</translation>
    </message>
    <message>
        <source>&amp;Fields:</source>
        <translation>&amp;Velden:</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webpagina</translation>
    </message>
    <message>
        <source>P&amp;ictures:</source>
        <translation>A&amp;fbeeldingen:</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notitie:</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Vel:</translation>
    </message>
    <message>
        <source>Save &amp;web page...</source>
        <translation>&amp;Webpagina opslaan...</translation>
    </message>
    <message>
        <source>L&amp;abels...</source>
        <translation>&amp;Etiketten...</translation>
    </message>
</context>
<context>
    <name>kbs::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>&amp;Chart:</source>
        <translation>&amp;Grafiek:</translation>
    </message>
    <message>
        <source>&amp;By:</source>
        <translation>&amp;Per:</translation>
    </message>
    <message>
        <source>Save as &amp;PNG…</source>
        <translation>Opslaan als &amp;PNG…</translation>
    </message>
    <message>
        <source>Save as S&amp;VG…</source>
        <translation>Opslaan als S&amp;VG…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Rapport…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Numbers of the chart: %1</source>
        <translation>Cijfers van de grafiek: %1</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 bestaat al; kies een nieuwe naam.</translation>
    </message>
    <message>
        <source>Save the chart as PNG</source>
        <translation>Grafiek opslaan als PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>De grafiek kon niet worden opgeslagen als %1.</translation>
    </message>
    <message>
        <source>Save the chart as SVG</source>
        <translation>Grafiek opslaan als SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-tekeningen (*.svg)</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Labels</translation>
    </message>
</context>
<context>
    <name>kbs::TotalsReport</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modellen</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Aankoop</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Onleesbaar</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>Text as stored</source>
        <translation>Opgeslagen tekst</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>In totaal</translation>
    </message>
    <message>
        <source>By status</source>
        <translation>Per status</translation>
    </message>
    <message>
        <source>By series</source>
        <translation>Per serie</translation>
    </message>
    <message>
        <source>Values that could not be read</source>
        <translation>Onleesbare waarden</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (vervolg)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Alle records</translation>
    </message>
</context>
<context>
    <name>kbs::ValueChangesReport</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Verandering</translation>
    </message>
    <message>
        <source>Report -- Value changes</source>
        <translation>Rapport -- Waardeveranderingen</translation>
    </message>
    <message>
        <source>Rose most from %1 to %2</source>
        <translation>Het meest gestegen van %1 tot %2</translation>
    </message>
    <message>
        <source>Fell most from %1 to %2</source>
        <translation>Het meest gedaald van %1 tot %2</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: geen</translation>
    </message>
</context>
<context>
    <name>kbs::ValueChart</name>
    <message>
        <source>No valuation with a date to draw.</source>
        <translation>Geen taxatie met een datum om te tekenen.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueCommands</name>
    <message>
        <source>Value history</source>
        <translation>Waardegeschiedenis</translation>
    </message>
    <message>
        <source>Value history (%1)</source>
        <translation>Waardegeschiedenis (%1)</translation>
    </message>
    <message>
        <source>Value changes…</source>
        <translation>Waardeveranderingen…</translation>
    </message>
    <message>
        <source>Price guide (valuations)…</source>
        <translation>Prijsgids (taxaties)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Sla eerst het record dat u bewerkt op, of annuleer het.</translation>
    </message>
    <message>
        <source>Import a price guide</source>
        <translation>Prijsgids importeren</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>Er is niets geïmporteerd. %1</translation>
    </message>
    <message>
        <source>Value changes</source>
        <translation>Waardeveranderingen</translation>
    </message>
    <message>
        <source>From which date (YYYY-MM-DD)?</source>
        <translation>Vanaf welke datum (JJJJ-MM-DD)?</translation>
    </message>
    <message>
        <source>To which date (YYYY-MM-DD)?</source>
        <translation>Tot welke datum (JJJJ-MM-DD)?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>&quot;%1&quot; is geen datum. Typ die als 2026-03-31.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueHistoryDialog</name>
    <message>
        <source>Value history</source>
        <translation>Waardegeschiedenis</translation>
    </message>
    <message>
        <source>Value history: %1</source>
        <translation>Waardegeschiedenis: %1</translation>
    </message>
    <message>
        <source>&amp;Valuations:</source>
        <translation>&amp;Taxaties:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Valuations</source>
        <translation>Taxaties</translation>
    </message>
    <message>
        <source>Chart of the valuations</source>
        <translation>Grafiek van de taxaties</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>JJJJ-MM-DD</translation>
    </message>
    <message>
        <source>Valu&amp;e:</source>
        <translation>&amp;Waarde:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notitie:</translation>
    </message>
    <message>
        <source>price guide, auction, fair...</source>
        <translation>prijsgids, veiling, beurs...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>Verwijderen &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>&quot;%1&quot; is geen datum. Typ die als 2026-03-31.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount. Type it as 12.50.</source>
        <translation>&quot;%1&quot; is geen bedrag. Typ het als 12.50.</translation>
    </message>
</context>
<context>
    <name>kbs::ViewCommands</name>
    <message>
        <source>Gallery</source>
        <translation>Galerij</translation>
    </message>
</context>
<context>
    <name>kbs::WindowKeys</name>
    <message>
        <source>%1 (%2 in the field)</source>
        <translation>%1 (%2 in het veld)</translation>
    </message>
</context>
<context>
    <name>kbs::aboutText</name>
    <message>
        <source>A catalogue for collectors of die-cast model cars: every model with its series, colours, base plate, wheels, box, condition, price and picture, kept in one file on this computer.</source>
        <translation>Een catalogus voor verzamelaars van die-cast modelauto&apos;s: elk model met serie, kleuren, bodemplaat, wielen, doos, staat, prijs en foto, in één bestand op deze computer.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Kerbside Manager v</source>
        <translation>Kerbside Manager v</translation>
    </message>
    <message>
        <source>Click here to visit Kerbside Manager Homepage</source>
        <translation>Klik hier voor de website van Kerbside Manager</translation>
    </message>
    <message>
        <source>The web browser could not be started. The Kerbside Manager homepage is at:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>De webbrowser kon niet worden gestart. De website van Kerbside Manager staat op:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Copyright © Larkspur Software.
This program is free software under the GNU General Public License, version 3 or later, and comes without warranty of any kind. Keep a copy of your catalogue file in a safe place.</source>
        <translation>Copyright © Larkspur Software.
Dit programma is vrije software onder de GNU General Public License, versie 3 of later, en komt zonder enige garantie. Bewaar een kopie van uw catalogusbestand op een veilige plaats.</translation>
    </message>
</context>
<context>
    <name>kbs::amounts</name>
    <message>
        <source>too large</source>
        <translation>te groot</translation>
    </message>
</context>
<context>
    <name>kbs::backup</name>
    <message>
        <source>The catalogue could not be backed up: %1.</source>
        <translation>Er kon geen reservekopie van de catalogus worden gemaakt: %1.</translation>
    </message>
    <message>
        <source>the disk became full while copying the catalogue</source>
        <translation>de schijf raakte vol tijdens het kopiëren van de catalogus</translation>
    </message>
    <message>
        <source>the disk could not read the catalogue</source>
        <translation>de schijf kon de catalogus niet lezen</translation>
    </message>
    <message>
        <source>the copy grew larger than a file may be</source>
        <translation>de kopie werd groter dan een bestand mag zijn</translation>
    </message>
    <message>
        <source>the disk could not write the copy</source>
        <translation>de schijf kon de kopie niet schrijven</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>er was niet genoeg geheugen</translation>
    </message>
    <message>
        <source>the catalogue is damaged</source>
        <translation>de catalogus is beschadigd</translation>
    </message>
    <message>
        <source>a file could not be opened</source>
        <translation>een bestand kon niet worden geopend</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>de schijf meldde een fout (%1)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>de schijf meldde een fout</translation>
    </message>
    <message>
        <source>the catalogue cannot be opened (%1)</source>
        <translation>de catalogus kan niet worden geopend (%1)</translation>
    </message>
    <message>
        <source>the copy did not read back whole</source>
        <translation>de kopie bleek bij het teruglezen niet volledig</translation>
    </message>
    <message>
        <source>the backup did not read back whole</source>
        <translation>de reservekopie bleek bij het teruglezen niet volledig</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 is er niet</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>in de map %1 kan niet worden geschreven</translation>
    </message>
    <message>
        <source>%1 is no whole copy of the catalogue and cannot be moved aside</source>
        <translation>%1 is geen volledige kopie van de catalogus en kan niet opzij worden gezet</translation>
    </message>
    <message>
        <source>%1 was no whole copy of the catalogue; it is kept as %2.</source>
        <translation>%1 was geen volledige kopie van de catalogus; het bestand blijft bewaard als %2.</translation>
    </message>
    <message>
        <source>Backup copies dated after today are kept but not counted: %1.</source>
        <translation>Reservekopieën met een datum na vandaag blijven bewaard maar tellen niet mee: %1.</translation>
    </message>
    <message>
        <source>No backup of the catalogue today: less than %1 MB is free on the disk. </source>
        <translation>Vandaag geen reservekopie van de catalogus: er is minder dan %1 MB vrij op de schijf. </translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>the picture file %1 is missing</source>
        <translation>het afbeeldingsbestand %1 ontbreekt</translation>
    </message>
    <message>
        <source>the picture file %1 is damaged</source>
        <translation>het afbeeldingsbestand %1 is beschadigd</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 bestaat al</translation>
    </message>
    <message>
        <source>%1 is no whole backup</source>
        <translation>%1 is geen volledige reservekopie</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kan niet worden geschreven</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>het werd geannuleerd</translation>
    </message>
    <message>
        <source>the restored catalogue is not whole</source>
        <translation>de teruggezette catalogus is niet volledig</translation>
    </message>
    <message>
        <source>the disk could not write %1</source>
        <translation>de schijf kon %1 niet schrijven</translation>
    </message>
    <message>
        <source>the catalogue is being written by another program</source>
        <translation>een ander programma schrijft op dit moment in de catalogus</translation>
    </message>
    <message>
        <source>%1 cannot be replaced (%2)</source>
        <translation>%1 kan niet worden vervangen (%2)</translation>
    </message>
</context>
<context>
    <name>kbs::editorText</name>
    <message>
        <source>Kerbside Manger Menu Editor</source>
        <translation>Kerbside Manager – Lijsteditor</translation>
    </message>
    <message>
        <source>Do you wish to save your changes?</source>
        <translation>Wilt u uw wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Quit -- Save changes?</source>
        <translation>Afsluiten -- Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Opslaan als...</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini File(*.ini)|*.ini</source>
        <translation>Alle bestanden(*.*)|*.*|Ini-bestand(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Instert File</source>
        <translation>Bestand invoegen</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini Files(*.ini)|*.ini</source>
        <translation>Alle bestanden(*.*)|*.*|Ini-bestanden(*.ini)|*.ini</translation>
    </message>
</context>
<context>
    <name>kbs::exchange</name>
    <message>
        <source>%1 is not a catalogue: it is not a database file.</source>
        <translation>%1 is geen catalogus: het is geen databasebestand.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not there.</source>
        <translation>De catalogus %1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program, which has to be converted before it can be exported.</source>
        <translation>%1 is een catalogus van het oudere Windows-programma; die moet eerst worden omgezet voordat hij kan worden geëxporteerd.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: it has no %2.</source>
        <translation>%1 is geen catalogus: %2 ontbreekt.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: its %2 has no ID column.</source>
        <translation>%1 is geen catalogus: %2 heeft geen ID-kolom.</translation>
    </message>
    <message>
        <source>The export to %1 was cancelled.</source>
        <translation>De export naar %1 is afgebroken.</translation>
    </message>
    <message>
        <source>%1 record(s) deleted while the export ran were left out.</source>
        <translation>%1 record(s) die tijdens de export zijn verwijderd, zijn weggelaten.</translation>
    </message>
    <message>
        <source>There was not enough memory to export %1.</source>
        <translation>Er was niet genoeg geheugen om %1 te exporteren.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>%1 value(s) of the column %2 held binary data and were written as text.</source>
        <translation>%1 waarde(n) van de kolom %2 bevatte(n) binaire gegevens en zijn als tekst geschreven.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL bytes, which were left out, or bytes that are not UTF-8, which became the replacement character U+FFFD.</source>
        <translation>%1 tekst(en) bevatte(n) NUL-bytes, die zijn weggelaten, of bytes die geen UTF-8 zijn, die het vervangingsteken U+FFFD zijn geworden.</translation>
    </message>
    <message>
        <source>%1 further picture(s) with neither bytes nor a linked file were left out.</source>
        <translation>%1 extra afbeelding(en) zonder gegevens en zonder gekoppeld bestand zijn weggelaten.</translation>
    </message>
    <message>
        <source>%1 text(s) longer than a spreadsheet cell holds (%2 characters) were cut to that length.</source>
        <translation>%1 tekst(en) langer dan een spreadsheetcel bevat (%2 tekens) zijn tot die lengte ingekort.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL characters, which a spreadsheet cell cannot hold; they were left out and the rest of each text kept.</source>
        <translation>%1 tekst(en) bevatte(n) NUL-tekens, die een spreadsheetcel niet kan bevatten; die zijn weggelaten en de rest van elke tekst is behouden.</translation>
    </message>
    <message>
        <source>%1 needs more memory than there is.</source>
        <translation>%1 heeft meer geheugen nodig dan er is.</translation>
    </message>
    <message>
        <source> The row was skipped.</source>
        <translation> De rij is overgeslagen.</translation>
    </message>
    <message>
        <source>%1 line %2: %3.%4</source>
        <translation>%1 regel %2: %3.%4</translation>
    </message>
    <message>
        <source>%1: and %2 more rows like these.</source>
        <translation>%1: en nog %2 van zulke rijen.</translation>
    </message>
    <message>
        <source>%1: %2 row(s) cannot be imported as written, so nothing was written%3.</source>
        <translation>%1: %2 rij(en) kunnen zo niet worden geïmporteerd, dus er is niets geschreven%3.</translation>
    </message>
    <message>
        <source> (--skip-bad-rows imports the others)</source>
        <translation> (--skip-bad-rows importeert de overige)</translation>
    </message>
    <message>
        <source>line %1 looks like a spreadsheet&apos;s sum and was left out (--keep-sum-rows imports it).</source>
        <translation>regel %1 lijkt op de som van een rekenblad en is weggelaten (--keep-sum-rows importeert hem).</translation>
    </message>
    <message>
        <source>Value history</source>
        <translation>Waardegeschiedenis</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Zoeklijst</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>Te koop of te ruil</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Ontbreekt in checklists</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modellen</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Verzameling</translation>
    </message>
    <message>
        <source>%1 has no checklist named &quot;%2&quot;.</source>
        <translation>%1 heeft geen checklist met de naam &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Missing from</source>
        <translation>Ontbreekt in</translation>
    </message>
    <message>
        <source>There is no field &quot;%1&quot; to show; the fields are: %2.</source>
        <translation>Er is geen veld &quot;%1&quot; om te tonen; de velden zijn: %2.</translation>
    </message>
    <message>
        <source>The size of the pictures must be between %1 and %2 pixels.</source>
        <translation>De grootte van de afbeeldingen moet tussen %1 en %2 pixels liggen.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, %2</source>
        <translation>
            <numerusform>%1: %n item, %2</numerusform>
            <numerusform>%1: %n items, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Volgorde</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Reeks en nummer</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>As listed</source>
        <translation>Zoals opgesomd</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Labels</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ChecklistCsv</name>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 is leeg.</translation>
    </message>
    <message>
        <source>Line 1 of %1 names no columns for the number and the name of the models (for example &quot;Number&quot; and &quot;Name&quot;).</source>
        <translation>Regel 1 van %1 noemt geen kolommen voor het nummer en de naam van de modellen (bijvoorbeeld „Nummer” en „Naam”).</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>geen nummer</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>geen naam</translation>
    </message>
    <message>
        <source>the number %1 was given before</source>
        <translation>het nummer %1 kwam al eerder voor</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing is stored. Correct these rows and import it again:
%2</source>
        <translation>%1 is niet geïmporteerd; er is niets opgeslagen. Verbeter deze regels en importeer het opnieuw:
%2</translation>
    </message>
    <message>
        <source>and %1 more rows</source>
        <translation>en nog %1 regels</translation>
    </message>
    <message>
        <source>%1 holds no models.</source>
        <translation>%1 bevat geen modellen.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvImport</name>
    <message>
        <source>the file has %1 columns where %2 were matched to fields</source>
        <translation>het bestand heeft %1 kolommen, terwijl er %2 aan velden zijn gekoppeld</translation>
    </message>
    <message>
        <source>Columns left out, as their headings name no column of the catalogue: %1.</source>
        <translation>Weggelaten kolommen, omdat hun koppen geen kolom van de catalogus noemen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without any text were skipped.</source>
        <translation>
            <numerusform>%n regel zonder enige tekst is overgeslagen.</numerusform>
            <numerusform>%n regels zonder enige tekst zijn overgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; en nog %1</translation>
    </message>
    <message>
        <source>the file is empty: it has no header row</source>
        <translation>het bestand is leeg: het heeft geen kopregel</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>kolom %1 heeft geen naam</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>de kolom %1 komt twee keer voor</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> en nog %1</translation>
    </message>
    <message>
        <source>the row has %1 field where the header has %2</source>
        <translation>de rij heeft %1 veld waar de kopregel er %2 heeft</translation>
    </message>
    <message>
        <source>the row has %1 fields where the header has %2</source>
        <translation>de rij heeft %1 velden waar de kopregel er %2 heeft</translation>
    </message>
    <message>
        <source>the ID %1 is not a whole number from %2 to %3</source>
        <translation>de ID %1 is geen geheel getal van %2 tot en met %3</translation>
    </message>
    <message>
        <source>the ID %1 is already that of line %2</source>
        <translation>de ID %1 is al die van regel %2</translation>
    </message>
    <message>
        <source>further picture %1 must name either a file in %2 or a link in %3</source>
        <translation>extra afbeelding %1 moet een bestand in %2 of een link in %3 noemen, niet beide</translation>
    </message>
    <message>
        <source>Line %1: %2, which changed while the file was imported.</source>
        <translation>Regel %1: %2, dat veranderde terwijl het bestand werd geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones after the largest.</source>
        <translation>%1 record(s) hadden geen ID en kregen nieuwe na de grootste.</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) of the value history came from %1.</source>
        <translation>
            <numerusform>%n waardering van de waardegeschiedenis kwam uit %1.</numerusform>
            <numerusform>%n waarderingen van de waardegeschiedenis kwamen uit %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) in %1 name a record the catalogue does not have and were left out.</source>
        <translation>
            <numerusform>%n waardering in %1 noemt een record dat de catalogus niet heeft en is weggelaten.</numerusform>
            <numerusform>%n waarderingen in %1 noemen een record dat de catalogus niet heeft en zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>no column of the catalogue has the heading %1; the headings taken include %2 (kbsmgr-import --list-headings lists them all, --skip-unknown leaves such columns out, --own-fields makes them fields of the collector&apos;s own)</source>
        <translation>geen kolom van de catalogus heeft de kop %1; geldige koppen zijn onder meer %2 (kbsmgr-import --list-headings somt ze allemaal op, --skip-unknown laat zulke kolommen weg, --own-fields maakt er eigen velden van de verzamelaar van)</translation>
    </message>
    <message>
        <source>Columns that became fields of the collector&apos;s own: %1.</source>
        <translation>Kolommen die eigen velden van de verzamelaar zijn geworden: %1.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvReader</name>
    <message>
        <source>%1 is not UTF-8 throughout: line %2 holds bytes that UTF-8 does not have. Convert the file to UTF-8 (for example: iconv -f WINDOWS-1252 -t UTF-8 FILE &gt; NEW.csv), or give --encoding=windows-1252 if all of it is Windows-1252.</source>
        <translation>%1 is niet helemaal UTF-8: regel %2 bevat bytes die UTF-8 niet kent. Zet het bestand om naar UTF-8 (bijvoorbeeld: iconv -f WINDOWS-1252 -t UTF-8 BESTAND &gt; NIEUW.csv), of geef --encoding=windows-1252 als het geheel Windows-1252 is.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>the record that starts on line %1 is longer than %2 MB; is a quote left open?</source>
        <translation>het record dat op regel %1 begint is langer dan %2 MB; staat er een aanhalingsteken open?</translation>
    </message>
    <message>
        <source>a field holds a NUL byte, which no text may hold</source>
        <translation>een veld bevat een NUL-byte, dat geen tekst mag bevatten</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>een veld tussen aanhalingstekens wordt nooit gesloten</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::OwnCsv</name>
    <message>
        <source>The fields&apos; list %1 cannot be read: line %2: %3.</source>
        <translation>De lijst met velden %1 kan niet worden gelezen: regel %2: %3.</translation>
    </message>
    <message>
        <source>the columns Name and Kind are needed</source>
        <translation>de kolommen Name en Kind zijn nodig</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::PictureSource</name>
    <message>
        <source>The folder %1, where picture files may come from, is not there.</source>
        <translation>De map %1, waaruit afbeeldingsbestanden mogen komen, is er niet.</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 (--pictures-from names another folder pictures may come from)</source>
        <translation>het ligt buiten de map %1 (--pictures-from noemt een andere map waaruit afbeeldingen mogen komen)</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 and the folders given by --pictures-from</source>
        <translation>het ligt buiten de map %1 en de mappen die --pictures-from noemt</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>dat bestand bestaat niet</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>het kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>it is not a picture the program can show (%1)</source>
        <translation>het is geen afbeelding die het programma kan tonen (%1)</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::Tellico</name>
    <message>
        <source>its XML is larger than %1 MB</source>
        <translation>de XML is groter dan %1 MB</translation>
    </message>
    <message>
        <source>it holds a value larger than %1 MB</source>
        <translation>het bevat een waarde groter dan %1 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read as a zip file: %2.</source>
        <translation>%1 kan niet als zip-bestand worden gelezen: %2.</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: it holds no tellico.xml.</source>
        <translation>%1 is geen Tellico-verzameling: er zit geen tellico.xml in.</translation>
    </message>
    <message>
        <source>%1: tellico.xml cannot be read: %2.</source>
        <translation>%1: tellico.xml kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: a picture cannot be set aside in %2: %3.</source>
        <translation>%1 kan niet worden gelezen: een afbeelding kan niet in %2 opzij worden gezet: %3.</translation>
    </message>
    <message>
        <source>%1: %2 is larger than the program takes.</source>
        <translation>%1: %2 is groter dan het programma aanneemt.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read: %3.</source>
        <translation>%1: %2 kan niet worden gelezen: %3.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read whole.</source>
        <translation>%1: %2 kan niet volledig worden gelezen.</translation>
    </message>
    <message>
        <source>%1 is not read: line %2: %3.</source>
        <translation>%1 wordt niet gelezen: regel %2: %3.</translation>
    </message>
    <message>
        <source>it holds a value longer than %1 characters</source>
        <translation>het bevat een waarde van meer dan %1 tekens</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1</source>
        <translation>de elementen zijn dieper dan %1 niveaus genest</translation>
    </message>
    <message>
        <source>it declares more than %1 fields</source>
        <translation>het declareert meer dan %1 velden</translation>
    </message>
    <message>
        <source>it lists more than %1 pictures</source>
        <translation>het noemt meer dan %1 afbeeldingen</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is broken at line %2 (%3).</source>
        <translation>%1 is geen Tellico-verzameling: de XML is kapot op regel %2 (%3).</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is not &lt;tellico&gt;.</source>
        <translation>%1 is geen Tellico-verzameling: de XML is geen &lt;tellico&gt;.</translation>
    </message>
    <message>
        <source>an entry holds more than %1 characters</source>
        <translation>een item bevat meer dan %1 tekens</translation>
    </message>
    <message>
        <source>it holds a name longer than %1 characters</source>
        <translation>het bevat een naam van meer dan %1 tekens</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 is veranderd terwijl het werd gelezen.</translation>
    </message>
    <message>
        <source>These fields have no column in the catalogue and were left out: %1.</source>
        <translation>Deze velden hebben geen kolom in de catalogus en zijn weggelaten: %1.</translation>
    </message>
    <message>
        <source>%1 entr(ies) without a usable id were given new IDs.</source>
        <translation>%1 item(s) zonder bruikbare id kregen nieuwe ID’s.</translation>
    </message>
    <message>
        <source>%1 picture(s) named in the collection are not in the file and were left out.</source>
        <translation>%1 afbeelding(en) die de verzameling noemt, zit(ten) niet in het bestand en is/zijn weggelaten.</translation>
    </message>
    <message>
        <source>%1 picture(s) could not be read as pictures and were left out.</source>
        <translation>%1 afbeelding(en) kon(den) niet als afbeelding worden gelezen en is/zijn weggelaten.</translation>
    </message>
    <message>
        <source>No catalogue was named to import %1 into.</source>
        <translation>Er is geen catalogus genoemd om %1 in te importeren.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>%1 %2, caption</source>
        <translation>%1 %2, bijschrift</translation>
    </message>
    <message>
        <source>Exact texts (Kerbside Manager)</source>
        <translation>Exacte teksten (Kerbside Manager)</translation>
    </message>
    <message>
        <source>%1 cannot be written as a zip file.</source>
        <translation>%1 kan niet als zip-bestand worden geschreven.</translation>
    </message>
    <message>
        <source>%1 character(s) that XML cannot hold (control characters such as NUL, U+FFFE, U+FFFF, halves of surrogate pairs) were left out of the texts.</source>
        <translation>%1 teken(s) die XML niet kan bevatten (stuurtekens zoals NUL, U+FFFE, U+FFFF, halve surrogaatparen) zijn uit de teksten weggelaten.</translation>
    </message>
    <message>
        <source>Keywords of %1 record(s) are longer than a tag may be and are kept in the field %2.</source>
        <translation>Trefwoorden van %1 record(s) zijn langer dan een label mag zijn en worden bewaard in het veld %2.</translation>
    </message>
    <message>
        <source>Own fields</source>
        <translation>Eigen velden</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Labels</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ValueCsv</name>
    <message>
        <source>The value history %1 cannot be read: line %2: %3.</source>
        <translation>De waardegeschiedenis %1 kan niet worden gelezen: regel %2: %3.</translation>
    </message>
    <message>
        <source>the columns ID, Date and Value are needed</source>
        <translation>de kolommen ID, Date en Value zijn nodig</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>„%1” is geen record-ID</translation>
    </message>
</context>
<context>
    <name>kbs::frmAbout</name>
    <message>
        <source>Released %1</source>
        <translation>Uitgebracht op %1</translation>
    </message>
</context>
<context>
    <name>kbs::frmEditor</name>
    <message>
        <source>Value lists</source>
        <translation>Waardelijsten</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Scheiding</translation>
    </message>
    <message>
        <source>Text edge</source>
        <translation>Tekstrand</translation>
    </message>
    <message>
        <source>List text</source>
        <translation>Lijsttekst</translation>
    </message>
    <message>
        <source>Inserted text</source>
        <translation>Ingevoegde tekst</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Zoeken...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Ver&amp;vangen</translation>
    </message>
    <message>
        <source>&amp;Insert File</source>
        <translation>Bestand &amp;invoegen</translation>
    </message>
</context>
<context>
    <name>kbs::frmFind</name>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
</context>
<context>
    <name>kbs::frmMain</name>
    <message>
        <source>Gallery</source>
        <translation>Galerij</translation>
    </message>
    <message>
        <source>Show the records as pictures (%1)</source>
        <translation>Records als foto&apos;s tonen (%1)</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturen</translation>
    </message>
    <message>
        <source>Making thumbnails: %1 of %2</source>
        <translation>Miniaturen maken: %1 van %2</translation>
    </message>
    <message>
        <source>The record could not be brought back: %1</source>
        <translation>Het record kon niet worden teruggehaald: %1</translation>
    </message>
    <message>
        <source>Undo delete</source>
        <translation>Verwijderen ongedaan maken</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>a backup is being made</source>
        <translation>er wordt een back-up gemaakt</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>De back-up kon niet worden teruggezet: %1.</translation>
    </message>
    <message>
        <source>The backup of %1 is restored; the catalogue as it was is kept as %2.</source>
        <translation>De back-up van %1 is teruggezet; de vorige catalogus is bewaard als %2.</translation>
    </message>
    <message>
        <source>The catalogue was replaced by another program; it is opened again.</source>
        <translation>De catalogus is door een ander programma vervangen; hij wordt opnieuw geopend.</translation>
    </message>
</context>
<context>
    <name>kbs::frmReplace</name>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
</context>
<context>
    <name>kbs::frmTip</name>
    <message>
        <source>Tip of the day</source>
        <translation>Tip van de dag</translation>
    </message>
</context>
<context>
    <name>kbs::grid</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Car_Cond</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>Wheel_Type</source>
        <translation>Wielen</translation>
    </message>
    <message>
        <source>Box_Type</source>
        <translation>Doos</translation>
    </message>
    <message>
        <source>Box_Cond</source>
        <translation>Staat doos</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Bewaarplaats</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Aankoopprijs</translation>
    </message>
    <message>
        <source>Purch_Date</source>
        <translation>Aankoopdatum</translation>
    </message>
    <message>
        <source>List_Price</source>
        <translation>Adviesprijs</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Value_Date</source>
        <translation>Waardedatum</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Purch_From</source>
        <translation>Gekocht bij</translation>
    </message>
    <message>
        <source>Base_Name</source>
        <translation>Bodemplaat</translation>
    </message>
    <message>
        <source>Interior_Color</source>
        <translation>Interieur</translation>
    </message>
    <message>
        <source>Version_Number</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Base_Color</source>
        <translation>Kleur bodemplaat</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>twintig</translation>
    </message>
</context>
<context>
    <name>kbs::groups</name>
    <message>
        <source>Decade</source>
        <translation>Decennium</translation>
    </message>
</context>
<context>
    <name>kbs::legacy</name>
    <message>
        <source>The converted catalogue cannot be put in place of %1: %2</source>
        <translation>De omgezette catalogus kan niet in de plaats van %1 komen: %2</translation>
    </message>
    <message>
        <source>The converter %1 is missing.</source>
        <translation>Het conversieprogramma %1 ontbreekt.</translation>
    </message>
    <message>
        <source>Reading %1 needed more than %2 MB of memory, so it was stopped: the file is probably damaged.</source>
        <translation>Het lezen van %1 had meer dan %2 MB geheugen nodig en is daarom gestopt: het bestand is waarschijnlijk beschadigd.</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly while reading %1 (%2): the file is probably damaged.</source>
        <translation>Het conversieprogramma stopte onverwacht tijdens het lezen van %1 (%2): het bestand is waarschijnlijk beschadigd.</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>het is vastgelopen</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>afsluitcode %1</translation>
    </message>
    <message>
        <source>The converter %1 could not be started: %2.</source>
        <translation>Het conversieprogramma %1 kon niet worden gestart: %2.</translation>
    </message>
    <message>
        <source>The converted catalogue cannot be opened: %1</source>
        <translation>De omgezette catalogus kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>The converted catalogue holds %1 records instead of %2.</source>
        <translation>De omgezette catalogus bevat %1 records in plaats van %2.</translation>
    </message>
    <message>
        <source>%1: the file says that %2 holds %3 records, but %4 could be read. The file is damaged.</source>
        <translation>%1: het bestand zegt dat %2 %3 records bevat, maar er konden er %4 worden gelezen. Het bestand is beschadigd.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 bestaat niet.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 is geen bestand.</translation>
    </message>
    <message>
        <source>%1 is not a database of the older Windows program.</source>
        <translation>%1 is geen database van het oudere Windows-programma.</translation>
    </message>
    <message>
        <source>%1 is a database of an unknown version (%2).</source>
        <translation>%1 is een database van een onbekende versie (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, which is not a whole number of the %3-byte pages that a %4 file is made of: the file is incomplete (perhaps cut short while it was copied) or damaged.</source>
        <translation>%1 is %2 bytes lang, geen geheel aantal van de pagina’s van %3 bytes waaruit een %4-bestand bestaat: het bestand is onvolledig (misschien afgebroken tijdens het kopiëren) of beschadigd.</translation>
    </message>
    <message>
        <source>%1 is only %2 bytes long: too short for a %3 database.</source>
        <translation>%1 is maar %2 bytes lang: te kort voor een %3-database.</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source> (ID %1)</source>
        <translation> (ID %1)</translation>
    </message>
    <message>
        <source>, column %1</source>
        <translation>, kolom %1</translation>
    </message>
    <message>
        <source>%1: %2 The file is damaged.</source>
        <translation>%1: %2 Het bestand is beschadigd.</translation>
    </message>
    <message>
        <source>libmdb cannot open the file.</source>
        <translation>libmdb kan het bestand niet openen.</translation>
    </message>
    <message>
        <source>the file&apos;s pages are not the size its header promises.</source>
        <translation>de pagina’s van het bestand hebben niet de grootte die de kop belooft.</translation>
    </message>
    <message>
        <source>the list of the file&apos;s tables cannot be read.</source>
        <translation>de lijst van de tabellen van het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>the file has no table &quot;%1&quot;: it is not a catalogue.</source>
        <translation>het bestand heeft geen tabel &quot;%1&quot;: het is geen catalogus.</translation>
    </message>
    <message>
        <source>the definition of %1 cannot be read.</source>
        <translation>de definitie van %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read.</source>
        <translation>de kolommen van %1 kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>column %1 (%2) has the size %3 where %4 was expected.</source>
        <translation>kolom %1 (%2) heeft de grootte %3 waar %4 werd verwacht.</translation>
    </message>
    <message>
        <source>its value is shorter than its header.</source>
        <translation>de waarde is korter dan de kop.</translation>
    </message>
    <message>
        <source>its value holds %1 bytes but its header says %2.</source>
        <translation>de waarde bevat %1 bytes maar de kop noemt er %2.</translation>
    </message>
    <message>
        <source>the page that holds its value cannot be read.</source>
        <translation>de pagina met de waarde kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>its value is stored in an unknown way.</source>
        <translation>de waarde is op een onbekende manier opgeslagen.</translation>
    </message>
    <message>
        <source>its value ends after %1 of the %2 bytes its header says.</source>
        <translation>de waarde houdt op na %1 van de %2 bytes die de kop noemt.</translation>
    </message>
    <message>
        <source>a page that holds its value cannot be read.</source>
        <translation>een pagina met de waarde kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>its value holds more than the %1 bytes its header says.</source>
        <translation>de waarde bevat meer dan de %1 bytes die de kop noemt.</translation>
    </message>
    <message>
        <source>its text is cut in the middle of a character.</source>
        <translation>de tekst is midden in een teken afgebroken.</translation>
    </message>
    <message>
        <source>its value is shorter than its type needs.</source>
        <translation>de waarde is korter dan het type vereist.</translation>
    </message>
    <message>
        <source>its date (%1) lies outside the years 100 to 9999.</source>
        <translation>de datum (%1) ligt buiten de jaren 100 tot en met 9999.</translation>
    </message>
    <message>
        <source>its type (%1) cannot be converted.</source>
        <translation>het type (%1) kan niet worden omgezet.</translation>
    </message>
    <message>
        <source>record %1 cannot be found again on its page.</source>
        <translation>record %1 is niet terug te vinden op zijn pagina.</translation>
    </message>
    <message>
        <source>record %1 cannot be taken apart: the file is damaged.</source>
        <translation>record %1 kan niet worden ontleed: het bestand is beschadigd.</translation>
    </message>
    <message>
        <source>record %1 lacks a column.</source>
        <translation>record %1 mist een kolom.</translation>
    </message>
</context>
<context>
    <name>kbs::legacy::texts</name>
    <message>
        <source>Kerbside Manager</source>
        <translation>Kerbside Manager</translation>
    </message>
    <message>
        <source>Converting the catalogue of the older Windows version of Kerbside Manager...</source>
        <translation>De catalogus van de oudere Windows-versie van Kerbside Manager wordt omgezet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and has been converted for this version: %2 converted.<byte value="xd"/>
<byte value="xd"/>
The original file is kept, unchanged, as %3.</source>
        <translation>De catalogus %1 is gemaakt met de oudere Windows-versie van Kerbside Manager en is omgezet voor deze versie: %2 omgezet.<byte value="xd"/>
<byte value="xd"/>
Het oorspronkelijke bestand blijft ongewijzigd bewaard als %3.</translation>
    </message>
    <message>
        <source>1 record was</source>
        <translation>1 record is</translation>
    </message>
    <message>
        <source>%1 records were</source>
        <translation>%1 records zijn</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and could not be converted:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>De catalogus %1 is gemaakt met de oudere Windows-versie van Kerbside Manager en kon niet worden omgezet:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Het bestand is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The conversion of the catalogue %1 was cancelled.<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>De omzetting van de catalogus %1 is geannuleerd.<byte value="xd"/>
<byte value="xd"/>
Het bestand is niet gewijzigd.</translation>
    </message>
</context>
<context>
    <name>kbs::mainText</name>
    <message>
        <source>Kerbside Manager v</source>
        <translation>Kerbside Manager v</translation>
    </message>
    <message>
        <source>Kerbside Manager</source>
        <translation>Kerbside Manager</translation>
    </message>
    <message>
        <source>Are you  sure you want to Quit?</source>
        <translation>Weet u zeker dat u wilt afsluiten?</translation>
    </message>
    <message>
        <source>Total Records In The Database : </source>
        <translation>Records in de database: </translation>
    </message>
    <message>
        <source>       Total Found In The Database Is: </source>
        <translation>       Gevonden in de database: </translation>
    </message>
    <message>
        <source>       Total Found In The Database Are: </source>
        <translation>       Gevonden in de database: </translation>
    </message>
    <message>
        <source>  Record</source>
        <translation>  record</translation>
    </message>
    <message>
        <source>  Records</source>
        <translation>  records</translation>
    </message>
    <message>
        <source>Add/Edit Info</source>
        <translation>Gegevens</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verborgen</translation>
    </message>
    <message>
        <source>store in database</source>
        <translation>in de database</translation>
    </message>
    <message>
        <source>store as file pointer</source>
        <translation>als bestandslink</translation>
    </message>
    <message>
        <source>select picture</source>
        <translation>Foto kiezen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Add plus to the car condition</source>
        <translation>Plus aan de staat toevoegen</translation>
    </message>
    <message>
        <source>Add minus to the car condition</source>
        <translation>Min aan de staat toevoegen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Picture of the model</source>
        <translation>Foto van het model</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Fotobestand</translation>
    </message>
    <message>
        <source>Kerbside Manager logo</source>
        <translation>Logo van Kerbside Manager</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordlijst</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The record could not be saved:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields.</source>
        <translation>Het record kon niet worden opgeslagen:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Er is niets opgeslagen. Uw invoer staat nog in de velden.</translation>
    </message>
    <message>
        <source>The record could not be saved: the field %1 cannot hold the text &quot;%2&quot;.<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>Het record kon niet worden opgeslagen: het veld %1 kan de tekst ‘%2’ niet bevatten.<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Er is niets opgeslagen. Uw invoer staat nog in de velden: wijzig deze waarde en sla opnieuw op, of kies Annuleren.</translation>
    </message>
    <message>
        <source>The record could not be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Het record kon niet worden getoond:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Sort Error</source>
        <translation>Sorteerfout</translation>
    </message>
    <message>
        <source>There needs to be at least one record in the database.<byte value="xd"/>
<byte value="xd"/>
Please edit this record.</source>
        <translation>De database moet minstens één record bevatten.<byte value="xd"/>
<byte value="xd"/>
Bewerk dit record.</translation>
    </message>
    <message>
        <source>No Records to Delete</source>
        <translation>Geen records om te verwijderen</translation>
    </message>
    <message>
        <source>You are about to delete this record, are you sure?</source>
        <translation>U staat op het punt dit record te verwijderen. Weet u het zeker?</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Record verwijderen</translation>
    </message>
    <message>
        <source>The record could not be deleted:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Het record kon niet worden verwijderd:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>There is no record to search</source>
        <translation>Er is geen record om te doorzoeken</translation>
    </message>
    <message>
        <source>Exiting</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Search for an entry</source>
        <translation>Naar een invoer zoeken</translation>
    </message>
    <message>
        <source>enter your searchtext</source>
        <translation>voer uw zoektekst in</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>No Match found in Database!</source>
        <translation>Geen overeenkomst in de database!</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <source>File does not appear to be a valid image file...</source>
        <translation>Het bestand lijkt geen geldig afbeeldingsbestand te zijn...</translation>
    </message>
    <message>
        <source>Select picture for current record...</source>
        <translation>Foto voor het huidige record kiezen...</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</source>
        <translation>Afbeeldingen (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</translation>
    </message>
    <message>
        <source>The picture %1 is %2 MB. A record holds pictures of up to %3 MB.<byte value="xd"/>
<byte value="xd"/>
Please choose a smaller picture, or store this one as a file pointer.</source>
        <translation>De foto %1 is %2 MB. Een record bevat foto&apos;s tot %3 MB.<byte value="xd"/>
<byte value="xd"/>
Kies een kleinere foto, of bewaar deze als bestandslink.</translation>
    </message>
    <message>
        <source>The picture file %1 could not be read:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation>Het fotobestand %1 kon niet worden gelezen:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Het record houdt zijn vorige foto.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Het record houdt zijn vorige foto.</translation>
    </message>
    <message>
        <source> … [%1 more characters not shown; this field cannot be edited here]</source>
        <translation> … [%1 tekens meer niet getoond; dit veld kan hier niet worden bewerkt]</translation>
    </message>
    <message>
        <source> … [%1 more bytes not shown; this field cannot be edited here]</source>
        <translation> … [%1 bytes meer niet getoond; dit veld kan hier niet worden bewerkt]</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>De catalogus %1 kan niet worden geopend:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Add new record</source>
        <translation>Nieuw record toevoegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Edit existing record</source>
        <translation>Record bewerken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Record verwijderen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Edit Helper Menues</source>
        <translation>Keuzelijsten bewerken</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Report -- All</source>
        <translation>Rapport -- Alles</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Gezocht</translation>
    </message>
    <message>
        <source>Report -- Want</source>
        <translation>Rapport -- Gezocht</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>In bezit</translation>
    </message>
    <message>
        <source>Report -- Have</source>
        <translation>Rapport -- In bezit</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Te koop</translation>
    </message>
    <message>
        <source>Report -- Sell</source>
        <translation>Rapport -- Te koop</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Rapport -- Totalen</translation>
    </message>
    <message>
        <source>No record is shown, so none is deleted.<byte value="xd"/>
<byte value="xd"/>
Choose the record in the grid first.</source>
        <translation>Er wordt geen record getoond, dus er wordt er geen verwijderd.<byte value="xd"/>
<byte value="xd"/>
Kies eerst het record in het raster.</translation>
    </message>
    <message>
        <source>The record could not be saved: %1<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>Het record kon niet worden opgeslagen: %1<byte value="xd"/>
<byte value="xd"/>
Er is niets opgeslagen. Uw invoer staat nog in de velden: wijzig die ene en sla opnieuw op, of Annuleren.</translation>
    </message>
</context>
<context>
    <name>kbs::menuText</name>
    <message>
        <source>List file not found: %1</source>
        <translation>Lijstbestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>List file cannot be read: %1</source>
        <translation>Lijstbestand onleesbaar: %1</translation>
    </message>
    <message>
        <source>No values in %1</source>
        <translation>Geen waarden in %1</translation>
    </message>
</context>
<context>
    <name>kbs::ownfields</name>
    <message>
        <source>There is no such field (it may have been removed meanwhile).</source>
        <translation>Dit veld bestaat niet (het is misschien intussen verwijderd).</translation>
    </message>
    <message>
        <source>A field needs a name.</source>
        <translation>Een veld heeft een naam nodig.</translation>
    </message>
    <message>
        <source>The name of a field cannot hold a colon: %1</source>
        <translation>De naam van een veld mag geen dubbele punt bevatten: %1</translation>
    </message>
    <message>
        <source>The name of a field can be at most 64 characters long.</source>
        <translation>De naam van een veld mag ten hoogste 64 tekens lang zijn.</translation>
    </message>
    <message>
        <source>%1 is the name of a field the catalogue has already.</source>
        <translation>%1 is de naam van een veld dat de catalogus al heeft.</translation>
    </message>
    <message>
        <source>There is a field named %1 already.</source>
        <translation>Er is al een veld met de naam %1.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Getal</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Yes/No</source>
        <translation>Ja/Nee</translation>
    </message>
    <message>
        <source>Choice from a value list</source>
        <translation>Keuze uit een waardenlijst</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;.</source>
        <translation>%1 verwacht een getal, niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 takes an amount, not &quot;%2&quot;.</source>
        <translation>%1 verwacht een bedrag, niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 takes a date, and &quot;%2&quot; is not one.</source>
        <translation>%1 verwacht een datum, en &quot;%2&quot; is er geen.</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;.</source>
        <translation>%1 verwacht ja of nee, niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A tag cannot be empty.</source>
        <translation>Een label mag niet leeg zijn.</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: %1</source>
        <translation>Een label mag geen komma bevatten: %1</translation>
    </message>
    <message>
        <source>A tag can be at most %1 characters long: %2</source>
        <translation>Een label mag ten hoogste %1 tekens lang zijn: %2</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
</context>
<context>
    <name>kbs::panel</name>
    <message>
        <source>Description</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Year Issued</source>
        <translation>Bouwjaar</translation>
    </message>
    <message>
        <source>Nr. #</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Series list</source>
        <translation>Lijst van series</translation>
    </message>
    <message>
        <source>Car Condition</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>grading</source>
        <translation>staat</translation>
    </message>
    <message>
        <source>Car condition list</source>
        <translation>Lijst van staten</translation>
    </message>
    <message>
        <source>Wheel Type</source>
        <translation>Wielen</translation>
    </message>
    <message>
        <source>wheeltypes</source>
        <translation>wielen</translation>
    </message>
    <message>
        <source>Wheel type list</source>
        <translation>Lijst van wielen</translation>
    </message>
    <message>
        <source>Box Type</source>
        <translation>Doos</translation>
    </message>
    <message>
        <source>Box type list</source>
        <translation>Lijst van dozen</translation>
    </message>
    <message>
        <source>Box Condition</source>
        <translation>Staat doos</translation>
    </message>
    <message>
        <source>boxgrading</source>
        <translation>staat doos</translation>
    </message>
    <message>
        <source>Box condition list</source>
        <translation>Lijst van doosstaten</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Color list</source>
        <translation>Kleurenlijst</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Bewaarplaats</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Aankoopprijs</translation>
    </message>
    <message>
        <source>on</source>
        <translation>op</translation>
    </message>
    <message>
        <source>List Price</source>
        <translation>Adviesprijs</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>per</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Status list</source>
        <translation>Statuslijst</translation>
    </message>
    <message>
        <source>Purchased from</source>
        <translation>Gekocht bij</translation>
    </message>
    <message>
        <source>Base Plate Name</source>
        <translation>Naam bodemplaat</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Bodemplaat</translation>
    </message>
    <message>
        <source>Base plate name list</source>
        <translation>Lijst van bodemplaatnamen</translation>
    </message>
    <message>
        <source>Interior Color</source>
        <translation>Interieur</translation>
    </message>
    <message>
        <source>InteriorColor</source>
        <translation>Interieur</translation>
    </message>
    <message>
        <source>Interior color list</source>
        <translation>Lijst van interieurkleuren</translation>
    </message>
    <message>
        <source>Version #</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Kleur bodemplaat</translation>
    </message>
    <message>
        <source>Base color list</source>
        <translation>Kleurenlijst bodemplaat</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notities:</translation>
    </message>
</context>
<context>
    <name>kbs::panel::Headings</name>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Aankoopdatum</translation>
    </message>
    <message>
        <source>Value Date</source>
        <translation>Waardedatum</translation>
    </message>
    <message>
        <source>Base Plate Color</source>
        <translation>Kleur bodemplaat</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Interior Colour</source>
        <translation>Interieur</translation>
    </message>
    <message>
        <source>Base Plate Colour</source>
        <translation>Kleur bodemplaat</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Voertuig</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Conditie</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Beoordeling</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Wiel</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Verpakking</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Verpakkingstype</translation>
    </message>
    <message>
        <source>Box Grade</source>
        <translation>Staat verpakking</translation>
    </message>
    <message>
        <source>Body Color</source>
        <translation>Kleur carrosserie</translation>
    </message>
    <message>
        <source>Body Colour</source>
        <translation>Lakkleur</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Stuks</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Aantal stuks</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Opslag</translation>
    </message>
    <message>
        <source>Price Paid</source>
        <translation>Betaald</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Date Bought</source>
        <translation>Gekocht op</translation>
    </message>
    <message>
        <source>Bought On</source>
        <translation>Aankoop op</translation>
    </message>
    <message>
        <source>Retail Price</source>
        <translation>Winkelprijs</translation>
    </message>
    <message>
        <source>RRP</source>
        <translation>AVP</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Huidige waarde</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Geschatte waarde</translation>
    </message>
    <message>
        <source>Bought From</source>
        <translation>Gekocht van</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkoper</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Bodemnaam</translation>
    </message>
    <message>
        <source>Baseplate</source>
        <translation>Bodemplaat</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Binnenkant</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Uitvoering</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Bodemkleur</translation>
    </message>
    <message>
        <source>Base Colour</source>
        <translation>Kleur van de bodem</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaren</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
</context>
<context>
    <name>kbs::replaceText</name>
    <message>
        <source>&amp;Replace With:</source>
        <translation>&amp;Vervangen door:</translation>
    </message>
    <message>
        <source>R&amp;eplace</source>
        <translation>Ver&amp;vangen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alles vervangen</translation>
    </message>
    <message>
        <source>Done replacing, %1 replacements made</source>
        <translation>Vervangen klaar, %1 vervangingen gedaan</translation>
    </message>
</context>
<context>
    <name>kbs::reportText</name>
    <message>
        <source>Kerbside Manager Report</source>
        <translation>Kerbside Manager – Rapport</translation>
    </message>
    <message>
        <source>Kerbside Manager</source>
        <translation>Kerbside Manager</translation>
    </message>
    <message>
        <source>Report -- All</source>
        <translation>Rapport -- Alles</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Rapport -- Totalen</translation>
    </message>
    <message>
        <source>End of Report</source>
        <translation>Einde van het rapport</translation>
    </message>
    <message>
        <source>page %p of %P</source>
        <translation>pagina %p van %P</translation>
    </message>
    <message>
        <source>Issue Year</source>
        <translation>Bouwjaar</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Bewaarplaats</translation>
    </message>
    <message>
        <source>as of</source>
        <translation>per</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Eerste pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Laatste pagina</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Paginanummer</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>van %1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Hele pagina</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Paginabreedte</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Afdrukken...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exporteren als PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Report page</source>
        <translation>Rapportpagina</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Het rapport kon niet naar %1 worden geschreven.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Het rapport kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exporteren als CSV...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Exporting the records to %1 ...</source>
        <translation>De records worden naar %1 geëxporteerd ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 exported to %2.</source>
        <translation>%1 geëxporteerd naar %2.</translation>
    </message>
    <message>
        <source>Left out, as deleted meanwhile: %1.</source>
        <translation>Weggelaten, want intussen verwijderd: %1.</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 record</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 records</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>De export is geannuleerd; er is niets geschreven.</translation>
    </message>
    <message>
        <source>The records could not be exported:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nothing was written.</source>
        <translation>De records konden niet worden geëxporteerd:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Export status</source>
        <translation>Exportstatus</translation>
    </message>
</context>
<context>
    <name>kbs::safefile</name>
    <message>
        <source>%1 already exists, and an existing file or folder is never replaced.</source>
        <translation>%1 bestaat al, en een bestaand bestand of een bestaande map wordt nooit vervangen.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the disk is full.</source>
        <translation>%1 kan niet worden geschreven: de schijf is vol.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kan niet worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>kbs::searchText</name>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Zoeken naar:</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Hoofdlettergevoelig</translation>
    </message>
    <message>
        <source>F&amp;ind Next</source>
        <translation>V&amp;olgende zoeken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Sorry, string not found</source>
        <translation>Helaas, tekst niet gevonden</translation>
    </message>
</context>
<context>
    <name>kbs::stats</name>
    <message>
        <source>%1 (the first %2 of %3; all in the table)</source>
        <translation>%1 (de eerste %2 van %3; alle in de tabel)</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modellen</translation>
    </message>
    <message>
        <source>Records and models by %1</source>
        <translation>Records en modellen per %1</translation>
    </message>
    <message>
        <source>Records by status</source>
        <translation>Records per status</translation>
    </message>
    <message>
        <source>Models by year of issue</source>
        <translation>Modellen per jaar van uitgifte</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Betaald</translation>
    </message>
    <message>
        <source>List price</source>
        <translation>Catalogusprijs</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Value minus paid</source>
        <translation>Waarde min betaald</translation>
    </message>
    <message>
        <source>Money: paid, list price and value</source>
        <translation>Geld: betaald, catalogusprijs en waarde</translation>
    </message>
    <message>
        <source>All records shown</source>
        <translation>Alle getoonde records</translation>
    </message>
    <message>
        <source>Money by %1</source>
        <translation>Geld per %1</translation>
    </message>
    <message>
        <source>Growth of the collection by purchase date</source>
        <translation>Groei van de verzameling per aankoopdatum</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Records bought, in all</source>
        <translation>Gekochte records, in totaal</translation>
    </message>
    <message>
        <source>Money spent, in all</source>
        <translation>Uitgegeven geld, in totaal</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>te groot</translation>
    </message>
    <message>
        <source>Records and models by field</source>
        <translation>Records en modellen per veld</translation>
    </message>
    <message>
        <source>Status shares</source>
        <translation>Aandelen per status</translation>
    </message>
    <message>
        <source>Money in all</source>
        <translation>Geld in totaal</translation>
    </message>
    <message>
        <source>Money by field</source>
        <translation>Geld per veld</translation>
    </message>
    <message>
        <source>Growth over time</source>
        <translation>Groei in de tijd</translation>
    </message>
    <message>
        <source>%1 record shown</source>
        <translation>%1 record getoond</translation>
    </message>
    <message>
        <source>%1 records shown</source>
        <translation>%1 records getoond</translation>
    </message>
    <message>
        <source>%1 value not read as an amount</source>
        <translation>%1 waarde niet gelezen als bedrag</translation>
    </message>
    <message>
        <source>%1 values not read as amounts</source>
        <translation>%1 waarden niet gelezen als bedrag</translation>
    </message>
    <message>
        <source>%1 quantity not read as a number</source>
        <translation>%1 aantal niet gelezen als getal</translation>
    </message>
    <message>
        <source>%1 quantities not read as numbers</source>
        <translation>%1 aantallen niet gelezen als getal</translation>
    </message>
    <message>
        <source>%1 purchase date not read as a date</source>
        <translation>%1 aankoopdatum niet gelezen als datum</translation>
    </message>
    <message>
        <source>%1 purchase dates not read as dates</source>
        <translation>%1 aankoopdata niet gelezen als datum</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leeg)</translation>
    </message>
    <message>
        <source>Report -- Statistics</source>
        <translation>Rapport -- Statistieken</translation>
    </message>
    <message>
        <source>Value of the models held, by date</source>
        <translation>Waarde van de modellen in bezit, per datum</translation>
    </message>
    <message>
        <source>Value then</source>
        <translation>Waarde toen</translation>
    </message>
    <message>
        <source>Paid until then</source>
        <translation>Tot dan betaald</translation>
    </message>
    <message>
        <source>Value over time</source>
        <translation>Waarde door de tijd</translation>
    </message>
    <message>
        <source>(valuations or dates not read: %1)</source>
        <translation>(waarderingen of datums niet gelezen: %1)</translation>
    </message>
</context>
<context>
    <name>kbs::store</name>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>De bewerking is niet toegestaan als het object geopend is.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Het bestand &apos;%1&apos; is niet gevonden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>&apos;%1&apos; is geen bestand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of the older Windows program.</source>
        <translation>&apos;%1&apos; is een catalogus van het oudere Windows-programma.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF of EOF is waar, of het huidige record is verwijderd. De gevraagde bewerking vereist een huidig record.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>De bewerking is niet toegestaan als het object gesloten is.</translation>
    </message>
    <message>
        <source>The command text is empty.</source>
        <translation>De opdrachttekst is leeg.</translation>
    </message>
    <message>
        <source>A record is too large to be read: it holds %1 bytes.</source>
        <translation>Een record is te groot om te lezen: het bevat %1 bytes.</translation>
    </message>
    <message>
        <source>Another program deleted this record after it was read here. %1</source>
        <translation>Een ander programma heeft dit record verwijderd nadat het hier gelezen was. %1</translation>
    </message>
    <message>
        <source>Another program changed this record after it was read here. %1</source>
        <translation>Een ander programma heeft dit record gewijzigd nadat het hier gelezen was. %1</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Er is geen item in de verzameling dat overeenkomt met de gevraagde naam of het rangnummer.</translation>
    </message>
    <message>
        <source>Current Recordset does not support updating.</source>
        <translation>De huidige Recordset staat geen wijzigingen toe.</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be updated.</source>
        <translation>Het veld &apos;%1&apos; kan niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>The column %1 of this catalogue holds numbers only.</source>
        <translation>De kolom %1 van deze catalogus bevat alleen getallen.</translation>
    </message>
    <message>
        <source>Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.</source>
        <translation>De argumenten hebben het verkeerde type, vallen buiten het toegestane bereik of zijn met elkaar in strijd.</translation>
    </message>
    <message>
        <source>The record to update no longer exists.</source>
        <translation>Het te wijzigen record bestaat niet meer.</translation>
    </message>
    <message>
        <source>The record to delete no longer exists.</source>
        <translation>Het te verwijderen record bestaat niet meer.</translation>
    </message>
    <message>
        <source>The catalogue cannot be created: %1.</source>
        <translation>De catalogus kan niet worden aangemaakt: %1.</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 bestaat al</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>no such table: table1</source>
        <translation>tabel ontbreekt: table1</translation>
    </message>
    <message>
        <source>table1 lacks the columns %1</source>
        <translation>table1 mist de kolommen %1</translation>
    </message>
    <message>
        <source>table1 lacks the column %1</source>
        <translation>table1 mist de kolom %1</translation>
    </message>
    <message>
        <source>the table has no primary key</source>
        <translation>de tabel heeft geen primaire sleutel</translation>
    </message>
    <message>
        <source>its primary key is %1</source>
        <translation>de primaire sleutel is %1</translation>
    </message>
    <message>
        <source>ID is declared %1</source>
        <translation>ID is gedeclareerd als %1</translation>
    </message>
    <message>
        <source>without a type</source>
        <translation>zonder type</translation>
    </message>
    <message>
        <source>Records of table1 cannot be saved or deleted: its column ID must be its INTEGER PRIMARY KEY, but %1.</source>
        <translation>Records van table1 kunnen niet worden opgeslagen of verwijderd: de kolom ID moet de INTEGER PRIMARY KEY zijn, maar %1.</translation>
    </message>
    <message>
        <source>The columns of table1 are in the wrong order: %1 is column %2 but must be column %3.</source>
        <translation>De kolommen van table1 staan in de verkeerde volgorde: %1 is kolom %2 maar moet kolom %3 zijn.</translation>
    </message>
    <message>
        <source>file is not a database</source>
        <translation>het bestand is geen database</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>De catalogus is niet geopend.</translation>
    </message>
    <message>
        <source>The deleted record %1 is no longer kept.</source>
        <translation>Het verwijderde record %1 wordt niet meer bewaard.</translation>
    </message>
    <message>
        <source>The catalogue cannot hold further pictures.</source>
        <translation>De catalogus kan geen extra afbeeldingen meer bevatten.</translation>
    </message>
</context>
<context>
    <name>kbs::textboxText</name>
    <message>
        <source>File Not Found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>There has been a error!</source>
        <translation>Er is een fout opgetreden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The file cannot be opened in the editor:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The file is left as it is.</source>
        <translation>Het bestand kan niet in de editor worden geopend:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Het bestand blijft zoals het is.</translation>
    </message>
    <message>
        <source>%1 has a line of %2 characters; the editor opens files whose lines have at most %3.</source>
        <translation>%1 heeft een regel van %2 tekens; de editor opent bestanden met regels van hoogstens %3 tekens.</translation>
    </message>
</context>
<context>
    <name>kbs::tipText</name>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Tips For Kerbside Manger</source>
        <translation>Tips voor Kerbside Manager</translation>
    </message>
    <message>
        <source>Working with the Kerbside Manager...</source>
        <translation>Werken met Kerbside Manager...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Volgende tip</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Tips bij het starten</translation>
    </message>
    <message>
        <source>The tip.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Please inform Larkspur Software in order to correct this problem. </source>
        <translation>Het bestand tip.txt is niet gevonden. <byte value="xd"/>
<byte value="xd"/>
Meld dit aan Larkspur Software, zodat het probleem wordt opgelost. </translation>
    </message>
    <message>
        <source>The tips cannot be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>De tips kunnen niet worden getoond:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>kbs::tips</name>
    <message>
        <source>Click the list icon beside a field to pick a value from its list instead of typing it.</source>
        <translation>Klik op het lijstpictogram naast een veld om een waarde uit de lijst te kiezen in plaats van die te typen.</translation>
    </message>
    <message>
        <source>The pick lists come from small .ini files in the program folder: one value per line.</source>
        <translation>De keuzelijsten komen uit kleine .ini-bestanden in de programmamap: één waarde per regel.</translation>
    </message>
    <message>
        <source>Change the pick lists with Help, Edit Helper Menues. A list you save there is used at the next click of its icon.</source>
        <translation>Wijzig de keuzelijsten met Help, Keuzelijsten bewerken. Een lijst die u daar opslaat, geldt vanaf de volgende klik op het pictogram.</translation>
    </message>
    <message>
        <source>In the list editor, choosing another file asks whether to save the changes to the one you were editing.</source>
        <translation>Kiest u in de lijsteditor een ander bestand, dan vraagt die of de wijzigingen in het vorige moeten worden opgeslagen.</translation>
    </message>
    <message>
        <source>The list editor&apos;s Edit menu has Find (Ctrl+F) and Replace (Ctrl+H).</source>
        <translation>Het menu Bewerken van de lijsteditor heeft Zoeken (Ctrl+F) en Vervangen (Ctrl+H).</translation>
    </message>
    <message>
        <source>Replace All in the list editor tells you how many replacements it made.</source>
        <translation>Alles vervangen in de lijsteditor meldt hoeveel vervangingen er zijn gedaan.</translation>
    </message>
    <message>
        <source>Click a row of the grid to show that model in the fields above it.</source>
        <translation>Klik op een rij van de tabel om dat model in de velden erboven te tonen.</translation>
    </message>
    <message>
        <source>Click a column heading of the grid to sort by that column; click it again to sort the other way.</source>
        <translation>Klik op een kolomkop van de tabel om op die kolom te sorteren; klik nogmaals om andersom te sorteren.</translation>
    </message>
    <message>
        <source>Press Add to enter a new model, fill in the fields and press Save.</source>
        <translation>Druk op Nieuw om een nieuw model in te voeren, vul de velden in en druk op Opslaan.</translation>
    </message>
    <message>
        <source>Press Edit to change the model shown; Cancel leaves it as it was.</source>
        <translation>Druk op Bewerken om het getoonde model te wijzigen; Annuleren laat het zoals het was.</translation>
    </message>
    <message>
        <source>Nothing is written to your catalogue until you press Save.</source>
        <translation>Er wordt pas iets in uw catalogus geschreven als u op Opslaan drukt.</translation>
    </message>
    <message>
        <source>Press Find to look for a text in the fields of every model.</source>
        <translation>Druk op Zoeken om een tekst in de velden van alle modellen te zoeken.</translation>
    </message>
    <message>
        <source>Delete asks before it removes a model, and it never removes the last one.</source>
        <translation>Wissen vraagt het eerst voordat het een model verwijdert, en verwijdert nooit het laatste.</translation>
    </message>
    <message>
        <source>A picture can be stored in the catalogue itself or as a link to its file: choose with the two options beside it.</source>
        <translation>Een foto kan in de catalogus zelf worden bewaard of als link naar het bestand: kies met de twee opties ernaast.</translation>
    </message>
    <message>
        <source>The + and - buttons add a plus or a minus to the car&apos;s condition grade.</source>
        <translation>De knoppen + en - voegen een plus of een min toe aan de staat van het model.</translation>
    </message>
    <message>
        <source>Set the Status of a model to Want, Have or Sell, then print the matching report from the Report button.</source>
        <translation>Zet de status van een model op Want (gezocht), Have (in bezit) of Sell (te koop) en druk dan het bijbehorende rapport af met de knop Rapport.</translation>
    </message>
    <message>
        <source>Report prints all your models, or only those you want, have or sell.</source>
        <translation>Rapport drukt al uw modellen af, of alleen die u zoekt, hebt of verkoopt.</translation>
    </message>
    <message>
        <source>The status bar shows how many models your catalogue holds.</source>
        <translation>De statusbalk toont hoeveel modellen uw catalogus bevat.</translation>
    </message>
    <message>
        <source>Untick Show Tips at Startup if you would rather not see these tips when the program starts.</source>
        <translation>Vink Tips bij het starten uit als u deze tips liever niet ziet wanneer het programma start.</translation>
    </message>
    <message>
        <source>You can read all the tips at any time from Help, Tips.</source>
        <translation>U kunt alle tips op elk moment lezen via Help, Tips.</translation>
    </message>
</context>
<context>
    <name>kbs::values</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prijs</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Bron</translation>
    </message>
    <message>
        <source>%1 line %2: %3.</source>
        <translation>%1 regel %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>a column for the date and one for the value are needed</source>
        <translation>er is een kolom voor de datum en een voor de waarde nodig</translation>
    </message>
    <message>
        <source>a column for the record&apos;s ID, or columns for its Description, Number and Version #, are needed</source>
        <translation>er is een kolom voor de ID van het record nodig, of kolommen voor omschrijving, nummer en versie #</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>&quot;%1&quot; is geen record-ID</translation>
    </message>
    <message>
        <source>the row names no record</source>
        <translation>de regel noemt geen record</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date</source>
        <translation>&quot;%1&quot; is geen datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount</source>
        <translation>&quot;%1&quot; is geen bedrag</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) added, %1 already there.</source>
        <translation>
            <numerusform>%n taxatie toegevoegd, %1 al aanwezig.</numerusform>
            <numerusform>%n taxaties toegevoegd, %1 al aanwezig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not matched:</source>
        <translation>Niet gevonden:</translation>
    </message>
    <message>
        <source>Ambiguous (more than one record fits):</source>
        <translation>Dubbelzinnig (meer dan één record past):</translation>
    </message>
    <message>
        <source>The valuation is no longer in the catalogue.</source>
        <translation>De taxatie staat niet meer in de catalogus.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>%1 (IDs %2)</source>
        <translation>%1 (ID&apos;s %2)</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
</context>
<context>
    <name>kbsmgr-restore</name>
    <message>
        <source>There are no backups of %1 in %2.</source>
        <translation>Er zijn geen reservekopieën van %1 in %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kerbside Manager: a catalogue of a die-cast model car collection.</source>
        <translation>Kerbside Manager: een catalogus van een verzameling die-cast modelauto&apos;s.</translation>
    </message>
    <message>
        <source>Open a window of its own even when the program is already running on this catalogue.</source>
        <translation>Een eigen venster openen, ook als het programma al met deze catalogus draait.</translation>
    </message>
    <message>
        <source>Use this language (de, fr, nl, es, en) instead of the system&apos;s.</source>
        <translation>Deze taal (de, fr, nl, es, en) gebruiken in plaats van die van het systeem.</translation>
    </message>
    <message>
        <source>The folder for your collection cannot be prepared: %1.</source>
        <translation>De map voor uw verzameling kan niet worden voorbereid: %1.</translation>
    </message>
    <message>
        <source>The catalogue to open instead of your own.</source>
        <translation>De catalogus die in plaats van uw eigen catalogus wordt geopend.</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>De catalogus %1 bestaat niet.</translation>
    </message>
</context>
</TS>
