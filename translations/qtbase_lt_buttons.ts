<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt 6's standard button texts in Lithuanian: Debian's Lithuanian catalogue of
     Qt (qt_lt.qm, from Qt 4 and 5) lacks them, so the file dialog's Cancel and the
     message boxes' buttons would stay English. The build merges this file into it. -->
<TS version="2.1" language="lt_LT" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Atverti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Įrašyti viską</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Užverti</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Neįrašyti</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Taikyti</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atstatyti</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Atkurti numatytuosius</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Taip</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Taip &amp;viskam</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e viskam</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Nutraukti</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Kartoti</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Nepaisyti</translation>
    </message>
</context>
</TS>
