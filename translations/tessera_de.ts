<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardEdits</name>
    <message>
        <source>card %1 is in the trash</source>
        <translation>Karte %1 liegt im Papierkorb</translation>
    </message>
    <message>
        <source>Add a card made from a template and print its uuid.</source>
        <translation>Eine Karte aus einer Vorlage hinzufügen und ihre UUID ausgeben.</translation>
    </message>
    <message>
        <source>TEMPLATE is a key that `tessera-cli templates` lists; each LABEL names one of its fields.</source>
        <translation>TEMPLATE ist ein Schlüssel, den `tessera-cli templates` auflistet; jedes LABEL benennt eines ihrer Felder.</translation>
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
        <source>Move a card to the trash.</source>
        <translation>Eine Karte in den Papierkorb verschieben.</translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one live card.</source>
        <translation>CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte außerhalb des Papierkorbs.</translation>
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
        <source>cannot write the card</source>
        <translation>die Karte kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--icon takes a number from 0 to %1</source>
        <translation>--icon erwartet eine Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>cannot read the card</source>
        <translation>die Karte kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: nothing changed</source>
        <translation>%1: nichts geändert</translation>
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
        <source>cannot read the card</source>
        <translation>die Karte kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot read the built-in templates</source>
        <translation>die eingebauten Vorlagen können nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CardSelector</name>
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
        <source>The password could not be changed. The old password is still in force.</source>
        <translation>Das Passwort konnte nicht geändert werden. Das alte Passwort gilt weiterhin.</translation>
    </message>
    <message>
        <source>Applying changes...</source>
        <translation>Die Änderungen werden übernommen …</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
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
        <source>
CARD is a row id, a uuid, or the exact title of one live card.
Passwords are read from the terminal without echo; when standard input is not a terminal,
one line per password in the order they are asked.
Exit codes: 0 success, 1 failure, 2 usage error.
`tessera-cli COMMAND --help` shows the details of a command.
</source>
        <translation>
CARD ist eine Zeilen-ID, eine UUID oder der genaue Titel einer Karte außerhalb des Papierkorbs.
Passwörter werden ohne Echo vom Terminal gelesen; ist die Standardeingabe kein Terminal,
eine Zeile je Passwort in der Reihenfolge, in der sie erfragt werden.
Rückgabewerte: 0 Erfolg, 1 Fehler, 2 falscher Aufruf.
`tessera-cli BEFEHL --help` erklärt einen Befehl im Einzelnen.
</translation>
    </message>
</context>
<context>
    <name>DetailView</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation>Anzeigen/Verbergen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
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
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>&quot;%1&quot; is not of the form LABEL=VALUE</source>
        <translation>„%1“ hat nicht die Form LABEL=WERT</translation>
    </message>
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
    <name>IconChooserDialog</name>
    <message>
        <source>Choose Icon</source>
        <translation>Symbol auswählen</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>%1: %2 (usage: %3)</source>
        <translation>%1: %2 (Aufruf: %3)</translation>
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
        <source>Invalid password. Try again!</source>
        <translation>Falsches Passwort. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Loading the database...</source>
        <translation>Die Datenbank wird geladen …</translation>
    </message>
    <message>
        <source>Please enter the password of the Tessera database &quot;%1&quot;.</source>
        <translation>Bitte geben Sie das Passwort der Tessera-Datenbank „%1“ ein.</translation>
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
        <source>New Database</source>
        <translation>Neue Datenbank</translation>
    </message>
    <message>
        <source>Create New Database</source>
        <translation>Neue Datenbank anlegen</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Datenbank öffnen</translation>
    </message>
    <message>
        <source>Open Existing Database</source>
        <translation>Vorhandene Datenbank öffnen</translation>
    </message>
    <message>
        <source>Save A Copy to...</source>
        <translation>Kopie speichern unter …</translation>
    </message>
    <message>
        <source>KeePass XML</source>
        <translation>KeePass-XML</translation>
    </message>
    <message>
        <source>Import Cards From KeePass XML File</source>
        <translation>Karten aus einer KeePass-XML-Datei importieren</translation>
    </message>
    <message>
        <source>KeePassX XML</source>
        <translation>KeePassX-XML</translation>
    </message>
    <message>
        <source>Import Cards From KeePassX XML File</source>
        <translation>Karten aus einer KeePassX-XML-Datei importieren</translation>
    </message>
    <message>
        <source>Password Safe XML</source>
        <translation>Password-Safe-XML</translation>
    </message>
    <message>
        <source>Close Database</source>
        <translation>Datenbank schließen</translation>
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
        <source>Change Password of Database</source>
        <translation>Passwort der Datenbank ändern</translation>
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
        <source>Tessera Help</source>
        <translation>Tessera-Hilfe</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tessera</translation>
    </message>
    <message>
        <source>Tessera database (*.tessera);;All files (*)</source>
        <translation>Tessera-Datenbank (*.tessera);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>XML files (*.xml);;All files (*)</source>
        <translation>XML-Dateien (*.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Invalid Database</source>
        <translation>Ungültige Datenbank</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid Tessera database.</source>
        <translation>„%1“ ist keine gültige Tessera-Datenbank.</translation>
    </message>
    <message>
        <source>Newer Database</source>
        <translation>Neuere Datenbank</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a newer Tessera database. Please update your copy of Tessera.</source>
        <translation>„%1“ ist eine neuere Tessera-Datenbank. Bitte aktualisieren Sie Tessera.</translation>
    </message>
    <message>
        <source>Unsupported Database</source>
        <translation>Nicht unterstützte Datenbank</translation>
    </message>
    <message>
        <source>Locked Database</source>
        <translation>Gesperrte Datenbank</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Could not create the database &quot;%1&quot;.</source>
        <translation>Die Datenbank „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not save a copy of the database to &quot;%1&quot;.</source>
        <translation>Die Kopie der Datenbank konnte nicht unter „%1“ gespeichert werden.</translation>
    </message>
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
        <source>Are you sure you want to delete the card for &quot;%1&quot;?</source>
        <translation>Möchten Sie die Karte „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>The card could not be deleted.</source>
        <translation>Die Karte konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be imported completely: it is not a readable %2 export.</source>
        <translation>„%1“ konnte nicht vollständig importiert werden: Die Datei ist kein lesbarer %2-Export.</translation>
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
        <source> [Read Only]</source>
        <translation> [schreibgeschützt]</translation>
    </message>
    <message>
        <source>Import Cards From Password Safe XML File</source>
        <translation>Karten aus einer Password-Safe-XML-Datei importieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an older database that this version of Tessera doesn&apos;t support. Please update your phone application to the latest version.</source>
        <translation>„%1“ ist eine ältere Datenbank, die diese Version von Tessera nicht unterstützt. Bitte aktualisieren Sie die App auf Ihrem Telefon auf die neueste Version.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked and can&apos;t be opened.</source>
        <translation>„%1“ ist gesperrt und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Save New Database</source>
        <translation>Neue Datenbank speichern</translation>
    </message>
    <message>
        <source>Could not create the database in &quot;%1&quot;. Either you may not write to that folder or it is on a read-only file system.</source>
        <translation>Die Datenbank konnte nicht in „%1“ angelegt werden. Entweder dürfen Sie in diesen Ordner nicht schreiben, oder er liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>Save a Copy</source>
        <translation>Kopie speichern</translation>
    </message>
    <message>
        <source>Could not save a copy of the database in &quot;%1&quot;. Either you may not write to that folder or it is on a read-only file system.</source>
        <translation>Die Kopie der Datenbank konnte nicht in „%1“ gespeichert werden. Entweder dürfen Sie in diesen Ordner nicht schreiben, oder er liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>Open KeePassX XML File</source>
        <translation>KeePassX-XML-Datei öffnen</translation>
    </message>
    <message>
        <source>Open KeePass XML File</source>
        <translation>KeePass-XML-Datei öffnen</translation>
    </message>
    <message>
        <source>Open Password Safe XML File</source>
        <translation>Password-Safe-XML-Datei öffnen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Add Card</source>
        <translation>Karte hinzufügen</translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Merge WALLET with OTHER, another copy of it; afterwards both hold the merged cards.</source>
        <translation>WALLET mit OTHER, einer anderen Kopie davon, zusammenführen; danach enthalten beide die zusammengeführten Karten.</translation>
    </message>
    <message>
        <source>Cards pair by identity, then by content; the newer side wins card by card and field by field.
WALLET keeps its password and identity, OTHER its password. When OTHER does not exist yet it
is created, with a new password asked twice. Passwords are asked in this order: WALLET&apos;s,
then OTHER&apos;s. On a failure neither file changes.</source>
        <translation>Karten werden nach Identität, dann nach Inhalt einander zugeordnet; die neuere Seite gewinnt Karte für Karte
und Feld für Feld. WALLET behält sein Passwort und seine Identität, OTHER sein Passwort. Gibt es OTHER
noch nicht, wird es angelegt und ein neues Passwort zweimal erfragt. Die Passwörter werden in dieser
Reihenfolge erfragt: das von WALLET, dann das von OTHER. Bei einem Fehler ändert sich keine der beiden Dateien.</translation>
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
        <source>merge failed: %1; neither file changed</source>
        <translation>Zusammenführen fehlgeschlagen: %1; keine der beiden Dateien wurde geändert</translation>
    </message>
    <message>
        <source>merge failed: %1; %2 holds the merged cards, merge again to bring %3 up to date</source>
        <translation>Zusammenführen fehlgeschlagen: %1; %2 enthält die zusammengeführten Karten, führen Sie erneut zusammen, um %3 auf den neuesten Stand zu bringen</translation>
    </message>
</context>
<context>
    <name>NewDatabaseDialog</name>
    <message>
        <source>New Database</source>
        <translation>Neue Datenbank</translation>
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
        <source>Please set an unlock password for the new database.</source>
        <translation>Bitte legen Sie ein Passwort zum Entsperren der neuen Datenbank fest.</translation>
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
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Automatically open last database on startup</source>
        <translation>Beim Start die zuletzt benutzte Datenbank öffnen</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>SearchEdit</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
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
    <name>TransferCommands</name>
    <message>
        <source>Import an XML export of another password manager and print how many cards were added.</source>
        <translation>Einen XML-Export eines anderen Passwort-Managers importieren und ausgeben, wie viele Karten hinzukamen.</translation>
    </message>
    <message>
        <source>Each entry becomes a login card. A file that cannot be read completely adds nothing.</source>
        <translation>Jeder Eintrag wird zu einer Anmeldekarte. Eine Datei, die sich nicht vollständig lesen lässt, fügt nichts hinzu.</translation>
    </message>
    <message>
        <source>Print every card, trashed ones included, as JSON: every secret in the clear.</source>
        <translation>Alle Karten samt denen im Papierkorb als JSON ausgeben: jedes Geheimnis im Klartext.</translation>
    </message>
    <message>
        <source>The output is {&quot;cards&quot;: [...]} in row order; times are whole seconds since 1970 UTC.</source>
        <translation>Die Ausgabe ist {&quot;cards&quot;: [...]} in Zeilenreihenfolge; Zeiten sind ganze Sekunden seit 1970 UTC.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>cannot write the wallet</source>
        <translation>der Tresor kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>not a readable %1 export</source>
        <translation>kein lesbarer %1-Export</translation>
    </message>
    <message>
        <source>warning: the output holds every secret of %1 in the clear</source>
        <translation>Warnung: Die Ausgabe enthält jedes Geheimnis von %1 im Klartext</translation>
    </message>
</context>
<context>
    <name>WalletAccess</name>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>is a folder, not a wallet</source>
        <translation>ist ein Ordner, kein Tresor</translation>
    </message>
    <message>
        <source>file is read-only</source>
        <translation>Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>newer wallet version; update Tessera to open it</source>
        <translation>neuere Tresor-Version; aktualisieren Sie Tessera, um ihn zu öffnen</translation>
    </message>
    <message>
        <source>not a Tessera wallet</source>
        <translation>kein Tessera-Tresor</translation>
    </message>
    <message>
        <source>unsupported (older) wallet version</source>
        <translation>nicht unterstützte (ältere) Tresor-Version</translation>
    </message>
    <message>
        <source>file is locked</source>
        <translation>Datei ist gesperrt</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
    <message>
        <source>no password given</source>
        <translation>kein Passwort angegeben</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
</context>
<context>
    <name>WalletCommands</name>
    <message>
        <source>Create a new wallet; its password is asked twice.</source>
        <translation>Einen neuen Tresor anlegen; sein Passwort wird zweimal erfragt.</translation>
    </message>
    <message>
        <source>WALLET must not exist yet.</source>
        <translation>WALLET darf noch nicht existieren.</translation>
    </message>
    <message>
        <source>Print what WALLET is: ok, newer, invalid, unsupported or locked.</source>
        <translation>Ausgeben, was WALLET ist: ok, newer, invalid, unsupported oder locked.</translation>
    </message>
    <message>
        <source>Asks no password. The exit code is 0 only for ok.</source>
        <translation>Fragt nach keinem Passwort. Der Rückgabewert ist nur bei ok 0.</translation>
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
        <source>cannot create the wallet</source>
        <translation>der Tresor kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>New password for %1: </source>
        <translation>Neues Passwort für %1: </translation>
    </message>
    <message>
        <source>the password could not be changed; the old one is still in force</source>
        <translation>das Passwort konnte nicht geändert werden; das alte gilt weiterhin</translation>
    </message>
</context>
<context>
    <name>WalletMerge</name>
    <message>
        <source>%1 is not a Tessera wallet this program can open</source>
        <translation>%1 ist kein Tessera-Tresor, den dieses Programm öffnen kann</translation>
    </message>
    <message>
        <source>wrong password for %1</source>
        <translation>falsches Passwort für %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write the merged copies beside %1</source>
        <translation>die zusammengeführten Kopien können nicht neben %1 geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write the merged cards (is the disk full?)</source>
        <translation>die zusammengeführten Karten können nicht geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A password wallet for one person.</source>
        <translation>Ein Passwort-Tresor für eine Person.</translation>
    </message>
</context>
</TS>
