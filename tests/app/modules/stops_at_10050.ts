<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Messages</name>
    <message>
        <source>10001</source>
        <translation>Message 10001</translation>
    </message>
    <message>
        <source>10002</source>
        <translation>Message 10002</translation>
    </message>
    <message>
        <source>10003</source>
        <translation>Message 10003</translation>
    </message>
    <message>
        <source>10004</source>
        <translation>Message 10004</translation>
    </message>
    <message>
        <source>10005</source>
        <translation>Message 10005</translation>
    </message>
    <message>
        <source>10006</source>
        <translation>Message 10006</translation>
    </message>
    <message>
        <source>10007</source>
        <translation>Message 10007</translation>
    </message>
    <message>
        <source>10008</source>
        <translation>Message 10008</translation>
    </message>
    <message>
        <source>10009</source>
        <translation>Message 10009</translation>
    </message>
    <message>
        <source>10010</source>
        <translation>Message 10010</translation>
    </message>
    <message>
        <source>10011</source>
        <translation>Message 10011</translation>
    </message>
    <message>
        <source>10012</source>
        <translation>Message 10012</translation>
    </message>
    <message>
        <source>10013</source>
        <translation>Message 10013</translation>
    </message>
    <message>
        <source>10014</source>
        <translation>Message 10014</translation>
    </message>
    <message>
        <source>10015</source>
        <translation>Message 10015</translation>
    </message>
    <message>
        <source>10016</source>
        <translation>Message 10016</translation>
    </message>
    <message>
        <source>10017</source>
        <translation>Message 10017</translation>
    </message>
    <message>
        <source>10018</source>
        <translation>Message 10018</translation>
    </message>
    <message>
        <source>10019</source>
        <translation>Message 10019</translation>
    </message>
    <message>
        <source>10020</source>
        <translation>Message 10020</translation>
    </message>
    <message>
        <source>10021</source>
        <translation>Message 10021</translation>
    </message>
    <message>
        <source>10022</source>
        <translation>Message 10022</translation>
    </message>
    <message>
        <source>10023</source>
        <translation>Message 10023</translation>
    </message>
    <message>
        <source>10024</source>
        <translation>Message 10024</translation>
    </message>
    <message>
        <source>10025</source>
        <translation>Message 10025</translation>
    </message>
    <message>
        <source>10026</source>
        <translation>Message 10026</translation>
    </message>
    <message>
        <source>10027</source>
        <translation>Message 10027</translation>
    </message>
    <message>
        <source>10028</source>
        <translation>Message 10028</translation>
    </message>
    <message>
        <source>10029</source>
        <translation>Message 10029</translation>
    </message>
    <message>
        <source>10030</source>
        <translation>Message 10030</translation>
    </message>
    <message>
        <source>10031</source>
        <translation>Message 10031</translation>
    </message>
    <message>
        <source>10032</source>
        <translation>Message 10032</translation>
    </message>
    <message>
        <source>10033</source>
        <translation>Message 10033</translation>
    </message>
    <message>
        <source>10034</source>
        <translation>Message 10034</translation>
    </message>
    <message>
        <source>10035</source>
        <translation>Message 10035</translation>
    </message>
    <message>
        <source>10036</source>
        <translation>Message 10036</translation>
    </message>
    <message>
        <source>10037</source>
        <translation>Message 10037</translation>
    </message>
    <message>
        <source>10038</source>
        <translation>Message 10038</translation>
    </message>
    <message>
        <source>10039</source>
        <translation>Message 10039</translation>
    </message>
    <message>
        <source>10040</source>
        <translation>Message 10040</translation>
    </message>
    <message>
        <source>10041</source>
        <translation>Message 10041</translation>
    </message>
    <message>
        <source>10042</source>
        <translation>Message 10042</translation>
    </message>
    <message>
        <source>10043</source>
        <translation>Message 10043</translation>
    </message>
    <message>
        <source>10044</source>
        <translation>Message 10044</translation>
    </message>
    <message>
        <source>10045</source>
        <translation>Message 10045</translation>
    </message>
    <message>
        <source>10046</source>
        <translation>Message 10046</translation>
    </message>
    <message>
        <source>10047</source>
        <translation>Message 10047</translation>
    </message>
    <message>
        <source>10048</source>
        <translation>Message 10048</translation>
    </message>
    <message>
        <source>10049</source>
        <translation>Message 10049</translation>
    </message>
    <message>
        <source>10050</source>
        <translation>Message 10050</translation>
    </message>
    <message>
        <source>10052</source>
        <translation>Message 10052</translation>
    </message>
</context>
<context>
    <name>ProbeWidget</name>
    <message>
        <source>Привет</source>
        <translation>Hello</translation>
    </message>
</context>
</TS>
