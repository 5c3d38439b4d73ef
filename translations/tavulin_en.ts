<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sr">
<context>
    <name>AccuracyText</name>
    <message>
        <source>ekran %1 Hz</source>
        <translation>screen %1 Hz</translation>
    </message>
    <message>
        <source>učestanost ekrana nepoznata</source>
        <translation>screen rate unknown</translation>
    </message>
    <message>
        <source>sinhronizovano</source>
        <translation>synchronized</translation>
    </message>
    <message>
        <source>nesinhronizovano</source>
        <translation>not synchronized</translation>
    </message>
    <message>
        <source>uz kompozitor</source>
        <translation>with a compositor</translation>
    </message>
    <message>
        <source>miš %1 Hz</source>
        <translation>mouse %1 Hz</translation>
    </message>
    <message>
        <source>učestanost miša nepoznata</source>
        <translation>mouse rate unknown</translation>
    </message>
    <message>
        <source>Tačnost: ±%1 ms (%2)</source>
        <translation>Accuracy: ±%1 ms (%2)</translation>
    </message>
</context>
<context>
    <name>ChartImage</name>
    <message>
        <source>Štampanje nije uspelo: uređaj ne prima stranicu</source>
        <translation>Printing failed: the device does not take the page</translation>
    </message>
    <message>
        <source>Štampanje nije uspelo</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>PDF nije mogao da se napravi</source>
        <translation>The PDF could not be made</translation>
    </message>
</context>
<context>
    <name>ChartSettings</name>
    <message>
        <source> Vreme reagovanja na promenu vizuelnog sadržaja</source>
        <translation> Reaction time to a change of the visual content</translation>
    </message>
    <message>
        <source>Histogram vremena reakcije</source>
        <translation>Histogram of the reaction times</translation>
    </message>
    <message>
        <source>Odstupanje od zadate Sleep vrednosti u milisekundama</source>
        <translation>Deviation from the set Sleep value in milliseconds</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Upotreba: tavulin [opcije]</source>
        <translation>Usage: tavulin [options]</translation>
    </message>
    <message>
        <source>Opcije:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>nepoznata opcija %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>opcija nema vrednost</source>
        <translation>an option has no value</translation>
    </message>
    <message>
        <source>Prikazuje ovo uputstvo.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Prikazuje verziju programa.</source>
        <translation>Shows the program&apos;s version.</translation>
    </message>
    <message>
        <source>Baza rezultata umesto one iz podešavanja: SQLite datoteka, ili server laboratorije postgresql://korisnik@računar:port/baza (lozinka iz ~/.pgpass ili PGPASSWORD).</source>
        <translation>Results store in place of the one in the settings: an SQLite file, or the lab&apos;s server postgresql://user@host:port/database (password from ~/.pgpass or PGPASSWORD).</translation>
    </message>
    <message>
        <source>putanja</source>
        <translation>path</translation>
    </message>
    <message>
        <source>Ime ovog računara u sesijama umesto onog iz podešavanja.</source>
        <translation>This computer&apos;s name in the sessions in place of the one in the settings.</translation>
    </message>
    <message>
        <source>ime</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Jezik programa umesto onog iz podešavanja: sr (srpski) ili en (engleski).</source>
        <translation>The program&apos;s language in place of the one in the settings: sr (Serbian) or en (English).</translation>
    </message>
    <message>
        <source>jezik</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Merenje brzine reakcije na vizuelni stimulus.</source>
        <translation>Measuring the reaction time to a visual stimulus.</translation>
    </message>
    <message>
        <source>nepoznat jezik %1 (sr ili en)</source>
        <translation>unknown language %1 (sr or en)</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>Broj rezultata: %1</source>
        <translation>Results: %1</translation>
    </message>
    <message>
        <source>, srednje %1 ms, medijana %2 ms</source>
        <translation>, mean %1 ms, median %2 ms</translation>
    </message>
    <message>
        <source>, SD %1 ms</source>
        <translation>, SD %1 ms</translation>
    </message>
    <message>
        <source>najbrže %1 ms, najsporije %2 ms, </source>
        <translation>fastest %1 ms, slowest %2 ms, </translation>
    </message>
    <message>
        <source>preuranjeni klikovi: %1</source>
        <translation>early clicks: %1</translation>
    </message>
    <message>
        <source>anticipacije (ispod %1 ms): %2, propusti (od %3 ms): %4</source>
        <translation>anticipations (under %1 ms): %2, lapses (from %3 ms): %4</translation>
    </message>
    <message>
        <source>Kalibracija, odstupanje od sleep vrednosti:
QueryPerformance %1 / %2 ms, RDTSC %3 / %4 ms
takt procesora %5 MHz</source>
        <translation>Calibration, deviation from the sleep value:
QueryPerformance %1 / %2 ms, RDTSC %3 / %4 ms
processor clock %5 MHz</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>CSV datoteka</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>Sve datoteke</source>
        <translation>All files</translation>
    </message>
</context>
<context>
    <name>ReactionTexts</name>
    <message>
        <source>Za početak merenja kliknite na dugme &quot;Kreni&quot; ili pritisnite taster &quot;E&quot; na tastaturi...</source>
        <translation>To start a trial click the &quot;Begin&quot; button or press the &quot;E&quot; key on the keyboard...</translation>
    </message>
    <message>
        <source>Sačekajte da panel promeni boju u zeleno i kliknite mišem na njega.</source>
        <translation>Wait for the panel to turn green and click it with the mouse.</translation>
    </message>
    <message>
        <source>Kliknite na panel !</source>
        <translation>Click the panel !</translation>
    </message>
    <message>
        <source>Kliknuli ste prerano, merenje resetovano.</source>
        <translation>You clicked too early, the trial is reset.</translation>
    </message>
    <message>
        <source>Vreme reakcije je %1 ms.</source>
        <translation>Reaction time: %1 ms.</translation>
    </message>
    <message>
        <source>Vreme reakcije je %1 ms. Kliknite na dugme &quot;Reset&quot; ili pritisnite taster &quot;R&quot; na tastaturi za novo merenje.</source>
        <translation>Reaction time: %1 ms. Click &quot;Reset&quot; or press &quot;R&quot; on the keyboard for a new trial.</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Red %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>datoteka nije tekst</source>
        <translation>the file is not text</translation>
    </message>
    <message>
        <source>red treba da ima dva polja, redni broj i vreme reakcije</source>
        <translation>a line should have two fields, the trial number and the reaction time</translation>
    </message>
    <message>
        <source>%1 se može pročitati i kao decimalni broj i kao broj sa tačkom između hiljada; napišite ga bez tačke između hiljada ili sa decimalnim zarezom</source>
        <translation>%1 reads both as a decimal number and as a number with a point between the thousands; write it without the point between the thousands or with a decimal comma</translation>
    </message>
    <message>
        <source>%1 nije broj</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>vreme reakcije mora biti konačan broj</source>
        <translation>the reaction time must be a finite number</translation>
    </message>
    <message>
        <source>vreme reakcije ne može biti negativno</source>
        <translation>the reaction time cannot be negative</translation>
    </message>
    <message>
        <source>redni broj merenja %1 nije ceo broj</source>
        <translation>the trial number %1 is not a whole number</translation>
    </message>
    <message>
        <source>redni broj merenja treba da bude %1, za jedan veći od prethodnog; ako prva kolona ne broji merenja, dodajte red sa naslovima kolona</source>
        <translation>the trial number should be %1, one more than the one before; if the first column does not count the trials, add a line with the column titles</translation>
    </message>
    <message>
        <source>datoteka se može pročitati na dva načina: kao redni brojevi i vremena reakcije (ovaj red: redni broj %1 i vreme %2 ms) ili kao jedna kolona vremena sa decimalnim zarezom (ovaj red: %3 ms); dodajte red sa naslovima kolona ili razdvojte polja znakom &quot;;&quot;</source>
        <translation>the file reads two ways: as trial numbers and reaction times (this line: trial %1 and time %2 ms) or as one column of times with a decimal comma (this line: %3 ms); add a line with the column titles or separate the fields with &quot;;&quot;</translation>
    </message>
    <message>
        <source>%1 se može pročitati kao redni broj %2 i vreme %3 ms ili kao vreme %4 ms; dodajte red sa naslovima kolona ili razdvojte polja znakom &quot;;&quot;</source>
        <translation>%1 reads as trial %2 and time %3 ms or as the time %4 ms; add a line with the column titles or separate the fields with &quot;;&quot;</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>nema mesta na disku</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>prekoračena je dozvoljena količina prostora na disku</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>datoteka je veća nego što je dozvoljeno</source>
        <translation>the file is larger than allowed</translation>
    </message>
    <message>
        <source>pristup nije dozvoljen</source>
        <translation>access is denied</translation>
    </message>
    <message>
        <source>disk je samo za čitanje</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>folder ne postoji</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>to je folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>greška pri upisu na disk</source>
        <translation>error writing to the disk</translation>
    </message>
    <message>
        <source>Ne mogu da snimim datoteku &quot;%1&quot;</source>
        <translation>Cannot save the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Ne mogu da pročitam datoteku &quot;%1&quot;</source>
        <translation>Cannot read the file &quot;%1&quot;</translation>
    </message>
    <message>
        <source>datoteka ne postoji</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>to nije obična datoteka, nego uređaj ili cev</source>
        <translation>it is no ordinary file but a device or a pipe</translation>
    </message>
</context>
<context>
    <name>SessionDialogs</name>
    <message>
        <source>Podešavanja</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Naziv računara (stanica):</source>
        <translation>Computer name (station):</translation>
    </message>
    <message>
        <source>Baza rezultata:</source>
        <translation>Results store:</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Anticipacija: rezultat ispod</source>
        <translation>Anticipation: a result under</translation>
    </message>
    <message>
        <source>Propust: rezultat od</source>
        <translation>Lapse: a result from</translation>
    </message>
    <message>
        <source>Jezik (od sledećeg pokretanja):</source>
        <translation>Language (from the next start):</translation>
    </message>
    <message>
        <source>Nova baza rezultata važi od sledećeg pokretanja programa.</source>
        <translation>A new results store applies from the next start of the program.</translation>
    </message>
    <message>
        <source>U redu</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Otkaži</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>postgresql://korisnik@računar:5432/baza</source>
        <translation>postgresql://user@host:5432/database</translation>
    </message>
    <message>
        <source>Prazno: rezultati se čuvaju samo na ovom računaru. Novi server važi od sledećeg pokretanja. Lozinka se ne piše ovde: program je uzima iz ~/.pgpass ili PGPASSWORD.</source>
        <translation>Empty: results are kept on this computer only. A new server applies from the next start. No password here: the program takes it from ~/.pgpass or PGPASSWORD.</translation>
    </message>
    <message>
        <source>Server laboratorije:</source>
        <translation>Lab server:</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Red %1: navodnik nije zatvoren</source>
        <translation>Line %1: a quote is not closed</translation>
    </message>
    <message>
        <source>Red %1: &quot;%2&quot; nije broj</source>
        <translation>Line %1: &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>Red %1: &quot;%2&quot; nije vreme</source>
        <translation>Line %1: &quot;%2&quot; is not a time</translation>
    </message>
    <message>
        <source>Datoteka ne sadrži nijednu sesiju.</source>
        <translation>The file holds no session.</translation>
    </message>
    <message>
        <source>Red %1: zaglavlje nije zaglavlje izvezenih sesija</source>
        <translation>Line %1: the header is not the header of exported sessions</translation>
    </message>
    <message>
        <source>Red %1: red treba da ima %2 polja</source>
        <translation>Line %1: a line should have %2 fields</translation>
    </message>
    <message>
        <source>Red %1: sesija nema oznaku</source>
        <translation>Line %1: the session has no identifier</translation>
    </message>
    <message>
        <source>Red %1: Nepoznata vrsta &quot;%2&quot;.</source>
        <translation>Line %1: Unknown kind &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Promena nije zapamćena za server</source>
        <translation>The change was not kept for the server</translation>
    </message>
    <message>
        <source>Promene za server nisu pročitane</source>
        <translation>The changes for the server were not read</translation>
    </message>
    <message>
        <source>Poslate promene nisu obrisane</source>
        <translation>The sent changes were not removed</translation>
    </message>
    <message>
        <source>Rezultat nije upisan</source>
        <translation>The result was not written</translation>
    </message>
    <message>
        <source>Baza rezultata je iz novije verzije programa i ne menja se.</source>
        <translation>The results store is from a newer version of the program and is not changed.</translation>
    </message>
    <message>
        <source>Sesija nije upisana</source>
        <translation>The session was not written</translation>
    </message>
    <message>
        <source>Sesija nije pročitana</source>
        <translation>The session was not read</translation>
    </message>
    <message>
        <source>Baza rezultata nije SQLite baza.</source>
        <translation>The results store is not an SQLite database.</translation>
    </message>
    <message>
        <source>Rezultati nisu izmenjeni</source>
        <translation>The results were not changed</translation>
    </message>
    <message>
        <source>Učesnik nije upisan</source>
        <translation>The participant was not written</translation>
    </message>
    <message>
        <source>Sesija nije obrisana</source>
        <translation>The session was not deleted</translation>
    </message>
    <message>
        <source>Sesije nisu pročitane</source>
        <translation>The sessions were not read</translation>
    </message>
    <message>
        <source>Sesija više ne postoji.</source>
        <translation>The session no longer exists.</translation>
    </message>
    <message>
        <source>Rezultati nisu pročitani</source>
        <translation>The results were not read</translation>
    </message>
    <message>
        <source>Adresa servera baze nije ispravna; oblik je postgresql://korisnik@računar:port/baza.</source>
        <translation>The database server address is not valid; its form is postgresql://user@host:port/database.</translation>
    </message>
    <message>
        <source>Lozinka se ne piše u adresu servera baze: program je uzima iz ~/.pgpass ili PGPASSWORD.</source>
        <translation>A password is not written in the database server address: the program takes it from ~/.pgpass or PGPASSWORD.</translation>
    </message>
    <message>
        <source>Server baze %1 ne prihvata lozinku korisnika %2 (lozinka se uzima iz ~/.pgpass ili PGPASSWORD).</source>
        <translation>The database server %1 does not accept the password of user %2 (the password is taken from ~/.pgpass or PGPASSWORD).</translation>
    </message>
    <message>
        <source>Na serveru baze %1 ne postoji baza %2.</source>
        <translation>The database server %1 has no database %2.</translation>
    </message>
    <message>
        <source>Na serveru baze %1 ne postoji korisnik %2.</source>
        <translation>The database server %1 has no user %2.</translation>
    </message>
    <message>
        <source>Server baze %1 nije dostupan.</source>
        <translation>The database server %1 cannot be reached.</translation>
    </message>
    <message>
        <source>Server baze %1 ne može da se otvori</source>
        <translation>The database server %1 cannot be opened</translation>
    </message>
    <message>
        <source>Program nema upravljački program za PostgreSQL (libqt6sql6-psql).</source>
        <translation>The program has no PostgreSQL driver (libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>Baza na serveru je iz novije verzije programa i ne menja se.</source>
        <translation>The database on the server is from a newer version of the program and is not changed.</translation>
    </message>
    <message>
        <source>Baza na serveru ne može da se pročita</source>
        <translation>The database on the server cannot be read</translation>
    </message>
    <message>
        <source>Sesija nije poslata na server</source>
        <translation>The session was not sent to the server</translation>
    </message>
    <message>
        <source>Rezultati nisu poslati na server</source>
        <translation>The results were not sent to the server</translation>
    </message>
    <message>
        <source>Sesija nije obrisana na serveru</source>
        <translation>The session was not deleted on the server</translation>
    </message>
    <message>
        <source>Sesije nisu pročitane sa servera</source>
        <translation>The sessions were not read from the server</translation>
    </message>
    <message>
        <source>Sesija nije pročitana sa servera</source>
        <translation>The session was not read from the server</translation>
    </message>
    <message>
        <source>Sesija više ne postoji na serveru.</source>
        <translation>The session no longer exists on the server.</translation>
    </message>
    <message>
        <source>Rezultati nisu pročitani sa servera</source>
        <translation>The results were not read from the server</translation>
    </message>
    <message>
        <source>Stanice nisu pročitane sa servera</source>
        <translation>The stations were not read from the server</translation>
    </message>
    <message>
        <source>Nepoznata vrsta &quot;%1&quot;.</source>
        <translation>Unknown kind &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Upit nije pripremljen</source>
        <translation>The query was not prepared</translation>
    </message>
    <message>
        <source>Upis u bazu nije uspeo</source>
        <translation>Writing to the database failed</translation>
    </message>
    <message>
        <source>Baza je zauzeta</source>
        <translation>The database is busy</translation>
    </message>
    <message>
        <source>Oštećena baza %1 ne može da se skloni.</source>
        <translation>The damaged database %1 cannot be moved aside.</translation>
    </message>
    <message>
        <source>Program nema upravljački program za SQLite (libqt6sql6-sqlite).</source>
        <translation>The program has no SQLite driver (libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>Baza %1 ne može da se otvori</source>
        <translation>The database %1 cannot be opened</translation>
    </message>
    <message>
        <source>Baza ne može da se pročita</source>
        <translation>The database cannot be read</translation>
    </message>
    <message>
        <source>Fascikla %1 ne može da se napravi.</source>
        <translation>The folder %1 cannot be made.</translation>
    </message>
    <message>
        <source>Baza na serveru %1 je iz novije verzije programa: samo se čita, a novi rezultati se čuvaju na ovom računaru.</source>
        <translation>The database on the server %1 is from a newer version of the program: it is only read, and new results are kept on this computer.</translation>
    </message>
    <message>
        <source>baza na serveru je iz novije verzije programa</source>
        <translation>the database on the server is from a newer version of the program</translation>
    </message>
    <message>
        <source>Rezultati se ne šalju na server (%1). Čuvaju se na ovom računaru i biće poslati čim server bude dostupan.</source>
        <translation>Results are not sent to the server (%1). They are kept on this computer and will be sent as soon as the server can be reached.</translation>
    </message>
    <message>
        <source>baza je iz novije verzije programa</source>
        <translation>the store is from a newer version of the program</translation>
    </message>
    <message>
        <source>Rezultati se ne čuvaju u bazi (%1). Program ih drži u memoriji i upisaće ih čim baza bude dostupna.</source>
        <translation>Results are not kept in the store (%1). The program holds them in memory and will write them as soon as the store is available.</translation>
    </message>
    <message>
        <source>Baza rezultata %1 je oštećena; premeštena je u %2, a rezultati se čuvaju u novoj bazi.</source>
        <translation>The results store %1 is damaged; it was moved to %2, and results are kept in a new store.</translation>
    </message>
    <message>
        <source>Baza rezultata %1 je iz novije verzije programa: samo se čita, a novi rezultati se ne čuvaju.</source>
        <translation>The results store %1 is from a newer version of the program: it is only read, and new results are not kept.</translation>
    </message>
</context>
<context>
    <name>SystemDialogs</name>
    <message>
        <source>Otkaži</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>PNG slika</source>
        <translation>PNG image</translation>
    </message>
    <message>
        <source>SVG crtež</source>
        <translation>SVG drawing</translation>
    </message>
    <message>
        <source>PDF dokument</source>
        <translation>PDF document</translation>
    </message>
    <message>
        <source>Snimi sliku</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>grafikon.png</source>
        <translation>chart.png</translation>
    </message>
    <message>
        <source>Tavulin - grafikon</source>
        <translation>Tavulin - chart</translation>
    </message>
    <message>
        <source>histogram.png</source>
        <translation>histogram.png</translation>
    </message>
    <message>
        <source>Tavulin - histogram</source>
        <translation>Tavulin - histogram</translation>
    </message>
    <message>
        <source>Medijana %1 ms (crvena linija), prvi i treći kvartil %2 i %3 ms (plave isprekidane linije)</source>
        <translation>Median %1 ms (red line), first and third quartile %2 and %3 ms (blue dashed lines)</translation>
    </message>
    <message>
        <source>Merenje brzine reakcije v1.0 - Ordanel - Velk</source>
        <translation>Reaction time measurement v1.0 - Ordanel - Velk</translation>
    </message>
    <message>
        <source> Merenje brzine reakcije </source>
        <translation> Reaction time measurement </translation>
    </message>
    <message>
        <source> Tabela rezultata merenja </source>
        <translation> Table of results </translation>
    </message>
    <message>
        <source> Histogram </source>
        <translation> Histogram </translation>
    </message>
    <message>
        <source> Kalibracija </source>
        <translation> Calibration </translation>
    </message>
    <message>
        <source> Sesije </source>
        <translation> Sessions </translation>
    </message>
    <message>
        <source>Tavulin - Quillard - Ordanel - Velk - Lornik - 2006</source>
        <translation>Tavulin - Quillard - Ordanel - Velk - Lornik - 2006</translation>
    </message>
    <message>
        <source>Kr&amp;eni</source>
        <translation>B&amp;egin</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Rezultati merenja:</source>
        <translation>Results:</translation>
    </message>
    <message>
        <source>Snimi rezultate</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>Uvezi rezultate</source>
        <translation>Import results</translation>
    </message>
    <message>
        <source>Snimi grafikon</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>Odštampaj grafikon</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>Redni broj merenja</source>
        <translation>Trial number</translation>
    </message>
    <message>
        <source>Vreme reakcije [ms]</source>
        <translation>Reaction time [ms]</translation>
    </message>
    <message>
        <source>Broj grupa rezultata:</source>
        <translation>Result groups:</translation>
    </message>
    <message>
        <source>Napravi histogram</source>
        <translation>Make histogram</translation>
    </message>
    <message>
        <source>Odštampaj histogram</source>
        <translation>Print histogram</translation>
    </message>
    <message>
        <source>Snimi histogram</source>
        <translation>Save histogram</translation>
    </message>
    <message>
        <source>Sleep vrednost:</source>
        <translation>Sleep value:</translation>
    </message>
    <message>
        <source>Broj iteracija:</source>
        <translation>Iterations:</translation>
    </message>
    <message>
        <source>Izmeri RDTSC vs. QueryPerformance vs. CPUcalcms</source>
        <translation>Run RDTSC vs. QueryPerformance vs. CPUcalcms</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>RDTSC</source>
        <translation>RDTSC</translation>
    </message>
    <message>
        <source>QueryPerformance</source>
        <translation>QueryPerformance</translation>
    </message>
    <message>
        <source>Datum i vreme</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Stanica</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Učesnik</source>
        <translation>Participant</translation>
    </message>
    <message>
        <source>Vrsta</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Broj</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Srednje [ms]</source>
        <translation>Mean [ms]</translation>
    </message>
    <message>
        <source>Medijana</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Najbrže</source>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>Najsporije</source>
        <translation>Slowest</translation>
    </message>
    <message>
        <source>Otvori sesiju</source>
        <translation>Open session</translation>
    </message>
    <message>
        <source>Nova sesija</source>
        <translation>New session</translation>
    </message>
    <message>
        <source>Učesnik...</source>
        <translation>Participant...</translation>
    </message>
    <message>
        <source>Obriši sesiju</source>
        <translation>Delete session</translation>
    </message>
    <message>
        <source>Obriši učesnika</source>
        <translation>Delete participant</translation>
    </message>
    <message>
        <source>Izvezi sesije</source>
        <translation>Export sessions</translation>
    </message>
    <message>
        <source>Uvezi sesije</source>
        <translation>Import sessions</translation>
    </message>
    <message>
        <source>Podešavanja</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Izmena u tabeli nije prihvaćena. Zatvoriti program bez nje?</source>
        <translation>An edit in the table was not accepted. Close the program without it?</translation>
    </message>
    <message>
        <source>Neki rezultati nisu upisani u bazu (%1). Zatvoriti program bez njih?</source>
        <translation>Some results were not written to the store (%1). Close the program without them?</translation>
    </message>
    <message>
        <source>rezultati.csv</source>
        <translation>results.csv</translation>
    </message>
    <message>
        <source>Uvozim rezultate iz %1…</source>
        <translation>Importing results from %1…</translation>
    </message>
    <message>
        <source>Datoteka &quot;%1&quot; ne sadrži nijedan rezultat</source>
        <translation>The file &quot;%1&quot; holds no result</translation>
    </message>
    <message>
        <source>Uvezeno %1 rezultata iz %2</source>
        <translation>Imported %1 results from %2</translation>
    </message>
    <message>
        <source> i šalju na server</source>
        <translation> and sent to the server</translation>
    </message>
    <message>
        <source>; %1 čeka slanje na server</source>
        <translation>; %1 waiting to be sent to the server</translation>
    </message>
    <message>
        <source>kalibracija</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>merenje</source>
        <translation>measurement</translation>
    </message>
    <message>
        <source>Program je pokrenut bez baze rezultata.</source>
        <translation>The program was started without a results store.</translation>
    </message>
    <message>
        <source>Baza rezultata nije dostupna: %1</source>
        <translation>The results store is not available: %1</translation>
    </message>
    <message>
        <source>Izaberite jednu sesiju.</source>
        <translation>Select one session.</translation>
    </message>
    <message>
        <source>Oznaka učesnika tekuće sesije:</source>
        <translation>The current session&apos;s participant label:</translation>
    </message>
    <message>
        <source>Izaberite sesiju.</source>
        <translation>Select a session.</translation>
    </message>
    <message>
        <source>Obrisati izabranu sesiju sa svim njenim rezultatima?</source>
        <translation>Delete the selected session with all its results?</translation>
    </message>
    <message>
        <source>Obrisati %1 izabranih sesija sa svim njihovim rezultatima?</source>
        <translation>Delete %1 selected sessions with all their results?</translation>
    </message>
    <message>
        <source>Izaberite jednu sesiju učesnika.</source>
        <translation>Select one session of the participant.</translation>
    </message>
    <message>
        <source>Izabrana sesija nema oznaku učesnika.</source>
        <translation>The selected session has no participant label.</translation>
    </message>
    <message>
        <source>Obrisati sve sesije učesnika &quot;%1&quot; (%2)?</source>
        <translation>Delete all sessions of participant &quot;%1&quot; (%2)?</translation>
    </message>
    <message>
        <source>Nema sesija za izvoz.</source>
        <translation>There are no sessions to export.</translation>
    </message>
    <message>
        <source>sesije.csv</source>
        <translation>sessions.csv</translation>
    </message>
    <message>
        <source>Izvezeno sesija: %1 u %2</source>
        <translation>Sessions exported: %1 to %2</translation>
    </message>
    <message>
        <source>Uvezeno sesija: %1 iz %2 (već postoji: %3)</source>
        <translation>Sessions imported: %1 from %2 (already there: %3)</translation>
    </message>
    <message>
        <source>Rezultati se ne čuvaju</source>
        <translation>Results are not kept</translation>
    </message>
    <message>
        <source>Rezultati se čuvaju</source>
        <translation>Results are kept</translation>
    </message>
    <message>
        <source>Srednje</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>svi učesnici</source>
        <translation>all participants</translation>
    </message>
    <message>
        <source>bez oznake učesnika</source>
        <translation>no participant label</translation>
    </message>
    <message>
        <source>učesnik %1</source>
        <translation>participant %1</translation>
    </message>
    <message>
        <source>Medijana i srednje vreme po sesijama (%1)</source>
        <translation>Median and mean time by session (%1)</translation>
    </message>
    <message>
        <source>Kalibracija će zameniti rezultate merenja iz tabele. Nastaviti?</source>
        <translation>The calibration will replace the results in the table. Continue?</translation>
    </message>
    <message>
        <source>Kalibracija će zameniti rezultate merenja iz tabele; oni ostaju sačuvani u svojoj sesiji. Nastaviti?</source>
        <translation>The calibration will replace the results in the table; they stay kept in their session. Continue?</translation>
    </message>
    <message>
        <source>Sleep vrednost ne može biti negativna.</source>
        <translation>The Sleep value cannot be negative.</translation>
    </message>
    <message>
        <source>Kalibracija bi trajala duže od 10 minuta; smanjite Sleep ili broj merenja.</source>
        <translation>The calibration would take longer than 10 minutes; lower Sleep or the number of iterations.</translation>
    </message>
    <message>
        <source>Broj merenja ne može biti veći od 1000000.</source>
        <translation>The number of iterations cannot be more than 1000000.</translation>
    </message>
    <message>
        <source>Sleep %1 ms +- 1ms.</source>
        <translation>Sleep %1 ms +- 1ms.</translation>
    </message>
    <message>
        <source>CPU takt: %1 MHz</source>
        <translation>CPU clock: %1 MHz</translation>
    </message>
    <message>
        <source>CPUgetspeed: %1 MHz</source>
        <translation>CPUgetspeed: %1 MHz</translation>
    </message>
    <message>
        <source>QueryPerf overhead: %1</source>
        <translation>QueryPerf overhead: %1</translation>
    </message>
    <message>
        <source>QueryPerf: +%1 -%2</source>
        <translation>QueryPerf: +%1 -%2</translation>
    </message>
    <message>
        <source>Moj RDTSC: +%1 -%2</source>
        <translation>My RDTSC: +%1 -%2</translation>
    </message>
    <message>
        <source>QueryPerformance: +%1 -%2 ms. RDTSC: +%3 -%4 ms</source>
        <translation>QueryPerformance: +%1 -%2 ms. RDTSC: +%3 -%4 ms</translation>
    </message>
    <message>
        <source>Stanica:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>Sve stanice</source>
        <translation>All stations</translation>
    </message>
    <message>
        <source>Sesija nije pročitana sa servera.</source>
        <translation>The session was not read from the server.</translation>
    </message>
    <message>
        <source>Sa servera nije pročitano sesija: %1</source>
        <translation>Sessions not read from the server: %1</translation>
    </message>
    <message>
        <source>Sesija stanice %1 je samo za čitanje: menja je samo ta stanica. Kreni počinje novu sesiju.</source>
        <translation>Station %1&apos;s session is read-only: only that station changes it. Begin starts a new session.</translation>
    </message>
</context>
</TS>
