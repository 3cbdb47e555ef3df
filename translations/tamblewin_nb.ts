<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en">
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Etterkommere av</translation>
    </message>
</context>
</TS>
