<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context><name>ProbeWindow</name><message><source>LanguageName</source><translation>Italiano</translation></message></context>
<context><name>ProbeWindow</name><message><source>Hello</source><translation>Ciao</translation></message></context>
</TS>
