<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_RS@latin">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkaži</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sačuvaj</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Sačuvaj sve</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Poništi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokušaj ponovo</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati podrazumevano</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za sve</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sačuvaj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkaži</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez čuvanja</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Otkaži</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Otkaži</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Obriši</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova fascikla</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova fascikla</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvori</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Preimenuj</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sačuvaj</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Izaberi</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Napred</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Napred</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Prikaz sa detaljima</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Prikaz liste</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalji</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Ime datoteke:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Vrsta datoteka:</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>U nadređenu fasciklu</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadređena fascikla</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Mesta i obeleživači</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Traži u:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Sačuvaj kao</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Prikaži </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Prikaži &amp;skrivene datoteke</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bočna traka</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Fascikla:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Fascikle</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Pronađi fasciklu</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Nedavna mesta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Računar</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Prečica</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Prečica</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 već postoji.
Da li želite da je zamenite?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datoteka nije pronađena.
Proverite da li je ime datoteke ispravno.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fascikla nije pronađena.
Proverite da li je ime fascikle ispravno.</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' je zaštićena od upisa.
Da li ipak želite da je obrišete?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Da li zaista želite da obrišete '%1'?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Fascikla nije obrisana.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Računar</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Računar</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Izmenjeno</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Veličina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Vrsta</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Fascikla</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opcije &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opcije &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Š&amp;tampaj</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Sve strane</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Parne strane</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Neparne strane</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokalna datoteka</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Štampanje</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Štampaj u datoteku (PDF)</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Upiši PDF datoteku</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Štampaj u datoteku...</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Složi</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Boja</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Boje</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Primerci</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Broj primeraka:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Tekuća strana</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Obostrana štampa</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Nijanse sive</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Povez po dužoj strani</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Povez po kraćoj strani</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Izlaz</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Strane:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strane</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Strane od</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Sve</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Opseg štampe</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obrnutim redom</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Izbor</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Navedite strane ili opsege razdvojene zarezima; opseg su dva broja sa crticom između. Na primer, 3,5-7,9 štampa strane 3, 5, 6, 7 i 9.</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Izlazna &amp;datoteka:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Svojstva</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Štampač</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Vrsta:</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Unesite vrednost:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Is&amp;eci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Is&amp;eci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj &amp;adresu veze</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Izaberi sve</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Korak &amp;gore</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Korak &amp;dole</translation>
    </message>
</context>
</TS>
