<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="app.title">
        <translation>KVD-270</translation>
    </message>
    <message id="main.title">
        <translation>KVD-270对讲机编程软件 V1.00</translation>
    </message>
    <message id="main.modelFrame">
        <translation>机型选择</translation>
    </message>
    <message id="main.functionFrame">
        <translation>功能设置</translation>
    </message>
    <message id="main.bandLabel">
        <translation>频段</translation>
    </message>
    <message id="main.makerLine">
        <translation>KVD-270 programmer project  ·  www.example.org/kvd270</translation>
    </message>
    <message id="main.bandChangePrompt">
        <translation>改变频段将清除频道列表，确定吗？</translation>
    </message>
    <message id="main.bandChangeTitle">
        <translation>注意！</translation>
    </message>
    <message id="menu.file">
        <translation>文件(&amp;F)</translation>
    </message>
    <message id="menu.newFile">
        <translation>新建(&amp;N)</translation>
    </message>
    <message id="menu.open">
        <translation>打开(&amp;O)</translation>
    </message>
    <message id="menu.save">
        <translation>保存(&amp;S)</translation>
    </message>
    <message id="menu.importCsv">
        <translation>导入 CSV(&amp;I)...</translation>
    </message>
    <message id="menu.exportCsv">
        <translation>导出 CSV(&amp;E)...</translation>
    </message>
    <message id="menu.compareFile">
        <translation>与文件比较...</translation>
    </message>
    <message id="menu.print">
        <translation>打印(&amp;P)...</translation>
    </message>
    <message id="menu.exportPdf">
        <translation>导出 PDF(&amp;D)...</translation>
    </message>
    <message id="menu.quit">
        <translation>退出(&amp;Q)</translation>
    </message>
    <message id="menu.programming">
        <translation>编程(&amp;P)</translation>
    </message>
    <message id="menu.readFrequency">
        <translation>读频(&amp;R)</translation>
    </message>
    <message id="menu.writeFrequency">
        <translation>写频(&amp;W)</translation>
    </message>
    <message id="menu.compareRadio">
        <translation>与对讲机比较...</translation>
    </message>
    <message id="menu.backupFirst">
        <translation>写频前先备份对讲机</translation>
    </message>
    <message id="menu.verifyAfter">
        <translation>写频后校验</translation>
    </message>
    <message id="menu.optionalFunctions">
        <translation>可选功能</translation>
    </message>
    <message id="menu.keysSet">
        <translation>键设定</translation>
    </message>
    <message id="menu.embeddedInformation">
        <translation>嵌入信息</translation>
    </message>
    <message id="menu.powerDebug">
        <translation>调试(&amp;D)</translation>
    </message>
    <message id="menu.debugFrequencies">
        <translation>测试频率</translation>
    </message>
    <message id="menu.settings">
        <translation>设置(&amp;S)</translation>
    </message>
    <message id="menu.lock">
        <translation>锁定(&amp;L)</translation>
    </message>
    <message id="menu.ports">
        <translation>通信端口(&amp;V)</translation>
    </message>
    <message id="menu.port">
        <translation>COM%1(&amp;%1)</translation>
    </message>
    <message id="menu.languages">
        <translation>语言选择(&amp;L)</translation>
    </message>
    <message id="menu.chinese">
        <translation>中文</translation>
    </message>
    <message id="menu.english">
        <translation>英文</translation>
    </message>
    <message id="menu.help">
        <translation>帮助(&amp;H)</translation>
    </message>
    <message id="menu.helpTopic">
        <translation>帮助主题  F1</translation>
    </message>
    <message id="menu.about">
        <translation>关于</translation>
    </message>
    <message id="toolbar.newFile">
        <translation>新建</translation>
    </message>
    <message id="toolbar.open">
        <translation>打开</translation>
    </message>
    <message id="toolbar.save">
        <translation>保存</translation>
    </message>
    <message id="toolbar.read">
        <translation>读频</translation>
    </message>
    <message id="toolbar.write">
        <translation>写频</translation>
    </message>
    <message id="toolbar.withdrawDebugAccess">
        <translation>撤销调试权限</translation>
    </message>
    <message id="access.channelTable">
        <translation>信道列表</translation>
    </message>
    <message id="access.status">
        <translation>通信状态</translation>
    </message>
    <message id="access.progress">
        <translation>通信进度</translation>
    </message>
    <message id="access.cellEditor">
        <translation>%1，第 %2 信道</translation>
    </message>
    <message id="panel.voicePrompt">
        <translation>语言通知</translation>
    </message>
    <message id="panel.timeout">
        <translation>发射超时</translation>
    </message>
    <message id="panel.timeoutWarning">
        <translation>发射超时预警</translation>
    </message>
    <message id="panel.squelch">
        <translation>静噪等级</translation>
    </message>
    <message id="panel.batterySave">
        <translation>省电</translation>
    </message>
    <message id="panel.beep">
        <translation>提示音</translation>
    </message>
    <message id="panel.voiceOff">
        <translation>关</translation>
    </message>
    <message id="panel.voiceChinese">
        <translation>中文</translation>
    </message>
    <message id="panel.voiceEnglish">
        <translation>英文</translation>
    </message>
    <message id="panel.seconds">
        <translation>%1 秒</translation>
    </message>
    <message id="panel.warningOff">
        <translation>关闭</translation>
    </message>
    <message id="panel.grade">
        <translation>%1 级</translation>
    </message>
    <message id="panel.off">
        <translation>禁止</translation>
    </message>
    <message id="panel.on">
        <translation>使能</translation>
    </message>
    <message id="grid.channel">
        <translation>信道</translation>
    </message>
    <message id="grid.rxFrequency">
        <translation>接收频率</translation>
    </message>
    <message id="grid.tone">
        <translation>亚音频</translation>
    </message>
    <message id="grid.txFrequency">
        <translation>发射频率</translation>
    </message>
    <message id="grid.power">
        <translation>功率</translation>
    </message>
    <message id="grid.busyLock">
        <translation>禁发</translation>
    </message>
    <message id="grid.bandwidth">
        <translation>宽\窄带</translation>
    </message>
    <message id="grid.scanAdd">
        <translation>扫描添加</translation>
    </message>
    <message id="cell.powerLow">
        <translation>低</translation>
    </message>
    <message id="cell.powerHigh">
        <translation>高</translation>
    </message>
    <message id="cell.busyCarrier">
        <translation>载波</translation>
    </message>
    <message id="cell.busyOff">
        <translation>关闭</translation>
    </message>
    <message id="cell.narrow">
        <translation>窄带</translation>
    </message>
    <message id="cell.wide">
        <translation>宽带</translation>
    </message>
    <message id="cell.scanNo">
        <translation>无</translation>
    </message>
    <message id="cell.scanYes">
        <translation>有</translation>
    </message>
    <message id="tone.off">
        <translation>关闭</translation>
    </message>
    <message id="edit.outOfBand">
        <translation>超出频段范围</translation>
    </message>
    <message id="messageBox.ok">
        <translation>确定</translation>
    </message>
    <message id="messageBox.cancel">
        <translation>取消</translation>
    </message>
    <message id="messageBox.abort">
        <translation>放弃(&amp;A)</translation>
    </message>
    <message id="messageBox.retry">
        <translation>重试(&amp;R)</translation>
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
        <translation>所有信道的数据将被清除！</translation>
    </message>
    <message id="file.newTitle">
        <translation>警告</translation>
    </message>
    <message id="file.wrongType">
        <translation>文件类型不对，无法打开。</translation>
    </message>
    <message id="file.overwrite">
        <translation>该文件已存在，是否覆盖？</translation>
    </message>
    <message id="file.cannotRead">
        <translation>无法读取文件：
%1

%2</translation>
    </message>
    <message id="file.cannotWrite">
        <translation>无法写入文件，原有文件保持不变：
%1

%2</translation>
    </message>
    <message id="file.tooLarge">
        <translation>文件太大，不是信道列表。</translation>
    </message>
    <message id="file.notRegular">
        <translation>不是普通文件（而是设备、管道等）</translation>
    </message>
    <message id="file.writeProtected">
        <translation>文件是只读的（写保护）</translation>
    </message>
    <message id="csv.failedLine">
        <translation>第 %1 行：%2。信道列表没有改变。</translation>
    </message>
    <message id="csv.withValue">
        <translation>%1 (%2)</translation>
    </message>
    <message id="csv.withBand">
        <translation>%1 %2</translation>
    </message>
    <message id="csv.imported">
        <translation>已导入 %1 个信道，%2 个频率已调整到信道间隔。</translation>
    </message>
    <message id="csv.usable">
        <translation>可用</translation>
    </message>
    <message id="csv.beyondSixteen">
        <translation>不在前 16 个可用行之内</translation>
    </message>
    <message id="csv.noUsableRow">
        <translation>文件中没有可用的行。信道列表没有改变。</translation>
    </message>
    <message id="csv.leftOut">
        <translation>%1 行没有导入：</translation>
    </message>
    <message id="csv.leftOutLine">
        <translation>%1：%2</translation>
    </message>
    <message id="csv.rowLine">
        <translation>第 %1 行</translation>
    </message>
    <message id="csv.rowLocation">
        <translation>%1，信道号 %2</translation>
    </message>
    <message id="csv.rowNamed">
        <translation>%1 %2</translation>
    </message>
    <message id="csv.tonePair">
        <translation>%1 -&gt; %2</translation>
    </message>
    <message id="csv.noHeader">
        <translation>没有“Location”和“Frequency”列</translation>
    </message>
    <message id="csv.unclosedQuote">
        <translation>引号没有结束</translation>
    </message>
    <message id="csv.duplicateColumn">
        <translation>同一列出现两次</translation>
    </message>
    <message id="csv.badLocation">
        <translation>信道号不是整数</translation>
    </message>
    <message id="csv.duplicateLocation">
        <translation>前面已有相同信道号的行</translation>
    </message>
    <message id="csv.noFrequency">
        <translation>没有频率</translation>
    </message>
    <message id="csv.badFrequency">
        <translation>频率不是数字</translation>
    </message>
    <message id="csv.numberTooLarge">
        <translation>数值太大，不可能是频率</translation>
    </message>
    <message id="csv.outOfBand">
        <translation>频率超出频段范围</translation>
    </message>
    <message id="csv.badDuplex">
        <translation>Duplex 值无效</translation>
    </message>
    <message id="csv.badOffset">
        <translation>Offset 不是数字</translation>
    </message>
    <message id="csv.badToneMode">
        <translation>Tone 值无效</translation>
    </message>
    <message id="csv.reverseSquelch">
        <translation>本机不能存储反向静噪</translation>
    </message>
    <message id="csv.badCrossMode">
        <translation>CrossMode 值无效</translation>
    </message>
    <message id="csv.toneOutOfRange">
        <translation>亚音频超出 67.0 到 254.1 Hz</translation>
    </message>
    <message id="csv.badDcsCode">
        <translation>数字亚音码不在列表中</translation>
    </message>
    <message id="csv.badPolarity">
        <translation>DtcsPolarity 值无效</translation>
    </message>
    <message id="csv.badMode">
        <translation>Mode 只能是 FM 或 NFM</translation>
    </message>
    <message id="csv.badSkip">
        <translation>Skip 只能为空、S 或 P</translation>
    </message>
    <message id="csv.badPower">
        <translation>Power 只能是 High、Low 或瓦数</translation>
    </message>
    <message id="csvImport.title">
        <translation>导入 CSV：%1</translation>
    </message>
    <message id="csvImport.inFileOrder">
        <translation>最多勾选 16 行：按文件中的顺序成为信道 1、2、3……，取代现有的信道表。</translation>
    </message>
    <message id="csvImport.keepLocations">
        <translation>最多勾选 16 行：每行成为其信道号所指的信道，取代现有的信道表。</translation>
    </message>
    <message id="csvImport.location">
        <translation>信道号</translation>
    </message>
    <message id="csvImport.name">
        <translation>名称</translation>
    </message>
    <message id="csvImport.frequency">
        <translation>频率</translation>
    </message>
    <message id="csvImport.transmit">
        <translation>发射频率</translation>
    </message>
    <message id="csvImport.tones">
        <translation>亚音频</translation>
    </message>
    <message id="csvImport.mode">
        <translation>模式</translation>
    </message>
    <message id="csvImport.verdict">
        <translation>结论</translation>
    </message>
    <message id="csvImport.rowsName">
        <translation>文件中的行</translation>
    </message>
    <message id="csvImport.chosen">
        <translation>已选 %1 行（最多 %2 行）；共 %4 行，其中 %3 行可用。</translation>
    </message>
    <message id="csvImport.sixteenChosen">
        <translation>已选满 16 行：请先取消一行，再勾选其它行。</translation>
    </message>
    <message id="link.communicating">
        <translation>正在通信,请稍后……</translation>
    </message>
    <message id="link.readSuccess">
        <translation>读频成功！</translation>
    </message>
    <message id="link.writeSuccess">
        <translation>写频成功！</translation>
    </message>
    <message id="link.bandMismatch">
        <translation>频段不符，是否继续？</translation>
    </message>
    <message id="link.communicationError">
        <translation>通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！</translation>
    </message>
    <message id="link.portNotOpen">
        <translation>通信端口未打开，请先选择菜单“通信端口”打开其串口！</translation>
    </message>
    <message id="link.portBusy">
        <translation>串行端口%1已被其它程序使用，请选择其它串口或关掉其程序.</translation>
    </message>
    <message id="link.portFailure">
        <translation>%1：%2</translation>
    </message>
    <message id="link.permissionDenied">
        <translation>%1：没有访问权限。请把用户加入 dialout 组（sudo usermod -aG dialout $USER），然后重新登录。</translation>
    </message>
    <message id="link.portInUse">
        <translation>%1：已被其它程序使用。请关闭该程序或选择其它串口。</translation>
    </message>
    <message id="link.portOpened">
        <translation>COM%1：%2</translation>
    </message>
    <message id="link.portMissing">
        <translation>COM%1：没有对应的串口设备</translation>
    </message>
    <message id="link.portLost">
        <translation>COM%1：串口已断开，请检查连线后重新选择该串口</translation>
    </message>
    <message id="link.noSuchDevice">
        <translation>没有对应的串口设备</translation>
    </message>
    <message id="link.backupSaved">
        <translation>备份：%1</translation>
    </message>
    <message id="link.backupNotWritten">
        <translation>备份失败：%1</translation>
    </message>
    <message id="link.backupReading">
        <translation>正在读取对讲机作为备份……</translation>
    </message>
    <message id="link.backupReadFailed">
        <translation>无法读取对讲机进行备份，没有写入任何数据。</translation>
    </message>
    <message id="link.backupNotKept">
        <translation>无法保存备份，没有写入任何数据。</translation>
    </message>
    <message id="link.confirmWrite">
        <translation>是否将此配置写入对讲机？</translation>
    </message>
    <message id="link.writeCancelled">
        <translation>没有写入任何数据。</translation>
    </message>
    <message id="link.checkReading">
        <translation>正在回读对讲机以校验写入……</translation>
    </message>
    <message id="link.writeVerified">
        <translation>写频成功！已校验：对讲机中的数据与写入的一致。</translation>
    </message>
    <message id="link.writeDiffers">
        <translation>已写入，但对讲机中的数据与写入的不同。</translation>
    </message>
    <message id="link.writeUnverified">
        <translation>已写入，未校验：对讲机没有响应校验读取。</translation>
    </message>
    <message id="diff.channel">
        <translation>信道 %1</translation>
    </message>
    <message id="diff.rxTone">
        <translation>接收亚音频</translation>
    </message>
    <message id="diff.txTone">
        <translation>发射亚音频</translation>
    </message>
    <message id="diff.bandwidth">
        <translation>宽\窄带</translation>
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
        <translation>固定字节</translation>
    </message>
    <message id="diff.noDifferences">
        <translation>没有差别。</translation>
    </message>
    <message id="compare.title">
        <translation>比较</translation>
    </message>
    <message id="compare.confirmTitle">
        <translation>写入对讲机</translation>
    </message>
    <message id="compare.withRadio">
        <translation>本窗口与对讲机的差别：</translation>
    </message>
    <message id="compare.withFile">
        <translation>本窗口与 %1 的差别：</translation>
    </message>
    <message id="compare.changes">
        <translation>写频将改变对讲机中的以下内容：</translation>
    </message>
    <message id="compare.field">
        <translation>项目</translation>
    </message>
    <message id="compare.thisWindow">
        <translation>本窗口</translation>
    </message>
    <message id="compare.radio">
        <translation>对讲机</translation>
    </message>
    <message id="compare.toBeWritten">
        <translation>将写入</translation>
    </message>
    <message id="compare.radioNow">
        <translation>对讲机现有</translation>
    </message>
    <message id="compare.written">
        <translation>已写入</translation>
    </message>
    <message id="compare.radioHolds">
        <translation>对讲机实有</translation>
    </message>
    <message id="compare.settings">
        <translation>设置</translation>
    </message>
    <message id="compare.otherBytes">
        <translation>其它字节</translation>
    </message>
    <message id="compare.byteOwner">
        <translation>%1 %2</translation>
    </message>
    <message id="compare.write">
        <translation>写入</translation>
    </message>
    <message id="compare.close">
        <translation>关闭</translation>
    </message>
    <message id="compare.differencesName">
        <translation>差别</translation>
    </message>
    <message id="compare.writeWithoutBackup">
        <translation>是否在没有备份对讲机数据的情况下仍然写入？</translation>
    </message>
    <message id="compare.reallyWithoutBackup">
        <translation>没有备份，对讲机现有的数据将无法恢复。仍然写入吗？</translation>
    </message>
    <message id="dialog.ok">
        <translation>确定</translation>
    </message>
    <message id="dialog.cancel">
        <translation>取消</translation>
    </message>
    <message id="optional.title">
        <translation>可选功能</translation>
    </message>
    <message id="optional.voxGroup">
        <translation>VOX</translation>
    </message>
    <message id="optional.voxFunction">
        <translation>VOX功能</translation>
    </message>
    <message id="optional.voxGain">
        <translation>VOX增益电平</translation>
    </message>
    <message id="optional.voxDelay">
        <translation>VOX延迟时间</translation>
    </message>
    <message id="optional.voxVolumeControl">
        <translation>VOX可进行音调</translation>
    </message>
    <message id="optional.voxCancelOperation">
        <translation>取消操作</translation>
    </message>
    <message id="optional.voxOffWhileReceiving">
        <translation>接收时禁止VOX</translation>
    </message>
    <message id="optional.scanGroup">
        <translation>扫描</translation>
    </message>
    <message id="optional.priority">
        <translation>优先</translation>
    </message>
    <message id="optional.priorityChannel">
        <translation>优先信道</translation>
    </message>
    <message id="optional.retraceTimeA">
        <translation>回扫时间A</translation>
    </message>
    <message id="optional.retraceTimeB">
        <translation>回扫时间B</translation>
    </message>
    <message id="optional.returnChannel">
        <translation>返回信道</translation>
    </message>
    <message id="optional.scanReceiveDelay">
        <translation>扫描接收恢复延时时间(秒)</translation>
    </message>
    <message id="optional.scanTransmitDelay">
        <translation>扫描发射恢复延时时间(秒)</translation>
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
        <translation>复制</translation>
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
        <translation>禁止</translation>
    </message>
    <message id="optional.on">
        <translation>使能</translation>
    </message>
    <message id="optional.gainOff">
        <translation>关闭</translation>
    </message>
    <message id="optional.empty">
        <translation>空</translation>
    </message>
    <message id="optional.launchStart">
        <translation>发射开始</translation>
    </message>
    <message id="optional.launchEnd">
        <translation>发射结束</translation>
    </message>
    <message id="optional.launchBoth">
        <translation>两者</translation>
    </message>
    <message id="optional.priorityNo">
        <translation>无</translation>
    </message>
    <message id="optional.priorityFixed">
        <translation>固定</translation>
    </message>
    <message id="optional.prioritySelected">
        <translation>选定</translation>
    </message>
    <message id="optional.returnSelected">
        <translation>选定</translation>
    </message>
    <message id="optional.returnSelectedCurrent">
        <translation>选定+当前</translation>
    </message>
    <message id="optional.returnPriority">
        <translation>优先</translation>
    </message>
    <message id="optional.returnPriorityCurrent">
        <translation>优先+当前</translation>
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
        <translation>当设定为‘固定’时信道不可为空，请重设！</translation>
    </message>
    <message id="optional.fixedNeedsChannelTitle">
        <translation>提示</translation>
    </message>
    <message id="optional.emptyChannelRefused">
        <translation>不可选择空信道，请重新选择！</translation>
    </message>
    <message id="optional.memoryTooLong">
        <translation>存储器只能存储16位！</translation>
    </message>
    <message id="optional.scanDelayRange">
        <translation>%1只能是 %2 到 %3 之间的整数！</translation>
    </message>
    <message id="keys.title">
        <translation>键设定</translation>
    </message>
    <message id="keys.pf1">
        <translation>PF1</translation>
    </message>
    <message id="keys.pf2">
        <translation>PF2</translation>
    </message>
    <message id="keys.automaticDial">
        <translation>自动拨号</translation>
    </message>
    <message id="keys.off">
        <translation>OFF</translation>
    </message>
    <message id="keys.keysLock">
        <translation>按键锁定</translation>
    </message>
    <message id="keys.keyLockBackup">
        <translation>按键锁定及备份</translation>
    </message>
    <message id="keys.surveillance">
        <translation>监听</translation>
    </message>
    <message id="keys.surveillanceInstant">
        <translation>监听瞬时</translation>
    </message>
    <message id="keys.scan">
        <translation>扫描</translation>
    </message>
    <message id="keys.scanDeleteTemporary">
        <translation>扫描+暂时删除</translation>
    </message>
    <message id="keys.floodlight">
        <translation>照明灯开关</translation>
    </message>
    <message id="keys.cancelStaticNoise">
        <translation>取消静噪</translation>
    </message>
    <message id="keys.instantCancelStaticNoise">
        <translation>瞬时取消静噪</translation>
    </message>
    <message id="keys.deleteTemporary">
        <translation>暂时删除</translation>
    </message>
    <message id="embedded.title">
        <translation>嵌入信息</translation>
    </message>
    <message id="embedded.line">
        <translation>嵌入信息第 %1 行</translation>
    </message>
    <message id="debugFrequency.title">
        <translation>测试频率</translation>
    </message>
    <message id="debugFrequency.channel">
        <translation>频道</translation>
    </message>
    <message id="debugFrequency.receive">
        <translation>接收频率</translation>
    </message>
    <message id="debugFrequency.transmit">
        <translation>发射频率</translation>
    </message>
    <message id="power.title">
        <translation>Debug</translation>
    </message>
    <message id="power.high">
        <translation>发射高功率</translation>
    </message>
    <message id="power.low">
        <translation>发射低功率</translation>
    </message>
    <message id="power.minimum">
        <translation>最小</translation>
    </message>
    <message id="power.maximum">
        <translation>最大</translation>
    </message>
    <message id="about.title">
        <translation>关于</translation>
    </message>
    <message id="about.heading">
        <translation>KVD-270 对讲机编程软件</translation>
    </message>
    <message id="about.version">
        <translation>简体中文版 V1.00</translation>
    </message>
    <message id="about.issue">
        <translation>发布：2011.08“</translation>
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
        <translation>读频被中断，没有保存任何文件。</translation>
    </message>
    <message id="cli.writeInterrupted">
        <translation>写频被中断，对讲机中可能是只写了一部分的配置。</translation>
    </message>
    <message id="cli.restoreBackup">
        <translation>可写入最近的备份来恢复：%1</translation>
    </message>
    <message id="cli.writeAgain">
        <translation>请在使用对讲机之前重新写入。</translation>
    </message>
    <message id="cli.band">
        <translation>频段: %1</translation>
    </message>
    <message id="cli.otherSettings">
        <translation>其他设置</translation>
    </message>
    <message id="cli.usageDiff">
        <translation>diff A.DAT B.DAT [--lang en|zh] [--json]
  kvd270-cli diff --port DEVICE FILE.DAT [--lang en|zh] [--json] [--no-backup]</translation>
    </message>
    <message id="cli.confirmNeedsTerminal">
        <translation>--confirm asks on a terminal, and standard input is none</translation>
    </message>
    <message id="cli.settings">
        <translation>设置</translation>
    </message>
    <message id="cli.radio">
        <translation>对讲机 %1</translation>
    </message>
    <message id="cli.otherBytes">
        <translation>其他字节</translation>
    </message>
    <message id="cli.stepBackup">
        <translation>备份读取</translation>
    </message>
    <message id="cli.stepWrite">
        <translation>写入</translation>
    </message>
    <message id="cli.stepCheck">
        <translation>校验读取</translation>
    </message>
    <message id="cli.step">
        <translation>[%1/%2] %3</translation>
    </message>
    <message id="cli.changesHeading">
        <translation>写入将改变以下内容：</translation>
    </message>
    <message id="cli.toBeWritten">
        <translation>将写入</translation>
    </message>
    <message id="cli.radioNow">
        <translation>对讲机现有</translation>
    </message>
    <message id="cli.written">
        <translation>已写入</translation>
    </message>
    <message id="cli.radioHolds">
        <translation>对讲机实有</translation>
    </message>
    <message id="cli.answerYesNo">
        <translation>%1 [y/N] </translation>
    </message>
    <message id="cli.yes">
        <translation>是</translation>
    </message>
    <message id="cli.noBackupHint">
        <translation>%1 （加 --no-backup 可不备份直接写入）</translation>
    </message>
    <message id="cli.interruptedBeforeWriting">
        <translation>写频在写入之前被中断，没有写入任何数据。</translation>
    </message>
    <message id="cli.checkInterrupted">
        <translation>校验被中断：已写入，未校验。</translation>
    </message>
    <message id="messageBox.save">
        <translation>保存(&amp;S)</translation>
    </message>
    <message id="messageBox.discard">
        <translation>不保存(&amp;D)</translation>
    </message>
    <message id="document.caption">
        <translation>%1[*] - %2</translation>
    </message>
    <message id="document.untitled">
        <translation>未命名</translation>
    </message>
    <message id="document.fromRadio">
        <translation>从对讲机读取</translation>
    </message>
    <message id="document.toRadio">
        <translation>已写入对讲机</translation>
    </message>
    <message id="document.savePrompt">
        <translation>是否保存对%1的修改？</translation>
    </message>
    <message id="document.fileSubject">
        <translation>“%1”</translation>
    </message>
    <message id="document.untitledSubject">
        <translation>未命名的配置</translation>
    </message>
    <message id="document.fromRadioSubject">
        <translation>从对讲机读取的配置</translation>
    </message>
    <message id="document.toRadioSubject">
        <translation>写入对讲机的配置</translation>
    </message>
    <message id="menu.recentFiles">
        <translation>最近的文件(&amp;R)</translation>
    </message>
    <message id="menu.recentFile">
        <translation>&amp;%1 %2</translation>
    </message>
    <message id="menu.noRecentFiles">
        <translation>没有最近的文件</translation>
    </message>
    <message id="menu.clearRecent">
        <translation>清除列表(&amp;C)</translation>
    </message>
    <message id="file.shortFile">
        <translation>文件比信道文件短（%1 / %2 字节）。缺少的部分按空白存储器读取：
%3</translation>
    </message>
    <message id="file.shortStatus">
        <translation>文件不完整：%1 / %2 字节，其余按空白存储器读取</translation>
    </message>
    <message id="file.moreParts">
        <translation>……另有 %1 项</translation>
    <message id="print.title">
        <translation>KVD-270 配置</translation>
    </message>
    <message id="print.source">
        <translation>来源：%1</translation>
    </message>
    <message id="print.date">
        <translation>打印日期：%1</translation>
    </message>
    <message id="print.band">
        <translation>频段：%1</translation>
    </message>
    <message id="print.otherSettings">
        <translation>其他设置</translation>
    </message>
    <message id="print.page">
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message id="print.failed">
        <translation>无法使用打印机，未打印任何内容。</translation>
    </message>
    <message id="cli.usagePrint">
        <translation>print FILE.DAT --pdf OUT.pdf [--lang en|zh]</translation>
    </message>
    <message id="cli.noPrintout">
        <translation>无法生成打印文档。</translation>
    </message>
    <message id="menu.edit">
        <translation>编辑(&amp;E)</translation>
    </message>
    <message id="menu.undo">
        <translation>撤销(&amp;U)</translation>
    </message>
    <message id="menu.redo">
        <translation>重做(&amp;R)</translation>
    </message>
    <message id="menu.cut">
        <translation>剪切(&amp;T)</translation>
    </message>
    <message id="menu.copy">
        <translation>复制(&amp;C)</translation>
    </message>
    <message id="menu.paste">
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message id="menu.deleteRows">
        <translation>删除(&amp;D)</translation>
    </message>
    <message id="menu.moveUp">
        <translation>上移</translation>
    </message>
    <message id="menu.moveDown">
        <translation>下移</translation>
    </message>
    <message id="menu.insertRow">
        <translation>插入空行(&amp;I)</translation>
    </message>
    <message id="undo.undoWhat">
        <translation>撤销%1</translation>
    </message>
    <message id="undo.redoWhat">
        <translation>重做%1</translation>
    </message>
    <message id="undo.cellEdit">
        <translation>信道 %1 %2的编辑</translation>
    </message>
    <message id="undo.column1">
        <translation>接收频率</translation>
    </message>
    <message id="undo.column2">
        <translation>接收亚音频</translation>
    </message>
    <message id="undo.column3">
        <translation>发射频率</translation>
    </message>
    <message id="undo.column4">
        <translation>发射亚音频</translation>
    </message>
    <message id="undo.column5">
        <translation>功率</translation>
    </message>
    <message id="undo.column6">
        <translation>禁发</translation>
    </message>
    <message id="undo.column7">
        <translation>宽窄带</translation>
    </message>
    <message id="undo.column8">
        <translation>扫描添加</translation>
    </message>
    <message id="undo.bandChange">
        <translation>频段更改</translation>
    </message>
    <message id="undo.panelChange">
        <translation>功能设置更改</translation>
    </message>
    <message id="undo.settingsChange">
        <translation>设置更改</translation>
    </message>
    <message id="undo.channelsChange">
        <translation>信道更改</translation>
    </message>
    <message id="undo.newFile">
        <translation>新建</translation>
    </message>
    <message id="undo.open">
        <translation>打开 %1</translation>
    </message>
    <message id="undo.read">
        <translation>读频</translation>
    </message>
    <message id="undo.importCsv">
        <translation>导入 CSV</translation>
    </message>
    <message id="undo.cut">
        <translation>剪切信道</translation>
    </message>
    <message id="undo.paste">
        <translation>粘贴信道</translation>
    </message>
    <message id="undo.deleteRows">
        <translation>删除信道</translation>
    </message>
    <message id="undo.moveUp">
        <translation>上移</translation>
    </message>
    <message id="undo.moveDown">
        <translation>下移</translation>
    </message>
    <message id="undo.insertRow">
        <translation>插入空行</translation>
    </message>
    <message id="rows.insertRefused">
        <translation>信道 16 已有内容：插入空行会把它挤出列表。请先移动或删除信道 16。</translation>
    </message>
    <message id="rows.noRoom">
        <translation>信道 16 以下没有位置</translation>
    </message>
    <message id="rows.pasted">
        <translation>已粘贴 %1 个信道。</translation>
    </message>
    <message id="rows.nothingToPaste">
        <translation>剪贴板中没有可粘贴的信道，信道列表未改变。</translation>
    </message>
</context>
</TS>
