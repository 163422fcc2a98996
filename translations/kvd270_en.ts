<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="app.title">
        <translation>KVD-270</translation>
    </message>
    <message id="main.title">
        <translation>KVD-270 Radio Software V1.00</translation>
    </message>
    <message id="main.modelFrame">
        <translation>Model</translation>
    </message>
    <message id="main.functionFrame">
        <translation>Function Set</translation>
    </message>
    <message id="main.bandLabel">
        <translation>Channel</translation>
    </message>
    <message id="main.makerLine">
        <translation>KVD-270 programmer project  ·  www.example.org/kvd270</translation>
    </message>
    <message id="main.bandChangePrompt">
        <translation>Change frequency channel list will remove, sure?</translation>
    </message>
    <message id="main.bandChangeTitle">
        <translation>Attention!</translation>
    </message>
    <message id="menu.file">
        <translation>File(&amp;F)</translation>
    </message>
    <message id="menu.newFile">
        <translation>New(&amp;N)</translation>
    </message>
    <message id="menu.open">
        <translation>Open(&amp;O)</translation>
    </message>
    <message id="menu.save">
        <translation>Save(&amp;S)</translation>
    </message>
    <message id="menu.importCsv">
        <translation>Import CSV(&amp;I)...</translation>
    </message>
    <message id="menu.exportCsv">
        <translation>Export CSV(&amp;E)...</translation>
    </message>
    <message id="menu.compareFile">
        <translation>Compare with file...</translation>
    </message>
    <message id="menu.print">
        <translation>Print(&amp;P)...</translation>
    </message>
    <message id="menu.exportPdf">
        <translation>Export PDF(&amp;D)...</translation>
    </message>
    <message id="menu.quit">
        <translation>Quit(&amp;Q)</translation>
    </message>
    <message id="menu.programming">
        <translation>Programming(&amp;P)</translation>
    </message>
    <message id="menu.readFrequency">
        <translation>Read Frequency(&amp;R)</translation>
    </message>
    <message id="menu.writeFrequency">
        <translation>Write Frequency(&amp;W)</translation>
    </message>
    <message id="menu.compareRadio">
        <translation>Compare with radio...</translation>
    </message>
    <message id="menu.backupFirst">
        <translation>Back up the radio before writing</translation>
    </message>
    <message id="menu.verifyAfter">
        <translation>Verify after writing</translation>
    </message>
    <message id="menu.optionalFunctions">
        <translation>Optional function </translation>
    </message>
    <message id="menu.keysSet">
        <translation>Keys set </translation>
    </message>
    <message id="menu.embeddedInformation">
        <translation>Embedded information</translation>
    </message>
    <message id="menu.powerDebug">
        <translation>Debug(&amp;D)</translation>
    </message>
    <message id="menu.debugFrequencies">
        <translation>Debug frequency</translation>
    </message>
    <message id="menu.settings">
        <translation>Settings(&amp;S)</translation>
    </message>
    <message id="menu.lock">
        <translation>Lock(&amp;L)</translation>
    </message>
    <message id="menu.ports">
        <translation>Communication port(&amp;V)</translation>
    </message>
    <message id="menu.port">
        <translation>COM%1(&amp;%1)</translation>
    </message>
    <message id="menu.languages">
        <translation>Languages(&amp;L)</translation>
    </message>
    <message id="menu.chinese">
        <translation>Chinese</translation>
    </message>
    <message id="menu.english">
        <translation>Englist</translation>
    </message>
    <message id="menu.help">
        <translation>Help(&amp;H)</translation>
    </message>
    <message id="menu.helpTopic">
        <translation>The help topic  F1 &quot;</translation>
    </message>
    <message id="menu.about">
        <translation>About</translation>
    </message>
    <message id="toolbar.newFile">
        <translation>New</translation>
    </message>
    <message id="toolbar.open">
        <translation>Open</translation>
    </message>
    <message id="toolbar.save">
        <translation>Save</translation>
    </message>
    <message id="toolbar.read">
        <translation>Read frequency</translation>
    </message>
    <message id="toolbar.write">
        <translation>Write frequency</translation>
    </message>
    <message id="toolbar.withdrawDebugAccess">
        <translation>Withdraw debug access</translation>
    </message>
    <message id="access.channelTable">
        <translation>Channel table</translation>
    </message>
    <message id="access.status">
        <translation>Communication status</translation>
    </message>
    <message id="access.progress">
        <translation>Communication progress</translation>
    </message>
    <message id="access.cellEditor">
        <translation>%1, channel %2</translation>
    </message>
    <message id="panel.voicePrompt">
        <translation>Language:</translation>
    </message>
    <message id="panel.timeout">
        <translation>Time-out:</translation>
    </message>
    <message id="panel.timeoutWarning">
        <translation>Time-out Warn:</translation>
    </message>
    <message id="panel.squelch">
        <translation>Squelch Grade:</translation>
    </message>
    <message id="panel.batterySave">
        <translation>Battery Save:</translation>
    </message>
    <message id="panel.beep">
        <translation>Beep:</translation>
    </message>
    <message id="panel.voiceOff">
        <translation>Off</translation>
    </message>
    <message id="panel.voiceChinese">
        <translation>Chinese</translation>
    </message>
    <message id="panel.voiceEnglish">
        <translation>Englist</translation>
    </message>
    <message id="panel.seconds">
        <translation>%1 S</translation>
    </message>
    <message id="panel.warningOff">
        <translation>Off</translation>
    </message>
    <message id="panel.grade">
        <translation>%1 Group</translation>
    </message>
    <message id="panel.off">
        <translation>Off</translation>
    </message>
    <message id="panel.on">
        <translation>On</translation>
    </message>
    <message id="grid.channel">
        <translation>Channel</translation>
    </message>
    <message id="grid.rxFrequency">
        <translation>RX frequency</translation>
    </message>
    <message id="grid.tone">
        <translation>QT/DQT</translation>
    </message>
    <message id="grid.txFrequency">
        <translation>TX frequency</translation>
    </message>
    <message id="grid.power">
        <translation>Power</translation>
    </message>
    <message id="grid.busyLock">
        <translation>Forbid</translation>
    </message>
    <message id="grid.bandwidth">
        <translation>Band</translation>
    </message>
    <message id="grid.scanAdd">
        <translation>Scan</translation>
    </message>
    <message id="cell.powerLow">
        <translation>Low</translation>
    </message>
    <message id="cell.powerHigh">
        <translation>Hight</translation>
    </message>
    <message id="cell.busyCarrier">
        <translation>Carrow</translation>
    </message>
    <message id="cell.busyOff">
        <translation>Off</translation>
    </message>
    <message id="cell.narrow">
        <translation>Narrow</translation>
    </message>
    <message id="cell.wide">
        <translation>Wide</translation>
    </message>
    <message id="cell.scanNo">
        <translation>No</translation>
    </message>
    <message id="cell.scanYes">
        <translation>Have</translation>
    </message>
    <message id="tone.off">
        <translation>Off</translation>
    </message>
    <message id="edit.outOfBand">
        <translation>Beyond the frequency range</translation>
    </message>
    <message id="messageBox.ok">
        <translation>OK</translation>
    </message>
    <message id="messageBox.cancel">
        <translation>Cancel</translation>
    </message>
    <message id="messageBox.abort">
        <translation>&amp;Abort</translation>
    </message>
    <message id="messageBox.retry">
        <translation>&amp;Retry</translation>
    </message>
    <message id="messageBox.ignore">
        <translation>&amp;Ignore</translation>
    </message>
    <message id="messageBox.yes">
        <translation>&amp;Yes</translation>
    </message>
    <message id="messageBox.no">
        <translation>&amp;No</translation>
    </message>
    <message id="file.channelFilter">
        <translation>KVD-270 (*.DAT)</translation>
    </message>
    <message id="file.csvFilter">
        <translation>CSV (*.csv)</translation>
    </message>
    <message id="file.pdfFilter">
        <translation>PDF (*.pdf)</translation>
    </message>
    <message id="file.newPrompt">
        <translation>All channel data will be clear.</translation>
    </message>
    <message id="file.newTitle">
        <translation>Warnning</translation>
    </message>
    <message id="file.wrongType">
        <translation>Document type not to open.</translation>
    </message>
    <message id="file.overwrite">
        <translation>This file already exists, whether to cover?</translation>
    </message>
    <message id="file.cannotRead">
        <translation>The file cannot be read:
%1

%2</translation>
    </message>
    <message id="file.cannotWrite">
        <translation>The file cannot be written; an existing file is left as it was:
%1

%2</translation>
    </message>
    <message id="file.tooLarge">
        <translation>The file is too large to be a channel list.</translation>
    </message>
    <message id="file.notRegular">
        <translation>not a regular file (a device, a pipe or the like)</translation>
    </message>
    <message id="file.writeProtected">
        <translation>the file is write-protected</translation>
    </message>
    <message id="csv.failedLine">
        <translation>Line %1: %2. The channel list is unchanged.</translation>
    </message>
    <message id="csv.withValue">
        <translation>%1 (%2)</translation>
    </message>
    <message id="csv.withBand">
        <translation>%1 %2</translation>
    </message>
    <message id="csv.imported">
        <translation>Imported %1 channels; %2 frequencies were moved onto the channel raster.</translation>
    </message>
    <message id="csv.usable">
        <translation>usable</translation>
    </message>
    <message id="csv.beyondSixteen">
        <translation>not among the first sixteen usable rows</translation>
    </message>
    <message id="csv.noUsableRow">
        <translation>No row of the file is usable. The channel list is unchanged.</translation>
    </message>
    <message id="csv.leftOut">
        <translation>%1 rows were left out:</translation>
    </message>
    <message id="csv.leftOutLine">
        <translation>%1: %2</translation>
    </message>
    <message id="csv.rowLine">
        <translation>Line %1</translation>
    </message>
    <message id="csv.rowLocation">
        <translation>%1, Location %2</translation>
    </message>
    <message id="csv.rowNamed">
        <translation>%1 %2</translation>
    </message>
    <message id="csv.tonePair">
        <translation>%1 -&gt; %2</translation>
    </message>
    <message id="csv.noHeader">
        <translation>there is no &quot;Location&quot; and &quot;Frequency&quot; column</translation>
    </message>
    <message id="csv.unclosedQuote">
        <translation>a quote is never closed</translation>
    </message>
    <message id="csv.duplicateColumn">
        <translation>the same column appears twice</translation>
    </message>
    <message id="csv.badLocation">
        <translation>the Location is not a whole number</translation>
    </message>
    <message id="csv.duplicateLocation">
        <translation>an earlier row has the same Location</translation>
    </message>
    <message id="csv.noFrequency">
        <translation>there is no frequency</translation>
    </message>
    <message id="csv.badFrequency">
        <translation>the frequency is not a number</translation>
    </message>
    <message id="csv.numberTooLarge">
        <translation>the number is too large to be a frequency</translation>
    </message>
    <message id="csv.outOfBand">
        <translation>the frequency is outside the band</translation>
    </message>
    <message id="csv.badDuplex">
        <translation>the Duplex value is not &quot;&quot;, +, -, split or off</translation>
    </message>
    <message id="csv.badOffset">
        <translation>the Offset is not a number</translation>
    </message>
    <message id="csv.badToneMode">
        <translation>the Tone value is not &quot;&quot;, Tone, TSQL, DTCS or Cross</translation>
    </message>
    <message id="csv.reverseSquelch">
        <translation>this radio cannot store reverse squelch</translation>
    </message>
    <message id="csv.badCrossMode">
        <translation>the CrossMode value is not known</translation>
    </message>
    <message id="csv.toneOutOfRange">
        <translation>the CTCSS tone is outside 67.0 to 254.1 Hz</translation>
    </message>
    <message id="csv.badDcsCode">
        <translation>the DCS code is not one this radio can carry</translation>
    </message>
    <message id="csv.badPolarity">
        <translation>the DtcsPolarity is not NN, NR, RN or RR</translation>
    </message>
    <message id="csv.badMode">
        <translation>the Mode is not FM or NFM</translation>
    </message>
    <message id="csv.badSkip">
        <translation>the Skip value is not empty, S or P</translation>
    </message>
    <message id="csv.badPower">
        <translation>the Power is not High, Low or watts</translation>
    </message>
    <message id="csvImport.title">
        <translation>Import CSV: %1</translation>
    </message>
    <message id="csvImport.inFileOrder">
        <translation>Tick up to sixteen rows: they become channels 1, 2, 3... in the order of the file, replacing the channel table.</translation>
    </message>
    <message id="csvImport.keepLocations">
        <translation>Tick up to sixteen rows: each becomes the channel its Location names, replacing the channel table.</translation>
    </message>
    <message id="csvImport.location">
        <translation>Location</translation>
    </message>
    <message id="csvImport.name">
        <translation>Name</translation>
    </message>
    <message id="csvImport.frequency">
        <translation>Frequency</translation>
    </message>
    <message id="csvImport.transmit">
        <translation>TX frequency</translation>
    </message>
    <message id="csvImport.tones">
        <translation>Tones</translation>
    </message>
    <message id="csvImport.mode">
        <translation>Mode</translation>
    </message>
    <message id="csvImport.verdict">
        <translation>Verdict</translation>
    </message>
    <message id="csvImport.rowsName">
        <translation>Rows of the file</translation>
    </message>
    <message id="csvImport.chosen">
        <translation>%1 of at most %2 rows chosen; %3 of %4 rows are usable.</translation>
    </message>
    <message id="csvImport.sixteenChosen">
        <translation>Sixteen rows are chosen already: untick one before ticking another.</translation>
    </message>
    <message id="link.communicating">
        <translation>Is communication, please later……</translation>
    </message>
    <message id="link.readSuccess">
        <translation>Read frequency success!</translation>
    </message>
    <message id="link.writeSuccess">
        <translation>Write frequency success!</translation>
    </message>
    <message id="link.bandMismatch">
        <translation>Frequency band with discrepancies, do you wish to continue?</translation>
    </message>
    <message id="link.communicationError">
        <translation>Communication error, please check the intercom model, fault, attachment and computer serial choice!</translation>
    </message>
    <message id="link.portNotOpen">
        <translation>Communication port not open, please first selection menu 'communication port' to open its serial ports!</translation>
    </message>
    <message id="link.portBusy">
        <translation>Serial port %1 has been other programs use, please choose other serial or turn off its program.</translation>
    </message>
    <message id="link.portFailure">
        <translation>%1: %2</translation>
    </message>
    <message id="link.permissionDenied">
        <translation>%1: permission denied. Add your user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</translation>
    </message>
    <message id="link.portInUse">
        <translation>%1: in use by another program. Close that program or choose another port.</translation>
    </message>
    <message id="link.portOpened">
        <translation>COM%1: %2</translation>
    </message>
    <message id="link.portMissing">
        <translation>COM%1: no such serial device</translation>
    </message>
    <message id="link.portLost">
        <translation>COM%1: the port was lost; check the cable, then choose the port again</translation>
    </message>
    <message id="link.noSuchDevice">
        <translation>no such serial device</translation>
    </message>
    <message id="link.backupSaved">
        <translation>Backup: %1</translation>
    </message>
    <message id="link.backupNotWritten">
        <translation>No backup written: %1</translation>
    </message>
    <message id="link.backupReading">
        <translation>Reading the radio for a backup……</translation>
    </message>
    <message id="link.backupReadFailed">
        <translation>The radio could not be read for a backup; nothing was written.</translation>
    </message>
    <message id="link.backupNotKept">
        <translation>No backup could be kept; nothing was written.</translation>
    </message>
    <message id="link.confirmWrite">
        <translation>Write this configuration into the radio?</translation>
    </message>
    <message id="link.writeCancelled">
        <translation>Nothing was written.</translation>
    </message>
    <message id="link.checkReading">
        <translation>Reading the radio back to check the write……</translation>
    </message>
    <message id="link.writeVerified">
        <translation>Write frequency success! Checked: the radio holds what was written.</translation>
    </message>
    <message id="link.writeDiffers">
        <translation>Written, but the radio holds something else.</translation>
    </message>
    <message id="link.writeUnverified">
        <translation>Written, not verified: the radio did not answer the check read.</translation>
    </message>
    <message id="diff.channel">
        <translation>Channel %1</translation>
    </message>
    <message id="diff.rxTone">
        <translation>RX QT/DQT</translation>
    </message>
    <message id="diff.txTone">
        <translation>TX QT/DQT</translation>
    </message>
    <message id="diff.bandwidth">
        <translation>Bandwidth</translation>
    </message>
    <message id="diff.element">
        <translation>%1 %2</translation>
    </message>
    <message id="diff.named">
        <translation>%1 (%2)</translation>
    </message>
    <message id="diff.debugFrequency">
        <translation>%1 %2 %3</translation>
    </message>
    <message id="diff.scanBits">
        <translation>%1 %2-%3</translation>
    </message>
    <message id="diff.fixedBytes">
        <translation>fixed bytes</translation>
    </message>
    <message id="diff.noDifferences">
        <translation>No differences.</translation>
    </message>
    <message id="compare.title">
        <translation>Comparison</translation>
    </message>
    <message id="compare.confirmTitle">
        <translation>Write the radio</translation>
    </message>
    <message id="compare.withRadio">
        <translation>Differences between this window and the radio:</translation>
    </message>
    <message id="compare.withFile">
        <translation>Differences between this window and %1:</translation>
    </message>
    <message id="compare.changes">
        <translation>What the write changes in the radio:</translation>
    </message>
    <message id="compare.field">
        <translation>Field</translation>
    </message>
    <message id="compare.thisWindow">
        <translation>This window</translation>
    </message>
    <message id="compare.radio">
        <translation>Radio</translation>
    </message>
    <message id="compare.toBeWritten">
        <translation>To be written</translation>
    </message>
    <message id="compare.radioNow">
        <translation>Radio now</translation>
    </message>
    <message id="compare.written">
        <translation>Written</translation>
    </message>
    <message id="compare.radioHolds">
        <translation>Radio holds</translation>
    </message>
    <message id="compare.settings">
        <translation>Settings</translation>
    </message>
    <message id="compare.otherBytes">
        <translation>Other bytes</translation>
    </message>
    <message id="compare.byteOwner">
        <translation>%1 %2</translation>
    </message>
    <message id="compare.write">
        <translation>Write</translation>
    </message>
    <message id="compare.close">
        <translation>Close</translation>
    </message>
    <message id="compare.differencesName">
        <translation>Differences</translation>
    </message>
    <message id="compare.writeWithoutBackup">
        <translation>Write anyway, without a backup of what the radio holds?</translation>
    </message>
    <message id="compare.reallyWithoutBackup">
        <translation>Without a backup, what the radio holds now cannot be restored. Write anyway?</translation>
    </message>
    <message id="dialog.ok">
        <translation>OK</translation>
    </message>
    <message id="dialog.cancel">
        <translation>Cancel</translation>
    </message>
    <message id="optional.title">
        <translation>Optional Function</translation>
    </message>
    <message id="optional.voxGroup">
        <translation>VOX</translation>
    </message>
    <message id="optional.voxFunction">
        <translation>VOX Function</translation>
    </message>
    <message id="optional.voxGain">
        <translation>VOX GBIN</translation>
    </message>
    <message id="optional.voxDelay">
        <translation>VOX Delay time</translation>
    </message>
    <message id="optional.voxVolumeControl">
        <translation>VOX volume control</translation>
    </message>
    <message id="optional.voxCancelOperation">
        <translation>Cancel operation</translation>
    </message>
    <message id="optional.voxOffWhileReceiving">
        <translation>Received banned VOX</translation>
    </message>
    <message id="optional.scanGroup">
        <translation>Scan</translation>
    </message>
    <message id="optional.priority">
        <translation>Priority</translation>
    </message>
    <message id="optional.priorityChannel">
        <translation>Preferred channel</translation>
    </message>
    <message id="optional.retraceTimeA">
        <translation>Retrace Time A</translation>
    </message>
    <message id="optional.retraceTimeB">
        <translation>Retrace Time B</translation>
    </message>
    <message id="optional.returnChannel">
        <translation>Return channel</translation>
    </message>
    <message id="optional.scanReceiveDelay">
        <translation>Scan receive delay time(S)</translation>
    </message>
    <message id="optional.scanTransmitDelay">
        <translation>Scan launch delay time(S)</translation>
    </message>
    <message id="optional.dtmfGroup">
        <translation>DTMF</translation>
    </message>
    <message id="optional.dtmfRate">
        <translation>DTMF 速率</translation>
    </message>
    <message id="optional.firstDigitTime">
        <translation>首位数码时间</translation>
    </message>
    <message id="optional.firstDigitDelay">
        <translation>首位数码延迟</translation>
    </message>
    <message id="optional.starHashTone">
        <translation>*和#音</translation>
    </message>
    <message id="optional.dKeyFunction">
        <translation>D键设定</translation>
    </message>
    <message id="optional.dtmfSideTone">
        <translation>DTMF 侧音</translation>
    </message>
    <message id="optional.groupCallCode">
        <translation>组呼码</translation>
    </message>
    <message id="optional.autoResetTimer">
        <translation>自动复位定时器</translation>
    </message>
    <message id="optional.pttId">
        <translation>PTT ID</translation>
    </message>
    <message id="optional.duplicate">
        <translation>Duplicate</translation>
    </message>
    <message id="optional.idCode">
        <translation>ID码</translation>
    </message>
    <message id="optional.transmitStartCode">
        <translation>发射开始(16位)</translation>
    </message>
    <message id="optional.transmitEndCode">
        <translation>发射结束(16位)</translation>
    </message>
    <message id="optional.memoryNumber">
        <translation>编号</translation>
    </message>
    <message id="optional.memories">
        <translation>自动拨号存储器</translation>
    </message>
    <message id="optional.off">
        <translation>Off</translation>
    </message>
    <message id="optional.on">
        <translation>On</translation>
    </message>
    <message id="optional.gainOff">
        <translation>Off</translation>
    </message>
    <message id="optional.empty">
        <translation>Empty</translation>
    </message>
    <message id="optional.launchStart">
        <translation>Launch Start</translation>
    </message>
    <message id="optional.launchEnd">
        <translation>Launch End</translation>
    </message>
    <message id="optional.launchBoth">
        <translation>Both</translation>
    </message>
    <message id="optional.priorityNo">
        <translation>No</translation>
    </message>
    <message id="optional.priorityFixed">
        <translation>Fixed</translation>
    </message>
    <message id="optional.prioritySelected">
        <translation>Selected</translation>
    </message>
    <message id="optional.returnSelected">
        <translation>Selected</translation>
    </message>
    <message id="optional.returnSelectedCurrent">
        <translation>Selected+Current</translation>
    </message>
    <message id="optional.returnPriority">
        <translation>priority</translation>
    </message>
    <message id="optional.returnPriorityCurrent">
        <translation>priority+Current</translation>
    </message>
    <message id="optional.voxDelayItem">
        <translation>%1S</translation>
    </message>
    <message id="optional.retraceTime">
        <translation>%1 S</translation>
    </message>
    <message id="optional.digits">
        <translation>%1位</translation>
    </message>
    <message id="optional.dtmfOff">
        <translation>OFF</translation>
    </message>
    <message id="optional.milliseconds">
        <translation>%1MS</translation>
    </message>
    <message id="optional.dCode">
        <translation>D码</translation>
    </message>
    <message id="optional.seconds">
        <translation>%1秒</translation>
    </message>
    <message id="optional.sideToneOff">
        <translation>禁止</translation>
    </message>
    <message id="optional.sideToneOn">
        <translation>使能</translation>
    </message>
    <message id="optional.dtmfNone">
        <translation>关闭</translation>
    </message>
    <message id="optional.fixedNeedsChannel">
        <translation>When set to 'Fixed' the channel cannot be empty, please reset!</translation>
    </message>
    <message id="optional.fixedNeedsChannelTitle">
        <translation>Notice</translation>
    </message>
    <message id="optional.emptyChannelRefused">
        <translation>An empty channel cannot be chosen, please choose again!</translation>
    </message>
    <message id="optional.memoryTooLong">
        <translation>The memory can only store 16 digits!</translation>
    </message>
    <message id="optional.scanDelayRange">
        <translation>%1 takes only whole numbers from %2 to %3!</translation>
    </message>
    <message id="keys.title">
        <translation>Keys Set</translation>
    </message>
    <message id="keys.pf1">
        <translation>PF1</translation>
    </message>
    <message id="keys.pf2">
        <translation>PF2</translation>
    </message>
    <message id="keys.automaticDial">
        <translation>Automatic dial-up</translation>
    </message>
    <message id="keys.off">
        <translation>OFF</translation>
    </message>
    <message id="keys.keysLock">
        <translation>Keys lock</translation>
    </message>
    <message id="keys.keyLockBackup">
        <translation>Key lock &amp; backup</translation>
    </message>
    <message id="keys.surveillance">
        <translation>Surveillance</translation>
    </message>
    <message id="keys.surveillanceInstant">
        <translation>Surveillance instant</translation>
    </message>
    <message id="keys.scan">
        <translation>Scan</translation>
    </message>
    <message id="keys.scanDeleteTemporary">
        <translation>Scan &amp; Delete temporary</translation>
    </message>
    <message id="keys.floodlight">
        <translation>Floodlight switch</translation>
    </message>
    <message id="keys.cancelStaticNoise">
        <translation>Cancel static noise</translation>
    </message>
    <message id="keys.instantCancelStaticNoise">
        <translation>Instant cancel static noise</translation>
    </message>
    <message id="keys.deleteTemporary">
        <translation>Delete temporary</translation>
    </message>
    <message id="embedded.title">
        <translation>Embedded Information</translation>
    </message>
    <message id="embedded.line">
        <translation>Embedded information, line %1</translation>
    </message>
    <message id="debugFrequency.title">
        <translation>测试频率</translation>
    </message>
    <message id="debugFrequency.channel">
        <translation>Channel</translation>
    </message>
    <message id="debugFrequency.receive">
        <translation>RX Frequency</translation>
    </message>
    <message id="debugFrequency.transmit">
        <translation>TX Frequency</translation>
    </message>
    <message id="power.title">
        <translation>Debug</translation>
    </message>
    <message id="power.high">
        <translation>TX-Hight Power</translation>
    </message>
    <message id="power.low">
        <translation>TX-Low Power</translation>
    </message>
    <message id="power.minimum">
        <translation>Low</translation>
    </message>
    <message id="power.maximum">
        <translation>Hight</translation>
    </message>
    <message id="about.title">
        <translation>About</translation>
    </message>
    <message id="about.heading">
        <translation>KVD-270 Radio Software </translation>
    </message>
    <message id="about.version">
        <translation>English version V1.00</translation>
    </message>
    <message id="about.issue">
        <translation>Issue：2011.08</translation>
    </message>
    <message id="cli.usage">
        <translation>usage: kvd270-cli %1</translation>
    </message>
    <message id="cli.usageHeading">
        <translation>usage:</translation>
    </message>
    <message id="cli.usageShow">
        <translation>show FILE.DAT [--lang en|zh] [--json]</translation>
    </message>
    <message id="cli.usageExportCsv">
        <translation>export-csv FILE.DAT OUT.csv</translation>
    </message>
    <message id="cli.usageImportCsv">
        <translation>import-csv IN.csv --out FILE.DAT [--rows LIST] [--base FILE.DAT] [--band N]</translation>
    </message>
    <message id="cli.usageRead">
        <translation>read --port DEVICE --out FILE.DAT [--lang en|zh] [--no-backup]</translation>
    </message>
    <message id="cli.usageWrite">
        <translation>write --port DEVICE [--debug-access] [--yes] [--no-backup] [--no-verify] [--confirm] FILE.DAT [--lang en|zh]</translation>
    </message>
    <message id="cli.usageFields">
        <translation>fields</translation>
    </message>
    <message id="cli.unknownCommand">
        <translation>unknown command %1</translation>
    </message>
    <message id="cli.unknownOption">
        <translation>unknown option %1</translation>
    </message>
    <message id="cli.unknownArgument">
        <translation>unknown argument %1</translation>
    </message>
    <message id="cli.needsValue">
        <translation>%1 needs a value</translation>
    </message>
    <message id="cli.language">
        <translation>--lang takes en or zh, not %1</translation>
    </message>
    <message id="cli.bandPosition">
        <translation>--band takes a band list position 0..6, not %1</translation>
    </message>
    <message id="cli.oneFile">
        <translation>show takes one file</translation>
    </message>
    <message id="cli.oneInput">
        <translation>import-csv takes one input file</translation>
    </message>
    <message id="cli.fileSays">
        <translation>%1: %2</translation>
    </message>
    <message id="cli.notChannelFile">
        <translation>%1: not a KVD-270 channel file (wrong signature)</translation>
    </message>
    <message id="cli.cannotRead">
        <translation>%1: cannot be read: %2</translation>
    </message>
    <message id="cli.cannotWrite">
        <translation>%1: cannot be written: %2</translation>
    </message>
    <message id="cli.tooLarge">
        <translation>%1: the file is too large to be a channel list</translation>
    </message>
    <message id="cli.notInRows">
        <translation>not named in --rows</translation>
    </message>
    <message id="cli.rowsMalformed">
        <translation>--rows takes Locations and ranges such as 1-8,12,20-22, not %1</translation>
    </message>
    <message id="cli.rowsReversed">
        <translation>--rows: the range %1 runs backwards</translation>
    </message>
    <message id="cli.rowsNoLocation">
        <translation>--rows: no row has the Location %1</translation>
    </message>
    <message id="cli.rowsEmptyRange">
        <translation>--rows: no row has a Location in %1</translation>
    </message>
    <message id="cli.rowsUnusable">
        <translation>--rows names an unusable row: %1</translation>
    </message>
    <message id="cli.rowsTooMany">
        <translation>--rows names %1 rows; the radio has sixteen channels</translation>
    </message>
    <message id="cli.backup">
        <translation>backup: %1</translation>
    </message>
    <message id="cli.noBackup">
        <translation>no backup written: %1</translation>
    </message>
    <message id="cli.answeredYes">
        <translation>%1 Yes</translation>
    </message>
    <message id="cli.answeredNo">
        <translation>%1 No</translation>
    </message>
    <message id="cli.readInterrupted">
        <translation>The read was interrupted; nothing was saved.</translation>
    </message>
    <message id="cli.writeInterrupted">
        <translation>The write was interrupted; the radio may hold a partly written configuration.</translation>
    </message>
    <message id="cli.restoreBackup">
        <translation>To restore it, write the newest backup: %1</translation>
    </message>
    <message id="cli.writeAgain">
        <translation>Write it again before using the radio.</translation>
    </message>
    <message id="cli.band">
        <translation>Band: %1</translation>
    </message>
    <message id="cli.otherSettings">
        <translation>Other settings</translation>
    </message>
    <message id="cli.usageDiff">
        <translation>diff A.DAT B.DAT [--lang en|zh] [--json]
  kvd270-cli diff --port DEVICE FILE.DAT [--lang en|zh] [--json] [--no-backup]</translation>
    </message>
    <message id="cli.confirmNeedsTerminal">
        <translation>--confirm asks on a terminal, and standard input is none</translation>
    </message>
    <message id="cli.settings">
        <translation>Settings</translation>
    </message>
    <message id="cli.radio">
        <translation>radio %1</translation>
    </message>
    <message id="cli.otherBytes">
        <translation>Other bytes</translation>
    </message>
    <message id="cli.stepBackup">
        <translation>backup read</translation>
    </message>
    <message id="cli.stepWrite">
        <translation>write</translation>
    </message>
    <message id="cli.stepCheck">
        <translation>check read</translation>
    </message>
    <message id="cli.step">
        <translation>[%1/%2] %3</translation>
    </message>
    <message id="cli.changesHeading">
        <translation>What the write will change:</translation>
    </message>
    <message id="cli.toBeWritten">
        <translation>to be written</translation>
    </message>
    <message id="cli.radioNow">
        <translation>radio now</translation>
    </message>
    <message id="cli.written">
        <translation>written</translation>
    </message>
    <message id="cli.radioHolds">
        <translation>radio holds</translation>
    </message>
    <message id="cli.answerYesNo">
        <translation>%1 [y/N] </translation>
    </message>
    <message id="cli.yes">
        <translation>yes</translation>
    </message>
    <message id="cli.noBackupHint">
        <translation>%1 (--no-backup writes without a backup)</translation>
    </message>
    <message id="cli.interruptedBeforeWriting">
        <translation>The write was interrupted before anything was written.</translation>
    </message>
    <message id="cli.checkInterrupted">
        <translation>The check was interrupted: written, not verified.</translation>
    </message>
    <message id="messageBox.save">
        <translation>&amp;Save</translation>
    </message>
    <message id="messageBox.discard">
        <translation>&amp;Discard</translation>
    </message>
    <message id="document.caption">
        <translation>%1[*] - %2</translation>
    </message>
    <message id="document.untitled">
        <translation>untitled</translation>
    </message>
    <message id="document.fromRadio">
        <translation>read from the radio</translation>
    </message>
    <message id="document.toRadio">
        <translation>written to the radio</translation>
    </message>
    <message id="document.savePrompt">
        <translation>Save changes to %1?</translation>
    </message>
    <message id="document.fileSubject">
        <translation>“%1”</translation>
    </message>
    <message id="document.untitledSubject">
        <translation>the untitled configuration</translation>
    </message>
    <message id="document.fromRadioSubject">
        <translation>the configuration read from the radio</translation>
    </message>
    <message id="document.toRadioSubject">
        <translation>the configuration written to the radio</translation>
    </message>
    <message id="menu.recentFiles">
        <translation>Recent Files(&amp;R)</translation>
    </message>
    <message id="menu.recentFile">
        <translation>&amp;%1 %2</translation>
    </message>
    <message id="menu.noRecentFiles">
        <translation>No recent files</translation>
    </message>
    <message id="menu.clearRecent">
        <translation>Clear list(&amp;C)</translation>
    </message>
    <message id="file.shortFile">
        <translation>The file is shorter than a channel file (%1 of %2 bytes). What it lacks was read as erased memory:
%3</translation>
    </message>
    <message id="file.shortStatus">
        <translation>Short file: %1 of %2 bytes; the rest was read as erased memory</translation>
    </message>
    <message id="file.moreParts">
        <translation>… and %1 more</translation>
    <message id="print.title">
        <translation>KVD-270 configuration</translation>
    </message>
    <message id="print.source">
        <translation>Source: %1</translation>
    </message>
    <message id="print.date">
        <translation>Printed on %1</translation>
    </message>
    <message id="print.band">
        <translation>Band: %1</translation>
    </message>
    <message id="print.otherSettings">
        <translation>Other settings</translation>
    </message>
    <message id="print.page">
        <translation>Page %1 of %2</translation>
    </message>
    <message id="print.failed">
        <translation>The printer could not be used; nothing was printed.</translation>
    </message>
    <message id="cli.usagePrint">
        <translation>print FILE.DAT --pdf OUT.pdf [--lang en|zh]</translation>
    </message>
    <message id="cli.noPrintout">
        <translation>The printout could not be made.</translation>
    </message>
    <message id="menu.edit">
        <translation>Edit(&amp;E)</translation>
    </message>
    <message id="menu.undo">
        <translation>Undo(&amp;U)</translation>
    </message>
    <message id="menu.redo">
        <translation>Redo(&amp;R)</translation>
    </message>
    <message id="menu.cut">
        <translation>Cut(&amp;T)</translation>
    </message>
    <message id="menu.copy">
        <translation>Copy(&amp;C)</translation>
    </message>
    <message id="menu.paste">
        <translation>Paste(&amp;P)</translation>
    </message>
    <message id="menu.deleteRows">
        <translation>Delete(&amp;D)</translation>
    </message>
    <message id="menu.moveUp">
        <translation>Move Up</translation>
    </message>
    <message id="menu.moveDown">
        <translation>Move Down</translation>
    </message>
    <message id="menu.insertRow">
        <translation>Insert Empty Row(&amp;I)</translation>
    </message>
    <message id="undo.undoWhat">
        <translation>Undo %1</translation>
    </message>
    <message id="undo.redoWhat">
        <translation>Redo %1</translation>
    </message>
    <message id="undo.cellEdit">
        <translation>edit of channel %1 %2</translation>
    </message>
    <message id="undo.column1">
        <translation>receive frequency</translation>
    </message>
    <message id="undo.column2">
        <translation>receive tone</translation>
    </message>
    <message id="undo.column3">
        <translation>transmit frequency</translation>
    </message>
    <message id="undo.column4">
        <translation>transmit tone</translation>
    </message>
    <message id="undo.column5">
        <translation>transmit power</translation>
    </message>
    <message id="undo.column6">
        <translation>busy-channel lockout</translation>
    </message>
    <message id="undo.column7">
        <translation>channel bandwidth</translation>
    </message>
    <message id="undo.column8">
        <translation>scan</translation>
    </message>
    <message id="undo.bandChange">
        <translation>band change</translation>
    </message>
    <message id="undo.panelChange">
        <translation>function set change</translation>
    </message>
    <message id="undo.settingsChange">
        <translation>settings change</translation>
    </message>
    <message id="undo.channelsChange">
        <translation>channel change</translation>
    </message>
    <message id="undo.newFile">
        <translation>new configuration</translation>
    </message>
    <message id="undo.open">
        <translation>opening %1</translation>
    </message>
    <message id="undo.read">
        <translation>read from the radio</translation>
    </message>
    <message id="undo.importCsv">
        <translation>CSV import</translation>
    </message>
    <message id="undo.cut">
        <translation>cut of channels</translation>
    </message>
    <message id="undo.paste">
        <translation>paste of channels</translation>
    </message>
    <message id="undo.deleteRows">
        <translation>deletion of channels</translation>
    </message>
    <message id="undo.moveUp">
        <translation>move up</translation>
    </message>
    <message id="undo.moveDown">
        <translation>move down</translation>
    </message>
    <message id="undo.insertRow">
        <translation>insertion of an empty row</translation>
    </message>
    <message id="rows.insertRefused">
        <translation>Channel 16 holds a channel: an inserted row would push it out of the table. Move or delete channel 16 first.</translation>
    </message>
    <message id="rows.noRoom">
        <translation>no room below channel 16</translation>
    </message>
    <message id="rows.pasted">
        <translation>Pasted %1 channels.</translation>
    </message>
    <message id="rows.nothingToPaste">
        <translation>The clipboard holds no channel that can be pasted. The channel list is unchanged.</translation>
    </message>
</context>
</TS>
