<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CardListPane</name>
    <message numerus="yes">
        <source>%n cards match</source>
        <translation>
            <numerusform>%n card matches</numerusform>
            <numerusform>%n cards match</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardSelector</name>
    <message numerus="yes">
        <source>&quot;%1&quot; names %n cards, ids %2; give the id or uuid of one</source>
        <translation>
            <numerusform>&quot;%1&quot; names %n card, id %2; give the id or uuid of one</numerusform>
            <numerusform>&quot;%1&quot; names %n cards, ids %2; give the id or uuid of one</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClipboardGuard</name>
    <message numerus="yes">
        <source>%1 copied, clears in %n s</source>
        <translation>
            <numerusform>%1 copied, clears in %n s</numerusform>
            <numerusform>%1 copied, clears in %n s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileSyncController</name>
    <message numerus="yes">
        <source>%n card(s) received</source>
        <translation>
            <numerusform>%n card received</numerusform>
            <numerusform>%n cards received</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) sent</source>
        <translation>
            <numerusform>%n card sent</numerusform>
            <numerusform>%n cards sent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n conflict copy(s) merged</source>
        <translation>
            <numerusform>, %n conflict copy merged</numerusform>
            <numerusform>, %n conflict copies merged</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message numerus="yes">
        <source>%n cards will be imported</source>
        <translation>
            <numerusform>%n card will be imported</numerusform>
            <numerusform>%n cards will be imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n of them into the trash</source>
        <translation>
            <numerusform>, %n of them into the trash</numerusform>
            <numerusform>, %n of them into the trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates of cards in the wallet will be skipped.</source>
        <translation>
            <numerusform>%n duplicate of a card in the wallet will be skipped.</numerusform>
            <numerusform>%n duplicates of cards in the wallet will be skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the file are not understood and will be skipped:</source>
        <translation>
            <numerusform>%n row of the file is not understood and will be skipped:</numerusform>
            <numerusform>%n rows of the file are not understood and will be skipped:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message numerus="yes">
        <source>%n cards imported</source>
        <translation>
            <numerusform>%n card imported</numerusform>
            <numerusform>%n cards imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them into the trash</source>
        <translation>
            <numerusform>%n of them into the trash</numerusform>
            <numerusform>%n of them into the trash</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values kept as extra fields</source>
        <translation>
            <numerusform>%n value kept as an extra field</numerusform>
            <numerusform>%n values kept as extra fields</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows not understood</source>
        <translation>
            <numerusform>%n row not understood</numerusform>
            <numerusform>%n rows not understood</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PasswordHealthDialog</name>
    <message numerus="yes">
        <source>Shared by %n cards</source>
        <translation>
            <numerusform>Shared by %n card</numerusform>
            <numerusform>Shared by %n cards</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ServerSyncController</name>
    <message numerus="yes">
        <source>%n card(s) received</source>
        <translation>
            <numerusform>%n card received</numerusform>
            <numerusform>%n cards received</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) sent</source>
        <translation>
            <numerusform>%n card sent</numerusform>
            <numerusform>%n cards sent</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrashController</name>
    <message numerus="yes">
        <source>Delete the %n card(s) in the trash for ever? This cannot be undone.</source>
        <translation>
            <numerusform>Delete the %n card in the trash for ever? This cannot be undone.</numerusform>
            <numerusform>Delete the %n cards in the trash for ever? This cannot be undone.</numerusform>
        </translation>
    </message>
</context>
</TS>
