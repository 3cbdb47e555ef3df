<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Ättlingar till</translation>
    </message>
</context>
</TS>
