<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackupCommands</name>
    <message>
        <source>List the backups kept of WALLET, newest first: time, number of live cards, path.</source>
        <translation>Die aufbewahrten Sicherungen von WALLET auflisten, die neueste zuerst: Zeitpunkt, Anzahl der Karten außerhalb des Papierkorbs, Pfad.</translation>
    </message>
    <message>
        <source>Put the cards of BACKUP in place of WALLET&apos;s; WALLET as it was becomes a backup.</source>
        <translation>Die Karten von BACKUP an die Stelle derer von WALLET setzen; WALLET wird, wie es war, zu einer Sicherung.</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>A backup is kept before a password change, an import, a restore, and a merge or sync that
changes the wallet; the last %1 of each wallet are kept in %2.</source>
        <translation>Eine Sicherung wird vor jeder Passwortänderung, jedem Import, jeder Wiederherstellung und vor jedem
Zusammenführen oder Synchronisieren angelegt, das den Tresor ändert; die letzten %1 jedes Tresors werden in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>WALLET keeps its password. BACKUP&apos;s password is asked only when it differs from WALLET&apos;s; the
key file --key-file names goes for both.</source>
        <translation>WALLET behält sein Passwort. Das Passwort von BACKUP wird nur erfragt, wenn es sich von dem von WALLET
unterscheidet; die mit --key-file genannte Schlüsseldatei gilt für beide.</translation>
    </message>
</context>
<context>
    <name>BatchCommand</name>
    <message>
        <source>Unlock WALLET once, then run the commands standard input gives, one per line.</source>
        <translation>WALLET einmal entsperren, dann die Befehle der Standardeingabe ausführen, einen pro Zeile.</translation>
    </message>
    <message>
        <source>A line is a command line without tessera-cli and without WALLET (show Mail, or
edit Mail &apos;Password=new secret&apos;), quoted as in a shell: single quotes, double quotes with
backslash escapes, a backslash outside quotes; nothing is expanded. Blank lines and lines that
start with # are skipped. Each command prints what it prints alone and commits its changes as
it does alone. The first command that fails ends the batch with its exit code, and the number
of its line is given on standard error. When standard input is not a terminal, its first line
is the password. Not in a batch: batch, create, passwd, convert, merge, sync and
restore-backup, which make or open another wallet, ask for more passwords or re-key WALLET.</source>
        <translation>Eine Zeile ist eine Befehlszeile ohne tessera-cli und ohne WALLET (show Mail oder
edit Mail &apos;Password=neues Geheimnis&apos;), maskiert wie in einer Shell: einfache Anführungszeichen,
doppelte mit Backslash-Maskierung, ein Backslash außerhalb davon; nichts wird erweitert. Leere Zeilen
und Zeilen, die mit # beginnen, werden übersprungen. Jeder Befehl gibt aus, was er allein ausgibt, und
speichert seine Änderungen wie allein. Der erste Befehl, der scheitert, beendet den Stapel mit seinem
Rückgabewert; die Nummer seiner Zeile steht in der Standardfehlerausgabe. Ist die Standardeingabe kein
Terminal, ist ihre erste Zeile das Passwort. Nicht im Stapel: batch, create, passwd, convert, merge,
sync und restore-backup, die einen anderen Tresor anlegen oder öffnen, weitere Passwörter erfragen oder
WALLET neu verschlüsseln.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1 failed; the batch stops there</source>
        <translation>Zeile %1 ist gescheitert; der Stapel endet dort</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>The card &quot;%1&quot; could not be saved.</source>
        <translation>Die Karte „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source> (Copy)</source>
        <translation> (Kopie)</translation>
    </message>
    <message>
        <source>Delete Card</source>
        <translation>Karte löschen</translation>
    </message>
    <message>
        <source>The card could not be deleted.</source>
        <translation>Die Karte konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Move the card &quot;%1&quot; to the trash? You can restore it from View &gt; Trash until you empty the trash.</source>
        <translation>Die Karte „%1“ in den Papierkorb verschieben? Sie können sie über Ansicht &gt; Papierkorb wiederherstellen, bis Sie den Papierkorb leeren.</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb</translation>
    </message>
</context>
<context>
    <name>CardDb</name>
    <message>
        <source>no AES or SHA-256 provider is installed</source>
        <translation>es ist kein Anbieter für AES oder SHA-256 installiert</translation>
    </message>
    <message>
        <source>the password check value is damaged</source>
        <translation>der Prüfwert des Passworts ist beschädigt</translation>
    </message>
    <message>
        <source>a file of that name exists</source>
        <translation>eine Datei dieses Namens existiert bereits</translation>
    </message>
    <message>
        <source>the wallet is closed</source>
        <translation>der Tresor ist geschlossen</translation>
    </message>
    <message>
        <source>no identity row</source>
        <translation>keine Zeile in der Tabelle Identity</translation>
    </message>
    <message>
        <source>card #%1 is gone</source>
        <translation>Karte #%1 gibt es nicht mehr</translation>
    </message>
    <message>
        <source>card %1 cannot be read</source>
        <translation>Karte %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>these cards cannot be read: %1</source>
        <translation>diese Karten können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>card #%1 is not in the trash</source>
        <translation>Karte #%1 liegt nicht im Papierkorb</translation>
    </message>
    <message>
        <source>the key settings are damaged</source>
        <translation>die Schlüsseleinstellungen sind beschädigt</translation>
    </message>
    <message>
        <source>unknown key derivation %1</source>
        <translation>unbekannte Schlüsselableitung %1</translation>
    </message>
    <message>
        <source>unknown key settings</source>
        <translation>unbekannte Schlüsseleinstellungen</translation>
    </message>
    <message>
        <source>key derivation settings out of bounds: %1 passes, %2 KiB</source>
        <translation>Einstellungen der Schlüsselableitung außerhalb der Grenzen: %1 Durchläufe, %2 KiB</translation>
    </message>
    <message>
        <source>not enough memory to derive the key (%1 KiB)</source>
        <translation>nicht genug Speicher, um den Schlüssel abzuleiten (%1 KiB)</translation>
    </message>
    <message>
        <source>no locked memory for the master key</source>
        <translation>kein gesperrter Speicher für den Hauptschlüssel</translation>
    </message>
    <message>
        <source>no key file %1</source>
        <translation>keine Schlüsseldatei %1</translation>
    </message>
    <message>
        <source>cannot read the key file %1: %2</source>
        <translation>die Schlüsseldatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the key file %1 is empty</source>
        <translation>die Schlüsseldatei %1 ist leer</translation>
    </message>
    <message>
        <source>no random source</source>
        <translation>keine Zufallsquelle</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the cryptography library cannot be initialised</source>
        <translation>die Kryptografie-Bibliothek kann nicht initialisiert werden</translation>
    </message>
    <message>
        <source>a wallet of version %1 cannot require a key file</source>
        <translation>ein Tresor der Version %1 kann keine Schlüsseldatei verlangen</translation>
    </message>
</context>
<context>
    <name>CardEdits</name>
    <message>
        <source>Add a card made from a template and print its uuid.</source>
        <translation>Eine Karte aus einer Vorlage hinzufügen und ihre UUID ausgeben.</translation>
    </message>
    <message>
        <source>the card&apos;s notes</source>
        <translation>die Notizen der Karte</translation>
    </message>
    <message>
        <source>Change a card&apos;s values; what changes gets the current time.</source>
        <translation>Die Werte einer Karte ändern; was sich ändert, erhält die aktuelle Zeit.</translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one live card. Nothing is written when nothing changes.</source>
        <translation>CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte außerhalb des Papierkorbs. Ändert sich nichts, wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>the new title</source>
        <translation>der neue Titel</translation>
    </message>
    <message>
        <source>the new notes</source>
        <translation>die neuen Notizen</translation>
    </message>
    <message>
        <source>the new icon, 0 to %1</source>
        <translation>das neue Symbol, 0 bis %1</translation>
    </message>
    <message>
        <source>no template &quot;%1&quot;; `tessera-cli templates` lists them</source>
        <translation>keine Vorlage „%1“; `tessera-cli templates` listet die Vorlagen auf</translation>
    </message>
    <message>
        <source>template %1: %2</source>
        <translation>Vorlage %1: %2</translation>
    </message>
    <message>
        <source>--icon takes a number from 0 to %1</source>
        <translation>--icon erwartet eine Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>%1: nothing changed</source>
        <translation>%1: nichts geändert</translation>
    </message>
    <message>
        <source>TEMPLATE is a key that `tessera-cli templates` lists; each LABEL names one of its fields.
The card is added only once its uuid was written: exit code 0 means both, any other means
neither.</source>
        <translation>TEMPLATE ist ein Schlüssel, den `tessera-cli templates` auflistet; jedes LABEL benennt eines seiner Felder.
Die Karte wird erst hinzugefügt, wenn ihre UUID ausgegeben wurde: Exit-Code 0 bedeutet beides, jeder andere
keines von beiden.</translation>
    </message>
    <message>
        <source>the card was not added: its uuid could not be written</source>
        <translation>die Karte wurde nicht hinzugefügt: ihre UUID konnte nicht ausgegeben werden</translation>
    </message>
</context>
<context>
    <name>CardFilterProxy</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>CardListPane</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password of &quot;%1&quot; copied</source>
        <translation>Passwort von „%1“ kopiert</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Copy Password of the Selected or First Card</source>
        <translation>Passwort der gewählten oder ersten Karte kopieren</translation>
    </message>
    <message>
        <source>No card matches “%1”</source>
        <translation>Keine Karte passt zu „%1“</translation>
    </message>
    <message numerus="yes">
        <source>%n cards match</source>
        <translation>
            <numerusform>%n passende Karte</numerusform>
            <numerusform>%n passende Karten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardQueries</name>
    <message>
        <source>List the cards: id, title and template type, tab-separated, sorted by title.</source>
        <translation>Die Karten auflisten: ID, Titel und Vorlagentyp, durch Tabulatoren getrennt, nach Titel sortiert.</translation>
    </message>
    <message>
        <source>Titles sort as in the card list of the window: by the user&apos;s language, ignoring case.</source>
        <translation>Die Titel werden wie in der Kartenliste des Fensters sortiert: nach der Sprache des Benutzers, ohne Rücksicht auf Groß- und Kleinschreibung.</translation>
    </message>
    <message>
        <source>list trashed cards too, with a fourth column: live or trashed</source>
        <translation>auch Karten im Papierkorb auflisten, mit einer vierten Spalte: live oder trashed</translation>
    </message>
    <message>
        <source>Show one card: title, type, icon, notes and each field as &quot;label: value&quot;.</source>
        <translation>Eine Karte anzeigen: Titel, Typ, Symbol, Notizen und jedes Feld als „Bezeichnung: Wert“.</translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one live card. Sensitive values are masked.</source>
        <translation>CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte außerhalb des Papierkorbs. Vertrauliche Werte werden verdeckt.</translation>
    </message>
    <message>
        <source>show sensitive values instead of masking them</source>
        <translation>vertrauliche Werte anzeigen statt sie zu verdecken</translation>
    </message>
    <message>
        <source>List the templates of new cards: key, name and number of fields, tab-separated.</source>
        <translation>Die Vorlagen für neue Karten auflisten: Schlüssel, Name und Anzahl der Felder, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>List the live cards that match every term, as ls lists them.</source>
        <translation>Die Karten außerhalb des Papierkorbs auflisten, auf die jeder Suchbegriff zutrifft, so wie ls sie auflistet.</translation>
    </message>
    <message>
        <source>Terms are looked for in titles, template names, notes and field labels and values, ignoring case and accents; sensitive values are never searched. Double quotes inside an argument keep a phrase together, as in the search field of the window.</source>
        <translation>Gesucht wird in Titeln, Vorlagennamen, Notizen sowie Feldbezeichnungen und -werten, ohne Rücksicht auf Groß- und Kleinschreibung und Akzente; vertrauliche Werte werden nie durchsucht. Doppelte Anführungszeichen innerhalb eines Arguments halten eine Wortgruppe zusammen, wie im Suchfeld des Fensters.</translation>
    </message>
</context>
<context>
    <name>CardSelector</name>
    <message>
        <source>card %1 is in the trash</source>
        <translation>Karte %1 liegt im Papierkorb</translation>
    </message>
    <message>
        <source>card %1 is not in the trash</source>
        <translation>Karte %1 liegt nicht im Papierkorb</translation>
    </message>
    <message>
        <source>no such card: %1</source>
        <translation>keine solche Karte: %1</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n cards, ids %2; give the id or uuid of one</source>
        <translation>
            <numerusform>„%1“ bezeichnet %n Karte, ID %2; geben Sie die ID oder UUID einer Karte an</numerusform>
            <numerusform>„%1“ bezeichnet %n Karten, IDs %2; geben Sie die ID oder UUID einer Karte an</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardShortcuts</name>
    <message>
        <source>Copy User Name</source>
        <translation>Benutzernamen kopieren</translation>
    </message>
    <message>
        <source>Copy Password</source>
        <translation>Passwort kopieren</translation>
    </message>
    <message>
        <source>Copy URL</source>
        <translation>URL kopieren</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>URL öffnen</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Open the Context Menu</source>
        <translation>Kontextmenü öffnen</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Url</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>Yahoo!</source>
        <translation>Yahoo!</translation>
    </message>
    <message>
        <source>Yahoo ID</source>
        <translation>Yahoo-ID</translation>
    </message>
    <message>
        <source>eBay</source>
        <translation>eBay</translation>
    </message>
    <message>
        <source>Amazon</source>
        <translation>Amazon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Paypal</source>
        <translation>PayPal</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation>LinkedIn</translation>
    </message>
    <message>
        <source>Foursquare</source>
        <translation>Foursquare</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>MSN/Live</source>
        <translation>MSN/Live</translation>
    </message>
    <message>
        <source>Windows Live ID</source>
        <translation>Windows Live ID</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cardholder</source>
        <translation>Karteninhaber</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>CVC</source>
        <translation>Prüfnummer</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Expiry</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Ausgestellt am</translation>
    </message>
    <message>
        <source>If lost, call</source>
        <translation>Bei Verlust anrufen</translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation>Mastercard</translation>
    </message>
    <message>
        <source>Visa Card</source>
        <translation>Visa-Karte</translation>
    </message>
    <message>
        <source>Maestro Card</source>
        <translation>Maestro-Karte</translation>
    </message>
    <message>
        <source>American Express</source>
        <translation>American Express</translation>
    </message>
    <message>
        <source>Discover</source>
        <translation>Discover</translation>
    </message>
    <message>
        <source>Diners Club</source>
        <translation>Diners Club</translation>
    </message>
    <message>
        <source>Cirrus</source>
        <translation>Cirrus</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Zugang</translation>
    </message>
    <message>
        <source>Driving License</source>
        <translation>Führerschein</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>Hunting License</source>
        <translation>Jagdschein</translation>
    </message>
    <message>
        <source>License#</source>
        <translation>Schein-Nr.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Revier</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Jagdzeit</translation>
    </message>
    <message>
        <source>Office Phone</source>
        <translation>Telefon der Behörde</translation>
    </message>
    <message>
        <source>Software License</source>
        <translation>Softwarelizenz</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>License Key</source>
        <translation>Lizenzschlüssel</translation>
    </message>
    <message>
        <source>Licensed To</source>
        <translation>Lizenziert für</translation>
    </message>
    <message>
        <source>Seats</source>
        <translation>Arbeitsplätze</translation>
    </message>
    <message>
        <source>Order#</source>
        <translation>Bestell-Nr.</translation>
    </message>
    <message>
        <source>Purchased</source>
        <translation>Gekauft am</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Support Phone</source>
        <translation>Support-Telefon</translation>
    </message>
    <message>
        <source>Bank Account</source>
        <translation>Bankkonto</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Kontoinhaber</translation>
    </message>
    <message>
        <source>Account#</source>
        <translation>Konto-Nr.</translation>
    </message>
    <message>
        <source>Bank name</source>
        <translation>Name der Bank</translation>
    </message>
    <message>
        <source>Routing#</source>
        <translation>Bankleitzahl</translation>
    </message>
    <message>
        <source>Branch name</source>
        <translation>Filiale</translation>
    </message>
    <message>
        <source>Branch code</source>
        <translation>Filialnummer</translation>
    </message>
    <message>
        <source>SWIFT</source>
        <translation>SWIFT/BIC</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>Debit Card#</source>
        <translation>Debitkarten-Nr.</translation>
    </message>
    <message>
        <source>Card PIN</source>
        <translation>Karten-PIN</translation>
    </message>
    <message>
        <source>Card Expires</source>
        <translation>Karte gültig bis</translation>
    </message>
    <message>
        <source>Card CVV</source>
        <translation>Prüfnummer der Karte</translation>
    </message>
    <message>
        <source>Customer ID</source>
        <translation>Kundennummer</translation>
    </message>
    <message>
        <source>Login password</source>
        <translation>Anmeldepasswort</translation>
    </message>
    <message>
        <source>Txn password</source>
        <translation>Transaktionspasswort</translation>
    </message>
    <message>
        <source>T-PIN</source>
        <translation>Telefon-PIN</translation>
    </message>
    <message>
        <source>Insurance Policy</source>
        <translation>Versicherungspolice</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Policy#</source>
        <translation>Policen-Nr.</translation>
    </message>
    <message>
        <source>Insured</source>
        <translation>Versicherte Person</translation>
    </message>
    <message>
        <source>Beneficiary</source>
        <translation>Begünstigter</translation>
    </message>
    <message>
        <source>Premium</source>
        <translation>Beitrag</translation>
    </message>
    <message>
        <source>Sum Insured</source>
        <translation>Versicherungssumme</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Maturity</source>
        <translation>Ablauf</translation>
    </message>
    <message>
        <source>Agent</source>
        <translation>Vermittler</translation>
    </message>
    <message>
        <source>Agent Phone</source>
        <translation>Telefon des Vermittlers</translation>
    </message>
    <message>
        <source>Claims Phone</source>
        <translation>Telefon für Schadensmeldungen</translation>
    </message>
    <message>
        <source>Stock Investment</source>
        <translation>Aktienanlage</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Börse</translation>
    </message>
    <message>
        <source>Shares</source>
        <translation>Stückzahl</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation>Kaufdatum</translation>
    </message>
    <message>
        <source>Certificate#</source>
        <translation>Zertifikat-Nr.</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>Broker</translation>
    </message>
    <message>
        <source>Demat Account#</source>
        <translation>Depot-Nr.</translation>
    </message>
    <message>
        <source>Broker Phone</source>
        <translation>Telefon des Brokers</translation>
    </message>
    <message>
        <source>Trade PIN</source>
        <translation>Handels-PIN</translation>
    </message>
    <message>
        <source>Mutual Fund</source>
        <translation>Investmentfonds</translation>
    </message>
    <message>
        <source>Fund Name</source>
        <translation>Fondsname</translation>
    </message>
    <message>
        <source>Fund House</source>
        <translation>Fondsgesellschaft</translation>
    </message>
    <message>
        <source>Folio#</source>
        <translation>Depot-Nr.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Tarif</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Anteile</translation>
    </message>
    <message>
        <source>Purchase NAV</source>
        <translation>Anteilswert beim Kauf</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Advisor</source>
        <translation>Berater</translation>
    </message>
    <message>
        <source>Loan/Mortgage</source>
        <translation>Kredit/Hypothek</translation>
    </message>
    <message>
        <source>Lender</source>
        <translation>Kreditgeber</translation>
    </message>
    <message>
        <source>Loan#</source>
        <translation>Kredit-Nr.</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>Kreditnehmer</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Installment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Officer</source>
        <translation>Sachbearbeiter</translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation>Telefonkarte</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Card#</source>
        <translation>Karten-Nr.</translation>
    </message>
    <message>
        <source>Access Number</source>
        <translation>Einwahlnummer</translation>
    </message>
    <message>
        <source>Local Access</source>
        <translation>Lokale Einwahl</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tarif</translation>
    </message>
    <message>
        <source>Customer Care</source>
        <translation>Kundendienst</translation>
    </message>
    <message>
        <source>Identity card</source>
        <translation>Personalausweis</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>Authority</source>
        <translation>Behörde</translation>
    </message>
    <message>
        <source>ISIC card</source>
        <translation>ISIC-Karte</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Hochschule</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Matrikelnummer</translation>
    </message>
    <message>
        <source>Valid Until</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>ITIC Card</source>
        <translation>ITIC-Karte</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Schule</translation>
    </message>
    <message>
        <source>Staff ID</source>
        <translation>Personalnummer</translation>
    </message>
    <message>
        <source>Library Card</source>
        <translation>Bibliotheksausweis</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Zweigstelle</translation>
    </message>
    <message>
        <source>Voter Card</source>
        <translation>Wählerausweis</translation>
    </message>
    <message>
        <source>Guardian</source>
        <translation>Erziehungsberechtigter</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Constituency</source>
        <translation>Wahlkreis</translation>
    </message>
    <message>
        <source>Ward#</source>
        <translation>Bezirks-Nr.</translation>
    </message>
    <message>
        <source>Part#</source>
        <translation>Teil-Nr.</translation>
    </message>
    <message>
        <source>Serial#</source>
        <translation>Serien-Nr.</translation>
    </message>
    <message>
        <source>ITZ Card</source>
        <translation>ITZ-Karte</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Membership Card</source>
        <translation>Mitgliedsausweis</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Member#</source>
        <translation>Mitglieds-Nr.</translation>
    </message>
    <message>
        <source>Joined</source>
        <translation>Mitglied seit</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>PAN Card</source>
        <translation>PAN-Karte</translation>
    </message>
    <message>
        <source>PAN</source>
        <translation>PAN</translation>
    </message>
    <message>
        <source>Father Name</source>
        <translation>Name des Vaters</translation>
    </message>
    <message>
        <source>Ack#</source>
        <translation>Bestätigungs-Nr.</translation>
    </message>
    <message>
        <source>Assessing Officer</source>
        <translation>Zuständiger Sachbearbeiter</translation>
    </message>
    <message>
        <source>Ward</source>
        <translation>Bezirk</translation>
    </message>
    <message>
        <source>AO Code</source>
        <translation>Sachbearbeiter-Code</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Admin URL</source>
        <translation>Admin-URL</translation>
    </message>
    <message>
        <source>Email Account</source>
        <translation>E-Mail-Konto</translation>
    </message>
    <message>
        <source>Incoming Server</source>
        <translation>Posteingangsserver</translation>
    </message>
    <message>
        <source>Incoming Port</source>
        <translation>Posteingangsport</translation>
    </message>
    <message>
        <source>Outgoing Server</source>
        <translation>Postausgangsserver</translation>
    </message>
    <message>
        <source>Outgoing Port</source>
        <translation>Postausgangsport</translation>
    </message>
    <message>
        <source>Webmail</source>
        <translation>Webmail</translation>
    </message>
    <message>
        <source>FTP Account</source>
        <translation>FTP-Zugang</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Web URL</source>
        <translation>Web-URL</translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation>Instant Messaging</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Screen Name</source>
        <translation>Anzeigename</translation>
    </message>
    <message>
        <source>Internet Provider</source>
        <translation>Internetanbieter</translation>
    </message>
    <message>
        <source>Email Password</source>
        <translation>E-Mail-Passwort</translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation>Primärer DNS-Server</translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation>Sekundärer DNS-Server</translation>
    </message>
    <message>
        <source>Dial-up Number</source>
        <translation>Einwahlnummer</translation>
    </message>
    <message>
        <source>Support PIN</source>
        <translation>Support-PIN</translation>
    </message>
    <message>
        <source>Monthly Fee</source>
        <translation>Monatliche Gebühr</translation>
    </message>
    <message>
        <source>Hostname</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Root Password</source>
        <translation>Root-Passwort</translation>
    </message>
    <message>
        <source>SSH Port</source>
        <translation>SSH-Port</translation>
    </message>
    <message>
        <source>Admin User</source>
        <translation>Admin-Benutzer</translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation>Admin-Passwort</translation>
    </message>
    <message>
        <source>Contract#</source>
        <translation>Vertrags-Nr.</translation>
    </message>
    <message>
        <source>Wireless Router</source>
        <translation>WLAN-Router</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>WPS PIN</source>
        <translation>WPS-PIN</translation>
    </message>
    <message>
        <source>Web Hosting</source>
        <translation>Webhosting</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Verwaltungsoberfläche</translation>
    </message>
    <message>
        <source>FTP Server</source>
        <translation>FTP-Server</translation>
    </message>
    <message>
        <source>FTP User</source>
        <translation>FTP-Benutzer</translation>
    </message>
    <message>
        <source>FTP Password</source>
        <translation>FTP-Passwort</translation>
    </message>
    <message>
        <source>Renewal</source>
        <translation>Verlängerung</translation>
    </message>
    <message>
        <source>Passport</source>
        <translation>Reisepass</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Ländercode</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Staatsangehörigkeit</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Given Names</source>
        <translation>Vornamen</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Travelling Visa</source>
        <translation>Reisevisum</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Passport#</source>
        <translation>Reisepass-Nr.</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einreisen</translation>
    </message>
    <message>
        <source>Stay Days</source>
        <translation>Aufenthaltstage</translation>
    </message>
    <message>
        <source>Issued At</source>
        <translation>Ausgestellt in</translation>
    </message>
    <message>
        <source>Embassy</source>
        <translation>Botschaft</translation>
    </message>
    <message>
        <source>Embassy Phone</source>
        <translation>Telefon der Botschaft</translation>
    </message>
    <message>
        <source>Frequent Flyer</source>
        <translation>Vielfliegerprogramm</translation>
    </message>
    <message>
        <source>Airline</source>
        <translation>Fluggesellschaft</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Hotel Reservation</source>
        <translation>Hotelreservierung</translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>Confirmation#</source>
        <translation>Bestätigungs-Nr.</translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation>Anreise</translation>
    </message>
    <message>
        <source>Check-out</source>
        <translation>Abreise</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>Zimmer</translation>
    </message>
    <message>
        <source>Guests</source>
        <translation>Gäste</translation>
    </message>
    <message>
        <source>Room Type</source>
        <translation>Zimmerart</translation>
    </message>
    <message>
        <source>Flight Detail</source>
        <translation>Flugdaten</translation>
    </message>
    <message>
        <source>Flight#</source>
        <translation>Flug-Nr.</translation>
    </message>
    <message>
        <source>Booking Ref</source>
        <translation>Buchungscode</translation>
    </message>
    <message>
        <source>Ticket#</source>
        <translation>Ticket-Nr.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Departure</source>
        <translation>Abflug</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>Seat</source>
        <translation>Sitzplatz</translation>
    </message>
    <message>
        <source>Airline Phone</source>
        <translation>Telefon der Fluggesellschaft</translation>
    </message>
    <message>
        <source>Cloth Size</source>
        <translation>Kleidergrößen</translation>
    </message>
    <message>
        <source>Shirt</source>
        <translation>Hemd</translation>
    </message>
    <message>
        <source>Jacket</source>
        <translation>Jacke</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>Kleid</translation>
    </message>
    <message>
        <source>Collar</source>
        <translation>Kragenweite</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Bundweite</translation>
    </message>
    <message>
        <source>Inseam</source>
        <translation>Schrittlänge</translation>
    </message>
    <message>
        <source>Chest</source>
        <translation>Brustumfang</translation>
    </message>
    <message>
        <source>Shoe</source>
        <translation>Schuhe</translation>
    </message>
    <message>
        <source>Hat</source>
        <translation>Hut</translation>
    </message>
    <message>
        <source>Combination Lock</source>
        <translation>Zahlenschloss</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Medicine</source>
        <translation>Medikament</translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation>Dosierung</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Refills</source>
        <translation>Folgerezepte</translation>
    </message>
    <message>
        <source>Rx#</source>
        <translation>Rezept-Nr.</translation>
    </message>
    <message>
        <source>Doctor</source>
        <translation>Arzt</translation>
    </message>
    <message>
        <source>Doctor Phone</source>
        <translation>Telefon des Arztes</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Apotheke</translation>
    </message>
    <message>
        <source>Pharmacy Phone</source>
        <translation>Telefon der Apotheke</translation>
    </message>
    <message>
        <source>Lens Prescription</source>
        <translation>Kontaktlinsen</translation>
    </message>
    <message>
        <source>Right Eye</source>
        <translation>Rechtes Auge</translation>
    </message>
    <message>
        <source>Left Eye</source>
        <translation>Linkes Auge</translation>
    </message>
    <message>
        <source>Base Curve</source>
        <translation>Basiskurve</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Registration Code</source>
        <translation>Registrierungscode</translation>
    </message>
    <message>
        <source>Vehicle Info</source>
        <translation>Fahrzeugdaten</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Marke</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Baujahr</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Plate#</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>VIN</source>
        <translation>Fahrgestell-Nr.</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Zugelassen am</translation>
    </message>
    <message>
        <source>Insurer</source>
        <translation>Versicherer</translation>
    </message>
    <message>
        <source>Roadside Phone</source>
        <translation>Pannenhilfe</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Mailbox</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Telefon (Arbeit)</translation>
    </message>
    <message>
        <source>Emergency Numbers</source>
        <translation>Notrufnummern</translation>
    </message>
    <message>
        <source>Police</source>
        <translation>Polizei</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuerwehr</translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation>Rettungsdienst</translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation>Krankenhaus</translation>
    </message>
    <message>
        <source>Poison Control</source>
        <translation>Giftnotruf</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>Neighbor</source>
        <translation>Nachbarn</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherung</translation>
    </message>
    <message>
        <source>Social Security Number</source>
        <translation>Sozialversicherungsnummer</translation>
    </message>
    <message>
        <source>Reward Program</source>
        <translation>Bonusprogramm</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Händler</translation>
    </message>
    <message>
        <source>One-Time Code</source>
        <translation>Einmalcode</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>Das Passwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>New passwords didn&apos;t match!</source>
        <translation>Die neuen Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Incorrect old password!</source>
        <translation>Das alte Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Applying changes...</source>
        <translation>Die Änderungen werden übernommen …</translation>
    </message>
    <message>
        <source>The password could not be changed (%1). The old password is still in force.</source>
        <translation>Das Passwort konnte nicht geändert werden (%1). Das alte Passwort gilt weiterhin.</translation>
    </message>
</context>
<context>
    <name>ClipboardGuard</name>
    <message>
        <source>%1 copied</source>
        <translation>%1 kopiert</translation>
    </message>
    <message numerus="yes">
        <source>%1 copied, clears in %n s</source>
        <translation>
            <numerusform>%1 kopiert, Zwischenablage wird in %n s geleert</numerusform>
            <numerusform>%1 kopiert, Zwischenablage wird in %n s geleert</numerusform>
        </translation>
    </message>
    <message>
        <source>Clipboard cleared</source>
        <translation>Zwischenablage geleert</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; is not of the form %2</source>
        <translation>„%1“ hat nicht die Form %2</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe anzeigen</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; `tessera-cli --help` lists the commands</source>
        <translation>unbekannter Befehl „%1“; `tessera-cli --help` listet die Befehle auf</translation>
    </message>
    <message>
        <source>missing arguments</source>
        <translation>Argumente fehlen</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>zu viele Argumente</translation>
    </message>
    <message>
        <source>Usage: tessera-cli COMMAND [ARGUMENTS]

The Tessera password wallet from a terminal and from scripts.

Commands:
</source>
        <translation>Aufruf: tessera-cli BEFEHL [ARGUMENTE]

Der Passwort-Tresor Tessera im Terminal und in Skripten.

Befehle:
</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>
CARD is a row id, a uuid, or the exact title of one live card.
Passwords are read from the terminal without echo; when standard input is not a terminal,
one line per password in the order they are asked.
Exit codes: 0 success, 1 failure, 2 usage error, 3 a damaged wallet rescued in part.
`tessera-cli COMMAND --help` shows the details of a command.
</source>
        <translation>
CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte außerhalb des Papierkorbs.
Passwörter werden ohne Echo vom Terminal gelesen; ist die Standardeingabe kein Terminal, wird
eine Zeile je Passwort gelesen, in der Reihenfolge, in der sie erfragt werden.
Rückgabewerte: 0 Erfolg, 1 Fehler, 2 falscher Aufruf, 3 beschädigter Tresor teilweise gerettet.
`tessera-cli BEFEHL --help` erklärt einen Befehl im Einzelnen.
</translation>
    </message>
    <message>
        <source>%1 cannot run in a batch</source>
        <translation>%1 kann nicht in einem Stapel laufen</translation>
    </message>
</context>
<context>
    <name>CountdownRing</name>
    <message>
        <source>Valid for %1 more seconds</source>
        <translation>Noch %1 Sekunden gültig</translation>
    </message>
</context>
<context>
    <name>DetailView</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation>Anzeigen/Verbergen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>In the trash. Restore the card to change it.</source>
        <translation>Im Papierkorb. Stellen Sie die Karte wieder her, um sie zu ändern.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete Forever…</source>
        <translation>Endgültig löschen …</translation>
    </message>
    <message>
        <source>This card cannot be read: %1.</source>
        <translation>Diese Karte kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>One-time code</source>
        <translation>Einmalcode</translation>
    </message>
</context>
<context>
    <name>DropboxClient</name>
    <message>
        <source>%1 answered %2 %3</source>
        <translation>%1 antwortete %2 %3</translation>
    </message>
    <message>
        <source>the host %1 cannot be found (is the computer offline?)</source>
        <translation>der Server %1 wurde nicht gefunden (ist der Computer offline?)</translation>
    </message>
    <message>
        <source>the host %1 cannot be reached: %2</source>
        <translation>der Server %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the download could not be saved to %1: %2</source>
        <translation>der Download konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>DropboxSyncDialog</name>
    <message>
        <source>Dropbox Sync</source>
        <translation>Dropbox-Synchronisation</translation>
    </message>
    <message>
        <source>status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Checking for Tessera data on Dropbox...</source>
        <translation>Tessera-Daten auf Dropbox werden gesucht …</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>Das Passwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>New passwords didn&apos;t match!</source>
        <translation>Die neuen Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>The Tessera data on Dropbox cannot be read by this version of Tessera.</source>
        <translation>Diese Version von Tessera kann die Tessera-Daten auf Dropbox nicht lesen.</translation>
    </message>
    <message>
        <source>Please wait while synchronizing...</source>
        <translation>Bitte warten, die Synchronisation läuft …</translation>
    </message>
    <message>
        <source>Synchronization done.</source>
        <translation>Die Synchronisation ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The Dropbox sign-in page has opened in your browser. Sign in there and allow Tessera to sync with Dropbox, then click Continue.</source>
        <translation>Die Anmeldeseite von Dropbox wurde in Ihrem Browser geöffnet. Melden Sie sich dort an, erlauben Sie Tessera die Synchronisation mit Dropbox und klicken Sie dann auf „Weiter“.</translation>
    </message>
    <message>
        <source>Something went wrong while synchronizing. Check that you are connected to the Internet, then try again.</source>
        <translation>Bei der Synchronisation ist ein Fehler aufgetreten. Prüfen Sie Ihre Internetverbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Please enter the password of the Tessera data on Dropbox.</source>
        <translation>Bitte geben Sie das Passwort der Tessera-Daten auf Dropbox ein.</translation>
    </message>
    <message>
        <source>Change the password of the Tessera data on Dropbox</source>
        <translation>Passwort der Tessera-Daten auf Dropbox ändern</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Connecting to Dropbox...</source>
        <translation>Verbindung zu Dropbox wird hergestellt …</translation>
    </message>
    <message>
        <source>Checking the Dropbox sign-in...</source>
        <translation>Die Dropbox-Anmeldung wird geprüft …</translation>
    </message>
    <message>
        <source>This is the first sync with Dropbox and there is no Tessera data there yet. Please set a password for the Tessera data on Dropbox.</source>
        <translation>Dies ist die erste Synchronisation mit Dropbox, und dort liegen noch keine Tessera-Daten. Bitte legen Sie ein Passwort für die Tessera-Daten auf Dropbox fest.</translation>
    </message>
    <message>
        <source>Wrong password for the Tessera data on Dropbox.</source>
        <translation>Falsches Passwort für die Tessera-Daten auf Dropbox.</translation>
    </message>
    <message>
        <source>Tessera is not connected to Dropbox. Sync again to sign in once more.</source>
        <translation>Tessera ist nicht mit Dropbox verbunden. Synchronisieren Sie erneut, um sich noch einmal anzumelden.</translation>
    </message>
    <message>
        <source>Key File</source>
        <translation>Schlüsseldatei</translation>
    </message>
    <message>
        <source>Wrong password or key file for the Tessera data on Dropbox.</source>
        <translation>Falsches Passwort oder falsche Schlüsseldatei für die Tessera-Daten auf Dropbox.</translation>
    </message>
    <message>
        <source>The Tessera data on Dropbox is encrypted under a password of its own, which may differ from this wallet&apos;s. Please enter the password of the data on Dropbox.</source>
        <translation>Die Tessera-Daten auf Dropbox sind mit einem eigenen Passwort verschlüsselt, das sich von dem dieses Tresors unterscheiden kann. Bitte geben Sie das Passwort der Daten auf Dropbox ein.</translation>
    </message>
    <message>
        <source>The sync with Dropbox failed.</source>
        <translation>Die Synchronisation mit Dropbox ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The sync with Dropbox failed: %1.</source>
        <translation>Die Synchronisation mit Dropbox ist fehlgeschlagen: %1.</translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <source>Edit Card</source>
        <translation>Karte bearbeiten</translation>
    </message>
    <message>
        <source>Card name:</source>
        <translation>Kartenname:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation>Anzeigen/Verbergen</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Discard the changes to &quot;%1&quot;?</source>
        <translation>Die Änderungen an „%1“ verwerfen?</translation>
    </message>
    <message>
        <source>Generate a Password</source>
        <translation>Passwort erzeugen</translation>
    </message>
    <message>
        <source>Save the Card (in the card editor)</source>
        <translation>Karte speichern (im Karteneditor)</translation>
    </message>
    <message>
        <source>Type a Tab (in the notes)</source>
        <translation>Tabulator eingeben (in den Notizen)</translation>
    </message>
    <message>
        <source>Add Card</source>
        <translation>Karte hinzufügen</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>Export Cards</source>
        <translation>Karten exportieren</translation>
    </message>
    <message>
        <source>KeePass 2 XML (*.xml);;CSV (*.csv);;Tessera JSON (*.json);;All files (*)</source>
        <translation>KeePass-2-XML (*.xml);;CSV (*.csv);;Tessera-JSON (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; will hold every password and secret of this wallet in the clear, readable by anyone who gets hold of the file. Delete it once it has served its purpose.</source>
        <translation>„%1“ wird jedes Passwort und jedes Geheimnis dieses Tresors im Klartext enthalten, lesbar für jeden, der an die Datei gelangt. Löschen Sie die Datei, sobald sie ihren Zweck erfüllt hat.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The cards could not be exported to &quot;%1&quot;: %2.</source>
        <translation>Die Karten konnten nicht nach „%1“ exportiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>no field &quot;%1&quot; on this card; its fields are: %2</source>
        <translation>die Karte hat kein Feld „%1“; ihre Felder sind: %2</translation>
    </message>
    <message>
        <source>several fields are labelled &quot;%1&quot;; the card&apos;s fields are: %2</source>
        <translation>mehrere Felder heißen „%1“; die Felder der Karte sind: %2</translation>
    </message>
</context>
<context>
    <name>FileSync</name>
    <message>
        <source>a symbolic link</source>
        <translation>eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>it does not open with the password of %1</source>
        <translation>sie lässt sich mit dem Passwort von %1 nicht öffnen</translation>
    </message>
</context>
<context>
    <name>FileSyncController</name>
    <message>
        <source>Sync With File</source>
        <translation>Mit Datei synchronisieren</translation>
    </message>
    <message>
        <source>Password of &quot;%1&quot;:</source>
        <translation>Passwort von „%1“:</translation>
    </message>
    <message>
        <source>Sync With File…</source>
        <translation>Mit Datei synchronisieren …</translation>
    </message>
    <message>
        <source>Restore From Backup…</source>
        <translation>Aus Sicherung wiederherstellen …</translation>
    </message>
    <message>
        <source>Tessera wallets (*.tessera)</source>
        <translation>Tessera-Tresore (*.tessera)</translation>
    </message>
    <message>
        <source>Not synced with &quot;%1&quot;: %2</source>
        <translation>Nicht mit „%1“ synchronisiert: %2</translation>
    </message>
    <message>
        <source>Restored the backup &quot;%1&quot;</source>
        <translation>Sicherung „%1“ wiederhergestellt</translation>
    </message>
    <message>
        <source>; &quot;%1&quot; not merged: %2</source>
        <translation>; „%1“ nicht zusammengeführt: %2</translation>
    </message>
    <message>
        <source>Another program replaced the wallet. Unlock it with its password.</source>
        <translation>Ein anderes Programm hat den Tresor ersetzt. Entsperren Sie ihn mit seinem Passwort.</translation>
    </message>
    <message>
        <source>Wallet Deleted</source>
        <translation>Tresor gelöscht</translation>
    </message>
    <message>
        <source>Another program deleted or moved &quot;%1&quot;. Its cards are still open here: keep them with File &gt; Save A Copy To.</source>
        <translation>Ein anderes Programm hat „%1“ gelöscht oder verschoben. Seine Karten sind hier noch geöffnet: Bewahren Sie sie mit Datei &gt; Kopie speichern unter auf.</translation>
    </message>
    <message>
        <source>The backup could not be restored:</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden:</translation>
    </message>
    <message>
        <source>Key file:</source>
        <translation>Schlüsseldatei:</translation>
    </message>
    <message>
        <source>The synced copy &quot;%1&quot; has another password than this wallet (it was changed on another device, or the copy is another wallet). Enter the copy&apos;s password to sync with it.</source>
        <translation>Die synchronisierte Kopie „%1“ hat ein anderes Passwort als dieser Tresor (es wurde auf einem anderen Gerät geändert, oder die Kopie ist ein anderer Tresor). Geben Sie das Passwort der Kopie ein, um mit ihr zu synchronisieren.</translation>
    </message>
    <message>
        <source>Restore From Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; was made under another password than the wallet has now. Enter the password it had then to restore it.</source>
        <translation>Die Sicherung „%1“ wurde unter einem anderen Passwort angelegt, als der Tresor jetzt hat. Geben Sie das damalige Passwort ein, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>Synced: %1, %2</source>
        <translation>Synchronisiert: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) received</source>
        <translation>
            <numerusform>%n Karte empfangen</numerusform>
            <numerusform>%n Karten empfangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) sent</source>
        <translation>
            <numerusform>%n Karte gesendet</numerusform>
            <numerusform>%n Karten gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n conflict copy(s) merged</source>
        <translation>
            <numerusform>, %n Konfliktkopie zusammengeführt</numerusform>
            <numerusform>, %n Konfliktkopien zusammengeführt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IconChooserDialog</name>
    <message>
        <source>Choose Icon</source>
        <translation>Symbol auswählen</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n cards will be imported</source>
        <translation>
            <numerusform>%n Karte wird importiert</numerusform>
            <numerusform>%n Karten werden importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them into the trash</source>
        <translation>
            <numerusform>, davon %n in den Papierkorb</numerusform>
            <numerusform>, davon %n in den Papierkorb</numerusform>
        </translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>The first cards:</source>
        <translation>Die ersten Karten:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates of cards in the wallet will be skipped.</source>
        <translation>
            <numerusform>%n Duplikat einer Karte im Tresor wird übersprungen.</numerusform>
            <numerusform>%n Duplikate von Karten im Tresor werden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the file are not understood and will be skipped:</source>
        <translation>
            <numerusform>%n Zeile der Datei wird nicht verstanden und übersprungen:</numerusform>
            <numerusform>%n Zeilen der Datei werden nicht verstanden und übersprungen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message numerus="yes">
        <source>%n cards imported</source>
        <translation>
            <numerusform>%n Karte importiert</numerusform>
            <numerusform>%n Karten importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them into the trash</source>
        <translation>
            <numerusform>davon %n in den Papierkorb</numerusform>
            <numerusform>davon %n in den Papierkorb</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values kept as extra fields</source>
        <translation>
            <numerusform>%n Wert als zusätzliches Feld behalten</numerusform>
            <numerusform>%n Werte als zusätzliche Felder behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows not understood</source>
        <translation>
            <numerusform>%n Zeile nicht verstanden</numerusform>
            <numerusform>%n Zeilen nicht verstanden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>%1: %2 (usage: %3)</source>
        <translation>%1: %2 (Aufruf: %3)</translation>
    </message>
    <message>
        <source>in a batch, --key-file goes on the batch&apos;s own command line</source>
        <translation>in einem Stapel gehört --key-file auf die Befehlszeile des Stapels selbst</translation>
    </message>
</context>
<context>
    <name>KeyFileField</name>
    <message>
        <source>No key file</source>
        <translation>Keine Schlüsseldatei</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Create…</source>
        <translation>Erstellen …</translation>
    </message>
    <message>
        <source>Choose Key File</source>
        <translation>Schlüsseldatei wählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Create Key File</source>
        <translation>Schlüsseldatei erstellen</translation>
    </message>
    <message>
        <source>Key files (*.key);;All files (*)</source>
        <translation>Schlüsseldateien (*.key);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The key file could not be created:</source>
        <translation>Die Schlüsseldatei konnte nicht erstellt werden:</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>no desktop keyring (Secret Service): there is no D-Bus session</source>
        <translation>kein Schlüsselbund der Arbeitsumgebung (Secret Service): es gibt keine D-Bus-Sitzung</translation>
    </message>
    <message>
        <source>no desktop keyring (Secret Service) is running: %1</source>
        <translation>kein Schlüsselbund der Arbeitsumgebung (Secret Service) läuft: %1</translation>
    </message>
    <message>
        <source>the desktop keyring failed: %1</source>
        <translation>der Schlüsselbund der Arbeitsumgebung ist gescheitert: %1</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Loading the wallet...</source>
        <translation>Der Tresor wird geladen …</translation>
    </message>
    <message>
        <source>Please enter the password of the Tessera wallet &quot;%1&quot;.</source>
        <translation>Bitte geben Sie das Passwort des Tessera-Tresors „%1“ ein.</translation>
    </message>
    <message>
        <source>Key File</source>
        <translation>Schlüsseldatei</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessera</source>
        <translation>Tessera</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Wallet</source>
        <translation>Neuer Tresor</translation>
    </message>
    <message>
        <source>Create New Wallet</source>
        <translation>Neuen Tresor anlegen</translation>
    </message>
    <message>
        <source>Open Wallet</source>
        <translation>Tresor öffnen</translation>
    </message>
    <message>
        <source>Open Existing Wallet</source>
        <translation>Vorhandenen Tresor öffnen</translation>
    </message>
    <message>
        <source>Save A Copy to...</source>
        <translation>Kopie speichern unter …</translation>
    </message>
    <message>
        <source>Close Wallet</source>
        <translation>Tresor schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add New Card</source>
        <translation>Neue Karte hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Current Card</source>
        <translation>Gewählte Karte bearbeiten</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Duplicate Current Card</source>
        <translation>Gewählte Karte duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Current Card</source>
        <translation>Gewählte Karte löschen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Change Password of Wallet</source>
        <translation>Passwort des Tresors ändern</translation>
    </message>
    <message>
        <source>Dropbox Sync</source>
        <translation>Dropbox-Synchronisation</translation>
    </message>
    <message>
        <source>Sync with Dropbox</source>
        <translation>Mit Dropbox synchronisieren</translation>
    </message>
    <message>
        <source>Clear Dropbox Keys</source>
        <translation>Dropbox-Schlüssel entfernen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tessera</translation>
    </message>
    <message>
        <source> [Read Only]</source>
        <translation> [schreibgeschützt]</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Export Cards for Another Password Manager</source>
        <translation>Karten für einen anderen Passwort-Manager exportieren</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Show the Cards in the Trash</source>
        <translation>Karten im Papierkorb anzeigen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Bring the Card Back from the Trash</source>
        <translation>Karte aus dem Papierkorb zurückholen</translation>
    </message>
    <message>
        <source>Delete Forever...</source>
        <translation>Endgültig löschen …</translation>
    </message>
    <message>
        <source>Delete the Card for Ever</source>
        <translation>Karte endgültig löschen</translation>
    </message>
    <message>
        <source>Empty Trash...</source>
        <translation>Papierkorb leeren …</translation>
    </message>
    <message>
        <source>Delete Every Card in the Trash for Ever</source>
        <translation>Alle Karten im Papierkorb endgültig löschen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Lock the Wallet</source>
        <translation>Tresor sperren</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Set Up One-Time Code…</source>
        <translation>Einmalcode einrichten …</translation>
    </message>
    <message>
        <source>Store the Secret Key of Two-Step Sign-In Codes</source>
        <translation>Geheimen Schlüssel für die Codes der Zwei-Schritt-Anmeldung speichern</translation>
    </message>
    <message>
        <source>Copy One-Time Code</source>
        <translation>Einmalcode kopieren</translation>
    </message>
    <message>
        <source>Copy the Current One-Time Code</source>
        <translation>Aktuellen Einmalcode kopieren</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Password Generator...</source>
        <translation>Passwortgenerator …</translation>
    </message>
    <message>
        <source>Make a Random Password or Passphrase</source>
        <translation>Zufälliges Passwort oder zufällige Passphrase erzeugen</translation>
    </message>
    <message>
        <source>Password Health...</source>
        <translation>Passwortprüfung …</translation>
    </message>
    <message>
        <source>Find Weak, Reused and Old Passwords</source>
        <translation>Schwache, mehrfach verwendete und alte Passwörter finden</translation>
    </message>
    <message>
        <source> [Locked]</source>
        <translation> [gesperrt]</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Read the Manual That Came With Tessera</source>
        <translation>Das mit Tessera gelieferte Handbuch lesen</translation>
    </message>
    <message>
        <source>Import Cards From a Browser or Another Password Manager</source>
        <translation>Karten aus einem Browser oder einem anderen Passwortmanager importieren</translation>
    </message>
</context>
<context>
    <name>ManualViewer</name>
    <message>
        <source>Tessera Manual</source>
        <translation>Tessera-Handbuch</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Merge WALLET with OTHER, another copy of it; afterwards both hold the merged cards.</source>
        <translation>WALLET mit OTHER, einer anderen Kopie davon, zusammenführen; danach enthalten beide die zusammengeführten Karten.</translation>
    </message>
    <message>
        <source>WALLET and OTHER are the same file</source>
        <translation>WALLET und OTHER sind dieselbe Datei</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>kein solcher Ordner</translation>
    </message>
    <message>
        <source>Password for the new copy %1: </source>
        <translation>Passwort für die neue Kopie %1: </translation>
    </message>
    <message>
        <source>merge failed: %1</source>
        <translation>Zusammenführen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>conflict copy not merged: %1</source>
        <translation>Konfliktkopie nicht zusammengeführt: %1</translation>
    </message>
    <message>
        <source>the key file OTHER requires; for a new OTHER, the key file it is to require, made when FILE does not exist</source>
        <translation>die Schlüsseldatei, die OTHER verlangt; für ein neues OTHER die Schlüsseldatei, die es verlangen soll, angelegt, wenn FILE nicht existiert</translation>
    </message>
    <message>
        <source>Cards pair by identity, then by content; the newer side wins card by card and field by field.
WALLET keeps its password and identity, OTHER its password. When OTHER does not exist yet it
is created in WALLET&apos;s format and key settings, with a new password asked twice. Passwords are
asked in this order: WALLET&apos;s, then OTHER&apos;s. On a failure neither file changes.</source>
        <translation>Karten werden nach Identität, dann nach Inhalt gepaart; die neuere Seite gewinnt Karte für Karte und
Feld für Feld. WALLET behält sein Passwort und seine Identität, OTHER sein Passwort. Existiert OTHER
noch nicht, wird es im Format und mit den Schlüsseleinstellungen von WALLET angelegt, mit einem neuen,
zweimal erfragten Passwort. Die Passwörter werden in dieser Reihenfolge erfragt: das von WALLET, dann
das von OTHER. Bei einem Fehler ändert sich keine der beiden Dateien.</translation>
    </message>
    <message>
        <source>Merge WALLET with OTHER in a synced folder, or with its copy on a WebDAV server at an https URL.</source>
        <translation>WALLET mit OTHER in einem synchronisierten Ordner zusammenführen, oder mit seiner Kopie auf einem WebDAV-Server unter einer https-URL.</translation>
    </message>
    <message>
        <source>As merge, and the conflict copies of OTHER that file-syncing tools leave beside it are merged
into both too, then moved to the backups folder. A conflict copy that does not open with
OTHER&apos;s password is left where it is and named. Prints what was received and sent.
WALLET is backed up before it changes.
When OTHER is the URL of a file on a WebDAV server (Nextcloud, ownCloud, any other), the copy is
downloaded, merged, and uploaded only if nobody uploaded meanwhile (else merged again). The
server&apos;s password comes from the desktop&apos;s keyring or is asked after WALLET&apos;s; then, if the
copy there does not open with WALLET&apos;s, its password. A new copy there is a copy of WALLET.
Plain http only to this computer.</source>
        <translation>Wie merge; dazu werden die Konfliktkopien, die Programme zur Dateisynchronisation neben OTHER
hinterlassen, ebenfalls in beide zusammengeführt und danach in den Ordner der Sicherungen verschoben.
Eine Konfliktkopie, die sich nicht mit dem Passwort von OTHER öffnen lässt, bleibt, wo sie ist, und
wird genannt. Gibt aus, was empfangen und gesendet wurde. Von WALLET wird eine Sicherung angelegt,
bevor es sich ändert.
Ist OTHER die URL einer Datei auf einem WebDAV-Server (Nextcloud, ownCloud, jeder andere), wird die
Kopie heruntergeladen, zusammengeführt und nur hochgeladen, wenn niemand sie inzwischen ersetzt hat
(sonst erneut zusammengeführt). Das Passwort des Servers kommt aus dem Schlüsselbund der
Arbeitsumgebung oder wird nach dem von WALLET erfragt; danach, falls sich die Kopie dort nicht mit dem
von WALLET öffnen lässt, ihr Passwort. Eine neue Kopie dort ist eine Kopie von WALLET.
Unverschlüsseltes http nur zu diesem Computer.</translation>
    </message>
    <message>
        <source>merge takes files; sync takes a URL</source>
        <translation>merge nimmt Dateien; sync nimmt eine URL</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>NewKeyFile</name>
    <message>
        <source>%1: a new key file; keep a copy of it apart from the wallet, which does not open without it</source>
        <translation>%1: eine neue Schlüsseldatei; bewahren Sie eine Kopie getrennt vom Tresor auf, der sich ohne sie nicht öffnen lässt</translation>
    </message>
</context>
<context>
    <name>NewWalletDialog</name>
    <message>
        <source>New Wallet</source>
        <translation>Neuer Tresor</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation>Das Passwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Passwords didn&apos;t match!</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Please set an unlock password for the new wallet.</source>
        <translation>Bitte legen Sie ein Passwort zum Entsperren des neuen Tresors fest.</translation>
    </message>
    <message>
        <source>Readable by the phone app (older, weaker protection)</source>
        <translation>Für die Telefon-App lesbar (älteres Format, schwächerer Schutz)</translation>
    </message>
    <message>
        <source>Key File</source>
        <translation>Schlüsseldatei</translation>
    </message>
    <message>
        <source>Optional. A key file is needed with the password at every unlock: keep a copy of it apart from the wallet, as without it the wallet cannot be opened.</source>
        <translation>Optional. Eine Schlüsseldatei wird bei jedem Entsperren zusammen mit dem Passwort gebraucht: Bewahren Sie eine Kopie davon getrennt vom Tresor auf, denn ohne sie lässt sich der Tresor nicht öffnen.</translation>
    </message>
    <message>
        <source>Weak Password</source>
        <translation>Schwaches Passwort</translation>
    </message>
    <message>
        <source>This password is easy to guess. Anyone who gets a copy of the wallet can try passwords without limit, and the password is all that protects your cards. Use it anyway?</source>
        <translation>Dieses Passwort ist leicht zu erraten. Wer eine Kopie des Tresors erhält, kann beliebig viele Passwörter ausprobieren, und nur das Passwort schützt Ihre Karten. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Use Weak Password</source>
        <translation>Schwaches Passwort verwenden</translation>
    </message>
</context>
<context>
    <name>OneTimeCodeDialog</name>
    <message>
        <source>Set Up One-Time Code</source>
        <translation>Einmalcode einrichten</translation>
    </message>
    <message>
        <source>Enter the secret key the site shows when you turn on two-step sign-in, or paste its otpauth:// link.</source>
        <translation>Geben Sie den geheimen Schlüssel ein, den die Website beim Einschalten der Zwei-Schritt-Anmeldung anzeigt, oder fügen Sie ihren otpauth://-Link ein.</translation>
    </message>
    <message>
        <source>JBSW Y3DP EHPK 3PXP or otpauth://totp/…</source>
        <translation>JBSW Y3DP EHPK 3PXP oder otpauth://totp/…</translation>
    </message>
    <message>
        <source>Advanced Settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Algorithm</source>
        <translation>Algorithmus</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
</context>
<context>
    <name>OtpCommand</name>
    <message>
        <source>Print the card&apos;s current one-time code; standard error tells how many seconds it stays valid.</source>
        <translation>Den aktuellen Einmalcode der Karte ausgeben; auf der Standardfehlerausgabe steht, wie viele Sekunden er noch gilt.</translation>
    </message>
    <message>
        <source>The code comes from the first field holding an otpauth://totp/ link, whatever its label.</source>
        <translation>Der Code stammt aus dem ersten Feld mit einem otpauth://totp/-Link, gleich wie es bezeichnet ist.</translation>
    </message>
    <message>
        <source>the code for that moment, in seconds since 1970, instead of now</source>
        <translation>der Code für diesen Zeitpunkt, in Sekunden seit 1970, statt für jetzt</translation>
    </message>
    <message>
        <source>--time takes a whole number of seconds since 1970</source>
        <translation>--time erwartet eine ganze Zahl von Sekunden seit 1970</translation>
    </message>
    <message>
        <source>card %1 has no one-time code</source>
        <translation>Karte %1 hat keinen Einmalcode</translation>
    </message>
    <message>
        <source>the one-time code of card %1 is not valid: %2</source>
        <translation>der Einmalcode von Karte %1 ist ungültig: %2</translation>
    </message>
    <message>
        <source>valid for 1 more second
</source>
        <translation>noch 1 Sekunde gültig
</translation>
    </message>
    <message>
        <source>valid for %1 more seconds
</source>
        <translation>noch %1 Sekunden gültig
</translation>
    </message>
</context>
<context>
    <name>PasswordCommands</name>
    <message>
        <source>Print random passwords, one per line: of characters, or of words with --words.</source>
        <translation>Zufällige Passwörter ausgeben, eines je Zeile: aus Zeichen oder, mit --words, aus Wörtern.</translation>
    </message>
    <message>
        <source>Passwords of characters hold upper and lower case letters, digits and symbols, at least one of each kind. Passphrases take their words from the EFF large word list. Randomness comes from the system&apos;s cryptographic generator.</source>
        <translation>Passwörter aus Zeichen enthalten Groß- und Kleinbuchstaben, Ziffern und Sonderzeichen, von jeder Art mindestens eines. Passphrasen nehmen ihre Wörter aus der großen Wortliste der EFF. Der Zufall stammt aus dem kryptografischen Zufallsgenerator des Systems.</translation>
    </message>
    <message>
        <source>characters in a password, %1 to %2 (default %3)</source>
        <translation>Zeichen je Passwort, %1 bis %2 (Vorgabe %3)</translation>
    </message>
    <message>
        <source>leave out symbols</source>
        <translation>Sonderzeichen weglassen</translation>
    </message>
    <message>
        <source>leave out characters easily mistaken for others: 0 O 1 l I |</source>
        <translation>leicht verwechselbare Zeichen weglassen: 0 O 1 l I |</translation>
    </message>
    <message>
        <source>make a passphrase of N words, %1 to %2 (%3 is a good choice)</source>
        <translation>eine Passphrase aus N Wörtern bilden, %1 bis %2 (%3 ist eine gute Wahl)</translation>
    </message>
    <message>
        <source>List the live cards whose passwords are weak, reused or old: kind, id and title, tab-separated.</source>
        <translation>Die Karten außerhalb des Papierkorbs auflisten, deren Passwörter schwach, mehrfach verwendet oder alt sind: Art, ID und Titel, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>weak: easy to guess (zxcvbn score 0 or 1); reused: the same password is on other live cards, which follow it, group by group; old: unchanged for more than a year. The check runs on this computer.</source>
        <translation>weak: leicht zu erraten (zxcvbn-Bewertung 0 oder 1); reused: dasselbe Passwort steht auf weiteren Karten außerhalb des Papierkorbs, die darauf folgen, Gruppe für Gruppe; old: seit über einem Jahr unverändert. Die Prüfung läuft auf diesem Computer.</translation>
    </message>
    <message>
        <source>--words makes a passphrase; --length, --no-symbols and --no-lookalikes are for passwords of characters</source>
        <translation>--words bildet eine Passphrase; --length, --no-symbols und --no-lookalikes gelten für Passwörter aus Zeichen</translation>
    </message>
    <message>
        <source>--separator goes with --words</source>
        <translation>--separator gehört zu --words</translation>
    </message>
    <message>
        <source>--words takes a number from %1 to %2</source>
        <translation>--words erwartet eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>--length takes a number from %1 to %2</source>
        <translation>--length erwartet eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>the word list cannot be read</source>
        <translation>die Wortliste kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>what goes between words, at most %1 characters (default &quot;%2&quot;)</source>
        <translation>was zwischen den Wörtern steht, höchstens %1 Zeichen (Vorgabe „%2“)</translation>
    </message>
    <message>
        <source>how many to print, 1 to %1 (default 1)</source>
        <translation>wie viele ausgegeben werden, 1 bis %1 (Vorgabe 1)</translation>
    </message>
    <message>
        <source>--count takes a number from 1 to %1</source>
        <translation>--count nimmt eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--separator takes at most %1 characters</source>
        <translation>--separator nimmt höchstens %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>PasswordGeneratorDialog</name>
    <message>
        <source>Password Generator</source>
        <translation>Passwortgenerator</translation>
    </message>
    <message>
        <source>Generate Another</source>
        <translation>Neu erzeugen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Upper case (A-Z)</source>
        <translation>Großbuchstaben (A-Z)</translation>
    </message>
    <message>
        <source>Lower case (a-z)</source>
        <translation>Kleinbuchstaben (a-z)</translation>
    </message>
    <message>
        <source>Digits (0-9)</source>
        <translation>Ziffern (0-9)</translation>
    </message>
    <message>
        <source>Symbols (!#$%&amp;&amp;*+-/?@...)</source>
        <translation>Sonderzeichen (!#$%&amp;&amp;*+-/?@...)</translation>
    </message>
    <message>
        <source>Leave out look-alikes (0 O 1 l I |)</source>
        <translation>Ähnliche Zeichen weglassen (0 O 1 l I |)</translation>
    </message>
    <message>
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>Capitalise each word</source>
        <translation>Wörter großschreiben</translation>
    </message>
    <message>
        <source>Words from the EFF large word list (7,776 words).</source>
        <translation>Wörter aus der großen Wortliste der EFF (7.776 Wörter).</translation>
    </message>
    <message>
        <source>Use Password</source>
        <translation>Passwort übernehmen</translation>
    </message>
    <message>
        <source>Choose at least one kind of character.</source>
        <translation>Wählen Sie mindestens eine Zeichenart.</translation>
    </message>
    <message>
        <source>Entropy: %1 bits</source>
        <translation>Entropie: %1 Bit</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>PasswordHealthDialog</name>
    <message>
        <source>Password Health</source>
        <translation>Passwortprüfung</translation>
    </message>
    <message>
        <source>Passwords that are easy to guess, used on more than one card, or unchanged for more than a year. The check runs on this computer only.</source>
        <translation>Passwörter, die leicht zu erraten sind, auf mehr als einer Karte verwendet werden oder seit über einem Jahr nicht geändert wurden. Die Prüfung läuft nur auf diesem Computer.</translation>
    </message>
    <message>
        <source>Weak passwords (%1)</source>
        <translation>Schwache Passwörter (%1)</translation>
    </message>
    <message>
        <source>Reused passwords (%1)</source>
        <translation>Mehrfach verwendete Passwörter (%1)</translation>
    </message>
    <message>
        <source>Unchanged for more than a year (%1)</source>
        <translation>Seit über einem Jahr unverändert (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Shared by %n cards</source>
        <translation>
            <numerusform>Auf %n Karte verwendet</numerusform>
            <numerusform>Auf %n Karten verwendet</numerusform>
        </translation>
    </message>
    <message>
        <source>Show Card</source>
        <translation>Karte anzeigen</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>the new password is empty</source>
        <translation>das neue Passwort ist leer</translation>
    </message>
    <message>
        <source>Repeat the new password: </source>
        <translation>Neues Passwort wiederholen: </translation>
    </message>
    <message>
        <source>the new password was not repeated</source>
        <translation>das neue Passwort wurde nicht wiederholt</translation>
    </message>
    <message>
        <source>the two new passwords differ</source>
        <translation>die beiden neuen Passwörter sind verschieden</translation>
    </message>
</context>
<context>
    <name>PasswordStrength</name>
    <message>
        <source>Very weak</source>
        <translation>Sehr schwach</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Sehr stark</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Automatically open last wallet on startup</source>
        <translation>Beim Start den zuletzt benutzten Tresor öffnen</translation>
    </message>
    <message>
        <source>Lock after inactivity:</source>
        <translation>Sperren nach Inaktivität:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Lock when the window is minimized</source>
        <translation>Sperren, wenn das Fenster minimiert wird</translation>
    </message>
    <message>
        <source>Clear copied values after:</source>
        <translation>Kopierte Werte löschen nach:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Tessera runs without its guard against a second window: %1.</source>
        <translation>Tessera läuft ohne seinen Schutz vor einem zweiten Fenster: %1.</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder that only you can enter</source>
        <translation>%1 ist kein Ordner, den nur Sie betreten können</translation>
    </message>
</context>
<context>
    <name>RecentWalletsMenu</name>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>Restore From Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The cards of the chosen backup replace the wallet&apos;s. The wallet as it is now is kept as a backup first.</source>
        <translation>Die Karten der gewählten Sicherung ersetzen die des Tresors. Der Tresor in seinem jetzigen Zustand wird zuvor als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>SearchEdit</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the Search</source>
        <translation>Suche leeren</translation>
    </message>
</context>
<context>
    <name>ServerSyncCommand</name>
    <message>
        <source>with a URL: the user name on the server</source>
        <translation>mit einer URL: der Benutzername auf dem Server</translation>
    </message>
    <message>
        <source>with a URL: accept the server&apos;s certificate, which the system does not trust, if its SHA-256 fingerprint is this one</source>
        <translation>mit einer URL: das Zertifikat des Servers, dem das System nicht vertraut, annehmen, wenn sein SHA-256-Fingerabdruck dieser ist</translation>
    </message>
    <message>
        <source>a URL needs --user NAME</source>
        <translation>eine URL braucht --user NAME</translation>
    </message>
    <message>
        <source>Password of %1 on %2: </source>
        <translation>Passwort von %1 auf %2: </translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>Password of the wallet copy on the server: </source>
        <translation>Passwort der Tresorkopie auf dem Server: </translation>
    </message>
    <message>
        <source>sync failed: %1</source>
        <translation>Synchronisation gescheitert: %1</translation>
    </message>
</context>
<context>
    <name>ServerSyncController</name>
    <message>
        <source>Sync With Server</source>
        <translation>Mit Server synchronisieren</translation>
    </message>
    <message>
        <source>Password of the wallet copy on the server:</source>
        <translation>Passwort der Tresorkopie auf dem Server:</translation>
    </message>
    <message>
        <source>Sync With Server…</source>
        <translation>Mit Server synchronisieren …</translation>
    </message>
    <message>
        <source>Not synced with %1: the app password is needed (Tools &gt; Sync With Server…). %2</source>
        <translation>Nicht mit %1 synchronisiert: das App-Passwort wird gebraucht (Extras &gt; Mit Server synchronisieren …). %2</translation>
    </message>
    <message>
        <source>The app password is kept in the desktop&apos;s keyring, never in a file. Without a keyring it is asked here each time the wallet is unlocked.</source>
        <translation>Das App-Passwort wird im Schlüsselbund der Arbeitsumgebung aufbewahrt, nie in einer Datei. Ohne Schlüsselbund wird es hier bei jedem Entsperren des Tresors erfragt.</translation>
    </message>
    <message>
        <source>No longer synced with a server</source>
        <translation>Nicht mehr mit einem Server synchronisiert</translation>
    </message>
    <message>
        <source>Unencrypted Connection</source>
        <translation>Unverschlüsselte Verbindung</translation>
    </message>
    <message>
        <source>The address starts with http://, so the app password crosses the network to %1 in the clear, where others can read it. Use https:// unless this network is entirely yours.</source>
        <translation>Die Adresse beginnt mit http://, also geht das App-Passwort im Klartext über das Netz zu %1, wo andere es lesen können. Verwenden Sie https://, außer dieses Netz gehört ganz Ihnen.</translation>
    </message>
    <message>
        <source>Send In The Clear</source>
        <translation>Im Klartext senden</translation>
    </message>
    <message>
        <source>Not synced with %1: %2</source>
        <translation>Nicht mit %1 synchronisiert: %2</translation>
    </message>
    <message>
        <source>Unknown Certificate</source>
        <translation>Unbekanntes Zertifikat</translation>
    </message>
    <message>
        <source>The system does not trust the certificate of %1. Trust it only if its SHA-256 fingerprint is the one the server&apos;s owner gave you:

%2</source>
        <translation>Das System vertraut dem Zertifikat von %1 nicht. Vertrauen Sie ihm nur, wenn sein SHA-256-Fingerabdruck der ist, den Ihnen der Betreiber des Servers genannt hat:

%2</translation>
    </message>
    <message>
        <source>Trust This Certificate</source>
        <translation>Diesem Zertifikat vertrauen</translation>
    </message>
    <message>
        <source>Synced with %1: %2, %3</source>
        <translation>Mit %1 synchronisiert: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) received</source>
        <translation>
            <numerusform>%n Karte empfangen</numerusform>
            <numerusform>%n Karten empfangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) sent</source>
        <translation>
            <numerusform>%n Karte gesendet</numerusform>
            <numerusform>%n Karten gesendet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ServerSyncDialog</name>
    <message>
        <source>Sync With Server</source>
        <translation>Mit Server synchronisieren</translation>
    </message>
    <message>
        <source>Keep this wallet in step with its copy on a WebDAV server, such as Nextcloud or ownCloud. Give the address of the file; for Nextcloud it is https://HOST/remote.php/dav/files/USER/FOLDER/wallet.tessera. Leave the address empty to stop syncing.</source>
        <translation>Diesen Tresor mit seiner Kopie auf einem WebDAV-Server wie Nextcloud oder ownCloud abgleichen. Geben Sie die Adresse der Datei an; bei Nextcloud lautet sie https://HOST/remote.php/dav/files/BENUTZER/ORDNER/wallet.tessera. Lassen Sie die Adresse leer, um die Synchronisation zu beenden.</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/files/ana/Tessera/wallet.tessera</source>
        <translation>https://cloud.example.org/remote.php/dav/files/ana/Tessera/wallet.tessera</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>App &amp;password:</source>
        <translation>App-&amp;Passwort:</translation>
    </message>
</context>
<context>
    <name>SessionView</name>
    <message>
        <source>The cards of &quot;%1&quot; cannot be read:</source>
        <translation>Die Karten von „%1“ können nicht gelesen werden:</translation>
    </message>
</context>
<context>
    <name>ShellWords</name>
    <message>
        <source>the line ends with a backslash</source>
        <translation>die Zeile endet mit einem Backslash</translation>
    </message>
    <message>
        <source>a quote %1 is not closed</source>
        <translation>ein Anführungszeichen %1 ist nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>%1 (in the card list)</source>
        <translation>%1 (in der Kartenliste)</translation>
    </message>
    <message>
        <source>%1 (in the search field)</source>
        <translation>%1 (im Suchfeld)</translation>
    </message>
</context>
<context>
    <name>StrengthMeter</name>
    <message>
        <source>zxcvbn estimates about %1 bits: the patterns and words it finds make the password easier to guess than its length suggests.</source>
        <translation>zxcvbn schätzt etwa %1 Bit: Die Muster und Wörter, die es findet, machen das Passwort leichter zu erraten, als seine Länge vermuten lässt.</translation>
    </message>
</context>
<context>
    <name>TemplateChooserDialog</name>
    <message>
        <source>Add Card</source>
        <translation>Karte hinzufügen</translation>
    </message>
    <message>
        <source>Filter templates</source>
        <translation>Vorlagen filtern</translation>
    </message>
</context>
<context>
    <name>TemplateListModel</name>
    <message>
        <source>Logins</source>
        <translation>Zugangsdaten</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Ausweise</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Reisen</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>The passwords could not be checked.</source>
        <translation>Die Passwörter konnten nicht geprüft werden.</translation>
    </message>
    <message>
        <source>About Tessera</source>
        <translation>Über Tessera</translation>
    </message>
    <message>
        <source>Tessera %1                        </source>
        <translation>Tessera %1                        </translation>
    </message>
    <message>
        <source>&lt;p&gt;A password wallet for one person.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; Corvale Software Systems.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Passwort-Tresor für eine Person.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; Corvale Software Systems.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>The manual is not installed. It was looked for in:
%1</source>
        <translation>Das Handbuch ist nicht installiert. Es wurde gesucht in:
%1</translation>
    </message>
</context>
<context>
    <name>TotpSetup</name>
    <message>
        <source>This is not an otpauth://totp/ link.</source>
        <translation>Dies ist kein otpauth://totp/-Link.</translation>
    </message>
    <message>
        <source>This otpauth:// link is not a valid URI.</source>
        <translation>Dieser otpauth://-Link ist keine gültige URI.</translation>
    </message>
    <message>
        <source>Unknown algorithm &quot;%1&quot;: it must be SHA1, SHA256 or SHA512.</source>
        <translation>Unbekannter Algorithmus „%1“: Zulässig sind SHA1, SHA256 und SHA512.</translation>
    </message>
    <message>
        <source>There is no secret key.</source>
        <translation>Es fehlt der geheime Schlüssel.</translation>
    </message>
    <message>
        <source>The secret key is not Base32: it may hold only the letters A to Z and the digits 2 to 7.</source>
        <translation>Der geheime Schlüssel ist nicht in Base32: Er darf nur die Buchstaben A bis Z und die Ziffern 2 bis 7 enthalten.</translation>
    </message>
    <message>
        <source>A code has 6, 7 or 8 digits.</source>
        <translation>Ein Code hat 6, 7 oder 8 Stellen.</translation>
    </message>
    <message>
        <source>The period must be a whole number of seconds, at least 1.</source>
        <translation>Das Intervall muss eine ganze Zahl von Sekunden sein, mindestens 1.</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>warning: the output holds every secret of %1 in the clear</source>
        <translation>Warnung: Die Ausgabe enthält jedes Geheimnis von %1 im Klartext</translation>
    </message>
    <message>
        <source>Write every card out for another program: every secret in the clear.</source>
        <translation>Alle Karten für ein anderes Programm ausgeben: jedes Geheimnis im Klartext.</translation>
    </message>
    <message>
        <source>json, keepass or csv</source>
        <translation>json, keepass oder csv</translation>
    </message>
    <message>
        <source>the file to write instead of standard output</source>
        <translation>die Datei, in die statt auf die Standardausgabe geschrieben wird</translation>
    </message>
    <message>
        <source>rescue what can be read of a damaged wallet</source>
        <translation>retten, was sich von einem beschädigten Tresor lesen lässt</translation>
    </message>
    <message>
        <source>no backup could be kept: %1</source>
        <translation>es konnte keine Sicherung angelegt werden: %1</translation>
    </message>
    <message>
        <source>not a readable %1 export: %2</source>
        <translation>kein lesbarer %1-Export: %2</translation>
    </message>
    <message>
        <source>--salvage writes to standard output only</source>
        <translation>--salvage schreibt nur auf die Standardausgabe</translation>
    </message>
    <message>
        <source>card #%1 cannot be read and is left out</source>
        <translation>Karte #%1 kann nicht gelesen werden und wird ausgelassen</translation>
    </message>
    <message>
        <source>card #%1 &quot;%2&quot; cannot be read and is left out</source>
        <translation>Karte #%1 „%2“ kann nicht gelesen werden und wird ausgelassen</translation>
    </message>
    <message>
        <source>json (the default) is {&quot;cards&quot;: [...]}, every row in row order, trashed ones flagged;
times are whole seconds since 1970 UTC. keepass is a KeePass 2 XML export that KeePass and
KeePassXC import, the trashed cards in its Recycle Bin group, and that `tessera-cli import`
reads back into the same cards. csv has the columns Title,Username,Password,URL,Notes,Type
for the live cards, other fields added to the notes.
The export goes to standard output, or with --output to a file only its owner can read.
A pipe, a terminal or a device given as FILE is written into as it is.
A wallet with unreadable cards or damaged pages is refused, unless --salvage is given: then
every card that can be read is written, the others and the damage are named on standard
error, and the exit code is 3.</source>
        <translation>json (die Vorgabe) ist {&quot;cards&quot;: [...]}, jede Zeile in Zeilenreihenfolge, Karten im Papierkorb
markiert; Zeiten sind ganze Sekunden seit 1970 UTC. keepass ist ein KeePass-2-XML-Export, den
KeePass und KeePassXC importieren, mit den Karten im Papierkorb in der Gruppe „Recycle Bin“, und
den `tessera-cli import` wieder in dieselben Karten einliest. csv hat die Spalten
Title,Username,Password,URL,Notes,Type für die Karten außerhalb des Papierkorbs; weitere Felder
kommen in die Notizen.
Der Export geht auf die Standardausgabe oder mit --output in eine Datei, die nur ihr Eigentümer
lesen kann. Eine Pipe, ein Terminal oder ein Gerät als FILE wird so beschrieben, wie es ist.
Ein Tresor mit unlesbaren Karten oder beschädigten Seiten wird abgelehnt, außer mit --salvage:
Dann wird jede lesbare Karte geschrieben, die übrigen und der Schaden werden auf der
Standardfehlerausgabe genannt, und der Rückgabewert ist 3.</translation>
    </message>
    <message>
        <source>%1; cards on the damaged pages may be missing</source>
        <translation>%1; Karten auf den beschädigten Seiten fehlen möglicherweise</translation>
    </message>
    <message>
        <source>the export&apos;s format, when its content should not decide</source>
        <translation>das Format des Exports, wenn nicht sein Inhalt entscheiden soll</translation>
    </message>
    <message>
        <source>Import another password manager&apos;s or browser&apos;s export and print what was added.</source>
        <translation>Den Export eines anderen Passwortmanagers oder Browsers importieren und ausgeben, was hinzukam.</translation>
    </message>
    <message>
        <source>The format is told from the file&apos;s content, or named with --format, one of
%1.
Typed items (credit cards, identities, secure notes of a type) become cards of the matching
template; values a card has no field for become extra fields, and items in the export&apos;s trash
go to the trash. An item identical to a card of the wallet is skipped, so importing a file
twice adds nothing. A file that cannot be read completely adds nothing; rows that make no card
are named on standard error. The summary reads &quot;imported N, skipped D duplicates, T into the
trash, extra fields kept E, rows not understood R&quot;. The older form
`import WALLET keepassx|keepass|psafe FILE` names the format before the file.</source>
        <translation>Das Format wird am Inhalt der Datei erkannt oder mit --format angegeben, eines von
%1.
Typisierte Einträge (Kreditkarten, Identitäten, typisierte sichere Notizen) werden Karten der
passenden Vorlage; Werte ohne eigenes Feld werden zusätzliche Felder, und Einträge im Papierkorb
des Exports kommen in den Papierkorb. Ein Eintrag, der einer Karte des Tresors gleicht, wird
übersprungen, sodass ein zweiter Import derselben Datei nichts hinzufügt. Eine Datei, die nicht
vollständig gelesen werden kann, fügt nichts hinzu; Zeilen, die keine Karte ergeben, werden auf der
Standardfehlerausgabe genannt. Die Zusammenfassung lautet „imported N, skipped D duplicates,
T into the trash, extra fields kept E, rows not understood R“. Die ältere Form
`import WALLET keepassx|keepass|psafe FILE` nennt das Format vor der Datei.</translation>
    </message>
    <message>
        <source>the format is named twice</source>
        <translation>das Format ist zweimal angegeben</translation>
    </message>
    <message>
        <source>the format cannot be told from the content; name it with --format</source>
        <translation>das Format ist am Inhalt nicht zu erkennen; geben Sie es mit --format an</translation>
    </message>
</context>
<context>
    <name>TrashCommands</name>
    <message>
        <source>Move a card to the trash.</source>
        <translation>Eine Karte in den Papierkorb verschieben.</translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one live card.</source>
        <translation>CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte außerhalb des Papierkorbs.</translation>
    </message>
    <message>
        <source>Bring a card back from the trash.</source>
        <translation>Eine Karte aus dem Papierkorb zurückholen.</translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one trashed card. The card gets the current
time, so that a merge with another copy brings it back there too.</source>
        <translation>CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte im Papierkorb. Die Karte erhält
die aktuelle Zeit, damit ein Zusammenführen mit einer anderen Kopie sie auch dort zurückholt.</translation>
    </message>
    <message>
        <source>Delete a trashed card for ever, or without CARD every card in the trash.</source>
        <translation>Eine Karte im Papierkorb endgültig löschen oder, ohne CARD, alle Karten im Papierkorb.</translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one trashed card. A card deleted for ever
comes back from a merge only into the trash, when the other copy still has it.</source>
        <translation>CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte im Papierkorb. Eine endgültig
gelöschte Karte kommt durch ein Zusammenführen nur in den Papierkorb zurück, wenn die andere Kopie
sie noch hat.</translation>
    </message>
</context>
<context>
    <name>TrashController</name>
    <message>
        <source>The card &quot;%1&quot; could not be restored.</source>
        <translation>Die Karte „%1“ konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Delete Forever</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>Delete the card &quot;%1&quot; for ever? This cannot be undone.</source>
        <translation>Die Karte „%1“ endgültig löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; could not be deleted.</source>
        <translation>Die Karte „%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The trash could not be read.</source>
        <translation>Der Papierkorb konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Empty Trash</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>The trash is empty.</source>
        <translation>Der Papierkorb ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n card(s) in the trash for ever? This cannot be undone.</source>
        <translation>
            <numerusform>Die %n Karte im Papierkorb endgültig löschen? Das lässt sich nicht rückgängig machen.</numerusform>
            <numerusform>Die %n Karten im Papierkorb endgültig löschen? Das lässt sich nicht rückgängig machen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The trash could not be emptied.</source>
        <translation>Der Papierkorb konnte nicht geleert werden.</translation>
    </message>
</context>
<context>
    <name>UnlockJob</name>
    <message>
        <source>%1. Try again!</source>
        <translation>%1. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>UnlockView</name>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>This wallet is locked. Enter its password to unlock it.</source>
        <translation>Dieser Tresor ist gesperrt. Geben Sie sein Passwort ein, um ihn zu entsperren.</translation>
    </message>
    <message>
        <source>Unlocking…</source>
        <translation>Wird entsperrt …</translation>
    </message>
    <message>
        <source>The key file this wallet requires besides its password, if any</source>
        <translation>Die Schlüsseldatei, die dieser Tresor neben seinem Passwort verlangt, falls er eine verlangt</translation>
    </message>
    <message>
        <source>Open Another Wallet…</source>
        <translation>Anderen Tresor öffnen …</translation>
    </message>
</context>
<context>
    <name>UpgradeBar</name>
    <message>
        <source>This wallet uses the older format the phone app reads, which is far weaker against a stolen copy.</source>
        <translation>Dieser Tresor verwendet das ältere Format, das die Telefon-App liest und das gegen eine gestohlene Kopie weit schwächer ist.</translation>
    </message>
    <message>
        <source>Upgrade…</source>
        <translation>Umwandeln …</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>WalletAccess</name>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>the key file the wallet requires besides its password</source>
        <translation>die Schlüsseldatei, die der Tresor neben seinem Passwort verlangt</translation>
    </message>
</context>
<context>
    <name>WalletBackups</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be moved to %2</source>
        <translation>%1 kann nicht nach %2 verschoben werden</translation>
    </message>
    <message>
        <source>%1 is a link of another user</source>
        <translation>%1 ist eine Verknüpfung eines anderen Benutzers</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made private</source>
        <translation>der Ordner %1 kann nicht privat gemacht werden</translation>
    </message>
</context>
<context>
    <name>WalletCommands</name>
    <message>
        <source>Create a new wallet; its password is asked twice.</source>
        <translation>Einen neuen Tresor anlegen; sein Passwort wird zweimal erfragt.</translation>
    </message>
    <message>
        <source>Change the password: the old one is asked once, the new one twice.</source>
        <translation>Das Passwort ändern: Das alte wird einmal erfragt, das neue zweimal.</translation>
    </message>
    <message>
        <source>file exists; a new wallet needs a new name</source>
        <translation>Datei existiert; ein neuer Tresor braucht einen neuen Namen</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>kein solcher Ordner</translation>
    </message>
    <message>
        <source>Password for the new wallet %1: </source>
        <translation>Passwort für den neuen Tresor %1: </translation>
    </message>
    <message>
        <source>New password for %1: </source>
        <translation>Neues Passwort für %1: </translation>
    </message>
    <message>
        <source>Print what WALLET is: ok, newer, invalid, unsupported, locked or damaged.</source>
        <translation>Ausgeben, was WALLET ist: ok, newer, invalid, unsupported, locked oder damaged.</translation>
    </message>
    <message>
        <source>Asks no password, and reads every page of the file. The exit code is 0 only for ok.</source>
        <translation>Fragt nach keinem Passwort und liest jede Seite der Datei. Der Rückgabewert ist nur bei ok 0.</translation>
    </message>
    <message>
        <source>no backup could be kept: %1</source>
        <translation>es konnte keine Sicherung angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1; the old password is still in force</source>
        <translation>%1; das alte Passwort gilt weiterhin</translation>
    </message>
    <message>
        <source>Tessera wallet (*.tessera);;All files (*)</source>
        <translation>Tessera-Tresor (*.tessera);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Wallet</source>
        <translation>Tresor öffnen</translation>
    </message>
    <message>
        <source>Invalid Wallet</source>
        <translation>Ungültiger Tresor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid Tessera wallet.</source>
        <translation>„%1“ ist kein gültiger Tessera-Tresor.</translation>
    </message>
    <message>
        <source>Newer Wallet</source>
        <translation>Neuerer Tresor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a newer Tessera wallet. Please update your copy of Tessera.</source>
        <translation>„%1“ ist ein neuerer Tessera-Tresor. Bitte aktualisieren Sie Tessera.</translation>
    </message>
    <message>
        <source>Unsupported Wallet</source>
        <translation>Nicht unterstützter Tresor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an older wallet that this version of Tessera doesn&apos;t support. Please update your phone application to the latest version.</source>
        <translation>„%1“ ist ein älterer Tresor, den diese Version von Tessera nicht unterstützt. Bitte aktualisieren Sie die App auf Ihrem Telefon auf die neueste Version.</translation>
    </message>
    <message>
        <source>Locked Wallet</source>
        <translation>Gesperrter Tresor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked and can&apos;t be opened.</source>
        <translation>„%1“ ist gesperrt und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot Open Wallet</source>
        <translation>Tresor kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Save New Wallet</source>
        <translation>Neuen Tresor speichern</translation>
    </message>
    <message>
        <source>Could not create the wallet in &quot;%1&quot;. Either you may not write to that folder or it is on a read-only file system.</source>
        <translation>Der Tresor konnte nicht in „%1“ angelegt werden. Entweder dürfen Sie in diesen Ordner nicht schreiben, oder er liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>Could not replace &quot;%1&quot;.</source>
        <translation>„%1“ konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>Save a Copy</source>
        <translation>Kopie speichern</translation>
    </message>
    <message>
        <source>Could not save a copy of the wallet in &quot;%1&quot;. Either you may not write to that folder or it is on a read-only file system.</source>
        <translation>Die Kopie des Tresors konnte nicht in „%1“ gespeichert werden. Entweder dürfen Sie in diesen Ordner nicht schreiben, oder er liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>card #%1</source>
        <translation>Karte #%1</translation>
    </message>
    <message>
        <source>Damaged Cards Left Out</source>
        <translation>Beschädigte Karten ausgelassen</translation>
    </message>
    <message>
        <source>The copy &quot;%1&quot; holds every card that could be read. These cards are damaged and were left out: %2.</source>
        <translation>Die Kopie „%1“ enthält alle Karten, die gelesen werden konnten. Diese Karten sind beschädigt und wurden ausgelassen: %2.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be imported completely as a %2 export: %3.</source>
        <translation>„%1“ konnte nicht vollständig als %2-Export importiert werden: %3.</translation>
    </message>
    <message>
        <source>memory of the key derivation in MiB, %1 to %2 (default %3); low values are for tests only and weaken the wallet</source>
        <translation>Speicher der Schlüsselableitung in MiB, %1 bis %2 (Vorgabe %3); niedrige Werte sind nur für Tests und schwächen den Tresor</translation>
    </message>
    <message>
        <source>passes of the key derivation, %1 to %2 (default %3); low values are for tests only and weaken the wallet</source>
        <translation>Durchläufe der Schlüsselableitung, %1 bis %2 (Vorgabe %3); niedrige Werte sind nur für Tests und schwächen den Tresor</translation>
    </message>
    <message>
        <source>--kdf-memory and --kdf-iterations are for the hardened format</source>
        <translation>--kdf-memory und --kdf-iterations gelten nur für das gehärtete Format</translation>
    </message>
    <message>
        <source>--kdf-memory takes a number from %1 to %2</source>
        <translation>--kdf-memory nimmt eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>--kdf-iterations takes a number from %1 to %2</source>
        <translation>--kdf-iterations nimmt eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>the hardened format (version %1)</source>
        <translation>dem gehärteten Format (Version %1)</translation>
    </message>
    <message>
        <source>the compatible format (version %1)</source>
        <translation>dem kompatiblen Format (Version %1)</translation>
    </message>
    <message>
        <source>version 2, which the phone application reads, instead of the hardened version 3</source>
        <translation>Version 2, die die Telefon-App liest, statt der gehärteten Version 3</translation>
    </message>
    <message>
        <source>a key file the wallet is to require besides its password; made when FILE does not exist</source>
        <translation>eine Schlüsseldatei, die der Tresor neben seinem Passwort verlangen soll; angelegt, wenn FILE nicht existiert</translation>
    </message>
    <message>
        <source>WALLET must not exist yet. A new wallet has the hardened format (version 3): its key is derived
with Argon2id, 3 passes over 256 MiB unless told otherwise, and each card is sealed with
XChaCha20-Poly1305. --compatible makes version 2 instead, which the phone application reads but
which guards the cards less well and cannot require a key file.</source>
        <translation>WALLET darf noch nicht existieren. Ein neuer Tresor hat das gehärtete Format (Version 3): sein Schlüssel
wird mit Argon2id abgeleitet, 3 Durchläufe über 256 MiB, sofern nicht anders angegeben, und jede Karte
wird mit XChaCha20-Poly1305 versiegelt. --compatible legt stattdessen Version 2 an, die die Telefon-App
liest, die die Karten aber schwächer schützt und keine Schlüsseldatei verlangen kann.</translation>
    </message>
    <message>
        <source>Print WALLET&apos;s format and key settings, tab-separated, without asking its password.</source>
        <translation>Format und Schlüsseleinstellungen von WALLET tabulatorgetrennt ausgeben, ohne sein Passwort zu erfragen.</translation>
    </message>
    <message>
        <source>The lines are format (2 or 3), kdf (pbkdf2-sha256 or argon2id), iterations, memory-mib
(version 3 only), key-file (required or none) and cards (the live cards).</source>
        <translation>Die Zeilen sind format (2 oder 3), kdf (pbkdf2-sha256 oder argon2id), iterations, memory-mib
(nur Version 3), key-file (required oder none) und cards (die Karten außerhalb des Papierkorbs).</translation>
    </message>
    <message>
        <source>require this key file from now on; made when FILE does not exist</source>
        <translation>von nun an diese Schlüsseldatei verlangen; angelegt, wenn FILE nicht existiert</translation>
    </message>
    <message>
        <source>require no key file from now on</source>
        <translation>von nun an keine Schlüsseldatei verlangen</translation>
    </message>
    <message>
        <source>The wallet keeps its format and key settings; a version-3 wallet gets a new master key. It
keeps the key file it requires unless told otherwise; only version 3 can require one. WALLET
is backed up first.</source>
        <translation>Der Tresor behält sein Format und seine Schlüsseleinstellungen; ein Tresor der Version 3 erhält einen
neuen Hauptschlüssel. Er behält die verlangte Schlüsseldatei, sofern nicht anders angegeben; nur
Version 3 kann eine verlangen. Von WALLET wird zuvor eine Sicherung angelegt.</translation>
    </message>
    <message>
        <source>to the hardened format, version 3</source>
        <translation>in das gehärtete Format, Version 3</translation>
    </message>
    <message>
        <source>to the compatible format, version 2, which the phone application reads</source>
        <translation>in das kompatible Format, Version 2, das die Telefon-App liest</translation>
    </message>
    <message>
        <source>Convert WALLET in place to the other format, under the same password and key file.</source>
        <translation>WALLET an Ort und Stelle in das andere Format umwandeln, mit demselben Passwort und derselben Schlüsseldatei.</translation>
    </message>
    <message>
        <source>Every card keeps its identity, time and trash state. WALLET is backed up first, and a failure
leaves it as it was. A wallet that requires a key file cannot become version 2.</source>
        <translation>Jede Karte behält ihre Identität, ihre Zeit und ihren Papierkorb-Zustand. Von WALLET wird zuvor eine
Sicherung angelegt, und ein Fehler lässt ihn, wie er war. Ein Tresor, der eine Schlüsseldatei
verlangt, kann nicht Version 2 werden.</translation>
    </message>
    <message>
        <source>a wallet of the compatible format cannot require a key file</source>
        <translation>ein Tresor im kompatiblen Format kann keine Schlüsseldatei verlangen</translation>
    </message>
    <message>
        <source>--new-key-file and --no-key-file exclude each other</source>
        <translation>--new-key-file und --no-key-file schließen einander aus</translation>
    </message>
    <message>
        <source>give one of --hardened and --compatible</source>
        <translation>geben Sie --hardened oder --compatible an</translation>
    </message>
    <message>
        <source>already in %1; nothing changed</source>
        <translation>bereits in %1; nichts geändert</translation>
    </message>
    <message>
        <source>%1; the wallet is as it was</source>
        <translation>%1; der Tresor ist unverändert</translation>
    </message>
    <message>
        <source>%1, iterations %2, memory %3 MiB</source>
        <translation>%1, Durchläufe %2, Speicher %3 MiB</translation>
    </message>
    <message>
        <source>%1, iterations %2</source>
        <translation>%1, Durchläufe %2</translation>
    </message>
    <message>
        <source>converted %1 to %2: %3
</source>
        <translation>%1 umgewandelt in %2: %3
</translation>
    </message>
    <message>
        <source>Could not create the wallet &quot;%1&quot;:</source>
        <translation>Der Tresor „%1“ konnte nicht angelegt werden:</translation>
    </message>
    <message>
        <source>Could not open the wallet &quot;%1&quot;:</source>
        <translation>Der Tresor „%1“ konnte nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>Could not save a copy of the wallet to &quot;%1&quot;:</source>
        <translation>Die Kopie des Tresors konnte nicht unter „%1“ gespeichert werden:</translation>
    </message>
    <message>
        <source>Wallet Security…</source>
        <translation>Tresor-Sicherheit …</translation>
    </message>
    <message>
        <source>Could not create the wallet &quot;%1&quot;: %2.</source>
        <translation>Der Tresor „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>„%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>Import an Export of Another Program</source>
        <translation>Export eines anderen Programms importieren</translation>
    </message>
    <message>
        <source>Exports (*.csv *.json *.xml);;All files (*)</source>
        <translation>Exporte (*.csv *.json *.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported: %2.</source>
        <translation>„%1“ kann nicht importiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>WalletError</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>not a Tessera wallet</source>
        <translation>kein Tessera-Tresor</translation>
    </message>
    <message>
        <source>newer wallet version; update Tessera to open it</source>
        <translation>neuere Tresor-Version; aktualisieren Sie Tessera, um ihn zu öffnen</translation>
    </message>
    <message>
        <source>unsupported (older) wallet version</source>
        <translation>nicht unterstützte (ältere) Tresor-Version</translation>
    </message>
    <message>
        <source>the wallet is in use by another program</source>
        <translation>der Tresor wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
    <message>
        <source>damaged wallet</source>
        <translation>beschädigter Tresor</translation>
    </message>
    <message>
        <source>file is read-only</source>
        <translation>Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot write the wallet</source>
        <translation>der Tresor kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the password was changed by another program; open the wallet again</source>
        <translation>das Passwort wurde von einem anderen Programm geändert; öffnen Sie den Tresor erneut</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the card is no longer in the wallet; another program deleted or moved it</source>
        <translation>die Karte ist nicht mehr im Tresor; ein anderes Programm hat sie gelöscht oder verschoben</translation>
    </message>
    <message>
        <source>cannot read the backup</source>
        <translation>die Sicherung kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot write the backup</source>
        <translation>die Sicherung kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>wrong password or key file</source>
        <translation>falsches Passwort oder falsche Schlüsseldatei</translation>
    </message>
    <message>
        <source>cannot reach the server</source>
        <translation>der Server ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the server refused</source>
        <translation>der Server hat abgelehnt</translation>
    </message>
    <message>
        <source>the connection to the server cannot be trusted</source>
        <translation>der Verbindung zum Server kann nicht vertraut werden</translation>
    </message>
</context>
<context>
    <name>WalletFileCopy</name>
    <message>
        <source>the wallet has changes not yet saved</source>
        <translation>der Tresor hat noch nicht gespeicherte Änderungen</translation>
    </message>
    <message>
        <source>the wallet is closed</source>
        <translation>der Tresor ist geschlossen</translation>
    </message>
    <message>
        <source>the wallet file cannot be read</source>
        <translation>die Tresordatei kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>WalletProbe</name>
    <message>
        <source>no identity row</source>
        <translation>keine Zeile in der Tabelle Identity</translation>
    </message>
    <message>
        <source>the version is not a number</source>
        <translation>die Version ist keine Zahl</translation>
    </message>
    <message>
        <source>the password check values are damaged</source>
        <translation>die Prüfwerte des Passworts sind beschädigt</translation>
    </message>
    <message>
        <source>more than one identity row</source>
        <translation>mehr als eine Zeile in der Tabelle Identity</translation>
    </message>
    <message>
        <source>the table of cards is missing</source>
        <translation>die Tabelle der Karten fehlt</translation>
    </message>
    <message>
        <source>a write was interrupted and cannot be rolled back without write access</source>
        <translation>ein Schreibvorgang wurde unterbrochen und lässt sich ohne Schreibrecht nicht zurücknehmen</translation>
    </message>
    <message>
        <source>the key settings do not match their check value</source>
        <translation>die Schlüsseleinstellungen passen nicht zu ihrem Prüfwert</translation>
    </message>
    <message>
        <source>unknown version %1</source>
        <translation>unbekannte Version %1</translation>
    </message>
</context>
<context>
    <name>WalletSecurityDialog</name>
    <message>
        <source>Wallet Security</source>
        <translation>Tresor-Sicherheit</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Key derivation:</source>
        <translation>Schlüsselableitung:</translation>
    </message>
    <message>
        <source>Key file:</source>
        <translation>Schlüsseldatei:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Hardened (version %1)</source>
        <translation>Gehärtet (Version %1)</translation>
    </message>
    <message>
        <source>Argon2id, %1 passes over %2 MiB</source>
        <translation>Argon2id, %1 Durchläufe über %2 MiB</translation>
    </message>
    <message>
        <source>The phone app cannot open this wallet. A wallet that requires a key file cannot be converted to the phone app&apos;s format.</source>
        <translation>Die Telefon-App kann diesen Tresor nicht öffnen. Ein Tresor, der eine Schlüsseldatei verlangt, lässt sich nicht in das Format der Telefon-App umwandeln.</translation>
    </message>
    <message>
        <source>The phone app cannot open this wallet. Convert it only if the phone app must open the file: its format is far weaker against a stolen copy.</source>
        <translation>Die Telefon-App kann diesen Tresor nicht öffnen. Wandeln Sie ihn nur um, wenn die Telefon-App die Datei öffnen muss: Ihr Format ist gegen eine gestohlene Kopie weit schwächer.</translation>
    </message>
    <message>
        <source>Convert to the Phone App&apos;s Format</source>
        <translation>In das Format der Telefon-App umwandeln</translation>
    </message>
    <message>
        <source>Readable by the phone app (version %1)</source>
        <translation>Für die Telefon-App lesbar (Version %1)</translation>
    </message>
    <message>
        <source>PBKDF2-SHA256, %1 iterations</source>
        <translation>PBKDF2-SHA256, %1 Iterationen</translation>
    </message>
    <message>
        <source>This format, which the phone app reads, is far weaker against a stolen copy. The hardened format makes every guess at the password cost %1 MiB of memory and much more time; the phone app cannot open it.</source>
        <translation>Dieses Format, das die Telefon-App liest, ist gegen eine gestohlene Kopie weit schwächer. Im gehärteten Format kostet jeder Versuch, das Passwort zu erraten, %1 MiB Speicher und viel mehr Zeit; die Telefon-App kann es nicht öffnen.</translation>
    </message>
    <message>
        <source>Upgrade to the Hardened Format</source>
        <translation>In das gehärtete Format umwandeln</translation>
    </message>
    <message>
        <source>Required besides the password</source>
        <translation>Neben dem Passwort erforderlich</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>The wallet could not be converted:</source>
        <translation>Der Tresor konnte nicht umgewandelt werden:</translation>
    </message>
    <message>
        <source>Converted to the hardened format. A backup of the wallet as it was is kept (File &gt; Restore From Backup…).</source>
        <translation>In das gehärtete Format umgewandelt. Eine Sicherung des Tresors, wie er war, wird aufbewahrt (Datei &gt; Aus Sicherung wiederherstellen …).</translation>
    </message>
    <message>
        <source>Converted to the phone app&apos;s format. A backup of the wallet as it was is kept (File &gt; Restore From Backup…).</source>
        <translation>In das Format der Telefon-App umgewandelt. Eine Sicherung des Tresors, wie er war, wird aufbewahrt (Datei &gt; Aus Sicherung wiederherstellen …).</translation>
    </message>
</context>
<context>
    <name>WebDavClient</name>
    <message>
        <source>%1 is not the address of a file on a WebDAV server (https://…/wallet.tessera)</source>
        <translation>%1 ist nicht die Adresse einer Datei auf einem WebDAV-Server (https://…/wallet.tessera)</translation>
    </message>
    <message>
        <source>plain http would send the password to %1 in the clear; use https</source>
        <translation>unverschlüsseltes http würde das Passwort im Klartext an %1 senden; verwenden Sie https</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the system does not trust its certificate, whose SHA-256 fingerprint is %1</source>
        <translation>das System vertraut seinem Zertifikat nicht, dessen SHA-256-Fingerabdruck %1 ist</translation>
    </message>
    <message>
        <source>its certificate changed since you accepted it; the SHA-256 fingerprint is now %1</source>
        <translation>sein Zertifikat hat sich geändert, seit Sie es angenommen haben; der SHA-256-Fingerabdruck ist jetzt %1</translation>
    </message>
    <message>
        <source>wrong user name or password; check the app password</source>
        <translation>falscher Benutzername oder falsches Passwort; prüfen Sie das App-Passwort</translation>
    </message>
    <message>
        <source>no permission for %1</source>
        <translation>keine Berechtigung für %1</translation>
    </message>
    <message>
        <source>the folder of %1 does not exist</source>
        <translation>der Ordner von %1 existiert nicht</translation>
    </message>
    <message>
        <source>no such file or folder: %1</source>
        <translation>keine solche Datei und kein solcher Ordner: %1</translation>
    </message>
    <message>
        <source>no room left on the server</source>
        <translation>auf dem Server ist kein Platz mehr</translation>
    </message>
    <message>
        <source>server error %1</source>
        <translation>Serverfehler %1</translation>
    </message>
    <message>
        <source>answer %1</source>
        <translation>Antwort %1</translation>
    </message>
</context>
<context>
    <name>WebDavSync</name>
    <message>
        <source>the server gives no ETag, so an upload could replace a newer copy</source>
        <translation>der Server liefert kein ETag, also könnte ein Hochladen eine neuere Kopie ersetzen</translation>
    </message>
    <message>
        <source>the copy on the server kept changing; try again later</source>
        <translation>die Kopie auf dem Server hat sich ständig geändert; versuchen Sie es später noch einmal</translation>
    </message>
    <message>
        <source>the copy on the server has another password</source>
        <translation>die Kopie auf dem Server hat ein anderes Passwort</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Welcome to Tessera</source>
        <translation>Willkommen bei Tessera</translation>
    </message>
    <message>
        <source>A wallet keeps your cards (logins, cards, notes) in one file, encrypted under one password.</source>
        <translation>Ein Tresor bewahrt Ihre Karten (Zugangsdaten, Zahlungskarten, Notizen) in einer Datei auf, verschlüsselt unter einem Passwort.</translation>
    </message>
    <message>
        <source>Create New Wallet…</source>
        <translation>Neuen Tresor anlegen …</translation>
    </message>
    <message>
        <source>Open Wallet…</source>
        <translation>Tresor öffnen …</translation>
    </message>
    <message>
        <source>Import From Another Manager…</source>
        <translation>Aus anderem Passwort-Manager importieren …</translation>
    </message>
    <message>
        <source>Create a new wallet and fill it from another password manager&apos;s export</source>
        <translation>Einen neuen Tresor anlegen und mit dem Export eines anderen Passwort-Managers füllen</translation>
    </message>
    <message>
        <source>Take the selected wallet off this list; its file stays where it is</source>
        <translation>Den gewählten Tresor von dieser Liste nehmen; seine Datei bleibt, wo sie ist</translation>
    </message>
    <message>
        <source>&amp;Recent wallets:</source>
        <translation>&amp;Zuletzt geöffnete Tresore:</translation>
    </message>
    <message>
        <source>%1 (not found)</source>
        <translation>%1 (nicht gefunden)</translation>
    </message>
    <message>
        <source>%1 is not there any more. Forget it to take it off the list.</source>
        <translation>%1 ist nicht mehr vorhanden. Vergessen Sie ihn, um ihn von der Liste zu nehmen.</translation>
    </message>
    <message>
        <source>Wallets you open are listed here.</source>
        <translation>Hier stehen die Tresore, die Sie öffnen.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A password wallet for one person.</source>
        <translation>Ein Passwort-Tresor für eine Person.</translation>
    </message>
    <message>
        <source>The wallet to open.</source>
        <translation>Der zu öffnende Tresor.</translation>
    </message>
</context>
</TS>
