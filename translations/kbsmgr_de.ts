<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>kbs::CastingList</name>
    <message>
        <source>Records of the same casting</source>
        <translation>Datensätze desselben Modells</translation>
    </message>
    <message>
        <source>≠ marks what differs from what you type.</source>
        <translation>≠ markiert, was von Ihrer Eingabe abweicht.</translation>
    </message>
    <message>
        <source>You have this model already. Records of this casting in the catalogue: %1.</source>
        <translation>Dieses Modell haben Sie schon. Datensätze dieses Modells im Katalog: %1.</translation>
    </message>
    <message>
        <source>Records of this casting in the catalogue: %1.</source>
        <translation>Datensätze dieses Modells im Katalog: %1.</translation>
    </message>
    <message>
        <source>The first %1 are listed.</source>
        <translation>Die ersten %1 sind aufgeführt.</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
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
        <translation>Dasselbe Modell wie Ihre Eingabe.</translation>
    </message>
    <message>
        <source>Differs in: %1</source>
        <translation>Weicht ab in: %1</translation>
    </message>
    <message>
        <source>no quantity or storage location given</source>
        <translation>keine Anzahl und kein Lagerort angegeben</translation>
    </message>
    <message>
        <source>%1, no storage location given</source>
        <translation>%1, kein Lagerort angegeben</translation>
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
        <translation>Dieses Modell haben Sie schon: %1 („%2“, ID %3).</translation>
    </message>
    <message>
        <source>Other records of this model: %1.</source>
        <translation>Weitere Datensätze dieses Modells: %1.</translation>
    </message>
    <message>
        <source>Yes: add one to the quantity of that record (what you typed is not stored).</source>
        <translation>Ja: die Anzahl dieses Datensatzes um eins erhöhen (Ihre Eingabe wird nicht gespeichert).</translation>
    </message>
    <message>
        <source>No: save this one as a record of its own.</source>
        <translation>Nein: dieses als eigenen Datensatz speichern.</translation>
    </message>
    <message>
        <source>Cancel: go back to editing.</source>
        <translation>Abbrechen: zurück zur Bearbeitung.</translation>
    </message>
    <message>
        <source>Do I already have it?</source>
        <translation>Habe ich das schon?</translation>
    </message>
    <message>
        <source>The quantity of that record, &quot;%1&quot;, is not a whole number, so one cannot be added to it. Nothing was stored; change it there by hand, or save this one as a record of its own.</source>
        <translation>Die Anzahl dieses Datensatzes, „%1“, ist keine ganze Zahl, daher kann nicht eins hinzugezählt werden. Nichts wurde gespeichert; ändern Sie sie dort von Hand oder speichern Sie dieses als eigenen Datensatz.</translation>
    </message>
    <message>
        <source>new variation of &quot;%1&quot;</source>
        <translation>neue Variante von „%1“</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doppelte</translation>
    </message>
    <message>
        <source>Report -- Duplicates</source>
        <translation>Bericht -- Doppelte</translation>
    </message>
    <message>
        <source>Show only duplicates: records of the same model as another, or more than one piece</source>
        <translation>Nur Doppelte zeigen: Datensätze desselben Modells wie ein anderer oder mit mehr als einem Stück</translation>
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
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>New catalogue…</source>
        <translation>Neuer Katalog…</translation>
    </message>
    <message>
        <source>Open catalogue…</source>
        <translation>Katalog öffnen…</translation>
    </message>
    <message>
        <source>Open recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>CSV file…</source>
        <translation>CSV-Datei…</translation>
    </message>
    <message>
        <source>Tellico collection…</source>
        <translation>Tellico-Sammlung…</translation>
    </message>
    <message>
        <source>Catalogue of the older Windows program…</source>
        <translation>Katalog des älteren Windows-Programms…</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Import rückgängig machen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)…</source>
        <translation>Excel-Arbeitsmappe (.xlsx)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Speichern oder verwerfen Sie zuerst den bearbeiteten Datensatz.</translation>
    </message>
    <message>
        <source>The catalogue shown before cannot be opened again either: %1</source>
        <translation>Auch der zuvor gezeigte Katalog lässt sich nicht wieder öffnen: %1</translation>
    </message>
    <message>
        <source>Open catalogue</source>
        <translation>Katalog öffnen</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>Den Katalog %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program. Import makes a new catalogue of it; the file itself stays as it is.</source>
        <translation>%1 ist ein Katalog des älteren Windows-Programms. Importieren macht daraus einen neuen Katalog; die Datei selbst bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened: %2</source>
        <translation>Der Katalog %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Catalogues</source>
        <translation>Kataloge</translation>
    </message>
    <message>
        <source>New catalogue</source>
        <translation>Neuer Katalog</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be made: %2</source>
        <translation>Der Katalog %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>the conversion was stopped</source>
        <translation>die Umwandlung wurde abgebrochen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be imported as written:</source>
        <translation>
            <numerusform>%n Zeile lässt sich so nicht importieren:</numerusform>
            <numerusform>%n Zeilen lassen sich so nicht importieren:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other rows?</source>
        <translation>Die übrigen Zeilen importieren?</translation>
    </message>
    <message>
        <source>nothing could be read</source>
        <translation>nichts war lesbar</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) skipped</source>
        <translation>
            <numerusform>%n leere Zeile übersprungen</numerusform>
            <numerusform>%n leere Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>left out as a spreadsheet&apos;s sum: line(s) %1</source>
        <translation>als Summe einer Tabelle ausgelassen: Zeile(n) %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped</source>
        <translation>
            <numerusform>%n Zeile übersprungen</numerusform>
            <numerusform>%n Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Tellico collections</source>
        <translation>Tellico-Sammlungen</translation>
    </message>
    <message>
        <source>Catalogues of the older Windows program</source>
        <translation>Kataloge des älteren Windows-Programms</translation>
    </message>
    <message>
        <source>Add the records of %1 to the catalogue that is open?

Yes adds them (Undo import takes them out again); No makes a new catalogue of them and opens it.</source>
        <translation>Die Datensätze aus %1 dem geöffneten Katalog hinzufügen?

Ja fügt sie hinzu („Import rückgängig machen“ nimmt sie wieder heraus); Nein macht aus ihnen einen neuen Katalog und öffnet ihn.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>es ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 lässt sich nicht importieren: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2.</source>
        <translation>Importiert aus %1: %2.</translation>
    </message>
    <message>
        <source>Added from %1: %2. Help &gt; Undo import takes them out again.</source>
        <translation>Hinzugefügt aus %1: %2. Hilfe &gt; Import rückgängig machen nimmt sie wieder heraus.</translation>
    </message>
    <message numerus="yes">
        <source>Take the %n record(s) imported from %1 out of the catalogue again?</source>
        <translation>
            <numerusform>Den %n aus %1 importierten Datensatz wieder aus dem Katalog nehmen?</numerusform>
            <numerusform>Die %n aus %1 importierten Datensätze wieder aus dem Katalog nehmen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The import cannot be undone: %1</source>
        <translation>Der Import lässt sich nicht rückgängig machen: %1</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Excel-Arbeitsmappen</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 gibt es schon; wählen Sie einen neuen Namen.</translation>
    </message>
    <message>
        <source>The catalogue cannot be exported: %1</source>
        <translation>Der Katalog lässt sich nicht exportieren: %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n record(s) to %1.</source>
        <translation>
            <numerusform>%n Datensatz nach %1 exportiert.</numerusform>
            <numerusform>%n Datensätze nach %1 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::CatalogueWriter</name>
    <message>
        <source>The new catalogue %1 is not written: its source names the same pictures for many records, and as each record keeps a copy of its own, the copies would take more than %2 MB.</source>
        <translation>Der neue Katalog %1 wird nicht geschrieben: Seine Quelle nennt dieselben Bilder für viele Datensätze, und da jeder Datensatz eine eigene Kopie behält, würden die Kopien mehr als %2 MB belegen.</translation>
    </message>
    <message>
        <source>The new catalogue %1 cannot be written: %2</source>
        <translation>Der neue Katalog %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it already exists, and an existing file is never replaced.</source>
        <translation>Er ist schon vorhanden, und eine vorhandene Datei wird nie ersetzt.</translation>
    </message>
    <message>
        <source>The old catalogue had no column %1; the new one leaves it empty.</source>
        <translation>Der alte Katalog hatte keine Spalte %1; der neue lässt sie leer.</translation>
    </message>
    <message>
        <source>The old catalogue&apos;s column %1, which this version does not use, was kept at the end of the table.</source>
        <translation>Die Spalte %1 des alten Katalogs, die diese Version nicht verwendet, wurde am Ende der Tabelle behalten.</translation>
    </message>
    <message>
        <source>the old %1 has none of the catalogue&apos;s columns.</source>
        <translation>Die alte %1 hat keine der Spalten des Katalogs.</translation>
    </message>
    <message>
        <source>Record %1 has the ID &quot;%2&quot;, which is not a whole number.</source>
        <translation>Datensatz %1 hat die ID „%2“, die keine ganze Zahl ist.</translation>
    </message>
    <message>
        <source>Two records have the ID %1; the second is record %2.</source>
        <translation>Zwei Datensätze haben die ID %1; der zweite ist Datensatz %2.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones.</source>
        <translation>%1 Datensatz/Datensätze hatten keine ID und bekamen neue.</translation>
    </message>
    <message>
        <source>it holds %1 records instead of %2.</source>
        <translation>Er enthält %1 Datensätze statt %2.</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistCommands</name>
    <message>
        <source>Checklists…</source>
        <translation>Checklisten…</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistsWindow</name>
    <message>
        <source>Checklists</source>
        <translation>Checklisten</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Serie und Nummer</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Add entry…</source>
        <translation>Eintrag &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Remove en&amp;try</source>
        <translation>Eintrag &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Mark the missing as wanted</source>
        <translation>Fehlende als &amp;gesucht markieren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Show its records</source>
        <translation>&amp;Datensätze zeigen</translation>
    </message>
    <message>
        <source>Missing &amp;report</source>
        <translation>Bericht &amp;Fehlende</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>C&amp;hecklists:</source>
        <translation>&amp;Checklisten:</translation>
    </message>
    <message>
        <source>Matched &amp;by:</source>
        <translation>&amp;Abgleich nach:</translation>
    </message>
    <message>
        <source>&amp;Entries:</source>
        <translation>Ein&amp;träge:</translation>
    </message>
    <message>
        <source>Checklist status</source>
        <translation>Stand der Checkliste</translation>
    </message>
    <message>
        <source>The checklists cannot be read: %1</source>
        <translation>Die Checklisten können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>held %1 of %2</source>
        <translation>%1 von %2 vorhanden</translation>
    </message>
    <message>
        <source>The checklist cannot be read: %1</source>
        <translation>Die Checkliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>held</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>wanted</source>
        <translation>gesucht</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>%1: %2 held, %3 wanted, %4 missing.</source>
        <translation>%1: %2 vorhanden, %3 gesucht, %4 fehlen.</translation>
    </message>
    <message>
        <source>No checklist yet: import one from a CSV file or make a new one.</source>
        <translation>Noch keine Checkliste: Importieren Sie eine aus einer CSV-Datei oder legen Sie eine neue an.</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Speichern oder verwerfen Sie zuerst den Datensatz, der bearbeitet wird.</translation>
    </message>
    <message>
        <source>The checklist could not be saved: %1</source>
        <translation>Die Checkliste konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Import a checklist</source>
        <translation>Checkliste importieren</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message numerus="yes">
        <source>The series whose models &quot;%1&quot; lists (%n model(s)), as the records&apos; Series field names it:</source>
        <translation>
            <numerusform>Die Serie, deren Modelle „%1“ aufführt (%n Modell), wie das Feld Serie der Datensätze sie nennt:</numerusform>
            <numerusform>Die Serie, deren Modelle „%1“ aufführt (%n Modelle), wie das Feld Serie der Datensätze sie nennt:</numerusform>
        </translation>
    </message>
    <message>
        <source>New checklist</source>
        <translation>Neue Checkliste</translation>
    </message>
    <message>
        <source>The series, as the records&apos; Series field names it:</source>
        <translation>Die Serie, wie das Feld Serie der Datensätze sie nennt:</translation>
    </message>
    <message>
        <source>Delete the checklist &quot;%1&quot;? Its records stay in the catalogue.</source>
        <translation>Die Checkliste „%1“ löschen? Ihre Datensätze bleiben im Katalog.</translation>
    </message>
    <message>
        <source>Delete checklist</source>
        <translation>Checkliste löschen</translation>
    </message>
    <message>
        <source>The checklist could not be deleted: %1</source>
        <translation>Die Checkliste konnte nicht gelöscht werden: %1</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nummer:</translation>
    </message>
    <message>
        <source>The checklist has number %1 already.</source>
        <translation>Die Checkliste hat die Nummer %1 schon.</translation>
    </message>
    <message>
        <source>Name of model %1:</source>
        <translation>Name des Modells %1:</translation>
    </message>
    <message>
        <source>Each entry needs a number of its own and a name; the change is not kept.</source>
        <translation>Jeder Eintrag braucht eine eigene Nummer und einen Namen; die Änderung wird nicht übernommen.</translation>
    </message>
    <message>
        <source>The matching rule could not be saved: %1</source>
        <translation>Die Abgleichsregel konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Mark the missing as wanted</source>
        <translation>Fehlende als gesucht markieren</translation>
    </message>
    <message>
        <source>Nothing of &quot;%1&quot; is missing.</source>
        <translation>Von „%1“ fehlt nichts.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n record(s) with status &quot;Want&quot; for the models of &quot;%1&quot; that are missing?</source>
        <translation>
            <numerusform>%n Datensatz mit Status „Want“ für das fehlende Modell von „%1“ anlegen?</numerusform>
            <numerusform>%n Datensätze mit Status „Want“ für die fehlenden Modelle von „%1“ anlegen?</numerusform>
        </translation>
    </message>
    <message>
        <source>No record was added: %1</source>
        <translation>Es wurde kein Datensatz angelegt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; added; Undo takes them out again.</source>
        <translation>
            <numerusform>%n Datensatz mit Status „Want“ angelegt; Rückgängig nimmt ihn wieder heraus.</numerusform>
            <numerusform>%n Datensätze mit Status „Want“ angelegt; Rückgängig nimmt sie wieder heraus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; taken out again.</source>
        <translation>
            <numerusform>%n Datensatz mit Status „Want“ wieder herausgenommen.</numerusform>
            <numerusform>%n Datensätze mit Status „Want“ wieder herausgenommen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::ColumnMappingDialog</name>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Further picture files</source>
        <translation>Weitere Bilddateien</translation>
    </message>
    <message>
        <source>Further linked pictures</source>
        <translation>Weitere verknüpfte Bilder</translation>
    </message>
    <message>
        <source>Further pictures&apos; captions</source>
        <translation>Bildunterschriften weiterer Bilder</translation>
    </message>
    <message>
        <source>Import a CSV file</source>
        <translation>CSV-Datei importieren</translation>
    </message>
    <message>
        <source>Choose the field each column of the file goes to. The file&apos;s first rows:</source>
        <translation>Wählen Sie für jede Spalte der Datei das Feld, in das sie kommt. Die ersten Zeilen der Datei:</translation>
    </message>
    <message>
        <source>The file&apos;s first rows</source>
        <translation>Die ersten Zeilen der Datei</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Field for the column %1</source>
        <translation>Feld für die Spalte %1</translation>
    </message>
    <message>
        <source>%1 is chosen for more than one column.</source>
        <translation>%1 ist für mehr als eine Spalte gewählt.</translation>
    </message>
    <message>
        <source>Choose a field for at least one column.</source>
        <translation>Wählen Sie für mindestens eine Spalte ein Feld.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>A field of its own, named by the heading</source>
        <translation>Ein eigenes Feld, benannt nach der Überschrift</translation>
    </message>
</context>
<context>
    <name>kbs::ColumnsDialog</name>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>&amp;Columns shown in the grid, in their order:</source>
        <translation>&amp;Spalten der Tabelle, in ihrer Reihenfolge:</translation>
    </message>
    <message>
        <source>Space shows or hides the column; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Leertaste zeigt oder verbirgt die Spalte; Strg+Auf und Strg+Ab verschieben sie.</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>D&amp;escribed columns</source>
        <translation>Beschri&amp;ebene Spalten</translation>
    </message>
</context>
<context>
    <name>kbs::DeleteUndo</name>
    <message>
        <source>Undo delete</source>
        <translation>Löschen rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>Löschen &amp;rückgängig</translation>
    </message>
    <message>
        <source>Brings back the record just deleted (Ctrl+Z)</source>
        <translation>Holt den eben gelöschten Datensatz zurück (Strg+Z)</translation>
    </message>
</context>
<context>
    <name>kbs::DetailPanel</name>
    <message>
        <source>&quot;%1&quot; (column %2)</source>
        <translation>„%1“ (Spalte %2)</translation>
    </message>
</context>
<context>
    <name>kbs::DuplicatesReport</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
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
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Base plate</source>
        <translation>Bodenplatte</translation>
    </message>
    <message>
        <source>Base color</source>
        <translation>Bodenfarbe</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Räder</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>Stored in</source>
        <translation>Lagerort</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Keine Doppelten.</translation>
    </message>
</context>
<context>
    <name>kbs::FieldsWindow</name>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Value list</source>
        <translation>Werteliste</translation>
    </message>
    <message>
        <source>Your fields</source>
        <translation>Ihre Felder</translation>
    </message>
    <message>
        <source>Your &amp;fields, in their order:</source>
        <translation>Ihre &amp;Felder, in ihrer Reihenfolge:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>Value &amp;list:</source>
        <translation>Werte&amp;liste:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Adds a field with the name, kind and value list above</source>
        <translation>Fügt ein Feld mit Name, Art und Werteliste von oben hinzu</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>Gives the chosen field the name and value list above; its kind stays</source>
        <translation>Gibt dem gewählten Feld Name und Werteliste von oben; seine Art bleibt</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Nach o&amp;ben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach un&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Edit value list…</source>
        <translation>Werteliste bearbe&amp;iten…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message numerus="yes">
        <source>The field &quot;%1&quot; holds a value in %n record(s). Remove it with its values?<byte value="xd"/>
<byte value="xd"/>
Until you close this window, Undo brings it back with them.</source>
        <translation>
            <numerusform>Das Feld „%1“ enthält in %n Datensatz einen Wert. Mit seinen Werten entfernen?<byte value="xd"/>
<byte value="xd"/>
Bis Sie dieses Fenster schließen, holt Rückgängig es mit ihnen zurück.</numerusform>
            <numerusform>Das Feld „%1“ enthält in %n Datensätzen einen Wert. Mit seinen Werten entfernen?<byte value="xd"/>
<byte value="xd"/>
Bis Sie dieses Fenster schließen, holt Rückgängig es mit ihnen zurück.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::FilterBar</name>
    <message>
        <source>Filter, e.g. red box:mint -sell</source>
        <translation>Filter, z. B. rot -sell</translation>
    </message>
    <message>
        <source>Filter the records</source>
        <translation>Datensätze filtern</translation>
    </message>
    <message>
        <source>Filter the records (%1). Words must all match, in any field, any case.
&quot;mint in box&quot; keeps words together; color:red looks in one field (its label or column);
-sell leaves records out; year:1968-1975, year:&gt;1980, value:&gt;20 are ranges.
Escape clears the filter.</source>
        <translation>Datensätze filtern (%1). Alle Wörter müssen passen, in jedem Feld, Groß/klein egal.
&quot;mint in box&quot; hält Wörter zusammen; color:rot sucht in einem Feld (englische Beschriftung oder Spalte);
-sell lässt Datensätze weg; year:1968-1975, year:&gt;1980, value:&gt;20 sind Bereiche.
Esc leert den Filter.</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>Habe</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Biete</translation>
    </message>
    <message>
        <source>Show only records you want</source>
        <translation>Nur gesuchte Modelle zeigen</translation>
    </message>
    <message>
        <source>Show only records you have</source>
        <translation>Nur vorhandene Modelle zeigen</translation>
    </message>
    <message>
        <source>Show only records you sell</source>
        <translation>Nur Modelle zum Verkauf zeigen</translation>
    </message>
    <message>
        <source> (none pressed: every status)</source>
        <translation> (keiner gedrückt: jeder Status)</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 von %2 Datensätzen</translation>
    </message>
    <message>
        <source>No record matches the filter. Escape in the filter clears it.</source>
        <translation>Kein Datensatz passt zum Filter. Esc im Filter leert ihn.</translation>
    </message>
    <message>
        <source>Search wrapped to the top</source>
        <translation>Suche am Anfang fortgesetzt</translation>
    </message>
    <message>
        <source>Search wrapped to the bottom</source>
        <translation>Suche am Ende fortgesetzt</translation>
    </message>
    <message>
        <source>Find Next F3, Find Previous Shift+F3</source>
        <translation>Weitersuchen F3, Rückwärts suchen Umschalt+F3</translation>
    </message>
    <message>
        <source>Shown records</source>
        <translation>Angezeigte Datensätze</translation>
    </message>
    <message>
        <source>Report -- Shown records</source>
        <translation>Bericht -- Angezeigte Datensätze</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) so far, still counting…</source>
        <translation>
            <numerusform>%n Datensatz bisher, es wird noch gezählt…</numerusform>
            <numerusform>%n Datensätze bisher, es wird noch gezählt…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::Gallery</name>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
</context>
<context>
    <name>kbs::GridColumns</name>
    <message>
        <source>Columns…</source>
        <translation>Spalten…</translation>
    </message>
    <message>
        <source>Hide &quot;%1&quot;</source>
        <translation>„%1“ ausblenden</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Described columns</source>
        <translation>Beschriebene Spalten</translation>
    </message>
</context>
<context>
    <name>kbs::GroupPanel</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>%1 (+%2?)</source>
        <translation>%1 (+%2?)</translation>
    </message>
    <message numerus="yes">
        <source>%n quantity(ies) could not be read as a whole number and are not added up.</source>
        <translation>
            <numerusform>%n Anzahl konnte nicht als ganze Zahl gelesen werden und ist nicht mitgezählt.</numerusform>
            <numerusform>%n Anzahlen konnten nicht als ganze Zahlen gelesen werden und sind nicht mitgezählt.</numerusform>
        </translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Alle Datensätze</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leer)</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a decade: 1960s</comment>
        <translation>%1er</translation>
    </message>
    <message>
        <source>Group view</source>
        <translation>Gruppenansicht</translation>
    </message>
    <message>
        <source>Group by</source>
        <translation>Gruppieren nach</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>dann nach</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>Close the group view</source>
        <translation>Gruppenansicht schließen</translation>
    </message>
    <message>
        <source>Close the group view (%1)</source>
        <translation>Gruppenansicht schließen (%1)</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Report -- Missing</source>
        <translation>Bericht -- Fehlende</translation>
    </message>
    <message numerus="yes">
        <source>%1 (series %2): %n model(s) missing</source>
        <translation>
            <numerusform>%1 (Serie %2): %n Modell fehlt</numerusform>
            <numerusform>%1 (Serie %2): %n Modelle fehlen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
</context>
<context>
    <name>kbs::OpenSaveDialog</name>
    <message>
        <source>File dialog</source>
        <translation>Dateiauswahl</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsCommands</name>
    <message>
        <source>Fields…</source>
        <translation>Felder…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Speichern oder verwerfen Sie zuerst den bearbeiteten Datensatz.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsPart</name>
    <message>
        <source>Your fields and tags</source>
        <translation>Ihre Felder und Schlagwörter</translation>
    </message>
    <message>
        <source>Your fields in short</source>
        <translation>Ihre Felder in Kürze</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Short tags, separated by commas</source>
        <translation>Kurze Schlagwörter, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>chase, error, carded</source>
        <translation>Chase, Fehler, auf Karte</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>&amp;Schlagwörter:</translation>
    </message>
    <message>
        <source>Open: the editors follow</source>
        <translation>Geöffnet: die Eingabefelder folgen</translation>
    </message>
    <message>
        <source>Closed: press to edit your fields and tags</source>
        <translation>Geschlossen: drücken, um Ihre Felder und Schlagwörter zu bearbeiten</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>jjjj-mm-tt</translation>
    </message>
    <message>
        <source>Tags: %1</source>
        <translation>Schlagwörter: %1</translation>
    </message>
</context>
<context>
    <name>kbs::PictureStrip</name>
    <message>
        <source>Pictures of the record</source>
        <translation>Bilder des Datensatzes</translation>
    </message>
    <message>
        <source>The record&apos;s pictures: click one to show it, Enter to view it large. In Add and Edit: Insert adds, Delete removes, Ctrl+Left/Right moves, Ctrl+M makes it the main picture, F2 edits its caption, Ctrl+V pastes one; pictures can be dropped here.</source>
        <translation>Die Bilder des Datensatzes: Klick zeigt eines, Eingabe zeigt es groß. Beim Anlegen und Bearbeiten: Einfg fügt hinzu, Entf entfernt, Strg+Links/Rechts verschiebt, Strg+M macht es zum Hauptbild, F2 bearbeitet die Bildunterschrift, Strg+V fügt eines ein; Bilder können hierher gezogen werden.</translation>
    </message>
    <message>
        <source>View large	Enter</source>
        <translation>Groß anzeigen	Eingabe</translation>
    </message>
    <message>
        <source>Add pictures...	Ins</source>
        <translation>Bilder hinzufügen...	Einfg</translation>
    </message>
    <message>
        <source>Paste picture	Ctrl+V</source>
        <translation>Bild einfügen	Strg+V</translation>
    </message>
    <message>
        <source>Remove picture	Del</source>
        <translation>Bild entfernen	Entf</translation>
    </message>
    <message>
        <source>Move left	Ctrl+Left</source>
        <translation>Nach links	Strg+Links</translation>
    </message>
    <message>
        <source>Move right	Ctrl+Right</source>
        <translation>Nach rechts	Strg+Rechts</translation>
    </message>
    <message>
        <source>Make main picture	Ctrl+M</source>
        <translation>Zum Hauptbild machen	Strg+M</translation>
    </message>
    <message>
        <source>Caption...	F2</source>
        <translation>Bildunterschrift...	F2</translation>
    </message>
    <message>
        <source>Picture commands</source>
        <translation>Bildbefehle</translation>
    </message>
    <message>
        <source>Picture %1 of %2, the main picture</source>
        <translation>Bild %1 von %2, das Hauptbild</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Bild %1 von %2</translation>
    </message>
    <message>
        <source>Add pictures to the current record...</source>
        <translation>Bilder zum aktuellen Datensatz hinzufügen...</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>These files were not added, as they are not pictures the program can show: %1</source>
        <translation>Diese Dateien wurden nicht hinzugefügt, da das Programm sie nicht als Bild anzeigen kann: %1</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Die Zwischenablage enthält kein Bild.</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Caption of picture %1:</source>
        <translation>Bildunterschrift von Bild %1:</translation>
    </message>
    <message>
        <source>Picture caption</source>
        <translation>Bildunterschrift</translation>
    </message>
</context>
<context>
    <name>kbs::PictureViewer</name>
    <message>
        <source>Picture %1 of %2: %3</source>
        <translation>Bild %1 von %2: %3</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Bild %1 von %2</translation>
    </message>
    <message>
        <source>This picture cannot be shown.</source>
        <translation>Dieses Bild kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>fitted, %1 %</source>
        <translation>eingepasst, %1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Picture %1 of %2%3 · %4 · +/- zoom, 1: 100 %, 0: fit, arrows: previous/next, Esc: close</source>
        <translation>Bild %1 von %2%3 · %4 · +/- Zoom, 1: 100 %, 0: einpassen, Pfeile: vorheriges/nächstes, Esc: schließen</translation>
    </message>
    <message>
        <source>Viewer status</source>
        <translation>Status der Bildansicht</translation>
    </message>
</context>
<context>
    <name>kbs::RecentlyDeletedDialog</name>
    <message>
        <source>Recently deleted</source>
        <translation>Kürzlich gelöscht</translation>
    </message>
    <message>
        <source>&amp;Deleted records:</source>
        <translation>&amp;Gelöschte Datensätze:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The deleted records cannot be read: %1.</source>
        <translation>Die gelöschten Datensätze können nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No record was deleted in the last %1 days.</source>
        <translation>In den letzten %1 Tagen wurde kein Datensatz gelöscht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is back in the catalogue.</source>
        <translation>„%1“ ist wieder im Katalog.</translation>
    </message>
</context>
<context>
    <name>kbs::RecordFilter</name>
    <message>
        <source>checklist</source>
        <translation>checkliste</translation>
    </message>
    <message>
        <source>tag</source>
        <translation>etikett</translation>
    </message>
</context>
<context>
    <name>kbs::RecoveryCommands</name>
    <message>
        <source>Restore a backup…</source>
        <translation>Sicherung wiederherstellen…</translation>
    </message>
    <message>
        <source>Recently deleted…</source>
        <translation>Kürzlich gelöscht…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Speichern oder verwerfen Sie zuerst den bearbeiteten Datensatz.</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backups are made of the program&apos;s own catalogue only; open it to restore one.</source>
        <translation>Sicherungen gibt es nur vom eigenen Katalog des Programms; öffnen Sie ihn, um eine wiederherzustellen.</translation>
    </message>
</context>
<context>
    <name>kbs::ReportCommands</name>
    <message>
        <source>Statistics…</source>
        <translation>Statistik…</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPageView</name>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPreview</name>
    <message>
        <source>Export as spreadsheet...</source>
        <translation>Als Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Export for Tellico...</source>
        <translation>Für Tellico exportieren...</translation>
    </message>
    <message>
        <source>Export as spreadsheet</source>
        <translation>Als Tabelle exportieren</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>Export for Tellico</source>
        <translation>Für Tellico exportieren</translation>
    </message>
    <message>
        <source>Tellico collections (*.tc)</source>
        <translation>Tellico-Sammlungen (*.tc)</translation>
    </message>
    <message>
        <source>Web page for phones...</source>
        <translation>Webseite fürs Telefon...</translation>
    </message>
    <message>
        <source>Web page for phones</source>
        <translation>Webseite fürs Telefon</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webseiten (*.html)</translation>
    </message>
</context>
<context>
    <name>kbs::RestoreDialog</name>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Sicherungen:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Restore progress</source>
        <translation>Fortschritt der Wiederherstellung</translation>
    </message>
    <message>
        <source>The chosen backup becomes a new catalogue; the catalogue as it is now is kept beside it.</source>
        <translation>Die gewählte Sicherung wird ein neuer Katalog; der jetzige Katalog bleibt daneben erhalten.</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>Es gibt noch keine Sicherungen.</translation>
    </message>
    <message>
        <source>Restore status</source>
        <translation>Status der Wiederherstellung</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>no new file can be made beside the catalogue</source>
        <translation>neben dem Katalog kann keine neue Datei angelegt werden</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>Die Sicherung vom %1 wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1.</translation>
    </message>
    <message>
        <source>another copy of the program has the catalogue open; close it first</source>
        <translation>eine andere Kopie des Programms hat den Katalog geöffnet; schließen Sie sie zuerst</translation>
    </message>
</context>
<context>
    <name>kbs::ShareCommands</name>
    <message>
        <source>Share and Labels…</source>
        <translation>Teilen und Etiketten…</translation>
    </message>
    <message>
        <source>Save web page</source>
        <translation>Webseite speichern</translation>
    </message>
    <message>
        <source>want-list</source>
        <translation>suchliste</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webseiten (*.html)</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n entries.</source>
        <translation>
            <numerusform>%1 geschrieben: %n Eintrag.</numerusform>
            <numerusform>%1 geschrieben: %n Einträge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>There are no records to make labels for.</source>
        <translation>Es gibt keine Datensätze, für die Etiketten gemacht werden können.</translation>
    </message>
</context>
<context>
    <name>kbs::ShareDialog</name>
    <message>
        <source>Share and Labels</source>
        <translation>Teilen und Etiketten</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Suchliste</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>Zu verkaufen oder tauschen</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Fehlt in Checklisten</translation>
    </message>
    <message>
        <source>Records shown</source>
        <translation>Angezeigte Datensätze</translation>
    </message>
    <message>
        <source>Whole collection</source>
        <translation>Ganze Sammlung</translation>
    </message>
    <message>
        <source>%1 (private)</source>
        <translation>%1 (privat)</translation>
    </message>
    <message>
        <source>Small (list)</source>
        <translation>Klein (Liste)</translation>
    </message>
    <message>
        <source>Large, %1 pixels</source>
        <translation>Groß, %1 Pixel</translation>
    </message>
    <message>
        <source>%1: %2 × %3 mm, %4 a sheet (%5)</source>
        <translation>%1: %2 × %3 mm, %4 je Bogen (%5)</translation>
    </message>
    <message>
        <source>Small &amp;picture on each label</source>
        <translation>Kleines &amp;Bild auf jedem Etikett</translation>
    </message>
    <message>
        <source>&amp;QR code of the record&apos;s ID</source>
        <translation>&amp;QR-Code der Datensatz-ID</translation>
    </message>
    <message>
        <source>&amp;Records:</source>
        <translation>&amp;Datensätze:</translation>
    </message>
    <message>
        <source>Check&amp;lists:</source>
        <translation>Check&amp;listen:</translation>
    </message>
    <message>
        <source>&amp;Fields:</source>
        <translation>&amp;Felder:</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>P&amp;ictures:</source>
        <translation>B&amp;ilder:</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Bogen:</translation>
    </message>
    <message>
        <source>Save &amp;web page...</source>
        <translation>&amp;Webseite speichern...</translation>
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
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Chart:</source>
        <translation>&amp;Diagramm:</translation>
    </message>
    <message>
        <source>&amp;By:</source>
        <translation>&amp;Nach:</translation>
    </message>
    <message>
        <source>Save as &amp;PNG…</source>
        <translation>Als &amp;PNG speichern…</translation>
    </message>
    <message>
        <source>Save as S&amp;VG…</source>
        <translation>Als S&amp;VG speichern…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Bericht…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Numbers of the chart: %1</source>
        <translation>Zahlen des Diagramms: %1</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 gibt es schon; wählen Sie einen neuen Namen.</translation>
    </message>
    <message>
        <source>Save the chart as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Save the chart as SVG</source>
        <translation>Diagramm als SVG speichern</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
</context>
<context>
    <name>kbs::TotalsReport</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modelle</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Einkauf</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Unlesbar</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Text as stored</source>
        <translation>Gespeicherter Text</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>By status</source>
        <translation>Nach Status</translation>
    </message>
    <message>
        <source>By series</source>
        <translation>Nach Serie</translation>
    </message>
    <message>
        <source>Values that could not be read</source>
        <translation>Nicht lesbare Werte</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
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
        <translation>Alle Datensätze</translation>
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
        <translation>Modell</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Report -- Value changes</source>
        <translation>Bericht -- Wertänderungen</translation>
    </message>
    <message>
        <source>Rose most from %1 to %2</source>
        <translation>Am stärksten gestiegen vom %1 bis %2</translation>
    </message>
    <message>
        <source>Fell most from %1 to %2</source>
        <translation>Am stärksten gefallen vom %1 bis %2</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: keine</translation>
    </message>
</context>
<context>
    <name>kbs::ValueChart</name>
    <message>
        <source>No valuation with a date to draw.</source>
        <translation>Keine Bewertung mit Datum zum Zeichnen.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueCommands</name>
    <message>
        <source>Value history</source>
        <translation>Wertverlauf</translation>
    </message>
    <message>
        <source>Value history (%1)</source>
        <translation>Wertverlauf (%1)</translation>
    </message>
    <message>
        <source>Value changes…</source>
        <translation>Wertänderungen…</translation>
    </message>
    <message>
        <source>Price guide (valuations)…</source>
        <translation>Preisliste (Bewertungen)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Speichern oder verwerfen Sie zuerst den bearbeiteten Datensatz.</translation>
    </message>
    <message>
        <source>Import a price guide</source>
        <translation>Preisliste importieren</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>Nichts wurde importiert. %1</translation>
    </message>
    <message>
        <source>Value changes</source>
        <translation>Wertänderungen</translation>
    </message>
    <message>
        <source>From which date (YYYY-MM-DD)?</source>
        <translation>Ab welchem Datum (JJJJ-MM-TT)?</translation>
    </message>
    <message>
        <source>To which date (YYYY-MM-DD)?</source>
        <translation>Bis zu welchem Datum (JJJJ-MM-TT)?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>„%1“ ist kein Datum. Geben Sie es als 2026-03-31 ein.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueHistoryDialog</name>
    <message>
        <source>Value history</source>
        <translation>Wertverlauf</translation>
    </message>
    <message>
        <source>Value history: %1</source>
        <translation>Wertverlauf: %1</translation>
    </message>
    <message>
        <source>&amp;Valuations:</source>
        <translation>&amp;Bewertungen:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Valuations</source>
        <translation>Bewertungen</translation>
    </message>
    <message>
        <source>Chart of the valuations</source>
        <translation>Diagramm der Bewertungen</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>Valu&amp;e:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>price guide, auction, fair...</source>
        <translation>Preisliste, Auktion, Börse...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>Löschen &amp;rückgängig</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>„%1“ ist kein Datum. Geben Sie es als 2026-03-31 ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount. Type it as 12.50.</source>
        <translation>„%1“ ist kein Betrag. Geben Sie ihn als 12.50 ein.</translation>
    </message>
</context>
<context>
    <name>kbs::ViewCommands</name>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
</context>
<context>
    <name>kbs::WindowKeys</name>
    <message>
        <source>%1 (%2 in the field)</source>
        <translation>%1 (%2 im Feld)</translation>
    </message>
</context>
<context>
    <name>kbs::aboutText</name>
    <message>
        <source>A catalogue for collectors of die-cast model cars: every model with its series, colours, base plate, wheels, box, condition, price and picture, kept in one file on this computer.</source>
        <translation>Ein Katalog für Sammler von Modellautos aus Druckguss: jedes Modell mit Serie, Farben, Bodenplatte, Rädern, Verpackung, Zustand, Preis und Bild, in einer Datei auf diesem Computer.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Kerbside Manager v</source>
        <translation>Kerbside Manager v</translation>
    </message>
    <message>
        <source>Click here to visit Kerbside Manager Homepage</source>
        <translation>Hier klicken für die Kerbside-Manager-Homepage</translation>
    </message>
    <message>
        <source>The web browser could not be started. The Kerbside Manager homepage is at:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Der Webbrowser konnte nicht gestartet werden. Die Homepage von Kerbside Manager ist:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Copyright © Larkspur Software.
This program is free software under the GNU General Public License, version 3 or later, and comes without warranty of any kind. Keep a copy of your catalogue file in a safe place.</source>
        <translation>Copyright © Larkspur Software.
Dieses Programm ist freie Software unter der GNU General Public License, Version 3 oder später, und wird ohne jede Gewährleistung geliefert. Bewahren Sie eine Kopie Ihrer Katalogdatei an einem sicheren Ort auf.</translation>
    </message>
</context>
<context>
    <name>kbs::amounts</name>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
</context>
<context>
    <name>kbs::backup</name>
    <message>
        <source>The catalogue could not be backed up: %1.</source>
        <translation>Der Katalog konnte nicht gesichert werden: %1.</translation>
    </message>
    <message>
        <source>the disk became full while copying the catalogue</source>
        <translation>die Festplatte wurde beim Kopieren des Katalogs voll</translation>
    </message>
    <message>
        <source>the disk could not read the catalogue</source>
        <translation>die Festplatte konnte den Katalog nicht lesen</translation>
    </message>
    <message>
        <source>the copy grew larger than a file may be</source>
        <translation>die Kopie wurde größer, als eine Datei sein darf</translation>
    </message>
    <message>
        <source>the disk could not write the copy</source>
        <translation>die Festplatte konnte die Kopie nicht schreiben</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>es war nicht genug Arbeitsspeicher frei</translation>
    </message>
    <message>
        <source>the catalogue is damaged</source>
        <translation>der Katalog ist beschädigt</translation>
    </message>
    <message>
        <source>a file could not be opened</source>
        <translation>eine Datei ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>die Festplatte meldete einen Fehler (%1)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>die Festplatte meldete einen Fehler</translation>
    </message>
    <message>
        <source>the catalogue cannot be opened (%1)</source>
        <translation>der Katalog lässt sich nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>the copy did not read back whole</source>
        <translation>die Kopie ließ sich nicht vollständig zurücklesen</translation>
    </message>
    <message>
        <source>the backup did not read back whole</source>
        <translation>die Sicherung ließ sich nicht vollständig zurücklesen</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 ist nicht vorhanden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is no whole copy of the catalogue and cannot be moved aside</source>
        <translation>%1 ist keine vollständige Kopie des Katalogs und lässt sich nicht beiseitelegen</translation>
    </message>
    <message>
        <source>%1 was no whole copy of the catalogue; it is kept as %2.</source>
        <translation>%1 war keine vollständige Kopie des Katalogs; sie bleibt als %2 erhalten.</translation>
    </message>
    <message>
        <source>Backup copies dated after today are kept but not counted: %1.</source>
        <translation>Sicherungen mit einem Datum nach heute bleiben erhalten, zählen aber nicht: %1.</translation>
    </message>
    <message>
        <source>No backup of the catalogue today: less than %1 MB is free on the disk. </source>
        <translation>Heute keine Sicherung des Katalogs: Auf der Festplatte sind weniger als %1 MB frei. </translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the picture file %1 is missing</source>
        <translation>die Bilddatei %1 fehlt</translation>
    </message>
    <message>
        <source>the picture file %1 is damaged</source>
        <translation>die Bilddatei %1 ist beschädigt</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 gibt es bereits</translation>
    </message>
    <message>
        <source>%1 is no whole backup</source>
        <translation>%1 ist keine vollständige Sicherung</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>er wurde abgebrochen</translation>
    </message>
    <message>
        <source>the restored catalogue is not whole</source>
        <translation>der wiederhergestellte Katalog ist unvollständig</translation>
    </message>
    <message>
        <source>the disk could not write %1</source>
        <translation>die Festplatte konnte %1 nicht schreiben</translation>
    </message>
    <message>
        <source>the catalogue is being written by another program</source>
        <translation>ein anderes Programm schreibt gerade in den Katalog</translation>
    </message>
    <message>
        <source>%1 cannot be replaced (%2)</source>
        <translation>%1 kann nicht ersetzt werden (%2)</translation>
    </message>
</context>
<context>
    <name>kbs::editorText</name>
    <message>
        <source>Kerbside Manger Menu Editor</source>
        <translation>Kerbside Manager – Listen-Editor</translation>
    </message>
    <message>
        <source>Do you wish to save your changes?</source>
        <translation>Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>Quit -- Save changes?</source>
        <translation>Beenden -- Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini File(*.ini)|*.ini</source>
        <translation>Alle Dateien(*.*)|*.*|Ini-Datei(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Instert File</source>
        <translation>Datei einfügen</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini Files(*.ini)|*.ini</source>
        <translation>Alle Dateien(*.*)|*.*|Ini-Dateien(*.ini)|*.ini</translation>
    </message>
</context>
<context>
    <name>kbs::exchange</name>
    <message>
        <source>%1 is not a catalogue: it is not a database file.</source>
        <translation>%1 ist kein Katalog: Die Datei ist keine Datenbank.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not there.</source>
        <translation>Den Katalog %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program, which has to be converted before it can be exported.</source>
        <translation>%1 ist ein Katalog des älteren Windows-Programms; er muss umgewandelt werden, bevor er exportiert werden kann.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: it has no %2.</source>
        <translation>%1 ist kein Katalog: Es fehlt %2.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: its %2 has no ID column.</source>
        <translation>%1 ist kein Katalog: %2 hat keine ID-Spalte.</translation>
    </message>
    <message>
        <source>The export to %1 was cancelled.</source>
        <translation>Der Export nach %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1 record(s) deleted while the export ran were left out.</source>
        <translation>%1 Datensätze, die während des Exports gelöscht wurden, sind nicht enthalten.</translation>
    </message>
    <message>
        <source>There was not enough memory to export %1.</source>
        <translation>Der Speicher reichte nicht, um %1 zu exportieren.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 value(s) of the column %2 held binary data and were written as text.</source>
        <translation>%1 Werte der Spalte %2 enthielten Binärdaten und wurden als Text geschrieben.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL bytes, which were left out, or bytes that are not UTF-8, which became the replacement character U+FFFD.</source>
        <translation>%1 Texte enthielten NUL-Bytes, die weggelassen wurden, oder Bytes, die kein UTF-8 sind und zum Ersatzzeichen U+FFFD wurden.</translation>
    </message>
    <message>
        <source>%1 further picture(s) with neither bytes nor a linked file were left out.</source>
        <translation>%1 weitere Bilder ohne Bilddaten und ohne verknüpfte Datei wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1 text(s) longer than a spreadsheet cell holds (%2 characters) were cut to that length.</source>
        <translation>%1 Texte, länger als eine Tabellenzelle fasst (%2 Zeichen), wurden auf diese Länge gekürzt.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL characters, which a spreadsheet cell cannot hold; they were left out and the rest of each text kept.</source>
        <translation>%1 Texte enthielten NUL-Zeichen, die eine Tabellenzelle nicht fassen kann; sie wurden weggelassen, der übrige Text blieb erhalten.</translation>
    </message>
    <message>
        <source>%1 needs more memory than there is.</source>
        <translation>%1 braucht mehr Speicher, als vorhanden ist.</translation>
    </message>
    <message>
        <source> The row was skipped.</source>
        <translation> Die Zeile wurde übersprungen.</translation>
    </message>
    <message>
        <source>%1 line %2: %3.%4</source>
        <translation>%1 Zeile %2: %3.%4</translation>
    </message>
    <message>
        <source>%1: and %2 more rows like these.</source>
        <translation>%1: und %2 weitere solche Zeilen.</translation>
    </message>
    <message>
        <source>%1: %2 row(s) cannot be imported as written, so nothing was written%3.</source>
        <translation>%1: %2 Zeile(n) können so nicht importiert werden, daher wurde nichts geschrieben%3.</translation>
    </message>
    <message>
        <source> (--skip-bad-rows imports the others)</source>
        <translation> (--skip-bad-rows importiert die übrigen)</translation>
    </message>
    <message>
        <source>line %1 looks like a spreadsheet&apos;s sum and was left out (--keep-sum-rows imports it).</source>
        <translation>Zeile %1 sieht wie die Summe einer Tabellenkalkulation aus und wurde weggelassen (--keep-sum-rows importiert sie).</translation>
    </message>
    <message>
        <source>Value history</source>
        <translation>Wertverlauf</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Suchliste</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>Zu verkaufen oder tauschen</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Fehlt in Checklisten</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modelle</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Sammlung</translation>
    </message>
    <message>
        <source>%1 has no checklist named &quot;%2&quot;.</source>
        <translation>%1 hat keine Checkliste namens „%2“.</translation>
    </message>
    <message>
        <source>Missing from</source>
        <translation>Fehlt in</translation>
    </message>
    <message>
        <source>There is no field &quot;%1&quot; to show; the fields are: %2.</source>
        <translation>Es gibt kein Feld „%1“ zum Anzeigen; die Felder sind: %2.</translation>
    </message>
    <message>
        <source>The size of the pictures must be between %1 and %2 pixels.</source>
        <translation>Die Größe der Bilder muss zwischen %1 und %2 Pixeln liegen.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, %2</source>
        <translation>
            <numerusform>%1: %n Eintrag, %2</numerusform>
            <numerusform>%1: %n Einträge, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Serie und Nummer</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>As listed</source>
        <translation>Wie aufgeführt</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ChecklistCsv</name>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>Line 1 of %1 names no columns for the number and the name of the models (for example &quot;Number&quot; and &quot;Name&quot;).</source>
        <translation>Zeile 1 von %1 nennt keine Spalten für die Nummer und den Namen der Modelle (etwa „Nummer“ und „Name“).</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>keine Nummer</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>kein Name</translation>
    </message>
    <message>
        <source>the number %1 was given before</source>
        <translation>die Nummer %1 kam schon vor</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing is stored. Correct these rows and import it again:
%2</source>
        <translation>%1 wurde nicht importiert; nichts wurde gespeichert. Berichtigen Sie diese Zeilen und importieren Sie die Datei erneut:
%2</translation>
    </message>
    <message>
        <source>and %1 more rows</source>
        <translation>und %1 weitere Zeilen</translation>
    </message>
    <message>
        <source>%1 holds no models.</source>
        <translation>%1 enthält keine Modelle.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvImport</name>
    <message>
        <source>the file has %1 columns where %2 were matched to fields</source>
        <translation>die Datei hat %1 Spalten, zugeordnet wurden %2</translation>
    </message>
    <message>
        <source>Columns left out, as their headings name no column of the catalogue: %1.</source>
        <translation>Ausgelassene Spalten, da ihre Überschriften keine Spalte des Katalogs nennen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without any text were skipped.</source>
        <translation>
            <numerusform>%n Zeile ohne jeden Text wurde übersprungen.</numerusform>
            <numerusform>%n Zeilen ohne jeden Text wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; und %1 weitere</translation>
    </message>
    <message>
        <source>the file is empty: it has no header row</source>
        <translation>Die Datei ist leer: Sie hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>Spalte %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>Die Spalte %1 ist zweimal genannt</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>the row has %1 field where the header has %2</source>
        <translation>Die Zeile hat %1 Feld, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <source>the row has %1 fields where the header has %2</source>
        <translation>Die Zeile hat %1 Felder, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <source>the ID %1 is not a whole number from %2 to %3</source>
        <translation>Die ID %1 ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>the ID %1 is already that of line %2</source>
        <translation>Die ID %1 gehört schon zu Zeile %2</translation>
    </message>
    <message>
        <source>further picture %1 must name either a file in %2 or a link in %3</source>
        <translation>Das weitere Bild %1 muss entweder eine Datei in %2 oder einen Link in %3 nennen</translation>
    </message>
    <message>
        <source>Line %1: %2, which changed while the file was imported.</source>
        <translation>Zeile %1: %2, die sich während des Imports geändert hat.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones after the largest.</source>
        <translation>%1 Datensatz/Datensätze hatten keine ID und bekamen neue nach der größten.</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) of the value history came from %1.</source>
        <translation>
            <numerusform>%n Bewertung des Wertverlaufs stammt aus %1.</numerusform>
            <numerusform>%n Bewertungen des Wertverlaufs stammen aus %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) in %1 name a record the catalogue does not have and were left out.</source>
        <translation>
            <numerusform>%n Bewertung in %1 nennt einen Datensatz, den der Katalog nicht hat, und wurde ausgelassen.</numerusform>
            <numerusform>%n Bewertungen in %1 nennen einen Datensatz, den der Katalog nicht hat, und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>no column of the catalogue has the heading %1; the headings taken include %2 (kbsmgr-import --list-headings lists them all, --skip-unknown leaves such columns out, --own-fields makes them fields of the collector&apos;s own)</source>
        <translation>keine Spalte des Katalogs hat die Überschrift %1; gültige Überschriften sind u. a. %2 (kbsmgr-import --list-headings listet alle auf, --skip-unknown lässt solche Spalten aus, --own-fields macht sie zu eigenen Feldern des Sammlers)</translation>
    </message>
    <message>
        <source>Columns that became fields of the collector&apos;s own: %1.</source>
        <translation>Spalten, die zu eigenen Feldern des Sammlers wurden: %1.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvReader</name>
    <message>
        <source>%1 is not UTF-8 throughout: line %2 holds bytes that UTF-8 does not have. Convert the file to UTF-8 (for example: iconv -f WINDOWS-1252 -t UTF-8 FILE &gt; NEW.csv), or give --encoding=windows-1252 if all of it is Windows-1252.</source>
        <translation>%1 ist nicht durchgehend UTF-8: Zeile %2 enthält Bytes, die es in UTF-8 nicht gibt. Wandeln Sie die Datei in UTF-8 um (zum Beispiel: iconv -f WINDOWS-1252 -t UTF-8 DATEI &gt; NEU.csv), oder geben Sie --encoding=windows-1252 an, wenn sie ganz in Windows-1252 ist.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the record that starts on line %1 is longer than %2 MB; is a quote left open?</source>
        <translation>Der Datensatz ab Zeile %1 ist länger als %2 MB; ist ein Anführungszeichen offen geblieben?</translation>
    </message>
    <message>
        <source>a field holds a NUL byte, which no text may hold</source>
        <translation>Ein Feld enthält ein NUL-Byte, das kein Text enthalten darf</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>Ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::OwnCsv</name>
    <message>
        <source>The fields&apos; list %1 cannot be read: line %2: %3.</source>
        <translation>Die Liste der Felder %1 kann nicht gelesen werden: Zeile %2: %3.</translation>
    </message>
    <message>
        <source>the columns Name and Kind are needed</source>
        <translation>die Spalten Name und Kind werden benötigt</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::PictureSource</name>
    <message>
        <source>The folder %1, where picture files may come from, is not there.</source>
        <translation>Der Ordner %1, aus dem Bilddateien kommen dürfen, ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 (--pictures-from names another folder pictures may come from)</source>
        <translation>sie liegt außerhalb des Ordners %1 (--pictures-from nennt einen weiteren Ordner, aus dem Bilder kommen dürfen)</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 and the folders given by --pictures-from</source>
        <translation>sie liegt außerhalb des Ordners %1 und der mit --pictures-from genannten Ordner</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is not a picture the program can show (%1)</source>
        <translation>sie ist kein Bild, das das Programm anzeigen kann (%1)</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::Tellico</name>
    <message>
        <source>its XML is larger than %1 MB</source>
        <translation>ihr XML ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it holds a value larger than %1 MB</source>
        <translation>sie enthält einen Wert größer als %1 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read as a zip file: %2.</source>
        <translation>%1 kann nicht als ZIP-Datei gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: it holds no tellico.xml.</source>
        <translation>%1 ist keine Tellico-Sammlung: Sie enthält keine tellico.xml.</translation>
    </message>
    <message>
        <source>%1: tellico.xml cannot be read: %2.</source>
        <translation>%1: tellico.xml kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: a picture cannot be set aside in %2: %3.</source>
        <translation>%1 kann nicht gelesen werden: Ein Bild kann nicht in %2 zwischengelegt werden: %3.</translation>
    </message>
    <message>
        <source>%1: %2 is larger than the program takes.</source>
        <translation>%1: %2 ist größer, als das Programm annimmt.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read: %3.</source>
        <translation>%1: %2 kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read whole.</source>
        <translation>%1: %2 kann nicht vollständig gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is not read: line %2: %3.</source>
        <translation>%1 wird nicht gelesen: Zeile %2: %3.</translation>
    </message>
    <message>
        <source>it holds a value longer than %1 characters</source>
        <translation>sie enthält einen Wert mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1</source>
        <translation>ihre Elemente sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>it declares more than %1 fields</source>
        <translation>sie legt mehr als %1 Felder an</translation>
    </message>
    <message>
        <source>it lists more than %1 pictures</source>
        <translation>sie führt mehr als %1 Bilder auf</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is broken at line %2 (%3).</source>
        <translation>%1 ist keine Tellico-Sammlung: Ihr XML ist in Zeile %2 fehlerhaft (%3).</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is not &lt;tellico&gt;.</source>
        <translation>%1 ist keine Tellico-Sammlung: Ihr XML ist nicht &lt;tellico&gt;.</translation>
    </message>
    <message>
        <source>an entry holds more than %1 characters</source>
        <translation>ein Eintrag enthält mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>it holds a name longer than %1 characters</source>
        <translation>sie enthält einen Namen mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 hat sich beim Lesen geändert.</translation>
    </message>
    <message>
        <source>These fields have no column in the catalogue and were left out: %1.</source>
        <translation>Diese Felder haben keine Spalte im Katalog und wurden ausgelassen: %1.</translation>
    </message>
    <message>
        <source>%1 entr(ies) without a usable id were given new IDs.</source>
        <translation>%1 Eintrag/Einträge ohne verwendbare ID bekamen neue IDs.</translation>
    </message>
    <message>
        <source>%1 picture(s) named in the collection are not in the file and were left out.</source>
        <translation>%1 in der Sammlung genannte(s) Bild(er) ist/sind nicht in der Datei und wurde(n) ausgelassen.</translation>
    </message>
    <message>
        <source>%1 picture(s) could not be read as pictures and were left out.</source>
        <translation>%1 Bild(er) konnte(n) nicht als Bild gelesen werden und wurde(n) ausgelassen.</translation>
    </message>
    <message>
        <source>No catalogue was named to import %1 into.</source>
        <translation>Es wurde kein Katalog genannt, in den %1 importiert werden soll.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 %2, caption</source>
        <translation>%1 %2, Bildunterschrift</translation>
    </message>
    <message>
        <source>Exact texts (Kerbside Manager)</source>
        <translation>Exakte Texte (Kerbside Manager)</translation>
    </message>
    <message>
        <source>%1 cannot be written as a zip file.</source>
        <translation>%1 kann nicht als ZIP-Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 character(s) that XML cannot hold (control characters such as NUL, U+FFFE, U+FFFF, halves of surrogate pairs) were left out of the texts.</source>
        <translation>%1 Zeichen, die XML nicht aufnehmen kann (Steuerzeichen wie NUL, U+FFFE, U+FFFF, halbe Surrogatpaare), wurden aus den Texten ausgelassen.</translation>
    </message>
    <message>
        <source>Keywords of %1 record(s) are longer than a tag may be and are kept in the field %2.</source>
        <translation>Schlüsselwörter von %1 Datensatz/Datensätzen sind länger, als ein Schlagwort sein darf, und werden im Feld %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Own fields</source>
        <translation>Eigene Felder</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ValueCsv</name>
    <message>
        <source>The value history %1 cannot be read: line %2: %3.</source>
        <translation>Der Wertverlauf %1 kann nicht gelesen werden: Zeile %2: %3.</translation>
    </message>
    <message>
        <source>the columns ID, Date and Value are needed</source>
        <translation>die Spalten ID, Date und Value werden benötigt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>„%1“ ist keine Datensatz-ID</translation>
    </message>
</context>
<context>
    <name>kbs::frmAbout</name>
    <message>
        <source>Released %1</source>
        <translation>Erschienen am %1</translation>
    </message>
</context>
<context>
    <name>kbs::frmEditor</name>
    <message>
        <source>Value lists</source>
        <translation>Wertelisten</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Trenner</translation>
    </message>
    <message>
        <source>Text edge</source>
        <translation>Textrand</translation>
    </message>
    <message>
        <source>List text</source>
        <translation>Listentext</translation>
    </message>
    <message>
        <source>Inserted text</source>
        <translation>Eingefügter Text</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Alles markieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Insert File</source>
        <translation>Datei e&amp;infügen</translation>
    </message>
</context>
<context>
    <name>kbs::frmFind</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>kbs::frmMain</name>
    <message>
        <source>Gallery</source>
        <translation>Galerie</translation>
    </message>
    <message>
        <source>Show the records as pictures (%1)</source>
        <translation>Datensätze als Bilder zeigen (%1)</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Vorschaubilder</translation>
    </message>
    <message>
        <source>Making thumbnails: %1 of %2</source>
        <translation>Vorschaubilder werden erstellt: %1 von %2</translation>
    </message>
    <message>
        <source>The record could not be brought back: %1</source>
        <translation>Der Datensatz konnte nicht zurückgeholt werden: %1</translation>
    </message>
    <message>
        <source>Undo delete</source>
        <translation>Löschen rückgängig</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>a backup is being made</source>
        <translation>gerade wird eine Sicherung erstellt</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1.</translation>
    </message>
    <message>
        <source>The backup of %1 is restored; the catalogue as it was is kept as %2.</source>
        <translation>Die Sicherung vom %1 ist wiederhergestellt; der bisherige Katalog bleibt als %2 erhalten.</translation>
    </message>
    <message>
        <source>The catalogue was replaced by another program; it is opened again.</source>
        <translation>Der Katalog wurde von einem anderen Programm ersetzt; er wird neu geöffnet.</translation>
    </message>
</context>
<context>
    <name>kbs::frmReplace</name>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>kbs::frmTip</name>
    <message>
        <source>Tip of the day</source>
        <translation>Tipp des Tages</translation>
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
        <translation>Modell</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
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
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Wheel_Type</source>
        <translation>Räder</translation>
    </message>
    <message>
        <source>Box_Type</source>
        <translation>Verpackung</translation>
    </message>
    <message>
        <source>Box_Cond</source>
        <translation>OVP-Zustand</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lagerort</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Purch_Date</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>List_Price</source>
        <translation>Listenpreis</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Value_Date</source>
        <translation>Wert am</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Purch_From</source>
        <translation>Gekauft bei</translation>
    </message>
    <message>
        <source>Base_Name</source>
        <translation>Bodenplatte</translation>
    </message>
    <message>
        <source>Interior_Color</source>
        <translation>Innenfarbe</translation>
    </message>
    <message>
        <source>Version_Number</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Base_Color</source>
        <translation>Bodenfarbe</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>zwanzig</translation>
    </message>
</context>
<context>
    <name>kbs::groups</name>
    <message>
        <source>Decade</source>
        <translation>Jahrzehnt</translation>
    </message>
</context>
<context>
    <name>kbs::legacy</name>
    <message>
        <source>The converted catalogue cannot be put in place of %1: %2</source>
        <translation>Der umgewandelte Katalog kann nicht an die Stelle von %1 treten: %2</translation>
    </message>
    <message>
        <source>The converter %1 is missing.</source>
        <translation>Das Umwandlungsprogramm %1 fehlt.</translation>
    </message>
    <message>
        <source>Reading %1 needed more than %2 MB of memory, so it was stopped: the file is probably damaged.</source>
        <translation>Das Lesen von %1 brauchte mehr als %2 MB Arbeitsspeicher und wurde daher abgebrochen: Die Datei ist wahrscheinlich beschädigt.</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly while reading %1 (%2): the file is probably damaged.</source>
        <translation>Das Umwandlungsprogramm brach beim Lesen von %1 unerwartet ab (%2): Die Datei ist wahrscheinlich beschädigt.</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>es ist abgestürzt</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Rückgabewert %1</translation>
    </message>
    <message>
        <source>The converter %1 could not be started: %2.</source>
        <translation>Das Umwandlungsprogramm %1 konnte nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>The converted catalogue cannot be opened: %1</source>
        <translation>Der umgewandelte Katalog lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>The converted catalogue holds %1 records instead of %2.</source>
        <translation>Der umgewandelte Katalog enthält %1 Datensätze statt %2.</translation>
    </message>
    <message>
        <source>%1: the file says that %2 holds %3 records, but %4 could be read. The file is damaged.</source>
        <translation>%1: Die Datei gibt an, dass %2 %3 Datensätze enthält, aber %4 konnten gelesen werden. Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>%1 is not a database of the older Windows program.</source>
        <translation>%1 ist keine Datenbank des älteren Windows-Programms.</translation>
    </message>
    <message>
        <source>%1 is a database of an unknown version (%2).</source>
        <translation>%1 ist eine Datenbank in einer unbekannten Version (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, which is not a whole number of the %3-byte pages that a %4 file is made of: the file is incomplete (perhaps cut short while it was copied) or damaged.</source>
        <translation>%1 ist %2 Bytes lang, was keine ganze Zahl der Seiten zu %3 Bytes ist, aus denen eine %4-Datei besteht: Die Datei ist unvollständig (vielleicht beim Kopieren abgeschnitten) oder beschädigt.</translation>
    </message>
    <message>
        <source>%1 is only %2 bytes long: too short for a %3 database.</source>
        <translation>%1 ist nur %2 Bytes lang: zu kurz für eine %3-Datenbank.</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <source> (ID %1)</source>
        <translation> (ID %1)</translation>
    </message>
    <message>
        <source>, column %1</source>
        <translation>, Spalte %1</translation>
    </message>
    <message>
        <source>%1: %2 The file is damaged.</source>
        <translation>%1: %2 Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>libmdb cannot open the file.</source>
        <translation>libmdb kann die Datei nicht öffnen.</translation>
    </message>
    <message>
        <source>the file&apos;s pages are not the size its header promises.</source>
        <translation>Die Seiten der Datei haben nicht die Größe, die ihr Kopf verspricht.</translation>
    </message>
    <message>
        <source>the list of the file&apos;s tables cannot be read.</source>
        <translation>Die Liste der Tabellen der Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file has no table &quot;%1&quot;: it is not a catalogue.</source>
        <translation>Die Datei hat keine Tabelle „%1“: Sie ist kein Katalog.</translation>
    </message>
    <message>
        <source>the definition of %1 cannot be read.</source>
        <translation>Die Definition von %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read.</source>
        <translation>Die Spalten von %1 können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>column %1 (%2) has the size %3 where %4 was expected.</source>
        <translation>Spalte %1 (%2) hat die Größe %3, erwartet war %4.</translation>
    </message>
    <message>
        <source>its value is shorter than its header.</source>
        <translation>Ihr Wert ist kürzer als ihr Kopf.</translation>
    </message>
    <message>
        <source>its value holds %1 bytes but its header says %2.</source>
        <translation>Ihr Wert enthält %1 Bytes, aber ihr Kopf nennt %2.</translation>
    </message>
    <message>
        <source>the page that holds its value cannot be read.</source>
        <translation>Die Seite mit ihrem Wert kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>its value is stored in an unknown way.</source>
        <translation>Ihr Wert ist auf unbekannte Weise gespeichert.</translation>
    </message>
    <message>
        <source>its value ends after %1 of the %2 bytes its header says.</source>
        <translation>Ihr Wert endet nach %1 der %2 Bytes, die ihr Kopf nennt.</translation>
    </message>
    <message>
        <source>a page that holds its value cannot be read.</source>
        <translation>Eine Seite mit ihrem Wert kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>its value holds more than the %1 bytes its header says.</source>
        <translation>Ihr Wert enthält mehr als die %1 Bytes, die ihr Kopf nennt.</translation>
    </message>
    <message>
        <source>its text is cut in the middle of a character.</source>
        <translation>Ihr Text ist mitten in einem Zeichen abgeschnitten.</translation>
    </message>
    <message>
        <source>its value is shorter than its type needs.</source>
        <translation>Ihr Wert ist kürzer, als ihr Typ verlangt.</translation>
    </message>
    <message>
        <source>its date (%1) lies outside the years 100 to 9999.</source>
        <translation>Ihr Datum (%1) liegt außerhalb der Jahre 100 bis 9999.</translation>
    </message>
    <message>
        <source>its type (%1) cannot be converted.</source>
        <translation>Ihr Typ (%1) kann nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>record %1 cannot be found again on its page.</source>
        <translation>Datensatz %1 ist auf seiner Seite nicht wiederzufinden.</translation>
    </message>
    <message>
        <source>record %1 cannot be taken apart: the file is damaged.</source>
        <translation>Datensatz %1 lässt sich nicht zerlegen: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>record %1 lacks a column.</source>
        <translation>Datensatz %1 fehlt eine Spalte.</translation>
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
        <translation>Der Katalog der älteren Windows-Version von Kerbside Manager wird umgewandelt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and has been converted for this version: %2 converted.<byte value="xd"/>
<byte value="xd"/>
The original file is kept, unchanged, as %3.</source>
        <translation>Der Katalog %1 stammt von der älteren Windows-Version von Kerbside Manager und wurde für diese Version umgewandelt: %2 umgewandelt.<byte value="xd"/>
<byte value="xd"/>
Die ursprüngliche Datei bleibt unverändert erhalten als %3.</translation>
    </message>
    <message>
        <source>1 record was</source>
        <translation>1 Datensatz wurde</translation>
    </message>
    <message>
        <source>%1 records were</source>
        <translation>%1 Datensätze wurden</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and could not be converted:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>Der Katalog %1 stammt von der älteren Windows-Version von Kerbside Manager und konnte nicht umgewandelt werden:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The conversion of the catalogue %1 was cancelled.<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>Die Umwandlung des Katalogs %1 wurde abgebrochen.<byte value="xd"/>
<byte value="xd"/>
Die Datei wurde nicht verändert.</translation>
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
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Total Records In The Database : </source>
        <translation>Datensätze in der Datenbank: </translation>
    </message>
    <message>
        <source>       Total Found In The Database Is: </source>
        <translation>       Gefunden in der Datenbank: </translation>
    </message>
    <message>
        <source>       Total Found In The Database Are: </source>
        <translation>       Gefunden in der Datenbank: </translation>
    </message>
    <message>
        <source>  Record</source>
        <translation>  Datensatz</translation>
    </message>
    <message>
        <source>  Records</source>
        <translation>  Datensätze</translation>
    </message>
    <message>
        <source>Add/Edit Info</source>
        <translation>Angaben</translation>
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
        <translation>in der Datenbank</translation>
    </message>
    <message>
        <source>store as file pointer</source>
        <translation>als Dateiverweis</translation>
    </message>
    <message>
        <source>select picture</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add plus to the car condition</source>
        <translation>Plus an den Zustand anfügen</translation>
    </message>
    <message>
        <source>Add minus to the car condition</source>
        <translation>Minus an den Zustand anfügen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Picture of the model</source>
        <translation>Bild des Modells</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Kerbside Manager logo</source>
        <translation>Kerbside-Manager-Logo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
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
        <translation>Der Datensatz konnte nicht gespeichert werden:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Es wurde nichts gespeichert. Ihre Eingaben stehen noch in den Feldern.</translation>
    </message>
    <message>
        <source>The record could not be saved: the field %1 cannot hold the text &quot;%2&quot;.<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>Der Datensatz konnte nicht gespeichert werden: Das Feld %1 kann den Text „%2“ nicht aufnehmen.<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Es wurde nichts gespeichert. Ihre Eingaben stehen noch in den Feldern: Ändern Sie diesen Wert und speichern Sie erneut, oder wählen Sie Abbrechen.</translation>
    </message>
    <message>
        <source>The record could not be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Der Datensatz konnte nicht angezeigt werden:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Sort Error</source>
        <translation>Sortierfehler</translation>
    </message>
    <message>
        <source>There needs to be at least one record in the database.<byte value="xd"/>
<byte value="xd"/>
Please edit this record.</source>
        <translation>Die Datenbank muss mindestens einen Datensatz enthalten.<byte value="xd"/>
<byte value="xd"/>
Bitte bearbeiten Sie diesen Datensatz.</translation>
    </message>
    <message>
        <source>No Records to Delete</source>
        <translation>Keine Datensätze zum Löschen</translation>
    </message>
    <message>
        <source>You are about to delete this record, are you sure?</source>
        <translation>Sie sind dabei, diesen Datensatz zu löschen. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>The record could not be deleted:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Der Datensatz konnte nicht gelöscht werden:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>There is no record to search</source>
        <translation>Es gibt keinen Datensatz zum Durchsuchen</translation>
    </message>
    <message>
        <source>Exiting</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Search for an entry</source>
        <translation>Nach einem Eintrag suchen</translation>
    </message>
    <message>
        <source>enter your searchtext</source>
        <translation>Suchtext eingeben</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>No Match found in Database!</source>
        <translation>Kein Treffer in der Datenbank!</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suche...</translation>
    </message>
    <message>
        <source>File does not appear to be a valid image file...</source>
        <translation>Die Datei scheint keine gültige Bilddatei zu sein...</translation>
    </message>
    <message>
        <source>Select picture for current record...</source>
        <translation>Bild für den aktuellen Datensatz wählen...</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</source>
        <translation>Bilddateien (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</translation>
    </message>
    <message>
        <source>The picture %1 is %2 MB. A record holds pictures of up to %3 MB.<byte value="xd"/>
<byte value="xd"/>
Please choose a smaller picture, or store this one as a file pointer.</source>
        <translation>Das Bild %1 ist %2 MB groß. Ein Datensatz nimmt Bilder bis %3 MB auf.<byte value="xd"/>
<byte value="xd"/>
Bitte wählen Sie ein kleineres Bild oder speichern Sie dieses als Dateiverweis.</translation>
    </message>
    <message>
        <source>The picture file %1 could not be read:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation>Die Bilddatei %1 konnte nicht gelesen werden:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Der Datensatz behält sein bisheriges Bild.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Der Datensatz behält sein bisheriges Bild.</translation>
    </message>
    <message>
        <source> … [%1 more characters not shown; this field cannot be edited here]</source>
        <translation> … [%1 weitere Zeichen nicht angezeigt; dieses Feld kann hier nicht bearbeitet werden]</translation>
    </message>
    <message>
        <source> … [%1 more bytes not shown; this field cannot be edited here]</source>
        <translation> … [%1 weitere Bytes nicht angezeigt; dieses Feld kann hier nicht bearbeitet werden]</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Der Katalog %1 kann nicht geöffnet werden:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add new record</source>
        <translation>Neuen Datensatz anlegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Edit existing record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Datensatz löschen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Edit Helper Menues</source>
        <translation>Auswahllisten bearbeiten</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Report -- All</source>
        <translation>Bericht -- Alle</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Gesucht</translation>
    </message>
    <message>
        <source>Report -- Want</source>
        <translation>Bericht -- Gesucht</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Report -- Have</source>
        <translation>Bericht -- Vorhanden</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Report -- Sell</source>
        <translation>Bericht -- Verkauf</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Bericht -- Summen</translation>
    </message>
    <message>
        <source>No record is shown, so none is deleted.<byte value="xd"/>
<byte value="xd"/>
Choose the record in the grid first.</source>
        <translation>Es wird kein Datensatz angezeigt, also wird keiner gelöscht.<byte value="xd"/>
<byte value="xd"/>
Wählen Sie zuerst den Datensatz im Raster.</translation>
    </message>
    <message>
        <source>The record could not be saved: %1<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>Der Datensatz konnte nicht gespeichert werden: %1<byte value="xd"/>
<byte value="xd"/>
Es wurde nichts gespeichert. Ihre Eingaben stehen noch in den Feldern: ändern Sie diese eine und speichern Sie erneut, oder Abbrechen.</translation>
    </message>
</context>
<context>
    <name>kbs::menuText</name>
    <message>
        <source>List file not found: %1</source>
        <translation>Listendatei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>List file cannot be read: %1</source>
        <translation>Listendatei nicht lesbar: %1</translation>
    </message>
    <message>
        <source>No values in %1</source>
        <translation>Keine Werte in %1</translation>
    </message>
</context>
<context>
    <name>kbs::ownfields</name>
    <message>
        <source>There is no such field (it may have been removed meanwhile).</source>
        <translation>Dieses Feld gibt es nicht (es wurde vielleicht inzwischen entfernt).</translation>
    </message>
    <message>
        <source>A field needs a name.</source>
        <translation>Ein Feld braucht einen Namen.</translation>
    </message>
    <message>
        <source>The name of a field cannot hold a colon: %1</source>
        <translation>Der Name eines Feldes darf keinen Doppelpunkt enthalten: %1</translation>
    </message>
    <message>
        <source>The name of a field can be at most 64 characters long.</source>
        <translation>Der Name eines Feldes darf höchstens 64 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>%1 is the name of a field the catalogue has already.</source>
        <translation>%1 ist der Name eines Feldes, das der Katalog schon hat.</translation>
    </message>
    <message>
        <source>There is a field named %1 already.</source>
        <translation>Es gibt schon ein Feld namens %1.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Yes/No</source>
        <translation>Ja/Nein</translation>
    </message>
    <message>
        <source>Choice from a value list</source>
        <translation>Auswahl aus einer Werteliste</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;.</source>
        <translation>%1 nimmt eine Zahl auf, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 takes an amount, not &quot;%2&quot;.</source>
        <translation>%1 nimmt einen Betrag auf, nicht „%2“.</translation>
    </message>
    <message>
        <source>%1 takes a date, and &quot;%2&quot; is not one.</source>
        <translation>%1 nimmt ein Datum auf, und „%2“ ist keines.</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;.</source>
        <translation>%1 nimmt Ja oder Nein auf, nicht „%2“.</translation>
    </message>
    <message>
        <source>A tag cannot be empty.</source>
        <translation>Ein Etikett darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: %1</source>
        <translation>Ein Etikett darf kein Komma enthalten: %1</translation>
    </message>
    <message>
        <source>A tag can be at most %1 characters long: %2</source>
        <translation>Ein Etikett darf höchstens %1 Zeichen lang sein: %2</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
</context>
<context>
    <name>kbs::panel</name>
    <message>
        <source>Description</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Year Issued</source>
        <translation>Baujahr</translation>
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
        <translation>Serienliste</translation>
    </message>
    <message>
        <source>Car Condition</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>grading</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Car condition list</source>
        <translation>Liste der Zustände</translation>
    </message>
    <message>
        <source>Wheel Type</source>
        <translation>Räder</translation>
    </message>
    <message>
        <source>wheeltypes</source>
        <translation>Räder</translation>
    </message>
    <message>
        <source>Wheel type list</source>
        <translation>Liste der Räder</translation>
    </message>
    <message>
        <source>Box Type</source>
        <translation>Verpackung</translation>
    </message>
    <message>
        <source>Box type list</source>
        <translation>Liste der Verpackungen</translation>
    </message>
    <message>
        <source>Box Condition</source>
        <translation>OVP-Zustand</translation>
    </message>
    <message>
        <source>boxgrading</source>
        <translation>OVP-Zustand</translation>
    </message>
    <message>
        <source>Box condition list</source>
        <translation>Liste der OVP-Zustände</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Color list</source>
        <translation>Farbliste</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Lagerort</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>on</source>
        <translation>am</translation>
    </message>
    <message>
        <source>List Price</source>
        <translation>Listenpreis</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Status list</source>
        <translation>Statusliste</translation>
    </message>
    <message>
        <source>Purchased from</source>
        <translation>Gekauft bei</translation>
    </message>
    <message>
        <source>Base Plate Name</source>
        <translation>Name Bodenplatte</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Bodenplatte</translation>
    </message>
    <message>
        <source>Base plate name list</source>
        <translation>Liste der Bodenplatten-Namen</translation>
    </message>
    <message>
        <source>Interior Color</source>
        <translation>Innenfarbe</translation>
    </message>
    <message>
        <source>InteriorColor</source>
        <translation>Innenfarbe</translation>
    </message>
    <message>
        <source>Interior color list</source>
        <translation>Liste der Innenfarben</translation>
    </message>
    <message>
        <source>Version #</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Farbe Bodenplatte</translation>
    </message>
    <message>
        <source>Base color list</source>
        <translation>Farbliste Bodenplatte</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>kbs::panel::Headings</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Value Date</source>
        <translation>Bewertungsdatum</translation>
    </message>
    <message>
        <source>Base Plate Color</source>
        <translation>Farbe Bodenplatte</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Interior Colour</source>
        <translation>Innenfarbe</translation>
    </message>
    <message>
        <source>Base Plate Colour</source>
        <translation>Farbe Bodenplatte</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Zustand Auto</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Schachtel</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Verpackungsart</translation>
    </message>
    <message>
        <source>Box Grade</source>
        <translation>Zustand OVP</translation>
    </message>
    <message>
        <source>Body Color</source>
        <translation>Karosseriefarbe</translation>
    </message>
    <message>
        <source>Body Colour</source>
        <translation>Lackfarbe</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Stückzahl</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Aufbewahrung</translation>
    </message>
    <message>
        <source>Price Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Date Bought</source>
        <translation>Gekauft am</translation>
    </message>
    <message>
        <source>Bought On</source>
        <translation>Kaufdatum am</translation>
    </message>
    <message>
        <source>Retail Price</source>
        <translation>Ladenpreis</translation>
    </message>
    <message>
        <source>RRP</source>
        <translation>UVP</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Schätzwert</translation>
    </message>
    <message>
        <source>Bought From</source>
        <translation>Gekauft von</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Geschäft</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Bodenname</translation>
    </message>
    <message>
        <source>Baseplate</source>
        <translation>Bodenplatte</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Innenraum</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Ausführung</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Bodenfarbe</translation>
    </message>
    <message>
        <source>Base Colour</source>
        <translation>Farbe des Bodens</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>kbs::replaceText</name>
    <message>
        <source>&amp;Replace With:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>R&amp;eplace</source>
        <translation>Erse&amp;tzen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Done replacing, %1 replacements made</source>
        <translation>Ersetzen beendet, %1 Ersetzungen vorgenommen</translation>
    </message>
</context>
<context>
    <name>kbs::reportText</name>
    <message>
        <source>Kerbside Manager Report</source>
        <translation>Kerbside Manager – Bericht</translation>
    </message>
    <message>
        <source>Kerbside Manager</source>
        <translation>Kerbside Manager</translation>
    </message>
    <message>
        <source>Report -- All</source>
        <translation>Bericht -- Alle</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Bericht -- Summen</translation>
    </message>
    <message>
        <source>End of Report</source>
        <translation>Ende des Berichts</translation>
    </message>
    <message>
        <source>page %p of %P</source>
        <translation>Seite %p von %P</translation>
    </message>
    <message>
        <source>Issue Year</source>
        <translation>Baujahr</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lagerort</translation>
    </message>
    <message>
        <source>as of</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Report page</source>
        <translation>Berichtsseite</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Exporting the records to %1 ...</source>
        <translation>Die Datensätze werden nach %1 exportiert ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 exported to %2.</source>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Left out, as deleted meanwhile: %1.</source>
        <translation>Ausgelassen, da inzwischen gelöscht: %1.</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 Datensatz</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Datensätze</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>Der Export wurde abgebrochen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The records could not be exported:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nothing was written.</source>
        <translation>Die Datensätze konnten nicht exportiert werden:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Es wurde nichts geschrieben.</translation>
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
        <translation>%1 gibt es bereits, und eine vorhandene Datei oder ein vorhandener Ordner wird nie ersetzt.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the disk is full.</source>
        <translation>%1 kann nicht geschrieben werden: Die Festplatte ist voll.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>kbs::searchText</name>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>F&amp;ind Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Sorry, string not found</source>
        <translation>Der Text wurde leider nicht gefunden</translation>
    </message>
</context>
<context>
    <name>kbs::stats</name>
    <message>
        <source>%1 (the first %2 of %3; all in the table)</source>
        <translation>%1 (die ersten %2 von %3; alle in der Tabelle)</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modelle</translation>
    </message>
    <message>
        <source>Records and models by %1</source>
        <translation>Datensätze und Modelle nach %1</translation>
    </message>
    <message>
        <source>Records by status</source>
        <translation>Datensätze nach Status</translation>
    </message>
    <message>
        <source>Models by year of issue</source>
        <translation>Modelle nach Erscheinungsjahr</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>List price</source>
        <translation>Listenpreis</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Value minus paid</source>
        <translation>Wert minus bezahlt</translation>
    </message>
    <message>
        <source>Money: paid, list price and value</source>
        <translation>Geld: bezahlt, Listenpreis und Wert</translation>
    </message>
    <message>
        <source>All records shown</source>
        <translation>Alle gezeigten Datensätze</translation>
    </message>
    <message>
        <source>Money by %1</source>
        <translation>Geld nach %1</translation>
    </message>
    <message>
        <source>Growth of the collection by purchase date</source>
        <translation>Wachstum der Sammlung nach Kaufdatum</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Records bought, in all</source>
        <translation>Gekaufte Datensätze, insgesamt</translation>
    </message>
    <message>
        <source>Money spent, in all</source>
        <translation>Ausgegebenes Geld, insgesamt</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>Records and models by field</source>
        <translation>Datensätze und Modelle nach Feld</translation>
    </message>
    <message>
        <source>Status shares</source>
        <translation>Anteile nach Status</translation>
    </message>
    <message>
        <source>Money in all</source>
        <translation>Geld insgesamt</translation>
    </message>
    <message>
        <source>Money by field</source>
        <translation>Geld nach Feld</translation>
    </message>
    <message>
        <source>Growth over time</source>
        <translation>Wachstum über die Zeit</translation>
    </message>
    <message>
        <source>%1 record shown</source>
        <translation>%1 Datensatz gezeigt</translation>
    </message>
    <message>
        <source>%1 records shown</source>
        <translation>%1 Datensätze gezeigt</translation>
    </message>
    <message>
        <source>%1 value not read as an amount</source>
        <translation>%1 Wert nicht als Betrag lesbar</translation>
    </message>
    <message>
        <source>%1 values not read as amounts</source>
        <translation>%1 Werte nicht als Betrag lesbar</translation>
    </message>
    <message>
        <source>%1 quantity not read as a number</source>
        <translation>%1 Anzahl nicht als Zahl lesbar</translation>
    </message>
    <message>
        <source>%1 quantities not read as numbers</source>
        <translation>%1 Anzahlen nicht als Zahl lesbar</translation>
    </message>
    <message>
        <source>%1 purchase date not read as a date</source>
        <translation>%1 Kaufdatum nicht als Datum lesbar</translation>
    </message>
    <message>
        <source>%1 purchase dates not read as dates</source>
        <translation>%1 Kaufdaten nicht als Datum lesbar</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leer)</translation>
    </message>
    <message>
        <source>Report -- Statistics</source>
        <translation>Bericht -- Statistik</translation>
    </message>
    <message>
        <source>Value of the models held, by date</source>
        <translation>Wert der vorhandenen Modelle nach Datum</translation>
    </message>
    <message>
        <source>Value then</source>
        <translation>Wert damals</translation>
    </message>
    <message>
        <source>Paid until then</source>
        <translation>Bis dahin bezahlt</translation>
    </message>
    <message>
        <source>Value over time</source>
        <translation>Wert im Lauf der Zeit</translation>
    </message>
    <message>
        <source>(valuations or dates not read: %1)</source>
        <translation>(Bewertungen oder Daten nicht gelesen: %1)</translation>
    </message>
</context>
<context>
    <name>kbs::store</name>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>Der Vorgang ist nicht zulässig, solange das Objekt geöffnet ist.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of the older Windows program.</source>
        <translation>„%1“ ist ein Katalog des älteren Windows-Programms.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF oder EOF ist wahr, oder der aktuelle Datensatz wurde gelöscht. Der Vorgang erfordert einen aktuellen Datensatz.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist nicht zulässig, solange das Objekt geschlossen ist.</translation>
    </message>
    <message>
        <source>The command text is empty.</source>
        <translation>Der Befehlstext ist leer.</translation>
    </message>
    <message>
        <source>A record is too large to be read: it holds %1 bytes.</source>
        <translation>Ein Datensatz ist zu groß zum Lesen: Er enthält %1 Bytes.</translation>
    </message>
    <message>
        <source>Another program deleted this record after it was read here. %1</source>
        <translation>Ein anderes Programm hat diesen Datensatz gelöscht, nachdem er hier gelesen wurde. %1</translation>
    </message>
    <message>
        <source>Another program changed this record after it was read here. %1</source>
        <translation>Ein anderes Programm hat diesen Datensatz geändert, nachdem er hier gelesen wurde. %1</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Zum angeforderten Namen oder zur Ordnungszahl wurde kein Element in der Auflistung gefunden.</translation>
    </message>
    <message>
        <source>Current Recordset does not support updating.</source>
        <translation>Das aktuelle Recordset lässt keine Änderungen zu.</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be updated.</source>
        <translation>Das Feld „%1“ kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>The column %1 of this catalogue holds numbers only.</source>
        <translation>Die Spalte %1 dieses Katalogs enthält nur Zahlen.</translation>
    </message>
    <message>
        <source>Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.</source>
        <translation>Die Argumente haben den falschen Typ, liegen außerhalb des zulässigen Bereichs oder widersprechen einander.</translation>
    </message>
    <message>
        <source>The record to update no longer exists.</source>
        <translation>Der zu ändernde Datensatz ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The record to delete no longer exists.</source>
        <translation>Der zu löschende Datensatz ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The catalogue cannot be created: %1.</source>
        <translation>Der Katalog kann nicht angelegt werden: %1.</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ist schon vorhanden</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>no such table: table1</source>
        <translation>Tabelle fehlt: table1</translation>
    </message>
    <message>
        <source>table1 lacks the columns %1</source>
        <translation>In table1 fehlen die Spalten %1</translation>
    </message>
    <message>
        <source>table1 lacks the column %1</source>
        <translation>In table1 fehlt die Spalte %1</translation>
    </message>
    <message>
        <source>the table has no primary key</source>
        <translation>die Tabelle hat keinen Primärschlüssel</translation>
    </message>
    <message>
        <source>its primary key is %1</source>
        <translation>ihr Primärschlüssel ist %1</translation>
    </message>
    <message>
        <source>ID is declared %1</source>
        <translation>ID ist als %1 vereinbart</translation>
    </message>
    <message>
        <source>without a type</source>
        <translation>ohne Typ</translation>
    </message>
    <message>
        <source>Records of table1 cannot be saved or deleted: its column ID must be its INTEGER PRIMARY KEY, but %1.</source>
        <translation>Datensätze von table1 können weder gespeichert noch gelöscht werden: Ihre Spalte ID muss ihr INTEGER PRIMARY KEY sein, aber %1.</translation>
    </message>
    <message>
        <source>The columns of table1 are in the wrong order: %1 is column %2 but must be column %3.</source>
        <translation>Die Spalten von table1 stehen in der falschen Reihenfolge: %1 ist Spalte %2, muss aber Spalte %3 sein.</translation>
    </message>
    <message>
        <source>file is not a database</source>
        <translation>Die Datei ist keine Datenbank</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>Der Katalog ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The deleted record %1 is no longer kept.</source>
        <translation>Der gelöschte Datensatz %1 wird nicht mehr aufbewahrt.</translation>
    </message>
    <message>
        <source>The catalogue cannot hold further pictures.</source>
        <translation>Der Katalog kann keine weiteren Bilder aufnehmen.</translation>
    </message>
</context>
<context>
    <name>kbs::textboxText</name>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>There has been a error!</source>
        <translation>Es ist ein Fehler aufgetreten!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The file cannot be opened in the editor:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The file is left as it is.</source>
        <translation>Die Datei kann im Editor nicht geöffnet werden:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 has a line of %2 characters; the editor opens files whose lines have at most %3.</source>
        <translation>%1 hat eine Zeile mit %2 Zeichen; der Editor öffnet Dateien mit höchstens %3 Zeichen pro Zeile.</translation>
    </message>
</context>
<context>
    <name>kbs::tipText</name>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Tips For Kerbside Manger</source>
        <translation>Tipps für Kerbside Manager</translation>
    </message>
    <message>
        <source>Working with the Kerbside Manager...</source>
        <translation>Arbeiten mit Kerbside Manager...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Nächster Tipp</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Tipps beim Start zeigen</translation>
    </message>
    <message>
        <source>The tip.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Please inform Larkspur Software in order to correct this problem. </source>
        <translation>Die Datei tip.txt wurde nicht gefunden. <byte value="xd"/>
<byte value="xd"/>
Bitte informieren Sie Larkspur Software, damit das Problem behoben wird. </translation>
    </message>
    <message>
        <source>The tips cannot be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Die Tipps können nicht angezeigt werden:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>kbs::tips</name>
    <message>
        <source>Click the list icon beside a field to pick a value from its list instead of typing it.</source>
        <translation>Klicken Sie auf das Listensymbol neben einem Feld, um einen Wert aus seiner Liste zu wählen, statt ihn einzutippen.</translation>
    </message>
    <message>
        <source>The pick lists come from small .ini files in the program folder: one value per line.</source>
        <translation>Die Auswahllisten stammen aus kleinen .ini-Dateien im Programmordner: ein Wert pro Zeile.</translation>
    </message>
    <message>
        <source>Change the pick lists with Help, Edit Helper Menues. A list you save there is used at the next click of its icon.</source>
        <translation>Ändern Sie die Auswahllisten mit Hilfe, Auswahllisten bearbeiten. Eine dort gespeicherte Liste gilt ab dem nächsten Klick auf ihr Symbol.</translation>
    </message>
    <message>
        <source>In the list editor, choosing another file asks whether to save the changes to the one you were editing.</source>
        <translation>Wählen Sie im Listen-Editor eine andere Datei, fragt er, ob die Änderungen an der bisherigen gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>The list editor&apos;s Edit menu has Find (Ctrl+F) and Replace (Ctrl+H).</source>
        <translation>Das Menü Bearbeiten des Listen-Editors bietet Suchen (Strg+F) und Ersetzen (Strg+H).</translation>
    </message>
    <message>
        <source>Replace All in the list editor tells you how many replacements it made.</source>
        <translation>Alle ersetzen im Listen-Editor meldet, wie viele Ersetzungen vorgenommen wurden.</translation>
    </message>
    <message>
        <source>Click a row of the grid to show that model in the fields above it.</source>
        <translation>Klicken Sie auf eine Zeile der Tabelle, um dieses Modell in den Feldern darüber zu zeigen.</translation>
    </message>
    <message>
        <source>Click a column heading of the grid to sort by that column; click it again to sort the other way.</source>
        <translation>Klicken Sie auf eine Spaltenüberschrift der Tabelle, um danach zu sortieren; ein weiterer Klick sortiert andersherum.</translation>
    </message>
    <message>
        <source>Press Add to enter a new model, fill in the fields and press Save.</source>
        <translation>Drücken Sie Neu, um ein neues Modell zu erfassen, füllen Sie die Felder aus und drücken Sie Speichern.</translation>
    </message>
    <message>
        <source>Press Edit to change the model shown; Cancel leaves it as it was.</source>
        <translation>Drücken Sie Ändern, um das gezeigte Modell zu bearbeiten; Abbrechen lässt es, wie es war.</translation>
    </message>
    <message>
        <source>Nothing is written to your catalogue until you press Save.</source>
        <translation>In Ihren Katalog wird erst geschrieben, wenn Sie Speichern drücken.</translation>
    </message>
    <message>
        <source>Press Find to look for a text in the fields of every model.</source>
        <translation>Drücken Sie Suchen, um einen Text in den Feldern aller Modelle zu suchen.</translation>
    </message>
    <message>
        <source>Delete asks before it removes a model, and it never removes the last one.</source>
        <translation>Löschen fragt nach, bevor es ein Modell entfernt, und entfernt nie das letzte.</translation>
    </message>
    <message>
        <source>A picture can be stored in the catalogue itself or as a link to its file: choose with the two options beside it.</source>
        <translation>Ein Bild kann im Katalog selbst oder als Verweis auf seine Datei gespeichert werden: Wählen Sie mit den beiden Optionen daneben.</translation>
    </message>
    <message>
        <source>The + and - buttons add a plus or a minus to the car&apos;s condition grade.</source>
        <translation>Die Knöpfe + und - fügen der Zustandsnote des Modells ein Plus oder ein Minus an.</translation>
    </message>
    <message>
        <source>Set the Status of a model to Want, Have or Sell, then print the matching report from the Report button.</source>
        <translation>Setzen Sie den Status eines Modells auf Want (gesucht), Have (vorhanden) oder Sell (Verkauf) und drucken Sie dann den passenden Bericht über den Knopf Bericht.</translation>
    </message>
    <message>
        <source>Report prints all your models, or only those you want, have or sell.</source>
        <translation>Bericht druckt alle Ihre Modelle oder nur die gesuchten, vorhandenen oder zum Verkauf stehenden.</translation>
    </message>
    <message>
        <source>The status bar shows how many models your catalogue holds.</source>
        <translation>Die Statusleiste zeigt, wie viele Modelle Ihr Katalog enthält.</translation>
    </message>
    <message>
        <source>Untick Show Tips at Startup if you would rather not see these tips when the program starts.</source>
        <translation>Entfernen Sie den Haken bei Tipps beim Start zeigen, wenn Sie diese Tipps beim Programmstart nicht sehen möchten.</translation>
    </message>
    <message>
        <source>You can read all the tips at any time from Help, Tips.</source>
        <translation>Alle Tipps können Sie jederzeit über Hilfe, Tipps lesen.</translation>
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
        <translation>Wert</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>%1 line %2: %3.</source>
        <translation>%1 Zeile %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>a column for the date and one for the value are needed</source>
        <translation>eine Spalte für das Datum und eine für den Wert werden gebraucht</translation>
    </message>
    <message>
        <source>a column for the record&apos;s ID, or columns for its Description, Number and Version #, are needed</source>
        <translation>eine Spalte für die ID des Datensatzes oder Spalten für Beschreibung, Nummer und Version # werden gebraucht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>„%1“ ist keine Datensatz-ID</translation>
    </message>
    <message>
        <source>the row names no record</source>
        <translation>die Zeile nennt keinen Datensatz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount</source>
        <translation>„%1“ ist kein Betrag</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) added, %1 already there.</source>
        <translation>
            <numerusform>%n Bewertung hinzugefügt, %1 schon vorhanden.</numerusform>
            <numerusform>%n Bewertungen hinzugefügt, %1 schon vorhanden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not matched:</source>
        <translation>Nicht zugeordnet:</translation>
    </message>
    <message>
        <source>Ambiguous (more than one record fits):</source>
        <translation>Mehrdeutig (mehr als ein Datensatz passt):</translation>
    </message>
    <message>
        <source>The valuation is no longer in the catalogue.</source>
        <translation>Die Bewertung ist nicht mehr im Katalog.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>%1 (IDs %2)</source>
        <translation>%1 (IDs %2)</translation>
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
        <translation>In %2 gibt es keine Sicherungen von %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kerbside Manager: a catalogue of a die-cast model car collection.</source>
        <translation>Kerbside Manager: ein Katalog einer Sammlung von Modellautos aus Druckguss.</translation>
    </message>
    <message>
        <source>Open a window of its own even when the program is already running on this catalogue.</source>
        <translation>Ein eigenes Fenster öffnen, auch wenn das Programm mit diesem Katalog schon läuft.</translation>
    </message>
    <message>
        <source>Use this language (de, fr, nl, es, en) instead of the system&apos;s.</source>
        <translation>Diese Sprache (de, fr, nl, es, en) statt der des Systems verwenden.</translation>
    </message>
    <message>
        <source>The folder for your collection cannot be prepared: %1.</source>
        <translation>Der Ordner für Ihre Sammlung kann nicht angelegt werden: %1.</translation>
    </message>
    <message>
        <source>The catalogue to open instead of your own.</source>
        <translation>Der Katalog, der statt Ihres eigenen geöffnet wird.</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>Den Katalog %1 gibt es nicht.</translation>
    </message>
</context>
</TS>
