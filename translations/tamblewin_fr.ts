<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>DescendantsList</name>
    <message>
        <source>Descendants of</source>
        <translation>Descendants de</translation>
    </message>
</context>
</TS>
