<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>kbs::CastingList</name>
    <message>
        <source>Records of the same casting</source>
        <translation>Fiches du même moulage</translation>
    </message>
    <message>
        <source>≠ marks what differs from what you type.</source>
        <translation>≠ marque ce qui diffère de votre saisie.</translation>
    </message>
    <message>
        <source>You have this model already. Records of this casting in the catalogue: %1.</source>
        <translation>Vous avez déjà ce modèle. Fiches de ce moulage dans le catalogue : %1.</translation>
    </message>
    <message>
        <source>Records of this casting in the catalogue: %1.</source>
        <translation>Fiches de ce moulage dans le catalogue : %1.</translation>
    </message>
    <message>
        <source>The first %1 are listed.</source>
        <translation>Les %1 premières sont listées.</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diffère</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The same model as the one you type.</source>
        <translation>Le même modèle que celui que vous saisissez.</translation>
    </message>
    <message>
        <source>Differs in: %1</source>
        <translation>Diffère par : %1</translation>
    </message>
    <message>
        <source>no quantity or storage location given</source>
        <translation>ni quantité ni emplacement indiqués</translation>
    </message>
    <message>
        <source>%1, no storage location given</source>
        <translation>%1, aucun emplacement indiqué</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>dans %1</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>You have this model already: %1 (&quot;%2&quot;, ID %3).</source>
        <translation>Vous avez déjà ce modèle : %1 (« %2 », ID %3).</translation>
    </message>
    <message>
        <source>Other records of this model: %1.</source>
        <translation>Autres fiches de ce modèle : %1.</translation>
    </message>
    <message>
        <source>Yes: add one to the quantity of that record (what you typed is not stored).</source>
        <translation>Oui : ajouter un à la quantité de cette fiche (votre saisie n’est pas enregistrée).</translation>
    </message>
    <message>
        <source>No: save this one as a record of its own.</source>
        <translation>Non : enregistrer celui-ci comme fiche à part.</translation>
    </message>
    <message>
        <source>Cancel: go back to editing.</source>
        <translation>Annuler : revenir à la saisie.</translation>
    </message>
    <message>
        <source>Do I already have it?</source>
        <translation>L’ai-je déjà ?</translation>
    </message>
    <message>
        <source>The quantity of that record, &quot;%1&quot;, is not a whole number, so one cannot be added to it. Nothing was stored; change it there by hand, or save this one as a record of its own.</source>
        <translation>La quantité de cette fiche, « %1 », n’est pas un nombre entier : impossible d’y ajouter un. Rien n’a été enregistré ; modifiez-la à la main dans cette fiche, ou enregistrez celle-ci comme fiche à part.</translation>
    </message>
    <message>
        <source>new variation of &quot;%1&quot;</source>
        <translation>nouvelle variante de « %1 »</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>Report -- Duplicates</source>
        <translation>Rapport -- Doublons</translation>
    </message>
    <message>
        <source>Show only duplicates: records of the same model as another, or more than one piece</source>
        <translation>Afficher seulement les doublons : fiches du même modèle qu’une autre, ou de plus d’une pièce</translation>
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
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>New catalogue…</source>
        <translation>Nouveau catalogue…</translation>
    </message>
    <message>
        <source>Open catalogue…</source>
        <translation>Ouvrir un catalogue…</translation>
    </message>
    <message>
        <source>Open recent</source>
        <translation>Ouverts récemment</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>CSV file…</source>
        <translation>Fichier CSV…</translation>
    </message>
    <message>
        <source>Tellico collection…</source>
        <translation>Collection Tellico…</translation>
    </message>
    <message>
        <source>Catalogue of the older Windows program…</source>
        <translation>Catalogue de l&apos;ancien programme Windows…</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Annuler l&apos;importation</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)…</source>
        <translation>Classeur Excel (.xlsx)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Enregistrez ou annulez d&apos;abord la fiche en cours de modification.</translation>
    </message>
    <message>
        <source>The catalogue shown before cannot be opened again either: %1</source>
        <translation>Le catalogue affiché auparavant ne peut pas non plus être rouvert : %1</translation>
    </message>
    <message>
        <source>Open catalogue</source>
        <translation>Ouvrir un catalogue</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>Le catalogue %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program. Import makes a new catalogue of it; the file itself stays as it is.</source>
        <translation>%1 est un catalogue de l&apos;ancien programme Windows. Importer en fait un nouveau catalogue ; le fichier lui-même reste tel quel.</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened: %2</source>
        <translation>Le catalogue %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>Catalogues</source>
        <translation>Catalogues</translation>
    </message>
    <message>
        <source>New catalogue</source>
        <translation>Nouveau catalogue</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be made: %2</source>
        <translation>Le catalogue %1 ne peut pas être créé : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n fiche</numerusform>
            <numerusform>%n fiches</numerusform>
        </translation>
    </message>
    <message>
        <source>the conversion was stopped</source>
        <translation>la conversion a été interrompue</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be imported as written:</source>
        <translation>
            <numerusform>%n ligne ne peut pas être importée telle quelle :</numerusform>
            <numerusform>%n lignes ne peuvent pas être importées telles quelles :</numerusform>
        </translation>
    </message>
    <message>
        <source>Import the other rows?</source>
        <translation>Importer les autres lignes ?</translation>
    </message>
    <message>
        <source>nothing could be read</source>
        <translation>rien n&apos;a pu être lu</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) skipped</source>
        <translation>
            <numerusform>%n ligne vide ignorée</numerusform>
            <numerusform>%n lignes vides ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>left out as a spreadsheet&apos;s sum: line(s) %1</source>
        <translation>laissée(s) de côté comme total d&apos;un tableur : ligne(s) %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped</source>
        <translation>
            <numerusform>%n ligne ignorée</numerusform>
            <numerusform>%n lignes ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Tellico collections</source>
        <translation>Collections Tellico</translation>
    </message>
    <message>
        <source>Catalogues of the older Windows program</source>
        <translation>Catalogues de l&apos;ancien programme Windows</translation>
    </message>
    <message>
        <source>Add the records of %1 to the catalogue that is open?

Yes adds them (Undo import takes them out again); No makes a new catalogue of them and opens it.</source>
        <translation>Ajouter les fiches de %1 au catalogue ouvert ?

Oui les ajoute (« Annuler l&apos;importation » les retire à nouveau) ; Non en fait un nouveau catalogue et l&apos;ouvre.</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>la mémoire ne suffit pas</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 ne peut pas être importé : %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2.</source>
        <translation>Importé de %1 : %2.</translation>
    </message>
    <message>
        <source>Added from %1: %2. Help &gt; Undo import takes them out again.</source>
        <translation>Ajouté de %1 : %2. Aide &gt; Annuler l&apos;importation les retire à nouveau.</translation>
    </message>
    <message numerus="yes">
        <source>Take the %n record(s) imported from %1 out of the catalogue again?</source>
        <translation>
            <numerusform>Retirer du catalogue la fiche importée de %1 (%n) ?</numerusform>
            <numerusform>Retirer du catalogue les %n fiches importées de %1 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The import cannot be undone: %1</source>
        <translation>L&apos;importation ne peut pas être annulée : %1</translation>
    </message>
    <message>
        <source>Excel workbooks</source>
        <translation>Classeurs Excel</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 existe déjà ; choisissez un nouveau nom.</translation>
    </message>
    <message>
        <source>The catalogue cannot be exported: %1</source>
        <translation>Le catalogue ne peut pas être exporté : %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n record(s) to %1.</source>
        <translation>
            <numerusform>%n fiche exportée vers %1.</numerusform>
            <numerusform>%n fiches exportées vers %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::CatalogueWriter</name>
    <message>
        <source>The new catalogue %1 is not written: its source names the same pictures for many records, and as each record keeps a copy of its own, the copies would take more than %2 MB.</source>
        <translation>Le nouveau catalogue %1 n’est pas écrit : sa source indique les mêmes images pour de nombreuses fiches, et comme chaque fiche en garde sa propre copie, les copies occuperaient plus de %2 Mo.</translation>
    </message>
    <message>
        <source>The new catalogue %1 cannot be written: %2</source>
        <translation>Le nouveau catalogue %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>it already exists, and an existing file is never replaced.</source>
        <translation>il existe déjà, et un fichier existant n’est jamais remplacé.</translation>
    </message>
    <message>
        <source>The old catalogue had no column %1; the new one leaves it empty.</source>
        <translation>L’ancien catalogue n’avait pas de colonne %1 ; le nouveau la laisse vide.</translation>
    </message>
    <message>
        <source>The old catalogue&apos;s column %1, which this version does not use, was kept at the end of the table.</source>
        <translation>La colonne %1 de l’ancien catalogue, que cette version n’utilise pas, a été gardée à la fin de la table.</translation>
    </message>
    <message>
        <source>the old %1 has none of the catalogue&apos;s columns.</source>
        <translation>l’ancienne %1 n’a aucune des colonnes du catalogue.</translation>
    </message>
    <message>
        <source>Record %1 has the ID &quot;%2&quot;, which is not a whole number.</source>
        <translation>La fiche %1 a l’ID « %2 », qui n’est pas un nombre entier.</translation>
    </message>
    <message>
        <source>Two records have the ID %1; the second is record %2.</source>
        <translation>Deux fiches ont l’ID %1 ; la seconde est la fiche %2.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones.</source>
        <translation>%1 fiche(s) n’avaient pas d’ID et en ont reçu de nouveaux.</translation>
    </message>
    <message>
        <source>it holds %1 records instead of %2.</source>
        <translation>il contient %1 fiches au lieu de %2.</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistCommands</name>
    <message>
        <source>Checklists…</source>
        <translation>Listes de contrôle…</translation>
    </message>
</context>
<context>
    <name>kbs::ChecklistsWindow</name>
    <message>
        <source>Checklists</source>
        <translation>Listes de contrôle</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Possédés</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Série et numéro</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nouvelle…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Add entry…</source>
        <translation>&amp;Ajouter une entrée…</translation>
    </message>
    <message>
        <source>Remove en&amp;try</source>
        <translation>Re&amp;tirer l&apos;entrée</translation>
    </message>
    <message>
        <source>&amp;Mark the missing as wanted</source>
        <translation>Marquer les manquants comme &amp;recherchés</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>&amp;Show its records</source>
        <translation>&amp;Voir ses fiches</translation>
    </message>
    <message>
        <source>Missing &amp;report</source>
        <translation>Rapport des &amp;manquants</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>C&amp;hecklists:</source>
        <translation>&amp;Listes de contrôle :</translation>
    </message>
    <message>
        <source>Matched &amp;by:</source>
        <translation>Correspondance &amp;par :</translation>
    </message>
    <message>
        <source>&amp;Entries:</source>
        <translation>&amp;Entrées :</translation>
    </message>
    <message>
        <source>Checklist status</source>
        <translation>État de la liste</translation>
    </message>
    <message>
        <source>The checklists cannot be read: %1</source>
        <translation>Les listes de contrôle ne peuvent pas être lues : %1</translation>
    </message>
    <message>
        <source>held %1 of %2</source>
        <translation>%1 sur %2 possédés</translation>
    </message>
    <message>
        <source>The checklist cannot be read: %1</source>
        <translation>La liste ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>held</source>
        <translation>possédé</translation>
    </message>
    <message>
        <source>wanted</source>
        <translation>recherché</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>%1: %2 held, %3 wanted, %4 missing.</source>
        <translation>%1 : %2 possédés, %3 recherchés, %4 manquants.</translation>
    </message>
    <message>
        <source>No checklist yet: import one from a CSV file or make a new one.</source>
        <translation>Aucune liste pour l&apos;instant : importez-en une d&apos;un fichier CSV ou créez-en une nouvelle.</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Enregistrez ou annulez d&apos;abord la fiche en cours de modification.</translation>
    </message>
    <message>
        <source>The checklist could not be saved: %1</source>
        <translation>La liste n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>Import a checklist</source>
        <translation>Importer une liste</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message numerus="yes">
        <source>The series whose models &quot;%1&quot; lists (%n model(s)), as the records&apos; Series field names it:</source>
        <translation>
            <numerusform>La série dont « %1 » liste les modèles (%n modèle), telle que le champ Série des fiches la nomme :</numerusform>
            <numerusform>La série dont « %1 » liste les modèles (%n modèles), telle que le champ Série des fiches la nomme :</numerusform>
        </translation>
    </message>
    <message>
        <source>New checklist</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>The series, as the records&apos; Series field names it:</source>
        <translation>La série, telle que le champ Série des fiches la nomme :</translation>
    </message>
    <message>
        <source>Delete the checklist &quot;%1&quot;? Its records stay in the catalogue.</source>
        <translation>Supprimer la liste « %1 » ? Ses fiches restent dans le catalogue.</translation>
    </message>
    <message>
        <source>Delete checklist</source>
        <translation>Supprimer la liste</translation>
    </message>
    <message>
        <source>The checklist could not be deleted: %1</source>
        <translation>La liste n&apos;a pas pu être supprimée : %1</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>Ajouter une entrée</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Numéro :</translation>
    </message>
    <message>
        <source>The checklist has number %1 already.</source>
        <translation>La liste a déjà le numéro %1.</translation>
    </message>
    <message>
        <source>Name of model %1:</source>
        <translation>Nom du modèle %1 :</translation>
    </message>
    <message>
        <source>Each entry needs a number of its own and a name; the change is not kept.</source>
        <translation>Chaque entrée a besoin d&apos;un numéro propre et d&apos;un nom ; la modification n&apos;est pas gardée.</translation>
    </message>
    <message>
        <source>The matching rule could not be saved: %1</source>
        <translation>La règle de correspondance n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>Mark the missing as wanted</source>
        <translation>Marquer les manquants comme recherchés</translation>
    </message>
    <message>
        <source>Nothing of &quot;%1&quot; is missing.</source>
        <translation>Rien ne manque dans « %1 ».</translation>
    </message>
    <message numerus="yes">
        <source>Add %n record(s) with status &quot;Want&quot; for the models of &quot;%1&quot; that are missing?</source>
        <translation>
            <numerusform>Ajouter %n fiche au statut « Want » pour le modèle manquant de « %1 » ?</numerusform>
            <numerusform>Ajouter %n fiches au statut « Want » pour les modèles manquants de « %1 » ?</numerusform>
        </translation>
    </message>
    <message>
        <source>No record was added: %1</source>
        <translation>Aucune fiche n&apos;a été ajoutée : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; added; Undo takes them out again.</source>
        <translation>
            <numerusform>%n fiche au statut « Want » ajoutée ; Annuler la retire.</numerusform>
            <numerusform>%n fiches au statut « Want » ajoutées ; Annuler les retire.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) with status &quot;Want&quot; taken out again.</source>
        <translation>
            <numerusform>%n fiche au statut « Want » retirée.</numerusform>
            <numerusform>%n fiches au statut « Want » retirées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::ColumnMappingDialog</name>
    <message>
        <source>Picture file</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Further picture files</source>
        <translation>Autres fichiers image</translation>
    </message>
    <message>
        <source>Further linked pictures</source>
        <translation>Autres images liées</translation>
    </message>
    <message>
        <source>Further pictures&apos; captions</source>
        <translation>Légendes des autres images</translation>
    </message>
    <message>
        <source>Import a CSV file</source>
        <translation>Importer un fichier CSV</translation>
    </message>
    <message>
        <source>Choose the field each column of the file goes to. The file&apos;s first rows:</source>
        <translation>Choisissez le champ où va chaque colonne du fichier. Les premières lignes du fichier :</translation>
    </message>
    <message>
        <source>The file&apos;s first rows</source>
        <translation>Les premières lignes du fichier</translation>
    </message>
    <message>
        <source>Leave out</source>
        <translation>Laisser de côté</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Field for the column %1</source>
        <translation>Champ de la colonne %1</translation>
    </message>
    <message>
        <source>%1 is chosen for more than one column.</source>
        <translation>%1 est choisi pour plus d&apos;une colonne.</translation>
    </message>
    <message>
        <source>Choose a field for at least one column.</source>
        <translation>Choisissez un champ pour au moins une colonne.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>A field of its own, named by the heading</source>
        <translation>Un champ personnel, nommé d&apos;après l&apos;en-tête</translation>
    </message>
</context>
<context>
    <name>kbs::ColumnsDialog</name>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>&amp;Columns shown in the grid, in their order:</source>
        <translation>&amp;Colonnes affichées dans la grille, dans leur ordre :</translation>
    </message>
    <message>
        <source>Space shows or hides the column; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Espace affiche ou masque la colonne ; Ctrl+Haut et Ctrl+Bas la déplacent.</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Monter (&amp;u)</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>D&amp;escribed columns</source>
        <translation>Colonnes d&amp;écrites</translation>
    </message>
</context>
<context>
    <name>kbs::DeleteUndo</name>
    <message>
        <source>Undo delete</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>&amp;Annuler la suppression</translation>
    </message>
    <message>
        <source>Brings back the record just deleted (Ctrl+Z)</source>
        <translation>Rétablit la fiche qui vient d&apos;être supprimée (Ctrl+Z)</translation>
    </message>
</context>
<context>
    <name>kbs::DetailPanel</name>
    <message>
        <source>&quot;%1&quot; (column %2)</source>
        <translation>« %1 » (colonne %2)</translation>
    </message>
</context>
<context>
    <name>kbs::DuplicatesReport</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Nr. #</source>
        <translation>N° #</translation>
    </message>
    <message>
        <source>Ver. #</source>
        <translation>Vers. #</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Base plate</source>
        <translation>Plaque</translation>
    </message>
    <message>
        <source>Base color</source>
        <translation>Coul. plaque</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Roues</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Stored in</source>
        <translation>Rangement</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Aucun doublon.</translation>
    </message>
</context>
<context>
    <name>kbs::FieldsWindow</name>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Value list</source>
        <translation>Liste de valeurs</translation>
    </message>
    <message>
        <source>Your fields</source>
        <translation>Vos champs</translation>
    </message>
    <message>
        <source>Your &amp;fields, in their order:</source>
        <translation>Vos &amp;champs, dans leur ordre :</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>Value &amp;list:</source>
        <translation>&amp;Liste de valeurs :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Adds a field with the name, kind and value list above</source>
        <translation>Ajoute un champ avec le nom, le type et la liste de valeurs ci-dessus</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Gives the chosen field the name and value list above; its kind stays</source>
        <translation>Donne au champ choisi le nom et la liste de valeurs ci-dessus ; son type reste</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Desc&amp;endre</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Edit value list…</source>
        <translation>Modifier la liste de &amp;valeurs…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Annule&amp;r</translation>
    </message>
    <message numerus="yes">
        <source>The field &quot;%1&quot; holds a value in %n record(s). Remove it with its values?<byte value="xd"/>
<byte value="xd"/>
Until you close this window, Undo brings it back with them.</source>
        <translation>
            <numerusform>Le champ « %1 » contient une valeur dans %n fiche. Le supprimer avec ses valeurs ?<byte value="xd"/>
<byte value="xd"/>
Jusqu&apos;à la fermeture de cette fenêtre, Annuler le rétablit avec elles.</numerusform>
            <numerusform>Le champ « %1 » contient une valeur dans %n fiches. Le supprimer avec ses valeurs ?<byte value="xd"/>
<byte value="xd"/>
Jusqu&apos;à la fermeture de cette fenêtre, Annuler le rétablit avec elles.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kbs::FilterBar</name>
    <message>
        <source>Filter, e.g. red box:mint -sell</source>
        <translation>Filtre, ex. rouge</translation>
    </message>
    <message>
        <source>Filter the records</source>
        <translation>Filtrer les fiches</translation>
    </message>
    <message>
        <source>Filter the records (%1). Words must all match, in any field, any case.
&quot;mint in box&quot; keeps words together; color:red looks in one field (its label or column);
-sell leaves records out; year:1968-1975, year:&gt;1980, value:&gt;20 are ranges.
Escape clears the filter.</source>
        <translation>Filtrer les fiches (%1). Tous les mots doivent correspondre, dans n&apos;importe quel champ, majuscules ou non.
&quot;mint in box&quot; garde les mots ensemble ; color:rouge cherche dans un seul champ (son libellé anglais ou sa colonne) ;
-sell exclut des fiches ; year:1968-1975, year:&gt;1980, value:&gt;20 sont des plages.
Échap vide le filtre.</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Cherche</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>J&apos;ai</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Vends</translation>
    </message>
    <message>
        <source>Show only records you want</source>
        <translation>Afficher seulement les fiches recherchées</translation>
    </message>
    <message>
        <source>Show only records you have</source>
        <translation>Afficher seulement les fiches possédées</translation>
    </message>
    <message>
        <source>Show only records you sell</source>
        <translation>Afficher seulement les fiches à vendre</translation>
    </message>
    <message>
        <source> (none pressed: every status)</source>
        <translation> (aucun enfoncé : tous les statuts)</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 fiches sur %2</translation>
    </message>
    <message>
        <source>No record matches the filter. Escape in the filter clears it.</source>
        <translation>Aucune fiche ne correspond au filtre. Échap dans le filtre le vide.</translation>
    </message>
    <message>
        <source>Search wrapped to the top</source>
        <translation>Recherche reprise au début</translation>
    </message>
    <message>
        <source>Search wrapped to the bottom</source>
        <translation>Recherche reprise à la fin</translation>
    </message>
    <message>
        <source>Find Next F3, Find Previous Shift+F3</source>
        <translation>Suivant F3, Précédent Maj+F3</translation>
    </message>
    <message>
        <source>Shown records</source>
        <translation>Fiches affichées</translation>
    </message>
    <message>
        <source>Report -- Shown records</source>
        <translation>Rapport -- Fiches affichées</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) so far, still counting…</source>
        <translation>
            <numerusform>%n fiche jusqu’ici, comptage en cours…</numerusform>
            <numerusform>%n fiches jusqu’ici, comptage en cours…</numerusform>
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
        <translation>Colonnes…</translation>
    </message>
    <message>
        <source>Hide &quot;%1&quot;</source>
        <translation>Masquer « %1 »</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>Described columns</source>
        <translation>Colonnes décrites</translation>
    </message>
</context>
<context>
    <name>kbs::GroupPanel</name>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>%1 (+%2?)</source>
        <translation>%1 (+%2 ?)</translation>
    </message>
    <message numerus="yes">
        <source>%n quantity(ies) could not be read as a whole number and are not added up.</source>
        <translation>
            <numerusform>%n quantité n&apos;a pas pu être lue comme un nombre entier et n&apos;est pas comptée.</numerusform>
            <numerusform>%n quantités n&apos;ont pas pu être lues comme des nombres entiers et ne sont pas comptées.</numerusform>
        </translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Toutes les fiches</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vide)</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a decade: 1960s</comment>
        <translation>Années %1</translation>
    </message>
    <message>
        <source>Group view</source>
        <translation>Vue par groupes</translation>
    </message>
    <message>
        <source>Group by</source>
        <translation>Grouper par</translation>
    </message>
    <message>
        <source>then by</source>
        <translation>puis par</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(rien)</translation>
    </message>
    <message>
        <source>Close the group view</source>
        <translation>Fermer la vue par groupes</translation>
    </message>
    <message>
        <source>Close the group view (%1)</source>
        <translation>Fermer la vue par groupes (%1)</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Liste de contrôle</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
</context>
<context>
    <name>kbs::MissingReport</name>
    <message>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Report -- Missing</source>
        <translation>Rapport -- Manquants</translation>
    </message>
    <message numerus="yes">
        <source>%1 (series %2): %n model(s) missing</source>
        <translation>
            <numerusform>%1 (série %2) : %n modèle manquant</numerusform>
            <numerusform>%1 (série %2) : %n modèles manquants</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
</context>
<context>
    <name>kbs::OpenSaveDialog</name>
    <message>
        <source>File dialog</source>
        <translation>Choix de fichier</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsCommands</name>
    <message>
        <source>Fields…</source>
        <translation>Champs…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Enregistrez ou annulez d&apos;abord la fiche en cours de modification.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
</context>
<context>
    <name>kbs::OwnFieldsPart</name>
    <message>
        <source>Your fields and tags</source>
        <translation>Vos champs et étiquettes</translation>
    </message>
    <message>
        <source>Your fields in short</source>
        <translation>Vos champs en bref</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Short tags, separated by commas</source>
        <translation>Étiquettes courtes, séparées par des virgules</translation>
    </message>
    <message>
        <source>chase, error, carded</source>
        <translation>chase, erreur, sous blister</translation>
    </message>
    <message>
        <source>&amp;Tags:</source>
        <translation>É&amp;tiquettes :</translation>
    </message>
    <message>
        <source>Open: the editors follow</source>
        <translation>Ouvert : les champs de saisie suivent</translation>
    </message>
    <message>
        <source>Closed: press to edit your fields and tags</source>
        <translation>Fermé : appuyez pour modifier vos champs et étiquettes</translation>
    </message>
    <message>
        <source>yyyy-mm-dd</source>
        <translation>aaaa-mm-jj</translation>
    </message>
    <message>
        <source>Tags: %1</source>
        <translation>Étiquettes : %1</translation>
    </message>
</context>
<context>
    <name>kbs::PictureStrip</name>
    <message>
        <source>Pictures of the record</source>
        <translation>Photos de la fiche</translation>
    </message>
    <message>
        <source>The record&apos;s pictures: click one to show it, Enter to view it large. In Add and Edit: Insert adds, Delete removes, Ctrl+Left/Right moves, Ctrl+M makes it the main picture, F2 edits its caption, Ctrl+V pastes one; pictures can be dropped here.</source>
        <translation>Les photos de la fiche : un clic en affiche une, Entrée l&apos;affiche en grand. En ajout et modification : Inser ajoute, Suppr retire, Ctrl+Gauche/Droite déplace, Ctrl+M en fait la photo principale, F2 modifie sa légende, Ctrl+V en colle une ; on peut déposer des photos ici.</translation>
    </message>
    <message>
        <source>View large	Enter</source>
        <translation>Afficher en grand	Entrée</translation>
    </message>
    <message>
        <source>Add pictures...	Ins</source>
        <translation>Ajouter des photos...	Inser</translation>
    </message>
    <message>
        <source>Paste picture	Ctrl+V</source>
        <translation>Coller une photo	Ctrl+V</translation>
    </message>
    <message>
        <source>Remove picture	Del</source>
        <translation>Retirer la photo	Suppr</translation>
    </message>
    <message>
        <source>Move left	Ctrl+Left</source>
        <translation>Vers la gauche	Ctrl+Gauche</translation>
    </message>
    <message>
        <source>Move right	Ctrl+Right</source>
        <translation>Vers la droite	Ctrl+Droite</translation>
    </message>
    <message>
        <source>Make main picture	Ctrl+M</source>
        <translation>Photo principale	Ctrl+M</translation>
    </message>
    <message>
        <source>Caption...	F2</source>
        <translation>Légende...	F2</translation>
    </message>
    <message>
        <source>Picture commands</source>
        <translation>Commandes des photos</translation>
    </message>
    <message>
        <source>Picture %1 of %2, the main picture</source>
        <translation>Photo %1 sur %2, la photo principale</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Photo %1 sur %2</translation>
    </message>
    <message>
        <source>Add pictures to the current record...</source>
        <translation>Ajouter des photos à la fiche en cours...</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>These files were not added, as they are not pictures the program can show: %1</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés, car le programme ne peut pas les afficher comme photos : %1</translation>
    </message>
    <message>
        <source>Add pictures</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Le presse-papiers ne contient aucune photo.</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Coller une photo</translation>
    </message>
    <message>
        <source>Caption of picture %1:</source>
        <translation>Légende de la photo %1 :</translation>
    </message>
    <message>
        <source>Picture caption</source>
        <translation>Légende de la photo</translation>
    </message>
</context>
<context>
    <name>kbs::PictureViewer</name>
    <message>
        <source>Picture %1 of %2: %3</source>
        <translation>Photo %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Aucune photo</translation>
    </message>
    <message>
        <source>Picture %1 of %2</source>
        <translation>Photo %1 sur %2</translation>
    </message>
    <message>
        <source>This picture cannot be shown.</source>
        <translation>Cette photo ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>fitted, %1 %</source>
        <translation>ajustée, %1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Picture %1 of %2%3 · %4 · +/- zoom, 1: 100 %, 0: fit, arrows: previous/next, Esc: close</source>
        <translation>Photo %1 sur %2%3 · %4 · +/- zoom, 1 : 100 %, 0 : ajuster, flèches : précédente/suivante, Échap : fermer</translation>
    </message>
    <message>
        <source>Viewer status</source>
        <translation>État de la visionneuse</translation>
    </message>
</context>
<context>
    <name>kbs::RecentlyDeletedDialog</name>
    <message>
        <source>Recently deleted</source>
        <translation>Supprimées récemment</translation>
    </message>
    <message>
        <source>&amp;Deleted records:</source>
        <translation>Fiches &amp;supprimées :</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimée le</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>The deleted records cannot be read: %1.</source>
        <translation>Les fiches supprimées ne peuvent pas être lues : %1.</translation>
    </message>
    <message>
        <source>No record was deleted in the last %1 days.</source>
        <translation>Aucune fiche n&apos;a été supprimée ces %1 derniers jours.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is back in the catalogue.</source>
        <translation>« %1 » est de retour dans le catalogue.</translation>
    </message>
</context>
<context>
    <name>kbs::RecordFilter</name>
    <message>
        <source>checklist</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>tag</source>
        <translation>étiquette</translation>
    </message>
</context>
<context>
    <name>kbs::RecoveryCommands</name>
    <message>
        <source>Restore a backup…</source>
        <translation>Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>Recently deleted…</source>
        <translation>Supprimées récemment…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Enregistrez ou annulez d&apos;abord la fiche en cours de modification.</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Backups are made of the program&apos;s own catalogue only; open it to restore one.</source>
        <translation>Les sauvegardes ne concernent que le catalogue propre du programme ; ouvrez-le pour en restaurer une.</translation>
    </message>
</context>
<context>
    <name>kbs::ReportCommands</name>
    <message>
        <source>Statistics…</source>
        <translation>Statistiques…</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPageView</name>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>kbs::ReportPreview</name>
    <message>
        <source>Export as spreadsheet...</source>
        <translation>Exporter en tableur...</translation>
    </message>
    <message>
        <source>Export for Tellico...</source>
        <translation>Exporter pour Tellico...</translation>
    </message>
    <message>
        <source>Export as spreadsheet</source>
        <translation>Exporter en tableur</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Export for Tellico</source>
        <translation>Exporter pour Tellico</translation>
    </message>
    <message>
        <source>Tellico collections (*.tc)</source>
        <translation>Collections Tellico (*.tc)</translation>
    </message>
    <message>
        <source>Web page for phones...</source>
        <translation>Page web pour téléphone...</translation>
    </message>
    <message>
        <source>Web page for phones</source>
        <translation>Page web pour téléphone</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Pages web (*.html)</translation>
    </message>
</context>
<context>
    <name>kbs::RestoreDialog</name>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Sauvegardes :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Restore progress</source>
        <translation>Progression de la restauration</translation>
    </message>
    <message>
        <source>The chosen backup becomes a new catalogue; the catalogue as it is now is kept beside it.</source>
        <translation>La sauvegarde choisie devient un nouveau catalogue ; le catalogue actuel est gardé à côté.</translation>
    </message>
    <message>
        <source>There are no backups yet.</source>
        <translation>Il n&apos;y a encore aucune sauvegarde.</translation>
    </message>
    <message>
        <source>Restore status</source>
        <translation>État de la restauration</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>no new file can be made beside the catalogue</source>
        <translation>aucun nouveau fichier ne peut être créé à côté du catalogue</translation>
    </message>
    <message>
        <source>Restoring the backup of %1…</source>
        <translation>Restauration de la sauvegarde du %1…</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée : %1.</translation>
    </message>
    <message>
        <source>another copy of the program has the catalogue open; close it first</source>
        <translation>une autre copie du programme a ouvert le catalogue ; fermez-la d’abord</translation>
    </message>
</context>
<context>
    <name>kbs::ShareCommands</name>
    <message>
        <source>Share and Labels…</source>
        <translation>Partager et étiquettes…</translation>
    </message>
    <message>
        <source>Save web page</source>
        <translation>Enregistrer la page web</translation>
    </message>
    <message>
        <source>want-list</source>
        <translation>liste-de-recherche</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Pages web (*.html)</translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n entries.</source>
        <translation>
            <numerusform>%1 écrit : %n entrée.</numerusform>
            <numerusform>%1 écrit : %n entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>There are no records to make labels for.</source>
        <translation>Il n&apos;y a aucune fiche pour laquelle faire des étiquettes.</translation>
    </message>
</context>
<context>
    <name>kbs::ShareDialog</name>
    <message>
        <source>Share and Labels</source>
        <translation>Partager et étiquettes</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Liste de recherche</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>À vendre ou à échanger</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Manquants des listes de contrôle</translation>
    </message>
    <message>
        <source>Records shown</source>
        <translation>Fiches affichées</translation>
    </message>
    <message>
        <source>Whole collection</source>
        <translation>Toute la collection</translation>
    </message>
    <message>
        <source>%1 (private)</source>
        <translation>%1 (privé)</translation>
    </message>
    <message>
        <source>Small (list)</source>
        <translation>Petites (liste)</translation>
    </message>
    <message>
        <source>Large, %1 pixels</source>
        <translation>Grandes, %1 pixels</translation>
    </message>
    <message>
        <source>%1: %2 × %3 mm, %4 a sheet (%5)</source>
        <translation>%1 : %2 × %3 mm, %4 par feuille (%5)</translation>
    </message>
    <message>
        <source>Small &amp;picture on each label</source>
        <translation>Petite &amp;image sur chaque étiquette</translation>
    </message>
    <message>
        <source>&amp;QR code of the record&apos;s ID</source>
        <translation>Code &amp;QR de l&apos;ID de la fiche</translation>
    </message>
    <message>
        <source>&amp;Records:</source>
        <translation>&amp;Fiches :</translation>
    </message>
    <message>
        <source>Check&amp;lists:</source>
        <translation>&amp;Listes de contrôle :</translation>
    </message>
    <message>
        <source>&amp;Fields:</source>
        <translation>C&amp;hamps :</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>P&amp;ictures:</source>
        <translation>I&amp;mages :</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Planche :</translation>
    </message>
    <message>
        <source>Save &amp;web page...</source>
        <translation>Enregistrer la page &amp;web...</translation>
    </message>
    <message>
        <source>L&amp;abels...</source>
        <translation>É&amp;tiquettes...</translation>
    </message>
</context>
<context>
    <name>kbs::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Chart:</source>
        <translation>&amp;Graphique :</translation>
    </message>
    <message>
        <source>&amp;By:</source>
        <translation>&amp;Par :</translation>
    </message>
    <message>
        <source>Save as &amp;PNG…</source>
        <translation>Enregistrer en &amp;PNG…</translation>
    </message>
    <message>
        <source>Save as S&amp;VG…</source>
        <translation>Enregistrer en S&amp;VG…</translation>
    </message>
    <message>
        <source>&amp;Report…</source>
        <translation>&amp;Rapport…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Numbers of the chart: %1</source>
        <translation>Chiffres du graphique : %1</translation>
    </message>
    <message>
        <source>%1 is there already; choose a new name.</source>
        <translation>%1 existe déjà ; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Save the chart as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Le graphique n’a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>Save the chart as SVG</source>
        <translation>Enregistrer le graphique en SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
</context>
<context>
    <name>kbs::TotalsReport</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Illisibles</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Text as stored</source>
        <translation>Texte enregistré</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>Au total</translation>
    </message>
    <message>
        <source>By status</source>
        <translation>Par statut</translation>
    </message>
    <message>
        <source>By series</source>
        <translation>Par série</translation>
    </message>
    <message>
        <source>Values that could not be read</source>
        <translation>Valeurs illisibles</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Toutes les fiches</translation>
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
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Report -- Value changes</source>
        <translation>Rapport -- Variations de valeur</translation>
    </message>
    <message>
        <source>Rose most from %1 to %2</source>
        <translation>Plus fortes hausses du %1 au %2</translation>
    </message>
    <message>
        <source>Fell most from %1 to %2</source>
        <translation>Plus fortes baisses du %1 au %2</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1 : aucun</translation>
    </message>
</context>
<context>
    <name>kbs::ValueChart</name>
    <message>
        <source>No valuation with a date to draw.</source>
        <translation>Aucune estimation datée à tracer.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueCommands</name>
    <message>
        <source>Value history</source>
        <translation>Historique de la valeur</translation>
    </message>
    <message>
        <source>Value history (%1)</source>
        <translation>Historique de la valeur (%1)</translation>
    </message>
    <message>
        <source>Value changes…</source>
        <translation>Variations de valeur…</translation>
    </message>
    <message>
        <source>Price guide (valuations)…</source>
        <translation>Argus (estimations)…</translation>
    </message>
    <message>
        <source>Save or cancel the record being edited first.</source>
        <translation>Enregistrez ou annulez d&apos;abord la fiche en cours de modification.</translation>
    </message>
    <message>
        <source>Import a price guide</source>
        <translation>Importer un argus</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>Rien n’a été importé. %1</translation>
    </message>
    <message>
        <source>Value changes</source>
        <translation>Variations de valeur</translation>
    </message>
    <message>
        <source>From which date (YYYY-MM-DD)?</source>
        <translation>À partir de quelle date (AAAA-MM-JJ) ?</translation>
    </message>
    <message>
        <source>To which date (YYYY-MM-DD)?</source>
        <translation>Jusqu’à quelle date (AAAA-MM-JJ) ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>« %1 » n’est pas une date. Tapez-la sous la forme 2026-03-31.</translation>
    </message>
</context>
<context>
    <name>kbs::ValueHistoryDialog</name>
    <message>
        <source>Value history</source>
        <translation>Historique de la valeur</translation>
    </message>
    <message>
        <source>Value history: %1</source>
        <translation>Historique de la valeur : %1</translation>
    </message>
    <message>
        <source>&amp;Valuations:</source>
        <translation>&amp;Estimations :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Valuations</source>
        <translation>Estimations</translation>
    </message>
    <message>
        <source>Chart of the valuations</source>
        <translation>Graphique des estimations</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>Valu&amp;e:</source>
        <translation>&amp;Valeur :</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>price guide, auction, fair...</source>
        <translation>argus, enchères, bourse...</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Undo delete</source>
        <translation>Ann&amp;uler la suppression</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date. Type it as 2026-03-31.</source>
        <translation>« %1 » n’est pas une date. Tapez-la sous la forme 2026-03-31.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount. Type it as 12.50.</source>
        <translation>« %1 » n’est pas un montant. Tapez-le sous la forme 12.50.</translation>
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
        <translation>%1 (%2 dans le champ)</translation>
    </message>
</context>
<context>
    <name>kbs::aboutText</name>
    <message>
        <source>A catalogue for collectors of die-cast model cars: every model with its series, colours, base plate, wheels, box, condition, price and picture, kept in one file on this computer.</source>
        <translation>Un catalogue pour les collectionneurs de miniatures automobiles en métal moulé : chaque modèle avec sa série, ses couleurs, son plancher, ses roues, sa boîte, son état, son prix et sa photo, dans un seul fichier sur cet ordinateur.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Kerbside Manager v</source>
        <translation>Kerbside Manager v</translation>
    </message>
    <message>
        <source>Click here to visit Kerbside Manager Homepage</source>
        <translation>Cliquez ici pour visiter le site de Kerbside Manager</translation>
    </message>
    <message>
        <source>The web browser could not be started. The Kerbside Manager homepage is at:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Le navigateur web n&apos;a pas pu être lancé. Le site de Kerbside Manager se trouve à :<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Copyright © Larkspur Software.
This program is free software under the GNU General Public License, version 3 or later, and comes without warranty of any kind. Keep a copy of your catalogue file in a safe place.</source>
        <translation>Copyright © Larkspur Software.
Ce programme est un logiciel libre sous la GNU General Public License, version 3 ou ultérieure, fourni sans aucune garantie. Gardez une copie de votre fichier catalogue en lieu sûr.</translation>
    </message>
</context>
<context>
    <name>kbs::amounts</name>
    <message>
        <source>too large</source>
        <translation>trop grand</translation>
    </message>
</context>
<context>
    <name>kbs::backup</name>
    <message>
        <source>The catalogue could not be backed up: %1.</source>
        <translation>Le catalogue n’a pas pu être sauvegardé : %1.</translation>
    </message>
    <message>
        <source>the disk became full while copying the catalogue</source>
        <translation>le disque s’est rempli pendant la copie du catalogue</translation>
    </message>
    <message>
        <source>the disk could not read the catalogue</source>
        <translation>le disque n’a pas pu lire le catalogue</translation>
    </message>
    <message>
        <source>the copy grew larger than a file may be</source>
        <translation>la copie est devenue plus grande qu’un fichier ne peut l’être</translation>
    </message>
    <message>
        <source>the disk could not write the copy</source>
        <translation>le disque n’a pas pu écrire la copie</translation>
    </message>
    <message>
        <source>there was not enough memory</source>
        <translation>la mémoire était insuffisante</translation>
    </message>
    <message>
        <source>the catalogue is damaged</source>
        <translation>le catalogue est endommagé</translation>
    </message>
    <message>
        <source>a file could not be opened</source>
        <translation>un fichier n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the disk reported an error (%1)</source>
        <translation>le disque a signalé une erreur (%1)</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>the catalogue cannot be opened (%1)</source>
        <translation>le catalogue ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>the copy did not read back whole</source>
        <translation>la copie relue n’était pas complète</translation>
    </message>
    <message>
        <source>the backup did not read back whole</source>
        <translation>la sauvegarde relue n’était pas complète</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>impossible d’écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>%1 is no whole copy of the catalogue and cannot be moved aside</source>
        <translation>%1 n’est pas une copie complète du catalogue et ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>%1 was no whole copy of the catalogue; it is kept as %2.</source>
        <translation>%1 n’était pas une copie complète du catalogue ; il est conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>Backup copies dated after today are kept but not counted: %1.</source>
        <translation>Les sauvegardes datées d’après aujourd’hui sont conservées mais pas comptées : %1.</translation>
    </message>
    <message>
        <source>No backup of the catalogue today: less than %1 MB is free on the disk. </source>
        <translation>Pas de sauvegarde du catalogue aujourd’hui : il reste moins de %1 Mo libres sur le disque. </translation>
    </message>
    <message>
        <source>%1 cannot be made</source>
        <translation>%1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the picture file %1 is missing</source>
        <translation>le fichier d’image %1 est manquant</translation>
    </message>
    <message>
        <source>the picture file %1 is damaged</source>
        <translation>le fichier d’image %1 est endommagé</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>%1 is no whole backup</source>
        <translation>%1 n’est pas une sauvegarde complète</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>l’opération a été annulée</translation>
    </message>
    <message>
        <source>the restored catalogue is not whole</source>
        <translation>le catalogue restauré n’est pas complet</translation>
    </message>
    <message>
        <source>the disk could not write %1</source>
        <translation>le disque n’a pas pu écrire %1</translation>
    </message>
    <message>
        <source>the catalogue is being written by another program</source>
        <translation>un autre programme est en train d’écrire dans le catalogue</translation>
    </message>
    <message>
        <source>%1 cannot be replaced (%2)</source>
        <translation>%1 ne peut pas être remplacé (%2)</translation>
    </message>
</context>
<context>
    <name>kbs::editorText</name>
    <message>
        <source>Kerbside Manger Menu Editor</source>
        <translation>Kerbside Manager – Éditeur de listes</translation>
    </message>
    <message>
        <source>Do you wish to save your changes?</source>
        <translation>Voulez-vous enregistrer vos modifications ?</translation>
    </message>
    <message>
        <source>Quit -- Save changes?</source>
        <translation>Quitter -- Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini File(*.ini)|*.ini</source>
        <translation>Tous les fichiers(*.*)|*.*|Fichier ini(*.ini)|*.ini</translation>
    </message>
    <message>
        <source>Instert File</source>
        <translation>Insérer un fichier</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*|Ini Files(*.ini)|*.ini</source>
        <translation>Tous les fichiers(*.*)|*.*|Fichiers ini(*.ini)|*.ini</translation>
    </message>
</context>
<context>
    <name>kbs::exchange</name>
    <message>
        <source>%1 is not a catalogue: it is not a database file.</source>
        <translation>%1 n&apos;est pas un catalogue : ce n&apos;est pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>The catalogue %1 is not there.</source>
        <translation>Le catalogue %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is a catalogue of the older Windows program, which has to be converted before it can be exported.</source>
        <translation>%1 est un catalogue de l&apos;ancien programme Windows ; il doit être converti avant de pouvoir être exporté.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: it has no %2.</source>
        <translation>%1 n&apos;est pas un catalogue : il n&apos;a pas de %2.</translation>
    </message>
    <message>
        <source>%1 is not a catalogue: its %2 has no ID column.</source>
        <translation>%1 n&apos;est pas un catalogue : sa table %2 n&apos;a pas de colonne ID.</translation>
    </message>
    <message>
        <source>The export to %1 was cancelled.</source>
        <translation>L&apos;exportation vers %1 a été annulée.</translation>
    </message>
    <message>
        <source>%1 record(s) deleted while the export ran were left out.</source>
        <translation>%1 fiche(s) supprimée(s) pendant l&apos;exportation n&apos;y figure(nt) pas.</translation>
    </message>
    <message>
        <source>There was not enough memory to export %1.</source>
        <translation>La mémoire n&apos;a pas suffi pour exporter %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 value(s) of the column %2 held binary data and were written as text.</source>
        <translation>%1 valeur(s) de la colonne %2 contenai(en)t des données binaires et ont été écrites comme texte.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL bytes, which were left out, or bytes that are not UTF-8, which became the replacement character U+FFFD.</source>
        <translation>%1 texte(s) contenai(en)t des octets NUL, qui ont été omis, ou des octets qui ne sont pas de l&apos;UTF-8, remplacés par le caractère de remplacement U+FFFD.</translation>
    </message>
    <message>
        <source>%1 further picture(s) with neither bytes nor a linked file were left out.</source>
        <translation>%1 image(s) supplémentaire(s) sans données ni fichier lié ont été omise(s).</translation>
    </message>
    <message>
        <source>%1 text(s) longer than a spreadsheet cell holds (%2 characters) were cut to that length.</source>
        <translation>%1 texte(s) plus long(s) que ce que contient une cellule de tableur (%2 caractères) ont été coupé(s) à cette longueur.</translation>
    </message>
    <message>
        <source>%1 text(s) held NUL characters, which a spreadsheet cell cannot hold; they were left out and the rest of each text kept.</source>
        <translation>%1 texte(s) contenai(en)t des caractères NUL, qu&apos;une cellule de tableur ne peut pas contenir ; ils ont été omis et le reste de chaque texte conservé.</translation>
    </message>
    <message>
        <source>%1 needs more memory than there is.</source>
        <translation>%1 demande plus de mémoire qu’il n’y en a.</translation>
    </message>
    <message>
        <source> The row was skipped.</source>
        <translation> La ligne a été ignorée.</translation>
    </message>
    <message>
        <source>%1 line %2: %3.%4</source>
        <translation>%1 ligne %2 : %3.%4</translation>
    </message>
    <message>
        <source>%1: and %2 more rows like these.</source>
        <translation>%1 : et %2 lignes de plus comme celles-ci.</translation>
    </message>
    <message>
        <source>%1: %2 row(s) cannot be imported as written, so nothing was written%3.</source>
        <translation>%1 : %2 ligne(s) ne peuvent pas être importées telles quelles, donc rien n’a été écrit%3.</translation>
    </message>
    <message>
        <source> (--skip-bad-rows imports the others)</source>
        <translation> (--skip-bad-rows importe les autres)</translation>
    </message>
    <message>
        <source>line %1 looks like a spreadsheet&apos;s sum and was left out (--keep-sum-rows imports it).</source>
        <translation>la ligne %1 ressemble à la somme d’un tableur et a été laissée de côté (--keep-sum-rows l’importe).</translation>
    </message>
    <message>
        <source>Value history</source>
        <translation>Historique des valeurs</translation>
    </message>
    <message>
        <source>Want list</source>
        <translation>Liste de recherche</translation>
    </message>
    <message>
        <source>For sale or trade</source>
        <translation>À vendre ou à échanger</translation>
    </message>
    <message>
        <source>Missing from checklists</source>
        <translation>Manquants des listes de contrôle</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Collection</translation>
    </message>
    <message>
        <source>%1 has no checklist named &quot;%2&quot;.</source>
        <translation>%1 n&apos;a pas de liste de contrôle nommée « %2 ».</translation>
    </message>
    <message>
        <source>Missing from</source>
        <translation>Manque dans</translation>
    </message>
    <message>
        <source>There is no field &quot;%1&quot; to show; the fields are: %2.</source>
        <translation>Il n&apos;y a pas de champ « %1 » à afficher ; les champs sont : %2.</translation>
    </message>
    <message>
        <source>The size of the pictures must be between %1 and %2 pixels.</source>
        <translation>La taille des images doit être comprise entre %1 et %2 pixels.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries, %2</source>
        <translation>
            <numerusform>%1 : %n entrée, %2</numerusform>
            <numerusform>%1 : %n entrées, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordre</translation>
    </message>
    <message>
        <source>Series and number</source>
        <translation>Série et numéro</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>As listed</source>
        <translation>Dans l&apos;ordre donné</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ChecklistCsv</name>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>Line 1 of %1 names no columns for the number and the name of the models (for example &quot;Number&quot; and &quot;Name&quot;).</source>
        <translation>La ligne 1 de %1 ne nomme pas de colonnes pour le numéro et le nom des modèles (par exemple « Numéro » et « Nom »).</translation>
    </message>
    <message>
        <source>no number</source>
        <translation>pas de numéro</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>pas de nom</translation>
    </message>
    <message>
        <source>the number %1 was given before</source>
        <translation>le numéro %1 figure déjà plus haut</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing is stored. Correct these rows and import it again:
%2</source>
        <translation>%1 n&apos;a pas été importé ; rien n&apos;est enregistré. Corrigez ces lignes et importez-le à nouveau :
%2</translation>
    </message>
    <message>
        <source>and %1 more rows</source>
        <translation>et %1 lignes de plus</translation>
    </message>
    <message>
        <source>%1 holds no models.</source>
        <translation>%1 ne contient aucun modèle.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvImport</name>
    <message>
        <source>the file has %1 columns where %2 were matched to fields</source>
        <translation>le fichier a %1 colonnes alors que %2 ont été associées à des champs</translation>
    </message>
    <message>
        <source>Columns left out, as their headings name no column of the catalogue: %1.</source>
        <translation>Colonnes laissées de côté, leurs en-têtes ne désignant aucune colonne du catalogue : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without any text were skipped.</source>
        <translation>
            <numerusform>%n ligne sans aucun texte a été ignorée.</numerusform>
            <numerusform>%n lignes sans aucun texte ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>; and %1 more</source>
        <translation> ; et %1 de plus</translation>
    </message>
    <message>
        <source>the file is empty: it has no header row</source>
        <translation>le fichier est vide : il n’a pas de ligne d’en-tête</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>la colonne %1 n’a pas de nom</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>la colonne %1 est nommée deux fois</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>the row has %1 field where the header has %2</source>
        <translation>la ligne a %1 champ là où l’en-tête en a %2</translation>
    </message>
    <message>
        <source>the row has %1 fields where the header has %2</source>
        <translation>la ligne a %1 champs là où l’en-tête en a %2</translation>
    </message>
    <message>
        <source>the ID %1 is not a whole number from %2 to %3</source>
        <translation>l’ID %1 n’est pas un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>the ID %1 is already that of line %2</source>
        <translation>l’ID %1 est déjà celui de la ligne %2</translation>
    </message>
    <message>
        <source>further picture %1 must name either a file in %2 or a link in %3</source>
        <translation>l’image supplémentaire %1 doit indiquer soit un fichier dans %2, soit un lien dans %3</translation>
    </message>
    <message>
        <source>Line %1: %2, which changed while the file was imported.</source>
        <translation>Ligne %1 : %2, qui a changé pendant l’importation du fichier.</translation>
    </message>
    <message>
        <source>%1 record(s) had no ID and were given new ones after the largest.</source>
        <translation>%1 fiche(s) n’avaient pas d’ID et en ont reçu de nouveaux après le plus grand.</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) of the value history came from %1.</source>
        <translation>
            <numerusform>%n estimation de l&apos;historique des valeurs provient de %1.</numerusform>
            <numerusform>%n estimations de l&apos;historique des valeurs proviennent de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) in %1 name a record the catalogue does not have and were left out.</source>
        <translation>
            <numerusform>%n estimation de %1 désigne une fiche absente du catalogue et a été laissée de côté.</numerusform>
            <numerusform>%n estimations de %1 désignent une fiche absente du catalogue et ont été laissées de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>no column of the catalogue has the heading %1; the headings taken include %2 (kbsmgr-import --list-headings lists them all, --skip-unknown leaves such columns out, --own-fields makes them fields of the collector&apos;s own)</source>
        <translation>aucune colonne du catalogue n&apos;a l&apos;en-tête %1 ; les en-têtes acceptés sont notamment %2 (kbsmgr-import --list-headings les liste tous, --skip-unknown laisse de côté ces colonnes, --own-fields en fait des champs personnels du collectionneur)</translation>
    </message>
    <message>
        <source>Columns that became fields of the collector&apos;s own: %1.</source>
        <translation>Colonnes devenues des champs personnels du collectionneur : %1.</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::CsvReader</name>
    <message>
        <source>%1 is not UTF-8 throughout: line %2 holds bytes that UTF-8 does not have. Convert the file to UTF-8 (for example: iconv -f WINDOWS-1252 -t UTF-8 FILE &gt; NEW.csv), or give --encoding=windows-1252 if all of it is Windows-1252.</source>
        <translation>%1 n’est pas entièrement en UTF-8 : la ligne %2 contient des octets qui n’existent pas en UTF-8. Convertissez le fichier en UTF-8 (par exemple : iconv -f WINDOWS-1252 -t UTF-8 FICHIER &gt; NOUVEAU.csv), ou indiquez --encoding=windows-1252 s’il est entièrement en Windows-1252.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>the record that starts on line %1 is longer than %2 MB; is a quote left open?</source>
        <translation>l’enregistrement qui commence à la ligne %1 dépasse %2 Mo ; un guillemet est-il resté ouvert ?</translation>
    </message>
    <message>
        <source>a field holds a NUL byte, which no text may hold</source>
        <translation>un champ contient un octet NUL, qu’aucun texte ne peut contenir</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un champ entre guillemets n’est jamais fermé</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::OwnCsv</name>
    <message>
        <source>The fields&apos; list %1 cannot be read: line %2: %3.</source>
        <translation>La liste des champs %1 ne peut pas être lue : ligne %2 : %3.</translation>
    </message>
    <message>
        <source>the columns Name and Kind are needed</source>
        <translation>les colonnes Name et Kind sont nécessaires</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::PictureSource</name>
    <message>
        <source>The folder %1, where picture files may come from, is not there.</source>
        <translation>Le dossier %1, d’où peuvent venir les fichiers d’images, n’existe pas.</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 (--pictures-from names another folder pictures may come from)</source>
        <translation>il se trouve hors du dossier %1 (--pictures-from indique un autre dossier d’où peuvent venir les images)</translation>
    </message>
    <message>
        <source>it lies outside the folder %1 and the folders given by --pictures-from</source>
        <translation>il se trouve hors du dossier %1 et des dossiers indiqués par --pictures-from</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it is not a picture the program can show (%1)</source>
        <translation>ce n’est pas une image que le programme sait afficher (%1)</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::Tellico</name>
    <message>
        <source>its XML is larger than %1 MB</source>
        <translation>son XML dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it holds a value larger than %1 MB</source>
        <translation>il contient une valeur de plus de %1 Mo</translation>
    </message>
    <message>
        <source>%1 cannot be read as a zip file: %2.</source>
        <translation>%1 ne peut pas être lu comme fichier zip : %2.</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: it holds no tellico.xml.</source>
        <translation>%1 n’est pas une collection Tellico : il ne contient pas de tellico.xml.</translation>
    </message>
    <message>
        <source>%1: tellico.xml cannot be read: %2.</source>
        <translation>%1 : tellico.xml ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: a picture cannot be set aside in %2: %3.</source>
        <translation>%1 ne peut pas être lu : une image ne peut pas être mise de côté dans %2 : %3.</translation>
    </message>
    <message>
        <source>%1: %2 is larger than the program takes.</source>
        <translation>%1 : %2 est plus grand que ce que le programme accepte.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read: %3.</source>
        <translation>%1 : %2 ne peut pas être lu : %3.</translation>
    </message>
    <message>
        <source>%1: %2 cannot be read whole.</source>
        <translation>%1 : %2 ne peut pas être lu en entier.</translation>
    </message>
    <message>
        <source>%1 is not read: line %2: %3.</source>
        <translation>%1 n’est pas lu : ligne %2 : %3.</translation>
    </message>
    <message>
        <source>it holds a value longer than %1 characters</source>
        <translation>il contient une valeur de plus de %1 caractères</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>it declares more than %1 fields</source>
        <translation>il déclare plus de %1 champs</translation>
    </message>
    <message>
        <source>it lists more than %1 pictures</source>
        <translation>il liste plus de %1 images</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is broken at line %2 (%3).</source>
        <translation>%1 n’est pas une collection Tellico : son XML est cassé à la ligne %2 (%3).</translation>
    </message>
    <message>
        <source>%1 is not a Tellico collection: its XML is not &lt;tellico&gt;.</source>
        <translation>%1 n’est pas une collection Tellico : son XML n’est pas &lt;tellico&gt;.</translation>
    </message>
    <message>
        <source>an entry holds more than %1 characters</source>
        <translation>une entrée contient plus de %1 caractères</translation>
    </message>
    <message>
        <source>it holds a name longer than %1 characters</source>
        <translation>il contient un nom de plus de %1 caractères</translation>
    </message>
    <message>
        <source>%1 changed while it was read.</source>
        <translation>%1 a changé pendant sa lecture.</translation>
    </message>
    <message>
        <source>These fields have no column in the catalogue and were left out: %1.</source>
        <translation>Ces champs n’ont pas de colonne dans le catalogue et ont été laissés de côté : %1.</translation>
    </message>
    <message>
        <source>%1 entr(ies) without a usable id were given new IDs.</source>
        <translation>%1 entrée(s) sans identifiant utilisable ont reçu de nouveaux ID.</translation>
    </message>
    <message>
        <source>%1 picture(s) named in the collection are not in the file and were left out.</source>
        <translation>%1 image(s) indiquée(s) dans la collection ne se trouve(nt) pas dans le fichier et ont été laissée(s) de côté.</translation>
    </message>
    <message>
        <source>%1 picture(s) could not be read as pictures and were left out.</source>
        <translation>%1 image(s) n’a/ont pas pu être lue(s) comme image et a/ont été laissée(s) de côté.</translation>
    </message>
    <message>
        <source>No catalogue was named to import %1 into.</source>
        <translation>Aucun catalogue n’a été indiqué pour y importer %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>%1 %2, caption</source>
        <translation>%1 %2, légende</translation>
    </message>
    <message>
        <source>Exact texts (Kerbside Manager)</source>
        <translation>Textes exacts (Kerbside Manager)</translation>
    </message>
    <message>
        <source>%1 cannot be written as a zip file.</source>
        <translation>%1 ne peut pas être écrit comme fichier zip.</translation>
    </message>
    <message>
        <source>%1 character(s) that XML cannot hold (control characters such as NUL, U+FFFE, U+FFFF, halves of surrogate pairs) were left out of the texts.</source>
        <translation>%1 caractère(s) que XML ne peut pas contenir (caractères de contrôle comme NUL, U+FFFE, U+FFFF, moitiés de paires de substitution) ont été retirés des textes.</translation>
    </message>
    <message>
        <source>Keywords of %1 record(s) are longer than a tag may be and are kept in the field %2.</source>
        <translation>Des mots-clés de %1 fiche(s) sont plus longs qu&apos;une étiquette ne peut l&apos;être et sont gardés dans le champ %2.</translation>
    </message>
    <message>
        <source>Own fields</source>
        <translation>Champs personnels</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
</context>
<context>
    <name>kbs::exchange::ValueCsv</name>
    <message>
        <source>The value history %1 cannot be read: line %2: %3.</source>
        <translation>L&apos;historique des valeurs %1 ne peut pas être lu : ligne %2 : %3.</translation>
    </message>
    <message>
        <source>the columns ID, Date and Value are needed</source>
        <translation>les colonnes ID, Date et Value sont nécessaires</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>« %1 » n&apos;est pas un identifiant de fiche</translation>
    </message>
</context>
<context>
    <name>kbs::frmAbout</name>
    <message>
        <source>Released %1</source>
        <translation>Publié le %1</translation>
    </message>
</context>
<context>
    <name>kbs::frmEditor</name>
    <message>
        <source>Value lists</source>
        <translation>Listes de valeurs</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Text edge</source>
        <translation>Bord du texte</translation>
    </message>
    <message>
        <source>List text</source>
        <translation>Texte de la liste</translation>
    </message>
    <message>
        <source>Inserted text</source>
        <translation>Texte inséré</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Couper</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>R&amp;emplacer</translation>
    </message>
    <message>
        <source>&amp;Insert File</source>
        <translation>&amp;Insérer un fichier</translation>
    </message>
</context>
<context>
    <name>kbs::frmFind</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
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
        <translation>Afficher les fiches en photos (%1)</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation>Miniatures</translation>
    </message>
    <message>
        <source>Making thumbnails: %1 of %2</source>
        <translation>Création des miniatures : %1 sur %2</translation>
    </message>
    <message>
        <source>The record could not be brought back: %1</source>
        <translation>La fiche n&apos;a pas pu être rétablie : %1</translation>
    </message>
    <message>
        <source>Undo delete</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>a backup is being made</source>
        <translation>une sauvegarde est en cours</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1.</source>
        <translation>La sauvegarde n&apos;a pas pu être restaurée : %1.</translation>
    </message>
    <message>
        <source>The backup of %1 is restored; the catalogue as it was is kept as %2.</source>
        <translation>La sauvegarde du %1 est restaurée ; le catalogue précédent est gardé sous %2.</translation>
    </message>
    <message>
        <source>The catalogue was replaced by another program; it is opened again.</source>
        <translation>Le catalogue a été remplacé par un autre programme ; il est rouvert.</translation>
    </message>
</context>
<context>
    <name>kbs::frmReplace</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
</context>
<context>
    <name>kbs::frmTip</name>
    <message>
        <source>Tip of the day</source>
        <translation>Astuce du jour</translation>
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
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Car_Cond</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Wheel_Type</source>
        <translation>Roues</translation>
    </message>
    <message>
        <source>Box_Type</source>
        <translation>Boîte</translation>
    </message>
    <message>
        <source>Box_Cond</source>
        <translation>État boîte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Rangement</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Prix d&apos;achat</translation>
    </message>
    <message>
        <source>Purch_Date</source>
        <translation>Date d&apos;achat</translation>
    </message>
    <message>
        <source>List_Price</source>
        <translation>Prix public</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Value_Date</source>
        <translation>Date de cote</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Purch_From</source>
        <translation>Acheté chez</translation>
    </message>
    <message>
        <source>Base_Name</source>
        <translation>Plancher</translation>
    </message>
    <message>
        <source>Interior_Color</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Version_Number</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Base_Color</source>
        <translation>Couleur plancher</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>twenty</source>
        <translation>vingt</translation>
    </message>
</context>
<context>
    <name>kbs::groups</name>
    <message>
        <source>Decade</source>
        <translation>Décennie</translation>
    </message>
</context>
<context>
    <name>kbs::legacy</name>
    <message>
        <source>The converted catalogue cannot be put in place of %1: %2</source>
        <translation>Le catalogue converti ne peut pas prendre la place de %1 : %2</translation>
    </message>
    <message>
        <source>The converter %1 is missing.</source>
        <translation>Le programme de conversion %1 est manquant.</translation>
    </message>
    <message>
        <source>Reading %1 needed more than %2 MB of memory, so it was stopped: the file is probably damaged.</source>
        <translation>La lecture de %1 demandait plus de %2 Mo de mémoire et a donc été arrêtée : le fichier est probablement endommagé.</translation>
    </message>
    <message>
        <source>The converter stopped unexpectedly while reading %1 (%2): the file is probably damaged.</source>
        <translation>Le programme de conversion s’est arrêté de façon inattendue en lisant %1 (%2) : le fichier est probablement endommagé.</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>il a planté</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>The converter %1 could not be started: %2.</source>
        <translation>Le programme de conversion %1 n’a pas pu être lancé : %2.</translation>
    </message>
    <message>
        <source>The converted catalogue cannot be opened: %1</source>
        <translation>Le catalogue converti ne peut pas être ouvert : %1</translation>
    </message>
    <message>
        <source>The converted catalogue holds %1 records instead of %2.</source>
        <translation>Le catalogue converti contient %1 fiches au lieu de %2.</translation>
    </message>
    <message>
        <source>%1: the file says that %2 holds %3 records, but %4 could be read. The file is damaged.</source>
        <translation>%1 : le fichier indique que %2 contient %3 fiches, mais %4 ont pu être lues. Le fichier est endommagé.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n’est pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is not a database of the older Windows program.</source>
        <translation>%1 n’est pas une base de données de l’ancien programme Windows.</translation>
    </message>
    <message>
        <source>%1 is a database of an unknown version (%2).</source>
        <translation>%1 est une base de données d’une version inconnue (%2).</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, which is not a whole number of the %3-byte pages that a %4 file is made of: the file is incomplete (perhaps cut short while it was copied) or damaged.</source>
        <translation>%1 fait %2 octets, ce qui n’est pas un nombre entier des pages de %3 octets dont est fait un fichier %4 : le fichier est incomplet (peut-être coupé pendant une copie) ou endommagé.</translation>
    </message>
    <message>
        <source>%1 is only %2 bytes long: too short for a %3 database.</source>
        <translation>%1 ne fait que %2 octets : trop court pour une base de données %3.</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>fiche %1</translation>
    </message>
    <message>
        <source> (ID %1)</source>
        <translation> (ID %1)</translation>
    </message>
    <message>
        <source>, column %1</source>
        <translation>, colonne %1</translation>
    </message>
    <message>
        <source>%1: %2 The file is damaged.</source>
        <translation>%1 : %2 Le fichier est endommagé.</translation>
    </message>
    <message>
        <source>libmdb cannot open the file.</source>
        <translation>libmdb ne peut pas ouvrir le fichier.</translation>
    </message>
    <message>
        <source>the file&apos;s pages are not the size its header promises.</source>
        <translation>les pages du fichier n’ont pas la taille qu’annonce son en-tête.</translation>
    </message>
    <message>
        <source>the list of the file&apos;s tables cannot be read.</source>
        <translation>la liste des tables du fichier ne peut pas être lue.</translation>
    </message>
    <message>
        <source>the file has no table &quot;%1&quot;: it is not a catalogue.</source>
        <translation>le fichier n’a pas de table « %1 » : ce n’est pas un catalogue.</translation>
    </message>
    <message>
        <source>the definition of %1 cannot be read.</source>
        <translation>la définition de %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read.</source>
        <translation>les colonnes de %1 ne peuvent pas être lues.</translation>
    </message>
    <message>
        <source>column %1 (%2) has the size %3 where %4 was expected.</source>
        <translation>la colonne %1 (%2) a la taille %3 là où %4 était attendu.</translation>
    </message>
    <message>
        <source>its value is shorter than its header.</source>
        <translation>sa valeur est plus courte que son en-tête.</translation>
    </message>
    <message>
        <source>its value holds %1 bytes but its header says %2.</source>
        <translation>sa valeur contient %1 octets mais son en-tête en indique %2.</translation>
    </message>
    <message>
        <source>the page that holds its value cannot be read.</source>
        <translation>la page qui contient sa valeur ne peut pas être lue.</translation>
    </message>
    <message>
        <source>its value is stored in an unknown way.</source>
        <translation>sa valeur est stockée d’une manière inconnue.</translation>
    </message>
    <message>
        <source>its value ends after %1 of the %2 bytes its header says.</source>
        <translation>sa valeur s’arrête après %1 des %2 octets qu’indique son en-tête.</translation>
    </message>
    <message>
        <source>a page that holds its value cannot be read.</source>
        <translation>une page qui contient sa valeur ne peut pas être lue.</translation>
    </message>
    <message>
        <source>its value holds more than the %1 bytes its header says.</source>
        <translation>sa valeur contient plus que les %1 octets qu’indique son en-tête.</translation>
    </message>
    <message>
        <source>its text is cut in the middle of a character.</source>
        <translation>son texte est coupé au milieu d’un caractère.</translation>
    </message>
    <message>
        <source>its value is shorter than its type needs.</source>
        <translation>sa valeur est plus courte que ne l’exige son type.</translation>
    </message>
    <message>
        <source>its date (%1) lies outside the years 100 to 9999.</source>
        <translation>sa date (%1) est en dehors des années 100 à 9999.</translation>
    </message>
    <message>
        <source>its type (%1) cannot be converted.</source>
        <translation>son type (%1) ne peut pas être converti.</translation>
    </message>
    <message>
        <source>record %1 cannot be found again on its page.</source>
        <translation>la fiche %1 est introuvable sur sa page.</translation>
    </message>
    <message>
        <source>record %1 cannot be taken apart: the file is damaged.</source>
        <translation>la fiche %1 ne peut pas être décomposée : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>record %1 lacks a column.</source>
        <translation>il manque une colonne à la fiche %1.</translation>
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
        <translation>Conversion du catalogue de l&apos;ancienne version Windows de Kerbside Manager...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and has been converted for this version: %2 converted.<byte value="xd"/>
<byte value="xd"/>
The original file is kept, unchanged, as %3.</source>
        <translation>Le catalogue %1 a été créé par l&apos;ancienne version Windows de Kerbside Manager et a été converti pour cette version : %2 converti(s).<byte value="xd"/>
<byte value="xd"/>
Le fichier d&apos;origine est conservé, inchangé, sous %3.</translation>
    </message>
    <message>
        <source>1 record was</source>
        <translation>1 fiche a été</translation>
    </message>
    <message>
        <source>%1 records were</source>
        <translation>%1 fiches ont été</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by the older Windows version of Kerbside Manager and could not be converted:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>Le catalogue %1 a été créé par l&apos;ancienne version Windows de Kerbside Manager et n&apos;a pas pu être converti :<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The conversion of the catalogue %1 was cancelled.<byte value="xd"/>
<byte value="xd"/>
The file has not been changed.</source>
        <translation>La conversion du catalogue %1 a été annulée.<byte value="xd"/>
<byte value="xd"/>
Le fichier n&apos;a pas été modifié.</translation>
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
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Total Records In The Database : </source>
        <translation>Fiches dans la base : </translation>
    </message>
    <message>
        <source>       Total Found In The Database Is: </source>
        <translation>       Trouvé dans la base : </translation>
    </message>
    <message>
        <source>       Total Found In The Database Are: </source>
        <translation>       Trouvées dans la base : </translation>
    </message>
    <message>
        <source>  Record</source>
        <translation>  fiche</translation>
    </message>
    <message>
        <source>  Records</source>
        <translation>  fiches</translation>
    </message>
    <message>
        <source>Add/Edit Info</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>caché</translation>
    </message>
    <message>
        <source>store in database</source>
        <translation>dans la base</translation>
    </message>
    <message>
        <source>store as file pointer</source>
        <translation>lien vers fichier</translation>
    </message>
    <message>
        <source>select picture</source>
        <translation>Choisir photo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add plus to the car condition</source>
        <translation>Ajouter plus à l&apos;état du modèle</translation>
    </message>
    <message>
        <source>Add minus to the car condition</source>
        <translation>Ajouter moins à l&apos;état du modèle</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Picture of the model</source>
        <translation>Photo du modèle</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Fichier photo</translation>
    </message>
    <message>
        <source>Kerbside Manager logo</source>
        <translation>Logo de Kerbside Manager</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>The record could not be saved:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields.</source>
        <translation>La fiche n&apos;a pas pu être enregistrée :<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Vos saisies sont toujours dans les champs.</translation>
    </message>
    <message>
        <source>The record could not be saved: the field %1 cannot hold the text &quot;%2&quot;.<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>La fiche n&apos;a pas pu être enregistrée : le champ %1 ne peut pas contenir le texte « %2 ».<byte value="xd"/>
<byte value="xd"/>
%3<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Vos saisies sont toujours dans les champs : modifiez celle-ci et enregistrez de nouveau, ou annulez.</translation>
    </message>
    <message>
        <source>The record could not be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>La fiche n&apos;a pas pu être affichée :<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Sort Error</source>
        <translation>Erreur de tri</translation>
    </message>
    <message>
        <source>There needs to be at least one record in the database.<byte value="xd"/>
<byte value="xd"/>
Please edit this record.</source>
        <translation>La base doit contenir au moins une fiche.<byte value="xd"/>
<byte value="xd"/>
Veuillez modifier cette fiche.</translation>
    </message>
    <message>
        <source>No Records to Delete</source>
        <translation>Aucune fiche à supprimer</translation>
    </message>
    <message>
        <source>You are about to delete this record, are you sure?</source>
        <translation>Vous allez supprimer cette fiche. Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Supprimer la fiche</translation>
    </message>
    <message>
        <source>The record could not be deleted:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>La fiche n&apos;a pas pu être supprimée :<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>There is no record to search</source>
        <translation>Il n&apos;y a aucune fiche à rechercher</translation>
    </message>
    <message>
        <source>Exiting</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Search for an entry</source>
        <translation>Rechercher une entrée</translation>
    </message>
    <message>
        <source>enter your searchtext</source>
        <translation>saisissez le texte à chercher</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>No Match found in Database!</source>
        <translation>Aucune correspondance dans la base !</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>File does not appear to be a valid image file...</source>
        <translation>Le fichier ne semble pas être une image valide...</translation>
    </message>
    <message>
        <source>Select picture for current record...</source>
        <translation>Choisir une photo pour la fiche en cours...</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</source>
        <translation>Images (*.jpg, *.bmp, *.gif)|*.jpg;*.bmp;*.gif;*.ico</translation>
    </message>
    <message>
        <source>The picture %1 is %2 MB. A record holds pictures of up to %3 MB.<byte value="xd"/>
<byte value="xd"/>
Please choose a smaller picture, or store this one as a file pointer.</source>
        <translation>La photo %1 fait %2 Mo. Une fiche accepte des photos jusqu&apos;à %3 Mo.<byte value="xd"/>
<byte value="xd"/>
Choisissez une photo plus petite, ou enregistrez celle-ci comme lien vers le fichier.</translation>
    </message>
    <message>
        <source>The picture file %1 could not be read:<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation>Le fichier photo %1 n&apos;a pas pu être lu :<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
La fiche garde sa photo précédente.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
The record keeps the picture it had.</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
La fiche garde sa photo précédente.</translation>
    </message>
    <message>
        <source> … [%1 more characters not shown; this field cannot be edited here]</source>
        <translation> … [%1 caractères de plus non affichés ; ce champ ne peut pas être modifié ici]</translation>
    </message>
    <message>
        <source> … [%1 more bytes not shown; this field cannot be edited here]</source>
        <translation> … [%1 octets de plus non affichés ; ce champ ne peut pas être modifié ici]</translation>
    </message>
    <message>
        <source>The catalogue %1 cannot be opened:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Le catalogue %1 ne peut pas être ouvert :<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add new record</source>
        <translation>Ajouter une fiche</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit existing record</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Supprimer la fiche</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Astuces</translation>
    </message>
    <message>
        <source>Edit Helper Menues</source>
        <translation>Modifier les listes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Report -- All</source>
        <translation>Rapport -- Tout</translation>
    </message>
    <message>
        <source>Want</source>
        <translation>Recherché</translation>
    </message>
    <message>
        <source>Report -- Want</source>
        <translation>Rapport -- Recherché</translation>
    </message>
    <message>
        <source>Have</source>
        <translation>Possédé</translation>
    </message>
    <message>
        <source>Report -- Have</source>
        <translation>Rapport -- Possédé</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>À vendre</translation>
    </message>
    <message>
        <source>Report -- Sell</source>
        <translation>Rapport -- À vendre</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Rapport -- Totaux</translation>
    </message>
    <message>
        <source>No record is shown, so none is deleted.<byte value="xd"/>
<byte value="xd"/>
Choose the record in the grid first.</source>
        <translation>Aucune fiche n&apos;est affichée, donc aucune n&apos;est supprimée.<byte value="xd"/>
<byte value="xd"/>
Choisissez d&apos;abord la fiche dans la grille.</translation>
    </message>
    <message>
        <source>The record could not be saved: %1<byte value="xd"/>
<byte value="xd"/>
Nothing was stored. Your entries are still in the fields: change that one and save again, or Cancel.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être enregistré : %1<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été enregistré. Vos saisies sont toujours dans les champs : modifiez celle-ci et enregistrez à nouveau, ou Annuler.</translation>
    </message>
</context>
<context>
    <name>kbs::menuText</name>
    <message>
        <source>List file not found: %1</source>
        <translation>Fichier de liste introuvable : %1</translation>
    </message>
    <message>
        <source>List file cannot be read: %1</source>
        <translation>Fichier de liste illisible : %1</translation>
    </message>
    <message>
        <source>No values in %1</source>
        <translation>Aucune valeur dans %1</translation>
    </message>
</context>
<context>
    <name>kbs::ownfields</name>
    <message>
        <source>There is no such field (it may have been removed meanwhile).</source>
        <translation>Ce champ n&apos;existe pas (il a peut-être été supprimé entre-temps).</translation>
    </message>
    <message>
        <source>A field needs a name.</source>
        <translation>Un champ doit avoir un nom.</translation>
    </message>
    <message>
        <source>The name of a field cannot hold a colon: %1</source>
        <translation>Le nom d&apos;un champ ne peut pas contenir de deux-points : %1</translation>
    </message>
    <message>
        <source>The name of a field can be at most 64 characters long.</source>
        <translation>Le nom d&apos;un champ peut compter au plus 64 caractères.</translation>
    </message>
    <message>
        <source>%1 is the name of a field the catalogue has already.</source>
        <translation>%1 est le nom d&apos;un champ que le catalogue possède déjà.</translation>
    </message>
    <message>
        <source>There is a field named %1 already.</source>
        <translation>Il existe déjà un champ nommé %1.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Yes/No</source>
        <translation>Oui/Non</translation>
    </message>
    <message>
        <source>Choice from a value list</source>
        <translation>Choix dans une liste de valeurs</translation>
    </message>
    <message>
        <source>%1 takes a number, not &quot;%2&quot;.</source>
        <translation>%1 attend un nombre, pas « %2 ».</translation>
    </message>
    <message>
        <source>%1 takes an amount, not &quot;%2&quot;.</source>
        <translation>%1 attend un montant, pas « %2 ».</translation>
    </message>
    <message>
        <source>%1 takes a date, and &quot;%2&quot; is not one.</source>
        <translation>%1 attend une date, et « %2 » n&apos;en est pas une.</translation>
    </message>
    <message>
        <source>%1 takes yes or no, not &quot;%2&quot;.</source>
        <translation>%1 attend oui ou non, pas « %2 ».</translation>
    </message>
    <message>
        <source>A tag cannot be empty.</source>
        <translation>Une étiquette ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: %1</source>
        <translation>Une étiquette ne peut pas contenir de virgule : %1</translation>
    </message>
    <message>
        <source>A tag can be at most %1 characters long: %2</source>
        <translation>Une étiquette peut compter au plus %1 caractères : %2</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
</context>
<context>
    <name>kbs::panel</name>
    <message>
        <source>Description</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Year Issued</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Nr. #</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Series list</source>
        <translation>Liste des séries</translation>
    </message>
    <message>
        <source>Car Condition</source>
        <translation>État</translation>
    </message>
    <message>
        <source>grading</source>
        <translation>état</translation>
    </message>
    <message>
        <source>Car condition list</source>
        <translation>Liste des états</translation>
    </message>
    <message>
        <source>Wheel Type</source>
        <translation>Roues</translation>
    </message>
    <message>
        <source>wheeltypes</source>
        <translation>roues</translation>
    </message>
    <message>
        <source>Wheel type list</source>
        <translation>Liste des roues</translation>
    </message>
    <message>
        <source>Box Type</source>
        <translation>Boîte</translation>
    </message>
    <message>
        <source>Box type list</source>
        <translation>Liste des boîtes</translation>
    </message>
    <message>
        <source>Box Condition</source>
        <translation>État boîte</translation>
    </message>
    <message>
        <source>boxgrading</source>
        <translation>état boîte</translation>
    </message>
    <message>
        <source>Box condition list</source>
        <translation>Liste des états de boîte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Color list</source>
        <translation>Liste des couleurs</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Storage Location</source>
        <translation>Rangement</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Prix d&apos;achat</translation>
    </message>
    <message>
        <source>on</source>
        <translation>le</translation>
    </message>
    <message>
        <source>List Price</source>
        <translation>Prix public</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Status list</source>
        <translation>Liste des statuts</translation>
    </message>
    <message>
        <source>Purchased from</source>
        <translation>Acheté chez</translation>
    </message>
    <message>
        <source>Base Plate Name</source>
        <translation>Nom sous plancher</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Plancher</translation>
    </message>
    <message>
        <source>Base plate name list</source>
        <translation>Liste des noms de plancher</translation>
    </message>
    <message>
        <source>Interior Color</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>InteriorColor</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Interior color list</source>
        <translation>Liste des intérieurs</translation>
    </message>
    <message>
        <source>Version #</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Couleur plancher</translation>
    </message>
    <message>
        <source>Base color list</source>
        <translation>Liste des couleurs de plancher</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
</context>
<context>
    <name>kbs::panel::Headings</name>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Date d&apos;achat</translation>
    </message>
    <message>
        <source>Value Date</source>
        <translation>Date de la cote</translation>
    </message>
    <message>
        <source>Base Plate Color</source>
        <translation>Couleur plancher</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Interior Colour</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Base Plate Colour</source>
        <translation>Couleur plancher</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année de sortie</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numéro de modèle</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Gamme</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Notation</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Emballage</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Conditionnement</translation>
    </message>
    <message>
        <source>Box Grade</source>
        <translation>État emballage</translation>
    </message>
    <message>
        <source>Body Color</source>
        <translation>Couleur carrosserie</translation>
    </message>
    <message>
        <source>Body Colour</source>
        <translation>Couleur de carrosserie</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Price Paid</source>
        <translation>Prix payé</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Date Bought</source>
        <translation>Acheté le</translation>
    </message>
    <message>
        <source>Bought On</source>
        <translation>Date achat</translation>
    </message>
    <message>
        <source>Retail Price</source>
        <translation>Prix de vente</translation>
    </message>
    <message>
        <source>RRP</source>
        <translation>PVC</translation>
    </message>
    <message>
        <source>Current Value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Bought From</source>
        <translation>Acheté à</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendeur</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Boutique</translation>
    </message>
    <message>
        <source>Base Name</source>
        <translation>Nom du plancher</translation>
    </message>
    <message>
        <source>Baseplate</source>
        <translation>Plancher</translation>
    </message>
    <message>
        <source>Interior</source>
        <translation>Habitacle</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Déclinaison</translation>
    </message>
    <message>
        <source>Base Color</source>
        <translation>Couleur du plancher</translation>
    </message>
    <message>
        <source>Base Colour</source>
        <translation>Teinte plancher</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>kbs::replaceText</name>
    <message>
        <source>&amp;Replace With:</source>
        <translation>&amp;Remplacer par :</translation>
    </message>
    <message>
        <source>R&amp;eplace</source>
        <translation>R&amp;emplacer</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
    <message>
        <source>Done replacing, %1 replacements made</source>
        <translation>Remplacement terminé, %1 remplacements effectués</translation>
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
        <translation>Rapport -- Tout</translation>
    </message>
    <message>
        <source>Report -- Totals</source>
        <translation>Rapport -- Totaux</translation>
    </message>
    <message>
        <source>End of Report</source>
        <translation>Fin du rapport</translation>
    </message>
    <message>
        <source>page %p of %P</source>
        <translation>page %p sur %P</translation>
    </message>
    <message>
        <source>Issue Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Rangement</translation>
    </message>
    <message>
        <source>as of</source>
        <translation>au</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Largeur de page</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Report page</source>
        <translation>Page du rapport</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exporting the records to %1 ...</source>
        <translation>Exportation des fiches vers %1 ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 exported to %2.</source>
        <translation>%1 exportée(s) vers %2.</translation>
    </message>
    <message>
        <source>Left out, as deleted meanwhile: %1.</source>
        <translation>Omises, car supprimées entre-temps : %1.</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 fiche</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 fiches</translation>
    </message>
    <message>
        <source>The export was cancelled; nothing was written.</source>
        <translation>L&apos;exportation a été annulée ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The records could not be exported:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Nothing was written.</source>
        <translation>Les fiches n&apos;ont pas pu être exportées :<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Export status</source>
        <translation>État de l&apos;exportation</translation>
    </message>
</context>
<context>
    <name>kbs::safefile</name>
    <message>
        <source>%1 already exists, and an existing file or folder is never replaced.</source>
        <translation>%1 existe déjà, et un fichier ou dossier existant n’est jamais remplacé.</translation>
    </message>
    <message>
        <source>%1 cannot be written: the disk is full.</source>
        <translation>%1 ne peut pas être écrit : le disque est plein.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 ne peut pas être écrit : %2.</translation>
    </message>
</context>
<context>
    <name>kbs::searchText</name>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>F&amp;ind Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Sorry, string not found</source>
        <translation>Désolé, texte introuvable</translation>
    </message>
</context>
<context>
    <name>kbs::stats</name>
    <message>
        <source>%1 (the first %2 of %3; all in the table)</source>
        <translation>%1 (les %2 premiers sur %3 ; tous dans le tableau)</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Models</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Records and models by %1</source>
        <translation>Fiches et modèles par %1</translation>
    </message>
    <message>
        <source>Records by status</source>
        <translation>Fiches par statut</translation>
    </message>
    <message>
        <source>Models by year of issue</source>
        <translation>Modèles par année de sortie</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
    <message>
        <source>List price</source>
        <translation>Prix catalogue</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Value minus paid</source>
        <translation>Valeur moins payé</translation>
    </message>
    <message>
        <source>Money: paid, list price and value</source>
        <translation>Argent : payé, prix catalogue et valeur</translation>
    </message>
    <message>
        <source>All records shown</source>
        <translation>Toutes les fiches affichées</translation>
    </message>
    <message>
        <source>Money by %1</source>
        <translation>Argent par %1</translation>
    </message>
    <message>
        <source>Growth of the collection by purchase date</source>
        <translation>Croissance de la collection par date d’achat</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Records bought, in all</source>
        <translation>Fiches achetées, au total</translation>
    </message>
    <message>
        <source>Money spent, in all</source>
        <translation>Argent dépensé, au total</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>Records and models by field</source>
        <translation>Fiches et modèles par champ</translation>
    </message>
    <message>
        <source>Status shares</source>
        <translation>Parts par statut</translation>
    </message>
    <message>
        <source>Money in all</source>
        <translation>Argent au total</translation>
    </message>
    <message>
        <source>Money by field</source>
        <translation>Argent par champ</translation>
    </message>
    <message>
        <source>Growth over time</source>
        <translation>Croissance dans le temps</translation>
    </message>
    <message>
        <source>%1 record shown</source>
        <translation>%1 fiche affichée</translation>
    </message>
    <message>
        <source>%1 records shown</source>
        <translation>%1 fiches affichées</translation>
    </message>
    <message>
        <source>%1 value not read as an amount</source>
        <translation>%1 valeur non lue comme montant</translation>
    </message>
    <message>
        <source>%1 values not read as amounts</source>
        <translation>%1 valeurs non lues comme montants</translation>
    </message>
    <message>
        <source>%1 quantity not read as a number</source>
        <translation>%1 quantité non lue comme nombre</translation>
    </message>
    <message>
        <source>%1 quantities not read as numbers</source>
        <translation>%1 quantités non lues comme nombres</translation>
    </message>
    <message>
        <source>%1 purchase date not read as a date</source>
        <translation>%1 date d’achat non lue comme date</translation>
    </message>
    <message>
        <source>%1 purchase dates not read as dates</source>
        <translation>%1 dates d’achat non lues comme dates</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vide)</translation>
    </message>
    <message>
        <source>Report -- Statistics</source>
        <translation>Rapport -- Statistiques</translation>
    </message>
    <message>
        <source>Value of the models held, by date</source>
        <translation>Valeur des modèles possédés, par date</translation>
    </message>
    <message>
        <source>Value then</source>
        <translation>Valeur à cette date</translation>
    </message>
    <message>
        <source>Paid until then</source>
        <translation>Payé jusque-là</translation>
    </message>
    <message>
        <source>Value over time</source>
        <translation>Valeur au fil du temps</translation>
    </message>
    <message>
        <source>(valuations or dates not read: %1)</source>
        <translation>(évaluations ou dates non lues : %1)</translation>
    </message>
</context>
<context>
    <name>kbs::store</name>
    <message>
        <source>Operation is not allowed when the object is open.</source>
        <translation>L’opération n’est pas autorisée lorsque l’objet est ouvert.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Le fichier « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>« %1 » n’est pas un fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of the older Windows program.</source>
        <translation>« %1 » est un catalogue de l’ancien programme Windows.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF ou EOF est vrai, ou la fiche courante a été supprimée. L’opération demandée nécessite une fiche courante.</translation>
    </message>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>L’opération n’est pas autorisée lorsque l’objet est fermé.</translation>
    </message>
    <message>
        <source>The command text is empty.</source>
        <translation>Le texte de la commande est vide.</translation>
    </message>
    <message>
        <source>A record is too large to be read: it holds %1 bytes.</source>
        <translation>Une fiche est trop grande pour être lue : elle contient %1 octets.</translation>
    </message>
    <message>
        <source>Another program deleted this record after it was read here. %1</source>
        <translation>Un autre programme a supprimé cette fiche après sa lecture ici. %1</translation>
    </message>
    <message>
        <source>Another program changed this record after it was read here. %1</source>
        <translation>Un autre programme a modifié cette fiche après sa lecture ici. %1</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection corresponding to the requested name or ordinal.</source>
        <translation>Aucun élément de la collection ne correspond au nom ou au numéro d’ordre demandé.</translation>
    </message>
    <message>
        <source>Current Recordset does not support updating.</source>
        <translation>Le Recordset courant ne permet pas les modifications.</translation>
    </message>
    <message>
        <source>Field &apos;%1&apos; cannot be updated.</source>
        <translation>Le champ « %1 » ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>The column %1 of this catalogue holds numbers only.</source>
        <translation>La colonne %1 de ce catalogue ne contient que des nombres.</translation>
    </message>
    <message>
        <source>Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.</source>
        <translation>Les arguments sont d’un type incorrect, hors de la plage admise, ou en conflit les uns avec les autres.</translation>
    </message>
    <message>
        <source>The record to update no longer exists.</source>
        <translation>La fiche à modifier n’existe plus.</translation>
    </message>
    <message>
        <source>The record to delete no longer exists.</source>
        <translation>La fiche à supprimer n’existe plus.</translation>
    </message>
    <message>
        <source>The catalogue cannot be created: %1.</source>
        <translation>Le catalogue ne peut pas être créé : %1.</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>no such table: table1</source>
        <translation>table introuvable : table1</translation>
    </message>
    <message>
        <source>table1 lacks the columns %1</source>
        <translation>il manque à table1 les colonnes %1</translation>
    </message>
    <message>
        <source>table1 lacks the column %1</source>
        <translation>il manque à table1 la colonne %1</translation>
    </message>
    <message>
        <source>the table has no primary key</source>
        <translation>la table n’a pas de clé primaire</translation>
    </message>
    <message>
        <source>its primary key is %1</source>
        <translation>sa clé primaire est %1</translation>
    </message>
    <message>
        <source>ID is declared %1</source>
        <translation>ID est déclaré %1</translation>
    </message>
    <message>
        <source>without a type</source>
        <translation>sans type</translation>
    </message>
    <message>
        <source>Records of table1 cannot be saved or deleted: its column ID must be its INTEGER PRIMARY KEY, but %1.</source>
        <translation>Les fiches de table1 ne peuvent être ni enregistrées ni supprimées : sa colonne ID doit être sa INTEGER PRIMARY KEY, mais %1.</translation>
    </message>
    <message>
        <source>The columns of table1 are in the wrong order: %1 is column %2 but must be column %3.</source>
        <translation>Les colonnes de table1 sont dans le mauvais ordre : %1 est la colonne %2 mais doit être la colonne %3.</translation>
    </message>
    <message>
        <source>file is not a database</source>
        <translation>le fichier n’est pas une base de données</translation>
    </message>
    <message>
        <source>The catalogue is not open.</source>
        <translation>Le catalogue n’est pas ouvert.</translation>
    </message>
    <message>
        <source>The deleted record %1 is no longer kept.</source>
        <translation>La fiche supprimée %1 n’est plus conservée.</translation>
    </message>
    <message>
        <source>The catalogue cannot hold further pictures.</source>
        <translation>Le catalogue ne peut pas contenir d’autres images.</translation>
    </message>
</context>
<context>
    <name>kbs::textboxText</name>
    <message>
        <source>File Not Found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>There has been a error!</source>
        <translation>Une erreur s&apos;est produite !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The file cannot be opened in the editor:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The file is left as it is.</source>
        <translation>Le fichier ne peut pas être ouvert dans l&apos;éditeur :<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>%1 has a line of %2 characters; the editor opens files whose lines have at most %3.</source>
        <translation>%1 a une ligne de %2 caractères ; l&apos;éditeur ouvre les fichiers dont les lignes en ont au plus %3.</translation>
    </message>
</context>
<context>
    <name>kbs::tipText</name>
    <message>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <source>Tips For Kerbside Manger</source>
        <translation>Astuces pour Kerbside Manager</translation>
    </message>
    <message>
        <source>Working with the Kerbside Manager...</source>
        <translation>Travailler avec Kerbside Manager...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Astuce suivante</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Astuces au démarrage</translation>
    </message>
    <message>
        <source>The tip.txt file was not found? <byte value="xd"/>
<byte value="xd"/>
Please inform Larkspur Software in order to correct this problem. </source>
        <translation>Le fichier tip.txt est introuvable. <byte value="xd"/>
<byte value="xd"/>
Veuillez prévenir Larkspur Software pour corriger ce problème. </translation>
    </message>
    <message>
        <source>The tips cannot be shown:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>Les astuces ne peuvent pas être affichées :<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>kbs::tips</name>
    <message>
        <source>Click the list icon beside a field to pick a value from its list instead of typing it.</source>
        <translation>Cliquez sur l&apos;icône de liste à côté d&apos;un champ pour choisir une valeur dans sa liste au lieu de la taper.</translation>
    </message>
    <message>
        <source>The pick lists come from small .ini files in the program folder: one value per line.</source>
        <translation>Les listes de choix viennent de petits fichiers .ini dans le dossier du programme : une valeur par ligne.</translation>
    </message>
    <message>
        <source>Change the pick lists with Help, Edit Helper Menues. A list you save there is used at the next click of its icon.</source>
        <translation>Modifiez les listes de choix avec Aide, Modifier les listes. Une liste enregistrée là sert dès le prochain clic sur son icône.</translation>
    </message>
    <message>
        <source>In the list editor, choosing another file asks whether to save the changes to the one you were editing.</source>
        <translation>Dans l&apos;éditeur de listes, choisir un autre fichier demande s&apos;il faut enregistrer les modifications de celui en cours.</translation>
    </message>
    <message>
        <source>The list editor&apos;s Edit menu has Find (Ctrl+F) and Replace (Ctrl+H).</source>
        <translation>Le menu Édition de l&apos;éditeur de listes propose Rechercher (Ctrl+F) et Remplacer (Ctrl+H).</translation>
    </message>
    <message>
        <source>Replace All in the list editor tells you how many replacements it made.</source>
        <translation>Remplacer tout, dans l&apos;éditeur de listes, indique combien de remplacements ont été faits.</translation>
    </message>
    <message>
        <source>Click a row of the grid to show that model in the fields above it.</source>
        <translation>Cliquez sur une ligne du tableau pour afficher ce modèle dans les champs au-dessus.</translation>
    </message>
    <message>
        <source>Click a column heading of the grid to sort by that column; click it again to sort the other way.</source>
        <translation>Cliquez sur un en-tête de colonne du tableau pour trier selon cette colonne ; cliquez de nouveau pour inverser l&apos;ordre.</translation>
    </message>
    <message>
        <source>Press Add to enter a new model, fill in the fields and press Save.</source>
        <translation>Appuyez sur Ajouter pour saisir un nouveau modèle, remplissez les champs et appuyez sur Enregistrer.</translation>
    </message>
    <message>
        <source>Press Edit to change the model shown; Cancel leaves it as it was.</source>
        <translation>Appuyez sur Modifier pour changer le modèle affiché ; Annuler le laisse tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Nothing is written to your catalogue until you press Save.</source>
        <translation>Rien n&apos;est écrit dans votre catalogue avant que vous n&apos;appuyiez sur Enregistrer.</translation>
    </message>
    <message>
        <source>Press Find to look for a text in the fields of every model.</source>
        <translation>Appuyez sur Chercher pour trouver un texte dans les champs de tous les modèles.</translation>
    </message>
    <message>
        <source>Delete asks before it removes a model, and it never removes the last one.</source>
        <translation>Supprimer demande confirmation avant d&apos;enlever un modèle, et n&apos;enlève jamais le dernier.</translation>
    </message>
    <message>
        <source>A picture can be stored in the catalogue itself or as a link to its file: choose with the two options beside it.</source>
        <translation>Une photo peut être enregistrée dans le catalogue lui-même ou comme lien vers son fichier : choisissez avec les deux options à côté.</translation>
    </message>
    <message>
        <source>The + and - buttons add a plus or a minus to the car&apos;s condition grade.</source>
        <translation>Les boutons + et - ajoutent un plus ou un moins à la note d&apos;état du modèle.</translation>
    </message>
    <message>
        <source>Set the Status of a model to Want, Have or Sell, then print the matching report from the Report button.</source>
        <translation>Réglez le statut d&apos;un modèle sur Want (recherché), Have (possédé) ou Sell (à vendre), puis imprimez le rapport correspondant avec le bouton Rapport.</translation>
    </message>
    <message>
        <source>Report prints all your models, or only those you want, have or sell.</source>
        <translation>Rapport imprime tous vos modèles, ou seulement ceux que vous recherchez, possédez ou vendez.</translation>
    </message>
    <message>
        <source>The status bar shows how many models your catalogue holds.</source>
        <translation>La barre d&apos;état indique combien de modèles contient votre catalogue.</translation>
    </message>
    <message>
        <source>Untick Show Tips at Startup if you would rather not see these tips when the program starts.</source>
        <translation>Décochez Astuces au démarrage si vous préférez ne pas voir ces astuces au lancement du programme.</translation>
    </message>
    <message>
        <source>You can read all the tips at any time from Help, Tips.</source>
        <translation>Vous pouvez lire toutes les astuces à tout moment par Aide, Astuces.</translation>
    </message>
</context>
<context>
    <name>kbs::values</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>%1 line %2: %3.</source>
        <translation>%1 ligne %2 : %3.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>a column for the date and one for the value are needed</source>
        <translation>il faut une colonne pour la date et une pour la valeur</translation>
    </message>
    <message>
        <source>a column for the record&apos;s ID, or columns for its Description, Number and Version #, are needed</source>
        <translation>il faut une colonne pour l’ID de la fiche, ou des colonnes pour sa description, son numéro et sa version #</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no record ID</source>
        <translation>« %1 » n’est pas un ID de fiche</translation>
    </message>
    <message>
        <source>the row names no record</source>
        <translation>la ligne ne désigne aucune fiche</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date</source>
        <translation>« %1 » n’est pas une date</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no amount</source>
        <translation>« %1 » n’est pas un montant</translation>
    </message>
    <message numerus="yes">
        <source>%n valuation(s) added, %1 already there.</source>
        <translation>
            <numerusform>%n estimation ajoutée, %1 déjà présentes.</numerusform>
            <numerusform>%n estimations ajoutées, %1 déjà présentes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not matched:</source>
        <translation>Sans correspondance :</translation>
    </message>
    <message>
        <source>Ambiguous (more than one record fits):</source>
        <translation>Ambigu (plusieurs fiches correspondent) :</translation>
    </message>
    <message>
        <source>The valuation is no longer in the catalogue.</source>
        <translation>L’estimation n’est plus dans le catalogue.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>%1 (IDs %2)</source>
        <translation>%1 (ID %2)</translation>
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
        <translation>Il n’y a aucune sauvegarde de %1 dans %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kerbside Manager: a catalogue of a die-cast model car collection.</source>
        <translation>Kerbside Manager : le catalogue d&apos;une collection de miniatures automobiles.</translation>
    </message>
    <message>
        <source>Open a window of its own even when the program is already running on this catalogue.</source>
        <translation>Ouvrir une fenêtre à part même si le programme tourne déjà sur ce catalogue.</translation>
    </message>
    <message>
        <source>Use this language (de, fr, nl, es, en) instead of the system&apos;s.</source>
        <translation>Utiliser cette langue (de, fr, nl, es, en) au lieu de celle du système.</translation>
    </message>
    <message>
        <source>The folder for your collection cannot be prepared: %1.</source>
        <translation>Le dossier de votre collection ne peut pas être préparé : %1.</translation>
    </message>
    <message>
        <source>The catalogue to open instead of your own.</source>
        <translation>Le catalogue à ouvrir à la place du vôtre.</translation>
    </message>
    <message>
        <source>There is no catalogue %1.</source>
        <translation>Le catalogue %1 n&apos;existe pas.</translation>
    </message>
</context>
</TS>
