<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>kbs::CastingList</name>
    <message>
        <source>Records of the same casting</source>
        <translation>Registros del mismo molde</translation>
    </message>
    <message>
        <source>≠ marks what differs from what you type.</source>
        <translation>≠ marca lo que difiere de lo que escribe.</translation>
    </message>
    <message>
        <source>You have this model already. Records of this casting in the catalogue: %1.</source>
        <translation>Ya tiene este modelo. Registros de este molde en el catálogo: %1.</translation>
    </message>
    <message>
        <source>Records of this casting in the catalogue: %1.</source>
        <translation>Registros de este molde en el catálogo: %1.</translation>
    </message>
    <message>
        <source>The first %1 are listed.</source>
        <translation>Se listan los primeros %1.</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difiere</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
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
        <translation>El mismo modelo que el que escribe.</translation>
    </message>
    <message>
        <source>Differs in: %1</source>
        <translation>Difiere en: %1</translation>
    </message>
    <message>
        <source>no quantity or storage location given</source>
        <translation>sin cantidad ni ubicación indicadas</translation>
    </message>
    <message>
        <source>%1, no storage location given</source>
        <translation>%1, sin ubicación indicada</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>You have this model already: %1 (&quot;%2&quot;, ID %3).</source>
        <translation>Ya tiene este modelo: %1 («%2», ID %3).</translation>
    </message>
    <message>
        <source>Other records of this model: %1.</source>
        <translation>Otros registros de este modelo: %1.</translation>
    </message>
    <message>
        <source>Yes: add one to the quantity of that record (what you typed is not stored).</source>
        <translation>Sí: sumar uno a la cantidad de ese registro (lo que escribió no se guarda).</translation>
    </message>
    <message>
        <source>No: save this one as a record of its own.</source>
        <translation>No: guardar este como un registro propio.</translation>
    </message>
    <message>
        <source>Cancel: go back to editing.</source>
        <translation>Cancelar: volver a la edición.</translation>
    </message>
    <message>
        <source>Do I already have it?</source>
        <translation>¿Ya lo tengo?</translation>
    </message>
    <message>
        <source>The quantity of that record, &quot;%1&quot;, is not a whole number, so one cannot be added to it. Nothing was stored; change it there by hand, or save this one as a record of its own.</source>
        <translation>La cantidad de ese registro, «%1», no es un número entero, así que no se le puede sumar uno. No se guardó nada; cámbiela allí a mano o guarde este como un registro propio.</translation>
    </message>
    <message>
        <source>new variation of &quot;%1&quot;</source>
        <translation>nueva variante de «%1»</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Report -- Duplicates</source>
        <translation>Informe -- Duplicados</translation>
    </message>
    <message>
        <source>Show only duplicates: records of the same model as another, or more than one piece</source>
        <translation>Mostrar solo duplicados: registros del mismo modelo que otro, o de más de una pieza</translation>
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
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>New catalogue…</source>
        <translation>Catálogo nuevo…</translation>
    </message>
    <message>
        <source>Open catalogue…</source>
        <translation>Abrir catálogo…</translation>
    </message>
    <message>
        <source>Open recent</source>
        <translation>Abiertos recientemente</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>CSV file…</source>
        <translation>Archivo CSV…</translation>
    </message>
    <message>
        <source>Tellico collection…</source>
        <translation>Colección de Tellico…</translation>
    </message>
    <message>
        <source>Catalogue of the older Windows program…</source>
        <translation>Catálogo del antiguo programa de Windows…</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Deshacer la importación</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)…</source>
        <translation>Libro de Excel (.xlsx)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Guarde o cancele primero el registro que está editando.</translation>
    </message>
    <message>
        <source>The catalogue shown before cannot be opened again either: %1</source>
        <translation>Tampoco se puede volver a abrir el catálogo mostrado antes: %1</translation>
    </message>
    <message>
        <source>Open catalogue</source>
        <translation>Abrir catálogo</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>No existe el catálogo %1.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program. Import makes a new catalogue of it; the file itself stays as it is.</source>
        <translation>%1 es un catálogo del antiguo programa de Windows. Importar crea con él un catálogo nuevo; el archivo mismo queda como está.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened: %2</source>
        <translation>No se puede abrir el catálogo %1: %2</translation>
    </message>
    <message>
        <source>Catalogues</source>
        <translation>Catálogos</translation>
    </message>
    <message>
        <source>New catalogue</source>
        <translation>Catálogo nuevo</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be made: %2</source>
        <translation>No se puede crear el catálogo %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message>
        <source>the conversion was stopped</source>
        <translation>la conversión se detuvo</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be imported as written:</source>
        <translation>
            <numerusform>%n fila no se puede importar tal como está:</numerusform>
            <numerusform>%n filas no se pueden importar tal como están:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other rows?</source>
        <translation>¿Importar las demás filas?</translation>
    </message>
    <message>
        <source>nothing could be read</source>
        <translation>no se pudo leer nada</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) skipped</source>
        <translation>
            <numerusform>%n fila vacía omitida</numerusform>
            <numerusform>%n filas vacías omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>left out as a spreadsheet&apos;s sum: line(s) %1</source>
        <translation>omitida(s) como suma de una hoja de cálculo: línea(s) %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped</source>
        <translation>
            <numerusform>%n fila omitida</numerusform>
            <numerusform>%n filas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>Tellico collections</source>
        <translation>Colecciones de Tellico</translation>
    </message>
    <message>
        <source>Catalogues of the older Windows program</source>
        <translation>Catálogos del antiguo programa de Windows</translation>
    </message>
    <message>
        <source>Add the records of %1 to the catalogue that is open?

Yes adds them (Undo import takes them out again); No makes a new catalogue of them and opens it.</source>
        <translation>¿Añadir los registros de %1 al catálogo abierto?

Sí los añade (Deshacer la importación los vuelve a quitar); No crea con ellos un catálogo nuevo y lo abre.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>no hay memoria suficiente</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2.</source>
        <translation>Importado de %1: %2.</translation>
    </message>
    <message>
        <source>Added from %1: %2. Help &gt; Undo import takes them out again.</source>
        <translation>Añadido de %1: %2. Ayuda &gt; Deshacer la importación los vuelve a quitar.</translation>
    </message>
    <message numerus="yes">
        <source>Take the %n record(s) imported from %1 out of the catalogue again?</source>
        <translation>
            <numerusform>¿Quitar otra vez del catálogo el %n registro importado de %1?</numerusform>
            <numerusform>¿Quitar otra vez del catálogo los %n registros importados de %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>The import cannot be undone: %1</source>
        <translation>No se puede deshacer la importación: %1</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Libros de Excel</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 ya existe; elija un nombre nuevo.</translation>
    </message>
    <message>
        <source>The catalogue cannot be exported: %1</source>
        <translation>No se puede exportar el catálogo: %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n record(s) to %1.</source>
        <translation>
            <numerusform>%n registro exportado a %1.</numerusform>
            <numerusform>%n registros exportados a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::CatalogueWriter</name>
    <message>
        <source>The new catalogue %1 is not written: its source names the same pictures for many records, and as each record keeps a copy of its own, the copies would take more than %2 MB.</source>
        <translation>El nuevo catálogo %1 no se escribe: su origen indica las mismas imágenes para muchos registros y, como cada registro guarda su propia copia, las copias ocuparían más de %2 MB.</translation>
    </message>
    <message>
        <source>The new catalogue %1 cannot be written: %2</source>
        <translation>No se puede escribir el nuevo catálogo %1: %2</translation>
    </message>
    <message>
        <source>it already exists, and an existing file is never replaced.</source>
        <translation>ya existe, y un archivo existente nunca se sustituye.</translation>
    </message>
    <message>
        <source>The old catalogue had no column %1; the new one leaves it empty.</source>
        <translation>El catálogo antiguo no tenía la columna %1; el nuevo la deja vacía.</translation>
    </message>
    <message>
        <source>The old catalogue&apos;s column %1, which this version does not use, was kept at the end of the table.</source>
        <translation>La columna %1 del catálogo antiguo, que esta versión no usa, se conservó al final de la tabla.</translation>
    </message>
    <message>
        <source>the old %1 has none of the catalogue&apos;s columns.</source>
        <translation>la antigua %1 no tiene ninguna de las columnas del catálogo.</translation>
    </message>
    <message>
        <source>Record %1 has the ID &quot;%2&quot;, which is not a whole number.</source>
        <translation>El registro %1 tiene el ID «%2», que no es un número entero.</translation>
    </message>
    <message>
        <source>Two records have the ID %1; the second is record %2.</source>
        <translation>Dos registros tienen el ID %1; el segundo es el registro %2.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones.</source>
        <translation>%1 registro(s) no tenían ID y recibieron otros nuevos.</translation>
    </message>
    <message>
        <source>it holds %1 records instead of %2.</source>
        <translation>contiene %1 registros en lugar de %2.</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistCommands</name>
    <message>
        <source>Checklists…</source>
        <translation>Listas de control…</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistsWindow</name>
    <message>
        <source>Checklists</source>
        <translation>Listas de control</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>En posesión</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Serie y número</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nueva…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Add entry…</source>
        <translation>&amp;Añadir entrada…</translation>
    </message>
    <message>
        <source>Remove en&amp;try</source>
        <translation>&amp;Quitar entrada</translation>
    </message>
    <message>
        <source>&amp;Mark the missing as wanted</source>
        <translation>Marcar los que faltan como &amp;buscados</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Show its records</source>
        <translation>&amp;Mostrar sus registros</translation>
    </message>
    <message>
        <source>Missing &amp;report</source>
        <translation>Informe de &amp;faltantes</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>C&amp;hecklists:</source>
        <translation>&amp;Listas de control:</translation>
    </message>
    <message>
        <source>Matched &amp;by:</source>
        <translation>Com&amp;parar por:</translation>
    </message>
    <message>
        <source>&amp;Entries:</source>
        <translation>En&amp;tradas:</translation>
    </message>
    <message>
        <source>Checklist status</source>
        <translation>Estado de la lista</translation>
    </message>
    <message>
        <source>The checklists cannot be read: %1</source>
        <translation>No se pueden leer las listas de control: %1</translation>
    </message>
    <message>
        <source>held %1 of %2</source>
        <translation>%1 de %2 en posesión</translation>
    </message>
    <message>
        <source>The checklist cannot be read: %1</source>
        <translation>No se puede leer la lista: %1</translation>
    </message>
    <message>
        <source>held</source>
        <translation>en posesión</translation>
    </message>
    <message>
        <source>wanted</source>
        <translation>buscado</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>%1: %2 held, %3 wanted, %4 missing.</source>
        <translation>%1: %2 en posesión, %3 buscados, %4 faltan.</translation>
    </message>
    <message>
        <source>No checklist yet: import one from a CSV file or make a new one.</source>
        <translation>Aún no hay listas: importe una de un archivo CSV o cree una nueva.</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Guarde o cancele primero el registro que se está editando.</translation>
    </message>
    <message>
        <source>The checklist could not be saved: %1</source>
        <translation>No se pudo guardar la lista: %1</translation>
    </message>
    <message>
        <source>Import a checklist</source>
        <translation>Importar una lista</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message numerus="yes">
        <source>The series whose models &quot;%1&quot; lists (%n model(s)), as the records&apos; Series field names it:</source>
        <translation>
            <numerusform>La serie cuyos modelos enumera «%1» (%n modelo), tal como la nombra el campo Serie de los registros:</numerusform>
            <numerusform>La serie cuyos modelos enumera «%1» (%n modelos), tal como la nombra el campo Serie de los registros:</numerusform>
        </translation>
    </message>
    <message>
        <source>New checklist</source>
        <translation>Nueva lista</translation>
    </message>
    <message>
        <source>The series, as the records&apos; Series field names it:</source>
        <translation>La serie, tal como la nombra el campo Serie de los registros:</translation>
    </message>
    <message>
        <source>Delete the checklist &quot;%1&quot;? Its records stay in the catalogue.</source>
        <translation>¿Eliminar la lista «%1»? Sus registros se quedan en el catálogo.</translation>
    </message>
    <message>
        <source>Delete checklist</source>
        <translation>Eliminar lista</translation>
    </message>
    <message>
        <source>The checklist could not be deleted: %1</source>
        <translation>No se pudo eliminar la lista: %1</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>Añadir entrada</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>The checklist has number %1 already.</source>
        <translation>La lista ya tiene el número %1.</translation>
    </message>
    <message>
        <source>Name of model %1:</source>
        <translation>Nombre del modelo %1:</translation>
    </message>
    <message>
        <source>Each entry needs a number of its own and a name; the change is not kept.</source>
        <translation>Cada entrada necesita un número propio y un nombre; el cambio no se guarda.</translation>
    </message>
    <message>
        <source>The matching rule could not be saved: %1</source>
        <translation>No se pudo guardar la regla de comparación: %1</translation>
    </message>
    <message>
        <source>Mark the missing as wanted</source>
        <translation>Marcar los que faltan como buscados</translation>
    </message>
    <message>
        <source>Nothing of &quot;%1&quot; is missing.</source>
        <translation>No falta nada de «%1».</translation>
    </message>
    <message numerus="yes">
        <source>Add %n record(s) with status &quot;Want&quot; for the models of &quot;%1&quot; that are missing?</source>
        <translation>
            <numerusform>¿Añadir %n registro con estado «Want» para el modelo que falta de «%1»?</numerusform>
            <numerusform>¿Añadir %n registros con estado «Want» para los modelos que faltan de «%1»?</numerusform>
        </translation>
    </message>
    <message>
        <source>No record was added: %1</source>
        <translation>No se añadió ningún registro: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; added; Undo takes them out again.</source>
        <translation>
            <numerusform>%n registro con estado «Want» añadido; Deshacer lo quita de nuevo.</numerusform>
            <numerusform>%n registros con estado «Want» añadidos; Deshacer los quita de nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; taken out again.</source>
        <translation>
            <numerusform>%n registro con estado «Want» quitado de nuevo.</numerusform>
            <numerusform>%n registros con estado «Want» quitados de nuevo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::ColumnMappingDialog</name>
    <message>
        <source>Picture file</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>Further picture files</source>
        <translation>Más archivos de imagen</translation>
    </message>
    <message>
        <source>Further linked pictures</source>
        <translation>Más imágenes enlazadas</translation>
    </message>
    <message>
        <source>Further pictures&apos; captions</source>
        <translation>Pies de las demás imágenes</translation>
    </message>
    <message>
        <source>Import a CSV file</source>
        <translation>Importar un archivo CSV</translation>
    </message>
    <message>
        <source>Choose the field each column of the file goes to. The file&apos;s first rows:</source>
        <translation>Elija el campo al que va cada columna del archivo. Las primeras filas del archivo:</translation>
    </message>
    <message>
        <source>The file&apos;s first rows</source>
        <translation>Las primeras filas del archivo</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Field for the column %1</source>
        <translation>Campo para la columna %1</translation>
    </message>
    <message>
        <source>%1 is chosen for more than one column.</source>
        <translation>%1 está elegido para más de una columna.</translation>
    </message>
    <message>
        <source>Choose a field for at least one column.</source>
        <translation>Elija un campo para al menos una columna.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>A field of its own, named by the heading</source>
        <translation>Un campo propio, con el nombre del encabezado</translation>
    </message>
</context>
<context>
    <name>kbs::ColumnsDialog</name>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>&amp;Columns shown in the grid, in their order:</source>
        <translation>&amp;Columnas mostradas en la cuadrícula, en su orden:</translation>
    </message>
    <message>
        <source>Space shows or hides the column; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Espacio muestra u oculta la columna; Ctrl+Arriba y Ctrl+Abajo la mueven.</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>D&amp;escribed columns</source>
        <translation>Columnas d&amp;escritas</translation>
    </message>
</context>
<context>
    <name>kbs::DeleteUndo</name>
    <message>
        <source>Undo delete</source>
        <translation>Deshacer el borrado</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>&amp;Deshacer el borrado</translation>
    </message>
    <message>
        <source>Brings back the record just deleted (Ctrl+Z)</source>
        <translation>Recupera el registro que acaba de borrar (Ctrl+Z)</translation>
    </message>
</context>
<context>
    <name>kbs::DetailPanel</name>
    <message>
        <source>&quot;%1&quot; (column %2)</source>
        <translation>«%1» (columna %2)</translation>
    </message>
</context>
<context>
    <name>kbs::DuplicatesReport</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Nr. #</source>
        <translation>N.º #</translation>
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
        <translation>Color</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Base plate</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Base color</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Ruedas</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Stored in</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Sin duplicados.</translation>
    </message>
</context>
<context>
    <name>kbs::FieldsWindow</name>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Value list</source>
        <translation>Lista de valores</translation>
    </message>
    <message>
        <source>Your fields</source>
        <translation>Sus campos</translation>
    </message>
    <message>
        <source>Your &amp;fields, in their order:</source>
        <translation>Sus &amp;campos, en su orden:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Value &amp;list:</source>
        <translation>&amp;Lista de valores:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Adds a field with the name, kind and value list above</source>
        <translation>Añade un campo con el nombre, tipo y lista de valores de arriba</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ca&amp;mbiar</translation>
    </message>
    <message>
        <source>Gives the chosen field the name and value list above; its kind stays</source>
        <translation>Da al campo elegido el nombre y la lista de valores de arriba; su tipo se mantiene</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Su&amp;bir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Edit value list…</source>
        <translation>&amp;Editar lista de valores…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message numerus="yes">
        <source>The field &quot;%1&quot; holds a value in %n record(s). Remove it with its values?<byte value="xd"/>
<byte value="xd"/>
Until you close this window, Undo brings it back with them.</source>
        <translation>
            <numerusform>El campo «%1» tiene un valor en %n registro. ¿Quitarlo con sus valores?<byte value="xd"/>
<byte value="xd"/>
Hasta que cierre esta ventana, Deshacer lo recupera con ellos.</numerusform>
            <numerusform>El campo «%1» tiene un valor en %n registros. ¿Quitarlo con sus valores?<byte value="xd"/>
<byte value="xd"/>
Hasta que cierre esta ventana, Deshacer lo recupera con ellos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::FilterBar</name>
    <message>
        <source>Filter, e.g. red box:mint -sell</source>
        <translation>Filtro, p. ej. rojo</translation>
    </message>
    <message>
        <source>Filter the records</source>
        <translation>Filtrar los registros</translation>
    </message>
    <message>
        <source>Filter the records (%1). Words must all match, in any field, any case.
&quot;mint in box&quot; keeps words together; color:red looks in one field (its label or column);
-sell leaves records out; year:1968-1975, year:&gt;1980, value:&gt;20 are ranges.
Escape clears the filter.</source>
        <translation>Filtrar los registros (%1). Todas las palabras deben coincidir, en cualquier campo, mayúsculas o no.
&quot;mint in box&quot; mantiene las palabras juntas; color:rojo busca en un solo campo (su etiqueta inglesa o columna);
-sell deja fuera registros; year:1968-1975, year:&gt;1980, value:&gt;20 son intervalos.
Esc borra el filtro.</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Busco</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>Tengo</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Vendo</translation>
    </message>
    <message>
        <source>Show only records you want</source>
        <translation>Mostrar solo los registros que busco</translation>
    </message>
    <message>
        <source>Show only records you have</source>
        <translation>Mostrar solo los registros que tengo</translation>
    </message>
    <message>
        <source>Show only records you sell</source>
        <translation>Mostrar solo los registros que vendo</translation>
    </message>
    <message>
        <source> (none pressed: every status)</source>
        <translation> (ninguno pulsado: cualquier situación)</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 de %2 registros</translation>
    </message>
    <message>
        <source>No record matches the filter. Escape in the filter clears it.</source>
        <translation>Ningún registro coincide con el filtro. Esc en el filtro lo borra.</translation>
    </message>
    <message>
        <source>Search wrapped to the top</source>
        <translation>Búsqueda reanudada desde el principio</translation>
    </message>
    <message>
        <source>Search wrapped to the bottom</source>
        <translation>Búsqueda reanudada desde el final</translation>
    </message>
    <message>
        <source>Find Next F3, Find Previous Shift+F3</source>
        <translation>Buscar siguiente F3, Buscar anterior Mayús+F3</translation>
    </message>
    <message>
        <source>Shown records</source>
        <translation>Registros mostrados</translation>
    </message>
    <message>
        <source>Report -- Shown records</source>
        <translation>Informe -- Registros mostrados</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) so far, still counting…</source>
        <translation>
            <numerusform>%n registro hasta ahora, aún contando…</numerusform>
            <numerusform>%n registros hasta ahora, aún contando…</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::Gallery</name>
    <message>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
</context>
<context>
    <name>kbs::GridColumns</name>
    <message>
        <source>Columns…</source>
        <translation>Columnas…</translation>
    </message>
    <message>
        <source>Hide &quot;%1&quot;</source>
        <translation>Ocultar «%1»</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Described columns</source>
        <translation>Columnas descritas</translation>
    </message>
</context>
<context>
    <name>kbs::GroupPanel</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>%1 (+%2?)</source>
        <translation>%1 (+%2?)</translation>
    </message>
    <message numerus="yes">
        <source>%n quantity(ies) could not be read as a whole number and are not added up.</source>
        <translation>
            <numerusform>%n cantidad no se pudo leer como número entero y no se suma.</numerusform>
            <numerusform>%n cantidades no se pudieron leer como números enteros y no se suman.</numerusform>
        </translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Todos los registros</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vacío)</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a decade: 1960s</comment>
        <translation>Años %1</translation>
    </message>
    <message>
        <source>Group view</source>
        <translation>Vista por grupos</translation>
    </message>
    <message>
        <source>Group by</source>
        <translation>Agrupar por</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>luego por</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nada)</translation>
    </message>
    <message>
        <source>Close the group view</source>
        <translation>Cerrar la vista por grupos</translation>
    </message>
    <message>
        <source>Close the group view (%1)</source>
        <translation>Cerrar la vista por grupos (%1)</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Lista de control</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>kbs::MissingReport</name>
    <message>
        <source>Nr.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Report -- Missing</source>
        <translation>Informe -- Faltantes</translation>
    </message>
    <message numerus="yes">
        <source>%1 (series %2): %n model(s) missing</source>
        <translation>
            <numerusform>%1 (serie %2): falta %n modelo</numerusform>
            <numerusform>%1 (serie %2): faltan %n modelos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
</context>
<context>
    <name>kbs::OpenSaveDialog</name>
    <message>
        <source>File dialog</source>
        <translation>Selección de archivo</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsCommands</name>
    <message>
        <source>Fields…</source>
        <translation>Campos…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Guarde o cancele primero el registro que está editando.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsPart</name>
    <message>
        <source>Your fields and tags</source>
        <translation>Sus campos y etiquetas</translation>
    </message>
    <message>
        <source>Your fields in short</source>
        <translation>Sus campos en resumen</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Short tags, separated by commas</source>
        <translation>Etiquetas cortas, separadas por comas</translation>
    </message>
    <message>
        <source>chase, error, carded</source>
        <translation>chase, error, en blíster</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>E&amp;tiquetas:</translation>
    </message>
    <message>
        <source>Open: the editors follow</source>
        <translation>Abierto: siguen los campos de edición</translation>
    </message>
    <message>
        <source>Closed: press to edit your fields and tags</source>
        <translation>Cerrado: pulse para editar sus campos y etiquetas</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>aaaa-mm-dd</translation>
    </message>
    <message>
        <source>Tags: %1</source>
        <translation>Etiquetas: %1</translation>
    </message>
</context>
<context>
    <name>kbs::PictureStrip</name>
    <message>
        <source>Pictures of the record</source>
        <translation>Fotos del registro</translation>
    </message>
    <message>
        <source>The record&apos;s pictures: click one to show it, Enter to view it large. In Add and Edit: Insert adds, Delete removes, Ctrl+Left/Right moves, Ctrl+M makes it the main picture, F2 edits its caption, Ctrl+V pastes one; pictures can be dropped here.</source>
        <translation>Las fotos del registro: un clic muestra una, Intro la muestra en grande. Al añadir y editar: Insert añade, Supr quita, Ctrl+Izquierda/Derecha mueve, Ctrl+M la hace foto principal, F2 edita su leyenda, Ctrl+V pega una; se pueden soltar fotos aquí.</translation>
    </message>
    <message>
        <source>View large	Enter</source>
        <translation>Ver en grande	Intro</translation>
    </message>
    <message>
        <source>Add pictures...	Ins</source>
        <translation>Añadir fotos...	Insert</translation>
    </message>
    <message>
        <source>Paste picture	Ctrl+V</source>
        <translation>Pegar foto	Ctrl+V</translation>
    </message>
    <message>
        <source>Remove picture	Del</source>
        <translation>Quitar foto	Supr</translation>
    </message>
    <message>
        <source>Move left	Ctrl+Left</source>
        <translation>Mover a la izquierda	Ctrl+Izquierda</translation>
    </message>
    <message>
        <source>Move right	Ctrl+Right</source>
        <translation>Mover a la derecha	Ctrl+Derecha</translation>
    </message>
    <message>
        <source>Make main picture	Ctrl+M</source>
        <translation>Hacer foto principal	Ctrl+M</translation>
    </message>
    <message>
        <source>Caption...	F2</source>
        <translation>Leyenda...	F2</translation>
    </message>
    <message>
        <source>Picture commands</source>
        <translation>Órdenes de fotos</translation>
    </message>
    <message>
        <source>Picture %1 of %2, the main picture</source>
        <translation>Foto %1 de %2, la foto principal</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Foto %1 de %2</translation>
    </message>
    <message>
        <source>Add pictures to the current record...</source>
        <translation>Añadir fotos al registro actual...</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>These files were not added, as they are not pictures the program can show: %1</source>
        <translation>Estos archivos no se añadieron, porque el programa no puede mostrarlos como fotos: %1</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>El portapapeles no contiene ninguna foto.</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Pegar foto</translation>
    </message>
    <message>
        <source>Caption of picture %1:</source>
        <translation>Leyenda de la foto %1:</translation>
    </message>
    <message>
        <source>Picture caption</source>
        <translation>Leyenda de la foto</translation>
    </message>
</context>
<context>
    <name>kbs::PictureViewer</name>
    <message>
        <source>Picture %1 of %2: %3</source>
        <translation>Foto %1 de %2: %3</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Sin foto</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Foto %1 de %2</translation>
    </message>
    <message>
        <source>This picture cannot be shown.</source>
        <translation>Esta foto no se puede mostrar.</translation>
    </message>
    <message>
        <source>fitted, %1 %</source>
        <translation>ajustada, %1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Picture %1 of %2%3 · %4 · +/- zoom, 1: 100 %, 0: fit, arrows: previous/next, Esc: close</source>
        <translation>Foto %1 de %2%3 · %4 · +/- zoom, 1: 100 %, 0: ajustar, flechas: anterior/siguiente, Esc: cerrar</translation>
    </message>
    <message>
        <source>Viewer status</source>
        <translation>Estado del visor</translation>
    </message>
</context>
<context>
    <name>kbs::RecentlyDeletedDialog</name>
    <message>
        <source>Recently deleted</source>
        <translation>Borrados recientemente</translation>
    </message>
    <message>
        <source>&amp;Deleted records:</source>
        <translation>Registros &amp;borrados:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Borrado</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>The deleted records cannot be read: %1.</source>
        <translation>No se pueden leer los registros borrados: %1.</translation>
    </message>
    <message>
        <source>No record was deleted in the last %1 days.</source>
        <translation>No se ha borrado ningún registro en los últimos %1 días.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is back in the catalogue.</source>
        <translation>«%1» ha vuelto al catálogo.</translation>
    </message>
</context>
<context>
    <name>kbs::RecordFilter</name>
    <message>
        <source>checklist</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>tag</source>
        <translation>etiqueta</translation>
    </message>
</context>
<context>
    <name>kbs::RecoveryCommands</name>
    <message>
        <source>Restore a backup…</source>
        <translation>Restaurar una copia de seguridad…</translation>
    </message>
    <message>
        <source>Recently deleted…</source>
        <translation>Borrados recientemente…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Guarde o cancele primero el registro que está editando.</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>Backups are made of the program&apos;s own catalogue only; open it to restore one.</source>
        <translation>Solo se hacen copias de seguridad del catálogo propio del programa; ábralo para restaurar una.</translation>
    </message>
</context>
<context>
    <name>kbs::ReportCommands</name>
    <message>
        <source>Statistics…</source>
        <translation>Estadísticas…</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPageView</name>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPreview</name>
    <message>
        <source>Export as spreadsheet...</source>
        <translation>Exportar como hoja de cálculo...</translation>
    </message>
    <message>
        <source>Export for Tellico...</source>
        <translation>Exportar para Tellico...</translation>
    </message>
    <message>
        <source>Export as spreadsheet</source>
        <translation>Exportar como hoja de cálculo</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export for Tellico</source>
        <translation>Exportar para Tellico</translation>
    </message>
    <message>
        <source>Tellico collections (*.tc)</source>
        <translation>Colecciones de Tellico (*.tc)</translation>
    </message>
    <message>
        <source>Web page for phones...</source>
        <translation>Página web para el móvil...</translation>
    </message>
    <message>
        <source>Web page for phones</source>
        <translation>Página web para el móvil</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Páginas web (*.html)</translation>
    </message>
</context>
<context>
    <name>kbs::RestoreDialog</name>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Copias de seguridad:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Restore progress</source>
        <translation>Progreso de la restauración</translation>
    </message>
    <message>
        <source>The chosen backup becomes a new catalogue; the catalogue as it is now is kept beside it.</source>
        <translation>La copia elegida pasa a ser un catálogo nuevo; el catálogo actual se guarda al lado.</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>Todavía no hay copias de seguridad.</translation>
    </message>
    <message>
        <source>Restore status</source>
        <translation>Estado de la restauración</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>no new file can be made beside the catalogue</source>
        <translation>no se puede crear un archivo nuevo junto al catálogo</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>Restaurando la copia del %1…</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>No se pudo restaurar la copia de seguridad: %1.</translation>
    </message>
    <message>
        <source>another copy of the program has the catalogue open; close it first</source>
        <translation>otra copia del programa tiene abierto el catálogo; ciérrela primero</translation>
    </message>
</context>
<context>
    <name>kbs::ShareCommands</name>
    <message>
        <source>Share and Labels…</source>
        <translation>Compartir y etiquetas…</translation>
    </message>
    <message>
        <source>Save web page</source>
        <translation>Guardar página web</translation>
    </message>
    <message>
        <source>want-list</source>
        <translation>lista-de-buscados</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Páginas web (*.html)</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n entries.</source>
        <translation>
            <numerusform>%1 escrito: %n entrada.</numerusform>
            <numerusform>%1 escrito: %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>There are no records to make labels for.</source>
        <translation>No hay registros para los que hacer etiquetas.</translation>
    </message>
</context>
<context>
    <name>kbs::ShareDialog</name>
    <message>
        <source>Share and Labels</source>
        <translation>Compartir y etiquetas</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Lista de buscados</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>En venta o para cambio</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Faltan en las listas de control</translation>
    </message>
    <message>
        <source>Records shown</source>
        <translation>Registros mostrados</translation>
    </message>
    <message>
        <source>Whole collection</source>
        <translation>Toda la colección</translation>
    </message>
    <message>
        <source>%1 (private)</source>
        <translation>%1 (privado)</translation>
    </message>
    <message>
        <source>Small (list)</source>
        <translation>Pequeñas (lista)</translation>
    </message>
    <message>
        <source>Large, %1 pixels</source>
        <translation>Grandes, %1 píxeles</translation>
    </message>
    <message>
        <source>%1: %2 × %3 mm, %4 a sheet (%5)</source>
        <translation>%1: %2 × %3 mm, %4 por hoja (%5)</translation>
    </message>
    <message>
        <source>Small &amp;picture on each label</source>
        <translation>&amp;Imagen pequeña en cada etiqueta</translation>
    </message>
    <message>
        <source>&amp;QR code of the record&apos;s ID</source>
        <translation>Código &amp;QR del ID del registro</translation>
    </message>
    <message>
        <source>&amp;Records:</source>
        <translation>&amp;Registros:</translation>
    </message>
    <message>
        <source>Check&amp;lists:</source>
        <translation>&amp;Listas de control:</translation>
    </message>
    <message>
        <source>&amp;Fields:</source>
        <translation>&amp;Campos:</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>P&amp;ictures:</source>
        <translation>I&amp;mágenes:</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Hoja:</translation>
    </message>
    <message>
        <source>Save &amp;web page...</source>
        <translation>Guardar página &amp;web...</translation>
    </message>
    <message>
        <source>L&amp;abels...</source>
        <translation>&amp;Etiquetas...</translation>
    </message>
</context>
<context>
    <name>kbs::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Chart:</source>
        <translation>&amp;Gráfico:</translation>
    </message>
    <message>
        <source>&amp;By:</source>
        <translation>&amp;Por:</translation>
    </message>
    <message>
        <source>Save as &amp;PNG…</source>
        <translation>Guardar como &amp;PNG…</translation>
    </message>
    <message>
        <source>Save as S&amp;VG…</source>
        <translation>Guardar como S&amp;VG…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Informe…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Numbers of the chart: %1</source>
        <translation>Cifras del gráfico: %1</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 ya existe; elija otro nombre.</translation>
    </message>
    <message>
        <source>Save the chart as PNG</source>
        <translation>Guardar el gráfico como PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>No se pudo guardar el gráfico como %1.</translation>
    </message>
    <message>
        <source>Save the chart as SVG</source>
        <translation>Guardar el gráfico como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>kbs::TotalsReport</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modelos</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Ilegibles</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>Text as stored</source>
        <translation>Texto guardado</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>En total</translation>
    </message>
    <message>
        <source>By status</source>
        <translation>Por situación</translation>
    </message>
    <message>
        <source>By series</source>
        <translation>Por serie</translation>
    </message>
    <message>
        <source>Values that could not be read</source>
        <translation>Valores ilegibles</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Todos los registros</translation>
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
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Report -- Value changes</source>
        <translation>Informe -- Cambios de valor</translation>
    </message>
    <message>
        <source>Rose most from %1 to %2</source>
        <translation>Mayores subidas del %1 al %2</translation>
    </message>
    <message>
        <source>Fell most from %1 to %2</source>
        <translation>Mayores bajadas del %1 al %2</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: ninguno</translation>
    </message>
</context>
<context>
    <name>kbs::ValueChart</name>
    <message>
        <source>No valuation with a date to draw.</source>
        <translation>Ninguna tasación con fecha que dibujar.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueCommands</name>
    <message>
        <source>Value history</source>
        <translation>Historial de valor</translation>
    </message>
    <message>
        <source>Value history (%1)</source>
        <translation>Historial de valor (%1)</translation>
    </message>
    <message>
        <source>Value changes…</source>
        <translation>Cambios de valor…</translation>
    </message>
    <message>
        <source>Price guide (valuations)…</source>
        <translation>Guía de precios (tasaciones)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Guarde o cancele primero el registro que está editando.</translation>
    </message>
    <message>
        <source>Import a price guide</source>
        <translation>Importar una guía de precios</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>No se importó nada. %1</translation>
    </message>
    <message>
        <source>Value changes</source>
        <translation>Cambios de valor</translation>
    </message>
    <message>
        <source>From which date (YYYY-MM-DD)?</source>
        <translation>¿Desde qué fecha (AAAA-MM-DD)?</translation>
    </message>
    <message>
        <source>To which date (YYYY-MM-DD)?</source>
        <translation>¿Hasta qué fecha (AAAA-MM-DD)?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>&quot;%1&quot; no es una fecha. Escríbala como 2026-03-31.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueHistoryDialog</name>
    <message>
        <source>Value history</source>
        <translation>Historial de valor</translation>
    </message>
    <message>
        <source>Value history: %1</source>
        <translation>Historial de valor: %1</translation>
    </message>
    <message>
        <source>&amp;Valuations:</source>
        <translation>&amp;Tasaciones:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Valuations</source>
        <translation>Tasaciones</translation>
    </message>
    <message>
        <source>Chart of the valuations</source>
        <translation>Gráfico de las tasaciones</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>Valu&amp;e:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>price guide, auction, fair...</source>
        <translation>guía de precios, subasta, feria...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>&amp;Deshacer eliminación</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>&quot;%1&quot; no es una fecha. Escríbala como 2026-03-31.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount. Type it as 12.50.</source>
        <translation>&quot;%1&quot; no es un importe. Escríbalo como 12.50.</translation>
    </message>
</context>
<context>
    <name>kbs::ViewCommands</name>
    <message>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
</context>
<context>
    <name>kbs::WindowKeys</name>
    <message>
        <source>%1 (%2 in the field)</source>
        <translation>%1 (%2 en el campo)</translation>
    </message>
</context>
<context>
    <name>kbs::aboutText</name>
    <message>
        <source>A catalogue for collectors of die-cast model cars: every model with its series, colours, base plate, wheels, box, condition, price and picture, kept in one file on this computer.</source>
        <translation>Un catálogo para coleccionistas de coches a escala de metal fundido: cada modelo con su serie, colores, base, ruedas, caja, estado, precio y foto, en un solo archivo en este ordenador.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Kerbside Manager v</source>
        <translation>Kerbside Manager v</translation>
    </message>
    <message>
        <source>Click here to visit Kerbside Manager Homepage</source>
        <translation>Haga clic aquí para visitar la web de Kerbside Manager</translation>
    </message>
    <message>
        <source>The web browser could not be started. The Kerbside Manager homepage is at:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>No se pudo abrir el navegador web. La web de Kerbside Manager está en:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Copyright © Larkspur Software.
This program is free software under the GNU General Public License, version 3 or later, and comes without warranty of any kind. Keep a copy of your catalogue file in a safe place.</source>
        <translation>Copyright © Larkspur Software.
Este programa es software libre bajo la GNU General Public License, versión 3 o posterior, y se entrega sin garantía de ningún tipo. Guarde una copia de su archivo de catálogo en un lugar seguro.</translation>
    </message>
</context>
<context>
    <name>kbs::amounts</name>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
</context>
<context>
    <name>kbs::backup</name>
    <message>
        <source>The catalogue could not be backed up: %1.</source>
        <translation>No se pudo hacer una copia de seguridad del catálogo: %1.</translation>
    </message>
    <message>
        <source>the disk became full while copying the catalogue</source>
        <translation>el disco se llenó al copiar el catálogo</translation>
    </message>
    <message>
        <source>the disk could not read the catalogue</source>
        <translation>el disco no pudo leer el catálogo</translation>
    </message>
    <message>
        <source>the copy grew larger than a file may be</source>
        <translation>la copia creció más de lo que puede medir un archivo</translation>
    </message>
    <message>
        <source>the disk could not write the copy</source>
        <translation>el disco no pudo escribir la copia</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>no había memoria suficiente</translation>
    </message>
    <message>
        <source>the catalogue is damaged</source>
        <translation>el catálogo está dañado</translation>
    </message>
    <message>
        <source>a file could not be opened</source>
        <translation>no se pudo abrir un archivo</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>el disco informó de un error (%1)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
    <message>
        <source>the catalogue cannot be opened (%1)</source>
        <translation>no se puede abrir el catálogo (%1)</translation>
    </message>
    <message>
        <source>the copy did not read back whole</source>
        <translation>la copia no se pudo volver a leer completa</translation>
    </message>
    <message>
        <source>the backup did not read back whole</source>
        <translation>la copia de seguridad no se pudo volver a leer completa</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>%1 is no whole copy of the catalogue and cannot be moved aside</source>
        <translation>%1 no es una copia completa del catálogo y no se puede apartar</translation>
    </message>
    <message>
        <source>%1 was no whole copy of the catalogue; it is kept as %2.</source>
        <translation>%1 no era una copia completa del catálogo; se conserva como %2.</translation>
    </message>
    <message>
        <source>Backup copies dated after today are kept but not counted: %1.</source>
        <translation>Las copias de seguridad con fecha posterior a hoy se conservan pero no cuentan: %1.</translation>
    </message>
    <message>
        <source>No backup of the catalogue today: less than %1 MB is free on the disk. </source>
        <translation>Hoy no hay copia de seguridad del catálogo: quedan menos de %1 MB libres en el disco. </translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>the picture file %1 is missing</source>
        <translation>falta el archivo de imagen %1</translation>
    </message>
    <message>
        <source>the picture file %1 is damaged</source>
        <translation>el archivo de imagen %1 está dañado</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>%1 is no whole backup</source>
        <translation>%1 no es una copia de seguridad completa</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>se canceló</translation>
    </message>
    <message>
        <source>the restored catalogue is not whole</source>
        <translation>el catálogo restaurado no está completo</translation>
    </message>
    <message>
        <source>the disk could not write %1</source>
        <translation>el disco no pudo escribir %1</translation>
    </message>
    <message>
        <source>the catalogue is being written by another program</source>
        <translation>otro programa está escribiendo en el catálogo</translation>
    </message>
    <message>
        <source>%1 cannot be replaced (%2)</source>
        <translation>no se puede reemplazar %1 (%2)</translation>
    </message>
</context>
<context>
    <name>kbs::editorText</name>
    <message>
        <source>Kerbside Manger Menu Editor</source>
        <translation>Kerbside Manager – Editor de listas</translation>
    </message>
    <message>
        <source>Do you wish to save your changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Quit -- Save changes?</source>
        <translation>Salir -- ¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini File(*.ini)|*.ini</source>
        <translation>Todos los archivos(*.*)|*.*|Archivo ini(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Instert File</source>
        <translation>Insertar archivo</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini Files(*.ini)|*.ini</source>
        <translation>Todos los archivos(*.*)|*.*|Archivos ini(*.ini)|*.ini</translation>
    </message>
</context>
<context>
    <name>kbs::exchange</name>
    <message>
        <source>%1 is not a catalogue: it is not a database file.</source>
        <translation>%1 no es un catálogo: no es un archivo de base de datos.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not there.</source>
        <translation>El catálogo %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program, which has to be converted before it can be exported.</source>
        <translation>%1 es un catálogo del antiguo programa de Windows; hay que convertirlo antes de poder exportarlo.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: it has no %2.</source>
        <translation>%1 no es un catálogo: no tiene %2.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: its %2 has no ID column.</source>
        <translation>%1 no es un catálogo: su tabla %2 no tiene columna ID.</translation>
    </message>
    <message>
        <source>The export to %1 was cancelled.</source>
        <translation>Se canceló la exportación a %1.</translation>
    </message>
    <message>
        <source>%1 record(s) deleted while the export ran were left out.</source>
        <translation>Se omitieron %1 registro(s) borrado(s) mientras se exportaba.</translation>
    </message>
    <message>
        <source>There was not enough memory to export %1.</source>
        <translation>No hubo memoria suficiente para exportar %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>%1 value(s) of the column %2 held binary data and were written as text.</source>
        <translation>%1 valor(es) de la columna %2 contenían datos binarios y se escribieron como texto.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL bytes, which were left out, or bytes that are not UTF-8, which became the replacement character U+FFFD.</source>
        <translation>%1 texto(s) contenían bytes NUL, que se omitieron, o bytes que no son UTF-8, que se convirtieron en el carácter de sustitución U+FFFD.</translation>
    </message>
    <message>
        <source>%1 further picture(s) with neither bytes nor a linked file were left out.</source>
        <translation>Se omitieron %1 imagen(es) adicional(es) sin datos ni archivo enlazado.</translation>
    </message>
    <message>
        <source>%1 text(s) longer than a spreadsheet cell holds (%2 characters) were cut to that length.</source>
        <translation>%1 texto(s) más largo(s) de lo que cabe en una celda de hoja de cálculo (%2 caracteres) se cortaron a esa longitud.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL characters, which a spreadsheet cell cannot hold; they were left out and the rest of each text kept.</source>
        <translation>%1 texto(s) contenían caracteres NUL, que una celda de hoja de cálculo no puede contener; se omitieron y se conservó el resto de cada texto.</translation>
    </message>
    <message>
        <source>%1 needs more memory than there is.</source>
        <translation>%1 necesita más memoria de la que hay.</translation>
    </message>
    <message>
        <source> The row was skipped.</source>
        <translation> La fila se omitió.</translation>
    </message>
    <message>
        <source>%1 line %2: %3.%4</source>
        <translation>%1 línea %2: %3.%4</translation>
    </message>
    <message>
        <source>%1: and %2 more rows like these.</source>
        <translation>%1: y %2 filas más como estas.</translation>
    </message>
    <message>
        <source>%1: %2 row(s) cannot be imported as written, so nothing was written%3.</source>
        <translation>%1: %2 fila(s) no se pueden importar tal como están, así que no se escribió nada%3.</translation>
    </message>
    <message>
        <source> (--skip-bad-rows imports the others)</source>
        <translation> (--skip-bad-rows importa las demás)</translation>
    </message>
    <message>
        <source>line %1 looks like a spreadsheet&apos;s sum and was left out (--keep-sum-rows imports it).</source>
        <translation>la línea %1 parece la suma de una hoja de cálculo y se dejó fuera (--keep-sum-rows la importa).</translation>
    </message>
    <message>
        <source>Value history</source>
        <translation>Historial de valores</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Lista de buscados</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>En venta o para cambio</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Faltan en las listas de control</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modelos</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Colección</translation>
    </message>
    <message>
        <source>%1 has no checklist named &quot;%2&quot;.</source>
        <translation>%1 no tiene ninguna lista de control llamada «%2».</translation>
    </message>
    <message>
        <source>Missing from</source>
        <translation>Falta en</translation>
    </message>
    <message>
        <source>There is no field &quot;%1&quot; to show; the fields are: %2.</source>
        <translation>No hay ningún campo «%1» que mostrar; los campos son: %2.</translation>
    </message>
    <message>
        <source>The size of the pictures must be between %1 and %2 pixels.</source>
        <translation>El tamaño de las imágenes debe estar entre %1 y %2 píxeles.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, %2</source>
        <translation>
            <numerusform>%1: %n entrada, %2</numerusform>
            <numerusform>%1: %n entradas, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Serie y número</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>As listed</source>
        <translation>Como en la lista</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ChecklistCsv</name>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>Line 1 of %1 names no columns for the number and the name of the models (for example &quot;Number&quot; and &quot;Name&quot;).</source>
        <translation>La línea 1 de %1 no nombra columnas para el número y el nombre de los modelos (por ejemplo «Número» y «Nombre»).</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>sin número</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>the number %1 was given before</source>
        <translation>el número %1 ya apareció antes</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing is stored. Correct these rows and import it again:
%2</source>
        <translation>%1 no se importó; no se guardó nada. Corrija estas filas e impórtelo de nuevo:
%2</translation>
    </message>
    <message>
        <source>and %1 more rows</source>
        <translation>y %1 filas más</translation>
    </message>
    <message>
        <source>%1 holds no models.</source>
        <translation>%1 no contiene ningún modelo.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvImport</name>
    <message>
        <source>the file has %1 columns where %2 were matched to fields</source>
        <translation>el archivo tiene %1 columnas y se asignaron %2 a campos</translation>
    </message>
    <message>
        <source>Columns left out, as their headings name no column of the catalogue: %1.</source>
        <translation>Columnas omitidas, porque sus encabezados no nombran ninguna columna del catálogo: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without any text were skipped.</source>
        <translation>
            <numerusform>Se omitió %n fila sin ningún texto.</numerusform>
            <numerusform>Se omitieron %n filas sin ningún texto.</numerusform>
        </translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation>; y %1 más</translation>
    </message>
    <message>
        <source>the file is empty: it has no header row</source>
        <translation>el archivo está vacío: no tiene fila de encabezado</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>la columna %1 no tiene nombre</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>la columna %1 aparece dos veces</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>the row has %1 field where the header has %2</source>
        <translation>la fila tiene %1 campo donde el encabezado tiene %2</translation>
    </message>
    <message>
        <source>the row has %1 fields where the header has %2</source>
        <translation>la fila tiene %1 campos donde el encabezado tiene %2</translation>
    </message>
    <message>
        <source>the ID %1 is not a whole number from %2 to %3</source>
        <translation>el ID %1 no es un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>the ID %1 is already that of line %2</source>
        <translation>el ID %1 ya es el de la línea %2</translation>
    </message>
    <message>
        <source>further picture %1 must name either a file in %2 or a link in %3</source>
        <translation>la imagen adicional %1 debe indicar un archivo en %2 o un enlace en %3</translation>
    </message>
    <message>
        <source>Line %1: %2, which changed while the file was imported.</source>
        <translation>Línea %1: %2, que cambió mientras se importaba el archivo.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones after the largest.</source>
        <translation>%1 registro(s) no tenían ID y recibieron otros nuevos después del mayor.</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) of the value history came from %1.</source>
        <translation>
            <numerusform>%n valoración del historial de valores procede de %1.</numerusform>
            <numerusform>%n valoraciones del historial de valores proceden de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) in %1 name a record the catalogue does not have and were left out.</source>
        <translation>
            <numerusform>%n valoración de %1 nombra un registro que el catálogo no tiene y se ha omitido.</numerusform>
            <numerusform>%n valoraciones de %1 nombran un registro que el catálogo no tiene y se han omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>no column of the catalogue has the heading %1; the headings taken include %2 (kbsmgr-import --list-headings lists them all, --skip-unknown leaves such columns out, --own-fields makes them fields of the collector&apos;s own)</source>
        <translation>ninguna columna del catálogo tiene el encabezado %1; los encabezados válidos incluyen %2 (kbsmgr-import --list-headings los lista todos, --skip-unknown omite esas columnas, --own-fields las convierte en campos propios del coleccionista)</translation>
    </message>
    <message>
        <source>Columns that became fields of the collector&apos;s own: %1.</source>
        <translation>Columnas que se convirtieron en campos propios del coleccionista: %1.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvReader</name>
    <message>
        <source>%1 is not UTF-8 throughout: line %2 holds bytes that UTF-8 does not have. Convert the file to UTF-8 (for example: iconv -f WINDOWS-1252 -t UTF-8 FILE &gt; NEW.csv), or give --encoding=windows-1252 if all of it is Windows-1252.</source>
        <translation>%1 no está entero en UTF-8: la línea %2 contiene bytes que UTF-8 no tiene. Convierta el archivo a UTF-8 (por ejemplo: iconv -f WINDOWS-1252 -t UTF-8 ARCHIVO &gt; NUEVO.csv), o indique --encoding=windows-1252 si todo él está en Windows-1252.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>the record that starts on line %1 is longer than %2 MB; is a quote left open?</source>
        <translation>el registro que empieza en la línea %1 ocupa más de %2 MB; ¿se quedó abierta una comilla?</translation>
    </message>
    <message>
        <source>a field holds a NUL byte, which no text may hold</source>
        <translation>un campo contiene un byte NUL, que ningún texto puede contener</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un campo entre comillas nunca se cierra</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::OwnCsv</name>
    <message>
        <source>The fields&apos; list %1 cannot be read: line %2: %3.</source>
        <translation>No se puede leer la lista de campos %1: línea %2: %3.</translation>
    </message>
    <message>
        <source>the columns Name and Kind are needed</source>
        <translation>se necesitan las columnas Name y Kind</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::PictureSource</name>
    <message>
        <source>The folder %1, where picture files may come from, is not there.</source>
        <translation>La carpeta %1, de donde pueden venir los archivos de imagen, no existe.</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 (--pictures-from names another folder pictures may come from)</source>
        <translation>está fuera de la carpeta %1 (--pictures-from indica otra carpeta de donde pueden venir las imágenes)</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 and the folders given by --pictures-from</source>
        <translation>está fuera de la carpeta %1 y de las carpetas indicadas con --pictures-from</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it is not a picture the program can show (%1)</source>
        <translation>no es una imagen que el programa pueda mostrar (%1)</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::Tellico</name>
    <message>
        <source>its XML is larger than %1 MB</source>
        <translation>su XML ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it holds a value larger than %1 MB</source>
        <translation>contiene un valor de más de %1 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read as a zip file: %2.</source>
        <translation>%1 no se puede leer como archivo zip: %2.</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: it holds no tellico.xml.</source>
        <translation>%1 no es una colección de Tellico: no contiene tellico.xml.</translation>
    </message>
    <message>
        <source>%1: tellico.xml cannot be read: %2.</source>
        <translation>%1: no se puede leer tellico.xml: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: a picture cannot be set aside in %2: %3.</source>
        <translation>%1 no se puede leer: no se puede apartar una imagen en %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2 is larger than the program takes.</source>
        <translation>%1: %2 es más grande de lo que el programa acepta.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read: %3.</source>
        <translation>%1: no se puede leer %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read whole.</source>
        <translation>%1: no se puede leer %2 completo.</translation>
    </message>
    <message>
        <source>%1 is not read: line %2: %3.</source>
        <translation>%1 no se lee: línea %2: %3.</translation>
    </message>
    <message>
        <source>it holds a value longer than %1 characters</source>
        <translation>contiene un valor de más de %1 caracteres</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1</source>
        <translation>sus elementos están anidados a más de %1 niveles</translation>
    </message>
    <message>
        <source>it declares more than %1 fields</source>
        <translation>declara más de %1 campos</translation>
    </message>
    <message>
        <source>it lists more than %1 pictures</source>
        <translation>enumera más de %1 imágenes</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is broken at line %2 (%3).</source>
        <translation>%1 no es una colección de Tellico: su XML está roto en la línea %2 (%3).</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is not &lt;tellico&gt;.</source>
        <translation>%1 no es una colección de Tellico: su XML no es &lt;tellico&gt;.</translation>
    </message>
    <message>
        <source>an entry holds more than %1 characters</source>
        <translation>una entrada contiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>it holds a name longer than %1 characters</source>
        <translation>contiene un nombre de más de %1 caracteres</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 cambió mientras se leía.</translation>
    </message>
    <message>
        <source>These fields have no column in the catalogue and were left out: %1.</source>
        <translation>Estos campos no tienen columna en el catálogo y se omitieron: %1.</translation>
    </message>
    <message>
        <source>%1 entr(ies) without a usable id were given new IDs.</source>
        <translation>%1 entrada(s) sin un id utilizable recibieron nuevos ID.</translation>
    </message>
    <message>
        <source>%1 picture(s) named in the collection are not in the file and were left out.</source>
        <translation>%1 imagen(es) indicada(s) en la colección no está(n) en el archivo y se omitieron.</translation>
    </message>
    <message>
        <source>%1 picture(s) could not be read as pictures and were left out.</source>
        <translation>%1 imagen(es) no se pudo/pudieron leer como imagen y se omitieron.</translation>
    </message>
    <message>
        <source>No catalogue was named to import %1 into.</source>
        <translation>No se indicó ningún catálogo al que importar %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>%1 %2, caption</source>
        <translation>%1 %2, pie de foto</translation>
    </message>
    <message>
        <source>Exact texts (Kerbside Manager)</source>
        <translation>Textos exactos (Kerbside Manager)</translation>
    </message>
    <message>
        <source>%1 cannot be written as a zip file.</source>
        <translation>No se puede escribir %1 como archivo zip.</translation>
    </message>
    <message>
        <source>%1 character(s) that XML cannot hold (control characters such as NUL, U+FFFE, U+FFFF, halves of surrogate pairs) were left out of the texts.</source>
        <translation>%1 carácter(es) que XML no puede contener (caracteres de control como NUL, U+FFFE, U+FFFF, mitades de pares suplentes) se omitieron de los textos.</translation>
    </message>
    <message>
        <source>Keywords of %1 record(s) are longer than a tag may be and are kept in the field %2.</source>
        <translation>Palabras clave de %1 registro(s) son más largas de lo que puede ser una etiqueta y se guardan en el campo %2.</translation>
    </message>
    <message>
        <source>Own fields</source>
        <translation>Campos propios</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ValueCsv</name>
    <message>
        <source>The value history %1 cannot be read: line %2: %3.</source>
        <translation>No se puede leer el historial de valores %1: línea %2: %3.</translation>
    </message>
    <message>
        <source>the columns ID, Date and Value are needed</source>
        <translation>se necesitan las columnas ID, Date y Value</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>«%1» no es un ID de registro</translation>
    </message>
</context>
<context>
    <name>kbs::frmAbout</name>
    <message>
        <source>Released %1</source>
        <translation>Publicado el %1</translation>
    </message>
</context>
<context>
    <name>kbs::frmEditor</name>
    <message>
        <source>Value lists</source>
        <translation>Listas de valores</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Text edge</source>
        <translation>Borde del texto</translation>
    </message>
    <message>
        <source>List text</source>
        <translation>Texto de la lista</translation>
    </message>
    <message>
        <source>Inserted text</source>
        <translation>Texto insertado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>&amp;Insert File</source>
        <translation>&amp;Insertar archivo</translation>
    </message>
</context>
<context>
    <name>kbs::frmFind</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>kbs::frmMain</name>
    <message>
        <source>Gallery</source>
        <translation>Galería</translation>
    </message>
    <message>
        <source>Show the records as pictures (%1)</source>
        <translation>Mostrar los registros como fotos (%1)</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniaturas</translation>
    </message>
    <message>
        <source>Making thumbnails: %1 of %2</source>
        <translation>Creando miniaturas: %1 de %2</translation>
    </message>
    <message>
        <source>The record could not be brought back: %1</source>
        <translation>No se pudo recuperar el registro: %1</translation>
    </message>
    <message>
        <source>Undo delete</source>
        <translation>Deshacer el borrado</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>a backup is being made</source>
        <translation>se está haciendo una copia de seguridad</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>No se pudo restaurar la copia de seguridad: %1.</translation>
    </message>
    <message>
        <source>The backup of %1 is restored; the catalogue as it was is kept as %2.</source>
        <translation>La copia del %1 se ha restaurado; el catálogo anterior se guarda como %2.</translation>
    </message>
    <message>
        <source>The catalogue was replaced by another program; it is opened again.</source>
        <translation>Otro programa ha reemplazado el catálogo; se vuelve a abrir.</translation>
    </message>
</context>
<context>
    <name>kbs::frmReplace</name>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
</context>
<context>
    <name>kbs::frmTip</name>
    <message>
        <source>Tip of the day</source>
        <translation>Consejo del día</translation>
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
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Car_Cond</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Wheel_Type</source>
        <translation>Ruedas</translation>
    </message>
    <message>
        <source>Box_Type</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Box_Cond</source>
        <translation>Estado caja</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Precio compra</translation>
    </message>
    <message>
        <source>Purch_Date</source>
        <translation>Fecha compra</translation>
    </message>
    <message>
        <source>List_Price</source>
        <translation>PVP</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Value_Date</source>
        <translation>Fecha valor</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Purch_From</source>
        <translation>Comprado a</translation>
    </message>
    <message>
        <source>Base_Name</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Interior_Color</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Version_Number</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Base_Color</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>veinte</translation>
    </message>
</context>
<context>
    <name>kbs::groups</name>
    <message>
        <source>Decade</source>
        <translation>Década</translation>
    </message>
</context>
<context>
    <name>kbs::legacy</name>
    <message>
        <source>The converted catalogue cannot be put in place of %1: %2</source>
        <translation>El catálogo convertido no puede ocupar el lugar de %1: %2</translation>
    </message>
    <message>
        <source>The converter %1 is missing.</source>
        <translation>Falta el programa de conversión %1.</translation>
    </message>
    <message>
        <source>Reading %1 needed more than %2 MB of memory, so it was stopped: the file is probably damaged.</source>
        <translation>La lectura de %1 necesitaba más de %2 MB de memoria, por lo que se detuvo: probablemente el archivo está dañado.</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly while reading %1 (%2): the file is probably damaged.</source>
        <translation>El programa de conversión se detuvo inesperadamente al leer %1 (%2): probablemente el archivo está dañado.</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>se bloqueó</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>The converter %1 could not be started: %2.</source>
        <translation>No se pudo iniciar el programa de conversión %1: %2.</translation>
    </message>
    <message>
        <source>The converted catalogue cannot be opened: %1</source>
        <translation>No se puede abrir el catálogo convertido: %1</translation>
    </message>
    <message>
        <source>The converted catalogue holds %1 records instead of %2.</source>
        <translation>El catálogo convertido contiene %1 registros en lugar de %2.</translation>
    </message>
    <message>
        <source>%1: the file says that %2 holds %3 records, but %4 could be read. The file is damaged.</source>
        <translation>%1: el archivo indica que %2 contiene %3 registros, pero se pudieron leer %4. El archivo está dañado.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>%1 is not a database of the older Windows program.</source>
        <translation>%1 no es una base de datos del antiguo programa de Windows.</translation>
    </message>
    <message>
        <source>%1 is a database of an unknown version (%2).</source>
        <translation>%1 es una base de datos de una versión desconocida (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, which is not a whole number of the %3-byte pages that a %4 file is made of: the file is incomplete (perhaps cut short while it was copied) or damaged.</source>
        <translation>%1 mide %2 bytes, que no es un número entero de las páginas de %3 bytes de las que se compone un archivo %4: el archivo está incompleto (quizá cortado al copiarlo) o dañado.</translation>
    </message>
    <message>
        <source>%1 is only %2 bytes long: too short for a %3 database.</source>
        <translation>%1 solo mide %2 bytes: demasiado corto para una base de datos %3.</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>registro %1</translation>
    </message>
    <message>
        <source> (ID %1)</source>
        <translation> (ID %1)</translation>
    </message>
    <message>
        <source>, column %1</source>
        <translation>, columna %1</translation>
    </message>
    <message>
        <source>%1: %2 The file is damaged.</source>
        <translation>%1: %2 El archivo está dañado.</translation>
    </message>
    <message>
        <source>libmdb cannot open the file.</source>
        <translation>libmdb no puede abrir el archivo.</translation>
    </message>
    <message>
        <source>the file&apos;s pages are not the size its header promises.</source>
        <translation>las páginas del archivo no tienen el tamaño que promete su cabecera.</translation>
    </message>
    <message>
        <source>the list of the file&apos;s tables cannot be read.</source>
        <translation>no se puede leer la lista de tablas del archivo.</translation>
    </message>
    <message>
        <source>the file has no table &quot;%1&quot;: it is not a catalogue.</source>
        <translation>el archivo no tiene la tabla «%1»: no es un catálogo.</translation>
    </message>
    <message>
        <source>the definition of %1 cannot be read.</source>
        <translation>no se puede leer la definición de %1.</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read.</source>
        <translation>no se pueden leer las columnas de %1.</translation>
    </message>
    <message>
        <source>column %1 (%2) has the size %3 where %4 was expected.</source>
        <translation>la columna %1 (%2) tiene el tamaño %3 donde se esperaba %4.</translation>
    </message>
    <message>
        <source>its value is shorter than its header.</source>
        <translation>su valor es más corto que su cabecera.</translation>
    </message>
    <message>
        <source>its value holds %1 bytes but its header says %2.</source>
        <translation>su valor contiene %1 bytes pero su cabecera indica %2.</translation>
    </message>
    <message>
        <source>the page that holds its value cannot be read.</source>
        <translation>no se puede leer la página que contiene su valor.</translation>
    </message>
    <message>
        <source>its value is stored in an unknown way.</source>
        <translation>su valor está guardado de una forma desconocida.</translation>
    </message>
    <message>
        <source>its value ends after %1 of the %2 bytes its header says.</source>
        <translation>su valor termina tras %1 de los %2 bytes que indica su cabecera.</translation>
    </message>
    <message>
        <source>a page that holds its value cannot be read.</source>
        <translation>no se puede leer una página que contiene su valor.</translation>
    </message>
    <message>
        <source>its value holds more than the %1 bytes its header says.</source>
        <translation>su valor contiene más de los %1 bytes que indica su cabecera.</translation>
    </message>
    <message>
        <source>its text is cut in the middle of a character.</source>
        <translation>su texto está cortado en mitad de un carácter.</translation>
    </message>
    <message>
        <source>its value is shorter than its type needs.</source>
        <translation>su valor es más corto de lo que requiere su tipo.</translation>
    </message>
    <message>
        <source>its date (%1) lies outside the years 100 to 9999.</source>
        <translation>su fecha (%1) está fuera de los años 100 a 9999.</translation>
    </message>
    <message>
        <source>its type (%1) cannot be converted.</source>
        <translation>su tipo (%1) no se puede convertir.</translation>
    </message>
    <message>
        <source>record %1 cannot be found again on its page.</source>
        <translation>el registro %1 no se vuelve a encontrar en su página.</translation>
    </message>
    <message>
        <source>record %1 cannot be taken apart: the file is damaged.</source>
        <translation>el registro %1 no se puede descomponer: el archivo está dañado.</translation>
    </message>
    <message>
        <source>record %1 lacks a column.</source>
        <translation>al registro %1 le falta una columna.</translation>
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
        <translation>Convirtiendo el catálogo de la versión anterior de Kerbside Manager para Windows...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and has been converted for this version: %2 converted.<byte value="xd"/>
<byte value="xd"/>
The original file is kept, unchanged, as %3.</source>
        <translation>El catálogo %1 se creó con la versión anterior de Kerbside Manager para Windows y se ha convertido para esta versión: %2 convertido(s).<byte value="xd"/>
<byte value="xd"/>
El archivo original se conserva, sin cambios, como %3.</translation>
    </message>
    <message>
        <source>1 record was</source>
        <translation>1 registro ha sido</translation>
    </message>
    <message>
        <source>%1 records were</source>
        <translation>%1 registros han sido</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and could not be converted:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>El catálogo %1 se creó con la versión anterior de Kerbside Manager para Windows y no se pudo convertir:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>The conversion of the catalogue %1 was cancelled.<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>Se canceló la conversión del catálogo %1.<byte value="xd"/>
<byte value="xd"/>
El archivo no se ha modificado.</translation>
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
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Total Records In The Database : </source>
        <translation>Registros en la base de datos: </translation>
    </message>
    <message>
        <source>       Total Found In The Database Is: </source>
        <translation>       Encontrado en la base de datos: </translation>
    </message>
    <message>
        <source>       Total Found In The Database Are: </source>
        <translation>       Encontrados en la base de datos: </translation>
    </message>
    <message>
        <source>  Record</source>
        <translation>  registro</translation>
    </message>
    <message>
        <source>  Records</source>
        <translation>  registros</translation>
    </message>
    <message>
        <source>Add/Edit Info</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>store in database</source>
        <translation>en la base</translation>
    </message>
    <message>
        <source>store as file pointer</source>
        <translation>como enlace</translation>
    </message>
    <message>
        <source>select picture</source>
        <translation>Elegir foto</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add plus to the car condition</source>
        <translation>Añadir más al estado del modelo</translation>
    </message>
    <message>
        <source>Add minus to the car condition</source>
        <translation>Añadir menos al estado del modelo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Picture of the model</source>
        <translation>Foto del modelo</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Archivo de foto</translation>
    </message>
    <message>
        <source>Kerbside Manager logo</source>
        <translation>Logotipo de Kerbside Manager</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>The record could not be saved:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields.</source>
        <translation>No se pudo guardar el registro:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
No se ha guardado nada. Sus datos siguen en los campos.</translation>
    </message>
    <message>
        <source>The record could not be saved: the field %1 cannot hold the text &quot;%2&quot;.<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>No se pudo guardar el registro: el campo %1 no admite el texto «%2».<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
No se ha guardado nada. Sus datos siguen en los campos: cambie ese valor y guarde de nuevo, o cancele.</translation>
    </message>
    <message>
        <source>The record could not be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>No se pudo mostrar el registro:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Sort Error</source>
        <translation>Error al ordenar</translation>
    </message>
    <message>
        <source>There needs to be at least one record in the database.<byte value="xd"/>
<byte value="xd"/>
Please edit this record.</source>
        <translation>La base de datos debe tener al menos un registro.<byte value="xd"/>
<byte value="xd"/>
Edite este registro.</translation>
    </message>
    <message>
        <source>No Records to Delete</source>
        <translation>No hay registros que eliminar</translation>
    </message>
    <message>
        <source>You are about to delete this record, are you sure?</source>
        <translation>Va a eliminar este registro. ¿Está seguro?</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Eliminar registro</translation>
    </message>
    <message>
        <source>The record could not be deleted:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>No se pudo eliminar el registro:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>There is no record to search</source>
        <translation>No hay ningún registro en el que buscar</translation>
    </message>
    <message>
        <source>Exiting</source>
        <translation>Saliendo</translation>
    </message>
    <message>
        <source>Search for an entry</source>
        <translation>Buscar una entrada</translation>
    </message>
    <message>
        <source>enter your searchtext</source>
        <translation>escriba el texto a buscar</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>No Match found in Database!</source>
        <translation>¡No se encontró ninguna coincidencia!</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Búsqueda...</translation>
    </message>
    <message>
        <source>File does not appear to be a valid image file...</source>
        <translation>El archivo no parece ser una imagen válida...</translation>
    </message>
    <message>
        <source>Select picture for current record...</source>
        <translation>Elegir una foto para el registro actual...</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</source>
        <translation>Imágenes (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</translation>
    </message>
    <message>
        <source>The picture %1 is %2 MB. A record holds pictures of up to %3 MB.<byte value="xd"/>
<byte value="xd"/>
Please choose a smaller picture, or store this one as a file pointer.</source>
        <translation>La foto %1 ocupa %2 MB. Un registro admite fotos de hasta %3 MB.<byte value="xd"/>
<byte value="xd"/>
Elija una foto más pequeña o guárdela como enlace al archivo.</translation>
    </message>
    <message>
        <source>The picture file %1 could not be read:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation>No se pudo leer el archivo de foto %1:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
El registro conserva la foto que tenía.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
El registro conserva la foto que tenía.</translation>
    </message>
    <message>
        <source> … [%1 more characters not shown; this field cannot be edited here]</source>
        <translation> … [%1 caracteres más no mostrados; este campo no se puede editar aquí]</translation>
    </message>
    <message>
        <source> … [%1 more bytes not shown; this field cannot be edited here]</source>
        <translation> … [%1 bytes más no mostrados; este campo no se puede editar aquí]</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se puede abrir el catálogo %1:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add new record</source>
        <translation>Añadir un registro</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit existing record</source>
        <translation>Editar el registro</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Borrar el registro</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Edit Helper Menues</source>
        <translation>Editar las listas</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Report -- All</source>
        <translation>Informe -- Todo</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Busco</translation>
    </message>
    <message>
        <source>Report -- Want</source>
        <translation>Informe -- Busco</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>Tengo</translation>
    </message>
    <message>
        <source>Report -- Have</source>
        <translation>Informe -- Tengo</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Vendo</translation>
    </message>
    <message>
        <source>Report -- Sell</source>
        <translation>Informe -- Vendo</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Informe -- Totales</translation>
    </message>
    <message>
        <source>No record is shown, so none is deleted.<byte value="xd"/>
<byte value="xd"/>
Choose the record in the grid first.</source>
        <translation>No se muestra ningún registro, así que no se elimina ninguno.<byte value="xd"/>
<byte value="xd"/>
Elija primero el registro en la cuadrícula.</translation>
    </message>
    <message>
        <source>The record could not be saved: %1<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>No se pudo guardar el registro: %1<byte value="xd"/>
<byte value="xd"/>
No se guardó nada. Sus datos siguen en los campos: cambie ese y guarde de nuevo, o Cancelar.</translation>
    </message>
</context>
<context>
    <name>kbs::menuText</name>
    <message>
        <source>List file not found: %1</source>
        <translation>No se encontró el archivo de lista: %1</translation>
    </message>
    <message>
        <source>List file cannot be read: %1</source>
        <translation>No se puede leer el archivo de lista: %1</translation>
    </message>
    <message>
        <source>No values in %1</source>
        <translation>No hay valores en %1</translation>
    </message>
</context>
<context>
    <name>kbs::ownfields</name>
    <message>
        <source>There is no such field (it may have been removed meanwhile).</source>
        <translation>Ese campo no existe (quizá se eliminó entretanto).</translation>
    </message>
    <message>
        <source>A field needs a name.</source>
        <translation>Un campo necesita un nombre.</translation>
    </message>
    <message>
        <source>The name of a field cannot hold a colon: %1</source>
        <translation>El nombre de un campo no puede contener dos puntos: %1</translation>
    </message>
    <message>
        <source>The name of a field can be at most 64 characters long.</source>
        <translation>El nombre de un campo puede tener como máximo 64 caracteres.</translation>
    </message>
    <message>
        <source>%1 is the name of a field the catalogue has already.</source>
        <translation>%1 es el nombre de un campo que el catálogo ya tiene.</translation>
    </message>
    <message>
        <source>There is a field named %1 already.</source>
        <translation>Ya hay un campo llamado %1.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Yes/No</source>
        <translation>Sí/No</translation>
    </message>
    <message>
        <source>Choice from a value list</source>
        <translation>Elección de una lista de valores</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;.</source>
        <translation>%1 admite un número, no «%2».</translation>
    </message>
    <message>
        <source>%1 takes an amount, not &quot;%2&quot;.</source>
        <translation>%1 admite un importe, no «%2».</translation>
    </message>
    <message>
        <source>%1 takes a date, and &quot;%2&quot; is not one.</source>
        <translation>%1 admite una fecha, y «%2» no lo es.</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;.</source>
        <translation>%1 admite sí o no, no «%2».</translation>
    </message>
    <message>
        <source>A tag cannot be empty.</source>
        <translation>Una etiqueta no puede estar vacía.</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: %1</source>
        <translation>Una etiqueta no puede contener una coma: %1</translation>
    </message>
    <message>
        <source>A tag can be at most %1 characters long: %2</source>
        <translation>Una etiqueta puede tener como máximo %1 caracteres: %2</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>kbs::panel</name>
    <message>
        <source>Description</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Year Issued</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Nr. #</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Series list</source>
        <translation>Lista de series</translation>
    </message>
    <message>
        <source>Car Condition</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>grading</source>
        <translation>estado</translation>
    </message>
    <message>
        <source>Car condition list</source>
        <translation>Lista de estados</translation>
    </message>
    <message>
        <source>Wheel Type</source>
        <translation>Ruedas</translation>
    </message>
    <message>
        <source>wheeltypes</source>
        <translation>ruedas</translation>
    </message>
    <message>
        <source>Wheel type list</source>
        <translation>Lista de ruedas</translation>
    </message>
    <message>
        <source>Box Type</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Box type list</source>
        <translation>Lista de cajas</translation>
    </message>
    <message>
        <source>Box Condition</source>
        <translation>Estado caja</translation>
    </message>
    <message>
        <source>boxgrading</source>
        <translation>estado caja</translation>
    </message>
    <message>
        <source>Box condition list</source>
        <translation>Lista de estados de caja</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Color list</source>
        <translation>Lista de colores</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Precio compra</translation>
    </message>
    <message>
        <source>on</source>
        <translation>el</translation>
    </message>
    <message>
        <source>List Price</source>
        <translation>PVP</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>al</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Status list</source>
        <translation>Lista de situaciones</translation>
    </message>
    <message>
        <source>Purchased from</source>
        <translation>Comprado a</translation>
    </message>
    <message>
        <source>Base Plate Name</source>
        <translation>Nombre en la base</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Base plate name list</source>
        <translation>Lista de nombres de base</translation>
    </message>
    <message>
        <source>Interior Color</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>InteriorColor</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Interior color list</source>
        <translation>Lista de interiores</translation>
    </message>
    <message>
        <source>Version #</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Base color list</source>
        <translation>Lista de colores de base</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
</context>
<context>
    <name>kbs::panel::Headings</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Fecha de compra</translation>
    </message>
    <message>
        <source>Value Date</source>
        <translation>Fecha del valor</translation>
    </message>
    <message>
        <source>Base Plate Color</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Interior Colour</source>
        <translation>Interior</translation>
    </message>
    <message>
        <source>Base Plate Colour</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año de salida</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Gama</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condición</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Embalaje</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Tipo de embalaje</translation>
    </message>
    <message>
        <source>Box Grade</source>
        <translation>Estado embalaje</translation>
    </message>
    <message>
        <source>Body Color</source>
        <translation>Color carrocería</translation>
    </message>
    <message>
        <source>Body Colour</source>
        <translation>Color de carrocería</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Almacén</translation>
    </message>
    <message>
        <source>Price Paid</source>
        <translation>Precio pagado</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coste</translation>
    </message>
    <message>
        <source>Date Bought</source>
        <translation>Fecha de adquisición</translation>
    </message>
    <message>
        <source>Bought On</source>
        <translation>Comprado el</translation>
    </message>
    <message>
        <source>Retail Price</source>
        <translation>Precio de venta</translation>
    </message>
    <message>
        <source>RRP</source>
        <translation>Precio recomendado</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Valor actual</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Valor estimado</translation>
    </message>
    <message>
        <source>Bought From</source>
        <translation>Comprado en</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendedor</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Nombre base</translation>
    </message>
    <message>
        <source>Baseplate</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Tapicería</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Variación</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Color de la base</translation>
    </message>
    <message>
        <source>Base Colour</source>
        <translation>Color base</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>kbs::replaceText</name>
    <message>
        <source>&amp;Replace With:</source>
        <translation>&amp;Reemplazar por:</translation>
    </message>
    <message>
        <source>R&amp;eplace</source>
        <translation>R&amp;eemplazar</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Done replacing, %1 replacements made</source>
        <translation>Reemplazo terminado, %1 reemplazos hechos</translation>
    </message>
</context>
<context>
    <name>kbs::reportText</name>
    <message>
        <source>Kerbside Manager Report</source>
        <translation>Kerbside Manager – Informe</translation>
    </message>
    <message>
        <source>Kerbside Manager</source>
        <translation>Kerbside Manager</translation>
    </message>
    <message>
        <source>Report -- All</source>
        <translation>Informe -- Todo</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Informe -- Totales</translation>
    </message>
    <message>
        <source>End of Report</source>
        <translation>Fin del informe</translation>
    </message>
    <message>
        <source>page %p of %P</source>
        <translation>página %p de %P</translation>
    </message>
    <message>
        <source>Issue Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>as of</source>
        <translation>al</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exportar como PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Report page</source>
        <translation>Página del informe</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>No se pudo escribir el informe en %1.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exportar como CSV...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporting the records to %1 ...</source>
        <translation>Exportando los registros a %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 exported to %2.</source>
        <translation>%1 exportados a %2.</translation>
    </message>
    <message>
        <source>Left out, as deleted meanwhile: %1.</source>
        <translation>Omitidos por haberse eliminado entretanto: %1.</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 registro</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 registros</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>Se canceló la exportación; no se escribió nada.</translation>
    </message>
    <message>
        <source>The records could not be exported:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nothing was written.</source>
        <translation>No se pudieron exportar los registros:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
No se escribió nada.</translation>
    </message>
    <message>
        <source>Export status</source>
        <translation>Estado de la exportación</translation>
    </message>
</context>
<context>
    <name>kbs::safefile</name>
    <message>
        <source>%1 already exists, and an existing file or folder is never replaced.</source>
        <translation>%1 ya existe, y nunca se reemplaza un archivo o una carpeta existente.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the disk is full.</source>
        <translation>no se puede escribir %1: el disco está lleno.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>no se puede escribir %1: %2.</translation>
    </message>
</context>
<context>
    <name>kbs::searchText</name>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Mayúsculas/minúsculas</translation>
    </message>
    <message>
        <source>F&amp;ind Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Sorry, string not found</source>
        <translation>Lo siento, no se encontró el texto</translation>
    </message>
</context>
<context>
    <name>kbs::stats</name>
    <message>
        <source>%1 (the first %2 of %3; all in the table)</source>
        <translation>%1 (los primeros %2 de %3; todos en la tabla)</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modelos</translation>
    </message>
    <message>
        <source>Records and models by %1</source>
        <translation>Registros y modelos por %1</translation>
    </message>
    <message>
        <source>Records by status</source>
        <translation>Registros por estado</translation>
    </message>
    <message>
        <source>Models by year of issue</source>
        <translation>Modelos por año de emisión</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Pagado</translation>
    </message>
    <message>
        <source>List price</source>
        <translation>Precio de lista</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Value minus paid</source>
        <translation>Valor menos pagado</translation>
    </message>
    <message>
        <source>Money: paid, list price and value</source>
        <translation>Dinero: pagado, precio de lista y valor</translation>
    </message>
    <message>
        <source>All records shown</source>
        <translation>Todos los registros mostrados</translation>
    </message>
    <message>
        <source>Money by %1</source>
        <translation>Dinero por %1</translation>
    </message>
    <message>
        <source>Growth of the collection by purchase date</source>
        <translation>Crecimiento de la colección por fecha de compra</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Records bought, in all</source>
        <translation>Registros comprados, en total</translation>
    </message>
    <message>
        <source>Money spent, in all</source>
        <translation>Dinero gastado, en total</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>Records and models by field</source>
        <translation>Registros y modelos por campo</translation>
    </message>
    <message>
        <source>Status shares</source>
        <translation>Proporciones por estado</translation>
    </message>
    <message>
        <source>Money in all</source>
        <translation>Dinero en total</translation>
    </message>
    <message>
        <source>Money by field</source>
        <translation>Dinero por campo</translation>
    </message>
    <message>
        <source>Growth over time</source>
        <translation>Crecimiento en el tiempo</translation>
    </message>
    <message>
        <source>%1 record shown</source>
        <translation>%1 registro mostrado</translation>
    </message>
    <message>
        <source>%1 records shown</source>
        <translation>%1 registros mostrados</translation>
    </message>
    <message>
        <source>%1 value not read as an amount</source>
        <translation>%1 valor no leído como importe</translation>
    </message>
    <message>
        <source>%1 values not read as amounts</source>
        <translation>%1 valores no leídos como importes</translation>
    </message>
    <message>
        <source>%1 quantity not read as a number</source>
        <translation>%1 cantidad no leída como número</translation>
    </message>
    <message>
        <source>%1 quantities not read as numbers</source>
        <translation>%1 cantidades no leídas como números</translation>
    </message>
    <message>
        <source>%1 purchase date not read as a date</source>
        <translation>%1 fecha de compra no leída como fecha</translation>
    </message>
    <message>
        <source>%1 purchase dates not read as dates</source>
        <translation>%1 fechas de compra no leídas como fechas</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vacío)</translation>
    </message>
    <message>
        <source>Report -- Statistics</source>
        <translation>Informe -- Estadísticas</translation>
    </message>
    <message>
        <source>Value of the models held, by date</source>
        <translation>Valor de los modelos que se tienen, por fecha</translation>
    </message>
    <message>
        <source>Value then</source>
        <translation>Valor entonces</translation>
    </message>
    <message>
        <source>Paid until then</source>
        <translation>Pagado hasta entonces</translation>
    </message>
    <message>
        <source>Value over time</source>
        <translation>Valor a lo largo del tiempo</translation>
    </message>
    <message>
        <source>(valuations or dates not read: %1)</source>
        <translation>(valoraciones o fechas no leídas: %1)</translation>
    </message>
</context>
<context>
    <name>kbs::store</name>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>La operación no se permite cuando el objeto está abierto.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>No se encontró el archivo «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of the older Windows program.</source>
        <translation>«%1» es un catálogo del antiguo programa de Windows.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF o EOF es verdadero, o el registro actual se ha eliminado. La operación solicitada requiere un registro actual.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>La operación no se permite cuando el objeto está cerrado.</translation>
    </message>
    <message>
        <source>The command text is empty.</source>
        <translation>El texto del comando está vacío.</translation>
    </message>
    <message>
        <source>A record is too large to be read: it holds %1 bytes.</source>
        <translation>Un registro es demasiado grande para leerlo: contiene %1 bytes.</translation>
    </message>
    <message>
        <source>Another program deleted this record after it was read here. %1</source>
        <translation>Otro programa eliminó este registro después de leerlo aquí. %1</translation>
    </message>
    <message>
        <source>Another program changed this record after it was read here. %1</source>
        <translation>Otro programa modificó este registro después de leerlo aquí. %1</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>No se encuentra ningún elemento de la colección que corresponda al nombre o al ordinal solicitado.</translation>
    </message>
    <message>
        <source>Current Recordset does not support updating.</source>
        <translation>El Recordset actual no admite cambios.</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be updated.</source>
        <translation>No se puede modificar el campo «%1».</translation>
    </message>
    <message>
        <source>The column %1 of this catalogue holds numbers only.</source>
        <translation>La columna %1 de este catálogo solo contiene números.</translation>
    </message>
    <message>
        <source>Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.</source>
        <translation>Los argumentos son de un tipo incorrecto, están fuera del intervalo admitido o están en conflicto entre sí.</translation>
    </message>
    <message>
        <source>The record to update no longer exists.</source>
        <translation>El registro que se iba a modificar ya no existe.</translation>
    </message>
    <message>
        <source>The record to delete no longer exists.</source>
        <translation>El registro que se iba a eliminar ya no existe.</translation>
    </message>
    <message>
        <source>The catalogue cannot be created: %1.</source>
        <translation>No se puede crear el catálogo: %1.</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>no such table: table1</source>
        <translation>no existe la tabla: table1</translation>
    </message>
    <message>
        <source>table1 lacks the columns %1</source>
        <translation>a table1 le faltan las columnas %1</translation>
    </message>
    <message>
        <source>table1 lacks the column %1</source>
        <translation>a table1 le falta la columna %1</translation>
    </message>
    <message>
        <source>the table has no primary key</source>
        <translation>la tabla no tiene clave primaria</translation>
    </message>
    <message>
        <source>its primary key is %1</source>
        <translation>su clave primaria es %1</translation>
    </message>
    <message>
        <source>ID is declared %1</source>
        <translation>ID está declarado como %1</translation>
    </message>
    <message>
        <source>without a type</source>
        <translation>sin tipo</translation>
    </message>
    <message>
        <source>Records of table1 cannot be saved or deleted: its column ID must be its INTEGER PRIMARY KEY, but %1.</source>
        <translation>Los registros de table1 no se pueden guardar ni eliminar: su columna ID debe ser su INTEGER PRIMARY KEY, pero %1.</translation>
    </message>
    <message>
        <source>The columns of table1 are in the wrong order: %1 is column %2 but must be column %3.</source>
        <translation>Las columnas de table1 están en el orden equivocado: %1 es la columna %2 pero debe ser la columna %3.</translation>
    </message>
    <message>
        <source>file is not a database</source>
        <translation>el archivo no es una base de datos</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>El catálogo no está abierto.</translation>
    </message>
    <message>
        <source>The deleted record %1 is no longer kept.</source>
        <translation>El registro eliminado %1 ya no se conserva.</translation>
    </message>
    <message>
        <source>The catalogue cannot hold further pictures.</source>
        <translation>El catálogo no admite más imágenes.</translation>
    </message>
</context>
<context>
    <name>kbs::textboxText</name>
    <message>
        <source>File Not Found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>There has been a error!</source>
        <translation>¡Se ha producido un error!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The file cannot be opened in the editor:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The file is left as it is.</source>
        <translation>No se puede abrir el archivo en el editor:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
El archivo queda como estaba.</translation>
    </message>
    <message>
        <source>%1 has a line of %2 characters; the editor opens files whose lines have at most %3.</source>
        <translation>%1 tiene una línea de %2 caracteres; el editor abre archivos con líneas de %3 como máximo.</translation>
    </message>
</context>
<context>
    <name>kbs::tipText</name>
    <message>
        <source>Tip</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>Tips For Kerbside Manger</source>
        <translation>Consejos para Kerbside Manager</translation>
    </message>
    <message>
        <source>Working with the Kerbside Manager...</source>
        <translation>Trabajar con Kerbside Manager...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Consejos al iniciar</translation>
    </message>
    <message>
        <source>The tip.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Please inform Larkspur Software in order to correct this problem. </source>
        <translation>No se encontró el archivo tip.txt. <byte value="xd"/>
<byte value="xd"/>
Informe a Larkspur Software para que corrija este problema. </translation>
    </message>
    <message>
        <source>The tips cannot be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>No se pueden mostrar los consejos:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>kbs::tips</name>
    <message>
        <source>Click the list icon beside a field to pick a value from its list instead of typing it.</source>
        <translation>Haga clic en el icono de lista junto a un campo para elegir un valor de su lista en lugar de escribirlo.</translation>
    </message>
    <message>
        <source>The pick lists come from small .ini files in the program folder: one value per line.</source>
        <translation>Las listas de selección salen de pequeños archivos .ini en la carpeta del programa: un valor por línea.</translation>
    </message>
    <message>
        <source>Change the pick lists with Help, Edit Helper Menues. A list you save there is used at the next click of its icon.</source>
        <translation>Cambie las listas de selección con Ayuda, Editar las listas. Una lista guardada allí se usa desde el siguiente clic en su icono.</translation>
    </message>
    <message>
        <source>In the list editor, choosing another file asks whether to save the changes to the one you were editing.</source>
        <translation>En el editor de listas, al elegir otro archivo se pregunta si guardar los cambios del que estaba editando.</translation>
    </message>
    <message>
        <source>The list editor&apos;s Edit menu has Find (Ctrl+F) and Replace (Ctrl+H).</source>
        <translation>El menú Edición del editor de listas tiene Buscar (Ctrl+F) y Reemplazar (Ctrl+H).</translation>
    </message>
    <message>
        <source>Replace All in the list editor tells you how many replacements it made.</source>
        <translation>Reemplazar todo, en el editor de listas, indica cuántos reemplazos se hicieron.</translation>
    </message>
    <message>
        <source>Click a row of the grid to show that model in the fields above it.</source>
        <translation>Haga clic en una fila de la tabla para mostrar ese modelo en los campos de arriba.</translation>
    </message>
    <message>
        <source>Click a column heading of the grid to sort by that column; click it again to sort the other way.</source>
        <translation>Haga clic en el encabezado de una columna de la tabla para ordenar por ella; otro clic invierte el orden.</translation>
    </message>
    <message>
        <source>Press Add to enter a new model, fill in the fields and press Save.</source>
        <translation>Pulse Añadir para introducir un modelo nuevo, rellene los campos y pulse Guardar.</translation>
    </message>
    <message>
        <source>Press Edit to change the model shown; Cancel leaves it as it was.</source>
        <translation>Pulse Editar para cambiar el modelo mostrado; Cancelar lo deja como estaba.</translation>
    </message>
    <message>
        <source>Nothing is written to your catalogue until you press Save.</source>
        <translation>No se escribe nada en su catálogo hasta que pulse Guardar.</translation>
    </message>
    <message>
        <source>Press Find to look for a text in the fields of every model.</source>
        <translation>Pulse Buscar para buscar un texto en los campos de todos los modelos.</translation>
    </message>
    <message>
        <source>Delete asks before it removes a model, and it never removes the last one.</source>
        <translation>Borrar pregunta antes de eliminar un modelo y nunca elimina el último.</translation>
    </message>
    <message>
        <source>A picture can be stored in the catalogue itself or as a link to its file: choose with the two options beside it.</source>
        <translation>Una foto puede guardarse en el propio catálogo o como enlace a su archivo: elija con las dos opciones de al lado.</translation>
    </message>
    <message>
        <source>The + and - buttons add a plus or a minus to the car&apos;s condition grade.</source>
        <translation>Los botones + y - añaden un más o un menos a la nota de estado del modelo.</translation>
    </message>
    <message>
        <source>Set the Status of a model to Want, Have or Sell, then print the matching report from the Report button.</source>
        <translation>Ponga la situación de un modelo en Want (busco), Have (tengo) o Sell (vendo) e imprima el informe correspondiente con el botón Informe.</translation>
    </message>
    <message>
        <source>Report prints all your models, or only those you want, have or sell.</source>
        <translation>Informe imprime todos sus modelos, o solo los que busca, tiene o vende.</translation>
    </message>
    <message>
        <source>The status bar shows how many models your catalogue holds.</source>
        <translation>La barra de estado muestra cuántos modelos tiene su catálogo.</translation>
    </message>
    <message>
        <source>Untick Show Tips at Startup if you would rather not see these tips when the program starts.</source>
        <translation>Desmarque Consejos al iniciar si prefiere no ver estos consejos al abrir el programa.</translation>
    </message>
    <message>
        <source>You can read all the tips at any time from Help, Tips.</source>
        <translation>Puede leer todos los consejos en cualquier momento desde Ayuda, Consejos.</translation>
    </message>
</context>
<context>
    <name>kbs::values</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>%1 line %2: %3.</source>
        <translation>%1 línea %2: %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>a column for the date and one for the value are needed</source>
        <translation>se necesitan una columna para la fecha y otra para el valor</translation>
    </message>
    <message>
        <source>a column for the record&apos;s ID, or columns for its Description, Number and Version #, are needed</source>
        <translation>se necesita una columna para el ID del registro, o columnas para su descripción, número y versión #</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>&quot;%1&quot; no es un ID de registro</translation>
    </message>
    <message>
        <source>the row names no record</source>
        <translation>la fila no nombra ningún registro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date</source>
        <translation>&quot;%1&quot; no es una fecha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount</source>
        <translation>&quot;%1&quot; no es un importe</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) added, %1 already there.</source>
        <translation>
            <numerusform>%n tasación añadida, %1 ya estaban.</numerusform>
            <numerusform>%n tasaciones añadidas, %1 ya estaban.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not matched:</source>
        <translation>Sin coincidencia:</translation>
    </message>
    <message>
        <source>Ambiguous (more than one record fits):</source>
        <translation>Ambiguo (coincide más de un registro):</translation>
    </message>
    <message>
        <source>The valuation is no longer in the catalogue.</source>
        <translation>La tasación ya no está en el catálogo.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
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
        <translation>No hay copias de seguridad de %1 en %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kerbside Manager: a catalogue of a die-cast model car collection.</source>
        <translation>Kerbside Manager: catálogo de una colección de coches a escala.</translation>
    </message>
    <message>
        <source>Open a window of its own even when the program is already running on this catalogue.</source>
        <translation>Abrir una ventana propia aunque el programa ya esté abierto con este catálogo.</translation>
    </message>
    <message>
        <source>Use this language (de, fr, nl, es, en) instead of the system&apos;s.</source>
        <translation>Usar este idioma (de, fr, nl, es, en) en lugar del del sistema.</translation>
    </message>
    <message>
        <source>The folder for your collection cannot be prepared: %1.</source>
        <translation>No se puede preparar la carpeta de su colección: %1.</translation>
    </message>
    <message>
        <source>The catalogue to open instead of your own.</source>
        <translation>El catálogo que se abre en lugar del suyo.</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>No existe el catálogo %1.</translation>
    </message>
</context>
</TS>
