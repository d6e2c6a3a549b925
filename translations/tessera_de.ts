<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardEdits</name>
    <message>
        <source>card %1 is in the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a card made from a template and print its uuid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEMPLATE is a key that `tessera-cli templates` lists; each LABEL names one of its fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card&apos;s notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change a card&apos;s values; what changes gets the current time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one live card. Nothing is written when nothing changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new icon, 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move a card to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one live card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no template &quot;%1&quot;; `tessera-cli templates` lists them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>template %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--icon takes a number from 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nothing changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardQueries</name>
    <message>
        <source>List the cards: id, title and template type, tab-separated, sorted by title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titles sort as in the card list of the window: by the user&apos;s language, ignoring case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list trashed cards too, with a fourth column: live or trashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show one card: title, type, icon, notes and each field as &quot;label: value&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CARD is a row id, a uuid, or the exact title of one live card. Sensitive values are masked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show sensitive values instead of masking them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the templates of new cards: key, name and number of fields, tab-separated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the built-in templates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardSelector</name>
    <message>
        <source>no such card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; names %2 cards, ids %3; give the id or uuid of one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Url</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amazon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paypal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foursquare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN/Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Live ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cardholder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CVC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expiry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If lost, call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visa Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maestro Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>American Express</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diners Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cirrus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driving License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hunting License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software License</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licensed To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routing#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Branch name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Branch code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SWIFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debit Card#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Expires</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card CVV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Txn password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Policy#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beneficiary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum Insured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maturity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Claims Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock Investment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demat Account#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual Fund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fund Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fund House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folio#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase NAV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan/Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Officer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calling Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer Care</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISIC card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Institution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITIC Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Staff ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Branch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voter Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constituency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ward#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITZ Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membership Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAN Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ack#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assessing Officer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AO Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webmail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instant Messaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Provider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial-up Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hostname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSH Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contract#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless Router</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WPS PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Hosting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FTP Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renewal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Travelling Visa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passport#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Issued At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embassy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embassy Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequent Flyer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel Reservation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Booking Ref</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticket#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Departure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airline Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloth Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shirt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inseam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shoe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combination Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medicine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dosage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doctor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doctor Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pharmacy Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens Prescription</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registration Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plate#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roadside Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Police</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambulance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hospital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poison Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neighbor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Social Security Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reward Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applying Changes ... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New passwords didn&apos;t match!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect old password!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be changed. The old password is still in force.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; `tessera-cli --help` lists the commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tessera-cli COMMAND [ARGUMENTS]

The Tessera password wallet from a terminal and from scripts.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
CARD is a row id, a uuid, or the exact title of one live card.
Passwords are read from the terminal without echo; when standard input is not a terminal,
one line per password in the order they are asked.
Exit codes: 0 success, 1 failure, 2 usage error.
`tessera-cli COMMAND --help` shows the details of a command.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DetailView</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DropboxSyncDialog</name>
    <message>
        <source>Dropbox Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been redirected to dropbox login page. Please sign in there and allow tessera to sync with dropbox. After login please click continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was something went wrong while syncronizing. Might be you are not connected to internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please provide password for tessera data on dropbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change tessera data password on dropbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Paassword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to Dropbox ..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Validating Dropbox login..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for Tessera data on Dropbox...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is the first sync with Dropbox and we find no data there. Please set a password for Tessera data on Dropbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please provide password for Tessera data on Dropbox.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New passwords didn&apos;t match!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tessera data on Dropbox cannot be read by this version of Tessera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid password for Dropbox Tessera data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while synchronizing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There went something wrong while synchronizing. Might be you are not connected to Internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected to Dropbox. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditDialog</name>
    <message>
        <source>Edit Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldAssignments</name>
    <message>
        <source>&quot;%1&quot; is not of the form LABEL=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no field &quot;%1&quot; on this card; its fields are: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>several fields are labelled &quot;%1&quot;; the card&apos;s fields are: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconChooserDialog</name>
    <message>
        <source>Choose Icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>%1: %2 (usage: %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Unlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading database ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid password. Try again!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create New Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Existing Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save A Copy to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KeePass XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Cards From KeePass XML File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KeePassX XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Cards From KeePassX XML File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Safe XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Cards from Password Safe XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Current Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Current Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password of Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropbox Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync with Dropbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Dropbox Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera database (*.tessera);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML files (*.xml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid Tessera database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newer Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a newer Tessera database. Please update your copy of Tessera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a older database that desktop version doesn&apos;t support. Please upgrade your phone application to latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is locked and can&apos;t be open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Database..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save New Database..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create database in &quot;%1&quot;. Either you don&apos;t have write permissions or you are saving to a read only file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the database &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save a copy of database in &quot;%1&quot;. Either you don&apos;t have write permissions or you are saving to a read only file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save a copy of the database to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card &quot;%1&quot; could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Copy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete the card for &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open KeePassX XML File..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open KeePass XML File..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Password Safe XML File..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be imported completely: it is not a readable %2 export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tessera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessera %1                        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;A password wallet for one person.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; Corvale Software Systems.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [Read Only]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MergeCommand</name>
    <message>
        <source>Merge WALLET with OTHER, another copy of it; afterwards both hold the merged cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards pair by identity, then by content; the newer side wins card by card and field by field.
WALLET keeps its password and identity, OTHER its password. When OTHER does not exist yet it
is created, with a new password asked twice. Passwords are asked in this order: WALLET&apos;s,
then OTHER&apos;s. On a failure neither file changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WALLET and OTHER are the same file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for the new copy %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge failed: %1; neither file changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge failed: %1; %2 holds the merged cards, merge again to bring %3 up to date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewDatabaseDialog</name>
    <message>
        <source>New Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please setup a unlock password for new database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password can not be empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords didn&apos;t match!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>no password given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new password is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat the new password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new password was not repeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the two new passwords differ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically open last database on startup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchEdit</name>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateChooserDialog</name>
    <message>
        <source>Add Card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Import an XML export of another password manager and print how many cards were added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each entry becomes a login card. A file that cannot be read completely adds nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print every card, trashed ones included, as JSON: every secret in the clear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output is {&quot;cards&quot;: [...]} in row order; times are whole seconds since 1970 UTC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a readable %1 export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: the output holds every secret of %1 in the clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WalletAccess</name>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder, not a wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>newer wallet version; update Tessera to open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Tessera wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported (older) wallet version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file is locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WalletCommands</name>
    <message>
        <source>Create a new wallet; its password is asked twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WALLET must not exist yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print what WALLET is: ok, newer, invalid, unsupported or locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks no password. The exit code is 0 only for ok.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the password: the old one is asked once, the new one twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file exists; a new wallet needs a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for the new wallet %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the wallet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password for %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password could not be changed; the old one is still in force</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WalletMerge</name>
    <message>
        <source>%1 is not a Tessera wallet this program can open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong password for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the merged copies beside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the merged cards (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
