<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="messageBox.ok">
        <translation>確定</translation>
    </message>
    <message id="messageBox.cancel">
        <translation>取消</translation>
    </message>
    <message id="messageBox.abort">
        <translation>放棄(&amp;A)</translation>
    </message>
    <message id="messageBox.retry">
        <translation>重試(&amp;R)</translation>
    </message>
    <message id="messageBox.ignore">
        <translation>忽略(&amp;I)</translation>
    </message>
    <message id="messageBox.yes">
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="messageBox.no">
        <translation>否(&amp;N)</translation>
    </message>
    <message id="messageBox.save">
        <translation>儲存(&amp;S)</translation>
    </message>
    <message id="messageBox.discard">
        <translation>不儲存(&amp;D)</translation>
    </message>
</context>
</TS>
